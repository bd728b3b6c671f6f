#include <gatekeeper/Gatekeeper.h>

#include <gatekeeper/Events.h>
#include <gatekeeper/SetupResolver.h>

namespace {

// Only the RAS procedures may take an event; whatever the other kinds
// answer, the offer goes on.
template <class T>
bool Offer(TRegistry<T>& AList, bool (*AAccepts)(int), bool ACanTake, int ACode, void* ASender, uint32_t AFirst,
           uint32_t ASecond) {
  if (AList.Empty() || (AAccepts && !AAccepts(ACode))) return false;
  return AList.ForEach([&](T* AObject) { return AObject->OnEvent(ACode, ASender, AFirst, ASecond) && ACanTake; });
}

// An answer (event 0) goes only to the procedures that may wait for its
// number, in list order; one that left the list meanwhile is passed over.
bool OfferAnswer(TRegistry<TProcessor>& AList, const TRasProcedureIndex& AIndex, int ACode, void* ASender,
                 uint32_t AFirst, uint32_t ASecond) {
  if (AList.Empty()) return false;
  for (TProcessor* procedure : AIndex.OfferedAnswer(AFirst))
    if (AList.Contains(procedure) && procedure->OnEvent(ACode, ASender, AFirst, ASecond)) return true;
  return false;
}

}  // namespace

bool TGatekeeper::BroadcastEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) {
  const bool answer = ACode == evRasMessage;
  return Offer(FMonitors, &TMonitor::AcceptsEvent, false, ACode, ASender, AFirst, ASecond) ||
         (answer ? OfferAnswer(FRASProcedures, FRasProcedureIndex, ACode, ASender, AFirst, ASecond)
                 : Offer(FRASProcedures, nullptr, true, ACode, ASender, AFirst, ASecond)) ||
         Offer(FAdmissionResolvers, &AdmissionResolverAcceptsEvent, false, ACode, ASender, AFirst, ASecond) ||
         Offer(FBandwidthResolvers, &BandwidthResolverAcceptsEvent, false, ACode, ASender, AFirst, ASecond) ||
         Offer(FSetupResolvers, &TSetupResolver::AcceptsEvent, false, ACode, ASender, AFirst, ASecond) ||
         Offer(FLocationResolvers, &LocationResolverAcceptsEvent, false, ACode, ASender, AFirst, ASecond) ||
         Offer(FLinks, &TGatekeeperLink::AcceptsEvent, false, ACode, ASender, AFirst, ASecond) ||
         Offer(FConnections, &TConnection::AcceptsEvent, false, ACode, ASender, AFirst, ASecond);
}
