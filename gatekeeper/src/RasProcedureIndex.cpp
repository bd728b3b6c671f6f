#include <gatekeeper/RasProcedureIndex.h>

void TRasProcedureIndex::Attached(TProcessor* AProcedure) {
  if (Places.count(AProcedure)) return;
  TPlace& place = Places[AProcedure];
  place.Order = NextOrder++;
  Unkeyed.emplace(place.Order, AProcedure);
}

void TRasProcedureIndex::Leave(TProcessor*, const TPlace& APlace) {
  if (!APlace.Keyed) {
    Unkeyed.erase(APlace.Order);
    return;
  }
  const auto bucket = BySequence.find(APlace.Sequence);
  if (bucket == BySequence.end()) return;
  bucket->second.erase(APlace.Order);
  if (bucket->second.empty()) BySequence.erase(bucket);
}

void TRasProcedureIndex::Detached(TProcessor* AProcedure) {
  const auto found = Places.find(AProcedure);
  if (found == Places.end()) return;
  Leave(AProcedure, found->second);
  Places.erase(found);
}

void TRasProcedureIndex::Key(TProcessor* AProcedure, unsigned ASequence) {
  const auto found = Places.find(AProcedure);
  if (found == Places.end()) return;
  TPlace& place = found->second;
  if (place.Keyed && place.Sequence == ASequence) return;
  Leave(AProcedure, place);
  place.Keyed = true;
  place.Sequence = ASequence;
  BySequence[ASequence].emplace(place.Order, AProcedure);
}

std::vector<TProcessor*> TRasProcedureIndex::OfferedAnswer(unsigned ASequence) const {
  std::vector<TProcessor*> offered;
  const auto bucket = BySequence.find(ASequence);
  if (bucket == BySequence.end()) {
    for (const auto& entry : Unkeyed) offered.push_back(entry.second);
    return offered;
  }
  // Two ordered runs merged into one.
  auto a = Unkeyed.begin(), b = bucket->second.begin();
  while (a != Unkeyed.end() || b != bucket->second.end()) {
    if (b == bucket->second.end() || (a != Unkeyed.end() && a->first < b->first))
      offered.push_back((a++)->second);
    else
      offered.push_back((b++)->second);
  }
  return offered;
}
