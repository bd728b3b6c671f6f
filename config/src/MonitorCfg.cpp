#include <config/MonitorCfg.h>

#include <arpa/inet.h>
#include <openssl/evp.h>

#include <orvo/exception.h>

#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
#include <config/ValueExpressions.h>

namespace {

orvo::string MD5Digest(const orvo::string& AText) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(AText.buffer(), AText.length(), digest, &length, EVP_md5(), nullptr) != 1 || length != 16)
    throw new orvo::exception("MD5 digest failed.");
  return orvo::string(digest, length);
}

}  // namespace

TMonitorCfg::TMonitorCfg() : TComplexExpression(0), FPort(htons(DefaultPort)), FAddressRules(1) {}

bool TMonitorCfg::IsUnique(const TExpression& ADirective) const {
  return ADirective.Kind() == dcMonitorPort || ADirective.Kind() == dcMonitorPassword;
}

orvo::string TMonitorCfg::Apply(const TExpression& ADirective) {
  using namespace directiveArm;
  static const TDirectiveTable<TMonitorCfg> directives = {
      {dcMonitorPort,
       [](TMonitorCfg& AMonitor, const TExpression& ADirective) {
         const TUIntExp* port = As<TUIntExp>(ADirective);
         if (port) AMonitor.FPort = htons(static_cast<uint16_t>(port->Value));
         return port != nullptr;
       }},
      {dcMonitorPassword,
       [](TMonitorCfg& AMonitor, const TExpression& ADirective) {
         // The text itself is not kept.
         const TStringExp* password = As<TStringExp>(ADirective);
         if (password) AMonitor.FPasswordDigest = MD5Digest(password->Value);
         return password != nullptr;
       }},
      {dcAddressRule, &AppendWhole<&TMonitorCfg::FAddressRules>},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
  return TComplexExpression::Apply(ADirective);
}

bool TMonitorCfg::IsAddressAllowed(const sockaddr_in& AAddress) const {
  if (FAddressRules.empty()) return true;
  for (const TIPAddressRangeExp* rule : FAddressRules)
    if (rule->Contains(AAddress)) return rule->Allow;
  return false;
}
