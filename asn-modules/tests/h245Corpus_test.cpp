// Real H.245 traffic of the shared corpus: the PDUs of separate H.245
// channels and of H.223 control channels, the PDUs tunnelled in call
// signalling and the fast-start proposals, from senders of H.245 versions 3
// to 10. The version 15 module decodes every one of them whole.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <h245/h245.h>

#include "h323Corpus.h"
#include "orvoTesting.h"
#include "valueFiller.h"

namespace {

// Why a decoded value may not re-encode to the octets it came from.
struct features {
  bool additionsOfThisVersion = false;  // an addition bitmap whose length the sender chose
  bool unknownAdditions = false;        // additions beyond version 15: kept, not written again
};

void inspect(const asn::object& value, features& out) {
  if (auto* sequence = dynamic_cast<const asn::sequence*>(&value)) {
    if (sequence->unknown() && sequence->unknown()->anyPresent()) out.unknownAdditions = true;
    if (sequence->hasAdditions()) out.additionsOfThisVersion = true;
    const asn::sequenceDescriptor& d = sequence->descriptor();
    for (unsigned i = 0; i < d.count; ++i)
      if (const asn::object* component = sequence->component(i)) inspect(*component, out);
  } else if (auto* choice = dynamic_cast<const asn::choice*>(&value)) {
    if (choice->index() >= int(choice->descriptor().count))
      out.unknownAdditions = true;
    else if (choice->index() >= int(choice->descriptor().rootCount))
      out.additionsOfThisVersion = true;
    if (choice->alternative() && choice->index() < int(choice->descriptor().count))
      inspect(*choice->alternative(), out);
  } else if (auto* list = dynamic_cast<const asn::sequenceOfBase*>(&value)) {
    for (const orvo::listNode* node = list->elements().head(); node; node = node->next)
      inspect(*static_cast<const asn::object*>(node->element), out);
  }
}

template <class T>
std::string tryDecode(T& value, const std::vector<unsigned char>& octets) {
  try {
    perDecode(value, octets);
    return "";
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return toStd(*e->message());
  }
}

// "openLogicalChannel (g711A)" and "endSessionCommand [h245Control item in
// q931 line 3]" give "openLogicalChannel" and "endSessionCommand".
std::string summaryKind(const std::string& summary) { return summary.substr(0, summary.find_first_of(" [")); }

std::string lowerFirst(const char* name) {
  std::string text = name ? name : "";
  if (!text.empty()) text[0] = char(std::tolower((unsigned char)text[0]));
  return text;
}

// The message kind: the alternative inside request, response, command or indication.
std::string messageKind(const H245::multimediaSystemControlMessage& message) {
  auto* inner = dynamic_cast<const asn::choice*>(message.alternative());
  return inner ? lowerFirst(inner->alternativeName()) : "";
}

// How the re-encodings compare with what was received, by reason.
struct reEncoding {
  unsigned identical = 0;
  // An older sender's addition bitmap: X.691 has an encoder write one bit
  // per addition its own version knows, we write one per version 15 addition.
  unsigned additionBitmap = 0;
  unsigned unknownAdditions = 0;
  std::vector<std::string> unexplained;

  std::vector<unsigned> figures() const { return {identical, additionBitmap, unknownAdditions}; }
};

template <class T>
void compareReEncoding(const T& decoded, const corpusMessage& m, reEncoding& counts) {
  std::vector<unsigned char> again = perOctets(decoded);
  if (again == m.octets) {
    ++counts.identical;
    return;
  }
  // Nothing understood may change on the way: our encoding decodes to a value that encodes alike.
  T reDecoded;
  perDecode(reDecoded, again);
  EXPECT_EQ(perHex(reDecoded), hexText(again)) << m.where();
  features f;
  inspect(decoded, f);
  if (f.unknownAdditions)
    ++counts.unknownAdditions;
  else if (f.additionsOfThisVersion)
    ++counts.additionBitmap;
  else
    counts.unexplained.push_back(m.where() + ": " + hexText(m.octets) + " -> " + hexText(again));
}

class h245Corpus : public testing::Test {
protected:
  void SetUp() override {
    if (h323CorpusDirectory().empty()) GTEST_SKIP() << "the shared H.323 corpus is absent";
  }
};

struct messageFile {
  const char* file;
  unsigned messages;
  std::map<std::string, unsigned> kinds;
  // identical, addition bitmap, unknown additions
  std::vector<unsigned> reEncodings;
};

}  // namespace

