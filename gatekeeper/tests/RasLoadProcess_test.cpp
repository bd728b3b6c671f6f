// The server processes of the RAS load: pinned where they are told, their
// memory and processor time readable, gone when their object is.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "RasLoadProcess.h"

using namespace rasload;

namespace {

std::string CpusAllowed(pid_t APid) {
  std::ifstream status("/proc/" + std::to_string(APid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, 19, "Cpus_allowed_list:\t") == 0) return line.substr(19);
  return "";
}

std::string Command(pid_t APid) {
  std::ifstream comm("/proc/" + std::to_string(APid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

TEST(RasLoadProcess, RunsPinnedToTheCoreGivenAndEndsWithItsObject) {
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  std::string directory = MakeTemporaryDirectory("orvo-rasload-test");
  const int wanted[] = {0, int(cores - 1)};
  for (int core : wanted) {
    pid_t pid = -1;
    {
      TServerProcess sleeper({"/bin/sleep", "30"}, core, directory + "/out.txt");
      pid = sleeper.Pid();
      ASSERT_GT(pid, 0);
      EXPECT_TRUE(sleeper.Running());
      // The child pins itself before it runs the program.
      for (int i = 0; i < 200 && Command(pid) != "sleep"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      ASSERT_EQ("sleep", Command(pid));
      EXPECT_EQ(std::to_string(core), CpusAllowed(pid));
      EXPECT_GT(sleeper.ResidentKilobytes(), 0);
      EXPECT_GE(sleeper.CpuSeconds(), 0);
      EXPECT_GE(sleeper.WaitSeconds(), 0);
    }
    // Killed and reaped: the process id names nothing now.
    EXPECT_EQ(-1, kill(pid, 0));
    EXPECT_EQ(ESRCH, errno);
  }
  RemoveDirectory(directory);
}

TEST(RasLoadProcess, WaitsForTheTextAndNotPastTheEndOfTheProcess) {
  std::string directory = MakeTemporaryDirectory("orvo-rasload-test");
  TServerProcess talker({"/bin/sh", "-c", "echo Service started.; sleep 30"}, -1, directory + "/out.txt");
  EXPECT_TRUE(talker.WaitForText(directory + "/out.txt", "Service started.", 10));
  TServerProcess quitter({"/bin/sh", "-c", "echo nothing"}, -1, directory + "/quit.txt");
  // It ends at once: the wait gives up then, not after the limit.
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(quitter.WaitForText(directory + "/quit.txt", "Service started.", 20));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_FALSE(quitter.Running());
  RemoveDirectory(directory);
}

TEST(RasLoadProcess, FreePortsAreDistinctAndBelowTheEphemeralRange) {
  std::vector<unsigned> ports = FreePorts(3);
  ASSERT_EQ(3u, ports.size());
  EXPECT_NE(ports[0], ports[1]);
  EXPECT_NE(ports[0], ports[2]);
  EXPECT_NE(ports[1], ports[2]);
  for (unsigned port : ports) {
    EXPECT_GE(port, 20000u);
    EXPECT_LE(port, 32000u);
  }
}

}  // namespace
