#include <radius/UserPassword.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <radius/Connection.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>

using namespace RADIUS;

namespace {

// The example of RFC 2865, section 7.1.
const unsigned char ExampleAuthenticator[16] = {0x0f, 0x40, 0x3f, 0x94, 0x73, 0x97, 0x80, 0x57,
                                                0xbd, 0x83, 0xd5, 0xcb, 0x98, 0xf4, 0x22, 0x7a};

std::string hex(const orvo::string& AText) {
  static const char Digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned i = 0; i < AText.length(); ++i) {
    unsigned char c = static_cast<unsigned char>(AText.buffer()[i]);
    out += Digits[c >> 4];
    out += Digits[c & 15];
  }
  return out;
}

std::string hidden(const char* APassword) {
  orvo::string out;
  EXPECT_TRUE(HideUserPassword(APassword, "xyzzy5461", ExampleAuthenticator, out));
  return hex(out);
}

}  // namespace

TEST(UserPassword, OneBlockAsInTheRfcExample) { EXPECT_EQ("0dbe708d93d413ce3196e43f782a0aee", hidden("arctangent")); }

TEST(UserPassword, EmptyPasswordHidesOneBlockOfPadding) { EXPECT_EQ("6ccc13f9f2ba74ab5fe2e43f782a0aee", hidden("")); }

TEST(UserPassword, LongerPasswordsChainTheBlocks) {
  // 16 octets fill one block exactly; the 17th starts a second block, masked
  // by MD5(secret + first hidden block).
  EXPECT_EQ("0dbe708d93d413ce3196c95c104b6380", hidden("arctangent-chain"));
  EXPECT_EQ("0dbe708d93d413ce3196c95c104b6380f54f98a0e8c2f00837752aa86b6b0f2b", hidden("arctangent-chain!"));
}

TEST(UserPassword, UpTo128OctetsAreHiddenLongerOnesRefused) {
  orvo::string out("unchanged");
  EXPECT_TRUE(HideUserPassword(orvo::string('p', 128), "s", ExampleAuthenticator, out));
  EXPECT_EQ(128u, out.length());
  orvo::string refused("unchanged");
  EXPECT_FALSE(HideUserPassword(orvo::string('p', 129), "s", ExampleAuthenticator, refused));
  EXPECT_EQ("unchanged", std::string(refused.buffer()));
}

TEST(UserPassword, AttributeUsesTheRequestsSecretAndAuthenticator) {
  TPacket request("xyzzy5461", TCompletion());
  request.SetCode(pcAccessRequest);
  request.SetAuthenticator(ExampleAuthenticator);
  std::unique_ptr<TStringAttribute> attribute(NewUserPasswordAttribute(request, "arctangent"));
  ASSERT_TRUE(attribute);
  EXPECT_EQ(unsigned(atUserPassword), attribute->Type());
  EXPECT_EQ("0dbe708d93d413ce3196e43f782a0aee", hex(attribute->Value()));
  EXPECT_EQ(nullptr, NewUserPasswordAttribute(request, orvo::string('x', 129)));
}
