// The registration resolver and the endpoint requests in this process: the
// core's RAS socket on loopback, a RADIUS stand-in that answers when told,
// the timer clock moved by the test.
#include <gatekeeper/RegistrationResolver.h>

#include <gtest/gtest.h>

#include <openssl/evp.h>

#include <asn/constrainedString.h>
#include <h323/alias.h>
#include <h323/authenticationEnvironment.h>
#include <h323/h235Authenticator.h>
#include <h323/transportAddress.h>
#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <gatekeeper/RejectTextCarrier.h>

#include "CoreWithUsers.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "fakeRadiusServer.h"
#include "orvoTesting.h"

namespace {

using std::chrono::milliseconds;
const char* const Secret = "s3cret";

struct TServingCore {
  TServingCore()
      : gk("system { identifier \"GK\"; address 127.0.0.1; ras port 0; }\n"
           "aaa { address 127.0.0.1; password \"s3cret\"; }\n"
           "user rad { login \"rad\"; radius authentication login; radius name \"radname\"; radius password \"pw\"; }\n"
           "user chap { login \"chap\"; radius authentication login; radius name h235name;"
           " radius password h235password; }\n"
           "user plain { login \"p[0-9]\"; }\n"
           "user b { login \"b\"; }\n") {
    gk.Core.AuthenticationRADIUS.SetSecret(Secret);
    gk.Core.AuthenticationRADIUS.Open(server.address());
    gk.Core.OpenRASSockets();
    gk.Core.SetStateForTesting(TGatekeeper::gksRunning);
  }
  void Send(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& ARequest) {
    ASSERT_TRUE(AEndpoint.Send(ARequest, gk.Core.BoundRasAddress()));
  }
  // The next answer the core sends the endpoint, null when none comes.
  std::unique_ptr<H225::rasMessage> Answer(TSimulatedEndpoint& AEndpoint, int64_t ALimit = 2000) {
    std::unique_ptr<H225::rasMessage> answer;
    runUntil([&] { return bool(answer = AEndpoint.Receive(milliseconds(1))); }, ALimit);
    return answer;
  }
  std::unique_ptr<H225::rasMessage> Ask(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& ARequest) {
    Send(AEndpoint, ARequest);
    return Answer(AEndpoint);
  }
  bool AwaitRadius(size_t ACount) {
    return runUntil([&] { return server.received.size() >= ACount; }, 2000);
  }
  fakeRadiusServer server;
  TCoreWithUsers gk;
};

// "index reason text" of an answer: the reason of RRJ, GRJ, URJ, DRJ or
// INAK, the text of the reject-text carrier.
std::string Summary(const H225::rasMessage* AMessage) {
  if (!AMessage) return "none";
  std::string text = std::to_string(AMessage->index());
  const asn::choice* reason = nullptr;
  TGenericDataList* data = nullptr;
  switch (AMessage->index()) {
    case 2:
      reason = &static_cast<const H225::gatekeeperReject*>(AMessage->alternative())->rejectReason;
      data = static_cast<const H225::gatekeeperReject*>(AMessage->alternative())->genericData;
      break;
    case 5:
      reason = &static_cast<const H225::registrationReject*>(AMessage->alternative())->rejectReason;
      data = static_cast<const H225::registrationReject*>(AMessage->alternative())->genericData;
      break;
    case 8:
      reason = &static_cast<const H225::unregistrationReject*>(AMessage->alternative())->rejectReason;
      break;
    case 17:
      reason = &static_cast<const H225::disengageReject*>(AMessage->alternative())->rejectReason;
      break;
  }
  if (reason) text += " " + std::to_string(reason->index());
  if (data) {
    const auto* element = static_cast<const H225::genericData*>(data->elements().first());
    const auto* parameter = static_cast<const H225::enumeratedParameter*>(element->parameters->elements().first());
    text += " " + std::string(
                      static_cast<const asn::constrainedString*>(parameter->content->alternative())->value().buffer());
  }
  return text;
}

// "type" per attribute of a RADIUS datagram, in order.
std::vector<unsigned> AttributeTypes(const octets& ADatagram) {
  std::vector<unsigned> types;
  for (size_t at = 20; at + 2 <= ADatagram.size() && ADatagram[at + 1] >= 2; at += ADatagram[at + 1])
    types.push_back(ADatagram[at]);
  return types;
}

octets AttributeValue(const octets& ADatagram, unsigned AType) {
  for (size_t at = 20; at + 2 <= ADatagram.size() && ADatagram[at + 1] >= 2; at += ADatagram[at + 1])
    if (ADatagram[at] == AType) return octets(ADatagram.begin() + at + 2, ADatagram.begin() + at + ADatagram[at + 1]);
  return {};
}

void Accept(fakeRadiusServer& AServer, size_t AIndex, unsigned ACode = 2) {
  AServer.answer(AServer.received[AIndex].bytes, ACode, {}, Secret);
}

}  // namespace

