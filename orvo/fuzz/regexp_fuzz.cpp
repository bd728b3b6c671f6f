// Patterns and subjects from arbitrary input: compile, search, groups,
// substitution, copies, splitting and the mail-style date parse.
#include <orvo/regexp.h>
#include <orvo/rfc1123.h>
#include <orvo/split.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// Input: one byte of flags, the pattern up to the first NUL, the subject after it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 || size > 8192) return 0;
  const unsigned flags = data[0] & 15u;
  const char* rest = reinterpret_cast<const char*>(data + 1);
  const std::size_t restSize = size - 1;
  const void* nul = std::memchr(rest, 0, restSize);
  const std::size_t patternSize = nul ? static_cast<const char*>(nul) - rest : restSize;
  const orvo::string pattern(rest, static_cast<unsigned>(patternSize));
  const orvo::string subject =
      nul ? orvo::string(rest + patternSize + 1, unsigned(restSize - patternSize - 1)) : orvo::string();

  orvo::regexp re(pattern, flags);
  if (re.status() > orvo::regexp::nothingToRepeat) std::abort();
  const bool found = re.match(subject, true);
  if (found != re.attached()) std::abort();
  for (unsigned g = 0; g <= orvo::regexp::maxGroups; ++g) {
    const orvo::string text = re.group(g);
    if (re.groupStart(g) + re.groupLength(g) > subject.length()) std::abort();
    if (found && text.length() != re.groupLength(g)) std::abort();
  }
  (void)re.expand(subject.buffer());

  orvo::regexp copy(re);
  orvo::regexp& same = copy;
  copy = same;
  if (copy.match(subject) != found) std::abort();
  re.releaseSubject();

  orvo::stringlist pieces;
  orvo::splitByPattern(subject, pieces, pattern);
  orvo::splitTopLevel(subject, pieces, pattern.buffer());
  orvo::split(subject, pieces, pattern.buffer());

  orvo::dateTime value(1, 1, 2000, 0);
  (void)orvo::parseRfc1123(value, subject);
  return 0;
}
