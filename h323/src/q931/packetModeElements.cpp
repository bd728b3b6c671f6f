#include <h323/q931/packetModeElements.h>

namespace Q931 {

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
                     (unsigned char)((minimumIncomingRate & 0x7F) | 0x80), (unsigned char)((minimumOutgoingRate & 0x7F) | 0x80)});
}

void informationRate::print(std::ostream& out) const { element::print(out); }

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

void endtoEndTransitDelay::print(std::ostream& out) const { element::print(out); }

void transitDelaySelInd::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 3) delay = delayOf(c.data());
}

void transitDelaySelInd::encode(orvo::byteStream& out) const {
  octets c;
  appendDelay(c, delay);
  writeContent(out, c);
}

void transitDelaySelInd::print(std::ostream& out) const { element::print(out); }

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

void packetLayerBinaryParameters::print(std::ostream& out) const { element::print(out); }

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

void packetLayerWindowSize::print(std::ostream& out) const { element::print(out); }

void packetSize::print(std::ostream& out) const { element::print(out); }

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

void closedUserGroup::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
