// Aliases: kind from text, text from alias, comparison of every alternative.
#include <gtest/gtest.h>

#include <functional>

#include <h323/alias.h>

#include "orvoTesting.h"

namespace {

using alias = H225::aliasAddress;

template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

struct kindCase {
  const char* text;
  int kind;
};

TEST(makeAliasAddress, kindFromTheCharacters) {
  const kindCase cases[] = {
      {"1234", 0}, {"#*,0987", 0}, {"", 0},     {"12a4", 1},    {"+4930", 1},
      {"gk", 1},   {"12 34", 1},   {"\xB2", 1}, {"caf\xE9", 1},
  };
  for (const kindCase& c : cases) {
    alias a;
    H323::makeAliasAddress(a, c.text);
    EXPECT_EQ(a.index(), c.kind) << c.text;
    EXPECT_EQ(H323::isNotE164(c.text), c.kind == 1) << c.text;
    EXPECT_EQ(toStd(H323::aliasToString(a)), c.text);
    EXPECT_EQ(toStd(H323::aliasToE164(a)), c.kind == 0 ? c.text : "");
  }
  // Latin-1: one BMP character per octet.
  alias latin;
  H323::makeAliasAddress(latin, "caf\xE9", 1);
  EXPECT_EQ(static_cast<asn::bmpStringBase*>(latin.alternative())->at(3), 0xE9u);
  ORVO_EXPECT_THROW(H323::makeAliasAddress(latin, "x", 2), orvo::exception,
                    "todo: unsupported H225::aliasAddress type");
}

// One alias of each alternative; the variant changes its value.
const std::function<void(alias&, int)> builders[] = {
    [](alias& a, int v) { *pick<asn::constrainedString>(a, 0) = v ? "1234" : "1235"; },
    [](alias& a, int v) { *pick<asn::bmpStringBase>(a, 1) = v ? "gk" : "gK"; },
    [](alias& a, int v) { *pick<asn::constrainedString>(a, 2) = v ? "h323:gk@example.org" : "h323:gk@example.net"; },
    [](alias& a, int v) {
      auto* ip = pick<H225::transportAddress::ipAddress_sequence>(*pick<H225::transportAddress>(a, 3), 0);
      ip->ip.setValue("\x7f\0\0\x01", 4);
      ip->port = v ? 1720 : 1721;
    },
    [](alias& a, int v) { *pick<asn::constrainedString>(a, 4) = v ? "gk@example.org" : "gk@example.net"; },
    [](alias& a, int v) {
      auto* number = pick<H225::publicPartyNumber>(*pick<H225::partyNumber>(a, 5), 0);
      number->publicTypeOfNumber.select(1);
      number->publicNumberDigits = v ? "4930" : "4931";
    },
    [](alias& a, int v) {
      auto* gsm = pick<H225::gsm_uim>(*pick<H225::mobileUIM>(a, 6), 1);
      gsm->imsi = new asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>;
      *gsm->imsi = v ? "262011234" : "262011235";
    },
};

TEST(aliasEquals, everyAlternativeByItsValueWithoutThrowing) {
  for (int i = 0; i < 7; ++i) {
    for (int j = 0; j < 7; ++j) {
      for (int v : {0, 1}) {
        alias a, b;
        builders[i](a, 1);
        builders[j](b, v);
        bool equal = H323::aliasEquals(a, b);
        EXPECT_EQ(equal, i == j && v == 1) << i << " " << j << " " << v;

        H323::aliasSequence list;
        builders[(i + 1) % 7](*list.appendNew(), 1);
        builders[j](*list.appendNew(), v);
        EXPECT_EQ(H323::containsAlias(list, a), equal) << i << " " << j << " " << v;
      }
    }
  }
}

TEST(aliasEquals, dialedDigitsAndH323IdOfTheSameTextDiffer) {
  alias digits, name;
  H323::makeAliasAddress(digits, "1234", 0);
  H323::makeAliasAddress(name, "1234", 1);
  EXPECT_FALSE(H323::aliasEquals(digits, name));
  EXPECT_EQ(H323::aliasToString(digits), H323::aliasToString(name));
}

TEST(aliasToString, onlyDigitsAndNamesHaveText) {
  const char* expected[] = {"1234", "gk", "", "", "", "4930", ""};
  for (int i = 0; i < 7; ++i) {
    alias a;
    builders[i](a, 1);
    EXPECT_EQ(toStd(H323::aliasToString(a)), expected[i]) << i;
  }
  // Every party number alternative gives its digits.
  for (int i = 0; i < 5; ++i) {
    alias a;
    auto* number = pick<H225::partyNumber>(a, 5);
    asn::object* value = number->select(i);
    if (i == 0)
      static_cast<H225::publicPartyNumber*>(value)->publicNumberDigits = "*31#";
    else if (i == 3)
      static_cast<H225::privatePartyNumber*>(value)->privateNumberDigits = "*31#";
    else
      *static_cast<asn::constrainedString*>(value) = "*31#";
    EXPECT_EQ(toStd(H323::aliasToE164(a)), "*31#") << i;
  }
  // A name beyond Latin-1 has no text; nothing selected neither.
  alias wide, empty;
  static const wchar_t name[] = {L'g', 0x263A, 0};
  pick<asn::bmpStringBase>(wide, 1)->assign(name);
  EXPECT_EQ(toStd(H323::aliasToString(wide)), "");
  EXPECT_EQ(toStd(H323::aliasToString(empty)), "");
}

TEST(addAlias, takesTheAliasOnlyWhenNew) {
  H323::aliasSequence list;
  for (int i = 0; i < 7; ++i) {
    auto* a = new alias;
    builders[i](*a, 1);
    EXPECT_TRUE(H323::addAlias(list, a));
    auto* again = new alias;  // deleted by addAlias, as the sanitizer run checks
    builders[i](*again, 1);
    EXPECT_FALSE(H323::addAlias(list, again));
  }
  EXPECT_EQ(list.count(), 7u);
}

}  // namespace
