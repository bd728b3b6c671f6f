// Admission in process: registrations made by hand, requests and answers
// over loopback through our codec, RADIUS from a stand-in server, long
// waits on the test's timer clock.
#include <gatekeeper/AdmissionResolver.h>

#include <gtest/gtest.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>
#include <orvo/wallClock.h>

#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <signalling/CallSignallingRelay.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/RejectReason.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"
#include "externalTool.h"
#include "fakeRadiusServer.h"
#include "freeRadiusServer.h"
#include "orvoTesting.h"

namespace {

const char* const Secret = "call-secret";

const char* const Users =
    "system { address 127.0.0.1; ras port 0; }\n"
    "zone z { bandwidth 1K; }\n"
    "user alice { proxy level none; alias \"1001\"; }\nuser bob { proxy level none; alias \"1002\"; }\n"
    "user routed { alias \"1003\"; proxy level signalling; }\n"
    "user busy { proxy level none; alias \"1004\"; connections 0; }\n"
    "user half { proxy level none; alias \"20\"; alias \"21\" no; }\n"
    "user inz { proxy level none; alias \"30.*\"; location z; }\n"
    "user cheap { proxy level none; alias \"2.*\" cost 10; }\nuser dear { proxy level none; alias \"2.*\" cost 20; "
    "radius authentication callee; "
    "radius name \"dear\"; radius password \"pw\"; }\n"
    "user checked { proxy level none; alias \"40\"; radius authentication caller; radius name \"checked\"; radius "
    "password \"pw\"; }\n"
    "user refused { proxy level none; radius authentication caller; radius name \"refused\"; radius password \"pw\"; "
    "}\n";

std::string WithRadius(const std::string& AAaa = "") {
  return std::string(Users) + "aaa { address 127.0.0.1; password \"" + Secret + "\"; " + AAaa + "}\n";
}

struct TRig {
  explicit TRig(const std::string& AConfiguration) : gk(AConfiguration) {
    gk.Core.OpenRASSockets();
    gk.Core.SetStateForTesting(TGatekeeper::gksRunning);
  }
  // A registration of the user at the endpoint's address.
  TEndpointRegisterInfo* Add(const char* AUser, TSimulatedEndpoint& AEndpoint, unsigned AVersion = 4) {
    const unsigned host = ntohl(AEndpoint.Address().sin_addr.s_addr) & 0xFF;
    TEndpointRegisterInfo* r = gk.Register(AUser, host);
    r->RasAddress = AEndpoint.Address();
    r->ProtocolVersion = AVersion;
    return r;
  }
  void Send(TSimulatedEndpoint& AFrom, const H225::rasMessage& AMessage) {
    ASSERT_TRUE(AFrom.Send(AMessage, gk.Core.BoundRasAddress()));
  }
  std::unique_ptr<H225::rasMessage> Answer(TSimulatedEndpoint& ATo, int APasses = 20) {
    for (int i = 0; i < APasses; ++i) {
      orvo::sockEvent::dispatch(0);
      if (auto answer = ATo.Receive(std::chrono::milliseconds(5))) return answer;
    }
    return nullptr;
  }
  std::unique_ptr<H225::rasMessage> Ask(TSimulatedEndpoint& AFrom, const H225::rasMessage& AMessage) {
    Send(AFrom, AMessage);
    return Answer(AFrom);
  }
  TCoreWithUsers gk;
};

struct TArq {
  TEndpointRegisterInfo* sender;
  unsigned sequence;
  std::vector<const char*> destination;
  bool answer = false;
  unsigned char conference = 1;
  uint32_t bandwidth = 640;
  const sockaddr_in* callSignal = nullptr;  // destCallSignalAddress, or src for an answer
};

H225::rasMessage Arq(const TArq& A) {
  H225::rasMessage message;
  auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
  arq->requestSeqNum = A.sequence;
  arq->callType.select(0);
  arq->endpointIdentifier = A.sender ? A.sender->Identifier() : orvo::string("ffff");
  if (!A.destination.empty()) {
    arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
    for (const char* text : A.destination) H323::makeAliasAddress(*arq->destinationInfo->appendNew(), text);
  }
  H323::makeAliasAddress(*arq->srcInfo.appendNew(), "1001");
  if (A.callSignal) {
    auto* address = new H225::transportAddress;
    H323::sockaddrToTransport(*A.callSignal, *address);
    (A.answer ? arq->srcCallSignalAddress : arq->destCallSignalAddress) = address;
  }
  arq->bandWidth = A.bandwidth;
  arq->callReferenceValue = 7;
  arq->conferenceID = Guid(A.conference);
  arq->answerCall = A.answer;
  return message;
}

const H225::admissionConfirm* Acf(const std::unique_ptr<H225::rasMessage>& AAnswer) {
  return AAnswer && AAnswer->index() == 10 ? static_cast<const H225::admissionConfirm*>(AAnswer->alternative())
                                           : nullptr;
}

// "ARJ <reason index> <text>", "ACF", "RIP <delay>" or "none".
std::string Describe(const std::unique_ptr<H225::rasMessage>& AAnswer) {
  if (!AAnswer) return "none";
  if (AAnswer->index() == 10) return "ACF";
  if (AAnswer->index() == 25)
    return "RIP " + std::to_string(static_cast<const H225::requestInProgress*>(AAnswer->alternative())->delay.value());
  if (AAnswer->index() != 11) return "kind " + std::to_string(AAnswer->index());
  const auto* arj = static_cast<const H225::admissionReject*>(AAnswer->alternative());
  std::string text = "ARJ " + std::to_string(arj->rejectReason.index());
  if (arj->genericData) {
    const auto* data =
        static_cast<const H225::genericData*>(static_cast<const asn::object*>(arj->genericData->elements().first()));
    const auto* parameter = static_cast<const H225::enumeratedParameter*>(
        static_cast<const asn::object*>(data->parameters->elements().first()));
    text += " " + toStd(static_cast<const asn::constrainedString*>(parameter->content->alternative())->value());
  }
  return text;
}

std::string Arj(TRejectReason AReason, const char* AText = nullptr) {
  return "ARJ " + std::to_string(RejectReasonToAdmissionReject(AReason)) + (AText ? std::string(" ") + AText : "");
}

}  // namespace

