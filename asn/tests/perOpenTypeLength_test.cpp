// Extension additions are written in place behind their length, which takes
// one octet up to 127 octets of contents and two from 128 on. Encodings
// worked out by hand from X.691: a chain without a next link is the single
// bit 0 (one octet 00); with one it is the extension bit 1, the addition
// count 0 000000, the presence bit 1 (octets 80 80), then the next link as
// an open type. Its contents grow by three octets a level while their length
// fits one octet.
#include <orvoTesting.h>

#include <string>

#include "fixtureTypes.h"

namespace {

std::string chainOf(unsigned depth) {
  fixture::chain head;
  fixture::chain* at = &head;
  for (unsigned i = 0; i < depth; ++i) {
    at->next = new fixture::chain;
    at = at->next;
  }
  return fixture::encodeHex(head);
}

}  // namespace

TEST(PerOpenTypeLength, AdditionLengthsWidenPast127Octets) {
  const struct {
    unsigned depth;
    size_t octets;
    const char* front;  // the leading octets
  } rows[] = {
      {0, 1, "00"},
      {1, 4, "80 80 01 00"},
      {2, 7, "80 80 04 80 80 01 00"},
      {42, 127, "80 80 7C 80 80 79"},
      {43, 130, "80 80 7F 80 80 7C"},
      {44, 134, "80 80 80 82 80 80 7F 80 80 7C"},
      {45, 138, "80 80 80 86 80 80 80 82 80 80 7F"},
  };
  for (const auto& row : rows) {
    std::string hex = chainOf(row.depth);
    EXPECT_EQ(row.octets, (hex.size() + 1) / 3) << row.depth;
    EXPECT_EQ(row.front, hex.substr(0, std::string(row.front).size())) << row.depth;
    // The tail is always the innermost link.
    EXPECT_EQ("00", hex.substr(hex.size() - 2)) << row.depth;
    fixture::chain back;
    std::string octets = fixture::fromHex(hex);
    asn::per::codec decoder(octets.data(), unsigned(octets.size()));
    back.decode(decoder);
    EXPECT_EQ(hex, fixture::encodeHex(back)) << row.depth;
  }
}
