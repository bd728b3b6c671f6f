// The admission resolver: the sender's checks, a second request of a known
// call, the aliases of the call and the callee found by address.
#include <gatekeeper/AdmissionResolver.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/User.h>
#include <signalling/CallSignallingRelay.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>
#include <gatekeeper/RequestSource.h>

namespace {

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

const int64_t MasterTimeoutOld = 14500;
const int64_t MasterTimeout = 4500;
const int64_t RadiusDeadline = 12000;
const int64_t ProgressMargin = 100;
const int64_t MaxProgressDelay = 65535;

}  // namespace

TRasResolver* MakeAdmissionResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  return new TAdmissionResolver(ACore, AFrom, ARequest);
}

TAdmissionResolver::TAdmissionResolver(TGatekeeper* AOwner, const sockaddr_in& ASource,
                                       const H225::rasMessage& ARequest)
    : TCallResolver(AOwner, ASource, ARequest, &TAdmissionResolver::Resolve), ReplyAddress(ASource) {}

TAdmissionResolver::~TAdmissionResolver() = default;

const H225::admissionRequest& TAdmissionResolver::Arq() const {
  return *static_cast<const H225::admissionRequest*>(Request.alternative());
}

TProcessor::TPerformFunctionResult TAdmissionResolver::Resolve() {
  const H225::admissionRequest& arq = Arq();
  SenderSide = arq.answerCall.value() ? 1 : 0;
  Call.ConferenceID = arq.conferenceID;
  Call.CallIdentifier.reset(arq.callIdentifier ? new H225::callIdentifier(*arq.callIdentifier) : nullptr);
  Call.CallReference = arq.callReferenceValue.value();
  Call.Bandwidth = arq.bandWidth.value();
  Call.CanMapAlias = arq.canMapAlias && arq.canMapAlias->value();
  TEndpointRegisterInfo* sender = Owner->FindEndpointByIdentifier(arq.endpointIdentifier);
  if (!sender) {
    Reject(SenderSide == 0 ? rrCallerNotRegistered : rrCalledPartyNotRegistered);
    return nullptr;
  }
  E[SenderSide].Set(sender);
  if (!sender->CheckTokens(arq.tokens, arq.cryptoTokens)) {
    E[SenderSide].Set(nullptr);
    Reject(rrSecurityDenial, RejectText(rtInvalidSecurity));
    return nullptr;
  }
  // Without H.235 the endpoint identifier alone would let any host act for
  // the endpoint; the answer goes to the source, without tokens.
  if (!RequestSourceAllowed(*sender, Requester)) {
    E[SenderSide].Set(nullptr);
    Reject(rrSecurityDenial);
    return nullptr;
  }
  ReplyAddress = sender->RasAddress;
  if (sender->State() != TEndpointRegisterInfo::esRegistered) {
    Reject(rrUndefinedReason,
           RejectText(sender->State() == TEndpointRegisterInfo::esUnregistering ? rtUnregistrationInProgress
                                                                                : rtIntermediateState));
    return nullptr;
  }
  // Anew after a wait for an earlier request of the call: this request is
  // decided from now on.
  MasterTimer.Stop();
  MasterTimer.SetTimeout(sender->ProtocolVersion < 2 ? MasterTimeoutOld : MasterTimeout);
  MasterTimer.Start();
  if (Owner->State() != TGatekeeper::gksRunning) {
    Reject(rrUndefinedReason, RejectText(rtShuttingDown));
    return nullptr;
  }
  TUser* user = sender->User();
  if (!user) {
    Reject(rrUndefinedReason, RejectText(rtInternalFailure));
    return nullptr;
  }
  const TDatePattern now = TClock::Now();

  if (!ReadTokenIdentity(arq.tokens, arq.cryptoTokens)) return nullptr;

  Connection = Owner->FindConnection(arq.conferenceID, arq.callIdentifier, sender, SenderSide, !user->ConnectionDupe(),
                                     &NeedsAttach);
  // Also a known call: its side may be waiting for RADIUS to be admitted.
  if (TRasResolver* earlier = EarlierOfTheCallSide()) {
    Connection = nullptr;
    AwaitEndOf(earlier);
    return &TAdmissionResolver::Resolve;
  }
  if (Connection) return KnownCall();

  if (!SenderWithinCapacity()) return nullptr;
  Direct = user->ProxyLevel().ActiveAt(now).Level == 0;
  if (user->ProxyLevelChoice() && arq.callModel) Direct = arq.callModel->index() == 0;

  AliasTexts(&arq.srcInfo, A[0]);
  AliasTexts(arq.destinationInfo, A[1]);
  MakeRules(user, E[SenderSide], false);
  CalleeByAddress = SenderSide == 0 ? arq.destCallSignalAddress : arq.srcCallSignalAddress;
  if (SenderSide == 1) return CheckAddressCollision();
  return ResolveCallee();
}

