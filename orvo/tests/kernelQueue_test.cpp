// The kernel-queue layer on its own: kqueue's registration model over epoll.
#include "../src/kernelQueue.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using orvo::kernelQueue;

struct pairOfSockets {
  int fd[2];
  pairOfSockets() { EXPECT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, fd)); }
  ~pairOfSockets() {
    for (int d : fd)
      if (d != -1) close(d);
  }
};

int tag[4];

TEST(kernelQueue, emptyQueueStillSleepsForTheTimeout) {
  kernelQueue q;
  ASSERT_TRUE(q.valid());
  kernelQueue::ready out[1];
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(0, q.wait(out, 0, 200));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
}

TEST(kernelQueue, readAndWriteAreSeparateRegistrations) {
  kernelQueue q;
  pairOfSockets p;
  ASSERT_EQ(1, write(p.fd[1], "x", 1));
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::readFilter, &tag[0]));
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::writeFilter, &tag[1]));
  kernelQueue::ready out[4];
  ASSERT_EQ(2, q.wait(out, 4, 1000));
  EXPECT_EQ(&tag[0], out[0].udata);
  EXPECT_EQ(&tag[1], out[1].udata);
  EXPECT_FALSE(out[0].endOfFile || out[0].error || out[1].endOfFile || out[1].error);
  // The batch never exceeds the room given.
  EXPECT_EQ(1, q.wait(out, 1, 1000));
  // Taking the read side away leaves the write side.
  EXPECT_EQ(0, q.remove(p.fd[0], kernelQueue::readFilter, &tag[0]));
  ASSERT_EQ(1, q.wait(out, 4, 1000));
  EXPECT_EQ(&tag[1], out[0].udata);
  EXPECT_EQ(0, q.remove(p.fd[0], kernelQueue::writeFilter, &tag[1]));
  EXPECT_EQ(0, q.wait(out, 4, 10));
}

TEST(kernelQueue, addingAPairAgainReplacesItsPointer) {
  kernelQueue q;
  pairOfSockets p;
  ASSERT_EQ(1, write(p.fd[1], "x", 1));
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::readFilter, &tag[0]));
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::readFilter, &tag[2]));
  kernelQueue::ready out[4];
  ASSERT_EQ(1, q.wait(out, 4, 1000));
  EXPECT_EQ(&tag[2], out[0].udata);
  // The replaced registration is gone; taking it away touches nothing else.
  EXPECT_EQ(-1, q.remove(p.fd[0], kernelQueue::readFilter, &tag[0]));
  EXPECT_EQ(EBADF, errno);
  EXPECT_EQ(1, q.wait(out, 4, 1000));
  EXPECT_EQ(0, q.remove(p.fd[0], kernelQueue::readFilter, &tag[2]));
}

TEST(kernelQueue, hangUpReachesEveryRegistration) {
  kernelQueue q;
  pairOfSockets p;
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::readFilter, &tag[0]));
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::priorityFilter, &tag[2]));
  close(p.fd[1]);
  p.fd[1] = -1;
  kernelQueue::ready out[4];
  ASSERT_EQ(2, q.wait(out, 4, 1000));
  EXPECT_TRUE(out[0].endOfFile);
  EXPECT_TRUE(out[1].endOfFile);
}

TEST(kernelQueue, refusedConnectIsEndOfFileWithError) {
  kernelQueue q;
  int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in target = {};
  target.sin_family = AF_INET;
  target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(probe, reinterpret_cast<sockaddr*>(&target), sizeof target);
  socklen_t length = sizeof target;
  getsockname(probe, reinterpret_cast<sockaddr*>(&target), &length);
  close(probe);
  int s = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
  connect(s, reinterpret_cast<sockaddr*>(&target), sizeof target);
  ASSERT_EQ(0, q.add(s, kernelQueue::writeFilter, &tag[1]));
  kernelQueue::ready out[2];
  ASSERT_EQ(1, q.wait(out, 2, 2000));
  EXPECT_TRUE(out[0].endOfFile);
  EXPECT_TRUE(out[0].error);
  close(s);
}

TEST(kernelQueue, closedDescriptorsLeaveNothingBehind) {
  kernelQueue q;
  pairOfSockets first;
  int number = first.fd[0];
  ASSERT_EQ(0, q.add(number, kernelQueue::readFilter, &tag[0]));
  ASSERT_EQ(0, q.add(number, kernelQueue::writeFilter, &tag[1]));
  close(number);
  first.fd[0] = -1;
  // The number comes back for another socket, registered afresh.
  pairOfSockets second;
  int reused = second.fd[0] == number ? 0 : 1;
  ASSERT_EQ(number, second.fd[reused]);
  ASSERT_EQ(0, q.add(number, kernelQueue::readFilter, &tag[2]));
  // Taking the closed socket's registrations away reports the close and
  // leaves the new one alone.
  EXPECT_EQ(-1, q.remove(number, kernelQueue::writeFilter, &tag[1]));
  EXPECT_EQ(EBADF, errno);
  EXPECT_EQ(-1, q.remove(number, kernelQueue::readFilter, &tag[0]));
  EXPECT_EQ(EBADF, errno);
  ASSERT_EQ(1, write(second.fd[1 - reused], "z", 1));
  kernelQueue::ready out[4];
  ASSERT_EQ(1, q.wait(out, 4, 1000));
  EXPECT_EQ(&tag[2], out[0].udata);
  EXPECT_EQ(0, q.remove(number, kernelQueue::readFilter, &tag[2]));
}

TEST(kernelQueue, removalOfAClosedDescriptorIsBadDescriptor) {
  kernelQueue q;
  pairOfSockets p;
  ASSERT_EQ(0, q.add(p.fd[0], kernelQueue::readFilter, &tag[0]));
  close(p.fd[0]);
  int fd = p.fd[0];
  p.fd[0] = -1;
  EXPECT_EQ(-1, q.remove(fd, kernelQueue::readFilter, &tag[0]));
  EXPECT_EQ(EBADF, errno);
}

TEST(kernelQueue, wakeEndsTheWaitWithInterruption) {
  kernelQueue q;
  kernelQueue::ready out[1];
  kernelQueue::wake(q.wakeDescriptor());
  kernelQueue::wake(q.wakeDescriptor());
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(-1, q.wait(out, 0, 5000));
  EXPECT_EQ(EINTR, errno);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  // Both wake-ups were used up by the one interruption.
  EXPECT_EQ(0, q.wait(out, 0, 10));
}

TEST(kernelQueue, badArgumentsAreRefused) {
  kernelQueue q;
  EXPECT_EQ(-1, q.add(-1, kernelQueue::readFilter, &tag[0]));
  EXPECT_EQ(EBADF, errno);
  pairOfSockets p;
  EXPECT_EQ(-1, q.add(p.fd[0], kernelQueue::readFilter, nullptr));
  EXPECT_EQ(EINVAL, errno);
  EXPECT_EQ(-1, q.remove(p.fd[0], kernelQueue::readFilter, &tag[0]));
  EXPECT_EQ(EBADF, errno);
}

}  // namespace
