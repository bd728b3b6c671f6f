#include "RasRequests.h"

#include <asn/constrainedString.h>
#include <asn/perCodec.h>
#include <orvo/exception.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include "SimulatedEndpoint.h"

std::unique_ptr<H225::rasMessage> DecodeRasMessage(const std::vector<unsigned char>& AOctets) {
  auto message = std::make_unique<H225::rasMessage>();
  try {
    asn::per::codec codec(AOctets.data(), unsigned(AOctets.size()));
    message->decode(codec);
  } catch (orvo::exception* e) {
    delete e;
    return nullptr;
  }
  return message;
}

namespace {

void SetAliases(asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>*& AList, const std::vector<std::string>& AAliases) {
  if (AAliases.empty()) return;
  AList = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  for (const std::string& alias : AAliases) {
    H225::aliasAddress* entry = AList->appendNew();
    // "@..." stands for an e-mail alias, a kind without a text form.
    if (alias[0] == '@')
      static_cast<asn::constrainedString*>(entry->select(4))->setValue(alias.c_str());
    else
      *static_cast<asn::bmpStringBase*>(entry->select(1)) = alias.c_str();
  }
}

}  // namespace

std::unique_ptr<H225::rasMessage> DiscoveryRequest(TSimulatedEndpoint& AEndpoint,
                                                   const std::vector<std::string>& AAliases,
                                                   const std::string& AGatekeeper) {
  auto message = std::make_unique<H225::rasMessage>();
  auto* grq = static_cast<H225::gatekeeperRequest*>(message->select(0));
  grq->requestSeqNum = AEndpoint.NextSequenceNumber();
  grq->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  H323::sockaddrToTransport(AEndpoint.Address(), grq->rasAddress);
  grq->endpointType.terminal = new H225::terminalInfo;
  if (!AGatekeeper.empty()) {
    grq->gatekeeperIdentifier = new asn::bmpString<1u, 128u, 1>;
    *grq->gatekeeperIdentifier = AGatekeeper.c_str();
  }
  SetAliases(grq->endpointAlias, AAliases);
  return message;
}

std::unique_ptr<H225::rasMessage> KeepAliveRequest(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier) {
  std::unique_ptr<H225::rasMessage> message = AEndpoint.RegistrationRequest({});
  auto* rrq = static_cast<H225::registrationRequest*>(message->alternative());
  *rrq->keepAlive = true;
  rrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
  *rrq->endpointIdentifier = AIdentifier.c_str();
  return message;
}

std::unique_ptr<H225::rasMessage> UnregistrationRequest(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                                        const std::vector<std::string>& AAliases) {
  auto message = std::make_unique<H225::rasMessage>();
  auto* urq = static_cast<H225::unregistrationRequest*>(message->select(6));
  urq->requestSeqNum = AEndpoint.NextSequenceNumber();
  H323::sockaddrToTransport(AEndpoint.CallSignalAddress(), *urq->callSignalAddress.appendNew());
  urq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
  *urq->endpointIdentifier = AIdentifier.c_str();
  SetAliases(urq->endpointAlias, AAliases);
  return message;
}

std::unique_ptr<H225::rasMessage> DisengageRequest(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                                   unsigned char AConference) {
  auto message = std::make_unique<H225::rasMessage>();
  auto* drq = static_cast<H225::disengageRequest*>(message->select(15));
  drq->requestSeqNum = AEndpoint.NextSequenceNumber();
  drq->endpointIdentifier = AIdentifier.c_str();
  unsigned char guid[16];
  for (unsigned char& octet : guid) octet = AConference;
  drq->conferenceID.setValue(guid, 16);
  drq->callReferenceValue = 1;
  drq->disengageReason.select(1);  // normalDrop
  return message;
}

H225::rasMessage AdmissionRequest(const std::string& AIdentifier, const char* ASource, const char* ADestination,
                                  unsigned ACallReference) {
  H225::rasMessage message;
  auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
  arq->callType.select(0);  // pointToPoint
  arq->endpointIdentifier = AIdentifier.c_str();
  arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  H323::makeAliasAddress(*arq->destinationInfo->appendNew(), ADestination);
  H323::makeAliasAddress(*arq->srcInfo.appendNew(), ASource);
  arq->bandWidth = 640;
  arq->callReferenceValue = ACallReference;
  return message;
}

std::unique_ptr<H225::rasMessage> InfoReport(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                             unsigned char AConference) {
  auto message = std::make_unique<H225::rasMessage>();
  auto* irr = static_cast<H225::infoRequestResponse*>(message->select(22));
  irr->requestSeqNum = AEndpoint.NextSequenceNumber();
  irr->endpointType.terminal = new H225::terminalInfo;
  irr->endpointIdentifier = AIdentifier.c_str();
  H323::sockaddrToTransport(AEndpoint.Address(), irr->rasAddress);
  H323::sockaddrToTransport(AEndpoint.CallSignalAddress(), *irr->callSignalAddress.appendNew());
  if (AConference != 0) {
    irr->perCallInfo = new asn::sequenceOf<H225::infoRequestResponse::perCallInfo_sequence, 0u, 0u, 1>;
    auto* call = irr->perCallInfo->appendNew();
    unsigned char guid[16];
    for (unsigned char& octet : guid) octet = AConference;
    call->conferenceID.setValue(guid, 16);
    call->callReferenceValue = 1;
    call->callType.select(0);
    call->callModel.select(0);
    call->callSignaling.recvAddress = new H225::transportAddress;
    H323::sockaddrToTransport(AEndpoint.CallSignalAddress(), *call->callSignaling.recvAddress);
    call->h245.recvAddress = new H225::transportAddress;
    H323::sockaddrToTransport(AEndpoint.Address(), *call->h245.recvAddress);
  }
  irr->needResponse = new asn::booltype(true);
  return message;
}

std::string ConfirmedIdentifier(const H225::rasMessage& AMessage) {
  if (AMessage.index() != 4) return "";
  return static_cast<const H225::registrationConfirm*>(AMessage.alternative())->endpointIdentifier.toString().buffer();
}
