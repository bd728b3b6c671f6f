#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <ostream>
#include <string>

#include <config/Scanner.h>
#include <orvoTesting.h>

#include "TokenText.h"

using std::string;

TEST(ScannerTokens, NumbersFollowTheGrammarsOrderNotTheAlphabet) {
  EXPECT_EQ(258, TToken::wrdAAA);
  EXPECT_EQ(270, TToken::wrdCall);
  EXPECT_EQ(271, TToken::wrdCalls);
  EXPECT_EQ(272, TToken::wrdCaller);
  EXPECT_EQ(273, TToken::wrdCallee);
  EXPECT_EQ(334, TToken::wrdStatus);
  EXPECT_EQ(335, TToken::wrdStart);
  EXPECT_EQ(344, TToken::wrdZone);
  EXPECT_EQ(345, TToken::tokBool);
  EXPECT_EQ(346, TToken::tokInt);
  EXPECT_EQ(353, TToken::tokInetAddressWP);
  EXPECT_STREQ("wrdCallee", TToken::Name(273));
  EXPECT_STREQ("wrdRADIUS", TToken::Name(TToken::wrdRADIUS));
  EXPECT_STREQ("tokInetAddressWP", TToken::Name(353));
  EXPECT_EQ(nullptr, TToken::Name(257));
  EXPECT_EQ(nullptr, TToken::Name(354));
  EXPECT_EQ(nullptr, TToken::Name(';'));
}

