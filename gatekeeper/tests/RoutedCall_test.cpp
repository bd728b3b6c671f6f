// Routed calls through the core, with endpoints on loopback sockets: the
// call's relay listens for the caller and takes the call to the callee, the
// call record follows it and ends with it; nothing is left behind.
#include <gatekeeper/Connection.h>

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>

#include <orvo/sockEvent.h>
#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/Zone.h>
#include <h323/q931/elements.h>
#include <signalling/CallSignallingRelay.h>
#include <signalling/CallSockets.h>
#include <signalling/ClosingLeg.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "GatekeeperUnderTest.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;
using orvo::sockEvent;

namespace {

const char* const Users =
    "system { address 127.0.0.1; ras port 0; }\nlog { connection status yes; }\nzone Z { bandwidth 1K; }\n"
    "user alice { location Z; }\nuser bob { location Z; alias \"5(.*)\" translate to \"49\\1\"; }\n"
    "user carol { proxy level full; }\n";

// Called 5678, conference identifier, two fast-start channels, tunnelled H.245.
const std::string SetupHex = encodeMessage(routedCallMessages()[0].build());
const std::string CallerRelease = "08 02 12 34 5A 08 04 80 90 01 02 7E 00 01 05";

// One endpoint's call-signalling connection.
struct TLeg {
  orvo::socket Socket;
  std::unique_ptr<TQ931Stream> Stream;
  std::vector<std::string> Received;
  bool Closed = false;

  void Take(int ADescriptor) {
    Socket.attach(ADescriptor);
    Socket.setNonBlocking(true);
    Stream.reset(new TQ931Stream(&Socket));
    Stream->RawMessageCallback = {this, &TLeg::OnMessage};
    Stream->closedCallback = {this, &TLeg::OnClosed};
    Stream->enableRead(true);
  }
  bool Connect(const sockaddr_in& ATo) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from = LoopbackAddress(2, 0);
    if (bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
        connect(fd, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo) != 0) {
      ::close(fd);
      return false;
    }
    Take(fd);
    return true;
  }
  void Send(const std::string& AHex) {
    octets o = fromHex(AHex);
    Stream->SendOctets(orvo::byteStream(o.data(), unsigned(o.size())));
  }
  void OnMessage(Q931::message&, const orvo::byteStream& AOctets) { Received.push_back(toHex(AOctets)); }
  void OnClosed() {
    Closed = true;
    Stream->enableRead(false);
  }
  // Gone: its stream first, then its connection.
  void Reset() {
    Stream.reset();
    Socket.close();
    Received.clear();
    Closed = false;
  }
};

int OpenDescriptors() {
  int count = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++count;
    closedir(d);
  }
  return count;
}

class RoutedCall : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(OpenCallListener(LoopbackAddress(3, 0), BobListener, BobAddress));
    gk.Core.RASProcedures().Attach(new TEventRecorder(&Codes));
    Alice = gk.Register("alice", 2);
    Bob = gk.Register("bob", 3);
  }
  // The legs that ended calls let go close once the endpoints are gone.
  void TearDown() override {
    Caller.Reset();
    Callee.Reset();
    EXPECT_TRUE(RunUntil([] { return TClosingLeg::Count() == 0; }));
  }
  // A call from alice to bob booking 8 of the zone's 10 units, admitted on
  // both sides, started routed.
  TConnection* NewCall(TEndpointRegisterInfo* ACaller = nullptr) {
    auto* call = new TConnection(&gk.Core, TEndpointHandle(ACaller ? ACaller : Alice), TEndpointHandle(Bob), 0x1234,
                                 Guid(7), nullptr);
    uint32_t granted = 0;
    EXPECT_TRUE(call->SetBandwidth(8, false, granted));
    call->Admit(TConnection::cnsCaller);
    call->Admit(TConnection::cnsCallee);
    EXPECT_TRUE(call->Start(BobAddress, true));
    return call;
  }
  // Dispatches until the condition holds, bob accepting when called.
  bool RunUntil(const std::function<bool()>& ADone) {
    for (int i = 0; i < 2000 && !ADone(); ++i) {
      sockEvent::dispatch(0);
      if (!Callee.Stream) {
        const int fd = BobListener.accept();
        if (fd != -1) Callee.Take(fd);
      }
    }
    return ADone();
  }
  // The call's own events, in order.
  std::vector<int> CallEvents() const {
    std::vector<int> out;
    for (int code : Codes)
      if (code >= evConnectionCreated && code <= evConnectionDestroyed) out.push_back(code);
    return out;
  }
  uint32_t ZoneBandwidth() {
    for (const TZone* zone : gk.Core.Configuration()->Zones()) return zone->AvailableBandwidth();
    return 0;
  }
  void Advance(int64_t AMilliseconds) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
    sockEvent::dispatch(0);
  }

  // The timer clock moves only as a test advances it: a time-out checked a
  // millisecond before its time is not made due by a slow pass.
  orvo::timerClockHold Hold;
  TCoreLog Log;
  TCoreWithUsers gk{Users};
  std::vector<int> Codes;
  TEndpointRegisterInfo* Alice = nullptr;
  TEndpointRegisterInfo* Bob = nullptr;
  orvo::socket BobListener;
  sockaddr_in BobAddress{};
  TLeg Caller, Callee;
};

