#include <gatekeeper/CompetitorInfo.h>

#include <gatekeeper/Gatekeeper.h>

TCompetitorInfo::TCompetitorInfo(TGatekeeper* AOwner) : RegistrationTime(orvo::dateTime::now()), Owner(AOwner) {}

void TCompetitorInfo::SetEndpoint(TEndpointRegisterInfo* ARegistration) {
  Endpoint.Set(ARegistration);
  Link = Owner ? Owner->FindRegisteredLink(ARegistration) : nullptr;
}

bool TCompetitorInfo::Precedes(const TCompetitorInfo& A, const TCompetitorInfo& B) {
  if (!B.IsEndpoint) return A.IsEndpoint;
  if (A.Cost != B.Cost) return A.Cost < B.Cost;
  if (A.AvailableBandwidth != B.AvailableBandwidth) return A.AvailableBandwidth > B.AvailableBandwidth;
  // Unordered loads (not a number) never go first.
  if (A.Load < B.Load) return true;
  if (A.Load > B.Load || A.Load != B.Load) return false;
  return A.RegistrationTime < B.RegistrationTime;
}

void TCompetitorsInfo::Insert(TCompetitorInfo* ACandidate) {
  for (orvo::listNode* node = head(); node; node = node->next)
    if (TCompetitorInfo::Precedes(*ACandidate, *element(node))) {
      insertAfter(ACandidate, node->prev);
      return;
    }
  append(ACandidate);
}
