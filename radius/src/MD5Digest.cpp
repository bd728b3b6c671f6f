#include <radius/MD5Digest.h>

#include <new>

#include <openssl/evp.h>

namespace RADIUS {

TMD5Digest::TMD5Digest() : FContext(EVP_MD_CTX_new()) {
  if (!FContext || EVP_DigestInit_ex(FContext, EVP_md5(), nullptr) != 1) {
    EVP_MD_CTX_free(FContext);
    throw std::bad_alloc();
  }
}

TMD5Digest::~TMD5Digest() { EVP_MD_CTX_free(FContext); }

TMD5Digest& TMD5Digest::Update(const void* AData, size_t ALength) {
  if (ALength) EVP_DigestUpdate(FContext, AData, ALength);
  return *this;
}

void TMD5Digest::Final(unsigned char* AOut) {
  unsigned int length = Size;
  EVP_DigestFinal_ex(FContext, AOut, &length);
}

}  // namespace RADIUS
