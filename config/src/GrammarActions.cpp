#include "GrammarActions.h"

#include <arpa/inet.h>

#include <config/AddressExpressions.h>
#include <config/DateWindow.h>
#include <config/DirectiveCode.h>
#include <config/HostAddress.h>
#include <config/LogExpressions.h>
#include <config/RuleExpressions.h>
#include <config/ValueExpressions.h>
#include <config/VariableReference.h>
#include <config/VariableSetExp.h>

namespace GrammarActions {

namespace {

enum : uint32_t { Absent = 0xFFFFFFFFu };

// Make and translate rules attached to an alias: incoming, on the callee.
const TExpressionType AliasRuleFlags = expIncoming | expCallee;

// Wildcards and fields not written read -1.
int32_t Field(uint32_t AValue) { return static_cast<int32_t>(AValue); }

// A directive the run holds, read in place as the class it was made as.
template <class T>
T* Held(TTokenContainer* AContainer) {
  return static_cast<T*>(TParseRun::Peek<TExpression>(AContainer));
}

void AddClones(TVariableSetExps& ATarget, const TVariableSetExps& ASource) {
  for (const TVariableSetExp* set : ASource) ATarget.append(static_cast<TVariableSetExp*>(set->Clone()));
}

}  // namespace

TTokenContainer* Keep(TParseRun& ARun, TExpression* ADirective) { return ARun.Keep(ADirective); }

TTokenContainer* KeepTimed(TParseRun& ARun, TTimedExpression* ADirective, TTokenContainer* AWindow) {
  std::unique_ptr<TTimedExpression> directive(ADirective);
  directive->SetWindow(ARun.Take<TDateWindow>(AWindow).get());
  return ARun.Keep(static_cast<TExpression*>(directive.release()));
}

TTokenContainer* NewList(TParseRun& ARun, TTokenContainer* ADirective) {
  std::unique_ptr<TExpressions> list(new TExpressions());
  if (ADirective) list->Add(ARun.Take<TExpression>(ADirective).release());
  return ARun.Keep(list.release());
}

TTokenContainer* Append(TParseRun& ARun, TTokenContainer* AList, TTokenContainer* ADirective) {
  TParseRun::Peek<TExpressions>(AList)->Add(ARun.Take<TExpression>(ADirective).release());
  return AList;
}

TTokenContainer* NewConditions(TParseRun& ARun) { return ARun.Keep(new TExpressions(false)); }

TTokenContainer* AppendCondition(TParseRun& ARun, TTokenContainer* AList, TTokenContainer* ACondition) {
  return Append(ARun, AList, ACondition);
}

TTokenContainer* LogRule(TParseRun& ARun, TExpressionType AType, TTokenContainer* AWhere, bool AAllow) {
  std::unique_ptr<TLogMessageExp> rule(new TLogMessageExp(AType, AAllow));
  rule->SetWhere(ARun.Take<TExpressions>(AWhere).release());
  return ARun.Keep(static_cast<TExpression*>(rule.release()));
}

TTokenContainer* Literal(TParseRun& ARun, TTokenContainer* AText) {
  return ARun.Keep(new TVariableReference(ARun.TakeText(AText)));
}

TTokenContainer* VariableName(TParseRun& ARun, TTokenContainer* AName) {
  return ARun.Keep(new TVariableReference(nullptr, ARun.TakeText(AName)));
}

TTokenContainer* NewSets(TParseRun& ARun, TTokenContainer* ASet) {
  std::unique_ptr<TVariableSetExps> sets(new TVariableSetExps());
  sets->append(ARun.TakeDirective<TVariableSetExp>(ASet).release());
  return ARun.Keep(sets.release());
}

TTokenContainer* AppendSet(TParseRun& ARun, TTokenContainer* ASets, TTokenContainer* ASet) {
  TParseRun::Peek<TVariableSetExps>(ASets)->append(ARun.TakeDirective<TVariableSetExp>(ASet).release());
  return ASets;
}

TTokenContainer* Login(TParseRun& ARun, TTokenContainer* APattern, bool AAllow, TTokenContainer* ASets) {
  // Without a pattern (login yes|no) every login text matches.
  const std::unique_ptr<TVariableReference> pattern =
      APattern ? ARun.Take<TVariableReference>(APattern) : std::make_unique<TVariableReference>(orvo::string(".*"));
  const std::unique_ptr<TVariableSetExps> sets = ARun.Take<TVariableSetExps>(ASets);
  std::unique_ptr<TLoginExp> login(new TLoginExp(dcLogin, *pattern, AAllow));
  if (sets) {
    if (!AAllow) {
      ARun.Report("logic error, ''false'' login expression can not set variable");
      return nullptr;
    }
    TMakeExp* make = new TMakeExp(dcMakeLogin, *pattern);
    login->Children().Add(make);
    AddClones(make->Sets, *sets);
  }
  return ARun.Keep(static_cast<TExpression*>(login.release()));
}

TTokenContainer* Alias(TParseRun& ARun, TTokenContainer* APattern, bool AAllow, uint32_t ACost,
                       TTokenContainer* ATarget, TTokenContainer* ASets, TTokenContainer* AWindow) {
  const std::unique_ptr<TVariableReference> pattern =
      APattern ? ARun.Take<TVariableReference>(APattern) : std::make_unique<TVariableReference>(orvo::string(".*"));
  const std::unique_ptr<TVariableReference> target = ARun.Take<TVariableReference>(ATarget);
  const std::unique_ptr<TVariableSetExps> sets = ARun.Take<TVariableSetExps>(ASets);
  const std::unique_ptr<TDateWindow> window = ARun.Take<TDateWindow>(AWindow);
  if (sets && !AAllow) {
    ARun.Report("logic error, ''false'' alias expression can not set variable");
    return nullptr;
  }
  if (target && !AAllow) {
    ARun.Report("logic error, ''false'' alias expression can not translate");
    return nullptr;
  }
  std::unique_ptr<TAliasExp> alias(new TAliasExp(dcAlias, *pattern, AAllow, ACost));
  alias->SetWindow(window.get());
  if (target) {
    TTranslateExp* translate = new TTranslateExp(dcTranslate | AliasRuleFlags, *pattern, *target);
    alias->Children().Add(translate);
    translate->SetWindow(window.get());
  }
  if (sets) {
    TMakeExp* make = new TMakeExp(dcMakeAlias | AliasRuleFlags, *pattern);
    alias->Children().Add(make);
    make->SetWindow(window.get());
    AddClones(make->Sets, *sets);
  }
  return ARun.Keep(static_cast<TExpression*>(alias.release()));
}

TTokenContainer* MakeLogin(TParseRun& ARun, TTokenContainer* APattern, TTokenContainer* ASets) {
  const std::unique_ptr<TVariableReference> pattern = ARun.Take<TVariableReference>(APattern);
  const std::unique_ptr<TVariableSetExps> sets = ARun.Take<TVariableSetExps>(ASets);
  std::unique_ptr<TMakeExp> make(new TMakeExp(dcMakeLogin, *pattern));
  AddClones(make->Sets, *sets);
  return ARun.Keep(static_cast<TExpression*>(make.release()));
}

TTokenContainer* MakeAlias(TParseRun& ARun, TExpressionType AFlags, TTokenContainer* APattern, TTokenContainer* ASets,
                           TTokenContainer* AWindow) {
  const std::unique_ptr<TVariableReference> pattern = ARun.Take<TVariableReference>(APattern);
  const std::unique_ptr<TVariableSetExps> sets = ARun.Take<TVariableSetExps>(ASets);
  TMakeExp* make = new TMakeExp(dcMakeAlias | AFlags, *pattern);
  AddClones(make->Sets, *sets);
  return KeepTimed(ARun, make, AWindow);
}

TTokenContainer* Translate(TParseRun& ARun, TExpressionType AFlags, TTokenContainer* APattern, TTokenContainer* ATarget,
                           TTokenContainer* AWindow) {
  const std::unique_ptr<TVariableReference> pattern = ARun.Take<TVariableReference>(APattern);
  const std::unique_ptr<TVariableReference> target = ARun.Take<TVariableReference>(ATarget);
  return KeepTimed(ARun, new TTranslateExp(dcTranslate | AFlags, *pattern, *target), AWindow);
}

bool DottedAddress(TParseRun& ARun, TTokenContainer* AText, uint32_t& AAddress) {
  // 255.255.255.255 reads as the conversion's failure and is refused.
  AAddress = inet_addr(ARun.TakeText(AText).buffer());
  if (AAddress != INADDR_NONE) return true;
  ARun.Report("address error, bad IP address");
  return false;
}

bool HostAddress(TParseRun& ARun, TTokenContainer* AText, uint32_t& AAddress) {
  if (ResolveHostAddress(ARun.TakeText(AText), AAddress)) return true;
  ARun.Report("address error, unable to resolve or bad IP address");
  return false;
}

TTokenContainer* Port(TParseRun& ARun, TExpressionType AType, uint32_t AValue, bool AUnlimitedAllowed) {
  // Kept as written, a larger number would later be cut to its low 16 bits:
  // a port the operator never wrote.
  if (AValue > 0xFFFFu && !(AUnlimitedAllowed && AValue == 0xFFFFFFFFu)) {
    ARun.Report("parse error, port number too large");
    return nullptr;
  }
  return ARun.Keep(new TUIntExp(AType, AValue));
}

TTokenContainer* SocketAddress(TParseRun& ARun, TTokenContainer* AText) {
  sockaddr_in address;
  if (!ParseHostPort(ARun.TakeText(AText), address)) {
    ARun.Report("address error, bad IP address");
    return nullptr;
  }
  return ARun.Keep(new TSockAddrInExp(0, address));
}

TTokenContainer* TypedSocketAddress(TParseRun&, TExpressionType AType, TTokenContainer* AAddress,
                                    uint16_t ADefaultPort) {
  TSockAddrInExp* address = Held<TSockAddrInExp>(AAddress);
  address->Type = AType;
  if (address->Address.sin_port == 0) address->Address.sin_port = htons(ADefaultPort);
  return AAddress;
}

TTokenContainer* StaticFlag(TParseRun& ARun, bool AStatic) {
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = AStatic ? htonl(INADDR_ANY) : htonl(INADDR_NONE);
  return ARun.Keep(new TSockAddrInExp(dcStatic, address));
}

TTokenContainer* AlternateGatekeeper(TParseRun& ARun, TTokenContainer* AAddress, TTokenContainer* AIdentifier) {
  const std::unique_ptr<TSockAddrInExp> address = ARun.TakeDirective<TSockAddrInExp>(AAddress);
  if (address->Address.sin_port == 0) address->Address.sin_port = htons(1719);
  return ARun.Keep(new TAlternateGKExp(dcAlternateGatekeeper, address->Address, ARun.TakeText(AIdentifier)));
}

TTokenContainer* Range(TParseRun& ARun, uint32_t AFirst, uint32_t ALast) {
  TIPAddressRangeExp* range = new TIPAddressRangeExp(0);
  range->Set(AFirst, ALast);
  return ARun.Keep(range);
}

TTokenContainer* RangeToOctet(TParseRun& ARun, uint32_t AFirst, uint32_t ALastOctet) {
  if (ALastOctet > 255) {
    ARun.Report("parse error, IP address number too large");
    return nullptr;
  }
  return Range(ARun, AFirst, htonl((ntohl(AFirst) & 0xFFFFFF00u) | ALastOctet));
}

TTokenContainer* AddressRule(TParseRun&, TExpressionType AType, TTokenContainer* ARange, bool AAllow) {
  TIPAddressRangeExp* range = Held<TIPAddressRangeExp>(ARange);
  range->Type = AType;
  range->Allow = AAllow;
  return ARange;
}

TTokenContainer* AllAddresses(TParseRun& ARun, bool AAllow) {
  TIPAddressRangeExp* range = new TIPAddressRangeExp(dcAddressRule, AAllow);
  range->Set(htonl(0x00000000u), htonl(0xFFFFFFFFu));
  return ARun.Keep(range);
}

TTokenContainer* Connections(TParseRun& ARun, uint32_t ATotal, uint32_t AIncoming, uint32_t AOutgoing,
                             TTokenContainer* AWindow) {
  const std::unique_ptr<TDateWindow> window = ARun.Take<TDateWindow>(AWindow);
  std::unique_ptr<TUIntTimedExp> total(new TUIntTimedExp(dcConnections, ATotal));
  total->SetWindow(window.get());
  TUIntTimedExp* incoming = new TUIntTimedExp(dcIncomingConnections, AIncoming);
  total->Children().Add(incoming);
  incoming->SetWindow(window.get());
  TUIntTimedExp* outgoing = new TUIntTimedExp(dcOutgoingConnections, AOutgoing);
  total->Children().Add(outgoing);
  outgoing->SetWindow(window.get());
  return ARun.Keep(static_cast<TExpression*>(total.release()));
}

TTokenContainer* Date(TParseRun& ARun, uint32_t AWeekday, uint32_t ADay, uint32_t AMonth, uint32_t AYear,
                      uint32_t AHour, uint32_t AMinute, uint32_t ASecond) {
  return ARun.Keep(new TDatePattern(Field(AYear), Field(AMonth), Field(ADay), Field(AHour), Field(AMinute),
                                    Field(ASecond), Field(AWeekday)));
}

TTokenContainer* Window(TParseRun& ARun, TTokenContainer* AFrom, TTokenContainer* ATo) {
  const std::unique_ptr<TDatePattern> from = ARun.Take<TDatePattern>(AFrom);
  const std::unique_ptr<TDatePattern> to = ARun.Take<TDatePattern>(ATo);
  return ARun.Keep(new TDateWindow(*from, *to));
}

}  // namespace GrammarActions
