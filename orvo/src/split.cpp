#include <orvo/split.h>

#include <cstring>

#include <orvo/regexp.h>

namespace orvo {

void split(const string& text, stringlist& out, const char* separator) {
  out.clear();
  if (!separator) separator = "";
  const unsigned extra = *separator ? unsigned(std::strlen(separator)) - 1 : 0;
  string rest(text);
  for (;;) {
    const string token = rest.takeToken(separator);
    if (token.empty()) break;
    out.append(token);
    rest.removeLeft(extra);
  }
}

void splitByPattern(const string& text, stringlist& out, const string& separatorPattern) {
  out.clear();
  static const string head("(.*?)(");
  static const string tail(")+(.*?)$");
  regexp re(head + separatorPattern + tail, regexp::anchored);
  // The rest is the last group; the separator's own groups move it up.
  unsigned restGroup = re.groupCount() - 1;
  if (re.groupCount() == regexp::maxGroups) {
    const regexp alone(separatorPattern, 0);
    restGroup = alone.status() == regexp::compiled ? alone.groupCount() + 2 : regexp::maxGroups;
  }
  const bool restCaptured = re.status() == regexp::compiled && restGroup > 1 && restGroup < regexp::maxGroups;

  string rest(text);
  while (restCaptured && re.match(rest, false)) {
    const string next = re.group(restGroup);
    // A separator that matches nothing would never shorten the rest.
    if (next.length() >= rest.length()) break;
    out.append(re.group(1));
    rest = next;
  }
  out.append(rest);
}

void splitTopLevel(const string& text, stringlist& out, const char* separators) {
  out.clear();
  const size_t separatorCount = separators ? std::strlen(separators) : 0;
  int depth = 0;
  unsigned tokenStart = 0;
  const char* p = text.buffer();
  for (unsigned i = 0; i <= text.length(); ++i) {
    const bool end = i == text.length();
    if (!end) {
      if (p[i] == '(') ++depth;
      if (p[i] == ')') --depth;
    }
    if (end || (depth == 0 && separatorCount && std::memchr(separators, p[i], separatorCount))) {
      if (i > tokenStart) out.append(text.mid(tokenStart, i - tokenStart));
      tokenStart = i + 1;
    }
  }
}

}  // namespace orvo
