// The sink family of a log stream: every sink takes what its filter passes
// and turns it into output of its own.
#pragma once

#include <orvo/byteStorage.h>
#include <orvo/memberCallback.h>
#include <orvo/printOptions.h>
#include <orvo/string.h>

namespace orvo {

// The root of every sink a bifurcational buffer can hold.
class TBasicStreamManipulator {
public:
  TBasicStreamManipulator() = default;
  TBasicStreamManipulator(const TBasicStreamManipulator&) = delete;
  TBasicStreamManipulator& operator=(const TBasicStreamManipulator&) = delete;
  virtual ~TBasicStreamManipulator();

  // The buffer hands over where its current state name and level live.
  virtual void attach(const string* AStateName, const unsigned* ALevel) = 0;
  // Nonzero reports a failure to the buffer.
  virtual int write(const char* AData, int ALength) = 0;
  // Processes what was gathered while states were pushed.
  virtual int flushChunk();
  // Sinks that keep output back write it out now.
  virtual void Flush();
};

// A sink with a filter of its own or one lent by the caller.
class TStreamManipulator : public TBasicStreamManipulator {
public:
  TStreamManipulator();
  explicit TStreamManipulator(TPrintOptions& AOptions);
  ~TStreamManipulator() override;

  void attach(const string* AStateName, const unsigned* ALevel) override;
  int write(const char* AData, int ALength) override;

  TPrintOptions& printOptions() { return *options; }

protected:
  virtual int collect(const char* AData, int ALength) = 0;

  TPrintOptions* options;
  bool ownsOptions;
};

// Gathers what passed into a chunk and processes it as a whole.
class TChunkyStreamManipulator : public TStreamManipulator {
public:
  TChunkyStreamManipulator();
  explicit TChunkyStreamManipulator(TPrintOptions& AOptions);

  int flushChunk() override;

protected:
  int collect(const char* AData, int ALength) override;
  virtual int process(const char* AData, int ALength) = 0;

  byteStorage chunk;
};

// Cuts processed chunks into lines; a piece without line end continues the
// line in the next chunk.
class TStringyStreamManipulator : public TChunkyStreamManipulator {
public:
  TStringyStreamManipulator();
  explicit TStringyStreamManipulator(TPrintOptions& AOptions);

protected:
  int process(const char* AData, int ALength) override;
  // Nonzero drops the rest of the chunk in hand.
  virtual int putLine(string& ALine) = 0;
  virtual void formatLine(string& ALine, bool AAtLineStart);

  bool atLineStart;
};

class TFormatStreamManipulator;

// A plain line formatter; it may rewrite the line in place.
typedef void (*TLineFormatFunction)(string& ALine, bool AAtLineStart, const string* AStateName,
                                    TFormatStreamManipulator* ASink);

// A plain function or a member function bound to its object.
class TLineFormatter {
public:
  TLineFormatter() : function(nullptr) {}
  TLineFormatter(TLineFormatFunction AFunction) : function(AFunction) {}
  template <class C>
  TLineFormatter(C* AObject, void (C::*AMember)(string&, bool, const string*))
      : function(nullptr), member(AObject, AMember) {}

  void operator()(string& ALine, bool AAtLineStart, const string* AStateName, TFormatStreamManipulator* ASink) const;

private:
  TLineFormatFunction function;
  memberCallback<string&, bool, const string*> member;
};

// A stringy sink that runs its line formatter over every piece of a line.
class TFormatStreamManipulator : public TStringyStreamManipulator {
public:
  TFormatStreamManipulator(TLineFormatFunction AFunction);
  TFormatStreamManipulator(TPrintOptions& AOptions, TLineFormatFunction AFunction);
  template <class C>
  TFormatStreamManipulator(C* AObject, void (C::*AMember)(string&, bool, const string*))
      : formatter(AObject, AMember) {}
  template <class C>
  TFormatStreamManipulator(TPrintOptions& AOptions, C* AObject, void (C::*AMember)(string&, bool, const string*))
      : TStringyStreamManipulator(AOptions), formatter(AObject, AMember) {}

protected:
  void formatLine(string& ALine, bool AAtLineStart) override;

  TLineFormatter formatter;
};

// Puts "[E] ", "[W] ", "[I] " or "[D] " before every piece of a line of the
// four state words; lines of other states stay as they are.
void levelPrefixFormat(string& ALine, bool AAtLineStart, const string* AStateName, TFormatStreamManipulator* ASink);

}  // namespace orvo
