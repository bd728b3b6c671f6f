#include "h323Corpus.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

namespace {

std::vector<std::string> lines(const std::string& path) {
  std::vector<std::string> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

std::vector<unsigned char> fromHex(const std::string& text) {
  std::vector<unsigned char> octets;
  for (size_t i = 0; i + 1 < text.size(); i += 2)
    octets.push_back((unsigned char)std::stoul(text.substr(i, 2), nullptr, 16));
  return octets;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out(1);
  for (char c : line) {
    if (c == '\t')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

}  // namespace

std::string h323CorpusDirectory() {
  std::string directory = std::string(ORVO_SHARED_DIR) + "/corpus/h323";
  struct stat info;
  return stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? directory : std::string();
}

std::vector<corpusMessage> h323CorpusMessages(const std::string& kind) {
  std::vector<corpusMessage> messages;
  std::string directory = h323CorpusDirectory();
  if (directory.empty()) return messages;
  std::vector<std::string> captures;
  if (DIR* d = opendir(directory.c_str())) {
    while (dirent* entry = readdir(d))
      if (entry->d_name[0] != '.') captures.push_back(entry->d_name);
    closedir(d);
  }
  std::sort(captures.begin(), captures.end());
  for (const std::string& capture : captures) {
    std::string stem = directory + "/" + capture + "/" + kind;
    std::vector<std::string> hex = lines(stem + ".hex"), summaries = lines(stem + ".txt");
    for (size_t i = 0; i < hex.size(); ++i) {
      corpusMessage message;
      message.capture = capture;
      message.line = unsigned(i + 1);
      message.octets = fromHex(hex[i]);
      if (i < summaries.size()) {
        std::vector<std::string> f = fields(summaries[i]);
        if (f.size() >= 5) {
          message.summary = f[3];
          message.malformed = f[4].compare(0, 9, "MALFORMED") == 0;
        }
      }
      messages.push_back(message);
    }
  }
  return messages;
}

std::vector<unsigned char> userUserInformation(const std::vector<unsigned char>& q931) {
  // Protocol discriminator, call reference (length and value), message type.
  if (q931.size() < 3) return {};
  size_t i = 2 + (q931[1] & 0x0f) + 1;
  while (i < q931.size()) {
    unsigned char identifier = q931[i];
    if (identifier & 0x80) {  // single-octet element
      ++i;
      continue;
    }
    if (identifier == 0x7e) {  // user-user: two length octets
      if (i + 3 > q931.size()) return {};
      size_t length = (size_t(q931[i + 1]) << 8) | q931[i + 2];
      size_t start = i + 3;
      if (length < 1 || start + length > q931.size()) return {};
      return std::vector<unsigned char>(q931.begin() + long(start) + 1, q931.begin() + long(start + length));
    }
    if (i + 1 >= q931.size()) return {};
    i += 2 + q931[i + 1];
  }
  return {};
}
