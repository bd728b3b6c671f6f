#include <orvo/dateTime.h>
#include <orvo/wallClock.h>

#include <orvoTesting.h>

#include <cstdlib>
#include <ctime>

#include <sys/time.h>

namespace {

using orvo::dateTime;
using orvo::timeSpan;

// Every test here states its own zone; POSIX zone strings need no zone files.
class DateTimeTest : public ::testing::Test {
protected:
  void SetUp() override { useZone("UTC0"); }
  static void useZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }
};

void expectFields(const dateTime& d, int day, int month, int year, int hour, int minute, int second, int ms) {
  EXPECT_EQ(day, d.day());
  EXPECT_EQ(month, d.month());
  EXPECT_EQ(year, d.year());
  EXPECT_EQ(hour, d.hour());
  EXPECT_EQ(minute, d.minute());
  EXPECT_EQ(second, d.second());
  EXPECT_EQ(ms, d.millisecond());
}

TEST_F(DateTimeTest, JulianDayNumbersOfKnownDates) {
  EXPECT_EQ(2440588u, dateTime::dayNumber(1, 1, 1970));
  EXPECT_EQ(4, dateTime(2440588u, 0).dayOfWeek());  // a Thursday
  EXPECT_EQ(2299161u, dateTime::dayNumber(10, 15, 1582));
  EXPECT_EQ(1721426u, dateTime::dayNumber(1, 1, 1));
  EXPECT_EQ(1721426u, dateTime::minimum.dayNumber());
  EXPECT_EQ(dateTime::dayNumber(1, 1, 1900), dateTime::epoch1900.dayNumber());
  EXPECT_EQ(2440588u, dateTime::unixEpoch.dayNumber());
  EXPECT_EQ(7, dateTime(dateTime::dayNumber(3, 7, 2004), 0).dayOfWeek());  // a Sunday
}

TEST_F(DateTimeTest, InvalidDatesGiveDayNumberZero) {
  EXPECT_EQ(0u, dateTime::dayNumber(2, 29, 1900));
  EXPECT_NE(0u, dateTime::dayNumber(2, 29, 2000));
  EXPECT_NE(0u, dateTime::dayNumber(2, 29, 2004));
  EXPECT_EQ(0u, dateTime::dayNumber(2, 29, 2003));
  EXPECT_EQ(0u, dateTime::dayNumber(4, 31, 2004));
  EXPECT_EQ(0u, dateTime::dayNumber(13, 1, 2004));
  EXPECT_EQ(0u, dateTime::dayNumber(0, 1, 2004));
  EXPECT_EQ(0u, dateTime::dayNumber(1, 0, 2004));
  EXPECT_EQ(0u, dateTime(30, 2, 2004, 0).dayNumber());
  EXPECT_EQ(366, dateTime::daysInYear(2000));
  EXPECT_EQ(365, dateTime::daysInYear(1900));
}

TEST_F(DateTimeTest, CalendarSplitAgreesWithTheCLibrary) {
  // gmtime is an independent calendar; walk about 550 years around 1970.
  for (long long dn = 2440588 - 100000; dn < 2440588 + 100000; dn += 37) {
    const std::time_t t = static_cast<std::time_t>((dn - 2440588) * 86400);
    std::tm fields{};
    ASSERT_NE(nullptr, gmtime_r(&t, &fields));
    const dateTime d(static_cast<unsigned>(dn), 0);
    ASSERT_EQ(fields.tm_mday, d.day()) << dn;
    ASSERT_EQ(fields.tm_mon + 1, d.month()) << dn;
    ASSERT_EQ(fields.tm_year + 1900, d.year()) << dn;
    ASSERT_EQ(fields.tm_yday + 1, d.dayOfYear()) << dn;
    ASSERT_EQ(fields.tm_wday == 0 ? 7 : fields.tm_wday, d.dayOfWeek()) << dn;
    ASSERT_EQ(static_cast<unsigned>(dn), dateTime::dayNumber(d.month(), d.day(), d.year()));
  }
}

TEST_F(DateTimeTest, ExtremeDayNumbersSplitWithoutOverflow) {
  const dateTime& top = dateTime::maximum;
  EXPECT_EQ(4294967295u, top.dayNumber());
  EXPECT_EQ(86399999, top.millisecondsOfDay());
  EXPECT_GT(top.year(), 11000000);
  EXPECT_EQ(4294967295u, dateTime::dayNumber(top.month(), top.day(), top.year()));
  EXPECT_EQ("23:59:59.999", toStd(top.format("%X.%s")));

  const dateTime invalid(0u, 0);
  EXPECT_EQ("00:00:00", toStd(invalid.format("%X")));
  EXPECT_FALSE(invalid.format("%c %A %B %j %U %W %y").length() == 0);
}

