#include <orvo/string.h>

#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>

#include <orvo/blockCache.h>

namespace orvo {

namespace {

unsigned blocksFor(unsigned length) { return (length + 16) >> 4; }

// Characters and representation share one block up to this size.
const std::size_t sharedBlock = 512;

char emptyBuffer[16] = {0};
// Held once by the library for the life of the process, so it is never freed;
// constant-initialised, so it is usable before any static constructor runs.
// Counts 2: the library's own hold and the global empty string.
string::rep emptyRep = {emptyBuffer, 1, 0, 2, 0};

char* allocateBlocks(unsigned blocks) {
  char* p = static_cast<char*>(std::malloc(size_t(blocks) << 4));
  if (!p) throw std::bad_alloc();
  return p;
}

// Decoded values bring many short strings: a copy of up to sixteen octets
// takes two overlapping moves instead of a library call.
inline void copyOctets(char* to, const void* from, unsigned length) {
  const char* f = static_cast<const char*>(from);
  if (length >= 8 && length <= 16) {
    std::uint64_t head, tail;
    std::memcpy(&head, f, 8);
    std::memcpy(&tail, f + length - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + length - 8, &tail, 8);
  } else if (length >= 4 && length < 8) {
    std::uint32_t head, tail;
    std::memcpy(&head, f, 4);
    std::memcpy(&tail, f + length - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + length - 4, &tail, 4);
  } else if (length < 4) {
    for (unsigned i = 0; i < length; ++i) to[i] = f[i];
  } else {
    std::memcpy(to, f, length);
  }
}

// Characters too many to share the representation's block.
string::rep* newLongRep(unsigned length) {
  unsigned blocks = blocksFor(length);
  string::rep* fresh = new (blockCache::allocate(sizeof(string::rep))) string::rep;
  fresh->held = sizeof(string::rep);
  try {
    fresh->buffer = allocateBlocks(blocks);
  } catch (...) {
    blockCache::release(fresh, sizeof(string::rep));
    throw;
  }
  fresh->blocks = blocks;
  fresh->length = length;
  fresh->referenceCount = 1;
  fresh->buffer[length] = 0;
  return fresh;
}

bool inside(const void* p, const string::rep* r) {
  const char* c = static_cast<const char*>(p);
  return c >= r->buffer && c <= r->buffer + r->length;
}

}  // namespace

string string::emptyInstance(&emptyRep);

const string& string::emptyString() { return emptyInstance; }

// A short string lives in one cached block with its representation; a long
// one keeps its characters in a block of their own.
string::rep* string::newRep(unsigned length) {
  unsigned blocks = blocksFor(length);
  std::size_t together = sizeof(rep) + (std::size_t(blocks) << 4);
  if (together > sharedBlock) return newLongRep(length);
  rep* fresh = new (blockCache::allocate(together)) rep;
  fresh->buffer = reinterpret_cast<char*>(fresh + 1);
  fresh->held = unsigned(together);
  fresh->blocks = blocks;
  fresh->length = length;
  fresh->referenceCount = 1;
  fresh->buffer[length] = 0;
  return fresh;
}

bool string::inlineBuffer(const rep* r) { return r->buffer == reinterpret_cast<const char*>(r + 1); }

void string::drop(rep* old) {
  if (!inlineBuffer(old)) std::free(old->buffer);
  blockCache::release(old, old->held);
}

void string::replace(rep* fresh) {
  rep* old = r;
  r = fresh;
  release(old);
}

// Only on a private representation.
void string::resize(unsigned n) {
  unsigned blocks = blocksFor(n);
  if (blocks != r->blocks) {
    if (!inlineBuffer(r)) {
      char* p = static_cast<char*>(std::realloc(r->buffer, size_t(blocks) << 4));
      if (!p) throw std::bad_alloc();
      r->buffer = p;
    } else if ((size_t(blocks) << 4) > r->held - sizeof(rep)) {
      // Outgrows the block it shares with the representation.
      char* p = allocateBlocks(blocks);
      std::memcpy(p, r->buffer, r->length < n ? r->length : n);
      r->buffer = p;
    }
    r->blocks = blocks;
  }
  r->length = n;
  r->buffer[n] = 0;
}

string::string(const char* text) {
  unsigned n = text ? unsigned(std::strlen(text)) : 0;
  r = newRep(n);
  if (n) std::memcpy(r->buffer, text, n);
}

string::string(const void* data, unsigned length) : r(newRep(length)) {
  if (length) std::memcpy(r->buffer, data, length);
}

string::string(char c) : r(newRep(1)) { r->buffer[0] = c; }

string::string(char c, unsigned n) : r(newRep(n)) { std::memset(r->buffer, c, n); }

string::string(unsigned length) : r(newRep(length)) {}

string::string(const wchar_t* text) : r(&emptyRep) {
  ++r->referenceCount;
  assign(text);
}

string& string::assign(const string& other) {
  ++other.r->referenceCount;
  replace(other.r);
  return *this;
}

string& string::assign(const char* text) { return assign(text, text ? unsigned(std::strlen(text)) : 0u); }

string& string::assign(char c) { return assign(&c, 1u); }

// Wide characters narrow byte for byte: the C library's conversion depends on
// the locale and rejects every byte above 0x7f.
string& string::assign(const wchar_t* text) {
  unsigned n = 0;
  if (text)
    while (text[n]) ++n;
  rep* fresh = newRep(n);
  for (unsigned i = 0; i < n; ++i) {
    wchar_t w = text[i];
    fresh->buffer[i] = (w >= 0 && w < 256) ? char(static_cast<unsigned char>(w)) : '?';
  }
  replace(fresh);
  return *this;
}

// Builds the new representation before releasing the old one, so the source
// may lie inside this string's own buffer.
string& string::assign(const void* data, unsigned length) {
  rep* fresh = newRep(length);
  copyOctets(fresh->buffer, data, length);
  replace(fresh);
  return *this;
}

string& string::assign(const void* begin, const void* end) {
  const char* b = static_cast<const char*>(begin);
  const char* e = static_cast<const char*>(end);
  return assign(b, e > b ? unsigned(e - b) : 0u);
}

string& string::clear() {
  if (r->length) {
    ++emptyRep.referenceCount;
    replace(&emptyRep);
  }
  return *this;
}

string& string::format(const char* fmt, ...) {
  const unsigned limit = 10240;
  char* text = static_cast<char*>(std::malloc(limit + 1));
  if (!text) throw std::bad_alloc();
  va_list args;
  va_start(args, fmt);
  int n = std::vsnprintf(text, limit, fmt, args);
  va_end(args);
  if (n < 0) text[0] = 0;
  text[limit] = 0;
  try {
    assign(static_cast<const char*>(text));
  } catch (...) {
    std::free(text);
    throw;
  }
  std::free(text);
  return *this;
}

char* string::charRef(unsigned i) {
  if (i >= r->length) return nullptr;
  unshare();
  return r->buffer + i;
}

int string::find(const char* needle) const {
  if (!needle) return -1;
  const char* p = std::strstr(r->buffer, needle);
  return p ? int(p - r->buffer) : -1;
}

int string::rfind(const char* needle) const {
  if (!needle) return -1;
  size_t textLength = std::strlen(r->buffer), needleLength = std::strlen(needle);
  if (needleLength > textLength) return -1;
  for (size_t at = textLength - needleLength + 1; at-- > 0;)
    if (std::memcmp(r->buffer + at, needle, needleLength) == 0) return int(at);
  return -1;
}

int string::findChar(char c) const {
  const char* p = std::strchr(r->buffer, c);
  return p ? int(p - r->buffer) : -1;
}

int string::rfindChar(char c) const {
  const char* p = std::strrchr(r->buffer, c);
  return p ? int(p - r->buffer) : -1;
}

int string::findAny(const char* characters) const {
  const char* p = std::strpbrk(r->buffer, characters);
  return p ? int(p - r->buffer) : -1;
}

string string::left(unsigned n) const {
  if (!r->length || !n) return string();
  if (n >= r->length) return *this;
  return string(r->buffer, n);
}

string string::right(unsigned n) const {
  if (!r->length || !n) return string();
  if (n >= r->length) return *this;
  return string(r->buffer + r->length - n, n);
}

string string::mid(unsigned start) const {
  if (!r->length || start >= r->length) return string();
  if (!start) return *this;
  return string(r->buffer + start, r->length - start);
}

string string::mid(unsigned start, unsigned count) const {
  if (!r->length || start >= r->length) return string();
  if (!start && count >= r->length) return *this;
  unsigned available = r->length - start;
  return string(r->buffer + start, count < available ? count : available);
}

string& string::unshare() {
  if (r->referenceCount > 1) {
    rep* fresh = newRep(r->length);
    std::memcpy(fresh->buffer, r->buffer, r->length);
    --r->referenceCount;
    r = fresh;
  }
  return *this;
}

string& string::setLength(unsigned n) {
  if (r->length == n) return *this;
  unshare();
  resize(n);
  return *this;
}

string& string::truncateAtNul() {
  unsigned n = unsigned(std::strlen(r->buffer));
  if (n < r->length) setLength(n);
  return *this;
}

// Inserts raw bytes at an index of a non-empty string; the source may lie in
// this string's own buffer.
string& string::insertBytes(unsigned at, const void* data, unsigned length) {
  if (!length) return *this;
  char* copy = nullptr;
  if (inside(data, r)) {
    copy = static_cast<char*>(std::malloc(length));
    if (!copy) throw std::bad_alloc();
    std::memcpy(copy, data, length);
    data = copy;
  }
  try {
    unshare();
    unsigned old = r->length;
    resize(old + length);
    std::memmove(r->buffer + at + length, r->buffer + at, old - at);
    std::memcpy(r->buffer + at, data, length);
  } catch (...) {
    std::free(copy);
    throw;
  }
  std::free(copy);
  return *this;
}

string& string::insertRun(unsigned at, char c, unsigned n) {
  unshare();
  unsigned old = r->length;
  resize(old + n);
  std::memmove(r->buffer + at + n, r->buffer + at, old - at);
  std::memset(r->buffer + at, c, n);
  return *this;
}

string& string::append(const string& other) {
  if (!other.r->length) return *this;
  if (!r->length) return assign(other);
  return insertBytes(r->length, other.r->buffer, other.r->length);
}

string& string::append(const void* data, unsigned length) {
  if (!r->length) return assign(data, length);
  return insertBytes(r->length, data, length);
}

string& string::append(char c) { return append(&c, 1u); }

string& string::append(char c, unsigned n) {
  if (!n) return *this;
  if (!r->length) {
    replace(newRep(n));
    std::memset(r->buffer, c, n);
    return *this;
  }
  return insertRun(r->length, c, n);
}

string& string::prepend(const string& other) {
  if (!other.r->length) return *this;
  if (!r->length) return assign(other);
  return insertBytes(0, other.r->buffer, other.r->length);
}

string& string::prepend(const void* data, unsigned length) {
  if (!r->length) return assign(data, length);
  return insertBytes(0, data, length);
}

string& string::prepend(char c) { return prepend(&c, 1u); }

string& string::prepend(char c, unsigned n) {
  if (!n) return *this;
  if (!r->length) return append(c, n);
  return insertRun(0, c, n);
}

string& string::padLeft(unsigned width, char c) {
  if (width > r->length) prepend(c, width - r->length);
  return *this;
}

string& string::padRight(unsigned width, char c) {
  if (width > r->length) append(c, width - r->length);
  return *this;
}

string& string::truncate(unsigned n) {
  if (r->length > n) setLength(n);
  return *this;
}

string& string::removeLeft(unsigned n) {
  if (!n) return *this;
  if (n >= r->length) return clear();
  unshare();
  std::memmove(r->buffer, r->buffer + n, r->length - n);
  resize(r->length - n);
  return *this;
}

string& string::trim(int sides, const char* characters) {
  if (!r->length || !characters) return *this;
  unsigned begin = 0, end = r->length;
  auto drop = [&](char c) { return c != 0 && std::strchr(characters, c) != nullptr; };
  if (sides & 1)
    while (begin < end && drop(r->buffer[begin])) ++begin;
  if (sides & 2)
    while (end > begin && drop(r->buffer[end - 1])) --end;
  if (begin == 0 && end == r->length) return *this;
  if (begin == end) return clear();
  unshare();
  std::memmove(r->buffer, r->buffer + begin, end - begin);
  resize(end - begin);
  return *this;
}

string& string::reverse() {
  if (r->length < 2) return *this;
  unshare();
  for (unsigned i = 0, j = r->length - 1; i < j; ++i, --j) {
    char t = r->buffer[i];
    r->buffer[i] = r->buffer[j];
    r->buffer[j] = t;
  }
  return *this;
}

string& string::toUpper() {
  for (unsigned i = 0; i < r->length; ++i) {
    unsigned char c = static_cast<unsigned char>(r->buffer[i]);
    if (std::islower(c)) {
      unshare();
      r->buffer[i] = char(std::toupper(c));
    }
  }
  return *this;
}

string& string::toLower() {
  for (unsigned i = 0; i < r->length; ++i) {
    unsigned char c = static_cast<unsigned char>(r->buffer[i]);
    if (std::isupper(c)) {
      unshare();
      r->buffer[i] = char(std::tolower(c));
    }
  }
  return *this;
}

int string::compare(const string& other) const {
  if (r == other.r) return 0;
  if (r->length != other.r->length) return 1;
  int d = std::memcmp(r->buffer, other.r->buffer, r->length);
  return d < 0 ? -1 : d > 0 ? 1 : 0;
}

int string::compareText(const string& other) const {
  return r == other.r ? 0 : std::strcmp(r->buffer, other.r->buffer);
}

int string::compare(const char* text) const { return std::strcmp(r->buffer, text ? text : ""); }

int string::compareNoCase(const string& other) const { return r == other.r ? 0 : stricmp(r->buffer, other.r->buffer); }

int string::compareNoCase(const char* text) const { return stricmp(r->buffer, text ? text : ""); }

int string::collate(const string& other) const { return r == other.r ? 0 : std::strcoll(r->buffer, other.r->buffer); }

int string::collate(const char* text) const { return std::strcoll(r->buffer, text ? text : ""); }

string string::takeToken(const char* separators) {
  if (!r->length) return string();
  unsigned n = 0;
  while (n < r->length && !(r->buffer[n] && std::strchr(separators, r->buffer[n]))) ++n;
  string token = left(n);
  removeLeft(n < r->length ? n + 1 : n);
  return token;
}

string operator+(const string& a, const string& b) { return string(a).append(b); }
string operator+(const string& a, const char* b) { return string(a).append(b, b ? unsigned(std::strlen(b)) : 0u); }
string operator+(const string& a, char b) { return string(a).append(b); }

int stricmp(const char* a, const char* b) {
  unsigned i = 0;
  for (;; ++i) {
    int ca = std::toupper(static_cast<unsigned char>(a[i]));
    int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb || !ca) return ca - cb;
  }
}

