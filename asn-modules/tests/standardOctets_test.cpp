// Messages that a standard peer codes as X.691 says, written out by hand:
// we write exactly these octets, read them back into the value we built,
// and write them again unchanged.
#include <gtest/gtest.h>

#include <asn/perCodec.h>

#include "standardOctets.h"
#include "valueFiller.h"

namespace {

std::vector<unsigned char> fromHex(const std::string& hex) {
  std::vector<unsigned char> octets;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    octets.push_back((unsigned char)std::stoi(hex.substr(i, 2), nullptr, 16));
  return octets;
}

std::string compact(const std::vector<unsigned char>& octets) {
  std::string text;
  char digits[3];
  for (unsigned char o : octets) {
    std::snprintf(digits, sizeof digits, "%02x", o);
    text += digits;
  }
  return text;
}

}  // namespace

TEST(standardOctets, writtenReadAndWrittenAgainAsAStandardPeerDoes) {
  for (const standardOctets& vector : standardOctetsSuite()) {
    SCOPED_TRACE(vector.name);
    std::unique_ptr<H225::rasMessage> built = vector.build();
    EXPECT_EQ(compact(perOctets(*built)), vector.hex);
    std::vector<unsigned char> octets = fromHex(vector.hex);
    H225::rasMessage decoded;
    asn::per::codec decoder(octets.data(), unsigned(octets.size()));
    decoded.decode(decoder);
    EXPECT_TRUE(decoded.isEqual(*built));
    EXPECT_EQ(compact(perOctets(decoded)), vector.hex);
  }
}
