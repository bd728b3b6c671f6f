// Collects what is written to the log stream while it lives: standard
// output, whose buffer the service hands to the log sinks.
#pragma once

#include <iostream>
#include <sstream>
#include <string>

class TLogCapture {
public:
  TLogCapture() : FOld(std::cout.rdbuf(FText.rdbuf())) {}
  ~TLogCapture() { std::cout.rdbuf(FOld); }
  TLogCapture(const TLogCapture&) = delete;
  TLogCapture& operator=(const TLogCapture&) = delete;
  std::string Text() const { return FText.str(); }

private:
  std::ostringstream FText;
  std::streambuf* FOld;
};
