// A Setup on the call-signal port, in process: the caller found by the
// connection's address, the refusals with their Release Complete and log
// line, and the long waits on the test's timer clock.
#include <gatekeeper/SetupResolver.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

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
#include "processSockets.h"
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

octets Frame(const octets& APayload) {
  octets frame(APayload.size() + 4);
  frame[0] = 3;
  frame[2] = uint8_t(frame.size() >> 8);
  frame[3] = uint8_t(frame.size());
  std::copy(APayload.begin(), APayload.end(), frame.begin() + 4);
  return frame;
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
    const octets frame = Frame(ASetup);
    ASSERT_EQ(ssize_t(frame.size()), write(Caller, frame.data(), frame.size()));
  }
  std::string Heard() { return HeardOn(Caller); }
  // Checked, whose calls RADIUS decides, calls Bob at the listener's
  // address with ASetup; true once the RADIUS request is out.
  bool CallBobThroughRadius(orvo::socket& ABobListener, const octets& ASetup) {
    sockaddr_in at{};
    if (!Listen(3, ABobListener, at)) return false;
    Gk->Core.Registrations().ForEach([&](TEndpointRegisterInfo* R) {
      if (R->User() && R->User()->Identifier() == "bob") R->CallSignalAddress = at;
      return false;
    });
    Gk->Register("checked", 2);
    Call(2, ASetup);
    return runUntil([&] { return !Radius.received.empty(); }, 2000);
  }
  std::string PeerText() const { return toStd(orvo::toText(From)); }

  TSimulatedEndpoint Gk2{5};
  fakeRadiusServer Radius;
  std::unique_ptr<TCoreWithUsers> Gk;
  TGatekeeperLink* Link = nullptr;
  int Caller = -1;
  sockaddr_in From{};
};

octets SetupCalling(const char* ANumber) { return fromHex(encodeMessage(setupCalling(ANumber))); }

// Closed with a reset, not in order.
void ResetAndClose(int ASocket) {
  const linger now{1, 0};
  setsockopt(ASocket, SOL_SOCKET, SO_LINGER, &now, sizeof now);
  close(ASocket);
}

