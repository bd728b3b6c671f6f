#include <gatekeeper/RegistrationIndex.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include <orvo/socketAddress.h>

#include <config/User.h>
#include <h323/alias.h>

#include <gatekeeper/Endpoint.h>

void TRegistrationIndex::TBucket::Insert(uint64_t AOrder, TEndpointRegisterInfo* ARegistration) {
  if (!First.second) {
    First = {AOrder, ARegistration};
    return;
  }
  TEntry entry{AOrder, ARegistration};
  if (AOrder < First.first) std::swap(entry, First);
  More.insert(std::upper_bound(More.begin(), More.end(), entry,
                               [](const TEntry& A, const TEntry& B) { return A.first < B.first; }),
              entry);
}

void TRegistrationIndex::TBucket::Erase(uint64_t AOrder) {
  if (First.second && First.first == AOrder) {
    if (More.empty()) {
      First = {0, nullptr};
    } else {
      First = More.front();
      More.erase(More.begin());
    }
  } else {
    const auto at = std::lower_bound(More.begin(), More.end(), TEntry{AOrder, nullptr},
                                     [](const TEntry& A, const TEntry& B) { return A.first < B.first; });
    if (at != More.end() && at->first == AOrder) More.erase(at);
  }
  if (More.empty() && More.capacity() != 0) std::vector<TEntry>().swap(More);
}

uint64_t TRegistrationIndex::TextKey(const char* AText, size_t ALength) {
  return std::hash<std::string_view>()(std::string_view(AText ? AText : "", ALength));
}

uint64_t TRegistrationIndex::AliasKey(const H225::aliasAddress& AAlias) {
  const orvo::string text = H323::aliasToString(AAlias);
  return TextKey(text.buffer(), text.length()) * 31 + AAlias.index();
}

uint64_t TRegistrationIndex::AddressKey(const sockaddr_in& AAddress) {
  return (uint64_t(AAddress.sin_addr.s_addr) << 16) | AAddress.sin_port;
}

template <class TMap, class TKey>
void TRegistrationIndex::EraseFrom(TMap& AMap, const TKey& AKey, uint64_t AOrder) {
  const auto found = AMap.find(AKey);
  if (found == AMap.end()) return;
  found->second.erase(AOrder);
  if (found->second.empty()) AMap.erase(found);
}

namespace {

// The same for the inline buckets.
template <class TMap, class TKey>
void EraseFromBucket(TMap& AMap, const TKey& AKey, uint64_t AOrder) {
  const auto found = AMap.find(AKey);
  if (found == AMap.end()) return;
  found->second.Erase(AOrder);
  if (found->second.Empty()) AMap.erase(found);
}

template <class TValue>
void EraseFromBucket(TOpenHashMap<TValue>& AMap, uint64_t AKey, uint64_t AOrder) {
  TValue* bucket = AMap.Find(AKey);
  if (!bucket) return;
  bucket->Erase(AOrder);
  if (bucket->Empty()) AMap.Erase(AKey);
}

}  // namespace

TRegistrationIndex::TKeys TRegistrationIndex::KeysOf(TEndpointRegisterInfo* ARegistration, uint64_t AOrder) {
  TKeys keys;
  keys.Order = AOrder;
  const orvo::string& identifier = ARegistration->BuiltIdentifier();
  keys.Built = identifier.length() != 0;
  keys.Identifier = keys.Built ? TextKey(identifier.buffer(), identifier.length()) : 0;
  keys.Address = AddressKey(ARegistration->CallSignalAddress);
  keys.Host = ARegistration->CallSignalAddress.sin_addr.s_addr;
  for (const H225::aliasAddress* alias : ARegistration->Aliases) {
    const uint64_t key = AliasKey(*alias);
    // Equal aliases (or colliding ones) of one record give one entry.
    if (std::find(keys.Aliases.begin(), keys.Aliases.end(), key) == keys.Aliases.end()) keys.Aliases.push_back(key);
  }
  keys.Aliases.shrink_to_fit();
  keys.User = ARegistration->User();
  RuleValuesOf(ARegistration, keys);
  return keys;
}

namespace {

// A text that an anchored pattern matches only as itself.
bool PlainText(const orvo::string& AText) {
  for (unsigned i = 0; i < AText.length(); ++i) {
    const char c = AText.charAt(i);
    if (c == '\0' || std::strchr("\\[](){}*+?|.^$", c)) return false;
  }
  return true;
}

}  // namespace

