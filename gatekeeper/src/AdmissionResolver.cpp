// The admission resolver: the sender's checks, a second request of a known
// call, the aliases of the call and the callee found by address.
#include <gatekeeper/AdmissionResolver.h>

#include <arpa/inet.h>

#include <algorithm>
#include <vector>

#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTexts.h>
#include <gatekeeper/RequestSource.h>

namespace {

const int64_t MasterTimeoutOld = 14500;
const int64_t MasterTimeout = 4500;
const int64_t RadiusDeadline = 12000;
const int64_t ProgressMargin = 100;

// Kind codes of the call make rules.
const uint32_t MakeCall = 0x46, MakeIncoming = 0x10000, MakeOutgoing = 0x20000, MakeCallerAliases = 0x40000,
               MakeCalleeAliases = 0x80000;

// The elements of a SEQUENCE OF, in order.
template <class T>
std::vector<const T*> Elements(const asn::sequenceOfBase& AList) {
  std::vector<const T*> out;
  for (const orvo::listNode* node = AList.elements().head(); node; node = node->next)
    out.push_back(static_cast<const T*>(static_cast<const asn::object*>(node->element)));
  return out;
}

void AppendOnce(TStringList& AList, const orvo::string& AText) {
  for (const orvo::string& text : AList)
    if (text == AText) return;
  AList.append(AText);
}

template <class TSequence>
void AliasTexts(const TSequence* AAliases, TStringList& AOut) {
  if (AAliases)
    for (const H225::aliasAddress* alias : Elements<H225::aliasAddress>(*AAliases))
      AppendOnce(AOut, H323::aliasToString(*alias));
  if (AOut.empty()) AOut.append(orvo::string());
}

const asn::oid& AccessTokenOID() {
  static const asn::oid id(1, 2, 840, 113548, 10, 1, 2, 1);
  return id;
}

}  // namespace

TRasResolver* MakeAdmissionResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  return new TAdmissionResolver(ACore, AFrom, ARequest);
}

TAdmissionResolver::TAdmissionResolver(TGatekeeper* AOwner, const sockaddr_in& ASource,
                                       const H225::rasMessage& ARequest)
    : TRasResolver(AOwner, ASource, ARequest, &TAdmissionResolver::Resolve),
      ReplyAddress(ASource),
      MasterTimer(this, &TAdmissionResolver::OnMasterTimeout) {}

TAdmissionResolver::~TAdmissionResolver() {
  Owner->AuthenticationRADIUS.CancelRequests(this);
  // A confirm of the neighbour that no call took over would hold the call
  // open there.
  if (Link && RemoteAdmissionHeld) SendDisengageToLink();
  Owner->Links().ForEach([this](TGatekeeperLink* ALink) {
    ALink->CancelRequests(this);
    return false;
  });
}

const H225::admissionRequest& TAdmissionResolver::Arq() const {
  return *static_cast<const H225::admissionRequest*>(Request.alternative());
}

TUser* TAdmissionResolver::SenderUser() const { return Sender() ? Sender()->User() : nullptr; }

bool TAdmissionResolver::RadiusAuthenticationServer() const {
  return Owner->Configuration() && Owner->Configuration()->AAA().HasAuthenticationServer();
}

bool TAdmissionResolver::TopStepIs(TStep AStep) const { return PendingSteps() != 0 && TopStep() == AStep; }

void TAdmissionResolver::MakeRules(TUser* AUser, TEndpointHandle& AHandle, bool APeer) {
  if (!AUser) return;
  const uint32_t direction = !APeer && SenderSide == 0 ? MakeOutgoing : MakeIncoming;
  for (int side : {0, 1}) {
    const uint32_t kind = MakeCall | direction | (side == 0 ? MakeCallerAliases : MakeCalleeAliases);
    for (const orvo::string& text : (APeer ? T[side] : A[side])) AUser->ApplyMake(&AHandle.WritableScope(), kind, text);
  }
}

