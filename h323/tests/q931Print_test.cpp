// The trace texts of messages and elements, worked out by hand from the
// system's vocabulary, misspellings included: operators grep for them.
#include <gtest/gtest.h>

#include <sstream>

#include <asn/textCodec.h>
#include <h323/q931/elements.h>
#include <h323/q931/message.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "userInformationSamples.h"

using namespace q931Testing;

namespace {

std::string printed(const Q931::message& m) {
  std::ostringstream out;
  m.print(out);
  return out.str();
}

std::string printedElement(const std::string& hex) {
  // Single-octet elements come out of a message; the others decode alone.
  Q931::message m;
  decodeMessage(m, "08 00 05 " + hex);
  EXPECT_EQ(m.elements.count(), 1u) << hex;
  std::ostringstream out;
  if (m.elements.first()) m.elements.first()->print(out);
  return out.str();
}

const std::string blanks19(19, ' ');
const std::string blanks23(23, ' ');

}  // namespace

TEST(trace, setupWithItsUsualElements) {
  Q931::message m;
  decodeMessage(m,
                "08 02 00 2A 05 04 03 80 90 A3 28 05 41 6C 69 63 65 6C 06 01 80 31 32 33 34 "
                "70 05 81 35 36 37 38 7E 00 01 05");
  EXPECT_EQ(printed(m),
            "Type: Setup(0x5)\n"
            "ProtocolDiscriminator : 8\n"
            "Call Reference: length (in octets): 2, value (in hex): 00 2A , flag: 0 - origination side\n"
            "Contains 5 elements\n"
            "[BearerCapability] (0x4)\n"
            "  Transfer capability: Speech (0x0)\n"
            "  Transfer Mode: Circuit (0x0)\n"
            "  Transfer Rate: r64k (0x10)\n"
            "  Layer 1 Protocol: G711ALaw (0x3)\n"
            "[Display] (0x28)\n"
            "  'Alice'\n"
            "[CallingPartyNumber] (0x6c)\n"
            "  Number Type: Unknown (0x0)\n"
            "  Numbering Plan: ISDN E.164 (0x1)\n"
            "  Presentaion Indicator: Allowed (0x0)\n"
            "  Screening Indicator: User-provided, not screening (0x0)\n"
            "  Number '1234'\n"
            "[CalledPartyNumber] (0x70)\n"
            "  Number Type: Unknown (0x0)\n"
            "  Numbering Plan: ISDN E.164 (0x1)\n"
            "  Number '5678'\n"
            "[UserUser] (0x7e)\n"
            "Protocol Discriminator: 5\n");
}

TEST(trace, releaseCompleteWithCause16) {
  Q931::message m;
  decodeMessage(m, "08 02 80 2A 5A 08 02 80 90");
  EXPECT_EQ(printed(m),
            "Type: ReleaseComplete(0x5a)\n"
            "ProtocolDiscriminator : 8\n"
            "Call Reference: length (in octets): 2, value (in hex): 00 2A , flag: 1 - destination side\n"
            "Contains 1 elements\n"
            "[Cause] (0x8)\n"
            "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
            "  Location: user (0x0)\n"
            "  Recommendation: Q.931 (0x0)\n"
            "  Value: Normal call clearing (16)\n");
}

TEST(trace, userUserContentIsDumpedUnderItsName) {
  std::vector<userInformationSample> samples = userInformationSamples();
  const H225::h323_UserInformation& content = *samples[bodyKind::releaseComplete].message;
  Q931::userUser element(new H225::h323_UserInformation(content));
  std::ostringstream expected;
  expected << "[UserUser] (0x7e)\nProtocol Discriminator: 5\n";
  asn::text::codec(expected, 2).print("User-User", content);
  expected << '\n';
  std::ostringstream out;
  element.print(out);
  EXPECT_EQ(out.str(), expected.str());
  EXPECT_EQ(out.str().substr(0, 52), "[UserUser] (0x7e)\nProtocol Discriminator: 5\nUser-Use");
}

