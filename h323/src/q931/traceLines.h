// The pieces every element's trace is made of: the field line with its
// value part and the tables that name field values.
#pragma once

#include <cstddef>
#include <ostream>

namespace Q931 {
namespace trace {

struct named {
  unsigned value;
  const char* text;
};

// The text of a value; "Dont known" for a value the table does not name.
const char* lookup(const named* table, size_t count, unsigned value, const char* otherwise = "Dont known");
template <size_t N>
const char* lookup(const named (&table)[N], unsigned value, const char* otherwise = "Dont known") {
  return lookup(table, N, value, otherwise);
}

// "  Label: text (0xa)" and a line end; the stream is left in decimal.
void field(std::ostream& out, const char* label, const char* text, unsigned value);
// "  Label: text" and a line end.
void plain(std::ostream& out, const char* label, const char* text);
// "  Label: 12" and a line end.
void decimal(std::ostream& out, const char* label, unsigned value);

// The coding standards of Cause, Call state, Progress indicator, Channel
// identification and Low layer compatibility.
const char* codingStandard(unsigned value);
// The locations of Cause and Progress indicator; 7 is named for a Cause only.
const char* location(unsigned value, bool ofCause);

}  // namespace trace
}  // namespace Q931
