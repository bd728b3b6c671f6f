// The H.225.0 common types: encodings worked out by hand from X.691 and the
// type lists, the shape facts their lists state, and their failures.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <h225/h225.h>

#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

using constraintFailure = asn::per::codec::encodeConstrainedCheckFailed;

template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

void setOctets(asn::octetStringBase& value, unsigned count, unsigned char first) {
  std::string octets;
  for (unsigned i = 0; i < count; ++i) octets += char(first + i);
  value.setValue(octets.data(), count);
}

std::string sixteenFrom(unsigned char first) {
  std::vector<unsigned char> octets;
  for (unsigned i = 0; i < 16; ++i) octets.push_back((unsigned char)(first + i));
  return hexText(octets);
}

// Decodes the octets into a fresh T and checks that the value equals `value`
// and encodes to the same octets.
template <class T>
void expectRoundTrip(const T& value) {
  std::vector<unsigned char> octets = perOctets(value);
  T decoded;
  perDecode(decoded, octets);
  EXPECT_TRUE(decoded.isEqual(value)) << hexText(octets);
  EXPECT_EQ(perHex(decoded), hexText(octets));
}

void setIp(H225::transportAddress& address, unsigned port) {
  auto* ip = pick<H225::transportAddress::ipAddress_sequence>(address, 0);
  ip->ip.setValue("\x01\x02\x03\x04", 4);
  ip->port = port;
}

}  // namespace

TEST(transportAddress, ipv4IsAChoiceBitsThenAlignedAddressAndPort) {
  H225::transportAddress address;
  setIp(address, 1720);
  // extension bit 0, index 0 in three bits, padding; 1.2.3.4; port 1720.
  EXPECT_EQ(perHex(address), "00 01 02 03 04 06 b8");
  expectRoundTrip(address);
}

TEST(transportAddress, theIpv4SequenceHasNoExtensionBitTheIpv6OneHas) {
  H225::transportAddress::ipAddress_sequence v4;
  v4.ip.setValue("\x01\x02\x03\x04", 4);
  v4.port = 1720;
  EXPECT_EQ(perHex(v4), "01 02 03 04 06 b8");
  H225::transportAddress::ipAddress_sequence decoded;
  perDecode(decoded, {0x0a, 0x00, 0x00, 0x01, 0x06, 0xb7});
  EXPECT_EQ(decoded.port.value(), 1719u);
  EXPECT_EQ(hexText({decoded.ip.data(), decoded.ip.data() + 4}), "0a 00 00 01");

  H225::transportAddress address;
  auto* v6 = pick<H225::transportAddress::ip6Address_sequence>(address, 3);
  setOctets(v6->ip, 16, 0x20);
  v6->port = 1720;
  // 0, index 3 (011), the sequence's own extension bit 0, padding.
  EXPECT_EQ(perHex(address), "30 " + sixteenFrom(0x20) + " 06 b8");
  expectRoundTrip(address);
}

TEST(transportAddress, addressOfTheWrongSizeIsRefused) {
  H225::transportAddress address;
  setIp(address, 1720);
  static_cast<H225::transportAddress::ipAddress_sequence*>(address.alternative())->ip.setValue("\x01\x02\x03", 3);
  ORVO_EXPECT_THROW(perOctets(address), constraintFailure, "Encode length constraint check failed.");
}

TEST(nonStandardParameter, isNotExtensibleItsIdentifierIs) {
  H225::nonStandardParameter parameter;
  auto* h221 = pick<H225::h221NonStandard>(parameter.nonStandardIdentifier, 1);
  h221->t35CountryCode = 181;
  h221->t35Extension = 0;
  h221->manufacturerCode = 21324;
  parameter.data.setValue("\x01\x02\x03", 3);
  // identifier: extension bit 0, index 1, h221NonStandard's extension bit 0;
  // then country and extension octets, manufacturer code, data with its length.
  EXPECT_EQ(perHex(parameter), "40 b5 00 53 4c 03 01 02 03");
  expectRoundTrip(parameter);
}

