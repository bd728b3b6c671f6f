#include <h323/q931/notSupportedElement.h>

#include <ios>

#include <orvo/hexDump.h>

namespace Q931 {

void notSupportedElement::decode(orvo::byteStream& in) { content = readContent(in); }

void notSupportedElement::encode(orvo::byteStream& out) const { writeContent(out, content); }

void notSupportedElement::print(std::ostream& out) const {
  element::print(out);
  if (content.empty()) return;
  out << "  --- [dump (in hex), " << std::dec << content.size() << " octets length] ---\n";
  orvo::hexDump(out, content.data(), int(content.size()), "  ");
}

}  // namespace Q931
