// Every generated type of every module, driven by the catalogue: descriptor
// contents as the type headings and lists state them, default construction,
// deep copy, destruction and the PER round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include <asn/perCodec.h>
#include <orvo/exception.h>

#include "orvoTesting.h"
#include "typeCatalogue.h"
#include "valueFiller.h"

namespace {

// The tag table entry of a component or alternative is what a value of its
// type reports.
void expectTag(const asn::tagTriple* table, unsigned i, asn::createFunction create, const char* name) {
  ASSERT_NE(table, nullptr) << name;
  std::unique_ptr<asn::object> value(create());
  const asn::tagTriple& tag = value->tag();
  EXPECT_EQ(table[i].tagClass, tag.tagClass) << name;
  EXPECT_EQ(table[i].number, tag.number) << name;
  EXPECT_EQ(table[i].flag, tag.flag) << name;
}

std::vector<const catalogueEntry*> everyType() {
  std::vector<const catalogueEntry*> all;
  for (const moduleCatalogue& module : allCatalogues())
    for (const catalogueEntry& e : *module.entries) all.push_back(&e);
  return all;
}

std::vector<const catalogueEntry*> typesWithClasses() {
  std::vector<const catalogueEntry*> result;
  for (const catalogueEntry* e : everyType())
    if (e->make) result.push_back(e);
  return result;
}

std::string testName(const testing::TestParamInfo<const catalogueEntry*>& info) {
  std::string name;
  for (const char* p = info.param->name; *p; ++p) name += std::isalnum((unsigned char)*p) ? *p : '_';
  return name;
}

// Runs a statement that may throw the library's heap exceptions; turns them into a failure.
template <class F>
bool noException(F f, std::string* message) {
  try {
    f();
    return true;
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    *message = toStd(*owned->message());
    return false;
  }
}

}  // namespace

class everyDescriptor : public testing::TestWithParam<const catalogueEntry*> {};