int strnicmp(const char* a, const char* b, unsigned n) {
  for (unsigned i = 0; i < n; ++i) {
    int ca = std::toupper(static_cast<unsigned char>(a[i]));
    int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb || !ca) return ca - cb;
  }
  return 0;
}

char* strrev(char* text) {
  size_t n = std::strlen(text);
  for (size_t i = 0; n > 1 && i < n - 1 - i; ++i) {
    char t = text[i];
    text[i] = text[n - 1 - i];
    text[n - 1 - i] = t;
  }
  return text;
}

namespace {
char* writeDigits(unsigned long long magnitude, bool negative, char* buffer, int radix) {
  char* p = buffer;
  if (negative) *p++ = '-';
  if (magnitude == 0 || radix == 0) {
    buffer[0] = '0';
    buffer[1] = 0;
    return buffer;
  }
  char* digits = p;
  while (magnitude) {
    unsigned d = unsigned(magnitude % unsigned(radix));
    *p++ = char(d < 10 ? '0' + d : 'a' + d - 10);
    magnitude /= unsigned(radix);
  }
  *p = 0;
  strrev(digits);
  return buffer;
}

unsigned long long magnitudeOf(long long v) {
  return v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
}
}  // namespace

char* itoa(int value, char* buffer, int radix) { return writeDigits(magnitudeOf(value), value < 0, buffer, radix); }

char* utoa(unsigned value, char* buffer, int radix) { return writeDigits(value, false, buffer, radix); }

string toString(short value, int radix) { return toString(int(value), radix); }
string toString(int value, int radix) {
  char buffer[72];
  return string(itoa(value, buffer, radix));
}
string toString(long value, int radix) {
  char buffer[72];
  return string(writeDigits(magnitudeOf(value), value < 0, buffer, radix));
}
string toString(unsigned short value, int radix) { return toString(unsigned(value), radix); }
string toString(unsigned int value, int radix) {
  char buffer[72];
  return string(utoa(value, buffer, radix));
}
string toString(unsigned long value, int radix) {
  char buffer[72];
  return string(writeDigits(value, false, buffer, radix));
}

std::istream& getline(std::istream& in, string& line) {
  line.clear();
  char c;
  while (in.good() && in.get(c)) {
    if (c == '\n') break;
    line.append(c);
  }
  return in;
}

std::ostream& operator<<(std::ostream& out, const string& s) { return out.write(s.buffer(), s.length()); }

}  // namespace orvo
