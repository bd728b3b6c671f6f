// The call resolver: the route tried, the call record, the events and the
// master timer.
#include <gatekeeper/CallResolver.h>

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

uint32_t ProxyLevelNow(const TEndpointRegisterInfo* ARegistration) {
  if (!ARegistration || !ARegistration->User()) return 0;
  return ARegistration->User()->ProxyLevel().ActiveAt(TClock::Now()).Level;
}

}  // namespace

TProcessor::TPerformFunctionResult TCallResolver::RejectOrNext() {
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

TProcessor::TPerformFunctionResult TCallResolver::NextCompetitor() {
  if (E[1].Registration()) return &TCallResolver::NextCompetitor;
  TCompetitorInfo* first = FCompetitors.first();
  if (!first) {
    if (!HuntingGoesOn) RejectByReason();
    return nullptr;
  }
  if (!first->IsEndpoint) return &TCallResolver::NextCompetitor;
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

TProcessor::TPerformFunctionResult TCallResolver::ChooseRoute() {
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
    if (awaited) return &TCallResolver::ChooseRoute;
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
    return &TCallResolver::CreateConnection;
  }
  if (!Connection) return CreateConnection();
  return AddAlternative();
}

TProcessor::TPerformFunctionResult TCallResolver::AddAlternative() {
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

void TCallResolver::DestroyConnection(TConnection* AConnection) {
  if (Owner->Connections().Detach(AConnection)) delete AConnection;
}

TProcessor::TPerformFunctionResult TCallResolver::CreateConnection() {
  // Only the neighbour's answer goes on from here.
  if (LinkAdmission) return &TCallResolver::CreateConnection;
  auto* call = new TConnection(Owner, E[0], E[1], Call.CallReference, Call.ConferenceID, Call.CallIdentifier.get());
  call->Link = Link;
  uint32_t granted = 0;
  if (!call->SetBandwidth(Call.Bandwidth, true, granted)) {
    RejectReason = rrRequestDenied;
    DestroyConnection(call);
    return RejectOrNext();
  }
  for (int side : {0, 1}) {
    call->SetSideAliases(side, T[side]);
    call->SetCreditTime(side, CreditTime[side]);
  }
  if (!StartCall(call)) {
    LogLine(orvo::stateError, "Connection refused to start. Call will not be served.");
    Reject(rrUndefinedReason, RejectText(rtInternalFailure));
    DestroyConnection(call);
    return nullptr;
  }
  if (E[SenderSide].Scope()) call->AddSideVariables(SenderSide, *E[SenderSide].Scope());
  AdmitSender(call);
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

void TCallResolver::RejectByReason() {
  Reject(RejectReason != rrNone ? RejectReason : RouteResultToRejectReason(RouteResult));
}

void TCallResolver::ExtendDeadline(int64_t AMilliseconds, bool APeerAsked) {
  if (!MayExtendDeadline() || !MasterTimer.Armed()) return;
  orvo::dateTime deadline = orvo::timerClock() + orvo::timeSpan::fromMilliseconds(AMilliseconds);
  if (DeadlineCap && deadline > *DeadlineCap) {
    if (APeerAsked)
      deadline = *DeadlineCap;
    else
      *DeadlineCap = deadline;
  }
  if (!DeadlineExtension) {
    if (deadline > MasterTimer.Due()) DeadlineExtension.reset(new orvo::dateTime(deadline));
  } else if (deadline > *DeadlineExtension) {
    *DeadlineExtension = deadline;
  }
}

void TCallResolver::OnMasterTimeout(TTimer*) {
  ORVO_ASSERT(!HuntingGoesOn);
  if (DeadlineExtension) {
    const int64_t span = (*DeadlineExtension - orvo::timerClock()).milliseconds();
    DeadlineExtension.reset();
    DeadlineMoved(span);
    return;
  }
  if (TopStepIs(static_cast<TStep>(&TCallResolver::NextCompetitor))) {
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

bool TCallResolver::OnEvent(int ACode, void* ASender, uint32_t, uint32_t) {
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
          if (TopStepIs(static_cast<TStep>(&TCallResolver::NextCompetitor))) Run();
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
          if (TopStepIs(static_cast<TStep>(&TCallResolver::NextCompetitor))) Run();
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
