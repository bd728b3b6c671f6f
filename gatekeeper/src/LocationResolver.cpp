#include <gatekeeper/LocationResolver.h>

#include <algorithm>

#include <orvo/timerClock.h>

#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/AdmissionResolver.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>
#include <gatekeeper/RequestSource.h>
#include <gatekeeper/StringLists.h>

namespace {

const int64_t MasterTimeoutOld = 14500;
const int64_t MasterTimeout = 4500;

// LocationRejectReason alternatives.
enum {
  lrjInvalidPermission = 1,
  lrjUndefinedReason = 3,
  lrjSecurityDenial = 4,
  lrjResourceUnavailable = 7,
  lrjHopCountExceeded = 10
};

const int RouteNoRoute = 1;

// Kind codes of the alias make rules.
const uint32_t MakeAlias = 0x46, MakeIncoming = 0x10000, MakeOutgoing = 0x20000, MakeCallerAliases = 0x40000,
               MakeCalleeAliases = 0x80000;

uint32_t ProxyLevelNow(const TEndpointRegisterInfo* ARegistration) {
  if (!ARegistration || !ARegistration->User()) return 0;
  return ARegistration->User()->ProxyLevel().ActiveAt(TClock::Now()).Level;
}

bool IsNull(const sockaddr_in& AAddress) { return AAddress.sin_addr.s_addr == 0 && AAddress.sin_port == 0; }

}  // namespace

TRasResolver* MakeLocationResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  return new TLocationResolver(ACore, AFrom, ARequest);
}

TLocationResolver::TLocationResolver(TGatekeeper* AOwner, const sockaddr_in& ASource, const H225::rasMessage& ARequest)
    : TRasResolver(AOwner, ASource, ARequest, &TLocationResolver::CheckRequest),
      ReplyAddress(ASource),
      MasterTimer(this, &TLocationResolver::OnMasterTimeout) {}

TLocationResolver::~TLocationResolver() {
  Owner->Links().ForEach([this](TGatekeeperLink* ALink) {
    ALink->CancelRequests(this);
    return false;
  });
  MasterTimer.Stop();
}

const H225::locationRequest& TLocationResolver::Lrq() const {
  return *static_cast<const H225::locationRequest*>(Request.alternative());
}

TEndpointRegisterInfo* TLocationResolver::IdentifyByAddress() {
  TEndpointRegisterInfo* first = nullptr;
  bool collision = false;
  Owner->Registrations().ForEach([&](TEndpointRegisterInfo* ARegistration) {
    TUser* user = ARegistration->User();
    if (ARegistration->State() != TEndpointRegisterInfo::esRegistered || !user) return false;
    const bool match = user->HasStaticAddress()
                           ? user->IsAddressAllowed(ReplyAddress)
                           : ARegistration->RasAddress.sin_addr.s_addr == ReplyAddress.sin_addr.s_addr;
    if (!match) return false;
    if (!first) {
      first = ARegistration;
      return false;
    }
    LogLine(orvo::stateError, "Address collision between: " + first->User()->Identifier() + " and " +
                                  user->Identifier() + ". Duplicate RAS address. Location request will not be served.");
    collision = true;
    return true;
  });
  return collision ? nullptr : first;
}

void TLocationResolver::MakeRules(TEndpointHandle& AHandle, bool AIncoming, const TStringList* ALists) {
  TEndpointRegisterInfo* registration = AHandle.Registration();
  TUser* user = registration ? registration->User() : nullptr;
  if (!user) return;
  for (int side : {0, 1}) {
    const uint32_t kind =
        MakeAlias | (AIncoming ? MakeIncoming : MakeOutgoing) | (side == 0 ? MakeCallerAliases : MakeCalleeAliases);
    for (const orvo::string& text : ALists[side]) user->ApplyMake(&AHandle.WritableScope(), kind, text);
  }
}

