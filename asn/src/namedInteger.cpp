#include <asn/namedInteger.h>

#include <asn/codec.h>

namespace asn {

orvo::string namedInteger::name() const {
  const typeInfo& info = typeRecord();
  int i = findNamedValue(info.namedValues, info.namedCount, value());
  return i < 0 ? orvo::string("unknown") : orvo::string(info.namedValues[i].name);
}

void namedInteger::encode(codec& c) const { c.encodeNamedInteger(*this); }
void namedInteger::decode(codec& c) { c.decodeNamedInteger(*this); }

}  // namespace asn
