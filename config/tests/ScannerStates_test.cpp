#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <config/Scanner.h>

#include "TokenText.h"

using std::string;

namespace {
const string any = "tokUnsigned:4294967295";
}

TEST(ScannerDates, TimesAndRanges) {
  const string range = "wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:30";
  EXPECT_EQ(range, ScanAll("at 8:00-17:30"));
  EXPECT_EQ(range, ScanAll("at 8:00 - 17:30"));
  EXPECT_EQ(range + " ';'", ScanAll("AT 8:00-17:30;"));
  EXPECT_EQ("tokUnsigned:12 ':' tokUnsigned:30 ':' tokUnsigned:15", ScanAll("12:30:15"));
  EXPECT_EQ("'-' tokUnsigned:17 ':' tokUnsigned:0", ScanAll("-17:00"));
}

TEST(ScannerDates, DatesWithDayNamesAndWildcards) {
  EXPECT_EQ(any + " '/' tokUnsigned:1 '/' tokUnsigned:2003", ScanAll("./1/2003"));
  EXPECT_EQ("tokDayOfWeek:1 tokUnsigned:1 '/' tokUnsigned:2 '/' tokUnsigned:2003 tokUnsigned:12 ':' tokUnsigned:0",
            ScanAll("MON 1/2/2003 12:00"));
  EXPECT_EQ("tokDayOfWeek:5 " + any + " '/' " + any + " '/' " + any + " tokUnsigned:18 ':' tokUnsigned:0 '-' " +
                "tokDayOfWeek:1 " + any + " '/' " + any + " '/' " + any + " tokUnsigned:8 ':' tokUnsigned:0 ';'",
            ScanAll("FRI ././. 18:00 - MON ././. 8:00;"));
  EXPECT_EQ("tokDayOfWeek:1 '-' tokDayOfWeek:5 ';'", ScanAll("mon - fri;"));
  EXPECT_EQ("tokDayOfWeek:6 '{'", ScanAll("SAT{"));
}

TEST(ScannerDates, ALetterEndsTheDateAndIsReadAgain) {
  EXPECT_EQ("tokUnsigned:8 ':' tokUnsigned:0 wrdZone", ScanAll("8:00 zone"));
  // Inside a date a day name is read by itself.
  EXPECT_EQ("tokDayOfWeek:1 tokDayOfWeek:1 tokIdentifier:[DAY]", ScanAll("MON MONDAY"));
}

TEST(ScannerDates, ACommentRightAfterADateIsNoComment) {
  EXPECT_EQ("wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:0 '/' '/' "
            "tokIdentifier:[office] tokIdentifier:[hours]",
            ScanAll("at 8:00-17:00 // office hours\n"));
  EXPECT_EQ("wrdAt tokUnsigned:8 ':' tokUnsigned:0 '-' tokUnsigned:17 ':' tokUnsigned:0 ';'",
            ScanAll("at 8:00-17:00; // office hours\n"));
}

