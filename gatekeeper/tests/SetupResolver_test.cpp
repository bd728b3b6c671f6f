// A Setup on the call-signal port, in process: the caller found by the
// connection's address, the refusals with their Release Complete and log
// line, and the long waits on the test's timer clock.
#include <gatekeeper/SetupResolver.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <orvo/sockEvent.h>
#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/q931/elements.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "RegisteredLink.h"
#include "SimulatedEndpoint.h"
#include "fakeRadiusServer.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"

using namespace q931Testing;

namespace {

const char* const Secret = "setup-secret";

void Pump() {
  for (int i = 0; i < 3; ++i) orvo::sockEvent::dispatch(0);
}

// A TCP listener on 127.0.0.<AHost>, a port the system chooses: AAt.
bool Listen(unsigned AHost, orvo::socket& AListener, sockaddr_in& AAt) {
  AListener = orvo::socket(AF_INET, SOCK_STREAM, 0);
  AAt = LoopbackAddress(AHost, 0);
  socklen_t length = sizeof AAt;
  return bind(AListener.fd, reinterpret_cast<sockaddr*>(&AAt), sizeof AAt) == 0 &&
         getsockname(AListener.fd, reinterpret_cast<sockaddr*>(&AAt), &length) == 0 && listen(AListener.fd, 1) == 0;
}

// The Release Complete the caller got on ASocket: "RC <reason> <cause>",
// "" when nothing came yet.
std::string HeardOn(int ASocket) {
  pollfd p{ASocket, POLLIN, 0};
  if (poll(&p, 1, 0) != 1) return "";
  unsigned char buffer[1024];
  const ssize_t n = recv(ASocket, buffer, sizeof buffer, 0);
  if (n <= 4) return "closed";
  Q931::message message;
  decodeMessage(message, octets(buffer + 4, buffer + n));
  const H225::releaseComplete_UUIE* body = message.releaseCompleteBody();
  const auto* cause = static_cast<const Q931::cause*>(message.findElement(0x08));
  if (message.type != Q931::message::releaseComplete || !body || !body->reason || !cause) return "not a refusal";
  return "RC " + std::to_string(body->reason->index()) + " " + std::to_string(cause->causeValue);
}

// Alice, Bob and the users whose calls are refused here; "2..." behind GK2
// on 127.0.0.5, whose link registered as EP-GK1.
struct TRig {
  explicit TRig(const std::string& AUsers = "") {
    Gk.reset(new TCoreWithUsers(
        "system { identifier \"GK1\"; address 127.0.0.1; ras port 0; call signal port 0; }\n"
        "aaa { address 127.0.0.1; password \"" +
        std::string(Secret) +
        "\"; }\n"
        "zone z { bandwidth 1K; }\n"
        "user alice { alias \"1001\"; }\nuser bob { alias \"1002\"; }\n"
        "user shy { alias \"1003\"; dial no; }\nuser inz { alias \"1004\"; location z; }\n"
        "user checked { radius authentication caller; radius name \"checked\"; radius password \"pw\"; }\n"
        "user fixed { static 127.0.0.4; }\n" +
        AUsers + "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
        std::to_string(ntohs(Gk2.Address().sin_port)) + "; alias \"2.*\"; register alias \"gk1\"; }\n"));
    Gk->Core.OpenRASSockets();
    Gk->Core.SetStateForTesting(TGatekeeper::gksRunning);
    Gk->Core.AuthenticationRADIUS.SetSecret(Secret);
    EXPECT_TRUE(Gk->Core.AuthenticationRADIUS.Open(Radius.address()));
    Link = RegisterLink(*Gk, "GK2", Gk2);
    EXPECT_TRUE(Link && Link->Registered());
    Gk->Register("GK2", 5);
    Gk->Register("bob", 3);
  }
  ~TRig() {
    if (Caller != -1) close(Caller);
  }
  std::unique_ptr<H225::rasMessage> Next() {
    for (int i = 0; i < 10; ++i) {
      Pump();
      if (auto message = Gk2.Receive(std::chrono::milliseconds(5))) return message;
    }
    return nullptr;
  }
  void Reply(const H225::rasMessage& AMessage) {
    Gk2.Send(AMessage, Link->LocalRasAddress());
    Pump();
  }
  // A connection from 127.0.0.<AHost> taken by a setup resolver, and the
  // Setup sent on it.
  void Call(unsigned AHost, const octets& ASetup) {
    orvo::socket listener;
    sockaddr_in at{};
    ASSERT_TRUE(Listen(1, listener, at));
    Caller = socket(AF_INET, SOCK_STREAM, 0);
    From = LoopbackAddress(AHost, 0);
    socklen_t length = sizeof From;
    ASSERT_EQ(0, bind(Caller, reinterpret_cast<sockaddr*>(&From), sizeof From));
    ASSERT_EQ(0, getsockname(Caller, reinterpret_cast<sockaddr*>(&From), &length));
    ASSERT_EQ(0, connect(Caller, reinterpret_cast<sockaddr*>(&at), sizeof at));
    orvo::socket accepted;
    accepted.attach(accept(listener.fd, nullptr, nullptr));
    (new TSetupResolver(&Gk->Core, accepted))->Run();
    octets frame = {3, 0, uint8_t((ASetup.size() + 4) >> 8), uint8_t(ASetup.size() + 4)};
    frame.insert(frame.end(), ASetup.begin(), ASetup.end());
    ASSERT_EQ(ssize_t(frame.size()), write(Caller, frame.data(), frame.size()));
  }
  std::string Heard() { return HeardOn(Caller); }
  std::string PeerText() const { return toStd(orvo::toText(From)); }

