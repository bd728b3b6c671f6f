// The H.235 method that a GCF names out of what the GRQ offers, on the
// running program with tshark reading the answers; and an endpoint that
// then signs with that method alone, registering and calling through a
// real RADIUS server.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <memory>

#include <asn/opentype.h>
#include <h323/authenticationEnvironment.h>
#include <h323/h235Authenticator.h>
#include <h323/q931Tokens.h>
#include <orvo/socketAddress.h>

#include "CallLeg.h"
#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "externalTool.h"
#include "freeRadiusServer.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;

namespace {

using std::chrono::milliseconds;
using TRow = std::vector<std::string>;

const asn::oid H2351(0, 0, 8, 235, 0, 2, 6), AccessToken(1, 2, 840, 113548, 10, 1, 2, 1), Md5(1, 2, 840, 113549, 2, 5);

// What an endpoint offers: mechanisms by name ("pwdHash", "radius",
// "default" of authenticationBES, "keyExch" of H.235.1) and algorithms.
void Offer(H225::rasMessage& AGrq, const std::vector<std::string>& AMechanisms,
           const std::vector<asn::oid>& AAlgorithms) {
  auto& grq = *static_cast<H225::gatekeeperRequest*>(AGrq.alternative());
  if (!AMechanisms.empty()) {
    grq.authenticationCapability = new asn::sequenceOf<H235::authenticationMechanism, 0u, 0u, 1>;
    for (const std::string& name : AMechanisms) {
      H235::authenticationMechanism* mechanism = grq.authenticationCapability->appendNew();
      if (name == "pwdHash")
        mechanism->select(2);
      else if (name == "keyExch")  // an addition after our syntax: carried as its octets
        static_cast<asn::opentype*>(mechanism->select(8))->setValue(asn::oid(0, 0, 8, 235, 0, 3, 43));
      else
        static_cast<H235::authenticationBES*>(mechanism->select(7))->select(name == "radius" ? 1 : 0);
    }
  }
  if (!AAlgorithms.empty()) {
    grq.algorithmOIDs = new asn::sequenceOf<asn::oid, 0u, 0u, 1>;
    for (const asn::oid& algorithm : AAlgorithms) grq.algorithmOIDs->append(new asn::oid(algorithm));
  }
}

// Every second frame: the gatekeeper's answers.
std::vector<TRow> Answers(const TRasCapture& ACapture, const std::string& APath,
                          const std::vector<std::string>& AFields) {
  std::vector<TRow> rows;
  tshark::result r = ACapture.Dissect(APath, AFields);
  EXPECT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < r.frames.size(); ++i) {
    EXPECT_EQ("", r.frames[i].malformed) << i;
    if (i % 2 == 1) rows.push_back(r.frames[i].fields);
  }
  return rows;
}

}  // namespace