TEST_F(DateTimeTest, MillisecondsNormaliseIntoTheDay) {
  const dateTime back(10u, -1);
  EXPECT_EQ(9u, back.dayNumber());
  EXPECT_EQ(86399999, back.millisecondsOfDay());
  const dateTime forward(10u, 86400000);
  EXPECT_EQ(11u, forward.dayNumber());
  EXPECT_EQ(0, forward.millisecondsOfDay());
  const dateTime farBack(10u, -3 * 86400000 - 5);
  EXPECT_EQ(6u, farBack.dayNumber());
  EXPECT_EQ(86399995, farBack.millisecondsOfDay());
  expectFields(dateTime(1, 1, 2004, 25, 0, 0, 0), 2, 1, 2004, 1, 0, 0, 0);
  expectFields(dateTime(1, 3, 2004, -1), 29, 2, 2004, 23, 59, 59, 0);
}

TEST_F(DateTimeTest, SpansMoveByExactlyTheirLength) {
  const dateTime midnight(5, 3, 2004, 0);
  expectFields(midnight + timeSpan(-1, 0, -1), 3, 3, 2004, 23, 59, 59, 999);
  expectFields(midnight + timeSpan(0, 0, -1), 4, 3, 2004, 23, 59, 59, 999);
  expectFields(midnight - timeSpan(0, 0, 1), 4, 3, 2004, 23, 59, 59, 999);
  expectFields(midnight - timeSpan(-2, 3600, 1), 6, 3, 2004, 22, 59, 59, 999);

  dateTime moved = midnight;
  moved += timeSpan(400, 86399, 999);
  expectFields(moved, 9, 4, 2005, 23, 59, 59, 999);
  moved -= timeSpan(400, 86399, 999);
  EXPECT_EQ(0, moved.compare(midnight));
}

TEST_F(DateTimeTest, DifferenceIsATimeSpan) {
  EXPECT_EQ(6, (dateTime(10u, 5) - dateTime(9u, 86399999)).milliseconds());
  EXPECT_EQ(-6, (dateTime(9u, 86399999) - dateTime(10u, 5)).milliseconds());
  // Beyond 32 bits of milliseconds.
  EXPECT_EQ(1000LL * 86400000 + 1, (dateTime(1001u, 1) - dateTime(1u, 0)).milliseconds());
  const dateTime a(5, 3, 2004, 7, 8, 9, 10);
  const dateTime b(1, 1, 1999, 23, 0, 0, 999);
  EXPECT_EQ(0, (b + (a - b)).compare(a));
}

TEST_F(DateTimeTest, CompareOrdersDayThenMilliseconds) {
  const dateTime a(10u, 5);
  const dateTime same(10u, 5);
  EXPECT_EQ(0, a.compare(same));
  EXPECT_EQ(-1, a.compare(dateTime(10u, 6)));
  EXPECT_EQ(1, a.compare(dateTime(9u, 86399999)));
  EXPECT_EQ(-1, dateTime(1u, 0).compare(dateTime::maximum));
  EXPECT_TRUE(a < dateTime(11u, 0));
  EXPECT_TRUE(a == same);
  EXPECT_EQ(0, dateTime::max(a, same).compare(same));
  EXPECT_EQ(0, dateTime::min(a, same).compare(same));
  const dateTime later(11u, 0);
  EXPECT_EQ(0, dateTime::max(a, later).compare(later));
  EXPECT_EQ(0, dateTime::max(later, a).compare(later));
  EXPECT_EQ(0, dateTime::min(a, later).compare(a));
  EXPECT_EQ(0, dateTime::min(later, a).compare(a));
}

TEST_F(DateTimeTest, FormatPatterns) {
  const dateTime d(5, 3, 2004, 7, 8, 9, 10);
  EXPECT_EQ("05/03/2004 07:08:09.010", toStd(d.format("%d/%l/%Y %H:%M:%S.%s")));
  EXPECT_EQ("5.3", toStd(d.format("%D.%m")));
  EXPECT_EQ("05/03/2004 07:08:09 ", toStd(d.format("%c ")));
  EXPECT_EQ("Friday Fri March Mar", toStd(d.format("%A %a %B %b")));
  EXPECT_EQ("065 04 05", toStd(d.format("%j %y %w")));
  EXPECT_EQ("100% %q[]%", toStd(d.format("100%% %q[%Z]%")));
  EXPECT_EQ("07AM", toStd(d.format("%I%p")));
  EXPECT_EQ("", toStd(d.format("")));
}

