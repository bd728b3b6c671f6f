// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#pragma once

#include <asn/asn.h>

namespace H245 {

// "#*,0123456789" (13 characters)
extern const char PermitedAlphabet0[];
// "!#*0123456789ABCD" (17 characters)
extern const char PermitedAlphabet1[];

class multimediaSystemControlMessage;
class requestMessage;
class responseMessage;
class commandMessage;
class indicationMessage;
class capabilityIdentifier;
class genericMessage;
class genericInformation;
class nonStandardIdentifier;
class nonStandardParameter;
class nonStandardMessage;
class masterSlaveDetermination;
class masterSlaveDeterminationAck;
class masterSlaveDeterminationReject;
class masterSlaveDeterminationRelease;
class terminalCapabilitySet;
class capabilityTableEntry;
class capabilityDescriptor;
class terminalCapabilitySetAck;
class terminalCapabilitySetReject;
class terminalCapabilitySetRelease;
class capability;
class encryptionAuthenticationAndIntegrity;
class h235SecurityCapability;
class multiplexCapability;
class q2931Address;
class vCCapability;
class h222Capability;
class h223Capability;
class h223AnnexCCapability;
class v75Capability;
class v76Capability;
class mediaPacketizationCapability;
class mediaDistributionCapability;
class multipointCapability;
class h2250Capability;
class rSVPParameters;
class qOSMode;
class aTMParameters;
class servicePriorityValue;
class servicePriority;
class authorizationParameters;
class qOSType;
class qOSClass;
class qOSDescriptor;
class genericTransportParameters;
class qOSCapability;
class mediaTransportType;
class mediaChannelCapability;
class transportCapability;
class redundancyEncodingMethod;
class redundancyEncodingCapability;
class rTPH263VideoRedundancyEncoding;
class rTPH263VideoRedundancyFrameMapping;
class videoCapability;
class extendedVideoCapability;
class h261VideoCapability;
class h262VideoCapability;
class h263VideoCapability;
class enhancementLayerInfo;
class enhancementOptions;
class bEnhancementParameters;
class h263Options;
class transparencyParameters;
class refPictureSelection;
class customPictureClockFrequency;
class customPictureFormat;
class h263ModeComboFlags;
class h263VideoModeCombos;
class h263Version3Options;
class iS11172VideoCapability;
class audioCapability;
class g729Extensions;
class g7231AnnexCCapability;
class iS11172AudioCapability;
class iS13818AudioCapability;
class gSMAudioCapability;
class vBDCapability;
class dataProtocolCapability;
class t38FaxProfile;
class t84Profile;
class dataApplicationCapability;
class compressionType;
class v42bis;
class t38FaxRateManagement;
class t38FaxUdpOptions;
class t38FaxTcpOptions;
class mediaEncryptionAlgorithm;
class authenticationCapability;
class integrityCapability;
class userInputCapability;
class conferenceCapability;
class genericCapability;
class parameterIdentifier;
class parameterValue;
class genericParameter;
class multiplexFormat;
class multiplexedStreamCapability;
class audioTelephonyEventCapability;
class audioToneCapability;
class noPTAudioTelephonyEventCapability;
class noPTAudioToneCapability;
class multiplePayloadStreamCapability;
class depFECCapability;
class fECCapability;
class dataType;
class openLogicalChannel;
class networkAccessParameters;
class v75Parameters;
class h235Media;
class multiplexedStreamParameter;
class h222LogicalChannelParameters;
class h223LogicalChannelParameters;
class h223AL1MParameters;
class h223AL2MParameters;
class h223AL3MParameters;
class h223AnnexCArqParameters;
class cRCLength;
class v76HDLCParameters;
class v76LogicalChannelParameters;
class h2250LogicalChannelParameters;
class rTPPayloadType;
class redundancyEncoding;
class redundancyEncodingElement;
class multiplePayloadStreamElement;
class multiplePayloadStream;
class depFECData;
class fECData;
class transportAddress;
class unicastAddress;
class multicastAddress;
class encryptionSync;
class escrowData;
class openLogicalChannelAck;
class openLogicalChannelReject;
class openLogicalChannelConfirm;
class h2250LogicalChannelAckParameters;
class closeLogicalChannel;
class closeLogicalChannelAck;
class requestChannelClose;
class requestChannelCloseAck;
class requestChannelCloseReject;
class requestChannelCloseRelease;
class multiplexEntryDescriptor;
class multiplexEntrySend;
class multiplexElement;
class multiplexEntrySendAck;
class multiplexEntryRejectionDescriptions;
class multiplexEntrySendReject;
class multiplexEntrySendRelease;
class requestMultiplexEntry;
class requestMultiplexEntryAck;
class requestMultiplexEntryRejectionDescriptions;
class requestMultiplexEntryReject;
class requestMultiplexEntryRelease;
class modeElementType;
class modeElement;
class requestMode;
class requestModeAck;
class requestModeReject;
class requestModeRelease;
class h235Mode;
class multiplexedStreamModeParameters;
class redundancyEncodingDTModeElement;
class redundancyEncodingDTMode;
class multiplePayloadStreamElementMode;
class multiplePayloadStreamMode;
class depFECMode;
class fECMode;
class h223ModeParameters;
class v76ModeParameters;
class h2250ModeParameters;
class redundancyEncodingMode;
class videoMode;
class h261VideoMode;
class h262VideoMode;
class h263VideoMode;
class iS11172VideoMode;
class audioMode;
class iS11172AudioMode;
class iS13818AudioMode;
class g7231AnnexCMode;
class vBDMode;
class dataMode;
class encryptionMode;
class roundTripDelayRequest;
class roundTripDelayResponse;
class maintenanceLoopRequest;
class maintenanceLoopAck;
class maintenanceLoopReject;
class maintenanceLoopOffCommand;
class communicationModeTableEntry;
class communicationModeCommand;
class communicationModeRequest;
class communicationModeResponse;
class conferenceRequest;
class criteria;
class terminalLabel;
class conferenceResponse;
class terminalInformation;
class requestAllTerminalIDsResponse;
class remoteMCRequest;
class remoteMCResponse;
class connectionIdentifier;
class dialingInformation;
class multilinkRequest;
class multilinkResponse;
class multilinkIndication;
class dialingInformationNetworkType;
class dialingInformationNumber;
class logicalChannelRateRequest;
class logicalChannelRateAcknowledge;
class logicalChannelRateRejectReason;
class logicalChannelRateReject;
class logicalChannelRateRelease;
class sendTerminalCapabilitySet;
class encryptionCommand;
class flowControlCommand;
class endSessionCommand;
class conferenceCommand;
class substituteConferenceIDCommand;
class encryptionUpdateDirection;
class pictureReference;
class miscellaneousCommand;
class keyProtectionMethod;
class encryptionUpdateRequest;
class h223MultiplexReconfiguration;
class newATMVCCommand;
class mobileMultilinkReconfigurationCommand;
class functionNotUnderstood;
class functionNotSupported;
class conferenceIndication;
class terminalYouAreSeeingInSubPictureNumber;
class videoIndicateCompose;
class miscellaneousIndication;
class jitterIndication;
class h223SkewIndication;
class h2250MaximumSkewIndication;
class mCLocationIndication;
class vendorIdentification;
class newATMVCIndication;
class params;
class userInputIndication;
class flowControlIndication;
class mobileMultilinkReconfigurationIndication;

// CHOICE, extensible; 4 root, 0 extension.
class multimediaSystemControlMessage : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  multimediaSystemControlMessage() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 11 root, 5 extension.
class requestMessage : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  requestMessage() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 19 root, 6 extension.
class responseMessage : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  responseMessage() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 7 root, 6 extension.
class commandMessage : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  commandMessage() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 14 root, 10 extension.
class indicationMessage : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  indicationMessage() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 4 root, 0 extension.
class capabilityIdentifier : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  capabilityIdentifier() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class genericMessage : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  genericMessage() : asn::sequence(&descriptor) {}
  genericMessage(const genericMessage& other);
  genericMessage& operator=(const genericMessage& other);
  ~genericMessage() override;
  static asn::object* create();

  H245::capabilityIdentifier messageIdentifier;
  asn::integer<0u, 127u, 1>* subMessageIdentifier = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::genericParameter, 0u, 0u, 1>* messageContent = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class genericInformation : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  genericInformation() : asn::sequence(&descriptor) {}
  genericInformation(const genericInformation& other);
  genericInformation& operator=(const genericInformation& other);
  ~genericInformation() override;
  static asn::object* create();

  H245::capabilityIdentifier messageIdentifier;
  asn::integer<0u, 127u, 1>* subMessageIdentifier = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::genericParameter, 0u, 0u, 1>* messageContent = nullptr;  // OPTIONAL
};

// CHOICE, not extensible; 2 root, 0 extension.
class nonStandardIdentifier : public asn::choice {
public:
  // SEQUENCE, not extensible; 3 root, 0 extension.
  class h221NonStandard_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    h221NonStandard_sequence() : asn::sequence(&descriptor) {}
    h221NonStandard_sequence(const h221NonStandard_sequence& other);
    h221NonStandard_sequence& operator=(const h221NonStandard_sequence& other);
    ~h221NonStandard_sequence() override;
    static asn::object* create();

    asn::integer<0u, 255u, 1> t35CountryCode;
    asn::integer<0u, 255u, 1> t35Extension;
    asn::integer<0u, 65535u, 1> manufacturerCode;
  };

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

  H245::nonStandardIdentifier nonStandardIdentifier;
  asn::octetString<0u, 0u, 1> data;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class nonStandardMessage : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  nonStandardMessage() : asn::sequence(&descriptor) {}
  nonStandardMessage(const nonStandardMessage& other);
  nonStandardMessage& operator=(const nonStandardMessage& other);
  ~nonStandardMessage() override;
  static asn::object* create();

  H245::nonStandardParameter nonStandardData;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class masterSlaveDetermination : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  masterSlaveDetermination() : asn::sequence(&descriptor) {}
  masterSlaveDetermination(const masterSlaveDetermination& other);
  masterSlaveDetermination& operator=(const masterSlaveDetermination& other);
  ~masterSlaveDetermination() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> terminalType;
  asn::integer<0u, 16777215u, 1> statusDeterminationNumber;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class masterSlaveDeterminationAck : public asn::sequence {
public:
  // CHOICE, not extensible; 2 root, 0 extension.
  class decision_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    decision_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  masterSlaveDeterminationAck() : asn::sequence(&descriptor) {}
  masterSlaveDeterminationAck(const masterSlaveDeterminationAck& other);
  masterSlaveDeterminationAck& operator=(const masterSlaveDeterminationAck& other);
  ~masterSlaveDeterminationAck() override;
  static asn::object* create();

  H245::masterSlaveDeterminationAck::decision_choice decision;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class masterSlaveDeterminationReject : public asn::sequence {
public:
  // CHOICE, extensible; 1 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  masterSlaveDeterminationReject() : asn::sequence(&descriptor) {}
  masterSlaveDeterminationReject(const masterSlaveDeterminationReject& other);
  masterSlaveDeterminationReject& operator=(const masterSlaveDeterminationReject& other);
  ~masterSlaveDeterminationReject() override;
  static asn::object* create();

  H245::masterSlaveDeterminationReject::cause_choice cause;
};

// SEQUENCE, extensible; 0 root, 0 extension.
class masterSlaveDeterminationRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  masterSlaveDeterminationRelease() : asn::sequence(&descriptor) {}
  masterSlaveDeterminationRelease(const masterSlaveDeterminationRelease& other);
  masterSlaveDeterminationRelease& operator=(const masterSlaveDeterminationRelease& other);
  ~masterSlaveDeterminationRelease() override;
  static asn::object* create();

};

// SEQUENCE, extensible; 5 root, 1 extension.
class terminalCapabilitySet : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalCapabilitySet() : asn::sequence(&descriptor) {}
  terminalCapabilitySet(const terminalCapabilitySet& other);
  terminalCapabilitySet& operator=(const terminalCapabilitySet& other);
  ~terminalCapabilitySet() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::oid protocolIdentifier;
  H245::multiplexCapability* multiplexCapability = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::capabilityTableEntry, 1u, 256u, 1>* capabilityTable = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::capabilityDescriptor, 1u, 256u, 1>* capabilityDescriptors = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class capabilityTableEntry : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  capabilityTableEntry() : asn::sequence(&descriptor) {}
  capabilityTableEntry(const capabilityTableEntry& other);
  capabilityTableEntry& operator=(const capabilityTableEntry& other);
  ~capabilityTableEntry() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> capabilityTableEntryNumber;
  H245::capability* capability = nullptr;  // OPTIONAL
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class capabilityDescriptor : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  capabilityDescriptor() : asn::sequence(&descriptor) {}
  capabilityDescriptor(const capabilityDescriptor& other);
  capabilityDescriptor& operator=(const capabilityDescriptor& other);
  ~capabilityDescriptor() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> capabilityDescriptorNumber;
  asn::sequenceOf<asn::sequenceOf<asn::integer<1u, 65535u, 1>, 1u, 256u, 1>, 1u, 256u, 1>* simultaneousCapabilities = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 1 extension.
class terminalCapabilitySetAck : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalCapabilitySetAck() : asn::sequence(&descriptor) {}
  terminalCapabilitySetAck(const terminalCapabilitySetAck& other);
  terminalCapabilitySetAck& operator=(const terminalCapabilitySetAck& other);
  ~terminalCapabilitySetAck() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 1 extension.
class terminalCapabilitySetReject : public asn::sequence {
public:
  // CHOICE, extensible; 4 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    // CHOICE, not extensible; 2 root, 0 extension.
    class tableEntryCapacityExceeded_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      tableEntryCapacityExceeded_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  terminalCapabilitySetReject() : asn::sequence(&descriptor) {}
  terminalCapabilitySetReject(const terminalCapabilitySetReject& other);
  terminalCapabilitySetReject& operator=(const terminalCapabilitySetReject& other);
  ~terminalCapabilitySetReject() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  H245::terminalCapabilitySetReject::cause_choice cause;
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, extensible; 0 root, 1 extension.
class terminalCapabilitySetRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalCapabilitySetRelease() : asn::sequence(&descriptor) {}
  terminalCapabilitySetRelease(const terminalCapabilitySetRelease& other);
  terminalCapabilitySetRelease& operator=(const terminalCapabilitySetRelease& other);
  ~terminalCapabilitySetRelease() override;
  static asn::object* create();

  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// CHOICE, extensible; 12 root, 17 extension.
class capability : public asn::choice {
public:
  // SEQUENCE, extensible; 1 root, 0 extension.
  class h233EncryptionReceiveCapability_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    h233EncryptionReceiveCapability_sequence() : asn::sequence(&descriptor) {}
    h233EncryptionReceiveCapability_sequence(const h233EncryptionReceiveCapability_sequence& other);
    h233EncryptionReceiveCapability_sequence& operator=(const h233EncryptionReceiveCapability_sequence& other);
    ~h233EncryptionReceiveCapability_sequence() override;
    static asn::object* create();

    asn::integer<0u, 255u, 1> h233IVResponseTime;
  };

  static const asn::choiceDescriptor descriptor;

  capability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 1 extension.
class encryptionAuthenticationAndIntegrity : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  encryptionAuthenticationAndIntegrity() : asn::sequence(&descriptor) {}
  encryptionAuthenticationAndIntegrity(const encryptionAuthenticationAndIntegrity& other);
  encryptionAuthenticationAndIntegrity& operator=(const encryptionAuthenticationAndIntegrity& other);
  ~encryptionAuthenticationAndIntegrity() override;
  static asn::object* create();

  asn::sequenceOf<H245::mediaEncryptionAlgorithm, 1u, 256u, 1>* encryptionCapability = nullptr;  // OPTIONAL
  H245::authenticationCapability* authenticationCapability = nullptr;  // OPTIONAL
  H245::integrityCapability* integrityCapability = nullptr;  // OPTIONAL
  H245::genericCapability* genericH235SecurityCapability = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h235SecurityCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h235SecurityCapability() : asn::sequence(&descriptor) {}
  h235SecurityCapability(const h235SecurityCapability& other);
  h235SecurityCapability& operator=(const h235SecurityCapability& other);
  ~h235SecurityCapability() override;
  static asn::object* create();

  H245::encryptionAuthenticationAndIntegrity encryptionAuthenticationAndIntegrity;
  asn::integer<1u, 65535u, 1> mediaCapability;
};

// CHOICE, extensible; 4 root, 2 extension.
class multiplexCapability : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  multiplexCapability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class q2931Address : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class address_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    address_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  q2931Address() : asn::sequence(&descriptor) {}
  q2931Address(const q2931Address& other);
  q2931Address& operator=(const q2931Address& other);
  ~q2931Address() override;
  static asn::object* create();

  H245::q2931Address::address_choice address;
  asn::octetString<1u, 20u, 1>* subaddress = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 5 root, 1 extension.
class vCCapability : public asn::sequence {
public:
  // SEQUENCE, extensible; 9 root, 0 extension.
  class aal1_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    aal1_sequence() : asn::sequence(&descriptor) {}
    aal1_sequence(const aal1_sequence& other);
    aal1_sequence& operator=(const aal1_sequence& other);
    ~aal1_sequence() override;
    static asn::object* create();

    asn::booltype nullClockRecovery;
    asn::booltype srtsClockRecovery;
    asn::booltype adaptiveClockRecovery;
    asn::booltype nullErrorCorrection;
    asn::booltype longInterleaver;
    asn::booltype shortInterleaver;
    asn::booltype errorCorrectionOnly;
    asn::booltype structuredDataTransfer;
    asn::booltype partiallyFilledCells;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class aal5_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    aal5_sequence() : asn::sequence(&descriptor) {}
    aal5_sequence(const aal5_sequence& other);
    aal5_sequence& operator=(const aal5_sequence& other);
    ~aal5_sequence() override;
    static asn::object* create();

    asn::integer<0u, 65535u, 1> forwardMaximumSDUSize;
    asn::integer<0u, 65535u, 1> backwardMaximumSDUSize;
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class availableBitRates_sequence : public asn::sequence {
  public:
    // CHOICE, not extensible; 2 root, 0 extension.
    class type_choice : public asn::choice {
    public:
      // SEQUENCE, not extensible; 2 root, 0 extension.
      class rangeOfBitRates_sequence : public asn::sequence {
      public:
        static const asn::sequenceDescriptor descriptor;

        rangeOfBitRates_sequence() : asn::sequence(&descriptor) {}
        rangeOfBitRates_sequence(const rangeOfBitRates_sequence& other);
        rangeOfBitRates_sequence& operator=(const rangeOfBitRates_sequence& other);
        ~rangeOfBitRates_sequence() override;
        static asn::object* create();

        asn::integer<1u, 65535u, 1> lowerBitRate;
        asn::integer<1u, 65535u, 1> higherBitRate;
      };

      static const asn::choiceDescriptor descriptor;

      type_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    availableBitRates_sequence() : asn::sequence(&descriptor) {}
    availableBitRates_sequence(const availableBitRates_sequence& other);
    availableBitRates_sequence& operator=(const availableBitRates_sequence& other);
    ~availableBitRates_sequence() override;
    static asn::object* create();

    H245::vCCapability::availableBitRates_sequence::type_choice type;
  };

  // SEQUENCE, extensible; 10 root, 0 extension.
  class aal1ViaGateway_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    aal1ViaGateway_sequence() : asn::sequence(&descriptor) {}
    aal1ViaGateway_sequence(const aal1ViaGateway_sequence& other);
    aal1ViaGateway_sequence& operator=(const aal1ViaGateway_sequence& other);
    ~aal1ViaGateway_sequence() override;
    static asn::object* create();

    asn::sequenceOf<H245::q2931Address, 1u, 256u, 1> gatewayAddress;
    asn::booltype nullClockRecovery;
    asn::booltype srtsClockRecovery;
    asn::booltype adaptiveClockRecovery;
    asn::booltype nullErrorCorrection;
    asn::booltype longInterleaver;
    asn::booltype shortInterleaver;
    asn::booltype errorCorrectionOnly;
    asn::booltype structuredDataTransfer;
    asn::booltype partiallyFilledCells;
  };

  static const asn::sequenceDescriptor descriptor;

  vCCapability() : asn::sequence(&descriptor) {}
  vCCapability(const vCCapability& other);
  vCCapability& operator=(const vCCapability& other);
  ~vCCapability() override;
  static asn::object* create();

  H245::vCCapability::aal1_sequence* aal1 = nullptr;  // OPTIONAL
  H245::vCCapability::aal5_sequence* aal5 = nullptr;  // OPTIONAL
  asn::booltype transportStream;
  asn::booltype programStream;
  H245::vCCapability::availableBitRates_sequence availableBitRates;
  H245::vCCapability::aal1ViaGateway_sequence* aal1ViaGateway = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h222Capability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h222Capability() : asn::sequence(&descriptor) {}
  h222Capability(const h222Capability& other);
  h222Capability& operator=(const h222Capability& other);
  ~h222Capability() override;
  static asn::object* create();

  asn::integer<1u, 256u, 1> numberOfVCs;
  asn::sequenceOf<H245::vCCapability, 0u, 0u, 1> vcCapability;
};

// SEQUENCE, extensible; 14 root, 6 extension.
class h223Capability : public asn::sequence {
public:
  // CHOICE, not extensible; 2 root, 0 extension.
  class h223MultiplexTableCapability_choice : public asn::choice {
  public:
    // SEQUENCE, extensible; 3 root, 0 extension.
    class enhanced_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      enhanced_sequence() : asn::sequence(&descriptor) {}
      enhanced_sequence(const enhanced_sequence& other);
      enhanced_sequence& operator=(const enhanced_sequence& other);
      ~enhanced_sequence() override;
      static asn::object* create();

      asn::integer<1u, 15u, 1> maximumNestingDepth;
      asn::integer<2u, 255u, 1> maximumElementListSize;
      asn::integer<2u, 255u, 1> maximumSubElementListSize;
    };

    static const asn::choiceDescriptor descriptor;

