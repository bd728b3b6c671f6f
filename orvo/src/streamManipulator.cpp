#include <orvo/streamManipulator.h>

#include <cstring>

namespace orvo {

TBasicStreamManipulator::~TBasicStreamManipulator() = default;

int TBasicStreamManipulator::flushChunk() { return 0; }

void TBasicStreamManipulator::Flush() {}

TStreamManipulator::TStreamManipulator() : options(new TPrintOptions()), ownsOptions(true) {}

TStreamManipulator::TStreamManipulator(TPrintOptions& AOptions) : options(&AOptions), ownsOptions(false) {}

TStreamManipulator::~TStreamManipulator() {
  if (ownsOptions) delete options;
}

void TStreamManipulator::attach(const string* AStateName, const unsigned* ALevel) {
  options->setSource(AStateName, ALevel);
}

int TStreamManipulator::write(const char* AData, int ALength) {
  return options->passes() ? collect(AData, ALength) : 0;
}

TChunkyStreamManipulator::TChunkyStreamManipulator() : chunk(0, 1) {}

TChunkyStreamManipulator::TChunkyStreamManipulator(TPrintOptions& AOptions)
    : TStreamManipulator(AOptions), chunk(0, 1) {}

int TChunkyStreamManipulator::collect(const char* AData, int ALength) {
  if (ALength > 0) chunk.append(AData, static_cast<unsigned>(ALength));
  return 0;
}

int TChunkyStreamManipulator::flushChunk() {
  if (chunk.length() == 0) return 0;
  // The chunk starts empty again before processing, so that output the
  // processing itself causes is gathered anew instead of changing the bytes
  // in hand.
  byteStorage pending(chunk);
  chunk = byteStorage(0, 1);
  return process(static_cast<const char*>(pending.at(0)), static_cast<int>(pending.length()));
}

TStringyStreamManipulator::TStringyStreamManipulator() : atLineStart(true) {}

TStringyStreamManipulator::TStringyStreamManipulator(TPrintOptions& AOptions)
    : TChunkyStreamManipulator(AOptions), atLineStart(true) {}

void TStringyStreamManipulator::formatLine(string&, bool) {}

int TStringyStreamManipulator::process(const char* AData, int ALength) {
  const char* rest = AData;
  const char* end = AData + (ALength > 0 ? ALength : 0);
  while (rest < end) {
    const char* lineEnd = static_cast<const char*>(std::memchr(rest, '\n', end - rest));
    if (lineEnd == nullptr) {
      string piece(rest, static_cast<unsigned>(end - rest));
      formatLine(piece, atLineStart);
      int result = putLine(piece);
      atLineStart = false;
      return result != 0 ? 1 : 0;
    }
    string piece(rest, static_cast<unsigned>(lineEnd + 1 - rest));
    formatLine(piece, atLineStart);
    int result = putLine(piece);
    atLineStart = true;
    if (result != 0) return 1;
    rest = lineEnd + 1;
  }
  return 0;
}

void TLineFormatter::operator()(string& ALine, bool AAtLineStart, const string* AStateName,
                                TFormatStreamManipulator* ASink) const {
  if (member)
    member(ALine, AAtLineStart, AStateName);
  else if (function != nullptr)
    function(ALine, AAtLineStart, AStateName, ASink);
}

TFormatStreamManipulator::TFormatStreamManipulator(TLineFormatFunction AFunction) : formatter(AFunction) {}

TFormatStreamManipulator::TFormatStreamManipulator(TPrintOptions& AOptions, TLineFormatFunction AFunction)
    : TStringyStreamManipulator(AOptions), formatter(AFunction) {}

void TFormatStreamManipulator::formatLine(string& ALine, bool AAtLineStart) {
  formatter(ALine, AAtLineStart, options->stateName(), this);
}

void levelPrefixFormat(string& ALine, bool, const string* AStateName, TFormatStreamManipulator*) {
  if (AStateName == nullptr) return;
  const char* prefix = nullptr;
  if (AStateName->compare(stateError) == 0)
    prefix = "[E] ";
  else if (AStateName->compare(stateWarning) == 0)
    prefix = "[W] ";
  else if (AStateName->compare(stateInformation) == 0)
    prefix = "[I] ";
  else if (AStateName->compare(stateDebug) == 0)
    prefix = "[D] ";
  if (prefix != nullptr) ALine = string(prefix) + ALine;
}

}  // namespace orvo
