// Matching: a backtracking walk over the node tree. Every choice point is a
// record on an explicit stack instead of a nested call, so a long subject
// costs heap, not machine stack; a step budget and a depth limit turn
// runaway patterns into "no match".
#include <orvo/regexp.h>

#include <climits>
#include <vector>

#include "regexpNode.h"

namespace orvo {
namespace regexpEngine {

namespace {

constexpr unsigned long stepBudget = 1000000;
constexpr size_t maxChoices = 200000;
constexpr size_t maxTrail = 1000000;

enum class resume : std::uint8_t {
  afterFailedIteration,  // greedy: restore the child's captures, go on after the repetition
  iterateAfterAll,       // lazy: the rest failed, match the child once more
  rightAlternative,      // the left side failed: restore it, try the right side
};

struct choice {
  resume how;
  node* at;
  int position;
  size_t trailMark;
  size_t captureMark;
  std::uint64_t serial;
};

// A group's capture as it was before it first changed under a choice point.
struct captureEntry {
  unsigned group;
  int start;
  int end;
  std::uint64_t stamp;
};

// Working state of a node as it was before a change under a choice point.
struct trailEntry {
  node* at;
  unsigned compulsory;
  unsigned optional;
  int remembered;
  int entryOffset;
  std::uint64_t stamp;
};

}  // namespace

class walker {
public:
  walker(regexp& re, const unsigned char* subject, int length)
      : re(re),
        s(subject),
        length(length),
        ignoreCase((re.flags_ & regexp::ignoreCase) != 0),
        dotNotNewline((re.flags_ & regexp::dotNotNewline) != 0) {}

  // A walk from `start` at `position` that succeeds when it leaves `stopAt`
  // (null: when it leaves the root). Choices made inside are gone afterwards.
  bool walk(node* start, int position, node* stopAt) {
    const size_t base = choices.size();
    node* n = start;
    bool leaving = false;
    int pos = position;
    for (;;) {
      if (++steps > stepBudget) exhausted = true;
      if (exhausted) {
        dropChoices(base);
        return false;
      }
      bool matched = true;
      if (!leaving) {
        switch (n->kind) {
          case nodeKind::empty:
            break;
          case nodeKind::item:
            matched = matchItem(n->item, pos);
            break;
          case nodeKind::charClass:
            matched = pos < length && n->inSet(s[pos]);
            if (matched) ++pos;
            break;
          case nodeKind::negatedClass:
            matched = pos < length && !n->inSet(s[pos]);
            if (matched) ++pos;
            break;
          case nodeKind::backReference:
            matched = matchBackReference(unsigned(n->item), pos);
            break;
          case nodeKind::group:
            keep(n);
            n->entryOffset = pos;
            if (n->child) {
              n = n->child;
              continue;
            }
            leaving = true;
            continue;
          case nodeKind::greedyBounded:
          case nodeKind::lazyBounded:
            keep(n);
            n->compulsory = n->lower;
            n->optional = n->upper - n->lower;
            n->remembered = -1;
            leaving = true;  // reached: decide about the next iteration
            continue;
          case nodeKind::greedyUnbounded:
          case nodeKind::lazyUnbounded:
            keep(n);
            n->compulsory = n->lower;
            n->remembered = -1;
            leaving = true;
            continue;
          case nodeKind::alternation:
            if (!push(resume::rightAlternative, n, pos)) continue;
            n = n->child;
            continue;
          case nodeKind::lookAhead:
          case nodeKind::negativeLookAhead: {
            const bool found = walk(n->child, pos, n);
            if (exhausted) continue;
            matched = found == (n->kind == nodeKind::lookAhead);
            break;
          }
          case nodeKind::lookBehind:
          case nodeKind::negativeLookBehind: {
            bool found = false;
            if (pos >= int(n->number)) {
              found = walk(n->child, pos - int(n->number), n);
              if (exhausted) continue;
            }
            matched = found == (n->kind == nodeKind::lookBehind);
            break;
          }
        }
      } else {
        switch (n->kind) {
          case nodeKind::group:
            if (n->number < nonCapturingGroup) {
              const unsigned g = n->number;
              keepCapture(g);
              re.groupStart_[g] = n->entryOffset;
              re.groupEnd_[g] = pos;
            }
            break;
          case nodeKind::alternation:
            // The left side matched: skip the right side.
            if (n->next) n = n->next;
            break;
          case nodeKind::greedyBounded:
          case nodeKind::lazyBounded:
          case nodeKind::greedyUnbounded:
          case nodeKind::lazyUnbounded: {
            int step = nextIteration(n, pos);
            if (step == 0) break;  // done: go on after the repetition
            if (step < 0) continue;
            leaving = false;
            if (n->kind == nodeKind::greedyBounded || n->kind == nodeKind::greedyUnbounded || step == 2) {
              n = n->child;
              continue;
            }
            // Lazy optional iteration: the rest first, the child later.
            break;
          }
          default:
            break;
        }
      }

      if (matched) {
        if (advance(n, leaving, stopAt)) {
          dropChoices(base);
          return true;
        }
        continue;
      }

      // Failure: back to the latest choice of this walk.
      if (choices.size() == base) return false;
      const choice c = choices.back();
      choices.pop_back();
      unwind(c.trailMark);
      pos = c.position;
      n = c.at;
      leaving = false;
      switch (c.how) {
        case resume::afterFailedIteration:
          // The repetition ends here: go on after it.
          restore(n->child, c.captureMark);
          if (advance(n, leaving, stopAt)) {
            dropChoices(base);
            return true;
          }
          break;
        case resume::iterateAfterAll:
          n = n->child;
          break;
        case resume::rightAlternative:
          restore(n->child, c.captureMark);
          n = n->next;
          break;
      }
    }
  }