// The messages that reach the listener's first connection, up to AWanted,
// without their TPKT headers; the connection stays open in AConnection.
// Where none is wanted, a connection made meanwhile still shows.
std::vector<octets> ReceivedAt(int AListener, int& AConnection, size_t AWanted) {
  std::vector<octets> got;
  if (AConnection == -1) {
    for (int i = 0; i < (AWanted ? 200 : 10) && AConnection == -1; ++i) {
      Pump();
      pollfd p{AListener, POLLIN, 0};
      if (poll(&p, 1, 5) == 1) AConnection = accept(AListener, nullptr, nullptr);
    }
    if (AConnection == -1) return got;
  }
  // The gatekeeper runs in this thread: nothing here may wait for it.
  octets stream;
  for (int i = 0; i < 400 && got.size() < std::max<size_t>(AWanted, 1); ++i) {
    Pump();
    unsigned char buffer[16384];
    const ssize_t n = recv(AConnection, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n == 0) break;
    if (n > 0) stream.insert(stream.end(), buffer, buffer + n);
    size_t length;
    while (stream.size() >= 4 && (length = size_t(stream[2] << 8 | stream[3])) >= 4 && stream.size() >= length) {
      got.emplace_back(stream.begin() + 4, stream.begin() + std::ptrdiff_t(length));
      stream.erase(stream.begin(), stream.begin() + std::ptrdiff_t(length));
    }
  }
  return got;
}

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
  enum TSetup { sNone, sHog, sRadiusReject, sSilentNeighbour, sUnregistered, sLinkGone, sDuplicate, sNoContent };
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
      {"a call of the caller's already", "alice", "1002", sDuplicate, "RC 11 31", 0,
       "UndefinedReason. Duplicate call."},
      {"no H.225.0 content", "alice", "1002", sNoContent, "RC 11 31", 0,
       "UndefinedReason. Setup without H.225.0 content."},
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
    Q931::message setup = setupCalling(c.number);
    if (c.setup == sDuplicate) {
      H323::guidOctets conference;
      conference = setup.setupBody()->conferenceID;
      new TConnection(&rig.Gk->Core, TEndpointHandle(caller), TEndpointHandle(), 8, conference,
                      setup.setupBody()->callIdentifier);
    }
    if (c.setup == sNoContent) setup.elements.remove(setup.elements.find(setup.findElement(0x7E)), orvo::autoDelete(1));
    const orvo::dateTime start = orvo::timerClock();
    rig.Call(2, fromHex(encodeMessage(setup)));
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
    EXPECT_EQ(0u, rig.Gk->Core.Connections().Count() - (c.setup == sHog || c.setup == sDuplicate ? 1 : 0));
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
// or a reset of its connection, ends the resolution (no call, the RADIUS
// request cancelled, no Release Complete back).
TEST(SetupResolver, TheCallerIsHeardWhileItsCallIsResolved) {
  enum TMeanwhile { mFacility, mRelease, mReset };
  for (TMeanwhile meanwhile : {mFacility, mRelease, mReset}) {
    SCOPED_TRACE(int(meanwhile));
    TCoreLog log;
    TRig rig;
    orvo::socket bobListener;
    const octets setup = SetupCalling("1002");
    ASSERT_TRUE(rig.CallBobThroughRadius(bobListener, setup));
    Q931::message facility = routedCallMessages()[5].build();
    facility.callReference = Q931::callReference(0x1234, true);
    const octets facilityOctets = fromHex(encodeMessage(facility));
    Q931::message release = routedCallMessages()[4].build();
    release.callReference = Q931::callReference(0x1234, true);
    const octets said = meanwhile == mFacility ? facilityOctets : fromHex(encodeMessage(release));
    if (meanwhile == mReset) {
      ResetAndClose(rig.Caller);
      rig.Caller = -1;
    } else {
      const octets frame = Frame(said);
      ASSERT_EQ(ssize_t(frame.size()), write(rig.Caller, frame.data(), frame.size()));
    }
    for (int i = 0; i < 20; ++i) Pump();
    EXPECT_EQ(meanwhile == mFacility, !rig.Gk->Core.SetupResolvers().Empty()) << "still resolving";
    rig.Radius.answer(rig.Radius.received[0].bytes, 2, {}, Secret);
    for (int i = 0; i < 20; ++i) Pump();
    EXPECT_EQ(meanwhile == mFacility ? 1u : 0u, rig.Gk->Core.Connections().Count());
    EXPECT_EQ("", log.Lines());
    if (meanwhile != mFacility) continue;
    int bob = -1;
    const std::vector<octets> got = ReceivedAt(bobListener.fd, bob, 2);
    if (bob != -1) close(bob);
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(toHex(setup), toHex(got[0]));
    // The relay's call reference flag: from the side that chose it.
    EXPECT_EQ(toHex(facilityOctets), toHex(got[1]));
  }
}

