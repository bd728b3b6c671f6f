#include <h323/q931/packetModeElements.h>

#include <cstdio>
#include <ios>

#include <orvo/hexDump.h>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named rates[] = {{0, "Reserved"},    {1, "Reserved"},    {2, "Reserved"},   {3, "75 kbit"},
                              {4, "150 kbit"},    {5, "300 kbit"},    {6, "600 kbit"},   {7, "1200 kbit"},
                              {8, "2400 kbit"},   {9, "4800 kbit"},   {10, "9600 kbit"}, {11, "19200 kbit"},
                              {12, "48000 kbit"}, {13, "64000 kbit"}, {14, "Reserved"},  {15, "Reserved"}};

const trace::named fastSelects[] = {{0, "Fast select not requested"},
                                    {1, "Fast select not requested"},
                                    {2, "Fast select requested with no restriction of response"},
                                    {3, "Fast select requested with restriction of response"}};

const trace::named cugIndications[] = {{1, "Closed user group selection"},
                                       {2, "Closed user group with outgoing access selection and indication"}};

// "  Incoming: 75 kbit (0x3)": a rate in the form "%s (0x%x)".
void rateLine(std::ostream& out, const char* label, unsigned rate) {
  char line[64];
  std::snprintf(line, sizeof line, "%s (0x%x)", trace::lookup(rates, rate), rate);
  out << label << line << '\n';
}

void forwardBackward(std::ostream& out, unsigned forward, bool hasBackward, unsigned backward) {
  out << "  forward: " << std::dec << forward << '\n';
  if (hasBackward)
    out << "  backward: " << backward << '\n';
  else
    out << "  backward: default\n";
}

}  // namespace

namespace {

// A 16-bit delay in its three-octet group.
unsigned delayOf(const unsigned char* group) {
  return (group[0] & 0x03u) << 14 | (group[1] & 0x7Fu) << 7 | (group[2] & 0x7Fu);
}

void appendDelay(octets& c, unsigned delay) {
  c.push_back((unsigned char)((delay >> 14) & 0x03));
  c.push_back((unsigned char)((delay >> 7) & 0x7F));
  c.push_back((unsigned char)((delay & 0x7F) | 0x80));
}

}  // namespace

void informationRate::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 4) return;
  incomingRate = c[0] & 0x7F;
  outgoingRate = c[1] & 0x7F;
  minimumIncomingRate = c[2] & 0x7F;
  minimumOutgoingRate = c[3] & 0x7F;
}

void informationRate::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((incomingRate & 0x7F) | 0x80), (unsigned char)((outgoingRate & 0x7F) | 0x80),
                     (unsigned char)((minimumIncomingRate & 0x7F) | 0x80),
                     (unsigned char)((minimumOutgoingRate & 0x7F) | 0x80)});
}

void informationRate::print(std::ostream& out) const {
  element::print(out);
  rateLine(out, "  Incoming: ", incomingRate);
  rateLine(out, "  Outgoing: ", outgoingRate);
  rateLine(out, "  Min Incoming: ", minimumIncomingRate);
  rateLine(out, "  Min Outgoing: ", minimumOutgoingRate);
}

void endtoEndTransitDelay::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  unsigned* delays[3] = {&cumulativeDelay, &requestedDelay, &maximumDelay};
  delayCount = unsigned(c.size() / 3);
  if (delayCount > 3) delayCount = 3;
  for (unsigned i = 0; i < delayCount; ++i) *delays[i] = delayOf(&c[3 * i]);
}

void endtoEndTransitDelay::encode(orvo::byteStream& out) const {
  const unsigned delays[3] = {cumulativeDelay, requestedDelay, maximumDelay};
  octets c;
  for (unsigned i = 0; i < delayCount && i < 3; ++i) appendDelay(c, delays[i]);
  writeContent(out, c);
}

void endtoEndTransitDelay::print(std::ostream& out) const {
  element::print(out);
  out << std::dec << "  cumulative: " << cumulativeDelay << "  ms\n";
  if (delayCount >= 2) out << "  end to end: " << requestedDelay << "  ms\n";
  if (delayCount >= 3) out << "  maximum: " << maximumDelay << "  ms\n";
}

void transitDelaySelInd::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 3) delay = delayOf(c.data());
}

void transitDelaySelInd::encode(orvo::byteStream& out) const {
  octets c;
  appendDelay(c, delay);
  writeContent(out, c);
}

void transitDelaySelInd::print(std::ostream& out) const {
  element::print(out);
  out << "  " << std::dec << delay << " ms\n";
}

void packetLayerBinaryParameters::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 1) return;
  fastSelect = (c[0] >> 3) & 3;
  expeditedData = (c[0] >> 2) & 1;
  deliveryConfirmation = (c[0] >> 1) & 1;
  modulus = c[0] & 1;
}

void packetLayerBinaryParameters::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((fastSelect & 3) << 3 | (expeditedData & 1) << 2 |
                                     (deliveryConfirmation & 1) << 1 | (modulus & 1) | 0x80)});
}

void packetLayerBinaryParameters::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Fast Select: ", trace::lookup(fastSelects, fastSelect), fastSelect);
  trace::plain(
      out, "  Expedited data: ", expeditedData ? "Request indicated/request accepted" : "No request/request denied");
  trace::plain(out, "  Delivery: ", deliveryConfirmation ? "End to end confirmation" : "Link by link confirmation");
  trace::plain(out, "  Modulus: ", modulus ? "Modulus 128 sequencing" : "Modulus 8 sequencing");
}

void forwardBackwardElement::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 1 && c.size() != 2) return;
  forwardValue = c[0] & 0x7F;
  hasBackward = c.size() == 2;
  if (hasBackward) backwardValue = c[1] & 0x7F;
}

void forwardBackwardElement::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)((forwardValue & 0x7F) | 0x80)};
  if (hasBackward) c.push_back((unsigned char)((backwardValue & 0x7F) | 0x80));
  writeContent(out, c);
}

void packetLayerWindowSize::print(std::ostream& out) const {
  element::print(out);
  forwardBackward(out, forwardValue, hasBackward, backwardValue);
}

void packetSize::print(std::ostream& out) const {
  element::print(out);
  forwardBackward(out, forwardValue, hasBackward, backwardValue);
}

void closedUserGroup::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  contentView view(c);
  unsigned char o3;
  indexCode.clear();
  if (!view.take(o3)) return;
  indication = o3 & 0x07;
  octets code = view.rest();
  indexCode.assign(code.data(), unsigned(code.size()));
}

void closedUserGroup::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)((indication & 0x07) | 0x80)};
  appendOctets(c, indexCode.buffer(), indexCode.length());
  writeContent(out, c);
}

void closedUserGroup::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  CUG indication: ", trace::lookup(cugIndications, indication), indication);
  out << "  CUG index code: [dump (in hex), " << std::dec << indexCode.length() << " octets length]\n";
  orvo::hexDump(out, reinterpret_cast<const unsigned char*>(indexCode.buffer()), int(indexCode.length()), "    ");
}

}  // namespace Q931
