#include "userInformationSamples.h"

#include "messageParts.h"

using namespace parts;

const std::string fastStartChannel("\x00\x00\x00\x06\x04\x01\x00", 7);
const std::string masterSlaveDetermination("\x01\x00\xbe\x80\x12\x34\x56", 7);
const std::string supplementaryServiceInvoke("\x00\x01\x00\x00\x01\x00\x01\x00", 8);

namespace {

using octetList = asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>;

void appendOctets(octetList& list, const std::string& octets) {
  list.appendNew()->setValue(octets.data(), unsigned(octets.size()));
}

template <class T>
std::unique_ptr<H225::h323_UserInformation> make(int kind, T*& body) {
  auto message = std::make_unique<H225::h323_UserInformation>();
  body = pick<T>(message->h323_uu_pdu.h323_message_body, kind);
  return message;
}

void setCall(H225::callIdentifier*& identifier) { setGuid(attach(identifier)->guid, 0x50); }

void tunnel(H225::h323_uu_pdu& pdu, bool withControl) {
  *attach(pdu.h245Tunneling) = true;
  if (withControl) appendOctets(*attach(pdu.h245Control), masterSlaveDetermination);
}

std::unique_ptr<H225::h323_UserInformation> callProceeding() {
  H225::callProceeding_UUIE* body;
  auto message = make(bodyKind::callProceeding, body);
  setProtocol(body->protocolIdentifier);
  setGateway(body->destinationInfo);
  setCall(body->callIdentifier);
  *attach(body->multipleCalls) = false;
  *attach(body->maintainConnection) = false;
  tunnel(message->h323_uu_pdu, false);
  return message;
}

std::unique_ptr<H225::h323_UserInformation> connect() {
  H225::connect_UUIE* body;
  auto message = make(bodyKind::connect, body);
  setProtocol(body->protocolIdentifier);
  setIp(*attach(body->h245Address), 127, 0, 0, 20, 1721);
  setGateway(body->destinationInfo);
  setGuid(body->conferenceID, 0x40);
  setCall(body->callIdentifier);
  appendOctets(*attach(body->fastStart), fastStartChannel);
  *attach(body->multipleCalls) = false;
  *attach(body->maintainConnection) = false;
  appendDigits(*attach(body->connectedAddress), "4930123456");
  tunnel(message->h323_uu_pdu, false);
  return message;
}

std::unique_ptr<H225::h323_UserInformation> alerting() {
  H225::alerting_UUIE* body;
  auto message = make(bodyKind::alerting, body);
  setProtocol(body->protocolIdentifier);
  setTerminal(body->destinationInfo);
  setCall(body->callIdentifier);
  *attach(body->multipleCalls) = false;
  *attach(body->maintainConnection) = false;
  attach(body->presentationIndicator)->select(0);  // presentationAllowed
  attach(body->screeningIndicator)->setIndex(3);   // networkProvided
  tunnel(message->h323_uu_pdu, false);
  return message;
}

std::unique_ptr<H225::h323_UserInformation> information() {
  H225::information_UUIE* body;
  auto message = make(bodyKind::information, body);
  setProtocol(body->protocolIdentifier);
  setCall(body->callIdentifier);
  return message;
}

std::unique_ptr<H225::h323_UserInformation> releaseComplete() {
  H225::releaseComplete_UUIE* body;
  auto message = make(bodyKind::releaseComplete, body);
  setProtocol(body->protocolIdentifier);
  attach(body->reason)->select(14);  // calledPartyNotRegistered
  setCall(body->callIdentifier);
  tunnel(message->h323_uu_pdu, false);
  return message;
}

std::unique_ptr<H225::h323_UserInformation> facility() {
  H225::facility_UUIE* body;
  auto message = make(bodyKind::facility, body);
  setProtocol(body->protocolIdentifier);
  setIp(*attach(body->alternativeAddress), 127, 0, 0, 30, 1720);
  appendDigits(*attach(body->alternativeAliasAddress), "4930999");
  setGuid(*attach(body->conferenceID), 0x40);
  body->reason.select(1);  // callForwarded
  setCall(body->callIdentifier);
  *attach(body->multipleCalls) = false;
  *attach(body->maintainConnection) = false;
  tunnel(message->h323_uu_pdu, true);
  return message;
}

std::unique_ptr<H225::h323_UserInformation> progress() {
  H225::progress_UUIE* body;
  auto message = make(bodyKind::progress, body);
  setProtocol(body->protocolIdentifier);
  setGateway(body->destinationInfo);
  setIp(*attach(body->h245Address), 127, 0, 0, 20, 1721);
  setGuid(body->callIdentifier.guid, 0x50);
  appendOctets(*attach(body->fastStart), fastStartChannel);
  *attach(body->multipleCalls) = false;
  *attach(body->maintainConnection) = false;
  return message;
}

std::unique_ptr<H225::h323_UserInformation> empty() {
  auto message = std::make_unique<H225::h323_UserInformation>();
  message->h323_uu_pdu.h323_message_body.select(bodyKind::empty);
  tunnel(message->h323_uu_pdu, true);
  return message;
}

// Status, status inquiry, setup acknowledge and notify share one list.
template <class T>
std::unique_ptr<H225::h323_UserInformation> statusLike(int kind) {
  T* body;
  auto message = make(kind, body);
  setProtocol(body->protocolIdentifier);
  setGuid(body->callIdentifier.guid, 0x50);
  return message;
}

}  // namespace

