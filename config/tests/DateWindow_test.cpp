#include <gtest/gtest.h>

#include <orvo/dateTime.h>

#include <config/DatePattern.h>
#include <config/DateWindow.h>
#include <config/TimedList.h>
#include <config/ValueExpressions.h>

namespace {

const int32_t any = TDatePattern::Any;

// A time of day as the grammar writes "h:m".
TDatePattern Time(int32_t AHour, int32_t AMinute) { return TDatePattern(any, any, any, AHour, AMinute, any); }

// A day name with an all-wildcard date and a time.
TDatePattern DayTime(int32_t AWeekday, int32_t AHour, int32_t AMinute) {
  return TDatePattern(any, any, any, AHour, AMinute, any, AWeekday);
}

// "Now": a full local time. 1 December 2003 was a Monday.
TDatePattern At(int32_t ADay, int32_t AHour, int32_t AMinute, int32_t ASecond = 0) {
  return TDatePattern(orvo::dateTime(ADay, 12, 2003, AHour, AMinute, ASecond, 0));
}

}  // namespace

TEST(DatePattern, FieldsFromALocalTime) {
  const TDatePattern now(orvo::dateTime(3, 12, 2003, 17, 5, 9, 999));
  EXPECT_EQ(2003, now.Year);
  EXPECT_EQ(12, now.Month);
  EXPECT_EQ(3, now.Day);
  EXPECT_EQ(3, now.Weekday);  // Wednesday
  EXPECT_EQ(17, now.Hour);
  EXPECT_EQ(5, now.Minute);
  EXPECT_EQ(9, now.Second);
}

TEST(DatePattern, ValuesTakeTheWeekdayLast) {
  const TDatePattern pattern(2003, 12, 1, 8, 30, 0, 1);
  EXPECT_EQ(1, pattern.Weekday);
  EXPECT_EQ(8, pattern.Hour);
  const TDatePattern wildcards;
  EXPECT_EQ(any, wildcards.Year);
  EXPECT_EQ(any, wildcards.Second);
}

TEST(DatePattern, ComparisonsSkipWildcardsFieldByField) {
  const TDatePattern a(2003, 12, 1, 8, 0, any);
  const TDatePattern b(2003, 11, 5, 9, 0, any);
  EXPECT_TRUE(Greater(a, b));  // the month decides before the day and the hour
  EXPECT_FALSE(Less(a, b));
  EXPECT_TRUE(Matches(Time(8, 0), At(1, 8, 0, 59)));
  EXPECT_FALSE(Less(Time(8, 0), At(1, 8, 0, 59)));
  EXPECT_TRUE(LessOrEqual(Time(8, 0), At(1, 8, 0, 59)));
  EXPECT_TRUE(GreaterOrEqual(Time(8, 0), At(1, 8, 0, 59)));
  EXPECT_FALSE(Greater(Time(8, 0), At(1, 8, 0, 59)));
  EXPECT_TRUE(Matches(TDatePattern(), At(1, 8, 0)));
  EXPECT_TRUE(LessOrEqual(TDatePattern(), TDatePattern()));
  EXPECT_FALSE(Less(TDatePattern(), TDatePattern()));
}

TEST(DateWindow, OfficeHours) {
  const TDateWindow window(Time(8, 0), Time(17, 0));
  EXPECT_TRUE(window.IsActive(At(3, 8, 0, 0)));
  EXPECT_TRUE(window.IsActive(At(3, 12, 30)));
  EXPECT_TRUE(window.IsActive(At(3, 17, 0, 59)));
  EXPECT_FALSE(window.IsActive(At(3, 17, 1, 0)));
  EXPECT_FALSE(window.IsActive(At(3, 7, 59, 59)));
}

TEST(DateWindow, OverMidnightWraps) {
  const TDateWindow window(Time(22, 0), Time(6, 0));
  EXPECT_TRUE(window.IsActive(At(3, 23, 30)));
  EXPECT_TRUE(window.IsActive(At(3, 5, 0)));
  EXPECT_TRUE(window.IsActive(At(3, 22, 0)));
  EXPECT_TRUE(window.IsActive(At(3, 6, 0, 59)));
  EXPECT_FALSE(window.IsActive(At(3, 12, 0)));
  EXPECT_FALSE(window.IsActive(At(3, 6, 1)));
}

TEST(DateWindow, WorkingDays) {
  const TDatePattern monday(any, any, any, any, any, any, 1);
  const TDatePattern friday(any, any, any, any, any, any, 5);
  const TDateWindow window(monday, friday);
  EXPECT_TRUE(window.IsActive(At(3, 0, 0)));    // Wednesday
  EXPECT_TRUE(window.IsActive(At(3, 23, 59)));  // Wednesday
  EXPECT_TRUE(window.IsActive(At(1, 0, 0)));    // Monday
  EXPECT_TRUE(window.IsActive(At(5, 23, 59)));  // Friday
  EXPECT_FALSE(window.IsActive(At(6, 12, 0)));  // Saturday
  EXPECT_FALSE(window.IsActive(At(7, 12, 0)));  // Sunday
}

