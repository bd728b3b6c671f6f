#include <radius/Connection.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <arpa/inet.h>
#include <sys/resource.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <orvo/sockEvent.h>
#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/VendorSpecificAttribute.h>

#include "fakeRadiusServer.h"
#include "logCapture.h"

using namespace RADIUS;

namespace {

const char* const Secret = "loopback-secret";

// A requester that records what its completions bring and cancels what it
// still has pending when it goes.
struct requester {
  struct outcome {
    int result;
    unsigned code;  // 0 without answer
    unsigned identifier;
    std::vector<unsigned> types;
  };

  explicit requester(TConnection& AConnection) : connection(AConnection) {}
  ~requester() { connection.CancelRequests(this); }

  TPacket* request(unsigned ACode) { return connection.CreatePacket(ACode, this, &requester::onAnswer); }
  void send(unsigned ACode) { connection.Send(request(ACode)); }

  void onAnswer(int AResult, TPacket* AAnswer) {
    outcome o{AResult, 0, 0, {}};
    if (AAnswer) {
      o.code = AAnswer->Code();
      o.identifier = AAnswer->Identifier();
      for (TAttribute* attribute : AAnswer->Attributes()) o.types.push_back(attribute->Type());
    }
    outcomes.push_back(o);
    if (then) then(AResult, AAnswer);
  }

  TConnection& connection;
  std::vector<outcome> outcomes;
  std::function<void(int, TPacket*)> then;
};

sockaddr_in loopbackAny() {
  sockaddr_in local = {};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return local;
}

class ConnectionTest : public ::testing::Test {
protected:
  void SetUp() override {
    connection.SetSecret(Secret);
    sockaddr_in local = loopbackAny();
    ASSERT_TRUE(connection.OpenBound(local, server.address()));
  }

  // Waits for the server to hold ACount datagrams.
  void awaitDatagrams(size_t ACount) {
    ASSERT_TRUE(runUntil([&] { return server.received.size() >= ACount; }, 2000))
        << server.received.size() << " of " << ACount;
  }

  fakeRadiusServer server;
  TConnection connection;
};

octets attribute(unsigned AType, const std::string& AValue) {
  // Sized first: growing a two-octet vector by insert draws a false
  // -Warray-bounds from g++ 12.
  octets out(AValue.size() + 2);
  out[0] = uint8_t(AType);
  out[1] = uint8_t(AValue.size() + 2);
  std::copy(AValue.begin(), AValue.end(), out.begin() + 2);
  return out;
}

}  // namespace

TEST(ConnectionPackets, AccessRequestsCarryUnpredictableAuthenticatorsOthersZero) {
  TConnection connection;
  std::set<std::string> seen;
  for (int i = 0; i < 64; ++i) {
    std::unique_ptr<TPacket> packet(connection.CreatePacket(pcAccessRequest, TCompletion()));
    seen.insert(std::string(reinterpret_cast<const char*>(packet->Authenticator()), AuthenticatorLength));
  }
  EXPECT_EQ(64u, seen.size());
  EXPECT_EQ(0u, seen.count(std::string(AuthenticatorLength, '\0')));

  std::unique_ptr<TPacket> accounting(connection.CreatePacket(pcAccountingRequest, TCompletion()));
  EXPECT_EQ(std::string(AuthenticatorLength, '\0'),
            std::string(reinterpret_cast<const char*>(accounting->Authenticator()), AuthenticatorLength));
  EXPECT_EQ(unsigned(pcAccountingRequest), accounting->Code());
  EXPECT_EQ("", std::string(accounting->Secret().buffer()));
  connection.SetSecret("s3cret");
  std::unique_ptr<TPacket> signedLater(connection.CreatePacket(pcAccountingRequest, TCompletion()));
  EXPECT_EQ("s3cret", std::string(signedLater->Secret().buffer()));
}

TEST(ConnectionPackets, IdentifiersCountUpFromPacketToPacket) {
  TConnection connection;
  std::unique_ptr<TPacket> first(connection.CreatePacket(pcAccessRequest, TCompletion()));
  std::unique_ptr<TPacket> second(connection.CreatePacket(pcAccountingRequest, TCompletion()));
  EXPECT_EQ(uint8_t(first->Identifier() + 1), second->Identifier());
}

