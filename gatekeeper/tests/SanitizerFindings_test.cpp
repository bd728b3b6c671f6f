// Reports of the sanitizers in a console: which count and which are the
// type check's failed probes (sound objects it could not read).
#include <gtest/gtest.h>

#include <string>

#include "SanitizerFindings.h"

namespace {

const std::string Probe =
    "/usr/include/c++/12/bits/stl_construct.h:151:22: runtime error: member call on address 0x608000000530 "
    "which does not point to an object of type 'TCallScope'\n"
    "0x608000000530: note: object has invalid vptr\n"
    "<memory cannot be printed>\n";
const std::string WrongType =
    "x.cpp:3:59: runtime error: member call on address 0x7fffaae26c10 which does not point to an object of type 'B'\n"
    "0x7fffaae26c10: note: object is of type 'A'\n"
    " 00 00 00 00  30 ed 17 9c 6b 55 00 00\n";
const std::string Overwritten =
    "x.cpp:9:1: runtime error: member call on address 0x6020000000f0 which does not point to an object of type 'B'\n"
    "0x6020000000f0: note: object has invalid vptr\n"
    " be be be be  be be be be\n";
const std::string Overflow = "y.cpp:7:12: runtime error: signed integer overflow: 2147483647 + 1\n";
const std::string UseAfterFree =
    "=================================================================\n"
    "==4242==ERROR: AddressSanitizer: heap-use-after-free on address 0x602000000010\n";
const std::string Leak = "==4242==ERROR: LeakSanitizer: detected memory leaks\n";
const std::string Quiet = "16:34:17 [I] Service started.\n16:34:17 User registered:\talice at 127.0.0.2:1720\n";

TEST(SanitizerFindings, OnlyTheFailedTypeProbeIsLeftOut) {
  const struct {
    const char* name;
    std::string console;
    const char* found;  // a text of the findings; null: none
  } cases[] = {
      {"nothing", Quiet, nullptr},
      {"failed probe", Quiet + Probe + Probe, nullptr},
      {"probe without its last line", Quiet + Probe.substr(0, Probe.size() - 27), "invalid vptr"},
      {"object of another type", Quiet + WrongType, "object is of type 'A'"},
      {"overwritten table", Overwritten, " be be be be"},
      {"other undefined behaviour", Probe + Overflow, "signed integer overflow"},
      {"use after free", Probe + UseAfterFree, "heap-use-after-free"},
      {"leak", Quiet + Leak, "detected memory leaks"},
      {"report in the last line", "runtime error: x", "runtime error: x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string findings = SanitizerFindings(c.console);
    if (!c.found) {
      EXPECT_EQ("", findings);
      continue;
    }
    EXPECT_NE(std::string::npos, findings.find(c.found)) << findings;
  }
}

TEST(SanitizerFindings, ReportsCloseTogetherAreShownOnce) {
  const std::string findings = SanitizerFindings(Overflow + Overflow + Leak);
  EXPECT_EQ(Overflow + Overflow + Leak, findings);
}

}  // namespace
