#include <h323/q931/textElements.h>

#include <ostream>

namespace Q931 {

void octetStringElement::decodeInto(orvo::byteStream& in, orvo::string& value) {
  octets c = readContent(in);
  value.assign(c.data(), unsigned(c.size()));
}

void octetStringElement::encodeFrom(orvo::byteStream& out, const orvo::string& value) const {
  writeContent(out, octets(value.buffer(), value.buffer() + value.length()));
}

void callIdentity::print(std::ostream& out) const {
  element::print(out);
  out << " '";
  out.write(identity.buffer(), identity.length());
  out << "'\n";
}

void display::print(std::ostream& out) const {
  element::print(out);
  out << "  '";
  out.write(text.buffer(), text.length());
  out << "'\n";
}

void keypadFacility::print(std::ostream& out) const {
  element::print(out);
  out << " '";
  out.write(digits.buffer(), digits.length());
  out << "'\n";
}

}  // namespace Q931
