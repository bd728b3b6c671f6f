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
  bool isPresent(unsigned i) const { return i < count_ && slots_[i].present; }
  bool anyPresent() const;
  // Throws "requested extension[%d], not present" beyond the count.
  const opentype& get(unsigned i) const;
  // Flags slot i present and copies the octets; throws
  // "set extension[%d], out of bounds" beyond the count.
  void set(unsigned i, const opentype& value);
  bool isEqual(const unknownExtensions& other) const;

  // A message of a newer version brings one of these: it comes from the
  // block cache as its values do.
  ORVO_CACHED_BLOCKS

private:
  struct slot {
    opentype value;
    bool present = false;
    static void* operator new[](std::size_t size) { return ::orvo::blockCache::allocate(size); }
    static void operator delete[](void* p, std::size_t size) noexcept { ::orvo::blockCache::release(p, size); }
  };
  unsigned count_;
  std::unique_ptr<slot[]> slots_;
};

}  // namespace asn
