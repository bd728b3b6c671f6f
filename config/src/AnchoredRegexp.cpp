#include <config/AnchoredRegexp.h>

namespace {

// "$" before every "|" outside groups and classes, and at the end: "100|200"
// must not match "1000" through its first alternative. Group numbers stay.
orvo::string AnchorEveryAlternative(const orvo::string& APattern) {
  orvo::string anchored;
  int depth = 0;
  bool inClass = false;
  for (unsigned i = 0; i < APattern.length(); ++i) {
    const char c = APattern.charAt(i);
    if (c == '\\' && i + 1 < APattern.length()) {
      anchored.append(c);
      anchored.append(APattern.charAt(++i));
      continue;
    }
    if (inClass) {
      if (c == ']') inClass = false;
    } else if (c == '[') {
      inClass = true;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (c == '|' && depth == 0) {
      anchored.append('$');
    }
    anchored.append(c);
  }
  anchored.append('$');
  return anchored;
}

}  // namespace

orvo::regexp AnchoredRegexp(const orvo::string& APattern) {
  return orvo::regexp(AnchorEveryAlternative(APattern), orvo::regexp::anchored);
}