TEST(RegistrationInProcess, ShuttingDownRefusesDiscoveryAndRegistration) {
  TServingCore core;
  core.gk.Core.SetStateForTesting(TGatekeeper::gksShuttingDown);
  TSimulatedEndpoint endpoint(2);
  EXPECT_EQ("2 0 Gatekeeper service shutting down.",
            Summary(core.Ask(endpoint, *DiscoveryRequest(endpoint, {"p1"})).get()));
  EXPECT_EQ("5 6 Gatekeeper service shutting down.",
            Summary(core.Ask(endpoint, *endpoint.RegistrationRequest({"p1"})).get()));
}

TEST(RegistrationInProcess, RegistrationsBeyondTheCapAreRefused) {
  TServingCore core;
  const size_t saved = TRegistrationResolver::RegistrationLimit;
  TRegistrationResolver::RegistrationLimit = core.gk.Core.Registrations().Count() + 2;
  TSimulatedEndpoint first(2), second(3), third(4);
  const struct {
    TSimulatedEndpoint* endpoint;
    const char* alias;
    std::string answer;
  } cases[] = {{&first, "p1", "4"}, {&second, "p2", "4"}, {&third, "p3", "5 9"}, {&first, "p1", "4"}};
  for (const auto& c : cases)
    EXPECT_EQ(c.answer, Summary(core.Ask(*c.endpoint, *c.endpoint->RegistrationRequest({c.alias})).get())) << c.alias;
  TRegistrationResolver::RegistrationLimit = saved;
}

// The resolver reads the caller's request until it edits it: the aliases
// without text leave its own copy, which the confirmation echoes, and the
// caller's message stays as it was.
TEST(RegistrationInProcess, AliasesWithoutTextLeaveTheResolversCopyOnly) {
  TServingCore core;
  const struct {
    std::vector<std::string> aliases;
    unsigned echoed;
  } cases[] = {{{"p1", ""}, 1}, {{"", "p2", ""}, 1}, {{"p3"}, 1}};
  unsigned host = 2;
  for (const auto& c : cases) {
    TSimulatedEndpoint endpoint(host++);
    std::unique_ptr<H225::rasMessage> rrq = endpoint.RegistrationRequest(c.aliases);
    core.gk.Core.HandleRasMessage(endpoint.Address(), *rrq);
    std::unique_ptr<H225::rasMessage> answer = core.Answer(endpoint);
    ASSERT_EQ("4", Summary(answer.get())) << c.aliases.size();
    const auto* rcf = static_cast<const H225::registrationConfirm*>(answer->alternative());
    ASSERT_TRUE(rcf->terminalAlias);
    EXPECT_EQ(c.echoed, rcf->terminalAlias->elements().count());
    const auto& asked = *static_cast<const H225::registrationRequest*>(rrq->alternative());
    EXPECT_EQ(c.aliases.size(), asked.terminalAlias->elements().count());
  }
}

