#include <orvo/dateTime.h>

#include <cstdio>
#include <ctime>
#include <string>

#include <orvo/wallClock.h>

#include "leadingNumber.h"

namespace orvo {

namespace {

constexpr std::int64_t msPerDay = dateTime::millisecondsPerDay;
constexpr unsigned unixEpochDay = 2440588;

const char* const monthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const monthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const monthNamesUpper[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                       "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
const char* const weekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char* const weekdayAbbreviations[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const weekdayNamesUpper[] = {"MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"};

const int firstDayInCommonYear[] = {1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
const int daysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const char* entry(const char* const* table, int count, int n) { return n >= 1 && n <= count ? table[n - 1] : nullptr; }

int lookup(const char* const* table, int count, const string& text) {
  for (int i = count; i >= 1; --i) {
    if (strnicmp(text.buffer(), table[i - 1], text.length()) == 0) return i;
  }
  return 0;
}

// Two digits: '0' before a single digit; three digits: "00" or "0" before
// one or two; longer and negative numbers whole.
void appendNumber(std::string& out, long long value, int width) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%lld", value);
  if (value >= 0) {
    for (int pad = width - int(std::char_traits<char>::length(digits)); pad > 0; --pad) out += '0';
  }
  out += digits;
}

void appendText(std::string& out, const char* text) {
  if (text) out += text;
}

bool localFields(std::time_t t, std::tm& fields) { return localtime_r(&t, &fields) != nullptr; }

string zoneNameOf(std::time_t t) {
  std::tm fields{};
  if (!localFields(t, fields)) return string("?");
  if (fields.tm_zone) return string(fields.tm_zone);
  if (fields.tm_isdst == 0 || fields.tm_isdst == 1) return string(tzname[fields.tm_isdst]);
  return string("?");
}

timeSpan gmtOffsetOf(std::time_t t) {
  std::tm fields{};
  if (!localFields(t, fields)) return timeSpan();
  return timeSpan::fromMilliseconds(std::int64_t(fields.tm_gmtoff) * 1000);
}

// Builds a value from a day number and milliseconds that may lie far outside one day.
dateTime normalised(std::int64_t dayNumber, std::int64_t milliseconds) {
  std::int64_t days = milliseconds / msPerDay;
  milliseconds -= days * msPerDay;
  if (milliseconds < 0) {
    --days;
    milliseconds += msPerDay;
  }
  return dateTime(static_cast<unsigned>(dayNumber + days), static_cast<std::int32_t>(milliseconds));
}

}  // namespace

const dateTime dateTime::minimum(1721426u, 0);
const dateTime dateTime::maximum(4294967295u, 86399999);
const dateTime dateTime::startTime;
const dateTime dateTime::unixEpoch(unixEpochDay, 0);
const dateTime dateTime::epoch1900(2415021u, 0);

dateTime::dateTime() : day_(0), ms_(0) { setNow(); }

dateTime::dateTime(std::time_t t) : day_(0), ms_(0) { setLocal(t, 0); }

dateTime::dateTime(const timeval& tv) : day_(0), ms_(0) {
  setLocal(tv.tv_sec, static_cast<std::int32_t>((tv.tv_usec + 500) / 1000));
}

dateTime::dateTime(int day, int month, int year, int secondsOfDay)
    : dateTime(normalised(dayNumber(month, day, year), std::int64_t(secondsOfDay) * 1000)) {}

dateTime::dateTime(int day, int month, int year, int hour, int minute, int second, int millisecond)
    : dateTime(normalised(dayNumber(month, day, year),
                          (std::int64_t(hour) * 3600 + std::int64_t(minute) * 60 + second) * 1000 + millisecond)) {}

dateTime::dateTime(const string& text) : day_(0), ms_(0) {
  const char* begin = text.buffer();
  const char* end = begin + text.length();
  auto field = [&](unsigned column) { return column < text.length() ? detail::leadingNumber(begin + column, end) : 0; };
  *this = normalised(dayNumber(field(3), field(0), field(6)),
                     (std::int64_t(field(11)) * 3600 + std::int64_t(field(14)) * 60 + field(17)) * 1000);
}

void dateTime::setLocal(std::time_t t, std::int32_t extraMilliseconds) {
  std::tm fields{};
  setFields(localFields(t, fields) ? &fields : nullptr, extraMilliseconds);
}

void dateTime::setFields(const std::tm* fields, std::int32_t extraMilliseconds) {
  if (!fields) {
    day_ = 0;
    ms_ = 0;
    return;
  }
  *this = normalised(
      dayNumber(fields->tm_mon + 1, fields->tm_mday, fields->tm_year + 1900),
      (std::int64_t(fields->tm_hour) * 3600 + fields->tm_min * 60 + fields->tm_sec) * 1000 + extraMilliseconds);
}

void dateTime::setNow() {
  const timeval tv = wallClock();
  setLocal(tv.tv_sec, static_cast<std::int32_t>((tv.tv_usec + 500) / 1000));
}

dateTime dateTime::universalNow() {
  const timeval tv = wallClock();
  std::tm fields{};
  dateTime value(0u, 0);
  value.setFields(gmtime_r(&tv.tv_sec, &fields), static_cast<std::int32_t>((tv.tv_usec + 500) / 1000));
  return value;
}

dateTime dateTime::today() { return dateTime(dateTime().day_, 0); }

void dateTime::split(int& day, int& month, int& year) const {
  // 64-bit throughout: the largest day numbers overflow 32 bits, and day
  // number 0 runs through negative intermediates.
  const std::int64_t j = (std::int64_t(day_) - 1721119) * 4;
  const std::int64_t c = (j - 1) / 146097;
  const std::int64_t r = (j - 146097 * c - 1) & ~std::int64_t(3);
  const std::int64_t a = (r + 3) / 1461;
  const std::int64_t t = ((r - 1461 * a + 7) / 4) * 5;
  const std::int64_t m = (t - 3) / 153;
  day = static_cast<int>((t - 153 * m + 2) / 5);
  std::int64_t y = 100 * c + a;
  if (m > 9) {
    month = static_cast<int>(m - 9);
    ++y;
  } else {
    month = static_cast<int>(m + 3);
  }
  year = static_cast<int>(y);
}

int dateTime::day() const {
  int d, m, y;
  split(d, m, y);
  return d;
}

int dateTime::month() const {
  int d, m, y;
  split(d, m, y);
  return m;
}

int dateTime::year() const {
  int d, m, y;
  split(d, m, y);
  return y;
}

int dateTime::dayOfWeek() const { return static_cast<int>(((std::int64_t(day_) + 1) % 7 + 6) % 7 + 1); }

int dateTime::dayOfYear() const {
  return static_cast<int>(std::int64_t(day_) - std::int64_t(dayNumber(12, 31, year() - 1)));
}

int dateTime::firstDayOfMonth(int month) const {
  if (month < 1 || month > 12) return 0;
  return firstDayInCommonYear[month - 1] + (month > 2 && isLeapYear(year()) ? 1 : 0);
}

int dateTime::compare(const dateTime& other) const {
  if (day_ != other.day_) return day_ < other.day_ ? -1 : 1;
  if (ms_ != other.ms_) return ms_ < other.ms_ ? -1 : 1;
  return 0;
}

dateTime& dateTime::operator+=(const timeSpan& span) {
  const std::int64_t s = span.milliseconds();
  day_ += static_cast<unsigned>(s / msPerDay);
  ms_ += static_cast<std::int32_t>(s % msPerDay);
  normalise();
  return *this;
}

dateTime& dateTime::operator-=(const timeSpan& span) {
  const std::int64_t s = span.milliseconds();
  day_ -= static_cast<unsigned>(s / msPerDay);
  ms_ -= static_cast<std::int32_t>(s % msPerDay);
  normalise();
  return *this;
}

timeSpan dateTime::operator-(const dateTime& other) const {
  return timeSpan::fromMilliseconds((std::int64_t(day_) - std::int64_t(other.day_)) * msPerDay +
                                    (std::int64_t(ms_) - other.ms_));
}

dateTime dateTime::lastWeekday(int weekday) const {
  if (weekday < 1 || weekday > 7) return *this;
  const int d = dayOfWeek() - 1;
  const int w = weekday - 1;
  unsigned dayNumber = day_ - d + w;
  if (w > d) dayNumber -= 7;
  return dateTime(dayNumber, ms_);
}

dateTime dateTime::lastWeekday(const string& upperCaseName) const {
  return lastWeekday(weekdayFromName(upperCaseName));
}

std::time_t dateTime::unixTime() const {
  return static_cast<std::time_t>(((std::int64_t(day_) - unixEpochDay) * msPerDay + ms_) / 1000);
}

void dateTime::toTimeval(timeval& tv) const {
  tv.tv_sec = unixTime();
  tv.tv_usec = millisecond() * 1000;
}

timeSpan dateTime::gmtOffset() const { return gmtOffsetOf(unixTime()); }

timeSpan dateTime::currentGmtOffset() { return gmtOffsetOf(wallClock().tv_sec); }

timeSpan dateTime::localOffset() const {
  std::tm fields{};
  int day, month, year;
  split(day, month, year);
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour();
  fields.tm_min = minute();
  fields.tm_sec = second();
  fields.tm_isdst = -1;  // the C library works out which side of a change the fields lie on
  const std::time_t t = std::mktime(&fields);
  if (t == std::time_t(-1)) return timeSpan();
  return gmtOffsetOf(t);
}

string dateTime::zoneName() const { return zoneNameOf(unixTime()); }

string dateTime::currentZoneName() { return zoneNameOf(wallClock().tv_sec); }

namespace {

void appendFormatted(std::string& out, const dateTime& value, const char* pattern);

// Week of the year with the week holding 1 January as week 1; firstWeekday
// is the weekday (0..6, counted from the week's first day) of 1 January.
int weekOfYear(int dayOfYear, int firstWeekday) { return (dayOfYear - 1 + firstWeekday) / 7 + 1; }

void appendDirective(std::string& out, const dateTime& value, char directive) {
  switch (directive) {
    case '%':
      out += '%';
      break;
    case 'A':
      appendText(out, entry(weekdayNames, 7, value.dayOfWeek()));
      break;
    case 'a':
      appendText(out, entry(weekdayAbbreviations, 7, value.dayOfWeek()));
      break;
    case 'B':
      appendText(out, entry(monthNames, 12, value.month()));
      break;
    case 'b':
      appendText(out, entry(monthAbbreviations, 12, value.month()));
      break;
    case 'c':
      appendFormatted(out, value, "%x %X");
      break;
    case 'D':
      appendNumber(out, value.day(), 0);
      break;
    case 'd':
      appendNumber(out, value.day(), 2);
      break;
    case 'H':
      appendNumber(out, value.hour(), 2);
      break;
    case 'I':
      appendNumber(out, value.hour() % 12 == 0 ? 12 : value.hour() % 12, 2);
      break;
    case 'j':
      appendNumber(out, value.dayOfYear(), 3);
      break;
    case 'l':
      appendNumber(out, value.month(), 2);
      break;
    case 'M':
      appendNumber(out, value.minute(), 2);
      break;
    case 'm':
      appendNumber(out, value.month(), 0);
      break;
    // The system's own rule, kept as it is: hour 0 is "PM" and hour 12 "AM".
    case 'p':
      out += value.hour() >= 1 && value.hour() <= 12 ? "AM" : "PM";
      break;
    case 'S':
      appendNumber(out, value.second(), 2);
      break;
    case 's':
      appendNumber(out, value.millisecond(), 3);
      break;
    case 'U':
    case 'W': {
      const dateTime january1(dateTime::dayNumber(1, 1, value.year()), 0);
      // %W counts weeks from Monday, %U from Sunday.
      const int firstWeekday = directive == 'W' ? january1.dayOfWeek() - 1 : january1.dayOfWeek() % 7;
      appendNumber(out, weekOfYear(value.dayOfYear(), firstWeekday), 2);
      break;
    }
    case 'w':
      appendNumber(out, value.dayOfWeek() % 7, 2);
      break;
    case 'X':
      appendFormatted(out, value, "%H:%M:%S");
      break;
    case 'x':
      appendFormatted(out, value, "%d/%l/%Y");
      break;
    case 'Y':
      appendNumber(out, value.year(), 0);
      break;
    case 'y':
      appendNumber(out, ((value.year() - 1900) % 100 + 100) % 100, 2);
      break;
    case 'Z':
      break;
    default:
      out += '%';
      out += directive;
      break;
  }
}

void appendFormatted(std::string& out, const dateTime& value, const char* pattern) {
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%' || p[1] == '\0') {
      out += *p;
      continue;
    }
    appendDirective(out, value, *++p);
  }
}

}  // namespace

string dateTime::format(const char* pattern) const {
  std::string out;
  if (pattern) appendFormatted(out, *this, pattern);
  return string(out.data(), static_cast<unsigned>(out.size()));
}

unsigned dateTime::dayNumber(int month, int day, int year) {
  if (!isValidDate(month, day, year)) return 0;
  std::int64_t m = month;
  std::int64_t y = year;
  if (m < 3) {
    m += 9;
    --y;
  } else {
    m -= 3;
  }
  const std::int64_t c = y / 100;
  const std::int64_t a = y % 100;
  const std::int64_t result = day + (146097 * c) / 4 + (1461 * a) / 4 + (153 * m + 2) / 5 + 1721119;
  return result > 0 && result <= 0xFFFFFFFFLL ? static_cast<unsigned>(result) : 0;
}

bool dateTime::isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool dateTime::isValidDate(int month, int day, int year) {
  if (month < 1 || month > 12 || day < 1) return false;
  const int last = daysInMonth[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
  return day <= last;
}

int dateTime::daysInYear(int year) { return isLeapYear(year) ? 366 : 365; }

const char* dateTime::monthName(int month) { return entry(monthNames, 12, month); }

const char* dateTime::weekdayName(int weekday) { return entry(weekdayNames, 7, weekday); }

int dateTime::monthFromName(const string& text) { return lookup(monthNamesUpper, 12, text); }

int dateTime::weekdayFromName(const string& text) { return lookup(weekdayNamesUpper, 7, text); }

}  // namespace orvo
