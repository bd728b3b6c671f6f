// Requests and token fields of every RAS alternative.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <h323/rasMessage.h>

namespace {

constexpr int rasAlternatives = 32;

// The value the generated descriptor knows as the component of that name.
const asn::object* component(const asn::sequence& owner, const char* name) {
  const asn::sequenceDescriptor& d = *static_cast<const asn::sequenceDescriptor*>(owner.record());
  for (unsigned i = 0; i < d.count; ++i)
    if (std::strcmp(d.components[i].name, name) == 0) return d.components[i].get(owner);
  ADD_FAILURE() << "no component " << name;
  return nullptr;
}

TEST(isRasRequest, theEightRequestsOnly) {
  const int requests[] = {0, 3, 6, 9, 12, 15, 18, 21};
  for (int i = -1; i <= rasAlternatives; ++i) {
    H225::rasMessage message;
    message.select(i);
    bool expected = std::find(std::begin(requests), std::end(requests), i) != std::end(requests);
    EXPECT_EQ(H323::isRasRequest(message), expected) << i;
  }
}

TEST(rasTokensField, theTokensAndCryptoTokensOfEveryAlternative) {
  for (int i = 0; i < rasAlternatives; ++i) {
    SCOPED_TRACE(i);
    H225::rasMessage message;
    const auto& body = *static_cast<const asn::sequence*>(message.select(i));
    H323::clearTokenList** clear = H323::rasTokensField(message);
    H323::cryptoTokenList** crypto = H323::rasCryptoTokensField(message);
    ASSERT_TRUE(clear && crypto);
    EXPECT_EQ(*clear, nullptr);
    EXPECT_EQ(*crypto, nullptr);
    *clear = new H323::clearTokenList;
    *crypto = new H323::cryptoTokenList;
    EXPECT_EQ(component(body, "Tokens"), *clear);
    EXPECT_EQ(component(body, "CryptoTokens"), *crypto);

    H323::clearRasTokens(message);
    EXPECT_EQ(component(body, "Tokens"), nullptr);
    EXPECT_EQ(component(body, "CryptoTokens"), nullptr);
    H323::clearRasTokens(message);  // nothing left to delete
  }
  for (int i : {-1, rasAlternatives}) {  // nothing, or a later alternative held undecoded
    H225::rasMessage message;
    message.select(i);
    EXPECT_EQ(H323::rasTokensField(message), nullptr) << i;
    EXPECT_EQ(H323::rasCryptoTokensField(message), nullptr) << i;
    H323::clearRasTokens(message);
  }
}

}  // namespace
