#include "SanitizerFindings.h"

#include <cstdlib>
#include <fstream>

namespace {

const char* const Marks[] = {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"};
const size_t Before = 200, After = 4000;

// The line that starts at AAt (without its end).
std::string LineAt(const std::string& AText, size_t AAt) {
  const size_t end = AText.find('\n', AAt);
  return AText.substr(AAt, end == std::string::npos ? std::string::npos : end - AAt);
}

size_t NextLine(const std::string& AText, size_t AAt) {
  const size_t end = AText.find('\n', AAt);
  return end == std::string::npos ? AText.size() : end + 1;
}

// A type check report at the line starting at AAt whose object could not be
// read: the two lines after it say so.
bool FailedTypeProbe(const std::string& AText, size_t ALine) {
  const size_t note = NextLine(AText, ALine), memory = NextLine(AText, note);
  return LineAt(AText, ALine).find("which does not point to an object of type") != std::string::npos &&
         LineAt(AText, note).find(": note: object has invalid vptr") != std::string::npos &&
         LineAt(AText, memory) == "<memory cannot be printed>";
}

}  // namespace

std::string SanitizerFindings(const std::string& AConsole) {
  std::string findings;
  size_t shownTo = 0;
  for (size_t line = 0; line < AConsole.size(); line = NextLine(AConsole, line)) {
    const std::string text = LineAt(AConsole, line);
    bool marked = false;
    for (const char* mark : Marks) marked = marked || text.find(mark) != std::string::npos;
    if (!marked || FailedTypeProbe(AConsole, line) || line < shownTo) continue;
    const size_t from = line > Before ? line - Before : 0;
    findings += AConsole.substr(from, After);
    shownTo = from + After;
  }
  return findings;
}

std::string AppendedSetting(const char* AName, const std::string& AValue) {
  const char* inherited = std::getenv(AName);
  return std::string(AName) + "=" + (inherited && *inherited ? std::string(inherited) + ":" + AValue : AValue);
}

void AddExhaustionSanitizerSettings(const std::string& ASuppressionsPath, std::vector<std::string>& AEnvironment) {
  // The demangler's buffer is allocated inside the C++ run-time. So is a
  // standard string's, which these runs then no longer see leak on its own;
  // whatever holds one is still seen.
  std::ofstream(ASuppressionsPath) << "leak:libstdc++.so\n";
  AEnvironment.push_back(AppendedSetting("UBSAN_OPTIONS", "halt_on_error=0"));
  AEnvironment.push_back(AppendedSetting("LSAN_OPTIONS", "suppressions=" + ASuppressionsPath));
}