TEST(AdmissionResolver, RangesOfComputedFields) {
  const struct {
    int64_t validity;
    int frequency;
  } frequencies[] = {{-1, -1},
                     {-5, -1},
                     {0, -1},
                     {1, -1},
                     {3, -1},
                     {4, 1},
                     {30, 9},
                     {60, 19},
                     {196606, 65535},
                     {196609, 65535},
                     {4000000000LL, 65535}};
  for (const auto& c : frequencies) EXPECT_EQ(c.frequency, TAdmissionResolver::IrrFrequency(c.validity)) << c.validity;
  const struct {
    int64_t span;
    unsigned delay;
  } delays[] = {{-5000, 100}, {0, 100}, {7400, 7500}, {65435, 65535}, {65436, 65535}, {1000000, 65535}};
  for (const auto& c : delays) EXPECT_EQ(c.delay, TAdmissionResolver::ProgressDelay(c.span)) << c.span;
}

TEST(AdmissionResolver, DirectCallBothSides) {
  TRig rig(Users);
  TSimulatedEndpoint aliceEndpoint(2), bobEndpoint(3);
  TEndpointRegisterInfo* alice = rig.Add("alice", aliceEndpoint);
  TEndpointRegisterInfo* bob = rig.Add("bob", bobEndpoint);
  auto answer = rig.Ask(aliceEndpoint, Arq({alice, 1, {"1002"}}));
  const H225::admissionConfirm* acf = Acf(answer);
  ASSERT_NE(nullptr, acf) << Describe(answer);
  sockaddr_in destination{};
  ASSERT_TRUE(H323::transportToSockaddr(acf->destCallSignalAddress, destination));
  EXPECT_EQ(toStd(orvo::toText(bob->CallSignalAddress)), toStd(orvo::toText(destination)));
  EXPECT_EQ(0, acf->callModel.index()) << "direct";
  ASSERT_NE(nullptr, acf->irrFrequency);
  EXPECT_EQ(19u, acf->irrFrequency->value());
  ASSERT_NE(nullptr, acf->destinationInfo);
  EXPECT_EQ("1002", toStd(H323::aliasToString(*static_cast<const H225::aliasAddress*>(
                        static_cast<const asn::object*>(acf->destinationInfo->elements().first())))));
  ASSERT_NE(nullptr, acf->willRespondToIRR);
  EXPECT_TRUE(acf->willRespondToIRR->value());
  ASSERT_NE(nullptr, acf->uuiesRequested);
  const H225::uUIEsRequested& u = *acf->uuiesRequested;
  for (const asn::booltype* flag : {&u.setup, &u.callProceeding, &u.connect, &u.alerting, &u.information,
                                    &u.releaseComplete, &u.facility, &u.progress, &u.empty})
    EXPECT_FALSE(flag->value());
  for (const asn::booltype* flag : {u.status, u.statusInquiry, u.setupAcknowledge, u.notify}) {
    ASSERT_NE(nullptr, flag);
    EXPECT_FALSE(flag->value());
  }
  ASSERT_EQ(1u, rig.gk.Core.Connections().Count());

  const sockaddr_in aliceSignal = alice->CallSignalAddress;
  answer = rig.Ask(bobEndpoint, Arq({bob, 1, {"1002"}, true, 1, 640, &aliceSignal}));
  acf = Acf(answer);
  ASSERT_NE(nullptr, acf) << Describe(answer);
  ASSERT_TRUE(H323::transportToSockaddr(acf->destCallSignalAddress, destination));
  EXPECT_EQ(toStd(orvo::toText(bob->CallSignalAddress)), toStd(orvo::toText(destination)));
  EXPECT_EQ(1u, rig.gk.Core.Connections().Count()) << "the answer joins the call";
  rig.gk.Core.Connections().ForEach([](TConnection* C) {
    EXPECT_TRUE(C->Admitted(0) && C->Admitted(1));
    return false;
  });

  EXPECT_EQ("ACF", Describe(rig.Ask(aliceEndpoint, Arq({alice, 2, {"1002"}, false, 2}))));
  EXPECT_EQ(2u, rig.gk.Core.Connections().Count()) << "a second call";
}

