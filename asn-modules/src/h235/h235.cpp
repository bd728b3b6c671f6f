// Generated from asn-modules/generator/modules/h235.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h235/h235.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H235 {

// nonStandardParameter
static const asn::componentEntry nonStandardParameterComponents[] = {
    asn::mandatoryComponent<&nonStandardParameter::nonStandardIdentifier>(offsetof(nonStandardParameter, nonStandardIdentifier), "NonStandardIdentifier"),
    asn::mandatoryComponent<&nonStandardParameter::data>(offsetof(nonStandardParameter, data), "Data"),
};
static const asn::tagTriple nonStandardParameterComponentTags[] = {{0, 6, 0}, {0, 4, 0}};
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

// dHset
static const asn::componentEntry dHsetComponents[] = {
    asn::mandatoryComponent<&dHset::halfkey>(offsetof(dHset, halfkey), "Halfkey"),
    asn::mandatoryComponent<&dHset::modSize>(offsetof(dHset, modSize), "ModSize"),
    asn::mandatoryComponent<&dHset::generator>(offsetof(dHset, generator), "Generator"),
};
static const asn::tagTriple dHsetComponentTags[] = {{0, 3, 0}, {0, 3, 0}, {0, 3, 0}};
const asn::sequenceDescriptor dHset::descriptor = asn::sequenceDescriptor::make(dHsetComponents, 3, 0x0u, true, dHsetComponentTags);
dHset::dHset(const dHset& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dHset& dHset::operator=(const dHset& other) {
  if (this != &other) assign(other);
  return *this;
}
dHset::~dHset() { reset(); }
asn::object* dHset::create() { return new dHset; }

// eckasdh::eckasdhp_sequence
static const asn::componentEntry eckasdh_eckasdhp_sequenceComponents[] = {
    asn::mandatoryComponent<&eckasdh::eckasdhp_sequence::public_key>(offsetof(eckasdh::eckasdhp_sequence, public_key), "Public_key"),
    asn::mandatoryComponent<&eckasdh::eckasdhp_sequence::modulus>(offsetof(eckasdh::eckasdhp_sequence, modulus), "Modulus"),
    asn::mandatoryComponent<&eckasdh::eckasdhp_sequence::base>(offsetof(eckasdh::eckasdhp_sequence, base), "Base"),
    asn::mandatoryComponent<&eckasdh::eckasdhp_sequence::weierstrassA>(offsetof(eckasdh::eckasdhp_sequence, weierstrassA), "WeierstrassA"),
    asn::mandatoryComponent<&eckasdh::eckasdhp_sequence::weierstrassB>(offsetof(eckasdh::eckasdhp_sequence, weierstrassB), "WeierstrassB"),
};
static const asn::tagTriple eckasdh_eckasdhp_sequenceComponentTags[] = {{0, 3, 0}, {0, 3, 0}, {0, 3, 0}, {0, 3, 0}, {0, 3, 0}};
const asn::sequenceDescriptor eckasdh::eckasdhp_sequence::descriptor = asn::sequenceDescriptor::make(eckasdh_eckasdhp_sequenceComponents, 5, 0x0u, false, eckasdh_eckasdhp_sequenceComponentTags);
eckasdh::eckasdhp_sequence::eckasdhp_sequence(const eckasdhp_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
eckasdh::eckasdhp_sequence& eckasdh::eckasdhp_sequence::operator=(const eckasdhp_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
eckasdh::eckasdhp_sequence::~eckasdhp_sequence() { reset(); }
asn::object* eckasdh::eckasdhp_sequence::create() { return new eckasdhp_sequence; }

// eckasdh::eckasdh2_sequence
static const asn::componentEntry eckasdh_eckasdh2_sequenceComponents[] = {
    asn::mandatoryComponent<&eckasdh::eckasdh2_sequence::public_key>(offsetof(eckasdh::eckasdh2_sequence, public_key), "Public_key"),
    asn::mandatoryComponent<&eckasdh::eckasdh2_sequence::fieldSize>(offsetof(eckasdh::eckasdh2_sequence, fieldSize), "FieldSize"),
    asn::mandatoryComponent<&eckasdh::eckasdh2_sequence::base>(offsetof(eckasdh::eckasdh2_sequence, base), "Base"),
    asn::mandatoryComponent<&eckasdh::eckasdh2_sequence::weierstrassA>(offsetof(eckasdh::eckasdh2_sequence, weierstrassA), "WeierstrassA"),
    asn::mandatoryComponent<&eckasdh::eckasdh2_sequence::weierstrassB>(offsetof(eckasdh::eckasdh2_sequence, weierstrassB), "WeierstrassB"),
};
static const asn::tagTriple eckasdh_eckasdh2_sequenceComponentTags[] = {{0, 3, 0}, {0, 3, 0}, {0, 3, 0}, {0, 3, 0}, {0, 3, 0}};
const asn::sequenceDescriptor eckasdh::eckasdh2_sequence::descriptor = asn::sequenceDescriptor::make(eckasdh_eckasdh2_sequenceComponents, 5, 0x0u, false, eckasdh_eckasdh2_sequenceComponentTags);
eckasdh::eckasdh2_sequence::eckasdh2_sequence(const eckasdh2_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
eckasdh::eckasdh2_sequence& eckasdh::eckasdh2_sequence::operator=(const eckasdh2_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
eckasdh::eckasdh2_sequence::~eckasdh2_sequence() { reset(); }
asn::object* eckasdh::eckasdh2_sequence::create() { return new eckasdh2_sequence; }

// eckasdh
static const asn::alternativeEntry eckasdhAlternatives[] = {
    asn::alternative<H235::eckasdh::eckasdhp_sequence>("Eckasdhp"),
    asn::alternative<H235::eckasdh::eckasdh2_sequence>("Eckasdh2"),
};
static const asn::tagTriple eckasdhAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor eckasdh::descriptor = asn::choiceDescriptor::make(eckasdhAlternatives, 2, true, eckasdhAlternativeTags);
asn::object* eckasdh::create() { return new eckasdh; }

// eCDSAlikeSignature
static const asn::componentEntry eCDSAlikeSignatureComponents[] = {
    asn::mandatoryComponent<&eCDSAlikeSignature::r>(offsetof(eCDSAlikeSignature, r), "R"),
    asn::mandatoryComponent<&eCDSAlikeSignature::s>(offsetof(eCDSAlikeSignature, s), "S"),
};
static const asn::tagTriple eCDSAlikeSignatureComponentTags[] = {{0, 3, 0}, {0, 3, 0}};
const asn::sequenceDescriptor eCDSAlikeSignature::descriptor = asn::sequenceDescriptor::make(eCDSAlikeSignatureComponents, 2, 0x0u, false, eCDSAlikeSignatureComponentTags);
eCDSAlikeSignature::eCDSAlikeSignature(const eCDSAlikeSignature& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
eCDSAlikeSignature& eCDSAlikeSignature::operator=(const eCDSAlikeSignature& other) {
  if (this != &other) assign(other);
  return *this;
}
eCDSAlikeSignature::~eCDSAlikeSignature() { reset(); }

// typedCertificate
static const asn::componentEntry typedCertificateComponents[] = {
    asn::mandatoryComponent<&typedCertificate::type>(offsetof(typedCertificate, type), "Type"),
    asn::mandatoryComponent<&typedCertificate::certificate>(offsetof(typedCertificate, certificate), "Certificate"),
};
static const asn::tagTriple typedCertificateComponentTags[] = {{0, 6, 0}, {0, 4, 0}};
const asn::sequenceDescriptor typedCertificate::descriptor = asn::sequenceDescriptor::make(typedCertificateComponents, 2, 0x0u, true, typedCertificateComponentTags);
typedCertificate::typedCertificate(const typedCertificate& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
typedCertificate& typedCertificate::operator=(const typedCertificate& other) {
  if (this != &other) assign(other);
  return *this;
}
typedCertificate::~typedCertificate() { reset(); }
asn::object* typedCertificate::create() { return new typedCertificate; }

// authenticationBES
static const asn::alternativeEntry authenticationBESAlternatives[] = {
    asn::alternative<asn::null>("Default"),
    asn::alternative<asn::null>("Radius"),
};
static const asn::tagTriple authenticationBESAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor authenticationBES::descriptor = asn::choiceDescriptor::make(authenticationBESAlternatives, 2, true, authenticationBESAlternativeTags);
asn::object* authenticationBES::create() { return new authenticationBES; }

// authenticationMechanism
static const asn::alternativeEntry authenticationMechanismAlternatives[] = {
    asn::alternative<asn::null>("DhExch"),
    asn::alternative<asn::null>("PwdSymEnc"),
    asn::alternative<asn::null>("PwdHash"),
    asn::alternative<asn::null>("CertSign"),
    asn::alternative<asn::null>("Ipsec"),
    asn::alternative<asn::null>("Tls"),
    asn::alternative<H235::nonStandardParameter>("NonStandard"),
    asn::alternative<H235::authenticationBES>("AuthenticationBES"),
};
static const asn::tagTriple authenticationMechanismAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}, {0, 0, 0}};
const asn::choiceDescriptor authenticationMechanism::descriptor = asn::choiceDescriptor::make(authenticationMechanismAlternatives, 7, true, authenticationMechanismAlternativeTags);
asn::object* authenticationMechanism::create() { return new authenticationMechanism; }

// clearToken
static const asn::componentEntry clearTokenComponents[] = {
    asn::mandatoryComponent<&clearToken::tokenOID>(offsetof(clearToken, tokenOID), "TokenOID"),
    asn::optionalComponent<&clearToken::timeStamp>(offsetof(clearToken, timeStamp), "TimeStamp"),
    asn::optionalComponent<&clearToken::password>(offsetof(clearToken, password), "Password"),
    asn::optionalComponent<&clearToken::dhkey>(offsetof(clearToken, dhkey), "Dhkey"),
    asn::optionalComponent<&clearToken::challenge>(offsetof(clearToken, challenge), "Challenge"),
    asn::optionalComponent<&clearToken::random>(offsetof(clearToken, random), "Random"),
    asn::optionalComponent<&clearToken::certificate>(offsetof(clearToken, certificate), "Certificate"),
    asn::optionalComponent<&clearToken::generalID>(offsetof(clearToken, generalID), "GeneralID"),
    asn::optionalComponent<&clearToken::nonStandard>(offsetof(clearToken, nonStandard), "NonStandard"),
    asn::additionComponent<&clearToken::eckasdhkey>(offsetof(clearToken, eckasdhkey), "Eckasdhkey"),
    asn::additionComponent<&clearToken::sendersID>(offsetof(clearToken, sendersID), "SendersID"),
};
static const asn::tagTriple clearTokenComponentTags[] = {{0, 6, 0}, {0, 2, 0}, {0, 30, 0}, {0, 16, 1}, {0, 4, 0}, {0, 2, 0}, {0, 16, 1}, {0, 30, 0}, {0, 16, 1}, {0, 0, 0}, {0, 30, 0}};
const asn::sequenceDescriptor clearToken::descriptor = asn::sequenceDescriptor::make(clearTokenComponents, 9, 0x1FEu, true, clearTokenComponentTags);
clearToken::clearToken(const clearToken& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
clearToken& clearToken::operator=(const clearToken& other) {
  if (this != &other) assign(other);
  return *this;
}
clearToken::~clearToken() { reset(); }
asn::object* clearToken::create() { return new clearToken; }

// params
static const asn::componentEntry paramsComponents[] = {
    asn::optionalComponent<&params::ranInt>(offsetof(params, ranInt), "RanInt"),
    asn::optionalComponent<&params::iv8>(offsetof(params, iv8), "Iv8"),
    asn::additionComponent<&params::iv16>(offsetof(params, iv16), "Iv16"),
};
static const asn::tagTriple paramsComponentTags[] = {{0, 2, 0}, {0, 4, 0}, {0, 4, 0}};
const asn::sequenceDescriptor params::descriptor = asn::sequenceDescriptor::make(paramsComponents, 2, 0x3u, true, paramsComponentTags);
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

// keySyncMaterial
static const asn::componentEntry keySyncMaterialComponents[] = {
    asn::mandatoryComponent<&keySyncMaterial::generalID>(offsetof(keySyncMaterial, generalID), "GeneralID"),
    asn::mandatoryComponent<&keySyncMaterial::keyMaterial>(offsetof(keySyncMaterial, keyMaterial), "KeyMaterial"),
};
static const asn::tagTriple keySyncMaterialComponentTags[] = {{0, 30, 0}, {0, 3, 0}};
const asn::sequenceDescriptor keySyncMaterial::descriptor = asn::sequenceDescriptor::make(keySyncMaterialComponents, 2, 0x0u, true, keySyncMaterialComponentTags);
keySyncMaterial::keySyncMaterial(const keySyncMaterial& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
keySyncMaterial& keySyncMaterial::operator=(const keySyncMaterial& other) {
  if (this != &other) assign(other);
  return *this;
}
keySyncMaterial::~keySyncMaterial() { reset(); }

// keySignedMaterial
static const asn::componentEntry keySignedMaterialComponents[] = {
    asn::mandatoryComponent<&keySignedMaterial::generalId>(offsetof(keySignedMaterial, generalId), "GeneralId"),
    asn::mandatoryComponent<&keySignedMaterial::mrandom>(offsetof(keySignedMaterial, mrandom), "Mrandom"),
    asn::optionalComponent<&keySignedMaterial::srandom>(offsetof(keySignedMaterial, srandom), "Srandom"),
    asn::optionalComponent<&keySignedMaterial::timeStamp>(offsetof(keySignedMaterial, timeStamp), "TimeStamp"),
    asn::mandatoryComponent<&keySignedMaterial::encrptval>(offsetof(keySignedMaterial, encrptval), "Encrptval"),
};
static const asn::tagTriple keySignedMaterialComponentTags[] = {{0, 30, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor keySignedMaterial::descriptor = asn::sequenceDescriptor::make(keySignedMaterialComponents, 5, 0xCu, false, keySignedMaterialComponentTags);
keySignedMaterial::keySignedMaterial(const keySignedMaterial& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
keySignedMaterial& keySignedMaterial::operator=(const keySignedMaterial& other) {
  if (this != &other) assign(other);
  return *this;
}
keySignedMaterial::~keySignedMaterial() { reset(); }
asn::object* keySignedMaterial::create() { return new keySignedMaterial; }

// returnSig
static const asn::componentEntry returnSigComponents[] = {
    asn::mandatoryComponent<&returnSig::generalId>(offsetof(returnSig, generalId), "GeneralId"),
    asn::mandatoryComponent<&returnSig::responseRandom>(offsetof(returnSig, responseRandom), "ResponseRandom"),
    asn::optionalComponent<&returnSig::requestRandom>(offsetof(returnSig, requestRandom), "RequestRandom"),
    asn::optionalComponent<&returnSig::certificate>(offsetof(returnSig, certificate), "Certificate"),
};
static const asn::tagTriple returnSigComponentTags[] = {{0, 30, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor returnSig::descriptor = asn::sequenceDescriptor::make(returnSigComponents, 4, 0xCu, false, returnSigComponentTags);
returnSig::returnSig(const returnSig& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
returnSig& returnSig::operator=(const returnSig& other) {
  if (this != &other) assign(other);
  return *this;
}
returnSig::~returnSig() { reset(); }
asn::object* returnSig::create() { return new returnSig; }

// cryptoToken::cryptoEncryptedToken_sequence
static const asn::componentEntry cryptoToken_cryptoEncryptedToken_sequenceComponents[] = {
    asn::mandatoryComponent<&cryptoToken::cryptoEncryptedToken_sequence::tokenOID>(offsetof(cryptoToken::cryptoEncryptedToken_sequence, tokenOID), "TokenOID"),
    asn::mandatoryComponent<&cryptoToken::cryptoEncryptedToken_sequence::token>(offsetof(cryptoToken::cryptoEncryptedToken_sequence, token), "Token"),
};
static const asn::tagTriple cryptoToken_cryptoEncryptedToken_sequenceComponentTags[] = {{0, 6, 0}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoToken::cryptoEncryptedToken_sequence::descriptor = asn::sequenceDescriptor::make(cryptoToken_cryptoEncryptedToken_sequenceComponents, 2, 0x0u, false, cryptoToken_cryptoEncryptedToken_sequenceComponentTags);
cryptoToken::cryptoEncryptedToken_sequence::cryptoEncryptedToken_sequence(const cryptoEncryptedToken_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
cryptoToken::cryptoEncryptedToken_sequence& cryptoToken::cryptoEncryptedToken_sequence::operator=(const cryptoEncryptedToken_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
cryptoToken::cryptoEncryptedToken_sequence::~cryptoEncryptedToken_sequence() { reset(); }
asn::object* cryptoToken::cryptoEncryptedToken_sequence::create() { return new cryptoEncryptedToken_sequence; }

// cryptoToken::cryptoSignedToken_sequence
static const asn::componentEntry cryptoToken_cryptoSignedToken_sequenceComponents[] = {
    asn::mandatoryComponent<&cryptoToken::cryptoSignedToken_sequence::tokenOID>(offsetof(cryptoToken::cryptoSignedToken_sequence, tokenOID), "TokenOID"),
    asn::mandatoryComponent<&cryptoToken::cryptoSignedToken_sequence::token>(offsetof(cryptoToken::cryptoSignedToken_sequence, token), "Token"),
};
static const asn::tagTriple cryptoToken_cryptoSignedToken_sequenceComponentTags[] = {{0, 6, 0}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoToken::cryptoSignedToken_sequence::descriptor = asn::sequenceDescriptor::make(cryptoToken_cryptoSignedToken_sequenceComponents, 2, 0x0u, false, cryptoToken_cryptoSignedToken_sequenceComponentTags);
cryptoToken::cryptoSignedToken_sequence::cryptoSignedToken_sequence(const cryptoSignedToken_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
cryptoToken::cryptoSignedToken_sequence& cryptoToken::cryptoSignedToken_sequence::operator=(const cryptoSignedToken_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
cryptoToken::cryptoSignedToken_sequence::~cryptoSignedToken_sequence() { reset(); }
asn::object* cryptoToken::cryptoSignedToken_sequence::create() { return new cryptoSignedToken_sequence; }

// cryptoToken::cryptoHashedToken_sequence
static const asn::componentEntry cryptoToken_cryptoHashedToken_sequenceComponents[] = {
    asn::mandatoryComponent<&cryptoToken::cryptoHashedToken_sequence::tokenOID>(offsetof(cryptoToken::cryptoHashedToken_sequence, tokenOID), "TokenOID"),
    asn::mandatoryComponent<&cryptoToken::cryptoHashedToken_sequence::hashedVals>(offsetof(cryptoToken::cryptoHashedToken_sequence, hashedVals), "HashedVals"),
    asn::mandatoryComponent<&cryptoToken::cryptoHashedToken_sequence::token>(offsetof(cryptoToken::cryptoHashedToken_sequence, token), "Token"),
};
static const asn::tagTriple cryptoToken_cryptoHashedToken_sequenceComponentTags[] = {{0, 6, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor cryptoToken::cryptoHashedToken_sequence::descriptor = asn::sequenceDescriptor::make(cryptoToken_cryptoHashedToken_sequenceComponents, 3, 0x0u, false, cryptoToken_cryptoHashedToken_sequenceComponentTags);
cryptoToken::cryptoHashedToken_sequence::cryptoHashedToken_sequence(const cryptoHashedToken_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
cryptoToken::cryptoHashedToken_sequence& cryptoToken::cryptoHashedToken_sequence::operator=(const cryptoHashedToken_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
cryptoToken::cryptoHashedToken_sequence::~cryptoHashedToken_sequence() { reset(); }
asn::object* cryptoToken::cryptoHashedToken_sequence::create() { return new cryptoHashedToken_sequence; }

// cryptoToken
static const asn::alternativeEntry cryptoTokenAlternatives[] = {
    asn::alternative<H235::cryptoToken::cryptoEncryptedToken_sequence>("CryptoEncryptedToken"),
    asn::alternative<H235::cryptoToken::cryptoSignedToken_sequence>("CryptoSignedToken"),
    asn::alternative<H235::cryptoToken::cryptoHashedToken_sequence>("CryptoHashedToken"),
    asn::alternative<H235::encrypted<asn::anytype<H235::clearToken> >>("CryptoPwdEncr"),
};
static const asn::tagTriple cryptoTokenAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor cryptoToken::descriptor = asn::choiceDescriptor::make(cryptoTokenAlternatives, 4, true, cryptoTokenAlternativeTags);
asn::object* cryptoToken::create() { return new cryptoToken; }

// h235CertificateSignature
static const asn::componentEntry h235CertificateSignatureComponents[] = {
    asn::mandatoryComponent<&h235CertificateSignature::certificate>(offsetof(h235CertificateSignature, certificate), "Certificate"),
    asn::mandatoryComponent<&h235CertificateSignature::responseRandom>(offsetof(h235CertificateSignature, responseRandom), "ResponseRandom"),
    asn::optionalComponent<&h235CertificateSignature::requesterRandom>(offsetof(h235CertificateSignature, requesterRandom), "RequesterRandom"),
    asn::mandatoryComponent<&h235CertificateSignature::signature>(offsetof(h235CertificateSignature, signature), "Signature"),
};
static const asn::tagTriple h235CertificateSignatureComponentTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor h235CertificateSignature::descriptor = asn::sequenceDescriptor::make(h235CertificateSignatureComponents, 4, 0x4u, true, h235CertificateSignatureComponentTags);
h235CertificateSignature::h235CertificateSignature(const h235CertificateSignature& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h235CertificateSignature& h235CertificateSignature::operator=(const h235CertificateSignature& other) {
  if (this != &other) assign(other);
  return *this;
}
h235CertificateSignature::~h235CertificateSignature() { reset(); }

static const asn::alternativeEntry h235KeyAlternatives[] = {
    asn::alternative<asn::bitString<1u, 2048u, 1>>("SecureChannel"),
    asn::alternative<H235::encrypted<asn::anytype<H235::keySyncMaterial> >>("SharedSecret"),
    asn::alternative<H235::signed_t<asn::anytype<H235::keySignedMaterial> >>("CertProtectedKey"),
};
static const asn::tagTriple h235KeyAlternativeTags[] = {{0, 3, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor h235KeyDescriptor = asn::choiceDescriptor::make(h235KeyAlternatives, 3, true, h235KeyAlternativeTags);

}  // namespace H235
