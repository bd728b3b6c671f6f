// The H.450.1 and X.880 modules: every type as its list states it, the
// APDUs and PDUs against octets worked out by hand, the constraints that
// set the modules apart, and the descriptor-only records.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include <asn/perCodec.h>
#include <orvo/exception.h>

#include "h4501Vectors.h"
#include "orvoTesting.h"
#include "typeCatalogue.h"
#include "valueFiller.h"

namespace {

std::string encodingOf(const asn::object& value) {
  try {
    return perHex(value);
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return "throws " + toStd(*owned->message());
  }
}

std::vector<unsigned char> octetsOf(const std::string& hex) {
  std::vector<unsigned char> octets;
  std::istringstream in(hex);
  unsigned value;
  while (in >> std::hex >> value) octets.push_back((unsigned char)value);
  return octets;
}

std::string printed(const asn::object& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

// A default value of the same type as `value`.
asn::object* emptyLike(const asn::object& value) {
  for (const auto* catalogue : {&catalogueOf("H4501"), &catalogueOf("X880")})
    for (const catalogueEntry& e : *catalogue)
      if (e.record == value.record() && e.make) return e.make();
  throw std::runtime_error("not catalogued");
}

void expectEncodeFailure(const asn::object& value, const char* text) {
  asn::per::codec encoder;
  ORVO_EXPECT_THROW(value.encode(encoder), asn::per::codec::encodeConstrainedCheckFailed, text);
}

}  // namespace

TEST(h4501Modules, listTheirClassesAndDescriptorOnlyRecords) {
  unsigned classes[2][4] = {};  // SEQUENCE, CHOICE, ENUMERATED, INTEGER
  std::vector<std::string> descriptorOnly, withoutCreate;
  const std::vector<const std::vector<catalogueEntry>*> modules = {&catalogueOf("H4501"), &catalogueOf("X880")};
  for (unsigned m = 0; m < 2; ++m) {
    for (const catalogueEntry& e : *modules[m]) {
      if (!e.make) {
        descriptorOnly.push_back(e.name);
        continue;
      }
      if (!e.create) withoutCreate.push_back(e.name);
      std::string kind = e.kind;
      ++classes[m][kind == "SEQUENCE" ? 0 : kind == "CHOICE" ? 1 : kind == "ENUMERATED" ? 2 : 3];
    }
  }
  EXPECT_EQ((std::vector<unsigned>(classes[0], classes[0] + 4)), (std::vector<unsigned>{8, 4, 1, 0}));
  EXPECT_EQ((std::vector<unsigned>(classes[1], classes[1] + 4)), (std::vector<unsigned>{5, 3, 0, 4}));
  EXPECT_EQ(descriptorOnly,
            (std::vector<std::string>{"H4501::presentedAddressScreened", "H4501::presentedAddressUnscreened",
                                      "H4501::presentedNumberScreened", "H4501::presentedNumberUnscreened",
                                      "H4501::generalErrorList", "X880::rejectProblem"}));
  EXPECT_EQ(withoutCreate,
            (std::vector<std::string>{"H4501::supplementaryService", "H4501::endpointAddress", "H4501::extension"}));
}

TEST(h4501Modules, descriptorOnlyRecordsHoldThePublishedLists) {
  const auto& screened = H4501::presentedAddressScreenedDescriptor;
  ASSERT_EQ(screened.count, 4u);
  EXPECT_EQ(screened.rootCount, 4u);
  EXPECT_TRUE(screened.extensible);
  EXPECT_STREQ(screened.alternatives[3].name, "PresentationRestrictedAddress");
  // Their alternatives are made by the classes they name.
  std::unique_ptr<asn::object> made(screened.alternatives[0].create());
  EXPECT_NE(dynamic_cast<H4501::addressScreened*>(made.get()), nullptr);
  made.reset(H4501::presentedNumberUnscreenedDescriptor.alternatives[3].create());
  EXPECT_NE(dynamic_cast<H225::partyNumber*>(made.get()), nullptr);
  made.reset(H4501::presentedAddressUnscreenedDescriptor.alternatives[0].create());
  EXPECT_NE(dynamic_cast<H4501::address*>(made.get()), nullptr);
  made.reset(H4501::presentedNumberScreenedDescriptor.alternatives[1].create());
  EXPECT_NE(dynamic_cast<asn::null*>(made.get()), nullptr);

  const auto& errors = H4501::generalErrorListDescriptor;
  ASSERT_EQ(errors.count, 13u);
  EXPECT_FALSE(errors.extensible);
  EXPECT_EQ(errors.values[4].value, 5u);  // 4 is not a general error
  EXPECT_STREQ(errors.values[4].name, "InsufficientInformation");
  EXPECT_EQ(errors.values[12].value, 43u);
  EXPECT_STREQ(errors.values[12].name, "ProceduralError");

  const auto& problems = X880::rejectProblemInfo;
  ASSERT_EQ(problems.namedCount, 19u);
  EXPECT_EQ(problems.lowerBound, 0u);
  EXPECT_EQ(problems.upperBound, 0u);
  EXPECT_EQ(problems.namedValues[3].value, 10u);
  EXPECT_STREQ(problems.namedValues[18].name, "ReturnError_mistypedParameter");
}

TEST(h4501Modules, problemCodesAreNamedPerKind) {
  X880::invokeProblem problem;
  problem = 5;
  EXPECT_EQ(toStd(problem.name()), "UnrecognizedLinkedId");
  const auto& combined = X880::rejectProblemInfo;
  ASSERT_EQ(combined.namedValues[8].value, 15u);
  EXPECT_STREQ(combined.namedValues[8].name, "Invoke_unrecognizedLinkedId");
  problem = 8;
  EXPECT_EQ(toStd(problem.name()), "unknown");
}

class handWorkedVector : public testing::TestWithParam<const h4501Vector*> {};

TEST_P(handWorkedVector, encodesToItsOctetsAndDecodesBack) {
  const h4501Vector& v = *GetParam();
  std::unique_ptr<asn::object> value = v.make();
  EXPECT_EQ(encodingOf(*value), v.hex);
  std::unique_ptr<asn::object> decoded(emptyLike(*value));
  std::string failure;
  try {
    perDecode(*decoded, octetsOf(v.hex));
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    FAIL() << toStd(*owned->message());
  }
  EXPECT_TRUE(decoded->isEqual(*value));
  EXPECT_EQ(encodingOf(*decoded), v.hex);
}

std::vector<const h4501Vector*> everyVector() {
  std::vector<const h4501Vector*> all;
  for (const auto* list : {&apduVectors(), &partVectors()})
    for (const h4501Vector& v : *list) all.push_back(&v);
  return all;
}

std::string vectorName(const testing::TestParamInfo<const h4501Vector*>& info) {
  std::string name;
  for (char c : info.param->name) name += std::isalnum((unsigned char)c) ? c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(h4501Modules, handWorkedVector, testing::ValuesIn(everyVector()), vectorName);

TEST(h4501Modules, onlyTheInvokeIdentifierOfAnInvokeIsConstrained) {
  X880::invoke invoke;
  EXPECT_EQ(invoke.invokeId.lowerBound(), 0u);
  EXPECT_EQ(invoke.invokeId.upperBound(), 65535u);
  std::unique_ptr<asn::object> linked(X880::invoke::descriptor.components[1].create());
  EXPECT_EQ(static_cast<asn::integerBase*>(linked.get())->upperBound(), 0u);
  EXPECT_EQ(X880::returnResult().invokeId.upperBound(), 0u);
  EXPECT_EQ(X880::returnError().invokeId.upperBound(), 0u);
  EXPECT_EQ(X880::reject().invokeId.upperBound(), 0u);

  std::unique_ptr<X880::invoke> tooLarge(localInvoke(65536, 0));
  expectEncodeFailure(*tooLarge, "Encode integer constraint check failed.");
  // The others take any 32-bit number: a length octet and the fewest octets
  // of its two's complement, the stored bits read as a signed number.
  X880::returnResult result;
  result.invokeId = 65536;
  EXPECT_EQ(encodingOf(result), "00 03 01 00 00");
  X880::reject reject;
  reject.invokeId = 4294967295u;
  *static_cast<X880::generalProblem*>(reject.problem.select(0)) = 0;
  EXPECT_EQ(encodingOf(reject), "01 ff 00 01 00");
  reject.invokeId = 200;
  EXPECT_EQ(encodingOf(reject), "02 00 c8 00 01 00");
  std::unique_ptr<asn::object> linkedId(linked.release());
  *static_cast<asn::integerBase*>(linkedId.get()) = 70000;
  tooLarge->invokeId = 65535;
  tooLarge->linkedId = static_cast<asn::integer<0u, 0u, 1>*>(linkedId.release());
  // presence 1 0 ..... ff ff | linked 03 01 11 70 | code 0 ....... 01 00
  EXPECT_EQ(encodingOf(*tooLarge), "80 ff ff 03 01 11 70 00 01 00");
}

TEST(h4501Modules, subaddressesHoldOneToTwentyOctets) {
  H4501::userSpecifiedSubaddress user;
  expectEncodeFailure(user, "Encode integer constraint check failed.");
  user.subaddressInformation.setValue(std::string(20, 'x').c_str(), 20);
  EXPECT_EQ(encodingOf(user).substr(0, 6), "26 78 ");  // 0 0 10011 ., then the octets
  user.subaddressInformation.setValue(std::string(21, 'x').c_str(), 21);
  expectEncodeFailure(user, "Encode length constraint check failed.");
  H4501::partySubaddress nsap;
  auto* octets = static_cast<asn::octetStringBase*>(nsap.select(1));
  expectEncodeFailure(nsap, "Encode integer constraint check failed.");
  octets->setValue(std::string(21, 'x').c_str(), 21);
  expectEncodeFailure(nsap, "Encode length constraint check failed.");
}

TEST(h4501Modules, rosApdusCountIsALengthWithoutUpperBound) {
  std::vector<X880::ros*> pdus;
  for (unsigned i = 0; i < 130; ++i) pdus.push_back(rosOf(localInvoke(i, 0)));
  auto apdu = apduOf(pdus);
  std::string hex = encodingOf(*apdu);
  // 130 in the two-octet form 10 and 14 bits; the first PDU follows.
  EXPECT_EQ(hex.substr(0, 24), "00 80 82 00 00 00 00 01 ");
  H4501::supplementaryService decoded;
  perDecode(decoded, octetsOf(hex));
  EXPECT_EQ(rosApdus(decoded).count(), 130u);
  EXPECT_TRUE(decoded.isEqual(*apdu));
  // 127 still takes one octet.
  pdus.clear();
  for (unsigned i = 0; i < 127; ++i) pdus.push_back(rosOf(localInvoke(i, 0)));
  EXPECT_EQ(encodingOf(*apduOf(pdus)).substr(0, 9), "00 7f 00 ");
}

TEST(h4501Modules, tracesNameEveryElement) {
  for (const h4501Vector& v : apduVectors()) {
    if (v.name == "invoke-with-facility") {
      EXPECT_EQ(printed(*v.make()),
                " {\n"
                "  NetworkFacilityExtension {\n"
                "    SourceEntity Endpoint\n"
                "    DestinationEntity AnyEntity\n"
                "    DestinationEntityAddress DialedDigits: '1234'\n"
                "  }\n"
                "  InterpretationApdu RejectAnyUnrecognizedInvokePdu\n"
                "  ServiceApdu RosApdus count(1) {\n"
                "    #0 Invoke {\n"
                "      InvokeId: 1 (0x1)\n"
                "      LinkedId: 7 (0x7)\n"
                "      Opcode Local: 101 (0x65)\n"
                "      Argument: 1 octets [00]\n"
                "    }\n"
                "  }\n"
                "}");
    }
    if (v.name == "reject") {
      EXPECT_EQ(printed(*v.make()),
                " {\n"
                "  ServiceApdu RosApdus count(1) {\n"
                "    #0 Reject {\n"
                "      InvokeId: 2 (0x2)\n"
                "      Problem Invoke: UnrecognizedLinkedId (5)\n"
                "    }\n"
                "  }\n"
                "}");
    }
  }
}

// Call signalling carries APDUs as octet strings; each decodes on its own.
TEST(h4501Modules, apdusTravelAsOctetStringsOfCallSignalling) {
  std::vector<const h4501Vector*> apdus;
  for (const h4501Vector& v : apduVectors()) apdus.push_back(&v);
  std::vector<unsigned char> octets = perOctets(*carrying(apdus));
  H225::h323_UserInformation received;
  perDecode(received, octets);
  ASSERT_NE(received.h323_uu_pdu.h4501SupplementaryService, nullptr);
  const auto& list = *received.h323_uu_pdu.h4501SupplementaryService;
  ASSERT_EQ(list.count(), apdus.size());
  size_t i = 0;
  for (const orvo::listNode* node = list.elements().head(); node; node = node->next, ++i) {
    const auto* carried = list.element(node);
    H4501::supplementaryService apdu;
    perDecode(apdu, std::vector<unsigned char>(carried->value().buffer(),
                                               carried->value().buffer() + carried->value().length()));
    EXPECT_TRUE(apdu.isEqual(*apdus[i]->make())) << apdus[i]->name;
    EXPECT_EQ(encodingOf(apdu), apdus[i]->hex);
  }
}