// Each keep-alive moves the end of the registration to its validity after
// it, however many came before; the timer clock is held and moved by the
// test, so the end is checked to the millisecond.
TEST(RegistrationInProcess, KeepAlivesMoveTheExpiryToTheValidityAfterTheLast) {
  orvo::timerClockHold hold;
  const int64_t validity = 10000, margin = 1;
  const std::vector<int64_t> cases[] = {{}, {4000}, {4000, 8000, 8500}, {9900, 19000}};
  unsigned host = 2;
  for (const auto& keepAlives : cases) {
    TCoreWithUsers gk(
        "system { address 127.0.0.1; ras port 0; }\nuser v { login \"v[0-9]\"; registration validity 10; }\n");
    gk.Core.OpenRASSockets();
    gk.Core.SetStateForTesting(TGatekeeper::gksRunning);
    TSimulatedEndpoint endpoint(host++);
    auto ask = [&](const H225::rasMessage& ARequest) {
      EXPECT_TRUE(endpoint.Send(ARequest, gk.Core.BoundRasAddress()));
      std::unique_ptr<H225::rasMessage> answer;
      runUntil([&] { return bool(answer = endpoint.Receive(milliseconds(1))); }, 2000);
      return answer;
    };
    std::unique_ptr<H225::rasMessage> rcf = ask(*endpoint.RegistrationRequest({"v1"}));
    ASSERT_EQ("4", Summary(rcf.get()));
    const orvo::string identifier =
        static_cast<const H225::registrationConfirm*>(rcf->alternative())->endpointIdentifier.toString();
    const std::string text(identifier.buffer(), identifier.length());
    int64_t clock = 0;
    auto advanceTo = [&](int64_t AAt) {
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AAt - clock));
      clock = AAt;
      orvo::sockEvent::dispatch(0);
    };
    auto registered = [&] {
      TEndpointRegisterInfo* found = gk.Core.RegistrationIndex().ByIdentifier(text);
      return found && found->State() == TEndpointRegisterInfo::esRegistered;
    };
    for (int64_t at : keepAlives) {
      advanceTo(at);
      ASSERT_TRUE(registered()) << "keep-alive at " << at;
      EXPECT_EQ("4", Summary(ask(*KeepAliveRequest(endpoint, text)).get())) << "keep-alive at " << at;
    }
    const int64_t end = (keepAlives.empty() ? 0 : keepAlives.back()) + validity;
    advanceTo(end - margin);
    EXPECT_TRUE(registered()) << "before " << end;
    advanceTo(end);
    EXPECT_FALSE(registered()) << "after " << end;
  }
}

// The Access-Request: its attributes in order, the hidden password, CHAP
// taken from the endpoint's access token.
TEST(RegistrationRadius, AccessRequestWithPasswordOrChap) {
  TServingCore core;
  TSimulatedEndpoint withPassword(2), withToken(3);
  std::unique_ptr<H225::rasMessage> chapRrq = withToken.RegistrationRequest({"chap"});
  H323::simpleUserEnvironment credentials("chapuser", "GK", "chappw", 1);
  H323::ciscoAccessTokenAuthenticator tokenMaker;
  H235::clearToken* token = nullptr;
  ASSERT_TRUE(tokenMaker.createClearToken(credentials, token));
  auto* rrq = static_cast<H225::registrationRequest*>(chapRrq->alternative());
  rrq->tokens = new H323::clearTokenList;
  rrq->tokens->append(token);
  core.Send(withPassword, *withPassword.RegistrationRequest({"rad"}));
  ASSERT_TRUE(core.AwaitRadius(1));
  core.Send(withToken, *chapRrq);
  ASSERT_TRUE(core.AwaitRadius(2));

  const octets& password = core.server.received[0].bytes;
  const octets& chap = core.server.received[1].bytes;
  EXPECT_EQ(1, password[0]);
  EXPECT_EQ(std::vector<unsigned>({4, 32, 1, 2, 6}), AttributeTypes(password));
  EXPECT_EQ(std::vector<unsigned>({4, 32, 1, 60, 3, 6}), AttributeTypes(chap));
  EXPECT_EQ(octets({'r', 'a', 'd', 'n', 'a', 'm', 'e'}), AttributeValue(password, 1));
  EXPECT_EQ(octets({'c', 'h', 'a', 'p', 'u', 's', 'e', 'r'}), AttributeValue(chap, 1));
  // RFC 2865: MD5(secret, request authenticator) XOR the padded password.
  octets key(password.begin() + 4, password.begin() + 20);
  const std::string secret = Secret;
  key.insert(key.begin(), secret.begin(), secret.end());
  const octets mask = md5Of(key);
  const octets hidden = AttributeValue(password, 2);
  ASSERT_EQ(16u, hidden.size());
  for (size_t i = 0; i < 16; ++i) EXPECT_EQ(i < 2 ? "pw"[i] : 0, hidden[i] ^ mask[i]) << i;
  const uint32_t time = token->timeStamp->value();
  EXPECT_EQ(octets({uint8_t(time >> 24), uint8_t(time >> 16), uint8_t(time >> 8), uint8_t(time)}),
            AttributeValue(chap, 60));
  octets chapPassword = {uint8_t(token->random->value())};
  chapPassword.insert(chapPassword.end(), token->challenge->data(), token->challenge->data() + 16);
  EXPECT_EQ(chapPassword, AttributeValue(chap, 3));
  // RFC 1994: the response is MD5(identifier, secret, challenge).
  octets chapInput = {chapPassword[0], 'c', 'h', 'a', 'p', 'p', 'w'};
  chapInput.insert(chapInput.end(), {uint8_t(time >> 24), uint8_t(time >> 16), uint8_t(time >> 8), uint8_t(time)});
  EXPECT_EQ(md5Of(chapInput), octets(chapPassword.begin() + 1, chapPassword.end()));
}

