// The core's calls by conference identifier and by call identifier, in
// list order, so that a request about a call finds it without a walk of all
// calls; the lookups still test each call they are given. Also keeps the
// calls' counts on their registrations as calls join and leave the list.
#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include <asn/octetString.h>

#include <gatekeeper/Registry.h>

class TConnection;

class TConnectionIndex : public TRegistry<TConnection>::TObserver {
public:
  TConnectionIndex() = default;
  TConnectionIndex(const TConnectionIndex&) = delete;
  TConnectionIndex& operator=(const TConnectionIndex&) = delete;

  void Attached(TConnection* AConnection) override;
  void Detached(TConnection* AConnection) override;
  // The call got its call identifier after it joined.
  void CallIdentifierAttached(TConnection* AConnection);

  // Calls that may carry the conference identifier or the call identifier
  // (equal hashes), in list order.
  std::vector<TConnection*> InConference(const asn::octetStringBase& AConferenceID) const;
  std::vector<TConnection*> WithCallIdentifier(const asn::octetStringBase& AGuid) const;

private:
  typedef std::map<uint64_t, TConnection*> TGroup;
  struct TPlace {
    uint64_t Order = 0;
    uint64_t Conference = 0;
    bool HasCall = false;
    uint64_t Call = 0;
  };
  static uint64_t KeyOf(const asn::octetStringBase& AOctets);
  static std::vector<TConnection*> Members(const std::unordered_map<uint64_t, TGroup>& AMap, uint64_t AKey);
  static void Erase(std::unordered_map<uint64_t, TGroup>& AMap, uint64_t AKey, uint64_t AOrder);

  uint64_t NextOrder = 1;
  std::unordered_map<const TConnection*, TPlace> Places;
  std::unordered_map<uint64_t, TGroup> ByConference;
  std::unordered_map<uint64_t, TGroup> ByCall;
};
