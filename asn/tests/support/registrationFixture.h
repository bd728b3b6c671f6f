// A registration-request-shaped type that touches every kind of value, for
// the benchmark and the fuzz target (each includes this header once):
//
//   Registration ::= SEQUENCE {
//     requestSeqNum INTEGER (1..65535), protocolIdentifier OBJECT IDENTIFIER,
//     nonStandardData OCTET STRING OPTIONAL, discoveryComplete BOOLEAN,
//     callSignalAddress SEQUENCE OF Address, rasAddress SEQUENCE OF Address,
//     terminalType Terminal, terminalAlias SEQUENCE OF Alias OPTIONAL,
//     gatekeeperIdentifier BMPString (SIZE (1..128)) OPTIONAL, endpointVendor Vendor, ...,
//     timeToLive INTEGER (1..4294967295), keepAlive BOOLEAN,
//     endpointIdentifier BMPString (SIZE (1..128)), tokens SEQUENCE OF Token,
//     callModel CallModel, stamp GeneralizedTime, held Vendor as an open type }
//   Address ::= CHOICE { ipAddress SEQUENCE { ip OCTET STRING (SIZE (4)), port INTEGER (0..65535) }, ...,
//                        ip6Address SEQUENCE { ip OCTET STRING (SIZE (16)), port INTEGER (0..65535), ... } }
//   Alias ::= CHOICE { dialedDigits IA5String (SIZE (1..128)) (FROM ("#*,0123456789")),
//                      h323_ID BMPString (SIZE (1..256)), ..., url_ID IA5String (SIZE (1..512)),
//                      partyNumber NumericString (SIZE (1..16)) }
//   Terminal ::= SEQUENCE { vendor Vendor OPTIONAL, mc BOOLEAN, undefinedNode BOOLEAN, ..., set BIT STRING (SIZE (32))
//   } Vendor ::= SEQUENCE { t35CountryCode INTEGER (0..255), manufacturerCode INTEGER (0..65535),
//                         productId OCTET STRING (SIZE (1..256)) OPTIONAL, ... }
//   Token ::= SEQUENCE { tokenOID OBJECT IDENTIFIER, timeStamp INTEGER (1..4294967295) OPTIONAL,
//                        password BMPString (SIZE (1..128)) OPTIONAL, random INTEGER OPTIONAL, ...,
//                        hash BIT STRING OPTIONAL, label PrintableString OPTIONAL }
//   CallModel ::= ENUMERATED { direct, gatekeeperRouted, ... }
#pragma once

#include <asn/asn.h>

namespace ras {

inline const char dialledDigits[] = "#*,0123456789";

#define RAS_FIXTURE_SEQUENCE(name)                                        \
public:                                                                   \
  static const asn::sequenceDescriptor descriptor;                        \
  name() : asn::sequence(&descriptor) {}                                  \
  name(const name& other) : asn::sequence(&descriptor) { assign(other); } \
  name& operator=(const name& other) {                                    \
    assign(other);                                                        \
    return *this;                                                         \
  }                                                                       \
  ~name() override { reset(); }                                           \
  static asn::object* create() { return new name; }

class vendor : public asn::sequence {
  RAS_FIXTURE_SEQUENCE(vendor)
  asn::integer<0u, 255u, 1> t35CountryCode;
  asn::integer<0u, 65535u, 1> manufacturerCode;
  asn::octetString<1u, 256u, 1>* productId = nullptr;
};

class terminal : public asn::sequence {
  RAS_FIXTURE_SEQUENCE(terminal)
  ras::vendor* vendor = nullptr;
  asn::booltype mc;
  asn::booltype undefinedNode;
  asn::bitString<32u, 32u, 1>* set = nullptr;
};

class address : public asn::choice {
public:
  class ipAddress_sequence : public asn::sequence {
    RAS_FIXTURE_SEQUENCE(ipAddress_sequence)
    asn::octetString<4u, 4u, 1> ip;
    asn::integer<0u, 65535u, 1> port;
  };
  class ip6Address_sequence : public asn::sequence {
    RAS_FIXTURE_SEQUENCE(ip6Address_sequence)
    asn::octetString<16u, 16u, 1> ip;
    asn::integer<0u, 65535u, 1> port;
  };
  static const asn::choiceDescriptor descriptor;
  address() : asn::choice(&descriptor) {}
  static asn::object* create() { return new address; }
};

class alias : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;
  alias() : asn::choice(&descriptor) {}
  static asn::object* create() { return new alias; }
};

