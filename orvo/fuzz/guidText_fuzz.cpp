// Braced GUID texts from arbitrary input: a parse that succeeds prints back
// as the same text, in lower case.
#include <orvo/guid.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvo::string text(data, static_cast<unsigned>(size));
  orvo::guid g;
  if (!g.fromString(text)) return 0;
  const orvo::string back = g.toString();
  if (back.length() != 38) std::abort();
  for (unsigned i = 0; i < 38; ++i) {
    if (std::tolower(static_cast<unsigned char>(text.charAt(i))) != back.charAt(i)) std::abort();
  }
  orvo::guid again;
  if (!again.fromString(back) || again.octets().compare(g.octets()) != 0) std::abort();
  return 0;
}
