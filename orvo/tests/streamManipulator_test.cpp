#include <orvo/ostreamManipulator.h>
#include <orvo/streamManipulator.h>
#include <orvo/syslogManipulator.h>

#include <sstream>
#include <string>
#include <syslog.h>
#include <vector>

#include "captureSink.h"
#include "orvoTesting.h"

using orvo::string;

namespace {

// The print state a buffer would hold, for driving sinks directly.
struct printState {
  string name;
  unsigned level = 0;

  void attach(orvo::TBasicStreamManipulator& ASink) { ASink.attach(&name, &level); }
};

int feed(orvo::TBasicStreamManipulator& ASink, const std::string& AText) {
  int result = ASink.write(AText.data(), static_cast<int>(AText.size()));
  ASink.flushChunk();
  return result;
}

TEST(stringySink, CutsChunksIntoLinesAndCarriesUnendedPieces) {
  printState state;
  std::vector<capturedLine> lines;
  captureSink sink(lines);
  state.attach(sink);
  ASSERT_EQ(0, sink.write("a\nb\n\nc", 6));
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(0, sink.flushChunk());
  EXPECT_EQ(0, feed(sink, "d\ne"));
  EXPECT_EQ(0, feed(sink, "f\n"));
  std::vector<capturedLine> expected{{"a\n", "", 0, true}, {"b\n", "", 0, true},  {"\n", "", 0, true},
                                     {"c", "", 0, true},   {"d\n", "", 0, false}, {"e", "", 0, true},
                                     {"f\n", "", 0, false}};
  EXPECT_EQ(expected, lines);
}

TEST(stringySink, EmptyChunkProcessesNothing) {
  printState state;
  std::vector<capturedLine> lines;
  captureSink sink(lines);
  state.attach(sink);
  EXPECT_EQ(0, sink.flushChunk());
  EXPECT_EQ(0, sink.write("", 0));
  EXPECT_EQ(0, sink.flushChunk());
  EXPECT_TRUE(lines.empty());
}

TEST(stringySink, FailedLineDropsTheRestOfTheChunk) {
  printState state;
  std::vector<capturedLine> lines;
  captureSink sink(lines);
  state.attach(sink);
  sink.putLineResult = 1;
  sink.write("one\ntwo\nthree", 13);
  EXPECT_EQ(1, sink.flushChunk());
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ("one\n", lines[0].text);
  sink.putLineResult = 0;
  EXPECT_EQ(0, feed(sink, "four\n"));
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ((capturedLine{"four\n", "", 0, true}), lines[1]);
}

TEST(stringySink, UnattachedSinkTakesNothing) {
  std::vector<capturedLine> lines;
  captureSink sink(lines);
  EXPECT_EQ(0, feed(sink, "x\n"));
  EXPECT_TRUE(lines.empty());
}

TEST(levelPrefixFormat, MarksTheFourWordsOnly) {
  struct {
    string state;
    const char* expected;
  } cases[] = {{orvo::stateError, "[E] text"},
               {orvo::stateWarning, "[W] text"},
               {orvo::stateInformation, "[I] text"},
               {orvo::stateDebug, "[D] text"},
               {orvo::stateDefault, "text"},
               {"BillInfo", "text"},
               {"error", "text"},
               {string("Error\0", 6), "text"}};
  for (auto& c : cases) {
    string line("text");
    orvo::levelPrefixFormat(line, false, &c.state, nullptr);
    EXPECT_EQ(c.expected, toStd(line)) << toStd(c.state);
  }
  string line("text");
  orvo::levelPrefixFormat(line, true, nullptr, nullptr);
  EXPECT_EQ("text", toStd(line));
}

TEST(formatSink, MemberFunctionFormatterSeesLineFlagAndState) {
  struct decorator {
    std::string seen;
    void decorate(string& ALine, bool AAtLineStart, const string* AState) {
      seen += AAtLineStart ? "S" : "C";
      ALine = string("<") + *AState + "> " + ALine;
    }
  } object;
  std::ostringstream out;
  printState state;
  orvo::TOStreamManipulatorWithFormat sink(out, &object, &decorator::decorate);
  state.attach(sink);
  state.name = "Warning";
  feed(sink, "one\ntw");
  feed(sink, "o\n");
  EXPECT_EQ("<Warning> one\n<Warning> tw<Warning> o\n", out.str());
  EXPECT_EQ("SSC", object.seen);
}

TEST(formatSink, PlainFormatterGetsTheSinkItself) {
  static orvo::TFormatStreamManipulator* seenSink = nullptr;
  struct formats {
    static void mark(string& ALine, bool, const string*, orvo::TFormatStreamManipulator* ASink) {
      seenSink = ASink;
      ALine.append("!", 1);
    }
  };
  std::ostringstream out;
  printState state;
  orvo::TOStreamManipulatorWithFormat sink(out, formats::mark);
  state.attach(sink);
  feed(sink, "x\n");
  EXPECT_EQ("x\n!", out.str());
  EXPECT_EQ(&sink, seenSink);
}

TEST(formatSink, WithoutFormatterLinesPassUnchanged) {
  std::ostringstream out;
  printState state;
  orvo::TOStreamManipulatorWithFormat sink(out, static_cast<orvo::TLineFormatFunction>(nullptr));
  state.attach(sink);
  state.name = orvo::stateError;
  feed(sink, "raw\n");
  EXPECT_EQ("raw\n", out.str());
}

TEST(ostreamSink, LentOptionsFilterAndStayWithTheirOwner) {
  orvo::TPrintOptions options;
  options.setState(orvo::stateError, 0xFFFFFFFFu);
  std::ostringstream out;
  printState state;
  {
    orvo::TOStreamManipulatorWithFormat sink(out, options, orvo::levelPrefixFormat);
    state.attach(sink);
    state.name = orvo::stateWarning;
    feed(sink, "dropped\n");
    state.name = orvo::stateError;
    state.level = 12;
    feed(sink, "kept\n");
  }
  EXPECT_EQ("[E] kept\n", out.str());
  // The sink is gone; the options are the caller's and still work.
  options.setState(orvo::stateDebug, 1);
  EXPECT_EQ(2u, options.count());
}

TEST(ostreamSink, RawSinkPassesTextAsItComes) {
  std::ostringstream out;
  printState state;
  orvo::TOStreamManipulator sink(out);
  state.attach(sink);
  EXPECT_EQ(0, sink.write("no line end", 11));
  EXPECT_EQ("no line end", out.str());
  sink.printOptions().setState(orvo::stateError, 0);
  EXPECT_EQ(0, sink.write(" skipped", 8));
  EXPECT_EQ("no line end", out.str());
}

// Time sinks with a fixed stamp instead of the clock.
struct fixedTimeOStreamSink : orvo::TOStreamManipulatorWithTime {
  using TOStreamManipulatorWithTime::TOStreamManipulatorWithTime;
  string timeStamp() override { return "T "; }
};

struct fixedTimeChunkSink : orvo::TChunkyStreamManipulatorWithTime {
  using TChunkyStreamManipulatorWithTime::TChunkyStreamManipulatorWithTime;
  std::string processed;
  string timeStamp() override { return "T "; }
  int process(const char* AData, int ALength) override {
    processed.append(AData, ALength);
    return 0;
  }
};

TEST(timeSinks, StampEveryLineStartOnce) {
  std::ostringstream out;
  printState state;
  fixedTimeOStreamSink sink(out, "%X ");
  state.attach(sink);
  sink.write("one\ntwo\nthr", 11);
  sink.write("ee\n", 3);
  sink.write("\nfour", 5);
  EXPECT_EQ("T one\nT two\nT three\nT \nT four", out.str());
}

TEST(timeSinks, ChunkySinkStampsIntoItsChunk) {
  printState state;
  fixedTimeChunkSink sink("%c ");
  state.attach(sink);
  sink.write("a\nb", 3);
  EXPECT_EQ("", sink.processed);
  sink.flushChunk();
  EXPECT_EQ("T a\nT b", sink.processed);
  sink.write("c\n", 2);
  sink.flushChunk();
  EXPECT_EQ("T a\nT bc\n", sink.processed);
}

TEST(timeSinks, EmptyTimeFormatPassesTextUnchanged) {
  std::ostringstream out;
  printState state;
  fixedTimeOStreamSink sink(out, "");
  state.attach(sink);
  sink.write("a\nb", 3);
  EXPECT_EQ("a\nb", out.str());
}

TEST(timeSinks, StampComesFromTheLibraryDatePatterns) {
  // A pattern without fields gives a text independent of the clock.
  std::ostringstream out;
  printState state;
  orvo::TOStreamManipulatorWithTime sink(out, "<%%> ");
  state.attach(sink);
  sink.write("x\ny\n", 4);
  EXPECT_EQ("<%> x\n<%> y\n", out.str());

  orvo::TOStreamManipulatorWithTime clock(out, "%Y");
  state.attach(clock);
  out.str("");
  clock.write("z", 1);
  // A four-digit year before the text.
  ASSERT_EQ(5u, out.str().size());
  EXPECT_EQ('2', out.str()[0]);
  EXPECT_EQ('z', out.str()[4]);
}

// Records the system-log calls instead of making them.
struct recordingLog : orvo::systemLog {
  std::string ident;
  const char* identPointer = nullptr;
  int option = -1, facility = -1, opens = 0, closes = 0;
  std::vector<std::pair<int, std::string>> records;