TEST_F(ConnectionTest, AccountingRequestGoesOutSignedUnderTheSecret) {
  requester r(connection);
  TPacket* packet = r.request(pcAccountingRequest);
  packet->Append(new TIntegerAttribute(atAcctStatusType, 1));
  packet->Append(new TStringAttribute(atAcctSessionId, "8049A10"));
  connection.Send(packet);
  awaitDatagrams(1);
  const octets& wire = server.received[0].bytes;
  octets expected = {4, packet->Identifier(), 0, 35};
  expected.insert(expected.end(), 16, 0);
  octets attributes = {40, 6, 0, 0, 0, 1, 44, 9, '8', '0', '4', '9', 'A', '1', '0'};
  expected.insert(expected.end(), attributes.begin(), attributes.end());
  octets signed_ = expected;
  signed_.insert(signed_.end(), Secret, Secret + std::strlen(Secret));
  octets digest = md5Of(signed_);
  std::copy(digest.begin(), digest.end(), expected.begin() + 4);
  EXPECT_EQ(expected, wire);
  // The packet object keeps its zero authenticator.
  EXPECT_EQ(std::string(16, '\0'), std::string(reinterpret_cast<const char*>(packet->Authenticator()), 16));
}

TEST_F(ConnectionTest, VerifiedAnswerCompletesWithResultZero) {
  requester r(connection);
  TPacket* packet = r.request(pcAccessRequest);
  packet->Append(new TStringAttribute(atUserName, "alice"));
  connection.Send(packet);
  awaitDatagrams(1);
  octets reply = attribute(atReplyMessage, "welcome");
  octets vsa = {26, 12, 0, 0, 0, 9, 102, 6, 'a', 'b', 'c', 'd'};
  reply.insert(reply.end(), vsa.begin(), vsa.end());
  server.answer(server.received[0].bytes, pcAccessAccept, reply, Secret);
  ASSERT_TRUE(runUntil([&] { return !r.outcomes.empty(); }, 2000));
  ASSERT_EQ(1u, r.outcomes.size());
  EXPECT_EQ(0, r.outcomes[0].result);
  EXPECT_EQ(unsigned(pcAccessAccept), r.outcomes[0].code);
  EXPECT_EQ((std::vector<unsigned>{atReplyMessage, atVendorSpecific}), r.outcomes[0].types);
  EXPECT_EQ(0u, connection.PendingCount());
}

// An answer that does not verify is discarded (RFC 2865): it may be
// forged. Only when nothing better comes before the last transmission
// expires does the requester hear of it, as result 2 with its code.
TEST_F(ConnectionTest, AnswerUnderAnotherSecretCompletesWithResultTwoAtTheEnd) {
  requester r(connection);
  r.send(pcAccessRequest);
  awaitDatagrams(1);
  server.answer(server.received[0].bytes, pcAccessAccept, {}, "some-other-secret");
  runFor(200);
  EXPECT_TRUE(r.outcomes.empty()) << "discarded, not taken";
  for (size_t sent = 2; sent <= 4; ++sent) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(3000));
    awaitDatagrams(sent);
  }
  EXPECT_TRUE(r.outcomes.empty());
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(3000));
  ASSERT_TRUE(runUntil([&] { return !r.outcomes.empty(); }, 2000));
  EXPECT_EQ(2, r.outcomes[0].result);
  EXPECT_EQ(unsigned(pcAccessAccept), r.outcomes[0].code);  // given all the same
  EXPECT_EQ(0u, connection.PendingCount());
}

// Whoever sees a request can answer it first; the genuine answer that
// follows still decides.
TEST_F(ConnectionTest, AForgedAnswerDoesNotEndTheRequest) {
  const struct {
    const char* what;
    unsigned code;
    std::string secret;
    size_t damagedOctet;  // 0: none
  } forgeries[] = {
      {"reject under another secret", pcAccessReject, "guessed", 0},
      {"accept under another secret", pcAccessAccept, "guessed", 0},
      {"reject with one authenticator bit off", pcAccessReject, Secret, 19},
      {"reject with the request's authenticator", pcAccessReject, "", 0},
  };
  for (const auto& f : forgeries) {
    SCOPED_TRACE(f.what);
    requester r(connection);
    const size_t before = server.received.size();
    r.send(pcAccessRequest);
    awaitDatagrams(before + 1);
    const octets request = server.received[before].bytes;
    octets forged = radiusAnswer(request, f.code, {}, f.secret);
    if (f.secret.empty()) std::copy(request.begin() + 4, request.begin() + 20, forged.begin() + 4);
    if (f.damagedOctet) forged[f.damagedOctet] ^= 0x01;
    server.sendRaw(forged);
    runFor(100);
    EXPECT_TRUE(r.outcomes.empty());
    server.answer(request, pcAccessAccept, {}, Secret);
    ASSERT_TRUE(runUntil([&] { return !r.outcomes.empty(); }, 2000));
    ASSERT_EQ(1u, r.outcomes.size());
    EXPECT_EQ(0, r.outcomes[0].result);
    EXPECT_EQ(unsigned(pcAccessAccept), r.outcomes[0].code);
    EXPECT_EQ(0u, connection.PendingCount());
  }
}

