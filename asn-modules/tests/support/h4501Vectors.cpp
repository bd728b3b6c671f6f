#include "h4501Vectors.h"

#include "valueFiller.h"

namespace {

// X880::code alternatives, X880::ros alternatives.
constexpr int local = 0, global = 1;
constexpr int invokePdu = 0, returnResultPdu = 1, returnErrorPdu = 2, rejectPdu = 3;

template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

template <class T>
T* attach(T*& member) {
  delete member;
  member = new T;
  return member;
}

void setLocal(X880::code& code, unsigned value) { *pick<asn::integer<0u, 0u, 1>>(code, local) = value; }

// {itu-t(0) recommendation(0) h(8) 2250 version(0) 4}
void setGlobal(X880::code& code) {
  const uint32_t arcs[] = {0, 0, 8, 2250, 0, 4};
  pick<asn::oid>(code, global)->set(arcs, 6);
}

void setOctets(asn::octetStringBase& value, const char* octets, unsigned length) { value.setValue(octets, length); }

X880::ros* rosHolding(int alternative, asn::object* pdu) {
  auto* ros = new X880::ros;
  ros->setAlternative(alternative, pdu);
  return ros;
}

// Every vector's value as its own type.
template <class T>
std::unique_ptr<asn::object> own(T* value) {
  return std::unique_ptr<asn::object>(value);
}

std::unique_ptr<asn::object> owned(std::unique_ptr<H4501::supplementaryService> apdu) {
  return std::unique_ptr<asn::object>(apdu.release());
}

// -- whole APDUs ----------------------------------------------------------

std::unique_ptr<asn::object> bareInvoke() { return owned(apduOf({rosOf(localInvoke(1, 0))})); }

std::unique_ptr<asn::object> invokeWithFacility() {
  X880::invoke* invoke = localInvoke(1, 101);  // holdNotific
  *attach(invoke->linkedId) = 7;
  setOctets(*attach(invoke->argument), "\x00", 1);
  auto apdu = apduOf({rosOf(invoke)});
  auto* facility = attach(apdu->networkFacilityExtension);
  facility->sourceEntity.select(0);       // endpoint
  facility->destinationEntity.select(1);  // anyEntity
  *pick<asn::constrainedString>(*attach(facility->destinationEntityAddress), 0) = "1234";
  attach(apdu->interpretationApdu)->select(2);  // rejectAnyUnrecognizedInvokePdu
  return owned(std::move(apdu));
}

X880::returnResult* resultOf(unsigned invokeId) {
  auto* result = new X880::returnResult;
  result->invokeId = invokeId;
  return result;
}

std::unique_ptr<asn::object> returnResultApdu() {
  X880::returnResult* result = resultOf(5);
  auto* body = attach(result->result);
  setLocal(body->opcode, 103);  // remoteHold
  setOctets(body->result, "\x00", 1);
  return owned(apduOf({rosHolding(returnResultPdu, result)}));
}

std::unique_ptr<asn::object> returnErrorApdu() {
  auto* error = new X880::returnError;
  error->invokeId = 9;
  setLocal(error->errorCode, 1008);
  return owned(apduOf({rosHolding(returnErrorPdu, error)}));
}

X880::reject* rejectOf(unsigned invokeId, unsigned invokeProblem) {
  auto* reject = new X880::reject;
  reject->invokeId = invokeId;
  *pick<X880::invokeProblem>(reject->problem, 1) = invokeProblem;
  return reject;
}

std::unique_ptr<asn::object> rejectApdu() { return owned(apduOf({rosHolding(rejectPdu, rejectOf(2, 5))})); }

std::unique_ptr<asn::object> globalOpcodeAndAnswer() {
  auto* invoke = new X880::invoke;
  invoke->invokeId = 3;
  setGlobal(invoke->opcode);
  return owned(apduOf({rosOf(invoke), rosHolding(returnResultPdu, resultOf(3))}));
}

std::unique_ptr<asn::object> namedSource() {
  auto apdu = apduOf({rosOf(localInvoke(4, 1))});
  auto* facility = attach(apdu->networkFacilityExtension);
  facility->sourceEntity.select(1);
  *pick<asn::bmpStringBase>(*attach(facility->sourceEntityAddress), 1) = "ab";
  facility->destinationEntity.select(0);
  return owned(std::move(apdu));
}

// -- single values ----------------------------------------------------------

std::unique_ptr<asn::object> rosReject() { return own(rosHolding(rejectPdu, rejectOf(2, 5))); }

std::unique_ptr<asn::object> largestInvokeId() { return own(localInvoke(65535, 0)); }

std::unique_ptr<asn::object> resultWithoutBody() { return own(resultOf(5)); }

std::unique_ptr<asn::object> rejectAnyUnrecognized() {
  auto* value = new H4501::interpretationApdu;
  value->select(2);
  return own(value);
}

std::unique_ptr<asn::object> networkProvided() {
  auto* value = new H4501::screeningIndicator;
  value->setIndex(3);
  return own(value);
}

std::unique_ptr<asn::object> globalExtension() {
  auto* value = new H4501::extension;
  setGlobal(value->extensionId);
  setOctets(value->extensionArgument, "\xAB", 1);
  return own(value);
}

std::unique_ptr<asn::object> localExtension() {
  auto* value = new H4501::extension;
  setLocal(value->extensionId, 3);
  setOctets(value->extensionArgument, "\x01\x02", 2);
  return own(value);
}

std::unique_ptr<asn::object> userSubaddress() {
  auto* value = new H4501::partySubaddress;
  auto* user = pick<H4501::userSpecifiedSubaddress>(*value, 0);
  setOctets(user->subaddressInformation, "\xA1\xB2\xC3", 3);
  *attach(user->oddCountIndicator) = true;
  return own(value);
}

std::unique_ptr<asn::object> nsapSubaddress() {
  auto* value = new H4501::partySubaddress;
  setOctets(*pick<asn::octetStringBase>(*value, 1), "\x12\x34", 2);
  return own(value);
}

std::unique_ptr<asn::object> screenedDataNumber() {
  auto* value = new H4501::numberScreened;
  *pick<asn::constrainedString>(value->partyNumber, 1) = "12";
  value->screeningIndicator.setIndex(3);
  return own(value);
}

std::unique_ptr<asn::object> endpointDigits() {
  auto* value = new H4501::endpointAddress;
  *pick<asn::constrainedString>(*value->destinationAddress.appendNew(), 0) = "5";
  return own(value);
}

std::unique_ptr<asn::object> badlyStructured() {
  auto* value = new X880::generalProblem;
  *value = 2;
  return own(value);
}

}  // namespace

