// A routed call over loopback between two simulated endpoints: the Setup
// translated for the callee, every other message passed byte for byte, the
// call ended by either side, by a silent or missing caller or callee, or by
// a side that stops reading; strangers on the call's port refused alone.
#include <signalling/CallSignallingRelay.h>
#include <signalling/CallSockets.h>
#include <signalling/ClosingLeg.h>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <dirent.h>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <vector>

#include <config/Configuration.h>
#include <h323/alias.h>
#include <h323/q931/elements.h>
#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include "orvoTesting.h"
#include "outputCapture.h"
#include "processSockets.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;
using orvo::sockEvent;

namespace {

sockaddr_in loopback(unsigned port = 0) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons((uint16_t)port);
  return a;
}

// One simulated endpoint on a call-signalling connection.
struct endpoint {
  orvo::socket socket;
  std::unique_ptr<TQ931Stream> stream;
  // Hex of each payload; one of more than 1,000 octets by its length.
  std::vector<std::string> received;
  octets last;
  bool closed = false;

  void take(int descriptor) {
    socket.attach(descriptor);
    socket.setNonBlocking(true);
    stream.reset(new TQ931Stream(&socket));
    stream->RawMessageCallback = {this, &endpoint::onMessage};
    stream->MalformedCallback = {this, &endpoint::onMalformed};
    stream->closedCallback = {this, &endpoint::onClosed};
    stream->enableRead(true);
  }
  bool connect(const sockaddr_in& to) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
      ::close(fd);
      return false;
    }
    take(fd);
    return true;
  }
  void send(const std::string& hex) {
    octets o = fromHex(hex);
    stream->SendOctets(orvo::byteStream(o.data(), (unsigned)o.size()));
  }
  void record(const orvo::byteStream& o) {
    last.assign(o.buffer(), o.buffer() + o.length());
    received.push_back(o.length() > 1000 ? std::to_string(o.length()) + " octets" : toHex(o));
  }
  void onMessage(Q931::message&, const orvo::byteStream& o) { record(o); }
  void onMalformed(const orvo::string&, const orvo::byteStream& o) { record(o); }
  void onClosed() {
    closed = true;
    stream->enableRead(false);
  }
  // Gone: its stream first, then its connection.
  void reset() {
    stream.reset();
    socket.close();
    received.clear();
    closed = false;
  }
};

// The owner of the relay: what it was told, and the translation it applies.
struct owner {
  std::vector<std::string> told;
  std::map<std::string, std::string> translations[2];  // by side; missing: unchanged
  void translate(int side, const orvo::string& alias, orvo::string& out) {
    auto found = translations[side].find(toStd(alias));
    out = found == translations[side].end() ? alias : orvo::string(found->second.c_str());
  }
  void started() { told.push_back("started"); }
  void changed(int type) { told.push_back("changed " + std::to_string(type)); }
  void stopping() { told.push_back("stopping"); }
  void ended(int reason, const orvo::string& text) { told.push_back(std::to_string(reason) + " " + toStd(text)); }
  void warning(const orvo::string& text) { warned.push_back(toStd(text)); }
  std::vector<std::string> warned;
};

int openDescriptors() {
  int count = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++count;
    closedir(d);
  }
  return count;
}

// A Setup of call reference 0x1234 from the caller, with fast start,
// tunnelled H.245 and an H.450 APDU: called 5678, calling 1234,
// destination alias 4930123456, source aliases Terminal-1 and 2001.
const std::string setupHex = encodeMessage(routedCallMessages()[0].build());
// Release Complete from either side with Cause diagnostics (our types drop
// them) and, from the callee, an Alerting whose codeset-6 element they
// drop too.
const std::string callerRelease = "08 02 12 34 5A 08 04 80 90 01 02 7E 00 01 05";
const std::string calleeRelease = "08 02 92 34 5A 08 04 80 90 01 02 7E 00 01 05";
const std::string calleeAlerting = "08 02 92 34 01 1E 02 80 88 96 7F 02 01 02";

// "cause C reason R" of the relay's own Release Complete on that side's
// leg; a text saying what it is else.
std::string releaseOf(const std::string& hex, int side) {
  Q931::message m;
  decodeMessage(m, hex);
  if (!m.releaseCompleteBody()) return "not a Release Complete: " + hex.substr(0, 20);
  if (m.callReference != Q931::callReference(0x1234, side == rsCallee)) return "the flag of the other leg";
  return "cause " + std::to_string(static_cast<Q931::cause*>(m.findElement(0x08))->causeValue) + " reason " +
         std::to_string(m.releaseCompleteBody()->reason->index());
}

// The message type of a payload recorded in hex, whatever the length and
// flag of its call reference; -1 for a payload recorded by its length.
int messageType(const std::string& hex) {
  if (hex.find("octets") != std::string::npos) return -1;
  const octets o = fromHex(hex);
  const size_t at = o.size() < 2 ? o.size() : 2 + (o[1] & 0x0F);
  return at < o.size() ? o[at] : -1;
}