    h223MultiplexTableCapability_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 5 root, 0 extension.
  class mobileOperationTransmitCapability_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    mobileOperationTransmitCapability_sequence() : asn::sequence(&descriptor) {}
    mobileOperationTransmitCapability_sequence(const mobileOperationTransmitCapability_sequence& other);
    mobileOperationTransmitCapability_sequence& operator=(const mobileOperationTransmitCapability_sequence& other);
    ~mobileOperationTransmitCapability_sequence() override;
    static asn::object* create();

    asn::booltype modeChangeCapability;
    asn::booltype h223AnnexA;
    asn::booltype h223AnnexADoubleFlag;
    asn::booltype h223AnnexB;
    asn::booltype h223AnnexBwithHeader;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class mobileMultilinkFrameCapability_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    mobileMultilinkFrameCapability_sequence() : asn::sequence(&descriptor) {}
    mobileMultilinkFrameCapability_sequence(const mobileMultilinkFrameCapability_sequence& other);
    mobileMultilinkFrameCapability_sequence& operator=(const mobileMultilinkFrameCapability_sequence& other);
    ~mobileMultilinkFrameCapability_sequence() override;
    static asn::object* create();

    asn::integer<1u, 255u, 1> maximumSampleSize;
    asn::integer<1u, 65025u, 1> maximumPayloadLength;
  };

  static const asn::sequenceDescriptor descriptor;

  h223Capability() : asn::sequence(&descriptor) {}
  h223Capability(const h223Capability& other);
  h223Capability& operator=(const h223Capability& other);
  ~h223Capability() override;
  static asn::object* create();

  asn::booltype transportWithI_frames;
  asn::booltype videoWithAL1;
  asn::booltype videoWithAL2;
  asn::booltype videoWithAL3;
  asn::booltype audioWithAL1;
  asn::booltype audioWithAL2;
  asn::booltype audioWithAL3;
  asn::booltype dataWithAL1;
  asn::booltype dataWithAL2;
  asn::booltype dataWithAL3;
  asn::integer<0u, 65535u, 1> maximumAl2SDUSize;
  asn::integer<0u, 65535u, 1> maximumAl3SDUSize;
  asn::integer<0u, 1023u, 1> maximumDelayJitter;
  H245::h223Capability::h223MultiplexTableCapability_choice h223MultiplexTableCapability;
  asn::booltype* maxMUXPDUSizeCapability = nullptr;  // addition
  asn::booltype* nsrpSupport = nullptr;  // addition
  H245::h223Capability::mobileOperationTransmitCapability_sequence* mobileOperationTransmitCapability = nullptr;  // addition
  H245::h223AnnexCCapability* h223AnnexCCapability = nullptr;  // addition
  asn::integer<1u, 19200u, 1>* bitRate = nullptr;  // addition
  H245::h223Capability::mobileMultilinkFrameCapability_sequence* mobileMultilinkFrameCapability = nullptr;  // addition
};

// SEQUENCE, extensible; 13 root, 1 extension.
class h223AnnexCCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h223AnnexCCapability() : asn::sequence(&descriptor) {}
  h223AnnexCCapability(const h223AnnexCCapability& other);
  h223AnnexCCapability& operator=(const h223AnnexCCapability& other);
  ~h223AnnexCCapability() override;
  static asn::object* create();

  asn::booltype videoWithAL1M;
  asn::booltype videoWithAL2M;
  asn::booltype videoWithAL3M;
  asn::booltype audioWithAL1M;
  asn::booltype audioWithAL2M;
  asn::booltype audioWithAL3M;
  asn::booltype dataWithAL1M;
  asn::booltype dataWithAL2M;
  asn::booltype dataWithAL3M;
  asn::booltype alpduInterleaving;
  asn::integer<0u, 65535u, 1> maximumAL1MPDUSize;
  asn::integer<0u, 65535u, 1> maximumAL2MSDUSize;
  asn::integer<0u, 65535u, 1> maximumAL3MSDUSize;
  asn::booltype* rsCodeCapability = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class v75Capability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  v75Capability() : asn::sequence(&descriptor) {}
  v75Capability(const v75Capability& other);
  v75Capability& operator=(const v75Capability& other);
  ~v75Capability() override;
  static asn::object* create();

  asn::booltype audioHeader;
};

// SEQUENCE, extensible; 15 root, 0 extension.
class v76Capability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  v76Capability() : asn::sequence(&descriptor) {}
  v76Capability(const v76Capability& other);
  v76Capability& operator=(const v76Capability& other);
  ~v76Capability() override;
  static asn::object* create();

  asn::booltype suspendResumeCapabilitywAddress;
  asn::booltype suspendResumeCapabilitywoAddress;
  asn::booltype rejCapability;
  asn::booltype sREJCapability;
  asn::booltype mREJCapability;
  asn::booltype crc8bitCapability;
  asn::booltype crc16bitCapability;
  asn::booltype crc32bitCapability;
  asn::booltype uihCapability;
  asn::integer<2u, 8191u, 1> numOfDLCS;
  asn::booltype twoOctetAddressFieldCapability;
  asn::booltype loopBackTestCapability;
  asn::integer<1u, 4095u, 1> n401Capability;
  asn::integer<1u, 127u, 1> maxWindowSizeCapability;
  H245::v75Capability v75Capability;
};

// SEQUENCE, extensible; 1 root, 1 extension.
class mediaPacketizationCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  mediaPacketizationCapability() : asn::sequence(&descriptor) {}
  mediaPacketizationCapability(const mediaPacketizationCapability& other);
  mediaPacketizationCapability& operator=(const mediaPacketizationCapability& other);
  ~mediaPacketizationCapability() override;
  static asn::object* create();

  asn::booltype h261aVideoPacketization;
  asn::sequenceOf<H245::rTPPayloadType, 1u, 256u, 1>* rtpPayloadType = nullptr;  // addition
};

// SEQUENCE, extensible; 8 root, 0 extension.
class mediaDistributionCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  mediaDistributionCapability() : asn::sequence(&descriptor) {}
  mediaDistributionCapability(const mediaDistributionCapability& other);
  mediaDistributionCapability& operator=(const mediaDistributionCapability& other);
  ~mediaDistributionCapability() override;
  static asn::object* create();

  asn::booltype centralizedControl;
  asn::booltype distributedControl;
  asn::booltype centralizedAudio;
  asn::booltype distributedAudio;
  asn::booltype centralizedVideo;
  asn::booltype distributedVideo;
  asn::sequenceOf<H245::dataApplicationCapability, 0u, 0u, 1>* centralizedData = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::dataApplicationCapability, 0u, 0u, 1>* distributedData = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class multipointCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multipointCapability() : asn::sequence(&descriptor) {}
  multipointCapability(const multipointCapability& other);
  multipointCapability& operator=(const multipointCapability& other);
  ~multipointCapability() override;
  static asn::object* create();

  asn::booltype multicastCapability;
  asn::booltype multiUniCastConference;
  asn::sequenceOf<H245::mediaDistributionCapability, 0u, 0u, 1> mediaDistributionCapability;
};

// SEQUENCE, extensible; 7 root, 4 extension.
class h2250Capability : public asn::sequence {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class mcCapability_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    mcCapability_sequence() : asn::sequence(&descriptor) {}
    mcCapability_sequence(const mcCapability_sequence& other);
    mcCapability_sequence& operator=(const mcCapability_sequence& other);
    ~mcCapability_sequence() override;
    static asn::object* create();

    asn::booltype centralizedConferenceMC;
    asn::booltype decentralizedConferenceMC;
  };

  static const asn::sequenceDescriptor descriptor;

  h2250Capability() : asn::sequence(&descriptor) {}
  h2250Capability(const h2250Capability& other);
  h2250Capability& operator=(const h2250Capability& other);
  ~h2250Capability() override;
  static asn::object* create();

  asn::integer<0u, 1023u, 1> maximumAudioDelayJitter;
  H245::multipointCapability receiveMultipointCapability;
  H245::multipointCapability transmitMultipointCapability;
  H245::multipointCapability receiveAndTransmitMultipointCapability;
  H245::h2250Capability::mcCapability_sequence mcCapability;
  asn::booltype rtcpVideoControlCapability;
  H245::mediaPacketizationCapability mediaPacketizationCapability;
  H245::transportCapability* transportCapability = nullptr;  // addition
  asn::sequenceOf<H245::redundancyEncodingCapability, 1u, 256u, 1>* redundancyEncodingCapability = nullptr;  // addition
  asn::booltype* logicalChannelSwitchingCapability = nullptr;  // addition
  asn::booltype* t120DynamicPortCapability = nullptr;  // addition
};

// SEQUENCE, extensible; 6 root, 0 extension.
class rSVPParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  rSVPParameters() : asn::sequence(&descriptor) {}
  rSVPParameters(const rSVPParameters& other);
  rSVPParameters& operator=(const rSVPParameters& other);
  ~rSVPParameters() override;
  static asn::object* create();

  H245::qOSMode* qosMode = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* tokenRate = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* bucketSize = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* peakRate = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* minPoliced = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* maxPktSize = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 2 root, 0 extension.
class qOSMode : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  qOSMode() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 6 root, 0 extension.
class aTMParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  aTMParameters() : asn::sequence(&descriptor) {}
  aTMParameters(const aTMParameters& other);
  aTMParameters& operator=(const aTMParameters& other);
  ~aTMParameters() override;
  static asn::object* create();

  asn::integer<0u, 65535u, 1> maxNTUSize;
  asn::booltype atmUBR;
  asn::booltype atmrtVBR;
  asn::booltype atmnrtVBR;
  asn::booltype atmABR;
  asn::booltype atmCBR;
};

// SEQUENCE, extensible; 1 root, 1 extension.
class servicePriorityValue : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  servicePriorityValue() : asn::sequence(&descriptor) {}
  servicePriorityValue(const servicePriorityValue& other);
  servicePriorityValue& operator=(const servicePriorityValue& other);
  ~servicePriorityValue() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandardParameter = nullptr;  // OPTIONAL
  asn::integer<0u, 255u, 1>* value = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 2 extension.
class servicePriority : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  servicePriority() : asn::sequence(&descriptor) {}
  servicePriority(const servicePriority& other);
  servicePriority& operator=(const servicePriority& other);
  ~servicePriority() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::booltype servicePrioritySignalled;
  H245::servicePriorityValue* servicePriorityValue = nullptr;  // OPTIONAL
  asn::integer<0u, 4095u, 1>* serviceClass = nullptr;  // addition
  asn::integer<0u, 255u, 1>* serviceSubclass = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class authorizationParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  authorizationParameters() : asn::sequence(&descriptor) {}
  authorizationParameters(const authorizationParameters& other);
  authorizationParameters& operator=(const authorizationParameters& other);
  ~authorizationParameters() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 2 root, 0 extension.
class qOSType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  qOSType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 6 root, 0 extension.
class qOSClass : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  qOSClass() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class qOSDescriptor : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  qOSDescriptor() : asn::sequence(&descriptor) {}
  qOSDescriptor(const qOSDescriptor& other);
  qOSDescriptor& operator=(const qOSDescriptor& other);
  ~qOSDescriptor() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H245::qOSType qosType;
  H245::qOSClass qosClass;
};

// SEQUENCE, extensible; 5 root, 0 extension.
class genericTransportParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  genericTransportParameters() : asn::sequence(&descriptor) {}
  genericTransportParameters(const genericTransportParameters& other);
  genericTransportParameters& operator=(const genericTransportParameters& other);
  ~genericTransportParameters() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* averageRate = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* burst = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* peakRate = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* maxPktSize = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 6 extension.
class qOSCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  qOSCapability() : asn::sequence(&descriptor) {}
  qOSCapability(const qOSCapability& other);
  qOSCapability& operator=(const qOSCapability& other);
  ~qOSCapability() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandardData = nullptr;  // OPTIONAL
  H245::rSVPParameters* rsvpParameters = nullptr;  // OPTIONAL
  H245::aTMParameters* atmParameters = nullptr;  // OPTIONAL
  asn::booltype* localQoS = nullptr;  // addition
  H245::genericTransportParameters* genericTransportParameters = nullptr;  // addition
  H245::servicePriority* servicePriority = nullptr;  // addition
  H245::authorizationParameters* authorizationParameter = nullptr;  // addition
  H245::qOSDescriptor* qosDescriptor = nullptr;  // addition
  asn::integer<0u, 63u, 1>* dscpValue = nullptr;  // addition
};

// CHOICE, extensible; 4 root, 1 extension.
class mediaTransportType : public asn::choice {
public:
  // SEQUENCE, extensible; 1 root, 0 extension.
  class atm_AAL5_compressed_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    atm_AAL5_compressed_sequence() : asn::sequence(&descriptor) {}
    atm_AAL5_compressed_sequence(const atm_AAL5_compressed_sequence& other);
    atm_AAL5_compressed_sequence& operator=(const atm_AAL5_compressed_sequence& other);
    ~atm_AAL5_compressed_sequence() override;
    static asn::object* create();

    asn::booltype variable_delta;
  };

  static const asn::choiceDescriptor descriptor;

  mediaTransportType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 1 root, 0 extension.
class mediaChannelCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  mediaChannelCapability() : asn::sequence(&descriptor) {}
  mediaChannelCapability(const mediaChannelCapability& other);
  mediaChannelCapability& operator=(const mediaChannelCapability& other);
  ~mediaChannelCapability() override;
  static asn::object* create();

  H245::mediaTransportType* mediaTransport = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class transportCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  transportCapability() : asn::sequence(&descriptor) {}
  transportCapability(const transportCapability& other);
  transportCapability& operator=(const transportCapability& other);
  ~transportCapability() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::qOSCapability, 1u, 256u, 1>* qOSCapabilities = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::mediaChannelCapability, 1u, 256u, 1>* mediaChannelCapabilities = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 2 root, 1 extension.
class redundancyEncodingMethod : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  redundancyEncodingMethod() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class redundancyEncodingCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  redundancyEncodingCapability() : asn::sequence(&descriptor) {}
  redundancyEncodingCapability(const redundancyEncodingCapability& other);
  redundancyEncodingCapability& operator=(const redundancyEncodingCapability& other);
  ~redundancyEncodingCapability() override;
  static asn::object* create();

  H245::redundancyEncodingMethod redundancyEncodingMethod;
  asn::integer<1u, 65535u, 1> primaryEncoding;
  asn::sequenceOf<asn::integer<1u, 65535u, 1>, 1u, 256u, 1>* secondaryEncoding = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 4 root, 0 extension.
class rTPH263VideoRedundancyEncoding : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class frameToThreadMapping_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    frameToThreadMapping_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  rTPH263VideoRedundancyEncoding() : asn::sequence(&descriptor) {}
  rTPH263VideoRedundancyEncoding(const rTPH263VideoRedundancyEncoding& other);
  rTPH263VideoRedundancyEncoding& operator=(const rTPH263VideoRedundancyEncoding& other);
  ~rTPH263VideoRedundancyEncoding() override;
  static asn::object* create();

  asn::integer<1u, 16u, 1> numberOfThreads;
  asn::integer<1u, 256u, 1> framesBetweenSyncPoints;
  H245::rTPH263VideoRedundancyEncoding::frameToThreadMapping_choice frameToThreadMapping;
  asn::sequenceOf<asn::integer<0u, 15u, 1>, 1u, 256u, 1>* containedThreads = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class rTPH263VideoRedundancyFrameMapping : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  rTPH263VideoRedundancyFrameMapping() : asn::sequence(&descriptor) {}
  rTPH263VideoRedundancyFrameMapping(const rTPH263VideoRedundancyFrameMapping& other);
  rTPH263VideoRedundancyFrameMapping& operator=(const rTPH263VideoRedundancyFrameMapping& other);
  ~rTPH263VideoRedundancyFrameMapping() override;
  static asn::object* create();

  asn::integer<0u, 15u, 1> threadNumber;
  asn::sequenceOf<asn::integer<0u, 255u, 1>, 1u, 256u, 1> frameSequence;
};

// CHOICE, extensible; 5 root, 2 extension.
class videoCapability : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  videoCapability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class extendedVideoCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  extendedVideoCapability() : asn::sequence(&descriptor) {}
  extendedVideoCapability(const extendedVideoCapability& other);
  extendedVideoCapability& operator=(const extendedVideoCapability& other);
  ~extendedVideoCapability() override;
  static asn::object* create();

  asn::sequenceOf<H245::videoCapability, 0u, 0u, 1> videoCapability;
  asn::sequenceOf<H245::genericCapability, 0u, 0u, 1>* videoCapabilityExtension = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 5 root, 1 extension.
class h261VideoCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h261VideoCapability() : asn::sequence(&descriptor) {}
  h261VideoCapability(const h261VideoCapability& other);
  h261VideoCapability& operator=(const h261VideoCapability& other);
  ~h261VideoCapability() override;
  static asn::object* create();

  asn::integer<1u, 4u, 1>* qcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 4u, 1>* cifMPI = nullptr;  // OPTIONAL
  asn::booltype temporalSpatialTradeOffCapability;
  asn::integer<1u, 19200u, 1> maxBitRate;
  asn::booltype stillImageTransmission;
  asn::booltype* videoBadMBsCap = nullptr;  // addition
};

// SEQUENCE, extensible; 17 root, 1 extension.
class h262VideoCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h262VideoCapability() : asn::sequence(&descriptor) {}
  h262VideoCapability(const h262VideoCapability& other);
  h262VideoCapability& operator=(const h262VideoCapability& other);
  ~h262VideoCapability() override;
  static asn::object* create();

  asn::booltype profileAndLevel_SPatML;
  asn::booltype profileAndLevel_MPatLL;
  asn::booltype profileAndLevel_MPatML;
  asn::booltype profileAndLevel_MPatH_14;
  asn::booltype profileAndLevel_MPatHL;
  asn::booltype profileAndLevel_SNRatLL;
  asn::booltype profileAndLevel_SNRatML;
  asn::booltype profileAndLevel_SpatialatH_14;
  asn::booltype profileAndLevel_HPatML;
  asn::booltype profileAndLevel_HPatH_14;
  asn::booltype profileAndLevel_HPatHL;
  asn::integer<0u, 1073741823u, 1>* videoBitRate = nullptr;  // OPTIONAL
  asn::integer<0u, 262143u, 1>* vbvBufferSize = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* samplesPerLine = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* linesPerFrame = nullptr;  // OPTIONAL
  asn::integer<0u, 15u, 1>* framesPerSecond = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1>* luminanceSampleRate = nullptr;  // OPTIONAL
  asn::booltype* videoBadMBsCap = nullptr;  // addition
};

// SEQUENCE, extensible; 13 root, 8 extension.
class h263VideoCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h263VideoCapability() : asn::sequence(&descriptor) {}
  h263VideoCapability(const h263VideoCapability& other);
  h263VideoCapability& operator=(const h263VideoCapability& other);
  ~h263VideoCapability() override;
  static asn::object* create();

  asn::integer<1u, 32u, 1>* sqcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* qcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* cifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* cif4MPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* cif16MPI = nullptr;  // OPTIONAL
  asn::integer<1u, 192400u, 1> maxBitRate;
  asn::booltype unrestrictedVector;
  asn::booltype arithmeticCoding;
  asn::booltype advancedPrediction;
  asn::booltype pbFrames;
  asn::booltype temporalSpatialTradeOffCapability;
  asn::integer<0u, 524287u, 1>* hrd_B = nullptr;  // OPTIONAL
  asn::integer<0u, 65535u, 1>* bppMaxKb = nullptr;  // OPTIONAL
  asn::integer<1u, 3600u, 1>* slowSqcifMPI = nullptr;  // addition
  asn::integer<1u, 3600u, 1>* slowQcifMPI = nullptr;  // addition
  asn::integer<1u, 3600u, 1>* slowCifMPI = nullptr;  // addition
  asn::integer<1u, 3600u, 1>* slowCif4MPI = nullptr;  // addition
  asn::integer<1u, 3600u, 1>* slowCif16MPI = nullptr;  // addition
  asn::booltype* errorCompensation = nullptr;  // addition
  H245::enhancementLayerInfo* enhancementLayerInfo = nullptr;  // addition
  H245::h263Options* h263Options = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 0 extension.
class enhancementLayerInfo : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  enhancementLayerInfo() : asn::sequence(&descriptor) {}
  enhancementLayerInfo(const enhancementLayerInfo& other);
  enhancementLayerInfo& operator=(const enhancementLayerInfo& other);
  ~enhancementLayerInfo() override;
  static asn::object* create();

  asn::booltype baseBitRateConstrained;
  asn::sequenceOf<H245::enhancementOptions, 1u, 14u, 1>* snrEnhancement = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::enhancementOptions, 1u, 14u, 1>* spatialEnhancement = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::bEnhancementParameters, 1u, 14u, 1>* bPictureEnhancement = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 16 root, 0 extension.
class enhancementOptions : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  enhancementOptions() : asn::sequence(&descriptor) {}
  enhancementOptions(const enhancementOptions& other);
  enhancementOptions& operator=(const enhancementOptions& other);
  ~enhancementOptions() override;
  static asn::object* create();

  asn::integer<1u, 32u, 1>* sqcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* qcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* cifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* cif4MPI = nullptr;  // OPTIONAL
  asn::integer<1u, 32u, 1>* cif16MPI = nullptr;  // OPTIONAL
  asn::integer<1u, 192400u, 1> maxBitRate;
  asn::booltype unrestrictedVector;
  asn::booltype arithmeticCoding;
  asn::booltype temporalSpatialTradeOffCapability;
  asn::integer<1u, 3600u, 1>* slowSqcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 3600u, 1>* slowQcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 3600u, 1>* slowCifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 3600u, 1>* slowCif4MPI = nullptr;  // OPTIONAL
  asn::integer<1u, 3600u, 1>* slowCif16MPI = nullptr;  // OPTIONAL
  asn::booltype errorCompensation;
  H245::h263Options* h263Options = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class bEnhancementParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  bEnhancementParameters() : asn::sequence(&descriptor) {}
  bEnhancementParameters(const bEnhancementParameters& other);
  bEnhancementParameters& operator=(const bEnhancementParameters& other);
  ~bEnhancementParameters() override;
  static asn::object* create();

  H245::enhancementOptions enhancementOptions;
  asn::integer<1u, 64u, 1> numberOfBPictures;
};