TEST(DateWindow, WeekendFromFridayEveningToMondayMorning) {
  const TDateWindow window(DayTime(5, 18, 0), DayTime(1, 8, 0));
  EXPECT_TRUE(window.IsActive(At(6, 12, 0)));   // Saturday
  EXPECT_TRUE(window.IsActive(At(7, 3, 0)));    // Sunday
  EXPECT_TRUE(window.IsActive(At(5, 19, 0)));   // Friday 19:00
  EXPECT_TRUE(window.IsActive(At(8, 7, 0)));    // Monday 7:00
  EXPECT_FALSE(window.IsActive(At(5, 17, 0)));  // Friday 17:00
  EXPECT_FALSE(window.IsActive(At(8, 9, 0)));   // Monday 9:00
  EXPECT_FALSE(window.IsActive(At(3, 12, 0)));  // Wednesday
}

TEST(DateWindow, EqualEndsNameOneMinute) {
  const TDateWindow window(Time(12, 0), Time(12, 0));
  EXPECT_TRUE(window.IsActive(At(3, 12, 0, 0)));
  EXPECT_TRUE(window.IsActive(At(3, 12, 0, 59)));
  EXPECT_FALSE(window.IsActive(At(3, 12, 1, 0)));
  EXPECT_FALSE(window.IsActive(At(3, 11, 59, 59)));
}

TEST(DateWindow, ACalendarMonth) {
  const TDateWindow window(TDatePattern(2003, 12, 1, 0, 0, any), TDatePattern(2003, 12, 31, 23, 59, any));
  EXPECT_TRUE(window.IsActive(At(1, 0, 0)));
  EXPECT_TRUE(window.IsActive(At(15, 3, 0)));
  EXPECT_TRUE(window.IsActive(At(31, 23, 59, 59)));
  EXPECT_FALSE(window.IsActive(TDatePattern(orvo::dateTime(30, 11, 2003, 23, 59, 59, 0))));
  EXPECT_FALSE(window.IsActive(TDatePattern(orvo::dateTime(1, 1, 2004, 0, 0, 0, 0))));
  EXPECT_FALSE(window.IsActive(TDatePattern(orvo::dateTime(15, 12, 2004, 12, 0, 0, 0))));
}

TEST(TimedExpression, WithoutAWindowAlwaysActive) {
  TUIntTimedExp cost(13, 5);
  EXPECT_TRUE(cost.IsActive(At(3, 3, 0)));
  const TDateWindow window(Time(8, 0), Time(17, 0));
  cost.SetWindow(&window);
  EXPECT_FALSE(cost.IsActive(At(3, 3, 0)));
  // Copies own their window.
  TUIntTimedExp copy(cost);
  cost.SetWindow(nullptr);
  EXPECT_TRUE(cost.IsActive(At(3, 3, 0)));
  EXPECT_FALSE(copy.IsActive(At(3, 3, 0)));
  EXPECT_TRUE(copy.IsActive(At(3, 9, 0)));
}

TEST(TimedOption, FirstActiveEntryElseTheDefault) {
  TTimedOption<TUIntTimedExp> cost(TUIntTimedExp(13, 0xFFFFFFFFu));
  EXPECT_EQ(0xFFFFFFFFu, cost.ActiveAt(At(3, 10, 0)).Value);
  const TDateWindow office(Time(8, 0), Time(17, 0));
  TUIntTimedExp* daytime = new TUIntTimedExp(13, 10);
  daytime->SetWindow(&office);
  cost.append(daytime);
  EXPECT_EQ(0xFFFFFFFFu, cost.ActiveAt(At(3, 20, 0)).Value);
  cost.append(new TUIntTimedExp(13, 20));
  EXPECT_EQ(10u, cost.ActiveAt(At(3, 10, 0)).Value);
  EXPECT_EQ(20u, cost.ActiveAt(At(3, 20, 0)).Value);
  EXPECT_EQ(daytime, cost.FirstActive(At(3, 10, 0)));
}

TEST(TimedList, NoEntryActive) {
  TTimedList<TUIntTimedExp> list;
  EXPECT_EQ(nullptr, list.FirstActive(At(3, 10, 0)));
  const TDateWindow night(Time(22, 0), Time(6, 0));
  TUIntTimedExp* entry = new TUIntTimedExp(13, 1);
  entry->SetWindow(&night);
  list.append(entry);
  EXPECT_EQ(nullptr, list.FirstActive(At(3, 10, 0)));
  EXPECT_EQ(entry, list.FirstActive(At(3, 23, 0)));
}

TEST(Clock, TestsFixNow) {
  TClock::Set(At(3, 10, 0));
  const TDatePattern now = TClock::Now();
  EXPECT_EQ(3, now.Day);
  EXPECT_EQ(10, now.Hour);
  TClock::UseSystemClock();
  const TDatePattern system = TClock::Now();
  EXPECT_GE(system.Year, 2024);
  EXPECT_GE(system.Weekday, 1);
  EXPECT_LE(system.Weekday, 7);
}
