// The call-signalling user information: shapes its lists state, encodings
// worked out by hand from X.691, and what arrives from a later edition.
#include <gtest/gtest.h>

#include <string>

#include <asn/perCodec.h>
#include <h225/h225.h>

#include "messageParts.h"
#include "orvoTesting.h"
#include "userInformationSamples.h"
#include "valueFiller.h"

using namespace parts;

namespace {

using constraintFailure = asn::per::codec::encodeConstrainedCheckFailed;
using body = H225::h323_uu_pdu::h323_message_body_choice;

const char* const version4 = "06 00 08 91 4a 00 04";

std::vector<unsigned char> octetsOf(const std::string& hex) {
  std::vector<unsigned char> out;
  for (size_t i = 0; i + 1 < hex.size(); i += 3)
    out.push_back((unsigned char)std::stoul(hex.substr(i, 2), nullptr, 16));
  return out;
}

// A Setup holding its mandatory root components only.
void setRootOnly(H225::setup_UUIE& setup) {
  setProtocol(setup.protocolIdentifier);
  setup.sourceInfo.mc = false;
  setup.sourceInfo.undefinedNode = false;
  setup.activeMC = false;
  setGuid(setup.conferenceID, 0x40);
  setup.conferenceGoal.select(0);  // create
  setup.callType.select(0);        // pointToPoint
}

H225::h323_UserInformation information() {
  H225::h323_UserInformation message;
  setProtocol(pick<H225::information_UUIE>(message.h323_uu_pdu.h323_message_body, 4)->protocolIdentifier);
  return message;
}

}  // namespace

TEST(userInformationShape, bodyHasThirteenAlternativesSevenInTheRootAndSetupThirtyNineComponents) {
  EXPECT_EQ(body::descriptor.count, 13u);
  EXPECT_EQ(body::descriptor.rootCount, 7u);
  EXPECT_STREQ(body::descriptor.alternatives[8].name, "Empty");
  EXPECT_STREQ(body::descriptor.alternatives[12].name, "Notify");
  EXPECT_EQ(H225::setup_UUIE::descriptor.count, 39u);
  unsigned root = 0;
  for (unsigned i = 0; i < 39; ++i) root += !H225::setup_UUIE::descriptor.components[i].isAddition();
  EXPECT_EQ(root, 13u);
}

TEST(userInformationShape, statusKindsShareOneListButStayDistinctAdditions) {
  const char* const names[] = {"Status", "StatusInquiry", "SetupAcknowledge", "Notify"};
  for (int i = 0; i < 4; ++i) EXPECT_STREQ(body::descriptor.alternatives[9 + i].name, names[i]);
  EXPECT_NE(&H225::status_UUIE::descriptor, &H225::notify_UUIE::descriptor);
  std::vector<userInformationSample> samples = userInformationSamples();
  std::vector<std::string> encodings;
  for (const userInformationSample& sample : samples) {
    int index = sample.message->h323_uu_pdu.h323_message_body.index();
    if (index >= 9 && index <= 12) encodings.push_back(perHex(*sample.message));
  }
  ASSERT_EQ(encodings.size(), 4u);
  // Only the addition number differs: 0 000010 to 0 000101 after the
  // extension bit of the body.
  EXPECT_EQ(encodings[0].substr(0, 5), "08 20");
  EXPECT_EQ(encodings[1].substr(0, 5), "08 30");
  EXPECT_EQ(encodings[2].substr(0, 5), "08 40");
  EXPECT_EQ(encodings[3].substr(0, 5), "08 50");
  EXPECT_EQ(encodings[0].substr(5), encodings[3].substr(5));
}

TEST(setupBody, rootOnlyHasNoExtensionBitmapAndDecodesWithEveryAdditionAbsent) {
  H225::setup_UUIE setup;
  setRootOnly(setup);
  // 0 (no additions) 0000000 (seven absent OPTIONALs); the protocol; source
  // info 0 000000 0 0, activeMC 0, aligned conference identifier; goal 0 00
  // and call type 0 00.
  EXPECT_EQ(perHex(setup), std::string("00 ") + version4 + " 00 00 40 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 00");
  H225::setup_UUIE decoded;
  perDecode(decoded, perOctets(setup));
  EXPECT_TRUE(decoded.isEqual(setup));
  EXPECT_FALSE(decoded.hasAdditions());
  unsigned absent = 0;
  for (unsigned i = 13; i < 39; ++i) absent += decoded.component(i) == nullptr;
  EXPECT_EQ(absent, 26u);
}

