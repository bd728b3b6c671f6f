// The error texts of a configuration load, as the operator reads them, and
// the parse run's slot and failures.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>

#include <config/Configuration.h>
#include <config/ConfigurationParser.h>
#include <config/ParseMessage.h>
#include <config/Token.h>
#include <orvoTesting.h>

namespace {

std::string Load(const std::string& AText) {
  std::istringstream input(AText);
  TConfiguration configuration;
  return toStd(configuration.Load(input));
}

std::string Error(const std::string& AMessage, unsigned ALine = 1) {
  return "Configuration file: " + AMessage + ", in line " + std::to_string(ALine) + ".";
}

// Gives the text, then runs the action when more is asked for.
class TFailingInput : public std::streambuf {
public:
  TFailingInput(const std::string& AText, std::function<void()> AAtEnd) : FText(AText), FAtEnd(AAtEnd) {
    setg(&FText[0], &FText[0], &FText[0] + FText.size());
  }

protected:
  int_type underflow() override {
    FAtEnd();
    return traits_type::eof();
  }

private:
  std::string FText;
  std::function<void()> FAtEnd;
};

struct TInputGone {};

}  // namespace

TEST(ParseErrors, ExamplesOfTheOperatorsFirstMistakes) {
  EXPECT_EQ(Error("parse error, unexpected unsigned integer value, expecting bandwidth value"),
            Load("zone z { bandwidth 10; }"));
  EXPECT_EQ(
      Error("parse error, unexpected 'login' keyword, expecting 'bandwidth' keyword or 'connections' keyword or ; "
            "or {"),
      Load("zone z login"));
  EXPECT_EQ(Error("parse error, zone identifier 'A' already defined"), Load("zone a; zone A;"));
}

TEST(ParseErrors, TokenNamesReadAsWords) {
  // More than four acceptable tokens: no list.
  EXPECT_EQ(Error("parse error, unexpected identifier"), Load("user u { foo; }"));
  EXPECT_EQ(Error("parse error, unexpected string value"), Load("user u { \"x\"; }"));
  EXPECT_EQ(
      Error("parse error, unexpected 'make' keyword, expecting 'bandwidth' keyword or 'connections' keyword or }"),
      Load("zone z { make }"));
  EXPECT_EQ(Error("parse error, unexpected 'none' keyword, expecting identifier"), Load("user u { set none }"));
  EXPECT_EQ(Error("parse error, unexpected 'h450' keyword, expecting 'port' keyword"), Load("system ras h450"));
  EXPECT_EQ(Error("parse error, unexpected IP address, expecting identifier"), Load("zone 10.0.0.1;"));
  EXPECT_EQ(Error("parse error, unexpected IP address with port, expecting string value or IP address"),
            Load("system address 10.0.0.1:1720;"));
  EXPECT_EQ(Error("parse error, unexpected boolean value, expecting unsigned integer value"),
            Load("system ras port yes"));
  EXPECT_EQ(Error("parse error, unexpected day of week, expecting unsigned integer value"), Load("user u cost MON"));
  EXPECT_EQ(Error("parse error, unexpected bandwidth value, expecting boolean value"),
            Load("log available bandwidth 1M"));
  EXPECT_EQ(
      Error("parse error, unexpected end of file, expecting 'bandwidth' keyword or 'connections' keyword or ; or {"),
      Load("zone z"));
  EXPECT_EQ(
      Error("parse error, unexpected invalid character, expecting 'bandwidth' keyword or 'connections' keyword or "
            "; or {"),
      Load("zone z #"));
  EXPECT_EQ(Error("parse error, unexpected -, expecting unsigned integer value"), Load("system ras port -"));
}

TEST(ParseErrors, AtMostFourAlternativesInTokenOrder) {
  EXPECT_EQ(
      Error("parse error, unexpected identifier, expecting 'choice' keyword or 'full' keyword or 'none' keyword or "
            "'signalling' keyword"),
      Load("user u proxy level x"));
  EXPECT_EQ(Error("parse error, unexpected ;, expecting 'accounting' keyword or 'authentication' keyword or 'name' "
                  "keyword or 'password' keyword"),
            Load("user u radius;"));
  // Six levels would do: none is named.
  EXPECT_EQ(Error("parse error, unexpected identifier"), Load("user u radius accounting x"));
}

TEST(ParseErrors, LineOfTheOffendingToken) {
  EXPECT_EQ(Error("parse error, unexpected }, expecting boolean value", 4),
            Load("// settings\nuser u {\n  fast start\n}\n"));
  // A comment's line feeds count; a quoted string's do not.
  EXPECT_EQ(
      Error("parse error, unexpected identifier, expecting 'bandwidth' keyword or 'connections' keyword or ; or {", 3),
      Load("/* one\ntwo */ zone z\n x"));
  EXPECT_EQ(Error("parse error, unexpected identifier, expecting , or ;", 1), Load("user u display \"a\nb\" x"));
}

