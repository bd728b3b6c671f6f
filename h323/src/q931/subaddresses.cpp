#include <h323/q931/subaddresses.h>

namespace Q931 {

void subaddressElement::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  typeOfSubaddress = 2;
  oddEven = 0;
  information.clear();
  contentView view(c);
  unsigned char o3;
  if (!view.take(o3)) return;
  typeOfSubaddress = (o3 >> 4) & 7;
  oddEven = (o3 >> 3) & 1;
  octets rest = view.rest();
  information.assign(rest.data(), unsigned(rest.size()));
}

void subaddressElement::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)((typeOfSubaddress & 7) << 4 | (oddEven & 1) << 3 | 0x80)};
  appendOctets(c, information.buffer(), information.length());
  writeContent(out, c);
}

void callingPartySubAddress::print(std::ostream& out) const { element::print(out); }

void calledPartySubAddress::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
