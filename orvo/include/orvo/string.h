// Reference-counted, copy-on-write text and octet string.
#pragma once

#include <cstddef>
#include <iosfwd>

namespace orvo {

class string {
public:
  struct rep {
    char* buffer;
    unsigned blocks;  // capacity in 16-byte blocks: (length + 16) >> 4
    unsigned length;
    unsigned referenceCount;
    unsigned held;  // octets of the representation's own block
  };

  // Made, copied and dropped with every decoded value: inline.
  string() : r(emptyInstance.r) { ++r->referenceCount; }
  string(const char* text);
  string(const void* data, unsigned length);
  explicit string(char c);
  string(char c, unsigned n);
  explicit string(unsigned length);
  explicit string(const wchar_t* text);
  string(const string& other) : r(other.r) { ++r->referenceCount; }
  ~string() { release(r); }

  string& operator=(const string& other) { return assign(other); }
  string& operator=(const char* text) { return assign(text); }

  string& assign(const string& other);
  string& assign(const char* text);
  string& assign(char c);
  string& assign(const wchar_t* text);
  string& assign(const void* data, unsigned length);
  string& assign(const void* begin, const void* end);
  string& clear();
  string& format(const char* format, ...) __attribute__((format(printf, 2, 3)));

  const char* buffer() const { return r->buffer; }
  unsigned length() const { return r->length; }
  bool empty() const { return r->length == 0; }
  const rep* representation() const { return r; }

  char charAt(unsigned i) const { return i < r->length ? r->buffer[i] : 0; }
  char* charRef(unsigned i);
  int find(const char* needle) const;
  int rfind(const char* needle) const;
  int findChar(char c) const;
  int rfindChar(char c) const;
  int findAny(const char* characters) const;
  string left(unsigned n) const;
  string right(unsigned n) const;
  string mid(unsigned start) const;
  string mid(unsigned start, unsigned count) const;

  string& unshare();
  string& setLength(unsigned n);
  string& truncateAtNul();
  string& append(const string& other);
  string& append(const void* data, unsigned length);
  string& append(char c);
  string& append(char c, unsigned n);
  string& prepend(const string& other);
  string& prepend(const void* data, unsigned length);
  string& prepend(char c);
  string& prepend(char c, unsigned n);
  string& padLeft(unsigned width, char c);
  string& padRight(unsigned width, char c);
  string& truncate(unsigned n);
  string& removeLeft(unsigned n);
  string& trim(int sides, const char* characters);
  string& reverse();
  string& toUpper();
  string& toLower();

  int compare(const string& other) const;
  int compareText(const string& other) const;
  int compare(const char* text) const;
  int compareNoCase(const string& other) const;
  int compareNoCase(const char* text) const;
  int collate(const string& other) const;
  int collate(const char* text) const;

  string takeToken(const char* separators);

  static const string& emptyString();

private:
  explicit constexpr string(rep* shared) : r(shared) {}
  static string emptyInstance;

  static rep* newRep(unsigned length);
  static void release(rep* r) {
    if (--r->referenceCount == 0) drop(r);
  }
  static void drop(rep* r);
  // The characters share the representation's block.
  static bool inlineBuffer(const rep* r);
  void replace(rep* fresh);
  void resize(unsigned n);
  string& insertBytes(unsigned at, const void* data, unsigned length);
  string& insertRun(unsigned at, char c, unsigned n);

  rep* r;
};

string operator+(const string& a, const string& b);
string operator+(const string& a, const char* b);
string operator+(const string& a, char b);

inline bool operator==(const string& a, const string& b) { return a.compare(b) == 0; }
inline bool operator!=(const string& a, const string& b) { return a.compare(b) != 0; }

int stricmp(const char* a, const char* b);
int strnicmp(const char* a, const char* b, unsigned n);
char* strrev(char* text);
char* itoa(int value, char* buffer, int radix);
char* utoa(unsigned value, char* buffer, int radix);

string toString(short value, int radix = 10);
string toString(int value, int radix = 10);
string toString(long value, int radix = 10);
string toString(unsigned short value, int radix = 10);
string toString(unsigned int value, int radix = 10);
string toString(unsigned long value, int radix = 10);

std::istream& getline(std::istream& in, string& line);
std::ostream& operator<<(std::ostream& out, const string& s);

}  // namespace orvo
