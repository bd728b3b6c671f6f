// The Channel identification element: which B channel of which interface
// the call uses, as channel numbers or as a slot map.
#pragma once

#include <orvo/dlist.h>

#include <h323/q931/element.h>

namespace Q931 {

class channelIdentification : public element {
public:
  channelIdentification() : element(0x18) {}
  // A basic interface (BRI), exclusive, with the selection 0..3.
  static channelIdentification basicInterface(unsigned channelSelection);
  // Another interface (PRI), exclusive, that one channel by number.
  static channelIdentification primaryChannel(unsigned channel);

  void decode(orvo::byteStream& in) override;
  // Channels outside 1..32 have no place in a slot map and are left out
  // of one.
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  // The first listed channel, 0 when none is.
  unsigned firstChannel() const;

  unsigned interfaceType = 1;  // 1 bit: 0 basic, 1 other interface
  bool exclusive = false;
  bool dChannel = false;
  unsigned channelSelection = 0;  // 2 bits
  octets interfaceIdentifier;     // as received
  unsigned codingStandard = 0;    // 2 bits
  unsigned numberMap = 0;         // 1 bit: 0 channel numbers, 1 slot map
  unsigned channelType = 3;       // 4 bits: 3 B-channel units
  orvo::dlist<unsigned int> channels;
};

}  // namespace Q931