TEST_F(DateTimeTest, TwelveHourClockKeepsItsOwnAmPmRule) {
  EXPECT_EQ("12PM", toStd(dateTime(5, 3, 2004, 0, 30, 0, 0).format("%I%p")));
  EXPECT_EQ("12AM", toStd(dateTime(5, 3, 2004, 12, 30, 0, 0).format("%I%p")));
  EXPECT_EQ("01PM", toStd(dateTime(5, 3, 2004, 13, 0, 0, 0).format("%I%p")));
  EXPECT_EQ("11PM", toStd(dateTime(5, 3, 2004, 23, 0, 0, 0).format("%I%p")));
}

TEST_F(DateTimeTest, WeekNumbersCountFromTheWeekOfJanuaryFirst) {
  // 1 January 2004 is a Thursday; 4 January a Sunday, 5 January a Monday.
  EXPECT_EQ("01 01", toStd(dateTime(1, 1, 2004, 0).format("%U %W")));
  EXPECT_EQ("02 01", toStd(dateTime(4, 1, 2004, 0).format("%U %W")));
  EXPECT_EQ("02 02", toStd(dateTime(5, 1, 2004, 0).format("%U %W")));
  EXPECT_EQ("10 10", toStd(dateTime(5, 3, 2004, 0).format("%U %W")));
  EXPECT_EQ("53 53", toStd(dateTime(31, 12, 2004, 0).format("%U %W")));
}

TEST_F(DateTimeTest, NameTablesAndLookups) {
  EXPECT_EQ(3, dateTime::monthFromName("march"));
  EXPECT_EQ(7, dateTime::monthFromName("JU"));
  EXPECT_EQ(0, dateTime::monthFromName("XYZ"));
  EXPECT_EQ(0, dateTime::monthFromName("MARCHX"));
  EXPECT_EQ(12, dateTime::monthFromName(""));
  EXPECT_EQ(4, dateTime::weekdayFromName("t"));
  EXPECT_EQ(7, dateTime::weekdayFromName("Sunday"));
  EXPECT_STREQ("January", dateTime::monthName(1));
  EXPECT_STREQ("December", dateTime::monthName(12));
  EXPECT_EQ(nullptr, dateTime::monthName(0));
  EXPECT_EQ(nullptr, dateTime::monthName(13));
  EXPECT_STREQ("Sunday", dateTime::weekdayName(7));
  EXPECT_EQ(nullptr, dateTime::weekdayName(8));
}

TEST_F(DateTimeTest, LastWeekdayOnOrBefore) {
  const dateTime friday(5, 3, 2004, 7, 8, 9, 10);
  expectFields(friday.lastWeekday(5), 5, 3, 2004, 7, 8, 9, 10);
  expectFields(friday.lastWeekday(1), 1, 3, 2004, 7, 8, 9, 10);
  expectFields(friday.lastWeekday(6), 28, 2, 2004, 7, 8, 9, 10);
  expectFields(friday.lastWeekday("SUNDAY"), 29, 2, 2004, 7, 8, 9, 10);
  EXPECT_EQ(0, friday.lastWeekday(0).compare(friday));
  EXPECT_EQ(0, friday.lastWeekday("NOPE").compare(friday));
}

TEST_F(DateTimeTest, DayOfYearAndMonthStarts) {
  EXPECT_EQ(366, dateTime(31, 12, 2004, 0).dayOfYear());
  EXPECT_EQ(1, dateTime(1, 1, 2004, 0).dayOfYear());
  EXPECT_EQ(61, dateTime(1, 1, 2004, 0).firstDayOfMonth(3));
  EXPECT_EQ(60, dateTime(1, 1, 2003, 0).firstDayOfMonth(3));
  EXPECT_EQ(32, dateTime(1, 1, 2004, 0).firstDayOfMonth(2));
  EXPECT_EQ(0, dateTime(1, 1, 2004, 0).firstDayOfMonth(13));
}

