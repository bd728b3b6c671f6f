// tshark, a decoder nobody here wrote, reads the messages we build for a
// routed call, each in a TPKT of its own on TCP port 1720, and the H.235
// tokens of a signed Setup.
#include <gtest/gtest.h>

#include <cstdio>

#include <h323/authenticationEnvironment.h>
#include <h323/q931/elements.h>
#include <h323/q931Tokens.h>
#include <h323/q931/message.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Tshark.h"
#include "q931Samples.h"
#include "userInformationSamples.h"

using namespace q931Testing;

namespace {

const std::vector<std::string> fields = {
    "q931.call_ref",
    "q931.call_ref_flag",
    "q931.message_type",
    "q931.cause_value",
    "q931.cause_location",
    "q931.called_party_number.digits",
    "q931.calling_party_number.digits",
    "h225.h323_message_body",
    "q931.display_information",
    "q931.information_transfer_capability",
    "q931.uil1",
    "q931.progress_indicator.description",
    "q931.call_state",
    "q931.presentation_ind",
    "q931.screening_ind",
};

// tshark's texts for the fields below, "" where absent, for each of the
// routed-call messages in their order.
const std::vector<std::vector<std::string>> expected = {
    {"1234", "0", "0x05", "", "", "5678", "1234", "0", "Orvo caller", "0x08", "0x05", "", "", "0x01", "0x03"},
    {"1234", "1", "0x02", "", "", "", "", "1", "", "", "", "", "", "", ""},
    {"1234", "1", "0x01", "", "", "", "", "3", "", "", "", "0x08", "", "", ""},
    {"1234", "1", "0x07", "", "", "", "", "2", "Orvo callee", "", "", "", "", "", ""},
    {"0042", "0", "0x5a", "17", "1", "", "", "5", "", "", "", "", "", "", ""},
    {"0123", "0", "0x62", "", "", "", "", "6", "", "", "", "", "", "", ""},
    {"0001", "1", "0x03", "", "", "", "", "7", "", "", "", "0x01", "", "", ""},
    {"7fff", "1", "0x7d", "30", "10", "", "", "9", "", "", "", "", "0x0a", "", ""},
};
}  // namespace

TEST(tsharkReads, theMessagesOfARoutedCall) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  std::vector<routedCallMessage> messages = routedCallMessages();
  ASSERT_EQ(messages.size(), expected.size());
  std::vector<tshark::octets> wires;
  for (const routedCallMessage& b : messages) wires.push_back(fromHex(encodeMessage(b.build())));
  tshark::result r = dissectCallSignalling(wires, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < messages.size(); ++i) {
    SCOPED_TRACE(messages[i].name);
    EXPECT_EQ(r.frames[i].malformed, "") << toHex(wires[i]);
    EXPECT_EQ(r.frames[i].expert, "");
    for (size_t f = 0; f < fields.size(); ++f) EXPECT_EQ(r.frames[i].fields[f], expected[i][f]) << fields[f];
  }
}

namespace {

std::string plainHex(const orvo::string& octets) {
  std::string text;
  char buffer[4];
  for (unsigned i = 0; i < octets.length(); ++i) {
    std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(octets.charAt(i)));
    text += buffer;
  }
  return text;
}

}  // namespace

