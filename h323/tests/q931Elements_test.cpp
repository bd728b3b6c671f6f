// The information elements one by one: realistic elements decode to the
// fields their octets hold (worked out by hand from the bit layouts of
// ITU-T Q.931) and encode back to the same octets; lengths that lie are
// read within their element; contents that a length octet cannot frame are
// refused.
#include <gtest/gtest.h>

#include <functional>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "userInformationSamples.h"
#include "messageParts.h"
#include "valueFiller.h"

using namespace q931Testing;

namespace {

template <class T>
const T& as(const Q931::element& e) {
  const T* typed = dynamic_cast<const T*>(&e);
  if (!typed) throw std::runtime_error(std::string("element of another class: ") + Q931::element::name(e.id));
  return *typed;
}

std::string text(const orvo::string& s) { return toStd(s); }

std::vector<unsigned> list(const orvo::dlist<unsigned int>& values) {
  std::vector<unsigned> out;
  for (unsigned v : values) out.push_back(v);
  return out;
}

std::string userUserOf(const H225::h323_UserInformation& content) {
  octets per = perOctets(content);
  unsigned length = unsigned(per.size()) + 1;
  octets element{0x7E, (unsigned char)(length >> 8), (unsigned char)length, 0x05};
  for (unsigned char o : per) element.push_back(o);
  return toHex(element);
}

// Every field of a bearer capability.
std::function<void(const Q931::element&)> bearer(unsigned capability, unsigned mode, unsigned rate, unsigned multiplier,
                                                 unsigned layer1) {
  return [=](const Q931::element& e) {
    auto& b = as<Q931::bearerCapability>(e);
    EXPECT_EQ(b.transferCapability, capability);
    EXPECT_EQ(b.transferMode, mode);
    EXPECT_EQ(b.transferRate, rate);
    EXPECT_EQ(b.rateMultiplier, multiplier);
    EXPECT_EQ(b.layer1Protocol, layer1);
  };
}

// The fields of a low layer compatibility's octets 3 to 4.1.
void lowLayerBearer(const Q931::lowLayerCompatibility& l, unsigned capability, unsigned mode, unsigned rate,
                    unsigned multiplier) {
  EXPECT_EQ(l.codingStandard, 0u);
  EXPECT_EQ(l.transferCapability, capability);
  EXPECT_EQ(l.transferMode, mode);
  EXPECT_EQ(l.transferRate, rate);
  EXPECT_EQ(l.rateMultiplier, multiplier);
}

// A date and time to the second, and how many octets held it.
std::function<void(const Q931::element&)> dateAndTime(int year, int month, int day, int hour, int minute,
                                                      unsigned length) {
  return [=](const Q931::element& e) {
    auto& d = as<Q931::datetime>(e);
    EXPECT_EQ(d.value, orvo::dateTime(day, month, year, hour, minute, 0, 0));
    EXPECT_EQ(d.length, length);
  };
}

struct fidelityCase {
  std::string name;
  std::string wire;
  std::function<void(const Q931::element&)> check;
};

std::vector<fidelityCase> fidelityCases() {
  using namespace Q931;
  return {
      {"bearer: speech, 64 kbit/s, A-law", "04 03 80 90 A3",
       [](const element& e) {
         auto& b = as<bearerCapability>(e);
         EXPECT_EQ(b.transferCapability, 0u);
         EXPECT_EQ(b.transferMode, 0u);
         EXPECT_EQ(b.transferRate, 16u);
         EXPECT_EQ(b.layer1Protocol, 3u);
       }},
      {"bearer: unrestricted digital, H.221", "04 03 88 90 A5",
       [](const element& e) { EXPECT_EQ(as<bearerCapability>(e).layer1Protocol, 5u); }},
      {"bearer: without layer 1", "04 02 88 90",
       [](const element& e) {
         auto& b = as<bearerCapability>(e);
         EXPECT_EQ(b.transferCapability, 8u);
         EXPECT_EQ(b.layer1Protocol, bearerCapability::absent);
       }},
      {"bearer: multirate 6 x 64 kbit/s", "04 04 88 18 86 A5",
       [](const element& e) {
         EXPECT_EQ(as<bearerCapability>(e).transferRate, 24u);
         EXPECT_EQ(as<bearerCapability>(e).rateMultiplier, 6u);
       }},
      // Octet 3 1 01 01000: ISO/IEC coding, whose octets are not read.
      {"bearer: ISO/IEC coding", "04 03 A8 90 A3",
       bearer(bearerCapability::absent, bearerCapability::absent, bearerCapability::absent, 0,
              bearerCapability::absent)},
      // C2 = 1 10 00010 after octet 4 is octet 6, layer 2 Q.921, no layer 1.
      {"bearer: layer 2 without layer 1", "04 03 88 90 C2", bearer(8, 0, 16, 0, bearerCapability::absent)},
      // 21 = 0 01 00001: V.110, octet 5a (8F: synchronous, 56 kbit/s) follows.
      {"bearer: V.110 with octet 5a", "04 04 88 90 21 8F", bearer(8, 0, 16, 0, 1)},
      // Octet 4.1 follows a multirate octet 4 whatever its bit 8.
      {"bearer: multirate, bit 8 set on octet 4", "04 04 88 98 86 A3", bearer(8, 0, 24, 6, 3)},
      {"bearer: multirate, bit 8 clear on octet 4", "04 04 88 18 86 A3", bearer(8, 0, 24, 6, 3)},
      // E2 = 1 11 0 0010: a coding of the location (octet 4 is its own),
      // public network serving the local user.
      {"cause: coding standard of the location", "08 02 E2 90",
       [](const element& e) {
         auto& c = as<cause>(e);
         EXPECT_EQ(c.codingStandard, 3u);
         EXPECT_EQ(c.location, 2u);
         EXPECT_EQ(c.recommendation, 0u);
         EXPECT_EQ(c.causeValue, 0u);
       }},
      // Incompatible destination, diagnostic: the identifier of the
      // incompatible parameter, bearer capability.
      {"cause: with a diagnostic", "08 03 80 D8 04",
       [](const element& e) {
         EXPECT_EQ(as<cause>(e).causeValue, 88u);
         EXPECT_EQ(as<cause>(e).recommendation, 0u);
       }},
      {"cause: octet 3a naming Q.931", "08 03 00 80 90",
       [](const element& e) {
         EXPECT_EQ(as<cause>(e).recommendation, 0u);
         EXPECT_EQ(as<cause>(e).causeValue, 16u);
       }},
      {"cause: normal call clearing", "08 02 80 90",
       [](const element& e) {
         auto& c = as<cause>(e);
         EXPECT_EQ(c.codingStandard, 0u);
         EXPECT_EQ(c.location, 0u);
         EXPECT_EQ(c.causeValue, 16u);
       }},
      {"cause: with recommendation", "08 03 00 81 90",
       [](const element& e) {
         EXPECT_EQ(as<cause>(e).recommendation, 1u);
         EXPECT_EQ(as<cause>(e).causeValue, 16u);
       }},
      {"cause: user busy beyond interworking", "08 02 8A 91",
       [](const element& e) {
         EXPECT_EQ(as<cause>(e).location, 10u);
         EXPECT_EQ(as<cause>(e).causeValue, 17u);
       }},
      {"called party: ISDN plan", "70 04 81 31 32 33",
       [](const element& e) {
         auto& n = as<calledPartyNumber>(e);
         EXPECT_EQ(n.typeOfNumber, 0u);
         EXPECT_EQ(n.numberingPlan, 1u);
         EXPECT_EQ(text(n.digits), "123");
       }},
      {"calling party: presentation allowed, user provided", "6C 06 01 80 31 32 33 34",
       [](const element& e) {
         auto& n = as<callingPartyNumber>(e);
         EXPECT_TRUE(n.hasPresentation);
         EXPECT_EQ(n.presentationIndicator, 0u);
         EXPECT_EQ(n.screeningIndicator, 0u);
         EXPECT_EQ(n.numberingPlan, 1u);
         EXPECT_EQ(text(n.digits), "1234");
       }},
      {"calling party: restricted, network provided", "6C 04 21 A3 35 36",
       [](const element& e) {
         auto& n = as<callingPartyNumber>(e);
         EXPECT_EQ(n.typeOfNumber, 2u);
         EXPECT_EQ(n.presentationIndicator, 1u);
         EXPECT_EQ(n.screeningIndicator, 3u);
       }},
      {"calling party: no presentation octet", "6C 03 91 37 38",
       [](const element& e) {
         EXPECT_FALSE(as<callingPartyNumber>(e).hasPresentation);
         EXPECT_EQ(as<callingPartyNumber>(e).typeOfNumber, 1u);
       }},
      {"display", "28 13 63 69 73 63 6F 20 53 79 73 74 65 6D 73 2C 20 49 6E 63 2E",
       [](const element& e) { EXPECT_EQ(text(as<display>(e).text), "cisco Systems, Inc."); }},
      {"display: empty", "28 00", [](const element& e) { EXPECT_EQ(text(as<display>(e).text), ""); }},
      {"channel: basic interface, B1 exclusive", "18 01 89",
       [](const element& e) {
         auto& c = as<channelIdentification>(e);
         EXPECT_EQ(c.interfaceType, 0u);
         EXPECT_TRUE(c.exclusive);
         EXPECT_EQ(c.channelSelection, 1u);
         EXPECT_EQ(c.firstChannel(), 0u);
       }},
      {"channel: primary interface, channel 1", "18 03 A9 83 81",
       [](const element& e) {
         auto& c = as<channelIdentification>(e);
         EXPECT_EQ(c.interfaceType, 1u);
         EXPECT_EQ(c.channelType, 3u);
         EXPECT_EQ(list(c.channels), (std::vector<unsigned>{1}));
       }},
      {"channel: primary interface, channels 3 and 17", "18 04 A9 83 03 91",
       [](const element& e) {
         EXPECT_EQ(list(as<channelIdentification>(e).channels), (std::vector<unsigned>{3, 17}));
       }},
      {"channel: slot map of channels 1, 3 and 32", "18 06 A9 93 80 00 00 05",
       [](const element& e) {
         EXPECT_EQ(as<channelIdentification>(e).numberMap, 1u);
         EXPECT_EQ(list(as<channelIdentification>(e).channels), (std::vector<unsigned>{1, 3, 32}));
       }},
      {"channel: interface identifier", "18 04 E9 85 83 84",
       [](const element& e) {
         EXPECT_EQ(as<channelIdentification>(e).interfaceIdentifier, (octets{0x85}));
         EXPECT_EQ(as<channelIdentification>(e).firstChannel(), 4u);
       }},
      {"channel: interface identifier of two octets", "18 05 61 05 86 83 81",
       [](const element& e) {
         EXPECT_EQ(as<channelIdentification>(e).interfaceIdentifier, (octets{0x05, 0x86}));
         EXPECT_EQ(as<channelIdentification>(e).firstChannel(), 1u);
       }},
      {"progress: in-band information", "1E 02 80 88",
       [](const element& e) {
         auto& p = as<progressIndicator>(e);
         EXPECT_EQ(p.location, 0u);
         EXPECT_EQ(p.description, 8u);
       }},
      {"progress: not end-to-end, private network", "1E 02 81 81",
       [](const element& e) { EXPECT_EQ(as<progressIndicator>(e).location, 1u); }},
      {"date/time of length 6", "29 06 7A 0C 07 0B 0C 0D",
       [](const element& e) {
         auto& d = as<datetime>(e);
         EXPECT_EQ(d.value.year(), 2022);
         EXPECT_EQ(d.value.month(), 12);
         EXPECT_EQ(d.value.day(), 7);
         EXPECT_EQ(d.value.hour(), 11);
         EXPECT_EQ(d.value.minute(), 12);
         EXPECT_EQ(d.value.second(), 13);
       }},
      {"date/time: 1 December 2023", "29 03 7B 0C 01", dateAndTime(2023, 12, 1, 0, 0, 3)},
      {"date/time: to the hour", "29 04 7B 0C 01 17", dateAndTime(2023, 12, 1, 23, 0, 4)},
      {"date/time: to the minute", "29 05 7B 0C 01 0E 1E", dateAndTime(2023, 12, 1, 14, 30, 5)},
      {"user-user: release complete", userUserOf(*userInformationSamples()[5].message),
       [](const element& e) {
         auto& u = as<userUser>(e);
         EXPECT_EQ(u.protocolDiscriminator, 5);
         ASSERT_NE(u.content, nullptr);
         EXPECT_EQ(u.content->h323_uu_pdu.h323_message_body.index(), 5);
       }},
      {"user-user: setup with fast start", userUserOf(*userInformationSamples()[0].message),
       [](const element& e) { EXPECT_EQ(as<userUser>(e).content->h323_uu_pdu.h323_message_body.index(), 0); }},
      {"user-user: discriminator alone", "7E 00 01 05",
       [](const element& e) { EXPECT_EQ(as<userUser>(e).content, nullptr); }},
      {"facility: kept as octets", "1C 05 91 A1 02 02 01",
       [](const element& e) {
         EXPECT_EQ(as<notSupportedElement>(e).id, 0x1C);
         EXPECT_EQ(as<notSupportedElement>(e).content, (octets{0x91, 0xA1, 0x02, 0x02, 0x01}));
       }},
      {"escape for extension: kept as octets", "7F 02 01 02", [](const element& e) { EXPECT_EQ(e.id, 0x7F); }},
      {"unknown identifier: kept as octets", "3A 00", [](const element& e) { EXPECT_EQ(e.id, 0x3A); }},
      {"segmented: first, one remaining, of a setup", "00 02 81 05",
       [](const element& e) {
         EXPECT_TRUE(as<segmented>(e).firstSegment);
         EXPECT_EQ(as<segmented>(e).remainingSegments, 1u);
         EXPECT_EQ(as<segmented>(e).segmentedType, 5u);
       }},
      {"segmented: subsequent", "00 02 02 05", [](const element& e) { EXPECT_FALSE(as<segmented>(e).firstSegment); }},
      {"call identity", "10 03 41 42 43",
       [](const element& e) { EXPECT_EQ(text(as<callIdentity>(e).identity), "ABC"); }},
      {"call state: active", "14 01 0A",
       [](const element& e) {
         EXPECT_EQ(as<callState>(e).state, 10u);
         EXPECT_EQ(as<callState>(e).codingStandard, 0u);
       }},
      {"call state: national coding", "14 01 87",
       [](const element& e) { EXPECT_EQ(as<callState>(e).codingStandard, 2u); }},
      {"network facilities: no identification", "20 02 00 A5",
       [](const element& e) {
         EXPECT_EQ(as<networkFacilities>(e).networkIdLength, 0u);
         EXPECT_EQ(as<networkFacilities>(e).facility, 0xA5);
       }},
      {"network facilities: carrier code", "20 05 03 A1 31 32 55",
       [](const element& e) {
         auto& n = as<networkFacilities>(e);
         EXPECT_EQ(n.networkIdType, 2u);
         EXPECT_EQ(n.networkIdPlan, 1u);
         EXPECT_EQ(text(n.networkId), "12");
         EXPECT_EQ(n.facility, 0x55);
       }},
      {"notification: kept with its extension bit", "27 01 F1",
       [](const element& e) { EXPECT_EQ(as<notificationIndicator>(e).description, 0xF1); }},
      {"keypad", "2C 02 31 23", [](const element& e) { EXPECT_EQ(text(as<keypadFacility>(e).digits), "1#"); }},
      {"signal: ring back tone", "34 01 01", [](const element& e) { EXPECT_EQ(as<Q931::signal>(e).value, 1); }},
      {"information rate", "40 04 83 84 85 86",
       [](const element& e) {
         EXPECT_EQ(as<informationRate>(e).incomingRate, 3u);
         EXPECT_EQ(as<informationRate>(e).minimumOutgoingRate, 6u);
       }},
      {"transit delay: cumulative only", "42 03 01 02 83",
       [](const element& e) {
         EXPECT_EQ(as<endtoEndTransitDelay>(e).delayCount, 1u);
         EXPECT_EQ(as<endtoEndTransitDelay>(e).cumulativeDelay, (1u << 14) | (2u << 7) | 3u);
       }},
      {"transit delay: all three", "42 09 00 00 81 00 01 80 03 7F FF",
       [](const element& e) {
         auto& d = as<endtoEndTransitDelay>(e);
         EXPECT_EQ(d.delayCount, 3u);
         EXPECT_EQ(d.requestedDelay, 128u);
         EXPECT_EQ(d.maximumDelay, 0xFFFFu);
       }},
      {"transit delay selection", "43 03 00 07 E8",
       [](const element& e) { EXPECT_EQ(as<transitDelaySelInd>(e).delay, 1000u); }},
      {"packet layer binary parameters", "44 01 9F",
       [](const element& e) {
         EXPECT_EQ(as<packetLayerBinaryParameters>(e).fastSelect, 3u);
         EXPECT_EQ(as<packetLayerBinaryParameters>(e).modulus, 1u);
       }},
      {"packet window size: both ways", "45 02 82 83",
       [](const element& e) {
         EXPECT_TRUE(as<packetLayerWindowSize>(e).hasBackward);
         EXPECT_EQ(as<packetLayerWindowSize>(e).backwardValue, 3u);
       }},
      {"packet size: forward only", "46 01 87",
       [](const element& e) {
         EXPECT_EQ(as<packetSize>(e).forwardValue, 7u);
         EXPECT_FALSE(as<packetSize>(e).hasBackward);
       }},
      {"closed user group", "47 03 81 30 31",
       [](const element& e) {
         EXPECT_EQ(as<closedUserGroup>(e).indication, 1u);
         EXPECT_EQ(text(as<closedUserGroup>(e).indexCode), "01");
       }},
      {"reverse charging", "4A 01 81",
       [](const element& e) { EXPECT_EQ(as<reverseChargeIndication>(e).indication, 1u); }},
      {"calling subaddress: user specified", "6D 03 A0 50 51",
       [](const element& e) {
         EXPECT_EQ(as<callingPartySubAddress>(e).typeOfSubaddress, 2u);
         EXPECT_EQ(text(as<callingPartySubAddress>(e).information), "PQ");
       }},
      {"called subaddress: NSAP, odd", "71 03 88 12 34",
       [](const element& e) {
         EXPECT_EQ(as<calledPartySubAddress>(e).typeOfSubaddress, 0u);
         EXPECT_EQ(as<calledPartySubAddress>(e).oddEven, 1u);
       }},
      {"redirecting: with reason", "74 05 00 03 8F 31 32",
       [](const element& e) {
         auto& r = as<redirectingNumber>(e);
         EXPECT_TRUE(r.hasPresentation);
         EXPECT_EQ(r.screeningIndicator, 3u);
         EXPECT_EQ(r.reason, 15);
         EXPECT_EQ(text(r.digits), "12");
       }},
      {"redirecting: presentation without reason", "74 03 11 A0 39",
       [](const element& e) {
         EXPECT_EQ(as<redirectingNumber>(e).reason, -1);
         EXPECT_EQ(as<redirectingNumber>(e).presentationIndicator, 1u);
       }},
      {"redirecting: digits only", "74 03 81 35 36",
       [](const element& e) { EXPECT_FALSE(as<redirectingNumber>(e).hasPresentation); }},
      {"transit network", "78 04 A1 31 32 33",
       [](const element& e) {
         EXPECT_EQ(as<transitNetworkSelection>(e).typeOfNetworkId, 2u);
         EXPECT_EQ(text(as<transitNetworkSelection>(e).networkId), "123");
       }},
      {"restart: all interfaces", "79 01 87",
       [](const element& e) { EXPECT_EQ(as<restartIndicator>(e).restartClass, 7u); }},
      {"low layer: layer 1 only", "7C 03 88 90 A5",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         EXPECT_EQ(l.presence, unsigned(lowLayerCompatibility::hasLayer1));
         EXPECT_EQ(l.layer1Protocol, 5u);
       }},
      {"low layer: multirate", "7C 03 88 98 82",
       [](const element& e) { EXPECT_EQ(as<lowLayerCompatibility>(e).rateMultiplier, 2u); }},
      {"low layer: three layers", "7C 0B 08 C0 90 21 0F B0 C2 66 40 07 82",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         EXPECT_EQ(l.presence, 0x1u | 0x2 | 0x4 | 0x8 | 0x40 | 0x200 | 0x400 | 0x800 | 0x1000);
         EXPECT_EQ(l.negotiationIndicator, 1u);
         EXPECT_EQ(l.userRate, 15u);
         EXPECT_EQ(l.intermediateRate, 1u);
         EXPECT_EQ(l.nicOnTransmit, 1u);
         EXPECT_EQ(l.layer2Protocol, 2u);
         EXPECT_EQ(l.layer3Mode, 2u);
         EXPECT_EQ(l.defaultPacketSize, 7u);
         EXPECT_EQ(l.packetWindowSize, 2u);
       }},
      {"low layer: asynchronous modem", "7C 07 88 90 21 4B 02 55 9C",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         EXPECT_EQ(l.synchronous, 1u);
         EXPECT_EQ(l.flowControlOnReceive, 1u);
         EXPECT_EQ(l.stopBits, 2u);
         EXPECT_EQ(l.dataBits, 2u);
         EXPECT_EQ(l.parity, 5u);
         EXPECT_EQ(l.modemType, 28u);
       }},
      // 18 = 0 00 11000: circuit, multirate; 86: 6 x 64 kbit/s; A3: G.711 A-law.
      {"low layer: multirate, bit 8 clear on octet 4", "7C 04 88 18 86 A3",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         lowLayerBearer(l, 8, 0, 24, 6);
         EXPECT_EQ(l.presence, unsigned(lowLayerCompatibility::hasLayer1));
         EXPECT_EQ(l.layer1Protocol, 3u);
       }},
      {"low layer: octet 3 alone", "7C 01 88",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         lowLayerBearer(l, 8, 255, 255, 0);
         EXPECT_EQ(l.presence, 0u);
       }},
      // V.110 at 56 kbit/s. 5b 08 = 0 00 0 1 0 0 0: network independent
      // clock accepted on reception, nothing else; 5c 3B = 0 01 11 011: 1
      // stop bit, 8 data bits, no parity; 5d C0 = 1 1 000000: full duplex,
      // modem type 0.
      {"low layer: V.110, clock on reception, full duplex", "7C 07 88 90 21 0F 08 3B C0",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         lowLayerBearer(l, 8, 0, 16, 0);
         EXPECT_EQ(l.presence, 0x3Eu);
         EXPECT_EQ(l.layer1Protocol, 1u);
         EXPECT_EQ(l.synchronous, 0u);
         EXPECT_EQ(l.negotiation, 0u);
         EXPECT_EQ(l.userRate, 15u);
         EXPECT_EQ(l.intermediateRate, 0u);
         EXPECT_EQ(l.nicOnTransmit, 0u);
         EXPECT_EQ(l.nicOnReceive, 1u);
         EXPECT_EQ(l.flowControlOnTransmit, 0u);
         EXPECT_EQ(l.flowControlOnReceive, 0u);
         EXPECT_EQ(l.stopBits, 1u);
         EXPECT_EQ(l.dataBits, 3u);
         EXPECT_EQ(l.parity, 3u);
         EXPECT_EQ(l.duplexMode, 1u);
         EXPECT_EQ(l.modemType, 0u);
       }},
      // The other bits: 5a 4F asynchronous; 5b 76 = 0 11 1 0 1 1 0: 32
      // kbit/s, clock on transmission, none on reception, flow control both
      // ways; 5d BF = 1 0 111111: half duplex, modem type 63.
      {"low layer: V.110, no clock on reception, half duplex", "7C 07 88 90 21 4F 76 3B BF",
       [](const element& e) {
         auto& l = as<lowLayerCompatibility>(e);
         EXPECT_EQ(l.presence, 0x3Eu);
         EXPECT_EQ(l.synchronous, 1u);
         EXPECT_EQ(l.negotiation, 0u);
         EXPECT_EQ(l.intermediateRate, 3u);
         EXPECT_EQ(l.nicOnTransmit, 1u);
         EXPECT_EQ(l.nicOnReceive, 0u);
         EXPECT_EQ(l.flowControlOnTransmit, 1u);
         EXPECT_EQ(l.flowControlOnReceive, 1u);
         EXPECT_EQ(l.duplexMode, 0u);
         EXPECT_EQ(l.modemType, 63u);
       }},
      {"high layer: telephony", "7D 02 91 81",
       [](const element& e) {
         EXPECT_EQ(as<highLayerCompatibility>(e).interpretation, 4u);
         EXPECT_EQ(as<highLayerCompatibility>(e).characteristics, 1u);
         EXPECT_EQ(as<highLayerCompatibility>(e).extendedCharacteristics, 0u);
       }},
      {"high layer: extended", "7D 03 91 5E 81",
       [](const element& e) { EXPECT_EQ(as<highLayerCompatibility>(e).extendedCharacteristics, 1u); }},
  };
}

}  // namespace

