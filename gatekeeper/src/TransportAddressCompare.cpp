#include <gatekeeper/TransportAddressCompare.h>

namespace {

typedef H225::transportAddress TAddress;
enum {
  IpAddress = 0,
  IpSourceRoute = 1,
  IpxAddress = 2,
  Ip6Address = 3,
  NetBios = 4,
  Nsap = 5,
  NonStandardAddress = 6
};

template <class T>
const T& As(const TAddress& AAddress) {
  return *static_cast<const T*>(AAddress.alternative());
}

bool SameOctets(const asn::octetStringBase& A, const asn::octetStringBase& B) { return A.value() == B.value(); }

}  // namespace

bool TransportAddressDiffers(const TAddress& A, const TAddress& B) {
  if (A.index() != B.index()) return true;
  switch (A.index()) {
    case IpAddress: {
      const auto& a = As<TAddress::ipAddress_sequence>(A);
      const auto& b = As<TAddress::ipAddress_sequence>(B);
      return !SameOctets(a.ip, b.ip) || a.port.value() != b.port.value();
    }
    case IpSourceRoute: {
      // The route itself is not part of the address the peer answers from.
      const auto& a = As<TAddress::ipSourceRoute_sequence>(A);
      const auto& b = As<TAddress::ipSourceRoute_sequence>(B);
      return !SameOctets(a.ip, b.ip) || a.port.value() != b.port.value() || a.routing.index() != b.routing.index();
    }
    case IpxAddress: {
      const auto& a = As<TAddress::ipxAddress_sequence>(A);
      const auto& b = As<TAddress::ipxAddress_sequence>(B);
      return !SameOctets(a.node, b.node) || !SameOctets(a.netnum, b.netnum) || !SameOctets(a.port, b.port);
    }
    case Ip6Address: {
      const auto& a = As<TAddress::ip6Address_sequence>(A);
      const auto& b = As<TAddress::ip6Address_sequence>(B);
      return !SameOctets(a.ip, b.ip) || a.port.value() != b.port.value();
    }
    case NetBios:
    case Nsap:
      return !SameOctets(As<asn::octetStringBase>(A), As<asn::octetStringBase>(B));
    case NonStandardAddress:
      // Nothing in them is known to name an address.
      return false;
    default:
      // No alternative, or one of a later version kept as its octets.
      return !A.isEqual(B);
  }
}

bool TransportAddressListsEqual(const TTransportAddressList& A, const TTransportAddressList& B) {
  if (A.count() != B.count()) return false;
  const orvo::listNode* b = B.elements().head();
  for (const orvo::listNode* a = A.elements().head(); a; a = a->next, b = b->next)
    if (TransportAddressDiffers(*TTransportAddressList::element(a), *TTransportAddressList::element(b))) return false;
  return true;
}
