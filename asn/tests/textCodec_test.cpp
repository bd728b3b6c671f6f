// The readable dump of values for protocol traces, as whole texts.
#include <sstream>

#include <orvoTesting.h>

#include "fixtureTypes.h"

using fixture::print;

TEST(TextCodec, TransportAddressExample) {
  fixture::address a;
  auto* ip = static_cast<fixture::address::ipAddress_sequence*>(a.select(0));
  ip->ip.setValue("\xC0\xA8\x00\x01", 4);
  ip->port = 1720;
  EXPECT_EQ(
      " IpAddress {\n"
      "  Ip: 4 octets [C0 A8 00 01] (192.168.0.1)\n"
      "  Port: 1720 (0x6b8)\n"
      "}",
      print(a));
}

TEST(TextCodec, Choices) {
  fixture::item c;
  EXPECT_EQ("", print(c));
  c.select(3);
  EXPECT_EQ(" Flag", print(c));
  static_cast<fixture::colour*>(c.select(2))->setValue(1);
  EXPECT_EQ(" Colour: Green", print(c));
  static_cast<asn::opentype*>(c.select(9))->setOctets("\x01\xFF", 2);
  EXPECT_EQ(" unknown extension (9): 2 octets [01 FF]", print(c));
}

TEST(TextCodec, SequenceSkipsAbsentMembers) {
  fixture::empty e;
  EXPECT_EQ(" {\n}", print(e));
  fixture::record r;
  r.id = 3;
  r.entry = new fixture::item;
  *static_cast<fixture::name32*>(r.entry->select(1)) = "gk";
  r.enabled = new asn::booltype(false);
  r.extra = new asn::null;
  EXPECT_EQ(
      " {\n"
      "  Id: 3 (0x3)\n"
      "  Item Name: 'gk'\n"
      "  Enabled: false\n"
      "  Extra\n"
      "}",
      print(r));
}

TEST(TextCodec, UnknownAdditionSlots) {
  fixture::record r;
  r.setUnknown(std::unique_ptr<asn::unknownExtensions>(new asn::unknownExtensions(2)));
  // Only slots are there, none present: nothing printed for them.
  EXPECT_EQ(" {\n  Id: 0 (0x0)\n}", print(r));
  asn::opentype kept;
  kept.setOctets("\x09", 1);
  r.unknown()->set(1, kept);
  EXPECT_EQ(
      " {\n"
      "  Id: 0 (0x0)\n"
      "  unknown extensions count(2)\n"
      "    #0: not present\n"
      "    #1: 1 octets [09]\n"
      "}",
      print(r));
}

TEST(TextCodec, NestedIndentation) {
  fixture::tree t;
  static_cast<fixture::tree*>(t.children.appendNew())->children.appendNew();
  t.children.appendNew();
  EXPECT_EQ(
      " {\n"
      "  Children count(2) {\n"
      "    #0 {\n"
      "      Children count(1) {\n"
      "        #0 {\n"
      "          Children: <empty>\n"
      "        }\n"
      "      }\n"
      "    }\n"
      "    #1 {\n"
      "      Children: <empty>\n"
      "    }\n"
      "  }\n"
      "}",
      print(t));
}

// The holder writes its blank before the held value writes its own " {".
TEST(TextCodec, AnytypeRestartsAtIndentationZero) {
  fixture::wrapper w;
  w.held.get()->id = 1;
  EXPECT_EQ(
      " {\n"
      "  Held  {\n"
      "  Id: 1 (0x1)\n"
      "}\n"
      "}",
      print(w));
}

TEST(TextCodec, OctetStrings) {
  asn::octetString<0u, 0u, 1> s;
  EXPECT_EQ(": ''", print(s));
  s.setValue("ABCD", 4);
  EXPECT_EQ(": 'ABCD' (65.66.67.68)", print(s));
  s.setValue("\x01\x02\x03", 3);
  EXPECT_EQ(": 3 octets [01 02 03]", print(s));
  s.setValue("ab\0\0", 4);
  EXPECT_EQ(": 'ab' (97.98.0.0)", print(s));
  s.setValue("a\0b", 3);
  EXPECT_EQ(": 3 octets [61 00 62]", print(s));
  s.setValue("\0a", 2);
  EXPECT_EQ(": 2 octets [00 61]", print(s));
  s.setValue("x\xAEy", 3);
  EXPECT_EQ(": 'x\xAEy'", print(s));
}

