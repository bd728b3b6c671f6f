// A start that fails is reported where the operator looks, with a failing
// exit status, whatever sinks the command line left: the console, standard
// error when the console is off, the starting process of a daemon.
#include <gtest/gtest.h>

#include <signal.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "GatekeeperUnderTest.h"
#include "ProcessRunner.h"

namespace {

const char* const Time = "\\d\\d:\\d\\d:\\d\\d ";
const char* const BadBandwidth =
    "\\[E\\] Configuration file: parse error, unexpected unsigned integer value, expecting bandwidth value, in "
    "line 1\\.\n";

class StartReports : public ::testing::Test {
protected:
  void SetUp() override {
    char name[] = "/tmp/orvogk-start-XXXXXX";
    Directory = mkdtemp(name);
  }
  void TearDown() override {
    std::string command = "rm -rf '" + Directory + "'";
    if (system(command.c_str()) != 0) ADD_FAILURE() << command;
  }
  // "{dir}" in a text stands for the test's directory.
  std::string Expand(std::string AText) const {
    for (size_t at; (at = AText.find("{dir}")) != std::string::npos;) AText.replace(at, 5, Directory);
    return AText;
  }
  std::string Read(const std::string& AName) const {
    std::ifstream in(Directory + "/" + AName);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string Directory;
};

struct TFailedStart {
  const char* Name;
  const char* Configuration;  // null: no file
  std::vector<const char*> Options;
  const char* Output;  // patterns of whole texts; {dir} is the test's directory
  const char* Error;
};

// Every case fails its start and exits 1.
const TFailedStart FailedStarts[] = {
    {"console shows a missing file", nullptr, {}, "{t}\\[E\\] Could not open configuration file: {dir}/gk.cfg\n", ""},
    {"no console: standard error takes it",
     nullptr,
     {"--noconsole"},
     "",
     "{t}\\[E\\] Could not open configuration file: {dir}/gk.cfg\n"},
    {"no console, bad configuration", "zone z { bandwidth 10; }", {"--noconsole"}, "", "{t}{bad}"},
    {"daemon, missing file", nullptr, {"--daemon"}, "", "{t}\\[E\\] Could not open configuration file: {dir}/gk.cfg\n"},
    {"daemon, bad configuration", "zone z { bandwidth 10; }", {"--daemon"}, "", "{t}{bad}"},
    {"daemon with console file", "zone z { bandwidth 10; }", {"--daemon", "--consolefile={dir}/c.log"}, "", "{t}{bad}"},
    {"console file takes it", "zone z { bandwidth 10; }", {"--noconsole", "--consolefile={dir}/c.log"}, "", ""},
    {"console file cannot be made",
     "zone z { bandwidth 10; }",
     {"--noconsole", "--consolefile={dir}/no/c.log"},
     "",
     "Warning: Could not open console file: {dir}/no/c.log \\(No such file or directory\\)\n{t}{bad}"},
    {"port beyond 16 bits",
     "system { address 127.0.0.1;\nras port 70000; }",
     {},
     "{t}\\[E\\] Configuration file: parse error, port number too large, in line 2\\.\n",
     ""},
    {"monitor port beyond 16 bits",
     "monitor { port 65536; }",
     {"--noconsole"},
     "",
     "{t}\\[E\\] Configuration file: parse error, port number too large, in line 1\\.\n"},
};

}  // namespace

TEST_F(StartReports, FailedStartsAreReportedAndExitWithOne) {
  for (const TFailedStart& c : FailedStarts) {
    std::string path = Directory + "/gk.cfg";
    unlink(path.c_str());
    if (c.Configuration) std::ofstream(path) << c.Configuration;
    std::vector<std::string> arguments = {"--configuration=" + path};
    for (const char* o : c.Options) arguments.push_back(Expand(o));
    TRunOptions options;
    options.SeparateError = true;
    TProcessResult r = RunProgram(arguments, std::chrono::seconds(10), options);
    EXPECT_EQ(1, r.ExitStatus) << c.Name;
    auto pattern = [&](std::string AText) {
      for (size_t at; (at = AText.find("{t}")) != std::string::npos;) AText.replace(at, 3, Time);
      for (size_t at; (at = AText.find("{bad}")) != std::string::npos;) AText.replace(at, 5, BadBandwidth);
      return std::regex(Expand(AText));
    };
    EXPECT_TRUE(std::regex_match(r.Output, pattern(c.Output))) << c.Name << ": output " << r.Output;
    EXPECT_TRUE(std::regex_match(r.Error, pattern(c.Error))) << c.Name << ": error " << r.Error;
  }
  // The console file that took the error keeps it.
  EXPECT_NE(std::string::npos, Read("c.log").find("[E] Configuration file: parse error")) << Read("c.log");
}

TEST_F(StartReports, UncreatableConsoleFileWarnsOnceAndRunsOn) {
  // On free ports: a taken standard port would be reported on standard error too.
  unsigned ras, signal, monitor;
  ChooseFreePorts(ras, signal, monitor);
  std::ofstream(Directory + "/gk.cfg") << "system { address 127.0.0.1; ras port " << ras << "; call signal port "
                                       << signal << "; } monitor port " << monitor
                                       << ";\naaa { authentication port unlimited; }\n";
  TRunOptions options;
  options.SeparateError = true;
  TRunningProgram gk({"--configuration=" + Directory + "/gk.cfg", "--consolefile=" + Directory + "/no/c.log"}, options);
  ASSERT_TRUE(gk.WaitForOutput("[I] Service started.\n")) << gk.Output() << gk.Error();
  gk.Signal(SIGTERM);
  EXPECT_EQ(0, gk.WaitForExit());
  EXPECT_EQ("Warning: Could not open console file: " + Directory + "/no/c.log (No such file or directory)\n",
            gk.Error());
}

namespace {

struct TUnopenableFile {
  const char* Name;
  const char* LogFile;
  const char* BillingFile;
  std::vector<const char*> Options;
  const char* Output;  // patterns of whole texts, as above
  const char* Error;
  const char* Log;  // the configured log file, when it is made
  const char* Awaited;
};

// {dir}/no does not exist; {dir}/sub is a directory.
const TUnopenableFile UnopenableFiles[] = {
    {"console shows both",
     "{dir}/no/gk.log",
     "{dir}/sub",
     {},
     "{t}\\[W\\] Could not open log file: {dir}/no/gk.log \\(No such file or directory\\)\n"
     "{t}\\[W\\] Could not open billing file: {dir}/sub \\(Is a directory\\)\n"
     "{t}\\[I\\] Service started.\n{t}\\[I\\] Service stopped.\n",
     "",
     nullptr,
     "Service started."},
    {"no sink shows warnings: standard error",
     "{dir}/no/gk.log",
     "{dir}/sub",
     {"--noconsole"},
     "",
     "Warning: Could not open log file: {dir}/no/gk.log \\(No such file or directory\\)\n"
     "Warning: Could not open billing file: {dir}/sub \\(Is a directory\\)\n",
     nullptr,
     "billing file"},
    {"the log file that opened shows the billing file's",
     "gk.log",
     "{dir}/sub",
     {"--noconsole"},
     "",
     "",
     "{d} \\[W\\] Could not open billing file: {dir}/sub \\(Is a directory\\)\n"
     "{d} \\[I\\] Service started.\n{d} \\[I\\] Service stopped.\n",
     "Service started."},
};

}  // namespace

// A log or billing file that cannot be opened is said once per start, where
// the operator sees warnings, and the service runs on.
TEST_F(StartReports, UnopenableLogAndBillingFilesWarnAndRunOn) {
  ASSERT_EQ(0, mkdir((Directory + "/sub").c_str(), 0700));
  auto pattern = [&](std::string AText) {
    for (size_t at; (at = AText.find("{t}")) != std::string::npos;) AText.replace(at, 3, Time);
    for (size_t at; (at = AText.find("{d}")) != std::string::npos;)
      AText.replace(at, 3, "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d");
    return std::regex(Expand(AText));
  };
  for (const TUnopenableFile& c : UnopenableFiles) {
    unlink((Directory + "/gk.log").c_str());
    unsigned ras, signal, monitor;
    ChooseFreePorts(ras, signal, monitor);
    std::ofstream(Directory + "/gk.cfg") << "system { address 127.0.0.1; ras port " << ras << "; call signal port "
                                         << signal << "; } monitor port " << monitor << ";\nlog file \""
                                         << Expand(c.LogFile) << "\";\naaa { authentication port unlimited; file \""
                                         << Expand(c.BillingFile) << "\"; }\n";
    std::vector<std::string> arguments = {"--configuration=" + Directory + "/gk.cfg"};
    for (const char* o : c.Options) arguments.push_back(o);
    TRunOptions options;
    options.SeparateError = true;
    TRunningProgram gk(arguments, options);
    // The last that it writes before it runs, wherever that goes.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((gk.Output() + gk.Error() + Read("gk.log")).find(c.Awaited) == std::string::npos &&
           std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    gk.Signal(SIGTERM);
    EXPECT_EQ(0, gk.WaitForExit()) << c.Name;
    EXPECT_TRUE(std::regex_match(gk.Output(), pattern(c.Output))) << c.Name << ": output " << gk.Output();
    EXPECT_TRUE(std::regex_match(gk.Error(), pattern(c.Error))) << c.Name << ": error " << gk.Error();
    if (c.Log) {
      EXPECT_TRUE(std::regex_match(Read("gk.log"), pattern(c.Log))) << c.Name << ": log " << Read("gk.log");
    }
  }
}
