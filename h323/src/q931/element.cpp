#include <h323/q931/element.h>

#include <ios>
#include <utility>

namespace Q931 {

encodeRefused::encodeRefused(const char* element, unsigned length, unsigned limit)
    : orvo::exception("Q.931: %s content of %u octets is longer than %u.", element, length, limit) {}

void appendOctets(octets& content, const char* data, unsigned length) {
  content.reserve(content.size() + length);
  for (unsigned i = 0; i < length; ++i) content.push_back((unsigned char)data[i]);
}

octets contentView::take(unsigned count) {
  if (count > remaining()) count = remaining();
  octets out(content_.begin() + long(position_), content_.begin() + long(position_ + count));
  position_ += count;
  return out;
}

void receivedContent::clear() {
  held_ = false;
  received_.clear();
  fromFields_.clear();
}

void receivedContent::keep(const octets& received, octets fromFields) {
  clear();
  if (received == fromFields) return;
  held_ = true;
  received_ = received;
  fromFields_ = std::move(fromFields);
}

const octets& receivedContent::choose(const octets& fromFields) const {
  return held_ && fromFields == fromFields_ ? received_ : fromFields;
}

void element::decode(orvo::byteStream& in) {
  unsigned char octet;
  in.read(&octet, 1);
  id = octet;
}

void element::encode(orvo::byteStream& out) const {
  unsigned char octet = (unsigned char)id;
  out.write(&octet, 1);
}

void element::print(std::ostream& out) const {
  out << '[' << name(id) << ']';
  if (id >= 0) out << " (0x" << std::hex << id << std::dec << ')';
  out << '\n';
}

octets element::readContent(orvo::byteStream& in) {
  unsigned char header[2];
  in.read(header, 2);
  id = header[0];
  octets content(header[1]);
  if (header[1] != 0) in.read(content.data(), header[1]);
  return content;
}

void element::writeContent(orvo::byteStream& out, const octets& content) const {
  if (content.size() > 255) throw new encodeRefused(name(id), unsigned(content.size()), 255);
  unsigned char header[2] = {(unsigned char)id, (unsigned char)content.size()};
  out.write(header, 2);
  if (!content.empty()) out.write(content.data(), unsigned(content.size()));
}

const char* element::name(int id) {
  switch (id) {
    case moreDataId:
      return "MoreData";
    case sendingCompleteId:
      return "SendingComplete";
    case congestionLevelId:
      return "CongestionLevel";
    case repeatIndicatorId:
      return "RepeatIndicator";
    case 0x00:
      return "Segmented";
    case 0x04:
      return "BearerCapability";
    case 0x08:
      return "Cause";
    case 0x10:
      return "CallIdentity";
    case 0x14:
      return "CallState";
    case 0x18:
      return "ChannelIdentification";
    case 0x1C:
      return "Facility";
    case 0x1E:
      return "ProgressIndicator";
    case 0x20:
      return "NetworkFacilities";
    case 0x27:
      return "NotificationIndicator";
    case 0x28:
      return "Display";
    case 0x29:
      return "DateTime";
    case 0x2C:
      return "KeypadFacility";
    case 0x34:
      return "Signal";
    case 0x40:
      return "InformationRate";
    case 0x42:
      return "EndtoEndTransitDelay";
    case 0x43:
      return "TransitDelaySelInd";
    case 0x44:
      return "PacketLayerBinaryParameters";
    case 0x45:
      return "PacketLayerWindowSize";
    case 0x46:
      return "PacketSize";
    case 0x47:
      return "ClosedUserGroup";
    case 0x4A:
      return "ReverseChargeIndication";
    case 0x6C:
      return "CallingPartyNumber";
    case 0x6D:
      return "CallingPartySubAddress";
    case 0x70:
      return "CalledPartyNumber";
    case 0x71:
      return "CalledPartySubAddress";
    case 0x74:
      return "RedirectingNumber";
    case 0x78:
      return "TransitNetworkSelection";
    case 0x79:
      return "RestartIndicator";
    case 0x7C:
      return "LowLayerCompatibility";
    case 0x7D:
      return "HighLayerCompatibility";
    case 0x7E:
      return "UserUser";
    case 0x7F:
      return "EscapeExtension";
    case 0xFFFF:
      return "NotSpecified";
    default:
      return "Not Supported";
  }
}

}  // namespace Q931
