#include "messageParts.h"

#include <cstring>

#include "registrationFrame.h"

namespace parts {

void setProtocol(asn::oid& identifier) { setOid(identifier, {0, 0, 8, 2250, 0, 4}); }

void setOid(asn::oid& identifier, std::initializer_list<uint32_t> arcs) {
  identifier.set(arcs.begin(), unsigned(arcs.size()));
}

void setIp(H225::transportAddress& address, unsigned char a, unsigned char b, unsigned char c, unsigned char d,
           unsigned port) {
  auto* ip = pick<H225::transportAddress::ipAddress_sequence>(address, 0);
  const unsigned char octets[] = {a, b, c, d};
  ip->ip.setValue(octets, 4);
  ip->port = port;
}

H225::transportAddress* appendIp(asn::sequenceOf<H225::transportAddress, 0u, 0u, 1>& list, unsigned char d,
                                 unsigned port) {
  H225::transportAddress* address = list.appendNew();
  setIp(*address, 127, 0, 0, d, port);
  return address;
}

void setDigits(H225::aliasAddress& alias, const char* digits) { *pick<asn::constrainedString>(alias, 0) = digits; }

void setH323Id(H225::aliasAddress& alias, const char* name) { *pick<asn::bmpStringBase>(alias, 1) = name; }

void appendDigits(asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>& list, const char* digits) {
  setDigits(*list.appendNew(), digits);
}

void appendH323Id(asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>& list, const char* name) {
  setH323Id(*list.appendNew(), name);
}

void setGuid(asn::octetStringBase& value, unsigned char seed) {
  unsigned char octets[16];
  for (unsigned i = 0; i < 16; ++i) octets[i] = (unsigned char)(seed + i);
  value.setValue(octets, 16);
}

void setText(asn::octetStringBase& value, const char* text) { value.setValue(text, unsigned(std::strlen(text))); }

void setNonStandard(H225::nonStandardParameter& parameter, unsigned country, unsigned manufacturer, const char* data) {
  auto* h221 = pick<H225::h221NonStandard>(parameter.nonStandardIdentifier, 1);
  h221->t35CountryCode = country;
  h221->t35Extension = 0;
  h221->manufacturerCode = manufacturer;
  setText(parameter.data, data);
}

void setTerminal(H225::endpointType& type) {
  setVendor(*attach(type.vendor), 181, 21324, "orvo phone", "4.0.2");
  attach(type.terminal);
  type.mc = false;
  type.undefinedNode = false;
}

void setGateway(H225::endpointType& type) {
  setVendor(*attach(type.vendor), 181, 21324, "orvo gateway", "2.1.7");
  auto* protocols = attach(attach(type.gateway)->protocol);
  auto* h323 = pick<H225::h323Caps>(*protocols->appendNew(), 5);
  setDigits(attach(h323->supportedPrefixes)->appendNew()->prefix, "9");
  auto* t38 = pick<H225::t38FaxAnnexbOnlyCaps>(*protocols->appendNew(), 10);
  setDigits(t38->supportedPrefixes.appendNew()->prefix, "8");
  t38->t38FaxProtocol.select(13);  // UDP
  t38->t38FaxProfile.fillBitRemoval = false;
  t38->t38FaxProfile.transcodingJBIG = false;
  t38->t38FaxProfile.transcodingMMR = false;
  *attach(t38->t38FaxProfile.version) = 0;
  attach(t38->t38FaxProfile.t38FaxRateManagement)->select(1);  // transferredTCF
  type.mc = false;
  type.undefinedNode = false;
}

H235::clearToken* passwordToken(uint32_t timeStamp, uint32_t random) {
  auto* token = new H235::clearToken;
  setOid(token->tokenOID, {0, 0, 8, 235, 0, 2, 1});
  *attach(token->timeStamp) = timeStamp;
  *attach(token->random) = random;
  *attach(token->generalID) = "GK-Zone";
  return token;
}

H225::cryptoH323Token* passwordHash(const char* alias, uint32_t timeStamp) {
  auto* token = new H225::cryptoH323Token;
  auto* hash = pick<H225::cryptoH323Token::cryptoEPPwdHash_sequence>(*token, 0);
  setH323Id(hash->alias, alias);
  hash->timeStamp = timeStamp;
  setOid(hash->token.algorithmOID, {1, 2, 840, 113549, 2, 5});
  const unsigned char digest[16] = {0x9e, 0x10, 0x7d, 0x9d, 0x37, 0x2b, 0xb6, 0x82,
                                    0x6b, 0xd8, 0x1d, 0x35, 0x42, 0xa4, 0x19, 0xd6};
  hash->token.hash.setBits(digest, 128);
  return token;
}

}  // namespace parts