// Frames of 65,535 octets written without blocking, the relay run between
// the writes. What they carry is no Q.931 message from its first octet on,
// so that decoding it costs next to nothing.
struct flood {
  std::string frame = std::string("\x03\x00\xFF\xFF", 4) + std::string(65531, '\xFF');
  size_t written = 0;
  // One write, if any is left of AFrames, and one pass of the relay; false
  // when nothing was written.
  bool step(endpoint& from, unsigned frames) {
    ssize_t n = 0;
    if (written < frames * frame.size()) {
      const size_t at = written % frame.size();
      n = ::send(from.socket.fd, frame.data() + at, frame.size() - at, MSG_NOSIGNAL);
      if (n > 0) written += size_t(n);
    }
    sockEvent::dispatch(0);
    return n > 0;
  }
  // Until AFrames are written in all or the relay has taken nothing for
  // 200 passes; the octets written so far.
  size_t run(endpoint& from, unsigned frames) {
    for (int idle = 0; idle < 200 && written < frames * frame.size();) idle = step(from, frames) ? 0 : idle + 1;
    return written;
  }
};

class relay : public ::testing::Test {
protected:
  void SetUp() override {
    registrations = sockEvent::registrationCount();
    descriptors = openDescriptors();
    ASSERT_TRUE(OpenCallListener(loopback(), calleeListener, calleeAddress));
  }
  void TearDown() override {
    r.reset();
    caller.reset();
    callee.reset();
    calleeListener.close();
    // The legs the relay let go end once they see the endpoints gone.
    for (int i = 0; i < 200 && TClosingLeg::Count(); ++i) sockEvent::dispatch(0);
    EXPECT_EQ(registrations, sockEvent::registrationCount());
    EXPECT_EQ(descriptors, openDescriptors());
  }
  void start(const sockaddr_in& to) {
    r.reset(new TCallSignallingRelay(to, false));
    r->Tracer = tracer;
    r->TranslateAlias = {&o, &owner::translate};
    r->StartedCallback = {&o, &owner::started};
    r->ChangedCallback = {&o, &owner::changed};
    r->StoppingCallback = {&o, &owner::stopping};
    r->EndedCallback = {&o, &owner::ended};
    r->WarningCallback = {&o, &owner::warning};
    ASSERT_TRUE(r->Listen(loopback()));
  }
  // Passes until the condition holds, the callee accepted when it calls.
  bool runUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 2000 && !done(); ++i) {
      sockEvent::dispatch(0);
      if (!callee.stream) {
        int fd = calleeListener.accept();
        if (fd != -1) callee.take(fd);
      }
    }
    return done();
  }
  // Caller connected, Setup through to the callee.
  void establish() {
    start(calleeAddress);
    ASSERT_TRUE(caller.connect(r->ListenAddress()));
    caller.send(setupHex);
    ASSERT_TRUE(runUntil([&] { return callee.received.size() == 1; }));
  }
  bool ended() { return r->State() == TCallSignallingRelay::stEnded; }

  // The timer clock moves only as a test advances it: a time-out checked
  // before its time is not made due by a slow pass or a long flood.
  orvo::timerClockHold hold;
  int registrations = 0, descriptors = 0;
  orvo::socket calleeListener;
  sockaddr_in calleeAddress{};
  owner o;
  std::unique_ptr<TCallSignallingRelay> r;
  std::shared_ptr<TRelayTracer> tracer;
  endpoint caller, callee;
};

// A configuration of that log section; null, with a test failure, when it
// does not load. Its one reference is the caller's.
TConfiguration* logging(const std::string& section) {
  TConfiguration* configuration = new TConfiguration;
  std::istringstream text("log { " + section + " }");
  const std::string errors = toStd(configuration->Load(text));
  if (errors.empty()) return configuration;
  ADD_FAILURE() << errors;
  TConfiguration::Release(configuration);
  return nullptr;
}