bool TAdmissionResolver::SameCallSide(const TAdmissionResolver& AOther) const {
  if (AOther.SenderSide != SenderSide || !Sender() || AOther.Sender() != Sender()) return false;
  const H225::admissionRequest& mine = Arq();
  const H225::admissionRequest& theirs = AOther.Arq();
  if (!mine.conferenceID.isEqual(theirs.conferenceID)) return false;
  return !mine.callIdentifier || !theirs.callIdentifier ||
         mine.callIdentifier->guid.isEqual(theirs.callIdentifier->guid);
}

TRasResolver* TAdmissionResolver::EarlierOfTheCallSide() {
  TRasResolver* earlier = nullptr;
  // Only those before this one in the list: two waiting for each other
  // would wait for ever.
  Owner->AdmissionResolvers().ForEach([&](TRasResolver* AHeld) {
    if (AHeld == this) return true;
    const auto* other = dynamic_cast<const TAdmissionResolver*>(AHeld);
    if (!other || other->Answered() || !SameCallSide(*other)) return false;
    earlier = AHeld;
    return true;
  });
  return earlier;
}

void TAdmissionResolver::FollowEarlier(const TAdmissionResolver& AEarlier) {
  // Its deadline plus the margin, so that its outcome comes first.
  int64_t span = ProgressMargin;
  if (AEarlier.MasterTimer.Armed()) {
    orvo::dateTime due = AEarlier.MasterTimer.Due();
    if (AEarlier.DeadlineExtension && *AEarlier.DeadlineExtension > due) due = *AEarlier.DeadlineExtension;
    span = std::max(span, (due - orvo::timerClock()).milliseconds() + ProgressMargin);
  }
  if (Sender() && Sender()->ProtocolVersion >= 2) {
    SendRequestInProgress(span);
    return;
  }
  MasterTimer.Stop();
  MasterTimer.SetTimeout(span);
  MasterTimer.Start();
}

TProcessor::TPerformFunctionResult TAdmissionResolver::KnownCall() {
  if (Connection->SideRegistration(SenderSide) != Sender()) {
    Reject(rrUndefinedReason, RejectText(rtNotAParticipant));
    return nullptr;
  }
  if (Connection->Admitted(SenderSide)) {
    Connection->RestartIrrTimer(SenderSide);
    Confirm(Connection);
    return nullptr;
  }
  const uint32_t bandwidth = Arq().bandWidth.value();
  uint32_t granted = 0;
  if (bandwidth != 0 && !Connection->SetBandwidth(bandwidth, true, granted)) {
    Reject(rrRequestDenied, RejectText(rtBandwidthExhausted));
    return nullptr;
  }
  if (NeedsAttach && Arq().callIdentifier) Connection->AttachCallIdentifier(*Arq().callIdentifier);
  return ContinueAnswerCall();
}

TProcessor::TPerformFunctionResult TAdmissionResolver::ContinueAnswerCall() {
  TUser* user = SenderUser();
  int credit = Connection->CreditTime(SenderSide);
  if (SenderSide == 1 && RadiusAuthenticationServer() && user && user->NeedsRadiusAuthentication(1) &&
      (user->RadiusName().RefersTo("h235name") || user->RadiusPassword().RefersTo("h235password"))) {
    if (!RadiusDone[1]) {
      if (RadiusRequest[1] == -1) {
        BuildRadiusAttributes(1);
        ExtendDeadline(RadiusDeadline);
      }
      return &TAdmissionResolver::ContinueAnswerCall;
    }
    credit = CreditTime[1];
  }
  if (E[SenderSide].Scope()) Connection->AddSideVariables(SenderSide, *E[SenderSide].Scope());
  Connection->Admit(SenderSide, credit);
  Confirm(Connection);
  return nullptr;
}

unsigned TAdmissionResolver::ProgressDelay(int64_t ASpan) {
  return unsigned(std::min(MaxProgressDelay, std::max<int64_t>(1, std::max<int64_t>(0, ASpan) + ProgressMargin)));
}

int TAdmissionResolver::IrrFrequency(int64_t AValidity) {
  if (AValidity <= 3) return -1;
  return int(std::min<int64_t>((AValidity - 1) / 3, 65535));
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

bool TAdmissionResolver::AcceptsEvent(int ACode) { return AdmissionResolverAcceptsEvent(ACode); }

bool TAdmissionResolver::StartCall(TConnection* AConnection) { return AConnection->Start(CalleeAddress, !Direct); }

void TAdmissionResolver::AdmitSender(TConnection* AConnection) {
  AConnection->Admit(SenderSide, CreditTime[SenderSide]);
}

bool TAdmissionResolver::MayExtendDeadline() const { return Sender() && Sender()->ProtocolVersion >= 2; }

void TAdmissionResolver::DeadlineMoved(int64_t ASpan) { SendRequestInProgress(ASpan); }

void TAdmissionResolver::OnMasterTimeout(TTimer* ATimer) {
  if (const auto* earlier = static_cast<const TAdmissionResolver*>(Awaited())) {
    FollowEarlier(*earlier);
    return;
  }
  TCallResolver::OnMasterTimeout(ATimer);
}
