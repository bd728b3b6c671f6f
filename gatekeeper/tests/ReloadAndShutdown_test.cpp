// A new configuration applied to a running core with registrations and a
// call, and the orderly shutdown of a core with registered endpoints.
#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>

#include <orvo/sockEvent.h>
#include <orvo/timer.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/User.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;

const std::string UserA = "user a { location A; radius accounting call; }\n", UserB = "user b { location A; }\n",
                  UserK = "user k { static 127.0.0.8; }\n", Users = UserA + UserB + UserK;
std::string Base(const std::string& AZone = "zone A { bandwidth 1K; }\n", unsigned AAccountingPort = 41813) {
  return "system { address 127.0.0.1; ras port 0; }\n" + AZone + "aaa address 127.0.0.1, password \"s\", " +
         "authentication port unlimited, accounting port " + std::to_string(AAccountingPort) + ";\n";
}

// What an endpoint received, oldest first: "DRQ", or "URQ" with the index
// of its reason.
std::string Received(TSimulatedEndpoint& AEndpoint, H225::rasMessage* ALast = nullptr) {
  std::string out;
  while (std::unique_ptr<H225::rasMessage> message = AEndpoint.Receive(milliseconds(30))) {
    if (message->index() == 15) out += "DRQ ";
    if (message->index() == 6) {
      const auto& urq = *static_cast<H225::unregistrationRequest*>(message->alternative());
      out += "URQ" + (urq.reason ? std::to_string(urq.reason->index()) : std::string("-")) + " ";
    }
    if (ALast) *ALast = *message;
  }
  return out;
}

void Advance(int64_t AMilliseconds) {
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
  orvo::sockEvent::dispatch(0);
  orvo::sockEvent::dispatch(0);  // what the first pass's timers started at zero
}

// A core with users a and b registered through simulated endpoints at
// 127.0.0.2 and .3, the static user k, and a call from a to b that books 8
// of zone A's 10.
struct TRig {
  explicit TRig(const std::string& AConfiguration) : Gk(AConfiguration), EndpointA(2), EndpointB(3) {
    Gk.Core.OpenRASSockets();
    const TAAA& aaa = Gk.Core.Configuration()->AAA();
    Gk.Core.AccountingRADIUS.SetSecret(aaa.SharedSecret());
    Gk.Core.AccountingRADIUS.Open(aaa.AccountingServer());
    A = Gk.Register("a", 2);
    B = Gk.Register("b", 3);
    A->RasAddress = EndpointA.Address();
    B->RasAddress = EndpointB.Address();
    Gk.Core.RegisterStaticUsers();
    Call = new TConnection(&Gk.Core, TEndpointHandle(A), TEndpointHandle(B), 5, Guid(5), nullptr);
    uint32_t granted = 0;
    EXPECT_TRUE(Call->SetBandwidth(8, false, granted));
    Call->Admit(TConnection::cnsCaller);
    Call->Admit(TConnection::cnsCallee);
    Gk.Core.RASProcedures().Attach(new TEventRecorder(&Events));
  }
  // Parses in a thread and applies from the idle pass, as the loop does.
  void Reload(const std::string& AText) {
    ASSERT_TRUE(Gk.Core.ReloadConfiguration(new std::istringstream(AText)));
    Gk.Core.Threads().ForEach([](TThread* AThread) {
      if (AThread->Finished()) AThread->Run();
      return false;
    });
  }
  TCoreWithUsers Gk;
  TSimulatedEndpoint EndpointA, EndpointB;
  TEndpointRegisterInfo *A, *B;
  TConnection* Call;
  std::vector<int> Events;
};

const char* const Applied =
    "Configuration reload initiated.\nApplying new configuration.\nConfiguration reloaded successfully.\n";

}  // namespace

