#include <asn/unknownExtensions.h>

#include <orvo/exception.h>

namespace asn {

unknownExtensions::unknownExtensions(unsigned count) : count_(count), slots_(new slot[count]) {}

unknownExtensions::unknownExtensions(const unknownExtensions& other)
    : count_(other.count_), slots_(new slot[other.count_]) {
  for (unsigned i = 0; i < count_; ++i) {
    slots_[i].present = other.slots_[i].present;
    slots_[i].value.assign(other.slots_[i].value);
  }
}

bool unknownExtensions::anyPresent() const {
  for (unsigned i = 0; i < count_; ++i)
    if (slots_[i].present) return true;
  return false;
}

const opentype& unknownExtensions::get(unsigned i) const {
  if (i >= count_) throw new orvo::exception("requested extension[%d], not present", int(i));
  return slots_[i].value;
}

void unknownExtensions::set(unsigned i, const opentype& value) {
  if (i >= count_) throw new orvo::exception("set extension[%d], out of bounds", int(i));
  slots_[i].present = true;
  slots_[i].value.assign(value);
}

bool unknownExtensions::isEqual(const unknownExtensions& other) const {
  if (count_ != other.count_) return false;
  for (unsigned i = 0; i < count_; ++i) {
    if (slots_[i].present != other.slots_[i].present) return false;
    if (!slots_[i].value.isEqual(other.slots_[i].value)) return false;
  }
  return true;
}

}  // namespace asn
