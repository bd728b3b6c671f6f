#include <h323/q931/networkIdentification.h>

#include <ios>

#include <orvo/hexDump.h>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named networkIdTypes[] = {
    {0, "User specified"}, {2, "National network identification"}, {3, "International network identification"}};
const trace::named networkIdPlans[] = {
    {0, "Unknown"}, {1, "Carrier Identification Code"}, {3, "Data network identification code (Recommendation X.121)"}};

void printIdentification(std::ostream& out, unsigned type, unsigned plan, const orvo::string& id) {
  out << "  Network identification:\n";
  trace::field(out, "    type: ", trace::lookup(networkIdTypes, type), type);
  trace::field(out, "    plan: ", trace::lookup(networkIdPlans, plan), plan);
  out << "    length(" << std::dec << id.length() << ") dump in hex:\n";
  orvo::hexDump(out, reinterpret_cast<const unsigned char*>(id.buffer()), int(id.length()), "      ");
}

}  // namespace

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
    // The facility octet is mandatory and last: an identification that
    // claims it is cut short of it.
    unsigned room = view.remaining() > 0 ? view.remaining() - 1 : 0;
    octets id = view.take(networkIdLength - 1 < room ? networkIdLength - 1 : room);
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

void networkFacilities::print(std::ostream& out) const {
  element::print(out);
  out << "  Specific: 0x" << std::hex << unsigned(facility) << std::dec << '\n';
  if (networkIdLength != 0) printIdentification(out, networkIdType, networkIdPlan, networkId);
}

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

void transitNetworkSelection::print(std::ostream& out) const {
  element::print(out);
  printIdentification(out, typeOfNetworkId, networkIdPlan, networkId);
}

}  // namespace Q931
