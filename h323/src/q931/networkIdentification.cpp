#include <h323/q931/networkIdentification.h>

namespace Q931 {

void networkFacilities::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() < 2) return;
  contentView view(c);
  unsigned char o;
  view.take(o);
  networkIdLength = o;
  networkIdType = networkIdPlan = 0;
  networkId.clear();
  facility = 0;
  if (networkIdLength != 0) {
    view.take(o);
    networkIdType = (o >> 4) & 7;
    networkIdPlan = o & 0x0F;
    octets id = view.take(networkIdLength - 1);
    networkId.assign(id.data(), unsigned(id.size()));
    networkIdLength = unsigned(id.size()) + 1;
  }
  if (view.take(o)) facility = o;
}

void networkFacilities::encode(orvo::byteStream& out) const {
  octets c;
  if (networkIdLength == 0) {
    c.push_back(0);
  } else {
    if (networkId.length() + 1 > 255) throw new encodeRefused(name(id), networkId.length() + 1, 255);
    c.push_back((unsigned char)(networkId.length() + 1));
    c.push_back((unsigned char)((networkIdPlan & 0x0F) | (networkIdType & 7) << 4 | 0x80));
    appendOctets(c, networkId.buffer(), networkId.length());
  }
  c.push_back(facility);
  writeContent(out, c);
}

void networkFacilities::print(std::ostream& out) const { element::print(out); }

void transitNetworkSelection::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  contentView view(c);
  unsigned char o3;
  if (!view.take(o3)) return;
  typeOfNetworkId = (o3 >> 4) & 7;
  networkIdPlan = o3 & 0x0F;
  octets id = view.rest();
  networkId.assign(id.data(), unsigned(id.size()));
}

void transitNetworkSelection::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)((networkIdPlan & 0x0F) | (typeOfNetworkId & 7) << 4 | 0x80)};
  appendOctets(c, networkId.buffer(), networkId.length());
  writeContent(out, c);
}

void transitNetworkSelection::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
