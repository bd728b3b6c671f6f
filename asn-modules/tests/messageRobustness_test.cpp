// Damaged messages: every prefix of every round-trip encoding, and every
// single-bit flip of a few whole messages, either decodes or fails with an
// orvo::exception. What decodes must encode again, and that encoding must
// decode and encode to the same octets. Under the sanitizer build any
// overrun or undefined operation on the way is reported as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>
#include <string>

#include <asn/perCodec.h>
#include <orvo/exception.h>

#include "h245Samples.h"
#include "h4501Vectors.h"
#include "rasSamples.h"
#include "orvoTesting.h"
#include "typeCatalogue.h"
#include "userInformationSamples.h"
#include "valueFiller.h"

namespace {

using octets = std::vector<unsigned char>;

struct encoding {
  std::string origin;  // "H225::aliasAddress variant 2"
  const catalogueEntry* type;
  octets data;
};

const catalogueEntry* entryOf(const asn::object& value) {
  for (const moduleCatalogue& module : allCatalogues())
    for (const catalogueEntry& e : *module.entries)
      if (e.record == value.record() && e.make) return &e;
  return nullptr;
}

octets hexOctets(const std::string& hex) {
  octets result;
  std::istringstream in(hex);
  unsigned value;
  while (in >> std::hex >> value) result.push_back((unsigned char)value);
  return result;
}

// The encodings of the round-trip suites for one type: its filled values
// (as many variants as select every alternative of its widest CHOICE), the
// realistic RAS, call-signalling and H.245 samples and the hand-worked H.450.1
// vectors of that type.
std::vector<encoding> roundTripEncodings(const catalogueEntry& type) {
  std::vector<encoding> result;
  unsigned variants = 3;
  for (unsigned variant = 0; variant < variants; ++variant) {
    std::unique_ptr<asn::object> value(type.make());
    valueFiller filler(variant);
    filler.fill(*value);
    variants = std::max(variants, filler.widestChoice());
    result.push_back({std::string(type.name) + " variant " + std::to_string(variant), &type, perOctets(*value)});
  }
  for (const auto* list : {&apduVectors(), &partVectors()}) {
    for (const h4501Vector& v : *list) {
      std::unique_ptr<asn::object> value = v.make();
      if (entryOf(*value) == &type) result.push_back({"vector " + v.name, &type, hexOctets(v.hex)});
    }
  }
  if (type.name == std::string("H225::rasMessage"))
    for (const rasSample& sample : rasSamples())
      result.push_back({"sample " + sample.name, &type, perOctets(*sample.message)});
  if (type.name == std::string("H225::h323_UserInformation"))
    for (const userInformationSample& sample : userInformationSamples())
      result.push_back({"sample " + sample.name, &type, perOctets(*sample.message)});
  if (type.name == std::string("H245::multimediaSystemControlMessage"))
    for (const h245Sample& sample : h245Samples())
      result.push_back({"sample " + sample.name, &type, perOctets(*sample.message)});
  return result;
}

std::vector<const catalogueEntry*> typesWithClasses() {
  std::vector<const catalogueEntry*> result;
  for (const moduleCatalogue& module : allCatalogues())
    for (const catalogueEntry& e : *module.entries)
      if (e.make) result.push_back(&e);
  return result;
}

std::string messageOf(orvo::exception* e) {
  std::unique_ptr<orvo::exception> owned(e);
  return toStd(*owned->message());
}

// Empty when the octets decode and re-encode soundly or are refused with an
// orvo::exception; otherwise what went wrong.
std::string damageFinding(const catalogueEntry& type, const octets& data) {
  std::unique_ptr<asn::object> value(type.make());
  try {
    asn::per::codec decoder(data.data(), unsigned(data.size()));
    value->decode(decoder);
  } catch (orvo::exception* e) {
    delete e;
    return "";
  } catch (...) {
    return "decoding threw something other than an orvo::exception";
  }
  octets first, second;
  try {
    first = perOctets(*value);
  } catch (orvo::exception* e) {
    return "a decoded value does not encode: " + messageOf(e);
  }
  std::unique_ptr<asn::object> again(type.make());
  try {
    perDecode(*again, first);
    second = perOctets(*again);
  } catch (orvo::exception* e) {
    return "our own encoding " + hexText(first) + " does not decode and encode: " + messageOf(e);
  }
  if (first != second) return "encodings differ: " + hexText(first) + " then " + hexText(second);
  return "";
}

}  // namespace

// One test per type, so that they run side by side.
class everyPrefix : public testing::TestWithParam<const catalogueEntry*> {};

