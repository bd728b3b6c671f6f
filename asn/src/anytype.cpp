#include <asn/anytype.h>

#include <memory>

#include <asn/codec.h>

namespace asn {

anytypeBase::anytypeBase(const typeInfo* record) : object(record), value_(record->create()) {}

anytypeBase::anytypeBase(const anytypeBase& other) : object(other), value_(typeRecord().create()) {
  std::unique_ptr<object> held(value_);
  held->assign(*other.value_);
  held.release();
}

anytypeBase& anytypeBase::operator=(const anytypeBase& other) {
  assign(other);
  return *this;
}

anytypeBase::~anytypeBase() { delete value_; }

object* anytypeBase::reset() {
  std::unique_ptr<object> fresh(typeRecord().create());
  delete value_;
  value_ = fresh.release();
  return value_;
}

void anytypeBase::encode(codec& c) const { c.encodeAnytype(*this); }
void anytypeBase::decode(codec& c) { c.decodeAnytype(*this); }

void anytypeBase::assign(const object& other) {
  if (&other == this) return;
  requireSameType(other);
  std::unique_ptr<object> fresh(typeRecord().create());
  fresh->assign(*static_cast<const anytypeBase&>(other).value_);
  delete value_;
  value_ = fresh.release();
}

bool anytypeBase::isEqual(const object& other) const {
  requireSameType(other);
  return value_->isEqual(*static_cast<const anytypeBase&>(other).value_);
}

const tagTriple& anytypeBase::tag() const { return typeRecord().tag; }

}  // namespace asn
