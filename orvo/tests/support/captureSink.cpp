#include "captureSink.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const capturedLine& line) {
  return out << "{\"" << line.text << "\", \"" << line.state << "\", " << line.level << ", "
             << (line.atLineStart ? "start" : "continued") << "}";
}

captureSink::captureSink(std::vector<capturedLine>& ALines, orvo::TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AFunction), lines(ALines) {}

captureSink::captureSink(std::vector<capturedLine>& ALines, orvo::TPrintOptions& AOptions,
                         orvo::TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AOptions, AFunction), lines(ALines) {}

captureSink::~captureSink() {
  if (tally != nullptr) ++tally->destroyed;
}

int captureSink::write(const char* AData, int ALength) {
  // A failing sink takes nothing.
  if (writeResult != 0) return writeResult;
  return TFormatStreamManipulator::write(AData, ALength);
}

void captureSink::Flush() {
  if (tally != nullptr) {
    ++tally->flushes;
    tally->linesAtFlush = lines.size();
  }
}

void captureSink::formatLine(orvo::string& ALine, bool AAtLineStart) {
  pieceAtLineStart = AAtLineStart;
  TFormatStreamManipulator::formatLine(ALine, AAtLineStart);
}

int captureSink::putLine(orvo::string& ALine) {
  const orvo::string* state = options->stateName();
  const unsigned* level = options->stateLevel();
  lines.push_back({std::string(ALine.buffer(), ALine.length()),
                   state != nullptr ? std::string(state->buffer(), state->length()) : std::string("<none>"),
                   level != nullptr ? *level : 0u, pieceAtLineStart});
  return putLineResult;
}
