#include <h323/h235Digest.h>

#include <openssl/evp.h>

#include <asn/perCodec.h>
#include <h235/h235.h>

namespace H323 {

namespace {

void appendTime(orvo::string& AOut, uint32_t ATime) {
  AOut.append(char(ATime >> 24));
  AOut.append(char(ATime >> 16));
  AOut.append(char(ATime >> 8));
  AOut.append(char(ATime));
}

}  // namespace

bool md5Digest(const void* AData, unsigned ALength, orvo::string& ADigest) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(AData, ALength, digest, &length, EVP_md5(), nullptr) != 1 || length != 16) return false;
  ADigest.assign(digest, length);
  return true;
}

bool accessTokenChallenge(uint32_t ARandom, const orvo::string& APassword, uint32_t ATime, orvo::string& ADigest) {
  orvo::string input(char(ARandom & 0xFF));
  input.append(APassword);
  appendTime(input, ATime);
  return md5Digest(input.buffer(), input.length(), ADigest);
}

bool passwordHashContent(const orvo::string& ASigner, const orvo::string& APassword, uint32_t ATime,
                         orvo::string& AOctets) {
  H235::clearToken content;
  static const uint32_t nullIdentifier[] = {0, 0};
  content.tokenOID.set(nullIdentifier, 2);
  content.timeStamp = new asn::integer<1u, 4294967295u, 1>(ATime);
  content.password = new asn::bmpString<1u, 128u, 1>;
  *content.password = APassword + '\0';
  content.generalID = new asn::bmpString<1u, 128u, 1>;
  *content.generalID = ASigner + '\0';
  try {
    asn::per::codec encoder;
    content.encode(encoder);
    AOctets.assign(encoder.stream().data(), encoder.stream().octetLength());
    return true;
  } catch (orvo::exception* e) {
    // A name or password beyond the 128 characters of a BMPString here.
    delete e;
    return false;
  }
}

bool passwordHash(const orvo::string& ASigner, const orvo::string& APassword, uint32_t ATime, orvo::string& ADigest) {
  orvo::string content;
  return passwordHashContent(ASigner, APassword, ATime, content) &&
         md5Digest(content.buffer(), content.length(), ADigest);
}

}  // namespace H323
