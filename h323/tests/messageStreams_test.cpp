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
#include "valueFiller.h"

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
template <class Stream, class Message>
struct probe : Stream {
  using Stream::Stream;
  void decode(orvo::byteStream& payload, Message& message) override {
    ++decodes;
    Stream::decode(payload, message);
  }
  bool writing() const { return this->writeEvent != nullptr; }
  int decodes = 0;
};

// The owner's side: records what arrives, re-encoded in hex, and may delete
// the stream.
struct owner {
  orvo::tpktStream* stream = nullptr;
  std::vector<std::string> messages;
  int closed = 0;
  bool deleteStream = false;

  void onQ931(Q931::message& m) { arrived(encodeMessage(m)); }
  void onH245(H323::h245Message& m) { arrived(toHex(perOctets(m))); }
  void arrived(const std::string& hex) {
    messages.push_back(hex);
    if (deleteStream) release();
  }
  void onClosed() {
    ++closed;
    if (deleteStream) release();
  }
  void release() {
    delete stream;
    stream = nullptr;
  }
};

// A socket pair with a stream reading on our end, its callbacks set when
// handled.
template <class Stream, class Message, void (owner::*OnMessage)(Message&)>
struct rig {
  // On the heap: a handler may delete it.
  explicit rig(bool handled = true) : stream(*new probe<Stream, Message>(&c.local)) {
    o.stream = &stream;
    if (handled) stream.messageCallback = {&o, OnMessage};
    stream.closedCallback = {&o, &owner::onClosed};
    stream.enableRead(true);
  }
  ~rig() {
    if (o.stream) o.release();
  }
  socketPair c;
  owner o;
  probe<Stream, Message>& stream;
};
using q931Rig = rig<H323::q931Stream, Q931::message, &owner::onQ931>;
using h245Rig = rig<H323::h245Stream, H323::h245Message, &owner::onH245>;

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

TEST_F(messageStreams, q931OneMessagePerFrameBothWays) {
  // TPKT frames worked out by hand: version 3, reserved 0, the length of
  // the whole packet in two octets.
  const std::vector<std::string> messages = {"08 02 00 2A 05", "08 01 81 5A 08 02 80 90", "08 00 7D"};
  const std::string frames = "03 00 00 09 08 02 00 2A 05 03 00 00 0C 08 01 81 5A 08 02 80 90 03 00 00 07 08 00 7D";
  q931Rig r;
  for (const std::string& m : messages) r.stream.send(q931(m));
  drainWrites();
  EXPECT_FALSE(r.stream.writing());
  EXPECT_EQ(r.c.received(), frames);

  r.c.send(fromHex(frames));
  runUntil(r.o, 3);
  EXPECT_EQ(r.o.messages, messages);
  EXPECT_EQ(r.stream.decodes, 3);
}

TEST_F(messageStreams, framesCutOrJoinedByTheReads) {
  const octets wire = fromHex("03 00 00 09 08 02 00 2A 05 03 00 00 07 08 00 7D");
  // Where the peer's writes end: nowhere (both frames in one write), inside
  // the first header, between header and body, inside the first body and
  // the second header, between the frames, nearly every octet.
  const std::vector<std::vector<size_t>> cuts = {{}, {2}, {4}, {6, 11}, {9}, {1, 2, 3, 5, 7, 8, 10, 12, 13, 15}};
  for (std::vector<size_t> ends : cuts) {
    SCOPED_TRACE(ends.size() ? ends[0] : 0);
    q931Rig r;
    ends.push_back(wire.size());
    size_t from = 0;
    for (size_t end : ends) {
      r.c.send(octets(wire.begin() + from, wire.begin() + end));
      from = end;
      for (int i = 0; i < 3; ++i) sockEvent::dispatch(0);
    }
    runUntil(r.o, 2);
    EXPECT_EQ(r.o.messages, (std::vector<std::string>{"08 02 00 2A 05", "08 00 7D"}));
  }
}

TEST_F(messageStreams, closeFlushesOnceAndLaterSendsWriteNothing) {
  struct closeCase {
    std::vector<unsigned> closes;  // milliseconds
    bool flushed;
  };
  // A first close without time sends nothing, so a second that flushed
  // would show; a millisecond rounds up to a whole second, not down to none.
  for (const closeCase& k : {closeCase{{0, 1000}, false}, closeCase{{1}, true}, closeCase{{2500, 2500}, true}}) {
    SCOPED_TRACE(k.closes[0]);
    q931Rig r;
    r.stream.send(q931("08 02 00 2A 05"));
    for (unsigned ms : k.closes) r.stream.close(ms);
    EXPECT_TRUE(r.stream.isClosed());
    EXPECT_FALSE(r.stream.writing());
    EXPECT_EQ(r.c.received(), k.flushed ? "03 00 00 09 08 02 00 2A 05" : "");

    r.stream.send(q931("08 00 7D"));
    EXPECT_FALSE(r.stream.writing());
    r.c.send(fromHex("03 00 00 07 08 00 7D"));  // reading stopped too
    drainWrites();
    EXPECT_EQ(r.c.received(), "");
    EXPECT_TRUE(r.o.messages.empty());
  }
}

