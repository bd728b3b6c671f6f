// tshark, a decoder nobody here wrote, reads the tokens of messages we sign.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include <h323/authenticationEnvironment.h>

#include "orvoTesting.h"
#include "rasSamples.h"
#include "tshark.h"
#include "valueFiller.h"

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

// The absolute time as tshark writes it in a UTC run.
std::string utcText(uint32_t seconds) {
  time_t t = seconds;
  char buffer[64];
  std::strftime(buffer, sizeof buffer, "%b %e, %Y %H:%M:%S.000000000 UTC", std::gmtime(&t));
  return buffer;
}

struct signedCase {
  const char* name;
  int alternative;
  int tokenMode;
};

TEST(h235Tshark, signedRegistrationRequestAndGatekeeperConfirm) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  setenv("TZ", "UTC", 1);
  const signedCase cases[] = {{"RRQ", 3, 0}, {"GCF", 1, 1}};
  for (const signedCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<H225::rasMessage> message;
    for (const rasSample& sample : rasSamples())
      if (sample.message->index() == c.alternative && !message) {
        message.reset(new H225::rasMessage);
        *message = *sample.message;
      }
    ASSERT_TRUE(message);
    H323::simpleUserEnvironment environment("gk\xE9", "peer", "pw", c.tokenMode);
    environment.authenticators().first()->counter = 0x2A;
    environment.signRasMessage(*message);

    const H235::clearToken& access =
        *H323::clearTokenList::element((*H323::rasTokensField(*message))->elements().head());
    const H225::cryptoH323Token& hash =
        *H323::cryptoTokenList::element((*H323::rasCryptoTokensField(*message))->elements().head());
    const auto& hashed =
        c.tokenMode ? static_cast<const H225::cryptoH323Token::cryptoGKPwdHash_sequence*>(hash.alternative())->token
                    : static_cast<const H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(hash.alternative())->token;

    tshark::octets frame = perOctets(*message);
    tshark::result r =
        tshark::dissectUdp(1719, {frame},
                           {"h225.RasMessage", "h235.tokenOID", "h235.generalID", "h235.timeStamp", "h235.random",
                            "h235.challenge", "h225.CryptoH323Token", "h235.algorithmOID", "h235.hash"});
    ASSERT_TRUE(r.ran) << r.failure;
    EXPECT_EQ(r.frames[0].malformed, "");
    EXPECT_EQ(r.frames[0].expert, "");
    const std::vector<std::string> expected = {
        std::to_string(c.alternative),
        "1.2.840.113548.10.1.2.1",
        "gk\xC3\xA9",  // tshark writes UTF-8
        utcText(access.timeStamp->value()),
        "42",
        plainHex(access.challenge->value()),
        std::to_string(c.tokenMode),
        "1.2.840.113549.2.5",
        plainHex(hashed.hash.octets()),
    };
    EXPECT_EQ(r.frames[0].fields, expected) << hexText(frame);
  }
}

}  // namespace
