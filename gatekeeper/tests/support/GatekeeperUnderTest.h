// The built gatekeeper program, run by an end-to-end test on a configuration
// of its own in a temporary directory: loopback address, free RAS,
// call-signal and monitor ports, a log file beside the configuration. The
// directory is removed afterwards unless the test failed; then it is kept,
// with the capture a test wrote into it, and its path is printed.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <memory>
#include <string>

#include "ProcessRunner.h"

struct TGatekeeperSetup {
  // Empty: the system section names no identifier.
  std::string Identifier = "OrvoTestGK";
  // The system address. Endpoints reach a wildcard or 127.0.0.1 on
  // 127.0.0.1, another loopback address on that address.
  std::string Address = "127.0.0.1";
  // The rules of the log section (the file is always "gk.log").
  std::string LogRules = "registrations yes;\nras messages yes;\n";
  // Further sections: zones, groups, users, neighbours.
  std::string Sections;
  // 0: a free port of its own; else the RAS port of another gatekeeper.
  unsigned RasPort = 0;
};

class TGatekeeperUnderTest {
public:
  explicit TGatekeeperUnderTest(const TGatekeeperSetup& ASetup = TGatekeeperSetup());
  // Stops a running gatekeeper (killed when it does not stop in time).
  ~TGatekeeperUnderTest();
  TGatekeeperUnderTest(const TGatekeeperUnderTest&) = delete;
  TGatekeeperUnderTest& operator=(const TGatekeeperUnderTest&) = delete;

  // Runs the program and waits until it says "Service started.".
  bool Start(std::chrono::milliseconds ALimit = std::chrono::seconds(10));
  // The same with another program, environment or descriptor limit (with
  // one, the sanitizers' settings of AddExhaustionSanitizerSettings).
  bool Start(const TRunOptions& AOptions, std::chrono::milliseconds ALimit = std::chrono::seconds(10));
  // Start in two halves, so that several gatekeepers start together: runs
  // the program; then waits until it says "Service started.".
  void Launch(const TRunOptions& AOptions = TRunOptions());
  bool WaitUntilStarted(std::chrono::milliseconds ALimit = std::chrono::seconds(10));
  // The running program's process, -1 before the start and after the end.
  pid_t Pid() const;
  // Empties the console output and the log file so far.
  void DiscardOutput();
  // SIGTERM; the exit status, -1 when it did not end within the limit. Once
  // it has ended, the same status again.
  int Stop(std::chrono::milliseconds ALimit = std::chrono::seconds(10));
  // Sends the running program a signal (SIGUSR2 restarts it).
  void Signal(int ASignal);
  // Waits for the end without a signal: the status, -1 when it still runs
  // after the limit.
  int WaitForExit(std::chrono::milliseconds ALimit);

  const std::string& Directory() const { return Folder; }
  std::string PathOf(const std::string& AName) const { return Folder + "/" + AName; }
  const std::string& ConfigurationText() const { return Text; }
  unsigned RasPort() const { return Ras; }
  unsigned CallSignalPort() const { return CallSignal; }
  unsigned MonitorPort() const { return Monitor; }
  // The system address (127.0.0.1 for the wildcard) on the RAS port: where
  // endpoints send their requests.
  sockaddr_in RasAddress() const;

  // Console output (standard output and error) and the log file so far.
  std::string Console() const;
  std::string Log() const;
  // What the sanitizers reported on the console (see SanitizerFindings).
  std::string SanitizerFindings() const;
  // Waits until the console output holds the text AOccurrence times.
  bool WaitForConsole(const std::string& AText, std::chrono::milliseconds ALimit = std::chrono::seconds(5),
                      int AOccurrence = 1);
  // Waits until the log file holds the text AOccurrence times.
  bool WaitForLog(const std::string& AText, std::chrono::milliseconds ALimit = std::chrono::seconds(5),
                  int AOccurrence = 1) const;

private:
  std::string Folder;
  std::string Text;
  unsigned Ras = 0, CallSignal = 0, Monitor = 0;
  in_addr Host{};
  std::unique_ptr<TRunningProgram> Program;
  int ExitStatus = -1;  // -1 while it runs
};

// Three different ports, each free for UDP and TCP on 127.0.0.1 right now,
// below the range the system hands out for port 0 so that the sockets of
// simulated endpoints cannot take them.
void ChooseFreePorts(unsigned& A, unsigned& B, unsigned& C);