TEST_F(relay, theCalleeSeesTheTranslatedSetupAndTheRestPassesUnchanged) {
  o.translations[rsCallee] = {{"5678", "495678"}, {"4930123456", "30123456"}};
  o.translations[rsCaller] = {{"Terminal-1", ""}};
  establish();
  EXPECT_EQ(o.told, std::vector<std::string>{"started"});

  // Call Proceeding, Connect (samples), the Alerting and, from the caller,
  // a Facility: each arrives as it was sent. A Status with the flag the
  // wrong way round gets the flag of the leg it goes on.
  std::vector<std::string> toCaller = {encodeMessage(routedCallMessages()[1].build()), calleeAlerting,
                                       encodeMessage(routedCallMessages()[3].build()), "08 02 12 34 7D"};
  for (const std::string& m : toCaller) callee.send(m);
  ASSERT_TRUE(runUntil([&] { return caller.received.size() == 4; }));
  toCaller[3] = "08 02 92 34 7D";
  EXPECT_EQ(caller.received, toCaller);
  const std::string facility = "08 02 12 34 62 7E 00 01 05";
  caller.send("08 02 92 34 62 7E 00 01 05");
  caller.send(callerRelease);
  ASSERT_TRUE(runUntil([&] { return callee.closed && caller.closed; }));
  EXPECT_EQ(callee.received, (std::vector<std::string>{callee.received[0], facility, callerRelease}));
  EXPECT_EQ(o.told, (std::vector<std::string>{"started", "changed 2", "changed 1", "changed 7", "stopping",
                                              "0 Call released by caller."}));

  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  const std::vector<std::string> fields = {"q931.call_ref",
                                           "q931.call_ref_flag",
                                           "q931.called_party_number.digits",
                                           "q931.calling_party_number.digits",
                                           "h225.dialledDigits",
                                           "h225.h323_ID",
                                           "h225.conferenceID",
                                           "h225.fastStart",
                                           "h225.h245Control",
                                           "h225.h4501SupplementaryService",
                                           "h225.guid"};
  tshark::result t = dissectCallSignalling({fromHex(setupHex), fromHex(callee.received[0])}, fields);
  ASSERT_TRUE(t.ran) << t.failure;
  EXPECT_EQ(t.frames[1].malformed, "");
  const std::vector<std::string> translated = {"1234", "0", "495678", "1234", "2001|30123456", ""};
  for (size_t f = 0; f < fields.size(); ++f) {
    SCOPED_TRACE(fields[f]);
    if (f < translated.size())
      EXPECT_EQ(t.frames[1].fields[f], translated[f]);
    else
      EXPECT_EQ(t.frames[1].fields[f], t.frames[0].fields[f]);
  }
  EXPECT_EQ(t.frames[0].fields[7], "2");  // two fast-start channels
}

// Both legs send each message as soon as it is queued, read back on the
// relay's own sockets.
TEST_F(relay, bothLegsSendAtOnce) {
  establish();
  sockaddr_in callerEnd{};
  socklen_t length = sizeof callerEnd;
  ASSERT_EQ(0, getsockname(caller.socket.fd, reinterpret_cast<sockaddr*>(&callerEnd), &length));
  EXPECT_EQ(1, processSockets::noDelay(getpid(), callerEnd)) << "the caller's leg";
  EXPECT_EQ(1, processSockets::noDelay(getpid(), calleeAddress)) << "the callee's leg";
}

// The call ends while the callee's leg holds messages it has not taken yet
// (the callee reads nothing, with the least room the system gives on its
// side and on the relay's): the relay lets the leg go at once, and the
// callee, reading again, gets every message, the Release Complete last,
// then the end of the connection; also when it has closed its sending side
// before it reads, which says that it sends no more, not that it reads no
// more.
TEST_F(relay, aLegStillFullWhenTheCallEndsKeepsWhatItHolds) {
  for (bool halfClosed : {false, true}) {
    SCOPED_TRACE(halfClosed ? "the callee half-closes first" : "the callee reads again");
    TearDown();
    SetUp();
    o = owner();
    int least = 1;
    ASSERT_EQ(0, setsockopt(calleeListener.fd, SOL_SOCKET, SO_RCVBUF, &least, sizeof least));
    establish();
    callee.stream->enableRead(false);
    const int relaySide = processSockets::connectedTo(getpid(), calleeAddress);
    ASSERT_NE(-1, relaySide);
    EXPECT_EQ(0, setsockopt(relaySide, SOL_SOCKET, SO_SNDBUF, &least, sizeof least));
    close(relaySide);
    // Facility messages of 2,000 octets, user-user information the relay
    // passes without understanding it.
    std::string facility = "08 02 12 34 62 7E 07 C9 05";
    for (int i = 0; i < 1992; ++i) facility += " 00";
    for (int i = 0; i < 8; ++i) caller.send(facility);
    caller.send(callerRelease);
    ASSERT_TRUE(runUntil([&] { return ended(); }));
    EXPECT_EQ(1u, callee.received.size());
    if (halfClosed) {
      ASSERT_EQ(0, shutdown(callee.socket.fd, SHUT_WR));
      // The closing leg sees the end of the callee's stream long before it
      // can send again.
      for (int i = 0; i < 50; ++i) sockEvent::dispatch(0);
      EXPECT_EQ(2, TClosingLeg::Count());
    }
    callee.stream->enableRead(true);
    ASSERT_TRUE(runUntil([&] { return callee.closed; }));
    ASSERT_EQ(10u, callee.received.size());
    EXPECT_EQ(8, std::count(callee.received.begin() + 1, callee.received.end() - 1,
                            std::to_string(fromHex(facility).size()) + " octets"));
    EXPECT_EQ(callerRelease, callee.received.back());
    EXPECT_EQ(0, callee.socket.lastError) << "the relay ended the leg in order";
  }
}

