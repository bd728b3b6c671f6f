// The real call-signalling messages of the shared corpus: every message
// that tshark reads as well formed decodes; the message type and call
// reference are tshark's; a re-encoding that differs from the received
// octets differs only where a documented rule says it must.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include <asn/perCodec.h>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

#include "h323Corpus.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Tshark.h"
#include "valueFiller.h"

using namespace q931Testing;

namespace {

// One element of a received message as its octets, with the codeset that
// was current for it; shifts are marked.
struct rawElement {
  octets wire;
  unsigned codeset = 0;
  bool shift = false;
};

// Splits the elements of a message without interpreting them.
std::vector<rawElement> rawElements(const octets& m) {
  std::vector<rawElement> out;
  size_t i = 2 + (m[1] & 0x0F) + 1;
  unsigned current = 0, saved = 0;
  bool nonLocking = false;
  while (i < m.size()) {
    rawElement e;
    e.codeset = current;
    size_t length = 1;
    if (m[i] & 0x80) {
      if ((m[i] >> 4 & 7) == 1) {
        e.shift = true;
        nonLocking = nonLocking || (m[i] & 0x08);
        saved = current;
        current = m[i] & 7;
        if (!nonLocking && current <= saved) current = saved;
      }
    } else {
      length = m[i] == 0x7E ? 3 + (size_t(m[i + 1]) << 8 | m[i + 2]) : 2 + size_t(m[i + 1]);
      if (nonLocking) {
        nonLocking = false;
        current = saved;
      }
    }
    e.wire.assign(m.begin() + long(i), m.begin() + long(std::min(i + length, m.size())));
    out.push_back(e);
    i += length;
  }
  return out;
}

octets encoded(const Q931::element& e) {
  orvo::byteStream out(128);
  e.encode(out);
  return octets(out.buffer(), out.buffer() + out.length());
}

octets encoded(const Q931::message& m) {
  orvo::byteStream out(128);
  m.encode(out);
  return octets(out.buffer(), out.buffer() + out.length());
}

class corpus : public testing::Test {
protected:
  void SetUp() override {
    if (h323CorpusDirectory().empty()) GTEST_SKIP() << "the shared H.323 corpus is absent";
  }
};

}  // namespace

// How the failure of a decode came: the PER codec's own exception for
// octets that cannot be H.225.0, or anything else.
std::string failureKind(const octets& wire, Q931::message& m) {
  try {
    decodeMessage(m, wire);
    return "";
  } catch (asn::per::codec::typeException* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return std::string("PER: ") + e->message()->buffer();
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return std::string("other: ") + e->message()->buffer();
  }
}