// authenticationMode 7 is authenticationBES (radius 1), 2 pwdHash. The
// users who need the token have RADIUS check the token's challenge at their
// login, call or answer; the near misses do not.
TEST(H235MethodEndToEnd, ConfirmNamesTheHashWhenOfferedAndTheTokenWhereRadiusChecksIt) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  const std::string guarded = "h235 authentication yes; h235 name \"ep\"; h235 password \"pw\";";
  const std::string users =
      "user guarded { login \"guarded\"; " + guarded + " }\n" +
      "user plain { login \"plain\"; }\n"
      "user atLogin { login \"atLogin\"; " + guarded +
      " radius authentication login; radius password h235password; }\n"
      "user asCaller { login \"asCaller\"; " + guarded +
      " radius authentication caller; radius password h235password; }\n"
      "user asCallee { login \"asCallee\"; " + guarded +
      " radius authentication callee; radius password h235password; }\n"
      "user ownPassword { login \"ownPassword\"; " + guarded +
      " radius authentication login | caller | callee; radius password pw; }\n"
      "user accountedOnly { login \"accountedOnly\"; " + guarded +
      " radius authentication none; radius accounting login | call; radius password h235password; }\n";
  const std::vector<std::string> all = {"pwdHash", "radius", "keyExch"};
  const std::vector<asn::oid> allAlgorithms = {H2351, AccessToken, Md5};
  const TRow none = {"1", "", "", ""}, token = {"1", "7", "1", "1.2.840.113548.10.1.2.1"},
             hash = {"1", "2", "", "1.2.840.113549.2.5"};
  const struct TCase {
    bool server;  // an authentication server configured
    std::vector<std::string> aliases, mechanisms;
    std::vector<asn::oid> algorithms;
    TRow answer;  // message, authenticationMode, its back-end service, algorithmOID
  } cases[] = {
      {true, {"guarded"}, all, allAlgorithms, hash},
      {true, {"guarded"}, {"radius", "pwdHash"}, {AccessToken, Md5}, hash},
      {true, {"guarded"}, {"pwdHash"}, {Md5, AccessToken}, hash},
      {true, {"guarded"}, {"radius", "pwdHash"}, {H2351, Md5}, hash},
      {true, {"guarded"}, {"radius"}, {Md5, AccessToken}, token},
      {true, {"guarded"}, {"default", "pwdHash"}, {AccessToken}, none},  // no mechanism with its algorithm
      {true, {"guarded"}, {"keyExch"}, {H2351}, none},
      {true, {"guarded"}, {}, {}, none},
      {true, {"plain"}, all, allAlgorithms, none},  // H.235 off for the user
      {true, {}, all, allAlgorithms, none},         // no user
      {true, {"atLogin"}, all, allAlgorithms, token},
      {true, {"asCaller"}, {"radius", "pwdHash"}, {Md5, AccessToken}, token},
      {true, {"asCallee"}, all, allAlgorithms, token},
      {true, {"atLogin"}, {"pwdHash"}, {Md5}, hash},  // the token not offered
      {true, {"ownPassword"}, all, allAlgorithms, hash},
      {true, {"accountedOnly"}, all, allAlgorithms, hash},
      {false, {"atLogin"}, all, allAlgorithms, hash},
      {false, {"asCallee"}, {"radius"}, {AccessToken}, token},
  };
  for (bool server : {true, false}) {
    TGatekeeperSetup setup;
    // Nothing is asked of the server: discovery decides alone.
    setup.Sections = (server ? "aaa { address 127.0.0.1; password \"s\"; }\n" : "") + users;
    TGatekeeperUnderTest gk(setup);
    ASSERT_TRUE(gk.Start()) << gk.Console();
    TRasCapture capture;
    TSimulatedEndpoint endpoint(2, &capture);
    std::vector<TRow> expected;
    for (const TCase& c : cases) {
      if (c.server != server) continue;
      std::unique_ptr<H225::rasMessage> grq = DiscoveryRequest(endpoint, c.aliases);
      Offer(*grq, c.mechanisms, c.algorithms);
      ASSERT_TRUE(endpoint.Send(*grq, gk.RasAddress()));
      ASSERT_TRUE(endpoint.Receive(milliseconds(3000)));
      expected.push_back(c.answer);
    }
    const std::vector<TRow> answers =
        Answers(capture, gk.PathOf("ras.pcap"),
                {"h225.RasMessage", "h225.authenticationMode", "h235.authenticationBES", "h225.algorithmOID"});
    ASSERT_EQ(expected.size(), answers.size()) << server;
    for (size_t i = 0; i < answers.size(); ++i) EXPECT_EQ(expected[i], answers[i]) << server << " " << i;
  }
}

namespace {

const char* const Secret = "radius-secret";

// The endpoint's side of one H.235 method: a fresh token of it on each
// message, and no other token.
class TEndpointSigner {
public:
  TEndpointSigner(H323::authenticator* AMethod, const char* AName, const char* APassword)
      : Method(AMethod), Credentials(AName, "OrvoTestGK", APassword, 0) {}