// SEQUENCE, extensible; 29 root, 2 extension.
class h263Options : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h263Options() : asn::sequence(&descriptor) {}
  h263Options(const h263Options& other);
  h263Options& operator=(const h263Options& other);
  ~h263Options() override;
  static asn::object* create();

  asn::booltype advancedIntraCodingMode;
  asn::booltype deblockingFilterMode;
  asn::booltype improvedPBFramesMode;
  asn::booltype unlimitedMotionVectors;
  asn::booltype fullPictureFreeze;
  asn::booltype partialPictureFreezeAndRelease;
  asn::booltype resizingPartPicFreezeAndRelease;
  asn::booltype fullPictureSnapshot;
  asn::booltype partialPictureSnapshot;
  asn::booltype videoSegmentTagging;
  asn::booltype progressiveRefinement;
  asn::booltype dynamicPictureResizingByFour;
  asn::booltype dynamicPictureResizingSixteenthPel;
  asn::booltype dynamicWarpingHalfPel;
  asn::booltype dynamicWarpingSixteenthPel;
  asn::booltype independentSegmentDecoding;
  asn::booltype slicesInOrder_NonRect;
  asn::booltype slicesInOrder_Rect;
  asn::booltype slicesNoOrder_NonRect;
  asn::booltype slicesNoOrder_Rect;
  asn::booltype alternateInterVLCMode;
  asn::booltype modifiedQuantizationMode;
  asn::booltype reducedResolutionUpdate;
  H245::transparencyParameters* transparencyParameters = nullptr;  // OPTIONAL
  asn::booltype separateVideoBackChannel;
  H245::refPictureSelection* refPictureSelection = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::customPictureClockFrequency, 1u, 16u, 1>* customPictureClockFrequency = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::customPictureFormat, 1u, 16u, 1>* customPictureFormat = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::h263VideoModeCombos, 1u, 16u, 1>* modeCombos = nullptr;  // OPTIONAL
  asn::booltype* videoBadMBsCap = nullptr;  // addition
  H245::h263Version3Options* h263Version3Options = nullptr;  // addition
};

// SEQUENCE, extensible; 5 root, 0 extension.
class transparencyParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  transparencyParameters() : asn::sequence(&descriptor) {}
  transparencyParameters(const transparencyParameters& other);
  transparencyParameters& operator=(const transparencyParameters& other);
  ~transparencyParameters() override;
  static asn::object* create();

  asn::integer<1u, 256u, 1> presentationOrder;
  asn::integer<4294705152u, 262143u, 1> offset_x;
  asn::integer<4294705152u, 262143u, 1> offset_y;
  asn::integer<1u, 255u, 1> scale_x;
  asn::integer<1u, 255u, 1> scale_y;
};

// SEQUENCE, extensible; 3 root, 1 extension.
class refPictureSelection : public asn::sequence {
public:
  // SEQUENCE, extensible; 6 root, 0 extension.
  class additionalPictureMemory_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    additionalPictureMemory_sequence() : asn::sequence(&descriptor) {}
    additionalPictureMemory_sequence(const additionalPictureMemory_sequence& other);
    additionalPictureMemory_sequence& operator=(const additionalPictureMemory_sequence& other);
    ~additionalPictureMemory_sequence() override;
    static asn::object* create();

    asn::integer<1u, 256u, 1>* sqcifAdditionalPictureMemory = nullptr;  // OPTIONAL
    asn::integer<1u, 256u, 1>* qcifAdditionalPictureMemory = nullptr;  // OPTIONAL
    asn::integer<1u, 256u, 1>* cifAdditionalPictureMemory = nullptr;  // OPTIONAL
    asn::integer<1u, 256u, 1>* cif4AdditionalPictureMemory = nullptr;  // OPTIONAL
    asn::integer<1u, 256u, 1>* cif16AdditionalPictureMemory = nullptr;  // OPTIONAL
    asn::integer<1u, 256u, 1>* bigCpfAdditionalPictureMemory = nullptr;  // OPTIONAL
  };

  // CHOICE, extensible; 5 root, 0 extension.
  class videoBackChannelSend_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    videoBackChannelSend_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class enhancedReferencePicSelect_sequence : public asn::sequence {
  public:
    // SEQUENCE, extensible; 3 root, 0 extension.
    class subPictureRemovalParameters_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      subPictureRemovalParameters_sequence() : asn::sequence(&descriptor) {}
      subPictureRemovalParameters_sequence(const subPictureRemovalParameters_sequence& other);
      subPictureRemovalParameters_sequence& operator=(const subPictureRemovalParameters_sequence& other);
      ~subPictureRemovalParameters_sequence() override;
      static asn::object* create();

      asn::integer<1u, 128u, 1> mpuHorizMBs;
      asn::integer<1u, 72u, 1> mpuVertMBs;
      asn::integer<1u, 65536u, 1> mpuTotalNumber;
    };

    static const asn::sequenceDescriptor descriptor;

    enhancedReferencePicSelect_sequence() : asn::sequence(&descriptor) {}
    enhancedReferencePicSelect_sequence(const enhancedReferencePicSelect_sequence& other);
    enhancedReferencePicSelect_sequence& operator=(const enhancedReferencePicSelect_sequence& other);
    ~enhancedReferencePicSelect_sequence() override;
    static asn::object* create();

    H245::refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence* subPictureRemovalParameters = nullptr;  // OPTIONAL
  };

  static const asn::sequenceDescriptor descriptor;

  refPictureSelection() : asn::sequence(&descriptor) {}
  refPictureSelection(const refPictureSelection& other);
  refPictureSelection& operator=(const refPictureSelection& other);
  ~refPictureSelection() override;
  static asn::object* create();

  H245::refPictureSelection::additionalPictureMemory_sequence* additionalPictureMemory = nullptr;  // OPTIONAL
  asn::booltype videoMux;
  H245::refPictureSelection::videoBackChannelSend_choice videoBackChannelSend;
  H245::refPictureSelection::enhancedReferencePicSelect_sequence* enhancedReferencePicSelect = nullptr;  // addition
};

// SEQUENCE, extensible; 7 root, 0 extension.
class customPictureClockFrequency : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  customPictureClockFrequency() : asn::sequence(&descriptor) {}
  customPictureClockFrequency(const customPictureClockFrequency& other);
  customPictureClockFrequency& operator=(const customPictureClockFrequency& other);
  ~customPictureClockFrequency() override;
  static asn::object* create();

  asn::integer<1000u, 1001u, 1> clockConversionCode;
  asn::integer<1u, 127u, 1> clockDivisor;
  asn::integer<1u, 2048u, 1>* sqcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 2048u, 1>* qcifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 2048u, 1>* cifMPI = nullptr;  // OPTIONAL
  asn::integer<1u, 2048u, 1>* cif4MPI = nullptr;  // OPTIONAL
  asn::integer<1u, 2048u, 1>* cif16MPI = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 6 root, 0 extension.
class customPictureFormat : public asn::sequence {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class mPI_sequence : public asn::sequence {
  public:
    // SEQUENCE, extensible; 3 root, 0 extension.
    class customPCF_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      customPCF_sequence() : asn::sequence(&descriptor) {}
      customPCF_sequence(const customPCF_sequence& other);
      customPCF_sequence& operator=(const customPCF_sequence& other);
      ~customPCF_sequence() override;
      static asn::object* create();

      asn::integer<1000u, 1001u, 1> clockConversionCode;
      asn::integer<1u, 127u, 1> clockDivisor;
      asn::integer<1u, 2048u, 1> customMPI;
    };

    static const asn::sequenceDescriptor descriptor;

    mPI_sequence() : asn::sequence(&descriptor) {}
    mPI_sequence(const mPI_sequence& other);
    mPI_sequence& operator=(const mPI_sequence& other);
    ~mPI_sequence() override;
    static asn::object* create();

    asn::integer<1u, 31u, 1>* standardMPI = nullptr;  // OPTIONAL
    asn::sequenceOf<H245::customPictureFormat::mPI_sequence::customPCF_sequence, 1u, 16u, 1>* customPCF = nullptr;  // OPTIONAL
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class pixelAspectInformation_choice : public asn::choice {
  public:
    // SEQUENCE, extensible; 2 root, 0 extension.
    class extendedPAR_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      extendedPAR_sequence() : asn::sequence(&descriptor) {}
      extendedPAR_sequence(const extendedPAR_sequence& other);
      extendedPAR_sequence& operator=(const extendedPAR_sequence& other);
      ~extendedPAR_sequence() override;
      static asn::object* create();

      asn::integer<1u, 255u, 1> width;
      asn::integer<1u, 255u, 1> height;
    };

    static const asn::choiceDescriptor descriptor;

    pixelAspectInformation_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  customPictureFormat() : asn::sequence(&descriptor) {}
  customPictureFormat(const customPictureFormat& other);
  customPictureFormat& operator=(const customPictureFormat& other);
  ~customPictureFormat() override;
  static asn::object* create();

  asn::integer<1u, 2048u, 1> maxCustomPictureWidth;
  asn::integer<1u, 2048u, 1> maxCustomPictureHeight;
  asn::integer<1u, 2048u, 1> minCustomPictureWidth;
  asn::integer<1u, 2048u, 1> minCustomPictureHeight;
  H245::customPictureFormat::mPI_sequence mPI;
  H245::customPictureFormat::pixelAspectInformation_choice pixelAspectInformation;
};

// SEQUENCE, extensible; 21 root, 2 extension.
class h263ModeComboFlags : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h263ModeComboFlags() : asn::sequence(&descriptor) {}
  h263ModeComboFlags(const h263ModeComboFlags& other);
  h263ModeComboFlags& operator=(const h263ModeComboFlags& other);
  ~h263ModeComboFlags() override;
  static asn::object* create();

  asn::booltype unrestrictedVector;
  asn::booltype arithmeticCoding;
  asn::booltype advancedPrediction;
  asn::booltype pbFrames;
  asn::booltype advancedIntraCodingMode;
  asn::booltype deblockingFilterMode;
  asn::booltype unlimitedMotionVectors;
  asn::booltype slicesInOrder_NonRect;
  asn::booltype slicesInOrder_Rect;
  asn::booltype slicesNoOrder_NonRect;
  asn::booltype slicesNoOrder_Rect;
  asn::booltype improvedPBFramesMode;
  asn::booltype referencePicSelect;
  asn::booltype dynamicPictureResizingByFour;
  asn::booltype dynamicPictureResizingSixteenthPel;
  asn::booltype dynamicWarpingHalfPel;
  asn::booltype dynamicWarpingSixteenthPel;
  asn::booltype reducedResolutionUpdate;
  asn::booltype independentSegmentDecoding;
  asn::booltype alternateInterVLCMode;
  asn::booltype modifiedQuantizationMode;
  asn::booltype* enhancedReferencePicSelect = nullptr;  // addition
  H245::h263Version3Options* h263Version3Options = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h263VideoModeCombos : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h263VideoModeCombos() : asn::sequence(&descriptor) {}
  h263VideoModeCombos(const h263VideoModeCombos& other);
  h263VideoModeCombos& operator=(const h263VideoModeCombos& other);
  ~h263VideoModeCombos() override;
  static asn::object* create();

  H245::h263ModeComboFlags h263VideoUncoupledModes;
  asn::sequenceOf<H245::h263ModeComboFlags, 1u, 16u, 1> h263VideoCoupledModes;
};

// SEQUENCE, extensible; 8 root, 0 extension.
class h263Version3Options : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h263Version3Options() : asn::sequence(&descriptor) {}
  h263Version3Options(const h263Version3Options& other);
  h263Version3Options& operator=(const h263Version3Options& other);
  ~h263Version3Options() override;
  static asn::object* create();

  asn::booltype dataPartitionedSlices;
  asn::booltype fixedPointIDCT0;
  asn::booltype interlacedFields;
  asn::booltype currentPictureHeaderRepetition;
  asn::booltype previousPictureHeaderRepetition;
  asn::booltype nextPictureHeaderRepetition;
  asn::booltype pictureNumber;
  asn::booltype spareReferencePictures;
};

// SEQUENCE, extensible; 7 root, 1 extension.
class iS11172VideoCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  iS11172VideoCapability() : asn::sequence(&descriptor) {}
  iS11172VideoCapability(const iS11172VideoCapability& other);
  iS11172VideoCapability& operator=(const iS11172VideoCapability& other);
  ~iS11172VideoCapability() override;
  static asn::object* create();

  asn::booltype constrainedBitstream;
  asn::integer<0u, 1073741823u, 1>* videoBitRate = nullptr;  // OPTIONAL
  asn::integer<0u, 262143u, 1>* vbvBufferSize = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* samplesPerLine = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* linesPerFrame = nullptr;  // OPTIONAL
  asn::integer<0u, 15u, 1>* pictureRate = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1>* luminanceSampleRate = nullptr;  // OPTIONAL
  asn::booltype* videoBadMBsCap = nullptr;  // addition
};

// CHOICE, extensible; 14 root, 11 extension.
class audioCapability : public asn::choice {
public:
  // SEQUENCE, not extensible; 2 root, 0 extension.
  class g7231_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    g7231_sequence() : asn::sequence(&descriptor) {}
    g7231_sequence(const g7231_sequence& other);
    g7231_sequence& operator=(const g7231_sequence& other);
    ~g7231_sequence() override;
    static asn::object* create();

    asn::integer<1u, 256u, 1> maxAl_sduAudioFrames;
    asn::booltype silenceSuppression;
  };

  static const asn::choiceDescriptor descriptor;

  audioCapability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 8 root, 0 extension.
class g729Extensions : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  g729Extensions() : asn::sequence(&descriptor) {}
  g729Extensions(const g729Extensions& other);
  g729Extensions& operator=(const g729Extensions& other);
  ~g729Extensions() override;
  static asn::object* create();

  asn::integer<1u, 256u, 1>* audioUnit = nullptr;  // OPTIONAL
  asn::booltype annexA;
  asn::booltype annexB;
  asn::booltype annexD;
  asn::booltype annexE;
  asn::booltype annexF;
  asn::booltype annexG;
  asn::booltype annexH;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class g7231AnnexCCapability : public asn::sequence {
public:
  // SEQUENCE, extensible; 6 root, 0 extension.
  class g723AnnexCAudioMode_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    g723AnnexCAudioMode_sequence() : asn::sequence(&descriptor) {}
    g723AnnexCAudioMode_sequence(const g723AnnexCAudioMode_sequence& other);
    g723AnnexCAudioMode_sequence& operator=(const g723AnnexCAudioMode_sequence& other);
    ~g723AnnexCAudioMode_sequence() override;
    static asn::object* create();

    asn::integer<27u, 78u, 1> highRateMode0;
    asn::integer<27u, 78u, 1> highRateMode1;
    asn::integer<23u, 66u, 1> lowRateMode0;
    asn::integer<23u, 66u, 1> lowRateMode1;
    asn::integer<6u, 17u, 1> sidMode0;
    asn::integer<6u, 17u, 1> sidMode1;
  };

  static const asn::sequenceDescriptor descriptor;

  g7231AnnexCCapability() : asn::sequence(&descriptor) {}
  g7231AnnexCCapability(const g7231AnnexCCapability& other);
  g7231AnnexCCapability& operator=(const g7231AnnexCCapability& other);
  ~g7231AnnexCCapability() override;
  static asn::object* create();

  asn::integer<1u, 256u, 1> maxAl_sduAudioFrames;
  asn::booltype silenceSuppression;
  H245::g7231AnnexCCapability::g723AnnexCAudioMode_sequence* g723AnnexCAudioMode = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 9 root, 0 extension.
class iS11172AudioCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  iS11172AudioCapability() : asn::sequence(&descriptor) {}
  iS11172AudioCapability(const iS11172AudioCapability& other);
  iS11172AudioCapability& operator=(const iS11172AudioCapability& other);
  ~iS11172AudioCapability() override;
  static asn::object* create();

  asn::booltype audioLayer1;
  asn::booltype audioLayer2;
  asn::booltype audioLayer3;
  asn::booltype audioSampling32k;
  asn::booltype audioSampling44k1;
  asn::booltype audioSampling48k;
  asn::booltype singleChannel;
  asn::booltype twoChannels;
  asn::integer<1u, 448u, 1> bitRate;
};

// SEQUENCE, extensible; 21 root, 0 extension.
class iS13818AudioCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  iS13818AudioCapability() : asn::sequence(&descriptor) {}
  iS13818AudioCapability(const iS13818AudioCapability& other);
  iS13818AudioCapability& operator=(const iS13818AudioCapability& other);
  ~iS13818AudioCapability() override;
  static asn::object* create();

  asn::booltype audioLayer1;
  asn::booltype audioLayer2;
  asn::booltype audioLayer3;
  asn::booltype audioSampling16k;
  asn::booltype audioSampling22k05;
  asn::booltype audioSampling24k;
  asn::booltype audioSampling32k;
  asn::booltype audioSampling44k1;
  asn::booltype audioSampling48k;
  asn::booltype singleChannel;
  asn::booltype twoChannels;
  asn::booltype threeChannels2_1;
  asn::booltype threeChannels3_0;
  asn::booltype fourChannels2_0_2_0;
  asn::booltype fourChannels2_2;
  asn::booltype fourChannels3_1;
  asn::booltype fiveChannels3_0_2_0;
  asn::booltype fiveChannels3_2;
  asn::booltype lowFrequencyEnhancement;
  asn::booltype multilingual;
  asn::integer<1u, 1130u, 1> bitRate;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class gSMAudioCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  gSMAudioCapability() : asn::sequence(&descriptor) {}
  gSMAudioCapability(const gSMAudioCapability& other);
  gSMAudioCapability& operator=(const gSMAudioCapability& other);
  ~gSMAudioCapability() override;
  static asn::object* create();

  asn::integer<1u, 256u, 1> audioUnitSize;
  asn::booltype comfortNoise;
  asn::booltype scrambled;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class vBDCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  vBDCapability() : asn::sequence(&descriptor) {}
  vBDCapability(const vBDCapability& other);
  vBDCapability& operator=(const vBDCapability& other);
  ~vBDCapability() override;
  static asn::object* create();

  H245::audioCapability type;
};

// CHOICE, extensible; 7 root, 7 extension.
class dataProtocolCapability : public asn::choice {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class v76wCompression_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    v76wCompression_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::choiceDescriptor descriptor;

  dataProtocolCapability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 4 extension.
class t38FaxProfile : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  t38FaxProfile() : asn::sequence(&descriptor) {}
  t38FaxProfile(const t38FaxProfile& other);
  t38FaxProfile& operator=(const t38FaxProfile& other);
  ~t38FaxProfile() override;
  static asn::object* create();

  asn::booltype fillBitRemoval;
  asn::booltype transcodingJBIG;
  asn::booltype transcodingMMR;
  asn::integer<0u, 255u, 1>* version = nullptr;  // addition
  H245::t38FaxRateManagement* t38FaxRateManagement = nullptr;  // addition
  H245::t38FaxUdpOptions* t38FaxUdpOptions = nullptr;  // addition
  H245::t38FaxTcpOptions* t38FaxTcpOptions = nullptr;  // addition
};

// CHOICE, not extensible; 2 root, 0 extension.
class t84Profile : public asn::choice {
public:
  // SEQUENCE, extensible; 19 root, 0 extension.
  class t84Restricted_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    t84Restricted_sequence() : asn::sequence(&descriptor) {}
    t84Restricted_sequence(const t84Restricted_sequence& other);
    t84Restricted_sequence& operator=(const t84Restricted_sequence& other);
    ~t84Restricted_sequence() override;
    static asn::object* create();

    asn::booltype qcif;
    asn::booltype cif;
    asn::booltype ccir601Seq;
    asn::booltype ccir601Prog;
    asn::booltype hdtvSeq;
    asn::booltype hdtvProg;
    asn::booltype g3FacsMH200x100;
    asn::booltype g3FacsMH200x200;
    asn::booltype g4FacsMMR200x100;
    asn::booltype g4FacsMMR200x200;
    asn::booltype jbig200x200Seq;
    asn::booltype jbig200x200Prog;
    asn::booltype jbig300x300Seq;
    asn::booltype jbig300x300Prog;
    asn::booltype digPhotoLow;
    asn::booltype digPhotoMedSeq;
    asn::booltype digPhotoMedProg;
    asn::booltype digPhotoHighSeq;
    asn::booltype digPhotoHighProg;
  };

  static const asn::choiceDescriptor descriptor;

  t84Profile() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class dataApplicationCapability : public asn::sequence {
public:
  // CHOICE, extensible; 10 root, 4 extension.
  class application_choice : public asn::choice {
  public:
    // SEQUENCE, not extensible; 2 root, 0 extension.
    class t84_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      t84_sequence() : asn::sequence(&descriptor) {}
      t84_sequence(const t84_sequence& other);
      t84_sequence& operator=(const t84_sequence& other);
      ~t84_sequence() override;
      static asn::object* create();

      H245::dataProtocolCapability t84Protocol;
      H245::t84Profile t84Profile;
    };

    // SEQUENCE, not extensible; 2 root, 0 extension.
    class nlpid_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      nlpid_sequence() : asn::sequence(&descriptor) {}
      nlpid_sequence(const nlpid_sequence& other);
      nlpid_sequence& operator=(const nlpid_sequence& other);
      ~nlpid_sequence() override;
      static asn::object* create();

      H245::dataProtocolCapability nlpidProtocol;
      asn::octetString<0u, 0u, 1> nlpidData;
    };

    // SEQUENCE, not extensible; 2 root, 0 extension.
    class t38fax_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      t38fax_sequence() : asn::sequence(&descriptor) {}
      t38fax_sequence(const t38fax_sequence& other);
      t38fax_sequence& operator=(const t38fax_sequence& other);
      ~t38fax_sequence() override;
      static asn::object* create();

      H245::dataProtocolCapability t38FaxProtocol;
      H245::t38FaxProfile t38FaxProfile;
    };

    static const asn::choiceDescriptor descriptor;

    application_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  dataApplicationCapability() : asn::sequence(&descriptor) {}
  dataApplicationCapability(const dataApplicationCapability& other);
  dataApplicationCapability& operator=(const dataApplicationCapability& other);
  ~dataApplicationCapability() override;
  static asn::object* create();

  H245::dataApplicationCapability::application_choice application;
  asn::integer<0u, 4294967295u, 1> maxBitRate;
};

