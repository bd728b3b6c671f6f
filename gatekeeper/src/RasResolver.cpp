#include <gatekeeper/RasResolver.h>

#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/TransportAddressCompare.h>

void TRasResolver::Attach() {
  TakeRequest();
  if (TRegistry<TRasResolver>* list = Owner->ResolversOf(Request.index())) list->Attach(this);
}

void TRasResolver::TakeRequest() {
  if (!Lent) return;
  Request = *Lent;
  Lent = nullptr;
}

void TRasResolver::Detach() {
  if (TRegistry<TRasResolver>* list = Owner->ResolversOf(Request.index())) list->Detach(this);
  WakeWaiters();
}

void TRasResolver::AwaitEndOf(TRasResolver* AEarlier) { FAwaited = AEarlier; }

void TRasResolver::WakeWaiters() {
  // Only a resolver in its list can be waited for.
  if (!Attached()) return;
  TRegistry<TRasResolver>* list = Owner->ResolversOf(HeldRequest().index());
  if (!list) return;
  // Not at once: the one that answered is still in the middle of its step.
  list->ForEach([this](TRasResolver* AWaiter) {
    if (AWaiter->FAwaited != this) return false;
    AWaiter->FAwaited = nullptr;
    AWaiter->Wake.SetTimeout(0);
    AWaiter->Wake.Start();
    return false;
  });
}

void TRasResolver::OnWake(TTimer*) { Run(); }

namespace {

template <class T>
const T& As(const H225::rasMessage& AMessage) {
  return *static_cast<const T*>(AMessage.alternative());
}

bool SameText(const asn::bmpStringBase& A, const asn::bmpStringBase& B) { return A.storage() == B.storage(); }

}  // namespace

bool IsRetransmission(const H225::rasMessage& AHeld, const H225::rasMessage& ANew) {
  if (AHeld.index() != ANew.index() || !AHeld.alternative() || !ANew.alternative()) return false;
  switch (ANew.index()) {
    case 3: {
      const auto& held = As<H225::registrationRequest>(AHeld);
      const auto& fresh = As<H225::registrationRequest>(ANew);
      return held.requestSeqNum.value() == fresh.requestSeqNum.value() &&
             TransportAddressListsEqual(held.rasAddress, fresh.rasAddress) &&
             TransportAddressListsEqual(held.callSignalAddress, fresh.callSignalAddress);
    }
    case 9: {
      const auto& held = As<H225::admissionRequest>(AHeld);
      const auto& fresh = As<H225::admissionRequest>(ANew);
      return held.requestSeqNum.value() == fresh.requestSeqNum.value() &&
             SameText(held.endpointIdentifier, fresh.endpointIdentifier);
    }
    case 12: {
      const auto& held = As<H225::bandwidthRequest>(AHeld);
      const auto& fresh = As<H225::bandwidthRequest>(ANew);
      return held.requestSeqNum.value() == fresh.requestSeqNum.value() &&
             SameText(held.endpointIdentifier, fresh.endpointIdentifier);
    }
    case 18: {
      const auto& held = As<H225::locationRequest>(AHeld);
      const auto& fresh = As<H225::locationRequest>(ANew);
      if (held.requestSeqNum.value() != fresh.requestSeqNum.value()) return false;
      if (!held.endpointIdentifier || !fresh.endpointIdentifier)
        return !held.endpointIdentifier && !fresh.endpointIdentifier;
      return SameText(*held.endpointIdentifier, *fresh.endpointIdentifier);
    }
    default:
      return false;
  }
}
