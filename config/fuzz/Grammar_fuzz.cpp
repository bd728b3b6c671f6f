// Any bytes must load into a configuration or fail with one error text, with
// no crash, no leak and no parse left behind.
#include <netdb.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include <config/Configuration.h>

// Host names in quoted addresses are looked up by the grammar: none of the
// fuzzer's names may leave the process as a query.
extern "C" int getaddrinfo(const char*, const char*, const struct addrinfo*, struct addrinfo** AResult) {
  *AResult = nullptr;
  return EAI_NONAME;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  static const char prefix[] = "Configuration file: ";
  std::istringstream input(std::string(reinterpret_cast<const char*>(AData), ASize));
  TConfiguration configuration;
  const orvo::string error = configuration.Load(input);
  if (error.length() != 0) {
    if (std::strncmp(error.buffer(), prefix, sizeof prefix - 1) != 0) __builtin_trap();
    if (error.buffer()[error.length() - 1] != '.') __builtin_trap();
    // One error ends the parse: one message.
    if (std::strchr(error.buffer(), '\n')) __builtin_trap();
  }
  // The parse slot is free again.
  std::istringstream empty("");
  TConfiguration next;
  if (next.Load(empty).length() != 0) __builtin_trap();
  return 0;
}
