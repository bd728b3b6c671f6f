#include <orvo/rfc1123.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <orvo/regexp.h>

namespace orvo {

namespace {

const char* const monthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A '-' inside a class is always a range operator, so the sign class is
// written "[\-+]": "[-+]" would hold only '+' and refuse western zones.
regexp& datePattern() {
  static regexp pattern(
      "\\s*(\\w{3})\\s*,\\s*(\\d{1,2})\\s+(\\w{3})\\s+(\\d{2,4})\\s+(\\d{2}):(\\d{2}):(\\d{2})\\s+"
      "(([\\-+])\\s*(\\d{2})(\\d{2})|\\w{2,3})\\s*$",
      regexp::anchored);
  return pattern;
}

int number(const regexp& re, unsigned group) { return std::atoi(re.group(group).buffer()); }

// Hours to add to a zone word's time to reach UTC; -1 for an unknown word.
int zoneWordHours(const string& word) {
  if (word.length() != 3 || word.charAt(2) != 'T') return -1;
  const char* first = std::strchr("ECMP", word.charAt(0));
  if (!first || !*first) return -1;
  const int index = int(first - "ECMP");
  if (word.charAt(1) == 'D') return index + 4;
  if (word.charAt(1) == 'S') return index + 5;
  return -1;
}

}  // namespace

string toRfc1123(const dateTime& value) {
  string text = value.format("%a, %d %b ");
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%04d ", value.year());
  text.append(buffer, unsigned(std::strlen(buffer)));
  text.append(value.format("%H:%M:%S "));
  // The offset of the instant these local fields name: gmtOffset would take
  // the fields for universal time and, next to a change to or from
  // daylight-saving time, give the offset of the other side.
  const long long offsetMinutes = value.localOffset().milliseconds() / 60000;
  if (offsetMinutes == 0) {
    text.append("GMT", 3);
  } else {
    const long long magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    std::snprintf(buffer, sizeof buffer, "%c%02lld%02lld", offsetMinutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    text.append(buffer, unsigned(std::strlen(buffer)));
  }
  return text;
}

bool parseRfc1123(dateTime& value, const string& text) {
  regexp& re = datePattern();
  if (!re.match(text, false)) return false;
  // The pattern object lives on; it must not keep pointing into the caller's text.
  struct release {
    regexp& re;
    ~release() { re.releaseSubject(); }
  } releaseAfterUse{re};

  const string monthText = re.group(3);
  int month = 0;
  for (int m = 0; m < 12; ++m)
    if (monthText.compare(monthAbbreviations[m]) == 0) month = m + 1;
  if (month == 0) return false;

  const int day = number(re, 2);
  int year = number(re, 4);
  if (re.groupLength(4) == 2) year += 1900;
  // An invalid date would wrap the day number round instead of failing.
  if (!dateTime::isValidDate(month, day, year)) return false;
  value = dateTime(day, month, year, number(re, 5), number(re, 6), number(re, 7), 0);

  if (re.groupLength(9) != 0) {
    const timeSpan zone =
        timeSpan::fromMilliseconds(std::int64_t(number(re, 10)) * 3600000 + std::int64_t(number(re, 11)) * 60000);
    if (re.group(9).charAt(0) == '+')
      value -= zone;
    else
      value += zone;
  } else {
    const string word = re.group(8);
    if (word.compare("UT") != 0 && word.compare("GMT") != 0) {
      const int hours = zoneWordHours(word);
      if (hours < 0) return false;
      value += timeSpan::fromMilliseconds(std::int64_t(hours) * 3600000);
    }
  }
  value += value.gmtOffset();
  return true;
}

}  // namespace orvo
