// Generated from asn-modules/generator/modules/h225.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h225/h225.h>

namespace H225 {

const char PermitedAlphabet0[] = "#*,0123456789";
const char PermitedAlphabet1[] = "#*0123456789abc";

// transportAddress::ipAddress_sequence
static const asn::componentEntry transportAddress_ipAddress_sequenceComponents[] = {
    asn::mandatoryComponent<&transportAddress::ipAddress_sequence::ip>("Ip"),
    asn::mandatoryComponent<&transportAddress::ipAddress_sequence::port>("Port"),
};
static const asn::tagTriple transportAddress_ipAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor transportAddress::ipAddress_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ipAddress_sequenceComponents, false, transportAddress_ipAddress_sequenceComponentTags);
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
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::ip>("Ip"),
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::port>("Port"),
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::route>("Route"),
    asn::mandatoryComponent<&transportAddress::ipSourceRoute_sequence::routing>("Routing"),
};
static const asn::tagTriple transportAddress_ipSourceRoute_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}, {0, 16, 0}, {0, 0, 0}};
const asn::sequenceDescriptor transportAddress::ipSourceRoute_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ipSourceRoute_sequenceComponents, true, transportAddress_ipSourceRoute_sequenceComponentTags);
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
    asn::mandatoryComponent<&transportAddress::ipxAddress_sequence::node>("Node"),
    asn::mandatoryComponent<&transportAddress::ipxAddress_sequence::netnum>("Netnum"),
    asn::mandatoryComponent<&transportAddress::ipxAddress_sequence::port>("Port"),
};
static const asn::tagTriple transportAddress_ipxAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor transportAddress::ipxAddress_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ipxAddress_sequenceComponents, false, transportAddress_ipxAddress_sequenceComponentTags);
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
    asn::mandatoryComponent<&transportAddress::ip6Address_sequence::ip>("Ip"),
    asn::mandatoryComponent<&transportAddress::ip6Address_sequence::port>("Port"),
};
static const asn::tagTriple transportAddress_ip6Address_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor transportAddress::ip6Address_sequence::descriptor = asn::sequenceDescriptor::make(transportAddress_ip6Address_sequenceComponents, true, transportAddress_ip6Address_sequenceComponentTags);
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
    asn::mandatoryComponent<&publicPartyNumber::publicTypeOfNumber>("PublicTypeOfNumber"),
    asn::mandatoryComponent<&publicPartyNumber::publicNumberDigits>("PublicNumberDigits"),
};
static const asn::tagTriple publicPartyNumberComponentTags[] = {{0, 0, 0}, {0, 22, 0}};
const asn::sequenceDescriptor publicPartyNumber::descriptor = asn::sequenceDescriptor::make(publicPartyNumberComponents, false, publicPartyNumberComponentTags);
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
    asn::mandatoryComponent<&privatePartyNumber::privateTypeOfNumber>("PrivateTypeOfNumber"),
    asn::mandatoryComponent<&privatePartyNumber::privateNumberDigits>("PrivateNumberDigits"),
};
static const asn::tagTriple privatePartyNumberComponentTags[] = {{0, 0, 0}, {0, 22, 0}};
const asn::sequenceDescriptor privatePartyNumber::descriptor = asn::sequenceDescriptor::make(privatePartyNumberComponents, false, privatePartyNumberComponentTags);
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
    asn::alternative<asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>>("Sid"),
    asn::alternative<asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>>("Mid"),
};
static const asn::tagTriple ansi_41_uim_system_id_choiceAlternativeTags[] = {{0, 22, 0}, {0, 22, 0}};
const asn::choiceDescriptor ansi_41_uim::system_id_choice::descriptor = asn::choiceDescriptor::make(ansi_41_uim_system_id_choiceAlternatives, 2, true, ansi_41_uim_system_id_choiceAlternativeTags);
asn::object* ansi_41_uim::system_id_choice::create() { return new system_id_choice; }