TEST(AdmissionResolver, VersionOneConfirmCarriesNoAdditions) {
  TRig rig(Users);
  TSimulatedEndpoint aliceEndpoint(2), bobEndpoint(3);
  TEndpointRegisterInfo* alice = rig.Add("alice", aliceEndpoint, 1);
  rig.Add("bob", bobEndpoint);
  auto answer = rig.Ask(aliceEndpoint, Arq({alice, 1, {"1002"}}));
  const H225::admissionConfirm* acf = Acf(answer);
  ASSERT_NE(nullptr, acf) << Describe(answer);
  EXPECT_EQ(nullptr, acf->destinationInfo);
  EXPECT_EQ(nullptr, acf->willRespondToIRR);
  EXPECT_EQ(nullptr, acf->uuiesRequested);
}

TEST(AdmissionResolver, Rejections) {
  enum TSetup { sNone, sShutdown, sForeignHost, sCollision, sFullZone, sNotParticipant };
  const struct {
    const char* caller;
    TSetup setup;
    std::vector<const char*> destination;
    bool answer;
    std::string expected;
    const char* why;
    const char* peer;
  } cases[] = {
      {nullptr, sNone, {"1002"}, false, Arj(rrCallerNotRegistered), "unknown caller, no text", nullptr},
      {nullptr, sNone, {"1002"}, true, Arj(rrCalledPartyNotRegistered), "unknown answering endpoint", nullptr},
      {"alice", sNone, {"9999"}, false, Arj(rrCalledPartyNotRegistered), "nobody takes the alias", nullptr},
      {"busy",
       sNone,
       {"1002"},
       false,
       Arj(rrExceedsCallCapacity, "Caller call capacity exceeded."),
       "caller full",
       nullptr},
      {"busy",
       sNone,
       {"1004"},
       true,
       Arj(rrExceedsCallCapacity, "Callee call capacity exceeded."),
       "callee full",
       nullptr},
      {"alice", sNone, {"1004"}, false, Arj(rrExceedsCallCapacity), "the peer is full", "busy"},
      {"alice", sNone, {"20", "21"}, false, Arj(rrAliasesInconsistent), "one alias of two refused", "half"},
      {"alice",
       sShutdown,
       {"1002"},
       false,
       Arj(rrUndefinedReason, "Gatekeeper service shutting down."),
       "stopping",
       nullptr},
      {"alice", sForeignHost, {"1002"}, false, Arj(rrSecurityDenial), "sent from another host", nullptr},
      {"bob", sCollision, {"1002"}, true, Arj(rrCallerNotRegistered), "two callers at one address", nullptr},
      {"inz",
       sFullZone,
       {"1002"},
       true,
       Arj(rrRequestDenied, "Link bandwidth completely exhausted."),
       "zone full",
       nullptr},
      {"alice",
       sNotParticipant,
       {"1002"},
       true,
       Arj(rrUndefinedReason, "Connection already exists. Admitter not a connection participant."),
       "not its call",
       nullptr},
  };
  for (const auto& c : cases) {
    TCoreLog log;
    TRig rig(Users);
    TSimulatedEndpoint endpoint(2), other(3), stranger(9), second(4);
    TEndpointRegisterInfo* sender = c.caller ? rig.Add(c.caller, endpoint) : nullptr;
    rig.Add(c.peer ? c.peer : c.caller && std::string(c.caller) == "bob" ? "alice" : "bob", other);
    sockaddr_in callerSignal = LoopbackAddress(3, 1720);
    if (c.setup == sShutdown) rig.gk.Core.SetStateForTesting(TGatekeeper::gksShuttingDown);
    if (c.setup == sCollision) {
      TEndpointRegisterInfo* again = rig.Add("alice", second);
      again->CallSignalAddress = LoopbackAddress(3, 1730);
      again->Changed();  // a registered record announces what changes in it
    }
    if (c.setup == sFullZone || c.setup == sNotParticipant) {
      // The call is known; its zone has nothing left for the answer.
      TEndpointRegisterInfo* peer = rig.gk.Register("alice", 5);
      auto* call = new TConnection(&rig.gk.Core, TEndpointHandle(peer),
                                   TEndpointHandle(c.setup == sFullZone ? sender : peer), 7, Guid(1), nullptr);
      uint32_t granted = 0;
      call->SetBandwidth(0, false, granted);
      if (c.setup == sFullZone) {
        auto* hog = new TConnection(&rig.gk.Core, TEndpointHandle(sender), TEndpointHandle(), 8, Guid(9), nullptr);
        hog->SetBandwidth(10, false, granted);
      }
    }
    TSimulatedEndpoint& from = c.setup == sForeignHost ? stranger : endpoint;
    const std::string got =
        Describe(rig.Ask(from, Arq({sender, 1, c.destination, c.answer, 1, 640, c.answer ? &callerSignal : nullptr})));
    EXPECT_EQ(c.expected, got) << c.why;
    if (c.setup == sCollision) {
      EXPECT_NE(std::string::npos, log.Lines().find("Address collision between: alice and alice. Duplicate call "
                                                    "signal address. Admission request to answer direct call will "
                                                    "be denied."))
          << log.Lines();
    }
  }
}

