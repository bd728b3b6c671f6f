#include "ProcessFigures.h"

#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

std::string ReadWhole(const std::string& APath) {
  std::ifstream in(APath);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

long StatusValue(const std::string& AStatus, const std::string& AName) {
  const std::string key = "\n" + AName + ":";
  size_t at = ("\n" + AStatus).find(key);
  if (at == std::string::npos) return -1;
  std::istringstream rest(AStatus.substr(at + key.size() - 1));
  long value = -1;
  rest >> value;
  return rest ? value : -1;
}

long long StatCpuTicks(const std::string& AStat) {
  size_t close = AStat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(AStat.substr(close + 1));
  // After the name: state (field 3) ... utime (14), stime (15).
  std::string field;
  for (int number = 3; number < 14; ++number)
    if (!(fields >> field)) return -1;
  long long user = -1, system = -1;
  if (!(fields >> user >> system)) return -1;
  return user + system;
}

char StatState(const std::string& AStat) {
  size_t close = AStat.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(AStat.substr(close + 1));
  char state = 0;
  return fields >> state ? state : 0;
}

bool ProcessAlive(pid_t APid) {
  const char state = ReadProcessFigures(APid).State;
  return state != 0 && state != 'Z' && state != 'X';
}

TProcessFigures ReadProcessFigures(pid_t APid) {
  TProcessFigures figures;
  const std::string base = "/proc/" + std::to_string(APid);
  figures.ResidentKiB = StatusValue(ReadWhole(base + "/status"), "VmRSS");
  const std::string stat = ReadWhole(base + "/stat");
  figures.CpuTicks = StatCpuTicks(stat);
  figures.State = StatState(stat);
  if (DIR* directory = opendir((base + "/fd").c_str())) {
    int count = 0;
    while (dirent* entry = readdir(directory))
      if (entry->d_name[0] != '.') ++count;
    closedir(directory);
    figures.Descriptors = count;
  }
  return figures;
}

double CpuShare(pid_t APid, int AMilliseconds) {
  const long long before = ReadProcessFigures(APid).CpuTicks;
  const auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(AMilliseconds));
  const long long after = ReadProcessFigures(APid).CpuTicks;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (before < 0 || after < 0 || seconds <= 0) return -1;
  return double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds;
}