X880::invoke* localInvoke(unsigned invokeId, unsigned opcode) {
  auto* invoke = new X880::invoke;
  invoke->invokeId = invokeId;
  setLocal(invoke->opcode, opcode);
  return invoke;
}

X880::ros* rosOf(X880::invoke* invoke) { return rosHolding(invokePdu, invoke); }

std::unique_ptr<H4501::supplementaryService> apduOf(std::vector<X880::ros*> pdus) {
  auto apdu = std::make_unique<H4501::supplementaryService>();
  auto& list = *pick<asn::sequenceOf<X880::ros, 1u, 4294967295u, 1>>(apdu->serviceApdu, 0);
  for (X880::ros* pdu : pdus) list.append(pdu);
  return apdu;
}

asn::sequenceOf<X880::ros, 1u, 4294967295u, 1>& rosApdus(H4501::supplementaryService& apdu) {
  return *static_cast<asn::sequenceOf<X880::ros, 1u, 4294967295u, 1>*>(apdu.serviceApdu.alternative());
}

// The bit layouts are worked out in the comments: '|' separates fields,
// '.' is alignment padding.
const std::vector<h4501Vector>& apduVectors() {
  static const std::vector<h4501Vector> vectors = {
      // ext 0|no facility 0|no interpretation 0|serviceApdus ext 0|.... count 01 |
      // ros 00|no linked 0|no argument 0|.... id 0001 | code 0|....... 01 00
      {"invoke-bare", "00 01 00 00 01 00 01 00", bareInvoke},
      // 0|1|1 facility: 0|0|1 source 0 0 destination 0 1 address 0 0 length 0000011 .....
      // digits 1234 = indices 4 5 6 7 | interpretation 0 10 | service 0 .... count 01 |
      // ros 00 1 1 .... 0001 | linked 01 07 | code 0 ....... 01 65 | argument 01 00
      {"invoke-with-facility", "64 40 60 45 67 40 01 30 00 01 01 07 00 01 65 01 00", invokeWithFacility},
      // 000 0 .... 01 | ros 01 result present 1 ..... 01 05 | result ext 0 code 0 ...... 01 67 | 01 00
      {"return-result", "00 01 60 01 05 00 01 67 01 00", returnResultApdu},
      // 000 0 .... 01 | ros 10 no parameter 0 ..... 01 09 | code 0 ....... 02 03 f0
      {"return-error", "00 01 80 01 09 00 02 03 f0", returnErrorApdu},
      // 000 0 .... 01 | ros 11 ...... 01 02 | problem 01 ...... 01 05
      {"reject", "00 01 c0 01 02 40 01 05", rejectApdu},
      // 000 0 .... 02 | ros 00 0 0 .... 0003 | code 1 ....... OID 06 00 08 91 4a 00 04 |
      // ros 01 no result 0 ..... 01 03
      {"global-opcode-and-answer", "00 02 00 00 03 80 06 00 08 91 4a 00 04 40 01 03", globalOpcodeAndAnswer},
      // 0|1|0 facility 0|1|0 source 0 1 address 0 1 ...... length-1 01 | 0061 0062 |
      // destination 0 0 service 0 ..... 01 | ros 00 0 0 .... 0004 | 0 ....... 01 01
      {"named-source", "49 40 01 00 61 00 62 00 01 00 00 04 00 01 01", namedSource},
  };
  return vectors;
}

