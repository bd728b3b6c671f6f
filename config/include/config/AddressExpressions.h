// Directives that carry IPv4 addresses.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <orvo/string.h>

#include <config/Expression.h>

class TIPAddressExp : public TExpression {
public:
  TIPAddressExp(TExpressionType AType, uint32_t AAddress) : TExpression(AType), Address(AAddress) {}
  TExpression* Clone() const override { return new TIPAddressExp(*this); }
  uint32_t Address;  // network byte order
};

class TSockAddrInExp : public TExpression {
public:
  TSockAddrInExp(TExpressionType AType, const sockaddr_in& AAddress) : TExpression(AType), Address(AAddress) {}
  TExpression* Clone() const override { return new TSockAddrInExp(*this); }
  sockaddr_in Address;  // port and address in network byte order
};

// An inclusive range of IPv4 addresses, held in host byte order.
class TIPAddressRangeExp : public TExpression {
public:
  explicit TIPAddressRangeExp(TExpressionType AType, bool AAllow = true) : TExpression(AType), Allow(AAllow) {}
  TExpression* Clone() const override { return new TIPAddressRangeExp(*this); }

  // Both ends in network byte order, in either order.
  void Set(uint32_t A, uint32_t B);
  bool Contains(const sockaddr_in& AAddress) const;
  bool Contains(uint32_t AHostOrderAddress) const { return Low <= AHostOrderAddress && AHostOrderAddress <= High; }

  uint32_t Low = 0;
  uint32_t High = 0;
  bool Allow;
};

class TAlternateGKExp : public TExpression {
public:
  TAlternateGKExp(TExpressionType AType, const sockaddr_in& AAddress, const orvo::string& AIdentifier)
      : TExpression(AType), Address(AAddress), Identifier(AIdentifier) {}
  TExpression* Clone() const override { return new TAlternateGKExp(*this); }
  sockaddr_in Address;
  orvo::string Identifier;  // empty when not given
};
