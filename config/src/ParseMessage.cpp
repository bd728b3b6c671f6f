#include <config/ParseMessage.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <config/Token.h>

namespace {

struct TNameRow {
  const char* Name;
  const char* Words;
};

// In this order: a name is replaced before any name it begins with, and the
// parser's "$end" and "$undefined" before the bare "$".
const TNameRow tokenNames[] = {
    {"tokBool", "boolean value"},
    {"tokInt", "integer value"},
    {"tokUnsigned", "unsigned integer value"},
    {"tokBandwidth", "bandwidth value"},
    {"tokString", "string value"},
    {"tokIdentifier", "identifier"},
    {"tokDayOfWeek", "day of week"},
    {"tokInetAddressWP", "IP address with port"},
    {"tokInetAddress", "IP address"},
    {"$end", "end of file"},
    {"$undefined", "invalid character"},
    {"$", "keyword or identifier"},
};

void ReplaceAll(std::string& AText, const std::string& AName, const std::string& AWords) {
  for (std::string::size_type at = AText.find(AName); at != std::string::npos;
       at = AText.find(AName, at + AWords.length()))
    AText.replace(at, AName.length(), AWords);
}

// The keyword names, longest first, so that "wrdCallee" goes before "wrdCall".
std::vector<std::string> KeywordNamesLongestFirst() {
  std::vector<std::string> names;
  for (int token = TToken::wrdAAA; token <= TToken::wrdZone; ++token) names.push_back(TToken::Name(token));
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& A, const std::string& B) { return A.length() > B.length(); });
  return names;
}

std::string KeywordWords(const std::string& AName) {
  std::string words = "'";
  for (std::string::size_type i = 3; i < AName.length(); ++i)
    words += static_cast<char>(std::tolower(static_cast<unsigned char>(AName[i])));
  return words + "' keyword";
}

// In every run of quotes the last one goes: one quote vanishes, two read as one.
std::string DropLastQuoteOfRuns(const std::string& AText) {
  std::string out;
  out.reserve(AText.length());
  for (std::string::size_type i = 0; i < AText.length(); ++i) {
    if (AText[i] == '\'' && (i + 1 == AText.length() || AText[i + 1] != '\'')) continue;
    out += AText[i];
  }
  return out;
}

}  // namespace

orvo::string ParseMessageText(const orvo::string& AMessage) {
  std::string text(AMessage.buffer(), AMessage.length());
  std::replace(text.begin(), text.end(), '`', '\'');
  text = DropLastQuoteOfRuns(text);
  for (const TNameRow& row : tokenNames) ReplaceAll(text, row.Name, row.Words);
  static const std::vector<std::string> keywordNames = KeywordNamesLongestFirst();
  for (const std::string& name : keywordNames) ReplaceAll(text, name, KeywordWords(name));
  return orvo::string(text.data(), static_cast<unsigned>(text.length()));
}