std::unique_ptr<H225::h323_UserInformation> setupWithFastStart() {
  H225::setup_UUIE* body;
  auto message = make(bodyKind::setup, body);
  setProtocol(body->protocolIdentifier);
  appendH323Id(*attach(body->sourceAddress), "Terminal-1");
  appendDigits(*body->sourceAddress, "2001");
  setTerminal(body->sourceInfo);
  appendDigits(*attach(body->destinationAddress), "4930123456");
  setIp(*attach(body->destCallSignalAddress), 127, 0, 0, 20, 1720);
  body->activeMC = false;
  setGuid(body->conferenceID, 0x40);
  body->conferenceGoal.select(0);  // create
  body->callType.select(0);        // pointToPoint
  setIp(*attach(body->sourceCallSignalAddress), 127, 0, 0, 10, 1720);
  setCall(body->callIdentifier);
  auto* fastStart = attach(body->fastStart);
  appendOctets(*fastStart, fastStartChannel);
  appendOctets(*fastStart, fastStartChannel);
  *attach(body->mediaWaitForConnect) = false;
  *attach(body->canOverlapSend) = false;
  *attach(body->endpointIdentifier) = "EP-0001";
  *attach(body->multipleCalls) = false;
  *attach(body->maintainConnection) = false;
  H225::h323_uu_pdu& pdu = message->h323_uu_pdu;
  appendOctets(*attach(pdu.h4501SupplementaryService), supplementaryServiceInvoke);
  tunnel(pdu, true);
  return message;
}

std::vector<userInformationSample> userInformationSamples() {
  std::vector<userInformationSample> samples;
  auto add = [&](const char* name, std::unique_ptr<H225::h323_UserInformation> message) {
    samples.push_back({name, std::shared_ptr<const H225::h323_UserInformation>(std::move(message))});
  };
  add("Setup with fast start, H.245 control and H.450", setupWithFastStart());
  add("Call Proceeding", callProceeding());
  add("Connect with fast start", connect());
  add("Alerting with presentation and screening", alerting());
  add("Information", information());
  add("Release Complete", releaseComplete());
  add("Facility forwarding the call", facility());
  add("Progress with fast start", progress());
  add("Empty carrying H.245", empty());
  add("Status", statusLike<H225::status_UUIE>(bodyKind::status));
  add("Status Inquiry", statusLike<H225::statusInquiry_UUIE>(bodyKind::statusInquiry));
  add("Setup Acknowledge", statusLike<H225::setupAcknowledge_UUIE>(bodyKind::setupAcknowledge));
  add("Notify", statusLike<H225::notify_UUIE>(bodyKind::notify));
  // The Q.931 user data part some endpoints still send alongside.
  auto withUserData = information();
  auto* userData = attach(withUserData->user_data);
  userData->protocol_discriminator = 5;
  setText(userData->user_information, "orvo user data");
  add("Information with user data", std::move(withUserData));
  return samples;
}
