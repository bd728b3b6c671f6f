// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H245 {

// flowControlCommand::scope_choice
static const asn::alternativeEntry flowControlCommand_scope_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("LogicalChannelNumber"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("ResourceID"),
    asn::alternative<asn::null>("WholeMultiplex"),
};
static const asn::tagTriple flowControlCommand_scope_choiceAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor flowControlCommand::scope_choice::descriptor = asn::choiceDescriptor::make(flowControlCommand_scope_choiceAlternatives, 3, false, flowControlCommand_scope_choiceAlternativeTags);
asn::object* flowControlCommand::scope_choice::create() { return new scope_choice; }

// flowControlCommand::restriction_choice
static const asn::alternativeEntry flowControlCommand_restriction_choiceAlternatives[] = {
    asn::alternative<asn::integer<0u, 16777215u, 1>>("MaximumBitRate"),
    asn::alternative<asn::null>("NoRestriction"),
};
static const asn::tagTriple flowControlCommand_restriction_choiceAlternativeTags[] = {{0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor flowControlCommand::restriction_choice::descriptor = asn::choiceDescriptor::make(flowControlCommand_restriction_choiceAlternatives, 2, false, flowControlCommand_restriction_choiceAlternativeTags);
asn::object* flowControlCommand::restriction_choice::create() { return new restriction_choice; }

// flowControlCommand
static const asn::componentEntry flowControlCommandComponents[] = {
    asn::mandatoryComponent<&flowControlCommand::scope>(offsetof(flowControlCommand, scope), "Scope"),
    asn::mandatoryComponent<&flowControlCommand::restriction>(offsetof(flowControlCommand, restriction), "Restriction"),
};
static const asn::tagTriple flowControlCommandComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor flowControlCommand::descriptor = asn::sequenceDescriptor::make(flowControlCommandComponents, 2, 0x0u, true, flowControlCommandComponentTags);
flowControlCommand::flowControlCommand(const flowControlCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
flowControlCommand& flowControlCommand::operator=(const flowControlCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
flowControlCommand::~flowControlCommand() { reset(); }
asn::object* flowControlCommand::create() { return new flowControlCommand; }

// endSessionCommand::gstnOptions_choice
static const asn::alternativeEntry endSessionCommand_gstnOptions_choiceAlternatives[] = {
    asn::alternative<asn::null>("TelephonyMode"),
    asn::alternative<asn::null>("V8bis"),
    asn::alternative<asn::null>("V34DSVD"),
    asn::alternative<asn::null>("V34DuplexFAX"),
    asn::alternative<asn::null>("V34H324"),
};
static const asn::tagTriple endSessionCommand_gstnOptions_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor endSessionCommand::gstnOptions_choice::descriptor = asn::choiceDescriptor::make(endSessionCommand_gstnOptions_choiceAlternatives, 5, true, endSessionCommand_gstnOptions_choiceAlternativeTags);
asn::object* endSessionCommand::gstnOptions_choice::create() { return new gstnOptions_choice; }

// endSessionCommand::isdnOptions_choice
static const asn::alternativeEntry endSessionCommand_isdnOptions_choiceAlternatives[] = {
    asn::alternative<asn::null>("TelephonyMode"),
    asn::alternative<asn::null>("V140"),
    asn::alternative<asn::null>("TerminalOnHold"),
};
static const asn::tagTriple endSessionCommand_isdnOptions_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor endSessionCommand::isdnOptions_choice::descriptor = asn::choiceDescriptor::make(endSessionCommand_isdnOptions_choiceAlternatives, 3, true, endSessionCommand_isdnOptions_choiceAlternativeTags);
asn::object* endSessionCommand::isdnOptions_choice::create() { return new isdnOptions_choice; }

// endSessionCommand
static const asn::alternativeEntry endSessionCommandAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("Disconnect"),
    asn::alternative<H245::endSessionCommand::gstnOptions_choice>("GstnOptions"),
    asn::alternative<H245::endSessionCommand::isdnOptions_choice>("IsdnOptions"),
    asn::alternative<asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>>("GenericInformation"),
};
static const asn::tagTriple endSessionCommandAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 0}};
const asn::choiceDescriptor endSessionCommand::descriptor = asn::choiceDescriptor::make(endSessionCommandAlternatives, 3, true, endSessionCommandAlternativeTags);
asn::object* endSessionCommand::create() { return new endSessionCommand; }

// conferenceCommand
static const asn::alternativeEntry conferenceCommandAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("BroadcastMyLogicalChannel"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("CancelBroadcastMyLogicalChannel"),
    asn::alternative<H245::terminalLabel>("MakeTerminalBroadcaster"),
    asn::alternative<asn::null>("CancelMakeTerminalBroadcaster"),
    asn::alternative<H245::terminalLabel>("SendThisSource"),
    asn::alternative<asn::null>("CancelSendThisSource"),
    asn::alternative<asn::null>("DropConference"),
    asn::alternative<H245::substituteConferenceIDCommand>("SubstituteConferenceIDCommand"),
};
static const asn::tagTriple conferenceCommandAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 5, 0}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor conferenceCommand::descriptor = asn::choiceDescriptor::make(conferenceCommandAlternatives, 7, true, conferenceCommandAlternativeTags);
asn::object* conferenceCommand::create() { return new conferenceCommand; }

