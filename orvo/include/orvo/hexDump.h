// Hexadecimal text of bytes for traces.
#pragma once

#include <ostream>

namespace orvo {

// 16 bytes a line: prefix, offset, four groups of four bytes, then the
// printable characters ('.' for the others); a short last line keeps the
// character column in place.
void hexDump(std::ostream& out, const unsigned char* data, int length, const char* linePrefix);
// Two upper-case digits a byte, single blanks between, no line end.
void printHex(std::ostream& out, const unsigned char* data, unsigned length);

}  // namespace orvo