void TRegistrationIndex::RuleValuesOf(TEndpointRegisterInfo* ARegistration, TKeys& AKeys) {
  if (!AKeys.User) return;
  for (const TAliasExp* rule : AKeys.User->AliasRules()) {
    if (rule->Pattern.IsLiteral()) continue;
    // Looked up as the rule itself will look it up, in the record's scope.
    const TVariable* value = ARegistration->Variables().Find(rule->Pattern.Name());
    if (!value || !PlainText(value->Value())) {
      AKeys.PatternRules = true;
      continue;
    }
    const uint64_t key = RuleValueKey(AKeys.User, value->Value());
    if (std::find(AKeys.RuleValues.begin(), AKeys.RuleValues.end(), key) == AKeys.RuleValues.end())
      AKeys.RuleValues.push_back(key);
  }
}

uint64_t TRegistrationIndex::RuleValueKey(const TUser* AUser, const orvo::string& AText) {
  return TextKey(AText.buffer(), AText.length()) ^ (uint64_t(reinterpret_cast<uintptr_t>(AUser)) * 0x9E3779B97F4A7C15ull);
}

const TRegistrationIndex::TBucket* TRegistrationIndex::WithRuleValue(const TUser* AUser,
                                                                     const orvo::string& AText) const {
  const auto found = FByRuleValue.find(RuleValueKey(AUser, AText));
  return found == FByRuleValue.end() ? nullptr : &found->second;
}

const TRegistrationIndex::TGroup* TRegistrationIndex::WithPatternRules(const TUser* AUser) const {
  const auto found = FWithPatternRules.find(AUser);
  return found == FWithPatternRules.end() ? nullptr : &found->second;
}

void TRegistrationIndex::Rekey(TEndpointRegisterInfo* ARegistration, const TKeys* AOld, const TKeys* ANew) {
  const bool identifierMoves = !AOld || !ANew || AOld->Built != ANew->Built || AOld->Identifier != ANew->Identifier;
  if (AOld && identifierMoves) {
    if (!AOld->Built)
      FUnbuilt.erase(AOld->Order);
    else
      EraseFromBucket(FByIdentifier, AOld->Identifier, AOld->Order);
  }
  if (AOld && (!ANew || AOld->Address != ANew->Address)) EraseFromBucket(FByAddress, AOld->Address, AOld->Order);
  if (AOld && (!ANew || AOld->Host != ANew->Host)) EraseFromBucket(FByHost, AOld->Host, AOld->Order);
  if (AOld && (!ANew || AOld->User != ANew->User)) EraseFrom(FByUser, AOld->User, AOld->Order);
  const bool rulesMove = !AOld || !ANew || AOld->User != ANew->User || AOld->RuleValues != ANew->RuleValues ||
                         AOld->PatternRules != ANew->PatternRules;
  if (AOld && rulesMove) {
    for (const uint64_t key : AOld->RuleValues) EraseFromBucket(FByRuleValue, key, AOld->Order);
    if (AOld->PatternRules) EraseFrom(FWithPatternRules, AOld->User, AOld->Order);
  }
  if (AOld)
    for (const uint64_t key : AOld->Aliases)
      if (!ANew || std::find(ANew->Aliases.begin(), ANew->Aliases.end(), key) == ANew->Aliases.end())
        EraseFromBucket(FByAlias, key, AOld->Order);
  if (!ANew) return;
  if (identifierMoves) {
    if (!ANew->Built)
      FUnbuilt.emplace(ANew->Order, ARegistration);
    else
      FByIdentifier[ANew->Identifier].Insert(ANew->Order, ARegistration);
  }
  if (!AOld || AOld->Address != ANew->Address) FByAddress[ANew->Address].Insert(ANew->Order, ARegistration);
  if (!AOld || AOld->Host != ANew->Host) FByHost[ANew->Host].Insert(ANew->Order, ARegistration);
  if (!AOld || AOld->User != ANew->User) FByUser[ANew->User].emplace(ANew->Order, ARegistration);
  for (const uint64_t key : ANew->Aliases)
    if (!AOld || std::find(AOld->Aliases.begin(), AOld->Aliases.end(), key) == AOld->Aliases.end())
      FByAlias[key].Insert(ANew->Order, ARegistration);
  if (rulesMove) {
    for (const uint64_t key : ANew->RuleValues) FByRuleValue[key].Insert(ANew->Order, ARegistration);
    if (ANew->PatternRules) FWithPatternRules[ANew->User].emplace(ANew->Order, ARegistration);
  }
}

void TRegistrationIndex::Attached(TEndpointRegisterInfo* ARegistration) {
  if (FKeys.count(ARegistration)) return;
  TKeys& keys = FKeys[ARegistration];
  keys = KeysOf(ARegistration, NextOrder++);
  Rekey(ARegistration, nullptr, &keys);
}

void TRegistrationIndex::Detached(TEndpointRegisterInfo* ARegistration) {
  const auto found = FKeys.find(ARegistration);
  if (found == FKeys.end()) return;
  Rekey(ARegistration, &found->second, nullptr);
  FKeys.erase(found);
}

