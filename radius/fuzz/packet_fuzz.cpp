// Decode of received RADIUS datagrams; an accepted packet must encode to
// octets that decode again, and print without fault.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <vector>

#include <radius/Packet.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  static const orvo::string secret("fuzz-secret");
  RADIUS::TPacket packet(secret);
  if (!packet.Decode(AData, ASize > UINT_MAX ? UINT_MAX : unsigned(ASize))) return 0;
  std::vector<unsigned char> octets(packet.Length());
  packet.Encode(octets.data());
  RADIUS::TPacket again(secret);
  if (!again.Decode(octets.data(), unsigned(octets.size())) ||
      again.Attributes().count() != packet.Attributes().count())
    __builtin_trap();
  std::ostringstream trace;
  packet.Print(trace);
  return 0;
}