TEST_F(ConnectionTest, AnswerOfAnAccountingRequestIsCheckedAgainstTheSignedAuthenticator) {
  requester r(connection);
  r.send(pcAccountingRequest);
  awaitDatagrams(1);
  server.answer(server.received[0].bytes, pcAccountingResponse, {}, Secret);
  ASSERT_TRUE(runUntil([&] { return !r.outcomes.empty(); }, 2000));
  EXPECT_EQ(0, r.outcomes[0].result);
  EXPECT_EQ(unsigned(pcAccountingResponse), r.outcomes[0].code);
}

TEST_F(ConnectionTest, StrayShortMalformedAndDuplicateDatagramsAreDropped) {
  requester r(connection);
  r.send(pcAccessRequest);
  awaitDatagrams(1);
  const octets request = server.received[0].bytes;
  octets stray = radiusAnswer(request, pcAccessAccept, {}, Secret);
  stray[1] = uint8_t(stray[1] + 1);  // identifier nobody waits for
  server.sendRaw(stray);
  server.sendRaw(octets(request.begin(), request.begin() + 19));  // below the header
  octets longer = radiusAnswer(request, pcAccessAccept, {}, Secret);
  longer[3] = 21;  // length field beyond the octets sent
  server.sendRaw(longer);
  octets malformed = radiusAnswer(request, pcAccessAccept, {1, 1, 0}, Secret);  // attribute length 1
  server.sendRaw(malformed);
  runFor(300);
  EXPECT_TRUE(r.outcomes.empty());
  EXPECT_EQ(1u, connection.PendingCount());

  server.answer(request, pcAccessReject, {}, Secret);
  server.answer(request, pcAccessAccept, {}, Secret);  // a duplicate, too late
  runFor(300);
  ASSERT_EQ(1u, r.outcomes.size());
  EXPECT_EQ(0, r.outcomes[0].result);
  EXPECT_EQ(unsigned(pcAccessReject), r.outcomes[0].code);
}

// The schedule runs on the timer clock, moved ahead by the test: each
// retransmission is checked not to go early, then to go when due.
TEST_F(ConnectionTest, TransmitsFourTimesThreeSecondsApartThenGivesUp) {
  requester r(connection);
  TPacket* packet = r.request(pcAccessRequest);
  packet->Append(new TStringAttribute(atUserName, "nobody-answers"));
  int64_t completedAt = 0;
  r.then = [&](int, TPacket*) { completedAt = server.now(); };
  int64_t start = server.now();
  connection.Send(packet);
  awaitDatagrams(1);
  // Far more than the real time a loaded machine takes between two steps.
  const int64_t Margin = 1000;
  for (size_t sent = 1; sent <= 4; ++sent) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(3000 - Margin));
    for (int pass = 0; pass < 3; ++pass) orvo::sockEvent::dispatch(0);
    ASSERT_EQ(sent, server.received.size()) << "early";
    ASSERT_TRUE(r.outcomes.empty()) << "early";
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(Margin));
    if (sent < 4)
      awaitDatagrams(sent + 1);
    else
      ASSERT_TRUE(runUntil([&] { return !r.outcomes.empty(); }, 2000));
  }
  ASSERT_EQ(4u, server.received.size());
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(server.received[0].bytes, server.received[i].bytes) << "transmission " << i;
    int64_t at = server.received[i].at - start;
    EXPECT_GE(at, int64_t(3000 * i)) << "transmission " << i;
    EXPECT_LT(at, int64_t(3000 * i) + Margin) << "transmission " << i;
  }
  int64_t completed = completedAt - start;
  EXPECT_GE(completed, 12000);
  EXPECT_LT(completed, 12000 + Margin);
  ASSERT_EQ(1u, r.outcomes.size());
  EXPECT_EQ(1, r.outcomes[0].result);
  EXPECT_EQ(0u, r.outcomes[0].code);
  EXPECT_EQ(0u, connection.PendingCount());
}

