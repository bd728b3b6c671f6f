// The gatekeeper's own log line formats and sinks.
#pragma once

#include <cstdint>

#include <orvo/fileStream.h>
#include <orvo/streamManipulator.h>
#include <orvo/string.h>

#include <orvo/timer.h>

// Level letter ("[E] ", "[W] ", "[I] ") on every piece, then at a line's
// start the local time: "%X " on the console, "%c " in log files.
void ConsoleLineFormat(orvo::string& ALine, bool AAtLineStart, const orvo::string* AStateName,
                       orvo::TFormatStreamManipulator* ASink);
void LogFileLineFormat(orvo::string& ALine, bool AAtLineStart, const orvo::string* AStateName,
                       orvo::TFormatStreamManipulator* ASink);
// "%c, " before each billing line; no level letter.
void BillingLineFormat(orvo::string& ALine, bool AAtLineStart, const orvo::string* AStateName,
                       orvo::TFormatStreamManipulator* ASink);

// Appends everything it passes to a caller's string.
class TStringBufferManipulator : public orvo::TStreamManipulator {
public:
  explicit TStringBufferManipulator(orvo::string* ATarget) : Target(ATarget) {}

protected:
  int collect(const char* AData, int ALength) override;

private:
  orvo::string* Target;
};

// Collects finished lines and writes them out as one block at most the
// second delay after the first line that entered an empty buffer.
class TUpsizeStreamManipulator : public orvo::TFormatStreamManipulator {
public:
  TUpsizeStreamManipulator(orvo::TLineFormatFunction AFormat, int64_t AFirstDelay, int64_t ASecondDelay);
  TUpsizeStreamManipulator(orvo::TPrintOptions& AOptions, orvo::TLineFormatFunction AFormat, int64_t AFirstDelay,
                           int64_t ASecondDelay);
  // Drops what is buffered; subclasses that must not lose it flush first.
  ~TUpsizeStreamManipulator() override = default;

  void Flush() override { FlushBuffer(nullptr); }
  void FlushBuffer(TTimer* ATimer);
  const orvo::string& Buffered() const { return Buffer; }

protected:
  int putLine(orvo::string& ALine) override;
  virtual void WriteBlock(const char* AData, unsigned ALength) = 0;

private:
  orvo::string Buffer;
  TTimer FirstTimer;
  TTimer SecondTimer;
};

// Appends each block to its file, opened (0600, created when missing) and
// closed again for every block, so a removed file comes back.
class TLogFileManipulator : public TUpsizeStreamManipulator {
public:
  TLogFileManipulator(orvo::TPrintOptions& AOptions, orvo::TLineFormatFunction AFormat, int64_t AFirstDelay,
                      int64_t ASecondDelay, const orvo::string& AFileName);
  // With a filter of its own.
  TLogFileManipulator(orvo::TLineFormatFunction AFormat, int64_t AFirstDelay, int64_t ASecondDelay,
                      const orvo::string& AFileName);
  ~TLogFileManipulator() override;

  const orvo::string& FileName() const { return Name; }

protected:
  void WriteBlock(const char* AData, unsigned ALength) override;

private:
  orvo::string Name;
  orvo::fileStream File;
};
