#include "rasSamples.h"

#include "messageParts.h"
#include "registrationFrame.h"

using namespace parts;

namespace {

using aliasList = asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;

template <class T>
std::unique_ptr<H225::rasMessage> make(int kind, T*& body) {
  auto message = std::make_unique<H225::rasMessage>();
  body = pick<T>(*message, kind);
  return message;
}

// A generic data element (standard identifier) with one text parameter.
H225::genericData* genericText(unsigned standard, const char* text) {
  auto* data = new H225::genericData;
  *pick<asn::integerBase>(data->id, 0) = standard;
  auto* parameter = attach(data->parameters)->appendNew();
  *pick<asn::integerBase>(parameter->id, 0) = 1;
  *pick<asn::constrainedString>(*attach(parameter->content), 1) = text;
  return data;
}

void addTokens(asn::sequenceOf<H235::clearToken, 0u, 0u, 1>*& tokens, uint32_t timeStamp) {
  attach(tokens)->append(passwordToken(timeStamp, 42));
}

void addCryptoTokens(asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>*& tokens, const char* alias,
                     uint32_t timeStamp) {
  attach(tokens)->append(passwordHash(alias, timeStamp));
}

H225::alternateGK* alternate(unsigned char d, const char* identifier, unsigned priority) {
  auto* gk = new H225::alternateGK;
  setIp(gk->rasAddress, 127, 0, 0, d, 1719);
  *attach(gk->gatekeeperIdentifier) = identifier;
  gk->needToRegister = true;
  gk->priority = priority;
  return gk;
}

void setAltGKInfo(H225::altGKInfo& info) {
  info.alternateGatekeeper.append(alternate(2, "GK-Backup", 1));
  info.altGKisPermanent = false;
}

std::unique_ptr<H225::rasMessage> gatekeeperRequest() {
  H225::gatekeeperRequest* grq;
  auto message = make(rasKind::gatekeeperRequest, grq);
  grq->requestSeqNum = 1;
  setProtocol(grq->protocolIdentifier);
  setIp(grq->rasAddress, 127, 0, 0, 10, 1719);
  setTerminal(grq->endpointType);
  *attach(grq->gatekeeperIdentifier) = "GK-Zone";
  appendH323Id(*attach(grq->endpointAlias), "Terminal-1");
  appendDigits(*grq->endpointAlias, "2001");
  addTokens(grq->tokens, 1200000000);
  addCryptoTokens(grq->cryptoTokens, "Terminal-1", 1200000000);
  auto* mechanisms = attach(grq->authenticationCapability);
  mechanisms->appendNew()->select(2);  // pwdHash
  mechanisms->appendNew()->select(1);  // pwdSymEnc
  setOid(*attach(grq->algorithmOIDs)->appendNew(), {1, 2, 840, 113549, 2, 5});
  attach(grq->supportsAltGK);
  return message;
}

std::unique_ptr<H225::rasMessage> gatekeeperConfirm() {
  H225::gatekeeperConfirm* gcf;
  auto message = make(rasKind::gatekeeperConfirm, gcf);
  gcf->requestSeqNum = 1;
  setProtocol(gcf->protocolIdentifier);
  *attach(gcf->gatekeeperIdentifier) = "GK-Zone";
  setIp(gcf->rasAddress, 127, 0, 0, 1, 1719);
  attach(gcf->alternateGatekeeper)->append(alternate(2, "GK-Backup", 1));
  gcf->alternateGatekeeper->append(alternate(3, "GK-Reserve", 2));
  attach(gcf->authenticationMode)->select(2);  // pwdHash
  setOid(*attach(gcf->algorithmOID), {1, 2, 840, 113549, 2, 5});
  return message;
}

std::unique_ptr<H225::rasMessage> gatekeeperReject() {
  H225::gatekeeperReject* grj;
  auto message = make(rasKind::gatekeeperReject, grj);
  grj->requestSeqNum = 2;
  setProtocol(grj->protocolIdentifier);
  *attach(grj->gatekeeperIdentifier) = "GK-Zone";
  grj->rejectReason.select(5);  // genericDataReason
  attach(grj->genericData)->append(genericText(17, "zone closed for maintenance"));
  return message;
}

std::unique_ptr<H225::rasMessage> lightweightRegistrationRequest() {
  H225::registrationRequest* rrq;
  auto message = make(rasKind::registrationRequest, rrq);
  rrq->requestSeqNum = 7;
  setProtocol(rrq->protocolIdentifier);
  rrq->discoveryComplete = true;
  appendIp(rrq->callSignalAddress, 10, 1720);
  appendIp(rrq->rasAddress, 10, 1719);
  setTerminal(rrq->terminalType);
  *attach(rrq->gatekeeperIdentifier) = "GK-Zone";
  setVendor(rrq->endpointVendor, 181, 21324, "orvo phone", "4.0.2");
  *attach(rrq->timeToLive) = 300;
  addTokens(rrq->tokens, 1200000300);
  *attach(rrq->keepAlive) = true;
  *attach(rrq->endpointIdentifier) = "EP-0001";
  return message;
}

std::unique_ptr<H225::rasMessage> registrationReject(int reason, const char* name) {
  H225::registrationReject* rrj;
  auto message = make(rasKind::registrationReject, rrj);
  rrj->requestSeqNum = 8;
  setProtocol(rrj->protocolIdentifier);
  *attach(rrj->gatekeeperIdentifier) = "GK-Zone";
  H225::registrationRejectReason& why = rrj->rejectReason;
  if (reason == 4) {  // duplicateAlias
    appendH323Id(*pick<aliasList>(why, 4), name);
  } else if (reason == 14) {  // invalidTerminalAliases
    auto* invalid = pick<H225::registrationRejectReason::invalidTerminalAliases_sequence>(why, 14);
    appendH323Id(*attach(invalid->terminalAlias), name);
    setDigits(*pick<H225::aliasAddress>(*attach(invalid->terminalAliasPattern)->appendNew(), 0), "20");
    setDigits(attach(invalid->supportedPrefixes)->appendNew()->prefix, "0");
  } else {
    why.select(reason);
  }
  return message;
}

std::unique_ptr<H225::rasMessage> unregistrationRequest() {
  H225::unregistrationRequest* urq;
  auto message = make(rasKind::unregistrationRequest, urq);
  urq->requestSeqNum = 9;
  appendIp(urq->callSignalAddress, 10, 1720);
  appendH323Id(*attach(urq->endpointAlias), "Terminal-1");
  *attach(urq->endpointIdentifier) = "EP-0001";
  *attach(urq->gatekeeperIdentifier) = "GK-Zone";
  attach(urq->reason)->select(1);  // ttlExpired
  return message;
}

std::unique_ptr<H225::rasMessage> unregistrationConfirm() {
  H225::unregistrationConfirm* ucf;
  auto message = make(rasKind::unregistrationConfirm, ucf);
  ucf->requestSeqNum = 9;
  return message;
}

std::unique_ptr<H225::rasMessage> unregistrationReject() {
  H225::unregistrationReject* urj;
  auto message = make(rasKind::unregistrationReject, urj);
  urj->requestSeqNum = 10;
  urj->rejectReason.select(0);  // notCurrentlyRegistered
  return message;
}

std::unique_ptr<H225::rasMessage> admissionReject(int reason) {
  H225::admissionReject* arj;
  auto message = make(rasKind::admissionReject, arj);
  arj->requestSeqNum = 12;
  if (reason == 12) {  // routeCallToSCN
    auto* numbers = pick<asn::sequenceOf<H225::partyNumber, 0u, 0u, 1>>(arj->rejectReason, 12);
    auto* e164 = pick<H225::publicPartyNumber>(*numbers->appendNew(), 0);
    e164->publicTypeOfNumber.select(1);  // internationalNumber
    e164->publicNumberDigits = "4930123456";
  } else {
    arj->rejectReason.select(reason);
  }
  return message;
}

std::unique_ptr<H225::rasMessage> bandwidthRequest() {
  H225::bandwidthRequest* brq;
  auto message = make(rasKind::bandwidthRequest, brq);
  brq->requestSeqNum = 13;
  brq->endpointIdentifier = "EP-0001";
  setGuid(brq->conferenceID, 0x40);
  brq->callReferenceValue = 17;
  attach(brq->callType)->select(0);
  brq->bandWidth = 2560;
  setGuid(attach(brq->callIdentifier)->guid, 0x50);
  *attach(brq->answeredCall) = false;
  return message;
}

std::unique_ptr<H225::rasMessage> bandwidthConfirm() {
  H225::bandwidthConfirm* bcf;
  auto message = make(rasKind::bandwidthConfirm, bcf);
  bcf->requestSeqNum = 13;
  bcf->bandWidth = 2560;
  return message;
}

std::unique_ptr<H225::rasMessage> bandwidthReject() {
  H225::bandwidthReject* brj;
  auto message = make(rasKind::bandwidthReject, brj);
  brj->requestSeqNum = 14;
  brj->rejectReason.select(3);  // insufficientResources
  brj->allowedBandWidth = 640;
  return message;
}

std::unique_ptr<H225::rasMessage> disengageRequest() {
  H225::disengageRequest* drq;
  auto message = make(rasKind::disengageRequest, drq);
  drq->requestSeqNum = 15;
  drq->endpointIdentifier = "EP-0001";
  setGuid(drq->conferenceID, 0x40);
  drq->callReferenceValue = 17;
  drq->disengageReason.select(1);  // normalDrop
  setGuid(attach(drq->callIdentifier)->guid, 0x50);
  *attach(drq->gatekeeperIdentifier) = "GK-Zone";
  *attach(drq->answeredCall) = false;
  auto* usage = attach(drq->usageInformation);
  *attach(usage->connectTime) = 1200000100;
  *attach(usage->endTime) = 1200000400;
  pick<H225::releaseCompleteReason>(*attach(drq->terminationCause), 0)->select(11);  // undefinedReason
  return message;
}

std::unique_ptr<H225::rasMessage> disengageConfirm() {
  H225::disengageConfirm* dcf;
  auto message = make(rasKind::disengageConfirm, dcf);
  dcf->requestSeqNum = 15;
  return message;
}

std::unique_ptr<H225::rasMessage> disengageReject() {
  H225::disengageReject* drj;
  auto message = make(rasKind::disengageReject, drj);
  drj->requestSeqNum = 16;
  drj->rejectReason.select(1);  // requestToDropOther
  return message;
}

std::unique_ptr<H225::rasMessage> locationRequest() {
  H225::locationRequest* lrq;
  auto message = make(rasKind::locationRequest, lrq);
  lrq->requestSeqNum = 18;
  appendDigits(lrq->destinationInfo, "4930123456");
  setIp(lrq->replyAddress, 127, 0, 0, 1, 1719);
  appendH323Id(*attach(lrq->sourceInfo), "Terminal-1");
  *attach(lrq->canMapAlias) = true;
  *attach(lrq->gatekeeperIdentifier) = "GK-Zone";
  *attach(lrq->hopCount) = 5;
  return message;
}

std::unique_ptr<H225::rasMessage> locationConfirm() {
  H225::locationConfirm* lcf;
  auto message = make(rasKind::locationConfirm, lcf);
  lcf->requestSeqNum = 18;
  setIp(lcf->callSignalAddress, 127, 0, 0, 20, 1720);
  setIp(lcf->rasAddress, 127, 0, 0, 20, 1719);
  appendDigits(*attach(lcf->destinationInfo), "4930123456");
  setGateway(*attach(lcf->destinationType));
  *attach(lcf->multipleCalls) = false;
  return message;
}

std::unique_ptr<H225::rasMessage> locationReject() {
  H225::locationReject* lrj;
  auto message = make(rasKind::locationReject, lrj);
  lrj->requestSeqNum = 19;
  lrj->rejectReason.select(10);  // hopCountExceeded
  return message;
}

std::unique_ptr<H225::rasMessage> infoRequest() {
  H225::infoRequest* irq;
  auto message = make(rasKind::infoRequest, irq);
  irq->requestSeqNum = 21;
  irq->callReferenceValue = 0;
  setIp(*attach(irq->replyAddress), 127, 0, 0, 1, 1719);
  setGuid(attach(irq->callIdentifier)->guid, 0x50);
  return message;
}

void setChannel(H225::transportChannelInfo& channel, unsigned char d, unsigned port) {
  setIp(*attach(channel.sendAddress), 127, 0, 0, d, port);
  setIp(*attach(channel.recvAddress), 127, 0, 0, 1, port);
}

std::unique_ptr<H225::rasMessage> infoRequestResponse() {
  H225::infoRequestResponse* irr;
  auto message = make(rasKind::infoRequestResponse, irr);
  irr->requestSeqNum = 21;
  setTerminal(irr->endpointType);
  irr->endpointIdentifier = "EP-0001";
  setIp(irr->rasAddress, 127, 0, 0, 10, 1719);
  appendIp(irr->callSignalAddress, 10, 1720);
  appendH323Id(*attach(irr->endpointAlias), "Terminal-1");
  auto* call = attach(irr->perCallInfo)->appendNew();
  call->callReferenceValue = 17;
  setGuid(call->conferenceID, 0x40);
  *attach(call->originator) = true;
  auto* audio = attach(call->audio)->appendNew();
  setChannel(audio->rtpAddress, 10, 5000);
  setChannel(audio->rtcpAddress, 10, 5001);
  audio->cname = "terminal-1/127.0.0.10";
  audio->ssrc = 305419896;
  audio->sessionId = 1;
  setChannel(call->h245, 10, 1721);
  setChannel(call->callSignaling, 10, 1720);
  call->callType.select(0);
  call->bandWidth = 1280;
  call->callModel.select(1);  // gatekeeperRouted
  setGuid(attach(call->callIdentifier)->guid, 0x50);
  auto* pdu = attach(call->pdu)->appendNew();
  auto* facility = pick<H225::facility_UUIE>(pdu->h323pdu.h323_message_body, 6);
  setProtocol(facility->protocolIdentifier);
  facility->reason.select(5);  // startH245
  setGuid(*attach(facility->conferenceID), 0x40);
  setGuid(attach(facility->callIdentifier)->guid, 0x50);
  *attach(pdu->h323pdu.h245Tunneling) = false;
  pdu->sent = true;
  *attach(irr->needResponse) = true;
  attach(irr->irrStatus)->select(0);  // complete
  *attach(irr->unsolicited) = false;
  return message;
}

std::unique_ptr<H225::rasMessage> nonStandardMessage() {
  H225::nonStandardMessage* nsm;
  auto message = make(rasKind::nonStandardMessage, nsm);
  nsm->requestSeqNum = 23;
  setNonStandard(nsm->nonStandardData, 181, 21324, "orvo status: 12 endpoints");
  return message;
}

std::unique_ptr<H225::rasMessage> unknownMessageResponse() {
  H225::unknownMessageResponse* xrs;
  auto message = make(rasKind::unknownMessageResponse, xrs);
  xrs->requestSeqNum = 24;
  const unsigned char received[] = {0x7f, 0x00, 0x18, 0x01, 0x02, 0x03};
  attach(xrs->messageNotUnderstood)->setValue(received, sizeof received);
  return message;
}

std::unique_ptr<H225::rasMessage> requestInProgress() {
  H225::requestInProgress* rip;
  auto message = make(rasKind::requestInProgress, rip);
  rip->requestSeqNum = 9;
  rip->delay = 5000;
  return message;
}

std::unique_ptr<H225::rasMessage> resourcesAvailableIndicate() {
  H225::resourcesAvailableIndicate* rai;
  auto message = make(rasKind::resourcesAvailableIndicate, rai);
  rai->requestSeqNum = 26;
  setProtocol(rai->protocolIdentifier);
  rai->endpointIdentifier = "EP-0002";
  auto* voice = pick<H225::voiceCaps>(*rai->protocols.appendNew(), 7);
  setDigits(attach(voice->supportedPrefixes)->appendNew()->prefix, "0");
  rai->almostOutOfResources = true;
  auto* capacity = attach(attach(rai->capacity)->currentCallCapacity);
  attach(capacity->voiceGwCallsAvailable)->appendNew()->calls = 3;
  return message;
}

std::unique_ptr<H225::rasMessage> resourcesAvailableConfirm() {
  H225::resourcesAvailableConfirm* rac;
  auto message = make(rasKind::resourcesAvailableConfirm, rac);
  rac->requestSeqNum = 26;
  setProtocol(rac->protocolIdentifier);
  return message;
}

std::unique_ptr<H225::rasMessage> infoRequestAck() {
  H225::infoRequestAck* iack;
  auto message = make(rasKind::infoRequestAck, iack);
  iack->requestSeqNum = 21;
  return message;
}

std::unique_ptr<H225::rasMessage> infoRequestNak() {
  H225::infoRequestNak* inak;
  auto message = make(rasKind::infoRequestNak, inak);
  inak->requestSeqNum = 22;
  inak->nakReason.select(0);  // notRegistered
  setAltGKInfo(*attach(inak->altGKInfo));
  return message;
}

std::unique_ptr<H225::rasMessage> serviceControlIndication() {
  H225::serviceControlIndication* sci;
  auto message = make(rasKind::serviceControlIndication, sci);
  sci->requestSeqNum = 30;
  auto* session = sci->serviceControl.appendNew();
  session->sessionId = 1;
  *pick<asn::constrainedString>(*attach(session->contents), 0) = "http://127.0.0.1/credit";
  session->reason.select(0);  // open
  *attach(sci->endpointIdentifier) = "EP-0001";
  auto* call = attach(sci->callSpecific);
  setGuid(call->callIdentifier.guid, 0x50);
  setGuid(call->conferenceID, 0x40);
  call->answeredCall = false;
  return message;
}

std::unique_ptr<H225::rasMessage> serviceControlResponse() {
  H225::serviceControlResponse* scr;
  auto message = make(rasKind::serviceControlResponse, scr);
  scr->requestSeqNum = 30;
  attach(scr->result)->select(0);  // started
  return message;
}

}  // namespace