class token : public asn::sequence {
  RAS_FIXTURE_SEQUENCE(token)
  asn::oid tokenOID;
  asn::integer<1u, 4294967295u, 1>* timeStamp = nullptr;
  asn::bmpString<1u, 128u, 1>* password = nullptr;
  asn::integer<0u, 0u, 1>* random = nullptr;
  asn::bitString<0u, 0u, 1>* hash = nullptr;
  asn::printableString<0u, 0u, 1, asn::constrainedString::PrintableSet, 74u>* label = nullptr;
};

class callModel : public asn::enumerated {
public:
  static const asn::enumeratedDescriptor descriptor;
  callModel() : asn::enumerated(&descriptor) {}
  static asn::object* create() { return new callModel; }
};

class registration : public asn::sequence {
  RAS_FIXTURE_SEQUENCE(registration)
  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  asn::octetString<0u, 0u, 1>* nonStandardData = nullptr;
  asn::booltype discoveryComplete;
  asn::sequenceOf<address, 0u, 0u, 1> callSignalAddress;
  asn::sequenceOf<address, 0u, 0u, 1> rasAddress;
  terminal terminalType;
  asn::sequenceOf<alias, 0u, 0u, 1>* terminalAlias = nullptr;
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;
  vendor endpointVendor;
  asn::integer<1u, 4294967295u, 1>* timeToLive = nullptr;
  asn::booltype* keepAlive = nullptr;
  asn::bmpString<1u, 128u, 1>* endpointIdentifier = nullptr;
  asn::sequenceOf<token, 0u, 0u, 1>* tokens = nullptr;
  ras::callModel* model = nullptr;
  asn::generalizedTime* stamp = nullptr;
  asn::anytype<vendor>* held = nullptr;
};

#undef RAS_FIXTURE_SEQUENCE

inline const asn::componentEntry vendorComponents[] = {
    asn::mandatoryComponent<&vendor::t35CountryCode>("T35CountryCode"),
    asn::mandatoryComponent<&vendor::manufacturerCode>("ManufacturerCode"),
    asn::optionalComponent<&vendor::productId>("ProductId"),
};
inline const asn::sequenceDescriptor vendor::descriptor = asn::sequenceDescriptor::make(vendorComponents, true);

inline const asn::componentEntry terminalComponents[] = {
    asn::optionalComponent<&terminal::vendor>("Vendor"),
    asn::mandatoryComponent<&terminal::mc>("Mc"),
    asn::mandatoryComponent<&terminal::undefinedNode>("UndefinedNode"),
    asn::additionComponent<&terminal::set>("Set"),
};
inline const asn::sequenceDescriptor terminal::descriptor = asn::sequenceDescriptor::make(terminalComponents, true);

inline const asn::componentEntry ipAddressComponents[] = {
    asn::mandatoryComponent<&address::ipAddress_sequence::ip>("Ip"),
    asn::mandatoryComponent<&address::ipAddress_sequence::port>("Port"),
};
inline const asn::sequenceDescriptor address::ipAddress_sequence::descriptor =
    asn::sequenceDescriptor::make(ipAddressComponents, false);
inline const asn::componentEntry ip6AddressComponents[] = {
    asn::mandatoryComponent<&address::ip6Address_sequence::ip>("Ip"),
    asn::mandatoryComponent<&address::ip6Address_sequence::port>("Port"),
};
inline const asn::sequenceDescriptor address::ip6Address_sequence::descriptor =
    asn::sequenceDescriptor::make(ip6AddressComponents, true);
inline const asn::alternativeEntry addressAlternatives[] = {
    asn::alternative<address::ipAddress_sequence>("IpAddress"),
    asn::alternative<address::ip6Address_sequence>("Ip6Address"),
};
inline const asn::choiceDescriptor address::descriptor = asn::choiceDescriptor::make(addressAlternatives, 1, true);

inline const asn::alternativeEntry aliasAlternatives[] = {
    asn::alternative<asn::IA5String<1u, 128u, 1, dialledDigits, 13u>>("DialedDigits"),
    asn::alternative<asn::bmpString<1u, 256u, 1>>("H323_ID"),
    asn::alternative<asn::IA5String<1u, 512u, 1, asn::constrainedString::IA5Set, 128u>>("Url_ID"),
    asn::alternative<asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u>>("PartyNumber"),
};
inline const asn::choiceDescriptor alias::descriptor = asn::choiceDescriptor::make(aliasAlternatives, 2, true);

