#include <asn/integer.h>

#include <asn/codec.h>

namespace asn {

void integerBase::encode(codec& c) const { c.encodeInteger(*this); }
void integerBase::decode(codec& c) { c.decodeInteger(*this); }

void integerBase::assign(const object& other) {
  requireSameType(other);
  value_ = static_cast<const integerBase&>(other).value_;
}

bool integerBase::isEqual(const object& other) const {
  requireSameType(other);
  return value_ == static_cast<const integerBase&>(other).value_;
}

}  // namespace asn
