#include <h323/q931/compatibility.h>

namespace Q931 {

void highLayerCompatibility::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() < 2) return;
  codingStandard = (c[0] >> 5) & 3;
  interpretation = (c[0] >> 2) & 7;
  presentation = c[0] & 3;
  characteristics = c[1] & 0x7F;
  extendedCharacteristics = c.size() > 2 && !(c[1] & 0x80) ? c[2] & 0x7Fu : 0u;
}

void highLayerCompatibility::encode(orvo::byteStream& out) const {
  unsigned char o3 = (unsigned char)((interpretation & 7) << 2 | (codingStandard & 3) << 5 | (presentation & 3) | 0x80);
  if (extendedCharacteristics != 0)
    writeContent(out, {o3, (unsigned char)(characteristics & 0x7F), (unsigned char)((extendedCharacteristics & 0x7F) | 0x80)});
  else
    writeContent(out, {o3, (unsigned char)((characteristics & 0x7F) | 0x80)});
}

void highLayerCompatibility::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