std::unique_ptr<H225::rasMessage> fullRegistrationRequest() {
  H225::registrationRequest* rrq;
  auto message = make(rasKind::registrationRequest, rrq);
  rrq->requestSeqNum = 3;
  setProtocol(rrq->protocolIdentifier);
  rrq->discoveryComplete = true;
  appendIp(rrq->callSignalAddress, 20, 1720);
  appendIp(rrq->rasAddress, 20, 1719);
  setGateway(rrq->terminalType);
  appendH323Id(*attach(rrq->terminalAlias), "Gateway-1");
  appendDigits(*rrq->terminalAlias, "4930123456");
  *attach(rrq->gatekeeperIdentifier) = "GK-Zone";
  setVendor(rrq->endpointVendor, 181, 21324, "orvo gateway", "2.1.7");
  *attach(rrq->timeToLive) = 300;
  addTokens(rrq->tokens, 1200000000);
  addCryptoTokens(rrq->cryptoTokens, "Gateway-1", 1200000000);
  *attach(rrq->keepAlive) = false;
  *attach(rrq->willSupplyUUIEs) = false;
  *attach(rrq->maintainConnection) = false;
  attach(rrq->supportsAltGK);
  *attach(rrq->multipleCalls) = true;
  attach(rrq->capacityReportingCapability)->canReportCallCapacity = true;
  return message;
}

