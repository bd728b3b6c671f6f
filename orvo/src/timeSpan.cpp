#include <orvo/timeSpan.h>

#include <orvo/exception.h>

#include <cstdio>
#include <limits>

#include "leadingNumber.h"

namespace orvo {

const timeSpan timeSpan::second(0, 1);
const timeSpan timeSpan::minute(0, 60);
const timeSpan timeSpan::hour(0, 3600);
const timeSpan timeSpan::day(1, 0);
const timeSpan timeSpan::maximum = timeSpan::fromMilliseconds(std::numeric_limits<std::int64_t>::max());

timeSpan::timeSpan(const timeval& tv)
    : milliseconds_(std::int64_t(tv.tv_sec) * 1000 + (std::int64_t(tv.tv_usec) + 500) / 1000) {}

timeSpan::timeSpan(const string& text) : milliseconds_(0) {
  const char* p = text.buffer();
  const char* end = p + text.length();
  milliseconds_ = std::int64_t(detail::leadingNumber(p, end, &p)) * 86400000;
  if (p == end || *p != '/') return;
  milliseconds_ += std::int64_t(detail::leadingNumber(p + 1, end, &p)) * 3600000;
  if (p == end || *p != ':') return;
  milliseconds_ += std::int64_t(detail::leadingNumber(p + 1, end, &p)) * 60000;
  if (p == end || *p != ':') return;
  milliseconds_ += std::int64_t(detail::leadingNumber(p + 1, end, &p)) * 1000;
  if (p == end || *p != '.') return;
  milliseconds_ += detail::leadingNumber(p + 1, end, &p);
}

timeSpan timeSpan::operator/(std::int32_t divisor) const {
  timeSpan result(*this);
  return result /= divisor;
}

timeSpan& timeSpan::operator/=(std::int32_t divisor) {
  if (divisor == 0) throw new orvo::exception("Time span division by zero.");
  if (divisor == -1) {
    // The smallest value has no positive counterpart: wrap instead of trapping.
    milliseconds_ = std::int64_t(0 - std::uint64_t(milliseconds_));
  } else {
    milliseconds_ /= divisor;
  }
  return *this;
}

void timeSpan::toTimeval(timeval& tv) const {
  std::int64_t seconds = milliseconds_ / 1000;
  std::int64_t rest = milliseconds_ % 1000;
  if (rest < 0) {
    --seconds;
    rest += 1000;
  }
  tv.tv_sec = static_cast<time_t>(seconds);
  tv.tv_usec = static_cast<suseconds_t>(rest * 1000);
}

string timeSpan::toString() const {
  const bool negative = milliseconds_ < 0;
  std::uint64_t magnitude = negative ? 0 - std::uint64_t(milliseconds_) : std::uint64_t(milliseconds_);
  const unsigned long long ms = magnitude % 1000;
  magnitude /= 1000;
  const unsigned long long seconds = magnitude % 60;
  magnitude /= 60;
  const unsigned long long minutes = magnitude % 60;
  magnitude /= 60;
  const unsigned long long hours = magnitude % 24;
  const unsigned long long days = magnitude / 24;
  char text[48];
  std::snprintf(text, sizeof text, "%s%llu/%llu:%llu:%llu:%03llu", negative ? "-" : "", days, hours, minutes, seconds,
                ms);
  return string(text);
}

}  // namespace orvo
