// tshark, a decoder nobody here wrote, reads the common types and the H.245
// T.38 capability inside registration requests: no malformed frame, no
// expert warning, and the fields carry our values.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "registrationFrame.h"
#include "releaseCompleteFrame.h"
#include "tshark.h"
#include "valueFiller.h"

namespace {

class tsharkReads : public testing::Test {
protected:
  void SetUp() override {
    if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  }
};

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

void setDigits(H225::aliasAddress& alias, const char* digits) { *pick<asn::constrainedString>(alias, 0) = digits; }

// Supported-protocol alternatives of H225::supportedProtocols.
constexpr int h323Protocol = 5;
constexpr int t38FaxAnnexbOnly = 10;
// Alternatives of H245::dataProtocolCapability.
constexpr int nonStandardData = 0;
constexpr int v76wCompression = 11;
constexpr int udp = 13;

// A gateway registering with an H.323 protocol and T.38 fax (annex B only)
// whose data protocol `chooseProtocol` selects and whose profile
// `setProfile` fills.
registrationFrame t38Gateway(unsigned seqNum, void (*chooseProtocol)(H245::dataProtocolCapability&),
                             void (*setProfile)(H245::t38FaxProfile&)) {
  registrationFrame frame;
  frame.requestSeqNum = seqNum;
  frame.callSignalAddress.append(ipTransport(127, 0, 0, 1, 1720));
  frame.rasAddress.append(ipTransport(127, 0, 0, 1, 1719));
  frame.terminalType.mc = false;
  frame.terminalType.undefinedNode = false;
  auto* protocols = attach(attach(frame.terminalType.gateway)->protocol);
  pick<H225::h323Caps>(*protocols->appendNew(), h323Protocol);
  auto* t38 = pick<H225::t38FaxAnnexbOnlyCaps>(*protocols->appendNew(), t38FaxAnnexbOnly);
  setDigits(t38->supportedPrefixes.appendNew()->prefix, "9");
  chooseProtocol(t38->t38FaxProtocol);
  t38->t38FaxProfile.fillBitRemoval = false;
  t38->t38FaxProfile.transcodingJBIG = false;
  t38->t38FaxProfile.transcodingMMR = true;
  setProfile(t38->t38FaxProfile);
  setVendor(frame.endpointVendor, 9, 61, "orvo gateway", "1.0");
  return frame;
}

void overUdp(H245::dataProtocolCapability& protocol) { protocol.select(udp); }

void overV42bis(H245::dataProtocolCapability& protocol) {
  auto* compression = pick<H245::dataProtocolCapability::v76wCompression_choice>(protocol, v76wCompression);
  auto* v42bis = pick<H245::v42bis>(*pick<H245::compressionType>(*compression, 0), 0);
  v42bis->numberOfCodewords = 2048;
  v42bis->maximumStringLength = 32;
}

void nonStandard(H245::dataProtocolCapability& protocol) {
  auto* parameter = pick<H245::nonStandardParameter>(protocol, nonStandardData);
  auto* h221 = pick<H245::nonStandardIdentifier::h221NonStandard_sequence>(parameter->nonStandardIdentifier, 1);
  h221->t35CountryCode = 181;
  h221->t35Extension = 0;
  h221->manufacturerCode = 21324;
  parameter->data.setValue("\x01\x02\x03", 3);
}

void udpProfile(H245::t38FaxProfile& profile) {
  *attach(profile.version) = 0;
  attach(profile.t38FaxRateManagement)->select(1);  // transferredTCF
  auto* options = attach(profile.t38FaxUdpOptions);
  *attach(options->t38FaxMaxBuffer) = 200;
  *attach(options->t38FaxMaxDatagram) = 72;
  options->t38FaxUdpEC.select(1);  // t38UDPRedundancy
}

void tcpProfile(H245::t38FaxProfile& profile) {
  *attach(profile.version) = 3;
  attach(profile.t38FaxRateManagement)->select(0);  // localTCF
  attach(profile.t38FaxTcpOptions)->t38TCPBidirectionalMode = true;
}

void rootOnlyProfile(H245::t38FaxProfile&) {}

std::string explain(const tshark::result& r, const std::vector<tshark::octets>& frames, size_t i) {
  return r.failure + "\n" + hexText(frames[i]) + "\n" + tshark::verboseText("h225.ras", frames[i]);
}

}  // namespace