TEST(setupBody, anAbsentBooleanAdditionDiffersFromFalseAndBothKeepTheirForm) {
  H225::setup_UUIE absent, setFalse;
  setRootOnly(absent);
  setRootOnly(setFalse);
  *attach(setFalse.canOverlapSend) = false;
  EXPECT_FALSE(absent.isEqual(setFalse));
  H225::setup_UUIE decodedAbsent, decodedFalse;
  perDecode(decodedAbsent, perOctets(absent));
  perDecode(decodedFalse, perOctets(setFalse));
  EXPECT_EQ(decodedAbsent.canOverlapSend, nullptr);
  ASSERT_NE(decodedFalse.canOverlapSend, nullptr);
  EXPECT_FALSE(decodedFalse.canOverlapSend->value());
  EXPECT_TRUE(decodedFalse.isEqual(setFalse));
  // The addition that is set makes the bitmap: 1, then 25 as 0 011001,
  // then 26 bits of which the ninth (CanOverlapSend) is 1.
  EXPECT_EQ(perHex(setFalse).substr(0, 3), "80 ");
}

TEST(userInformation, userDataIsOptionalAndItsBoundsAreChecked) {
  H225::h323_UserInformation message = information();
  // 0 0 (no additions, no user data), PDU 0 0, body 0 100 (Information),
  // Information 0 (no additions); then the protocol.
  EXPECT_EQ(perHex(message), std::string("04 00 ") + version4);
  auto* userData = attach(message.user_data);
  userData->protocol_discriminator = 5;
  userData->user_information.setValue("\x01\x02\x03", 3);
  // 0 1 ...; the user data: 0, aligned 05, the count less one in eight
  // bits, the octets.
  EXPECT_EQ(perHex(message), std::string("44 00 ") + version4 + " 00 05 02 01 02 03");
  userData->protocol_discriminator = 256;
  ORVO_EXPECT_THROW(perOctets(message), constraintFailure, "Encode integer constraint check failed.");
  userData->protocol_discriminator = 255;
  userData->user_information.setValue("", 0);
  ORVO_EXPECT_THROW(perOctets(message), constraintFailure, "Encode integer constraint check failed.");
  userData->user_information.setValue(std::string(132, 'u').data(), 132);
  ORVO_EXPECT_THROW(perOctets(message), constraintFailure, "Encode length constraint check failed.");
  userData->user_information.setValue(std::string(131, 'u').data(), 131);
  H225::h323_UserInformation decoded;
  perDecode(decoded, perOctets(message));
  EXPECT_TRUE(decoded.isEqual(message));
}

TEST(userInformation, emptyIsAnExtensionAlternative) {
  H225::h323_UserInformation message;
  message.h323_uu_pdu.h323_message_body.select(8);
  // Body 1 (extension) 0 000001 (the second addition), then the NULL as an
  // open type of one octet.
  EXPECT_EQ(perHex(message), "08 10 01 00");
  H225::h323_UserInformation decoded;
  perDecode(decoded, octetsOf("08 10 01 00"));
  EXPECT_EQ(decoded.h323_uu_pdu.h323_message_body.index(), 8);
  EXPECT_STREQ(decoded.h323_uu_pdu.h323_message_body.alternativeName(), "Empty");
}

TEST(userInformation, aBodyOfALaterEditionIsKeptAsItsOctets) {
  // Body 1 0 000110: addition 6, alternative 13, which this version does
  // not know; an open type of one octet.
  H225::h323_UserInformation decoded;
  perDecode(decoded, octetsOf("08 60 01 5a"));
  const body& kind = decoded.h323_uu_pdu.h323_message_body;
  EXPECT_EQ(kind.index(), 13);
  EXPECT_EQ(kind.alternativeName(), nullptr);
  auto* kept = dynamic_cast<asn::opentype*>(kind.alternative());
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->octets(), orvo::string("\x5a"));
  EXPECT_EQ(perHex(decoded), "08 60 01 5a");
  H225::h323_UserInformation copy(decoded);
  EXPECT_TRUE(copy.isEqual(decoded));
}

TEST(userInformation, surplusPduAdditionsStayInTheSideRecordAndAreNotPassedOn) {
  // PDU 1 (additions) 0, body 0 101 (Release Complete) 0 0; the protocol;
  // ten additions (0 001001), the tenth present (0000000001), its open
  // type 01 5a.
  std::string received = std::string("25 00 ") + version4 + " 12 00 80 01 5a";
  H225::h323_UserInformation decoded;
  perDecode(decoded, octetsOf(received));
  const H225::h323_uu_pdu& pdu = decoded.h323_uu_pdu;
  EXPECT_EQ(pdu.h323_message_body.index(), 5);
  EXPECT_FALSE(pdu.hasAdditions());
  ASSERT_NE(pdu.unknown(), nullptr);
  EXPECT_EQ(pdu.unknown()->count(), 1u);
  ASSERT_TRUE(pdu.unknown()->isPresent(0));
  EXPECT_EQ(pdu.unknown()->get(0).octets(), orvo::string("\x5a"));
  // Passed on, it carries only what this version knows.
  EXPECT_EQ(perHex(decoded), std::string("05 00 ") + version4);
  H225::h323_UserInformation copy(decoded);
  ASSERT_NE(copy.h323_uu_pdu.unknown(), nullptr);
  EXPECT_TRUE(copy.isEqual(decoded));
}
