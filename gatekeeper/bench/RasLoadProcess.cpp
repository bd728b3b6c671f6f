#include "RasLoadProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sched.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace rasload {

namespace {

bool Bindable(int AType, unsigned APort) {
  int s = socket(AF_INET, AType | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(uint16_t(APort));
  bool free = bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(s);
  return free;
}

}  // namespace

TServerProcess::TServerProcess(const std::vector<std::string>& AArguments, int ACore, const std::string& AOutput) {
  std::vector<char*> argv;
  for (const std::string& a : AArguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int output = open(AOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (output < 0) throw std::runtime_error("cannot write " + AOutput + ": " + std::strerror(errno));
  FPid = fork();
  if (FPid < 0) {
    close(output);
    throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
  }
  if (FPid == 0) {
    if (ACore >= 0) {
      cpu_set_t set;
      CPU_ZERO(&set);
      CPU_SET(ACore, &set);
      sched_setaffinity(0, sizeof set, &set);
    }
    dup2(output, 1);
    dup2(output, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(output);
}

TServerProcess::~TServerProcess() {
  if (FPid <= 0) return;
  kill(FPid, SIGKILL);
  int status = 0;
  while (waitpid(FPid, &status, 0) < 0 && errno == EINTR) {
  }
}

bool TServerProcess::Running() const {
  int status = 0;
  return FPid > 0 && waitpid(FPid, &status, WNOHANG) == 0;
}

bool TServerProcess::WaitForText(const std::string& AFile, const std::string& AText, double ASeconds) const {
  auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(ASeconds);
  for (;;) {
    if (ReadFile(AFile).find(AText) != std::string::npos) return true;
    if (!Running() || std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

long TServerProcess::ResidentKilobytes() const {
  std::ifstream status("/proc/" + std::to_string(FPid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, 6, "VmRSS:") == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

double TServerProcess::WaitSeconds() const {
  std::istringstream scheduled(ReadFile("/proc/" + std::to_string(FPid) + "/schedstat"));
  unsigned long long run = 0, wait = 0;
  if (!(scheduled >> run >> wait)) return -1;
  return double(wait) / 1e9;
}

double TServerProcess::CpuSeconds() const {
  // Nanoseconds on a processor, where the kernel keeps them; the clock
  // ticks of /proc/PID/stat are too coarse for the short phases.
  std::string scheduled = ReadFile("/proc/" + std::to_string(FPid) + "/schedstat");
  if (!scheduled.empty()) return double(std::stoull(scheduled)) / 1e9;
  std::string stat = ReadFile("/proc/" + std::to_string(FPid) + "/stat");
  // The command name in parentheses may hold blanks; the fields follow it.
  size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  unsigned long user = 0, system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::stoul(field);
    if (i == 15) system = std::stoul(field);
  }
  return double(user + system) / double(sysconf(_SC_CLK_TCK));
}

TProfile::TProfile(pid_t APid, const std::string& AData) : FData(AData) {
  const std::string pid = std::to_string(APid);
  FPerf = fork();
  if (FPerf < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
  if (FPerf == 0) {
    int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    dup2(quiet, 1);
    dup2(quiet, 2);
    execlp("perf", "perf", "record", "-q", "-F", "1999", "-g", "-p", pid.c_str(), "-o", AData.c_str(), nullptr);
    _exit(127);
  }
  // perf needs a moment to attach.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

TProfile::~TProfile() { Stop(); }

void TProfile::Stop() {
  if (FPerf <= 0) return;
  kill(FPerf, SIGINT);
  int status = 0;
  while (waitpid(FPerf, &status, 0) < 0 && errno == EINTR) {
  }
  FPerf = -1;
}

bool TProfile::Finish(const std::string& AReport) {
  Stop();
  if (FData.find('\'') != std::string::npos || AReport.find('\'') != std::string::npos) return false;
  std::string command = "perf report -q --stdio --no-children -g none --percent-limit 0.5 --sort symbol -i '" + FData +
                        "' > '" + AReport + "' 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

std::string MakeTemporaryDirectory(const char* AStem) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + AStem + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) throw std::runtime_error(std::string("no temporary directory: ") + std::strerror(errno));
  return name.data();
}

void RemoveDirectory(const std::string& APath) {
  if (APath.empty() || APath.find('\'') != std::string::npos) return;
  if (std::system(("rm -rf '" + APath + "'").c_str()) != 0) {
  }
}

std::vector<unsigned> FreePorts(unsigned ACount) {
  std::mt19937 random(std::random_device{}());
  // Below the range the system hands out for port 0.
  std::uniform_int_distribution<unsigned> pick(20000, 32000);
  std::vector<unsigned> ports;
  for (int attempt = 0; attempt < 10000 && ports.size() < ACount; ++attempt) {
    unsigned port = pick(random);
    bool taken = false;
    for (unsigned p : ports) taken = taken || p == port;
    if (!taken && Bindable(SOCK_DGRAM, port) && Bindable(SOCK_STREAM, port)) ports.push_back(port);
  }
  if (ports.size() < ACount) throw std::runtime_error("no free ports on 127.0.0.1");
  return ports;
}

std::string ReadFile(const std::string& APath) {
  std::ifstream in(APath);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace rasload
