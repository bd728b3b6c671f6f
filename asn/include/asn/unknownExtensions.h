// Extension additions received beyond those a SEQUENCE type knows, kept as
// open types; slot i is the i-th addition past the known ones.
#pragma once

#include <memory>

#include <asn/opentype.h>

namespace asn {

class unknownExtensions {
public:
  explicit unknownExtensions(unsigned count);
  unknownExtensions(const unknownExtensions& other);
  unknownExtensions& operator=(const unknownExtensions&) = delete;

  unsigned count() const { return count_; }
  bool isPresent(unsigned i) const { return i < count_ && present_[i] != 0; }
  bool anyPresent() const;
  // Throws "requested extension[%d], not present" beyond the count.
  const opentype& get(unsigned i) const;
  // Flags slot i present and copies the octets; throws
  // "set extension[%d], out of bounds" beyond the count.
  void set(unsigned i, const opentype& value);
  bool isEqual(const unknownExtensions& other) const;

private:
  unsigned count_;
  std::unique_ptr<unsigned char[]> present_;
  std::unique_ptr<opentype[]> values_;
};

}  // namespace asn