TEST(elements, realisticElementsDecodeToTheirFieldsAndEncodeToTheSameOctets) {
  for (const fidelityCase& c : fidelityCases()) {
    SCOPED_TRACE(c.name);
    std::string rest;
    std::unique_ptr<Q931::element> e;
    ASSERT_EQ(failureOf([&] { e = decodeElement(c.wire, &rest); }), "");
    EXPECT_EQ(rest, "") << "the element's octets are consumed whole";
    try {
      c.check(*e);
    } catch (const std::exception& x) {
      ADD_FAILURE() << x.what();
    }
    EXPECT_EQ(encodeElement(*e), c.wire);
  }
}

TEST(elements, singleOctetElementsEncodeTheirOctet) {
  struct {
    std::function<Q931::element*()> make;
    const char* wire;
    int id;
  } cases[] = {
      {[] { return new Q931::moreData; }, "A0", -4},
      {[] { return new Q931::sendingComplete; }, "A1", -3},
      {[] { return new Q931::congestionLevel(15); }, "BF", -2},
      {[] { return new Q931::repeatIndicator; }, "D2", -1},
      {[] { return new Q931::repeatIndicator(0x13); }, "D3", -1},
  };
  for (const auto& c : cases) {
    std::unique_ptr<Q931::element> e(c.make());
    EXPECT_EQ(e->id, c.id);
    EXPECT_EQ(encodeElement(*e), c.wire);
  }
}

