// Q.931 and H.245 message streams over a socket pair: framing both ways,
// reads that cut frames or join them, close, handlers that go away, and
// payloads that cannot be framed or decoded.
#include <h323/h245Stream.h>
#include <h323/q931Stream.h>
#include <h323/q931/elements.h>

#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "orvoTesting.h"
#include "q931Octets.h"

using namespace q931Testing;
using orvo::sockEvent;

namespace {

// Our end is non-blocking, as every owner makes it; the peer's end blocks.
struct socketPair {
  orvo::socket local;
  int peer = -1;
  socketPair() {
    int fd[2];
    EXPECT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, fd));
    local.attach(fd[0]);
    local.setNonBlocking(true);
    peer = fd[1];
  }
  ~socketPair() { closePeer(); }
  void closePeer() {
    if (peer != -1) close(peer);
    peer = -1;
  }
  void send(const octets& data) { ASSERT_EQ((ssize_t)data.size(), write(peer, data.data(), data.size())); }
  // What has arrived, upper-case hex.
  std::string received() {
    octets data(70000);
    ssize_t n = recv(peer, data.data(), data.size(), MSG_DONTWAIT);
    data.resize(n > 0 ? (size_t)n : 0);
    return toHex(data);
  }
};

// Counts the decodes; tells whether a write event is registered.
struct q931Probe : H323::q931Stream {
  using q931Stream::q931Stream;
  void decode(orvo::byteStream& payload, Q931::message& message) override {
    ++decodes;
    q931Stream::decode(payload, message);
  }
  bool writing() const { return writeEvent != nullptr; }
  int decodes = 0;
};

struct h245Probe : H323::h245Stream {
  using h245Stream::h245Stream;
  void decode(orvo::byteStream& payload, H323::h245Message& message) override {
    ++decodes;
    h245Stream::decode(payload, message);
  }
  bool writing() const { return writeEvent != nullptr; }
  int decodes = 0;
};

// The owner's side: records what arrives and may delete the stream.
struct owner {
  orvo::tpktStream* stream = nullptr;
  std::vector<std::string> messages;  // re-encoded, hex
  int closed = 0;
  bool deleteStream = false;

  void onQ931(Q931::message& m) {
    messages.push_back(encodeMessage(m));
    release();
  }
  void onH245(H323::h245Message& m) {
    messages.push_back(toHex(m.octets));
    release();
  }
  void onClosed() {
    ++closed;
    release();
  }
  void release() {
    if (!deleteStream) return;
    delete stream;
    stream = nullptr;
  }
};

void attach(q931Probe* s, owner& o) {
  o.stream = s;
  s->messageCallback = {&o, &owner::onQ931};
  s->closedCallback = {&o, &owner::onClosed};
}

void attach(h245Probe* s, owner& o) {
  o.stream = s;
  s->messageCallback = {&o, &owner::onH245};
  s->closedCallback = {&o, &owner::onClosed};
}

Q931::message q931(const std::string& hex) {
  Q931::message m;
  decodeMessage(m, hex);
  return m;
}

// Passes of the dispatcher until the owner holds count messages; bounded.
void runUntil(const owner& o, size_t count) {
  for (int i = 0; i < 100 && o.messages.size() < count; ++i) sockEvent::dispatch(1);
}

void drainWrites() {
  for (int i = 0; i < 10; ++i) sockEvent::dispatch(0);
}

class messageStreams : public ::testing::Test {
protected:
  void SetUp() override { baseline = sockEvent::registrationCount(); }
  void TearDown() override { EXPECT_EQ(baseline, sockEvent::registrationCount()); }
  int baseline = 0;
};

// Messages with their TPKT frames, worked out by hand: version 3, reserved
// 0, the length of the whole packet in two octets.
struct framed {
  const char* message;
  const char* frame;
};
const framed q931Frames[] = {
    {"08 02 00 2A 05", "03 00 00 09 08 02 00 2A 05"},
    {"08 01 81 5A 08 02 80 90", "03 00 00 0C 08 01 81 5A 08 02 80 90"},
    {"08 00 7D", "03 00 00 07 08 00 7D"},
};

