#include <orvo/guid.h>
#include <orvo/wallClock.h>

#include <orvoTesting.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

orvo::string counting() {
  unsigned char octets[16];
  for (unsigned i = 0; i < 16; ++i) octets[i] = static_cast<unsigned char>(i);
  return orvo::string(octets, 16);
}

unsigned char octet(const orvo::guid& g, unsigned i) { return static_cast<unsigned char>(g.octets().charAt(i)); }

std::uint64_t timestampOf(const orvo::guid& g) {
  std::uint64_t t = octet(g, 7) & 0x0F;
  for (int i = 6; i >= 0; --i) t = t << 8 | octet(g, unsigned(i));
  return t;
}

unsigned sequenceOf(const orvo::guid& g) { return (octet(g, 8) & 0x1F) << 8 | octet(g, 9); }

TEST(Guid, GeneratedLayout) {
  orvo::guid previous = orvo::guid::generate();
  unsigned sameClock = 0;
  for (int n = 0; n < 2000; ++n) {
    const orvo::guid g = orvo::guid::generate();
    ASSERT_EQ(16u, g.octets().length());
    ASSERT_EQ(0x10, octet(g, 7) & 0xF0) << n;  // version 1
    ASSERT_EQ(0x80, octet(g, 8) & 0xE0) << n;  // variant bits 1 0, then 0
    ASSERT_EQ(0x80, octet(g, 10) & 0x80) << n;
    const std::uint64_t t = timestampOf(g);
    const std::uint64_t before = timestampOf(previous);
    ASSERT_GE(t, before) << n;
    ASSERT_EQ(0u, t % 10000) << n;  // millisecond steps of 100 ns units
    if (t == before) {
      ++sameClock;
      ASSERT_EQ((sequenceOf(previous) + 1) & 0x1FFF, sequenceOf(g)) << n;
    } else {
      ASSERT_EQ(sequenceOf(previous), sequenceOf(g)) << n;
    }
    ASSERT_NE(toStd(previous.octets()), toStd(g.octets()));
    previous = g;
  }
  EXPECT_GT(sameClock, 0u);
}

TEST(Guid, ClockIsUtcHundredNanosecondsSince1582) {
  setenv("TZ", "XYZ-3", 1);  // three hours east: the zone must be taken off
  tzset();
  const std::time_t before = std::time(nullptr);
  const orvo::guid g = orvo::guid::generate();
  const std::time_t after = std::time(nullptr);
  // 12219292800 seconds lie between 15 October 1582 and 1 January 1970.
  const std::int64_t seconds = std::int64_t(timestampOf(g) / 10000000) - 12219292800LL;
  EXPECT_GE(seconds, std::int64_t(before) - 1);
  EXPECT_LE(seconds, std::int64_t(after) + 1);
}

// The clock of a GUID is universal time at both daylight-saving changes of
// 2026 (00:30 UTC): taken from local fields it was an hour off, back on
// 29 March and ahead on 25 October.
TEST(Guid, ClockNextToDaylightSavingChanges) {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  for (const std::time_t seconds : {std::time_t(1774744200), std::time_t(1792888200)}) {
    const orvo::wallClockHold hold(timeval{seconds, 0});
    EXPECT_EQ((std::uint64_t(seconds) + 12219292800u) * 10000000u, timestampOf(orvo::guid::generate())) << seconds;
  }
  setenv("TZ", "XYZ-3", 1);
  tzset();
}

TEST(Guid, TextForms) {
  orvo::guid g;
  ASSERT_TRUE(g.assign(counting()));
  EXPECT_EQ("{00010203-0405-0607-0809-0a0b0c0d0e0f}", toStd(g.toString()));
  EXPECT_EQ("000102030405060708090A0B0C0D0E0F", toStd(g.toHex()));

  orvo::guid parsed;
  ASSERT_TRUE(parsed.fromString("{00010203-0405-0607-0809-0a0b0c0d0e0f}"));
  EXPECT_EQ(toStd(counting()), toStd(parsed.octets()));
  ASSERT_TRUE(parsed.fromString("{FFEEDDCC-BBAA-9988-7766-554433221100}"));
  EXPECT_EQ("{ffeeddcc-bbaa-9988-7766-554433221100}", toStd(parsed.toString()));

  const orvo::guid generated = orvo::guid::generate();
  orvo::guid back;
  ASSERT_TRUE(back.fromString(generated.toString()));
  EXPECT_EQ(toStd(generated.octets()), toStd(back.octets()));
}

TEST(Guid, ParseRefusesMalformedTextAndKeepsTheValue) {
  orvo::guid g;
  ASSERT_TRUE(g.assign(counting()));
  const char* bad[] = {
      "{00010203-0405-0607-0809-0a0b0c0d0e0f",   // no closing brace
      "{00010203-0405-0607-0809+0a0b0c0d0e0f}",  // separator replaced
      "{00010203-0405-0607-0809-0a0b0c0d0e0g}",  // not a digit
      "{ 0010203-0405-0607-0809-0a0b0c0d0e0f}",  // blank inside an octet
      "{-0010203-0405-0607-0809-0a0b0c0d0e0f}",  // sign inside an octet
      "(00010203-0405-0607-0809-0a0b0c0d0e0f)", "{000102030-405-0607-0809-0a0b0c0d0e0f}", "",
  };
  for (const char* text : bad) {
    EXPECT_FALSE(g.fromString(text)) << text;
    EXPECT_EQ(toStd(counting()), toStd(g.octets())) << text;
  }
  // A trailing NUL is tolerated, any other 39th character is not.
  EXPECT_TRUE(g.fromString(orvo::string("{ffeeddcc-bbaa-9988-7766-554433221100}\0", 39)));
  EXPECT_FALSE(g.fromString(orvo::string("{00010203-0405-0607-0809-0a0b0c0d0e0f}x", 39)));
  EXPECT_EQ("{ffeeddcc-bbaa-9988-7766-554433221100}", toStd(g.toString()));
}

TEST(Guid, AssignTakesSixteenOctets) {
  orvo::guid g;
  EXPECT_EQ(0u, g.octets().length());
  EXPECT_FALSE(g.assign(counting().left(15)));
  EXPECT_EQ(0u, g.octets().length());
  orvo::string withNul = counting();
  withNul.append('\0');
  EXPECT_TRUE(g.assign(withNul));
  EXPECT_EQ(toStd(counting()), toStd(g.octets()));
  orvo::string withOther = counting();
  withOther.append('x');
  EXPECT_FALSE(g.assign(withOther));
  EXPECT_EQ(toStd(counting()), toStd(g.octets()));

  const orvo::guid copy(g);
  EXPECT_EQ(g.octets().buffer(), copy.octets().buffer());  // copies share the octets
}

}  // namespace
