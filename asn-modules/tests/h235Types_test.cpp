// The H.235 types: tokens and mechanisms encoded as worked out by hand, the
// parameterised signed, encrypted and hashed types over their open-type
// holders, and the module's constraint failures.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <asn/perCodec.h>
#include <h235/h235.h>

#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

using constraintFailure = asn::per::codec::encodeConstrainedCheckFailed;
using signedToken = H235::signed_t<asn::anytype<H235::clearToken>>;
using encryptedToken = H235::encrypted<asn::anytype<H235::clearToken>>;
using encryptedKey = H235::encrypted<asn::anytype<H235::keySyncMaterial>>;
using hashedToken = H235::hashed<asn::anytype<H235::clearToken>>;

void setOid(asn::oid& oid, std::initializer_list<uint32_t> arcs) { oid.set(arcs.begin(), unsigned(arcs.size())); }

// 0.0.8.235.0.2.5: contents 00 08 81 6b 00 02 05.
void setTokenOid(H235::clearToken& token) { setOid(token.tokenOID, {0, 0, 8, 235, 0, 2, 5}); }

template <class T>
void expectRoundTrip(const T& value) {
  std::vector<unsigned char> octets = perOctets(value);
  T decoded;
  perDecode(decoded, octets);
  EXPECT_TRUE(decoded.isEqual(value)) << hexText(octets);
  EXPECT_EQ(perHex(decoded), hexText(octets));
}

}  // namespace

TEST(clearToken, withOnlyItsIdentifierStartsWithNineZeroBits) {
  H235::clearToken token;
  setTokenOid(token);
  // extension bit and eight presence bits, padding, then the identifier.
  EXPECT_EQ(perHex(token), "00 00 07 00 08 81 6b 00 02 05");
  expectRoundTrip(token);
}

TEST(clearToken, sendersIdIsTheSecondAddition) {
  H235::clearToken token;
  setTokenOid(token);
  token.sendersID = new asn::bmpString<1u, 128u, 1>;
  *token.sendersID = "ab";
  // extension bit 1; after the identifier: two additions (0 000001), the
  // map 01 (eckasdhkey absent, sendersID present), then the identifier as
  // an open type of five octets.
  EXPECT_EQ(perHex(token), "80 00 07 00 08 81 6b 00 02 05 02 80 05 02 00 61 00 62");
  expectRoundTrip(token);
}

TEST(clearToken, constraintsOfItsComponentsHold) {
  H235::clearToken token;
  setTokenOid(token);
  token.challenge = new asn::octetString<8u, 128u, 1>;
  token.challenge->setValue("1234567", 7);
  ORVO_EXPECT_THROW(perOctets(token), constraintFailure, "Encode integer constraint check failed.");
  token.challenge->setValue(std::string(129, 'x').data(), 129);
  ORVO_EXPECT_THROW(perOctets(token), constraintFailure, "Encode length constraint check failed.");
  delete token.challenge;
  token.challenge = nullptr;
  token.timeStamp = new asn::integer<1u, 4294967295u, 1>(0);
  ORVO_EXPECT_THROW(perOctets(token), constraintFailure, "Encode integer constraint check failed.");
}

TEST(authenticationMechanism, theAdditionIsAnOpenTypeTheRootsAreIndices) {
  H235::authenticationMechanism bes;
  static_cast<asn::choice*>(bes.select(7))->select(0);  // authenticationBES: default
  EXPECT_EQ(perHex(bes), "80 01 00");
  expectRoundTrip(bes);

  H235::authenticationMechanism nonStandard;
  auto* parameter = static_cast<H235::nonStandardParameter*>(nonStandard.select(6));
  setOid(parameter->nonStandardIdentifier, {1, 2, 3});
  parameter->data.setValue("x", 1);
  // extension bit 0, index 6 in three bits, padding; the identifier; one octet.
  EXPECT_EQ(perHex(nonStandard), "60 02 2a 03 01 78");
  expectRoundTrip(nonStandard);

  H235::authenticationMechanism pwdHash;
  pwdHash.select(2);
  EXPECT_EQ(perHex(pwdHash), "20");
}

TEST(params, initialisationVectorsHaveExactSizes) {
  H235::params p;
  p.iv16 = new asn::octetString<16u, 16u, 1>;
  p.iv16->setValue("0123456789abcdef", 16);
  // extension bit 1, two absent OPTIONALs; one addition, present.
  EXPECT_EQ(perHex(p), "80 20 10 30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66");
  expectRoundTrip(p);
  p.iv16->setValue("0123456789abcde", 15);
  ORVO_EXPECT_THROW(perOctets(p), constraintFailure, "Encode length constraint check failed.");
  delete p.iv16;
  p.iv16 = nullptr;
  p.iv8 = new asn::octetString<8u, 8u, 1>;
  p.iv8->setValue("0123456", 7);
  ORVO_EXPECT_THROW(perOctets(p), constraintFailure, "Encode length constraint check failed.");
  p.iv8->setValue("01234567", 8);
  EXPECT_EQ(perHex(p), "20 30 31 32 33 34 35 36 37");
}

