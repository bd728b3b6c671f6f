// Every generated type of every module, driven by the catalogue: default
// construction, deep copy, destruction, the PER round trip and the tag
// tables. The descriptors' names and counts are the generator's check.
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

// Names, counts and presence of the descriptors are the generator's to check
// against the rows (generate.py --check); what the runtime adds is checked
// here: the tag the generator wrote for an element is the tag a value of
// the element's type reports, and only pointer-held components can be set.
TEST_P(everyClass, tagTablesAgreeWithTheValuesTheyDescribe) {
  const catalogueEntry& e = *GetParam();
  std::unique_ptr<asn::object> value(e.make());
  if (auto* s = dynamic_cast<asn::sequence*>(value.get())) {
    const asn::sequenceDescriptor& d = s->descriptor();
    EXPECT_EQ(d.tag.number, 16u);
    for (unsigned i = 0; i < d.count; ++i) {
      const asn::componentEntry& c = d.components[i];
      EXPECT_EQ(c.set == nullptr, c.presence == asn::componentEntry::mandatory) << c.name;
      expectTag(d.componentTags, i, c.create, c.name);
    }
  } else if (auto* c = dynamic_cast<asn::choice*>(value.get())) {
    const asn::choiceDescriptor& d = c->descriptor();
    for (unsigned i = 0; i < d.count; ++i)
      expectTag(d.alternativeTags, i, d.alternatives[i].create, d.alternatives[i].name);
  }
}

// The codecs reach components by the offsets the generator wrote; they must
// name the very members that the accessor functions reach.
TEST_P(everyClass, componentOffsetsNameTheMembers) {
  const catalogueEntry& e = *GetParam();
  std::unique_ptr<asn::object> value(e.make());
  auto* s = dynamic_cast<asn::sequence*>(value.get());
  if (!s) return;
  const asn::sequenceDescriptor& d = s->descriptor();
  for (unsigned i = 0; i < d.count; ++i) {
    const asn::componentEntry& c = d.components[i];
    EXPECT_NE(0u, c.offset) << c.name;
    if (!c.heldByPointer()) {
      EXPECT_EQ(c.get(*s), c.component(*s)) << c.name;
      continue;
    }
    asn::object* held = c.create();
    c.set(*s, held);
    EXPECT_EQ(held, c.component(*s)) << c.name;
    c.storeComponent(*s, nullptr);
    EXPECT_EQ(nullptr, c.get(*s)) << c.name;
    c.storeComponent(*s, held);
    EXPECT_EQ(held, c.get(*s)) << c.name;
  }
}

// The codecs take the root and OPTIONAL counts from the descriptor instead
// of counting the entries: the generator must state them as the entries are.
TEST_P(everyClass, statedCountsAreThoseOfTheEntries) {
  const catalogueEntry& e = *GetParam();
  std::unique_ptr<asn::object> value(e.make());
  auto* s = dynamic_cast<asn::sequence*>(value.get());
  if (!s) return;
  const asn::sequenceDescriptor& d = s->descriptor();
  unsigned roots = 0, optionals = 0;
  uint32_t mask = 0;
  while (roots < d.count && !d.components[roots].isAddition()) {
    if (d.components[roots].isOptional()) {
      ++optionals;
      mask |= 1u << roots;
    }
    ++roots;
  }
  for (unsigned i = roots; i < d.count; ++i) EXPECT_TRUE(d.components[i].isAddition()) << d.components[i].name;
  EXPECT_EQ(roots, d.rootCount);
  EXPECT_EQ(optionals, d.optionalCount);
  EXPECT_EQ(mask, d.optionalRoots);
  // Every component is decoded without its virtual decode.
  for (unsigned i = 0; i < d.count; ++i) EXPECT_NE(nullptr, d.components[i].decodePer) << d.components[i].name;
  EXPECT_EQ(e.rootCount, d.rootCount);
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
