#include <h323/q931/notSupportedElement.h>

namespace Q931 {

void notSupportedElement::decode(orvo::byteStream& in) { content = readContent(in); }

void notSupportedElement::encode(orvo::byteStream& out) const { writeContent(out, content); }

void notSupportedElement::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
