// OCTET STRING: the value base and the template of the sized instances.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <asn/constrained.h>

namespace asn {

class octetStringBase : public constrained {
public:
  const orvo::string& value() const { return octets_; }
  const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(octets_.buffer()); }
  unsigned length() const { return octets_.length(); }
  void setValue(const orvo::string& octets) { octets_ = octets; }
  void setValue(const void* data, unsigned length) { octets_.assign(data, length); }
  octetStringBase& operator=(const orvo::string& octets) {
    octets_ = octets;
    return *this;
  }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

protected:
  explicit octetStringBase(const typeInfo* record) : constrained(record) {}
  octetStringBase(const octetStringBase&) = default;
  octetStringBase& operator=(const octetStringBase&) = default;

private:
  orvo::string octets_;
};

// OCTET STRING (SIZE (lb..ub)); 0..0 any size.
template <uint32_t lb, uint32_t ub, uint32_t k>
class octetString : public octetStringBase {
public:
  static constexpr typeInfo info = typeInfo::constrained(4, k, lb, ub);
  octetString() : octetStringBase(&info) {}
  octetString(const octetString&) = default;
  octetString& operator=(const octetString&) = default;
  using octetStringBase::operator=;
  static object* create() { return new octetString; }
};

}  // namespace asn