TProcessor::TPerformFunctionResult TLocationResolver::CheckRequest() {
  const H225::locationRequest& lrq = Lrq();
  sockaddr_in reply{};
  if (H323::transportToSockaddr(lrq.replyAddress, reply)) ReplyAddress = reply;

  TEndpointRegisterInfo* requester =
      lrq.endpointIdentifier ? Owner->FindEndpointByIdentifier(*lrq.endpointIdentifier) : IdentifyByAddress();
  if (!requester) {
    Reject(lrjInvalidPermission, RejectText(rtUnidentifiedRequester));
    return nullptr;
  }
  if (!requester->CheckTokens(lrq.tokens, lrq.cryptoTokens)) {
    Reject(lrjSecurityDenial, RejectText(rtInvalidSecurity));
    return nullptr;
  }
  // Without H.235 an endpoint identifier, which anyone can work out, would
  // let any host ask in the name of that registration.
  if (lrq.endpointIdentifier && !RequestSourceAllowed(*requester, Requester)) {
    Reject(lrjSecurityDenial);
    return nullptr;
  }
  Requesting.Set(requester);
  if (requester->State() != TEndpointRegisterInfo::esRegistered) {
    Reject(lrjUndefinedReason,
           RejectText(requester->State() == TEndpointRegisterInfo::esUnregistering ? rtUnregistrationInProgress
                                                                                   : rtIntermediateState));
    return nullptr;
  }
  MasterTimer.SetTimeout(requester->ProtocolVersion < 2 ? MasterTimeoutOld : MasterTimeout);
  MasterTimer.Start();
  if (Owner->State() != TGatekeeper::gksRunning) {
    Reject(lrjUndefinedReason, RejectText(rtShuttingDown));
    return nullptr;
  }
  AliasTexts(lrq.sourceInfo, A[0]);
  AliasTexts(&lrq.destinationInfo, A[1]);
  MakeRules(Requesting, false, A);
  TUser* user = requester->User();
  for (int side : {0, 1})
    for (const orvo::string& text : A[side]) {
      const orvo::string translated =
          user ? user->TranslateOutgoingAlias(side, text, &Requesting.WritableScope()) : text;
      if (translated.length() != 0) AppendOnce(T[side], translated);
    }
  if (!T[1].empty()) {
    TEndpointRegisterInfo* callee = Owner->ResolveCallForLRQ(T[1], requester, Candidates, RouteResult);
    // Never back to the neighbour that asked: two gatekeepers with
    // overlapping routes would hand the request to and fro.
    for (orvo::listNode* node = Candidates.head(); node;) {
      orvo::listNode* next = node->next;
      const TCompetitorInfo* candidate = TCompetitorsInfo::element(node);
      if (!candidate->Link || static_cast<const TUser*>(candidate->Link->User) == user) Candidates.remove(node, 1);
      node = next;
    }
    if (callee) {
      Callee.Set(callee);
      FoundRasAddress = callee->RasAddress;
      FoundCallSignalAddress = callee->CallSignalAddress;
      MakeRules(Callee, true, T);
    } else if (!Candidates.empty()) {
      if (lrq.hopCount && lrq.hopCount->value() == 1) {
        Reject(lrjHopCountExceeded);
        return nullptr;
      }
      for (TCompetitorInfo* candidate : Candidates) MakeRules(candidate->Endpoint, true, T);
      if (ForwardToLinks()) return &TLocationResolver::CollectAnswers;
    } else if (RouteResult == 0) {
      RouteResult = RouteNoRoute;
    }
  }
  if (Callee.Registration())
    Confirm();
  else
    RejectByReason();
  return nullptr;
}

bool TLocationResolver::ForwardToLinks() {
  const H225::locationRequest& received = Lrq();
  for (orvo::listNode* node = Candidates.head(); node;) {
    orvo::listNode* next = node->next;
    TCompetitorInfo* candidate = TCompetitorsInfo::element(node);
    TUser* user = candidate->Endpoint.Registration() ? candidate->Endpoint.Registration()->User() : nullptr;
    TStringList results[2];
    for (int side : {0, 1})
      for (const orvo::string& text : T[side]) {
        const orvo::string translated =
            user ? user->TranslateIncomingAlias(side, text, candidate->Endpoint.LookupScope()) : text;
        if (translated.length() != 0) AppendOnce(results[side], translated);
      }
    if (results[1].empty()) {
      Candidates.remove(node, 1);
      node = next;
      continue;
    }
    TGatekeeperLink* link = candidate->Link;
    auto* message = new H225::rasMessage;
    auto* lrq = static_cast<H225::locationRequest*>(message->select(18));
    lrq->requestSeqNum = link->NextSequenceNumber();
    if (link->HasEndpointIdentifier())
      lrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>(link->EndpointIdentifier());
    for (const orvo::string& text : results[1]) H323::makeAliasAddress(*lrq->destinationInfo.appendNew(), text);
    H323::sockaddrToTransport(link->LocalRasAddress(), lrq->replyAddress);
    if (!results[0].empty()) {
      lrq->sourceInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
      for (const orvo::string& text : results[0]) H323::makeAliasAddress(*lrq->sourceInfo->appendNew(), text);
    }
    lrq->canMapAlias = new asn::booltype(false);
    lrq->hopCount =
        new asn::integer<1u, 255u, 1>(received.hopCount ? received.hopCount->value() - 1 : unsigned(DefaultHopCount));
    Forwards.push_back({candidate, message, false});
    if (!link->SendRequest(message, this, &TLocationResolver::OnLinkAnswer)) {
      Forwards.pop_back();
      Candidates.remove(node, 1);
    }
    node = next;
  }
  return !Candidates.empty();
}