// The call's record, which owns the aliases its traces name, is gone once
// the call ends, and the configuration in force changes after it; the
// callee, still clearing the call, sends its own Release Complete to the
// leg the relay let go: it is traced with the aliases and under the log
// section of the call's end.
TEST_F(relay, aLegLetGoTracesWithoutItsCallRecord) {
  TConfiguration* atTheEnd = logging("q931 messages where in yes;");
  TConfiguration* later = logging("q931 messages where callee alias \"1002\" no; q931 messages yes;");
  ASSERT_TRUE(atTheEnd && later);
  TConfiguration* inForce = atTheEnd;
  std::unique_ptr<TStringList[]> record(new TStringList[2]);
  record[rsCaller].append(orvo::string("1001"));
  record[rsCallee].append(orvo::string("1002"));
  tracer =
      std::make_shared<TRelayTracer>("{call}", &record[rsCaller], &record[rsCallee], [&inForce]() { return inForce; });
  {
    TOutputCapture during;
    establish();
    caller.send(callerRelease);
    ASSERT_TRUE(runUntil([&] { return ended() && callee.received.size() == 2; }));
  }
  record.reset();
  inForce = later;
  TOutputCapture output;
  // Written on the socket: the callee's stream may have seen the relay's
  // side shut already.
  const octets release = fromHex(calleeRelease);
  std::string frame = {3, 0, 0, char(4 + release.size())};
  frame.append(release.begin(), release.end());
  ASSERT_EQ(ssize_t(frame.size()), ::send(callee.socket.fd, frame.data(), frame.size(), MSG_NOSIGNAL));
  EXPECT_TRUE(runUntil([&] { return !output.Text().empty(); }));
  const std::string head = "Q.931, {call}, got message from callee: 1002 at " + toStd(orvo::toText(calleeAddress)) +
                           "\nType: ReleaseComplete(0x5a)\n";
  EXPECT_EQ(head, output.Text().substr(0, head.size()));
  TConfiguration::Release(atTheEnd);
  TConfiguration::Release(later);
}

// Endpoints that keep their connections open after the release: each leg
// the relay let go closes when its bound is over, not before.
TEST_F(relay, aLegWhosePeerStaysEndsAtItsBound) {
  establish();
  caller.send(callerRelease);
  ASSERT_TRUE(runUntil([&] { return ended() && caller.closed && callee.closed; }));
  EXPECT_EQ(2, TClosingLeg::Count());
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(TClosingLeg::Bound - 1));
  sockEvent::dispatch(0);
  EXPECT_EQ(2, TClosingLeg::Count());
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1));
  sockEvent::dispatch(0);
  EXPECT_EQ(0, TClosingLeg::Count());
}

// The sample Setup with 131 more source aliases (h323-IDs) and its display
// lengthened, so that it takes exactly AOctets.
octets setupOf(unsigned AOctets) {
  const auto make = [](unsigned ACharacters, unsigned ADisplay) {
    Q931::message m = routedCallMessages()[0].build();
    for (unsigned n = 0; n < 131; ++n) {
      std::string text = "caller " + std::to_string(n) + " ";
      text.resize(ACharacters / 131 + (n < ACharacters % 131), 'x');
      H225::aliasAddress* alias = new H225::aliasAddress;
      H323::makeAliasAddress(*alias, orvo::string(text.c_str()), H323::aliasH323Id);
      H323::addAlias(*m.setupBody()->sourceAddress, alias);
    }
    static_cast<Q931::display*>(m.findElement(0x28))->text = orvo::string(std::string(ADisplay, 'd').c_str());
    return fromHex(encodeMessage(m));
  };
  // Two octets a character, the display's one octet each.
  unsigned characters = 131 * 200;
  characters += (AOctets - 20 - unsigned(make(characters, 10).size())) / 2;
  return make(characters, 10 + AOctets - unsigned(make(characters, 10).size()));
}

// A Setup that the translation of its called number (two digits more)
// takes beyond one TPKT packet goes to the callee as it came; up to the
// packet's last octet it goes translated. The call goes on either way.
TEST_F(relay, aSetupTooLongOnceTranslatedGoesAsItCame) {
  const struct {
    unsigned octets;
    bool translated;
  } cases[] = {{65529, true}, {65530, false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.octets);
    TearDown();
    SetUp();
    o = owner();
    o.translations[rsCallee] = {{"5678", "495678"}};
    const octets setup = setupOf(k.octets);
    ASSERT_EQ(k.octets, setup.size());
    start(calleeAddress);
    ASSERT_TRUE(caller.connect(r->ListenAddress()));
    caller.stream->SendOctets(orvo::byteStream(setup.data(), unsigned(setup.size())));
    ASSERT_TRUE(runUntil([&] { return callee.received.size() == 1; }));
    if (k.translated) {
      EXPECT_EQ(65531u, callee.last.size());
      Q931::message m;
      decodeMessage(m, callee.last);
      EXPECT_EQ("495678", toStd(static_cast<Q931::calledPartyNumber*>(m.findElement(0x70))->digits));
    } else {
      EXPECT_EQ(setup, callee.last);
    }
    callee.send(calleeAlerting);
    ASSERT_TRUE(runUntil([&] { return caller.received.size() == 1; }));
    EXPECT_EQ(calleeAlerting, caller.received[0]);
    EXPECT_EQ(o.told, (std::vector<std::string>{"started", "changed 1"}));
  }
}

