// Discovery, registration, unregistration, disengage and information reports
// against the running program; every answer is read back by tshark.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <functional>
#include <thread>

#include <h323/transportAddress.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;
using TRow = std::vector<std::string>;

const char* const Users =
    "user alice { login \"alice\"; login \"100\"; }\n"
    "user bob { login \"bob\"; }\n"
    "user fixed { login \"fixed\"; static 10.0.0.9; }\n"
    "user fenced { login \"fenced\"; address 10.0.0.1 - 255; }\n"
    "user timed { login \"t[0-9]\"; registration validity 5; }\n"
    "user many { login \"m[0-9]+\"; }\n";

struct TRunningGatekeeper {
  explicit TRunningGatekeeper(const std::string& ALogRules = "registrations yes;\nras messages yes;\n",
                              const std::string& AIdentifier = "OrvoTestGK")
      : gk(Setup(ALogRules, AIdentifier)) {
    started = gk.Start();
  }
  static TGatekeeperSetup Setup(const std::string& ALogRules, const std::string& AIdentifier) {
    TGatekeeperSetup setup;
    setup.Identifier = AIdentifier;
    setup.LogRules = ALogRules;
    setup.Sections = Users;
    return setup;
  }
  // Sends and waits for the answer, null when none comes.
  std::unique_ptr<H225::rasMessage> Ask(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& ARequest) {
    if (!AEndpoint.Send(ARequest, gk.RasAddress())) return nullptr;
    return AEndpoint.Receive(milliseconds(3000));
  }
  // tshark's reading of the answers (every second frame) in the capture.
  std::vector<TRow> Answers(const std::vector<std::string>& AFields) {
    std::vector<TRow> rows;
    tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"), AFields);
    EXPECT_TRUE(r.ran) << r.failure;
    for (size_t i = 1; i < r.frames.size(); i += 2) {
      EXPECT_EQ("", r.frames[i].malformed) << i;
      rows.push_back(r.frames[i].fields);
    }
    return rows;
  }
  TGatekeeperUnderTest gk;
  TRasCapture capture;
  bool started = false;
};

// A discovery request's aliases and gatekeeper identifier, and tshark's
// reading of its answer: message, reason, text, identifier, address, port.
struct TDiscovery {
  std::vector<std::string> aliases;
  std::string gatekeeper;
  TRow answer;
};

template <class T>
T& As(H225::rasMessage& AMessage) {
  return *static_cast<T*>(AMessage.alternative());
}

}  // namespace

TEST(DiscoveryEndToEnd, ConfirmOrRejectWithTheText) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TRunningGatekeeper run;
  ASSERT_TRUE(run.started) << run.gk.Console();
  TSimulatedEndpoint endpoint(2, &run.capture);
  const std::string ras = std::to_string(run.gk.RasPort());
  const TDiscovery cases[] = {
      {{}, "", {"1", "", "", "OrvoTestGK", "127.0.0.1", ras}},
      {{"alice", "100"}, "OrvoTestGK", {"1", "", "", "OrvoTestGK", "127.0.0.1", ras}},
      {{"alice"}, "OtherGK", {"2", "3", "Gatekeeper identifer mismatch.", "OrvoTestGK", "", ""}},
      {{"alice", "nobody", "bob"}, "", {"2", "1", "Unknown login alias.", "OrvoTestGK", "", ""}},
      {{"alice", "bob"}, "", {"2", "0", "Login aliases refer distinct endpoints.", "OrvoTestGK", "", ""}},
      {{"@a@b.c"}, "", {"2", "1", "Unknown login alias.", "OrvoTestGK", "", ""}},
      {{"@a@b.c", "fixed"}, "", {"2", "1", "User, aliases refer to, are static.", "OrvoTestGK", "", ""}},
      {{"fenced"}, "", {"2", "1", "Registration from this address is not allowed.", "OrvoTestGK", "", ""}},
  };
  for (const auto& c : cases) ASSERT_TRUE(run.Ask(endpoint, *DiscoveryRequest(endpoint, c.aliases, c.gatekeeper)));
  const std::vector<TRow> answers =
      run.Answers({"h225.RasMessage", "h225.rejectReason", "h225.text", "h225.gatekeeperIdentifier", "h225.ipV4",
                   "h225.ipV4_port", "h225.protocolIdentifier", "h225.nonStandard"});
  ASSERT_EQ(std::size(cases), answers.size());
  for (size_t i = 0; i < answers.size(); ++i) {
    TRow expected = cases[i].answer;
    expected.push_back("0.0.8.2250.0.4");
    expected.push_back(expected[0] == "2" ? "5e1f930a-7cd2-48b6-a104-3f88c927e05d" : "");
    EXPECT_EQ(expected, answers[i]) << i;
  }
}

