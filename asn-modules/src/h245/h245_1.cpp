// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H245 {

const char PermitedAlphabet0[] = "#*,0123456789";
const char PermitedAlphabet1[] = "!#*0123456789ABCD";

// multimediaSystemControlMessage
static const asn::alternativeEntry multimediaSystemControlMessageAlternatives[] = {
    asn::alternative<H245::requestMessage>("Request"),
    asn::alternative<H245::responseMessage>("Response"),
    asn::alternative<H245::commandMessage>("Command"),
    asn::alternative<H245::indicationMessage>("Indication"),
};
static const asn::tagTriple multimediaSystemControlMessageAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor multimediaSystemControlMessage::descriptor = asn::choiceDescriptor::make(multimediaSystemControlMessageAlternatives, 4, true, multimediaSystemControlMessageAlternativeTags);
asn::object* multimediaSystemControlMessage::create() { return new multimediaSystemControlMessage; }

// requestMessage
static const asn::alternativeEntry requestMessageAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::masterSlaveDetermination>("MasterSlaveDetermination"),
    asn::alternative<H245::terminalCapabilitySet>("TerminalCapabilitySet"),
    asn::alternative<H245::openLogicalChannel>("OpenLogicalChannel"),
    asn::alternative<H245::closeLogicalChannel>("CloseLogicalChannel"),
    asn::alternative<H245::requestChannelClose>("RequestChannelClose"),
    asn::alternative<H245::multiplexEntrySend>("MultiplexEntrySend"),
    asn::alternative<H245::requestMultiplexEntry>("RequestMultiplexEntry"),
    asn::alternative<H245::requestMode>("RequestMode"),
    asn::alternative<H245::roundTripDelayRequest>("RoundTripDelayRequest"),
    asn::alternative<H245::maintenanceLoopRequest>("MaintenanceLoopRequest"),
    asn::alternative<H245::communicationModeRequest>("CommunicationModeRequest"),
    asn::alternative<H245::conferenceRequest>("ConferenceRequest"),
    asn::alternative<H245::multilinkRequest>("MultilinkRequest"),
    asn::alternative<H245::logicalChannelRateRequest>("LogicalChannelRateRequest"),
    asn::alternative<H245::genericMessage>("GenericRequest"),
};
static const asn::tagTriple requestMessageAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor requestMessage::descriptor = asn::choiceDescriptor::make(requestMessageAlternatives, 11, true, requestMessageAlternativeTags);
asn::object* requestMessage::create() { return new requestMessage; }

// responseMessage
static const asn::alternativeEntry responseMessageAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::masterSlaveDeterminationAck>("MasterSlaveDeterminationAck"),
    asn::alternative<H245::masterSlaveDeterminationReject>("MasterSlaveDeterminationReject"),
    asn::alternative<H245::terminalCapabilitySetAck>("TerminalCapabilitySetAck"),
    asn::alternative<H245::terminalCapabilitySetReject>("TerminalCapabilitySetReject"),
    asn::alternative<H245::openLogicalChannelAck>("OpenLogicalChannelAck"),
    asn::alternative<H245::openLogicalChannelReject>("OpenLogicalChannelReject"),
    asn::alternative<H245::closeLogicalChannelAck>("CloseLogicalChannelAck"),
    asn::alternative<H245::requestChannelCloseAck>("RequestChannelCloseAck"),
    asn::alternative<H245::requestChannelCloseReject>("RequestChannelCloseReject"),
    asn::alternative<H245::multiplexEntrySendAck>("MultiplexEntrySendAck"),
    asn::alternative<H245::multiplexEntrySendReject>("MultiplexEntrySendReject"),
    asn::alternative<H245::requestMultiplexEntryAck>("RequestMultiplexEntryAck"),
    asn::alternative<H245::requestMultiplexEntryReject>("RequestMultiplexEntryReject"),
    asn::alternative<H245::requestModeAck>("RequestModeAck"),
    asn::alternative<H245::requestModeReject>("RequestModeReject"),
    asn::alternative<H245::roundTripDelayResponse>("RoundTripDelayResponse"),
    asn::alternative<H245::maintenanceLoopAck>("MaintenanceLoopAck"),
    asn::alternative<H245::maintenanceLoopReject>("MaintenanceLoopReject"),
    asn::alternative<H245::communicationModeResponse>("CommunicationModeResponse"),
    asn::alternative<H245::conferenceResponse>("ConferenceResponse"),
    asn::alternative<H245::multilinkResponse>("MultilinkResponse"),
    asn::alternative<H245::logicalChannelRateAcknowledge>("LogicalChannelRateAcknowledge"),
    asn::alternative<H245::logicalChannelRateReject>("LogicalChannelRateReject"),
    asn::alternative<H245::genericMessage>("GenericResponse"),
};
static const asn::tagTriple responseMessageAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor responseMessage::descriptor = asn::choiceDescriptor::make(responseMessageAlternatives, 19, true, responseMessageAlternativeTags);
asn::object* responseMessage::create() { return new responseMessage; }

// commandMessage
static const asn::alternativeEntry commandMessageAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::maintenanceLoopOffCommand>("MaintenanceLoopOffCommand"),
    asn::alternative<H245::sendTerminalCapabilitySet>("SendTerminalCapabilitySet"),
    asn::alternative<H245::encryptionCommand>("EncryptionCommand"),
    asn::alternative<H245::flowControlCommand>("FlowControlCommand"),
    asn::alternative<H245::endSessionCommand>("EndSessionCommand"),
    asn::alternative<H245::miscellaneousCommand>("MiscellaneousCommand"),
    asn::alternative<H245::communicationModeCommand>("CommunicationModeCommand"),
    asn::alternative<H245::conferenceCommand>("ConferenceCommand"),
    asn::alternative<H245::h223MultiplexReconfiguration>("H223MultiplexReconfiguration"),
    asn::alternative<H245::newATMVCCommand>("NewATMVCCommand"),
    asn::alternative<H245::mobileMultilinkReconfigurationCommand>("MobileMultilinkReconfigurationCommand"),
    asn::alternative<H245::genericMessage>("GenericCommand"),
};
static const asn::tagTriple commandMessageAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor commandMessage::descriptor = asn::choiceDescriptor::make(commandMessageAlternatives, 7, true, commandMessageAlternativeTags);
asn::object* commandMessage::create() { return new commandMessage; }

// indicationMessage
static const asn::alternativeEntry indicationMessageAlternatives[] = {
    asn::alternative<H245::nonStandardMessage>("NonStandard"),
    asn::alternative<H245::functionNotUnderstood>("FunctionNotUnderstood"),
    asn::alternative<H245::masterSlaveDeterminationRelease>("MasterSlaveDeterminationRelease"),
    asn::alternative<H245::terminalCapabilitySetRelease>("TerminalCapabilitySetRelease"),
    asn::alternative<H245::openLogicalChannelConfirm>("OpenLogicalChannelConfirm"),
    asn::alternative<H245::requestChannelCloseRelease>("RequestChannelCloseRelease"),
    asn::alternative<H245::multiplexEntrySendRelease>("MultiplexEntrySendRelease"),
    asn::alternative<H245::requestMultiplexEntryRelease>("RequestMultiplexEntryRelease"),
    asn::alternative<H245::requestModeRelease>("RequestModeRelease"),
    asn::alternative<H245::miscellaneousIndication>("MiscellaneousIndication"),
    asn::alternative<H245::jitterIndication>("JitterIndication"),
    asn::alternative<H245::h223SkewIndication>("H223SkewIndication"),
    asn::alternative<H245::newATMVCIndication>("NewATMVCIndication"),
    asn::alternative<H245::userInputIndication>("UserInput"),
    asn::alternative<H245::h2250MaximumSkewIndication>("H2250MaximumSkewIndication"),
    asn::alternative<H245::mCLocationIndication>("McLocationIndication"),
    asn::alternative<H245::conferenceIndication>("ConferenceIndication"),
    asn::alternative<H245::vendorIdentification>("VendorIdentification"),
    asn::alternative<H245::functionNotSupported>("FunctionNotSupported"),
    asn::alternative<H245::multilinkIndication>("MultilinkIndication"),
    asn::alternative<H245::logicalChannelRateRelease>("LogicalChannelRateRelease"),
    asn::alternative<H245::flowControlIndication>("FlowControlIndication"),
    asn::alternative<H245::mobileMultilinkReconfigurationIndication>("MobileMultilinkReconfigurationIndication"),
    asn::alternative<H245::genericMessage>("GenericIndication"),
};
static const asn::tagTriple indicationMessageAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor indicationMessage::descriptor = asn::choiceDescriptor::make(indicationMessageAlternatives, 14, true, indicationMessageAlternativeTags);
asn::object* indicationMessage::create() { return new indicationMessage; }

// capabilityIdentifier
static const asn::alternativeEntry capabilityIdentifierAlternatives[] = {
    asn::alternative<asn::oid>("Standard"),
    asn::alternative<H245::nonStandardParameter>("H221NonStandard"),
    asn::alternative<asn::octetString<16u, 16u, 1>>("Uuid"),
    asn::alternative<asn::IA5String<1u, 64u, 1, asn::constrainedString::IA5Set, 128u>>("DomainBased"),
};
static const asn::tagTriple capabilityIdentifierAlternativeTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 4, 0}, {0, 22, 0}};
const asn::choiceDescriptor capabilityIdentifier::descriptor = asn::choiceDescriptor::make(capabilityIdentifierAlternatives, 4, true, capabilityIdentifierAlternativeTags);
asn::object* capabilityIdentifier::create() { return new capabilityIdentifier; }

