#include "traceLines.h"

#include <ios>

namespace Q931 {
namespace trace {

const char* lookup(const named* table, size_t count, unsigned value, const char* otherwise) {
  for (size_t i = 0; i < count; ++i)
    if (table[i].value == value) return table[i].text;
  return otherwise;
}

void field(std::ostream& out, const char* label, const char* text, unsigned value) {
  out << label << text << " (0x" << std::hex << value << std::dec << ")\n";
}

void plain(std::ostream& out, const char* label, const char* text) { out << label << text << '\n'; }

void decimal(std::ostream& out, const char* label, unsigned value) { out << label << std::dec << value << '\n'; }

const char* codingStandard(unsigned value) {
  static const named texts[] = {
      {0, "CCITT standardized coding, as described below"},
      {1, "ISO/IEC standard (see Note)"},
      {2, "national standard"},
      {3, "standard specific to identified location"},
  };
  return lookup(texts, value);
}

const char* location(unsigned value, bool ofCause) {
  static const named texts[] = {
      {0, "user"},
      {1, "private network serving the local user"},
      {2, "public network serving the local user"},
      {3, "transit network"},
      {4, "public network serving the remote user"},
      {5, "private network serving the remote user"},
      {7, "international network"},
      {10, "network beyond interworking point"},
  };
  if (value == 7 && !ofCause) return "Dont known";
  return lookup(texts, value);
}

}  // namespace trace
}  // namespace Q931