namespace {

// Types in order, a vendor attribute as "26/<vendor type>".
std::string AttributeTypes(const octets& ADatagram) {
  std::string types;
  for (size_t at = 20; at + 2 <= ADatagram.size() && ADatagram[at + 1] >= 2; at += ADatagram[at + 1]) {
    types += std::to_string(ADatagram[at]);
    if (ADatagram[at] == 26 && at + 6 < ADatagram.size()) types += "/" + std::to_string(ADatagram[at + 6]);
    types += " ";
  }
  return types;
}

octets Cisco(unsigned AType, const std::string& AText) {
  octets a = {26, uint8_t(8 + AText.size()), 0, 0, 0, 9, uint8_t(AType), uint8_t(2 + AText.size())};
  for (char octet : AText) a.push_back(uint8_t(octet));
  return a;
}

struct TRadiusRig : TRig {
  explicit TRadiusRig(const std::string& AAaa = "") : TRig(WithRadius(AAaa)) {
    gk.Core.AuthenticationRADIUS.SetSecret(Secret);
    EXPECT_TRUE(gk.Core.AuthenticationRADIUS.Open(server.address()));
  }
  // Moves the timer clock in small steps, so that restarted timers keep
  // their schedule, until the endpoint hears something or the span ends.
  // *AAt: milliseconds on the timer clock since AStart when it came.
  std::unique_ptr<H225::rasMessage> Wait(TSimulatedEndpoint& AEndpoint, int64_t AMilliseconds,
                                         const orvo::dateTime& AStart, int64_t* AAt) {
    for (int64_t passed = 0; passed < AMilliseconds; passed += 10) {
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(10));
      orvo::sockEvent::dispatch(0);
      if (auto answer = AEndpoint.Receive(std::chrono::milliseconds(0))) {
        *AAt = (orvo::timerClock() - AStart).milliseconds();
        return answer;
      }
    }
    return nullptr;
  }
  fakeRadiusServer server;
};

}  // namespace