TEST_P(everyDescriptor, holdsTheCountsAndNamesOfItsList) {
  const catalogueEntry& e = *GetParam();
  ASSERT_EQ(e.elements.size(), e.rootCount + e.extensionCount);
  std::string kind = e.kind;
  if (kind == "SEQUENCE") {
    const auto& d = *static_cast<const asn::sequenceDescriptor*>(e.record);
    ASSERT_EQ(d.count, e.elements.size());
    EXPECT_EQ(d.extensible != 0, e.extensible);
    EXPECT_EQ(d.tag.number, 16u);
    unsigned additions = 0;
    for (unsigned i = 0; i < d.count; ++i) {
      EXPECT_STREQ(d.components[i].name, e.elements[i]);
      EXPECT_EQ(d.components[i].presence, e.detail[i]) << e.elements[i];
      EXPECT_NE(d.components[i].create, nullptr);
      EXPECT_EQ(d.components[i].set == nullptr, d.components[i].presence == 0) << e.elements[i];
      expectTag(d.componentTags, i, d.components[i].create, e.elements[i]);
      if (d.components[i].isAddition()) ++additions;
      else EXPECT_EQ(additions, 0u) << "root component after an addition: " << e.elements[i];
    }
    EXPECT_EQ(additions, e.extensionCount);
  } else if (kind == "CHOICE") {
    const auto& d = *static_cast<const asn::choiceDescriptor*>(e.record);
    ASSERT_EQ(d.count, e.elements.size());
    EXPECT_EQ(d.rootCount, e.rootCount);
    EXPECT_EQ(d.extensible != 0, e.extensible);
    for (unsigned i = 0; i < d.count; ++i) {
      EXPECT_STREQ(d.alternatives[i].name, e.elements[i]);
      EXPECT_NE(d.alternatives[i].create, nullptr);
      expectTag(d.alternativeTags, i, d.alternatives[i].create, e.elements[i]);
    }
  } else if (kind == "ENUMERATED") {
    const auto& d = *static_cast<const asn::enumeratedDescriptor*>(e.record);
    ASSERT_EQ(d.count, e.elements.size());
    EXPECT_EQ(d.rootCount, e.rootCount);
    EXPECT_EQ(d.extensible != 0, e.extensible);
    for (unsigned i = 0; i < d.count; ++i) {
      EXPECT_STREQ(d.values[i].name, e.elements[i]);
      EXPECT_EQ(d.values[i].value, e.detail[i]);
    }
  } else {
    ASSERT_EQ(kind, "INTEGER");
    const auto& d = *static_cast<const asn::typeInfo*>(e.record);
    ASSERT_EQ(d.namedCount, e.elements.size());
    EXPECT_EQ(d.lowerBound, 0u);
    EXPECT_EQ(d.upperBound, 0u);
    for (unsigned i = 0; i < d.namedCount; ++i) EXPECT_STREQ(d.namedValues[i].name, e.elements[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(allModules, everyDescriptor, testing::ValuesIn(everyType()), testName);

class everyClass : public testing::TestWithParam<const catalogueEntry*> {};

TEST_P(everyClass, defaultValueIsEmptyAndCreateMakesOne) {
  const catalogueEntry& e = *GetParam();
  std::unique_ptr<asn::object> value(e.make());
  EXPECT_EQ(value->record(), e.record);
  if (auto* s = dynamic_cast<asn::sequence*>(value.get())) {
    const asn::sequenceDescriptor& d = s->descriptor();
    for (unsigned i = 0; i < d.count; ++i) {
      if (d.components[i].heldByPointer())
        EXPECT_EQ(s->component(i), nullptr) << d.components[i].name;
      else
        EXPECT_NE(s->component(i), nullptr) << d.components[i].name;
    }
    EXPECT_FALSE(s->hasAdditions());
    EXPECT_EQ(s->unknown(), nullptr);
  }
  if (auto* c = dynamic_cast<asn::choice*>(value.get())) {
    EXPECT_EQ(c->index(), -1);
    EXPECT_EQ(c->alternative(), nullptr);
  }
  if (e.create) {
    std::unique_ptr<asn::object> created(e.create());
    EXPECT_EQ(created->record(), e.record);
  }
}

TEST_P(everyClass, copyIsDeepAndIndependentOfItsSource) {
  const catalogueEntry& e = *GetParam();
  for (unsigned variant = 0; variant < 3; ++variant) {
    std::unique_ptr<asn::object> source(e.make()), expected(e.make());
    valueFiller(variant).fill(*source);
    valueFiller(variant).fill(*expected);
    std::unique_ptr<asn::object> copy(e.copy(*source));
    EXPECT_TRUE(copy->isEqual(*source));
    // Changing and then destroying the source leaves the copy as it was.
    valueFiller(variant + 1).fill(*source);
    source.reset();
    EXPECT_TRUE(copy->isEqual(*expected)) << "variant " << variant;
  }
}

TEST_P(everyClass, roundTripsThroughPer) {
  const catalogueEntry& e = *GetParam();
  unsigned variants = 1;
  for (unsigned variant = 0; variant < variants; ++variant) {
    std::unique_ptr<asn::object> value(e.make());
    valueFiller filler(variant);
    filler.fill(*value);
    variants = std::max(3u, filler.widestChoice());
    std::vector<unsigned char> octets;
    std::string failure;
    ASSERT_TRUE(noException([&] { octets = perOctets(*value); }, &failure)) << "variant " << variant << ": " << failure;
    std::unique_ptr<asn::object> decoded(e.make());
    ASSERT_TRUE(noException([&] { perDecode(*decoded, octets); }, &failure))
        << "variant " << variant << ": " << failure << " decoding " << hexText(octets);
    EXPECT_TRUE(decoded->isEqual(*value)) << "variant " << variant << ": " << hexText(octets);
    EXPECT_EQ(hexText(perOctets(*decoded)), hexText(octets)) << "variant " << variant;
  }
}

INSTANTIATE_TEST_SUITE_P(allModules, everyClass, testing::ValuesIn(typesWithClasses()), testName);

TEST(catalogue, coversTheStatedNumberOfTypes) {
  // H.225.0: at least the 68 common types; H.235 with its template
  // instances and the descriptor-only key type; the whole H.245 module of
  // version 15: 277 SEQUENCE and 168 CHOICE classes, GenericInformation
  // among them as a repetition of GenericMessage's list.
  EXPECT_GE(catalogueOf("H225").size(), 68u);
  EXPECT_EQ(catalogueOf("H235").size(), 26u);
  EXPECT_EQ(catalogueOf("H245").size(), 445u);
  unsigned sequences = 0, choices = 0;
  for (const catalogueEntry& e : catalogueOf("H245")) {
    sequences += std::string(e.kind) == "SEQUENCE";
    choices += std::string(e.kind) == "CHOICE";
  }
  EXPECT_EQ(sequences, 277u);
  EXPECT_EQ(choices, 168u);
}
