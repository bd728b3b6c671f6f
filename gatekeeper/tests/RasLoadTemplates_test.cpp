// The datagrams of the RAS load program: what tshark reads in the patched
// templates, the patched form against the encoder at the edges of every
// field, and the quick reading of answers against tshark over the real
// captures.
#include <dirent.h>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RasLoadTemplates.h"
#include "tshark.h"

using namespace rasload;

namespace {

const TRasTemplates& Templates() {
  static const TRasTemplates templates;
  return templates;
}

TEST(RasLoadEndpoints, NumbersGiveFixedLengthAliasesAndIdentifiers) {
  struct {
    unsigned Endpoint;
    const char* Alias;
    const char* Identifier;  // call-signal address and port in hexadecimal
  } const cases[] = {
      {0, "10000000", "7f100000:1000"},    {7, "10000007", "7f100000:1007"},      {8, "10000008", "7f100001:1000"},
      {4095, "10004095", "7f1001ff:1007"}, {999999, "10999999", "7f11e847:1007"},  // 999999 / 8 = 0x1e847
  };
  // Identifiers of other addresses have no leading zeros.
  EXPECT_EQ("a000001:6b8", IdentifierOf(0x0a000001, 1720));
  EXPECT_EQ("0:0", IdentifierOf(0, 0));
  EXPECT_EQ("ffffffff:ffff", IdentifierOf(0xffffffff, 65535));
  for (const auto& c : cases) {
    TEndpointValues e = EndpointOf(c.Endpoint, 0x7f000102, 5000);
    EXPECT_EQ(c.Alias, e.Alias) << c.Endpoint;
    EXPECT_EQ(c.Identifier, e.Identifier) << c.Endpoint;
    EXPECT_EQ(AliasLength, e.Alias.size());
    EXPECT_EQ(IdentifierLength, e.Identifier.size());
  }
  // Calls are told apart by both identities.
  TCallValues a = CallOf(1), b = CallOf(256);
  EXPECT_NE(std::vector<unsigned char>(a.ConferenceID, a.ConferenceID + 16),
            std::vector<unsigned char>(b.ConferenceID, b.ConferenceID + 16));
  EXPECT_NE(std::vector<unsigned char>(a.CallIdentifier, a.CallIdentifier + 16),
            std::vector<unsigned char>(b.CallIdentifier, b.CallIdentifier + 16));
}

TEST(RasLoadTemplates, PatchedEqualsEncodedAtTheEdgesOfEveryField) {
  const TRasTemplates& t = Templates();
  struct {
    unsigned Sequence, Endpoint, RasPort;
    uint32_t RasAddress;
  } const cases[] = {
      {1, 0, 0, 0x7f000001},
      {65535, 999999, 65535, 0x7fffffff},
      {256, 8, 1719, 0x7f010102},
      {255, 12345, 256, 0x7f800000},
  };
  octets patched;
  for (const auto& c : cases) {
    TEndpointValues caller = EndpointOf(c.Endpoint, c.RasAddress, c.RasPort);
    TEndpointValues callee = EndpointOf(c.Endpoint + 1, c.RasAddress, c.RasPort);
    TCallValues call = CallOf(uint64_t(c.Sequence) * 1000003);
    t.MakeRegistration(patched, c.Sequence, caller);
    EXPECT_EQ(EncodeRegistration(c.Sequence, caller), patched) << c.Sequence;
    t.MakeKeepAlive(patched, c.Sequence, caller);
    EXPECT_EQ(EncodeKeepAlive(c.Sequence, caller), patched) << c.Sequence;
    t.MakeAdmission(patched, c.Sequence, caller, callee, call);
    EXPECT_EQ(EncodeAdmission(c.Sequence, caller, callee, call), patched) << c.Sequence;
    t.MakeDisengage(patched, c.Sequence, caller, call);
    EXPECT_EQ(EncodeDisengage(c.Sequence, caller, call), patched) << c.Sequence;
  }
  EXPECT_EQ("", t.SelfCheck());
}

TEST(RasLoadTemplates, TsharkReadsThePatchedRequests) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  const TRasTemplates& t = Templates();
  TEndpointValues caller = EndpointOf(9, 0x7f0102fe, 40000);     // 127.16.0.1:4097
  TEndpointValues callee = EndpointOf(4096, 0x7f0102fe, 40000);  // 127.16.2.0:4096
  TCallValues call = CallOf(0x0102030405060708ull);
  std::vector<octets> frames(4);
  t.MakeRegistration(frames[0], 513, caller);
  t.MakeKeepAlive(frames[1], 65535, caller);
  t.MakeAdmission(frames[2], 1, caller, callee, call);
  t.MakeDisengage(frames[3], 2, caller, call);
  tshark::result r = tshark::dissectUdp(
      1719, frames,
      {"h225.RasMessage", "h225.requestSeqNum", "h225.ipV4", "h225.ipV4_port", "h225.h323_ID", "h225.keepAlive",
       "h225.endpointIdentifier", "h225.conferenceID", "h225.guid", "h225.callReferenceValue"});
  ASSERT_TRUE(r.ran) << r.failure;
  // Conference and call identifiers: the call number's octets, least
  // significant first, then the salt + 17 i for i = 8..15 (0x5c and 0xa3).
  const char* conference = "08070605-0403-0201-e4f5-061728394a5b";
  const char* guid = "08070605-0403-0201-2b3c-4d5e6f8091a2";
  const std::vector<std::vector<std::string>> expected = {
      {"3", "513", "127.16.0.1|127.1.2.254", "4097|40000", "10000009", "0", "", "", "", ""},
      {"3", "65535", "127.16.0.1|127.1.2.254", "4097|40000", "", "1", "7f100001:1001", "", "", ""},
      {"9", "1", "", "", "10004096|10000009", "", "7f100001:1001", conference, guid, "1800"},
      {"15", "2", "", "", "", "", "7f100001:1001", conference, guid, "1800"},
  };
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ("", r.frames[i].malformed) << tshark::verboseText("h225.ras", frames[i]);
    EXPECT_EQ("", r.frames[i].expert) << tshark::verboseText("h225.ras", frames[i]);
    EXPECT_EQ(expected[i], r.frames[i].fields) << tshark::verboseText("h225.ras", frames[i]);
  }
  // A soft phone's keep-alive is about 114 octets.
  EXPECT_GE(frames[1].size(), 100u);
  EXPECT_LE(frames[1].size(), 130u);
}