// CHOICE, extensible; 1 root, 0 extension.
class compressionType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  compressionType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class v42bis : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  v42bis() : asn::sequence(&descriptor) {}
  v42bis(const v42bis& other);
  v42bis& operator=(const v42bis& other);
  ~v42bis() override;
  static asn::object* create();

  asn::integer<1u, 65536u, 1> numberOfCodewords;
  asn::integer<1u, 256u, 1> maximumStringLength;
};

// CHOICE, extensible; 2 root, 0 extension.
class t38FaxRateManagement : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  t38FaxRateManagement() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, not extensible; 3 root, 0 extension.
class t38FaxUdpOptions : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class t38FaxUdpEC_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    t38FaxUdpEC_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  t38FaxUdpOptions() : asn::sequence(&descriptor) {}
  t38FaxUdpOptions(const t38FaxUdpOptions& other);
  t38FaxUdpOptions& operator=(const t38FaxUdpOptions& other);
  ~t38FaxUdpOptions() override;
  static asn::object* create();

  asn::integer<0u, 0u, 1>* t38FaxMaxBuffer = nullptr;  // OPTIONAL
  asn::integer<0u, 0u, 1>* t38FaxMaxDatagram = nullptr;  // OPTIONAL
  H245::t38FaxUdpOptions::t38FaxUdpEC_choice t38FaxUdpEC;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class t38FaxTcpOptions : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  t38FaxTcpOptions() : asn::sequence(&descriptor) {}
  t38FaxTcpOptions(const t38FaxTcpOptions& other);
  t38FaxTcpOptions& operator=(const t38FaxTcpOptions& other);
  ~t38FaxTcpOptions() override;
  static asn::object* create();

  asn::booltype t38TCPBidirectionalMode;
};

// CHOICE, extensible; 2 root, 0 extension.
class mediaEncryptionAlgorithm : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  mediaEncryptionAlgorithm() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 1 root, 1 extension.
class authenticationCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  authenticationCapability() : asn::sequence(&descriptor) {}
  authenticationCapability(const authenticationCapability& other);
  authenticationCapability& operator=(const authenticationCapability& other);
  ~authenticationCapability() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
  asn::oid* antiSpamAlgorithm = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class integrityCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  integrityCapability() : asn::sequence(&descriptor) {}
  integrityCapability(const integrityCapability& other);
  integrityCapability& operator=(const integrityCapability& other);
  ~integrityCapability() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 6 root, 6 extension.
class userInputCapability : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  userInputCapability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 2 extension.
class conferenceCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  conferenceCapability() : asn::sequence(&descriptor) {}
  conferenceCapability(const conferenceCapability& other);
  conferenceCapability& operator=(const conferenceCapability& other);
  ~conferenceCapability() override;
  static asn::object* create();

  asn::sequenceOf<H245::nonStandardParameter, 0u, 0u, 1>* nonStandardData = nullptr;  // OPTIONAL
  asn::booltype chairControlCapability;
  asn::booltype* videoIndicateMixingCapability = nullptr;  // addition
  asn::booltype* multipointVisualizationCapability = nullptr;  // addition
};

// SEQUENCE, extensible; 6 root, 0 extension.
class genericCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  genericCapability() : asn::sequence(&descriptor) {}
  genericCapability(const genericCapability& other);
  genericCapability& operator=(const genericCapability& other);
  ~genericCapability() override;
  static asn::object* create();

  H245::capabilityIdentifier capabilityIdentifier;
  asn::integer<0u, 4294967295u, 1>* maxBitRate = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::genericParameter, 0u, 0u, 1>* collapsing = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::genericParameter, 0u, 0u, 1>* nonCollapsing = nullptr;  // OPTIONAL
  asn::octetString<0u, 0u, 1>* nonCollapsingRaw = nullptr;  // OPTIONAL
  H245::dataProtocolCapability* transport = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 4 root, 0 extension.
class parameterIdentifier : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  parameterIdentifier() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 8 root, 0 extension.
class parameterValue : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  parameterValue() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class genericParameter : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  genericParameter() : asn::sequence(&descriptor) {}
  genericParameter(const genericParameter& other);
  genericParameter& operator=(const genericParameter& other);
  ~genericParameter() override;
  static asn::object* create();

  H245::parameterIdentifier parameterIdentifier;
  H245::parameterValue parameterValue;
  asn::sequenceOf<H245::parameterIdentifier, 0u, 0u, 1>* supersedes = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 3 root, 0 extension.
class multiplexFormat : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  multiplexFormat() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class multiplexedStreamCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexedStreamCapability() : asn::sequence(&descriptor) {}
  multiplexedStreamCapability(const multiplexedStreamCapability& other);
  multiplexedStreamCapability& operator=(const multiplexedStreamCapability& other);
  ~multiplexedStreamCapability() override;
  static asn::object* create();

  H245::multiplexFormat multiplexFormat;
  asn::booltype controlOnMuxStream;
  asn::sequenceOf<asn::sequenceOf<asn::integer<1u, 65535u, 1>, 1u, 256u, 1>, 1u, 256u, 1>* capabilityOnMuxStream = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class audioTelephonyEventCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  audioTelephonyEventCapability() : asn::sequence(&descriptor) {}
  audioTelephonyEventCapability(const audioTelephonyEventCapability& other);
  audioTelephonyEventCapability& operator=(const audioTelephonyEventCapability& other);
  ~audioTelephonyEventCapability() override;
  static asn::object* create();

  asn::integer<96u, 127u, 1> dynamicRTPPayloadType;
  asn::generalString<0u, 0u, 1, asn::constrainedString::GeneralSet, 256u> audioTelephoneEvent;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class audioToneCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  audioToneCapability() : asn::sequence(&descriptor) {}
  audioToneCapability(const audioToneCapability& other);
  audioToneCapability& operator=(const audioToneCapability& other);
  ~audioToneCapability() override;
  static asn::object* create();

  asn::integer<96u, 127u, 1> dynamicRTPPayloadType;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class noPTAudioTelephonyEventCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  noPTAudioTelephonyEventCapability() : asn::sequence(&descriptor) {}
  noPTAudioTelephonyEventCapability(const noPTAudioTelephonyEventCapability& other);
  noPTAudioTelephonyEventCapability& operator=(const noPTAudioTelephonyEventCapability& other);
  ~noPTAudioTelephonyEventCapability() override;
  static asn::object* create();

  asn::generalString<0u, 0u, 1, asn::constrainedString::GeneralSet, 256u> audioTelephoneEvent;
};

// SEQUENCE, extensible; 0 root, 0 extension.
class noPTAudioToneCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  noPTAudioToneCapability() : asn::sequence(&descriptor) {}
  noPTAudioToneCapability(const noPTAudioToneCapability& other);
  noPTAudioToneCapability& operator=(const noPTAudioToneCapability& other);
  ~noPTAudioToneCapability() override;
  static asn::object* create();

};

// SEQUENCE, extensible; 1 root, 0 extension.
class multiplePayloadStreamCapability : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplePayloadStreamCapability() : asn::sequence(&descriptor) {}
  multiplePayloadStreamCapability(const multiplePayloadStreamCapability& other);
  multiplePayloadStreamCapability& operator=(const multiplePayloadStreamCapability& other);
  ~multiplePayloadStreamCapability() override;
  static asn::object* create();

  asn::sequenceOf<asn::sequenceOf<asn::integer<1u, 65535u, 1>, 1u, 256u, 1>, 1u, 256u, 1> capabilities;
};

// CHOICE, extensible; 1 root, 0 extension.
class depFECCapability : public asn::choice {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class rfc2733_sequence : public asn::sequence {
  public:
    // SEQUENCE, extensible; 2 root, 0 extension.
    class separateStream_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      separateStream_sequence() : asn::sequence(&descriptor) {}
      separateStream_sequence(const separateStream_sequence& other);
      separateStream_sequence& operator=(const separateStream_sequence& other);
      ~separateStream_sequence() override;
      static asn::object* create();

      asn::booltype separatePort;
      asn::booltype samePort;
    };

    static const asn::sequenceDescriptor descriptor;

    rfc2733_sequence() : asn::sequence(&descriptor) {}
    rfc2733_sequence(const rfc2733_sequence& other);
    rfc2733_sequence& operator=(const rfc2733_sequence& other);
    ~rfc2733_sequence() override;
    static asn::object* create();

    asn::booltype redundancyEncoding;
    H245::depFECCapability::rfc2733_sequence::separateStream_sequence separateStream;
  };

  static const asn::choiceDescriptor descriptor;

  depFECCapability() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class fECCapability : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class rfc2733Format_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    rfc2733Format_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  fECCapability() : asn::sequence(&descriptor) {}
  fECCapability(const fECCapability& other);
  fECCapability& operator=(const fECCapability& other);
  ~fECCapability() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> protectedCapability;
  asn::oid* fecScheme = nullptr;  // OPTIONAL
  H245::fECCapability::rfc2733Format_choice* rfc2733Format = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 6 root, 7 extension.
class dataType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  dataType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 3 extension.
class openLogicalChannel : public asn::sequence {
public:
  // SEQUENCE, extensible; 3 root, 2 extension.
  class forwardLogicalChannelParameters_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 3 root, 2 extension.
    class multiplexParameters_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      multiplexParameters_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    forwardLogicalChannelParameters_sequence() : asn::sequence(&descriptor) {}
    forwardLogicalChannelParameters_sequence(const forwardLogicalChannelParameters_sequence& other);
    forwardLogicalChannelParameters_sequence& operator=(const forwardLogicalChannelParameters_sequence& other);
    ~forwardLogicalChannelParameters_sequence() override;
    static asn::object* create();

    asn::integer<0u, 65535u, 1>* portNumber = nullptr;  // OPTIONAL
    H245::dataType dataType;
    H245::openLogicalChannel::forwardLogicalChannelParameters_sequence::multiplexParameters_choice multiplexParameters;
    asn::integer<1u, 65535u, 1>* forwardLogicalChannelDependency = nullptr;  // addition
    asn::integer<1u, 65535u, 1>* replacementFor = nullptr;  // addition
  };

  // SEQUENCE, extensible; 2 root, 2 extension.
  class reverseLogicalChannelParameters_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 2 root, 1 extension.
    class multiplexParameters_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      multiplexParameters_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    reverseLogicalChannelParameters_sequence() : asn::sequence(&descriptor) {}
    reverseLogicalChannelParameters_sequence(const reverseLogicalChannelParameters_sequence& other);
    reverseLogicalChannelParameters_sequence& operator=(const reverseLogicalChannelParameters_sequence& other);
    ~reverseLogicalChannelParameters_sequence() override;
    static asn::object* create();

    H245::dataType dataType;
    H245::openLogicalChannel::reverseLogicalChannelParameters_sequence::multiplexParameters_choice* multiplexParameters = nullptr;  // OPTIONAL
    asn::integer<1u, 65535u, 1>* reverseLogicalChannelDependency = nullptr;  // addition
    asn::integer<1u, 65535u, 1>* replacementFor = nullptr;  // addition
  };

  static const asn::sequenceDescriptor descriptor;

  openLogicalChannel() : asn::sequence(&descriptor) {}
  openLogicalChannel(const openLogicalChannel& other);
  openLogicalChannel& operator=(const openLogicalChannel& other);
  ~openLogicalChannel() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  H245::openLogicalChannel::forwardLogicalChannelParameters_sequence forwardLogicalChannelParameters;
  H245::openLogicalChannel::reverseLogicalChannelParameters_sequence* reverseLogicalChannelParameters = nullptr;  // OPTIONAL
  H245::networkAccessParameters* separateStack = nullptr;  // addition
  H245::encryptionSync* encryptionSync = nullptr;  // addition
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, extensible; 4 root, 1 extension.
class networkAccessParameters : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class distribution_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    distribution_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class networkAddress_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    networkAddress_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class t120SetupProcedure_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    t120SetupProcedure_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  networkAccessParameters() : asn::sequence(&descriptor) {}
  networkAccessParameters(const networkAccessParameters& other);
  networkAccessParameters& operator=(const networkAccessParameters& other);
  ~networkAccessParameters() override;
  static asn::object* create();

  H245::networkAccessParameters::distribution_choice* distribution = nullptr;  // OPTIONAL
  H245::networkAccessParameters::networkAddress_choice networkAddress;
  asn::booltype associateConference;
  asn::octetString<1u, 255u, 1>* externalReference = nullptr;  // OPTIONAL
  H245::networkAccessParameters::t120SetupProcedure_choice* t120SetupProcedure = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class v75Parameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  v75Parameters() : asn::sequence(&descriptor) {}
  v75Parameters(const v75Parameters& other);
  v75Parameters& operator=(const v75Parameters& other);
  ~v75Parameters() override;
  static asn::object* create();

  asn::booltype audioHeaderPresent;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h235Media : public asn::sequence {
public:
  // CHOICE, extensible; 4 root, 4 extension.
  class mediaType_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    mediaType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h235Media() : asn::sequence(&descriptor) {}
  h235Media(const h235Media& other);
  h235Media& operator=(const h235Media& other);
  ~h235Media() override;
  static asn::object* create();

  H245::encryptionAuthenticationAndIntegrity encryptionAuthenticationAndIntegrity;
  H245::h235Media::mediaType_choice mediaType;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class multiplexedStreamParameter : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexedStreamParameter() : asn::sequence(&descriptor) {}
  multiplexedStreamParameter(const multiplexedStreamParameter& other);
  multiplexedStreamParameter& operator=(const multiplexedStreamParameter& other);
  ~multiplexedStreamParameter() override;
  static asn::object* create();

  H245::multiplexFormat multiplexFormat;
  asn::booltype controlOnMuxStream;
};

// SEQUENCE, extensible; 5 root, 0 extension.
class h222LogicalChannelParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h222LogicalChannelParameters() : asn::sequence(&descriptor) {}
  h222LogicalChannelParameters(const h222LogicalChannelParameters& other);
  h222LogicalChannelParameters& operator=(const h222LogicalChannelParameters& other);
  ~h222LogicalChannelParameters() override;
  static asn::object* create();

  asn::integer<0u, 65535u, 1> resourceID;
  asn::integer<0u, 8191u, 1> subChannelID;
  asn::integer<0u, 8191u, 1>* pcr_pid = nullptr;  // OPTIONAL
  asn::octetString<0u, 0u, 1>* programDescriptors = nullptr;  // OPTIONAL
  asn::octetString<0u, 0u, 1>* streamDescriptors = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h223LogicalChannelParameters : public asn::sequence {
public:
  // CHOICE, extensible; 6 root, 3 extension.
  class adaptationLayerType_choice : public asn::choice {
  public:
    // SEQUENCE, not extensible; 2 root, 0 extension.
    class al3_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      al3_sequence() : asn::sequence(&descriptor) {}
      al3_sequence(const al3_sequence& other);
      al3_sequence& operator=(const al3_sequence& other);
      ~al3_sequence() override;
      static asn::object* create();

      asn::integer<0u, 2u, 1> controlFieldOctets;
      asn::integer<0u, 16777215u, 1> sendBufferSize;
    };

    static const asn::choiceDescriptor descriptor;

    adaptationLayerType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h223LogicalChannelParameters() : asn::sequence(&descriptor) {}
  h223LogicalChannelParameters(const h223LogicalChannelParameters& other);
  h223LogicalChannelParameters& operator=(const h223LogicalChannelParameters& other);
  ~h223LogicalChannelParameters() override;
  static asn::object* create();

  H245::h223LogicalChannelParameters::adaptationLayerType_choice adaptationLayerType;
  asn::booltype segmentableFlag;
};

// SEQUENCE, extensible; 7 root, 1 extension.
class h223AL1MParameters : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class transferMode_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    transferMode_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class headerFEC_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    headerFEC_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 4 root, 4 extension.
  class crcLength_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    crcLength_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class arqType_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    arqType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h223AL1MParameters() : asn::sequence(&descriptor) {}
  h223AL1MParameters(const h223AL1MParameters& other);
  h223AL1MParameters& operator=(const h223AL1MParameters& other);
  ~h223AL1MParameters() override;
  static asn::object* create();

  H245::h223AL1MParameters::transferMode_choice transferMode;
  H245::h223AL1MParameters::headerFEC_choice headerFEC;
  H245::h223AL1MParameters::crcLength_choice crcLength;
  asn::integer<8u, 32u, 1> rcpcCodeRate;
  H245::h223AL1MParameters::arqType_choice arqType;
  asn::booltype alpduInterleaving;
  asn::booltype alsduSplitting;
  asn::integer<0u, 127u, 1>* rsCodeCorrection = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h223AL2MParameters : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class headerFEC_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    headerFEC_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h223AL2MParameters() : asn::sequence(&descriptor) {}
  h223AL2MParameters(const h223AL2MParameters& other);
  h223AL2MParameters& operator=(const h223AL2MParameters& other);
  ~h223AL2MParameters() override;
  static asn::object* create();

  H245::h223AL2MParameters::headerFEC_choice headerFEC;
  asn::booltype alpduInterleaving;
};

// SEQUENCE, extensible; 5 root, 1 extension.
class h223AL3MParameters : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class headerFormat_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    headerFormat_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 4 root, 4 extension.
  class crcLength_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    crcLength_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class arqType_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    arqType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h223AL3MParameters() : asn::sequence(&descriptor) {}
  h223AL3MParameters(const h223AL3MParameters& other);
  h223AL3MParameters& operator=(const h223AL3MParameters& other);
  ~h223AL3MParameters() override;
  static asn::object* create();

  H245::h223AL3MParameters::headerFormat_choice headerFormat;
  H245::h223AL3MParameters::crcLength_choice crcLength;
  asn::integer<8u, 32u, 1> rcpcCodeRate;
  H245::h223AL3MParameters::arqType_choice arqType;
  asn::booltype alpduInterleaving;
  asn::integer<0u, 127u, 1>* rsCodeCorrection = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h223AnnexCArqParameters : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class numberOfRetransmissions_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    numberOfRetransmissions_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h223AnnexCArqParameters() : asn::sequence(&descriptor) {}
  h223AnnexCArqParameters(const h223AnnexCArqParameters& other);
  h223AnnexCArqParameters& operator=(const h223AnnexCArqParameters& other);
  ~h223AnnexCArqParameters() override;
  static asn::object* create();

  H245::h223AnnexCArqParameters::numberOfRetransmissions_choice numberOfRetransmissions;
  asn::integer<0u, 16777215u, 1> sendBufferSize;
};

// CHOICE, extensible; 3 root, 0 extension.
class cRCLength : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  cRCLength() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class v76HDLCParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  v76HDLCParameters() : asn::sequence(&descriptor) {}
  v76HDLCParameters(const v76HDLCParameters& other);
  v76HDLCParameters& operator=(const v76HDLCParameters& other);
  ~v76HDLCParameters() override;
  static asn::object* create();

  H245::cRCLength crcLength;
  asn::integer<1u, 4095u, 1> n401;
  asn::booltype loopbackTestProcedure;
};

// SEQUENCE, extensible; 5 root, 0 extension.
class v76LogicalChannelParameters : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class suspendResume_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    suspendResume_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class mode_choice : public asn::choice {
  public:
    // SEQUENCE, extensible; 2 root, 0 extension.
    class eRM_sequence : public asn::sequence {
    public:
      // CHOICE, extensible; 3 root, 0 extension.
      class recovery_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        recovery_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::sequenceDescriptor descriptor;

      eRM_sequence() : asn::sequence(&descriptor) {}
      eRM_sequence(const eRM_sequence& other);
      eRM_sequence& operator=(const eRM_sequence& other);
      ~eRM_sequence() override;
      static asn::object* create();

      asn::integer<1u, 127u, 1> windowSize;
      H245::v76LogicalChannelParameters::mode_choice::eRM_sequence::recovery_choice recovery;
    };

    static const asn::choiceDescriptor descriptor;

    mode_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  v76LogicalChannelParameters() : asn::sequence(&descriptor) {}
  v76LogicalChannelParameters(const v76LogicalChannelParameters& other);
  v76LogicalChannelParameters& operator=(const v76LogicalChannelParameters& other);
  ~v76LogicalChannelParameters() override;
  static asn::object* create();

  H245::v76HDLCParameters hdlcParameters;
  H245::v76LogicalChannelParameters::suspendResume_choice suspendResume;
  asn::booltype uIH;
  H245::v76LogicalChannelParameters::mode_choice mode;
  H245::v75Parameters v75Parameters;
};

// SEQUENCE, extensible; 11 root, 3 extension.
class h2250LogicalChannelParameters : public asn::sequence {
public:
  // CHOICE, extensible; 1 root, 1 extension.
  class mediaPacketization_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    mediaPacketization_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h2250LogicalChannelParameters() : asn::sequence(&descriptor) {}
  h2250LogicalChannelParameters(const h2250LogicalChannelParameters& other);
  h2250LogicalChannelParameters& operator=(const h2250LogicalChannelParameters& other);
  ~h2250LogicalChannelParameters() override;
  static asn::object* create();

  asn::sequenceOf<H245::nonStandardParameter, 0u, 0u, 1>* nonStandard = nullptr;  // OPTIONAL
  asn::integer<0u, 255u, 1> sessionID;
  asn::integer<1u, 255u, 1>* associatedSessionID = nullptr;  // OPTIONAL
  H245::transportAddress* mediaChannel = nullptr;  // OPTIONAL
  asn::booltype* mediaGuaranteedDelivery = nullptr;  // OPTIONAL
  H245::transportAddress* mediaControlChannel = nullptr;  // OPTIONAL
  asn::booltype* mediaControlGuaranteedDelivery = nullptr;  // OPTIONAL
  asn::booltype* silenceSuppression = nullptr;  // OPTIONAL
  H245::terminalLabel* destination = nullptr;  // OPTIONAL
  asn::integer<96u, 127u, 1>* dynamicRTPPayloadType = nullptr;  // OPTIONAL
  H245::h2250LogicalChannelParameters::mediaPacketization_choice* mediaPacketization = nullptr;  // OPTIONAL
  H245::transportCapability* transportCapability = nullptr;  // addition
  H245::redundancyEncoding* redundancyEncoding = nullptr;  // addition
  H245::terminalLabel* source = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class rTPPayloadType : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class payloadDescriptor_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    payloadDescriptor_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  rTPPayloadType() : asn::sequence(&descriptor) {}
  rTPPayloadType(const rTPPayloadType& other);
  rTPPayloadType& operator=(const rTPPayloadType& other);
  ~rTPPayloadType() override;
  static asn::object* create();