TEST(ParseErrors, SectionMessagesNameTheLineTheScannerReached) {
  EXPECT_EQ(Error("parse error, zone identifier 'A' already defined", 2), Load("zone a;\nzone A;\n"));
  EXPECT_EQ(Error("parse error, zone identifier 'a' already defined", 3), Load("zone a;\nzone a\n;"));
  // A link is a zone too: a zone may not reuse its name.
  EXPECT_EQ(Error("parse error, zone identifier 'L' already defined"), Load("link l between a and b; zone L;"));
  EXPECT_EQ(Error("parse error, group identifier 'G' already defined"), Load("group g; group G;"));
  EXPECT_EQ(Error("parse error, user identifier 'U' already defined"), Load("user u; user U;"));
  EXPECT_EQ(Error("parse error, user identifier 'U' already defined"), Load("user u; gatekeeper U;"));
  EXPECT_EQ(Error("parse error, user identifier 'G' already defined"), Load("gatekeeper g; user G;"));
  // The check runs at the end of the section: a syntax error inside wins.
  EXPECT_EQ(Error("parse error, unexpected identifier, expecting 'bandwidth' keyword or 'connections' keyword or }"),
            Load("zone a; zone A { foo; }"));
}

TEST(ParseErrors, AddressForms) {
  EXPECT_EQ(Error("address error, bad IP address"), Load("system address 255.255.255.255;"));
  EXPECT_EQ(Error("address error, bad IP address"), Load("user u address 10.0.0.1 - 255.255.255.255;"));
  EXPECT_EQ(Error("address error, unable to resolve or bad IP address"), Load("aaa address \"no.such.host.invalid\";"));
  EXPECT_EQ(Error("address error, unable to resolve or bad IP address"), Load("system address \"\";"));
  EXPECT_EQ(Error("address error, bad IP address"), Load("user u static \"10.0.0.1:17x\";"));
  EXPECT_EQ(Error("address error, bad IP address"), Load("gatekeeper g ras address \"no.such.host.invalid:1719\";"));
  EXPECT_EQ(Error("parse error, IP address number too large"), Load("user u address 10.0.0.5 - 300;"));
  EXPECT_EQ(Error("parse error, IP address number too large"), Load("monitor address 10.0.0.5 - 256;"));
  EXPECT_EQ("", Load("monitor address 10.0.0.5 - 255;"));
}

TEST(ParseErrors, LoginAndAliasComposition) {
  EXPECT_EQ(Error("logic error, 'false' login expression can not set variable"),
            Load("user u login \"x\" no set a to \"b\";"));
  EXPECT_EQ(Error("logic error, 'false' login expression can not set variable"),
            Load("user u login no set a add \"b\";"));
  EXPECT_EQ(Error("logic error, 'false' alias expression can not set variable"),
            Load("user u alias \"x\" no set a to \"b\";"));
  EXPECT_EQ(Error("logic error, 'false' alias expression can not translate"),
            Load("user u alias \"x\" no translate to \"y\";"));
  // Both at once: the assignments are named.
  EXPECT_EQ(Error("logic error, 'false' alias expression can not set variable"),
            Load("user u alias \"x\" no translate to \"y\" set a to \"b\";"));
  EXPECT_EQ("", Load("user u login no;"));
  EXPECT_EQ("", Load("user u alias no cost 3;"));
}

TEST(ParseErrors, MessagesOfTheSectionObjects) {
  EXPECT_EQ(Error("logic error, location directive points on unknown zone"), Load("user u location nowhere;"));
  // The section ends at its "}": nothing after it has been read yet.
  EXPECT_EQ(Error("logic error, group member directive points on unknown group", 1),
            Load("user u { group member g; }\ngroup g;\n"));
  EXPECT_EQ("", Load("zone Office; user u location office;"));
}

TEST(ParseErrors, ParserStackOverflow) {
  // Level lists nest to the right: each level holds two stack entries.
  std::string levels = "login";
  for (int i = 0; i < 5000; ++i) levels += "|login";
  EXPECT_EQ(Error("parser stack overflow"), Load("user u radius authentication " + levels + ";"));
  std::string fewer = "login";
  for (int i = 0; i < 4900; ++i) fewer += "|login";
  EXPECT_EQ("", Load("user u radius authentication " + fewer + ";"));
}

TEST(ParseErrors, EmptyAndCommentOnlyFilesLoad) {
  EXPECT_EQ("", Load(""));
  EXPECT_EQ("", Load("// only\n/* comments */\n"));
}

