#include <orvo/bifurcator.h>

#include <cstring>
#include <new>

namespace orvo {

TBifurcationalBuffer::TBifurcationalBuffer(std::ostream* AStream)
    : owner(AStream),
      level(0),
      stack(autoDelete(1)),
      oneLine(false),
      linePushes(0),
      lineBase(0),
      putArea(nullptr),
      sinks(autoDelete(1)) {
  setp(nullptr, nullptr);
}

TBifurcationalBuffer::~TBifurcationalBuffer() {
  drain();
  // The sinks go before the state they point into.
  sinks.clear(autoDelete(1));
  delete[] putArea;
}

void TBifurcationalBuffer::addManipulator(TBasicStreamManipulator* ASink) {
  if (ASink == nullptr) return;
  ASink->attach(&name, &level);
  sinks.append(ASink);
}

void TBifurcationalBuffer::removeManipulator(TBasicStreamManipulator* ASink) {
  if (ASink == nullptr || sinks.find(ASink) == nullptr) return;
  // Text still in the put area or waiting for a pop belongs to this sink too.
  sync();
  ASink->flushChunk();
  ASink->Flush();
  if (listNode* node = sinks.find(ASink)) sinks.remove(node, autoDelete(1));
}

void TBifurcationalBuffer::flushAll() {
  for (listNode* node = sinks.head(); node != nullptr; node = node->next)
    static_cast<TBasicStreamManipulator*>(node->element)->Flush();
}

void TBifurcationalBuffer::drain() {
  sync();
  for (listNode* node = sinks.head(); node != nullptr; node = node->next)
    static_cast<TBasicStreamManipulator*>(node->element)->flushChunk();
  flushAll();
}

void TBifurcationalBuffer::pushState() { stack.append(new TState(name, level)); }

void TBifurcationalBuffer::popState() {
  listNode* top = stack.tail();
  if (top == nullptr) return;
  for (listNode* node = sinks.head(); node != nullptr; node = node->next)
    static_cast<TBasicStreamManipulator*>(node->element)->flushChunk();
  const TState* saved = static_cast<const TState*>(top->element);
  name = saved->name;
  level = saved->level;
  stack.remove(top, autoDelete(1));
}

void TBifurcationalBuffer::pushLineState() {
  if (!oneLine) {
    lineBase = stack.count();
    linePushes = 0;
  }
  pushState();
  oneLine = true;
  ++linePushes;
}

void TBifurcationalBuffer::endLineState() {
  // Undo every push the line made, but never reach below the depth the line
  // began at, even when the writer popped some of them already.
  for (unsigned pops = linePushes; pops > 0 && stack.count() > lineBase; --pops) popState();
  linePushes = 0;
  oneLine = false;
}

TBifurcationalBuffer::int_type TBifurcationalBuffer::overflow(int_type ACharacter) {
  if (putArea == nullptr) {
    putArea = new (std::nothrow) char[putAreaSize];
    if (putArea == nullptr) return traits_type::eof();
    setp(putArea, putArea + putAreaSize);
  }
  if (sync() != 0) return traits_type::eof();
  if (!traits_type::eq_int_type(ACharacter, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(ACharacter);
    pbump(1);
  }
  return traits_type::not_eof(ACharacter);
}

int TBifurcationalBuffer::sync() {
  int length = static_cast<int>(pptr() - pbase());
  if (length <= 0) return 0;
  // The area is emptied before the sinks see the text: a sink that logs
  // through this same stream must find room, not the same text again.
  char pending[putAreaSize];
  std::memcpy(pending, pbase(), length);
  setp(pbase(), epptr());
  if (writeOut(pending, length) == 0) return 0;
  // A failure keeps the text for the next attempt.
  if (pptr() == pbase()) {
    std::memcpy(pbase(), pending, length);
    pbump(length);
  }
  return -1;
}

TBifurcationalBuffer::int_type TBifurcationalBuffer::underflow() { return traits_type::eof(); }

int TBifurcationalBuffer::writeOut(const char* AData, int ALength) {
  if (oneLine) {
    if (const char* lineEnd = static_cast<const char*>(std::memchr(AData, '\n', ALength))) {
      int lineLength = static_cast<int>(lineEnd + 1 - AData);
      int result = distribute(AData, lineLength);
      if (result != 0) return result;
      endLineState();
      AData += lineLength;
      ALength -= lineLength;
    }
  }
  return distribute(AData, ALength);
}

int TBifurcationalBuffer::distribute(const char* AData, int ALength) {
  if (ALength <= 0) return 0;
  int result = 0;
  for (listNode* node = sinks.head(); node != nullptr; node = node->next) {
    TBasicStreamManipulator* sink = static_cast<TBasicStreamManipulator*>(node->element);
    if (sink->write(AData, ALength) != 0) result = 1;
    // While states are pushed the chunks wait for the pop.
    if (stack.head() == nullptr) sink->flushChunk();
  }
  return result;
}

}  // namespace orvo