TEST(AdmissionResolver, RadiusAuthorisationOfTheCaller) {
  const struct {
    unsigned code;
    octets attributes;
    std::string expected;
    int credit;
  } cases[] = {
      {2, {27, 6, 0, 0, 1, 44}, "ACF", 300},
      {2, Cisco(102, "h323-credit-time=120"), "ACF", 120},
      {2, Cisco(102, "h323-credit-time=12x"), "ACF", -1},
      {2, {}, "ACF", -1},
      {3, {}, Arj(rrSecurityDenial, "Connection rejected by RADIUS server."), 0},
  };
  for (const auto& c : cases) {
    TRadiusRig rig;
    TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
    TEndpointRegisterInfo* caller = rig.Add("checked", callerEndpoint);
    rig.Add("bob", calleeEndpoint);
    rig.Send(callerEndpoint, Arq({caller, 1, {"1002"}}));
    ASSERT_TRUE(runUntil([&] { return !rig.server.received.empty(); }, 2000));
    const octets request = rig.server.received[0].bytes;
    EXPECT_EQ("4 1 2 6 31 30 26/26 26/27 26/24 26/23 26/25 ", AttributeTypes(request));
    const std::string text(request.begin(), request.end());
    for (const char* value :
         {"checked", "h323-call-origin=answer", "h323-call-type=VoIP",
          "h323-conf-id=01010101 01010101 01010101 01010101", "h323-remote-address=127.0.0.2", "h323-setup-time="})
      EXPECT_NE(std::string::npos, text.find(value)) << value;
    rig.server.answer(request, c.code, c.attributes, Secret);
    EXPECT_EQ(c.expected, Describe(rig.Answer(callerEndpoint, 200)));
    if (c.code != 2) continue;
    ASSERT_EQ(1u, rig.gk.Core.Connections().Count());
    rig.gk.Core.Connections().ForEach([&](TConnection* C) {
      EXPECT_EQ(c.credit, C->CreditTime(0));
      return false;
    });
  }
}

namespace {

// The text of the request's h323-setup-time; empty when it has none.
std::string SetupTimeOf(const octets& ARequest) {
  static const std::string key = "h323-setup-time=";
  const std::string text(ARequest.begin(), ARequest.end());
  const size_t at = text.find(key);
  if (at == std::string::npos || at == 0) return "";
  return text.substr(at + key.size(), uint8_t(text[at - 1]) - 2 - key.size());
}

// Sets the zone while it lives.
struct TZoneHold {
  explicit TZoneHold(const char* AZone) : Old(getenv("TZ") ? getenv("TZ") : "") {
    setenv("TZ", AZone, 1);
    tzset();
  }
  ~TZoneHold() {
    setenv("TZ", Old.c_str(), 1);
    tzset();
  }
  std::string Old;
};

}  // namespace

// Universal time comes from the clock reading itself: taken from the local
// fields, the first two rows were an hour off ("23:30:00.000 UTC Sat Mar 28
// 2026", "01:30:00.000 UTC Sun Oct 25 2026"). With a local offset the
// fields are the zone's; a zone without daylight saving keeps its half hour.
TEST(AdmissionResolver, SetupTimeNextToDaylightSavingChanges) {
  const std::string local = "time zone offset local; time zone name ";
  const struct {
    const char* Zone;
    std::time_t Seconds;
    std::string Aaa;
    const char* Expected;
  } rows[] = {
      {"Europe/Berlin", 1774744200, "", "00:30:00.000 UTC Sun Mar 29 2026"},
      {"Europe/Berlin", 1792888200, "", "00:30:00.000 UTC Sun Oct 25 2026"},
      {"Europe/Berlin", 1774744200, local + "\"CET\";", "01:30:00.000 CET Sun Mar 29 2026"},
      {"Europe/Berlin", 1792888200, local + "\"CEST\";", "02:30:00.000 CEST Sun Oct 25 2026"},
      {"IST-5:30", 1774744200, "", "00:30:00.000 UTC Sun Mar 29 2026"},
      {"IST-5:30", 1774744200, local + "\"IST\";", "06:00:00.000 IST Sun Mar 29 2026"},
  };
  for (const auto& row : rows) {
    const TZoneHold zone(row.Zone);
    const orvo::wallClockHold hold(timeval{row.Seconds, 0});
    TRadiusRig rig(row.Aaa);
    TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
    TEndpointRegisterInfo* caller = rig.Add("checked", callerEndpoint);
    rig.Add("bob", calleeEndpoint);
    rig.Send(callerEndpoint, Arq({caller, 1, {"1002"}}));
    ASSERT_TRUE(runUntil([&] { return !rig.server.received.empty(); }, 2000)) << row.Expected;
    EXPECT_EQ(row.Expected, SetupTimeOf(rig.server.received[0].bytes)) << row.Zone << " " << row.Aaa;
  }
}

