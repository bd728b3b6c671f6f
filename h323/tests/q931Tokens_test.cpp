// H.235 tokens in call-signalling messages: each message type signs into
// its own body and checks after the trip over the wire; types without token
// fields and bodies of another alternative carry none.
#include <gtest/gtest.h>

#include <string>

#include <h323/authenticationEnvironment.h>
#include <h323/q931/elements.h>
#include <h323/q931Tokens.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "userInformationSamples.h"

using namespace q931Testing;

namespace {

using H323::simpleUserEnvironment;

Q931::message withBody(int type, int kind) {
  Q931::message m(type, Q931::callReference(0x2A, true));
  if (kind >= 0)
    m.insertElement(
        new Q931::userUser(new H225::h323_UserInformation(*userInformationSamples()[size_t(kind)].message)));
  return m;
}

// Decoded from its own octets, as a peer receives it.
Q931::message overTheWire(const Q931::message& m) {
  Q931::message received;
  decodeMessage(received, encodeMessage(m));
  return received;
}

unsigned count(const H323::clearTokenList* list) { return list ? list->count() : 0; }
unsigned count(const H323::cryptoTokenList* list) { return list ? list->count() : 0; }

struct typeCase {
  const char* name;
  int type;
  int kind;
};

const typeCase withTokens[] = {
    {"Alerting", Q931::message::alerting, bodyKind::alerting},
    {"Call Proceeding", Q931::message::callProceeding, bodyKind::callProceeding},
    {"Progress", Q931::message::progress, bodyKind::progress},
    {"Setup", Q931::message::setup, bodyKind::setup},
    {"Connect", Q931::message::connect, bodyKind::connect},
    {"Setup Acknowledge", Q931::message::setupAck, bodyKind::setupAcknowledge},
    {"Release Complete", Q931::message::releaseComplete, bodyKind::releaseComplete},
    {"Facility", Q931::message::facility, bodyKind::facility},
    {"Notify", Q931::message::notify, bodyKind::notify},
    {"Status Enquiry", Q931::message::statusInquiry, bodyKind::statusInquiry},
    {"Information", Q931::message::information, bodyKind::information},
    {"Status", Q931::message::status, bodyKind::status},
};

TEST(q931Tokens, eachTypeSignsItsBodyAndChecksWithEitherTokenKind) {
  for (int mode : {0, 1}) {
    for (const typeCase& c : withTokens) {
      SCOPED_TRACE(std::string(c.name) + " mode " + std::to_string(mode));
      simpleUserEnvironment gatekeeper("gk", "ep", "pw", mode);
      simpleUserEnvironment endpoint("ep", "gk", "pw", 0);
      simpleUserEnvironment stranger("ep", "gk", "wrong", 0);

      Q931::message m = withBody(c.type, c.kind);
      gatekeeper.SignQ931Message(m);
      ASSERT_NE(H323::UuieTokensField(m), nullptr);
      EXPECT_EQ(count(*H323::UuieTokensField(m)), 1u);
      EXPECT_EQ(count(*H323::UuieCryptoTokensField(m)), 1u);

      // Either kind alone proves the password.
      struct kept {
        bool clear, crypto;
      };
      for (kept k : {kept{true, true}, kept{true, false}, kept{false, true}}) {
        Q931::message received = overTheWire(m);
        if (!k.clear) {
          delete *H323::UuieTokensField(received);
          *H323::UuieTokensField(received) = nullptr;
        }
        if (!k.crypto) {
          delete *H323::UuieCryptoTokensField(received);
          *H323::UuieCryptoTokensField(received) = nullptr;
        }
        EXPECT_TRUE(endpoint.CheckQ931Tokens(received)) << k.clear << k.crypto;
        EXPECT_FALSE(stranger.CheckQ931Tokens(received)) << k.clear << k.crypto;
      }

      H323::ClearQ931Tokens(m);
      EXPECT_EQ(*H323::UuieTokensField(m), nullptr);
      EXPECT_EQ(*H323::UuieCryptoTokensField(m), nullptr);
      EXPECT_FALSE(endpoint.CheckQ931Tokens(overTheWire(m)));
    }
  }
}

TEST(q931Tokens, noTokenFieldsArePassedOver) {
  const typeCase withoutTokens[] = {
      {"Connect Acknowledge", Q931::message::connectAck, bodyKind::connect},
      {"Release", Q931::message::release, bodyKind::releaseComplete},
      {"Setup carrying a Call Proceeding body", Q931::message::setup, bodyKind::callProceeding},
      {"Status carrying a Status Enquiry body", Q931::message::status, bodyKind::statusInquiry},
      {"Setup without User-user", Q931::message::setup, -1},
  };
  for (const typeCase& c : withoutTokens) {
    SCOPED_TRACE(c.name);
    Q931::message m = withBody(c.type, c.kind);
    EXPECT_EQ(H323::UuieTokensField(m), nullptr);
    EXPECT_EQ(H323::UuieCryptoTokensField(m), nullptr);

    const std::string before = encodeMessage(m);
    simpleUserEnvironment gatekeeper("gk", "ep", "pw", 0);
    gatekeeper.SignQ931Message(m);
    H323::ClearQ931Tokens(m);
    EXPECT_EQ(encodeMessage(m), before);

    // A configured peer must prove itself; an unconfigured one need not.
    EXPECT_FALSE(simpleUserEnvironment("ep", "gk", "pw", 0).CheckQ931Tokens(m));
    EXPECT_TRUE(simpleUserEnvironment("ep", "gk", "", 0).CheckQ931Tokens(m));
  }
}

}  // namespace
