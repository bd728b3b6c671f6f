// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H245 {

// networkAccessParameters::distribution_choice
static const asn::alternativeEntry networkAccessParameters_distribution_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unicast"),
    asn::alternative<asn::null>("Multicast"),
};
static const asn::tagTriple networkAccessParameters_distribution_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor networkAccessParameters::distribution_choice::descriptor = asn::choiceDescriptor::make(networkAccessParameters_distribution_choiceAlternatives, 2, true, networkAccessParameters_distribution_choiceAlternativeTags);
asn::object* networkAccessParameters::distribution_choice::create() { return new distribution_choice; }

// networkAccessParameters::networkAddress_choice
static const asn::alternativeEntry networkAccessParameters_networkAddress_choiceAlternatives[] = {
    asn::alternative<H245::q2931Address>("Q2931Address"),
    asn::alternative<asn::IA5String<1u, 128u, 1, H245::PermitedAlphabet0, 13u>>("E164Address"),
    asn::alternative<H245::transportAddress>("LocalAreaAddress"),
};
static const asn::tagTriple networkAccessParameters_networkAddress_choiceAlternativeTags[] = {{0, 16, 1}, {0, 22, 0}, {0, 0, 0}};
const asn::choiceDescriptor networkAccessParameters::networkAddress_choice::descriptor = asn::choiceDescriptor::make(networkAccessParameters_networkAddress_choiceAlternatives, 3, true, networkAccessParameters_networkAddress_choiceAlternativeTags);
asn::object* networkAccessParameters::networkAddress_choice::create() { return new networkAddress_choice; }

// networkAccessParameters::t120SetupProcedure_choice
static const asn::alternativeEntry networkAccessParameters_t120SetupProcedure_choiceAlternatives[] = {
    asn::alternative<asn::null>("OriginateCall"),
    asn::alternative<asn::null>("WaitForCall"),
    asn::alternative<asn::null>("IssueQuery"),
};
static const asn::tagTriple networkAccessParameters_t120SetupProcedure_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor networkAccessParameters::t120SetupProcedure_choice::descriptor = asn::choiceDescriptor::make(networkAccessParameters_t120SetupProcedure_choiceAlternatives, 3, true, networkAccessParameters_t120SetupProcedure_choiceAlternativeTags);
asn::object* networkAccessParameters::t120SetupProcedure_choice::create() { return new t120SetupProcedure_choice; }

