// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#pragma once

#include <asn/asn.h>

namespace H245 {

class nonStandardIdentifier;
class nonStandardParameter;
class dataProtocolCapability;
class compressionType;
class v42bis;
class t38FaxProfile;
class t38FaxRateManagement;
class t38FaxUdpOptions;
class t38FaxTcpOptions;
class transportAddress;
class unicastAddress;
class multicastAddress;

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

}  // namespace H245
