// The gatekeeper program's command line, checked on the built binary.
#include <gtest/gtest.h>

#include <regex>

#include "ProcessRunner.h"

namespace {

const char* const Usage =
    "\n"
    "Orvo(r) Gatekeeper(tm) version 1.22 build 445\n"
    "\n"
    "Available options are:\n"
    "  --help -h -?                Help\n"
    "  --version -v                Show file version\n"
    "  --configuration=filename    Use configuration file location\n"
    "  --daemon                    Run in daemon mode\n"
    "  --noconsole -n              Disable console output\n"
    "  --consolefile[=filename]    Write console output to a file\n";

// The console line of a missing configuration file, after its "%X " time.
bool ReportsMissing(const std::string& AOutput, const std::string& APath) {
  std::regex line("^\\d\\d:\\d\\d:\\d\\d \\[E\\] Could not open configuration file: " + APath + "\n$");
  return std::regex_match(AOutput, line);
}

}  // namespace

TEST(CommandLine, HelpThenVersion) {
  TProcessResult r = RunProgram({"--help", "--version"});
  EXPECT_EQ(0, r.ExitStatus);
  EXPECT_EQ(std::string(Usage) + "1.22 build 445\n", r.Output);
}

TEST(CommandLine, VersionWithDaemonPrintsOnlyTheVersion) {
  TProcessResult r = RunProgram({"--version", "--daemon"});
  EXPECT_EQ(0, r.ExitStatus);
  EXPECT_EQ("1.22 build 445\n", r.Output);
}

TEST(CommandLine, OneDashAndPrefixForms) {
  EXPECT_EQ(Usage, RunProgram({"-h"}).Output);
  EXPECT_EQ(Usage, RunProgram({"-?"}).Output);
  EXPECT_EQ(Usage, RunProgram({"-hel"}).Output);
  EXPECT_EQ("1.22 build 445\n", RunProgram({"-v"}).Output);
  TProcessResult r = RunProgram({"-n", "--vers"});
  EXPECT_EQ(0, r.ExitStatus);
  EXPECT_EQ("1.22 build 445\n", r.Output);
}

TEST(CommandLine, UnknownOptionWinsOverHelp) {
  TProcessResult r = RunProgram({"--bogus", "--help"});
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_EQ("Error: Unrecognized option --bogus\n", r.Output);
  r = RunProgram({"--help", "--bogus"});
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_EQ("Error: Unrecognized option --bogus\n", r.Output);
}

TEST(CommandLine, AmbiguousPrefixIsUnrecognized) {
  TProcessResult r = RunProgram({"-c"});  // consolefile or configuration
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_EQ("Error: Unrecognized option -c\n", r.Output);
}

TEST(CommandLine, ConfigurationWithoutValue) {
  TProcessResult r = RunProgram({"--configuration"});
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_EQ("Error: Unrecognized option --configuration\n", r.Output);
}

TEST(CommandLine, GarbageWords) {
  TProcessResult r = RunProgram({"--help", "extra"});
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_EQ("Error: Garbage in parameters string.\n", r.Output);
  r = RunProgram({"--consolefile", "name.log", "--version"});
  EXPECT_EQ(1, r.ExitStatus) << "a separate word is not the console file's value";
  EXPECT_EQ("Error: Garbage in parameters string.\n", r.Output);
  r = RunProgram({"--consolefile=name.log", "--version"});
  EXPECT_EQ(0, r.ExitStatus);
}

TEST(CommandLine, ConfigurationPathRules) {
  TProcessResult r = RunProgram({"-configuration=orvo-test-missing.cfg"});
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_TRUE(ReportsMissing(r.Output, "/etc/orvo-test-missing.cfg")) << r.Output;

  r = RunProgram({"--configuration=/nonexistent/a.cfg", "--configuration=/nonexistent/dir/"});
  EXPECT_EQ(1, r.ExitStatus);
  EXPECT_TRUE(ReportsMissing(r.Output, "/nonexistent/dir/OrvoGatekeeper.cfg")) << r.Output;

  r = RunProgram({"--configuration=/nonexistent/b.cfg", "--noconsole"});
  EXPECT_EQ(1, r.ExitStatus) << "a failed start is reported as a failure";
  EXPECT_TRUE(ReportsMissing(r.Output, "/nonexistent/b.cfg")) << "on standard error: " << r.Output;
}
