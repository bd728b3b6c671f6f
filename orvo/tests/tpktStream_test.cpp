#include <orvo/tpktStream.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "externalTool.h"
#include "orvoTesting.h"

namespace {

using orvo::sockEvent;

struct recordingStream : orvo::tpktStream {
  explicit recordingStream(orvo::socket* s) : tpktStream(s) {}
  ~recordingStream() override { *destroyed = true; }

  void onPacket(orvo::byteStream& body) override {
    packets.push_back(std::string(reinterpret_cast<const char*>(body.readPosition()), body.remaining()));
    if (deleteOnPacket) delete this;
  }
  void onClosed() override {
    ++closed;
    closeError = connection->lastError;
    if (deleteOnClosed) {
      delete this;
      return;
    }
    enableRead(false);  // the owner's usual reaction: no more reads
  }

  std::string queued() const {
    return std::string(reinterpret_cast<const char*>(outputQueue.readPosition()), outputQueue.remaining());
  }
  bool writing() const { return writeEvent != nullptr; }
  bool reading() const { return readEvent != nullptr; }
  int state() const { return receiveState; }
  unsigned allocated() const { return outputQueue.allocatedSize(); }
  void onSent() override { sentLeft.push_back(tpktStream::queued()); }
  std::vector<unsigned> sentLeft;
  int headerOctets() const { return headerCount; }

  std::vector<std::string> packets;
  int closed = 0;
  int closeError = -1;
  bool deleteOnPacket = false;
  bool deleteOnClosed = false;
  bool ownFlag = false;
  bool* destroyed = &ownFlag;
};

// Our end is non-blocking, as every owner makes it; the peer's end blocks.
struct connection {
  orvo::socket local;
  int peer = -1;
  connection() {
    int fd[2];
    EXPECT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, fd));
    local.attach(fd[0]);
    local.setNonBlocking(true);
    peer = fd[1];
  }
  ~connection() {
    if (peer != -1) close(peer);
  }
  void send(const std::string& octets) { ASSERT_EQ((ssize_t)octets.size(), write(peer, octets.data(), octets.size())); }
  std::string receive(size_t most) {
    std::string octets(most, '\0');
    ssize_t n = recv(peer, &octets[0], most, MSG_DONTWAIT);
    octets.resize(n > 0 ? (size_t)n : 0);
    return octets;
  }
};

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

orvo::byteStream payload(const std::string& octets) { return orvo::byteStream(octets.data(), (unsigned)octets.size()); }

class tpkt : public ::testing::Test {
protected:
  void SetUp() override { baseline = sockEvent::registrationCount(); }
  void TearDown() override { EXPECT_EQ(baseline, sockEvent::registrationCount()); }
  int baseline = 0;
};

TEST_F(tpkt, headerInThreeReadsAndBodyInTwo) {
  connection c;
  recordingStream stream(&c.local);
  stream.enableRead(true);
  c.send(bytes({3}));
  EXPECT_EQ(1, sockEvent::dispatch(1));
  c.send(bytes({0, 0}));
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ(3, stream.headerOctets());
  c.send(bytes({9}));
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ(1, stream.state());
  c.send("abc");
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_TRUE(stream.packets.empty());
  c.send("de");
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ((std::vector<std::string>{"abcde"}), stream.packets);
  EXPECT_EQ(0, stream.state());
  EXPECT_EQ(0, stream.closed);
}

TEST_F(tpkt, twoPacketsInOneWriteArriveOneStepPerEvent) {
  connection c;
  recordingStream stream(&c.local);
  stream.enableRead(true);
  c.send(bytes({3, 0, 0, 6}) + "ab" + bytes({3, 0, 0, 7}) + "cde");
  sockEvent::dispatch(1);
  // The first step stops at the end of the first header.
  EXPECT_EQ(1, stream.state());
  EXPECT_TRUE(stream.packets.empty());
  sockEvent::dispatch(1);
  EXPECT_EQ((std::vector<std::string>{"ab"}), stream.packets);
  sockEvent::dispatch(1);
  sockEvent::dispatch(1);
  EXPECT_EQ((std::vector<std::string>{"ab", "cde"}), stream.packets);
}

