#include "registrationFrame.h"

#include <cstring>

#include <asn/perCodec.h>

namespace {
// RasMessage: 25 root alternatives; registrationRequest is index 3.
constexpr unsigned rasRootAlternatives = 25;
constexpr unsigned registrationRequestIndex = 3;
constexpr unsigned registrationRequestAdditions = 21;
}  // namespace

std::vector<unsigned char> registrationFrame::encode() const {
  asn::per::codec codec;
  orvo::bitStream& bits = codec.stream();
  bits.writeBits(0, 1);  // RasMessage extension bit: a root alternative
  codec.encodeConstrainedWholeNumber(registrationRequestIndex, 0, rasRootAlternatives - 1);
  bits.writeBits(additions.empty() ? 0 : 1, 1);  // RegistrationRequest extension bit
  bits.writeBits(0, 1);                          // nonStandardData absent
  bits.writeBits(terminalAlias.count() ? 1 : 0, 1);
  bits.writeBits(gatekeeperIdentifier.empty() ? 0 : 1, 1);
  asn::integer<1u, 65535u, 1>(requestSeqNum).encode(codec);
  const uint32_t version4[] = {0, 0, 8, 2250, 0, 4};
  asn::oid(version4, 6).encode(codec);  // protocolIdentifier
  asn::booltype(false).encode(codec);   // discoveryComplete
  callSignalAddress.encode(codec);
  rasAddress.encode(codec);
  terminalType.encode(codec);
  if (terminalAlias.count()) terminalAlias.encode(codec);
  if (!gatekeeperIdentifier.empty()) {
    asn::bmpString<1u, 128u, 1> identifier;
    identifier = gatekeeperIdentifier.c_str();
    identifier.encode(codec);
  }
  endpointVendor.encode(codec);
  if (!additions.empty()) {
    codec.encodeNormallySmall(registrationRequestAdditions, 1);
    for (unsigned i = 0; i < registrationRequestAdditions; ++i) bits.writeBits(additions.count(i), 1);
    for (const auto& addition : additions) {
      asn::opentype wrapped;
      wrapped.setValue(*addition.second);
      wrapped.encode(codec);
    }
  }
  const unsigned char* data = codec.stream().data();
  return std::vector<unsigned char>(data, data + codec.stream().octetLength());
}

H225::transportAddress* ipTransport(unsigned char a, unsigned char b, unsigned char c, unsigned char d, unsigned port) {
  auto* address = new H225::transportAddress;
  auto* ip = static_cast<H225::transportAddress::ipAddress_sequence*>(address->select(0));
  const unsigned char octets[] = {a, b, c, d};
  ip->ip.setValue(octets, 4);
  ip->port = port;
  return address;
}

void setVendor(H225::vendorIdentifier& vendor, unsigned country, unsigned manufacturer, const char* product,
               const char* version) {
  vendor.vendor.t35CountryCode = country;
  vendor.vendor.t35Extension = 0;
  vendor.vendor.manufacturerCode = manufacturer;
  delete vendor.productId;
  vendor.productId = new asn::octetString<1u, 256u, 1>;
  vendor.productId->setValue(product, unsigned(std::strlen(product)));
  delete vendor.versionId;
  vendor.versionId = new asn::octetString<1u, 256u, 1>;
  vendor.versionId->setValue(version, unsigned(std::strlen(version)));
}
