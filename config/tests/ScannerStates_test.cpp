#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <config/Scanner.h>

#include "TokenText.h"

using std::string;

TEST(ScannerBandwidth, ValuesAreExactDecimals) {
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
