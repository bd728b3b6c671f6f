#include "TokenText.h"

#include <sstream>

std::string TokenText(int AToken, const TTokenValue& AValue) {
  switch (AToken) {
    case TToken::tokBool:
      return std::string("tokBool:") + (AValue.Bool ? "true" : "false");
    case TToken::tokUnsigned:
    case TToken::tokBandwidth:
    case TToken::tokDayOfWeek:
      return std::string(TToken::Name(AToken)) + ":" + std::to_string(AValue.Unsigned);
    case TToken::tokIdentifier:
    case TToken::tokString:
    case TToken::tokInetAddress:
    case TToken::tokInetAddressWP: {
      const orvo::string& text = AValue.Container->Text();
      return std::string(TToken::Name(AToken)) + ":[" + std::string(text.buffer(), text.length()) + "]";
    }
    default:
      break;
  }
  if (const char* name = TToken::Name(AToken)) return name;
  if (AToken > 32 && AToken < 127) return std::string("'") + static_cast<char>(AToken) + "'";
  return "#" + std::to_string(AToken);
}

std::string ScanAll(std::istream& AInput, unsigned* ALastLine) {
  TScanner scanner;
  scanner.Reset(AInput);
  std::string out;
  for (;;) {
    TTokenValue value{};
    const int token = scanner.Next(value);
    if (token == TToken::tokEnd) break;
    if (!out.empty()) out += ' ';
    out += TokenText(token, value);
  }
  if (ALastLine) *ALastLine = scanner.Line();
  return out;
}

std::string ScanAll(const std::string& AText, unsigned* ALastLine) {
  std::istringstream input(AText);
  return ScanAll(input, ALastLine);
}
