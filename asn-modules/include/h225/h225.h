// Generated from asn-modules/generator/modules/h225.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#pragma once

#include <asn/asn.h>
#include <h235/h235.h>
#include <h245/h245.h>

namespace H225 {

// "#*,0123456789" (13 characters)
extern const char PermitedAlphabet0[];
// "#*0123456789abc" (15 characters)
extern const char PermitedAlphabet1[];

class transportAddress;
class aliasAddress;
class partyNumber;
class publicTypeOfNumber;
class publicPartyNumber;
class privateTypeOfNumber;
class privatePartyNumber;
class mobileUIM;
class ansi_41_uim;
class gsm_uim;
class callIdentifier;
class callLinkage;
class callType;
class releaseCompleteReason;
class nonStandardIdentifier;
class nonStandardParameter;
class h221NonStandard;
class genericIdentifier;
class genericData;
class enumeratedParameter;
class content;
class featureSet;
class endpointType;
class vendorIdentifier;
class gatekeeperInfo;
class terminalInfo;
class gatewayInfo;
class mcuInfo;
class supportedProtocols;
class h310Caps;
class h320Caps;
class h321Caps;
class h322Caps;
class h323Caps;
class h324Caps;
class voiceCaps;
class t120OnlyCaps;
class supportedPrefix;
class nonStandardProtocol;
class t38FaxAnnexbOnlyCaps;
class dataRate;
class tunnelledProtocol;
class tunnelledProtocolAlternateIdentifier;
class q954Details;
class qseriesOptions;
class callCapacity;
class callCapacityInfo;
class callsAvailable;
class circuitInfo;
class circuitIdentifier;
class cicInfo;
class groupID;
class serviceControlSession;
class serviceControlDescriptor;
class callCreditServiceControl;
class cryptoH323Token;
class alternateGK;
class altGKInfo;
class endpoint;
class alternateTransportAddresses;
class useSpecifiedTransport;
class addressPattern;
class callModel;
class transportQOS;
class uUIEsRequested;
class transportChannelInfo;
class rTPSession;
class icv;
class integrityMechanism;
class nonIsoIntegrityMechanism;
class encryptIntAlg;
class rasUsageInfoTypes;
class rasUsageInformation;
class rasUsageSpecification;
class callCreditCapability;
class capacityReportingCapability;
class capacityReportingSpecification;
class bandwidthRequest;
class bandwidthDetails;
class bandwidthConfirm;
class bandRejectReason;
class bandwidthReject;
class locationRequest;
class locationConfirm;
class locationRejectReason;
class locationReject;
class disengageReason;
class disengageRequest;
class callTerminationCause;
class disengageConfirm;
class disengageRejectReason;
class disengageReject;
class infoRequest;
class h323_uu_pdu;
class infoRequestResponse;
class infoRequestResponseStatus;
class infoRequestAck;
class infoRequestNakReason;
class infoRequestNak;
class nonStandardMessage;
class unknownMessageResponse;
class requestInProgress;
class resourcesAvailableIndicate;
class resourcesAvailableConfirm;
class serviceControlIndication;
class serviceControlResponse;
class rasMessage;
class gatekeeperRequest;
class gatekeeperConfirm;
class gatekeeperRejectReason;
class gatekeeperReject;
class registrationRequest;
class registrationConfirm;
class registrationRejectReason;
class registrationReject;
class unregistrationRequest;
class unregRequestReason;
class unregistrationConfirm;
class unregRejectReason;
class unregistrationReject;
class admissionRequest;
class admissionConfirm;
class admissionRejectReason;
class admissionReject;
class h323_UserInformation;
class stimulusControl;
class scnConnectionAggregation;
class scnConnectionType;
class setup_UUIE;
class extendedAliasAddress;
class callProceeding_UUIE;
class connect_UUIE;
class alerting_UUIE;
class information_UUIE;
class releaseComplete_UUIE;
class facilityReason;
class facility_UUIE;
class conferenceList;
class progress_UUIE;
class status_UUIE;
class statusInquiry_UUIE;
class setupAcknowledge_UUIE;
class notify_UUIE;
class h245Security;
class securityServiceMode;
class securityCapabilities;
class presentationIndicator;
class screeningIndicator;

// CHOICE, extensible; 7 root, 0 extension.
class transportAddress : public asn::choice {
public:
  // SEQUENCE, not extensible; 2 root, 0 extension.
  class ipAddress_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    ipAddress_sequence() : asn::sequence(&descriptor) {}
    ipAddress_sequence(const ipAddress_sequence& other);
    ipAddress_sequence& operator=(const ipAddress_sequence& other);
    ~ipAddress_sequence() override;
    static asn::object* create();

    asn::octetString<4u, 4u, 1> ip;
    asn::integer<0u, 65535u, 1> port;
  };

  // SEQUENCE, extensible; 4 root, 0 extension.
  class ipSourceRoute_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 2 root, 0 extension.
    class routing_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      routing_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    ipSourceRoute_sequence() : asn::sequence(&descriptor) {}
    ipSourceRoute_sequence(const ipSourceRoute_sequence& other);
    ipSourceRoute_sequence& operator=(const ipSourceRoute_sequence& other);
    ~ipSourceRoute_sequence() override;
    static asn::object* create();

    asn::octetString<4u, 4u, 1> ip;
    asn::integer<0u, 65535u, 1> port;
    asn::sequenceOf<asn::octetString<4u, 4u, 1>, 0u, 0u, 1> route;
    H225::transportAddress::ipSourceRoute_sequence::routing_choice routing;
  };

  // SEQUENCE, not extensible; 3 root, 0 extension.
  class ipxAddress_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    ipxAddress_sequence() : asn::sequence(&descriptor) {}
    ipxAddress_sequence(const ipxAddress_sequence& other);
    ipxAddress_sequence& operator=(const ipxAddress_sequence& other);
    ~ipxAddress_sequence() override;
    static asn::object* create();

    asn::octetString<6u, 6u, 1> node;
    asn::octetString<4u, 4u, 1> netnum;
    asn::octetString<2u, 2u, 1> port;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class ip6Address_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    ip6Address_sequence() : asn::sequence(&descriptor) {}
    ip6Address_sequence(const ip6Address_sequence& other);
    ip6Address_sequence& operator=(const ip6Address_sequence& other);
    ~ip6Address_sequence() override;
    static asn::object* create();

    asn::octetString<16u, 16u, 1> ip;
    asn::integer<0u, 65535u, 1> port;
  };

  static const asn::choiceDescriptor descriptor;

  transportAddress() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 5 extension.
class aliasAddress : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  aliasAddress() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 5 root, 0 extension.
class partyNumber : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  partyNumber() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 6 root, 0 extension.
class publicTypeOfNumber : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  publicTypeOfNumber() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class publicPartyNumber : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  publicPartyNumber() : asn::sequence(&descriptor) {}
  publicPartyNumber(const publicPartyNumber& other);
  publicPartyNumber& operator=(const publicPartyNumber& other);
  ~publicPartyNumber() override;
  static asn::object* create();

  H225::publicTypeOfNumber publicTypeOfNumber;
  asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u> publicNumberDigits;
};

// CHOICE, extensible; 6 root, 0 extension.
class privateTypeOfNumber : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  privateTypeOfNumber() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class privatePartyNumber : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  privatePartyNumber() : asn::sequence(&descriptor) {}
  privatePartyNumber(const privatePartyNumber& other);
  privatePartyNumber& operator=(const privatePartyNumber& other);
  ~privatePartyNumber() override;
  static asn::object* create();

  H225::privateTypeOfNumber privateTypeOfNumber;
  asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u> privateNumberDigits;
};

// CHOICE, extensible; 2 root, 0 extension.
class mobileUIM : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  mobileUIM() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 12 root, 0 extension.
class ansi_41_uim : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class system_id_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    system_id_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  ansi_41_uim() : asn::sequence(&descriptor) {}
  ansi_41_uim(const ansi_41_uim& other);
  ansi_41_uim& operator=(const ansi_41_uim& other);
  ~ansi_41_uim() override;
  static asn::object* create();

  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* imsi = nullptr;  // OPTIONAL
  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* min = nullptr;  // OPTIONAL
  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* mdn = nullptr;  // OPTIONAL
  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* msisdn = nullptr;  // OPTIONAL
  asn::IA5String<16u, 16u, 1, H225::PermitedAlphabet1, 15u>* esn = nullptr;  // OPTIONAL
  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* mscid = nullptr;  // OPTIONAL
  H225::ansi_41_uim::system_id_choice system_id;
  asn::octetString<1u, 1u, 1>* systemMyTypeCode = nullptr;  // OPTIONAL
  asn::octetString<1u, 1u, 1>* systemAccessType = nullptr;  // OPTIONAL
  asn::octetString<1u, 1u, 1>* qualificationInformationCode = nullptr;  // OPTIONAL
  asn::IA5String<16u, 16u, 1, H225::PermitedAlphabet1, 15u>* sesn = nullptr;  // OPTIONAL
  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* soc = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 6 root, 0 extension.