  bool exhausted = false;

private:
  // After node n matched: on to its next sibling, or leave its parent.
  // True when that leaves the walk's stop node.
  static bool advance(node*& n, bool& leaving, const node* stopAt) {
    if (n->next) {
      n = n->next;
      leaving = false;
      return false;
    }
    n = n->parent;
    leaving = true;
    return n == stopAt;
  }

  // The repetition n is reached at pos. Returns 0 when it is done (go on
  // after it), 1 when the child is to be tried (greedy) or the rest
  // (lazy), 2 for a compulsory iteration, -1 when the depth limit broke.
  int nextIteration(node* n, int pos) {
    if (n->compulsory > 0) {
      keep(n);
      --n->compulsory;
      n->remembered = pos;
      return 2;
    }
    const bool bounded = n->kind == nodeKind::greedyBounded || n->kind == nodeKind::lazyBounded;
    if (bounded && n->optional == 0) return 0;
    // An iteration that consumed nothing would repeat for ever.
    if (n->remembered == pos) return 0;
    keep(n);
    if (bounded) --n->optional;
    n->remembered = pos;
    const bool greedy = n->kind == nodeKind::greedyBounded || n->kind == nodeKind::greedyUnbounded;
    if (!push(greedy ? resume::afterFailedIteration : resume::iterateAfterAll, n, pos)) return -1;
    return 1;
  }

  bool push(resume how, node* at, int pos) {
    if (choices.size() >= maxChoices) {
      exhausted = true;
      return false;
    }
    choices.push_back({how, at, pos, trail.size(), captures.size(), ++serials});
    return true;
  }

  void dropChoices(size_t base) { choices.resize(base); }

  // Records the node's working state before a change, once per choice point.
  void keep(node* n) {
    if (choices.empty()) return;
    const std::uint64_t current = choices.back().serial;
    if (n->stamp == current) return;
    if (trail.size() >= maxTrail) {
      exhausted = true;
      return;
    }
    trail.push_back({n, n->compulsory, n->optional, n->remembered, n->entryOffset, n->stamp});
    n->stamp = current;
  }

  void unwind(size_t mark) {
    while (trail.size() > mark) {
      const trailEntry& t = trail.back();
      t.at->compulsory = t.compulsory;
      t.at->optional = t.optional;
      t.at->remembered = t.remembered;
      t.at->entryOffset = t.entryOffset;
      t.at->stamp = t.stamp;
      trail.pop_back();
    }
  }

  // Records a group's capture before its first change under the latest choice.
  void keepCapture(unsigned g) {
    if (choices.empty()) return;
    const std::uint64_t current = choices.back().serial;
    if (captureStamps[g] == current) return;
    if (captures.size() >= maxTrail) {
      exhausted = true;
      return;
    }
    captures.push_back({g, re.groupStart_[g], re.groupEnd_[g], captureStamps[g]});
    captureStamps[g] = current;
  }

  // The capturing groups reached from `top` through groups alone.
  static unsigned reachedGroups(const node* top) {
    if (!top || !top->isGroup()) return 0;
    unsigned mask = top->number < nonCapturingGroup ? 1u << top->number : 0;
    for (const node* c = top->child; c; c = c->next) mask |= reachedGroups(c);
    return mask;
  }

  // A way through `top` failed: its groups reached through groups alone get
  // back the capture they had when the way began; groups below a
  // repetition, a look-around or the left side of an alternation keep what
  // they captured. The records of kept groups stay for earlier choices.
  void restore(const node* top, size_t mark) {
    const unsigned mask = reachedGroups(top);
    for (size_t k = captures.size(); k > mark; --k) {
      const captureEntry& e = captures[k - 1];
      if (mask & (1u << e.group)) {
        re.groupStart_[e.group] = e.start;
        re.groupEnd_[e.group] = e.end;
        captureStamps[e.group] = e.stamp;
      }
    }
    size_t kept = mark;
    for (size_t k = mark; k < captures.size(); ++k)
      if (!(mask & (1u << captures[k].group))) captures[kept++] = captures[k];
    captures.resize(kept);
  }