TLocationResolver::TForward* TLocationResolver::ForwardOf(const TCompetitorInfo* ACandidate) {
  for (TForward& forward : Forwards)
    if (forward.Candidate == ACandidate) return &forward;
  return nullptr;
}

void TLocationResolver::RemoveCandidate(TCompetitorInfo* ACandidate) {
  for (auto it = Forwards.begin(); it != Forwards.end(); ++it)
    if (it->Candidate == ACandidate) {
      if (it->Request && ACandidate->Link) ACandidate->Link->CancelRequest(it->Request);
      Forwards.erase(it);
      break;
    }
  for (orvo::listNode* node = Candidates.head(); node; node = node->next)
    if (TCompetitorsInfo::element(node) == ACandidate) {
      Candidates.remove(node, 1);
      return;
    }
}

void TLocationResolver::RemoveUnanswered() {
  std::vector<TCompetitorInfo*> gone;
  for (TCompetitorInfo* candidate : Candidates) {
    const TForward* forward = ForwardOf(candidate);
    if (!forward || !forward->Answered) gone.push_back(candidate);
  }
  for (TCompetitorInfo* candidate : gone) RemoveCandidate(candidate);
}

bool TLocationResolver::Waiting() const {
  return PendingSteps() != 0 && TopStep() == static_cast<TStep>(&TLocationResolver::CollectAnswers);
}

void TLocationResolver::OnLinkAnswer(TGatekeeperLink*, int AResult, H225::rasMessage* ARequest,
                                     H225::rasMessage* AAnswer) {
  TForward* forward = nullptr;
  for (TForward& entry : Forwards)
    if (entry.Request == ARequest) forward = &entry;
  if (!forward) {
    LogLine(orvo::stateError, "LocationResolver: LRQ response from unknown link. Please, report this error.");
    if (Waiting()) Run();
    return;
  }
  TCompetitorInfo* candidate = forward->Candidate;
  if (AResult == TQueuedRASMessage::qrAnswered && AAnswer && AAnswer->index() == 25) {
    ExtendDeadline(static_cast<const H225::requestInProgress*>(AAnswer->alternative())->delay.value());
    return;
  }
  // The entry ends after this call: nothing of it to cancel any more.
  forward->Request = nullptr;
  if (AResult == TQueuedRASMessage::qrAnswered && AAnswer && AAnswer->index() == 19) {
    const auto* lcf = static_cast<const H225::locationConfirm*>(AAnswer->alternative());
    if (H323::transportToSockaddr(lcf->rasAddress, candidate->RasAddress) &&
        H323::transportToSockaddr(lcf->callSignalAddress, candidate->CallSignalAddress))
      forward->Answered = true;
    else
      RemoveCandidate(candidate);
  } else {
    if (AResult == TQueuedRASMessage::qrAnswered && AAnswer && AAnswer->index() == 20)
      NeighbourReason = LocationRejectToRejectReason(
          static_cast<const H225::locationReject*>(AAnswer->alternative())->rejectReason.index());
    RemoveCandidate(candidate);
  }
  if (Waiting()) Run();
}

TProcessor::TPerformFunctionResult TLocationResolver::CollectAnswers() {
  if (TCompetitorInfo* best = Candidates.first()) {
    const TForward* forward = ForwardOf(best);
    if (!forward || !forward->Answered) return &TLocationResolver::CollectAnswers;
    Callee.Take(best->Endpoint);
    FoundRasAddress = best->RasAddress;
    FoundCallSignalAddress = best->CallSignalAddress;
    while (TCompetitorInfo* candidate = Candidates.first()) RemoveCandidate(candidate);
    Confirm();
    return nullptr;
  }
  if (Callee.Registration())
    Confirm();
  else
    RejectByReason();
  return nullptr;
}