TEST(aliasAddress, dialedDigitsAreFourBitIndicesOfTheirAlphabet) {
  H225::aliasAddress alias;
  *pick<asn::constrainedString>(alias, 0) = "123";
  // 0, index 0, length 3 as 2 in seven bits, padding; '1' '2' '3' are 4 5 6.
  EXPECT_EQ(perHex(alias), "01 00 45 60");
  expectRoundTrip(alias);
}

TEST(aliasAddress, h323IdIsABmpString) {
  H225::aliasAddress alias;
  *pick<asn::bmpStringBase>(alias, 1) = "ab";
  EXPECT_EQ(perHex(alias), "40 01 00 61 00 62");
  expectRoundTrip(alias);
}

TEST(aliasAddress, alternativesTwoToSixAreExtensionAlternatives) {
  H225::aliasAddress url, email, transport;
  *pick<asn::constrainedString>(url, 2) = "a";
  *pick<asn::constrainedString>(email, 4) = "a";
  setIp(*pick<H225::transportAddress>(transport, 3), 1720);
  // extension bit 1, the addition's number as a normally small number, then
  // the alternative as an open type.
  EXPECT_EQ(perHex(url), "80 03 00 00 61");
  EXPECT_EQ(perHex(email), "82 03 00 00 61");
  EXPECT_EQ(perHex(transport), "81 07 00 01 02 03 04 06 b8");
  expectRoundTrip(url);
  expectRoundTrip(email);
  expectRoundTrip(transport);
}

TEST(aliasAddress, digitsOutsideTheirSizeAreRefused) {
  H225::aliasAddress alias;
  *pick<asn::constrainedString>(alias, 0) = "";
  ORVO_EXPECT_THROW(perOctets(alias), constraintFailure, "Encode integer constraint check failed.");
  *static_cast<asn::constrainedString*>(alias.alternative()) = std::string(129, '1').c_str();
  ORVO_EXPECT_THROW(perOctets(alias), constraintFailure, "Encode length constraint check failed.");
}

TEST(aliasAddress, traceNamesTheSelectedAlternative) {
  H225::aliasAddress alias;
  EXPECT_EQ(alias.index(), -1);
  auto* id = dynamic_cast<asn::bmpStringBase*>(alias.select(1));
  ASSERT_NE(id, nullptr);
  *id = "gk";
  EXPECT_STREQ(alias.alternativeName(), "H323_ID");
  std::ostringstream trace;
  trace << alias;
  EXPECT_EQ(trace.str(), " H323_ID: 'gk'");
}

TEST(partyNumber, publicNumberIsNotExtensibleItsTypeOfNumberIs) {
  H225::partyNumber number;
  auto* e164 = pick<H225::publicPartyNumber>(number, 0);
  e164->publicTypeOfNumber.select(1);  // internationalNumber
  e164->publicNumberDigits = "4930";
  // 0 000 (e164Number), no bit for publicPartyNumber, 0 001, length 3 in 7
  // bits, padding, then '4' '9' '3' '0' as 7 12 6 3.
  EXPECT_EQ(perHex(number), "01 06 7c 63");
  expectRoundTrip(number);
}

using tbcdImsi = asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>;
using tbcdPlmn = asn::IA5String<1u, 4u, 1, H225::PermitedAlphabet1, 15u>;