TEST_F(tsharkReads, t38FaxCapabilityOfAGatewayDownToEveryField) {
  std::vector<tshark::octets> frames = {t38Gateway(101, overUdp, udpProfile).encode(),
                                        t38Gateway(102, overV42bis, tcpProfile).encode(),
                                        t38Gateway(103, nonStandard, rootOnlyProfile).encode()};
  tshark::result r =
      tshark::dissectAs("h225.ras", frames,
                        {"h225.requestSeqNum", "h225.SupportedProtocols", "h225.dialledDigits", "h225.t38FaxProtocol",
                         "h245.fillBitRemoval", "h245.transcodingMMR", "h245.version", "h245.t38FaxRateManagement",
                         "h245.t38FaxMaxBuffer", "h245.t38FaxMaxDatagram", "h245.t38FaxUdpEC",
                         "h245.t38TCPBidirectionalMode", "h245.v76wCompression", "h245.numberOfCodewords",
                         "h245.maximumStringLength", "h245.t35CountryCode", "h245.manufacturerCode", "h245.data"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::vector<std::vector<std::string>> expected = {
      {"101", "5|10", "9", "13", "0", "1", "0", "1", "200", "72", "1", "", "", "", "", "", "", ""},
      {"102", "5|10", "9", "11", "0", "1", "3", "0", "", "", "", "1", "0", "2048", "32", "", "", ""},
      {"103", "5|10", "9", "0", "0", "1", "", "", "", "", "", "", "", "", "", "181", "21324", "010203"},
  };
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(r.frames[i].malformed, "") << explain(r, frames, i);
    EXPECT_EQ(r.frames[i].expert, "") << explain(r, frames, i);
    EXPECT_EQ(r.frames[i].fields, expected[i]) << explain(r, frames, i);
  }
}

namespace {

// A terminal registering every kind of alias and address the common types
// know, with a vendor and a gatekeeper identifier.
registrationFrame terminalWithEveryAlias() {
  registrationFrame frame;
  frame.requestSeqNum = 4711;
  frame.callSignalAddress.append(ipTransport(127, 0, 0, 1, 1720));
  auto* v6 = pick<H225::transportAddress::ip6Address_sequence>(*frame.callSignalAddress.appendNew(), 3);
  v6->ip.setValue("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1", 16);
  v6->port = 1721;
  frame.rasAddress.append(ipTransport(127, 0, 0, 2, 1719));
  frame.terminalType.terminal = new H225::terminalInfo;
  frame.terminalType.mc = false;
  frame.terminalType.undefinedNode = false;
  setDigits(*frame.terminalAlias.appendNew(), "#*,0123456789");
  *pick<asn::bmpStringBase>(*frame.terminalAlias.appendNew(), 1) = "Terminal-1";
  *pick<asn::constrainedString>(*frame.terminalAlias.appendNew(), 2) = "h323:terminal@example.org";
  auto* ip = pick<H225::transportAddress::ipAddress_sequence>(
      *pick<H225::transportAddress>(*frame.terminalAlias.appendNew(), 3), 0);
  ip->ip.setValue("\x7f\x00\x00\x03", 4);
  ip->port = 1722;
  *pick<asn::constrainedString>(*frame.terminalAlias.appendNew(), 4) = "terminal@example.org";
  auto* e164 = pick<H225::publicPartyNumber>(*pick<H225::partyNumber>(*frame.terminalAlias.appendNew(), 5), 0);
  e164->publicTypeOfNumber.select(1);
  e164->publicNumberDigits = "4930123";
  auto* gsm = pick<H225::gsm_uim>(*pick<H225::mobileUIM>(*frame.terminalAlias.appendNew(), 6), 1);
  *attach(gsm->imsi) = "262011234567890";
  *attach(gsm->imei) = "490154203237518";
  *attach(gsm->hplmn) = "262";
  auto* ansi = pick<H225::ansi_41_uim>(*pick<H225::mobileUIM>(*frame.terminalAlias.appendNew(), 6), 0);
  *attach(ansi->esn) = "1234567890123456";
  *pick<asn::constrainedString>(ansi->system_id, 0) = "777#";
  frame.gatekeeperIdentifier = "GK-Zone";
  setVendor(frame.endpointVendor, 181, 21324, "orvo terminal", "4.0");
  return frame;
}

}  // namespace

TEST_F(tsharkReads, aliasesAddressesAndVendorOfARegistration) {
  std::vector<tshark::octets> frames = {terminalWithEveryAlias().encode()};
  const std::vector<std::string> fields = {"h225.requestSeqNum",
                                           "h225.protocolIdentifier",
                                           "h225.ipV4",
                                           "h225.ipV4_port",
                                           "h225.ipV6",
                                           "h225.ipV6_port",
                                           "h225.AliasAddress",
                                           "h225.dialledDigits",
                                           "h225.h323_ID",
                                           "h225.url_ID",
                                           "h225.email_ID",
                                           "h225.publicNumberDigits",
                                           "h225.imsi",
                                           "h225.imei",
                                           "h225.hplmn",
                                           "h225.esn",
                                           "h225.sid",
                                           "h225.gatekeeperIdentifier",
                                           "h225.t35CountryCode",
                                           "h225.manufacturerCode",
                                           "h225.productId",
                                           "h225.versionId"};
  const std::vector<std::string> expected = {"4711",
                                             "0.0.8.2250.0.4",
                                             "127.0.0.1|127.0.0.2|127.0.0.3",
                                             "1720|1719|1722",
                                             "::1",
                                             "1721",
                                             "0|1|2|3|4|5|6|6",
                                             "#*,0123456789",
                                             "Terminal-1",
                                             "h323:terminal@example.org",
                                             "terminal@example.org",
                                             "4930123",
                                             "262011234567890",
                                             "490154203237518",
                                             "262",
                                             "1234567890123456",
                                             "777#",
                                             "GK-Zone",
                                             "181",
                                             "21324",
                                             "orvo terminal",
                                             "4.0"};
  // Read once as a bare RasMessage and once as a datagram to the RAS port.
  for (const tshark::result& r :
       {tshark::dissectAs("h225.ras", frames, fields), tshark::dissectUdp(1719, frames, fields)}) {
    ASSERT_TRUE(r.ran) << r.failure;
    EXPECT_EQ(r.frames[0].malformed, "") << explain(r, frames, 0);
    EXPECT_EQ(r.frames[0].expert, "") << explain(r, frames, 0);
    EXPECT_EQ(r.frames[0].fields, expected) << explain(r, frames, 0);
  }
}

TEST_F(tsharkReads, everyFilledEndpointDescriptionDecodesCleanly) {
  // The filler selects every alternative of every CHOICE reachable from the
  // endpoint description over the variants, with OPTIONAL components and
  // additions present and absent in turn.
  std::vector<tshark::octets> frames;
  for (unsigned variant = 0; variant < 24; ++variant) {
    registrationFrame frame;
    frame.requestSeqNum = 1 + variant;
    frame.callSignalAddress.append(ipTransport(127, 0, 0, 1, 1720));
    frame.rasAddress.append(ipTransport(127, 0, 0, 1, 1719));
    valueFiller(variant).fill(frame.terminalType);
    valueFiller(variant + 1).fill(*frame.terminalAlias.appendNew());
    valueFiller(variant).fill(frame.endpointVendor);
    frames.push_back(frame.encode());
  }
  tshark::result r = tshark::dissectAs("h225.ras", frames, {"h225.requestSeqNum"});
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(r.frames[i].malformed, "") << explain(r, frames, i);
    EXPECT_EQ(r.frames[i].expert, "") << explain(r, frames, i);
    EXPECT_EQ(r.frames[i].fields[0], std::to_string(i + 1)) << explain(r, frames, i);
  }
}

