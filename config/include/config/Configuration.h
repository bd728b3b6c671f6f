// The result of one configuration load: system settings, the monitor, log and
// AAA sections, and the zones, groups and users every resolver queries.
// Reference-counted: a reload builds a new one while holders keep the old.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <iosfwd>

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/AAA.h>
#include <config/ComplexExpression.h>
#include <config/Group.h>
#include <config/Log.h>
#include <config/MonitorCfg.h>
#include <config/SectionLookup.h>
#include <config/User.h>
#include <config/Zone.h>

class TConfiguration : public TComplexExpression, public TSectionLookup {
public:
  enum : uint32_t { DefaultRasPort = 1719, DefaultCallSignalPort = 1720 };

  // Defaults; the local address is the host's first address (127.0.0.1 when
  // the host name does not resolve). The reference count is 1.
  TConfiguration();
  TConfiguration(const TConfiguration&) = delete;
  TConfiguration& operator=(const TConfiguration&) = delete;
  ~TConfiguration() override;

  // Parses the text of the stream into this object: the empty text on
  // success, else "Configuration file: <message>, in line <n>.". Exceptions
  // of the parse pass to the caller.
  orvo::string Load(std::istream& AStream);

  // Reference counting: a holder adds one when it takes a reference and
  // releases it when done; the last release destroys the object. Null is
  // allowed.
  void AddReference() { ++FReferenceCount; }
  static void Release(TConfiguration* AConfiguration);
  int32_t ReferenceCount() const { return FReferenceCount; }

  // The system section: the first directive of each kind wins.
  orvo::string ApplySystem(const TExpressions& AList);

  TExpression* Clone() const override { return nullptr; }
  orvo::string Apply(const TExpression& ADirective) override;

  // The first user (user and gatekeeper sections alike) of exactly that name.
  TUser* FindUser(const orvo::string& AName) const;
  // The user whose first matching login rule allows the login; a user whose
  // first matching rule denies is passed over.
  TUser* FindUserByLogin(const orvo::string& ALogin) const;
  // Zones (links included) and groups by name, letter case ignored.
  TZone* FindZone(const orvo::string& AName) const override;
  TGroup* FindGroup(const orvo::string& AName) const override;

  const orvo::string& Identifier() const { return FIdentifier; }
  // Address and port in network byte order; the port is 0.
  const sockaddr_in& LocalAddress() const { return FLocalAddress; }
  // Host byte order.
  uint32_t RasPort() const { return FRasPort; }
  uint32_t CallSignalPort() const { return FCallSignalPort; }

  TMonitorCfg& Monitor() { return FMonitor; }
  const TMonitorCfg& Monitor() const { return FMonitor; }
  TLog& Log() { return FLog; }
  const TLog& Log() const { return FLog; }
  TAAA& AAA() { return FAAA; }
  const TAAA& AAA() const { return FAAA; }

  // Owning lists in file order; the parser appends the sections it builds.
  orvo::list<TZone>& Zones() { return FZones; }
  const orvo::list<TZone>& Zones() const { return FZones; }
  orvo::list<TGroup>& Groups() { return FGroups; }
  const orvo::list<TGroup>& Groups() const { return FGroups; }
  // TUser for user sections, TLinkedUser for gatekeeper sections.
  orvo::list<TUser>& Users() { return FUsers; }
  const orvo::list<TUser>& Users() const { return FUsers; }

private:
  // Declaration order makes destruction run users, groups, zones, then the
  // sections: users point at zones.
  orvo::string FIdentifier;
  sockaddr_in FLocalAddress;
  uint32_t FRasPort = DefaultRasPort;
  uint32_t FCallSignalPort = DefaultCallSignalPort;
  TMonitorCfg FMonitor;
  TLog FLog;
  TAAA FAAA;
  orvo::list<TZone> FZones;
  orvo::list<TGroup> FGroups;
  orvo::list<TUser> FUsers;
  int32_t FReferenceCount = 1;
};