// The RADIUS failure and the master timeout fall due together; the failure,
// which says more, is what the endpoint hears. The timer clock is held, so
// each answer comes at its millisecond however slowly the machine runs.
TEST(AdmissionResolver, StoppedRadiusServer) {
  orvo::timerClockHold hold;
  TCoreLog log;
  TRadiusRig rig;
  TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
  TEndpointRegisterInfo* caller = rig.Add("checked", callerEndpoint);
  rig.Add("bob", calleeEndpoint);
  const orvo::dateTime start = orvo::timerClock();
  rig.Send(callerEndpoint, Arq({caller, 1, {"1002"}}));
  ASSERT_TRUE(runUntil([&] { return !rig.server.received.empty(); }, 2000));
  int64_t at = 0;
  auto answer = rig.Wait(callerEndpoint, 6000, start, &at);
  ASSERT_EQ(25, answer ? int(answer->index()) : -1) << Describe(answer);
  EXPECT_EQ(4500, at);
  EXPECT_EQ("RIP 7600", Describe(answer)) << "remaining time plus 100 ms";
  answer = rig.Wait(callerEndpoint, 9000, start, &at);
  EXPECT_EQ(Arj(rrSecurityDenial, "RADIUS server failure."), Describe(answer));
  EXPECT_EQ(12000, at);
  EXPECT_EQ(4u, rig.server.received.size());
  EXPECT_NE(std::string::npos, log.Lines().find("No answer from RADIUS server authentication side."));
  EXPECT_EQ("none", Describe(rig.Wait(callerEndpoint, 1000, start, &at))) << "one answer only";
}

// After the confirm the resolver goes on hunting (here waiting on the
// second candidate's RADIUS check); a lost confirm is asked for again.
TEST(AdmissionResolver, RetransmissionWhileHuntingIsConfirmedAgain) {
  TRadiusRig rig;
  TSimulatedEndpoint callerEndpoint(2), cheapEndpoint(3), dearEndpoint(4);
  TEndpointRegisterInfo* caller = rig.Add("alice", callerEndpoint);
  rig.Add("cheap", cheapEndpoint);
  rig.Add("dear", dearEndpoint);
  const H225::rasMessage arq = Arq({caller, 5, {"200"}});
  EXPECT_EQ("ACF", Describe(rig.Ask(callerEndpoint, arq)));
  ASSERT_TRUE(runUntil([&] { return !rig.server.received.empty(); }, 2000)) << "the second candidate is checked";
  EXPECT_EQ(1u, rig.gk.Core.AdmissionResolvers().Count());
  EXPECT_EQ("ACF", Describe(rig.Ask(callerEndpoint, arq)));
  EXPECT_EQ(1u, rig.gk.Core.Connections().Count());
  rig.server.answer(rig.server.received[0].bytes, 2, {}, Secret);
  runUntil([&] { return rig.gk.Core.AdmissionResolvers().Count() == 0; }, 1000);
  EXPECT_EQ(0u, rig.gk.Core.AdmissionResolvers().Count()) << "hunting ends with the candidates";
  rig.gk.Core.Connections().ForEach([&](TConnection* C) {
    EXPECT_EQ(1u, C->AlternativeCount()) << "the checked candidate became an alternative";
    return false;
  });
}