TEST_F(DateTimeTest, TextWithFixedColumns) {
  expectFields(dateTime(orvo::string("05.03.2004 07:08:09")), 5, 3, 2004, 7, 8, 9, 0);
  expectFields(dateTime(orvo::string("05.03.2004")), 5, 3, 2004, 0, 0, 0, 0);
  EXPECT_EQ(0u, dateTime(orvo::string("31.02.2004 07:08:09")).dayNumber());
  EXPECT_EQ(0u, dateTime(orvo::string("")).dayNumber());
}

TEST_F(DateTimeTest, UnixTimeTakesLocalFieldsAsTheyStand) {
  EXPECT_EQ(1, dateTime(1, 1, 1970, 0, 0, 1, 500).unixTime());
  EXPECT_EQ(0, dateTime(31, 12, 1969, 23, 59, 59, 500).unixTime());  // toward zero
  EXPECT_EQ(-2, dateTime(31, 12, 1969, 23, 59, 58, 0).unixTime());
  EXPECT_EQ(1078470489, dateTime(5, 3, 2004, 7, 8, 9, 10).unixTime());
  timeval tv{};
  dateTime(5, 3, 2004, 7, 8, 9, 10).toTimeval(tv);
  EXPECT_EQ(1078470489, tv.tv_sec);
  EXPECT_EQ(10000, tv.tv_usec);
  useZone("XYZ-3");
  EXPECT_EQ(1078470489, dateTime(5, 3, 2004, 7, 8, 9, 10).unixTime());
}

TEST_F(DateTimeTest, ClockValuesFollowTheLocalZone) {
  useZone("XYZ-3");
  expectFields(dateTime(std::time_t(0)), 1, 1, 1970, 3, 0, 0, 0);
  EXPECT_EQ(3 * 3600000, dateTime(std::time_t(0)).gmtOffset().milliseconds());
  EXPECT_EQ("XYZ", toStd(dateTime(std::time_t(0)).zoneName()));
  EXPECT_EQ(3 * 3600000, dateTime::currentGmtOffset().milliseconds());
  EXPECT_EQ("XYZ", toStd(dateTime::currentZoneName()));

  timeval tv{86399, 999600};
  expectFields(dateTime(tv), 2, 1, 1970, 3, 0, 0, 0);  // rounds up into the next second

  useZone("CET-1CEST,M3.5.0,M10.5.0/3");
  const dateTime summer(1, 7, 2004, 12, 0, 0, 0);
  EXPECT_EQ(2 * 3600000, summer.gmtOffset().milliseconds());
  EXPECT_EQ("CEST", toStd(summer.zoneName()));
  const dateTime winter(1, 1, 2004, 12, 0, 0, 0);
  EXPECT_EQ(3600000, winter.gmtOffset().milliseconds());
  EXPECT_EQ("CET", toStd(winter.zoneName()));
}

namespace {

std::time_t preciseSeconds() {
  timeval now{};
  gettimeofday(&now, nullptr);
  return now.tv_sec;
}

}  // namespace

TEST_F(DateTimeTest, NowReadsTheWallClock) {
  useZone("XYZ-3");
  // Bracketed by the clock it reads: time() reads a coarser one, which may
  // still show the last second when the precise clock has passed into the next.
  const std::time_t before = preciseSeconds();
  const dateTime now = dateTime::now();
  const std::time_t after = preciseSeconds();
  // Local fields are 3 hours ahead of UTC.
  EXPECT_GE(now.unixTime(), before + 3 * 3600);
  EXPECT_LE(now.unixTime(), after + 3 * 3600);
  EXPECT_EQ(0, dateTime::today().millisecondsOfDay());
  EXPECT_LE(dateTime::startTime.compare(dateTime()), 0);
  dateTime set(1u, 0);
  set.setNow();
  EXPECT_GE(set.unixTime(), before + 3 * 3600);
}

