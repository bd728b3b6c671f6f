#include "releaseCompleteFrame.h"

#include <cstdint>

#include <asn/perCodec.h>

namespace {
constexpr unsigned bodyRootAlternatives = 7;
constexpr unsigned releaseCompleteIndex = 5;
// Additions of the Release-Complete body in version 4; callIdentifier is the first.
constexpr unsigned releaseCompleteAdditions = 9;
}  // namespace

std::vector<unsigned char> releaseCompleteFrame::encode() const {
  asn::per::codec codec;
  orvo::bitStream& bits = codec.stream();
  bits.writeBits(0, 1);  // H323-UserInformation: extension bit
  bits.writeBits(0, 1);  // user-data absent
  bits.writeBits(0, 1);  // H323-UU-PDU: extension bit
  bits.writeBits(0, 1);  // nonStandardData absent
  bits.writeBits(0, 1);  // h323-message-body: a root alternative
  codec.encodeConstrainedWholeNumber(releaseCompleteIndex, 0, bodyRootAlternatives - 1);
  bits.writeBits(callIdentifier ? 1 : 0, 1);  // Release-Complete-UUIE: extension bit
  bits.writeBits(reason ? 1 : 0, 1);
  const uint32_t version4[] = {0, 0, 8, 2250, 0, 4};
  asn::oid(version4, 6).encode(codec);  // protocolIdentifier
  if (reason) reason->encode(codec);
  if (callIdentifier) {
    codec.encodeNormallySmall(releaseCompleteAdditions, 1);
    bits.writeBits(1, 1);
    bits.writeBits(0, releaseCompleteAdditions - 1);
    asn::opentype wrapped;
    wrapped.setValue(*callIdentifier);
    wrapped.encode(codec);
  }
  const unsigned char* data = codec.stream().data();
  return std::vector<unsigned char>(data, data + codec.stream().octetLength());
}
