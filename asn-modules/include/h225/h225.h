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

  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* imsi = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* min = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* mdn = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* msisdn = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* esn = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* mscid = nullptr;  // OPTIONAL
  H225::ansi_41_uim::system_id_choice system_id;
  asn::octetString<1u, 1u, 1>* systemMyTypeCode = nullptr;  // OPTIONAL
  asn::octetString<1u, 1u, 1>* systemAccessType = nullptr;  // OPTIONAL
  asn::octetString<1u, 1u, 1>* qualificationInformationCode = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* sesn = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* soc = nullptr;  // OPTIONAL
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

  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* imsi = nullptr;  // OPTIONAL
  asn::octetString<1u, 4u, 1>* tmsi = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* msisdn = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* imei = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* hplmn = nullptr;  // OPTIONAL
  asn::IA5String<0u, 0u, 1, H225::PermitedAlphabet1, 15u>* vplmn = nullptr;  // OPTIONAL
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

}  // namespace H225