// The 15 characters "#*0123456789abc" go as their 4-bit index: '#' 0, '*' 1,
// '0' 2 ... '9' 11, 'a' 12, 'b' 13, 'c' 14.
TEST(gsmUim, tbcdStringsAreSizedLengthsThenAlignedIndices) {
  H225::gsm_uim uim;
  uim.imsi = new tbcdImsi;
  *uim.imsi = "262011234567890";
  // extension bit 0, presence 100000, length 15 - 3 = 12 in 4 bits, padding,
  // then 4 8 4 2 3 3 4 5 6 7 8 9 a b 2 and a padding nibble.
  EXPECT_EQ(perHex(uim), "41 80 48 42 33 45 67 89 ab 20");
  expectRoundTrip(uim);
  *uim.imsi = "123";
  EXPECT_EQ(perHex(uim), "40 00 34 50");
  expectRoundTrip(uim);
  *uim.imsi = "0123456789abc#*0";
  // length 13 (1101): 0 100000 1 | 101 padding.
  EXPECT_EQ(perHex(uim), "41 a0 23 45 67 89 ab cd e0 12");
  expectRoundTrip(uim);
  *uim.imsi = "0123456789abc#*01";
  ORVO_EXPECT_THROW(perOctets(uim), constraintFailure, "Encode length constraint check failed.");
  *uim.imsi = "12";
  ORVO_EXPECT_THROW(perOctets(uim), constraintFailure, "Encode integer constraint check failed.");
}

TEST(gsmUim, imeiTakesOneLengthBitPlmnsTwo) {
  H225::gsm_uim uim;
  uim.imei = new asn::IA5String<15u, 16u, 1, H225::PermitedAlphabet1, 15u>;
  *uim.imei = "490154203237518";
  // presence 000100, length bit 0 (15), padding; 6 b 2 3 7 6 4 2 5 4 5 9 7 3 a.
  EXPECT_EQ(perHex(uim), "08 6b 23 76 42 54 59 73 a0");
  expectRoundTrip(uim);
  *uim.imei = "49015420323751";
  ORVO_EXPECT_THROW(perOctets(uim), constraintFailure, "Encode integer constraint check failed.");
  delete uim.imei;
  uim.imei = nullptr;

  uim.hplmn = new tbcdPlmn;
  *uim.hplmn = "262";
  // presence 000010, length 3 - 1 = 2 in 2 bits; at most 16 bits of
  // characters, but of varying length, so aligned all the same (as senders
  // and tshark have it).
  EXPECT_EQ(perHex(uim), "05 00 48 40");
  expectRoundTrip(uim);
  *uim.hplmn = "26201";
  ORVO_EXPECT_THROW(perOctets(uim), constraintFailure, "Encode length constraint check failed.");
}

TEST(gsmUim, aLengthBeyondTheSizeIsRefused) {
  // presence 100000, then 1110: an IMSI of 14 + 3 = 17 digits.
  H225::gsm_uim uim;
  ORVO_EXPECT_THROW(perDecode(uim, {0x41, 0xc0, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xe0, 0x12, 0x30}),
                    asn::per::codec::decodeFailed, "Decode: number 17 out of range 3..16.");
  // A 4-bit index past the 15 characters.
  ORVO_EXPECT_THROW(perDecode(uim, {0x40, 0x00, 0x3f, 0x50}), asn::per::codec::decodeFailed,
                    "Decode: character index 15 beyond an alphabet of 15.");
}

TEST(ansi41Uim, serialNumbersHaveFixedSizeTheSystemIdentityOneToFour) {
  H225::ansi_41_uim uim;
  uim.esn = new asn::IA5String<16u, 16u, 1, H225::PermitedAlphabet1, 15u>;
  *uim.esn = "1234567890123456";
  *pick<tbcdPlmn>(uim.system_id, 1) = "12";
  // extension bit 0, presence 00001000000, padding; sixteen characters and
  // no length; then system identity: extension bit 0, mid 1, length 2 - 1
  // in 2 bits, padding, '1' '2'.
  EXPECT_EQ(perHex(uim), "04 00 34 56 78 9a b2 34 56 78 50 34");
  expectRoundTrip(uim);
  *uim.esn = "123456789012345";
  ORVO_EXPECT_THROW(perOctets(uim), constraintFailure, "Encode length constraint check failed.");
  *uim.esn = "1234567890123456";
  *pick<tbcdPlmn>(uim.system_id, 0) = "777#";
  EXPECT_EQ(perHex(uim), "04 00 34 56 78 9a b2 34 56 78 30 99 90");
  expectRoundTrip(uim);
  *pick<tbcdPlmn>(uim.system_id, 0) = "777#7";
  ORVO_EXPECT_THROW(perOctets(uim), constraintFailure, "Encode length constraint check failed.");
}

