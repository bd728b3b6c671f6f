#include <config/Zone.h>

#include <config/DirectiveCode.h>
#include <config/ValueExpressions.h>

TZone::TZone(const orvo::string& AIdentifier) : TComplexExpression(0), FIdentifier(AIdentifier), FLinkedZones(0) {}

void TZone::AddLinkedZone(TZone* AZone) { FLinkedZones.append(AZone); }

orvo::string TZone::Apply(const TExpression& ADirective) {
  const TUIntExp* value = dynamic_cast<const TUIntExp*>(&ADirective);
  if (value && ADirective.Kind() == dcBandwidth) {
    FBandwidthLimit = FAvailableBandwidth = value->Value;
    return orvo::string();
  }
  if (value && ADirective.Kind() == dcConnections) {
    FConnectionLimit = FAvailableConnections = value->Value;
    return orvo::string();
  }
  return TComplexExpression::Apply(ADirective);
}
