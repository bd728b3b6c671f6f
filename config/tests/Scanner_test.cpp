#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <sstream>
#include <stdexcept>
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

TEST(ScannerTokens, BooleanWordsAndDirections) {
  EXPECT_EQ("tokBool:true tokBool:true tokBool:true tokBool:true tokBool:true", ScanAll("Yes TRUE allow ALLOWED RULEZ"));
  EXPECT_EQ("tokBool:false tokBool:false tokBool:false tokBool:false tokBool:false", ScanAll("no False DENY Prohibited suxx"));
  EXPECT_EQ("wrdIncoming wrdIncoming tokIdentifier:[IN1] wrdOutgoing wrdOutgoing", ScanAll("in incoming IN1 Out OUTGOING"));
  EXPECT_EQ("tokIdentifier:[yess] tokIdentifier:[no_way]", ScanAll("yess no_way"));
}

TEST(ScannerTokens, DayNamesAgainstKeywordsAndIdentifiers) {
  EXPECT_EQ("wrdMonitor", ScanAll("MONITOR"));
  EXPECT_EQ("tokDayOfWeek:1", ScanAll("MON"));
  EXPECT_EQ("tokIdentifier:[MONDAY]", ScanAll("MONDAY"));
  EXPECT_EQ("tokDayOfWeek:1 tokDayOfWeek:2 tokDayOfWeek:3 tokDayOfWeek:4 tokDayOfWeek:5 tokDayOfWeek:6 tokDayOfWeek:7",
            ScanAll("mon Tue WED thu fri sat SUN"));
  EXPECT_EQ("wrdUser tokIdentifier:[sun1]", ScanAll("user sun1"));
}

TEST(ScannerTokens, IdentifiersWithUnderscores) {
  EXPECT_EQ("tokIdentifier:[a_b1]", ScanAll("a_b1"));
  EXPECT_EQ("tokIdentifier:[a] '_' '_' tokIdentifier:[b]", ScanAll("a__b"));
  EXPECT_EQ("'_' tokIdentifier:[a]", ScanAll("_a"));
  EXPECT_EQ("tokIdentifier:[a] '_'", ScanAll("a_"));
  EXPECT_EQ("tokIdentifier:[Zone_1_x]", ScanAll("Zone_1_x"));
  EXPECT_EQ("wrdH235 tokIdentifier:[H2351]", ScanAll("H235 H2351"));
}

TEST(ScannerTokens, AddressesWithAndWithoutPort) {
  EXPECT_EQ("tokInetAddressWP:[10.0.0.1:1720]", ScanAll("10.0.0.1:1720"));
  EXPECT_EQ("tokInetAddressWP:[10.0.0.1:7000] tokUnsigned:0", ScanAll("10.0.0.1:70000"));
  EXPECT_EQ("tokInetAddressWP:[10.0.0.1:65535]", ScanAll("10.0.0.1:65535"));
  EXPECT_EQ("tokInetAddressWP:[10.0.0.1:6553] tokUnsigned:6", ScanAll("10.0.0.1:65536"));
  EXPECT_EQ("tokInetAddressWP:[1.2.3.4:00080]", ScanAll("1.2.3.4:00080"));
  EXPECT_EQ("tokInetAddress:[127.0.0.1]", ScanAll("127.0.0.1"));
  EXPECT_EQ("tokInetAddress:[010.000.255.1]", ScanAll("010.000.255.1"));
  EXPECT_EQ("tokInetAddress:[1.2.3.45] tokUnsigned:6", ScanAll("1.2.3.456"));
  EXPECT_EQ("tokUnsigned:256 '.' tokUnsigned:1 '.' tokUnsigned:1 '.' tokUnsigned:1", ScanAll("256.1.1.1"));
  EXPECT_EQ("tokUnsigned:1 '.' tokUnsigned:2 '.' tokUnsigned:3", ScanAll("1.2.3"));
}

TEST(ScannerTokens, AddressFollowedBySlashOrBareColonIsReadAsDate) {
  const string any = "tokUnsigned:4294967295";
  EXPECT_EQ("tokUnsigned:10 " + any + " tokUnsigned:0 " + any + " tokUnsigned:0 " + any + " tokUnsigned:1 '/' tokUnsigned:24",
            ScanAll("10.0.0.1/24"));
  EXPECT_EQ("tokUnsigned:10 " + any + " tokUnsigned:0 " + any + " tokUnsigned:0 " + any + " tokUnsigned:1 ':' ';'",
            ScanAll("10.0.0.1: ;"));
}