// A real server reads the call's vendor attributes by its Cisco dictionary:
// the users file accepts with a credit only when it sees every one of them.
TEST(AdmissionResolver, FreeRadiusAuthorisesTheCall) {
  ORVO_REQUIRE_TOOL(!freeRadiusServer::program().empty(), "FreeRADIUS (Debian package freeradius)");
  freeRadiusServer server;
  ASSERT_TRUE(
      server.start(Secret,
                   "checked\tCleartext-Password := \"pw\", Service-Type == Call-Check, "
                   "h323-call-origin == \"h323-call-origin=answer\", h323-call-type == \"h323-call-type=VoIP\", "
                   "h323-conf-id == \"h323-conf-id=01010101 01010101 01010101 01010101\", "
                   "h323-remote-address == \"h323-remote-address=127.0.0.2\", "
                   "Calling-Station-Id == \"1001\", Called-Station-Id == \"1002\"\n"
                   "\th323-credit-time = \"h323-credit-time=120\",\n\tSession-Timeout = 90\n\n"
                   "checked\tCleartext-Password := \"pw\"\n\tReply-Message = \"attributes not seen\"\n\n"
                   "refused\tAuth-Type := Reject\n"))
      << server.failure();
  const struct {
    const char* user;
    std::string expected;
    int credit;
  } cases[] = {{"checked", "ACF", 120}, {"refused", Arj(rrSecurityDenial, "Connection rejected by RADIUS server."), 0}};
  for (const auto& c : cases) {
    TRig rig(WithRadius());
    rig.gk.Core.AuthenticationRADIUS.SetSecret(Secret);
    ASSERT_TRUE(rig.gk.Core.AuthenticationRADIUS.Open(server.authenticationAddress()));
    TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
    TEndpointRegisterInfo* caller = rig.Add(c.user, callerEndpoint);
    rig.Add("bob", calleeEndpoint);
    rig.Send(callerEndpoint, Arq({caller, 1, {"1002"}}));
    std::unique_ptr<H225::rasMessage> answer;
    runUntil([&] { return (answer = callerEndpoint.Receive(std::chrono::milliseconds(0))) != nullptr; }, 5000);
    EXPECT_EQ(c.expected, Describe(answer)) << server.debugLog();
    rig.gk.Core.Connections().ForEach([&](TConnection* C) {
      EXPECT_EQ(c.credit, C->CreditTime(0)) << "the first credit attribute of the answer";
      return false;
    });
  }
}

TEST(AdmissionResolver, ChosenRouteLine) {
  const struct {
    const char* alias;
    const char* callee;
    const char* line;
  } cases[] = {
      {"1002", "bob", "Chosen route:\tbob with Cost: (no cost), Bandwidth: (unlimited)\n"},
      {"200", "cheap", "Chosen route:\tcheap with Cost: 10, Bandwidth: (unlimited)\n"},
      {"300", "inz", "Chosen route:\tinz with Cost: (no cost), Bandwidth: 10*10^2\n"},
  };
  for (const auto& c : cases) {
    TRig rig(std::string(Users) + "log { chosen route yes; }\n");
    TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
    TEndpointRegisterInfo* caller = rig.Add("alice", callerEndpoint);
    rig.Add(c.callee, calleeEndpoint);
    TCoreLog log;
    EXPECT_EQ("ACF", Describe(rig.Ask(callerEndpoint, Arq({caller, 1, {c.alias}, false, 1, 1}))));
    EXPECT_EQ(c.line, log.Lines());
  }
}

// A routed call: the caller is sent to the relay's listener.
TEST(AdmissionResolver, RoutedCallGoesToTheRelay) {
  TRig rig(Users);
  TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
  TEndpointRegisterInfo* caller = rig.Add("alice", callerEndpoint);
  rig.Add("routed", calleeEndpoint);
  auto answer = rig.Ask(callerEndpoint, Arq({caller, 1, {"1003"}}));
  const H225::admissionConfirm* acf = Acf(answer);
  ASSERT_NE(nullptr, acf) << Describe(answer);
  EXPECT_EQ(1, acf->callModel.index()) << "gatekeeperRouted";
  EXPECT_EQ(nullptr, acf->destinationInfo) << "only a direct call names the callee";
  sockaddr_in destination{};
  ASSERT_TRUE(H323::transportToSockaddr(acf->destCallSignalAddress, destination));
  TConnection* call = nullptr;
  rig.gk.Core.Connections().ForEach([&](TConnection* C) { return (call = C) != nullptr; });
  ASSERT_NE(nullptr, call);
  ASSERT_NE(nullptr, call->Relay());
  EXPECT_EQ(toStd(orvo::toText(call->Relay()->ListenAddress())), toStd(orvo::toText(destination)));
  EXPECT_NE(toStd(orvo::toText(LoopbackAddress(3, 1720))), toStd(orvo::toText(destination)));
}

namespace {

// Users whose RADIUS name or password is the endpoint's H.235 identity.
const char* const IdentityUsers =
    "user tokenpw { proxy level none; radius authentication caller; radius name \"t\"; radius password "
    "h235password; }\n"
    "user noname { proxy level none; radius authentication caller; radius name h235name; radius password "
    "\"pw\"; }\n"
    "user acctname { proxy level none; radius accounting caller; radius name h235name; }\n"
    "user answering { proxy level none; alias \"50\"; radius authentication callee; radius name h235name; "
    "radius password \"pw\"; }\n";

}  // namespace

