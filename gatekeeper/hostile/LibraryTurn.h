// The class library and the message types are made for one thread: their
// strings share an empty buffer whose count is not atomic, for one. The
// threads of the hostile-traffic run (the well-behaved endpoints, the
// neighbour gatekeeper, the phases) take turns with them through one lock,
// and let go of it only while they wait on a socket or a clock.
#pragma once

// Holds the library for this thread until destroyed; may nest.
class TLibraryTurn {
public:
  TLibraryTurn();
  ~TLibraryTurn();
  TLibraryTurn(const TLibraryTurn&) = delete;
  TLibraryTurn& operator=(const TLibraryTurn&) = delete;
};

// Lets go of the library, when this thread holds it, until destroyed:
// around waits, during which the thread touches no library object.
class TLibraryPause {
public:
  TLibraryPause();
  ~TLibraryPause();
  TLibraryPause(const TLibraryPause&) = delete;
  TLibraryPause& operator=(const TLibraryPause&) = delete;

private:
  int Depth;
};
