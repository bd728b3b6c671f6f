// The RAS message, its messages and their supporting types: the shapes
// their lists state and their edge cases.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <h225/h225.h>

#include "messageParts.h"
#include "orvoTesting.h"
#include "rasSamples.h"
#include "typeCatalogue.h"
#include "valueFiller.h"

using namespace parts;

namespace {

using constraintFailure = asn::per::codec::encodeConstrainedCheckFailed;

template <size_t n>
void expectNames(const asn::componentEntry* entries, unsigned first, const char* const (&names)[n]) {
  for (size_t i = 0; i < n; ++i) EXPECT_STREQ(entries[first + i].name, names[i]);
}

unsigned countPresence(const asn::sequenceDescriptor& d, uint32_t presence) {
  unsigned count = 0;
  for (unsigned i = 0; i < d.count; ++i) count += d.components[i].presence == presence;
  return count;
}

}  // namespace

TEST(rasMessage, hasThirtyTwoAlternativesOfWhichTwentyFiveAreRoot) {
  const asn::choiceDescriptor& d = H225::rasMessage::descriptor;
  EXPECT_EQ(d.count, 32u);
  EXPECT_EQ(d.rootCount, 25u);
  EXPECT_EQ(d.extensible, 1u);
  EXPECT_STREQ(d.alternatives[0].name, "GatekeeperRequest");
  EXPECT_STREQ(d.alternatives[24].name, "UnknownMessageResponse");
  EXPECT_STREQ(d.alternatives[25].name, "RequestInProgress");
  EXPECT_STREQ(d.alternatives[31].name, "ServiceControlResponse");
}

TEST(rasMessage, rootAlternativesStartWithBitZeroAndAdditionsWithBitOne) {
  // Every alternative of the suite: 0 to 24 begin with the extension bit 0,
  // 25 to 31 with 1.
  for (const rasSample& sample : rasSamples()) {
    std::vector<unsigned char> octets = perOctets(*sample.message);
    ASSERT_FALSE(octets.empty());
    EXPECT_EQ(octets[0] >> 7, sample.message->index() >= 25 ? 1 : 0) << sample.name;
  }
}

TEST(registrationRequest, hasThirtyOneComponentsTenInTheRootEndingWithCapacityFeatureSetGenericData) {
  const asn::sequenceDescriptor& d = H225::registrationRequest::descriptor;
  EXPECT_EQ(d.count, 31u);
  EXPECT_EQ(countPresence(d, asn::componentEntry::mandatory), 7u);
  EXPECT_EQ(countPresence(d, asn::componentEntry::optional), 3u);
  EXPECT_EQ(countPresence(d, asn::componentEntry::addition), 21u);
  const char* const last[] = {"Capacity", "FeatureSet", "GenericData"};
  expectNames(d.components, 28, last);
  // Additions written without OPTIONAL are optional here like every other.
  for (unsigned i = 10; i < d.count; ++i) EXPECT_TRUE(d.components[i].isAddition()) << d.components[i].name;
}

TEST(registrationRequest, defaultValueHoldsItsMandatoryRootAndNothingElse) {
  H225::registrationRequest rrq;
  const asn::sequenceDescriptor& d = H225::registrationRequest::descriptor;
  unsigned present = 0;
  for (unsigned i = 0; i < d.count; ++i) present += rrq.component(i) != nullptr;
  EXPECT_EQ(present, 7u);
  EXPECT_EQ(rrq.nonStandardData, nullptr);
  EXPECT_EQ(rrq.terminalAlias, nullptr);
  EXPECT_EQ(rrq.gatekeeperIdentifier, nullptr);
  EXPECT_EQ(rrq.keepAlive, nullptr);
  EXPECT_EQ(rrq.genericData, nullptr);
  EXPECT_FALSE(rrq.hasAdditions());
  EXPECT_EQ(rrq.unknown(), nullptr);
}

TEST(registrationRequest, keepAliveAndTheOtherUnmarkedAdditionsMayBeAbsent) {
  std::unique_ptr<H225::rasMessage> message = fullRegistrationRequest();
  auto* rrq = static_cast<H225::registrationRequest*>(message->alternative());
  delete rrq->keepAlive;
  rrq->keepAlive = nullptr;
  delete rrq->willSupplyUUIEs;
  rrq->willSupplyUUIEs = nullptr;
  delete rrq->maintainConnection;
  rrq->maintainConnection = nullptr;
  H225::rasMessage decoded;
  perDecode(decoded, perOctets(*message));
  auto* received = static_cast<H225::registrationRequest*>(decoded.alternative());
  EXPECT_EQ(received->keepAlive, nullptr);
  EXPECT_EQ(received->willSupplyUUIEs, nullptr);
  EXPECT_EQ(received->maintainConnection, nullptr);
  ASSERT_NE(received->timeToLive, nullptr);
  EXPECT_EQ(received->timeToLive->value(), 300u);
  EXPECT_TRUE(decoded.isEqual(*message));
}