  TSimulatedEndpoint Gk2{5};
  fakeRadiusServer Radius;
  std::unique_ptr<TCoreWithUsers> Gk;
  TGatekeeperLink* Link = nullptr;
  int Caller = -1;
  sockaddr_in From{};
};

octets SetupCalling(const char* ANumber) { return fromHex(encodeMessage(setupCalling(ANumber))); }

H225::rasMessage NeighbourAnswer(int AKind, unsigned ASequence) {
  H225::rasMessage message;
  asn::object* body = message.select(AKind);
  if (AKind == 19) {
    auto* lcf = static_cast<H225::locationConfirm*>(body);
    H323::sockaddrToTransport(LoopbackAddress(5, 1720), lcf->callSignalAddress);
    H323::sockaddrToTransport(LoopbackAddress(5, 1719), lcf->rasAddress);
  } else if (AKind == 25) {
    static_cast<H225::requestInProgress*>(body)->delay = 30000;
  }
  SetRasSequenceNumber(message, ASequence);
  return message;
}

}  // namespace

// Each refusal: the caller's Release Complete (ReleaseCompleteReason index,
// Q.850 cause), when on the timer clock it came, and the warning line. The
// master timer waits for the neighbour's admission of the route no longer
// than the 15 s the gatekeeper grants that admission, however long the
// neighbour asks for.
TEST(SetupResolver, Refusals) {
  enum TSetup { sNone, sHog, sRadiusReject, sSilentNeighbour, sUnregistered, sLinkGone };
  const struct {
    const char* name;
    const char* caller;
    const char* number;
    TSetup setup;
    std::string heard;
    int64_t at;
    std::string line;
  } cases[] = {
      {"unknown caller", nullptr, "1002", sNone, "RC 15 21", 0, "CallerNotRegistered."},
      {"callee not found", "alice", "9999", sNone, "RC 14 1", 0, "CalledPartyNotRegistered."},
      {"no callee alias", "alice", "", sNone, "RC 14 1", 0, "CalledPartyNotRegistered."},
      {"rules refuse", "shy", "1002", sNone, "RC 5 62", 0, "InvalidPermission."},
      {"bandwidth", "inz", "1002", sHog, "RC 0 34", 0, "RequestDenied."},
      {"RADIUS reject", "checked", "1002", sRadiusReject, "RC 13 21", 0,
       "SecurityDenial. Connection rejected by RADIUS server."},
      {"master timeout", "alice", "2001", sSilentNeighbour, "RC 11 31", 15100,
       "UndefinedReason. Master timeout during call resolve."},
      {"caller unregistered meanwhile", "checked", "1002", sUnregistered, "RC 15 21", 0, "CallerNotRegistered."},
      {"the route's link gone meanwhile", "alice", "2001", sLinkGone, "RC 11 31", 0, "UndefinedReason."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    orvo::timerClockHold hold;
    TCoreLog log;
    TRig rig;
    TEndpointRegisterInfo* caller = c.caller ? rig.Gk->Register(c.caller, 2) : nullptr;
    if (c.setup == sHog) {
      auto* hog = new TConnection(&rig.Gk->Core, TEndpointHandle(caller), TEndpointHandle(), 8, Guid(9), nullptr);
      uint32_t granted = 0;
      hog->SetBandwidth(10, false, granted);
    }
    const orvo::dateTime start = orvo::timerClock();
    rig.Call(2, SetupCalling(c.number));
    Pump();
    if (c.setup == sRadiusReject || c.setup == sUnregistered) {
      ASSERT_TRUE(runUntil([&] { return !rig.Radius.received.empty(); }, 2000));
      if (c.setup == sUnregistered) rig.Gk->Core.BroadcastEvent(evEndpointUnregistered, caller);
      // Too late after the registration went: its request was cancelled.
      rig.Radius.answer(rig.Radius.received[0].bytes, c.setup == sUnregistered ? 2 : 3, {}, Secret);
      Pump();
    }
    if (c.setup == sSilentNeighbour || c.setup == sLinkGone) {
      auto lrq = rig.Next();
      ASSERT_TRUE(lrq && lrq->index() == 18);
      rig.Reply(NeighbourAnswer(19, GetRasSequenceNumber(*lrq)));
      auto arq = rig.Next();
      ASSERT_TRUE(arq && arq->index() == 9) << "the link's admission request";
      if (c.setup == sLinkGone) {
        rig.Gk->Core.BroadcastEvent(evLinkStateChanged, rig.Link);
        Pump();
      } else {
        rig.Reply(NeighbourAnswer(25, GetRasSequenceNumber(*arq)));
      }
    }
    std::string heard;
    for (int step = 0; step < 400 && (heard = rig.Heard()).empty(); ++step) {
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(100));
      Pump();
    }
    EXPECT_EQ(c.heard, heard);
    EXPECT_EQ(c.at, (orvo::timerClock() - start).milliseconds()) << "milliseconds on the timer clock";
    EXPECT_EQ("Setup from " + rig.PeerText() + " refused: " + c.line + "\n", log.Lines());
    EXPECT_TRUE(rig.Gk->Core.SetupResolvers().Empty());
    EXPECT_EQ(0u, rig.Gk->Core.Connections().Count() - (c.setup == sHog ? 1 : 0));
  }
}

