// tshark, a decoder nobody here wrote, reads the messages we build for a
// routed call, each in a TPKT of its own on TCP port 1720.
#include <gtest/gtest.h>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Tshark.h"
#include "userInformationSamples.h"

using namespace q931Testing;

namespace {

Q931::userUser* bodyOf(int kind) {
  return new Q931::userUser(new H225::h323_UserInformation(*userInformationSamples()[size_t(kind)].message));
}

struct builtMessage {
  const char* name;
  std::function<Q931::message()> build;
  // tshark's texts for the fields below, "" where absent.
  std::vector<std::string> expected;
};

const std::vector<std::string> fields = {
    "q931.call_ref",      "q931.call_ref_flag",        "q931.message_type",
    "q931.cause_value",   "q931.cause_location",       "q931.called_party_number.digits",
    "q931.calling_party_number.digits", "h225.h323_message_body", "q931.display_information",
    "q931.information_transfer_capability", "q931.uil1", "q931.progress_indicator.description",
    "q931.call_state",    "q931.presentation_ind",     "q931.screening_ind",
};

std::vector<builtMessage> builtMessages() {
  return {
      {"Setup",
       [] {
         Q931::message m(Q931::message::setup, Q931::callReference(0x1234, true));
         m.insertElement(bodyOf(bodyKind::setup));
         m.insertElement(new Q931::calledPartyNumber("5678", 0, 1));
         Q931::callingPartyNumber* calling = new Q931::callingPartyNumber("1234", 0, 1);
         calling->hasPresentation = true;
         calling->presentationIndicator = 1;
         calling->screeningIndicator = 3;
         m.insertElement(calling);
         m.insertElement(new Q931::display("Orvo caller"));
         m.insertElement(new Q931::bearerCapability(8, 0, 16, 5));
         m.insertElement(new Q931::sendingComplete);
         return m;
       },
       {"1234", "0", "0x05", "", "", "5678", "1234", "0", "Orvo caller", "0x08", "0x05", "", "", "0x01", "0x03"}},
      {"Call Proceeding",
       [] {
         Q931::message m(Q931::message::callProceeding, Q931::callReference(0x1234, false));
         m.insertElement(bodyOf(bodyKind::callProceeding));
         return m;
       },
       {"1234", "1", "0x02", "", "", "", "", "1", "", "", "", "", "", "", ""}},
      {"Alerting",
       [] {
         Q931::message m(Q931::message::alerting, Q931::callReference(0x1234, false));
         m.insertElement(bodyOf(bodyKind::alerting));
         m.insertElement(new Q931::progressIndicator(0, 8));
         return m;
       },
       {"1234", "1", "0x01", "", "", "", "", "3", "", "", "", "0x08", "", "", ""}},
      {"Connect",
       [] {
         Q931::message m(Q931::message::connect, Q931::callReference(0x1234, false));
         m.insertElement(bodyOf(bodyKind::connect));
         m.insertElement(new Q931::display("Orvo callee"));
         return m;
       },
       {"1234", "1", "0x07", "", "", "", "", "2", "Orvo callee", "", "", "", "", "", ""}},
      {"Release Complete",
       [] {
         Q931::message m(Q931::message::releaseComplete, Q931::callReference(0x0042, true));
         m.insertElement(bodyOf(bodyKind::releaseComplete));
         Q931::cause* c = new Q931::cause(17);
         c->location = 1;
         m.insertElement(c);
         return m;
       },
       {"0042", "0", "0x5a", "17", "1", "", "", "5", "", "", "", "", "", "", ""}},
      {"Facility, call reference with its top bit set",
       [] {
         Q931::message m(Q931::message::facility, Q931::callReference(0x8123, true));
         m.insertElement(bodyOf(bodyKind::facility));
         return m;
       },
       {"0123", "0", "0x62", "", "", "", "", "6", "", "", "", "", "", "", ""}},
      {"Progress",
       [] {
         Q931::message m(Q931::message::progress, Q931::callReference(0x0001, false));
         m.insertElement(bodyOf(bodyKind::progress));
         m.insertElement(new Q931::progressIndicator(1, 1));
         return m;
       },
       {"0001", "1", "0x03", "", "", "", "", "7", "", "", "", "0x01", "", "", ""}},
      {"Status",
       [] {
         Q931::message m(Q931::message::status, Q931::callReference(0x7FFF, false));
         m.insertElement(bodyOf(bodyKind::status));
         Q931::cause* c = new Q931::cause(30);
         c->location = 10;
         m.insertElement(c);
         m.insertElement(new Q931::callState(10));
         return m;
       },
       {"7fff", "1", "0x7d", "30", "10", "", "", "9", "", "", "", "", "0x0a", "", ""}},
  };
}

}  // namespace

TEST(tsharkReads, theMessagesOfARoutedCall) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  std::vector<builtMessage> messages = builtMessages();
  std::vector<tshark::octets> wires;
  for (const builtMessage& b : messages) wires.push_back(fromHex(encodeMessage(b.build())));
  tshark::result r = dissectCallSignalling(wires, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < messages.size(); ++i) {
    SCOPED_TRACE(messages[i].name);
    EXPECT_EQ(r.frames[i].malformed, "") << toHex(wires[i]);
    EXPECT_EQ(r.frames[i].expert, "");
    for (size_t f = 0; f < fields.size(); ++f) EXPECT_EQ(r.frames[i].fields[f], messages[i].expected[f]) << fields[f];
  }
}