TEST(ScannerTokens, EveryKeywordInAnyCase) {
  for (int token = TToken::wrdAAA; token <= TToken::wrdZone; ++token) {
    const string word = string(TToken::Name(token)).substr(3);
    string lower, upper;
    for (char c : word) {
      lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(TToken::Name(token), ScanAll(word)) << word;
    EXPECT_EQ(TToken::Name(token), ScanAll(lower)) << lower;
    EXPECT_EQ(TToken::Name(token), ScanAll(upper)) << upper;
  }
}

namespace {

// Texts whose tokens are compared whole, grouped by what they show.
struct TScanCase {
  const char* Group;
  std::string Text;
  const char* Tokens;
};

const TScanCase ScanCases[] = {
    {"BooleanWordsAndDirections", "Yes TRUE allow ALLOWED RULEZ",
     "tokBool:true tokBool:true tokBool:true tokBool:true tokBool:true"},
    {"BooleanWordsAndDirections", "no False DENY Prohibited suxx",
     "tokBool:false tokBool:false tokBool:false tokBool:false tokBool:false"},
    {"BooleanWordsAndDirections", "in incoming IN1 Out OUTGOING",
     "wrdIncoming wrdIncoming tokIdentifier:[IN1] wrdOutgoing wrdOutgoing"},
    {"BooleanWordsAndDirections", "yess no_way", "tokIdentifier:[yess] tokIdentifier:[no_way]"},
    {"DayNamesAgainstKeywordsAndIdentifiers", "MONITOR", "wrdMonitor"},
    {"DayNamesAgainstKeywordsAndIdentifiers", "MON", "tokDayOfWeek:1"},
    {"DayNamesAgainstKeywordsAndIdentifiers", "MONDAY", "tokIdentifier:[MONDAY]"},
    {"DayNamesAgainstKeywordsAndIdentifiers", "mon Tue WED thu fri sat SUN",
     "tokDayOfWeek:1 tokDayOfWeek:2 tokDayOfWeek:3 tokDayOfWeek:4 tokDayOfWeek:5 tokDayOfWeek:6 tokDayOfWeek:7"},
    {"DayNamesAgainstKeywordsAndIdentifiers", "user sun1", "wrdUser tokIdentifier:[sun1]"},
    {"IdentifiersWithUnderscores", "a_b1", "tokIdentifier:[a_b1]"},
    {"IdentifiersWithUnderscores", "a__b", "tokIdentifier:[a] '_' '_' tokIdentifier:[b]"},
    {"IdentifiersWithUnderscores", "_a", "'_' tokIdentifier:[a]"},
    {"IdentifiersWithUnderscores", "a_", "tokIdentifier:[a] '_'"},
    {"IdentifiersWithUnderscores", "Zone_1_x", "tokIdentifier:[Zone_1_x]"},
    {"IdentifiersWithUnderscores", "H235 H2351", "wrdH235 tokIdentifier:[H2351]"},
    {"AddressesWithAndWithoutPort", "10.0.0.1:1720", "tokInetAddressWP:[10.0.0.1:1720]"},
    {"AddressesWithAndWithoutPort", "10.0.0.1:70000", "tokInetAddressWP:[10.0.0.1:7000] tokUnsigned:0"},
    {"AddressesWithAndWithoutPort", "10.0.0.1:65535", "tokInetAddressWP:[10.0.0.1:65535]"},
    {"AddressesWithAndWithoutPort", "10.0.0.1:65536", "tokInetAddressWP:[10.0.0.1:6553] tokUnsigned:6"},
    {"AddressesWithAndWithoutPort", "1.2.3.4:00080", "tokInetAddressWP:[1.2.3.4:00080]"},
    {"AddressesWithAndWithoutPort", "127.0.0.1", "tokInetAddress:[127.0.0.1]"},
    {"AddressesWithAndWithoutPort", "010.000.255.1", "tokInetAddress:[010.000.255.1]"},
    {"AddressesWithAndWithoutPort", "1.2.3.456", "tokInetAddress:[1.2.3.45] tokUnsigned:6"},
    {"AddressesWithAndWithoutPort", "256.1.1.1",
     "tokUnsigned:256 '.' tokUnsigned:1 '.' tokUnsigned:1 '.' tokUnsigned:1"},
    {"AddressesWithAndWithoutPort", "1.2.3", "tokUnsigned:1 '.' tokUnsigned:2 '.' tokUnsigned:3"},
    {"AddressFollowedBySlashOrBareColonIsReadAsDate", "10.0.0.1/24",
     "tokUnsigned:10 tokUnsigned:4294967295 tokUnsigned:0 tokUnsigned:4294967295 tokUnsigned:0 tokUnsigned:4294967295 "
     "tokUnsigned:1 '/' tokUnsigned:24"},
    {"AddressFollowedBySlashOrBareColonIsReadAsDate", "10.0.0.1: ;",
     "tokUnsigned:10 tokUnsigned:4294967295 tokUnsigned:0 tokUnsigned:4294967295 tokUnsigned:0 tokUnsigned:4294967295 "
     "tokUnsigned:1 ':' ';'"},
    {"UnsignedNumbersSaturate", "0 007 4294967294 4294967295",
     "tokUnsigned:0 tokUnsigned:7 tokUnsigned:4294967294 tokUnsigned:4294967295"},
    {"UnsignedNumbersSaturate", "4294967296 18446744073709551617 99999999999999999999999999999",
     "tokUnsigned:4294967295 tokUnsigned:4294967295 tokUnsigned:4294967295"},
    {"UnsignedNumbersSaturate", "unlimited UNLIMITED", "tokUnsigned:4294967295 tokUnsigned:4294967295"},
    {"QuotedStrings", "\"abc\" 'x y'", "tokString:[abc] tokString:[x y]"},
    {"QuotedStrings", "\"ab\"\"cd\"", "tokString:[ab\"\"cd]"},
    {"QuotedStrings", "'it''s'", "tokString:[it''s]"},
    {"QuotedStrings", "\"\"", "tokString:[]"},
    {"QuotedStrings", "\"a'b\" 'a\"b'", "tokString:[a'b] tokString:[a\"b]"},
    {"QuotedStrings", "\"1(.*)\" \"2\\1\"", "tokString:[1(.*)] tokString:[2\\1]"},
    {"QuotedStrings", "\"// not a comment /* nor this */\"", "tokString:[// not a comment /* nor this */]"},
    {"UnterminatedQuoteIsACharacter", "\"abc;", "'\"' tokIdentifier:[abc] ';'"},
    {"UnterminatedQuoteIsACharacter", "\"a\"\"b", "tokString:[a] '\"' tokIdentifier:[b]"},
    {"CommentsAreSkipped", "zone /* a * / comment */ z; // rest of line\n", "wrdZone tokIdentifier:[z] ';'"},
    {"CommentsAreSkipped", "/* /* */ x */", "tokIdentifier:[x] '*' '/'"},
    {"CommentsAreSkipped", "log /* never closed\n zone", "wrdLog"},
    {"CommentsAreSkipped", "/ *", "'/' '*'"},
    {"NulBytesAreSkippedNeverReturned", std::string("zone\0 z\0;\0", 10), "wrdZone tokIdentifier:[z] ';'"},
    {"NulBytesAreSkippedNeverReturned", std::string("zo\0ne", 5), "tokIdentifier:[zo] tokIdentifier:[ne]"},
    {"NulBytesAreSkippedNeverReturned", std::string("\"a\0b\"", 5), "'\"' tokIdentifier:[a] tokIdentifier:[b] '\"'"},
    {"NulBytesAreSkippedNeverReturned", std::string("/*\0*/x", 6), "tokIdentifier:[x]"},
    {"NulBytesAreSkippedNeverReturned", std::string("at 8\0:00", 8), "wrdAt tokUnsigned:8 ':' tokUnsigned:0"},
    {"NulBytesAreSkippedNeverReturned",
     std::string("bandwidth \0"
                 "2M",
                 13),
     "wrdBandwidth tokBandwidth:20000"},
    {"NulBytesAreSkippedNeverReturned", std::string("system {}\0\nzone a;", 18),
     "wrdSystem '{' '}' wrdZone tokIdentifier:[a] ';'"},
    {"OtherBytesAreSingleCharacters", std::string("zone\r;\xe9\xff", 8), "wrdZone #13 ';' #233 #255"},
    {"OtherBytesAreSingleCharacters", "{},|-;", "'{' '}' ',' '|' '-' ';'"},
    {"DatesTimesAndRanges", "at 8:00-17:30",
     "wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:30"},
    {"DatesTimesAndRanges", "at 8:00 - 17:30",
     "wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:30"},
    {"DatesTimesAndRanges", "AT 8:00-17:30;",
     "wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:30 ';'"},
    {"DatesTimesAndRanges", "12:30:15", "tokUnsigned:12 ':' tokUnsigned:30 ':' tokUnsigned:15"},
    {"DatesTimesAndRanges", "-17:00", "'-' tokUnsigned:17 ':' tokUnsigned:0"},
    {"DatesWithDayNamesAndWildcards", "./1/2003", "tokUnsigned:4294967295 '/' tokUnsigned:1 '/' tokUnsigned:2003"},
    {"DatesWithDayNamesAndWildcards", "MON 1/2/2003 12:00",
     "tokDayOfWeek:1 tokUnsigned:1 '/' tokUnsigned:2 '/' tokUnsigned:2003 tokUnsigned:12 ':' tokUnsigned:0"},
    {"DatesWithDayNamesAndWildcards", "FRI ././. 18:00 - MON ././. 8:00;",
     "tokDayOfWeek:5 tokUnsigned:4294967295 '/' tokUnsigned:4294967295 '/' tokUnsigned:4294967295 tokUnsigned:18 ':' "
     "tokUnsigned:0 '-' tokDayOfWeek:1 tokUnsigned:4294967295 '/' tokUnsigned:4294967295 '/' tokUnsigned:4294967295 "
     "tokUnsigned:8 ':' tokUnsigned:0 ';'"},
    {"DatesWithDayNamesAndWildcards", "mon - fri;", "tokDayOfWeek:1 '-' tokDayOfWeek:5 ';'"},
    {"DatesWithDayNamesAndWildcards", "SAT{", "tokDayOfWeek:6 '{'"},
    {"DatesALetterEndsTheDateAndIsReadAgain", "8:00 zone", "tokUnsigned:8 ':' tokUnsigned:0 wrdZone"},
    {"DatesALetterEndsTheDateAndIsReadAgain", "MON MONDAY", "tokDayOfWeek:1 tokDayOfWeek:1 tokIdentifier:[DAY]"},
    {"DatesACommentRightAfterADateIsNoComment", "at 8:00-17:00 // office hours\n",
     "wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:0 '/' '/' tokIdentifier:[office] "
     "tokIdentifier:[hours]"},
    {"DatesACommentRightAfterADateIsNoComment", "at 8:00-17:00; // office hours\n",
     "wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:0 ';'"},
    {"BandwidthUnitForms", "bandwidth 1.5K", "wrdBandwidth tokBandwidth:15"},
    {"BandwidthUnitForms", "bandwidth 2M", "wrdBandwidth tokBandwidth:20000"},
    {"BandwidthUnitForms", "bandwidth 1.25G", "wrdBandwidth tokBandwidth:12500000"},
    {"BandwidthUnitForms", "BANDWIDTH 64k", "wrdBandwidth tokBandwidth:640"},
    {"BandwidthUnitForms", "bandwidth 100.5K", "wrdBandwidth tokBandwidth:1005"},
    {"BandwidthUnitForms", "bandwidth 0.5k", "wrdBandwidth tokBandwidth:5"},
    {"BandwidthUnitForms", "bandwidth unlimited", "wrdBandwidth tokBandwidth:4294967295"},
    {"BandwidthUnitForms", "bandwidth 1M;", "wrdBandwidth tokBandwidth:10000 ';'"},
    {"BandwidthPlainBitRatesEndInHundreds", "bandwidth 6400", "wrdBandwidth tokBandwidth:64"},
    {"BandwidthPlainBitRatesEndInHundreds", "bandwidth 1500", "wrdBandwidth tokBandwidth:15"},
    {"BandwidthPlainBitRatesEndInHundreds", "bandwidth 100", "wrdBandwidth tokBandwidth:1"},
    {"BandwidthPlainBitRatesEndInHundreds", "bandwidth 10", "wrdBandwidth tokUnsigned:10"},
    {"BandwidthPlainBitRatesEndInHundreds", "bandwidth 150", "wrdBandwidth tokUnsigned:150"},
    {"BandwidthPlainBitRatesEndInHundreds", "bandwidth 1005", "wrdBandwidth tokBandwidth:1 tokUnsigned:5"},
    {"BandwidthTooManyDecimalsIsNoBandwidth", "bandwidth 1.25K",
     "wrdBandwidth tokUnsigned:1 '.' tokUnsigned:25 tokIdentifier:[K]"},
    {"BandwidthTooManyDecimalsIsNoBandwidth", "bandwidth 1.125M",
     "wrdBandwidth tokUnsigned:1 '.' tokUnsigned:125 tokIdentifier:[M]"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0", "wrdBandwidth tokBandwidth:0"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0.0", "wrdBandwidth tokBandwidth:0"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0.00", "wrdBandwidth tokBandwidth:0"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0.00G", "wrdBandwidth tokBandwidth:0"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0e0", "wrdBandwidth tokBandwidth:0"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0,0", "wrdBandwidth tokUnsigned:0 ',' tokUnsigned:0"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0 0;", "wrdBandwidth tokUnsigned:0 tokUnsigned:0 ';'"},
    {"BandwidthZeroFormsAndWithdrawals", "bandwidth 0x00", "wrdBandwidth tokUnsigned:0 tokIdentifier:[x00]"},
    {"BandwidthTheStateEndsAtTheFirstOtherToken", "available bandwidth yes", "wrdAvailable wrdBandwidth tokBool:true"},
    {"BandwidthTheStateEndsAtTheFirstOtherToken", "bandwidth changes no", "wrdBandwidth wrdChanges tokBool:false"},
    {"BandwidthTheStateEndsAtTheFirstOtherToken", "bandwidth 1M 2", "wrdBandwidth tokBandwidth:10000 tokUnsigned:2"},
    {"BandwidthTheStateEndsAtTheFirstOtherToken", "bandwidth;", "wrdBandwidth ';'"},
    {"BandwidthValuesAreExactDecimals", "bandwidth 0.57M", "wrdBandwidth tokBandwidth:5700"},
    {"BandwidthValuesAreExactDecimals", "bandwidth 0.11G", "wrdBandwidth tokBandwidth:1100000"},
    {"BandwidthHugeValuesSaturate", "bandwidth 99999999999G", "wrdBandwidth tokBandwidth:4294967295"},
    {"BandwidthHugeValuesSaturate", "bandwidth 429.5G", "wrdBandwidth tokBandwidth:4294967295"},
    {"BandwidthHugeValuesSaturate", "bandwidth 429.49G", "wrdBandwidth tokBandwidth:4294900000"},
    {"BandwidthHugeValuesSaturate", "bandwidth 429496729500", "wrdBandwidth tokBandwidth:4294967295"},
    {"BandwidthHugeValuesSaturate", "bandwidth 429496729400", "wrdBandwidth tokBandwidth:4294967294"},
    {"BandwidthHugeValuesSaturate", "bandwidth 123456789012345678901234567890000",
     "wrdBandwidth tokBandwidth:4294967295"},
};

// Failures name the case, not its bytes.
void PrintTo(const TScanCase& ACase, std::ostream* AOut) { *AOut << ACase.Group; }

class ScannerText : public ::testing::TestWithParam<TScanCase> {};

}  // namespace

TEST_P(ScannerText, Tokens) { EXPECT_EQ(GetParam().Tokens, ScanAll(GetParam().Text)); }

INSTANTIATE_TEST_SUITE_P(Cases, ScannerText, ::testing::ValuesIn(ScanCases),
                         [](const ::testing::TestParamInfo<TScanCase>& AInfo) {
                           return std::string(AInfo.param.Group) + "_" + std::to_string(AInfo.index);
                         });

TEST(ScannerTokens, LineCounterCountsCommentsButNotStrings) {
  unsigned line = 0;
  EXPECT_EQ("tokString:[a\nb] tokIdentifier:[x]", ScanAll("\"a\nb\" x", &line));
  EXPECT_EQ(1u, line);
  EXPECT_EQ("tokIdentifier:[x]", ScanAll("/* a\nb\n*/ x", &line));
  EXPECT_EQ(3u, line);
  EXPECT_EQ("tokIdentifier:[x]", ScanAll("// a\n\nx", &line));
  EXPECT_EQ(3u, line);
  EXPECT_EQ("wrdAt tokUnsigned:8 ':' tokUnsigned:0", ScanAll("at 8:\n00\n", &line));
  EXPECT_EQ(3u, line);
  EXPECT_EQ("wrdBandwidth tokBandwidth:10", ScanAll("bandwidth\n\n1000", &line));
  EXPECT_EQ(3u, line);
}

TEST(ScannerTokens, ResetStartsOverInNormalState) {
  std::istringstream first("/* open comment\n\n");
  std::istringstream second("zone");
  TScanner scanner;
  scanner.Reset(first);
  TTokenValue value{};
  EXPECT_EQ(0, scanner.Next(value));
  EXPECT_EQ(3u, scanner.Line());
  scanner.Reset(second);
  EXPECT_EQ(1u, scanner.Line());
  EXPECT_EQ(TToken::wrdZone, scanner.Next(value));
  EXPECT_EQ(0, scanner.Next(value));
  EXPECT_EQ(0, scanner.Next(value));
}

TEST(ScannerTokens, TextsAreOwnedUntilTakenOver) {
  std::istringstream input("alpha \"beta\"");
  TScanner scanner;
  scanner.Reset(input);
  TTokenValue first{}, second{};
  ASSERT_EQ(TToken::tokIdentifier, scanner.Next(first));
  ASSERT_EQ(TToken::tokString, scanner.Next(second));
  EXPECT_EQ(2u, scanner.Owner().count());
  std::unique_ptr<orvo::string> taken(static_cast<orvo::string*>(scanner.Owner().TakeOver(first.Container)));
  EXPECT_EQ("alpha", toStd(*taken));
  EXPECT_EQ(1u, scanner.Owner().count());
  EXPECT_EQ(TTokenContainer::tckString, second.Container->Kind);
  scanner.Owner().FreeAll();
  EXPECT_EQ(0u, scanner.Owner().count());
}

TEST(ScannerInput, LongTokensAndTextsBeyondTheReadSize) {
  string big(100000, 'x');
  EXPECT_EQ("tokString:[" + big + "]", ScanAll("\"" + big + "\""));
  // Tokens that straddle the 8192-byte reads and the 16384-byte buffer.
  string text;
  string expected;
  for (int i = 0; i < 5000; ++i) {
    text += "zone z" + std::to_string(i) + " { bandwidth 1.5K; }\n";
    if (!expected.empty()) expected += ' ';
    expected += "wrdZone tokIdentifier:[z" + std::to_string(i) + "] '{' wrdBandwidth tokBandwidth:15 ';' '}'";
  }
  unsigned line = 0;
  EXPECT_EQ(expected, ScanAll(text, &line));
  EXPECT_EQ(5001u, line);
}

namespace {
// A stream buffer whose device fails at the first read.
class TFailingBuffer : public std::streambuf {
protected:
  int_type underflow() override { throw std::runtime_error("device failed"); }
};
}  // namespace

TEST(ScannerInput, AReadFailureIsAnErrorNotAnEndOfText) {
  TFailingBuffer buffer;
  std::istream input(&buffer);
  TScanner scanner;
  scanner.Reset(input);
  // The failure is reported, not taken for the end of an empty text.
  string tokens;
  string failure;
  try {
    for (;;) {
      TTokenValue value{};
      const int token = scanner.Next(value);
      if (token == 0) break;
      tokens += (tokens.empty() ? "" : " ") + TokenText(token, value);
    }
  } catch (TScanner::EFatal* e) {
    std::unique_ptr<TScanner::EFatal> owned(e);
    failure = toStd(*e->message());
  }
  EXPECT_EQ("", tokens);
  EXPECT_EQ("scanner failure, the configuration text could not be read", failure);
  // Nothing more is read from the failed text; a new text scans normally.
  TTokenValue value{};
  EXPECT_EQ(0, scanner.Next(value));
  std::istringstream next("log");
  scanner.Reset(next);
  EXPECT_EQ(TToken::wrdLog, scanner.Next(value));
}
