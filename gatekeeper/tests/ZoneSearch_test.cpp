// The zone path's walk against the plain depth-first walk it replaces, and
// its cost where the plain walk's explodes.
#include <gatekeeper/ZoneSearch.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include <config/Zone.h>

namespace {

// The walk as first written: the zones on the way (and the start) are
// barred, nothing else is remembered, so a zone is entered again from every
// other way that reaches it.
bool PlainWalk(TZone* AZone, TZone* AStart, TZone* ATarget, std::vector<TZone*>& AWay, size_t& ADescents) {
  for (TZone* next : AZone->LinkedZones()) {
    if (next == ATarget) return true;
    if (next == AStart || std::find(AWay.begin(), AWay.end(), next) != AWay.end()) continue;
    ++ADescents;
    AWay.push_back(next);
    if (PlainWalk(next, AStart, ATarget, AWay, ADescents)) return true;
    AWay.pop_back();
  }
  return false;
}

struct TZones {
  explicit TZones(size_t ACount) {
    for (size_t i = 0; i < ACount; ++i) All.emplace_back(new TZone(orvo::string(std::to_string(i).c_str())));
  }
  TZone* operator[](size_t AIndex) const { return All[AIndex].get(); }
  std::string Names(const std::vector<TZone*>& AWay) const {
    std::string text;
    for (const TZone* zone : AWay) text += std::string(zone->Identifier().buffer()) + " ";
    return text;
  }
  std::vector<std::unique_ptr<TZone>> All;
};

}  // namespace

// Random graphs of up to 9 zones, links one way or both, in random order,
// sometimes doubled or to the zone itself: every pair gives the plain walk's
// way, entering no zone twice.
TEST(ZoneSearch, SameWayAsThePlainWalkOnRandomGraphs) {
  std::mt19937 random(3917);
  for (int graph = 0; graph < 400; ++graph) {
    const size_t count = 2 + random() % 8;
    TZones z(count);
    const unsigned density = random() % 100;
    for (size_t a = 0; a < count; ++a)
      for (size_t tries = 0; tries < count; ++tries)
        if (random() % 100 < density) z[a]->AddLinkedZone(z[random() % count]);
    for (size_t from = 0; from < count; ++from)
      for (size_t to = 0; to < count; ++to) {
        if (from == to) continue;
        std::vector<TZone*> plain;
        size_t plainDescents = 0;
        if (!PlainWalk(z[from], z[from], z[to], plain, plainDescents)) plain.clear();
        size_t descents = 0;
        ASSERT_EQ(z.Names(plain), z.Names(ZonesBetween(z[from], z[to], &descents)))
            << "graph " << graph << ": " << from << "->" << to;
        ASSERT_LE(descents, count - 1) << "graph " << graph << ": " << from << "->" << to;
        ASSERT_LE(descents, plainDescents) << "graph " << graph << ": " << from << "->" << to;
      }
  }
}

// The caller's zone in a fully linked group, the callee's linked to
// nothing, each pair joined by a link zone as the configuration makes them:
// every zone and link is entered once (27), where the plain walk enters
// them once for every way through the group (11,742 times).
TEST(ZoneSearch, FullyLinkedGroupIsWalkedOnce) {
  const size_t group = 7;
  TZones z(group + 1);
  std::vector<std::unique_ptr<TZone>> links;
  for (size_t a = 0; a < group; ++a)
    for (size_t b = a + 1; b < group; ++b) {
      links.emplace_back(new TZone("link"));
      z[a]->AddLinkedZone(links.back().get());
      links.back()->AddLinkedZone(z[a]);
      z[b]->AddLinkedZone(links.back().get());
      links.back()->AddLinkedZone(z[b]);
    }
  size_t descents = 0;
  EXPECT_EQ("", z.Names(ZonesBetween(z[0], z[group], &descents)));
  EXPECT_EQ(group - 1 + links.size(), descents);
}