TEST(elements, contentsThatDoNotFitTheirFieldsInterpretNothing) {
  // Fixed lengths that differ, and lengths too short for what comes first:
  // the element is consumed whole and its fields stay at their defaults.
  struct {
    const char* wire;
    const char* encoded;
  } cases[] = {
      {"14 02 0A 0B", "14 01 00"},  // call state of length 2
      {"14 00", "14 01 00"},
      {"1E 01 80", "1E 02 80 81"},              // progress of length 1
      {"00 03 81 05 00", "00 02 80 7F"},        // segmented of length 3
      {"40 03 81 82 83", "40 04 80 80 80 80"},  // information rate of length 3
      {"43 02 01 02", "43 03 00 00 80"},
      {"44 02 9F 9F", "44 01 80"},
      {"45 03 81 82 83", "45 01 80"},
      {"4A 00", "4A 01 81"},
      {"79 02 87 87", "79 01 80"},
      {"27 02 F1 F2", "27 01 00"},
      {"34 00", "34 01 00"},
      {"7D 01 91", "7D 02 80 80"},
      {"20 01 00", "20 02 00 00"},
      {"70 02 01 31", "70 01 80"},     // called party without bit 8 on octet 3
      {"6C 03 01 00 31", "6C 01 81"},  // calling party with octet 3a open
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    std::string rest;
    std::unique_ptr<Q931::element> e = decodeElement(c.wire, &rest);
    EXPECT_EQ(rest, "");
    EXPECT_EQ(encodeElement(*e), c.encoded);
  }
}

