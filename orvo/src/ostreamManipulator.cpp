#include <orvo/ostreamManipulator.h>

#include <cstring>

#include <orvo/dateTime.h>

namespace orvo {

namespace {

// Passes the data on with a time stamp before each line that begins in it.
// APassOn(data, length) returns nonzero on failure; AStamp() gives the stamp.
template <class PassOn, class Stamp>
int passOnStamped(const char* AData, int ALength, bool& AAtLineStart, PassOn APassOn, Stamp AStamp) {
  const char* rest = AData;
  const char* end = AData + (ALength > 0 ? ALength : 0);
  int result = 0;
  while (const char* lineEnd = static_cast<const char*>(std::memchr(rest, '\n', end - rest))) {
    if (AAtLineStart) {
      string stamp = AStamp();
      APassOn(stamp.buffer(), static_cast<int>(stamp.length()));
    }
    result = APassOn(rest, static_cast<int>(lineEnd + 1 - rest));
    if (result != 0) return result;
    AAtLineStart = true;
    rest = lineEnd + 1;
  }
  if (rest < end) {
    if (AAtLineStart) {
      string stamp = AStamp();
      APassOn(stamp.buffer(), static_cast<int>(stamp.length()));
      AAtLineStart = false;
    }
    result = APassOn(rest, static_cast<int>(end - rest));
  }
  return result != 0 ? 1 : 0;
}

string localTimeText(const string& AFormat) { return dateTime().format(AFormat.buffer()); }

}  // namespace

TOStreamManipulatorWithFormat::TOStreamManipulatorWithFormat(std::ostream& AOut, TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AFunction), out(&AOut) {}

TOStreamManipulatorWithFormat::TOStreamManipulatorWithFormat(std::ostream& AOut, TPrintOptions& AOptions,
                                                             TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AOptions, AFunction), out(&AOut) {}

int TOStreamManipulatorWithFormat::putLine(string& ALine) {
  out->write(ALine.buffer(), ALine.length());
  out->flush();
  return 0;
}

TOStreamManipulator::TOStreamManipulator(std::ostream& AOut) : out(&AOut) {}

TOStreamManipulator::TOStreamManipulator(std::ostream& AOut, TPrintOptions& AOptions)
    : TStreamManipulator(AOptions), out(&AOut) {}

int TOStreamManipulator::collect(const char* AData, int ALength) {
  if (ALength > 0) out->write(AData, ALength);
  out->flush();
  return 0;
}

TOStreamManipulatorWithTime::TOStreamManipulatorWithTime(std::ostream& AOut, const string& ATimeFormat)
    : TOStreamManipulator(AOut), timeFormat(ATimeFormat), atLineStart(true) {}

TOStreamManipulatorWithTime::TOStreamManipulatorWithTime(std::ostream& AOut, TPrintOptions& AOptions,
                                                         const string& ATimeFormat)
    : TOStreamManipulator(AOut, AOptions), timeFormat(ATimeFormat), atLineStart(true) {}

string TOStreamManipulatorWithTime::timeStamp() { return localTimeText(timeFormat); }

int TOStreamManipulatorWithTime::collect(const char* AData, int ALength) {
  auto passOn = [this](const char* AText, int ACount) { return TOStreamManipulator::collect(AText, ACount); };
  if (timeFormat.length() == 0) return passOn(AData, ALength);
  return passOnStamped(AData, ALength, atLineStart, passOn, [this] { return timeStamp(); });
}

TChunkyStreamManipulatorWithTime::TChunkyStreamManipulatorWithTime(const string& ATimeFormat)
    : timeFormat(ATimeFormat), atLineStart(true) {}

TChunkyStreamManipulatorWithTime::TChunkyStreamManipulatorWithTime(TPrintOptions& AOptions, const string& ATimeFormat)
    : TChunkyStreamManipulator(AOptions), timeFormat(ATimeFormat), atLineStart(true) {}

string TChunkyStreamManipulatorWithTime::timeStamp() { return localTimeText(timeFormat); }

int TChunkyStreamManipulatorWithTime::collect(const char* AData, int ALength) {
  auto passOn = [this](const char* AText, int ACount) { return TChunkyStreamManipulator::collect(AText, ACount); };
  if (timeFormat.length() == 0) return passOn(AData, ALength);
  return passOnStamped(AData, ALength, atLineStart, passOn, [this] { return timeStamp(); });
}

}  // namespace orvo
