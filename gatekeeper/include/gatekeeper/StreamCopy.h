// A thread that copies one stream into another, for the transfers of the
// configuration and the log to and from a monitor client.
#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include <orvo/string.h>

#include <gatekeeper/Thread.h>

class TStreamCopy : public TThread {
public:
  enum { ChunkSize = 8192 };

  // Takes both streams.
  template <class T, class C>
  TStreamCopy(TGatekeeper* ACore, T* ATarget, void (C::*ACompletion)(TThread*), std::unique_ptr<std::istream> AInput,
              std::unique_ptr<std::ostream> AOutput)
      : TThread(ACore, ATarget, ACompletion), Input(std::move(AInput)), Output(std::move(AOutput)) {}
  TStreamCopy(TGatekeeper* ACore, std::unique_ptr<std::istream> AInput, std::unique_ptr<std::ostream> AOutput)
      : TThread(ACore), Input(std::move(AInput)), Output(std::move(AOutput)) {}
  ~TStreamCopy() override;

  // Empty when everything read reached its destination (for a replaced
  // file: is in place of the old one); else why not.
  const orvo::string& ErrorText() const { return Error; }
  bool Succeeded() const { return Error.empty(); }

protected:
  void Execute() override;

private:
  std::unique_ptr<std::istream> Input;
  std::unique_ptr<std::ostream> Output;
  orvo::string Error;
};