TEST(tsharkReads, theTokensOfASignedSetup) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    Q931::message setup = routedCallMessages()[0].build();
    H323::simpleUserEnvironment environment("gk", "ep", "pw", mode);
    environment.authenticators().first()->counter = 0x1FE;
    environment.SignQ931Message(setup);
    const H235::clearToken& access = *H323::clearTokenList::element((*H323::UuieTokensField(setup))->elements().head());
    const H225::cryptoH323Token& hash =
        *H323::cryptoTokenList::element((*H323::UuieCryptoTokensField(setup))->elements().head());
    const auto& hashed =
        mode ? static_cast<const H225::cryptoH323Token::cryptoGKPwdHash_sequence*>(hash.alternative())->token
             : static_cast<const H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(hash.alternative())->token;

    const tshark::octets wire = fromHex(encodeMessage(setup));
    tshark::result r = dissectCallSignalling(
        {wire}, {"q931.message_type", "h225.h323_message_body", "h235.tokenOID", "h235.generalID", "h235.random",
                 "h235.challenge", "h225.CryptoH323Token", "h235.algorithmOID", "h235.hash"});
    ASSERT_TRUE(r.ran) << r.failure;
    EXPECT_EQ(r.frames[0].malformed, "") << toHex(wire);
    EXPECT_EQ(r.frames[0].expert, "");
    const std::vector<std::string> expected = {
        "0x05",
        "0",
        "1.2.840.113548.10.1.2.1",
        "gk",
        "254",
        plainHex(access.challenge->value()),
        std::to_string(mode),
        "1.2.840.113549.2.5",
        plainHex(hashed.hash.octets()),
    };
    EXPECT_EQ(r.frames[0].fields, expected);
  }
}

// A Setup whose called number changes goes out with its other elements as
// they came, and tshark reads them as we decoded them: the coding standards
// ISO/IEC (bearer), of the location (cause) and ITU-T (low layer); the low
// layer's multirate 6 x 64 kbit/s with G.711 A-law, and the clock bits of
// octet 5b of two V.110 low layers. (tshark reads octets 5c and 5d of V.110
// one octet late, so the duplex bit is checked by hand only.)
TEST(tsharkReads, elementsPassedOnAsTheyCame) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  Q931::message body(Q931::message::setup, Q931::callReference(0x1234, true));
  body.insertElement(
      new Q931::userUser(new H225::h323_UserInformation(*userInformationSamples()[bodyKind::setup].message)));
  const std::string setup = encodeMessage(body).substr(15);
  const std::string head = "08 02 12 34 05 04 03 A8 90 A3 08 02 E2 90 29 05 7B 0C 01 0E 1E ";
  struct {
    std::string lowLayer;
    std::vector<std::string> fields;
  } cases[] = {
      {"7C 04 88 18 86 A3", {"0x01|0x03|0x00", "0x18", "6", "0x03", "", "", "", "0", "7b0c010e1e", "91"}},
      {"7C 07 88 90 21 0F 08 3B C0", {"0x01|0x03|0x00", "0x10", "", "0x01", "0x00", "0", "1", "0", "7b0c010e1e", "91"}},
      {"7C 07 88 90 21 4F 76 3B BF", {"0x01|0x03|0x00", "0x10", "", "0x01", "0x03", "1", "0", "0", "7b0c010e1e", "91"}},
  };
  std::vector<tshark::octets> wires;
  for (const auto& c : cases) {
    Q931::message m;
    decodeMessage(m, head + "70 03 81 35 36 " + c.lowLayer + " " + setup);
    static_cast<Q931::calledPartyNumber*>(m.findElement(0x70))->digits = "91";
    const std::string expected = head + "70 03 81 39 31 " + c.lowLayer + " " + setup;
    EXPECT_EQ(encodeMessage(m), toHex(fromHex(expected)));
    wires.push_back(fromHex(encodeMessage(m)));
  }
  tshark::result r = dissectCallSignalling(
      wires, {"q931.coding_standard", "q931.information_transfer_rate", "q931.bearer_capability.rate_multiplier",
              "q931.uil1", "q931.bearer_capability.intermediate_rate", "q931.send_data_net_independent_clock",
              "q931.accept_data_net_independent_clock", "h225.h323_message_body", "q931.date_time",
              "q931.called_party_number.digits"});
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < wires.size(); ++i) {
    SCOPED_TRACE(cases[i].lowLayer);
    EXPECT_EQ(r.frames[i].malformed, "");
    EXPECT_EQ(r.frames[i].expert, "");
    EXPECT_EQ(r.frames[i].fields, cases[i].fields);
  }
}
