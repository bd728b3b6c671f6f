// Reads our encodings with a decoder nobody here wrote: the octets are written
// as a capture file (text2pcap) and dissected by tshark, either as the whole
// payload of a user link type mapped to one dissector ("h225.ras", "h225",
// "h4501", "h245dg") or as the payload of a UDP datagram to a given port
// (RAS: 1719). Nothing is sent anywhere; the addresses of the UDP frames are
// loopback addresses. End-to-end tests record the datagrams they really
// exchanged, each with its own addresses, and have tshark read that capture
// (writeDatagrams, dissectCapture).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "externalTool.h"

namespace tshark {

using octets = std::vector<unsigned char>;

// What tshark reported for one frame: one text per requested field, several
// occurrences of a field joined by '|'.
struct frame {
  std::string malformed;  // _ws.malformed: empty when the frame decoded
  std::string expert;     // _ws.expert: warnings and errors, empty when none
  std::vector<std::string> fields;
};

struct result {
  bool ran = false;     // false when a tool could not be run
  std::string failure;  // the tools' complaint when !ran
  std::vector<frame> frames;
};

// One UDP datagram between two IPv4 addresses; addresses and ports in host
// byte order.
struct datagram {
  uint32_t sourceAddress = 0;
  unsigned sourcePort = 0;
  uint32_t destinationAddress = 0;
  unsigned destinationPort = 0;
  octets payload;
};

// False when either is missing; under CI the current test has failed then.
inline bool toolsAvailable() {
  return externalTool::check(externalTool::onPath("tshark") && externalTool::onPath("text2pcap"),
                             "tshark or text2pcap");
}

namespace detail {

class scratchDirectory {
public:
  scratchDirectory() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/orvo-tshark-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data())) path = buffer.data();
  }
  ~scratchDirectory() {
    if (!path.empty()) std::system(("rm -rf '" + path + "'").c_str());
  }
  scratchDirectory(const scratchDirectory&) = delete;
  scratchDirectory& operator=(const scratchDirectory&) = delete;
  std::string path;
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs a shell command; its standard output goes to `out`, its errors to `err`.
inline int run(const std::string& command, const std::string& out, const std::string& err) {
  int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::vector<std::string> split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : line) {
    if (c == separator) {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  return parts;
}

// Writes the payloads as a hex dump that text2pcap reads, one frame each.
inline void writeHexDump(const std::vector<octets>& payloads, const std::string& path) {
  std::ofstream text(path);
  char buffer[24];
  for (const octets& payload : payloads) {
    for (size_t i = 0; i < payload.size(); ++i) {
      if (i % 16 == 0) {
        std::snprintf(buffer, sizeof buffer, "%s%06zx", i ? "\n" : "", i);
        text << buffer;
      }
      std::snprintf(buffer, sizeof buffer, " %02x", payload[i]);
      text << buffer;
    }
    text << "\n\n";
  }
}

// Runs text2pcap over the payloads; the complaint, empty on success.
inline std::string writeCapture(const std::vector<octets>& payloads, const std::string& text2pcapOptions,
                                const std::string& capture, const std::string& scratch) {
  std::string dump = scratch + "/frames.txt", out = scratch + "/text2pcap.out", err = scratch + "/text2pcap.err";
  writeHexDump(payloads, dump);
  if (run("text2pcap -q " + text2pcapOptions + " '" + dump + "' '" + capture + "'", out, err) != 0)
    return "text2pcap: " + readFile(err);
  return "";
}

// Runs tshark over a capture of `expected` frames and collects the fields.
inline result readCapture(const std::string& capture, const std::string& tsharkOptions,
                          const std::vector<std::string>& fieldNames, size_t expected, const std::string& scratch) {
  result r;
  std::string out = scratch + "/tshark.out", err = scratch + "/tshark.err";
  std::string command = "tshark -n -r '" + capture + "' " + tsharkOptions +
                        " -T fields -E separator=/t -E occurrence=a -E aggregator='|'"
                        " -e _ws.malformed -e _ws.expert";
  for (const std::string& f : fieldNames) command += " -e " + f;
  if (run(command, out, err) != 0) {
    r.failure = "tshark: " + readFile(err);
    return r;
  }
  std::istringstream lines(readFile(out));
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> cells = split(line, '\t');
    cells.resize(2 + fieldNames.size());
    frame f;
    f.malformed = cells[0];
    f.expert = cells[1];
    f.fields.assign(cells.begin() + 2, cells.end());
    r.frames.push_back(f);
  }
  if (r.frames.size() != expected) {
    r.failure = "tshark reported " + std::to_string(r.frames.size()) + " frames for " + std::to_string(expected) +
                " payloads: " + readFile(err);
    return r;
  }
  r.ran = true;
  return r;
}

inline result dissect(const std::vector<octets>& payloads, const std::string& text2pcapOptions,
                      const std::string& tsharkOptions, const std::vector<std::string>& fieldNames) {
  result r;
  scratchDirectory scratch;
  if (scratch.path.empty()) {
    r.failure = "no scratch directory";
    return r;
  }
  std::string capture = scratch.path + "/frames.pcap";
  r.failure = writeCapture(payloads, text2pcapOptions, capture, scratch.path);
  if (!r.failure.empty()) return r;
  return readCapture(capture, tsharkOptions, fieldNames, payloads.size(), scratch.path);
}

