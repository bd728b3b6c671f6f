// Elements whose content is a string of octets taken as they are.
#pragma once

#include <orvo/string.h>

#include <h323/q931/element.h>

namespace Q931 {

class octetStringElement : public element {
protected:
  explicit octetStringElement(int id) : element(id) {}
  void decodeInto(orvo::byteStream& in, orvo::string& value);
  void encodeFrom(orvo::byteStream& out, const orvo::string& value) const;
};

class callIdentity : public octetStringElement {
public:
  callIdentity() : octetStringElement(0x10) {}
  void decode(orvo::byteStream& in) override { decodeInto(in, identity); }
  void encode(orvo::byteStream& out) const override { encodeFrom(out, identity); }
  void print(std::ostream& out) const override;

  orvo::string identity;
};

class display : public octetStringElement {
public:
  explicit display(const orvo::string& text = orvo::string()) : octetStringElement(0x28), text(text) {}
  void decode(orvo::byteStream& in) override { decodeInto(in, text); }
  void encode(orvo::byteStream& out) const override { encodeFrom(out, text); }
  void print(std::ostream& out) const override;

  orvo::string text;
};

class keypadFacility : public octetStringElement {
public:
  keypadFacility() : octetStringElement(0x2C) {}
  void decode(orvo::byteStream& in) override { decodeInto(in, digits); }
  void encode(orvo::byteStream& out) const override { encodeFrom(out, digits); }
  void print(std::ostream& out) const override;

  orvo::string digits;
};

}  // namespace Q931
