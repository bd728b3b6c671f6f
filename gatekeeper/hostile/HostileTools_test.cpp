// The tools of the hostile-traffic run, on hand-worked values: the edits
// that damage messages, the reading of /proc, the frames and the forged
// RADIUS authenticator.
#include <gtest/gtest.h>

#include <unistd.h>

#include <set>

#include "ConnectionAbuse.h"
#include "DatagramMutator.h"
#include "LibraryTurn.h"
#include "ProcessFigures.h"
#include "RadiusAnswerer.h"
#include "RasTemplate.h"
#include "fakeRadiusServer.h"

TEST(HostileTools, EditsOfAMessage) {
  const octets m = {0x10, 0x20, 0x30, 0x40};
  const struct {
    const char* what;
    octets got, expected;
  } cases[] = {
      {"truncated to 2", Truncated(m, 2), {0x10, 0x20}},
      {"truncated to 0", Truncated(m, 0), {}},
      {"truncated beyond the end", Truncated(m, 9), m},
      {"first bit (most significant of octet 0)", WithBitFlipped(m, 0), {0x90, 0x20, 0x30, 0x40}},
      {"bit 15 (least significant of octet 1)", WithBitFlipped(m, 15), {0x10, 0x21, 0x30, 0x40}},
      {"bit 31", WithBitFlipped(m, 31), {0x10, 0x20, 0x30, 0x41}},
      {"bit beyond the end", WithBitFlipped(m, 32), m},
      {"inserted at 1", WithInserted(m, 1, {0xff, 0xfe}), {0x10, 0xff, 0xfe, 0x20, 0x30, 0x40}},
      {"inserted at the end", WithInserted(m, 4, {0x01}), {0x10, 0x20, 0x30, 0x40, 0x01}},
      {"inserted beyond the end", WithInserted(m, 7, {0x01}), {0x10, 0x20, 0x30, 0x40, 0x01}},
      {"deleted 2 at 1", WithDeleted(m, 1, 2), {0x10, 0x40}},
      {"deleted past the end", WithDeleted(m, 3, 5), {0x10, 0x20, 0x30}},
      {"deleted at the end", WithDeleted(m, 4, 1), m},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, c.got) << c.what;
}

TEST(HostileTools, MutationsRepeatWithTheSeedAndVary) {
  const std::vector<octets> seeds = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12}};
  TDatagramMutator first(seeds, 42), again(seeds, 42);
  std::set<octets> seen;
  for (int i = 0; i < 200; ++i) {
    const octets made = first.Next();
    EXPECT_EQ(made, again.Next()) << i;
    seen.insert(made);
  }
  EXPECT_GT(seen.size(), 100u) << "mutations that differ";
  EXPECT_TRUE(seen.count(seeds[0]) || seen.count(seeds[1])) << "now and then a seed as it is";
}

TEST(HostileTools, ProcStatLines) {
  const struct {
    const char* line;
    long long ticks;
    char state;
  } cases[] = {
      {"4242 (orvogk) S 1 4242 4242 0 -1 4194560 812 0 0 0 17 5 0 0 20 0 1 0 9999 1000 200", 22, 'S'},
      // A command name with blanks and parentheses of its own.
      {"77 (a) b (c) R 1 77 77 0 -1 0 0 0 0 0 1000 234 0 0 20 0 1 0", 1234, 'R'},
      {"5 (zombie) Z 1 5 5 0 -1 0 0 0 0 0 3 4 0 0", 7, 'Z'},
      {"5 (cut) S 1 5 5", -1, 'S'},
      {"no parenthesis", -1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.ticks, StatCpuTicks(c.line)) << c.line;
    EXPECT_EQ(c.state, StatState(c.line)) << c.line;
  }
  const std::string status = "Name:\torvogk\nVmPeak:\t  123 kB\nVmRSS:\t   45678 kB\nThreads:\t1\n";
  EXPECT_EQ(45678, StatusValue(status, "VmRSS"));
  EXPECT_EQ(123, StatusValue(status, "VmPeak"));
  EXPECT_EQ(-1, StatusValue(status, "RSS")) << "the whole name, not its end";
  EXPECT_EQ(-1, StatusValue(status, "VmSwap"));
  EXPECT_EQ(1, StatusValue("Threads:\t1", "Threads")) << "on the first line";
}

TEST(HostileTools, OwnProcessFigures) {
  const TProcessFigures own = ReadProcessFigures(getpid());
  EXPECT_GT(own.ResidentKiB, 0);
  EXPECT_GE(own.Descriptors, 3);
  EXPECT_GE(own.CpuTicks, 0);
  EXPECT_TRUE(ProcessAlive(getpid()));
  EXPECT_FALSE(ProcessAlive(-1));
}

TEST(HostileTools, TpktFrames) {
  const struct {
    octets message, frame;
  } cases[] = {
      {{}, {3, 0, 0, 4}},
      {{0x08, 0x02}, {3, 0, 0, 6, 0x08, 0x02}},
      {octets(300, 0xaa), [] {
         octets f = {3, 0, 0x01, 0x30};
         f.resize(304, 0xaa);
         return f;
       }()},
  };
  for (const auto& c : cases) EXPECT_EQ(c.frame, TpktFrame(c.message)) << c.message.size();
}

// RFC 2865 section 3: Response Authenticator = MD5(Code + Identifier +
// Length + Request Authenticator + Attributes + Secret).
TEST(HostileTools, ForgedRadiusAuthenticator) {
  octets request(20);
  request[0] = 1, request[1] = 0x2a, request[3] = 20;
  for (unsigned char i = 0; i < 16; ++i) request[4 + i] = i;
  const octets genuine = radiusAnswer(request, 2, {}, "s");
  octets signed_ = request;  // the answer's header is the request's but for the code
  signed_[0] = 2;
  signed_.push_back('s');
  const octets digest = md5Of(signed_);
  ASSERT_EQ(20u, genuine.size());
  EXPECT_EQ(digest, octets(genuine.begin() + 4, genuine.end()));
  const octets forged = TRadiusAnswerer::WithWrongAuthenticator(genuine);
  EXPECT_EQ(octets(genuine.begin(), genuine.begin() + 19), octets(forged.begin(), forged.begin() + 19));
  EXPECT_EQ(genuine[19] ^ 0x01, forged[19]);
}

// Aligned PER of an unknownMessageResponse: the CHOICE's extension bit and
// index 24 in five bits (0 11000), the SEQUENCE's extension bit, padding to
// the octet, then requestSeqNum (1..65535) in two octets as its distance
// from 1: 0x60 and the number less one. The template puts any number there.
TEST(HostileTools, RasTemplatesPutTheNumberInPlace) {
  TLibraryTurn turn;
  H225::rasMessage answer;
  answer.select(24);
  const TRasTemplate unknown(answer);
  ASSERT_TRUE(unknown.Valid());
  const struct {
    unsigned number;
    octets expected;
  } cases[] = {{1, {0x60, 0x00, 0x00}}, {2, {0x60, 0x00, 0x01}}, {257, {0x60, 0x01, 0x00}},
               {65535, {0x60, 0xff, 0xfe}}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, unknown.With(c.number)) << c.number;
    EXPECT_TRUE(unknown.Matches(c.expected, c.number));
    EXPECT_FALSE(unknown.Matches(c.expected, c.number + 1));
  }
  EXPECT_FALSE(unknown.Matches({0x60, 0x00}, 1)) << "cut short";
}