  void Sign(H225::rasMessage& AMessage) { Sign(H323::rasTokensField(AMessage), H323::rasCryptoTokensField(AMessage)); }
  void Sign(const Q931::message& AMessage) {
    Sign(H323::UuieTokensField(AMessage), H323::UuieCryptoTokensField(AMessage));
  }

private:
  void Sign(H323::clearTokenList** AClear, H323::cryptoTokenList** ACrypto) {
    H235::clearToken* clear = nullptr;
    H225::cryptoH323Token* crypto = nullptr;
    ASSERT_TRUE(Method->createClearToken(Credentials, clear) || Method->createCryptoToken(Credentials, crypto));
    Install(AClear, clear);
    Install(ACrypto, crypto);
  }
  template <typename TList, typename TToken>
  static void Install(TList** AField, TToken* AToken) {
    ASSERT_TRUE(AField);
    delete *AField;
    *AField = nullptr;
    if (!AToken) return;
    *AField = new TList;
    (*AField)->append(AToken);
  }

  std::unique_ptr<H323::authenticator> Method;
  H323::simpleUserEnvironment Credentials;
};

// Sends the request, signed when a signer is given; the answer, null when
// none comes.
std::unique_ptr<H225::rasMessage> Ask(TSimulatedEndpoint& AEndpoint, const TGatekeeperUnderTest& AGatekeeper,
                                      H225::rasMessage& ARequest, TEndpointSigner* ASigner) {
  if (ASigner) ASigner->Sign(ARequest);
  if (!AEndpoint.Send(ARequest, AGatekeeper.RasAddress())) return nullptr;
  return AEndpoint.Receive(milliseconds(5000));
}

// The caller (1001), offering the MD5 hash and the access token, is
// confirmed and registers signed, the callee (1002) unsigned, and the
// caller's signed call of the callee (conference 21 21 ... 21) is admitted.
void RegisterAndCall(const TGatekeeperUnderTest& AGatekeeper, TSimulatedEndpoint& ACaller,
                     TSimulatedEndpoint& ACallee, TEndpointSigner& ASigner, std::string& ACallerId) {
  std::unique_ptr<H225::rasMessage> grq = DiscoveryRequest(ACaller, {"1001"});
  Offer(*grq, {"pwdHash", "radius"}, {AccessToken, Md5});
  ASSERT_TRUE(Ask(ACaller, AGatekeeper, *grq, nullptr));
  std::unique_ptr<H225::rasMessage> rcf = Ask(ACaller, AGatekeeper, *ACaller.RegistrationRequest({"1001"}), &ASigner);
  ASSERT_TRUE(rcf);
  ACallerId = ConfirmedIdentifier(*rcf);
  ASSERT_EQ("7f000002:6b8", ACallerId);
  rcf = Ask(ACallee, AGatekeeper, *ACallee.RegistrationRequest({"1002"}), nullptr);
  ASSERT_TRUE(rcf);
  ASSERT_EQ("7f000003:6b8", ConfirmedIdentifier(*rcf));
  H225::rasMessage arq = AdmissionRequest(ACallerId, "1001", "1002", 1);
  auto& admission = *static_cast<H225::admissionRequest*>(arq.alternative());
  admission.requestSeqNum = ACaller.NextSequenceNumber();
  const unsigned char conference[16] = {0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21,
                                        0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21};
  admission.conferenceID.setValue(conference, 16);
  ASSERT_TRUE(Ask(ACaller, AGatekeeper, arq, &ASigner));
}

}  // namespace