TEST(gatekeeperConfirm, aCopyOwnsItsAlternateGatekeepers) {
  std::vector<rasSample> samples = rasSamples();
  const rasSample& sample = samples[1];
  ASSERT_EQ(sample.message->index(), rasKind::gatekeeperConfirm);
  auto* source = new H225::gatekeeperConfirm(*static_cast<H225::gatekeeperConfirm*>(sample.message->alternative()));
  H225::gatekeeperConfirm copy(*source);
  ASSERT_NE(copy.alternateGatekeeper, source->alternateGatekeeper);
  ASSERT_EQ(copy.alternateGatekeeper->count(), 2u);
  // Changing, then destroying the source leaves the copy alone.
  source->alternateGatekeeper->clear();
  auto* first = asn::sequenceOf<H225::alternateGK, 0u, 0u, 1>::element(copy.alternateGatekeeper->elements().head());
  delete source;
  EXPECT_EQ(copy.alternateGatekeeper->count(), 2u);
  EXPECT_EQ(first->priority.value(), 1u);
  EXPECT_EQ(first->gatekeeperIdentifier->toString(), orvo::string("GK-Backup"));
}

TEST(admissionRequest, hasSixteenRootComponentsNineMandatoryAndEighteenAdditions) {
  const asn::sequenceDescriptor& d = H225::admissionRequest::descriptor;
  EXPECT_EQ(countPresence(d, asn::componentEntry::mandatory), 9u);
  EXPECT_EQ(countPresence(d, asn::componentEntry::optional), 7u);
  EXPECT_EQ(countPresence(d, asn::componentEntry::addition), 18u);
}

TEST(admissionRequest, conferenceIdIsSixteenOctetsAndEndpointIdentifierOneTo128Characters) {
  std::unique_ptr<H225::rasMessage> message = admissionRequestWithTokens();
  auto* arq = static_cast<H225::admissionRequest*>(message->alternative());
  arq->conferenceID.setValue("0123456789abcde", 15);
  ORVO_EXPECT_THROW(perOctets(*message), constraintFailure, "Encode length constraint check failed.");
  arq->conferenceID.setValue("0123456789abcdef", 16);
  // A count below the lower size bound fails as the constrained number it
  // is written as.
  arq->endpointIdentifier = "";
  ORVO_EXPECT_THROW(perOctets(*message), constraintFailure, "Encode integer constraint check failed.");
  arq->endpointIdentifier = std::string(129, 'e').c_str();
  ORVO_EXPECT_THROW(perOctets(*message), constraintFailure, "Encode length constraint check failed.");
  arq->endpointIdentifier = std::string(128, 'e').c_str();
  H225::rasMessage decoded;
  perDecode(decoded, perOctets(*message));
  EXPECT_EQ(static_cast<H225::admissionRequest*>(decoded.alternative())->endpointIdentifier.length(), 128u);
}

TEST(supportingTypes, rangeAndIntegrityCheckValueAreNotExtensible) {
  EXPECT_EQ(H225::addressPattern::range_sequence::descriptor.extensible, 0u);
  EXPECT_EQ(H225::icv::descriptor.extensible, 0u);
  EXPECT_EQ(H225::alternateGK::descriptor.extensible, 1u);
}

TEST(supportingTypes, requestedUuiesCarryNineRootFlagsAndAnAdditionOnlyWhenPresent) {
  H225::uUIEsRequested uuies;
  uuies.setup = true;
  uuies.callProceeding = false;
  uuies.connect = true;
  uuies.alerting = false;
  uuies.information = false;
  uuies.releaseComplete = true;
  uuies.facility = false;
  uuies.progress = false;
  uuies.empty = true;
  // 0 (no additions) 101001001 (the nine flags).
  EXPECT_EQ(perHex(uuies), "52 40");
  *attach(uuies.notify) = true;
  // 1, the nine flags, then 3 (four additions, less one) as a normally
  // small number 0 000011, the bitmap 0001; 1101 0010 0100 0001 1000 1000,
  // then the open type of one octet holding TRUE: 01 80.
  EXPECT_EQ(perHex(uuies), "d2 41 88 01 80");
  H225::uUIEsRequested decoded;
  perDecode(decoded, perOctets(uuies));
  EXPECT_TRUE(decoded.isEqual(uuies));
  EXPECT_EQ(decoded.status, nullptr);
  ASSERT_NE(decoded.notify, nullptr);
  EXPECT_TRUE(decoded.notify->value());
}

