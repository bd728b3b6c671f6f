// The one service object of the process: command-line settings, the log
// sinks, and the run cycles of the gatekeeper core.
#pragma once

#include <memory>
#include <ostream>

#include <orvo/bifurcator.h>
#include <orvo/service.h>
#include <orvo/string.h>

class TGatekeeper;
class TLogFileManipulator;
class TBasicStorageProvider;

class TGatekeeperService : public orvo::service {
public:
  static const char* const VersionText;

  explicit TGatekeeperService(const orvo::string& AName);
  ~TGatekeeperService() override;

  // The configuration path from a command-line value: "/etc/" for a missing
  // directory, "OrvoGatekeeper.cfg" for a missing file name.
  void SetConfigurationPath(const orvo::string& APath);
  // A configured file name resolved against the configuration path.
  orvo::string ResolveFileName(const orvo::string& AName, const char* AExtension) const;

  // Exit status: 1 when a cycle failed to start or an exception ended the run.
  int run() override;
  void stop() override;
  void restart() override;

  virtual TBasicStorageProvider* CreateStorageProvider();
  void RequestRestart();

  orvo::string ConfigurationPath;
  orvo::string ConsoleFileName;
  bool ConsoleOutput = true;
  bool ConsoleFile = false;

private:
  bool Start(void (*AStatusReporter)(unsigned));
  void SetUpLog();
  void AddFileSink(const orvo::string& AFileName);
  // Tries a file of the cycle (AKind "log" or "billing") once; one that
  // cannot be opened is reported at class Warning, or on standard error
  // where no sink would show a warning. False then.
  bool CheckCycleFile(const orvo::string& APath, const char* AKind);
  // Error lines of the first start go to standard error when no other sink
  // would show them: console off and no console file, or detached (where
  // standard error leads to the waiting starter).
  void OpenStartErrorSink();
  void CloseStartErrorSink();

  std::unique_ptr<TGatekeeper> Core;
  std::unique_ptr<orvo::TBifurcator> LogStream;
  // Standard error without the tie to the log stream's target, which a sink
  // must not flush from inside the log stream.
  std::ostream StandardError;
  // Owned by the log stream's sink list.
  TLogFileManipulator* BillingSink = nullptr;
  TLogFileManipulator* LogFileSink = nullptr;
  orvo::TBasicStreamManipulator* StartErrorSink = nullptr;
  bool ConsoleFileWritable = false;
  bool LogFileWritable = false;
  bool RestartRequested = false;
  // A stop came: whatever restart was asked before or after it, the process
  // ends with this cycle.
  bool StopRequested = false;
};
