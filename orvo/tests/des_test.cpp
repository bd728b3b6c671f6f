#include <orvo/des.h>

#include <orvoTesting.h>

#include <cstring>
#include <string>

namespace {

std::string hex(const unsigned char* block) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (int i = 0; i < 8; ++i) {
    text += digits[block[i] >> 4];
    text += digits[block[i] & 0x0F];
  }
  return text;
}

// Expected blocks come from the openssl command line tool (des-ecb, no
// padding) with the key the pass phrase derives to.
TEST(DesKey, KnownAnswerBlocks) {
  unsigned char out[8];
  orvo::desKey key("gatekeeper");
  EXPECT_EQ(out, key.encrypt("ABCDEFGH", out));
  EXPECT_EQ("6CAF05500801219A", hex(out));

  // The empty phrase derives to 0101010101010101, a weak key: the
  // published DES answer for the zero block.
  orvo::desKey empty("");
  const unsigned char zero[8] = {};
  empty.encrypt(zero, out);
  EXPECT_EQ("8CA64DE9C1B123A7", hex(out));
  // A weak key is used as it is: enciphering twice gives the block back.
  empty.encrypt(out, out);
  EXPECT_EQ("0000000000000000", hex(out));
}

TEST(DesKey, DecryptReversesEncryptAcrossKeysOfOnePhrase) {
  const orvo::desKey sender("monitor password digest");
  const orvo::desKey receiver("monitor password digest");
  const orvo::desKey other("another phrase");
  for (unsigned seed = 0; seed < 64; ++seed) {
    unsigned char block[8];
    for (unsigned i = 0; i < 8; ++i) block[i] = static_cast<unsigned char>(seed * 37 + i * 101);
    unsigned char sealed[8];
    sender.encrypt(block, sealed);
    ASSERT_NE(0, std::memcmp(block, sealed, 8));
    unsigned char opened[8];
    EXPECT_EQ(opened, receiver.decrypt(sealed, opened));
    ASSERT_EQ(0, std::memcmp(block, opened, 8)) << seed;
    other.decrypt(sealed, opened);
    ASSERT_NE(0, std::memcmp(block, opened, 8)) << seed;
    // In place.
    unsigned char same[8];
    std::memcpy(same, block, 8);
    sender.encrypt(same, same);
    ASSERT_EQ(0, std::memcmp(same, sealed, 8));
    receiver.decrypt(same, same);
    ASSERT_EQ(0, std::memcmp(same, block, 8));
  }
}

TEST(DesKey, PhraseEndsAtItsFirstNul) {
  unsigned char a[8];
  unsigned char b[8];
  orvo::desKey("gatekeeper").encrypt("ABCDEFGH", a);
  orvo::desKey(orvo::string("gatekeeper\0tail", 15)).encrypt("ABCDEFGH", b);
  EXPECT_EQ(hex(a), hex(b));
}

}  // namespace
