// OBJECT IDENTIFIER: unsigned 32-bit arcs, four octets each in host order.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <asn/object.h>

namespace asn {

class oid : public object {
public:
  static const typeInfo info;
  static constexpr uint32_t absent = 0xFFFFFFFFu;

  oid() : object(&info) {}
  // Up to ten arcs; the first arc equal to `absent` ends the list.
  oid(uint32_t a0, uint32_t a1, uint32_t a2 = absent, uint32_t a3 = absent, uint32_t a4 = absent, uint32_t a5 = absent,
      uint32_t a6 = absent, uint32_t a7 = absent, uint32_t a8 = absent, uint32_t a9 = absent);
  oid(const typeInfo& record, uint32_t a0, uint32_t a1, uint32_t a2 = absent, uint32_t a3 = absent,
      uint32_t a4 = absent, uint32_t a5 = absent, uint32_t a6 = absent, uint32_t a7 = absent, uint32_t a8 = absent,
      uint32_t a9 = absent);
  oid(const uint32_t* arcs, unsigned count);
  oid(const oid& other) = default;
  oid& operator=(const oid& other) = default;
  static object* create() { return new oid; }

  unsigned count() const { return arcs_.length() / 4; }
  // Arc i; 0 beyond the end.
  uint32_t arc(unsigned i) const;
  // The arcs for reading (copy out with arc() where alignment matters).
  const uint32_t* arcs() const { return reinterpret_cast<const uint32_t*>(arcs_.buffer()); }
  const uint32_t* data() const { return arcs(); }
  // The arcs for changing in place: the storage is made unshared first, so
  // copies keep their arcs. Null when there are none.
  uint32_t* data() { return reinterpret_cast<uint32_t*>(arcs_.charRef(0)); }
  void set(const uint32_t* arcs, unsigned count);
  void append(uint32_t arc);
  void clear() { arcs_.clear(); }

  // The first differing arc decides (signed difference), else the counts.
  int compare(const oid& other) const;
  bool operator==(const oid& other) const { return arcs_ == other.arcs_; }
  bool operator!=(const oid& other) const { return !(arcs_ == other.arcs_); }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

private:
  void setArcs(const uint32_t (&arcs)[10]);
  orvo::string arcs_;
};

}  // namespace asn
