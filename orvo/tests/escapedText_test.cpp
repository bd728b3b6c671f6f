#include <orvo/escapedText.h>

#include <sstream>
#include <string>

#include "orvoTesting.h"

namespace {

std::string escape(const std::string& AText) {
  std::ostringstream out;
  out << orvo::escaped(AText.data(), AText.size());
  return out.str();
}

}  // namespace

// Each edge of the escaped ranges, from both sides.
TEST(EscapedText, ControlRangeEdges) {
  const struct {
    std::string in, out;
  } cases[] = {
      {std::string("\x00", 1), "\\x00"},
      {"\x1F", "\\x1F"},
      {"\x20", " "},
      {"\x7E", "~"},
      {"\x7F", "\\x7F"},
      {"\x80", "\\x80"},
      {"\x9B", "\\x9B"},  // CSI to a console
      {"\x9F", "\\x9F"},
      {"\xA0", "\xA0"},
      {"\xFF", "\xFF"},
      {"\n", "\\x0A"},
      {"\r", "\\x0D"},
      {"\t", "\\x09"},
      {"\x1B[2J", "\\x1B[2J"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.out, escape(c.in)) << unsigned((unsigned char)c.in[0]);
}

TEST(EscapedText, BackslashDoubledOtherTextKept) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"alice", "alice"},
      {"\\", "\\\\"},
      {"\\x0A", "\\\\x0A"},  // a received escape cannot pass for ours
      {"a\\b\\", "a\\\\b\\\\"},
      {"J\xFCrgen \xC9lise \xA9", "J\xFCrgen \xC9lise \xA9"},  // Latin-1 as it is
      {"\n07/12/2026 19:00:00 [E] Forged line", "\\x0A07/12/2026 19:00:00 [E] Forged line"},
      {std::string("id\x00", 3), "id\\x00"},
      {"\x01\x02", "\\x01\\x02"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.out, escape(c.in)) << c.in;
}

TEST(EscapedText, StringForm) {
  std::ostringstream out;
  out << orvo::escaped(orvo::string("a\nb", 3));
  EXPECT_EQ("a\\x0Ab", out.str());
}