TEST_F(messageStreams, aPacketWithoutHandlerIsNotDecoded) {
  // The second frame is malformed: decoding it would throw.
  for (bool handled : {false, true}) {
    SCOPED_TRACE(handled);
    q931Rig r(handled);
    r.c.send(fromHex("03 00 00 09 08 02 00 2A 05"));
    for (int i = 0; i < 4; ++i) sockEvent::dispatch(0);
    EXPECT_EQ(r.stream.decodes, handled ? 1 : 0);
    EXPECT_EQ(r.o.messages.size(), handled ? 1u : 0u);
    if (handled) continue;
    r.c.send(fromHex("03 00 00 07 08 02 00"));
    for (int i = 0; i < 4; ++i) sockEvent::dispatch(0);
    EXPECT_EQ(r.stream.decodes, 0);
  }
}

TEST_F(messageStreams, aHandlerDeletesItsStream) {
  for (bool byMessage : {true, false}) {
    SCOPED_TRACE(byMessage);
    q931Rig r;
    r.o.deleteStream = true;
    // The second frame waits in the socket for a stream that is gone.
    if (byMessage)
      r.c.send(fromHex("03 00 00 09 08 02 00 2A 05 03 00 00 07 08 00 7D"));
    else
      r.c.closePeer();
    for (int i = 0; i < 4 && r.o.stream; ++i) sockEvent::dispatch(1);
    EXPECT_EQ(r.o.stream, nullptr);
    EXPECT_EQ(r.o.messages.size(), byMessage ? 1u : 0u);
    EXPECT_EQ(r.o.closed, byMessage ? 0 : 1);
    EXPECT_EQ(sockEvent::registrationCount(), baseline);
  }
}

TEST_F(messageStreams, aMalformedFrameRaisesOutOfTheDispatchAndTheStreamGoesOn) {
  // Call reference, Display, User-user without discriminator: each cut short.
  for (const char* frame :
       {"03 00 00 07 08 02 00", "03 00 00 0C 08 02 00 2A 05 28 05 41", "03 00 00 0C 08 02 00 2A 05 7E 00 00"}) {
    SCOPED_TRACE(frame);
    q931Rig r;
    r.c.send(fromHex(frame));
    std::string failure;
    for (int i = 0; i < 4 && failure.empty(); ++i) failure = failureOf([] { sockEvent::dispatch(1); });
    // The packet is freed on the way out: the sanitizer build sees no leak.
    EXPECT_EQ(failure, "Byte stream index out of bounds.");
    EXPECT_TRUE(r.o.messages.empty());
    r.c.send(fromHex("03 00 00 07 08 00 7D"));
    runUntil(r.o, 1);
    EXPECT_EQ(r.o.messages, std::vector<std::string>{"08 00 7D"});
  }
}

TEST_F(messageStreams, aMessageTooLongForOnePacketIsRefusedWhole) {
  q931Rig r;
  Q931::message huge(Q931::message::setup, Q931::callReference(0x2A, true));
  // 263 Display elements of 2 + 249 octets: 66,018 octets with the header.
  for (int i = 0; i < 263; ++i) huge.insertElement(new Q931::display(std::string(249, 'x').c_str()));
  ORVO_EXPECT_THROW(r.stream.send(huge), orvo::tpktStream::payloadTooLong, "TPKT payload too long.");
  EXPECT_FALSE(r.stream.writing());
  r.stream.send(q931("08 00 7D"));
  drainWrites();
  EXPECT_EQ(r.c.received(), "03 00 00 07 08 00 7D");
}

TEST_F(messageStreams, h245CarriesOneDecodedMessagePerPacket) {
  h245Rig r;
  // masterSlaveDetermination: terminal type 190, determination number 0x123456
  // (a 3-octet length "10" before the aligned octets).
  r.c.send(fromHex("03 00 00 0B 01 00 BE 80 12 34 56"));
  runUntil(r.o, 1);
  EXPECT_EQ(r.o.messages, std::vector<std::string>{"01 00 BE 80 12 34 56"});
  EXPECT_EQ(r.stream.decodes, 1);

  H323::h245Message msd;
  perDecode(msd, fromHex("01 00 BE 80 12 34 56"));
  r.stream.send(msd);
  drainWrites();
  EXPECT_EQ(r.c.received(), "03 00 00 0B 01 00 BE 80 12 34 56");
}

}  // namespace
