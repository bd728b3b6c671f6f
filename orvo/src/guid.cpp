#include <orvo/guid.h>

#include <cstdint>
#include <cstdlib>

#include <orvo/dateTime.h>
#include <orvo/utility.h>

namespace orvo {

namespace {

struct generatorState {
  dateTime epoch{15, 10, 1582, 0};
  std::uint16_t clockSequence = static_cast<std::uint16_t>(random(0, 65535));
  std::uint64_t previousTimestamp = 0;
};

generatorState& generator() {
  static generatorState state;  // set on the first generation
  return state;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

string hexText(const string& octets, const char* digits, const char* braces) {
  static const unsigned groupEnds[] = {4, 6, 8, 10};  // a '-' follows these octets
  string text;
  if (braces) text.append(braces[0]);
  for (unsigned i = 0, group = 0; i < 16; ++i) {
    const unsigned char octet = static_cast<unsigned char>(octets.charAt(i));
    text.append(digits[octet >> 4]);
    text.append(digits[octet & 0x0F]);
    if (braces && group < 4 && i + 1 == groupEnds[group]) {
      text.append('-');
      ++group;
    }
  }
  if (braces) text.append(braces[1]);
  return text;
}

}  // namespace

guid guid::generate() {
  generatorState& state = generator();
  // From the clock reading itself: the local time less its offset is an
  // hour off next to each change to or from daylight-saving time.
  const dateTime utc = dateTime::universalNow();
  const std::uint64_t timestamp =
      (std::uint64_t(std::int64_t(utc.dayNumber()) - std::int64_t(state.epoch.dayNumber())) * 86400000u +
       std::uint64_t(std::int64_t(utc.millisecondsOfDay()) - state.epoch.millisecondsOfDay())) *
      10000u;
  // The same 100 ns value again (same millisecond) or a clock set back.
  if (state.previousTimestamp >= timestamp) ++state.clockSequence;
  state.previousTimestamp = timestamp;

  const unsigned r = static_cast<unsigned>(std::rand());
  const unsigned s = random(0, 65535);
  unsigned char octets[16];
  for (unsigned i = 0; i < 7; ++i) octets[i] = static_cast<unsigned char>(timestamp >> (8 * i));
  octets[7] = static_cast<unsigned char>(0x10 | ((timestamp >> 56) & 0x0F));
  octets[8] = static_cast<unsigned char>(0x80 | ((state.clockSequence >> 8) & 0x1F));
  octets[9] = static_cast<unsigned char>(state.clockSequence);
  octets[10] = static_cast<unsigned char>(r | 0x80);
  octets[11] = static_cast<unsigned char>(r >> 8);
  octets[12] = static_cast<unsigned char>(r >> 16);
  octets[13] = static_cast<unsigned char>(r >> 24);
  octets[14] = static_cast<unsigned char>(s);
  octets[15] = static_cast<unsigned char>(s >> 8);
  guid result;
  result.value = string(octets, 16);
  return result;
}

bool guid::assign(const string& octets) {
  if (octets.length() == 16) {
    value = octets;
    return true;
  }
  if (octets.length() == 17 && octets.charAt(16) == '\0') {
    value = octets.left(16);
    return true;
  }
  return false;
}

string guid::toString() const { return hexText(value, "0123456789abcdef", "{}"); }

string guid::toHex() const { return hexText(value, "0123456789ABCDEF", nullptr); }

bool guid::fromString(const string& text) {
  const unsigned length = text.length();
  if (length != 38 && !(length == 39 && text.charAt(38) == '\0')) return false;
  if (text.charAt(0) != '{' || text.charAt(37) != '}') return false;
  static const unsigned groupSizes[] = {4, 2, 2, 2, 6};
  unsigned char octets[16];
  unsigned position = 1;
  unsigned count = 0;
  for (unsigned group = 0; group < 5; ++group) {
    if (group != 0 && text.charAt(position++) != '-') return false;
    for (unsigned i = 0; i < groupSizes[group]; ++i) {
      const int high = hexValue(text.charAt(position));
      const int low = hexValue(text.charAt(position + 1));
      if (high < 0 || low < 0) return false;
      octets[count++] = static_cast<unsigned char>(high << 4 | low);
      position += 2;
    }
  }
  value = string(octets, 16);
  return true;
}

}  // namespace orvo
