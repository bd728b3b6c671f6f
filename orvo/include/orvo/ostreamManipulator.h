// Sinks that write to another output stream, and the sinks that stamp the
// local time at the start of every line.
#pragma once

#include <ostream>

#include <orvo/streamManipulator.h>

namespace orvo {

// Writes every formatted line to a stream it does not own.
class TOStreamManipulatorWithFormat : public TFormatStreamManipulator {
public:
  TOStreamManipulatorWithFormat(std::ostream& AOut, TLineFormatFunction AFunction);
  TOStreamManipulatorWithFormat(std::ostream& AOut, TPrintOptions& AOptions, TLineFormatFunction AFunction);
  template <class C>
  TOStreamManipulatorWithFormat(std::ostream& AOut, C* AObject, void (C::*AMember)(string&, bool, const string*))
      : TFormatStreamManipulator(AObject, AMember), out(&AOut) {}
  template <class C>
  TOStreamManipulatorWithFormat(std::ostream& AOut, TPrintOptions& AOptions, C* AObject,
                                void (C::*AMember)(string&, bool, const string*))
      : TFormatStreamManipulator(AOptions, AObject, AMember), out(&AOut) {}

protected:
  int putLine(string& ALine) override;

  std::ostream* out;
};

// Passes raw text on to a stream it does not own, as it comes.
class TOStreamManipulator : public TStreamManipulator {
public:
  explicit TOStreamManipulator(std::ostream& AOut);
  TOStreamManipulator(std::ostream& AOut, TPrintOptions& AOptions);

protected:
  int collect(const char* AData, int ALength) override;

  std::ostream* out;
};

// Raw text to a stream, with the local time before each line.
class TOStreamManipulatorWithTime : public TOStreamManipulator {
public:
  TOStreamManipulatorWithTime(std::ostream& AOut, const string& ATimeFormat);
  TOStreamManipulatorWithTime(std::ostream& AOut, TPrintOptions& AOptions, const string& ATimeFormat);

protected:
  int collect(const char* AData, int ALength) override;
  // The current local time in the time format.
  virtual string timeStamp();

  string timeFormat;
  bool atLineStart;
};

// Gathers text into its chunk with the local time before each line.
class TChunkyStreamManipulatorWithTime : public TChunkyStreamManipulator {
public:
  explicit TChunkyStreamManipulatorWithTime(const string& ATimeFormat);
  TChunkyStreamManipulatorWithTime(TPrintOptions& AOptions, const string& ATimeFormat);

protected:
  int collect(const char* AData, int ALength) override;
  virtual string timeStamp();

  string timeFormat;
  bool atLineStart;
};

}  // namespace orvo
