// The DES routines are deprecated in the cipher library's current API; this
// is the one file that uses them, so only it asks for the older API.
#define OPENSSL_API_COMPAT 0x10100000L

#include <orvo/des.h>

#include <cstring>
#include <openssl/crypto.h>
#include <openssl/des.h>

namespace orvo {

namespace {

static_assert(sizeof(DES_key_schedule) <= 128, "the schedule storage is too small");

DES_key_schedule* keySchedule(const unsigned char* storage) {
  return reinterpret_cast<DES_key_schedule*>(const_cast<unsigned char*>(storage));
}

void cipherBlock(const unsigned char* storage, const void* in, void* out, int direction) {
  DES_cblock input;
  DES_cblock output;
  std::memcpy(input, in, sizeof input);
  DES_ecb_encrypt(&input, &output, keySchedule(storage), direction);
  std::memcpy(out, output, sizeof output);
}

}  // namespace

desKey::desKey(const string& passPhrase) {
  DES_cblock key;
  DES_string_to_key(passPhrase.buffer(), &key);
  DES_set_key_unchecked(&key, keySchedule(schedule));
  OPENSSL_cleanse(key, sizeof key);
}

desKey::~desKey() { OPENSSL_cleanse(schedule, sizeof schedule); }

void* desKey::encrypt(const void* in, void* out) const {
  cipherBlock(schedule, in, out, DES_ENCRYPT);
  return out;
}

void* desKey::decrypt(const void* in, void* out) const {
  cipherBlock(schedule, in, out, DES_DECRYPT);
  return out;
}

}  // namespace orvo