// An endpoint that offers the access token and the MD5 hash, for a user
// whose login and calls RADIUS checks by the token's challenge, is told the
// access token, signs with it alone, and is registered and admitted by the
// RADIUS server; then it leaves.
TEST(H235MethodEndToEnd, EndpointSigningWithTheNamedTokenIsRegisteredAndAdmitted) {
  ORVO_REQUIRE_TOOL(!freeRadiusServer::program().empty(), "FreeRADIUS (Debian package freeradius)");
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  freeRadiusServer server;
  ASSERT_TRUE(server.start(Secret, "chapuser\tCleartext-Password := \"chappw\"\n\n")) << server.failure();
  TGatekeeperSetup setup;
  setup.Sections =
      "aaa { address 127.0.0.1; authentication port " + std::to_string(ntohs(server.authenticationAddress().sin_port)) +
      "; accounting port " + std::to_string(ntohs(server.accountingAddress().sin_port)) + "; password \"" + Secret +
      "\"; }\n"
      "user alice { login \"1001\"; alias \"1001\"; proxy level none; h235 authentication yes; h235 name \"chapuser\";"
      " h235 password \"chappw\"; radius authentication login | caller; radius name h235name;"
      " radius password h235password; }\n"
      "user bob { login \"1002\"; alias \"1002\"; proxy level none; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint caller(2, &capture), callee(3, &capture);
  TEndpointSigner signer(new H323::ciscoAccessTokenAuthenticator, "chapuser", "chappw");

  std::string callerId;
  ASSERT_NO_FATAL_FAILURE(RegisterAndCall(gk, caller, callee, signer, callerId)) << server.debugLog();
  ASSERT_TRUE(Ask(caller, gk, *DisengageRequest(caller, callerId, 0x21), &signer));
  ASSERT_TRUE(Ask(caller, gk, *UnregistrationRequest(caller, callerId), &signer));
  ASSERT_TRUE(Ask(callee, gk, *UnregistrationRequest(callee, "7f000003:6b8"), nullptr));

  // GCF naming the access token; RCF, RCF, ACF, DCF, UCF, UCF.
  const std::vector<TRow> answers =
      Answers(capture, gk.PathOf("ras.pcap"),
              {"h225.RasMessage", "h225.authenticationMode", "h235.authenticationBES", "h225.algorithmOID"});
  const std::vector<TRow> expected = {{"1", "7", "1", "1.2.840.113548.10.1.2.1"},
                                      {"4", "", "", ""},
                                      {"4", "", "", ""},
                                      {"10", "", "", ""},
                                      {"16", "", "", ""},
                                      {"7", "", "", ""},
                                      {"7", "", "", ""}};
  EXPECT_EQ(expected, answers) << server.debugLog();
  EXPECT_EQ(0, gk.Stop());
  // The login and the call, each by the token's challenge.
  const std::string log = server.debugLog();
  size_t checked = 0;
  for (size_t at = log.find("CHAP user \"chapuser\" authenticated successfully"); at != std::string::npos;
       at = log.find("CHAP user \"chapuser\" authenticated successfully", at + 1))
    ++checked;
  EXPECT_EQ(2u, checked) << log;
}