// A cause of another coding standard keeps what it held beyond octet 3,
// and goes out as it came.
TEST(elements, aCauseOfAnotherCodingStandardKeepsItsOtherFields) {
  Q931::cause c(31);
  c.recommendation = 4;
  octets wire = fromHex("08 02 E2 90");
  orvo::byteStream in(wire.data(), unsigned(wire.size()));
  c.decode(in);
  EXPECT_EQ(c.codingStandard, 3u);
  EXPECT_EQ(c.location, 2u);
  EXPECT_EQ(c.causeValue, 31u);
  EXPECT_EQ(c.recommendation, 4u);
  EXPECT_EQ(encodeElement(c), "08 02 E2 90");
}

// Contents that the fields would write back otherwise: spare bits set,
// octets beyond those read or out of their order, extension bits out of the
// layout. (Every content of up to two octets is tried below.)
TEST(elements, contentsTheFieldsDoNotHoldGoOutAsTheyCame) {
  const char* cases[] = {
      "08 03 00 00 90",     // bit 8 clear on octet 3a
      "04 03 88 90 E2",     // octet 7 (layer 3) after octet 4
      "04 04 88 90 A3 C2",  // octet 6 after octet 5
      "7C 03 88 90 05",     // an octet naming no layer
      "7C 04 88 90 A5 A5",  // layer 1 twice
      "7C 03 88 90 65",     // layer 3 group open at the end
      "7C 04 88 90 C2 A1",  // layer 2 before layer 1
      "7C 03 08 C1 90",     // a spare bit of octet 3a set
      "7C 04 88 90 21 00",  // layer 1 group open at the end
  };
  for (const char* wire : cases) {
    std::string rest;
    std::unique_ptr<Q931::element> e = decodeElement(wire, &rest);
    EXPECT_EQ(rest, "");
    EXPECT_EQ(encodeElement(*e), wire);
  }
}