inline void putWord(octets& out, unsigned value) {
  out.push_back((unsigned char)(value >> 8));
  out.push_back((unsigned char)value);
}

// An IPv4 packet (no options, header checksum filled in) holding a UDP
// datagram without checksum.
inline octets ipv4Udp(const datagram& d) {
  octets packet;
  size_t udpLength = 8 + d.payload.size();
  putWord(packet, 0x4500);                    // version 4, 20-octet header, no service type
  putWord(packet, unsigned(20 + udpLength));  // total length
  putWord(packet, 0);                         // identification
  putWord(packet, 0x4000);                    // don't fragment
  putWord(packet, 0x4011);                    // time to live 64, UDP
  putWord(packet, 0);                         // header checksum, below
  putWord(packet, d.sourceAddress >> 16);
  putWord(packet, d.sourceAddress & 0xffff);
  putWord(packet, d.destinationAddress >> 16);
  putWord(packet, d.destinationAddress & 0xffff);
  uint32_t sum = 0;
  for (size_t i = 0; i < 20; i += 2) sum += (unsigned(packet[i]) << 8) | packet[i + 1];
  while (sum >> 16) sum = (sum & 0xffff) + (sum >> 16);
  packet[10] = (unsigned char)(~sum >> 8);
  packet[11] = (unsigned char)~sum;
  putWord(packet, d.sourcePort);
  putWord(packet, d.destinationPort);
  putWord(packet, unsigned(udpLength));
  putWord(packet, 0);
  packet.insert(packet.end(), d.payload.begin(), d.payload.end());
  return packet;
}

}  // namespace detail

// Each payload is one frame whose whole contents the dissector reads: "h225.ras"
// (RasMessage), "h225" (H323-UserInformation), "h4501", "h245dg".
inline result dissectAs(const std::string& dissector, const std::vector<octets>& payloads,
                        const std::vector<std::string>& fieldNames) {
  std::string userLink = "-o 'uat:user_dlts:\"User 0 (DLT=147)\",\"" + dissector + "\",\"0\",\"\",\"0\",\"\"'";
  return detail::dissect(payloads, "-l 147", userLink, fieldNames);
}

// Each payload is one UDP datagram from and to `port` on the loopback address.
inline result dissectUdp(unsigned port, const std::vector<octets>& payloads,
                         const std::vector<std::string>& fieldNames) {
  std::string ports = std::to_string(port) + "," + std::to_string(port);
  return detail::dissect(payloads, "-4 127.0.0.1,127.0.0.1 -u " + ports, "", fieldNames);
}

// Writes the datagrams, each with its own addresses and ports, as a capture
// of raw IPv4 packets. The complaint, empty on success.
inline std::string writeDatagrams(const std::vector<datagram>& datagrams, const std::string& capture) {
  detail::scratchDirectory scratch;
  if (scratch.path.empty()) return "no scratch directory";
  std::vector<octets> packets;
  for (const datagram& d : datagrams) packets.push_back(detail::ipv4Udp(d));
  return detail::writeCapture(packets, "-l 101", capture, scratch.path);
}

// Reads a capture of `expected` frames; datagrams from or to one of the
// `rasPorts` are dissected as H.225.0 RAS.
inline result dissectCapture(const std::string& capture, const std::vector<unsigned>& rasPorts,
                             const std::vector<std::string>& fieldNames, size_t expected) {
  detail::scratchDirectory scratch;
  if (scratch.path.empty()) {
    result r;
    r.failure = "no scratch directory";
    return r;
  }
  std::string decodeAs;
  for (unsigned port : rasPorts) decodeAs += " -d udp.port==" + std::to_string(port) + ",h225";
  return detail::readCapture(capture, decodeAs, fieldNames, expected, scratch.path);
}

// tshark's full tree of one payload, for failure messages.
inline std::string verboseText(const std::string& dissector, const octets& payload) {
  detail::scratchDirectory scratch;
  std::string dump = scratch.path + "/frame.txt", capture = scratch.path + "/frame.pcap";
  std::string out = scratch.path + "/out.txt", err = scratch.path + "/err.txt";
  {
    std::ofstream text(dump);
    char buffer[8];
    text << "000000";
    for (unsigned char c : payload) {
      std::snprintf(buffer, sizeof buffer, " %02x", c);
      text << buffer;
    }
    text << "\n";
  }
  if (detail::run("text2pcap -q -l 147 '" + dump + "' '" + capture + "'", out, err) != 0) return detail::readFile(err);
  detail::run("tshark -n -r '" + capture + "' -o 'uat:user_dlts:\"User 0 (DLT=147)\",\"" + dissector +
                  "\",\"0\",\"\",\"0\",\"\"' -O " + dissector.substr(0, dissector.find('.')) + " -V",
              out, err);
  return detail::readFile(out);
}

}  // namespace tshark