TEST_F(RoutedCall, TheCallPassesTheGatekeeperAndTheRecordFollowsIt) {
  TConnection* call = NewCall();
  ASSERT_NE(nullptr, call->Relay());
  const sockaddr_in listening = call->Relay()->ListenAddress();
  EXPECT_EQ(htonl(INADDR_LOOPBACK), listening.sin_addr.s_addr);
  EXPECT_NE(0, listening.sin_port);
  EXPECT_EQ(1, call->ProxyLevel);
  ASSERT_TRUE(Caller.Connect(listening));
  Caller.Send(SetupHex);
  ASSERT_TRUE(RunUntil([&] { return Callee.Received.size() == 1; }));
  EXPECT_TRUE(call->Started());

  // Bob's answers reach alice as they were sent; alice's Release Complete
  // reaches bob and ends both legs.
  const std::vector<std::string> answers = {encodeMessage(routedCallMessages()[1].build()),
                                            encodeMessage(routedCallMessages()[2].build()),
                                            encodeMessage(routedCallMessages()[3].build())};
  for (const std::string& answer : answers) Callee.Send(answer);
  ASSERT_TRUE(RunUntil([&] { return Caller.Received.size() == 3; }));
  EXPECT_EQ(answers, Caller.Received);
  Caller.Send(CallerRelease);
  ASSERT_TRUE(RunUntil([&] { return Caller.Closed && Callee.Closed; }));
  EXPECT_EQ(CallerRelease, Callee.Received.back());
  EXPECT_EQ(nullptr, call->Relay());
  // Neither endpoint disengages: the gatekeeper does, after its wait.
  Advance(3999);
  EXPECT_FALSE(call->Disengaged());
  EXPECT_EQ(1u, gk.Core.RASProcedures().Count()) << "no disengage request while the endpoints may send theirs";
  Advance(1);
  EXPECT_TRUE(call->Disengaged());
  EXPECT_EQ(3u, gk.Core.RASProcedures().Count()) << "a disengage request to each side";
  EXPECT_EQ(2u, ZoneBandwidth());
  Advance(1000);
  EXPECT_TRUE(gk.Core.Connections().Empty());
  EXPECT_EQ(10u, ZoneBandwidth());
  EXPECT_EQ((std::vector<int>{13, 14, 15, 15, 15, 16, 17}), CallEvents());
  const std::string lines = Log.Lines();
  EXPECT_NE(std::string::npos, lines.find("Call signalling relayed to " + toStd(orvo::toText(BobAddress)) + ".\n"))
      << lines;
  EXPECT_NE(std::string::npos, lines.find("Call released by caller.\n")) << lines;

  // Bob's user translates the called number; the rest is alice's.
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  const std::vector<std::string> fields = {"q931.called_party_number.digits", "h225.conferenceID", "h225.fastStart",
                                           "h225.h245Control"};
  tshark::result t = dissectCallSignalling({fromHex(SetupHex), fromHex(Callee.Received[0])}, fields);
  ASSERT_TRUE(t.ran) << t.failure;
  EXPECT_EQ("", t.frames[1].malformed);
  EXPECT_EQ("5678", t.frames[0].fields[0]);
  EXPECT_EQ("49678", t.frames[1].fields[0]);
  for (size_t f = 1; f < fields.size(); ++f) EXPECT_EQ(t.frames[0].fields[f], t.frames[1].fields[f]) << fields[f];
  EXPECT_EQ("2", t.frames[1].fields[2]);
}

