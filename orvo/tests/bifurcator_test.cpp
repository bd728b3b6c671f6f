#include <orvo/bifurcator.h>
#include <orvo/ostreamManipulator.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "captureSink.h"
#include "orvoTesting.h"

using orvo::TBifurcator;

namespace {

// A bifurcator over a string stream, with one capturing sink on the
// bifurcator's own (empty, so pass-all) filter.
struct bifurcatorTest : ::testing::Test {
  std::ostringstream target;
  std::vector<capturedLine> lines;
  TBifurcator* bifurcator = new TBifurcator(target);
  captureSink* sink = new captureSink(lines, bifurcator->printOptions());

  bifurcatorTest() { bifurcator->addManipulator(sink); }
  ~bifurcatorTest() override { delete bifurcator; }

  orvo::TBifurcationalBuffer& buffer() { return bifurcator->bifurcationalBuffer(); }
};

TEST_F(bifurcatorTest, TakesOverTheTargetAndGivesItBack) {
  std::ostringstream other;
  std::ostream& asStream = other;
  std::streambuf* before = asStream.rdbuf();
  TBifurcator* own = new TBifurcator(other);
  EXPECT_TRUE(static_cast<std::streambuf*>(&own->bifurcationalBuffer()) == asStream.rdbuf());
  EXPECT_EQ(own, TBifurcator::find(&other));
  own->savedStream() << "underneath";
  delete own;
  EXPECT_TRUE(before == asStream.rdbuf());
  EXPECT_EQ(nullptr, TBifurcator::find(&other));
  EXPECT_EQ("underneath", other.str());
  EXPECT_EQ(nullptr, TBifurcator::find(nullptr));
}

TEST_F(bifurcatorTest, LinesReachTheSinkUnderTheirState) {
  target << "plain" << std::endl;
  target << orvo::setState(orvo::stateWarning, 2) << "warned" << std::endl;
  target << orvo::setLevel(5) << "deeper\nsecond" << std::endl;
  std::vector<capturedLine> expected{{"plain\n", "", 0, true},
                                     {"warned\n", "Warning", 2, true},
                                     {"deeper\n", "Warning", 5, true},
                                     {"second\n", "Warning", 5, true}};
  EXPECT_EQ(expected, lines);
  EXPECT_EQ("", target.str());
}

TEST_F(bifurcatorTest, TextWrittenBeforeAStateChangeKeepsTheOldState) {
  target << orvo::setState(orvo::stateError) << "begun ";
  target << orvo::setState(orvo::stateDebug) << "ended" << std::endl;
  std::vector<capturedLine> expected{{"begun ", "Error", 0, true}, {"ended\n", "Debug", 0, false}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, LineStateHoldsForOneLineOnly) {
  target << orvo::setState("General", 1);
  target << orvo::lineState(orvo::stateWarning) << "first\nsecond" << std::endl;
  std::vector<capturedLine> expected{{"first\n", "Warning", 1, true}, {"second\n", "General", 1, true}};
  EXPECT_EQ(expected, lines);
  EXPECT_EQ(0u, buffer().stackDepth());
  EXPECT_FALSE(buffer().lineStatePending());
}

TEST_F(bifurcatorTest, LineStateWithLevelAndLineLevel) {
  target << orvo::lineState(orvo::stateError, 3) << "bad" << std::endl;
  target << orvo::setState(orvo::stateInformation, 1) << orvo::lineLevel(4) << "detail" << std::endl
         << "back" << std::endl;
  std::vector<capturedLine> expected{
      {"bad\n", "Error", 3, true}, {"detail\n", "Information", 4, true}, {"back\n", "Information", 1, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, ChunksWaitWhileAStateIsPushed) {
  target << orvo::pushState(orvo::stateError, 1) << "one" << std::endl << "two" << std::endl;
  EXPECT_TRUE(lines.empty());
  target << orvo::pushLevel(2) << "three" << std::endl;
  EXPECT_TRUE(lines.empty());
  target << orvo::popState;
  // Everything gathered is processed under the state current at the pop.
  std::vector<capturedLine> expected{
      {"one\n", "Error", 2, true}, {"two\n", "Error", 2, true}, {"three\n", "Error", 2, true}};
  EXPECT_EQ(expected, lines);
  EXPECT_EQ(1u, buffer().stackDepth());
  target << "four" << std::endl;
  EXPECT_EQ(3u, lines.size());
  target << orvo::popState;
  ASSERT_EQ(4u, lines.size());
  EXPECT_EQ((capturedLine{"four\n", "Error", 1, true}), lines[3]);
  target << orvo::popState << "five" << std::endl;
  ASSERT_EQ(5u, lines.size());
  EXPECT_EQ((capturedLine{"five\n", "", 0, true}), lines[4]);
}

TEST_F(bifurcatorTest, PushStateWithoutLevelKeepsTheLevel) {
  target << orvo::setLevel(6) << orvo::pushState(orvo::stateDebug) << "x" << std::endl << orvo::popState;
  std::vector<capturedLine> expected{{"x\n", "Debug", 6, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, LineStateHoldsTheWholeLineUntilItsEnd) {
  target << orvo::lineState(orvo::stateError) << "partial ";
  target.flush();
  EXPECT_TRUE(lines.empty());
  target << "rest" << std::endl;
  std::vector<capturedLine> expected{{"partial rest\n", "Error", 0, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, LongLineWithoutPushedStateArrivesInPieces) {
  sink->printOptions();  // the bifurcator's empty filter: everything passes
  std::string text(600, 'a');
  target << orvo::setState(orvo::stateError) << text << std::endl;
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ((capturedLine{std::string(512, 'a'), "Error", 0, true}), lines[0]);
  EXPECT_EQ((capturedLine{std::string(88, 'a') + "\n", "Error", 0, false}), lines[1]);
}

TEST_F(bifurcatorTest, LongLineUnderAPushedStateArrivesWhole) {
  std::string text(600, 'b');
  target << orvo::pushState(orvo::stateError) << text << std::endl << orvo::popState;
  std::vector<capturedLine> expected{{text + "\n", "Error", 0, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, LongLineUnderALineStateArrivesWhole) {
  std::string text(1500, 'c');
  target << orvo::lineState(orvo::stateWarning) << text << std::endl << "after" << std::endl;
  std::vector<capturedLine> expected{{text + "\n", "Warning", 0, true}, {"after\n", "", 0, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, LevelPrefixMarksEveryPieceOfALongLine) {
  std::vector<capturedLine> prefixed;
  bifurcator->addManipulator(new captureSink(prefixed, orvo::levelPrefixFormat));
  target << orvo::setState(orvo::stateWarning) << std::string(520, 'w') << std::endl;
  ASSERT_EQ(2u, prefixed.size());
  EXPECT_EQ("[W] " + std::string(512, 'w'), prefixed[0].text);
  EXPECT_EQ("[W] " + std::string(8, 'w') + "\n", prefixed[1].text);
}

TEST_F(bifurcatorTest, EachSinkFiltersOnItsOwn) {
  std::vector<capturedLine> errors, nothing;
  captureSink* errorSink = new captureSink(errors);
  errorSink->printOptions().setState(orvo::stateError, 0);
  captureSink* deafSink = new captureSink(nothing);
  deafSink->printOptions().setState("Nobody", 0xFFFFFFFFu);
  bifurcator->addManipulator(errorSink);
  bifurcator->addManipulator(deafSink);
  target << orvo::lineState(orvo::stateError) << "e0" << std::endl;
  target << orvo::lineState(orvo::stateError, 1) << "e1" << std::endl;
  target << orvo::lineState(orvo::stateWarning) << "w0" << std::endl;
  target << "general" << std::endl;
  std::vector<capturedLine> expectedErrors{{"e0\n", "Error", 0, true}};
  EXPECT_EQ(expectedErrors, errors);
  EXPECT_TRUE(nothing.empty());
  EXPECT_EQ(4u, lines.size());
}

TEST_F(bifurcatorTest, SharedFilterChangesReachEverySinkUsingIt) {
  bifurcator->printOptions().setState(orvo::stateError, 0xFFFFFFFFu);
  target << orvo::lineState(orvo::stateWarning) << "dropped" << std::endl;
  target << orvo::lineState(orvo::stateError, 9) << "kept" << std::endl;
  std::vector<capturedLine> expected{{"kept\n", "Error", 9, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, RemoveManipulatorFlushesBeforeItDeletes) {
  std::vector<capturedLine> removedLines;
  captureSink::counters tally;
  captureSink* removed = new captureSink(removedLines);
  removed->countInto(&tally);
  bifurcator->addManipulator(removed);
  target << orvo::pushState(orvo::stateError) << "held" << std::endl << "unended";
  bifurcator->removeManipulator(removed);
  // The text still in the put area and in the sink's chunk reached it, then
  // Flush, then deletion.
  std::vector<capturedLine> expected{{"held\n", "Error", 0, true}, {"unended", "Error", 0, true}};
  EXPECT_EQ(expected, removedLines);
  EXPECT_EQ(1, tally.flushes);
  EXPECT_EQ(2u, tally.linesAtFlush);
  EXPECT_EQ(1, tally.destroyed);
  target << " more" << std::endl << orvo::popState << "later" << std::endl;
  EXPECT_EQ(2u, removedLines.size());
  std::vector<capturedLine> stayed{
      {"held\n", "Error", 0, true}, {"unended more\n", "Error", 0, true}, {"later\n", "", 0, true}};
  EXPECT_EQ(stayed, lines);
}

TEST_F(bifurcatorTest, RemovingAForeignSinkDoesNothing) {
  std::vector<capturedLine> foreignLines;
  captureSink::counters tally;
  captureSink foreign(foreignLines);
  foreign.countInto(&tally);
  bifurcator->removeManipulator(&foreign);
  bifurcator->removeManipulator(nullptr);
  bifurcator->addManipulator(nullptr);
  EXPECT_EQ(0, tally.flushes);
  EXPECT_EQ(0, tally.destroyed);
  target << "still" << std::endl;
  EXPECT_EQ(1u, lines.size());
  foreign.countInto(nullptr);
}

TEST_F(bifurcatorTest, FlushManipulatorsFlushesTheSinksNotTheStream) {
  captureSink::counters tally;
  sink->countInto(&tally);
  target << "unflushed" << orvo::flushManipulators;
  EXPECT_EQ(1, tally.flushes);
  EXPECT_TRUE(lines.empty());
  sink->countInto(nullptr);
}

TEST_F(bifurcatorTest, DestructionHandsOnEverythingStillHeld) {
  std::ostringstream other;
  std::vector<capturedLine> held;
  captureSink::counters tally;
  TBifurcator* own = new TBifurcator(other);
  captureSink* heldSink = new captureSink(held);
  heldSink->countInto(&tally);
  own->addManipulator(heldSink);
  other << orvo::pushState(orvo::stateWarning) << "pushed" << std::endl << "no line end";
  EXPECT_TRUE(held.empty());
  delete own;
  std::vector<capturedLine> expected{{"pushed\n", "Warning", 0, true}, {"no line end", "Warning", 0, true}};
  EXPECT_EQ(expected, held);
  EXPECT_EQ(2u, tally.linesAtFlush);
  EXPECT_EQ(1, tally.destroyed);
}

TEST_F(bifurcatorTest, ManipulatorsLeaveAStreamWithoutBifurcatorAlone) {
  std::ostringstream plain;
  plain << "a" << orvo::setState(orvo::stateError, 1) << orvo::lineState(orvo::stateWarning) << orvo::pushState("X")
        << orvo::pushLevel(3) << orvo::lineLevel(2) << orvo::setLevel(4) << orvo::popState << orvo::flushManipulators
        << "b";
  EXPECT_EQ("ab", plain.str());
  EXPECT_TRUE(plain.good());
  EXPECT_EQ(0u, buffer().stackDepth());
  EXPECT_EQ("", toStd(buffer().stateName()));
}

TEST_F(bifurcatorTest, PopStateOnAnEmptyStackDoesNothing) {
  target << orvo::setState(orvo::stateDebug, 2) << orvo::popState << "x" << std::endl;
  std::vector<capturedLine> expected{{"x\n", "Debug", 2, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, ManipulatorsWorkThroughFunctionCallsToo) {
  orvo::lineState(target, orvo::stateError, 7);
  target << "called" << std::endl;
  orvo::pushState(target, orvo::stateInformation);
  target << "pushed" << std::endl;
  orvo::popState(target);
  std::vector<capturedLine> expected{{"called\n", "Error", 7, true}, {"pushed\n", "Information", 0, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, FailingSinkFailsTheStream) {
  sink->writeResult = 1;
  target << "lost" << std::endl;
  EXPECT_TRUE(target.bad());
}

TEST_F(bifurcatorTest, FailingPutLineDropsTheRestOfTheChunk) {
  sink->putLineResult = 1;
  target << orvo::pushState(orvo::stateError) << "one\ntwo\nthree" << std::endl << orvo::popState;
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ("one\n", lines[0].text);
  EXPECT_TRUE(target.good());
}

// A sink that logs through the stream it serves, as a failing monitor
// connection might.
struct echoingSink : captureSink {
  echoingSink(std::vector<capturedLine>& ALines, std::ostream& ALog) : captureSink(ALines), log(ALog) {}
  int putLine(orvo::string& ALine) override {
    int result = captureSink::putLine(ALine);
    if (!echoed) {
      echoed = true;
      log << "nested" << std::endl;
    }
    return result;
  }
  std::ostream& log;
  bool echoed = false;
};

TEST_F(bifurcatorTest, SinkMayLogThroughTheStreamItServes) {
  std::vector<capturedLine> echoed;
  bifurcator->addManipulator(new echoingSink(echoed, target));
  target << "outer" << std::endl << "last" << std::endl;
  std::vector<capturedLine> expected{{"outer\n", "", 0, true}, {"nested\n", "", 0, true}, {"last\n", "", 0, true}};
  EXPECT_EQ(expected, echoed);
  EXPECT_TRUE(target.good());
}

TEST_F(bifurcatorTest, FailedTextStaysForTheNextAttempt) {
  sink->writeResult = 1;
  target << "kept";
  target.flush();
  EXPECT_TRUE(target.bad());
  EXPECT_TRUE(lines.empty());
  sink->writeResult = 0;
  target.clear();
  target << std::endl;
  std::vector<capturedLine> expected{{"kept\n", "", 0, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, SinksSeeOutputInTheOrderTheyWereAdded) {
  std::vector<capturedLine> shared;
  bifurcator->addManipulator(new captureSink(shared));
  bifurcator->addManipulator(new captureSink(shared, orvo::levelPrefixFormat));
  target << orvo::lineState(orvo::stateInformation) << "x" << std::endl;
  ASSERT_EQ(2u, shared.size());
  EXPECT_EQ("x\n", shared[0].text);
  EXPECT_EQ("[I] x\n", shared[1].text);
}

// The writer's mistake of a second line state before the line ends: the
// line end must undo both pushes so that later chunks are not held forever.
TEST_F(bifurcatorTest, LineEndUndoesEveryLineStatePushOfItsLine) {
  target << orvo::setState("Base", 1);
  target.flush();
  buffer().pushLineState();
  buffer().setStateName(orvo::stateWarning);
  buffer().pushLineState();
  buffer().setStateName(orvo::stateError);
  EXPECT_EQ(2u, buffer().stackDepth());
  target << "doubled" << std::endl;
  EXPECT_EQ(0u, buffer().stackDepth());
  target << "next" << std::endl;
  std::vector<capturedLine> expected{{"doubled\n", "Error", 1, true}, {"next\n", "Base", 1, true}};
  EXPECT_EQ(expected, lines);
}

TEST_F(bifurcatorTest, LineEndNeverPopsBelowWhereTheLineBegan) {
  target << orvo::pushState("Outer") << orvo::lineState(orvo::stateError) << orvo::popState << "x" << std::endl;
  EXPECT_EQ(1u, buffer().stackDepth());
  target << orvo::popState << "y" << std::endl;
  EXPECT_EQ(0u, buffer().stackDepth());
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ((capturedLine{"x\n", "Outer", 0, true}), lines[0]);
  EXPECT_EQ((capturedLine{"y\n", "", 0, true}), lines[1]);
}

#ifndef NDEBUG
TEST(bifurcatorDeathTest, SecondLineStateInOneLineStopsDebugBuilds) {
  std::ostringstream target;
  EXPECT_DEATH(
      {
        TBifurcator* bifurcator = new TBifurcator(target);
        target << orvo::lineState(orvo::stateWarning) << "a" << orvo::lineState(orvo::stateError);
        delete bifurcator;
      },
      "Assertion failed: !ABuffer->lineStatePending\\(\\), file .*printStateManipulators.cpp");
}
#else
TEST(bifurcatorRelease, SecondLineStateInOneLineIsHarmless) {
  std::ostringstream target;
  std::vector<capturedLine> lines;
  TBifurcator* bifurcator = new TBifurcator(target);
  bifurcator->addManipulator(new captureSink(lines));
  target << orvo::lineState(orvo::stateWarning) << "a" << orvo::lineLevel(3) << "b" << std::endl << "c" << std::endl;
  std::vector<capturedLine> expected{{"ab\n", "Warning", 3, true}, {"c\n", "", 0, true}};
  EXPECT_EQ(expected, lines);
  EXPECT_EQ(0u, bifurcator->bifurcationalBuffer().stackDepth());
  delete bifurcator;
}
#endif

// Bifurcators left at process exit are deleted then, handing on what they
// still hold.
TEST(bifurcatorExitTest, LeftoverBifurcatorIsDrainedAtExit) {
  EXPECT_EXIT(
      {
        // Reachable until the end, unlike a local, and never destroyed.
        static std::ostringstream* target = new std::ostringstream;
        TBifurcator* leftover = new TBifurcator(*target);
        leftover->addManipulator(new orvo::TOStreamManipulatorWithFormat(std::cerr, orvo::levelPrefixFormat));
        *target << orvo::pushState(orvo::stateError) << "held until exit" << std::endl;
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "^\\[E\\] held until exit\n$");
}

}  // namespace
