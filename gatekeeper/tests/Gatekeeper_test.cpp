#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <regex>
#include <sstream>

#include <orvo/bifurcator.h>
#include <orvo/timer.h>

#include <gatekeeper/LogManipulators.h>

#include "orvoTesting.h"

namespace {

// Collects what the core logs through standard output.
class TLogCapture {
public:
  TLogCapture() : Log(std::cout) { Log.addManipulator(new TStringBufferManipulator(&Text)); }
  std::string Lines() {
    Log.flushAll();
    return toStd(Text);
  }

private:
  orvo::TBifurcator Log;
  orvo::string Text;
};

// Runs its action when its timer expires.
struct TAction {
  TAction(int64_t AAfter, std::function<void()> AWhat) : What(std::move(AWhat)), Timer(AAfter, this, &TAction::Fire) {
    Timer.Start();
  }
  void Fire(TTimer*) { What(); }
  std::function<void()> What;
  TTimer Timer;
};

class TWork : public TThread {
public:
  TWork(TGatekeeper* ACore, int* ACompleted) : TThread(ACore, this, &TWork::Done), Completed(ACompleted) {}
  static int Executed;
  static int Destroyed;
  ~TWork() override { ++Destroyed; }

protected:
  void Execute() override { ++Executed; }

private:
  void Done(TThread*) { ++*Completed; }
  int* Completed;
};
int TWork::Executed = 0;
int TWork::Destroyed = 0;

class TProbe : public TRasResolver {
public:
  TProbe(TGatekeeper* ACore, unsigned* ASeen)
      : TRasResolver(ACore, sockaddr_in{}, H225::rasMessage(), &TProbe::Step), Core(ACore), Seen(ASeen) {}
  ~TProbe() override { *Seen = Core->Registrations().Count(); }
  TPerformFunctionResult Step() { return nullptr; }

private:
  TGatekeeper* Core;
  unsigned* Seen;
};

int StatusCalls = 0;
void CountStatus(unsigned AHint) {
  if (AHint == 1500) ++StatusCalls;
}

}  // namespace

TEST(Gatekeeper, StopWithNothingLeftEndsAtTheFirstIdlePass) {
  TGatekeeper core;
  EXPECT_EQ(TGatekeeper::gksCreated, core.State());
  TAction stop(10, [&] { core.StopLoop(); });
  core.RunGatekeeper();
  EXPECT_EQ(TGatekeeper::gksStopped, core.State());
  EXPECT_EQ(&core, TGatekeeper::Running());
}

TEST(Gatekeeper, EscapedExceptionsAreLoggedAndTheRunGoesOn) {
  TLogCapture log;
  TGatekeeper core;
  TAction boom(10, [] { throw new orvo::exception("boom %d", 1); });
  TAction plain(30, [] { throw 5; });
  TAction stop(60, [&] { core.StopLoop(); });
  core.RunGatekeeper();
  EXPECT_EQ(TGatekeeper::gksStopped, core.State());
  EXPECT_EQ("Exception: boom 1\nUnknown exception.\n", log.Lines());
}

TEST(Gatekeeper, ShutdownWaitsForThreadsWithStatusAndIsBounded) {
  TLogCapture log;
  StatusCalls = 0;
  TGatekeeper core;
  core.ShutdownLimit = 1500;
  core.StatusReporter = &CountStatus;
  core.Registrations().Attach(new TEndpointRegisterInfo);  // never answers
  TAction stop(10, [&] { core.StopLoop(); });
  core.RunGatekeeper();
  EXPECT_EQ(TGatekeeper::gksStopped, core.State());
  EXPECT_GE(StatusCalls, 1);
  EXPECT_EQ("Shutdown not complete in time, stopping anyway.\n", log.Lines());
}

