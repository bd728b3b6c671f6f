// The admission resolver: the route tried, the call record, the answers,
// the events and the master timer.
#include <gatekeeper/AdmissionResolver.h>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>

#include <orvo/assertion.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <signalling/CallSignallingRelay.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>

namespace {

const int64_t RadiusDeadline = 12000;
const int64_t ProgressMargin = 100;
const int64_t MaxProgressDelay = 65535;

// The address of ours the kernel would send from to reach APeer: for a
// relay listening on every address, the one the caller can reach. A
// connected UDP socket sends nothing; the wildcard stays when it fails.
in_addr LocalAddressToward(const sockaddr_in& APeer) {
  in_addr out{htonl(INADDR_ANY)};
  const int probe = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (probe < 0) return out;
  sockaddr_in local{};
  socklen_t length = sizeof local;
  if (connect(probe, reinterpret_cast<const sockaddr*>(&APeer), sizeof APeer) == 0 &&
      getsockname(probe, reinterpret_cast<sockaddr*>(&local), &length) == 0)
    out = local.sin_addr;
  close(probe);
  return out;
}

void AppendOnce(TStringList& AList, const orvo::string& AText) {
  for (const orvo::string& text : AList)
    if (text == AText) return;
  AList.append(AText);
}

uint32_t ProxyLevelNow(const TEndpointRegisterInfo* ARegistration) {
  if (!ARegistration || !ARegistration->User()) return 0;
  return ARegistration->User()->ProxyLevel().ActiveAt(TClock::Now()).Level;
}

}  // namespace

unsigned TAdmissionResolver::ProgressDelay(int64_t ASpan) {
  return unsigned(std::min(MaxProgressDelay, std::max<int64_t>(1, std::max<int64_t>(0, ASpan) + ProgressMargin)));
}

int TAdmissionResolver::IrrFrequency(int64_t AValidity) {
  if (AValidity <= 3) return -1;
  return int(std::min<int64_t>((AValidity - 1) / 3, 65535));
}

TProcessor::TPerformFunctionResult TAdmissionResolver::RejectOrNext() {
  // The neighbour's confirm of a route given up must not hold a call there.
  if (Link && RemoteAdmissionHeld) SendDisengageToLink();
  RemoteAdmissionHeld = false;
  if (SenderSide == 1) {
    RejectByReason();
    return nullptr;
  }
  E[1].Set(nullptr);
  return NextCompetitor();
}

TProcessor::TPerformFunctionResult TAdmissionResolver::NextCompetitor() {
  if (E[1].Registration()) return &TAdmissionResolver::NextCompetitor;
  TCompetitorInfo* first = FCompetitors.first();
  if (!first) {
    if (!HuntingGoesOn) RejectByReason();
    return nullptr;
  }
  if (!first->IsEndpoint) return &TAdmissionResolver::NextCompetitor;
  E[1] = first->Endpoint;
  CalleeAddress = first->CallSignalAddress;
  Link = first->Link;
  ChosenCost = first->Cost;
  ChosenBandwidth = first->AvailableBandwidth;
  RemoveCompetitor(first);
  RadiusDone[1] = false;
  RadiusRequest[1] = -1;
  CreditTime[1] = -1;
  return ChooseRoute();
}

