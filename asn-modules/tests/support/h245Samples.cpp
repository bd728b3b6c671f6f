#include "h245Samples.h"

namespace {

template <class T>
T* attach(T*& member) {
  delete member;
  member = new T;
  return member;
}

template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

// Alternatives of the message and of its four kinds.
enum : int { request, response, command, indication };
namespace requestKind {
enum : int { masterSlaveDetermination = 1, terminalCapabilitySet = 2, openLogicalChannel = 3, closeLogicalChannel = 4 };
}
namespace responseKind {
enum : int { masterSlaveDeterminationAck = 1, terminalCapabilitySetAck = 3, openLogicalChannelAck = 5 };
}
namespace commandKind {
enum : int { endSessionCommand = 5 };
}

template <class T>
std::unique_ptr<H245::multimediaSystemControlMessage> make(int kind, int alternative, T*& body) {
  auto message = std::make_unique<H245::multimediaSystemControlMessage>();
  body = pick<T>(*pick<asn::choice>(*message, kind), alternative);
  return message;
}

void setUnicast(H245::transportAddress& address, unsigned char d, unsigned port) {
  auto* ip = pick<H245::unicastAddress::iPAddress_sequence>(*pick<H245::unicastAddress>(address, 0), 0);
  const unsigned char network[4] = {127, 0, 0, d};
  ip->network.setValue(network, 4);
  ip->tsapIdentifier = port;
}

void setMultipoint(H245::multipointCapability& capability) {
  capability.multicastCapability = false;
  capability.multiUniCastConference = false;
}

constexpr int g711Ulaw64k = 3;
constexpr int h263Video = 3;

std::unique_ptr<H245::multimediaSystemControlMessage> capabilitySet() {
  H245::terminalCapabilitySet* set;
  auto message = make(request, requestKind::terminalCapabilitySet, set);
  set->sequenceNumber = 1;
  // { itu-t(0) recommendation(0) h(8) 245 version(0) 7 }
  set->protocolIdentifier = asn::oid(0, 0, 8, 245, 0, 7);
  auto* h2250 = pick<H245::h2250Capability>(*attach(set->multiplexCapability), 4);
  h2250->maximumAudioDelayJitter = 60;
  setMultipoint(h2250->receiveMultipointCapability);
  setMultipoint(h2250->transmitMultipointCapability);
  setMultipoint(h2250->receiveAndTransmitMultipointCapability);
  h2250->mcCapability.centralizedConferenceMC = false;
  h2250->mcCapability.decentralizedConferenceMC = false;
  h2250->rtcpVideoControlCapability = false;
  h2250->mediaPacketizationCapability.h261aVideoPacketization = false;

  auto* table = attach(set->capabilityTable);
  auto* audio = table->appendNew();
  audio->capabilityTableEntryNumber = 1;
  auto* g711 = pick<H245::audioCapability>(*attach(audio->capability), 4);  // receiveAudioCapability
  *pick<asn::integerBase>(*g711, g711Ulaw64k) = 20;
  auto* video = table->appendNew();
  video->capabilityTableEntryNumber = 2;
  auto* videoCapability = pick<H245::videoCapability>(*attach(video->capability), 1);  // receiveVideoCapability
  auto* h263 = pick<H245::h263VideoCapability>(*videoCapability, h263Video);
  *attach(h263->qcifMPI) = 2;
  *attach(h263->cifMPI) = 2;
  h263->maxBitRate = 3840;
  h263->unrestrictedVector = false;
  h263->arithmeticCoding = false;
  h263->advancedPrediction = false;
  h263->pbFrames = false;
  h263->temporalSpatialTradeOffCapability = false;

  // One descriptor: audio and video at once.
  auto* descriptor = attach(set->capabilityDescriptors)->appendNew();
  descriptor->capabilityDescriptorNumber = 0;
  auto* simultaneous = attach(descriptor->simultaneousCapabilities);
  *simultaneous->appendNew()->appendNew() = 1;
  *simultaneous->appendNew()->appendNew() = 2;
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> capabilitySetAck() {
  H245::terminalCapabilitySetAck* ack;
  auto message = make(response, responseKind::terminalCapabilitySetAck, ack);
  ack->sequenceNumber = 1;
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> masterSlaveDetermination() {
  H245::masterSlaveDetermination* msd;
  auto message = make(request, requestKind::masterSlaveDetermination, msd);
  msd->terminalType = 60;
  msd->statusDeterminationNumber = 12345;
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> masterSlaveDeterminationAck() {
  H245::masterSlaveDeterminationAck* ack;
  auto message = make(response, responseKind::masterSlaveDeterminationAck, ack);
  ack->decision.select(1);  // slave: the other side is master
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> openChannel() {
  auto message = std::make_unique<H245::multimediaSystemControlMessage>();
  pick<asn::choice>(*message, request)->setAlternative(requestKind::openLogicalChannel, g711Channel().release());
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> openChannelAck() {
  H245::openLogicalChannelAck* ack;
  auto message = make(response, responseKind::openLogicalChannelAck, ack);
  ack->forwardLogicalChannelNumber = 101;
  auto* parameters = pick<H245::h2250LogicalChannelAckParameters>(*attach(ack->forwardMultiplexAckParameters), 0);
  *attach(parameters->sessionID) = 1;
  setUnicast(*attach(parameters->mediaChannel), 2, 5004);
  setUnicast(*attach(parameters->mediaControlChannel), 2, 5005);
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> closeChannel() {
  H245::closeLogicalChannel* close;
  auto message = make(request, requestKind::closeLogicalChannel, close);
  close->forwardLogicalChannelNumber = 101;
  close->source.select(0);  // user
  return message;
}

std::unique_ptr<H245::multimediaSystemControlMessage> endSession() {
  H245::endSessionCommand* end;
  auto message = make(command, commandKind::endSessionCommand, end);
  end->select(1);  // disconnect
  return message;
}

}  // namespace

std::unique_ptr<H245::openLogicalChannel> g711Channel() {
  auto channel = std::make_unique<H245::openLogicalChannel>();
  channel->forwardLogicalChannelNumber = 101;
  auto& forward = channel->forwardLogicalChannelParameters;
  *pick<asn::integerBase>(*pick<H245::audioCapability>(forward.dataType, 3), g711Ulaw64k) = 20;  // audioData
  auto* h2250 = pick<H245::h2250LogicalChannelParameters>(forward.multiplexParameters, 3);
  h2250->sessionID = 1;
  setUnicast(*attach(h2250->mediaControlChannel), 1, 5005);
  *attach(h2250->silenceSuppression) = false;
  return channel;
}

std::unique_ptr<H245::multimediaSystemControlMessage> fecCapabilitySet(int format, uint32_t redundancy) {
  H245::terminalCapabilitySet* set;
  auto message = make(request, requestKind::terminalCapabilitySet, set);
  set->sequenceNumber = 1;
  set->protocolIdentifier = asn::oid(0, 0, 8, 245, 0, 7);
  auto* entry = attach(set->capabilityTable)->appendNew();
  entry->capabilityTableEntryNumber = 2;
  auto* fec = pick<H245::fECCapability>(*attach(entry->capability), 26);  // fecCapability
  fec->protectedCapability = 1;
  *pick<asn::integerBase>(*attach(fec->rfc2733Format), format) = redundancy;
  return message;
}

std::vector<h245Sample> h245Samples() {
  return {
      {"TerminalCapabilitySet with G.711 and H.263", capabilitySet()},
      {"TerminalCapabilitySetAck", capabilitySetAck()},
      {"MasterSlaveDetermination", masterSlaveDetermination()},
      {"MasterSlaveDeterminationAck", masterSlaveDeterminationAck()},
      {"OpenLogicalChannel with H.225.0 parameters", openChannel()},
      {"OpenLogicalChannelAck", openChannelAck()},
      {"CloseLogicalChannel", closeChannel()},
      {"EndSessionCommand", endSession()},
  };
}