// How a call ends short of a conversation: the events it gives, the cause of
// the Release Complete alice gets (0: none), and its bandwidth given back.
TEST_F(RoutedCall, EveryEndFreesTheCall) {
  const struct {
    const char* name;
    std::vector<int> events;
    unsigned cause;
  } cases[] = {
      {"bob unreachable", {13, 17}, 3},     {"alice never connects", {13, 17}, 0},
      {"alice stays silent", {13, 17}, 0},  {"bob stays silent", {13, 14, 16, 17}, 18},
      {"bob closes", {13, 14, 16, 17}, 31}, {"gatekeeper disengages", {13, 14, 16, 17}, 31},
      {"alice's message does not fit bob's leg", {13, 14, 16, 17}, 31},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string what = c.name;
    Codes.clear();
    Caller.Reset();
    Callee.Reset();
    if (what == "bob unreachable") BobListener.close();
    TConnection* call = NewCall();
    if (what == "alice never connects") {
      Advance(19999);
      EXPECT_NE(nullptr, call->Relay()) << "not before its time";
      Advance(1);
    } else {
      ASSERT_TRUE(Caller.Connect(call->Relay()->ListenAddress()));
      if (what != "alice stays silent") Caller.Send(SetupHex);
      if (what == "alice stays silent") {
        ASSERT_TRUE(RunUntil([&] { return call->Relay()->State() == TCallSignallingRelay::stAwaitingSetup; }));
      } else if (what != "bob unreachable") {
        ASSERT_TRUE(RunUntil([&] { return Callee.Received.size() == 1; }));
      }
      if (what == "alice stays silent" || what == "bob stays silent") Advance(20000);
      if (what == "bob closes") Callee.Reset();
      if (what == "gatekeeper disengages") call->Disengage();
      if (what == "alice's message does not fit bob's leg") {
        call->Relay()->PacketLimit = 8;
        Caller.Send("08 02 12 34 62 7E 00 01 05");
      }
    }
    ASSERT_TRUE(RunUntil([&] { return call->Disengaged() && (!Caller.Stream || Caller.Closed); }));
    EXPECT_EQ(nullptr, call->Relay());
    if (c.cause) {
      ASSERT_FALSE(Caller.Received.empty());
      Q931::message release;
      decodeMessage(release, Caller.Received.back());
      ASSERT_EQ(Q931::message::releaseComplete, release.type);
      EXPECT_EQ(c.cause, static_cast<Q931::cause*>(release.findElement(0x08))->causeValue);
    }
    Advance(1000);
    EXPECT_TRUE(gk.Core.Connections().Empty());
    EXPECT_EQ(10u, ZoneBandwidth());
    EXPECT_EQ(c.events, CallEvents());
    if (what == "bob unreachable") {
      ASSERT_TRUE(OpenCallListener(LoopbackAddress(3, 0), BobListener, BobAddress));
    }
  }
}

