#include "LibraryTurn.h"

#include <mutex>

namespace {

std::mutex& Library() {
  static std::mutex library;
  return library;
}

thread_local int Held = 0;

}  // namespace

TLibraryTurn::TLibraryTurn() {
  if (Held++ == 0) Library().lock();
}

TLibraryTurn::~TLibraryTurn() {
  if (--Held == 0) Library().unlock();
}

TLibraryPause::TLibraryPause() : Depth(Held) {
  if (Depth == 0) return;
  Held = 0;
  Library().unlock();
}

TLibraryPause::~TLibraryPause() {
  if (Depth == 0) return;
  Library().lock();
  Held = Depth;
}
