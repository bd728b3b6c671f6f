#include <gatekeeper/LogManipulators.h>

#include <orvo/dateTime.h>

namespace {

void LevelPrefix(orvo::string& ALine, const orvo::string* AStateName) {
  if (!AStateName) return;
  const char* letter = nullptr;
  if (AStateName->compare("Error") == 0)
    letter = "[E] ";
  else if (AStateName->compare("Warning") == 0)
    letter = "[W] ";
  else if (AStateName->compare("Information") == 0)
    letter = "[I] ";
  if (letter) ALine.prepend(letter, 4);
}

void TimePrefix(orvo::string& ALine, bool AAtLineStart, const char* APattern) {
  if (AAtLineStart) ALine.prepend(orvo::dateTime().format(APattern));
}

}  // namespace

void ConsoleLineFormat(orvo::string& ALine, bool AAtLineStart, const orvo::string* AStateName,
                       orvo::TFormatStreamManipulator*) {
  LevelPrefix(ALine, AStateName);
  TimePrefix(ALine, AAtLineStart, "%X ");
}

void LogFileLineFormat(orvo::string& ALine, bool AAtLineStart, const orvo::string* AStateName,
                       orvo::TFormatStreamManipulator*) {
  LevelPrefix(ALine, AStateName);
  TimePrefix(ALine, AAtLineStart, "%c ");
}

void BillingLineFormat(orvo::string& ALine, bool AAtLineStart, const orvo::string*, orvo::TFormatStreamManipulator*) {
  TimePrefix(ALine, AAtLineStart, "%c, ");
}

int TStringBufferManipulator::collect(const char* AData, int ALength) {
  if (ALength > 0) Target->append(AData, unsigned(ALength));
  return 0;
}

TUpsizeStreamManipulator::TUpsizeStreamManipulator(orvo::TLineFormatFunction AFormat, int64_t AFirstDelay,
                                                   int64_t ASecondDelay)
    : orvo::TFormatStreamManipulator(AFormat),
      FirstTimer(AFirstDelay, this, &TUpsizeStreamManipulator::FlushBuffer),
      SecondTimer(ASecondDelay, this, &TUpsizeStreamManipulator::FlushBuffer) {}

TUpsizeStreamManipulator::TUpsizeStreamManipulator(orvo::TPrintOptions& AOptions, orvo::TLineFormatFunction AFormat,
                                                   int64_t AFirstDelay, int64_t ASecondDelay)
    : orvo::TFormatStreamManipulator(AOptions, AFormat),
      FirstTimer(AFirstDelay, this, &TUpsizeStreamManipulator::FlushBuffer),
      SecondTimer(ASecondDelay, this, &TUpsizeStreamManipulator::FlushBuffer) {}

int TUpsizeStreamManipulator::putLine(orvo::string& ALine) {
  Buffer.append(ALine);
  SecondTimer.Start();
  return 0;
}

void TUpsizeStreamManipulator::FlushBuffer(TTimer*) {
  if (!Buffer.empty()) {
    orvo::string block = Buffer;
    Buffer.clear();
    WriteBlock(block.buffer(), block.length());
  }
  FirstTimer.Stop();
  SecondTimer.Stop();
}

TLogFileManipulator::TLogFileManipulator(orvo::TPrintOptions& AOptions, orvo::TLineFormatFunction AFormat,
                                         int64_t AFirstDelay, int64_t ASecondDelay, const orvo::string& AFileName)
    : TUpsizeStreamManipulator(AOptions, AFormat, AFirstDelay, ASecondDelay), Name(AFileName) {}

TLogFileManipulator::TLogFileManipulator(orvo::TLineFormatFunction AFormat, int64_t AFirstDelay, int64_t ASecondDelay,
                                         const orvo::string& AFileName)
    : TUpsizeStreamManipulator(AFormat, AFirstDelay, ASecondDelay), Name(AFileName) {}

TLogFileManipulator::~TLogFileManipulator() { FlushBuffer(nullptr); }

void TLogFileManipulator::WriteBlock(const char* AData, unsigned ALength) {
  // A file that cannot be opened or written loses this block; the next one
  // tries again.
  if (!File.open(Name.buffer(), std::ios_base::out | std::ios_base::app)) {
    File.clear();
    return;
  }
  File.write(AData, ALength);
  File.close();
  File.clear();
}
