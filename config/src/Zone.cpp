#include <config/Zone.h>

#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
#include <config/ValueExpressions.h>

TZone::TZone(const orvo::string& AIdentifier) : TComplexExpression(0), FIdentifier(AIdentifier), FLinkedZones(0) {}

void TZone::AddLinkedZone(TZone* AZone) { FLinkedZones.append(AZone); }

orvo::string TZone::Apply(const TExpression& ADirective) {
  using namespace directiveArm;
  // A limit leaves all of itself available.
  static const TDirectiveTable<TZone> directives = {
      {dcBandwidth,
       [](TZone& AZone, const TExpression& ADirective) {
         const TUIntExp* value = As<TUIntExp>(ADirective);
         if (value) AZone.FBandwidthLimit = AZone.FAvailableBandwidth = value->Value;
         return value != nullptr;
       }},
      {dcConnections,
       [](TZone& AZone, const TExpression& ADirective) {
         const TUIntExp* value = As<TUIntExp>(ADirective);
         if (value) AZone.FConnectionLimit = AZone.FAvailableConnections = value->Value;
         return value != nullptr;
       }},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
  return TComplexExpression::Apply(ADirective);
}