// The caller is the registration at the connection's host whatever its
// port; a static user's by its address rules, wherever its record says it
// is; two at one host are a collision, and nobody's call.
TEST(SetupResolver, FindingTheCaller) {
  const struct {
    const char* name;
    unsigned host;
    std::vector<std::pair<const char*, unsigned>> registrations;
    const char* caller;
  } cases[] = {
      {"the port is not compared", 2, {{"alice", 2}}, "alice"},
      {"a static user by its rules", 4, {{"fixed", 9}}, "fixed"},
      {"a static user elsewhere", 6, {{"fixed", 6}}, nullptr},
      {"two at one host", 2, {{"alice", 2}, {"shy", 2}}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCoreLog log;
    TRig rig;
    for (const auto& r : c.registrations) rig.Gk->Register(r.first, r.second);
    rig.Call(c.host, SetupCalling("1002"));
    std::string heard;
    ASSERT_TRUE(
        runUntil([&] { return rig.Gk->Core.Connections().Count() != 0 || !(heard = rig.Heard()).empty(); }, 2000));
    if (!c.caller) {
      EXPECT_EQ("RC 15 21", heard);
      const std::string refusal = "Setup from " + rig.PeerText() + " refused: CallerNotRegistered.\n";
      EXPECT_EQ(c.registrations.size() == 2 ? "Address collision between: alice and shy. Duplicate call "
                                              "signal address. Admission request to answer direct call will be "
                                              "denied.\n" +
                                                  refusal
                                            : refusal,
                log.Lines());
      continue;
    }
    TConnection* call = nullptr;
    rig.Gk->Core.Connections().ForEach([&](TConnection* AConnection) {
      call = AConnection;
      return true;
    });
    ASSERT_TRUE(call);
    ASSERT_TRUE(call->SideRegistration(0));
    EXPECT_EQ(c.caller, toStd(call->SideRegistration(0)->User()->Identifier()));
    EXPECT_FALSE(call->Admitted(0)) << "it sent no admission request";
    EXPECT_EQ(nullptr, call->IrrTimer(0));
    EXPECT_TRUE(call->Relay()) << "routed";
  }
}

// While RADIUS decides, the caller is still heard: what it says goes to the
// callee after its Setup once the call is resolved; its Release Complete,
// or its leaving, ends the resolution (no call, the RADIUS request
// cancelled, no Release Complete back).
TEST(SetupResolver, TheCallerIsHeardWhileItsCallIsResolved) {
  enum TMeanwhile { mFacility, mRelease, mLeave };
  for (TMeanwhile meanwhile : {mFacility, mRelease, mLeave}) {
    SCOPED_TRACE(int(meanwhile));
    TCoreLog log;
    TRig rig;
    orvo::socket bobListener;
    sockaddr_in bobAt{};
    ASSERT_TRUE(Listen(3, bobListener, bobAt));
    rig.Gk->Core.Registrations().ForEach([&](TEndpointRegisterInfo* R) {
      if (R->User() && R->User()->Identifier() == "bob") R->CallSignalAddress = bobAt;
      return false;
    });
    rig.Gk->Register("checked", 2);
    const octets setup = SetupCalling("1002");
    rig.Call(2, setup);
    ASSERT_TRUE(runUntil([&] { return !rig.Radius.received.empty(); }, 2000));
    Q931::message facility = routedCallMessages()[5].build();
    facility.callReference = Q931::callReference(0x1234, true);
    const octets facilityOctets = fromHex(encodeMessage(facility));
    Q931::message release = routedCallMessages()[4].build();
    release.callReference = Q931::callReference(0x1234, true);
    const octets said = meanwhile == mFacility ? facilityOctets : fromHex(encodeMessage(release));
    if (meanwhile == mLeave) {
      close(rig.Caller);
      rig.Caller = -1;
    } else {
      octets frame = {3, 0, uint8_t((said.size() + 4) >> 8), uint8_t(said.size() + 4)};
      frame.insert(frame.end(), said.begin(), said.end());
      ASSERT_EQ(ssize_t(frame.size()), write(rig.Caller, frame.data(), frame.size()));
    }
    for (int i = 0; i < 20; ++i) Pump();
    EXPECT_EQ(meanwhile == mFacility, !rig.Gk->Core.SetupResolvers().Empty()) << "still resolving";
    rig.Radius.answer(rig.Radius.received[0].bytes, 2, {}, Secret);
    for (int i = 0; i < 20; ++i) Pump();
    EXPECT_EQ(meanwhile == mFacility ? 1u : 0u, rig.Gk->Core.Connections().Count());
    EXPECT_EQ("", log.Lines());
    if (meanwhile != mFacility) continue;
    const int bob = accept(bobListener.fd, nullptr, nullptr);
    ASSERT_NE(-1, bob);
    std::vector<octets> got;
    for (int i = 0; i < 200 && got.size() < 2; ++i) {
      Pump();
      pollfd p{bob, POLLIN, 0};
      if (poll(&p, 1, 10) != 1) continue;
      unsigned char header[4];
      if (recv(bob, header, 4, MSG_WAITALL) != 4) break;
      octets body(size_t((header[2] << 8 | header[3]) - 4));
      if (recv(bob, body.data(), body.size(), MSG_WAITALL) != ssize_t(body.size())) break;
      got.push_back(body);
    }
    close(bob);
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(toHex(setup), toHex(got[0]));
    // The relay's call reference flag: from the side that chose it.
    EXPECT_EQ(toHex(facilityOctets), toHex(got[1]));
  }
}

// A call routed through GK2 with GK3 left as its alternative, whose caller
// came straight to the call-signal port: GK2 disengaging it mid-call
// releases the caller's leg, and no admission of the caller's would ever
// end the call record. It is disengaged, not moved to GK3, and goes.
TEST(SetupResolver, ACallWithoutTheCallersAdmissionIsNotMovedToItsAlternative) {
  orvo::timerClockHold hold;
  TSimulatedEndpoint gk3(6);
  TCoreLog log;
  TRig rig("gatekeeper GK3 { identifier \"GK3\"; ras address 127.0.0.6:" + std::to_string(ntohs(gk3.Address().sin_port)) +
           "; alias \"2.*\"; register alias \"gk1\"; }\n");
  ASSERT_TRUE(RegisterLink(*rig.Gk, "GK3", gk3));
  rig.Gk->Register("GK3", 6);
  rig.Gk->Register("alice", 2);
  orvo::socket calleeListener;
  sockaddr_in calleeAt{};
  ASSERT_TRUE(Listen(5, calleeListener, calleeAt));
  rig.Call(2, SetupCalling("2001"));
  auto lrq2 = rig.Next();
  ASSERT_TRUE(lrq2 && lrq2->index() == 18);
  std::unique_ptr<H225::rasMessage> lrq3;
  for (int i = 0; i < 10 && !lrq3; ++i) {
    Pump();
    lrq3 = gk3.Receive(std::chrono::milliseconds(5));
  }
  ASSERT_TRUE(lrq3 && lrq3->index() == 18);
  rig.Reply(NeighbourAnswer(19, GetRasSequenceNumber(*lrq2)));
  auto arq = rig.Next();
  ASSERT_TRUE(arq && arq->index() == 9) << "GK2's route is tried first";
  H225::rasMessage acf = NeighbourAnswer(10, GetRasSequenceNumber(*arq));
  auto* confirm = static_cast<H225::admissionConfirm*>(acf.alternative());
  confirm->bandWidth = 1;
  confirm->callModel.select(1);
  H323::sockaddrToTransport(calleeAt, confirm->destCallSignalAddress);
  rig.Reply(acf);
  ASSERT_EQ(1u, rig.Gk->Core.Connections().Count());
  // GK3 becomes the alternative.
  sockaddr_in gk3Link{};
  rig.Gk->Core.Links().ForEach([&](TGatekeeperLink* ALink) {
    if (ALink != rig.Link) gk3Link = ALink->LocalRasAddress();
    return false;
  });
  gk3.Send(NeighbourAnswer(19, GetRasSequenceNumber(*lrq3)), gk3Link);
  for (int i = 0; i < 20; ++i) Pump();
  EXPECT_TRUE(rig.Gk->Core.SetupResolvers().Empty()) << "no route left to hunt";
  TConnection* call = nullptr;
  rig.Gk->Core.Connections().ForEach([&](TConnection* AConnection) {
    call = AConnection;
    return true;
  });
  ASSERT_TRUE(call && call->Relay());
  ASSERT_TRUE(call->ReterminationPossible());
  ASSERT_EQ(1u, call->AlternativeCount()) << "GK3's route";

  H225::rasMessage drq;
  auto* body = static_cast<H225::disengageRequest*>(drq.select(15));
  body->requestSeqNum = 77;
  body->endpointIdentifier = "EP-GK1";
  body->conferenceID = call->ConferenceID();
  if (call->CallIdentifier()) body->callIdentifier = new H225::callIdentifier(*call->CallIdentifier());
  body->disengageReason.select(0);
  rig.Reply(drq);
  auto dcf = rig.Next();
  ASSERT_TRUE(dcf && dcf->index() == 16);
  EXPECT_TRUE(call->Stopping()) << "disengaged, not left to a caller who sent no admission request";
  for (int i = 0; i < 5; ++i) Pump();
  EXPECT_EQ("RC 11 31", rig.Heard()) << "the caller's leg is released either way";
  for (int i = 0; i < 100 && rig.Gk->Core.Connections().Count() != 0; ++i) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1000));
    Pump();
  }
  EXPECT_EQ(0u, rig.Gk->Core.Connections().Count()) << "the call record goes";
}

