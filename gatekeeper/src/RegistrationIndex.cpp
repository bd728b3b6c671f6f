#include <gatekeeper/RegistrationIndex.h>

#include <algorithm>

#include <orvo/socketAddress.h>

#include <config/User.h>
#include <h323/alias.h>

#include <gatekeeper/Endpoint.h>

std::string TRegistrationIndex::AliasKey(const H225::aliasAddress& AAlias) {
  const orvo::string text = H323::aliasToString(AAlias);
  std::string key(1, char(AAlias.index()));
  key.append(text.buffer() ? text.buffer() : "", text.length());
  return key;
}

uint64_t TRegistrationIndex::AddressKey(const sockaddr_in& AAddress) {
  return (uint64_t(AAddress.sin_addr.s_addr) << 16) | AAddress.sin_port;
}

void TRegistrationIndex::Put(TBucket& ABucket, TEndpointRegisterInfo* ARegistration, uint64_t AOrder) {
  // Mostly an append: records come in list order; a re-keyed one goes back
  // to its place.
  auto at = ABucket.end();
  while (at != ABucket.begin() && OrderOf(*(at - 1)) > AOrder) --at;
  if (at != ABucket.begin() && *(at - 1) == ARegistration) return;
  ABucket.insert(at, ARegistration);
}

void TRegistrationIndex::Take(TBucket& ABucket, TEndpointRegisterInfo* ARegistration) {
  const auto at = std::find(ABucket.begin(), ABucket.end(), ARegistration);
  if (at != ABucket.end()) ABucket.erase(at);
}

template <class TMap, class TKey>
void TRegistrationIndex::TakeFrom(TMap& AMap, const TKey& AKey, TEndpointRegisterInfo* ARegistration) {
  const auto found = AMap.find(AKey);
  if (found == AMap.end()) return;
  Take(found->second, ARegistration);
  if (found->second.empty()) AMap.erase(found);
}

uint64_t TRegistrationIndex::OrderOf(const TEndpointRegisterInfo* ARegistration) const {
  const auto found = FKeys.find(ARegistration);
  return found == FKeys.end() ? 0 : found->second.Order;
}

TRegistrationIndex::TKeys TRegistrationIndex::KeysOf(TEndpointRegisterInfo* ARegistration, uint64_t AOrder) {
  TKeys keys;
  keys.Order = AOrder;
  const orvo::string& identifier = ARegistration->BuiltIdentifier();
  keys.Identifier.assign(identifier.buffer() ? identifier.buffer() : "", identifier.length());
  keys.Address = AddressKey(ARegistration->CallSignalAddress);
  keys.Host = ARegistration->CallSignalAddress.sin_addr.s_addr;
  for (const H225::aliasAddress* alias : ARegistration->Aliases) {
    std::string key = AliasKey(*alias);
    // Two equal aliases of one record give one entry.
    if (std::find(keys.Aliases.begin(), keys.Aliases.end(), key) == keys.Aliases.end())
      keys.Aliases.push_back(std::move(key));
  }
  keys.User = ARegistration->User();
  return keys;
}

template <class TMap, class TKey>
void TRegistrationIndex::TakeFromGroup(TMap& AMap, const TKey& AKey, uint64_t AOrder) {
  const auto found = AMap.find(AKey);
  if (found == AMap.end()) return;
  found->second.erase(AOrder);
  if (found->second.empty()) AMap.erase(found);
}