// networkAccessParameters
static const asn::componentEntry networkAccessParametersComponents[] = {
    asn::optionalComponent<&networkAccessParameters::distribution>(offsetof(networkAccessParameters, distribution), "Distribution"),
    asn::mandatoryComponent<&networkAccessParameters::networkAddress>(offsetof(networkAccessParameters, networkAddress), "NetworkAddress"),
    asn::mandatoryComponent<&networkAccessParameters::associateConference>(offsetof(networkAccessParameters, associateConference), "AssociateConference"),
    asn::optionalComponent<&networkAccessParameters::externalReference>(offsetof(networkAccessParameters, externalReference), "ExternalReference"),
    asn::additionComponent<&networkAccessParameters::t120SetupProcedure>(offsetof(networkAccessParameters, t120SetupProcedure), "T120SetupProcedure"),
};
static const asn::tagTriple networkAccessParametersComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 4, 0}, {0, 0, 0}};
const asn::sequenceDescriptor networkAccessParameters::descriptor = asn::sequenceDescriptor::make(networkAccessParametersComponents, 4, 0x9u, true, networkAccessParametersComponentTags);
networkAccessParameters::networkAccessParameters(const networkAccessParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
networkAccessParameters& networkAccessParameters::operator=(const networkAccessParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
networkAccessParameters::~networkAccessParameters() { reset(); }
asn::object* networkAccessParameters::create() { return new networkAccessParameters; }

// v75Parameters
static const asn::componentEntry v75ParametersComponents[] = {
    asn::mandatoryComponent<&v75Parameters::audioHeaderPresent>(offsetof(v75Parameters, audioHeaderPresent), "AudioHeaderPresent"),
};
static const asn::tagTriple v75ParametersComponentTags[] = {{0, 1, 0}};
const asn::sequenceDescriptor v75Parameters::descriptor = asn::sequenceDescriptor::make(v75ParametersComponents, 1, 0x0u, true, v75ParametersComponentTags);
v75Parameters::v75Parameters(const v75Parameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v75Parameters& v75Parameters::operator=(const v75Parameters& other) {
  if (this != &other) assign(other);
  return *this;
}
v75Parameters::~v75Parameters() { reset(); }
asn::object* v75Parameters::create() { return new v75Parameters; }

// h235Media::mediaType_choice
static const asn::alternativeEntry h235Media_mediaType_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::videoCapability>("VideoData"),
    asn::alternative<H245::audioCapability>("AudioData"),
    asn::alternative<H245::dataApplicationCapability>("Data"),
    asn::alternative<H245::redundancyEncoding>("RedundancyEncoding"),
    asn::alternative<H245::multiplePayloadStream>("MultiplePayloadStream"),
    asn::alternative<H245::depFECData>("DepFec"),
    asn::alternative<H245::fECData>("Fec"),
};
static const asn::tagTriple h235Media_mediaType_choiceAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor h235Media::mediaType_choice::descriptor = asn::choiceDescriptor::make(h235Media_mediaType_choiceAlternatives, 4, true, h235Media_mediaType_choiceAlternativeTags);
asn::object* h235Media::mediaType_choice::create() { return new mediaType_choice; }

// h235Media
static const asn::componentEntry h235MediaComponents[] = {
    asn::mandatoryComponent<&h235Media::encryptionAuthenticationAndIntegrity>(offsetof(h235Media, encryptionAuthenticationAndIntegrity), "EncryptionAuthenticationAndIntegrity"),
    asn::mandatoryComponent<&h235Media::mediaType>(offsetof(h235Media, mediaType), "MediaType"),
};
static const asn::tagTriple h235MediaComponentTags[] = {{0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor h235Media::descriptor = asn::sequenceDescriptor::make(h235MediaComponents, 2, 0x0u, true, h235MediaComponentTags);
h235Media::h235Media(const h235Media& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h235Media& h235Media::operator=(const h235Media& other) {
  if (this != &other) assign(other);
  return *this;
}
h235Media::~h235Media() { reset(); }
asn::object* h235Media::create() { return new h235Media; }

// multiplexedStreamParameter
static const asn::componentEntry multiplexedStreamParameterComponents[] = {
    asn::mandatoryComponent<&multiplexedStreamParameter::multiplexFormat>(offsetof(multiplexedStreamParameter, multiplexFormat), "MultiplexFormat"),
    asn::mandatoryComponent<&multiplexedStreamParameter::controlOnMuxStream>(offsetof(multiplexedStreamParameter, controlOnMuxStream), "ControlOnMuxStream"),
};
static const asn::tagTriple multiplexedStreamParameterComponentTags[] = {{0, 0, 0}, {0, 1, 0}};
const asn::sequenceDescriptor multiplexedStreamParameter::descriptor = asn::sequenceDescriptor::make(multiplexedStreamParameterComponents, 2, 0x0u, true, multiplexedStreamParameterComponentTags);
multiplexedStreamParameter::multiplexedStreamParameter(const multiplexedStreamParameter& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexedStreamParameter& multiplexedStreamParameter::operator=(const multiplexedStreamParameter& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexedStreamParameter::~multiplexedStreamParameter() { reset(); }
asn::object* multiplexedStreamParameter::create() { return new multiplexedStreamParameter; }

// h222LogicalChannelParameters
static const asn::componentEntry h222LogicalChannelParametersComponents[] = {
    asn::mandatoryComponent<&h222LogicalChannelParameters::resourceID>(offsetof(h222LogicalChannelParameters, resourceID), "ResourceID"),
    asn::mandatoryComponent<&h222LogicalChannelParameters::subChannelID>(offsetof(h222LogicalChannelParameters, subChannelID), "SubChannelID"),
    asn::optionalComponent<&h222LogicalChannelParameters::pcr_pid>(offsetof(h222LogicalChannelParameters, pcr_pid), "Pcr_pid"),
    asn::optionalComponent<&h222LogicalChannelParameters::programDescriptors>(offsetof(h222LogicalChannelParameters, programDescriptors), "ProgramDescriptors"),
    asn::optionalComponent<&h222LogicalChannelParameters::streamDescriptors>(offsetof(h222LogicalChannelParameters, streamDescriptors), "StreamDescriptors"),
};
static const asn::tagTriple h222LogicalChannelParametersComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor h222LogicalChannelParameters::descriptor = asn::sequenceDescriptor::make(h222LogicalChannelParametersComponents, 5, 0x1Cu, true, h222LogicalChannelParametersComponentTags);
h222LogicalChannelParameters::h222LogicalChannelParameters(const h222LogicalChannelParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h222LogicalChannelParameters& h222LogicalChannelParameters::operator=(const h222LogicalChannelParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h222LogicalChannelParameters::~h222LogicalChannelParameters() { reset(); }
asn::object* h222LogicalChannelParameters::create() { return new h222LogicalChannelParameters; }

// h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence
static const asn::componentEntry h223LogicalChannelParameters_adaptationLayerType_choice_al3_sequenceComponents[] = {
    asn::mandatoryComponent<&h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::controlFieldOctets>(offsetof(h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence, controlFieldOctets), "ControlFieldOctets"),
    asn::mandatoryComponent<&h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::sendBufferSize>(offsetof(h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence, sendBufferSize), "SendBufferSize"),
};
static const asn::tagTriple h223LogicalChannelParameters_adaptationLayerType_choice_al3_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::descriptor = asn::sequenceDescriptor::make(h223LogicalChannelParameters_adaptationLayerType_choice_al3_sequenceComponents, 2, 0x0u, false, h223LogicalChannelParameters_adaptationLayerType_choice_al3_sequenceComponentTags);
h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::al3_sequence(const al3_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence& h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::operator=(const al3_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::~al3_sequence() { reset(); }
asn::object* h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence::create() { return new al3_sequence; }

// h223LogicalChannelParameters::adaptationLayerType_choice
static const asn::alternativeEntry h223LogicalChannelParameters_adaptationLayerType_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("Al1Framed"),
    asn::alternative<asn::null>("Al1NotFramed"),
    asn::alternative<asn::null>("Al2WithoutSequenceNumbers"),
    asn::alternative<asn::null>("Al2WithSequenceNumbers"),
    asn::alternative<H245::h223LogicalChannelParameters::adaptationLayerType_choice::al3_sequence>("Al3"),
    asn::alternative<H245::h223AL1MParameters>("Al1M"),
    asn::alternative<H245::h223AL2MParameters>("Al2M"),
    asn::alternative<H245::h223AL3MParameters>("Al3M"),
};
static const asn::tagTriple h223LogicalChannelParameters_adaptationLayerType_choiceAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h223LogicalChannelParameters::adaptationLayerType_choice::descriptor = asn::choiceDescriptor::make(h223LogicalChannelParameters_adaptationLayerType_choiceAlternatives, 6, true, h223LogicalChannelParameters_adaptationLayerType_choiceAlternativeTags);
asn::object* h223LogicalChannelParameters::adaptationLayerType_choice::create() { return new adaptationLayerType_choice; }

// h223LogicalChannelParameters
static const asn::componentEntry h223LogicalChannelParametersComponents[] = {
    asn::mandatoryComponent<&h223LogicalChannelParameters::adaptationLayerType>(offsetof(h223LogicalChannelParameters, adaptationLayerType), "AdaptationLayerType"),
    asn::mandatoryComponent<&h223LogicalChannelParameters::segmentableFlag>(offsetof(h223LogicalChannelParameters, segmentableFlag), "SegmentableFlag"),
};
static const asn::tagTriple h223LogicalChannelParametersComponentTags[] = {{0, 0, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h223LogicalChannelParameters::descriptor = asn::sequenceDescriptor::make(h223LogicalChannelParametersComponents, 2, 0x0u, true, h223LogicalChannelParametersComponentTags);
h223LogicalChannelParameters::h223LogicalChannelParameters(const h223LogicalChannelParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223LogicalChannelParameters& h223LogicalChannelParameters::operator=(const h223LogicalChannelParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h223LogicalChannelParameters::~h223LogicalChannelParameters() { reset(); }
asn::object* h223LogicalChannelParameters::create() { return new h223LogicalChannelParameters; }

// h223AL1MParameters::transferMode_choice
static const asn::alternativeEntry h223AL1MParameters_transferMode_choiceAlternatives[] = {
    asn::alternative<asn::null>("Framed"),
    asn::alternative<asn::null>("Unframed"),
};
static const asn::tagTriple h223AL1MParameters_transferMode_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AL1MParameters::transferMode_choice::descriptor = asn::choiceDescriptor::make(h223AL1MParameters_transferMode_choiceAlternatives, 2, true, h223AL1MParameters_transferMode_choiceAlternativeTags);
asn::object* h223AL1MParameters::transferMode_choice::create() { return new transferMode_choice; }

// h223AL1MParameters::headerFEC_choice
static const asn::alternativeEntry h223AL1MParameters_headerFEC_choiceAlternatives[] = {
    asn::alternative<asn::null>("Sebch16_7"),
    asn::alternative<asn::null>("Golay24_12"),
};
static const asn::tagTriple h223AL1MParameters_headerFEC_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AL1MParameters::headerFEC_choice::descriptor = asn::choiceDescriptor::make(h223AL1MParameters_headerFEC_choiceAlternatives, 2, true, h223AL1MParameters_headerFEC_choiceAlternativeTags);
asn::object* h223AL1MParameters::headerFEC_choice::create() { return new headerFEC_choice; }

// h223AL1MParameters::crcLength_choice
static const asn::alternativeEntry h223AL1MParameters_crcLength_choiceAlternatives[] = {
    asn::alternative<asn::null>("Crc4bit"),
    asn::alternative<asn::null>("Crc12bit"),
    asn::alternative<asn::null>("Crc20bit"),
    asn::alternative<asn::null>("Crc28bit"),
    asn::alternative<asn::null>("Crc8bit"),
    asn::alternative<asn::null>("Crc16bit"),
    asn::alternative<asn::null>("Crc32bit"),
    asn::alternative<asn::null>("CrcNotUsed"),
};
static const asn::tagTriple h223AL1MParameters_crcLength_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AL1MParameters::crcLength_choice::descriptor = asn::choiceDescriptor::make(h223AL1MParameters_crcLength_choiceAlternatives, 4, true, h223AL1MParameters_crcLength_choiceAlternativeTags);
asn::object* h223AL1MParameters::crcLength_choice::create() { return new crcLength_choice; }

// h223AL1MParameters::arqType_choice
static const asn::alternativeEntry h223AL1MParameters_arqType_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoArq"),
    asn::alternative<H245::h223AnnexCArqParameters>("TypeIArq"),
    asn::alternative<H245::h223AnnexCArqParameters>("TypeIIArq"),
};
static const asn::tagTriple h223AL1MParameters_arqType_choiceAlternativeTags[] = {{0, 5, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h223AL1MParameters::arqType_choice::descriptor = asn::choiceDescriptor::make(h223AL1MParameters_arqType_choiceAlternatives, 3, true, h223AL1MParameters_arqType_choiceAlternativeTags);
asn::object* h223AL1MParameters::arqType_choice::create() { return new arqType_choice; }

// h223AL1MParameters
static const asn::componentEntry h223AL1MParametersComponents[] = {
    asn::mandatoryComponent<&h223AL1MParameters::transferMode>(offsetof(h223AL1MParameters, transferMode), "TransferMode"),
    asn::mandatoryComponent<&h223AL1MParameters::headerFEC>(offsetof(h223AL1MParameters, headerFEC), "HeaderFEC"),
    asn::mandatoryComponent<&h223AL1MParameters::crcLength>(offsetof(h223AL1MParameters, crcLength), "CrcLength"),
    asn::mandatoryComponent<&h223AL1MParameters::rcpcCodeRate>(offsetof(h223AL1MParameters, rcpcCodeRate), "RcpcCodeRate"),
    asn::mandatoryComponent<&h223AL1MParameters::arqType>(offsetof(h223AL1MParameters, arqType), "ArqType"),
    asn::mandatoryComponent<&h223AL1MParameters::alpduInterleaving>(offsetof(h223AL1MParameters, alpduInterleaving), "AlpduInterleaving"),
    asn::mandatoryComponent<&h223AL1MParameters::alsduSplitting>(offsetof(h223AL1MParameters, alsduSplitting), "AlsduSplitting"),
    asn::additionComponent<&h223AL1MParameters::rsCodeCorrection>(offsetof(h223AL1MParameters, rsCodeCorrection), "RsCodeCorrection"),
};
static const asn::tagTriple h223AL1MParametersComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 2, 0}, {0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223AL1MParameters::descriptor = asn::sequenceDescriptor::make(h223AL1MParametersComponents, 7, 0x0u, true, h223AL1MParametersComponentTags);
h223AL1MParameters::h223AL1MParameters(const h223AL1MParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223AL1MParameters& h223AL1MParameters::operator=(const h223AL1MParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h223AL1MParameters::~h223AL1MParameters() { reset(); }
asn::object* h223AL1MParameters::create() { return new h223AL1MParameters; }

// h223AL2MParameters::headerFEC_choice
static const asn::alternativeEntry h223AL2MParameters_headerFEC_choiceAlternatives[] = {
    asn::alternative<asn::null>("Sebch16_5"),
    asn::alternative<asn::null>("Golay24_12"),
};
static const asn::tagTriple h223AL2MParameters_headerFEC_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AL2MParameters::headerFEC_choice::descriptor = asn::choiceDescriptor::make(h223AL2MParameters_headerFEC_choiceAlternatives, 2, true, h223AL2MParameters_headerFEC_choiceAlternativeTags);
asn::object* h223AL2MParameters::headerFEC_choice::create() { return new headerFEC_choice; }

// h223AL2MParameters
static const asn::componentEntry h223AL2MParametersComponents[] = {
    asn::mandatoryComponent<&h223AL2MParameters::headerFEC>(offsetof(h223AL2MParameters, headerFEC), "HeaderFEC"),
    asn::mandatoryComponent<&h223AL2MParameters::alpduInterleaving>(offsetof(h223AL2MParameters, alpduInterleaving), "AlpduInterleaving"),
};
static const asn::tagTriple h223AL2MParametersComponentTags[] = {{0, 0, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h223AL2MParameters::descriptor = asn::sequenceDescriptor::make(h223AL2MParametersComponents, 2, 0x0u, true, h223AL2MParametersComponentTags);
h223AL2MParameters::h223AL2MParameters(const h223AL2MParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223AL2MParameters& h223AL2MParameters::operator=(const h223AL2MParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h223AL2MParameters::~h223AL2MParameters() { reset(); }
asn::object* h223AL2MParameters::create() { return new h223AL2MParameters; }

// h223AL3MParameters::headerFormat_choice
static const asn::alternativeEntry h223AL3MParameters_headerFormat_choiceAlternatives[] = {
    asn::alternative<asn::null>("Sebch16_7"),
    asn::alternative<asn::null>("Golay24_12"),
};
static const asn::tagTriple h223AL3MParameters_headerFormat_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AL3MParameters::headerFormat_choice::descriptor = asn::choiceDescriptor::make(h223AL3MParameters_headerFormat_choiceAlternatives, 2, true, h223AL3MParameters_headerFormat_choiceAlternativeTags);
asn::object* h223AL3MParameters::headerFormat_choice::create() { return new headerFormat_choice; }

// h223AL3MParameters::crcLength_choice
static const asn::alternativeEntry h223AL3MParameters_crcLength_choiceAlternatives[] = {
    asn::alternative<asn::null>("Crc4bit"),
    asn::alternative<asn::null>("Crc12bit"),
    asn::alternative<asn::null>("Crc20bit"),
    asn::alternative<asn::null>("Crc28bit"),
    asn::alternative<asn::null>("Crc8bit"),
    asn::alternative<asn::null>("Crc16bit"),
    asn::alternative<asn::null>("Crc32bit"),
    asn::alternative<asn::null>("CrcNotUsed"),
};
static const asn::tagTriple h223AL3MParameters_crcLength_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AL3MParameters::crcLength_choice::descriptor = asn::choiceDescriptor::make(h223AL3MParameters_crcLength_choiceAlternatives, 4, true, h223AL3MParameters_crcLength_choiceAlternativeTags);
asn::object* h223AL3MParameters::crcLength_choice::create() { return new crcLength_choice; }

// h223AL3MParameters::arqType_choice
static const asn::alternativeEntry h223AL3MParameters_arqType_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoArq"),
    asn::alternative<H245::h223AnnexCArqParameters>("TypeIArq"),
    asn::alternative<H245::h223AnnexCArqParameters>("TypeIIArq"),
};
static const asn::tagTriple h223AL3MParameters_arqType_choiceAlternativeTags[] = {{0, 5, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h223AL3MParameters::arqType_choice::descriptor = asn::choiceDescriptor::make(h223AL3MParameters_arqType_choiceAlternatives, 3, true, h223AL3MParameters_arqType_choiceAlternativeTags);
asn::object* h223AL3MParameters::arqType_choice::create() { return new arqType_choice; }

// h223AL3MParameters
static const asn::componentEntry h223AL3MParametersComponents[] = {
    asn::mandatoryComponent<&h223AL3MParameters::headerFormat>(offsetof(h223AL3MParameters, headerFormat), "HeaderFormat"),
    asn::mandatoryComponent<&h223AL3MParameters::crcLength>(offsetof(h223AL3MParameters, crcLength), "CrcLength"),
    asn::mandatoryComponent<&h223AL3MParameters::rcpcCodeRate>(offsetof(h223AL3MParameters, rcpcCodeRate), "RcpcCodeRate"),
    asn::mandatoryComponent<&h223AL3MParameters::arqType>(offsetof(h223AL3MParameters, arqType), "ArqType"),
    asn::mandatoryComponent<&h223AL3MParameters::alpduInterleaving>(offsetof(h223AL3MParameters, alpduInterleaving), "AlpduInterleaving"),
    asn::additionComponent<&h223AL3MParameters::rsCodeCorrection>(offsetof(h223AL3MParameters, rsCodeCorrection), "RsCodeCorrection"),
};
static const asn::tagTriple h223AL3MParametersComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 2, 0}, {0, 0, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223AL3MParameters::descriptor = asn::sequenceDescriptor::make(h223AL3MParametersComponents, 5, 0x0u, true, h223AL3MParametersComponentTags);
h223AL3MParameters::h223AL3MParameters(const h223AL3MParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223AL3MParameters& h223AL3MParameters::operator=(const h223AL3MParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h223AL3MParameters::~h223AL3MParameters() { reset(); }
asn::object* h223AL3MParameters::create() { return new h223AL3MParameters; }

// h223AnnexCArqParameters::numberOfRetransmissions_choice
static const asn::alternativeEntry h223AnnexCArqParameters_numberOfRetransmissions_choiceAlternatives[] = {
    asn::alternative<asn::integer<0u, 16u, 1>>("Finite"),
    asn::alternative<asn::null>("Infinite"),
};
static const asn::tagTriple h223AnnexCArqParameters_numberOfRetransmissions_choiceAlternativeTags[] = {{0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223AnnexCArqParameters::numberOfRetransmissions_choice::descriptor = asn::choiceDescriptor::make(h223AnnexCArqParameters_numberOfRetransmissions_choiceAlternatives, 2, true, h223AnnexCArqParameters_numberOfRetransmissions_choiceAlternativeTags);
asn::object* h223AnnexCArqParameters::numberOfRetransmissions_choice::create() { return new numberOfRetransmissions_choice; }

// h223AnnexCArqParameters
static const asn::componentEntry h223AnnexCArqParametersComponents[] = {
    asn::mandatoryComponent<&h223AnnexCArqParameters::numberOfRetransmissions>(offsetof(h223AnnexCArqParameters, numberOfRetransmissions), "NumberOfRetransmissions"),
    asn::mandatoryComponent<&h223AnnexCArqParameters::sendBufferSize>(offsetof(h223AnnexCArqParameters, sendBufferSize), "SendBufferSize"),
};
static const asn::tagTriple h223AnnexCArqParametersComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223AnnexCArqParameters::descriptor = asn::sequenceDescriptor::make(h223AnnexCArqParametersComponents, 2, 0x0u, true, h223AnnexCArqParametersComponentTags);
h223AnnexCArqParameters::h223AnnexCArqParameters(const h223AnnexCArqParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223AnnexCArqParameters& h223AnnexCArqParameters::operator=(const h223AnnexCArqParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h223AnnexCArqParameters::~h223AnnexCArqParameters() { reset(); }
asn::object* h223AnnexCArqParameters::create() { return new h223AnnexCArqParameters; }

// cRCLength
static const asn::alternativeEntry cRCLengthAlternatives[] = {
    asn::alternative<asn::null>("Crc8bit"),
    asn::alternative<asn::null>("Crc16bit"),
    asn::alternative<asn::null>("Crc32bit"),
};
static const asn::tagTriple cRCLengthAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor cRCLength::descriptor = asn::choiceDescriptor::make(cRCLengthAlternatives, 3, true, cRCLengthAlternativeTags);
asn::object* cRCLength::create() { return new cRCLength; }

// v76HDLCParameters
static const asn::componentEntry v76HDLCParametersComponents[] = {
    asn::mandatoryComponent<&v76HDLCParameters::crcLength>(offsetof(v76HDLCParameters, crcLength), "CrcLength"),
    asn::mandatoryComponent<&v76HDLCParameters::n401>(offsetof(v76HDLCParameters, n401), "N401"),
    asn::mandatoryComponent<&v76HDLCParameters::loopbackTestProcedure>(offsetof(v76HDLCParameters, loopbackTestProcedure), "LoopbackTestProcedure"),
};
static const asn::tagTriple v76HDLCParametersComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 1, 0}};
const asn::sequenceDescriptor v76HDLCParameters::descriptor = asn::sequenceDescriptor::make(v76HDLCParametersComponents, 3, 0x0u, true, v76HDLCParametersComponentTags);
v76HDLCParameters::v76HDLCParameters(const v76HDLCParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v76HDLCParameters& v76HDLCParameters::operator=(const v76HDLCParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
v76HDLCParameters::~v76HDLCParameters() { reset(); }
asn::object* v76HDLCParameters::create() { return new v76HDLCParameters; }

// v76LogicalChannelParameters::suspendResume_choice
static const asn::alternativeEntry v76LogicalChannelParameters_suspendResume_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoSuspendResume"),
    asn::alternative<asn::null>("SuspendResumewAddress"),
    asn::alternative<asn::null>("SuspendResumewoAddress"),
};
static const asn::tagTriple v76LogicalChannelParameters_suspendResume_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor v76LogicalChannelParameters::suspendResume_choice::descriptor = asn::choiceDescriptor::make(v76LogicalChannelParameters_suspendResume_choiceAlternatives, 3, true, v76LogicalChannelParameters_suspendResume_choiceAlternativeTags);
asn::object* v76LogicalChannelParameters::suspendResume_choice::create() { return new suspendResume_choice; }

// v76LogicalChannelParameters::mode_choice::eRM_sequence::recovery_choice
static const asn::alternativeEntry v76LogicalChannelParameters_mode_choice_eRM_sequence_recovery_choiceAlternatives[] = {
    asn::alternative<asn::null>("Rej"),
    asn::alternative<asn::null>("SREJ"),
    asn::alternative<asn::null>("MSREJ"),
};
static const asn::tagTriple v76LogicalChannelParameters_mode_choice_eRM_sequence_recovery_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor v76LogicalChannelParameters::mode_choice::eRM_sequence::recovery_choice::descriptor = asn::choiceDescriptor::make(v76LogicalChannelParameters_mode_choice_eRM_sequence_recovery_choiceAlternatives, 3, true, v76LogicalChannelParameters_mode_choice_eRM_sequence_recovery_choiceAlternativeTags);
asn::object* v76LogicalChannelParameters::mode_choice::eRM_sequence::recovery_choice::create() { return new recovery_choice; }

// v76LogicalChannelParameters::mode_choice::eRM_sequence
static const asn::componentEntry v76LogicalChannelParameters_mode_choice_eRM_sequenceComponents[] = {
    asn::mandatoryComponent<&v76LogicalChannelParameters::mode_choice::eRM_sequence::windowSize>(offsetof(v76LogicalChannelParameters::mode_choice::eRM_sequence, windowSize), "WindowSize"),
    asn::mandatoryComponent<&v76LogicalChannelParameters::mode_choice::eRM_sequence::recovery>(offsetof(v76LogicalChannelParameters::mode_choice::eRM_sequence, recovery), "Recovery"),
};
static const asn::tagTriple v76LogicalChannelParameters_mode_choice_eRM_sequenceComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor v76LogicalChannelParameters::mode_choice::eRM_sequence::descriptor = asn::sequenceDescriptor::make(v76LogicalChannelParameters_mode_choice_eRM_sequenceComponents, 2, 0x0u, true, v76LogicalChannelParameters_mode_choice_eRM_sequenceComponentTags);
v76LogicalChannelParameters::mode_choice::eRM_sequence::eRM_sequence(const eRM_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v76LogicalChannelParameters::mode_choice::eRM_sequence& v76LogicalChannelParameters::mode_choice::eRM_sequence::operator=(const eRM_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
v76LogicalChannelParameters::mode_choice::eRM_sequence::~eRM_sequence() { reset(); }
asn::object* v76LogicalChannelParameters::mode_choice::eRM_sequence::create() { return new eRM_sequence; }

// v76LogicalChannelParameters::mode_choice
static const asn::alternativeEntry v76LogicalChannelParameters_mode_choiceAlternatives[] = {
    asn::alternative<H245::v76LogicalChannelParameters::mode_choice::eRM_sequence>("ERM"),
    asn::alternative<asn::null>("UNERM"),
};
static const asn::tagTriple v76LogicalChannelParameters_mode_choiceAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}};
const asn::choiceDescriptor v76LogicalChannelParameters::mode_choice::descriptor = asn::choiceDescriptor::make(v76LogicalChannelParameters_mode_choiceAlternatives, 2, true, v76LogicalChannelParameters_mode_choiceAlternativeTags);
asn::object* v76LogicalChannelParameters::mode_choice::create() { return new mode_choice; }

// v76LogicalChannelParameters
static const asn::componentEntry v76LogicalChannelParametersComponents[] = {
    asn::mandatoryComponent<&v76LogicalChannelParameters::hdlcParameters>(offsetof(v76LogicalChannelParameters, hdlcParameters), "HdlcParameters"),
    asn::mandatoryComponent<&v76LogicalChannelParameters::suspendResume>(offsetof(v76LogicalChannelParameters, suspendResume), "SuspendResume"),
    asn::mandatoryComponent<&v76LogicalChannelParameters::uIH>(offsetof(v76LogicalChannelParameters, uIH), "UIH"),
    asn::mandatoryComponent<&v76LogicalChannelParameters::mode>(offsetof(v76LogicalChannelParameters, mode), "Mode"),
    asn::mandatoryComponent<&v76LogicalChannelParameters::v75Parameters>(offsetof(v76LogicalChannelParameters, v75Parameters), "V75Parameters"),
};
static const asn::tagTriple v76LogicalChannelParametersComponentTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 1, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor v76LogicalChannelParameters::descriptor = asn::sequenceDescriptor::make(v76LogicalChannelParametersComponents, 5, 0x0u, true, v76LogicalChannelParametersComponentTags);
v76LogicalChannelParameters::v76LogicalChannelParameters(const v76LogicalChannelParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v76LogicalChannelParameters& v76LogicalChannelParameters::operator=(const v76LogicalChannelParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
v76LogicalChannelParameters::~v76LogicalChannelParameters() { reset(); }
asn::object* v76LogicalChannelParameters::create() { return new v76LogicalChannelParameters; }

// h2250LogicalChannelParameters::mediaPacketization_choice
static const asn::alternativeEntry h2250LogicalChannelParameters_mediaPacketization_choiceAlternatives[] = {
    asn::alternative<asn::null>("H261aVideoPacketization"),
    asn::alternative<H245::rTPPayloadType>("RtpPayloadType"),
};
static const asn::tagTriple h2250LogicalChannelParameters_mediaPacketization_choiceAlternativeTags[] = {{0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor h2250LogicalChannelParameters::mediaPacketization_choice::descriptor = asn::choiceDescriptor::make(h2250LogicalChannelParameters_mediaPacketization_choiceAlternatives, 1, true, h2250LogicalChannelParameters_mediaPacketization_choiceAlternativeTags);
asn::object* h2250LogicalChannelParameters::mediaPacketization_choice::create() { return new mediaPacketization_choice; }

// h2250LogicalChannelParameters
static const asn::componentEntry h2250LogicalChannelParametersComponents[] = {
    asn::optionalComponent<&h2250LogicalChannelParameters::nonStandard>(offsetof(h2250LogicalChannelParameters, nonStandard), "NonStandard"),
    asn::mandatoryComponent<&h2250LogicalChannelParameters::sessionID>(offsetof(h2250LogicalChannelParameters, sessionID), "SessionID"),
    asn::optionalComponent<&h2250LogicalChannelParameters::associatedSessionID>(offsetof(h2250LogicalChannelParameters, associatedSessionID), "AssociatedSessionID"),
    asn::optionalComponent<&h2250LogicalChannelParameters::mediaChannel>(offsetof(h2250LogicalChannelParameters, mediaChannel), "MediaChannel"),
    asn::optionalComponent<&h2250LogicalChannelParameters::mediaGuaranteedDelivery>(offsetof(h2250LogicalChannelParameters, mediaGuaranteedDelivery), "MediaGuaranteedDelivery"),
    asn::optionalComponent<&h2250LogicalChannelParameters::mediaControlChannel>(offsetof(h2250LogicalChannelParameters, mediaControlChannel), "MediaControlChannel"),
    asn::optionalComponent<&h2250LogicalChannelParameters::mediaControlGuaranteedDelivery>(offsetof(h2250LogicalChannelParameters, mediaControlGuaranteedDelivery), "MediaControlGuaranteedDelivery"),
    asn::optionalComponent<&h2250LogicalChannelParameters::silenceSuppression>(offsetof(h2250LogicalChannelParameters, silenceSuppression), "SilenceSuppression"),
    asn::optionalComponent<&h2250LogicalChannelParameters::destination>(offsetof(h2250LogicalChannelParameters, destination), "Destination"),
    asn::optionalComponent<&h2250LogicalChannelParameters::dynamicRTPPayloadType>(offsetof(h2250LogicalChannelParameters, dynamicRTPPayloadType), "DynamicRTPPayloadType"),
    asn::optionalComponent<&h2250LogicalChannelParameters::mediaPacketization>(offsetof(h2250LogicalChannelParameters, mediaPacketization), "MediaPacketization"),
    asn::additionComponent<&h2250LogicalChannelParameters::transportCapability>(offsetof(h2250LogicalChannelParameters, transportCapability), "TransportCapability"),
    asn::additionComponent<&h2250LogicalChannelParameters::redundancyEncoding>(offsetof(h2250LogicalChannelParameters, redundancyEncoding), "RedundancyEncoding"),
    asn::additionComponent<&h2250LogicalChannelParameters::source>(offsetof(h2250LogicalChannelParameters, source), "Source"),
};
static const asn::tagTriple h2250LogicalChannelParametersComponentTags[] = {{0, 16, 0}, {0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 1, 0}, {0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor h2250LogicalChannelParameters::descriptor = asn::sequenceDescriptor::make(h2250LogicalChannelParametersComponents, 11, 0x7FDu, true, h2250LogicalChannelParametersComponentTags);
h2250LogicalChannelParameters::h2250LogicalChannelParameters(const h2250LogicalChannelParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h2250LogicalChannelParameters& h2250LogicalChannelParameters::operator=(const h2250LogicalChannelParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h2250LogicalChannelParameters::~h2250LogicalChannelParameters() { reset(); }
asn::object* h2250LogicalChannelParameters::create() { return new h2250LogicalChannelParameters; }

// rTPPayloadType::payloadDescriptor_choice
static const asn::alternativeEntry rTPPayloadType_payloadDescriptor_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandardIdentifier"),
    asn::alternative<asn::integer<1u, 32768u, 2>>("Rfc_number"),
    asn::alternative<asn::oid>("Oid"),
};
static const asn::tagTriple rTPPayloadType_payloadDescriptor_choiceAlternativeTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 6, 0}};
const asn::choiceDescriptor rTPPayloadType::payloadDescriptor_choice::descriptor = asn::choiceDescriptor::make(rTPPayloadType_payloadDescriptor_choiceAlternatives, 3, true, rTPPayloadType_payloadDescriptor_choiceAlternativeTags);
asn::object* rTPPayloadType::payloadDescriptor_choice::create() { return new payloadDescriptor_choice; }

// rTPPayloadType
static const asn::componentEntry rTPPayloadTypeComponents[] = {
    asn::mandatoryComponent<&rTPPayloadType::payloadDescriptor>(offsetof(rTPPayloadType, payloadDescriptor), "PayloadDescriptor"),
    asn::optionalComponent<&rTPPayloadType::payloadType>(offsetof(rTPPayloadType, payloadType), "PayloadType"),
};
static const asn::tagTriple rTPPayloadTypeComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor rTPPayloadType::descriptor = asn::sequenceDescriptor::make(rTPPayloadTypeComponents, 2, 0x2u, true, rTPPayloadTypeComponentTags);
rTPPayloadType::rTPPayloadType(const rTPPayloadType& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rTPPayloadType& rTPPayloadType::operator=(const rTPPayloadType& other) {
  if (this != &other) assign(other);
  return *this;
}
rTPPayloadType::~rTPPayloadType() { reset(); }
asn::object* rTPPayloadType::create() { return new rTPPayloadType; }

// redundancyEncoding::rtpRedundancyEncoding_sequence
static const asn::componentEntry redundancyEncoding_rtpRedundancyEncoding_sequenceComponents[] = {
    asn::optionalComponent<&redundancyEncoding::rtpRedundancyEncoding_sequence::primary>(offsetof(redundancyEncoding::rtpRedundancyEncoding_sequence, primary), "Primary"),
    asn::optionalComponent<&redundancyEncoding::rtpRedundancyEncoding_sequence::secondary>(offsetof(redundancyEncoding::rtpRedundancyEncoding_sequence, secondary), "Secondary"),
};
static const asn::tagTriple redundancyEncoding_rtpRedundancyEncoding_sequenceComponentTags[] = {{0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor redundancyEncoding::rtpRedundancyEncoding_sequence::descriptor = asn::sequenceDescriptor::make(redundancyEncoding_rtpRedundancyEncoding_sequenceComponents, 2, 0x3u, true, redundancyEncoding_rtpRedundancyEncoding_sequenceComponentTags);
redundancyEncoding::rtpRedundancyEncoding_sequence::rtpRedundancyEncoding_sequence(const rtpRedundancyEncoding_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncoding::rtpRedundancyEncoding_sequence& redundancyEncoding::rtpRedundancyEncoding_sequence::operator=(const rtpRedundancyEncoding_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncoding::rtpRedundancyEncoding_sequence::~rtpRedundancyEncoding_sequence() { reset(); }
asn::object* redundancyEncoding::rtpRedundancyEncoding_sequence::create() { return new rtpRedundancyEncoding_sequence; }

// redundancyEncoding
static const asn::componentEntry redundancyEncodingComponents[] = {
    asn::mandatoryComponent<&redundancyEncoding::redundancyEncodingMethod>(offsetof(redundancyEncoding, redundancyEncodingMethod), "RedundancyEncodingMethod"),
    asn::optionalComponent<&redundancyEncoding::secondaryEncoding>(offsetof(redundancyEncoding, secondaryEncoding), "SecondaryEncoding"),
    asn::additionComponent<&redundancyEncoding::rtpRedundancyEncoding>(offsetof(redundancyEncoding, rtpRedundancyEncoding), "RtpRedundancyEncoding"),
};
static const asn::tagTriple redundancyEncodingComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor redundancyEncoding::descriptor = asn::sequenceDescriptor::make(redundancyEncodingComponents, 2, 0x2u, true, redundancyEncodingComponentTags);
redundancyEncoding::redundancyEncoding(const redundancyEncoding& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncoding& redundancyEncoding::operator=(const redundancyEncoding& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncoding::~redundancyEncoding() { reset(); }
asn::object* redundancyEncoding::create() { return new redundancyEncoding; }

// redundancyEncodingElement
static const asn::componentEntry redundancyEncodingElementComponents[] = {
    asn::mandatoryComponent<&redundancyEncodingElement::dataType>(offsetof(redundancyEncodingElement, dataType), "DataType"),
    asn::optionalComponent<&redundancyEncodingElement::payloadType>(offsetof(redundancyEncodingElement, payloadType), "PayloadType"),
};
static const asn::tagTriple redundancyEncodingElementComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor redundancyEncodingElement::descriptor = asn::sequenceDescriptor::make(redundancyEncodingElementComponents, 2, 0x2u, true, redundancyEncodingElementComponentTags);
redundancyEncodingElement::redundancyEncodingElement(const redundancyEncodingElement& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncodingElement& redundancyEncodingElement::operator=(const redundancyEncodingElement& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncodingElement::~redundancyEncodingElement() { reset(); }
asn::object* redundancyEncodingElement::create() { return new redundancyEncodingElement; }

// multiplePayloadStreamElement
static const asn::componentEntry multiplePayloadStreamElementComponents[] = {
    asn::mandatoryComponent<&multiplePayloadStreamElement::dataType>(offsetof(multiplePayloadStreamElement, dataType), "DataType"),
    asn::optionalComponent<&multiplePayloadStreamElement::payloadType>(offsetof(multiplePayloadStreamElement, payloadType), "PayloadType"),
};
static const asn::tagTriple multiplePayloadStreamElementComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor multiplePayloadStreamElement::descriptor = asn::sequenceDescriptor::make(multiplePayloadStreamElementComponents, 2, 0x2u, true, multiplePayloadStreamElementComponentTags);
multiplePayloadStreamElement::multiplePayloadStreamElement(const multiplePayloadStreamElement& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplePayloadStreamElement& multiplePayloadStreamElement::operator=(const multiplePayloadStreamElement& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplePayloadStreamElement::~multiplePayloadStreamElement() { reset(); }
asn::object* multiplePayloadStreamElement::create() { return new multiplePayloadStreamElement; }

// multiplePayloadStream
static const asn::componentEntry multiplePayloadStreamComponents[] = {
    asn::mandatoryComponent<&multiplePayloadStream::elements>(offsetof(multiplePayloadStream, elements), "Elements"),
};
static const asn::tagTriple multiplePayloadStreamComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor multiplePayloadStream::descriptor = asn::sequenceDescriptor::make(multiplePayloadStreamComponents, 1, 0x0u, true, multiplePayloadStreamComponentTags);
multiplePayloadStream::multiplePayloadStream(const multiplePayloadStream& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplePayloadStream& multiplePayloadStream::operator=(const multiplePayloadStream& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplePayloadStream::~multiplePayloadStream() { reset(); }
asn::object* multiplePayloadStream::create() { return new multiplePayloadStream; }

// depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence
static const asn::componentEntry depFECData_rfc2733_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::protectedSessionID>(offsetof(depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence, protectedSessionID), "ProtectedSessionID"),
    asn::optionalComponent<&depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::protectedPayloadType>(offsetof(depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence, protectedPayloadType), "ProtectedPayloadType"),
};
static const asn::tagTriple depFECData_rfc2733_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::descriptor = asn::sequenceDescriptor::make(depFECData_rfc2733_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponents, 2, 0x2u, true, depFECData_rfc2733_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponentTags);
depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::differentPort_sequence(const differentPort_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence& depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::operator=(const differentPort_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::~differentPort_sequence() { reset(); }
asn::object* depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence::create() { return new differentPort_sequence; }

// depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence
static const asn::componentEntry depFECData_rfc2733_sequence_mode_choice_separateStream_choice_samePort_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence::protectedPayloadType>(offsetof(depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence, protectedPayloadType), "ProtectedPayloadType"),
};
static const asn::tagTriple depFECData_rfc2733_sequence_mode_choice_separateStream_choice_samePort_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence::descriptor = asn::sequenceDescriptor::make(depFECData_rfc2733_sequence_mode_choice_separateStream_choice_samePort_sequenceComponents, 1, 0x0u, true, depFECData_rfc2733_sequence_mode_choice_separateStream_choice_samePort_sequenceComponentTags);
depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence::samePort_sequence(const samePort_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence& depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence::operator=(const samePort_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence::~samePort_sequence() { reset(); }
asn::object* depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence::create() { return new samePort_sequence; }

// depFECData::rfc2733_sequence::mode_choice::separateStream_choice
static const asn::alternativeEntry depFECData_rfc2733_sequence_mode_choice_separateStream_choiceAlternatives[] = {
    asn::alternative<H245::depFECData::rfc2733_sequence::mode_choice::separateStream_choice::differentPort_sequence>("DifferentPort"),
    asn::alternative<H245::depFECData::rfc2733_sequence::mode_choice::separateStream_choice::samePort_sequence>("SamePort"),
};
static const asn::tagTriple depFECData_rfc2733_sequence_mode_choice_separateStream_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor depFECData::rfc2733_sequence::mode_choice::separateStream_choice::descriptor = asn::choiceDescriptor::make(depFECData_rfc2733_sequence_mode_choice_separateStream_choiceAlternatives, 2, true, depFECData_rfc2733_sequence_mode_choice_separateStream_choiceAlternativeTags);
asn::object* depFECData::rfc2733_sequence::mode_choice::separateStream_choice::create() { return new separateStream_choice; }

// depFECData::rfc2733_sequence::mode_choice
static const asn::alternativeEntry depFECData_rfc2733_sequence_mode_choiceAlternatives[] = {
    asn::alternative<asn::null>("RedundancyEncoding"),
    asn::alternative<H245::depFECData::rfc2733_sequence::mode_choice::separateStream_choice>("SeparateStream"),
};
static const asn::tagTriple depFECData_rfc2733_sequence_mode_choiceAlternativeTags[] = {{0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor depFECData::rfc2733_sequence::mode_choice::descriptor = asn::choiceDescriptor::make(depFECData_rfc2733_sequence_mode_choiceAlternatives, 2, true, depFECData_rfc2733_sequence_mode_choiceAlternativeTags);
asn::object* depFECData::rfc2733_sequence::mode_choice::create() { return new mode_choice; }

// depFECData::rfc2733_sequence
static const asn::componentEntry depFECData_rfc2733_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECData::rfc2733_sequence::mode>(offsetof(depFECData::rfc2733_sequence, mode), "Mode"),
};
static const asn::tagTriple depFECData_rfc2733_sequenceComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor depFECData::rfc2733_sequence::descriptor = asn::sequenceDescriptor::make(depFECData_rfc2733_sequenceComponents, 1, 0x0u, true, depFECData_rfc2733_sequenceComponentTags);
depFECData::rfc2733_sequence::rfc2733_sequence(const rfc2733_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECData::rfc2733_sequence& depFECData::rfc2733_sequence::operator=(const rfc2733_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECData::rfc2733_sequence::~rfc2733_sequence() { reset(); }
asn::object* depFECData::rfc2733_sequence::create() { return new rfc2733_sequence; }

// depFECData
static const asn::alternativeEntry depFECDataAlternatives[] = {
    asn::alternative<H245::depFECData::rfc2733_sequence>("Rfc2733"),
};
static const asn::tagTriple depFECDataAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor depFECData::descriptor = asn::choiceDescriptor::make(depFECDataAlternatives, 1, false, depFECDataAlternativeTags);
asn::object* depFECData::create() { return new depFECData; }

// fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence
const asn::sequenceDescriptor fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence::rfc2733sameport_sequence(const rfc2733sameport_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence& fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence::operator=(const rfc2733sameport_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence::~rfc2733sameport_sequence() { reset(); }
asn::object* fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence::create() { return new rfc2733sameport_sequence; }

// fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence
static const asn::componentEntry fECData_rfc2733_sequence_pktMode_choice_rfc2733diffport_sequenceComponents[] = {
    asn::mandatoryComponent<&fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence::protectedChannel>(offsetof(fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence, protectedChannel), "ProtectedChannel"),
};
static const asn::tagTriple fECData_rfc2733_sequence_pktMode_choice_rfc2733diffport_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence::descriptor = asn::sequenceDescriptor::make(fECData_rfc2733_sequence_pktMode_choice_rfc2733diffport_sequenceComponents, 1, 0x0u, true, fECData_rfc2733_sequence_pktMode_choice_rfc2733diffport_sequenceComponentTags);
fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence::rfc2733diffport_sequence(const rfc2733diffport_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence& fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence::operator=(const rfc2733diffport_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence::~rfc2733diffport_sequence() { reset(); }
asn::object* fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence::create() { return new rfc2733diffport_sequence; }

// fECData::rfc2733_sequence::pktMode_choice
static const asn::alternativeEntry fECData_rfc2733_sequence_pktMode_choiceAlternatives[] = {
    asn::alternative<asn::null>("Rfc2198coding"),
    asn::alternative<H245::fECData::rfc2733_sequence::pktMode_choice::rfc2733sameport_sequence>("Rfc2733sameport"),
    asn::alternative<H245::fECData::rfc2733_sequence::pktMode_choice::rfc2733diffport_sequence>("Rfc2733diffport"),
};
static const asn::tagTriple fECData_rfc2733_sequence_pktMode_choiceAlternativeTags[] = {{0, 5, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor fECData::rfc2733_sequence::pktMode_choice::descriptor = asn::choiceDescriptor::make(fECData_rfc2733_sequence_pktMode_choiceAlternatives, 3, true, fECData_rfc2733_sequence_pktMode_choiceAlternativeTags);
asn::object* fECData::rfc2733_sequence::pktMode_choice::create() { return new pktMode_choice; }

// fECData::rfc2733_sequence
static const asn::componentEntry fECData_rfc2733_sequenceComponents[] = {
    asn::mandatoryComponent<&fECData::rfc2733_sequence::protectedPayloadType>(offsetof(fECData::rfc2733_sequence, protectedPayloadType), "ProtectedPayloadType"),
    asn::optionalComponent<&fECData::rfc2733_sequence::fecScheme>(offsetof(fECData::rfc2733_sequence, fecScheme), "FecScheme"),
    asn::mandatoryComponent<&fECData::rfc2733_sequence::pktMode>(offsetof(fECData::rfc2733_sequence, pktMode), "PktMode"),
};
static const asn::tagTriple fECData_rfc2733_sequenceComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 0, 0}};
const asn::sequenceDescriptor fECData::rfc2733_sequence::descriptor = asn::sequenceDescriptor::make(fECData_rfc2733_sequenceComponents, 3, 0x2u, true, fECData_rfc2733_sequenceComponentTags);
fECData::rfc2733_sequence::rfc2733_sequence(const rfc2733_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
fECData::rfc2733_sequence& fECData::rfc2733_sequence::operator=(const rfc2733_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
fECData::rfc2733_sequence::~rfc2733_sequence() { reset(); }
asn::object* fECData::rfc2733_sequence::create() { return new rfc2733_sequence; }

// fECData
static const asn::alternativeEntry fECDataAlternatives[] = {
    asn::alternative<H245::fECData::rfc2733_sequence>("Rfc2733"),
};
static const asn::tagTriple fECDataAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor fECData::descriptor = asn::choiceDescriptor::make(fECDataAlternatives, 1, true, fECDataAlternativeTags);
asn::object* fECData::create() { return new fECData; }

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
    asn::mandatoryComponent<&unicastAddress::iPAddress_sequence::network>(offsetof(unicastAddress::iPAddress_sequence, network), "Network"),
    asn::mandatoryComponent<&unicastAddress::iPAddress_sequence::tsapIdentifier>(offsetof(unicastAddress::iPAddress_sequence, tsapIdentifier), "TsapIdentifier"),
};
static const asn::tagTriple unicastAddress_iPAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor unicastAddress::iPAddress_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iPAddress_sequenceComponents, 2, 0x0u, true, unicastAddress_iPAddress_sequenceComponentTags);
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
    asn::mandatoryComponent<&unicastAddress::iPXAddress_sequence::node>(offsetof(unicastAddress::iPXAddress_sequence, node), "Node"),
    asn::mandatoryComponent<&unicastAddress::iPXAddress_sequence::netnum>(offsetof(unicastAddress::iPXAddress_sequence, netnum), "Netnum"),
    asn::mandatoryComponent<&unicastAddress::iPXAddress_sequence::tsapIdentifier>(offsetof(unicastAddress::iPXAddress_sequence, tsapIdentifier), "TsapIdentifier"),
};
static const asn::tagTriple unicastAddress_iPXAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor unicastAddress::iPXAddress_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iPXAddress_sequenceComponents, 3, 0x0u, true, unicastAddress_iPXAddress_sequenceComponentTags);
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
    asn::mandatoryComponent<&unicastAddress::iP6Address_sequence::network>(offsetof(unicastAddress::iP6Address_sequence, network), "Network"),
    asn::mandatoryComponent<&unicastAddress::iP6Address_sequence::tsapIdentifier>(offsetof(unicastAddress::iP6Address_sequence, tsapIdentifier), "TsapIdentifier"),
};
static const asn::tagTriple unicastAddress_iP6Address_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor unicastAddress::iP6Address_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iP6Address_sequenceComponents, 2, 0x0u, true, unicastAddress_iP6Address_sequenceComponentTags);
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
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::routing>(offsetof(unicastAddress::iPSourceRouteAddress_sequence, routing), "Routing"),
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::network>(offsetof(unicastAddress::iPSourceRouteAddress_sequence, network), "Network"),
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::tsapIdentifier>(offsetof(unicastAddress::iPSourceRouteAddress_sequence, tsapIdentifier), "TsapIdentifier"),
    asn::mandatoryComponent<&unicastAddress::iPSourceRouteAddress_sequence::route>(offsetof(unicastAddress::iPSourceRouteAddress_sequence, route), "Route"),
};
static const asn::tagTriple unicastAddress_iPSourceRouteAddress_sequenceComponentTags[] = {{0, 0, 0}, {0, 4, 0}, {0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor unicastAddress::iPSourceRouteAddress_sequence::descriptor = asn::sequenceDescriptor::make(unicastAddress_iPSourceRouteAddress_sequenceComponents, 4, 0x0u, true, unicastAddress_iPSourceRouteAddress_sequenceComponentTags);
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
    asn::mandatoryComponent<&multicastAddress::iPAddress_sequence::network>(offsetof(multicastAddress::iPAddress_sequence, network), "Network"),
    asn::mandatoryComponent<&multicastAddress::iPAddress_sequence::tsapIdentifier>(offsetof(multicastAddress::iPAddress_sequence, tsapIdentifier), "TsapIdentifier"),
};
static const asn::tagTriple multicastAddress_iPAddress_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor multicastAddress::iPAddress_sequence::descriptor = asn::sequenceDescriptor::make(multicastAddress_iPAddress_sequenceComponents, 2, 0x0u, true, multicastAddress_iPAddress_sequenceComponentTags);
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
    asn::mandatoryComponent<&multicastAddress::iP6Address_sequence::network>(offsetof(multicastAddress::iP6Address_sequence, network), "Network"),
    asn::mandatoryComponent<&multicastAddress::iP6Address_sequence::tsapIdentifier>(offsetof(multicastAddress::iP6Address_sequence, tsapIdentifier), "TsapIdentifier"),
};
static const asn::tagTriple multicastAddress_iP6Address_sequenceComponentTags[] = {{0, 4, 0}, {0, 2, 0}};
const asn::sequenceDescriptor multicastAddress::iP6Address_sequence::descriptor = asn::sequenceDescriptor::make(multicastAddress_iP6Address_sequenceComponents, 2, 0x0u, true, multicastAddress_iP6Address_sequenceComponentTags);
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

// encryptionSync
static const asn::componentEntry encryptionSyncComponents[] = {
    asn::optionalComponent<&encryptionSync::nonStandard>(offsetof(encryptionSync, nonStandard), "NonStandard"),
    asn::mandatoryComponent<&encryptionSync::synchFlag>(offsetof(encryptionSync, synchFlag), "SynchFlag"),
    asn::mandatoryComponent<&encryptionSync::h235Key>(offsetof(encryptionSync, h235Key), "H235Key"),
    asn::optionalComponent<&encryptionSync::escrowentry>(offsetof(encryptionSync, escrowentry), "Escrowentry"),
    asn::additionComponent<&encryptionSync::genericParameter>(offsetof(encryptionSync, genericParameter), "GenericParameter"),
};
static const asn::tagTriple encryptionSyncComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 4, 0}, {0, 16, 0}, {0, 16, 1}};
const asn::sequenceDescriptor encryptionSync::descriptor = asn::sequenceDescriptor::make(encryptionSyncComponents, 4, 0x9u, true, encryptionSyncComponentTags);
encryptionSync::encryptionSync(const encryptionSync& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
encryptionSync& encryptionSync::operator=(const encryptionSync& other) {
  if (this != &other) assign(other);
  return *this;
}
encryptionSync::~encryptionSync() { reset(); }
asn::object* encryptionSync::create() { return new encryptionSync; }

// escrowData
static const asn::componentEntry escrowDataComponents[] = {
    asn::mandatoryComponent<&escrowData::escrowID>(offsetof(escrowData, escrowID), "EscrowID"),
    asn::mandatoryComponent<&escrowData::escrowValue>(offsetof(escrowData, escrowValue), "EscrowValue"),
};
static const asn::tagTriple escrowDataComponentTags[] = {{0, 6, 0}, {0, 3, 0}};
const asn::sequenceDescriptor escrowData::descriptor = asn::sequenceDescriptor::make(escrowDataComponents, 2, 0x0u, true, escrowDataComponentTags);
escrowData::escrowData(const escrowData& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
escrowData& escrowData::operator=(const escrowData& other) {
  if (this != &other) assign(other);
  return *this;
}
escrowData::~escrowData() { reset(); }
asn::object* escrowData::create() { return new escrowData; }

// openLogicalChannelAck::reverseLogicalChannelParameters_sequence::multiplexParameters_choice
static const asn::alternativeEntry openLogicalChannelAck_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternatives[] = {
    asn::alternative<H245::h222LogicalChannelParameters>("H222LogicalChannelParameters"),
    asn::alternative<H245::h2250LogicalChannelParameters>("H2250LogicalChannelParameters"),
};
static const asn::tagTriple openLogicalChannelAck_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor openLogicalChannelAck::reverseLogicalChannelParameters_sequence::multiplexParameters_choice::descriptor = asn::choiceDescriptor::make(openLogicalChannelAck_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternatives, 1, true, openLogicalChannelAck_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternativeTags);
asn::object* openLogicalChannelAck::reverseLogicalChannelParameters_sequence::multiplexParameters_choice::create() { return new multiplexParameters_choice; }

// openLogicalChannelAck::reverseLogicalChannelParameters_sequence
static const asn::componentEntry openLogicalChannelAck_reverseLogicalChannelParameters_sequenceComponents[] = {
    asn::mandatoryComponent<&openLogicalChannelAck::reverseLogicalChannelParameters_sequence::reverseLogicalChannelNumber>(offsetof(openLogicalChannelAck::reverseLogicalChannelParameters_sequence, reverseLogicalChannelNumber), "ReverseLogicalChannelNumber"),
    asn::optionalComponent<&openLogicalChannelAck::reverseLogicalChannelParameters_sequence::portNumber>(offsetof(openLogicalChannelAck::reverseLogicalChannelParameters_sequence, portNumber), "PortNumber"),
    asn::optionalComponent<&openLogicalChannelAck::reverseLogicalChannelParameters_sequence::multiplexParameters>(offsetof(openLogicalChannelAck::reverseLogicalChannelParameters_sequence, multiplexParameters), "MultiplexParameters"),
    asn::additionComponent<&openLogicalChannelAck::reverseLogicalChannelParameters_sequence::replacementFor>(offsetof(openLogicalChannelAck::reverseLogicalChannelParameters_sequence, replacementFor), "ReplacementFor"),
};
static const asn::tagTriple openLogicalChannelAck_reverseLogicalChannelParameters_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor openLogicalChannelAck::reverseLogicalChannelParameters_sequence::descriptor = asn::sequenceDescriptor::make(openLogicalChannelAck_reverseLogicalChannelParameters_sequenceComponents, 3, 0x6u, true, openLogicalChannelAck_reverseLogicalChannelParameters_sequenceComponentTags);
openLogicalChannelAck::reverseLogicalChannelParameters_sequence::reverseLogicalChannelParameters_sequence(const reverseLogicalChannelParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannelAck::reverseLogicalChannelParameters_sequence& openLogicalChannelAck::reverseLogicalChannelParameters_sequence::operator=(const reverseLogicalChannelParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannelAck::reverseLogicalChannelParameters_sequence::~reverseLogicalChannelParameters_sequence() { reset(); }
asn::object* openLogicalChannelAck::reverseLogicalChannelParameters_sequence::create() { return new reverseLogicalChannelParameters_sequence; }

// openLogicalChannelAck::forwardMultiplexAckParameters_choice
static const asn::alternativeEntry openLogicalChannelAck_forwardMultiplexAckParameters_choiceAlternatives[] = {
    asn::alternative<H245::h2250LogicalChannelAckParameters>("H2250LogicalChannelAckParameters"),
};
static const asn::tagTriple openLogicalChannelAck_forwardMultiplexAckParameters_choiceAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor openLogicalChannelAck::forwardMultiplexAckParameters_choice::descriptor = asn::choiceDescriptor::make(openLogicalChannelAck_forwardMultiplexAckParameters_choiceAlternatives, 1, true, openLogicalChannelAck_forwardMultiplexAckParameters_choiceAlternativeTags);
asn::object* openLogicalChannelAck::forwardMultiplexAckParameters_choice::create() { return new forwardMultiplexAckParameters_choice; }

// openLogicalChannelAck
static const asn::componentEntry openLogicalChannelAckComponents[] = {
    asn::mandatoryComponent<&openLogicalChannelAck::forwardLogicalChannelNumber>(offsetof(openLogicalChannelAck, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::optionalComponent<&openLogicalChannelAck::reverseLogicalChannelParameters>(offsetof(openLogicalChannelAck, reverseLogicalChannelParameters), "ReverseLogicalChannelParameters"),
    asn::additionComponent<&openLogicalChannelAck::separateStack>(offsetof(openLogicalChannelAck, separateStack), "SeparateStack"),
    asn::additionComponent<&openLogicalChannelAck::forwardMultiplexAckParameters>(offsetof(openLogicalChannelAck, forwardMultiplexAckParameters), "ForwardMultiplexAckParameters"),
    asn::additionComponent<&openLogicalChannelAck::encryptionSync>(offsetof(openLogicalChannelAck, encryptionSync), "EncryptionSync"),
    asn::additionComponent<&openLogicalChannelAck::genericInformation>(offsetof(openLogicalChannelAck, genericInformation), "GenericInformation"),
};
static const asn::tagTriple openLogicalChannelAckComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor openLogicalChannelAck::descriptor = asn::sequenceDescriptor::make(openLogicalChannelAckComponents, 2, 0x2u, true, openLogicalChannelAckComponentTags);
openLogicalChannelAck::openLogicalChannelAck(const openLogicalChannelAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannelAck& openLogicalChannelAck::operator=(const openLogicalChannelAck& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannelAck::~openLogicalChannelAck() { reset(); }
asn::object* openLogicalChannelAck::create() { return new openLogicalChannelAck; }

// openLogicalChannelReject::cause_choice
static const asn::alternativeEntry openLogicalChannelReject_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unspecified"),
    asn::alternative<asn::null>("UnsuitableReverseParameters"),
    asn::alternative<asn::null>("DataTypeNotSupported"),
    asn::alternative<asn::null>("DataTypeNotAvailable"),
    asn::alternative<asn::null>("UnknownDataType"),
    asn::alternative<asn::null>("DataTypeALCombinationNotSupported"),
    asn::alternative<asn::null>("MulticastChannelNotAllowed"),
    asn::alternative<asn::null>("InsufficientBandwidth"),
    asn::alternative<asn::null>("SeparateStackEstablishmentFailed"),
    asn::alternative<asn::null>("InvalidSessionID"),
    asn::alternative<asn::null>("MasterSlaveConflict"),
    asn::alternative<asn::null>("WaitForCommunicationMode"),
    asn::alternative<asn::null>("InvalidDependentChannel"),
    asn::alternative<asn::null>("ReplacementForRejected"),
    asn::alternative<asn::null>("SecurityDenied"),
    asn::alternative<asn::null>("QoSControlNotSupported"),
};
static const asn::tagTriple openLogicalChannelReject_cause_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor openLogicalChannelReject::cause_choice::descriptor = asn::choiceDescriptor::make(openLogicalChannelReject_cause_choiceAlternatives, 6, true, openLogicalChannelReject_cause_choiceAlternativeTags);
asn::object* openLogicalChannelReject::cause_choice::create() { return new cause_choice; }

// openLogicalChannelReject
static const asn::componentEntry openLogicalChannelRejectComponents[] = {
    asn::mandatoryComponent<&openLogicalChannelReject::forwardLogicalChannelNumber>(offsetof(openLogicalChannelReject, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::mandatoryComponent<&openLogicalChannelReject::cause>(offsetof(openLogicalChannelReject, cause), "Cause"),
    asn::additionComponent<&openLogicalChannelReject::genericInformation>(offsetof(openLogicalChannelReject, genericInformation), "GenericInformation"),
};
static const asn::tagTriple openLogicalChannelRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 0}};
const asn::sequenceDescriptor openLogicalChannelReject::descriptor = asn::sequenceDescriptor::make(openLogicalChannelRejectComponents, 2, 0x0u, true, openLogicalChannelRejectComponentTags);
openLogicalChannelReject::openLogicalChannelReject(const openLogicalChannelReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannelReject& openLogicalChannelReject::operator=(const openLogicalChannelReject& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannelReject::~openLogicalChannelReject() { reset(); }
asn::object* openLogicalChannelReject::create() { return new openLogicalChannelReject; }

// openLogicalChannelConfirm
static const asn::componentEntry openLogicalChannelConfirmComponents[] = {
    asn::mandatoryComponent<&openLogicalChannelConfirm::forwardLogicalChannelNumber>(offsetof(openLogicalChannelConfirm, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::additionComponent<&openLogicalChannelConfirm::genericInformation>(offsetof(openLogicalChannelConfirm, genericInformation), "GenericInformation"),
};
static const asn::tagTriple openLogicalChannelConfirmComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor openLogicalChannelConfirm::descriptor = asn::sequenceDescriptor::make(openLogicalChannelConfirmComponents, 1, 0x0u, true, openLogicalChannelConfirmComponentTags);
openLogicalChannelConfirm::openLogicalChannelConfirm(const openLogicalChannelConfirm& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannelConfirm& openLogicalChannelConfirm::operator=(const openLogicalChannelConfirm& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannelConfirm::~openLogicalChannelConfirm() { reset(); }
asn::object* openLogicalChannelConfirm::create() { return new openLogicalChannelConfirm; }

// h2250LogicalChannelAckParameters
static const asn::componentEntry h2250LogicalChannelAckParametersComponents[] = {
    asn::optionalComponent<&h2250LogicalChannelAckParameters::nonStandard>(offsetof(h2250LogicalChannelAckParameters, nonStandard), "NonStandard"),
    asn::optionalComponent<&h2250LogicalChannelAckParameters::sessionID>(offsetof(h2250LogicalChannelAckParameters, sessionID), "SessionID"),
    asn::optionalComponent<&h2250LogicalChannelAckParameters::mediaChannel>(offsetof(h2250LogicalChannelAckParameters, mediaChannel), "MediaChannel"),
    asn::optionalComponent<&h2250LogicalChannelAckParameters::mediaControlChannel>(offsetof(h2250LogicalChannelAckParameters, mediaControlChannel), "MediaControlChannel"),
    asn::optionalComponent<&h2250LogicalChannelAckParameters::dynamicRTPPayloadType>(offsetof(h2250LogicalChannelAckParameters, dynamicRTPPayloadType), "DynamicRTPPayloadType"),
    asn::additionComponent<&h2250LogicalChannelAckParameters::flowControlToZero>(offsetof(h2250LogicalChannelAckParameters, flowControlToZero), "FlowControlToZero"),
    asn::additionComponent<&h2250LogicalChannelAckParameters::portNumber>(offsetof(h2250LogicalChannelAckParameters, portNumber), "PortNumber"),
};
static const asn::tagTriple h2250LogicalChannelAckParametersComponentTags[] = {{0, 16, 0}, {0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 2, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h2250LogicalChannelAckParameters::descriptor = asn::sequenceDescriptor::make(h2250LogicalChannelAckParametersComponents, 5, 0x1Fu, true, h2250LogicalChannelAckParametersComponentTags);
h2250LogicalChannelAckParameters::h2250LogicalChannelAckParameters(const h2250LogicalChannelAckParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h2250LogicalChannelAckParameters& h2250LogicalChannelAckParameters::operator=(const h2250LogicalChannelAckParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h2250LogicalChannelAckParameters::~h2250LogicalChannelAckParameters() { reset(); }
asn::object* h2250LogicalChannelAckParameters::create() { return new h2250LogicalChannelAckParameters; }

}  // namespace H245
