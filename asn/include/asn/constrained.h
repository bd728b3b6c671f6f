// Base of the kinds whose record carries a constraint: bounds of the value
// (INTEGER) or of the size (strings, bit strings, SEQUENCE OF).
#pragma once

#include <cstdint>

#include <asn/object.h>

namespace asn {

class constrained : public object {
public:
  // semiConstrained: INTEGER (lb..MAX), the upper bound stored as 4294967295.
  enum constraintType : uint32_t { fixedBounds = 1, extensibleBounds = 2, semiConstrained = 3 };

  const typeInfo& typeRecord() const { return *static_cast<const typeInfo*>(record()); }
  uint32_t lowerBound() const { return typeRecord().lowerBound; }
  uint32_t upperBound() const { return typeRecord().upperBound; }
  bool isExtensible() const { return typeRecord().constraint == extensibleBounds; }
  bool isSemiConstrained() const { return typeRecord().constraint == semiConstrained; }
  // 0..0 stands for no constraint at all.
  bool isUnconstrained() const { return typeRecord().lowerBound == 0 && typeRecord().upperBound == 0; }

protected:
  explicit constrained(const typeInfo* record) : object(record) {}
};

}  // namespace asn
