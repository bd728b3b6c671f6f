#include "RasLoadTemplates.h"

#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>

#include <asn/perCodec.h>
#include <h225/h225.h>
#include <orvo/exception.h>

namespace rasload {

namespace {

using aliasList = asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;

// The library throws heap objects; their text, the object released.
std::string TextOf(orvo::exception* AException) {
  std::unique_ptr<orvo::exception> owned(AException);
  orvo::string text = *owned->message();
  return std::string(text.buffer(), text.length());
}

octets Encode(const H225::rasMessage& AMessage) {
  try {
    asn::per::codec codec;
    AMessage.encode(codec);
    const unsigned char* data = codec.stream().data();
    return octets(data, data + codec.stream().octetLength());
  } catch (orvo::exception* e) {
    throw std::runtime_error("a load template does not encode: " + TextOf(e));
  }
}

void SetIp(H225::transportAddress& AAddress, uint32_t AHostOrder, unsigned APort) {
  auto* ip = static_cast<H225::transportAddress::ipAddress_sequence*>(AAddress.select(0));
  uint32_t network = htonl(AHostOrder);
  ip->ip.setValue(&network, 4);
  ip->port = APort;
}

void AddH323Id(aliasList& AList, const std::string& AText) {
  *static_cast<asn::bmpStringBase*>(AList.appendNew()->select(1)) = AText.c_str();
}

// The registration request of an endpoint: a version 4 terminal with its RAS
// and call-signal address and the vendor fields a soft phone sends.
H225::registrationRequest* FillRegistration(H225::rasMessage& AMessage, unsigned ASequence,
                                            const TEndpointValues& AEndpoint) {
  auto* rrq = static_cast<H225::registrationRequest*>(AMessage.select(3));
  rrq->requestSeqNum = ASequence;
  rrq->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  rrq->discoveryComplete = false;
  SetIp(*rrq->callSignalAddress.appendNew(), AEndpoint.CallSignalAddress, AEndpoint.CallSignalPort);
  SetIp(*rrq->rasAddress.appendNew(), AEndpoint.RasAddress, AEndpoint.RasPort);
  rrq->terminalType.terminal = new H225::terminalInfo;
  rrq->terminalType.mc = false;
  rrq->terminalType.undefinedNode = false;
  rrq->endpointVendor.vendor.t35CountryCode = 181;
  rrq->endpointVendor.vendor.t35Extension = 0;
  rrq->endpointVendor.vendor.manufacturerCode = 21324;
  rrq->endpointVendor.productId = new asn::octetString<1u, 256u, 1>;
  rrq->endpointVendor.productId->setValue("OrvoLoadPhone", 13);
  rrq->endpointVendor.versionId = new asn::octetString<1u, 256u, 1>;
  rrq->endpointVendor.versionId->setValue("1.0", 3);
  rrq->timeToLive = new asn::integer<1u, 4294967295u, 1>;
  *rrq->timeToLive = 300;
  rrq->keepAlive = new asn::booltype(false);
  rrq->willSupplyUUIEs = new asn::booltype(false);
  rrq->maintainConnection = new asn::booltype(false);
  return rrq;
}

void Fill16(unsigned char* AOut, uint64_t AValue, unsigned char ASalt) {
  for (int i = 0; i < 8; ++i) AOut[i] = (unsigned char)(AValue >> (8 * i));
  for (int i = 8; i < 16; ++i) AOut[i] = (unsigned char)(ASalt + 17 * i);
}

// Octets where the two encodings differ; both must have one length.
std::vector<size_t> Differences(const octets& A, const octets& B) {
  if (A.size() != B.size()) throw std::runtime_error("a load template changes length with a field's value");
  std::vector<size_t> at;
  for (size_t i = 0; i < A.size(); ++i)
    if (A[i] != B[i]) at.push_back(i);
  return at;
}

// The field's place from an encoding in which only that field changed, with
// every octet (of a text: every character's low octet) different.
TField Locate(TFieldKind AKind, size_t AWidth, const octets& ABase, const octets& AVariant, const char* AName) {
  std::vector<size_t> at = Differences(ABase, AVariant);
  TField field{AKind, 0, AWidth};
  bool text = AKind == fkBmpText;
  if (!at.empty()) field.Offset = at.front() - (text ? 1 : 0);
  bool fits = !at.empty() && at.front() >= (text ? 1u : 0u) && at.back() == field.Offset + AWidth - 1 &&
              at.size() == (text ? AWidth / 2 : AWidth);
  for (size_t i = 0; fits && i < at.size(); ++i) fits = at[i] == field.Offset + (text ? 2 * i + 1 : i);
  if (!fits) throw std::runtime_error(std::string("the load template's field ") + AName + " is not where expected");
  return field;
}

// A text of the same length whose every character differs from the given one.
std::string Other(const std::string& AText) {
  std::string other = AText;
  for (char& c : other) c = c == 'z' ? 'y' : 'z';
  return other;
}

TEndpointValues Flipped(TEndpointValues A) {
  A.RasAddress = ~A.RasAddress;
  A.RasPort ^= 0xffff;
  A.CallSignalAddress = ~A.CallSignalAddress;
  A.CallSignalPort ^= 0xffff;
  return A;
}

const unsigned BaseSequence = 0x1235, OtherSequence = 0xedcc;  // encoded 1234 and edcb

// The encoding of an answer of the kind with requestSeqNum as given.
octets SampleAnswer(int AKind, unsigned ASequence) {
  H225::rasMessage message;
  asn::object* alternative = message.select(AKind);
  switch (AKind) {
    case rkRegistrationConfirm: {
      auto* rcf = static_cast<H225::registrationConfirm*>(alternative);
      rcf->requestSeqNum = ASequence;
      rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      rcf->endpointIdentifier = "x";
      break;
    }
    case rkRegistrationReject: {
      auto* rrj = static_cast<H225::registrationReject*>(alternative);
      rrj->requestSeqNum = ASequence;
      rrj->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      rrj->rejectReason.select(0);
      break;
    }
    case rkAdmissionConfirm: {
      auto* acf = static_cast<H225::admissionConfirm*>(alternative);
      acf->requestSeqNum = ASequence;
      acf->callModel.select(0);
      SetIp(acf->destCallSignalAddress, 0x7f000001, 1720);
      break;
    }
    case rkAdmissionReject: {
      auto* arj = static_cast<H225::admissionReject*>(alternative);
      arj->requestSeqNum = ASequence;
      arj->rejectReason.select(0);
      break;
    }
    case rkDisengageConfirm:
      static_cast<H225::disengageConfirm*>(alternative)->requestSeqNum = ASequence;
      break;
    case rkDisengageReject: {
      auto* drj = static_cast<H225::disengageReject*>(alternative);
      drj->requestSeqNum = ASequence;
      drj->rejectReason.select(0);
      break;
    }
    case rkUnknownMessageResponse:
      static_cast<H225::unknownMessageResponse*>(alternative)->requestSeqNum = ASequence;
      break;
  }
  return Encode(message);
}

}  // namespace

std::mutex& MessageLibraryLock() {
  static std::mutex lock;
  return lock;
}

void TDatagramTemplate::PutSequenceNumber(octets& AOut, unsigned AField, unsigned AValue) const {
  PutWord(AOut, AField, AValue - 1);
}

void TDatagramTemplate::PutWord(octets& AOut, unsigned AField, unsigned AValue) const {
  size_t at = Fields[AField].Offset;
  AOut[at] = (unsigned char)(AValue >> 8);
  AOut[at + 1] = (unsigned char)AValue;
}

void TDatagramTemplate::PutOctets(octets& AOut, unsigned AField, const unsigned char* AData) const {
  const TField& field = Fields[AField];
  for (size_t i = 0; i < field.Width; ++i) AOut[field.Offset + i] = AData[i];
}

void TDatagramTemplate::PutText(octets& AOut, unsigned AField, const char* AText) const {
  const TField& field = Fields[AField];
  for (size_t i = 0; i < field.Width / 2; ++i) {
    AOut[field.Offset + 2 * i] = 0;
    AOut[field.Offset + 2 * i + 1] = (unsigned char)AText[i];
  }
}

// Formatted by hand: the generator makes two of these per request.
std::string AliasOf(unsigned AEndpoint) {
  std::string text(AliasLength, '0');
  for (unsigned value = 10000000u + AEndpoint % 90000000u, i = AliasLength; i-- > 0; value /= 10)
    text[i] = char('0' + value % 10);
  return text;
}

// Eight endpoints per address, spread from 127.16.0.0 on: a million
// endpoints reach 127.17.232.72.
uint32_t CallSignalAddressOf(unsigned AEndpoint) { return 0x7f100000u + (AEndpoint / 8) % 0xef0000u; }

unsigned CallSignalPortOf(unsigned AEndpoint) { return 0x1000 + AEndpoint % 8; }

std::string IdentifierOf(uint32_t AAddress, unsigned APort) {
  static const char digits[] = "0123456789abcdef";
  char text[24];
  size_t length = 0;
  auto hex = [&](uint32_t AValue) {
    int shift = 28;
    while (shift > 0 && (AValue >> shift) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) text[length++] = digits[(AValue >> shift) & 15];
  };
  hex(AAddress);
  text[length++] = ':';
  hex(APort);
  return std::string(text, length);
}

TEndpointValues EndpointOf(unsigned AEndpoint, uint32_t ARasAddress, unsigned ARasPort) {
  TEndpointValues values;
  values.RasAddress = ARasAddress;
  values.RasPort = ARasPort;
  values.CallSignalAddress = CallSignalAddressOf(AEndpoint);
  values.CallSignalPort = CallSignalPortOf(AEndpoint);
  values.Alias = AliasOf(AEndpoint);
  values.Identifier = IdentifierOf(values.CallSignalAddress, values.CallSignalPort);
  return values;
}

TCallValues CallOf(uint64_t ACall) {
  TCallValues call;
  Fill16(call.ConferenceID, ACall, 0x5c);
  Fill16(call.CallIdentifier, ACall, 0xa3);
  call.CallReference = unsigned(ACall % 65536);
  return call;
}

octets EncodeRegistration(unsigned ASequence, const TEndpointValues& AEndpoint) {
  H225::rasMessage message;
  H225::registrationRequest* rrq = FillRegistration(message, ASequence, AEndpoint);
  rrq->terminalAlias = new aliasList;
  AddH323Id(*rrq->terminalAlias, AEndpoint.Alias);
  return Encode(message);
}

octets EncodeKeepAlive(unsigned ASequence, const TEndpointValues& AEndpoint) {
  H225::rasMessage message;
  H225::registrationRequest* rrq = FillRegistration(message, ASequence, AEndpoint);
  *rrq->keepAlive = true;
  rrq->gatekeeperIdentifier = new asn::bmpString<1u, 128u, 1>;
  *rrq->gatekeeperIdentifier = "OrvoLoadGK";
  rrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
  *rrq->endpointIdentifier = AEndpoint.Identifier.c_str();
  return Encode(message);
}

octets EncodeAdmission(unsigned ASequence, const TEndpointValues& ACaller, const TEndpointValues& ACallee,
                       const TCallValues& ACall) {
  H225::rasMessage message;
  auto* arq = static_cast<H225::admissionRequest*>(message.select(rkAdmissionRequest));
  arq->requestSeqNum = ASequence;
  arq->callType.select(0);  // pointToPoint
  arq->callModel = new H225::callModel;
  arq->callModel->select(0);  // direct
  arq->endpointIdentifier = ACaller.Identifier.c_str();
  arq->destinationInfo = new aliasList;
  AddH323Id(*arq->destinationInfo, ACallee.Alias);
  AddH323Id(arq->srcInfo, ACaller.Alias);
  arq->bandWidth = 1280;
  arq->callReferenceValue = ACall.CallReference;
  arq->conferenceID.setValue(ACall.ConferenceID, 16);
  arq->activeMC = false;
  arq->answerCall = false;
  arq->callIdentifier = new H225::callIdentifier;
  arq->callIdentifier->guid.setValue(ACall.CallIdentifier, 16);
  arq->willSupplyUUIEs = new asn::booltype(false);
  return Encode(message);
}

octets EncodeDisengage(unsigned ASequence, const TEndpointValues& ACaller, const TCallValues& ACall) {
  H225::rasMessage message;
  auto* drq = static_cast<H225::disengageRequest*>(message.select(rkDisengageRequest));
  drq->requestSeqNum = ASequence;
  drq->endpointIdentifier = ACaller.Identifier.c_str();
  drq->conferenceID.setValue(ACall.ConferenceID, 16);
  drq->callReferenceValue = ACall.CallReference;
  drq->disengageReason.select(1);  // normalDrop
  drq->callIdentifier = new H225::callIdentifier;
  drq->callIdentifier->guid.setValue(ACall.CallIdentifier, 16);
  drq->answeredCall = new asn::booltype(false);
  return Encode(message);
}

TRasTemplates::TRasTemplates() {
  const TEndpointValues a = EndpointOf(1234, 0x7f0a0b0c, 0x3456), b = EndpointOf(2345, 0x7f0c0b0a, 0x5634);
  TEndpointValues otherAlias = a, otherIdentifier = a, otherCallee = b;
  otherAlias.Alias = Other(a.Alias);
  otherIdentifier.Identifier = Other(a.Identifier);
  otherCallee.Alias = Other(b.Alias);
  const TCallValues call = CallOf(77);
  TCallValues otherConference = call;
  for (int i = 0; i < 16; ++i) otherConference.ConferenceID[i] ^= 0xff;
  TCallValues otherReference = call;
  otherReference.CallReference ^= 0xffff;

  auto address = [](TEndpointValues v, int AWhich) {
    TEndpointValues w = v;
    TEndpointValues f = Flipped(v);
    if (AWhich == 0) w.RasAddress = f.RasAddress;
    if (AWhich == 1) w.RasPort = f.RasPort;
    if (AWhich == 2) w.CallSignalAddress = f.CallSignalAddress;
    if (AWhich == 3) w.CallSignalPort = f.CallSignalPort;
    return w;
  };

  FRegistration.Octets = EncodeRegistration(BaseSequence, a);
  const octets& r = FRegistration.Octets;
  FRegistration.Fields = {
      Locate(fkSequenceNumber, 2, r, EncodeRegistration(OtherSequence, a), "RRQ requestSeqNum"),
      Locate(fkOctets, 4, r, EncodeRegistration(BaseSequence, address(a, 0)), "RRQ rasAddress"),
      Locate(fkWord, 2, r, EncodeRegistration(BaseSequence, address(a, 1)), "RRQ rasAddress port"),
      Locate(fkOctets, 4, r, EncodeRegistration(BaseSequence, address(a, 2)), "RRQ callSignalAddress"),
      Locate(fkWord, 2, r, EncodeRegistration(BaseSequence, address(a, 3)), "RRQ callSignalAddress port"),
      Locate(fkBmpText, 2 * AliasLength, r, EncodeRegistration(BaseSequence, otherAlias), "RRQ terminalAlias"),
  };

  FKeepAlive.Octets = EncodeKeepAlive(BaseSequence, a);
  const octets& k = FKeepAlive.Octets;
  FKeepAlive.Fields = {
      Locate(fkSequenceNumber, 2, k, EncodeKeepAlive(OtherSequence, a), "keep-alive requestSeqNum"),
      Locate(fkOctets, 4, k, EncodeKeepAlive(BaseSequence, address(a, 0)), "keep-alive rasAddress"),
      Locate(fkWord, 2, k, EncodeKeepAlive(BaseSequence, address(a, 1)), "keep-alive rasAddress port"),
      Locate(fkOctets, 4, k, EncodeKeepAlive(BaseSequence, address(a, 2)), "keep-alive callSignalAddress"),
      Locate(fkWord, 2, k, EncodeKeepAlive(BaseSequence, address(a, 3)), "keep-alive callSignalAddress port"),
      Locate(fkBmpText, 2 * IdentifierLength, k, EncodeKeepAlive(BaseSequence, otherIdentifier),
             "keep-alive endpointIdentifier"),
  };

  FAdmission.Octets = EncodeAdmission(BaseSequence, a, b, call);
  const octets& q = FAdmission.Octets;
  FAdmission.Fields = {
      Locate(fkSequenceNumber, 2, q, EncodeAdmission(OtherSequence, a, b, call), "ARQ requestSeqNum"),
      Locate(fkBmpText, 2 * IdentifierLength, q, EncodeAdmission(BaseSequence, otherIdentifier, b, call),
             "ARQ endpointIdentifier"),
      Locate(fkBmpText, 2 * AliasLength, q, EncodeAdmission(BaseSequence, otherAlias, b, call), "ARQ srcInfo"),
      Locate(fkBmpText, 2 * AliasLength, q, EncodeAdmission(BaseSequence, a, otherCallee, call), "ARQ destinationInfo"),
      Locate(fkOctets, 16, q, EncodeAdmission(BaseSequence, a, b, otherConference), "ARQ conferenceID"),
      Locate(
          fkOctets, 16, q,
          [&] {
            TCallValues c = call;
            for (int i = 0; i < 16; ++i) c.CallIdentifier[i] ^= 0xff;
            return EncodeAdmission(BaseSequence, a, b, c);
          }(),
          "ARQ callIdentifier"),
      Locate(fkWord, 2, q, EncodeAdmission(BaseSequence, a, b, otherReference), "ARQ callReferenceValue"),
  };

  FDisengage.Octets = EncodeDisengage(BaseSequence, a, call);
  const octets& d = FDisengage.Octets;
  FDisengage.Fields = {
      Locate(fkSequenceNumber, 2, d, EncodeDisengage(OtherSequence, a, call), "DRQ requestSeqNum"),
      Locate(fkBmpText, 2 * IdentifierLength, d, EncodeDisengage(BaseSequence, otherIdentifier, call),
             "DRQ endpointIdentifier"),
      Locate(fkOctets, 16, d, EncodeDisengage(BaseSequence, a, otherConference), "DRQ conferenceID"),
      Locate(
          fkOctets, 16, d,
          [&] {
            TCallValues c = call;
            for (int i = 0; i < 16; ++i) c.CallIdentifier[i] ^= 0xff;
            return EncodeDisengage(BaseSequence, a, c);
          }(),
          "DRQ callIdentifier"),
      Locate(fkWord, 2, d, EncodeDisengage(BaseSequence, a, otherReference), "DRQ callReferenceValue"),
  };

  for (int kind : {rkRegistrationConfirm, rkRegistrationReject, rkAdmissionConfirm, rkAdmissionReject,
                   rkDisengageConfirm, rkDisengageReject, rkUnknownMessageResponse}) {
    TField field = Locate(fkSequenceNumber, 2, SampleAnswer(kind, BaseSequence), SampleAnswer(kind, OtherSequence),
                          "answer requestSeqNum");
    FSequenceOffset[kind] = field.Offset;
  }

  // An echo returns the requests themselves.
  FSequenceOffset[rkRegistrationRequest] = FRegistration.Fields[rfSequence].Offset;
  FSequenceOffset[rkAdmissionRequest] = FAdmission.Fields[afSequence].Offset;
  FSequenceOffset[rkDisengageRequest] = FDisengage.Fields[dfSequence].Offset;
  if (FKeepAlive.Fields[kfSequence].Offset != FRegistration.Fields[rfSequence].Offset)
    throw std::runtime_error("keep-alive and registration carry requestSeqNum at different places");

  std::string failure = SelfCheck();
  if (!failure.empty()) throw std::runtime_error(failure);
}

namespace {

void PutAddress(const TDatagramTemplate& ATemplate, octets& AOut, unsigned AField, uint32_t AHostOrder) {
  unsigned char bytes[4] = {(unsigned char)(AHostOrder >> 24), (unsigned char)(AHostOrder >> 16),
                            (unsigned char)(AHostOrder >> 8), (unsigned char)AHostOrder};
  ATemplate.PutOctets(AOut, AField, bytes);
}

}  // namespace

void TRasTemplates::MakeRegistration(octets& AOut, unsigned ASequence, const TEndpointValues& AEndpoint) const {
  const TDatagramTemplate& t = FRegistration;
  AOut = t.Octets;
  t.PutSequenceNumber(AOut, rfSequence, ASequence);
  PutAddress(t, AOut, rfRasAddress, AEndpoint.RasAddress);
  t.PutWord(AOut, rfRasPort, AEndpoint.RasPort);
  PutAddress(t, AOut, rfCallSignalAddress, AEndpoint.CallSignalAddress);
  t.PutWord(AOut, rfCallSignalPort, AEndpoint.CallSignalPort);
  t.PutText(AOut, rfAlias, AEndpoint.Alias.c_str());
}

void TRasTemplates::MakeKeepAlive(octets& AOut, unsigned ASequence, const TEndpointValues& AEndpoint) const {
  const TDatagramTemplate& t = FKeepAlive;
  AOut = t.Octets;
  t.PutSequenceNumber(AOut, kfSequence, ASequence);
  PutAddress(t, AOut, kfRasAddress, AEndpoint.RasAddress);
  t.PutWord(AOut, kfRasPort, AEndpoint.RasPort);
  PutAddress(t, AOut, kfCallSignalAddress, AEndpoint.CallSignalAddress);
  t.PutWord(AOut, kfCallSignalPort, AEndpoint.CallSignalPort);
  t.PutText(AOut, kfIdentifier, AEndpoint.Identifier.c_str());
}

void TRasTemplates::MakeAdmission(octets& AOut, unsigned ASequence, const TEndpointValues& ACaller,
                                  const TEndpointValues& ACallee, const TCallValues& ACall) const {
  const TDatagramTemplate& t = FAdmission;
  AOut = t.Octets;
  t.PutSequenceNumber(AOut, afSequence, ASequence);
  t.PutText(AOut, afIdentifier, ACaller.Identifier.c_str());
  t.PutText(AOut, afSource, ACaller.Alias.c_str());
  t.PutText(AOut, afDestination, ACallee.Alias.c_str());
  t.PutOctets(AOut, afConference, ACall.ConferenceID);
  t.PutOctets(AOut, afCallIdentifier, ACall.CallIdentifier);
  t.PutWord(AOut, afReference, ACall.CallReference);
}

void TRasTemplates::MakeDisengage(octets& AOut, unsigned ASequence, const TEndpointValues& ACaller,
                                  const TCallValues& ACall) const {
  const TDatagramTemplate& t = FDisengage;
  AOut = t.Octets;
  t.PutSequenceNumber(AOut, dfSequence, ASequence);
  t.PutText(AOut, dfIdentifier, ACaller.Identifier.c_str());
  t.PutOctets(AOut, dfConference, ACall.ConferenceID);
  t.PutOctets(AOut, dfCallIdentifier, ACall.CallIdentifier);
  t.PutWord(AOut, dfReference, ACall.CallReference);
}

int TRasTemplates::KindOf(const unsigned char* AData, size_t ALength) {
  if (ALength == 0 || (AData[0] & 0x80)) return -1;
  return (AData[0] >> 2) & 0x1f;
}

unsigned TRasTemplates::SequenceOf(int AKind, const unsigned char* AData, size_t ALength) const {
  if (AKind < 0 || AKind >= 32 || FSequenceOffset[AKind] == 0) return 0;
  size_t at = FSequenceOffset[AKind];
  if (at + 2 > ALength) return 0;
  return ((unsigned(AData[at]) << 8) | AData[at + 1]) + 1;
}

std::string TRasTemplates::SelfCheck() const {
  std::mt19937 random(33);
  octets patched;
  for (int round = 0; round < 16; ++round) {
    unsigned sequence = 1 + random() % 65535;
    TEndpointValues caller = EndpointOf(random() % 1000000, 0x7f000000u | (random() & 0xffffff), random() % 65536);
    TEndpointValues callee = EndpointOf(random() % 1000000, 0x7f000000u | (random() & 0xffffff), random() % 65536);
    TCallValues call = CallOf((uint64_t(random()) << 32) | random());
    MakeRegistration(patched, sequence, caller);
    if (patched != EncodeRegistration(sequence, caller))
      return "a patched registration request differs from its encoding";
    MakeKeepAlive(patched, sequence, caller);
    if (patched != EncodeKeepAlive(sequence, caller)) return "a patched keep-alive differs from its encoding";
    MakeAdmission(patched, sequence, caller, callee, call);
    if (patched != EncodeAdmission(sequence, caller, callee, call))
      return "a patched admission request differs from its encoding";
    MakeDisengage(patched, sequence, caller, call);
    if (patched != EncodeDisengage(sequence, caller, call))
      return "a patched disengage request differs from its encoding";
    for (int kind : {rkRegistrationConfirm, rkAdmissionConfirm, rkDisengageConfirm, rkRegistrationReject}) {
      octets answer = SampleAnswer(kind, sequence);
      if (KindOf(answer.data(), answer.size()) != kind || SequenceOf(kind, answer.data(), answer.size()) != sequence)
        return "an answer's kind or requestSeqNum is not read back";
    }
  }
  return "";
}

}  // namespace rasload
