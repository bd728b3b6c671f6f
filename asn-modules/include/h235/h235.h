// Generated from asn-modules/generator/modules/h235.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#pragma once

#include <asn/asn.h>

namespace H235 {

class nonStandardParameter;
class dHset;
class eckasdh;
class eCDSAlikeSignature;
class typedCertificate;
class authenticationBES;
class authenticationMechanism;
class clearToken;
class params;
template <class T>
class encrypted;
class keySyncMaterial;
class keySignedMaterial;
class returnSig;
template <class T>
class signed_t;
template <class T>
class hashed;
class cryptoToken;
class h235CertificateSignature;

// SEQUENCE, not extensible; 2 root, 0 extension.
class nonStandardParameter : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  nonStandardParameter() : asn::sequence(&descriptor) {}
  nonStandardParameter(const nonStandardParameter& other);
  nonStandardParameter& operator=(const nonStandardParameter& other);
  ~nonStandardParameter() override;
  static asn::object* create();

  asn::oid nonStandardIdentifier;
  asn::octetString<0u, 0u, 1> data;
};

// SEQUENCE, extensible; 3 root, 0 extension.
class dHset : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  dHset() : asn::sequence(&descriptor) {}
  dHset(const dHset& other);
  dHset& operator=(const dHset& other);
  ~dHset() override;
  static asn::object* create();

  asn::bitString<0u, 2048u, 1> halfkey;
  asn::bitString<0u, 2048u, 1> modSize;
  asn::bitString<0u, 2048u, 1> generator;
};

// CHOICE, extensible; 2 root, 0 extension.
class eckasdh : public asn::choice {
public:
  // SEQUENCE, not extensible; 5 root, 0 extension.
  class eckasdhp_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    eckasdhp_sequence() : asn::sequence(&descriptor) {}
    eckasdhp_sequence(const eckasdhp_sequence& other);
    eckasdhp_sequence& operator=(const eckasdhp_sequence& other);
    ~eckasdhp_sequence() override;
    static asn::object* create();

    asn::bitString<0u, 511u, 1> public_key;
    asn::bitString<0u, 511u, 1> modulus;
    asn::bitString<0u, 511u, 1> base;
    asn::bitString<0u, 511u, 1> weierstrassA;
    asn::bitString<0u, 511u, 1> weierstrassB;
  };

  // SEQUENCE, not extensible; 5 root, 0 extension.
  class eckasdh2_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    eckasdh2_sequence() : asn::sequence(&descriptor) {}
    eckasdh2_sequence(const eckasdh2_sequence& other);
    eckasdh2_sequence& operator=(const eckasdh2_sequence& other);
    ~eckasdh2_sequence() override;
    static asn::object* create();

    asn::bitString<0u, 511u, 1> public_key;
    asn::bitString<0u, 511u, 1> fieldSize;
    asn::bitString<0u, 511u, 1> base;
    asn::bitString<0u, 511u, 1> weierstrassA;
    asn::bitString<0u, 511u, 1> weierstrassB;
  };

  static const asn::choiceDescriptor descriptor;

  eckasdh() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class eCDSAlikeSignature : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  eCDSAlikeSignature() : asn::sequence(&descriptor) {}
  eCDSAlikeSignature(const eCDSAlikeSignature& other);
  eCDSAlikeSignature& operator=(const eCDSAlikeSignature& other);
  ~eCDSAlikeSignature() override;

  asn::bitString<0u, 511u, 1> r;
  asn::bitString<0u, 511u, 1> s;
};

// SEQUENCE, extensible; 2 root, 0 extension.
class typedCertificate : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  typedCertificate() : asn::sequence(&descriptor) {}
  typedCertificate(const typedCertificate& other);
  typedCertificate& operator=(const typedCertificate& other);
  ~typedCertificate() override;
  static asn::object* create();

  asn::oid type;
  asn::octetString<0u, 0u, 1> certificate;
};

