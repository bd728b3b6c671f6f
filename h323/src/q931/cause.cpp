#include <h323/q931/cause.h>

namespace Q931 {

void cause::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  contentView view(c);
  unsigned char o3, o;
  if (!view.take(o3)) return;
  codingStandard = (o3 >> 5) & 3;
  location = o3 & 0x0F;
  if (codingStandard != 0) return;
  if (!(o3 & 0x80)) {
    if (!view.take(o)) return;
    recommendation = o & 0x7F;
  }
  if (view.take(o)) causeValue = o & 0x7F;
}

void cause::encode(orvo::byteStream& out) const {
  unsigned char o3 = (unsigned char)((location & 0x0F) | (codingStandard & 3) << 5);
  unsigned char value = (unsigned char)((causeValue & 0x7F) | 0x80);
  if (recommendation != 0)
    writeContent(out, {o3, (unsigned char)((recommendation & 0x7F) | 0x80), value});
  else
    writeContent(out, {(unsigned char)(o3 | 0x80), value});
}

void cause::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