std::unique_ptr<H225::rasMessage> registrationConfirmWithPreGrantedAdmission() {
  H225::registrationConfirm* rcf;
  auto message = make(rasKind::registrationConfirm, rcf);
  rcf->requestSeqNum = 3;
  setProtocol(rcf->protocolIdentifier);
  appendIp(rcf->callSignalAddress, 1, 1720);
  appendH323Id(*attach(rcf->terminalAlias), "Gateway-1");
  appendDigits(*rcf->terminalAlias, "4930123456");
  *attach(rcf->gatekeeperIdentifier) = "GK-Zone";
  rcf->endpointIdentifier = "EP-0002";
  attach(rcf->alternateGatekeeper)->append(alternate(2, "GK-Backup", 1));
  *attach(rcf->timeToLive) = 300;
  *attach(rcf->willRespondToIRR) = false;
  auto* preGranted = attach(rcf->preGrantedARQ);
  preGranted->makeCall = true;
  preGranted->useGKCallSignalAddressToMakeCall = true;
  preGranted->answerCall = true;
  preGranted->useGKCallSignalAddressToAnswer = true;
  *attach(preGranted->irrFrequencyInCall) = 30;
  *attach(rcf->maintainConnection) = false;
  attach(rcf->supportsAdditiveRegistration);
  return message;
}

