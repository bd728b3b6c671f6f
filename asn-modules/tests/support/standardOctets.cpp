#include "standardOctets.h"

#include "messageParts.h"
#include "rasSamples.h"

using namespace parts;

namespace {

using signedToken = H235::signed_t<asn::anytype<H235::clearToken>>;
using encryptedToken = H235::encrypted<asn::anytype<H235::clearToken>>;
constexpr int cryptoEPPwdEncr = 2;
constexpr int cryptoEPCert = 4;
constexpr int nsapAddress = 5;
constexpr int urlAlias = 2;

// Sequence number 1, version 4, a bare endpoint of vendor 1/2/3.
H225::registrationRequest* bareRegistration(H225::rasMessage& message) {
  auto* rrq = pick<H225::registrationRequest>(message, rasKind::registrationRequest);
  rrq->requestSeqNum = 1;
  setProtocol(rrq->protocolIdentifier);
  rrq->discoveryComplete = false;
  rrq->terminalType.mc = false;
  rrq->terminalType.undefinedNode = false;
  rrq->endpointVendor.vendor.t35CountryCode = 1;
  rrq->endpointVendor.vendor.t35Extension = 2;
  rrq->endpointVendor.vendor.manufacturerCode = 3;
  return rrq;
}

}  // namespace

std::unique_ptr<H225::rasMessage> unregistrationWithShortSignature() {
  auto message = std::make_unique<H225::rasMessage>();
  auto* urq = pick<H225::unregistrationRequest>(*message, rasKind::unregistrationRequest);
  urq->requestSeqNum = 1;
  auto* tokens = attach(urq->cryptoTokens);
  auto* certificate = pick<signedToken>(*tokens->appendNew(), cryptoEPCert);
  setOid(certificate->toBeSigned.get()->tokenOID, {0, 0});
  setOid(certificate->algorithmOID, {0, 0});
  certificate->signature.setBits("\x00\x00\x00\x00\x04", 38);
  auto* password = pick<encryptedToken>(*tokens->appendNew(), cryptoEPPwdEncr);
  setOid(password->algorithmOID, {0, 0});
  setText(password->encryptedData, "A");
  return message;
}

std::unique_ptr<H225::rasMessage> registrationWithNsapAddress() {
  auto message = std::make_unique<H225::rasMessage>();
  auto* rrq = bareRegistration(*message);
  pick<asn::octetStringBase>(*rrq->callSignalAddress.appendNew(), nsapAddress)->setValue("\xAB\xCD", 2);
  return message;
}

std::unique_ptr<H225::rasMessage> registrationWithLatinUrl() {
  auto message = std::make_unique<H225::rasMessage>();
  auto* rrq = bareRegistration(*message);
  *pick<asn::constrainedString>(*attach(rrq->terminalAlias)->appendNew(), urlAlias) = "h\xE9";
  return message;
}

const std::vector<standardOctets>& standardOctetsSuite() {
  static const std::vector<standardOctets> suite = [] {
    std::vector<standardOctets> all;
    // ... cryptoTokens: 2 tokens | CryptoEPCert 0 100 | OIDs 00, 00 | params
    // 0 0 0 | signature length 26, 00 00 00 00 and the six bits 000001, at
    // once followed by CryptoEPPwdEncr 0 010 | OID | params | data 01 41.
    all.push_back({"URQ with a 38-bit signature", unregistrationWithShortSignature,
                   "1a000000001220001602400400000100010000260000000004800100000141"});
    // ... callSignalAddress 1 | nsap 0 101 | length - 1 00001 and padding |
    // AB CD aligned.
    all.push_back(
        {"RRQ with an NSAP address", registrationWithNsapAddress, "0c000000060008914a000400015080abcd00000001020003"});
    // ... terminalAlias 1 | url, the first extension alternative: 1 0 000000
    // | open type 04: length - 1 00 01 in 16 bits, 68 E9.
    all.push_back({"RRQ with a url alias holding 0xE9", registrationWithLatinUrl,
                   "0c800000060008914a00040000000000018004000168e90001020003"});
    return all;
  }();
  return suite;
}
