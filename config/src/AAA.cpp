#include <config/AAA.h>

#include <arpa/inet.h>

#include <orvo/socketAddress.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/ValueExpressions.h>

namespace {

sockaddr_in Server(uint16_t APort) {
  sockaddr_in server = orvo::noAddress;
  server.sin_port = htons(APort);
  return server;
}

}  // namespace

TAAA::TAAA()
    : TComplexExpression(0),
      FAuthenticationServer(Server(DefaultAuthenticationPort)),
      FAccountingServer(Server(DefaultAccountingPort)) {
  SetTimeZoneName("UTC");
}

bool TAAA::IsServerConfigured(const sockaddr_in& AServer) {
  return AServer.sin_addr.s_addr != htonl(INADDR_NONE) && AServer.sin_port != htons(0xFFFF);
}

void TAAA::SetTimeZoneName(const orvo::string& AName) {
  if (AName == FTimeZoneName) return;
  FTimeZoneName = AName;
  FRadiusTimeFormat = orvo::string("%H:%M:%S.%s ") + AName + " %a %b %d %Y";
}

orvo::string TAAA::Apply(const TExpression& ADirective) {
  switch (ADirective.Kind()) {
    case dcAddress:
      if (const TIPAddressExp* address = dynamic_cast<const TIPAddressExp*>(&ADirective)) {
        FAuthenticationServer.sin_addr.s_addr = address->Address;
        FAccountingServer.sin_addr.s_addr = address->Address;
        return orvo::string();
      }
      break;
    case dcAuthenticationPort:
    case dcAccountingPort:
      if (const TUIntExp* port = dynamic_cast<const TUIntExp*>(&ADirective)) {
        sockaddr_in& server = ADirective.Kind() == dcAuthenticationPort ? FAuthenticationServer : FAccountingServer;
        server.sin_port = htons(static_cast<uint16_t>(port->Value));
        return orvo::string();
      }
      break;
    case dcPassword:
      if (const TStringExp* secret = dynamic_cast<const TStringExp*>(&ADirective)) {
        FSharedSecret = secret->Value;
        return orvo::string();
      }
      break;
    case dcFile:
      if (const TStringExp* name = dynamic_cast<const TStringExp*>(&ADirective)) {
        FBillingFileName = name->Value;
        return orvo::string();
      }
      break;
    case dcLogFailedCalls:
    case dcTimeZoneOffset:
      if (const TBoolExp* flag = dynamic_cast<const TBoolExp*>(&ADirective)) {
        (ADirective.Kind() == dcLogFailedCalls ? FLogFailedCalls : FTimeZoneOffsetIsGMT) = flag->Value;
        return orvo::string();
      }
      break;
    case dcTimeZoneName:
      if (const TStringExp* name = dynamic_cast<const TStringExp*>(&ADirective)) {
        SetTimeZoneName(name->Value);
        return orvo::string();
      }
      break;
  }
  return TComplexExpression::Apply(ADirective);
}
