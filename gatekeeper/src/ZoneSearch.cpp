#include <gatekeeper/ZoneSearch.h>

#include <unordered_set>

#include <config/Zone.h>

std::vector<TZone*> ZonesBetween(TZone* AFrom, TZone* ATo, size_t* ADescents) {
  // A zone is entered at most once. While it is on the way it is barred
  // anyway. Once the walk has backed out of it, no way on from it avoided
  // the zones then on the way; a way on from it found later would have to
  // pass one of those zones that the walk has left meanwhile, and the last
  // such zone on that way had found no way on either, with fewer barred.
  std::unordered_set<const TZone*> entered{AFrom};
  struct TLevel {
    orvo::list<TZone>::iterator Next, End;
  };
  std::vector<TLevel> levels{{AFrom->LinkedZones().begin(), AFrom->LinkedZones().end()}};
  std::vector<TZone*> way;  // the zones entered below AFrom, one per level but the first
  size_t descents = 0;
  while (!levels.empty()) {
    TLevel& level = levels.back();
    if (level.Next == level.End) {
      levels.pop_back();
      if (!levels.empty()) way.pop_back();
      continue;
    }
    TZone* next = *level.Next;
    ++level.Next;
    if (next == ATo) break;
    if (!entered.insert(next).second) continue;
    ++descents;
    way.push_back(next);
    levels.push_back({next->LinkedZones().begin(), next->LinkedZones().end()});
  }
  if (ADescents) *ADescents = descents;
  return way;  // empty when the walk backed out of AFrom
}
