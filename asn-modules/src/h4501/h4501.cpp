// Generated from asn-modules/generator/modules/h4501.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h4501/h4501.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H4501 {

// entityType
static const asn::alternativeEntry entityTypeAlternatives[] = {
    asn::alternative<asn::null>("Endpoint"),
    asn::alternative<asn::null>("AnyEntity"),
};
static const asn::tagTriple entityTypeAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor entityType::descriptor = asn::choiceDescriptor::make(entityTypeAlternatives, 2, true, entityTypeAlternativeTags);
asn::object* entityType::create() { return new entityType; }

// networkFacilityExtension
static const asn::componentEntry networkFacilityExtensionComponents[] = {
    asn::mandatoryComponent<&networkFacilityExtension::sourceEntity>(offsetof(networkFacilityExtension, sourceEntity), "SourceEntity"),
    asn::optionalComponent<&networkFacilityExtension::sourceEntityAddress>(offsetof(networkFacilityExtension, sourceEntityAddress), "SourceEntityAddress"),
    asn::mandatoryComponent<&networkFacilityExtension::destinationEntity>(offsetof(networkFacilityExtension, destinationEntity), "DestinationEntity"),
    asn::optionalComponent<&networkFacilityExtension::destinationEntityAddress>(offsetof(networkFacilityExtension, destinationEntityAddress), "DestinationEntityAddress"),
};
static const asn::tagTriple networkFacilityExtensionComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor networkFacilityExtension::descriptor = asn::sequenceDescriptor::make(networkFacilityExtensionComponents, 4, 0xAu, true, networkFacilityExtensionComponentTags);
networkFacilityExtension::networkFacilityExtension(const networkFacilityExtension& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
networkFacilityExtension& networkFacilityExtension::operator=(const networkFacilityExtension& other) {
  if (this != &other) assign(other);
  return *this;
}
networkFacilityExtension::~networkFacilityExtension() { reset(); }
asn::object* networkFacilityExtension::create() { return new networkFacilityExtension; }

// interpretationApdu
static const asn::alternativeEntry interpretationApduAlternatives[] = {
    asn::alternative<asn::null>("DiscardAnyUnrecognizedInvokePdu"),
    asn::alternative<asn::null>("ClearCallIfAnyInvokePduNotRecognized"),
    asn::alternative<asn::null>("RejectAnyUnrecognizedInvokePdu"),
};
static const asn::tagTriple interpretationApduAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor interpretationApdu::descriptor = asn::choiceDescriptor::make(interpretationApduAlternatives, 3, true, interpretationApduAlternativeTags);
asn::object* interpretationApdu::create() { return new interpretationApdu; }

// serviceApdus
static const asn::alternativeEntry serviceApdusAlternatives[] = {
    asn::alternative<asn::sequenceOf<X880::ros, 1u, 4294967295u, 1>>("RosApdus"),
};
static const asn::tagTriple serviceApdusAlternativeTags[] = {{0, 16, 0}};
const asn::choiceDescriptor serviceApdus::descriptor = asn::choiceDescriptor::make(serviceApdusAlternatives, 1, true, serviceApdusAlternativeTags);
asn::object* serviceApdus::create() { return new serviceApdus; }

// supplementaryService
static const asn::componentEntry supplementaryServiceComponents[] = {
    asn::optionalComponent<&supplementaryService::networkFacilityExtension>(offsetof(supplementaryService, networkFacilityExtension), "NetworkFacilityExtension"),
    asn::optionalComponent<&supplementaryService::interpretationApdu>(offsetof(supplementaryService, interpretationApdu), "InterpretationApdu"),
    asn::mandatoryComponent<&supplementaryService::serviceApdu>(offsetof(supplementaryService, serviceApdu), "ServiceApdu"),
};
static const asn::tagTriple supplementaryServiceComponentTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor supplementaryService::descriptor = asn::sequenceDescriptor::make(supplementaryServiceComponents, 3, 0x3u, true, supplementaryServiceComponentTags);
supplementaryService::supplementaryService(const supplementaryService& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
supplementaryService& supplementaryService::operator=(const supplementaryService& other) {
  if (this != &other) assign(other);
  return *this;
}
supplementaryService::~supplementaryService() { reset(); }

// userSpecifiedSubaddress
static const asn::componentEntry userSpecifiedSubaddressComponents[] = {
    asn::mandatoryComponent<&userSpecifiedSubaddress::subaddressInformation>(offsetof(userSpecifiedSubaddress, subaddressInformation), "SubaddressInformation"),
    asn::optionalComponent<&userSpecifiedSubaddress::oddCountIndicator>(offsetof(userSpecifiedSubaddress, oddCountIndicator), "OddCountIndicator"),
};
static const asn::tagTriple userSpecifiedSubaddressComponentTags[] = {{0, 4, 0}, {0, 1, 0}};
const asn::sequenceDescriptor userSpecifiedSubaddress::descriptor = asn::sequenceDescriptor::make(userSpecifiedSubaddressComponents, 2, 0x2u, true, userSpecifiedSubaddressComponentTags);
userSpecifiedSubaddress::userSpecifiedSubaddress(const userSpecifiedSubaddress& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
userSpecifiedSubaddress& userSpecifiedSubaddress::operator=(const userSpecifiedSubaddress& other) {
  if (this != &other) assign(other);
  return *this;
}
userSpecifiedSubaddress::~userSpecifiedSubaddress() { reset(); }
asn::object* userSpecifiedSubaddress::create() { return new userSpecifiedSubaddress; }

// partySubaddress
static const asn::alternativeEntry partySubaddressAlternatives[] = {
    asn::alternative<H4501::userSpecifiedSubaddress>("UserSpecifiedSubaddress"),
    asn::alternative<asn::octetString<1u, 20u, 1>>("NsapSubaddress"),
};
static const asn::tagTriple partySubaddressAlternativeTags[] = {{0, 16, 1}, {0, 4, 0}};
const asn::choiceDescriptor partySubaddress::descriptor = asn::choiceDescriptor::make(partySubaddressAlternatives, 2, true, partySubaddressAlternativeTags);
asn::object* partySubaddress::create() { return new partySubaddress; }

// screeningIndicator
static const asn::namedValue screeningIndicatorValues[] = {
    {0u, "UserProvidedNotScreened"},
    {1u, "UserProvidedVerifiedAndPassed"},
    {2u, "UserProvidedVerifiedAndFailed"},
    {3u, "NetworkProvided"},
};
const asn::enumeratedDescriptor screeningIndicator::descriptor = asn::enumeratedDescriptor::make(screeningIndicatorValues, 4, true);
asn::object* screeningIndicator::create() { return new screeningIndicator; }

// addressScreened
static const asn::componentEntry addressScreenedComponents[] = {
    asn::mandatoryComponent<&addressScreened::partyNumber>(offsetof(addressScreened, partyNumber), "PartyNumber"),
    asn::mandatoryComponent<&addressScreened::screeningIndicator>(offsetof(addressScreened, screeningIndicator), "ScreeningIndicator"),
    asn::optionalComponent<&addressScreened::partySubaddress>(offsetof(addressScreened, partySubaddress), "PartySubaddress"),
};
static const asn::tagTriple addressScreenedComponentTags[] = {{0, 0, 0}, {0, 10, 1}, {0, 0, 0}};
const asn::sequenceDescriptor addressScreened::descriptor = asn::sequenceDescriptor::make(addressScreenedComponents, 3, 0x4u, true, addressScreenedComponentTags);
addressScreened::addressScreened(const addressScreened& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
addressScreened& addressScreened::operator=(const addressScreened& other) {
  if (this != &other) assign(other);
  return *this;
}
addressScreened::~addressScreened() { reset(); }
asn::object* addressScreened::create() { return new addressScreened; }

// address
static const asn::componentEntry addressComponents[] = {
    asn::mandatoryComponent<&address::partyNumber>(offsetof(address, partyNumber), "PartyNumber"),
    asn::optionalComponent<&address::partySubaddress>(offsetof(address, partySubaddress), "PartySubaddress"),
};
static const asn::tagTriple addressComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor address::descriptor = asn::sequenceDescriptor::make(addressComponents, 2, 0x2u, true, addressComponentTags);
address::address(const address& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
address& address::operator=(const address& other) {
  if (this != &other) assign(other);
  return *this;
}
address::~address() { reset(); }
asn::object* address::create() { return new address; }

// numberScreened
static const asn::componentEntry numberScreenedComponents[] = {
    asn::mandatoryComponent<&numberScreened::partyNumber>(offsetof(numberScreened, partyNumber), "PartyNumber"),
    asn::mandatoryComponent<&numberScreened::screeningIndicator>(offsetof(numberScreened, screeningIndicator), "ScreeningIndicator"),
};
static const asn::tagTriple numberScreenedComponentTags[] = {{0, 0, 0}, {0, 10, 1}};
const asn::sequenceDescriptor numberScreened::descriptor = asn::sequenceDescriptor::make(numberScreenedComponents, 2, 0x0u, true, numberScreenedComponentTags);
numberScreened::numberScreened(const numberScreened& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
numberScreened& numberScreened::operator=(const numberScreened& other) {
  if (this != &other) assign(other);
  return *this;
}
numberScreened::~numberScreened() { reset(); }
asn::object* numberScreened::create() { return new numberScreened; }

// endpointAddress
static const asn::componentEntry endpointAddressComponents[] = {
    asn::mandatoryComponent<&endpointAddress::destinationAddress>(offsetof(endpointAddress, destinationAddress), "DestinationAddress"),
    asn::optionalComponent<&endpointAddress::remoteExtensionAddress>(offsetof(endpointAddress, remoteExtensionAddress), "RemoteExtensionAddress"),
};
static const asn::tagTriple endpointAddressComponentTags[] = {{0, 16, 0}, {0, 0, 0}};
const asn::sequenceDescriptor endpointAddress::descriptor = asn::sequenceDescriptor::make(endpointAddressComponents, 2, 0x2u, true, endpointAddressComponentTags);
endpointAddress::endpointAddress(const endpointAddress& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
endpointAddress& endpointAddress::operator=(const endpointAddress& other) {
  if (this != &other) assign(other);
  return *this;
}
endpointAddress::~endpointAddress() { reset(); }

// extension
static const asn::componentEntry extensionComponents[] = {
    asn::mandatoryComponent<&extension::extensionId>(offsetof(extension, extensionId), "ExtensionId"),
    asn::mandatoryComponent<&extension::extensionArgument>(offsetof(extension, extensionArgument), "ExtensionArgument"),
};
static const asn::tagTriple extensionComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor extension::descriptor = asn::sequenceDescriptor::make(extensionComponents, 2, 0x0u, false, extensionComponentTags);
extension::extension(const extension& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
extension& extension::operator=(const extension& other) {
  if (this != &other) assign(other);
  return *this;
}
extension::~extension() { reset(); }

static const asn::alternativeEntry presentedAddressScreenedAlternatives[] = {
    asn::alternative<H4501::addressScreened>("PresentationAllowedAddress"),
    asn::alternative<asn::null>("PresentationRestricted"),
    asn::alternative<asn::null>("NumberNotAvailableDueToInterworking"),
    asn::alternative<H4501::addressScreened>("PresentationRestrictedAddress"),
};
static const asn::tagTriple presentedAddressScreenedAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor presentedAddressScreenedDescriptor = asn::choiceDescriptor::make(presentedAddressScreenedAlternatives, 4, true, presentedAddressScreenedAlternativeTags);

static const asn::alternativeEntry presentedAddressUnscreenedAlternatives[] = {
    asn::alternative<H4501::address>("PresentationAllowedAddress"),
    asn::alternative<asn::null>("PresentationRestricted"),
    asn::alternative<asn::null>("NumberNotAvailableDueToInterworking"),
    asn::alternative<H4501::address>("PresentationRestrictedAddress"),
};
static const asn::tagTriple presentedAddressUnscreenedAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor presentedAddressUnscreenedDescriptor = asn::choiceDescriptor::make(presentedAddressUnscreenedAlternatives, 4, true, presentedAddressUnscreenedAlternativeTags);

static const asn::alternativeEntry presentedNumberScreenedAlternatives[] = {
    asn::alternative<H4501::numberScreened>("PresentationAllowedAddress"),
    asn::alternative<asn::null>("PresentationRestricted"),
    asn::alternative<asn::null>("NumberNotAvailableDueToInterworking"),
    asn::alternative<H4501::numberScreened>("PresentationRestrictedAddress"),
};
static const asn::tagTriple presentedNumberScreenedAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor presentedNumberScreenedDescriptor = asn::choiceDescriptor::make(presentedNumberScreenedAlternatives, 4, true, presentedNumberScreenedAlternativeTags);

static const asn::alternativeEntry presentedNumberUnscreenedAlternatives[] = {
    asn::alternative<H225::partyNumber>("PresentationAllowedAddress"),
    asn::alternative<asn::null>("PresentationRestricted"),
    asn::alternative<asn::null>("NumberNotAvailableDueToInterworking"),
    asn::alternative<H225::partyNumber>("PresentationRestrictedAddress"),
};
static const asn::tagTriple presentedNumberUnscreenedAlternativeTags[] = {{0, 0, 0}, {0, 5, 0}, {0, 5, 0}, {0, 0, 0}};
const asn::choiceDescriptor presentedNumberUnscreenedDescriptor = asn::choiceDescriptor::make(presentedNumberUnscreenedAlternatives, 4, true, presentedNumberUnscreenedAlternativeTags);

static const asn::namedValue generalErrorListValues[] = {
    {0u, "UserNotSubscribed"},
    {1u, "RejectedByNetwork"},
    {2u, "RejectedByUser"},
    {3u, "NotAvailable"},
    {5u, "InsufficientInformation"},
    {6u, "InvalidServedUserNumber"},
    {7u, "InvalidCallState"},
    {8u, "BasicServiceNotProvided"},
    {9u, "NotIncomingCall"},
    {10u, "SupplementaryServiceInteractionNotAllowed"},
    {11u, "ResourceUnavailable"},
    {25u, "CallFailure"},
    {43u, "ProceduralError"},
};
const asn::enumeratedDescriptor generalErrorListDescriptor = asn::enumeratedDescriptor::make(generalErrorListValues, 13, false);

}  // namespace H4501
