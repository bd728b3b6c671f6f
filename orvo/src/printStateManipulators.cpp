#include <orvo/assertion.h>
#include <orvo/bifurcator.h>

namespace orvo {

namespace {

// The buffer behind AStream, after a flush that hands the text written so
// far to the sinks under the old state; null when no bifurcator serves it.
TBifurcationalBuffer* flushedBuffer(std::ostream& AStream) {
  TBifurcator* bifurcator = TBifurcator::find(&AStream);
  if (bifurcator == nullptr) return nullptr;
  AStream.flush();
  return &bifurcator->bifurcationalBuffer();
}

void beginLineState(TBifurcationalBuffer* ABuffer) {
  // A second line state before the line ends is a writer's mistake that
  // debug builds stop at; the buffer still undoes both at the line end.
#ifndef NDEBUG
  ORVO_ASSERT(!ABuffer->lineStatePending());
#endif
  ABuffer->pushLineState();
}

}  // namespace

std::ostream& setState(std::ostream& AStream, const string& AName, unsigned ALevel) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    buffer->setStateName(AName);
    buffer->setStateLevel(ALevel);
  }
  return AStream;
}

std::ostream& setState(std::ostream& AStream, const string& AName) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) buffer->setStateName(AName);
  return AStream;
}

std::ostream& lineState(std::ostream& AStream, const string& AName, unsigned ALevel) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    beginLineState(buffer);
    buffer->setStateName(AName);
    buffer->setStateLevel(ALevel);
  }
  return AStream;
}

std::ostream& lineState(std::ostream& AStream, const string& AName) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    beginLineState(buffer);
    buffer->setStateName(AName);
  }
  return AStream;
}

std::ostream& pushState(std::ostream& AStream, const string& AName, unsigned ALevel) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    buffer->pushState();
    buffer->setStateName(AName);
    buffer->setStateLevel(ALevel);
  }
  return AStream;
}

std::ostream& pushState(std::ostream& AStream, const string& AName) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    buffer->pushState();
    buffer->setStateName(AName);
  }
  return AStream;
}

std::ostream& popState(std::ostream& AStream) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) buffer->popState();
  return AStream;
}

std::ostream& setLevel(std::ostream& AStream, unsigned ALevel) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) buffer->setStateLevel(ALevel);
  return AStream;
}

std::ostream& lineLevel(std::ostream& AStream, unsigned ALevel) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    beginLineState(buffer);
    buffer->setStateLevel(ALevel);
  }
  return AStream;
}

std::ostream& pushLevel(std::ostream& AStream, unsigned ALevel) {
  if (TBifurcationalBuffer* buffer = flushedBuffer(AStream)) {
    buffer->pushState();
    buffer->setStateLevel(ALevel);
  }
  return AStream;
}

std::ostream& flushManipulators(std::ostream& AStream) {
  if (TBifurcator* bifurcator = TBifurcator::find(&AStream)) bifurcator->flushAll();
  return AStream;
}

std::ostream& TPrintStateManipulator::apply(std::ostream& AStream) const {
  if (nameLevelAction != nullptr) return nameLevelAction(AStream, name, level);
  if (nameAction != nullptr) return nameAction(AStream, name);
  if (levelAction != nullptr) return levelAction(AStream, level);
  return AStream;
}

namespace {
typedef TPrintStateManipulator::TNameLevelAction nameLevelAction;
typedef TPrintStateManipulator::TNameAction nameAction;
typedef TPrintStateManipulator::TLevelAction levelAction;
}  // namespace

TPrintStateManipulator setState(const string& AName, unsigned ALevel) {
  return TPrintStateManipulator(static_cast<nameLevelAction>(&setState), AName, ALevel);
}
TPrintStateManipulator setState(const string& AName) {
  return TPrintStateManipulator(static_cast<nameAction>(&setState), AName);
}
TPrintStateManipulator lineState(const string& AName, unsigned ALevel) {
  return TPrintStateManipulator(static_cast<nameLevelAction>(&lineState), AName, ALevel);
}
TPrintStateManipulator lineState(const string& AName) {
  return TPrintStateManipulator(static_cast<nameAction>(&lineState), AName);
}
TPrintStateManipulator pushState(const string& AName, unsigned ALevel) {
  return TPrintStateManipulator(static_cast<nameLevelAction>(&pushState), AName, ALevel);
}
TPrintStateManipulator pushState(const string& AName) {
  return TPrintStateManipulator(static_cast<nameAction>(&pushState), AName);
}
TPrintStateManipulator setLevel(unsigned ALevel) {
  return TPrintStateManipulator(static_cast<levelAction>(&setLevel), ALevel);
}
TPrintStateManipulator lineLevel(unsigned ALevel) {
  return TPrintStateManipulator(static_cast<levelAction>(&lineLevel), ALevel);
}
TPrintStateManipulator pushLevel(unsigned ALevel) {
  return TPrintStateManipulator(static_cast<levelAction>(&pushLevel), ALevel);
}

}  // namespace orvo
