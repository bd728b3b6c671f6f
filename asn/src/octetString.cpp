#include <asn/octetString.h>

#include <asn/codec.h>

namespace asn {

void octetStringBase::encode(codec& c) const { c.encodeOctetString(*this); }
void octetStringBase::decode(codec& c) { c.decodeOctetString(*this); }

void octetStringBase::assign(const object& other) {
  requireSameType(other);
  octets_ = static_cast<const octetStringBase&>(other).octets_;
}

bool octetStringBase::isEqual(const object& other) const {
  requireSameType(other);
  return octets_ == static_cast<const octetStringBase&>(other).octets_;
}

}  // namespace asn
