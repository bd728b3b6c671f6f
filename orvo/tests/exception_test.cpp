#include <orvo/exception.h>
#include <orvo/utility.h>

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "orvoTesting.h"

TEST(Exception, FormattedTextIsCutAt511) {
  orvo::exception e("x=%d", 5);
  EXPECT_EQ("x=5", toStd(*e.message()));
  orvo::string big('a', 600);
  orvo::exception cut("%s", big.buffer());
  EXPECT_EQ(511u, cut.message()->length());
}

namespace {
class fixedText : public orvo::exception {
public:
  int built = 0;

protected:
  orvo::string what() const override {
    ++const_cast<fixedText*>(this)->built;
    return orvo::string("Fixed.");
  }
};
}  // namespace

TEST(Exception, TextOnDemandIsBuiltOnce) {
  fixedText e;
  orvo::string* first = e.message();
  EXPECT_EQ(first, e.message());
  EXPECT_EQ(1, e.built);
  EXPECT_EQ("Fixed.", toStd(*first));
  orvo::exception plain;
  EXPECT_TRUE(plain.message()->empty());
}

TEST(Utility, PathPieces) {
  using orvo::string;
  EXPECT_EQ("a.cfg", toStd(orvo::fileName(string("/etc/a.cfg"))));
  EXPECT_EQ("a.cfg", toStd(orvo::fileName(string("a.cfg"))));
  EXPECT_EQ("b", toStd(orvo::fileName(string("c:\\dir\\b"))));
  EXPECT_EQ("/etc/", toStd(orvo::filePath(string("/etc/a.cfg"))));
  EXPECT_EQ("", toStd(orvo::filePath(string("a.cfg"))));
  string log("log"), bil("bil");
  EXPECT_EQ("/etc/gk.log", toStd(orvo::replaceExtension(string("/etc/gk.cfg"), log)));
  EXPECT_EQ("/etc/gk.log", toStd(orvo::replaceExtension(string("/etc/gk"), log)));
  EXPECT_EQ("/home/x.y/gk.bil", toStd(orvo::replaceExtension(string("/home/x.y/gk"), bil)));
  EXPECT_EQ("gk.log", toStd(orvo::replaceExtension(string("gk."), log)));
  EXPECT_EQ(".log", toStd(orvo::replaceExtension(string(), log)));
  EXPECT_EQ("c:gk.log", toStd(orvo::replaceExtension(string("c:gk"), log)));
  EXPECT_EQ("gz", toStd(orvo::extension(string("a.tar.gz"))));
  EXPECT_EQ("", toStd(orvo::extension(string(".profile"))));
}

TEST(Utility, RandomRanges) {
  for (int i = 0; i < 2000; ++i) {
    unsigned v = orvo::random(10, 20);
    EXPECT_GE(v, 11u);
    EXPECT_LE(v, 20u);
  }
  EXPECT_EQ(7u, orvo::random(7, 7));
  bool large = false;
  for (int i = 0; i < 100 && !large; ++i) large = orvo::random(0, 0xFFFFFFFFu) > 1000;
  EXPECT_TRUE(large);
}

TEST(Utility, SleepWaitsTheMilliseconds) {
  auto start = std::chrono::steady_clock::now();
  orvo::sleep(120);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(ms.count(), 110);
  EXPECT_LT(ms.count(), 5000);
}

TEST(Utility, Blanks) {
  std::ostringstream out;
  out << orvo::blanks(200) << '|' << orvo::blanks(0) << '|' << orvo::blanks(80) << '|';
  EXPECT_EQ(std::string(200, ' ') + "||" + std::string(80, ' ') + "|", out.str());
}
