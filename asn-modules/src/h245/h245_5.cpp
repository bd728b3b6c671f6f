// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H245 {

// g7231AnnexCMode::g723AnnexCAudioMode_sequence
static const asn::componentEntry g7231AnnexCMode_g723AnnexCAudioMode_sequenceComponents[] = {
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode_sequence::highRateMode0>(offsetof(g7231AnnexCMode::g723AnnexCAudioMode_sequence, highRateMode0), "HighRateMode0"),
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode_sequence::highRateMode1>(offsetof(g7231AnnexCMode::g723AnnexCAudioMode_sequence, highRateMode1), "HighRateMode1"),
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode_sequence::lowRateMode0>(offsetof(g7231AnnexCMode::g723AnnexCAudioMode_sequence, lowRateMode0), "LowRateMode0"),
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode_sequence::lowRateMode1>(offsetof(g7231AnnexCMode::g723AnnexCAudioMode_sequence, lowRateMode1), "LowRateMode1"),
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode_sequence::sidMode0>(offsetof(g7231AnnexCMode::g723AnnexCAudioMode_sequence, sidMode0), "SidMode0"),
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode_sequence::sidMode1>(offsetof(g7231AnnexCMode::g723AnnexCAudioMode_sequence, sidMode1), "SidMode1"),
};
static const asn::tagTriple g7231AnnexCMode_g723AnnexCAudioMode_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor g7231AnnexCMode::g723AnnexCAudioMode_sequence::descriptor = asn::sequenceDescriptor::make(g7231AnnexCMode_g723AnnexCAudioMode_sequenceComponents, 6, 0x0u, true, g7231AnnexCMode_g723AnnexCAudioMode_sequenceComponentTags);
g7231AnnexCMode::g723AnnexCAudioMode_sequence::g723AnnexCAudioMode_sequence(const g723AnnexCAudioMode_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
g7231AnnexCMode::g723AnnexCAudioMode_sequence& g7231AnnexCMode::g723AnnexCAudioMode_sequence::operator=(const g723AnnexCAudioMode_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
g7231AnnexCMode::g723AnnexCAudioMode_sequence::~g723AnnexCAudioMode_sequence() { reset(); }
asn::object* g7231AnnexCMode::g723AnnexCAudioMode_sequence::create() { return new g723AnnexCAudioMode_sequence; }

// g7231AnnexCMode
static const asn::componentEntry g7231AnnexCModeComponents[] = {
    asn::mandatoryComponent<&g7231AnnexCMode::maxAl_sduAudioFrames>(offsetof(g7231AnnexCMode, maxAl_sduAudioFrames), "MaxAl_sduAudioFrames"),
    asn::mandatoryComponent<&g7231AnnexCMode::silenceSuppression>(offsetof(g7231AnnexCMode, silenceSuppression), "SilenceSuppression"),
    asn::mandatoryComponent<&g7231AnnexCMode::g723AnnexCAudioMode>(offsetof(g7231AnnexCMode, g723AnnexCAudioMode), "G723AnnexCAudioMode"),
};
static const asn::tagTriple g7231AnnexCModeComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor g7231AnnexCMode::descriptor = asn::sequenceDescriptor::make(g7231AnnexCModeComponents, 3, 0x0u, true, g7231AnnexCModeComponentTags);
g7231AnnexCMode::g7231AnnexCMode(const g7231AnnexCMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
g7231AnnexCMode& g7231AnnexCMode::operator=(const g7231AnnexCMode& other) {
  if (this != &other) assign(other);
  return *this;
}
g7231AnnexCMode::~g7231AnnexCMode() { reset(); }
asn::object* g7231AnnexCMode::create() { return new g7231AnnexCMode; }

// vBDMode
static const asn::componentEntry vBDModeComponents[] = {
    asn::mandatoryComponent<&vBDMode::type>(offsetof(vBDMode, type), "Type"),
};
static const asn::tagTriple vBDModeComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor vBDMode::descriptor = asn::sequenceDescriptor::make(vBDModeComponents, 1, 0x0u, true, vBDModeComponentTags);
vBDMode::vBDMode(const vBDMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vBDMode& vBDMode::operator=(const vBDMode& other) {
  if (this != &other) assign(other);
  return *this;
}
vBDMode::~vBDMode() { reset(); }
asn::object* vBDMode::create() { return new vBDMode; }

// dataMode::application_choice::nlpid_sequence
static const asn::componentEntry dataMode_application_choice_nlpid_sequenceComponents[] = {
    asn::mandatoryComponent<&dataMode::application_choice::nlpid_sequence::nlpidProtocol>(offsetof(dataMode::application_choice::nlpid_sequence, nlpidProtocol), "NlpidProtocol"),
    asn::mandatoryComponent<&dataMode::application_choice::nlpid_sequence::nlpidData>(offsetof(dataMode::application_choice::nlpid_sequence, nlpidData), "NlpidData"),
};
static const asn::tagTriple dataMode_application_choice_nlpid_sequenceComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor dataMode::application_choice::nlpid_sequence::descriptor = asn::sequenceDescriptor::make(dataMode_application_choice_nlpid_sequenceComponents, 2, 0x0u, false, dataMode_application_choice_nlpid_sequenceComponentTags);
dataMode::application_choice::nlpid_sequence::nlpid_sequence(const nlpid_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataMode::application_choice::nlpid_sequence& dataMode::application_choice::nlpid_sequence::operator=(const nlpid_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
dataMode::application_choice::nlpid_sequence::~nlpid_sequence() { reset(); }
asn::object* dataMode::application_choice::nlpid_sequence::create() { return new nlpid_sequence; }

// dataMode::application_choice::t38fax_sequence
static const asn::componentEntry dataMode_application_choice_t38fax_sequenceComponents[] = {
    asn::mandatoryComponent<&dataMode::application_choice::t38fax_sequence::t38FaxProtocol>(offsetof(dataMode::application_choice::t38fax_sequence, t38FaxProtocol), "T38FaxProtocol"),
    asn::mandatoryComponent<&dataMode::application_choice::t38fax_sequence::t38FaxProfile>(offsetof(dataMode::application_choice::t38fax_sequence, t38FaxProfile), "T38FaxProfile"),
};
static const asn::tagTriple dataMode_application_choice_t38fax_sequenceComponentTags[] = {{0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor dataMode::application_choice::t38fax_sequence::descriptor = asn::sequenceDescriptor::make(dataMode_application_choice_t38fax_sequenceComponents, 2, 0x0u, false, dataMode_application_choice_t38fax_sequenceComponentTags);
dataMode::application_choice::t38fax_sequence::t38fax_sequence(const t38fax_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataMode::application_choice::t38fax_sequence& dataMode::application_choice::t38fax_sequence::operator=(const t38fax_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
dataMode::application_choice::t38fax_sequence::~t38fax_sequence() { reset(); }
asn::object* dataMode::application_choice::t38fax_sequence::create() { return new t38fax_sequence; }

// dataMode::application_choice
static const asn::alternativeEntry dataMode_application_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::dataProtocolCapability>("T120"),
    asn::alternative<H245::dataProtocolCapability>("Dsm_cc"),
    asn::alternative<H245::dataProtocolCapability>("UserData"),
    asn::alternative<H245::dataProtocolCapability>("T84"),
    asn::alternative<H245::dataProtocolCapability>("T434"),
    asn::alternative<H245::dataProtocolCapability>("H224"),
    asn::alternative<H245::dataMode::application_choice::nlpid_sequence>("Nlpid"),
    asn::alternative<asn::null>("DsvdControl"),
    asn::alternative<H245::dataProtocolCapability>("H222DataPartitioning"),
    asn::alternative<H245::dataProtocolCapability>("T30fax"),
    asn::alternative<H245::dataProtocolCapability>("T140"),
    asn::alternative<H245::dataMode::application_choice::t38fax_sequence>("T38fax"),
    asn::alternative<H245::genericCapability>("GenericDataMode"),
};
static const asn::tagTriple dataMode_application_choiceAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor dataMode::application_choice::descriptor = asn::choiceDescriptor::make(dataMode_application_choiceAlternatives, 10, true, dataMode_application_choiceAlternativeTags);
asn::object* dataMode::application_choice::create() { return new application_choice; }

// dataMode
static const asn::componentEntry dataModeComponents[] = {
    asn::mandatoryComponent<&dataMode::application>(offsetof(dataMode, application), "Application"),
    asn::mandatoryComponent<&dataMode::bitRate>(offsetof(dataMode, bitRate), "BitRate"),
};
static const asn::tagTriple dataModeComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor dataMode::descriptor = asn::sequenceDescriptor::make(dataModeComponents, 2, 0x0u, true, dataModeComponentTags);
dataMode::dataMode(const dataMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataMode& dataMode::operator=(const dataMode& other) {
  if (this != &other) assign(other);
  return *this;
}
dataMode::~dataMode() { reset(); }
asn::object* dataMode::create() { return new dataMode; }

// encryptionMode
static const asn::alternativeEntry encryptionModeAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("H233Encryption"),
};
static const asn::tagTriple encryptionModeAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}};
const asn::choiceDescriptor encryptionMode::descriptor = asn::choiceDescriptor::make(encryptionModeAlternatives, 2, true, encryptionModeAlternativeTags);
asn::object* encryptionMode::create() { return new encryptionMode; }

// roundTripDelayRequest
static const asn::componentEntry roundTripDelayRequestComponents[] = {
    asn::mandatoryComponent<&roundTripDelayRequest::sequenceNumber>(offsetof(roundTripDelayRequest, sequenceNumber), "SequenceNumber"),
};
static const asn::tagTriple roundTripDelayRequestComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor roundTripDelayRequest::descriptor = asn::sequenceDescriptor::make(roundTripDelayRequestComponents, 1, 0x0u, true, roundTripDelayRequestComponentTags);
roundTripDelayRequest::roundTripDelayRequest(const roundTripDelayRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
roundTripDelayRequest& roundTripDelayRequest::operator=(const roundTripDelayRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
roundTripDelayRequest::~roundTripDelayRequest() { reset(); }
asn::object* roundTripDelayRequest::create() { return new roundTripDelayRequest; }

// roundTripDelayResponse
static const asn::componentEntry roundTripDelayResponseComponents[] = {
    asn::mandatoryComponent<&roundTripDelayResponse::sequenceNumber>(offsetof(roundTripDelayResponse, sequenceNumber), "SequenceNumber"),
};
static const asn::tagTriple roundTripDelayResponseComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor roundTripDelayResponse::descriptor = asn::sequenceDescriptor::make(roundTripDelayResponseComponents, 1, 0x0u, true, roundTripDelayResponseComponentTags);
roundTripDelayResponse::roundTripDelayResponse(const roundTripDelayResponse& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
roundTripDelayResponse& roundTripDelayResponse::operator=(const roundTripDelayResponse& other) {
  if (this != &other) assign(other);
  return *this;
}
roundTripDelayResponse::~roundTripDelayResponse() { reset(); }
asn::object* roundTripDelayResponse::create() { return new roundTripDelayResponse; }

// maintenanceLoopRequest::type_choice
static const asn::alternativeEntry maintenanceLoopRequest_type_choiceAlternatives[] = {
    asn::alternative<asn::null>("SystemLoop"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("MediaLoop"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("LogicalChannelLoop"),
};
static const asn::tagTriple maintenanceLoopRequest_type_choiceAlternativeTags[] = {{0, 5, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::choiceDescriptor maintenanceLoopRequest::type_choice::descriptor = asn::choiceDescriptor::make(maintenanceLoopRequest_type_choiceAlternatives, 3, true, maintenanceLoopRequest_type_choiceAlternativeTags);
asn::object* maintenanceLoopRequest::type_choice::create() { return new type_choice; }

// maintenanceLoopRequest
static const asn::componentEntry maintenanceLoopRequestComponents[] = {
    asn::mandatoryComponent<&maintenanceLoopRequest::type>(offsetof(maintenanceLoopRequest, type), "Type"),
};
static const asn::tagTriple maintenanceLoopRequestComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor maintenanceLoopRequest::descriptor = asn::sequenceDescriptor::make(maintenanceLoopRequestComponents, 1, 0x0u, true, maintenanceLoopRequestComponentTags);
maintenanceLoopRequest::maintenanceLoopRequest(const maintenanceLoopRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
maintenanceLoopRequest& maintenanceLoopRequest::operator=(const maintenanceLoopRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
maintenanceLoopRequest::~maintenanceLoopRequest() { reset(); }
asn::object* maintenanceLoopRequest::create() { return new maintenanceLoopRequest; }

// maintenanceLoopAck::type_choice
static const asn::alternativeEntry maintenanceLoopAck_type_choiceAlternatives[] = {
    asn::alternative<asn::null>("SystemLoop"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("MediaLoop"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("LogicalChannelLoop"),
};
static const asn::tagTriple maintenanceLoopAck_type_choiceAlternativeTags[] = {{0, 5, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::choiceDescriptor maintenanceLoopAck::type_choice::descriptor = asn::choiceDescriptor::make(maintenanceLoopAck_type_choiceAlternatives, 3, true, maintenanceLoopAck_type_choiceAlternativeTags);
asn::object* maintenanceLoopAck::type_choice::create() { return new type_choice; }

// maintenanceLoopAck
static const asn::componentEntry maintenanceLoopAckComponents[] = {
    asn::mandatoryComponent<&maintenanceLoopAck::type>(offsetof(maintenanceLoopAck, type), "Type"),
};
static const asn::tagTriple maintenanceLoopAckComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor maintenanceLoopAck::descriptor = asn::sequenceDescriptor::make(maintenanceLoopAckComponents, 1, 0x0u, true, maintenanceLoopAckComponentTags);
maintenanceLoopAck::maintenanceLoopAck(const maintenanceLoopAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
maintenanceLoopAck& maintenanceLoopAck::operator=(const maintenanceLoopAck& other) {
  if (this != &other) assign(other);
  return *this;
}
maintenanceLoopAck::~maintenanceLoopAck() { reset(); }
asn::object* maintenanceLoopAck::create() { return new maintenanceLoopAck; }

// maintenanceLoopReject::type_choice
static const asn::alternativeEntry maintenanceLoopReject_type_choiceAlternatives[] = {
    asn::alternative<asn::null>("SystemLoop"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("MediaLoop"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("LogicalChannelLoop"),
};
static const asn::tagTriple maintenanceLoopReject_type_choiceAlternativeTags[] = {{0, 5, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::choiceDescriptor maintenanceLoopReject::type_choice::descriptor = asn::choiceDescriptor::make(maintenanceLoopReject_type_choiceAlternatives, 3, true, maintenanceLoopReject_type_choiceAlternativeTags);
asn::object* maintenanceLoopReject::type_choice::create() { return new type_choice; }

// maintenanceLoopReject::cause_choice
static const asn::alternativeEntry maintenanceLoopReject_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("CanNotPerformLoop"),
};
static const asn::tagTriple maintenanceLoopReject_cause_choiceAlternativeTags[] = {{0, 5, 0}};
const asn::choiceDescriptor maintenanceLoopReject::cause_choice::descriptor = asn::choiceDescriptor::make(maintenanceLoopReject_cause_choiceAlternatives, 1, true, maintenanceLoopReject_cause_choiceAlternativeTags);
asn::object* maintenanceLoopReject::cause_choice::create() { return new cause_choice; }

// maintenanceLoopReject
static const asn::componentEntry maintenanceLoopRejectComponents[] = {
    asn::mandatoryComponent<&maintenanceLoopReject::type>(offsetof(maintenanceLoopReject, type), "Type"),
    asn::mandatoryComponent<&maintenanceLoopReject::cause>(offsetof(maintenanceLoopReject, cause), "Cause"),
};
static const asn::tagTriple maintenanceLoopRejectComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor maintenanceLoopReject::descriptor = asn::sequenceDescriptor::make(maintenanceLoopRejectComponents, 2, 0x0u, true, maintenanceLoopRejectComponentTags);
maintenanceLoopReject::maintenanceLoopReject(const maintenanceLoopReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
maintenanceLoopReject& maintenanceLoopReject::operator=(const maintenanceLoopReject& other) {
  if (this != &other) assign(other);
  return *this;
}
maintenanceLoopReject::~maintenanceLoopReject() { reset(); }
asn::object* maintenanceLoopReject::create() { return new maintenanceLoopReject; }

// maintenanceLoopOffCommand
const asn::sequenceDescriptor maintenanceLoopOffCommand::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
maintenanceLoopOffCommand::maintenanceLoopOffCommand(const maintenanceLoopOffCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
maintenanceLoopOffCommand& maintenanceLoopOffCommand::operator=(const maintenanceLoopOffCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
maintenanceLoopOffCommand::~maintenanceLoopOffCommand() { reset(); }
asn::object* maintenanceLoopOffCommand::create() { return new maintenanceLoopOffCommand; }

// communicationModeTableEntry::dataType_choice
static const asn::alternativeEntry communicationModeTableEntry_dataType_choiceAlternatives[] = {
    asn::alternative<H245::videoCapability>("VideoData"),
    asn::alternative<H245::audioCapability>("AudioData"),
    asn::alternative<H245::dataApplicationCapability>("Data"),
};
static const asn::tagTriple communicationModeTableEntry_dataType_choiceAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::choiceDescriptor communicationModeTableEntry::dataType_choice::descriptor = asn::choiceDescriptor::make(communicationModeTableEntry_dataType_choiceAlternatives, 3, true, communicationModeTableEntry_dataType_choiceAlternativeTags);
asn::object* communicationModeTableEntry::dataType_choice::create() { return new dataType_choice; }

// communicationModeTableEntry
static const asn::componentEntry communicationModeTableEntryComponents[] = {
    asn::optionalComponent<&communicationModeTableEntry::nonStandard>(offsetof(communicationModeTableEntry, nonStandard), "NonStandard"),
    asn::mandatoryComponent<&communicationModeTableEntry::sessionID>(offsetof(communicationModeTableEntry, sessionID), "SessionID"),
    asn::optionalComponent<&communicationModeTableEntry::associatedSessionID>(offsetof(communicationModeTableEntry, associatedSessionID), "AssociatedSessionID"),
    asn::optionalComponent<&communicationModeTableEntry::terminalLabel>(offsetof(communicationModeTableEntry, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&communicationModeTableEntry::sessionDescription>(offsetof(communicationModeTableEntry, sessionDescription), "SessionDescription"),
    asn::mandatoryComponent<&communicationModeTableEntry::dataType>(offsetof(communicationModeTableEntry, dataType), "DataType"),
    asn::optionalComponent<&communicationModeTableEntry::mediaChannel>(offsetof(communicationModeTableEntry, mediaChannel), "MediaChannel"),
    asn::optionalComponent<&communicationModeTableEntry::mediaGuaranteedDelivery>(offsetof(communicationModeTableEntry, mediaGuaranteedDelivery), "MediaGuaranteedDelivery"),
    asn::optionalComponent<&communicationModeTableEntry::mediaControlChannel>(offsetof(communicationModeTableEntry, mediaControlChannel), "MediaControlChannel"),
    asn::optionalComponent<&communicationModeTableEntry::mediaControlGuaranteedDelivery>(offsetof(communicationModeTableEntry, mediaControlGuaranteedDelivery), "MediaControlGuaranteedDelivery"),
    asn::additionComponent<&communicationModeTableEntry::redundancyEncoding>(offsetof(communicationModeTableEntry, redundancyEncoding), "RedundancyEncoding"),
    asn::additionComponent<&communicationModeTableEntry::sessionDependency>(offsetof(communicationModeTableEntry, sessionDependency), "SessionDependency"),
    asn::additionComponent<&communicationModeTableEntry::destination>(offsetof(communicationModeTableEntry, destination), "Destination"),
};
static const asn::tagTriple communicationModeTableEntryComponentTags[] = {{0, 16, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 30, 0}, {0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 0, 0}, {0, 1, 0}, {0, 16, 1}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor communicationModeTableEntry::descriptor = asn::sequenceDescriptor::make(communicationModeTableEntryComponents, 10, 0x3CDu, true, communicationModeTableEntryComponentTags);
communicationModeTableEntry::communicationModeTableEntry(const communicationModeTableEntry& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
communicationModeTableEntry& communicationModeTableEntry::operator=(const communicationModeTableEntry& other) {
  if (this != &other) assign(other);
  return *this;
}
communicationModeTableEntry::~communicationModeTableEntry() { reset(); }
asn::object* communicationModeTableEntry::create() { return new communicationModeTableEntry; }

// communicationModeCommand
static const asn::componentEntry communicationModeCommandComponents[] = {
    asn::mandatoryComponent<&communicationModeCommand::communicationModeTable>(offsetof(communicationModeCommand, communicationModeTable), "CommunicationModeTable"),
};
static const asn::tagTriple communicationModeCommandComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor communicationModeCommand::descriptor = asn::sequenceDescriptor::make(communicationModeCommandComponents, 1, 0x0u, true, communicationModeCommandComponentTags);
communicationModeCommand::communicationModeCommand(const communicationModeCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
communicationModeCommand& communicationModeCommand::operator=(const communicationModeCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
communicationModeCommand::~communicationModeCommand() { reset(); }
asn::object* communicationModeCommand::create() { return new communicationModeCommand; }

// communicationModeRequest
const asn::sequenceDescriptor communicationModeRequest::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
communicationModeRequest::communicationModeRequest(const communicationModeRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
communicationModeRequest& communicationModeRequest::operator=(const communicationModeRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
communicationModeRequest::~communicationModeRequest() { reset(); }
asn::object* communicationModeRequest::create() { return new communicationModeRequest; }

// communicationModeResponse
static const asn::alternativeEntry communicationModeResponseAlternatives[] = {
    asn::alternative<asn::sequenceOf<H245::communicationModeTableEntry, 1u, 256u, 1>>("CommunicationModeTable"),
};
static const asn::tagTriple communicationModeResponseAlternativeTags[] = {{0, 16, 0}};
const asn::choiceDescriptor communicationModeResponse::descriptor = asn::choiceDescriptor::make(communicationModeResponseAlternatives, 1, true, communicationModeResponseAlternativeTags);
asn::object* communicationModeResponse::create() { return new communicationModeResponse; }

// conferenceRequest::requestTerminalCertificate_sequence
static const asn::componentEntry conferenceRequest_requestTerminalCertificate_sequenceComponents[] = {
    asn::optionalComponent<&conferenceRequest::requestTerminalCertificate_sequence::terminalLabel>(offsetof(conferenceRequest::requestTerminalCertificate_sequence, terminalLabel), "TerminalLabel"),
    asn::optionalComponent<&conferenceRequest::requestTerminalCertificate_sequence::certSelectionCriteria>(offsetof(conferenceRequest::requestTerminalCertificate_sequence, certSelectionCriteria), "CertSelectionCriteria"),
    asn::optionalComponent<&conferenceRequest::requestTerminalCertificate_sequence::sRandom>(offsetof(conferenceRequest::requestTerminalCertificate_sequence, sRandom), "SRandom"),
};
static const asn::tagTriple conferenceRequest_requestTerminalCertificate_sequenceComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 2, 0}};
const asn::sequenceDescriptor conferenceRequest::requestTerminalCertificate_sequence::descriptor = asn::sequenceDescriptor::make(conferenceRequest_requestTerminalCertificate_sequenceComponents, 3, 0x7u, true, conferenceRequest_requestTerminalCertificate_sequenceComponentTags);
conferenceRequest::requestTerminalCertificate_sequence::requestTerminalCertificate_sequence(const requestTerminalCertificate_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceRequest::requestTerminalCertificate_sequence& conferenceRequest::requestTerminalCertificate_sequence::operator=(const requestTerminalCertificate_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceRequest::requestTerminalCertificate_sequence::~requestTerminalCertificate_sequence() { reset(); }
asn::object* conferenceRequest::requestTerminalCertificate_sequence::create() { return new requestTerminalCertificate_sequence; }

// conferenceRequest
static const asn::alternativeEntry conferenceRequestAlternatives[] = {
    asn::alternative<asn::null>("TerminalListRequest"),
    asn::alternative<asn::null>("MakeMeChair"),
    asn::alternative<asn::null>("CancelMakeMeChair"),
    asn::alternative<H245::terminalLabel>("DropTerminal"),
    asn::alternative<H245::terminalLabel>("RequestTerminalID"),
    asn::alternative<asn::null>("EnterH243Password"),
    asn::alternative<asn::null>("EnterH243TerminalID"),
    asn::alternative<asn::null>("EnterH243ConferenceID"),
    asn::alternative<asn::null>("EnterExtensionAddress"),
    asn::alternative<asn::null>("RequestChairTokenOwner"),
    asn::alternative<H245::conferenceRequest::requestTerminalCertificate_sequence>("RequestTerminalCertificate"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("BroadcastMyLogicalChannel"),
    asn::alternative<H245::terminalLabel>("MakeTerminalBroadcaster"),
    asn::alternative<H245::terminalLabel>("SendThisSource"),
    asn::alternative<asn::null>("RequestAllTerminalIDs"),
    asn::alternative<H245::remoteMCRequest>("RemoteMCRequest"),
};
static const asn::tagTriple conferenceRequestAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor conferenceRequest::descriptor = asn::choiceDescriptor::make(conferenceRequestAlternatives, 8, true, conferenceRequestAlternativeTags);
asn::object* conferenceRequest::create() { return new conferenceRequest; }

// criteria
static const asn::componentEntry criteriaComponents[] = {
    asn::mandatoryComponent<&criteria::field>(offsetof(criteria, field), "Field"),
    asn::mandatoryComponent<&criteria::value>(offsetof(criteria, value), "Value"),
};
static const asn::tagTriple criteriaComponentTags[] = {{0, 6, 0}, {0, 4, 0}};
const asn::sequenceDescriptor criteria::descriptor = asn::sequenceDescriptor::make(criteriaComponents, 2, 0x0u, true, criteriaComponentTags);
criteria::criteria(const criteria& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
criteria& criteria::operator=(const criteria& other) {
  if (this != &other) assign(other);
  return *this;
}
criteria::~criteria() { reset(); }
asn::object* criteria::create() { return new criteria; }

// terminalLabel
static const asn::componentEntry terminalLabelComponents[] = {
    asn::mandatoryComponent<&terminalLabel::mcuNumber>(offsetof(terminalLabel, mcuNumber), "McuNumber"),
    asn::mandatoryComponent<&terminalLabel::terminalNumber>(offsetof(terminalLabel, terminalNumber), "TerminalNumber"),
};
static const asn::tagTriple terminalLabelComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor terminalLabel::descriptor = asn::sequenceDescriptor::make(terminalLabelComponents, 2, 0x0u, true, terminalLabelComponentTags);
terminalLabel::terminalLabel(const terminalLabel& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalLabel& terminalLabel::operator=(const terminalLabel& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalLabel::~terminalLabel() { reset(); }
asn::object* terminalLabel::create() { return new terminalLabel; }

// conferenceResponse::mCTerminalIDResponse_sequence
static const asn::componentEntry conferenceResponse_mCTerminalIDResponse_sequenceComponents[] = {
    asn::mandatoryComponent<&conferenceResponse::mCTerminalIDResponse_sequence::terminalLabel>(offsetof(conferenceResponse::mCTerminalIDResponse_sequence, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&conferenceResponse::mCTerminalIDResponse_sequence::terminalID>(offsetof(conferenceResponse::mCTerminalIDResponse_sequence, terminalID), "TerminalID"),
};
static const asn::tagTriple conferenceResponse_mCTerminalIDResponse_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::mCTerminalIDResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_mCTerminalIDResponse_sequenceComponents, 2, 0x0u, true, conferenceResponse_mCTerminalIDResponse_sequenceComponentTags);
conferenceResponse::mCTerminalIDResponse_sequence::mCTerminalIDResponse_sequence(const mCTerminalIDResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::mCTerminalIDResponse_sequence& conferenceResponse::mCTerminalIDResponse_sequence::operator=(const mCTerminalIDResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::mCTerminalIDResponse_sequence::~mCTerminalIDResponse_sequence() { reset(); }
asn::object* conferenceResponse::mCTerminalIDResponse_sequence::create() { return new mCTerminalIDResponse_sequence; }

// conferenceResponse::terminalIDResponse_sequence
static const asn::componentEntry conferenceResponse_terminalIDResponse_sequenceComponents[] = {
    asn::mandatoryComponent<&conferenceResponse::terminalIDResponse_sequence::terminalLabel>(offsetof(conferenceResponse::terminalIDResponse_sequence, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&conferenceResponse::terminalIDResponse_sequence::terminalID>(offsetof(conferenceResponse::terminalIDResponse_sequence, terminalID), "TerminalID"),
};
static const asn::tagTriple conferenceResponse_terminalIDResponse_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::terminalIDResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_terminalIDResponse_sequenceComponents, 2, 0x0u, true, conferenceResponse_terminalIDResponse_sequenceComponentTags);
conferenceResponse::terminalIDResponse_sequence::terminalIDResponse_sequence(const terminalIDResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::terminalIDResponse_sequence& conferenceResponse::terminalIDResponse_sequence::operator=(const terminalIDResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::terminalIDResponse_sequence::~terminalIDResponse_sequence() { reset(); }
asn::object* conferenceResponse::terminalIDResponse_sequence::create() { return new terminalIDResponse_sequence; }

// conferenceResponse::conferenceIDResponse_sequence
static const asn::componentEntry conferenceResponse_conferenceIDResponse_sequenceComponents[] = {
    asn::mandatoryComponent<&conferenceResponse::conferenceIDResponse_sequence::terminalLabel>(offsetof(conferenceResponse::conferenceIDResponse_sequence, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&conferenceResponse::conferenceIDResponse_sequence::conferenceID>(offsetof(conferenceResponse::conferenceIDResponse_sequence, conferenceID), "ConferenceID"),
};
static const asn::tagTriple conferenceResponse_conferenceIDResponse_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::conferenceIDResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_conferenceIDResponse_sequenceComponents, 2, 0x0u, true, conferenceResponse_conferenceIDResponse_sequenceComponentTags);
conferenceResponse::conferenceIDResponse_sequence::conferenceIDResponse_sequence(const conferenceIDResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::conferenceIDResponse_sequence& conferenceResponse::conferenceIDResponse_sequence::operator=(const conferenceIDResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::conferenceIDResponse_sequence::~conferenceIDResponse_sequence() { reset(); }
asn::object* conferenceResponse::conferenceIDResponse_sequence::create() { return new conferenceIDResponse_sequence; }

// conferenceResponse::passwordResponse_sequence
static const asn::componentEntry conferenceResponse_passwordResponse_sequenceComponents[] = {
    asn::mandatoryComponent<&conferenceResponse::passwordResponse_sequence::terminalLabel>(offsetof(conferenceResponse::passwordResponse_sequence, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&conferenceResponse::passwordResponse_sequence::password>(offsetof(conferenceResponse::passwordResponse_sequence, password), "Password"),
};
static const asn::tagTriple conferenceResponse_passwordResponse_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::passwordResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_passwordResponse_sequenceComponents, 2, 0x0u, true, conferenceResponse_passwordResponse_sequenceComponentTags);
conferenceResponse::passwordResponse_sequence::passwordResponse_sequence(const passwordResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::passwordResponse_sequence& conferenceResponse::passwordResponse_sequence::operator=(const passwordResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::passwordResponse_sequence::~passwordResponse_sequence() { reset(); }
asn::object* conferenceResponse::passwordResponse_sequence::create() { return new passwordResponse_sequence; }

// conferenceResponse::makeMeChairResponse_choice
static const asn::alternativeEntry conferenceResponse_makeMeChairResponse_choiceAlternatives[] = {
    asn::alternative<asn::null>("GrantedChairToken"),
    asn::alternative<asn::null>("DeniedChairToken"),
};
static const asn::tagTriple conferenceResponse_makeMeChairResponse_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor conferenceResponse::makeMeChairResponse_choice::descriptor = asn::choiceDescriptor::make(conferenceResponse_makeMeChairResponse_choiceAlternatives, 2, true, conferenceResponse_makeMeChairResponse_choiceAlternativeTags);
asn::object* conferenceResponse::makeMeChairResponse_choice::create() { return new makeMeChairResponse_choice; }

// conferenceResponse::extensionAddressResponse_sequence
static const asn::componentEntry conferenceResponse_extensionAddressResponse_sequenceComponents[] = {
    asn::mandatoryComponent<&conferenceResponse::extensionAddressResponse_sequence::extensionAddress>(offsetof(conferenceResponse::extensionAddressResponse_sequence, extensionAddress), "ExtensionAddress"),
};
static const asn::tagTriple conferenceResponse_extensionAddressResponse_sequenceComponentTags[] = {{0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::extensionAddressResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_extensionAddressResponse_sequenceComponents, 1, 0x0u, true, conferenceResponse_extensionAddressResponse_sequenceComponentTags);
conferenceResponse::extensionAddressResponse_sequence::extensionAddressResponse_sequence(const extensionAddressResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::extensionAddressResponse_sequence& conferenceResponse::extensionAddressResponse_sequence::operator=(const extensionAddressResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::extensionAddressResponse_sequence::~extensionAddressResponse_sequence() { reset(); }
asn::object* conferenceResponse::extensionAddressResponse_sequence::create() { return new extensionAddressResponse_sequence; }

// conferenceResponse::chairTokenOwnerResponse_sequence
static const asn::componentEntry conferenceResponse_chairTokenOwnerResponse_sequenceComponents[] = {
    asn::mandatoryComponent<&conferenceResponse::chairTokenOwnerResponse_sequence::terminalLabel>(offsetof(conferenceResponse::chairTokenOwnerResponse_sequence, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&conferenceResponse::chairTokenOwnerResponse_sequence::terminalID>(offsetof(conferenceResponse::chairTokenOwnerResponse_sequence, terminalID), "TerminalID"),
};
static const asn::tagTriple conferenceResponse_chairTokenOwnerResponse_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::chairTokenOwnerResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_chairTokenOwnerResponse_sequenceComponents, 2, 0x0u, true, conferenceResponse_chairTokenOwnerResponse_sequenceComponentTags);
conferenceResponse::chairTokenOwnerResponse_sequence::chairTokenOwnerResponse_sequence(const chairTokenOwnerResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::chairTokenOwnerResponse_sequence& conferenceResponse::chairTokenOwnerResponse_sequence::operator=(const chairTokenOwnerResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::chairTokenOwnerResponse_sequence::~chairTokenOwnerResponse_sequence() { reset(); }
asn::object* conferenceResponse::chairTokenOwnerResponse_sequence::create() { return new chairTokenOwnerResponse_sequence; }

// conferenceResponse::terminalCertificateResponse_sequence
static const asn::componentEntry conferenceResponse_terminalCertificateResponse_sequenceComponents[] = {
    asn::optionalComponent<&conferenceResponse::terminalCertificateResponse_sequence::terminalLabel>(offsetof(conferenceResponse::terminalCertificateResponse_sequence, terminalLabel), "TerminalLabel"),
    asn::optionalComponent<&conferenceResponse::terminalCertificateResponse_sequence::certificateResponse>(offsetof(conferenceResponse::terminalCertificateResponse_sequence, certificateResponse), "CertificateResponse"),
};
static const asn::tagTriple conferenceResponse_terminalCertificateResponse_sequenceComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor conferenceResponse::terminalCertificateResponse_sequence::descriptor = asn::sequenceDescriptor::make(conferenceResponse_terminalCertificateResponse_sequenceComponents, 2, 0x3u, true, conferenceResponse_terminalCertificateResponse_sequenceComponentTags);
conferenceResponse::terminalCertificateResponse_sequence::terminalCertificateResponse_sequence(const terminalCertificateResponse_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceResponse::terminalCertificateResponse_sequence& conferenceResponse::terminalCertificateResponse_sequence::operator=(const terminalCertificateResponse_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceResponse::terminalCertificateResponse_sequence::~terminalCertificateResponse_sequence() { reset(); }
asn::object* conferenceResponse::terminalCertificateResponse_sequence::create() { return new terminalCertificateResponse_sequence; }

// conferenceResponse::broadcastMyLogicalChannelResponse_choice
static const asn::alternativeEntry conferenceResponse_broadcastMyLogicalChannelResponse_choiceAlternatives[] = {
    asn::alternative<asn::null>("GrantedBroadcastMyLogicalChannel"),
    asn::alternative<asn::null>("DeniedBroadcastMyLogicalChannel"),
};
static const asn::tagTriple conferenceResponse_broadcastMyLogicalChannelResponse_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor conferenceResponse::broadcastMyLogicalChannelResponse_choice::descriptor = asn::choiceDescriptor::make(conferenceResponse_broadcastMyLogicalChannelResponse_choiceAlternatives, 2, true, conferenceResponse_broadcastMyLogicalChannelResponse_choiceAlternativeTags);
asn::object* conferenceResponse::broadcastMyLogicalChannelResponse_choice::create() { return new broadcastMyLogicalChannelResponse_choice; }

// conferenceResponse::makeTerminalBroadcasterResponse_choice
static const asn::alternativeEntry conferenceResponse_makeTerminalBroadcasterResponse_choiceAlternatives[] = {
    asn::alternative<asn::null>("GrantedMakeTerminalBroadcaster"),
    asn::alternative<asn::null>("DeniedMakeTerminalBroadcaster"),
};
static const asn::tagTriple conferenceResponse_makeTerminalBroadcasterResponse_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor conferenceResponse::makeTerminalBroadcasterResponse_choice::descriptor = asn::choiceDescriptor::make(conferenceResponse_makeTerminalBroadcasterResponse_choiceAlternatives, 2, true, conferenceResponse_makeTerminalBroadcasterResponse_choiceAlternativeTags);
asn::object* conferenceResponse::makeTerminalBroadcasterResponse_choice::create() { return new makeTerminalBroadcasterResponse_choice; }

// conferenceResponse::sendThisSourceResponse_choice
static const asn::alternativeEntry conferenceResponse_sendThisSourceResponse_choiceAlternatives[] = {
    asn::alternative<asn::null>("GrantedSendThisSource"),
    asn::alternative<asn::null>("DeniedSendThisSource"),
};
static const asn::tagTriple conferenceResponse_sendThisSourceResponse_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor conferenceResponse::sendThisSourceResponse_choice::descriptor = asn::choiceDescriptor::make(conferenceResponse_sendThisSourceResponse_choiceAlternatives, 2, true, conferenceResponse_sendThisSourceResponse_choiceAlternativeTags);
asn::object* conferenceResponse::sendThisSourceResponse_choice::create() { return new sendThisSourceResponse_choice; }

// conferenceResponse
static const asn::alternativeEntry conferenceResponseAlternatives[] = {
    asn::alternative<H245::conferenceResponse::mCTerminalIDResponse_sequence>("MCTerminalIDResponse"),
    asn::alternative<H245::conferenceResponse::terminalIDResponse_sequence>("TerminalIDResponse"),
    asn::alternative<H245::conferenceResponse::conferenceIDResponse_sequence>("ConferenceIDResponse"),
    asn::alternative<H245::conferenceResponse::passwordResponse_sequence>("PasswordResponse"),
    asn::alternative<asn::sequenceOf<H245::terminalLabel, 1u, 256u, 1>>("TerminalListResponse"),
    asn::alternative<asn::null>("VideoCommandReject"),
    asn::alternative<asn::null>("TerminalDropReject"),
    asn::alternative<H245::conferenceResponse::makeMeChairResponse_choice>("MakeMeChairResponse"),
    asn::alternative<H245::conferenceResponse::extensionAddressResponse_sequence>("ExtensionAddressResponse"),
    asn::alternative<H245::conferenceResponse::chairTokenOwnerResponse_sequence>("ChairTokenOwnerResponse"),
    asn::alternative<H245::conferenceResponse::terminalCertificateResponse_sequence>("TerminalCertificateResponse"),
    asn::alternative<H245::conferenceResponse::broadcastMyLogicalChannelResponse_choice>("BroadcastMyLogicalChannelResponse"),
    asn::alternative<H245::conferenceResponse::makeTerminalBroadcasterResponse_choice>("MakeTerminalBroadcasterResponse"),
    asn::alternative<H245::conferenceResponse::sendThisSourceResponse_choice>("SendThisSourceResponse"),
    asn::alternative<H245::requestAllTerminalIDsResponse>("RequestAllTerminalIDsResponse"),
    asn::alternative<H245::remoteMCResponse>("RemoteMCResponse"),
};
static const asn::tagTriple conferenceResponseAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 5, 0}, {0, 5, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}};
const asn::choiceDescriptor conferenceResponse::descriptor = asn::choiceDescriptor::make(conferenceResponseAlternatives, 8, true, conferenceResponseAlternativeTags);
asn::object* conferenceResponse::create() { return new conferenceResponse; }

// terminalInformation
static const asn::componentEntry terminalInformationComponents[] = {
    asn::mandatoryComponent<&terminalInformation::terminalLabel>(offsetof(terminalInformation, terminalLabel), "TerminalLabel"),
    asn::mandatoryComponent<&terminalInformation::terminalID>(offsetof(terminalInformation, terminalID), "TerminalID"),
};
static const asn::tagTriple terminalInformationComponentTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor terminalInformation::descriptor = asn::sequenceDescriptor::make(terminalInformationComponents, 2, 0x0u, true, terminalInformationComponentTags);
terminalInformation::terminalInformation(const terminalInformation& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalInformation& terminalInformation::operator=(const terminalInformation& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalInformation::~terminalInformation() { reset(); }
asn::object* terminalInformation::create() { return new terminalInformation; }

// requestAllTerminalIDsResponse
static const asn::componentEntry requestAllTerminalIDsResponseComponents[] = {
    asn::mandatoryComponent<&requestAllTerminalIDsResponse::terminalInformation>(offsetof(requestAllTerminalIDsResponse, terminalInformation), "TerminalInformation"),
};
static const asn::tagTriple requestAllTerminalIDsResponseComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor requestAllTerminalIDsResponse::descriptor = asn::sequenceDescriptor::make(requestAllTerminalIDsResponseComponents, 1, 0x0u, true, requestAllTerminalIDsResponseComponentTags);
requestAllTerminalIDsResponse::requestAllTerminalIDsResponse(const requestAllTerminalIDsResponse& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestAllTerminalIDsResponse& requestAllTerminalIDsResponse::operator=(const requestAllTerminalIDsResponse& other) {
  if (this != &other) assign(other);
  return *this;
}
requestAllTerminalIDsResponse::~requestAllTerminalIDsResponse() { reset(); }
asn::object* requestAllTerminalIDsResponse::create() { return new requestAllTerminalIDsResponse; }

// remoteMCRequest
static const asn::alternativeEntry remoteMCRequestAlternatives[] = {
    asn::alternative<asn::null>("MasterActivate"),
    asn::alternative<asn::null>("SlaveActivate"),
    asn::alternative<asn::null>("DeActivate"),
};
static const asn::tagTriple remoteMCRequestAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor remoteMCRequest::descriptor = asn::choiceDescriptor::make(remoteMCRequestAlternatives, 3, true, remoteMCRequestAlternativeTags);
asn::object* remoteMCRequest::create() { return new remoteMCRequest; }

// remoteMCResponse::reject_choice
static const asn::alternativeEntry remoteMCResponse_reject_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unspecified"),
    asn::alternative<asn::null>("FunctionNotSupported"),
};
static const asn::tagTriple remoteMCResponse_reject_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor remoteMCResponse::reject_choice::descriptor = asn::choiceDescriptor::make(remoteMCResponse_reject_choiceAlternatives, 2, true, remoteMCResponse_reject_choiceAlternativeTags);
asn::object* remoteMCResponse::reject_choice::create() { return new reject_choice; }

// remoteMCResponse
static const asn::alternativeEntry remoteMCResponseAlternatives[] = {
    asn::alternative<asn::null>("Accept"),
    asn::alternative<H245::remoteMCResponse::reject_choice>("Reject"),
};
static const asn::tagTriple remoteMCResponseAlternativeTags[] = {{0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor remoteMCResponse::descriptor = asn::choiceDescriptor::make(remoteMCResponseAlternatives, 2, true, remoteMCResponseAlternativeTags);
asn::object* remoteMCResponse::create() { return new remoteMCResponse; }

// connectionIdentifier
static const asn::componentEntry connectionIdentifierComponents[] = {
    asn::mandatoryComponent<&connectionIdentifier::channelTag>(offsetof(connectionIdentifier, channelTag), "ChannelTag"),
    asn::mandatoryComponent<&connectionIdentifier::sequenceNumber>(offsetof(connectionIdentifier, sequenceNumber), "SequenceNumber"),
};
static const asn::tagTriple connectionIdentifierComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor connectionIdentifier::descriptor = asn::sequenceDescriptor::make(connectionIdentifierComponents, 2, 0x0u, true, connectionIdentifierComponentTags);
connectionIdentifier::connectionIdentifier(const connectionIdentifier& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
connectionIdentifier& connectionIdentifier::operator=(const connectionIdentifier& other) {
  if (this != &other) assign(other);
  return *this;
}
connectionIdentifier::~connectionIdentifier() { reset(); }
asn::object* connectionIdentifier::create() { return new connectionIdentifier; }

// dialingInformation
static const asn::alternativeEntry dialingInformationAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<asn::sequenceOf<H245::dialingInformationNumber, 1u, 65535u, 1>>("Differential"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("InfoNotAvailable"),
};
static const asn::tagTriple dialingInformationAlternativeTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 2, 0}};
const asn::choiceDescriptor dialingInformation::descriptor = asn::choiceDescriptor::make(dialingInformationAlternatives, 3, true, dialingInformationAlternativeTags);
asn::object* dialingInformation::create() { return new dialingInformation; }

// multilinkRequest::callInformation_sequence
static const asn::componentEntry multilinkRequest_callInformation_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkRequest::callInformation_sequence::maxNumberOfAdditionalConnections>(offsetof(multilinkRequest::callInformation_sequence, maxNumberOfAdditionalConnections), "MaxNumberOfAdditionalConnections"),
};
static const asn::tagTriple multilinkRequest_callInformation_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor multilinkRequest::callInformation_sequence::descriptor = asn::sequenceDescriptor::make(multilinkRequest_callInformation_sequenceComponents, 1, 0x0u, true, multilinkRequest_callInformation_sequenceComponentTags);
multilinkRequest::callInformation_sequence::callInformation_sequence(const callInformation_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkRequest::callInformation_sequence& multilinkRequest::callInformation_sequence::operator=(const callInformation_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkRequest::callInformation_sequence::~callInformation_sequence() { reset(); }
asn::object* multilinkRequest::callInformation_sequence::create() { return new callInformation_sequence; }

// multilinkRequest::addConnection_sequence
static const asn::componentEntry multilinkRequest_addConnection_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkRequest::addConnection_sequence::sequenceNumber>(offsetof(multilinkRequest::addConnection_sequence, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&multilinkRequest::addConnection_sequence::dialingInformation>(offsetof(multilinkRequest::addConnection_sequence, dialingInformation), "DialingInformation"),
};
static const asn::tagTriple multilinkRequest_addConnection_sequenceComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor multilinkRequest::addConnection_sequence::descriptor = asn::sequenceDescriptor::make(multilinkRequest_addConnection_sequenceComponents, 2, 0x0u, true, multilinkRequest_addConnection_sequenceComponentTags);
multilinkRequest::addConnection_sequence::addConnection_sequence(const addConnection_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkRequest::addConnection_sequence& multilinkRequest::addConnection_sequence::operator=(const addConnection_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkRequest::addConnection_sequence::~addConnection_sequence() { reset(); }
asn::object* multilinkRequest::addConnection_sequence::create() { return new addConnection_sequence; }

// multilinkRequest::removeConnection_sequence
static const asn::componentEntry multilinkRequest_removeConnection_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkRequest::removeConnection_sequence::connectionIdentifier>(offsetof(multilinkRequest::removeConnection_sequence, connectionIdentifier), "ConnectionIdentifier"),
};
static const asn::tagTriple multilinkRequest_removeConnection_sequenceComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor multilinkRequest::removeConnection_sequence::descriptor = asn::sequenceDescriptor::make(multilinkRequest_removeConnection_sequenceComponents, 1, 0x0u, true, multilinkRequest_removeConnection_sequenceComponentTags);
multilinkRequest::removeConnection_sequence::removeConnection_sequence(const removeConnection_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkRequest::removeConnection_sequence& multilinkRequest::removeConnection_sequence::operator=(const removeConnection_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkRequest::removeConnection_sequence::~removeConnection_sequence() { reset(); }
asn::object* multilinkRequest::removeConnection_sequence::create() { return new removeConnection_sequence; }

// multilinkRequest::maximumHeaderInterval_sequence::requestType_choice
static const asn::alternativeEntry multilinkRequest_maximumHeaderInterval_sequence_requestType_choiceAlternatives[] = {
    asn::alternative<asn::null>("CurrentIntervalInformation"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("RequestedInterval"),
};
static const asn::tagTriple multilinkRequest_maximumHeaderInterval_sequence_requestType_choiceAlternativeTags[] = {{0, 5, 0}, {0, 2, 0}};
const asn::choiceDescriptor multilinkRequest::maximumHeaderInterval_sequence::requestType_choice::descriptor = asn::choiceDescriptor::make(multilinkRequest_maximumHeaderInterval_sequence_requestType_choiceAlternatives, 2, true, multilinkRequest_maximumHeaderInterval_sequence_requestType_choiceAlternativeTags);
asn::object* multilinkRequest::maximumHeaderInterval_sequence::requestType_choice::create() { return new requestType_choice; }

// multilinkRequest::maximumHeaderInterval_sequence
static const asn::componentEntry multilinkRequest_maximumHeaderInterval_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkRequest::maximumHeaderInterval_sequence::requestType>(offsetof(multilinkRequest::maximumHeaderInterval_sequence, requestType), "RequestType"),
};
static const asn::tagTriple multilinkRequest_maximumHeaderInterval_sequenceComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor multilinkRequest::maximumHeaderInterval_sequence::descriptor = asn::sequenceDescriptor::make(multilinkRequest_maximumHeaderInterval_sequenceComponents, 1, 0x0u, true, multilinkRequest_maximumHeaderInterval_sequenceComponentTags);
multilinkRequest::maximumHeaderInterval_sequence::maximumHeaderInterval_sequence(const maximumHeaderInterval_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkRequest::maximumHeaderInterval_sequence& multilinkRequest::maximumHeaderInterval_sequence::operator=(const maximumHeaderInterval_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkRequest::maximumHeaderInterval_sequence::~maximumHeaderInterval_sequence() { reset(); }
asn::object* multilinkRequest::maximumHeaderInterval_sequence::create() { return new maximumHeaderInterval_sequence; }

// multilinkRequest
static const asn::alternativeEntry multilinkRequestAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::multilinkRequest::callInformation_sequence>("CallInformation"),
    asn::alternative<H245::multilinkRequest::addConnection_sequence>("AddConnection"),
    asn::alternative<H245::multilinkRequest::removeConnection_sequence>("RemoveConnection"),
    asn::alternative<H245::multilinkRequest::maximumHeaderInterval_sequence>("MaximumHeaderInterval"),
};
static const asn::tagTriple multilinkRequestAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor multilinkRequest::descriptor = asn::choiceDescriptor::make(multilinkRequestAlternatives, 5, true, multilinkRequestAlternativeTags);
asn::object* multilinkRequest::create() { return new multilinkRequest; }

// multilinkResponse::callInformation_sequence
static const asn::componentEntry multilinkResponse_callInformation_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkResponse::callInformation_sequence::dialingInformation>(offsetof(multilinkResponse::callInformation_sequence, dialingInformation), "DialingInformation"),
    asn::mandatoryComponent<&multilinkResponse::callInformation_sequence::callAssociationNumber>(offsetof(multilinkResponse::callInformation_sequence, callAssociationNumber), "CallAssociationNumber"),
};
static const asn::tagTriple multilinkResponse_callInformation_sequenceComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor multilinkResponse::callInformation_sequence::descriptor = asn::sequenceDescriptor::make(multilinkResponse_callInformation_sequenceComponents, 2, 0x0u, true, multilinkResponse_callInformation_sequenceComponentTags);
multilinkResponse::callInformation_sequence::callInformation_sequence(const callInformation_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkResponse::callInformation_sequence& multilinkResponse::callInformation_sequence::operator=(const callInformation_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkResponse::callInformation_sequence::~callInformation_sequence() { reset(); }
asn::object* multilinkResponse::callInformation_sequence::create() { return new callInformation_sequence; }

// multilinkResponse::addConnection_sequence::responseCode_choice::rejected_choice
static const asn::alternativeEntry multilinkResponse_addConnection_sequence_responseCode_choice_rejected_choiceAlternatives[] = {
    asn::alternative<asn::null>("ConnectionsNotAvailable"),
    asn::alternative<asn::null>("UserRejected"),
};
static const asn::tagTriple multilinkResponse_addConnection_sequence_responseCode_choice_rejected_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor multilinkResponse::addConnection_sequence::responseCode_choice::rejected_choice::descriptor = asn::choiceDescriptor::make(multilinkResponse_addConnection_sequence_responseCode_choice_rejected_choiceAlternatives, 2, true, multilinkResponse_addConnection_sequence_responseCode_choice_rejected_choiceAlternativeTags);
asn::object* multilinkResponse::addConnection_sequence::responseCode_choice::rejected_choice::create() { return new rejected_choice; }

// multilinkResponse::addConnection_sequence::responseCode_choice
static const asn::alternativeEntry multilinkResponse_addConnection_sequence_responseCode_choiceAlternatives[] = {
    asn::alternative<asn::null>("Accepted"),
    asn::alternative<H245::multilinkResponse::addConnection_sequence::responseCode_choice::rejected_choice>("Rejected"),
};
static const asn::tagTriple multilinkResponse_addConnection_sequence_responseCode_choiceAlternativeTags[] = {{0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor multilinkResponse::addConnection_sequence::responseCode_choice::descriptor = asn::choiceDescriptor::make(multilinkResponse_addConnection_sequence_responseCode_choiceAlternatives, 2, true, multilinkResponse_addConnection_sequence_responseCode_choiceAlternativeTags);
asn::object* multilinkResponse::addConnection_sequence::responseCode_choice::create() { return new responseCode_choice; }

// multilinkResponse::addConnection_sequence
static const asn::componentEntry multilinkResponse_addConnection_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkResponse::addConnection_sequence::sequenceNumber>(offsetof(multilinkResponse::addConnection_sequence, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&multilinkResponse::addConnection_sequence::responseCode>(offsetof(multilinkResponse::addConnection_sequence, responseCode), "ResponseCode"),
};
static const asn::tagTriple multilinkResponse_addConnection_sequenceComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor multilinkResponse::addConnection_sequence::descriptor = asn::sequenceDescriptor::make(multilinkResponse_addConnection_sequenceComponents, 2, 0x0u, true, multilinkResponse_addConnection_sequenceComponentTags);
multilinkResponse::addConnection_sequence::addConnection_sequence(const addConnection_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkResponse::addConnection_sequence& multilinkResponse::addConnection_sequence::operator=(const addConnection_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkResponse::addConnection_sequence::~addConnection_sequence() { reset(); }
asn::object* multilinkResponse::addConnection_sequence::create() { return new addConnection_sequence; }

// multilinkResponse::removeConnection_sequence
static const asn::componentEntry multilinkResponse_removeConnection_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkResponse::removeConnection_sequence::connectionIdentifier>(offsetof(multilinkResponse::removeConnection_sequence, connectionIdentifier), "ConnectionIdentifier"),
};
static const asn::tagTriple multilinkResponse_removeConnection_sequenceComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor multilinkResponse::removeConnection_sequence::descriptor = asn::sequenceDescriptor::make(multilinkResponse_removeConnection_sequenceComponents, 1, 0x0u, true, multilinkResponse_removeConnection_sequenceComponentTags);
multilinkResponse::removeConnection_sequence::removeConnection_sequence(const removeConnection_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkResponse::removeConnection_sequence& multilinkResponse::removeConnection_sequence::operator=(const removeConnection_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkResponse::removeConnection_sequence::~removeConnection_sequence() { reset(); }
asn::object* multilinkResponse::removeConnection_sequence::create() { return new removeConnection_sequence; }

// multilinkResponse::maximumHeaderInterval_sequence
static const asn::componentEntry multilinkResponse_maximumHeaderInterval_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkResponse::maximumHeaderInterval_sequence::currentInterval>(offsetof(multilinkResponse::maximumHeaderInterval_sequence, currentInterval), "CurrentInterval"),
};
static const asn::tagTriple multilinkResponse_maximumHeaderInterval_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor multilinkResponse::maximumHeaderInterval_sequence::descriptor = asn::sequenceDescriptor::make(multilinkResponse_maximumHeaderInterval_sequenceComponents, 1, 0x0u, true, multilinkResponse_maximumHeaderInterval_sequenceComponentTags);
multilinkResponse::maximumHeaderInterval_sequence::maximumHeaderInterval_sequence(const maximumHeaderInterval_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkResponse::maximumHeaderInterval_sequence& multilinkResponse::maximumHeaderInterval_sequence::operator=(const maximumHeaderInterval_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkResponse::maximumHeaderInterval_sequence::~maximumHeaderInterval_sequence() { reset(); }
asn::object* multilinkResponse::maximumHeaderInterval_sequence::create() { return new maximumHeaderInterval_sequence; }

// multilinkResponse
static const asn::alternativeEntry multilinkResponseAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::multilinkResponse::callInformation_sequence>("CallInformation"),
    asn::alternative<H245::multilinkResponse::addConnection_sequence>("AddConnection"),
    asn::alternative<H245::multilinkResponse::removeConnection_sequence>("RemoveConnection"),
    asn::alternative<H245::multilinkResponse::maximumHeaderInterval_sequence>("MaximumHeaderInterval"),
};
static const asn::tagTriple multilinkResponseAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor multilinkResponse::descriptor = asn::choiceDescriptor::make(multilinkResponseAlternatives, 5, true, multilinkResponseAlternativeTags);
asn::object* multilinkResponse::create() { return new multilinkResponse; }

// multilinkIndication::crcDesired_sequence
const asn::sequenceDescriptor multilinkIndication::crcDesired_sequence::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
multilinkIndication::crcDesired_sequence::crcDesired_sequence(const crcDesired_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkIndication::crcDesired_sequence& multilinkIndication::crcDesired_sequence::operator=(const crcDesired_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkIndication::crcDesired_sequence::~crcDesired_sequence() { reset(); }
asn::object* multilinkIndication::crcDesired_sequence::create() { return new crcDesired_sequence; }

// multilinkIndication::excessiveError_sequence
static const asn::componentEntry multilinkIndication_excessiveError_sequenceComponents[] = {
    asn::mandatoryComponent<&multilinkIndication::excessiveError_sequence::connectionIdentifier>(offsetof(multilinkIndication::excessiveError_sequence, connectionIdentifier), "ConnectionIdentifier"),
};
static const asn::tagTriple multilinkIndication_excessiveError_sequenceComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor multilinkIndication::excessiveError_sequence::descriptor = asn::sequenceDescriptor::make(multilinkIndication_excessiveError_sequenceComponents, 1, 0x0u, true, multilinkIndication_excessiveError_sequenceComponentTags);
multilinkIndication::excessiveError_sequence::excessiveError_sequence(const excessiveError_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multilinkIndication::excessiveError_sequence& multilinkIndication::excessiveError_sequence::operator=(const excessiveError_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
multilinkIndication::excessiveError_sequence::~excessiveError_sequence() { reset(); }
asn::object* multilinkIndication::excessiveError_sequence::create() { return new excessiveError_sequence; }

// multilinkIndication
static const asn::alternativeEntry multilinkIndicationAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::multilinkIndication::crcDesired_sequence>("CrcDesired"),
    asn::alternative<H245::multilinkIndication::excessiveError_sequence>("ExcessiveError"),
};
static const asn::tagTriple multilinkIndicationAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor multilinkIndication::descriptor = asn::choiceDescriptor::make(multilinkIndicationAlternatives, 3, true, multilinkIndicationAlternativeTags);
asn::object* multilinkIndication::create() { return new multilinkIndication; }

// dialingInformationNetworkType
static const asn::alternativeEntry dialingInformationNetworkTypeAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<asn::null>("N_isdn"),
    asn::alternative<asn::null>("Gstn"),
    asn::alternative<asn::null>("Mobile"),
};
static const asn::tagTriple dialingInformationNetworkTypeAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor dialingInformationNetworkType::descriptor = asn::choiceDescriptor::make(dialingInformationNetworkTypeAlternatives, 3, true, dialingInformationNetworkTypeAlternativeTags);
asn::object* dialingInformationNetworkType::create() { return new dialingInformationNetworkType; }

// dialingInformationNumber
static const asn::componentEntry dialingInformationNumberComponents[] = {
    asn::mandatoryComponent<&dialingInformationNumber::networkAddress>(offsetof(dialingInformationNumber, networkAddress), "NetworkAddress"),
    asn::optionalComponent<&dialingInformationNumber::subAddress>(offsetof(dialingInformationNumber, subAddress), "SubAddress"),
    asn::mandatoryComponent<&dialingInformationNumber::networkType>(offsetof(dialingInformationNumber, networkType), "NetworkType"),
};
static const asn::tagTriple dialingInformationNumberComponentTags[] = {{0, 18, 0}, {0, 22, 0}, {0, 16, 0}};
const asn::sequenceDescriptor dialingInformationNumber::descriptor = asn::sequenceDescriptor::make(dialingInformationNumberComponents, 3, 0x2u, true, dialingInformationNumberComponentTags);
dialingInformationNumber::dialingInformationNumber(const dialingInformationNumber& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dialingInformationNumber& dialingInformationNumber::operator=(const dialingInformationNumber& other) {
  if (this != &other) assign(other);
  return *this;
}
dialingInformationNumber::~dialingInformationNumber() { reset(); }
asn::object* dialingInformationNumber::create() { return new dialingInformationNumber; }

// logicalChannelRateRequest
static const asn::componentEntry logicalChannelRateRequestComponents[] = {
    asn::mandatoryComponent<&logicalChannelRateRequest::sequenceNumber>(offsetof(logicalChannelRateRequest, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&logicalChannelRateRequest::logicalChannelNumber>(offsetof(logicalChannelRateRequest, logicalChannelNumber), "LogicalChannelNumber"),
    asn::mandatoryComponent<&logicalChannelRateRequest::maximumBitRate>(offsetof(logicalChannelRateRequest, maximumBitRate), "MaximumBitRate"),
};
static const asn::tagTriple logicalChannelRateRequestComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor logicalChannelRateRequest::descriptor = asn::sequenceDescriptor::make(logicalChannelRateRequestComponents, 3, 0x0u, true, logicalChannelRateRequestComponentTags);
logicalChannelRateRequest::logicalChannelRateRequest(const logicalChannelRateRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
logicalChannelRateRequest& logicalChannelRateRequest::operator=(const logicalChannelRateRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
logicalChannelRateRequest::~logicalChannelRateRequest() { reset(); }
asn::object* logicalChannelRateRequest::create() { return new logicalChannelRateRequest; }

// logicalChannelRateAcknowledge
static const asn::componentEntry logicalChannelRateAcknowledgeComponents[] = {
    asn::mandatoryComponent<&logicalChannelRateAcknowledge::sequenceNumber>(offsetof(logicalChannelRateAcknowledge, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&logicalChannelRateAcknowledge::logicalChannelNumber>(offsetof(logicalChannelRateAcknowledge, logicalChannelNumber), "LogicalChannelNumber"),
    asn::mandatoryComponent<&logicalChannelRateAcknowledge::maximumBitRate>(offsetof(logicalChannelRateAcknowledge, maximumBitRate), "MaximumBitRate"),
};
static const asn::tagTriple logicalChannelRateAcknowledgeComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor logicalChannelRateAcknowledge::descriptor = asn::sequenceDescriptor::make(logicalChannelRateAcknowledgeComponents, 3, 0x0u, true, logicalChannelRateAcknowledgeComponentTags);
logicalChannelRateAcknowledge::logicalChannelRateAcknowledge(const logicalChannelRateAcknowledge& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
logicalChannelRateAcknowledge& logicalChannelRateAcknowledge::operator=(const logicalChannelRateAcknowledge& other) {
  if (this != &other) assign(other);
  return *this;
}
logicalChannelRateAcknowledge::~logicalChannelRateAcknowledge() { reset(); }
asn::object* logicalChannelRateAcknowledge::create() { return new logicalChannelRateAcknowledge; }

// logicalChannelRateRejectReason
static const asn::alternativeEntry logicalChannelRateRejectReasonAlternatives[] = {
    asn::alternative<asn::null>("UndefinedReason"),
    asn::alternative<asn::null>("InsufficientResources"),
};
static const asn::tagTriple logicalChannelRateRejectReasonAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor logicalChannelRateRejectReason::descriptor = asn::choiceDescriptor::make(logicalChannelRateRejectReasonAlternatives, 2, true, logicalChannelRateRejectReasonAlternativeTags);
asn::object* logicalChannelRateRejectReason::create() { return new logicalChannelRateRejectReason; }

// logicalChannelRateReject
static const asn::componentEntry logicalChannelRateRejectComponents[] = {
    asn::mandatoryComponent<&logicalChannelRateReject::sequenceNumber>(offsetof(logicalChannelRateReject, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&logicalChannelRateReject::logicalChannelNumber>(offsetof(logicalChannelRateReject, logicalChannelNumber), "LogicalChannelNumber"),
    asn::mandatoryComponent<&logicalChannelRateReject::rejectReason>(offsetof(logicalChannelRateReject, rejectReason), "RejectReason"),
    asn::optionalComponent<&logicalChannelRateReject::currentMaximumBitRate>(offsetof(logicalChannelRateReject, currentMaximumBitRate), "CurrentMaximumBitRate"),
};
static const asn::tagTriple logicalChannelRateRejectComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor logicalChannelRateReject::descriptor = asn::sequenceDescriptor::make(logicalChannelRateRejectComponents, 4, 0x8u, true, logicalChannelRateRejectComponentTags);
logicalChannelRateReject::logicalChannelRateReject(const logicalChannelRateReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
logicalChannelRateReject& logicalChannelRateReject::operator=(const logicalChannelRateReject& other) {
  if (this != &other) assign(other);
  return *this;
}
logicalChannelRateReject::~logicalChannelRateReject() { reset(); }
asn::object* logicalChannelRateReject::create() { return new logicalChannelRateReject; }

// logicalChannelRateRelease
const asn::sequenceDescriptor logicalChannelRateRelease::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
logicalChannelRateRelease::logicalChannelRateRelease(const logicalChannelRateRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
logicalChannelRateRelease& logicalChannelRateRelease::operator=(const logicalChannelRateRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
logicalChannelRateRelease::~logicalChannelRateRelease() { reset(); }
asn::object* logicalChannelRateRelease::create() { return new logicalChannelRateRelease; }

// sendTerminalCapabilitySet::specificRequest_sequence
static const asn::componentEntry sendTerminalCapabilitySet_specificRequest_sequenceComponents[] = {
    asn::mandatoryComponent<&sendTerminalCapabilitySet::specificRequest_sequence::multiplexCapability>(offsetof(sendTerminalCapabilitySet::specificRequest_sequence, multiplexCapability), "MultiplexCapability"),
    asn::optionalComponent<&sendTerminalCapabilitySet::specificRequest_sequence::capabilityTableEntryNumbers>(offsetof(sendTerminalCapabilitySet::specificRequest_sequence, capabilityTableEntryNumbers), "CapabilityTableEntryNumbers"),
    asn::optionalComponent<&sendTerminalCapabilitySet::specificRequest_sequence::capabilityDescriptorNumbers>(offsetof(sendTerminalCapabilitySet::specificRequest_sequence, capabilityDescriptorNumbers), "CapabilityDescriptorNumbers"),
};
static const asn::tagTriple sendTerminalCapabilitySet_specificRequest_sequenceComponentTags[] = {{0, 1, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor sendTerminalCapabilitySet::specificRequest_sequence::descriptor = asn::sequenceDescriptor::make(sendTerminalCapabilitySet_specificRequest_sequenceComponents, 3, 0x6u, true, sendTerminalCapabilitySet_specificRequest_sequenceComponentTags);
sendTerminalCapabilitySet::specificRequest_sequence::specificRequest_sequence(const specificRequest_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
sendTerminalCapabilitySet::specificRequest_sequence& sendTerminalCapabilitySet::specificRequest_sequence::operator=(const specificRequest_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
sendTerminalCapabilitySet::specificRequest_sequence::~specificRequest_sequence() { reset(); }
asn::object* sendTerminalCapabilitySet::specificRequest_sequence::create() { return new specificRequest_sequence; }

// sendTerminalCapabilitySet
static const asn::alternativeEntry sendTerminalCapabilitySetAlternatives[] = {
    asn::alternative<H245::sendTerminalCapabilitySet::specificRequest_sequence>("SpecificRequest"),
    asn::alternative<asn::null>("GenericRequest"),
};
static const asn::tagTriple sendTerminalCapabilitySetAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}};
const asn::choiceDescriptor sendTerminalCapabilitySet::descriptor = asn::choiceDescriptor::make(sendTerminalCapabilitySetAlternatives, 2, true, sendTerminalCapabilitySetAlternativeTags);
asn::object* sendTerminalCapabilitySet::create() { return new sendTerminalCapabilitySet; }

// encryptionCommand::encryptionAlgorithmID_sequence
static const asn::componentEntry encryptionCommand_encryptionAlgorithmID_sequenceComponents[] = {
    asn::mandatoryComponent<&encryptionCommand::encryptionAlgorithmID_sequence::h233AlgorithmIdentifier>(offsetof(encryptionCommand::encryptionAlgorithmID_sequence, h233AlgorithmIdentifier), "H233AlgorithmIdentifier"),
    asn::mandatoryComponent<&encryptionCommand::encryptionAlgorithmID_sequence::associatedAlgorithm>(offsetof(encryptionCommand::encryptionAlgorithmID_sequence, associatedAlgorithm), "AssociatedAlgorithm"),
};
static const asn::tagTriple encryptionCommand_encryptionAlgorithmID_sequenceComponentTags[] = {{0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor encryptionCommand::encryptionAlgorithmID_sequence::descriptor = asn::sequenceDescriptor::make(encryptionCommand_encryptionAlgorithmID_sequenceComponents, 2, 0x0u, false, encryptionCommand_encryptionAlgorithmID_sequenceComponentTags);
encryptionCommand::encryptionAlgorithmID_sequence::encryptionAlgorithmID_sequence(const encryptionAlgorithmID_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
encryptionCommand::encryptionAlgorithmID_sequence& encryptionCommand::encryptionAlgorithmID_sequence::operator=(const encryptionAlgorithmID_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
encryptionCommand::encryptionAlgorithmID_sequence::~encryptionAlgorithmID_sequence() { reset(); }
asn::object* encryptionCommand::encryptionAlgorithmID_sequence::create() { return new encryptionAlgorithmID_sequence; }

// encryptionCommand
static const asn::alternativeEntry encryptionCommandAlternatives[] = {
    asn::alternative<asn::octetString<0u, 0u, 1>>("EncryptionSE"),
    asn::alternative<asn::null>("EncryptionIVRequest"),
    asn::alternative<H245::encryptionCommand::encryptionAlgorithmID_sequence>("EncryptionAlgorithmID"),
};
static const asn::tagTriple encryptionCommandAlternativeTags[] = {{0, 4, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor encryptionCommand::descriptor = asn::choiceDescriptor::make(encryptionCommandAlternatives, 3, true, encryptionCommandAlternativeTags);
asn::object* encryptionCommand::create() { return new encryptionCommand; }

}  // namespace H245