TEST_F(ConnectionTest, NoIdentifierIsHandedOutTwiceWhileItIsPending) {
  requester r(connection);
  for (int i = 0; i < 257; ++i) r.send(pcAccessRequest);
  awaitDatagrams(256);
  runFor(200);
  ASSERT_EQ(256u, server.received.size());  // the 257th waits
  EXPECT_EQ(257u, connection.PendingCount());
  EXPECT_EQ(1u, connection.UnsentCount());
  std::set<unsigned> identifiers;
  for (const auto& d : server.received) identifiers.insert(d.bytes[1]);
  EXPECT_EQ(256u, identifiers.size());

  // Answering one frees its identifier for the waiting request.
  octets first = server.received[0].bytes;
  server.answer(first, pcAccessAccept, {}, Secret);
  awaitDatagrams(257);
  octets waiting = server.received[256].bytes;
  EXPECT_EQ(first[1], waiting[1]);
  EXPECT_EQ(0u, connection.UnsentCount());
  EXPECT_NE(octets(first.begin() + 4, first.begin() + 20), octets(waiting.begin() + 4, waiting.begin() + 20));

  // The answer to the reused identifier is verified against the new request.
  server.answer(waiting, pcAccessReject, {}, Secret);
  ASSERT_TRUE(runUntil([&] { return r.outcomes.size() == 2; }, 2000));
  EXPECT_EQ(0, r.outcomes[1].result);
  EXPECT_EQ(unsigned(pcAccessReject), r.outcomes[1].code);
  EXPECT_EQ(255u, connection.PendingCount());
}

TEST_F(ConnectionTest, ACompletionMaySendANewRequest) {
  requester r(connection);
  r.then = [&](int, TPacket*) {
    if (r.outcomes.size() == 1) r.send(pcAccountingRequest);
  };
  r.send(pcAccessRequest);
  awaitDatagrams(1);
  server.answer(server.received[0].bytes, pcAccessAccept, {}, Secret);
  awaitDatagrams(2);
  EXPECT_EQ(pcAccountingRequest, server.received[1].bytes[0]);
  server.answer(server.received[1].bytes, pcAccountingResponse, {}, Secret);
  ASSERT_TRUE(runUntil([&] { return r.outcomes.size() == 2; }, 2000));
  EXPECT_EQ(0, r.outcomes[1].result);
  EXPECT_EQ(unsigned(pcAccountingResponse), r.outcomes[1].code);
}

TEST_F(ConnectionTest, ACompletionMayDeleteItsRequesterWithItsOtherRequests) {
  requester* doomed = new requester(connection);
  requester survivor(connection);
  doomed->then = [&](int, TPacket*) { delete doomed; };
  doomed->send(pcAccessRequest);
  doomed->send(pcAccessRequest);
  survivor.send(pcAccessRequest);
  awaitDatagrams(3);
  server.answer(server.received[0].bytes, pcAccessAccept, {}, Secret);
  runFor(200);
  EXPECT_EQ(1u, connection.PendingCount());
  // The answer for the deleted requester's second request finds nobody.
  server.answer(server.received[1].bytes, pcAccessAccept, {}, Secret);
  server.answer(server.received[2].bytes, pcAccessAccept, {}, Secret);
  ASSERT_TRUE(runUntil([&] { return !survivor.outcomes.empty(); }, 2000));
  EXPECT_EQ(0, survivor.outcomes[0].result);
  EXPECT_EQ(0u, connection.PendingCount());
}

TEST_F(ConnectionTest, CancelledRequestsNeverComplete) {
  requester keep(connection);
  {
    requester gone(connection);
    gone.send(pcAccessRequest);
    gone.send(pcAccountingRequest);
    keep.send(pcAccessRequest);
    awaitDatagrams(3);
  }
  EXPECT_EQ(1u, connection.PendingCount());
  for (const auto& d : server.received)
    server.answer(d.bytes, d.bytes[0] == pcAccessRequest ? pcAccessAccept : pcAccountingResponse, {}, Secret);
  ASSERT_TRUE(runUntil([&] { return !keep.outcomes.empty(); }, 2000));
  runFor(100);
  EXPECT_EQ(1u, keep.outcomes.size());
}

