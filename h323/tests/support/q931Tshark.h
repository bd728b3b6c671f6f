// tshark's reading of Q.931 messages as they travel on a call-signalling
// connection: each message in a TPKT of its own, TCP port 1720 on the
// loopback address.
#pragma once

#include <string>
#include <vector>

#include "tshark.h"

namespace q931Testing {

inline tshark::result dissectCallSignalling(const std::vector<tshark::octets>& messages,
                                            const std::vector<std::string>& fieldNames) {
  std::vector<tshark::octets> frames;
  for (const tshark::octets& m : messages) {
    size_t length = m.size() + 4;
    tshark::octets frame{3, 0, (unsigned char)(length >> 8), (unsigned char)length};
    for (unsigned char o : m) frame.push_back(o);
    frames.push_back(frame);
  }
  return tshark::detail::dissect(frames, "-4 127.0.0.1,127.0.0.1 -T 1720,1720", "", fieldNames);
}

}  // namespace q931Testing
