// The fixed reject texts, exactly as peers have always received them, and
// their carrier in genericData: octets worked out by hand from the aligned
// PER rules, and read back by tshark inside a reject we encode.
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>

#include <gtest/gtest.h>

#include <asn/perCodec.h>

#include <memory>
#include <string>
#include <vector>

#include "orvoTesting.h"
#include "tshark.h"

namespace {

std::vector<unsigned char> Encoded(const asn::object& AValue) {
  asn::per::codec codec;
  AValue.encode(codec);
  const unsigned char* data = codec.stream().data();
  return std::vector<unsigned char>(data, data + codec.stream().octetLength());
}

std::vector<unsigned char> Octets(std::initializer_list<unsigned> AHead, const std::string& ATail) {
  std::vector<unsigned char> all(AHead.begin(), AHead.end());
  all.insert(all.end(), ATail.begin(), ATail.end());
  return all;
}

}  // namespace

TEST(RejectTexts, EveryTextAsSent) {
  const char* const expected[] = {
      "Gatekeeper service shutting down.",
      "Gatekeeper identifer mismatch.",
      "No RAS IP address given.",
      "No CS IP address given.",
      "None of login aliases given.",
      "All aliases supplied are unknown type.",
      "Unknown login alias.",
      "Login aliases refer distinct endpoints.",
      "User, aliases refer to, are static.",
      "Registration from this address is not allowed.",
      "Invalid H.235 secutity information.",
      "Other endpoint from this CS address already registered.",
      "Endpoint unregistration in progress.",
      "Endpoint in some intermediate state.",
      "Password for RADIUS server is not supplied.",
      "User name for RADIUS server is not supplied.",
      "RADIUS server failure.",
      "Connection rejected by RADIUS server.",
      "Link bandwidth completely exhausted.",
      "Link bandwidth insufficient.",
      "Internal gatekeeper failure.",
      "Remote gatekeeper failure.",
      "Connection rejected by remote gatekeeper.",
      "Unable to identificate requester.",
      "Caller call capacity exceeded.",
      "Callee call capacity exceeded.",
      "Connection already exists. Admitter not a connection participant.",
  };
  ASSERT_EQ(size_t(rtTextCount), sizeof expected / sizeof expected[0]);
  for (int i = 0; i < rtTextCount; ++i) EXPECT_EQ(expected[i], toStd(RejectText(i))) << i;
  EXPECT_EQ("Invalid H.235 secutity information.", toStd(RejectText(rtInvalidSecurity)));
  EXPECT_EQ("Connection already exists. Admitter not a connection participant.", toStd(RejectText(rtNotAParticipant)));
  // Outside the table: no text, so no carrier.
  for (int outside : {-1, int(rtTextCount), 1000}) EXPECT_EQ("", toStd(RejectText(outside))) << outside;
}

TEST(RejectTextCarrier, OctetsWorkedOutByHand) {
  TGenericDataList* field = nullptr;
  AttachRejectText(field, RejectText(rtBandwidthInsufficient));
  ASSERT_NE(nullptr, field);
  std::unique_ptr<TGenericDataList> owned(field);
  ASSERT_EQ(1u, field->count());
  // GenericData: extension 0, parameters present 1; id CHOICE extension 0,
  // nonStandard 10; padding: 0101 0000. The GUID's 16 octets as written.
  // parameters SIZE (1..512), count 1: 0 in two aligned octets.
  // EnumeratedParameter: extension 0, content present 1; id extension 0,
  // standard 00; INTEGER (0..16383, ...) extension 0, padding: 0100 0000,
  // then 0 in two octets. Content extension 0, text 0001, padding: 0000 1000;
  // IA5String: length 28, eight bits per character.
  EXPECT_EQ(Octets({0x50, 0x5e, 0x1f, 0x93, 0x0a, 0x7c, 0xd2, 0x48, 0xb6, 0xa1, 0x04, 0x3f,
                    0x88, 0xc9, 0x27, 0xe0, 0x5d, 0x00, 0x00, 0x40, 0x00, 0x00, 0x08, 0x1c},
                   "Link bandwidth insufficient."),
            Encoded(*TGenericDataList::element(field->elements().head())));
}

TEST(RejectTextCarrier, EmptyTextLeavesTheFieldAndAnotherReplacesIt) {
  TGenericDataList* field = nullptr;
  AttachRejectText(field, RejectText(-1));
  EXPECT_EQ(nullptr, field);
  AttachRejectText(field, RejectText(rtShuttingDown));
  AttachRejectText(field, RejectText(rtRADIUSFailure));
  std::unique_ptr<TGenericDataList> owned(field);
  ASSERT_EQ(1u, field->count());
  const H225::genericData* data = TGenericDataList::element(field->elements().head());
  ASSERT_NE(nullptr, data->parameters);
  ASSERT_EQ(1u, data->parameters->count());
  const H225::enumeratedParameter* parameter =
      asn::sequenceOf<H225::enumeratedParameter, 1u, 512u, 1>::element(data->parameters->elements().head());
  ASSERT_NE(nullptr, parameter->content);
  EXPECT_EQ(1, parameter->content->index());
  EXPECT_EQ("RADIUS server failure.",
            toStd(static_cast<const asn::constrainedString*>(parameter->content->alternative())->value()));
  // The shared identifiers are copied, not handed over.
  EXPECT_EQ(2, RejectTextIdentifier().index());
  EXPECT_EQ(0, RejectTextParameterIdentifier().index());
}

TEST(RejectTextCarrier, TsharkReadsTheCarrierInsideRejects) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  // An ARJ and an LRJ with genericDataReason, and an RRJ with another reason
  // and a text: the carrier rides in each reject's extension additions.
  H225::rasMessage arj, lrj, rrj;
  auto* admission = static_cast<H225::admissionReject*>(arj.select(11));
  admission->requestSeqNum = 4711;
  admission->rejectReason.select(16);
  AttachRejectText(admission->genericData, RejectText(rtBandwidthExhausted));
  auto* location = static_cast<H225::locationReject*>(lrj.select(20));
  location->requestSeqNum = 12;
  location->rejectReason.select(8);
  AttachRejectText(location->genericData, RejectText(rtUnidentifiedRequester));
  auto* registration = static_cast<H225::registrationReject*>(rrj.select(5));
  registration->requestSeqNum = 65535;
  registration->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  registration->rejectReason.select(8);  // securityDenial
  AttachRejectText(registration->genericData, RejectText(rtInvalidSecurity));

  std::vector<tshark::octets> frames = {Encoded(arj), Encoded(lrj), Encoded(rrj)};
  tshark::result r = tshark::dissectUdp(
      1719, frames,
      {"h225.RasMessage", "h225.requestSeqNum", "h225.rejectReason", "h225.nonStandard", "h225.standard", "h225.text"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::vector<std::vector<std::string>> expected = {
      {"11", "4711", "16", "5e1f930a-7cd2-48b6-a104-3f88c927e05d", "0", "Link bandwidth completely exhausted."},
      {"20", "12", "8", "5e1f930a-7cd2-48b6-a104-3f88c927e05d", "0", "Unable to identificate requester."},
      {"5", "65535", "8", "5e1f930a-7cd2-48b6-a104-3f88c927e05d", "0", "Invalid H.235 secutity information."},
  };
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ("", r.frames[i].malformed) << tshark::verboseText("h225.ras", frames[i]);
    EXPECT_EQ("", r.frames[i].expert) << tshark::verboseText("h225.ras", frames[i]);
    EXPECT_EQ(expected[i], r.frames[i].fields) << tshark::verboseText("h225.ras", frames[i]);
  }
}