TEST_F(tpkt, emptyPacketIsDropped) {
  connection c;
  recordingStream stream(&c.local);
  stream.enableRead(true);
  c.send(bytes({3, 0, 0, 4, 3, 0x7F, 0, 5}) + "z");
  for (int i = 0; i < 4; ++i) sockEvent::dispatch(0);
  // The reserved octet is not checked.
  EXPECT_EQ((std::vector<std::string>{"z"}), stream.packets);
}

TEST_F(tpkt, invalidHeadersThrow) {
  for (const std::string& header : {bytes({3, 0, 0, 3}), bytes({2, 0, 0, 0x10}), bytes({3, 0, 0, 0})}) {
    connection c;
    recordingStream stream(&c.local);
    stream.enableRead(true);
    c.send(header);
    ORVO_EXPECT_THROW(sockEvent::dispatch(1), orvo::tpktStream::invalidHeader, "Invalid TPKT header received.");
    EXPECT_EQ(4, stream.headerOctets());
    // A stream that survives it reads nothing more: its next event ends it.
    c.send(bytes({3, 0, 0, 5}) + "q");
    sockEvent::dispatch(1);
    EXPECT_EQ(1, stream.closed);
    EXPECT_TRUE(stream.packets.empty());
  }
}

TEST_F(tpkt, invalidHeaderIsATpktException) {
  connection c;
  recordingStream stream(&c.local);
  stream.enableRead(true);
  c.send(bytes({4, 0, 0, 8}));
  ORVO_EXPECT_THROW(sockEvent::dispatch(1), orvo::tpktStream::exception, "Invalid TPKT header received.");
}

TEST_F(tpkt, peerClosingMidBodyClosesOnce) {
  connection c;
  recordingStream stream(&c.local);
  stream.enableRead(true);
  c.send(bytes({3, 0, 0, 9}) + "ab");
  sockEvent::dispatch(1);
  sockEvent::dispatch(1);
  close(c.peer);
  c.peer = -1;
  for (int i = 0; i < 3; ++i) sockEvent::dispatch(0);
  EXPECT_EQ(1, stream.closed);
  EXPECT_EQ(0, stream.closeError);
  EXPECT_TRUE(stream.packets.empty());
  EXPECT_EQ(0, stream.state());
}

// Two descriptors of one socket, both watched: one byte makes both ready,
// the first takes it and the second finds nothing. That is no close.
TEST_F(tpkt, readinessWithNothingToReadIsNoClose) {
  connection c;
  orvo::socket twin;
  twin.attach(dup(c.local.fd));
  recordingStream first(&c.local), second(&twin);
  first.enableRead(true);
  second.enableRead(true);
  c.send(bytes({3}));
  EXPECT_EQ(2, sockEvent::dispatch(1));
  EXPECT_EQ(0, first.closed);
  EXPECT_EQ(0, second.closed);
  EXPECT_EQ(1, first.headerOctets() + second.headerOctets());
  recordingStream& waiting = first.headerOctets() ? first : second;
  recordingStream& other = first.headerOctets() ? second : first;
  other.enableRead(false);
  c.send(bytes({0, 0, 6}) + "ab");
  for (int i = 0; i < 3; ++i) sockEvent::dispatch(1);
  EXPECT_EQ((std::vector<std::string>{"ab"}), waiting.packets);
  EXPECT_EQ(0, waiting.closed);
}

TEST_F(tpkt, streamDeletedInsideItsCallbacks) {
  {
    connection c;
    bool destroyed = false;
    recordingStream* stream = new recordingStream(&c.local);
    stream->destroyed = &destroyed;
    stream->deleteOnPacket = true;
    stream->enableRead(true);
    stream->send(payload("out"));
    c.send(bytes({3, 0, 0, 5}) + "x" + bytes({3, 0, 0, 5}) + "y");
    for (int i = 0; i < 4 && !destroyed; ++i) sockEvent::dispatch(1);
    EXPECT_TRUE(destroyed);
  }
  {
    connection c;
    bool destroyed = false;
    recordingStream* stream = new recordingStream(&c.local);
    stream->destroyed = &destroyed;
    stream->deleteOnClosed = true;
    stream->enableRead(true);
    c.send(bytes({3, 0, 0, 9}) + "ab");
    close(c.peer);
    c.peer = -1;
    for (int i = 0; i < 4 && !destroyed; ++i) sockEvent::dispatch(1);
    EXPECT_TRUE(destroyed);
  }
}

