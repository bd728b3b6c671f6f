// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H245 {

// closeLogicalChannel::source_choice
static const asn::alternativeEntry closeLogicalChannel_source_choiceAlternatives[] = {
    asn::alternative<asn::null>("User"),
    asn::alternative<asn::null>("Lcse"),
};
static const asn::tagTriple closeLogicalChannel_source_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor closeLogicalChannel::source_choice::descriptor = asn::choiceDescriptor::make(closeLogicalChannel_source_choiceAlternatives, 2, false, closeLogicalChannel_source_choiceAlternativeTags);
asn::object* closeLogicalChannel::source_choice::create() { return new source_choice; }

// closeLogicalChannel::reason_choice
static const asn::alternativeEntry closeLogicalChannel_reason_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unknown"),
    asn::alternative<asn::null>("Reopen"),
    asn::alternative<asn::null>("ReservationFailure"),
    asn::alternative<asn::integer<0u, 255u, 1>>("NetworkErrorCode"),
};
static const asn::tagTriple closeLogicalChannel_reason_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 2, 0}};
const asn::choiceDescriptor closeLogicalChannel::reason_choice::descriptor = asn::choiceDescriptor::make(closeLogicalChannel_reason_choiceAlternatives, 3, true, closeLogicalChannel_reason_choiceAlternativeTags);
asn::object* closeLogicalChannel::reason_choice::create() { return new reason_choice; }

