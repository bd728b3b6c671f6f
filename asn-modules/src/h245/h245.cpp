// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

namespace H245 {

// nonStandardIdentifier::h221NonStandard_sequence
static const asn::componentEntry nonStandardIdentifier_h221NonStandard_sequenceComponents[] = {
    asn::mandatoryComponent<&nonStandardIdentifier::h221NonStandard_sequence::t35CountryCode>("T35CountryCode"),
    asn::mandatoryComponent<&nonStandardIdentifier::h221NonStandard_sequence::t35Extension>("T35Extension"),
    asn::mandatoryComponent<&nonStandardIdentifier::h221NonStandard_sequence::manufacturerCode>("ManufacturerCode"),
};
static const asn::tagTriple nonStandardIdentifier_h221NonStandard_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor nonStandardIdentifier::h221NonStandard_sequence::descriptor = asn::sequenceDescriptor::make(nonStandardIdentifier_h221NonStandard_sequenceComponents, false, nonStandardIdentifier_h221NonStandard_sequenceComponentTags);
nonStandardIdentifier::h221NonStandard_sequence::h221NonStandard_sequence(const h221NonStandard_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
nonStandardIdentifier::h221NonStandard_sequence& nonStandardIdentifier::h221NonStandard_sequence::operator=(const h221NonStandard_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
nonStandardIdentifier::h221NonStandard_sequence::~h221NonStandard_sequence() { reset(); }
asn::object* nonStandardIdentifier::h221NonStandard_sequence::create() { return new h221NonStandard_sequence; }

// nonStandardIdentifier
static const asn::alternativeEntry nonStandardIdentifierAlternatives[] = {
    asn::alternative<asn::oid>("Object"),
    asn::alternative<H245::nonStandardIdentifier::h221NonStandard_sequence>("H221NonStandard"),
};
static const asn::tagTriple nonStandardIdentifierAlternativeTags[] = {{0, 6, 0}, {0, 16, 1}};
const asn::choiceDescriptor nonStandardIdentifier::descriptor = asn::choiceDescriptor::make(nonStandardIdentifierAlternatives, 2, false, nonStandardIdentifierAlternativeTags);
asn::object* nonStandardIdentifier::create() { return new nonStandardIdentifier; }

// nonStandardParameter
static const asn::componentEntry nonStandardParameterComponents[] = {
    asn::mandatoryComponent<&nonStandardParameter::nonStandardIdentifier>("NonStandardIdentifier"),
    asn::mandatoryComponent<&nonStandardParameter::data>("Data"),
};
static const asn::tagTriple nonStandardParameterComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor nonStandardParameter::descriptor = asn::sequenceDescriptor::make(nonStandardParameterComponents, false, nonStandardParameterComponentTags);
nonStandardParameter::nonStandardParameter(const nonStandardParameter& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
nonStandardParameter& nonStandardParameter::operator=(const nonStandardParameter& other) {
  if (this != &other) assign(other);
  return *this;
}
nonStandardParameter::~nonStandardParameter() { reset(); }
asn::object* nonStandardParameter::create() { return new nonStandardParameter; }

// dataProtocolCapability::v76wCompression_choice
static const asn::alternativeEntry dataProtocolCapability_v76wCompression_choiceAlternatives[] = {
    asn::alternative<H245::compressionType>("TransmitCompression"),
    asn::alternative<H245::compressionType>("ReceiveCompression"),
    asn::alternative<H245::compressionType>("TransmitAndReceiveCompression"),
};
static const asn::tagTriple dataProtocolCapability_v76wCompression_choiceAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor dataProtocolCapability::v76wCompression_choice::descriptor = asn::choiceDescriptor::make(dataProtocolCapability_v76wCompression_choiceAlternatives, 3, true, dataProtocolCapability_v76wCompression_choiceAlternativeTags);
asn::object* dataProtocolCapability::v76wCompression_choice::create() { return new v76wCompression_choice; }

// dataProtocolCapability
static const asn::alternativeEntry dataProtocolCapabilityAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("V14buffered"),
    asn::alternative<asn::null>("V42lapm"),
    asn::alternative<asn::null>("HdlcFrameTunnelling"),
    asn::alternative<asn::null>("H310SeparateVCStack"),
    asn::alternative<asn::null>("H310SingleVCStack"),
    asn::alternative<asn::null>("Transparent"),
    asn::alternative<asn::null>("SegmentationAndReassembly"),
    asn::alternative<asn::null>("HdlcFrameTunnelingwSAR"),
    asn::alternative<asn::null>("V120"),
    asn::alternative<asn::null>("SeparateLANStack"),
    asn::alternative<H245::dataProtocolCapability::v76wCompression_choice>("V76wCompression"),
    asn::alternative<asn::null>("Tcp"),
    asn::alternative<asn::null>("Udp"),
};
static const asn::tagTriple dataProtocolCapabilityAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 0, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor dataProtocolCapability::descriptor = asn::choiceDescriptor::make(dataProtocolCapabilityAlternatives, 7, true, dataProtocolCapabilityAlternativeTags);
asn::object* dataProtocolCapability::create() { return new dataProtocolCapability; }

// compressionType
static const asn::alternativeEntry compressionTypeAlternatives[] = {
    asn::alternative<H245::v42bis>("V42bis"),
};
static const asn::tagTriple compressionTypeAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor compressionType::descriptor = asn::choiceDescriptor::make(compressionTypeAlternatives, 1, true, compressionTypeAlternativeTags);
asn::object* compressionType::create() { return new compressionType; }

// v42bis
static const asn::componentEntry v42bisComponents[] = {
    asn::mandatoryComponent<&v42bis::numberOfCodewords>("NumberOfCodewords"),
    asn::mandatoryComponent<&v42bis::maximumStringLength>("MaximumStringLength"),
};
static const asn::tagTriple v42bisComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor v42bis::descriptor = asn::sequenceDescriptor::make(v42bisComponents, true, v42bisComponentTags);
v42bis::v42bis(const v42bis& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v42bis& v42bis::operator=(const v42bis& other) {
  if (this != &other) assign(other);
  return *this;
}
v42bis::~v42bis() { reset(); }
asn::object* v42bis::create() { return new v42bis; }

// t38FaxProfile
static const asn::componentEntry t38FaxProfileComponents[] = {
    asn::mandatoryComponent<&t38FaxProfile::fillBitRemoval>("FillBitRemoval"),
    asn::mandatoryComponent<&t38FaxProfile::transcodingJBIG>("TranscodingJBIG"),
    asn::mandatoryComponent<&t38FaxProfile::transcodingMMR>("TranscodingMMR"),
    asn::additionComponent<&t38FaxProfile::version>("Version"),
    asn::additionComponent<&t38FaxProfile::t38FaxRateManagement>("T38FaxRateManagement"),
    asn::additionComponent<&t38FaxProfile::t38FaxUdpOptions>("T38FaxUdpOptions"),
    asn::additionComponent<&t38FaxProfile::t38FaxTcpOptions>("T38FaxTcpOptions"),
};
static const asn::tagTriple t38FaxProfileComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor t38FaxProfile::descriptor = asn::sequenceDescriptor::make(t38FaxProfileComponents, true, t38FaxProfileComponentTags);
t38FaxProfile::t38FaxProfile(const t38FaxProfile& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxProfile& t38FaxProfile::operator=(const t38FaxProfile& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxProfile::~t38FaxProfile() { reset(); }
asn::object* t38FaxProfile::create() { return new t38FaxProfile; }

// t38FaxRateManagement
static const asn::alternativeEntry t38FaxRateManagementAlternatives[] = {
    asn::alternative<asn::null>("LocalTCF"),
    asn::alternative<asn::null>("TransferredTCF"),
};
static const asn::tagTriple t38FaxRateManagementAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor t38FaxRateManagement::descriptor = asn::choiceDescriptor::make(t38FaxRateManagementAlternatives, 2, true, t38FaxRateManagementAlternativeTags);
asn::object* t38FaxRateManagement::create() { return new t38FaxRateManagement; }

// t38FaxUdpOptions::t38FaxUdpEC_choice
static const asn::alternativeEntry t38FaxUdpOptions_t38FaxUdpEC_choiceAlternatives[] = {
    asn::alternative<asn::null>("T38UDPFEC"),
    asn::alternative<asn::null>("T38UDPRedundancy"),
};
static const asn::tagTriple t38FaxUdpOptions_t38FaxUdpEC_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor t38FaxUdpOptions::t38FaxUdpEC_choice::descriptor = asn::choiceDescriptor::make(t38FaxUdpOptions_t38FaxUdpEC_choiceAlternatives, 2, true, t38FaxUdpOptions_t38FaxUdpEC_choiceAlternativeTags);
asn::object* t38FaxUdpOptions::t38FaxUdpEC_choice::create() { return new t38FaxUdpEC_choice; }

// t38FaxUdpOptions
static const asn::componentEntry t38FaxUdpOptionsComponents[] = {
    asn::optionalComponent<&t38FaxUdpOptions::t38FaxMaxBuffer>("T38FaxMaxBuffer"),
    asn::optionalComponent<&t38FaxUdpOptions::t38FaxMaxDatagram>("T38FaxMaxDatagram"),
    asn::mandatoryComponent<&t38FaxUdpOptions::t38FaxUdpEC>("T38FaxUdpEC"),
};
static const asn::tagTriple t38FaxUdpOptionsComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor t38FaxUdpOptions::descriptor = asn::sequenceDescriptor::make(t38FaxUdpOptionsComponents, false, t38FaxUdpOptionsComponentTags);
t38FaxUdpOptions::t38FaxUdpOptions(const t38FaxUdpOptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxUdpOptions& t38FaxUdpOptions::operator=(const t38FaxUdpOptions& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxUdpOptions::~t38FaxUdpOptions() { reset(); }
asn::object* t38FaxUdpOptions::create() { return new t38FaxUdpOptions; }

// t38FaxTcpOptions
static const asn::componentEntry t38FaxTcpOptionsComponents[] = {
    asn::mandatoryComponent<&t38FaxTcpOptions::t38TCPBidirectionalMode>("T38TCPBidirectionalMode"),
};
static const asn::tagTriple t38FaxTcpOptionsComponentTags[] = {{0, 1, 0}};
const asn::sequenceDescriptor t38FaxTcpOptions::descriptor = asn::sequenceDescriptor::make(t38FaxTcpOptionsComponents, true, t38FaxTcpOptionsComponentTags);
t38FaxTcpOptions::t38FaxTcpOptions(const t38FaxTcpOptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxTcpOptions& t38FaxTcpOptions::operator=(const t38FaxTcpOptions& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxTcpOptions::~t38FaxTcpOptions() { reset(); }
asn::object* t38FaxTcpOptions::create() { return new t38FaxTcpOptions; }

// transportAddress
static const asn::alternativeEntry transportAddressAlternatives[] = {
    asn::alternative<H245::unicastAddress>("UnicastAddress"),
    asn::alternative<H245::multicastAddress>("MulticastAddress"),
};
static const asn::tagTriple transportAddressAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor transportAddress::descriptor = asn::choiceDescriptor::make(transportAddressAlternatives, 2, true, transportAddressAlternativeTags);
asn::object* transportAddress::create() { return new transportAddress; }

// unicastAddress::iPAddress_sequence
static const asn::componentEntry unicastAddress_iPAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&unicastAddress::iPAddress_sequence::network>("Network"),
    asn::mandatoryComponent<&unicastAddress::iPAddress_sequence::tsapIdentifier>("TsapIdentifier"),
};
static const asn::tagTriple unicastAddress_iPAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor unicastAddress::iPAddress_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iPAddress_sequenceComponents, true, unicastAddress_iPAddress_sequenceComponentTags);
unicastAddress::iPAddress_sequence::iPAddress_sequence(const iPAddress_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unicastAddress::iPAddress_sequence& unicastAddress::iPAddress_sequence::operator=(const iPAddress_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
unicastAddress::iPAddress_sequence::~iPAddress_sequence() { reset(); }
asn::object* unicastAddress::iPAddress_sequence::create() { return new iPAddress_sequence; }

// unicastAddress::iPXAddress_sequence
static const asn::componentEntry unicastAddress_iPXAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&unicastAddress::iPXAddress_sequence::node>("Node"),
    asn::mandatoryComponent<&unicastAddress::iPXAddress_sequence::netnum>("Netnum"),
    asn::mandatoryComponent<&unicastAddress::iPXAddress_sequence::tsapIdentifier>("TsapIdentifier"),
};
static const asn::tagTriple unicastAddress_iPXAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor unicastAddress::iPXAddress_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iPXAddress_sequenceComponents, true, unicastAddress_iPXAddress_sequenceComponentTags);
unicastAddress::iPXAddress_sequence::iPXAddress_sequence(const iPXAddress_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unicastAddress::iPXAddress_sequence& unicastAddress::iPXAddress_sequence::operator=(const iPXAddress_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
unicastAddress::iPXAddress_sequence::~iPXAddress_sequence() { reset(); }
asn::object* unicastAddress::iPXAddress_sequence::create() { return new iPXAddress_sequence; }

// unicastAddress::iP6Address_sequence
static const asn::componentEntry unicastAddress_iP6Address_sequenceComponents[] = {
    asn::mandatoryComponent<&unicastAddress::iP6Address_sequence::network>("Network"),
    asn::mandatoryComponent<&unicastAddress::iP6Address_sequence::tsapIdentifier>("TsapIdentifier"),
};
static const asn::tagTriple unicastAddress_iP6Address_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor unicastAddress::iP6Address_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iP6Address_sequenceComponents, true, unicastAddress_iP6Address_sequenceComponentTags);
unicastAddress::iP6Address_sequence::iP6Address_sequence(const iP6Address_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unicastAddress::iP6Address_sequence& unicastAddress::iP6Address_sequence::operator=(const iP6Address_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
unicastAddress::iP6Address_sequence::~iP6Address_sequence() { reset(); }
asn::object* unicastAddress::iP6Address_sequence::create() { return new iP6Address_sequence; }

// unicastAddress::iPSourceRouteAddress_sequence::routing_choice
static const asn::alternativeEntry unicastAddress_iPSourceRouteAddress_sequence_routing_choiceAlternatives[] = {
    asn::alternative<asn::null>("Strict"),
    asn::alternative<asn::null>("Loose"),
};
static const asn::tagTriple unicastAddress_iPSourceRouteAddress_sequence_routing_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor unicastAddress::iPSourceRouteAddress_sequence::routing_choice::descriptor = asn::choiceDescriptor::make(unicastAddress_iPSourceRouteAddress_sequence_routing_choiceAlternatives, 2, false, unicastAddress_iPSourceRouteAddress_sequence_routing_choiceAlternativeTags);
asn::object* unicastAddress::iPSourceRouteAddress_sequence::routing_choice::create() { return new routing_choice; }

// unicastAddress::iPSourceRouteAddress_sequence
static const asn::componentEntry unicastAddress_iPSourceRouteAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::routing>("Routing"),
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::network>("Network"),
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::tsapIdentifier>("TsapIdentifier"),
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::route>("Route"),
};
static const asn::tagTriple unicastAddress_iPSourceRouteAddress_sequenceComponentTags[] = {{0, 0, 0}, {0, 4, 0}, {0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor unicastAddress::iPSourceRouteAddress_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iPSourceRouteAddress_sequenceComponents, true, unicastAddress_iPSourceRouteAddress_sequenceComponentTags);
unicastAddress::iPSourceRouteAddress_sequence::iPSourceRouteAddress_sequence(const iPSourceRouteAddress_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unicastAddress::iPSourceRouteAddress_sequence& unicastAddress::iPSourceRouteAddress_sequence::operator=(const iPSourceRouteAddress_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
unicastAddress::iPSourceRouteAddress_sequence::~iPSourceRouteAddress_sequence() { reset(); }
asn::object* unicastAddress::iPSourceRouteAddress_sequence::create() { return new iPSourceRouteAddress_sequence; }

// unicastAddress
static const asn::alternativeEntry unicastAddressAlternatives[] = {
    asn::alternative<H245::unicastAddress::iPAddress_sequence>("IPAddress"),
    asn::alternative<H245::unicastAddress::iPXAddress_sequence>("IPXAddress"),
    asn::alternative<H245::unicastAddress::iP6Address_sequence>("IP6Address"),
    asn::alternative<asn::octetString<16u, 16u, 1>>("NetBios"),
    asn::alternative<H245::unicastAddress::iPSourceRouteAddress_sequence>("IPSourceRouteAddress"),
    asn::alternative<asn::octetString<1u, 20u, 1>>("Nsap"),
    asn::alternative<H245::nonStandardParameter>("NonStandardAddress"),
};
static const asn::tagTriple unicastAddressAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 4, 0}, {0, 16, 1}, {0, 4, 0}, {0, 16, 1}};
const asn::choiceDescriptor unicastAddress::descriptor = asn::choiceDescriptor::make(unicastAddressAlternatives, 5, true, unicastAddressAlternativeTags);
asn::object* unicastAddress::create() { return new unicastAddress; }

// multicastAddress::iPAddress_sequence
static const asn::componentEntry multicastAddress_iPAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&multicastAddress::iPAddress_sequence::network>("Network"),
    asn::mandatoryComponent<&multicastAddress::iPAddress_sequence::tsapIdentifier>("TsapIdentifier"),
};
static const asn::tagTriple multicastAddress_iPAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor multicastAddress::iPAddress_sequence::descriptor = asn::sequenceDescriptor::make(multicastAddress_iPAddress_sequenceComponents, true, multicastAddress_iPAddress_sequenceComponentTags);
multicastAddress::iPAddress_sequence::iPAddress_sequence(const iPAddress_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multicastAddress::iPAddress_sequence& multicastAddress::iPAddress_sequence::operator=(const iPAddress_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multicastAddress::iPAddress_sequence::~iPAddress_sequence() { reset(); }
asn::object* multicastAddress::iPAddress_sequence::create() { return new iPAddress_sequence; }

// multicastAddress::iP6Address_sequence
static const asn::componentEntry multicastAddress_iP6Address_sequenceComponents[] = {
    asn::mandatoryComponent<&multicastAddress::iP6Address_sequence::network>("Network"),
    asn::mandatoryComponent<&multicastAddress::iP6Address_sequence::tsapIdentifier>("TsapIdentifier"),
};
static const asn::tagTriple multicastAddress_iP6Address_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor multicastAddress::iP6Address_sequence::descriptor = asn::sequenceDescriptor::make(multicastAddress_iP6Address_sequenceComponents, true, multicastAddress_iP6Address_sequenceComponentTags);
multicastAddress::iP6Address_sequence::iP6Address_sequence(const iP6Address_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multicastAddress::iP6Address_sequence& multicastAddress::iP6Address_sequence::operator=(const iP6Address_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multicastAddress::iP6Address_sequence::~iP6Address_sequence() { reset(); }
asn::object* multicastAddress::iP6Address_sequence::create() { return new iP6Address_sequence; }

// multicastAddress
static const asn::alternativeEntry multicastAddressAlternatives[] = {
    asn::alternative<H245::multicastAddress::iPAddress_sequence>("IPAddress"),
    asn::alternative<H245::multicastAddress::iP6Address_sequence>("IP6Address"),
    asn::alternative<asn::octetString<1u, 20u, 1>>("Nsap"),
    asn::alternative<H245::nonStandardParameter>("NonStandardAddress"),
};
static const asn::tagTriple multicastAddressAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 4, 0}, {0, 16, 1}};
const asn::choiceDescriptor multicastAddress::descriptor = asn::choiceDescriptor::make(multicastAddressAlternatives, 2, true, multicastAddressAlternativeTags);
asn::object* multicastAddress::create() { return new multicastAddress; }

}  // namespace H245
