#include <h323/q931/singleOctetElements.h>

namespace Q931 {

void singleOctetElement::decode(orvo::byteStream& in) {
  unsigned char octet;
  in.read(&octet, 1);
  setValue(octet & 0x0F);
}

void singleOctetElement::encode(orvo::byteStream& out) const {
  unsigned char octet = (unsigned char)(kind_ | (value() & 0x0F));
  out.write(&octet, 1);
}

void moreData::print(std::ostream& out) const { element::print(out); }

void sendingComplete::print(std::ostream& out) const { element::print(out); }

void congestionLevel::print(std::ostream& out) const { element::print(out); }

void repeatIndicator::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
