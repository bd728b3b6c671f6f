// Generated from asn-modules/generator/modules/h225.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h225/h225.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H225 {

const char PermitedAlphabet0[] = "#*,0123456789";
const char PermitedAlphabet1[] = "#*0123456789abc";

// transportAddress::ipAddress_sequence
static const asn::componentEntry transportAddress_ipAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&transportAddress::ipAddress_sequence::ip>(offsetof(transportAddress::ipAddress_sequence, ip), "Ip"),
    asn::mandatoryComponent<&transportAddress::ipAddress_sequence::port>(offsetof(transportAddress::ipAddress_sequence, port), "Port"),
};
static const asn::tagTriple transportAddress_ipAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor transportAddress::ipAddress_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ipAddress_sequenceComponents, 2, 0x0u, false, transportAddress_ipAddress_sequenceComponentTags);
transportAddress::ipAddress_sequence::ipAddress_sequence(const ipAddress_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transportAddress::ipAddress_sequence& transportAddress::ipAddress_sequence::operator=(const ipAddress_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
transportAddress::ipAddress_sequence::~ipAddress_sequence() { reset(); }
asn::object* transportAddress::ipAddress_sequence::create() { return new ipAddress_sequence; }

// transportAddress::ipSourceRoute_sequence::routing_choice
static const asn::alternativeEntry transportAddress_ipSourceRoute_sequence_routing_choiceAlternatives[] = {
    asn::alternative<asn::null>("Strict"),
    asn::alternative<asn::null>("Loose"),
};
static const asn::tagTriple transportAddress_ipSourceRoute_sequence_routing_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor transportAddress::ipSourceRoute_sequence::routing_choice::descriptor = asn::choiceDescriptor::make(transportAddress_ipSourceRoute_sequence_routing_choiceAlternatives, 2, true, transportAddress_ipSourceRoute_sequence_routing_choiceAlternativeTags);
asn::object* transportAddress::ipSourceRoute_sequence::routing_choice::create() { return new routing_choice; }

// transportAddress::ipSourceRoute_sequence
static const asn::componentEntry transportAddress_ipSourceRoute_sequenceComponents[] = {
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::ip>(offsetof(transportAddress::ipSourceRoute_sequence, ip), "Ip"),
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::port>(offsetof(transportAddress::ipSourceRoute_sequence, port), "Port"),
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::route>(offsetof(transportAddress::ipSourceRoute_sequence, route), "Route"),
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::routing>(offsetof(transportAddress::ipSourceRoute_sequence, routing), "Routing"),
};
static const asn::tagTriple transportAddress_ipSourceRoute_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}, {0, 16, 0}, {0, 0, 0}};
const asn::sequenceDescriptor transportAddress::ipSourceRoute_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ipSourceRoute_sequenceComponents, 4, 0x0u, true, transportAddress_ipSourceRoute_sequenceComponentTags);
transportAddress::ipSourceRoute_sequence::ipSourceRoute_sequence(const ipSourceRoute_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transportAddress::ipSourceRoute_sequence& transportAddress::ipSourceRoute_sequence::operator=(const ipSourceRoute_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
transportAddress::ipSourceRoute_sequence::~ipSourceRoute_sequence() { reset(); }
asn::object* transportAddress::ipSourceRoute_sequence::create() { return new ipSourceRoute_sequence; }

// transportAddress::ipxAddress_sequence
static const asn::componentEntry transportAddress_ipxAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&transportAddress::ipxAddress_sequence::node>(offsetof(transportAddress::ipxAddress_sequence, node), "Node"),
    asn::mandatoryComponent<&transportAddress::ipxAddress_sequence::netnum>(offsetof(transportAddress::ipxAddress_sequence, netnum), "Netnum"),
    asn::mandatoryComponent<&transportAddress::ipxAddress_sequence::port>(offsetof(transportAddress::ipxAddress_sequence, port), "Port"),
};
static const asn::tagTriple transportAddress_ipxAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor transportAddress::ipxAddress_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ipxAddress_sequenceComponents, 3, 0x0u, false, transportAddress_ipxAddress_sequenceComponentTags);
transportAddress::ipxAddress_sequence::ipxAddress_sequence(const ipxAddress_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transportAddress::ipxAddress_sequence& transportAddress::ipxAddress_sequence::operator=(const ipxAddress_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
transportAddress::ipxAddress_sequence::~ipxAddress_sequence() { reset(); }
asn::object* transportAddress::ipxAddress_sequence::create() { return new ipxAddress_sequence; }

// transportAddress::ip6Address_sequence
static const asn::componentEntry transportAddress_ip6Address_sequenceComponents[] = {
    asn::mandatoryComponent<&transportAddress::ip6Address_sequence::ip>(offsetof(transportAddress::ip6Address_sequence, ip), "Ip"),
    asn::mandatoryComponent<&transportAddress::ip6Address_sequence::port>(offsetof(transportAddress::ip6Address_sequence, port), "Port"),
};
static const asn::tagTriple transportAddress_ip6Address_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor transportAddress::ip6Address_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ip6Address_sequenceComponents, 2, 0x0u, true, transportAddress_ip6Address_sequenceComponentTags);
transportAddress::ip6Address_sequence::ip6Address_sequence(const ip6Address_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transportAddress::ip6Address_sequence& transportAddress::ip6Address_sequence::operator=(const ip6Address_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
transportAddress::ip6Address_sequence::~ip6Address_sequence() { reset(); }
asn::object* transportAddress::ip6Address_sequence::create() { return new ip6Address_sequence; }

// transportAddress
static const asn::alternativeEntry transportAddressAlternatives[] = {
    asn::alternative<H225::transportAddress::ipAddress_sequence>("IpAddress"),
    asn::alternative<H225::transportAddress::ipSourceRoute_sequence>("IpSourceRoute"),
    asn::alternative<H225::transportAddress::ipxAddress_sequence>("IpxAddress"),
    asn::alternative<H225::transportAddress::ip6Address_sequence>("Ip6Address"),
    asn::alternative<asn::octetString<16u, 16u, 1>>("NetBios"),
    asn::alternative<asn::octetString<1u, 20u, 1>>("Nsap"),
    asn::alternative<H225::nonStandardParameter>("NonStandardAddress"),
};
static const asn::tagTriple transportAddressAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 4, 0}, {0, 4, 0}, {0, 16, 1}};
const asn::choiceDescriptor transportAddress::descriptor = asn::choiceDescriptor::make(transportAddressAlternatives, 7, true, transportAddressAlternativeTags);
asn::object* transportAddress::create() { return new transportAddress; }

// aliasAddress
static const asn::alternativeEntry aliasAddressAlternatives[] = {
    asn::alternative<asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u>>("DialedDigits"),
    asn::alternative<asn::bmpString<1u, 256u, 1>>("H323_ID"),
    asn::alternative<asn::IA5String<1u, 512u, 1, asn::constrainedString::IA5Set, 128u>>("Url_ID"),
    asn::alternative<H225::transportAddress>("TransportID"),
    asn::alternative<asn::IA5String<1u, 512u, 1, asn::constrainedString::IA5Set, 128u>>("Email_ID"),
    asn::alternative<H225::partyNumber>("PartyNumber"),
    asn::alternative<H225::mobileUIM>("MobileUIM"),
};
static const asn::tagTriple aliasAddressAlternativeTags[] = {{0, 22, 0}, {0, 30, 0}, {0, 22, 0}, {0, 0, 0}, {0, 22, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor aliasAddress::descriptor = asn::choiceDescriptor::make(aliasAddressAlternatives, 2, true, aliasAddressAlternativeTags);
asn::object* aliasAddress::create() { return new aliasAddress; }

// partyNumber
static const asn::alternativeEntry partyNumberAlternatives[] = {
    asn::alternative<H225::publicPartyNumber>("E164Number"),
    asn::alternative<asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u>>("DataPartyNumber"),
    asn::alternative<asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u>>("TelexPartyNumber"),
    asn::alternative<H225::privatePartyNumber>("PrivateNumber"),
    asn::alternative<asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u>>("NationalStandardPartyNumber"),
};
static const asn::tagTriple partyNumberAlternativeTags[] = {{0, 16, 1}, {0, 22, 0}, {0, 22, 0}, {0, 16, 1}, {0, 22, 0}};
const asn::choiceDescriptor partyNumber::descriptor = asn::choiceDescriptor::make(partyNumberAlternatives, 5, true, partyNumberAlternativeTags);
asn::object* partyNumber::create() { return new partyNumber; }

// publicTypeOfNumber
static const asn::alternativeEntry publicTypeOfNumberAlternatives[] = {
    asn::alternative<asn::null>("Unknown"),
    asn::alternative<asn::null>("InternationalNumber"),
    asn::alternative<asn::null>("NationalNumber"),
    asn::alternative<asn::null>("NetworkSpecificNumber"),
    asn::alternative<asn::null>("SubscriberNumber"),
    asn::alternative<asn::null>("AbbreviatedNumber"),
};
static const asn::tagTriple publicTypeOfNumberAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor publicTypeOfNumber::descriptor = asn::choiceDescriptor::make(publicTypeOfNumberAlternatives, 6, true, publicTypeOfNumberAlternativeTags);
asn::object* publicTypeOfNumber::create() { return new publicTypeOfNumber; }

// publicPartyNumber
static const asn::componentEntry publicPartyNumberComponents[] = {
    asn::mandatoryComponent<&publicPartyNumber::publicTypeOfNumber>(offsetof(publicPartyNumber, publicTypeOfNumber), "PublicTypeOfNumber"),
    asn::mandatoryComponent<&publicPartyNumber::publicNumberDigits>(offsetof(publicPartyNumber, publicNumberDigits), "PublicNumberDigits"),
};
static const asn::tagTriple publicPartyNumberComponentTags[] = {{0, 0, 0}, {0, 22, 0}};
const asn::sequenceDescriptor publicPartyNumber::descriptor = asn::sequenceDescriptor::make(publicPartyNumberComponents, 2, 0x0u, false, publicPartyNumberComponentTags);
publicPartyNumber::publicPartyNumber(const publicPartyNumber& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
publicPartyNumber& publicPartyNumber::operator=(const publicPartyNumber& other) {
  if (this != &other) assign(other);
  return *this;
}
publicPartyNumber::~publicPartyNumber() { reset(); }
asn::object* publicPartyNumber::create() { return new publicPartyNumber; }

// privateTypeOfNumber
static const asn::alternativeEntry privateTypeOfNumberAlternatives[] = {
    asn::alternative<asn::null>("Unknown"),
    asn::alternative<asn::null>("Level2RegionalNumber"),
    asn::alternative<asn::null>("Level1RegionalNumber"),
    asn::alternative<asn::null>("PISNSpecificNumber"),
    asn::alternative<asn::null>("LocalNumber"),
    asn::alternative<asn::null>("AbbreviatedNumber"),
};
static const asn::tagTriple privateTypeOfNumberAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor privateTypeOfNumber::descriptor = asn::choiceDescriptor::make(privateTypeOfNumberAlternatives, 6, true, privateTypeOfNumberAlternativeTags);
asn::object* privateTypeOfNumber::create() { return new privateTypeOfNumber; }

// privatePartyNumber
static const asn::componentEntry privatePartyNumberComponents[] = {
    asn::mandatoryComponent<&privatePartyNumber::privateTypeOfNumber>(offsetof(privatePartyNumber, privateTypeOfNumber), "PrivateTypeOfNumber"),
    asn::mandatoryComponent<&privatePartyNumber::privateNumberDigits>(offsetof(privatePartyNumber, privateNumberDigits), "PrivateNumberDigits"),
};
static const asn::tagTriple privatePartyNumberComponentTags[] = {{0, 0, 0}, {0, 22, 0}};
const asn::sequenceDescriptor privatePartyNumber::descriptor = asn::sequenceDescriptor::make(privatePartyNumberComponents, 2, 0x0u, false, privatePartyNumberComponentTags);
privatePartyNumber::privatePartyNumber(const privatePartyNumber& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
privatePartyNumber& privatePartyNumber::operator=(const privatePartyNumber& other) {
  if (this != &other) assign(other);
  return *this;
}
privatePartyNumber::~privatePartyNumber() { reset(); }
asn::object* privatePartyNumber::create() { return new privatePartyNumber; }

// mobileUIM
static const asn::alternativeEntry mobileUIMAlternatives[] = {
    asn::alternative<H225::ansi_41_uim>("Ansi_41_uim"),
    asn::alternative<H225::gsm_uim>("Gsm_uim"),
};
static const asn::tagTriple mobileUIMAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor mobileUIM::descriptor = asn::choiceDescriptor::make(mobileUIMAlternatives, 2, true, mobileUIMAlternativeTags);
asn::object* mobileUIM::create() { return new mobileUIM; }

// ansi_41_uim::system_id_choice
static const asn::alternativeEntry ansi_41_uim_system_id_choiceAlternatives[] = {
    asn::alternative<asn::IA5String<1u, 4u, 1, H225::PermitedAlphabet1, 15u>>("Sid"),
    asn::alternative<asn::IA5String<1u, 4u, 1, H225::PermitedAlphabet1, 15u>>("Mid"),
};
static const asn::tagTriple ansi_41_uim_system_id_choiceAlternativeTags[] = {{0, 22, 0}, {0, 22, 0}};
const asn::choiceDescriptor ansi_41_uim::system_id_choice::descriptor = asn::choiceDescriptor::make(ansi_41_uim_system_id_choiceAlternatives, 2, true, ansi_41_uim_system_id_choiceAlternativeTags);
asn::object* ansi_41_uim::system_id_choice::create() { return new system_id_choice; }

// ansi_41_uim
static const asn::componentEntry ansi_41_uimComponents[] = {
    asn::optionalComponent<&ansi_41_uim::imsi>(offsetof(ansi_41_uim, imsi), "Imsi"),
    asn::optionalComponent<&ansi_41_uim::min>(offsetof(ansi_41_uim, min), "Min"),
    asn::optionalComponent<&ansi_41_uim::mdn>(offsetof(ansi_41_uim, mdn), "Mdn"),
    asn::optionalComponent<&ansi_41_uim::msisdn>(offsetof(ansi_41_uim, msisdn), "Msisdn"),
    asn::optionalComponent<&ansi_41_uim::esn>(offsetof(ansi_41_uim, esn), "Esn"),
    asn::optionalComponent<&ansi_41_uim::mscid>(offsetof(ansi_41_uim, mscid), "Mscid"),
    asn::mandatoryComponent<&ansi_41_uim::system_id>(offsetof(ansi_41_uim, system_id), "System_id"),
    asn::optionalComponent<&ansi_41_uim::systemMyTypeCode>(offsetof(ansi_41_uim, systemMyTypeCode), "SystemMyTypeCode"),
    asn::optionalComponent<&ansi_41_uim::systemAccessType>(offsetof(ansi_41_uim, systemAccessType), "SystemAccessType"),
    asn::optionalComponent<&ansi_41_uim::qualificationInformationCode>(offsetof(ansi_41_uim, qualificationInformationCode), "QualificationInformationCode"),
    asn::optionalComponent<&ansi_41_uim::sesn>(offsetof(ansi_41_uim, sesn), "Sesn"),
    asn::optionalComponent<&ansi_41_uim::soc>(offsetof(ansi_41_uim, soc), "Soc"),
};
static const asn::tagTriple ansi_41_uimComponentTags[] = {{0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 0, 0}, {0, 4, 0}, {0, 4, 0}, {0, 4, 0}, {0, 22, 0}, {0, 22, 0}};
const asn::sequenceDescriptor ansi_41_uim::descriptor = asn::sequenceDescriptor::make(ansi_41_uimComponents, 12, 0xFBFu, true, ansi_41_uimComponentTags);
ansi_41_uim::ansi_41_uim(const ansi_41_uim& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
ansi_41_uim& ansi_41_uim::operator=(const ansi_41_uim& other) {
  if (this != &other) assign(other);
  return *this;
}
ansi_41_uim::~ansi_41_uim() { reset(); }
asn::object* ansi_41_uim::create() { return new ansi_41_uim; }

// gsm_uim
static const asn::componentEntry gsm_uimComponents[] = {
    asn::optionalComponent<&gsm_uim::imsi>(offsetof(gsm_uim, imsi), "Imsi"),
    asn::optionalComponent<&gsm_uim::tmsi>(offsetof(gsm_uim, tmsi), "Tmsi"),
    asn::optionalComponent<&gsm_uim::msisdn>(offsetof(gsm_uim, msisdn), "Msisdn"),
    asn::optionalComponent<&gsm_uim::imei>(offsetof(gsm_uim, imei), "Imei"),
    asn::optionalComponent<&gsm_uim::hplmn>(offsetof(gsm_uim, hplmn), "Hplmn"),
    asn::optionalComponent<&gsm_uim::vplmn>(offsetof(gsm_uim, vplmn), "Vplmn"),
};
static const asn::tagTriple gsm_uimComponentTags[] = {{0, 22, 0}, {0, 4, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}};
const asn::sequenceDescriptor gsm_uim::descriptor = asn::sequenceDescriptor::make(gsm_uimComponents, 6, 0x3Fu, true, gsm_uimComponentTags);
gsm_uim::gsm_uim(const gsm_uim& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gsm_uim& gsm_uim::operator=(const gsm_uim& other) {
  if (this != &other) assign(other);
  return *this;
}
gsm_uim::~gsm_uim() { reset(); }
asn::object* gsm_uim::create() { return new gsm_uim; }

// callIdentifier
static const asn::componentEntry callIdentifierComponents[] = {
    asn::mandatoryComponent<&callIdentifier::guid>(offsetof(callIdentifier, guid), "Guid"),
};
static const asn::tagTriple callIdentifierComponentTags[] = {{0, 4, 0}};
const asn::sequenceDescriptor callIdentifier::descriptor = asn::sequenceDescriptor::make(callIdentifierComponents, 1, 0x0u, true, callIdentifierComponentTags);
callIdentifier::callIdentifier(const callIdentifier& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callIdentifier& callIdentifier::operator=(const callIdentifier& other) {
  if (this != &other) assign(other);
  return *this;
}
callIdentifier::~callIdentifier() { reset(); }
asn::object* callIdentifier::create() { return new callIdentifier; }

// callLinkage
static const asn::componentEntry callLinkageComponents[] = {
    asn::optionalComponent<&callLinkage::globalCallId>(offsetof(callLinkage, globalCallId), "GlobalCallId"),
    asn::optionalComponent<&callLinkage::threadId>(offsetof(callLinkage, threadId), "ThreadId"),
};
static const asn::tagTriple callLinkageComponentTags[] = {{0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor callLinkage::descriptor = asn::sequenceDescriptor::make(callLinkageComponents, 2, 0x3u, true, callLinkageComponentTags);
callLinkage::callLinkage(const callLinkage& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callLinkage& callLinkage::operator=(const callLinkage& other) {
  if (this != &other) assign(other);
  return *this;
}
callLinkage::~callLinkage() { reset(); }
asn::object* callLinkage::create() { return new callLinkage; }

// callType
static const asn::alternativeEntry callTypeAlternatives[] = {
    asn::alternative<asn::null>("PointToPoint"),
    asn::alternative<asn::null>("OneToN"),
    asn::alternative<asn::null>("NToOne"),
    asn::alternative<asn::null>("NToN"),
};
static const asn::tagTriple callTypeAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor callType::descriptor = asn::choiceDescriptor::make(callTypeAlternatives, 4, true, callTypeAlternativeTags);
asn::object* callType::create() { return new callType; }

// releaseCompleteReason
static const asn::alternativeEntry releaseCompleteReasonAlternatives[] = {
    asn::alternative<asn::null>("NoBandwidth"),
    asn::alternative<asn::null>("GatekeeperResources"),
    asn::alternative<asn::null>("UnreachableDestination"),
    asn::alternative<asn::null>("DestinationRejection"),
    asn::alternative<asn::null>("InvalidRevision"),
    asn::alternative<asn::null>("NoPermission"),
    asn::alternative<asn::null>("UnreachableGatekeeper"),
    asn::alternative<asn::null>("GatewayResources"),
    asn::alternative<asn::null>("BadFormatAddress"),
    asn::alternative<asn::null>("AdaptiveBusy"),
    asn::alternative<asn::null>("InConf"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("FacilityCallDeflection"),
    asn::alternative<asn::null>("SecurityDenied"),
    asn::alternative<asn::null>("CalledPartyNotRegistered"),
    asn::alternative<asn::null>("CallerNotRegistered"),
    asn::alternative<asn::null>("NewConnectionNeeded"),
    asn::alternative<H225::nonStandardParameter>("NonStandardReason"),
    asn::alternative<asn::octetString<16u, 16u, 1>>("ReplaceWithConferenceInvite"),
    asn::alternative<asn::null>("GenericDataReason"),
    asn::alternative<asn::null>("NeededFeatureNotSupported"),
    asn::alternative<asn::null>("TunnelledSignallingRejected"),
};
static const asn::tagTriple releaseCompleteReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 4, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor releaseCompleteReason::descriptor = asn::choiceDescriptor::make(releaseCompleteReasonAlternatives, 12, true, releaseCompleteReasonAlternativeTags);
asn::object* releaseCompleteReason::create() { return new releaseCompleteReason; }

// nonStandardIdentifier
static const asn::alternativeEntry nonStandardIdentifierAlternatives[] = {
    asn::alternative<asn::oid>("Object"),
    asn::alternative<H225::h221NonStandard>("H221NonStandard"),
};
static const asn::tagTriple nonStandardIdentifierAlternativeTags[] = {{0, 6, 0}, {0, 16, 1}};
const asn::choiceDescriptor nonStandardIdentifier::descriptor = asn::choiceDescriptor::make(nonStandardIdentifierAlternatives, 2, true, nonStandardIdentifierAlternativeTags);
asn::object* nonStandardIdentifier::create() { return new nonStandardIdentifier; }

// nonStandardParameter
static const asn::componentEntry nonStandardParameterComponents[] = {
    asn::mandatoryComponent<&nonStandardParameter::nonStandardIdentifier>(offsetof(nonStandardParameter, nonStandardIdentifier), "NonStandardIdentifier"),
    asn::mandatoryComponent<&nonStandardParameter::data>(offsetof(nonStandardParameter, data), "Data"),
};
static const asn::tagTriple nonStandardParameterComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor nonStandardParameter::descriptor = asn::sequenceDescriptor::make(nonStandardParameterComponents, 2, 0x0u, false, nonStandardParameterComponentTags);
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

// h221NonStandard
static const asn::componentEntry h221NonStandardComponents[] = {
    asn::mandatoryComponent<&h221NonStandard::t35CountryCode>(offsetof(h221NonStandard, t35CountryCode), "T35CountryCode"),
    asn::mandatoryComponent<&h221NonStandard::t35Extension>(offsetof(h221NonStandard, t35Extension), "T35Extension"),
    asn::mandatoryComponent<&h221NonStandard::manufacturerCode>(offsetof(h221NonStandard, manufacturerCode), "ManufacturerCode"),
};
static const asn::tagTriple h221NonStandardComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h221NonStandard::descriptor = asn::sequenceDescriptor::make(h221NonStandardComponents, 3, 0x0u, true, h221NonStandardComponentTags);
h221NonStandard::h221NonStandard(const h221NonStandard& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h221NonStandard& h221NonStandard::operator=(const h221NonStandard& other) {
  if (this != &other) assign(other);
  return *this;
}
h221NonStandard::~h221NonStandard() { reset(); }
asn::object* h221NonStandard::create() { return new h221NonStandard; }

// genericIdentifier
static const asn::alternativeEntry genericIdentifierAlternatives[] = {
    asn::alternative<asn::integer<0u, 16383u, 2>>("Standard"),
    asn::alternative<asn::oid>("Oid"),
    asn::alternative<asn::octetString<16u, 16u, 1>>("NonStandard"),
};
static const asn::tagTriple genericIdentifierAlternativeTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 4, 0}};
const asn::choiceDescriptor genericIdentifier::descriptor = asn::choiceDescriptor::make(genericIdentifierAlternatives, 3, true, genericIdentifierAlternativeTags);
asn::object* genericIdentifier::create() { return new genericIdentifier; }

// genericData
static const asn::componentEntry genericDataComponents[] = {
    asn::mandatoryComponent<&genericData::id>(offsetof(genericData, id), "Id"),
    asn::optionalComponent<&genericData::parameters>(offsetof(genericData, parameters), "Parameters"),
};
static const asn::tagTriple genericDataComponentTags[] = {{0, 0, 0}, {0, 16, 0}};
const asn::sequenceDescriptor genericData::descriptor = asn::sequenceDescriptor::make(genericDataComponents, 2, 0x2u, true, genericDataComponentTags);
genericData::genericData(const genericData& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
genericData& genericData::operator=(const genericData& other) {
  if (this != &other) assign(other);
  return *this;
}
genericData::~genericData() { reset(); }
asn::object* genericData::create() { return new genericData; }

// enumeratedParameter
static const asn::componentEntry enumeratedParameterComponents[] = {
    asn::mandatoryComponent<&enumeratedParameter::id>(offsetof(enumeratedParameter, id), "Id"),
    asn::optionalComponent<&enumeratedParameter::content>(offsetof(enumeratedParameter, content), "Content"),
};
static const asn::tagTriple enumeratedParameterComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor enumeratedParameter::descriptor = asn::sequenceDescriptor::make(enumeratedParameterComponents, 2, 0x2u, true, enumeratedParameterComponentTags);
enumeratedParameter::enumeratedParameter(const enumeratedParameter& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
enumeratedParameter& enumeratedParameter::operator=(const enumeratedParameter& other) {
  if (this != &other) assign(other);
  return *this;
}
enumeratedParameter::~enumeratedParameter() { reset(); }
asn::object* enumeratedParameter::create() { return new enumeratedParameter; }

// content
static const asn::alternativeEntry contentAlternatives[] = {
    asn::alternative<asn::octetString<0u, 0u, 1>>("Raw"),
    asn::alternative<asn::IA5String<0u, 0u, 1, asn::constrainedString::IA5Set, 128u>>("Text"),
    asn::alternative<asn::bmpString<0u, 0u, 1>>("Unicode"),
    asn::alternative<asn::booltype>("Bool"),
    asn::alternative<asn::integer<0u, 255u, 1>>("Number8"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("Number16"),
    asn::alternative<asn::integer<0u, 4294967295u, 1>>("Number32"),
    asn::alternative<H225::genericIdentifier>("Id"),
    asn::alternative<H225::aliasAddress>("Alias"),
    asn::alternative<H225::transportAddress>("Transport"),
    asn::alternative<asn::sequenceOf<H225::enumeratedParameter, 1u, 512u, 1>>("Compound"),
    asn::alternative<asn::sequenceOf<H225::genericData, 1u, 16u, 1>>("Nested"),
};
static const asn::tagTriple contentAlternativeTags[] = {{0, 4, 0}, {0, 22, 0}, {0, 30, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::choiceDescriptor content::descriptor = asn::choiceDescriptor::make(contentAlternatives, 12, true, contentAlternativeTags);
asn::object* content::create() { return new content; }

// featureSet
static const asn::componentEntry featureSetComponents[] = {
    asn::mandatoryComponent<&featureSet::replacementFeatureSet>(offsetof(featureSet, replacementFeatureSet), "ReplacementFeatureSet"),
    asn::optionalComponent<&featureSet::neededFeatures>(offsetof(featureSet, neededFeatures), "NeededFeatures"),
    asn::optionalComponent<&featureSet::desiredFeatures>(offsetof(featureSet, desiredFeatures), "DesiredFeatures"),
    asn::optionalComponent<&featureSet::supportedFeatures>(offsetof(featureSet, supportedFeatures), "SupportedFeatures"),
};
static const asn::tagTriple featureSetComponentTags[] = {{0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor featureSet::descriptor = asn::sequenceDescriptor::make(featureSetComponents, 4, 0xEu, true, featureSetComponentTags);
featureSet::featureSet(const featureSet& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
featureSet& featureSet::operator=(const featureSet& other) {
  if (this != &other) assign(other);
  return *this;
}
featureSet::~featureSet() { reset(); }
asn::object* featureSet::create() { return new featureSet; }

// endpointType
static const asn::componentEntry endpointTypeComponents[] = {
    asn::optionalComponent<&endpointType::nonStandardData>(offsetof(endpointType, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&endpointType::vendor>(offsetof(endpointType, vendor), "Vendor"),
    asn::optionalComponent<&endpointType::gatekeeper>(offsetof(endpointType, gatekeeper), "Gatekeeper"),
    asn::optionalComponent<&endpointType::gateway>(offsetof(endpointType, gateway), "Gateway"),
    asn::optionalComponent<&endpointType::mcu>(offsetof(endpointType, mcu), "Mcu"),
    asn::optionalComponent<&endpointType::terminal>(offsetof(endpointType, terminal), "Terminal"),
    asn::mandatoryComponent<&endpointType::mc>(offsetof(endpointType, mc), "Mc"),
    asn::mandatoryComponent<&endpointType::undefinedNode>(offsetof(endpointType, undefinedNode), "UndefinedNode"),
    asn::additionComponent<&endpointType::set>(offsetof(endpointType, set), "Set"),
    asn::additionComponent<&endpointType::supportedTunnelledProtocols>(offsetof(endpointType, supportedTunnelledProtocols), "SupportedTunnelledProtocols"),
};
static const asn::tagTriple endpointTypeComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 1, 0}, {0, 1, 0}, {0, 3, 0}, {0, 16, 0}};
const asn::sequenceDescriptor endpointType::descriptor = asn::sequenceDescriptor::make(endpointTypeComponents, 8, 0x3Fu, true, endpointTypeComponentTags);
endpointType::endpointType(const endpointType& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
endpointType& endpointType::operator=(const endpointType& other) {
  if (this != &other) assign(other);
  return *this;
}
endpointType::~endpointType() { reset(); }
asn::object* endpointType::create() { return new endpointType; }

// vendorIdentifier
static const asn::componentEntry vendorIdentifierComponents[] = {
    asn::mandatoryComponent<&vendorIdentifier::vendor>(offsetof(vendorIdentifier, vendor), "Vendor"),
    asn::optionalComponent<&vendorIdentifier::productId>(offsetof(vendorIdentifier, productId), "ProductId"),
    asn::optionalComponent<&vendorIdentifier::versionId>(offsetof(vendorIdentifier, versionId), "VersionId"),
};
static const asn::tagTriple vendorIdentifierComponentTags[] = {{0, 16, 1}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor vendorIdentifier::descriptor = asn::sequenceDescriptor::make(vendorIdentifierComponents, 3, 0x6u, true, vendorIdentifierComponentTags);
vendorIdentifier::vendorIdentifier(const vendorIdentifier& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vendorIdentifier& vendorIdentifier::operator=(const vendorIdentifier& other) {
  if (this != &other) assign(other);
  return *this;
}
vendorIdentifier::~vendorIdentifier() { reset(); }
asn::object* vendorIdentifier::create() { return new vendorIdentifier; }

// gatekeeperInfo
static const asn::componentEntry gatekeeperInfoComponents[] = {
    asn::optionalComponent<&gatekeeperInfo::nonStandardData>(offsetof(gatekeeperInfo, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple gatekeeperInfoComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor gatekeeperInfo::descriptor = asn::sequenceDescriptor::make(gatekeeperInfoComponents, 1, 0x1u, true, gatekeeperInfoComponentTags);
gatekeeperInfo::gatekeeperInfo(const gatekeeperInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gatekeeperInfo& gatekeeperInfo::operator=(const gatekeeperInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
gatekeeperInfo::~gatekeeperInfo() { reset(); }
asn::object* gatekeeperInfo::create() { return new gatekeeperInfo; }

// terminalInfo
static const asn::componentEntry terminalInfoComponents[] = {
    asn::optionalComponent<&terminalInfo::nonStandardData>(offsetof(terminalInfo, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple terminalInfoComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor terminalInfo::descriptor = asn::sequenceDescriptor::make(terminalInfoComponents, 1, 0x1u, true, terminalInfoComponentTags);
terminalInfo::terminalInfo(const terminalInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalInfo& terminalInfo::operator=(const terminalInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalInfo::~terminalInfo() { reset(); }
asn::object* terminalInfo::create() { return new terminalInfo; }

// gatewayInfo
static const asn::componentEntry gatewayInfoComponents[] = {
    asn::optionalComponent<&gatewayInfo::protocol>(offsetof(gatewayInfo, protocol), "Protocol"),
    asn::optionalComponent<&gatewayInfo::nonStandardData>(offsetof(gatewayInfo, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple gatewayInfoComponentTags[] = {{0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor gatewayInfo::descriptor = asn::sequenceDescriptor::make(gatewayInfoComponents, 2, 0x3u, true, gatewayInfoComponentTags);
gatewayInfo::gatewayInfo(const gatewayInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gatewayInfo& gatewayInfo::operator=(const gatewayInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
gatewayInfo::~gatewayInfo() { reset(); }
asn::object* gatewayInfo::create() { return new gatewayInfo; }

// mcuInfo
static const asn::componentEntry mcuInfoComponents[] = {
    asn::optionalComponent<&mcuInfo::nonStandardData>(offsetof(mcuInfo, nonStandardData), "NonStandardData"),
    asn::additionComponent<&mcuInfo::protocol>(offsetof(mcuInfo, protocol), "Protocol"),
};
static const asn::tagTriple mcuInfoComponentTags[] = {{0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor mcuInfo::descriptor = asn::sequenceDescriptor::make(mcuInfoComponents, 1, 0x1u, true, mcuInfoComponentTags);
mcuInfo::mcuInfo(const mcuInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mcuInfo& mcuInfo::operator=(const mcuInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
mcuInfo::~mcuInfo() { reset(); }
asn::object* mcuInfo::create() { return new mcuInfo; }

// supportedProtocols
static const asn::alternativeEntry supportedProtocolsAlternatives[] = {
    asn::alternative<H225::nonStandardParameter>("NonStandardData"),
    asn::alternative<H225::h310Caps>("H310"),
    asn::alternative<H225::h320Caps>("H320"),
    asn::alternative<H225::h321Caps>("H321"),
    asn::alternative<H225::h322Caps>("H322"),
    asn::alternative<H225::h323Caps>("H323"),
    asn::alternative<H225::h324Caps>("H324"),
    asn::alternative<H225::voiceCaps>("Voice"),
    asn::alternative<H225::t120OnlyCaps>("T120_only"),
    asn::alternative<H225::nonStandardProtocol>("NonStandardProtocol"),
    asn::alternative<H225::t38FaxAnnexbOnlyCaps>("T38FaxAnnexbOnly"),
};
static const asn::tagTriple supportedProtocolsAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor supportedProtocols::descriptor = asn::choiceDescriptor::make(supportedProtocolsAlternatives, 9, true, supportedProtocolsAlternativeTags);
asn::object* supportedProtocols::create() { return new supportedProtocols; }

// h310Caps
static const asn::componentEntry h310CapsComponents[] = {
    asn::optionalComponent<&h310Caps::nonStandardData>(offsetof(h310Caps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h310Caps::dataRatesSupported>(offsetof(h310Caps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&h310Caps::supportedPrefixes>(offsetof(h310Caps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple h310CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h310Caps::descriptor = asn::sequenceDescriptor::make(h310CapsComponents, 1, 0x1u, true, h310CapsComponentTags);
h310Caps::h310Caps(const h310Caps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h310Caps& h310Caps::operator=(const h310Caps& other) {
  if (this != &other) assign(other);
  return *this;
}
h310Caps::~h310Caps() { reset(); }
asn::object* h310Caps::create() { return new h310Caps; }

// h320Caps
static const asn::componentEntry h320CapsComponents[] = {
    asn::optionalComponent<&h320Caps::nonStandardData>(offsetof(h320Caps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h320Caps::dataRatesSupported>(offsetof(h320Caps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&h320Caps::supportedPrefixes>(offsetof(h320Caps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple h320CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h320Caps::descriptor = asn::sequenceDescriptor::make(h320CapsComponents, 1, 0x1u, true, h320CapsComponentTags);
h320Caps::h320Caps(const h320Caps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h320Caps& h320Caps::operator=(const h320Caps& other) {
  if (this != &other) assign(other);
  return *this;
}
h320Caps::~h320Caps() { reset(); }
asn::object* h320Caps::create() { return new h320Caps; }

// h321Caps
static const asn::componentEntry h321CapsComponents[] = {
    asn::optionalComponent<&h321Caps::nonStandardData>(offsetof(h321Caps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h321Caps::dataRatesSupported>(offsetof(h321Caps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&h321Caps::supportedPrefixes>(offsetof(h321Caps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple h321CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h321Caps::descriptor = asn::sequenceDescriptor::make(h321CapsComponents, 1, 0x1u, true, h321CapsComponentTags);
h321Caps::h321Caps(const h321Caps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h321Caps& h321Caps::operator=(const h321Caps& other) {
  if (this != &other) assign(other);
  return *this;
}
h321Caps::~h321Caps() { reset(); }
asn::object* h321Caps::create() { return new h321Caps; }

// h322Caps
static const asn::componentEntry h322CapsComponents[] = {
    asn::optionalComponent<&h322Caps::nonStandardData>(offsetof(h322Caps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h322Caps::dataRatesSupported>(offsetof(h322Caps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&h322Caps::supportedPrefixes>(offsetof(h322Caps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple h322CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h322Caps::descriptor = asn::sequenceDescriptor::make(h322CapsComponents, 1, 0x1u, true, h322CapsComponentTags);
h322Caps::h322Caps(const h322Caps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h322Caps& h322Caps::operator=(const h322Caps& other) {
  if (this != &other) assign(other);
  return *this;
}
h322Caps::~h322Caps() { reset(); }
asn::object* h322Caps::create() { return new h322Caps; }

// h323Caps
static const asn::componentEntry h323CapsComponents[] = {
    asn::optionalComponent<&h323Caps::nonStandardData>(offsetof(h323Caps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h323Caps::dataRatesSupported>(offsetof(h323Caps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&h323Caps::supportedPrefixes>(offsetof(h323Caps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple h323CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h323Caps::descriptor = asn::sequenceDescriptor::make(h323CapsComponents, 1, 0x1u, true, h323CapsComponentTags);
h323Caps::h323Caps(const h323Caps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h323Caps& h323Caps::operator=(const h323Caps& other) {
  if (this != &other) assign(other);
  return *this;
}
h323Caps::~h323Caps() { reset(); }
asn::object* h323Caps::create() { return new h323Caps; }

// h324Caps
static const asn::componentEntry h324CapsComponents[] = {
    asn::optionalComponent<&h324Caps::nonStandardData>(offsetof(h324Caps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h324Caps::dataRatesSupported>(offsetof(h324Caps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&h324Caps::supportedPrefixes>(offsetof(h324Caps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple h324CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h324Caps::descriptor = asn::sequenceDescriptor::make(h324CapsComponents, 1, 0x1u, true, h324CapsComponentTags);
h324Caps::h324Caps(const h324Caps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h324Caps& h324Caps::operator=(const h324Caps& other) {
  if (this != &other) assign(other);
  return *this;
}
h324Caps::~h324Caps() { reset(); }
asn::object* h324Caps::create() { return new h324Caps; }

// voiceCaps
static const asn::componentEntry voiceCapsComponents[] = {
    asn::optionalComponent<&voiceCaps::nonStandardData>(offsetof(voiceCaps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&voiceCaps::dataRatesSupported>(offsetof(voiceCaps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&voiceCaps::supportedPrefixes>(offsetof(voiceCaps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple voiceCapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor voiceCaps::descriptor = asn::sequenceDescriptor::make(voiceCapsComponents, 1, 0x1u, true, voiceCapsComponentTags);
voiceCaps::voiceCaps(const voiceCaps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
voiceCaps& voiceCaps::operator=(const voiceCaps& other) {
  if (this != &other) assign(other);
  return *this;
}
voiceCaps::~voiceCaps() { reset(); }
asn::object* voiceCaps::create() { return new voiceCaps; }

// t120OnlyCaps
static const asn::componentEntry t120OnlyCapsComponents[] = {
    asn::optionalComponent<&t120OnlyCaps::nonStandardData>(offsetof(t120OnlyCaps, nonStandardData), "NonStandardData"),
    asn::additionComponent<&t120OnlyCaps::dataRatesSupported>(offsetof(t120OnlyCaps, dataRatesSupported), "DataRatesSupported"),
    asn::additionComponent<&t120OnlyCaps::supportedPrefixes>(offsetof(t120OnlyCaps, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple t120OnlyCapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor t120OnlyCaps::descriptor = asn::sequenceDescriptor::make(t120OnlyCapsComponents, 1, 0x1u, true, t120OnlyCapsComponentTags);
t120OnlyCaps::t120OnlyCaps(const t120OnlyCaps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t120OnlyCaps& t120OnlyCaps::operator=(const t120OnlyCaps& other) {
  if (this != &other) assign(other);
  return *this;
}
t120OnlyCaps::~t120OnlyCaps() { reset(); }
asn::object* t120OnlyCaps::create() { return new t120OnlyCaps; }

// supportedPrefix
static const asn::componentEntry supportedPrefixComponents[] = {
    asn::optionalComponent<&supportedPrefix::nonStandardData>(offsetof(supportedPrefix, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&supportedPrefix::prefix>(offsetof(supportedPrefix, prefix), "Prefix"),
};
static const asn::tagTriple supportedPrefixComponentTags[] = {{0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor supportedPrefix::descriptor = asn::sequenceDescriptor::make(supportedPrefixComponents, 2, 0x1u, true, supportedPrefixComponentTags);
supportedPrefix::supportedPrefix(const supportedPrefix& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
supportedPrefix& supportedPrefix::operator=(const supportedPrefix& other) {
  if (this != &other) assign(other);
  return *this;
}
supportedPrefix::~supportedPrefix() { reset(); }
asn::object* supportedPrefix::create() { return new supportedPrefix; }

// nonStandardProtocol
static const asn::componentEntry nonStandardProtocolComponents[] = {
    asn::optionalComponent<&nonStandardProtocol::nonStandardData>(offsetof(nonStandardProtocol, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&nonStandardProtocol::dataRatesSupported>(offsetof(nonStandardProtocol, dataRatesSupported), "DataRatesSupported"),
    asn::mandatoryComponent<&nonStandardProtocol::supportedPrefixes>(offsetof(nonStandardProtocol, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple nonStandardProtocolComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor nonStandardProtocol::descriptor = asn::sequenceDescriptor::make(nonStandardProtocolComponents, 3, 0x3u, true, nonStandardProtocolComponentTags);
nonStandardProtocol::nonStandardProtocol(const nonStandardProtocol& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
nonStandardProtocol& nonStandardProtocol::operator=(const nonStandardProtocol& other) {
  if (this != &other) assign(other);
  return *this;
}
nonStandardProtocol::~nonStandardProtocol() { reset(); }
asn::object* nonStandardProtocol::create() { return new nonStandardProtocol; }

// t38FaxAnnexbOnlyCaps
static const asn::componentEntry t38FaxAnnexbOnlyCapsComponents[] = {
    asn::optionalComponent<&t38FaxAnnexbOnlyCaps::nonStandardData>(offsetof(t38FaxAnnexbOnlyCaps, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&t38FaxAnnexbOnlyCaps::dataRatesSupported>(offsetof(t38FaxAnnexbOnlyCaps, dataRatesSupported), "DataRatesSupported"),
    asn::mandatoryComponent<&t38FaxAnnexbOnlyCaps::supportedPrefixes>(offsetof(t38FaxAnnexbOnlyCaps, supportedPrefixes), "SupportedPrefixes"),
    asn::mandatoryComponent<&t38FaxAnnexbOnlyCaps::t38FaxProtocol>(offsetof(t38FaxAnnexbOnlyCaps, t38FaxProtocol), "T38FaxProtocol"),
    asn::mandatoryComponent<&t38FaxAnnexbOnlyCaps::t38FaxProfile>(offsetof(t38FaxAnnexbOnlyCaps, t38FaxProfile), "T38FaxProfile"),
};
static const asn::tagTriple t38FaxAnnexbOnlyCapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor t38FaxAnnexbOnlyCaps::descriptor = asn::sequenceDescriptor::make(t38FaxAnnexbOnlyCapsComponents, 5, 0x3u, true, t38FaxAnnexbOnlyCapsComponentTags);
t38FaxAnnexbOnlyCaps::t38FaxAnnexbOnlyCaps(const t38FaxAnnexbOnlyCaps& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxAnnexbOnlyCaps& t38FaxAnnexbOnlyCaps::operator=(const t38FaxAnnexbOnlyCaps& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxAnnexbOnlyCaps::~t38FaxAnnexbOnlyCaps() { reset(); }
asn::object* t38FaxAnnexbOnlyCaps::create() { return new t38FaxAnnexbOnlyCaps; }

// dataRate
static const asn::componentEntry dataRateComponents[] = {
    asn::optionalComponent<&dataRate::nonStandardData>(offsetof(dataRate, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&dataRate::channelRate>(offsetof(dataRate, channelRate), "ChannelRate"),
    asn::optionalComponent<&dataRate::channelMultiplier>(offsetof(dataRate, channelMultiplier), "ChannelMultiplier"),
};
static const asn::tagTriple dataRateComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor dataRate::descriptor = asn::sequenceDescriptor::make(dataRateComponents, 3, 0x5u, true, dataRateComponentTags);
dataRate::dataRate(const dataRate& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataRate& dataRate::operator=(const dataRate& other) {
  if (this != &other) assign(other);
  return *this;
}
dataRate::~dataRate() { reset(); }
asn::object* dataRate::create() { return new dataRate; }

// tunnelledProtocol::id_choice
static const asn::alternativeEntry tunnelledProtocol_id_choiceAlternatives[] = {
    asn::alternative<asn::oid>("TunnelledProtocolObjectID"),
    asn::alternative<H225::tunnelledProtocolAlternateIdentifier>("TunnelledProtocolAlternateID"),
};
static const asn::tagTriple tunnelledProtocol_id_choiceAlternativeTags[] = {{0, 6, 0}, {0, 16, 1}};
const asn::choiceDescriptor tunnelledProtocol::id_choice::descriptor = asn::choiceDescriptor::make(tunnelledProtocol_id_choiceAlternatives, 2, true, tunnelledProtocol_id_choiceAlternativeTags);
asn::object* tunnelledProtocol::id_choice::create() { return new id_choice; }

// tunnelledProtocol
static const asn::componentEntry tunnelledProtocolComponents[] = {
    asn::mandatoryComponent<&tunnelledProtocol::id>(offsetof(tunnelledProtocol, id), "Id"),
    asn::optionalComponent<&tunnelledProtocol::subIdentifier>(offsetof(tunnelledProtocol, subIdentifier), "SubIdentifier"),
};
static const asn::tagTriple tunnelledProtocolComponentTags[] = {{0, 0, 0}, {0, 22, 0}};
const asn::sequenceDescriptor tunnelledProtocol::descriptor = asn::sequenceDescriptor::make(tunnelledProtocolComponents, 2, 0x2u, true, tunnelledProtocolComponentTags);
tunnelledProtocol::tunnelledProtocol(const tunnelledProtocol& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
tunnelledProtocol& tunnelledProtocol::operator=(const tunnelledProtocol& other) {
  if (this != &other) assign(other);
  return *this;
}
tunnelledProtocol::~tunnelledProtocol() { reset(); }
asn::object* tunnelledProtocol::create() { return new tunnelledProtocol; }

// tunnelledProtocolAlternateIdentifier
static const asn::componentEntry tunnelledProtocolAlternateIdentifierComponents[] = {
    asn::mandatoryComponent<&tunnelledProtocolAlternateIdentifier::protocolType>(offsetof(tunnelledProtocolAlternateIdentifier, protocolType), "ProtocolType"),
    asn::optionalComponent<&tunnelledProtocolAlternateIdentifier::protocolVariant>(offsetof(tunnelledProtocolAlternateIdentifier, protocolVariant), "ProtocolVariant"),
};
static const asn::tagTriple tunnelledProtocolAlternateIdentifierComponentTags[] = {{0, 22, 0}, {0, 22, 0}};
const asn::sequenceDescriptor tunnelledProtocolAlternateIdentifier::descriptor = asn::sequenceDescriptor::make(tunnelledProtocolAlternateIdentifierComponents, 2, 0x2u, true, tunnelledProtocolAlternateIdentifierComponentTags);
tunnelledProtocolAlternateIdentifier::tunnelledProtocolAlternateIdentifier(const tunnelledProtocolAlternateIdentifier& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
tunnelledProtocolAlternateIdentifier& tunnelledProtocolAlternateIdentifier::operator=(const tunnelledProtocolAlternateIdentifier& other) {
  if (this != &other) assign(other);
  return *this;
}
tunnelledProtocolAlternateIdentifier::~tunnelledProtocolAlternateIdentifier() { reset(); }
asn::object* tunnelledProtocolAlternateIdentifier::create() { return new tunnelledProtocolAlternateIdentifier; }

// q954Details
static const asn::componentEntry q954DetailsComponents[] = {
    asn::mandatoryComponent<&q954Details::conferenceCalling>(offsetof(q954Details, conferenceCalling), "ConferenceCalling"),
    asn::mandatoryComponent<&q954Details::threePartyService>(offsetof(q954Details, threePartyService), "ThreePartyService"),
};
static const asn::tagTriple q954DetailsComponentTags[] = {{0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor q954Details::descriptor = asn::sequenceDescriptor::make(q954DetailsComponents, 2, 0x0u, true, q954DetailsComponentTags);
q954Details::q954Details(const q954Details& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
q954Details& q954Details::operator=(const q954Details& other) {
  if (this != &other) assign(other);
  return *this;
}
q954Details::~q954Details() { reset(); }
asn::object* q954Details::create() { return new q954Details; }

// qseriesOptions
static const asn::componentEntry qseriesOptionsComponents[] = {
    asn::mandatoryComponent<&qseriesOptions::q932Full>(offsetof(qseriesOptions, q932Full), "Q932Full"),
    asn::mandatoryComponent<&qseriesOptions::q951Full>(offsetof(qseriesOptions, q951Full), "Q951Full"),
    asn::mandatoryComponent<&qseriesOptions::q952Full>(offsetof(qseriesOptions, q952Full), "Q952Full"),
    asn::mandatoryComponent<&qseriesOptions::q953Full>(offsetof(qseriesOptions, q953Full), "Q953Full"),
    asn::mandatoryComponent<&qseriesOptions::q955Full>(offsetof(qseriesOptions, q955Full), "Q955Full"),
    asn::mandatoryComponent<&qseriesOptions::q956Full>(offsetof(qseriesOptions, q956Full), "Q956Full"),
    asn::mandatoryComponent<&qseriesOptions::q957Full>(offsetof(qseriesOptions, q957Full), "Q957Full"),
    asn::mandatoryComponent<&qseriesOptions::q954Info>(offsetof(qseriesOptions, q954Info), "Q954Info"),
};
static const asn::tagTriple qseriesOptionsComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor qseriesOptions::descriptor = asn::sequenceDescriptor::make(qseriesOptionsComponents, 8, 0x0u, true, qseriesOptionsComponentTags);
qseriesOptions::qseriesOptions(const qseriesOptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
qseriesOptions& qseriesOptions::operator=(const qseriesOptions& other) {
  if (this != &other) assign(other);
  return *this;
}
qseriesOptions::~qseriesOptions() { reset(); }
asn::object* qseriesOptions::create() { return new qseriesOptions; }

// callCapacity
static const asn::componentEntry callCapacityComponents[] = {
    asn::optionalComponent<&callCapacity::maximumCallCapacity>(offsetof(callCapacity, maximumCallCapacity), "MaximumCallCapacity"),
    asn::optionalComponent<&callCapacity::currentCallCapacity>(offsetof(callCapacity, currentCallCapacity), "CurrentCallCapacity"),
};
static const asn::tagTriple callCapacityComponentTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor callCapacity::descriptor = asn::sequenceDescriptor::make(callCapacityComponents, 2, 0x3u, true, callCapacityComponentTags);
callCapacity::callCapacity(const callCapacity& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callCapacity& callCapacity::operator=(const callCapacity& other) {
  if (this != &other) assign(other);
  return *this;
}
callCapacity::~callCapacity() { reset(); }
asn::object* callCapacity::create() { return new callCapacity; }

// callCapacityInfo
static const asn::componentEntry callCapacityInfoComponents[] = {
    asn::optionalComponent<&callCapacityInfo::voiceGwCallsAvailable>(offsetof(callCapacityInfo, voiceGwCallsAvailable), "VoiceGwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h310GwCallsAvailable>(offsetof(callCapacityInfo, h310GwCallsAvailable), "H310GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h320GwCallsAvailable>(offsetof(callCapacityInfo, h320GwCallsAvailable), "H320GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h321GwCallsAvailable>(offsetof(callCapacityInfo, h321GwCallsAvailable), "H321GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h322GwCallsAvailable>(offsetof(callCapacityInfo, h322GwCallsAvailable), "H322GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h323GwCallsAvailable>(offsetof(callCapacityInfo, h323GwCallsAvailable), "H323GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h324GwCallsAvailable>(offsetof(callCapacityInfo, h324GwCallsAvailable), "H324GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::t120OnlyGwCallsAvailable>(offsetof(callCapacityInfo, t120OnlyGwCallsAvailable), "T120OnlyGwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::t38FaxAnnexbOnlyGwCallsAvailable>(offsetof(callCapacityInfo, t38FaxAnnexbOnlyGwCallsAvailable), "T38FaxAnnexbOnlyGwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::terminalCallsAvailable>(offsetof(callCapacityInfo, terminalCallsAvailable), "TerminalCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::mcuCallsAvailable>(offsetof(callCapacityInfo, mcuCallsAvailable), "McuCallsAvailable"),
};
static const asn::tagTriple callCapacityInfoComponentTags[] = {{0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor callCapacityInfo::descriptor = asn::sequenceDescriptor::make(callCapacityInfoComponents, 11, 0x7FFu, true, callCapacityInfoComponentTags);
callCapacityInfo::callCapacityInfo(const callCapacityInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callCapacityInfo& callCapacityInfo::operator=(const callCapacityInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
callCapacityInfo::~callCapacityInfo() { reset(); }
asn::object* callCapacityInfo::create() { return new callCapacityInfo; }

// callsAvailable
static const asn::componentEntry callsAvailableComponents[] = {
    asn::mandatoryComponent<&callsAvailable::calls>(offsetof(callsAvailable, calls), "Calls"),
    asn::optionalComponent<&callsAvailable::group>(offsetof(callsAvailable, group), "Group"),
};
static const asn::tagTriple callsAvailableComponentTags[] = {{0, 2, 0}, {0, 22, 0}};
const asn::sequenceDescriptor callsAvailable::descriptor = asn::sequenceDescriptor::make(callsAvailableComponents, 2, 0x2u, true, callsAvailableComponentTags);
callsAvailable::callsAvailable(const callsAvailable& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callsAvailable& callsAvailable::operator=(const callsAvailable& other) {
  if (this != &other) assign(other);
  return *this;
}
callsAvailable::~callsAvailable() { reset(); }
asn::object* callsAvailable::create() { return new callsAvailable; }

// circuitInfo
static const asn::componentEntry circuitInfoComponents[] = {
    asn::optionalComponent<&circuitInfo::sourceCircuitID>(offsetof(circuitInfo, sourceCircuitID), "SourceCircuitID"),
    asn::optionalComponent<&circuitInfo::destinationCircuitID>(offsetof(circuitInfo, destinationCircuitID), "DestinationCircuitID"),
    asn::optionalComponent<&circuitInfo::genericData>(offsetof(circuitInfo, genericData), "GenericData"),
};
static const asn::tagTriple circuitInfoComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor circuitInfo::descriptor = asn::sequenceDescriptor::make(circuitInfoComponents, 3, 0x7u, true, circuitInfoComponentTags);
circuitInfo::circuitInfo(const circuitInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
circuitInfo& circuitInfo::operator=(const circuitInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
circuitInfo::~circuitInfo() { reset(); }
asn::object* circuitInfo::create() { return new circuitInfo; }

// circuitIdentifier
static const asn::componentEntry circuitIdentifierComponents[] = {
    asn::optionalComponent<&circuitIdentifier::cic>(offsetof(circuitIdentifier, cic), "Cic"),
    asn::optionalComponent<&circuitIdentifier::group>(offsetof(circuitIdentifier, group), "Group"),
};
static const asn::tagTriple circuitIdentifierComponentTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor circuitIdentifier::descriptor = asn::sequenceDescriptor::make(circuitIdentifierComponents, 2, 0x3u, true, circuitIdentifierComponentTags);
circuitIdentifier::circuitIdentifier(const circuitIdentifier& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
circuitIdentifier& circuitIdentifier::operator=(const circuitIdentifier& other) {
  if (this != &other) assign(other);
  return *this;
}
circuitIdentifier::~circuitIdentifier() { reset(); }
asn::object* circuitIdentifier::create() { return new circuitIdentifier; }

// cicInfo
static const asn::componentEntry cicInfoComponents[] = {
    asn::mandatoryComponent<&cicInfo::cic>(offsetof(cicInfo, cic), "Cic"),
    asn::mandatoryComponent<&cicInfo::pointCode>(offsetof(cicInfo, pointCode), "PointCode"),
};
static const asn::tagTriple cicInfoComponentTags[] = {{0, 16, 0}, {0, 4, 0}};
const asn::sequenceDescriptor cicInfo::descriptor = asn::sequenceDescriptor::make(cicInfoComponents, 2, 0x0u, true, cicInfoComponentTags);
cicInfo::cicInfo(const cicInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
cicInfo& cicInfo::operator=(const cicInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
cicInfo::~cicInfo() { reset(); }
asn::object* cicInfo::create() { return new cicInfo; }

// groupID
static const asn::componentEntry groupIDComponents[] = {
    asn::optionalComponent<&groupID::member>(offsetof(groupID, member), "Member"),
    asn::mandatoryComponent<&groupID::group>(offsetof(groupID, group), "Group"),
};
static const asn::tagTriple groupIDComponentTags[] = {{0, 16, 0}, {0, 22, 0}};
const asn::sequenceDescriptor groupID::descriptor = asn::sequenceDescriptor::make(groupIDComponents, 2, 0x1u, true, groupIDComponentTags);
groupID::groupID(const groupID& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
groupID& groupID::operator=(const groupID& other) {
  if (this != &other) assign(other);
  return *this;
}
groupID::~groupID() { reset(); }
asn::object* groupID::create() { return new groupID; }

// serviceControlSession::reason_choice
static const asn::alternativeEntry serviceControlSession_reason_choiceAlternatives[] = {
    asn::alternative<asn::null>("Open"),
    asn::alternative<asn::null>("Refresh"),
    asn::alternative<asn::null>("Close"),
};
static const asn::tagTriple serviceControlSession_reason_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor serviceControlSession::reason_choice::descriptor = asn::choiceDescriptor::make(serviceControlSession_reason_choiceAlternatives, 3, true, serviceControlSession_reason_choiceAlternativeTags);
asn::object* serviceControlSession::reason_choice::create() { return new reason_choice; }

// serviceControlSession
static const asn::componentEntry serviceControlSessionComponents[] = {
    asn::mandatoryComponent<&serviceControlSession::sessionId>(offsetof(serviceControlSession, sessionId), "SessionId"),
    asn::optionalComponent<&serviceControlSession::contents>(offsetof(serviceControlSession, contents), "Contents"),
    asn::mandatoryComponent<&serviceControlSession::reason>(offsetof(serviceControlSession, reason), "Reason"),
};
static const asn::tagTriple serviceControlSessionComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor serviceControlSession::descriptor = asn::sequenceDescriptor::make(serviceControlSessionComponents, 3, 0x2u, true, serviceControlSessionComponentTags);
serviceControlSession::serviceControlSession(const serviceControlSession& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
serviceControlSession& serviceControlSession::operator=(const serviceControlSession& other) {
  if (this != &other) assign(other);
  return *this;
}
serviceControlSession::~serviceControlSession() { reset(); }
asn::object* serviceControlSession::create() { return new serviceControlSession; }

// serviceControlDescriptor
static const asn::alternativeEntry serviceControlDescriptorAlternatives[] = {
    asn::alternative<asn::IA5String<0u, 512u, 1, asn::constrainedString::IA5Set, 128u>>("Url"),
    asn::alternative<asn::octetString<0u, 0u, 1>>("Signal"),
    asn::alternative<H225::nonStandardParameter>("NonStandard"),
    asn::alternative<H225::callCreditServiceControl>("CallCreditServiceControl"),
};
static const asn::tagTriple serviceControlDescriptorAlternativeTags[] = {{0, 22, 0}, {0, 4, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor serviceControlDescriptor::descriptor = asn::choiceDescriptor::make(serviceControlDescriptorAlternatives, 4, true, serviceControlDescriptorAlternativeTags);
asn::object* serviceControlDescriptor::create() { return new serviceControlDescriptor; }

// callCreditServiceControl::billingMode_choice
static const asn::alternativeEntry callCreditServiceControl_billingMode_choiceAlternatives[] = {
    asn::alternative<asn::null>("Credit"),
    asn::alternative<asn::null>("Debit"),
};
static const asn::tagTriple callCreditServiceControl_billingMode_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor callCreditServiceControl::billingMode_choice::descriptor = asn::choiceDescriptor::make(callCreditServiceControl_billingMode_choiceAlternatives, 2, true, callCreditServiceControl_billingMode_choiceAlternativeTags);
asn::object* callCreditServiceControl::billingMode_choice::create() { return new billingMode_choice; }

// callCreditServiceControl::callStartingPoint_choice
static const asn::alternativeEntry callCreditServiceControl_callStartingPoint_choiceAlternatives[] = {
    asn::alternative<asn::null>("Alerting"),
    asn::alternative<asn::null>("Connect"),
};
static const asn::tagTriple callCreditServiceControl_callStartingPoint_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor callCreditServiceControl::callStartingPoint_choice::descriptor = asn::choiceDescriptor::make(callCreditServiceControl_callStartingPoint_choiceAlternatives, 2, true, callCreditServiceControl_callStartingPoint_choiceAlternativeTags);
asn::object* callCreditServiceControl::callStartingPoint_choice::create() { return new callStartingPoint_choice; }

// callCreditServiceControl
static const asn::componentEntry callCreditServiceControlComponents[] = {
    asn::optionalComponent<&callCreditServiceControl::amountString>(offsetof(callCreditServiceControl, amountString), "AmountString"),
    asn::optionalComponent<&callCreditServiceControl::billingMode>(offsetof(callCreditServiceControl, billingMode), "BillingMode"),
    asn::optionalComponent<&callCreditServiceControl::callDurationLimit>(offsetof(callCreditServiceControl, callDurationLimit), "CallDurationLimit"),
    asn::optionalComponent<&callCreditServiceControl::enforceCallDurationLimit>(offsetof(callCreditServiceControl, enforceCallDurationLimit), "EnforceCallDurationLimit"),
    asn::optionalComponent<&callCreditServiceControl::callStartingPoint>(offsetof(callCreditServiceControl, callStartingPoint), "CallStartingPoint"),
};
static const asn::tagTriple callCreditServiceControlComponentTags[] = {{0, 30, 0}, {0, 0, 0}, {0, 2, 0}, {0, 1, 0}, {0, 0, 0}};
const asn::sequenceDescriptor callCreditServiceControl::descriptor = asn::sequenceDescriptor::make(callCreditServiceControlComponents, 5, 0x1Fu, true, callCreditServiceControlComponentTags);
callCreditServiceControl::callCreditServiceControl(const callCreditServiceControl& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callCreditServiceControl& callCreditServiceControl::operator=(const callCreditServiceControl& other) {
  if (this != &other) assign(other);
  return *this;
}
callCreditServiceControl::~callCreditServiceControl() { reset(); }
asn::object* callCreditServiceControl::create() { return new callCreditServiceControl; }

// cryptoH323Token::cryptoEPPwdHash_sequence
static const asn::componentEntry cryptoH323Token_cryptoEPPwdHash_sequenceComponents[] = {
    asn::mandatoryComponent<&cryptoH323Token::cryptoEPPwdHash_sequence::alias>(offsetof(cryptoH323Token::cryptoEPPwdHash_sequence, alias), "Alias"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoEPPwdHash_sequence::timeStamp>(offsetof(cryptoH323Token::cryptoEPPwdHash_sequence, timeStamp), "TimeStamp"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoEPPwdHash_sequence::token>(offsetof(cryptoH323Token::cryptoEPPwdHash_sequence, token), "Token"),
};
static const asn::tagTriple cryptoH323Token_cryptoEPPwdHash_sequenceComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoH323Token::cryptoEPPwdHash_sequence::descriptor = asn::sequenceDescriptor::make(cryptoH323Token_cryptoEPPwdHash_sequenceComponents, 3, 0x0u, false, cryptoH323Token_cryptoEPPwdHash_sequenceComponentTags);
cryptoH323Token::cryptoEPPwdHash_sequence::cryptoEPPwdHash_sequence(const cryptoEPPwdHash_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
cryptoH323Token::cryptoEPPwdHash_sequence& cryptoH323Token::cryptoEPPwdHash_sequence::operator=(const cryptoEPPwdHash_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
cryptoH323Token::cryptoEPPwdHash_sequence::~cryptoEPPwdHash_sequence() { reset(); }
asn::object* cryptoH323Token::cryptoEPPwdHash_sequence::create() { return new cryptoEPPwdHash_sequence; }

// cryptoH323Token::cryptoGKPwdHash_sequence
static const asn::componentEntry cryptoH323Token_cryptoGKPwdHash_sequenceComponents[] = {
    asn::mandatoryComponent<&cryptoH323Token::cryptoGKPwdHash_sequence::gatekeeperId>(offsetof(cryptoH323Token::cryptoGKPwdHash_sequence, gatekeeperId), "GatekeeperId"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoGKPwdHash_sequence::timeStamp>(offsetof(cryptoH323Token::cryptoGKPwdHash_sequence, timeStamp), "TimeStamp"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoGKPwdHash_sequence::token>(offsetof(cryptoH323Token::cryptoGKPwdHash_sequence, token), "Token"),
};
static const asn::tagTriple cryptoH323Token_cryptoGKPwdHash_sequenceComponentTags[] = {{0, 30, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoH323Token::cryptoGKPwdHash_sequence::descriptor = asn::sequenceDescriptor::make(cryptoH323Token_cryptoGKPwdHash_sequenceComponents, 3, 0x0u, false, cryptoH323Token_cryptoGKPwdHash_sequenceComponentTags);
cryptoH323Token::cryptoGKPwdHash_sequence::cryptoGKPwdHash_sequence(const cryptoGKPwdHash_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
cryptoH323Token::cryptoGKPwdHash_sequence& cryptoH323Token::cryptoGKPwdHash_sequence::operator=(const cryptoGKPwdHash_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
cryptoH323Token::cryptoGKPwdHash_sequence::~cryptoGKPwdHash_sequence() { reset(); }
asn::object* cryptoH323Token::cryptoGKPwdHash_sequence::create() { return new cryptoGKPwdHash_sequence; }

// cryptoH323Token
static const asn::alternativeEntry cryptoH323TokenAlternatives[] = {
    asn::alternative<H225::cryptoH323Token::cryptoEPPwdHash_sequence>("CryptoEPPwdHash"),
    asn::alternative<H225::cryptoH323Token::cryptoGKPwdHash_sequence>("CryptoGKPwdHash"),
    asn::alternative<H235::encrypted<asn::anytype<H235::clearToken> >>("CryptoEPPwdEncr"),
    asn::alternative<H235::encrypted<asn::anytype<H235::clearToken> >>("CryptoGKPwdEncr"),
    asn::alternative<H235::signed_t<asn::anytype<H235::clearToken> >>("CryptoEPCert"),
    asn::alternative<H235::signed_t<asn::anytype<H235::clearToken> >>("CryptoGKCert"),
    asn::alternative<H235::signed_t<asn::anytype<H235::clearToken> >>("CryptoFastStart"),
    asn::alternative<H235::cryptoToken>("NestedcryptoToken"),
};
static const asn::tagTriple cryptoH323TokenAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}};
const asn::choiceDescriptor cryptoH323Token::descriptor = asn::choiceDescriptor::make(cryptoH323TokenAlternatives, 8, true, cryptoH323TokenAlternativeTags);
asn::object* cryptoH323Token::create() { return new cryptoH323Token; }

// alternateGK
static const asn::componentEntry alternateGKComponents[] = {
    asn::mandatoryComponent<&alternateGK::rasAddress>(offsetof(alternateGK, rasAddress), "RasAddress"),
    asn::optionalComponent<&alternateGK::gatekeeperIdentifier>(offsetof(alternateGK, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::mandatoryComponent<&alternateGK::needToRegister>(offsetof(alternateGK, needToRegister), "NeedToRegister"),
    asn::mandatoryComponent<&alternateGK::priority>(offsetof(alternateGK, priority), "Priority"),
};
static const asn::tagTriple alternateGKComponentTags[] = {{0, 0, 0}, {0, 30, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor alternateGK::descriptor = asn::sequenceDescriptor::make(alternateGKComponents, 4, 0x2u, true, alternateGKComponentTags);
alternateGK::alternateGK(const alternateGK& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
alternateGK& alternateGK::operator=(const alternateGK& other) {
  if (this != &other) assign(other);
  return *this;
}
alternateGK::~alternateGK() { reset(); }
asn::object* alternateGK::create() { return new alternateGK; }

// altGKInfo
static const asn::componentEntry altGKInfoComponents[] = {
    asn::mandatoryComponent<&altGKInfo::alternateGatekeeper>(offsetof(altGKInfo, alternateGatekeeper), "AlternateGatekeeper"),
    asn::mandatoryComponent<&altGKInfo::altGKisPermanent>(offsetof(altGKInfo, altGKisPermanent), "AltGKisPermanent"),
};
static const asn::tagTriple altGKInfoComponentTags[] = {{0, 16, 0}, {0, 1, 0}};
const asn::sequenceDescriptor altGKInfo::descriptor = asn::sequenceDescriptor::make(altGKInfoComponents, 2, 0x0u, true, altGKInfoComponentTags);
altGKInfo::altGKInfo(const altGKInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
altGKInfo& altGKInfo::operator=(const altGKInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
altGKInfo::~altGKInfo() { reset(); }
asn::object* altGKInfo::create() { return new altGKInfo; }

// endpoint
static const asn::componentEntry endpointComponents[] = {
    asn::optionalComponent<&endpoint::nonStandardData>(offsetof(endpoint, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&endpoint::aliasAddress>(offsetof(endpoint, aliasAddress), "AliasAddress"),
    asn::optionalComponent<&endpoint::callSignalAddress>(offsetof(endpoint, callSignalAddress), "CallSignalAddress"),
    asn::optionalComponent<&endpoint::rasAddress>(offsetof(endpoint, rasAddress), "RasAddress"),
    asn::optionalComponent<&endpoint::endpointType>(offsetof(endpoint, endpointType), "EndpointType"),
    asn::optionalComponent<&endpoint::tokens>(offsetof(endpoint, tokens), "Tokens"),
    asn::optionalComponent<&endpoint::cryptoTokens>(offsetof(endpoint, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&endpoint::priority>(offsetof(endpoint, priority), "Priority"),
    asn::optionalComponent<&endpoint::remoteExtensionAddress>(offsetof(endpoint, remoteExtensionAddress), "RemoteExtensionAddress"),
    asn::optionalComponent<&endpoint::destExtraCallInfo>(offsetof(endpoint, destExtraCallInfo), "DestExtraCallInfo"),
    asn::additionComponent<&endpoint::alternateTransportAddresses>(offsetof(endpoint, alternateTransportAddresses), "AlternateTransportAddresses"),
};
static const asn::tagTriple endpointComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 2, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor endpoint::descriptor = asn::sequenceDescriptor::make(endpointComponents, 10, 0x3FFu, true, endpointComponentTags);
endpoint::endpoint(const endpoint& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
endpoint& endpoint::operator=(const endpoint& other) {
  if (this != &other) assign(other);
  return *this;
}
endpoint::~endpoint() { reset(); }
asn::object* endpoint::create() { return new endpoint; }

// alternateTransportAddresses
static const asn::componentEntry alternateTransportAddressesComponents[] = {
    asn::optionalComponent<&alternateTransportAddresses::annexE>(offsetof(alternateTransportAddresses, annexE), "AnnexE"),
};
static const asn::tagTriple alternateTransportAddressesComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor alternateTransportAddresses::descriptor = asn::sequenceDescriptor::make(alternateTransportAddressesComponents, 1, 0x1u, true, alternateTransportAddressesComponentTags);
alternateTransportAddresses::alternateTransportAddresses(const alternateTransportAddresses& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
alternateTransportAddresses& alternateTransportAddresses::operator=(const alternateTransportAddresses& other) {
  if (this != &other) assign(other);
  return *this;
}
alternateTransportAddresses::~alternateTransportAddresses() { reset(); }
asn::object* alternateTransportAddresses::create() { return new alternateTransportAddresses; }

// useSpecifiedTransport
static const asn::alternativeEntry useSpecifiedTransportAlternatives[] = {
    asn::alternative<asn::null>("Tcp"),
    asn::alternative<asn::null>("AnnexE"),
};
static const asn::tagTriple useSpecifiedTransportAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor useSpecifiedTransport::descriptor = asn::choiceDescriptor::make(useSpecifiedTransportAlternatives, 2, true, useSpecifiedTransportAlternativeTags);
asn::object* useSpecifiedTransport::create() { return new useSpecifiedTransport; }

// addressPattern::range_sequence
static const asn::componentEntry addressPattern_range_sequenceComponents[] = {
    asn::mandatoryComponent<&addressPattern::range_sequence::startOfRange>(offsetof(addressPattern::range_sequence, startOfRange), "StartOfRange"),
    asn::mandatoryComponent<&addressPattern::range_sequence::endOfRange>(offsetof(addressPattern::range_sequence, endOfRange), "EndOfRange"),
};
static const asn::tagTriple addressPattern_range_sequenceComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor addressPattern::range_sequence::descriptor = asn::sequenceDescriptor::make(addressPattern_range_sequenceComponents, 2, 0x0u, false, addressPattern_range_sequenceComponentTags);
addressPattern::range_sequence::range_sequence(const range_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
addressPattern::range_sequence& addressPattern::range_sequence::operator=(const range_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
addressPattern::range_sequence::~range_sequence() { reset(); }
asn::object* addressPattern::range_sequence::create() { return new range_sequence; }

// addressPattern
static const asn::alternativeEntry addressPatternAlternatives[] = {
    asn::alternative<H225::aliasAddress>("Wildcard"),
    asn::alternative<H225::addressPattern::range_sequence>("Range"),
};
static const asn::tagTriple addressPatternAlternativeTags[] = {{0, 0, 0}, {0, 16, 1}};
const asn::choiceDescriptor addressPattern::descriptor = asn::choiceDescriptor::make(addressPatternAlternatives, 2, true, addressPatternAlternativeTags);
asn::object* addressPattern::create() { return new addressPattern; }

// callModel
static const asn::alternativeEntry callModelAlternatives[] = {
    asn::alternative<asn::null>("Direct"),
    asn::alternative<asn::null>("GatekeeperRouted"),
};
static const asn::tagTriple callModelAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor callModel::descriptor = asn::choiceDescriptor::make(callModelAlternatives, 2, true, callModelAlternativeTags);
asn::object* callModel::create() { return new callModel; }

// transportQOS
static const asn::alternativeEntry transportQOSAlternatives[] = {
    asn::alternative<asn::null>("EndpointControlled"),
    asn::alternative<asn::null>("GatekeeperControlled"),
    asn::alternative<asn::null>("NoControl"),
};
static const asn::tagTriple transportQOSAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor transportQOS::descriptor = asn::choiceDescriptor::make(transportQOSAlternatives, 3, true, transportQOSAlternativeTags);
asn::object* transportQOS::create() { return new transportQOS; }

// uUIEsRequested
static const asn::componentEntry uUIEsRequestedComponents[] = {
    asn::mandatoryComponent<&uUIEsRequested::setup>(offsetof(uUIEsRequested, setup), "Setup"),
    asn::mandatoryComponent<&uUIEsRequested::callProceeding>(offsetof(uUIEsRequested, callProceeding), "CallProceeding"),
    asn::mandatoryComponent<&uUIEsRequested::connect>(offsetof(uUIEsRequested, connect), "Connect"),
    asn::mandatoryComponent<&uUIEsRequested::alerting>(offsetof(uUIEsRequested, alerting), "Alerting"),
    asn::mandatoryComponent<&uUIEsRequested::information>(offsetof(uUIEsRequested, information), "Information"),
    asn::mandatoryComponent<&uUIEsRequested::releaseComplete>(offsetof(uUIEsRequested, releaseComplete), "ReleaseComplete"),
    asn::mandatoryComponent<&uUIEsRequested::facility>(offsetof(uUIEsRequested, facility), "Facility"),
    asn::mandatoryComponent<&uUIEsRequested::progress>(offsetof(uUIEsRequested, progress), "Progress"),
    asn::mandatoryComponent<&uUIEsRequested::empty>(offsetof(uUIEsRequested, empty), "Empty"),
    asn::additionComponent<&uUIEsRequested::status>(offsetof(uUIEsRequested, status), "Status"),
    asn::additionComponent<&uUIEsRequested::statusInquiry>(offsetof(uUIEsRequested, statusInquiry), "StatusInquiry"),
    asn::additionComponent<&uUIEsRequested::setupAcknowledge>(offsetof(uUIEsRequested, setupAcknowledge), "SetupAcknowledge"),
    asn::additionComponent<&uUIEsRequested::notify>(offsetof(uUIEsRequested, notify), "Notify"),
};
static const asn::tagTriple uUIEsRequestedComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor uUIEsRequested::descriptor = asn::sequenceDescriptor::make(uUIEsRequestedComponents, 9, 0x0u, true, uUIEsRequestedComponentTags);
uUIEsRequested::uUIEsRequested(const uUIEsRequested& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
uUIEsRequested& uUIEsRequested::operator=(const uUIEsRequested& other) {
  if (this != &other) assign(other);
  return *this;
}
uUIEsRequested::~uUIEsRequested() { reset(); }
asn::object* uUIEsRequested::create() { return new uUIEsRequested; }

// transportChannelInfo
static const asn::componentEntry transportChannelInfoComponents[] = {
    asn::optionalComponent<&transportChannelInfo::sendAddress>(offsetof(transportChannelInfo, sendAddress), "SendAddress"),
    asn::optionalComponent<&transportChannelInfo::recvAddress>(offsetof(transportChannelInfo, recvAddress), "RecvAddress"),
};
static const asn::tagTriple transportChannelInfoComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor transportChannelInfo::descriptor = asn::sequenceDescriptor::make(transportChannelInfoComponents, 2, 0x3u, true, transportChannelInfoComponentTags);
transportChannelInfo::transportChannelInfo(const transportChannelInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transportChannelInfo& transportChannelInfo::operator=(const transportChannelInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
transportChannelInfo::~transportChannelInfo() { reset(); }
asn::object* transportChannelInfo::create() { return new transportChannelInfo; }

// rTPSession
static const asn::componentEntry rTPSessionComponents[] = {
    asn::mandatoryComponent<&rTPSession::rtpAddress>(offsetof(rTPSession, rtpAddress), "RtpAddress"),
    asn::mandatoryComponent<&rTPSession::rtcpAddress>(offsetof(rTPSession, rtcpAddress), "RtcpAddress"),
    asn::mandatoryComponent<&rTPSession::cname>(offsetof(rTPSession, cname), "Cname"),
    asn::mandatoryComponent<&rTPSession::ssrc>(offsetof(rTPSession, ssrc), "Ssrc"),
    asn::mandatoryComponent<&rTPSession::sessionId>(offsetof(rTPSession, sessionId), "SessionId"),
    asn::mandatoryComponent<&rTPSession::associatedSessionIds>(offsetof(rTPSession, associatedSessionIds), "AssociatedSessionIds"),
    asn::additionComponent<&rTPSession::multicast>(offsetof(rTPSession, multicast), "Multicast"),
    asn::additionComponent<&rTPSession::bandwidth>(offsetof(rTPSession, bandwidth), "Bandwidth"),
};
static const asn::tagTriple rTPSessionComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 19, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 0}, {0, 5, 0}, {0, 2, 0}};
const asn::sequenceDescriptor rTPSession::descriptor = asn::sequenceDescriptor::make(rTPSessionComponents, 6, 0x0u, true, rTPSessionComponentTags);
rTPSession::rTPSession(const rTPSession& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rTPSession& rTPSession::operator=(const rTPSession& other) {
  if (this != &other) assign(other);
  return *this;
}
rTPSession::~rTPSession() { reset(); }
asn::object* rTPSession::create() { return new rTPSession; }

// icv
static const asn::componentEntry icvComponents[] = {
    asn::mandatoryComponent<&icv::algorithmOID>(offsetof(icv, algorithmOID), "AlgorithmOID"),
    asn::mandatoryComponent<&icv::icv_>(offsetof(icv, icv_), "Icv"),
};
static const asn::tagTriple icvComponentTags[] = {{0, 6, 0}, {0, 3, 0}};
const asn::sequenceDescriptor icv::descriptor = asn::sequenceDescriptor::make(icvComponents, 2, 0x0u, false, icvComponentTags);
icv::icv(const icv& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
icv& icv::operator=(const icv& other) {
  if (this != &other) assign(other);
  return *this;
}
icv::~icv() { reset(); }
asn::object* icv::create() { return new icv; }

// integrityMechanism
static const asn::alternativeEntry integrityMechanismAlternatives[] = {
    asn::alternative<H225::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("DigSig"),
    asn::alternative<asn::oid>("Iso9797"),
    asn::alternative<H225::nonIsoIntegrityMechanism>("NonIsoIM"),
};
static const asn::tagTriple integrityMechanismAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 6, 0}, {0, 0, 0}};
const asn::choiceDescriptor integrityMechanism::descriptor = asn::choiceDescriptor::make(integrityMechanismAlternatives, 4, true, integrityMechanismAlternativeTags);
asn::object* integrityMechanism::create() { return new integrityMechanism; }

// nonIsoIntegrityMechanism
static const asn::alternativeEntry nonIsoIntegrityMechanismAlternatives[] = {
    asn::alternative<asn::null>("HMAC_MD5"),
    asn::alternative<H225::encryptIntAlg>("HMAC_iso10118_2_s"),
    asn::alternative<H225::encryptIntAlg>("HMAC_iso10118_2_l"),
    asn::alternative<asn::oid>("HMAC_iso10118_3"),
};
static const asn::tagTriple nonIsoIntegrityMechanismAlternativeTags[] = {{0, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 6, 0}};
const asn::choiceDescriptor nonIsoIntegrityMechanism::descriptor = asn::choiceDescriptor::make(nonIsoIntegrityMechanismAlternatives, 4, true, nonIsoIntegrityMechanismAlternativeTags);
asn::object* nonIsoIntegrityMechanism::create() { return new nonIsoIntegrityMechanism; }

// encryptIntAlg
static const asn::alternativeEntry encryptIntAlgAlternatives[] = {
    asn::alternative<H225::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::oid>("IsoAlgorithm"),
};
static const asn::tagTriple encryptIntAlgAlternativeTags[] = {{0, 16, 1}, {0, 6, 0}};
const asn::choiceDescriptor encryptIntAlg::descriptor = asn::choiceDescriptor::make(encryptIntAlgAlternatives, 2, true, encryptIntAlgAlternativeTags);
asn::object* encryptIntAlg::create() { return new encryptIntAlg; }

// rasUsageInfoTypes
static const asn::componentEntry rasUsageInfoTypesComponents[] = {
    asn::mandatoryComponent<&rasUsageInfoTypes::nonStandardUsageTypes>(offsetof(rasUsageInfoTypes, nonStandardUsageTypes), "NonStandardUsageTypes"),
    asn::optionalComponent<&rasUsageInfoTypes::startTime>(offsetof(rasUsageInfoTypes, startTime), "StartTime"),
    asn::optionalComponent<&rasUsageInfoTypes::endTime>(offsetof(rasUsageInfoTypes, endTime), "EndTime"),
    asn::optionalComponent<&rasUsageInfoTypes::terminationCause>(offsetof(rasUsageInfoTypes, terminationCause), "TerminationCause"),
};
static const asn::tagTriple rasUsageInfoTypesComponentTags[] = {{0, 16, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::sequenceDescriptor rasUsageInfoTypes::descriptor = asn::sequenceDescriptor::make(rasUsageInfoTypesComponents, 4, 0xEu, true, rasUsageInfoTypesComponentTags);
rasUsageInfoTypes::rasUsageInfoTypes(const rasUsageInfoTypes& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rasUsageInfoTypes& rasUsageInfoTypes::operator=(const rasUsageInfoTypes& other) {
  if (this != &other) assign(other);
  return *this;
}
rasUsageInfoTypes::~rasUsageInfoTypes() { reset(); }
asn::object* rasUsageInfoTypes::create() { return new rasUsageInfoTypes; }

// rasUsageInformation
static const asn::componentEntry rasUsageInformationComponents[] = {
    asn::mandatoryComponent<&rasUsageInformation::nonStandardUsageFields>(offsetof(rasUsageInformation, nonStandardUsageFields), "NonStandardUsageFields"),
    asn::optionalComponent<&rasUsageInformation::alertingTime>(offsetof(rasUsageInformation, alertingTime), "AlertingTime"),
    asn::optionalComponent<&rasUsageInformation::connectTime>(offsetof(rasUsageInformation, connectTime), "ConnectTime"),
    asn::optionalComponent<&rasUsageInformation::endTime>(offsetof(rasUsageInformation, endTime), "EndTime"),
};
static const asn::tagTriple rasUsageInformationComponentTags[] = {{0, 16, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor rasUsageInformation::descriptor = asn::sequenceDescriptor::make(rasUsageInformationComponents, 4, 0xEu, true, rasUsageInformationComponentTags);
rasUsageInformation::rasUsageInformation(const rasUsageInformation& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rasUsageInformation& rasUsageInformation::operator=(const rasUsageInformation& other) {
  if (this != &other) assign(other);
  return *this;
}
rasUsageInformation::~rasUsageInformation() { reset(); }
asn::object* rasUsageInformation::create() { return new rasUsageInformation; }

// rasUsageSpecification::when_sequence
static const asn::componentEntry rasUsageSpecification_when_sequenceComponents[] = {
    asn::optionalComponent<&rasUsageSpecification::when_sequence::start>(offsetof(rasUsageSpecification::when_sequence, start), "Start"),
    asn::optionalComponent<&rasUsageSpecification::when_sequence::end>(offsetof(rasUsageSpecification::when_sequence, end), "End"),
    asn::optionalComponent<&rasUsageSpecification::when_sequence::inIrr>(offsetof(rasUsageSpecification::when_sequence, inIrr), "InIrr"),
};
static const asn::tagTriple rasUsageSpecification_when_sequenceComponentTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::sequenceDescriptor rasUsageSpecification::when_sequence::descriptor = asn::sequenceDescriptor::make(rasUsageSpecification_when_sequenceComponents, 3, 0x7u, true, rasUsageSpecification_when_sequenceComponentTags);
rasUsageSpecification::when_sequence::when_sequence(const when_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rasUsageSpecification::when_sequence& rasUsageSpecification::when_sequence::operator=(const when_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
rasUsageSpecification::when_sequence::~when_sequence() { reset(); }
asn::object* rasUsageSpecification::when_sequence::create() { return new when_sequence; }

// rasUsageSpecification::callStartingPoint_sequence
static const asn::componentEntry rasUsageSpecification_callStartingPoint_sequenceComponents[] = {
    asn::optionalComponent<&rasUsageSpecification::callStartingPoint_sequence::alerting>(offsetof(rasUsageSpecification::callStartingPoint_sequence, alerting), "Alerting"),
    asn::optionalComponent<&rasUsageSpecification::callStartingPoint_sequence::connect>(offsetof(rasUsageSpecification::callStartingPoint_sequence, connect), "Connect"),
};
static const asn::tagTriple rasUsageSpecification_callStartingPoint_sequenceComponentTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::sequenceDescriptor rasUsageSpecification::callStartingPoint_sequence::descriptor = asn::sequenceDescriptor::make(rasUsageSpecification_callStartingPoint_sequenceComponents, 2, 0x3u, true, rasUsageSpecification_callStartingPoint_sequenceComponentTags);
rasUsageSpecification::callStartingPoint_sequence::callStartingPoint_sequence(const callStartingPoint_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rasUsageSpecification::callStartingPoint_sequence& rasUsageSpecification::callStartingPoint_sequence::operator=(const callStartingPoint_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
rasUsageSpecification::callStartingPoint_sequence::~callStartingPoint_sequence() { reset(); }
asn::object* rasUsageSpecification::callStartingPoint_sequence::create() { return new callStartingPoint_sequence; }

// rasUsageSpecification
static const asn::componentEntry rasUsageSpecificationComponents[] = {
    asn::mandatoryComponent<&rasUsageSpecification::when>(offsetof(rasUsageSpecification, when), "When"),
    asn::optionalComponent<&rasUsageSpecification::callStartingPoint>(offsetof(rasUsageSpecification, callStartingPoint), "CallStartingPoint"),
    asn::mandatoryComponent<&rasUsageSpecification::required>(offsetof(rasUsageSpecification, required), "Required"),
};
static const asn::tagTriple rasUsageSpecificationComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor rasUsageSpecification::descriptor = asn::sequenceDescriptor::make(rasUsageSpecificationComponents, 3, 0x2u, true, rasUsageSpecificationComponentTags);
rasUsageSpecification::rasUsageSpecification(const rasUsageSpecification& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rasUsageSpecification& rasUsageSpecification::operator=(const rasUsageSpecification& other) {
  if (this != &other) assign(other);
  return *this;
}
rasUsageSpecification::~rasUsageSpecification() { reset(); }
asn::object* rasUsageSpecification::create() { return new rasUsageSpecification; }

// callCreditCapability
static const asn::componentEntry callCreditCapabilityComponents[] = {
    asn::optionalComponent<&callCreditCapability::canDisplayAmountString>(offsetof(callCreditCapability, canDisplayAmountString), "CanDisplayAmountString"),
    asn::optionalComponent<&callCreditCapability::canEnforceDurationLimit>(offsetof(callCreditCapability, canEnforceDurationLimit), "CanEnforceDurationLimit"),
};
static const asn::tagTriple callCreditCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor callCreditCapability::descriptor = asn::sequenceDescriptor::make(callCreditCapabilityComponents, 2, 0x3u, true, callCreditCapabilityComponentTags);
callCreditCapability::callCreditCapability(const callCreditCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callCreditCapability& callCreditCapability::operator=(const callCreditCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
callCreditCapability::~callCreditCapability() { reset(); }
asn::object* callCreditCapability::create() { return new callCreditCapability; }

// capacityReportingCapability
static const asn::componentEntry capacityReportingCapabilityComponents[] = {
    asn::mandatoryComponent<&capacityReportingCapability::canReportCallCapacity>(offsetof(capacityReportingCapability, canReportCallCapacity), "CanReportCallCapacity"),
};
static const asn::tagTriple capacityReportingCapabilityComponentTags[] = {{0, 1, 0}};
const asn::sequenceDescriptor capacityReportingCapability::descriptor = asn::sequenceDescriptor::make(capacityReportingCapabilityComponents, 1, 0x0u, true, capacityReportingCapabilityComponentTags);
capacityReportingCapability::capacityReportingCapability(const capacityReportingCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
capacityReportingCapability& capacityReportingCapability::operator=(const capacityReportingCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
capacityReportingCapability::~capacityReportingCapability() { reset(); }
asn::object* capacityReportingCapability::create() { return new capacityReportingCapability; }

// capacityReportingSpecification::when_sequence
static const asn::componentEntry capacityReportingSpecification_when_sequenceComponents[] = {
    asn::optionalComponent<&capacityReportingSpecification::when_sequence::callStart>(offsetof(capacityReportingSpecification::when_sequence, callStart), "CallStart"),
    asn::optionalComponent<&capacityReportingSpecification::when_sequence::callEnd>(offsetof(capacityReportingSpecification::when_sequence, callEnd), "CallEnd"),
};
static const asn::tagTriple capacityReportingSpecification_when_sequenceComponentTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::sequenceDescriptor capacityReportingSpecification::when_sequence::descriptor = asn::sequenceDescriptor::make(capacityReportingSpecification_when_sequenceComponents, 2, 0x3u, true, capacityReportingSpecification_when_sequenceComponentTags);
capacityReportingSpecification::when_sequence::when_sequence(const when_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
capacityReportingSpecification::when_sequence& capacityReportingSpecification::when_sequence::operator=(const when_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
capacityReportingSpecification::when_sequence::~when_sequence() { reset(); }
asn::object* capacityReportingSpecification::when_sequence::create() { return new when_sequence; }

// capacityReportingSpecification
static const asn::componentEntry capacityReportingSpecificationComponents[] = {
    asn::mandatoryComponent<&capacityReportingSpecification::when>(offsetof(capacityReportingSpecification, when), "When"),
};
static const asn::tagTriple capacityReportingSpecificationComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor capacityReportingSpecification::descriptor = asn::sequenceDescriptor::make(capacityReportingSpecificationComponents, 1, 0x0u, true, capacityReportingSpecificationComponentTags);
capacityReportingSpecification::capacityReportingSpecification(const capacityReportingSpecification& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
capacityReportingSpecification& capacityReportingSpecification::operator=(const capacityReportingSpecification& other) {
  if (this != &other) assign(other);
  return *this;
}
capacityReportingSpecification::~capacityReportingSpecification() { reset(); }
asn::object* capacityReportingSpecification::create() { return new capacityReportingSpecification; }

// bandwidthRequest
static const asn::componentEntry bandwidthRequestComponents[] = {
    asn::mandatoryComponent<&bandwidthRequest::requestSeqNum>(offsetof(bandwidthRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&bandwidthRequest::endpointIdentifier>(offsetof(bandwidthRequest, endpointIdentifier), "EndpointIdentifier"),
    asn::mandatoryComponent<&bandwidthRequest::conferenceID>(offsetof(bandwidthRequest, conferenceID), "ConferenceID"),
    asn::mandatoryComponent<&bandwidthRequest::callReferenceValue>(offsetof(bandwidthRequest, callReferenceValue), "CallReferenceValue"),
    asn::optionalComponent<&bandwidthRequest::callType>(offsetof(bandwidthRequest, callType), "CallType"),
    asn::mandatoryComponent<&bandwidthRequest::bandWidth>(offsetof(bandwidthRequest, bandWidth), "BandWidth"),
    asn::optionalComponent<&bandwidthRequest::nonStandardData>(offsetof(bandwidthRequest, nonStandardData), "NonStandardData"),
    asn::additionComponent<&bandwidthRequest::callIdentifier>(offsetof(bandwidthRequest, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&bandwidthRequest::gatekeeperIdentifier>(offsetof(bandwidthRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::additionComponent<&bandwidthRequest::tokens>(offsetof(bandwidthRequest, tokens), "Tokens"),
    asn::additionComponent<&bandwidthRequest::cryptoTokens>(offsetof(bandwidthRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&bandwidthRequest::integrityCheckValue>(offsetof(bandwidthRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&bandwidthRequest::answeredCall>(offsetof(bandwidthRequest, answeredCall), "AnsweredCall"),
    asn::additionComponent<&bandwidthRequest::callLinkage>(offsetof(bandwidthRequest, callLinkage), "CallLinkage"),
    asn::additionComponent<&bandwidthRequest::capacity>(offsetof(bandwidthRequest, capacity), "Capacity"),
    asn::additionComponent<&bandwidthRequest::usageInformation>(offsetof(bandwidthRequest, usageInformation), "UsageInformation"),
    asn::additionComponent<&bandwidthRequest::bandwidthDetails>(offsetof(bandwidthRequest, bandwidthDetails), "BandwidthDetails"),
    asn::additionComponent<&bandwidthRequest::genericData>(offsetof(bandwidthRequest, genericData), "GenericData"),
};
static const asn::tagTriple bandwidthRequestComponentTags[] = {{0, 2, 0}, {0, 30, 0}, {0, 4, 0}, {0, 2, 0}, {0, 0, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 30, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor bandwidthRequest::descriptor = asn::sequenceDescriptor::make(bandwidthRequestComponents, 7, 0x50u, true, bandwidthRequestComponentTags);
bandwidthRequest::bandwidthRequest(const bandwidthRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
bandwidthRequest& bandwidthRequest::operator=(const bandwidthRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
bandwidthRequest::~bandwidthRequest() { reset(); }
asn::object* bandwidthRequest::create() { return new bandwidthRequest; }

// bandwidthDetails
static const asn::componentEntry bandwidthDetailsComponents[] = {
    asn::mandatoryComponent<&bandwidthDetails::sender>(offsetof(bandwidthDetails, sender), "Sender"),
    asn::mandatoryComponent<&bandwidthDetails::multicast>(offsetof(bandwidthDetails, multicast), "Multicast"),
    asn::mandatoryComponent<&bandwidthDetails::bandwidth>(offsetof(bandwidthDetails, bandwidth), "Bandwidth"),
    asn::mandatoryComponent<&bandwidthDetails::rtcpAddresses>(offsetof(bandwidthDetails, rtcpAddresses), "RtcpAddresses"),
};
static const asn::tagTriple bandwidthDetailsComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor bandwidthDetails::descriptor = asn::sequenceDescriptor::make(bandwidthDetailsComponents, 4, 0x0u, true, bandwidthDetailsComponentTags);
bandwidthDetails::bandwidthDetails(const bandwidthDetails& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
bandwidthDetails& bandwidthDetails::operator=(const bandwidthDetails& other) {
  if (this != &other) assign(other);
  return *this;
}
bandwidthDetails::~bandwidthDetails() { reset(); }
asn::object* bandwidthDetails::create() { return new bandwidthDetails; }

// bandwidthConfirm
static const asn::componentEntry bandwidthConfirmComponents[] = {
    asn::mandatoryComponent<&bandwidthConfirm::requestSeqNum>(offsetof(bandwidthConfirm, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&bandwidthConfirm::bandWidth>(offsetof(bandwidthConfirm, bandWidth), "BandWidth"),
    asn::optionalComponent<&bandwidthConfirm::nonStandardData>(offsetof(bandwidthConfirm, nonStandardData), "NonStandardData"),
    asn::additionComponent<&bandwidthConfirm::tokens>(offsetof(bandwidthConfirm, tokens), "Tokens"),
    asn::additionComponent<&bandwidthConfirm::cryptoTokens>(offsetof(bandwidthConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&bandwidthConfirm::integrityCheckValue>(offsetof(bandwidthConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&bandwidthConfirm::capacity>(offsetof(bandwidthConfirm, capacity), "Capacity"),
    asn::additionComponent<&bandwidthConfirm::genericData>(offsetof(bandwidthConfirm, genericData), "GenericData"),
};
static const asn::tagTriple bandwidthConfirmComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor bandwidthConfirm::descriptor = asn::sequenceDescriptor::make(bandwidthConfirmComponents, 3, 0x4u, true, bandwidthConfirmComponentTags);
bandwidthConfirm::bandwidthConfirm(const bandwidthConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
bandwidthConfirm& bandwidthConfirm::operator=(const bandwidthConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
bandwidthConfirm::~bandwidthConfirm() { reset(); }
asn::object* bandwidthConfirm::create() { return new bandwidthConfirm; }

// bandRejectReason
static const asn::alternativeEntry bandRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("NotBound"),
    asn::alternative<asn::null>("InvalidConferenceID"),
    asn::alternative<asn::null>("InvalidPermission"),
    asn::alternative<asn::null>("InsufficientResources"),
    asn::alternative<asn::null>("InvalidRevision"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("SecurityDenial"),
};
static const asn::tagTriple bandRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor bandRejectReason::descriptor = asn::choiceDescriptor::make(bandRejectReasonAlternatives, 6, true, bandRejectReasonAlternativeTags);
asn::object* bandRejectReason::create() { return new bandRejectReason; }

// bandwidthReject
static const asn::componentEntry bandwidthRejectComponents[] = {
    asn::mandatoryComponent<&bandwidthReject::requestSeqNum>(offsetof(bandwidthReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&bandwidthReject::rejectReason>(offsetof(bandwidthReject, rejectReason), "RejectReason"),
    asn::mandatoryComponent<&bandwidthReject::allowedBandWidth>(offsetof(bandwidthReject, allowedBandWidth), "AllowedBandWidth"),
    asn::optionalComponent<&bandwidthReject::nonStandardData>(offsetof(bandwidthReject, nonStandardData), "NonStandardData"),
    asn::additionComponent<&bandwidthReject::altGKInfo>(offsetof(bandwidthReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&bandwidthReject::tokens>(offsetof(bandwidthReject, tokens), "Tokens"),
    asn::additionComponent<&bandwidthReject::cryptoTokens>(offsetof(bandwidthReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&bandwidthReject::integrityCheckValue>(offsetof(bandwidthReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&bandwidthReject::genericData>(offsetof(bandwidthReject, genericData), "GenericData"),
};
static const asn::tagTriple bandwidthRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor bandwidthReject::descriptor = asn::sequenceDescriptor::make(bandwidthRejectComponents, 4, 0x8u, true, bandwidthRejectComponentTags);
bandwidthReject::bandwidthReject(const bandwidthReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
bandwidthReject& bandwidthReject::operator=(const bandwidthReject& other) {
  if (this != &other) assign(other);
  return *this;
}
bandwidthReject::~bandwidthReject() { reset(); }
asn::object* bandwidthReject::create() { return new bandwidthReject; }

// locationRequest
static const asn::componentEntry locationRequestComponents[] = {
    asn::mandatoryComponent<&locationRequest::requestSeqNum>(offsetof(locationRequest, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&locationRequest::endpointIdentifier>(offsetof(locationRequest, endpointIdentifier), "EndpointIdentifier"),
    asn::mandatoryComponent<&locationRequest::destinationInfo>(offsetof(locationRequest, destinationInfo), "DestinationInfo"),
    asn::optionalComponent<&locationRequest::nonStandardData>(offsetof(locationRequest, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&locationRequest::replyAddress>(offsetof(locationRequest, replyAddress), "ReplyAddress"),
    asn::additionComponent<&locationRequest::sourceInfo>(offsetof(locationRequest, sourceInfo), "SourceInfo"),
    asn::additionComponent<&locationRequest::canMapAlias>(offsetof(locationRequest, canMapAlias), "CanMapAlias"),
    asn::additionComponent<&locationRequest::gatekeeperIdentifier>(offsetof(locationRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::additionComponent<&locationRequest::tokens>(offsetof(locationRequest, tokens), "Tokens"),
    asn::additionComponent<&locationRequest::cryptoTokens>(offsetof(locationRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&locationRequest::integrityCheckValue>(offsetof(locationRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&locationRequest::desiredProtocols>(offsetof(locationRequest, desiredProtocols), "DesiredProtocols"),
    asn::additionComponent<&locationRequest::desiredTunnelledProtocol>(offsetof(locationRequest, desiredTunnelledProtocol), "DesiredTunnelledProtocol"),
    asn::additionComponent<&locationRequest::featureSet>(offsetof(locationRequest, featureSet), "FeatureSet"),
    asn::additionComponent<&locationRequest::genericData>(offsetof(locationRequest, genericData), "GenericData"),
    asn::additionComponent<&locationRequest::hopCount>(offsetof(locationRequest, hopCount), "HopCount"),
    asn::additionComponent<&locationRequest::circuitInfo>(offsetof(locationRequest, circuitInfo), "CircuitInfo"),
};
static const asn::tagTriple locationRequestComponentTags[] = {{0, 2, 0}, {0, 30, 0}, {0, 16, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 1, 0}, {0, 30, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor locationRequest::descriptor = asn::sequenceDescriptor::make(locationRequestComponents, 5, 0xAu, true, locationRequestComponentTags);
locationRequest::locationRequest(const locationRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
locationRequest& locationRequest::operator=(const locationRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
locationRequest::~locationRequest() { reset(); }
asn::object* locationRequest::create() { return new locationRequest; }

// locationConfirm
static const asn::componentEntry locationConfirmComponents[] = {
    asn::mandatoryComponent<&locationConfirm::requestSeqNum>(offsetof(locationConfirm, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&locationConfirm::callSignalAddress>(offsetof(locationConfirm, callSignalAddress), "CallSignalAddress"),
    asn::mandatoryComponent<&locationConfirm::rasAddress>(offsetof(locationConfirm, rasAddress), "RasAddress"),
    asn::optionalComponent<&locationConfirm::nonStandardData>(offsetof(locationConfirm, nonStandardData), "NonStandardData"),
    asn::additionComponent<&locationConfirm::destinationInfo>(offsetof(locationConfirm, destinationInfo), "DestinationInfo"),
    asn::additionComponent<&locationConfirm::destExtraCallInfo>(offsetof(locationConfirm, destExtraCallInfo), "DestExtraCallInfo"),
    asn::additionComponent<&locationConfirm::destinationType>(offsetof(locationConfirm, destinationType), "DestinationType"),
    asn::additionComponent<&locationConfirm::remoteExtensionAddress>(offsetof(locationConfirm, remoteExtensionAddress), "RemoteExtensionAddress"),
    asn::additionComponent<&locationConfirm::alternateEndpoints>(offsetof(locationConfirm, alternateEndpoints), "AlternateEndpoints"),
    asn::additionComponent<&locationConfirm::tokens>(offsetof(locationConfirm, tokens), "Tokens"),
    asn::additionComponent<&locationConfirm::cryptoTokens>(offsetof(locationConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&locationConfirm::integrityCheckValue>(offsetof(locationConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&locationConfirm::alternateTransportAddresses>(offsetof(locationConfirm, alternateTransportAddresses), "AlternateTransportAddresses"),
    asn::additionComponent<&locationConfirm::supportedProtocols>(offsetof(locationConfirm, supportedProtocols), "SupportedProtocols"),
    asn::additionComponent<&locationConfirm::multipleCalls>(offsetof(locationConfirm, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&locationConfirm::featureSet>(offsetof(locationConfirm, featureSet), "FeatureSet"),
    asn::additionComponent<&locationConfirm::genericData>(offsetof(locationConfirm, genericData), "GenericData"),
    asn::additionComponent<&locationConfirm::circuitInfo>(offsetof(locationConfirm, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&locationConfirm::serviceControl>(offsetof(locationConfirm, serviceControl), "ServiceControl"),
};
static const asn::tagTriple locationConfirmComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor locationConfirm::descriptor = asn::sequenceDescriptor::make(locationConfirmComponents, 4, 0x8u, true, locationConfirmComponentTags);
locationConfirm::locationConfirm(const locationConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
locationConfirm& locationConfirm::operator=(const locationConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
locationConfirm::~locationConfirm() { reset(); }
asn::object* locationConfirm::create() { return new locationConfirm; }

// locationRejectReason
static const asn::alternativeEntry locationRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("NotRegistered"),
    asn::alternative<asn::null>("InvalidPermission"),
    asn::alternative<asn::null>("RequestDenied"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("SecurityDenial"),
    asn::alternative<asn::null>("AliasesInconsistent"),
    asn::alternative<asn::sequenceOf<H225::partyNumber, 0u, 0u, 1>>("RouteCalltoSCN"),
    asn::alternative<asn::null>("ResourceUnavailable"),
    asn::alternative<asn::null>("GenericDataReason"),
    asn::alternative<asn::null>("NeededFeatureNotSupported"),
    asn::alternative<asn::null>("HopCountExceeded"),
    asn::alternative<asn::null>("IncompleteAddress"),
};
static const asn::tagTriple locationRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor locationRejectReason::descriptor = asn::choiceDescriptor::make(locationRejectReasonAlternatives, 4, true, locationRejectReasonAlternativeTags);
asn::object* locationRejectReason::create() { return new locationRejectReason; }

// locationReject
static const asn::componentEntry locationRejectComponents[] = {
    asn::mandatoryComponent<&locationReject::requestSeqNum>(offsetof(locationReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&locationReject::rejectReason>(offsetof(locationReject, rejectReason), "RejectReason"),
    asn::optionalComponent<&locationReject::nonStandardData>(offsetof(locationReject, nonStandardData), "NonStandardData"),
    asn::additionComponent<&locationReject::altGKInfo>(offsetof(locationReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&locationReject::tokens>(offsetof(locationReject, tokens), "Tokens"),
    asn::additionComponent<&locationReject::cryptoTokens>(offsetof(locationReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&locationReject::integrityCheckValue>(offsetof(locationReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&locationReject::featureSet>(offsetof(locationReject, featureSet), "FeatureSet"),
    asn::additionComponent<&locationReject::genericData>(offsetof(locationReject, genericData), "GenericData"),
    asn::additionComponent<&locationReject::serviceControl>(offsetof(locationReject, serviceControl), "ServiceControl"),
};
static const asn::tagTriple locationRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor locationReject::descriptor = asn::sequenceDescriptor::make(locationRejectComponents, 3, 0x4u, true, locationRejectComponentTags);
locationReject::locationReject(const locationReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
locationReject& locationReject::operator=(const locationReject& other) {
  if (this != &other) assign(other);
  return *this;
}
locationReject::~locationReject() { reset(); }
asn::object* locationReject::create() { return new locationReject; }

// disengageReason
static const asn::alternativeEntry disengageReasonAlternatives[] = {
    asn::alternative<asn::null>("ForcedDrop"),
    asn::alternative<asn::null>("NormalDrop"),
    asn::alternative<asn::null>("UndefinedReason"),
};
static const asn::tagTriple disengageReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor disengageReason::descriptor = asn::choiceDescriptor::make(disengageReasonAlternatives, 3, true, disengageReasonAlternativeTags);
asn::object* disengageReason::create() { return new disengageReason; }

// disengageRequest
static const asn::componentEntry disengageRequestComponents[] = {
    asn::mandatoryComponent<&disengageRequest::requestSeqNum>(offsetof(disengageRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&disengageRequest::endpointIdentifier>(offsetof(disengageRequest, endpointIdentifier), "EndpointIdentifier"),
    asn::mandatoryComponent<&disengageRequest::conferenceID>(offsetof(disengageRequest, conferenceID), "ConferenceID"),
    asn::mandatoryComponent<&disengageRequest::callReferenceValue>(offsetof(disengageRequest, callReferenceValue), "CallReferenceValue"),
    asn::mandatoryComponent<&disengageRequest::disengageReason>(offsetof(disengageRequest, disengageReason), "DisengageReason"),
    asn::optionalComponent<&disengageRequest::nonStandardData>(offsetof(disengageRequest, nonStandardData), "NonStandardData"),
    asn::additionComponent<&disengageRequest::callIdentifier>(offsetof(disengageRequest, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&disengageRequest::gatekeeperIdentifier>(offsetof(disengageRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::additionComponent<&disengageRequest::tokens>(offsetof(disengageRequest, tokens), "Tokens"),
    asn::additionComponent<&disengageRequest::cryptoTokens>(offsetof(disengageRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&disengageRequest::integrityCheckValue>(offsetof(disengageRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&disengageRequest::answeredCall>(offsetof(disengageRequest, answeredCall), "AnsweredCall"),
    asn::additionComponent<&disengageRequest::callLinkage>(offsetof(disengageRequest, callLinkage), "CallLinkage"),
    asn::additionComponent<&disengageRequest::capacity>(offsetof(disengageRequest, capacity), "Capacity"),
    asn::additionComponent<&disengageRequest::circuitInfo>(offsetof(disengageRequest, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&disengageRequest::usageInformation>(offsetof(disengageRequest, usageInformation), "UsageInformation"),
    asn::additionComponent<&disengageRequest::terminationCause>(offsetof(disengageRequest, terminationCause), "TerminationCause"),
    asn::additionComponent<&disengageRequest::serviceControl>(offsetof(disengageRequest, serviceControl), "ServiceControl"),
    asn::additionComponent<&disengageRequest::genericData>(offsetof(disengageRequest, genericData), "GenericData"),
};
static const asn::tagTriple disengageRequestComponentTags[] = {{0, 2, 0}, {0, 30, 0}, {0, 4, 0}, {0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 30, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor disengageRequest::descriptor = asn::sequenceDescriptor::make(disengageRequestComponents, 6, 0x20u, true, disengageRequestComponentTags);
disengageRequest::disengageRequest(const disengageRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
disengageRequest& disengageRequest::operator=(const disengageRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
disengageRequest::~disengageRequest() { reset(); }
asn::object* disengageRequest::create() { return new disengageRequest; }

// callTerminationCause
static const asn::alternativeEntry callTerminationCauseAlternatives[] = {
    asn::alternative<H225::releaseCompleteReason>("ReleaseCompleteReason"),
    asn::alternative<asn::octetString<2u, 32u, 1>>("ReleaseCompleteCauseIE"),
};
static const asn::tagTriple callTerminationCauseAlternativeTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::choiceDescriptor callTerminationCause::descriptor = asn::choiceDescriptor::make(callTerminationCauseAlternatives, 2, true, callTerminationCauseAlternativeTags);
asn::object* callTerminationCause::create() { return new callTerminationCause; }

// disengageConfirm
static const asn::componentEntry disengageConfirmComponents[] = {
    asn::mandatoryComponent<&disengageConfirm::requestSeqNum>(offsetof(disengageConfirm, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&disengageConfirm::nonStandardData>(offsetof(disengageConfirm, nonStandardData), "NonStandardData"),
    asn::additionComponent<&disengageConfirm::tokens>(offsetof(disengageConfirm, tokens), "Tokens"),
    asn::additionComponent<&disengageConfirm::cryptoTokens>(offsetof(disengageConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&disengageConfirm::integrityCheckValue>(offsetof(disengageConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&disengageConfirm::capacity>(offsetof(disengageConfirm, capacity), "Capacity"),
    asn::additionComponent<&disengageConfirm::circuitInfo>(offsetof(disengageConfirm, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&disengageConfirm::usageInformation>(offsetof(disengageConfirm, usageInformation), "UsageInformation"),
    asn::additionComponent<&disengageConfirm::genericData>(offsetof(disengageConfirm, genericData), "GenericData"),
};
static const asn::tagTriple disengageConfirmComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor disengageConfirm::descriptor = asn::sequenceDescriptor::make(disengageConfirmComponents, 2, 0x2u, true, disengageConfirmComponentTags);
disengageConfirm::disengageConfirm(const disengageConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
disengageConfirm& disengageConfirm::operator=(const disengageConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
disengageConfirm::~disengageConfirm() { reset(); }
asn::object* disengageConfirm::create() { return new disengageConfirm; }

// disengageRejectReason
static const asn::alternativeEntry disengageRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("NotRegistered"),
    asn::alternative<asn::null>("RequestToDropOther"),
    asn::alternative<asn::null>("SecurityDenial"),
};
static const asn::tagTriple disengageRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor disengageRejectReason::descriptor = asn::choiceDescriptor::make(disengageRejectReasonAlternatives, 2, true, disengageRejectReasonAlternativeTags);
asn::object* disengageRejectReason::create() { return new disengageRejectReason; }

// disengageReject
static const asn::componentEntry disengageRejectComponents[] = {
    asn::mandatoryComponent<&disengageReject::requestSeqNum>(offsetof(disengageReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&disengageReject::rejectReason>(offsetof(disengageReject, rejectReason), "RejectReason"),
    asn::optionalComponent<&disengageReject::nonStandardData>(offsetof(disengageReject, nonStandardData), "NonStandardData"),
    asn::additionComponent<&disengageReject::altGKInfo>(offsetof(disengageReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&disengageReject::tokens>(offsetof(disengageReject, tokens), "Tokens"),
    asn::additionComponent<&disengageReject::cryptoTokens>(offsetof(disengageReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&disengageReject::integrityCheckValue>(offsetof(disengageReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&disengageReject::genericData>(offsetof(disengageReject, genericData), "GenericData"),
};
static const asn::tagTriple disengageRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor disengageReject::descriptor = asn::sequenceDescriptor::make(disengageRejectComponents, 3, 0x4u, true, disengageRejectComponentTags);
disengageReject::disengageReject(const disengageReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
disengageReject& disengageReject::operator=(const disengageReject& other) {
  if (this != &other) assign(other);
  return *this;
}
disengageReject::~disengageReject() { reset(); }
asn::object* disengageReject::create() { return new disengageReject; }

// infoRequest
static const asn::componentEntry infoRequestComponents[] = {
    asn::mandatoryComponent<&infoRequest::requestSeqNum>(offsetof(infoRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&infoRequest::callReferenceValue>(offsetof(infoRequest, callReferenceValue), "CallReferenceValue"),
    asn::optionalComponent<&infoRequest::nonStandardData>(offsetof(infoRequest, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&infoRequest::replyAddress>(offsetof(infoRequest, replyAddress), "ReplyAddress"),
    asn::additionComponent<&infoRequest::callIdentifier>(offsetof(infoRequest, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&infoRequest::tokens>(offsetof(infoRequest, tokens), "Tokens"),
    asn::additionComponent<&infoRequest::cryptoTokens>(offsetof(infoRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&infoRequest::integrityCheckValue>(offsetof(infoRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&infoRequest::uuiesRequested>(offsetof(infoRequest, uuiesRequested), "UuiesRequested"),
    asn::additionComponent<&infoRequest::callLinkage>(offsetof(infoRequest, callLinkage), "CallLinkage"),
    asn::additionComponent<&infoRequest::usageInfoRequested>(offsetof(infoRequest, usageInfoRequested), "UsageInfoRequested"),
    asn::additionComponent<&infoRequest::segmentedResponseSupported>(offsetof(infoRequest, segmentedResponseSupported), "SegmentedResponseSupported"),
    asn::additionComponent<&infoRequest::nextSegmentRequested>(offsetof(infoRequest, nextSegmentRequested), "NextSegmentRequested"),
    asn::additionComponent<&infoRequest::capacityInfoRequested>(offsetof(infoRequest, capacityInfoRequested), "CapacityInfoRequested"),
    asn::additionComponent<&infoRequest::genericData>(offsetof(infoRequest, genericData), "GenericData"),
};
static const asn::tagTriple infoRequestComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 2, 0}, {0, 5, 0}, {0, 16, 0}};
const asn::sequenceDescriptor infoRequest::descriptor = asn::sequenceDescriptor::make(infoRequestComponents, 4, 0xCu, true, infoRequestComponentTags);
infoRequest::infoRequest(const infoRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
infoRequest& infoRequest::operator=(const infoRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
infoRequest::~infoRequest() { reset(); }
asn::object* infoRequest::create() { return new infoRequest; }

// h323_uu_pdu::h323_message_body_choice
static const asn::alternativeEntry h323_uu_pdu_h323_message_body_choiceAlternatives[] = {
    asn::alternative<H225::setup_UUIE>("Setup"),
    asn::alternative<H225::callProceeding_UUIE>("CallProceeding"),
    asn::alternative<H225::connect_UUIE>("Connect"),
    asn::alternative<H225::alerting_UUIE>("Alerting"),
    asn::alternative<H225::information_UUIE>("Information"),
    asn::alternative<H225::releaseComplete_UUIE>("ReleaseComplete"),
    asn::alternative<H225::facility_UUIE>("Facility"),
    asn::alternative<H225::progress_UUIE>("Progress"),
    asn::alternative<asn::null>("Empty"),
    asn::alternative<H225::status_UUIE>("Status"),
    asn::alternative<H225::statusInquiry_UUIE>("StatusInquiry"),
    asn::alternative<H225::setupAcknowledge_UUIE>("SetupAcknowledge"),
    asn::alternative<H225::notify_UUIE>("Notify"),
};
static const asn::tagTriple h323_uu_pdu_h323_message_body_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h323_uu_pdu::h323_message_body_choice::descriptor = asn::choiceDescriptor::make(h323_uu_pdu_h323_message_body_choiceAlternatives, 7, true, h323_uu_pdu_h323_message_body_choiceAlternativeTags);
asn::object* h323_uu_pdu::h323_message_body_choice::create() { return new h323_message_body_choice; }

// h323_uu_pdu::tunnelledSignallingMessage_sequence
static const asn::componentEntry h323_uu_pdu_tunnelledSignallingMessage_sequenceComponents[] = {
    asn::mandatoryComponent<&h323_uu_pdu::tunnelledSignallingMessage_sequence::tunnelledProtocolID>(offsetof(h323_uu_pdu::tunnelledSignallingMessage_sequence, tunnelledProtocolID), "TunnelledProtocolID"),
    asn::mandatoryComponent<&h323_uu_pdu::tunnelledSignallingMessage_sequence::messageContent>(offsetof(h323_uu_pdu::tunnelledSignallingMessage_sequence, messageContent), "MessageContent"),
    asn::optionalComponent<&h323_uu_pdu::tunnelledSignallingMessage_sequence::tunnellingRequired>(offsetof(h323_uu_pdu::tunnelledSignallingMessage_sequence, tunnellingRequired), "TunnellingRequired"),
    asn::optionalComponent<&h323_uu_pdu::tunnelledSignallingMessage_sequence::nonStandardData>(offsetof(h323_uu_pdu::tunnelledSignallingMessage_sequence, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple h323_uu_pdu_tunnelledSignallingMessage_sequenceComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::sequenceDescriptor h323_uu_pdu::tunnelledSignallingMessage_sequence::descriptor = asn::sequenceDescriptor::make(h323_uu_pdu_tunnelledSignallingMessage_sequenceComponents, 4, 0xCu, true, h323_uu_pdu_tunnelledSignallingMessage_sequenceComponentTags);
h323_uu_pdu::tunnelledSignallingMessage_sequence::tunnelledSignallingMessage_sequence(const tunnelledSignallingMessage_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h323_uu_pdu::tunnelledSignallingMessage_sequence& h323_uu_pdu::tunnelledSignallingMessage_sequence::operator=(const tunnelledSignallingMessage_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h323_uu_pdu::tunnelledSignallingMessage_sequence::~tunnelledSignallingMessage_sequence() { reset(); }
asn::object* h323_uu_pdu::tunnelledSignallingMessage_sequence::create() { return new tunnelledSignallingMessage_sequence; }

// h323_uu_pdu
static const asn::componentEntry h323_uu_pduComponents[] = {
    asn::mandatoryComponent<&h323_uu_pdu::h323_message_body>(offsetof(h323_uu_pdu, h323_message_body), "H323_message_body"),
    asn::optionalComponent<&h323_uu_pdu::nonStandardData>(offsetof(h323_uu_pdu, nonStandardData), "NonStandardData"),
    asn::additionComponent<&h323_uu_pdu::h4501SupplementaryService>(offsetof(h323_uu_pdu, h4501SupplementaryService), "H4501SupplementaryService"),
    asn::additionComponent<&h323_uu_pdu::h245Tunneling>(offsetof(h323_uu_pdu, h245Tunneling), "H245Tunneling"),
    asn::additionComponent<&h323_uu_pdu::h245Control>(offsetof(h323_uu_pdu, h245Control), "H245Control"),
    asn::additionComponent<&h323_uu_pdu::nonStandardControl>(offsetof(h323_uu_pdu, nonStandardControl), "NonStandardControl"),
    asn::additionComponent<&h323_uu_pdu::callLinkage>(offsetof(h323_uu_pdu, callLinkage), "CallLinkage"),
    asn::additionComponent<&h323_uu_pdu::tunnelledSignallingMessage>(offsetof(h323_uu_pdu, tunnelledSignallingMessage), "TunnelledSignallingMessage"),
    asn::additionComponent<&h323_uu_pdu::provisionalRespToH245Tunneling>(offsetof(h323_uu_pdu, provisionalRespToH245Tunneling), "ProvisionalRespToH245Tunneling"),
    asn::additionComponent<&h323_uu_pdu::stimulusControl>(offsetof(h323_uu_pdu, stimulusControl), "StimulusControl"),
    asn::additionComponent<&h323_uu_pdu::genericData>(offsetof(h323_uu_pdu, genericData), "GenericData"),
};
static const asn::tagTriple h323_uu_pduComponentTags[] = {{0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor h323_uu_pdu::descriptor = asn::sequenceDescriptor::make(h323_uu_pduComponents, 2, 0x2u, true, h323_uu_pduComponentTags);
h323_uu_pdu::h323_uu_pdu(const h323_uu_pdu& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h323_uu_pdu& h323_uu_pdu::operator=(const h323_uu_pdu& other) {
  if (this != &other) assign(other);
  return *this;
}
h323_uu_pdu::~h323_uu_pdu() { reset(); }
asn::object* h323_uu_pdu::create() { return new h323_uu_pdu; }

// infoRequestResponse::perCallInfo_sequence::pdu_sequence
static const asn::componentEntry infoRequestResponse_perCallInfo_sequence_pdu_sequenceComponents[] = {
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::pdu_sequence::h323pdu>(offsetof(infoRequestResponse::perCallInfo_sequence::pdu_sequence, h323pdu), "H323pdu"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::pdu_sequence::sent>(offsetof(infoRequestResponse::perCallInfo_sequence::pdu_sequence, sent), "Sent"),
};
static const asn::tagTriple infoRequestResponse_perCallInfo_sequence_pdu_sequenceComponentTags[] = {{0, 16, 1}, {0, 1, 0}};
const asn::sequenceDescriptor infoRequestResponse::perCallInfo_sequence::pdu_sequence::descriptor = asn::sequenceDescriptor::make(infoRequestResponse_perCallInfo_sequence_pdu_sequenceComponents, 2, 0x0u, false, infoRequestResponse_perCallInfo_sequence_pdu_sequenceComponentTags);
infoRequestResponse::perCallInfo_sequence::pdu_sequence::pdu_sequence(const pdu_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
infoRequestResponse::perCallInfo_sequence::pdu_sequence& infoRequestResponse::perCallInfo_sequence::pdu_sequence::operator=(const pdu_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
infoRequestResponse::perCallInfo_sequence::pdu_sequence::~pdu_sequence() { reset(); }
asn::object* infoRequestResponse::perCallInfo_sequence::pdu_sequence::create() { return new pdu_sequence; }

// infoRequestResponse::perCallInfo_sequence
static const asn::componentEntry infoRequestResponse_perCallInfo_sequenceComponents[] = {
    asn::optionalComponent<&infoRequestResponse::perCallInfo_sequence::nonStandardData>(offsetof(infoRequestResponse::perCallInfo_sequence, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::callReferenceValue>(offsetof(infoRequestResponse::perCallInfo_sequence, callReferenceValue), "CallReferenceValue"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::conferenceID>(offsetof(infoRequestResponse::perCallInfo_sequence, conferenceID), "ConferenceID"),
    asn::optionalComponent<&infoRequestResponse::perCallInfo_sequence::originator>(offsetof(infoRequestResponse::perCallInfo_sequence, originator), "Originator"),
    asn::optionalComponent<&infoRequestResponse::perCallInfo_sequence::audio>(offsetof(infoRequestResponse::perCallInfo_sequence, audio), "Audio"),
    asn::optionalComponent<&infoRequestResponse::perCallInfo_sequence::video>(offsetof(infoRequestResponse::perCallInfo_sequence, video), "Video"),
    asn::optionalComponent<&infoRequestResponse::perCallInfo_sequence::data>(offsetof(infoRequestResponse::perCallInfo_sequence, data), "Data"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::h245>(offsetof(infoRequestResponse::perCallInfo_sequence, h245), "H245"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::callSignaling>(offsetof(infoRequestResponse::perCallInfo_sequence, callSignaling), "CallSignaling"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::callType>(offsetof(infoRequestResponse::perCallInfo_sequence, callType), "CallType"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::bandWidth>(offsetof(infoRequestResponse::perCallInfo_sequence, bandWidth), "BandWidth"),
    asn::mandatoryComponent<&infoRequestResponse::perCallInfo_sequence::callModel>(offsetof(infoRequestResponse::perCallInfo_sequence, callModel), "CallModel"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::callIdentifier>(offsetof(infoRequestResponse::perCallInfo_sequence, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::tokens>(offsetof(infoRequestResponse::perCallInfo_sequence, tokens), "Tokens"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::cryptoTokens>(offsetof(infoRequestResponse::perCallInfo_sequence, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::substituteConfIDs>(offsetof(infoRequestResponse::perCallInfo_sequence, substituteConfIDs), "SubstituteConfIDs"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::pdu>(offsetof(infoRequestResponse::perCallInfo_sequence, pdu), "Pdu"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::callLinkage>(offsetof(infoRequestResponse::perCallInfo_sequence, callLinkage), "CallLinkage"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::usageInformation>(offsetof(infoRequestResponse::perCallInfo_sequence, usageInformation), "UsageInformation"),
    asn::additionComponent<&infoRequestResponse::perCallInfo_sequence::circuitInfo>(offsetof(infoRequestResponse::perCallInfo_sequence, circuitInfo), "CircuitInfo"),
};
static const asn::tagTriple infoRequestResponse_perCallInfo_sequenceComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 4, 0}, {0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor infoRequestResponse::perCallInfo_sequence::descriptor = asn::sequenceDescriptor::make(infoRequestResponse_perCallInfo_sequenceComponents, 12, 0x79u, true, infoRequestResponse_perCallInfo_sequenceComponentTags);
infoRequestResponse::perCallInfo_sequence::perCallInfo_sequence(const perCallInfo_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
infoRequestResponse::perCallInfo_sequence& infoRequestResponse::perCallInfo_sequence::operator=(const perCallInfo_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
infoRequestResponse::perCallInfo_sequence::~perCallInfo_sequence() { reset(); }
asn::object* infoRequestResponse::perCallInfo_sequence::create() { return new perCallInfo_sequence; }

// infoRequestResponse
static const asn::componentEntry infoRequestResponseComponents[] = {
    asn::optionalComponent<&infoRequestResponse::nonStandardData>(offsetof(infoRequestResponse, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&infoRequestResponse::requestSeqNum>(offsetof(infoRequestResponse, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&infoRequestResponse::endpointType>(offsetof(infoRequestResponse, endpointType), "EndpointType"),
    asn::mandatoryComponent<&infoRequestResponse::endpointIdentifier>(offsetof(infoRequestResponse, endpointIdentifier), "EndpointIdentifier"),
    asn::mandatoryComponent<&infoRequestResponse::rasAddress>(offsetof(infoRequestResponse, rasAddress), "RasAddress"),
    asn::mandatoryComponent<&infoRequestResponse::callSignalAddress>(offsetof(infoRequestResponse, callSignalAddress), "CallSignalAddress"),
    asn::optionalComponent<&infoRequestResponse::endpointAlias>(offsetof(infoRequestResponse, endpointAlias), "EndpointAlias"),
    asn::optionalComponent<&infoRequestResponse::perCallInfo>(offsetof(infoRequestResponse, perCallInfo), "PerCallInfo"),
    asn::additionComponent<&infoRequestResponse::tokens>(offsetof(infoRequestResponse, tokens), "Tokens"),
    asn::additionComponent<&infoRequestResponse::cryptoTokens>(offsetof(infoRequestResponse, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&infoRequestResponse::integrityCheckValue>(offsetof(infoRequestResponse, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&infoRequestResponse::needResponse>(offsetof(infoRequestResponse, needResponse), "NeedResponse"),
    asn::additionComponent<&infoRequestResponse::capacity>(offsetof(infoRequestResponse, capacity), "Capacity"),
    asn::additionComponent<&infoRequestResponse::irrStatus>(offsetof(infoRequestResponse, irrStatus), "IrrStatus"),
    asn::additionComponent<&infoRequestResponse::unsolicited>(offsetof(infoRequestResponse, unsolicited), "Unsolicited"),
    asn::additionComponent<&infoRequestResponse::genericData>(offsetof(infoRequestResponse, genericData), "GenericData"),
};
static const asn::tagTriple infoRequestResponseComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 16, 1}, {0, 30, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 0, 0}, {0, 1, 0}, {0, 16, 0}};
const asn::sequenceDescriptor infoRequestResponse::descriptor = asn::sequenceDescriptor::make(infoRequestResponseComponents, 8, 0xC1u, true, infoRequestResponseComponentTags);
infoRequestResponse::infoRequestResponse(const infoRequestResponse& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
infoRequestResponse& infoRequestResponse::operator=(const infoRequestResponse& other) {
  if (this != &other) assign(other);
  return *this;
}
infoRequestResponse::~infoRequestResponse() { reset(); }
asn::object* infoRequestResponse::create() { return new infoRequestResponse; }

// infoRequestResponseStatus
static const asn::alternativeEntry infoRequestResponseStatusAlternatives[] = {
    asn::alternative<asn::null>("Complete"),
    asn::alternative<asn::null>("Incomplete"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("Segment"),
    asn::alternative<asn::null>("InvalidCall"),
};
static const asn::tagTriple infoRequestResponseStatusAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor infoRequestResponseStatus::descriptor = asn::choiceDescriptor::make(infoRequestResponseStatusAlternatives, 4, true, infoRequestResponseStatusAlternativeTags);
asn::object* infoRequestResponseStatus::create() { return new infoRequestResponseStatus; }

// infoRequestAck
static const asn::componentEntry infoRequestAckComponents[] = {
    asn::mandatoryComponent<&infoRequestAck::requestSeqNum>(offsetof(infoRequestAck, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&infoRequestAck::nonStandardData>(offsetof(infoRequestAck, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&infoRequestAck::tokens>(offsetof(infoRequestAck, tokens), "Tokens"),
    asn::optionalComponent<&infoRequestAck::cryptoTokens>(offsetof(infoRequestAck, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&infoRequestAck::integrityCheckValue>(offsetof(infoRequestAck, integrityCheckValue), "IntegrityCheckValue"),
};
static const asn::tagTriple infoRequestAckComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor infoRequestAck::descriptor = asn::sequenceDescriptor::make(infoRequestAckComponents, 5, 0x1Eu, true, infoRequestAckComponentTags);
infoRequestAck::infoRequestAck(const infoRequestAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
infoRequestAck& infoRequestAck::operator=(const infoRequestAck& other) {
  if (this != &other) assign(other);
  return *this;
}
infoRequestAck::~infoRequestAck() { reset(); }
asn::object* infoRequestAck::create() { return new infoRequestAck; }

// infoRequestNakReason
static const asn::alternativeEntry infoRequestNakReasonAlternatives[] = {
    asn::alternative<asn::null>("NotRegistered"),
    asn::alternative<asn::null>("SecurityDenial"),
    asn::alternative<asn::null>("UndefinedReason"),
};
static const asn::tagTriple infoRequestNakReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor infoRequestNakReason::descriptor = asn::choiceDescriptor::make(infoRequestNakReasonAlternatives, 3, true, infoRequestNakReasonAlternativeTags);
asn::object* infoRequestNakReason::create() { return new infoRequestNakReason; }

// infoRequestNak
static const asn::componentEntry infoRequestNakComponents[] = {
    asn::mandatoryComponent<&infoRequestNak::requestSeqNum>(offsetof(infoRequestNak, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&infoRequestNak::nonStandardData>(offsetof(infoRequestNak, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&infoRequestNak::nakReason>(offsetof(infoRequestNak, nakReason), "NakReason"),
    asn::optionalComponent<&infoRequestNak::altGKInfo>(offsetof(infoRequestNak, altGKInfo), "AltGKInfo"),
    asn::optionalComponent<&infoRequestNak::tokens>(offsetof(infoRequestNak, tokens), "Tokens"),
    asn::optionalComponent<&infoRequestNak::cryptoTokens>(offsetof(infoRequestNak, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&infoRequestNak::integrityCheckValue>(offsetof(infoRequestNak, integrityCheckValue), "IntegrityCheckValue"),
};
static const asn::tagTriple infoRequestNakComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor infoRequestNak::descriptor = asn::sequenceDescriptor::make(infoRequestNakComponents, 7, 0x7Au, true, infoRequestNakComponentTags);
infoRequestNak::infoRequestNak(const infoRequestNak& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
infoRequestNak& infoRequestNak::operator=(const infoRequestNak& other) {
  if (this != &other) assign(other);
  return *this;
}
infoRequestNak::~infoRequestNak() { reset(); }
asn::object* infoRequestNak::create() { return new infoRequestNak; }

// nonStandardMessage
static const asn::componentEntry nonStandardMessageComponents[] = {
    asn::mandatoryComponent<&nonStandardMessage::requestSeqNum>(offsetof(nonStandardMessage, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&nonStandardMessage::nonStandardData>(offsetof(nonStandardMessage, nonStandardData), "NonStandardData"),
    asn::additionComponent<&nonStandardMessage::tokens>(offsetof(nonStandardMessage, tokens), "Tokens"),
    asn::additionComponent<&nonStandardMessage::cryptoTokens>(offsetof(nonStandardMessage, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&nonStandardMessage::integrityCheckValue>(offsetof(nonStandardMessage, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&nonStandardMessage::featureSet>(offsetof(nonStandardMessage, featureSet), "FeatureSet"),
    asn::additionComponent<&nonStandardMessage::genericData>(offsetof(nonStandardMessage, genericData), "GenericData"),
};
static const asn::tagTriple nonStandardMessageComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor nonStandardMessage::descriptor = asn::sequenceDescriptor::make(nonStandardMessageComponents, 2, 0x0u, true, nonStandardMessageComponentTags);
nonStandardMessage::nonStandardMessage(const nonStandardMessage& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
nonStandardMessage& nonStandardMessage::operator=(const nonStandardMessage& other) {
  if (this != &other) assign(other);
  return *this;
}
nonStandardMessage::~nonStandardMessage() { reset(); }
asn::object* nonStandardMessage::create() { return new nonStandardMessage; }

// unknownMessageResponse
static const asn::componentEntry unknownMessageResponseComponents[] = {
    asn::mandatoryComponent<&unknownMessageResponse::requestSeqNum>(offsetof(unknownMessageResponse, requestSeqNum), "RequestSeqNum"),
    asn::additionComponent<&unknownMessageResponse::tokens>(offsetof(unknownMessageResponse, tokens), "Tokens"),
    asn::additionComponent<&unknownMessageResponse::cryptoTokens>(offsetof(unknownMessageResponse, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&unknownMessageResponse::integrityCheckValue>(offsetof(unknownMessageResponse, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&unknownMessageResponse::messageNotUnderstood>(offsetof(unknownMessageResponse, messageNotUnderstood), "MessageNotUnderstood"),
};
static const asn::tagTriple unknownMessageResponseComponentTags[] = {{0, 2, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor unknownMessageResponse::descriptor = asn::sequenceDescriptor::make(unknownMessageResponseComponents, 1, 0x0u, true, unknownMessageResponseComponentTags);
unknownMessageResponse::unknownMessageResponse(const unknownMessageResponse& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unknownMessageResponse& unknownMessageResponse::operator=(const unknownMessageResponse& other) {
  if (this != &other) assign(other);
  return *this;
}
unknownMessageResponse::~unknownMessageResponse() { reset(); }
asn::object* unknownMessageResponse::create() { return new unknownMessageResponse; }

// requestInProgress
static const asn::componentEntry requestInProgressComponents[] = {
    asn::mandatoryComponent<&requestInProgress::requestSeqNum>(offsetof(requestInProgress, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&requestInProgress::nonStandardData>(offsetof(requestInProgress, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&requestInProgress::tokens>(offsetof(requestInProgress, tokens), "Tokens"),
    asn::optionalComponent<&requestInProgress::cryptoTokens>(offsetof(requestInProgress, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&requestInProgress::integrityCheckValue>(offsetof(requestInProgress, integrityCheckValue), "IntegrityCheckValue"),
    asn::mandatoryComponent<&requestInProgress::delay>(offsetof(requestInProgress, delay), "Delay"),
};
static const asn::tagTriple requestInProgressComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor requestInProgress::descriptor = asn::sequenceDescriptor::make(requestInProgressComponents, 6, 0x1Eu, true, requestInProgressComponentTags);
requestInProgress::requestInProgress(const requestInProgress& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestInProgress& requestInProgress::operator=(const requestInProgress& other) {
  if (this != &other) assign(other);
  return *this;
}
requestInProgress::~requestInProgress() { reset(); }
asn::object* requestInProgress::create() { return new requestInProgress; }

// resourcesAvailableIndicate
static const asn::componentEntry resourcesAvailableIndicateComponents[] = {
    asn::mandatoryComponent<&resourcesAvailableIndicate::requestSeqNum>(offsetof(resourcesAvailableIndicate, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&resourcesAvailableIndicate::protocolIdentifier>(offsetof(resourcesAvailableIndicate, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&resourcesAvailableIndicate::nonStandardData>(offsetof(resourcesAvailableIndicate, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&resourcesAvailableIndicate::endpointIdentifier>(offsetof(resourcesAvailableIndicate, endpointIdentifier), "EndpointIdentifier"),
    asn::mandatoryComponent<&resourcesAvailableIndicate::protocols>(offsetof(resourcesAvailableIndicate, protocols), "Protocols"),
    asn::mandatoryComponent<&resourcesAvailableIndicate::almostOutOfResources>(offsetof(resourcesAvailableIndicate, almostOutOfResources), "AlmostOutOfResources"),
    asn::optionalComponent<&resourcesAvailableIndicate::tokens>(offsetof(resourcesAvailableIndicate, tokens), "Tokens"),
    asn::optionalComponent<&resourcesAvailableIndicate::cryptoTokens>(offsetof(resourcesAvailableIndicate, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&resourcesAvailableIndicate::integrityCheckValue>(offsetof(resourcesAvailableIndicate, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&resourcesAvailableIndicate::capacity>(offsetof(resourcesAvailableIndicate, capacity), "Capacity"),
    asn::additionComponent<&resourcesAvailableIndicate::genericData>(offsetof(resourcesAvailableIndicate, genericData), "GenericData"),
};
static const asn::tagTriple resourcesAvailableIndicateComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 30, 0}, {0, 16, 0}, {0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor resourcesAvailableIndicate::descriptor = asn::sequenceDescriptor::make(resourcesAvailableIndicateComponents, 9, 0x1C4u, true, resourcesAvailableIndicateComponentTags);
resourcesAvailableIndicate::resourcesAvailableIndicate(const resourcesAvailableIndicate& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
resourcesAvailableIndicate& resourcesAvailableIndicate::operator=(const resourcesAvailableIndicate& other) {
  if (this != &other) assign(other);
  return *this;
}
resourcesAvailableIndicate::~resourcesAvailableIndicate() { reset(); }
asn::object* resourcesAvailableIndicate::create() { return new resourcesAvailableIndicate; }

// resourcesAvailableConfirm
static const asn::componentEntry resourcesAvailableConfirmComponents[] = {
    asn::mandatoryComponent<&resourcesAvailableConfirm::requestSeqNum>(offsetof(resourcesAvailableConfirm, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&resourcesAvailableConfirm::protocolIdentifier>(offsetof(resourcesAvailableConfirm, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&resourcesAvailableConfirm::nonStandardData>(offsetof(resourcesAvailableConfirm, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&resourcesAvailableConfirm::tokens>(offsetof(resourcesAvailableConfirm, tokens), "Tokens"),
    asn::optionalComponent<&resourcesAvailableConfirm::cryptoTokens>(offsetof(resourcesAvailableConfirm, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&resourcesAvailableConfirm::integrityCheckValue>(offsetof(resourcesAvailableConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&resourcesAvailableConfirm::genericData>(offsetof(resourcesAvailableConfirm, genericData), "GenericData"),
};
static const asn::tagTriple resourcesAvailableConfirmComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor resourcesAvailableConfirm::descriptor = asn::sequenceDescriptor::make(resourcesAvailableConfirmComponents, 6, 0x3Cu, true, resourcesAvailableConfirmComponentTags);
resourcesAvailableConfirm::resourcesAvailableConfirm(const resourcesAvailableConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
resourcesAvailableConfirm& resourcesAvailableConfirm::operator=(const resourcesAvailableConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
resourcesAvailableConfirm::~resourcesAvailableConfirm() { reset(); }
asn::object* resourcesAvailableConfirm::create() { return new resourcesAvailableConfirm; }

// serviceControlIndication::callSpecific_sequence
static const asn::componentEntry serviceControlIndication_callSpecific_sequenceComponents[] = {
    asn::mandatoryComponent<&serviceControlIndication::callSpecific_sequence::callIdentifier>(offsetof(serviceControlIndication::callSpecific_sequence, callIdentifier), "CallIdentifier"),
    asn::mandatoryComponent<&serviceControlIndication::callSpecific_sequence::conferenceID>(offsetof(serviceControlIndication::callSpecific_sequence, conferenceID), "ConferenceID"),
    asn::mandatoryComponent<&serviceControlIndication::callSpecific_sequence::answeredCall>(offsetof(serviceControlIndication::callSpecific_sequence, answeredCall), "AnsweredCall"),
};
static const asn::tagTriple serviceControlIndication_callSpecific_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}, {0, 1, 0}};
const asn::sequenceDescriptor serviceControlIndication::callSpecific_sequence::descriptor = asn::sequenceDescriptor::make(serviceControlIndication_callSpecific_sequenceComponents, 3, 0x0u, true, serviceControlIndication_callSpecific_sequenceComponentTags);
serviceControlIndication::callSpecific_sequence::callSpecific_sequence(const callSpecific_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
serviceControlIndication::callSpecific_sequence& serviceControlIndication::callSpecific_sequence::operator=(const callSpecific_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
serviceControlIndication::callSpecific_sequence::~callSpecific_sequence() { reset(); }
asn::object* serviceControlIndication::callSpecific_sequence::create() { return new callSpecific_sequence; }

// serviceControlIndication
static const asn::componentEntry serviceControlIndicationComponents[] = {
    asn::mandatoryComponent<&serviceControlIndication::requestSeqNum>(offsetof(serviceControlIndication, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&serviceControlIndication::nonStandardData>(offsetof(serviceControlIndication, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&serviceControlIndication::serviceControl>(offsetof(serviceControlIndication, serviceControl), "ServiceControl"),
    asn::optionalComponent<&serviceControlIndication::endpointIdentifier>(offsetof(serviceControlIndication, endpointIdentifier), "EndpointIdentifier"),
    asn::optionalComponent<&serviceControlIndication::callSpecific>(offsetof(serviceControlIndication, callSpecific), "CallSpecific"),
    asn::optionalComponent<&serviceControlIndication::tokens>(offsetof(serviceControlIndication, tokens), "Tokens"),
    asn::optionalComponent<&serviceControlIndication::cryptoTokens>(offsetof(serviceControlIndication, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&serviceControlIndication::integrityCheckValue>(offsetof(serviceControlIndication, integrityCheckValue), "IntegrityCheckValue"),
    asn::optionalComponent<&serviceControlIndication::featureSet>(offsetof(serviceControlIndication, featureSet), "FeatureSet"),
    asn::optionalComponent<&serviceControlIndication::genericData>(offsetof(serviceControlIndication, genericData), "GenericData"),
};
static const asn::tagTriple serviceControlIndicationComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 30, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor serviceControlIndication::descriptor = asn::sequenceDescriptor::make(serviceControlIndicationComponents, 10, 0x3FAu, true, serviceControlIndicationComponentTags);
serviceControlIndication::serviceControlIndication(const serviceControlIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
serviceControlIndication& serviceControlIndication::operator=(const serviceControlIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
serviceControlIndication::~serviceControlIndication() { reset(); }
asn::object* serviceControlIndication::create() { return new serviceControlIndication; }

// serviceControlResponse::result_choice
static const asn::alternativeEntry serviceControlResponse_result_choiceAlternatives[] = {
    asn::alternative<asn::null>("Started"),
    asn::alternative<asn::null>("Failed"),
    asn::alternative<asn::null>("Stopped"),
    asn::alternative<asn::null>("NotAvailable"),
    asn::alternative<asn::null>("NeededFeatureNotSupported"),
};
static const asn::tagTriple serviceControlResponse_result_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor serviceControlResponse::result_choice::descriptor = asn::choiceDescriptor::make(serviceControlResponse_result_choiceAlternatives, 5, true, serviceControlResponse_result_choiceAlternativeTags);
asn::object* serviceControlResponse::result_choice::create() { return new result_choice; }

// serviceControlResponse
static const asn::componentEntry serviceControlResponseComponents[] = {
    asn::mandatoryComponent<&serviceControlResponse::requestSeqNum>(offsetof(serviceControlResponse, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&serviceControlResponse::result>(offsetof(serviceControlResponse, result), "Result"),
    asn::optionalComponent<&serviceControlResponse::nonStandardData>(offsetof(serviceControlResponse, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&serviceControlResponse::tokens>(offsetof(serviceControlResponse, tokens), "Tokens"),
    asn::optionalComponent<&serviceControlResponse::cryptoTokens>(offsetof(serviceControlResponse, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&serviceControlResponse::integrityCheckValue>(offsetof(serviceControlResponse, integrityCheckValue), "IntegrityCheckValue"),
    asn::optionalComponent<&serviceControlResponse::featureSet>(offsetof(serviceControlResponse, featureSet), "FeatureSet"),
    asn::optionalComponent<&serviceControlResponse::genericData>(offsetof(serviceControlResponse, genericData), "GenericData"),
};
static const asn::tagTriple serviceControlResponseComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor serviceControlResponse::descriptor = asn::sequenceDescriptor::make(serviceControlResponseComponents, 8, 0xFEu, true, serviceControlResponseComponentTags);
serviceControlResponse::serviceControlResponse(const serviceControlResponse& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
serviceControlResponse& serviceControlResponse::operator=(const serviceControlResponse& other) {
  if (this != &other) assign(other);
  return *this;
}
serviceControlResponse::~serviceControlResponse() { reset(); }
asn::object* serviceControlResponse::create() { return new serviceControlResponse; }

// rasMessage
static const asn::alternativeEntry rasMessageAlternatives[] = {
    asn::alternative<H225::gatekeeperRequest>("GatekeeperRequest"),
    asn::alternative<H225::gatekeeperConfirm>("GatekeeperConfirm"),
    asn::alternative<H225::gatekeeperReject>("GatekeeperReject"),
    asn::alternative<H225::registrationRequest>("RegistrationRequest"),
    asn::alternative<H225::registrationConfirm>("RegistrationConfirm"),
    asn::alternative<H225::registrationReject>("RegistrationReject"),
    asn::alternative<H225::unregistrationRequest>("UnregistrationRequest"),
    asn::alternative<H225::unregistrationConfirm>("UnregistrationConfirm"),
    asn::alternative<H225::unregistrationReject>("UnregistrationReject"),
    asn::alternative<H225::admissionRequest>("AdmissionRequest"),
    asn::alternative<H225::admissionConfirm>("AdmissionConfirm"),
    asn::alternative<H225::admissionReject>("AdmissionReject"),
    asn::alternative<H225::bandwidthRequest>("BandwidthRequest"),
    asn::alternative<H225::bandwidthConfirm>("BandwidthConfirm"),
    asn::alternative<H225::bandwidthReject>("BandwidthReject"),
    asn::alternative<H225::disengageRequest>("DisengageRequest"),
    asn::alternative<H225::disengageConfirm>("DisengageConfirm"),
    asn::alternative<H225::disengageReject>("DisengageReject"),
    asn::alternative<H225::locationRequest>("LocationRequest"),
    asn::alternative<H225::locationConfirm>("LocationConfirm"),
    asn::alternative<H225::locationReject>("LocationReject"),
    asn::alternative<H225::infoRequest>("InfoRequest"),
    asn::alternative<H225::infoRequestResponse>("InfoRequestResponse"),
    asn::alternative<H225::nonStandardMessage>("NonStandardMessage"),
    asn::alternative<H225::unknownMessageResponse>("UnknownMessageResponse"),
    asn::alternative<H225::requestInProgress>("RequestInProgress"),
    asn::alternative<H225::resourcesAvailableIndicate>("ResourcesAvailableIndicate"),
    asn::alternative<H225::resourcesAvailableConfirm>("ResourcesAvailableConfirm"),
    asn::alternative<H225::infoRequestAck>("InfoRequestAck"),
    asn::alternative<H225::infoRequestNak>("InfoRequestNak"),
    asn::alternative<H225::serviceControlIndication>("ServiceControlIndication"),
    asn::alternative<H225::serviceControlResponse>("ServiceControlResponse"),
};
static const asn::tagTriple rasMessageAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor rasMessage::descriptor = asn::choiceDescriptor::make(rasMessageAlternatives, 25, true, rasMessageAlternativeTags);

// gatekeeperRequest
static const asn::componentEntry gatekeeperRequestComponents[] = {
    asn::mandatoryComponent<&gatekeeperRequest::requestSeqNum>(offsetof(gatekeeperRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&gatekeeperRequest::protocolIdentifier>(offsetof(gatekeeperRequest, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&gatekeeperRequest::nonStandardData>(offsetof(gatekeeperRequest, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&gatekeeperRequest::rasAddress>(offsetof(gatekeeperRequest, rasAddress), "RasAddress"),
    asn::mandatoryComponent<&gatekeeperRequest::endpointType>(offsetof(gatekeeperRequest, endpointType), "EndpointType"),
    asn::optionalComponent<&gatekeeperRequest::gatekeeperIdentifier>(offsetof(gatekeeperRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::optionalComponent<&gatekeeperRequest::callServices>(offsetof(gatekeeperRequest, callServices), "CallServices"),
    asn::optionalComponent<&gatekeeperRequest::endpointAlias>(offsetof(gatekeeperRequest, endpointAlias), "EndpointAlias"),
    asn::additionComponent<&gatekeeperRequest::alternateEndpoints>(offsetof(gatekeeperRequest, alternateEndpoints), "AlternateEndpoints"),
    asn::additionComponent<&gatekeeperRequest::tokens>(offsetof(gatekeeperRequest, tokens), "Tokens"),
    asn::additionComponent<&gatekeeperRequest::cryptoTokens>(offsetof(gatekeeperRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&gatekeeperRequest::authenticationCapability>(offsetof(gatekeeperRequest, authenticationCapability), "AuthenticationCapability"),
    asn::additionComponent<&gatekeeperRequest::algorithmOIDs>(offsetof(gatekeeperRequest, algorithmOIDs), "AlgorithmOIDs"),
    asn::additionComponent<&gatekeeperRequest::integrity>(offsetof(gatekeeperRequest, integrity), "Integrity"),
    asn::additionComponent<&gatekeeperRequest::integrityCheckValue>(offsetof(gatekeeperRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&gatekeeperRequest::supportsAltGK>(offsetof(gatekeeperRequest, supportsAltGK), "SupportsAltGK"),
    asn::additionComponent<&gatekeeperRequest::featureSet>(offsetof(gatekeeperRequest, featureSet), "FeatureSet"),
    asn::additionComponent<&gatekeeperRequest::genericData>(offsetof(gatekeeperRequest, genericData), "GenericData"),
};
static const asn::tagTriple gatekeeperRequestComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 30, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 5, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor gatekeeperRequest::descriptor = asn::sequenceDescriptor::make(gatekeeperRequestComponents, 8, 0xE4u, true, gatekeeperRequestComponentTags);
gatekeeperRequest::gatekeeperRequest(const gatekeeperRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gatekeeperRequest& gatekeeperRequest::operator=(const gatekeeperRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
gatekeeperRequest::~gatekeeperRequest() { reset(); }
asn::object* gatekeeperRequest::create() { return new gatekeeperRequest; }

// gatekeeperConfirm
static const asn::componentEntry gatekeeperConfirmComponents[] = {
    asn::mandatoryComponent<&gatekeeperConfirm::requestSeqNum>(offsetof(gatekeeperConfirm, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&gatekeeperConfirm::protocolIdentifier>(offsetof(gatekeeperConfirm, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&gatekeeperConfirm::nonStandardData>(offsetof(gatekeeperConfirm, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&gatekeeperConfirm::gatekeeperIdentifier>(offsetof(gatekeeperConfirm, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::mandatoryComponent<&gatekeeperConfirm::rasAddress>(offsetof(gatekeeperConfirm, rasAddress), "RasAddress"),
    asn::additionComponent<&gatekeeperConfirm::alternateGatekeeper>(offsetof(gatekeeperConfirm, alternateGatekeeper), "AlternateGatekeeper"),
    asn::additionComponent<&gatekeeperConfirm::authenticationMode>(offsetof(gatekeeperConfirm, authenticationMode), "AuthenticationMode"),
    asn::additionComponent<&gatekeeperConfirm::tokens>(offsetof(gatekeeperConfirm, tokens), "Tokens"),
    asn::additionComponent<&gatekeeperConfirm::cryptoTokens>(offsetof(gatekeeperConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&gatekeeperConfirm::algorithmOID>(offsetof(gatekeeperConfirm, algorithmOID), "AlgorithmOID"),
    asn::additionComponent<&gatekeeperConfirm::integrity>(offsetof(gatekeeperConfirm, integrity), "Integrity"),
    asn::additionComponent<&gatekeeperConfirm::integrityCheckValue>(offsetof(gatekeeperConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&gatekeeperConfirm::featureSet>(offsetof(gatekeeperConfirm, featureSet), "FeatureSet"),
    asn::additionComponent<&gatekeeperConfirm::genericData>(offsetof(gatekeeperConfirm, genericData), "GenericData"),
};
static const asn::tagTriple gatekeeperConfirmComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 30, 0}, {0, 0, 0}, {0, 16, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 6, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor gatekeeperConfirm::descriptor = asn::sequenceDescriptor::make(gatekeeperConfirmComponents, 5, 0xCu, true, gatekeeperConfirmComponentTags);
gatekeeperConfirm::gatekeeperConfirm(const gatekeeperConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gatekeeperConfirm& gatekeeperConfirm::operator=(const gatekeeperConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
gatekeeperConfirm::~gatekeeperConfirm() { reset(); }
asn::object* gatekeeperConfirm::create() { return new gatekeeperConfirm; }

// gatekeeperRejectReason
static const asn::alternativeEntry gatekeeperRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("ResourceUnavailable"),
    asn::alternative<asn::null>("TerminalExcluded"),
    asn::alternative<asn::null>("InvalidRevision"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("SecurityDenial"),
    asn::alternative<asn::null>("GenericDataReason"),
    asn::alternative<asn::null>("NeededFeatureNotSupported"),
};
static const asn::tagTriple gatekeeperRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor gatekeeperRejectReason::descriptor = asn::choiceDescriptor::make(gatekeeperRejectReasonAlternatives, 4, true, gatekeeperRejectReasonAlternativeTags);
asn::object* gatekeeperRejectReason::create() { return new gatekeeperRejectReason; }

// gatekeeperReject
static const asn::componentEntry gatekeeperRejectComponents[] = {
    asn::mandatoryComponent<&gatekeeperReject::requestSeqNum>(offsetof(gatekeeperReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&gatekeeperReject::protocolIdentifier>(offsetof(gatekeeperReject, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&gatekeeperReject::nonStandardData>(offsetof(gatekeeperReject, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&gatekeeperReject::gatekeeperIdentifier>(offsetof(gatekeeperReject, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::mandatoryComponent<&gatekeeperReject::rejectReason>(offsetof(gatekeeperReject, rejectReason), "RejectReason"),
    asn::additionComponent<&gatekeeperReject::altGKInfo>(offsetof(gatekeeperReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&gatekeeperReject::tokens>(offsetof(gatekeeperReject, tokens), "Tokens"),
    asn::additionComponent<&gatekeeperReject::cryptoTokens>(offsetof(gatekeeperReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&gatekeeperReject::integrityCheckValue>(offsetof(gatekeeperReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&gatekeeperReject::featureSet>(offsetof(gatekeeperReject, featureSet), "FeatureSet"),
    asn::additionComponent<&gatekeeperReject::genericData>(offsetof(gatekeeperReject, genericData), "GenericData"),
};
static const asn::tagTriple gatekeeperRejectComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 30, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor gatekeeperReject::descriptor = asn::sequenceDescriptor::make(gatekeeperRejectComponents, 5, 0xCu, true, gatekeeperRejectComponentTags);
gatekeeperReject::gatekeeperReject(const gatekeeperReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gatekeeperReject& gatekeeperReject::operator=(const gatekeeperReject& other) {
  if (this != &other) assign(other);
  return *this;
}
gatekeeperReject::~gatekeeperReject() { reset(); }
asn::object* gatekeeperReject::create() { return new gatekeeperReject; }

// registrationRequest
static const asn::componentEntry registrationRequestComponents[] = {
    asn::mandatoryComponent<&registrationRequest::requestSeqNum>(offsetof(registrationRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&registrationRequest::protocolIdentifier>(offsetof(registrationRequest, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&registrationRequest::nonStandardData>(offsetof(registrationRequest, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&registrationRequest::discoveryComplete>(offsetof(registrationRequest, discoveryComplete), "DiscoveryComplete"),
    asn::mandatoryComponent<&registrationRequest::callSignalAddress>(offsetof(registrationRequest, callSignalAddress), "CallSignalAddress"),
    asn::mandatoryComponent<&registrationRequest::rasAddress>(offsetof(registrationRequest, rasAddress), "RasAddress"),
    asn::mandatoryComponent<&registrationRequest::terminalType>(offsetof(registrationRequest, terminalType), "TerminalType"),
    asn::optionalComponent<&registrationRequest::terminalAlias>(offsetof(registrationRequest, terminalAlias), "TerminalAlias"),
    asn::optionalComponent<&registrationRequest::gatekeeperIdentifier>(offsetof(registrationRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::mandatoryComponent<&registrationRequest::endpointVendor>(offsetof(registrationRequest, endpointVendor), "EndpointVendor"),
    asn::additionComponent<&registrationRequest::alternateEndpoints>(offsetof(registrationRequest, alternateEndpoints), "AlternateEndpoints"),
    asn::additionComponent<&registrationRequest::timeToLive>(offsetof(registrationRequest, timeToLive), "TimeToLive"),
    asn::additionComponent<&registrationRequest::tokens>(offsetof(registrationRequest, tokens), "Tokens"),
    asn::additionComponent<&registrationRequest::cryptoTokens>(offsetof(registrationRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&registrationRequest::integrityCheckValue>(offsetof(registrationRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&registrationRequest::keepAlive>(offsetof(registrationRequest, keepAlive), "KeepAlive"),
    asn::additionComponent<&registrationRequest::endpointIdentifier>(offsetof(registrationRequest, endpointIdentifier), "EndpointIdentifier"),
    asn::additionComponent<&registrationRequest::willSupplyUUIEs>(offsetof(registrationRequest, willSupplyUUIEs), "WillSupplyUUIEs"),
    asn::additionComponent<&registrationRequest::maintainConnection>(offsetof(registrationRequest, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&registrationRequest::alternateTransportAddresses>(offsetof(registrationRequest, alternateTransportAddresses), "AlternateTransportAddresses"),
    asn::additionComponent<&registrationRequest::additiveRegistration>(offsetof(registrationRequest, additiveRegistration), "AdditiveRegistration"),
    asn::additionComponent<&registrationRequest::terminalAliasPattern>(offsetof(registrationRequest, terminalAliasPattern), "TerminalAliasPattern"),
    asn::additionComponent<&registrationRequest::supportsAltGK>(offsetof(registrationRequest, supportsAltGK), "SupportsAltGK"),
    asn::additionComponent<&registrationRequest::usageReportingCapability>(offsetof(registrationRequest, usageReportingCapability), "UsageReportingCapability"),
    asn::additionComponent<&registrationRequest::multipleCalls>(offsetof(registrationRequest, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&registrationRequest::supportedH248Packages>(offsetof(registrationRequest, supportedH248Packages), "SupportedH248Packages"),
    asn::additionComponent<&registrationRequest::callCreditCapability>(offsetof(registrationRequest, callCreditCapability), "CallCreditCapability"),
    asn::additionComponent<&registrationRequest::capacityReportingCapability>(offsetof(registrationRequest, capacityReportingCapability), "CapacityReportingCapability"),
    asn::additionComponent<&registrationRequest::capacity>(offsetof(registrationRequest, capacity), "Capacity"),
    asn::additionComponent<&registrationRequest::featureSet>(offsetof(registrationRequest, featureSet), "FeatureSet"),
    asn::additionComponent<&registrationRequest::genericData>(offsetof(registrationRequest, genericData), "GenericData"),
};
static const asn::tagTriple registrationRequestComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 30, 0}, {0, 16, 1}, {0, 16, 0}, {0, 2, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 1, 0}, {0, 30, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 5, 0}, {0, 16, 0}, {0, 5, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor registrationRequest::descriptor = asn::sequenceDescriptor::make(registrationRequestComponents, 10, 0x184u, true, registrationRequestComponentTags);
registrationRequest::registrationRequest(const registrationRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
registrationRequest& registrationRequest::operator=(const registrationRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
registrationRequest::~registrationRequest() { reset(); }
asn::object* registrationRequest::create() { return new registrationRequest; }

// registrationConfirm::preGrantedARQ_sequence
static const asn::componentEntry registrationConfirm_preGrantedARQ_sequenceComponents[] = {
    asn::mandatoryComponent<&registrationConfirm::preGrantedARQ_sequence::makeCall>(offsetof(registrationConfirm::preGrantedARQ_sequence, makeCall), "MakeCall"),
    asn::mandatoryComponent<&registrationConfirm::preGrantedARQ_sequence::useGKCallSignalAddressToMakeCall>(offsetof(registrationConfirm::preGrantedARQ_sequence, useGKCallSignalAddressToMakeCall), "UseGKCallSignalAddressToMakeCall"),
    asn::mandatoryComponent<&registrationConfirm::preGrantedARQ_sequence::answerCall>(offsetof(registrationConfirm::preGrantedARQ_sequence, answerCall), "AnswerCall"),
    asn::mandatoryComponent<&registrationConfirm::preGrantedARQ_sequence::useGKCallSignalAddressToAnswer>(offsetof(registrationConfirm::preGrantedARQ_sequence, useGKCallSignalAddressToAnswer), "UseGKCallSignalAddressToAnswer"),
    asn::additionComponent<&registrationConfirm::preGrantedARQ_sequence::irrFrequencyInCall>(offsetof(registrationConfirm::preGrantedARQ_sequence, irrFrequencyInCall), "IrrFrequencyInCall"),
    asn::additionComponent<&registrationConfirm::preGrantedARQ_sequence::totalBandwidthRestriction>(offsetof(registrationConfirm::preGrantedARQ_sequence, totalBandwidthRestriction), "TotalBandwidthRestriction"),
    asn::additionComponent<&registrationConfirm::preGrantedARQ_sequence::alternateTransportAddresses>(offsetof(registrationConfirm::preGrantedARQ_sequence, alternateTransportAddresses), "AlternateTransportAddresses"),
    asn::additionComponent<&registrationConfirm::preGrantedARQ_sequence::useSpecifiedTransport>(offsetof(registrationConfirm::preGrantedARQ_sequence, useSpecifiedTransport), "UseSpecifiedTransport"),
};
static const asn::tagTriple registrationConfirm_preGrantedARQ_sequenceComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor registrationConfirm::preGrantedARQ_sequence::descriptor = asn::sequenceDescriptor::make(registrationConfirm_preGrantedARQ_sequenceComponents, 4, 0x0u, true, registrationConfirm_preGrantedARQ_sequenceComponentTags);
registrationConfirm::preGrantedARQ_sequence::preGrantedARQ_sequence(const preGrantedARQ_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
registrationConfirm::preGrantedARQ_sequence& registrationConfirm::preGrantedARQ_sequence::operator=(const preGrantedARQ_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
registrationConfirm::preGrantedARQ_sequence::~preGrantedARQ_sequence() { reset(); }
asn::object* registrationConfirm::preGrantedARQ_sequence::create() { return new preGrantedARQ_sequence; }

// registrationConfirm
static const asn::componentEntry registrationConfirmComponents[] = {
    asn::mandatoryComponent<&registrationConfirm::requestSeqNum>(offsetof(registrationConfirm, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&registrationConfirm::protocolIdentifier>(offsetof(registrationConfirm, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&registrationConfirm::nonStandardData>(offsetof(registrationConfirm, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&registrationConfirm::callSignalAddress>(offsetof(registrationConfirm, callSignalAddress), "CallSignalAddress"),
    asn::optionalComponent<&registrationConfirm::terminalAlias>(offsetof(registrationConfirm, terminalAlias), "TerminalAlias"),
    asn::optionalComponent<&registrationConfirm::gatekeeperIdentifier>(offsetof(registrationConfirm, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::mandatoryComponent<&registrationConfirm::endpointIdentifier>(offsetof(registrationConfirm, endpointIdentifier), "EndpointIdentifier"),
    asn::additionComponent<&registrationConfirm::alternateGatekeeper>(offsetof(registrationConfirm, alternateGatekeeper), "AlternateGatekeeper"),
    asn::additionComponent<&registrationConfirm::timeToLive>(offsetof(registrationConfirm, timeToLive), "TimeToLive"),
    asn::additionComponent<&registrationConfirm::tokens>(offsetof(registrationConfirm, tokens), "Tokens"),
    asn::additionComponent<&registrationConfirm::cryptoTokens>(offsetof(registrationConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&registrationConfirm::integrityCheckValue>(offsetof(registrationConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&registrationConfirm::willRespondToIRR>(offsetof(registrationConfirm, willRespondToIRR), "WillRespondToIRR"),
    asn::additionComponent<&registrationConfirm::preGrantedARQ>(offsetof(registrationConfirm, preGrantedARQ), "PreGrantedARQ"),
    asn::additionComponent<&registrationConfirm::maintainConnection>(offsetof(registrationConfirm, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&registrationConfirm::serviceControl>(offsetof(registrationConfirm, serviceControl), "ServiceControl"),
    asn::additionComponent<&registrationConfirm::supportsAdditiveRegistration>(offsetof(registrationConfirm, supportsAdditiveRegistration), "SupportsAdditiveRegistration"),
    asn::additionComponent<&registrationConfirm::terminalAliasPattern>(offsetof(registrationConfirm, terminalAliasPattern), "TerminalAliasPattern"),
    asn::additionComponent<&registrationConfirm::supportedPrefixes>(offsetof(registrationConfirm, supportedPrefixes), "SupportedPrefixes"),
    asn::additionComponent<&registrationConfirm::usageSpec>(offsetof(registrationConfirm, usageSpec), "UsageSpec"),
    asn::additionComponent<&registrationConfirm::featureServerAlias>(offsetof(registrationConfirm, featureServerAlias), "FeatureServerAlias"),
    asn::additionComponent<&registrationConfirm::capacityReportingSpec>(offsetof(registrationConfirm, capacityReportingSpec), "CapacityReportingSpec"),
    asn::additionComponent<&registrationConfirm::featureSet>(offsetof(registrationConfirm, featureSet), "FeatureSet"),
    asn::additionComponent<&registrationConfirm::genericData>(offsetof(registrationConfirm, genericData), "GenericData"),
};
static const asn::tagTriple registrationConfirmComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 30, 0}, {0, 30, 0}, {0, 16, 0}, {0, 2, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 0}, {0, 5, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor registrationConfirm::descriptor = asn::sequenceDescriptor::make(registrationConfirmComponents, 7, 0x34u, true, registrationConfirmComponentTags);
registrationConfirm::registrationConfirm(const registrationConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
registrationConfirm& registrationConfirm::operator=(const registrationConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
registrationConfirm::~registrationConfirm() { reset(); }
asn::object* registrationConfirm::create() { return new registrationConfirm; }

// registrationRejectReason::invalidTerminalAliases_sequence
static const asn::componentEntry registrationRejectReason_invalidTerminalAliases_sequenceComponents[] = {
    asn::optionalComponent<&registrationRejectReason::invalidTerminalAliases_sequence::terminalAlias>(offsetof(registrationRejectReason::invalidTerminalAliases_sequence, terminalAlias), "TerminalAlias"),
    asn::optionalComponent<&registrationRejectReason::invalidTerminalAliases_sequence::terminalAliasPattern>(offsetof(registrationRejectReason::invalidTerminalAliases_sequence, terminalAliasPattern), "TerminalAliasPattern"),
    asn::optionalComponent<&registrationRejectReason::invalidTerminalAliases_sequence::supportedPrefixes>(offsetof(registrationRejectReason::invalidTerminalAliases_sequence, supportedPrefixes), "SupportedPrefixes"),
};
static const asn::tagTriple registrationRejectReason_invalidTerminalAliases_sequenceComponentTags[] = {{0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor registrationRejectReason::invalidTerminalAliases_sequence::descriptor = asn::sequenceDescriptor::make(registrationRejectReason_invalidTerminalAliases_sequenceComponents, 3, 0x7u, true, registrationRejectReason_invalidTerminalAliases_sequenceComponentTags);
registrationRejectReason::invalidTerminalAliases_sequence::invalidTerminalAliases_sequence(const invalidTerminalAliases_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
registrationRejectReason::invalidTerminalAliases_sequence& registrationRejectReason::invalidTerminalAliases_sequence::operator=(const invalidTerminalAliases_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
registrationRejectReason::invalidTerminalAliases_sequence::~invalidTerminalAliases_sequence() { reset(); }
asn::object* registrationRejectReason::invalidTerminalAliases_sequence::create() { return new invalidTerminalAliases_sequence; }

// registrationRejectReason
static const asn::alternativeEntry registrationRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("DiscoveryRequired"),
    asn::alternative<asn::null>("InvalidRevision"),
    asn::alternative<asn::null>("InvalidCallSignalAddress"),
    asn::alternative<asn::null>("InvalidRASAddress"),
    asn::alternative<asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>>("DuplicateAlias"),
    asn::alternative<asn::null>("InvalidTerminalType"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("TransportNotSupported"),
    asn::alternative<asn::null>("TransportQOSNotSupported"),
    asn::alternative<asn::null>("ResourceUnavailable"),
    asn::alternative<asn::null>("InvalidAlias"),
    asn::alternative<asn::null>("SecurityDenial"),
    asn::alternative<asn::null>("FullRegistrationRequired"),
    asn::alternative<asn::null>("AdditiveRegistrationNotSupported"),
    asn::alternative<H225::registrationRejectReason::invalidTerminalAliases_sequence>("InvalidTerminalAliases"),
    asn::alternative<asn::null>("GenericDataReason"),
    asn::alternative<asn::null>("NeededFeatureNotSupported"),
};
static const asn::tagTriple registrationRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor registrationRejectReason::descriptor = asn::choiceDescriptor::make(registrationRejectReasonAlternatives, 8, true, registrationRejectReasonAlternativeTags);
asn::object* registrationRejectReason::create() { return new registrationRejectReason; }

// registrationReject
static const asn::componentEntry registrationRejectComponents[] = {
    asn::mandatoryComponent<&registrationReject::requestSeqNum>(offsetof(registrationReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&registrationReject::protocolIdentifier>(offsetof(registrationReject, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&registrationReject::nonStandardData>(offsetof(registrationReject, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&registrationReject::rejectReason>(offsetof(registrationReject, rejectReason), "RejectReason"),
    asn::optionalComponent<&registrationReject::gatekeeperIdentifier>(offsetof(registrationReject, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::additionComponent<&registrationReject::altGKInfo>(offsetof(registrationReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&registrationReject::tokens>(offsetof(registrationReject, tokens), "Tokens"),
    asn::additionComponent<&registrationReject::cryptoTokens>(offsetof(registrationReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&registrationReject::integrityCheckValue>(offsetof(registrationReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&registrationReject::featureSet>(offsetof(registrationReject, featureSet), "FeatureSet"),
    asn::additionComponent<&registrationReject::genericData>(offsetof(registrationReject, genericData), "GenericData"),
};
static const asn::tagTriple registrationRejectComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 16, 1}, {0, 0, 0}, {0, 30, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor registrationReject::descriptor = asn::sequenceDescriptor::make(registrationRejectComponents, 5, 0x14u, true, registrationRejectComponentTags);
registrationReject::registrationReject(const registrationReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
registrationReject& registrationReject::operator=(const registrationReject& other) {
  if (this != &other) assign(other);
  return *this;
}
registrationReject::~registrationReject() { reset(); }
asn::object* registrationReject::create() { return new registrationReject; }

// unregistrationRequest
static const asn::componentEntry unregistrationRequestComponents[] = {
    asn::mandatoryComponent<&unregistrationRequest::requestSeqNum>(offsetof(unregistrationRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&unregistrationRequest::callSignalAddress>(offsetof(unregistrationRequest, callSignalAddress), "CallSignalAddress"),
    asn::optionalComponent<&unregistrationRequest::endpointAlias>(offsetof(unregistrationRequest, endpointAlias), "EndpointAlias"),
    asn::optionalComponent<&unregistrationRequest::nonStandardData>(offsetof(unregistrationRequest, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&unregistrationRequest::endpointIdentifier>(offsetof(unregistrationRequest, endpointIdentifier), "EndpointIdentifier"),
    asn::additionComponent<&unregistrationRequest::alternateEndpoints>(offsetof(unregistrationRequest, alternateEndpoints), "AlternateEndpoints"),
    asn::additionComponent<&unregistrationRequest::gatekeeperIdentifier>(offsetof(unregistrationRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::additionComponent<&unregistrationRequest::tokens>(offsetof(unregistrationRequest, tokens), "Tokens"),
    asn::additionComponent<&unregistrationRequest::cryptoTokens>(offsetof(unregistrationRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&unregistrationRequest::integrityCheckValue>(offsetof(unregistrationRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&unregistrationRequest::reason>(offsetof(unregistrationRequest, reason), "Reason"),
    asn::additionComponent<&unregistrationRequest::endpointAliasPattern>(offsetof(unregistrationRequest, endpointAliasPattern), "EndpointAliasPattern"),
    asn::additionComponent<&unregistrationRequest::supportedPrefixes>(offsetof(unregistrationRequest, supportedPrefixes), "SupportedPrefixes"),
    asn::additionComponent<&unregistrationRequest::alternateGatekeeper>(offsetof(unregistrationRequest, alternateGatekeeper), "AlternateGatekeeper"),
    asn::additionComponent<&unregistrationRequest::genericData>(offsetof(unregistrationRequest, genericData), "GenericData"),
};
static const asn::tagTriple unregistrationRequestComponentTags[] = {{0, 2, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 30, 0}, {0, 16, 0}, {0, 30, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor unregistrationRequest::descriptor = asn::sequenceDescriptor::make(unregistrationRequestComponents, 5, 0x1Cu, true, unregistrationRequestComponentTags);
unregistrationRequest::unregistrationRequest(const unregistrationRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unregistrationRequest& unregistrationRequest::operator=(const unregistrationRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
unregistrationRequest::~unregistrationRequest() { reset(); }
asn::object* unregistrationRequest::create() { return new unregistrationRequest; }

// unregRequestReason
static const asn::alternativeEntry unregRequestReasonAlternatives[] = {
    asn::alternative<asn::null>("ReregistrationRequired"),
    asn::alternative<asn::null>("TtlExpired"),
    asn::alternative<asn::null>("SecurityDenial"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("Maintenance"),
};
static const asn::tagTriple unregRequestReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor unregRequestReason::descriptor = asn::choiceDescriptor::make(unregRequestReasonAlternatives, 4, true, unregRequestReasonAlternativeTags);
asn::object* unregRequestReason::create() { return new unregRequestReason; }

// unregistrationConfirm
static const asn::componentEntry unregistrationConfirmComponents[] = {
    asn::mandatoryComponent<&unregistrationConfirm::requestSeqNum>(offsetof(unregistrationConfirm, requestSeqNum), "RequestSeqNum"),
    asn::optionalComponent<&unregistrationConfirm::nonStandardData>(offsetof(unregistrationConfirm, nonStandardData), "NonStandardData"),
    asn::additionComponent<&unregistrationConfirm::tokens>(offsetof(unregistrationConfirm, tokens), "Tokens"),
    asn::additionComponent<&unregistrationConfirm::cryptoTokens>(offsetof(unregistrationConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&unregistrationConfirm::integrityCheckValue>(offsetof(unregistrationConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&unregistrationConfirm::genericData>(offsetof(unregistrationConfirm, genericData), "GenericData"),
};
static const asn::tagTriple unregistrationConfirmComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor unregistrationConfirm::descriptor = asn::sequenceDescriptor::make(unregistrationConfirmComponents, 2, 0x2u, true, unregistrationConfirmComponentTags);
unregistrationConfirm::unregistrationConfirm(const unregistrationConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unregistrationConfirm& unregistrationConfirm::operator=(const unregistrationConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
unregistrationConfirm::~unregistrationConfirm() { reset(); }
asn::object* unregistrationConfirm::create() { return new unregistrationConfirm; }

// unregRejectReason
static const asn::alternativeEntry unregRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("NotCurrentlyRegistered"),
    asn::alternative<asn::null>("CallInProgress"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("PermissionDenied"),
    asn::alternative<asn::null>("SecurityDenial"),
};
static const asn::tagTriple unregRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor unregRejectReason::descriptor = asn::choiceDescriptor::make(unregRejectReasonAlternatives, 3, true, unregRejectReasonAlternativeTags);
asn::object* unregRejectReason::create() { return new unregRejectReason; }

// unregistrationReject
static const asn::componentEntry unregistrationRejectComponents[] = {
    asn::mandatoryComponent<&unregistrationReject::requestSeqNum>(offsetof(unregistrationReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&unregistrationReject::rejectReason>(offsetof(unregistrationReject, rejectReason), "RejectReason"),
    asn::optionalComponent<&unregistrationReject::nonStandardData>(offsetof(unregistrationReject, nonStandardData), "NonStandardData"),
    asn::additionComponent<&unregistrationReject::altGKInfo>(offsetof(unregistrationReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&unregistrationReject::tokens>(offsetof(unregistrationReject, tokens), "Tokens"),
    asn::additionComponent<&unregistrationReject::cryptoTokens>(offsetof(unregistrationReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&unregistrationReject::integrityCheckValue>(offsetof(unregistrationReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&unregistrationReject::genericData>(offsetof(unregistrationReject, genericData), "GenericData"),
};
static const asn::tagTriple unregistrationRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor unregistrationReject::descriptor = asn::sequenceDescriptor::make(unregistrationRejectComponents, 3, 0x4u, true, unregistrationRejectComponentTags);
unregistrationReject::unregistrationReject(const unregistrationReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
unregistrationReject& unregistrationReject::operator=(const unregistrationReject& other) {
  if (this != &other) assign(other);
  return *this;
}
unregistrationReject::~unregistrationReject() { reset(); }
asn::object* unregistrationReject::create() { return new unregistrationReject; }

// admissionRequest
static const asn::componentEntry admissionRequestComponents[] = {
    asn::mandatoryComponent<&admissionRequest::requestSeqNum>(offsetof(admissionRequest, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&admissionRequest::callType>(offsetof(admissionRequest, callType), "CallType"),
    asn::optionalComponent<&admissionRequest::callModel>(offsetof(admissionRequest, callModel), "CallModel"),
    asn::mandatoryComponent<&admissionRequest::endpointIdentifier>(offsetof(admissionRequest, endpointIdentifier), "EndpointIdentifier"),
    asn::optionalComponent<&admissionRequest::destinationInfo>(offsetof(admissionRequest, destinationInfo), "DestinationInfo"),
    asn::optionalComponent<&admissionRequest::destCallSignalAddress>(offsetof(admissionRequest, destCallSignalAddress), "DestCallSignalAddress"),
    asn::optionalComponent<&admissionRequest::destExtraCallInfo>(offsetof(admissionRequest, destExtraCallInfo), "DestExtraCallInfo"),
    asn::mandatoryComponent<&admissionRequest::srcInfo>(offsetof(admissionRequest, srcInfo), "SrcInfo"),
    asn::optionalComponent<&admissionRequest::srcCallSignalAddress>(offsetof(admissionRequest, srcCallSignalAddress), "SrcCallSignalAddress"),
    asn::mandatoryComponent<&admissionRequest::bandWidth>(offsetof(admissionRequest, bandWidth), "BandWidth"),
    asn::mandatoryComponent<&admissionRequest::callReferenceValue>(offsetof(admissionRequest, callReferenceValue), "CallReferenceValue"),
    asn::optionalComponent<&admissionRequest::nonStandardData>(offsetof(admissionRequest, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&admissionRequest::callServices>(offsetof(admissionRequest, callServices), "CallServices"),
    asn::mandatoryComponent<&admissionRequest::conferenceID>(offsetof(admissionRequest, conferenceID), "ConferenceID"),
    asn::mandatoryComponent<&admissionRequest::activeMC>(offsetof(admissionRequest, activeMC), "ActiveMC"),
    asn::mandatoryComponent<&admissionRequest::answerCall>(offsetof(admissionRequest, answerCall), "AnswerCall"),
    asn::additionComponent<&admissionRequest::canMapAlias>(offsetof(admissionRequest, canMapAlias), "CanMapAlias"),
    asn::additionComponent<&admissionRequest::callIdentifier>(offsetof(admissionRequest, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&admissionRequest::srcAlternatives>(offsetof(admissionRequest, srcAlternatives), "SrcAlternatives"),
    asn::additionComponent<&admissionRequest::destAlternatives>(offsetof(admissionRequest, destAlternatives), "DestAlternatives"),
    asn::additionComponent<&admissionRequest::gatekeeperIdentifier>(offsetof(admissionRequest, gatekeeperIdentifier), "GatekeeperIdentifier"),
    asn::additionComponent<&admissionRequest::tokens>(offsetof(admissionRequest, tokens), "Tokens"),
    asn::additionComponent<&admissionRequest::cryptoTokens>(offsetof(admissionRequest, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&admissionRequest::integrityCheckValue>(offsetof(admissionRequest, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&admissionRequest::transportQOS>(offsetof(admissionRequest, transportQOS), "TransportQOS"),
    asn::additionComponent<&admissionRequest::willSupplyUUIEs>(offsetof(admissionRequest, willSupplyUUIEs), "WillSupplyUUIEs"),
    asn::additionComponent<&admissionRequest::callLinkage>(offsetof(admissionRequest, callLinkage), "CallLinkage"),
    asn::additionComponent<&admissionRequest::gatewayDataRate>(offsetof(admissionRequest, gatewayDataRate), "GatewayDataRate"),
    asn::additionComponent<&admissionRequest::capacity>(offsetof(admissionRequest, capacity), "Capacity"),
    asn::additionComponent<&admissionRequest::circuitInfo>(offsetof(admissionRequest, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&admissionRequest::desiredProtocols>(offsetof(admissionRequest, desiredProtocols), "DesiredProtocols"),
    asn::additionComponent<&admissionRequest::desiredTunnelledProtocol>(offsetof(admissionRequest, desiredTunnelledProtocol), "DesiredTunnelledProtocol"),
    asn::additionComponent<&admissionRequest::featureSet>(offsetof(admissionRequest, featureSet), "FeatureSet"),
    asn::additionComponent<&admissionRequest::genericData>(offsetof(admissionRequest, genericData), "GenericData"),
};
static const asn::tagTriple admissionRequestComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 30, 0}, {0, 16, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 4, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 30, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 0, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor admissionRequest::descriptor = asn::sequenceDescriptor::make(admissionRequestComponents, 16, 0x1974u, true, admissionRequestComponentTags);
admissionRequest::admissionRequest(const admissionRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
admissionRequest& admissionRequest::operator=(const admissionRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
admissionRequest::~admissionRequest() { reset(); }
asn::object* admissionRequest::create() { return new admissionRequest; }

// admissionConfirm
static const asn::componentEntry admissionConfirmComponents[] = {
    asn::mandatoryComponent<&admissionConfirm::requestSeqNum>(offsetof(admissionConfirm, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&admissionConfirm::bandWidth>(offsetof(admissionConfirm, bandWidth), "BandWidth"),
    asn::mandatoryComponent<&admissionConfirm::callModel>(offsetof(admissionConfirm, callModel), "CallModel"),
    asn::mandatoryComponent<&admissionConfirm::destCallSignalAddress>(offsetof(admissionConfirm, destCallSignalAddress), "DestCallSignalAddress"),
    asn::optionalComponent<&admissionConfirm::irrFrequency>(offsetof(admissionConfirm, irrFrequency), "IrrFrequency"),
    asn::optionalComponent<&admissionConfirm::nonStandardData>(offsetof(admissionConfirm, nonStandardData), "NonStandardData"),
    asn::additionComponent<&admissionConfirm::destinationInfo>(offsetof(admissionConfirm, destinationInfo), "DestinationInfo"),
    asn::additionComponent<&admissionConfirm::destExtraCallInfo>(offsetof(admissionConfirm, destExtraCallInfo), "DestExtraCallInfo"),
    asn::additionComponent<&admissionConfirm::destinationType>(offsetof(admissionConfirm, destinationType), "DestinationType"),
    asn::additionComponent<&admissionConfirm::remoteExtensionAddress>(offsetof(admissionConfirm, remoteExtensionAddress), "RemoteExtensionAddress"),
    asn::additionComponent<&admissionConfirm::alternateEndpoints>(offsetof(admissionConfirm, alternateEndpoints), "AlternateEndpoints"),
    asn::additionComponent<&admissionConfirm::tokens>(offsetof(admissionConfirm, tokens), "Tokens"),
    asn::additionComponent<&admissionConfirm::cryptoTokens>(offsetof(admissionConfirm, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&admissionConfirm::integrityCheckValue>(offsetof(admissionConfirm, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&admissionConfirm::transportQOS>(offsetof(admissionConfirm, transportQOS), "TransportQOS"),
    asn::additionComponent<&admissionConfirm::willRespondToIRR>(offsetof(admissionConfirm, willRespondToIRR), "WillRespondToIRR"),
    asn::additionComponent<&admissionConfirm::uuiesRequested>(offsetof(admissionConfirm, uuiesRequested), "UuiesRequested"),
    asn::additionComponent<&admissionConfirm::language>(offsetof(admissionConfirm, language), "Language"),
    asn::additionComponent<&admissionConfirm::alternateTransportAddresses>(offsetof(admissionConfirm, alternateTransportAddresses), "AlternateTransportAddresses"),
    asn::additionComponent<&admissionConfirm::useSpecifiedTransport>(offsetof(admissionConfirm, useSpecifiedTransport), "UseSpecifiedTransport"),
    asn::additionComponent<&admissionConfirm::circuitInfo>(offsetof(admissionConfirm, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&admissionConfirm::usageSpec>(offsetof(admissionConfirm, usageSpec), "UsageSpec"),
    asn::additionComponent<&admissionConfirm::supportedProtocols>(offsetof(admissionConfirm, supportedProtocols), "SupportedProtocols"),
    asn::additionComponent<&admissionConfirm::serviceControl>(offsetof(admissionConfirm, serviceControl), "ServiceControl"),
    asn::additionComponent<&admissionConfirm::multipleCalls>(offsetof(admissionConfirm, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&admissionConfirm::featureSet>(offsetof(admissionConfirm, featureSet), "FeatureSet"),
    asn::additionComponent<&admissionConfirm::genericData>(offsetof(admissionConfirm, genericData), "GenericData"),
};
static const asn::tagTriple admissionConfirmComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 0, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor admissionConfirm::descriptor = asn::sequenceDescriptor::make(admissionConfirmComponents, 6, 0x30u, true, admissionConfirmComponentTags);
admissionConfirm::admissionConfirm(const admissionConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
admissionConfirm& admissionConfirm::operator=(const admissionConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
admissionConfirm::~admissionConfirm() { reset(); }
asn::object* admissionConfirm::create() { return new admissionConfirm; }

// admissionRejectReason
static const asn::alternativeEntry admissionRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("CalledPartyNotRegistered"),
    asn::alternative<asn::null>("InvalidPermission"),
    asn::alternative<asn::null>("RequestDenied"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("CallerNotRegistered"),
    asn::alternative<asn::null>("RouteCallToGatekeeper"),
    asn::alternative<asn::null>("InvalidEndpointIdentifier"),
    asn::alternative<asn::null>("ResourceUnavailable"),
    asn::alternative<asn::null>("SecurityDenial"),
    asn::alternative<asn::null>("QosControlNotSupported"),
    asn::alternative<asn::null>("IncompleteAddress"),
    asn::alternative<asn::null>("AliasesInconsistent"),
    asn::alternative<asn::sequenceOf<H225::partyNumber, 0u, 0u, 1>>("RouteCallToSCN"),
    asn::alternative<asn::null>("ExceedsCallCapacity"),
    asn::alternative<asn::null>("CollectDestination"),
    asn::alternative<asn::null>("CollectPIN"),
    asn::alternative<asn::null>("GenericDataReason"),
    asn::alternative<asn::null>("NeededFeatureNotSupported"),
};
static const asn::tagTriple admissionRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor admissionRejectReason::descriptor = asn::choiceDescriptor::make(admissionRejectReasonAlternatives, 8, true, admissionRejectReasonAlternativeTags);
asn::object* admissionRejectReason::create() { return new admissionRejectReason; }

// admissionReject
static const asn::componentEntry admissionRejectComponents[] = {
    asn::mandatoryComponent<&admissionReject::requestSeqNum>(offsetof(admissionReject, requestSeqNum), "RequestSeqNum"),
    asn::mandatoryComponent<&admissionReject::rejectReason>(offsetof(admissionReject, rejectReason), "RejectReason"),
    asn::optionalComponent<&admissionReject::nonStandardData>(offsetof(admissionReject, nonStandardData), "NonStandardData"),
    asn::additionComponent<&admissionReject::altGKInfo>(offsetof(admissionReject, altGKInfo), "AltGKInfo"),
    asn::additionComponent<&admissionReject::tokens>(offsetof(admissionReject, tokens), "Tokens"),
    asn::additionComponent<&admissionReject::cryptoTokens>(offsetof(admissionReject, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&admissionReject::callSignalAddress>(offsetof(admissionReject, callSignalAddress), "CallSignalAddress"),
    asn::additionComponent<&admissionReject::integrityCheckValue>(offsetof(admissionReject, integrityCheckValue), "IntegrityCheckValue"),
    asn::additionComponent<&admissionReject::serviceControl>(offsetof(admissionReject, serviceControl), "ServiceControl"),
    asn::additionComponent<&admissionReject::featureSet>(offsetof(admissionReject, featureSet), "FeatureSet"),
    asn::additionComponent<&admissionReject::genericData>(offsetof(admissionReject, genericData), "GenericData"),
};
static const asn::tagTriple admissionRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor admissionReject::descriptor = asn::sequenceDescriptor::make(admissionRejectComponents, 3, 0x4u, true, admissionRejectComponentTags);
admissionReject::admissionReject(const admissionReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
admissionReject& admissionReject::operator=(const admissionReject& other) {
  if (this != &other) assign(other);
  return *this;
}
admissionReject::~admissionReject() { reset(); }
asn::object* admissionReject::create() { return new admissionReject; }

// h323_UserInformation::user_data_sequence
static const asn::componentEntry h323_UserInformation_user_data_sequenceComponents[] = {
    asn::mandatoryComponent<&h323_UserInformation::user_data_sequence::protocol_discriminator>(offsetof(h323_UserInformation::user_data_sequence, protocol_discriminator), "Protocol_discriminator"),
    asn::mandatoryComponent<&h323_UserInformation::user_data_sequence::user_information>(offsetof(h323_UserInformation::user_data_sequence, user_information), "User_information"),
};
static const asn::tagTriple h323_UserInformation_user_data_sequenceComponentTags[] = {{0, 2, 0}, {0, 4, 0}};
const asn::sequenceDescriptor h323_UserInformation::user_data_sequence::descriptor = asn::sequenceDescriptor::make(h323_UserInformation_user_data_sequenceComponents, 2, 0x0u, true, h323_UserInformation_user_data_sequenceComponentTags);
h323_UserInformation::user_data_sequence::user_data_sequence(const user_data_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h323_UserInformation::user_data_sequence& h323_UserInformation::user_data_sequence::operator=(const user_data_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h323_UserInformation::user_data_sequence::~user_data_sequence() { reset(); }
asn::object* h323_UserInformation::user_data_sequence::create() { return new user_data_sequence; }

// h323_UserInformation
static const asn::componentEntry h323_UserInformationComponents[] = {
    asn::mandatoryComponent<&h323_UserInformation::h323_uu_pdu>(offsetof(h323_UserInformation, h323_uu_pdu), "H323_uu_pdu"),
    asn::optionalComponent<&h323_UserInformation::user_data>(offsetof(h323_UserInformation, user_data), "User_data"),
};
static const asn::tagTriple h323_UserInformationComponentTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor h323_UserInformation::descriptor = asn::sequenceDescriptor::make(h323_UserInformationComponents, 2, 0x2u, true, h323_UserInformationComponentTags);
h323_UserInformation::h323_UserInformation(const h323_UserInformation& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h323_UserInformation& h323_UserInformation::operator=(const h323_UserInformation& other) {
  if (this != &other) assign(other);
  return *this;
}
h323_UserInformation::~h323_UserInformation() { reset(); }

// stimulusControl
static const asn::componentEntry stimulusControlComponents[] = {
    asn::optionalComponent<&stimulusControl::nonStandard>(offsetof(stimulusControl, nonStandard), "NonStandard"),
    asn::optionalComponent<&stimulusControl::isText>(offsetof(stimulusControl, isText), "IsText"),
    asn::optionalComponent<&stimulusControl::h248Message>(offsetof(stimulusControl, h248Message), "H248Message"),
};
static const asn::tagTriple stimulusControlComponentTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 4, 0}};
const asn::sequenceDescriptor stimulusControl::descriptor = asn::sequenceDescriptor::make(stimulusControlComponents, 3, 0x7u, true, stimulusControlComponentTags);
stimulusControl::stimulusControl(const stimulusControl& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
stimulusControl& stimulusControl::operator=(const stimulusControl& other) {
  if (this != &other) assign(other);
  return *this;
}
stimulusControl::~stimulusControl() { reset(); }
asn::object* stimulusControl::create() { return new stimulusControl; }

// scnConnectionAggregation
static const asn::alternativeEntry scnConnectionAggregationAlternatives[] = {
    asn::alternative<asn::null>("Auto"),
    asn::alternative<asn::null>("None"),
    asn::alternative<asn::null>("H221"),
    asn::alternative<asn::null>("Bonded_mode1"),
    asn::alternative<asn::null>("Bonded_mode2"),
    asn::alternative<asn::null>("Bonded_mode3"),
};
static const asn::tagTriple scnConnectionAggregationAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor scnConnectionAggregation::descriptor = asn::choiceDescriptor::make(scnConnectionAggregationAlternatives, 6, true, scnConnectionAggregationAlternativeTags);
asn::object* scnConnectionAggregation::create() { return new scnConnectionAggregation; }

// scnConnectionType
static const asn::alternativeEntry scnConnectionTypeAlternatives[] = {
    asn::alternative<asn::null>("Unknown"),
    asn::alternative<asn::null>("BChannel"),
    asn::alternative<asn::null>("Hybrid2x64"),
    asn::alternative<asn::null>("Hybrid384"),
    asn::alternative<asn::null>("Hybrid1536"),
    asn::alternative<asn::null>("Hybrid1920"),
    asn::alternative<asn::null>("Multirate"),
};
static const asn::tagTriple scnConnectionTypeAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor scnConnectionType::descriptor = asn::choiceDescriptor::make(scnConnectionTypeAlternatives, 7, true, scnConnectionTypeAlternativeTags);
asn::object* scnConnectionType::create() { return new scnConnectionType; }

// setup_UUIE::conferenceGoal_choice
static const asn::alternativeEntry setup_UUIE_conferenceGoal_choiceAlternatives[] = {
    asn::alternative<asn::null>("Create"),
    asn::alternative<asn::null>("Join"),
    asn::alternative<asn::null>("Invite"),
    asn::alternative<asn::null>("Capability_negotiation"),
    asn::alternative<asn::null>("CallIndependentSupplementaryService"),
};
static const asn::tagTriple setup_UUIE_conferenceGoal_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor setup_UUIE::conferenceGoal_choice::descriptor = asn::choiceDescriptor::make(setup_UUIE_conferenceGoal_choiceAlternatives, 3, true, setup_UUIE_conferenceGoal_choiceAlternativeTags);
asn::object* setup_UUIE::conferenceGoal_choice::create() { return new conferenceGoal_choice; }

// setup_UUIE::connectionParameters_sequence
static const asn::componentEntry setup_UUIE_connectionParameters_sequenceComponents[] = {
    asn::mandatoryComponent<&setup_UUIE::connectionParameters_sequence::connectionType>(offsetof(setup_UUIE::connectionParameters_sequence, connectionType), "ConnectionType"),
    asn::mandatoryComponent<&setup_UUIE::connectionParameters_sequence::numberOfScnConnections>(offsetof(setup_UUIE::connectionParameters_sequence, numberOfScnConnections), "NumberOfScnConnections"),
    asn::mandatoryComponent<&setup_UUIE::connectionParameters_sequence::connectionAggregation>(offsetof(setup_UUIE::connectionParameters_sequence, connectionAggregation), "ConnectionAggregation"),
};
static const asn::tagTriple setup_UUIE_connectionParameters_sequenceComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor setup_UUIE::connectionParameters_sequence::descriptor = asn::sequenceDescriptor::make(setup_UUIE_connectionParameters_sequenceComponents, 3, 0x0u, true, setup_UUIE_connectionParameters_sequenceComponentTags);
setup_UUIE::connectionParameters_sequence::connectionParameters_sequence(const connectionParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
setup_UUIE::connectionParameters_sequence& setup_UUIE::connectionParameters_sequence::operator=(const connectionParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
setup_UUIE::connectionParameters_sequence::~connectionParameters_sequence() { reset(); }
asn::object* setup_UUIE::connectionParameters_sequence::create() { return new connectionParameters_sequence; }

// setup_UUIE
static const asn::componentEntry setup_UUIEComponents[] = {
    asn::mandatoryComponent<&setup_UUIE::protocolIdentifier>(offsetof(setup_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&setup_UUIE::h245Address>(offsetof(setup_UUIE, h245Address), "H245Address"),
    asn::optionalComponent<&setup_UUIE::sourceAddress>(offsetof(setup_UUIE, sourceAddress), "SourceAddress"),
    asn::mandatoryComponent<&setup_UUIE::sourceInfo>(offsetof(setup_UUIE, sourceInfo), "SourceInfo"),
    asn::optionalComponent<&setup_UUIE::destinationAddress>(offsetof(setup_UUIE, destinationAddress), "DestinationAddress"),
    asn::optionalComponent<&setup_UUIE::destCallSignalAddress>(offsetof(setup_UUIE, destCallSignalAddress), "DestCallSignalAddress"),
    asn::optionalComponent<&setup_UUIE::destExtraCallInfo>(offsetof(setup_UUIE, destExtraCallInfo), "DestExtraCallInfo"),
    asn::optionalComponent<&setup_UUIE::destExtraCRV>(offsetof(setup_UUIE, destExtraCRV), "DestExtraCRV"),
    asn::mandatoryComponent<&setup_UUIE::activeMC>(offsetof(setup_UUIE, activeMC), "ActiveMC"),
    asn::mandatoryComponent<&setup_UUIE::conferenceID>(offsetof(setup_UUIE, conferenceID), "ConferenceID"),
    asn::mandatoryComponent<&setup_UUIE::conferenceGoal>(offsetof(setup_UUIE, conferenceGoal), "ConferenceGoal"),
    asn::optionalComponent<&setup_UUIE::callServices>(offsetof(setup_UUIE, callServices), "CallServices"),
    asn::mandatoryComponent<&setup_UUIE::callType>(offsetof(setup_UUIE, callType), "CallType"),
    asn::additionComponent<&setup_UUIE::sourceCallSignalAddress>(offsetof(setup_UUIE, sourceCallSignalAddress), "SourceCallSignalAddress"),
    asn::additionComponent<&setup_UUIE::remoteExtensionAddress>(offsetof(setup_UUIE, remoteExtensionAddress), "RemoteExtensionAddress"),
    asn::additionComponent<&setup_UUIE::callIdentifier>(offsetof(setup_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&setup_UUIE::h245SecurityCapability>(offsetof(setup_UUIE, h245SecurityCapability), "H245SecurityCapability"),
    asn::additionComponent<&setup_UUIE::tokens>(offsetof(setup_UUIE, tokens), "Tokens"),
    asn::additionComponent<&setup_UUIE::cryptoTokens>(offsetof(setup_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&setup_UUIE::fastStart>(offsetof(setup_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&setup_UUIE::mediaWaitForConnect>(offsetof(setup_UUIE, mediaWaitForConnect), "MediaWaitForConnect"),
    asn::additionComponent<&setup_UUIE::canOverlapSend>(offsetof(setup_UUIE, canOverlapSend), "CanOverlapSend"),
    asn::additionComponent<&setup_UUIE::endpointIdentifier>(offsetof(setup_UUIE, endpointIdentifier), "EndpointIdentifier"),
    asn::additionComponent<&setup_UUIE::multipleCalls>(offsetof(setup_UUIE, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&setup_UUIE::maintainConnection>(offsetof(setup_UUIE, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&setup_UUIE::connectionParameters>(offsetof(setup_UUIE, connectionParameters), "ConnectionParameters"),
    asn::additionComponent<&setup_UUIE::language>(offsetof(setup_UUIE, language), "Language"),
    asn::additionComponent<&setup_UUIE::presentationIndicator>(offsetof(setup_UUIE, presentationIndicator), "PresentationIndicator"),
    asn::additionComponent<&setup_UUIE::screeningIndicator>(offsetof(setup_UUIE, screeningIndicator), "ScreeningIndicator"),
    asn::additionComponent<&setup_UUIE::serviceControl>(offsetof(setup_UUIE, serviceControl), "ServiceControl"),
    asn::additionComponent<&setup_UUIE::symmetricOperationRequired>(offsetof(setup_UUIE, symmetricOperationRequired), "SymmetricOperationRequired"),
    asn::additionComponent<&setup_UUIE::capacity>(offsetof(setup_UUIE, capacity), "Capacity"),
    asn::additionComponent<&setup_UUIE::circuitInfo>(offsetof(setup_UUIE, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&setup_UUIE::desiredProtocols>(offsetof(setup_UUIE, desiredProtocols), "DesiredProtocols"),
    asn::additionComponent<&setup_UUIE::neededFeatures>(offsetof(setup_UUIE, neededFeatures), "NeededFeatures"),
    asn::additionComponent<&setup_UUIE::desiredFeatures>(offsetof(setup_UUIE, desiredFeatures), "DesiredFeatures"),
    asn::additionComponent<&setup_UUIE::supportedFeatures>(offsetof(setup_UUIE, supportedFeatures), "SupportedFeatures"),
    asn::additionComponent<&setup_UUIE::parallelH245Control>(offsetof(setup_UUIE, parallelH245Control), "ParallelH245Control"),
    asn::additionComponent<&setup_UUIE::additionalSourceAddresses>(offsetof(setup_UUIE, additionalSourceAddresses), "AdditionalSourceAddresses"),
};
static const asn::tagTriple setup_UUIEComponentTags[] = {{0, 6, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 4, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 30, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 0}, {0, 0, 0}, {0, 10, 1}, {0, 16, 0}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor setup_UUIE::descriptor = asn::sequenceDescriptor::make(setup_UUIEComponents, 13, 0x8F6u, true, setup_UUIEComponentTags);
setup_UUIE::setup_UUIE(const setup_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
setup_UUIE& setup_UUIE::operator=(const setup_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
setup_UUIE::~setup_UUIE() { reset(); }
asn::object* setup_UUIE::create() { return new setup_UUIE; }

// extendedAliasAddress
static const asn::componentEntry extendedAliasAddressComponents[] = {
    asn::mandatoryComponent<&extendedAliasAddress::address>(offsetof(extendedAliasAddress, address), "Address"),
    asn::optionalComponent<&extendedAliasAddress::presentationIndicator>(offsetof(extendedAliasAddress, presentationIndicator), "PresentationIndicator"),
    asn::optionalComponent<&extendedAliasAddress::screeningIndicator>(offsetof(extendedAliasAddress, screeningIndicator), "ScreeningIndicator"),
};
static const asn::tagTriple extendedAliasAddressComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 10, 1}};
const asn::sequenceDescriptor extendedAliasAddress::descriptor = asn::sequenceDescriptor::make(extendedAliasAddressComponents, 3, 0x6u, true, extendedAliasAddressComponentTags);
extendedAliasAddress::extendedAliasAddress(const extendedAliasAddress& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
extendedAliasAddress& extendedAliasAddress::operator=(const extendedAliasAddress& other) {
  if (this != &other) assign(other);
  return *this;
}
extendedAliasAddress::~extendedAliasAddress() { reset(); }
asn::object* extendedAliasAddress::create() { return new extendedAliasAddress; }

// callProceeding_UUIE
static const asn::componentEntry callProceeding_UUIEComponents[] = {
    asn::mandatoryComponent<&callProceeding_UUIE::protocolIdentifier>(offsetof(callProceeding_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&callProceeding_UUIE::destinationInfo>(offsetof(callProceeding_UUIE, destinationInfo), "DestinationInfo"),
    asn::optionalComponent<&callProceeding_UUIE::h245Address>(offsetof(callProceeding_UUIE, h245Address), "H245Address"),
    asn::additionComponent<&callProceeding_UUIE::callIdentifier>(offsetof(callProceeding_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&callProceeding_UUIE::h245SecurityMode>(offsetof(callProceeding_UUIE, h245SecurityMode), "H245SecurityMode"),
    asn::additionComponent<&callProceeding_UUIE::tokens>(offsetof(callProceeding_UUIE, tokens), "Tokens"),
    asn::additionComponent<&callProceeding_UUIE::cryptoTokens>(offsetof(callProceeding_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&callProceeding_UUIE::fastStart>(offsetof(callProceeding_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&callProceeding_UUIE::multipleCalls>(offsetof(callProceeding_UUIE, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&callProceeding_UUIE::maintainConnection>(offsetof(callProceeding_UUIE, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&callProceeding_UUIE::fastConnectRefused>(offsetof(callProceeding_UUIE, fastConnectRefused), "FastConnectRefused"),
    asn::additionComponent<&callProceeding_UUIE::featureSet>(offsetof(callProceeding_UUIE, featureSet), "FeatureSet"),
};
static const asn::tagTriple callProceeding_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::sequenceDescriptor callProceeding_UUIE::descriptor = asn::sequenceDescriptor::make(callProceeding_UUIEComponents, 3, 0x4u, true, callProceeding_UUIEComponentTags);
callProceeding_UUIE::callProceeding_UUIE(const callProceeding_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
callProceeding_UUIE& callProceeding_UUIE::operator=(const callProceeding_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
callProceeding_UUIE::~callProceeding_UUIE() { reset(); }
asn::object* callProceeding_UUIE::create() { return new callProceeding_UUIE; }

// connect_UUIE
static const asn::componentEntry connect_UUIEComponents[] = {
    asn::mandatoryComponent<&connect_UUIE::protocolIdentifier>(offsetof(connect_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&connect_UUIE::h245Address>(offsetof(connect_UUIE, h245Address), "H245Address"),
    asn::mandatoryComponent<&connect_UUIE::destinationInfo>(offsetof(connect_UUIE, destinationInfo), "DestinationInfo"),
    asn::mandatoryComponent<&connect_UUIE::conferenceID>(offsetof(connect_UUIE, conferenceID), "ConferenceID"),
    asn::additionComponent<&connect_UUIE::callIdentifier>(offsetof(connect_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&connect_UUIE::h245SecurityMode>(offsetof(connect_UUIE, h245SecurityMode), "H245SecurityMode"),
    asn::additionComponent<&connect_UUIE::tokens>(offsetof(connect_UUIE, tokens), "Tokens"),
    asn::additionComponent<&connect_UUIE::cryptoTokens>(offsetof(connect_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&connect_UUIE::fastStart>(offsetof(connect_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&connect_UUIE::multipleCalls>(offsetof(connect_UUIE, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&connect_UUIE::maintainConnection>(offsetof(connect_UUIE, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&connect_UUIE::language>(offsetof(connect_UUIE, language), "Language"),
    asn::additionComponent<&connect_UUIE::connectedAddress>(offsetof(connect_UUIE, connectedAddress), "ConnectedAddress"),
    asn::additionComponent<&connect_UUIE::presentationIndicator>(offsetof(connect_UUIE, presentationIndicator), "PresentationIndicator"),
    asn::additionComponent<&connect_UUIE::screeningIndicator>(offsetof(connect_UUIE, screeningIndicator), "ScreeningIndicator"),
    asn::additionComponent<&connect_UUIE::fastConnectRefused>(offsetof(connect_UUIE, fastConnectRefused), "FastConnectRefused"),
    asn::additionComponent<&connect_UUIE::serviceControl>(offsetof(connect_UUIE, serviceControl), "ServiceControl"),
    asn::additionComponent<&connect_UUIE::capacity>(offsetof(connect_UUIE, capacity), "Capacity"),
    asn::additionComponent<&connect_UUIE::featureSet>(offsetof(connect_UUIE, featureSet), "FeatureSet"),
};
static const asn::tagTriple connect_UUIEComponentTags[] = {{0, 6, 0}, {0, 0, 0}, {0, 16, 1}, {0, 4, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 10, 1}, {0, 5, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor connect_UUIE::descriptor = asn::sequenceDescriptor::make(connect_UUIEComponents, 4, 0x2u, true, connect_UUIEComponentTags);
connect_UUIE::connect_UUIE(const connect_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
connect_UUIE& connect_UUIE::operator=(const connect_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
connect_UUIE::~connect_UUIE() { reset(); }
asn::object* connect_UUIE::create() { return new connect_UUIE; }

// alerting_UUIE
static const asn::componentEntry alerting_UUIEComponents[] = {
    asn::mandatoryComponent<&alerting_UUIE::protocolIdentifier>(offsetof(alerting_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&alerting_UUIE::destinationInfo>(offsetof(alerting_UUIE, destinationInfo), "DestinationInfo"),
    asn::optionalComponent<&alerting_UUIE::h245Address>(offsetof(alerting_UUIE, h245Address), "H245Address"),
    asn::additionComponent<&alerting_UUIE::callIdentifier>(offsetof(alerting_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&alerting_UUIE::h245SecurityMode>(offsetof(alerting_UUIE, h245SecurityMode), "H245SecurityMode"),
    asn::additionComponent<&alerting_UUIE::tokens>(offsetof(alerting_UUIE, tokens), "Tokens"),
    asn::additionComponent<&alerting_UUIE::cryptoTokens>(offsetof(alerting_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&alerting_UUIE::fastStart>(offsetof(alerting_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&alerting_UUIE::multipleCalls>(offsetof(alerting_UUIE, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&alerting_UUIE::maintainConnection>(offsetof(alerting_UUIE, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&alerting_UUIE::alertingAddress>(offsetof(alerting_UUIE, alertingAddress), "AlertingAddress"),
    asn::additionComponent<&alerting_UUIE::presentationIndicator>(offsetof(alerting_UUIE, presentationIndicator), "PresentationIndicator"),
    asn::additionComponent<&alerting_UUIE::screeningIndicator>(offsetof(alerting_UUIE, screeningIndicator), "ScreeningIndicator"),
    asn::additionComponent<&alerting_UUIE::fastConnectRefused>(offsetof(alerting_UUIE, fastConnectRefused), "FastConnectRefused"),
    asn::additionComponent<&alerting_UUIE::serviceControl>(offsetof(alerting_UUIE, serviceControl), "ServiceControl"),
    asn::additionComponent<&alerting_UUIE::capacity>(offsetof(alerting_UUIE, capacity), "Capacity"),
    asn::additionComponent<&alerting_UUIE::featureSet>(offsetof(alerting_UUIE, featureSet), "FeatureSet"),
};
static const asn::tagTriple alerting_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 0}, {0, 0, 0}, {0, 10, 1}, {0, 5, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor alerting_UUIE::descriptor = asn::sequenceDescriptor::make(alerting_UUIEComponents, 3, 0x4u, true, alerting_UUIEComponentTags);
alerting_UUIE::alerting_UUIE(const alerting_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
alerting_UUIE& alerting_UUIE::operator=(const alerting_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
alerting_UUIE::~alerting_UUIE() { reset(); }
asn::object* alerting_UUIE::create() { return new alerting_UUIE; }

// information_UUIE
static const asn::componentEntry information_UUIEComponents[] = {
    asn::mandatoryComponent<&information_UUIE::protocolIdentifier>(offsetof(information_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::additionComponent<&information_UUIE::callIdentifier>(offsetof(information_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&information_UUIE::tokens>(offsetof(information_UUIE, tokens), "Tokens"),
    asn::additionComponent<&information_UUIE::cryptoTokens>(offsetof(information_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&information_UUIE::fastStart>(offsetof(information_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&information_UUIE::fastConnectRefused>(offsetof(information_UUIE, fastConnectRefused), "FastConnectRefused"),
    asn::additionComponent<&information_UUIE::circuitInfo>(offsetof(information_UUIE, circuitInfo), "CircuitInfo"),
};
static const asn::tagTriple information_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::sequenceDescriptor information_UUIE::descriptor = asn::sequenceDescriptor::make(information_UUIEComponents, 1, 0x0u, true, information_UUIEComponentTags);
information_UUIE::information_UUIE(const information_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
information_UUIE& information_UUIE::operator=(const information_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
information_UUIE::~information_UUIE() { reset(); }
asn::object* information_UUIE::create() { return new information_UUIE; }

// releaseComplete_UUIE
static const asn::componentEntry releaseComplete_UUIEComponents[] = {
    asn::mandatoryComponent<&releaseComplete_UUIE::protocolIdentifier>(offsetof(releaseComplete_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&releaseComplete_UUIE::reason>(offsetof(releaseComplete_UUIE, reason), "Reason"),
    asn::additionComponent<&releaseComplete_UUIE::callIdentifier>(offsetof(releaseComplete_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&releaseComplete_UUIE::tokens>(offsetof(releaseComplete_UUIE, tokens), "Tokens"),
    asn::additionComponent<&releaseComplete_UUIE::cryptoTokens>(offsetof(releaseComplete_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&releaseComplete_UUIE::busyAddress>(offsetof(releaseComplete_UUIE, busyAddress), "BusyAddress"),
    asn::additionComponent<&releaseComplete_UUIE::presentationIndicator>(offsetof(releaseComplete_UUIE, presentationIndicator), "PresentationIndicator"),
    asn::additionComponent<&releaseComplete_UUIE::screeningIndicator>(offsetof(releaseComplete_UUIE, screeningIndicator), "ScreeningIndicator"),
    asn::additionComponent<&releaseComplete_UUIE::capacity>(offsetof(releaseComplete_UUIE, capacity), "Capacity"),
    asn::additionComponent<&releaseComplete_UUIE::serviceControl>(offsetof(releaseComplete_UUIE, serviceControl), "ServiceControl"),
    asn::additionComponent<&releaseComplete_UUIE::featureSet>(offsetof(releaseComplete_UUIE, featureSet), "FeatureSet"),
};
static const asn::tagTriple releaseComplete_UUIEComponentTags[] = {{0, 6, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 10, 1}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor releaseComplete_UUIE::descriptor = asn::sequenceDescriptor::make(releaseComplete_UUIEComponents, 2, 0x2u, true, releaseComplete_UUIEComponentTags);
releaseComplete_UUIE::releaseComplete_UUIE(const releaseComplete_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
releaseComplete_UUIE& releaseComplete_UUIE::operator=(const releaseComplete_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
releaseComplete_UUIE::~releaseComplete_UUIE() { reset(); }
asn::object* releaseComplete_UUIE::create() { return new releaseComplete_UUIE; }

// facilityReason
static const asn::alternativeEntry facilityReasonAlternatives[] = {
    asn::alternative<asn::null>("RouteCallToGatekeeper"),
    asn::alternative<asn::null>("CallForwarded"),
    asn::alternative<asn::null>("RouteCallToMC"),
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("ConferenceListChoice"),
    asn::alternative<asn::null>("StartH245"),
    asn::alternative<asn::null>("NoH245"),
    asn::alternative<asn::null>("NewTokens"),
    asn::alternative<asn::null>("FeatureSetUpdate"),
    asn::alternative<asn::null>("ForwardedElements"),
    asn::alternative<asn::null>("TransportedInformation"),
};
static const asn::tagTriple facilityReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor facilityReason::descriptor = asn::choiceDescriptor::make(facilityReasonAlternatives, 4, true, facilityReasonAlternativeTags);
asn::object* facilityReason::create() { return new facilityReason; }

// facility_UUIE
static const asn::componentEntry facility_UUIEComponents[] = {
    asn::mandatoryComponent<&facility_UUIE::protocolIdentifier>(offsetof(facility_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&facility_UUIE::alternativeAddress>(offsetof(facility_UUIE, alternativeAddress), "AlternativeAddress"),
    asn::optionalComponent<&facility_UUIE::alternativeAliasAddress>(offsetof(facility_UUIE, alternativeAliasAddress), "AlternativeAliasAddress"),
    asn::optionalComponent<&facility_UUIE::conferenceID>(offsetof(facility_UUIE, conferenceID), "ConferenceID"),
    asn::mandatoryComponent<&facility_UUIE::reason>(offsetof(facility_UUIE, reason), "Reason"),
    asn::additionComponent<&facility_UUIE::callIdentifier>(offsetof(facility_UUIE, callIdentifier), "CallIdentifier"),
    asn::additionComponent<&facility_UUIE::destExtraCallInfo>(offsetof(facility_UUIE, destExtraCallInfo), "DestExtraCallInfo"),
    asn::additionComponent<&facility_UUIE::remoteExtensionAddress>(offsetof(facility_UUIE, remoteExtensionAddress), "RemoteExtensionAddress"),
    asn::additionComponent<&facility_UUIE::tokens>(offsetof(facility_UUIE, tokens), "Tokens"),
    asn::additionComponent<&facility_UUIE::cryptoTokens>(offsetof(facility_UUIE, cryptoTokens), "CryptoTokens"),
    asn::additionComponent<&facility_UUIE::conferences>(offsetof(facility_UUIE, conferences), "Conferences"),
    asn::additionComponent<&facility_UUIE::h245Address>(offsetof(facility_UUIE, h245Address), "H245Address"),
    asn::additionComponent<&facility_UUIE::fastStart>(offsetof(facility_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&facility_UUIE::multipleCalls>(offsetof(facility_UUIE, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&facility_UUIE::maintainConnection>(offsetof(facility_UUIE, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&facility_UUIE::fastConnectRefused>(offsetof(facility_UUIE, fastConnectRefused), "FastConnectRefused"),
    asn::additionComponent<&facility_UUIE::serviceControl>(offsetof(facility_UUIE, serviceControl), "ServiceControl"),
    asn::additionComponent<&facility_UUIE::circuitInfo>(offsetof(facility_UUIE, circuitInfo), "CircuitInfo"),
    asn::additionComponent<&facility_UUIE::featureSet>(offsetof(facility_UUIE, featureSet), "FeatureSet"),
    asn::additionComponent<&facility_UUIE::destinationInfo>(offsetof(facility_UUIE, destinationInfo), "DestinationInfo"),
    asn::additionComponent<&facility_UUIE::h245SecurityMode>(offsetof(facility_UUIE, h245SecurityMode), "H245SecurityMode"),
};
static const asn::tagTriple facility_UUIEComponentTags[] = {{0, 6, 0}, {0, 0, 0}, {0, 16, 0}, {0, 4, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 5, 0}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor facility_UUIE::descriptor = asn::sequenceDescriptor::make(facility_UUIEComponents, 5, 0xEu, true, facility_UUIEComponentTags);
facility_UUIE::facility_UUIE(const facility_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
facility_UUIE& facility_UUIE::operator=(const facility_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
facility_UUIE::~facility_UUIE() { reset(); }
asn::object* facility_UUIE::create() { return new facility_UUIE; }

// conferenceList
static const asn::componentEntry conferenceListComponents[] = {
    asn::optionalComponent<&conferenceList::conferenceID>(offsetof(conferenceList, conferenceID), "ConferenceID"),
    asn::optionalComponent<&conferenceList::conferenceAlias>(offsetof(conferenceList, conferenceAlias), "ConferenceAlias"),
    asn::optionalComponent<&conferenceList::nonStandardData>(offsetof(conferenceList, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple conferenceListComponentTags[] = {{0, 4, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor conferenceList::descriptor = asn::sequenceDescriptor::make(conferenceListComponents, 3, 0x7u, true, conferenceListComponentTags);
conferenceList::conferenceList(const conferenceList& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceList& conferenceList::operator=(const conferenceList& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceList::~conferenceList() { reset(); }
asn::object* conferenceList::create() { return new conferenceList; }

// progress_UUIE
static const asn::componentEntry progress_UUIEComponents[] = {
    asn::mandatoryComponent<&progress_UUIE::protocolIdentifier>(offsetof(progress_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&progress_UUIE::destinationInfo>(offsetof(progress_UUIE, destinationInfo), "DestinationInfo"),
    asn::optionalComponent<&progress_UUIE::h245Address>(offsetof(progress_UUIE, h245Address), "H245Address"),
    asn::mandatoryComponent<&progress_UUIE::callIdentifier>(offsetof(progress_UUIE, callIdentifier), "CallIdentifier"),
    asn::optionalComponent<&progress_UUIE::h245SecurityMode>(offsetof(progress_UUIE, h245SecurityMode), "H245SecurityMode"),
    asn::optionalComponent<&progress_UUIE::tokens>(offsetof(progress_UUIE, tokens), "Tokens"),
    asn::optionalComponent<&progress_UUIE::cryptoTokens>(offsetof(progress_UUIE, cryptoTokens), "CryptoTokens"),
    asn::optionalComponent<&progress_UUIE::fastStart>(offsetof(progress_UUIE, fastStart), "FastStart"),
    asn::additionComponent<&progress_UUIE::multipleCalls>(offsetof(progress_UUIE, multipleCalls), "MultipleCalls"),
    asn::additionComponent<&progress_UUIE::maintainConnection>(offsetof(progress_UUIE, maintainConnection), "MaintainConnection"),
    asn::additionComponent<&progress_UUIE::fastConnectRefused>(offsetof(progress_UUIE, fastConnectRefused), "FastConnectRefused"),
};
static const asn::tagTriple progress_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 5, 0}};
const asn::sequenceDescriptor progress_UUIE::descriptor = asn::sequenceDescriptor::make(progress_UUIEComponents, 8, 0xF4u, true, progress_UUIEComponentTags);
progress_UUIE::progress_UUIE(const progress_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
progress_UUIE& progress_UUIE::operator=(const progress_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
progress_UUIE::~progress_UUIE() { reset(); }
asn::object* progress_UUIE::create() { return new progress_UUIE; }

// status_UUIE
static const asn::componentEntry status_UUIEComponents[] = {
    asn::mandatoryComponent<&status_UUIE::protocolIdentifier>(offsetof(status_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&status_UUIE::callIdentifier>(offsetof(status_UUIE, callIdentifier), "CallIdentifier"),
    asn::optionalComponent<&status_UUIE::tokens>(offsetof(status_UUIE, tokens), "Tokens"),
    asn::optionalComponent<&status_UUIE::cryptoTokens>(offsetof(status_UUIE, cryptoTokens), "CryptoTokens"),
};
static const asn::tagTriple status_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor status_UUIE::descriptor = asn::sequenceDescriptor::make(status_UUIEComponents, 4, 0xCu, true, status_UUIEComponentTags);
status_UUIE::status_UUIE(const status_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
status_UUIE& status_UUIE::operator=(const status_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
status_UUIE::~status_UUIE() { reset(); }
asn::object* status_UUIE::create() { return new status_UUIE; }

// statusInquiry_UUIE
static const asn::componentEntry statusInquiry_UUIEComponents[] = {
    asn::mandatoryComponent<&statusInquiry_UUIE::protocolIdentifier>(offsetof(statusInquiry_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&statusInquiry_UUIE::callIdentifier>(offsetof(statusInquiry_UUIE, callIdentifier), "CallIdentifier"),
    asn::optionalComponent<&statusInquiry_UUIE::tokens>(offsetof(statusInquiry_UUIE, tokens), "Tokens"),
    asn::optionalComponent<&statusInquiry_UUIE::cryptoTokens>(offsetof(statusInquiry_UUIE, cryptoTokens), "CryptoTokens"),
};
static const asn::tagTriple statusInquiry_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor statusInquiry_UUIE::descriptor = asn::sequenceDescriptor::make(statusInquiry_UUIEComponents, 4, 0xCu, true, statusInquiry_UUIEComponentTags);
statusInquiry_UUIE::statusInquiry_UUIE(const statusInquiry_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
statusInquiry_UUIE& statusInquiry_UUIE::operator=(const statusInquiry_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
statusInquiry_UUIE::~statusInquiry_UUIE() { reset(); }
asn::object* statusInquiry_UUIE::create() { return new statusInquiry_UUIE; }

// setupAcknowledge_UUIE
static const asn::componentEntry setupAcknowledge_UUIEComponents[] = {
    asn::mandatoryComponent<&setupAcknowledge_UUIE::protocolIdentifier>(offsetof(setupAcknowledge_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&setupAcknowledge_UUIE::callIdentifier>(offsetof(setupAcknowledge_UUIE, callIdentifier), "CallIdentifier"),
    asn::optionalComponent<&setupAcknowledge_UUIE::tokens>(offsetof(setupAcknowledge_UUIE, tokens), "Tokens"),
    asn::optionalComponent<&setupAcknowledge_UUIE::cryptoTokens>(offsetof(setupAcknowledge_UUIE, cryptoTokens), "CryptoTokens"),
};
static const asn::tagTriple setupAcknowledge_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor setupAcknowledge_UUIE::descriptor = asn::sequenceDescriptor::make(setupAcknowledge_UUIEComponents, 4, 0xCu, true, setupAcknowledge_UUIEComponentTags);
setupAcknowledge_UUIE::setupAcknowledge_UUIE(const setupAcknowledge_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
setupAcknowledge_UUIE& setupAcknowledge_UUIE::operator=(const setupAcknowledge_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
setupAcknowledge_UUIE::~setupAcknowledge_UUIE() { reset(); }
asn::object* setupAcknowledge_UUIE::create() { return new setupAcknowledge_UUIE; }

// notify_UUIE
static const asn::componentEntry notify_UUIEComponents[] = {
    asn::mandatoryComponent<&notify_UUIE::protocolIdentifier>(offsetof(notify_UUIE, protocolIdentifier), "ProtocolIdentifier"),
    asn::mandatoryComponent<&notify_UUIE::callIdentifier>(offsetof(notify_UUIE, callIdentifier), "CallIdentifier"),
    asn::optionalComponent<&notify_UUIE::tokens>(offsetof(notify_UUIE, tokens), "Tokens"),
    asn::optionalComponent<&notify_UUIE::cryptoTokens>(offsetof(notify_UUIE, cryptoTokens), "CryptoTokens"),
};
static const asn::tagTriple notify_UUIEComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor notify_UUIE::descriptor = asn::sequenceDescriptor::make(notify_UUIEComponents, 4, 0xCu, true, notify_UUIEComponentTags);
notify_UUIE::notify_UUIE(const notify_UUIE& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
notify_UUIE& notify_UUIE::operator=(const notify_UUIE& other) {
  if (this != &other) assign(other);
  return *this;
}
notify_UUIE::~notify_UUIE() { reset(); }
asn::object* notify_UUIE::create() { return new notify_UUIE; }

// h245Security
static const asn::alternativeEntry h245SecurityAlternatives[] = {
    asn::alternative<H225::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("NoSecurity"),
    asn::alternative<H225::securityCapabilities>("Tls"),
    asn::alternative<H225::securityCapabilities>("Ipsec"),
};
static const asn::tagTriple h245SecurityAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h245Security::descriptor = asn::choiceDescriptor::make(h245SecurityAlternatives, 4, true, h245SecurityAlternativeTags);
asn::object* h245Security::create() { return new h245Security; }

// securityServiceMode
static const asn::alternativeEntry securityServiceModeAlternatives[] = {
    asn::alternative<H225::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("None"),
    asn::alternative<asn::null>("Default"),
};
static const asn::tagTriple securityServiceModeAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor securityServiceMode::descriptor = asn::choiceDescriptor::make(securityServiceModeAlternatives, 3, true, securityServiceModeAlternativeTags);
asn::object* securityServiceMode::create() { return new securityServiceMode; }

// securityCapabilities
static const asn::componentEntry securityCapabilitiesComponents[] = {
    asn::optionalComponent<&securityCapabilities::nonStandard>(offsetof(securityCapabilities, nonStandard), "NonStandard"),
    asn::mandatoryComponent<&securityCapabilities::encryption>(offsetof(securityCapabilities, encryption), "Encryption"),
    asn::mandatoryComponent<&securityCapabilities::authenticaton>(offsetof(securityCapabilities, authenticaton), "Authenticaton"),
    asn::mandatoryComponent<&securityCapabilities::integrity>(offsetof(securityCapabilities, integrity), "Integrity"),
};
static const asn::tagTriple securityCapabilitiesComponentTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor securityCapabilities::descriptor = asn::sequenceDescriptor::make(securityCapabilitiesComponents, 4, 0x1u, true, securityCapabilitiesComponentTags);
securityCapabilities::securityCapabilities(const securityCapabilities& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
securityCapabilities& securityCapabilities::operator=(const securityCapabilities& other) {
  if (this != &other) assign(other);
  return *this;
}
securityCapabilities::~securityCapabilities() { reset(); }
asn::object* securityCapabilities::create() { return new securityCapabilities; }

// presentationIndicator
static const asn::alternativeEntry presentationIndicatorAlternatives[] = {
    asn::alternative<asn::null>("PresentationAllowed"),
    asn::alternative<asn::null>("PresentationRestricted"),
    asn::alternative<asn::null>("AddressNotAvailable"),
};
static const asn::tagTriple presentationIndicatorAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor presentationIndicator::descriptor = asn::choiceDescriptor::make(presentationIndicatorAlternatives, 3, true, presentationIndicatorAlternativeTags);
asn::object* presentationIndicator::create() { return new presentationIndicator; }

// screeningIndicator
static const asn::namedValue screeningIndicatorValues[] = {
    {0u, "UserProvidedNotScreened"},
    {1u, "UserProvidedVerifiedAndPassed"},
    {2u, "UserProvidedVerifiedAndFailed"},
    {3u, "NetworkProvided"},
};
const asn::enumeratedDescriptor screeningIndicator::descriptor = asn::enumeratedDescriptor::make(screeningIndicatorValues, 4, true);
asn::object* screeningIndicator::create() { return new screeningIndicator; }

}  // namespace H225
