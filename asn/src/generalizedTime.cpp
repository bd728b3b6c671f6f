#include <asn/generalizedTime.h>

#include <asn/codec.h>

namespace asn {

const typeInfo generalizedTime::info = typeInfo::simple(24);

generalizedTime::generalizedTime() : object(&info) {}
generalizedTime::generalizedTime(const typeInfo* record) : object(record) {}
generalizedTime::generalizedTime(const orvo::dateTime& value) : object(&info), value_(value) {}

void generalizedTime::encode(codec& c) const { c.encodeGeneralizedTime(*this); }
void generalizedTime::decode(codec& c) { c.decodeGeneralizedTime(*this); }

void generalizedTime::assign(const object& other) {
  requireSameType(other);
  value_ = static_cast<const generalizedTime&>(other).value_;
}

bool generalizedTime::isEqual(const object& other) const {
  requireSameType(other);
  return value_.compare(static_cast<const generalizedTime&>(other).value_) == 0;
}

}  // namespace asn