// Who ends the record of a call that a Release Complete cleared, or whose
// removal an endpoint's disengage request has scheduled (ScheduleRemoval,
// as the request does): the disengage requests the gatekeeper sends itself
// (0 or one to each side) and when.
TEST_F(RoutedCall, EndpointsThatDisengageThemselvesGetNoRequest) {
  const struct {
    const char* name;
    const char* release;  // who sends Release Complete, "" nobody
    const char* then;     // after the relayed release: "request", "stop" or "" nothing
    unsigned requests;
    int64_t after;  // ms from the release to the requests
  } cases[] = {
      {"caller releases, an endpoint disengages", "caller", "request", 0, 0},
      {"callee releases, an endpoint disengages", "callee", "request", 0, 0},
      {"caller releases, both stay silent", "caller", "", 2, 4000},
      {"callee releases, both stay silent", "callee", "", 2, 4000},
      {"caller releases, the gatekeeper stops", "caller", "stop", 2, 0},
      {"an endpoint disengages, the gatekeeper stops", "", "request stop", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string release = c.release, then = c.then;
    Caller.Reset();
    Callee.Reset();
    TConnection* call = NewCall();
    ASSERT_TRUE(Caller.Connect(call->Relay()->ListenAddress()));
    Caller.Send(SetupHex);
    ASSERT_TRUE(RunUntil([&] { return Callee.Received.size() == 1; }));
    if (release == "caller") Caller.Send(CallerRelease);
    if (release == "callee") Callee.Send("08 02 92 34 5A 08 02 80 90");
    if (!release.empty()) {
      ASSERT_TRUE(RunUntil([&] { return call->Relay() == nullptr; }));
    }
    if (then.find("request") != std::string::npos) call->ScheduleRemoval();
    if (then.find("stop") != std::string::npos) call->Disengage();
    if (c.after) {
      Advance(c.after - 1);
      EXPECT_EQ(1u, gk.Core.RASProcedures().Count()) << "none before their time";
      Advance(1);
    }
    EXPECT_EQ(1u + c.requests, gk.Core.RASProcedures().Count());
    EXPECT_EQ(c.requests != 0, call->Disengaged());
    Advance(1000);
    EXPECT_TRUE(gk.Core.Connections().Empty());
    EXPECT_EQ(1u + c.requests, gk.Core.RASProcedures().Count()) << "none later";
    EXPECT_EQ(10u, ZoneBandwidth());
    gk.Core.RASProcedures().Clear();
    gk.Core.RASProcedures().Attach(new TEventRecorder(&Codes));
  }
}

// Carol's calls ask for the media relay: routed all the same, and said once.
TEST_F(RoutedCall, TwoHundredCallsInARowLeaveNothingBehind) {
  TEndpointRegisterInfo* carol = gk.Register("carol", 4);
  const int descriptors = OpenDescriptors();
  const int registrations = sockEvent::registrationCount();
  for (int n = 0; n < 200; ++n) {
    SCOPED_TRACE(n);
    Caller.Reset();
    Callee.Reset();
    TConnection* call = NewCall(carol);
    EXPECT_EQ(2, call->ProxyLevel);
    ASSERT_TRUE(Caller.Connect(call->Relay()->ListenAddress()));
    Caller.Send(SetupHex);
    ASSERT_TRUE(RunUntil([&] { return Callee.Received.size() == 1; }));
    Caller.Send(CallerRelease);
    ASSERT_TRUE(RunUntil([&] { return Caller.Closed && Callee.Closed; }));
    call->ScheduleRemoval();  // as an endpoint's disengage request does
    Advance(1000);
    ASSERT_TRUE(gk.Core.Connections().Empty());
  }
  TearDown();
  EXPECT_EQ(descriptors, OpenDescriptors());
  EXPECT_EQ(registrations, sockEvent::registrationCount());
  const std::string lines = Log.Lines();
  const std::string warning = TCallSignallingRelay::MediaRelayUnavailable;
  EXPECT_NE(std::string::npos, lines.find(warning));
  EXPECT_EQ(lines.find(warning), lines.rfind(warning)) << "once";
}

// An address the host does not have: no listener, no call, and the reason.
TEST(RoutedCallStart, FailsWithoutAListener) {
  TCoreLog log;
  TCoreWithUsers gk("system { address 192.0.2.1; ras port 0; }\nuser alice { }\n");
  auto* call =
      new TConnection(&gk.Core, TEndpointHandle(gk.Register("alice", 2)), TEndpointHandle(), 1, Guid(1), nullptr);
  EXPECT_FALSE(call->Start(LoopbackAddress(3, 1720), true));
  EXPECT_EQ(nullptr, call->Relay());
  EXPECT_FALSE(call->Started());
  EXPECT_EQ("Listen for the caller of a routed call failed. " + std::to_string(EADDRNOTAVAIL) + " " +
                strerror(EADDRNOTAVAIL) + "\n",
            log.Lines());
}

// On the program: what a connection to the call-signal port says first
// (raw octets), and the octets it gets back before the gatekeeper closes
// it; RAS is served all the while.
TEST(CallSignalPort, OnlyASetupIsHeardAndItIsRefused) {
  TGatekeeperUnderTest gk;
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint ras(2);
  const auto tpkt = [](const std::string& AHex) {
    octets o = fromHex(AHex);
    o.insert(o.begin(), {3, 0, (unsigned char)((o.size() + 4) >> 8), (unsigned char)(o.size() + 4)});
    return o;
  };
  const struct {
    const char* name;
    octets first;
    bool refused;
  } cases[] = {
      {"no TPKT", octets{'G', 'E', 'T', ' ', '/', '\r', '\n', '\r', '\n'}, false},
      {"Alerting first", tpkt("08 02 12 34 01"), false},
      {"Setup", tpkt(SetupHex), true},
  };
  unsigned sequence = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in from = LoopbackAddress(2, 0), to = LoopbackAddress(1, gk.CallSignalPort());
    timeval limit{5, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ASSERT_EQ(0, bind(client, reinterpret_cast<sockaddr*>(&from), sizeof from));
    ASSERT_EQ(0, connect(client, reinterpret_cast<sockaddr*>(&to), sizeof to));
    ASSERT_EQ(ssize_t(c.first.size()), write(client, c.first.data(), c.first.size()));
    octets got;
    unsigned char buffer[512];
    ssize_t n;
    while ((n = recv(client, buffer, sizeof buffer, 0)) > 0) got.insert(got.end(), buffer, buffer + n);
    const int error = n < 0 ? errno : 0;
    close(client);
    // Octets left unread on a closing socket make it a reset.
    EXPECT_TRUE(n == 0 || error == ECONNRESET) << "closed by the gatekeeper: " << strerror(error);
    ASSERT_EQ(c.refused, got.size() > 4);

    H225::rasMessage request;
    static_cast<H225::infoRequest*>(request.select(21))->callReferenceValue = 5;
    SetRasSequenceNumber(request, sequence);
    ASSERT_TRUE(ras.Send(request, gk.RasAddress()));
    std::unique_ptr<H225::rasMessage> answer = ras.Receive(std::chrono::milliseconds(3000));
    ASSERT_TRUE(answer) << "RAS still served";
    EXPECT_EQ(sequence++, GetRasSequenceNumber(*answer));

    if (!c.refused || !tshark::toolsAvailable()) continue;
    tshark::result t = dissectCallSignalling(
        {octets(got.begin() + 4, got.end())},
        {"q931.call_ref", "q931.call_ref_flag", "q931.message_type", "q931.cause_value", "h225.reason"});
    ASSERT_TRUE(t.ran) << t.failure;
    // callerNotRegistered, call rejected: nobody is registered at 127.0.0.2.
    EXPECT_EQ((std::vector<std::string>{"1234", "1", "0x5a", "21", "15"}), t.frames[0].fields);
  }
  EXPECT_TRUE(gk.WaitForLog("[W] First message must be SETUP.\n", std::chrono::seconds(5), 2)) << gk.Log();
  EXPECT_FALSE(gk.WaitForLog("First message must be SETUP.", std::chrono::milliseconds(50), 3)) << gk.Log();
  EXPECT_EQ(0, gk.Stop());
}

// On the program: a peer that sends its Setup to the call-signal port and
// at once closes its sending side sends no more but still reads; the
// Release Complete that refuses the call reaches it every time, then the
// end of the connection. Four connections at a time, within the
// listener's backlog.
TEST(CallSignalPort, TheRefusalReachesAPeerThatClosedItsSendingSide) {
  TGatekeeperUnderTest gk;
  ASSERT_TRUE(gk.Start()) << gk.Console();
  octets setup = fromHex(SetupHex);
  setup.insert(setup.begin(), {3, 0, (unsigned char)((setup.size() + 4) >> 8), (unsigned char)(setup.size() + 4)});
  const unsigned tries = 100;
  unsigned refused = 0;
  for (unsigned done = 0; done < tries; done += 4) {
    int clients[4];
    for (int& client : clients) {
      client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
      sockaddr_in from = LoopbackAddress(2, 0), to = LoopbackAddress(1, gk.CallSignalPort());
      timeval limit{5, 0};
      setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
      ASSERT_EQ(0, bind(client, reinterpret_cast<sockaddr*>(&from), sizeof from));
      ASSERT_EQ(0, connect(client, reinterpret_cast<sockaddr*>(&to), sizeof to));
      ASSERT_EQ(ssize_t(setup.size()), write(client, setup.data(), setup.size()));
      ASSERT_EQ(0, shutdown(client, SHUT_WR));
    }
    for (int client : clients) {
      octets got;
      unsigned char buffer[512];
      ssize_t n;
      while ((n = recv(client, buffer, sizeof buffer, 0)) > 0) got.insert(got.end(), buffer, buffer + n);
      close(client);
      EXPECT_EQ(0, n) << "closed in order";
      if (got.size() < 4 || got.size() != (unsigned(got[2]) << 8 | got[3])) continue;
      Q931::message release;
      decodeMessage(release, octets(got.begin() + 4, got.end()));
      if (release.releaseCompleteBody()) ++refused;
    }
  }
  EXPECT_EQ(tries, refused);
  EXPECT_EQ(0, gk.Stop());
}

}  // namespace
