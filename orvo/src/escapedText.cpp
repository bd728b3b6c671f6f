#include <orvo/escapedText.h>

namespace orvo {

namespace {

bool needsEscape(unsigned char AOctet) {
  return AOctet < 0x20 || (AOctet >= 0x7F && AOctet <= 0x9F) || AOctet == '\\';
}

}  // namespace

std::ostream& operator<<(std::ostream& AOut, const escaped& AText) {
  static const char digits[] = "0123456789ABCDEF";
  const char* run = AText.data;
  const char* end = AText.data + AText.length;
  for (const char* p = run; p != end; ++p) {
    const unsigned char octet = static_cast<unsigned char>(*p);
    if (!needsEscape(octet)) continue;
    // Plain runs go out whole: a trace is mostly plain text.
    AOut.write(run, p - run);
    run = p + 1;
    if (octet == '\\') {
      AOut.write("\\\\", 2);
    } else {
      const char escape[4] = {'\\', 'x', digits[octet >> 4], digits[octet & 15]};
      AOut.write(escape, 4);
    }
  }
  return AOut.write(run, end - run);
}

}  // namespace orvo
