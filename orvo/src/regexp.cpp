// Regular expression objects: lifetime, groups, substitution, letter sets.
#include <orvo/regexp.h>

#include <cstring>

#include "regexpNode.h"

namespace orvo {

namespace regexpEngine {

namespace {

// Process-wide case tables; nothing in the system installs them.
unsigned char upperTable[256];
unsigned char lowerTable[256];
bool upperInstalled = false;
bool lowerInstalled = false;

bool builtInUpper(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0x80 && c <= 0x9F) || c == 0xF0; }

bool builtInLower(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 0xA0 && c <= 0xAF) || (c >= 0xE0 && c <= 0xEF) || c == 0xF1;
}

}  // namespace

unsigned char toLowerLetter(unsigned char c) {
  if (lowerInstalled) return lowerTable[c];
  if ((c >= 'A' && c <= 'Z') || (c >= 0x80 && c <= 0x8F)) return static_cast<unsigned char>(c + 0x20);
  if (c >= 0x90 && c <= 0x9F) return static_cast<unsigned char>(c + 0x50);
  if (c == 0xF0) return 0xF1;
  return c;
}

bool isUpperLetter(unsigned char c) {
  if (upperInstalled && lowerInstalled) return lowerTable[c] != c;
  return builtInUpper(c);
}

bool isLowerLetter(unsigned char c) {
  if (upperInstalled && lowerInstalled) return upperTable[c] != c;
  return builtInLower(c);
}

bool isWordCharacter(unsigned char c) {
  if (isDigit(c) || c == '_') return true;
  if (upperInstalled && lowerInstalled) return upperTable[c] != c || lowerTable[c] != c;
  return builtInUpper(c) || builtInLower(c);
}

bool inEscapeSet(int code, unsigned char c) {
  switch (code) {
    case digit:
      return isDigit(c);
    case nonDigit:
      return !isDigit(c);
    case wordCharacter:
      return isWordCharacter(c);
    case nonWordCharacter:
      return !isWordCharacter(c);
    case space:
      return isSpace(c);
    case nonSpace:
      return !isSpace(c);
    case upperLetter:
      return isUpperLetter(c);
    case lowerLetter:
      return isLowerLetter(c);
    default:
      return false;
  }
}

}  // namespace regexpEngine

void regexp::setCaseTables(const unsigned char* toUpper, const unsigned char* toLower) {
  using namespace regexpEngine;
  upperInstalled = toUpper != nullptr;
  lowerInstalled = toLower != nullptr;
  if (toUpper) std::memcpy(upperTable, toUpper, sizeof upperTable);
  if (toLower) std::memcpy(lowerTable, toLower, sizeof lowerTable);
}

regexp::regexp() : flags_(0) {
  for (unsigned i = 0; i < maxGroups; ++i) groupStart_[i] = groupEnd_[i] = -1;
}

regexp::regexp(char c, unsigned flags) : regexp() {
  flags_ = flags;
  compile(c);
}

regexp::regexp(const char* pattern, unsigned flags) : regexp() {
  flags_ = flags;
  compile(pattern);
}

regexp::regexp(const string& pattern, unsigned flags) : regexp() {
  flags_ = flags;
  compile(pattern);
}

regexp::regexp(const regexp& other) : regexp() { *this = other; }

regexp& regexp::operator=(const regexp& other) {
  if (this == &other) return *this;
  // Copy the tree first, so that a failed allocation leaves this one intact.
  std::vector<regexpEngine::node*> copies;
  copies.reserve(other.nodes_.size());
  try {
    for (const regexpEngine::node* n : other.nodes_) copies.push_back(new regexpEngine::node(*n));
  } catch (...) {
    for (regexpEngine::node* n : copies) delete n;
    throw;
  }
  auto map = [&copies](regexpEngine::node* n) { return n ? copies[n->index] : nullptr; };
  for (regexpEngine::node* n : copies) {
    n->child = map(n->child);
    n->parent = map(n->parent);
    n->next = map(n->next);
    n->prev = map(n->prev);
  }
  freeTree();
  nodes_.swap(copies);
  root_ = other.root_ ? nodes_[other.root_->index] : nullptr;
  flags_ = other.flags_;
  status_ = other.status_;
  firstItem_ = other.firstItem_;
  keptSubject_ = other.keptSubject_;
  base_ = other.base_;
  groupCount_ = other.groupCount_;
  std::memcpy(groupStart_, other.groupStart_, sizeof groupStart_);
  std::memcpy(groupEnd_, other.groupEnd_, sizeof groupEnd_);
  return *this;
}

regexp::~regexp() { freeTree(); }

void regexp::freeTree() {
  for (regexpEngine::node* n : nodes_) delete n;
  nodes_.clear();
  root_ = nullptr;
}

void regexp::detach() {
  keptSubject_.clear();
  base_ = nullptr;
}

void regexp::releaseSubject() { detach(); }

string regexp::group(unsigned n) const {
  if (!base_ || n >= groupCount_) return string();
  const int start = groupStart_[n];
  const int end = groupEnd_[n];
  if (start < 0 || end < start) return string();
  return string(base_ + start, static_cast<unsigned>(end - start));
}

unsigned regexp::groupStart(unsigned n) const {
  if (n >= groupCount_ || groupStart_[n] < 0 || groupEnd_[n] < groupStart_[n]) return 0;
  return static_cast<unsigned>(groupStart_[n]);
}

unsigned regexp::groupLength(unsigned n) const {
  if (n >= groupCount_ || groupStart_[n] < 0 || groupEnd_[n] < groupStart_[n]) return 0;
  return static_cast<unsigned>(groupEnd_[n] - groupStart_[n]);
}

string regexp::expand(const char* replacement) const {
  string result;
  if (!replacement || status_ != compiled) return result;
  for (const char* p = replacement; *p; ++p) {
    if (*p == '&') {
      result.append(group(0));
    } else if (*p == '\\' && p[1] >= '0' && p[1] <= '9') {
      result.append(group(unsigned(p[1] - '0')));
      ++p;
    } else if (*p == '\\' && (p[1] == '\\' || p[1] == '&')) {
      result.append(p[1]);
      ++p;
    } else {
      // A '\' before any other character stays; that character is read next.
      result.append(*p);
    }
  }
  return result;
}

namespace {

int compareSigned(unsigned char a, unsigned char b) {
  const signed char x = static_cast<signed char>(regexpEngine::toLowerLetter(a));
  const signed char y = static_cast<signed char>(regexpEngine::toLowerLetter(b));
  return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

int compareLetters(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const int d = compareSigned(static_cast<unsigned char>(*a), static_cast<unsigned char>(*b));
    if (d != 0 || *a == 0 || *b == 0) return d;
  }
}

int compareLettersN(const char* a, const char* b, unsigned n) {
  for (; n > 0; --n, ++a, ++b) {
    const int d = compareSigned(static_cast<unsigned char>(*a), static_cast<unsigned char>(*b));
    if (d != 0 || *a == 0 || *b == 0) return d;
  }
  return 0;
}

}  // namespace orvo
