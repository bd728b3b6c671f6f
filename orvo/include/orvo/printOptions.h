// Print states of a log stream and the filters its sinks apply to them.
#pragma once

#include <orvo/list.h>
#include <orvo/string.h>

namespace orvo {

// One print state: a state name and a level. As a filter entry the level is
// the highest level that passes; on a state stack it is the saved level.
class TState {
public:
  TState(const string& AName, unsigned ALevel) : name(AName), level(ALevel) {}

  string name;
  unsigned level;
};

// The filter of one sink. It reads the current state through two pointers
// into the buffer it serves and remembers its last decision, so repeated
// output under one state costs a comparison, not a list walk.
class TPrintOptions : public list<TState> {
public:
  TPrintOptions();
  TPrintOptions(const string* AName, const unsigned* ALevel);
  TPrintOptions(const TPrintOptions&) = delete;
  TPrintOptions& operator=(const TPrintOptions&) = delete;

  void setSource(const string* AName, const unsigned* ALevel);
  bool attached() const { return sourceName != nullptr && sourceLevel != nullptr; }
  const string* stateName() const { return sourceName; }
  const unsigned* stateLevel() const { return sourceLevel; }

  // Lets the state AName pass up to AMaxLevel (unsigned; -1 passes every level).
  void setState(const string& AName, unsigned AMaxLevel);
  void removeState(const string& AName);
  void clear();

  bool passes();
  bool evaluate();

private:
  TState* entry(const string& AName) const;

  const string* sourceName;
  const unsigned* sourceLevel;
  string cachedName;
  unsigned cachedLevel;
  bool cachedDecision;
  bool cacheValid;
};

// The state words every writer uses, made at process start.
extern const string stateDefault;
extern const string stateError;
extern const string stateWarning;
extern const string stateInformation;
extern const string stateDebug;

}  // namespace orvo