  void open(const char* AIdent, int AOption, int AFacility) override {
    ident = AIdent;
    identPointer = AIdent;
    option = AOption;
    facility = AFacility;
    ++opens;
  }
  void record(int APriority, const char* AText) override { records.emplace_back(APriority, AText); }
  void close() override { ++closes; }
};

struct recordedSyslogSink : orvo::syslogManipulator {
  recordedSyslogSink(recordingLog& ALog, const string& AIdent, orvo::TPrintOptions& AOptions)
      : syslogManipulator(ALog, AIdent, AOptions, LOG_PID | LOG_NDELAY, LOG_DAEMON, orvo::levelPrefixFormat) {}
};

struct syslogSinkTest : ::testing::Test {
  recordingLog log;
  orvo::TPrintOptions options;
  printState state;
};

TEST_F(syslogSinkTest, OpensWithIdentOptionsAndFacilityAndClosesAtTheEnd) {
  {
    recordedSyslogSink sink(log, string("Orvo") + "Gatekeeper", options);
    EXPECT_EQ(1, log.opens);
    EXPECT_EQ("OrvoGatekeeper", log.ident);
    EXPECT_EQ(9, log.option);
    EXPECT_EQ(LOG_DAEMON, log.facility);
    // The text handed to the system log is still intact while it is open.
    EXPECT_STREQ("OrvoGatekeeper", log.identPointer);
    EXPECT_EQ(0, log.closes);
  }
  EXPECT_EQ(1, log.closes);
}

TEST_F(syslogSinkTest, PriorityFollowsTheStateWord) {
  recordedSyslogSink sink(log, "gk", options);
  state.attach(sink);
  const char* names[] = {"Error", "Warning", "Information", "Debug", "", "BillInfo", "error"};
  for (const char* name : names) {
    state.name = name;
    feed(sink, "line\n");
  }
  std::vector<std::pair<int, std::string>> expected{
      {LOG_ERR, "[E] line"}, {LOG_WARNING, "[W] line"}, {LOG_INFO, "[I] line"}, {LOG_DEBUG, "[D] line"},
      {LOG_NOTICE, "line"},  {LOG_NOTICE, "line"},      {LOG_NOTICE, "line"}};
  EXPECT_EQ(expected, log.records);
}

TEST_F(syslogSinkTest, TrailingLineEndsAndNulsAreCut) {
  recordedSyslogSink sink(log, "gk", options);
  state.attach(sink);
  state.name = orvo::stateError;
  std::string withNul("nul\0\r\n", 6);
  feed(sink, "crlf\r\n");
  feed(sink, withNul);
  feed(sink, "inner\rcr\n");
  feed(sink, "\r\n");
  std::vector<std::pair<int, std::string>> expected{
      {LOG_ERR, "[E] crlf"}, {LOG_ERR, "[E] nul"}, {LOG_ERR, "[E] inner\rcr"}, {LOG_ERR, "[E] "}};
  EXPECT_EQ(expected, log.records);
}

TEST_F(syslogSinkTest, EmptyLineIsRecordedToo) {
  recordedSyslogSink sink(log, "gk", options);
  state.attach(sink);
  feed(sink, "\n\r\n");
  std::vector<std::pair<int, std::string>> expected{{LOG_NOTICE, ""}, {LOG_NOTICE, ""}};
  EXPECT_EQ(expected, log.records);
}

TEST_F(syslogSinkTest, FilterChoosesTheStates) {
  options.setState(orvo::stateError, 0xFFFFFFFFu);
  options.setState(orvo::stateWarning, 0xFFFFFFFFu);
  options.setState(orvo::stateInformation, 0xFFFFFFFFu);
  recordedSyslogSink sink(log, "gk", options);
  state.attach(sink);
  state.name = orvo::stateDebug;
  feed(sink, "debug\n");
  state.name = orvo::stateInformation;
  feed(sink, "info\n");
  std::vector<std::pair<int, std::string>> expected{{LOG_INFO, "[I] info"}};
  EXPECT_EQ(expected, log.records);
}

TEST(syslogPriority, MapsTheFourWordsAndNoticeOtherwise) {
  string error("Error"), other("Notice");
  EXPECT_EQ(LOG_ERR, orvo::syslogManipulator::priority(&error));
  EXPECT_EQ(LOG_NOTICE, orvo::syslogManipulator::priority(&other));
  EXPECT_EQ(LOG_NOTICE, orvo::syslogManipulator::priority(nullptr));
}

}  // namespace
