// The check the Q.931 fuzz target and the hostile-input tests run: octets
// from the network decode or throw an orvo::exception; a message that
// decodes prints, copies, encodes, and its encoding decodes again to a
// message that encodes to the same octets.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include <h323/q931/message.h>

namespace fuzzing {

// "" when the octets pass, else what went wrong.
inline std::string q931RoundTrip(const uint8_t* data, size_t size) {
  Q931::message m;
  try {
    orvo::byteStream in(data, unsigned(size));
    m.decode(in);
  } catch (orvo::exception* e) {
    delete e;
    return "";
  } catch (...) {
    return "decoding threw something other than an orvo::exception";
  }
  std::ostringstream trace;
  m.print(trace);
  orvo::byteStream first(128), second(128), copied(128);
  Q931::message again;
  try {
    m.encode(first);
    Q931::message copy(m);
    copy.encode(copied);
    again.decode(first);
    again.encode(second);
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return std::string("what decoded must encode and decode again: ") + e->message()->buffer();
  }
  if (first.length() != copied.length() || std::memcmp(first.buffer(), copied.buffer(), first.length()) != 0)
    return "a copy encodes differently from its source";
  if (first.length() != second.length() || std::memcmp(first.buffer(), second.buffer(), first.length()) != 0)
    return "the second encoding differs from the first";
  return "";
}

}  // namespace fuzzing
