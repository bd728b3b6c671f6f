// The aaa section: RADIUS servers for authentication and accounting, the
// billing file and how RADIUS time attributes are written.
#pragma once

#include <netinet/in.h>

#include <orvo/string.h>

#include <config/ComplexExpression.h>

class TAAA : public TComplexExpression {
public:
  enum : uint16_t { DefaultAuthenticationPort = 1812, DefaultAccountingPort = 1813 };

  TAAA();
  TAAA(const TAAA&) = delete;
  TAAA& operator=(const TAAA&) = delete;

  TExpression* Clone() const override { return nullptr; }
  // Every kind once (the base answer).
  orvo::string Apply(const TExpression& ADirective) override;

  // The one test of "is a RADIUS server configured": an address other than
  // 255.255.255.255 and a port other than 65535. The default ports alone
  // say nothing.
  static bool IsServerConfigured(const sockaddr_in& AServer);
  bool HasAuthenticationServer() const { return IsServerConfigured(FAuthenticationServer); }
  bool HasAccountingServer() const { return IsServerConfigured(FAccountingServer); }

  // A new name rebuilds the RADIUS time format; the same name changes nothing.
  void SetTimeZoneName(const orvo::string& AName);

  // Empty: the service chooses the name.
  const orvo::string& BillingFileName() const { return FBillingFileName; }
  // Ports in network byte order.
  const sockaddr_in& AuthenticationServer() const { return FAuthenticationServer; }
  const sockaddr_in& AccountingServer() const { return FAccountingServer; }
  const orvo::string& SharedSecret() const { return FSharedSecret; }
  bool LogFailedCalls() const { return FLogFailedCalls; }
  const orvo::string& TimeZoneName() const { return FTimeZoneName; }
  bool TimeZoneOffsetIsGMT() const { return FTimeZoneOffsetIsGMT; }
  // The date-time pattern of the RADIUS time attributes.
  const orvo::string& RadiusTimeFormat() const { return FRadiusTimeFormat; }

private:
  orvo::string FBillingFileName;
  sockaddr_in FAuthenticationServer;
  sockaddr_in FAccountingServer;
  orvo::string FSharedSecret;
  bool FLogFailedCalls = false;
  orvo::string FTimeZoneName;
  bool FTimeZoneOffsetIsGMT = true;
  orvo::string FRadiusTimeFormat;
};
