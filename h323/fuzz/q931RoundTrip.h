// The check the Q.931 fuzz target and the hostile-input tests run: octets
// from the network decode or throw an orvo::exception; a message that
// decodes prints, copies, encodes, and its encoding decodes again to a
// message that encodes to the same octets. The elements that go out as
// they came (kept as octets, bearer capability, cause, date/time, low layer
// compatibility) encode to octets found in the input.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

namespace fuzzing {

inline bool goesOutAsItCame(const Q931::element* e) {
  return dynamic_cast<const Q931::notSupportedElement*>(e) || dynamic_cast<const Q931::bearerCapability*>(e) ||
         dynamic_cast<const Q931::cause*>(e) || dynamic_cast<const Q931::datetime*>(e) ||
         dynamic_cast<const Q931::lowLayerCompatibility*>(e);
}

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
  for (const Q931::element* e : m.elements) {
    if (!goesOutAsItCame(e)) continue;
    orvo::byteStream alone(128);
    e->encode(alone);
    if (std::search(data, data + size, alone.buffer(), alone.buffer() + alone.length()) == data + size)
      return std::string("an element that goes out as it came changed: ") + Q931::element::name(e->id);
  }
  if (first.length() != copied.length() || std::memcmp(first.buffer(), copied.buffer(), first.length()) != 0)
    return "a copy encodes differently from its source";
  if (first.length() != second.length() || std::memcmp(first.buffer(), second.buffer(), first.length()) != 0)
    return "the second encoding differs from the first";
  return "";
}

}  // namespace fuzzing