TEST_F(h245Corpus, everyPduDecodesAsTheMessageTsharkNamed) {
  const messageFile files[] = {
      {"h245",
       199u,
       {{"endSessionCommand", 6},
        {"h223SkewIndication", 4},
        {"masterSlaveDetermination", 21},
        {"masterSlaveDeterminationAck", 15},
        {"miscellaneousCommand", 43},
        {"multiplexEntrySend", 13},
        {"multiplexEntrySendAck", 12},
        {"openLogicalChannel", 22},
        {"openLogicalChannelAck", 20},
        {"terminalCapabilitySet", 22},
        {"terminalCapabilitySetAck", 15},
        {"vendorIdentification", 6}},
       {181, 18, 0}},
      {"h245_tunnelled",
       46u,
       {{"closeLogicalChannel", 4},
        {"conferenceIndication", 3},
        {"endSessionCommand", 7},
        {"masterSlaveDetermination", 8},
        {"masterSlaveDeterminationAck", 8},
        {"terminalCapabilitySet", 8},
        {"terminalCapabilitySetAck", 8}},
       {46, 0, 0}},
  };
  for (const messageFile& file : files) {
    SCOPED_TRACE(file.file);
    std::vector<corpusMessage> messages = h323CorpusMessages(file.file);
    ASSERT_EQ(messages.size(), file.messages);
    std::map<std::string, unsigned> kinds;
    reEncoding counts;
    for (const corpusMessage& m : messages) {
      SCOPED_TRACE(m.where());
      EXPECT_FALSE(m.malformed);
      H245::multimediaSystemControlMessage message;
      ASSERT_EQ(tryDecode(message, m.octets), "");
      EXPECT_EQ(messageKind(message), summaryKind(m.summary));
      ++kinds[messageKind(message)];
      compareReEncoding(message, m, counts);
    }
    EXPECT_EQ(kinds, file.kinds);
    EXPECT_EQ(counts.unexplained, std::vector<std::string>());
    EXPECT_EQ(counts.figures(), file.reEncodings);
  }
}

TEST_F(h245Corpus, everyFastStartItemDecodesAsAnOpenLogicalChannel) {
  std::vector<corpusMessage> messages = h323CorpusMessages("faststart");
  ASSERT_EQ(messages.size(), 80u);
  reEncoding counts;
  for (const corpusMessage& m : messages) {
    SCOPED_TRACE(m.where());
    H245::openLogicalChannel channel;
    ASSERT_EQ(tryDecode(channel, m.octets), "");
    compareReEncoding(channel, m, counts);
  }
  EXPECT_EQ(counts.unexplained, std::vector<std::string>());
  EXPECT_EQ(counts.figures(), (std::vector<unsigned>{78, 2, 0}));
}

namespace {

const corpusMessage* find(const std::vector<corpusMessage>& messages, const char* capture, unsigned line) {
  for (const corpusMessage& m : messages)
    if (m.capture == capture && m.line == line) return &m;
  return nullptr;
}

}  // namespace

TEST_F(h245Corpus, aT38BufferOf200KeepsItsSignOctet) {
  std::vector<corpusMessage> messages = h323CorpusMessages("h245_tunnelled");
  const corpusMessage* set = find(messages, "tel2", 4);
  ASSERT_TRUE(set);
  H245::multimediaSystemControlMessage message;
  perDecode(message, set->octets);
  ASSERT_EQ(messageKind(message), "terminalCapabilitySet");
  auto* tcs =
      static_cast<H245::terminalCapabilitySet*>(static_cast<asn::choice*>(message.alternative())->alternative());
  EXPECT_EQ(tcs->sequenceNumber.value(), 1u);
  ASSERT_TRUE(tcs->capabilityTable);
  EXPECT_EQ(tcs->capabilityTable->count(), 5u);  // as tshark counts them
  // The T.38 capability's maximum buffer, an unconstrained INTEGER: the
  // sender writes 200 as 02 00 c8, a sign octet first as X.691 asks, inside
  // an open type of 0x11 octets, and so do we.
  std::ostringstream trace;
  trace << message;
  EXPECT_NE(trace.str().find("T38FaxMaxBuffer: 200 (0xc8)"), std::string::npos) << trace.str();
  EXPECT_NE(hexText(set->octets).find("4a 08 11 86 01 00 80 7c 01 00 01 40 07 c0 02 00 c8 01 48"), std::string::npos);
  EXPECT_EQ(hexText(perOctets(message)), hexText(set->octets));
}
