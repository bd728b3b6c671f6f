// Compiling a pattern: cutting it into elements, then building the node tree.
#include <orvo/regexp.h>

#include <cstring>
#include <vector>

#include "regexpNode.h"

namespace orvo {
namespace regexpEngine {

namespace {

// Deeper trees are refused, so that every walk over them stays shallow.
constexpr unsigned maxTreeHeight = 1000;

enum class elementKind {
  character,      // value: the byte
  escape,         // value: an item code (set escapes and assertions)
  backReference,  // value: the group
  groupOpen,
  groupClose,
  classOpen,
  negatedClassOpen,
  classClose,
  rangeDash,
  braceOpen,
  braceClose,
  lazyBraceClose,
  boundText,  // value: the byte, or 256 for an escape
  star,
  plus,
  question,
  lazyStar,
  lazyPlus,
  lazyQuestion,
  lookAhead,
  negativeLookAhead,
  lookBehind,          // value: the distance
  negativeLookBehind,  // value: the distance
  bar,
  dot,
  caret,
  dollar,
};

struct element {
  elementKind kind;
  int value;
};

int hexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Cuts the pattern into elements and checks brackets and escapes (status 2, 3).
class patternCutter {
public:
  patternCutter(const unsigned char* pattern, unsigned length, unsigned flags)
      : p(pattern), n(length), ignoreBlanks((flags & regexp::ignoreBlanks) != 0) {}

  unsigned cut(std::vector<element>& out) {
    unsigned groupDepth = 0;
    bool inClass = false;
    bool inBraces = false;
    size_t i = 0;
    while ((i = skip(i)) < n) {
      const unsigned char c = p[i];
      if (c == '\\') {
        element e;
        if (!escape(i, e)) return regexp::badEscape;
        if (inBraces)
          out.push_back({elementKind::boundText, 256});
        else
          out.push_back(e);
        continue;
      }
      ++i;
      if (inClass) {
        if (c == ']') {
          out.push_back({elementKind::classClose, 0});
          inClass = false;
        } else if (c == '-') {
          out.push_back({elementKind::rangeDash, 0});
        } else {
          out.push_back({elementKind::character, c});
        }
        continue;
      }
      if (inBraces) {
        if (c == '}') {
          inBraces = false;
          const size_t j = skip(i);
          if (j < n && p[j] == '?') {
            out.push_back({elementKind::lazyBraceClose, 0});
            i = j + 1;
          } else {
            out.push_back({elementKind::braceClose, 0});
          }
        } else if (c == '{' || c == '(' || c == ')' || c == '[' || c == ']') {
          return regexp::badBrackets;
        } else {
          out.push_back({elementKind::boundText, c});
        }
        continue;
      }
      switch (c) {
        case '(':
          ++groupDepth;
          out.push_back({elementKind::groupOpen, 0});
          break;
        case ')':
          if (groupDepth == 0) return regexp::badBrackets;
          --groupDepth;
          out.push_back({elementKind::groupClose, 0});
          break;
        case '[': {
          inClass = true;
          const size_t j = skip(i);
          if (j < n && p[j] == '^') {
            out.push_back({elementKind::negatedClassOpen, 0});
            i = j + 1;
          } else {
            out.push_back({elementKind::classOpen, 0});
          }
          break;
        }
        case ']':
        case '}':
          return regexp::badBrackets;
        case '{':
          inBraces = true;
          out.push_back({elementKind::braceOpen, 0});
          break;
        case '*':
        case '+': {
          const size_t j = skip(i);
          const bool lazy = j < n && p[j] == '?';
          if (lazy) i = j + 1;
          if (c == '*')
            out.push_back({lazy ? elementKind::lazyStar : elementKind::star, 0});
          else
            out.push_back({lazy ? elementKind::lazyPlus : elementKind::plus, 0});
          break;
        }
        case '?':
          out.push_back(questionSuffix(i));
          break;
        case '|':
          out.push_back({elementKind::bar, 0});
          break;
        case '.':
          out.push_back({elementKind::dot, 0});
          break;
        case '^':
          out.push_back({elementKind::caret, 0});
          break;
        case '$':
          out.push_back({elementKind::dollar, 0});
          break;
        default:
          out.push_back({elementKind::character, c});
          break;
      }
    }
    if (inClass || inBraces || groupDepth != 0) return regexp::badBrackets;
    return regexp::compiled;
  }

private:
  size_t skip(size_t i) const {
    if (ignoreBlanks)
      while (i < n && (p[i] == ' ' || p[i] == '\r' || p[i] == '\n')) ++i;
    return i;
  }

