#include <asn/unknownExtensions.h>

#include <cstring>

#include <orvo/exception.h>

namespace asn {

unknownExtensions::unknownExtensions(unsigned count)
    : count_(count), present_(new unsigned char[count]()), values_(new opentype[count]) {}

unknownExtensions::unknownExtensions(const unknownExtensions& other)
    : count_(other.count_), present_(new unsigned char[other.count_]), values_(new opentype[other.count_]) {
  std::memcpy(present_.get(), other.present_.get(), count_);
  for (unsigned i = 0; i < count_; ++i) values_[i].assign(other.values_[i]);
}

bool unknownExtensions::anyPresent() const {
  for (unsigned i = 0; i < count_; ++i)
    if (present_[i]) return true;
  return false;
}

const opentype& unknownExtensions::get(unsigned i) const {
  if (i >= count_) throw new orvo::exception("requested extension[%d], not present", int(i));
  return values_[i];
}

void unknownExtensions::set(unsigned i, const opentype& value) {
  if (i >= count_) throw new orvo::exception("set extension[%d], out of bounds", int(i));
  present_[i] = 1;
  values_[i].assign(value);
}

bool unknownExtensions::isEqual(const unknownExtensions& other) const {
  if (count_ != other.count_) return false;
  for (unsigned i = 0; i < count_; ++i) {
    if ((present_[i] != 0) != (other.present_[i] != 0)) return false;
    if (!values_[i].isEqual(other.values_[i])) return false;
  }
  return true;
}

}  // namespace asn
