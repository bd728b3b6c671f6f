// ENUMERATED: the index of the selected entry of the descriptor's table.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <asn/object.h>

namespace asn {

class enumerated : public object {
public:
  const enumeratedDescriptor& descriptor() const { return *static_cast<const enumeratedDescriptor*>(record()); }

  // Index in PER order; at or beyond the entry count it stands for a value
  // this version does not know.
  uint32_t index() const { return index_; }
  void setIndex(uint32_t index) { index_ = index; }
  // The value of the selected entry, or -1 for an unknown index.
  int value() const;
  // Selects the entry with this value; returns its index, -1 when absent
  // (then stored, and value() gives -1).
  int setValue(int value);
  // The entry's name, or "unknown (%d)" with the index.
  orvo::string name() const;

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;
  const tagTriple& tag() const override { return descriptor().tag; }

protected:
  explicit enumerated(const enumeratedDescriptor* record) : object(record) {}
  enumerated(const enumerated&) = default;
  enumerated& operator=(const enumerated&) = default;

private:
  uint32_t index_ = 0;
};

}  // namespace asn