TEST_P(everyPrefix, ofEveryRoundTripEncodingDecodesOrFailsCleanly) {
  for (const encoding& e : roundTripEncodings(*GetParam())) {
    for (size_t length = 0; length < e.data.size(); ++length) {
      octets prefix(e.data.begin(), e.data.begin() + length);
      std::string finding = damageFinding(*e.type, prefix);
      EXPECT_EQ(finding, "") << e.origin << ", first " << length << " octets of " << hexText(e.data);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(damagedMessages, everyPrefix, testing::ValuesIn(typesWithClasses()),
                         [](const testing::TestParamInfo<const catalogueEntry*>& info) {
                           std::string name;
                           for (const char* p = info.param->name; *p; ++p)
                             name += std::isalnum((unsigned char)*p) ? *p : '_';
                           return name;
                         });

TEST(damagedMessages, everySingleBitFlipOfWholeMessagesDecodesOrFailsCleanly) {
  // The H.450.1 APDUs, and the largest encoding of each module up to a
  // size that keeps the sanitizer build quick.
  constexpr size_t largestFlipped = 160;
  std::vector<encoding> chosen;
  for (const moduleCatalogue& module : allCatalogues()) {
    std::vector<encoding> all;
    for (const catalogueEntry& type : *module.entries) {
      if (!type.make) continue;
      for (encoding& e : roundTripEncodings(type)) {
        if (e.origin.rfind("vector ", 0) == 0 && type.name == std::string("H4501::supplementaryService"))
          chosen.push_back(e);
        else if (e.data.size() <= largestFlipped)
          all.push_back(e);
      }
    }
    auto largest = std::max_element(all.begin(), all.end(),
                                    [](const encoding& a, const encoding& b) { return a.data.size() < b.data.size(); });
    if (largest != all.end()) chosen.push_back(*largest);
  }
  ASSERT_EQ(chosen.size(), apduVectors().size() + allCatalogues().size());
  // And the messages a gatekeeper meets most: a keep-alive registration, an
  // admission request with tokens and a fast-start Setup.
  for (const catalogueEntry& type : catalogueOf("H225"))
    for (encoding& e : roundTripEncodings(type))
      if (e.origin == "sample lightweight RRQ" || e.origin == "sample ARQ with call identifier and tokens" ||
          e.origin == "sample Setup with fast start, H.245 control and H.450")
        chosen.push_back(e);
  // The H.245 messages of a call: its capability set and a channel opened.
  for (const catalogueEntry& type : catalogueOf("H245"))
    for (encoding& e : roundTripEncodings(type))
      if (e.origin == "sample TerminalCapabilitySet with G.711 and H.263" ||
          e.origin == "sample OpenLogicalChannel with H.225.0 parameters")
        chosen.push_back(e);
  ASSERT_EQ(chosen.size(), apduVectors().size() + allCatalogues().size() + 5);
  size_t flips = 0;
  for (const encoding& e : chosen) {
    for (size_t bit = 0; bit < e.data.size() * 8; ++bit) {
      octets damaged = e.data;
      damaged[bit / 8] ^= (unsigned char)(0x80 >> (bit % 8));
      std::string finding = damageFinding(*e.type, damaged);
      EXPECT_EQ(finding, "") << e.origin << ", bit " << bit << " of " << hexText(e.data);
      ++flips;
    }
  }
  EXPECT_GT(flips, 1000u);
}

// Inputs that the fuzz targets found; each failed before its fix.
TEST(damagedMessages, findingsOfTheFuzzTargetsStayFixed) {
  // A string of 8-bit codes carrying 0xff, outside its alphabet: it once
  // decoded into a value that could not be encoded again.
  std::unique_ptr<asn::object> apdu(new H4501::supplementaryService);
  octets input = hexOctets("64 20 00 05 00 02 ff 02 63 20 01 c0 01 bf 02 02 00 c0 60 00 00 05 40 01 00");
  asn::per::codec decoder(input.data(), unsigned(input.size()));
  apdu->decode(decoder);
  // Unknown additions it carries are not written again; the rest, 0xff
  // included, is.
  octets written = perOctets(*apdu);
  EXPECT_EQ(hexText(written), "64 20 00 05 00 02 ff 02 63 20 01 c0 01 bf 00 02 00 c0");
  std::unique_ptr<asn::object> again(new H4501::supplementaryService);
  asn::per::codec rereader(written.data(), unsigned(written.size()));
  again->decode(rereader);
  EXPECT_TRUE(again->isEqual(*apdu));
}