TProcessor::TPerformFunctionResult TAdmissionResolver::ChooseRoute() {
  TEndpointRegisterInfo* callee = E[1].Registration();
  TEndpointRegisterInfo* caller = E[0].Registration();
  if (!HuntingGoesOn && callee) callee->TimeStamp = orvo::dateTime::now();
  const TDatePattern now = TClock::Now();
  if (SenderSide == 1) {
    TUser* callerUser = caller ? caller->User() : nullptr;
    if (callerUser)
      for (int side : {0, 1})
        for (const orvo::string& text : A[side]) {
          const orvo::string translated = callerUser->TranslateOutgoingAlias(side, text, E[0].LookupScope());
          if (translated.length() != 0) AppendOnce(T[side], translated);
        }
    TUser* user = SenderUser();
    if (ProxyLevelNow(Sender()) != 0 && !(user && user->ProxyLevelChoice())) {
      Reject(rrRouteCallToGatekeeper);
      return nullptr;
    }
    Direct = true;
  } else if (Direct && ProxyLevelNow(callee) != 0) {
    Direct = false;
  }

  const int peerSide = 1 - SenderSide;
  TEndpointRegisterInfo* peer = E[peerSide].Registration();
  if (peer && peer->User()) {
    TUser* user = peer->User();
    const TTimedOption<TUIntTimedExp>& sideLimit =
        peerSide == 1 ? user->IncomingConnections() : user->OutgoingConnections();
    if (peer->CountConnections() >= user->Connections().ActiveAt(now).Value ||
        peer->CountConnectionsAs(peerSide) >= sideLimit.ActiveAt(now).Value) {
      RejectReason = rrExceedsCallCapacity;
      return RejectOrNext();
    }
  }
  if (!Connection && Owner->AvailableBandwidth(caller, callee) == 0) {
    RejectReason = rrRequestDenied;
    return RejectOrNext();
  }
  if (RadiusAuthenticationServer()) {
    bool awaited = false;
    for (int side : {0, 1}) {
      TEndpointRegisterInfo* registration = E[side].Registration();
      TUser* user = registration ? registration->User() : nullptr;
      if (!user || !user->NeedsRadiusAuthentication(side) || RadiusDone[side]) continue;
      if (side != SenderSide &&
          (user->RadiusName().RefersTo("h235name") || user->RadiusPassword().RefersTo("h235password")))
        continue;
      if (RadiusRequest[side] == -1) {
        BuildRadiusAttributes(side);
        ExtendDeadline(RadiusDeadline);
      }
      awaited = true;
    }
    if (awaited) return &TAdmissionResolver::ChooseRoute;
  }
  const TConfiguration* configuration = Owner->Configuration();
  if (SenderSide == 0 && configuration && configuration->Log().ChosenRoute()) {
    orvo::string line = "Chosen route:\t";
    line.append(callee && callee->User() ? callee->User()->Identifier() : orvo::string());
    line.append(" with Cost: ");
    orvo::string number;
    if (ChosenCost == 0xFFFFFFFFu) {
      line.append("(no cost)");
    } else {
      number.format("%u", unsigned(ChosenCost));
      line.append(number);
    }
    line.append(", Bandwidth: ");
    if (int32_t(ChosenBandwidth) < 0) {
      line.append("(unlimited)");
    } else {
      number.format("%u*10^2", unsigned(ChosenBandwidth));
      line.append(number);
    }
    std::cout << line << std::endl;
  }
  RemoteIrrInterval = -1;
  if (!Connection && SenderSide == 0 && Link && Link->Registered() && Link->HasEndpointIdentifier()) {
    SendAdmissionToLink();
    ExtendDeadline(15000);
    return &TAdmissionResolver::CreateConnection;
  }
  if (!Connection) return CreateConnection();
  return AddAlternative();
}

TProcessor::TPerformFunctionResult TAdmissionResolver::AddAlternative() {
  ORVO_ASSERT(Connection);
  auto* alternative = new TConnectionAlternative;
  alternative->Endpoint = E[1];
  alternative->CallSignalAddress = CalleeAddress;
  alternative->CreditTime = CreditTime[1];
  alternative->Link = Link;
  Connection->AddAlternative(alternative);
  if (FCompetitors.empty()) return nullptr;
  return RejectOrNext();
}

void TAdmissionResolver::DestroyConnection(TConnection* AConnection) {
  if (Owner->Connections().Detach(AConnection)) delete AConnection;
}

TProcessor::TPerformFunctionResult TAdmissionResolver::CreateConnection() {
  // Only the neighbour's answer goes on from here.
  if (LinkAdmission) return &TAdmissionResolver::CreateConnection;
  const H225::admissionRequest& arq = Arq();
  auto* call = new TConnection(Owner, E[0], E[1], arq.callReferenceValue.value(), arq.conferenceID, arq.callIdentifier);
  call->Link = Link;
  uint32_t granted = 0;
  if (!call->SetBandwidth(arq.bandWidth.value(), true, granted)) {
    RejectReason = rrRequestDenied;
    DestroyConnection(call);
    return RejectOrNext();
  }
  for (int side : {0, 1}) {
    call->SetSideAliases(side, T[side]);
    call->SetCreditTime(side, CreditTime[side]);
  }
  if (!call->Start(CalleeAddress, !Direct)) {
    LogLine(orvo::stateError, "Connection refused to start. Call will not be served.");
    Reject(rrUndefinedReason, RejectText(rtInternalFailure));
    DestroyConnection(call);
    return nullptr;
  }
  if (E[SenderSide].Scope()) call->AddSideVariables(SenderSide, *E[SenderSide].Scope());
  call->Admit(SenderSide, CreditTime[SenderSide]);
  call->SetInfoRequestInterval(RemoteIrrInterval, RemoteWillRespondToIRR, RemoteCallModel);
  call->RemoteAliases = RemoteAliases;
  RemoteAdmissionHeld = false;
  if (FCompetitors.empty()) call->DisableRetermination("there is no any alternatives");
  Confirm(call);
  if (!call->ReterminationPossible()) return nullptr;
  MasterTimer.Stop();
  HuntingGoesOn = true;
  Connection = call;
  return RejectOrNext();
}

