// Runs the built gatekeeper program as a child process for end-to-end tests.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

struct TProcessResult {
  std::string Output;   // standard output, with standard error unless kept apart
  std::string Error;    // standard error when kept apart
  int ExitStatus = -1;  // -1 when it did not exit by itself in time
};

struct TRunOptions {
  bool SeparateError = false;  // standard error into a file of its own
  std::string Directory;       // working directory; empty: the test's
  std::string Program;         // empty: GatekeeperProgram()
  // NAME=value entries set in the child's environment before it starts.
  std::vector<std::string> Environment;
  // The child's descriptor limit (soft and hard), set before it starts; 0
  // leaves it as the test's.
  unsigned long DescriptorLimit = 0;
};

std::string GatekeeperProgram();

// Runs to completion (killed after the time limit).
TProcessResult RunProgram(const std::vector<std::string>& AArguments,
                          std::chrono::milliseconds ALimit = std::chrono::seconds(10),
                          const TRunOptions& AOptions = TRunOptions());

// A gatekeeper running in the background; output collected into a file.
class TRunningProgram {
public:
  explicit TRunningProgram(const std::vector<std::string>& AArguments, const TRunOptions& AOptions = TRunOptions());
  ~TRunningProgram();
  // Waits until the output holds the text AOccurrence times (true) or the limit passes.
  bool WaitForOutput(const std::string& AText, std::chrono::milliseconds ALimit = std::chrono::seconds(10),
                     int AOccurrence = 1);
  void Signal(int ASignal);
  // Exit status once it ended, -1 after the limit.
  int WaitForExit(std::chrono::milliseconds ALimit = std::chrono::seconds(10));
  std::string Output() const;
  std::string Error() const;
  // Empties the output files (a long run would otherwise fill the disk).
  void DiscardOutput();
  pid_t Pid() const { return Child; }

private:
  pid_t Child = -1;
  std::string OutputFile;
  std::string ErrorFile;  // empty: standard error goes with the output
  bool Exited = false;
};
