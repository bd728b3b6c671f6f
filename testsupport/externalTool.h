// Tests that need a program of the machine (tshark and text2pcap, FreeRADIUS).
// Where it is missing the test is skipped, and CTest shows it as skipped;
// where the environment variable CI is set, a missing program fails the test
// instead, so that a CI machine without it cannot pass unseen.
#pragma once

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace externalTool {

inline bool requiredByCi() {
  const char* ci = std::getenv("CI");
  return ci && *ci;
}

// Whether the shell finds the program.
inline bool onPath(const char* program) {
  return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Passes `present` through; when it is false and CI is set, the current test
// has failed as well (a skip that follows a failure reports the failure).
inline bool check(bool present, const char* what) {
  if (!present && requiredByCi()) ADD_FAILURE() << what << " is missing, and CI is set: the test cannot be skipped";
  return present;
}

}  // namespace externalTool

// Skips the current test when the tool is missing, or fails it under CI.
#define ORVO_REQUIRE_TOOL(present, what)                                                    \
  do {                                                                                      \
    if (!externalTool::check((present), what)) GTEST_SKIP() << what << " is not installed"; \
  } while (0)