// Once a field changes, the fields say what goes out.
TEST(elements, changedFieldsGoOutAsTheFieldsSay) {
  struct {
    const char* wire;
    std::function<void(Q931::element&)> change;
    const char* encoded;
  } cases[] = {
      {"08 02 E2 90",
       [](Q931::element& e) {
         auto& c = dynamic_cast<Q931::cause&>(e);
         c.codingStandard = 0;
         c.causeValue = 17;
       },
       "08 02 82 91"},
      {"08 03 80 D8 04", [](Q931::element& e) { dynamic_cast<Q931::cause&>(e).causeValue = 16; }, "08 02 80 90"},
      {"04 03 A8 90 A3",
       [](Q931::element& e) {
         auto& b = dynamic_cast<Q931::bearerCapability&>(e);
         b.transferCapability = 8;
         b.transferMode = 0;
         b.transferRate = 16;
       },
       "04 02 88 90"},
      {"7C 01 88",
       [](Q931::element& e) {
         auto& l = dynamic_cast<Q931::lowLayerCompatibility&>(e);
         l.transferMode = 0;
         l.transferRate = 16;
       },
       "7C 02 88 90"},
      {"29 03 7B 0C 01",
       [](Q931::element& e) { dynamic_cast<Q931::datetime&>(e).value = orvo::dateTime(29, 2, 2024, 0, 0, 0, 0); },
       "29 03 7C 02 1D"},
  };
  for (const auto& c : cases) {
    std::unique_ptr<Q931::element> e = decodeElement(c.wire);
    c.change(*e);
    EXPECT_EQ(encodeElement(*e), c.encoded) << c.wire;
  }
}