void TRegistrationIndex::Rekey(TEndpointRegisterInfo* ARegistration, const TKeys* AOld, const TKeys* ANew) {
  if (AOld && (!ANew || AOld->Identifier != ANew->Identifier)) {
    if (AOld->Identifier.empty())
      FUnbuilt.erase(AOld->Order);
    else
      TakeFrom(FByIdentifier, AOld->Identifier, ARegistration);
  }
  if (AOld && (!ANew || AOld->Address != ANew->Address)) TakeFrom(FByAddress, AOld->Address, ARegistration);
  if (AOld && (!ANew || AOld->Host != ANew->Host)) TakeFromGroup(FByHost, AOld->Host, AOld->Order);
  if (AOld && (!ANew || AOld->User != ANew->User)) TakeFromGroup(FByUser, AOld->User, AOld->Order);
  if (AOld)
    for (const std::string& key : AOld->Aliases)
      if (!ANew || std::find(ANew->Aliases.begin(), ANew->Aliases.end(), key) == ANew->Aliases.end())
        TakeFrom(FByAlias, key, ARegistration);
  if (!ANew) return;
  if (!AOld || AOld->Identifier != ANew->Identifier) {
    if (ANew->Identifier.empty())
      FUnbuilt.emplace(ANew->Order, ARegistration);
    else
      Put(FByIdentifier[ANew->Identifier], ARegistration, ANew->Order);
  }
  if (!AOld || AOld->Address != ANew->Address) Put(FByAddress[ANew->Address], ARegistration, ANew->Order);
  if (!AOld || AOld->Host != ANew->Host) FByHost[ANew->Host].emplace(ANew->Order, ARegistration);
  if (!AOld || AOld->User != ANew->User) FByUser[ANew->User].emplace(ANew->Order, ARegistration);
  for (const std::string& key : ANew->Aliases)
    if (!AOld || std::find(AOld->Aliases.begin(), AOld->Aliases.end(), key) == AOld->Aliases.end())
      Put(FByAlias[key], ARegistration, ANew->Order);
}

void TRegistrationIndex::Attached(TEndpointRegisterInfo* ARegistration) {
  if (FKeys.count(ARegistration)) return;
  // The order is known before the buckets are filled: Put reads it.
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
  // Building one re-keys it, which takes it out of the pending ones.
  while (!FUnbuilt.empty()) {
    const auto first = FUnbuilt.begin();
    TEndpointRegisterInfo* registration = first->second;
    registration->Identifier();
    // A record of another core would not tell this index.
    if (!FUnbuilt.empty() && FUnbuilt.begin()->second == registration) Update(registration);
    if (!FUnbuilt.empty() && FUnbuilt.begin()->second == registration) FUnbuilt.erase(FUnbuilt.begin());
  }
  const auto found = FByIdentifier.find(AIdentifier);
  return found == FByIdentifier.end() ? nullptr : found->second.front();
}

TEndpointRegisterInfo* TRegistrationIndex::ByCallSignalAddress(const sockaddr_in& AAddress,
                                                               bool ARegisteredOnly) const {
  const auto found = FByAddress.find(AddressKey(AAddress));
  if (found == FByAddress.end()) return nullptr;
  for (TEndpointRegisterInfo* registration : found->second) {
    if (ARegisteredOnly && registration->State() != TEndpointRegisterInfo::esRegistered) continue;
    if (ARegisteredOnly && !orvo::operator==(registration->CallSignalAddress, AAddress)) continue;
    return registration;
  }
  return nullptr;
}

TEndpointRegisterInfo* TRegistrationIndex::ByAlias(const H225::aliasAddress& AAlias) const {
  const auto found = FByAlias.find(AliasKey(AAlias));
  if (found == FByAlias.end()) return nullptr;
  for (TEndpointRegisterInfo* registration : found->second) {
    if (registration->State() != TEndpointRegisterInfo::esRegistered) continue;
    for (const H225::aliasAddress* alias : registration->Aliases)
      if (H323::aliasEquals(*alias, AAlias)) return registration;
  }
  return nullptr;
}

const TRegistrationIndex::TGroup* TRegistrationIndex::OnHost(in_addr_t AAddress) const {
  const auto found = FByHost.find(AAddress);
  return found == FByHost.end() ? nullptr : &found->second;
}

const TRegistrationIndex::TGroup* TRegistrationIndex::OfUser(const TUser* AUser) const {
  const auto found = FByUser.find(AUser);
  return found == FByUser.end() ? nullptr : &found->second;
}

std::vector<TEndpointRegisterInfo*> TRegistrationIndex::AnsweringFor(const sockaddr_in& AAddress,
                                                                     size_t ALimit) const {
  std::vector<std::pair<uint64_t, TEndpointRegisterInfo*>> found;
  auto registered = [](const TEndpointRegisterInfo* ARegistration) {
    return ARegistration->State() == TEndpointRegisterInfo::esRegistered && ARegistration->User();
  };
  if (const TGroup* host = OnHost(AAddress.sin_addr.s_addr))
    for (const auto& entry : *host) {
      if (!registered(entry.second) || entry.second->User()->HasStaticAddress()) continue;
      found.push_back(entry);
      if (found.size() == ALimit) break;
    }
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