// CHOICE, extensible; 2 root, 0 extension.
class authenticationBES : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  authenticationBES() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// CHOICE, extensible; 7 root, 1 extension.
class authenticationMechanism : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  authenticationMechanism() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 9 root, 2 extension.
class clearToken : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  clearToken() : asn::sequence(&descriptor) {}
  clearToken(const clearToken& other);
  clearToken& operator=(const clearToken& other);
  ~clearToken() override;
  static asn::object* create();

  asn::oid tokenOID;
  asn::integer<1u, 4294967295u, 1>* timeStamp = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* password = nullptr;  // OPTIONAL
  H235::dHset* dhkey = nullptr;  // OPTIONAL
  asn::octetString<8u, 128u, 1>* challenge = nullptr;  // OPTIONAL
  asn::integer<0u, 0u, 1>* random = nullptr;  // OPTIONAL
  H235::typedCertificate* certificate = nullptr;  // OPTIONAL
  asn::bmpString<1u, 128u, 1>* generalID = nullptr;  // OPTIONAL
  H235::nonStandardParameter* nonStandard = nullptr;  // OPTIONAL
  H235::eckasdh* eckasdhkey = nullptr;  // addition
  asn::bmpString<1u, 128u, 1>* sendersID = nullptr;  // addition
};

// SEQUENCE, extensible; 2 root, 1 extension.
class params : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  params() : asn::sequence(&descriptor) {}
  params(const params& other);
  params& operator=(const params& other);
  ~params() override;
  static asn::object* create();

  asn::integer<0u, 0u, 1>* ranInt = nullptr;  // OPTIONAL
  asn::octetString<8u, 8u, 1>* iv8 = nullptr;  // OPTIONAL
  asn::octetString<16u, 16u, 1>* iv16 = nullptr;  // addition
};

// SEQUENCE, not extensible; 3 root, 0 extension.
// Instances: encrypted<asn::anytype<H235::clearToken> >, encrypted<asn::anytype<H235::keySyncMaterial> >.
template <class T>
class encrypted : public asn::sequence {
public:
  static const asn::componentEntry components[3];
  static const asn::tagTriple componentTags[3];
  static const asn::sequenceDescriptor descriptor;

  encrypted() : asn::sequence(&descriptor) {}
  encrypted(const encrypted& other) : asn::sequence(&descriptor) {
    try {
      assign(other);
    } catch (...) {
      reset();
      throw;
    }
  }
  encrypted& operator=(const encrypted& other) {
    if (this != &other) assign(other);
    return *this;
  }
  ~encrypted() override { reset(); }
  static asn::object* create() { return new encrypted; }

  asn::oid algorithmOID;
  H235::params paramS;
  asn::octetString<0u, 0u, 1> encryptedData;
};

#pragma GCC diagnostic push
// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
template <class T>
const asn::componentEntry encrypted<T>::components[3] = {
    asn::mandatoryComponent<&encrypted<T>::algorithmOID>(offsetof(encrypted<T>, algorithmOID), "AlgorithmOID"),
    asn::mandatoryComponent<&encrypted<T>::paramS>(offsetof(encrypted<T>, paramS), "ParamS"),
    asn::mandatoryComponent<&encrypted<T>::encryptedData>(offsetof(encrypted<T>, encryptedData), "EncryptedData"),
};
#pragma GCC diagnostic pop
template <class T>
const asn::tagTriple encrypted<T>::componentTags[3] = {{0, 6, 0}, {0, 16, 1}, {0, 4, 0}};
template <class T>
const asn::sequenceDescriptor encrypted<T>::descriptor = asn::sequenceDescriptor::make(encrypted<T>::components, 3, 0x0u, false, encrypted<T>::componentTags);

// SEQUENCE, extensible; 2 root, 0 extension.
class keySyncMaterial : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  keySyncMaterial() : asn::sequence(&descriptor) {}
  keySyncMaterial(const keySyncMaterial& other);
  keySyncMaterial& operator=(const keySyncMaterial& other);
  ~keySyncMaterial() override;

  asn::bmpString<1u, 128u, 1> generalID;
  asn::bitString<1u, 2048u, 1> keyMaterial;
};

