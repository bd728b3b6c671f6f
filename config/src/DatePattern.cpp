#include <config/DatePattern.h>

#include <orvo/dateTime.h>

namespace {

// -1 when A comes first, 1 when B does, 0 when no field both set differs.
int ComparePatterns(const TDatePattern& A, const TDatePattern& B) {
  const int32_t a[] = {A.Year, A.Month, A.Day, A.Weekday, A.Hour, A.Minute, A.Second};
  const int32_t b[] = {B.Year, B.Month, B.Day, B.Weekday, B.Hour, B.Minute, B.Second};
  for (int i = 0; i < 7; ++i) {
    if (a[i] == TDatePattern::Any || b[i] == TDatePattern::Any || a[i] == b[i]) continue;
    return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace

bool Matches(const TDatePattern& A, const TDatePattern& B) { return ComparePatterns(A, B) == 0; }
bool Less(const TDatePattern& A, const TDatePattern& B) { return ComparePatterns(A, B) < 0; }
bool LessOrEqual(const TDatePattern& A, const TDatePattern& B) { return ComparePatterns(A, B) <= 0; }
bool Greater(const TDatePattern& A, const TDatePattern& B) { return ComparePatterns(A, B) > 0; }
bool GreaterOrEqual(const TDatePattern& A, const TDatePattern& B) { return ComparePatterns(A, B) >= 0; }

TDatePattern& TDatePattern::operator=(const orvo::dateTime& ATime) {
  Year = ATime.year();
  Month = ATime.month();
  Day = ATime.day();
  Weekday = ATime.dayOfWeek();
  Hour = ATime.hour();
  Minute = ATime.minute();
  Second = ATime.second();
  return *this;
}

bool TClock::FFixed = false;
TDatePattern TClock::FNow;

TDatePattern TClock::Now() {
  if (FFixed) return FNow;
  return TDatePattern(orvo::dateTime());
}

void TClock::Set(const TDatePattern& ANow) {
  FNow = ANow;
  FFixed = true;
}

void TClock::UseSystemClock() { FFixed = false; }
