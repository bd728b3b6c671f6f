// The monitor section: the management port, its password and the client
// addresses allowed to connect.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/AddressExpressions.h>
#include <config/ComplexExpression.h>

class TMonitorCfg : public TComplexExpression {
public:
  enum : uint16_t { DefaultPort = 2040 };

  TMonitorCfg();
  TMonitorCfg(const TMonitorCfg&) = delete;
  TMonitorCfg& operator=(const TMonitorCfg&) = delete;

  TExpression* Clone() const override { return nullptr; }
  // Port and password once; address rules accumulate.
  bool IsUnique(const TExpression& ADirective) const override;
  orvo::string Apply(const TExpression& ADirective) override;

  // No rules: everybody; else the first rule that holds the address decides;
  // none: refused.
  bool IsAddressAllowed(const sockaddr_in& AAddress) const;

  // Network byte order, ready for a socket address.
  uint16_t Port() const { return FPort; }
  // The 16 octets of the MD5 digest of the password; empty: no password.
  const orvo::string& PasswordDigest() const { return FPasswordDigest; }
  const orvo::list<TIPAddressRangeExp>& AddressRules() const { return FAddressRules; }

private:
  uint16_t FPort;
  orvo::string FPasswordDigest;
  orvo::list<TIPAddressRangeExp> FAddressRules;
};
