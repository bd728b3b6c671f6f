// The call resolver: the identity the sender's tokens give, the callee
// found by its aliases or by its address, and the rules of the users.
#include <gatekeeper/CallResolver.h>

#include <arpa/inet.h>

#include <vector>

#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/h235Authenticator.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RegistrationIndex.h>
#include <gatekeeper/RejectTexts.h>

namespace {

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

}  // namespace

TCallResolver::~TCallResolver() {
  Owner->AuthenticationRADIUS.CancelRequests(this);
  // A confirm of the neighbour that no call took over would hold the call
  // open there.
  if (Link && RemoteAdmissionHeld) SendDisengageToLink();
  Owner->Links().ForEach([this](TGatekeeperLink* ALink) {
    ALink->CancelRequests(this);
    return false;
  });
}

TUser* TCallResolver::SenderUser() const { return Sender() ? Sender()->User() : nullptr; }

bool TCallResolver::RadiusAuthenticationServer() const {
  return Owner->Configuration() && Owner->Configuration()->AAA().HasAuthenticationServer();
}

bool TCallResolver::TopStepIs(TStep AStep) const { return PendingSteps() != 0 && TopStep() == AStep; }

void TCallResolver::MakeRules(TUser* AUser, TEndpointHandle& AHandle, bool APeer) {
  if (!AUser) return;
  const uint32_t direction = !APeer && SenderSide == 0 ? MakeOutgoing : MakeIncoming;
  for (int side : {0, 1}) {
    const uint32_t kind = MakeCall | direction | (side == 0 ? MakeCallerAliases : MakeCalleeAliases);
    for (const orvo::string& text : (APeer ? T[side] : A[side])) AUser->ApplyMake(&AHandle.WritableScope(), kind, text);
  }
}

bool TCallResolver::ReadTokenIdentity(const asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* ATokens,
                                      const asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* ACryptoTokens) {
  TUser* user = SenderUser();
  const TConfiguration& configuration = *Owner->Configuration();
  bool accessToken = false;
  if (RadiusAuthenticationServer() && user->NeedsRadiusAuthentication(SenderSide) &&
      user->RadiusPassword().RefersTo("h235password")) {
    if (ATokens)
      for (const H235::clearToken* token : Elements<H235::clearToken>(*ATokens)) {
        if (!(token->tokenOID == H323::ciscoAccessTokenAuthenticator::identifier()) || !token->generalID ||
            !token->timeStamp || !token->random || !token->challenge)
          continue;
        E[SenderSide].WritableScope().Set("h235name", token->generalID->toString());
        TokenTimeStamp = htonl(token->timeStamp->value());
        TokenRandom = static_cast<unsigned char>(token->random->value() & 0xFF);
        TokenChallenge = token->challenge->value();
        break;
      }
    if (TokenChallenge.length() == 0) {
      Reject(rrSecurityDenial, RejectText(rtNoRADIUSPassword));
      return false;
    }
    accessToken = true;
  } else {
    orvo::string name;
    if (ATokens)
      for (const H235::clearToken* token : Elements<H235::clearToken>(*ATokens))
        if (token->generalID) {
          name = token->generalID->toString();
          break;
        }
    if (name.length() == 0 && ACryptoTokens)
      for (const H225::cryptoH323Token* token : Elements<H225::cryptoH323Token>(*ACryptoTokens)) {
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
      return false;
    }
  }
  return true;
}

bool TCallResolver::SenderWithinCapacity() {
  TEndpointRegisterInfo* sender = Sender();
  TUser* user = sender->User();
  const TDatePattern now = TClock::Now();
  const bool overAll = sender->CountConnections() >= user->Connections().ActiveAt(now).Value;
  const TTimedOption<TUIntTimedExp>& sideLimit =
      SenderSide == 0 ? user->OutgoingConnections() : user->IncomingConnections();
  if (overAll || sender->CountConnectionsAs(SenderSide) >= sideLimit.ActiveAt(now).Value) {
    Reject(rrExceedsCallCapacity, RejectText(SenderSide == 0 ? rtCallerCapacityExceeded : rtCalleeCapacityExceeded));
    return false;
  }
  return true;
}

TProcessor::TPerformFunctionResult TCallResolver::ResolveCallee() {
  TEndpointRegisterInfo* sender = Sender();
  TUser* user = sender->User();
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

TEndpointRegisterInfo* TCallResolver::CallerAt(const sockaddr_in& AAddress) {
  const std::vector<TEndpointRegisterInfo*> found = Owner->RegistrationIndex().AnsweringFor(AAddress, 2);
  if (found.size() > 1)
    LogLine(orvo::stateError, "Address collision between: " + found[0]->User()->Identifier() + " and " +
                                  found[1]->User()->Identifier() +
                                  ". Duplicate call signal address. Admission request to answer direct call "
                                  "will be denied.");
  return found.size() == 1 ? found[0] : nullptr;
}

TProcessor::TPerformFunctionResult TCallResolver::CheckAddressCollision() {
  sockaddr_in found{};
  const bool given = CalleeByAddress && H323::transportToSockaddr(*CalleeByAddress, found);
  if (given) CalleeAddress = found;
  if (SenderSide == 0) {
    E[1].Set(given ? Owner->FindEndpointByCallSignalAddress(CalleeAddress) : nullptr);
  } else if (given) {
    E[0].Set(CallerAt(CalleeAddress));
  }
  if (!E[1 - SenderSide].Registration()) {
    if (SenderSide == 1) RejectReason = rrCallerNotRegistered;
    RejectByReason();
    return nullptr;
  }
  if (TEndpointRegisterInfo* callee = E[1].Registration()) MakeRules(callee->User(), E[1], true);
  return ChooseRoute();
}
