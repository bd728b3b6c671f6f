#include <h323/q931/bearerCapability.h>

namespace Q931 {

void bearerCapability::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  transferCapability = transferMode = transferRate = layer1Protocol = absent;
  rateMultiplier = 0;
  contentView view(c);
  unsigned char o;
  if (!view.take(o)) return;
  if (!(o & 0x80) || (o & 0x60) != 0) return;  // only the ITU-T coding is understood
  transferCapability = o & 0x1F;
  if (!view.take(o)) return;
  transferMode = (o >> 5) & 3;
  transferRate = o & 0x1F;
  if (transferRate == multirate) {
    if (!view.take(o)) return;
    rateMultiplier = o & 0x7F;
  }
  if (view.take(o) && ((o >> 5) & 3) == 1) layer1Protocol = o & 0x1F;
}

void bearerCapability::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)(transferCapability | 0x80)};
  // Octets that were absent stay absent: a filler octet would be read by
  // the peer as a protocol identification of its own.
  if (transferMode != absent || transferRate != absent) {
    unsigned char o4 = (unsigned char)((transferMode & 3) << 5 | (transferRate & 0x1F));
    if (transferRate == multirate) {
      c.push_back(o4);
      c.push_back((unsigned char)((rateMultiplier & 0x7F) | 0x80));
    } else {
      c.push_back((unsigned char)(o4 | 0x80));
    }
  }
  if (layer1Protocol != absent) c.push_back((unsigned char)((layer1Protocol & 0x1F) | 0xA0));
  writeContent(out, c);
}

void bearerCapability::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