  H245::rTPPayloadType::payloadDescriptor_choice payloadDescriptor;
  asn::integer<0u, 127u, 1>* payloadType = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 1 extension.
class redundancyEncoding : public asn::sequence {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class rtpRedundancyEncoding_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    rtpRedundancyEncoding_sequence() : asn::sequence(&descriptor) {}
    rtpRedundancyEncoding_sequence(const rtpRedundancyEncoding_sequence& other);
    rtpRedundancyEncoding_sequence& operator=(const rtpRedundancyEncoding_sequence& other);
    ~rtpRedundancyEncoding_sequence() override;
    static asn::object* create();

    H245::redundancyEncodingElement* primary = nullptr;  // OPTIONAL
    asn::sequenceOf<H245::redundancyEncodingElement, 0u, 0u, 1>* secondary = nullptr;  // OPTIONAL
  };

  static const asn::sequenceDescriptor descriptor;

  redundancyEncoding() : asn::sequence(&descriptor) {}
  redundancyEncoding(const redundancyEncoding& other);
  redundancyEncoding& operator=(const redundancyEncoding& other);
  ~redundancyEncoding() override;
  static asn::object* create();

  H245::redundancyEncodingMethod redundancyEncodingMethod;
  H245::dataType* secondaryEncoding = nullptr;  // OPTIONAL
  H245::redundancyEncoding::rtpRedundancyEncoding_sequence* rtpRedundancyEncoding = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class redundancyEncodingElement : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  redundancyEncodingElement() : asn::sequence(&descriptor) {}
  redundancyEncodingElement(const redundancyEncodingElement& other);
  redundancyEncodingElement& operator=(const redundancyEncodingElement& other);
  ~redundancyEncodingElement() override;
  static asn::object* create();

  H245::dataType dataType;
  asn::integer<0u, 127u, 1>* payloadType = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class multiplePayloadStreamElement : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplePayloadStreamElement() : asn::sequence(&descriptor) {}
  multiplePayloadStreamElement(const multiplePayloadStreamElement& other);
  multiplePayloadStreamElement& operator=(const multiplePayloadStreamElement& other);
  ~multiplePayloadStreamElement() override;
  static asn::object* create();

  H245::dataType dataType;
  asn::integer<0u, 127u, 1>* payloadType = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 1 root, 0 extension.
class multiplePayloadStream : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplePayloadStream() : asn::sequence(&descriptor) {}
  multiplePayloadStream(const multiplePayloadStream& other);
  multiplePayloadStream& operator=(const multiplePayloadStream& other);
  ~multiplePayloadStream() override;
  static asn::object* create();

  asn::sequenceOf<H245::multiplePayloadStreamElement, 0u, 0u, 1> elements;
};

// CHOICE, not extensible; 1 root, 0 extension.
class depFECData : public asn::choice {
public:
  // SEQUENCE, extensible; 1 root, 0 extension.
  class rfc2733_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 2 root, 0 extension.
    class mode_choice : public asn::choice {
    public:
      // CHOICE, extensible; 2 root, 0 extension.
      class separateStream_choice : public asn::choice {
      public:
        // SEQUENCE, extensible; 2 root, 0 extension.
        class differentPort_sequence : public asn::sequence {
        public:
          static const asn::sequenceDescriptor descriptor;

          differentPort_sequence() : asn::sequence(&descriptor) {}
          differentPort_sequence(const differentPort_sequence& other);
          differentPort_sequence& operator=(const differentPort_sequence& other);
          ~differentPort_sequence() override;
          static asn::object* create();

          asn::integer<1u, 255u, 1> protectedSessionID;
          asn::integer<0u, 127u, 1>* protectedPayloadType = nullptr;  // OPTIONAL
        };

        // SEQUENCE, extensible; 1 root, 0 extension.
        class samePort_sequence : public asn::sequence {
        public:
          static const asn::sequenceDescriptor descriptor;

          samePort_sequence() : asn::sequence(&descriptor) {}
          samePort_sequence(const samePort_sequence& other);
          samePort_sequence& operator=(const samePort_sequence& other);
          ~samePort_sequence() override;
          static asn::object* create();

          asn::integer<0u, 127u, 1> protectedPayloadType;
        };

        static const asn::choiceDescriptor descriptor;

        separateStream_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::choiceDescriptor descriptor;

      mode_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    rfc2733_sequence() : asn::sequence(&descriptor) {}
    rfc2733_sequence(const rfc2733_sequence& other);
    rfc2733_sequence& operator=(const rfc2733_sequence& other);
    ~rfc2733_sequence() override;
    static asn::object* create();

    H245::depFECData::rfc2733_sequence::mode_choice mode;
  };

  static const asn::choiceDescriptor descriptor;

  depFECData() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 1 root, 0 extension.
class fECData : public asn::choice {
public:
  // SEQUENCE, extensible; 3 root, 0 extension.
  class rfc2733_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 3 root, 0 extension.
    class pktMode_choice : public asn::choice {
    public:
      // SEQUENCE, extensible; 0 root, 0 extension.
      class rfc2733sameport_sequence : public asn::sequence {
      public:
        static const asn::sequenceDescriptor descriptor;

        rfc2733sameport_sequence() : asn::sequence(&descriptor) {}
        rfc2733sameport_sequence(const rfc2733sameport_sequence& other);
        rfc2733sameport_sequence& operator=(const rfc2733sameport_sequence& other);
        ~rfc2733sameport_sequence() override;
        static asn::object* create();

      };

      // SEQUENCE, extensible; 1 root, 0 extension.
      class rfc2733diffport_sequence : public asn::sequence {
      public:
        static const asn::sequenceDescriptor descriptor;

        rfc2733diffport_sequence() : asn::sequence(&descriptor) {}
        rfc2733diffport_sequence(const rfc2733diffport_sequence& other);
        rfc2733diffport_sequence& operator=(const rfc2733diffport_sequence& other);
        ~rfc2733diffport_sequence() override;
        static asn::object* create();

        asn::integer<1u, 65535u, 1> protectedChannel;
      };

      static const asn::choiceDescriptor descriptor;

      pktMode_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    rfc2733_sequence() : asn::sequence(&descriptor) {}
    rfc2733_sequence(const rfc2733_sequence& other);
    rfc2733_sequence& operator=(const rfc2733_sequence& other);
    ~rfc2733_sequence() override;
    static asn::object* create();

    asn::integer<0u, 127u, 1> protectedPayloadType;
    asn::oid* fecScheme = nullptr;  // OPTIONAL
    H245::fECData::rfc2733_sequence::pktMode_choice pktMode;
  };

  static const asn::choiceDescriptor descriptor;

  fECData() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class transportAddress : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  transportAddress() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 5 root, 2 extension.
class unicastAddress : public asn::choice {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class iPAddress_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    iPAddress_sequence() : asn::sequence(&descriptor) {}
    iPAddress_sequence(const iPAddress_sequence& other);
    iPAddress_sequence& operator=(const iPAddress_sequence& other);
    ~iPAddress_sequence() override;
    static asn::object* create();

    asn::octetString<4u, 4u, 1> network;
    asn::integer<0u, 65535u, 1> tsapIdentifier;
  };

  // SEQUENCE, extensible; 3 root, 0 extension.
  class iPXAddress_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    iPXAddress_sequence() : asn::sequence(&descriptor) {}
    iPXAddress_sequence(const iPXAddress_sequence& other);
    iPXAddress_sequence& operator=(const iPXAddress_sequence& other);
    ~iPXAddress_sequence() override;
    static asn::object* create();

    asn::octetString<6u, 6u, 1> node;
    asn::octetString<4u, 4u, 1> netnum;
    asn::octetString<2u, 2u, 1> tsapIdentifier;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class iP6Address_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    iP6Address_sequence() : asn::sequence(&descriptor) {}
    iP6Address_sequence(const iP6Address_sequence& other);
    iP6Address_sequence& operator=(const iP6Address_sequence& other);
    ~iP6Address_sequence() override;
    static asn::object* create();

    asn::octetString<16u, 16u, 1> network;
    asn::integer<0u, 65535u, 1> tsapIdentifier;
  };

  // SEQUENCE, extensible; 4 root, 0 extension.
  class iPSourceRouteAddress_sequence : public asn::sequence {
  public:
    // CHOICE, not extensible; 2 root, 0 extension.
    class routing_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      routing_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    iPSourceRouteAddress_sequence() : asn::sequence(&descriptor) {}
    iPSourceRouteAddress_sequence(const iPSourceRouteAddress_sequence& other);
    iPSourceRouteAddress_sequence& operator=(const iPSourceRouteAddress_sequence& other);
    ~iPSourceRouteAddress_sequence() override;
    static asn::object* create();

    H245::unicastAddress::iPSourceRouteAddress_sequence::routing_choice routing;
    asn::octetString<4u, 4u, 1> network;
    asn::integer<0u, 65535u, 1> tsapIdentifier;
    asn::sequenceOf<asn::octetString<4u, 4u, 1>, 0u, 0u, 1> route;
  };

  static const asn::choiceDescriptor descriptor;

  unicastAddress() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 2 extension.
class multicastAddress : public asn::choice {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class iPAddress_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    iPAddress_sequence() : asn::sequence(&descriptor) {}
    iPAddress_sequence(const iPAddress_sequence& other);
    iPAddress_sequence& operator=(const iPAddress_sequence& other);
    ~iPAddress_sequence() override;
    static asn::object* create();

    asn::octetString<4u, 4u, 1> network;
    asn::integer<0u, 65535u, 1> tsapIdentifier;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class iP6Address_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    iP6Address_sequence() : asn::sequence(&descriptor) {}
    iP6Address_sequence(const iP6Address_sequence& other);
    iP6Address_sequence& operator=(const iP6Address_sequence& other);
    ~iP6Address_sequence() override;
    static asn::object* create();

    asn::octetString<16u, 16u, 1> network;
    asn::integer<0u, 65535u, 1> tsapIdentifier;
  };

  static const asn::choiceDescriptor descriptor;

  multicastAddress() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 1 extension.
class encryptionSync : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  encryptionSync() : asn::sequence(&descriptor) {}
  encryptionSync(const encryptionSync& other);
  encryptionSync& operator=(const encryptionSync& other);
  ~encryptionSync() override;
  static asn::object* create();

  H245::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
  asn::integer<0u, 255u, 1> synchFlag;
  asn::octetString<1u, 65535u, 1> h235Key;
  asn::sequenceOf<H245::escrowData, 1u, 256u, 1>* escrowentry = nullptr;  // OPTIONAL
  H245::genericParameter* genericParameter = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class escrowData : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  escrowData() : asn::sequence(&descriptor) {}
  escrowData(const escrowData& other);
  escrowData& operator=(const escrowData& other);
  ~escrowData() override;
  static asn::object* create();

  asn::oid escrowID;
  asn::bitString<1u, 65535u, 1> escrowValue;
};

// SEQUENCE, extensible; 2 root, 4 extension.
class openLogicalChannelAck : public asn::sequence {
public:
  // SEQUENCE, extensible; 3 root, 1 extension.
  class reverseLogicalChannelParameters_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 1 root, 1 extension.
    class multiplexParameters_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      multiplexParameters_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    reverseLogicalChannelParameters_sequence() : asn::sequence(&descriptor) {}
    reverseLogicalChannelParameters_sequence(const reverseLogicalChannelParameters_sequence& other);
    reverseLogicalChannelParameters_sequence& operator=(const reverseLogicalChannelParameters_sequence& other);
    ~reverseLogicalChannelParameters_sequence() override;
    static asn::object* create();

    asn::integer<1u, 65535u, 1> reverseLogicalChannelNumber;
    asn::integer<0u, 65535u, 1>* portNumber = nullptr;  // OPTIONAL
    H245::openLogicalChannelAck::reverseLogicalChannelParameters_sequence::multiplexParameters_choice* multiplexParameters = nullptr;  // OPTIONAL
    asn::integer<1u, 65535u, 1>* replacementFor = nullptr;  // addition
  };

  // CHOICE, extensible; 1 root, 0 extension.
  class forwardMultiplexAckParameters_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    forwardMultiplexAckParameters_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  openLogicalChannelAck() : asn::sequence(&descriptor) {}
  openLogicalChannelAck(const openLogicalChannelAck& other);
  openLogicalChannelAck& operator=(const openLogicalChannelAck& other);
  ~openLogicalChannelAck() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  H245::openLogicalChannelAck::reverseLogicalChannelParameters_sequence* reverseLogicalChannelParameters = nullptr;  // OPTIONAL
  H245::networkAccessParameters* separateStack = nullptr;  // addition
  H245::openLogicalChannelAck::forwardMultiplexAckParameters_choice* forwardMultiplexAckParameters = nullptr;  // addition
  H245::encryptionSync* encryptionSync = nullptr;  // addition
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 1 extension.
class openLogicalChannelReject : public asn::sequence {
public:
  // CHOICE, extensible; 6 root, 10 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  openLogicalChannelReject() : asn::sequence(&descriptor) {}
  openLogicalChannelReject(const openLogicalChannelReject& other);
  openLogicalChannelReject& operator=(const openLogicalChannelReject& other);
  ~openLogicalChannelReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  H245::openLogicalChannelReject::cause_choice cause;
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 1 extension.
class openLogicalChannelConfirm : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  openLogicalChannelConfirm() : asn::sequence(&descriptor) {}
  openLogicalChannelConfirm(const openLogicalChannelConfirm& other);
  openLogicalChannelConfirm& operator=(const openLogicalChannelConfirm& other);
  ~openLogicalChannelConfirm() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  asn::sequenceOf<H245::genericMessage, 0u, 0u, 1>* genericInformation = nullptr;  // addition
};

// SEQUENCE, extensible; 5 root, 2 extension.
class h2250LogicalChannelAckParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h2250LogicalChannelAckParameters() : asn::sequence(&descriptor) {}
  h2250LogicalChannelAckParameters(const h2250LogicalChannelAckParameters& other);
  h2250LogicalChannelAckParameters& operator=(const h2250LogicalChannelAckParameters& other);
  ~h2250LogicalChannelAckParameters() override;
  static asn::object* create();

  asn::sequenceOf<H245::nonStandardParameter, 0u, 0u, 1>* nonStandard = nullptr;  // OPTIONAL
  asn::integer<1u, 255u, 1>* sessionID = nullptr;  // OPTIONAL
  H245::transportAddress* mediaChannel = nullptr;  // OPTIONAL
  H245::transportAddress* mediaControlChannel = nullptr;  // OPTIONAL
  asn::integer<96u, 127u, 1>* dynamicRTPPayloadType = nullptr;  // OPTIONAL
  asn::booltype* flowControlToZero = nullptr;  // addition
  asn::integer<0u, 65535u, 1>* portNumber = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 1 extension.
class closeLogicalChannel : public asn::sequence {
public:
  // CHOICE, not extensible; 2 root, 0 extension.
  class source_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    source_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 1 extension.
  class reason_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    reason_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  closeLogicalChannel() : asn::sequence(&descriptor) {}
  closeLogicalChannel(const closeLogicalChannel& other);
  closeLogicalChannel& operator=(const closeLogicalChannel& other);
  ~closeLogicalChannel() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  H245::closeLogicalChannel::source_choice source;
  H245::closeLogicalChannel::reason_choice* reason = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class closeLogicalChannelAck : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  closeLogicalChannelAck() : asn::sequence(&descriptor) {}
  closeLogicalChannelAck(const closeLogicalChannelAck& other);
  closeLogicalChannelAck& operator=(const closeLogicalChannelAck& other);
  ~closeLogicalChannelAck() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
};

// SEQUENCE, extensible; 1 root, 2 extension.
class requestChannelClose : public asn::sequence {
public:
  // CHOICE, extensible; 4 root, 1 extension.
  class reason_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    reason_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  requestChannelClose() : asn::sequence(&descriptor) {}
  requestChannelClose(const requestChannelClose& other);
  requestChannelClose& operator=(const requestChannelClose& other);
  ~requestChannelClose() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  H245::qOSCapability* qosCapability = nullptr;  // addition
  H245::requestChannelClose::reason_choice* reason = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class requestChannelCloseAck : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestChannelCloseAck() : asn::sequence(&descriptor) {}
  requestChannelCloseAck(const requestChannelCloseAck& other);
  requestChannelCloseAck& operator=(const requestChannelCloseAck& other);
  ~requestChannelCloseAck() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class requestChannelCloseReject : public asn::sequence {
public:
  // CHOICE, extensible; 1 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  requestChannelCloseReject() : asn::sequence(&descriptor) {}
  requestChannelCloseReject(const requestChannelCloseReject& other);
  requestChannelCloseReject& operator=(const requestChannelCloseReject& other);
  ~requestChannelCloseReject() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
  H245::requestChannelCloseReject::cause_choice cause;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class requestChannelCloseRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestChannelCloseRelease() : asn::sequence(&descriptor) {}
  requestChannelCloseRelease(const requestChannelCloseRelease& other);
  requestChannelCloseRelease& operator=(const requestChannelCloseRelease& other);
  ~requestChannelCloseRelease() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> forwardLogicalChannelNumber;
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class multiplexEntryDescriptor : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexEntryDescriptor() : asn::sequence(&descriptor) {}
  multiplexEntryDescriptor(const multiplexEntryDescriptor& other);
  multiplexEntryDescriptor& operator=(const multiplexEntryDescriptor& other);
  ~multiplexEntryDescriptor() override;
  static asn::object* create();

  asn::integer<1u, 15u, 1> multiplexTableEntryNumber;
  asn::sequenceOf<H245::multiplexElement, 1u, 256u, 1>* elementList = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class multiplexEntrySend : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexEntrySend() : asn::sequence(&descriptor) {}
  multiplexEntrySend(const multiplexEntrySend& other);
  multiplexEntrySend& operator=(const multiplexEntrySend& other);
  ~multiplexEntrySend() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::sequenceOf<H245::multiplexEntryDescriptor, 1u, 15u, 1> multiplexEntryDescriptors;
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class multiplexElement : public asn::sequence {
public:
  // CHOICE, not extensible; 2 root, 0 extension.
  class type_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 2 root, 0 extension.
  class repeatCount_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    repeatCount_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  multiplexElement() : asn::sequence(&descriptor) {}
  multiplexElement(const multiplexElement& other);
  multiplexElement& operator=(const multiplexElement& other);
  ~multiplexElement() override;
  static asn::object* create();

  H245::multiplexElement::type_choice type;
  H245::multiplexElement::repeatCount_choice repeatCount;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class multiplexEntrySendAck : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexEntrySendAck() : asn::sequence(&descriptor) {}
  multiplexEntrySendAck(const multiplexEntrySendAck& other);
  multiplexEntrySendAck& operator=(const multiplexEntrySendAck& other);
  ~multiplexEntrySendAck() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::sequenceOf<asn::integer<1u, 15u, 1>, 1u, 15u, 1> multiplexTableEntryNumber;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class multiplexEntryRejectionDescriptions : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  multiplexEntryRejectionDescriptions() : asn::sequence(&descriptor) {}
  multiplexEntryRejectionDescriptions(const multiplexEntryRejectionDescriptions& other);
  multiplexEntryRejectionDescriptions& operator=(const multiplexEntryRejectionDescriptions& other);
  ~multiplexEntryRejectionDescriptions() override;
  static asn::object* create();

  asn::integer<1u, 15u, 1> multiplexTableEntryNumber;
  H245::multiplexEntryRejectionDescriptions::cause_choice cause;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class multiplexEntrySendReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexEntrySendReject() : asn::sequence(&descriptor) {}
  multiplexEntrySendReject(const multiplexEntrySendReject& other);
  multiplexEntrySendReject& operator=(const multiplexEntrySendReject& other);
  ~multiplexEntrySendReject() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::sequenceOf<H245::multiplexEntryRejectionDescriptions, 1u, 15u, 1> rejectionDescriptions;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class multiplexEntrySendRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexEntrySendRelease() : asn::sequence(&descriptor) {}
  multiplexEntrySendRelease(const multiplexEntrySendRelease& other);
  multiplexEntrySendRelease& operator=(const multiplexEntrySendRelease& other);
  ~multiplexEntrySendRelease() override;
  static asn::object* create();

  asn::sequenceOf<asn::integer<1u, 15u, 1>, 1u, 15u, 1> multiplexTableEntryNumber;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class requestMultiplexEntry : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestMultiplexEntry() : asn::sequence(&descriptor) {}
  requestMultiplexEntry(const requestMultiplexEntry& other);
  requestMultiplexEntry& operator=(const requestMultiplexEntry& other);
  ~requestMultiplexEntry() override;
  static asn::object* create();

  asn::sequenceOf<asn::integer<1u, 15u, 1>, 1u, 15u, 1> entryNumbers;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class requestMultiplexEntryAck : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestMultiplexEntryAck() : asn::sequence(&descriptor) {}
  requestMultiplexEntryAck(const requestMultiplexEntryAck& other);
  requestMultiplexEntryAck& operator=(const requestMultiplexEntryAck& other);
  ~requestMultiplexEntryAck() override;
  static asn::object* create();

  asn::sequenceOf<asn::integer<1u, 15u, 1>, 1u, 15u, 1> entryNumbers;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class requestMultiplexEntryRejectionDescriptions : public asn::sequence {
public:
  // CHOICE, extensible; 1 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  requestMultiplexEntryRejectionDescriptions() : asn::sequence(&descriptor) {}
  requestMultiplexEntryRejectionDescriptions(const requestMultiplexEntryRejectionDescriptions& other);
  requestMultiplexEntryRejectionDescriptions& operator=(const requestMultiplexEntryRejectionDescriptions& other);
  ~requestMultiplexEntryRejectionDescriptions() override;
  static asn::object* create();

  asn::integer<1u, 15u, 1> multiplexTableEntryNumber;
  H245::requestMultiplexEntryRejectionDescriptions::cause_choice cause;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class requestMultiplexEntryReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestMultiplexEntryReject() : asn::sequence(&descriptor) {}
  requestMultiplexEntryReject(const requestMultiplexEntryReject& other);
  requestMultiplexEntryReject& operator=(const requestMultiplexEntryReject& other);
  ~requestMultiplexEntryReject() override;
  static asn::object* create();

  asn::sequenceOf<asn::integer<1u, 15u, 1>, 1u, 15u, 1> entryNumbers;
  asn::sequenceOf<H245::requestMultiplexEntryRejectionDescriptions, 1u, 15u, 1> rejectionDescriptions;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class requestMultiplexEntryRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestMultiplexEntryRelease() : asn::sequence(&descriptor) {}
  requestMultiplexEntryRelease(const requestMultiplexEntryRelease& other);
  requestMultiplexEntryRelease& operator=(const requestMultiplexEntryRelease& other);
  ~requestMultiplexEntryRelease() override;
  static asn::object* create();

  asn::sequenceOf<asn::integer<1u, 15u, 1>, 1u, 15u, 1> entryNumbers;
};

// CHOICE, extensible; 5 root, 6 extension.
class modeElementType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  modeElementType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 5 extension.
class modeElement : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  modeElement() : asn::sequence(&descriptor) {}
  modeElement(const modeElement& other);
  modeElement& operator=(const modeElement& other);
  ~modeElement() override;
  static asn::object* create();

  H245::modeElementType type;
  H245::h223ModeParameters* h223ModeParameters = nullptr;  // OPTIONAL
  H245::v76ModeParameters* v76ModeParameters = nullptr;  // addition
  H245::h2250ModeParameters* h2250ModeParameters = nullptr;  // addition
  H245::genericCapability* genericModeParameters = nullptr;  // addition
  H245::multiplexedStreamModeParameters* multiplexedStreamModeParameters = nullptr;  // addition
  asn::integer<1u, 65535u, 1>* logicalChannelNumber = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 0 extension.
class requestMode : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestMode() : asn::sequence(&descriptor) {}
  requestMode(const requestMode& other);
  requestMode& operator=(const requestMode& other);
  ~requestMode() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::sequenceOf<asn::sequenceOf<H245::modeElement, 1u, 256u, 1>, 1u, 256u, 1> requestedModes;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class requestModeAck : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class response_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    response_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  requestModeAck() : asn::sequence(&descriptor) {}
  requestModeAck(const requestModeAck& other);
  requestModeAck& operator=(const requestModeAck& other);
  ~requestModeAck() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  H245::requestModeAck::response_choice response;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class requestModeReject : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  requestModeReject() : asn::sequence(&descriptor) {}
  requestModeReject(const requestModeReject& other);
  requestModeReject& operator=(const requestModeReject& other);
  ~requestModeReject() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  H245::requestModeReject::cause_choice cause;
};

// SEQUENCE, extensible; 0 root, 0 extension.
class requestModeRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestModeRelease() : asn::sequence(&descriptor) {}
  requestModeRelease(const requestModeRelease& other);
  requestModeRelease& operator=(const requestModeRelease& other);
  ~requestModeRelease() override;
  static asn::object* create();

};

// SEQUENCE, extensible; 2 root, 0 extension.
class h235Mode : public asn::sequence {
public:
  // CHOICE, extensible; 4 root, 0 extension.
  class mediaMode_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    mediaMode_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h235Mode() : asn::sequence(&descriptor) {}
  h235Mode(const h235Mode& other);
  h235Mode& operator=(const h235Mode& other);
  ~h235Mode() override;
  static asn::object* create();

