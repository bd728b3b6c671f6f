// The Q.931 message: its header, the codeset shifts, the order of its
// elements, copies, the H.225.0 body inside and the trace lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "userInformationSamples.h"
#include "valueFiller.h"

using namespace q931Testing;

namespace {

// The identifiers of the elements, in list order.
std::vector<int> ids(const Q931::message& m) {
  std::vector<int> out;
  for (Q931::element* e : m.elements) out.push_back(e->id);
  return out;
}

std::string printed(const Q931::message& m) {
  std::ostringstream out;
  m.print(out);
  return out.str();
}

std::string userUserHex(const H225::h323_UserInformation& content) {
  octets per = perOctets(content);
  unsigned length = unsigned(per.size()) + 1;
  octets element{0x7E, (unsigned char)(length >> 8), (unsigned char)length, 0x05};
  for (unsigned char o : per) element.push_back(o);
  return toHex(element);
}

}  // namespace

TEST(message, header) {
  Q931::message m;
  decodeMessage(m, "08 02 00 2A 05");
  EXPECT_EQ(m.protocolDiscriminator, 8);
  EXPECT_EQ(m.callReference.length(), 2u);
  EXPECT_EQ(m.callReference.value(), 0x2Au);
  EXPECT_TRUE(m.callReference.flag());
  EXPECT_EQ(m.type, 0x05);
  EXPECT_EQ(Q931::message::typeName(m.type), std::string("Setup"));
  EXPECT_EQ(m.elements.count(), 0u);
  EXPECT_EQ(encodeMessage(m), "08 02 00 2A 05");

  // Any discriminator and any type are kept.
  decodeMessage(m, "03 01 81 33");
  EXPECT_EQ(m.protocolDiscriminator, 3);
  EXPECT_EQ(m.type, 0x33);
  EXPECT_FALSE(m.callReference.flag());
  EXPECT_EQ(encodeMessage(m), "03 01 81 33");
}

TEST(message, builtMessages) {
  Q931::message m(Q931::message::releaseComplete, Q931::callReference(0x1234, false));
  EXPECT_EQ(encodeMessage(m), "08 02 92 34 5A");
  m.insertElement(new Q931::cause(16));
  EXPECT_EQ(encodeMessage(m), "08 02 92 34 5A 08 02 80 90");
  Q931::message empty;
  EXPECT_EQ(encodeMessage(empty), "08 00 00");
}

TEST(message, printOfTheHeaderAndElementHeaders) {
  Q931::message m;
  decodeMessage(m, "08 00 5A");
  EXPECT_EQ(printed(m),
            "Type: ReleaseComplete(0x5a)\n"
            "ProtocolDiscriminator : 8\n"
            "Call Reference: length (in octets): 0, flag: 0 - origination side\n"
            "* Not contains any elements\n");
  decodeMessage(m, "1A 02 80 2A 91 A1 3A 00");
  EXPECT_EQ(printed(m),
            "Type: Not Supported(0x91)\n"
            "ProtocolDiscriminator : 1a\n"
            "Call Reference: length (in octets): 2, value (in hex): 00 2A , flag: 1 - destination side\n"
            "Contains 2 elements\n"
            "[SendingComplete]\n"
            "[Not Supported] (0x3a)\n");
}

TEST(message, typeNames) {
  const std::pair<int, const char*> names[] = {
      {0x00, "Escape"},
      {0x01, "Alerting"},
      {0x02, "CallProceeding"},
      {0x03, "Progress"},
      {0x05, "Setup"},
      {0x07, "Connect"},
      {0x0D, "SetupAck"},
      {0x0F, "ConnectAck"},
      {0x20, "UserInfo"},
      {0x21, "SuspendReject"},
      {0x22, "ResumeReject"},
      {0x25, "Suspend"},
      {0x26, "Resume"},
      {0x2D, "SuspendAck"},
      {0x2E, "ResumeAck"},
      {0x45, "Disconnect"},
      {0x46, "Restart"},
      {0x4D, "Release"},
      {0x4E, "RestartAck"},
      {0x5A, "ReleaseComplete"},
      {0x60, "Segment"},
      {0x62, "Facility"},
      {0x6E, "Notify"},
      {0x75, "StatusInquiry"},
      {0x79, "CongestionControl"},
      {0x7B, "Information"},
      {0x7D, "Status"},
      {0x04, "Not Supported"},
      {0x7E, "Not Supported"},
      {0xFF, "Not Supported"},
      {-1, "Not Supported"},
  };
  for (const auto& n : names) EXPECT_EQ(Q931::message::typeName(n.first), std::string(n.second)) << n.first;
}

