// The relay's traces where the end-to-end call does not reach: what does
// not decode, the dump, the alias a peer chose, and no log section.
#include <signalling/RelayTracer.h>

#include <arpa/inet.h>

#include <iostream>
#include <sstream>
#include <string>

#include <config/Configuration.h>
#include <orvo/socketAddress.h>

#include <h323/q931/elements.h>

#include "outputCapture.h"
#include "orvoTesting.h"
#include "q931Octets.h"

using namespace q931Testing;

namespace {

struct tracedCall {
  explicit tracedCall(const std::string& ALogSection) {
    std::istringstream text("log { " + ALogSection + " }");
    EXPECT_EQ("", toStd(configuration.Load(text)));
    caller.append(orvo::string("1001\n[E] x", 10));
    callee.append(orvo::string("1002"));
  }
  // What the tracer writes for the octets received from (ADirection 0) or
  // sent to (1) the side.
  std::string Traced(const std::string& AHex, int ASide = 1, int ADirection = 1, bool ALogged = true) {
    TRelayTracer tracer("{call}", &caller, &callee,
                        [&]() { return ALogged ? &configuration : nullptr; });
    TOutputCapture output;
    const octets message = fromHex(AHex);
    tracer.Trace(ASide, ADirection, peer, orvo::byteStream(message.data(), unsigned(message.size())));
    return output.Text();
  }
  TConfiguration configuration;
  TStringList caller, callee;
  sockaddr_in peer = orvo::defaultAddress;
};

}  // namespace

TEST(RelayTracer, WhatDoesNotDecodeShowsItsOctets) {
  tracedCall call("q931 messages yes; h245 messages yes;");
  call.peer.sin_addr.s_addr = htonl(0x0A000001);
  call.peer.sin_port = htons(1720);
  EXPECT_EQ(
      "Q.931, {call}, send message to callee: 1002 at 10.0.0.1:1720\n"
      "Not decoded: Byte stream index out of bounds.\n"
      "  0000: 08 02 00                                             ...\n",
      call.Traced("08 02 00"));
}

// An empty body tunnelling one H.245 PDU of the octets given.
std::string TunnellingFacility(const std::string& APdu) {
  Q931::message m(Q931::message::facility, Q931::callReference(1, true));
  auto* information = new H225::h323_UserInformation;
  information->h323_uu_pdu.h323_message_body.select(8);  // empty
  information->h323_uu_pdu.h245Control = new asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>;
  information->h323_uu_pdu.h245Control->appendNew()->setValue(APdu.data(), unsigned(APdu.size()));
  m.insertElement(new Q931::userUser(information));
  return encodeMessage(m);
}

TEST(RelayTracer, AnEmbeddedPduThatDoesNotDecodeShowsItsOctets) {
  tracedCall call("h245 messages yes;");
  EXPECT_EQ(
      "H.245, {call}, send message to callee: 1002 at 0.0.0.0:0\n"
      "Not decoded: Bit stream index out of bounds.\n"
      "  0000: 7F                                                   .\n",
      call.Traced(TunnellingFacility("\x7F")));
}

// The head line's alias is the side's first, escaped; the dump follows it.
TEST(RelayTracer, DumpAndTheAliasOfAPeer) {
  tracedCall call("q931 messages where in yes; messages dump yes;");
  EXPECT_EQ(
      "Q.931, {call}, got message from caller: 1001\\x0A[E] x at 0.0.0.0:0\n"
      "  0000: 08 02 00 2A  5A                                      ...*Z\n"
      "Type: ReleaseComplete(0x5a)\n"
      "ProtocolDiscriminator : 8\n"
      "Call Reference: length (in octets): 2, value (in hex): 00 2A , flag: 0 - origination side\n"
      "* Not contains any elements\n",
      call.Traced("08 02 00 2A 5A", 0, 0));
}

// No log section, or a rule that does not hold: nothing.
TEST(RelayTracer, NothingUnlessARuleSaysSo) {
  tracedCall call("q931 messages where in yes; q931 messages where callee alias \"9.*\" yes;");
  EXPECT_EQ("", call.Traced("08 02 00 2A 5A"));
  EXPECT_EQ("", call.Traced("08 02 00 2A 5A", 1, 0, false));
}

// A leg that is still closing when its call and the configuration it was
// traced under are gone traces under what held when it was let go.
TEST(RelayTracer, ADetachedTracerOutlivesItsCall) {
  std::shared_ptr<const TRelayTracer> detached;
  {
    TConfiguration* configuration = new TConfiguration;  // its one reference is the test's
    std::istringstream text("log { q931 messages where callee alias \"1002\" yes; }");
    EXPECT_EQ("", toStd(configuration->Load(text)));
    TStringList caller, callee;
    caller.append(orvo::string("1001"));
    callee.append(orvo::string("1002"));
    TRelayTracer tracer("{call}", &caller, &callee, [configuration]() { return configuration; });
    detached = tracer.Detached();
    callee.clear();
    callee.append(orvo::string("2002"));
    TConfiguration::Release(configuration);
  }
  TOutputCapture output;
  const octets message = fromHex("08 02 80 2A 5A");
  detached->Trace(1, 0, orvo::defaultAddress, orvo::byteStream(message.data(), unsigned(message.size())));
  EXPECT_EQ(
      "Q.931, {call}, got message from callee: 1002 at 0.0.0.0:0\n"
      "Type: ReleaseComplete(0x5a)\n"
      "ProtocolDiscriminator : 8\n"
      "Call Reference: length (in octets): 2, value (in hex): 00 2A , flag: 1 - destination side\n"
      "* Not contains any elements\n",
      output.Text());
}
