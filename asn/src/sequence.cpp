#include <asn/sequence.h>

#include <cstring>
#include <memory>
#include <vector>

#include <orvo/assertion.h>

#include <asn/codec.h>

namespace asn {

namespace {

inline void drop(const componentEntry& e, sequence& owner) {
  if (object* held = e.component(owner)) {
    e.storeComponent(owner, nullptr);
    delete held;
  }
}

}  // namespace

void sequence::reset() {
  unknown_.reset();
  const sequenceDescriptor& d = descriptor();
  if (d.rootCount == sequenceDescriptor::notStated) {
    for (uint32_t i = 0; i < d.count; ++i)
      if (d.components[i].heldByPointer()) drop(d.components[i], *this);
    return;
  }
  // Every value of a message goes this way: only the pointer-held
  // components are visited, the OPTIONAL roots by their mask, each by the
  // offset that a record with stated roots gives for every entry.
  char* const base = reinterpret_cast<char*>(this);
  const auto dropAt = [base](const componentEntry& e) {
    object* held;
    std::memcpy(&held, base + e.offset, sizeof held);
    if (!held) return;
    object* const none = nullptr;
    std::memcpy(base + e.offset, &none, sizeof none);
    delete held;
  };
  for (uint32_t m = d.optionalRoots; m != 0; m &= m - 1) dropAt(d.components[__builtin_ctz(m)]);
  for (uint32_t i = d.rootCount; i < d.count; ++i) dropAt(d.components[i]);
}

unsigned sequence::optionalCount() const {
  const sequenceDescriptor& d = descriptor();
  unsigned n = 0;
  for (uint32_t i = 0; i < d.count; ++i)
    if (d.components[i].presence & 1) ++n;
  return n;
}

unsigned sequence::additionCount() const {
  const sequenceDescriptor& d = descriptor();
  unsigned n = 0;
  for (uint32_t i = 0; i < d.count; ++i)
    if (d.components[i].presence & 2) ++n;
  return n;
}

bool sequence::hasAdditions() const {
  const sequenceDescriptor& d = descriptor();
  for (uint32_t i = 0; i < d.count; ++i)
    if (d.components[i].isAddition() && d.components[i].component(*this)) return true;
  return false;
}

void sequence::setComponent(unsigned i, object* value) {
  const sequenceDescriptor& d = descriptor();
  ORVO_ASSERT(i < d.count && d.components[i].heldByPointer());
  const componentEntry& e = d.components[i];
  object* old = e.component(*this);
  if (old == value) return;
  e.storeComponent(*this, value);
  delete old;
}

void sequence::encode(codec& c) const { c.encodeSequence(*this); }

// The codec replaces what the value held (see codec.h).
void sequence::decode(codec& c) { c.decodeSequence(*this); }

void sequence::assign(const object& other) {
  if (&other == this) return;
  requireSameType(other);
  const sequence& source = static_cast<const sequence&>(other);
  const sequenceDescriptor& d = descriptor();

  // Copies are made before anything of this value is released, so a source
  // that lives inside this value stays readable.
  std::unique_ptr<unknownExtensions> side;
  if (source.unknown_) side.reset(new unknownExtensions(*source.unknown_));
  std::vector<std::unique_ptr<object>> held(d.count);
  for (uint32_t i = 0; i < d.count; ++i) {
    const componentEntry& e = d.components[i];
    if (!e.heldByPointer()) continue;
    const object* from = e.component(source);
    if (!from) continue;
    held[i].reset(e.create());
    held[i]->assign(*from);
  }
  for (uint32_t i = 0; i < d.count; ++i) {
    const componentEntry& e = d.components[i];
    if (!e.heldByPointer()) e.component(*this)->assign(*e.component(source));
  }
  reset();
  unknown_ = std::move(side);
  for (uint32_t i = 0; i < d.count; ++i)
    if (held[i]) d.components[i].storeComponent(*this, held[i].release());
}

bool sequence::isEqual(const object& other) const {
  requireSameType(other);
  if (&other == this) return true;
  const sequence& o = static_cast<const sequence&>(other);
  if ((unknown_ == nullptr) != (o.unknown_ == nullptr)) return false;
  if (unknown_ && !unknown_->isEqual(*o.unknown_)) return false;
  const sequenceDescriptor& d = descriptor();
  for (uint32_t i = 0; i < d.count; ++i) {
    const componentEntry& e = d.components[i];
    const object* a = e.component(*this);
    const object* b = e.component(o);
    if (e.heldByPointer()) {
      if ((a == nullptr) != (b == nullptr)) return false;
      if (a && !a->isEqual(*b)) return false;
    } else if (!a->isEqual(*b)) {
      return false;
    }
  }
  return true;
}

}  // namespace asn
