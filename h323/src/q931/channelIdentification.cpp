#include <h323/q931/channelIdentification.h>

#include <ios>

#include <orvo/hexDump.h>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named primarySelections[] = {{0, "No channel"}, {1, "Specified as"}, {2, "Reserved"}, {3, "Any"}};
const trace::named basicSelections[] = {{0, "No channel"}, {1, "B1"}, {2, "B2"}, {3, "Any"}};
const trace::named channelTypes[] = {
    {3, "B-channel units"}, {6, "H0-channel units"}, {8, "H11-channel units"}, {9, "H12-channel units"}};

}  // namespace

channelIdentification channelIdentification::basicInterface(unsigned selection) {
  channelIdentification e;
  e.interfaceType = 0;
  e.exclusive = true;
  e.channelSelection = selection;
  return e;
}

channelIdentification channelIdentification::primaryChannel(unsigned channel) {
  channelIdentification e;
  e.interfaceType = 1;
  e.exclusive = true;
  e.channelSelection = 1;
  e.numberMap = 0;
  e.channelType = 3;
  e.channels.append(channel);
  return e;
}

void channelIdentification::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  interfaceIdentifier.clear();
  contentView view(c);
  unsigned char o3, o;
  if (!view.take(o3)) return;
  interfaceType = (o3 >> 5) & 1;
  exclusive = (o3 & 0x08) != 0;
  dChannel = (o3 & 0x04) != 0;
  channelSelection = o3 & 3;
  if (o3 & 0x40) {
    // One octet after a closed octet 3, else a group up to its last octet.
    while (view.take(o)) {
      interfaceIdentifier.push_back(o);
      if ((o3 & 0x80) || (o & 0x80)) break;
    }
  }
  if (!view.take(o)) return;
  codingStandard = (o >> 5) & 3;
  numberMap = (o >> 4) & 1;
  channelType = o & 0x0F;
  orvo::dlist<unsigned int> found;
  if (numberMap == 0) {
    while (view.take(o)) {
      found.append(o & 0x7Fu);
      if (o & 0x80) break;
    }
  } else if (view.remaining() >= 4 && channelType == 3) {
    octets map = view.take(4);
    uint32_t slots = uint32_t(map[0]) << 24 | uint32_t(map[1]) << 16 | uint32_t(map[2]) << 8 | map[3];
    for (unsigned i = 0; i < 32; ++i)
      if (slots >> i & 1) found.append(i + 1);
  }
  channels = found;
}

void channelIdentification::encode(orvo::byteStream& out) const {
  // An identifier of several octets goes as a group behind an open octet
  // 3, the form in which the decoder reads more than one octet back.
  bool group = interfaceIdentifier.size() > 1;
  octets c{(unsigned char)((group ? 0 : 0x80) | (interfaceType & 1) << 5 | (interfaceIdentifier.empty() ? 0 : 0x40) |
                           (exclusive ? 0x08 : 0) | (dChannel ? 0x04 : 0) | (channelSelection & 3))};
  for (size_t i = 0; i < interfaceIdentifier.size(); ++i)
    c.push_back(i + 1 == interfaceIdentifier.size() ? interfaceIdentifier[i] | 0x80 : interfaceIdentifier[i] & 0x7F);
  if (interfaceType == 1 && channelSelection == 1) {
    c.push_back((unsigned char)(0x80 | (codingStandard & 3) << 5 | (numberMap & 1) << 4 | (channelType & 0x0F)));
    if (numberMap == 0) {
      for (auto n = channels.head(); n; n = n->next)
        c.push_back((unsigned char)((n->value & 0x7F) | (n->next ? 0 : 0x80)));
    } else if (!channels.empty()) {
      // Without a channel the map is left out, as a received octet 3.2
      // without one came.
      uint32_t slots = 0;
      for (unsigned channel : channels)
        if (channel >= 1 && channel <= 32) slots |= uint32_t(1) << (channel - 1);
      for (int shift = 24; shift >= 0; shift -= 8) c.push_back((unsigned char)(slots >> shift));
    }
  }
  writeContent(out, c);
}

unsigned channelIdentification::firstChannel() const { return channels.empty() ? 0 : channels.head()->value; }

void channelIdentification::print(std::ostream& out) const {
  element::print(out);
  if (interfaceType == 1)
    out << "  PRI: channel(" << trace::lookup(primarySelections, channelSelection, "invalid!");
  else
    out << "  BRI: channel(" << trace::lookup(basicSelections, channelSelection, "invalid!");
  out << ") - " << (exclusive ? "Exclusive" : "Preferred") << '\n';
  if (interfaceType == 1 && channelSelection == 1) {
    trace::field(out, "  Coding Standard: ", trace::codingStandard(codingStandard), codingStandard);
    trace::plain(out, "  Channel type: ", trace::lookup(channelTypes, channelType, "unknown"));
    out << "  Channels: " << std::dec;
    for (auto n = channels.head(); n; n = n->next) out << n->value << (n->next ? ", " : "");
    out << '\n';
  }
  if (interfaceIdentifier.empty()) {
    out << "  Interface identifier is not present\n";
  } else {
    out << "  Interface identifier " << std::dec << interfaceIdentifier.size() << " bytes: ";
    orvo::printHex(out, interfaceIdentifier.data(), unsigned(interfaceIdentifier.size()));
    out << '\n';
  }
}

}  // namespace Q931
