// Gatekeeper discovery: answered at once, nothing is recorded.
#include <gatekeeper/Gatekeeper.h>

#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/protocolIdentifiers.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasFields.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>

namespace {

// GatekeeperRejectReason alternatives.
enum : int { grResourceUnavailable = 0, grTerminalExcluded = 1, grUndefinedReason = 3 };

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
  if (grq.endpointAlias) {
    TUser* user = nullptr;
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
  RASSend(reply, answer);
}
