// The running gatekeeper under hostile traffic: each phase on a gatekeeper
// of its own (they run side by side under ctest), and the long form that
// repeats every phase on one gatekeeper for ORVO_SOAK_SECONDS (make soak).
// ORVO_HOSTILE_SEED repeats the random choices of an earlier run.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

#include "HostileRun.h"

namespace {

const double PhaseSeconds = 8;

std::uint32_t Seed() {
  const char* given = std::getenv("ORVO_HOSTILE_SEED");
  return given && *given ? std::uint32_t(std::strtoul(given, nullptr, 10)) : std::random_device{}();
}

// The abuse holds hundreds of connections of its own.
void RaiseOwnDescriptorLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);
}

class HostileTraffic : public ::testing::Test {
protected:
  void SetUp() override { RaiseOwnDescriptorLimit(); }
  void TearDown() override { Run.Print(std::cout); }
  THostileRun Run{Seed()};
};

}  // namespace

TEST_F(HostileTraffic, MutatedDatagrams) {
  ASSERT_TRUE(Run.Start());
  Run.MutatedDatagrams(PhaseSeconds);
  Run.CheckAfter("mutated datagrams");
  EXPECT_GT(Run.Figures().Datagrams, 1000u);
  Run.Finish();
}

TEST_F(HostileTraffic, ForgedAnswers) {
  ASSERT_TRUE(Run.Start());
  Run.ForgedAnswers(PhaseSeconds);
  Run.CheckAfter("forged answers");
  EXPECT_GT(Run.Figures().Forgeries, 100u);
  Run.Finish();
}

TEST_F(HostileTraffic, AbusiveConnections) {
  ASSERT_TRUE(Run.Start());
  Run.AbusiveConnections();
  Run.CheckAfter("abusive connections");
  Run.Finish();
}

TEST_F(HostileTraffic, DescriptorExhaustion) {
  ASSERT_TRUE(Run.Start());
  Run.DescriptorExhaustion();
  Run.CheckAfter("descriptor exhaustion");
  Run.Finish();
}

TEST_F(HostileTraffic, StalledRelayCall) {
  ASSERT_TRUE(Run.Start());
  Run.StalledRelayCall();
  Run.CheckAfter("stalled relay call");
  EXPECT_GT(Run.Figures().Flooded, 0u);
  Run.Finish();
}

TEST_F(HostileTraffic, Soak) {
  const char* seconds = std::getenv("ORVO_SOAK_SECONDS");
  if (!seconds || !*seconds) GTEST_SKIP() << "the long form runs with ORVO_SOAK_SECONDS (make soak SECONDS=...)";
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atol(seconds));
  ASSERT_TRUE(Run.Start());
  unsigned round = 0;
  while (std::chrono::steady_clock::now() < end && !HasFailure()) {
    ++round;
    Run.MutatedDatagrams(30);
    Run.CheckAfter("round " + std::to_string(round) + ", mutated datagrams");
    Run.ForgedAnswers(30);
    Run.CheckAfter("round " + std::to_string(round) + ", forged answers");
    Run.AbusiveConnections();
    Run.CheckAfter("round " + std::to_string(round) + ", abusive connections");
    Run.DescriptorExhaustion();
    Run.CheckAfter("round " + std::to_string(round) + ", descriptor exhaustion");
    Run.StalledRelayCall();
    Run.CheckAfter("round " + std::to_string(round) + ", stalled relay call");
    // The output of a round that failed stays for its reader.
    if (!HasFailure()) Run.DiscardOutput();
    std::cout << "round " << round << " done\n";
    Run.Print(std::cout);
    std::cout.flush();  // read while it runs
  }
  Run.Finish();
}