// SEQUENCE, not extensible; 5 root, 0 extension.
class keySignedMaterial : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  keySignedMaterial() : asn::sequence(&descriptor) {}
  keySignedMaterial(const keySignedMaterial& other);
  keySignedMaterial& operator=(const keySignedMaterial& other);
  ~keySignedMaterial() override;
  static asn::object* create();

  asn::bmpString<1u, 128u, 1> generalId;
  asn::integer<0u, 0u, 1> mrandom;
  asn::integer<0u, 0u, 1>* srandom = nullptr;  // OPTIONAL
  asn::integer<1u, 4294967295u, 1>* timeStamp = nullptr;  // OPTIONAL
  H235::encrypted<asn::anytype<H235::keySyncMaterial> > encrptval;
};

// SEQUENCE, not extensible; 4 root, 0 extension.
class returnSig : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  returnSig() : asn::sequence(&descriptor) {}
  returnSig(const returnSig& other);
  returnSig& operator=(const returnSig& other);
  ~returnSig() override;
  static asn::object* create();

  asn::bmpString<1u, 128u, 1> generalId;
  asn::integer<0u, 0u, 1> responseRandom;
  asn::integer<0u, 0u, 1>* requestRandom = nullptr;  // OPTIONAL
  H235::typedCertificate* certificate = nullptr;  // OPTIONAL
};

// SEQUENCE, not extensible; 4 root, 0 extension.
// Instances: signed_t<asn::anytype<H235::clearToken> >, signed_t<asn::anytype<H235::returnSig> >, signed_t<asn::anytype<H235::keySignedMaterial> >.
template <class T>
class signed_t : public asn::sequence {
public:
  static const asn::componentEntry components[4];
  static const asn::tagTriple componentTags[4];
  static const asn::sequenceDescriptor descriptor;

  signed_t() : asn::sequence(&descriptor) {}
  signed_t(const signed_t& other) : asn::sequence(&descriptor) {
    try {
      assign(other);
    } catch (...) {
      reset();
      throw;
    }
  }
  signed_t& operator=(const signed_t& other) {
    if (this != &other) assign(other);
    return *this;
  }
  ~signed_t() override { reset(); }
  static asn::object* create() { return new signed_t; }

  T toBeSigned;
  asn::oid algorithmOID;
  H235::params paramS;
  asn::bitString<0u, 0u, 1> signature;
};

#pragma GCC diagnostic push
// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
template <class T>
const asn::componentEntry signed_t<T>::components[4] = {
    asn::mandatoryComponent<&signed_t<T>::toBeSigned>(offsetof(signed_t<T>, toBeSigned), "ToBeSigned"),
    asn::mandatoryComponent<&signed_t<T>::algorithmOID>(offsetof(signed_t<T>, algorithmOID), "AlgorithmOID"),
    asn::mandatoryComponent<&signed_t<T>::paramS>(offsetof(signed_t<T>, paramS), "ParamS"),
    asn::mandatoryComponent<&signed_t<T>::signature>(offsetof(signed_t<T>, signature), "Signature"),
};
#pragma GCC diagnostic pop
template <class T>
const asn::tagTriple signed_t<T>::componentTags[4] = {{0, 0, 0}, {0, 6, 0}, {0, 16, 1}, {0, 3, 0}};
template <class T>
const asn::sequenceDescriptor signed_t<T>::descriptor = asn::sequenceDescriptor::make(signed_t<T>::components, 4, 0x0u, false, signed_t<T>::componentTags);

// SEQUENCE, not extensible; 3 root, 0 extension.
// Instances: hashed<asn::anytype<H235::clearToken> >.
template <class T>
class hashed : public asn::sequence {
public:
  static const asn::componentEntry components[3];
  static const asn::tagTriple componentTags[3];
  static const asn::sequenceDescriptor descriptor;