TEST_F(ConnectionTest, CloseCompletesEveryRequestWithNoAnswer) {
  requester r(connection);
  r.send(pcAccessRequest);
  r.send(pcAccountingRequest);
  awaitDatagrams(2);
  logCapture log;
  connection.Close();
  EXPECT_EQ("", log.text());
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_TRUE(orvo::nullAddress == connection.Server());
  ASSERT_EQ(2u, r.outcomes.size());
  EXPECT_EQ(1, r.outcomes[0].result);
  EXPECT_EQ(1, r.outcomes[1].result);
  EXPECT_EQ(0u, connection.PendingCount());
  connection.Close();  // closed: nothing
  EXPECT_EQ(2u, r.outcomes.size());
}

TEST_F(ConnectionTest, ACompletionDuringCloseMayCancelTheRequestsStillToBeCompleted) {
  requester* first = new requester(connection);
  requester* second = new requester(connection);
  first->then = [&](int, TPacket*) {
    delete second;
    second = nullptr;
  };
  first->send(pcAccessRequest);
  second->send(pcAccessRequest);
  second->send(pcAccessRequest);
  awaitDatagrams(3);
  connection.Close();
  EXPECT_EQ(1u, first->outcomes.size());
  EXPECT_EQ(nullptr, second);
  EXPECT_EQ(0u, connection.PendingCount());
  delete first;
}

TEST_F(ConnectionTest, ACompletionDuringCloseMaySendAndCloseAgain) {
  requester r(connection);
  r.then = [&](int, TPacket*) {
    if (r.outcomes.size() == 1) {
      r.send(pcAccessRequest);  // queued on the closed connection
      connection.Close();       // closed already: nothing
    }
  };
  r.send(pcAccessRequest);
  r.send(pcAccessRequest);
  awaitDatagrams(2);
  connection.Close();
  EXPECT_EQ(2u, r.outcomes.size());
  EXPECT_EQ(1u, connection.PendingCount());  // the new one runs out its retries
  EXPECT_EQ(EBADF, connection.LastError());
}

TEST_F(ConnectionTest, TheSameSecretKeepsTheConnectionAnotherClosesIt) {
  requester r(connection);
  r.send(pcAccessRequest);
  awaitDatagrams(1);
  connection.SetSecret(Secret);
  EXPECT_TRUE(connection.IsOpen());
  EXPECT_EQ(1u, connection.PendingCount());
  EXPECT_TRUE(r.outcomes.empty());

  connection.SetSecret("new-secret");
  EXPECT_FALSE(connection.IsOpen());
  ASSERT_EQ(1u, r.outcomes.size());
  EXPECT_EQ(1, r.outcomes[0].result);
  EXPECT_EQ("new-secret", std::string(connection.Secret().buffer()));
}

TEST_F(ConnectionTest, OpeningTheSameServerKeepsSocketAndQueueAnotherServerEndsThem) {
  requester r(connection);
  r.send(pcAccessRequest);
  awaitDatagrams(1);
  sockaddr_in before, after;
  ASSERT_TRUE(connection.LocalAddress(before));
  EXPECT_TRUE(connection.Open(server.address()));
  ASSERT_TRUE(connection.LocalAddress(after));
  EXPECT_TRUE(before == after);
  EXPECT_EQ(1u, connection.PendingCount());

  fakeRadiusServer other;
  EXPECT_TRUE(connection.Open(other.address()));
  EXPECT_TRUE(other.address() == connection.Server());
  ASSERT_EQ(1u, r.outcomes.size());
  EXPECT_EQ(1, r.outcomes[0].result);
  r.send(pcAccessRequest);
  ASSERT_TRUE(runUntil([&] { return other.received.size() == 1; }, 2000));
}

namespace {
struct resultLog {
  std::vector<int> results;
  void onAnswer(int AResult, TPacket*) { results.push_back(AResult); }
};
}  // namespace

