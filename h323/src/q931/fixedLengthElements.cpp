#include <h323/q931/fixedLengthElements.h>

namespace Q931 {

void segmented::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 2) return;
  firstSegment = (c[0] & 0x80) != 0;
  remainingSegments = c[0] & 0x7F;
  segmentedType = c[1] & 0x7F;
}

void segmented::encode(orvo::byteStream& out) const {
  unsigned char remaining = (unsigned char)(remainingSegments & 0x7F);
  writeContent(out, {(unsigned char)(firstSegment ? remaining | 0x80 : remaining), (unsigned char)(segmentedType & 0x7F)});
}

void segmented::print(std::ostream& out) const { element::print(out); }

void callState::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 1) return;
  codingStandard = c[0] >> 6;
  state = c[0] & 0x3F;
}

void callState::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((state & 0x3F) | (codingStandard & 3) << 6)});
}

void callState::print(std::ostream& out) const { element::print(out); }

void progressIndicator::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 2) return;
  codingStandard = (c[0] >> 5) & 3;
  location = c[0] & 0x0F;
  description = c[1] & 0x7F;
}

void progressIndicator::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((location & 0x0F) | (codingStandard & 3) << 5 | 0x80),
                     (unsigned char)((description & 0x7F) | 0x80)});
}

void progressIndicator::print(std::ostream& out) const { element::print(out); }

void notificationIndicator::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) description = c[0];
}

void notificationIndicator::encode(orvo::byteStream& out) const { writeContent(out, {description}); }

void notificationIndicator::print(std::ostream& out) const { element::print(out); }

void signal::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) value = c[0];
}

void signal::encode(orvo::byteStream& out) const { writeContent(out, {value}); }

void signal::print(std::ostream& out) const { element::print(out); }

void reverseChargeIndication::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) indication = c[0] & 0x07;
}

void reverseChargeIndication::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((indication & 0x07) | 0x80)});
}

void reverseChargeIndication::print(std::ostream& out) const { element::print(out); }

void restartIndicator::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) restartClass = c[0] & 0x07;
}

void restartIndicator::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((restartClass & 0x07) | 0x80)});
}

void restartIndicator::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