// An endpoint that offers both methods, for a user whose RADIUS check does
// not take the token, is told the password hash and puts it on every
// request: its call ends and it leaves. The same disengage and
// unregistration without a token are still refused.
TEST(H235MethodEndToEnd, EndpointSigningWithTheNamedHashEndsItsCallAndLeaves) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TGatekeeperSetup setup;
  setup.Sections =
      "user alice { login \"1001\"; alias \"1001\"; proxy level none; h235 authentication yes; h235 name \"alice\";"
      " h235 password \"alice-pw\"; }\n"
      "user bob { login \"1002\"; alias \"1002\"; proxy level none; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint caller(2, &capture), callee(3, &capture);
  TEndpointSigner signer(new H323::md5Authenticator, "alice", "alice-pw");

  std::string callerId;
  ASSERT_NO_FATAL_FAILURE(RegisterAndCall(gk, caller, callee, signer, callerId)) << gk.Log();
  ASSERT_TRUE(Ask(caller, gk, *DisengageRequest(caller, callerId, 0x21), nullptr));
  ASSERT_TRUE(Ask(caller, gk, *DisengageRequest(caller, callerId, 0x21), &signer));
  ASSERT_TRUE(Ask(caller, gk, *UnregistrationRequest(caller, callerId), nullptr));
  ASSERT_TRUE(Ask(caller, gk, *UnregistrationRequest(caller, callerId), &signer));
  ASSERT_TRUE(Ask(callee, gk, *UnregistrationRequest(callee, "7f000003:6b8"), nullptr));

  // GCF naming the hash; RCF, RCF, ACF; DRJ securityDenial, DCF; URJ
  // securityDenial, UCF; UCF.
  const std::vector<TRow> answers = Answers(
      capture, gk.PathOf("ras.pcap"), {"h225.RasMessage", "h225.authenticationMode", "h225.algorithmOID", "h225.rejectReason"});
  const std::vector<TRow> expected = {{"1", "2", "1.2.840.113549.2.5", ""},
                                      {"4", "", "", ""},
                                      {"4", "", "", ""},
                                      {"10", "", "", ""},
                                      {"17", "", "", "2"},
                                      {"16", "", "", ""},
                                      {"8", "", "", "4"},
                                      {"7", "", "", ""},
                                      {"7", "", "", ""}};
  EXPECT_EQ(expected, answers) << gk.Log();
  EXPECT_EQ(0, gk.Stop());
}

namespace {

// The routed-call Setup calling ANumber, in a conference and call of its own
// (each octet ASeed).
Q931::message SetupOfCall(const char* ANumber, unsigned char ASeed) {
  Q931::message setup = setupCalling(ANumber);
  H225::setup_UUIE& body = *setup.setupBody();
  const unsigned char guid[16] = {ASeed, ASeed, ASeed, ASeed, ASeed, ASeed, ASeed, ASeed,
                                  ASeed, ASeed, ASeed, ASeed, ASeed, ASeed, ASeed, ASeed};
  body.conferenceID.setValue(guid, 16);
  body.callIdentifier->guid.setValue(guid, 16);
  return setup;
}

}  // namespace

