// Signed count of milliseconds: the operand of date arithmetic and timers.
#pragma once

#include <cstdint>
#include <sys/time.h>

#include <orvo/string.h>

namespace orvo {

class timeSpan {
public:
  constexpr timeSpan() : milliseconds_(0) {}
  // days x 86,400,000 + seconds x 1000 + milliseconds, in 64 bits.
  constexpr timeSpan(std::int64_t days, std::int64_t seconds, std::int64_t milliseconds = 0)
      : milliseconds_(days * 86400000 + seconds * 1000 + milliseconds) {}
  // tv_sec x 1000 + tv_usec rounded to the nearest millisecond.
  explicit timeSpan(const timeval& tv);
  // "days/hours:minutes:seconds.milliseconds"; parsing stops at the first
  // missing separator. A leading '-' applies to the days only.
  explicit timeSpan(const string& text);

  static constexpr timeSpan fromMilliseconds(std::int64_t ms) { return timeSpan(0, 0, ms); }

  static const timeSpan second;
  static const timeSpan minute;
  static const timeSpan hour;
  static const timeSpan day;
  static const timeSpan maximum;

  constexpr std::int64_t milliseconds() const { return milliseconds_; }

  timeSpan operator+(const timeSpan& other) const { return fromMilliseconds(milliseconds_ + other.milliseconds_); }
  timeSpan operator-(const timeSpan& other) const { return fromMilliseconds(milliseconds_ - other.milliseconds_); }
  timeSpan operator-() const { return fromMilliseconds(-milliseconds_); }
  timeSpan& operator+=(const timeSpan& other) {
    milliseconds_ += other.milliseconds_;
    return *this;
  }
  timeSpan& operator-=(const timeSpan& other) {
    milliseconds_ -= other.milliseconds_;
    return *this;
  }
  timeSpan operator*(std::int32_t factor) const { return fromMilliseconds(milliseconds_ * factor); }
  timeSpan& operator*=(std::int32_t factor) {
    milliseconds_ *= factor;
    return *this;
  }
  // Truncates toward zero; a divisor of 0 throws orvo::exception.
  timeSpan operator/(std::int32_t divisor) const;
  timeSpan& operator/=(std::int32_t divisor);

  bool operator==(const timeSpan& other) const { return milliseconds_ == other.milliseconds_; }
  bool operator!=(const timeSpan& other) const { return milliseconds_ != other.milliseconds_; }
  bool operator<(const timeSpan& other) const { return milliseconds_ < other.milliseconds_; }
  bool operator<=(const timeSpan& other) const { return milliseconds_ <= other.milliseconds_; }
  bool operator>(const timeSpan& other) const { return milliseconds_ > other.milliseconds_; }
  bool operator>=(const timeSpan& other) const { return milliseconds_ >= other.milliseconds_; }

  // Negative spans give a negative tv_sec and a tv_usec of 0..999,999.
  void toTimeval(timeval& tv) const;
  // "[-]days/hours:minutes:seconds:mmm", e.g. 1/2:3:4:005.
  string toString() const;

private:
  std::int64_t milliseconds_;
};

}  // namespace orvo
