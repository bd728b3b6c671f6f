// The H.245 transport address, every alternative of its unicast and multicast
// trees, against octets worked out by hand from X.691 (aligned) and the H.245
// module. The address strings are 3 octets or longer wherever their size
// varies: those are octet-aligned after their length in every reading of the
// standard.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <asn/perCodec.h>
#include <h245/h245.h>

#include "valueFiller.h"

namespace {

using unicast = H245::unicastAddress;
using multicast = H245::multicastAddress;

template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

std::vector<unsigned char> octetsOf(const std::string& hex) {
  std::vector<unsigned char> octets;
  for (size_t i = 0; i + 1 < hex.size(); i += 3)
    octets.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return octets;
}

void setOctets(asn::octetStringBase& value, const std::string& hex) {
  std::vector<unsigned char> octets = octetsOf(hex);
  value.setValue(octets.data(), static_cast<unsigned>(octets.size()));
}

unicast& unicastOf(H245::transportAddress& address) { return *pick<unicast>(address, 0); }
multicast& multicastOf(H245::transportAddress& address) { return *pick<multicast>(address, 1); }

struct addressCase {
  const char* name;
  std::function<void(H245::transportAddress&)> build;
  const char* octets;
};

const addressCase addressCases[] = {
    // Bits: choice extension 0, unicast 0, unicast extension 0, index 000,
    // sequence extension 0, padding; the 4 network octets aligned, the port
    // in two aligned octets (range 65536).
    {"unicastIPAddress",
     [](H245::transportAddress& a) {
       auto* ip = pick<unicast::iPAddress_sequence>(unicastOf(a), 0);
       setOctets(ip->network, "c0 a8 01 02");
       ip->tsapIdentifier = 1720;
     },
     "00 c0 a8 01 02 06 b8"},
    {"unicastIPAddressAllOnes",
     [](H245::transportAddress& a) {
       auto* ip = pick<unicast::iPAddress_sequence>(unicastOf(a), 0);
       setOctets(ip->network, "ff ff ff ff");
       ip->tsapIdentifier = 65535;
     },
     "00 ff ff ff ff ff ff"},
    // Index 001, then 6 and 4 aligned octets; the fixed 2-octet identifier is
    // never aligned, and here already is.
    {"unicastIPXAddress",
     [](H245::transportAddress& a) {
       auto* ipx = pick<unicast::iPXAddress_sequence>(unicastOf(a), 1);
       setOctets(ipx->node, "01 02 03 04 05 06");
       setOctets(ipx->netnum, "0a 0b 0c 0d");
       setOctets(ipx->tsapIdentifier, "12 34");
     },
     "04 01 02 03 04 05 06 0a 0b 0c 0d 12 34"},
    {"unicastIP6Address",
     [](H245::transportAddress& a) {
       auto* ip6 = pick<unicast::iP6Address_sequence>(unicastOf(a), 2);
       setOctets(ip6->network, "20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01");
       ip6->tsapIdentifier = 8080;
     },
     "08 20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01 1f 90"},
    // Index 011 and no sequence below: 6 bits, then 16 aligned octets.
    {"unicastNetBios",
     [](H245::transportAddress& a) {
       auto* name = pick<asn::octetString<16u, 16u, 1>>(unicastOf(a), 3);
       setOctets(*name, "47 4b 20 20 20 20 20 20 20 20 20 20 20 20 20 00");
     },
     "0c 47 4b 20 20 20 20 20 20 20 20 20 20 20 20 20 00"},
    // Index 100, sequence extension 0, routing loose 1: exactly one octet;
    // the route list's count in one aligned octet, each hop 4 octets.
    {"unicastIPSourceRouteAddress",
     [](H245::transportAddress& a) {
       auto* route = pick<unicast::iPSourceRouteAddress_sequence>(unicastOf(a), 4);
       route->routing.select(1);
       setOctets(route->network, "c0 a8 00 01");
       route->tsapIdentifier = 1720;
       setOctets(*route->route.appendNew(), "0a 00 00 01");
       setOctets(*route->route.appendNew(), "0a 00 00 02");
     },
     "11 c0 a8 00 01 06 b8 02 0a 00 00 01 0a 00 00 02"},
    {"unicastIPSourceRouteStrictWithoutHops",
     [](H245::transportAddress& a) {
       auto* route = pick<unicast::iPSourceRouteAddress_sequence>(unicastOf(a), 4);
       route->routing.select(0);
       setOctets(route->network, "7f 00 00 01");
       route->tsapIdentifier = 1;
     },
     "10 7f 00 00 01 00 01 00"},
    // Unicast extension 1, addition 0 as a normally small number (0 000000),
    // then the open type: aligned length, and inside the size 3 in 5 bits
    // (1..20, 00010), padding, the octets.
    {"unicastNsap",
     [](H245::transportAddress& a) { setOctets(*pick<asn::octetString<1u, 20u, 1>>(unicastOf(a), 5), "47 00 05"); },
     "20 00 04 10 47 00 05"},
    {"unicastNsapOfTwentyOctets",
     [](H245::transportAddress& a) {
       setOctets(*pick<asn::octetString<1u, 20u, 1>>(unicastOf(a), 5),
                 "39 84 0f 80 11 22 33 44 55 66 77 88 99 aa bb cc dd ee ff 00");
     },
     "20 00 15 98 39 84 0f 80 11 22 33 44 55 66 77 88 99 aa bb cc dd ee ff 00"},
    // Addition 1 (0 000001); inside: identifier alternative 1 in one bit,
    // country and extension one aligned octet each, manufacturer two, the data
    // with its length octet.
    {"unicastNonStandardAddress",
     [](H245::transportAddress& a) {
       auto* parameter = pick<H245::nonStandardParameter>(unicastOf(a), 6);
       auto* h221 = pick<H245::nonStandardIdentifier::h221NonStandard_sequence>(parameter->nonStandardIdentifier, 1);
       h221->t35CountryCode = 181;
       h221->t35Extension = 0;
       h221->manufacturerCode = 0x1234;
       setOctets(parameter->data, "41 42 43");
     },
     "20 40 09 80 b5 00 12 34 03 41 42 43"},
    // Multicast 1, its extension 0, index 0 in one bit, sequence extension 0.
    {"multicastIPAddress",
     [](H245::transportAddress& a) {
       auto* ip = pick<multicast::iPAddress_sequence>(multicastOf(a), 0);
       setOctets(ip->network, "e0 00 00 01");
       ip->tsapIdentifier = 5000;
     },
     "40 e0 00 00 01 13 88"},
    {"multicastIP6Address",
     [](H245::transportAddress& a) {
       auto* ip6 = pick<multicast::iP6Address_sequence>(multicastOf(a), 1);
       setOctets(ip6->network, "ff 02 00 00 00 00 00 00 00 00 00 00 00 00 00 01");
       ip6->tsapIdentifier = 65535;
     },
     "50 ff 02 00 00 00 00 00 00 00 00 00 00 00 00 00 01 ff ff"},
    {"multicastNsap",
     [](H245::transportAddress& a) { setOctets(*pick<asn::octetString<1u, 20u, 1>>(multicastOf(a), 2), "47 00 05"); },
     "60 00 04 10 47 00 05"},
    // Identifier alternative 0, then the object identifier 0.0.8.245 with its
    // length octet (245 takes two octets, 81 75).
    {"multicastNonStandardAddress",
     [](H245::transportAddress& a) {
       auto* parameter = pick<H245::nonStandardParameter>(multicastOf(a), 3);
       *pick<asn::oid>(parameter->nonStandardIdentifier, 0) = asn::oid(0, 0, 8, 245);
       setOctets(parameter->data, "01 02 03");
     },
     "60 40 0a 00 04 00 08 81 75 03 01 02 03"},
};

class h245TransportAddress : public testing::TestWithParam<addressCase> {};

TEST_P(h245TransportAddress, encodesAsWorkedOutAndDecodesBack) {
  H245::transportAddress address;
  GetParam().build(address);
  EXPECT_EQ(perHex(address), GetParam().octets);

  H245::transportAddress decoded;
  perDecode(decoded, octetsOf(GetParam().octets));
  EXPECT_TRUE(decoded.isEqual(address));
}

INSTANTIATE_TEST_SUITE_P(everyAlternative, h245TransportAddress, testing::ValuesIn(addressCases),
                         [](const testing::TestParamInfo<addressCase>& info) { return std::string(info.param.name); });

}  // namespace
