// Real messages as extra seeds. The shared H.323 corpus holds one message a
// line, in hexadecimal, in <capture>/<file> (ras.hex, q931.hex, ...); each
// line becomes a file of a temporary directory, and that directory joins the
// fuzzer's corpus directories. The messages are read where they lie, at run
// time: they never become part of the project.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <system_error>
#include <vector>

namespace fuzzing {

using octets = std::vector<unsigned char>;

// Turns one message of the corpus into the seed; empty to skip it.
using seedExtractor = octets (*)(const octets& message);

namespace detail {

inline std::string& seedDirectory() {
  static std::string path;
  return path;
}

inline void removeSeedDirectory() {
  std::error_code ignored;
  if (!seedDirectory().empty()) std::filesystem::remove_all(seedDirectory(), ignored);
}

inline bool hexLine(const std::string& line, octets& out) {
  out.clear();
  if (line.size() % 2 != 0) return false;
  for (size_t i = 0; i < line.size(); i += 2) {
    char pair[3] = {line[i], line[i + 1], 0};
    char* end = nullptr;
    unsigned long value = std::strtoul(pair, &end, 16);
    if (end != pair + 2) return false;
    out.push_back((unsigned char)value);
  }
  return !out.empty();
}

// libFuzzer runs the inputs one by one, without fuzzing, when it is given
// files; a directory added then would turn that into a fuzzing run.
// Merging and crash minimisation give directories their own roles.
inline bool givenFiles(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] != '-' && std::filesystem::is_regular_file(argv[i])) return true;
    for (const char* flag : {"-merge=", "-set_cover_merge=", "-minimize_crash=", "-cleanse_crash="})
      if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
  }
  return false;
}

}  // namespace detail

// Writes the seeds of every file of the shared corpus named in `fileNames`
// to one temporary directory and appends that directory to the fuzzer's
// arguments. Returns the number of seeds written. Call it once.
inline unsigned addSharedSeeds(int* argc, char*** argv, std::initializer_list<const char*> fileNames,
                               seedExtractor extract = nullptr) {
#ifdef ORVO_SHARED_DIR
  const std::filesystem::path corpus = std::filesystem::path(ORVO_SHARED_DIR) / "corpus" / "h323";
#else
  const char* shared = std::getenv("ORVO_SHARED_DIR");
  if (!shared) return 0;
  const std::filesystem::path corpus = std::filesystem::path(shared) / "corpus" / "h323";
#endif
  std::error_code error;
  if (detail::givenFiles(*argc, *argv) || !std::filesystem::is_directory(corpus, error)) return 0;
  std::string pattern = (std::filesystem::temp_directory_path(error) / "orvo-seeds-XXXXXX").string();
  if (error || !mkdtemp(pattern.data())) return 0;
  detail::seedDirectory() = pattern;
  std::atexit(detail::removeSeedDirectory);

  unsigned written = 0;
  for (const char* fileName : fileNames) {
    for (const auto& capture : std::filesystem::directory_iterator(corpus, error)) {
      std::ifstream in(capture.path() / fileName);
      std::string line;
      for (unsigned number = 1; std::getline(in, line); ++number) {
        octets message;
        if (!detail::hexLine(line, message)) continue;
        octets seed = extract ? extract(message) : message;
        if (seed.empty()) continue;
        std::string name = capture.path().filename().string() + "-" + fileName + "-" + std::to_string(number);
        std::ofstream out(std::filesystem::path(pattern) / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
        ++written;
      }
    }
  }
  // A new argument vector: the old arguments, then the seed directory.
  static std::vector<char*> arguments;
  arguments.assign(*argv, *argv + *argc);
  arguments.push_back(detail::seedDirectory().data());
  arguments.push_back(nullptr);
  *argc = int(arguments.size() - 1);
  *argv = arguments.data();
  std::string names;
  for (const char* fileName : fileNames) names += (names.empty() ? "" : ", ") + std::string(fileName);
  std::fprintf(stderr, "%u seeds from %s/*/%s\n", written, corpus.string().c_str(), names.c_str());
  return written;
}

inline unsigned addSharedSeeds(int* argc, char*** argv, const char* fileName, seedExtractor extract = nullptr) {
  return addSharedSeeds(argc, argv, {fileName}, extract);
}

}  // namespace fuzzing
