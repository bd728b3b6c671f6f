// The octets of a RAS message with its requestSeqNum left open, so that a
// thread can send it with any number without touching the message types
// (see LibraryTurn.h). The number's place is found by encoding the message
// twice with two numbers: aligned PER puts the constrained 1..65535 number
// in two octets of its own, as its distance from 1.
#pragma once

#include <h225/h225.h>

#include "DatagramMutator.h"

class TRasTemplate {
public:
  TRasTemplate() = default;
  // Takes the library's turn itself.
  explicit TRasTemplate(H225::rasMessage& AMessage);

  octets With(unsigned ASequenceNumber) const;
  // Whether the octets are this message with that number.
  bool Matches(const octets& AOctets, unsigned ASequenceNumber) const;
  bool Valid() const { return !Octets.empty(); }

private:
  octets Octets;
  size_t At = 0;
};