TEST(signedToken, toBeSignedIsAnOpenTypeOfTheTokensOwnEncoding) {
  signedToken value;
  setTokenOid(*value.toBeSigned.get());
  setOid(value.algorithmOID, {1, 2, 840, 113549, 2, 5});
  value.signature.setBits("\xab", 8);
  // length 10 and the token's ten octets; the algorithm; the empty params'
  // three bits; the signature's length 8 and its octet.
  EXPECT_EQ(perHex(value), "0a 00 00 07 00 08 81 6b 00 02 05 08 2a 86 48 86 f7 0d 02 05 00 08 ab");
  signedToken decoded;
  perDecode(decoded, perOctets(value));
  H235::clearToken* token = decoded.toBeSigned.get();
  ASSERT_NE(token, nullptr);
  EXPECT_EQ(token->tokenOID.count(), 7u);
  EXPECT_EQ(token->tokenOID.arc(3), 235u);
  EXPECT_TRUE(decoded.isEqual(value));
}

TEST(signedToken, equalTokensMakeEqualValuesAndCopiesAreDeep) {
  signedToken a, b;
  for (signedToken* v : {&a, &b}) {
    setTokenOid(*v->toBeSigned.get());
    setOid(v->algorithmOID, {1, 2, 3});
  }
  EXPECT_TRUE(a.isEqual(b));
  b.toBeSigned.get()->generalID = new asn::bmpString<1u, 128u, 1>;
  *b.toBeSigned.get()->generalID = "gk";
  EXPECT_FALSE(a.isEqual(b));
  auto* copy = new signedToken(b);
  EXPECT_NE(copy->toBeSigned.get(), b.toBeSigned.get());
  EXPECT_TRUE(copy->isEqual(b));
  // Destroying the copy releases its held token and nothing of b's.
  delete copy;
  EXPECT_EQ(b.toBeSigned.get()->generalID->length(), 2u);
}

TEST(encrypted, bothInstancesEncodeTheSameValuesAlike) {
  encryptedToken token;
  encryptedKey key;
  setOid(token.algorithmOID, {1, 3, 14, 3, 2, 7});
  setOid(key.algorithmOID, {1, 3, 14, 3, 2, 7});
  token.encryptedData.setValue("secret", 6);
  key.encryptedData.setValue("secret", 6);
  token.paramS.iv8 = new asn::octetString<8u, 8u, 1>;
  token.paramS.iv8->setValue("ivivivi!", 8);
  key.paramS.iv8 = new asn::octetString<8u, 8u, 1>;
  key.paramS.iv8->setValue("ivivivi!", 8);
  EXPECT_EQ(perHex(token), perHex(key));
  EXPECT_EQ(perHex(token), "05 2b 0e 03 02 07 20 69 76 69 76 69 76 69 21 06 73 65 63 72 65 74");
  EXPECT_NE(&encryptedToken::descriptor, &encryptedKey::descriptor);
  expectRoundTrip(token);
}

TEST(hashed, holdsNoValueOfItsParameter) {
  hashedToken hash;
  EXPECT_EQ(hash.descriptor.count, 3u);
  EXPECT_STREQ(hash.descriptor.components[2].name, "Hash");
  setOid(hash.algorithmOID, {1, 2, 840, 113549, 2, 5});
  hash.hash.setLength(128);
  hash.hash.setBit(127);
  expectRoundTrip(hash);
}

TEST(anytype, holderAloneReleasesItsValue) {
  // A leak here fails the sanitizer build.
  auto* holder = new asn::anytype<H235::clearToken>;
  valueFiller(1).fill(*holder);
  ASSERT_EQ(holder->get()->tokenOID.count(), 6u);
  delete holder;
}

TEST(h235Key, isADescriptorWithoutAClass) {
  EXPECT_EQ(H235::h235KeyDescriptor.count, 3u);
  EXPECT_EQ(H235::h235KeyDescriptor.rootCount, 3u);
  EXPECT_STREQ(H235::h235KeyDescriptor.alternatives[2].name, "CertProtectedKey");
  std::unique_ptr<asn::object> key(H235::h235KeyDescriptor.alternatives[2].create());
  EXPECT_EQ(key->record(), &H235::signed_t<asn::anytype<H235::keySignedMaterial>>::descriptor);
}