  // The '?' at i - 1: a plain or lazy optional, or one of the look-arounds.
  element questionSuffix(size_t& i) const {
    const size_t j = skip(i);
    if (j < n) {
      switch (p[j]) {
        case '?':
          i = j + 1;
          return {elementKind::lazyQuestion, 0};
        case '=':
          i = j + 1;
          return {elementKind::lookAhead, 0};
        case '!':
          i = j + 1;
          return {elementKind::negativeLookAhead, 0};
        case '#':
        case '~': {
          const size_t k = skip(j + 1);
          if (k < n && isDigit(p[k])) {
            i = k + 1;
            return {p[j] == '#' ? elementKind::lookBehind : elementKind::negativeLookBehind, p[k] - '0'};
          }
          break;
        }
        default:
          break;
      }
    }
    return {elementKind::question, 0};
  }

  // The '\' at i and what it escapes; the character after '\' is taken as
  // it stands, also a blank under flag 4.
  bool escape(size_t& i, element& e) const {
    if (i + 1 >= n) return false;
    const unsigned char c = p[i + 1];
    i += 2;
    switch (c) {
      case 'x': {
        const int high = i < n ? hexValue(p[i]) : -1;
        const int low = i + 1 < n ? hexValue(p[i + 1]) : -1;
        if (high < 0 || low < 0) return false;
        i += 2;
        e = {elementKind::character, high * 16 + low};
        return true;
      }
      case 'd':
        e = {elementKind::escape, digit};
        return true;
      case 'D':
        e = {elementKind::escape, nonDigit};
        return true;
      case 'w':
        e = {elementKind::escape, wordCharacter};
        return true;
      case 'W':
        e = {elementKind::escape, nonWordCharacter};
        return true;
      case 's':
        e = {elementKind::escape, space};
        return true;
      case 'S':
        e = {elementKind::escape, nonSpace};
        return true;
      case 'u':
        e = {elementKind::escape, upperLetter};
        return true;
      case 'l':
        e = {elementKind::escape, lowerLetter};
        return true;
      case 'b':
        e = {elementKind::escape, wordStart};
        return true;
      case 'B':
        e = {elementKind::escape, wordEnd};
        return true;
      case 'c':
        e = {elementKind::escape, notAfterWord};
        return true;
      case 'n':
        e = {elementKind::character, '\n'};
        return true;
      case 'r':
        e = {elementKind::character, '\r'};
        return true;
      case 't':
        e = {elementKind::character, '\t'};
        return true;
      default: {
        const int h = hexValue(c);
        if (h >= 0)
          e = {elementKind::backReference, h};
        else
          e = {elementKind::character, c};
        return true;
      }
    }
  }

  const unsigned char* p;
  size_t n;
  bool ignoreBlanks;
};

bool isQuantifier(elementKind k) {
  switch (k) {
    case elementKind::star:
    case elementKind::plus:
    case elementKind::question:
    case elementKind::lazyStar:
    case elementKind::lazyPlus:
    case elementKind::lazyQuestion:
    case elementKind::lookAhead:
    case elementKind::negativeLookAhead:
    case elementKind::lookBehind:
    case elementKind::negativeLookBehind:
      return true;
    default:
      return false;
  }
}

// A bound of a brace: empty is 0, digits their value (held at the largest
// count), anything else the largest count.
unsigned boundValue(const std::vector<element>& e, size_t from, size_t to) {
  unsigned long long value = 0;
  for (size_t k = from; k < to; ++k) {
    const int c = e[k].value;
    if (c < '0' || c > '9') return noLimit;
    value = value * 10 + unsigned(c - '0');
    if (value > noLimit) value = noLimit;
  }
  return static_cast<unsigned>(value);
}

}  // namespace

// Builds the node tree from the elements (status 3 for bad bounds or too
// deep a tree, 4 for a quantifier without an item).
class treeBuilder {
public:
  treeBuilder(regexp& target, const std::vector<element>& elements) : re(target), e(elements) {}

  unsigned build() {
    node* root = make(nodeKind::group);
    root->number = 0;
    re.root_ = root;
    re.groupCount_ = 1;
    std::vector<node*> chain;
    if (!sequence(0, e.size(), 1, chain)) return status;
    adopt(root, chain);
    return regexp::compiled;
  }

private:
  node* make(nodeKind kind) {
    node* fresh = new node;
    fresh->kind = kind;
    fresh->index = static_cast<unsigned>(re.nodes_.size());
    try {
      re.nodes_.push_back(fresh);
    } catch (...) {
      delete fresh;
      throw;
    }
    return fresh;
  }

  bool fail(unsigned code) {
    status = code;
    return false;
  }