// The core going (a stop, a restart) while a connection waits: a Setup
// being resolved is refused and logged as any unanswered resolution; a
// connection that has sent nothing yet only closes, with no refusal
// logged for a Setup that never came.
TEST(SetupResolver, TheCoreGoingWhileAConnectionWaits) {
  const struct {
    const char* name;
    bool sendSetup;
    std::string heard;
    std::string line;
  } cases[] = {
      {"a Setup waiting for RADIUS", true, "RC 11 31", "refused: UndefinedReason.\n"},
      {"no message yet", false, "closed", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCoreLog log;
    auto rig = std::make_unique<TRig>();
    rig->Gk->Register("checked", 2);
    rig->Call(2, c.sendSetup ? SetupCalling("1002") : octets());
    if (c.sendSetup) {
      ASSERT_TRUE(runUntil([&] { return !rig->Radius.received.empty(); }, 2000));
    }
    Pump();
    const std::string peer = rig->PeerText();
    const int caller = rig->Caller;
    rig->Caller = -1;
    rig.reset();
    std::string heard;
    for (int i = 0; i < 100 && heard.empty(); ++i) {
      Pump();
      heard = HeardOn(caller);
    }
    close(caller);
    EXPECT_EQ(c.heard, heard);
    EXPECT_EQ(c.line.empty() ? "" : "Setup from " + peer + " " + c.line, log.Lines());
  }
}
