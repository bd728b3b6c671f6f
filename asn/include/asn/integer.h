// INTEGER: the value base and the template of the bounded instances.
#pragma once

#include <cstdint>

#include <asn/constrained.h>

namespace asn {

// The 32 bits are read as signed when the lower bound is negative (at or
// above 2^31), else as unsigned.
class integerBase : public constrained {
public:
  uint32_t value() const { return value_; }
  int32_t signedValue() const { return int32_t(value_); }
  void setValue(uint32_t value) { value_ = value; }
  integerBase& operator=(uint32_t value) {
    value_ = value;
    return *this;
  }
  bool hasNegativeRange() const { return lowerBound() > upperBound(); }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

protected:
  explicit integerBase(const typeInfo* record) : constrained(record) {}
  integerBase(const integerBase&) = default;
  integerBase& operator=(const integerBase&) = default;

private:
  uint32_t value_ = 0;
};

// INTEGER (lb..ub); k 2 when the constraint is extensible; 0..0 is
// unconstrained; lb above ub is a negative lower bound. k 3 is INTEGER
// (lb..MAX), written with ub 4294967295 and a lower bound of at least zero.
template <uint32_t lb, uint32_t ub, uint32_t k>
class integer : public integerBase {
  static_assert(k != constrained::semiConstrained || ub == 4294967295u, "INTEGER (lb..MAX) has no upper bound");

public:
  static constexpr typeInfo info = typeInfo::constrained(2, k, lb, ub);
  integer() : integerBase(&info) {}
  explicit integer(uint32_t value) : integerBase(&info) { setValue(value); }
  integer(const integer&) = default;
  integer& operator=(const integer&) = default;
  using integerBase::operator=;
  static object* create() { return new integer; }
};

}  // namespace asn
