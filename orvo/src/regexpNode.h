// Node of a compiled pattern tree and the character tests shared by the
// compiler and the matcher.
#pragma once

#include <cstdint>

namespace orvo {
namespace regexpEngine {

enum class nodeKind : std::uint8_t {
  empty,
  item,
  charClass,
  negatedClass,
  group,
  backReference,
  greedyUnbounded,
  greedyBounded,
  lazyUnbounded,
  lazyBounded,
  alternation,
  lookAhead,
  negativeLookAhead,
  lookBehind,
  negativeLookBehind,
};

// Item codes: 0..255 a literal byte, then the escapes and anchors.
enum itemCode : int {
  anyCharacter = 256,
  subjectStart,
  subjectEnd,
  digit,
  nonDigit,
  wordCharacter,
  nonWordCharacter,
  space,
  nonSpace,
  upperLetter,
  lowerLetter,
  wordStart,
  wordEnd,
  notAfterWord,
};

constexpr unsigned nonCapturingGroup = 16;
constexpr unsigned noLimit = 0xFFFFFFFFu;

struct node {
  nodeKind kind = nodeKind::empty;
  node* child = nullptr;
  unsigned char set[32] = {};  // classes
  int item = 0;                // item code, or the group of a back-reference
  unsigned lower = 0;          // repetition bounds (upper noLimit for the unbounded kinds)
  unsigned upper = 0;
  unsigned number = 0;  // group number, or the distance of a look-behind
  unsigned height = 1;  // levels of the subtree below and including this node
  unsigned index = 0;   // position in the regexp's node list

  // Working state of a match, set up afresh whenever a walk enters the node.
  unsigned compulsory = 0;
  unsigned optional = 0;
  int remembered = -1;      // offset where the last iteration began, -1 none
  int entryOffset = -1;     // group: offset where the walk entered it
  std::uint64_t stamp = 0;  // choice point under which the state was last trailed

  node* parent = nullptr;
  node* next = nullptr;
  node* prev = nullptr;

  bool isRepetition() const {
    return kind == nodeKind::greedyUnbounded || kind == nodeKind::greedyBounded || kind == nodeKind::lazyUnbounded ||
           kind == nodeKind::lazyBounded;
  }
  bool isGroup() const { return kind == nodeKind::group; }
  void addToSet(unsigned c) { set[c >> 3] |= static_cast<unsigned char>(1u << (c & 7)); }
  bool inSet(unsigned c) const { return (set[c >> 3] >> (c & 7)) & 1u; }
};

// Letter sets and case conversion (built in, or the installed case tables).
unsigned char toLowerLetter(unsigned char c);
bool isUpperLetter(unsigned char c);
bool isLowerLetter(unsigned char c);
bool isWordCharacter(unsigned char c);
inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool isSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Whether a byte is in the set named by one of the set escapes (\d \D \w \W \s \S \u \l).
bool inEscapeSet(int code, unsigned char c);

}  // namespace regexpEngine
}  // namespace orvo