class gsm_uim : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gsm_uim() : asn::sequence(&descriptor) {}
  gsm_uim(const gsm_uim& other);
  gsm_uim& operator=(const gsm_uim& other);
  ~gsm_uim() override;
  static asn::object* create();

  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* imsi = nullptr;  // OPTIONAL
  asn::octetString<1u, 4u, 1>* tmsi = nullptr;  // OPTIONAL
  asn::IA5String<3u, 16u, 1, H225::PermitedAlphabet1, 15u>* msisdn = nullptr;  // OPTIONAL
  asn::IA5String<15u, 16u, 1, H225::PermitedAlphabet1, 15u>* imei = nullptr;  // OPTIONAL
  asn::IA5String<1u, 4u, 1, H225::PermitedAlphabet1, 15u>* hplmn = nullptr;  // OPTIONAL
  asn::IA5String<1u, 4u, 1, H225::PermitedAlphabet1, 15u>* vplmn = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 0 extension.
class callIdentifier : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callIdentifier() : asn::sequence(&descriptor) {}
  callIdentifier(const callIdentifier& other);
  callIdentifier& operator=(const callIdentifier& other);
  ~callIdentifier() override;
  static asn::object* create();

  asn::octetString<16u, 16u, 1> guid;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class callLinkage : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callLinkage() : asn::sequence(&descriptor) {}
  callLinkage(const callLinkage& other);
  callLinkage& operator=(const callLinkage& other);
  ~callLinkage() override;
  static asn::object* create();

  asn::octetString<16u, 16u, 1>* globalCallId = nullptr;  // OPTIONAL
  asn::octetString<16u, 16u, 1>* threadId = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 4 root, 0 extension.
class callType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  callType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 12 root, 10 extension.
class releaseCompleteReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  releaseCompleteReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class nonStandardIdentifier : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  nonStandardIdentifier() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class nonStandardParameter : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  nonStandardParameter() : asn::sequence(&descriptor) {}
  nonStandardParameter(const nonStandardParameter& other);
  nonStandardParameter& operator=(const nonStandardParameter& other);
  ~nonStandardParameter() override;
  static asn::object* create();

  H225::nonStandardIdentifier nonStandardIdentifier;
  asn::octetString<0u, 0u, 1> data;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class h221NonStandard : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h221NonStandard() : asn::sequence(&descriptor) {}
  h221NonStandard(const h221NonStandard& other);
  h221NonStandard& operator=(const h221NonStandard& other);
  ~h221NonStandard() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> t35CountryCode;
  asn::integer<0u, 255u, 1> t35Extension;
  asn::integer<0u, 65535u, 1> manufacturerCode;
};

// CHOICE, extensible; 3 root, 0 extension.
class genericIdentifier : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  genericIdentifier() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class genericData : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  genericData() : asn::sequence(&descriptor) {}
  genericData(const genericData& other);
  genericData& operator=(const genericData& other);
  ~genericData() override;
  static asn::object* create();

  H225::genericIdentifier id;
  asn::sequenceOf<H225::enumeratedParameter, 1u, 512u, 1>* parameters = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class enumeratedParameter : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  enumeratedParameter() : asn::sequence(&descriptor) {}
  enumeratedParameter(const enumeratedParameter& other);
  enumeratedParameter& operator=(const enumeratedParameter& other);
  ~enumeratedParameter() override;
  static asn::object* create();

  H225::genericIdentifier id;
  H225::content* content = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 12 root, 0 extension.
class content : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  content() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class featureSet : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  featureSet() : asn::sequence(&descriptor) {}
  featureSet(const featureSet& other);
  featureSet& operator=(const featureSet& other);
  ~featureSet() override;
  static asn::object* create();

  asn::booltype replacementFeatureSet;
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* neededFeatures = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* desiredFeatures = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* supportedFeatures = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 8 root, 2 extension.
class endpointType : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  endpointType() : asn::sequence(&descriptor) {}
  endpointType(const endpointType& other);
  endpointType& operator=(const endpointType& other);
  ~endpointType() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::vendorIdentifier* vendor = nullptr;  // OPTIONAL
  H225::gatekeeperInfo* gatekeeper = nullptr;  // OPTIONAL
  H225::gatewayInfo* gateway = nullptr;  // OPTIONAL
  H225::mcuInfo* mcu = nullptr;  // OPTIONAL
  H225::terminalInfo* terminal = nullptr;  // OPTIONAL
  asn::booltype mc;
  asn::booltype undefinedNode;
  asn::bitString<32u, 32u, 1>* set = nullptr;  // addition
  asn::sequenceOf<H225::tunnelledProtocol, 0u, 0u, 1>* supportedTunnelledProtocols = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 0 extension.
class vendorIdentifier : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  vendorIdentifier() : asn::sequence(&descriptor) {}
  vendorIdentifier(const vendorIdentifier& other);
  vendorIdentifier& operator=(const vendorIdentifier& other);
  ~vendorIdentifier() override;
  static asn::object* create();

  H225::h221NonStandard vendor;
  asn::octetString<1u, 256u, 1>* productId = nullptr;  // OPTIONAL
  asn::octetString<1u, 256u, 1>* versionId = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 0 extension.
class gatekeeperInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gatekeeperInfo() : asn::sequence(&descriptor) {}
  gatekeeperInfo(const gatekeeperInfo& other);
  gatekeeperInfo& operator=(const gatekeeperInfo& other);
  ~gatekeeperInfo() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 0 extension.
class terminalInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalInfo() : asn::sequence(&descriptor) {}
  terminalInfo(const terminalInfo& other);
  terminalInfo& operator=(const terminalInfo& other);
  ~terminalInfo() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class gatewayInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gatewayInfo() : asn::sequence(&descriptor) {}
  gatewayInfo(const gatewayInfo& other);
  gatewayInfo& operator=(const gatewayInfo& other);
  ~gatewayInfo() override;
  static asn::object* create();

  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* protocol = nullptr;  // OPTIONAL
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 1 extension.
class mcuInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  mcuInfo() : asn::sequence(&descriptor) {}
  mcuInfo(const mcuInfo& other);
  mcuInfo& operator=(const mcuInfo& other);
  ~mcuInfo() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* protocol = nullptr;  // addition
};

// CHOICE, extensible; 9 root, 2 extension.
class supportedProtocols : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  supportedProtocols() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 1 root, 2 extension.
class h310Caps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h310Caps() : asn::sequence(&descriptor) {}
  h310Caps(const h310Caps& other);
  h310Caps& operator=(const h310Caps& other);
  ~h310Caps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class h320Caps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h320Caps() : asn::sequence(&descriptor) {}
  h320Caps(const h320Caps& other);
  h320Caps& operator=(const h320Caps& other);
  ~h320Caps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class h321Caps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h321Caps() : asn::sequence(&descriptor) {}
  h321Caps(const h321Caps& other);
  h321Caps& operator=(const h321Caps& other);
  ~h321Caps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class h322Caps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h322Caps() : asn::sequence(&descriptor) {}
  h322Caps(const h322Caps& other);
  h322Caps& operator=(const h322Caps& other);
  ~h322Caps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class h323Caps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h323Caps() : asn::sequence(&descriptor) {}
  h323Caps(const h323Caps& other);
  h323Caps& operator=(const h323Caps& other);
  ~h323Caps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class h324Caps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h324Caps() : asn::sequence(&descriptor) {}
  h324Caps(const h324Caps& other);
  h324Caps& operator=(const h324Caps& other);
  ~h324Caps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class voiceCaps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  voiceCaps() : asn::sequence(&descriptor) {}
  voiceCaps(const voiceCaps& other);
  voiceCaps& operator=(const voiceCaps& other);
  ~voiceCaps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 2 extension.
class t120OnlyCaps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  t120OnlyCaps() : asn::sequence(&descriptor) {}
  t120OnlyCaps(const t120OnlyCaps& other);
  t120OnlyCaps& operator=(const t120OnlyCaps& other);
  ~t120OnlyCaps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class supportedPrefix : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  supportedPrefix() : asn::sequence(&descriptor) {}
  supportedPrefix(const supportedPrefix& other);
  supportedPrefix& operator=(const supportedPrefix& other);
  ~supportedPrefix() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::aliasAddress prefix;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class nonStandardProtocol : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  nonStandardProtocol() : asn::sequence(&descriptor) {}
  nonStandardProtocol(const nonStandardProtocol& other);
  nonStandardProtocol& operator=(const nonStandardProtocol& other);
  ~nonStandardProtocol() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1> supportedPrefixes;
};

