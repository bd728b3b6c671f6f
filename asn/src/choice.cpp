#include <asn/choice.h>

#include <memory>

#include <asn/codec.h>
#include <asn/opentype.h>
#include <asn/perCodec.h>

namespace asn {

namespace {
const tagTriple noTag = {0, 0, 0};
}

choice::choice(const choice& other) : object(other) { assign(other); }

choice& choice::operator=(const choice& other) {
  assign(other);
  return *this;
}

choice::~choice() { delete alternative_; }

const char* choice::alternativeName() const {
  if (index_ < 0 || uint32_t(index_) >= descriptor().count) return nullptr;
  return descriptor().alternatives[index_].name;
}

object* choice::reselect(int index) {
  if (index < none)
    throw new per::codec::typeException(orvo::string().format("Choice alternative %d does not exist.", index));
  object* fresh = nullptr;
  if (index != none)
    fresh = uint32_t(index) < descriptor().count ? descriptor().alternatives[index].create() : new opentype;
  delete alternative_;
  alternative_ = fresh;
  index_ = index;
  return fresh;
}

void choice::setAlternative(int index, object* value) {
  if (value == alternative_) {
    if (index < none)
      throw new per::codec::typeException(orvo::string().format("Choice alternative %d does not exist.", index));
    if (index == none) {
      clear();
    } else {
      index_ = index;
    }
    return;
  }
  std::unique_ptr<object> given(value);
  if (index < none)
    throw new per::codec::typeException(orvo::string().format("Choice alternative %d does not exist.", index));
  // No value is no selection: an index without an alternative could not be
  // coded, copied or printed.
  if (index == none || value == nullptr) {
    clear();
    return;
  }
  delete alternative_;
  alternative_ = given.release();
  index_ = index;
}

void choice::clear() {
  index_ = none;
  delete alternative_;
  alternative_ = nullptr;
}

void choice::encode(codec& c) const { c.encodeChoice(*this); }

void choice::decode(codec& c) {
  clear();
  c.decodeChoice(*this);
}

void choice::assign(const object& other) {
  if (&other == this) return;
  requireSameType(other);
  const choice& source = static_cast<const choice&>(other);
  if (source.index_ == none) {
    clear();
    return;
  }
  // Copied before the old alternative goes: the source may live inside it.
  std::unique_ptr<object> fresh(
      uint32_t(source.index_) < descriptor().count ? descriptor().alternatives[source.index_].create() : new opentype);
  fresh->assign(*source.alternative_);
  int index = source.index_;
  delete alternative_;
  alternative_ = fresh.release();
  index_ = index;
}

bool choice::isEqual(const object& other) const {
  requireSameType(other);
  const choice& o = static_cast<const choice&>(other);
  if (index_ == none || o.index_ == none) return index_ == o.index_;
  if (index_ != o.index_) return false;
  return alternative_->isEqual(*o.alternative_);
}

const tagTriple& choice::tag() const { return noTag; }

}  // namespace asn
