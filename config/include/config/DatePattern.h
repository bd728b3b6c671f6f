// A point of time as seven fields, any of which may be a wildcard, and the
// comparisons the time windows use.
#pragma once

#include <cstdint>

namespace orvo {
class dateTime;
}

class TDatePattern {
public:
  enum : int32_t { Any = -1 };

  TDatePattern() = default;
  // Arguments in the grammar's order: the weekday comes last.
  TDatePattern(int32_t AYear, int32_t AMonth, int32_t ADay, int32_t AHour, int32_t AMinute, int32_t ASecond,
               int32_t AWeekday = Any)
      : Year(AYear), Month(AMonth), Day(ADay), Weekday(AWeekday), Hour(AHour), Minute(AMinute), Second(ASecond) {}
  explicit TDatePattern(const orvo::dateTime& ATime) { *this = ATime; }
  TDatePattern& operator=(const orvo::dateTime& ATime);

  // Fields in comparison order; -1 is "any".
  int32_t Year = Any;
  int32_t Month = Any;
  int32_t Day = Any;
  int32_t Weekday = Any;  // Monday 1 to Sunday 7
  int32_t Hour = Any;
  int32_t Minute = Any;
  int32_t Second = Any;
};

// Each compares year, month, day, weekday, hour, minute, second in that order,
// skipping every field that is a wildcard in either pattern.
bool Matches(const TDatePattern& A, const TDatePattern& B);
bool Less(const TDatePattern& A, const TDatePattern& B);
bool LessOrEqual(const TDatePattern& A, const TDatePattern& B);
bool Greater(const TDatePattern& A, const TDatePattern& B);
bool GreaterOrEqual(const TDatePattern& A, const TDatePattern& B);

// The local time as the time windows see it. Tests fix it with Set.
class TClock {
public:
  static TDatePattern Now();
  static void Set(const TDatePattern& ANow);
  static void UseSystemClock();

private:
  static bool FFixed;
  static TDatePattern FNow;
};