std::unique_ptr<H225::rasMessage> admissionRequestWithTokens() {
  H225::admissionRequest* arq;
  auto message = make(rasKind::admissionRequest, arq);
  arq->requestSeqNum = 11;
  arq->callType.select(0);            // pointToPoint
  attach(arq->callModel)->select(1);  // gatekeeperRouted
  arq->endpointIdentifier = "EP-0001";
  appendDigits(*attach(arq->destinationInfo), "4930123456");
  appendH323Id(arq->srcInfo, "Terminal-1");
  appendDigits(arq->srcInfo, "2001");
  setIp(*attach(arq->srcCallSignalAddress), 127, 0, 0, 10, 1720);
  arq->bandWidth = 1280;
  arq->callReferenceValue = 17;
  setGuid(arq->conferenceID, 0x40);
  arq->activeMC = false;
  arq->answerCall = false;
  *attach(arq->canMapAlias) = true;
  setGuid(attach(arq->callIdentifier)->guid, 0x50);
  *attach(arq->gatekeeperIdentifier) = "GK-Zone";
  addTokens(arq->tokens, 1200000200);
  addCryptoTokens(arq->cryptoTokens, "Terminal-1", 1200000200);
  *attach(arq->willSupplyUUIEs) = false;
  return message;
}

std::unique_ptr<H225::rasMessage> admissionConfirmWithRequestedUuies() {
  H225::admissionConfirm* acf;
  auto message = make(rasKind::admissionConfirm, acf);
  acf->requestSeqNum = 11;
  acf->bandWidth = 1280;
  acf->callModel.select(1);  // gatekeeperRouted
  setIp(acf->destCallSignalAddress, 127, 0, 0, 1, 1720);
  *attach(acf->irrFrequency) = 120;
  appendDigits(*attach(acf->destinationInfo), "4930123456");
  setGateway(*attach(acf->destinationType));
  *attach(acf->willRespondToIRR) = true;
  auto* uuies = attach(acf->uuiesRequested);
  uuies->setup = true;
  uuies->callProceeding = false;
  uuies->connect = true;
  uuies->alerting = false;
  uuies->information = false;
  uuies->releaseComplete = true;
  uuies->facility = false;
  uuies->progress = false;
  uuies->empty = false;
  *attach(uuies->status) = false;
  *attach(acf->multipleCalls) = false;
  return message;
}

