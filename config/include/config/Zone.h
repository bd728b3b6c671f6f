// A zone of the network with its bandwidth and connection limits; a link
// between zones is a zone of its own, listed among the zones it joins.
#pragma once

#include <cstdint>

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/ComplexExpression.h>

class TZone : public TComplexExpression {
public:
  enum : uint32_t { Unlimited = 0xFFFFFFFFu };

  explicit TZone(const orvo::string& AIdentifier);
  TZone(const TZone&) = delete;
  TZone& operator=(const TZone&) = delete;

  // A section is never copied as a directive.
  TExpression* Clone() const override { return nullptr; }
  // Code 4 sets the bandwidth, 15 the connections; each kind once.
  orvo::string Apply(const TExpression& ADirective) override;

  const orvo::string& Identifier() const { return FIdentifier; }

  // The zones (and links) joined to this one; not owned.
  const orvo::list<TZone>& LinkedZones() const { return FLinkedZones; }
  void AddLinkedZone(TZone* AZone);

  // Units of 100 bit/s; Unlimited when not limited.
  uint32_t BandwidthLimit() const { return FBandwidthLimit; }
  uint32_t ConnectionLimit() const { return FConnectionLimit; }

  // What the connections of the zone leave free; the only parts of a loaded
  // configuration that change while it is in use.
  uint32_t AvailableBandwidth() const { return FAvailableBandwidth; }
  void SetAvailableBandwidth(uint32_t AValue) { FAvailableBandwidth = AValue; }
  uint32_t AvailableConnections() const { return FAvailableConnections; }
  void SetAvailableConnections(uint32_t AValue) { FAvailableConnections = AValue; }

private:
  orvo::string FIdentifier;
  orvo::list<TZone> FLinkedZones;
  uint32_t FBandwidthLimit = Unlimited;
  uint32_t FAvailableBandwidth = Unlimited;
  uint32_t FConnectionLimit = Unlimited;
  uint32_t FAvailableConnections = Unlimited;
};
