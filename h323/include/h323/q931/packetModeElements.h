// Elements of packet-mode calls: rates, transit delays, the packet layer's
// parameters and the closed user group.
#pragma once

#include <orvo/string.h>

#include <h323/q931/element.h>

namespace Q931 {

class informationRate : public element {
public:
  informationRate() : element(0x40) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  // 7 bits each.
  unsigned incomingRate = 0;
  unsigned outgoingRate = 0;
  unsigned minimumIncomingRate = 0;
  unsigned minimumOutgoingRate = 0;
};

class endtoEndTransitDelay : public element {
public:
  endtoEndTransitDelay() : element(0x42) {}
  // Groups beyond the third have no field and are read over.
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned cumulativeDelay = 0;  // 16 bits each
  unsigned requestedDelay = 0;
  unsigned maximumDelay = 0;
  unsigned delayCount = 0;  // how many of the three are held
};

class transitDelaySelInd : public element {
public:
  transitDelaySelInd() : element(0x43) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned delay = 0;  // 16 bits
};

class packetLayerBinaryParameters : public element {
public:
  packetLayerBinaryParameters() : element(0x44) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned fastSelect = 0;            // 2 bits
  unsigned expeditedData = 0;         // 1 bit
  unsigned deliveryConfirmation = 0;  // 1 bit
  unsigned modulus = 0;               // 1 bit
};

// A forward value and, when held, a backward one.
class forwardBackwardElement : public element {
public:
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;

  unsigned forwardValue = 0;   // 7 bits
  unsigned backwardValue = 0;  // 7 bits
  bool hasBackward = false;

protected:
  explicit forwardBackwardElement(int id) : element(id) {}
};

class packetLayerWindowSize : public forwardBackwardElement {
public:
  packetLayerWindowSize() : forwardBackwardElement(0x45) {}
  void print(std::ostream& out) const override;
};

class packetSize : public forwardBackwardElement {
public:
  packetSize() : forwardBackwardElement(0x46) {}
  void print(std::ostream& out) const override;
};

class closedUserGroup : public element {
public:
  closedUserGroup() : element(0x47) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned indication = 0;  // 3 bits
  orvo::string indexCode;
};

}  // namespace Q931
