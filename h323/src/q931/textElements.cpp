#include <h323/q931/textElements.h>

#include <ostream>

#include <orvo/escapedText.h>

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
  out << " '" << orvo::escaped(identity) << "'\n";
}

void display::print(std::ostream& out) const {
  element::print(out);
  out << "  '" << orvo::escaped(text) << "'\n";
}

void keypadFacility::print(std::ostream& out) const {
  element::print(out);
  out << " '" << orvo::escaped(digits) << "'\n";
}

}  // namespace Q931
