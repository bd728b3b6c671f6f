#include <h323/q931/singleOctetElements.h>

#include <ios>

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

// The header line is the whole trace of these two.
void moreData::print(std::ostream& out) const { element::print(out); }

void sendingComplete::print(std::ostream& out) const { element::print(out); }

void congestionLevel::print(std::ostream& out) const {
  element::print(out);
  out << "  Level: "
      << (level == 0    ? "Receiver ready"
          : level == 15 ? "Receiver not ready"
                        : "Dont known")
      << " (" << std::dec << level << ")\n";
}

void repeatIndicator::print(std::ostream& out) const {
  element::print(out);
  out << "  Indication: " << (indication == 2 ? "Prioritized list for selecting one possibility (" : "Dont known (")
      << std::dec << indication << ")\n";
}

}  // namespace Q931
