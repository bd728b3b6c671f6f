// Reads our encodings with a decoder nobody here wrote: the octets are written
// as a capture file (text2pcap) and dissected by tshark, either as the whole
// payload of a user link type mapped to one dissector ("h225.ras", "h225",
// "h4501", "h245dg") or as the payload of a UDP datagram to a given port
// (RAS: 1719). Nothing is sent anywhere; the addresses of the UDP frames are
// loopback addresses.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

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
  bool ran = false;       // false when a tool could not be run
  std::string failure;    // the tools' complaint when !ran
  std::vector<frame> frames;
};

// False when either is missing; under CI the current test has failed then.
inline bool toolsAvailable() {
  return externalTool::check(externalTool::onPath("tshark") && externalTool::onPath("text2pcap"), "tshark or text2pcap");
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

inline result dissect(const std::vector<octets>& payloads, const std::string& text2pcapOptions,
                      const std::string& tsharkOptions, const std::vector<std::string>& fieldNames) {
  result r;
  scratchDirectory scratch;
  if (scratch.path.empty()) {
    r.failure = "no scratch directory";
    return r;
  }
  std::string dump = scratch.path + "/frames.txt", capture = scratch.path + "/frames.pcap";
  std::string out = scratch.path + "/out.txt", err = scratch.path + "/err.txt";
  {
    std::ofstream text(dump);
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
  if (run("text2pcap -q " + text2pcapOptions + " '" + dump + "' '" + capture + "'", out, err) != 0) {
    r.failure = "text2pcap: " + readFile(err);
    return r;
  }
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
  if (r.frames.size() != payloads.size()) {
    r.failure = "tshark reported " + std::to_string(r.frames.size()) + " frames for " +
                std::to_string(payloads.size()) + " payloads: " + readFile(err);
    return r;
  }
  r.ran = true;
  return r;
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
inline result dissectUdp(unsigned port, const std::vector<octets>& payloads, const std::vector<std::string>& fieldNames) {
  std::string ports = std::to_string(port) + "," + std::to_string(port);
  return detail::dissect(payloads, "-4 127.0.0.1,127.0.0.1 -u " + ports, "", fieldNames);
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
