// A server under load (the gatekeeper or the echo server): a child process
// pinned to one core, its output in a file, its resident memory and CPU time
// read from /proc. It is killed at the end: a gatekeeper's orderly stop
// would unregister every simulated endpoint, which only wastes the time.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace rasload {

class TServerProcess {
public:
  // Starts AArguments[0] with the arguments on the core (-1: not pinned),
  // standard output and error into AOutput; throws std::runtime_error when
  // it cannot be started.
  TServerProcess(const std::vector<std::string>& AArguments, int ACore, const std::string& AOutput);
  ~TServerProcess();
  TServerProcess(const TServerProcess&) = delete;
  TServerProcess& operator=(const TServerProcess&) = delete;

  // Waits until the file holds the text; false when the limit passed or the
  // process ended first.
  bool WaitForText(const std::string& AFile, const std::string& AText, double ASeconds) const;
  bool Running() const;
  // VmRSS of /proc/PID/status in kilobytes; -1 when unreadable.
  long ResidentKilobytes() const;
  // Time on a processor so far, in seconds; -1 when unreadable.
  double CpuSeconds() const;
  // Time it was ready to run but waited for a processor (another process
  // on its core); -1 when unreadable.
  double WaitSeconds() const;
  pid_t Pid() const { return FPid; }

private:
  pid_t FPid = -1;
};

// perf record of a running process over one phase; its report of the
// hottest symbols is written to a text file.
class TProfile {
public:
  // Starts the recording into AData; throws std::runtime_error when perf
  // cannot be started.
  TProfile(pid_t APid, const std::string& AData);
  ~TProfile();
  TProfile(const TProfile&) = delete;
  TProfile& operator=(const TProfile&) = delete;

  // Ends the recording and writes the report; false when perf failed.
  bool Finish(const std::string& AReport);

private:
  pid_t FPerf = -1;
  std::string FData;
  void Stop();
};

// A new directory under TMPDIR (or /tmp); throws when none can be made.
std::string MakeTemporaryDirectory(const char* AStem);
void RemoveDirectory(const std::string& APath);
// Ports free for UDP and TCP on 127.0.0.1 right now, all different.
std::vector<unsigned> FreePorts(unsigned ACount);
std::string ReadFile(const std::string& APath);

}  // namespace rasload