inline const asn::componentEntry tokenComponents[] = {
    asn::mandatoryComponent<&token::tokenOID>("TokenOID"), asn::optionalComponent<&token::timeStamp>("TimeStamp"),
    asn::optionalComponent<&token::password>("Password"),  asn::optionalComponent<&token::random>("Random"),
    asn::additionComponent<&token::hash>("Hash"),          asn::additionComponent<&token::label>("Label"),
};
inline const asn::sequenceDescriptor token::descriptor = asn::sequenceDescriptor::make(tokenComponents, true);

inline const asn::namedValue callModelValues[] = {{0, "Direct"}, {1, "GatekeeperRouted"}};
inline const asn::enumeratedDescriptor callModel::descriptor =
    asn::enumeratedDescriptor::make(callModelValues, 2, true);

inline const asn::componentEntry registrationComponents[] = {
    asn::mandatoryComponent<&registration::requestSeqNum>("RequestSeqNum"),
    asn::mandatoryComponent<&registration::protocolIdentifier>("ProtocolIdentifier"),
    asn::optionalComponent<&registration::nonStandardData>("NonStandardData"),
    asn::mandatoryComponent<&registration::discoveryComplete>("DiscoveryComplete"),
    asn::mandatoryComponent<&registration::callSignalAddress>("CallSignalAddress"),
    asn::mandatoryComponent<&registration::rasAddress>("RasAddress"),
    asn::mandatoryComponent<&registration::terminalType>("TerminalType"),
    asn::optionalComponent<&registration::terminalAlias>("TerminalAlias"),
    asn::optionalComponent<&registration::gatekeeperIdentifier>("GatekeeperIdentifier"),
    asn::mandatoryComponent<&registration::endpointVendor>("EndpointVendor"),
    asn::additionComponent<&registration::timeToLive>("TimeToLive"),
    asn::additionComponent<&registration::keepAlive>("KeepAlive"),
    asn::additionComponent<&registration::endpointIdentifier>("EndpointIdentifier"),
    asn::additionComponent<&registration::tokens>("Tokens"),
    asn::additionComponent<&registration::model>("CallModel"),
    asn::additionComponent<&registration::stamp>("Stamp"),
    asn::additionComponent<&registration::held>("Held"),
};
inline const asn::sequenceDescriptor registration::descriptor =
    asn::sequenceDescriptor::make(registrationComponents, true);

// A request as an endpoint sends it: two addresses, three aliases, a
// vendor, a time to live, an identifier and a token.
inline void fillRegistration(registration& r) {
  r.requestSeqNum = 4711;
  r.protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  r.discoveryComplete = true;
  auto* signal =
      static_cast<address::ipAddress_sequence*>(static_cast<address*>(r.callSignalAddress.appendNew())->select(0));
  signal->ip.setValue("\xC0\xA8\x00\x0A", 4);
  signal->port = 1720;
  auto* ras = static_cast<address::ipAddress_sequence*>(static_cast<address*>(r.rasAddress.appendNew())->select(0));
  ras->ip.setValue("\xC0\xA8\x00\x0A", 4);
  ras->port = 1719;
  r.terminalType.mc = false;
  r.terminalType.undefinedNode = false;
  r.terminalAlias = new asn::sequenceOf<alias, 0u, 0u, 1>;
  *static_cast<asn::bmpString<1u, 256u, 1>*>(static_cast<alias*>(r.terminalAlias->appendNew())->select(1)) = "alice";
  *static_cast<asn::IA5String<1u, 128u, 1, dialledDigits, 13u>*>(
      static_cast<alias*>(r.terminalAlias->appendNew())->select(0)) = "2001";
  *static_cast<asn::IA5String<1u, 512u, 1, asn::constrainedString::IA5Set, 128u>*>(
      static_cast<alias*>(r.terminalAlias->appendNew())->select(2)) = "h323:alice@example.org";
  r.endpointVendor.t35CountryCode = 181;
  r.endpointVendor.manufacturerCode = 21324;
  r.endpointVendor.productId = new asn::octetString<1u, 256u, 1>;
  r.endpointVendor.productId->setValue("Endpoint", 8);
  r.timeToLive = new asn::integer<1u, 4294967295u, 1>(300);
  r.keepAlive = new asn::booltype(false);
  r.endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
  *r.endpointIdentifier = "0001abcd";
  r.tokens = new asn::sequenceOf<token, 0u, 0u, 1>;
  token* t = static_cast<token*>(r.tokens->appendNew());
  t->tokenOID = asn::oid(1, 2, 840, 113549, 2, 5);
  t->timeStamp = new asn::integer<1u, 4294967295u, 1>(1070000000);
  t->hash = new asn::bitString<0u, 0u, 1>;
  t->hash->setBits("0123456789abcdef", 128);
  r.model = new callModel;
  r.model->setValue(1);
}

}  // namespace ras
