// Names and definitions looked up by values taken from the wire.
#include <orvoTesting.h>
#include <radius/Dictionary.h>

using namespace RADIUS;

TEST(Dictionary, AttributeNames) {
  EXPECT_EQ("User-Name", toStd(AttributeName(1)));
  EXPECT_EQ("ReplyMessage", toStd(AttributeName(18)));
  EXPECT_EQ("(Reserved)", toStd(AttributeName(21)));
  EXPECT_EQ("Vendor-Specific", toStd(AttributeName(26)));
  EXPECT_EQ("Called-StationId", toStd(AttributeName(30)));
  EXPECT_EQ("Acct-Status-Type", toStd(AttributeName(40)));
  EXPECT_EQ("Acct-Link-Count", toStd(AttributeName(51)));
  EXPECT_EQ("CHAP-Challenge", toStd(AttributeName(60)));
  EXPECT_EQ("Login-LAT-Port", toStd(AttributeName(63)));
}

TEST(Dictionary, UnnamedAttributeTypesAreReserved) {
  EXPECT_EQ("Reserved (0)", toStd(AttributeName(0)));
  EXPECT_EQ("Reserved (17)", toStd(AttributeName(17)));
  EXPECT_EQ("Reserved (52)", toStd(AttributeName(52)));
  EXPECT_EQ("Reserved (59)", toStd(AttributeName(59)));
  EXPECT_EQ("Reserved (64)", toStd(AttributeName(64)));
  EXPECT_EQ("Reserved (200)", toStd(AttributeName(200)));
  EXPECT_EQ("Reserved (255)", toStd(AttributeName(255)));
  EXPECT_EQ("Reserved (4294967295)", toStd(AttributeName(0xFFFFFFFF)));
}

TEST(Dictionary, PacketCodeNames) {
  EXPECT_EQ("Access-Request", toStd(PacketCodeName(1)));
  EXPECT_EQ("Access-Accept", toStd(PacketCodeName(2)));
  EXPECT_EQ("Access-Reject", toStd(PacketCodeName(3)));
  EXPECT_EQ("Accounting-Request", toStd(PacketCodeName(4)));
  EXPECT_EQ("Accounting-Response", toStd(PacketCodeName(5)));
  EXPECT_EQ("Access-Challenge", toStd(PacketCodeName(11)));
  EXPECT_EQ("Status-Server", toStd(PacketCodeName(12)));
  EXPECT_EQ("Status-Client", toStd(PacketCodeName(13)));
  EXPECT_EQ("Reserved (0)", toStd(PacketCodeName(0)));
  EXPECT_EQ("Reserved (6)", toStd(PacketCodeName(6)));
  EXPECT_EQ("Reserved (10)", toStd(PacketCodeName(10)));
  EXPECT_EQ("Reserved (14)", toStd(PacketCodeName(14)));
  EXPECT_EQ("Reserved (20)", toStd(PacketCodeName(20)));
  EXPECT_EQ("Reserved (255)", toStd(PacketCodeName(255)));
}

TEST(Dictionary, DefinitionsDriveDecoding) {
  const TAttributeDefinition* password = FindAttributeDefinition(2);
  ASSERT_NE(nullptr, password);
  EXPECT_STREQ("User-Password", password->Name);
  EXPECT_EQ(akOctets, password->Kind);
  EXPECT_EQ(16u, password->MinLength);
  EXPECT_EQ(128u, password->MaxLength);

  const TAttributeDefinition* vendor = FindAttributeDefinition(26);
  ASSERT_NE(nullptr, vendor);
  EXPECT_EQ(akVendorSpecific, vendor->Kind);
  EXPECT_EQ(7u, vendor->MinLength);
  EXPECT_EQ(0u, vendor->MaxLength);

  const TAttributeDefinition* replyMessage = FindAttributeDefinition(18);
  ASSERT_NE(nullptr, replyMessage);
  EXPECT_EQ(akText, replyMessage->Kind);

  unsigned defined = 0;
  for (unsigned type = 0; type < 300; ++type)
    if (FindAttributeDefinition(type)) ++defined;
  EXPECT_EQ(41u, defined);
  for (unsigned type : {0u, 17u, 21u, 40u, 45u, 59u, 64u, 255u})
    EXPECT_EQ(nullptr, FindAttributeDefinition(type)) << type;
}

TEST(Dictionary, IntegerValueNamesAreRangeChecked) {
  EXPECT_STREQ("Authenticate only", IntegerValueName(atServiceType, 8));
  EXPECT_STREQ("Accounting on", IntegerValueName(atAcctStatusType, 7));
  EXPECT_STREQ("Local", IntegerValueName(atAcctAuthentic, 2));
  EXPECT_EQ(nullptr, IntegerValueName(atServiceType, 12));
  EXPECT_EQ(nullptr, IntegerValueName(atAcctStatusType, 5));
  EXPECT_EQ(nullptr, IntegerValueName(atAcctStatusType, 0x80000000u));
  EXPECT_EQ(nullptr, IntegerValueName(atAcctAuthentic, 4));
  EXPECT_EQ(nullptr, IntegerValueName(atSessionTimeout, 1));
}

TEST(Dictionary, VendorNames) {
  EXPECT_STREQ("Cisco", VendorName(9));
  EXPECT_STREQ("Microsoft", VendorName(311));
  EXPECT_STREQ("Indus River Networks", VendorName(3328));
  EXPECT_STREQ("Generic RADIUS", VendorName(0));
  EXPECT_EQ(nullptr, VendorName(10));
  EXPECT_EQ(nullptr, VendorName(0xFFFFFFFF));
}