// With no identifier in the system section the answers that would carry
// it, where it is optional, go out without it; registration is unchanged.
TEST(DiscoveryEndToEnd, AnsweredWithoutIdentifierWhenNoneIsConfigured) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TRunningGatekeeper run("registrations yes;\n", "");
  ASSERT_TRUE(run.started) << run.gk.Console();
  TSimulatedEndpoint endpoint(2, &run.capture);
  const std::string ras = std::to_string(run.gk.RasPort());
  const TDiscovery cases[] = {
      {{}, "", {"1", "", "", "", "127.0.0.1", ras}},
      {{"alice"}, "", {"1", "", "", "", "127.0.0.1", ras}},
      {{"nobody"}, "", {"2", "1", "Unknown login alias.", "", "", ""}},
      {{"alice"}, "OrvoTestGK", {"2", "3", "Gatekeeper identifer mismatch.", "", "", ""}},
  };
  for (const auto& c : cases) ASSERT_TRUE(run.Ask(endpoint, *DiscoveryRequest(endpoint, c.aliases, c.gatekeeper)));
  std::unique_ptr<H225::rasMessage> rcf = run.Ask(endpoint, *endpoint.RegistrationRequest({"alice"}));
  ASSERT_TRUE(rcf);
  EXPECT_EQ("7f000002:6b8", ConfirmedIdentifier(*rcf));
  ASSERT_TRUE(run.Ask(endpoint, *UnregistrationRequest(endpoint, "7f000002:6b8")));
  const std::vector<TRow> answers = run.Answers({"h225.RasMessage", "h225.rejectReason", "h225.text",
                                                 "h225.gatekeeperIdentifier", "h225.ipV4", "h225.ipV4_port"});
  ASSERT_EQ(std::size(cases) + 2, answers.size());
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].answer, answers[i]) << i;
  EXPECT_EQ("4", answers[std::size(cases)][0]);
  EXPECT_EQ("7", answers.back()[0]);
  EXPECT_EQ(std::string::npos, run.gk.Log().find("[E]")) << run.gk.Log();
}

TEST(RegistrationEndToEnd, ConfirmAndEachReject) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TRunningGatekeeper run;
  ASSERT_TRUE(run.started) << run.gk.Console();
  using TEdit = std::function<void(H225::registrationRequest&)>;
  const TEdit none = [](H225::registrationRequest&) {};
  const struct {
    unsigned host;
    std::vector<std::string> aliases;
    TEdit edit;
    TRow answer;  // message, reason, text, identifier, address, port, aliases, time to live
  } cases[] = {
      {2, {"alice", "100"}, none, {"4", "", "", "7f000002:6b8", "127.0.0.2", "1720", "alice|100", ""}},
      {3, {"alice"}, none, {"5", "4", "", "", "", "", "alice", ""}},
      {4, {"nobody"}, none, {"5", "10", "Unknown login alias.", "", "", "", "", ""}},
      {4, {"bob", "alice"}, none, {"5", "4", "", "", "", "", "alice", ""}},
      {5, {"fenced"}, none, {"5", "11", "Registration from this address is not allowed.", "", "", "", "", ""}},
      {2, {"bob"}, none, {"5", "11", "Other endpoint from this CS address already registered.", "", "", "", "", ""}},
      {6, {"fixed"}, none, {"5", "0", "User, aliases refer to, are static.", "", "", "", "", ""}},
      {6, {"bob", "t5"}, none, {"5", "10", "Login aliases refer distinct endpoints.", "", "", "", "", ""}},
      {6, {}, none, {"5", "10", "None of login aliases given.", "", "", "", "", ""}},
      {6,
       {"bob"},
       [](H225::registrationRequest& A) {
         A.gatekeeperIdentifier = new asn::bmpString<1u, 128u, 1>;
         *A.gatekeeperIdentifier = "OtherGK";
       },
       {"5", "0", "Gatekeeper identifer mismatch.", "", "", "", "", ""}},
      {6,
       {"bob"},
       [](H225::registrationRequest& A) { A.additiveRegistration = new asn::null; },
       {"5", "13", "", "", "", "", "", ""}},
      {6,
       {"bob"},
       [](H225::registrationRequest& A) { A.rasAddress.clear(); },
       {"5", "3", "No RAS IP address given.", "", "", "", "", ""}},
      {6, {"bob"}, [](H225::registrationRequest& A) { *A.keepAlive = true; }, {"5", "12", "", "", "", "", "", ""}},
      {7, {"t1"}, none, {"4", "", "", "7f000007:6b8", "127.0.0.7", "1720", "t1", "5"}},
  };
  for (const auto& c : cases) {
    TSimulatedEndpoint endpoint(c.host, &run.capture);
    std::unique_ptr<H225::rasMessage> rrq = endpoint.RegistrationRequest(c.aliases);
    c.edit(As<H225::registrationRequest>(*rrq));
    ASSERT_TRUE(run.Ask(endpoint, *rrq)) << c.host;
  }
  const std::vector<TRow> answers =
      run.Answers({"h225.RasMessage", "h225.rejectReason", "h225.text", "h225.endpointIdentifier", "h225.ipV4",
                   "h225.ipV4_port", "h225.h323_ID", "h225.timeToLive"});
  ASSERT_EQ(std::size(cases), answers.size());
  for (size_t i = 0; i < answers.size(); ++i) EXPECT_EQ(cases[i].answer, answers[i]) << i;
}