void TLocationResolver::ExtendDeadline(int64_t AMilliseconds) {
  TEndpointRegisterInfo* requester = Requesting.Registration();
  if (!requester || requester->ProtocolVersion < 2 || !MasterTimer.Armed()) return;
  const orvo::dateTime deadline = orvo::timerClock() + orvo::timeSpan::fromMilliseconds(AMilliseconds);
  if (deadline <= MasterTimer.Due()) return;
  if (!DeadlineExtension)
    DeadlineExtension.reset(new orvo::dateTime(deadline));
  else if (deadline > *DeadlineExtension)
    *DeadlineExtension = deadline;
}

void TLocationResolver::OnMasterTimeout(TTimer*) {
  if (DeadlineExtension) {
    const int64_t remaining = std::max<int64_t>(0, (*DeadlineExtension - orvo::timerClock()).milliseconds());
    DeadlineExtension.reset();
    MasterTimer.Stop();
    MasterTimer.SetTimeout(remaining);
    MasterTimer.Start();
    SendRequestInProgress(TAdmissionResolver::ProgressDelay(remaining));
    return;
  }
  if (Waiting()) {
    RemoveUnanswered();
    Run();
    return;
  }
  Reject(lrjUndefinedReason, "Master timeout during call resolve.");
  Finish();
}

bool TLocationResolver::AcceptsEvent(int ACode) { return LocationResolverAcceptsEvent(ACode); }

bool TLocationResolver::OnEvent(int ACode, void* ASender, uint32_t, uint32_t) {
  if (ACode == evEndpointUnregistered) {
    if (ASender == Requesting.Registration()) {
      Finish();
      return false;
    }
    if (ASender == Callee.Registration()) {
      Callee.Set(nullptr);
      return false;
    }
  }
  if (ACode != evEndpointUnregistered && ACode != evLinkStateChanged && ACode != evLinkDestroyed) return false;
  std::vector<TCompetitorInfo*> gone;
  for (TCompetitorInfo* candidate : Candidates)
    if ((ACode == evEndpointUnregistered && candidate->Endpoint.Registration() == ASender) ||
        (ACode != evEndpointUnregistered && candidate->Link == ASender))
      gone.push_back(candidate);
  if (gone.empty()) return false;
  for (TCompetitorInfo* candidate : gone) RemoveCandidate(candidate);
  if (Waiting()) Run();
  return false;
}

void TLocationResolver::Confirm() {
  TEndpointRegisterInfo* requester = Requesting.Registration();
  sockaddr_in ras = FoundRasAddress, signal = FoundCallSignalAddress;
  if (ProxyLevelNow(requester) != 0 || ProxyLevelNow(Callee.Registration()) != 0) {
    ras = Owner->BoundRasAddress();
    signal = Owner->BoundCallSignalAddress();
    if (IsNull(ras) || IsNull(signal)) {
      Reject(lrjResourceUnavailable, RejectText(rtInternalFailure));
      return;
    }
  }
  H225::rasMessage message;
  auto* lcf = static_cast<H225::locationConfirm*>(message.select(19));
  lcf->requestSeqNum = Lrq().requestSeqNum.value();
  H323::sockaddrToTransport(signal, lcf->callSignalAddress);
  H323::sockaddrToTransport(ras, lcf->rasAddress);
  sockaddr_in reply{};
  if (H323::transportToSockaddr(Lrq().replyAddress, reply)) ReplyAddress = reply;
  if (requester) requester->CreateTokens(lcf->tokens, lcf->cryptoTokens);
  Owner->RASSend(ReplyAddress, message);
}

void TLocationResolver::Reject(int ALocationReason, const orvo::string& AText) {
  H225::rasMessage message;
  auto* lrj = static_cast<H225::locationReject*>(message.select(20));
  lrj->requestSeqNum = Lrq().requestSeqNum.value();
  lrj->rejectReason.select(ALocationReason);
  AttachRejectText(lrj->genericData, AText);
  if (TEndpointRegisterInfo* requester = Requesting.Registration())
    requester->CreateTokens(lrj->tokens, lrj->cryptoTokens);
  Owner->RASSend(ReplyAddress, message);
}

void TLocationResolver::RejectByReason() {
  Reject(RejectReasonToLocationReject(NeighbourReason != rrNone ? NeighbourReason
                                                                : RouteResultToRejectReason(RouteResult)));
}

void TLocationResolver::SendRequestInProgress(unsigned ADelay) {
  TEndpointRegisterInfo* requester = Requesting.Registration();
  if (!requester || requester->ProtocolVersion < 2) return;
  H225::rasMessage message;
  auto* rip = static_cast<H225::requestInProgress*>(message.select(25));
  rip->requestSeqNum = Lrq().requestSeqNum.value();
  rip->delay = ADelay;
  Owner->RASSend(ReplyAddress, message);
}