// Every content of up to two octets, and many longer ones, of the bearer
// capability, the cause and the low layer compatibility, and every date of
// three octets with more of the longer ones: what decodes goes out as it
// came.
TEST(elements, everyContentOfTheBearerCauseLowLayerAndDateTimeGoesOutAsItCame) {
  uint32_t state = 12345;  // a fixed sequence: every run tries the same contents
  auto random = [&state] {
    state = state * 1103515245u + 12345u;
    return (unsigned char)(state >> 16);
  };
  std::vector<octets> contents{{}}, dates;
  for (unsigned v = 0; v < 256; ++v) contents.push_back({(unsigned char)v});
  for (unsigned v = 0; v < 65536; ++v) contents.push_back({(unsigned char)(v >> 8), (unsigned char)v});
  for (unsigned n = 0; n < 20000; ++n) {
    octets c(3 + n % 10);
    for (unsigned char& o : c) o = random();
    contents.push_back(c);
  }
  for (unsigned year = 0; year < 256; ++year)
    for (unsigned char month = 0; month <= 13; ++month)
      for (unsigned char day = 0; day <= 32; ++day) dates.push_back({(unsigned char)year, month, day});
  for (unsigned n = 0; n < 20000; ++n)
    dates.push_back({random(), (unsigned char)(1 + n % 12), (unsigned char)(1 + n % 28), (unsigned char)(random() % 25),
                     (unsigned char)(random() % 61), (unsigned char)(random() % 61)});
  for (octets& d : dates)
    if (d.size() > 3) d.resize(3 + random() % 4);
  unsigned existing = 0;
  for (int id : {0x04, 0x08, 0x7C, 0x29}) {
    for (const octets& content : id == 0x29 ? dates : contents) {
      octets wire;
      wire.reserve(2 + content.size());
      wire.push_back((unsigned char)id);
      wire.push_back((unsigned char)content.size());
      for (unsigned char o : content) wire.push_back(o);
      std::unique_ptr<Q931::element> e;
      std::string failure = failureOf([&] { e = decodeElement(toHex(wire)); });
      if (id == 0x29 && failure == "Q.931: invalid datetime IE encoding") continue;
      ASSERT_EQ(failure, "") << toHex(wire);
      ASSERT_EQ(encodeElement(*e), toHex(wire));
      if (id == 0x29) ++existing;
    }
  }
  EXPECT_GT(existing, 100000u) << "most of the dates exist";
}

TEST(elements, dateTimeLengthsOutsideThreeToSixThrow) {
  for (const char* wire : {"29 00", "29 02 7A 0C", "29 07 7A 0C 07 0B 0C 0D 0E"})
    EXPECT_EQ(failureOf([&] { decodeElement(wire); }), "Q.931: invalid datetime IE encoding") << wire;
  EXPECT_EQ(failureOf([&] { decodeElement("29 05 7A 0C 07 0B 0C"); }), "");
}

// A date or time that does not exist would leave as another one (or as
// none): refused like a wrong length.
TEST(elements, dateTimesThatDoNotExistThrow) {
  struct {
    const char* wire;
    bool valid;
  } cases[] = {
      {"29 06 7C 02 1D 17 3B 3B", true},   // 29 February 2024, 23:59:59
      {"29 03 00 01 01", true},            // 1 January 1900
      {"29 06 7B 02 1D 00 00 00", false},  // 29 February 2023
      {"29 06 7A 0D 07 0B 0C 0D", false},  // month 13
      {"29 03 7A 00 01", false},           // month 0
      {"29 03 7A 01 00", false},           // day 0
      {"29 06 7A 04 1F 00 00 00", false},  // 31 April
      {"29 04 7A 0C 07 18", false},        // hour 24
      {"29 05 7A 0C 07 0B 3C", false},     // minute 60
      {"29 06 7A 0C 07 0B 0C 3C", false},  // second 60
  };
  for (const auto& c : cases)
    EXPECT_EQ(failureOf([&] { decodeElement(c.wire); }), c.valid ? "" : "Q.931: invalid datetime IE encoding")
        << c.wire;
}

TEST(elements, documentedLossesOnReEncoding) {
  struct {
    const char* wire;
    const char* encoded;
  } cases[] = {
      {"7D 03 91 5E 80", "7D 02 91 DE"},        // extended characteristics 0 reads as absent
      {"18 02 A9 83", "18 02 A9 83"},           // no channel listed
      {"18 02 A9 93", "18 02 A9 93"},           // a slot map announced, none there
      {"18 05 A9 94 FF FF FF", "18 02 A9 94"},  // a slot map of another channel type
  };
  for (const auto& c : cases) EXPECT_EQ(encodeElement(*decodeElement(c.wire)), c.encoded) << c.wire;
}