// Validity 5 s: the silent endpoint is told ttlExpired about 5 s after it
// registered; the one that kept its registration alive later.
TEST(RegistrationEndToEnd, ValidityEndsSilentRegistrationsOnly) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TRunningGatekeeper run;
  ASSERT_TRUE(run.started) << run.gk.Console();
  TSimulatedEndpoint silent(2, &run.capture), alive(3, &run.capture);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(4, run.Ask(silent, *silent.RegistrationRequest({"t1"}))->index());
  std::unique_ptr<H225::rasMessage> rcf = run.Ask(alive, *alive.RegistrationRequest({"t2"}));
  ASSERT_EQ(4, rcf->index());
  std::this_thread::sleep_for(milliseconds(3000));
  EXPECT_EQ(4, run.Ask(alive, *KeepAliveRequest(alive, ConfirmedIdentifier(*rcf)))->index());
  std::unique_ptr<H225::rasMessage> urq = silent.Receive(milliseconds(4000));
  ASSERT_TRUE(urq);
  const auto expired = std::chrono::steady_clock::now() - start;
  EXPECT_GE(expired, milliseconds(4900));
  EXPECT_FALSE(alive.Receive(milliseconds(1500))) << "the keep-alive restarted the validity";
  std::unique_ptr<H225::rasMessage> later = alive.Receive(milliseconds(3000));
  ASSERT_TRUE(later);
  // Confirmed, so that the stop need not wait for them.
  for (auto* pair : {&urq, &later}) {
    H225::rasMessage ucf;
    static_cast<H225::unregistrationConfirm*>(ucf.select(7))->requestSeqNum =
        As<H225::unregistrationRequest>(**pair).requestSeqNum.value();
    (pair == &urq ? silent : alive).Send(ucf, run.gk.RasAddress());
  }
  // Both registrations, the keep-alive and their confirms; then the two
  // unregistration requests of the gatekeeper, reason ttlExpired.
  tshark::result all = run.capture.Dissect(run.gk.PathOf("ras.pcap"), {"h225.RasMessage", "h225.reason"});
  ASSERT_EQ(10u, all.frames.size());
  for (size_t i : {1, 3, 5}) EXPECT_EQ(TRow({"4", ""}), all.frames[i].fields) << i;
  EXPECT_EQ(TRow({"6", "1"}), all.frames[6].fields);
  EXPECT_EQ(TRow({"6", "1"}), all.frames[7].fields);
}