TEST(sixteenOctetValues, guidConferenceInviteAndNonStandardIdentifier) {
  H225::callIdentifier call;
  setOctets(call.guid, 16, 0x10);
  EXPECT_EQ(perHex(call), "00 " + sixteenFrom(0x10));
  expectRoundTrip(call);
  setOctets(call.guid, 15, 0x10);
  ORVO_EXPECT_THROW(perOctets(call), constraintFailure, "Encode length constraint check failed.");

  H225::releaseCompleteReason reason;
  setOctets(*pick<asn::octetStringBase>(reason, 18), 16, 0x40);
  // extension alternative 18 - 12 = 6, then a 16-octet open type.
  EXPECT_EQ(perHex(reason), "86 10 " + sixteenFrom(0x40));
  expectRoundTrip(reason);
  setOctets(*pick<asn::octetStringBase>(reason, 18), 17, 0x40);
  ORVO_EXPECT_THROW(perOctets(reason), constraintFailure, "Encode length constraint check failed.");

  H225::genericIdentifier identifier;
  setOctets(*pick<asn::octetStringBase>(identifier, 2), 16, 0x60);
  EXPECT_EQ(perHex(identifier), "40 " + sixteenFrom(0x60));
  expectRoundTrip(identifier);
}

TEST(genericIdentifier, standardIsAnExtensibleInteger) {
  H225::genericIdentifier identifier;
  *pick<asn::integerBase>(identifier, 0) = 5;
  EXPECT_EQ(perHex(identifier), "00 00 05");
  expectRoundTrip(identifier);
  // Outside 0..16383: the constraint's extension bit, then the number alone.
  *static_cast<asn::integerBase*>(identifier.alternative()) = 20000;
  EXPECT_EQ(perHex(identifier), "10 02 4e 20");
  expectRoundTrip(identifier);
}

TEST(releaseCompleteReason, rootAndExtensionReasons) {
  H225::releaseCompleteReason reason;
  reason.select(11);  // undefinedReason: index 11 of 12 in four bits
  EXPECT_EQ(perHex(reason), "58");
  expectRoundTrip(reason);
  reason.select(21);  // tunnelledSignallingRejected: addition 9, an empty open type
  EXPECT_EQ(perHex(reason), "89 01 00");
  expectRoundTrip(reason);
}

TEST(endpointType, additionsAreAbsentUntilSetAndThenCarried) {
  H225::endpointType endpoint;
  endpoint.mc = false;
  endpoint.undefinedNode = true;
  // extension bit 0, six absent OPTIONALs, mc 0, undefinedNode 1, padding.
  EXPECT_EQ(perHex(endpoint), "00 80");
  expectRoundTrip(endpoint);
  endpoint.set = new asn::bitString<32u, 32u, 1>;
  endpoint.set->setLength(32);
  endpoint.set->setBit(0);
  EXPECT_TRUE(endpoint.hasAdditions());
  // extension bit 1, the roots; the addition count 2 as 0 000001, the
  // presence map 10, padding; the 32 bits as a four-octet open type.
  EXPECT_EQ(perHex(endpoint), "80 81 80 04 80 00 00 00");
  expectRoundTrip(endpoint);
}

TEST(sameListTypes, areDistinctClassesWithEqualLists) {
  EXPECT_NE(&H225::gatekeeperInfo::descriptor, &H225::terminalInfo::descriptor);
  const asn::sequenceDescriptor* family[] = {&H225::h310Caps::descriptor,  &H225::h320Caps::descriptor,
                                             &H225::h321Caps::descriptor,  &H225::h322Caps::descriptor,
                                             &H225::h323Caps::descriptor,  &H225::h324Caps::descriptor,
                                             &H225::voiceCaps::descriptor, &H225::t120OnlyCaps::descriptor};
  for (const asn::sequenceDescriptor* d : family) {
    ASSERT_EQ(d->count, 3u);
    EXPECT_STREQ(d->components[0].name, "NonStandardData");
    EXPECT_STREQ(d->components[1].name, "DataRatesSupported");
    EXPECT_STREQ(d->components[2].name, "SupportedPrefixes");
  }
  EXPECT_EQ(std::set<const asn::sequenceDescriptor*>(std::begin(family), std::end(family)).size(), 8u);
  H225::supportedProtocols protocols;
  EXPECT_NE(dynamic_cast<H225::t120OnlyCaps*>(protocols.select(8)), nullptr);
  EXPECT_STREQ(protocols.alternativeName(), "T120_only");
}