  H245::encryptionAuthenticationAndIntegrity encryptionAuthenticationAndIntegrity;
  H245::h235Mode::mediaMode_choice mediaMode;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class multiplexedStreamModeParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplexedStreamModeParameters() : asn::sequence(&descriptor) {}
  multiplexedStreamModeParameters(const multiplexedStreamModeParameters& other);
  multiplexedStreamModeParameters& operator=(const multiplexedStreamModeParameters& other);
  ~multiplexedStreamModeParameters() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> logicalChannelNumber;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class redundancyEncodingDTModeElement : public asn::sequence {
public:
  // CHOICE, extensible; 6 root, 1 extension.
  class type_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  redundancyEncodingDTModeElement() : asn::sequence(&descriptor) {}
  redundancyEncodingDTModeElement(const redundancyEncodingDTModeElement& other);
  redundancyEncodingDTModeElement& operator=(const redundancyEncodingDTModeElement& other);
  ~redundancyEncodingDTModeElement() override;
  static asn::object* create();

  H245::redundancyEncodingDTModeElement::type_choice type;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class redundancyEncodingDTMode : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  redundancyEncodingDTMode() : asn::sequence(&descriptor) {}
  redundancyEncodingDTMode(const redundancyEncodingDTMode& other);
  redundancyEncodingDTMode& operator=(const redundancyEncodingDTMode& other);
  ~redundancyEncodingDTMode() override;
  static asn::object* create();

  H245::redundancyEncodingMethod redundancyEncodingMethod;
  H245::redundancyEncodingDTModeElement primary;
  asn::sequenceOf<H245::redundancyEncodingDTModeElement, 0u, 0u, 1> secondary;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class multiplePayloadStreamElementMode : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplePayloadStreamElementMode() : asn::sequence(&descriptor) {}
  multiplePayloadStreamElementMode(const multiplePayloadStreamElementMode& other);
  multiplePayloadStreamElementMode& operator=(const multiplePayloadStreamElementMode& other);
  ~multiplePayloadStreamElementMode() override;
  static asn::object* create();

  H245::modeElementType type;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class multiplePayloadStreamMode : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  multiplePayloadStreamMode() : asn::sequence(&descriptor) {}
  multiplePayloadStreamMode(const multiplePayloadStreamMode& other);
  multiplePayloadStreamMode& operator=(const multiplePayloadStreamMode& other);
  ~multiplePayloadStreamMode() override;
  static asn::object* create();

  asn::sequenceOf<H245::multiplePayloadStreamElementMode, 0u, 0u, 1> elements;
};

// CHOICE, extensible; 1 root, 0 extension.
class depFECMode : public asn::choice {
public:
  // SEQUENCE, extensible; 1 root, 0 extension.
  class rfc2733Mode_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 2 root, 0 extension.
    class mode_choice : public asn::choice {
    public:
      // CHOICE, extensible; 2 root, 0 extension.
      class separateStream_choice : public asn::choice {
      public:
        // SEQUENCE, extensible; 2 root, 0 extension.
        class differentPort_sequence : public asn::sequence {
        public:
          static const asn::sequenceDescriptor descriptor;

          differentPort_sequence() : asn::sequence(&descriptor) {}
          differentPort_sequence(const differentPort_sequence& other);
          differentPort_sequence& operator=(const differentPort_sequence& other);
          ~differentPort_sequence() override;
          static asn::object* create();

          asn::integer<1u, 255u, 1> protectedSessionID;
          asn::integer<0u, 127u, 1>* protectedPayloadType = nullptr;  // OPTIONAL
        };

        // SEQUENCE, extensible; 1 root, 0 extension.
        class samePort_sequence : public asn::sequence {
        public:
          static const asn::sequenceDescriptor descriptor;

          samePort_sequence() : asn::sequence(&descriptor) {}
          samePort_sequence(const samePort_sequence& other);
          samePort_sequence& operator=(const samePort_sequence& other);
          ~samePort_sequence() override;
          static asn::object* create();

          H245::modeElementType protectedType;
        };

        static const asn::choiceDescriptor descriptor;

        separateStream_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::choiceDescriptor descriptor;

      mode_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    rfc2733Mode_sequence() : asn::sequence(&descriptor) {}
    rfc2733Mode_sequence(const rfc2733Mode_sequence& other);
    rfc2733Mode_sequence& operator=(const rfc2733Mode_sequence& other);
    ~rfc2733Mode_sequence() override;
    static asn::object* create();

    H245::depFECMode::rfc2733Mode_sequence::mode_choice mode;
  };

  static const asn::choiceDescriptor descriptor;

  depFECMode() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class fECMode : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class rfc2733Format_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    rfc2733Format_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  fECMode() : asn::sequence(&descriptor) {}
  fECMode(const fECMode& other);
  fECMode& operator=(const fECMode& other);
  ~fECMode() override;
  static asn::object* create();

  H245::modeElementType protectedElement;
  asn::oid* fecScheme = nullptr;  // OPTIONAL
  H245::fECMode::rfc2733Format_choice* rfc2733Format = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class h223ModeParameters : public asn::sequence {
public:
  // CHOICE, extensible; 6 root, 3 extension.
  class adaptationLayerType_choice : public asn::choice {
  public:
    // SEQUENCE, not extensible; 2 root, 0 extension.
    class al3_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      al3_sequence() : asn::sequence(&descriptor) {}
      al3_sequence(const al3_sequence& other);
      al3_sequence& operator=(const al3_sequence& other);
      ~al3_sequence() override;
      static asn::object* create();

      asn::integer<0u, 2u, 1> controlFieldOctets;
      asn::integer<0u, 16777215u, 1> sendBufferSize;
    };

    static const asn::choiceDescriptor descriptor;

    adaptationLayerType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h223ModeParameters() : asn::sequence(&descriptor) {}
  h223ModeParameters(const h223ModeParameters& other);
  h223ModeParameters& operator=(const h223ModeParameters& other);
  ~h223ModeParameters() override;
  static asn::object* create();

  H245::h223ModeParameters::adaptationLayerType_choice adaptationLayerType;
  asn::booltype segmentableFlag;
};

// CHOICE, extensible; 2 root, 0 extension.
class v76ModeParameters : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  v76ModeParameters() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 1 root, 0 extension.
class h2250ModeParameters : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h2250ModeParameters() : asn::sequence(&descriptor) {}
  h2250ModeParameters(const h2250ModeParameters& other);
  h2250ModeParameters& operator=(const h2250ModeParameters& other);
  ~h2250ModeParameters() override;
  static asn::object* create();

  H245::redundancyEncodingMode* redundancyEncodingMode = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 2 root, 0 extension.
class redundancyEncodingMode : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class secondaryEncoding_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    secondaryEncoding_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  redundancyEncodingMode() : asn::sequence(&descriptor) {}
  redundancyEncodingMode(const redundancyEncodingMode& other);
  redundancyEncodingMode& operator=(const redundancyEncodingMode& other);
  ~redundancyEncodingMode() override;
  static asn::object* create();

  H245::redundancyEncodingMethod redundancyEncodingMethod;
  H245::redundancyEncodingMode::secondaryEncoding_choice* secondaryEncoding = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 5 root, 1 extension.
class videoMode : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  videoMode() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class h261VideoMode : public asn::sequence {
public:
  // CHOICE, not extensible; 2 root, 0 extension.
  class resolution_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    resolution_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h261VideoMode() : asn::sequence(&descriptor) {}
  h261VideoMode(const h261VideoMode& other);
  h261VideoMode& operator=(const h261VideoMode& other);
  ~h261VideoMode() override;
  static asn::object* create();

  H245::h261VideoMode::resolution_choice resolution;
  asn::integer<1u, 19200u, 1> bitRate;
  asn::booltype stillImageTransmission;
};

// SEQUENCE, extensible; 7 root, 0 extension.
class h262VideoMode : public asn::sequence {
public:
  // CHOICE, extensible; 11 root, 0 extension.
  class profileAndLevel_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    profileAndLevel_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h262VideoMode() : asn::sequence(&descriptor) {}
  h262VideoMode(const h262VideoMode& other);
  h262VideoMode& operator=(const h262VideoMode& other);
  ~h262VideoMode() override;
  static asn::object* create();

  H245::h262VideoMode::profileAndLevel_choice profileAndLevel;
  asn::integer<0u, 1073741823u, 1>* videoBitRate = nullptr;  // OPTIONAL
  asn::integer<0u, 262143u, 1>* vbvBufferSize = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* samplesPerLine = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* linesPerFrame = nullptr;  // OPTIONAL
  asn::integer<0u, 15u, 1>* framesPerSecond = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1>* luminanceSampleRate = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 6 root, 3 extension.
class h263VideoMode : public asn::sequence {
public:
  // CHOICE, extensible; 5 root, 1 extension.
  class resolution_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    resolution_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  h263VideoMode() : asn::sequence(&descriptor) {}
  h263VideoMode(const h263VideoMode& other);
  h263VideoMode& operator=(const h263VideoMode& other);
  ~h263VideoMode() override;
  static asn::object* create();

  H245::h263VideoMode::resolution_choice resolution;
  asn::integer<1u, 19200u, 1> bitRate;
  asn::booltype unrestrictedVector;
  asn::booltype arithmeticCoding;
  asn::booltype advancedPrediction;
  asn::booltype pbFrames;
  asn::booltype* errorCompensation = nullptr;  // addition
  H245::enhancementLayerInfo* enhancementLayerInfo = nullptr;  // addition
  H245::h263Options* h263Options = nullptr;  // addition
};

// SEQUENCE, extensible; 7 root, 0 extension.
class iS11172VideoMode : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  iS11172VideoMode() : asn::sequence(&descriptor) {}
  iS11172VideoMode(const iS11172VideoMode& other);
  iS11172VideoMode& operator=(const iS11172VideoMode& other);
  ~iS11172VideoMode() override;
  static asn::object* create();

  asn::booltype constrainedBitstream;
  asn::integer<0u, 1073741823u, 1>* videoBitRate = nullptr;  // OPTIONAL
  asn::integer<0u, 262143u, 1>* vbvBufferSize = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* samplesPerLine = nullptr;  // OPTIONAL
  asn::integer<0u, 16383u, 1>* linesPerFrame = nullptr;  // OPTIONAL
  asn::integer<0u, 15u, 1>* pictureRate = nullptr;  // OPTIONAL
  asn::integer<0u, 4294967295u, 1>* luminanceSampleRate = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 14 root, 9 extension.
class audioMode : public asn::choice {
public:
  // CHOICE, not extensible; 4 root, 0 extension.
  class g7231_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    g7231_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::choiceDescriptor descriptor;

  audioMode() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class iS11172AudioMode : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class audioLayer_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    audioLayer_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 3 root, 0 extension.
  class audioSampling_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    audioSampling_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 3 root, 0 extension.
  class multichannelType_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    multichannelType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  iS11172AudioMode() : asn::sequence(&descriptor) {}
  iS11172AudioMode(const iS11172AudioMode& other);
  iS11172AudioMode& operator=(const iS11172AudioMode& other);
  ~iS11172AudioMode() override;
  static asn::object* create();

  H245::iS11172AudioMode::audioLayer_choice audioLayer;
  H245::iS11172AudioMode::audioSampling_choice audioSampling;
  H245::iS11172AudioMode::multichannelType_choice multichannelType;
  asn::integer<1u, 448u, 1> bitRate;
};

// SEQUENCE, extensible; 6 root, 0 extension.
class iS13818AudioMode : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class audioLayer_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    audioLayer_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 6 root, 0 extension.
  class audioSampling_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    audioSampling_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 10 root, 0 extension.
  class multichannelType_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    multichannelType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  iS13818AudioMode() : asn::sequence(&descriptor) {}
  iS13818AudioMode(const iS13818AudioMode& other);
  iS13818AudioMode& operator=(const iS13818AudioMode& other);
  ~iS13818AudioMode() override;
  static asn::object* create();

  H245::iS13818AudioMode::audioLayer_choice audioLayer;
  H245::iS13818AudioMode::audioSampling_choice audioSampling;
  H245::iS13818AudioMode::multichannelType_choice multichannelType;
  asn::booltype lowFrequencyEnhancement;
  asn::booltype multilingual;
  asn::integer<1u, 1130u, 1> bitRate;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class g7231AnnexCMode : public asn::sequence {
public:
  // SEQUENCE, extensible; 6 root, 0 extension.
  class g723AnnexCAudioMode_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    g723AnnexCAudioMode_sequence() : asn::sequence(&descriptor) {}
    g723AnnexCAudioMode_sequence(const g723AnnexCAudioMode_sequence& other);
    g723AnnexCAudioMode_sequence& operator=(const g723AnnexCAudioMode_sequence& other);
    ~g723AnnexCAudioMode_sequence() override;
    static asn::object* create();

    asn::integer<27u, 78u, 1> highRateMode0;
    asn::integer<27u, 78u, 1> highRateMode1;
    asn::integer<23u, 66u, 1> lowRateMode0;
    asn::integer<23u, 66u, 1> lowRateMode1;
    asn::integer<6u, 17u, 1> sidMode0;
    asn::integer<6u, 17u, 1> sidMode1;
  };

  static const asn::sequenceDescriptor descriptor;

  g7231AnnexCMode() : asn::sequence(&descriptor) {}
  g7231AnnexCMode(const g7231AnnexCMode& other);
  g7231AnnexCMode& operator=(const g7231AnnexCMode& other);
  ~g7231AnnexCMode() override;
  static asn::object* create();

  asn::integer<1u, 256u, 1> maxAl_sduAudioFrames;
  asn::booltype silenceSuppression;
  H245::g7231AnnexCMode::g723AnnexCAudioMode_sequence g723AnnexCAudioMode;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class vBDMode : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  vBDMode() : asn::sequence(&descriptor) {}
  vBDMode(const vBDMode& other);
  vBDMode& operator=(const vBDMode& other);
  ~vBDMode() override;
  static asn::object* create();

  H245::audioMode type;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class dataMode : public asn::sequence {
public:
  // CHOICE, extensible; 10 root, 4 extension.
  class application_choice : public asn::choice {
  public:
    // SEQUENCE, not extensible; 2 root, 0 extension.
    class nlpid_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      nlpid_sequence() : asn::sequence(&descriptor) {}
      nlpid_sequence(const nlpid_sequence& other);
      nlpid_sequence& operator=(const nlpid_sequence& other);
      ~nlpid_sequence() override;
      static asn::object* create();

      H245::dataProtocolCapability nlpidProtocol;
      asn::octetString<0u, 0u, 1> nlpidData;
    };

    // SEQUENCE, not extensible; 2 root, 0 extension.
    class t38fax_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      t38fax_sequence() : asn::sequence(&descriptor) {}
      t38fax_sequence(const t38fax_sequence& other);
      t38fax_sequence& operator=(const t38fax_sequence& other);
      ~t38fax_sequence() override;
      static asn::object* create();

      H245::dataProtocolCapability t38FaxProtocol;
      H245::t38FaxProfile t38FaxProfile;
    };

    static const asn::choiceDescriptor descriptor;

    application_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  dataMode() : asn::sequence(&descriptor) {}
  dataMode(const dataMode& other);
  dataMode& operator=(const dataMode& other);
  ~dataMode() override;
  static asn::object* create();

  H245::dataMode::application_choice application;
  asn::integer<0u, 4294967295u, 1> bitRate;
};

// CHOICE, extensible; 2 root, 0 extension.
class encryptionMode : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  encryptionMode() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 1 root, 0 extension.
class roundTripDelayRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  roundTripDelayRequest() : asn::sequence(&descriptor) {}
  roundTripDelayRequest(const roundTripDelayRequest& other);
  roundTripDelayRequest& operator=(const roundTripDelayRequest& other);
  ~roundTripDelayRequest() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class roundTripDelayResponse : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  roundTripDelayResponse() : asn::sequence(&descriptor) {}
  roundTripDelayResponse(const roundTripDelayResponse& other);
  roundTripDelayResponse& operator=(const roundTripDelayResponse& other);
  ~roundTripDelayResponse() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class maintenanceLoopRequest : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class type_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  maintenanceLoopRequest() : asn::sequence(&descriptor) {}
  maintenanceLoopRequest(const maintenanceLoopRequest& other);
  maintenanceLoopRequest& operator=(const maintenanceLoopRequest& other);
  ~maintenanceLoopRequest() override;
  static asn::object* create();

  H245::maintenanceLoopRequest::type_choice type;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class maintenanceLoopAck : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class type_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  maintenanceLoopAck() : asn::sequence(&descriptor) {}
  maintenanceLoopAck(const maintenanceLoopAck& other);
  maintenanceLoopAck& operator=(const maintenanceLoopAck& other);
  ~maintenanceLoopAck() override;
  static asn::object* create();

  H245::maintenanceLoopAck::type_choice type;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class maintenanceLoopReject : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class type_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 1 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  maintenanceLoopReject() : asn::sequence(&descriptor) {}
  maintenanceLoopReject(const maintenanceLoopReject& other);
  maintenanceLoopReject& operator=(const maintenanceLoopReject& other);
  ~maintenanceLoopReject() override;
  static asn::object* create();

  H245::maintenanceLoopReject::type_choice type;
  H245::maintenanceLoopReject::cause_choice cause;
};

// SEQUENCE, extensible; 0 root, 0 extension.
class maintenanceLoopOffCommand : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  maintenanceLoopOffCommand() : asn::sequence(&descriptor) {}
  maintenanceLoopOffCommand(const maintenanceLoopOffCommand& other);
  maintenanceLoopOffCommand& operator=(const maintenanceLoopOffCommand& other);
  ~maintenanceLoopOffCommand() override;
  static asn::object* create();

};

// SEQUENCE, extensible; 10 root, 3 extension.
class communicationModeTableEntry : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class dataType_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    dataType_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  communicationModeTableEntry() : asn::sequence(&descriptor) {}
  communicationModeTableEntry(const communicationModeTableEntry& other);
  communicationModeTableEntry& operator=(const communicationModeTableEntry& other);
  ~communicationModeTableEntry() override;
  static asn::object* create();

  asn::sequenceOf<H245::nonStandardParameter, 0u, 0u, 1>* nonStandard = nullptr;  // OPTIONAL
  asn::integer<1u, 255u, 1> sessionID;
  asn::integer<1u, 255u, 1>* associatedSessionID = nullptr;  // OPTIONAL
  H245::terminalLabel* terminalLabel = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1> sessionDescription;
  H245::communicationModeTableEntry::dataType_choice dataType;
  H245::transportAddress* mediaChannel = nullptr;  // OPTIONAL
  asn::booltype* mediaGuaranteedDelivery = nullptr;  // OPTIONAL
  H245::transportAddress* mediaControlChannel = nullptr;  // OPTIONAL
  asn::booltype* mediaControlGuaranteedDelivery = nullptr;  // OPTIONAL
  H245::redundancyEncoding* redundancyEncoding = nullptr;  // addition
  asn::integer<1u, 255u, 1>* sessionDependency = nullptr;  // addition
  H245::terminalLabel* destination = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class communicationModeCommand : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  communicationModeCommand() : asn::sequence(&descriptor) {}
  communicationModeCommand(const communicationModeCommand& other);
  communicationModeCommand& operator=(const communicationModeCommand& other);
  ~communicationModeCommand() override;
  static asn::object* create();

