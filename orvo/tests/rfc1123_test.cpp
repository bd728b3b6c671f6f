#include <orvo/rfc1123.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "orvoTesting.h"

namespace {

void useZone(const char* tz) {
  setenv("TZ", tz, 1);
  tzset();
}

std::string fields(const orvo::dateTime& d) { return toStd(d.format("%d/%l/%Y %H:%M:%S.%s")); }

// The local time that the text denotes, or "<refused>".
std::string parsed(const char* text) {
  orvo::dateTime value(1, 1, 2000, 0);
  if (!orvo::parseRfc1123(value, orvo::string(text))) return "<refused>";
  return fields(value);
}

}  // namespace

TEST(Rfc1123Text, NumericAndNamedZonesOnAUtcMachine) {
  useZone("UTC0");
  EXPECT_EQ("15/11/1994 08:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 GMT"));
  EXPECT_EQ("15/11/1994 08:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 UT"));
  EXPECT_EQ("15/11/1994 07:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 +0100"));
  EXPECT_EQ("15/11/1994 09:42:31.000", parsed("Tue, 15 Nov 1994 08:12:31 -0130"));
  EXPECT_EQ("15/11/1994 09:42:31.000", parsed("Tue, 15 Nov 1994 08:12:31 - 0130"));
  EXPECT_EQ("14/11/1994 23:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 +0900"));
  EXPECT_EQ("15/11/1994 13:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 EST"));
  EXPECT_EQ("15/11/1994 12:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 EDT"));
  EXPECT_EQ("15/11/1994 14:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 CST"));
  EXPECT_EQ("15/11/1994 13:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 CDT"));
  EXPECT_EQ("15/11/1994 15:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 MST"));
  EXPECT_EQ("15/11/1994 14:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 MDT"));
  EXPECT_EQ("15/11/1994 16:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 PST"));
  EXPECT_EQ("16/11/1994 00:12:31.000", parsed("Tue, 15 Nov 1994 17:12:31 PDT"));
}

TEST(Rfc1123Text, LooseSpacingAndShortYears) {
  useZone("UTC0");
  EXPECT_EQ("05/01/1994 08:12:31.000", parsed("  Wed,5 Jan 94  08:12:31 GMT  "));
  EXPECT_EQ("05/01/1994 08:12:31.000", parsed("Wed , 5 Jan 1994 08:12:31 GMT"));
  // The weekday is not checked.
  EXPECT_EQ("05/01/1994 08:12:31.000", parsed("Xyz, 5 Jan 1994 08:12:31 GMT"));
}

TEST(Rfc1123Text, RefusedTexts) {
  useZone("UTC0");
  EXPECT_EQ("<refused>", parsed("Tue, 15 Nov 1994 08:12:31 XST"));
  EXPECT_EQ("<refused>", parsed("Tue, 15 Nov 1994 08:12:31 EXT"));
  EXPECT_EQ("<refused>", parsed("Tue, 15 Nov 1994 08:12:31 ZZ"));
  EXPECT_EQ("<refused>", parsed("Tue, 15 nov 1994 08:12:31 GMT"));
  EXPECT_EQ("<refused>", parsed("Tue, 15 Nox 1994 08:12:31 GMT"));
  EXPECT_EQ("<refused>", parsed("Tue, 15 Nov 1994 08:12 GMT"));
  EXPECT_EQ("<refused>", parsed("Tue 15 Nov 1994 08:12:31 GMT"));
  EXPECT_EQ("<refused>", parsed("Tue, 15 Nov 1994 08:12:31 GMT x"));
  EXPECT_EQ("<refused>", parsed(""));
}

TEST(Rfc1123Text, InvalidDatesAreRefusedAndLeaveTheValue) {
  useZone("UTC0");
  for (const char* text : {"Thu, 31 Feb 1994 08:12:31 GMT", "Thu, 29 Feb 1900 08:12:31 GMT",
                           "Thu, 00 Jan 1994 08:12:31 GMT", "Thu, 32 Jan 1994 08:12:31 GMT"}) {
    orvo::dateTime value(5, 3, 2004, 7, 8, 9, 10);
    EXPECT_FALSE(orvo::parseRfc1123(value, orvo::string(text))) << text;
    EXPECT_EQ("05/03/2004 07:08:09.010", fields(value)) << text;
  }
  EXPECT_EQ("29/02/2000 00:00:00.000", parsed("Tue, 29 Feb 2000 00:00:00 GMT"));
}

TEST(Rfc1123Text, UnknownZoneWordLeavesTheTextsFields) {
  useZone("UTC0");
  orvo::dateTime value(5, 3, 2004, 7, 8, 9, 10);
  EXPECT_FALSE(orvo::parseRfc1123(value, orvo::string("Tue, 15 Nov 1994 08:12:31 XST")));
  EXPECT_EQ("15/11/1994 08:12:31.000", fields(value));
}

TEST(Rfc1123Text, LocalZoneIsAddedBack) {
  useZone("CET-1");
  EXPECT_EQ("15/11/1994 09:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 GMT"));
  EXPECT_EQ("15/11/1994 08:12:31.000", parsed("Tue, 15 Nov 1994 08:12:31 +0100"));
}

TEST(Rfc1123Text, WrittenWithTheLocalZone) {
  const orvo::dateTime value(6, 11, 1994, 8, 49, 37, 500);
  useZone("UTC0");
  EXPECT_EQ("Sun, 06 Nov 1994 08:49:37 GMT", toStd(orvo::toRfc1123(value)));
  useZone("CET-2");
  EXPECT_EQ("Sun, 06 Nov 1994 08:49:37 +0200", toStd(orvo::toRfc1123(value)));
  useZone("XST+5:30");
  EXPECT_EQ("Sun, 06 Nov 1994 08:49:37 -0530", toStd(orvo::toRfc1123(value)));
  useZone("IST-5:30");
  EXPECT_EQ("Mon, 05 Jan 0099 23:00:00 +0530", toStd(orvo::toRfc1123(orvo::dateTime(5, 1, 99, 23, 0, 0, 0))));
}

// The zone is that of the instant the local fields name; read as universal
// time they gave the offset of the other side of each change (first and
// third row). 02:30 on 25 October names two instants: the C library takes
// the one in standard time.
TEST(Rfc1123Text, ZoneNextToDaylightSavingChanges) {
  useZone("Europe/Berlin");
  const struct {
    orvo::dateTime local;
    const char* text;
  } rows[] = {
      {orvo::dateTime(29, 3, 2026, 1, 30, 0, 0), "Sun, 29 Mar 2026 01:30:00 +0100"},
      {orvo::dateTime(29, 3, 2026, 3, 30, 0, 0), "Sun, 29 Mar 2026 03:30:00 +0200"},
      {orvo::dateTime(25, 10, 2026, 1, 30, 0, 0), "Sun, 25 Oct 2026 01:30:00 +0200"},
      {orvo::dateTime(25, 10, 2026, 3, 30, 0, 0), "Sun, 25 Oct 2026 03:30:00 +0100"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.text, toStd(orvo::toRfc1123(row.local)));
  useZone("UTC0");
}

TEST(Rfc1123Text, RoundTripInAnEasternZone) {
  useZone("IST-5:30");
  const orvo::dateTime value(31, 12, 2026, 23, 59, 59, 0);
  const orvo::string text = orvo::toRfc1123(value);
  EXPECT_EQ("Thu, 31 Dec 2026 23:59:59 +0530", toStd(text));
  orvo::dateTime back(1, 1, 2000, 0);
  ASSERT_TRUE(orvo::parseRfc1123(back, text));
  EXPECT_EQ(0, back.compare(value));
}
