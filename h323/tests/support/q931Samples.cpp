#include "q931Samples.h"

#include <h323/q931/elements.h>

#include "q931Octets.h"
#include "userInformationSamples.h"

namespace {

Q931::userUser* bodyOf(int kind) {
  return new Q931::userUser(new H225::h323_UserInformation(*userInformationSamples()[size_t(kind)].message));
}

}  // namespace

std::vector<routedCallMessage> routedCallMessages() {
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
       }},
      {"Call Proceeding",
       [] {
         Q931::message m(Q931::message::callProceeding, Q931::callReference(0x1234, false));
         m.insertElement(bodyOf(bodyKind::callProceeding));
         return m;
       }},
      {"Alerting",
       [] {
         Q931::message m(Q931::message::alerting, Q931::callReference(0x1234, false));
         m.insertElement(bodyOf(bodyKind::alerting));
         m.insertElement(new Q931::progressIndicator(0, 8));
         return m;
       }},
      {"Connect",
       [] {
         Q931::message m(Q931::message::connect, Q931::callReference(0x1234, false));
         m.insertElement(bodyOf(bodyKind::connect));
         m.insertElement(new Q931::display("Orvo callee"));
         return m;
       }},
      {"Release Complete",
       [] {
         Q931::message m(Q931::message::releaseComplete, Q931::callReference(0x0042, true));
         m.insertElement(bodyOf(bodyKind::releaseComplete));
         Q931::cause* c = new Q931::cause(17);
         c->location = 1;
         m.insertElement(c);
         return m;
       }},
      {"Facility, call reference with its top bit set",
       [] {
         Q931::message m(Q931::message::facility, Q931::callReference(0x8123, true));
         m.insertElement(bodyOf(bodyKind::facility));
         return m;
       }},
      {"Progress",
       [] {
         Q931::message m(Q931::message::progress, Q931::callReference(0x0001, false));
         m.insertElement(bodyOf(bodyKind::progress));
         m.insertElement(new Q931::progressIndicator(1, 1));
         return m;
       }},
      {"Status",
       [] {
         Q931::message m(Q931::message::status, Q931::callReference(0x7FFF, false));
         m.insertElement(bodyOf(bodyKind::status));
         Q931::cause* c = new Q931::cause(30);
         c->location = 10;
         m.insertElement(c);
         m.insertElement(new Q931::callState(10));
         return m;
       }},
  };
}

Q931::message setupCalling(const std::string& ANumber) {
  Q931::message setup = routedCallMessages()[0].build();
  H225::setup_UUIE* body = setup.setupBody();
  delete body->destinationAddress;
  body->destinationAddress = nullptr;
  setup.elements.remove(setup.elements.find(setup.findElement(0x70)), orvo::autoDelete(1));
  if (!ANumber.empty()) setup.insertElement(new Q931::calledPartyNumber(ANumber.c_str(), 0, 1));
  return setup;
}

std::vector<q931Sample> q931Samples() {
  std::vector<q931Sample> samples;
  for (const routedCallMessage& m : routedCallMessages())
    samples.push_back({m.name, q931Testing::encodeMessage(m.build())});
  std::string setupBody;
  {
    Q931::message m(Q931::message::setup, Q931::callReference(1, true));
    m.insertElement(bodyOf(bodyKind::setup));
    setupBody = q931Testing::encodeMessage(m).substr(15);
  }
  samples.push_back({"Setup with every kind of number",
                     "08 02 00 01 05 A1 04 03 80 90 A3 18 03 A9 83 81 1E 02 81 81 28 05 41 6C 69 63 65 "
                     "6C 06 01 80 31 32 33 34 6D 03 A0 50 51 70 04 81 31 32 33 71 03 88 12 34 "
                     "74 05 00 03 8F 31 32 7C 0B 08 C0 90 21 0F B0 C2 66 40 07 82 7D 02 91 81 " +
                         setupBody});
  samples.push_back({"Packet-mode elements",
                     "08 01 07 05 00 02 81 05 10 03 41 42 43 20 05 03 A1 31 32 55 27 01 F1 "
                     "29 06 7A 0C 07 0B 0C 0D 2C 02 31 23 34 01 01 40 04 83 84 85 86 "
                     "42 09 00 00 81 00 01 80 03 7F FF 43 03 00 07 E8 44 01 9F 45 02 82 83 46 01 87 "
                     "47 03 81 30 31 4A 01 81 78 04 A1 31 32 33 79 01 87"});
  samples.push_back({"Shifts and single-octet elements",
                     "08 02 80 05 7D A2 B3 D2 90 08 02 80 90 14 01 0A 98 1C 05 91 A1 02 02 01 "
                     "9E A1 96 7F 02 01 02"});
  samples.push_back({"Release Complete with diagnostics", "08 02 80 01 5A 08 04 80 90 01 02 7E 00 01 05"});
  // Elements written back as they came: another coding standard, octet 4
  // of a multirate rate without bit 8, and a date that does not exist.
  samples.push_back({"Setup with elements passed on as they came",
                     "08 02 12 34 05 04 03 A8 90 A3 08 02 E2 90 29 03 7B 0D 01 7C 04 88 18 86 A3 " + setupBody});
  return samples;
}
