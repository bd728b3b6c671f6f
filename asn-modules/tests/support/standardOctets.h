// Messages whose octets were worked out by hand from X.691 and checked with
// an independent aligned-PER decoder: each holds a value that this codec
// once coded differently from every standard peer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>

struct standardOctets {
  std::string name;
  std::unique_ptr<H225::rasMessage> (*build)();
  std::string hex;  // the whole datagram, two digits an octet
};

const std::vector<standardOctets>& standardOctetsSuite();

// An unregistration whose crypto tokens hold a certificate token with a
// 38-bit signature and then an encrypted password token.
std::unique_ptr<H225::rasMessage> unregistrationWithShortSignature();
// A registration whose call-signalling address is the NSAP address AB CD.
std::unique_ptr<H225::rasMessage> registrationWithNsapAddress();
// A registration whose url alias carries the Latin-1 octet 0xE9.
std::unique_ptr<H225::rasMessage> registrationWithLatinUrl();
