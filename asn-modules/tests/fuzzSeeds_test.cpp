// The committed seed corpora of the message fuzz targets are the encodings
// of the round-trip suites: the realistic RAS, call-signalling and H.245 samples,
// the hand-worked APDUs and the filled values of the table-driven tests,
// for every alternative of the root type. This test
// keeps the corpora in step with the suites; ORVO_WRITE_FUZZ_SEEDS=1 writes
// them instead. A target whose root type is not generated has no seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>

#include "h245Samples.h"
#include "h4501Vectors.h"
#include "rasSamples.h"
#include "typeCatalogue.h"
#include "userInformationSamples.h"
#include "valueFiller.h"

namespace {

using octets = std::vector<unsigned char>;

struct fuzzTarget {
  const char* name;  // asn-modules/fuzz/<name>_fuzz.cpp, seeds in fuzz/corpus/<name>/
  const char* module;
  const char* rootType;
};

const fuzzTarget targets[] = {
    {"rasMessage", "H225", "H225::rasMessage"},
    {"h323UserInformation", "H225", "H225::h323_UserInformation"},
    {"supplementaryService", "H4501", "H4501::supplementaryService"},
    {"h245Message", "H245", "H245::multimediaSystemControlMessage"},
};

const catalogueEntry* rootEntry(const fuzzTarget& target) {
  for (const catalogueEntry& e : catalogueOf(target.module))
    if (target.rootType == std::string(e.name) && e.make) return &e;
  return nullptr;
}

octets hexOctets(const std::string& hex) {
  octets result;
  std::istringstream in(hex);
  unsigned value;
  while (in >> std::hex >> value) result.push_back((unsigned char)value);
  return result;
}

// Filled values of the root type, enough variants to select every
// alternative of its widest CHOICE.
void addFilledValues(const catalogueEntry& root, std::map<std::string, octets>& seeds) {
  unsigned variants = 3;
  for (unsigned variant = 0; variant < variants; ++variant) {
    std::unique_ptr<asn::object> value(root.make());
    valueFiller filler(variant);
    filler.fill(*value);
    variants = std::max(variants, filler.widestChoice());
    seeds["filled-" + std::to_string(variant)] = perOctets(*value);
  }
}

// "sample-07-lrq-with-...": numbered, so that two samples of one name stay apart.
template <class Sample>
void addSamples(const std::vector<Sample>& samples, std::map<std::string, octets>& seeds) {
  for (size_t i = 0; i < samples.size(); ++i) {
    std::string name = (i < 9 ? "sample-0" : "sample-") + std::to_string(i + 1) + "-";
    for (char c : samples[i].name) {
      if (std::isalnum((unsigned char)c))
        name += char(std::tolower((unsigned char)c));
      else if (name.back() != '-')
        name += '-';
    }
    while (name.back() == '-') name.pop_back();
    seeds[name] = perOctets(*samples[i].message);
  }
}

std::map<std::string, octets> seedsOf(const fuzzTarget& target, const catalogueEntry& root) {
  std::map<std::string, octets> seeds;
  addFilledValues(root, seeds);
  std::string name = target.name;
  if (name == "supplementaryService")
    for (const h4501Vector& v : apduVectors()) seeds["vector-" + v.name] = hexOctets(v.hex);
  if (name == "rasMessage") addSamples(rasSamples(), seeds);
  if (name == "h323UserInformation") addSamples(userInformationSamples(), seeds);
  if (name == "h245Message") addSamples(h245Samples(), seeds);
  return seeds;
}

std::string corpusDirectory(const fuzzTarget& target) {
  return std::string(ORVO_SOURCE_DIR) + "/asn-modules/fuzz/corpus/" + target.name;
}

bool readFile(const std::string& path, octets& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

TEST(fuzzSeeds, committedCorporaHoldTheRoundTripEncodings) {
  const char* write = std::getenv("ORVO_WRITE_FUZZ_SEEDS");
  unsigned targetsWithSeeds = 0;
  for (const fuzzTarget& target : targets) {
    const catalogueEntry* root = rootEntry(target);
    if (!root) continue;
    ++targetsWithSeeds;
    std::string directory = corpusDirectory(target);
    for (const auto& [name, seed] : seedsOf(target, *root)) {
      std::string path = directory + "/" + name;
      if (write && std::string(write) == "1") {
        mkdir(directory.c_str(), 0755);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
        continue;
      }
      octets committed;
      ASSERT_TRUE(readFile(path, committed)) << path << " is missing; run with ORVO_WRITE_FUZZ_SEEDS=1";
      EXPECT_EQ(hexText(committed), hexText(seed)) << path;
    }
  }
  EXPECT_GE(targetsWithSeeds, 1u);
}
