// The library's own backtracking regular expressions: postfix look-arounds,
// lazy quantifiers, one-hex-digit back-references and code page 866 letters.
#pragma once

#include <vector>

#include <orvo/string.h>

namespace orvo {

namespace regexpEngine {
struct node;
class walker;
class treeBuilder;
}  // namespace regexpEngine

class regexp {
public:
  enum flag : unsigned {
    ignoreCase = 1,     // literal characters compare without letter case
    anchored = 2,       // the match must start at the subject's first character
    ignoreBlanks = 4,   // blanks, CR and LF in the pattern are dropped
    dotNotNewline = 8,  // '.' matches neither CR nor LF
  };
  enum compileStatus : unsigned {
    compiled = 0,
    emptyPattern = 1,     // also the state before the first compile
    badEscape = 2,        // '\x' without two hexadecimal digits, or a pattern ending in '\'
    badBrackets = 3,      // unbalanced or misplaced brackets, braces or bounds
    nothingToRepeat = 4,  // a quantifier or look-around with no item before it
  };
  static constexpr unsigned maxGroups = 16;

  regexp();
  regexp(char c, unsigned flags);
  regexp(const char* pattern, unsigned flags);
  regexp(const string& pattern, unsigned flags);
  regexp(const regexp& other);
  regexp& operator=(const regexp& other);
  ~regexp();

  // Replace the pattern, keeping the flags; true when it compiled.
  bool compile(char c);
  bool compile(const char* pattern);
  bool compile(const string& pattern);

  // Searches the subject. With keepSubject the groups refer to a copy held
  // here; without, the caller's text must outlive the reading of the groups.
  bool match(const string& subject, bool keepSubject = false);
  bool match(const char* begin, const char* end, bool keepSubject = false);
  bool match(const char* data, unsigned length, bool keepSubject = false);
  // Lets go of the kept subject (and of any reference to the caller's text);
  // offsets stay readable, group texts read empty.
  void releaseSubject();

  string group(unsigned n) const;
  unsigned groupStart(unsigned n) const;
  unsigned groupLength(unsigned n) const;
  // '&' gives group 0, '\' and a digit that group, "\\" '\', "\&" '&'.
  string expand(const char* replacement) const;

  unsigned flags() const { return flags_; }
  unsigned status() const { return status_; }
  unsigned groupCount() const { return groupCount_; }
  bool attached() const { return base_ != nullptr; }
  // True when the last search stopped on the step budget or the backtracking
  // limits rather than by trying every way: its "no match" means "given up".
  bool gaveUp() const { return gaveUp_; }

  // Process-wide to-upper and to-lower tables (256 entries each, copied);
  // both null restores the built-in letter sets.
  static void setCaseTables(const unsigned char* toUpper, const unsigned char* toLower);

private:
  friend class regexpEngine::walker;
  friend class regexpEngine::treeBuilder;

  bool compilePattern(const char* pattern, unsigned length);
  void freeTree();
  void detach();
  bool search(const char* data, unsigned length);
  bool passesFirstItem(const unsigned char* data, unsigned length) const;

  unsigned flags_;
  regexpEngine::node* root_ = nullptr;
  int firstItem_ = -1;
  unsigned status_ = emptyPattern;
  string keptSubject_;
  const char* base_ = nullptr;
  int groupStart_[maxGroups];
  int groupEnd_[maxGroups];
  unsigned groupCount_ = 0;
  bool gaveUp_ = false;
  std::vector<regexpEngine::node*> nodes_;  // every node of the tree, for reset, copy and free
};

// Comparisons of NUL-terminated texts through the engine's to-lower
// conversion: -1, 0 or 1 by the converted characters taken as signed.
int compareLetters(const char* a, const char* b);
int compareLettersN(const char* a, const char* b, unsigned n);

}  // namespace orvo