// A caller that closes its sending side after its Setup only sends no more.
// RADIUS, silent, is waited for to its end on the timer clock, and the
// refusal reaches the caller; a call that RADIUS admits goes to the callee
// and ends there as for a caller whose stream ended: a Release Complete
// follows the Setup, and the caller's leg closes. A reset after the Setup
// ends the resolution at once, with nothing sent to anybody.
TEST(SetupResolver, ACallerThatClosesItsSendingSideIsStillAnswered) {
  const struct {
    const char* name;
    bool reset;
    bool radiusAccepts;
    std::string heard;
    int64_t at;              // -1: not compared
    std::vector<int> atBob;  // Q.931 message types
    std::string line;
  } cases[] = {
      {"refused", false, false, "RC 13 21", 12000, {}, "SecurityDenial. RADIUS server failure."},
      {"routed", false, true, "closed", -1, {0x05, 0x5A}, ""},
      {"reset", true, true, "", -1, {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    orvo::timerClockHold hold;
    TCoreLog log;
    TRig rig;
    orvo::socket bobListener;
    const orvo::dateTime start = orvo::timerClock();
    ASSERT_TRUE(rig.CallBobThroughRadius(bobListener, SetupCalling("1002")));
    const std::string peer = rig.PeerText();
    if (c.reset) {
      ResetAndClose(rig.Caller);
      rig.Caller = -1;
    } else {
      ASSERT_EQ(0, shutdown(rig.Caller, SHUT_WR));
    }
    for (int i = 0; i < 20; ++i) Pump();
    EXPECT_EQ(!c.reset, !rig.Gk->Core.SetupResolvers().Empty()) << "still resolving";
    if (c.radiusAccepts) rig.Radius.answer(rig.Radius.received[0].bytes, 2, {}, Secret);
    std::string heard;
    for (int step = 0; step < 200 && rig.Caller != -1; ++step) {
      Pump();
      if (!(heard = rig.Heard()).empty()) break;
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(100));
    }
    EXPECT_EQ(c.heard, heard);
    if (c.at >= 0) {
      EXPECT_EQ(c.at, (orvo::timerClock() - start).milliseconds()) << "milliseconds on the timer clock";
    }
    int bob = -1;
    std::vector<int> types;
    for (const octets& message : ReceivedAt(bobListener.fd, bob, c.atBob.size()))
      types.push_back(message.size() > 4 ? message[4] : -1);
    if (bob != -1) close(bob);
    EXPECT_EQ(c.atBob, types);
    EXPECT_EQ(c.line.empty() ? ""
                             : "No answer from RADIUS server authentication side.\nSetup from " + peer +
                                   " refused: " + c.line + "\n",
              log.Lines());
    EXPECT_TRUE(rig.Gk->Core.SetupResolvers().Empty());
  }
}

// What the caller says while its call is resolved is read up to 16
// messages or 32 KiB, then left in the socket; once the call is routed,
// all of it reaches the callee after the Setup, in the order it was sent.
TEST(SetupResolver, WhatTheCallerSaysMeanwhileIsReadWithinBounds) {
  const struct {
    const char* name;
    size_t messages;
    size_t size;    // octets of each message
    size_t unread;  // messages still in the socket when reading stopped
  } cases[] = {
      {"17 messages", 17, 40, 1},
      {"over 32 KiB", 5, 11000, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCoreLog log;
    TRig rig;
    orvo::socket bobListener;
    const octets setup = SetupCalling("1002");
    ASSERT_TRUE(rig.CallBobThroughRadius(bobListener, setup));
    const int atGatekeeper = processSockets::connectedTo(getpid(), rig.From);
    ASSERT_NE(-1, atGatekeeper);
    auto unread = [&] {
      int octets = -1;
      ioctl(atGatekeeper, FIONREAD, &octets);
      return octets;
    };
    // Facilities (call reference 0x1234 from its chooser) whose User-user
    // element holds the message's number throughout: decoded or not, each
    // passes as it came.
    std::vector<octets> said;
    for (size_t m = 0; m < c.messages; ++m) {
      octets message = {0x08, 0x02, 0x12, 0x34, 0x62, 0x7E, uint8_t((c.size - 8) >> 8), uint8_t(c.size - 8)};
      message.resize(c.size, uint8_t(m));
      said.push_back(message);
      const octets frame = Frame(message);
      ASSERT_EQ(ssize_t(frame.size()), write(rig.Caller, frame.data(), frame.size()));
    }
    // Where reading goes on past the bound, the count passes on to 0.
    const int left = int(c.unread * (c.size + 4));
    runUntil([&] { return unread() <= left; }, 2000);
    for (int i = 0; i < 20; ++i) Pump();
    EXPECT_EQ(left, unread()) << "octets left in the socket";
    close(atGatekeeper);
    rig.Radius.answer(rig.Radius.received[0].bytes, 2, {}, Secret);
    int bob = -1;
    const std::vector<octets> got = ReceivedAt(bobListener.fd, bob, c.messages + 1);
    if (bob != -1) close(bob);
    ASSERT_EQ(c.messages + 1, got.size());
    EXPECT_EQ(toHex(setup), toHex(got[0]));
    for (size_t m = 0; m < c.messages; ++m) EXPECT_EQ(toHex(said[m]), toHex(got[m + 1])) << m;
    EXPECT_EQ("", log.Lines());
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
