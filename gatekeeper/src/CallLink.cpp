// The call resolver's neighbour gatekeepers: where the callee lives,
// asked of each candidate's link, and the admission of the route through
// its link, given back when no call takes it over.
#include <gatekeeper/CallResolver.h>

#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RejectTexts.h>

namespace {

// DisengageReason undefinedReason.
const int DisengageUndefined = 2;

// The texts of the side, as the neighbour's section translates them in.
void IncomingTexts(const TStringList& ATexts, int ASide, TUser* AUser, TVariables* AScope, TStringList& AOut) {
  for (const orvo::string& text : ATexts) {
    const orvo::string translated = AUser ? AUser->TranslateIncomingAlias(ASide, text, AScope) : text;
    if (translated.length() != 0) AppendOnce(AOut, translated);
  }
}

template <class TSequence>
void AppendAliases(TSequence& AList, const TStringList& ATexts) {
  for (const orvo::string& text : ATexts) H323::makeAliasAddress(*AList.appendNew(), text);
}

}  // namespace

bool TCallResolver::SendLocationRequests() {
  TUser* sender = SenderUser();
  bool sent = false;
  for (orvo::listNode* node = FCompetitors.head(); node;) {
    orvo::listNode* next = node->next;
    TCompetitorInfo* candidate = TCompetitorsInfo::element(node);
    node = next;
    if (candidate->IsEndpoint) continue;
    TGatekeeperLink* link = candidate->Link;
    // A neighbour asking for its own caller would only be asked back.
    if (!link || static_cast<const TUser*>(link->User) == sender) {
      RemoveCompetitor(candidate);
      continue;
    }
    TEndpointRegisterInfo* registration = candidate->Endpoint.Registration();
    TUser* user = registration ? registration->User() : nullptr;
    TStringList texts[2];
    for (int side : {0, 1}) IncomingTexts(T[side], side, user, candidate->Endpoint.LookupScope(), texts[side]);
    if (texts[1].empty()) {
      RemoveCompetitor(candidate);
      continue;
    }
    auto* message = new H225::rasMessage;
    auto* lrq = static_cast<H225::locationRequest*>(message->select(18));
    lrq->requestSeqNum = link->NextSequenceNumber();
    if (link->HasEndpointIdentifier())
      lrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>(link->EndpointIdentifier());
    AppendAliases(lrq->destinationInfo, texts[1]);
    H323::sockaddrToTransport(link->LocalRasAddress(), lrq->replyAddress);
    if (!texts[0].empty()) {
      lrq->sourceInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
      AppendAliases(*lrq->sourceInfo, texts[0]);
    }
    lrq->canMapAlias = new asn::booltype(false);
    LocationRequests.push_back({candidate, message});
    if (link->SendRequest(message, this, &TCallResolver::OnLocationAnswer)) {
      sent = true;
    } else {
      LocationRequests.pop_back();
      RemoveCompetitor(candidate);
    }
  }
  // Nobody left to ask is no route at all.
  if (FCompetitors.empty() && RouteResult == 0) RouteResult = 1;
  // Local candidates alone need no more time.
  return sent;
}

void TCallResolver::RemoveCompetitor(TCompetitorInfo* ACandidate) {
  for (auto it = LocationRequests.begin(); it != LocationRequests.end(); ++it)
    if (it->Candidate == ACandidate) {
      if (it->Request && ACandidate->Link) ACandidate->Link->CancelRequest(it->Request);
      LocationRequests.erase(it);
      break;
    }
  for (orvo::listNode* node = FCompetitors.head(); node; node = node->next)
    if (TCompetitorsInfo::element(node) == ACandidate) {
      FCompetitors.remove(node, 1);
      return;
    }
}

void TCallResolver::RemoveUnlocated() {
  std::vector<TCompetitorInfo*> gone;
  for (TCompetitorInfo* candidate : FCompetitors)
    if (!candidate->IsEndpoint) gone.push_back(candidate);
  for (TCompetitorInfo* candidate : gone) RemoveCompetitor(candidate);
}

void TCallResolver::OnLocationAnswer(TGatekeeperLink*, int AResult, H225::rasMessage* ARequest,
                                     H225::rasMessage* AAnswer) {
  auto asked = LocationRequests.begin();
  while (asked != LocationRequests.end() && asked->Request != ARequest) ++asked;
  if (asked == LocationRequests.end()) return;
  TCompetitorInfo* candidate = asked->Candidate;
  const int kind = AResult == 0 && AAnswer ? AAnswer->index() : -1;
  if (kind == 25) {
    ExtendDeadline(static_cast<const H225::requestInProgress*>(AAnswer->alternative())->delay.value(), true);
    return;
  }
  // The link's entry ends after this call.
  asked->Request = nullptr;
  if (kind == 19) {
    const auto* lcf = static_cast<const H225::locationConfirm*>(AAnswer->alternative());
    if (H323::transportToSockaddr(lcf->callSignalAddress, candidate->CallSignalAddress) &&
        H323::transportToSockaddr(lcf->rasAddress, candidate->RasAddress))
      candidate->IsEndpoint = true;
    else
      RemoveCompetitor(candidate);
  } else {
    if (kind == 20)
      RejectReason = LocationRejectToRejectReason(
          static_cast<const H225::locationReject*>(AAnswer->alternative())->rejectReason.index());
    RemoveCompetitor(candidate);
  }
  if (TopStepIs(static_cast<TStep>(&TCallResolver::NextCompetitor))) Run();
}

