// The H.235 method that a GCF names out of what the GRQ offers, on the
// running program with tshark reading the answers; and an endpoint that
// then signs with that method alone, registering and calling through a
// real RADIUS server.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <asn/opentype.h>
#include <h323/authenticationEnvironment.h>
#include <h323/h235Authenticator.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "externalTool.h"
#include "freeRadiusServer.h"

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

// authenticationMode 7 is authenticationBES (radius 1), 2 pwdHash.
TEST(H235MethodEndToEnd, ConfirmNamesTheMethodCheckedAndOffered) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TGatekeeperSetup setup;
  setup.Sections =
      "user guarded { login \"guarded\"; h235 authentication yes; h235 name \"guarded\"; h235 password \"pw\"; }\n"
      "user plain { login \"plain\"; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint endpoint(2, &capture);
  const std::vector<std::string> all = {"pwdHash", "radius", "keyExch"};
  const TRow none = {"1", "", "", ""}, token = {"1", "7", "1", "1.2.840.113548.10.1.2.1"},
             hash = {"1", "2", "", "1.2.840.113549.2.5"};
  const struct {
    std::vector<std::string> aliases, mechanisms;
    std::vector<asn::oid> algorithms;
    TRow answer;  // message, authenticationMode, its back-end service, algorithmOID
  } cases[] = {
      {{"guarded"}, all, {H2351, AccessToken, Md5}, token},
      {{"guarded"}, {"pwdHash"}, {Md5, AccessToken}, hash},
      {{"guarded"}, {"radius", "pwdHash"}, {H2351, Md5}, hash},
      {{"guarded"}, {"radius"}, {Md5, AccessToken}, token},
      {{"guarded"}, {"default", "pwdHash"}, {AccessToken}, none},  // no mechanism with its algorithm
      {{"guarded"}, {"keyExch"}, {H2351}, none},
      {{"guarded"}, {}, {}, none},
      {{"plain"}, all, {H2351, AccessToken, Md5}, none},  // H.235 off for the user
      {{}, all, {H2351, AccessToken, Md5}, none},         // no user
  };
  for (const auto& c : cases) {
    std::unique_ptr<H225::rasMessage> grq = DiscoveryRequest(endpoint, c.aliases);
    Offer(*grq, c.mechanisms, c.algorithms);
    ASSERT_TRUE(endpoint.Send(*grq, gk.RasAddress()));
    ASSERT_TRUE(endpoint.Receive(milliseconds(3000)));
  }
  const std::vector<TRow> answers =
      Answers(capture, gk.PathOf("ras.pcap"),
              {"h225.RasMessage", "h225.authenticationMode", "h235.authenticationBES", "h225.algorithmOID"});
  ASSERT_EQ(std::size(cases), answers.size());
  for (size_t i = 0; i < answers.size(); ++i) EXPECT_EQ(cases[i].answer, answers[i]) << i;
}

namespace {

const char* const Secret = "radius-secret";

// The endpoint's side of the access token: a fresh token on each message.
class TAccessTokenSigner {
public:
  void Sign(H225::rasMessage& AMessage) {
    H235::clearToken* token = nullptr;
    ASSERT_TRUE(Maker.createClearToken(Credentials, token));
    H323::clearTokenList** field = H323::rasTokensField(AMessage);
    ASSERT_TRUE(field);
    delete *field;
    *field = new H323::clearTokenList;
    (*field)->append(token);
  }

private:
  H323::simpleUserEnvironment Credentials{"chapuser", "OrvoTestGK", "chappw", 0};
  H323::ciscoAccessTokenAuthenticator Maker;
};

}  // namespace

// An endpoint that offers the access token and the MD5 hash is told the
// access token, signs with it alone, and is registered and admitted by the
// RADIUS server that checks the token's challenge; then it leaves.
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
  TAccessTokenSigner signer;
  auto ask = [&](TSimulatedEndpoint& AEndpoint, H225::rasMessage& ARequest, bool ASigned) {
    if (ASigned) signer.Sign(ARequest);
    EXPECT_TRUE(AEndpoint.Send(ARequest, gk.RasAddress()));
    std::unique_ptr<H225::rasMessage> answer = AEndpoint.Receive(milliseconds(5000));
    EXPECT_TRUE(answer) << server.debugLog();
    return answer;
  };

  std::unique_ptr<H225::rasMessage> grq = DiscoveryRequest(caller, {"1001"});
  Offer(*grq, {"pwdHash", "radius"}, {AccessToken, Md5});
  ASSERT_TRUE(ask(caller, *grq, false));
  const std::string callerId = ConfirmedIdentifier(*ask(caller, *caller.RegistrationRequest({"1001"}), true));
  ASSERT_EQ("7f000002:6b8", callerId);
  ASSERT_EQ("7f000003:6b8", ConfirmedIdentifier(*ask(callee, *callee.RegistrationRequest({"1002"}), false)));
  H225::rasMessage arq = AdmissionRequest(callerId, "1001", "1002", 1);
  auto& admission = *static_cast<H225::admissionRequest*>(arq.alternative());
  admission.requestSeqNum = caller.NextSequenceNumber();
  const unsigned char conference[16] = {0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21,
                                        0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21, 0x21};
  admission.conferenceID.setValue(conference, 16);
  ASSERT_TRUE(ask(caller, arq, true));
  ASSERT_TRUE(ask(caller, *DisengageRequest(caller, callerId, 0x21), true));
  ASSERT_TRUE(ask(caller, *UnregistrationRequest(caller, callerId), true));
  ASSERT_TRUE(ask(callee, *UnregistrationRequest(callee, "7f000003:6b8"), false));

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
