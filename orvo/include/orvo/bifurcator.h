// The log stream: a stream whose buffer hands everything written to a list
// of sinks, under a print state (name, level) that the writer sets with the
// manipulators below.
#pragma once

#include <ostream>
#include <streambuf>

#include <orvo/list.h>
#include <orvo/printOptions.h>
#include <orvo/streamManipulator.h>
#include <orvo/string.h>

namespace orvo {

class TBifurcationalBuffer : public std::streambuf {
public:
  enum { putAreaSize = 512 };

  explicit TBifurcationalBuffer(std::ostream* AStream);
  ~TBifurcationalBuffer() override;

  // The buffer owns the sink from here on.
  void addManipulator(TBasicStreamManipulator* ASink);
  // Hands the sink everything still owed to it, then deletes it.
  void removeManipulator(TBasicStreamManipulator* ASink);
  void flushAll();
  // Hands every sink what is still in the put area or waiting in its chunk,
  // then flushes them all; nothing written is left behind.
  void drain();

  void pushState();
  void popState();
  // Saves the state for the current line only; the line end restores it.
  void pushLineState();
  bool lineStatePending() const { return oneLine; }

  const string& stateName() const { return name; }
  unsigned stateLevel() const { return level; }
  void setStateName(const string& AName) { name = AName; }
  void setStateLevel(unsigned ALevel) { level = ALevel; }
  unsigned stackDepth() const { return stack.count(); }
  std::ostream* stream() const { return owner; }

protected:
  int_type overflow(int_type ACharacter) override;
  int sync() override;
  int_type underflow() override;

private:
  int writeOut(const char* AData, int ALength);
  int distribute(const char* AData, int ALength);
  void endLineState();

  std::ostream* owner;
  string name;
  unsigned level;
  list<TState> stack;
  bool oneLine;
  // Pushes made for the current line, all undone at its end, and the stack
  // depth before the first of them.
  unsigned linePushes;
  unsigned lineBase;
  char* putArea;
  // Declared last: sinks point into name and level and go first.
  list<TBasicStreamManipulator> sinks;
};

// Binds one target stream to a bifurcational buffer; the target's old buffer
// stays reachable through the saved stream.
class TBifurcator {
public:
  explicit TBifurcator(std::ostream& ATarget);
  TBifurcator(const TBifurcator&) = delete;
  TBifurcator& operator=(const TBifurcator&) = delete;
  ~TBifurcator();

  void addManipulator(TBasicStreamManipulator* ASink) { buffer.addManipulator(ASink); }
  void removeManipulator(TBasicStreamManipulator* ASink) { buffer.removeManipulator(ASink); }
  void flushAll() { buffer.flushAll(); }

  TPrintOptions& printOptions() { return options; }
  std::ostream& savedStream() { return saved; }
  std::ostream& stream() { return *target; }
  TBifurcationalBuffer& bifurcationalBuffer() { return buffer; }

  // The bifurcator serving AStream (its target or its own buffered stream).
  static TBifurcator* find(const std::ostream* AStream);

private:
  TPrintOptions options;
  std::ostream saved;
  std::streambuf* previous;
  TBifurcationalBuffer buffer;
  std::ostream* target;
  std::ostream buffered;
};

// Print-state manipulators. Each flushes the stream first, so text already
// written goes to the sinks under the state it was written in; on a stream
// without bifurcator they do nothing.
std::ostream& setState(std::ostream& AStream, const string& AName, unsigned ALevel);
std::ostream& setState(std::ostream& AStream, const string& AName);
std::ostream& lineState(std::ostream& AStream, const string& AName, unsigned ALevel);
std::ostream& lineState(std::ostream& AStream, const string& AName);
std::ostream& pushState(std::ostream& AStream, const string& AName, unsigned ALevel);
std::ostream& pushState(std::ostream& AStream, const string& AName);
std::ostream& popState(std::ostream& AStream);
std::ostream& setLevel(std::ostream& AStream, unsigned ALevel);
std::ostream& lineLevel(std::ostream& AStream, unsigned ALevel);
std::ostream& pushLevel(std::ostream& AStream, unsigned ALevel);
// Flushes the sinks only, not the stream.
std::ostream& flushManipulators(std::ostream& AStream);

// The stream-syntax forms: log << lineState(stateError) << "text" << std::endl.
class TPrintStateManipulator {
public:
  typedef std::ostream& (*TNameLevelAction)(std::ostream&, const string&, unsigned);
  typedef std::ostream& (*TNameAction)(std::ostream&, const string&);
  typedef std::ostream& (*TLevelAction)(std::ostream&, unsigned);

  TPrintStateManipulator(TNameLevelAction AAction, const string& AName, unsigned ALevel)
      : nameLevelAction(AAction), nameAction(nullptr), levelAction(nullptr), name(AName), level(ALevel) {}
  TPrintStateManipulator(TNameAction AAction, const string& AName)
      : nameLevelAction(nullptr), nameAction(AAction), levelAction(nullptr), name(AName), level(0) {}
  TPrintStateManipulator(TLevelAction AAction, unsigned ALevel)
      : nameLevelAction(nullptr), nameAction(nullptr), levelAction(AAction), level(ALevel) {}

  std::ostream& apply(std::ostream& AStream) const;

private:
  TNameLevelAction nameLevelAction;
  TNameAction nameAction;
  TLevelAction levelAction;
  string name;
  unsigned level;
};

inline std::ostream& operator<<(std::ostream& AStream, const TPrintStateManipulator& AManipulator) {
  return AManipulator.apply(AStream);
}

TPrintStateManipulator setState(const string& AName, unsigned ALevel);
TPrintStateManipulator setState(const string& AName);
TPrintStateManipulator lineState(const string& AName, unsigned ALevel);
TPrintStateManipulator lineState(const string& AName);
TPrintStateManipulator pushState(const string& AName, unsigned ALevel);
TPrintStateManipulator pushState(const string& AName);
TPrintStateManipulator setLevel(unsigned ALevel);
TPrintStateManipulator lineLevel(unsigned ALevel);
TPrintStateManipulator pushLevel(unsigned ALevel);

}  // namespace orvo
