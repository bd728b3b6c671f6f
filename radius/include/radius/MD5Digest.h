// Incremental MD5 over libcrypto, for the authenticators of RFC 2865/2866.
#pragma once

#include <cstddef>

#include <orvo/string.h>

typedef struct evp_md_ctx_st EVP_MD_CTX;

namespace RADIUS {

class TMD5Digest {
public:
  static const unsigned Size = 16;

  TMD5Digest();
  ~TMD5Digest();
  TMD5Digest(const TMD5Digest&) = delete;
  TMD5Digest& operator=(const TMD5Digest&) = delete;

  TMD5Digest& Update(const void* AData, size_t ALength);
  TMD5Digest& Update(const orvo::string& AText) { return Update(AText.buffer(), AText.length()); }
  // Writes the 16-octet digest; the object is then spent.
  void Final(unsigned char* AOut);

private:
  EVP_MD_CTX* FContext;
};

}  // namespace RADIUS
