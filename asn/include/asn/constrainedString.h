// Restricted character strings (IA5String, NumericString, PrintableString,
// GeneralString) over a permitted alphabet, one octet per character.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <asn/constrained.h>

namespace asn {

class constrainedString : public constrained {
public:
  // Permitted alphabets, characters in ascending code order.
  static const char NumericSet[12];    // " 0123456789" (11)
  static const char PrintableSet[75];  // " '()+,-./0-9:=?A-Za-z" (74)
  static const char IA5Set[128];       // codes 0 to 127 (128)
  static const char GeneralSet[256];   // codes 0 to 255 (256)

  const orvo::string& value() const { return characters_; }
  unsigned length() const { return characters_.length(); }
  void setValue(const orvo::string& text) { characters_ = text; }
  constrainedString& operator=(const orvo::string& text) {
    characters_ = text;
    return *this;
  }
  constrainedString& operator=(const char* text) {
    characters_ = text;
    return *this;
  }

  const char* alphabet() const { return typeRecord().alphabet; }
  uint32_t alphabetSize() const { return typeRecord().alphabetSize; }
  uint32_t characterBits() const { return typeRecord().characterBits; }
  // Bits that number one character of the alphabet, rounded to 1, 2, 4, 8,
  // 16 or 32.
  unsigned bitsPerCharacter() const { return bitsPerCharacter(typeRecord().alphabetSize); }
  static unsigned bitsPerCharacter(uint32_t alphabetSize);
  // Position of c in the alphabet, or -1.
  int indexOf(unsigned char c) const;

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

protected:
  explicit constrainedString(const typeInfo* record) : constrained(record) {}
  constrainedString(const constrainedString&) = default;
  constrainedString& operator=(const constrainedString&) = default;

private:
  orvo::string characters_;
};

// One template per string type; the alphabet is passed as an array name:
// asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u>.
template <uint32_t number, uint32_t setBits, uint32_t lb, uint32_t ub, uint32_t k, const char* permitted, uint32_t n>
class restrictedString : public constrainedString {
public:
  static constexpr typeInfo info = typeInfo::restrictedString(number, k, lb, ub, permitted, n, setBits);
  restrictedString() : constrainedString(&info) {}
  restrictedString(const restrictedString&) = default;
  restrictedString& operator=(const restrictedString&) = default;
  using constrainedString::operator=;
  static object* create() { return new restrictedString; }
};

template <uint32_t lb, uint32_t ub, uint32_t k, const char* permitted, uint32_t n>
using IA5String = restrictedString<22, 7, lb, ub, k, permitted, n>;
template <uint32_t lb, uint32_t ub, uint32_t k, const char* permitted, uint32_t n>
using numericString = restrictedString<18, 4, lb, ub, k, permitted, n>;
template <uint32_t lb, uint32_t ub, uint32_t k, const char* permitted, uint32_t n>
using printableString = restrictedString<19, 7, lb, ub, k, permitted, n>;
template <uint32_t lb, uint32_t ub, uint32_t k, const char* permitted, uint32_t n>
using generalString = restrictedString<27, 8, lb, ub, k, permitted, n>;

}  // namespace asn