  asn::sequenceOf<H245::communicationModeTableEntry, 1u, 256u, 1> communicationModeTable;
};

// SEQUENCE, extensible; 0 root, 0 extension.
class communicationModeRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  communicationModeRequest() : asn::sequence(&descriptor) {}
  communicationModeRequest(const communicationModeRequest& other);
  communicationModeRequest& operator=(const communicationModeRequest& other);
  ~communicationModeRequest() override;
  static asn::object* create();

};

// CHOICE, extensible; 1 root, 0 extension.
class communicationModeResponse : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  communicationModeResponse() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 8 root, 8 extension.
class conferenceRequest : public asn::choice {
public:
  // SEQUENCE, extensible; 3 root, 0 extension.
  class requestTerminalCertificate_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    requestTerminalCertificate_sequence() : asn::sequence(&descriptor) {}
    requestTerminalCertificate_sequence(const requestTerminalCertificate_sequence& other);
    requestTerminalCertificate_sequence& operator=(const requestTerminalCertificate_sequence& other);
    ~requestTerminalCertificate_sequence() override;
    static asn::object* create();

    H245::terminalLabel* terminalLabel = nullptr;  // OPTIONAL
    asn::sequenceOf<H245::criteria, 1u, 16u, 1>* certSelectionCriteria = nullptr;  // OPTIONAL
    asn::integer<1u, 4294967295u, 1>* sRandom = nullptr;  // OPTIONAL
  };

  static const asn::choiceDescriptor descriptor;

  conferenceRequest() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class criteria : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  criteria() : asn::sequence(&descriptor) {}
  criteria(const criteria& other);
  criteria& operator=(const criteria& other);
  ~criteria() override;
  static asn::object* create();

  asn::oid field;
  asn::octetString<1u, 65535u, 1> value;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class terminalLabel : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalLabel() : asn::sequence(&descriptor) {}
  terminalLabel(const terminalLabel& other);
  terminalLabel& operator=(const terminalLabel& other);
  ~terminalLabel() override;
  static asn::object* create();

  asn::integer<0u, 192u, 1> mcuNumber;
  asn::integer<0u, 192u, 1> terminalNumber;
};

// CHOICE, extensible; 8 root, 8 extension.
class conferenceResponse : public asn::choice {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class mCTerminalIDResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    mCTerminalIDResponse_sequence() : asn::sequence(&descriptor) {}
    mCTerminalIDResponse_sequence(const mCTerminalIDResponse_sequence& other);
    mCTerminalIDResponse_sequence& operator=(const mCTerminalIDResponse_sequence& other);
    ~mCTerminalIDResponse_sequence() override;
    static asn::object* create();

    H245::terminalLabel terminalLabel;
    asn::octetString<1u, 128u, 1> terminalID;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class terminalIDResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    terminalIDResponse_sequence() : asn::sequence(&descriptor) {}
    terminalIDResponse_sequence(const terminalIDResponse_sequence& other);
    terminalIDResponse_sequence& operator=(const terminalIDResponse_sequence& other);
    ~terminalIDResponse_sequence() override;
    static asn::object* create();

    H245::terminalLabel terminalLabel;
    asn::octetString<1u, 128u, 1> terminalID;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class conferenceIDResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    conferenceIDResponse_sequence() : asn::sequence(&descriptor) {}
    conferenceIDResponse_sequence(const conferenceIDResponse_sequence& other);
    conferenceIDResponse_sequence& operator=(const conferenceIDResponse_sequence& other);
    ~conferenceIDResponse_sequence() override;
    static asn::object* create();

    H245::terminalLabel terminalLabel;
    asn::octetString<1u, 32u, 1> conferenceID;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class passwordResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    passwordResponse_sequence() : asn::sequence(&descriptor) {}
    passwordResponse_sequence(const passwordResponse_sequence& other);
    passwordResponse_sequence& operator=(const passwordResponse_sequence& other);
    ~passwordResponse_sequence() override;
    static asn::object* create();

    H245::terminalLabel terminalLabel;
    asn::octetString<1u, 32u, 1> password;
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class makeMeChairResponse_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    makeMeChairResponse_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class extensionAddressResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    extensionAddressResponse_sequence() : asn::sequence(&descriptor) {}
    extensionAddressResponse_sequence(const extensionAddressResponse_sequence& other);
    extensionAddressResponse_sequence& operator=(const extensionAddressResponse_sequence& other);
    ~extensionAddressResponse_sequence() override;
    static asn::object* create();

    asn::octetString<1u, 128u, 1> extensionAddress;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class chairTokenOwnerResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    chairTokenOwnerResponse_sequence() : asn::sequence(&descriptor) {}
    chairTokenOwnerResponse_sequence(const chairTokenOwnerResponse_sequence& other);
    chairTokenOwnerResponse_sequence& operator=(const chairTokenOwnerResponse_sequence& other);
    ~chairTokenOwnerResponse_sequence() override;
    static asn::object* create();

    H245::terminalLabel terminalLabel;
    asn::octetString<1u, 128u, 1> terminalID;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class terminalCertificateResponse_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    terminalCertificateResponse_sequence() : asn::sequence(&descriptor) {}
    terminalCertificateResponse_sequence(const terminalCertificateResponse_sequence& other);
    terminalCertificateResponse_sequence& operator=(const terminalCertificateResponse_sequence& other);
    ~terminalCertificateResponse_sequence() override;
    static asn::object* create();

    H245::terminalLabel* terminalLabel = nullptr;  // OPTIONAL
    asn::octetString<1u, 65535u, 1>* certificateResponse = nullptr;  // OPTIONAL
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class broadcastMyLogicalChannelResponse_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    broadcastMyLogicalChannelResponse_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class makeTerminalBroadcasterResponse_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    makeTerminalBroadcasterResponse_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class sendThisSourceResponse_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    sendThisSourceResponse_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::choiceDescriptor descriptor;

  conferenceResponse() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class terminalInformation : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalInformation() : asn::sequence(&descriptor) {}
  terminalInformation(const terminalInformation& other);
  terminalInformation& operator=(const terminalInformation& other);
  ~terminalInformation() override;
  static asn::object* create();

  H245::terminalLabel terminalLabel;
  asn::octetString<1u, 128u, 1> terminalID;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class requestAllTerminalIDsResponse : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  requestAllTerminalIDsResponse() : asn::sequence(&descriptor) {}
  requestAllTerminalIDsResponse(const requestAllTerminalIDsResponse& other);
  requestAllTerminalIDsResponse& operator=(const requestAllTerminalIDsResponse& other);
  ~requestAllTerminalIDsResponse() override;
  static asn::object* create();

  asn::sequenceOf<H245::terminalInformation, 0u, 0u, 1> terminalInformation;
};

// CHOICE, extensible; 3 root, 0 extension.
class remoteMCRequest : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  remoteMCRequest() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class remoteMCResponse : public asn::choice {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class reject_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    reject_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::choiceDescriptor descriptor;

  remoteMCResponse() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class connectionIdentifier : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  connectionIdentifier() : asn::sequence(&descriptor) {}
  connectionIdentifier(const connectionIdentifier& other);
  connectionIdentifier& operator=(const connectionIdentifier& other);
  ~connectionIdentifier() override;
  static asn::object* create();

  asn::integer<0u, 4294967295u, 1> channelTag;
  asn::integer<0u, 4294967295u, 1> sequenceNumber;
};

// CHOICE, extensible; 3 root, 0 extension.
class dialingInformation : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  dialingInformation() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 5 root, 0 extension.
class multilinkRequest : public asn::choice {
public:
  // SEQUENCE, extensible; 1 root, 0 extension.
  class callInformation_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    callInformation_sequence() : asn::sequence(&descriptor) {}
    callInformation_sequence(const callInformation_sequence& other);
    callInformation_sequence& operator=(const callInformation_sequence& other);
    ~callInformation_sequence() override;
    static asn::object* create();

    asn::integer<1u, 65535u, 1> maxNumberOfAdditionalConnections;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class addConnection_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    addConnection_sequence() : asn::sequence(&descriptor) {}
    addConnection_sequence(const addConnection_sequence& other);
    addConnection_sequence& operator=(const addConnection_sequence& other);
    ~addConnection_sequence() override;
    static asn::object* create();

    asn::integer<0u, 255u, 1> sequenceNumber;
    H245::dialingInformation dialingInformation;
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class removeConnection_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    removeConnection_sequence() : asn::sequence(&descriptor) {}
    removeConnection_sequence(const removeConnection_sequence& other);
    removeConnection_sequence& operator=(const removeConnection_sequence& other);
    ~removeConnection_sequence() override;
    static asn::object* create();

    H245::connectionIdentifier connectionIdentifier;
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class maximumHeaderInterval_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 2 root, 0 extension.
    class requestType_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      requestType_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    maximumHeaderInterval_sequence() : asn::sequence(&descriptor) {}
    maximumHeaderInterval_sequence(const maximumHeaderInterval_sequence& other);
    maximumHeaderInterval_sequence& operator=(const maximumHeaderInterval_sequence& other);
    ~maximumHeaderInterval_sequence() override;
    static asn::object* create();

    H245::multilinkRequest::maximumHeaderInterval_sequence::requestType_choice requestType;
  };

  static const asn::choiceDescriptor descriptor;

  multilinkRequest() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 5 root, 0 extension.
class multilinkResponse : public asn::choice {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class callInformation_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    callInformation_sequence() : asn::sequence(&descriptor) {}
    callInformation_sequence(const callInformation_sequence& other);
    callInformation_sequence& operator=(const callInformation_sequence& other);
    ~callInformation_sequence() override;
    static asn::object* create();

    H245::dialingInformation dialingInformation;
    asn::integer<0u, 4294967295u, 1> callAssociationNumber;
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class addConnection_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 2 root, 0 extension.
    class responseCode_choice : public asn::choice {
    public:
      // CHOICE, extensible; 2 root, 0 extension.
      class rejected_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        rejected_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::choiceDescriptor descriptor;

      responseCode_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    addConnection_sequence() : asn::sequence(&descriptor) {}
    addConnection_sequence(const addConnection_sequence& other);
    addConnection_sequence& operator=(const addConnection_sequence& other);
    ~addConnection_sequence() override;
    static asn::object* create();

    asn::integer<0u, 255u, 1> sequenceNumber;
    H245::multilinkResponse::addConnection_sequence::responseCode_choice responseCode;
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class removeConnection_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    removeConnection_sequence() : asn::sequence(&descriptor) {}
    removeConnection_sequence(const removeConnection_sequence& other);
    removeConnection_sequence& operator=(const removeConnection_sequence& other);
    ~removeConnection_sequence() override;
    static asn::object* create();

    H245::connectionIdentifier connectionIdentifier;
  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class maximumHeaderInterval_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    maximumHeaderInterval_sequence() : asn::sequence(&descriptor) {}
    maximumHeaderInterval_sequence(const maximumHeaderInterval_sequence& other);
    maximumHeaderInterval_sequence& operator=(const maximumHeaderInterval_sequence& other);
    ~maximumHeaderInterval_sequence() override;
    static asn::object* create();

    asn::integer<0u, 65535u, 1> currentInterval;
  };

  static const asn::choiceDescriptor descriptor;

  multilinkResponse() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 3 root, 0 extension.
class multilinkIndication : public asn::choice {
public:
  // SEQUENCE, extensible; 0 root, 0 extension.
  class crcDesired_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    crcDesired_sequence() : asn::sequence(&descriptor) {}
    crcDesired_sequence(const crcDesired_sequence& other);
    crcDesired_sequence& operator=(const crcDesired_sequence& other);
    ~crcDesired_sequence() override;
    static asn::object* create();

  };

  // SEQUENCE, extensible; 1 root, 0 extension.
  class excessiveError_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    excessiveError_sequence() : asn::sequence(&descriptor) {}
    excessiveError_sequence(const excessiveError_sequence& other);
    excessiveError_sequence& operator=(const excessiveError_sequence& other);
    ~excessiveError_sequence() override;
    static asn::object* create();

    H245::connectionIdentifier connectionIdentifier;
  };

  static const asn::choiceDescriptor descriptor;

  multilinkIndication() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 3 root, 1 extension.
class dialingInformationNetworkType : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  dialingInformationNetworkType() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 3 root, 0 extension.
class dialingInformationNumber : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  dialingInformationNumber() : asn::sequence(&descriptor) {}
  dialingInformationNumber(const dialingInformationNumber& other);
  dialingInformationNumber& operator=(const dialingInformationNumber& other);
  ~dialingInformationNumber() override;
  static asn::object* create();

  asn::numericString<0u, 40u, 1, asn::constrainedString::NumericSet, 11u> networkAddress;
  asn::IA5String<1u, 40u, 1, asn::constrainedString::IA5Set, 128u>* subAddress = nullptr;  // OPTIONAL
  asn::sequenceOf<H245::dialingInformationNetworkType, 1u, 255u, 1> networkType;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class logicalChannelRateRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  logicalChannelRateRequest() : asn::sequence(&descriptor) {}
  logicalChannelRateRequest(const logicalChannelRateRequest& other);
  logicalChannelRateRequest& operator=(const logicalChannelRateRequest& other);
  ~logicalChannelRateRequest() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::integer<1u, 65535u, 1> logicalChannelNumber;
  asn::integer<0u, 4294967295u, 1> maximumBitRate;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class logicalChannelRateAcknowledge : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  logicalChannelRateAcknowledge() : asn::sequence(&descriptor) {}
  logicalChannelRateAcknowledge(const logicalChannelRateAcknowledge& other);
  logicalChannelRateAcknowledge& operator=(const logicalChannelRateAcknowledge& other);
  ~logicalChannelRateAcknowledge() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::integer<1u, 65535u, 1> logicalChannelNumber;
  asn::integer<0u, 4294967295u, 1> maximumBitRate;
};

// CHOICE, extensible; 2 root, 0 extension.
class logicalChannelRateRejectReason : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  logicalChannelRateRejectReason() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class logicalChannelRateReject : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  logicalChannelRateReject() : asn::sequence(&descriptor) {}
  logicalChannelRateReject(const logicalChannelRateReject& other);
  logicalChannelRateReject& operator=(const logicalChannelRateReject& other);
  ~logicalChannelRateReject() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> sequenceNumber;
  asn::integer<1u, 65535u, 1> logicalChannelNumber;
  H245::logicalChannelRateRejectReason rejectReason;
  asn::integer<0u, 4294967295u, 1>* currentMaximumBitRate = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 0 root, 0 extension.
class logicalChannelRateRelease : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  logicalChannelRateRelease() : asn::sequence(&descriptor) {}
  logicalChannelRateRelease(const logicalChannelRateRelease& other);
  logicalChannelRateRelease& operator=(const logicalChannelRateRelease& other);
  ~logicalChannelRateRelease() override;
  static asn::object* create();

};

// CHOICE, extensible; 2 root, 0 extension.
class sendTerminalCapabilitySet : public asn::choice {
public:
  // SEQUENCE, extensible; 3 root, 0 extension.
  class specificRequest_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    specificRequest_sequence() : asn::sequence(&descriptor) {}
    specificRequest_sequence(const specificRequest_sequence& other);
    specificRequest_sequence& operator=(const specificRequest_sequence& other);
    ~specificRequest_sequence() override;
    static asn::object* create();

    asn::booltype multiplexCapability;
    asn::sequenceOf<asn::integer<1u, 65535u, 1>, 1u, 65535u, 1>* capabilityTableEntryNumbers = nullptr;  // OPTIONAL
    asn::sequenceOf<asn::integer<0u, 255u, 1>, 1u, 256u, 1>* capabilityDescriptorNumbers = nullptr;  // OPTIONAL
  };

  static const asn::choiceDescriptor descriptor;

  sendTerminalCapabilitySet() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 3 root, 0 extension.
class encryptionCommand : public asn::choice {
public:
  // SEQUENCE, not extensible; 2 root, 0 extension.
  class encryptionAlgorithmID_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    encryptionAlgorithmID_sequence() : asn::sequence(&descriptor) {}
    encryptionAlgorithmID_sequence(const encryptionAlgorithmID_sequence& other);
    encryptionAlgorithmID_sequence& operator=(const encryptionAlgorithmID_sequence& other);
    ~encryptionAlgorithmID_sequence() override;
    static asn::object* create();

    asn::integer<0u, 255u, 1> h233AlgorithmIdentifier;
    H245::nonStandardParameter associatedAlgorithm;
  };

  static const asn::choiceDescriptor descriptor;

  encryptionCommand() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class flowControlCommand : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class scope_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    scope_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 2 root, 0 extension.
  class restriction_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    restriction_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  flowControlCommand() : asn::sequence(&descriptor) {}
  flowControlCommand(const flowControlCommand& other);
  flowControlCommand& operator=(const flowControlCommand& other);
  ~flowControlCommand() override;
  static asn::object* create();

  H245::flowControlCommand::scope_choice scope;
  H245::flowControlCommand::restriction_choice restriction;
};

// CHOICE, extensible; 3 root, 2 extension.
class endSessionCommand : public asn::choice {
public:
  // CHOICE, extensible; 5 root, 0 extension.
  class gstnOptions_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    gstnOptions_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class isdnOptions_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    isdnOptions_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::choiceDescriptor descriptor;

  endSessionCommand() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 7 root, 1 extension.
class conferenceCommand : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  conferenceCommand() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 1 root, 0 extension.
class substituteConferenceIDCommand : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  substituteConferenceIDCommand() : asn::sequence(&descriptor) {}
  substituteConferenceIDCommand(const substituteConferenceIDCommand& other);
  substituteConferenceIDCommand& operator=(const substituteConferenceIDCommand& other);
  ~substituteConferenceIDCommand() override;
  static asn::object* create();

  asn::octetString<16u, 16u, 1> conferenceIdentifier;
};

// CHOICE, extensible; 2 root, 0 extension.
class encryptionUpdateDirection : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  encryptionUpdateDirection() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 2 root, 0 extension.
class pictureReference : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  pictureReference() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 1 extension.
class miscellaneousCommand : public asn::sequence {
public:
  // CHOICE, extensible; 10 root, 15 extension.
  class type_choice : public asn::choice {
  public:
    // SEQUENCE, not extensible; 2 root, 0 extension.
    class videoFastUpdateGOB_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      videoFastUpdateGOB_sequence() : asn::sequence(&descriptor) {}
      videoFastUpdateGOB_sequence(const videoFastUpdateGOB_sequence& other);
      videoFastUpdateGOB_sequence& operator=(const videoFastUpdateGOB_sequence& other);
      ~videoFastUpdateGOB_sequence() override;
      static asn::object* create();

      asn::integer<0u, 17u, 1> firstGOB;
      asn::integer<1u, 18u, 1> numberOfGOBs;
    };

    // SEQUENCE, extensible; 3 root, 0 extension.
    class videoFastUpdateMB_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      videoFastUpdateMB_sequence() : asn::sequence(&descriptor) {}
      videoFastUpdateMB_sequence(const videoFastUpdateMB_sequence& other);
      videoFastUpdateMB_sequence& operator=(const videoFastUpdateMB_sequence& other);
      ~videoFastUpdateMB_sequence() override;
      static asn::object* create();

      asn::integer<0u, 255u, 1>* firstGOB = nullptr;  // OPTIONAL
      asn::integer<1u, 8192u, 1>* firstMB = nullptr;  // OPTIONAL
      asn::integer<1u, 8192u, 1> numberOfMBs;
    };

    // SEQUENCE, extensible; 1 root, 0 extension.
    class progressiveRefinementStart_sequence : public asn::sequence {
    public:
      // CHOICE, extensible; 4 root, 0 extension.
      class repeatCount_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        repeatCount_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::sequenceDescriptor descriptor;

      progressiveRefinementStart_sequence() : asn::sequence(&descriptor) {}
      progressiveRefinementStart_sequence(const progressiveRefinementStart_sequence& other);
      progressiveRefinementStart_sequence& operator=(const progressiveRefinementStart_sequence& other);
      ~progressiveRefinementStart_sequence() override;
      static asn::object* create();

      H245::miscellaneousCommand::type_choice::progressiveRefinementStart_sequence::repeatCount_choice repeatCount;
    };

    // SEQUENCE, extensible; 3 root, 0 extension.
    class videoBadMBs_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      videoBadMBs_sequence() : asn::sequence(&descriptor) {}
      videoBadMBs_sequence(const videoBadMBs_sequence& other);
      videoBadMBs_sequence& operator=(const videoBadMBs_sequence& other);
      ~videoBadMBs_sequence() override;
      static asn::object* create();

      asn::integer<1u, 9216u, 1> firstMB;
      asn::integer<1u, 9216u, 1> numberOfMBs;
      asn::integer<0u, 1023u, 1> temporalReference;
    };

    // SEQUENCE, extensible; 3 root, 0 extension.
    class lostPartialPicture_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      lostPartialPicture_sequence() : asn::sequence(&descriptor) {}
      lostPartialPicture_sequence(const lostPartialPicture_sequence& other);
      lostPartialPicture_sequence& operator=(const lostPartialPicture_sequence& other);
      ~lostPartialPicture_sequence() override;
      static asn::object* create();

      H245::pictureReference pictureReference;
      asn::integer<1u, 9216u, 1> firstMB;
      asn::integer<1u, 9216u, 1> numberOfMBs;
    };

    // SEQUENCE, extensible; 2 root, 0 extension.
    class encryptionUpdateCommand_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      encryptionUpdateCommand_sequence() : asn::sequence(&descriptor) {}
      encryptionUpdateCommand_sequence(const encryptionUpdateCommand_sequence& other);
      encryptionUpdateCommand_sequence& operator=(const encryptionUpdateCommand_sequence& other);
      ~encryptionUpdateCommand_sequence() override;
      static asn::object* create();

      H245::encryptionSync encryptionSync;
      H245::multiplePayloadStream* multiplePayloadStream = nullptr;  // OPTIONAL
    };

    // SEQUENCE, extensible; 1 root, 0 extension.
    class encryptionUpdateAck_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      encryptionUpdateAck_sequence() : asn::sequence(&descriptor) {}
      encryptionUpdateAck_sequence(const encryptionUpdateAck_sequence& other);
      encryptionUpdateAck_sequence& operator=(const encryptionUpdateAck_sequence& other);
      ~encryptionUpdateAck_sequence() override;
      static asn::object* create();

      asn::integer<0u, 255u, 1> synchFlag;
    };

    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  miscellaneousCommand() : asn::sequence(&descriptor) {}
  miscellaneousCommand(const miscellaneousCommand& other);
  miscellaneousCommand& operator=(const miscellaneousCommand& other);
  ~miscellaneousCommand() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> logicalChannelNumber;
  H245::miscellaneousCommand::type_choice type;
  H245::encryptionUpdateDirection* direction = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 0 extension.
