#include <gatekeeper/ConnectionIndex.h>

#include <string_view>

#include <gatekeeper/Connection.h>

uint64_t TConnectionIndex::KeyOf(const asn::octetStringBase& AOctets) {
  return std::hash<std::string_view>()(
      std::string_view(reinterpret_cast<const char*>(AOctets.data()), AOctets.length()));
}

void TConnectionIndex::Attached(TConnection* AConnection) {
  AConnection->Recount();
  if (Places.count(AConnection)) return;
  TPlace& place = Places[AConnection];
  place.Order = NextOrder++;
  place.Conference = KeyOf(AConnection->ConferenceID());
  ByConference[place.Conference].emplace(place.Order, AConnection);
  CallIdentifierAttached(AConnection);
}

void TConnectionIndex::CallIdentifierAttached(TConnection* AConnection) {
  const auto found = Places.find(AConnection);
  if (found == Places.end() || found->second.HasCall || !AConnection->CallIdentifier()) return;
  TPlace& place = found->second;
  place.HasCall = true;
  place.Call = KeyOf(AConnection->CallIdentifier()->guid);
  ByCall[place.Call].emplace(place.Order, AConnection);
}

void TConnectionIndex::Erase(std::unordered_map<uint64_t, TGroup>& AMap, uint64_t AKey, uint64_t AOrder) {
  const auto found = AMap.find(AKey);
  if (found == AMap.end()) return;
  found->second.erase(AOrder);
  if (found->second.empty()) AMap.erase(found);
}

void TConnectionIndex::Detached(TConnection* AConnection) {
  AConnection->Recount();
  const auto found = Places.find(AConnection);
  if (found == Places.end()) return;
  Erase(ByConference, found->second.Conference, found->second.Order);
  if (found->second.HasCall) Erase(ByCall, found->second.Call, found->second.Order);
  Places.erase(found);
}

std::vector<TConnection*> TConnectionIndex::Members(const std::unordered_map<uint64_t, TGroup>& AMap, uint64_t AKey) {
  std::vector<TConnection*> members;
  const auto found = AMap.find(AKey);
  if (found != AMap.end())
    for (const auto& entry : found->second) members.push_back(entry.second);
  return members;
}

std::vector<TConnection*> TConnectionIndex::InConference(const asn::octetStringBase& AConferenceID) const {
  return Members(ByConference, KeyOf(AConferenceID));
}

std::vector<TConnection*> TConnectionIndex::WithCallIdentifier(const asn::octetStringBase& AGuid) const {
  return Members(ByCall, KeyOf(AGuid));
}
