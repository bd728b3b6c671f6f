#include "ProcessRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

std::string GatekeeperProgram() { return std::string(ORVO_BINARY_DIR) + "/gatekeeper/orvogk"; }

namespace {

pid_t Spawn(const std::vector<std::string>& AArguments, const std::string& AOutputFile, const std::string& AErrorFile,
            const TRunOptions& AOptions) {
  const std::string& ADirectory = AOptions.Directory;
  std::string program = AOptions.Program.empty() ? GatekeeperProgram() : AOptions.Program;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : AArguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid != 0) return pid;
  int out = open(AOutputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  int error = AErrorFile.empty() ? out : open(AErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  int in = open("/dev/null", O_RDONLY);
  dup2(in, 0);
  dup2(out, 1);
  dup2(error, 2);
  for (const std::string& setting : AOptions.Environment) putenv(const_cast<char*>(setting.c_str()));
  if (AOptions.DescriptorLimit) {
    const rlimit limit{AOptions.DescriptorLimit, AOptions.DescriptorLimit};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(125);
  }
  if (!ADirectory.empty() && chdir(ADirectory.c_str()) != 0) _exit(126);
  execv(program.c_str(), argv.data());
  _exit(127);
}

std::string TemporaryName() {
  char name[] = "/tmp/orvogk-test-XXXXXX";
  int fd = mkstemp(name);
  close(fd);
  return name;
}

std::string ReadFile(const std::string& APath) {
  std::ifstream in(APath);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

size_t Count(const std::string& AText, const std::string& ANeedle) {
  size_t n = 0;
  for (size_t at = AText.find(ANeedle); at != std::string::npos; at = AText.find(ANeedle, at + 1)) ++n;
  return n;
}

}  // namespace

TProcessResult RunProgram(const std::vector<std::string>& AArguments, std::chrono::milliseconds ALimit,
                          const TRunOptions& AOptions) {
  TRunningProgram program(AArguments, AOptions);
  TProcessResult result;
  result.ExitStatus = program.WaitForExit(ALimit);
  result.Output = program.Output();
  result.Error = program.Error();
  return result;
}

TRunningProgram::TRunningProgram(const std::vector<std::string>& AArguments, const TRunOptions& AOptions)
    : OutputFile(TemporaryName()), ErrorFile(AOptions.SeparateError ? TemporaryName() : std::string()) {
  Child = Spawn(AArguments, OutputFile, ErrorFile, AOptions);
}

TRunningProgram::~TRunningProgram() {
  if (!Exited && Child > 0) {
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
  }
  unlink(OutputFile.c_str());
  if (!ErrorFile.empty()) unlink(ErrorFile.c_str());
}

bool TRunningProgram::WaitForOutput(const std::string& AText, std::chrono::milliseconds ALimit, int AOccurrence) {
  auto end = std::chrono::steady_clock::now() + ALimit;
  for (;;) {
    if (Count(Output(), AText) >= size_t(AOccurrence)) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void TRunningProgram::Signal(int ASignal) { kill(Child, ASignal); }

int TRunningProgram::WaitForExit(std::chrono::milliseconds ALimit) {
  auto end = std::chrono::steady_clock::now() + ALimit;
  for (;;) {
    int status = 0;
    if (waitpid(Child, &status, WNOHANG) == Child) {
      Exited = true;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (std::chrono::steady_clock::now() >= end) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::string TRunningProgram::Output() const { return ReadFile(OutputFile); }

void TRunningProgram::DiscardOutput() {
  if (truncate(OutputFile.c_str(), 0) != 0) return;
  if (!ErrorFile.empty() && truncate(ErrorFile.c_str(), 0) != 0) return;
}

std::string TRunningProgram::Error() const { return ErrorFile.empty() ? std::string() : ReadFile(ErrorFile); }
