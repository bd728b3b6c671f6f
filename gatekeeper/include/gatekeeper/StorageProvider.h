// The core's access to the configuration file and the log file.
#pragma once

#include <iosfwd>

class TGatekeeperService;

// For a core that runs without a service: nothing to open, no restart.
class TBasicStorageProvider {
public:
  virtual ~TBasicStorageProvider() = default;
  virtual std::istream* OpenConfigurationForReading() { return nullptr; }
  virtual std::ostream* OpenConfigurationForWriting() { return nullptr; }
  virtual std::istream* OpenLogForReading() { return nullptr; }
  virtual bool CanRestart() { return false; }
  virtual void Restart() {}
};

class TStorageProvider : public TBasicStorageProvider {
public:
  explicit TStorageProvider(TGatekeeperService* AService) : Service(AService) {}
  // The caller owns the stream; it may be in a failed state.
  std::istream* OpenConfigurationForReading() override;
  std::ostream* OpenConfigurationForWriting() override;
  std::istream* OpenLogForReading() override;
  bool CanRestart() override { return true; }
  void Restart() override;

private:
  TGatekeeperService* Service;
};
