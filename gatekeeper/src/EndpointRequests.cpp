// Requests of registered endpoints answered at once: unregistration,
// disengage and information reports.
#include <gatekeeper/Gatekeeper.h>

#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RequestSource.h>

namespace {

// UnregRejectReason, DisengageRejectReason and InfoRequestNakReason
// alternatives.
enum : int { urNotCurrentlyRegistered = 0, urCallInProgress = 1, urSecurityDenial = 4 };
enum : int { drNotRegistered = 0, drSecurityDenial = 2 };
enum : int { inNotRegistered = 0, inSecurityDenial = 1, inUndefinedReason = 2 };

typedef asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1> TAliases;

// A static user may never have given a RAS address: then the sender.
const sockaddr_in& AnswerAddress(const TEndpointRegisterInfo& ARegistration, const sockaddr_in& AFrom) {
  return ARegistration.RasAddress.sin_addr.s_addr == 0 ? AFrom : ARegistration.RasAddress;
}

template <class T>
bool Trusted(TEndpointRegisterInfo& ARegistration, const T& ARequest, const sockaddr_in& AFrom) {
  return ARegistration.CheckTokens(ARequest.tokens, ARequest.cryptoTokens) &&
         RequestSourceAllowed(ARegistration, AFrom);
}

// Removes, for each of AAliases, the first equal alias of AList.
void RemoveFirstEqual(orvo::list<H225::aliasAddress>& AList, const TAliases& AAliases) {
  for (const asn::object* element : AAliases.elements()) {
    const auto& alias = *static_cast<const H225::aliasAddress*>(element);
    for (orvo::listNode* node = AList.head(); node; node = node->next)
      if (H323::aliasEquals(*orvo::list<H225::aliasAddress>::element(node), alias)) {
        AList.remove(node, 1);
        break;
      }
  }
}

}  // namespace

void TGatekeeper::OnUnregistrationRequest(const sockaddr_in& AFrom, H225::rasMessage& ARequest) {
  const auto& urq = *static_cast<const H225::unregistrationRequest*>(ARequest.alternative());
  H225::rasMessage answer;
  auto reject = [&](int AReason, TEndpointRegisterInfo* ATokensFor, const sockaddr_in& ATo) {
    auto* urj = static_cast<H225::unregistrationReject*>(answer.select(8));
    urj->requestSeqNum = urq.requestSeqNum.value();
    urj->rejectReason.select(AReason);
    if (ATokensFor) ATokensFor->CreateTokens(urj->tokens, urj->cryptoTokens);
    RASSend(ATo, answer);
  };

  sockaddr_in callSignal{};
  const H225::transportAddress* first = nullptr;
  for (const asn::object* element : urq.callSignalAddress.elements())
    if (static_cast<const H225::transportAddress*>(element)->index() == 0) {
      first = static_cast<const H225::transportAddress*>(element);
      break;
    }
  if (!first || !H323::transportToSockaddr(*first, callSignal)) return reject(urNotCurrentlyRegistered, nullptr, AFrom);
  TEndpointRegisterInfo* registration = urq.endpointIdentifier ? FindEndpointByIdentifier(*urq.endpointIdentifier)
                                                               : FindEndpointByCallSignalAddress(callSignal);
  if (!registration) return reject(urNotCurrentlyRegistered, nullptr, AFrom);
  if (!Trusted(*registration, urq, AFrom)) return reject(urSecurityDenial, nullptr, AFrom);
  const sockaddr_in to = AnswerAddress(*registration, AFrom);

  auto confirm = [&] {
    auto* ucf = static_cast<H225::unregistrationConfirm*>(answer.select(7));
    ucf->requestSeqNum = urq.requestSeqNum.value();
    registration->CreateTokens(ucf->tokens, ucf->cryptoTokens);
    RASSend(to, answer);
  };
  if (urq.endpointAlias && urq.endpointAlias->count() != 0) {
    orvo::list<H225::aliasAddress> kept(1);
    for (const H225::aliasAddress* alias : registration->Aliases) kept.append(new H225::aliasAddress(*alias));
    RemoveFirstEqual(kept, *urq.endpointAlias);
    if (!kept.empty()) {
      RemoveFirstEqual(registration->Aliases, *urq.endpointAlias);
      registration->ApplyAliasMakeRules();
      registration->Changed();
      return confirm();
    }
  }
  if (registration->CountConnections() != 0) return reject(urCallInProgress, registration, to);
  confirm();
  registration->SetState(TEndpointRegisterInfo::esUnregistered);
}

