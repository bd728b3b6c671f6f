#include "TsharkDissector.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "externalTool.h"

namespace radiusTesting {

namespace {

std::string run(const std::string& ACommand) {
  std::string output;
  FILE* pipe = popen(ACommand.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + ACommand);
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  int status = pclose(pipe);
  if (status != 0) throw std::runtime_error("failed (" + std::to_string(status) + "): " + ACommand);
  return output;
}

struct TTemporaryDirectory {
  TTemporaryDirectory() {
    char pattern[] = "/tmp/radius-tshark-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    Path = pattern;
  }
  ~TTemporaryDirectory() { std::system(("rm -rf '" + Path + "'").c_str()); }
  std::string Path;
};

}  // namespace

bool TsharkAvailable() {
  return externalTool::check(externalTool::onPath("tshark") && externalTool::onPath("text2pcap"),
                             "tshark or text2pcap");
}

std::string DissectFields(const std::vector<unsigned char>& ADatagram, unsigned APort, const std::string& ASecret,
                          const std::vector<std::string>& AFields) {
  TTemporaryDirectory directory;
  std::string dump = directory.Path + "/datagram.txt";
  std::string capture = directory.Path + "/datagram.pcap";
  {
    std::ofstream out(dump);
    for (size_t i = 0; i < ADatagram.size(); ++i) {
      char text[32];
      if (i % 16 == 0) out << (i ? "\n" : "") << (std::snprintf(text, sizeof text, "%06zx", i), text);
      std::snprintf(text, sizeof text, " %02x", ADatagram[i]);
      out << text;
    }
    out << "\n";
  }
  run("text2pcap -q -u 40000," + std::to_string(APort) + " '" + dump + "' '" + capture + "' 2>&1");
  std::string command = "tshark -2 -r '" + capture + "' -o 'radius.shared_secret:" + ASecret +
                        "' -o radius.validate_authenticator:TRUE -T fields -E 'separator=|'";
  for (const std::string& field : AFields) command += " -e " + field;
  std::string output = run(command + " 2>/dev/null");
  while (!output.empty() && output.back() == '\n') output.pop_back();
  return output;
}

}  // namespace radiusTesting