TEST(trace, everyElementClass) {
  struct {
    const char* wire;
    std::string text;
  } cases[] = {
      {"A0", "[MoreData]\n"},
      {"A1", "[SendingComplete]\n"},
      {"B0", "[CongestionLevel]\n  Level: Receiver ready (0)\n"},
      {"BF", "[CongestionLevel]\n  Level: Receiver not ready (15)\n"},
      {"B3", "[CongestionLevel]\n  Level: Dont known (3)\n"},
      {"D2", "[RepeatIndicator]\n  Indication: Prioritized list for selecting one possibility (2)\n"},
      {"D5", "[RepeatIndicator]\n  Indication: Dont known (5)\n"},
      {"00 02 81 05", "[Segmented] (0x0)\nFirst segment, 1 remaining of type Setup (0x5)\n"},
      {"00 02 02 62", "[Segmented] (0x0)\nSubsequent segment, 2 remaining of type Facility (0x62)\n"},
      {"04 04 88 18 86 A5",
       "[BearerCapability] (0x4)\n"
       "  Transfer capability: Unrestricted Digital (0x8)\n"
       "  Transfer Mode: Circuit (0x0)\n"
       "  Transfer Rate: Multirate (0x18)\n"
       "  Rate Multiplier:6\n"
       "  Layer 1 Protocol: H221H242 (0x5)\n"},
      {"04 02 91 D3",
       "[BearerCapability] (0x4)\n"
       "  Transfer capability: Unrestricted Tones (0x11)\n"
       "  Transfer Mode: Packet (0x2)\n"
       "  Transfer Rate: r384k (0x13)\n"
       "  Layer 1 Protocol: Not Present (0xff)\n"},
      {"04 02 83 87",
       "[BearerCapability] (0x4)\n"
       "  Transfer capability: Dont known (0x3)\n"
       "  Transfer Mode: Circuit (0x0)\n"
       "  Transfer Rate: Dont known (0x7)\n"
       "  Layer 1 Protocol: Not Present (0xff)\n"},
      {"08 02 87 89",
       "[Cause] (0x8)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Location: international network (0x7)\n"
       "  Recommendation: Q.931 (0x0)\n"
       "  Value: Preemption \x96 circuit reserved for reuse (9)\n"},
      {"08 03 04 85 9F",
       "[Cause] (0x8)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Location: public network serving the remote user (0x4)\n"
       "  Recommendation: public land mobile networks, Q.1031/Q.1051 (0x5)\n"
       "  Value: Normal, unspecified (31)\n"},
      {"08 02 8A E2",
       "[Cause] (0x8)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Location: network beyond interworking point (0xa)\n"
       "  Recommendation: Q.931 (0x0)\n"
       "  Value: Message not compatible with call state or message type non- existent or not implemented (98)\n"},
      {"08 02 E8 90",
       "[Cause] (0x8)\n"
       "  Coding Standard: standard specific to identified location (0x3)\n"
       "  Location: Dont known (0x8)\n"
       "  Recommendation: Q.931 (0x0)\n"
       "  Value: Dont known (0)\n"},
      {"08 02 A1 FF",
       "[Cause] (0x8)\n"
       "  Coding Standard: ISO/IEC standard (see Note) (0x1)\n"
       "  Location: private network serving the local user (0x1)\n"
       "  Recommendation: Q.931 (0x0)\n"
       "  Value: Dont known (0)\n"},
      {"10 03 41 42 43", "[CallIdentity] (0x10)\n 'ABC'\n"},
      {"14 01 00",
       "[CallState] (0x14)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  State: U0  - Null (0x0)\n"},
      {"14 01 8A",
       "[CallState] (0x14)\n"
       "  Coding Standard: national standard (0x2)\n"
       "  State: U10 - Active (0xa)\n"},
      {"14 01 05",
       "[CallState] (0x14)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  State: Unknown (0x5)\n"},
      {"18 01 89",
       "[ChannelIdentification] (0x18)\n  BRI: channel(B1) - Exclusive\n  Interface identifier is not present\n"},
      {"18 01 83",
       "[ChannelIdentification] (0x18)\n  BRI: channel(Any) - Preferred\n  Interface identifier is not present\n"},
      {"18 04 A1 83 03 91",
       "[ChannelIdentification] (0x18)\n"
       "  PRI: channel(Specified as) - Preferred\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Channel type: B-channel units\n"
       "  Channels: 3, 17\n"
       "  Interface identifier is not present\n"},
      {"18 05 61 05 86 89 81",
       "[ChannelIdentification] (0x18)\n"
       "  PRI: channel(Specified as) - Preferred\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Channel type: H12-channel units\n"
       "  Channels: 1\n"
       "  Interface identifier 2 bytes: 05 86\n"},
      {"18 01 AB",
       "[ChannelIdentification] (0x18)\n  PRI: channel(Any) - Exclusive\n  Interface identifier is not present\n"},
      {"1C 03 91 A1 02",
       "[Facility] (0x1c)\n"
       "  --- [dump (in hex), 3 octets length] ---\n"
       "  0000: 91 A1 02                                             ...\n"},
      {"1E 02 8A 88",
       "[ProgressIndicator] (0x1e)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Location: network beyond interworking point (0xa)\n"
       "  Description: In-band information or an appropriate pattern is now available (0x8)\n"},
      {"1E 02 87 81",
       "[ProgressIndicator] (0x1e)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Location: Dont known (0x7)\n"
       "  Description: Call is not end-to-end ISDN (0x1)\n"},
      {"20 02 00 A5", "[NetworkFacilities] (0x20)\n  Specific: 0xa5\n"},
      {"20 05 03 A1 31 32 55",
       "[NetworkFacilities] (0x20)\n"
       "  Specific: 0x55\n"
       "  Network identification:\n"
       "    type: National network identification (0x2)\n"
       "    plan: Carrier Identification Code (0x1)\n"
       "    length(2) dump in hex:\n"
       "      0000: 31 32                                                12\n"},
      {"27 01 F1", "[NotificationIndicator] (0x27)\n  Data: 0xf1\n"},
      {"28 00", "[Display] (0x28)\n  ''\n"},
      {"2C 02 31 23", "[KeypadFacility] (0x2c)\n '1#'\n"},
      {"34 01 01", "[Signal] (0x34)\n  Value: Ring back tone on (0x1)\n"},
      {"34 01 47", "[Signal] (0x34)\n  Value: Alerting on - pattern 7 (0x47)\n"},
      {"34 01 3F", "[Signal] (0x34)\n  Value: Tones off (0x3f)\n"},
      {"34 01 BF", "[Signal] (0x34)\n  Value: Dont known (0xbf)\n"},
      {"40 04 83 84 85 8E",
       "[InformationRate] (0x40)\n"
       "  Incoming: 75 kbit (0x3)\n"
       "  Outgoing: 150 kbit (0x4)\n"
       "  Min Incoming: 300 kbit (0x5)\n"
       "  Min Outgoing: Reserved (0xe)\n"},
      {"40 04 8D 8C 90 FF",
       "[InformationRate] (0x40)\n"
       "  Incoming: 64000 kbit (0xd)\n"
       "  Outgoing: 48000 kbit (0xc)\n"
       "  Min Incoming: Dont known (0x10)\n"
       "  Min Outgoing: Dont known (0x7f)\n"},
      {"42 09 00 00 81 00 01 80 03 7F FF",
       "[EndtoEndTransitDelay] (0x42)\n  cumulative: 1  ms\n  end to end: 128  ms\n  maximum: 65535  ms\n"},
      {"42 06 00 00 81 00 00 82", "[EndtoEndTransitDelay] (0x42)\n  cumulative: 1  ms\n  end to end: 2  ms\n"},
      {"42 03 01 02 83", "[EndtoEndTransitDelay] (0x42)\n  cumulative: 16643  ms\n"},
      {"43 03 00 07 E8", "[TransitDelaySelInd] (0x43)\n  1000 ms\n"},
      {"44 01 9F",
       "[PacketLayerBinaryParameters] (0x44)\n"
       "  Fast Select: Fast select requested with restriction of response (0x3)\n"
       "  Expedited data: Request indicated/request accepted\n"
       "  Delivery: End to end confirmation\n"
       "  Modulus: Modulus 128 sequencing\n"},
      {"44 01 90",
       "[PacketLayerBinaryParameters] (0x44)\n"
       "  Fast Select: Fast select requested with no restriction of response (0x2)\n"
       "  Expedited data: No request/request denied\n"
       "  Delivery: Link by link confirmation\n"
       "  Modulus: Modulus 8 sequencing\n"},
      {"44 01 88",
       "[PacketLayerBinaryParameters] (0x44)\n"
       "  Fast Select: Fast select not requested (0x1)\n"
       "  Expedited data: No request/request denied\n"
       "  Delivery: Link by link confirmation\n"
       "  Modulus: Modulus 8 sequencing\n"},
      {"45 02 82 83", "[PacketLayerWindowSize] (0x45)\n  forward: 2\n  backward: 3\n"},
      {"46 01 87", "[PacketSize] (0x46)\n  forward: 7\n  backward: default\n"},
      {"47 03 81 30 31",
       "[ClosedUserGroup] (0x47)\n"
       "  CUG indication: Closed user group selection (0x1)\n"
       "  CUG index code: [dump (in hex), 2 octets length]\n"
       "    0000: 30 31                                                01\n"},
      {"47 01 82",
       "[ClosedUserGroup] (0x47)\n"
       "  CUG indication: Closed user group with outgoing access selection and indication (0x2)\n"
       "  CUG index code: [dump (in hex), 0 octets length]\n"},
      {"4A 01 81", "[ReverseChargeIndication] (0x4a)\n  Reverse charging indication: Requested\n"},
      {"4A 01 82", "[ReverseChargeIndication] (0x4a)\n  Reverse charging indication: Dont known (0x2)\n"},
      {"6C 04 21 A3 35 36",
       "[CallingPartyNumber] (0x6c)\n"
       "  Number Type: National (0x2)\n"
       "  Numbering Plan: ISDN E.164 (0x1)\n"
       "  Presentaion Indicator: Restricted (0x1)\n"
       "  Screening Indicator: Network provied (0x3)\n"
       "  Number '56'\n"},
      {"6C 03 D8 37 38",
       "[CallingPartyNumber] (0x6c)\n"
       "  Number Type: Dont known (0x5)\n"
       "  Numbering Plan: National (0x8)\n"
       "  Number '78'\n"},
      {"6D 03 A0 50 51",
       "[CallingPartySubAddress] (0x6d)\n"
       "  Number Type: User specified (0x2)\n"
       "  Odd/Even Indicator: 0\n"
       "  Inforamtion: --- [dump (in hex), 2 octets length] ---\n"
       "    0000: 50 51                                                PQ\n"},
      {"70 04 C9 31 32 33",
       "[CalledPartyNumber] (0x70)\n"
       "  Number Type: Subscriber (0x4)\n"
       "  Numbering Plan: Private (0x9)\n"
       "  Number '123'\n"},
      {"70 02 F2 39",
       "[CalledPartyNumber] (0x70)\n"
       "  Number Type: Reserved (0x7)\n"
       "  Numbering Plan: Dont known (0x2)\n"
       "  Number '9'\n"},
      {"71 01 88",
       "[CalledPartySubAddress] (0x71)\n"
       "  Number Type: NSAP (CCITT Rec X.213/ISO 8348 AD2 (0x0)\n"
       "  Odd/Even Indicator: 1\n"
       "  Inforamtion: is empty\n"},
      {"74 05 00 03 8F 31 32",
       "[RedirectingNumber] (0x74)\n"
       "  Number Type: Unknown (0x0)\n"
       "  Numbering Plan: Unknown (0x0)\n"
       "  Presentaion Indicator: Allowed (0x0)\n"
       "  Screening Indicator: Network provied (0x3)\n"
       "  Number '12'\n"
       "  Reason: Call forwarding uncnonditional or systematic call redirection (0xf)\n"},
      {"74 03 14 C2 35",
       "[RedirectingNumber] (0x74)\n"
       "  Number Type: International (0x1)\n"
       "  Numbering Plan: Telex F.29 (0x4)\n"
       "  Presentaion Indicator: Number not Available (0x2)\n"
       "  Screening Indicator: User-provided, verified and failed (0x2)\n"
       "  Number '5'\n"},
      {"74 02 BF 36",
       "[RedirectingNumber] (0x74)\n"
       "  Number Type: Network (0x3)\n"
       "  Numbering Plan: Reserved (0xf)\n"
       "  Number '6'\n"},
      {"78 04 B3 31 32 33",
       "[TransitNetworkSelection] (0x78)\n"
       "  Network identification:\n"
       "    type: International network identification (0x3)\n"
       "    plan: Data network identification code (Recommendation X.121) (0x3)\n"
       "    length(3) dump in hex:\n"
       "      0000: 31 32 33                                             123\n"},
      {"79 01 87", "[RestartIndicator] (0x79)\n  Class: AllInterfaces (0x7)\n"},
      {"79 01 86", "[RestartIndicator] (0x79)\n  Class: SingleInterface (0x6)\n"},
      {"79 01 82", "[RestartIndicator] (0x79)\n  Class: Invalid (0x2)\n"},
      {"7D 02 91 81",
       "[HighLayerCompatibility] (0x7d)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Interpretation: First (primary or only) high layer characteristics (4)\n"
       "  Presentation method: High layer protocol profile (1)\n"
       "  Characteristics: Telephony (0x1)\n"},
      {"7D 03 B1 24 A4",
       "[HighLayerCompatibility] (0x7d)\n"
       "  Coding Standard: ISO/IEC standard (0x1)\n"
       "  Interpretation: First (primary or only) high layer characteristics (4)\n"
       "  Presentation method: High layer protocol profile (1)\n"
       "  Characteristics: Teletex service, basic and mixed operation's mode\n" +
           blanks19 + "(Recommendation F.230) and Facsimile service\n" + blanks19 +
           "Group 4, Classes II and III (Recommendation F.184) (0x24)\n"
           "  Ex. Characteristics: Teletex service, basic and mixed operation's mode\n" +
           blanks23 + "(Recommendation F.230) and Facsimile service\n" + blanks23 +
           "Group 4, Classes II and III (Recommendation F.184) (0x24)\n"},
      {"7D 03 EA 5E DF",
       "[HighLayerCompatibility] (0x7d)\n"
       "  Coding Standard: standard defined for network present on the network side of the interface (0x3)\n"
       "  Interpretation: Dont known (2 )\n"
       "  Presentation method: Dont known (2 )\n"
       "  Ex. Characteristics: Not available for assigment (0x5f)\n"},
      {"7D 03 D1 5E B3",
       "[HighLayerCompatibility] (0x7d)\n"
       "  Coding Standard: national standard (0x2)\n"
       "  Interpretation: First (primary or only) high layer characteristics (4)\n"
       "  Presentation method: High layer protocol profile (1)\n"
       "  Characteristics: Reserved for maintance (0x5e)\n"
       "  Ex. Characteristics: International Videotex internetworking via gateways\n" +
           blanks23 + "or internetworking units (Recommendation F.300 & T.101) (0x33)\n"},
      {"7D 02 91 DF",
       "[HighLayerCompatibility] (0x7d)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Interpretation: First (primary or only) high layer characteristics (4)\n"
       "  Presentation method: High layer protocol profile (1)\n"
       "  Characteristics: Reserved for management (0x5f)\n"},
      {"7C 0B 08 C0 90 21 0F B0 C2 66 40 07 82",
       "[LowLayerCompatibility] (0x7c)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Information transfer capability: Unrestricted digital information (0x8)\n"
       "  Negotiation indicator: Out-band negotiation possible\n"
       "  Transfer mode: Circuit (0x0)\n"
       "  Information transfer rate: 64 kbit/s (0x10)\n"
       "  Layer 1 Protocol: V110orX30 (0x1)\n"
       "    Synchronous/Asynchronous: Synchronous\n"
       "    Negotiation indicator: In-band negotiation not possible\n"
       "    User rate: 56 kbit/s Recommendation V.6 (0xf)\n"
       "    Intermediate rate: 8 kbit/s (0x1)\n"
       "    Network independent clock (NIC) on transmition (Tx): Required\n"
       "    Network independent clock (NIC) on reception (Rx): Cannot accept\n"
       "    Flow control on transmition (Tx): Not required\n"
       "    Flow control on reception (Rx): Cannot accept\n"
       "  Layer 2 Protocol: Recommendation Q.921 (I.441) (0x2)\n"
       "  Layer 3 Protocol: Recommendation X.25, packet layer (0x6)\n"
       "    Mode of operation: Extended mode of operation (0x2)\n"
       "    Default packet size: 128 octets (0x7)\n"
       "    Packet window size: 2\n"},
      {"7C 07 88 90 21 4B 02 55 9C",
       "[LowLayerCompatibility] (0x7c)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Information transfer capability: Unrestricted digital information (0x8)\n"
       "  Transfer mode: Circuit (0x0)\n"
       "  Information transfer rate: 64 kbit/s (0x10)\n"
       "  Layer 1 Protocol: V110orX30 (0x1)\n"
       "    Synchronous/Asynchronous: Asynchronous\n"
       "    Negotiation indicator: In-band negotiation not possible\n"
       "    User rate: 19.2 kbit/s Recommendation V.6 (0xb)\n"
       "    Intermediate rate: Not used (0x0)\n"
       "    Network independent clock (NIC) on transmition (Tx): Not required\n"
       "    Network independent clock (NIC) on reception (Rx): Cannot accept\n"
       "    Flow control on transmition (Tx): Not required\n"
       "    Flow control on reception (Rx): Can accept\n"
       "    Number of stop bits: 1.5 bits (0x2)\n"
       "    Number of data bits: 7 bits (0x2)\n"
       "    Parity: Forced to 1 (0x5)\n"
       "    Duplex mode: Half duplex\n"
       "    Modem type: Recommendation V.32 (0x1c)\n"},
      {"7C 08 91 98 84 28 7F 83 50 FF",
       "[LowLayerCompatibility] (0x7c)\n"
       "  Coding Standard: CCITT standardized coding, as described below (0x0)\n"
       "  Information transfer capability: Unrestricted digital information with tones/announcements (0x11)\n"
       "  Transfer mode: Circuit (0x0)\n"
       "  Information transfer rate: Multirate (64 kbit/s base rate) (0x18)\n"
       "  Rate multiplier: 4\n"
       "  Layer 1 Protocol: V120 (0x8)\n"
       "    Synchronous/Asynchronous: Asynchronous\n"
       "    Negotiation indicator: In-band negotiation possible\n"
       "    User rate: 12 kbit/s Recommendation V.6 and X.1 (0x1f)\n"
       "    Rate adaption header: Not included\n"
       "    Multiple frame establishment: Not supported\n"
       "    Mode of operation: Bit transparent mode of operation\n"
       "    Logical link identifier negotiation: Default, LLI = 256 only\n"
       "    Assignor/Assignee: default assignee\n"
       "    In-band/out-band negotiation: Is done in-band using logical link zero\n"
       "  Layer 2 Protocol: User specified (0x10)\n"
       "    User specified: 127\n"},
      {"7E 00 01 05", "[UserUser] (0x7e)\nProtocol Discriminator: 5\n"},
      {"7F 00", "[EscapeExtension] (0x7f)\n"},
      {"3A 00", "[Not Supported] (0x3a)\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(printedElement(c.wire), c.text) << c.wire;
}

TEST(trace, dateTimeInTheFormOfTheLocale) {
  EXPECT_EQ(printedElement("29 06 7A 0C 07 0B 0C 0D"), "[DateTime] (0x29)\n  07/12/2022 11:12:13\n");
}

TEST(trace, aBuiltNotSupportedElementPrintsItsHeaderAlone) {
  std::ostringstream out;
  Q931::notSupportedElement().print(out);
  EXPECT_EQ(out.str(), "[NotSpecified] (0xffff)\n");
}

TEST(trace, theStreamIsLeftInDecimal) {
  Q931::message m;
  decodeMessage(m, "08 02 00 2A 5A 08 02 8A 90 1E 02 80 88 34 01 47 27 01 F1");
  std::ostringstream out;
  m.print(out);
  out << 255;
  std::string text = out.str();
  EXPECT_EQ(text.substr(text.size() - 3), "255");
}

// The texts a peer chose: control octets escaped, the backslash doubled,
// Latin-1 kept; the element's own line ends stay.
TEST(trace, receivedTextsEscaped) {
  const struct {
    const char* wire;
    std::string text;
  } cases[] = {
      {"28 0B 0A 5B 45 5D 20 46 6F 72 67 65 64",
       "[Display] (0x28)\n  '\\x0A[E] Forged'\n"},
      {"28 04 41 00 5C E9", "[Display] (0x28)\n  'A\\x00\\\\\xE9'\n"},
      {"2C 03 31 0D 9B", "[KeypadFacility] (0x2c)\n '1\\x0D\\x9B'\n"},
      {"10 02 7F 41", "[CallIdentity] (0x10)\n '\\x7FA'\n"},
      {"70 04 81 31 0A 32", "[CalledPartyNumber] (0x70)\n"
                            "  Number Type: Unknown (0x0)\n"
                            "  Numbering Plan: ISDN E.164 (0x1)\n"
                            "  Number '1\\x0A2'\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(printedElement(c.wire), c.text) << c.wire;
}
