// Elements of one to three content octets whose length never varies. A
// content of another length is consumed whole and interprets nothing: the
// fields keep what they held.
#pragma once

#include <h323/q931/element.h>

namespace Q931 {

class segmented : public element {
public:
  segmented() : element(0x00) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  bool firstSegment = true;
  unsigned remainingSegments = 0;  // 7 bits
  unsigned segmentedType = 255;    // 7 bits: the type of the segmented message
};

class callState : public element {
public:
  explicit callState(unsigned state = 0) : element(0x14), state(state) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned codingStandard = 0;  // 2 bits
  unsigned state;               // 6 bits
};

class progressIndicator : public element {
public:
  progressIndicator() : element(0x1E) {}
  progressIndicator(unsigned location, unsigned description)
      : element(0x1E), location(location), description(description) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned codingStandard = 0;  // 2 bits
  unsigned location = 0;        // 4 bits
  unsigned description = 1;     // 7 bits
};

// One octet kept as it came, extension bit included.
class notificationIndicator : public element {
public:
  notificationIndicator() : element(0x27) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned char description = 0;
};

class signal : public element {
public:
  explicit signal(unsigned char value = 0) : element(0x34), value(value) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned char value;
};

class reverseChargeIndication : public element {
public:
  reverseChargeIndication() : element(0x4A) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned indication = 1;  // 3 bits
};

class restartIndicator : public element {
public:
  explicit restartIndicator(unsigned restartClass = 0) : element(0x79), restartClass(restartClass) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned restartClass;  // 3 bits
};

}  // namespace Q931