TEST_F(corpus, everyWellFormedMessageDecodesAndReEncodesAsDocumented) {
  std::vector<corpusMessage> messages = h323CorpusMessages("q931");
  ASSERT_EQ(messages.size(), 118u);
  unsigned decoded = 0, identical = 0, userUserPer = 0;
  for (const corpusMessage& c : messages) {
    SCOPED_TRACE(c.where());
    Q931::message m;
    std::string failure = failureKind(c.octets, m);
    if (c.malformed) {
      // tshark gives up inside the Setup body's additions; so does our PER
      // codec, within the User-user element's own octets.
      EXPECT_EQ(c.where(), "ndpi-h323 line 7");
      EXPECT_EQ(failure.substr(0, 5), "PER: ") << failure;
      continue;
    }
    ASSERT_EQ(failure, "");
    ++decoded;
    ASSERT_NE(m.userInformation(), nullptr);
    octets again = encoded(m);
    if (again == c.octets) {
      ++identical;
      continue;
    }
    // Element by element: every Q.931 element comes back as it came; only
    // the PER content of the User-user element may differ, where the
    // sender wrote addition bitmaps of another length than ours (the asn
    // module's corpus test counts them), and then exactly as our PER
    // encoding of the value decoded from the received content.
    std::vector<rawElement> received = rawElements(c.octets);
    auto next = m.elements.begin();
    for (const rawElement& r : received) {
      ASSERT_FALSE(r.shift) << "no shift in the corpus: a dropped shift would need its own reason";
      ASSERT_EQ(r.codeset, 0u);
      ASSERT_TRUE(next != m.elements.end());
      const Q931::element& ours = **next;
      ++next;
      octets oursWire = encoded(ours);
      if (oursWire == r.wire) continue;
      ASSERT_EQ(r.wire[0], 0x7E) << Q931::element::name(r.wire[0]) << " changed:\n"
                                 << hexText(r.wire) << "\n"
                                 << hexText(oursWire);
      ++userUserPer;
      H225::h323_UserInformation fromWire;
      perDecode(fromWire, octets(r.wire.begin() + 4, r.wire.end()));
      EXPECT_EQ(hexText(octets(oursWire.begin() + 4, oursWire.end())), perHex(fromWire));
    }
    EXPECT_TRUE(next == m.elements.end());
    // Nothing understood changes: our octets decode to what encodes alike.
    Q931::message reDecoded;
    decodeMessage(reDecoded, again);
    EXPECT_EQ(hexText(encoded(reDecoded)), hexText(again));
    EXPECT_EQ(reDecoded.userInformation()->h323_uu_pdu.h323_message_body.index(),
              m.userInformation()->h323_uu_pdu.h323_message_body.index());
  }
  EXPECT_EQ(decoded, 117u);
  // 79 and 38 when written; a PER codec closer to X.691 can only make
  // more of them identical.
  EXPECT_GE(identical, 79u);
  EXPECT_EQ(identical + userUserPer, 117u);
}

TEST_F(corpus, messageTypeAndCallReferenceAreTsharks) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  std::vector<corpusMessage> messages = h323CorpusMessages("q931");
  std::vector<tshark::octets> wires;
  for (const corpusMessage& c : messages) wires.push_back(c.octets);
  tshark::result r =
      dissectCallSignalling(wires, {"q931.call_ref_len", "q931.call_ref", "q931.call_ref_flag", "q931.message_type"});
  ASSERT_TRUE(r.ran) << r.failure;
  std::map<std::string, unsigned> types;
  for (size_t i = 0; i < messages.size(); ++i) {
    SCOPED_TRACE(messages[i].where());
    Q931::message m;
    failureKind(messages[i].octets, m);  // the header is read before the malformed body
    const std::vector<std::string>& f = r.frames[i].fields;
    EXPECT_EQ(f[0], std::to_string(m.callReference.length()));
    std::string value;
    char digits[3];
    for (unsigned k = 0; k < m.callReference.length(); ++k) {
      std::snprintf(digits, sizeof digits, "%02x", m.callReference.octets()[k]);
      value += digits;
    }
    EXPECT_EQ(f[1], value);
    EXPECT_EQ(f[2], m.callReference.flag() ? "0" : "1");
    char type[8];
    std::snprintf(type, sizeof type, "0x%02x", m.type);
    EXPECT_EQ(f[3], type);
    ++types[Q931::message::typeName(m.type)];
  }
  EXPECT_EQ(types, (std::map<std::string, unsigned>{{"Alerting", 17},
                                                    {"CallProceeding", 15},
                                                    {"Connect", 7},
                                                    {"Facility", 39},
                                                    {"Notify", 4},
                                                    {"Progress", 1},
                                                    {"ReleaseComplete", 17},
                                                    {"Setup", 16},
                                                    {"UserInfo", 2}}));
}

TEST_F(corpus, tsharkReadsOurReEncodingsWithoutComplaint) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  std::vector<tshark::octets> ours;
  std::vector<std::string> where;
  for (const corpusMessage& c : h323CorpusMessages("q931")) {
    if (c.malformed) continue;
    Q931::message m;
    decodeMessage(m, c.octets);
    ours.push_back(encoded(m));
    where.push_back(c.where());
  }
  tshark::result r = dissectCallSignalling(ours, {"q931.message_type"});
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < ours.size(); ++i) {
    EXPECT_EQ(r.frames[i].malformed, "") << where[i];
    EXPECT_EQ(r.frames[i].expert, "") << where[i];
  }
}