// The RADIUS identity the user's settings take from H.235 is missing from
// an ARQ without tokens: refused before anything is asked of the server.
TEST(AdmissionResolver, RadiusIdentityNotSupplied) {
  const struct {
    const char* user;
    const char* aaa;
    std::string expected;
  } cases[] = {
      {"tokenpw", "", Arj(rrSecurityDenial, "Password for RADIUS server is not supplied.")},
      {"noname", "", Arj(rrSecurityDenial, "User name for RADIUS server is not supplied.")},
      {"acctname", " authentication port unlimited;", Arj(rrSecurityDenial, "User name for RADIUS server is not supplied.")},
  };
  for (const auto& c : cases) {
    fakeRadiusServer server;
    TRig rig(std::string(Users) + IdentityUsers + "aaa { address 127.0.0.1; password \"" + Secret + "\";" + c.aaa +
             " }\n");
    rig.gk.Core.AuthenticationRADIUS.SetSecret(Secret);
    ASSERT_TRUE(rig.gk.Core.AuthenticationRADIUS.Open(server.address()));
    TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
    TEndpointRegisterInfo* caller = rig.Add(c.user, callerEndpoint);
    rig.Add("bob", calleeEndpoint);
    EXPECT_EQ(c.expected, Describe(rig.Ask(callerEndpoint, Arq({caller, 1, {"1002"}})))) << c.user;
    EXPECT_TRUE(server.received.empty()) << c.user;
    EXPECT_EQ(0u, rig.gk.Core.Connections().Count()) << c.user;
  }
}

// An answer of the server that is neither accept nor reject: logged, and
// the call refused as for a failed server.
TEST(AdmissionResolver, OddRadiusAnswer) {
  for (unsigned code : {11u, 5u, 1u}) {
    TCoreLog log;
    TRadiusRig rig;
    TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
    TEndpointRegisterInfo* caller = rig.Add("checked", callerEndpoint);
    rig.Add("bob", calleeEndpoint);
    rig.Send(callerEndpoint, Arq({caller, 1, {"1002"}}));
    ASSERT_TRUE(runUntil([&] { return !rig.server.received.empty(); }, 2000));
    rig.server.answer(rig.server.received[0].bytes, code, {}, Secret);
    EXPECT_EQ(Arj(rrSecurityDenial, "RADIUS server failure."), Describe(rig.Answer(callerEndpoint, 200))) << code;
    EXPECT_EQ("Odd answer from RADIUS server authentication side.\n", log.Lines()) << code;
    EXPECT_EQ(0u, rig.gk.Core.Connections().Count()) << code;
  }
}

// The call ends while the answering endpoint's RADIUS check is pending:
// the endpoint is told so, once. The timer clock is held, so only the
// call's removal falls due.
TEST(AdmissionResolver, ConnectionDestroyedDuringResolve) {
  orvo::timerClockHold hold;
  TRig rig(std::string(Users) + IdentityUsers + "aaa { address 127.0.0.1; password \"" + Secret + "\"; }\n");
  fakeRadiusServer server;
  rig.gk.Core.AuthenticationRADIUS.SetSecret(Secret);
  ASSERT_TRUE(rig.gk.Core.AuthenticationRADIUS.Open(server.address()));
  TSimulatedEndpoint callerEndpoint(2), calleeEndpoint(3);
  TEndpointRegisterInfo* caller = rig.Add("alice", callerEndpoint);
  TEndpointRegisterInfo* callee = rig.Add("answering", calleeEndpoint);
  callee->Variables().Set("h235name", "answering-h235");
  auto* call = new TConnection(&rig.gk.Core, TEndpointHandle(caller), TEndpointHandle(callee), 7, Guid(1), nullptr);
  call->Admit(TConnection::cnsCaller);
  const sockaddr_in callerSignal = caller->CallSignalAddress;
  rig.Send(calleeEndpoint, Arq({callee, 1, {"50"}, true, 1, 640, &callerSignal}));
  ASSERT_TRUE(runUntil([&] { return !server.received.empty(); }, 2000)) << "the answering side is checked";
  EXPECT_EQ("none", Describe(rig.Answer(calleeEndpoint, 3)));
  call->ScheduleRemoval();
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1000));
  EXPECT_EQ(Arj(rrUndefinedReason, "Connection destroyed during resolve."), Describe(rig.Answer(calleeEndpoint)));
  EXPECT_EQ(0u, rig.gk.Core.Connections().Count());
  EXPECT_EQ(0u, rig.gk.Core.AdmissionResolvers().Count());
  server.answer(server.received[0].bytes, 2, {}, Secret);
  EXPECT_EQ("none", Describe(rig.Answer(calleeEndpoint, 5))) << "the late accept finds no resolver";
}
