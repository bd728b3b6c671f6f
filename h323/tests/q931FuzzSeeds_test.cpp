// The committed seeds of the q931Message fuzz target are the sample
// messages of the tests; this keeps them in step. ORVO_WRITE_FUZZ_SEEDS=1
// writes them instead.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "q931Octets.h"
#include "q931Samples.h"

using namespace q931Testing;

namespace {

// "sample-01-setup": numbered, so that samples of one name stay apart.
std::string seedName(size_t index, const std::string& sample) {
  std::string name = (index < 9 ? "sample-0" : "sample-") + std::to_string(index + 1) + "-";
  for (char c : sample) {
    if (std::isalnum((unsigned char)c))
      name += char(std::tolower((unsigned char)c));
    else if (name.back() != '-')
      name += '-';
  }
  while (name.back() == '-') name.pop_back();
  return name;
}

}  // namespace

TEST(fuzzSeeds, committedSeedsAreTheSampleMessages) {
  const char* write = std::getenv("ORVO_WRITE_FUZZ_SEEDS");
  std::string directory = std::string(ORVO_SOURCE_DIR) + "/h323/fuzz/corpus/q931Message";
  std::vector<q931Sample> samples = q931Samples();
  ASSERT_FALSE(samples.empty());
  for (size_t i = 0; i < samples.size(); ++i) {
    std::string path = directory + "/" + seedName(i, samples[i].name);
    octets seed = fromHex(samples[i].hex);
    if (write && std::string(write) == "1") {
      mkdir(directory.c_str(), 0755);
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << path << " is missing; run with ORVO_WRITE_FUZZ_SEEDS=1";
    octets committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(toHex(committed), samples[i].hex) << path;
  }
}
