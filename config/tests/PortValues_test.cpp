// Port numbers of the configuration: what fits 16 bits is taken as written,
// anything larger is refused at its line rather than cut to its low bits.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <sstream>
#include <string>

#include <config/Configuration.h>
#include <orvoTesting.h>

namespace {

struct TPortCase {
  const char* Text;
  const char* Error;  // empty: loads
};

const TPortCase PortCases[] = {
    {"system { ras port 65535; }", ""},
    {"system { ras port 0; }", ""},
    {"system { ras port 65536; }", "parse error, port number too large, in line 1."},
    {"system { address 127.0.0.1;\n ras port 70000; }", "parse error, port number too large, in line 2."},
    {"system { ras port 4294967294; }", "parse error, port number too large, in line 1."},
    {"system { ras port unlimited; }", "parse error, port number too large, in line 1."},
    {"system\n\n{ call signal port 131072; }", "parse error, port number too large, in line 3."},
    {"system { call signal port unlimited; }", "parse error, port number too large, in line 1."},
    {"monitor { port 65536; }", "parse error, port number too large, in line 1."},
    {"monitor { port unlimited; }", "parse error, port number too large, in line 1."},
    {"monitor { port 65535; }", ""},
    {"aaa { authentication port 70000; }", "parse error, port number too large, in line 1."},
    {"aaa { accounting port 4294967294; }", "parse error, port number too large, in line 1."},
    {"aaa { authentication port unlimited; }", ""},
    {"aaa { accounting port 4294967295; }", ""},
    {"aaa { authentication port 65535; }", ""},
};

std::string Load(TConfiguration& AConfiguration, const std::string& AText) {
  std::istringstream input(AText);
  return toStd(AConfiguration.Load(input));
}

}  // namespace

TEST(PortValues, LargerThanSixteenBitsIsRefusedAtItsLine) {
  for (const TPortCase& c : PortCases) {
    TConfiguration configuration;
    std::string expected = *c.Error ? std::string("Configuration file: ") + c.Error : "";
    EXPECT_EQ(expected, Load(configuration, c.Text)) << c.Text;
  }
}

TEST(PortValues, AcceptedValuesReachTheSettings) {
  TConfiguration configuration;
  ASSERT_EQ("", Load(configuration,
                     "system ras port 65535, call signal port 1;\n"
                     "monitor port 65534;\n"
                     "aaa { address 127.0.0.1; authentication port unlimited; accounting port 1646; }\n"));
  EXPECT_EQ(65535u, configuration.RasPort());
  EXPECT_EQ(1u, configuration.CallSignalPort());
  EXPECT_EQ(htons(65534), configuration.Monitor().Port());
  EXPECT_FALSE(configuration.AAA().HasAuthenticationServer()) << "unlimited switches the server off";
  EXPECT_TRUE(configuration.AAA().HasAccountingServer());
  EXPECT_EQ(htons(1646), configuration.AAA().AccountingServer().sin_port);
}