  // Makes the chain the children of parent and sets its height.
  bool adopt(node* parent, const std::vector<node*>& chain) {
    node* previous = nullptr;
    unsigned tallest = 0;
    for (node* c : chain) {
      c->parent = parent;
      c->prev = previous;
      c->next = nullptr;
      if (previous)
        previous->next = c;
      else
        parent->child = c;
      previous = c;
      if (c->height > tallest) tallest = c->height;
    }
    parent->height = tallest + 1;
    return parent->height <= maxTreeHeight;
  }

  // The node just before a quantifier moves under a repetition or look-around.
  bool wrap(std::vector<node*>& chain, nodeKind kind, unsigned lower, unsigned upper, unsigned number) {
    if (chain.empty()) return fail(regexp::nothingToRepeat);
    node* wrapper = make(kind);
    wrapper->lower = lower;
    wrapper->upper = upper;
    wrapper->number = number;
    std::vector<node*> only{chain.back()};
    chain.back() = wrapper;
    if (!adopt(wrapper, only)) return fail(regexp::badBrackets);
    return true;
  }

  // Elements [from, to) at nesting depth `depth` into a chain of sibling nodes.
  bool sequence(size_t from, size_t to, unsigned depth, std::vector<node*>& chain) {
    if (depth >= maxTreeHeight) return fail(regexp::badBrackets);
    size_t i = from;
    while (i < to) {
      const element& el = e[i];
      switch (el.kind) {
        case elementKind::groupOpen: {
          size_t close = i + 1;
          for (unsigned level = 1;; ++close) {
            if (e[close].kind == elementKind::groupOpen) ++level;
            if (e[close].kind == elementKind::groupClose && --level == 0) break;
          }
          node* g = make(nodeKind::group);
          g->number = re.groupCount_;
          if (re.groupCount_ < nonCapturingGroup) ++re.groupCount_;
          std::vector<node*> inner;
          if (!sequence(i + 1, close, depth + 1, inner)) return false;
          if (!adopt(g, inner) || depth + g->height > maxTreeHeight) return fail(regexp::badBrackets);
          chain.push_back(g);
          i = close + 1;
          break;
        }
        case elementKind::classOpen:
        case elementKind::negatedClassOpen: {
          node* c = make(el.kind == elementKind::classOpen ? nodeKind::charClass : nodeKind::negatedClass);
          i = fillClass(c, i + 1);
          chain.push_back(c);
          break;
        }
        case elementKind::braceOpen: {
          size_t close = i + 1;
          while (e[close].kind == elementKind::boundText) ++close;
          size_t comma = close;
          for (size_t k = i + 1; k < close; ++k)
            if (e[k].value == ',') comma = k;
          const bool lazy = e[close].kind == elementKind::lazyBraceClose;
          bool ok;
          if (comma == close) {
            const unsigned count = boundValue(e, i + 1, close);
            ok = wrap(chain, lazy ? nodeKind::lazyBounded : nodeKind::greedyBounded, count, count, 0);
          } else {
            const unsigned lower = boundValue(e, i + 1, comma);
            if (comma + 1 == close) {
              ok = wrap(chain, lazy ? nodeKind::lazyUnbounded : nodeKind::greedyUnbounded, lower, noLimit, 0);
            } else {
              const unsigned upper = boundValue(e, comma + 1, close);
              // An upper bound below the lower would count the optional
              // iterations round to about four thousand million.
              if (upper < lower) return fail(regexp::badBrackets);
              ok = wrap(chain, lazy ? nodeKind::lazyBounded : nodeKind::greedyBounded, lower, upper, 0);
            }
          }
          if (!ok) return false;
          if (depth + chain.back()->height > maxTreeHeight) return fail(regexp::badBrackets);
          i = close + 1;
          break;
        }
        case elementKind::bar: {
          node* alternative = make(nodeKind::alternation);
          node* left;
          if (chain.empty()) {
            left = make(nodeKind::empty);
          } else {
            left = make(nodeKind::group);
            left->number = nonCapturingGroup;
            if (!adopt(left, chain)) return fail(regexp::badBrackets);
          }
          adopt(alternative, std::vector<node*>{left});
          node* right = make(nodeKind::group);
          right->number = nonCapturingGroup;
          std::vector<node*> rest;
          if (!sequence(i + 1, to, depth + 1, rest)) return false;
          if (!adopt(right, rest) || depth + alternative->height > maxTreeHeight ||
              depth + right->height > maxTreeHeight)
            return fail(regexp::badBrackets);
          chain.clear();
          chain.push_back(alternative);
          chain.push_back(right);
          i = to;
          break;
        }
        case elementKind::backReference: {
          node* b = make(nodeKind::backReference);
          b->item = el.value;
          chain.push_back(b);
          ++i;
          break;
        }
        default:
          if (isQuantifier(el.kind)) {
            if (!quantify(chain, el)) return false;
            if (depth + chain.back()->height > maxTreeHeight) return fail(regexp::badBrackets);
          } else {
            node* item = make(nodeKind::item);
            item->item = itemFor(el);
            chain.push_back(item);
          }
          ++i;
          break;
      }
    }
    return true;
  }

