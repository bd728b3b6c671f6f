// The load generator's bookkeeping against a stand-in server on loopback
// that answers as told: confirms, rejects, drops, duplicates, misaddresses.
// A run with wrong or lost answers must say so and give no rate; a dropped
// datagram must be retransmitted and still count as answered.
#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include <asn/perCodec.h>
#include <h225/h225.h>
#include <orvo/exception.h>

#include "RasLoadGenerator.h"
#include "RasLoadReport.h"

using namespace rasload;

namespace {

enum TBehaviour {
  bhConfirm,
  bhRejectEveryFourth,      // registrationReject for endpoints 3, 7, 11, ...
  bhDropFirstOfEveryFifth,  // the first datagram of endpoints 0, 5, 10, ... is not answered
  bhIgnoreEndpointSeven,    // never answered
  bhDuplicate,              // every answer twice
  bhWrongIdentifier,        // RCF naming another endpoint
  bhWrongCallee,            // ACF to another call-signal address
  bhGatekeeperConfirm,      // a kind no request asks for
  bhEcho,                   // the datagram as it came
};

const asn::object* FirstAlias(const asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>& AList) {
  return static_cast<const H225::aliasAddress*>(AList.elements().first())->alternative();
}

unsigned EndpointOfAlias(const asn::bmpStringBase& AAlias) {
  return unsigned(std::stoul(AAlias.toString().buffer())) - 10000000u;
}

void SetIp(H225::transportAddress& AAddress, uint32_t AHostOrder, unsigned APort) {
  auto* ip = static_cast<H225::transportAddress::ipAddress_sequence*>(AAddress.select(0));
  uint32_t network = htonl(AHostOrder);
  ip->ip.setValue(&network, 4);
  ip->port = APort;
}

// The endpoint a request comes from: by its alias, or by the identifier
// (call-signal address) of keep-alives, ARQs and DRQs.
unsigned SenderOf(const std::string& AIdentifier) {
  for (unsigned e = 0; e < 1000; ++e)
    if (EndpointOf(e, 0, 0).Identifier == AIdentifier) return e;
  return ~0u;
}

class TStandInServer {
public:
  explicit TStandInServer(TBehaviour ABehaviour) : Behaviour(ABehaviour) {
    Socket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof Address;
    EXPECT_EQ(0, bind(Socket, reinterpret_cast<const sockaddr*>(&Address), sizeof Address));
    EXPECT_EQ(0, getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &length));
    Thread = std::thread([this] { Serve(); });
  }
  ~TStandInServer() {
    Stop = true;
    Thread.join();
    close(Socket);
  }
  sockaddr_in Address{};

private:
  TBehaviour Behaviour;
  int Socket = -1;
  std::atomic<bool> Stop{false};
  std::thread Thread;
  std::set<unsigned> Dropped;

