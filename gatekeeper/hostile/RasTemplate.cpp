#include "RasTemplate.h"

#include <gatekeeper/RasSequenceNumber.h>

#include "LibraryTurn.h"
#include "SimulatedEndpoint.h"

TRasTemplate::TRasTemplate(H225::rasMessage& AMessage) {
  TLibraryTurn turn;
  SetRasSequenceNumber(AMessage, 0x1234);
  const octets first = EncodeRas(AMessage);
  SetRasSequenceNumber(AMessage, 0xedcb);
  const octets second = EncodeRas(AMessage);
  if (first.size() != second.size()) return;
  size_t at = 0;
  while (at + 1 < first.size() && first[at] == second[at]) ++at;
  if (at + 1 >= first.size() || first[at] != 0x12 || first[at + 1] != 0x33) return;
  Octets = first;
  At = at;
}

octets TRasTemplate::With(unsigned ASequenceNumber) const {
  octets out = Octets;
  if (out.empty()) return out;
  // Encoded as its distance from the lower bound 1.
  out[At] = (unsigned char)((ASequenceNumber - 1) >> 8);
  out[At + 1] = (unsigned char)(ASequenceNumber - 1);
  return out;
}

bool TRasTemplate::Matches(const octets& AOctets, unsigned ASequenceNumber) const {
  return !Octets.empty() && AOctets == With(ASequenceNumber);
}