// A message that does not fit the leg it is for (PacketLimit lowered to the
// Setup's length) ends the call: the side that sent it gets a Release
// Complete, the other leg nothing more; one of the limit's length passes.
TEST_F(relay, aMessageThatDoesNotFitItsLegEndsTheCall) {
  const unsigned limit = unsigned(fromHex(setupHex).size());
  // A Facility of AOctets, the flag of that side.
  const auto facility = [](int AFrom, unsigned AOctets) {
    std::string hex = AFrom == rsCaller ? "08 02 12 34 62 7E " : "08 02 92 34 62 7E ";
    hex += toHex(octets{(unsigned char)((AOctets - 8) >> 8), (unsigned char)(AOctets - 8)}) + " 05";
    for (unsigned i = 9; i < AOctets; ++i) hex += " 00";
    return hex;
  };
  const struct {
    int from;
    unsigned octets;
    std::string told;
  } cases[] = {
      {rsCallee, limit, ""},
      {rsCallee, limit + 1, "11 Message to caller does not fit a TPKT packet."},
      {rsCaller, limit, ""},
      {rsCaller, limit + 1, "12 Message to callee does not fit a TPKT packet."},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.from) + " " + std::to_string(k.octets));
    TearDown();
    SetUp();
    o = owner();
    start(calleeAddress);
    r->PacketLimit = limit;
    ASSERT_TRUE(caller.connect(r->ListenAddress()));
    caller.send(setupHex);
    ASSERT_TRUE(runUntil([&] { return callee.received.size() == 1; }));
    endpoint& sender = k.from == rsCaller ? caller : callee;
    endpoint& receiver = k.from == rsCaller ? callee : caller;
    const size_t before = receiver.received.size();
    sender.send(facility(k.from, k.octets));
    if (k.told.empty()) {
      ASSERT_TRUE(runUntil([&] { return receiver.received.size() == before + 1; }));
      EXPECT_EQ(k.octets, receiver.last.size());
      EXPECT_FALSE(ended());
      continue;
    }
    ASSERT_TRUE(runUntil([&] { return ended() && caller.closed && callee.closed; }));
    EXPECT_EQ(o.told, (std::vector<std::string>{"started", "stopping", k.told}));
    EXPECT_EQ(releaseOf(sender.received.back(), k.from), "cause 31 reason 11");
    EXPECT_EQ(before, receiver.received.size());
  }
}

// The messages a caller sent while its call was resolved follow its Setup
// once the callee is connected. One that ends the call (too long for the
// callee's leg) is the last: its owner lets the relay go at once, as the
// call record does, and the message after it is never touched.
TEST_F(relay, theCallersHeldMessagesStopAtTheOneThatEndsTheCall) {
  struct dropping : owner {
    std::unique_ptr<TCallSignallingRelay>* relay = nullptr;
    void endedAndGone(int reason, const orvo::string& text) {
      ended(reason, text);
      relay->reset();
    }
  } d;
  d.relay = &r;
  orvo::socket port;
  sockaddr_in portAddress{};
  ASSERT_TRUE(OpenCallListener(loopback(), port, portAddress));
  ASSERT_TRUE(caller.connect(portAddress));
  orvo::socket accepted;
  accepted.attach(port.accept());
  ASSERT_NE(-1, accepted.fd);
  accepted.setNonBlocking(true);
  std::unique_ptr<TQ931Stream> stream(new TQ931Stream(&accepted));

  const octets setup = fromHex(setupHex);
  const auto message = [](const std::string& hex) {
    const octets o = fromHex(hex);
    return orvo::byteStream(o.data(), unsigned(o.size()));
  };
  // A Facility one octet beyond the Setup's length, then a Status.
  std::string facility = "08 02 12 34 62 7E " + toHex(octets{(unsigned char)((setup.size() - 7) >> 8),
                                                                 (unsigned char)(setup.size() - 7)}) + " 05";
  for (size_t i = 9; i < setup.size() + 1; ++i) facility += " 00";
  const std::vector<orvo::byteStream> following = {message(facility), message("08 02 12 34 7D 08 02 80 90")};

  r.reset(new TCallSignallingRelay(calleeAddress, false));
  r->TranslateAlias = {&d, &owner::translate};
  r->StartedCallback = {&d, &owner::started};
  r->StoppingCallback = {&d, &owner::stopping};
  r->EndedCallback = {&d, &dropping::endedAndGone};
  r->PacketLimit = unsigned(setup.size());
  r->TakeCaller(loopback(), accepted, stream, orvo::byteStream(setup.data(), unsigned(setup.size())), following);
  EXPECT_EQ(-1, accepted.fd);
  EXPECT_FALSE(stream);

  ASSERT_TRUE(runUntil([&] { return !r && caller.closed && callee.closed; }));
  EXPECT_EQ(d.told, (std::vector<std::string>{"stopping", "12 Message to callee does not fit a TPKT packet."}));
  ASSERT_EQ(1u, callee.received.size());
  EXPECT_EQ(setupHex, callee.received[0]);
  ASSERT_EQ(1u, caller.received.size());
  EXPECT_EQ(releaseOf(caller.received[0], rsCaller), "cause 31 reason 11");
  port.close();
}

