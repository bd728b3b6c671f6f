// Any bytes must scan to the end without a crash, and every text value must
// be freed with the scanner.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include <config/Scanner.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  std::istringstream input(std::string(reinterpret_cast<const char*>(AData), ASize));
  TScanner scanner;
  scanner.Reset(input);
  // Every token consumes at least one byte, so the count is bounded.
  for (size_t tokens = 0; tokens <= ASize + 1; ++tokens) {
    TTokenValue value{};
    const int token = scanner.Next(value);
    if (token == TToken::tokEnd) break;
    if (token == 0 || (token > 255 && token < TToken::wrdAAA) || token > TToken::tokInetAddressWP) __builtin_trap();
    if (token == TToken::tokInetAddress && value.Container->Text().length() > 15) __builtin_trap();
  }
  return 0;
}
