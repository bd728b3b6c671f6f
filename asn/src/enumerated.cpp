#include <asn/enumerated.h>

#include <asn/codec.h>

namespace asn {

int enumerated::value() const {
  const enumeratedDescriptor& d = descriptor();
  return index_ < d.count ? int(d.values[index_].value) : -1;
}

int enumerated::setValue(int value) {
  const enumeratedDescriptor& d = descriptor();
  int i = findNamedValue(d.values, d.count, uint32_t(value));
  index_ = uint32_t(i);
  return i;
}

orvo::string enumerated::name() const {
  const enumeratedDescriptor& d = descriptor();
  if (index_ < d.count) return orvo::string(d.values[index_].name);
  orvo::string text;
  text.format("unknown (%d)", int(index_));
  return text;
}

void enumerated::encode(codec& c) const { c.encodeEnumerated(*this); }
void enumerated::decode(codec& c) { c.decodeEnumerated(*this); }

void enumerated::assign(const object& other) {
  requireSameType(other);
  index_ = static_cast<const enumerated&>(other).index_;
}

bool enumerated::isEqual(const object& other) const {
  requireSameType(other);
  return index_ == static_cast<const enumerated&>(other).index_;
}

}  // namespace asn