// How a call ends: what the owner is told and the last message each
// endpoint gets ("" none; hex: forwarded as sent; "cause C reason R": a
// Release Complete of the relay's own, on that leg's flag).
struct endingCase {
  const char* name;
  int stage;        // 0 listening, 1 caller connected, 2 Setup through, 3 Setup to nobody
  std::string act;  // who releases or closes, "time" passing, or the caller's first message
  std::string told;
  std::string callerGets, calleeGets;
};

TEST_F(relay, everyWayACallEndsClosesBothLegs) {
  const std::vector<endingCase> cases = {
      {"caller releases", 2, "caller releases", "0 Call released by caller.", "", callerRelease},
      {"callee releases", 2, "callee releases", "1 Call released by callee.", calleeRelease, setupHex},
      {"caller closes", 2, "caller closes", "2 Caller closed call signalling connection.", "", "cause 31 reason 11"},
      {"callee closes", 2, "callee closes", "3 Callee closed call signalling connection.", "cause 31 reason 11", ""},
      {"caller never connects", 0, "time", "4 Caller did not connect in time.", "", ""},
      {"caller sends nothing", 1, "time", "4 Caller sent no message in time.", "", ""},
      {"callee stays silent", 2, "time", "7 Callee did not answer in time.", "cause 18 reason 11",
       "cause 18 reason 11"},
      {"callee unreachable", 3, "", "6 Callee unreachable at ", "cause 3 reason 2", ""},
      {"callee stops speaking TPKT", 2, "raw callee", "3 Callee closed call signalling connection.",
       "cause 31 reason 11", setupHex},
  };
  for (const endingCase& k : cases) {
    SCOPED_TRACE(k.name);
    TearDown();
    SetUp();
    o.told.clear();
    sockaddr_in to = calleeAddress;
    if (k.stage == 3) calleeListener.close();
    if (k.stage == 2)
      establish();
    else
      start(to);
    if (k.stage == 1 || k.stage == 3) {
      ASSERT_TRUE(caller.connect(r->ListenAddress()));
    }
    if (k.stage == 3) caller.send(setupHex);
    if (k.act == "caller releases") caller.send(callerRelease);
    if (k.act == "callee releases") callee.send(calleeRelease);
    if (k.act == "caller closes") caller.reset();
    if (k.act == "callee closes") callee.reset();
    if (k.act.substr(0, 2) == "08") caller.send(k.act);
    if (k.act.substr(0, 4) == "raw ") {
      const std::string http = "GET / HTTP/1.0\r\n\r\n";
      const int fd = (k.act == "raw caller" ? caller : callee).socket.fd;
      ASSERT_EQ(ssize_t(http.size()), ::write(fd, http.data(), http.size()));
    }
    if (k.act == "time") {
      for (int i = 0; i < 20; ++i) sockEvent::dispatch(0);
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(19999));
      sockEvent::dispatch(0);
      EXPECT_FALSE(ended()) << "before its time";
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1));
    }
    ASSERT_TRUE(
        runUntil([&] { return ended() && (!caller.stream || caller.closed) && (!callee.stream || callee.closed); }));
    EXPECT_EQ(o.told.back().substr(0, k.told.size()), k.told);
    EXPECT_EQ(o.told.end()[-2], "stopping");
    for (int side : {0, 1}) {
      endpoint& e = side ? callee : caller;
      const std::string& expected = side ? k.calleeGets : k.callerGets;
      std::string last = e.received.empty() ? "" : e.received.back();
      if (expected.substr(0, 5) != "cause") {
        EXPECT_EQ(last, expected) << side;
        continue;
      }
      EXPECT_EQ(releaseOf(last, side), expected);
    }
  }
}

