#include <radius/UserPassword.h>

#include <cstring>

#include <radius/Dictionary.h>
#include <radius/MD5Digest.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>

namespace RADIUS {

namespace {
const unsigned BlockLength = 16;
}

bool HideUserPassword(const orvo::string& APassword, const orvo::string& ASecret,
                      const unsigned char* ARequestAuthenticator, orvo::string& AHidden) {
  unsigned length = APassword.length();
  if (length > MaxUserPasswordLength) return false;
  unsigned blocks = length == 0 ? 1 : (length + BlockLength - 1) / BlockLength;
  unsigned char hidden[MaxUserPasswordLength] = {};
  std::memcpy(hidden, APassword.buffer(), length);
  const unsigned char* chain = ARequestAuthenticator;
  for (unsigned block = 0; block < blocks; ++block) {
    unsigned char mask[TMD5Digest::Size];
    TMD5Digest().Update(ASecret).Update(chain, BlockLength).Final(mask);
    unsigned char* out = hidden + block * BlockLength;
    for (unsigned i = 0; i < BlockLength; ++i) out[i] ^= mask[i];
    chain = out;
  }
  AHidden = orvo::string(hidden, blocks * BlockLength);
  return true;
}

TStringAttribute* NewUserPasswordAttribute(const TPacket& ARequest, const orvo::string& APassword) {
  orvo::string hidden;
  if (!HideUserPassword(APassword, ARequest.Secret(), ARequest.Authenticator(), hidden)) return nullptr;
  return new TStringAttribute(atUserPassword, hidden);
}

}  // namespace RADIUS
