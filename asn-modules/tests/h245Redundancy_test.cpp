// MaxRedundancy, INTEGER (1..MAX), inside a capability set: the offset from
// 1 in the fewest octets behind a length (X.691 12.2.3), octets worked out by
// hand from X.691 and the H.245 module.
#include <gtest/gtest.h>

#include <asn/perCodec.h>
#include <h245/h245.h>

#include "h245Samples.h"
#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

// request (0 00), terminalCapabilitySet (0 0010); no extension, only the
// table present (0 010), pad; sequence number 1; the protocol { 0 0 8 245 0 7 };
// one entry (00): capability present (1), pad, entry number 2 (00 01); an
// extension alternative (1) of index 26 - 12 (0 001110); its open type follows.
const char* const prefix = "02 20 01 06 00 08 81 75 00 07 00 80 00 01 8e ";

std::vector<unsigned char> octetsOf(const std::string& hex) {
  std::vector<unsigned char> out;
  for (size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return out;
}

}  // namespace

// The FEC capability: no extension, rfc2733Format present (0 01), pad,
// protected entry 1 (00 00), the format's two bits, pad, then MaxRedundancy.
TEST(maxRedundancy, offsetFromOneBehindALength) {
  struct {
    int format;  // 0 rfc2733rfc2198, 1 rfc2733sameport, 2 rfc2733diffport
    uint32_t value;
    const char* openType;
  } const cases[] = {
      {0, 1, "06 20 00 00 00 01 00"},           {1, 3, "06 20 00 00 40 01 02"},
      {2, 256, "06 20 00 00 80 01 ff"},         {2, 257, "07 20 00 00 80 02 01 00"},
      {1, 65537, "08 20 00 00 40 03 01 00 00"}, {0, 4294967295u, "09 20 00 00 00 04 ff ff ff fe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    auto message = fecCapabilitySet(c.format, c.value);
    std::string expected = std::string(prefix) + c.openType;
    EXPECT_EQ(perHex(*message), expected);
    H245::multimediaSystemControlMessage back;
    perDecode(back, octetsOf(expected));
    EXPECT_TRUE(back.isEqual(*message));
  }
}

TEST(maxRedundancy, zeroIsRefusedOnEncodeAndAnEmptyNumberOnDecode) {
  auto message = fecCapabilitySet(1, 0);
  ORVO_EXPECT_THROW(perOctets(*message), asn::per::codec::encodeConstrainedCheckFailed,
                    "Encode integer constraint check failed.");
  H245::multimediaSystemControlMessage back;
  ORVO_EXPECT_THROW(perDecode(back, octetsOf(std::string(prefix) + "05 20 00 00 40 00")), asn::per::codec::decodeFailed,
                    "Decode: number without octets.");
}