  void Serve() {
    unsigned char buffer[2048];
    while (!Stop) {
      pollfd watch{Socket, POLLIN, 0};
      if (poll(&watch, 1, 10) <= 0) continue;
      sockaddr_in from{};
      socklen_t length = sizeof from;
      ssize_t got = recvfrom(Socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
      if (got <= 0) continue;
      octets answer = Behaviour == bhEcho ? octets(buffer, buffer + got) : AnswerTo(buffer, size_t(got));
      for (int copy = 0; !answer.empty() && copy < (Behaviour == bhDuplicate ? 2 : 1); ++copy)
        sendto(Socket, answer.data(), answer.size(), 0, reinterpret_cast<const sockaddr*>(&from), length);
    }
  }

  octets AnswerTo(const unsigned char* AData, size_t ALength) {
    std::lock_guard<std::mutex> hold(MessageLibraryLock());
    H225::rasMessage request, answer;
    try {
      asn::per::codec decoder(AData, unsigned(ALength));
      request.decode(decoder);
    } catch (orvo::exception* e) {
      delete e;
      ADD_FAILURE() << "the load sent a datagram that does not decode";
      return {};
    }
    unsigned sender = ~0u, sequence = 0;
    std::string identifier;
    if (request.index() == 3) {
      auto* rrq = static_cast<const H225::registrationRequest*>(request.alternative());
      sequence = rrq->requestSeqNum.value();
      if (rrq->terminalAlias) {
        sender = EndpointOfAlias(*static_cast<const asn::bmpStringBase*>(FirstAlias(*rrq->terminalAlias)));
        identifier = EndpointOf(sender, 0, 0).Identifier;
      } else {
        identifier = rrq->endpointIdentifier->toString().buffer();
        sender = SenderOf(identifier);
      }
      if (Behaviour == bhWrongIdentifier) identifier = EndpointOf(sender + 1, 0, 0).Identifier;
    } else if (request.index() == 9) {
      auto* arq = static_cast<const H225::admissionRequest*>(request.alternative());
      sequence = arq->requestSeqNum.value();
      sender = SenderOf(arq->endpointIdentifier.toString().buffer());
      unsigned callee = EndpointOfAlias(*static_cast<const asn::bmpStringBase*>(FirstAlias(*arq->destinationInfo)));
      auto* acf = static_cast<H225::admissionConfirm*>(answer.select(10));
      acf->requestSeqNum = sequence;
      acf->bandWidth = 1280;
      acf->callModel.select(0);
      SetIp(acf->destCallSignalAddress, CallSignalAddressOf(callee),
            CallSignalPortOf(callee) + (Behaviour == bhWrongCallee ? 1 : 0));
    } else if (request.index() == 15) {
      auto* drq = static_cast<const H225::disengageRequest*>(request.alternative());
      sequence = drq->requestSeqNum.value();
      sender = SenderOf(drq->endpointIdentifier.toString().buffer());
      static_cast<H225::disengageConfirm*>(answer.select(16))->requestSeqNum = sequence;
    }
    if (Behaviour == bhIgnoreEndpointSeven && sender == 7) return {};
    if (Behaviour == bhDropFirstOfEveryFifth && sender % 5 == 0 && Dropped.insert(sender).second) return {};
    if (request.index() == 3) {
      if (Behaviour == bhRejectEveryFourth && sender % 4 == 3) {
        auto* rrj = static_cast<H225::registrationReject*>(answer.select(5));
        rrj->requestSeqNum = sequence;
        rrj->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
        rrj->rejectReason.select(8);
      } else {
        auto* rcf = static_cast<H225::registrationConfirm*>(answer.select(4));
        rcf->requestSeqNum = sequence;
        rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
        rcf->endpointIdentifier = identifier.c_str();
      }
    }
    if (Behaviour == bhGatekeeperConfirm) {
      auto* gcf = static_cast<H225::gatekeeperConfirm*>(answer.select(1));
      gcf->requestSeqNum = sequence;
      gcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      SetIp(gcf->rasAddress, 0x7f000001, 1719);
    }
    asn::per::codec encoder;
    answer.encode(encoder);
    return octets(encoder.stream().data(), encoder.stream().data() + encoder.stream().octetLength());
  }
};

const TRasTemplates& Templates() {
  static const TRasTemplates templates;
  return templates;
}

struct TCase {
  const char* Name;
  TBehaviour Behaviour;
  TWork Work;
  unsigned Threads;
  uint64_t Requests, Disengages, Wrong, Lost, Retransmissions, Stray;
  const char* FirstFailure;  // the start of the first failure's text
};

TEST(RasLoadGenerator, CountsWhatTheServerAnswered) {
  const TCase cases[] = {
      {"all confirmed", bhConfirm, wkRegister, 2, 20, 0, 0, 0, 0, 0, ""},
      {"every fourth rejected", bhRejectEveryFourth, wkRegister, 1, 15, 0, 5, 0, 0, 0,
       "registrationRequest of endpoint 10000003 answered by "},
      {"first of every fifth dropped", bhDropFirstOfEveryFifth, wkRegister, 2, 20, 0, 0, 0, 4, 0, ""},
      {"one never answered", bhIgnoreEndpointSeven, wkRegister, 1, 19, 0, 0, 1, 2, 0,
       "registrationRequest of endpoint 10000007 unanswered after 3 transmissions"},
      {"every answer twice", bhDuplicate, wkRegister, 2, 20, 0, 0, 0, 0, 20, ""},
      {"another identifier", bhWrongIdentifier, wkRegister, 1, 0, 0, 20, 0, 0, 0,
       "registrationRequest of endpoint 10000000 confirmed with identifier 7f100000:1001, not 7f100000:1000"},
      // Answered three times each by a kind that names no request, then lost.
      {"an answer of another kind", bhGatekeeperConfirm, wkRegister, 1, 0, 0, 60, 20, 40, 0, "an unexpected answer: "},
      {"echoed", bhEcho, wkRegister, 2, 20, 0, 0, 0, 0, 0, ""},
      {"calls confirmed and ended", bhConfirm, wkCalls, 2, 30, 30, 0, 0, 0, 0, ""},
      {"calls to another address", bhWrongCallee, wkCalls, 1, 0, 0, 30, 0, 0, 0,
       "admissionRequest to 10000006 confirmed with another callee"},
      {"calls echoed", bhEcho, wkCalls, 2, 30, 30, 0, 0, 0, 0, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TRasTemplates& templates = Templates();  // made before another thread uses the library
    TStandInServer server(c.Behaviour);
    TGeneratorSetup setup;
    setup.Threads = c.Threads;
    setup.Sockets = 2 * c.Threads;
    setup.RetransmitSeconds = 0.05;
    setup.Retransmissions = 2;
    TLoadGenerator generator(setup, templates);
    TPhase phase;
    phase.Work = c.Work;
    phase.Echo = c.Behaviour == bhEcho;
    phase.Count = 20;
    phase.Population = 12;
    phase.HeldCalls = 4;
    phase.MaximumRequests = 30;
    phase.Window = 4;
    phase.Seconds = 5;
    TPhaseResult r = generator.Run(phase, server.Address);
    EXPECT_EQ(c.Requests, r.Requests);
    EXPECT_EQ(c.Disengages, r.Disengages);
    EXPECT_EQ(c.Wrong, r.Wrong);
    EXPECT_EQ(c.Lost, r.Lost);
    EXPECT_EQ(c.Retransmissions, r.Retransmissions);
    // The copies of the last answers may come after the phase ended.
    EXPECT_LE(c.Stray, r.Stray + c.Threads);
    EXPECT_GE(c.Stray, r.Stray);
    EXPECT_EQ(0u, r.FirstWrong.find(c.FirstFailure)) << r.FirstWrong;
    EXPECT_FALSE(r.TimeLimited);
    EXPECT_EQ(c.Wrong == 0 && c.Lost == 0, r.Sound());
    if (c.Work == wkRegister && r.Sound()) {
      EXPECT_EQ(20u, r.RegisteredEnd);
    }
  }
}

TEST(RasLoadGenerator, CallsHeldOpenAreEndedByTheNextCallPhaseOrByTheirOwn) {
  const TRasTemplates& templates = Templates();
  TStandInServer server(bhConfirm);
  TGeneratorSetup setup;
  setup.Threads = 2;
  setup.Sockets = 4;
  TLoadGenerator generator(setup, templates);
  TPhase phase;
  phase.Population = 12;
  phase.Window = 4;
  phase.Seconds = 5;
  struct {
    TWork Work;
    uint64_t MaximumRequests;
    uint64_t Requests, Disengages;
  } const steps[] = {
      {wkHoldCalls, 6, 6, 0},                         // held
      {wkCalls, 30, 30, 36},                          // the six held end with the thirty made here
      {wkEndCalls, 0, 0, 0},                          // nothing left to end
      {wkHoldCalls, 8, 8, 0}, {wkEndCalls, 0, 8, 0},  // ending is this phase's own work
  };
  for (const auto& step : steps) {
    phase.Work = step.Work;
    phase.MaximumRequests = step.MaximumRequests;
    phase.HeldCalls = 4;
    TPhaseResult r = generator.Run(phase, server.Address);
    EXPECT_EQ(step.Requests, r.Requests) << step.Work;
    EXPECT_EQ(step.Disengages, r.Disengages) << step.Work;
    EXPECT_TRUE(r.Sound()) << r.FirstWrong;
  }
}

TEST(RasLoadReport, AFailedPhaseShowsNoRate) {
  struct {
    uint64_t Wrong, Lost;
    bool TimeLimited;
    uint64_t Planned;
    const char* Status;
    const char* JsonRate;
  } const cases[] = {
      {0, 0, false, 100, "ok", "\"rate\": 50,"},
      {0, 0, true, 100, "time limit: 100 of 100 done", "\"rate\": 50,"},
      {0, 0, true, 0, "ok", "\"rate\": 50,"},  // bound by time by design
      {1, 0, false, 100, "FAILED: 1 wrong, 0 lost", "\"rate\": null,"},
      {0, 2, true, 100, "FAILED: 0 wrong, 2 lost", "\"rate\": null,"},
  };
  for (const auto& c : cases) {
    TReport report;
    TRow row;
    row.Key = "k";
    row.Label = "phase";
    row.Planned = c.Planned;
    row.EchoRate = 100;
    row.Result.Requests = 100;
    row.Result.Seconds = 2;
    row.Result.Wrong = c.Wrong;
    row.Result.Lost = c.Lost;
    row.Result.TimeLimited = c.TimeLimited;
    row.Result.FirstWrong = "first";
    report.Rows.push_back(row);
    EXPECT_EQ(c.Status, StatusOf(row));
    std::ostringstream table, json;
    report.PrintTable(table);
    report.WriteJson(json);
    EXPECT_NE(std::string::npos, json.str().find(c.JsonRate)) << json.str();
    bool failed = c.Wrong + c.Lost > 0;
    // The rate and the ratio to the echo, or neither.
    EXPECT_EQ(!failed, table.str().find("      50 ") != std::string::npos) << table.str();
    EXPECT_EQ(!failed, table.str().find("  0.500 ") != std::string::npos) << table.str();
    EXPECT_EQ(failed, table.str().find("first failure: first") != std::string::npos) << table.str();
  }
}

}  // namespace
