#include <config/ParseRun.h>

#include <atomic>

#include <config/ParseMessage.h>

#include "ConfigurationGrammar.h"

namespace {

// One parse at a time in the process. A run that finds the slot taken is
// refused at once: waiting could never end on the one thread there is.
std::atomic<bool> parseSlotTaken(false);

}  // namespace

TParseRun::TParseRun(std::istream& AInput, TSectionBuilder& ABuilder) : FBuilder(ABuilder) {
  bool expected = false;
  FStarted = parseSlotTaken.compare_exchange_strong(expected, true);
  if (FStarted) FScanner.Reset(AInput);
}

TParseRun::~TParseRun() {
  FScanner.Owner().FreeAll();
  if (FStarted) parseSlotTaken.store(false);
}

bool TParseRun::Parse() {
  if (!FStarted) return false;
  const int result = cfgparse(*this);
  if (FPendingFailure) {
    std::exception_ptr failure = FPendingFailure;
    FPendingFailure = nullptr;
    std::rethrow_exception(failure);
  }
  return result == 0;
}

int TParseRun::NextToken(TTokenValue& AValue) {
  // A failure of the input must not unwind through the parser, which would
  // leave its stack behind: the parse ends as after an error instead, and
  // the failure is reported (scanner failures) or passed on (anything else).
  try {
    return FScanner.Next(AValue);
  } catch (TScanner::EFatal* failure) {
    const orvo::exceptionPtr owned(failure);
    Report(*owned->message());
  } catch (...) {
    FPendingFailure = std::current_exception();
  }
  return CFGerror;
}

bool TParseRun::Guard(const std::function<void()>& AAction) {
  try {
    AAction();
    return true;
  } catch (...) {
    FPendingFailure = std::current_exception();
    return false;
  }
}

void TParseRun::Report(const orvo::string& AMessage) {
  if (FErrorText.length() != 0) FErrorText.append('\n');
  FErrorText.append(orvo::string("Configuration file: "));
  FErrorText.append(ParseMessageText(AMessage));
  FErrorText.append(orvo::string(", in line "));
  FErrorText.append(orvo::toString(FScanner.Line()));
  FErrorText.append('.');
}

orvo::string TParseRun::TakeText(TTokenContainer* AContainer) {
  const std::unique_ptr<orvo::string> text = Take<orvo::string>(AContainer);
  return text ? *text : orvo::string();
}
