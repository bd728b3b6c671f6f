// The error texts of a configuration load, as the operator reads them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include <config/Configuration.h>
#include <orvoTesting.h>

namespace {

std::string Load(const std::string& AText) {
  std::istringstream input(AText);
  TConfiguration configuration;
  return toStd(configuration.Load(input));
}

}  // namespace

TEST(ParseErrors, Examples) {
  EXPECT_EQ("Configuration file: parse error, unexpected unsigned integer value, expecting bandwidth value, in line 1.",
            Load("zone z { bandwidth 10; }"));
  EXPECT_EQ("Configuration file: parse error, unexpected 'login' keyword, expecting 'bandwidth' keyword or "
            "'connections' keyword or ; or {, in line 1.",
            Load("zone z login"));
  EXPECT_EQ("Configuration file: parse error, zone identifier 'A' already defined, in line 1.", Load("zone a; zone A;"));
}