// A Setup sent straight to the call-signal port from the address of Alice,
// whose user signs its requests, passes her admission's H.235 check: without
// a token, or with a token of either kind made with another password, it
// is refused (Release Complete securityDenied, cause 21 call rejected, and
// the warning line) and Bob never sees it; with a token of either kind that
// her admission request may carry, it reaches Bob. Carol's user does not
// sign: her Setup without a token reaches Bob as well. tshark reads every
// refusal.
TEST(H235MethodEndToEnd, ASetupWithoutAdmissionPassesTheCallersCheck) {
  TGatekeeperSetup setup;
  setup.Sections =
      "user alice { login \"1001\"; alias \"1001\"; h235 authentication yes; h235 name \"alice\";"
      " h235 password \"alice-pw\"; }\n"
      "user bob { login \"1002\"; alias \"1002\"; }\n"
      "user carol { login \"1003\"; alias \"1003\"; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint alice(2), bob(3), carol(4);
  TCallLeg bobListener;
  ASSERT_TRUE(bobListener.Bind(3) && bobListener.Listen());
  TEndpointSigner aliceToken(new H323::ciscoAccessTokenAuthenticator, "alice", "alice-pw");
  std::unique_ptr<H225::rasMessage> rcf = Ask(alice, gk, *alice.RegistrationRequest({"1001"}), &aliceToken);
  ASSERT_TRUE(rcf && rcf->index() == 4) << gk.Log();
  const std::string aliceId = ConfirmedIdentifier(*rcf);
  const std::string bobId = RegisterCallee(bob, gk.RasAddress(), "1002", bobListener.Address());
  const std::string carolId = RegisterCallee(carol, gk.RasAddress(), "1003", carol.CallSignalAddress());
  ASSERT_FALSE(bobId.empty() || carolId.empty()) << gk.Log();

  const std::string refusal = "refused: SecurityDenial. Invalid H.235 secutity information.";
  const struct {
    const char* name;
    unsigned host;
    H323::authenticator* method;  // null: no token
    const char* password;
    bool routed;
  } cases[] = {
      {"no token", 2, nullptr, nullptr, false},
      {"the access token", 2, new H323::ciscoAccessTokenAuthenticator, "alice-pw", true},
      {"an access token of another password", 2, new H323::ciscoAccessTokenAuthenticator, "guess", false},
      {"the password hash", 2, new H323::md5Authenticator, "alice-pw", true},
      {"a password hash of another password", 2, new H323::md5Authenticator, "guess", false},
      {"a caller without H.235, no token", 4, nullptr, nullptr, true},
  };
  std::vector<TCallLeg::octets> refusals;
  std::vector<std::string> refusalLines;
  unsigned char seed = 0x60;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TEndpointSigner> signer(c.method ? new TEndpointSigner(c.method, "alice", c.password) : nullptr);
    Q931::message message = SetupOfCall("1002", ++seed);
    if (signer) signer->Sign(message);
    TCallLeg caller;
    ASSERT_TRUE(caller.Bind(c.host) && caller.Connect(LoopbackAddress(1, gk.CallSignalPort())));
    ASSERT_TRUE(caller.Send(fromHex(encodeMessage(message))));
    if (!c.routed) {
      refusals.push_back(caller.Receive());
      EXPECT_TRUE(caller.Closed());
      refusalLines.push_back("Setup from " + toStd(orvo::toText(caller.Address())) + " " + refusal + "\n");
      continue;
    }
    // The first connection Bob gets is this call's.
    TCallLeg bobLeg;
    ASSERT_TRUE(bobListener.Accept(bobLeg)) << gk.Log();
    Q931::message atBob;
    ASSERT_NO_THROW(decodeMessage(atBob, bobLeg.Receive()));
    ASSERT_TRUE(atBob.setupBody());
    EXPECT_EQ(message.setupBody()->conferenceID.value(), atBob.setupBody()->conferenceID.value());
    Q931::message release = routedCallMessages()[4].build();
    release.callReference = Q931::callReference(0x1234, true);
    ASSERT_TRUE(caller.Send(fromHex(encodeMessage(release))));
    EXPECT_FALSE(bobLeg.Receive().empty());
    EXPECT_TRUE(bobLeg.Closed() && caller.Closed());
  }
  // A listener is readable when a connection waits.
  EXPECT_TRUE(bobListener.Quiet(std::chrono::milliseconds(0))) << "no further connection to Bob";
  for (const std::string& line : refusalLines) EXPECT_TRUE(gk.WaitForLog(line)) << gk.Log();
  EXPECT_FALSE(gk.WaitForLog(refusal, std::chrono::milliseconds(0), 4)) << gk.Log();
  // The endpoint told the access token cannot sign its unregistration with
  // it; the hash of its password does.
  TEndpointSigner aliceHash(new H323::md5Authenticator, "alice", "alice-pw");
  EXPECT_TRUE(
      UnregisterOnceCallsEnd(alice, gk.RasAddress(), aliceId, [&](H225::rasMessage& AUrq) { aliceHash.Sign(AUrq); }));
  EXPECT_TRUE(UnregisterOnceCallsEnd(bob, gk.RasAddress(), bobId));
  EXPECT_TRUE(UnregisterOnceCallsEnd(carol, gk.RasAddress(), carolId));
  EXPECT_EQ(0, gk.Stop());

  if (!tshark::toolsAvailable()) return;
  tshark::result t = dissectCallSignalling(refusals, {"q931.message_type", "q931.cause_value", "h225.reason"});
  ASSERT_TRUE(t.ran) << t.failure;
  ASSERT_EQ(3u, t.frames.size());
  for (const auto& frame : t.frames) {
    EXPECT_EQ("", frame.malformed);
    EXPECT_EQ((std::vector<std::string>{"0x5a", "21", "13"}), frame.fields);
  }
}