TEST_F(ConnectionTest, DestructionDropsPendingRequestsWithoutCompletion) {
  resultLog log;
  {
    TConnection doomed;
    doomed.SetSecret(Secret);
    ASSERT_TRUE(doomed.Open(server.address()));
    doomed.Send(doomed.CreatePacket(pcAccessRequest, &log, &resultLog::onAnswer));
    awaitDatagrams(1);
  }
  server.answer(server.received[0].bytes, pcAccessAccept, {}, Secret);
  runFor(200);
  EXPECT_TRUE(log.results.empty());
}

namespace {

// Records what passes the two hooks.
class hookedConnection : public TConnection {
public:
  std::vector<octets> transmitted;
  std::vector<unsigned> receivedIdentifiers;
  size_t pendingAtReceive = 0;

protected:
  int Transmit(TPacket* APacket, const unsigned char* ABytes, unsigned ALength) override {
    EXPECT_EQ(APacket->Length(), ALength);
    transmitted.emplace_back(ABytes, ABytes + ALength);
    return TConnection::Transmit(APacket, ABytes, ALength);
  }
  void OnReceive(TPacket* APacket) override {
    receivedIdentifiers.push_back(APacket->Identifier());
    pendingAtReceive = PendingCount();
  }
};

}  // namespace

TEST(ConnectionHooks, EveryTransmissionAndEveryDecodedDatagramPassTheHooks) {
  fakeRadiusServer server;
  hookedConnection connection;
  connection.SetSecret(Secret);
  ASSERT_TRUE(connection.Open(server.address()));
  requester r(connection);
  r.send(pcAccessRequest);
  ASSERT_TRUE(runUntil([&] { return server.received.size() == 1; }, 2000));
  ASSERT_EQ(1u, connection.transmitted.size());
  EXPECT_EQ(server.received[0].bytes, connection.transmitted[0]);

  const octets request = server.received[0].bytes;
  octets stray = radiusAnswer(request, pcAccessAccept, {}, Secret);
  stray[1] = uint8_t(stray[1] + 1);
  server.sendRaw(stray);
  server.sendRaw(radiusAnswer(request, pcAccessAccept, {1, 1, 0}, Secret));  // does not decode
  server.answer(request, pcAccessAccept, {}, Secret);
  ASSERT_TRUE(runUntil([&] { return !r.outcomes.empty(); }, 2000));
  EXPECT_EQ((std::vector<unsigned>{stray[1], request[1]}), connection.receivedIdentifiers);
  EXPECT_EQ(1u, connection.pendingAtReceive);  // before it is matched
}

TEST(ConnectionOpen, SocketFailuresAreLoggedAndLeaveTheConnectionClosed) {
  fakeRadiusServer server;
  logCapture log;
  TConnection connection;
  // The server's own port is taken.
  EXPECT_FALSE(connection.OpenBound(server.address(), server.address()));
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_EQ(EADDRINUSE, connection.LastError());

  sockaddr_in strange = server.address();
  strange.sin_family = AF_APPLETALK;
  EXPECT_FALSE(connection.Open(strange));
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_EQ(
      "[E] RADIUS connection. Socket bind failed. 98 Address already in use\n"
      "[E] RADIUS connection. Socket connect failed. 97 Address family not supported by protocol\n",
      log.text());

  // A request sent meanwhile fails silently and waits for its retries.
  requester r(connection);
  r.send(pcAccessRequest);
  EXPECT_EQ(1u, connection.PendingCount());
  EXPECT_EQ(EBADF, connection.LastError());
  // The next open makes a new socket, and the queue goes on there.
  EXPECT_TRUE(connection.Open(server.address()));
  EXPECT_TRUE(r.outcomes.empty());
}

// Run in a child with no descriptor left; reports by its exit status.
void openWithoutDescriptors(const sockaddr_in& AServer) {
  logCapture log;
  TConnection connection;
  rlimit limit;
  getrlimit(RLIMIT_NOFILE, &limit);
  limit.rlim_cur = 0;
  setrlimit(RLIMIT_NOFILE, &limit);
  bool opened = connection.Open(AServer);
  bool logged = log.text() == "[E] RADIUS connection. Socket create error. 24 Too many open files\n";
  std::_Exit(!opened && logged && connection.LastError() == EMFILE ? 0 : 1);
}

TEST(ConnectionOpenDeathTest, AFailedSocketCreationIsLogged) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizers' own checks need descriptors of their own";
#endif
  fakeRadiusServer server;
  EXPECT_EXIT(openWithoutDescriptors(server.address()), ::testing::ExitedWithCode(0), "");
}