// SEQUENCE, extensible; 5 root, 0 extension.
class t38FaxAnnexbOnlyCaps : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  t38FaxAnnexbOnlyCaps() : asn::sequence(&descriptor) {}
  t38FaxAnnexbOnlyCaps(const t38FaxAnnexbOnlyCaps& other);
  t38FaxAnnexbOnlyCaps& operator=(const t38FaxAnnexbOnlyCaps& other);
  ~t38FaxAnnexbOnlyCaps() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::dataRate, 0u, 0u, 1>* dataRatesSupported = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1> supportedPrefixes;
  H245::dataProtocolCapability t38FaxProtocol;
  H245::t38FaxProfile t38FaxProfile;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class dataRate : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  dataRate() : asn::sequence(&descriptor) {}
  dataRate(const dataRate& other);
  dataRate& operator=(const dataRate& other);
  ~dataRate() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1> channelRate;
  asn::integer<1u, 256u, 1>* channelMultiplier = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class tunnelledProtocol : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class id_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    id_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  tunnelledProtocol() : asn::sequence(&descriptor) {}
  tunnelledProtocol(const tunnelledProtocol& other);
  tunnelledProtocol& operator=(const tunnelledProtocol& other);
  ~tunnelledProtocol() override;
  static asn::object* create();

  H225::tunnelledProtocol::id_choice id;
  asn::IA5String<1u, 64u, 1, asn::constrainedString::IA5Set, 128u>* subIdentifier = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class tunnelledProtocolAlternateIdentifier : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  tunnelledProtocolAlternateIdentifier() : asn::sequence(&descriptor) {}
  tunnelledProtocolAlternateIdentifier(const tunnelledProtocolAlternateIdentifier& other);
  tunnelledProtocolAlternateIdentifier& operator=(const tunnelledProtocolAlternateIdentifier& other);
  ~tunnelledProtocolAlternateIdentifier() override;
  static asn::object* create();

  asn::IA5String<1u, 64u, 1, asn::constrainedString::IA5Set, 128u> protocolType;
  asn::IA5String<1u, 64u, 1, asn::constrainedString::IA5Set, 128u>* protocolVariant = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class q954Details : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  q954Details() : asn::sequence(&descriptor) {}
  q954Details(const q954Details& other);
  q954Details& operator=(const q954Details& other);
  ~q954Details() override;
  static asn::object* create();

  asn::booltype conferenceCalling;
  asn::booltype threePartyService;
};

// SEQUENCE, extensible; 8 root, 0 extension.
class qseriesOptions : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  qseriesOptions() : asn::sequence(&descriptor) {}
  qseriesOptions(const qseriesOptions& other);
  qseriesOptions& operator=(const qseriesOptions& other);
  ~qseriesOptions() override;
  static asn::object* create();

  asn::booltype q932Full;
  asn::booltype q951Full;
  asn::booltype q952Full;
  asn::booltype q953Full;
  asn::booltype q955Full;
  asn::booltype q956Full;
  asn::booltype q957Full;
  H225::q954Details q954Info;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class callCapacity : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callCapacity() : asn::sequence(&descriptor) {}
  callCapacity(const callCapacity& other);
  callCapacity& operator=(const callCapacity& other);
  ~callCapacity() override;
  static asn::object* create();

  H225::callCapacityInfo* maximumCallCapacity = nullptr;  // OPTIONAL
  H225::callCapacityInfo* currentCallCapacity = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 11 root, 0 extension.
class callCapacityInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callCapacityInfo() : asn::sequence(&descriptor) {}
  callCapacityInfo(const callCapacityInfo& other);
  callCapacityInfo& operator=(const callCapacityInfo& other);
  ~callCapacityInfo() override;
  static asn::object* create();

  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* voiceGwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* h310GwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* h320GwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* h321GwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* h322GwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* h323GwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* h324GwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* t120OnlyGwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* t38FaxAnnexbOnlyGwCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* terminalCallsAvailable = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::callsAvailable, 0u, 0u, 1>* mcuCallsAvailable = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class callsAvailable : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callsAvailable() : asn::sequence(&descriptor) {}
  callsAvailable(const callsAvailable& other);
  callsAvailable& operator=(const callsAvailable& other);
  ~callsAvailable() override;
  static asn::object* create();

  asn::integer<0u, 4294967295u, 1> calls;
  asn::IA5String<1u, 128u, 1, asn::constrainedString::IA5Set, 128u>* group = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class circuitInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  circuitInfo() : asn::sequence(&descriptor) {}
  circuitInfo(const circuitInfo& other);
  circuitInfo& operator=(const circuitInfo& other);
  ~circuitInfo() override;
  static asn::object* create();

  H225::circuitIdentifier* sourceCircuitID = nullptr;  // OPTIONAL
  H225::circuitIdentifier* destinationCircuitID = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class circuitIdentifier : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  circuitIdentifier() : asn::sequence(&descriptor) {}
  circuitIdentifier(const circuitIdentifier& other);
  circuitIdentifier& operator=(const circuitIdentifier& other);
  ~circuitIdentifier() override;
  static asn::object* create();

  H225::cicInfo* cic = nullptr;  // OPTIONAL
  H225::groupID* group = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class cicInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  cicInfo() : asn::sequence(&descriptor) {}
  cicInfo(const cicInfo& other);
  cicInfo& operator=(const cicInfo& other);
  ~cicInfo() override;
  static asn::object* create();

  asn::sequenceOf<asn::octetString<2u, 4u, 1>, 0u, 0u, 1> cic;
  asn::octetString<2u, 5u, 1> pointCode;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class groupID : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  groupID() : asn::sequence(&descriptor) {}
  groupID(const groupID& other);
  groupID& operator=(const groupID& other);
  ~groupID() override;
  static asn::object* create();

  asn::sequenceOf<asn::integer<0u, 65535u, 1>, 0u, 0u, 1>* member = nullptr;  // OPTIONAL
  asn::IA5String<1u, 128u, 1, asn::constrainedString::IA5Set, 128u> group;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class serviceControlSession : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class reason_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    reason_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  serviceControlSession() : asn::sequence(&descriptor) {}
  serviceControlSession(const serviceControlSession& other);
  serviceControlSession& operator=(const serviceControlSession& other);
  ~serviceControlSession() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sessionId;
  H225::serviceControlDescriptor* contents = nullptr;  // OPTIONAL
  H225::serviceControlSession::reason_choice reason;
};

// CHOICE, extensible; 4 root, 0 extension.
class serviceControlDescriptor : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  serviceControlDescriptor() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 5 root, 0 extension.
class callCreditServiceControl : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class billingMode_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    billingMode_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class callStartingPoint_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    callStartingPoint_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  callCreditServiceControl() : asn::sequence(&descriptor) {}
  callCreditServiceControl(const callCreditServiceControl& other);
  callCreditServiceControl& operator=(const callCreditServiceControl& other);
  ~callCreditServiceControl() override;
  static asn::object* create();

  asn::bmpString<1u, 512u, 1>* amountString = nullptr;  // OPTIONAL
  H225::callCreditServiceControl::billingMode_choice* billingMode = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* callDurationLimit = nullptr;  // OPTIONAL
  asn::booltype* enforceCallDurationLimit = nullptr;  // OPTIONAL
  H225::callCreditServiceControl::callStartingPoint_choice* callStartingPoint = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 8 root, 0 extension.
class cryptoH323Token : public asn::choice {
public:
  // SEQUENCE, not extensible; 3 root, 0 extension.
  class cryptoEPPwdHash_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    cryptoEPPwdHash_sequence() : asn::sequence(&descriptor) {}
    cryptoEPPwdHash_sequence(const cryptoEPPwdHash_sequence& other);
    cryptoEPPwdHash_sequence& operator=(const cryptoEPPwdHash_sequence& other);
    ~cryptoEPPwdHash_sequence() override;
    static asn::object* create();

    H225::aliasAddress alias;
    asn::integer<1u, 4294967295u, 1> timeStamp;
    H235::hashed<asn::anytype<H235::clearToken> > token;
  };

  // SEQUENCE, not extensible; 3 root, 0 extension.
  class cryptoGKPwdHash_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    cryptoGKPwdHash_sequence() : asn::sequence(&descriptor) {}
    cryptoGKPwdHash_sequence(const cryptoGKPwdHash_sequence& other);
    cryptoGKPwdHash_sequence& operator=(const cryptoGKPwdHash_sequence& other);
    ~cryptoGKPwdHash_sequence() override;
    static asn::object* create();

    asn::bmpString<1u, 128u, 1> gatekeeperId;
    asn::integer<1u, 4294967295u, 1> timeStamp;
    H235::hashed<asn::anytype<H235::clearToken> > token;
  };

  static const asn::choiceDescriptor descriptor;

  cryptoH323Token() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class alternateGK : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  alternateGK() : asn::sequence(&descriptor) {}
  alternateGK(const alternateGK& other);
  alternateGK& operator=(const alternateGK& other);
  ~alternateGK() override;
  static asn::object* create();

  H225::transportAddress rasAddress;
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  asn::booltype needToRegister;
  asn::integer<0u, 127u, 1> priority;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class altGKInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  altGKInfo() : asn::sequence(&descriptor) {}
  altGKInfo(const altGKInfo& other);
  altGKInfo& operator=(const altGKInfo& other);
  ~altGKInfo() override;
  static asn::object* create();

  asn::sequenceOf<H225::alternateGK, 0u, 0u, 1> alternateGatekeeper;
  asn::booltype altGKisPermanent;
};

// SEQUENCE, extensible; 10 root, 1 extension.
class endpoint : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  endpoint() : asn::sequence(&descriptor) {}
  endpoint(const endpoint& other);
  endpoint& operator=(const endpoint& other);
  ~endpoint() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* aliasAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1>* callSignalAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1>* rasAddress = nullptr;  // OPTIONAL
  H225::endpointType* endpointType = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  asn::integer<0u, 127u, 1>* priority = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* remoteExtensionAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destExtraCallInfo = nullptr;  // OPTIONAL
  H225::alternateTransportAddresses* alternateTransportAddresses = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class alternateTransportAddresses : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  alternateTransportAddresses() : asn::sequence(&descriptor) {}
  alternateTransportAddresses(const alternateTransportAddresses& other);
  alternateTransportAddresses& operator=(const alternateTransportAddresses& other);
  ~alternateTransportAddresses() override;
  static asn::object* create();

  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1>* annexE = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 2 root, 0 extension.
