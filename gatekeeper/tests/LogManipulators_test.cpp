#include <gatekeeper/LogManipulators.h>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include <orvo/bifurcator.h>
#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include "orvoTesting.h"

namespace {

std::string Formatted(orvo::TLineFormatFunction AFormat, const char* AText, bool AAtLineStart,
                      const orvo::string& AState) {
  orvo::string line(AText);
  AFormat(line, AAtLineStart, &AState, nullptr);
  return toStd(line);
}

std::string ReadFile(const std::string& APath) {
  std::ifstream in(APath);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string TemporaryPath(const char* AName) {
  return std::string("/tmp/orvogk-") + std::to_string(getpid()) + "-" + AName;
}

// A sink that records its blocks with their arrival times.
class TBlockRecorder : public TUpsizeStreamManipulator {
public:
  TBlockRecorder() : TUpsizeStreamManipulator(&LogFileLineFormat, 50, 300) {}
  // Each block with the timer-clock time it left at.
  std::vector<std::pair<std::string, orvo::dateTime>> Blocks;
  void Feed(const char* ALine) {
    orvo::string s(ALine);
    putLine(s);
  }

protected:
  void WriteBlock(const char* AData, unsigned ALength) override {
    Blocks.emplace_back(std::string(AData, ALength), orvo::timerClock());
  }
};

// Moves the timer clock on and runs a zero-wait pass: the delays are tested
// without waiting for them.
void AdvanceAndDispatch(int64_t AMilliseconds) {
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
  orvo::sockEvent::dispatch(0);
}

}  // namespace

TEST(LogLineFormats, LevelLettersAndTimes) {
  std::regex console("\\d\\d:\\d\\d:\\d\\d \\[W\\] disk low");
  EXPECT_TRUE(std::regex_match(Formatted(&ConsoleLineFormat, "disk low", true, orvo::stateWarning), console));
  std::regex file("\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] up");
  EXPECT_TRUE(std::regex_match(Formatted(&LogFileLineFormat, "up", true, orvo::stateInformation), file));
  EXPECT_EQ("[E] more", Formatted(&LogFileLineFormat, "more", false, orvo::stateError))
      << "a continued piece gets the letter but no time";
  EXPECT_EQ("plain", Formatted(&ConsoleLineFormat, "plain", false, orvo::stateDebug));
  EXPECT_EQ("plain", Formatted(&ConsoleLineFormat, "plain", false, orvo::stateDefault));
  std::regex billing("\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d, BillInfo x");
  EXPECT_TRUE(std::regex_match(Formatted(&BillingLineFormat, "BillInfo x", true, orvo::stateError), billing));
}

// The timer clock is held: the block leaves at its 300th millisecond, not
// one before, however slowly the machine runs.
TEST(UpsizeSink, LinesWithinTheDelayLeaveAsOneBlock) {
  orvo::timerClockHold hold;
  TBlockRecorder sink;
  orvo::dateTime start = orvo::timerClock();
  for (int i = 0; i < 10; ++i) sink.Feed("line\n");
  AdvanceAndDispatch(299);
  EXPECT_TRUE(sink.Blocks.empty());
  AdvanceAndDispatch(1);
  ASSERT_EQ(1u, sink.Blocks.size());
  EXPECT_EQ(50u, sink.Blocks[0].first.size());
  EXPECT_EQ(300, (sink.Blocks[0].second - start).milliseconds());

  sink.Feed("late\n");  // a new line after a flush starts a new wait
  AdvanceAndDispatch(299);
  EXPECT_EQ(1u, sink.Blocks.size());
  AdvanceAndDispatch(1);
  ASSERT_EQ(2u, sink.Blocks.size());
  EXPECT_EQ("late\n", sink.Blocks[1].first);
}

TEST(UpsizeSink, FlushWritesNowAndEmptiesTheBuffer) {
  TBlockRecorder sink;
  sink.Feed("a\n");
  sink.Flush();
  ASSERT_EQ(1u, sink.Blocks.size());
  EXPECT_TRUE(sink.Buffered().empty());
  sink.Flush();
  EXPECT_EQ(1u, sink.Blocks.size()) << "an empty buffer writes nothing";
}

TEST(LogFileSink, AppendsPerBlockWithPrivatePermissionsAndRecreates) {
  std::string path = TemporaryPath("file.log");
  unlink(path.c_str());
  std::ostringstream target;
  orvo::TBifurcator log(target);
  auto* sink = new TLogFileManipulator(log.printOptions(), &LogFileLineFormat, 50, 1500, orvo::string(path.c_str()));
  log.addManipulator(sink);
  target << "first" << std::endl;
  sink->Flush();
  struct stat st;
  ASSERT_EQ(0, stat(path.c_str(), &st));
  EXPECT_EQ(0600u, st.st_mode & 0777);
  EXPECT_NE(std::string::npos, ReadFile(path).find(" first\n"));
  unlink(path.c_str());
  target << "second" << std::endl;
  EXPECT_EQ("", ReadFile(path)) << "held back until the flush";
  log.removeManipulator(sink);  // flushes before it deletes
  std::string text = ReadFile(path);
  EXPECT_NE(std::string::npos, text.find(" second\n"));
  EXPECT_EQ(std::string::npos, text.find("first")) << "the removed file was created again";
  unlink(path.c_str());
}

TEST(StringBufferSink, AppendsEverything) {
  std::ostringstream target;
  orvo::TBifurcator log(target);
  orvo::string text;
  log.addManipulator(new TStringBufferManipulator(&text));
  target << "ab" << 'c' << std::endl;
  log.flushAll();
  EXPECT_EQ("abc\n", toStd(text));
}
