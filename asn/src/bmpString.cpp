#include <asn/bmpString.h>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <asn/codec.h>

namespace asn {

bmpStringBase& bmpStringBase::operator=(const orvo::string& text) {
  assign(text.buffer(), text.length());
  return *this;
}

bmpStringBase& bmpStringBase::operator=(const char* text) {
  assign(text, unsigned(std::strlen(text)));
  return *this;
}

void bmpStringBase::assign(const char* text, unsigned length) {
  // Latin-1: the C library's multibyte conversion would refuse every octet
  // above 0x7F in the C locale and silently empty names and passwords.
  orvo::string wide(length * 4u);
  for (unsigned i = 0; i < length; ++i) {
    uint32_t c = static_cast<unsigned char>(text[i]);
    std::memcpy(wide.charRef(i * 4), &c, 4);
  }
  characters_ = wide;
}

void bmpStringBase::assign(const wchar_t* text) {
  unsigned count = 0;
  while (text[count] != 0) ++count;
  assign(text, count);
}

void bmpStringBase::assign(const wchar_t* text, unsigned count) {
  orvo::string wide(count * 4u);
  for (unsigned i = 0; i < count; ++i) {
    uint32_t c = static_cast<uint32_t>(text[i]);
    std::memcpy(wide.charRef(i * 4), &c, 4);
  }
  characters_ = wide;
}

void bmpStringBase::assignBigEndian16(const unsigned char* octets, unsigned count) {
  if (count == 0) {
    characters_ = orvo::string();
    return;
  }
  orvo::string wide(count * 4u);
  char* out = wide.charRef(0);
  unsigned i = 0;
#if defined(__SSE2__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  // Eight characters at a time: swap the octets of each, widen to 32 bits.
  const __m128i zero = _mm_setzero_si128();
  for (; i + 8 <= count; i += 8) {
    const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(octets + size_t(i) * 2));
    const __m128i swapped = _mm_or_si128(_mm_slli_epi16(in, 8), _mm_srli_epi16(in, 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + size_t(i) * 4), _mm_unpacklo_epi16(swapped, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + size_t(i) * 4 + 16), _mm_unpackhi_epi16(swapped, zero));
  }
#endif
  for (; i < count; ++i) {
    uint32_t c = uint32_t(octets[2 * i]) << 8 | octets[2 * i + 1];
    std::memcpy(out + size_t(i) * 4, &c, 4);
  }
  characters_ = wide;
}

void bmpStringBase::assign(const object& other) {
  requireSameType(other);
  characters_ = static_cast<const bmpStringBase&>(other).characters_;
}

uint32_t bmpStringBase::at(unsigned i) const {
  if (i >= length()) return 0;
  uint32_t c;
  std::memcpy(&c, characters_.buffer() + size_t(i) * 4, 4);
  return c;
}

uint32_t* bmpStringBase::pointer(unsigned i) {
  if (i >= length()) return nullptr;
  return reinterpret_cast<uint32_t*>(characters_.charRef(i * 4));
}

void bmpStringBase::setLength(unsigned count) {
  unsigned old = length();
  characters_.setLength(count * 4u);
  if (count > old) std::memset(characters_.charRef(old * 4), 0, size_t(count - old) * 4);
}

orvo::string bmpStringBase::toString() const {
  unsigned n = length();
  if (n == 0) return orvo::string();
  orvo::string narrow(n);
  for (unsigned i = 0; i < n; ++i) {
    uint32_t c = at(i);
    if (c > 0xFF) return orvo::string();
    *narrow.charRef(i) = char(c);
  }
  return narrow;
}

void bmpStringBase::encode(codec& c) const { c.encodeBMPString(*this); }
void bmpStringBase::decode(codec& c) { c.decodeBMPString(*this); }

bool bmpStringBase::isEqual(const object& other) const {
  requireSameType(other);
  return characters_ == static_cast<const bmpStringBase&>(other).characters_;
}

}  // namespace asn