class useSpecifiedTransport : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  useSpecifiedTransport() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class addressPattern : public asn::choice {
public:
  // SEQUENCE, not extensible; 2 root, 0 extension.
  class range_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    range_sequence() : asn::sequence(&descriptor) {}
    range_sequence(const range_sequence& other);
    range_sequence& operator=(const range_sequence& other);
    ~range_sequence() override;
    static asn::object* create();

    H225::partyNumber startOfRange;
    H225::partyNumber endOfRange;
  };

  static const asn::choiceDescriptor descriptor;

  addressPattern() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class callModel : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  callModel() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 3 root, 0 extension.
class transportQOS : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  transportQOS() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 9 root, 4 extension.
class uUIEsRequested : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  uUIEsRequested() : asn::sequence(&descriptor) {}
  uUIEsRequested(const uUIEsRequested& other);
  uUIEsRequested& operator=(const uUIEsRequested& other);
  ~uUIEsRequested() override;
  static asn::object* create();

  asn::booltype setup;
  asn::booltype callProceeding;
  asn::booltype connect;
  asn::booltype alerting;
  asn::booltype information;
  asn::booltype releaseComplete;
  asn::booltype facility;
  asn::booltype progress;
  asn::booltype empty;
  asn::booltype* status = nullptr;  // addition
  asn::booltype* statusInquiry = nullptr;  // addition
  asn::booltype* setupAcknowledge = nullptr;  // addition
  asn::booltype* notify = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class transportChannelInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  transportChannelInfo() : asn::sequence(&descriptor) {}
  transportChannelInfo(const transportChannelInfo& other);
  transportChannelInfo& operator=(const transportChannelInfo& other);
  ~transportChannelInfo() override;
  static asn::object* create();

  H225::transportAddress* sendAddress = nullptr;  // OPTIONAL
  H225::transportAddress* recvAddress = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 6 root, 2 extension.
class rTPSession : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  rTPSession() : asn::sequence(&descriptor) {}
  rTPSession(const rTPSession& other);
  rTPSession& operator=(const rTPSession& other);
  ~rTPSession() override;
  static asn::object* create();

  H225::transportChannelInfo rtpAddress;
  H225::transportChannelInfo rtcpAddress;
  asn::printableString<0u, 0u, 1, asn::constrainedString::PrintableSet, 74u> cname;
  asn::integer<1u, 4294967295u, 1> ssrc;
  asn::integer<1u, 255u, 1> sessionId;
  asn::sequenceOf<asn::integer<1u, 255u, 1>, 0u, 0u, 1> associatedSessionIds;
  asn::null* multicast = nullptr;  // addition
  asn::integer<0u, 4294967295u, 1>* bandwidth = nullptr;  // addition
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class icv : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  icv() : asn::sequence(&descriptor) {}
  icv(const icv& other);
  icv& operator=(const icv& other);
  ~icv() override;
  static asn::object* create();

  asn::oid algorithmOID;
  asn::bitString<0u, 0u, 1> icv_;
};

// CHOICE, extensible; 4 root, 0 extension.
class integrityMechanism : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  integrityMechanism() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 4 root, 0 extension.
class nonIsoIntegrityMechanism : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  nonIsoIntegrityMechanism() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class encryptIntAlg : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  encryptIntAlg() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class rasUsageInfoTypes : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  rasUsageInfoTypes() : asn::sequence(&descriptor) {}
  rasUsageInfoTypes(const rasUsageInfoTypes& other);
  rasUsageInfoTypes& operator=(const rasUsageInfoTypes& other);
  ~rasUsageInfoTypes() override;
  static asn::object* create();

  asn::sequenceOf<H225::nonStandardParameter, 0u, 0u, 1> nonStandardUsageTypes;
  asn::null* startTime = nullptr;  // OPTIONAL
  asn::null* endTime = nullptr;  // OPTIONAL
  asn::null* terminationCause = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 4 root, 0 extension.
class rasUsageInformation : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  rasUsageInformation() : asn::sequence(&descriptor) {}
  rasUsageInformation(const rasUsageInformation& other);
  rasUsageInformation& operator=(const rasUsageInformation& other);
  ~rasUsageInformation() override;
  static asn::object* create();

  asn::sequenceOf<H225::nonStandardParameter, 0u, 0u, 1> nonStandardUsageFields;
  asn::integer<1u, 4294967295u, 1>* alertingTime = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* connectTime = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* endTime = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class rasUsageSpecification : public asn::sequence {
public:
  // SEQUENCE, extensible; 3 root, 0 extension.
  class when_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    when_sequence() : asn::sequence(&descriptor) {}
    when_sequence(const when_sequence& other);
    when_sequence& operator=(const when_sequence& other);
    ~when_sequence() override;
    static asn::object* create();

    asn::null* start = nullptr;  // OPTIONAL
    asn::null* end = nullptr;  // OPTIONAL
    asn::null* inIrr = nullptr;  // OPTIONAL
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class callStartingPoint_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    callStartingPoint_sequence() : asn::sequence(&descriptor) {}
    callStartingPoint_sequence(const callStartingPoint_sequence& other);
    callStartingPoint_sequence& operator=(const callStartingPoint_sequence& other);
    ~callStartingPoint_sequence() override;
    static asn::object* create();

    asn::null* alerting = nullptr;  // OPTIONAL
    asn::null* connect = nullptr;  // OPTIONAL
  };

  static const asn::sequenceDescriptor descriptor;

  rasUsageSpecification() : asn::sequence(&descriptor) {}
  rasUsageSpecification(const rasUsageSpecification& other);
  rasUsageSpecification& operator=(const rasUsageSpecification& other);
  ~rasUsageSpecification() override;
  static asn::object* create();

  H225::rasUsageSpecification::when_sequence when;
  H225::rasUsageSpecification::callStartingPoint_sequence* callStartingPoint = nullptr;  // OPTIONAL
  H225::rasUsageInfoTypes required;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class callCreditCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callCreditCapability() : asn::sequence(&descriptor) {}
  callCreditCapability(const callCreditCapability& other);
  callCreditCapability& operator=(const callCreditCapability& other);
  ~callCreditCapability() override;
  static asn::object* create();

  asn::booltype* canDisplayAmountString = nullptr;  // OPTIONAL
  asn::booltype* canEnforceDurationLimit = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 0 extension.
class capacityReportingCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  capacityReportingCapability() : asn::sequence(&descriptor) {}
  capacityReportingCapability(const capacityReportingCapability& other);
  capacityReportingCapability& operator=(const capacityReportingCapability& other);
  ~capacityReportingCapability() override;
  static asn::object* create();

  asn::booltype canReportCallCapacity;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class capacityReportingSpecification : public asn::sequence {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class when_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    when_sequence() : asn::sequence(&descriptor) {}
    when_sequence(const when_sequence& other);
    when_sequence& operator=(const when_sequence& other);
    ~when_sequence() override;
    static asn::object* create();

    asn::null* callStart = nullptr;  // OPTIONAL
    asn::null* callEnd = nullptr;  // OPTIONAL
  };

  static const asn::sequenceDescriptor descriptor;

  capacityReportingSpecification() : asn::sequence(&descriptor) {}
  capacityReportingSpecification(const capacityReportingSpecification& other);
  capacityReportingSpecification& operator=(const capacityReportingSpecification& other);
  ~capacityReportingSpecification() override;
  static asn::object* create();

  H225::capacityReportingSpecification::when_sequence when;
};

// SEQUENCE, extensible; 7 root, 11 extension.
class bandwidthRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  bandwidthRequest() : asn::sequence(&descriptor) {}
  bandwidthRequest(const bandwidthRequest& other);
  bandwidthRequest& operator=(const bandwidthRequest& other);
  ~bandwidthRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::bmpString<1u, 128u, 1> endpointIdentifier;
  asn::octetString<16u, 16u, 1> conferenceID;
  asn::integer<0u, 65535u, 1> callReferenceValue;
  H225::callType* callType = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1> bandWidth;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::booltype* answeredCall = nullptr;  // addition
  H225::callLinkage* callLinkage = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::rasUsageInformation* usageInformation = nullptr;  // addition
  asn::sequenceOf<H225::bandwidthDetails, 0u, 0u, 1>* bandwidthDetails = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 0 extension.
class bandwidthDetails : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  bandwidthDetails() : asn::sequence(&descriptor) {}
  bandwidthDetails(const bandwidthDetails& other);
  bandwidthDetails& operator=(const bandwidthDetails& other);
  ~bandwidthDetails() override;
  static asn::object* create();

  asn::booltype sender;
  asn::booltype multicast;
  asn::integer<0u, 4294967295u, 1> bandwidth;
  H225::transportChannelInfo rtcpAddresses;
};

// SEQUENCE, extensible; 3 root, 5 extension.
class bandwidthConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  bandwidthConfirm() : asn::sequence(&descriptor) {}
  bandwidthConfirm(const bandwidthConfirm& other);
  bandwidthConfirm& operator=(const bandwidthConfirm& other);
  ~bandwidthConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::integer<0u, 4294967295u, 1> bandWidth;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 6 root, 1 extension.
class bandRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  bandRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 5 extension.
class bandwidthReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  bandwidthReject() : asn::sequence(&descriptor) {}
  bandwidthReject(const bandwidthReject& other);
  bandwidthReject& operator=(const bandwidthReject& other);
  ~bandwidthReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::bandRejectReason rejectReason;
  asn::integer<0u, 4294967295u, 1> allowedBandWidth;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 5 root, 12 extension.
class locationRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  locationRequest() : asn::sequence(&descriptor) {}
  locationRequest(const locationRequest& other);
  locationRequest& operator=(const locationRequest& other);
  ~locationRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::bmpString<1u, 128u, 1>* endpointIdentifier = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1> destinationInfo;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::transportAddress replyAddress;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* sourceInfo = nullptr;  // addition
  asn::booltype* canMapAlias = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* desiredProtocols = nullptr;  // addition
  H225::tunnelledProtocol* desiredTunnelledProtocol = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
  asn::integer<1u, 255u, 1>* hopCount = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 15 extension.
class locationConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  locationConfirm() : asn::sequence(&descriptor) {}
  locationConfirm(const locationConfirm& other);
  locationConfirm& operator=(const locationConfirm& other);
  ~locationConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::transportAddress callSignalAddress;
  H225::transportAddress rasAddress;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destinationInfo = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destExtraCallInfo = nullptr;  // addition
  H225::endpointType* destinationType = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* remoteExtensionAddress = nullptr;  // addition
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* alternateEndpoints = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::alternateTransportAddresses* alternateTransportAddresses = nullptr;  // addition
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* supportedProtocols = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
};

// CHOICE, extensible; 4 root, 8 extension.
class locationRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  locationRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 7 extension.
class locationReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  locationReject() : asn::sequence(&descriptor) {}
  locationReject(const locationReject& other);
  locationReject& operator=(const locationReject& other);
  ~locationReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::locationRejectReason rejectReason;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
};

// CHOICE, extensible; 3 root, 0 extension.
class disengageReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  disengageReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 6 root, 13 extension.
class disengageRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  disengageRequest() : asn::sequence(&descriptor) {}
  disengageRequest(const disengageRequest& other);
  disengageRequest& operator=(const disengageRequest& other);
  ~disengageRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::bmpString<1u, 128u, 1> endpointIdentifier;
  asn::octetString<16u, 16u, 1> conferenceID;
  asn::integer<0u, 65535u, 1> callReferenceValue;
  H225::disengageReason disengageReason;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::booltype* answeredCall = nullptr;  // addition
  H225::callLinkage* callLinkage = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  H225::rasUsageInformation* usageInformation = nullptr;  // addition
  H225::callTerminationCause* terminationCause = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 2 root, 0 extension.
class callTerminationCause : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  callTerminationCause() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 7 extension.
class disengageConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  disengageConfirm() : asn::sequence(&descriptor) {}
  disengageConfirm(const disengageConfirm& other);
  disengageConfirm& operator=(const disengageConfirm& other);
  ~disengageConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  H225::rasUsageInformation* usageInformation = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 2 root, 1 extension.
class disengageRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  disengageRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 5 extension.
class disengageReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  disengageReject() : asn::sequence(&descriptor) {}
  disengageReject(const disengageReject& other);
  disengageReject& operator=(const disengageReject& other);
  ~disengageReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::disengageRejectReason rejectReason;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 11 extension.
class infoRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  infoRequest() : asn::sequence(&descriptor) {}
  infoRequest(const infoRequest& other);
  infoRequest& operator=(const infoRequest& other);
  ~infoRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::integer<0u, 65535u, 1> callReferenceValue;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::transportAddress* replyAddress = nullptr;  // OPTIONAL
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::uUIEsRequested* uuiesRequested = nullptr;  // addition
  H225::callLinkage* callLinkage = nullptr;  // addition
  H225::rasUsageInfoTypes* usageInfoRequested = nullptr;  // addition
  asn::null* segmentedResponseSupported = nullptr;  // addition
  asn::integer<0u, 65535u, 1>* nextSegmentRequested = nullptr;  // addition
  asn::null* capacityInfoRequested = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 9 extension.
class h323_uu_pdu : public asn::sequence {
public:
  // CHOICE, extensible; 7 root, 6 extension.
  class h323_message_body_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    h323_message_body_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 4 root, 0 extension.
  class tunnelledSignallingMessage_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    tunnelledSignallingMessage_sequence() : asn::sequence(&descriptor) {}
    tunnelledSignallingMessage_sequence(const tunnelledSignallingMessage_sequence& other);
    tunnelledSignallingMessage_sequence& operator=(const tunnelledSignallingMessage_sequence& other);
    ~tunnelledSignallingMessage_sequence() override;
    static asn::object* create();

    H225::tunnelledProtocol tunnelledProtocolID;
    asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1> messageContent;
    asn::null* tunnellingRequired = nullptr;  // OPTIONAL
    H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  };

  static const asn::sequenceDescriptor descriptor;

  h323_uu_pdu() : asn::sequence(&descriptor) {}
  h323_uu_pdu(const h323_uu_pdu& other);
  h323_uu_pdu& operator=(const h323_uu_pdu& other);
  ~h323_uu_pdu() override;
  static asn::object* create();

  H225::h323_uu_pdu::h323_message_body_choice h323_message_body;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* h4501SupplementaryService = nullptr;  // addition
  asn::booltype* h245Tunneling = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* h245Control = nullptr;  // addition
  asn::sequenceOf<H225::nonStandardParameter, 0u, 0u, 1>* nonStandardControl = nullptr;  // addition
  H225::callLinkage* callLinkage = nullptr;  // addition
  H225::h323_uu_pdu::tunnelledSignallingMessage_sequence* tunnelledSignallingMessage = nullptr;  // addition
  asn::null* provisionalRespToH245Tunneling = nullptr;  // addition
  H225::stimulusControl* stimulusControl = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 8 root, 8 extension.
class infoRequestResponse : public asn::sequence {
public:
  // SEQUENCE, extensible; 12 root, 8 extension.
  class perCallInfo_sequence : public asn::sequence {
  public:
    // SEQUENCE, not extensible; 2 root, 0 extension.
    class pdu_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      pdu_sequence() : asn::sequence(&descriptor) {}
      pdu_sequence(const pdu_sequence& other);
      pdu_sequence& operator=(const pdu_sequence& other);
      ~pdu_sequence() override;
      static asn::object* create();

      H225::h323_uu_pdu h323pdu;
      asn::booltype sent;
    };

    static const asn::sequenceDescriptor descriptor;

    perCallInfo_sequence() : asn::sequence(&descriptor) {}
    perCallInfo_sequence(const perCallInfo_sequence& other);
    perCallInfo_sequence& operator=(const perCallInfo_sequence& other);
    ~perCallInfo_sequence() override;
    static asn::object* create();

    H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
    asn::integer<0u, 65535u, 1> callReferenceValue;
    asn::octetString<16u, 16u, 1> conferenceID;
    asn::booltype* originator = nullptr;  // OPTIONAL
    asn::sequenceOf<H225::rTPSession, 0u, 0u, 1>* audio = nullptr;  // OPTIONAL
    asn::sequenceOf<H225::rTPSession, 0u, 0u, 1>* video = nullptr;  // OPTIONAL
    asn::sequenceOf<H225::transportChannelInfo, 0u, 0u, 1>* data = nullptr;  // OPTIONAL
    H225::transportChannelInfo h245;
    H225::transportChannelInfo callSignaling;
    H225::callType callType;
    asn::integer<0u, 4294967295u, 1> bandWidth;
    H225::callModel callModel;
    H225::callIdentifier* callIdentifier = nullptr;  // addition
    asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
    asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
    asn::sequenceOf<asn::octetString<16u, 16u, 1>, 0u, 0u, 1>* substituteConfIDs = nullptr;  // addition
    asn::sequenceOf<H225::infoRequestResponse::perCallInfo_sequence::pdu_sequence, 0u, 0u, 1>* pdu = nullptr;  // addition
    H225::callLinkage* callLinkage = nullptr;  // addition
    H225::rasUsageInformation* usageInformation = nullptr;  // addition
    H225::circuitInfo* circuitInfo = nullptr;  // addition
  };

  static const asn::sequenceDescriptor descriptor;

  infoRequestResponse() : asn::sequence(&descriptor) {}
  infoRequestResponse(const infoRequestResponse& other);
  infoRequestResponse& operator=(const infoRequestResponse& other);
  ~infoRequestResponse() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::endpointType endpointType;
  asn::bmpString<1u, 128u, 1> endpointIdentifier;
  H225::transportAddress rasAddress;
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> callSignalAddress;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* endpointAlias = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::infoRequestResponse::perCallInfo_sequence, 0u, 0u, 1>* perCallInfo = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::booltype* needResponse = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::infoRequestResponseStatus* irrStatus = nullptr;  // addition
  asn::booltype* unsolicited = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 4 root, 0 extension.
class infoRequestResponseStatus : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  infoRequestResponseStatus() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 5 root, 0 extension.
class infoRequestAck : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  infoRequestAck() : asn::sequence(&descriptor) {}
  infoRequestAck(const infoRequestAck& other);
  infoRequestAck& operator=(const infoRequestAck& other);
  ~infoRequestAck() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 3 root, 0 extension.
class infoRequestNakReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  infoRequestNakReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 7 root, 0 extension.
class infoRequestNak : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  infoRequestNak() : asn::sequence(&descriptor) {}
  infoRequestNak(const infoRequestNak& other);
  infoRequestNak& operator=(const infoRequestNak& other);
  ~infoRequestNak() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::infoRequestNakReason nakReason;
  H225::altGKInfo* altGKInfo = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 5 extension.
class nonStandardMessage : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  nonStandardMessage() : asn::sequence(&descriptor) {}
  nonStandardMessage(const nonStandardMessage& other);
  nonStandardMessage& operator=(const nonStandardMessage& other);
  ~nonStandardMessage() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter nonStandardData;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 4 extension.
class unknownMessageResponse : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  unknownMessageResponse() : asn::sequence(&descriptor) {}
  unknownMessageResponse(const unknownMessageResponse& other);
  unknownMessageResponse& operator=(const unknownMessageResponse& other);
  ~unknownMessageResponse() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::octetString<0u, 0u, 1>* messageNotUnderstood = nullptr;  // addition
};

// SEQUENCE, extensible; 6 root, 0 extension.
class requestInProgress : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestInProgress() : asn::sequence(&descriptor) {}
  requestInProgress(const requestInProgress& other);
  requestInProgress& operator=(const requestInProgress& other);
  ~requestInProgress() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
  asn::integer<1u, 65535u, 1> delay;
};

// SEQUENCE, extensible; 9 root, 2 extension.
class resourcesAvailableIndicate : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  resourcesAvailableIndicate() : asn::sequence(&descriptor) {}
  resourcesAvailableIndicate(const resourcesAvailableIndicate& other);
  resourcesAvailableIndicate& operator=(const resourcesAvailableIndicate& other);
  ~resourcesAvailableIndicate() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1> endpointIdentifier;
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1> protocols;
  asn::booltype almostOutOfResources;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
  H225::callCapacity* capacity = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 6 root, 1 extension.
class resourcesAvailableConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  resourcesAvailableConfirm() : asn::sequence(&descriptor) {}
  resourcesAvailableConfirm(const resourcesAvailableConfirm& other);
  resourcesAvailableConfirm& operator=(const resourcesAvailableConfirm& other);
  ~resourcesAvailableConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 10 root, 0 extension.
class serviceControlIndication : public asn::sequence {
public:
  // SEQUENCE, extensible; 3 root, 0 extension.
  class callSpecific_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    callSpecific_sequence() : asn::sequence(&descriptor) {}
    callSpecific_sequence(const callSpecific_sequence& other);
    callSpecific_sequence& operator=(const callSpecific_sequence& other);
    ~callSpecific_sequence() override;
    static asn::object* create();

    H225::callIdentifier callIdentifier;
    asn::octetString<16u, 16u, 1> conferenceID;
    asn::booltype answeredCall;
  };

  static const asn::sequenceDescriptor descriptor;

  serviceControlIndication() : asn::sequence(&descriptor) {}
  serviceControlIndication(const serviceControlIndication& other);
  serviceControlIndication& operator=(const serviceControlIndication& other);
  ~serviceControlIndication() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1> serviceControl;
  asn::bmpString<1u, 128u, 1>* endpointIdentifier = nullptr;  // OPTIONAL
  H225::serviceControlIndication::callSpecific_sequence* callSpecific = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
  H225::featureSet* featureSet = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 8 root, 0 extension.
class serviceControlResponse : public asn::sequence {
public:
  // CHOICE, extensible; 5 root, 0 extension.
  class result_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    result_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  serviceControlResponse() : asn::sequence(&descriptor) {}
  serviceControlResponse(const serviceControlResponse& other);
  serviceControlResponse& operator=(const serviceControlResponse& other);
  ~serviceControlResponse() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::serviceControlResponse::result_choice* result = nullptr;  // OPTIONAL
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  H225::icv* integrityCheckValue = nullptr;  // OPTIONAL
  H225::featureSet* featureSet = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 25 root, 7 extension.
class rasMessage : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  rasMessage() : asn::choice(&descriptor) {}
};

// SEQUENCE, extensible; 8 root, 10 extension.
class gatekeeperRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gatekeeperRequest() : asn::sequence(&descriptor) {}
  gatekeeperRequest(const gatekeeperRequest& other);
  gatekeeperRequest& operator=(const gatekeeperRequest& other);
  ~gatekeeperRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::transportAddress rasAddress;
  H225::endpointType endpointType;
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  H225::qseriesOptions* callServices = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* endpointAlias = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* alternateEndpoints = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<H235::authenticationMechanism, 0u, 0u, 1>* authenticationCapability = nullptr;  // addition
  asn::sequenceOf<asn::oid, 0u, 0u, 1>* algorithmOIDs = nullptr;  // addition
  asn::sequenceOf<H225::integrityMechanism, 0u, 0u, 1>* integrity = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::null* supportsAltGK = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 5 root, 9 extension.
class gatekeeperConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gatekeeperConfirm() : asn::sequence(&descriptor) {}
  gatekeeperConfirm(const gatekeeperConfirm& other);
  gatekeeperConfirm& operator=(const gatekeeperConfirm& other);
  ~gatekeeperConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  H225::transportAddress rasAddress;
  asn::sequenceOf<H225::alternateGK, 0u, 0u, 1>* alternateGatekeeper = nullptr;  // addition
  H235::authenticationMechanism* authenticationMode = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::oid* algorithmOID = nullptr;  // addition
  asn::sequenceOf<H225::integrityMechanism, 0u, 0u, 1>* integrity = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 4 root, 3 extension.
class gatekeeperRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  gatekeeperRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 5 root, 6 extension.
class gatekeeperReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gatekeeperReject() : asn::sequence(&descriptor) {}
  gatekeeperReject(const gatekeeperReject& other);
  gatekeeperReject& operator=(const gatekeeperReject& other);
  ~gatekeeperReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  H225::gatekeeperRejectReason rejectReason;
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 10 root, 21 extension.
class registrationRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  registrationRequest() : asn::sequence(&descriptor) {}
  registrationRequest(const registrationRequest& other);
  registrationRequest& operator=(const registrationRequest& other);
  ~registrationRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::booltype discoveryComplete;
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> callSignalAddress;
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> rasAddress;
  H225::endpointType terminalType;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* terminalAlias = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  H225::vendorIdentifier endpointVendor;
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* alternateEndpoints = nullptr;  // addition
  asn::integer<1u, 4294967295u, 1>* timeToLive = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::booltype* keepAlive = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* endpointIdentifier = nullptr;  // addition
  asn::booltype* willSupplyUUIEs = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  H225::alternateTransportAddresses* alternateTransportAddresses = nullptr;  // addition
  asn::null* additiveRegistration = nullptr;  // addition
  asn::sequenceOf<H225::addressPattern, 0u, 0u, 1>* terminalAliasPattern = nullptr;  // addition
  asn::null* supportsAltGK = nullptr;  // addition
  H225::rasUsageInfoTypes* usageReportingCapability = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* supportedH248Packages = nullptr;  // addition
  H225::callCreditCapability* callCreditCapability = nullptr;  // addition
  H225::capacityReportingCapability* capacityReportingCapability = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 7 root, 17 extension.
class registrationConfirm : public asn::sequence {
public:
  // SEQUENCE, extensible; 4 root, 4 extension.
  class preGrantedARQ_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    preGrantedARQ_sequence() : asn::sequence(&descriptor) {}
    preGrantedARQ_sequence(const preGrantedARQ_sequence& other);
    preGrantedARQ_sequence& operator=(const preGrantedARQ_sequence& other);
    ~preGrantedARQ_sequence() override;
    static asn::object* create();

    asn::booltype makeCall;
    asn::booltype useGKCallSignalAddressToMakeCall;
    asn::booltype answerCall;
    asn::booltype useGKCallSignalAddressToAnswer;
    asn::integer<1u, 65535u, 1>* irrFrequencyInCall = nullptr;  // addition
    asn::integer<0u, 4294967295u, 1>* totalBandwidthRestriction = nullptr;  // addition
    H225::alternateTransportAddresses* alternateTransportAddresses = nullptr;  // addition
    H225::useSpecifiedTransport* useSpecifiedTransport = nullptr;  // addition
  };

  static const asn::sequenceDescriptor descriptor;

  registrationConfirm() : asn::sequence(&descriptor) {}
  registrationConfirm(const registrationConfirm& other);
  registrationConfirm& operator=(const registrationConfirm& other);
  ~registrationConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> callSignalAddress;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* terminalAlias = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1> endpointIdentifier;
  asn::sequenceOf<H225::alternateGK, 0u, 0u, 1>* alternateGatekeeper = nullptr;  // addition
  asn::integer<1u, 4294967295u, 1>* timeToLive = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::booltype* willRespondToIRR = nullptr;  // addition
  H225::registrationConfirm::preGrantedARQ_sequence* preGrantedARQ = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  asn::null* supportsAdditiveRegistration = nullptr;  // addition
  asn::sequenceOf<H225::addressPattern, 0u, 0u, 1>* terminalAliasPattern = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
  asn::sequenceOf<H225::rasUsageSpecification, 0u, 0u, 1>* usageSpec = nullptr;  // addition
  H225::aliasAddress* featureServerAlias = nullptr;  // addition
  H225::capacityReportingSpecification* capacityReportingSpec = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 8 root, 9 extension.