// Events: 19 a zone's bandwidth changed, 20 zone removed, 18 zone added,
// 10 registration changed, 11 unregistering, 9 registered, 23 call ends
// (no hunting any more), 17 call gone a second after its disengage.
TEST(Reload, AppliesInOrderToRegistrationsCallsAndStaticUsers) {
  const struct {
    const char* Name;
    std::string Text;
    std::vector<int> Events;
    const char *ToA, *ToB;
    const char* Log;
    unsigned Registrations;
  } cases[] = {
      {"user kept with changed options", Base() + UserA + "user b { location A; registration validity 40; }\n" + UserK,
       {19, 20, 18, 10, 10, 10, 19}, "", "", Applied, 3},
      {"user removed: its call ends, then it must register again", Base() + UserA + UserK,
       {19, 20, 18, 10, 11, 10, 23, 17}, "DRQ ", "DRQ URQ0 ", Applied, 3},
      {"static user removed", Base() + UserA + UserB, {19, 20, 18, 10, 10, 11, 12, 19}, "", "", Applied, 2},
      {"zone bandwidth lowered below the call's", Base("zone A { bandwidth 0.5K; }\n") + Users,
       {19, 20, 18, 10, 10, 10, 23, 17}, "DRQ ", "DRQ ", Applied, 3},
      {"accounting server changed: the accounted call ends", Base("zone A { bandwidth 1K; }\n", 41814) + Users,
       {19, 20, 18, 23, 10, 10, 10, 17}, "DRQ ", "DRQ ",
       "Configuration reload initiated.\nApplying new configuration.\n"
       "No answer from RADIUS server accounting side.\n"  // a's accounting start, sent to the old server
       "Configuration reloaded successfully.\n",
       3},
      {"static user added, the kept one kept", Base() + Users + "user s { static 127.0.0.9; }\n",
       {19, 20, 18, 10, 10, 10, 19, 9}, "", "", Applied, 4},
      {"syntax error", Base() + "zone a; zone A;", {}, "", "",
       "Configuration reload initiated.\nConfiguration file: parse error, zone identifier 'a' already defined, in "
       "line 4.\nConfiguration load failed.\n",
       3},
  };
  for (const auto& c : cases) {
    TRig rig(Base() + Users);
    TCoreLog log;
    rig.Reload(c.Text);
    Advance(1000);
    EXPECT_EQ(c.Events, rig.Events) << c.Name;
    EXPECT_EQ(c.ToA, Received(rig.EndpointA)) << c.Name;
    EXPECT_EQ(c.ToB, Received(rig.EndpointB)) << c.Name;
    EXPECT_EQ(c.Log, log.Lines()) << c.Name;
    EXPECT_EQ(c.Registrations, rig.Gk.Core.Registrations().Count()) << c.Name;
    // Whoever remains follows the new users; a call that goes on is booked on the new zones.
    TConfiguration* now = rig.Gk.Core.Configuration();
    rig.Gk.Core.Registrations().ForEach([&](TEndpointRegisterInfo* ARegistration) {
      if (ARegistration->State() == TEndpointRegisterInfo::esRegistered) {
        EXPECT_EQ(now, ARegistration->Configuration()) << c.Name;
        EXPECT_EQ(now->FindUser(ARegistration->User()->Identifier()), ARegistration->User()) << c.Name;
      }
      return false;
    });
    if (rig.Gk.Core.Connections().Contains(rig.Call)) {
      EXPECT_EQ(2u, now->Zones().first()->AvailableBandwidth()) << c.Name;
    }
  }
}

namespace {

struct TAt {
  TAt(int64_t AAfter, std::function<void()> AWhat) : What(std::move(AWhat)), Timer(AAfter, this, &TAt::Fire) {
    Timer.Start();
  }
  void Fire(TTimer*) { What(); }
  std::function<void()> What;
  TTimer Timer;
};

// Moves the timer clock a second every 20 ms, so that a retransmission
// schedule of seconds passes in a fraction of one.
struct TFastClock {
  TFastClock() { Timer.Start(); }
  void Tick(TTimer*) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1000));
    Timer.Start();
    // The pass under way reckoned its wait on the clock before the move.
    orvo::sockEvent::interruptWait();
  }
  TTimer Timer{20, this, &TFastClock::Tick};
};

}  // namespace

