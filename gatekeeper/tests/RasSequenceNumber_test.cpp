// The requestSeqNum of every RAS message kind, and of messages this version
// cannot read.
#include <gatekeeper/RasSequenceNumber.h>

#include <gtest/gtest.h>

#include <asn/perCodec.h>

TEST(RasSequenceNumber, EveryKindReadsAndWritesItsOwnField) {
  // Each kind's field, written through its class and read back through the
  // helpers; the value depends on the kind so that a shifted table shows.
  for (int kind = 0; kind < 32; ++kind) {
    H225::rasMessage message;
    message.select(kind);
    EXPECT_EQ(0u, GetRasSequenceNumber(message)) << kind;
    SetRasSequenceNumber(message, 1000u + unsigned(kind));
    EXPECT_EQ(1000u + unsigned(kind), GetRasSequenceNumber(message)) << kind;
  }
  // Spot checks against the fields themselves.
  H225::rasMessage irr;
  static_cast<H225::infoRequestResponse*>(irr.select(22))->requestSeqNum = 300;
  EXPECT_EQ(300u, GetRasSequenceNumber(irr));
  H225::rasMessage scr;
  SetRasSequenceNumber(scr, 5);
  static_cast<H225::serviceControlResponse*>(scr.select(31))->requestSeqNum = 65535;
  EXPECT_EQ(65535u, GetRasSequenceNumber(scr));
  H225::rasMessage grq;
  SetRasSequenceNumber(grq, 0);
  auto* request = static_cast<H225::gatekeeperRequest*>(grq.select(0));
  SetRasSequenceNumber(grq, 77);
  EXPECT_EQ(77u, request->requestSeqNum.value());
}

TEST(RasSequenceNumber, NoKindOrAnUnknownKindGivesOne) {
  H225::rasMessage empty;
  EXPECT_EQ(1u, GetRasSequenceNumber(empty));
  SetRasSequenceNumber(empty, 9);
  EXPECT_EQ(-1, empty.index());

  // Extension alternative 15 of a later version (index 40): extension bit,
  // normally small number 0 001111, then the open type of length 2.
  const unsigned char later[] = {0x8f, 0x02, 0x12, 0x34};
  asn::per::codec codec(later, sizeof later);
  H225::rasMessage unknown;
  unknown.decode(codec);
  ASSERT_EQ(40, unknown.index());
  EXPECT_EQ(1u, GetRasSequenceNumber(unknown));
  SetRasSequenceNumber(unknown, 9);
  EXPECT_EQ(1u, GetRasSequenceNumber(unknown));
}
