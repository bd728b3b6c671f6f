// A log sink for tests: records every line it is handed with the print
// state in force and the at-line-start flag its formatter saw.
#pragma once

#include <string>
#include <vector>

#include <orvo/streamManipulator.h>

struct capturedLine {
  std::string text;
  std::string state;
  unsigned level;
  bool atLineStart;

  bool operator==(const capturedLine& o) const {
    return text == o.text && state == o.state && level == o.level && atLineStart == o.atLineStart;
  }
};

std::ostream& operator<<(std::ostream& out, const capturedLine& line);

class captureSink : public orvo::TFormatStreamManipulator {
public:
  // Records into ALines, which must outlive the sink (the buffer deletes it).
  explicit captureSink(std::vector<capturedLine>& ALines, orvo::TLineFormatFunction AFunction = nullptr);
  captureSink(std::vector<capturedLine>& ALines, orvo::TPrintOptions& AOptions,
              orvo::TLineFormatFunction AFunction = nullptr);
  ~captureSink() override;

  // Counters shared with the test, which outlive the sink.
  struct counters {
    int flushes = 0;
    int destroyed = 0;
    // Lines recorded when Flush last ran.
    size_t linesAtFlush = 0;
  };
  void countInto(counters* ACounters) { tally = ACounters; }
  // Results the sink reports, to drive the failure paths.
  int putLineResult = 0;
  int writeResult = 0;

  int write(const char* AData, int ALength) override;
  void Flush() override;

protected:
  int putLine(orvo::string& ALine) override;
  void formatLine(orvo::string& ALine, bool AAtLineStart) override;

private:
  std::vector<capturedLine>& lines;
  counters* tally = nullptr;
  bool pieceAtLineStart = true;
};
