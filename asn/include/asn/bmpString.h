// BMPString: characters kept 32 bits wide, four octets each. Text converts
// byte for byte (Latin-1), never through the C library locale.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <asn/constrained.h>

namespace asn {

class bmpStringBase : public constrained {
public:
  // Each 8-bit character becomes the BMP character of the same value.
  bmpStringBase& operator=(const orvo::string& text);
  bmpStringBase& operator=(const char* text);
  void assign(const char* text, unsigned length);
  void assign(const wchar_t* text);
  void assign(const wchar_t* text, unsigned count);
  // count characters of two octets each, the more significant first.
  void assignBigEndian16(const unsigned char* octets, unsigned count);
  void assign(const object& other) override;

  unsigned length() const { return characters_.length() / 4; }
  // Character i; 0 when i is beyond the end.
  uint32_t at(unsigned i) const;
  // Writable character i (storage made unshared); null beyond the end.
  uint32_t* pointer(unsigned i);
  // Sets the length in characters; new characters are 0.
  void setLength(unsigned count);
  // The characters narrowed to 8 bits; empty when one does not fit.
  orvo::string toString() const;
  const orvo::string& storage() const { return characters_; }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  bool isEqual(const object& other) const override;

protected:
  explicit bmpStringBase(const typeInfo* record) : constrained(record) {}
  bmpStringBase(const bmpStringBase&) = default;
  bmpStringBase& operator=(const bmpStringBase&) = default;

private:
  orvo::string characters_;
};

// BMPString (SIZE (lb..ub)); 0..0 any size.
template <uint32_t lb, uint32_t ub, uint32_t k>
class bmpString : public bmpStringBase {
public:
  static constexpr typeInfo info = typeInfo::constrained(30, k, lb, ub);
  bmpString() : bmpStringBase(&info) {}
  bmpString(const bmpString&) = default;
  bmpString& operator=(const bmpString&) = default;
  using bmpStringBase::operator=;
  static object* create() { return new bmpString; }
};

}  // namespace asn
