// The H.245 types that the H.225.0 T.38 capability holds: encodings worked
// out by hand from X.691 and the H.245 module.
#include <gtest/gtest.h>

#include <asn/perCodec.h>
#include <h245/h245.h>

#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

template <class T>
void expectRoundTrip(const T& value) {
  std::vector<unsigned char> octets = perOctets(value);
  T decoded;
  perDecode(decoded, octets);
  EXPECT_TRUE(decoded.isEqual(value)) << hexText(octets);
  EXPECT_EQ(perHex(decoded), hexText(octets));
}

void setProfileRoot(H245::t38FaxProfile& profile) {
  profile.fillBitRemoval = false;
  profile.transcodingJBIG = false;
  profile.transcodingMMR = true;
}

}  // namespace

TEST(t38FaxProfile, rootOnlyIsFourBits) {
  H245::t38FaxProfile profile;
  setProfileRoot(profile);
  EXPECT_EQ(perHex(profile), "10");
  expectRoundTrip(profile);
}

TEST(t38FaxProfile, additionsFollowTheRootAsOpenTypes) {
  H245::t38FaxProfile profile;
  setProfileRoot(profile);
  profile.version = new asn::integer<0u, 255u, 1>(0);
  // 1 001, four additions (0 000011), map 1000, padding; version 0 as a
  // one-octet open type.
  EXPECT_EQ(perHex(profile), "90 70 01 00");
  expectRoundTrip(profile);

  profile.t38FaxRateManagement = new H245::t38FaxRateManagement;
  profile.t38FaxRateManagement->select(1);  // transferredTCF
  profile.t38FaxUdpOptions = new H245::t38FaxUdpOptions;
  profile.t38FaxUdpOptions->t38FaxMaxBuffer = new asn::integer<0u, 0u, 1>(200);
  profile.t38FaxUdpOptions->t38FaxMaxDatagram = new asn::integer<0u, 0u, 1>(72);
  profile.t38FaxUdpOptions->t38FaxUdpEC.select(1);  // t38UDPRedundancy
  // The UDP options: no extension bit, both OPTIONALs present, the two
  // unconstrained numbers as a length octet and their two's complement
  // (200 needs a leading 00, 72 does not), then the error-correction choice.
  EXPECT_EQ(perHex(profile), "90 7c 01 00 01 40 07 c0 02 00 c8 01 48 40");
  expectRoundTrip(profile);
}

TEST(dataProtocolCapability, extensionAlternatives) {
  H245::dataProtocolCapability udp;
  udp.select(13);
  // extension bit, addition 6 as a normally small number, an empty open type.
  EXPECT_EQ(perHex(udp), "86 01 00");
  expectRoundTrip(udp);

  H245::dataProtocolCapability compressed;
  auto* choice = pick<H245::dataProtocolCapability::v76wCompression_choice>(compressed, 11);
  auto* v42bis = pick<H245::v42bis>(*pick<H245::compressionType>(*choice, 0), 0);
  v42bis->numberOfCodewords = 2048;
  v42bis->maximumStringLength = 32;
  EXPECT_EQ(perHex(compressed), "84 04 00 07 ff 1f");
  expectRoundTrip(compressed);
}

TEST(dataProtocolCapability, nonStandardIdentifierOfH245IsNotExtensible) {
  H245::dataProtocolCapability protocol;
  auto* parameter = pick<H245::nonStandardParameter>(protocol, 0);
  auto* h221 = pick<H245::nonStandardIdentifier::h221NonStandard_sequence>(parameter->nonStandardIdentifier, 1);
  h221->t35CountryCode = 181;
  h221->t35Extension = 0;
  h221->manufacturerCode = 21324;
  parameter->data.setValue("\x01\x02\x03", 3);
  // 0 000 for the alternative, then a single 1 for h221NonStandard: neither
  // the identifier nor its sequence has an extension bit.
  EXPECT_EQ(perHex(protocol), "08 b5 00 53 4c 03 01 02 03");
  expectRoundTrip(protocol);
}

TEST(dataProtocolCapability, listsItsAlternativesInOrder) {
  const asn::choiceDescriptor& d = H245::dataProtocolCapability::descriptor;
  const char* names[] = {"NonStandard",
                         "V14buffered",
                         "V42lapm",
                         "HdlcFrameTunnelling",
                         "H310SeparateVCStack",
                         "H310SingleVCStack",
                         "Transparent",
                         "SegmentationAndReassembly",
                         "HdlcFrameTunnelingwSAR",
                         "V120",
                         "SeparateLANStack",
                         "V76wCompression",
                         "Tcp",
                         "Udp"};
  ASSERT_EQ(d.count, 14u);
  EXPECT_EQ(d.rootCount, 7u);
  for (unsigned i = 0; i < d.count; ++i) EXPECT_STREQ(d.alternatives[i].name, names[i]);
  const asn::sequenceDescriptor& p = H245::t38FaxProfile::descriptor;
  const char* components[] = {"FillBitRemoval",       "TranscodingJBIG",  "TranscodingMMR",  "Version",
                              "T38FaxRateManagement", "T38FaxUdpOptions", "T38FaxTcpOptions"};
  ASSERT_EQ(p.count, 7u);
  for (unsigned i = 0; i < p.count; ++i) {
    EXPECT_STREQ(p.components[i].name, components[i]);
    EXPECT_EQ(p.components[i].presence, i < 3 ? 0u : 2u);
  }
}

TEST(v42bis, boundsAreChecked) {
  H245::v42bis v;
  v.numberOfCodewords = 0;
  v.maximumStringLength = 32;
  ORVO_EXPECT_THROW(perOctets(v), asn::per::codec::encodeConstrainedCheckFailed,
                    "Encode integer constraint check failed.");
  v.numberOfCodewords = 65536;
  EXPECT_EQ(perHex(v), "00 ff ff 1f");
}