TEST(ScannerTokens, UnsignedNumbersSaturate) {
  EXPECT_EQ("tokUnsigned:0 tokUnsigned:7 tokUnsigned:4294967294 tokUnsigned:4294967295",
            ScanAll("0 007 4294967294 4294967295"));
  EXPECT_EQ("tokUnsigned:4294967295 tokUnsigned:4294967295 tokUnsigned:4294967295",
            ScanAll("4294967296 18446744073709551617 99999999999999999999999999999"));
  EXPECT_EQ("tokUnsigned:4294967295 tokUnsigned:4294967295", ScanAll("unlimited UNLIMITED"));
}

TEST(ScannerTokens, QuotedStrings) {
  EXPECT_EQ("tokString:[abc] tokString:[x y]", ScanAll("\"abc\" 'x y'"));
  EXPECT_EQ("tokString:[ab\"\"cd]", ScanAll("\"ab\"\"cd\""));
  EXPECT_EQ("tokString:[it''s]", ScanAll("'it''s'"));
  EXPECT_EQ("tokString:[]", ScanAll("\"\""));
  EXPECT_EQ("tokString:[a'b] tokString:[a\"b]", ScanAll("\"a'b\" 'a\"b'"));
  EXPECT_EQ("tokString:[1(.*)] tokString:[2\\1]", ScanAll("\"1(.*)\" \"2\\1\""));
  EXPECT_EQ("tokString:[// not a comment /* nor this */]", ScanAll("\"// not a comment /* nor this */\""));
}

TEST(ScannerTokens, UnterminatedQuoteIsACharacter) {
  EXPECT_EQ("'\"' tokIdentifier:[abc] ';'", ScanAll("\"abc;"));
  EXPECT_EQ("tokString:[a] '\"' tokIdentifier:[b]", ScanAll("\"a\"\"b"));
}

TEST(ScannerTokens, CommentsAreSkipped) {
  EXPECT_EQ("wrdZone tokIdentifier:[z] ';'", ScanAll("zone /* a * / comment */ z; // rest of line\n"));
  EXPECT_EQ("tokIdentifier:[x] '*' '/'", ScanAll("/* /* */ x */"));
  EXPECT_EQ("wrdLog", ScanAll("log /* never closed\n zone"));
  EXPECT_EQ("'/' '*'", ScanAll("/ *"));
}

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

TEST(ScannerTokens, NulBytesAreSkippedNeverReturned) {
  const string text("zone\0 z\0;\0", 10);
  EXPECT_EQ("wrdZone tokIdentifier:[z] ';'", ScanAll(text));
  EXPECT_EQ("tokIdentifier:[zo] tokIdentifier:[ne]", ScanAll(string("zo\0ne", 5)));
  // A NUL cannot stand inside a string: the quote is then a character.
  EXPECT_EQ("'\"' tokIdentifier:[a] tokIdentifier:[b] '\"'", ScanAll(string("\"a\0b\"", 5)));
  EXPECT_EQ("tokIdentifier:[x]", ScanAll(string("/*\0*/x", 6)));
  EXPECT_EQ("wrdAt tokUnsigned:8 ':' tokUnsigned:0", ScanAll(string("at 8\0:00", 8)));
  EXPECT_EQ("wrdBandwidth tokBandwidth:20000", ScanAll(string("bandwidth \0" "2M", 13)));
  // Everything after a NUL in the middle of a file is still read.
  EXPECT_EQ("wrdSystem '{' '}' wrdZone tokIdentifier:[a] ';'", ScanAll(string("system {}\0\nzone a;", 18)));
}

TEST(ScannerTokens, OtherBytesAreSingleCharacters) {
  EXPECT_EQ("wrdZone #13 ';' #233 #255", ScanAll("zone\r;\xe9\xff"));
  EXPECT_EQ("'{' '}' ',' '|' '-' ';'", ScanAll("{},|-;"));
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