TEST_F(tpkt, sendQueuesOneFramedPacket) {
  connection c;
  recordingStream stream(&c.local);
  stream.send(payload("0123456789"));
  EXPECT_EQ(bytes({3, 0, 0, 0x0E}) + "0123456789", stream.queued());
  EXPECT_TRUE(stream.writing());
  stream.send(orvo::byteStream(128));
  EXPECT_EQ(bytes({3, 0, 0, 0x0E}) + "0123456789" + bytes({3, 0, 0, 4}), stream.queued());
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_FALSE(stream.writing());
  EXPECT_EQ(bytes({3, 0, 0, 0x0E}) + "0123456789" + bytes({3, 0, 0, 4}), c.receive(100));
}

TEST_F(tpkt, oversizedPayloadIsRefused) {
  connection c;
  recordingStream stream(&c.local);
  std::string large(65532, 'L');
  ORVO_EXPECT_THROW(stream.send(payload(large)), orvo::tpktStream::payloadTooLong, "TPKT payload too long.");
  EXPECT_EQ("", stream.queued());
  EXPECT_FALSE(stream.writing());
  large.resize(65531);
  stream.send(payload(large));
  EXPECT_EQ(bytes({3, 0, 0xFF, 0xFF}), stream.queued().substr(0, 4));
  EXPECT_EQ(65535u, stream.queued().size());
  EXPECT_FALSE(orvo::tpktStream::writePacket(&c.local, payload(large + "L")));
  EXPECT_EQ("", c.receive(10));
}

