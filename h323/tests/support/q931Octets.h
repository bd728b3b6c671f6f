// Octets of Q.931 messages and elements as hex text, for tables of
// hand-worked vectors: "08 02 00 2A 05".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

namespace q931Testing {

using octets = std::vector<unsigned char>;

// Pairs of hex digits; blanks between them are ignored.
octets fromHex(const std::string& text);
// Upper-case pairs separated by single blanks.
std::string toHex(const octets& data);
std::string toHex(const orvo::byteStream& stream);

std::string encodeElement(const Q931::element& e);
std::string encodeMessage(const Q931::message& m);

// The element that the factory makes for the first octet, decoded from the
// octets; the stream's unread rest is returned through `rest` when asked.
std::unique_ptr<Q931::element> decodeElement(const std::string& hex, std::string* rest = nullptr);
void decodeMessage(Q931::message& m, const std::string& hex);
void decodeMessage(Q931::message& m, const octets& data);

// The text of an orvo::exception thrown by the call, "" when none, or
// "not an orvo::exception" for anything else.
template <class F>
std::string failureOf(F&& call) {
  try {
    call();
    return "";
  } catch (orvo::exception* e) {
    std::unique_ptr<orvo::exception> owned(e);
    return e->message()->buffer();
  } catch (...) {
    return "not an orvo::exception";
  }
}

}  // namespace q931Testing
