// The Low and High layer compatibility elements: what the terminals at the
// two ends must agree on beyond the bearer.
#pragma once

#include <h323/q931/element.h>

namespace Q931 {

class lowLayerCompatibility : public element {
public:
  // Bits of the presence mask, one per optional octet.
  enum : unsigned {
    hasO3a = 0x1,
    hasLayer1 = 0x2,
    hasO5a = 0x4,
    hasO5b = 0x8,
    hasO5c = 0x10,
    hasO5d = 0x20,
    hasLayer2 = 0x40,
    hasO6a = 0x80,
    hasO6b = 0x100,
    hasLayer3 = 0x200,
    hasO7a = 0x400,
    hasO7b = 0x800,
    hasO7c = 0x1000
  };

  lowLayerCompatibility() : element(0x7C) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned presence = 0;
  unsigned codingStandard = 0;  // o3
  unsigned transferCapability = 255;
  unsigned negotiationIndicator = 0;  // o3a
  unsigned transferMode = 255;        // o4
  unsigned transferRate = 255;
  unsigned rateMultiplier = 0;  // o4.1, multirate only
  unsigned layer1Protocol = 0;  // o5
  unsigned synchronous = 0;     // o5a
  unsigned negotiation = 0;
  unsigned userRate = 0;
  // o5b for V.110 (layer 1 protocol 1)
  unsigned intermediateRate = 0;
  unsigned nicOnTransmit = 0;
  unsigned nicOnReceive = 0;
  unsigned flowControlOnTransmit = 0;
  unsigned flowControlOnReceive = 0;
  // o5b for the other protocols
  unsigned rateAdaptionHeader = 0;
  unsigned multipleFrame = 0;
  unsigned modeOfOperation = 0;
  unsigned lliNegotiation = 0;
  unsigned assignor = 0;
  unsigned inbandNegotiation = 0;
  unsigned stopBits = 0;  // o5c
  unsigned dataBits = 0;
  unsigned parity = 0;
  unsigned duplexMode = 0;  // o5d
  unsigned modemType = 0;
  unsigned layer2Protocol = 0;      // o6
  unsigned userLayer2Protocol = 0;  // o6a for protocol 16
  unsigned layer2Mode = 0;          // o6a otherwise
  unsigned q933Use = 0;
  unsigned windowSize = 0;          // o6b
  unsigned layer3Protocol = 0;      // o7
  unsigned userLayer3Protocol = 0;  // o7a for protocol 16
  unsigned layer3Mode = 0;          // o7a otherwise
  unsigned defaultPacketSize = 0;   // o7b
  unsigned packetWindowSize = 0;    // o7c
  // Content the fields would write back otherwise (octet 4 without bit 8
  // before octet 4.1, octet 4 missing, octets beyond those known).
  receivedContent received;

private:
  void readFields(const octets& c);
  octets content() const;
};

class highLayerCompatibility : public element {
public:
  highLayerCompatibility() : element(0x7D) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned codingStandard = 0;           // 2 bits
  unsigned interpretation = 0;           // 3 bits
  unsigned presentation = 0;             // 2 bits
  unsigned characteristics = 0;          // 7 bits
  unsigned extendedCharacteristics = 0;  // 7 bits, 0 when absent
};

}  // namespace Q931
