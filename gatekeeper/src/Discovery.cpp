// Gatekeeper discovery: answered at once, nothing is recorded.
#include <gatekeeper/Gatekeeper.h>

#include <algorithm>
#include <utility>

#include <config/AAA.h>
#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/h235Authenticator.h>
#include <h323/protocolIdentifiers.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasFields.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>

namespace {

// GatekeeperRejectReason alternatives.
enum : int { grResourceUnavailable = 0, grTerminalExcluded = 1, grUndefinedReason = 3 };

// AuthenticationMechanism alternatives, and AuthenticationBES's radius.
enum : int { amPwdHash = 2, amAuthenticationBES = 7, besRadius = 1 };

// An H.235 method whose tokens the gatekeeper checks: as an endpoint offers
// it in a GRQ (a mechanism in authenticationCapability, an algorithm in
// algorithmOIDs) and as a GCF names it.
struct TAuthenticationMethod {
  int Mechanism;
  int BackEndService;  // of authenticationBES; -1 for the other mechanisms
  const asn::oid& (*Algorithm)();
};

const TAuthenticationMethod PasswordHash = {amPwdHash, -1, &H323::md5Authenticator::identifier};
const TAuthenticationMethod AccessToken = {amAuthenticationBES, besRadius,
                                           &H323::ciscoAccessTokenAuthenticator::identifier};

bool Offers(const H225::gatekeeperRequest& AGrq, const TAuthenticationMethod& AMethod) {
  if (!AGrq.authenticationCapability || !AGrq.algorithmOIDs) return false;
  const auto& mechanisms = AGrq.authenticationCapability->elements();
  const auto& algorithms = AGrq.algorithmOIDs->elements();
  return std::any_of(mechanisms.begin(), mechanisms.end(),
                     [&](const asn::object* AElement) {
                       const auto& offered = *static_cast<const H235::authenticationMechanism*>(AElement);
                       return offered.index() == AMethod.Mechanism &&
                              (AMethod.BackEndService < 0 ||
                               static_cast<const H235::authenticationBES*>(offered.alternative())->index() ==
                                   AMethod.BackEndService);
                     }) &&
         std::any_of(algorithms.begin(), algorithms.end(), [&](const asn::object* AElement) {
           return *static_cast<const asn::oid*>(AElement) == AMethod.Algorithm();
         });
}

// The user's RADIUS server is given the access token's challenge in place
// of a password, at the login or at a call.
bool RadiusNeedsAccessToken(const TConfiguration& AConfiguration, const TUser& AUser) {
  return AConfiguration.AAA().HasAuthenticationServer() && AUser.RadiusPassword().RefersTo("h235password") &&
         (AUser.RadiusAuthenticationLevel() & (TUser::rlLogin | TUser::rlCaller | TUser::rlCallee)) != 0;
}

// An endpoint that offers several methods keeps all of them armed unless
// the GCF names one, and then refuses the RCF, which carries only the
// gatekeeper's tokens. Endpoints sign only their registrations and
// admissions with the access token, and their disengages and
// unregistrations then fail the check: the password hash, which they put on
// every request, goes first unless the user's RADIUS check needs the token.
void NameAuthenticationMethod(const TConfiguration& AConfiguration, const H225::gatekeeperRequest& AGrq,
                              const TUser* AUser, H225::gatekeeperConfirm& AGcf) {
  if (!AUser || !AUser->H235Authentication()) return;
  const TAuthenticationMethod* preferred[] = {&PasswordHash, &AccessToken};
  if (RadiusNeedsAccessToken(AConfiguration, *AUser)) std::swap(preferred[0], preferred[1]);
  for (const TAuthenticationMethod* method : preferred) {
    if (!Offers(AGrq, *method)) continue;
    AGcf.authenticationMode = new H235::authenticationMechanism;
    asn::object* mechanism = AGcf.authenticationMode->select(method->Mechanism);
    if (method->BackEndService >= 0) static_cast<H235::authenticationBES*>(mechanism)->select(method->BackEndService);
    AGcf.algorithmOID = new asn::oid(method->Algorithm());
    return;
  }
}

}  // namespace

void TGatekeeper::OnGatekeeperRequest(const sockaddr_in& AFrom, H225::rasMessage& ARequest) {
  const auto& grq = *static_cast<const H225::gatekeeperRequest*>(ARequest.alternative());
  const TConfiguration& configuration = *CurrentConfiguration;
  sockaddr_in reply = AFrom;
  H323::transportToSockaddr(grq.rasAddress, reply);

  H225::rasMessage answer;
  auto reject = [&](int AReason, int AText) {
    auto* grj = static_cast<H225::gatekeeperReject*>(answer.select(2));
    grj->requestSeqNum = grq.requestSeqNum.value();
    grj->protocolIdentifier = H323::h225ProtocolIdentifier;
    SetOptionalIdentifier(grj->gatekeeperIdentifier, configuration.Identifier());
    grj->rejectReason.select(AReason);
    AttachRejectText(grj->genericData, RejectText(AText));
    RASSend(reply, answer);
  };

  if (CurrentState != gksRunning) return reject(grResourceUnavailable, rtShuttingDown);
  if (grq.gatekeeperIdentifier && grq.gatekeeperIdentifier->toString() != configuration.Identifier())
    return reject(grUndefinedReason, rtGatekeeperIdentifierMismatch);
  TUser* user = nullptr;
  if (grq.endpointAlias) {
    for (const asn::object* element : grq.endpointAlias->elements()) {
      const orvo::string text = H323::aliasToString(*static_cast<const H225::aliasAddress*>(element));
      if (text.empty()) continue;
      TUser* found = configuration.FindUserByLogin(text);
      if (!found) return reject(grTerminalExcluded, rtUnknownLoginAlias);
      if (user && found != user) return reject(grResourceUnavailable, rtDistinctEndpoints);
      user = found;
    }
    if (!user) return reject(grTerminalExcluded, rtUnknownLoginAlias);
    if (user->HasStaticAddress()) return reject(grTerminalExcluded, rtStaticUser);
    if (!user->IsAddressAllowed(reply)) return reject(grTerminalExcluded, rtAddressNotAllowed);
  }

  auto* gcf = static_cast<H225::gatekeeperConfirm*>(answer.select(1));
  gcf->requestSeqNum = grq.requestSeqNum.value();
  gcf->protocolIdentifier = H323::h225ProtocolIdentifier;
  SetOptionalIdentifier(gcf->gatekeeperIdentifier, configuration.Identifier());
  H323::sockaddrToTransport(FBoundRasAddress, gcf->rasAddress);
  NameAuthenticationMethod(configuration, grq, user, *gcf);
  RASSend(reply, answer);
}