// Anybody may reach the call's port before its caller. Whatever the first
// message of such a connection, only that connection closes (with a warning
// when it said something); the caller who comes next gets through.
TEST_F(relay, aStrangerOnThePortIsRefusedAloneAndTheCallerStillGetsThrough) {
  const struct {
    const char* name;
    std::string sent;  // hex of a TPKT payload, or "raw " and octets without framing
    bool warned;
  } cases[] = {
      {"Alerting", "08 02 12 34 01", true},
      {"Release Complete", callerRelease, true},
      {"Display cut short", "08 02 12 34 05 28 05 41", true},
      {"garbage!", "raw garbage!", true},
      {"8 octets, no TPKT frame", std::string("raw \x03\x00\x00\x03\x08\x02\x12\x34", 12), true},
      {"leaves without a word", "", false},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TearDown();
    SetUp();
    o = owner();
    start(calleeAddress);
    endpoint stranger;
    ASSERT_TRUE(stranger.connect(r->ListenAddress()));
    if (k.sent.empty()) {
      ASSERT_TRUE(runUntil([&] { return r->State() == TCallSignallingRelay::stAwaitingSetup; }));
      stranger.reset();
      for (int i = 0; i < 20; ++i) sockEvent::dispatch(0);
    } else if (k.sent.substr(0, 4) == "raw ") {
      ASSERT_EQ(ssize_t(k.sent.size() - 4), ::write(stranger.socket.fd, k.sent.data() + 4, k.sent.size() - 4));
      ASSERT_TRUE(runUntil([&] { return stranger.closed; }));
    } else {
      stranger.send(k.sent);
      ASSERT_TRUE(runUntil([&] { return stranger.closed; }));
    }
    EXPECT_EQ(o.warned, k.warned ? std::vector<std::string>{"First message must be SETUP."}
                                 : std::vector<std::string>{});
    EXPECT_EQ(r->State(), TCallSignallingRelay::stAwaitingSetup);
    EXPECT_EQ(o.told, std::vector<std::string>{});
    ASSERT_TRUE(caller.connect(r->ListenAddress()));
    caller.send(setupHex);
    ASSERT_TRUE(runUntil([&] { return callee.received.size() == 1; }));
    EXPECT_EQ(o.told, std::vector<std::string>{"started"});
    stranger.reset();
  }
}

// Silent connections came first: the caller still gets through, the oldest
// of them making room beyond the limit, and the rest close once it has.
TEST_F(relay, silentConnectionsDoNotKeepTheCallerOut) {
  start(calleeAddress);
  std::vector<std::unique_ptr<endpoint>> silent;
  for (unsigned n = 0; n <= TCallSignallingRelay::PendingCallerLimit; ++n) {
    silent.emplace_back(new endpoint);
    ASSERT_TRUE(silent.back()->connect(r->ListenAddress()));
    for (int i = 0; i < 10; ++i) sockEvent::dispatch(0);
  }
  ASSERT_TRUE(runUntil([&] { return silent[0]->closed; })) << "the oldest makes room";
  for (unsigned n = 1; n < silent.size(); ++n) EXPECT_FALSE(silent[n]->closed) << n;
  ASSERT_TRUE(caller.connect(r->ListenAddress()));
  caller.send(setupHex);
  ASSERT_TRUE(runUntil([&] { return callee.received.size() == 1; }));
  EXPECT_EQ(callee.received[0], setupHex);
  ASSERT_TRUE(runUntil([&] {
    return std::all_of(silent.begin(), silent.end(), [](const std::unique_ptr<endpoint>& e) { return e->closed; });
  }));
  EXPECT_EQ(o.warned, std::vector<std::string>{});
  caller.send(callerRelease);
  ASSERT_TRUE(runUntil([&] { return callee.closed && caller.closed; }));
  EXPECT_EQ(callee.received.back(), callerRelease);
}

// The caller's time for its Setup starts at the first connection; later
// ones do not start it again.
TEST_F(relay, laterConnectionsDoNotProlongTheCallersTime) {
  start(calleeAddress);
  endpoint first, later;
  ASSERT_TRUE(first.connect(r->ListenAddress()));
  ASSERT_TRUE(runUntil([&] { return r->State() == TCallSignallingRelay::stAwaitingSetup; }));
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(19500));
  ASSERT_TRUE(later.connect(r->ListenAddress()));
  for (int i = 0; i < 20; ++i) sockEvent::dispatch(0);
  EXPECT_FALSE(ended());
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(501));
  ASSERT_TRUE(runUntil([&] { return ended() && first.closed && later.closed; }));
  EXPECT_EQ(o.told, (std::vector<std::string>{"stopping", "4 Caller sent no message in time."}));
  first.reset();
  later.reset();
}

