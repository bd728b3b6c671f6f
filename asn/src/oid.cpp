#include <asn/oid.h>

#include <cstring>

#include <asn/codec.h>

namespace asn {

const typeInfo oid::info = typeInfo::simple(6);

oid::oid(uint32_t a0, uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4, uint32_t a5, uint32_t a6, uint32_t a7,
         uint32_t a8, uint32_t a9)
    : object(&info) {
  setArcs({a0, a1, a2, a3, a4, a5, a6, a7, a8, a9});
}

oid::oid(const typeInfo& record, uint32_t a0, uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4, uint32_t a5,
         uint32_t a6, uint32_t a7, uint32_t a8, uint32_t a9)
    : object(&record) {
  setArcs({a0, a1, a2, a3, a4, a5, a6, a7, a8, a9});
}

oid::oid(const uint32_t* arcs, unsigned count) : object(&info) { set(arcs, count); }

void oid::setArcs(const uint32_t (&arcs)[10]) {
  unsigned n = 0;
  while (n < 10 && arcs[n] != absent) ++n;
  set(arcs, n);
}

uint32_t oid::arc(unsigned i) const {
  if (i >= count()) return 0;
  uint32_t a;
  std::memcpy(&a, arcs_.buffer() + size_t(i) * 4, 4);
  return a;
}

void oid::set(const uint32_t* arcs, unsigned count) {
  if (count == 0)
    arcs_.clear();
  else
    arcs_.assign(arcs, count * 4u);
}

void oid::append(uint32_t arc) { arcs_.append(&arc, 4); }

int oid::compare(const oid& other) const {
  unsigned n = count(), m = other.count();
  for (unsigned i = 0; i < n && i < m; ++i) {
    uint32_t a = arc(i), b = other.arc(i);
    if (a != b) return int32_t(a - b);
  }
  return int(n) - int(m);
}

void oid::encode(codec& c) const { c.encodeOID(*this); }
void oid::decode(codec& c) { c.decodeOID(*this); }

void oid::assign(const object& other) {
  requireSameType(other);
  arcs_ = static_cast<const oid&>(other).arcs_;
}

bool oid::isEqual(const object& other) const {
  requireSameType(other);
  return compare(static_cast<const oid&>(other)) == 0;
}

}  // namespace asn
