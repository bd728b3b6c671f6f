#include <orvo/socket.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "orvoTesting.h"

namespace {

sockaddr_in address(const char* dotted, unsigned short port) {
  sockaddr_in a = orvo::defaultAddress;
  a.sin_addr.s_addr = inet_addr(dotted);
  a.sin_port = htons(port);
  return a;
}

// A listener on 127.0.0.1 with an ephemeral port.
orvo::socket listener(sockaddr_in& bound) {
  orvo::socket s(AF_INET, SOCK_STREAM, 0);
  bound = address("127.0.0.1", 0);
  EXPECT_EQ(0, bind(s.fd, reinterpret_cast<sockaddr*>(&bound), sizeof bound));
  socklen_t length = sizeof bound;
  getsockname(s.fd, reinterpret_cast<sockaddr*>(&bound), &length);
  EXPECT_EQ(0, listen(s.fd, 4));
  return s;
}

TEST(socketAddress, constantsHoldTheirAddresses) {
  EXPECT_EQ(AF_INET, orvo::defaultAddress.sin_family);
  EXPECT_EQ(0u, orvo::defaultAddress.sin_addr.s_addr);
  EXPECT_EQ(0, orvo::defaultAddress.sin_port);
  EXPECT_EQ(AF_INET, orvo::noAddress.sin_family);
  EXPECT_EQ(0xFFFFFFFFu, orvo::noAddress.sin_addr.s_addr);
  EXPECT_EQ(0, orvo::noAddress.sin_port);
  EXPECT_EQ(&orvo::noAddress, &orvo::nullAddress);
  EXPECT_EQ("0.0.0.0:0", toStd(orvo::toText(orvo::defaultAddress)));
  EXPECT_EQ("255.255.255.255:0", toStd(orvo::toText(orvo::nullAddress)));
}

TEST(socketAddress, equalityIgnoresPadding) {
  sockaddr_in a = address("10.0.0.1", 1720), b = a;
  memset(b.sin_zero, 0x5A, sizeof b.sin_zero);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  b.sin_port = htons(1721);
  EXPECT_FALSE(a == b);
  b = a;
  b.sin_addr.s_addr = inet_addr("10.0.0.2");
  EXPECT_TRUE(a != b);
  b = a;
  b.sin_family = AF_INET6;
  EXPECT_TRUE(a != b);
}

TEST(socketAddress, orderIsAddressThenPortInHostOrder) {
  EXPECT_TRUE(address("10.0.0.2", 1) > address("10.0.0.1", 65535));
  EXPECT_TRUE(address("10.0.0.1", 65535) < address("10.0.0.2", 1));
  EXPECT_TRUE(address("10.0.0.1", 1720) > address("10.0.0.1", 1719));
  EXPECT_FALSE(address("10.0.0.1", 1720) > address("10.0.0.1", 1720));
  EXPECT_FALSE(address("10.0.0.1", 1720) < address("10.0.0.1", 1720));
  // Network byte order would put 1.0.0.2 above 2.0.0.1.
  EXPECT_TRUE(address("2.0.0.1", 0) > address("1.0.0.2", 0));
  // 256 is 0x0100: in network order its low byte would compare first.
  EXPECT_TRUE(address("10.0.0.1", 256) > address("10.0.0.1", 255));
}

TEST(socketAddress, textForm) {
  EXPECT_EQ("10.0.0.1:1720", toStd(orvo::toText(address("10.0.0.1", 1720))));
  EXPECT_EQ("192.168.200.254:65535", toStd(orvo::toText(address("192.168.200.254", 65535))));
}

TEST(socketAddress, parseHostAndPort) {
  sockaddr_in out;
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1", out, 1720));
  EXPECT_EQ("10.0.0.1:1720", toStd(orvo::toText(out)));
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1:1719", out, 1720));
  EXPECT_EQ("10.0.0.1:1719", toStd(orvo::toText(out)));
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1:", out, 1720));
  EXPECT_EQ("10.0.0.1:0", toStd(orvo::toText(out)));
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1:70000", out, 1720));
  EXPECT_EQ("10.0.0.1:4464", toStd(orvo::toText(out)));
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1: +80", out, 1720));
  EXPECT_EQ("10.0.0.1:80", toStd(orvo::toText(out)));
  // As a 32-bit strtoul: -1 is 0xFFFFFFFF, and larger values saturate there.
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1:-1", out, 1720));
  EXPECT_EQ("10.0.0.1:65535", toStd(orvo::toText(out)));
  EXPECT_TRUE(orvo::parseAddress("10.0.0.1:4294967296", out, 1720));
  EXPECT_EQ("10.0.0.1:65535", toStd(orvo::toText(out)));
  EXPECT_TRUE(orvo::parseAddress("localhost:5", out, 1720));
  EXPECT_EQ("127.0.0.1:5", toStd(orvo::toText(out)));
  EXPECT_EQ(AF_INET, out.sin_family);
}

TEST(socketAddress, parseRefusesBadText) {
  sockaddr_in out;
  EXPECT_FALSE(orvo::parseAddress("10.0.0.1:1719x", out, 1720));
  EXPECT_FALSE(orvo::parseAddress("10.0.0.1:x", out, 1720));
  EXPECT_FALSE(orvo::parseAddress("10.0.0.1:+", out, 1720));
  EXPECT_FALSE(orvo::parseAddress("10.0.0.1:--1", out, 1720));
  EXPECT_FALSE(orvo::parseAddress("host.invalid:1720", out, 1720));
  EXPECT_FALSE(orvo::parseAddress(":1720", out, 1720));
}

TEST(socketAddress, localAddressAnswersAnAddress) {
  in_addr out;
  out.s_addr = 0;
  bool found = orvo::localAddress(out);
  if (!found)
    EXPECT_EQ(htonl(INADDR_LOOPBACK), out.s_addr);
  else
    EXPECT_NE(0u, out.s_addr);
}

TEST(socketAddress, resolveFailureTexts) {
  ORVO_EXPECT_THROW(throw new orvo::xresolvehost(orvo::string("gk.example")), orvo::xresolvehost,
                    "Bad host name 'gk.example' or ip address.");
  ORVO_EXPECT_THROW(throw new orvo::xresolvehost(), orvo::xresolvehost, "Bad host name or ip address.");
}

TEST(socket, defaultHasNoDescriptor) {
  orvo::socket s;
  EXPECT_EQ(-1, s.fd);
  EXPECT_EQ(EBADF, s.lastError);
  EXPECT_FALSE(s.close());
  EXPECT_EQ(EBADF, s.lastError);
}

TEST(socket, closeTwiceReportsBadDescriptor) {
  orvo::socket s(AF_INET, SOCK_DGRAM, 0);
  ASSERT_NE(-1, s.fd);
  EXPECT_EQ(0, s.lastError);
  int fd = s.fd;
  EXPECT_TRUE(s.close());
  EXPECT_EQ(-1, s.fd);
  EXPECT_EQ(-1, fcntl(fd, F_GETFD));
  EXPECT_FALSE(s.close());
  EXPECT_EQ(EBADF, s.lastError);
}

TEST(socket, failedCreationKeepsErrno) {
  orvo::socket s(-1, SOCK_STREAM, 0);
  EXPECT_EQ(-1, s.fd);
  EXPECT_EQ(EAFNOSUPPORT, s.lastError);
}

TEST(socket, borrowedCopyLeavesDescriptorOpen) {
  orvo::socket s(AF_INET, SOCK_DGRAM, 0);
  {
    orvo::socket copy(s);
    EXPECT_EQ(s.fd, copy.fd);
    EXPECT_EQ(0, copy.owns);
    EXPECT_TRUE(copy.close());
    EXPECT_EQ(-1, copy.fd);
  }
  EXPECT_NE(-1, fcntl(s.fd, F_GETFD));
  EXPECT_TRUE(s.setNonBlocking(true));
}

TEST(socket, assignmentsAreSafeOnThemselves) {
  orvo::socket s(AF_INET, SOCK_DGRAM, 0);
  int fd = s.fd;
  orvo::socket& alias = s;
  s = alias;
  EXPECT_EQ(fd, s.fd);
  EXPECT_EQ(1, s.owns);
  s = std::move(alias);
  EXPECT_EQ(fd, s.fd);
  EXPECT_EQ(1, s.owns);
  EXPECT_NE(-1, fcntl(fd, F_GETFD));
}

TEST(socket, moveTakesOwnershipAndCopyAssignmentBorrows) {
  orvo::socket target;
  int fd;
  {
    orvo::socket source(AF_INET, SOCK_DGRAM, 0);
    fd = source.fd;
    target = std::move(source);
    EXPECT_EQ(-1, source.fd);
  }
  EXPECT_EQ(fd, target.fd);
  EXPECT_NE(-1, fcntl(fd, F_GETFD));
  {
    orvo::socket view;
    view = target;
    EXPECT_EQ(0, view.owns);
  }
  EXPECT_NE(-1, fcntl(fd, F_GETFD));
  // Replacing an owned descriptor closes it.
  target = orvo::socket(AF_INET, SOCK_DGRAM, 0);
  EXPECT_EQ(-1, fcntl(fd, F_GETFD));
}

TEST(socket, releaseHandsTheDescriptorOver) {
  int fd;
  orvo::socket owner;
  {
    orvo::socket accepted(AF_INET, SOCK_DGRAM, 0);
    fd = accepted.release();
    owner.attach(fd);
  }
  EXPECT_EQ(fd, owner.fd);
  EXPECT_NE(-1, fcntl(fd, F_GETFD));
  EXPECT_TRUE(owner.close());
  EXPECT_EQ(-1, fcntl(fd, F_GETFD));
}

TEST(socket, nonBlockingAndKeepAlive) {
  orvo::socket s(AF_INET, SOCK_STREAM, 0);
  EXPECT_TRUE(s.setNonBlocking(true));
  EXPECT_TRUE(fcntl(s.fd, F_GETFL) & O_NONBLOCK);
  EXPECT_TRUE(s.setNonBlocking(false));
  EXPECT_FALSE(fcntl(s.fd, F_GETFL) & O_NONBLOCK);
  EXPECT_TRUE(s.setKeepAlive(true));
  int value = 0;
  socklen_t length = sizeof value;
  getsockopt(s.fd, SOL_SOCKET, SO_KEEPALIVE, &value, &length);
  EXPECT_EQ(1, value);
  orvo::socket none;
  EXPECT_FALSE(none.setKeepAlive(true));
  EXPECT_EQ(EBADF, none.lastError);
  EXPECT_FALSE(none.setNonBlocking(true));
  EXPECT_EQ(EBADF, none.lastError);
}

TEST(socket, acceptReportsThePeer) {
  sockaddr_in bound;
  orvo::socket server = listener(bound);
  orvo::socket client(AF_INET, SOCK_STREAM, 0);
  ASSERT_EQ(0, connect(client.fd, reinterpret_cast<sockaddr*>(&bound), sizeof bound));
  sockaddr_in peer = orvo::noAddress;
  orvo::socket accepted;
  accepted.attach(server.accept(peer));
  ASSERT_NE(-1, accepted.fd);
  EXPECT_EQ(0, server.lastError);
  sockaddr_in local;
  socklen_t length = sizeof local;
  getsockname(client.fd, reinterpret_cast<sockaddr*>(&local), &length);
  EXPECT_TRUE(peer == local);

  server.setNonBlocking(true);
  EXPECT_EQ(-1, server.accept());
  EXPECT_EQ(EAGAIN, server.lastError);
}

TEST(socket, readExactlyStopsAtEndOfStream) {
  int pair[2];
  ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
  orvo::socket reader, writer;
  reader.attach(pair[0]);
  writer.attach(pair[1]);
  EXPECT_EQ(2, writer.writeAll("ab", 2));
  writer.close();
  char buffer[4];
  EXPECT_EQ(2, reader.readExactly(buffer, 4));
  EXPECT_EQ(0, reader.lastError);
  EXPECT_EQ(0, memcmp(buffer, "ab", 2));
}

TEST(socket, readExactlyCollectsSeveralWrites) {
  int pair[2];
  ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
  orvo::socket reader, writer;
  reader.attach(pair[0]);
  writer.attach(pair[1]);
  writer.writeAll("ab", 2);
  writer.writeAll("cd", 2);
  char buffer[4];
  EXPECT_EQ(4, reader.readExactly(buffer, 4));
  EXPECT_EQ(0, memcmp(buffer, "abcd", 4));
}

TEST(socket, writeToClosedPeerFailsWithoutSignal) {
  int pair[2];
  ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
  orvo::socket writer;
  writer.attach(pair[1]);
  close(pair[0]);
  // SIGPIPE keeps its default action here: a raised one would end the test.
  EXPECT_EQ(0, writer.writeAll("abc", 3));
  EXPECT_EQ(EPIPE, writer.lastError);
}

}  // namespace