std::vector<rasSample> rasSamples() {
  std::vector<rasSample> samples;
  auto add = [&](const char* name, std::unique_ptr<H225::rasMessage> message) {
    samples.push_back({name, std::shared_ptr<const H225::rasMessage>(std::move(message))});
  };
  add("GRQ with aliases and tokens", gatekeeperRequest());
  add("GCF with alternate gatekeepers", gatekeeperConfirm());
  add("GRJ with generic data carrying a text", gatekeeperReject());
  add("full RRQ of a T.38 gateway", fullRegistrationRequest());
  add("lightweight RRQ", lightweightRegistrationRequest());
  add("RCF with time to live and pre-granted ARQ", registrationConfirmWithPreGrantedAdmission());
  add("RRJ duplicate alias", registrationReject(4, "Terminal-1"));
  add("RRJ full registration required", registrationReject(12, nullptr));
  add("RRJ invalid terminal aliases", registrationReject(14, "Bad Alias"));
  add("URQ with reason", unregistrationRequest());
  add("UCF", unregistrationConfirm());
  add("URJ", unregistrationReject());
  add("ARQ with call identifier and tokens", admissionRequestWithTokens());
  add("ACF with UUIEs requested", admissionConfirmWithRequestedUuies());
  add("ARJ with a root reason", admissionReject(0));         // calledPartyNotRegistered
  add("ARJ with an extension reason", admissionReject(12));  // routeCallToSCN
  add("ARJ collect destination", admissionReject(14));
  add("BRQ", bandwidthRequest());
  add("BCF", bandwidthConfirm());
  add("BRJ", bandwidthReject());
  add("DRQ with usage and termination cause", disengageRequest());
  add("DCF", disengageConfirm());
  add("DRJ", disengageReject());
  add("LRQ with hop count and source info", locationRequest());
  add("LCF", locationConfirm());
  add("LRJ", locationReject());
  add("IRQ", infoRequest());
  add("IRR with per-call info and an embedded PDU", infoRequestResponse());
  add("non-standard message", nonStandardMessage());
  add("unknown message response", unknownMessageResponse());
  add("RIP", requestInProgress());
  add("RAI", resourcesAvailableIndicate());
  add("RAC", resourcesAvailableConfirm());
  add("IACK", infoRequestAck());
  add("INAK", infoRequestNak());
  add("service-control indication", serviceControlIndication());
  add("service-control response", serviceControlResponse());
  return samples;
}
