// Octets from any peer on the call-signalling port: every prefix and every
// single-bit flip of the sample messages either decodes or throws an
// orvo::exception, and what decodes survives the fuzz target's round trip
// (run under the sanitizers, a read outside the buffer fails the test).
#include <gtest/gtest.h>

#include <cstring>

#include "../fuzz/q931RoundTrip.h"
#include "h323Corpus.h"
#include "q931Octets.h"
#include "q931Samples.h"

using namespace q931Testing;

namespace {

// Each octet string in a buffer of its own size, so that a read past it is
// a read outside the allocation.
std::string check(const octets& data) {
  std::unique_ptr<uint8_t[]> exact(new uint8_t[data.size() ? data.size() : 1]);
  if (!data.empty()) std::memcpy(exact.get(), data.data(), data.size());
  return fuzzing::q931RoundTrip(exact.get(), data.size());
}

}  // namespace

TEST(hostileInput, theSamplesThemselvesPass) {
  std::vector<q931Sample> samples = q931Samples();
  ASSERT_EQ(samples.size(), 13u);
  for (const q931Sample& s : samples) {
    Q931::message m;
    EXPECT_EQ(failureOf([&] { decodeMessage(m, s.hex); }), "") << s.name;
    EXPECT_EQ(check(fromHex(s.hex)), "") << s.name;
  }
}

TEST(hostileInput, everyPrefixDecodesOrThrows) {
  unsigned decoded = 0, thrown = 0;
  for (const q931Sample& s : q931Samples()) {
    octets whole = fromHex(s.hex);
    for (size_t n = 0; n <= whole.size(); ++n) {
      octets prefix(whole.begin(), whole.begin() + long(n));
      ASSERT_EQ(check(prefix), "") << s.name << ", first " << n << " octets";
      Q931::message m;
      (failureOf([&] { decodeMessage(m, prefix); }).empty() ? decoded : thrown)++;
    }
  }
  // Cut between two elements a message is whole; cut inside one it is not.
  EXPECT_GT(decoded, 50u);
  EXPECT_GT(thrown, 1000u);
}

TEST(hostileInput, everySingleBitFlipDecodesOrThrows) {
  for (const q931Sample& s : q931Samples()) {
    octets whole = fromHex(s.hex);
    for (size_t bit = 0; bit < whole.size() * 8; ++bit) {
      octets flipped = whole;
      flipped[bit / 8] ^= (unsigned char)(0x80 >> (bit % 8));
      ASSERT_EQ(check(flipped), "") << s.name << ", bit " << bit << ": " << toHex(flipped);
    }
  }
}

TEST(hostileInput, theCorpusAndItsPrefixes) {
  for (const corpusMessage& c : h323CorpusMessages("q931")) {
    for (size_t n = 0; n <= c.octets.size(); n += (n < 40 ? 1 : 7))
      ASSERT_EQ(check(octets(c.octets.begin(), c.octets.begin() + long(n))), "") << c.where() << " " << n;
    ASSERT_EQ(check(c.octets), "") << c.where();
  }
}

TEST(hostileInput, lengthsThatLie) {
  // Hand-made traps: lengths beyond the message, the longest lengths, an
  // element identifier as the last octet, empty contents everywhere.
  const char* cases[] = {
      "08 02 00 01 05 28 FF 41",
      "08 02 00 01 05 7E FF FF 05",
      "08 02 00 01 05 7E 00 01",
      "08 0F 00 01 05",
      "08 02 00 01 05 18",
      "08 02 00 01 05 04 00 08 00 10 00 14 00 18 00 1E 00 20 00 27 00 28 00 2C 00 34 00 40 00 42 00 43 00 44 00 "
      "45 00 46 00 47 00 4A 00 6C 00 6D 00 70 00 71 00 74 00 78 00 79 00 7C 00 7D 00",
      "08 02 00 01 05 29 06 FF FF FF FF FF FF",
      "08 02 00 01 05 29 06 00 00 00 00 00 00",
      "08 02 00 01 05 18 0A FF FF FF FF FF FF FF FF FF FF",
      "08 02 00 01 05 7C 10 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F",
  };
  for (const char* c : cases) EXPECT_EQ(check(fromHex(c)), "") << c;
}

// Contents of the longest length whose re-encoding must not grow: found by
// the fuzz target, kept as its seeds too.
TEST(hostileInput, longestContentsReEncodeWithinTheirLength) {
  std::string ff(3 * 253, 'F');
  for (size_t i = 2; i < ff.size(); i += 3) ff[i] = ' ';
  std::string zeros(3 * 251, '0');
  for (size_t i = 2; i < zeros.size(); i += 3) zeros[i] = ' ';
  const std::string cases[] = {
      "08 01 07 05 20 FF FF FF " + ff,               // identification of 255 announced, no facility
      "08 01 07 05 18 FF 61 " + zeros + "80 93 00",  // interface identifier, then a map announced
  };
  for (const std::string& c : cases) {
    Q931::message m;
    ASSERT_EQ(failureOf([&] { decodeMessage(m, c); }), "");
    EXPECT_EQ(check(fromHex(c)), "") << c;
  }
}