TEST(t38FaxAnnexbOnlyCaps, holdsTheH245TypesByValue) {
  H225::t38FaxAnnexbOnlyCaps caps;
  EXPECT_EQ(caps.t38FaxProtocol.index(), -1);
  EXPECT_EQ(caps.t38FaxProfile.version, nullptr);
  EXPECT_EQ(caps.component(3), &caps.t38FaxProtocol);
  EXPECT_EQ(caps.component(4), &caps.t38FaxProfile);
  // An unselected protocol cannot be encoded.
  ORVO_EXPECT_THROW(perOctets(caps), asn::per::codec::notInitializedChoice, "Attempt to encode not initialized choice");
}

TEST(destruction, deletesEveryPresentMemberOnce) {
  // Under the sanitizers a double delete or a leak fails this test.
  auto* endpoint = new H225::endpointType;
  valueFiller(0).fill(*endpoint);
  ASSERT_NE(endpoint->vendor, nullptr);
  H225::endpointType copy(*endpoint);
  H225::endpointType& same = copy;
  copy = same;  // assignment to itself keeps the value
  EXPECT_TRUE(copy.isEqual(*endpoint));
  delete endpoint;
  EXPECT_NE(copy.vendor, nullptr);
}

TEST(permittedAlphabets, areTheDigitAndTbcdSetsInAscendingOrder) {
  EXPECT_STREQ(H225::PermitedAlphabet0, "#*,0123456789");
  EXPECT_STREQ(H225::PermitedAlphabet1, "#*0123456789abc");
  for (const char* alphabet : {H225::PermitedAlphabet0, H225::PermitedAlphabet1})
    for (const char* c = alphabet; c[1]; ++c) EXPECT_LT(c[0], c[1]) << alphabet;
  // The dialled digits carry the 13-character set, narrowing IA5String's 7 bits.
  H225::aliasAddress alias;
  auto* digits = pick<asn::constrainedString>(alias, 0);
  EXPECT_EQ(digits->alphabet(), H225::PermitedAlphabet0);
  EXPECT_EQ(digits->alphabetSize(), 13u);
  EXPECT_EQ(digits->characterBits(), 7u);
  EXPECT_EQ(digits->bitsPerCharacter(), 4u);
  EXPECT_EQ(digits->lowerBound(), 1u);
  EXPECT_EQ(digits->upperBound(), 128u);
}

TEST(aliasAddress, hasSevenAlternativesOfWhichTwoAreRoot) {
  const asn::choiceDescriptor& d = H225::aliasAddress::descriptor;
  const char* names[] = {"DialedDigits", "H323_ID", "Url_ID", "TransportID", "Email_ID", "PartyNumber", "MobileUIM"};
  ASSERT_EQ(d.count, 7u);
  EXPECT_EQ(d.rootCount, 2u);
  EXPECT_EQ(d.extensible, 1u);
  for (unsigned i = 0; i < d.count; ++i) EXPECT_STREQ(d.alternatives[i].name, names[i]);
  const asn::choiceDescriptor& protocols = H225::supportedProtocols::descriptor;
  ASSERT_EQ(protocols.count, 11u);
  EXPECT_EQ(protocols.rootCount, 9u);
  EXPECT_STREQ(protocols.alternatives[8].name, "T120_only");
  EXPECT_STREQ(protocols.alternatives[10].name, "T38FaxAnnexbOnly");
}
