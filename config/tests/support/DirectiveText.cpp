#include "DirectiveText.h"

#include <arpa/inet.h>

#include <config/AddressExpressions.h>
#include <config/LevelExpressions.h>
#include <config/LogExpressions.h>
#include <config/ReferenceExp.h>
#include <config/RuleExpressions.h>
#include <config/ValueExpressions.h>
#include <config/VariableSetExp.h>

namespace {

std::string Text(const orvo::string& AText) { return "\"" + std::string(AText.buffer(), AText.length()) + "\""; }

std::string Type(const TExpression& ADirective) {
  std::string text = std::to_string(ADirective.Type & expKindMask);
  if (ADirective.Type & expIncoming) text += " in";
  if (ADirective.Type & expOutgoing) text += " out";
  if (ADirective.Type & expCaller) text += " caller";
  if (ADirective.Type & expCallee) text += " callee";
  return text;
}

std::string Reference(const TVariableReference& AReference) {
  if (AReference.IsLiteral()) return Text(const_cast<TVariableReference&>(AReference).Value());
  return "$" + std::string(AReference.Name().buffer(), AReference.Name().length());
}

std::string HostOrder(uint32_t AAddress) {
  return std::to_string(AAddress >> 24) + "." + std::to_string((AAddress >> 16) & 255) + "." +
         std::to_string((AAddress >> 8) & 255) + "." + std::to_string(AAddress & 255);
}

std::string Socket(const sockaddr_in& AAddress) {
  return HostOrder(ntohl(AAddress.sin_addr.s_addr)) + ":" + std::to_string(ntohs(AAddress.sin_port));
}

std::string Field(int32_t AValue) { return AValue == TDatePattern::Any ? "*" : std::to_string(AValue); }

std::string Pattern(const TDatePattern& APattern) {
  return Field(APattern.Day) + "/" + Field(APattern.Month) + "/" + Field(APattern.Year) + " " +
         Field(APattern.Weekday) + " " + Field(APattern.Hour) + ":" + Field(APattern.Minute) + ":" +
         Field(APattern.Second);
}

std::string Window(const TTimedExpression& ADirective) {
  if (!ADirective.Window()) return "";
  return " at " + Pattern(ADirective.Window()->From) + " - " + Pattern(ADirective.Window()->To);
}

std::string Bool(bool AValue) { return AValue ? "true" : "false"; }

std::string Value(const TExpression& ADirective) {
  const TExpression* d = &ADirective;
  if (auto* e = dynamic_cast<const TBoolExp*>(d)) return "TBoolExp " + Type(*e) + " " + Bool(e->Value);
  if (auto* e = dynamic_cast<const TUIntTimedExp*>(d))
    return "TUIntTimedExp " + Type(*e) + " " + std::to_string(e->Value) + Window(*e);
  if (auto* e = dynamic_cast<const TUIntExp*>(d)) return "TUIntExp " + Type(*e) + " " + std::to_string(e->Value);
  if (auto* e = dynamic_cast<const TStringExp*>(d)) return "TStringExp " + Type(*e) + " " + Text(e->Value);
  if (auto* e = dynamic_cast<const TReferenceExp*>(d)) return "TReferenceExp " + Type(*e) + " " + Reference(e->Value);
  if (auto* e = dynamic_cast<const TIPAddressExp*>(d))
    return "TIPAddressExp " + Type(*e) + " " + HostOrder(ntohl(e->Address));
  if (auto* e = dynamic_cast<const TSockAddrInExp*>(d)) return "TSockAddrInExp " + Type(*e) + " " + Socket(e->Address);
  if (auto* e = dynamic_cast<const TIPAddressRangeExp*>(d))
    return "TIPAddressRangeExp " + Type(*e) + " " + HostOrder(e->Low) + "-" + HostOrder(e->High) + " " + Bool(e->Allow);
  if (auto* e = dynamic_cast<const TVariableSetExp*>(d))
    return "TVariableSetExp " + Type(*e) + " " + std::string(e->Name.buffer(), e->Name.length()) + "=" + Text(e->Value);
  if (auto* e = dynamic_cast<const TLoginExp*>(d))
    return "TLoginExp " + Type(*e) + " " + Reference(e->Pattern) + " " + Bool(e->Allow);
  if (auto* e = dynamic_cast<const TAliasExp*>(d))
    return "TAliasExp " + Type(*e) + " " + Reference(e->Pattern) + " " + Bool(e->Allow) + " cost " +
           std::to_string(e->Cost) + Window(*e);
  if (auto* e = dynamic_cast<const TMakeExp*>(d)) {
    std::string text = "TMakeExp " + Type(*e) + " " + Reference(e->Pattern) + " [";
    for (const TVariableSetExp* set : e->Sets) text += (text.back() == '[' ? "" : ", ") + Value(*set);
    return text + "]" + Window(*e);
  }
  if (auto* e = dynamic_cast<const TTranslateExp*>(d))
    return "TTranslateExp " + Type(*e) + " " + Reference(e->Pattern) + " -> " + Reference(e->Target) + Window(*e);
  if (auto* e = dynamic_cast<const TProxyLevelExp*>(d))
    return "TProxyLevelExp " + Type(*e) + " " + std::to_string(e->Level) + Window(*e);
  if (auto* e = dynamic_cast<const THuntLevelExp*>(d))
    return "THuntLevelExp " + Type(*e) + " " + std::to_string(e->Level) + Window(*e);
  if (auto* e = dynamic_cast<const TAAALevelExp*>(d))
    return "TAAALevelExp " + Type(*e) + " " + std::to_string(e->Level);
  if (auto* e = dynamic_cast<const TDialExp*>(d))
    return "TDialExp " + Type(*e) + " " + Text(e->Identifier) + " " + Bool(e->Allow) + Window(*e);
  if (auto* e = dynamic_cast<const TAlternateGKExp*>(d))
    return "TAlternateGKExp " + Type(*e) + " " + Socket(e->Address) + " " + Text(e->Identifier);
  if (auto* e = dynamic_cast<const TLogDirectionExp*>(d))
    return "TLogDirectionExp " + Type(*e) + " " + std::to_string(e->Direction);
  if (auto* e = dynamic_cast<const TLogAliasExp*>(d)) return "TLogAliasExp " + Type(*e) + " " + Text(e->PatternText());
  if (auto* e = dynamic_cast<const TLogMessageExp*>(d)) {
    std::string text = "TLogMessageExp " + Type(*e) + " " + Bool(e->Allow);
    if (e->Where()) text += " where {" + DirectiveListText(*e->Where()) + "}";
    return text;
  }
  return "TExpression " + Type(*d);
}

}  // namespace

std::string DirectiveText(const TExpression& ADirective) {
  std::string text = Value(ADirective);
  if (ADirective.ChildList()) text += " {" + DirectiveListText(*ADirective.ChildList()) + "}";
  return text;
}

std::string DirectiveListText(const TExpressions& AList) {
  std::string text;
  for (const TExpression* directive : AList) text += (text.empty() ? "" : " | ") + DirectiveText(*directive);
  return text;
}
