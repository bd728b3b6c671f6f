// Real RAS datagrams and call-signalling user information that endpoints and
// gatekeepers of H.225.0 versions 1 to 6 sent, from the shared corpus.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <asn/perCodec.h>
#include <h225/h225.h>

#include "h323Corpus.h"
#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

// What a decoded value holds that its re-encoding cannot give back as it
// came: additions this version does not know (kept in the side record, not
// written again).
struct remarks {
  unsigned unknownAdditions = 0;
  unsigned unknownAlternatives = 0;
};

void inspect(const asn::object& value, remarks& out) {
  if (auto* sequence = dynamic_cast<const asn::sequence*>(&value)) {
    if (sequence->unknown() && sequence->unknown()->anyPresent()) ++out.unknownAdditions;
    const asn::sequenceDescriptor& d = sequence->descriptor();
    for (unsigned i = 0; i < d.count; ++i)
      if (const asn::object* component = sequence->component(i)) inspect(*component, out);
  } else if (auto* choice = dynamic_cast<const asn::choice*>(&value)) {
    if (choice->index() >= int(choice->descriptor().count))
      ++out.unknownAlternatives;
    else if (choice->alternative())
      inspect(*choice->alternative(), out);
  } else if (auto* list = dynamic_cast<const asn::sequenceOfBase*>(&value)) {
    for (const orvo::listNode* node = list->elements().head(); node; node = node->next)
      inspect(*static_cast<const asn::object*>(node->element), out);
  }
}

std::string lowerFirst(const char* name) {
  std::string text = name ? name : "";
  if (!text.empty()) text[0] = char(std::tolower((unsigned char)text[0]));
  return text;
}

// Decodes into a fresh value; the exception text, or empty on success.
template <class T>
std::string tryDecode(T& value, const std::vector<unsigned char>& octets) {
  try {
    perDecode(value, octets);
    return "";
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return e->message()->buffer();
  }
}

bool hasKnownAdditions(const asn::object& value) {
  if (auto* sequence = dynamic_cast<const asn::sequence*>(&value)) {
    if (sequence->hasAdditions()) return true;
    const asn::sequenceDescriptor& d = sequence->descriptor();
    for (unsigned i = 0; i < d.count; ++i)
      if (const asn::object* component = sequence->component(i))
        if (hasKnownAdditions(*component)) return true;
  } else if (auto* choice = dynamic_cast<const asn::choice*>(&value)) {
    if (choice->index() >= int(choice->descriptor().rootCount)) return true;
    if (choice->alternative()) return hasKnownAdditions(*choice->alternative());
  } else if (auto* list = dynamic_cast<const asn::sequenceOfBase*>(&value)) {
    for (const orvo::listNode* node = list->elements().head(); node; node = node->next)
      if (hasKnownAdditions(*static_cast<const asn::object*>(node->element))) return true;
  }
  return false;
}

// The message's kind as tshark's summary names it: "RAS: registrationRequest"
// gives "registrationRequest", "CS: setup OpenLogicalChannel" gives "setup".
std::string summaryKind(const std::string& summary) {
  size_t start = summary.find(": ");
  if (start == std::string::npos) return "";
  start += 2;
  return summary.substr(start, summary.find(' ', start) - start);
}

// How the re-encoding of a decoded message compares with what was received.
struct reEncoding {
  unsigned identical = 0;
  // The sender wrote an addition bitmap of another length than ours: X.691
  // has an encoder write one bit per addition its own version knows, so an
  // older sender writes fewer, a newer one more, and some trim the absent
  // ones at the end; we write one per addition we know. Only a message with
  // a present addition has a bitmap at all.
  unsigned additionBitmap = 0;
  // Additions this version does not know: kept, not written again.
  unsigned unknownAdditions = 0;
};

