// A thread that parses a configuration text into a new configuration, for a
// reload or an upload, while the event loop goes on.
#pragma once

#include <istream>
#include <memory>

#include <orvo/string.h>

#include <config/ConfigurationHolder.h>

#include <gatekeeper/Thread.h>

class TConfiguration;

class TConfigurationParser : public TThread {
public:
  // Takes the stream.
  template <class T, class C>
  TConfigurationParser(TGatekeeper* ACore, T* ATarget, void (C::*ACompletion)(TThread*),
                       std::unique_ptr<std::istream> AInput)
      : TThread(ACore, ATarget, ACompletion), Input(std::move(AInput)) {}
  TConfigurationParser(TGatekeeper* ACore, std::unique_ptr<std::istream> AInput)
      : TThread(ACore), Input(std::move(AInput)) {}
  ~TConfigurationParser() override;

  // Empty when the text loaded.
  const orvo::string& ErrorText() const { return Error; }
  // The loaded configuration for the completion to keep; null after a failed
  // load or once taken. What is not taken goes with the thread.
  TConfigurationHolder TakeConfiguration();

protected:
  void Execute() override;

private:
  std::unique_ptr<std::istream> Input;
  std::unique_ptr<TConfiguration> NewConfiguration;
  orvo::string Error;
};
