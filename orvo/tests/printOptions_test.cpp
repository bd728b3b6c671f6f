#include <orvo/printOptions.h>

#include "orvoTesting.h"

using orvo::string;
using orvo::TPrintOptions;

namespace {

struct printOptionsTest : ::testing::Test {
  string name;
  unsigned level = 0;
  TPrintOptions options{&name, &level};

  bool passesUnder(const char* AName, unsigned ALevel) {
    name = AName;
    level = ALevel;
    return options.passes();
  }
};

TEST_F(printOptionsTest, EmptyFilterPassesEveryStateAndLevel) {
  EXPECT_TRUE(passesUnder("", 0));
  EXPECT_TRUE(passesUnder("Error", 7));
  EXPECT_TRUE(passesUnder("Anything", 0xFFFFFFFFu));
}

TEST_F(printOptionsTest, UnattachedFilterPassesNothing) {
  TPrintOptions loose;
  EXPECT_FALSE(loose.passes());
  EXPECT_FALSE(loose.evaluate());
  loose.setState("Error", 5);
  EXPECT_FALSE(loose.passes());
  loose.setSource(&name, nullptr);
  EXPECT_FALSE(loose.passes());
}

TEST_F(printOptionsTest, EntryPassesItsStateUpToItsLevel) {
  options.setState("Error", 0);
  EXPECT_TRUE(passesUnder("Error", 0));
  EXPECT_FALSE(passesUnder("Error", 1));
  EXPECT_FALSE(passesUnder("Warning", 0));
  EXPECT_FALSE(passesUnder("", 0));
}

TEST_F(printOptionsTest, LevelsCompareUnsigned) {
  options.setState("Debug", 0xFFFFFFFFu);
  EXPECT_TRUE(passesUnder("Debug", 0x80000000u));
  EXPECT_TRUE(passesUnder("Debug", 0xFFFFFFFFu));
  options.setState("Debug", 0x7FFFFFFFu);
  EXPECT_FALSE(passesUnder("Debug", 0x80000000u));
  EXPECT_TRUE(passesUnder("Debug", 0x7FFFFFFFu));
}

TEST_F(printOptionsTest, NamesCompareByBytesNotCase) {
  options.setState("Error", 3);
  EXPECT_FALSE(passesUnder("error", 0));
  EXPECT_FALSE(passesUnder("Error ", 0));
  name = string("Error\0x", 7);
  level = 0;
  EXPECT_FALSE(options.passes());
}

TEST_F(printOptionsTest, SetStateReplacesTheLevelOfAnExistingEntry) {
  options.setState("Warning", 1);
  options.setState("Warning", 4);
  EXPECT_EQ(1u, options.count());
  EXPECT_TRUE(passesUnder("Warning", 4));
  EXPECT_FALSE(passesUnder("Warning", 5));
}

TEST_F(printOptionsTest, RemoveStateAndClearReevaluate) {
  options.setState("Error", 9);
  options.setState("Warning", 9);
  EXPECT_TRUE(passesUnder("Error", 2));
  options.removeState("Error");
  EXPECT_EQ(1u, options.count());
  EXPECT_FALSE(options.passes());
  options.removeState("Missing");
  EXPECT_EQ(1u, options.count());
  options.clear();
  EXPECT_EQ(0u, options.count());
  EXPECT_TRUE(options.passes());
}

TEST_F(printOptionsTest, DecisionFollowsTheSourceWithoutAChangeOfFilter) {
  options.setState("Information", 2);
  EXPECT_TRUE(passesUnder("Information", 2));
  EXPECT_FALSE(passesUnder("Information", 3));
  EXPECT_TRUE(passesUnder("Information", 1));
  EXPECT_FALSE(passesUnder("Debug", 1));
}

// The first decision must be evaluated even when the current state happens
// to equal the empty cache (empty name, level -1).
TEST_F(printOptionsTest, FirstDecisionIsNotTakenFromTheEmptyCache) {
  TPrintOptions fresh;
  string current;
  unsigned all = 0xFFFFFFFFu;
  fresh.setSource(&current, &all);
  EXPECT_TRUE(fresh.passes());
}

TEST_F(printOptionsTest, NewSourceIsEvaluatedAfresh) {
  options.setState("Error", 0);
  EXPECT_TRUE(passesUnder("Error", 0));
  string otherName("Warning");
  unsigned otherLevel = 0;
  options.setSource(&otherName, &otherLevel);
  EXPECT_FALSE(options.passes());
  otherName = "Error";
  EXPECT_TRUE(options.passes());
}

TEST(stateWords, AreTheFourLevelWordsAndTheEmptyDefault) {
  EXPECT_EQ("", toStd(orvo::stateDefault));
  EXPECT_EQ("Error", toStd(orvo::stateError));
  EXPECT_EQ("Warning", toStd(orvo::stateWarning));
  EXPECT_EQ("Information", toStd(orvo::stateInformation));
  EXPECT_EQ("Debug", toStd(orvo::stateDebug));
}

}  // namespace
