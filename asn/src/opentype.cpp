#include <asn/opentype.h>

#include <asn/perCodec.h>

namespace asn {

// Tag number 0: an open type has no tag of its own.
const typeInfo opentype::info = typeInfo::simple(0);

void opentype::setValue(const object& value) {
  per::codec encoder;
  value.encode(encoder);
  unsigned length = encoder.stream().octetLength();
  if (length == 0)
    octets_.clear();
  else
    octets_.assign(encoder.stream().data(), length);
}

void opentype::getValue(object& value) const {
  per::codec decoder(octets_.buffer(), octets_.length());
  value.decode(decoder);
}

void opentype::encode(codec& c) const { c.encodeOpenType(*this); }
void opentype::decode(codec& c) { c.decodeOpenType(*this); }

void opentype::assign(const object& other) {
  requireSameType(other);
  octets_ = static_cast<const opentype&>(other).octets_;
}

bool opentype::isEqual(const object& other) const {
  requireSameType(other);
  return octets_ == static_cast<const opentype&>(other).octets_;
}

}  // namespace asn