class registrationRejectReason : public asn::choice {
public:
  // SEQUENCE, extensible; 3 root, 0 extension.
  class invalidTerminalAliases_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    invalidTerminalAliases_sequence() : asn::sequence(&descriptor) {}
    invalidTerminalAliases_sequence(const invalidTerminalAliases_sequence& other);
    invalidTerminalAliases_sequence& operator=(const invalidTerminalAliases_sequence& other);
    ~invalidTerminalAliases_sequence() override;
    static asn::object* create();

    asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* terminalAlias = nullptr;  // OPTIONAL
    asn::sequenceOf<H225::addressPattern, 0u, 0u, 1>* terminalAliasPattern = nullptr;  // OPTIONAL
    asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // OPTIONAL
  };

  static const asn::choiceDescriptor descriptor;

  registrationRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 5 root, 6 extension.
class registrationReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  registrationReject() : asn::sequence(&descriptor) {}
  registrationReject(const registrationReject& other);
  registrationReject& operator=(const registrationReject& other);
  ~registrationReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::oid protocolIdentifier;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::registrationRejectReason rejectReason;
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // OPTIONAL
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 5 root, 10 extension.
class unregistrationRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  unregistrationRequest() : asn::sequence(&descriptor) {}
  unregistrationRequest(const unregistrationRequest& other);
  unregistrationRequest& operator=(const unregistrationRequest& other);
  ~unregistrationRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> callSignalAddress;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* endpointAlias = nullptr;  // OPTIONAL
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* endpointIdentifier = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* alternateEndpoints = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::unregRequestReason* reason = nullptr;  // addition
  asn::sequenceOf<H225::addressPattern, 0u, 0u, 1>* endpointAliasPattern = nullptr;  // addition
  asn::sequenceOf<H225::supportedPrefix, 0u, 0u, 1>* supportedPrefixes = nullptr;  // addition
  asn::sequenceOf<H225::alternateGK, 0u, 0u, 1>* alternateGatekeeper = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 4 root, 1 extension.
class unregRequestReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  unregRequestReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 4 extension.
class unregistrationConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  unregistrationConfirm() : asn::sequence(&descriptor) {}
  unregistrationConfirm(const unregistrationConfirm& other);
  unregistrationConfirm& operator=(const unregistrationConfirm& other);
  ~unregistrationConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 3 root, 2 extension.
class unregRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  unregRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 5 extension.
class unregistrationReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  unregistrationReject() : asn::sequence(&descriptor) {}
  unregistrationReject(const unregistrationReject& other);
  unregistrationReject& operator=(const unregistrationReject& other);
  ~unregistrationReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::unregRejectReason rejectReason;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 16 root, 18 extension.
class admissionRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  admissionRequest() : asn::sequence(&descriptor) {}
  admissionRequest(const admissionRequest& other);
  admissionRequest& operator=(const admissionRequest& other);
  ~admissionRequest() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::callType callType;
  H225::callModel* callModel = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1> endpointIdentifier;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destinationInfo = nullptr;  // OPTIONAL
  H225::transportAddress* destCallSignalAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destExtraCallInfo = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1> srcInfo;
  H225::transportAddress* srcCallSignalAddress = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1> bandWidth;
  asn::integer<0u, 65535u, 1> callReferenceValue;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::qseriesOptions* callServices = nullptr;  // OPTIONAL
  asn::octetString<16u, 16u, 1> conferenceID;
  asn::booltype activeMC;
  asn::booltype answerCall;
  asn::booltype* canMapAlias = nullptr;  // addition
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* srcAlternatives = nullptr;  // addition
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* destAlternatives = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* gatekeeperIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::transportQOS* transportQOS = nullptr;  // addition
  asn::booltype* willSupplyUUIEs = nullptr;  // addition
  H225::callLinkage* callLinkage = nullptr;  // addition
  H225::dataRate* gatewayDataRate = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* desiredProtocols = nullptr;  // addition
  H225::tunnelledProtocol* desiredTunnelledProtocol = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 6 root, 21 extension.
class admissionConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  admissionConfirm() : asn::sequence(&descriptor) {}
  admissionConfirm(const admissionConfirm& other);
  admissionConfirm& operator=(const admissionConfirm& other);
  ~admissionConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  asn::integer<0u, 4294967295u, 1> bandWidth;
  H225::callModel callModel;
  H225::transportAddress destCallSignalAddress;
  asn::integer<1u, 65535u, 1>* irrFrequency = nullptr;  // OPTIONAL
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destinationInfo = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destExtraCallInfo = nullptr;  // addition
  H225::endpointType* destinationType = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* remoteExtensionAddress = nullptr;  // addition
  asn::sequenceOf<H225::endpoint, 0u, 0u, 1>* alternateEndpoints = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  H225::transportQOS* transportQOS = nullptr;  // addition
  asn::booltype* willRespondToIRR = nullptr;  // addition
  H225::uUIEsRequested* uuiesRequested = nullptr;  // addition
  asn::sequenceOf<asn::IA5String<1u, 32u, 1, asn::constrainedString::IA5Set, 128u>, 0u, 0u, 1>* language = nullptr;  // addition
  H225::alternateTransportAddresses* alternateTransportAddresses = nullptr;  // addition
  H225::useSpecifiedTransport* useSpecifiedTransport = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  asn::sequenceOf<H225::rasUsageSpecification, 0u, 0u, 1>* usageSpec = nullptr;  // addition
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* supportedProtocols = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// CHOICE, extensible; 8 root, 10 extension.
class admissionRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  admissionRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 8 extension.
class admissionReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  admissionReject() : asn::sequence(&descriptor) {}
  admissionReject(const admissionReject& other);
  admissionReject& operator=(const admissionReject& other);
  ~admissionReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> requestSeqNum;
  H225::admissionRejectReason rejectReason;
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H225::altGKInfo* altGKInfo = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1>* callSignalAddress = nullptr;  // addition
  H225::icv* integrityCheckValue = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* genericData = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h323_UserInformation : public asn::sequence {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class user_data_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    user_data_sequence() : asn::sequence(&descriptor) {}
    user_data_sequence(const user_data_sequence& other);
    user_data_sequence& operator=(const user_data_sequence& other);
    ~user_data_sequence() override;
    static asn::object* create();

    asn::integer<0u, 255u, 1> protocol_discriminator;
    asn::octetString<1u, 131u, 1> user_information;
  };

  static const asn::sequenceDescriptor descriptor;

  h323_UserInformation() : asn::sequence(&descriptor) {}
  h323_UserInformation(const h323_UserInformation& other);
  h323_UserInformation& operator=(const h323_UserInformation& other);
  ~h323_UserInformation() override;

  H225::h323_uu_pdu h323_uu_pdu;
  H225::h323_UserInformation::user_data_sequence* user_data = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class stimulusControl : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  stimulusControl() : asn::sequence(&descriptor) {}
  stimulusControl(const stimulusControl& other);
  stimulusControl& operator=(const stimulusControl& other);
  ~stimulusControl() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
  asn::null* isText = nullptr;  // OPTIONAL
  asn::octetString<0u, 0u, 1>* h248Message = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 6 root, 0 extension.
class scnConnectionAggregation : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  scnConnectionAggregation() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 7 root, 0 extension.
class scnConnectionType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  scnConnectionType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 13 root, 26 extension.
class setup_UUIE : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 2 extension.
  class conferenceGoal_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    conferenceGoal_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 3 root, 0 extension.
  class connectionParameters_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    connectionParameters_sequence() : asn::sequence(&descriptor) {}
    connectionParameters_sequence(const connectionParameters_sequence& other);
    connectionParameters_sequence& operator=(const connectionParameters_sequence& other);
    ~connectionParameters_sequence() override;
    static asn::object* create();

    H225::scnConnectionType connectionType;
    asn::integer<0u, 65535u, 1> numberOfScnConnections;
    H225::scnConnectionAggregation connectionAggregation;
  };

  static const asn::sequenceDescriptor descriptor;

  setup_UUIE() : asn::sequence(&descriptor) {}
  setup_UUIE(const setup_UUIE& other);
  setup_UUIE& operator=(const setup_UUIE& other);
  ~setup_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::transportAddress* h245Address = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* sourceAddress = nullptr;  // OPTIONAL
  H225::endpointType sourceInfo;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destinationAddress = nullptr;  // OPTIONAL
  H225::transportAddress* destCallSignalAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destExtraCallInfo = nullptr;  // OPTIONAL
  asn::sequenceOf<asn::integer<0u, 65535u, 1>, 0u, 0u, 1>* destExtraCRV = nullptr;  // OPTIONAL
  asn::booltype activeMC;
  asn::octetString<16u, 16u, 1> conferenceID;
  H225::setup_UUIE::conferenceGoal_choice conferenceGoal;
  H225::qseriesOptions* callServices = nullptr;  // OPTIONAL
  H225::callType callType;
  H225::transportAddress* sourceCallSignalAddress = nullptr;  // addition
  H225::aliasAddress* remoteExtensionAddress = nullptr;  // addition
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::sequenceOf<H225::h245Security, 0u, 0u, 1>* h245SecurityCapability = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // addition
  asn::booltype* mediaWaitForConnect = nullptr;  // addition
  asn::booltype* canOverlapSend = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* endpointIdentifier = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  H225::setup_UUIE::connectionParameters_sequence* connectionParameters = nullptr;  // addition
  asn::sequenceOf<asn::IA5String<1u, 32u, 1, asn::constrainedString::IA5Set, 128u>, 0u, 0u, 1>* language = nullptr;  // addition
  H225::presentationIndicator* presentationIndicator = nullptr;  // addition
  H225::screeningIndicator* screeningIndicator = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  asn::null* symmetricOperationRequired = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  asn::sequenceOf<H225::supportedProtocols, 0u, 0u, 1>* desiredProtocols = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* neededFeatures = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* desiredFeatures = nullptr;  // addition
  asn::sequenceOf<H225::genericData, 0u, 0u, 1>* supportedFeatures = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* parallelH245Control = nullptr;  // addition
  asn::sequenceOf<H225::extendedAliasAddress, 0u, 0u, 1>* additionalSourceAddresses = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 0 extension.
