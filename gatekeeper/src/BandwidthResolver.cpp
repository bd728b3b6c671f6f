#include <gatekeeper/BandwidthResolver.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RequestSource.h>

namespace {

// BandRejectReason alternatives.
enum {
  brInvalidConferenceID = 1,
  brInvalidPermission = 2,
  brInsufficientResources = 3,
  brUndefinedReason = 5,
  brSecurityDenial = 6
};

}  // namespace

TRasResolver* MakeBandwidthResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  return new TBandwidthResolver(ACore, AFrom, ARequest);
}

TBandwidthResolver::TBandwidthResolver(TGatekeeper* AOwner, const sockaddr_in& ASource,
                                       const H225::rasMessage& ARequest)
    : TRasResolver(AOwner, ASource, ARequest, &TBandwidthResolver::CheckRequest), ReplyAddress(ASource) {}

const H225::bandwidthRequest& TBandwidthResolver::Brq() const {
  return *static_cast<const H225::bandwidthRequest*>(Request.alternative());
}

TProcessor::TPerformFunctionResult TBandwidthResolver::CheckRequest() {
  const H225::bandwidthRequest& brq = Brq();
  Registration = Owner->FindEndpointByIdentifier(brq.endpointIdentifier);
  if (!Registration) {
    Reject(brInvalidPermission, 0);
    return nullptr;
  }
  // A forged source learns nothing and changes nothing.
  if (!Registration->CheckTokens(brq.tokens, brq.cryptoTokens) || !RequestSourceAllowed(*Registration, Requester)) {
    Registration = nullptr;
    Reject(brSecurityDenial, 0);
    return nullptr;
  }
  ReplyAddress = Registration->RasAddress;
  if (!brq.answeredCall) {
    int side = 0;
    Connection = Owner->FindParticipantConnection(brq.conferenceID, brq.callIdentifier, Registration, &side);
    AnsweredCall = uint32_t(side == TConnection::cnsCallee);
  } else {
    AnsweredCall = brq.answeredCall->value() ? 1 : 0;
    Connection = Owner->FindConnection(brq.conferenceID, brq.callIdentifier, Registration, int(AnsweredCall), false);
  }
  if (!Connection) {
    Reject(brInvalidConferenceID, 0);
    return nullptr;
  }
  PreviousBandwidth = Connection->Bandwidth();
  uint32_t granted = 0;
  if (!Connection->SetBandwidth(brq.bandWidth.value(), false, granted)) {
    Reject(brInsufficientResources, granted);
    return nullptr;
  }
  Booked = true;
  if (ForwardToLink()) return &TBandwidthResolver::FinishRequest;
  Confirm();
  return nullptr;
}

TBandwidthResolver::~TBandwidthResolver() {
  if (Link) Link->CancelRequests(this);
}

bool TBandwidthResolver::ForwardToLink() {
  if (AnsweredCall != 0) return false;
  TGatekeeperLink* link = Owner->FindRegisteredLink(Connection->SideRegistration(1));
  if (!link || !link->HasEndpointIdentifier()) return false;
  const H225::bandwidthRequest& brq = Brq();
  auto* message = new H225::rasMessage;
  auto* forwarded = static_cast<H225::bandwidthRequest*>(message->select(12));
  forwarded->requestSeqNum = link->NextSequenceNumber();
  forwarded->endpointIdentifier = link->EndpointIdentifier();
  forwarded->conferenceID = brq.conferenceID;
  forwarded->callReferenceValue = brq.callReferenceValue.value();
  forwarded->bandWidth = brq.bandWidth.value();
  if (brq.callIdentifier) forwarded->callIdentifier = new H225::callIdentifier(*brq.callIdentifier);
  forwarded->answeredCall = new asn::booltype(false);
  if (!link->SendRequest(message, this, &TBandwidthResolver::OnLinkAnswer)) return false;
  Link = link;
  return true;
}

void TBandwidthResolver::OnLinkAnswer(TGatekeeperLink*, int AResult, H225::rasMessage*, H225::rasMessage* AAnswer) {
  const int kind = AResult == 0 && AAnswer ? AAnswer->index() : -1;
  switch (kind) {
    case 13:
      NeighbourBandwidth = static_cast<const H225::bandwidthConfirm*>(AAnswer->alternative())->bandWidth.value();
      break;
    case 14:
      NeighbourBandwidth = static_cast<const H225::bandwidthReject*>(AAnswer->alternative())->allowedBandWidth.value();
      break;
    case 25:
      if (Registration && Registration->ProtocolVersion >= 2) {
        H225::rasMessage message;
        auto* rip = static_cast<H225::requestInProgress*>(message.select(25));
        rip->requestSeqNum = Brq().requestSeqNum.value();
        rip->delay = static_cast<const H225::requestInProgress*>(AAnswer->alternative())->delay.value();
        Owner->RASSend(ReplyAddress, message);
      }
      return;
    default:
      Link = nullptr;
      Reject(brUndefinedReason, 0);
      Finish();
      return;
  }
  Link = nullptr;
  Run();
}

TProcessor::TPerformFunctionResult TBandwidthResolver::FinishRequest() {
  const uint32_t requested = Brq().bandWidth.value();
  if (NeighbourBandwidth >= requested) {
    Confirm();
    return nullptr;
  }
  Reject(brInsufficientResources, NeighbourBandwidth);
  return nullptr;
}

void TBandwidthResolver::Confirm() {
  H225::rasMessage message;
  auto* bcf = static_cast<H225::bandwidthConfirm*>(message.select(13));
  bcf->requestSeqNum = Brq().requestSeqNum.value();
  bcf->bandWidth = Brq().bandWidth.value();
  if (Registration) Registration->CreateTokens(bcf->tokens, bcf->cryptoTokens);
  Owner->RASSend(ReplyAddress, message);
}

void TBandwidthResolver::Reject(int AReason, uint32_t AAllowed) {
  // A refused request leaves the call as it found it.
  if (Booked && Connection) {
    uint32_t granted = 0;
    Connection->SetBandwidth(PreviousBandwidth, true, granted);
  }
  Booked = false;
  H225::rasMessage message;
  auto* brj = static_cast<H225::bandwidthReject*>(message.select(14));
  brj->requestSeqNum = Brq().requestSeqNum.value();
  brj->rejectReason.select(AReason);
  brj->allowedBandWidth = AAllowed;
  if (Registration) Registration->CreateTokens(brj->tokens, brj->cryptoTokens);
  Owner->RASSend(ReplyAddress, message);
}

bool TBandwidthResolver::AcceptsEvent(int ACode) { return BandwidthResolverAcceptsEvent(ACode); }

bool TBandwidthResolver::OnEvent(int ACode, void* ASender, uint32_t, uint32_t) {
  const bool mine = (ACode == evConnectionDestroyed && ASender == Connection) ||
                    (ACode == evEndpointUnregistered && ASender == Registration) ||
                    ((ACode == evLinkStateChanged || ACode == evLinkDestroyed) && Link && ASender == Link);
  if (!mine) return false;
  if (ACode == evConnectionDestroyed) Connection = nullptr;
  Reject(brUndefinedReason, 0);
  Finish();
  return false;
}