void TCallResolver::SendAdmissionToLink() {
  TUser* user = Link->User;
  TStringList texts[2];
  for (int side : {0, 1}) IncomingTexts(T[side], side, user, E[1].LookupScope(), texts[side]);
  auto* message = new H225::rasMessage;
  auto* arq = static_cast<H225::admissionRequest*>(message->select(9));
  arq->requestSeqNum = Link->NextSequenceNumber();
  arq->callType.select(0);
  arq->endpointIdentifier = Link->EndpointIdentifier();
  if (!texts[1].empty()) {
    arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
    AppendAliases(*arq->destinationInfo, texts[1]);
  }
  AppendAliases(arq->srcInfo, texts[0]);
  arq->bandWidth = Call.Bandwidth;
  arq->callReferenceValue = Call.CallReference;
  arq->conferenceID = Call.ConferenceID;
  arq->activeMC = false;
  arq->answerCall = false;
  arq->canMapAlias = new asn::booltype(!Direct || Call.CanMapAlias);
  if (Call.CallIdentifier) arq->callIdentifier = new H225::callIdentifier(*Call.CallIdentifier);
  arq->willSupplyUUIEs = new asn::booltype(false);
  LinkAdmission = message;
  if (!Link->SendRequest(message, this, &TCallResolver::OnLinkAdmissionAnswer)) LinkAdmission = nullptr;
}

void TCallResolver::OnLinkAdmissionAnswer(TGatekeeperLink*, int AResult, H225::rasMessage* ARequest,
                                          H225::rasMessage* AAnswer) {
  if (!LinkAdmission || ARequest != LinkAdmission) return;
  const int kind = AResult == 0 && AAnswer ? AAnswer->index() : -1;
  if (kind == 25) {
    ExtendDeadline(static_cast<const H225::requestInProgress*>(AAnswer->alternative())->delay.value(), true);
    return;
  }
  LinkAdmission = nullptr;
  if (kind == 10) {
    const auto* acf = static_cast<const H225::admissionConfirm*>(AAnswer->alternative());
    RemoteAdmissionHeld = true;
    sockaddr_in callee{};
    if (!H323::transportToSockaddr(acf->destCallSignalAddress, callee)) {
      Reject(rrUndefinedReason, RejectText(rtInternalFailure));
      Finish();
      return;
    }
    if (acf->bandWidth.value() < Call.Bandwidth) Call.Bandwidth = acf->bandWidth.value();
    RemoteCallModel = acf->callModel.index();
    CalleeAddress = callee;
    if (acf->irrFrequency) RemoteIrrInterval = int(acf->irrFrequency->value());
    RemoteWillRespondToIRR = acf->willRespondToIRR && acf->willRespondToIRR->value();
    if (acf->destinationInfo)
      for (const orvo::listNode* node = acf->destinationInfo->elements().head(); node; node = node->next) {
        const orvo::string text = H323::aliasToString(
            *static_cast<const H225::aliasAddress*>(static_cast<const asn::object*>(node->element)));
        if (text.length() != 0) AppendOnce(RemoteAliases, text);
      }
    Run();
    return;
  }
  if (kind == 11) {
    Reject(AdmissionRejectToRejectReason(
               static_cast<const H225::admissionReject*>(AAnswer->alternative())->rejectReason.index()),
           RejectText(rtRejectedByRemoteGatekeeper));
  } else if (kind == -1) {
    Reject(rrResourceUnavailable, RejectText(rtRemoteGatekeeperFailure));
  } else {
    Reject(rrUndefinedReason, RejectText(rtInternalFailure));
  }
  Finish();
}

void TCallResolver::SendDisengageToLink() {
  RemoteAdmissionHeld = false;
  if (!Link->HasEndpointIdentifier()) return;
  auto* message = new H225::rasMessage;
  auto* drq = static_cast<H225::disengageRequest*>(message->select(15));
  drq->requestSeqNum = Link->NextSequenceNumber();
  drq->endpointIdentifier = Link->EndpointIdentifier();
  drq->conferenceID = Call.ConferenceID;
  drq->callReferenceValue = Call.CallReference;
  drq->disengageReason.select(DisengageUndefined);
  if (Call.CallIdentifier) drq->callIdentifier = new H225::callIdentifier(*Call.CallIdentifier);
  drq->answeredCall = new asn::booltype(false);
  Link->SendRequest(message, TGatekeeperLink::TCallback());
}
