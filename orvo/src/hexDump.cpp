#include <orvo/hexDump.h>

#include <cctype>
#include <iomanip>

namespace orvo {

void hexDump(std::ostream& out, const unsigned char* data, int length, const char* linePrefix) {
  const char fill = out.fill('0');
  out << std::uppercase << std::hex;
  if (!linePrefix) linePrefix = "";
  for (int offset = 0; offset < length; offset += 16) {
    const int count = length - offset < 16 ? length - offset : 16;
    out << linePrefix << std::setw(4) << offset << ":";
    for (int i = 0; i < 16; ++i) {
      if (i % 4 == 0) out << ' ';
      if (i < count) {
        out << std::setw(2) << unsigned(data[offset + i]) << ' ';
      } else {
        out << "   ";
      }
    }
    out << "  ";
    for (int i = 0; i < count; ++i) {
      const unsigned char c = data[offset + i];
      out << (std::isprint(c) ? char(c) : '.');
    }
    out << std::endl;
  }
  out.fill(fill);
  out << std::nouppercase << std::dec;
}

void printHex(std::ostream& out, const unsigned char* data, unsigned length) {
  const char fill = out.fill('0');
  out << std::uppercase << std::hex;
  for (unsigned i = 0; i < length; ++i) {
    if (i != 0) out << ' ';
    out << std::setw(2) << unsigned(data[i]);
  }
  out.fill(fill);
  out << std::nouppercase << std::dec;
}

}  // namespace orvo
