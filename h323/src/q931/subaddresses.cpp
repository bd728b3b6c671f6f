#include <h323/q931/subaddresses.h>

#include <ios>

#include <orvo/hexDump.h>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named subaddressTypes[] = {{0, "NSAP (CCITT Rec X.213/ISO 8348 AD2"}, {2, "User specified"}};

void printSubaddress(std::ostream& out, unsigned type, unsigned oddEven, const orvo::string& information) {
  trace::field(out, "  Number Type: ", trace::lookup(subaddressTypes, type), type);
  trace::decimal(out, "  Odd/Even Indicator: ", oddEven);
  if (information.empty()) {
    out << "  Inforamtion: is empty\n";
    return;
  }
  out << "  Inforamtion: --- [dump (in hex), " << std::dec << information.length() << " octets length] ---\n";
  orvo::hexDump(out, reinterpret_cast<const unsigned char*>(information.buffer()), int(information.length()), "    ");
}

}  // namespace

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

void callingPartySubAddress::print(std::ostream& out) const {
  element::print(out);
  printSubaddress(out, typeOfSubaddress, oddEven, information);
}

void calledPartySubAddress::print(std::ostream& out) const {
  element::print(out);
  printSubaddress(out, typeOfSubaddress, oddEven, information);
}

}  // namespace Q931