TEST(TextCodec, Primitives) {
  asn::integer<0u, 0u, 1> n;
  n = uint32_t(-1);
  EXPECT_EQ(": 4294967295 (0xffffffff)", print(n));
  std::ostringstream out;
  out << n << ' ' << 255;
  EXPECT_EQ(": 4294967295 (0xffffffff) 255", out.str());
  EXPECT_EQ(": true", print(asn::booltype(true)));
  EXPECT_EQ("", print(asn::null()));
  EXPECT_EQ(": { 0, 0, 8, 2250, 0, 4 }", print(asn::oid(0, 0, 8, 2250, 0, 4)));
  asn::bmpString<1u, 128u, 1> b;
  b = "abc";
  EXPECT_EQ(": 'abc'", print(b));
  fixture::name32 name;
  name = "alice";
  EXPECT_EQ(": 'alice'", print(name));
  fixture::colour c;
  c.setValue(2);
  EXPECT_EQ(": Blue", print(c));
  c.setIndex(67);
  EXPECT_EQ(": unknown (67)", print(c));
  asn::bitString<0u, 0u, 1> bits;
  unsigned char octets[] = {0xA0};
  bits.setBits(octets, 3);
  EXPECT_EQ(" '101'B", print(bits));
  asn::opentype o;
  EXPECT_EQ(": 0 octets []", print(o));
  asn::generalizedTime t(orvo::dateTime(5, 3, 2004, 6, 7, 8, 9));
  EXPECT_EQ(" 05/03/2004 06:07:08", print(t));
  asn::sequenceOf<asn::integer<0u, 255u, 1>, 0u, 0u, 1> list;
  EXPECT_EQ(": <empty>", print(list));
}

TEST(TextCodec, StartingIndentationAndNames) {
  std::ostringstream out;
  asn::text::codec printer(out, 4);
  fixture::record r;
  printer.print("Record", r);
  EXPECT_EQ("Record {\n      Id: 0 (0x0)\n    }", out.str());
}

TEST(TextCodec, DecodingDoesNothing) {
  std::ostringstream out;
  asn::text::codec printer(out, 0);
  fixture::record r;
  r.id = 5;
  r.decode(printer);
  EXPECT_EQ(5u, r.id.value());
  EXPECT_EQ("", out.str());
}

// Texts come from peers: control octets and the backslash are escaped, so
// that no received text makes a line of its own; Latin-1 is kept.
TEST(TextCodec, ReceivedTextsEscaped) {
  const struct {
    std::string text, bmp, ia5;
  } cases[] = {
      {"alice", ": 'alice'", ": 'alice'"},
      {"\n07/12/2026 19:00:00 [E] Forged line", ": '\\x0A07/12/2026 19:00:00 [E] Forged line'",
       ": '\\x0A07/12/2026 19:00:00 [E] Forged line'"},
      {std::string("gk\0", 3), ": 'gk\\x00'", ": 'gk\\x00'"},
      {"a\\b", ": 'a\\\\b'", ": 'a\\\\b'"},
      {"\x7F\x9B", ": '\\x7F\\x9B'", ": '\\x7F\\x9B'"},
      {"J\xFCrgen", ": 'J\xFCrgen'", ": 'J\xFCrgen'"},
  };
  for (const auto& c : cases) {
    const orvo::string text(c.text.data(), unsigned(c.text.size()));
    asn::bmpString<1u, 128u, 1> b;
    b = text;
    EXPECT_EQ(c.bmp, print(b)) << c.text;
    fixture::name32 name;
    name = text;
    EXPECT_EQ(c.ia5, print(name)) << c.text;
  }
  // Only the backslash can reach a printable octet string's text.
  asn::octetString<0u, 0u, 1> s;
  s.setValue("a\\b\0", 4);
  EXPECT_EQ(": 'a\\\\b' (97.92.98.0)", print(s));
}
