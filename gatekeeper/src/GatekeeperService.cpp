#include <gatekeeper/GatekeeperService.h>

#include <fcntl.h>
#include <syslog.h>
#include <unistd.h>

#include <iostream>
#include <memory>

#include <orvo/fileStream.h>
#include <orvo/ostreamManipulator.h>
#include <orvo/syslogManipulator.h>
#include <orvo/utility.h>
#include <orvo/versionInfo.h>

#include <config/Configuration.h>

#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/LogManipulators.h>
#include <gatekeeper/ReplacingFile.h>
#include <gatekeeper/StorageProvider.h>

const char* const TGatekeeperService::VersionText = "1.22 build 445";

namespace orvo {
const char* fileVersionText = TGatekeeperService::VersionText;
const char* productVersionText = TGatekeeperService::VersionText;
}  // namespace orvo

namespace {
const char* const DefaultConfigurationPath = "/etc/OrvoGatekeeper.cfg";
const unsigned EveryLevel = unsigned(-1);

void ReportStatus(unsigned AWaitHint) { orvo::service::reportStatus(2, AWaitHint); }

// A file sink opens its file for every block, so a file that cannot be made
// now would stay silent for good: its start tries it once, to say so. errno
// tells why when it cannot.
bool Appendable(const orvo::string& APath) {
  int file = ::open(APath.buffer(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (file == -1) return false;
  ::close(file);
  return true;
}
}  // namespace

TGatekeeperService::TGatekeeperService(const orvo::string& AName)
    : orvo::service(AName.empty() ? orvo::string("OrvoGatekeeper") : AName, orvo::string("Orvo H.323 Gatekeeper"),
                    orvo::string("Manages H.323 compliant network."), orvo::string()),
      StandardError(std::cerr.rdbuf()) {
  handleTerminate = true;
  handleUser2 = true;
  handleUser1 = false;
}

TGatekeeperService::~TGatekeeperService() = default;

void TGatekeeperService::SetConfigurationPath(const orvo::string& APath) {
  orvo::string directory = orvo::filePath(APath);
  orvo::string file = orvo::fileName(APath);
  if (directory.empty()) directory = orvo::filePath(orvo::string(DefaultConfigurationPath));
  if (file.empty())
    file = orvo::replaceExtension(orvo::fileName(orvo::string(DefaultConfigurationPath)), orvo::string("cfg"));
  ConfigurationPath = directory + file;
}

orvo::string TGatekeeperService::ResolveFileName(const orvo::string& AName, const char* AExtension) const {
  orvo::string directory = orvo::filePath(AName);
  orvo::string file = orvo::fileName(AName);
  if (directory.empty()) directory = orvo::filePath(ConfigurationPath);
  if (file.empty()) file = orvo::replaceExtension(orvo::fileName(ConfigurationPath), orvo::string(AExtension));
  return directory + file;
}

TBasicStorageProvider* TGatekeeperService::CreateStorageProvider() { return new TStorageProvider(this); }

void TGatekeeperService::AddFileSink(const orvo::string& AFileName) {
  LogFileWritable = CheckCycleFile(AFileName, "log");
  LogFileSink = new TLogFileManipulator(LogStream->printOptions(), &LogFileLineFormat, 50, 1500, AFileName);
  LogStream->addManipulator(LogFileSink);
}

bool TGatekeeperService::CheckCycleFile(const orvo::string& APath, const char* AKind) {
  if (Appendable(APath)) return true;
  const orvo::string text =
      orvo::string("Could not open ") + AKind + " file: " + APath + " (" + orvo::lastErrorText() + ")";
  // The sink still tries every block, and the service runs on.
  if (daemon || ConsoleOutput || ConsoleFileWritable || (LogFileSink && LogFileWritable))
    LogLine(orvo::stateWarning, text);
  else
    StandardError << "Warning: " << text << std::endl;
  return false;
}

void TGatekeeperService::OpenStartErrorSink() {
  if (!daemon && (ConsoleOutput || ConsoleFileWritable)) return;
  auto* sink = new orvo::TOStreamManipulatorWithFormat(StandardError, &ConsoleLineFormat);
  sink->printOptions().setState(orvo::stateError, EveryLevel);
  StartErrorSink = sink;
  LogStream->addManipulator(sink);
}

void TGatekeeperService::CloseStartErrorSink() {
  if (!StartErrorSink) return;
  LogStream->removeManipulator(StartErrorSink);
  StartErrorSink = nullptr;
  StandardError.flush();
}

void TGatekeeperService::SetUpLog() {
  LogStream = std::make_unique<orvo::TBifurcator>(std::cout);
  orvo::TPrintOptions& filter = LogStream->printOptions();
  filter.setState(orvo::stateDefault, EveryLevel);
  std::cout << orvo::setState(orvo::stateDefault);
  if (daemon) {
    auto* sink = new orvo::syslogManipulator(name, LOG_PID | LOG_NDELAY, LOG_DAEMON, &orvo::levelPrefixFormat);
    sink->printOptions().setState(orvo::stateError, EveryLevel);
    sink->printOptions().setState(orvo::stateWarning, EveryLevel);
    sink->printOptions().setState(orvo::stateInformation, EveryLevel);
    LogStream->addManipulator(sink);
    ConsoleOutput = false;
  }
  filter.setState(orvo::stateError, EveryLevel);
  filter.setState(orvo::stateWarning, EveryLevel);
  filter.setState(orvo::stateInformation, EveryLevel);
  if (ConsoleOutput)
    LogStream->addManipulator(
        new orvo::TOStreamManipulatorWithFormat(LogStream->savedStream(), filter, &ConsoleLineFormat));
  if (ConsoleFile) {
    if (ConsoleFileName.empty()) ConsoleFileName = orvo::replaceExtension(ConfigurationPath, orvo::string("log"));
    ConsoleFileWritable = Appendable(ConsoleFileName);
    if (!ConsoleFileWritable)
      StandardError << "Warning: Could not open console file: " << ConsoleFileName << " (" << orvo::lastErrorText()
                    << ")" << std::endl;
    LogStream->addManipulator(new TLogFileManipulator(filter, &LogFileLineFormat, 50, 1500, ConsoleFileName));
  }
}

bool TGatekeeperService::Start(void (*AStatusReporter)(unsigned)) {
  std::unique_ptr<TBasicStorageProvider> provider(CreateStorageProvider());
  std::unique_ptr<std::istream> stream = provider->OpenConfigurationForReading();
  if (!stream || stream->fail()) {
    LogLine(orvo::stateError, orvo::string("Could not open configuration file: ") + ConfigurationPath);
    return false;
  }
  Core = std::make_unique<TGatekeeper>(provider.release());
  std::cout << orvo::pushState(orvo::stateError);
  bool loaded = false;
  try {
    loaded = Core->ReloadConfiguration(stream.release());
  } catch (...) {
    std::cout << orvo::popState;
    throw;
  }
  std::cout << orvo::popState;
  if (!loaded) {
    Core.reset();
    return false;
  }

  TConfiguration* configuration = Core->Configuration();
  if (!ConsoleFile && !configuration->Log().FileName().empty()) {
    ConsoleFile = true;
    ConsoleFileName = ResolveFileName(configuration->Log().FileName(), "log");
    AddFileSink(ConsoleFileName);
  }
  if (!configuration->AAA().BillingFileName().empty()) {
    const orvo::string billingFile = ResolveFileName(configuration->AAA().BillingFileName(), "bil");
    CheckCycleFile(billingFile, "billing");
    BillingSink = new TLogFileManipulator(&BillingLineFormat, 50, 1500, billingFile);
    BillingSink->printOptions().setState(stateBillInfo, EveryLevel);
    LogStream->addManipulator(BillingSink);
  }

  Core->StatusReporter = AStatusReporter;
  Core->StartServices();
  Core->StatusReporter = nullptr;
  LogLine(orvo::stateInformation, "Service started.");
  return true;
}

int TGatekeeperService::run() {
  SetUpLog();
  RestartRequested = false;
  StopRequested = false;
  try {
    bool first = true;
    for (;;) {
      if (first) OpenStartErrorSink();
      bool started = Start(daemon && first ? &ReportStatus : nullptr);
      if (first) CloseStartErrorSink();
      if (!started) {
        reportStatus(3, 500);
        LogStream.reset();
        reportExitCode(1);
        return 1;
      }
      first = false;
      if (!RestartRequested) reportStatus(4, 0);
      RestartRequested = false;
      Core->RunGatekeeper();
      if (!RestartRequested) reportStatus(3, 500);
      Core.reset();
      LogLine(orvo::stateInformation, "Service stopped.");
      if (BillingSink) {
        LogStream->removeManipulator(BillingSink);
        BillingSink = nullptr;
      }
      if (LogFileSink) {
        ConsoleFile = false;
        LogStream->removeManipulator(LogFileSink);
        LogFileSink = nullptr;
      }
      if (!RestartRequested) break;
    }
  } catch (...) {
    LogCaughtException();
    LogStream->flushAll();
    StandardError.flush();
    // The core and the log stream are left to the end of the process: a
    // half-stopped core may still write to the log stream, and deleting it
    // may fail the same way its run did.
    (void)Core.release();
    (void)LogStream.release();
    return 1;
  }
  LogStream.reset();
  return 0;
}

void TGatekeeperService::stop() {
  const bool further = StopRequested;
  StopRequested = true;
  RestartRequested = false;
  if (!Core) return;
  Core->StatusReporter = &ReportStatus;
  // A restart's shutdown under way goes on as the stop's own; only a
  // further stop cuts it short.
  if (!further && Core->State() == TGatekeeper::gksShuttingDown) return;
  Core->StopLoop();
}

void TGatekeeperService::RequestRestart() {
  // The process is stopping: nothing would come of it, and cutting the
  // shutdown short would lose the endpoints' answers.
  if (StopRequested) return;
  LogLine(orvo::stateInformation, "Restarting service by monitor request.");
  RestartRequested = true;
  if (Core) Core->StopLoop();
}

void TGatekeeperService::restart() { RequestRestart(); }

std::unique_ptr<std::istream> TStorageProvider::OpenConfigurationForReading() {
  return std::make_unique<orvo::fileStream>(Service->ConfigurationPath.buffer(), std::ios_base::in);
}

std::unique_ptr<std::ostream> TStorageProvider::OpenConfigurationForWriting() {
  // The only configuration there is: it is replaced whole or not at all.
  return std::make_unique<TReplacingFile>(Service->ConfigurationPath.buffer());
}

std::unique_ptr<std::istream> TStorageProvider::OpenLogForReading() {
  if (!Service->ConsoleFile) return nullptr;
  return std::make_unique<orvo::fileStream>(Service->ConsoleFileName.buffer(), std::ios_base::in);
}

void TStorageProvider::Restart() { Service->RequestRestart(); }