void TGatekeeper::OnDisengageRequest(const sockaddr_in& AFrom, H225::rasMessage& ARequest) {
  const auto& drq = *static_cast<const H225::disengageRequest*>(ARequest.alternative());
  H225::rasMessage answer;
  auto reject = [&](int AReason) {
    auto* drj = static_cast<H225::disengageReject*>(answer.select(17));
    drj->requestSeqNum = drq.requestSeqNum.value();
    drj->rejectReason.select(AReason);
    RASSend(AFrom, answer);
  };
  TEndpointRegisterInfo* registration = FindEndpointByIdentifier(drq.endpointIdentifier);
  if (!registration) return reject(drNotRegistered);
  if (!Trusted(*registration, drq, AFrom)) return reject(drSecurityDenial);

  auto* dcf = static_cast<H225::disengageConfirm*>(answer.select(16));
  dcf->requestSeqNum = drq.requestSeqNum.value();
  registration->CreateTokens(dcf->tokens, dcf->cryptoTokens);
  RASSend(AnswerAddress(*registration, AFrom), answer);

  TConnection* connection =
      drq.answeredCall
          ? FindConnection(drq.conferenceID, drq.callIdentifier, registration,
                           drq.answeredCall->value() ? TConnection::cnsCallee : TConnection::cnsCaller, false)
          : FindParticipantConnection(drq.conferenceID, drq.callIdentifier, registration);
  if (connection) connection->ScheduleRemoval();
}

void TGatekeeper::OnInfoRequestResponse(const sockaddr_in& AFrom, H225::rasMessage& ARequest) {
  const auto& irr = *static_cast<const H225::infoRequestResponse*>(ARequest.alternative());
  const bool needResponse = irr.needResponse && irr.needResponse->value();
  sockaddr_in reply = AFrom;
  H323::transportToSockaddr(irr.rasAddress, reply);
  H225::rasMessage answer;
  auto nak = [&](int AReason, TEndpointRegisterInfo* ATokensFor, const sockaddr_in& ATo) {
    if (!needResponse) return;
    auto* inak = static_cast<H225::infoRequestNak*>(answer.select(29));
    inak->requestSeqNum = irr.requestSeqNum.value();
    inak->nakReason.select(AReason);
    if (ATokensFor) ATokensFor->CreateTokens(inak->tokens, inak->cryptoTokens);
    RASSend(ATo, answer);
  };

  TEndpointRegisterInfo* registration = FindEndpointByIdentifier(irr.endpointIdentifier);
  if (!registration) return nak(inNotRegistered, nullptr, reply);
  // A refusal goes to the sender: the report's own address may name anyone.
  if (!Trusted(*registration, irr, AFrom)) return nak(inSecurityDenial, nullptr, AFrom);
  const sockaddr_in to = AnswerAddress(*registration, AFrom);
  if (!irr.perCallInfo) return nak(inUndefinedReason, registration, to);

  for (const asn::object* element : irr.perCallInfo->elements()) {
    const auto& call = *static_cast<const H225::infoRequestResponse::perCallInfo_sequence*>(element);
    int side = TConnection::cnsCaller;
    TConnection* connection = nullptr;
    if (call.originator) {
      side = call.originator->value() ? TConnection::cnsCaller : TConnection::cnsCallee;
      connection = FindConnection(call.conferenceID, call.callIdentifier, registration, side, false);
    } else {
      connection = FindParticipantConnection(call.conferenceID, call.callIdentifier, registration, &side);
    }
    if (connection && connection->IrrTimer(side)) connection->RestartIrrTimer(side);
  }
  if (!needResponse) return;
  auto* iack = static_cast<H225::infoRequestAck*>(answer.select(28));
  iack->requestSeqNum = irr.requestSeqNum.value();
  registration->CreateTokens(iack->tokens, iack->cryptoTokens);
  RASSend(to, answer);
}
