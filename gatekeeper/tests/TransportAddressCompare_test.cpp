// Which transport addresses a retransmitted request may differ in.
#include <gatekeeper/TransportAddressCompare.h>

#include <gtest/gtest.h>

#include <asn/perCodec.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

typedef H225::transportAddress TAddress;
typedef std::function<void(TAddress&)> TFill;

TFill Ip(unsigned char ALast, unsigned APort) {
  return [=](TAddress& a) {
    auto* ip = static_cast<TAddress::ipAddress_sequence*>(a.select(0));
    const unsigned char octets[4] = {127, 0, 0, ALast};
    ip->ip.setValue(octets, 4);
    ip->port = APort;
  };
}

TFill SourceRoute(unsigned char ALast, unsigned APort, int ARouting, unsigned char AHop) {
  return [=](TAddress& a) {
    auto* route = static_cast<TAddress::ipSourceRoute_sequence*>(a.select(1));
    const unsigned char octets[4] = {127, 0, 0, ALast};
    route->ip.setValue(octets, 4);
    route->port = APort;
    const unsigned char hop[4] = {10, 0, 0, AHop};
    route->route.appendNew()->setValue(hop, 4);
    route->routing.select(ARouting);
  };
}

TFill Ipx(unsigned char ANode, unsigned char ANet, unsigned char APort) {
  return [=](TAddress& a) {
    auto* ipx = static_cast<TAddress::ipxAddress_sequence*>(a.select(2));
    const unsigned char node[6] = {1, 2, 3, 4, 5, ANode}, net[4] = {0, 0, 0, ANet}, port[2] = {0, APort};
    ipx->node.setValue(node, 6);
    ipx->netnum.setValue(net, 4);
    ipx->port.setValue(port, 2);
  };
}

TFill Ip6(unsigned char ALast, unsigned APort) {
  return [=](TAddress& a) {
    auto* ip6 = static_cast<TAddress::ip6Address_sequence*>(a.select(3));
    unsigned char octets[16] = {0};
    octets[15] = ALast;
    ip6->ip.setValue(octets, 16);
    ip6->port = APort;
  };
}

TFill Octets(int AIndex, const char* AText) {
  return [=](TAddress& a) { static_cast<asn::octetStringBase*>(a.select(AIndex))->setValue(AText); };
}

TFill NonStandard(const char* AData) {
  return [=](TAddress& a) {
    auto* parameter = static_cast<H225::nonStandardParameter*>(a.select(6));
    parameter->data.setValue(AData);
  };
}

// A kind of a later version: extension alternative 0 holding two octets.
TFill Later(unsigned char ASecond) {
  return [=](TAddress& a) {
    const unsigned char encoded[] = {0x80, 0x02, 0x01, ASecond};
    asn::per::codec codec(encoded, sizeof encoded);
    a.decode(codec);
  };
}

TFill Nothing() {
  return [](TAddress&) {};
}

std::unique_ptr<TAddress> Make(const TFill& AFill) {
  auto a = std::make_unique<TAddress>();
  AFill(*a);
  return a;
}

}  // namespace

TEST(TransportAddressCompare, EachKindComparesItsOwnFields) {
  struct TCase {
    const char* Name;
    TFill A, B;
    bool Differ;
  };
  const std::vector<TCase> cases = {
      {"same IPv4", Ip(2, 1719), Ip(2, 1719), false},
      {"IPv4 address", Ip(2, 1719), Ip(3, 1719), true},
      {"IPv4 port", Ip(2, 1719), Ip(2, 1720), true},
      {"kinds differ", Ip(2, 1719), Ip6(2, 1719), true},
      {"same route", SourceRoute(2, 1719, 0, 1), SourceRoute(2, 1719, 0, 1), false},
      {"route list is not compared", SourceRoute(2, 1719, 0, 1), SourceRoute(2, 1719, 0, 9), false},
      {"strict and loose routing", SourceRoute(2, 1719, 0, 1), SourceRoute(2, 1719, 1, 1), true},
      {"route port", SourceRoute(2, 1719, 0, 1), SourceRoute(2, 1720, 0, 1), true},
      {"same IPX", Ipx(1, 1, 1), Ipx(1, 1, 1), false},
      {"IPX node", Ipx(1, 1, 1), Ipx(2, 1, 1), true},
      {"IPX network", Ipx(1, 1, 1), Ipx(1, 2, 1), true},
      {"IPX port", Ipx(1, 1, 1), Ipx(1, 1, 2), true},
      {"same IPv6", Ip6(1, 1719), Ip6(1, 1719), false},
      {"IPv6 address", Ip6(1, 1719), Ip6(2, 1719), true},
      {"IPv6 port", Ip6(1, 1719), Ip6(1, 1), true},
      {"same NetBIOS", Octets(4, "0123456789abcdef"), Octets(4, "0123456789abcdef"), false},
      {"NetBIOS name", Octets(4, "0123456789abcdef"), Octets(4, "0123456789abcdeF"), true},
      {"same NSAP", Octets(5, "nsap"), Octets(5, "nsap"), false},
      {"NSAP length", Octets(5, "nsap"), Octets(5, "nsap2"), true},
      {"non-standard never differ", NonStandard("one"), NonStandard("two"), false},
      {"later kind, same octets", Later(7), Later(7), false},
      {"later kind, other octets", Later(7), Later(8), true},
      {"both empty", Nothing(), Nothing(), false},
      {"empty and set", Nothing(), Ip(2, 1719), true},
  };
  for (const TCase& c : cases) {
    std::unique_ptr<TAddress> a = Make(c.A), b = Make(c.B);
    EXPECT_EQ(c.Differ, TransportAddressDiffers(*a, *b)) << c.Name;
    EXPECT_EQ(c.Differ, TransportAddressDiffers(*b, *a)) << c.Name << " (reversed)";
  }
}

TEST(TransportAddressCompare, ListsAreEqualOnlyInTheSameOrder) {
  auto list = [](std::initializer_list<TFill> AFills) {
    auto l = std::make_unique<TTransportAddressList>();
    for (const TFill& f : AFills) f(*l->appendNew());
    return l;
  };
  struct TCase {
    const char* Name;
    std::unique_ptr<TTransportAddressList> A, B;
    bool Equal;
  };
  TCase cases[] = {
      {"both empty", list({}), list({}), true},
      {"same two", list({Ip(2, 1719), Ip(3, 1719)}), list({Ip(2, 1719), Ip(3, 1719)}), true},
      {"other order", list({Ip(2, 1719), Ip(3, 1719)}), list({Ip(3, 1719), Ip(2, 1719)}), false},
      {"one more", list({Ip(2, 1719)}), list({Ip(2, 1719), Ip(2, 1719)}), false},
      {"last differs", list({Ip(2, 1719), Ip(3, 1719)}), list({Ip(2, 1719), Ip(3, 1720)}), false},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(c.Equal, TransportAddressListsEqual(*c.A, *c.B)) << c.Name;
    EXPECT_EQ(c.Equal, TransportAddressListsEqual(*c.B, *c.A)) << c.Name;
  }
}
