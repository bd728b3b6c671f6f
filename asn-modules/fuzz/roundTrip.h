// The check every message fuzz target runs: octets from the network are
// decoded into a default root value; a value that decodes must copy equal,
// print, encode, decode again and encode to the same octets. Failures of
// the codec are orvo::exception objects; anything else, or an encoding that
// changes on the second pass, is a finding and aborts.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <orvo/exception.h>

namespace fuzzing {

[[noreturn]] inline void finding(const char* what, orvo::exception* e = nullptr) {
  std::fprintf(stderr, "finding: %s%s%s\n", what, e ? ": " : "", e ? e->message()->buffer() : "");
  std::abort();
}

// Encodes a value; an exception is a finding, since what decoded must encode.
template <class T>
void encode(const T& value, asn::per::codec& encoder, const char* pass) {
  try {
    value.encode(encoder);
  } catch (orvo::exception* e) {
    finding(pass, e);
  }
}

template <class T>
void roundTrip(const uint8_t* data, size_t size) {
  T value;
  try {
    asn::per::codec decoder(data, unsigned(size));
    value.decode(decoder);
  } catch (orvo::exception* e) {
    delete e;
    return;
  }
  T copy;
  copy.assign(value);
  if (!copy.isEqual(value)) finding("a copy differs from its source");
  std::ostringstream trace;
  trace << value;

  asn::per::codec first;
  encode(value, first, "encoding a decoded value");
  T again;
  try {
    asn::per::codec decoder(first.stream().data(), first.stream().octetLength());
    again.decode(decoder);
  } catch (orvo::exception* e) {
    finding("decoding our own encoding", e);
  }
  asn::per::codec second;
  encode(again, second, "encoding the value decoded from our own encoding");
  if (first.stream().bitLength() != second.stream().bitLength() ||
      std::memcmp(first.stream().data(), second.stream().data(), first.stream().octetLength()) != 0)
    finding("the second encoding differs from the first");
}

}  // namespace fuzzing
