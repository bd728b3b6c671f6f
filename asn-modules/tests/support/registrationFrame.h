// A RAS registration request around common-type values, for decoders that
// only read whole RAS messages. The message shell (RasMessage alternative 3,
// the RegistrationRequest root without additions) is written field by field
// as H.225.0 defines it; the common types inside are encoded by the
// generated classes.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>

struct registrationFrame {
  unsigned requestSeqNum = 1;
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> callSignalAddress;
  asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> rasAddress;
  H225::endpointType terminalType;
  asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1> terminalAlias;  // left out when empty
  std::string gatekeeperIdentifier;                              // left out when empty
  H225::vendorIdentifier endpointVendor;
  // Extension additions by their number (tokens 2, cryptoTokens 3, capacity
  // 18, featureSet 19, genericData 20 of the 21 this version knows).
  std::map<unsigned, std::unique_ptr<asn::object>> additions;

  // The PER octets of the whole RasMessage.
  std::vector<unsigned char> encode() const;
};

// An IPv4 transport address.
H225::transportAddress* ipTransport(unsigned char a, unsigned char b, unsigned char c, unsigned char d, unsigned port);
// A vendor identifier with country, manufacturer and product texts.
void setVendor(H225::vendorIdentifier& vendor, unsigned country, unsigned manufacturer, const char* product,
               const char* version);