TEST(RegistrationRadius, AnswersOfTheServer) {
  const struct {
    int code;  // 0: no answer at all
    std::string answer;
    std::string log;
  } cases[] = {
      {2, "4", ""},
      {3, "5 11 Registration rejected by RADIUS server.", ""},
      {0, "5 11 RADIUS server failure.", "No answer from RADIUS server authentication side.\n"},
  };
  for (const auto& c : cases) {
    TCoreLog log;
    TServingCore core;
    TSimulatedEndpoint endpoint(2);
    core.Send(endpoint, *endpoint.RegistrationRequest({"rad"}));
    ASSERT_TRUE(core.AwaitRadius(1));
    if (c.code != 0) {
      Accept(core.server, 0, unsigned(c.code));
    } else {
      // Four transmissions 3 s apart, then the failure.
      for (int i = 0; i < 4; ++i) {
        EXPECT_EQ("none", Summary(core.Answer(endpoint, 20).get())) << i;
        orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(3000));
      }
    }
    EXPECT_EQ(c.answer, Summary(core.Answer(endpoint).get())) << c.code;
    EXPECT_EQ(c.code == 2 ? 1u : 0u, core.gk.Core.Registrations().Count()) << c.code;
    EXPECT_NE(std::string::npos, log.Lines().find(c.log)) << log.Lines();
  }
}

TEST(RegistrationRadius, RetransmissionWhilePendingGetsOneAnswer) {
  TServingCore core;
  TSimulatedEndpoint endpoint(2);
  std::unique_ptr<H225::rasMessage> rrq = endpoint.RegistrationRequest({"rad"});
  core.Send(endpoint, *rrq);
  ASSERT_TRUE(core.AwaitRadius(1));
  core.Send(endpoint, *rrq);
  EXPECT_EQ("none", Summary(core.Answer(endpoint, 100).get()));
  Accept(core.server, 0);
  EXPECT_EQ("4", Summary(core.Answer(endpoint).get()));
  EXPECT_EQ("none", Summary(core.Answer(endpoint, 300).get()));
  EXPECT_EQ(1u, core.server.received.size());
}

// What was checked before RADIUS was asked is checked again when it
// accepts: registrations made meanwhile count.
TEST(RegistrationRadius, ChecksHoldAgainWhenRadiusAccepts) {
  const struct {
    const char* Case;
    const char* User;  // registered meanwhile
    unsigned Host;
    std::vector<std::string> Aliases;
    size_t Limit;
    std::string Expected;
    size_t Registrations;
  } table[] = {
      {"the alias, at another address", "plain", 5, {"rad"}, 0, "5 4", 1},
      {"the address, by another user",
       "b",
       2,
       {"b"},
       0,
       "5 11 Other endpoint from this CS address already registered.",
       1},
      {"the address, by the same user: taken over", "rad", 2, {"rad"}, 0, "4", 1},
      {"the last place", "plain", 5, {"p1"}, 1, "5 9", 1},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Case);
    TServingCore core;
    TSimulatedEndpoint endpoint(2);
    core.Send(endpoint, *endpoint.RegistrationRequest({"rad"}));
    ASSERT_TRUE(core.AwaitRadius(1));
    core.gk.Register(row.User, row.Host, row.Aliases);
    if (row.Limit) TRegistrationResolver::RegistrationLimit = row.Limit;
    Accept(core.server, 0);
    EXPECT_EQ(row.Expected, Summary(core.Answer(endpoint).get()));
    TRegistrationResolver::RegistrationLimit = TRegistrationResolver::DefaultRegistrationLimit;
    EXPECT_EQ(row.Registrations, core.gk.Core.Registrations().Count());
  }
}