  hashed() : asn::sequence(&descriptor) {}
  hashed(const hashed& other) : asn::sequence(&descriptor) {
    try {
      assign(other);
    } catch (...) {
      reset();
      throw;
    }
  }
  hashed& operator=(const hashed& other) {
    if (this != &other) assign(other);
    return *this;
  }
  ~hashed() override { reset(); }
  static asn::object* create() { return new hashed; }

  asn::oid algorithmOID;
  H235::params paramS;
  asn::bitString<0u, 0u, 1> hash;
};

#pragma GCC diagnostic push
// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
template <class T>
const asn::componentEntry hashed<T>::components[3] = {
    asn::mandatoryComponent<&hashed<T>::algorithmOID>(offsetof(hashed<T>, algorithmOID), "AlgorithmOID"),
    asn::mandatoryComponent<&hashed<T>::paramS>(offsetof(hashed<T>, paramS), "ParamS"),
    asn::mandatoryComponent<&hashed<T>::hash>(offsetof(hashed<T>, hash), "Hash"),
};
#pragma GCC diagnostic pop
template <class T>
const asn::tagTriple hashed<T>::componentTags[3] = {{0, 6, 0}, {0, 16, 1}, {0, 3, 0}};
template <class T>
const asn::sequenceDescriptor hashed<T>::descriptor = asn::sequenceDescriptor::make(hashed<T>::components, 3, 0x0u, false, hashed<T>::componentTags);

// CHOICE, extensible; 4 root, 0 extension.
class cryptoToken : public asn::choice {
public:
  // SEQUENCE, not extensible; 2 root, 0 extension.
  class cryptoEncryptedToken_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    cryptoEncryptedToken_sequence() : asn::sequence(&descriptor) {}
    cryptoEncryptedToken_sequence(const cryptoEncryptedToken_sequence& other);
    cryptoEncryptedToken_sequence& operator=(const cryptoEncryptedToken_sequence& other);
    ~cryptoEncryptedToken_sequence() override;
    static asn::object* create();

    asn::oid tokenOID;
    H235::encrypted<asn::anytype<H235::clearToken> > token;
  };

  // SEQUENCE, not extensible; 2 root, 0 extension.
  class cryptoSignedToken_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    cryptoSignedToken_sequence() : asn::sequence(&descriptor) {}
    cryptoSignedToken_sequence(const cryptoSignedToken_sequence& other);
    cryptoSignedToken_sequence& operator=(const cryptoSignedToken_sequence& other);
    ~cryptoSignedToken_sequence() override;
    static asn::object* create();

    asn::oid tokenOID;
    H235::signed_t<asn::anytype<H235::clearToken> > token;
  };

  // SEQUENCE, not extensible; 3 root, 0 extension.
  class cryptoHashedToken_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    cryptoHashedToken_sequence() : asn::sequence(&descriptor) {}
    cryptoHashedToken_sequence(const cryptoHashedToken_sequence& other);
    cryptoHashedToken_sequence& operator=(const cryptoHashedToken_sequence& other);
    ~cryptoHashedToken_sequence() override;
    static asn::object* create();

    asn::oid tokenOID;
    H235::clearToken hashedVals;
    H235::hashed<asn::anytype<H235::clearToken> > token;
  };

  static const asn::choiceDescriptor descriptor;

  cryptoToken() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, extensible; 4 root, 0 extension.
class h235CertificateSignature : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  h235CertificateSignature() : asn::sequence(&descriptor) {}
  h235CertificateSignature(const h235CertificateSignature& other);
  h235CertificateSignature& operator=(const h235CertificateSignature& other);
  ~h235CertificateSignature() override;

  H235::typedCertificate certificate;
  asn::integer<0u, 0u, 1> responseRandom;
  asn::integer<0u, 0u, 1>* requesterRandom = nullptr;  // OPTIONAL
  H235::signed_t<asn::anytype<H235::returnSig> > signature;
};

// CHOICE without a class: nothing refers to it.
extern const asn::choiceDescriptor h235KeyDescriptor;

}  // namespace H235
