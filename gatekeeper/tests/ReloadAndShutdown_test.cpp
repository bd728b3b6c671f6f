// A new configuration applied to a running core with registrations and a
// call, and the orderly shutdown of a core with registered endpoints.
#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include <orvo/sockEvent.h>
#include <orvo/timer.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"
#include "fakeRadiusServer.h"

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

// Parses in a thread and applies from the idle pass, as the loop does.
void ApplyReload(TGatekeeper& ACore, const std::string& AText) {
  ASSERT_TRUE(ACore.ReloadConfiguration(new std::istringstream(AText)));
  // The parse runs on another thread: wait for it, boundedly.
  for (int wait = 0; wait < 400 && !ACore.Threads().Empty(); ++wait) {
    ACore.Threads().ForEach([](TThread* AThread) {
      if (AThread->Finished()) AThread->Run();
      return false;
    });
    if (!ACore.Threads().Empty()) std::this_thread::sleep_for(milliseconds(5));
  }
  ASSERT_TRUE(ACore.Threads().Empty()) << "the parse did not end";
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
  void Reload(const std::string& AText) { ApplyReload(Gk.Core, AText); }
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
      {"user kept with changed options",
       Base() + UserA + "user b { location A; registration validity 40; }\n" + UserK,
       {19, 20, 18, 10, 10, 10, 19},
       "",
       "",
       Applied,
       3},
      {"user removed: its call ends, then it must register again",
       Base() + UserA + UserK,
       {19, 20, 18, 10, 11, 10, 23, 17},
       "DRQ ",
       "DRQ URQ0 ",
       Applied,
       3},
      {"static user removed", Base() + UserA + UserB, {19, 20, 18, 10, 10, 11, 12, 19}, "", "", Applied, 2},
      {"zone bandwidth lowered below the call's",
       Base("zone A { bandwidth 0.5K; }\n") + Users,
       {19, 20, 18, 10, 10, 10, 23, 17},
       "DRQ ",
       "DRQ ",
       Applied,
       3},
      {"accounting server changed: the accounted call ends",
       Base("zone A { bandwidth 1K; }\n", 41814) + Users,
       {19, 20, 18, 23, 10, 10, 10, 17},
       "DRQ ",
       "DRQ ",
       "Configuration reload initiated.\nApplying new configuration.\n"
       "No answer from RADIUS server accounting side.\n"  // a's accounting start, sent to the old server
       "Configuration reloaded successfully.\n",
       3},
      {"static user added, the kept one kept",
       Base() + Users + "user s { static 127.0.0.9; }\n",
       {19, 20, 18, 10, 10, 10, 19, 9},
       "",
       "",
       Applied,
       4},
      {"syntax error",
       Base() + "zone a; zone A;",
       {},
       "",
       "",
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

void Pump() {
  for (int i = 0; i < 3; ++i) orvo::sockEvent::dispatch(0);
}

// A neighbour's answer to a link's registration (no time to live: no
// keep-alive) or unregistration.
H225::rasMessage NeighbourAnswer(const H225::rasMessage& ARequest) {
  H225::rasMessage answer;
  if (ARequest.index() == 3) {
    auto* rcf = static_cast<H225::registrationConfirm*>(answer.select(4));
    rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
    H323::sockaddrToTransport(LoopbackAddress(5, 1720), *rcf->callSignalAddress.appendNew());
    rcf->endpointIdentifier = "EP-GK1";
  } else {
    answer.select(7);
  }
  SetRasSequenceNumber(answer, GetRasSequenceNumber(ARequest));
  return answer;
}

// Two neighbour gatekeepers, on 127.0.0.5 and .6, that confirm whatever a
// link asks, and what each was asked, in order: "RRQ <first alias>", "URQ".
struct TNeighbours {
  void Serve() {
    for (int quiet = 0; quiet < 2;) {
      Pump();
      bool heard = false;
      for (auto [side, log] : {std::pair{&Near, &ToNear}, std::pair{&Far, &ToFar}}) {
        sockaddr_in from{};
        while (std::unique_ptr<H225::rasMessage> message = side->Receive(milliseconds(20), &from)) {
          heard = true;
          if (message->index() == 3) {
            const auto& rrq = *static_cast<const H225::registrationRequest*>(message->alternative());
            *log += "RRQ " +
                    std::string(rrq.terminalAlias && rrq.terminalAlias->count()
                                    ? H323::aliasToString(*static_cast<const H225::aliasAddress*>(
                                                              rrq.terminalAlias->elements().first()))
                                          .buffer()
                                    : "-") +
                    " ";
          } else {
            *log += message->index() == 6 ? "URQ " : "? ";
          }
          side->Send(NeighbourAnswer(*message), from);
        }
      }
      quiet = heard ? 0 : quiet + 1;
    }
  }
  // "@5" and "@6" become the neighbours' RAS addresses.
  std::string Fill(std::string AText) const {
    for (auto [mark, side] : {std::pair{"@5", &Near}, std::pair{"@6", &Far}})
      for (size_t at; (at = AText.find(mark)) != std::string::npos;)
        AText.replace(at, 2,
                      "127.0.0." + std::string(1, mark[1]) + ":" + std::to_string(ntohs(side->Address().sin_port)));
    return AText;
  }
  TSimulatedEndpoint Near{5}, Far{6};
  std::string ToNear, ToFar;
};

// Each link: section, neighbour's host, registered or not.
std::string Links(TGatekeeper& ACore) {
  std::string out;
  ACore.Links().ForEach([&](TGatekeeperLink* ALink) {
    out += std::string(ALink->User->Identifier().buffer()) + "@" +
           std::to_string(ntohl(ALink->RemoteRasAddress().sin_addr.s_addr) & 0xff) +
           (ALink->Registered() ? "+ " : "- ");
    return false;
  });
  return out;
}

const std::string LinkBase = "system { address 127.0.0.1; ras port 0; }\n",
                  Gk2 = "gatekeeper GK2 { identifier \"GK2\"; ras address @5; register alias \"gk1\"; }\n";

}  // namespace

// A link registered at its neighbour follows its section through a reload.
// Events: 21 a link's registration changed, 22 a link ended.
TEST(Reload, LinksFollowTheirGatekeeperSections) {
  const struct {
    const char* Name;
    std::string Text;
    const char *ToNear, *ToFar;
    std::vector<int> Events;
    const char* Links;
    const char* Before = nullptr;  // a reload applied first, its unregistration left unanswered
  } cases[] = {
      {"kept unchanged", Gk2, "", "", {}, "GK2@5+ "},
      {"removed", "", "URQ ", "", {21, 22}, ""},
      {"now a user", "user GK2 { }\n", "URQ ", "", {21, 22}, ""},
      {"new neighbour address",
       "gatekeeper GK2 { identifier \"GK2\"; ras address @6; register alias \"gk1\"; }\n",
       "URQ ",
       "RRQ gk1 ",
       {21, 21},
       "GK2@6+ "},
      {"new aliases",
       "gatekeeper GK2 { identifier \"GK2\"; ras address @5; register alias \"gk9\"; }\n",
       "URQ RRQ gk9 ",
       "",
       {21, 21},
       "GK2@5+ "},
      {"a section added",
       Gk2 + "gatekeeper GK3 { identifier \"GK3\"; ras address @6; register alias \"gk1\"; }\n",
       "",
       "RRQ gk1 ",
       {21},
       "GK2@5+ GK3@6+ "},
      {"removed, and back before the neighbour answered", Gk2, "URQ RRQ gk1 ", "", {21, 22, 21}, "GK2@5+ ", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TNeighbours neighbours;
    TCoreWithUsers gk(neighbours.Fill(LinkBase + Gk2));
    gk.Core.StartLinks();
    neighbours.Serve();
    ASSERT_EQ("GK2@5+ ", Links(gk.Core));
    neighbours.ToNear.clear();
    std::vector<int> codes;
    gk.Core.RASProcedures().Attach(new TEventRecorder(&codes));
    TCoreLog log;
    if (c.Before) {
      ApplyReload(gk.Core, neighbours.Fill(LinkBase + c.Before));
      Pump();
    }
    ApplyReload(gk.Core, neighbours.Fill(LinkBase + c.Text));
    neighbours.Serve();
    EXPECT_EQ(c.Before ? std::string(Applied) + Applied : Applied, log.Lines());
    EXPECT_EQ(c.ToNear, neighbours.ToNear);
    EXPECT_EQ(c.ToFar, neighbours.ToFar);
    std::vector<int> linkCodes;
    for (int code : codes)
      if (code == evLinkStateChanged || code == evLinkDestroyed) linkCodes.push_back(code);
    EXPECT_EQ(c.Events, linkCodes);
    EXPECT_EQ(c.Links, Links(gk.Core));
    // What remains serves the new sections.
    TConfiguration* now = gk.Core.Configuration();
    gk.Core.Links().ForEach([&](TGatekeeperLink* ALink) {
      EXPECT_EQ(now, ALink->Configuration());
      EXPECT_EQ(now->FindUser(ALink->User->Identifier()), static_cast<TUser*>(ALink->User));
      return false;
    });
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
// gone and every link has unregistered at its neighbour: at once when all
// answer, after the retransmission schedule (two requests 3 s apart, 3 s
// for the last answer) when one does not, at the bound at the latest. Every
// registration ends with its line, the accounted one (a) with its Stop,
// however the shutdown ends.
TEST(Shutdown, UnregistersEveryEndpointWithinTheBound) {
  const std::string k = "User unregistered:\tk at 127.0.0.8:1720\n", a = "User unregistered:\ta at 127.0.0.2:1720\n",
                    b = "User unregistered:\tb at 127.0.0.3:1720\n";
  const struct {
    const char* Name;
    bool Answers, Call;
    int64_t Limit;
    const char *ToA, *ToB;
    int64_t MinElapsed, MaxElapsed;  // timer-clock milliseconds from the stop
    std::string Log;
    int Link = 0;  // 1 the neighbour answers, 2 it does not
    const char* ToNeighbour = "";
  } cases[] = {
      {"answered, with a call", true, true, 30000, "DRQ URQ4 ", "DRQ URQ4 ", 0, 999, k + a + b},
      {"answered, no call", true, false, 30000, "URQ4 ", "URQ4 ", 0, 999, k + a + b},
      {"unanswered", false, true, 30000, "DRQ URQ4 DRQ URQ4 ", "DRQ URQ4 DRQ URQ4 ", 6000, 7999, k + a + b},
      {"unanswered past the bound", false, false, 4000, "URQ4 URQ4 ", "URQ4 URQ4 ", 4000, 5999,
       k + "Shutdown not complete in time, stopping anyway.\n" + a + b},
      {"answered, with a link", true, false, 30000, "URQ4 ", "URQ4 ", 0, 999, k + "Unregistered at:\tGK2\n" + a + b, 1,
       "URQ- "},
      {"answered, the link's neighbour silent", true, false, 30000, "URQ4 ", "URQ4 ", 6000, 7999, k + a + b, 2,
       "URQ- URQ- "},
  };
  for (const auto& c : cases) {
    TNeighbours neighbours;
    fakeRadiusServer accounting;
    // Answered, so that nothing is resent.
    accounting.onDatagram = [&](const fakeRadiusServer::datagram& ARequest) {
      accounting.answer(ARequest.bytes, 5, {}, "s");
    };
    TRig rig(Base("zone A { bandwidth 1K; }\n", ntohs(accounting.address().sin_port)) + "log { registrations yes; }\n" +
             Users + (c.Link ? neighbours.Fill(Gk2) : ""));
    TGatekeeperLink* link = nullptr;
    if (c.Link) {
      rig.Gk.Core.StartLinks();
      neighbours.Serve();
      ASSERT_EQ("GK2@5+ ", Links(rig.Gk.Core)) << c.Name;
      rig.Gk.Core.Links().ForEach([&](TGatekeeperLink* ALink) { return (link = ALink) != nullptr; });
    }
    if (!c.Call) {
      rig.Gk.Core.Connections().Detach(rig.Call);
      delete rig.Call;
    }
    rig.Gk.Core.ShutdownLimit = c.Limit;
    TCoreLog log;
    orvo::dateTime stopped;
    std::string toA, toB, toNeighbour;
    std::unique_ptr<TFastClock> clock;
    TAt stop(10, [&] {
      stopped = orvo::timerClock();
      rig.Gk.Core.StopLoop();
    });
    TAt serve(30, [&] {
      if (c.Link == 1) {
        H225::rasMessage urq;
        toNeighbour = Received(neighbours.Near, &urq);
        neighbours.Near.Send(NeighbourAnswer(urq), link->LocalRasAddress());
      }
      if (!c.Answers || c.Link == 2) clock.reset(new TFastClock);
      if (!c.Answers) return;
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
    if (c.Link == 2) toNeighbour = Received(neighbours.Near);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3)) << c.Name;
    EXPECT_EQ(c.ToA, toA) << c.Name;
    EXPECT_EQ(c.ToB, toB) << c.Name;
    EXPECT_TRUE(rig.Gk.Core.Registrations().Empty()) << c.Name;
    std::string statuses;
    runUntil([&] { return accounting.received.size() >= 2; }, 1000);
    for (const fakeRadiusServer::datagram& request : accounting.received) {
      const octets status = attributeValue(request.bytes, 40);
      statuses += (status.empty() ? std::string("?") : std::to_string(status.back())) + " ";
    }
    EXPECT_EQ("1 2 ", statuses) << c.Name << ": Acct-Status-Type Start, then Stop";
    EXPECT_EQ(c.ToNeighbour, toNeighbour) << c.Name;
    EXPECT_TRUE(rig.Gk.Core.Links().Empty()) << c.Name;
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

// 256 accounted static registrations hold every RADIUS identifier with their
// Starts, unanswered until the stop: their Stops wait unsent, and the
// shutdown waits for them (within the bound) until the answers free the
// identifiers.
TEST(Shutdown, AccountingStopsWaitingForAnIdentifierLeaveBeforeTheEnd) {
  fakeRadiusServer accounting;
  std::string users;
  for (int i = 0; i < 256; ++i)
    users += "user s" + std::to_string(i) + " { static 127.0." + std::to_string(1 + i / 200) + "." +
             std::to_string(1 + i % 200) + "; radius accounting call; }\n";
  TCoreWithUsers gk(Base("", ntohs(accounting.address().sin_port)) + users);
  gk.Core.AccountingRADIUS.SetSecret("s");
  gk.Core.AccountingRADIUS.Open(accounting.address());
  gk.Core.RegisterStaticUsers();
  ASSERT_EQ(256u, gk.Core.Registrations().Count());
  // The server answers from the stop on, what came before first.
  bool stopped = false;
  accounting.onDatagram = [&](const fakeRadiusServer::datagram& ARequest) {
    if (stopped) accounting.answer(ARequest.bytes, 5, {}, "s");
  };
  TAt stop(10, [&] {
    stopped = true;
    for (const fakeRadiusServer::datagram& start : accounting.received) accounting.answer(start.bytes, 5, {}, "s");
    gk.Core.StopLoop();
  });
  TAt fallback(3000, [&] { gk.Core.StopLoop(); });
  const auto started = std::chrono::steady_clock::now();
  gk.Core.RunGatekeeper();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  // As when the core goes: what has not left by now never does.
  gk.Core.AccountingRADIUS.Close();
  runUntil([&] { return accounting.received.size() >= 512; }, 1000);
  std::map<unsigned, unsigned> byStatus;  // Acct-Status-Type: requests
  for (const fakeRadiusServer::datagram& request : accounting.received) {
    const octets status = attributeValue(request.bytes, 40);
    ++byStatus[status.empty() ? 0 : status.back()];
  }
  EXPECT_EQ((std::map<unsigned, unsigned>{{1, 256}, {2, 256}}), byStatus);
}

namespace {

// What the core's status reports do in the test: the shutdown's idle passes
// call them.
std::function<void()> OnStatusReport;
void StatusReport(unsigned) { OnStatusReport(); }

}  // namespace

// The accounting server never answers. 256 accounted static registrations
// hold every identifier with their Starts; two accounted endpoints do not
// answer their URQ, and a second stop cuts the shutdown short with them
// still registered. Their Starts and all 258 Stops wait unsent. On the held
// timer clock, 3 s per idle pass: the held requests time out after 12 s
// (four tries 3 s apart) and the first 256 waiting go (the two Starts and
// 254 Stops), the last four 12 s later. Within the bound every Stop leaves
// and nothing is said; when the bound passes first (seen at 21 s), or a
// further stop comes, one warning counts what never left. Without the two
// endpoints the static registrations end at the first stop and the
// shutdown waits for their 256 Stops alone: the second stop ends that very
// wait.
TEST(Shutdown, AccountingRequestsOfAShutdownCutShortGetTheRestOfTheBound) {
  const struct {
    const char* Name;
    bool SilentEndpoints;  // and the second stop at the first idle pass
    int64_t Limit;
    int64_t FurtherStop;  // timer-clock ms from the stop, -1 none
    size_t Stops;         // distinct Stops the server received
    int64_t Ended;        // timer-clock ms from the stop to the end of the run
    std::string Warning;
  } cases[] = {
      {"within the bound", true, 30000, -1, 258, 24000, ""},
      {"the bound passes first", true, 20000, -1, 254, 21000, "Shutdown: 4 accounting requests not sent.\n"},
      {"a further stop", true, 30000, 6000, 0, 6000, "Shutdown: 260 accounting requests not sent.\n"},
      {"a second stop while only accounting waits", false, 30000, 6000, 0, 6000,
       "Shutdown: 256 accounting requests not sent.\n"},
  };
  for (const auto& c : cases) {
    orvo::timerClockHold hold;
    fakeRadiusServer accounting;
    std::string users;
    for (int i = 0; i < 256; ++i)
      users += "user s" + std::to_string(i) + " { static 127.0." + std::to_string(1 + i / 200) + "." +
               std::to_string(1 + i % 200) + "; radius accounting call; }\n";
    TCoreWithUsers gk(Base("zone A { bandwidth 1K; }\n", ntohs(accounting.address().sin_port)) + users + UserA);
    gk.Core.ShutdownLimit = c.Limit;
    gk.Core.OpenRASSockets();
    gk.Core.AccountingRADIUS.SetSecret("s");
    gk.Core.AccountingRADIUS.Open(accounting.address());
    gk.Core.RegisterStaticUsers();
    TSimulatedEndpoint silentA(2), silentB(3);
    if (c.SilentEndpoints) {
      for (TSimulatedEndpoint* endpoint : {&silentA, &silentB}) {
        const unsigned host = ntohl(endpoint->Address().sin_addr.s_addr) & 0xFF;
        gk.Register("a", host)->RasAddress = endpoint->Address();
      }
      ASSERT_EQ(2u, gk.Core.AccountingRADIUS.UnsentCount()) << c.Name << ": the endpoints' Starts wait";
    }
    TCoreLog log;
    orvo::dateTime stopped;
    bool cutShort = !c.SilentEndpoints, furtherStopGiven = false;
    // The clock moves by the retransmission interval, so that every pass
    // sends and the server's readable socket ends its wait at once.
    OnStatusReport = [&] {
      if (!cutShort) {
        cutShort = true;
        gk.Core.StopLoop();
      } else if (c.FurtherStop >= 0 && !furtherStopGiven &&
                 (orvo::timerClock() - stopped).milliseconds() >= c.FurtherStop) {
        furtherStopGiven = true;
        gk.Core.StopLoop();
        return;
      }
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(3000));
    };
    gk.Core.StatusReporter = &StatusReport;
    TAt stop(0, [&] {
      stopped = orvo::timerClock();
      gk.Core.StopLoop();
    });
    const auto started = std::chrono::steady_clock::now();
    gk.Core.RunGatekeeper();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << c.Name;
    EXPECT_EQ(c.Ended, (orvo::timerClock() - stopped).milliseconds()) << c.Name;
    EXPECT_TRUE(gk.Core.Registrations().Empty()) << c.Name;
    // As when the core goes: what has not left by now never does.
    gk.Core.AccountingRADIUS.Close();
    std::set<octets> stops;  // by Acct-Session-Id
    runUntil(
        [&] {
          stops.clear();
          for (const fakeRadiusServer::datagram& request : accounting.received) {
            const octets status = attributeValue(request.bytes, 40);
            if (!status.empty() && status.back() == 2) stops.insert(attributeValue(request.bytes, 44));
          }
          return stops.size() >= c.Stops;
        },
        1000);
    EXPECT_EQ(c.Stops, stops.size()) << c.Name;
    std::string warnings;
    std::istringstream lines(log.Lines());
    for (std::string line; std::getline(lines, line);)
      if (line.find("accounting requests") != std::string::npos) warnings += line + "\n";
    EXPECT_EQ(c.Warning, warnings) << c.Name;
  }
  OnStatusReport = nullptr;
}