void TAdmissionResolver::Confirm(TConnection* AConnection) {
  const H225::admissionRequest& arq = Arq();
  TEndpointRegisterInfo* sender = Sender();
  H225::rasMessage message;
  auto* acf = static_cast<H225::admissionConfirm*>(message.select(10));
  acf->requestSeqNum = arq.requestSeqNum.value();
  acf->bandWidth = AConnection->Bandwidth();
  const TCallSignallingRelay* relay = AConnection->Relay();
  const bool routed = relay != nullptr;
  acf->callModel.select(routed ? 1 : 0);
  sockaddr_in destination = AConnection->CalleeAddress();
  if (SenderSide == 0 && relay) {
    destination = relay->ListenAddress();
    if (destination.sin_addr.s_addr == htonl(INADDR_ANY)) destination.sin_addr = LocalAddressToward(RequesterAddress());
  }
  if (SenderSide == 1 && AConnection->SideRegistration(1))
    destination = AConnection->SideRegistration(1)->CallSignalAddress;
  H323::sockaddrToTransport(destination, acf->destCallSignalAddress);
  const TUser* user = SenderUser();
  const int frequency = IrrFrequency(user ? user->ConnectionValidity() : -1);
  if (frequency > 0) acf->irrFrequency = new asn::integer<1u, 65535u, 1>(unsigned(frequency));
  if (sender && sender->ProtocolVersion >= 2) {
    if (!routed) {
      acf->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
      if (!AConnection->RemoteAliases.empty()) {
        for (const orvo::string& text : AConnection->RemoteAliases) {
          auto* alias = new H225::aliasAddress;
          H323::makeAliasAddress(*alias, text);
          acf->destinationInfo->append(alias);
        }
      } else {
        TEndpointHandle& calleeSide = AConnection->Side(1);
        TUser* calleeUser = calleeSide.Registration() ? calleeSide.Registration()->User() : nullptr;
        for (const orvo::string& text : AConnection->SideAliases(1)) {
          const orvo::string translated =
              calleeUser ? calleeUser->TranslateIncomingAlias(1, text, calleeSide.LookupScope()) : text;
          if (translated.length() == 0) continue;
          auto* alias = new H225::aliasAddress;
          H323::makeAliasAddress(*alias, translated);
          acf->destinationInfo->append(alias);
        }
      }
    }
    acf->willRespondToIRR = new asn::booltype(true);
    acf->uuiesRequested = new H225::uUIEsRequested;
    acf->uuiesRequested->status = new asn::booltype(false);
    acf->uuiesRequested->statusInquiry = new asn::booltype(false);
    acf->uuiesRequested->setupAcknowledge = new asn::booltype(false);
    acf->uuiesRequested->notify = new asn::booltype(false);
  }
  if (sender) sender->CreateTokens(acf->tokens, acf->cryptoTokens);
  Owner->RASSend(ReplyAddress, message);
  FAnswered = true;
  WakeWaiters();
}

void TAdmissionResolver::Reject(TRejectReason AReason, const orvo::string& AText) {
  // After a confirm the endpoint hears nothing more of this request.
  if (FAnswered) return;
  FAnswered = true;
  H225::rasMessage message;
  auto* arj = static_cast<H225::admissionReject*>(message.select(11));
  arj->requestSeqNum = Arq().requestSeqNum.value();
  arj->rejectReason.select(RejectReasonToAdmissionReject(AReason));
  AttachRejectText(arj->genericData, AText);
  if (TEndpointRegisterInfo* sender = Sender()) sender->CreateTokens(arj->tokens, arj->cryptoTokens);
  Owner->RASSend(ReplyAddress, message);
  WakeWaiters();
}

