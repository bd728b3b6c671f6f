#include <h323/q931/bearerCapability.h>

#include <ios>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named capabilities[] = {{0, "Speech"},         {8, "Unrestricted Digital"}, {9, "Restricted Digital"},
                                     {16, "Audio 3.1 kHz"}, {17, "Unrestricted Tones"},  {24, "Video"},
                                     {255, "Not Present"}};
const trace::named modes[] = {{0, "Circuit"}, {2, "Packet"}, {255, "Not Present"}};
const trace::named rates[] = {{0, "PacketRate"}, {16, "r64k"},   {17, "r2x64k"},    {19, "r384k"},
                              {21, "r1536k"},    {23, "r1920k"}, {24, "Multirate"}, {255, "Not Present"}};
const trace::named layer1Protocols[] = {{1, "V110orX300"}, {2, "G711mLaw"}, {3, "G711ALaw"},
                                        {4, "G721"},       {5, "H221H242"}, {7, "NonCCITT"},
                                        {8, "V120"},       {9, "X31"},      {255, "Not Present"}};

}  // namespace

void bearerCapability::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  readFields(c);
  received.keep(c, content());
}

void bearerCapability::readFields(const octets& c) {
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

void bearerCapability::encode(orvo::byteStream& out) const { writeContent(out, received.choose(content())); }

octets bearerCapability::content() const {
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
  return c;
}

void bearerCapability::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Transfer capability: ", trace::lookup(capabilities, transferCapability), transferCapability);
  trace::field(out, "  Transfer Mode: ", trace::lookup(modes, transferMode), transferMode);
  trace::field(out, "  Transfer Rate: ", trace::lookup(rates, transferRate), transferRate);
  if (transferRate == multirate) trace::decimal(out, "  Rate Multiplier:", rateMultiplier);
  trace::field(out, "  Layer 1 Protocol: ", trace::lookup(layer1Protocols, layer1Protocol), layer1Protocol);
}

}  // namespace Q931
