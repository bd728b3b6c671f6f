#include <config/AAA.h>

#include <arpa/inet.h>

#include <orvo/socketAddress.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
#include <config/ValueExpressions.h>

namespace {

sockaddr_in Server(uint16_t APort) {
  sockaddr_in server = orvo::noAddress;
  server.sin_port = htons(APort);
  return server;
}

// The server's port takes the directive's value in network byte order.
template <auto Server>
bool StorePort(TAAA& ASection, const TExpression& ADirective) {
  const TUIntExp* port = directiveArm::As<TUIntExp>(ADirective);
  if (!port) return false;
  (ASection.*Server).sin_port = htons(static_cast<uint16_t>(port->Value));
  return true;
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
  using namespace directiveArm;
  static const TDirectiveTable<TAAA> directives = {
      {dcAddress,
       [](TAAA& ASection, const TExpression& ADirective) {
         const TIPAddressExp* address = As<TIPAddressExp>(ADirective);
         if (!address) return false;
         ASection.FAuthenticationServer.sin_addr.s_addr = address->Address;
         ASection.FAccountingServer.sin_addr.s_addr = address->Address;
         return true;
       }},
      {dcAuthenticationPort, &StorePort<&TAAA::FAuthenticationServer>},
      {dcAccountingPort, &StorePort<&TAAA::FAccountingServer>},
      {dcPassword, &Store<&TAAA::FSharedSecret, &TStringExp::Value>},
      {dcFile, &Store<&TAAA::FBillingFileName, &TStringExp::Value>},
      {dcLogFailedCalls, &Store<&TAAA::FLogFailedCalls, &TBoolExp::Value>},
      {dcTimeZoneOffset, &Store<&TAAA::FTimeZoneOffsetIsGMT, &TBoolExp::Value>},
      {dcTimeZoneName,
       [](TAAA& ASection, const TExpression& ADirective) {
         const TStringExp* name = As<TStringExp>(ADirective);
         if (name) ASection.SetTimeZoneName(name->Value);
         return name != nullptr;
       }},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
  return TComplexExpression::Apply(ADirective);
}
