#include <orvo/utility.h>

#include <sys/random.h>
#include <sys/select.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace orvo {

string errorText(int code) { return string(std::strerror(code)); }

string lastErrorText() { return errorText(errno); }

unsigned fileNameStart(const string& path) {
  for (unsigned i = path.length(); i > 0; --i) {
    char c = path.charAt(i - 1);
    if (c == '\\' || c == '/') return i;
  }
  return 0;
}

string fileName(const string& path) { return path.mid(fileNameStart(path)); }

string filePath(const string& path) { return path.left(fileNameStart(path)); }

string replaceExtension(const string& path, const string& ext) {
  for (unsigned i = path.length(); i > 0; --i) {
    char c = path.charAt(i - 1);
    if (c == '.') return path.left(i) + ext;
    if (c == '\\' || c == '/' || c == ':') break;
  }
  return path + "." + ext;
}

string extension(const string& path) {
  int dot = path.rfindChar('.');
  if (dot == 0) return string();
  return path.mid(unsigned(dot + 1));
}

namespace {
void seedOnce() {
  static bool seeded = false;
  if (seeded) return;
  unsigned seed = 0;
  if (getrandom(&seed, sizeof seed, 0) != ssize_t(sizeof seed)) seed = unsigned(std::time(nullptr));
  std::srand(seed);
  seeded = true;
}
}  // namespace

unsigned random(unsigned low, unsigned high) {
  seedOnce();
  unsigned span = high - low;
  if (span == 0xFFFFFFFFu) return unsigned(std::rand());
  if (span == 0) return low;
  return low + unsigned(std::rand()) % span + 1;
}

int sleep(unsigned milliseconds) {
  timeval timeout;
  timeout.tv_sec = milliseconds / 1000;
  timeout.tv_usec = (milliseconds % 1000) * 1000;
  return select(0, nullptr, nullptr, nullptr, &timeout);
}

std::ostream& operator<<(std::ostream& out, const blanks& b) {
  static const char spaces[] = "                                                                                ";
  int count = b.count;
  while (count >= 80) {
    out.write(spaces, 80);
    count -= 80;
  }
  if (count > 0) out.write(spaces, count);
  return out;
}

}  // namespace orvo
