#include "q931Octets.h"

#include <cstdio>

namespace q931Testing {

octets fromHex(const std::string& text) {
  octets out;
  std::string digits;
  for (char c : text)
    if (c != ' ') digits += c;
  for (size_t i = 0; i + 1 < digits.size(); i += 2)
    out.push_back((unsigned char)std::stoul(digits.substr(i, 2), nullptr, 16));
  return out;
}

std::string toHex(const octets& data) {
  std::string out;
  char buffer[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(buffer, sizeof buffer, i ? " %02X" : "%02X", data[i]);
    out += buffer;
  }
  return out;
}

std::string toHex(const orvo::byteStream& stream) {
  if (!stream.buffer()) return "";
  return toHex(octets(stream.buffer(), stream.buffer() + stream.length()));
}

std::string encodeElement(const Q931::element& e) {
  orvo::byteStream out(128);
  e.encode(out);
  return toHex(out);
}

std::string encodeMessage(const Q931::message& m) {
  orvo::byteStream out(128);
  m.encode(out);
  return toHex(out);
}

std::unique_ptr<Q931::element> decodeElement(const std::string& hex, std::string* rest) {
  octets data = fromHex(hex);
  orvo::byteStream in(data.data(), unsigned(data.size()));
  std::unique_ptr<Q931::element> e(Q931::newElement(data.at(0)));
  e->decode(in);
  if (rest) *rest = toHex(octets(in.readPosition(), in.writeEnd()));
  return e;
}

void decodeMessage(Q931::message& m, const octets& data) {
  orvo::byteStream in(data.data(), unsigned(data.size()));
  m.decode(in);
}

void decodeMessage(Q931::message& m, const std::string& hex) { decodeMessage(m, fromHex(hex)); }

}  // namespace q931Testing
