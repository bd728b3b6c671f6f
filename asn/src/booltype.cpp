#include <asn/booltype.h>

#include <asn/codec.h>

namespace asn {

const typeInfo booltype::info = typeInfo::simple(1);

void booltype::encode(codec& c) const { c.encodeBoolean(*this); }
void booltype::decode(codec& c) { c.decodeBoolean(*this); }

void booltype::assign(const object& other) {
  requireSameType(other);
  value_ = static_cast<const booltype&>(other).value_;
}

bool booltype::isEqual(const object& other) const {
  requireSameType(other);
  return value_ == static_cast<const booltype&>(other).value_;
}

}  // namespace asn