TEST(Gatekeeper, FinishedThreadsCompleteFromTheIdlePass) {
  TWork::Executed = TWork::Destroyed = 0;
  int completed = 0;
  TGatekeeper core;
  TAction start(10, [&] {
    (new TWork(&core, &completed))->Run();
    EXPECT_EQ(1, TWork::Executed);
    EXPECT_EQ(0, completed) << "completion waits for the idle pass";
    EXPECT_EQ(1u, core.Threads().Count());
  });
  TAction stop(30, [&] { core.StopLoop(); });
  core.RunGatekeeper();
  EXPECT_EQ(1, completed);
  EXPECT_EQ(1, TWork::Destroyed);
  EXPECT_TRUE(core.Threads().Empty());
}

TEST(Gatekeeper, ProceduresGoBeforeTheRecordsTheyUse) {
  unsigned seen = 99;
  {
    TGatekeeper core;
    core.Registrations().Attach(new TEndpointRegisterInfo);
    core.AdmissionResolvers().Attach(new TProbe(&core, &seen));
  }
  EXPECT_EQ(1u, seen);
}

TEST(Gatekeeper, StopInAPassThatThrowsIsKeptAndShutdownResumes) {
  TLogCapture log;
  TGatekeeper core;
  bool threwInShutdown = false;
  TAction stopAndThrow(10, [&] {
    core.StopLoop();
    throw new orvo::exception("late");
  });
  core.Registrations().Attach(new TEndpointRegisterInfo);
  TAction inShutdown(40, [&] {
    EXPECT_EQ(TGatekeeper::gksShuttingDown, core.State());
    threwInShutdown = true;
    throw new orvo::exception("again");
  });
  TAction leave(80, [&] { core.Registrations().Clear(); });
  // Only reached when the stop was lost: the main loop would run on.
  TAction fallback(6000, [&] { core.StopLoop(); });
  auto start = std::chrono::steady_clock::now();
  core.RunGatekeeper();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4500));
  EXPECT_TRUE(threwInShutdown);
  EXPECT_EQ(TGatekeeper::gksStopped, core.State()) << "the shutdown was resumed, not the main loop";
  EXPECT_EQ("Exception: late\nException: again\n", log.Lines());
}

namespace {
bool LoadInto(TGatekeeper& ACore, const char* AText) {
  return ACore.ReloadConfiguration(new std::istringstream(AText));
}
}  // namespace

TEST(Gatekeeper, RadiusConnectionsOpenOnlyForAConfiguredServer) {
  TGatekeeper idle;
  ASSERT_TRUE(LoadInto(idle, "system address 127.0.0.1;\n"));
  idle.StartServices();
  EXPECT_FALSE(idle.AuthenticationRADIUS.IsOpen()) << "the default 255.255.255.255 is no server";
  EXPECT_FALSE(idle.AccountingRADIUS.IsOpen());

  TGatekeeper core;
  ASSERT_TRUE(LoadInto(core,
                       "system address 127.0.0.1;\n"
                       "aaa address 127.0.0.1, authentication port 41812, accounting port 41813, password \"s3\";\n"));
  core.StartServices();
  ASSERT_TRUE(core.AuthenticationRADIUS.IsOpen());
  ASSERT_TRUE(core.AccountingRADIUS.IsOpen());
  EXPECT_STREQ("s3", core.AccountingRADIUS.Secret().buffer());
  EXPECT_EQ(htons(41812), core.AuthenticationRADIUS.Server().sin_port);
  EXPECT_EQ(htons(41813), core.AccountingRADIUS.Server().sin_port);
  sockaddr_in local;
  ASSERT_TRUE(core.AuthenticationRADIUS.LocalAddress(local));
  EXPECT_EQ(htonl(INADDR_LOOPBACK), local.sin_addr.s_addr) << "bound to the configured local address";
}

TEST(Gatekeeper, FirstLoadReportsTheErrorAndKeepsNoConfiguration) {
  TLogCapture log;
  TGatekeeper core;
  EXPECT_FALSE(LoadInto(core, "zone a; zone A;"));
  EXPECT_EQ(nullptr, core.Configuration());
  EXPECT_EQ("Configuration file: parse error, zone identifier 'A' already defined, in line 1.\n", log.Lines());
}
