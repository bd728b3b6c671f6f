// One run of the configuration grammar over an input: the per-parse state
// (scanner, values the parse owns, error text) and the process's parse slot.
#pragma once

#include <exception>
#include <functional>
#include <iosfwd>
#include <memory>

#include <orvo/string.h>

#include <config/Scanner.h>
#include <config/SectionBuilder.h>
#include <config/TokenContainer.h>

class TParseRun {
public:
  // BeginParse: takes the parse slot when no other parse holds it (a run
  // that finds it taken parses nothing) and starts the scanner on the input.
  TParseRun(std::istream& AInput, TSectionBuilder& ABuilder);
  // EndParse, however the parse ended (a scope guard): frees every value it
  // still owns and gives the slot back.
  ~TParseRun();
  TParseRun(const TParseRun&) = delete;
  TParseRun& operator=(const TParseRun&) = delete;

  // False when another parse held the slot.
  bool Started() const { return FStarted; }

  // Reads the whole input: true when it was read without error. An exception
  // of the input stream or of a section action passes to the caller after
  // the parser has let go of its stack.
  bool Parse();

  // "Configuration file: <message>, in line <n>." for every message
  // reported, one a line; empty when none was.
  const orvo::string& ErrorText() const { return FErrorText; }

  // The error reporter: rewrites the message and records it with the
  // scanner's current line.
  void Report(const orvo::string& AMessage);

  // For the grammar.
  TSectionBuilder& Builder() { return FBuilder; }
  int NextToken(TTokenValue& AValue);
  // Runs a section action; false when it threw (the exception is kept for
  // the caller of Parse and the parse must end).
  bool Guard(const std::function<void()>& AAction);

  // Values of the grammar live in containers the run owns until an action
  // takes them over; whatever is left when the run ends is freed.
  template <class T>
  TTokenContainer* Keep(T* AObject) {
    return FScanner.Owner().Keep(new TTokenContainer(AObject));
  }
  // T is the type the container was made with (a directive as TExpression).
  template <class T>
  std::unique_ptr<T> Take(TTokenContainer* AContainer) {
    return std::unique_ptr<T>(static_cast<T*>(FScanner.Owner().TakeOver(AContainer)));
  }
  // A directive taken over as the class the grammar made it.
  template <class T>
  std::unique_ptr<T> TakeDirective(TTokenContainer* AContainer) {
    return std::unique_ptr<T>(static_cast<T*>(Take<TExpression>(AContainer).release()));
  }
  // A text value taken over; the empty text for none.
  orvo::string TakeText(TTokenContainer* AContainer);
  // Reads a value in place; it stays the run's.
  template <class T>
  static T* Peek(TTokenContainer* AContainer) {
    return AContainer ? static_cast<T*>(AContainer->Pointer) : nullptr;
  }

private:
  TSectionBuilder& FBuilder;
  TScanner FScanner;
  orvo::string FErrorText;
  std::exception_ptr FPendingFailure;
  bool FStarted;
};