template <class T>
void compareReEncoding(const T& decoded, const std::vector<unsigned char>& received, const std::string& where,
                       reEncoding& counts) {
  std::vector<unsigned char> again = perOctets(decoded);
  if (again == received) {
    ++counts.identical;
    return;
  }
  // Whatever the reason, nothing we understood may change on the way: the
  // re-encoding decodes to a value that encodes alike. (The side record of
  // a longer bitmap is not written again, so the values themselves may
  // differ by it.)
  T reDecoded;
  perDecode(reDecoded, again);
  EXPECT_EQ(perHex(reDecoded), hexText(again)) << where;
  remarks r;
  inspect(decoded, r);
  if (r.unknownAdditions || r.unknownAlternatives) {
    ++counts.unknownAdditions;
  } else {
    EXPECT_TRUE(hasKnownAdditions(decoded)) << where << " re-encodes differently without an explanation:\n"
                                            << hexText(received) << "\n"
                                            << hexText(again);
    ++counts.additionBitmap;
  }
}

class corpus : public testing::Test {
protected:
  void SetUp() override {
    if (h323CorpusDirectory().empty()) GTEST_SKIP() << "the shared H.323 corpus is absent";
  }
};

bool isLine(const corpusMessage& m, const char* capture, unsigned line) {
  return m.capture == capture && m.line == line;
}

}  // namespace

TEST_F(corpus, everyRasDatagramDecodesAsTheAlternativeTsharkNamed) {
  std::vector<corpusMessage> messages = h323CorpusMessages("ras");
  ASSERT_EQ(messages.size(), 278u);
  unsigned decoded = 0;
  std::map<std::string, unsigned> kinds;
  reEncoding counts;
  for (const corpusMessage& m : messages) {
    SCOPED_TRACE(m.where());
    H225::rasMessage message;
    std::string failure = tryDecode(message, m.octets);
    if (m.malformed) {
      // The request whose integrity mechanism holds an empty object
      // identifier: refused, the way tshark refuses it.
      EXPECT_EQ(failure, "Decode: empty object identifier.");
      continue;
    }
    ASSERT_EQ(failure, "");
    ++decoded;
    EXPECT_EQ(lowerFirst(message.alternativeName()), summaryKind(m.summary));
    ++kinds[summaryKind(m.summary)];
    compareReEncoding(message, m.octets, m.where(), counts);
  }
  EXPECT_EQ(decoded, 277u);
  EXPECT_EQ(kinds, (std::map<std::string, unsigned>{{"admissionConfirm", 1},
                                                    {"admissionRequest", 2},
                                                    {"disengageRequest", 5},
                                                    {"gatekeeperConfirm", 2},
                                                    {"gatekeeperRequest", 1},
                                                    {"infoRequest", 2},
                                                    {"nonStandardMessage", 15},
                                                    {"registrationConfirm", 116},
                                                    {"registrationReject", 6},
                                                    {"registrationRequest", 127}}));
  // No datagram holds an addition we do not know or a negative number.
  EXPECT_EQ(counts.identical, 144u);
  EXPECT_EQ(counts.additionBitmap, 133u);
  EXPECT_EQ(counts.unknownAdditions, 0u);
}

TEST_F(corpus, everyCallSignallingUserInformationDecodesAsTheBodyTsharkNamed) {
  std::vector<corpusMessage> messages = h323CorpusMessages("q931");
  ASSERT_EQ(messages.size(), 118u);
  unsigned decoded = 0;
  reEncoding counts;
  for (const corpusMessage& m : messages) {
    SCOPED_TRACE(m.where());
    std::vector<unsigned char> octets = userUserInformation(m.octets);
    ASSERT_FALSE(octets.empty());
    H225::h323_UserInformation message;
    std::string failure = tryDecode(message, octets);
    if (m.malformed) {
      // The Setup whose extended source address tshark cannot read either.
      EXPECT_EQ(failure, "Decode: number of 32 octets exceeds 32 bits.");
      continue;
    }
    ASSERT_EQ(failure, "");
    ++decoded;
    EXPECT_EQ(lowerFirst(message.h323_uu_pdu.h323_message_body.alternativeName()), summaryKind(m.summary));
    compareReEncoding(message, octets, m.where(), counts);
  }
  EXPECT_EQ(decoded, 117u);
  EXPECT_EQ(counts.identical, 79u);
  EXPECT_EQ(counts.additionBitmap, 38u);
  EXPECT_EQ(counts.unknownAdditions, 0u);
}

namespace {

const corpusMessage* find(const std::vector<corpusMessage>& messages, const char* capture, unsigned line) {
  for (const corpusMessage& m : messages)
    if (isLine(m, capture, line)) return &m;
  return nullptr;
}

}  // namespace