const std::vector<h4501Vector>& partVectors() {
  static const std::vector<h4501Vector> vectors = {
      // Reject is index 3 in two bits, no extension bit.
      {"ros-reject", "c0 01 02 40 01 05", rosReject},
      // Two presence bits, no extension bit, then 65535 in two aligned octets.
      {"invoke-largest-id", "00 ff ff 00 01 00", largestInvokeId},
      // One presence bit, then the unconstrained 5 as a length octet and one value octet.
      {"return-result-id-only", "00 01 05", resultWithoutBody},
      // Extension bit 0, index 2 in two bits.
      {"interpretation-reject-any", "40", rejectAnyUnrecognized},
      // Extension bit 0, index 3 in two bits.
      {"screening-network-provided", "60", networkProvided},
      // No extension bit: the code's index bit, the OID, then the octet string.
      {"extension-global", "80 06 00 08 91 4a 00 04 01 ab", globalExtension},
      {"extension-local", "00 01 03 02 01 02", localExtension},
      // choice 0 0 | ext 0 odd present 1 | length-1 00010 ....... | a1 b2 c3 | odd 1
      {"subaddress-user-specified", "11 00 a1 b2 c3 80", userSubaddress},
      // choice 0 1 | length-1 00001 . | the two octets aligned after the length.
      {"subaddress-nsap-two-octets", "42 12 34", nsapSubaddress},
      // ext 0 | number 0 001 length-1 0000001 .... | 1 2 = indices 4 5 | screening 0 11
      {"number-screened-data", "08 10 45 60", screenedDataNumber},
      // ext 0 absent 0 ...... count 01 | alias 0 0 length-1 0000000 ....... | 5 = index 8
      {"endpoint-address-digits", "00 01 00 00 80", endpointDigits},
      // A named integer is an unconstrained INTEGER.
      {"general-problem", "01 02", badlyStructured},
  };
  return vectors;
}

std::unique_ptr<H225::h323_UserInformation> carrying(const std::vector<const h4501Vector*>& apdus) {
  auto information = std::make_unique<H225::h323_UserInformation>();
  H225::h323_uu_pdu& pdu = information->h323_uu_pdu;
  pdu.h323_message_body.select(8);  // empty
  auto* list = attach(pdu.h4501SupplementaryService);
  for (const h4501Vector* apdu : apdus) {
    std::vector<unsigned char> octets = perOctets(*apdu->make());
    list->appendNew()->setValue(octets.data(), unsigned(octets.size()));
  }
  return information;
}
