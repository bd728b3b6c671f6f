// Generated from asn-modules/generator/modules/h4501.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#pragma once

#include <asn/asn.h>
#include <h225/h225.h>
#include <x880/x880.h>

namespace H4501 {

class entityType;
class networkFacilityExtension;
class interpretationApdu;
class serviceApdus;
class supplementaryService;
class userSpecifiedSubaddress;
class partySubaddress;
class screeningIndicator;
class addressScreened;
class address;
class numberScreened;
class endpointAddress;
class extension;

// CHOICE, extensible; 2 root, 0 extension.
class entityType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  entityType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class networkFacilityExtension : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  networkFacilityExtension() : asn::sequence(&descriptor) {}
  networkFacilityExtension(const networkFacilityExtension& other);
  networkFacilityExtension& operator=(const networkFacilityExtension& other);
  ~networkFacilityExtension() override;
  static asn::object* create();

  H4501::entityType sourceEntity;
  H225::aliasAddress* sourceEntityAddress = nullptr;  // OPTIONAL
  H4501::entityType destinationEntity;
  H225::aliasAddress* destinationEntityAddress = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 3 root, 0 extension.
class interpretationApdu : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  interpretationApdu() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 1 root, 0 extension.
class serviceApdus : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  serviceApdus() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class supplementaryService : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  supplementaryService() : asn::sequence(&descriptor) {}
  supplementaryService(const supplementaryService& other);
  supplementaryService& operator=(const supplementaryService& other);
  ~supplementaryService() override;

  H4501::networkFacilityExtension* networkFacilityExtension = nullptr;  // OPTIONAL
  H4501::interpretationApdu* interpretationApdu = nullptr;  // OPTIONAL
  H4501::serviceApdus serviceApdu;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class userSpecifiedSubaddress : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  userSpecifiedSubaddress() : asn::sequence(&descriptor) {}
  userSpecifiedSubaddress(const userSpecifiedSubaddress& other);
  userSpecifiedSubaddress& operator=(const userSpecifiedSubaddress& other);
  ~userSpecifiedSubaddress() override;
  static asn::object* create();

  asn::octetString<1u, 20u, 1> subaddressInformation;
  asn::booltype* oddCountIndicator = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 2 root, 0 extension.
class partySubaddress : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  partySubaddress() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// ENUMERATED, extensible; 4 root, 0 extension.
class screeningIndicator : public asn::enumerated {
public:
  static const asn::enumeratedDescriptor descriptor;

  screeningIndicator() : asn::enumerated(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class addressScreened : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  addressScreened() : asn::sequence(&descriptor) {}
  addressScreened(const addressScreened& other);
  addressScreened& operator=(const addressScreened& other);
  ~addressScreened() override;
  static asn::object* create();

  H225::partyNumber partyNumber;
  H4501::screeningIndicator screeningIndicator;
  H4501::partySubaddress* partySubaddress = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class address : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  address() : asn::sequence(&descriptor) {}
  address(const address& other);
  address& operator=(const address& other);
  ~address() override;
  static asn::object* create();

  H225::partyNumber partyNumber;
  H4501::partySubaddress* partySubaddress = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class numberScreened : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  numberScreened() : asn::sequence(&descriptor) {}
  numberScreened(const numberScreened& other);
  numberScreened& operator=(const numberScreened& other);
  ~numberScreened() override;
  static asn::object* create();

  H225::partyNumber partyNumber;
  H4501::screeningIndicator screeningIndicator;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class endpointAddress : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  endpointAddress() : asn::sequence(&descriptor) {}
  endpointAddress(const endpointAddress& other);
  endpointAddress& operator=(const endpointAddress& other);
  ~endpointAddress() override;

  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1> destinationAddress;
  H225::aliasAddress* remoteExtensionAddress = nullptr;  // OPTIONAL
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class extension : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  extension() : asn::sequence(&descriptor) {}
  extension(const extension& other);
  extension& operator=(const extension& other);
  ~extension() override;

  X880::code extensionId;
  asn::octetString<0u, 0u, 1> extensionArgument;
};

// CHOICE without a class: nothing refers to it.
extern const asn::choiceDescriptor presentedAddressScreenedDescriptor;

// CHOICE without a class: nothing refers to it.
extern const asn::choiceDescriptor presentedAddressUnscreenedDescriptor;

// CHOICE without a class: nothing refers to it.
extern const asn::choiceDescriptor presentedNumberScreenedDescriptor;

// CHOICE without a class: nothing refers to it.
extern const asn::choiceDescriptor presentedNumberUnscreenedDescriptor;

// ENUMERATED without a class: nothing refers to it.
extern const asn::enumeratedDescriptor generalErrorListDescriptor;

}  // namespace H4501