TProcessor::TPerformFunctionResult TAdmissionResolver::Resolve() {
  const H225::admissionRequest& arq = Arq();
  SenderSide = arq.answerCall.value() ? 1 : 0;
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
  const TConfiguration& configuration = *Owner->Configuration();
  const TDatePattern now = TClock::Now();

  bool accessToken = false;
  if (RadiusAuthenticationServer() && user->NeedsRadiusAuthentication(SenderSide) &&
      user->RadiusPassword().RefersTo("h235password")) {
    if (arq.tokens)
      for (const H235::clearToken* token : Elements<H235::clearToken>(*arq.tokens)) {
        if (!(token->tokenOID == AccessTokenOID()) || !token->generalID || !token->timeStamp || !token->random ||
            !token->challenge)
          continue;
        E[SenderSide].WritableScope().Set("h235name", token->generalID->toString());
        TokenTimeStamp = htonl(token->timeStamp->value());
        TokenRandom = static_cast<unsigned char>(token->random->value() & 0xFF);
        TokenChallenge = token->challenge->value();
        break;
      }
    if (TokenChallenge.length() == 0) {
      Reject(rrSecurityDenial, RejectText(rtNoRADIUSPassword));
      return nullptr;
    }
    accessToken = true;
  } else {
    orvo::string name;
    if (arq.tokens)
      for (const H235::clearToken* token : Elements<H235::clearToken>(*arq.tokens))
        if (token->generalID) {
          name = token->generalID->toString();
          break;
        }
    if (name.length() == 0 && arq.cryptoTokens)
      for (const H225::cryptoH323Token* token : Elements<H225::cryptoH323Token>(*arq.cryptoTokens)) {
        if (token->index() != 0) continue;
        const auto* hash = static_cast<const H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(token->alternative());
        name = H323::aliasToString(hash->alias);
        if (name.length() != 0) break;
      }
    if (name.length() != 0) E[SenderSide].WritableScope().Set("h235name", name);
  }
  if (!accessToken) {
    const bool radius = (RadiusAuthenticationServer() && user->NeedsRadiusAuthentication(SenderSide)) ||
                        (configuration.AAA().HasAccountingServer() && user->NeedsRadiusAccounting(SenderSide));
    if (radius && user->RadiusName().RefersTo("h235name") &&
        !(E[SenderSide].LookupScope() && E[SenderSide].LookupScope()->Find("h235name"))) {
      Reject(rrSecurityDenial, RejectText(rtNoRADIUSUserName));
      return nullptr;
    }
  }

  Connection = Owner->FindConnection(arq.conferenceID, arq.callIdentifier, sender, SenderSide, !user->ConnectionDupe(),
                                     &NeedsAttach);
  // Also a known call: its side may be waiting for RADIUS to be admitted.
  if (TRasResolver* earlier = EarlierOfTheCallSide()) {
    Connection = nullptr;
    AwaitEndOf(earlier);
    return &TAdmissionResolver::Resolve;
  }
  if (Connection) return KnownCall();

  const bool overAll = sender->CountConnections() >= user->Connections().ActiveAt(now).Value;
  const TTimedOption<TUIntTimedExp>& sideLimit =
      SenderSide == 0 ? user->OutgoingConnections() : user->IncomingConnections();
  if (overAll || sender->CountConnectionsAs(SenderSide) >= sideLimit.ActiveAt(now).Value) {
    Reject(rrExceedsCallCapacity, RejectText(SenderSide == 0 ? rtCallerCapacityExceeded : rtCalleeCapacityExceeded));
    return nullptr;
  }
  Direct = user->ProxyLevel().ActiveAt(now).Level == 0;
  if (user->ProxyLevelChoice() && arq.callModel) Direct = arq.callModel->index() == 0;

  AliasTexts(&arq.srcInfo, A[0]);
  AliasTexts(arq.destinationInfo, A[1]);
  MakeRules(user, E[SenderSide], false);
  if (SenderSide == 1) return CheckAddressCollision();

  for (int side : {0, 1})
    for (const orvo::string& text : A[side]) {
      const orvo::string translated = user->TranslateOutgoingAlias(side, text, &E[SenderSide].WritableScope());
      if (translated.length() != 0) AppendOnce(T[side], translated);
    }
  if (!T[1].empty() && Owner->ResolveCall(T[1], sender, 1, FCompetitors, RouteResult)) {
    for (TCompetitorInfo* candidate : FCompetitors)
      if (TEndpointRegisterInfo* registration = candidate->Endpoint.Registration())
        MakeRules(registration->User(), candidate->Endpoint, true);
    if (SendLocationRequests()) ExtendDeadline(15000);
    return NextCompetitor();
  }
  return CheckAddressCollision();
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

TProcessor::TPerformFunctionResult TAdmissionResolver::CheckAddressCollision() {
  const H225::admissionRequest& arq = Arq();
  const H225::transportAddress* address = SenderSide == 0 ? arq.destCallSignalAddress : arq.srcCallSignalAddress;
  sockaddr_in found{};
  const bool given = address && H323::transportToSockaddr(*address, found);
  if (given) CalleeAddress = found;
  if (SenderSide == 0) {
    E[1].Set(given ? Owner->FindEndpointByCallSignalAddress(CalleeAddress) : nullptr);
  } else if (given) {
    const std::vector<TEndpointRegisterInfo*> found = Owner->RegistrationIndex().AnsweringFor(CalleeAddress, 2);
    TEndpointRegisterInfo* first = found.empty() ? nullptr : found[0];
    const bool collision = found.size() > 1;
    if (collision)
      LogLine(orvo::stateError, "Address collision between: " + first->User()->Identifier() + " and " +
                                    found[1]->User()->Identifier() +
                                    ". Duplicate call signal address. Admission request to answer direct call "
                                    "will be denied.");
    E[0].Set(collision ? nullptr : first);
  }
  if (!E[1 - SenderSide].Registration()) {
    if (SenderSide == 1) RejectReason = rrCallerNotRegistered;
    RejectByReason();
    return nullptr;
  }
  if (TEndpointRegisterInfo* callee = E[1].Registration()) MakeRules(callee->User(), E[1], true);
  return ChooseRoute();
}