// closeLogicalChannel
static const asn::componentEntry closeLogicalChannelComponents[] = {
    asn::mandatoryComponent<&closeLogicalChannel::forwardLogicalChannelNumber>(offsetof(closeLogicalChannel, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::mandatoryComponent<&closeLogicalChannel::source>(offsetof(closeLogicalChannel, source), "Source"),
    asn::additionComponent<&closeLogicalChannel::reason>(offsetof(closeLogicalChannel, reason), "Reason"),
};
static const asn::tagTriple closeLogicalChannelComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor closeLogicalChannel::descriptor = asn::sequenceDescriptor::make(closeLogicalChannelComponents, 2, 0x0u, true, closeLogicalChannelComponentTags);
closeLogicalChannel::closeLogicalChannel(const closeLogicalChannel& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
closeLogicalChannel& closeLogicalChannel::operator=(const closeLogicalChannel& other) {
  if (this != &other) assign(other);
  return *this;
}
closeLogicalChannel::~closeLogicalChannel() { reset(); }
asn::object* closeLogicalChannel::create() { return new closeLogicalChannel; }

// closeLogicalChannelAck
static const asn::componentEntry closeLogicalChannelAckComponents[] = {
    asn::mandatoryComponent<&closeLogicalChannelAck::forwardLogicalChannelNumber>(offsetof(closeLogicalChannelAck, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
};
static const asn::tagTriple closeLogicalChannelAckComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor closeLogicalChannelAck::descriptor = asn::sequenceDescriptor::make(closeLogicalChannelAckComponents, 1, 0x0u, true, closeLogicalChannelAckComponentTags);
closeLogicalChannelAck::closeLogicalChannelAck(const closeLogicalChannelAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
closeLogicalChannelAck& closeLogicalChannelAck::operator=(const closeLogicalChannelAck& other) {
  if (this != &other) assign(other);
  return *this;
}
closeLogicalChannelAck::~closeLogicalChannelAck() { reset(); }
asn::object* closeLogicalChannelAck::create() { return new closeLogicalChannelAck; }

// requestChannelClose::reason_choice
static const asn::alternativeEntry requestChannelClose_reason_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unknown"),
    asn::alternative<asn::null>("Normal"),
    asn::alternative<asn::null>("Reopen"),
    asn::alternative<asn::null>("ReservationFailure"),
    asn::alternative<asn::integer<0u, 255u, 1>>("NetworkErrorCode"),
};
static const asn::tagTriple requestChannelClose_reason_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 2, 0}};
const asn::choiceDescriptor requestChannelClose::reason_choice::descriptor = asn::choiceDescriptor::make(requestChannelClose_reason_choiceAlternatives, 4, true, requestChannelClose_reason_choiceAlternativeTags);
asn::object* requestChannelClose::reason_choice::create() { return new reason_choice; }

// requestChannelClose
static const asn::componentEntry requestChannelCloseComponents[] = {
    asn::mandatoryComponent<&requestChannelClose::forwardLogicalChannelNumber>(offsetof(requestChannelClose, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::additionComponent<&requestChannelClose::qosCapability>(offsetof(requestChannelClose, qosCapability), "QosCapability"),
    asn::additionComponent<&requestChannelClose::reason>(offsetof(requestChannelClose, reason), "Reason"),
};
static const asn::tagTriple requestChannelCloseComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor requestChannelClose::descriptor = asn::sequenceDescriptor::make(requestChannelCloseComponents, 1, 0x0u, true, requestChannelCloseComponentTags);
requestChannelClose::requestChannelClose(const requestChannelClose& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestChannelClose& requestChannelClose::operator=(const requestChannelClose& other) {
  if (this != &other) assign(other);
  return *this;
}
requestChannelClose::~requestChannelClose() { reset(); }
asn::object* requestChannelClose::create() { return new requestChannelClose; }

// requestChannelCloseAck
static const asn::componentEntry requestChannelCloseAckComponents[] = {
    asn::mandatoryComponent<&requestChannelCloseAck::forwardLogicalChannelNumber>(offsetof(requestChannelCloseAck, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
};
static const asn::tagTriple requestChannelCloseAckComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor requestChannelCloseAck::descriptor = asn::sequenceDescriptor::make(requestChannelCloseAckComponents, 1, 0x0u, true, requestChannelCloseAckComponentTags);
requestChannelCloseAck::requestChannelCloseAck(const requestChannelCloseAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestChannelCloseAck& requestChannelCloseAck::operator=(const requestChannelCloseAck& other) {
  if (this != &other) assign(other);
  return *this;
}
requestChannelCloseAck::~requestChannelCloseAck() { reset(); }
asn::object* requestChannelCloseAck::create() { return new requestChannelCloseAck; }

// requestChannelCloseReject::cause_choice
static const asn::alternativeEntry requestChannelCloseReject_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("Unspecified"),
};
static const asn::tagTriple requestChannelCloseReject_cause_choiceAlternativeTags[] = {{0, 5, 0}};
const asn::choiceDescriptor requestChannelCloseReject::cause_choice::descriptor = asn::choiceDescriptor::make(requestChannelCloseReject_cause_choiceAlternatives, 1, true, requestChannelCloseReject_cause_choiceAlternativeTags);
asn::object* requestChannelCloseReject::cause_choice::create() { return new cause_choice; }

// requestChannelCloseReject
static const asn::componentEntry requestChannelCloseRejectComponents[] = {
    asn::mandatoryComponent<&requestChannelCloseReject::forwardLogicalChannelNumber>(offsetof(requestChannelCloseReject, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::mandatoryComponent<&requestChannelCloseReject::cause>(offsetof(requestChannelCloseReject, cause), "Cause"),
};
static const asn::tagTriple requestChannelCloseRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor requestChannelCloseReject::descriptor = asn::sequenceDescriptor::make(requestChannelCloseRejectComponents, 2, 0x0u, true, requestChannelCloseRejectComponentTags);
requestChannelCloseReject::requestChannelCloseReject(const requestChannelCloseReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestChannelCloseReject& requestChannelCloseReject::operator=(const requestChannelCloseReject& other) {
  if (this != &other) assign(other);
  return *this;
}
requestChannelCloseReject::~requestChannelCloseReject() { reset(); }
asn::object* requestChannelCloseReject::create() { return new requestChannelCloseReject; }

// requestChannelCloseRelease
static const asn::componentEntry requestChannelCloseReleaseComponents[] = {
    asn::mandatoryComponent<&requestChannelCloseRelease::forwardLogicalChannelNumber>(offsetof(requestChannelCloseRelease, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
};
static const asn::tagTriple requestChannelCloseReleaseComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor requestChannelCloseRelease::descriptor = asn::sequenceDescriptor::make(requestChannelCloseReleaseComponents, 1, 0x0u, true, requestChannelCloseReleaseComponentTags);
requestChannelCloseRelease::requestChannelCloseRelease(const requestChannelCloseRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestChannelCloseRelease& requestChannelCloseRelease::operator=(const requestChannelCloseRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
requestChannelCloseRelease::~requestChannelCloseRelease() { reset(); }
asn::object* requestChannelCloseRelease::create() { return new requestChannelCloseRelease; }

// multiplexEntryDescriptor
static const asn::componentEntry multiplexEntryDescriptorComponents[] = {
    asn::mandatoryComponent<&multiplexEntryDescriptor::multiplexTableEntryNumber>(offsetof(multiplexEntryDescriptor, multiplexTableEntryNumber), "MultiplexTableEntryNumber"),
    asn::optionalComponent<&multiplexEntryDescriptor::elementList>(offsetof(multiplexEntryDescriptor, elementList), "ElementList"),
};
static const asn::tagTriple multiplexEntryDescriptorComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor multiplexEntryDescriptor::descriptor = asn::sequenceDescriptor::make(multiplexEntryDescriptorComponents, 2, 0x2u, false, multiplexEntryDescriptorComponentTags);
multiplexEntryDescriptor::multiplexEntryDescriptor(const multiplexEntryDescriptor& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexEntryDescriptor& multiplexEntryDescriptor::operator=(const multiplexEntryDescriptor& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexEntryDescriptor::~multiplexEntryDescriptor() { reset(); }
asn::object* multiplexEntryDescriptor::create() { return new multiplexEntryDescriptor; }

// multiplexEntrySend
static const asn::componentEntry multiplexEntrySendComponents[] = {
    asn::mandatoryComponent<&multiplexEntrySend::sequenceNumber>(offsetof(multiplexEntrySend, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&multiplexEntrySend::multiplexEntryDescriptors>(offsetof(multiplexEntrySend, multiplexEntryDescriptors), "MultiplexEntryDescriptors"),
};
static const asn::tagTriple multiplexEntrySendComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor multiplexEntrySend::descriptor = asn::sequenceDescriptor::make(multiplexEntrySendComponents, 2, 0x0u, true, multiplexEntrySendComponentTags);
multiplexEntrySend::multiplexEntrySend(const multiplexEntrySend& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexEntrySend& multiplexEntrySend::operator=(const multiplexEntrySend& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexEntrySend::~multiplexEntrySend() { reset(); }
asn::object* multiplexEntrySend::create() { return new multiplexEntrySend; }

// multiplexElement::type_choice
static const asn::alternativeEntry multiplexElement_type_choiceAlternatives[] = {
    asn::alternative<asn::integer<0u, 65535u, 1>>("LogicalChannelNumber"),
    asn::alternative<asn::sequenceOf<H245::multiplexElement, 2u, 255u, 1>>("SubElementList"),
};
static const asn::tagTriple multiplexElement_type_choiceAlternativeTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::choiceDescriptor multiplexElement::type_choice::descriptor = asn::choiceDescriptor::make(multiplexElement_type_choiceAlternatives, 2, false, multiplexElement_type_choiceAlternativeTags);
asn::object* multiplexElement::type_choice::create() { return new type_choice; }

// multiplexElement::repeatCount_choice
static const asn::alternativeEntry multiplexElement_repeatCount_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 65535u, 1>>("Finite"),
    asn::alternative<asn::null>("UntilClosingFlag"),
};
static const asn::tagTriple multiplexElement_repeatCount_choiceAlternativeTags[] = {{0, 2, 0}, {0, 5, 0}};
const asn::choiceDescriptor multiplexElement::repeatCount_choice::descriptor = asn::choiceDescriptor::make(multiplexElement_repeatCount_choiceAlternatives, 2, false, multiplexElement_repeatCount_choiceAlternativeTags);
asn::object* multiplexElement::repeatCount_choice::create() { return new repeatCount_choice; }

// multiplexElement
static const asn::componentEntry multiplexElementComponents[] = {
    asn::mandatoryComponent<&multiplexElement::type>(offsetof(multiplexElement, type), "Type"),
    asn::mandatoryComponent<&multiplexElement::repeatCount>(offsetof(multiplexElement, repeatCount), "RepeatCount"),
};
static const asn::tagTriple multiplexElementComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor multiplexElement::descriptor = asn::sequenceDescriptor::make(multiplexElementComponents, 2, 0x0u, false, multiplexElementComponentTags);
multiplexElement::multiplexElement(const multiplexElement& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexElement& multiplexElement::operator=(const multiplexElement& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexElement::~multiplexElement() { reset(); }
asn::object* multiplexElement::create() { return new multiplexElement; }

// multiplexEntrySendAck
static const asn::componentEntry multiplexEntrySendAckComponents[] = {
    asn::mandatoryComponent<&multiplexEntrySendAck::sequenceNumber>(offsetof(multiplexEntrySendAck, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&multiplexEntrySendAck::multiplexTableEntryNumber>(offsetof(multiplexEntrySendAck, multiplexTableEntryNumber), "MultiplexTableEntryNumber"),
};
static const asn::tagTriple multiplexEntrySendAckComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor multiplexEntrySendAck::descriptor = asn::sequenceDescriptor::make(multiplexEntrySendAckComponents, 2, 0x0u, true, multiplexEntrySendAckComponentTags);
multiplexEntrySendAck::multiplexEntrySendAck(const multiplexEntrySendAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexEntrySendAck& multiplexEntrySendAck::operator=(const multiplexEntrySendAck& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexEntrySendAck::~multiplexEntrySendAck() { reset(); }
asn::object* multiplexEntrySendAck::create() { return new multiplexEntrySendAck; }

// multiplexEntryRejectionDescriptions::cause_choice
static const asn::alternativeEntry multiplexEntryRejectionDescriptions_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("UnspecifiedCause"),
    asn::alternative<asn::null>("DescriptorTooComplex"),
};
static const asn::tagTriple multiplexEntryRejectionDescriptions_cause_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor multiplexEntryRejectionDescriptions::cause_choice::descriptor = asn::choiceDescriptor::make(multiplexEntryRejectionDescriptions_cause_choiceAlternatives, 2, true, multiplexEntryRejectionDescriptions_cause_choiceAlternativeTags);
asn::object* multiplexEntryRejectionDescriptions::cause_choice::create() { return new cause_choice; }

// multiplexEntryRejectionDescriptions
static const asn::componentEntry multiplexEntryRejectionDescriptionsComponents[] = {
    asn::mandatoryComponent<&multiplexEntryRejectionDescriptions::multiplexTableEntryNumber>(offsetof(multiplexEntryRejectionDescriptions, multiplexTableEntryNumber), "MultiplexTableEntryNumber"),
    asn::mandatoryComponent<&multiplexEntryRejectionDescriptions::cause>(offsetof(multiplexEntryRejectionDescriptions, cause), "Cause"),
};
static const asn::tagTriple multiplexEntryRejectionDescriptionsComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor multiplexEntryRejectionDescriptions::descriptor = asn::sequenceDescriptor::make(multiplexEntryRejectionDescriptionsComponents, 2, 0x0u, true, multiplexEntryRejectionDescriptionsComponentTags);
multiplexEntryRejectionDescriptions::multiplexEntryRejectionDescriptions(const multiplexEntryRejectionDescriptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexEntryRejectionDescriptions& multiplexEntryRejectionDescriptions::operator=(const multiplexEntryRejectionDescriptions& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexEntryRejectionDescriptions::~multiplexEntryRejectionDescriptions() { reset(); }
asn::object* multiplexEntryRejectionDescriptions::create() { return new multiplexEntryRejectionDescriptions; }

// multiplexEntrySendReject
static const asn::componentEntry multiplexEntrySendRejectComponents[] = {
    asn::mandatoryComponent<&multiplexEntrySendReject::sequenceNumber>(offsetof(multiplexEntrySendReject, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&multiplexEntrySendReject::rejectionDescriptions>(offsetof(multiplexEntrySendReject, rejectionDescriptions), "RejectionDescriptions"),
};
static const asn::tagTriple multiplexEntrySendRejectComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor multiplexEntrySendReject::descriptor = asn::sequenceDescriptor::make(multiplexEntrySendRejectComponents, 2, 0x0u, true, multiplexEntrySendRejectComponentTags);
multiplexEntrySendReject::multiplexEntrySendReject(const multiplexEntrySendReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexEntrySendReject& multiplexEntrySendReject::operator=(const multiplexEntrySendReject& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexEntrySendReject::~multiplexEntrySendReject() { reset(); }
asn::object* multiplexEntrySendReject::create() { return new multiplexEntrySendReject; }

// multiplexEntrySendRelease
static const asn::componentEntry multiplexEntrySendReleaseComponents[] = {
    asn::mandatoryComponent<&multiplexEntrySendRelease::multiplexTableEntryNumber>(offsetof(multiplexEntrySendRelease, multiplexTableEntryNumber), "MultiplexTableEntryNumber"),
};
static const asn::tagTriple multiplexEntrySendReleaseComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor multiplexEntrySendRelease::descriptor = asn::sequenceDescriptor::make(multiplexEntrySendReleaseComponents, 1, 0x0u, true, multiplexEntrySendReleaseComponentTags);
multiplexEntrySendRelease::multiplexEntrySendRelease(const multiplexEntrySendRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexEntrySendRelease& multiplexEntrySendRelease::operator=(const multiplexEntrySendRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexEntrySendRelease::~multiplexEntrySendRelease() { reset(); }
asn::object* multiplexEntrySendRelease::create() { return new multiplexEntrySendRelease; }

// requestMultiplexEntry
static const asn::componentEntry requestMultiplexEntryComponents[] = {
    asn::mandatoryComponent<&requestMultiplexEntry::entryNumbers>(offsetof(requestMultiplexEntry, entryNumbers), "EntryNumbers"),
};
static const asn::tagTriple requestMultiplexEntryComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor requestMultiplexEntry::descriptor = asn::sequenceDescriptor::make(requestMultiplexEntryComponents, 1, 0x0u, true, requestMultiplexEntryComponentTags);
requestMultiplexEntry::requestMultiplexEntry(const requestMultiplexEntry& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestMultiplexEntry& requestMultiplexEntry::operator=(const requestMultiplexEntry& other) {
  if (this != &other) assign(other);
  return *this;
}
requestMultiplexEntry::~requestMultiplexEntry() { reset(); }
asn::object* requestMultiplexEntry::create() { return new requestMultiplexEntry; }

// requestMultiplexEntryAck
static const asn::componentEntry requestMultiplexEntryAckComponents[] = {
    asn::mandatoryComponent<&requestMultiplexEntryAck::entryNumbers>(offsetof(requestMultiplexEntryAck, entryNumbers), "EntryNumbers"),
};
static const asn::tagTriple requestMultiplexEntryAckComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor requestMultiplexEntryAck::descriptor = asn::sequenceDescriptor::make(requestMultiplexEntryAckComponents, 1, 0x0u, true, requestMultiplexEntryAckComponentTags);
requestMultiplexEntryAck::requestMultiplexEntryAck(const requestMultiplexEntryAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestMultiplexEntryAck& requestMultiplexEntryAck::operator=(const requestMultiplexEntryAck& other) {
  if (this != &other) assign(other);
  return *this;
}
requestMultiplexEntryAck::~requestMultiplexEntryAck() { reset(); }
asn::object* requestMultiplexEntryAck::create() { return new requestMultiplexEntryAck; }

// requestMultiplexEntryRejectionDescriptions::cause_choice
static const asn::alternativeEntry requestMultiplexEntryRejectionDescriptions_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("UnspecifiedCause"),
};
static const asn::tagTriple requestMultiplexEntryRejectionDescriptions_cause_choiceAlternativeTags[] = {{0, 5, 0}};
const asn::choiceDescriptor requestMultiplexEntryRejectionDescriptions::cause_choice::descriptor = asn::choiceDescriptor::make(requestMultiplexEntryRejectionDescriptions_cause_choiceAlternatives, 1, true, requestMultiplexEntryRejectionDescriptions_cause_choiceAlternativeTags);
asn::object* requestMultiplexEntryRejectionDescriptions::cause_choice::create() { return new cause_choice; }

// requestMultiplexEntryRejectionDescriptions
static const asn::componentEntry requestMultiplexEntryRejectionDescriptionsComponents[] = {
    asn::mandatoryComponent<&requestMultiplexEntryRejectionDescriptions::multiplexTableEntryNumber>(offsetof(requestMultiplexEntryRejectionDescriptions, multiplexTableEntryNumber), "MultiplexTableEntryNumber"),
    asn::mandatoryComponent<&requestMultiplexEntryRejectionDescriptions::cause>(offsetof(requestMultiplexEntryRejectionDescriptions, cause), "Cause"),
};
static const asn::tagTriple requestMultiplexEntryRejectionDescriptionsComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor requestMultiplexEntryRejectionDescriptions::descriptor = asn::sequenceDescriptor::make(requestMultiplexEntryRejectionDescriptionsComponents, 2, 0x0u, true, requestMultiplexEntryRejectionDescriptionsComponentTags);
requestMultiplexEntryRejectionDescriptions::requestMultiplexEntryRejectionDescriptions(const requestMultiplexEntryRejectionDescriptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestMultiplexEntryRejectionDescriptions& requestMultiplexEntryRejectionDescriptions::operator=(const requestMultiplexEntryRejectionDescriptions& other) {
  if (this != &other) assign(other);
  return *this;
}
requestMultiplexEntryRejectionDescriptions::~requestMultiplexEntryRejectionDescriptions() { reset(); }
asn::object* requestMultiplexEntryRejectionDescriptions::create() { return new requestMultiplexEntryRejectionDescriptions; }

// requestMultiplexEntryReject
static const asn::componentEntry requestMultiplexEntryRejectComponents[] = {
    asn::mandatoryComponent<&requestMultiplexEntryReject::entryNumbers>(offsetof(requestMultiplexEntryReject, entryNumbers), "EntryNumbers"),
    asn::mandatoryComponent<&requestMultiplexEntryReject::rejectionDescriptions>(offsetof(requestMultiplexEntryReject, rejectionDescriptions), "RejectionDescriptions"),
};
static const asn::tagTriple requestMultiplexEntryRejectComponentTags[] = {{0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor requestMultiplexEntryReject::descriptor = asn::sequenceDescriptor::make(requestMultiplexEntryRejectComponents, 2, 0x0u, true, requestMultiplexEntryRejectComponentTags);
requestMultiplexEntryReject::requestMultiplexEntryReject(const requestMultiplexEntryReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestMultiplexEntryReject& requestMultiplexEntryReject::operator=(const requestMultiplexEntryReject& other) {
  if (this != &other) assign(other);
  return *this;
}
requestMultiplexEntryReject::~requestMultiplexEntryReject() { reset(); }
asn::object* requestMultiplexEntryReject::create() { return new requestMultiplexEntryReject; }

// requestMultiplexEntryRelease
static const asn::componentEntry requestMultiplexEntryReleaseComponents[] = {
    asn::mandatoryComponent<&requestMultiplexEntryRelease::entryNumbers>(offsetof(requestMultiplexEntryRelease, entryNumbers), "EntryNumbers"),
};
static const asn::tagTriple requestMultiplexEntryReleaseComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor requestMultiplexEntryRelease::descriptor = asn::sequenceDescriptor::make(requestMultiplexEntryReleaseComponents, 1, 0x0u, true, requestMultiplexEntryReleaseComponentTags);
requestMultiplexEntryRelease::requestMultiplexEntryRelease(const requestMultiplexEntryRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestMultiplexEntryRelease& requestMultiplexEntryRelease::operator=(const requestMultiplexEntryRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
requestMultiplexEntryRelease::~requestMultiplexEntryRelease() { reset(); }
asn::object* requestMultiplexEntryRelease::create() { return new requestMultiplexEntryRelease; }

// modeElementType
static const asn::alternativeEntry modeElementTypeAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::videoMode>("VideoMode"),
    asn::alternative<H245::audioMode>("AudioMode"),
    asn::alternative<H245::dataMode>("DataMode"),
    asn::alternative<H245::encryptionMode>("EncryptionMode"),
    asn::alternative<H245::h235Mode>("H235Mode"),
    asn::alternative<H245::multiplexedStreamParameter>("MultiplexedStreamMode"),
    asn::alternative<H245::redundancyEncodingDTMode>("RedundancyEncodingDTMode"),
    asn::alternative<H245::multiplePayloadStreamMode>("MultiplePayloadStreamMode"),
    asn::alternative<H245::depFECMode>("DepFecMode"),
    asn::alternative<H245::fECMode>("FecMode"),
};
static const asn::tagTriple modeElementTypeAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}};
const asn::choiceDescriptor modeElementType::descriptor = asn::choiceDescriptor::make(modeElementTypeAlternatives, 5, true, modeElementTypeAlternativeTags);
asn::object* modeElementType::create() { return new modeElementType; }

// modeElement
static const asn::componentEntry modeElementComponents[] = {
    asn::mandatoryComponent<&modeElement::type>(offsetof(modeElement, type), "Type"),
    asn::optionalComponent<&modeElement::h223ModeParameters>(offsetof(modeElement, h223ModeParameters), "H223ModeParameters"),
    asn::additionComponent<&modeElement::v76ModeParameters>(offsetof(modeElement, v76ModeParameters), "V76ModeParameters"),
    asn::additionComponent<&modeElement::h2250ModeParameters>(offsetof(modeElement, h2250ModeParameters), "H2250ModeParameters"),
    asn::additionComponent<&modeElement::genericModeParameters>(offsetof(modeElement, genericModeParameters), "GenericModeParameters"),
    asn::additionComponent<&modeElement::multiplexedStreamModeParameters>(offsetof(modeElement, multiplexedStreamModeParameters), "MultiplexedStreamModeParameters"),
    asn::additionComponent<&modeElement::logicalChannelNumber>(offsetof(modeElement, logicalChannelNumber), "LogicalChannelNumber"),
};
static const asn::tagTriple modeElementComponentTags[] = {{0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor modeElement::descriptor = asn::sequenceDescriptor::make(modeElementComponents, 2, 0x2u, true, modeElementComponentTags);
modeElement::modeElement(const modeElement& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
modeElement& modeElement::operator=(const modeElement& other) {
  if (this != &other) assign(other);
  return *this;
}
modeElement::~modeElement() { reset(); }
asn::object* modeElement::create() { return new modeElement; }

// requestMode
static const asn::componentEntry requestModeComponents[] = {
    asn::mandatoryComponent<&requestMode::sequenceNumber>(offsetof(requestMode, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&requestMode::requestedModes>(offsetof(requestMode, requestedModes), "RequestedModes"),
};
static const asn::tagTriple requestModeComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor requestMode::descriptor = asn::sequenceDescriptor::make(requestModeComponents, 2, 0x0u, true, requestModeComponentTags);
requestMode::requestMode(const requestMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestMode& requestMode::operator=(const requestMode& other) {
  if (this != &other) assign(other);
  return *this;
}
requestMode::~requestMode() { reset(); }
asn::object* requestMode::create() { return new requestMode; }

// requestModeAck::response_choice
static const asn::alternativeEntry requestModeAck_response_choiceAlternatives[] = {
    asn::alternative<asn::null>("WillTransmitMostPreferredMode"),
    asn::alternative<asn::null>("WillTransmitLessPreferredMode"),
};
static const asn::tagTriple requestModeAck_response_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor requestModeAck::response_choice::descriptor = asn::choiceDescriptor::make(requestModeAck_response_choiceAlternatives, 2, true, requestModeAck_response_choiceAlternativeTags);
asn::object* requestModeAck::response_choice::create() { return new response_choice; }

// requestModeAck
static const asn::componentEntry requestModeAckComponents[] = {
    asn::mandatoryComponent<&requestModeAck::sequenceNumber>(offsetof(requestModeAck, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&requestModeAck::response>(offsetof(requestModeAck, response), "Response"),
};
static const asn::tagTriple requestModeAckComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor requestModeAck::descriptor = asn::sequenceDescriptor::make(requestModeAckComponents, 2, 0x0u, true, requestModeAckComponentTags);
requestModeAck::requestModeAck(const requestModeAck& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestModeAck& requestModeAck::operator=(const requestModeAck& other) {
  if (this != &other) assign(other);
  return *this;
}
requestModeAck::~requestModeAck() { reset(); }
asn::object* requestModeAck::create() { return new requestModeAck; }

// requestModeReject::cause_choice
static const asn::alternativeEntry requestModeReject_cause_choiceAlternatives[] = {
    asn::alternative<asn::null>("ModeUnavailable"),
    asn::alternative<asn::null>("MultipointConstraint"),
    asn::alternative<asn::null>("RequestDenied"),
};
static const asn::tagTriple requestModeReject_cause_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor requestModeReject::cause_choice::descriptor = asn::choiceDescriptor::make(requestModeReject_cause_choiceAlternatives, 3, true, requestModeReject_cause_choiceAlternativeTags);
asn::object* requestModeReject::cause_choice::create() { return new cause_choice; }

// requestModeReject
static const asn::componentEntry requestModeRejectComponents[] = {
    asn::mandatoryComponent<&requestModeReject::sequenceNumber>(offsetof(requestModeReject, sequenceNumber), "SequenceNumber"),
    asn::mandatoryComponent<&requestModeReject::cause>(offsetof(requestModeReject, cause), "Cause"),
};
static const asn::tagTriple requestModeRejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor requestModeReject::descriptor = asn::sequenceDescriptor::make(requestModeRejectComponents, 2, 0x0u, true, requestModeRejectComponentTags);
requestModeReject::requestModeReject(const requestModeReject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestModeReject& requestModeReject::operator=(const requestModeReject& other) {
  if (this != &other) assign(other);
  return *this;
}
requestModeReject::~requestModeReject() { reset(); }
asn::object* requestModeReject::create() { return new requestModeReject; }

// requestModeRelease
const asn::sequenceDescriptor requestModeRelease::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
requestModeRelease::requestModeRelease(const requestModeRelease& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
requestModeRelease& requestModeRelease::operator=(const requestModeRelease& other) {
  if (this != &other) assign(other);
  return *this;
}
requestModeRelease::~requestModeRelease() { reset(); }
asn::object* requestModeRelease::create() { return new requestModeRelease; }

// h235Mode::mediaMode_choice
static const asn::alternativeEntry h235Mode_mediaMode_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::videoMode>("VideoMode"),
    asn::alternative<H245::audioMode>("AudioMode"),
    asn::alternative<H245::dataMode>("DataMode"),
};
static const asn::tagTriple h235Mode_mediaMode_choiceAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::choiceDescriptor h235Mode::mediaMode_choice::descriptor = asn::choiceDescriptor::make(h235Mode_mediaMode_choiceAlternatives, 4, true, h235Mode_mediaMode_choiceAlternativeTags);
asn::object* h235Mode::mediaMode_choice::create() { return new mediaMode_choice; }

// h235Mode
static const asn::componentEntry h235ModeComponents[] = {
    asn::mandatoryComponent<&h235Mode::encryptionAuthenticationAndIntegrity>(offsetof(h235Mode, encryptionAuthenticationAndIntegrity), "EncryptionAuthenticationAndIntegrity"),
    asn::mandatoryComponent<&h235Mode::mediaMode>(offsetof(h235Mode, mediaMode), "MediaMode"),
};
static const asn::tagTriple h235ModeComponentTags[] = {{0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor h235Mode::descriptor = asn::sequenceDescriptor::make(h235ModeComponents, 2, 0x0u, true, h235ModeComponentTags);
h235Mode::h235Mode(const h235Mode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h235Mode& h235Mode::operator=(const h235Mode& other) {
  if (this != &other) assign(other);
  return *this;
}
h235Mode::~h235Mode() { reset(); }
asn::object* h235Mode::create() { return new h235Mode; }

// multiplexedStreamModeParameters
static const asn::componentEntry multiplexedStreamModeParametersComponents[] = {
    asn::mandatoryComponent<&multiplexedStreamModeParameters::logicalChannelNumber>(offsetof(multiplexedStreamModeParameters, logicalChannelNumber), "LogicalChannelNumber"),
};
static const asn::tagTriple multiplexedStreamModeParametersComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor multiplexedStreamModeParameters::descriptor = asn::sequenceDescriptor::make(multiplexedStreamModeParametersComponents, 1, 0x0u, true, multiplexedStreamModeParametersComponentTags);
multiplexedStreamModeParameters::multiplexedStreamModeParameters(const multiplexedStreamModeParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexedStreamModeParameters& multiplexedStreamModeParameters::operator=(const multiplexedStreamModeParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexedStreamModeParameters::~multiplexedStreamModeParameters() { reset(); }
asn::object* multiplexedStreamModeParameters::create() { return new multiplexedStreamModeParameters; }

// redundancyEncodingDTModeElement::type_choice
static const asn::alternativeEntry redundancyEncodingDTModeElement_type_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::videoMode>("VideoMode"),
    asn::alternative<H245::audioMode>("AudioMode"),
    asn::alternative<H245::dataMode>("DataMode"),
    asn::alternative<H245::encryptionMode>("EncryptionMode"),
    asn::alternative<H245::h235Mode>("H235Mode"),
    asn::alternative<H245::fECMode>("FecMode"),
};
static const asn::tagTriple redundancyEncodingDTModeElement_type_choiceAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor redundancyEncodingDTModeElement::type_choice::descriptor = asn::choiceDescriptor::make(redundancyEncodingDTModeElement_type_choiceAlternatives, 6, true, redundancyEncodingDTModeElement_type_choiceAlternativeTags);
asn::object* redundancyEncodingDTModeElement::type_choice::create() { return new type_choice; }

// redundancyEncodingDTModeElement
static const asn::componentEntry redundancyEncodingDTModeElementComponents[] = {
    asn::mandatoryComponent<&redundancyEncodingDTModeElement::type>(offsetof(redundancyEncodingDTModeElement, type), "Type"),
};
static const asn::tagTriple redundancyEncodingDTModeElementComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor redundancyEncodingDTModeElement::descriptor = asn::sequenceDescriptor::make(redundancyEncodingDTModeElementComponents, 1, 0x0u, true, redundancyEncodingDTModeElementComponentTags);
redundancyEncodingDTModeElement::redundancyEncodingDTModeElement(const redundancyEncodingDTModeElement& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncodingDTModeElement& redundancyEncodingDTModeElement::operator=(const redundancyEncodingDTModeElement& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncodingDTModeElement::~redundancyEncodingDTModeElement() { reset(); }
asn::object* redundancyEncodingDTModeElement::create() { return new redundancyEncodingDTModeElement; }

// redundancyEncodingDTMode
static const asn::componentEntry redundancyEncodingDTModeComponents[] = {
    asn::mandatoryComponent<&redundancyEncodingDTMode::redundancyEncodingMethod>(offsetof(redundancyEncodingDTMode, redundancyEncodingMethod), "RedundancyEncodingMethod"),
    asn::mandatoryComponent<&redundancyEncodingDTMode::primary>(offsetof(redundancyEncodingDTMode, primary), "Primary"),
    asn::mandatoryComponent<&redundancyEncodingDTMode::secondary>(offsetof(redundancyEncodingDTMode, secondary), "Secondary"),
};
static const asn::tagTriple redundancyEncodingDTModeComponentTags[] = {{0, 0, 0}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor redundancyEncodingDTMode::descriptor = asn::sequenceDescriptor::make(redundancyEncodingDTModeComponents, 3, 0x0u, true, redundancyEncodingDTModeComponentTags);
redundancyEncodingDTMode::redundancyEncodingDTMode(const redundancyEncodingDTMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncodingDTMode& redundancyEncodingDTMode::operator=(const redundancyEncodingDTMode& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncodingDTMode::~redundancyEncodingDTMode() { reset(); }
asn::object* redundancyEncodingDTMode::create() { return new redundancyEncodingDTMode; }

// multiplePayloadStreamElementMode
static const asn::componentEntry multiplePayloadStreamElementModeComponents[] = {
    asn::mandatoryComponent<&multiplePayloadStreamElementMode::type>(offsetof(multiplePayloadStreamElementMode, type), "Type"),
};
static const asn::tagTriple multiplePayloadStreamElementModeComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor multiplePayloadStreamElementMode::descriptor = asn::sequenceDescriptor::make(multiplePayloadStreamElementModeComponents, 1, 0x0u, true, multiplePayloadStreamElementModeComponentTags);
multiplePayloadStreamElementMode::multiplePayloadStreamElementMode(const multiplePayloadStreamElementMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplePayloadStreamElementMode& multiplePayloadStreamElementMode::operator=(const multiplePayloadStreamElementMode& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplePayloadStreamElementMode::~multiplePayloadStreamElementMode() { reset(); }
asn::object* multiplePayloadStreamElementMode::create() { return new multiplePayloadStreamElementMode; }

// multiplePayloadStreamMode
static const asn::componentEntry multiplePayloadStreamModeComponents[] = {
    asn::mandatoryComponent<&multiplePayloadStreamMode::elements>(offsetof(multiplePayloadStreamMode, elements), "Elements"),
};
static const asn::tagTriple multiplePayloadStreamModeComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor multiplePayloadStreamMode::descriptor = asn::sequenceDescriptor::make(multiplePayloadStreamModeComponents, 1, 0x0u, true, multiplePayloadStreamModeComponentTags);
multiplePayloadStreamMode::multiplePayloadStreamMode(const multiplePayloadStreamMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplePayloadStreamMode& multiplePayloadStreamMode::operator=(const multiplePayloadStreamMode& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplePayloadStreamMode::~multiplePayloadStreamMode() { reset(); }
asn::object* multiplePayloadStreamMode::create() { return new multiplePayloadStreamMode; }

// depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence
static const asn::componentEntry depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::protectedSessionID>(offsetof(depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence, protectedSessionID), "ProtectedSessionID"),
    asn::optionalComponent<&depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::protectedPayloadType>(offsetof(depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence, protectedPayloadType), "ProtectedPayloadType"),
};
static const asn::tagTriple depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::descriptor = asn::sequenceDescriptor::make(depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponents, 2, 0x2u, true, depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_differentPort_sequenceComponentTags);
depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::differentPort_sequence(const differentPort_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence& depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::operator=(const differentPort_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::~differentPort_sequence() { reset(); }
asn::object* depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence::create() { return new differentPort_sequence; }

// depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence
static const asn::componentEntry depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_samePort_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence::protectedType>(offsetof(depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence, protectedType), "ProtectedType"),
};
static const asn::tagTriple depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_samePort_sequenceComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence::descriptor = asn::sequenceDescriptor::make(depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_samePort_sequenceComponents, 1, 0x0u, true, depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choice_samePort_sequenceComponentTags);
depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence::samePort_sequence(const samePort_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence& depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence::operator=(const samePort_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence::~samePort_sequence() { reset(); }
asn::object* depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence::create() { return new samePort_sequence; }

// depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice
static const asn::alternativeEntry depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choiceAlternatives[] = {
    asn::alternative<H245::depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::differentPort_sequence>("DifferentPort"),
    asn::alternative<H245::depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::samePort_sequence>("SamePort"),
};
static const asn::tagTriple depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::descriptor = asn::choiceDescriptor::make(depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choiceAlternatives, 2, true, depFECMode_rfc2733Mode_sequence_mode_choice_separateStream_choiceAlternativeTags);
asn::object* depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice::create() { return new separateStream_choice; }

// depFECMode::rfc2733Mode_sequence::mode_choice
static const asn::alternativeEntry depFECMode_rfc2733Mode_sequence_mode_choiceAlternatives[] = {
    asn::alternative<asn::null>("RedundancyEncoding"),
    asn::alternative<H245::depFECMode::rfc2733Mode_sequence::mode_choice::separateStream_choice>("SeparateStream"),
};
static const asn::tagTriple depFECMode_rfc2733Mode_sequence_mode_choiceAlternativeTags[] = {{0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor depFECMode::rfc2733Mode_sequence::mode_choice::descriptor = asn::choiceDescriptor::make(depFECMode_rfc2733Mode_sequence_mode_choiceAlternatives, 2, true, depFECMode_rfc2733Mode_sequence_mode_choiceAlternativeTags);
asn::object* depFECMode::rfc2733Mode_sequence::mode_choice::create() { return new mode_choice; }

// depFECMode::rfc2733Mode_sequence
static const asn::componentEntry depFECMode_rfc2733Mode_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECMode::rfc2733Mode_sequence::mode>(offsetof(depFECMode::rfc2733Mode_sequence, mode), "Mode"),
};
static const asn::tagTriple depFECMode_rfc2733Mode_sequenceComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor depFECMode::rfc2733Mode_sequence::descriptor = asn::sequenceDescriptor::make(depFECMode_rfc2733Mode_sequenceComponents, 1, 0x0u, true, depFECMode_rfc2733Mode_sequenceComponentTags);
depFECMode::rfc2733Mode_sequence::rfc2733Mode_sequence(const rfc2733Mode_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECMode::rfc2733Mode_sequence& depFECMode::rfc2733Mode_sequence::operator=(const rfc2733Mode_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECMode::rfc2733Mode_sequence::~rfc2733Mode_sequence() { reset(); }
asn::object* depFECMode::rfc2733Mode_sequence::create() { return new rfc2733Mode_sequence; }

// depFECMode
static const asn::alternativeEntry depFECModeAlternatives[] = {
    asn::alternative<H245::depFECMode::rfc2733Mode_sequence>("Rfc2733Mode"),
};
static const asn::tagTriple depFECModeAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor depFECMode::descriptor = asn::choiceDescriptor::make(depFECModeAlternatives, 1, true, depFECModeAlternativeTags);
asn::object* depFECMode::create() { return new depFECMode; }

// fECMode::rfc2733Format_choice
static const asn::alternativeEntry fECMode_rfc2733Format_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 4294967295u, 3>>("Rfc2733rfc2198"),
    asn::alternative<asn::integer<1u, 4294967295u, 3>>("Rfc2733sameport"),
    asn::alternative<asn::integer<1u, 4294967295u, 3>>("Rfc2733diffport"),
};
static const asn::tagTriple fECMode_rfc2733Format_choiceAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::choiceDescriptor fECMode::rfc2733Format_choice::descriptor = asn::choiceDescriptor::make(fECMode_rfc2733Format_choiceAlternatives, 3, false, fECMode_rfc2733Format_choiceAlternativeTags);
asn::object* fECMode::rfc2733Format_choice::create() { return new rfc2733Format_choice; }

// fECMode
static const asn::componentEntry fECModeComponents[] = {
    asn::mandatoryComponent<&fECMode::protectedElement>(offsetof(fECMode, protectedElement), "ProtectedElement"),
    asn::optionalComponent<&fECMode::fecScheme>(offsetof(fECMode, fecScheme), "FecScheme"),
    asn::optionalComponent<&fECMode::rfc2733Format>(offsetof(fECMode, rfc2733Format), "Rfc2733Format"),
};
static const asn::tagTriple fECModeComponentTags[] = {{0, 0, 0}, {0, 6, 0}, {0, 0, 0}};
const asn::sequenceDescriptor fECMode::descriptor = asn::sequenceDescriptor::make(fECModeComponents, 3, 0x6u, true, fECModeComponentTags);
fECMode::fECMode(const fECMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
fECMode& fECMode::operator=(const fECMode& other) {
  if (this != &other) assign(other);
  return *this;
}
fECMode::~fECMode() { reset(); }
asn::object* fECMode::create() { return new fECMode; }

// h223ModeParameters::adaptationLayerType_choice::al3_sequence
static const asn::componentEntry h223ModeParameters_adaptationLayerType_choice_al3_sequenceComponents[] = {
    asn::mandatoryComponent<&h223ModeParameters::adaptationLayerType_choice::al3_sequence::controlFieldOctets>(offsetof(h223ModeParameters::adaptationLayerType_choice::al3_sequence, controlFieldOctets), "ControlFieldOctets"),
    asn::mandatoryComponent<&h223ModeParameters::adaptationLayerType_choice::al3_sequence::sendBufferSize>(offsetof(h223ModeParameters::adaptationLayerType_choice::al3_sequence, sendBufferSize), "SendBufferSize"),
};
static const asn::tagTriple h223ModeParameters_adaptationLayerType_choice_al3_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h223ModeParameters::adaptationLayerType_choice::al3_sequence::descriptor = asn::sequenceDescriptor::make(h223ModeParameters_adaptationLayerType_choice_al3_sequenceComponents, 2, 0x0u, false, h223ModeParameters_adaptationLayerType_choice_al3_sequenceComponentTags);
h223ModeParameters::adaptationLayerType_choice::al3_sequence::al3_sequence(const al3_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223ModeParameters::adaptationLayerType_choice::al3_sequence& h223ModeParameters::adaptationLayerType_choice::al3_sequence::operator=(const al3_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
h223ModeParameters::adaptationLayerType_choice::al3_sequence::~al3_sequence() { reset(); }
asn::object* h223ModeParameters::adaptationLayerType_choice::al3_sequence::create() { return new al3_sequence; }

// h223ModeParameters::adaptationLayerType_choice
static const asn::alternativeEntry h223ModeParameters_adaptationLayerType_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("Al1Framed"),
    asn::alternative<asn::null>("Al1NotFramed"),
    asn::alternative<asn::null>("Al2WithoutSequenceNumbers"),
    asn::alternative<asn::null>("Al2WithSequenceNumbers"),
    asn::alternative<H245::h223ModeParameters::adaptationLayerType_choice::al3_sequence>("Al3"),
    asn::alternative<H245::h223AL1MParameters>("Al1M"),
    asn::alternative<H245::h223AL2MParameters>("Al2M"),
    asn::alternative<H245::h223AL3MParameters>("Al3M"),
};
static const asn::tagTriple h223ModeParameters_adaptationLayerType_choiceAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h223ModeParameters::adaptationLayerType_choice::descriptor = asn::choiceDescriptor::make(h223ModeParameters_adaptationLayerType_choiceAlternatives, 6, true, h223ModeParameters_adaptationLayerType_choiceAlternativeTags);
asn::object* h223ModeParameters::adaptationLayerType_choice::create() { return new adaptationLayerType_choice; }

// h223ModeParameters
static const asn::componentEntry h223ModeParametersComponents[] = {
    asn::mandatoryComponent<&h223ModeParameters::adaptationLayerType>(offsetof(h223ModeParameters, adaptationLayerType), "AdaptationLayerType"),
    asn::mandatoryComponent<&h223ModeParameters::segmentableFlag>(offsetof(h223ModeParameters, segmentableFlag), "SegmentableFlag"),
};
static const asn::tagTriple h223ModeParametersComponentTags[] = {{0, 0, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h223ModeParameters::descriptor = asn::sequenceDescriptor::make(h223ModeParametersComponents, 2, 0x0u, true, h223ModeParametersComponentTags);
h223ModeParameters::h223ModeParameters(const h223ModeParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h223ModeParameters& h223ModeParameters::operator=(const h223ModeParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h223ModeParameters::~h223ModeParameters() { reset(); }
asn::object* h223ModeParameters::create() { return new h223ModeParameters; }

// v76ModeParameters
static const asn::alternativeEntry v76ModeParametersAlternatives[] = {
    asn::alternative<asn::null>("SuspendResumewAddress"),
    asn::alternative<asn::null>("SuspendResumewoAddress"),
};
static const asn::tagTriple v76ModeParametersAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor v76ModeParameters::descriptor = asn::choiceDescriptor::make(v76ModeParametersAlternatives, 2, true, v76ModeParametersAlternativeTags);
asn::object* v76ModeParameters::create() { return new v76ModeParameters; }

// h2250ModeParameters
static const asn::componentEntry h2250ModeParametersComponents[] = {
    asn::optionalComponent<&h2250ModeParameters::redundancyEncodingMode>(offsetof(h2250ModeParameters, redundancyEncodingMode), "RedundancyEncodingMode"),
};
static const asn::tagTriple h2250ModeParametersComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor h2250ModeParameters::descriptor = asn::sequenceDescriptor::make(h2250ModeParametersComponents, 1, 0x1u, true, h2250ModeParametersComponentTags);
h2250ModeParameters::h2250ModeParameters(const h2250ModeParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h2250ModeParameters& h2250ModeParameters::operator=(const h2250ModeParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
h2250ModeParameters::~h2250ModeParameters() { reset(); }
asn::object* h2250ModeParameters::create() { return new h2250ModeParameters; }

// redundancyEncodingMode::secondaryEncoding_choice
static const asn::alternativeEntry redundancyEncodingMode_secondaryEncoding_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::audioMode>("AudioData"),
};
static const asn::tagTriple redundancyEncodingMode_secondaryEncoding_choiceAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}};
const asn::choiceDescriptor redundancyEncodingMode::secondaryEncoding_choice::descriptor = asn::choiceDescriptor::make(redundancyEncodingMode_secondaryEncoding_choiceAlternatives, 2, true, redundancyEncodingMode_secondaryEncoding_choiceAlternativeTags);
asn::object* redundancyEncodingMode::secondaryEncoding_choice::create() { return new secondaryEncoding_choice; }

// redundancyEncodingMode
static const asn::componentEntry redundancyEncodingModeComponents[] = {
    asn::mandatoryComponent<&redundancyEncodingMode::redundancyEncodingMethod>(offsetof(redundancyEncodingMode, redundancyEncodingMethod), "RedundancyEncodingMethod"),
    asn::optionalComponent<&redundancyEncodingMode::secondaryEncoding>(offsetof(redundancyEncodingMode, secondaryEncoding), "SecondaryEncoding"),
};
static const asn::tagTriple redundancyEncodingModeComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor redundancyEncodingMode::descriptor = asn::sequenceDescriptor::make(redundancyEncodingModeComponents, 2, 0x2u, true, redundancyEncodingModeComponentTags);
redundancyEncodingMode::redundancyEncodingMode(const redundancyEncodingMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
redundancyEncodingMode& redundancyEncodingMode::operator=(const redundancyEncodingMode& other) {
  if (this != &other) assign(other);
  return *this;
}
redundancyEncodingMode::~redundancyEncodingMode() { reset(); }
asn::object* redundancyEncodingMode::create() { return new redundancyEncodingMode; }

// videoMode
static const asn::alternativeEntry videoModeAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::h261VideoMode>("H261VideoMode"),
    asn::alternative<H245::h262VideoMode>("H262VideoMode"),
    asn::alternative<H245::h263VideoMode>("H263VideoMode"),
    asn::alternative<H245::iS11172VideoMode>("Is11172VideoMode"),
    asn::alternative<H245::genericCapability>("GenericVideoMode"),
};
static const asn::tagTriple videoModeAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor videoMode::descriptor = asn::choiceDescriptor::make(videoModeAlternatives, 5, true, videoModeAlternativeTags);
asn::object* videoMode::create() { return new videoMode; }

// h261VideoMode::resolution_choice
static const asn::alternativeEntry h261VideoMode_resolution_choiceAlternatives[] = {
    asn::alternative<asn::null>("Qcif"),
    asn::alternative<asn::null>("Cif"),
};
static const asn::tagTriple h261VideoMode_resolution_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h261VideoMode::resolution_choice::descriptor = asn::choiceDescriptor::make(h261VideoMode_resolution_choiceAlternatives, 2, false, h261VideoMode_resolution_choiceAlternativeTags);
asn::object* h261VideoMode::resolution_choice::create() { return new resolution_choice; }

// h261VideoMode
static const asn::componentEntry h261VideoModeComponents[] = {
    asn::mandatoryComponent<&h261VideoMode::resolution>(offsetof(h261VideoMode, resolution), "Resolution"),
    asn::mandatoryComponent<&h261VideoMode::bitRate>(offsetof(h261VideoMode, bitRate), "BitRate"),
    asn::mandatoryComponent<&h261VideoMode::stillImageTransmission>(offsetof(h261VideoMode, stillImageTransmission), "StillImageTransmission"),
};
static const asn::tagTriple h261VideoModeComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h261VideoMode::descriptor = asn::sequenceDescriptor::make(h261VideoModeComponents, 3, 0x0u, true, h261VideoModeComponentTags);
h261VideoMode::h261VideoMode(const h261VideoMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h261VideoMode& h261VideoMode::operator=(const h261VideoMode& other) {
  if (this != &other) assign(other);
  return *this;
}
h261VideoMode::~h261VideoMode() { reset(); }
asn::object* h261VideoMode::create() { return new h261VideoMode; }

// h262VideoMode::profileAndLevel_choice
static const asn::alternativeEntry h262VideoMode_profileAndLevel_choiceAlternatives[] = {
    asn::alternative<asn::null>("ProfileAndLevel_SPatML"),
    asn::alternative<asn::null>("ProfileAndLevel_MPatLL"),
    asn::alternative<asn::null>("ProfileAndLevel_MPatML"),
    asn::alternative<asn::null>("ProfileAndLevel_MPatH_14"),
    asn::alternative<asn::null>("ProfileAndLevel_MPatHL"),
    asn::alternative<asn::null>("ProfileAndLevel_SNRatLL"),
    asn::alternative<asn::null>("ProfileAndLevel_SNRatML"),
    asn::alternative<asn::null>("ProfileAndLevel_SpatialatH_14"),
    asn::alternative<asn::null>("ProfileAndLevel_HPatML"),
    asn::alternative<asn::null>("ProfileAndLevel_HPatH_14"),
    asn::alternative<asn::null>("ProfileAndLevel_HPatHL"),
};
static const asn::tagTriple h262VideoMode_profileAndLevel_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h262VideoMode::profileAndLevel_choice::descriptor = asn::choiceDescriptor::make(h262VideoMode_profileAndLevel_choiceAlternatives, 11, true, h262VideoMode_profileAndLevel_choiceAlternativeTags);
asn::object* h262VideoMode::profileAndLevel_choice::create() { return new profileAndLevel_choice; }

// h262VideoMode
static const asn::componentEntry h262VideoModeComponents[] = {
    asn::mandatoryComponent<&h262VideoMode::profileAndLevel>(offsetof(h262VideoMode, profileAndLevel), "ProfileAndLevel"),
    asn::optionalComponent<&h262VideoMode::videoBitRate>(offsetof(h262VideoMode, videoBitRate), "VideoBitRate"),
    asn::optionalComponent<&h262VideoMode::vbvBufferSize>(offsetof(h262VideoMode, vbvBufferSize), "VbvBufferSize"),
    asn::optionalComponent<&h262VideoMode::samplesPerLine>(offsetof(h262VideoMode, samplesPerLine), "SamplesPerLine"),
    asn::optionalComponent<&h262VideoMode::linesPerFrame>(offsetof(h262VideoMode, linesPerFrame), "LinesPerFrame"),
    asn::optionalComponent<&h262VideoMode::framesPerSecond>(offsetof(h262VideoMode, framesPerSecond), "FramesPerSecond"),
    asn::optionalComponent<&h262VideoMode::luminanceSampleRate>(offsetof(h262VideoMode, luminanceSampleRate), "LuminanceSampleRate"),
};
static const asn::tagTriple h262VideoModeComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor h262VideoMode::descriptor = asn::sequenceDescriptor::make(h262VideoModeComponents, 7, 0x7Eu, true, h262VideoModeComponentTags);
h262VideoMode::h262VideoMode(const h262VideoMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h262VideoMode& h262VideoMode::operator=(const h262VideoMode& other) {
  if (this != &other) assign(other);
  return *this;
}
h262VideoMode::~h262VideoMode() { reset(); }
asn::object* h262VideoMode::create() { return new h262VideoMode; }

// h263VideoMode::resolution_choice
static const asn::alternativeEntry h263VideoMode_resolution_choiceAlternatives[] = {
    asn::alternative<asn::null>("Sqcif"),
    asn::alternative<asn::null>("Qcif"),
    asn::alternative<asn::null>("Cif"),
    asn::alternative<asn::null>("Cif4"),
    asn::alternative<asn::null>("Cif16"),
    asn::alternative<asn::null>("Custom"),
};
static const asn::tagTriple h263VideoMode_resolution_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor h263VideoMode::resolution_choice::descriptor = asn::choiceDescriptor::make(h263VideoMode_resolution_choiceAlternatives, 5, true, h263VideoMode_resolution_choiceAlternativeTags);
asn::object* h263VideoMode::resolution_choice::create() { return new resolution_choice; }

// h263VideoMode
static const asn::componentEntry h263VideoModeComponents[] = {
    asn::mandatoryComponent<&h263VideoMode::resolution>(offsetof(h263VideoMode, resolution), "Resolution"),
    asn::mandatoryComponent<&h263VideoMode::bitRate>(offsetof(h263VideoMode, bitRate), "BitRate"),
    asn::mandatoryComponent<&h263VideoMode::unrestrictedVector>(offsetof(h263VideoMode, unrestrictedVector), "UnrestrictedVector"),
    asn::mandatoryComponent<&h263VideoMode::arithmeticCoding>(offsetof(h263VideoMode, arithmeticCoding), "ArithmeticCoding"),
    asn::mandatoryComponent<&h263VideoMode::advancedPrediction>(offsetof(h263VideoMode, advancedPrediction), "AdvancedPrediction"),
    asn::mandatoryComponent<&h263VideoMode::pbFrames>(offsetof(h263VideoMode, pbFrames), "PbFrames"),
    asn::additionComponent<&h263VideoMode::errorCompensation>(offsetof(h263VideoMode, errorCompensation), "ErrorCompensation"),
    asn::additionComponent<&h263VideoMode::enhancementLayerInfo>(offsetof(h263VideoMode, enhancementLayerInfo), "EnhancementLayerInfo"),
    asn::additionComponent<&h263VideoMode::h263Options>(offsetof(h263VideoMode, h263Options), "H263Options"),
};
static const asn::tagTriple h263VideoModeComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor h263VideoMode::descriptor = asn::sequenceDescriptor::make(h263VideoModeComponents, 6, 0x0u, true, h263VideoModeComponentTags);
h263VideoMode::h263VideoMode(const h263VideoMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h263VideoMode& h263VideoMode::operator=(const h263VideoMode& other) {
  if (this != &other) assign(other);
  return *this;
}
h263VideoMode::~h263VideoMode() { reset(); }
asn::object* h263VideoMode::create() { return new h263VideoMode; }

// iS11172VideoMode
static const asn::componentEntry iS11172VideoModeComponents[] = {
    asn::mandatoryComponent<&iS11172VideoMode::constrainedBitstream>(offsetof(iS11172VideoMode, constrainedBitstream), "ConstrainedBitstream"),
    asn::optionalComponent<&iS11172VideoMode::videoBitRate>(offsetof(iS11172VideoMode, videoBitRate), "VideoBitRate"),
    asn::optionalComponent<&iS11172VideoMode::vbvBufferSize>(offsetof(iS11172VideoMode, vbvBufferSize), "VbvBufferSize"),
    asn::optionalComponent<&iS11172VideoMode::samplesPerLine>(offsetof(iS11172VideoMode, samplesPerLine), "SamplesPerLine"),
    asn::optionalComponent<&iS11172VideoMode::linesPerFrame>(offsetof(iS11172VideoMode, linesPerFrame), "LinesPerFrame"),
    asn::optionalComponent<&iS11172VideoMode::pictureRate>(offsetof(iS11172VideoMode, pictureRate), "PictureRate"),
    asn::optionalComponent<&iS11172VideoMode::luminanceSampleRate>(offsetof(iS11172VideoMode, luminanceSampleRate), "LuminanceSampleRate"),
};
static const asn::tagTriple iS11172VideoModeComponentTags[] = {{0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor iS11172VideoMode::descriptor = asn::sequenceDescriptor::make(iS11172VideoModeComponents, 7, 0x7Eu, true, iS11172VideoModeComponentTags);
iS11172VideoMode::iS11172VideoMode(const iS11172VideoMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
iS11172VideoMode& iS11172VideoMode::operator=(const iS11172VideoMode& other) {
  if (this != &other) assign(other);
  return *this;
}
iS11172VideoMode::~iS11172VideoMode() { reset(); }
asn::object* iS11172VideoMode::create() { return new iS11172VideoMode; }

// audioMode::g7231_choice
static const asn::alternativeEntry audioMode_g7231_choiceAlternatives[] = {
    asn::alternative<asn::null>("NoSilenceSuppressionLowRate"),
    asn::alternative<asn::null>("NoSilenceSuppressionHighRate"),
    asn::alternative<asn::null>("SilenceSuppressionLowRate"),
    asn::alternative<asn::null>("SilenceSuppressionHighRate"),
};
static const asn::tagTriple audioMode_g7231_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor audioMode::g7231_choice::descriptor = asn::choiceDescriptor::make(audioMode_g7231_choiceAlternatives, 4, false, audioMode_g7231_choiceAlternativeTags);
asn::object* audioMode::g7231_choice::create() { return new g7231_choice; }

// audioMode
static const asn::alternativeEntry audioModeAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("G711Alaw64k"),
    asn::alternative<asn::null>("G711Alaw56k"),
    asn::alternative<asn::null>("G711Ulaw64k"),
    asn::alternative<asn::null>("G711Ulaw56k"),
    asn::alternative<asn::null>("G722_64k"),
    asn::alternative<asn::null>("G722_56k"),
    asn::alternative<asn::null>("G722_48k"),
    asn::alternative<asn::null>("G728"),
    asn::alternative<asn::null>("G729"),
    asn::alternative<asn::null>("G729AnnexA"),
    asn::alternative<H245::audioMode::g7231_choice>("G7231"),
    asn::alternative<H245::iS11172AudioMode>("Is11172AudioMode"),
    asn::alternative<H245::iS13818AudioMode>("Is13818AudioMode"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G729wAnnexB"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G729AnnexAwAnnexB"),
    asn::alternative<H245::g7231AnnexCMode>("G7231AnnexCMode"),
    asn::alternative<H245::gSMAudioCapability>("GsmFullRate"),
    asn::alternative<H245::gSMAudioCapability>("GsmHalfRate"),
    asn::alternative<H245::gSMAudioCapability>("GsmEnhancedFullRate"),
    asn::alternative<H245::genericCapability>("GenericAudioMode"),
    asn::alternative<H245::g729Extensions>("G729Extensions"),
    asn::alternative<H245::vBDMode>("Vbd"),
};
static const asn::tagTriple audioModeAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor audioMode::descriptor = asn::choiceDescriptor::make(audioModeAlternatives, 14, true, audioModeAlternativeTags);
asn::object* audioMode::create() { return new audioMode; }

// iS11172AudioMode::audioLayer_choice
static const asn::alternativeEntry iS11172AudioMode_audioLayer_choiceAlternatives[] = {
    asn::alternative<asn::null>("AudioLayer1"),
    asn::alternative<asn::null>("AudioLayer2"),
    asn::alternative<asn::null>("AudioLayer3"),
};
static const asn::tagTriple iS11172AudioMode_audioLayer_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor iS11172AudioMode::audioLayer_choice::descriptor = asn::choiceDescriptor::make(iS11172AudioMode_audioLayer_choiceAlternatives, 3, false, iS11172AudioMode_audioLayer_choiceAlternativeTags);
asn::object* iS11172AudioMode::audioLayer_choice::create() { return new audioLayer_choice; }

// iS11172AudioMode::audioSampling_choice
static const asn::alternativeEntry iS11172AudioMode_audioSampling_choiceAlternatives[] = {
    asn::alternative<asn::null>("AudioSampling32k"),
    asn::alternative<asn::null>("AudioSampling44k1"),
    asn::alternative<asn::null>("AudioSampling48k"),
};
static const asn::tagTriple iS11172AudioMode_audioSampling_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor iS11172AudioMode::audioSampling_choice::descriptor = asn::choiceDescriptor::make(iS11172AudioMode_audioSampling_choiceAlternatives, 3, false, iS11172AudioMode_audioSampling_choiceAlternativeTags);
asn::object* iS11172AudioMode::audioSampling_choice::create() { return new audioSampling_choice; }

// iS11172AudioMode::multichannelType_choice
static const asn::alternativeEntry iS11172AudioMode_multichannelType_choiceAlternatives[] = {
    asn::alternative<asn::null>("SingleChannel"),
    asn::alternative<asn::null>("TwoChannelStereo"),
    asn::alternative<asn::null>("TwoChannelDual"),
};
static const asn::tagTriple iS11172AudioMode_multichannelType_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor iS11172AudioMode::multichannelType_choice::descriptor = asn::choiceDescriptor::make(iS11172AudioMode_multichannelType_choiceAlternatives, 3, false, iS11172AudioMode_multichannelType_choiceAlternativeTags);
asn::object* iS11172AudioMode::multichannelType_choice::create() { return new multichannelType_choice; }

// iS11172AudioMode
static const asn::componentEntry iS11172AudioModeComponents[] = {
    asn::mandatoryComponent<&iS11172AudioMode::audioLayer>(offsetof(iS11172AudioMode, audioLayer), "AudioLayer"),
    asn::mandatoryComponent<&iS11172AudioMode::audioSampling>(offsetof(iS11172AudioMode, audioSampling), "AudioSampling"),
    asn::mandatoryComponent<&iS11172AudioMode::multichannelType>(offsetof(iS11172AudioMode, multichannelType), "MultichannelType"),
    asn::mandatoryComponent<&iS11172AudioMode::bitRate>(offsetof(iS11172AudioMode, bitRate), "BitRate"),
};
static const asn::tagTriple iS11172AudioModeComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor iS11172AudioMode::descriptor = asn::sequenceDescriptor::make(iS11172AudioModeComponents, 4, 0x0u, true, iS11172AudioModeComponentTags);
iS11172AudioMode::iS11172AudioMode(const iS11172AudioMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
iS11172AudioMode& iS11172AudioMode::operator=(const iS11172AudioMode& other) {
  if (this != &other) assign(other);
  return *this;
}
iS11172AudioMode::~iS11172AudioMode() { reset(); }
asn::object* iS11172AudioMode::create() { return new iS11172AudioMode; }

// iS13818AudioMode::audioLayer_choice
static const asn::alternativeEntry iS13818AudioMode_audioLayer_choiceAlternatives[] = {
    asn::alternative<asn::null>("AudioLayer1"),
    asn::alternative<asn::null>("AudioLayer2"),
    asn::alternative<asn::null>("AudioLayer3"),
};
static const asn::tagTriple iS13818AudioMode_audioLayer_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor iS13818AudioMode::audioLayer_choice::descriptor = asn::choiceDescriptor::make(iS13818AudioMode_audioLayer_choiceAlternatives, 3, false, iS13818AudioMode_audioLayer_choiceAlternativeTags);
asn::object* iS13818AudioMode::audioLayer_choice::create() { return new audioLayer_choice; }

// iS13818AudioMode::audioSampling_choice
static const asn::alternativeEntry iS13818AudioMode_audioSampling_choiceAlternatives[] = {
    asn::alternative<asn::null>("AudioSampling16k"),
    asn::alternative<asn::null>("AudioSampling22k05"),
    asn::alternative<asn::null>("AudioSampling24k"),
    asn::alternative<asn::null>("AudioSampling32k"),
    asn::alternative<asn::null>("AudioSampling44k1"),
    asn::alternative<asn::null>("AudioSampling48k"),
};
static const asn::tagTriple iS13818AudioMode_audioSampling_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor iS13818AudioMode::audioSampling_choice::descriptor = asn::choiceDescriptor::make(iS13818AudioMode_audioSampling_choiceAlternatives, 6, false, iS13818AudioMode_audioSampling_choiceAlternativeTags);
asn::object* iS13818AudioMode::audioSampling_choice::create() { return new audioSampling_choice; }

// iS13818AudioMode::multichannelType_choice
static const asn::alternativeEntry iS13818AudioMode_multichannelType_choiceAlternatives[] = {
    asn::alternative<asn::null>("SingleChannel"),
    asn::alternative<asn::null>("TwoChannelStereo"),
    asn::alternative<asn::null>("TwoChannelDual"),
    asn::alternative<asn::null>("ThreeChannels2_1"),
    asn::alternative<asn::null>("ThreeChannels3_0"),
    asn::alternative<asn::null>("FourChannels2_0_2_0"),
    asn::alternative<asn::null>("FourChannels2_2"),
    asn::alternative<asn::null>("FourChannels3_1"),
    asn::alternative<asn::null>("FiveChannels3_0_2_0"),
    asn::alternative<asn::null>("FiveChannels3_2"),
};
static const asn::tagTriple iS13818AudioMode_multichannelType_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor iS13818AudioMode::multichannelType_choice::descriptor = asn::choiceDescriptor::make(iS13818AudioMode_multichannelType_choiceAlternatives, 10, false, iS13818AudioMode_multichannelType_choiceAlternativeTags);
asn::object* iS13818AudioMode::multichannelType_choice::create() { return new multichannelType_choice; }

// iS13818AudioMode
static const asn::componentEntry iS13818AudioModeComponents[] = {
    asn::mandatoryComponent<&iS13818AudioMode::audioLayer>(offsetof(iS13818AudioMode, audioLayer), "AudioLayer"),
    asn::mandatoryComponent<&iS13818AudioMode::audioSampling>(offsetof(iS13818AudioMode, audioSampling), "AudioSampling"),
    asn::mandatoryComponent<&iS13818AudioMode::multichannelType>(offsetof(iS13818AudioMode, multichannelType), "MultichannelType"),
    asn::mandatoryComponent<&iS13818AudioMode::lowFrequencyEnhancement>(offsetof(iS13818AudioMode, lowFrequencyEnhancement), "LowFrequencyEnhancement"),
    asn::mandatoryComponent<&iS13818AudioMode::multilingual>(offsetof(iS13818AudioMode, multilingual), "Multilingual"),
    asn::mandatoryComponent<&iS13818AudioMode::bitRate>(offsetof(iS13818AudioMode, bitRate), "BitRate"),
};
static const asn::tagTriple iS13818AudioModeComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor iS13818AudioMode::descriptor = asn::sequenceDescriptor::make(iS13818AudioModeComponents, 6, 0x0u, true, iS13818AudioModeComponentTags);
iS13818AudioMode::iS13818AudioMode(const iS13818AudioMode& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
iS13818AudioMode& iS13818AudioMode::operator=(const iS13818AudioMode& other) {
  if (this != &other) assign(other);
  return *this;
}
iS13818AudioMode::~iS13818AudioMode() { reset(); }
asn::object* iS13818AudioMode::create() { return new iS13818AudioMode; }

}  // namespace H245