TEST(ParseMessageText, EveryKeywordReadsAsItsWord) {
  for (int token = TToken::wrdAAA; token <= TToken::wrdZone; ++token) {
    std::string word = std::string(TToken::Name(token)).substr(3);
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ("unexpected '" + word + "' keyword,",
              toStd(ParseMessageText(orvo::string("unexpected ") + TToken::Name(token) + ",")));
  }
}

TEST(ParseMessageText, RewriteOrder) {
  EXPECT_EQ("x", toStd(ParseMessageText("`x'")));
  EXPECT_EQ("'xyz'", toStd(ParseMessageText("''xyz''")));
  EXPECT_EQ("'' and ", toStd(ParseMessageText("''' and '")));
  EXPECT_EQ(
      "boolean value integer value unsigned integer value bandwidth value string value identifier day of week "
      "IP address with port IP address",
      toStd(ParseMessageText("tokBool tokInt tokUnsigned tokBandwidth tokString tokIdentifier tokDayOfWeek "
                             "tokInetAddressWP tokInetAddress")));
  EXPECT_EQ("end of file, invalid character, keyword or identifierx", toStd(ParseMessageText("$end, $undefined, $x")));
  EXPECT_EQ(
      "'callee' keyword 'caller' keyword 'calls' keyword 'call' keyword 'registrations' keyword "
      "'registration' keyword 'register' keyword 'connections' keyword 'connection' keyword 'login' keyword "
      "'log' keyword 'signalling' keyword 'signal' keyword 'address' keyword 'add' keyword",
      toStd(ParseMessageText("wrdCallee wrdCaller wrdCalls wrdCall wrdRegistrations wrdRegistration wrdRegister "
                             "wrdConnections wrdConnection wrdLogin wrdLog wrdSignalling wrdSignal wrdAddress "
                             "wrdAdd")));
  EXPECT_EQ("'radius' keyword 'h450' keyword 'gmt' keyword 'rtp' keyword 'q931' keyword 'aaa' keyword",
            toStd(ParseMessageText("wrdRADIUS wrdH450 wrdGMT wrdRTP wrdQ931 wrdAAA")));
}

TEST(ParseRunFailures, ScannerFailureEndsTheParseWithItsLine) {
  TFailingInput buffer("system ras port 1719,\ncall", [] { throw TInputGone(); });
  std::istream input(&buffer);
  TConfiguration configuration;
  // The read that fails gives nothing, not even what came before the failure.
  EXPECT_EQ(Error("scanner failure, the configuration text could not be read", 1), toStd(configuration.Load(input)));
  std::istringstream next("system ras port 1800;");
  EXPECT_EQ("", toStd(configuration.Load(next)));
  EXPECT_EQ(1800u, configuration.RasPort());
}

TEST(ParseRunFailures, ScannerFailureAfterAWholeReadNamesTheLineReached) {
  // One full read of 8192 bytes, 512 lines; the next read fails while the
  // last comment may still go on, before its line feed is counted.
  std::string text;
  for (int i = 0; i < 512; ++i) text += "// padding line\n";
  ASSERT_EQ(8192u, text.size());
  TFailingInput buffer(text, [] { throw TInputGone(); });
  std::istream input(&buffer);
  TConfiguration configuration;
  EXPECT_EQ(Error("scanner failure, the configuration text could not be read", 512), toStd(configuration.Load(input)));
}

TEST(ParseRunFailures, AnExceptionOfTheInputLeavesNoParseBehind) {
  TFailingInput buffer("user u { login \"x\"; alias \"1\"", [] { throw TInputGone(); });
  std::istream input(&buffer);
  input.exceptions(std::ios::badbit);
  TConfiguration configuration;
  EXPECT_THROW(configuration.Load(input), TInputGone);
  // The parse slot is free again: the next load neither waits nor fails.
  TConfiguration next;
  std::istringstream text("zone z;");
  EXPECT_EQ("", toStd(next.Load(text)));
  EXPECT_EQ(1u, next.Zones().count());
}

TEST(ParseRunFailures, AParseInsideAParseIsRefused) {
  std::string inner;
  bool innerSucceeded = true;
  TFailingInput buffer("zone z;", [&] {
    TConfiguration other;
    std::istringstream text("zone y;");
    inner = toStd(ParseConfiguration(text, other, innerSucceeded));
  });
  std::istream input(&buffer);
  TConfiguration configuration;
  EXPECT_EQ("", toStd(configuration.Load(input)));
  EXPECT_EQ("Configuration file: internal error, another configuration parse is running.", inner);
  EXPECT_FALSE(innerSucceeded);
}
