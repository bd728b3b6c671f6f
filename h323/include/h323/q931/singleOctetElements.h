// The single-octet elements: the octet is the whole element, its upper
// half saying which one and its lower half carrying the value.
#pragma once

#include <h323/q931/element.h>

namespace Q931 {

// Decoded by the message from the octet it peeks; decode reads that octet.
class singleOctetElement : public element {
public:
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;

protected:
  singleOctetElement(int id, unsigned char kind) : element(id), kind_(kind) {}
  virtual unsigned char value() const { return 0; }
  virtual void setValue(unsigned char) {}

private:
  unsigned char kind_;  // the upper half of the octet
};

class moreData : public singleOctetElement {
public:
  moreData() : singleOctetElement(moreDataId, 0xA0) {}
  void print(std::ostream& out) const override;
};

class sendingComplete : public singleOctetElement {
public:
  sendingComplete() : singleOctetElement(sendingCompleteId, 0xA0) {}
  void print(std::ostream& out) const override;

protected:
  unsigned char value() const override { return 0x01; }
};

class congestionLevel : public singleOctetElement {
public:
  explicit congestionLevel(unsigned level = 0) : singleOctetElement(congestionLevelId, 0xB0), level(level) {}
  void print(std::ostream& out) const override;

  unsigned level;  // 4 bits

protected:
  unsigned char value() const override { return (unsigned char)level; }
  void setValue(unsigned char v) override { level = v; }
};

class repeatIndicator : public singleOctetElement {
public:
  explicit repeatIndicator(unsigned indication = 2)
      : singleOctetElement(repeatIndicatorId, 0xD0), indication(indication) {}
  void print(std::ostream& out) const override;

  unsigned indication;  // 4 bits

protected:
  unsigned char value() const override { return (unsigned char)indication; }
  void setValue(unsigned char v) override { indication = v; }
};

}  // namespace Q931