// Re-registering at a registered call-signal address: from the same host
// and RAS address at once; from another only after RADIUS accepts, and a
// refusal leaves the registration as it was.
TEST(RegistrationRadius, ReRegistrationFromANewAddressPassesRadiusFirst) {
  TServingCore core;
  TSimulatedEndpoint owner(2), intruder(3);
  auto fromIntruder = [&] {
    std::unique_ptr<H225::rasMessage> rrq = intruder.RegistrationRequest({"rad"});
    auto* body = static_cast<H225::registrationRequest*>(rrq->alternative());
    body->callSignalAddress.clear();
    H323::sockaddrToTransport(owner.CallSignalAddress(), *body->callSignalAddress.appendNew());
    return rrq;
  };
  core.Send(owner, *owner.RegistrationRequest({"rad"}));
  ASSERT_TRUE(core.AwaitRadius(1));
  Accept(core.server, 0);
  ASSERT_EQ("4", Summary(core.Answer(owner).get()));
  TEndpointRegisterInfo* registration = core.gk.Core.FindEndpointByCallSignalAddress(owner.CallSignalAddress());
  ASSERT_TRUE(registration);

  EXPECT_EQ("4", Summary(core.Ask(owner, *owner.RegistrationRequest({"rad"})).get()));
  EXPECT_EQ(1u, core.server.received.size()) << "the same endpoint again needs no RADIUS";

  core.Send(intruder, *fromIntruder());
  ASSERT_TRUE(core.AwaitRadius(2));
  Accept(core.server, 1, 3);
  EXPECT_EQ("5 11 Registration rejected by RADIUS server.", Summary(core.Answer(intruder).get()));
  EXPECT_TRUE(registration->RasAddress == owner.Address());

  core.Send(intruder, *fromIntruder());
  ASSERT_TRUE(core.AwaitRadius(3));
  Accept(core.server, 2);
  EXPECT_EQ("4", Summary(core.Answer(intruder).get()));
  EXPECT_TRUE(registration->RasAddress == intruder.Address());
  EXPECT_EQ(1u, core.gk.Core.Registrations().Count());
}

// A registration with a call: unregistration refused while the call lasts,
// the call's reports acknowledged, its disengage confirmed and the call
// removed a second later; then the unregistration succeeds.
TEST(EndpointRequestsInProcess, CallsOfTheRegistration) {
  TServingCore core;
  TEndpointRegisterInfo* a = core.gk.Register("plain", 2, {"p1"});
  TEndpointRegisterInfo* b = core.gk.Register("b", 3, {"b"});
  auto* call = new TConnection(&core.gk.Core, TEndpointHandle(a), TEndpointHandle(b), 1, Guid(7), nullptr);
  call->Admit(TConnection::cnsCaller);
  ASSERT_TRUE(call->IrrTimer(TConnection::cnsCaller));
  // The RAS port is the endpoint's own: a fixed one may be taken by a test
  // running beside this one.
  TSimulatedEndpoint endpoint(2);
  a->RasAddress = endpoint.Address();
  const std::string id = a->Identifier().buffer();

  EXPECT_EQ("8 1", Summary(core.Ask(endpoint, *UnregistrationRequest(endpoint, id)).get()));
  EXPECT_EQ("29", Summary(core.Ask(endpoint, *InfoReport(endpoint, id, 0)).get()));
  // Stopped here, so that only the report can arm it again.
  call->IrrTimer(TConnection::cnsCaller)->Stop();
  EXPECT_EQ("28", Summary(core.Ask(endpoint, *InfoReport(endpoint, id, 7)).get()));
  EXPECT_TRUE(call->IrrTimer(TConnection::cnsCaller)->Armed());
  EXPECT_EQ("16", Summary(core.Ask(endpoint, *DisengageRequest(endpoint, id, 7)).get()));
  EXPECT_TRUE(call->RemovalScheduled());
  EXPECT_EQ("7", Summary(core.Ask(endpoint, *UnregistrationRequest(endpoint, id)).get()));
  EXPECT_EQ(0u, core.gk.Core.Registrations().Count() - 1) << "only b is left";
  EXPECT_EQ("8 0", Summary(core.Ask(endpoint, *UnregistrationRequest(endpoint, id)).get()));
}