// genericMessage
static const asn::componentEntry genericMessageComponents[] = {
    asn::mandatoryComponent<&genericMessage::messageIdentifier>(offsetof(genericMessage, messageIdentifier), "MessageIdentifier"),
    asn::optionalComponent<&genericMessage::subMessageIdentifier>(offsetof(genericMessage, subMessageIdentifier), "SubMessageIdentifier"),
    asn::optionalComponent<&genericMessage::messageContent>(offsetof(genericMessage, messageContent), "MessageContent"),
};
static const asn::tagTriple genericMessageComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor genericMessage::descriptor = asn::sequenceDescriptor::make(genericMessageComponents, 3, 0x6u, true, genericMessageComponentTags);
genericMessage::genericMessage(const genericMessage& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
genericMessage& genericMessage::operator=(const genericMessage& other) {
  if (this != &other) assign(other);
  return *this;
}
genericMessage::~genericMessage() { reset(); }
asn::object* genericMessage::create() { return new genericMessage; }

// genericInformation
static const asn::componentEntry genericInformationComponents[] = {
    asn::mandatoryComponent<&genericInformation::messageIdentifier>(offsetof(genericInformation, messageIdentifier), "MessageIdentifier"),
    asn::optionalComponent<&genericInformation::subMessageIdentifier>(offsetof(genericInformation, subMessageIdentifier), "SubMessageIdentifier"),
    asn::optionalComponent<&genericInformation::messageContent>(offsetof(genericInformation, messageContent), "MessageContent"),
};
static const asn::tagTriple genericInformationComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor genericInformation::descriptor = asn::sequenceDescriptor::make(genericInformationComponents, 3, 0x6u, true, genericInformationComponentTags);
genericInformation::genericInformation(const genericInformation& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
genericInformation& genericInformation::operator=(const genericInformation& other) {
  if (this != &other) assign(other);
  return *this;
}
genericInformation::~genericInformation() { reset(); }
asn::object* genericInformation::create() { return new genericInformation; }

// nonStandardIdentifier::h221NonStandard_sequence
static const asn::componentEntry nonStandardIdentifier_h221NonStandard_sequenceComponents[] = {
    asn::mandatoryComponent<&nonStandardIdentifier::h221NonStandard_sequence::t35CountryCode>(offsetof(nonStandardIdentifier::h221NonStandard_sequence, t35CountryCode), "T35CountryCode"),
    asn::mandatoryComponent<&nonStandardIdentifier::h221NonStandard_sequence::t35Extension>(offsetof(nonStandardIdentifier::h221NonStandard_sequence, t35Extension), "T35Extension"),
    asn::mandatoryComponent<&nonStandardIdentifier::h221NonStandard_sequence::manufacturerCode>(offsetof(nonStandardIdentifier::h221NonStandard_sequence, manufacturerCode), "ManufacturerCode"),
};
static const asn::tagTriple nonStandardIdentifier_h221NonStandard_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor nonStandardIdentifier::h221NonStandard_sequence::descriptor = asn::sequenceDescriptor::make(nonStandardIdentifier_h221NonStandard_sequenceComponents, 3, 0x0u, false, nonStandardIdentifier_h221NonStandard_sequenceComponentTags);
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

// nonStandardMessage
static const asn::componentEntry nonStandardMessageComponents[] = {
    asn::mandatoryComponent<&nonStandardMessage::nonStandardData>(offsetof(nonStandardMessage, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple nonStandardMessageComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor nonStandardMessage::descriptor = asn::sequenceDescriptor::make(nonStandardMessageComponents, 1, 0x0u, true, nonStandardMessageComponentTags);
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

// masterSlaveDetermination
static const asn::componentEntry masterSlaveDeterminationComponents[] = {
    asn::mandatoryComponent<&masterSlaveDetermination::terminalType>(offsetof(masterSlaveDetermination, terminalType), "TerminalType"),
    asn::mandatoryComponent<&masterSlaveDetermination::statusDeterminationNumber>(offsetof(masterSlaveDetermination, statusDeterminationNumber), "StatusDeterminationNumber"),
};
static const asn::tagTriple masterSlaveDeterminationComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor masterSlaveDetermination::descriptor = asn::sequenceDescriptor::make(masterSlaveDeterminationComponents, 2, 0x0u, true, masterSlaveDeterminationComponentTags);
masterSlaveDetermination::masterSlaveDetermination(const masterSlaveDetermination& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
masterSlaveDetermination& masterSlaveDetermination::operator=(const masterSlaveDetermination& other) {
  if (this != &other) assign(other);
  return *this;
}
masterSlaveDetermination::~masterSlaveDetermination() { reset(); }
asn::object* masterSlaveDetermination::create() { return new masterSlaveDetermination; }

// masterSlaveDeterminationAck::decision_choice
static const asn::alternativeEntry masterSlaveDeterminationAck_decision_choiceAlternatives[] = {
    asn::alternative<asn::null>("Master"),
    asn::alternative<asn::null>("Slave"),
};
static const asn::tagTriple masterSlaveDeterminationAck_decision_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor masterSlaveDeterminationAck::decision_choice::descriptor = asn::choiceDescriptor::make(masterSlaveDeterminationAck_decision_choiceAlternatives, 2, false, masterSlaveDeterminationAck_decision_choiceAlternativeTags);
asn::object* masterSlaveDeterminationAck::decision_choice::create() { return new decision_choice; }

// masterSlaveDeterminationAck
static const asn::componentEntry masterSlaveDeterminationAckComponents[] = {
    asn::mandatoryComponent<&masterSlaveDeterminationAck::decision>(offsetof(masterSlaveDeterminationAck, decision), "Decision"),
};
static const asn::tagTriple masterSlaveDeterminationAckComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor masterSlaveDeterminationAck::descriptor = asn::sequenceDescriptor::make(masterSlaveDeterminationAckComponents, 1, 0x0u, true, masterSlaveDeterminationAckComponentTags);
masterSlaveDeterminationAck::masterSlaveDeterminationAck(const masterSlaveDeterminationAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
masterSlaveDeterminationAck& masterSlaveDeterminationAck::operator=(const masterSlaveDeterminationAck& other) {
  if (this != &other) assign(other);
  return *this;
}
masterSlaveDeterminationAck::~masterSlaveDeterminationAck() { reset(); }
asn::object* masterSlaveDeterminationAck::create() { return new masterSlaveDeterminationAck; }

// masterSlaveDeterminationReject::cause_choice
static const asn::alternativeEntry masterSlaveDeterminationReject_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("IdenticalNumbers"),
};
static const asn::tagTriple masterSlaveDeterminationReject_cause_choiceAlternativeTags[] = {{0, 5, 0}};
const asn::choiceDescriptor masterSlaveDeterminationReject::cause_choice::descriptor = asn::choiceDescriptor::make(masterSlaveDeterminationReject_cause_choiceAlternatives, 1, true, masterSlaveDeterminationReject_cause_choiceAlternativeTags);
asn::object* masterSlaveDeterminationReject::cause_choice::create() { return new cause_choice; }

// masterSlaveDeterminationReject
static const asn::componentEntry masterSlaveDeterminationRejectComponents[] = {
    asn::mandatoryComponent<&masterSlaveDeterminationReject::cause>(offsetof(masterSlaveDeterminationReject, cause), "Cause"),
};
static const asn::tagTriple masterSlaveDeterminationRejectComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor masterSlaveDeterminationReject::descriptor = asn::sequenceDescriptor::make(masterSlaveDeterminationRejectComponents, 1, 0x0u, true, masterSlaveDeterminationRejectComponentTags);
masterSlaveDeterminationReject::masterSlaveDeterminationReject(const masterSlaveDeterminationReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
masterSlaveDeterminationReject& masterSlaveDeterminationReject::operator=(const masterSlaveDeterminationReject& other) {
  if (this != &other) assign(other);
  return *this;
}
masterSlaveDeterminationReject::~masterSlaveDeterminationReject() { reset(); }
asn::object* masterSlaveDeterminationReject::create() { return new masterSlaveDeterminationReject; }

// masterSlaveDeterminationRelease
const asn::sequenceDescriptor masterSlaveDeterminationRelease::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
masterSlaveDeterminationRelease::masterSlaveDeterminationRelease(const masterSlaveDeterminationRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
masterSlaveDeterminationRelease& masterSlaveDeterminationRelease::operator=(const masterSlaveDeterminationRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
masterSlaveDeterminationRelease::~masterSlaveDeterminationRelease() { reset(); }
asn::object* masterSlaveDeterminationRelease::create() { return new masterSlaveDeterminationRelease; }

// terminalCapabilitySet
static const asn::componentEntry terminalCapabilitySetComponents[] = {
    asn::mandatoryComponent<&terminalCapabilitySet::sequenceNumber>(offsetof(terminalCapabilitySet, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&terminalCapabilitySet::protocolIdentifier>(offsetof(terminalCapabilitySet, protocolIdentifier), "ProtocolIdentifier"),
    asn::optionalComponent<&terminalCapabilitySet::multiplexCapability>(offsetof(terminalCapabilitySet, multiplexCapability), "MultiplexCapability"),
    asn::optionalComponent<&terminalCapabilitySet::capabilityTable>(offsetof(terminalCapabilitySet, capabilityTable), "CapabilityTable"),
    asn::optionalComponent<&terminalCapabilitySet::capabilityDescriptors>(offsetof(terminalCapabilitySet, capabilityDescriptors), "CapabilityDescriptors"),
    asn::additionComponent<&terminalCapabilitySet::genericInformation>(offsetof(terminalCapabilitySet, genericInformation), "GenericInformation"),
};
static const asn::tagTriple terminalCapabilitySetComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 0, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor terminalCapabilitySet::descriptor = asn::sequenceDescriptor::make(terminalCapabilitySetComponents, 5, 0x1Cu, true, terminalCapabilitySetComponentTags);
terminalCapabilitySet::terminalCapabilitySet(const terminalCapabilitySet& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalCapabilitySet& terminalCapabilitySet::operator=(const terminalCapabilitySet& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalCapabilitySet::~terminalCapabilitySet() { reset(); }
asn::object* terminalCapabilitySet::create() { return new terminalCapabilitySet; }

// capabilityTableEntry
static const asn::componentEntry capabilityTableEntryComponents[] = {
    asn::mandatoryComponent<&capabilityTableEntry::capabilityTableEntryNumber>(offsetof(capabilityTableEntry, capabilityTableEntryNumber), "CapabilityTableEntryNumber"),
    asn::optionalComponent<&capabilityTableEntry::capability>(offsetof(capabilityTableEntry, capability), "Capability"),
};
static const asn::tagTriple capabilityTableEntryComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor capabilityTableEntry::descriptor = asn::sequenceDescriptor::make(capabilityTableEntryComponents, 2, 0x2u, false, capabilityTableEntryComponentTags);
capabilityTableEntry::capabilityTableEntry(const capabilityTableEntry& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
capabilityTableEntry& capabilityTableEntry::operator=(const capabilityTableEntry& other) {
  if (this != &other) assign(other);
  return *this;
}
capabilityTableEntry::~capabilityTableEntry() { reset(); }
asn::object* capabilityTableEntry::create() { return new capabilityTableEntry; }

// capabilityDescriptor
static const asn::componentEntry capabilityDescriptorComponents[] = {
    asn::mandatoryComponent<&capabilityDescriptor::capabilityDescriptorNumber>(offsetof(capabilityDescriptor, capabilityDescriptorNumber), "CapabilityDescriptorNumber"),
    asn::optionalComponent<&capabilityDescriptor::simultaneousCapabilities>(offsetof(capabilityDescriptor, simultaneousCapabilities), "SimultaneousCapabilities"),
};
static const asn::tagTriple capabilityDescriptorComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor capabilityDescriptor::descriptor = asn::sequenceDescriptor::make(capabilityDescriptorComponents, 2, 0x2u, false, capabilityDescriptorComponentTags);
capabilityDescriptor::capabilityDescriptor(const capabilityDescriptor& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
capabilityDescriptor& capabilityDescriptor::operator=(const capabilityDescriptor& other) {
  if (this != &other) assign(other);
  return *this;
}
capabilityDescriptor::~capabilityDescriptor() { reset(); }
asn::object* capabilityDescriptor::create() { return new capabilityDescriptor; }

// terminalCapabilitySetAck
static const asn::componentEntry terminalCapabilitySetAckComponents[] = {
    asn::mandatoryComponent<&terminalCapabilitySetAck::sequenceNumber>(offsetof(terminalCapabilitySetAck, sequenceNumber), "SequenceNumber"),
    asn::additionComponent<&terminalCapabilitySetAck::genericInformation>(offsetof(terminalCapabilitySetAck, genericInformation), "GenericInformation"),
};
static const asn::tagTriple terminalCapabilitySetAckComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor terminalCapabilitySetAck::descriptor = asn::sequenceDescriptor::make(terminalCapabilitySetAckComponents, 1, 0x0u, true, terminalCapabilitySetAckComponentTags);
terminalCapabilitySetAck::terminalCapabilitySetAck(const terminalCapabilitySetAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalCapabilitySetAck& terminalCapabilitySetAck::operator=(const terminalCapabilitySetAck& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalCapabilitySetAck::~terminalCapabilitySetAck() { reset(); }
asn::object* terminalCapabilitySetAck::create() { return new terminalCapabilitySetAck; }

// terminalCapabilitySetReject::cause_choice::tableEntryCapacityExceeded_choice
static const asn::alternativeEntry terminalCapabilitySetReject_cause_choice_tableEntryCapacityExceeded_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("HighestEntryNumberProcessed"),
    asn::alternative<asn::null>("NoneProcessed"),
};
static const asn::tagTriple terminalCapabilitySetReject_cause_choice_tableEntryCapacityExceeded_choiceAlternativeTags[] = {{0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor terminalCapabilitySetReject::cause_choice::tableEntryCapacityExceeded_choice::descriptor = asn::choiceDescriptor::make(terminalCapabilitySetReject_cause_choice_tableEntryCapacityExceeded_choiceAlternatives, 2, false, terminalCapabilitySetReject_cause_choice_tableEntryCapacityExceeded_choiceAlternativeTags);
asn::object* terminalCapabilitySetReject::cause_choice::tableEntryCapacityExceeded_choice::create() { return new tableEntryCapacityExceeded_choice; }

// terminalCapabilitySetReject::cause_choice
static const asn::alternativeEntry terminalCapabilitySetReject_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unspecified"),
    asn::alternative<asn::null>("UndefinedTableEntryUsed"),
    asn::alternative<asn::null>("DescriptorCapacityExceeded"),
    asn::alternative<H245::terminalCapabilitySetReject::cause_choice::tableEntryCapacityExceeded_choice>("TableEntryCapacityExceeded"),
};
static const asn::tagTriple terminalCapabilitySetReject_cause_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor terminalCapabilitySetReject::cause_choice::descriptor = asn::choiceDescriptor::make(terminalCapabilitySetReject_cause_choiceAlternatives, 4, true, terminalCapabilitySetReject_cause_choiceAlternativeTags);
asn::object* terminalCapabilitySetReject::cause_choice::create() { return new cause_choice; }

// terminalCapabilitySetReject
static const asn::componentEntry terminalCapabilitySetRejectComponents[] = {
    asn::mandatoryComponent<&terminalCapabilitySetReject::sequenceNumber>(offsetof(terminalCapabilitySetReject, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&terminalCapabilitySetReject::cause>(offsetof(terminalCapabilitySetReject, cause), "Cause"),
    asn::additionComponent<&terminalCapabilitySetReject::genericInformation>(offsetof(terminalCapabilitySetReject, genericInformation), "GenericInformation"),
};
static const asn::tagTriple terminalCapabilitySetRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 16, 0}};
const asn::sequenceDescriptor terminalCapabilitySetReject::descriptor = asn::sequenceDescriptor::make(terminalCapabilitySetRejectComponents, 2, 0x0u, true, terminalCapabilitySetRejectComponentTags);
terminalCapabilitySetReject::terminalCapabilitySetReject(const terminalCapabilitySetReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalCapabilitySetReject& terminalCapabilitySetReject::operator=(const terminalCapabilitySetReject& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalCapabilitySetReject::~terminalCapabilitySetReject() { reset(); }
asn::object* terminalCapabilitySetReject::create() { return new terminalCapabilitySetReject; }

// terminalCapabilitySetRelease
static const asn::componentEntry terminalCapabilitySetReleaseComponents[] = {
    asn::additionComponent<&terminalCapabilitySetRelease::genericInformation>(offsetof(terminalCapabilitySetRelease, genericInformation), "GenericInformation"),
};
static const asn::tagTriple terminalCapabilitySetReleaseComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor terminalCapabilitySetRelease::descriptor = asn::sequenceDescriptor::make(terminalCapabilitySetReleaseComponents, 0, 0x0u, true, terminalCapabilitySetReleaseComponentTags);
terminalCapabilitySetRelease::terminalCapabilitySetRelease(const terminalCapabilitySetRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalCapabilitySetRelease& terminalCapabilitySetRelease::operator=(const terminalCapabilitySetRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalCapabilitySetRelease::~terminalCapabilitySetRelease() { reset(); }
asn::object* terminalCapabilitySetRelease::create() { return new terminalCapabilitySetRelease; }

// capability::h233EncryptionReceiveCapability_sequence
static const asn::componentEntry capability_h233EncryptionReceiveCapability_sequenceComponents[] = {
    asn::mandatoryComponent<&capability::h233EncryptionReceiveCapability_sequence::h233IVResponseTime>(offsetof(capability::h233EncryptionReceiveCapability_sequence, h233IVResponseTime), "H233IVResponseTime"),
};
static const asn::tagTriple capability_h233EncryptionReceiveCapability_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor capability::h233EncryptionReceiveCapability_sequence::descriptor = asn::sequenceDescriptor::make(capability_h233EncryptionReceiveCapability_sequenceComponents, 1, 0x0u, true, capability_h233EncryptionReceiveCapability_sequenceComponentTags);
capability::h233EncryptionReceiveCapability_sequence::h233EncryptionReceiveCapability_sequence(const h233EncryptionReceiveCapability_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
capability::h233EncryptionReceiveCapability_sequence& capability::h233EncryptionReceiveCapability_sequence::operator=(const h233EncryptionReceiveCapability_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
capability::h233EncryptionReceiveCapability_sequence::~h233EncryptionReceiveCapability_sequence() { reset(); }
asn::object* capability::h233EncryptionReceiveCapability_sequence::create() { return new h233EncryptionReceiveCapability_sequence; }

// capability
static const asn::alternativeEntry capabilityAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::videoCapability>("ReceiveVideoCapability"),
    asn::alternative<H245::videoCapability>("TransmitVideoCapability"),
    asn::alternative<H245::videoCapability>("ReceiveAndTransmitVideoCapability"),
    asn::alternative<H245::audioCapability>("ReceiveAudioCapability"),
    asn::alternative<H245::audioCapability>("TransmitAudioCapability"),
    asn::alternative<H245::audioCapability>("ReceiveAndTransmitAudioCapability"),
    asn::alternative<H245::dataApplicationCapability>("ReceiveDataApplicationCapability"),
    asn::alternative<H245::dataApplicationCapability>("TransmitDataApplicationCapability"),
    asn::alternative<H245::dataApplicationCapability>("ReceiveAndTransmitDataApplicationCapability"),
    asn::alternative<asn::booltype>("H233EncryptionTransmitCapability"),
    asn::alternative<H245::capability::h233EncryptionReceiveCapability_sequence>("H233EncryptionReceiveCapability"),
    asn::alternative<H245::conferenceCapability>("ConferenceCapability"),
    asn::alternative<H245::h235SecurityCapability>("H235SecurityCapability"),
    asn::alternative<asn::integer<0u, 255u, 1>>("MaxPendingReplacementFor"),
    asn::alternative<H245::userInputCapability>("ReceiveUserInputCapability"),
    asn::alternative<H245::userInputCapability>("TransmitUserInputCapability"),
    asn::alternative<H245::userInputCapability>("ReceiveAndTransmitUserInputCapability"),
    asn::alternative<H245::genericCapability>("GenericControlCapability"),
    asn::alternative<H245::multiplexedStreamCapability>("ReceiveMultiplexedStreamCapability"),
    asn::alternative<H245::multiplexedStreamCapability>("TransmitMultiplexedStreamCapability"),
    asn::alternative<H245::multiplexedStreamCapability>("ReceiveAndTransmitMultiplexedStreamCapability"),
    asn::alternative<H245::audioTelephonyEventCapability>("ReceiveRTPAudioTelephonyEventCapability"),
    asn::alternative<H245::audioToneCapability>("ReceiveRTPAudioToneCapability"),
    asn::alternative<H245::depFECCapability>("DepFecCapability"),
    asn::alternative<H245::multiplePayloadStreamCapability>("MultiplePayloadStreamCapability"),
    asn::alternative<H245::fECCapability>("FecCapability"),
    asn::alternative<H245::redundancyEncodingCapability>("RedundancyEncodingCap"),
    asn::alternative<asn::sequenceOf<asn::integer<1u, 65535u, 1>, 1u, 256u, 1>>("OneOfCapabilities"),
};
static const asn::tagTriple capabilityAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::choiceDescriptor capability::descriptor = asn::choiceDescriptor::make(capabilityAlternatives, 12, true, capabilityAlternativeTags);
asn::object* capability::create() { return new capability; }

// encryptionAuthenticationAndIntegrity
static const asn::componentEntry encryptionAuthenticationAndIntegrityComponents[] = {
    asn::optionalComponent<&encryptionAuthenticationAndIntegrity::encryptionCapability>(offsetof(encryptionAuthenticationAndIntegrity, encryptionCapability), "EncryptionCapability"),
    asn::optionalComponent<&encryptionAuthenticationAndIntegrity::authenticationCapability>(offsetof(encryptionAuthenticationAndIntegrity, authenticationCapability), "AuthenticationCapability"),
    asn::optionalComponent<&encryptionAuthenticationAndIntegrity::integrityCapability>(offsetof(encryptionAuthenticationAndIntegrity, integrityCapability), "IntegrityCapability"),
    asn::additionComponent<&encryptionAuthenticationAndIntegrity::genericH235SecurityCapability>(offsetof(encryptionAuthenticationAndIntegrity, genericH235SecurityCapability), "GenericH235SecurityCapability"),
};
static const asn::tagTriple encryptionAuthenticationAndIntegrityComponentTags[] = {{0, 16, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor encryptionAuthenticationAndIntegrity::descriptor = asn::sequenceDescriptor::make(encryptionAuthenticationAndIntegrityComponents, 3, 0x7u, true, encryptionAuthenticationAndIntegrityComponentTags);
encryptionAuthenticationAndIntegrity::encryptionAuthenticationAndIntegrity(const encryptionAuthenticationAndIntegrity& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
encryptionAuthenticationAndIntegrity& encryptionAuthenticationAndIntegrity::operator=(const encryptionAuthenticationAndIntegrity& other) {
  if (this != &other) assign(other);
  return *this;
}
encryptionAuthenticationAndIntegrity::~encryptionAuthenticationAndIntegrity() { reset(); }
asn::object* encryptionAuthenticationAndIntegrity::create() { return new encryptionAuthenticationAndIntegrity; }

// h235SecurityCapability
static const asn::componentEntry h235SecurityCapabilityComponents[] = {
    asn::mandatoryComponent<&h235SecurityCapability::encryptionAuthenticationAndIntegrity>(offsetof(h235SecurityCapability, encryptionAuthenticationAndIntegrity), "EncryptionAuthenticationAndIntegrity"),
    asn::mandatoryComponent<&h235SecurityCapability::mediaCapability>(offsetof(h235SecurityCapability, mediaCapability), "MediaCapability"),
};
static const asn::tagTriple h235SecurityCapabilityComponentTags[] = {{0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor h235SecurityCapability::descriptor = asn::sequenceDescriptor::make(h235SecurityCapabilityComponents, 2, 0x0u, true, h235SecurityCapabilityComponentTags);
h235SecurityCapability::h235SecurityCapability(const h235SecurityCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h235SecurityCapability& h235SecurityCapability::operator=(const h235SecurityCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
h235SecurityCapability::~h235SecurityCapability() { reset(); }
asn::object* h235SecurityCapability::create() { return new h235SecurityCapability; }

// multiplexCapability
static const asn::alternativeEntry multiplexCapabilityAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::h222Capability>("H222Capability"),
    asn::alternative<H245::h223Capability>("H223Capability"),
    asn::alternative<H245::v76Capability>("V76Capability"),
    asn::alternative<H245::h2250Capability>("H2250Capability"),
    asn::alternative<H245::genericCapability>("GenericMultiplexCapability"),
};
static const asn::tagTriple multiplexCapabilityAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor multiplexCapability::descriptor = asn::choiceDescriptor::make(multiplexCapabilityAlternatives, 4, true, multiplexCapabilityAlternativeTags);
asn::object* multiplexCapability::create() { return new multiplexCapability; }

// q2931Address::address_choice
static const asn::alternativeEntry q2931Address_address_choiceAlternatives[] = {
    asn::alternative<asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u>>("InternationalNumber"),
    asn::alternative<asn::octetString<1u, 20u, 1>>("NsapAddress"),
};
static const asn::tagTriple q2931Address_address_choiceAlternativeTags[] = {{0, 18, 0}, {0, 4, 0}};
const asn::choiceDescriptor q2931Address::address_choice::descriptor = asn::choiceDescriptor::make(q2931Address_address_choiceAlternatives, 2, true, q2931Address_address_choiceAlternativeTags);
asn::object* q2931Address::address_choice::create() { return new address_choice; }

// q2931Address
static const asn::componentEntry q2931AddressComponents[] = {
    asn::mandatoryComponent<&q2931Address::address>(offsetof(q2931Address, address), "Address"),
    asn::optionalComponent<&q2931Address::subaddress>(offsetof(q2931Address, subaddress), "Subaddress"),
};
static const asn::tagTriple q2931AddressComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor q2931Address::descriptor = asn::sequenceDescriptor::make(q2931AddressComponents, 2, 0x2u, true, q2931AddressComponentTags);
q2931Address::q2931Address(const q2931Address& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
q2931Address& q2931Address::operator=(const q2931Address& other) {
  if (this != &other) assign(other);
  return *this;
}
q2931Address::~q2931Address() { reset(); }
asn::object* q2931Address::create() { return new q2931Address; }

// vCCapability::aal1_sequence
static const asn::componentEntry vCCapability_aal1_sequenceComponents[] = {
    asn::mandatoryComponent<&vCCapability::aal1_sequence::nullClockRecovery>(offsetof(vCCapability::aal1_sequence, nullClockRecovery), "NullClockRecovery"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::srtsClockRecovery>(offsetof(vCCapability::aal1_sequence, srtsClockRecovery), "SrtsClockRecovery"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::adaptiveClockRecovery>(offsetof(vCCapability::aal1_sequence, adaptiveClockRecovery), "AdaptiveClockRecovery"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::nullErrorCorrection>(offsetof(vCCapability::aal1_sequence, nullErrorCorrection), "NullErrorCorrection"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::longInterleaver>(offsetof(vCCapability::aal1_sequence, longInterleaver), "LongInterleaver"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::shortInterleaver>(offsetof(vCCapability::aal1_sequence, shortInterleaver), "ShortInterleaver"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::errorCorrectionOnly>(offsetof(vCCapability::aal1_sequence, errorCorrectionOnly), "ErrorCorrectionOnly"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::structuredDataTransfer>(offsetof(vCCapability::aal1_sequence, structuredDataTransfer), "StructuredDataTransfer"),
    asn::mandatoryComponent<&vCCapability::aal1_sequence::partiallyFilledCells>(offsetof(vCCapability::aal1_sequence, partiallyFilledCells), "PartiallyFilledCells"),
};
static const asn::tagTriple vCCapability_aal1_sequenceComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor vCCapability::aal1_sequence::descriptor = asn::sequenceDescriptor::make(vCCapability_aal1_sequenceComponents, 9, 0x0u, true, vCCapability_aal1_sequenceComponentTags);
vCCapability::aal1_sequence::aal1_sequence(const aal1_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vCCapability::aal1_sequence& vCCapability::aal1_sequence::operator=(const aal1_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
vCCapability::aal1_sequence::~aal1_sequence() { reset(); }
asn::object* vCCapability::aal1_sequence::create() { return new aal1_sequence; }

// vCCapability::aal5_sequence
static const asn::componentEntry vCCapability_aal5_sequenceComponents[] = {
    asn::mandatoryComponent<&vCCapability::aal5_sequence::forwardMaximumSDUSize>(offsetof(vCCapability::aal5_sequence, forwardMaximumSDUSize), "ForwardMaximumSDUSize"),
    asn::mandatoryComponent<&vCCapability::aal5_sequence::backwardMaximumSDUSize>(offsetof(vCCapability::aal5_sequence, backwardMaximumSDUSize), "BackwardMaximumSDUSize"),
};
static const asn::tagTriple vCCapability_aal5_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor vCCapability::aal5_sequence::descriptor = asn::sequenceDescriptor::make(vCCapability_aal5_sequenceComponents, 2, 0x0u, true, vCCapability_aal5_sequenceComponentTags);
vCCapability::aal5_sequence::aal5_sequence(const aal5_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vCCapability::aal5_sequence& vCCapability::aal5_sequence::operator=(const aal5_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
vCCapability::aal5_sequence::~aal5_sequence() { reset(); }
asn::object* vCCapability::aal5_sequence::create() { return new aal5_sequence; }

// vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence
static const asn::componentEntry vCCapability_availableBitRates_sequence_type_choice_rangeOfBitRates_sequenceComponents[] = {
    asn::mandatoryComponent<&vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::lowerBitRate>(offsetof(vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence, lowerBitRate), "LowerBitRate"),
    asn::mandatoryComponent<&vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::higherBitRate>(offsetof(vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence, higherBitRate), "HigherBitRate"),
};
static const asn::tagTriple vCCapability_availableBitRates_sequence_type_choice_rangeOfBitRates_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::descriptor = asn::sequenceDescriptor::make(vCCapability_availableBitRates_sequence_type_choice_rangeOfBitRates_sequenceComponents, 2, 0x0u, false, vCCapability_availableBitRates_sequence_type_choice_rangeOfBitRates_sequenceComponentTags);
vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::rangeOfBitRates_sequence(const rangeOfBitRates_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence& vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::operator=(const rangeOfBitRates_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::~rangeOfBitRates_sequence() { reset(); }
asn::object* vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence::create() { return new rangeOfBitRates_sequence; }

// vCCapability::availableBitRates_sequence::type_choice
static const asn::alternativeEntry vCCapability_availableBitRates_sequence_type_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("SingleBitRate"),
    asn::alternative<H245::vCCapability::availableBitRates_sequence::type_choice::rangeOfBitRates_sequence>("RangeOfBitRates"),
};
static const asn::tagTriple vCCapability_availableBitRates_sequence_type_choiceAlternativeTags[] = {{0, 2, 0}, {0, 16, 1}};
const asn::choiceDescriptor vCCapability::availableBitRates_sequence::type_choice::descriptor = asn::choiceDescriptor::make(vCCapability_availableBitRates_sequence_type_choiceAlternatives, 2, false, vCCapability_availableBitRates_sequence_type_choiceAlternativeTags);
asn::object* vCCapability::availableBitRates_sequence::type_choice::create() { return new type_choice; }

// vCCapability::availableBitRates_sequence
static const asn::componentEntry vCCapability_availableBitRates_sequenceComponents[] = {
    asn::mandatoryComponent<&vCCapability::availableBitRates_sequence::type>(offsetof(vCCapability::availableBitRates_sequence, type), "Type"),
};
static const asn::tagTriple vCCapability_availableBitRates_sequenceComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor vCCapability::availableBitRates_sequence::descriptor = asn::sequenceDescriptor::make(vCCapability_availableBitRates_sequenceComponents, 1, 0x0u, true, vCCapability_availableBitRates_sequenceComponentTags);
vCCapability::availableBitRates_sequence::availableBitRates_sequence(const availableBitRates_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vCCapability::availableBitRates_sequence& vCCapability::availableBitRates_sequence::operator=(const availableBitRates_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
vCCapability::availableBitRates_sequence::~availableBitRates_sequence() { reset(); }
asn::object* vCCapability::availableBitRates_sequence::create() { return new availableBitRates_sequence; }

// vCCapability::aal1ViaGateway_sequence
static const asn::componentEntry vCCapability_aal1ViaGateway_sequenceComponents[] = {
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::gatewayAddress>(offsetof(vCCapability::aal1ViaGateway_sequence, gatewayAddress), "GatewayAddress"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::nullClockRecovery>(offsetof(vCCapability::aal1ViaGateway_sequence, nullClockRecovery), "NullClockRecovery"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::srtsClockRecovery>(offsetof(vCCapability::aal1ViaGateway_sequence, srtsClockRecovery), "SrtsClockRecovery"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::adaptiveClockRecovery>(offsetof(vCCapability::aal1ViaGateway_sequence, adaptiveClockRecovery), "AdaptiveClockRecovery"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::nullErrorCorrection>(offsetof(vCCapability::aal1ViaGateway_sequence, nullErrorCorrection), "NullErrorCorrection"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::longInterleaver>(offsetof(vCCapability::aal1ViaGateway_sequence, longInterleaver), "LongInterleaver"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::shortInterleaver>(offsetof(vCCapability::aal1ViaGateway_sequence, shortInterleaver), "ShortInterleaver"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::errorCorrectionOnly>(offsetof(vCCapability::aal1ViaGateway_sequence, errorCorrectionOnly), "ErrorCorrectionOnly"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::structuredDataTransfer>(offsetof(vCCapability::aal1ViaGateway_sequence, structuredDataTransfer), "StructuredDataTransfer"),
    asn::mandatoryComponent<&vCCapability::aal1ViaGateway_sequence::partiallyFilledCells>(offsetof(vCCapability::aal1ViaGateway_sequence, partiallyFilledCells), "PartiallyFilledCells"),
};
static const asn::tagTriple vCCapability_aal1ViaGateway_sequenceComponentTags[] = {{0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor vCCapability::aal1ViaGateway_sequence::descriptor = asn::sequenceDescriptor::make(vCCapability_aal1ViaGateway_sequenceComponents, 10, 0x0u, true, vCCapability_aal1ViaGateway_sequenceComponentTags);
vCCapability::aal1ViaGateway_sequence::aal1ViaGateway_sequence(const aal1ViaGateway_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vCCapability::aal1ViaGateway_sequence& vCCapability::aal1ViaGateway_sequence::operator=(const aal1ViaGateway_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
vCCapability::aal1ViaGateway_sequence::~aal1ViaGateway_sequence() { reset(); }
asn::object* vCCapability::aal1ViaGateway_sequence::create() { return new aal1ViaGateway_sequence; }

// vCCapability
static const asn::componentEntry vCCapabilityComponents[] = {
    asn::optionalComponent<&vCCapability::aal1>(offsetof(vCCapability, aal1), "Aal1"),
    asn::optionalComponent<&vCCapability::aal5>(offsetof(vCCapability, aal5), "Aal5"),
    asn::mandatoryComponent<&vCCapability::transportStream>(offsetof(vCCapability, transportStream), "TransportStream"),
    asn::mandatoryComponent<&vCCapability::programStream>(offsetof(vCCapability, programStream), "ProgramStream"),
    asn::mandatoryComponent<&vCCapability::availableBitRates>(offsetof(vCCapability, availableBitRates), "AvailableBitRates"),
    asn::additionComponent<&vCCapability::aal1ViaGateway>(offsetof(vCCapability, aal1ViaGateway), "Aal1ViaGateway"),
};
static const asn::tagTriple vCCapabilityComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor vCCapability::descriptor = asn::sequenceDescriptor::make(vCCapabilityComponents, 5, 0x3u, true, vCCapabilityComponentTags);
vCCapability::vCCapability(const vCCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vCCapability& vCCapability::operator=(const vCCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
vCCapability::~vCCapability() { reset(); }
asn::object* vCCapability::create() { return new vCCapability; }

// h222Capability
static const asn::componentEntry h222CapabilityComponents[] = {
    asn::mandatoryComponent<&h222Capability::numberOfVCs>(offsetof(h222Capability, numberOfVCs), "NumberOfVCs"),
    asn::mandatoryComponent<&h222Capability::vcCapability>(offsetof(h222Capability, vcCapability), "VcCapability"),
};
static const asn::tagTriple h222CapabilityComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor h222Capability::descriptor = asn::sequenceDescriptor::make(h222CapabilityComponents, 2, 0x0u, true, h222CapabilityComponentTags);
h222Capability::h222Capability(const h222Capability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h222Capability& h222Capability::operator=(const h222Capability& other) {
  if (this != &other) assign(other);
  return *this;
}
h222Capability::~h222Capability() { reset(); }
asn::object* h222Capability::create() { return new h222Capability; }

// h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence
static const asn::componentEntry h223Capability_h223MultiplexTableCapability_choice_enhanced_sequenceComponents[] = {
    asn::mandatoryComponent<&h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::maximumNestingDepth>(offsetof(h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence, maximumNestingDepth), "MaximumNestingDepth"),
    asn::mandatoryComponent<&h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::maximumElementListSize>(offsetof(h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence, maximumElementListSize), "MaximumElementListSize"),
    asn::mandatoryComponent<&h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::maximumSubElementListSize>(offsetof(h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence, maximumSubElementListSize), "MaximumSubElementListSize"),
};
static const asn::tagTriple h223Capability_h223MultiplexTableCapability_choice_enhanced_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::descriptor = asn::sequenceDescriptor::make(h223Capability_h223MultiplexTableCapability_choice_enhanced_sequenceComponents, 3, 0x0u, true, h223Capability_h223MultiplexTableCapability_choice_enhanced_sequenceComponentTags);
h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::enhanced_sequence(const enhanced_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence& h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::operator=(const enhanced_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::~enhanced_sequence() { reset(); }
asn::object* h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence::create() { return new enhanced_sequence; }

// h223Capability::h223MultiplexTableCapability_choice
static const asn::alternativeEntry h223Capability_h223MultiplexTableCapability_choiceAlternatives[] = {
    asn::alternative<asn::null>("Basic"),
    asn::alternative<H245::h223Capability::h223MultiplexTableCapability_choice::enhanced_sequence>("Enhanced"),
};
static const asn::tagTriple h223Capability_h223MultiplexTableCapability_choiceAlternativeTags[] = {{0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor h223Capability::h223MultiplexTableCapability_choice::descriptor = asn::choiceDescriptor::make(h223Capability_h223MultiplexTableCapability_choiceAlternatives, 2, false, h223Capability_h223MultiplexTableCapability_choiceAlternativeTags);
asn::object* h223Capability::h223MultiplexTableCapability_choice::create() { return new h223MultiplexTableCapability_choice; }

// h223Capability::mobileOperationTransmitCapability_sequence
static const asn::componentEntry h223Capability_mobileOperationTransmitCapability_sequenceComponents[] = {
    asn::mandatoryComponent<&h223Capability::mobileOperationTransmitCapability_sequence::modeChangeCapability>(offsetof(h223Capability::mobileOperationTransmitCapability_sequence, modeChangeCapability), "ModeChangeCapability"),
    asn::mandatoryComponent<&h223Capability::mobileOperationTransmitCapability_sequence::h223AnnexA>(offsetof(h223Capability::mobileOperationTransmitCapability_sequence, h223AnnexA), "H223AnnexA"),
    asn::mandatoryComponent<&h223Capability::mobileOperationTransmitCapability_sequence::h223AnnexADoubleFlag>(offsetof(h223Capability::mobileOperationTransmitCapability_sequence, h223AnnexADoubleFlag), "H223AnnexADoubleFlag"),
    asn::mandatoryComponent<&h223Capability::mobileOperationTransmitCapability_sequence::h223AnnexB>(offsetof(h223Capability::mobileOperationTransmitCapability_sequence, h223AnnexB), "H223AnnexB"),
    asn::mandatoryComponent<&h223Capability::mobileOperationTransmitCapability_sequence::h223AnnexBwithHeader>(offsetof(h223Capability::mobileOperationTransmitCapability_sequence, h223AnnexBwithHeader), "H223AnnexBwithHeader"),
};
static const asn::tagTriple h223Capability_mobileOperationTransmitCapability_sequenceComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h223Capability::mobileOperationTransmitCapability_sequence::descriptor = asn::sequenceDescriptor::make(h223Capability_mobileOperationTransmitCapability_sequenceComponents, 5, 0x0u, true, h223Capability_mobileOperationTransmitCapability_sequenceComponentTags);
h223Capability::mobileOperationTransmitCapability_sequence::mobileOperationTransmitCapability_sequence(const mobileOperationTransmitCapability_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223Capability::mobileOperationTransmitCapability_sequence& h223Capability::mobileOperationTransmitCapability_sequence::operator=(const mobileOperationTransmitCapability_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h223Capability::mobileOperationTransmitCapability_sequence::~mobileOperationTransmitCapability_sequence() { reset(); }
asn::object* h223Capability::mobileOperationTransmitCapability_sequence::create() { return new mobileOperationTransmitCapability_sequence; }

// h223Capability::mobileMultilinkFrameCapability_sequence
static const asn::componentEntry h223Capability_mobileMultilinkFrameCapability_sequenceComponents[] = {
    asn::mandatoryComponent<&h223Capability::mobileMultilinkFrameCapability_sequence::maximumSampleSize>(offsetof(h223Capability::mobileMultilinkFrameCapability_sequence, maximumSampleSize), "MaximumSampleSize"),
    asn::mandatoryComponent<&h223Capability::mobileMultilinkFrameCapability_sequence::maximumPayloadLength>(offsetof(h223Capability::mobileMultilinkFrameCapability_sequence, maximumPayloadLength), "MaximumPayloadLength"),
};
static const asn::tagTriple h223Capability_mobileMultilinkFrameCapability_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223Capability::mobileMultilinkFrameCapability_sequence::descriptor = asn::sequenceDescriptor::make(h223Capability_mobileMultilinkFrameCapability_sequenceComponents, 2, 0x0u, true, h223Capability_mobileMultilinkFrameCapability_sequenceComponentTags);
h223Capability::mobileMultilinkFrameCapability_sequence::mobileMultilinkFrameCapability_sequence(const mobileMultilinkFrameCapability_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223Capability::mobileMultilinkFrameCapability_sequence& h223Capability::mobileMultilinkFrameCapability_sequence::operator=(const mobileMultilinkFrameCapability_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h223Capability::mobileMultilinkFrameCapability_sequence::~mobileMultilinkFrameCapability_sequence() { reset(); }
asn::object* h223Capability::mobileMultilinkFrameCapability_sequence::create() { return new mobileMultilinkFrameCapability_sequence; }

// h223Capability
static const asn::componentEntry h223CapabilityComponents[] = {
    asn::mandatoryComponent<&h223Capability::transportWithI_frames>(offsetof(h223Capability, transportWithI_frames), "TransportWithI_frames"),
    asn::mandatoryComponent<&h223Capability::videoWithAL1>(offsetof(h223Capability, videoWithAL1), "VideoWithAL1"),
    asn::mandatoryComponent<&h223Capability::videoWithAL2>(offsetof(h223Capability, videoWithAL2), "VideoWithAL2"),
    asn::mandatoryComponent<&h223Capability::videoWithAL3>(offsetof(h223Capability, videoWithAL3), "VideoWithAL3"),
    asn::mandatoryComponent<&h223Capability::audioWithAL1>(offsetof(h223Capability, audioWithAL1), "AudioWithAL1"),
    asn::mandatoryComponent<&h223Capability::audioWithAL2>(offsetof(h223Capability, audioWithAL2), "AudioWithAL2"),
    asn::mandatoryComponent<&h223Capability::audioWithAL3>(offsetof(h223Capability, audioWithAL3), "AudioWithAL3"),
    asn::mandatoryComponent<&h223Capability::dataWithAL1>(offsetof(h223Capability, dataWithAL1), "DataWithAL1"),
    asn::mandatoryComponent<&h223Capability::dataWithAL2>(offsetof(h223Capability, dataWithAL2), "DataWithAL2"),
    asn::mandatoryComponent<&h223Capability::dataWithAL3>(offsetof(h223Capability, dataWithAL3), "DataWithAL3"),
    asn::mandatoryComponent<&h223Capability::maximumAl2SDUSize>(offsetof(h223Capability, maximumAl2SDUSize), "MaximumAl2SDUSize"),
    asn::mandatoryComponent<&h223Capability::maximumAl3SDUSize>(offsetof(h223Capability, maximumAl3SDUSize), "MaximumAl3SDUSize"),
    asn::mandatoryComponent<&h223Capability::maximumDelayJitter>(offsetof(h223Capability, maximumDelayJitter), "MaximumDelayJitter"),
    asn::mandatoryComponent<&h223Capability::h223MultiplexTableCapability>(offsetof(h223Capability, h223MultiplexTableCapability), "H223MultiplexTableCapability"),
    asn::additionComponent<&h223Capability::maxMUXPDUSizeCapability>(offsetof(h223Capability, maxMUXPDUSizeCapability), "MaxMUXPDUSizeCapability"),
    asn::additionComponent<&h223Capability::nsrpSupport>(offsetof(h223Capability, nsrpSupport), "NsrpSupport"),
    asn::additionComponent<&h223Capability::mobileOperationTransmitCapability>(offsetof(h223Capability, mobileOperationTransmitCapability), "MobileOperationTransmitCapability"),
    asn::additionComponent<&h223Capability::h223AnnexCCapability>(offsetof(h223Capability, h223AnnexCCapability), "H223AnnexCCapability"),
    asn::additionComponent<&h223Capability::bitRate>(offsetof(h223Capability, bitRate), "BitRate"),
    asn::additionComponent<&h223Capability::mobileMultilinkFrameCapability>(offsetof(h223Capability, mobileMultilinkFrameCapability), "MobileMultilinkFrameCapability"),
};
static const asn::tagTriple h223CapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor h223Capability::descriptor = asn::sequenceDescriptor::make(h223CapabilityComponents, 14, 0x0u, true, h223CapabilityComponentTags);
h223Capability::h223Capability(const h223Capability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223Capability& h223Capability::operator=(const h223Capability& other) {
  if (this != &other) assign(other);
  return *this;
}
h223Capability::~h223Capability() { reset(); }
asn::object* h223Capability::create() { return new h223Capability; }

// h223AnnexCCapability
static const asn::componentEntry h223AnnexCCapabilityComponents[] = {
    asn::mandatoryComponent<&h223AnnexCCapability::videoWithAL1M>(offsetof(h223AnnexCCapability, videoWithAL1M), "VideoWithAL1M"),
    asn::mandatoryComponent<&h223AnnexCCapability::videoWithAL2M>(offsetof(h223AnnexCCapability, videoWithAL2M), "VideoWithAL2M"),
    asn::mandatoryComponent<&h223AnnexCCapability::videoWithAL3M>(offsetof(h223AnnexCCapability, videoWithAL3M), "VideoWithAL3M"),
    asn::mandatoryComponent<&h223AnnexCCapability::audioWithAL1M>(offsetof(h223AnnexCCapability, audioWithAL1M), "AudioWithAL1M"),
    asn::mandatoryComponent<&h223AnnexCCapability::audioWithAL2M>(offsetof(h223AnnexCCapability, audioWithAL2M), "AudioWithAL2M"),
    asn::mandatoryComponent<&h223AnnexCCapability::audioWithAL3M>(offsetof(h223AnnexCCapability, audioWithAL3M), "AudioWithAL3M"),
    asn::mandatoryComponent<&h223AnnexCCapability::dataWithAL1M>(offsetof(h223AnnexCCapability, dataWithAL1M), "DataWithAL1M"),
    asn::mandatoryComponent<&h223AnnexCCapability::dataWithAL2M>(offsetof(h223AnnexCCapability, dataWithAL2M), "DataWithAL2M"),
    asn::mandatoryComponent<&h223AnnexCCapability::dataWithAL3M>(offsetof(h223AnnexCCapability, dataWithAL3M), "DataWithAL3M"),
    asn::mandatoryComponent<&h223AnnexCCapability::alpduInterleaving>(offsetof(h223AnnexCCapability, alpduInterleaving), "AlpduInterleaving"),
    asn::mandatoryComponent<&h223AnnexCCapability::maximumAL1MPDUSize>(offsetof(h223AnnexCCapability, maximumAL1MPDUSize), "MaximumAL1MPDUSize"),
    asn::mandatoryComponent<&h223AnnexCCapability::maximumAL2MSDUSize>(offsetof(h223AnnexCCapability, maximumAL2MSDUSize), "MaximumAL2MSDUSize"),
    asn::mandatoryComponent<&h223AnnexCCapability::maximumAL3MSDUSize>(offsetof(h223AnnexCCapability, maximumAL3MSDUSize), "MaximumAL3MSDUSize"),
    asn::additionComponent<&h223AnnexCCapability::rsCodeCapability>(offsetof(h223AnnexCCapability, rsCodeCapability), "RsCodeCapability"),
};
static const asn::tagTriple h223AnnexCCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h223AnnexCCapability::descriptor = asn::sequenceDescriptor::make(h223AnnexCCapabilityComponents, 13, 0x0u, true, h223AnnexCCapabilityComponentTags);
h223AnnexCCapability::h223AnnexCCapability(const h223AnnexCCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223AnnexCCapability& h223AnnexCCapability::operator=(const h223AnnexCCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
h223AnnexCCapability::~h223AnnexCCapability() { reset(); }
asn::object* h223AnnexCCapability::create() { return new h223AnnexCCapability; }

// v75Capability
static const asn::componentEntry v75CapabilityComponents[] = {
    asn::mandatoryComponent<&v75Capability::audioHeader>(offsetof(v75Capability, audioHeader), "AudioHeader"),
};
static const asn::tagTriple v75CapabilityComponentTags[] = {{0, 1, 0}};
const asn::sequenceDescriptor v75Capability::descriptor = asn::sequenceDescriptor::make(v75CapabilityComponents, 1, 0x0u, true, v75CapabilityComponentTags);
v75Capability::v75Capability(const v75Capability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v75Capability& v75Capability::operator=(const v75Capability& other) {
  if (this != &other) assign(other);
  return *this;
}
v75Capability::~v75Capability() { reset(); }
asn::object* v75Capability::create() { return new v75Capability; }

// v76Capability
static const asn::componentEntry v76CapabilityComponents[] = {
    asn::mandatoryComponent<&v76Capability::suspendResumeCapabilitywAddress>(offsetof(v76Capability, suspendResumeCapabilitywAddress), "SuspendResumeCapabilitywAddress"),
    asn::mandatoryComponent<&v76Capability::suspendResumeCapabilitywoAddress>(offsetof(v76Capability, suspendResumeCapabilitywoAddress), "SuspendResumeCapabilitywoAddress"),
    asn::mandatoryComponent<&v76Capability::rejCapability>(offsetof(v76Capability, rejCapability), "RejCapability"),
    asn::mandatoryComponent<&v76Capability::sREJCapability>(offsetof(v76Capability, sREJCapability), "SREJCapability"),
    asn::mandatoryComponent<&v76Capability::mREJCapability>(offsetof(v76Capability, mREJCapability), "MREJCapability"),
    asn::mandatoryComponent<&v76Capability::crc8bitCapability>(offsetof(v76Capability, crc8bitCapability), "Crc8bitCapability"),
    asn::mandatoryComponent<&v76Capability::crc16bitCapability>(offsetof(v76Capability, crc16bitCapability), "Crc16bitCapability"),
    asn::mandatoryComponent<&v76Capability::crc32bitCapability>(offsetof(v76Capability, crc32bitCapability), "Crc32bitCapability"),
    asn::mandatoryComponent<&v76Capability::uihCapability>(offsetof(v76Capability, uihCapability), "UihCapability"),
    asn::mandatoryComponent<&v76Capability::numOfDLCS>(offsetof(v76Capability, numOfDLCS), "NumOfDLCS"),
    asn::mandatoryComponent<&v76Capability::twoOctetAddressFieldCapability>(offsetof(v76Capability, twoOctetAddressFieldCapability), "TwoOctetAddressFieldCapability"),
    asn::mandatoryComponent<&v76Capability::loopBackTestCapability>(offsetof(v76Capability, loopBackTestCapability), "LoopBackTestCapability"),
    asn::mandatoryComponent<&v76Capability::n401Capability>(offsetof(v76Capability, n401Capability), "N401Capability"),
    asn::mandatoryComponent<&v76Capability::maxWindowSizeCapability>(offsetof(v76Capability, maxWindowSizeCapability), "MaxWindowSizeCapability"),
    asn::mandatoryComponent<&v76Capability::v75Capability>(offsetof(v76Capability, v75Capability), "V75Capability"),
};
static const asn::tagTriple v76CapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor v76Capability::descriptor = asn::sequenceDescriptor::make(v76CapabilityComponents, 15, 0x0u, true, v76CapabilityComponentTags);
v76Capability::v76Capability(const v76Capability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v76Capability& v76Capability::operator=(const v76Capability& other) {
  if (this != &other) assign(other);
  return *this;
}
v76Capability::~v76Capability() { reset(); }
asn::object* v76Capability::create() { return new v76Capability; }

// mediaPacketizationCapability
static const asn::componentEntry mediaPacketizationCapabilityComponents[] = {
    asn::mandatoryComponent<&mediaPacketizationCapability::h261aVideoPacketization>(offsetof(mediaPacketizationCapability, h261aVideoPacketization), "H261aVideoPacketization"),
    asn::additionComponent<&mediaPacketizationCapability::rtpPayloadType>(offsetof(mediaPacketizationCapability, rtpPayloadType), "RtpPayloadType"),
};
static const asn::tagTriple mediaPacketizationCapabilityComponentTags[] = {{0, 1, 0}, {0, 16, 0}};
const asn::sequenceDescriptor mediaPacketizationCapability::descriptor = asn::sequenceDescriptor::make(mediaPacketizationCapabilityComponents, 1, 0x0u, true, mediaPacketizationCapabilityComponentTags);
mediaPacketizationCapability::mediaPacketizationCapability(const mediaPacketizationCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mediaPacketizationCapability& mediaPacketizationCapability::operator=(const mediaPacketizationCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
mediaPacketizationCapability::~mediaPacketizationCapability() { reset(); }
asn::object* mediaPacketizationCapability::create() { return new mediaPacketizationCapability; }

// mediaDistributionCapability
static const asn::componentEntry mediaDistributionCapabilityComponents[] = {
    asn::mandatoryComponent<&mediaDistributionCapability::centralizedControl>(offsetof(mediaDistributionCapability, centralizedControl), "CentralizedControl"),
    asn::mandatoryComponent<&mediaDistributionCapability::distributedControl>(offsetof(mediaDistributionCapability, distributedControl), "DistributedControl"),
    asn::mandatoryComponent<&mediaDistributionCapability::centralizedAudio>(offsetof(mediaDistributionCapability, centralizedAudio), "CentralizedAudio"),
    asn::mandatoryComponent<&mediaDistributionCapability::distributedAudio>(offsetof(mediaDistributionCapability, distributedAudio), "DistributedAudio"),
    asn::mandatoryComponent<&mediaDistributionCapability::centralizedVideo>(offsetof(mediaDistributionCapability, centralizedVideo), "CentralizedVideo"),
    asn::mandatoryComponent<&mediaDistributionCapability::distributedVideo>(offsetof(mediaDistributionCapability, distributedVideo), "DistributedVideo"),
    asn::optionalComponent<&mediaDistributionCapability::centralizedData>(offsetof(mediaDistributionCapability, centralizedData), "CentralizedData"),
    asn::optionalComponent<&mediaDistributionCapability::distributedData>(offsetof(mediaDistributionCapability, distributedData), "DistributedData"),
};
static const asn::tagTriple mediaDistributionCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor mediaDistributionCapability::descriptor = asn::sequenceDescriptor::make(mediaDistributionCapabilityComponents, 8, 0xC0u, true, mediaDistributionCapabilityComponentTags);
mediaDistributionCapability::mediaDistributionCapability(const mediaDistributionCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mediaDistributionCapability& mediaDistributionCapability::operator=(const mediaDistributionCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
mediaDistributionCapability::~mediaDistributionCapability() { reset(); }
asn::object* mediaDistributionCapability::create() { return new mediaDistributionCapability; }

// multipointCapability
static const asn::componentEntry multipointCapabilityComponents[] = {
    asn::mandatoryComponent<&multipointCapability::multicastCapability>(offsetof(multipointCapability, multicastCapability), "MulticastCapability"),
    asn::mandatoryComponent<&multipointCapability::multiUniCastConference>(offsetof(multipointCapability, multiUniCastConference), "MultiUniCastConference"),
    asn::mandatoryComponent<&multipointCapability::mediaDistributionCapability>(offsetof(multipointCapability, mediaDistributionCapability), "MediaDistributionCapability"),
};
static const asn::tagTriple multipointCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 16, 0}};
const asn::sequenceDescriptor multipointCapability::descriptor = asn::sequenceDescriptor::make(multipointCapabilityComponents, 3, 0x0u, true, multipointCapabilityComponentTags);
multipointCapability::multipointCapability(const multipointCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multipointCapability& multipointCapability::operator=(const multipointCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
multipointCapability::~multipointCapability() { reset(); }
asn::object* multipointCapability::create() { return new multipointCapability; }

// h2250Capability::mcCapability_sequence
static const asn::componentEntry h2250Capability_mcCapability_sequenceComponents[] = {
    asn::mandatoryComponent<&h2250Capability::mcCapability_sequence::centralizedConferenceMC>(offsetof(h2250Capability::mcCapability_sequence, centralizedConferenceMC), "CentralizedConferenceMC"),
    asn::mandatoryComponent<&h2250Capability::mcCapability_sequence::decentralizedConferenceMC>(offsetof(h2250Capability::mcCapability_sequence, decentralizedConferenceMC), "DecentralizedConferenceMC"),
};
static const asn::tagTriple h2250Capability_mcCapability_sequenceComponentTags[] = {{0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h2250Capability::mcCapability_sequence::descriptor = asn::sequenceDescriptor::make(h2250Capability_mcCapability_sequenceComponents, 2, 0x0u, true, h2250Capability_mcCapability_sequenceComponentTags);
h2250Capability::mcCapability_sequence::mcCapability_sequence(const mcCapability_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h2250Capability::mcCapability_sequence& h2250Capability::mcCapability_sequence::operator=(const mcCapability_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h2250Capability::mcCapability_sequence::~mcCapability_sequence() { reset(); }
asn::object* h2250Capability::mcCapability_sequence::create() { return new mcCapability_sequence; }

// h2250Capability
static const asn::componentEntry h2250CapabilityComponents[] = {
    asn::mandatoryComponent<&h2250Capability::maximumAudioDelayJitter>(offsetof(h2250Capability, maximumAudioDelayJitter), "MaximumAudioDelayJitter"),
    asn::mandatoryComponent<&h2250Capability::receiveMultipointCapability>(offsetof(h2250Capability, receiveMultipointCapability), "ReceiveMultipointCapability"),
    asn::mandatoryComponent<&h2250Capability::transmitMultipointCapability>(offsetof(h2250Capability, transmitMultipointCapability), "TransmitMultipointCapability"),
    asn::mandatoryComponent<&h2250Capability::receiveAndTransmitMultipointCapability>(offsetof(h2250Capability, receiveAndTransmitMultipointCapability), "ReceiveAndTransmitMultipointCapability"),
    asn::mandatoryComponent<&h2250Capability::mcCapability>(offsetof(h2250Capability, mcCapability), "McCapability"),
    asn::mandatoryComponent<&h2250Capability::rtcpVideoControlCapability>(offsetof(h2250Capability, rtcpVideoControlCapability), "RtcpVideoControlCapability"),
    asn::mandatoryComponent<&h2250Capability::mediaPacketizationCapability>(offsetof(h2250Capability, mediaPacketizationCapability), "MediaPacketizationCapability"),
    asn::additionComponent<&h2250Capability::transportCapability>(offsetof(h2250Capability, transportCapability), "TransportCapability"),
    asn::additionComponent<&h2250Capability::redundancyEncodingCapability>(offsetof(h2250Capability, redundancyEncodingCapability), "RedundancyEncodingCapability"),
    asn::additionComponent<&h2250Capability::logicalChannelSwitchingCapability>(offsetof(h2250Capability, logicalChannelSwitchingCapability), "LogicalChannelSwitchingCapability"),
    asn::additionComponent<&h2250Capability::t120DynamicPortCapability>(offsetof(h2250Capability, t120DynamicPortCapability), "T120DynamicPortCapability"),
};
static const asn::tagTriple h2250CapabilityComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h2250Capability::descriptor = asn::sequenceDescriptor::make(h2250CapabilityComponents, 7, 0x0u, true, h2250CapabilityComponentTags);
h2250Capability::h2250Capability(const h2250Capability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h2250Capability& h2250Capability::operator=(const h2250Capability& other) {
  if (this != &other) assign(other);
  return *this;
}
h2250Capability::~h2250Capability() { reset(); }
asn::object* h2250Capability::create() { return new h2250Capability; }

// rSVPParameters
static const asn::componentEntry rSVPParametersComponents[] = {
    asn::optionalComponent<&rSVPParameters::qosMode>(offsetof(rSVPParameters, qosMode), "QosMode"),
    asn::optionalComponent<&rSVPParameters::tokenRate>(offsetof(rSVPParameters, tokenRate), "TokenRate"),
    asn::optionalComponent<&rSVPParameters::bucketSize>(offsetof(rSVPParameters, bucketSize), "BucketSize"),
    asn::optionalComponent<&rSVPParameters::peakRate>(offsetof(rSVPParameters, peakRate), "PeakRate"),
    asn::optionalComponent<&rSVPParameters::minPoliced>(offsetof(rSVPParameters, minPoliced), "MinPoliced"),
    asn::optionalComponent<&rSVPParameters::maxPktSize>(offsetof(rSVPParameters, maxPktSize), "MaxPktSize"),
};
static const asn::tagTriple rSVPParametersComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor rSVPParameters::descriptor = asn::sequenceDescriptor::make(rSVPParametersComponents, 6, 0x3Fu, true, rSVPParametersComponentTags);
rSVPParameters::rSVPParameters(const rSVPParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rSVPParameters& rSVPParameters::operator=(const rSVPParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
rSVPParameters::~rSVPParameters() { reset(); }
asn::object* rSVPParameters::create() { return new rSVPParameters; }

// qOSMode
static const asn::alternativeEntry qOSModeAlternatives[] = {
    asn::alternative<asn::null>("GuaranteedQOS"),
    asn::alternative<asn::null>("ControlledLoad"),
};
static const asn::tagTriple qOSModeAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor qOSMode::descriptor = asn::choiceDescriptor::make(qOSModeAlternatives, 2, true, qOSModeAlternativeTags);
asn::object* qOSMode::create() { return new qOSMode; }

// aTMParameters
static const asn::componentEntry aTMParametersComponents[] = {
    asn::mandatoryComponent<&aTMParameters::maxNTUSize>(offsetof(aTMParameters, maxNTUSize), "MaxNTUSize"),
    asn::mandatoryComponent<&aTMParameters::atmUBR>(offsetof(aTMParameters, atmUBR), "AtmUBR"),
    asn::mandatoryComponent<&aTMParameters::atmrtVBR>(offsetof(aTMParameters, atmrtVBR), "AtmrtVBR"),
    asn::mandatoryComponent<&aTMParameters::atmnrtVBR>(offsetof(aTMParameters, atmnrtVBR), "AtmnrtVBR"),
    asn::mandatoryComponent<&aTMParameters::atmABR>(offsetof(aTMParameters, atmABR), "AtmABR"),
    asn::mandatoryComponent<&aTMParameters::atmCBR>(offsetof(aTMParameters, atmCBR), "AtmCBR"),
};
static const asn::tagTriple aTMParametersComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor aTMParameters::descriptor = asn::sequenceDescriptor::make(aTMParametersComponents, 6, 0x0u, true, aTMParametersComponentTags);
aTMParameters::aTMParameters(const aTMParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
aTMParameters& aTMParameters::operator=(const aTMParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
aTMParameters::~aTMParameters() { reset(); }
asn::object* aTMParameters::create() { return new aTMParameters; }

// servicePriorityValue
static const asn::componentEntry servicePriorityValueComponents[] = {
    asn::optionalComponent<&servicePriorityValue::nonStandardParameter>(offsetof(servicePriorityValue, nonStandardParameter), "NonStandardParameter"),
    asn::additionComponent<&servicePriorityValue::value>(offsetof(servicePriorityValue, value), "Value"),
};
static const asn::tagTriple servicePriorityValueComponentTags[] = {{0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor servicePriorityValue::descriptor = asn::sequenceDescriptor::make(servicePriorityValueComponents, 1, 0x1u, true, servicePriorityValueComponentTags);
servicePriorityValue::servicePriorityValue(const servicePriorityValue& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
servicePriorityValue& servicePriorityValue::operator=(const servicePriorityValue& other) {
  if (this != &other) assign(other);
  return *this;
}
servicePriorityValue::~servicePriorityValue() { reset(); }
asn::object* servicePriorityValue::create() { return new servicePriorityValue; }

// servicePriority
static const asn::componentEntry servicePriorityComponents[] = {
    asn::optionalComponent<&servicePriority::nonStandardData>(offsetof(servicePriority, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&servicePriority::servicePrioritySignalled>(offsetof(servicePriority, servicePrioritySignalled), "ServicePrioritySignalled"),
    asn::optionalComponent<&servicePriority::servicePriorityValue>(offsetof(servicePriority, servicePriorityValue), "ServicePriorityValue"),
    asn::additionComponent<&servicePriority::serviceClass>(offsetof(servicePriority, serviceClass), "ServiceClass"),
    asn::additionComponent<&servicePriority::serviceSubclass>(offsetof(servicePriority, serviceSubclass), "ServiceSubclass"),
};
static const asn::tagTriple servicePriorityComponentTags[] = {{0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor servicePriority::descriptor = asn::sequenceDescriptor::make(servicePriorityComponents, 3, 0x5u, true, servicePriorityComponentTags);
servicePriority::servicePriority(const servicePriority& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
servicePriority& servicePriority::operator=(const servicePriority& other) {
  if (this != &other) assign(other);
  return *this;
}
servicePriority::~servicePriority() { reset(); }
asn::object* servicePriority::create() { return new servicePriority; }

// authorizationParameters
static const asn::componentEntry authorizationParametersComponents[] = {
    asn::optionalComponent<&authorizationParameters::nonStandardData>(offsetof(authorizationParameters, nonStandardData), "NonStandardData"),
};
static const asn::tagTriple authorizationParametersComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor authorizationParameters::descriptor = asn::sequenceDescriptor::make(authorizationParametersComponents, 1, 0x1u, true, authorizationParametersComponentTags);
authorizationParameters::authorizationParameters(const authorizationParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
authorizationParameters& authorizationParameters::operator=(const authorizationParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
authorizationParameters::~authorizationParameters() { reset(); }
asn::object* authorizationParameters::create() { return new authorizationParameters; }

// qOSType
static const asn::alternativeEntry qOSTypeAlternatives[] = {
    asn::alternative<asn::null>("Desired"),
    asn::alternative<asn::null>("Required"),
};
static const asn::tagTriple qOSTypeAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor qOSType::descriptor = asn::choiceDescriptor::make(qOSTypeAlternatives, 2, true, qOSTypeAlternativeTags);
asn::object* qOSType::create() { return new qOSType; }

// qOSClass
static const asn::alternativeEntry qOSClassAlternatives[] = {
    asn::alternative<asn::null>("Class0"),
    asn::alternative<asn::null>("Class1"),
    asn::alternative<asn::null>("Class2"),
    asn::alternative<asn::null>("Class3"),
    asn::alternative<asn::null>("Class4"),
    asn::alternative<asn::null>("Class5"),
};
static const asn::tagTriple qOSClassAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor qOSClass::descriptor = asn::choiceDescriptor::make(qOSClassAlternatives, 6, true, qOSClassAlternativeTags);
asn::object* qOSClass::create() { return new qOSClass; }

// qOSDescriptor
static const asn::componentEntry qOSDescriptorComponents[] = {
    asn::optionalComponent<&qOSDescriptor::nonStandardData>(offsetof(qOSDescriptor, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&qOSDescriptor::qosType>(offsetof(qOSDescriptor, qosType), "QosType"),
    asn::mandatoryComponent<&qOSDescriptor::qosClass>(offsetof(qOSDescriptor, qosClass), "QosClass"),
};
static const asn::tagTriple qOSDescriptorComponentTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor qOSDescriptor::descriptor = asn::sequenceDescriptor::make(qOSDescriptorComponents, 3, 0x1u, true, qOSDescriptorComponentTags);
qOSDescriptor::qOSDescriptor(const qOSDescriptor& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
qOSDescriptor& qOSDescriptor::operator=(const qOSDescriptor& other) {
  if (this != &other) assign(other);
  return *this;
}
qOSDescriptor::~qOSDescriptor() { reset(); }
asn::object* qOSDescriptor::create() { return new qOSDescriptor; }

// genericTransportParameters
static const asn::componentEntry genericTransportParametersComponents[] = {
    asn::optionalComponent<&genericTransportParameters::nonStandardData>(offsetof(genericTransportParameters, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&genericTransportParameters::averageRate>(offsetof(genericTransportParameters, averageRate), "AverageRate"),
    asn::optionalComponent<&genericTransportParameters::burst>(offsetof(genericTransportParameters, burst), "Burst"),
    asn::optionalComponent<&genericTransportParameters::peakRate>(offsetof(genericTransportParameters, peakRate), "PeakRate"),
    asn::optionalComponent<&genericTransportParameters::maxPktSize>(offsetof(genericTransportParameters, maxPktSize), "MaxPktSize"),
};
static const asn::tagTriple genericTransportParametersComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor genericTransportParameters::descriptor = asn::sequenceDescriptor::make(genericTransportParametersComponents, 5, 0x1Fu, true, genericTransportParametersComponentTags);
genericTransportParameters::genericTransportParameters(const genericTransportParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
genericTransportParameters& genericTransportParameters::operator=(const genericTransportParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
genericTransportParameters::~genericTransportParameters() { reset(); }
asn::object* genericTransportParameters::create() { return new genericTransportParameters; }

// qOSCapability
static const asn::componentEntry qOSCapabilityComponents[] = {
    asn::optionalComponent<&qOSCapability::nonStandardData>(offsetof(qOSCapability, nonStandardData), "NonStandardData"),
    asn::optionalComponent<&qOSCapability::rsvpParameters>(offsetof(qOSCapability, rsvpParameters), "RsvpParameters"),
    asn::optionalComponent<&qOSCapability::atmParameters>(offsetof(qOSCapability, atmParameters), "AtmParameters"),
    asn::additionComponent<&qOSCapability::localQoS>(offsetof(qOSCapability, localQoS), "LocalQoS"),
    asn::additionComponent<&qOSCapability::genericTransportParameters>(offsetof(qOSCapability, genericTransportParameters), "GenericTransportParameters"),
    asn::additionComponent<&qOSCapability::servicePriority>(offsetof(qOSCapability, servicePriority), "ServicePriority"),
    asn::additionComponent<&qOSCapability::authorizationParameter>(offsetof(qOSCapability, authorizationParameter), "AuthorizationParameter"),
    asn::additionComponent<&qOSCapability::qosDescriptor>(offsetof(qOSCapability, qosDescriptor), "QosDescriptor"),
    asn::additionComponent<&qOSCapability::dscpValue>(offsetof(qOSCapability, dscpValue), "DscpValue"),
};
static const asn::tagTriple qOSCapabilityComponentTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor qOSCapability::descriptor = asn::sequenceDescriptor::make(qOSCapabilityComponents, 3, 0x7u, true, qOSCapabilityComponentTags);
qOSCapability::qOSCapability(const qOSCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
qOSCapability& qOSCapability::operator=(const qOSCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
qOSCapability::~qOSCapability() { reset(); }
asn::object* qOSCapability::create() { return new qOSCapability; }

// mediaTransportType::atm_AAL5_compressed_sequence
static const asn::componentEntry mediaTransportType_atm_AAL5_compressed_sequenceComponents[] = {
    asn::mandatoryComponent<&mediaTransportType::atm_AAL5_compressed_sequence::variable_delta>(offsetof(mediaTransportType::atm_AAL5_compressed_sequence, variable_delta), "Variable_delta"),
};
static const asn::tagTriple mediaTransportType_atm_AAL5_compressed_sequenceComponentTags[] = {{0, 1, 0}};
const asn::sequenceDescriptor mediaTransportType::atm_AAL5_compressed_sequence::descriptor = asn::sequenceDescriptor::make(mediaTransportType_atm_AAL5_compressed_sequenceComponents, 1, 0x0u, true, mediaTransportType_atm_AAL5_compressed_sequenceComponentTags);
mediaTransportType::atm_AAL5_compressed_sequence::atm_AAL5_compressed_sequence(const atm_AAL5_compressed_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mediaTransportType::atm_AAL5_compressed_sequence& mediaTransportType::atm_AAL5_compressed_sequence::operator=(const atm_AAL5_compressed_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
mediaTransportType::atm_AAL5_compressed_sequence::~atm_AAL5_compressed_sequence() { reset(); }
asn::object* mediaTransportType::atm_AAL5_compressed_sequence::create() { return new atm_AAL5_compressed_sequence; }

// mediaTransportType
static const asn::alternativeEntry mediaTransportTypeAlternatives[] = {
    asn::alternative<asn::null>("Ip_UDP"),
    asn::alternative<asn::null>("Ip_TCP"),
    asn::alternative<asn::null>("Atm_AAL5_UNIDIR"),
    asn::alternative<asn::null>("Atm_AAL5_BIDIR"),
    asn::alternative<H245::mediaTransportType::atm_AAL5_compressed_sequence>("Atm_AAL5_compressed"),
};
static const asn::tagTriple mediaTransportTypeAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor mediaTransportType::descriptor = asn::choiceDescriptor::make(mediaTransportTypeAlternatives, 4, true, mediaTransportTypeAlternativeTags);
asn::object* mediaTransportType::create() { return new mediaTransportType; }

// mediaChannelCapability
static const asn::componentEntry mediaChannelCapabilityComponents[] = {
    asn::optionalComponent<&mediaChannelCapability::mediaTransport>(offsetof(mediaChannelCapability, mediaTransport), "MediaTransport"),
};
static const asn::tagTriple mediaChannelCapabilityComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor mediaChannelCapability::descriptor = asn::sequenceDescriptor::make(mediaChannelCapabilityComponents, 1, 0x1u, true, mediaChannelCapabilityComponentTags);
mediaChannelCapability::mediaChannelCapability(const mediaChannelCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mediaChannelCapability& mediaChannelCapability::operator=(const mediaChannelCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
mediaChannelCapability::~mediaChannelCapability() { reset(); }
asn::object* mediaChannelCapability::create() { return new mediaChannelCapability; }

// transportCapability
static const asn::componentEntry transportCapabilityComponents[] = {
    asn::optionalComponent<&transportCapability::nonStandard>(offsetof(transportCapability, nonStandard), "NonStandard"),
    asn::optionalComponent<&transportCapability::qOSCapabilities>(offsetof(transportCapability, qOSCapabilities), "QOSCapabilities"),
    asn::optionalComponent<&transportCapability::mediaChannelCapabilities>(offsetof(transportCapability, mediaChannelCapabilities), "MediaChannelCapabilities"),
};
static const asn::tagTriple transportCapabilityComponentTags[] = {{0, 16, 1}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor transportCapability::descriptor = asn::sequenceDescriptor::make(transportCapabilityComponents, 3, 0x7u, true, transportCapabilityComponentTags);
transportCapability::transportCapability(const transportCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transportCapability& transportCapability::operator=(const transportCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
transportCapability::~transportCapability() { reset(); }
asn::object* transportCapability::create() { return new transportCapability; }

// redundancyEncodingMethod
static const asn::alternativeEntry redundancyEncodingMethodAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("RtpAudioRedundancyEncoding"),
    asn::alternative<H245::rTPH263VideoRedundancyEncoding>("RtpH263VideoRedundancyEncoding"),
};
static const asn::tagTriple redundancyEncodingMethodAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor redundancyEncodingMethod::descriptor = asn::choiceDescriptor::make(redundancyEncodingMethodAlternatives, 2, true, redundancyEncodingMethodAlternativeTags);
asn::object* redundancyEncodingMethod::create() { return new redundancyEncodingMethod; }

// redundancyEncodingCapability
static const asn::componentEntry redundancyEncodingCapabilityComponents[] = {
    asn::mandatoryComponent<&redundancyEncodingCapability::redundancyEncodingMethod>(offsetof(redundancyEncodingCapability, redundancyEncodingMethod), "RedundancyEncodingMethod"),
    asn::mandatoryComponent<&redundancyEncodingCapability::primaryEncoding>(offsetof(redundancyEncodingCapability, primaryEncoding), "PrimaryEncoding"),
    asn::optionalComponent<&redundancyEncodingCapability::secondaryEncoding>(offsetof(redundancyEncodingCapability, secondaryEncoding), "SecondaryEncoding"),
};
static const asn::tagTriple redundancyEncodingCapabilityComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor redundancyEncodingCapability::descriptor = asn::sequenceDescriptor::make(redundancyEncodingCapabilityComponents, 3, 0x4u, true, redundancyEncodingCapabilityComponentTags);
redundancyEncodingCapability::redundancyEncodingCapability(const redundancyEncodingCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncodingCapability& redundancyEncodingCapability::operator=(const redundancyEncodingCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncodingCapability::~redundancyEncodingCapability() { reset(); }
asn::object* redundancyEncodingCapability::create() { return new redundancyEncodingCapability; }

// rTPH263VideoRedundancyEncoding::frameToThreadMapping_choice
static const asn::alternativeEntry rTPH263VideoRedundancyEncoding_frameToThreadMapping_choiceAlternatives[] = {
    asn::alternative<asn::null>("Roundrobin"),
    asn::alternative<asn::sequenceOf<H245::rTPH263VideoRedundancyFrameMapping, 1u, 256u, 1>>("Custom"),
};
static const asn::tagTriple rTPH263VideoRedundancyEncoding_frameToThreadMapping_choiceAlternativeTags[] = {{0, 5, 0}, {0, 16, 0}};
const asn::choiceDescriptor rTPH263VideoRedundancyEncoding::frameToThreadMapping_choice::descriptor = asn::choiceDescriptor::make(rTPH263VideoRedundancyEncoding_frameToThreadMapping_choiceAlternatives, 2, true, rTPH263VideoRedundancyEncoding_frameToThreadMapping_choiceAlternativeTags);
asn::object* rTPH263VideoRedundancyEncoding::frameToThreadMapping_choice::create() { return new frameToThreadMapping_choice; }

// rTPH263VideoRedundancyEncoding
static const asn::componentEntry rTPH263VideoRedundancyEncodingComponents[] = {
    asn::mandatoryComponent<&rTPH263VideoRedundancyEncoding::numberOfThreads>(offsetof(rTPH263VideoRedundancyEncoding, numberOfThreads), "NumberOfThreads"),
    asn::mandatoryComponent<&rTPH263VideoRedundancyEncoding::framesBetweenSyncPoints>(offsetof(rTPH263VideoRedundancyEncoding, framesBetweenSyncPoints), "FramesBetweenSyncPoints"),
    asn::mandatoryComponent<&rTPH263VideoRedundancyEncoding::frameToThreadMapping>(offsetof(rTPH263VideoRedundancyEncoding, frameToThreadMapping), "FrameToThreadMapping"),
    asn::optionalComponent<&rTPH263VideoRedundancyEncoding::containedThreads>(offsetof(rTPH263VideoRedundancyEncoding, containedThreads), "ContainedThreads"),
};
static const asn::tagTriple rTPH263VideoRedundancyEncodingComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 16, 0}};
const asn::sequenceDescriptor rTPH263VideoRedundancyEncoding::descriptor = asn::sequenceDescriptor::make(rTPH263VideoRedundancyEncodingComponents, 4, 0x8u, true, rTPH263VideoRedundancyEncodingComponentTags);
rTPH263VideoRedundancyEncoding::rTPH263VideoRedundancyEncoding(const rTPH263VideoRedundancyEncoding& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rTPH263VideoRedundancyEncoding& rTPH263VideoRedundancyEncoding::operator=(const rTPH263VideoRedundancyEncoding& other) {
  if (this != &other) assign(other);
  return *this;
}
rTPH263VideoRedundancyEncoding::~rTPH263VideoRedundancyEncoding() { reset(); }
asn::object* rTPH263VideoRedundancyEncoding::create() { return new rTPH263VideoRedundancyEncoding; }

// rTPH263VideoRedundancyFrameMapping
static const asn::componentEntry rTPH263VideoRedundancyFrameMappingComponents[] = {
    asn::mandatoryComponent<&rTPH263VideoRedundancyFrameMapping::threadNumber>(offsetof(rTPH263VideoRedundancyFrameMapping, threadNumber), "ThreadNumber"),
    asn::mandatoryComponent<&rTPH263VideoRedundancyFrameMapping::frameSequence>(offsetof(rTPH263VideoRedundancyFrameMapping, frameSequence), "FrameSequence"),
};
static const asn::tagTriple rTPH263VideoRedundancyFrameMappingComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor rTPH263VideoRedundancyFrameMapping::descriptor = asn::sequenceDescriptor::make(rTPH263VideoRedundancyFrameMappingComponents, 2, 0x0u, true, rTPH263VideoRedundancyFrameMappingComponentTags);
rTPH263VideoRedundancyFrameMapping::rTPH263VideoRedundancyFrameMapping(const rTPH263VideoRedundancyFrameMapping& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
rTPH263VideoRedundancyFrameMapping& rTPH263VideoRedundancyFrameMapping::operator=(const rTPH263VideoRedundancyFrameMapping& other) {
  if (this != &other) assign(other);
  return *this;
}
rTPH263VideoRedundancyFrameMapping::~rTPH263VideoRedundancyFrameMapping() { reset(); }
asn::object* rTPH263VideoRedundancyFrameMapping::create() { return new rTPH263VideoRedundancyFrameMapping; }

// videoCapability
static const asn::alternativeEntry videoCapabilityAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::h261VideoCapability>("H261VideoCapability"),
    asn::alternative<H245::h262VideoCapability>("H262VideoCapability"),
    asn::alternative<H245::h263VideoCapability>("H263VideoCapability"),
    asn::alternative<H245::iS11172VideoCapability>("Is11172VideoCapability"),
    asn::alternative<H245::genericCapability>("GenericVideoCapability"),
    asn::alternative<H245::extendedVideoCapability>("ExtendedVideoCapability"),
};
static const asn::tagTriple videoCapabilityAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor videoCapability::descriptor = asn::choiceDescriptor::make(videoCapabilityAlternatives, 5, true, videoCapabilityAlternativeTags);
asn::object* videoCapability::create() { return new videoCapability; }

}  // namespace H245