TEST_F(messageStreams, q931OneMessagePerFrameBothWays) {
  socketPair c;
  q931Probe stream(&c.local);
  owner o;
  attach(&stream, o);
  stream.enableRead(true);

  std::string allFrames;
  for (const framed& f : q931Frames) {
    stream.send(q931(f.message));
    allFrames += (allFrames.empty() ? "" : " ") + std::string(f.frame);
  }
  drainWrites();
  EXPECT_FALSE(stream.writing());
  EXPECT_EQ(c.received(), allFrames);

  for (const framed& f : q931Frames) c.send(fromHex(f.frame));
  runUntil(o, 3);
  ASSERT_EQ(o.messages.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(o.messages[i], q931Frames[i].message);
  EXPECT_EQ(stream.decodes, 3);
}

TEST_F(messageStreams, framesCutOrJoinedByTheReads) {
  const octets wire = fromHex("03 00 00 09 08 02 00 2A 05 03 00 00 07 08 00 7D");
  // Where the peer's writes end.
  const std::vector<std::vector<size_t>> cuts = {
      {},                    // both frames in one write
      {2},                   // inside the first header
      {4},                   // between header and body
      {6, 11},               // inside the first body, inside the second header
      {9},                   // between the frames
      {1, 2, 3, 5, 7, 8, 10, 12, 13, 15},
  };
  for (const std::vector<size_t>& cut : cuts) {
    SCOPED_TRACE(cut.size() ? cut[0] : 0);
    socketPair c;
    q931Probe stream(&c.local);
    owner o;
    attach(&stream, o);
    stream.enableRead(true);
    size_t from = 0;
    std::vector<size_t> ends = cut;
    ends.push_back(wire.size());
    for (size_t end : ends) {
      c.send(octets(wire.begin() + from, wire.begin() + end));
      from = end;
      for (int i = 0; i < 3; ++i) sockEvent::dispatch(0);
    }
    runUntil(o, 2);
    EXPECT_EQ(o.messages, (std::vector<std::string>{"08 02 00 2A 05", "08 00 7D"}));
  }
}

TEST_F(messageStreams, closeFlushesOnceAndLaterSendsWriteNothing) {
  struct closeCase {
    const char* name;
    std::vector<unsigned> closes;  // milliseconds
    bool flushed;
  };
  const closeCase cases[] = {
      // A first close without time sends nothing; the second must not flush.
      {"0 then 1000", {0, 1000}, false},
      // A millisecond rounds up to a whole second, not down to none.
      {"1", {1}, true},
      {"2500 twice", {2500, 2500}, true},
  };
  for (const closeCase& k : cases) {
    SCOPED_TRACE(k.name);
    socketPair c;
    q931Probe stream(&c.local);
    owner o;
    attach(&stream, o);
    stream.enableRead(true);
    stream.send(q931("08 02 00 2A 05"));
    for (unsigned ms : k.closes) stream.close(ms);
    EXPECT_TRUE(stream.isClosed());
    EXPECT_FALSE(stream.writing());
    EXPECT_EQ(c.received(), k.flushed ? "03 00 00 09 08 02 00 2A 05" : "");

    stream.send(q931("08 00 7D"));
    EXPECT_FALSE(stream.writing());
    // Reading stopped with the close.
    c.send(fromHex("03 00 00 07 08 00 7D"));
    drainWrites();
    EXPECT_EQ(c.received(), "");
    EXPECT_TRUE(o.messages.empty());
  }
}

TEST_F(messageStreams, aPacketWithoutHandlerIsNotDecoded) {
  // The second frame is malformed: decoding it would throw.
  const octets wire = fromHex("03 00 00 09 08 02 00 2A 05 03 00 00 07 08 02 00");
  for (bool handler : {false, true}) {
    SCOPED_TRACE(handler);
    socketPair c;
    q931Probe stream(&c.local);
    owner o;
    if (handler) attach(&stream, o);
    stream.enableRead(true);
    c.send(octets(wire.begin(), wire.begin() + 9));
    for (int i = 0; i < 4; ++i) sockEvent::dispatch(0);
    EXPECT_EQ(stream.decodes, handler ? 1 : 0);
    EXPECT_EQ(o.messages.size(), handler ? 1u : 0u);
    if (handler) continue;
    c.send(octets(wire.begin() + 9, wire.end()));
    for (int i = 0; i < 4; ++i) sockEvent::dispatch(0);
    EXPECT_EQ(stream.decodes, 0);
  }
}

TEST_F(messageStreams, aHandlerDeletesItsStream) {
  struct deleteCase {
    const char* name;
    bool byMessage;  // else by the peer's close
  };
  for (const deleteCase& k : {deleteCase{"message", true}, deleteCase{"closed", false}}) {
    SCOPED_TRACE(k.name);
    socketPair c;
    q931Probe* stream = new q931Probe(&c.local);
    owner o;
    attach(stream, o);
    o.deleteStream = true;
    stream->enableRead(true);
    // The second frame waits in the socket for a stream that is gone.
    if (k.byMessage) c.send(fromHex("03 00 00 09 08 02 00 2A 05 03 00 00 07 08 00 7D"));
    else c.closePeer();
    for (int i = 0; i < 4 && o.stream; ++i) sockEvent::dispatch(1);
    EXPECT_EQ(o.stream, nullptr);
    EXPECT_EQ(o.messages.size(), k.byMessage ? 1u : 0u);
    EXPECT_EQ(o.closed, k.byMessage ? 0 : 1);
    EXPECT_EQ(sockEvent::registrationCount(), baseline);
  }
}

TEST_F(messageStreams, aMalformedFrameRaisesOutOfTheDispatchAndTheStreamGoesOn) {
  const char* malformed[] = {
      "03 00 00 07 08 02 00",                    // call reference cut short
      "03 00 00 0C 08 02 00 2A 05 28 05 41",     // Display cut short
      "03 00 00 0C 08 02 00 2A 05 7E 00 00",     // User-user without discriminator
  };
  for (const char* frame : malformed) {
    SCOPED_TRACE(frame);
    socketPair c;
    q931Probe stream(&c.local);
    owner o;
    attach(&stream, o);
    stream.enableRead(true);
    c.send(fromHex(frame));
    std::string failure;
    for (int i = 0; i < 4 && failure.empty(); ++i) failure = failureOf([] { sockEvent::dispatch(1); });
    // The packet is freed on the way out: the sanitizer build sees no leak.
    EXPECT_EQ(failure, "Byte stream index out of bounds.");
    EXPECT_TRUE(o.messages.empty());
    c.send(fromHex("03 00 00 07 08 00 7D"));
    runUntil(o, 1);
    EXPECT_EQ(o.messages, std::vector<std::string>{"08 00 7D"});
  }
}

TEST_F(messageStreams, aMessageTooLongForOnePacketIsRefusedWhole) {
  socketPair c;
  q931Probe stream(&c.local);
  Q931::message huge(Q931::message::setup, Q931::callReference(0x2A, true));
  // 263 Display elements of 2 + 249 octets: 66,013 octets with the header.
  for (int i = 0; i < 263; ++i) huge.insertElement(new Q931::display(orvo::string(std::string(249, 'x').c_str())));
  ORVO_EXPECT_THROW(stream.send(huge), orvo::tpktStream::payloadTooLong, "TPKT payload too long.");
  EXPECT_FALSE(stream.writing());
  stream.send(q931("08 00 7D"));
  drainWrites();
  EXPECT_EQ(c.received(), "03 00 00 07 08 00 7D");
}

TEST_F(messageStreams, h245CarriesThePduOctetsUndecodedUntilItsTypesExist) {
  socketPair c;
  h245Probe stream(&c.local);
  owner o;
  attach(&stream, o);
  stream.enableRead(true);
  // No valid PER of any H.245 message: the octets pass as they are.
  c.send(fromHex("03 00 00 07 FF 00 FF"));
  runUntil(o, 1);
  EXPECT_EQ(o.messages, std::vector<std::string>{"FF 00 FF"});
  EXPECT_EQ(stream.decodes, 1);

  // A master-slave determination, terminal type 190, number 0x123456.
  H323::h245Message m;
  const octets msd = fromHex("01 00 BE 00 12 34 56");
  m.octets.write(msd.data(), (unsigned)msd.size());
  stream.send(m);
  drainWrites();
  EXPECT_EQ(c.received(), "03 00 00 0B 01 00 BE 00 12 34 56");
}

TEST_F(messageStreams, h245PayloadAtTheTpktLimit) {
  struct limitCase {
    unsigned length;
    bool sent;
  };
  for (const limitCase& k : {limitCase{65531, true}, limitCase{65532, false}}) {
    SCOPED_TRACE(k.length);
    socketPair c;
    h245Probe stream(&c.local);
    H323::h245Message m;
    const std::string body(k.length, 'x');
    m.octets.write(body.data(), k.length);
    if (k.sent) {
      stream.send(m);
      stream.close(1000);
      EXPECT_EQ(c.received().substr(0, 11), "03 00 FF FF");
    } else {
      ORVO_EXPECT_THROW(stream.send(m), orvo::tpktStream::payloadTooLong, "TPKT payload too long.");
      EXPECT_FALSE(stream.writing());
      EXPECT_EQ(c.received(), "");
    }
  }
}

}  // namespace