TEST_F(tpkt, partialSendResumes) {
  connection c;
  int small = 4096;
  setsockopt(c.local.fd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
  setsockopt(c.peer, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  recordingStream stream(&c.local);
  std::string body;
  for (int i = 0; i < 60000; ++i) body += (char)('a' + i % 26);
  stream.send(payload(body));
  EXPECT_EQ(1, sockEvent::dispatch(1));
  size_t left = stream.queued().size();
  EXPECT_GT(left, 0u);
  EXPECT_LT(left, body.size() + 4);
  EXPECT_TRUE(stream.writing());
  std::string received;
  for (int i = 0; i < 10000 && stream.writing(); ++i) {
    received += c.receive(65536);
    sockEvent::dispatch(0);
  }
  EXPECT_FALSE(stream.writing());
  for (int i = 0; i < 100 && received.size() < body.size() + 4; ++i) received += c.receive(65536);
  EXPECT_EQ(bytes({3, 0, 0xEA, 0x64}) + body, received);
}

// A peer that reads slowly while more is queued: the queue never empties,
// yet its buffer holds no more than what is waiting and what comes next.
TEST_F(tpkt, aQueueThatNeverEmptiesReusesWhatWasSent) {
  connection c;
  int small = 4096;
  setsockopt(c.local.fd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
  setsockopt(c.peer, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  recordingStream stream(&c.local);
  const std::string body(16000, 'q');
  const unsigned frames = 200, frame = 16004;
  std::string received;
  unsigned sent = 0, largest = 0;
  for (int i = 0; i < 100000 && sent < frames; ++i) {
    if (stream.tpktStream::queued() < 20000) {
      stream.send(payload(body));
      ++sent;
    }
    sockEvent::dispatch(0);
    ASSERT_GT(stream.tpktStream::queued(), 0u) << "emptied after " << sent;
    largest = std::max(largest, stream.allocated());
    received += c.receive(65536);
  }
  ASSERT_EQ(frames, sent);
  EXPECT_LT(largest, 4 * frame) << "of " << frames * frame << " octets queued in all";
  for (int i = 0; i < 100000 && stream.writing(); ++i) {
    received += c.receive(65536);
    sockEvent::dispatch(0);
  }
  for (int i = 0; i < 100 && received.size() < frames * frame; ++i) received += c.receive(65536);
  ASSERT_EQ(frames * frame, received.size());
  EXPECT_EQ(bytes({3, 0, 0x3E, 0x84}) + body, received.substr((frames - 1) * frame));
}

TEST_F(tpkt, eachSendReportsWhatIsLeftAndADroppedQueueStopsWriting) {
  connection c;
  int small = 4096;
  setsockopt(c.local.fd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
  setsockopt(c.peer, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  recordingStream stream(&c.local);
  stream.send(payload(std::string(60000, 'd')));
  EXPECT_EQ(60004u, stream.tpktStream::queued());
  sockEvent::dispatch(0);
  ASSERT_EQ(1u, stream.sentLeft.size());
  EXPECT_GT(stream.sentLeft[0], 0u);
  EXPECT_LT(stream.sentLeft[0], 60004u);
  EXPECT_EQ(stream.sentLeft[0], stream.tpktStream::queued());
  stream.discardOutput();
  EXPECT_EQ(0u, stream.tpktStream::queued());
  EXPECT_FALSE(stream.writing());
  const std::string taken = c.receive(65536);
  EXPECT_EQ(60004u - stream.sentLeft[0], taken.size()) << "nothing more after the drop";
  sockEvent::dispatch(0);
  EXPECT_EQ(1u, stream.sentLeft.size());
  EXPECT_EQ("", c.receive(65536));
  stream.send(payload("x"));
  sockEvent::dispatch(0);
  EXPECT_EQ(bytes({3, 0, 0, 5}) + "x", c.receive(100));
  EXPECT_EQ((std::vector<unsigned>{stream.sentLeft[0], 0u}), stream.sentLeft);
}

TEST_F(tpkt, flushGivesUpAtItsDeadline) {
  connection c;
  int small = 4096;
  setsockopt(c.local.fd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
  recordingStream stream(&c.local);
  stream.send(payload(std::string(60000, 'f')));
  auto start = std::chrono::steady_clock::now();
  stream.flush(1);
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(elapsed.count(), 900);
  EXPECT_LT(elapsed.count(), 3000);
  EXPECT_GT(stream.queued().size(), 0u);
  EXPECT_EQ(EAGAIN, c.local.lastError);
  EXPECT_TRUE(stream.writing());
}

TEST_F(tpkt, flushDrainsWithoutTouchingTheWriteEvent) {
  connection c;
  recordingStream stream(&c.local);
  stream.send(payload("abc"));
  stream.flush(5);
  EXPECT_EQ("", stream.queued());
  EXPECT_TRUE(stream.writing());
  EXPECT_EQ(bytes({3, 0, 0, 7}) + "abc", c.receive(100));
  sockEvent::dispatch(1);
  EXPECT_FALSE(stream.writing());
  EXPECT_EQ("", c.receive(100));
}

TEST_F(tpkt, flushStopsAtAHardError) {
  connection c;
  recordingStream stream(&c.local);
  stream.send(payload("abc"));
  close(c.peer);
  c.peer = -1;
  auto start = std::chrono::steady_clock::now();
  stream.flush(5);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << "well before the 5 s deadline";
  EXPECT_EQ(EPIPE, c.local.lastError);
  EXPECT_EQ(bytes({3, 0, 0, 7}) + "abc", stream.queued());
}

TEST_F(tpkt, resetPeerClearsTheQueue) {
  orvo::socket server(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = orvo::defaultAddress;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(server.fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(server.fd, reinterpret_cast<sockaddr*>(&address), &length);
  listen(server.fd, 1);
  orvo::socket client(AF_INET, SOCK_STREAM, 0);
  ASSERT_EQ(0, connect(client.fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
  orvo::socket accepted;
  accepted.attach(server.accept());
  linger abort = {1, 0};
  setsockopt(accepted.fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  accepted.close();  // the peer answers with a reset
  pollfd reset = {client.fd, POLLIN, 0};
  ASSERT_EQ(1, poll(&reset, 1, 5000)) << "the reset arrives";
  client.setNonBlocking(true);
  recordingStream stream(&client);
  stream.send(payload("lost"));
  sockEvent::dispatch(1);
  EXPECT_EQ(1, stream.closed);
  EXPECT_EQ(ECONNRESET, stream.closeError);
  EXPECT_EQ("", stream.queued());
  // The write event stays until the owner reacts; with nothing left to
  // send, the next one only switches writing off.
  EXPECT_TRUE(stream.writing());
  sockEvent::dispatch(1);
  EXPECT_FALSE(stream.writing());
  EXPECT_EQ(1, stream.closed);
}

TEST_F(tpkt, peerAddressOfAConnection) {
  orvo::socket server(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = orvo::defaultAddress;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(server.fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(server.fd, reinterpret_cast<sockaddr*>(&address), &length);
  listen(server.fd, 1);
  orvo::socket client(AF_INET, SOCK_STREAM, 0);
  ASSERT_EQ(0, connect(client.fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
  recordingStream stream(&client);
  EXPECT_TRUE(stream.peerAddress() == address);
  EXPECT_EQ(0, client.lastError);
  int value = 0;
  length = sizeof value;
  getsockopt(client.fd, SOL_SOCKET, SO_KEEPALIVE, &value, &length);
  EXPECT_EQ(1, value);

  orvo::socket unconnected(AF_INET, SOCK_STREAM, 0);
  recordingStream lonely(&unconnected);
  EXPECT_TRUE(lonely.peerAddress() == orvo::defaultAddress);
  EXPECT_EQ(ENOTCONN, unconnected.lastError);
}

TEST_F(tpkt, blockingPacketTransfer) {
  connection c;
  c.local.setNonBlocking(false);
  orvo::socket peer;
  peer.attach(c.peer);
  c.peer = -1;
  EXPECT_TRUE(orvo::tpktStream::writePacket(&peer, payload("hello")));
  EXPECT_TRUE(orvo::tpktStream::writePacket(&peer, orvo::byteStream(128)));
  orvo::byteStream in(128);
  in.write("<", 1);
  EXPECT_TRUE(orvo::tpktStream::readPacket(&c.local, in));
  EXPECT_EQ("<hello", std::string(reinterpret_cast<const char*>(in.buffer()), in.length()));
  EXPECT_TRUE(orvo::tpktStream::readPacket(&c.local, in));
  EXPECT_EQ(6u, in.length());

  ASSERT_EQ(4, peer.writeAll("\x03\x00\x00\x03", 4));
  EXPECT_FALSE(orvo::tpktStream::readPacket(&c.local, in));
  ASSERT_EQ(4, peer.writeAll("\x02\x00\x00\x05", 4));
  EXPECT_FALSE(orvo::tpktStream::readPacket(&c.local, in));
  peer.writeAll("z", 1);  // the body of the refused packet
  char skipped;
  c.local.readExactly(&skipped, 1);

  // A body cut short leaves the output as it was.
  ASSERT_EQ(6, peer.writeAll("\x03\x00\x00\x08xy", 6));
  peer.close();
  EXPECT_FALSE(orvo::tpktStream::readPacket(&c.local, in));
  EXPECT_EQ("<hello", std::string(reinterpret_cast<const char*>(in.buffer()), in.length()));
  EXPECT_FALSE(orvo::tpktStream::readPacket(&c.local, in));
}

// Frames read back by tshark's own TPKT dissector, one TCP segment each.
TEST_F(tpkt, framesReadByAnIndependentDecoder) {
  ORVO_REQUIRE_TOOL(externalTool::onPath("tshark") && externalTool::onPath("text2pcap"), "tshark or text2pcap");
  std::vector<std::string> frames;
  for (size_t size : {10u, 0u, 300u}) {
    connection c;
    recordingStream stream(&c.local);
    stream.send(payload(std::string(size, 'p')));
    frames.push_back(stream.queued());
  }
  char directory[] = "/tmp/tpktXXXXXX";
  ASSERT_NE(nullptr, mkdtemp(directory));
  std::string text = std::string(directory) + "/frames.txt", capture = std::string(directory) + "/frames.pcap";
  FILE* out = fopen(text.c_str(), "w");
  ASSERT_NE(nullptr, out);
  for (const std::string& frame : frames) {
    for (size_t i = 0; i < frame.size(); ++i) {
      if (i % 16 == 0) fprintf(out, "%s%06zx", i ? "\n" : "", i);
      fprintf(out, " %02x", (unsigned char)frame[i]);
    }
    fprintf(out, "\n");
  }
  fclose(out);
  std::string command = "text2pcap -q -T 40000,1720 " + text + " " + capture + " 2>/dev/null && tshark -r " + capture +
                        " -d tcp.port==1720,tpkt -T fields -e tpkt.version -e tpkt.reserved -e tpkt.length 2>/dev/null";
  FILE* decoder = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, decoder);
  std::string decoded;
  char line[256];
  while (fgets(line, sizeof line, decoder)) decoded += line;
  pclose(decoder);
  unlink(text.c_str());
  unlink(capture.c_str());
  rmdir(directory);
  EXPECT_EQ("3\t0\t14\n3\t0\t4\n3\t0\t304\n", decoded);
}

}  // namespace