TEST(ScannerBandwidth, UnitForms) {
  EXPECT_EQ("wrdBandwidth tokBandwidth:15", ScanAll("bandwidth 1.5K"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:20000", ScanAll("bandwidth 2M"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:12500000", ScanAll("bandwidth 1.25G"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:640", ScanAll("BANDWIDTH 64k"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:1005", ScanAll("bandwidth 100.5K"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:5", ScanAll("bandwidth 0.5k"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294967295", ScanAll("bandwidth unlimited"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:10000 ';'", ScanAll("bandwidth 1M;"));
}

TEST(ScannerBandwidth, PlainBitRatesEndInHundreds) {
  // A plain number of bit/s that is a multiple of 100 is a bandwidth too.
  EXPECT_EQ("wrdBandwidth tokBandwidth:64", ScanAll("bandwidth 6400"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:15", ScanAll("bandwidth 1500"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:1", ScanAll("bandwidth 100"));
  // Other numbers leave the bandwidth state and come back as plain numbers.
  EXPECT_EQ("wrdBandwidth tokUnsigned:10", ScanAll("bandwidth 10"));
  EXPECT_EQ("wrdBandwidth tokUnsigned:150", ScanAll("bandwidth 150"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:1 tokUnsigned:5", ScanAll("bandwidth 1005"));
}

TEST(ScannerBandwidth, TooManyDecimalsIsNoBandwidth) {
  EXPECT_EQ("wrdBandwidth tokUnsigned:1 '.' tokUnsigned:25 tokIdentifier:[K]", ScanAll("bandwidth 1.25K"));
  EXPECT_EQ("wrdBandwidth tokUnsigned:1 '.' tokUnsigned:125 tokIdentifier:[M]", ScanAll("bandwidth 1.125M"));
}

TEST(ScannerBandwidth, ZeroFormsAndWithdrawals) {
  EXPECT_EQ("wrdBandwidth tokBandwidth:0", ScanAll("bandwidth 0"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:0", ScanAll("bandwidth 0.0"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:0", ScanAll("bandwidth 0.00"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:0", ScanAll("bandwidth 0.00G"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:0", ScanAll("bandwidth 0e0"));
  // Not a decimal number after all: read again as ordinary text.
  EXPECT_EQ("wrdBandwidth tokUnsigned:0 ',' tokUnsigned:0", ScanAll("bandwidth 0,0"));
  EXPECT_EQ("wrdBandwidth tokUnsigned:0 tokUnsigned:0 ';'", ScanAll("bandwidth 0 0;"));
  EXPECT_EQ("wrdBandwidth tokUnsigned:0 tokIdentifier:[x00]", ScanAll("bandwidth 0x00"));
}

TEST(ScannerBandwidth, TheStateEndsAtTheFirstOtherToken) {
  EXPECT_EQ("wrdAvailable wrdBandwidth tokBool:true", ScanAll("available bandwidth yes"));
  EXPECT_EQ("wrdBandwidth wrdChanges tokBool:false", ScanAll("bandwidth changes no"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:10000 tokUnsigned:2", ScanAll("bandwidth 1M 2"));
  EXPECT_EQ("wrdBandwidth ';'", ScanAll("bandwidth;"));
}

TEST(ScannerBandwidth, ValuesAreExactDecimals) {
  EXPECT_EQ("wrdBandwidth tokBandwidth:5700", ScanAll("bandwidth 0.57M"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:1100000", ScanAll("bandwidth 0.11G"));
  // Every value with two decimals in M, and one decimal in K, comes out exact.
  string text, expected;
  for (unsigned hundredths = 0; hundredths < 100000; hundredths += 7) {
    char number[32];
    std::snprintf(number, sizeof number, "%u.%02uM", hundredths / 100, hundredths % 100);
    text += string("bandwidth ") + number + " ";
    expected += (expected.empty() ? "" : " ") + string("wrdBandwidth tokBandwidth:") + std::to_string(hundredths * 100);
  }
  for (unsigned tenths = 0; tenths < 100000; tenths += 3) {
    char number[32];
    std::snprintf(number, sizeof number, "%u.%uk", tenths / 10, tenths % 10);
    text += string("bandwidth ") + number + " ";
    expected += " wrdBandwidth tokBandwidth:" + std::to_string(tenths);
  }
  EXPECT_EQ(expected, ScanAll(text));
}

TEST(ScannerBandwidth, HugeValuesSaturate) {
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294967295", ScanAll("bandwidth 99999999999G"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294967295", ScanAll("bandwidth 429.5G"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294900000", ScanAll("bandwidth 429.49G"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294967295", ScanAll("bandwidth 429496729500"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294967294", ScanAll("bandwidth 429496729400"));
  EXPECT_EQ("wrdBandwidth tokBandwidth:4294967295", ScanAll("bandwidth 123456789012345678901234567890000"));
}
