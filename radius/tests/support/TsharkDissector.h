// Runs Wireshark's RADIUS dissector (text2pcap + tshark) over one datagram,
// so that wire octets are checked by a decoder written elsewhere.
#pragma once

#include <string>
#include <vector>

namespace radiusTesting {

// True when text2pcap and tshark can be run.
bool TsharkAvailable();

// Wraps ADatagram in UDP to APort, dissects it with the shared secret set and
// authenticator validation on, and returns tshark's "-T fields" output for
// the given fields (separated by '|', one line per packet, newline removed).
std::string DissectFields(const std::vector<unsigned char>& ADatagram, unsigned APort, const std::string& ASecret,
                          const std::vector<std::string>& AFields);

}  // namespace radiusTesting