// Requests that name alice's registration: from another host refused
// securityDenial, from alice's own accepted; then partial and full
// unregistration.
TEST(RegistrationEndToEnd, RequestsNamingARegistrationComeFromItsHost) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TRunningGatekeeper run;
  ASSERT_TRUE(run.started) << run.gk.Console();
  TSimulatedEndpoint alice(2, &run.capture), stranger(9, &run.capture);
  std::unique_ptr<H225::rasMessage> rcf = run.Ask(alice, *alice.RegistrationRequest({"alice", "100"}));
  ASSERT_TRUE(rcf);
  const std::string id = ConfirmedIdentifier(*rcf);
  ASSERT_EQ("7f000002:6b8", id);
  const struct {
    TSimulatedEndpoint* from;
    std::function<std::unique_ptr<H225::rasMessage>(TSimulatedEndpoint&)> request;
    TRow answer;  // message, reject reason, nak reason
  } cases[] = {
      {&stranger, [&](TSimulatedEndpoint& A) { return UnregistrationRequest(A, id); }, {"8", "4", ""}},
      {&stranger, [&](TSimulatedEndpoint& A) { return DisengageRequest(A, id, 7); }, {"17", "2", ""}},
      {&stranger, [&](TSimulatedEndpoint& A) { return InfoReport(A, id, 7); }, {"29", "", "1"}},
      {&stranger, [&](TSimulatedEndpoint& A) { return KeepAliveRequest(A, id); }, {"5", "11", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return KeepAliveRequest(A, id); }, {"4", "", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return DisengageRequest(A, id, 7); }, {"16", "", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return InfoReport(A, id, 7); }, {"28", "", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return InfoReport(A, id, 0); }, {"29", "", "2"}},
      {&alice, [&](TSimulatedEndpoint& A) { return UnregistrationRequest(A, id, {"100"}); }, {"7", "", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return KeepAliveRequest(A, id); }, {"4", "", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return UnregistrationRequest(A, id); }, {"7", "", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return UnregistrationRequest(A, id); }, {"8", "0", ""}},
      {&alice, [&](TSimulatedEndpoint& A) { return KeepAliveRequest(A, id); }, {"5", "12", ""}},
  };
  for (const auto& c : cases) ASSERT_TRUE(run.Ask(*c.from, *c.request(*c.from)));
  const std::vector<TRow> answers = run.Answers({"h225.RasMessage", "h225.rejectReason", "h225.nakReason"});
  ASSERT_EQ(std::size(cases) + 1, answers.size());
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].answer, answers[i + 1]) << i;
  EXPECT_TRUE(run.gk.WaitForLog("User unregistered:\talice at 127.0.0.2:1720")) << run.gk.Log();
}

// 200 endpoint hosts with 50 registrations each (one call-signal port per
// registration), all confirmed, then all unregistered.
TEST(RegistrationEndToEnd, TenThousandRegistrationsComeAndGo) {
  TRunningGatekeeper run("");
  ASSERT_TRUE(run.started) << run.gk.Console();
  const unsigned hosts = 200, each = 50;
  std::vector<std::string> identifiers;
  // Kept for both phases: the confirms go to the registered RAS address.
  std::vector<std::unique_ptr<TSimulatedEndpoint>> endpoints;
  for (unsigned h = 0; h < hosts; ++h) endpoints.emplace_back(new TSimulatedEndpoint(10 + h));
  for (int phase = 0; phase < 2; ++phase) {
    unsigned answered = 0;
    for (unsigned h = 0; h < hosts; ++h) {
      TSimulatedEndpoint& endpoint = *endpoints[h];
      for (unsigned k = 0; k < each; ++k) {
        const unsigned n = h * each + k;
        std::unique_ptr<H225::rasMessage> request;
        if (phase == 0) {
          request = endpoint.RegistrationRequest({"m" + std::to_string(n)});
          auto& rrq = As<H225::registrationRequest>(*request);
          rrq.callSignalAddress.clear();
          H323::sockaddrToTransport(LoopbackAddress(10 + h, 2000 + k), *rrq.callSignalAddress.appendNew());
        } else {
          request = UnregistrationRequest(endpoint, identifiers[n]);
        }
        ASSERT_TRUE(endpoint.Send(*request, run.gk.RasAddress()));
      }
      for (unsigned k = 0; k < each; ++k) {
        std::unique_ptr<H225::rasMessage> answer = endpoint.Receive(milliseconds(5000));
        ASSERT_TRUE(answer) << phase << " " << h << " " << k;
        EXPECT_EQ(phase == 0 ? 4 : 7, answer->index());
        if (phase == 0) identifiers.push_back(ConfirmedIdentifier(*answer));
        ++answered;
      }
    }
    EXPECT_EQ(hosts * each, answered);
  }
  char expected[32];
  snprintf(expected, sizeof expected, "%x:%x", unsigned(ntohl(inet_addr("127.0.0.209"))), 2049u);
  EXPECT_EQ(expected, identifiers.back());
}
