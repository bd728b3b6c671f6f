// Base of the typed RADIUS attributes that a packet owns in wire order.
#pragma once

#include <iosfwd>

namespace RADIUS {

class TAttribute {
public:
  explicit TAttribute(unsigned AType) : FType(AType) {}
  virtual ~TAttribute();
  TAttribute(const TAttribute&) = delete;
  TAttribute& operator=(const TAttribute&) = delete;

  // Reads one whole attribute, type and length octets included; the caller
  // has checked that the length octet lies within the packet.
  virtual bool Decode(const unsigned char* AAttribute) = 0;
  // Writes the whole attribute, Length() octets, at AOut.
  virtual void Encode(unsigned char* AOut) const = 0;
  // Trace form; the base prints the attribute name alone.
  virtual std::ostream& Print(std::ostream& AStream) const;
  // Encoded length, type and length octets included.
  virtual unsigned Length() const = 0;

  unsigned Type() const { return FType; }

protected:
  unsigned FType;
};

}  // namespace RADIUS
