#include "Directives.h"

#include <arpa/inet.h>

namespace directive {

namespace {

template <class T>
T* Windowed(T* AExpression, const TDateWindow* AWindow) {
  AExpression->SetWindow(AWindow);
  return AExpression;
}

uint32_t Dotted(const char* AText) { return inet_addr(AText); }

}  // namespace

TExpression* Bool(TExpressionType AType, bool AValue) { return new TBoolExp(AType, AValue); }

TExpression* UInt(TExpressionType AType, uint32_t AValue) { return new TUIntExp(AType, AValue); }

TExpression* TimedUInt(TExpressionType AType, uint32_t AValue, const TDateWindow* AWindow) {
  return Windowed(new TUIntTimedExp(AType, AValue), AWindow);
}

TExpression* Text(TExpressionType AType, const char* AValue) { return new TStringExp(AType, AValue); }

TExpression* Literal(TExpressionType AType, const char* AValue) {
  return new TReferenceExp(AType, TVariableReference(orvo::string(AValue)));
}

TExpression* Named(TExpressionType AType, const char* AName) {
  return new TReferenceExp(AType, TVariableReference(nullptr, AName));
}

TExpression* Address(TExpressionType AType, const char* ADotted) { return new TIPAddressExp(AType, Dotted(ADotted)); }

TExpression* SockAddr(TExpressionType AType, const char* ADotted, uint16_t APort) {
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(APort);
  address.sin_addr.s_addr = Dotted(ADotted);
  return new TSockAddrInExp(AType, address);
}

TExpression* Range(TExpressionType AType, const char* ALow, const char* AHigh, bool AAllow) {
  TIPAddressRangeExp* range = new TIPAddressRangeExp(AType, AAllow);
  range->Set(Dotted(ALow), Dotted(AHigh));
  return range;
}

TExpression* Level(TExpressionType AType, uint32_t ALevel) { return new TAAALevelExp(AType, ALevel); }

TExpression* Login(const char* APattern, bool AAllow) {
  return new TLoginExp(5, TVariableReference(orvo::string(APattern)), AAllow);
}

TExpression* LoginNamed(const char* AVariable, bool AAllow) {
  return new TLoginExp(5, TVariableReference(nullptr, AVariable), AAllow);
}

TExpression* Alias(const char* APattern, bool AAllow, uint32_t ACost) {
  return new TAliasExp(6, TVariableReference(orvo::string(APattern)), AAllow, ACost);
}

TExpression* Translate(TExpressionType AType, const char* APattern, const char* ATarget, const TDateWindow* AWindow) {
  return Windowed(
      new TTranslateExp(AType, TVariableReference(orvo::string(APattern)), TVariableReference(orvo::string(ATarget))),
      AWindow);
}

TMakeExp* Make(TExpressionType AType, TVariableReference APattern, std::initializer_list<Assignment> ASets,
               const TDateWindow* AWindow) {
  TMakeExp* make = Windowed(new TMakeExp(AType, APattern), AWindow);
  for (const Assignment& set : ASets) make->Sets.append(new TVariableSetExp(set.Type, set.Name, set.Value));
  return make;
}

TExpression* Dial(const char* AIdentifier, bool AAllow, const TDateWindow* AWindow) {
  return Windowed(new TDialExp(14, AIdentifier, AAllow), AWindow);
}

TExpression* Set(const char* AName, const char* AValue) { return new TVariableSetExp(67, AName, AValue); }

TExpression* ProxyLevel(uint32_t ALevel, const TDateWindow* AWindow) {
  return Windowed(new TProxyLevelExp(11, ALevel), AWindow);
}

TExpression* Parent(TExpressionType AType, std::initializer_list<TExpression*> AChildren) {
  TExpression* parent = new TExpression(AType);
  for (TExpression* child : AChildren) parent->Children().Add(child);
  return parent;
}

TDateWindow Hours(int32_t AFromHour, int32_t AFromMinute, int32_t AToHour, int32_t AToMinute) {
  const int32_t any = TDatePattern::Any;
  return TDateWindow(TDatePattern(any, any, any, AFromHour, AFromMinute, any),
                     TDatePattern(any, any, any, AToHour, AToMinute, any));
}

TDatePattern Wednesday(int32_t AHour, int32_t AMinute, int32_t ASecond) {
  return TDatePattern(2003, 12, 3, AHour, AMinute, ASecond, 3);
}

}  // namespace directive
