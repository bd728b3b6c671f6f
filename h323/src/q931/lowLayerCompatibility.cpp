#include <h323/q931/compatibility.h>

#include <ios>

#include "traceLines.h"

namespace Q931 {

namespace {

constexpr unsigned multirate = 24;

const trace::named capabilities[] = {{0, "Speech"},
                                     {8, "Unrestricted digital information"},
                                     {9, "Restricted digital information"},
                                     {16, "3.1 kHz audio"},
                                     {17, "Unrestricted digital information with tones/announcements"},
                                     {24, "Video"}};
const trace::named modes[] = {{0, "Circuit"}, {2, "Packet"}};
const trace::named rates[] = {{0, "Packet"},
                              {16, "64 kbit/s"},
                              {17, "2 x 64 kbit/s"},
                              {19, "384 kbit/s"},
                              {21, "1536 kbit/s"},
                              {23, "1920 kbit/s"},
                              {24, "Multirate (64 kbit/s base rate)"}};
const trace::named layer1Protocols[] = {{1, "V110orX30"}, {2, "G711mLaw"}, {3, "G711ALaw"}, {4, "G721"},
                                        {5, "H221H242"},  {7, "NonCCITT"}, {8, "V120"},     {9, "X31"}};
const trace::named userRates[] = {{0, "Rate indicated by E-bits specified in Recommendation I.460 or negotiated"},
                                  {1, "0.6 kbit/s Recommendation V.6 and X.1"},
                                  {2, "1.2 kbit/s Recommendation V.6"},
                                  {3, "2.4 kbit/s Recommendation V.6 and X.1"},
                                  {4, "3.6 kbit/s Recommendation V.6"},
                                  {5, "4.8 kbit/s Recommendation V.6 and X.1"},
                                  {6, "7.2 kbit/s Recommendation V.6"},
                                  {7, "8 kbit/s Recommendation I.460"},
                                  {8, "9.6 kbit/s Recommendation V.6 and X.1"},
                                  {9, "14.4 kbit/s Recommendation V.6"},
                                  {10, "16 kbit/s Recommendation I.460"},
                                  {11, "19.2 kbit/s Recommendation V.6"},
                                  {12, "32 kbit/s Recommendation I.460"},
                                  {14, "48 kbit/s Recommendation V.6 and X.1"},
                                  {15, "56 kbit/s Recommendation V.6"},
                                  {16, "64 kbit/s Recommendation X.1"},
                                  {21, "0.1345 kbit/s Recommendation X.1"},
                                  {22, "0.100 kbit/s Recommendation X.1"},
                                  {23, "0.075/1.2 kbit/s Recommendation V.6 and X.1"},
                                  {24, "1.2/0.075 kbit/s Recommendation V.6 and X.1"},
                                  {25, "0.050 kbit/s Recommendation V.6 and X.1"},
                                  {26, "0.075 kbit/s Recommendation V.6 and X.1"},
                                  {27, "0.110 kbit/s Recommendation V.6 and X.1"},
                                  {28, "0.150 kbit/s Recommendation V.6 and X.1"},
                                  {29, "0.200 kbit/s Recommendation V.6 and X.1"},
                                  {30, "0.300 kbit/s Recommendation V.6 and X.1"},
                                  {31, "12 kbit/s Recommendation V.6 and X.1"}};
const trace::named modemTypes[] = {
    {17, "Recommendation V.21"},     {18, "Recommendation V.22"}, {19, "Recommendation V.22 bis"},
    {20, "Recommendation V.23"},     {21, "Recommendation V.26"}, {22, "Recommendation V.26 bis"},
    {23, "Recommendation V.26 ter"}, {24, "Recommendation V.27"}, {25, "Recommendation V.27 bis"},
    {26, "Recommendation V.27 ter"}, {27, "Recommendation V.29"}, {28, "Recommendation V.32"}};
const trace::named parities[] = {{0, "Odd"}, {2, "Even"}, {3, "None"}, {4, "Forced to 0"}, {5, "Forced to 1"}};
const trace::named layer2Protocols[] = {{1, "Basic mode ISO 1745"},
                                        {2, "Recommendation Q.921 (I.441)"},
                                        {6, "Recommendation X.25, link layer"},
                                        {7, "Recommendation X.25 Multilink"},
                                        {8, "Extended LAPB; for half duplex operation"},
                                        {9, "HDLC ARM (ISO 4335)"},
                                        {10, "HDLC NRM (ISO 4335)"},
                                        {11, "HDLC ABM (ISO 4335)"},
                                        {12, "LAN logical link control"},
                                        {13, "Recommendation X.75. Single Link Procedure (SLP)"},
                                        {14, "Recommendation Q.922"},
                                        {15, "Core aspects of Recommendation Q.922"},
                                        {16, "User specified"},
                                        {17, "ISO 7776 DTE-DTE operation"}};
const trace::named layer3Protocols[] = {{2, "Recommendation Q.931 (I.451)"},
                                        {6, "Recommendation X.25, packet layer"},
                                        {7, "ISO/IEC 8208 (X.25 packet level protocol for data terminal equpment)"},
                                        {8, "Recommendation X.223 | ISO 8878"},
                                        {9, "ISO/IEC 8473 (OSI connection mode protocol)"},
                                        {10, "Recommendation T.70 minimum network layer"},
                                        {11, "ISO/IEC TR 9577 (Protocol identification in the network layer)"},
                                        {16, "User specified"}};
const trace::named packetSizes[] = {{4, "16 octets"},    {5, "32 octets"},    {6, "64 octets"},
                                    {7, "128 octets"},   {8, "256 octets"},   {9, "512 octets"},
                                    {10, "1024 octets"}, {11, "2048 octets"}, {12, "4096 octets"}};
const trace::named intermediateRates[] = {{0, "Not used"}, {1, "8 kbit/s"}, {2, "16 kbit/s"}, {3, "32 kbit/s"}};
const trace::named stopBitCounts[] = {{0, "Not used"}, {1, "1 bit"}, {2, "1.5 bits"}, {3, "2 bits"}};
const trace::named dataBitCounts[] = {{0, "Not used"}, {1, "5 bits"}, {2, "7 bits"}, {3, "8 bits"}};
const trace::named operationModes[] = {{1, "Normal mode of operation"}, {2, "Extended mode of operation"}};

// Modem types 0 to 5 are for national use, 32 to 47 user specified.
const char* modemTypeText(unsigned value) {
  if (value <= 5) return "National use";
  if (value >= 32 && value <= 47) return "User specified";
  return trace::lookup(modemTypes, value);
}

// The lines of a one-bit field: the text of its value, no value part.
void flag(std::ostream& out, const char* label, unsigned bit, const char* zero, const char* one) {
  trace::plain(out, label, bit ? one : zero);
}

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
  readFields(c);
  received.keep(c, content());
}

void lowLayerCompatibility::readFields(const octets& c) {
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

void lowLayerCompatibility::encode(orvo::byteStream& out) const { writeContent(out, received.choose(content())); }

octets lowLayerCompatibility::content() const {
  octets c{(unsigned char)((codingStandard & 3) << 5 | (transferCapability & 0x1F) | (presence & hasO3a ? 0 : 0x80))};
  if (presence & hasO3a) c.push_back((unsigned char)(0x80 | (negotiationIndicator & 1) << 6));
  c.push_back((unsigned char)(0x80 | (transferMode & 3) << 5 | (transferRate & 0x1F)));
  if (transferRate == multirate) c.push_back((unsigned char)(0x80 | (rateMultiplier & 0x7F)));
  unsigned layer1 = presence & (hasLayer1 | hasO5a | hasO5b | hasO5c | hasO5d);
  unsigned char o5b =
      layer1Protocol == 1
          ? (unsigned char)((intermediateRate & 3) << 5 | (nicOnTransmit & 1) << 4 | (nicOnReceive & 1) << 3 |
                            (flowControlOnTransmit & 1) << 2 | (flowControlOnReceive & 1) << 1)
          : (unsigned char)((rateAdaptionHeader & 1) << 6 | (multipleFrame & 1) << 5 | (modeOfOperation & 1) << 4 |
                            (lliNegotiation & 1) << 3 | (assignor & 1) << 2 | (inbandNegotiation & 1) << 1);
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
  unsigned char o7a =
      layer3Protocol == 16 ? (unsigned char)(userLayer3Protocol & 0x7F) : (unsigned char)((layer3Mode & 3) << 5);
  appendGroup(c, presence & (hasLayer3 | hasO7a | hasO7b | hasO7c),
              {{hasLayer3, (unsigned char)(0x60 | (layer3Protocol & 0x1F))},
               {hasO7a, o7a},
               {hasO7b, (unsigned char)(defaultPacketSize & 0x0F)},
               {hasO7c, (unsigned char)(packetWindowSize & 0x7F)}});
  return c;
}

void lowLayerCompatibility::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Coding Standard: ", trace::codingStandard(codingStandard), codingStandard);
  trace::field(out, "  Information transfer capability: ", trace::lookup(capabilities, transferCapability),
               transferCapability);
  if (presence & hasO3a)
    flag(out, "  Negotiation indicator: ", negotiationIndicator, "Out-band negotiation not possible",
         "Out-band negotiation possible");
  trace::field(out, "  Transfer mode: ", trace::lookup(modes, transferMode), transferMode);
  trace::field(out, "  Information transfer rate: ", trace::lookup(rates, transferRate), transferRate);
  if (transferRate == multirate) trace::decimal(out, "  Rate multiplier: ", rateMultiplier);
  if (presence & hasLayer1)
    trace::field(out, "  Layer 1 Protocol: ", trace::lookup(layer1Protocols, layer1Protocol), layer1Protocol);
  if (presence & hasO5a) {
    flag(out, "    Synchronous/Asynchronous: ", synchronous, "Synchronous", "Asynchronous");
    flag(out, "    Negotiation indicator: ", negotiation, "In-band negotiation not possible",
         "In-band negotiation possible");
    trace::field(out, "    User rate: ", trace::lookup(userRates, userRate), userRate);
  }
  if (presence & hasO5b) {
    if (layer1Protocol == 1) {
      trace::field(out, "    Intermediate rate: ", trace::lookup(intermediateRates, intermediateRate),
                   intermediateRate);
      flag(out, "    Network independent clock (NIC) on transmition (Tx): ", nicOnTransmit, "Not required", "Required");
      flag(out, "    Network independent clock (NIC) on reception (Rx): ", nicOnReceive, "Cannot accept", "Can accept");
      flag(out, "    Flow control on transmition (Tx): ", flowControlOnTransmit, "Not required", "Required");
      flag(out, "    Flow control on reception (Rx): ", flowControlOnReceive, "Cannot accept", "Can accept");
    } else {
      flag(out, "    Rate adaption header: ", rateAdaptionHeader, "Not included", "Included");
      flag(out, "    Multiple frame establishment: ", multipleFrame, "Not supported", "Supported");
      flag(out, "    Mode of operation: ", modeOfOperation, "Bit transparent mode of operation",
           "Protocol sensitive mode of operation");
      flag(out, "    Logical link identifier negotiation: ", lliNegotiation, "Default, LLI = 256 only",
           "Full protocol negotiation");
      flag(out, "    Assignor/Assignee: ", assignor, "default assignee", "assignor only");
      flag(out, "    In-band/out-band negotiation: ", inbandNegotiation,
           "Is done with USER INFORMATION messages on temporary signaling connection",
           "Is done in-band using logical link zero");
    }
  }
  if (presence & hasO5c) {
    trace::field(out, "    Number of stop bits: ", trace::lookup(stopBitCounts, stopBits), stopBits);
    trace::field(out, "    Number of data bits: ", trace::lookup(dataBitCounts, dataBits), dataBits);
    trace::field(out, "    Parity: ", trace::lookup(parities, parity), parity);
  }
  if (presence & hasO5d) {
    flag(out, "    Duplex mode: ", duplexMode, "Half duplex", "Full duplex");
    trace::field(out, "    Modem type: ", modemTypeText(modemType), modemType);
  }
  if (presence & hasLayer2)
    trace::field(out, "  Layer 2 Protocol: ", trace::lookup(layer2Protocols, layer2Protocol), layer2Protocol);
  if (presence & hasO6a) {
    if (layer2Protocol == 16) {
      trace::decimal(out, "    User specified: ", userLayer2Protocol);
    } else {
      trace::field(out, "    Mode of operation: ", trace::lookup(operationModes, layer2Mode), layer2Mode);
      trace::field(out, "    Q.933 use: ",
                   q933Use == 0 ? "For use when the coding defined in Recommendation Q.933 is not used" : "Dont known",
                   q933Use);
    }
  }
  if (presence & hasO6b) trace::decimal(out, "    Window size: ", windowSize);
  if (presence & hasLayer3)
    trace::field(out, "  Layer 3 Protocol: ", trace::lookup(layer3Protocols, layer3Protocol), layer3Protocol);
  if (presence & hasO7a) {
    if (layer3Protocol == 16)
      out << "    User specified: 0x" << std::hex << userLayer3Protocol << std::dec << '\n';
    else
      trace::field(out, "    Mode of operation: ", trace::lookup(operationModes, layer3Mode), layer3Mode);
  }
  if (presence & hasO7b)
    trace::field(out, "    Default packet size: ", trace::lookup(packetSizes, defaultPacketSize), defaultPacketSize);
  if (presence & hasO7c) trace::decimal(out, "    Packet window size: ", packetWindowSize);
}

}  // namespace Q931
