#include <h323/q931/compatibility.h>

namespace Q931 {

namespace {

constexpr unsigned multirate = 24;

// One optional octet of a layer group: its presence bit and its value.
struct groupOctet {
  unsigned bit;
  unsigned char value;
};

// Writes the octets of one group whose presence bits are set, bit 8 clear
// on every one but the last written.
void appendGroup(octets& c, unsigned presence, std::initializer_list<groupOctet> group) {
  std::vector<unsigned char> written;
  for (const groupOctet& o : group)
    if (presence & o.bit) written.push_back(o.value & 0x7F);
  if (!written.empty()) written.back() |= 0x80;
  c.insert(c.end(), written.begin(), written.end());
}

}  // namespace

void lowLayerCompatibility::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  presence = 0;
  transferMode = transferRate = transferCapability = 255;
  contentView view(c);
  unsigned char o;
  if (!view.take(o)) return;
  codingStandard = (o >> 5) & 3;
  transferCapability = o & 0x1F;
  if (!(o & 0x80)) {
    if (!view.take(o)) return;
    presence |= hasO3a;
    negotiationIndicator = (o >> 6) & 1;
  }
  if (!view.take(o)) return;
  transferMode = (o >> 5) & 3;
  transferRate = o & 0x1F;
  if (transferRate == multirate) {
    if (!view.take(o)) return;
    rateMultiplier = o & 0x7F;
  }
  // The layer groups, each opened by an octet that names its layer and
  // continued while the last octet read has bit 8 clear.
  while (view.take(o)) {
    bool more = !(o & 0x80);
    auto next = [&](unsigned bit) {
      if (!more || !view.take(o)) return false;
      presence |= bit;
      more = !(o & 0x80);
      return true;
    };
    switch ((o >> 5) & 3) {
      case 1:
        presence |= hasLayer1;
        layer1Protocol = o & 0x1F;
        if (next(hasO5a)) {
          synchronous = (o >> 6) & 1;
          negotiation = (o >> 5) & 1;
          userRate = o & 0x1F;
        }
        if (next(hasO5b)) {
          if (layer1Protocol == 1) {
            intermediateRate = (o >> 5) & 3;
            nicOnTransmit = (o >> 4) & 1;
            nicOnReceive = (o >> 3) & 1;
            flowControlOnTransmit = (o >> 2) & 1;
            flowControlOnReceive = (o >> 1) & 1;
          } else {
            rateAdaptionHeader = (o >> 6) & 1;
            multipleFrame = (o >> 5) & 1;
            modeOfOperation = (o >> 4) & 1;
            lliNegotiation = (o >> 3) & 1;
            assignor = (o >> 2) & 1;
            inbandNegotiation = (o >> 1) & 1;
          }
        }
        if (next(hasO5c)) {
          stopBits = (o >> 5) & 3;
          dataBits = (o >> 3) & 3;
          parity = o & 7;
        }
        if (next(hasO5d)) {
          duplexMode = (o >> 6) & 1;
          modemType = o & 0x3F;
        }
        break;
      case 2:
        presence |= hasLayer2;
        layer2Protocol = o & 0x1F;
        if (next(hasO6a)) {
          if (layer2Protocol == 16) {
            userLayer2Protocol = o & 0x7F;
          } else {
            layer2Mode = (o >> 5) & 3;
            q933Use = o & 3;
          }
        }
        if (next(hasO6b)) windowSize = o & 0x7F;
        break;
      case 3:
        presence |= hasLayer3;
        layer3Protocol = o & 0x1F;
        if (next(hasO7a)) {
          if (layer3Protocol == 16)
            userLayer3Protocol = o & 0x7F;
          else
            layer3Mode = (o >> 5) & 3;
        }
        if (next(hasO7b)) defaultPacketSize = o & 0x0F;
        if (next(hasO7c)) packetWindowSize = o & 0x7F;
        break;
      default:
        return;  // no layer named: nothing further is understood
    }
    // Octets of a group beyond those known are read over.
    while (more && view.take(o)) more = !(o & 0x80);
  }
}

void lowLayerCompatibility::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)((codingStandard & 3) << 5 | (transferCapability & 0x1F) | (presence & hasO3a ? 0 : 0x80))};
  if (presence & hasO3a) c.push_back((unsigned char)(0x80 | (negotiationIndicator & 1) << 6));
  c.push_back((unsigned char)(0x80 | (transferMode & 3) << 5 | (transferRate & 0x1F)));
  if (transferRate == multirate) c.push_back((unsigned char)(0x80 | (rateMultiplier & 0x7F)));
  unsigned layer1 = presence & (hasLayer1 | hasO5a | hasO5b | hasO5c | hasO5d);
  unsigned char o5b = layer1Protocol == 1
                          ? (unsigned char)((intermediateRate & 3) << 5 | (nicOnTransmit & 1) << 4 |
                                            (nicOnReceive & 1) << 3 | (flowControlOnTransmit & 1) << 2 |
                                            (flowControlOnReceive & 1) << 1)
                          : (unsigned char)((rateAdaptionHeader & 1) << 6 | (multipleFrame & 1) << 5 |
                                            (modeOfOperation & 1) << 4 | (lliNegotiation & 1) << 3 |
                                            (assignor & 1) << 2 | (inbandNegotiation & 1) << 1);
  appendGroup(c, layer1,
              {{hasLayer1, (unsigned char)(0x20 | (layer1Protocol & 0x1F))},
               {hasO5a, (unsigned char)((synchronous & 1) << 6 | (negotiation & 1) << 5 | (userRate & 0x1F))},
               {hasO5b, o5b},
               {hasO5c, (unsigned char)((stopBits & 3) << 5 | (dataBits & 3) << 3 | (parity & 7))},
               {hasO5d, (unsigned char)((duplexMode & 1) << 6 | (modemType & 0x3F))}});
  unsigned char o6a = layer2Protocol == 16 ? (unsigned char)(userLayer2Protocol & 0x7F)
                                           : (unsigned char)((layer2Mode & 3) << 5 | (q933Use & 3));
  appendGroup(c, presence & (hasLayer2 | hasO6a | hasO6b),
              {{hasLayer2, (unsigned char)(0x40 | (layer2Protocol & 0x1F))},
               {hasO6a, o6a},
               {hasO6b, (unsigned char)(windowSize & 0x7F)}});
  unsigned char o7a = layer3Protocol == 16 ? (unsigned char)(userLayer3Protocol & 0x7F)
                                           : (unsigned char)((layer3Mode & 3) << 5);
  appendGroup(c, presence & (hasLayer3 | hasO7a | hasO7b | hasO7c),
              {{hasLayer3, (unsigned char)(0x60 | (layer3Protocol & 0x1F))},
               {hasO7a, o7a},
               {hasO7b, (unsigned char)(defaultPacketSize & 0x0F)},
               {hasO7c, (unsigned char)(packetWindowSize & 0x7F)}});
  writeContent(out, c);
}

void lowLayerCompatibility::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
