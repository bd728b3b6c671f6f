// DES key schedule from a pass phrase; enciphers single 8-octet blocks (ECB).
#pragma once

#include <orvo/string.h>

namespace orvo {

class desKey {
public:
  // Derives the key from the pass phrase's characters up to its first NUL;
  // weak keys and wrong parity are used as they come.
  explicit desKey(const string& passPhrase);
  ~desKey();

  // Exactly one 8-octet block; in and out may be the same block. Return out.
  void* encrypt(const void* in, void* out) const;
  void* decrypt(const void* in, void* out) const;

private:
  // Holds the cipher library's key schedule without exposing its header.
  alignas(8) unsigned char schedule[128];
};

}  // namespace orvo