// A variable-length element whose octets announce more than its length
// holds is read within its length: the element after it in the message
// comes out whole.
TEST(elements, everyVariableLengthElementStopsAtItsOwnLength) {
  struct {
    const char* name;
    const char* element;
    std::function<void(const Q931::element&)> check;
  } cases[] = {
      {"cause with octet 3a announced", "08 01 00",
       [](const Q931::element& e) {
         EXPECT_EQ(as<Q931::cause>(e).recommendation, 0u);
         EXPECT_EQ(as<Q931::cause>(e).causeValue, 0u);
       }},
      {"cause with the value missing", "08 02 00 81",
       [](const Q931::element& e) { EXPECT_EQ(as<Q931::cause>(e).causeValue, 0u); }},
      {"calling party with octet 3a announced", "6C 01 00",
       [](const Q931::element& e) {
         EXPECT_FALSE(as<Q931::callingPartyNumber>(e).hasPresentation);
         EXPECT_EQ(text(as<Q931::callingPartyNumber>(e).digits), "");
       }},
      {"redirecting with octet 3a announced", "74 01 00",
       [](const Q931::element& e) { EXPECT_FALSE(as<Q931::redirectingNumber>(e).hasPresentation); }},
      {"redirecting with octet 3b announced", "74 02 00 03",
       [](const Q931::element& e) {
         EXPECT_TRUE(as<Q931::redirectingNumber>(e).hasPresentation);
         EXPECT_EQ(as<Q931::redirectingNumber>(e).reason, -1);
       }},
      {"channel list without its last octet", "18 03 A9 83 03",
       [](const Q931::element& e) {
         EXPECT_EQ(list(as<Q931::channelIdentification>(e).channels), (std::vector<unsigned>{3}));
       }},
      {"channel list announced, not there", "18 02 A9 83",
       [](const Q931::element& e) { EXPECT_TRUE(as<Q931::channelIdentification>(e).channels.empty()); }},
      {"interface identifier announced, not there", "18 01 41",
       [](const Q931::element& e) { EXPECT_TRUE(as<Q931::channelIdentification>(e).interfaceIdentifier.empty()); }},
      {"interface identifier without its last octet", "18 02 41 05",
       [](const Q931::element& e) {
         EXPECT_EQ(as<Q931::channelIdentification>(e).interfaceIdentifier, (octets{0x05}));
       }},
      {"slot map cut short", "18 04 A9 93 FF FF",
       [](const Q931::element& e) { EXPECT_TRUE(as<Q931::channelIdentification>(e).channels.empty()); }},
      {"network identification longer than the content", "20 04 09 A1 31 32",
       [](const Q931::element& e) {
         auto& n = as<Q931::networkFacilities>(e);
         EXPECT_EQ(text(n.networkId), "1");
         EXPECT_EQ(n.networkIdLength, 2u);
         EXPECT_EQ(n.facility, 0x32);
       }},
      {"network identification without room for the facility", "20 02 09 A1",
       [](const Q931::element& e) {
         auto& n = as<Q931::networkFacilities>(e);
         EXPECT_EQ(text(n.networkId), "");
         EXPECT_EQ(n.networkIdLength, 1u);
         EXPECT_EQ(n.facility, 0);
       }},
      {"low layer groups announced, not there", "7C 03 08 C0 90",
       [](const Q931::element& e) { EXPECT_EQ(as<Q931::lowLayerCompatibility>(e).presence, 1u); }},
      {"low layer octet 5a announced", "7C 03 88 90 21",
       [](const Q931::element& e) { EXPECT_EQ(as<Q931::lowLayerCompatibility>(e).presence, 2u); }},
      {"high layer octet 4a announced", "7D 02 91 5E",
       [](const Q931::element& e) { EXPECT_EQ(as<Q931::highLayerCompatibility>(e).extendedCharacteristics, 0u); }},
      {"bearer multiplier announced", "04 02 88 18",
       [](const Q931::element& e) { EXPECT_EQ(as<Q931::bearerCapability>(e).rateMultiplier, 0u); }},
      {"transit delay: four groups", "42 0C 00 00 81 00 00 82 00 00 83 00 00 84",
       [](const Q931::element& e) {
         auto& d = as<Q931::endtoEndTransitDelay>(e);
         EXPECT_EQ(d.delayCount, 3u);
         EXPECT_EQ(d.maximumDelay, 3u);
       }},
      {"transit delay: a group and a half", "42 04 00 00 81 00",
       [](const Q931::element& e) { EXPECT_EQ(as<Q931::endtoEndTransitDelay>(e).delayCount, 1u); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Q931::message m;
    ASSERT_EQ(
        failureOf([&] { decodeMessage(m, std::string("08 02 00 01 05 ") + c.element + " 28 01 41 70 02 81 39"); }), "");
    ASSERT_EQ(m.elements.count(), 3u);
    c.check(*m.elements.first());
    orvo::listNode* second = m.elements.head()->next;
    auto* next = dynamic_cast<Q931::display*>(orvo::list<Q931::element>::element(second));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(text(next->text), "A");
    auto* last = dynamic_cast<Q931::calledPartyNumber*>(orvo::list<Q931::element>::element(second->next));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(text(last->digits), "9");
  }
}

TEST(elements, truncatedElementsThrowTheByteStreamException) {
  for (const char* wire : {"28", "28 02 41", "7E 00", "7E 00 03 05 00", "04 03 80 90", "18 05 A9"})
    EXPECT_EQ(failureOf([&] { decodeElement(wire); }), "Byte stream index out of bounds.") << wire;
}

TEST(elements, userUserOfLengthZeroIsMalformed) {
  EXPECT_EQ(failureOf([&] { decodeElement("7E 00 00"); }), "Byte stream index out of bounds.");
  Q931::message m;
  EXPECT_EQ(failureOf([&] { decodeMessage(m, "08 02 00 01 05 28 01 41 7E 00 00 05 20"); }),
            "Byte stream index out of bounds.");
  EXPECT_EQ(m.elements.count(), 1u) << "what was read before stays";
}

TEST(elements, userUserContentThatIsNotPerThrowsTheCodecsException) {
  std::string failure = failureOf([&] { decodeElement("7E 00 03 05 FF FF"); });
  EXPECT_NE(failure, "");
  EXPECT_NE(failure, "not an orvo::exception");
}

TEST(elements, bearerCapabilityLeavesAbsentOctetsOut) {
  struct {
    Q931::bearerCapability value;
    const char* wire;
  } cases[] = {
      {Q931::bearerCapability(8, 0, 16, Q931::bearerCapability::absent), "04 02 88 90"},
      {Q931::bearerCapability(0, 0, 16, 3), "04 03 80 90 A3"},
      {Q931::bearerCapability(8, 0, 24, 6, 5), "04 04 88 18 86 A5"},
      {Q931::bearerCapability(8, Q931::bearerCapability::absent, Q931::bearerCapability::absent,
                              Q931::bearerCapability::absent),
       "04 01 88"},
  };
  for (const auto& c : cases) EXPECT_EQ(encodeElement(c.value), c.wire);
}

TEST(elements, slotMapsLeaveChannelsOutsideOneTo32Out) {
  Q931::channelIdentification c = Q931::channelIdentification::primaryChannel(0);
  c.numberMap = 1;
  for (unsigned channel : {1u, 32u, 33u, 200u, 0xFFFFFFFFu}) c.channels.append(channel);
  EXPECT_EQ(encodeElement(c), "18 06 A9 93 80 00 00 01");
}

TEST(elements, builtChannelIdentifications) {
  EXPECT_EQ(encodeElement(Q931::channelIdentification::basicInterface(3)), "18 01 8B");
  EXPECT_EQ(encodeElement(Q931::channelIdentification::primaryChannel(23)), "18 03 A9 83 97");
  EXPECT_EQ(Q931::channelIdentification::primaryChannel(23).firstChannel(), 23u);
}

TEST(elements, builtPartyNumbers) {
  Q931::callingPartyNumber calling("5551234", 2, 1);
  calling = orvo::string("77");
  EXPECT_EQ(encodeElement(calling), "6C 03 A1 37 37");
  calling.hasPresentation = true;
  calling.presentationIndicator = 1;
  calling.screeningIndicator = 3;
  EXPECT_EQ(encodeElement(calling), "6C 04 21 A3 37 37");
  EXPECT_EQ(encodeElement(Q931::calledPartyNumber("123", 0, 1)), "70 04 81 31 32 33");
  Q931::redirectingNumber redirecting("1");
  redirecting.hasPresentation = true;
  redirecting.reason = 2;
  EXPECT_EQ(encodeElement(redirecting), "74 04 00 00 82 31");
  redirecting = orvo::string("9");
  EXPECT_EQ(encodeElement(redirecting), "74 02 80 39");
}

// Contents longer than the length field can say are refused before a
// single octet of the element is written.
TEST(elements, contentsTooLongForTheirLengthAreRefused) {
  orvo::string long255(std::string(255, '1').c_str());
  orvo::string long256(std::string(256, '1').c_str());
  orvo::string long254(std::string(254, '1').c_str());
  struct {
    const char* name;
    std::function<Q931::element*()> make;
    std::string failure;
  } cases[] = {
      {"display of 255", [&] { return new Q931::display(long255); }, ""},
      {"display of 256", [&] { return new Q931::display(long256); },
       "Q.931: Display content of 256 octets is longer than 255."},
      {"call identity",
       [&] {
         auto* e = new Q931::callIdentity;
         e->identity = long256;
         return e;
       },
       "Q.931: CallIdentity content of 256 octets is longer than 255."},
      {"keypad",
       [&] {
         auto* e = new Q931::keypadFacility;
         e->digits = long256;
         return e;
       },
       "Q.931: KeypadFacility content of 256 octets is longer than 255."},
      {"called digits of 254", [&] { return new Q931::calledPartyNumber(long254); }, ""},
      {"called digits of 255", [&] { return new Q931::calledPartyNumber(long255); },
       "Q.931: CalledPartyNumber content of 256 octets is longer than 255."},
      {"calling digits", [&] { return new Q931::callingPartyNumber(long255); },
       "Q.931: CallingPartyNumber content of 256 octets is longer than 255."},
      {"redirecting digits", [&] { return new Q931::redirectingNumber(long255); },
       "Q.931: RedirectingNumber content of 256 octets is longer than 255."},
      {"calling subaddress",
       [&] {
         auto* e = new Q931::callingPartySubAddress;
         e->information = long255;
         return e;
       },
       "Q.931: CallingPartySubAddress content of 256 octets is longer than 255."},
      {"called subaddress",
       [&] {
         auto* e = new Q931::calledPartySubAddress;
         e->information = long255;
         return e;
       },
       "Q.931: CalledPartySubAddress content of 256 octets is longer than 255."},
      {"network facilities",
       [&] {
         auto* e = new Q931::networkFacilities;
         e->networkIdLength = 1;
         e->networkId = long255;
         return e;
       },
       "Q.931: NetworkFacilities content of 256 octets is longer than 255."},
      {"network facilities of 253",
       [&] {
         auto* e = new Q931::networkFacilities;
         e->networkIdLength = 1;
         e->networkId = long254.left(252);
         return e;
       },
       ""},
      {"transit network",
       [&] {
         auto* e = new Q931::transitNetworkSelection;
         e->networkId = long255;
         return e;
       },
       "Q.931: TransitNetworkSelection content of 256 octets is longer than 255."},
      {"closed user group",
       [&] {
         auto* e = new Q931::closedUserGroup;
         e->indexCode = long255;
         return e;
       },
       "Q.931: ClosedUserGroup content of 256 octets is longer than 255."},
      {"interface identifier",
       [&] {
         auto* e = new Q931::channelIdentification;
         e->interfaceIdentifier.assign(255, 0x01);
         return e;
       },
       "Q.931: ChannelIdentification content of 256 octets is longer than 255."},
      {"raw element",
       [&] {
         auto* e = new Q931::notSupportedElement;
         e->id = 0x1C;
         e->content.assign(256, 0);
         return e;
       },
       "Q.931: Facility content of 256 octets is longer than 255."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<Q931::element> e(c.make());
    orvo::byteStream out(128);
    out.write("\x08", 1);
    EXPECT_EQ(failureOf([&] { e->encode(out); }), c.failure);
    if (!c.failure.empty()) {
      EXPECT_EQ(out.length(), 1u) << "nothing of the element was written";
    }
  }
}

TEST(elements, userUserContentOver65534OctetsIsRefused) {
  auto content = std::make_unique<H225::h323_UserInformation>(*userInformationSamples()[6].message);
  ASSERT_EQ(content->h323_uu_pdu.h323_message_body.index(), bodyKind::facility);
  // Aliases of 255 BMP characters in a root component: 511 octets each.
  H225::facility_UUIE& body = *static_cast<H225::facility_UUIE*>(content->h323_uu_pdu.h323_message_body.alternative());
  delete body.alternativeAliasAddress;
  body.alternativeAliasAddress = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  std::string name(255, 'n');
  for (int i = 0; i < 129; ++i) parts::appendH323Id(*body.alternativeAliasAddress, name.c_str());
  Q931::userUser element(content.release());
  orvo::byteStream out(128);
  std::string failure = failureOf([&] { element.encode(out); });
  EXPECT_EQ(failure.substr(0, 27), "Q.931: UserUser content of ") << failure;
  EXPECT_EQ(failure.substr(failure.size() - 29), " octets is longer than 65534.") << failure;
  EXPECT_EQ(out.length(), 0u);
  // A few aliases less fit.
  for (int i = 0; i < 4; ++i)
    body.alternativeAliasAddress->elements().remove(body.alternativeAliasAddress->elements().head(), 1);
  EXPECT_EQ(failureOf([&] { element.encode(out); }), "");
  EXPECT_GT(out.length(), 60000u);
}

TEST(elements, userUserFromContent) {
  Q931::userUser empty;
  EXPECT_EQ(encodeElement(empty), "7E 00 01 00");
  auto content = std::make_unique<H225::h323_UserInformation>(*userInformationSamples()[5].message);
  Q931::userUser built(content.release());
  EXPECT_EQ(encodeElement(built), userUserOf(*userInformationSamples()[5].message));
}