// Universal time comes from the clock reading, not from local fields, which
// read as universal time give the offset of the other side of a change: the
// first two rows came out as 23:30 on 28 March and 01:30. Both 02:30 of
// 25 October are told apart; a zone without daylight saving keeps its half
// hour.
TEST_F(DateTimeTest, UniversalTimeNextToDaylightSavingChanges) {
  const struct {
    const char* zone;
    timeval reading;
    const char* universal;
    const char* local;
    std::int64_t offset;  // currentGmtOffset, ms
  } rows[] = {
      {"Europe/Berlin", {1774744200, 0}, "00:30:00.000 Sun Mar 29 2026", "01:30:00.000 Sun Mar 29 2026", 3600000},
      {"Europe/Berlin", {1792888200, 0}, "00:30:00.000 Sun Oct 25 2026", "02:30:00.000 Sun Oct 25 2026", 7200000},
      {"Europe/Berlin", {1792891800, 0}, "01:30:00.000 Sun Oct 25 2026", "02:30:00.000 Sun Oct 25 2026", 3600000},
      {"IST-5:30", {1774744200, 250400}, "00:30:00.250 Sun Mar 29 2026", "06:00:00.250 Sun Mar 29 2026", 19800000},
  };
  for (const auto& row : rows) {
    useZone(row.zone);
    const orvo::wallClockHold hold(row.reading);
    EXPECT_EQ(row.universal, toStd(dateTime::universalNow().format("%H:%M:%S.%s %a %b %d %Y"))) << row.zone;
    EXPECT_EQ(row.local, toStd(dateTime::now().format("%H:%M:%S.%s %a %b %d %Y"))) << row.zone;
    EXPECT_EQ(row.offset, dateTime::currentGmtOffset().milliseconds()) << row.zone;
  }
}

TEST(TimeSpan, TextForm) {
  EXPECT_EQ("-1/1:1:1:001", toStd(timeSpan::fromMilliseconds(-90061001).toString()));
  EXPECT_EQ("1/2:3:4:005", toStd(timeSpan(1, 2 * 3600 + 3 * 60 + 4, 5).toString()));
  EXPECT_EQ("0/0:0:0:000", toStd(timeSpan().toString()));
  EXPECT_EQ("106751991167/7:12:55:807", toStd(timeSpan::maximum.toString()));
  EXPECT_EQ("-106751991167/7:12:55:808", toStd(timeSpan::fromMilliseconds(INT64_MIN).toString()));
}

TEST(TimeSpan, ParseStopsAtFirstMissingSeparator) {
  EXPECT_EQ(93784005, timeSpan(orvo::string("1/2:3:4.5")).milliseconds());
  EXPECT_EQ(-86400000 + 3661000, timeSpan(orvo::string("-1/1:1:1:001")).milliseconds());
  EXPECT_EQ(5 * 86400000LL, timeSpan(orvo::string("5")).milliseconds());
  EXPECT_EQ(2 * 86400000LL + 3600000, timeSpan(orvo::string("2/1-5:9")).milliseconds());
  EXPECT_EQ(0, timeSpan(orvo::string("")).milliseconds());
  EXPECT_EQ(0, timeSpan(orvo::string("x/1:2")).milliseconds());
  EXPECT_EQ(2147483647LL * 86400000, timeSpan(orvo::string("99999999999999999999")).milliseconds());
}

TEST(TimeSpan, ArithmeticIn64Bits) {
  EXPECT_EQ(1000, timeSpan::second.milliseconds());
  EXPECT_EQ(60000, timeSpan::minute.milliseconds());
  EXPECT_EQ(3600000, timeSpan::hour.milliseconds());
  EXPECT_EQ(86400000, timeSpan::day.milliseconds());
  EXPECT_EQ(INT64_MAX, timeSpan::maximum.milliseconds());
  EXPECT_EQ(30LL * 86400000 * 1000, (timeSpan(30, 0) * 1000).milliseconds());
  EXPECT_EQ(-3, (timeSpan::fromMilliseconds(-7) / 2).milliseconds());
  timeSpan s = timeSpan::second;
  s *= 3;
  s /= -2;
  s += timeSpan::minute;
  s -= timeSpan(0, 0, 500);
  EXPECT_EQ(58000, s.milliseconds());
  EXPECT_EQ(INT64_MIN, (timeSpan::fromMilliseconds(INT64_MIN) / -1).milliseconds());
  ORVO_EXPECT_THROW(timeSpan::second / 0, orvo::exception, "Time span division by zero.");
}

TEST(TimeSpan, TimevalConversions) {
  EXPECT_EQ(1500, timeSpan(timeval{1, 499500}).milliseconds());
  EXPECT_EQ(1499, timeSpan(timeval{1, 499499}).milliseconds());
  timeval tv{};
  timeSpan::fromMilliseconds(1500).toTimeval(tv);
  EXPECT_EQ(1, tv.tv_sec);
  EXPECT_EQ(500000, tv.tv_usec);
  timeSpan::fromMilliseconds(-1500).toTimeval(tv);
  EXPECT_EQ(-2, tv.tv_sec);
  EXPECT_EQ(500000, tv.tv_usec);
}

}  // namespace