class keyProtectionMethod : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  keyProtectionMethod() : asn::sequence(&descriptor) {}
  keyProtectionMethod(const keyProtectionMethod& other);
  keyProtectionMethod& operator=(const keyProtectionMethod& other);
  ~keyProtectionMethod() override;
  static asn::object* create();

  asn::booltype secureChannel;
  asn::booltype sharedSecret;
  asn::booltype certProtectedKey;
};

// SEQUENCE, extensible; 1 root, 1 extension.
class encryptionUpdateRequest : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  encryptionUpdateRequest() : asn::sequence(&descriptor) {}
  encryptionUpdateRequest(const encryptionUpdateRequest& other);
  encryptionUpdateRequest& operator=(const encryptionUpdateRequest& other);
  ~encryptionUpdateRequest() override;
  static asn::object* create();

  H245::keyProtectionMethod* keyProtectionMethod = nullptr;  // OPTIONAL
  asn::integer<0u, 255u, 1>* synchFlag = nullptr;  // addition
};

// CHOICE, extensible; 2 root, 0 extension.
class h223MultiplexReconfiguration : public asn::choice {
public:
  // CHOICE, extensible; 4 root, 0 extension.
  class h223ModeChange_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    h223ModeChange_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 2 root, 0 extension.
  class h223AnnexADoubleFlag_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    h223AnnexADoubleFlag_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::choiceDescriptor descriptor;

  h223MultiplexReconfiguration() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 7 root, 0 extension.
class newATMVCCommand : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class aal_choice : public asn::choice {
  public:
    // SEQUENCE, extensible; 4 root, 0 extension.
    class aal1_sequence : public asn::sequence {
    public:
      // CHOICE, extensible; 3 root, 0 extension.
      class clockRecovery_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        clockRecovery_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      // CHOICE, extensible; 4 root, 0 extension.
      class errorCorrection_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        errorCorrection_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::sequenceDescriptor descriptor;

      aal1_sequence() : asn::sequence(&descriptor) {}
      aal1_sequence(const aal1_sequence& other);
      aal1_sequence& operator=(const aal1_sequence& other);
      ~aal1_sequence() override;
      static asn::object* create();

      H245::newATMVCCommand::aal_choice::aal1_sequence::clockRecovery_choice clockRecovery;
      H245::newATMVCCommand::aal_choice::aal1_sequence::errorCorrection_choice errorCorrection;
      asn::booltype structuredDataTransfer;
      asn::booltype partiallyFilledCells;
    };

    // SEQUENCE, extensible; 2 root, 0 extension.
    class aal5_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      aal5_sequence() : asn::sequence(&descriptor) {}
      aal5_sequence(const aal5_sequence& other);
      aal5_sequence& operator=(const aal5_sequence& other);
      ~aal5_sequence() override;
      static asn::object* create();

      asn::integer<0u, 65535u, 1> forwardMaximumSDUSize;
      asn::integer<0u, 65535u, 1> backwardMaximumSDUSize;
    };

    static const asn::choiceDescriptor descriptor;

    aal_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class multiplex_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    multiplex_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 4 root, 0 extension.
  class reverseParameters_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 3 root, 0 extension.
    class multiplex_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      multiplex_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    reverseParameters_sequence() : asn::sequence(&descriptor) {}
    reverseParameters_sequence(const reverseParameters_sequence& other);
    reverseParameters_sequence& operator=(const reverseParameters_sequence& other);
    ~reverseParameters_sequence() override;
    static asn::object* create();

    asn::integer<1u, 65535u, 1> bitRate;
    asn::booltype bitRateLockedToPCRClock;
    asn::booltype bitRateLockedToNetworkClock;
    H245::newATMVCCommand::reverseParameters_sequence::multiplex_choice multiplex;
  };

  static const asn::sequenceDescriptor descriptor;

  newATMVCCommand() : asn::sequence(&descriptor) {}
  newATMVCCommand(const newATMVCCommand& other);
  newATMVCCommand& operator=(const newATMVCCommand& other);
  ~newATMVCCommand() override;
  static asn::object* create();

  asn::integer<0u, 65535u, 1> resourceID;
  asn::integer<1u, 65535u, 1> bitRate;
  asn::booltype bitRateLockedToPCRClock;
  asn::booltype bitRateLockedToNetworkClock;
  H245::newATMVCCommand::aal_choice aal;
  H245::newATMVCCommand::multiplex_choice multiplex;
  H245::newATMVCCommand::reverseParameters_sequence reverseParameters;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class mobileMultilinkReconfigurationCommand : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class status_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    status_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  mobileMultilinkReconfigurationCommand() : asn::sequence(&descriptor) {}
  mobileMultilinkReconfigurationCommand(const mobileMultilinkReconfigurationCommand& other);
  mobileMultilinkReconfigurationCommand& operator=(const mobileMultilinkReconfigurationCommand& other);
  ~mobileMultilinkReconfigurationCommand() override;
  static asn::object* create();

  asn::integer<1u, 255u, 1> sampleSize;
  asn::integer<1u, 255u, 1> samplesPerFrame;
  H245::mobileMultilinkReconfigurationCommand::status_choice status;
};

// CHOICE, not extensible; 3 root, 0 extension.
class functionNotUnderstood : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  functionNotUnderstood() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class functionNotSupported : public asn::sequence {
public:
  // CHOICE, extensible; 3 root, 0 extension.
  class cause_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    cause_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  functionNotSupported() : asn::sequence(&descriptor) {}
  functionNotSupported(const functionNotSupported& other);
  functionNotSupported& operator=(const functionNotSupported& other);
  ~functionNotSupported() override;
  static asn::object* create();

  H245::functionNotSupported::cause_choice cause;
  asn::octetString<0u, 0u, 1>* returnedFunction = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 10 root, 6 extension.
class conferenceIndication : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  conferenceIndication() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 1 extension.
class terminalYouAreSeeingInSubPictureNumber : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  terminalYouAreSeeingInSubPictureNumber() : asn::sequence(&descriptor) {}
  terminalYouAreSeeingInSubPictureNumber(const terminalYouAreSeeingInSubPictureNumber& other);
  terminalYouAreSeeingInSubPictureNumber& operator=(const terminalYouAreSeeingInSubPictureNumber& other);
  ~terminalYouAreSeeingInSubPictureNumber() override;
  static asn::object* create();

  asn::integer<0u, 192u, 1> terminalNumber;
  asn::integer<0u, 255u, 1> subPictureNumber;
  asn::integer<0u, 192u, 1>* mcuNumber = nullptr;  // addition
};

// SEQUENCE, extensible; 1 root, 0 extension.
class videoIndicateCompose : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  videoIndicateCompose() : asn::sequence(&descriptor) {}
  videoIndicateCompose(const videoIndicateCompose& other);
  videoIndicateCompose& operator=(const videoIndicateCompose& other);
  ~videoIndicateCompose() override;
  static asn::object* create();

  asn::integer<0u, 255u, 1> compositionNumber;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class miscellaneousIndication : public asn::sequence {
public:
  // CHOICE, extensible; 10 root, 2 extension.
  class type_choice : public asn::choice {
  public:
    // SEQUENCE, extensible; 3 root, 0 extension.
    class videoNotDecodedMBs_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      videoNotDecodedMBs_sequence() : asn::sequence(&descriptor) {}
      videoNotDecodedMBs_sequence(const videoNotDecodedMBs_sequence& other);
      videoNotDecodedMBs_sequence& operator=(const videoNotDecodedMBs_sequence& other);
      ~videoNotDecodedMBs_sequence() override;
      static asn::object* create();

      asn::integer<1u, 8192u, 1> firstMB;
      asn::integer<1u, 8192u, 1> numberOfMBs;
      asn::integer<0u, 255u, 1> temporalReference;
    };

    static const asn::choiceDescriptor descriptor;

    type_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  miscellaneousIndication() : asn::sequence(&descriptor) {}
  miscellaneousIndication(const miscellaneousIndication& other);
  miscellaneousIndication& operator=(const miscellaneousIndication& other);
  ~miscellaneousIndication() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> logicalChannelNumber;
  H245::miscellaneousIndication::type_choice type;
};

// SEQUENCE, extensible; 5 root, 0 extension.
class jitterIndication : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class scope_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    scope_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  jitterIndication() : asn::sequence(&descriptor) {}
  jitterIndication(const jitterIndication& other);
  jitterIndication& operator=(const jitterIndication& other);
  ~jitterIndication() override;
  static asn::object* create();

  H245::jitterIndication::scope_choice scope;
  asn::integer<0u, 3u, 1> estimatedReceivedJitterMantissa;
  asn::integer<0u, 7u, 1> estimatedReceivedJitterExponent;
  asn::integer<0u, 15u, 1>* skippedFrameCount = nullptr;  // OPTIONAL
  asn::integer<0u, 262143u, 1>* additionalDecoderBuffer = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 3 root, 0 extension.
class h223SkewIndication : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h223SkewIndication() : asn::sequence(&descriptor) {}
  h223SkewIndication(const h223SkewIndication& other);
  h223SkewIndication& operator=(const h223SkewIndication& other);
  ~h223SkewIndication() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> logicalChannelNumber1;
  asn::integer<1u, 65535u, 1> logicalChannelNumber2;
  asn::integer<0u, 4095u, 1> skew;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class h2250MaximumSkewIndication : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h2250MaximumSkewIndication() : asn::sequence(&descriptor) {}
  h2250MaximumSkewIndication(const h2250MaximumSkewIndication& other);
  h2250MaximumSkewIndication& operator=(const h2250MaximumSkewIndication& other);
  ~h2250MaximumSkewIndication() override;
  static asn::object* create();

  asn::integer<1u, 65535u, 1> logicalChannelNumber1;
  asn::integer<1u, 65535u, 1> logicalChannelNumber2;
  asn::integer<0u, 4095u, 1> maximumSkew;
};

// SEQUENCE, extensible; 1 root, 0 extension.
class mCLocationIndication : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  mCLocationIndication() : asn::sequence(&descriptor) {}
  mCLocationIndication(const mCLocationIndication& other);
  mCLocationIndication& operator=(const mCLocationIndication& other);
  ~mCLocationIndication() override;
  static asn::object* create();

  H245::transportAddress signalAddress;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class vendorIdentification : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  vendorIdentification() : asn::sequence(&descriptor) {}
  vendorIdentification(const vendorIdentification& other);
  vendorIdentification& operator=(const vendorIdentification& other);
  ~vendorIdentification() override;
  static asn::object* create();

  H245::nonStandardIdentifier vendor;
  asn::octetString<1u, 256u, 1>* productNumber = nullptr;  // OPTIONAL
  asn::octetString<1u, 256u, 1>* versionNumber = nullptr;  // OPTIONAL
};

// SEQUENCE, extensible; 6 root, 1 extension.
class newATMVCIndication : public asn::sequence {
public:
  // CHOICE, extensible; 2 root, 0 extension.
  class aal_choice : public asn::choice {
  public:
    // SEQUENCE, extensible; 4 root, 0 extension.
    class aal1_sequence : public asn::sequence {
    public:
      // CHOICE, extensible; 3 root, 0 extension.
      class clockRecovery_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        clockRecovery_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      // CHOICE, extensible; 4 root, 0 extension.
      class errorCorrection_choice : public asn::choice {
      public:
        static const asn::choiceDescriptor descriptor;

        errorCorrection_choice() : asn::choice(&descriptor) {}
        static asn::object* create();
      };

      static const asn::sequenceDescriptor descriptor;

      aal1_sequence() : asn::sequence(&descriptor) {}
      aal1_sequence(const aal1_sequence& other);
      aal1_sequence& operator=(const aal1_sequence& other);
      ~aal1_sequence() override;
      static asn::object* create();

      H245::newATMVCIndication::aal_choice::aal1_sequence::clockRecovery_choice clockRecovery;
      H245::newATMVCIndication::aal_choice::aal1_sequence::errorCorrection_choice errorCorrection;
      asn::booltype structuredDataTransfer;
      asn::booltype partiallyFilledCells;
    };

    // SEQUENCE, extensible; 2 root, 0 extension.
    class aal5_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      aal5_sequence() : asn::sequence(&descriptor) {}
      aal5_sequence(const aal5_sequence& other);
      aal5_sequence& operator=(const aal5_sequence& other);
      ~aal5_sequence() override;
      static asn::object* create();

      asn::integer<0u, 65535u, 1> forwardMaximumSDUSize;
      asn::integer<0u, 65535u, 1> backwardMaximumSDUSize;
    };

    static const asn::choiceDescriptor descriptor;

    aal_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, extensible; 3 root, 0 extension.
  class multiplex_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    multiplex_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 4 root, 0 extension.
  class reverseParameters_sequence : public asn::sequence {
  public:
    // CHOICE, extensible; 3 root, 0 extension.
    class multiplex_choice : public asn::choice {
    public:
      static const asn::choiceDescriptor descriptor;

      multiplex_choice() : asn::choice(&descriptor) {}
      static asn::object* create();
    };

    static const asn::sequenceDescriptor descriptor;

    reverseParameters_sequence() : asn::sequence(&descriptor) {}
    reverseParameters_sequence(const reverseParameters_sequence& other);
    reverseParameters_sequence& operator=(const reverseParameters_sequence& other);
    ~reverseParameters_sequence() override;
    static asn::object* create();

    asn::integer<1u, 65535u, 1> bitRate;
    asn::booltype bitRateLockedToPCRClock;
    asn::booltype bitRateLockedToNetworkClock;
    H245::newATMVCIndication::reverseParameters_sequence::multiplex_choice multiplex;
  };

  static const asn::sequenceDescriptor descriptor;

  newATMVCIndication() : asn::sequence(&descriptor) {}
  newATMVCIndication(const newATMVCIndication& other);
  newATMVCIndication& operator=(const newATMVCIndication& other);
  ~newATMVCIndication() override;
  static asn::object* create();

  asn::integer<0u, 65535u, 1> resourceID;
  asn::integer<1u, 65535u, 1> bitRate;
  asn::booltype bitRateLockedToPCRClock;
  asn::booltype bitRateLockedToNetworkClock;
  H245::newATMVCIndication::aal_choice aal;
  H245::newATMVCIndication::multiplex_choice multiplex;
  H245::newATMVCIndication::reverseParameters_sequence* reverseParameters = nullptr;  // addition
};

// SEQUENCE, extensible; 3 root, 0 extension.
class params : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  params() : asn::sequence(&descriptor) {}
  params(const params& other);
  params& operator=(const params& other);
  ~params() override;
  static asn::object* create();

  asn::octetString<8u, 8u, 1>* iv8 = nullptr;  // OPTIONAL
  asn::octetString<16u, 16u, 1>* iv16 = nullptr;  // OPTIONAL
  asn::octetString<0u, 0u, 1>* iv = nullptr;  // OPTIONAL
};

// CHOICE, extensible; 2 root, 6 extension.
class userInputIndication : public asn::choice {
public:
  // CHOICE, extensible; 4 root, 3 extension.
  class userInputSupportIndication_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    userInputSupportIndication_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // SEQUENCE, extensible; 3 root, 4 extension.
  class signal_sequence : public asn::sequence {
  public:
    // SEQUENCE, extensible; 3 root, 0 extension.
    class rtp_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      rtp_sequence() : asn::sequence(&descriptor) {}
      rtp_sequence(const rtp_sequence& other);
      rtp_sequence& operator=(const rtp_sequence& other);
      ~rtp_sequence() override;
      static asn::object* create();

      asn::integer<0u, 4294967295u, 1>* timestamp = nullptr;  // OPTIONAL
      asn::integer<0u, 4294967295u, 1>* expirationTime = nullptr;  // OPTIONAL
      asn::integer<1u, 65535u, 1> logicalChannelNumber;
    };

    static const asn::sequenceDescriptor descriptor;

    signal_sequence() : asn::sequence(&descriptor) {}
    signal_sequence(const signal_sequence& other);
    signal_sequence& operator=(const signal_sequence& other);
    ~signal_sequence() override;
    static asn::object* create();

    asn::IA5String<1u, 1u, 1, H245::PermitedAlphabet1, 17u> signalType;
    asn::integer<1u, 65535u, 1>* duration = nullptr;  // OPTIONAL
    H245::userInputIndication::signal_sequence::rtp_sequence* rtp = nullptr;  // OPTIONAL
    asn::null* rtpPayloadIndication = nullptr;  // addition
    H245::params* paramS = nullptr;  // addition
    asn::octetString<1u, 1u, 1>* encryptedSignalType = nullptr;  // addition
    asn::oid* algorithmOID = nullptr;  // addition
  };

  // SEQUENCE, extensible; 2 root, 0 extension.
  class signalUpdate_sequence : public asn::sequence {
  public:
    // SEQUENCE, extensible; 1 root, 0 extension.
    class rtp_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      rtp_sequence() : asn::sequence(&descriptor) {}
      rtp_sequence(const rtp_sequence& other);
      rtp_sequence& operator=(const rtp_sequence& other);
      ~rtp_sequence() override;
      static asn::object* create();

      asn::integer<1u, 65535u, 1> logicalChannelNumber;
    };

    static const asn::sequenceDescriptor descriptor;

    signalUpdate_sequence() : asn::sequence(&descriptor) {}
    signalUpdate_sequence(const signalUpdate_sequence& other);
    signalUpdate_sequence& operator=(const signalUpdate_sequence& other);
    ~signalUpdate_sequence() override;
    static asn::object* create();

    asn::integer<1u, 65535u, 1> duration;
    H245::userInputIndication::signalUpdate_sequence::rtp_sequence* rtp = nullptr;  // OPTIONAL
  };

  // SEQUENCE, extensible; 2 root, 1 extension.
  class extendedAlphanumeric_sequence : public asn::sequence {
  public:
    // SEQUENCE, extensible; 3 root, 0 extension.
    class encryptedAlphanumeric_sequence : public asn::sequence {
    public:
      static const asn::sequenceDescriptor descriptor;

      encryptedAlphanumeric_sequence() : asn::sequence(&descriptor) {}
      encryptedAlphanumeric_sequence(const encryptedAlphanumeric_sequence& other);
      encryptedAlphanumeric_sequence& operator=(const encryptedAlphanumeric_sequence& other);
      ~encryptedAlphanumeric_sequence() override;
      static asn::object* create();

      asn::oid algorithmOID;
      H245::params* paramS = nullptr;  // OPTIONAL
      asn::octetString<0u, 0u, 1> encrypted;
    };

    static const asn::sequenceDescriptor descriptor;

    extendedAlphanumeric_sequence() : asn::sequence(&descriptor) {}
    extendedAlphanumeric_sequence(const extendedAlphanumeric_sequence& other);
    extendedAlphanumeric_sequence& operator=(const extendedAlphanumeric_sequence& other);
    ~extendedAlphanumeric_sequence() override;
    static asn::object* create();

    asn::generalString<0u, 0u, 1, asn::constrainedString::GeneralSet, 256u> alphanumeric;
    asn::null* rtpPayloadIndication = nullptr;  // OPTIONAL
    H245::userInputIndication::extendedAlphanumeric_sequence::encryptedAlphanumeric_sequence* encryptedAlphanumeric = nullptr;  // addition
  };

  // SEQUENCE, extensible; 3 root, 0 extension.
  class encryptedAlphanumeric_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    encryptedAlphanumeric_sequence() : asn::sequence(&descriptor) {}
    encryptedAlphanumeric_sequence(const encryptedAlphanumeric_sequence& other);
    encryptedAlphanumeric_sequence& operator=(const encryptedAlphanumeric_sequence& other);
    ~encryptedAlphanumeric_sequence() override;
    static asn::object* create();

    asn::oid algorithmOID;
    H245::params* paramS = nullptr;  // OPTIONAL
    asn::octetString<0u, 0u, 1> encrypted;
  };

  static const asn::choiceDescriptor descriptor;

  userInputIndication() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 2 root, 0 extension.
class flowControlIndication : public asn::sequence {
public:
  // CHOICE, not extensible; 3 root, 0 extension.
  class scope_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    scope_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  // CHOICE, not extensible; 2 root, 0 extension.
  class restriction_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    restriction_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  flowControlIndication() : asn::sequence(&descriptor) {}
  flowControlIndication(const flowControlIndication& other);
  flowControlIndication& operator=(const flowControlIndication& other);
  ~flowControlIndication() override;
  static asn::object* create();

  H245::flowControlIndication::scope_choice scope;
  H245::flowControlIndication::restriction_choice restriction;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class mobileMultilinkReconfigurationIndication : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  mobileMultilinkReconfigurationIndication() : asn::sequence(&descriptor) {}
  mobileMultilinkReconfigurationIndication(const mobileMultilinkReconfigurationIndication& other);
  mobileMultilinkReconfigurationIndication& operator=(const mobileMultilinkReconfigurationIndication& other);
  ~mobileMultilinkReconfigurationIndication() override;
  static asn::object* create();

  asn::integer<1u, 255u, 1> sampleSize;
  asn::integer<1u, 255u, 1> samplesPerFrame;
};

}  // namespace H245