class extendedAliasAddress : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  extendedAliasAddress() : asn::sequence(&descriptor) {}
  extendedAliasAddress(const extendedAliasAddress& other);
  extendedAliasAddress& operator=(const extendedAliasAddress& other);
  ~extendedAliasAddress() override;
  static asn::object* create();

  H225::aliasAddress address;
  H225::presentationIndicator* presentationIndicator = nullptr;  // OPTIONAL
  H225::screeningIndicator* screeningIndicator = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 9 extension.
class callProceeding_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  callProceeding_UUIE() : asn::sequence(&descriptor) {}
  callProceeding_UUIE(const callProceeding_UUIE& other);
  callProceeding_UUIE& operator=(const callProceeding_UUIE& other);
  ~callProceeding_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::endpointType destinationInfo;
  H225::transportAddress* h245Address = nullptr;  // OPTIONAL
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  H225::h245Security* h245SecurityMode = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  asn::null* fastConnectRefused = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 15 extension.
class connect_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  connect_UUIE() : asn::sequence(&descriptor) {}
  connect_UUIE(const connect_UUIE& other);
  connect_UUIE& operator=(const connect_UUIE& other);
  ~connect_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::transportAddress* h245Address = nullptr;  // OPTIONAL
  H225::endpointType destinationInfo;
  asn::octetString<16u, 16u, 1> conferenceID;
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  H225::h245Security* h245SecurityMode = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  asn::sequenceOf<asn::IA5String<1u, 32u, 1, asn::constrainedString::IA5Set, 128u>, 0u, 0u, 1>* language = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* connectedAddress = nullptr;  // addition
  H225::presentationIndicator* presentationIndicator = nullptr;  // addition
  H225::screeningIndicator* screeningIndicator = nullptr;  // addition
  asn::null* fastConnectRefused = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 14 extension.
class alerting_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  alerting_UUIE() : asn::sequence(&descriptor) {}
  alerting_UUIE(const alerting_UUIE& other);
  alerting_UUIE& operator=(const alerting_UUIE& other);
  ~alerting_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::endpointType destinationInfo;
  H225::transportAddress* h245Address = nullptr;  // OPTIONAL
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  H225::h245Security* h245SecurityMode = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* alertingAddress = nullptr;  // addition
  H225::presentationIndicator* presentationIndicator = nullptr;  // addition
  H225::screeningIndicator* screeningIndicator = nullptr;  // addition
  asn::null* fastConnectRefused = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 6 extension.
class information_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  information_UUIE() : asn::sequence(&descriptor) {}
  information_UUIE(const information_UUIE& other);
  information_UUIE& operator=(const information_UUIE& other);
  ~information_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // addition
  asn::null* fastConnectRefused = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 9 extension.
class releaseComplete_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  releaseComplete_UUIE() : asn::sequence(&descriptor) {}
  releaseComplete_UUIE(const releaseComplete_UUIE& other);
  releaseComplete_UUIE& operator=(const releaseComplete_UUIE& other);
  ~releaseComplete_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::releaseCompleteReason* reason = nullptr;  // OPTIONAL
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* busyAddress = nullptr;  // addition
  H225::presentationIndicator* presentationIndicator = nullptr;  // addition
  H225::screeningIndicator* screeningIndicator = nullptr;  // addition
  H225::callCapacity* capacity = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
};

// CHOICE, extensible; 4 root, 7 extension.
class facilityReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  facilityReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 5 root, 16 extension.
class facility_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  facility_UUIE() : asn::sequence(&descriptor) {}
  facility_UUIE(const facility_UUIE& other);
  facility_UUIE& operator=(const facility_UUIE& other);
  ~facility_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::transportAddress* alternativeAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* alternativeAliasAddress = nullptr;  // OPTIONAL
  asn::octetString<16u, 16u, 1>* conferenceID = nullptr;  // OPTIONAL
  H225::facilityReason reason;
  H225::callIdentifier* callIdentifier = nullptr;  // addition
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>* destExtraCallInfo = nullptr;  // addition
  H225::aliasAddress* remoteExtensionAddress = nullptr;  // addition
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // addition
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // addition
  asn::sequenceOf<H225::conferenceList, 0u, 0u, 1>* conferences = nullptr;  // addition
  H225::transportAddress* h245Address = nullptr;  // addition
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // addition
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  asn::null* fastConnectRefused = nullptr;  // addition
  asn::sequenceOf<H225::serviceControlSession, 0u, 0u, 1>* serviceControl = nullptr;  // addition
  H225::circuitInfo* circuitInfo = nullptr;  // addition
  H225::featureSet* featureSet = nullptr;  // addition
  H225::endpointType* destinationInfo = nullptr;  // addition
  H225::h245Security* h245SecurityMode = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 0 extension.
class conferenceList : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  conferenceList() : asn::sequence(&descriptor) {}
  conferenceList(const conferenceList& other);
  conferenceList& operator=(const conferenceList& other);
  ~conferenceList() override;
  static asn::object* create();

  asn::octetString<16u, 16u, 1>* conferenceID = nullptr;  // OPTIONAL
  H225::aliasAddress* conferenceAlias = nullptr;  // OPTIONAL
  H225::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 8 root, 3 extension.
class progress_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  progress_UUIE() : asn::sequence(&descriptor) {}
  progress_UUIE(const progress_UUIE& other);
  progress_UUIE& operator=(const progress_UUIE& other);
  ~progress_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::endpointType destinationInfo;
  H225::transportAddress* h245Address = nullptr;  // OPTIONAL
  H225::callIdentifier callIdentifier;
  H225::h245Security* h245SecurityMode = nullptr;  // OPTIONAL
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
  asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>* fastStart = nullptr;  // OPTIONAL
  asn::booltype* multipleCalls = nullptr;  // addition
  asn::booltype* maintainConnection = nullptr;  // addition
  asn::null* fastConnectRefused = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 0 extension.
class status_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  status_UUIE() : asn::sequence(&descriptor) {}
  status_UUIE(const status_UUIE& other);
  status_UUIE& operator=(const status_UUIE& other);
  ~status_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::callIdentifier callIdentifier;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 4 root, 0 extension.
class statusInquiry_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  statusInquiry_UUIE() : asn::sequence(&descriptor) {}
  statusInquiry_UUIE(const statusInquiry_UUIE& other);
  statusInquiry_UUIE& operator=(const statusInquiry_UUIE& other);
  ~statusInquiry_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::callIdentifier callIdentifier;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 4 root, 0 extension.
class setupAcknowledge_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  setupAcknowledge_UUIE() : asn::sequence(&descriptor) {}
  setupAcknowledge_UUIE(const setupAcknowledge_UUIE& other);
  setupAcknowledge_UUIE& operator=(const setupAcknowledge_UUIE& other);
  ~setupAcknowledge_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::callIdentifier callIdentifier;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 4 root, 0 extension.
class notify_UUIE : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  notify_UUIE() : asn::sequence(&descriptor) {}
  notify_UUIE(const notify_UUIE& other);
  notify_UUIE& operator=(const notify_UUIE& other);
  ~notify_UUIE() override;
  static asn::object* create();

  asn::oid protocolIdentifier;
  H225::callIdentifier callIdentifier;
  asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* tokens = nullptr;  // OPTIONAL
  asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* cryptoTokens = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 4 root, 0 extension.
class h245Security : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  h245Security() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 3 root, 0 extension.
class securityServiceMode : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  securityServiceMode() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class securityCapabilities : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  securityCapabilities() : asn::sequence(&descriptor) {}
  securityCapabilities(const securityCapabilities& other);
  securityCapabilities& operator=(const securityCapabilities& other);
  ~securityCapabilities() override;
  static asn::object* create();

  H225::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
  H225::securityServiceMode encryption;
  H225::securityServiceMode authenticaton;
  H225::securityServiceMode integrity;
};

// CHOICE, extensible; 3 root, 0 extension.
class presentationIndicator : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  presentationIndicator() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// ENUMERATED, extensible; 4 root, 0 extension.
class screeningIndicator : public asn::enumerated {
public:
  static const asn::enumeratedDescriptor descriptor;

  screeningIndicator() : asn::enumerated(&descriptor) {}
  static asn::object* create();
};

}  // namespace H225
