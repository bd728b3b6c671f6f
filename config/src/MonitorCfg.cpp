#include <config/MonitorCfg.h>

#include <arpa/inet.h>
#include <openssl/evp.h>

#include <orvo/exception.h>

#include <config/DirectiveCode.h>
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
  switch (ADirective.Kind()) {
    case dcMonitorPort:
      if (const TUIntExp* port = dynamic_cast<const TUIntExp*>(&ADirective)) {
        FPort = htons(static_cast<uint16_t>(port->Value));
        return orvo::string();
      }
      break;
    case dcMonitorPassword:
      if (const TStringExp* password = dynamic_cast<const TStringExp*>(&ADirective)) {
        FPasswordDigest = MD5Digest(password->Value);
        return orvo::string();
      }
      break;
    case dcAddressRule:
      if (const TIPAddressRangeExp* rule = dynamic_cast<const TIPAddressRangeExp*>(&ADirective)) {
        FAddressRules.append(static_cast<TIPAddressRangeExp*>(rule->Clone()));
        return orvo::string();
      }
      break;
  }
  return TComplexExpression::Apply(ADirective);
}

bool TMonitorCfg::IsAddressAllowed(const sockaddr_in& AAddress) const {
  if (FAddressRules.empty()) return true;
  for (const TIPAddressRangeExp* rule : FAddressRules)
    if (rule->Contains(AAddress)) return rule->Allow;
  return false;
}