void TAdmissionResolver::RejectByReason() {
  Reject(RejectReason != rrNone ? RejectReason : RouteResultToRejectReason(RouteResult));
}

void TAdmissionResolver::ExtendDeadline(int64_t AMilliseconds) {
  if (!Sender() || Sender()->ProtocolVersion < 2 || !MasterTimer.Armed()) return;
  const orvo::dateTime deadline = orvo::timerClock() + orvo::timeSpan::fromMilliseconds(AMilliseconds);
  if (!DeadlineExtension) {
    if (deadline > MasterTimer.Due()) DeadlineExtension.reset(new orvo::dateTime(deadline));
  } else if (deadline > *DeadlineExtension) {
    *DeadlineExtension = deadline;
  }
}

void TAdmissionResolver::SendRequestInProgress(int64_t AMilliseconds) {
  const int64_t span = std::max<int64_t>(0, AMilliseconds);
  if (!Sender() || Sender()->ProtocolVersion < 2) return;
  MasterTimer.Stop();
  MasterTimer.SetTimeout(span);
  MasterTimer.Start();
  H225::rasMessage message;
  auto* rip = static_cast<H225::requestInProgress*>(message.select(25));
  rip->requestSeqNum = Arq().requestSeqNum.value();
  rip->delay = ProgressDelay(span);
  Owner->RASSend(ReplyAddress, message);
}

void TAdmissionResolver::OnMasterTimeout(TTimer*) {
  ORVO_ASSERT(!HuntingGoesOn);
  if (const auto* earlier = static_cast<const TAdmissionResolver*>(Awaited())) {
    FollowEarlier(*earlier);
    return;
  }
  if (DeadlineExtension) {
    const int64_t span = (*DeadlineExtension - orvo::timerClock()).milliseconds();
    DeadlineExtension.reset();
    SendRequestInProgress(span);
    return;
  }
  if (TopStepIs(static_cast<TStep>(&TAdmissionResolver::NextCompetitor))) {
    RemoveUnlocated();
    Run();
    return;
  }
  // A RADIUS request or the neighbour's admission that fails now tells the
  // operator more than the timeout; the endpoint was promised the remaining
  // time plus the margin.
  if (!RadiusGraceGiven &&
      ((RadiusRequest[0] != -1 && !RadiusDone[0]) || (RadiusRequest[1] != -1 && !RadiusDone[1]) || LinkAdmission)) {
    RadiusGraceGiven = true;
    MasterTimer.Stop();
    MasterTimer.SetTimeout(ProgressMargin);
    MasterTimer.Start();
    return;
  }
  Reject(rrUndefinedReason, "Master timeout during call resolve.");
  Finish();
}

bool TAdmissionResolver::AcceptsEvent(int ACode) { return AdmissionResolverAcceptsEvent(ACode); }

bool TAdmissionResolver::OnEvent(int ACode, void* ASender, uint32_t, uint32_t) {
  switch (ACode) {
    case evEndpointUnregistered: {
      if (ASender == Sender()) {
        Finish();
        return false;
      }
      if (ASender == E[1 - SenderSide].Registration()) {
        E[1 - SenderSide].Set(nullptr);
        return false;
      }
      for (TCompetitorInfo* candidate : FCompetitors)
        if (candidate->Endpoint.Registration() == ASender) {
          RemoveCompetitor(candidate);
          if (TopStepIs(static_cast<TStep>(&TAdmissionResolver::NextCompetitor))) Run();
          return false;
        }
      return false;
    }
    case evConnectionDestroyed:
      if (ASender != Connection || !Connection) return false;
      Connection = nullptr;
      if (!HuntingGoesOn) Reject(rrUndefinedReason, "Connection destroyed during resolve.");
      Finish();
      return false;
    case evLinkStateChanged:
    case evLinkDestroyed:
      if (Link && ASender == Link) {
        Link = nullptr;
        Finish();
        return false;
      }
      for (TCompetitorInfo* candidate : FCompetitors)
        if (candidate->Link == ASender) {
          RemoveCompetitor(candidate);
          if (TopStepIs(static_cast<TStep>(&TAdmissionResolver::NextCompetitor))) Run();
          return false;
        }
      return false;
    case evReterminationImpossible:
      if (ASender == Connection && HuntingGoesOn) Finish();
      return false;
    default:
      ORVO_ASSERT(!"AdmissionResolver.cpp: unexpected event");
      return false;
  }
}