  bool quantify(std::vector<node*>& chain, const element& el) {
    switch (el.kind) {
      case elementKind::star:
        return wrap(chain, nodeKind::greedyUnbounded, 0, noLimit, 0);
      case elementKind::plus:
        return wrap(chain, nodeKind::greedyUnbounded, 1, noLimit, 0);
      case elementKind::question:
        return wrap(chain, nodeKind::greedyBounded, 0, 1, 0);
      case elementKind::lazyStar:
        return wrap(chain, nodeKind::lazyUnbounded, 0, noLimit, 0);
      case elementKind::lazyPlus:
        return wrap(chain, nodeKind::lazyUnbounded, 1, noLimit, 0);
      case elementKind::lazyQuestion:
        return wrap(chain, nodeKind::lazyBounded, 0, 1, 0);
      case elementKind::lookAhead:
        return wrap(chain, nodeKind::lookAhead, 0, 0, 0);
      case elementKind::negativeLookAhead:
        return wrap(chain, nodeKind::negativeLookAhead, 0, 0, 0);
      case elementKind::lookBehind:
        return wrap(chain, nodeKind::lookBehind, 0, 0, unsigned(el.value));
      default:
        return wrap(chain, nodeKind::negativeLookBehind, 0, 0, unsigned(el.value));
    }
  }

  static int itemFor(const element& el) {
    switch (el.kind) {
      case elementKind::character:
        return el.value;
      case elementKind::escape:
        return el.value;
      case elementKind::dot:
        return anyCharacter;
      case elementKind::caret:
        return subjectStart;
      default:
        return subjectEnd;
    }
  }

  static void addEscapeSet(node* c, int code) {
    for (unsigned b = 0; b < 256; ++b)
      if (inEscapeSet(code, static_cast<unsigned char>(b))) c->addToSet(b);
  }

  // Fills a class from the elements after its '[' up to ']'; returns the
  // index after ']'. A range adds its lower end up to, not including, the
  // upper end; the upper end is then read as the next element.
  size_t fillClass(node* c, size_t i) {
    while (e[i].kind != elementKind::classClose) {
      const element& el = e[i];
      if (el.kind == elementKind::rangeDash) {
        ++i;
        continue;
      }
      if (el.kind == elementKind::character && e[i + 1].kind == elementKind::rangeDash) {
        const int low = el.value;
        i += 2;
        if (e[i].kind == elementKind::character)
          for (int b = low; b < e[i].value; ++b) c->addToSet(unsigned(b));
        continue;
      }
      if (el.kind == elementKind::character)
        c->addToSet(unsigned(el.value));
      else if (el.kind == elementKind::escape && el.value >= digit && el.value <= nonSpace)
        addEscapeSet(c, el.value);
      // \b, \B, \c, \u, \l and back-references add nothing.
      ++i;
    }
    return i + 1;
  }

  regexp& re;
  const std::vector<element>& e;
  unsigned status = regexp::compiled;
};

}  // namespace regexpEngine

bool regexp::compilePattern(const char* pattern, unsigned length) {
  freeTree();
  detach();
  status_ = emptyPattern;
  groupCount_ = 0;
  firstItem_ = -1;
  for (unsigned i = 0; i < maxGroups; ++i) groupStart_[i] = groupEnd_[i] = -1;
  if (!pattern || length == 0) return false;

  std::vector<regexpEngine::element> elements;
  regexpEngine::patternCutter cutter(reinterpret_cast<const unsigned char*>(pattern), length, flags_);
  unsigned result = cutter.cut(elements);
  if (result == compiled) {
    try {
      result = regexpEngine::treeBuilder(*this, elements).build();
    } catch (...) {
      freeTree();
      throw;
    }
  }
  if (result != compiled) {
    freeTree();
    groupCount_ = 0;
    status_ = result;
    return false;
  }

  // The first item decides quickly, under flag 2, whether a subject can match.
  const regexpEngine::node* first = root_;
  while (first->isGroup() && first->child) first = first->child;
  if (first->kind == regexpEngine::nodeKind::item &&
      (first->item < 256 || first->item == regexpEngine::subjectStart || first->item == regexpEngine::wordStart))
    firstItem_ = first->item;
  status_ = compiled;
  return true;
}

bool regexp::compile(char c) { return compilePattern(&c, 1); }

bool regexp::compile(const char* pattern) {
  return compilePattern(pattern, pattern ? static_cast<unsigned>(std::strlen(pattern)) : 0);
}

bool regexp::compile(const string& pattern) { return compilePattern(pattern.buffer(), pattern.length()); }

}  // namespace orvo
