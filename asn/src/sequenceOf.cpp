#include <asn/sequenceOf.h>

#include <memory>

#include <asn/codec.h>

namespace asn {

sequenceOfBase::sequenceOfBase(const sequenceOfBase& other) : constrained(other), elements_(1) { assign(other); }

sequenceOfBase& sequenceOfBase::operator=(const sequenceOfBase& other) {
  assign(other);
  return *this;
}

sequenceOfBase::~sequenceOfBase() = default;

object* sequenceOfBase::appendNew() {
  std::unique_ptr<object> element(typeRecord().create());
  elements_.append(element.get());
  return element.release();
}

void sequenceOfBase::encode(codec& c) const { c.encodeSequenceOf(*this); }
void sequenceOfBase::decode(codec& c) { c.decodeSequenceOf(*this); }

void sequenceOfBase::assign(const object& other) {
  if (&other == this) return;
  requireSameType(other);
  const sequenceOfBase& source = static_cast<const sequenceOfBase&>(other);
  // Built aside and swapped in: an element that fails to copy is released,
  // and a source inside one of the old elements stays readable.
  orvo::list<object> fresh(1);
  for (object* e : source.elements_) {
    std::unique_ptr<object> copy(typeRecord().create());
    copy->assign(*e);
    fresh.append(copy.get());
    copy.release();
  }
  elements_ = fresh;
}

bool sequenceOfBase::isEqual(const object& other) const {
  requireSameType(other);
  const sequenceOfBase& o = static_cast<const sequenceOfBase&>(other);
  if (elements_.count() != o.elements_.count()) return false;
  const orvo::listNode* a = elements_.head();
  const orvo::listNode* b = o.elements_.head();
  for (; a && b; a = a->next, b = b->next)
    if (!static_cast<const object*>(a->element)->isEqual(*static_cast<const object*>(b->element))) return false;
  return true;
}

}  // namespace asn
