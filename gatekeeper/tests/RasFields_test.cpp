// Optional fields that would not encode are left out of what we send.
#include <gatekeeper/RasFields.h>

#include <gtest/gtest.h>

#include <string>

#include <h323/alias.h>

TEST(RasFields, OptionalIdentifierOnlyWhenItEncodes) {
  const struct {
    std::string text;
    bool present;
  } cases[] = {{"", false}, {"GK", true}, {std::string(128, 'g'), true}, {std::string(129, 'g'), false}};
  for (const auto& c : cases) {
    TIdentifierText* field = new TIdentifierText;
    SetOptionalIdentifier(field, c.text.c_str());
    EXPECT_EQ(c.present, field != nullptr) << c.text.size();
    if (field) {
      EXPECT_EQ(c.text, field->toString().buffer());
    }
    delete field;
  }
}

TEST(RasFields, AliasesThatDoNotEncodeAreLeftOut) {
  TAliasSequence aliases;
  const struct {
    const char* text;
    int kind;
  } given[] = {{"alice", 1}, {"", 1}, {"100", 0}, {"", 0}};
  for (const auto& g : given) H323::makeAliasAddress(*aliases.appendNew(), g.text, g.kind);
  TAliasSequence sent;
  EXPECT_EQ(2u, AppendEncodableAliases(sent, aliases));
  ASSERT_EQ(2u, sent.count());
  std::vector<std::string> texts;
  for (const asn::object* e : sent.elements())
    texts.push_back(H323::aliasToString(*static_cast<const H225::aliasAddress*>(e)).buffer());
  EXPECT_EQ((std::vector<std::string>{"alice", "100"}), texts);
}