// ansi_41_uim
static const asn::componentEntry ansi_41_uimComponents[] = {
    asn::optionalComponent<&ansi_41_uim::imsi>("Imsi"),
    asn::optionalComponent<&ansi_41_uim::min>("Min"),
    asn::optionalComponent<&ansi_41_uim::mdn>("Mdn"),
    asn::optionalComponent<&ansi_41_uim::msisdn>("Msisdn"),
    asn::optionalComponent<&ansi_41_uim::esn>("Esn"),
    asn::optionalComponent<&ansi_41_uim::mscid>("Mscid"),
    asn::mandatoryComponent<&ansi_41_uim::system_id>("System_id"),
    asn::optionalComponent<&ansi_41_uim::systemMyTypeCode>("SystemMyTypeCode"),
    asn::optionalComponent<&ansi_41_uim::systemAccessType>("SystemAccessType"),
    asn::optionalComponent<&ansi_41_uim::qualificationInformationCode>("QualificationInformationCode"),
    asn::optionalComponent<&ansi_41_uim::sesn>("Sesn"),
    asn::optionalComponent<&ansi_41_uim::soc>("Soc"),
};
static const asn::tagTriple ansi_41_uimComponentTags[] = {{0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 0, 0}, {0, 4, 0}, {0, 4, 0}, {0, 4, 0}, {0, 22, 0}, {0, 22, 0}};
const asn::sequenceDescriptor ansi_41_uim::descriptor = asn::sequenceDescriptor::make(ansi_41_uimComponents, true, ansi_41_uimComponentTags);
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
    asn::optionalComponent<&gsm_uim::imsi>("Imsi"),
    asn::optionalComponent<&gsm_uim::tmsi>("Tmsi"),
    asn::optionalComponent<&gsm_uim::msisdn>("Msisdn"),
    asn::optionalComponent<&gsm_uim::imei>("Imei"),
    asn::optionalComponent<&gsm_uim::hplmn>("Hplmn"),
    asn::optionalComponent<&gsm_uim::vplmn>("Vplmn"),
};
static const asn::tagTriple gsm_uimComponentTags[] = {{0, 22, 0}, {0, 4, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}, {0, 22, 0}};
const asn::sequenceDescriptor gsm_uim::descriptor = asn::sequenceDescriptor::make(gsm_uimComponents, true, gsm_uimComponentTags);
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
    asn::mandatoryComponent<&callIdentifier::guid>("Guid"),
};
static const asn::tagTriple callIdentifierComponentTags[] = {{0, 4, 0}};
const asn::sequenceDescriptor callIdentifier::descriptor = asn::sequenceDescriptor::make(callIdentifierComponents, true, callIdentifierComponentTags);
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
    asn::optionalComponent<&callLinkage::globalCallId>("GlobalCallId"),
    asn::optionalComponent<&callLinkage::threadId>("ThreadId"),
};
static const asn::tagTriple callLinkageComponentTags[] = {{0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor callLinkage::descriptor = asn::sequenceDescriptor::make(callLinkageComponents, true, callLinkageComponentTags);
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

// h221NonStandard
static const asn::componentEntry h221NonStandardComponents[] = {
    asn::mandatoryComponent<&h221NonStandard::t35CountryCode>("T35CountryCode"),
    asn::mandatoryComponent<&h221NonStandard::t35Extension>("T35Extension"),
    asn::mandatoryComponent<&h221NonStandard::manufacturerCode>("ManufacturerCode"),
};
static const asn::tagTriple h221NonStandardComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h221NonStandard::descriptor = asn::sequenceDescriptor::make(h221NonStandardComponents, true, h221NonStandardComponentTags);
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
    asn::mandatoryComponent<&genericData::id>("Id"),
    asn::optionalComponent<&genericData::parameters>("Parameters"),
};
static const asn::tagTriple genericDataComponentTags[] = {{0, 0, 0}, {0, 16, 0}};
const asn::sequenceDescriptor genericData::descriptor = asn::sequenceDescriptor::make(genericDataComponents, true, genericDataComponentTags);
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
    asn::mandatoryComponent<&enumeratedParameter::id>("Id"),
    asn::optionalComponent<&enumeratedParameter::content>("Content"),
};
static const asn::tagTriple enumeratedParameterComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor enumeratedParameter::descriptor = asn::sequenceDescriptor::make(enumeratedParameterComponents, true, enumeratedParameterComponentTags);
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
    asn::mandatoryComponent<&featureSet::replacementFeatureSet>("ReplacementFeatureSet"),
    asn::optionalComponent<&featureSet::neededFeatures>("NeededFeatures"),
    asn::optionalComponent<&featureSet::desiredFeatures>("DesiredFeatures"),
    asn::optionalComponent<&featureSet::supportedFeatures>("SupportedFeatures"),
};
static const asn::tagTriple featureSetComponentTags[] = {{0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor featureSet::descriptor = asn::sequenceDescriptor::make(featureSetComponents, true, featureSetComponentTags);
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
    asn::optionalComponent<&endpointType::nonStandardData>("NonStandardData"),
    asn::optionalComponent<&endpointType::vendor>("Vendor"),
    asn::optionalComponent<&endpointType::gatekeeper>("Gatekeeper"),
    asn::optionalComponent<&endpointType::gateway>("Gateway"),
    asn::optionalComponent<&endpointType::mcu>("Mcu"),
    asn::optionalComponent<&endpointType::terminal>("Terminal"),
    asn::mandatoryComponent<&endpointType::mc>("Mc"),
    asn::mandatoryComponent<&endpointType::undefinedNode>("UndefinedNode"),
    asn::additionComponent<&endpointType::set>("Set"),
    asn::additionComponent<&endpointType::supportedTunnelledProtocols>("SupportedTunnelledProtocols"),
};
static const asn::tagTriple endpointTypeComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 1, 0}, {0, 1, 0}, {0, 3, 0}, {0, 16, 0}};
const asn::sequenceDescriptor endpointType::descriptor = asn::sequenceDescriptor::make(endpointTypeComponents, true, endpointTypeComponentTags);
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
    asn::mandatoryComponent<&vendorIdentifier::vendor>("Vendor"),
    asn::optionalComponent<&vendorIdentifier::productId>("ProductId"),
    asn::optionalComponent<&vendorIdentifier::versionId>("VersionId"),
};
static const asn::tagTriple vendorIdentifierComponentTags[] = {{0, 16, 1}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor vendorIdentifier::descriptor = asn::sequenceDescriptor::make(vendorIdentifierComponents, true, vendorIdentifierComponentTags);
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
    asn::optionalComponent<&gatekeeperInfo::nonStandardData>("NonStandardData"),
};
static const asn::tagTriple gatekeeperInfoComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor gatekeeperInfo::descriptor = asn::sequenceDescriptor::make(gatekeeperInfoComponents, true, gatekeeperInfoComponentTags);
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
    asn::optionalComponent<&terminalInfo::nonStandardData>("NonStandardData"),
};
static const asn::tagTriple terminalInfoComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor terminalInfo::descriptor = asn::sequenceDescriptor::make(terminalInfoComponents, true, terminalInfoComponentTags);
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
    asn::optionalComponent<&gatewayInfo::protocol>("Protocol"),
    asn::optionalComponent<&gatewayInfo::nonStandardData>("NonStandardData"),
};
static const asn::tagTriple gatewayInfoComponentTags[] = {{0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor gatewayInfo::descriptor = asn::sequenceDescriptor::make(gatewayInfoComponents, true, gatewayInfoComponentTags);
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
    asn::optionalComponent<&mcuInfo::nonStandardData>("NonStandardData"),
    asn::additionComponent<&mcuInfo::protocol>("Protocol"),
};
static const asn::tagTriple mcuInfoComponentTags[] = {{0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor mcuInfo::descriptor = asn::sequenceDescriptor::make(mcuInfoComponents, true, mcuInfoComponentTags);
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
    asn::optionalComponent<&h310Caps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&h310Caps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&h310Caps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple h310CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h310Caps::descriptor = asn::sequenceDescriptor::make(h310CapsComponents, true, h310CapsComponentTags);
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
    asn::optionalComponent<&h320Caps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&h320Caps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&h320Caps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple h320CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h320Caps::descriptor = asn::sequenceDescriptor::make(h320CapsComponents, true, h320CapsComponentTags);
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
    asn::optionalComponent<&h321Caps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&h321Caps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&h321Caps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple h321CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h321Caps::descriptor = asn::sequenceDescriptor::make(h321CapsComponents, true, h321CapsComponentTags);
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
    asn::optionalComponent<&h322Caps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&h322Caps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&h322Caps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple h322CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h322Caps::descriptor = asn::sequenceDescriptor::make(h322CapsComponents, true, h322CapsComponentTags);
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
    asn::optionalComponent<&h323Caps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&h323Caps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&h323Caps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple h323CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h323Caps::descriptor = asn::sequenceDescriptor::make(h323CapsComponents, true, h323CapsComponentTags);
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
    asn::optionalComponent<&h324Caps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&h324Caps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&h324Caps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple h324CapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h324Caps::descriptor = asn::sequenceDescriptor::make(h324CapsComponents, true, h324CapsComponentTags);
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
    asn::optionalComponent<&voiceCaps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&voiceCaps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&voiceCaps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple voiceCapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor voiceCaps::descriptor = asn::sequenceDescriptor::make(voiceCapsComponents, true, voiceCapsComponentTags);
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
    asn::optionalComponent<&t120OnlyCaps::nonStandardData>("NonStandardData"),
    asn::additionComponent<&t120OnlyCaps::dataRatesSupported>("DataRatesSupported"),
    asn::additionComponent<&t120OnlyCaps::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple t120OnlyCapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor t120OnlyCaps::descriptor = asn::sequenceDescriptor::make(t120OnlyCapsComponents, true, t120OnlyCapsComponentTags);
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
    asn::optionalComponent<&supportedPrefix::nonStandardData>("NonStandardData"),
    asn::mandatoryComponent<&supportedPrefix::prefix>("Prefix"),
};
static const asn::tagTriple supportedPrefixComponentTags[] = {{0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor supportedPrefix::descriptor = asn::sequenceDescriptor::make(supportedPrefixComponents, true, supportedPrefixComponentTags);
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
    asn::optionalComponent<&nonStandardProtocol::nonStandardData>("NonStandardData"),
    asn::optionalComponent<&nonStandardProtocol::dataRatesSupported>("DataRatesSupported"),
    asn::mandatoryComponent<&nonStandardProtocol::supportedPrefixes>("SupportedPrefixes"),
};
static const asn::tagTriple nonStandardProtocolComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor nonStandardProtocol::descriptor = asn::sequenceDescriptor::make(nonStandardProtocolComponents, true, nonStandardProtocolComponentTags);
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
    asn::optionalComponent<&t38FaxAnnexbOnlyCaps::nonStandardData>("NonStandardData"),
    asn::optionalComponent<&t38FaxAnnexbOnlyCaps::dataRatesSupported>("DataRatesSupported"),
    asn::mandatoryComponent<&t38FaxAnnexbOnlyCaps::supportedPrefixes>("SupportedPrefixes"),
    asn::mandatoryComponent<&t38FaxAnnexbOnlyCaps::t38FaxProtocol>("T38FaxProtocol"),
    asn::mandatoryComponent<&t38FaxAnnexbOnlyCaps::t38FaxProfile>("T38FaxProfile"),
};
static const asn::tagTriple t38FaxAnnexbOnlyCapsComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor t38FaxAnnexbOnlyCaps::descriptor = asn::sequenceDescriptor::make(t38FaxAnnexbOnlyCapsComponents, true, t38FaxAnnexbOnlyCapsComponentTags);
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
    asn::optionalComponent<&dataRate::nonStandardData>("NonStandardData"),
    asn::mandatoryComponent<&dataRate::channelRate>("ChannelRate"),
    asn::optionalComponent<&dataRate::channelMultiplier>("ChannelMultiplier"),
};
static const asn::tagTriple dataRateComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor dataRate::descriptor = asn::sequenceDescriptor::make(dataRateComponents, true, dataRateComponentTags);
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
    asn::mandatoryComponent<&tunnelledProtocol::id>("Id"),
    asn::optionalComponent<&tunnelledProtocol::subIdentifier>("SubIdentifier"),
};
static const asn::tagTriple tunnelledProtocolComponentTags[] = {{0, 0, 0}, {0, 22, 0}};
const asn::sequenceDescriptor tunnelledProtocol::descriptor = asn::sequenceDescriptor::make(tunnelledProtocolComponents, true, tunnelledProtocolComponentTags);
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
    asn::mandatoryComponent<&tunnelledProtocolAlternateIdentifier::protocolType>("ProtocolType"),
    asn::optionalComponent<&tunnelledProtocolAlternateIdentifier::protocolVariant>("ProtocolVariant"),
};
static const asn::tagTriple tunnelledProtocolAlternateIdentifierComponentTags[] = {{0, 22, 0}, {0, 22, 0}};
const asn::sequenceDescriptor tunnelledProtocolAlternateIdentifier::descriptor = asn::sequenceDescriptor::make(tunnelledProtocolAlternateIdentifierComponents, true, tunnelledProtocolAlternateIdentifierComponentTags);
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
    asn::mandatoryComponent<&q954Details::conferenceCalling>("ConferenceCalling"),
    asn::mandatoryComponent<&q954Details::threePartyService>("ThreePartyService"),
};
static const asn::tagTriple q954DetailsComponentTags[] = {{0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor q954Details::descriptor = asn::sequenceDescriptor::make(q954DetailsComponents, true, q954DetailsComponentTags);
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
    asn::mandatoryComponent<&qseriesOptions::q932Full>("Q932Full"),
    asn::mandatoryComponent<&qseriesOptions::q951Full>("Q951Full"),
    asn::mandatoryComponent<&qseriesOptions::q952Full>("Q952Full"),
    asn::mandatoryComponent<&qseriesOptions::q953Full>("Q953Full"),
    asn::mandatoryComponent<&qseriesOptions::q955Full>("Q955Full"),
    asn::mandatoryComponent<&qseriesOptions::q956Full>("Q956Full"),
    asn::mandatoryComponent<&qseriesOptions::q957Full>("Q957Full"),
    asn::mandatoryComponent<&qseriesOptions::q954Info>("Q954Info"),
};
static const asn::tagTriple qseriesOptionsComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor qseriesOptions::descriptor = asn::sequenceDescriptor::make(qseriesOptionsComponents, true, qseriesOptionsComponentTags);
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
    asn::optionalComponent<&callCapacity::maximumCallCapacity>("MaximumCallCapacity"),
    asn::optionalComponent<&callCapacity::currentCallCapacity>("CurrentCallCapacity"),
};
static const asn::tagTriple callCapacityComponentTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor callCapacity::descriptor = asn::sequenceDescriptor::make(callCapacityComponents, true, callCapacityComponentTags);
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
    asn::optionalComponent<&callCapacityInfo::voiceGwCallsAvailable>("VoiceGwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h310GwCallsAvailable>("H310GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h320GwCallsAvailable>("H320GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h321GwCallsAvailable>("H321GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h322GwCallsAvailable>("H322GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h323GwCallsAvailable>("H323GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::h324GwCallsAvailable>("H324GwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::t120OnlyGwCallsAvailable>("T120OnlyGwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::t38FaxAnnexbOnlyGwCallsAvailable>("T38FaxAnnexbOnlyGwCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::terminalCallsAvailable>("TerminalCallsAvailable"),
    asn::optionalComponent<&callCapacityInfo::mcuCallsAvailable>("McuCallsAvailable"),
};
static const asn::tagTriple callCapacityInfoComponentTags[] = {{0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor callCapacityInfo::descriptor = asn::sequenceDescriptor::make(callCapacityInfoComponents, true, callCapacityInfoComponentTags);
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
    asn::mandatoryComponent<&callsAvailable::calls>("Calls"),
    asn::optionalComponent<&callsAvailable::group>("Group"),
};
static const asn::tagTriple callsAvailableComponentTags[] = {{0, 2, 0}, {0, 22, 0}};
const asn::sequenceDescriptor callsAvailable::descriptor = asn::sequenceDescriptor::make(callsAvailableComponents, true, callsAvailableComponentTags);
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
    asn::optionalComponent<&circuitInfo::sourceCircuitID>("SourceCircuitID"),
    asn::optionalComponent<&circuitInfo::destinationCircuitID>("DestinationCircuitID"),
    asn::optionalComponent<&circuitInfo::genericData>("GenericData"),
};
static const asn::tagTriple circuitInfoComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor circuitInfo::descriptor = asn::sequenceDescriptor::make(circuitInfoComponents, true, circuitInfoComponentTags);
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
    asn::optionalComponent<&circuitIdentifier::cic>("Cic"),
    asn::optionalComponent<&circuitIdentifier::group>("Group"),
};
static const asn::tagTriple circuitIdentifierComponentTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor circuitIdentifier::descriptor = asn::sequenceDescriptor::make(circuitIdentifierComponents, true, circuitIdentifierComponentTags);
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
    asn::mandatoryComponent<&cicInfo::cic>("Cic"),
    asn::mandatoryComponent<&cicInfo::pointCode>("PointCode"),
};
static const asn::tagTriple cicInfoComponentTags[] = {{0, 16, 0}, {0, 4, 0}};
const asn::sequenceDescriptor cicInfo::descriptor = asn::sequenceDescriptor::make(cicInfoComponents, true, cicInfoComponentTags);
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
    asn::optionalComponent<&groupID::member>("Member"),
    asn::mandatoryComponent<&groupID::group>("Group"),
};
static const asn::tagTriple groupIDComponentTags[] = {{0, 16, 0}, {0, 22, 0}};
const asn::sequenceDescriptor groupID::descriptor = asn::sequenceDescriptor::make(groupIDComponents, true, groupIDComponentTags);
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
    asn::mandatoryComponent<&serviceControlSession::sessionId>("SessionId"),
    asn::optionalComponent<&serviceControlSession::contents>("Contents"),
    asn::mandatoryComponent<&serviceControlSession::reason>("Reason"),
};
static const asn::tagTriple serviceControlSessionComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor serviceControlSession::descriptor = asn::sequenceDescriptor::make(serviceControlSessionComponents, true, serviceControlSessionComponentTags);
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
    asn::optionalComponent<&callCreditServiceControl::amountString>("AmountString"),
    asn::optionalComponent<&callCreditServiceControl::billingMode>("BillingMode"),
    asn::optionalComponent<&callCreditServiceControl::callDurationLimit>("CallDurationLimit"),
    asn::optionalComponent<&callCreditServiceControl::enforceCallDurationLimit>("EnforceCallDurationLimit"),
    asn::optionalComponent<&callCreditServiceControl::callStartingPoint>("CallStartingPoint"),
};
static const asn::tagTriple callCreditServiceControlComponentTags[] = {{0, 30, 0}, {0, 0, 0}, {0, 2, 0}, {0, 1, 0}, {0, 0, 0}};
const asn::sequenceDescriptor callCreditServiceControl::descriptor = asn::sequenceDescriptor::make(callCreditServiceControlComponents, true, callCreditServiceControlComponentTags);
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
    asn::mandatoryComponent<&cryptoH323Token::cryptoEPPwdHash_sequence::alias>("Alias"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoEPPwdHash_sequence::timeStamp>("TimeStamp"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoEPPwdHash_sequence::token>("Token"),
};
static const asn::tagTriple cryptoH323Token_cryptoEPPwdHash_sequenceComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoH323Token::cryptoEPPwdHash_sequence::descriptor = asn::sequenceDescriptor::make(cryptoH323Token_cryptoEPPwdHash_sequenceComponents, false, cryptoH323Token_cryptoEPPwdHash_sequenceComponentTags);
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
    asn::mandatoryComponent<&cryptoH323Token::cryptoGKPwdHash_sequence::gatekeeperId>("GatekeeperId"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoGKPwdHash_sequence::timeStamp>("TimeStamp"),
    asn::mandatoryComponent<&cryptoH323Token::cryptoGKPwdHash_sequence::token>("Token"),
};
static const asn::tagTriple cryptoH323Token_cryptoGKPwdHash_sequenceComponentTags[] = {{0, 30, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoH323Token::cryptoGKPwdHash_sequence::descriptor = asn::sequenceDescriptor::make(cryptoH323Token_cryptoGKPwdHash_sequenceComponents, false, cryptoH323Token_cryptoGKPwdHash_sequenceComponentTags);
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

}  // namespace H225
