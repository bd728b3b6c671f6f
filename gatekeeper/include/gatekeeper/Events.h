// The codes of the core's broadcast, with the object each one concerns, and
// which of them the kinds of live objects are shown.
#pragma once

enum TEventCode : int {
  evRasMessage = 0,               // the received H225::rasMessage; first: its requestSeqNum
  evEndpointRegistered = 9,       // TEndpointRegisterInfo
  evEndpointChanged = 10,         // TEndpointRegisterInfo
  evEndpointUnregistering = 11,   // TEndpointRegisterInfo
  evEndpointUnregistered = 12,    // TEndpointRegisterInfo, about to leave the core's list
  evConnectionCreated = 13,       // TConnection
  evConnectionStarted = 14,       // TConnection
  evConnectionChanged = 15,       // TConnection
  evConnectionStopped = 16,       // TConnection
  evConnectionDestroyed = 17,     // TConnection, before its memory goes
  evZoneAdded = 18,               // TZone
  evZoneBandwidthChanged = 19,    // TZone
  evZoneRemoved = 20,             // TZone
  evLinkStateChanged = 21,        // TGatekeeperLink
  evLinkDestroyed = 22,           // TGatekeeperLink
  evReterminationImpossible = 23  // TConnection, once per connection
};

// The resolvers of the later kinds see only what may end their wait.
bool AdmissionResolverAcceptsEvent(int ACode);
bool BandwidthResolverAcceptsEvent(int ACode);
bool LocationResolverAcceptsEvent(int ACode);
