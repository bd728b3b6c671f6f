// Every RAS message and every call-signalling body kind, built as the
// gatekeeper and its peers build them: encoded, decoded, compared and
// encoded again to the same octets.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include <asn/perCodec.h>
#include <h225/h225.h>

#include "rasSamples.h"
#include "userInformationSamples.h"
#include "valueFiller.h"

namespace {

std::string sampleName(const std::string& name) {
  std::string out;
  for (char c : name) out += isalnum((unsigned char)c) ? c : '_';
  return out;
}

class rasRoundTrip : public testing::TestWithParam<rasSample> {};

TEST_P(rasRoundTrip, decodesToAnEqualValueAndEncodesToTheSameOctets) {
  const H225::rasMessage& sent = *GetParam().message;
  std::vector<unsigned char> octets = perOctets(sent);
  H225::rasMessage received;
  perDecode(received, octets);
  EXPECT_EQ(received.index(), sent.index());
  EXPECT_TRUE(received.isEqual(sent)) << hexText(octets);
  EXPECT_EQ(perHex(received), hexText(octets));
  // A copy made by assignment is equal too and encodes alike.
  H225::rasMessage copy;
  copy.assign(received);
  EXPECT_TRUE(copy.isEqual(sent));
  EXPECT_EQ(perHex(copy), hexText(octets));
}

INSTANTIATE_TEST_SUITE_P(everyKind, rasRoundTrip, testing::ValuesIn(rasSamples()),
                         [](const testing::TestParamInfo<rasSample>& info) { return sampleName(info.param.name); });

class userInformationRoundTrip : public testing::TestWithParam<userInformationSample> {};

TEST_P(userInformationRoundTrip, decodesToAnEqualValueAndEncodesToTheSameOctets) {
  const H225::h323_UserInformation& sent = *GetParam().message;
  std::vector<unsigned char> octets = perOctets(sent);
  H225::h323_UserInformation received;
  perDecode(received, octets);
  EXPECT_EQ(received.h323_uu_pdu.h323_message_body.index(), sent.h323_uu_pdu.h323_message_body.index());
  EXPECT_TRUE(received.isEqual(sent)) << hexText(octets);
  EXPECT_EQ(perHex(received), hexText(octets));
  H225::h323_UserInformation copy(received);
  EXPECT_TRUE(copy.isEqual(sent));
}

INSTANTIATE_TEST_SUITE_P(everyBody, userInformationRoundTrip, testing::ValuesIn(userInformationSamples()),
                         [](const testing::TestParamInfo<userInformationSample>& info) {
                           return sampleName(info.param.name);
                         });

}  // namespace

TEST(rasSuite, coversEveryAlternativeOfTheRasMessage) {
  std::set<int> kinds;
  for (const rasSample& sample : rasSamples()) kinds.insert(sample.message->index());
  EXPECT_EQ(kinds.size(), size_t(rasKind::count));
  EXPECT_EQ(*kinds.begin(), 0);
  EXPECT_EQ(*kinds.rbegin(), rasKind::count - 1);
}

TEST(rasSuite, coversEveryCallSignallingBody) {
  std::set<int> kinds;
  for (const userInformationSample& sample : userInformationSamples())
    kinds.insert(sample.message->h323_uu_pdu.h323_message_body.index());
  EXPECT_EQ(kinds.size(), size_t(bodyKind::count));
}

// Worked by hand from X.691: a root alternative (index 7 of 25 in five bits)
// with its sequence number, and an extension alternative (index 25, the
// first addition) wrapped in an open type.
TEST(rasEncoding, unregistrationConfirmIsARootAlternative) {
  H225::rasMessage message;
  static_cast<H225::unregistrationConfirm*>(message.select(rasKind::unregistrationConfirm))->requestSeqNum = 9;
  // 0 00111 (alternative 7) 0 (no additions) 0 (no non-standard data), then
  // 9 - 1 in sixteen aligned bits.
  EXPECT_EQ(perHex(message), "1c 00 08");
}

TEST(rasEncoding, requestInProgressIsAnExtensionAlternative) {
  H225::rasMessage message;
  auto* rip = static_cast<H225::requestInProgress*>(message.select(rasKind::requestInProgress));
  rip->requestSeqNum = 9;
  rip->delay = 5000;
  // 1 (extension) 0000000 (first addition), open type of five octets:
  // 0 0000 (no additions, four absent OPTIONALs), 9 - 1, 5000 - 1.
  EXPECT_EQ(perHex(message), "80 05 00 00 08 13 87");
  H225::rasMessage decoded;
  perDecode(decoded, perOctets(message));
  ASSERT_EQ(decoded.index(), rasKind::requestInProgress);
  EXPECT_EQ(static_cast<H225::requestInProgress*>(decoded.alternative())->delay.value(), 5000u);
}
