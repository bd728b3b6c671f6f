// The gatekeeper process end to end: start, restart, stop, log files.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "ProcessRunner.h"

namespace {

class ServiceTest : public ::testing::Test {
protected:
  void SetUp() override {
    char name[] = "/tmp/orvogk-service-XXXXXX";
    Directory = mkdtemp(name);
  }
  void TearDown() override {
    std::string command = "rm -rf '" + Directory + "'";
    if (system(command.c_str()) != 0) ADD_FAILURE() << command;
  }
  std::string Configuration(const std::string& AText) {
    std::string path = Directory + "/gk.cfg";
    std::ofstream(path) << AText;
    return path;
  }
  std::string Read(const std::string& AName) {
    std::ifstream in(Directory + "/" + AName);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string Directory;
};

const std::regex ConsoleTime("\\d\\d:\\d\\d:\\d\\d ");

// Pids of processes whose command line holds the text.
std::vector<pid_t> ProcessesWith(const std::string& AText) {
  std::vector<pid_t> found;
  DIR* proc = opendir("/proc");
  while (dirent* e = readdir(proc)) {
    pid_t pid = atoi(e->d_name);
    if (pid <= 0) continue;
    std::ifstream in(std::string("/proc/") + e->d_name + "/cmdline");
    std::string cmdline((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (cmdline.find(AText) != std::string::npos) found.push_back(pid);
  }
  closedir(proc);
  return found;
}

}  // namespace

TEST_F(ServiceTest, StartsAndStopsOnTerminate) {
  TRunningProgram gk({"--configuration=" + Configuration("")});
  ASSERT_TRUE(gk.WaitForOutput("[I] Service started.\n")) << gk.Output();
  gk.Signal(SIGTERM);
  EXPECT_EQ(0, gk.WaitForExit());
  std::string out = std::regex_replace(gk.Output(), ConsoleTime, "");
  EXPECT_EQ("[I] Service started.\n[I] Service stopped.\n", out);
}

TEST_F(ServiceTest, InterruptStopsToo) {
  TRunningProgram gk({"--configuration=" + Configuration("")});
  ASSERT_TRUE(gk.WaitForOutput("Service started."));
  gk.Signal(SIGINT);
  EXPECT_EQ(0, gk.WaitForExit());
}

TEST_F(ServiceTest, User2RestartsWithANewLoad) {
  TRunningProgram gk({"--configuration=" + Configuration("")});
  ASSERT_TRUE(gk.WaitForOutput("Service started."));
  gk.Signal(SIGUSR2);
  ASSERT_TRUE(gk.WaitForOutput("Service started.", std::chrono::seconds(10), 2)) << gk.Output();
  gk.Signal(SIGTERM);
  EXPECT_EQ(0, gk.WaitForExit());
  std::string out = std::regex_replace(gk.Output(), ConsoleTime, "");
  EXPECT_EQ(
      "[I] Service started.\n"
      "[I] Restarting service by monitor request.\n"
      "[I] Service stopped.\n"
      "[I] Service started.\n"
      "[I] Service stopped.\n",
      out);
}

TEST_F(ServiceTest, ConfigurationErrorFailsTheStart) {
  TProcessResult r = RunProgram({"--configuration=" + Configuration("zone z { bandwidth 10; }")});
  EXPECT_EQ(1, r.ExitStatus);
  std::string out = std::regex_replace(r.Output, ConsoleTime, "");
  EXPECT_EQ(
      "[E] Configuration file: parse error, unexpected unsigned integer value, expecting bandwidth value, "
      "in line 1.\n",
      out);
}

TEST_F(ServiceTest, ConfiguredLogFileIsPrivateAndTimed) {
  TRunningProgram gk({"--configuration=" + Configuration("log file \"gk.log\";\n")});
  ASSERT_TRUE(gk.WaitForOutput("Service started."));
  gk.Signal(SIGTERM);
  ASSERT_EQ(0, gk.WaitForExit());
  struct stat st;
  ASSERT_EQ(0, stat((Directory + "/gk.log").c_str(), &st));
  EXPECT_EQ(0600u, st.st_mode & 0777);
  std::regex lines(
      "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service started.\n"
      "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service stopped.\n");
  EXPECT_TRUE(std::regex_match(Read("gk.log"), lines)) << Read("gk.log");
}

TEST_F(ServiceTest, ConsoleFileWithoutNameLiesBesideTheConfiguration) {
  TRunningProgram gk({"--configuration=" + Configuration(""), "--consolefile", "--noconsole"});
  ASSERT_TRUE(gk.WaitForExit(std::chrono::milliseconds(500)) == -1);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  gk.Signal(SIGTERM);
  ASSERT_EQ(0, gk.WaitForExit());
  EXPECT_EQ("", gk.Output());
  std::regex lines(
      "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service started.\n"
      "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service stopped.\n");
  EXPECT_TRUE(std::regex_match(Read("gk.log"), lines)) << Read("gk.log");
}

TEST_F(ServiceTest, DaemonDetachesAndKeepsRunning) {
  std::string configuration = Configuration("log file \"daemon.log\";\n");
  TProcessResult parent = RunProgram({"--daemon", "--configuration=" + configuration});
  EXPECT_EQ(0, parent.ExitStatus) << "the starting process returns at once";
  std::vector<pid_t> running;
  for (int i = 0; i < 200 && running.empty(); ++i) {
    running = ProcessesWith(configuration);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_EQ(1u, running.size());
  for (int i = 0; i < 200 && Read("daemon.log").find("Service started.") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_NE(std::string::npos, Read("daemon.log").find("[I] Service started.\n"));
  kill(running[0], SIGTERM);
  for (int i = 0; i < 250 && !ProcessesWith(configuration).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(ProcessesWith(configuration).empty());
  EXPECT_NE(std::string::npos, Read("daemon.log").find("[I] Service stopped.\n"));
}

TEST_F(ServiceTest, BillingFileTakesOnlyBillingLines) {
  TRunningProgram gk({"--configuration=" + Configuration("aaa file \"gk.bil\";\nlog file \"gk.log\";\n")});
  ASSERT_TRUE(gk.WaitForOutput("Service started."));
  gk.Signal(SIGTERM);
  ASSERT_EQ(0, gk.WaitForExit());
  EXPECT_NE(std::string::npos, Read("gk.log").find("Service started."));
  EXPECT_EQ("", Read("gk.bil")) << "service lines never reach the billing file";
}