TEST(message, codesetShiftsAndSingleOctetElements) {
  struct {
    const char* name;
    const char* elements;  // after "08 02 00 01 05"
    std::vector<int> ids;
    const char* reEncoded;  // the elements again
  } cases[] = {
      {"locking shift to 6 ends the decode at the next element",
       "28 01 41 96 7E 00 01 05 70 01 80",
       {0x28},
       "28 01 41"},
      {"locking shift to 0 within 0 changes nothing", "90 28 01 41 70 01 80", {0x28, 0x70}, "28 01 41 70 01 80"},
      {"non-locking shift keeps single octets and ends at the element", "9E A1 28 01 41", {-3}, "A1"},
      {"non-locking shift to 0 lasts one element", "98 28 01 41 70 01 80", {0x28, 0x70}, "28 01 41 70 01 80"},
      {"a locking shift never lowers the codeset", "95 A1 90 28 01 41", {-3}, "A1"},
      {"more data, congestion, repeat", "A2 B3 D2", {-4, -2, -1}, "A0 B3 D2"},
      {"single octets without a class are dropped", "80 C5 E0 F3 8F 28 01 41", {0x28}, "28 01 41"},
      {"shift octets are not written again", "90 A1", {-3}, "A1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Q931::message m;
    ASSERT_EQ(failureOf([&] { decodeMessage(m, std::string("08 02 00 01 05 ") + c.elements); }), "");
    EXPECT_EQ(ids(m), c.ids);
    EXPECT_EQ(encodeMessage(m), std::string("08 02 00 01 05 ") + c.reEncoded);
  }
  Q931::message m;
  decodeMessage(m, "08 02 00 01 05 BF D9");
  EXPECT_EQ(static_cast<Q931::congestionLevel*>(m.elements.first())->level, 15u);
  EXPECT_EQ(static_cast<Q931::repeatIndicator*>(m.elements.last())->indication, 9u);
}

TEST(message, receivedOrderIsKeptAndLookupStopsAtAGreaterIdentifier) {
  Q931::message m;
  decodeMessage(m, "08 02 00 01 05 70 02 81 31 28 01 41 A1 08 02 80 90");
  EXPECT_EQ(ids(m), (std::vector<int>{0x70, 0x28, -3, 0x08}));
  EXPECT_EQ(m.findElement(0x70), m.elements.first());
  EXPECT_EQ(m.findElement(0x28), nullptr);
  EXPECT_EQ(m.findElement(0x08), nullptr);
  EXPECT_EQ(encodeMessage(m), "08 02 00 01 05 70 02 81 31 28 01 41 A1 08 02 80 90");

  decodeMessage(m, "08 02 00 01 05 A1 04 03 80 90 A3 28 01 41 28 01 42 7E 00 01 05");
  struct {
    int id;
    int position;  // -1: not found
  } lookups[] = {{-3, 0}, {0x04, 1}, {0x28, 2}, {0x7E, 4}, {0x08, -1}, {0x7F, -1}, {-4, -1}};
  for (const auto& l : lookups) {
    Q931::element* expected = nullptr;
    int i = 0;
    for (Q931::element* e : m.elements)
      if (i++ == l.position) expected = e;
    EXPECT_EQ(m.findElement(l.id), expected) << l.id;
  }
}

TEST(message, insertionKeepsTheIdentifiersAscending) {
  Q931::message m(Q931::message::setup, Q931::callReference(1, true));
  m.insertElement(new Q931::userUser);
  m.insertElement(new Q931::bearerCapability(0, 0, 16, 3));
  m.insertElement(new Q931::calledPartyNumber("1"));
  EXPECT_EQ(ids(m), (std::vector<int>{0x04, 0x70, 0x7E}));
  Q931::display* first = new Q931::display("a");
  m.insertElement(first);
  EXPECT_EQ(ids(m), (std::vector<int>{0x04, 0x28, 0x70, 0x7E}));
  Q931::display* second = new Q931::display("b");
  m.insertElement(second);
  m.insertElement(new Q931::sendingComplete);
  m.insertElement(new Q931::notSupportedElement);
  EXPECT_EQ(ids(m), (std::vector<int>{-3, 0x04, 0x28, 0x28, 0x70, 0x7E, 0xFFFF}));
  EXPECT_EQ(m.findElement(0x28), first);
  orvo::listNode* n = m.elements.find(first);
  EXPECT_EQ(n->next->element, second);
}

TEST(message, copiesAreMadeByReEncoding) {
  Q931::message m;
  decodeMessage(m, "08 02 00 01 05 04 03 80 90 A3 1C 03 91 A1 02 3A 01 FF 70 02 81 31");
  Q931::message copy(m);
  EXPECT_EQ(encodeMessage(copy), encodeMessage(m));
  ASSERT_EQ(copy.elements.count(), 4u);
  auto i = copy.elements.begin();
  for (Q931::element* e : m.elements) {
    EXPECT_NE(*i, e) << "no element is shared";
    ++i;
  }
  auto* facility = dynamic_cast<Q931::notSupportedElement*>(copy.findElement(0x1C));
  ASSERT_NE(facility, nullptr);
  EXPECT_EQ(facility->content, (octets{0x91, 0xA1, 0x02}));

  Q931::message assigned;
  assigned = m;
  EXPECT_EQ(encodeMessage(assigned), encodeMessage(m));
  Q931::message& same = assigned;
  assigned = same;
  EXPECT_EQ(encodeMessage(assigned), encodeMessage(m));
  EXPECT_EQ(assigned.elements.count(), 4u);
}

TEST(message, decodingAgainReplacesTheContent) {
  Q931::message m;
  decodeMessage(m, "08 02 00 01 05 28 01 41 70 01 80");
  decodeMessage(m, "08 01 02 07 08 02 80 90");
  EXPECT_EQ(ids(m), (std::vector<int>{0x08}));
  EXPECT_EQ(encodeMessage(m), "08 01 02 07 08 02 80 90");
}

TEST(message, truncationThrowsAndKeepsWhatWasRead) {
  struct {
    const char* wire;
    unsigned elements;
  } cases[] = {
      {"", 0},
      {"08", 0},
      {"08 02 00", 0},
      {"08 02 00 01", 0},
      {"08 02 00 01 05 28", 0},
      {"08 02 00 01 05 28 01 41 70 03 81", 1},
      {"08 02 00 01 05 A1 28 05", 1},
  };
  for (const auto& c : cases) {
    Q931::message m;
    EXPECT_EQ(failureOf([&] { decodeMessage(m, c.wire); }), "Byte stream index out of bounds.") << c.wire;
    EXPECT_EQ(m.elements.count(), c.elements) << c.wire;
  }
}

TEST(message, bodyAccessorsReachTheirAlternativeOnly) {
  using accessor = void* (*)(const Q931::message&);
  const std::pair<int, accessor> accessors[] = {
      {bodyKind::setup, [](const Q931::message& m) -> void* { return m.setupBody(); }},
      {bodyKind::callProceeding, [](const Q931::message& m) -> void* { return m.callProceedingBody(); }},
      {bodyKind::connect, [](const Q931::message& m) -> void* { return m.connectBody(); }},
      {bodyKind::alerting, [](const Q931::message& m) -> void* { return m.alertingBody(); }},
      {bodyKind::information, [](const Q931::message& m) -> void* { return m.informationBody(); }},
      {bodyKind::releaseComplete, [](const Q931::message& m) -> void* { return m.releaseCompleteBody(); }},
      {bodyKind::facility, [](const Q931::message& m) -> void* { return m.facilityBody(); }},
      {bodyKind::progress, [](const Q931::message& m) -> void* { return m.progressBody(); }},
      {bodyKind::status, [](const Q931::message& m) -> void* { return m.statusBody(); }},
      {bodyKind::statusInquiry, [](const Q931::message& m) -> void* { return m.statusInquiryBody(); }},
      {bodyKind::setupAcknowledge, [](const Q931::message& m) -> void* { return m.setupAcknowledgeBody(); }},
      {bodyKind::notify, [](const Q931::message& m) -> void* { return m.notifyBody(); }},
  };
  for (const userInformationSample& sample : userInformationSamples()) {
    SCOPED_TRACE(sample.name);
    Q931::message m;
    decodeMessage(m, "08 02 00 01 05 28 01 41 " + userUserHex(*sample.message));
    ASSERT_NE(m.userInformation(), nullptr);
    int kind = m.userInformation()->h323_uu_pdu.h323_message_body.index();
    for (const auto& a : accessors) {
      void* body = a.second(m);
      if (a.first == kind)
        EXPECT_EQ(body, m.userInformation()->h323_uu_pdu.h323_message_body.alternative());
      else
        EXPECT_EQ(body, nullptr) << a.first;
    }
  }
  Q931::message none, empty;
  decodeMessage(none, "08 02 00 01 05 28 01 41");
  decodeMessage(empty, "08 02 00 01 05 7E 00 01 05");
  for (const auto& a : accessors) {
    EXPECT_EQ(a.second(none), nullptr);
    EXPECT_EQ(a.second(empty), nullptr);
  }
  EXPECT_EQ(empty.userInformation(), nullptr);
}

TEST(message, theFirstUserUserElementCounts) {
  Q931::message m;
  std::string first = userUserHex(*userInformationSamples()[bodyKind::callProceeding].message);
  std::string second = userUserHex(*userInformationSamples()[bodyKind::alerting].message);
  decodeMessage(m, "08 02 00 01 02 " + first + " " + second);
  EXPECT_NE(m.callProceedingBody(), nullptr);
  EXPECT_EQ(m.alertingBody(), nullptr);
}

// A content error in an element other than User-user is handled as though
// the element were absent (ITU-T Q.931 5.8.7.2): the rest of the message is
// read, the element is kept as its octets to go out as it came, and a
// lookup does not find it.
TEST(message, anElementWhoseContentIsRefusedIsKeptAsItsOctetsAndNotFound) {
  const std::string setup = userUserHex(*userInformationSamples()[bodyKind::setup].message);
  struct {
    const char* name;
    std::string wire;
    std::vector<int> ids;
    std::vector<int> found;
  } cases[] = {
      {"month 13 alone", "08 02 12 34 05 29 03 7B 0D 01", {0x29}, {}},
      {"31 April between others",
       "08 02 00 01 05 28 01 41 29 06 7A 04 1F 00 00 00 70 02 81 39",
       {0x28, 0x29, 0x70},
       {0x28, 0x70}},
      {"a date of 7 octets before the body",
       "08 02 00 01 05 04 03 88 90 A5 29 07 7A 0C 07 0B 0C 0D 0E " + setup,
       {0x04, 0x29, 0x7E},
       {0x04, 0x7E}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Q931::message m;
    ASSERT_EQ(failureOf([&] { decodeMessage(m, c.wire); }), "");
    EXPECT_EQ(ids(m), c.ids);
    for (int id : c.ids) {
      bool found = std::find(c.found.begin(), c.found.end(), id) != c.found.end();
      EXPECT_EQ(m.findElement(id) != nullptr, found) << id;
    }
    for (Q931::element* e : m.elements)
      EXPECT_EQ(dynamic_cast<Q931::invalidElement*>(e) != nullptr, e->id == 0x29) << e->id;
    EXPECT_EQ(encodeMessage(m), toHex(fromHex(c.wire)));
    Q931::message copy(m);
    EXPECT_EQ(encodeMessage(copy), toHex(fromHex(c.wire)));
    EXPECT_EQ(copy.findElement(0x29), nullptr);
  }
  Q931::message withBody;
  decodeMessage(withBody, cases[2].wire);
  EXPECT_NE(withBody.setupBody(), nullptr);

  Q931::message alone;
  decodeMessage(alone, cases[0].wire);
  EXPECT_EQ(printed(alone),
            "Type: Setup(0x5)\n"
            "ProtocolDiscriminator : 8\n"
            "Call Reference: length (in octets): 2, value (in hex): 12 34 , flag: 0 - origination side\n"
            "Contains 1 elements\n"
            "[DateTime] (0x29)\n"
            "  --- [dump (in hex), 3 octets length] ---\n"
            "  0000: 7B 0D 01                                             {..\n");
}

// A User-user element that does not decode, and an element cut short by the
// end of the message, still make the message undecodable.
TEST(message, userUserAndTruncationStillRefuseTheMessage) {
  Q931::message m;
  EXPECT_NE(failureOf([&] { decodeMessage(m, "08 02 00 01 05 29 03 7B 0D 01 7E 00 03 05 FF FF"); }), "");
  EXPECT_EQ(ids(m), (std::vector<int>{0x29})) << "what was read before stays";
  EXPECT_EQ(failureOf([&] { decodeMessage(m, "08 02 00 01 05 29 05 7B 0D 01"); }), "Byte stream index out of bounds.");
  EXPECT_EQ(failureOf([&] { decodeMessage(m, "08 02 00 01 05 29"); }), "Byte stream index out of bounds.");
}