TEST_F(corpus, aVersionTwoGatekeeperWritesOneBitPerAdditionItKnows) {
  std::vector<corpusMessage> messages = h323CorpusMessages("ras");
  const corpusMessage* reject = find(messages, "SIP_CALL_RTP_G711", 2);
  ASSERT_TRUE(reject);
  H225::rasMessage message;
  perDecode(message, reject->octets);
  auto* rrj = static_cast<H225::registrationReject*>(message.alternative());
  ASSERT_EQ(message.index(), 5);
  EXPECT_EQ(rrj->protocolIdentifier.arc(5), 2u);
  ASSERT_TRUE(rrj->altGKInfo);
  EXPECT_TRUE(rrj->altGKInfo->altGKisPermanent.value());
  EXPECT_EQ(rrj->altGKInfo->alternateGatekeeper.count(), 0u);
  // Its bitmap: 0 000000 1, one addition, present. Ours: 0 000101 1 00000,
  // six additions, the first present. The open type after it is the same.
  EXPECT_EQ(hexText(reject->octets), "16 80 05 1c 06 00 08 91 4a 00 02 60 00 00 32 01 03 00 00 80");
  EXPECT_EQ(perHex(message), "16 80 05 1c 06 00 08 91 4a 00 02 60 00 00 32 0b 00 03 00 00 80");
}

TEST_F(corpus, aVersionSixRegistrationKeepsTheLongerBitmapInItsSideRecord) {
  std::vector<corpusMessage> messages = h323CorpusMessages("ras");
  const corpusMessage* request = find(messages, "ndpi-h323", 11);
  ASSERT_TRUE(request);
  H225::rasMessage message;
  perDecode(message, request->octets);
  ASSERT_EQ(message.index(), 3);
  auto* rrq = static_cast<H225::registrationRequest*>(message.alternative());
  EXPECT_EQ(rrq->protocolIdentifier.arc(5), 6u);
  // Version 6 knows 27 additions: the six beyond ours are in the record,
  // none of them present.
  ASSERT_TRUE(rrq->unknown());
  EXPECT_EQ(rrq->unknown()->count(), 6u);
  EXPECT_FALSE(rrq->unknown()->anyPresent());
  ASSERT_TRUE(rrq->keepAlive);
  EXPECT_TRUE(rrq->featureSet);
  // A copy keeps the record; the re-encoding writes our 21 bits only.
  H225::registrationRequest copy(*rrq);
  EXPECT_TRUE(copy.isEqual(*rrq));
  ASSERT_TRUE(copy.unknown());
  EXPECT_EQ(copy.unknown()->count(), 6u);
}

TEST_F(corpus, aMobileTerminalRegistersWithSizedTbcdStrings) {
  std::vector<corpusMessage> messages = h323CorpusMessages("ras");
  const corpusMessage* request = find(messages, "ndpi-h323", 3);
  ASSERT_TRUE(request);
  H225::rasMessage message;
  perDecode(message, request->octets);
  ASSERT_EQ(message.index(), 3);
  auto* rrq = static_cast<H225::registrationRequest*>(message.alternative());
  ASSERT_TRUE(rrq->terminalAlias);
  ASSERT_EQ(rrq->terminalAlias->count(), 1u);
  auto* alias = static_cast<H225::aliasAddress*>(rrq->terminalAlias->elements().head()->element);
  ASSERT_EQ(alias->index(), 6);
  auto* mobile = static_cast<H225::mobileUIM*>(alias->alternative());
  ASSERT_EQ(mobile->index(), 0);
  auto* ansi = static_cast<H225::ansi_41_uim*>(mobile->alternative());
  // A 16-digit IMSI: length 13 in 4 bits, then aligned 4-bit indices; a
  // 4-character system identity: length 3 in 2 bits, then aligned.
  ASSERT_TRUE(ansi->imsi);
  EXPECT_EQ(toStd(ansi->imsi->value()), "1111111111111111");
  EXPECT_FALSE(ansi->esn);
  ASSERT_EQ(ansi->system_id.index(), 0);
  EXPECT_EQ(toStd(static_cast<asn::constrainedString*>(ansi->system_id.alternative())->value()), "777#");
  EXPECT_EQ(perHex(message), hexText(request->octets));
}