  bool matchItem(int item, int& pos) {
    if (item < 256) {
      if (pos >= length) return false;
      const unsigned char c = s[pos];
      const unsigned char want = static_cast<unsigned char>(item);
      if (c != want && !(ignoreCase && toLowerLetter(c) == toLowerLetter(want))) return false;
      ++pos;
      return true;
    }
    switch (item) {
      case anyCharacter:
        if (pos >= length || (dotNotNewline && (s[pos] == '\r' || s[pos] == '\n'))) return false;
        ++pos;
        return true;
      case subjectStart:
        return pos == 0;
      case subjectEnd:
        return pos == length;
      case wordStart:
        return pos >= length || (isWordCharacter(s[pos]) && (pos == 0 || !isWordCharacter(s[pos - 1])));
      case wordEnd:
        if (pos >= length) return true;
        return pos > 0 && !isWordCharacter(s[pos]) && isWordCharacter(s[pos - 1]);
      case notAfterWord:
        return pos == 0 || pos >= length || !isWordCharacter(s[pos - 1]);
      default:
        if (pos >= length || !inEscapeSet(item, s[pos])) return false;
        ++pos;
        return true;
    }
  }

  bool matchBackReference(unsigned g, int& pos) {
    if (g >= regexp::maxGroups) return false;
    const int start = re.groupStart_[g];
    const int end = re.groupEnd_[g];
    if (start < 0 || end < start) return false;
    const int count = end - start;
    if (count > length - pos) return false;
    steps += unsigned(count);  // long comparisons count against the budget too
    for (int k = 0; k < count; ++k)
      if (s[start + k] != s[pos + k]) return false;
    pos += count;
    return true;
  }

  regexp& re;
  const unsigned char* s;
  int length;
  bool ignoreCase;
  bool dotNotNewline;
  unsigned long steps = 0;
  std::uint64_t serials = 0;
  std::vector<choice> choices;
  std::vector<trailEntry> trail;
  std::vector<captureEntry> captures;
  std::uint64_t captureStamps[regexp::maxGroups] = {};
};

}  // namespace regexpEngine

bool regexp::passesFirstItem(const unsigned char* data, unsigned length) const {
  if (!(flags_ & anchored) || firstItem_ < 0) return true;
  const unsigned char first = length > 0 ? data[0] : 0;
  if (firstItem_ == regexpEngine::subjectStart) return true;
  if (firstItem_ == regexpEngine::wordStart) return length > 0 && regexpEngine::isWordCharacter(first);
  if (length == 0) return false;
  const unsigned char want = static_cast<unsigned char>(firstItem_);
  if (first == want) return true;
  return (flags_ & ignoreCase) && regexpEngine::toLowerLetter(first) == regexpEngine::toLowerLetter(want);
}

bool regexp::search(const char* data, unsigned length) {
  gaveUp_ = false;
  if (status_ != compiled || !root_ || length > unsigned(INT_MAX)) return false;
  if (!data) length = 0;
  const unsigned char* subject = reinterpret_cast<const unsigned char*>(data ? data : "");
  if (!passesFirstItem(subject, length)) return false;
  for (regexpEngine::node* n : nodes_) n->stamp = 0;
  regexpEngine::walker w(*this, subject, int(length));
  const unsigned last = (flags_ & anchored) || length == 0 ? 0 : length - 1;
  for (unsigned start = 0; start <= last; ++start) {
    // A start position that failed leaves no captures behind.
    for (unsigned i = 0; i < maxGroups; ++i) groupStart_[i] = groupEnd_[i] = -1;
    if (w.walk(root_, int(start), nullptr)) return true;
    if (w.exhausted) {
      gaveUp_ = true;
      return false;
    }
  }
  return false;
}

bool regexp::match(const string& subject, bool keepSubject) {
  // Holds the subject across the search even if it is the kept one.
  const string held(subject);
  if (!search(held.buffer(), held.length())) {
    detach();
    return false;
  }
  if (keepSubject) {
    keptSubject_ = held;
  } else {
    keptSubject_.clear();
  }
  base_ = keepSubject ? keptSubject_.buffer() : subject.buffer();
  return true;
}

bool regexp::match(const char* data, unsigned length, bool keepSubject) {
  if (!search(data, length)) {
    detach();
    return false;
  }
  if (keepSubject) {
    keptSubject_ = string(data, length);
    base_ = keptSubject_.buffer();
  } else {
    keptSubject_.clear();
    base_ = data;
  }
  return true;
}

bool regexp::match(const char* begin, const char* end, bool keepSubject) {
  const unsigned length = begin && end > begin ? static_cast<unsigned>(end - begin) : 0;
  return match(begin, length, keepSubject);
}

}  // namespace orvo
