// The core's registrations by endpoint identifier, call-signal address,
// host, alias and user, so that a request finds its registration without a
// walk of them all. Each key leads to the registrations that hold it in
// list order (the order of the core's list), so that "the first in list
// order" stays the first; the answers are those of the walk they replace.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

#include <h225/h225.h>

#include <gatekeeper/OpenHashMap.h>
#include <gatekeeper/Registry.h>

class TEndpointRegisterInfo;
class TUser;

class TRegistrationIndex : public TRegistry<TEndpointRegisterInfo>::TObserver {
public:
  // The holders of one key by place in the list. Nearly every key has one
  // holder, kept inline; a lookup checks the record itself, so that keys
  // may be hashes.
  class TBucket {
  public:
    typedef std::pair<uint64_t, TEndpointRegisterInfo*> TEntry;
    void Insert(uint64_t AOrder, TEndpointRegisterInfo* ARegistration);
    void Erase(uint64_t AOrder);
    bool Empty() const { return !First.second; }
    template <class TVisitor>
    void ForEach(TVisitor AVisit) const {
      if (First.second) AVisit(First);
      for (const TEntry& entry : More) AVisit(entry);
    }
    template <class TVisitor>
    TEndpointRegisterInfo* FirstThat(TVisitor ATest) const {
      if (First.second && ATest(First.second)) return First.second;
      for (const TEntry& entry : More)
        if (ATest(entry.second)) return entry.second;
      return nullptr;
    }

  private:
    TEntry First{0, nullptr};
    std::vector<TEntry> More;
  };
  // Many share a user: ordered by place in the list.
  typedef std::map<uint64_t, TEndpointRegisterInfo*> TGroup;

  TRegistrationIndex() = default;
  TRegistrationIndex(const TRegistrationIndex&) = delete;
  TRegistrationIndex& operator=(const TRegistrationIndex&) = delete;

  // The list's attach and detach.
  void Attached(TEndpointRegisterInfo* ARegistration) override;
  void Detached(TEndpointRegisterInfo* ARegistration) override;
  // Takes the record's keys afresh after a change of its aliases,
  // addresses, identifier or user; nothing for a record not in the list.
  void Update(TEndpointRegisterInfo* ARegistration);

  // The first registration, in any state, whose identifier is the text.
  // An identifier is built on first use; those not built yet are built
  // here first, as a walk comparing them would.
  TEndpointRegisterInfo* ByIdentifier(const std::string& AIdentifier);
  // The first registration at the call-signal address (address and port;
  // the family too when only registered ones are asked for).
  TEndpointRegisterInfo* ByCallSignalAddress(const sockaddr_in& AAddress, bool ARegisteredOnly) const;
  // The first registered one that holds an alias equal to the given one.
  TEndpointRegisterInfo* ByAlias(const H225::aliasAddress& AAlias) const;
  // Registrations whose call-signal IPv4 address is the given one (any port
  // and state), in list order; null when none.
  const TBucket* OnHost(in_addr_t AAddress) const;
  // The registered ones that answer for a call-signal address as the host
  // of a direct call: those at its IPv4 address (any port) whose user has
  // no static address, and those of users with a static address whose
  // address rules allow it; in list order, at most ALimit.
  std::vector<TEndpointRegisterInfo*> AnsweringFor(const sockaddr_in& AAddress, size_t ALimit) const;
  // The registrations of one user in list order; null when none.
  const TGroup* OfUser(const TUser* AUser) const;
  // Registrations of the user for which a rule naming a variable stands for
  // exactly the text: the variable's value there is that text and holds no
  // character a pattern reads as an operator. Null when none; the key is a
  // hash, so a holder may still not match.
  const TBucket* WithRuleValue(const TUser* AUser, const orvo::string& AText) const;
  // Registrations of the user for which such a rule is a pattern proper, or
  // names a variable that is not there: they are judged one by one.
  const TGroup* WithPatternRules(const TUser* AUser) const;
  // Every user that has registrations with them; in no particular order.
  const std::unordered_map<const TUser*, TGroup>& Users() const { return FByUser; }

  bool Contains(const TEndpointRegisterInfo* ARegistration) const { return FKeys.count(ARegistration) != 0; }
  size_t Count() const { return FKeys.size(); }

  // The hashed key of an alias: its kind and its text (empty for kinds
  // without one, which then share a key per kind).
  static uint64_t AliasKey(const H225::aliasAddress& AAlias);

private:
  struct TKeys {
    uint64_t Order = 0;
    bool Built = false;
    uint64_t Identifier = 0;
    uint64_t Address = 0;
    in_addr_t Host = 0;
    std::vector<uint64_t> Aliases;
    const TUser* User = nullptr;
    std::vector<uint64_t> RuleValues;
    bool PatternRules = false;
  };

  // The keys the record has now.
  static TKeys KeysOf(TEndpointRegisterInfo* ARegistration, uint64_t AOrder);
  // Moves the record from the old keys to the new, touching only those
  // that differ (a registration of a user of many must not cost a walk).
  void Rekey(TEndpointRegisterInfo* ARegistration, const TKeys* AOld, const TKeys* ANew);
  template <class TMap, class TKey>
  static void EraseFrom(TMap& AMap, const TKey& AKey, uint64_t AOrder);
  static uint64_t AddressKey(const sockaddr_in& AAddress);
  static uint64_t TextKey(const char* AText, size_t ALength);
  static uint64_t RuleValueKey(const TUser* AUser, const orvo::string& AText);
  // The alias rules of the record's user that name a variable, as keys.
  static void RuleValuesOf(TEndpointRegisterInfo* ARegistration, TKeys& AKeys);

  uint64_t NextOrder = 1;
  std::unordered_map<const TEndpointRegisterInfo*, TKeys> FKeys;
  // Every keep-alive and admission looks here: one array, one cache miss.
  TOpenHashMap<TBucket> FByIdentifier;
  // Records whose identifier is not built yet.
  TGroup FUnbuilt;
  std::unordered_map<uint64_t, TBucket> FByAddress;
  std::unordered_map<in_addr_t, TBucket> FByHost;
  std::unordered_map<uint64_t, TBucket> FByAlias;
  std::unordered_map<const TUser*, TGroup> FByUser;
  std::unordered_map<uint64_t, TBucket> FByRuleValue;
  std::unordered_map<const TUser*, TGroup> FWithPatternRules;
};