// One side floods, the other reads nothing: the relay stops reading the
// flood once QueueLimit waits for the reader, and when that lasts for
// StallTimeout it ends the call at once, dropping what the reader did not
// take and sending it nothing more; the flooder gets a Release Complete. A
// reader that reads again in time gets all of it, in order, and the call
// goes on.
TEST_F(relay, aSideThatDoesNotReadHoldsTheOtherBackAndEndsTheCall) {
  const struct {
    const char* name;
    int deaf;
    bool readsAgain;
    std::string told;
  } cases[] = {
      {"the caller does not read", rsCaller, false, "9 Caller does not read call signalling."},
      {"the callee does not read", rsCallee, false, "10 Callee does not read call signalling."},
      {"the caller reads again in time", rsCaller, true, ""},
  };
  const unsigned frames = 400;  // 26 MB, more than the kernel holds for the two connections
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TearDown();
    SetUp();
    o = owner();
    establish();
    endpoint& deaf = k.deaf == rsCaller ? caller : callee;
    endpoint& flooder = k.deaf == rsCaller ? callee : caller;
    deaf.stream->enableRead(false);
    const size_t before = deaf.received.size();  // the Setup at the callee
    flood f;
    const size_t offered = frames * f.frame.size();
    const size_t taken = f.run(flooder, frames);
    EXPECT_LT(taken, offered / 2) << "the relay stopped taking the flood";
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(4500));
    for (int i = 0; i < 20; ++i) sockEvent::dispatch(0);
    EXPECT_FALSE(ended()) << "before its time";
    if (k.readsAgain) {
      // The flood goes on by another frame at least, and everything up to
      // there arrives.
      deaf.stream->enableRead(true);
      auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      while ((f.written <= taken || f.written % f.frame.size()) && std::chrono::steady_clock::now() < limit)
        f.step(flooder, frames);
      const size_t sent = f.written / f.frame.size();
      limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      while (deaf.received.size() < before + sent && std::chrono::steady_clock::now() < limit) sockEvent::dispatch(0);
      ASSERT_GT(f.written, taken);
      ASSERT_EQ(before + sent, deaf.received.size());
      for (size_t n = before; n < before + sent; ++n) ASSERT_EQ("65531 octets", deaf.received[n]) << n;
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(6000));
      for (int i = 0; i < 20; ++i) sockEvent::dispatch(0);
      EXPECT_FALSE(ended());
      continue;
    }
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(501));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(runUntil([&] { return ended() && flooder.closed; }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(o.told.back(), k.told);
    EXPECT_EQ(releaseOf(flooder.received.back(), 1 - k.deaf), "cause 31 reason 11");
    deaf.stream->enableRead(true);
    ASSERT_TRUE(runUntil([&] { return deaf.closed; }));
    for (const std::string& m : deaf.received) EXPECT_NE(messageType(m), 0x5A) << "a Release Complete: " << m;
  }
}

// What one TPKT packet cannot carry is refused, not thrown into the event
// loop, and leaves nothing queued; the packet's last octet still goes.
TEST(q931Stream, aPayloadBeyondOnePacketIsRefused) {
  int pair[2];
  ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
  orvo::socket end, other;
  end.attach(pair[0]);
  other.attach(pair[1]);
  TQ931Stream stream(&end);
  const octets most(orvo::tpktStream::maximumPayload, 0x08), beyond(most.size() + 1, 0x08);
  EXPECT_FALSE(stream.SendOctets(orvo::byteStream(beyond.data(), unsigned(beyond.size()))));
  EXPECT_EQ(0u, stream.queued());
  EXPECT_TRUE(stream.SendOctets(orvo::byteStream(most.data(), unsigned(most.size()))));
  EXPECT_EQ(65535u, stream.queued());
  stream.discardOutput();
}

TEST(callSockets, bothLegsCarryTheServiceType) {
  orvo::socket listener, connection;
  sockaddr_in bound{};
  ASSERT_TRUE(OpenCallListener(loopback(), listener, bound));
  int started = StartCallConnection(bound, loopback(), connection);
  EXPECT_TRUE(started == 0 || started == EINPROGRESS) << started;
  int tos = -1;
  socklen_t length = sizeof tos;
  getsockopt(connection.fd, IPPROTO_IP, IP_TOS, &tos, &length);
  EXPECT_EQ(tos, 0x30);
}

// The connection leaves from the local address given, on a port the system
// chooses; an address the host does not have fails it before it starts.
TEST(callSockets, theCalleeLegLeavesFromTheLocalAddress) {
  orvo::socket listener, connection, failed;
  sockaddr_in bound{};
  ASSERT_TRUE(OpenCallListener(loopback(), listener, bound));
  sockaddr_in local = loopback(0);
  local.sin_addr.s_addr = htonl(0x7F000009);  // 127.0.0.9
  const int started = StartCallConnection(bound, local, connection);
  ASSERT_TRUE(started == 0 || started == EINPROGRESS) << started;
  sockaddr_in source{};
  socklen_t length = sizeof source;
  ASSERT_EQ(0, getsockname(connection.fd, reinterpret_cast<sockaddr*>(&source), &length));
  EXPECT_EQ(toStd(orvo::toText(source)).substr(0, 10), "127.0.0.9:");
  EXPECT_NE(source.sin_port, 0);
  local.sin_addr.s_addr = htonl(0xC0000201);  // 192.0.2.1, TEST-NET-1
  EXPECT_EQ(StartCallConnection(bound, local, failed), EADDRNOTAVAIL);
  EXPECT_EQ(failed.fd, -1);
}

}  // namespace
