// INTEGER with named values; its record adds the value table.
#pragma once

#include <orvo/string.h>

#include <asn/integer.h>

namespace asn {

class namedInteger : public integerBase {
public:
  // The name of the stored value, or "unknown".
  orvo::string name() const;
  using integerBase::operator=;

  void encode(codec& c) const override;
  void decode(codec& c) override;

protected:
  explicit namedInteger(const typeInfo* record) : integerBase(record) {}
  namedInteger(const namedInteger&) = default;
  namedInteger& operator=(const namedInteger&) = default;
};

}  // namespace asn
