// Collects what is written to the log stream while it lives: standard
// output, whose buffer the service hands to the log sinks.
#pragma once

#include <iostream>
#include <sstream>
#include <string>

class TOutputCapture {
public:
  TOutputCapture() : FOld(std::cout.rdbuf(FText.rdbuf())) {}
  ~TOutputCapture() { std::cout.rdbuf(FOld); }
  TOutputCapture(const TOutputCapture&) = delete;
  TOutputCapture& operator=(const TOutputCapture&) = delete;
  std::string Text() const { return FText.str(); }

private:
  std::ostringstream FText;
  std::streambuf* FOld;
};