// With H.235 in force the tokens decide, wherever the request comes from; a
// keep-alive is checked like any other request. A static user, which never
// gave a RAS address, is judged by its address rules and answered at the
// sender.
TEST(EndpointRequestsInProcess, TokensDecideForH235UsersStaticUsersAnsweredAtTheSender) {
  TCoreWithUsers gk(
      "system { identifier \"GK\"; address 127.0.0.1; ras port 0; }\n"
      "user guarded { login \"g\"; h235 authentication yes; h235 name \"ep\"; h235 password \"pw\"; }\n"
      "user fixed { static 127.0.0.5; }\n");
  gk.Core.OpenRASSockets();
  gk.Core.SetStateForTesting(TGatekeeper::gksRunning);
  gk.Core.RegisterStaticUsers();
  TEndpointRegisterInfo* guarded = gk.Register("guarded", 2, {"g"});
  TEndpointRegisterInfo* fixed = nullptr;
  gk.Core.Registrations().ForEach([&](TEndpointRegisterInfo* A) { return (fixed = A)->User() != guarded->User(); });
  ASSERT_NE(fixed, guarded);
  TSimulatedEndpoint elsewhere(5);
  auto ask = [&](std::unique_ptr<H225::rasMessage> ARequest, bool ASigned) {
    if (ASigned) {
      H323::simpleUserEnvironment endpoint("ep", "GK", "pw", 0);
      endpoint.createTokens(*H323::rasTokensField(*ARequest), *H323::rasCryptoTokensField(*ARequest));
    }
    EXPECT_TRUE(elsewhere.Send(*ARequest, gk.Core.BoundRasAddress()));
    std::unique_ptr<H225::rasMessage> answer;
    runUntil([&] { return bool(answer = elsewhere.Receive(milliseconds(1))); }, 2000);
    return Summary(answer.get());
  };
  const std::string g = guarded->Identifier().buffer(), f = fixed->Identifier().buffer();
  EXPECT_EQ("5 11 Invalid H.235 secutity information.", ask(KeepAliveRequest(elsewhere, g), false));
  EXPECT_EQ("none", ask(DisengageRequest(elsewhere, g, 7), true)) << "confirmed to the registered RAS address";
  EXPECT_EQ("17 2", ask(DisengageRequest(elsewhere, g, 7), false));
  EXPECT_EQ("16", ask(DisengageRequest(elsewhere, f, 7), false));
}

// An alias held by a registration at another call-signal address (another
// host, or another port of the same host) is refused with that alias; the
// holder itself registering again is confirmed.
TEST(RegistrationInProcess, DuplicateAliasByCallSignalAddress) {
  const struct {
    const char* Case;
    unsigned Host;
    unsigned CallSignalPort;
    std::vector<std::string> Aliases;
    std::string Answer;
    const char* Named;  // the alias the refusal names
  } table[] = {
      {"the holder again", 2, 1720, {"p1"}, "4", nullptr},
      {"another host", 3, 1720, {"p1"}, "5 4", "p1"},
      {"another port of the holder's host", 2, 1730, {"p1"}, "5 4", "p1"},
      {"a new alias, then the held one", 3, 1720, {"p2", "p1"}, "5 4", "p1"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Case);
    TServingCore core;
    TSimulatedEndpoint holder(2), other(row.Host);
    ASSERT_EQ("4", Summary(core.Ask(holder, *holder.RegistrationRequest({"p1"})).get()));
    TSimulatedEndpoint& from = row.Host == 2 && row.CallSignalPort == 1720 ? holder : other;
    std::unique_ptr<H225::rasMessage> rrq = from.RegistrationRequest(row.Aliases);
    auto* body = static_cast<H225::registrationRequest*>(rrq->alternative());
    H323::sockaddrToTransport(LoopbackAddress(row.Host, row.CallSignalPort),
                              *static_cast<H225::transportAddress*>(body->callSignalAddress.elements().first()));
    std::unique_ptr<H225::rasMessage> answer = core.Ask(from, *rrq);
    ASSERT_EQ(row.Answer, Summary(answer.get()));
    EXPECT_EQ(1u, core.gk.Core.Registrations().Count());
    if (!row.Named) continue;
    const auto& named = *static_cast<const asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>*>(
        static_cast<const H225::registrationReject*>(answer->alternative())->rejectReason.alternative());
    ASSERT_EQ(1u, named.elements().count());
    EXPECT_EQ(row.Named, toStd(H323::aliasToString(*static_cast<const H225::aliasAddress*>(named.elements().first()))));
  }
}
