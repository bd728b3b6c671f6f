#include <asn/null.h>

#include <asn/codec.h>

namespace asn {

const typeInfo null::info = typeInfo::simple(5);

void null::encode(codec& c) const { c.encodeNull(*this); }
void null::decode(codec& c) { c.decodeNull(*this); }
void null::assign(const object& other) { requireSameType(other); }
bool null::isEqual(const object& other) const {
  requireSameType(other);
  return true;
}

}  // namespace asn