void TRegistrationIndex::Update(TEndpointRegisterInfo* ARegistration) {
  const auto found = FKeys.find(ARegistration);
  if (found == FKeys.end()) return;
  TKeys keys = KeysOf(ARegistration, found->second.Order);
  Rekey(ARegistration, &found->second, &keys);
  found->second = std::move(keys);
}

TEndpointRegisterInfo* TRegistrationIndex::ByIdentifier(const std::string& AIdentifier) {
  const uint64_t key = TextKey(AIdentifier.data(), AIdentifier.size());
  auto builtMatch = [&]() -> TEndpointRegisterInfo* {
    const TBucket* found = FByIdentifier.Find(key);
    if (!found) return nullptr;
    return found->FirstThat([&](TEndpointRegisterInfo* ARegistration) {
      const orvo::string& text = ARegistration->BuiltIdentifier();
      return std::string_view(text.buffer() ? text.buffer() : "", text.length()) == AIdentifier;
    });
  };
  // The walk this replaces builds the identifier of every record it passes
  // before the match, and of none after it: so do the pending ones here.
  while (!FUnbuilt.empty()) {
    const auto pending = FUnbuilt.begin();
    TEndpointRegisterInfo* match = builtMatch();
    if (match && FKeys.at(match).Order < pending->first) return match;
    TEndpointRegisterInfo* registration = pending->second;
    registration->Identifier();  // re-keys it, which takes it out of the pending ones
    // A record of another core would not tell this index.
    if (!FUnbuilt.empty() && FUnbuilt.begin()->second == registration) Update(registration);
    if (!FUnbuilt.empty() && FUnbuilt.begin()->second == registration) FUnbuilt.erase(FUnbuilt.begin());
    const orvo::string& text = registration->BuiltIdentifier();
    if (std::string_view(text.buffer() ? text.buffer() : "", text.length()) == AIdentifier)
      return builtMatch();  // it, unless an earlier built record holds the same text
  }
  return builtMatch();
}

TEndpointRegisterInfo* TRegistrationIndex::ByCallSignalAddress(const sockaddr_in& AAddress,
                                                               bool ARegisteredOnly) const {
  const auto found = FByAddress.find(AddressKey(AAddress));
  if (found == FByAddress.end()) return nullptr;
  return found->second.FirstThat([&](TEndpointRegisterInfo* ARegistration) {
    return !ARegisteredOnly || (ARegistration->State() == TEndpointRegisterInfo::esRegistered &&
                                orvo::operator==(ARegistration->CallSignalAddress, AAddress));
  });
}

TEndpointRegisterInfo* TRegistrationIndex::ByAlias(const H225::aliasAddress& AAlias) const {
  const auto found = FByAlias.find(AliasKey(AAlias));
  if (found == FByAlias.end()) return nullptr;
  return found->second.FirstThat([&](TEndpointRegisterInfo* ARegistration) {
    if (ARegistration->State() != TEndpointRegisterInfo::esRegistered) return false;
    for (const H225::aliasAddress* alias : ARegistration->Aliases)
      if (H323::aliasEquals(*alias, AAlias)) return true;
    return false;
  });
}

const TRegistrationIndex::TBucket* TRegistrationIndex::OnHost(in_addr_t AAddress) const {
  const auto found = FByHost.find(AAddress);
  return found == FByHost.end() ? nullptr : &found->second;
}

const TRegistrationIndex::TGroup* TRegistrationIndex::OfUser(const TUser* AUser) const {
  const auto found = FByUser.find(AUser);
  return found == FByUser.end() ? nullptr : &found->second;
}

std::vector<TEndpointRegisterInfo*> TRegistrationIndex::AnsweringFor(const sockaddr_in& AAddress, size_t ALimit) const {
  std::vector<std::pair<uint64_t, TEndpointRegisterInfo*>> found;
  auto registered = [](const TEndpointRegisterInfo* ARegistration) {
    return ARegistration->State() == TEndpointRegisterInfo::esRegistered && ARegistration->User();
  };
  if (const TBucket* host = OnHost(AAddress.sin_addr.s_addr))
    host->FirstThat([&](TEndpointRegisterInfo* ARegistration) {
      if (!registered(ARegistration) || ARegistration->User()->HasStaticAddress()) return false;
      found.emplace_back(FKeys.at(ARegistration).Order, ARegistration);
      return found.size() == ALimit;
    });
  for (const auto& user : FByUser) {
    if (!user.first || !user.first->HasStaticAddress() || !user.first->IsAddressAllowed(AAddress)) continue;
    for (const auto& entry : user.second)
      if (registered(entry.second)) found.push_back(entry);
  }
  std::sort(found.begin(), found.end());
  std::vector<TEndpointRegisterInfo*> first;
  for (size_t i = 0; i < found.size() && i < ALimit; ++i) first.push_back(found[i].second);
  return first;
}
