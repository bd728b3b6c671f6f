// Date-time and span texts and format patterns from arbitrary input.
#include <orvo/dateTime.h>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvo::string text(data, static_cast<unsigned>(size));
  const orvo::dateTime parsed(text);
  const orvo::timeSpan span(text);
  (void)span.toString();
  const std::string pattern(reinterpret_cast<const char*>(data), size);
  (void)parsed.format(pattern.c_str());
  (void)orvo::dateTime(0u, 0).format(pattern.c_str());
  (void)orvo::dateTime::maximum.format(pattern.c_str());
  // Within a range where day numbers cannot wrap, moving by a span and
  // taking the difference give the span back.
  const std::int64_t limit = 1000000LL * 86400000;
  const bool inRange = parsed.dayNumber() > 1000000u && parsed.dayNumber() < 0x40000000u;
  if (inRange && span.milliseconds() > -limit && span.milliseconds() < limit) {
    orvo::dateTime moved = parsed;
    moved += span;
    if ((moved - parsed).milliseconds() != span.milliseconds()) std::abort();
  }
  (void)orvo::dateTime::monthFromName(text);
  return 0;
}