TEST(supportingTypes, alternateGatekeeperPriorityIsZeroTo127) {
  H225::alternateGK gk;
  setIp(gk.rasAddress, 127, 0, 0, 2, 1719);
  gk.needToRegister = false;
  gk.priority = 127;
  // 0 0 (no additions, no identifier), address 0 (ipAddress) then 7f 00 00
  // 02 06 b7, then 0 (needToRegister) 1111111.
  EXPECT_EQ(perHex(gk), "00 7f 00 00 02 06 b7 7f");
  gk.priority = 128;
  ORVO_EXPECT_THROW(perOctets(gk), constraintFailure, "Encode integer constraint check failed.");
}

TEST(infoRequestResponse, sequenceNumberIsTheSecondComponent) {
  const asn::sequenceDescriptor& d = H225::infoRequestResponse::descriptor;
  EXPECT_STREQ(d.components[0].name, "NonStandardData");
  EXPECT_TRUE(d.components[0].isOptional());
  EXPECT_STREQ(d.components[1].name, "RequestSeqNum");
  EXPECT_STREQ(H225::bandwidthRequest::descriptor.components[0].name, "RequestSeqNum");
  EXPECT_STREQ(H225::serviceControlResponse::descriptor.components[0].name, "RequestSeqNum");
}

TEST(infoRequestResponse, perCallInformationHoldsWholeCallSignallingPdus) {
  EXPECT_EQ(H225::infoRequestResponse::perCallInfo_sequence::pdu_sequence::descriptor.extensible, 0u);
  std::unique_ptr<H225::rasMessage> message;
  for (const rasSample& sample : rasSamples())
    if (sample.message->index() == rasKind::infoRequestResponse) {
      message = std::make_unique<H225::rasMessage>();
      message->assign(*sample.message);
    }
  ASSERT_TRUE(message);
  H225::rasMessage decoded;
  perDecode(decoded, perOctets(*message));
  auto* irr = static_cast<H225::infoRequestResponse*>(decoded.alternative());
  ASSERT_NE(irr->perCallInfo, nullptr);
  auto* call = asn::sequenceOf<H225::infoRequestResponse::perCallInfo_sequence, 0u, 0u, 1>::element(
      irr->perCallInfo->elements().head());
  ASSERT_NE(call->pdu, nullptr);
  auto* pdu = asn::sequenceOf<H225::infoRequestResponse::perCallInfo_sequence::pdu_sequence, 0u, 0u, 1>::element(
      call->pdu->elements().head());
  EXPECT_TRUE(pdu->sent.value());
  EXPECT_EQ(pdu->h323pdu.h323_message_body.index(), 6);
  EXPECT_STREQ(pdu->h323pdu.h323_message_body.alternativeName(), "Facility");
  auto* facility = static_cast<H225::facility_UUIE*>(pdu->h323pdu.h323_message_body.alternative());
  EXPECT_EQ(facility->reason.index(), 5);
}

TEST(rasMessage, traceNamesTheAlternativeAndItsComponents) {
  H225::rasMessage message;
  auto* urj = static_cast<H225::unregistrationReject*>(message.select(rasKind::unregistrationReject));
  urj->requestSeqNum = 10;
  urj->rejectReason.select(4);  // securityDenial, an addition
  std::ostringstream trace;
  trace << message;
  EXPECT_EQ(trace.str(), " UnregistrationReject {\n  RequestSeqNum: 10 (0xa)\n  RejectReason SecurityDenial\n}");
}

TEST(h225Module, holdsEveryTypeOfTheVersionFourSyntax) {
  unsigned sequences = 0, choices = 0, enumerations = 0, withoutCreate = 0;
  for (const catalogueEntry& entry : catalogueOf("H225")) {
    std::string kind = entry.kind;
    sequences += kind == "SEQUENCE";
    choices += kind == "CHOICE";
    enumerations += kind == "ENUMERATED";
    if (!entry.create) {
      ++withoutCreate;
      EXPECT_TRUE(std::string(entry.name) == "H225::rasMessage" ||
                  std::string(entry.name) == "H225::h323_UserInformation")
          << entry.name;
    }
  }
  EXPECT_EQ(sequences, 125u);
  EXPECT_EQ(choices, 49u);
  EXPECT_EQ(enumerations, 1u);
  EXPECT_EQ(withoutCreate, 2u);
}