// The shutdown ends the calls first (an unregistration waits for them), then
// tells every endpoint (maintenance), and ends when every registration has
// gone: at once when the endpoints answer, after the retransmission
// schedule (two requests 3 s apart, 3 s for the last answer) when they do
// not, at the bound at the latest.
TEST(Shutdown, UnregistersEveryEndpointWithinTheBound) {
  const struct {
    const char* Name;
    bool Answers, Call;
    int64_t Limit;
    const char *ToA, *ToB;
    int64_t MinElapsed, MaxElapsed;  // timer-clock milliseconds from the stop
    const char* Log;
  } cases[] = {
      {"answered, with a call", true, true, 30000, "DRQ URQ4 ", "DRQ URQ4 ", 0, 999, ""},
      {"answered, no call", true, false, 30000, "URQ4 ", "URQ4 ", 0, 999, ""},
      {"unanswered", false, true, 30000, "DRQ URQ4 DRQ URQ4 ", "DRQ URQ4 DRQ URQ4 ", 6000, 7999, ""},
      {"unanswered past the bound", false, false, 4000, "URQ4 URQ4 ", "URQ4 URQ4 ", 4000, 5999,
       "Shutdown not complete in time, stopping anyway.\n"},
  };
  for (const auto& c : cases) {
    TRig rig(Base() + Users);
    if (!c.Call) {
      rig.Gk.Core.Connections().Detach(rig.Call);
      delete rig.Call;
    }
    rig.Gk.Core.ShutdownLimit = c.Limit;
    TCoreLog log;
    orvo::dateTime stopped;
    std::string toA, toB;
    std::unique_ptr<TFastClock> clock;
    TAt stop(10, [&] {
      stopped = orvo::timerClock();
      rig.Gk.Core.StopLoop();
    });
    TAt serve(30, [&] {
      if (!c.Answers) {
        clock.reset(new TFastClock);
        return;
      }
      for (auto* side : {&rig.EndpointA, &rig.EndpointB}) {
        H225::rasMessage urq;
        (side == &rig.EndpointA ? toA : toB) = Received(*side, &urq);
        H225::rasMessage ucf;
        ucf.select(7);
        SetRasSequenceNumber(ucf, GetRasSequenceNumber(urq));
        side->Send(ucf, rig.Gk.Core.BoundRasAddress());
      }
    });
    TAt fallback(60000, [&] { rig.Gk.Core.StopLoop(); });  // a lost stop must not hang the test
    const auto started = std::chrono::steady_clock::now();
    rig.Gk.Core.RunGatekeeper();
    const int64_t elapsed = (orvo::timerClock() - stopped).milliseconds();
    clock.reset();
    if (!c.Answers) {
      toA = Received(rig.EndpointA);
      toB = Received(rig.EndpointB);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3)) << c.Name;
    EXPECT_EQ(c.ToA, toA) << c.Name;
    EXPECT_EQ(c.ToB, toB) << c.Name;
    EXPECT_EQ(!*c.Log, rig.Gk.Core.Registrations().Empty()) << c.Name;
    EXPECT_GE(elapsed, c.MinElapsed) << c.Name;
    EXPECT_LE(elapsed, c.MaxElapsed) << c.Name;
    EXPECT_EQ(c.Log, log.Lines()) << c.Name;
  }
}

// A reload parsed just before a stop completes in the shutdown's idle pass;
// it must not register anyone the shutdown has already let go.
TEST(Shutdown, AReloadThatCompletesInTheShutdownIsNotApplied) {
  const std::string base = "system { address 127.0.0.1; ras port 0; }\n";
  TCoreWithUsers gk(base);
  TConfiguration* old = gk.Core.Configuration();
  TCoreLog log;
  gk.Core.ShutdownLimit = 1500;
  auto* waiting = new TEndpointRegisterInfo;  // keeps the shutdown going a while
  gk.Core.Registrations().Attach(waiting);
  TAt stop(10, [&] { gk.Core.StopLoop(); });
  TAt reload(20, [&] { gk.Core.ReloadConfiguration(new std::istringstream(base + "user s { static 127.0.0.9; }\n")); });
  TAt leave(40, [&] {
    gk.Core.Registrations().Detach(waiting);
    delete waiting;
  });
  TAt fallback(3000, [&] { gk.Core.StopLoop(); });
  const auto started = std::chrono::steady_clock::now();
  gk.Core.RunGatekeeper();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_EQ(old, gk.Core.Configuration());
  EXPECT_TRUE(gk.Core.Registrations().Empty());
  EXPECT_EQ("Configuration reload initiated.\n", log.Lines());
}
