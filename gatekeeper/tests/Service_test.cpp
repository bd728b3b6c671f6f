// The gatekeeper process end to end: start, restart, stop, log files.
#include <gtest/gtest.h>

#include "GatekeeperUnderTest.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
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
  // On ports of its own: the standard ones may be taken on this machine,
  // and a taken port is reported in the log.
  std::string Configuration(const std::string& AText) {
    std::string path = Directory + "/gk.cfg";
    unsigned ras, signal, monitor;
    ChooseFreePorts(ras, signal, monitor);
    std::ofstream(path) << "system { address 127.0.0.1; ras port " << ras << "; call signal port " << signal
                        << "; } monitor port " << monitor << "; " << AText;
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

// Polls the condition until it holds (true) or the limit passes.
template <class F>
bool WaitFor(F ACondition, std::chrono::milliseconds ALimit = std::chrono::seconds(10)) {
  auto end = std::chrono::steady_clock::now() + ALimit;
  while (!ACondition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// A process that ended is gone or a zombie; reaping an orphan is its new
// parent's business, and on some machines that parent takes its time.
bool HasEnded(pid_t APid) {
  std::ifstream in("/proc/" + std::to_string(APid) + "/stat");
  std::string stat;
  try {
    stat.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    return true;  // it went while it was read
  }
  size_t close = stat.rfind(')');
  return close == std::string::npos || stat.compare(close, 4, ") Z ") == 0;
}

// Where the descriptors above standard error of a process lead.
std::vector<std::string> DescriptorTargets(pid_t APid) {
  std::vector<std::string> targets;
  std::string directory = "/proc/" + std::to_string(APid) + "/fd";
  DIR* fds = opendir(directory.c_str());
  if (!fds) return targets;
  while (dirent* e = readdir(fds)) {
    if (atoi(e->d_name) <= 2) continue;
    char target[4096];
    ssize_t n = readlink((directory + "/" + e->d_name).c_str(), target, sizeof target - 1);
    targets.push_back(n < 0 ? "?" : std::string(target, size_t(n)));
  }
  closedir(fds);
  return targets;
}

// Pids of processes whose command line holds the text.
std::vector<pid_t> ProcessesWith(const std::string& AText) {
  std::vector<pid_t> found;
  DIR* proc = opendir("/proc");
  while (dirent* e = readdir(proc)) {
    pid_t pid = atoi(e->d_name);
    if (pid <= 0) continue;
    // A process may end while it is read.
    std::ifstream in(std::string("/proc/") + e->d_name + "/cmdline");
    std::string cmdline;
    try {
      cmdline.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
      continue;
    }
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
  // The file's first block is written at most 1.5 s after its first line.
  ASSERT_TRUE(WaitFor([&] { return Read("gk.log").find("Service started.") != std::string::npos; })) << gk.Output();
  gk.Signal(SIGTERM);
  ASSERT_EQ(0, gk.WaitForExit());
  EXPECT_EQ("", gk.Output());
  std::regex lines(
      "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service started.\n"
      "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service stopped.\n");
  EXPECT_TRUE(std::regex_match(Read("gk.log"), lines)) << Read("gk.log");
}

TEST_F(ServiceTest, DaemonDetachesAndKeepsRunning) {
  // A relative path, which the restart opens again from the daemon's
  // working directory: the one it started in.
  // Named after the test's directory, so that no other test's daemon is taken for it.
  std::string name = Directory.substr(Directory.rfind('/') + 1) + ".cfg";
  unsigned ras, signal, monitor;
  ChooseFreePorts(ras, signal, monitor);
  std::ofstream(Directory + "/" + name) << "system { address 127.0.0.1; ras port " << ras << "; call signal port "
                                        << signal << "; } monitor port " << monitor << ";\nlog file \"daemon.log\";\n";
  // A descriptor that whatever starts the daemon holds, on 7.
  int inherited = open((Directory + "/inherited").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_EQ(7, dup2(inherited, 7));
  close(inherited);
  TRunOptions options;
  options.Directory = Directory;
  TProcessResult parent = RunProgram({"--daemon", "--configuration=./" + name}, std::chrono::seconds(10), options);
  close(7);
  EXPECT_EQ(0, parent.ExitStatus) << parent.Output;
  EXPECT_EQ("", parent.Output);
  std::vector<pid_t> running;
  ASSERT_TRUE(WaitFor([&] { return !(running = ProcessesWith("--configuration=./" + name)).empty(); }));
  ASSERT_EQ(1u, running.size());
  pid_t daemon = running[0];
  EXPECT_TRUE(WaitFor([&] { return Read("daemon.log").find("[I] Service started.\n") != std::string::npos; }));

  for (const std::string& target : DescriptorTargets(daemon))
    EXPECT_TRUE(target.rfind("anon_inode:", 0) == 0 || target.rfind("socket:", 0) == 0)
        << "inherited descriptor to " << target;

  kill(daemon, SIGUSR2);
  EXPECT_TRUE(WaitFor([&] {
    std::string log = Read("daemon.log");
    size_t first = log.find("Service started.");
    return first != std::string::npos && log.find("Service started.", first + 1) != std::string::npos;
  })) << Read("daemon.log");

  auto signalled = std::chrono::steady_clock::now();
  kill(daemon, SIGTERM);
  ASSERT_TRUE(WaitFor([&] { return HasEnded(daemon); }));
  auto stopTime = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - signalled);
  RecordProperty("DaemonStopMilliseconds", int(stopTime.count()));
  std::cout << "The daemon stopped " << stopTime.count() << " ms after SIGTERM.\n";
  // The loop wakes on the signal; a pass that slept through it would take
  // up to a second.
  EXPECT_LT(stopTime.count(), 500) << "the daemon took " << stopTime.count() << " ms to stop";
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