namespace {

void setOid(asn::oid& oid, std::initializer_list<uint32_t> arcs) { oid.set(arcs.begin(), unsigned(arcs.size())); }

H235::clearToken* accessToken() {
  auto* token = new H235::clearToken;
  setOid(token->tokenOID, {0, 0, 8, 235, 0, 2, 5});
  token->timeStamp = new asn::integer<1u, 4294967295u, 1>(1000000000);
  token->challenge = new asn::octetString<8u, 128u, 1>;
  token->challenge->setValue("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
  token->random = new asn::integer<0u, 0u, 1>(42);
  token->generalID = new asn::bmpString<1u, 128u, 1>;
  *token->generalID = "GK-Zone";
  token->sendersID = new asn::bmpString<1u, 128u, 1>;
  *token->sendersID = "Terminal-1";
  return token;
}

void setHash(H235::hashed<asn::anytype<H235::clearToken>>& hash) {
  setOid(hash.algorithmOID, {1, 2, 840, 113549, 2, 5});
  hash.hash.setBits("\x00\x11\x22\x33\x44\x55\x66\x77\x88\x99\xaa\xbb\xcc\xdd\xee\xff", 128);
}

H225::genericData* genericText(unsigned standard, const char* text) {
  auto* data = new H225::genericData;
  *pick<asn::integerBase>(data->id, 0) = standard;
  data->parameters = new asn::sequenceOf<H225::enumeratedParameter, 1u, 512u, 1>;
  auto* parameter = data->parameters->appendNew();
  *pick<asn::integerBase>(parameter->id, 0) = 1;
  parameter->content = new H225::content;
  *pick<asn::constrainedString>(*parameter->content, 1) = text;
  return data;
}

// A registration carrying tokens, crypto tokens, capacity, features and
// generic data as extension additions.
registrationFrame securedTerminal() {
  registrationFrame frame;
  frame.requestSeqNum = 815;
  frame.callSignalAddress.append(ipTransport(127, 0, 0, 1, 1720));
  frame.rasAddress.append(ipTransport(127, 0, 0, 1, 1719));
  frame.terminalType.terminal = new H225::terminalInfo;
  frame.terminalType.mc = false;
  frame.terminalType.undefinedNode = false;
  setVendor(frame.endpointVendor, 181, 21324, "orvo terminal", "4.0");

  auto* tokens = new asn::sequenceOf<H235::clearToken, 0u, 0u, 1>;
  tokens->append(accessToken());
  frame.additions[2].reset(tokens);

  auto* cryptoTokens = new asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>;
  auto* pwdHash = pick<H225::cryptoH323Token::cryptoEPPwdHash_sequence>(*cryptoTokens->appendNew(), 0);
  *pick<asn::bmpStringBase>(pwdHash->alias, 1) = "Terminal-1";
  pwdHash->timeStamp = 1000000001;
  setHash(pwdHash->token);
  auto* nested = pick<H235::cryptoToken>(*cryptoTokens->appendNew(), 7);
  auto* hashed = pick<H235::cryptoToken::cryptoHashedToken_sequence>(*nested, 2);
  setOid(hashed->tokenOID, {0, 0, 8, 235, 0, 2, 1});
  setOid(hashed->hashedVals.tokenOID, {0, 0, 8, 235, 0, 2, 1});
  hashed->hashedVals.generalID = new asn::bmpString<1u, 128u, 1>;
  *hashed->hashedVals.generalID = "Terminal-1";
  setHash(hashed->token);
  frame.additions[3].reset(cryptoTokens);

  auto* capacity = new H225::callCapacity;
  capacity->currentCallCapacity = new H225::callCapacityInfo;
  auto* voice = new asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>;
  auto* calls = voice->appendNew();
  calls->calls = 5;
  calls->group = new asn::IA5String<1u, 128u, 1, asn::constrainedString::IA5Set, 128u>;
  *calls->group = "trunk";
  capacity->currentCallCapacity->voiceGwCallsAvailable = voice;
  frame.additions[18].reset(capacity);

  auto* features = new H225::featureSet;
  features->replacementFeatureSet = false;
  features->supportedFeatures = new asn::sequenceOf<H225::genericData, 0u, 0u, 1>;
  features->supportedFeatures->append(genericText(7, "feature"));
  frame.additions[19].reset(features);

  auto* generic = new asn::sequenceOf<H225::genericData, 0u, 0u, 1>;
  generic->append(genericText(9, "generic"));
  frame.additions[20].reset(generic);
  return frame;
}

}  // namespace

TEST_F(tsharkReads, tokensCapacityFeaturesAndGenericDataOfARegistration) {
  std::vector<tshark::octets> frames = {securedTerminal().encode()};
  tshark::result r = tshark::dissectAs(
      "h225.ras", frames,
      {"h225.requestSeqNum", "h235.tokenOID", "h235.challenge", "h235.random", "h235.generalID", "h235.sendersID",
       "h225.cryptoTokens", "h225.h323_ID", "h235.algorithmOID", "h235.hash", "h225.nestedcryptoToken", "h225.calls",
       "h225.group", "h225.replacementFeatureSet", "h225.standard", "h225.text"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::vector<std::string> expected = {"815",
                                             "0.0.8.235.0.2.5|0.0.8.235.0.2.1|0.0.8.235.0.2.1",
                                             "0102030405060708",
                                             "42",
                                             "GK-Zone|Terminal-1",
                                             "Terminal-1",
                                             "2",
                                             "Terminal-1",
                                             "1.2.840.113549.2.5|1.2.840.113549.2.5",
                                             "00112233445566778899aabbccddeeff|00112233445566778899aabbccddeeff",
                                             "2",
                                             "5",
                                             "trunk",
                                             "0",
                                             "7|1|9|1",
                                             "feature|generic"};
  EXPECT_EQ(r.frames[0].malformed, "") << explain(r, frames, 0);
  EXPECT_EQ(r.frames[0].expert, "") << explain(r, frames, 0);
  EXPECT_EQ(r.frames[0].fields, expected) << explain(r, frames, 0);
}

TEST_F(tsharkReads, releaseCompleteReasonsAndCallIdentifier) {
  // Every reason, root and extension, once; the last frame also carries a
  // call identifier.
  std::vector<tshark::octets> frames;
  const unsigned reasons = H225::releaseCompleteReason::descriptor.count;
  for (unsigned index = 0; index < reasons; ++index) {
    releaseCompleteFrame frame;
    frame.reason.reset(new H225::releaseCompleteReason);
    valueFiller(0).fill(*frame.reason->select(int(index)));
    if (index == reasons - 1) {
      frame.callIdentifier.reset(new H225::callIdentifier);
      frame.callIdentifier->guid.setValue("\x00\x11\x22\x33\x44\x55\x66\x77\x88\x99\xaa\xbb\xcc\xdd\xee\xff", 16);
    }
    frames.push_back(frame.encode());
  }
  tshark::result r = tshark::dissectAs("h225", frames, {"h225.h323_message_body", "h225.reason", "h225.guid"});
  ASSERT_TRUE(r.ran) << r.failure;
  for (unsigned i = 0; i < reasons; ++i) {
    EXPECT_EQ(r.frames[i].malformed, "") << explain(r, frames, i);
    EXPECT_EQ(r.frames[i].expert, "") << explain(r, frames, i);
    std::string guid = i == reasons - 1 ? "00112233-4455-6677-8899-aabbccddeeff" : "";
    EXPECT_EQ(r.frames[i].fields, (std::vector<std::string>{"5", std::to_string(i), guid})) << explain(r, frames, i);
  }
}
