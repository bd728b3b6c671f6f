// The core's access to the configuration file and the log file.
#pragma once

#include <istream>
#include <memory>
#include <ostream>

class TGatekeeperService;

// For a core that runs without a service: nothing to open, no restart.
class TBasicStorageProvider {
public:
  virtual ~TBasicStorageProvider() = default;
  virtual std::unique_ptr<std::istream> OpenConfigurationForReading() { return nullptr; }
  virtual std::unique_ptr<std::ostream> OpenConfigurationForWriting() { return nullptr; }
  virtual std::unique_ptr<std::istream> OpenLogForReading() { return nullptr; }
  virtual bool CanRestart() { return false; }
  virtual void Restart() {}
};

class TStorageProvider : public TBasicStorageProvider {
public:
  explicit TStorageProvider(TGatekeeperService* AService) : Service(AService) {}
  // The stream may be in a failed state.
  std::unique_ptr<std::istream> OpenConfigurationForReading() override;
  std::unique_ptr<std::ostream> OpenConfigurationForWriting() override;
  std::unique_ptr<std::istream> OpenLogForReading() override;
  bool CanRestart() override { return true; }
  void Restart() override;

private:
  TGatekeeperService* Service;
};