std::vector<octets> CorpusDatagrams() {
  std::vector<octets> all;
  std::string root = std::string(ORVO_SHARED_DIR) + "/corpus/h323";
  DIR* directory = opendir(root.c_str());
  if (!directory) return all;
  std::vector<std::string> captures;
  while (dirent* entry = readdir(directory)) captures.push_back(entry->d_name);
  closedir(directory);
  for (const std::string& capture : captures) {
    std::ifstream in(root + "/" + capture + "/ras.hex");
    std::string line;
    while (std::getline(in, line)) {
      octets datagram;
      for (size_t i = 0; i + 1 < line.size(); i += 2)
        datagram.push_back((unsigned char)std::stoul(line.substr(i, 2), nullptr, 16));
      if (!datagram.empty()) all.push_back(datagram);
    }
  }
  return all;
}

TEST(RasLoadTemplates, AnswersAreReadAsTsharkReadsThemInRealCaptures) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  std::vector<octets> datagrams = CorpusDatagrams();
  if (datagrams.empty()) GTEST_SKIP() << "the shared H.323 corpus is absent";
  tshark::result r = tshark::dissectUdp(1719, datagrams, {"h225.RasMessage", "h225.requestSeqNum"});
  ASSERT_TRUE(r.ran) << r.failure;
  unsigned checked = 0;
  for (size_t i = 0; i < datagrams.size(); ++i) {
    const tshark::frame& f = r.frames[i];
    if (!f.malformed.empty() || f.fields[0].empty() || f.fields[1].find('|') != std::string::npos) continue;
    int kind = std::stoi(f.fields[0]);
    const octets& d = datagrams[i];
    EXPECT_EQ(kind < 25 ? kind : -1, TRasTemplates::KindOf(d.data(), d.size())) << i;
    unsigned sequence = Templates().SequenceOf(kind, d.data(), d.size());
    if (sequence == 0) continue;
    EXPECT_EQ(f.fields[1], std::to_string(sequence)) << "datagram " << i << " of kind " << kind;
    ++checked;
  }
  // Confirms, rejects and requests of the kinds the load sends and expects.
  EXPECT_GE(checked, 50u);
}

TEST(RasLoadTemplates, UnknownKindsAndShortDatagramsGiveNoSequenceNumber) {
  const TRasTemplates& t = Templates();
  const unsigned char confirm[] = {0x10, 0x80};  // registrationConfirm cut short
  const unsigned char extension[] = {0x80, 0x00, 0x00, 0x00};
  struct {
    const unsigned char* Data;
    size_t Length;
    int Kind;
  } const cases[] = {{confirm, sizeof confirm, 4}, {extension, sizeof extension, -1}, {confirm, 0, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.Kind, TRasTemplates::KindOf(c.Data, c.Length));
    EXPECT_EQ(0u, t.SequenceOf(c.Kind, c.Data, c.Length));
  }
  // gatekeeperConfirm is not a kind the load reads.
  const unsigned char gcf[] = {0x04, 0x00, 0x01, 0x02};
  EXPECT_EQ(1, TRasTemplates::KindOf(gcf, sizeof gcf));
  EXPECT_EQ(0u, t.SequenceOf(1, gcf, sizeof gcf));
}

}  // namespace
