#include <orvo/printOptions.h>

namespace orvo {

const string stateDefault;
const string stateError("Error");
const string stateWarning("Warning");
const string stateInformation("Information");
const string stateDebug("Debug");

TPrintOptions::TPrintOptions() : TPrintOptions(nullptr, nullptr) {}

TPrintOptions::TPrintOptions(const string* AName, const unsigned* ALevel)
    : list<TState>(autoDelete(1)),
      sourceName(AName),
      sourceLevel(ALevel),
      cachedLevel(static_cast<unsigned>(-1)),
      cachedDecision(false),
      cacheValid(false) {}

void TPrintOptions::setSource(const string* AName, const unsigned* ALevel) {
  sourceName = AName;
  sourceLevel = ALevel;
  // The cache spoke of the old source.
  cacheValid = false;
}

TState* TPrintOptions::entry(const string& AName) const {
  for (listNode* node = head(); node != nullptr; node = node->next) {
    TState* state = static_cast<TState*>(node->element);
    if (state->name.compare(AName) == 0) return state;
  }
  return nullptr;
}

void TPrintOptions::setState(const string& AName, unsigned AMaxLevel) {
  if (TState* state = entry(AName))
    state->level = AMaxLevel;
  else
    append(new TState(AName, AMaxLevel));
  evaluate();
}

void TPrintOptions::removeState(const string& AName) {
  for (listNode* node = head(); node != nullptr; node = node->next) {
    if (static_cast<TState*>(node->element)->name.compare(AName) == 0) {
      remove(node, autoDelete(1));
      evaluate();
      return;
    }
  }
}

void TPrintOptions::clear() {
  list<TState>::clear(autoDelete(1));
  evaluate();
}

bool TPrintOptions::passes() {
  if (!attached()) return false;
  if (cacheValid && *sourceLevel == cachedLevel && sourceName->compare(cachedName) == 0) return cachedDecision;
  return evaluate();
}

bool TPrintOptions::evaluate() {
  if (!attached()) {
    cachedName.clear();
    cachedLevel = static_cast<unsigned>(-1);
    cachedDecision = false;
    cacheValid = false;
    return false;
  }
  cachedName = *sourceName;
  cachedLevel = *sourceLevel;
  if (head() == nullptr) {
    cachedDecision = true;
  } else {
    const TState* state = entry(cachedName);
    cachedDecision = state != nullptr && cachedLevel <= state->level;
  }
  cacheValid = true;
  return cachedDecision;
}

}  // namespace orvo
