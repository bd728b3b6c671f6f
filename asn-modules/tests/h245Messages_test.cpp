// The H.245 message CHOICE: encodings of whole messages worked out by hand
// from X.691 and the H.245 module, and the value operations every message
// relies on (create, copy, print, compare).
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <h245/h245.h>

#include "h245Samples.h"
#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

const H245::multimediaSystemControlMessage& sample(const std::string& name) {
  static const std::vector<h245Sample> samples = h245Samples();
  for (const h245Sample& s : samples)
    if (s.name == name) return *s.message;
  throw std::runtime_error("no sample " + name);
}

struct handWorked {
  const char* sample;
  const char* hex;
  const char* why;
};

const handWorked vectors[] = {
    {"MasterSlaveDetermination", "01 00 3c 40 30 39",
     "request 0 00, masterSlaveDetermination 0 0001; no extension, pad; terminal type 60 in one octet; "
     "12345 of 0..2^24-1 as length 2 in two bits (01), pad, 30 39"},
    {"MasterSlaveDeterminationAck", "20 a0",
     "response 0 01, masterSlaveDeterminationAck 0 00001 (5 bits for 19 roots); no extension; slave 1"},
    {"TerminalCapabilitySetAck", "21 80 01",
     "response 0 01, terminalCapabilitySetAck 0 00011; no extension, pad; sequence number 1"},
    {"CloseLogicalChannel", "04 00 00 64 00",
     "request 0 00, closeLogicalChannel 0 0100; no extension, pad; channel 101 as 100 in two octets; user 0"},
    {"EndSessionCommand", "4a 40", "command 0 10, endSessionCommand 0 101 (3 bits for 7 roots); disconnect 0 01"},
};

}  // namespace

TEST(h245Message, wholeMessagesEncodeAsWorkedOutByHand) {
  for (const handWorked& v : vectors) {
    SCOPED_TRACE(v.sample);
    const H245::multimediaSystemControlMessage& message = sample(v.sample);
    EXPECT_EQ(perHex(message), v.hex) << v.why;
    H245::multimediaSystemControlMessage decoded;
    perDecode(decoded, perOctets(message));
    EXPECT_TRUE(decoded.isEqual(message));
  }
}

TEST(h245Message, everySampleRoundTripsAndCopiesIndependently) {
  for (const h245Sample& s : h245Samples()) {
    SCOPED_TRACE(s.name);
    std::vector<unsigned char> octets = perOctets(*s.message);
    H245::multimediaSystemControlMessage decoded;
    perDecode(decoded, octets);
    EXPECT_TRUE(decoded.isEqual(*s.message));
    EXPECT_EQ(perOctets(decoded), octets);

    // A copy through the create function and assignment, as the runtime
    // makes one, owns its alternative: changing the source leaves it equal
    // to the decoded value.
    std::unique_ptr<asn::object> copy(H245::multimediaSystemControlMessage::create());
    copy->assign(decoded);
    EXPECT_TRUE(copy->isEqual(decoded));
    decoded.select(H245::multimediaSystemControlMessage::descriptor.count - 1);
    EXPECT_FALSE(copy->isEqual(decoded));
    EXPECT_EQ(perOctets(*copy), octets);
  }
}

TEST(h245Message, printsTheKindsAndValues) {
  const struct {
    const char* sample;
    const char* text;
  } traces[] = {
      {"MasterSlaveDetermination",
       " Request MasterSlaveDetermination {\n  TerminalType: 60 (0x3c)\n  StatusDeterminationNumber: 12345 "
       "(0x3039)\n}"},
      {"EndSessionCommand", " Command EndSessionCommand Disconnect"},
      {"CloseLogicalChannel",
       " Request CloseLogicalChannel {\n  ForwardLogicalChannelNumber: 101 (0x65)\n  Source User\n}"},
  };
  for (const auto& t : traces) {
    std::ostringstream text;
    text << sample(t.sample);
    EXPECT_EQ(text.str(), t.text) << t.sample;
  }
}

TEST(h245Message, anUnselectedMessageOrKindIsRefused) {
  H245::multimediaSystemControlMessage message;
  EXPECT_EQ(message.index(), -1);
  ORVO_EXPECT_THROW(perOctets(message), asn::per::codec::notInitializedChoice,
                    "Attempt to encode not initialized choice");
  message.select(0);
  ORVO_EXPECT_THROW(perOctets(message), asn::per::codec::notInitializedChoice,
                    "Attempt to encode not initialized choice");
}

TEST(h245Message, aFastStartProposalIsTheChannelAlone) {
  std::unique_ptr<H245::openLogicalChannel> channel = g711Channel();
  // No extension, reverse parameters absent, pad; channel 101 as 00 64.
  // Forward parameters: no extension, port absent; audioData 0 011,
  // g711Ulaw64k 0 0011 (0c), pad; 20 frames as 19 in one octet (13); the
  // H.225.0 parameters, an addition of the multiplex CHOICE: 1 and addition
  // 0 as a normally small number (80), then its open type.
  std::string hex = perHex(*channel);
  EXPECT_EQ(hex.substr(0, 20), "00 00 64 0c 60 13 80");
  H245::openLogicalChannel decoded;
  perDecode(decoded, perOctets(*channel));
  EXPECT_TRUE(decoded.isEqual(*channel));
  std::unique_ptr<asn::object> created(H245::openLogicalChannel::create());
  EXPECT_EQ(created->record(), decoded.record());
}
