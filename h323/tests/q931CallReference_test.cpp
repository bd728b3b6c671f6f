// The call reference: its wire form, its flag, its copies and the counter
// that numbers the calls this system originates.
#include <gtest/gtest.h>

#include <sstream>

#include <h323/newCallReference.h>
#include <h323/q931/callReference.h>

#include "orvoTesting.h"
#include "q931Octets.h"

using namespace q931Testing;

namespace {

std::string encoded(const Q931::callReference& reference) {
  orvo::byteStream out(16);
  reference.encode(out);
  return toHex(out);
}

Q931::callReference decoded(const std::string& hex, bool previousFlag = true) {
  octets data = fromHex(hex);
  orvo::byteStream in(data.data(), unsigned(data.size()));
  Q931::callReference reference(nullptr, 0, previousFlag);
  reference.decode(in);
  EXPECT_TRUE(in.exhausted()) << hex;
  return reference;
}

std::string printed(const Q931::callReference& reference) {
  std::ostringstream out;
  reference.print(out);
  return out.str();
}

}  // namespace

TEST(callReference, wireFormInBothDirections) {
  struct {
    const char* wire;
    unsigned length;
    unsigned value;
    bool flag;
  } cases[] = {
      {"00", 0, 0, true},  // the dummy call reference
      {"01 05", 1, 0x05, true},
      {"01 85", 1, 0x05, false},  // bit 8 is the flag, not the value
      {"02 00 2A", 2, 0x002A, true},
      {"02 80 2A", 2, 0x002A, false},
      {"02 7F FF", 2, 0x7FFF, true},
      {"03 01 02 03", 3, 0x0102, true},  // octets beyond two leave the value
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    Q931::callReference reference = decoded(c.wire);
    EXPECT_EQ(reference.length(), c.length);
    EXPECT_EQ(reference.value(), c.value);
    EXPECT_EQ(reference.flag(), c.flag);
    EXPECT_EQ(encoded(reference), c.wire);
  }
}

TEST(callReference, decodeIgnoresTheUpperNibbleAndKeepsTheFlagOfAnEmptyOne) {
  EXPECT_EQ(decoded("F1 05").length(), 1u);
  EXPECT_FALSE(decoded("00", false).flag());
  EXPECT_TRUE(decoded("00", true).flag());
}

TEST(callReference, encodeSetsBitEightFromTheFlagAlone) {
  // A value with its top bit set no longer claims the other direction.
  struct {
    uint16_t value;
    bool flag;
    const char* wire;
  } cases[] = {
      {0x8001, true, "02 00 01"},
      {0x8001, false, "02 80 01"},
      {0x0001, false, "02 80 01"},
      {0xFFFF, true, "02 7F FF"},
  };
  for (const auto& c : cases) EXPECT_EQ(encoded(Q931::callReference(c.value, c.flag)), c.wire) << c.value;
}

TEST(callReference, truncatedOctetsThrowAndLeaveTheValue) {
  for (const char* wire : {"", "02 00", "0F 01 02"}) {
    octets data = fromHex(wire);
    orvo::byteStream in(data.data(), unsigned(data.size()));
    Q931::callReference reference(0x1234, false);
    EXPECT_NE(failureOf([&] { reference.decode(in); }), "") << wire;
    EXPECT_EQ(reference.value(), 0x1234u);
    EXPECT_FALSE(reference.flag());
  }
}

TEST(callReference, lengthsAboveFifteenAreRefused) {
  unsigned char sixteen[16] = {};
  EXPECT_EQ(failureOf([&] { Q931::callReference r(sixteen, 16, true); }),
            "Q.931: call reference of 16 octets, at most 15 fit.");
  EXPECT_EQ(encoded(Q931::callReference(sixteen, 15, true)), "0F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(callReference, copiesAreIndependentAndSelfAssignmentKeepsTheValue) {
  Q931::callReference original(0x1234, false);
  Q931::callReference copy(original);
  EXPECT_TRUE(copy == original);
  EXPECT_NE(copy.octets(), original.octets());
  Q931::callReference& alias = copy;
  copy = alias;
  EXPECT_EQ(copy.value(), 0x1234u);
  EXPECT_FALSE(copy.flag());
  Q931::callReference empty;
  copy = empty;
  EXPECT_EQ(copy.length(), 0u);
  EXPECT_EQ(copy.octets(), nullptr);
  EXPECT_EQ(original.value(), 0x1234u);
}

TEST(callReference, equality) {
  struct {
    Q931::callReference a, b;
    bool equal;
  } cases[] = {
      {Q931::callReference(), Q931::callReference(), true},
      {Q931::callReference(nullptr, 0, false), Q931::callReference(), false},
      {Q931::callReference(1, true), Q931::callReference(1, true), true},
      {Q931::callReference(1, true), Q931::callReference(1, false), false},
      {Q931::callReference(1, true), Q931::callReference(2, true), false},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    EXPECT_EQ(cases[i].a == cases[i].b, cases[i].equal) << i;
    EXPECT_EQ(cases[i].a != cases[i].b, !cases[i].equal) << i;
  }
}

TEST(callReference, printLine) {
  EXPECT_EQ(printed(Q931::callReference()), "length (in octets): 0, flag: 0 - origination side");
  EXPECT_EQ(printed(Q931::callReference(0x0A2B, false)),
            "length (in octets): 2, value (in hex): 0A 2B , flag: 1 - destination side");
  std::ostringstream out;
  Q931::callReference(0x00FF, true).print(out);
  out << 255 << ' ' << std::hex << 255;
  EXPECT_EQ(out.str(), "length (in octets): 2, value (in hex): 00 FF , flag: 0 - origination side255 ff");
}

TEST(newCallReference, runsFromOneTo32767AndWrapsToOne) {
  Q931::callReference first = H323::NewCallReference();
  EXPECT_EQ(first.length(), 2u);
  EXPECT_TRUE(first.flag());
  unsigned previous = first.value();
  ASSERT_GE(previous, 1u);
  bool wrapped = false;
  for (unsigned i = 0; i < 40000 && !wrapped; ++i) {
    unsigned value = H323::NewCallReference().value();
    ASSERT_GE(value, 1u);
    ASSERT_LE(value, 0x7FFFu);
    if (value != previous + 1) {
      EXPECT_EQ(previous, 0x7FFFu);
      EXPECT_EQ(value, 1u);
      wrapped = true;
    }
    previous = value;
  }
  EXPECT_TRUE(wrapped);
}