// substituteConferenceIDCommand
static const asn::componentEntry substituteConferenceIDCommandComponents[] = {
    asn::mandatoryComponent<&substituteConferenceIDCommand::conferenceIdentifier>(offsetof(substituteConferenceIDCommand, conferenceIdentifier), "ConferenceIdentifier"),
};
static const asn::tagTriple substituteConferenceIDCommandComponentTags[] = {{0, 4, 0}};
const asn::sequenceDescriptor substituteConferenceIDCommand::descriptor = asn::sequenceDescriptor::make(substituteConferenceIDCommandComponents, 1, 0x0u, true, substituteConferenceIDCommandComponentTags);
substituteConferenceIDCommand::substituteConferenceIDCommand(const substituteConferenceIDCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
substituteConferenceIDCommand& substituteConferenceIDCommand::operator=(const substituteConferenceIDCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
substituteConferenceIDCommand::~substituteConferenceIDCommand() { reset(); }
asn::object* substituteConferenceIDCommand::create() { return new substituteConferenceIDCommand; }

// encryptionUpdateDirection
static const asn::alternativeEntry encryptionUpdateDirectionAlternatives[] = {
    asn::alternative<asn::null>("MasterToSlave"),
    asn::alternative<asn::null>("SlaveToMaster"),
};
static const asn::tagTriple encryptionUpdateDirectionAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor encryptionUpdateDirection::descriptor = asn::choiceDescriptor::make(encryptionUpdateDirectionAlternatives, 2, true, encryptionUpdateDirectionAlternativeTags);
asn::object* encryptionUpdateDirection::create() { return new encryptionUpdateDirection; }

// pictureReference
static const asn::alternativeEntry pictureReferenceAlternatives[] = {
    asn::alternative<asn::integer<0u, 1023u, 1>>("PictureNumber"),
    asn::alternative<asn::integer<0u, 255u, 1>>("LongTermPictureIndex"),
};
static const asn::tagTriple pictureReferenceAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::choiceDescriptor pictureReference::descriptor = asn::choiceDescriptor::make(pictureReferenceAlternatives, 2, true, pictureReferenceAlternativeTags);
asn::object* pictureReference::create() { return new pictureReference; }

// miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_videoFastUpdateGOB_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::firstGOB>(offsetof(miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence, firstGOB), "FirstGOB"),
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::numberOfGOBs>(offsetof(miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence, numberOfGOBs), "NumberOfGOBs"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_videoFastUpdateGOB_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_videoFastUpdateGOB_sequenceComponents, 2, 0x0u, false, miscellaneousCommand_type_choice_videoFastUpdateGOB_sequenceComponentTags);
miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::videoFastUpdateGOB_sequence(const videoFastUpdateGOB_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence& miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::operator=(const videoFastUpdateGOB_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::~videoFastUpdateGOB_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence::create() { return new videoFastUpdateGOB_sequence; }

// miscellaneousCommand::type_choice::videoFastUpdateMB_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_videoFastUpdateMB_sequenceComponents[] = {
    asn::optionalComponent<&miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::firstGOB>(offsetof(miscellaneousCommand::type_choice::videoFastUpdateMB_sequence, firstGOB), "FirstGOB"),
    asn::optionalComponent<&miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::firstMB>(offsetof(miscellaneousCommand::type_choice::videoFastUpdateMB_sequence, firstMB), "FirstMB"),
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::numberOfMBs>(offsetof(miscellaneousCommand::type_choice::videoFastUpdateMB_sequence, numberOfMBs), "NumberOfMBs"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_videoFastUpdateMB_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_videoFastUpdateMB_sequenceComponents, 3, 0x3u, true, miscellaneousCommand_type_choice_videoFastUpdateMB_sequenceComponentTags);
miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::videoFastUpdateMB_sequence(const videoFastUpdateMB_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::videoFastUpdateMB_sequence& miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::operator=(const videoFastUpdateMB_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::~videoFastUpdateMB_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::videoFastUpdateMB_sequence::create() { return new videoFastUpdateMB_sequence; }

// miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::repeatCount_choice
static const asn::alternativeEntry miscellaneousCommand_type_choice_progressiveRefinementStart_sequence_repeatCount_choiceAlternatives[] = {
    asn::alternative<asn::null>("DoOneProgression"),
    asn::alternative<asn::null>("DoContinuousProgressions"),
    asn::alternative<asn::null>("DoOneIndependentProgression"),
    asn::alternative<asn::null>("DoContinuousIndependentProgressions"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_progressiveRefinementStart_sequence_repeatCount_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::repeatCount_choice::descriptor = asn::choiceDescriptor::make(miscellaneousCommand_type_choice_progressiveRefinementStart_sequence_repeatCount_choiceAlternatives, 4, true, miscellaneousCommand_type_choice_progressiveRefinementStart_sequence_repeatCount_choiceAlternativeTags);
asn::object* miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::repeatCount_choice::create() { return new repeatCount_choice; }

// miscellaneousCommand::type_choice::progressiveRefinementStart_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_progressiveRefinementStart_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::repeatCount>(offsetof(miscellaneousCommand::type_choice::progressiveRefinementStart_sequence, repeatCount), "RepeatCount"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_progressiveRefinementStart_sequenceComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_progressiveRefinementStart_sequenceComponents, 1, 0x0u, true, miscellaneousCommand_type_choice_progressiveRefinementStart_sequenceComponentTags);
miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::progressiveRefinementStart_sequence(const progressiveRefinementStart_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::progressiveRefinementStart_sequence& miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::operator=(const progressiveRefinementStart_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::~progressiveRefinementStart_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::create() { return new progressiveRefinementStart_sequence; }

// miscellaneousCommand::type_choice::videoBadMBs_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_videoBadMBs_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::videoBadMBs_sequence::firstMB>(offsetof(miscellaneousCommand::type_choice::videoBadMBs_sequence, firstMB), "FirstMB"),
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::videoBadMBs_sequence::numberOfMBs>(offsetof(miscellaneousCommand::type_choice::videoBadMBs_sequence, numberOfMBs), "NumberOfMBs"),
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::videoBadMBs_sequence::temporalReference>(offsetof(miscellaneousCommand::type_choice::videoBadMBs_sequence, temporalReference), "TemporalReference"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_videoBadMBs_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::videoBadMBs_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_videoBadMBs_sequenceComponents, 3, 0x0u, true, miscellaneousCommand_type_choice_videoBadMBs_sequenceComponentTags);
miscellaneousCommand::type_choice::videoBadMBs_sequence::videoBadMBs_sequence(const videoBadMBs_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::videoBadMBs_sequence& miscellaneousCommand::type_choice::videoBadMBs_sequence::operator=(const videoBadMBs_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::videoBadMBs_sequence::~videoBadMBs_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::videoBadMBs_sequence::create() { return new videoBadMBs_sequence; }

// miscellaneousCommand::type_choice::lostPartialPicture_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_lostPartialPicture_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::lostPartialPicture_sequence::pictureReference>(offsetof(miscellaneousCommand::type_choice::lostPartialPicture_sequence, pictureReference), "PictureReference"),
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::lostPartialPicture_sequence::firstMB>(offsetof(miscellaneousCommand::type_choice::lostPartialPicture_sequence, firstMB), "FirstMB"),
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::lostPartialPicture_sequence::numberOfMBs>(offsetof(miscellaneousCommand::type_choice::lostPartialPicture_sequence, numberOfMBs), "NumberOfMBs"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_lostPartialPicture_sequenceComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::lostPartialPicture_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_lostPartialPicture_sequenceComponents, 3, 0x0u, true, miscellaneousCommand_type_choice_lostPartialPicture_sequenceComponentTags);
miscellaneousCommand::type_choice::lostPartialPicture_sequence::lostPartialPicture_sequence(const lostPartialPicture_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::lostPartialPicture_sequence& miscellaneousCommand::type_choice::lostPartialPicture_sequence::operator=(const lostPartialPicture_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::lostPartialPicture_sequence::~lostPartialPicture_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::lostPartialPicture_sequence::create() { return new lostPartialPicture_sequence; }

// miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_encryptionUpdateCommand_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::encryptionSync>(offsetof(miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence, encryptionSync), "EncryptionSync"),
    asn::optionalComponent<&miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::multiplePayloadStream>(offsetof(miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence, multiplePayloadStream), "MultiplePayloadStream"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_encryptionUpdateCommand_sequenceComponentTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_encryptionUpdateCommand_sequenceComponents, 2, 0x2u, true, miscellaneousCommand_type_choice_encryptionUpdateCommand_sequenceComponentTags);
miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::encryptionUpdateCommand_sequence(const encryptionUpdateCommand_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence& miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::operator=(const encryptionUpdateCommand_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::~encryptionUpdateCommand_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence::create() { return new encryptionUpdateCommand_sequence; }

// miscellaneousCommand::type_choice::encryptionUpdateAck_sequence
static const asn::componentEntry miscellaneousCommand_type_choice_encryptionUpdateAck_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::type_choice::encryptionUpdateAck_sequence::synchFlag>(offsetof(miscellaneousCommand::type_choice::encryptionUpdateAck_sequence, synchFlag), "SynchFlag"),
};
static const asn::tagTriple miscellaneousCommand_type_choice_encryptionUpdateAck_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor miscellaneousCommand::type_choice::encryptionUpdateAck_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousCommand_type_choice_encryptionUpdateAck_sequenceComponents, 1, 0x0u, true, miscellaneousCommand_type_choice_encryptionUpdateAck_sequenceComponentTags);
miscellaneousCommand::type_choice::encryptionUpdateAck_sequence::encryptionUpdateAck_sequence(const encryptionUpdateAck_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand::type_choice::encryptionUpdateAck_sequence& miscellaneousCommand::type_choice::encryptionUpdateAck_sequence::operator=(const encryptionUpdateAck_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::type_choice::encryptionUpdateAck_sequence::~encryptionUpdateAck_sequence() { reset(); }
asn::object* miscellaneousCommand::type_choice::encryptionUpdateAck_sequence::create() { return new encryptionUpdateAck_sequence; }

// miscellaneousCommand::type_choice
static const asn::alternativeEntry miscellaneousCommand_type_choiceAlternatives[] = {
    asn::alternative<asn::null>("EqualiseDelay"),
    asn::alternative<asn::null>("ZeroDelay"),
    asn::alternative<asn::null>("MultipointModeCommand"),
    asn::alternative<asn::null>("CancelMultipointModeCommand"),
    asn::alternative<asn::null>("VideoFreezePicture"),
    asn::alternative<asn::null>("VideoFastUpdatePicture"),
    asn::alternative<H245::miscellaneousCommand::type_choice::videoFastUpdateGOB_sequence>("VideoFastUpdateGOB"),
    asn::alternative<asn::integer<0u, 31u, 1>>("VideoTemporalSpatialTradeOff"),
    asn::alternative<asn::null>("VideoSendSyncEveryGOB"),
    asn::alternative<asn::null>("VideoSendSyncEveryGOBCancel"),
    asn::alternative<H245::miscellaneousCommand::type_choice::videoFastUpdateMB_sequence>("VideoFastUpdateMB"),
    asn::alternative<asn::integer<1u, 65535u, 1>>("MaxH223MUXPDUsize"),
    asn::alternative<H245::encryptionSync>("EncryptionUpdate"),
    asn::alternative<H245::encryptionUpdateRequest>("EncryptionUpdateRequest"),
    asn::alternative<asn::null>("SwitchReceiveMediaOff"),
    asn::alternative<asn::null>("SwitchReceiveMediaOn"),
    asn::alternative<H245::miscellaneousCommand::type_choice::progressiveRefinementStart_sequence>("ProgressiveRefinementStart"),
    asn::alternative<asn::null>("ProgressiveRefinementAbortOne"),
    asn::alternative<asn::null>("ProgressiveRefinementAbortContinuous"),
    asn::alternative<H245::miscellaneousCommand::type_choice::videoBadMBs_sequence>("VideoBadMBs"),
    asn::alternative<asn::sequenceOf<H245::pictureReference, 0u, 0u, 1>>("LostPicture"),
    asn::alternative<H245::miscellaneousCommand::type_choice::lostPartialPicture_sequence>("LostPartialPicture"),
    asn::alternative<asn::sequenceOf<H245::pictureReference, 0u, 0u, 1>>("RecoveryReferencePicture"),
    asn::alternative<H245::miscellaneousCommand::type_choice::encryptionUpdateCommand_sequence>("EncryptionUpdateCommand"),
    asn::alternative<H245::miscellaneousCommand::type_choice::encryptionUpdateAck_sequence>("EncryptionUpdateAck"),
};
static const asn::tagTriple miscellaneousCommand_type_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 2, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor miscellaneousCommand::type_choice::descriptor = asn::choiceDescriptor::make(miscellaneousCommand_type_choiceAlternatives, 10, true, miscellaneousCommand_type_choiceAlternativeTags);
asn::object* miscellaneousCommand::type_choice::create() { return new type_choice; }

// miscellaneousCommand
static const asn::componentEntry miscellaneousCommandComponents[] = {
    asn::mandatoryComponent<&miscellaneousCommand::logicalChannelNumber>(offsetof(miscellaneousCommand, logicalChannelNumber), "LogicalChannelNumber"),
    asn::mandatoryComponent<&miscellaneousCommand::type>(offsetof(miscellaneousCommand, type), "Type"),
    asn::additionComponent<&miscellaneousCommand::direction>(offsetof(miscellaneousCommand, direction), "Direction"),
};
static const asn::tagTriple miscellaneousCommandComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor miscellaneousCommand::descriptor = asn::sequenceDescriptor::make(miscellaneousCommandComponents, 2, 0x0u, true, miscellaneousCommandComponentTags);
miscellaneousCommand::miscellaneousCommand(const miscellaneousCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousCommand& miscellaneousCommand::operator=(const miscellaneousCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousCommand::~miscellaneousCommand() { reset(); }
asn::object* miscellaneousCommand::create() { return new miscellaneousCommand; }

// keyProtectionMethod
static const asn::componentEntry keyProtectionMethodComponents[] = {
    asn::mandatoryComponent<&keyProtectionMethod::secureChannel>(offsetof(keyProtectionMethod, secureChannel), "SecureChannel"),
    asn::mandatoryComponent<&keyProtectionMethod::sharedSecret>(offsetof(keyProtectionMethod, sharedSecret), "SharedSecret"),
    asn::mandatoryComponent<&keyProtectionMethod::certProtectedKey>(offsetof(keyProtectionMethod, certProtectedKey), "CertProtectedKey"),
};
static const asn::tagTriple keyProtectionMethodComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor keyProtectionMethod::descriptor = asn::sequenceDescriptor::make(keyProtectionMethodComponents, 3, 0x0u, true, keyProtectionMethodComponentTags);
keyProtectionMethod::keyProtectionMethod(const keyProtectionMethod& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
keyProtectionMethod& keyProtectionMethod::operator=(const keyProtectionMethod& other) {
  if (this != &other) assign(other);
  return *this;
}
keyProtectionMethod::~keyProtectionMethod() { reset(); }
asn::object* keyProtectionMethod::create() { return new keyProtectionMethod; }

// encryptionUpdateRequest
static const asn::componentEntry encryptionUpdateRequestComponents[] = {
    asn::optionalComponent<&encryptionUpdateRequest::keyProtectionMethod>(offsetof(encryptionUpdateRequest, keyProtectionMethod), "KeyProtectionMethod"),
    asn::additionComponent<&encryptionUpdateRequest::synchFlag>(offsetof(encryptionUpdateRequest, synchFlag), "SynchFlag"),
};
static const asn::tagTriple encryptionUpdateRequestComponentTags[] = {{0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor encryptionUpdateRequest::descriptor = asn::sequenceDescriptor::make(encryptionUpdateRequestComponents, 1, 0x1u, true, encryptionUpdateRequestComponentTags);
encryptionUpdateRequest::encryptionUpdateRequest(const encryptionUpdateRequest& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
encryptionUpdateRequest& encryptionUpdateRequest::operator=(const encryptionUpdateRequest& other) {
  if (this != &other) assign(other);
  return *this;
}
encryptionUpdateRequest::~encryptionUpdateRequest() { reset(); }
asn::object* encryptionUpdateRequest::create() { return new encryptionUpdateRequest; }

// h223MultiplexReconfiguration::h223ModeChange_choice
static const asn::alternativeEntry h223MultiplexReconfiguration_h223ModeChange_choiceAlternatives[] = {
    asn::alternative<asn::null>("ToLevel0"),
    asn::alternative<asn::null>("ToLevel1"),
    asn::alternative<asn::null>("ToLevel2"),
    asn::alternative<asn::null>("ToLevel2withOptionalHeader"),
};
static const asn::tagTriple h223MultiplexReconfiguration_h223ModeChange_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223MultiplexReconfiguration::h223ModeChange_choice::descriptor = asn::choiceDescriptor::make(h223MultiplexReconfiguration_h223ModeChange_choiceAlternatives, 4, true, h223MultiplexReconfiguration_h223ModeChange_choiceAlternativeTags);
asn::object* h223MultiplexReconfiguration::h223ModeChange_choice::create() { return new h223ModeChange_choice; }

// h223MultiplexReconfiguration::h223AnnexADoubleFlag_choice
static const asn::alternativeEntry h223MultiplexReconfiguration_h223AnnexADoubleFlag_choiceAlternatives[] = {
    asn::alternative<asn::null>("Start"),
    asn::alternative<asn::null>("Stop"),
};
static const asn::tagTriple h223MultiplexReconfiguration_h223AnnexADoubleFlag_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h223MultiplexReconfiguration::h223AnnexADoubleFlag_choice::descriptor = asn::choiceDescriptor::make(h223MultiplexReconfiguration_h223AnnexADoubleFlag_choiceAlternatives, 2, true, h223MultiplexReconfiguration_h223AnnexADoubleFlag_choiceAlternativeTags);
asn::object* h223MultiplexReconfiguration::h223AnnexADoubleFlag_choice::create() { return new h223AnnexADoubleFlag_choice; }

// h223MultiplexReconfiguration
static const asn::alternativeEntry h223MultiplexReconfigurationAlternatives[] = {
    asn::alternative<H245::h223MultiplexReconfiguration::h223ModeChange_choice>("H223ModeChange"),
    asn::alternative<H245::h223MultiplexReconfiguration::h223AnnexADoubleFlag_choice>("H223AnnexADoubleFlag"),
};
static const asn::tagTriple h223MultiplexReconfigurationAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor h223MultiplexReconfiguration::descriptor = asn::choiceDescriptor::make(h223MultiplexReconfigurationAlternatives, 2, true, h223MultiplexReconfigurationAlternativeTags);
asn::object* h223MultiplexReconfiguration::create() { return new h223MultiplexReconfiguration; }

// newATMVCCommand::aal_choice::aal1_sequence::clockRecovery_choice
static const asn::alternativeEntry newATMVCCommand_aal_choice_aal1_sequence_clockRecovery_choiceAlternatives[] = {
    asn::alternative<asn::null>("NullClockRecovery"),
    asn::alternative<asn::null>("SrtsClockRecovery"),
    asn::alternative<asn::null>("AdaptiveClockRecovery"),
};
static const asn::tagTriple newATMVCCommand_aal_choice_aal1_sequence_clockRecovery_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCCommand::aal_choice::aal1_sequence::clockRecovery_choice::descriptor = asn::choiceDescriptor::make(newATMVCCommand_aal_choice_aal1_sequence_clockRecovery_choiceAlternatives, 3, true, newATMVCCommand_aal_choice_aal1_sequence_clockRecovery_choiceAlternativeTags);
asn::object* newATMVCCommand::aal_choice::aal1_sequence::clockRecovery_choice::create() { return new clockRecovery_choice; }

// newATMVCCommand::aal_choice::aal1_sequence::errorCorrection_choice
static const asn::alternativeEntry newATMVCCommand_aal_choice_aal1_sequence_errorCorrection_choiceAlternatives[] = {
    asn::alternative<asn::null>("NullErrorCorrection"),
    asn::alternative<asn::null>("LongInterleaver"),
    asn::alternative<asn::null>("ShortInterleaver"),
    asn::alternative<asn::null>("ErrorCorrectionOnly"),
};
static const asn::tagTriple newATMVCCommand_aal_choice_aal1_sequence_errorCorrection_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCCommand::aal_choice::aal1_sequence::errorCorrection_choice::descriptor = asn::choiceDescriptor::make(newATMVCCommand_aal_choice_aal1_sequence_errorCorrection_choiceAlternatives, 4, true, newATMVCCommand_aal_choice_aal1_sequence_errorCorrection_choiceAlternativeTags);
asn::object* newATMVCCommand::aal_choice::aal1_sequence::errorCorrection_choice::create() { return new errorCorrection_choice; }

// newATMVCCommand::aal_choice::aal1_sequence
static const asn::componentEntry newATMVCCommand_aal_choice_aal1_sequenceComponents[] = {
    asn::mandatoryComponent<&newATMVCCommand::aal_choice::aal1_sequence::clockRecovery>(offsetof(newATMVCCommand::aal_choice::aal1_sequence, clockRecovery), "ClockRecovery"),
    asn::mandatoryComponent<&newATMVCCommand::aal_choice::aal1_sequence::errorCorrection>(offsetof(newATMVCCommand::aal_choice::aal1_sequence, errorCorrection), "ErrorCorrection"),
    asn::mandatoryComponent<&newATMVCCommand::aal_choice::aal1_sequence::structuredDataTransfer>(offsetof(newATMVCCommand::aal_choice::aal1_sequence, structuredDataTransfer), "StructuredDataTransfer"),
    asn::mandatoryComponent<&newATMVCCommand::aal_choice::aal1_sequence::partiallyFilledCells>(offsetof(newATMVCCommand::aal_choice::aal1_sequence, partiallyFilledCells), "PartiallyFilledCells"),
};
static const asn::tagTriple newATMVCCommand_aal_choice_aal1_sequenceComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor newATMVCCommand::aal_choice::aal1_sequence::descriptor = asn::sequenceDescriptor::make(newATMVCCommand_aal_choice_aal1_sequenceComponents, 4, 0x0u, true, newATMVCCommand_aal_choice_aal1_sequenceComponentTags);
newATMVCCommand::aal_choice::aal1_sequence::aal1_sequence(const aal1_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCCommand::aal_choice::aal1_sequence& newATMVCCommand::aal_choice::aal1_sequence::operator=(const aal1_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCCommand::aal_choice::aal1_sequence::~aal1_sequence() { reset(); }
asn::object* newATMVCCommand::aal_choice::aal1_sequence::create() { return new aal1_sequence; }

// newATMVCCommand::aal_choice::aal5_sequence
static const asn::componentEntry newATMVCCommand_aal_choice_aal5_sequenceComponents[] = {
    asn::mandatoryComponent<&newATMVCCommand::aal_choice::aal5_sequence::forwardMaximumSDUSize>(offsetof(newATMVCCommand::aal_choice::aal5_sequence, forwardMaximumSDUSize), "ForwardMaximumSDUSize"),
    asn::mandatoryComponent<&newATMVCCommand::aal_choice::aal5_sequence::backwardMaximumSDUSize>(offsetof(newATMVCCommand::aal_choice::aal5_sequence, backwardMaximumSDUSize), "BackwardMaximumSDUSize"),
};
static const asn::tagTriple newATMVCCommand_aal_choice_aal5_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor newATMVCCommand::aal_choice::aal5_sequence::descriptor = asn::sequenceDescriptor::make(newATMVCCommand_aal_choice_aal5_sequenceComponents, 2, 0x0u, true, newATMVCCommand_aal_choice_aal5_sequenceComponentTags);
newATMVCCommand::aal_choice::aal5_sequence::aal5_sequence(const aal5_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCCommand::aal_choice::aal5_sequence& newATMVCCommand::aal_choice::aal5_sequence::operator=(const aal5_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCCommand::aal_choice::aal5_sequence::~aal5_sequence() { reset(); }
asn::object* newATMVCCommand::aal_choice::aal5_sequence::create() { return new aal5_sequence; }

// newATMVCCommand::aal_choice
static const asn::alternativeEntry newATMVCCommand_aal_choiceAlternatives[] = {
    asn::alternative<H245::newATMVCCommand::aal_choice::aal1_sequence>("Aal1"),
    asn::alternative<H245::newATMVCCommand::aal_choice::aal5_sequence>("Aal5"),
};
static const asn::tagTriple newATMVCCommand_aal_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor newATMVCCommand::aal_choice::descriptor = asn::choiceDescriptor::make(newATMVCCommand_aal_choiceAlternatives, 2, true, newATMVCCommand_aal_choiceAlternativeTags);
asn::object* newATMVCCommand::aal_choice::create() { return new aal_choice; }

// newATMVCCommand::multiplex_choice
static const asn::alternativeEntry newATMVCCommand_multiplex_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoMultiplex"),
    asn::alternative<asn::null>("TransportStream"),
    asn::alternative<asn::null>("ProgramStream"),
};
static const asn::tagTriple newATMVCCommand_multiplex_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCCommand::multiplex_choice::descriptor = asn::choiceDescriptor::make(newATMVCCommand_multiplex_choiceAlternatives, 3, true, newATMVCCommand_multiplex_choiceAlternativeTags);
asn::object* newATMVCCommand::multiplex_choice::create() { return new multiplex_choice; }

// newATMVCCommand::reverseParameters_sequence::multiplex_choice
static const asn::alternativeEntry newATMVCCommand_reverseParameters_sequence_multiplex_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoMultiplex"),
    asn::alternative<asn::null>("TransportStream"),
    asn::alternative<asn::null>("ProgramStream"),
};
static const asn::tagTriple newATMVCCommand_reverseParameters_sequence_multiplex_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCCommand::reverseParameters_sequence::multiplex_choice::descriptor = asn::choiceDescriptor::make(newATMVCCommand_reverseParameters_sequence_multiplex_choiceAlternatives, 3, true, newATMVCCommand_reverseParameters_sequence_multiplex_choiceAlternativeTags);
asn::object* newATMVCCommand::reverseParameters_sequence::multiplex_choice::create() { return new multiplex_choice; }

// newATMVCCommand::reverseParameters_sequence
static const asn::componentEntry newATMVCCommand_reverseParameters_sequenceComponents[] = {
    asn::mandatoryComponent<&newATMVCCommand::reverseParameters_sequence::bitRate>(offsetof(newATMVCCommand::reverseParameters_sequence, bitRate), "BitRate"),
    asn::mandatoryComponent<&newATMVCCommand::reverseParameters_sequence::bitRateLockedToPCRClock>(offsetof(newATMVCCommand::reverseParameters_sequence, bitRateLockedToPCRClock), "BitRateLockedToPCRClock"),
    asn::mandatoryComponent<&newATMVCCommand::reverseParameters_sequence::bitRateLockedToNetworkClock>(offsetof(newATMVCCommand::reverseParameters_sequence, bitRateLockedToNetworkClock), "BitRateLockedToNetworkClock"),
    asn::mandatoryComponent<&newATMVCCommand::reverseParameters_sequence::multiplex>(offsetof(newATMVCCommand::reverseParameters_sequence, multiplex), "Multiplex"),
};
static const asn::tagTriple newATMVCCommand_reverseParameters_sequenceComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, 0}};
const asn::sequenceDescriptor newATMVCCommand::reverseParameters_sequence::descriptor = asn::sequenceDescriptor::make(newATMVCCommand_reverseParameters_sequenceComponents, 4, 0x0u, true, newATMVCCommand_reverseParameters_sequenceComponentTags);
newATMVCCommand::reverseParameters_sequence::reverseParameters_sequence(const reverseParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCCommand::reverseParameters_sequence& newATMVCCommand::reverseParameters_sequence::operator=(const reverseParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCCommand::reverseParameters_sequence::~reverseParameters_sequence() { reset(); }
asn::object* newATMVCCommand::reverseParameters_sequence::create() { return new reverseParameters_sequence; }

// newATMVCCommand
static const asn::componentEntry newATMVCCommandComponents[] = {
    asn::mandatoryComponent<&newATMVCCommand::resourceID>(offsetof(newATMVCCommand, resourceID), "ResourceID"),
    asn::mandatoryComponent<&newATMVCCommand::bitRate>(offsetof(newATMVCCommand, bitRate), "BitRate"),
    asn::mandatoryComponent<&newATMVCCommand::bitRateLockedToPCRClock>(offsetof(newATMVCCommand, bitRateLockedToPCRClock), "BitRateLockedToPCRClock"),
    asn::mandatoryComponent<&newATMVCCommand::bitRateLockedToNetworkClock>(offsetof(newATMVCCommand, bitRateLockedToNetworkClock), "BitRateLockedToNetworkClock"),
    asn::mandatoryComponent<&newATMVCCommand::aal>(offsetof(newATMVCCommand, aal), "Aal"),
    asn::mandatoryComponent<&newATMVCCommand::multiplex>(offsetof(newATMVCCommand, multiplex), "Multiplex"),
    asn::mandatoryComponent<&newATMVCCommand::reverseParameters>(offsetof(newATMVCCommand, reverseParameters), "ReverseParameters"),
};
static const asn::tagTriple newATMVCCommandComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor newATMVCCommand::descriptor = asn::sequenceDescriptor::make(newATMVCCommandComponents, 7, 0x0u, true, newATMVCCommandComponentTags);
newATMVCCommand::newATMVCCommand(const newATMVCCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCCommand& newATMVCCommand::operator=(const newATMVCCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCCommand::~newATMVCCommand() { reset(); }
asn::object* newATMVCCommand::create() { return new newATMVCCommand; }

// mobileMultilinkReconfigurationCommand::status_choice
static const asn::alternativeEntry mobileMultilinkReconfigurationCommand_status_choiceAlternatives[] = {
    asn::alternative<asn::null>("Synchronized"),
    asn::alternative<asn::null>("Reconfiguration"),
};
static const asn::tagTriple mobileMultilinkReconfigurationCommand_status_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor mobileMultilinkReconfigurationCommand::status_choice::descriptor = asn::choiceDescriptor::make(mobileMultilinkReconfigurationCommand_status_choiceAlternatives, 2, true, mobileMultilinkReconfigurationCommand_status_choiceAlternativeTags);
asn::object* mobileMultilinkReconfigurationCommand::status_choice::create() { return new status_choice; }

// mobileMultilinkReconfigurationCommand
static const asn::componentEntry mobileMultilinkReconfigurationCommandComponents[] = {
    asn::mandatoryComponent<&mobileMultilinkReconfigurationCommand::sampleSize>(offsetof(mobileMultilinkReconfigurationCommand, sampleSize), "SampleSize"),
    asn::mandatoryComponent<&mobileMultilinkReconfigurationCommand::samplesPerFrame>(offsetof(mobileMultilinkReconfigurationCommand, samplesPerFrame), "SamplesPerFrame"),
    asn::mandatoryComponent<&mobileMultilinkReconfigurationCommand::status>(offsetof(mobileMultilinkReconfigurationCommand, status), "Status"),
};
static const asn::tagTriple mobileMultilinkReconfigurationCommandComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor mobileMultilinkReconfigurationCommand::descriptor = asn::sequenceDescriptor::make(mobileMultilinkReconfigurationCommandComponents, 3, 0x0u, true, mobileMultilinkReconfigurationCommandComponentTags);
mobileMultilinkReconfigurationCommand::mobileMultilinkReconfigurationCommand(const mobileMultilinkReconfigurationCommand& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mobileMultilinkReconfigurationCommand& mobileMultilinkReconfigurationCommand::operator=(const mobileMultilinkReconfigurationCommand& other) {
  if (this != &other) assign(other);
  return *this;
}
mobileMultilinkReconfigurationCommand::~mobileMultilinkReconfigurationCommand() { reset(); }
asn::object* mobileMultilinkReconfigurationCommand::create() { return new mobileMultilinkReconfigurationCommand; }

// functionNotUnderstood
static const asn::alternativeEntry functionNotUnderstoodAlternatives[] = {
    asn::alternative<H245::requestMessage>("Request"),
    asn::alternative<H245::responseMessage>("Response"),
    asn::alternative<H245::commandMessage>("Command"),
};
static const asn::tagTriple functionNotUnderstoodAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor functionNotUnderstood::descriptor = asn::choiceDescriptor::make(functionNotUnderstoodAlternatives, 3, false, functionNotUnderstoodAlternativeTags);
asn::object* functionNotUnderstood::create() { return new functionNotUnderstood; }

// functionNotSupported::cause_choice
static const asn::alternativeEntry functionNotSupported_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("SyntaxError"),
    asn::alternative<asn::null>("SemanticError"),
    asn::alternative<asn::null>("UnknownFunction"),
};
static const asn::tagTriple functionNotSupported_cause_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor functionNotSupported::cause_choice::descriptor = asn::choiceDescriptor::make(functionNotSupported_cause_choiceAlternatives, 3, true, functionNotSupported_cause_choiceAlternativeTags);
asn::object* functionNotSupported::cause_choice::create() { return new cause_choice; }

// functionNotSupported
static const asn::componentEntry functionNotSupportedComponents[] = {
    asn::mandatoryComponent<&functionNotSupported::cause>(offsetof(functionNotSupported, cause), "Cause"),
    asn::optionalComponent<&functionNotSupported::returnedFunction>(offsetof(functionNotSupported, returnedFunction), "ReturnedFunction"),
};
static const asn::tagTriple functionNotSupportedComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor functionNotSupported::descriptor = asn::sequenceDescriptor::make(functionNotSupportedComponents, 2, 0x2u, true, functionNotSupportedComponentTags);
functionNotSupported::functionNotSupported(const functionNotSupported& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
functionNotSupported& functionNotSupported::operator=(const functionNotSupported& other) {
  if (this != &other) assign(other);
  return *this;
}
functionNotSupported::~functionNotSupported() { reset(); }
asn::object* functionNotSupported::create() { return new functionNotSupported; }

// conferenceIndication
static const asn::alternativeEntry conferenceIndicationAlternatives[] = {
    asn::alternative<asn::integer<0u, 9u, 1>>("SbeNumber"),
    asn::alternative<H245::terminalLabel>("TerminalNumberAssign"),
    asn::alternative<H245::terminalLabel>("TerminalJoinedConference"),
    asn::alternative<H245::terminalLabel>("TerminalLeftConference"),
    asn::alternative<asn::null>("SeenByAtLeastOneOther"),
    asn::alternative<asn::null>("CancelSeenByAtLeastOneOther"),
    asn::alternative<asn::null>("SeenByAll"),
    asn::alternative<asn::null>("CancelSeenByAll"),
    asn::alternative<H245::terminalLabel>("TerminalYouAreSeeing"),
    asn::alternative<asn::null>("RequestForFloor"),
    asn::alternative<asn::null>("WithdrawChairToken"),
    asn::alternative<H245::terminalLabel>("FloorRequested"),
    asn::alternative<H245::terminalYouAreSeeingInSubPictureNumber>("TerminalYouAreSeeingInSubPictureNumber"),
    asn::alternative<H245::videoIndicateCompose>("VideoIndicateCompose"),
    asn::alternative<asn::null>("MasterMCU"),
    asn::alternative<asn::null>("CancelMasterMCU"),
};
static const asn::tagTriple conferenceIndicationAlternativeTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor conferenceIndication::descriptor = asn::choiceDescriptor::make(conferenceIndicationAlternatives, 10, true, conferenceIndicationAlternativeTags);
asn::object* conferenceIndication::create() { return new conferenceIndication; }

// terminalYouAreSeeingInSubPictureNumber
static const asn::componentEntry terminalYouAreSeeingInSubPictureNumberComponents[] = {
    asn::mandatoryComponent<&terminalYouAreSeeingInSubPictureNumber::terminalNumber>(offsetof(terminalYouAreSeeingInSubPictureNumber, terminalNumber), "TerminalNumber"),
    asn::mandatoryComponent<&terminalYouAreSeeingInSubPictureNumber::subPictureNumber>(offsetof(terminalYouAreSeeingInSubPictureNumber, subPictureNumber), "SubPictureNumber"),
    asn::additionComponent<&terminalYouAreSeeingInSubPictureNumber::mcuNumber>(offsetof(terminalYouAreSeeingInSubPictureNumber, mcuNumber), "McuNumber"),
};
static const asn::tagTriple terminalYouAreSeeingInSubPictureNumberComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor terminalYouAreSeeingInSubPictureNumber::descriptor = asn::sequenceDescriptor::make(terminalYouAreSeeingInSubPictureNumberComponents, 2, 0x0u, true, terminalYouAreSeeingInSubPictureNumberComponentTags);
terminalYouAreSeeingInSubPictureNumber::terminalYouAreSeeingInSubPictureNumber(const terminalYouAreSeeingInSubPictureNumber& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
terminalYouAreSeeingInSubPictureNumber& terminalYouAreSeeingInSubPictureNumber::operator=(const terminalYouAreSeeingInSubPictureNumber& other) {
  if (this != &other) assign(other);
  return *this;
}
terminalYouAreSeeingInSubPictureNumber::~terminalYouAreSeeingInSubPictureNumber() { reset(); }
asn::object* terminalYouAreSeeingInSubPictureNumber::create() { return new terminalYouAreSeeingInSubPictureNumber; }

// videoIndicateCompose
static const asn::componentEntry videoIndicateComposeComponents[] = {
    asn::mandatoryComponent<&videoIndicateCompose::compositionNumber>(offsetof(videoIndicateCompose, compositionNumber), "CompositionNumber"),
};
static const asn::tagTriple videoIndicateComposeComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor videoIndicateCompose::descriptor = asn::sequenceDescriptor::make(videoIndicateComposeComponents, 1, 0x0u, true, videoIndicateComposeComponentTags);
videoIndicateCompose::videoIndicateCompose(const videoIndicateCompose& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
videoIndicateCompose& videoIndicateCompose::operator=(const videoIndicateCompose& other) {
  if (this != &other) assign(other);
  return *this;
}
videoIndicateCompose::~videoIndicateCompose() { reset(); }
asn::object* videoIndicateCompose::create() { return new videoIndicateCompose; }

// miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence
static const asn::componentEntry miscellaneousIndication_type_choice_videoNotDecodedMBs_sequenceComponents[] = {
    asn::mandatoryComponent<&miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::firstMB>(offsetof(miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence, firstMB), "FirstMB"),
    asn::mandatoryComponent<&miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::numberOfMBs>(offsetof(miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence, numberOfMBs), "NumberOfMBs"),
    asn::mandatoryComponent<&miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::temporalReference>(offsetof(miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence, temporalReference), "TemporalReference"),
};
static const asn::tagTriple miscellaneousIndication_type_choice_videoNotDecodedMBs_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::descriptor = asn::sequenceDescriptor::make(miscellaneousIndication_type_choice_videoNotDecodedMBs_sequenceComponents, 3, 0x0u, true, miscellaneousIndication_type_choice_videoNotDecodedMBs_sequenceComponentTags);
miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::videoNotDecodedMBs_sequence(const videoNotDecodedMBs_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence& miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::operator=(const videoNotDecodedMBs_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::~videoNotDecodedMBs_sequence() { reset(); }
asn::object* miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence::create() { return new videoNotDecodedMBs_sequence; }

// miscellaneousIndication::type_choice
static const asn::alternativeEntry miscellaneousIndication_type_choiceAlternatives[] = {
    asn::alternative<asn::null>("LogicalChannelActive"),
    asn::alternative<asn::null>("LogicalChannelInactive"),
    asn::alternative<asn::null>("MultipointConference"),
    asn::alternative<asn::null>("CancelMultipointConference"),
    asn::alternative<asn::null>("MultipointZeroComm"),
    asn::alternative<asn::null>("CancelMultipointZeroComm"),
    asn::alternative<asn::null>("MultipointSecondaryStatus"),
    asn::alternative<asn::null>("CancelMultipointSecondaryStatus"),
    asn::alternative<asn::null>("VideoIndicateReadyToActivate"),
    asn::alternative<asn::integer<0u, 31u, 1>>("VideoTemporalSpatialTradeOff"),
    asn::alternative<H245::miscellaneousIndication::type_choice::videoNotDecodedMBs_sequence>("VideoNotDecodedMBs"),
    asn::alternative<H245::transportCapability>("TransportCapability"),
};
static const asn::tagTriple miscellaneousIndication_type_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor miscellaneousIndication::type_choice::descriptor = asn::choiceDescriptor::make(miscellaneousIndication_type_choiceAlternatives, 10, true, miscellaneousIndication_type_choiceAlternativeTags);
asn::object* miscellaneousIndication::type_choice::create() { return new type_choice; }

// miscellaneousIndication
static const asn::componentEntry miscellaneousIndicationComponents[] = {
    asn::mandatoryComponent<&miscellaneousIndication::logicalChannelNumber>(offsetof(miscellaneousIndication, logicalChannelNumber), "LogicalChannelNumber"),
    asn::mandatoryComponent<&miscellaneousIndication::type>(offsetof(miscellaneousIndication, type), "Type"),
};
static const asn::tagTriple miscellaneousIndicationComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor miscellaneousIndication::descriptor = asn::sequenceDescriptor::make(miscellaneousIndicationComponents, 2, 0x0u, true, miscellaneousIndicationComponentTags);
miscellaneousIndication::miscellaneousIndication(const miscellaneousIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
miscellaneousIndication& miscellaneousIndication::operator=(const miscellaneousIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
miscellaneousIndication::~miscellaneousIndication() { reset(); }
asn::object* miscellaneousIndication::create() { return new miscellaneousIndication; }

// jitterIndication::scope_choice
static const asn::alternativeEntry jitterIndication_scope_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("LogicalChannelNumber"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("ResourceID"),
    asn::alternative<asn::null>("WholeMultiplex"),
};
static const asn::tagTriple jitterIndication_scope_choiceAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor jitterIndication::scope_choice::descriptor = asn::choiceDescriptor::make(jitterIndication_scope_choiceAlternatives, 3, false, jitterIndication_scope_choiceAlternativeTags);
asn::object* jitterIndication::scope_choice::create() { return new scope_choice; }

// jitterIndication
static const asn::componentEntry jitterIndicationComponents[] = {
    asn::mandatoryComponent<&jitterIndication::scope>(offsetof(jitterIndication, scope), "Scope"),
    asn::mandatoryComponent<&jitterIndication::estimatedReceivedJitterMantissa>(offsetof(jitterIndication, estimatedReceivedJitterMantissa), "EstimatedReceivedJitterMantissa"),
    asn::mandatoryComponent<&jitterIndication::estimatedReceivedJitterExponent>(offsetof(jitterIndication, estimatedReceivedJitterExponent), "EstimatedReceivedJitterExponent"),
    asn::optionalComponent<&jitterIndication::skippedFrameCount>(offsetof(jitterIndication, skippedFrameCount), "SkippedFrameCount"),
    asn::optionalComponent<&jitterIndication::additionalDecoderBuffer>(offsetof(jitterIndication, additionalDecoderBuffer), "AdditionalDecoderBuffer"),
};
static const asn::tagTriple jitterIndicationComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor jitterIndication::descriptor = asn::sequenceDescriptor::make(jitterIndicationComponents, 5, 0x18u, true, jitterIndicationComponentTags);
jitterIndication::jitterIndication(const jitterIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
jitterIndication& jitterIndication::operator=(const jitterIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
jitterIndication::~jitterIndication() { reset(); }
asn::object* jitterIndication::create() { return new jitterIndication; }

// h223SkewIndication
static const asn::componentEntry h223SkewIndicationComponents[] = {
    asn::mandatoryComponent<&h223SkewIndication::logicalChannelNumber1>(offsetof(h223SkewIndication, logicalChannelNumber1), "LogicalChannelNumber1"),
    asn::mandatoryComponent<&h223SkewIndication::logicalChannelNumber2>(offsetof(h223SkewIndication, logicalChannelNumber2), "LogicalChannelNumber2"),
    asn::mandatoryComponent<&h223SkewIndication::skew>(offsetof(h223SkewIndication, skew), "Skew"),
};
static const asn::tagTriple h223SkewIndicationComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223SkewIndication::descriptor = asn::sequenceDescriptor::make(h223SkewIndicationComponents, 3, 0x0u, true, h223SkewIndicationComponentTags);
h223SkewIndication::h223SkewIndication(const h223SkewIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223SkewIndication& h223SkewIndication::operator=(const h223SkewIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
h223SkewIndication::~h223SkewIndication() { reset(); }
asn::object* h223SkewIndication::create() { return new h223SkewIndication; }

// h2250MaximumSkewIndication
static const asn::componentEntry h2250MaximumSkewIndicationComponents[] = {
    asn::mandatoryComponent<&h2250MaximumSkewIndication::logicalChannelNumber1>(offsetof(h2250MaximumSkewIndication, logicalChannelNumber1), "LogicalChannelNumber1"),
    asn::mandatoryComponent<&h2250MaximumSkewIndication::logicalChannelNumber2>(offsetof(h2250MaximumSkewIndication, logicalChannelNumber2), "LogicalChannelNumber2"),
    asn::mandatoryComponent<&h2250MaximumSkewIndication::maximumSkew>(offsetof(h2250MaximumSkewIndication, maximumSkew), "MaximumSkew"),
};
static const asn::tagTriple h2250MaximumSkewIndicationComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h2250MaximumSkewIndication::descriptor = asn::sequenceDescriptor::make(h2250MaximumSkewIndicationComponents, 3, 0x0u, true, h2250MaximumSkewIndicationComponentTags);
h2250MaximumSkewIndication::h2250MaximumSkewIndication(const h2250MaximumSkewIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h2250MaximumSkewIndication& h2250MaximumSkewIndication::operator=(const h2250MaximumSkewIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
h2250MaximumSkewIndication::~h2250MaximumSkewIndication() { reset(); }
asn::object* h2250MaximumSkewIndication::create() { return new h2250MaximumSkewIndication; }

// mCLocationIndication
static const asn::componentEntry mCLocationIndicationComponents[] = {
    asn::mandatoryComponent<&mCLocationIndication::signalAddress>(offsetof(mCLocationIndication, signalAddress), "SignalAddress"),
};
static const asn::tagTriple mCLocationIndicationComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor mCLocationIndication::descriptor = asn::sequenceDescriptor::make(mCLocationIndicationComponents, 1, 0x0u, true, mCLocationIndicationComponentTags);
mCLocationIndication::mCLocationIndication(const mCLocationIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mCLocationIndication& mCLocationIndication::operator=(const mCLocationIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
mCLocationIndication::~mCLocationIndication() { reset(); }
asn::object* mCLocationIndication::create() { return new mCLocationIndication; }

// vendorIdentification
static const asn::componentEntry vendorIdentificationComponents[] = {
    asn::mandatoryComponent<&vendorIdentification::vendor>(offsetof(vendorIdentification, vendor), "Vendor"),
    asn::optionalComponent<&vendorIdentification::productNumber>(offsetof(vendorIdentification, productNumber), "ProductNumber"),
    asn::optionalComponent<&vendorIdentification::versionNumber>(offsetof(vendorIdentification, versionNumber), "VersionNumber"),
};
static const asn::tagTriple vendorIdentificationComponentTags[] = {{0, 0, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor vendorIdentification::descriptor = asn::sequenceDescriptor::make(vendorIdentificationComponents, 3, 0x6u, true, vendorIdentificationComponentTags);
vendorIdentification::vendorIdentification(const vendorIdentification& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vendorIdentification& vendorIdentification::operator=(const vendorIdentification& other) {
  if (this != &other) assign(other);
  return *this;
}
vendorIdentification::~vendorIdentification() { reset(); }
asn::object* vendorIdentification::create() { return new vendorIdentification; }

// newATMVCIndication::aal_choice::aal1_sequence::clockRecovery_choice
static const asn::alternativeEntry newATMVCIndication_aal_choice_aal1_sequence_clockRecovery_choiceAlternatives[] = {
    asn::alternative<asn::null>("NullClockRecovery"),
    asn::alternative<asn::null>("SrtsClockRecovery"),
    asn::alternative<asn::null>("AdaptiveClockRecovery"),
};
static const asn::tagTriple newATMVCIndication_aal_choice_aal1_sequence_clockRecovery_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCIndication::aal_choice::aal1_sequence::clockRecovery_choice::descriptor = asn::choiceDescriptor::make(newATMVCIndication_aal_choice_aal1_sequence_clockRecovery_choiceAlternatives, 3, true, newATMVCIndication_aal_choice_aal1_sequence_clockRecovery_choiceAlternativeTags);
asn::object* newATMVCIndication::aal_choice::aal1_sequence::clockRecovery_choice::create() { return new clockRecovery_choice; }

// newATMVCIndication::aal_choice::aal1_sequence::errorCorrection_choice
static const asn::alternativeEntry newATMVCIndication_aal_choice_aal1_sequence_errorCorrection_choiceAlternatives[] = {
    asn::alternative<asn::null>("NullErrorCorrection"),
    asn::alternative<asn::null>("LongInterleaver"),
    asn::alternative<asn::null>("ShortInterleaver"),
    asn::alternative<asn::null>("ErrorCorrectionOnly"),
};
static const asn::tagTriple newATMVCIndication_aal_choice_aal1_sequence_errorCorrection_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCIndication::aal_choice::aal1_sequence::errorCorrection_choice::descriptor = asn::choiceDescriptor::make(newATMVCIndication_aal_choice_aal1_sequence_errorCorrection_choiceAlternatives, 4, true, newATMVCIndication_aal_choice_aal1_sequence_errorCorrection_choiceAlternativeTags);
asn::object* newATMVCIndication::aal_choice::aal1_sequence::errorCorrection_choice::create() { return new errorCorrection_choice; }

// newATMVCIndication::aal_choice::aal1_sequence
static const asn::componentEntry newATMVCIndication_aal_choice_aal1_sequenceComponents[] = {
    asn::mandatoryComponent<&newATMVCIndication::aal_choice::aal1_sequence::clockRecovery>(offsetof(newATMVCIndication::aal_choice::aal1_sequence, clockRecovery), "ClockRecovery"),
    asn::mandatoryComponent<&newATMVCIndication::aal_choice::aal1_sequence::errorCorrection>(offsetof(newATMVCIndication::aal_choice::aal1_sequence, errorCorrection), "ErrorCorrection"),
    asn::mandatoryComponent<&newATMVCIndication::aal_choice::aal1_sequence::structuredDataTransfer>(offsetof(newATMVCIndication::aal_choice::aal1_sequence, structuredDataTransfer), "StructuredDataTransfer"),
    asn::mandatoryComponent<&newATMVCIndication::aal_choice::aal1_sequence::partiallyFilledCells>(offsetof(newATMVCIndication::aal_choice::aal1_sequence, partiallyFilledCells), "PartiallyFilledCells"),
};
static const asn::tagTriple newATMVCIndication_aal_choice_aal1_sequenceComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor newATMVCIndication::aal_choice::aal1_sequence::descriptor = asn::sequenceDescriptor::make(newATMVCIndication_aal_choice_aal1_sequenceComponents, 4, 0x0u, true, newATMVCIndication_aal_choice_aal1_sequenceComponentTags);
newATMVCIndication::aal_choice::aal1_sequence::aal1_sequence(const aal1_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCIndication::aal_choice::aal1_sequence& newATMVCIndication::aal_choice::aal1_sequence::operator=(const aal1_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCIndication::aal_choice::aal1_sequence::~aal1_sequence() { reset(); }
asn::object* newATMVCIndication::aal_choice::aal1_sequence::create() { return new aal1_sequence; }

// newATMVCIndication::aal_choice::aal5_sequence
static const asn::componentEntry newATMVCIndication_aal_choice_aal5_sequenceComponents[] = {
    asn::mandatoryComponent<&newATMVCIndication::aal_choice::aal5_sequence::forwardMaximumSDUSize>(offsetof(newATMVCIndication::aal_choice::aal5_sequence, forwardMaximumSDUSize), "ForwardMaximumSDUSize"),
    asn::mandatoryComponent<&newATMVCIndication::aal_choice::aal5_sequence::backwardMaximumSDUSize>(offsetof(newATMVCIndication::aal_choice::aal5_sequence, backwardMaximumSDUSize), "BackwardMaximumSDUSize"),
};
static const asn::tagTriple newATMVCIndication_aal_choice_aal5_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor newATMVCIndication::aal_choice::aal5_sequence::descriptor = asn::sequenceDescriptor::make(newATMVCIndication_aal_choice_aal5_sequenceComponents, 2, 0x0u, true, newATMVCIndication_aal_choice_aal5_sequenceComponentTags);
newATMVCIndication::aal_choice::aal5_sequence::aal5_sequence(const aal5_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCIndication::aal_choice::aal5_sequence& newATMVCIndication::aal_choice::aal5_sequence::operator=(const aal5_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCIndication::aal_choice::aal5_sequence::~aal5_sequence() { reset(); }
asn::object* newATMVCIndication::aal_choice::aal5_sequence::create() { return new aal5_sequence; }

// newATMVCIndication::aal_choice
static const asn::alternativeEntry newATMVCIndication_aal_choiceAlternatives[] = {
    asn::alternative<H245::newATMVCIndication::aal_choice::aal1_sequence>("Aal1"),
    asn::alternative<H245::newATMVCIndication::aal_choice::aal5_sequence>("Aal5"),
};
static const asn::tagTriple newATMVCIndication_aal_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor newATMVCIndication::aal_choice::descriptor = asn::choiceDescriptor::make(newATMVCIndication_aal_choiceAlternatives, 2, true, newATMVCIndication_aal_choiceAlternativeTags);
asn::object* newATMVCIndication::aal_choice::create() { return new aal_choice; }

// newATMVCIndication::multiplex_choice
static const asn::alternativeEntry newATMVCIndication_multiplex_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoMultiplex"),
    asn::alternative<asn::null>("TransportStream"),
    asn::alternative<asn::null>("ProgramStream"),
};
static const asn::tagTriple newATMVCIndication_multiplex_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCIndication::multiplex_choice::descriptor = asn::choiceDescriptor::make(newATMVCIndication_multiplex_choiceAlternatives, 3, true, newATMVCIndication_multiplex_choiceAlternativeTags);
asn::object* newATMVCIndication::multiplex_choice::create() { return new multiplex_choice; }

// newATMVCIndication::reverseParameters_sequence::multiplex_choice
static const asn::alternativeEntry newATMVCIndication_reverseParameters_sequence_multiplex_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoMultiplex"),
    asn::alternative<asn::null>("TransportStream"),
    asn::alternative<asn::null>("ProgramStream"),
};
static const asn::tagTriple newATMVCIndication_reverseParameters_sequence_multiplex_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor newATMVCIndication::reverseParameters_sequence::multiplex_choice::descriptor = asn::choiceDescriptor::make(newATMVCIndication_reverseParameters_sequence_multiplex_choiceAlternatives, 3, true, newATMVCIndication_reverseParameters_sequence_multiplex_choiceAlternativeTags);
asn::object* newATMVCIndication::reverseParameters_sequence::multiplex_choice::create() { return new multiplex_choice; }

// newATMVCIndication::reverseParameters_sequence
static const asn::componentEntry newATMVCIndication_reverseParameters_sequenceComponents[] = {
    asn::mandatoryComponent<&newATMVCIndication::reverseParameters_sequence::bitRate>(offsetof(newATMVCIndication::reverseParameters_sequence, bitRate), "BitRate"),
    asn::mandatoryComponent<&newATMVCIndication::reverseParameters_sequence::bitRateLockedToPCRClock>(offsetof(newATMVCIndication::reverseParameters_sequence, bitRateLockedToPCRClock), "BitRateLockedToPCRClock"),
    asn::mandatoryComponent<&newATMVCIndication::reverseParameters_sequence::bitRateLockedToNetworkClock>(offsetof(newATMVCIndication::reverseParameters_sequence, bitRateLockedToNetworkClock), "BitRateLockedToNetworkClock"),
    asn::mandatoryComponent<&newATMVCIndication::reverseParameters_sequence::multiplex>(offsetof(newATMVCIndication::reverseParameters_sequence, multiplex), "Multiplex"),
};
static const asn::tagTriple newATMVCIndication_reverseParameters_sequenceComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, 0}};
const asn::sequenceDescriptor newATMVCIndication::reverseParameters_sequence::descriptor = asn::sequenceDescriptor::make(newATMVCIndication_reverseParameters_sequenceComponents, 4, 0x0u, true, newATMVCIndication_reverseParameters_sequenceComponentTags);
newATMVCIndication::reverseParameters_sequence::reverseParameters_sequence(const reverseParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCIndication::reverseParameters_sequence& newATMVCIndication::reverseParameters_sequence::operator=(const reverseParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCIndication::reverseParameters_sequence::~reverseParameters_sequence() { reset(); }
asn::object* newATMVCIndication::reverseParameters_sequence::create() { return new reverseParameters_sequence; }

// newATMVCIndication
static const asn::componentEntry newATMVCIndicationComponents[] = {
    asn::mandatoryComponent<&newATMVCIndication::resourceID>(offsetof(newATMVCIndication, resourceID), "ResourceID"),
    asn::mandatoryComponent<&newATMVCIndication::bitRate>(offsetof(newATMVCIndication, bitRate), "BitRate"),
    asn::mandatoryComponent<&newATMVCIndication::bitRateLockedToPCRClock>(offsetof(newATMVCIndication, bitRateLockedToPCRClock), "BitRateLockedToPCRClock"),
    asn::mandatoryComponent<&newATMVCIndication::bitRateLockedToNetworkClock>(offsetof(newATMVCIndication, bitRateLockedToNetworkClock), "BitRateLockedToNetworkClock"),
    asn::mandatoryComponent<&newATMVCIndication::aal>(offsetof(newATMVCIndication, aal), "Aal"),
    asn::mandatoryComponent<&newATMVCIndication::multiplex>(offsetof(newATMVCIndication, multiplex), "Multiplex"),
    asn::additionComponent<&newATMVCIndication::reverseParameters>(offsetof(newATMVCIndication, reverseParameters), "ReverseParameters"),
};
static const asn::tagTriple newATMVCIndicationComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor newATMVCIndication::descriptor = asn::sequenceDescriptor::make(newATMVCIndicationComponents, 6, 0x0u, true, newATMVCIndicationComponentTags);
newATMVCIndication::newATMVCIndication(const newATMVCIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
newATMVCIndication& newATMVCIndication::operator=(const newATMVCIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
newATMVCIndication::~newATMVCIndication() { reset(); }
asn::object* newATMVCIndication::create() { return new newATMVCIndication; }

// params
static const asn::componentEntry paramsComponents[] = {
    asn::optionalComponent<&params::iv8>(offsetof(params, iv8), "Iv8"),
    asn::optionalComponent<&params::iv16>(offsetof(params, iv16), "Iv16"),
    asn::optionalComponent<&params::iv>(offsetof(params, iv), "Iv"),
};
static const asn::tagTriple paramsComponentTags[] = {{0, 4, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor params::descriptor = asn::sequenceDescriptor::make(paramsComponents, 3, 0x7u, true, paramsComponentTags);
params::params(const params& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
params& params::operator=(const params& other) {
  if (this != &other) assign(other);
  return *this;
}
params::~params() { reset(); }
asn::object* params::create() { return new params; }

// userInputIndication::userInputSupportIndication_choice
static const asn::alternativeEntry userInputIndication_userInputSupportIndication_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("BasicString"),
    asn::alternative<asn::null>("IA5String"),
    asn::alternative<asn::null>("GeneralString"),
    asn::alternative<asn::null>("EncryptedBasicString"),
    asn::alternative<asn::null>("EncryptedIA5String"),
    asn::alternative<asn::null>("EncryptedGeneralString"),
};
static const asn::tagTriple userInputIndication_userInputSupportIndication_choiceAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor userInputIndication::userInputSupportIndication_choice::descriptor = asn::choiceDescriptor::make(userInputIndication_userInputSupportIndication_choiceAlternatives, 4, true, userInputIndication_userInputSupportIndication_choiceAlternativeTags);
asn::object* userInputIndication::userInputSupportIndication_choice::create() { return new userInputSupportIndication_choice; }

// userInputIndication::signal_sequence::rtp_sequence
static const asn::componentEntry userInputIndication_signal_sequence_rtp_sequenceComponents[] = {
    asn::optionalComponent<&userInputIndication::signal_sequence::rtp_sequence::timestamp>(offsetof(userInputIndication::signal_sequence::rtp_sequence, timestamp), "Timestamp"),
    asn::optionalComponent<&userInputIndication::signal_sequence::rtp_sequence::expirationTime>(offsetof(userInputIndication::signal_sequence::rtp_sequence, expirationTime), "ExpirationTime"),
    asn::mandatoryComponent<&userInputIndication::signal_sequence::rtp_sequence::logicalChannelNumber>(offsetof(userInputIndication::signal_sequence::rtp_sequence, logicalChannelNumber), "LogicalChannelNumber"),
};
static const asn::tagTriple userInputIndication_signal_sequence_rtp_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor userInputIndication::signal_sequence::rtp_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_signal_sequence_rtp_sequenceComponents, 3, 0x3u, true, userInputIndication_signal_sequence_rtp_sequenceComponentTags);
userInputIndication::signal_sequence::rtp_sequence::rtp_sequence(const rtp_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::signal_sequence::rtp_sequence& userInputIndication::signal_sequence::rtp_sequence::operator=(const rtp_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::signal_sequence::rtp_sequence::~rtp_sequence() { reset(); }
asn::object* userInputIndication::signal_sequence::rtp_sequence::create() { return new rtp_sequence; }

// userInputIndication::signal_sequence
static const asn::componentEntry userInputIndication_signal_sequenceComponents[] = {
    asn::mandatoryComponent<&userInputIndication::signal_sequence::signalType>(offsetof(userInputIndication::signal_sequence, signalType), "SignalType"),
    asn::optionalComponent<&userInputIndication::signal_sequence::duration>(offsetof(userInputIndication::signal_sequence, duration), "Duration"),
    asn::optionalComponent<&userInputIndication::signal_sequence::rtp>(offsetof(userInputIndication::signal_sequence, rtp), "Rtp"),
    asn::additionComponent<&userInputIndication::signal_sequence::rtpPayloadIndication>(offsetof(userInputIndication::signal_sequence, rtpPayloadIndication), "RtpPayloadIndication"),
    asn::additionComponent<&userInputIndication::signal_sequence::paramS>(offsetof(userInputIndication::signal_sequence, paramS), "ParamS"),
    asn::additionComponent<&userInputIndication::signal_sequence::encryptedSignalType>(offsetof(userInputIndication::signal_sequence, encryptedSignalType), "EncryptedSignalType"),
    asn::additionComponent<&userInputIndication::signal_sequence::algorithmOID>(offsetof(userInputIndication::signal_sequence, algorithmOID), "AlgorithmOID"),
};
static const asn::tagTriple userInputIndication_signal_sequenceComponentTags[] = {{0, 22, 0}, {0, 2, 0}, {0, 16, 1}, {0, 5, 0}, {0, 16, 1}, {0, 4, 0}, {0, 6, 0}};
const asn::sequenceDescriptor userInputIndication::signal_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_signal_sequenceComponents, 3, 0x6u, true, userInputIndication_signal_sequenceComponentTags);
userInputIndication::signal_sequence::signal_sequence(const signal_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::signal_sequence& userInputIndication::signal_sequence::operator=(const signal_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::signal_sequence::~signal_sequence() { reset(); }
asn::object* userInputIndication::signal_sequence::create() { return new signal_sequence; }

// userInputIndication::signalUpdate_sequence::rtp_sequence
static const asn::componentEntry userInputIndication_signalUpdate_sequence_rtp_sequenceComponents[] = {
    asn::mandatoryComponent<&userInputIndication::signalUpdate_sequence::rtp_sequence::logicalChannelNumber>(offsetof(userInputIndication::signalUpdate_sequence::rtp_sequence, logicalChannelNumber), "LogicalChannelNumber"),
};
static const asn::tagTriple userInputIndication_signalUpdate_sequence_rtp_sequenceComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor userInputIndication::signalUpdate_sequence::rtp_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_signalUpdate_sequence_rtp_sequenceComponents, 1, 0x0u, true, userInputIndication_signalUpdate_sequence_rtp_sequenceComponentTags);
userInputIndication::signalUpdate_sequence::rtp_sequence::rtp_sequence(const rtp_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::signalUpdate_sequence::rtp_sequence& userInputIndication::signalUpdate_sequence::rtp_sequence::operator=(const rtp_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::signalUpdate_sequence::rtp_sequence::~rtp_sequence() { reset(); }
asn::object* userInputIndication::signalUpdate_sequence::rtp_sequence::create() { return new rtp_sequence; }

// userInputIndication::signalUpdate_sequence
static const asn::componentEntry userInputIndication_signalUpdate_sequenceComponents[] = {
    asn::mandatoryComponent<&userInputIndication::signalUpdate_sequence::duration>(offsetof(userInputIndication::signalUpdate_sequence, duration), "Duration"),
    asn::optionalComponent<&userInputIndication::signalUpdate_sequence::rtp>(offsetof(userInputIndication::signalUpdate_sequence, rtp), "Rtp"),
};
static const asn::tagTriple userInputIndication_signalUpdate_sequenceComponentTags[] = {{0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor userInputIndication::signalUpdate_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_signalUpdate_sequenceComponents, 2, 0x2u, true, userInputIndication_signalUpdate_sequenceComponentTags);
userInputIndication::signalUpdate_sequence::signalUpdate_sequence(const signalUpdate_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::signalUpdate_sequence& userInputIndication::signalUpdate_sequence::operator=(const signalUpdate_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::signalUpdate_sequence::~signalUpdate_sequence() { reset(); }
asn::object* userInputIndication::signalUpdate_sequence::create() { return new signalUpdate_sequence; }

// userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence
static const asn::componentEntry userInputIndication_extendedAlphanumeric_sequence_encryptedAlphanumeric_sequenceComponents[] = {
    asn::mandatoryComponent<&userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::algorithmOID>(offsetof(userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence, algorithmOID), "AlgorithmOID"),
    asn::optionalComponent<&userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::paramS>(offsetof(userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence, paramS), "ParamS"),
    asn::mandatoryComponent<&userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::encrypted>(offsetof(userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence, encrypted), "Encrypted"),
};
static const asn::tagTriple userInputIndication_extendedAlphanumeric_sequence_encryptedAlphanumeric_sequenceComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_extendedAlphanumeric_sequence_encryptedAlphanumeric_sequenceComponents, 3, 0x2u, true, userInputIndication_extendedAlphanumeric_sequence_encryptedAlphanumeric_sequenceComponentTags);
userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::encryptedAlphanumeric_sequence(const encryptedAlphanumeric_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence& userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::operator=(const encryptedAlphanumeric_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::~encryptedAlphanumeric_sequence() { reset(); }
asn::object* userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence::create() { return new encryptedAlphanumeric_sequence; }

// userInputIndication::extendedAlphanumeric_sequence
static const asn::componentEntry userInputIndication_extendedAlphanumeric_sequenceComponents[] = {
    asn::mandatoryComponent<&userInputIndication::extendedAlphanumeric_sequence::alphanumeric>(offsetof(userInputIndication::extendedAlphanumeric_sequence, alphanumeric), "Alphanumeric"),
    asn::optionalComponent<&userInputIndication::extendedAlphanumeric_sequence::rtpPayloadIndication>(offsetof(userInputIndication::extendedAlphanumeric_sequence, rtpPayloadIndication), "RtpPayloadIndication"),
    asn::additionComponent<&userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric>(offsetof(userInputIndication::extendedAlphanumeric_sequence, encryptedAlphanumeric), "EncryptedAlphanumeric"),
};
static const asn::tagTriple userInputIndication_extendedAlphanumeric_sequenceComponentTags[] = {{0, 27, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::sequenceDescriptor userInputIndication::extendedAlphanumeric_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_extendedAlphanumeric_sequenceComponents, 2, 0x2u, true, userInputIndication_extendedAlphanumeric_sequenceComponentTags);
userInputIndication::extendedAlphanumeric_sequence::extendedAlphanumeric_sequence(const extendedAlphanumeric_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::extendedAlphanumeric_sequence& userInputIndication::extendedAlphanumeric_sequence::operator=(const extendedAlphanumeric_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::extendedAlphanumeric_sequence::~extendedAlphanumeric_sequence() { reset(); }
asn::object* userInputIndication::extendedAlphanumeric_sequence::create() { return new extendedAlphanumeric_sequence; }

// userInputIndication::encryptedAlphanumeric_sequence
static const asn::componentEntry userInputIndication_encryptedAlphanumeric_sequenceComponents[] = {
    asn::mandatoryComponent<&userInputIndication::encryptedAlphanumeric_sequence::algorithmOID>(offsetof(userInputIndication::encryptedAlphanumeric_sequence, algorithmOID), "AlgorithmOID"),
    asn::optionalComponent<&userInputIndication::encryptedAlphanumeric_sequence::paramS>(offsetof(userInputIndication::encryptedAlphanumeric_sequence, paramS), "ParamS"),
    asn::mandatoryComponent<&userInputIndication::encryptedAlphanumeric_sequence::encrypted>(offsetof(userInputIndication::encryptedAlphanumeric_sequence, encrypted), "Encrypted"),
};
static const asn::tagTriple userInputIndication_encryptedAlphanumeric_sequenceComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 4, 0}};
const asn::sequenceDescriptor userInputIndication::encryptedAlphanumeric_sequence::descriptor = asn::sequenceDescriptor::make(userInputIndication_encryptedAlphanumeric_sequenceComponents, 3, 0x2u, true, userInputIndication_encryptedAlphanumeric_sequenceComponentTags);
userInputIndication::encryptedAlphanumeric_sequence::encryptedAlphanumeric_sequence(const encryptedAlphanumeric_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userInputIndication::encryptedAlphanumeric_sequence& userInputIndication::encryptedAlphanumeric_sequence::operator=(const encryptedAlphanumeric_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
userInputIndication::encryptedAlphanumeric_sequence::~encryptedAlphanumeric_sequence() { reset(); }
asn::object* userInputIndication::encryptedAlphanumeric_sequence::create() { return new encryptedAlphanumeric_sequence; }

// userInputIndication
static const asn::alternativeEntry userInputIndicationAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::generalString<0u, 0u, 1, asn::constrainedString::GeneralSet, 256u>>("Alphanumeric"),
    asn::alternative<H245::userInputIndication::userInputSupportIndication_choice>("UserInputSupportIndication"),
    asn::alternative<H245::userInputIndication::signal_sequence>("Signal"),
    asn::alternative<H245::userInputIndication::signalUpdate_sequence>("SignalUpdate"),
    asn::alternative<H245::userInputIndication::extendedAlphanumeric_sequence>("ExtendedAlphanumeric"),
    asn::alternative<H245::userInputIndication::encryptedAlphanumeric_sequence>("EncryptedAlphanumeric"),
    asn::alternative<asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>>("GenericInformation"),
};
static const asn::tagTriple userInputIndicationAlternativeTags[] = {{0, 16, 1}, {0, 27, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::choiceDescriptor userInputIndication::descriptor = asn::choiceDescriptor::make(userInputIndicationAlternatives, 2, true, userInputIndicationAlternativeTags);
asn::object* userInputIndication::create() { return new userInputIndication; }

// flowControlIndication::scope_choice
static const asn::alternativeEntry flowControlIndication_scope_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("LogicalChannelNumber"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("ResourceID"),
    asn::alternative<asn::null>("WholeMultiplex"),
};
static const asn::tagTriple flowControlIndication_scope_choiceAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor flowControlIndication::scope_choice::descriptor = asn::choiceDescriptor::make(flowControlIndication_scope_choiceAlternatives, 3, false, flowControlIndication_scope_choiceAlternativeTags);
asn::object* flowControlIndication::scope_choice::create() { return new scope_choice; }

// flowControlIndication::restriction_choice
static const asn::alternativeEntry flowControlIndication_restriction_choiceAlternatives[] = {
    asn::alternative<asn::integer<0u, 16777215u, 1>>("MaximumBitRate"),
    asn::alternative<asn::null>("NoRestriction"),
};
static const asn::tagTriple flowControlIndication_restriction_choiceAlternativeTags[] = {{0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor flowControlIndication::restriction_choice::descriptor = asn::choiceDescriptor::make(flowControlIndication_restriction_choiceAlternatives, 2, false, flowControlIndication_restriction_choiceAlternativeTags);
asn::object* flowControlIndication::restriction_choice::create() { return new restriction_choice; }

// flowControlIndication
static const asn::componentEntry flowControlIndicationComponents[] = {
    asn::mandatoryComponent<&flowControlIndication::scope>(offsetof(flowControlIndication, scope), "Scope"),
    asn::mandatoryComponent<&flowControlIndication::restriction>(offsetof(flowControlIndication, restriction), "Restriction"),
};
static const asn::tagTriple flowControlIndicationComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor flowControlIndication::descriptor = asn::sequenceDescriptor::make(flowControlIndicationComponents, 2, 0x0u, true, flowControlIndicationComponentTags);
flowControlIndication::flowControlIndication(const flowControlIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
flowControlIndication& flowControlIndication::operator=(const flowControlIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
flowControlIndication::~flowControlIndication() { reset(); }
asn::object* flowControlIndication::create() { return new flowControlIndication; }

// mobileMultilinkReconfigurationIndication
static const asn::componentEntry mobileMultilinkReconfigurationIndicationComponents[] = {
    asn::mandatoryComponent<&mobileMultilinkReconfigurationIndication::sampleSize>(offsetof(mobileMultilinkReconfigurationIndication, sampleSize), "SampleSize"),
    asn::mandatoryComponent<&mobileMultilinkReconfigurationIndication::samplesPerFrame>(offsetof(mobileMultilinkReconfigurationIndication, samplesPerFrame), "SamplesPerFrame"),
};
static const asn::tagTriple mobileMultilinkReconfigurationIndicationComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor mobileMultilinkReconfigurationIndication::descriptor = asn::sequenceDescriptor::make(mobileMultilinkReconfigurationIndicationComponents, 2, 0x0u, true, mobileMultilinkReconfigurationIndicationComponentTags);
mobileMultilinkReconfigurationIndication::mobileMultilinkReconfigurationIndication(const mobileMultilinkReconfigurationIndication& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
mobileMultilinkReconfigurationIndication& mobileMultilinkReconfigurationIndication::operator=(const mobileMultilinkReconfigurationIndication& other) {
  if (this != &other) assign(other);
  return *this;
}
mobileMultilinkReconfigurationIndication::~mobileMultilinkReconfigurationIndication() { reset(); }
asn::object* mobileMultilinkReconfigurationIndication::create() { return new mobileMultilinkReconfigurationIndication; }

}  // namespace H245
