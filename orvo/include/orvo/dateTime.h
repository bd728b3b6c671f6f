// Calendar value in local time: Julian day number and milliseconds of the day.
#pragma once

#include <cstdint>
#include <ctime>
#include <sys/time.h>

#include <orvo/string.h>
#include <orvo/timeSpan.h>

namespace orvo {

class dateTime {
public:
  static constexpr std::int32_t millisecondsPerDay = 86400000;

  // The current local time (wall clock), to the millisecond.
  dateTime();
  explicit dateTime(std::time_t t);
  explicit dateTime(const timeval& tv);
  dateTime(int day, int month, int year, int secondsOfDay);
  dateTime(int day, int month, int year, int hour, int minute, int second, int millisecond);
  // Taken as given, then milliseconds beyond a day carry into the day number
  // and negative ones borrow from it.
  constexpr dateTime(unsigned dayNumber, std::int32_t milliseconds) : day_(dayNumber), ms_(milliseconds) {
    normalise();
  }
  // Fixed columns as in "05.03.2004 07:08:09"; absent fields count as 0.
  explicit dateTime(const string& text);

  static dateTime now() { return dateTime(); }
  // The current universal time (UTC) as calendar fields, from the clock
  // reading itself: a local value cannot tell on which side of a change to
  // or from daylight-saving time it lies (two 02:30 in one night).
  static dateTime universalNow();
  // Today at 00:00:00.000.
  static dateTime today();
  void setNow();

  static const dateTime minimum;    // 1 January of the year 1
  static const dateTime maximum;    // day number 4,294,967,295 at 23:59:59.999
  static const dateTime startTime;  // local time when the process started
  static const dateTime unixEpoch;  // 1 January 1970, reference of unixTime
  static const dateTime epoch1900;  // 1 January 1900

  // 0 for an invalid date.
  unsigned dayNumber() const { return day_; }
  std::int32_t millisecondsOfDay() const { return ms_; }

  int day() const;
  int month() const;
  int year() const;
  int dayOfWeek() const;  // 1 Monday .. 7 Sunday
  int dayOfYear() const;  // 1..366
  int hour() const { return ms_ / 3600000; }
  int minute() const { return ms_ / 60000 % 60; }
  int second() const { return ms_ / 1000 % 60; }
  int millisecond() const { return ms_ % 1000; }
  // Day of the year of the first day of month (1..12) in this date's year; 0 otherwise.
  int firstDayOfMonth(int month) const;

  // -1, 0 or 1: day numbers first, then milliseconds.
  int compare(const dateTime& other) const;
  // By value, so that a temporary argument cannot leave a dangling result.
  static dateTime max(const dateTime& a, const dateTime& b) { return a.compare(b) <= 0 ? b : a; }
  static dateTime min(const dateTime& a, const dateTime& b) { return a.compare(b) < 0 ? a : b; }

  dateTime& operator+=(const timeSpan& span);
  dateTime& operator-=(const timeSpan& span);
  dateTime operator+(const timeSpan& span) const {
    dateTime d(*this);
    return d += span;
  }
  dateTime operator-(const timeSpan& span) const {
    dateTime d(*this);
    return d -= span;
  }
  // Days x 86,400,000 + the difference of the milliseconds of the day.
  timeSpan operator-(const dateTime& other) const;

  bool operator==(const dateTime& other) const { return compare(other) == 0; }
  bool operator!=(const dateTime& other) const { return compare(other) != 0; }
  bool operator<(const dateTime& other) const { return compare(other) < 0; }
  bool operator<=(const dateTime& other) const { return compare(other) <= 0; }
  bool operator>(const dateTime& other) const { return compare(other) > 0; }
  bool operator>=(const dateTime& other) const { return compare(other) >= 0; }

  // The latest date on or before this one on that weekday (1..7), same time
  // of day; an unknown weekday leaves the date as it is.
  dateTime lastWeekday(int weekday) const;
  dateTime lastWeekday(const string& upperCaseName) const;

  // Seconds since the Unix epoch, taking the local fields as they stand.
  std::time_t unixTime() const;
  void toTimeval(timeval& tv) const;
  // Offset of the local zone east of UTC at the instant these fields name
  // when read as universal time: what turns a value holding universal time
  // into local time. Next to a change to or from daylight-saving time it is
  // not the offset of a local value's own instant: see localOffset.
  timeSpan gmtOffset() const;
  // Offset of the local zone east of UTC at the instant these fields name
  // as local time. In the hour that a change back to standard time repeats
  // the fields name two instants, and this is the offset of one of them.
  timeSpan localOffset() const;
  static timeSpan currentGmtOffset();
  string zoneName() const;
  static string currentZoneName();

  // The library's own pattern language (%d/%l/%Y, %c = "%x %X", ...), not strftime.
  string format(const char* pattern) const;

  // 0 for an invalid date.
  static unsigned dayNumber(int month, int day, int year);
  static bool isLeapYear(int year);
  static bool isValidDate(int month, int day, int year);
  static int daysInYear(int year);
  // Full names; null outside 1..12 or 1..7.
  static const char* monthName(int month);
  static const char* weekdayName(int weekday);
  // Case-insensitive prefix match tried from the last entry; 0 when none matches.
  static int monthFromName(const string& text);
  static int weekdayFromName(const string& text);

private:
  unsigned day_;
  std::int32_t ms_;

  constexpr void normalise() {
    const std::int32_t days = ms_ / millisecondsPerDay;
    day_ += static_cast<unsigned>(days);
    ms_ -= days * millisecondsPerDay;
    if (ms_ < 0) {
      --day_;
      ms_ += millisecondsPerDay;
    }
  }
  void setLocal(std::time_t t, std::int32_t extraMilliseconds);
  // Calendar fields plus the milliseconds; null fields give day number 0.
  void setFields(const std::tm* fields, std::int32_t extraMilliseconds);
  void split(int& day, int& month, int& year) const;
};

}  // namespace orvo
