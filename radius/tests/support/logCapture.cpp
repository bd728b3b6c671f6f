#include "logCapture.h"

#include <iostream>

#include <orvo/bifurcator.h>
#include <orvo/streamManipulator.h>

namespace {

class lineSink : public orvo::TFormatStreamManipulator {
public:
  explicit lineSink(std::vector<std::string>& ALines)
      : orvo::TFormatStreamManipulator(orvo::levelPrefixFormat), lines(ALines) {
    for (const orvo::string* state :
         {&orvo::stateDefault, &orvo::stateError, &orvo::stateWarning, &orvo::stateInformation, &orvo::stateDebug})
      printOptions().setState(*state, unsigned(-1));
  }

protected:
  int putLine(orvo::string& ALine) override {
    std::string line(ALine.buffer(), ALine.length());
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    lines.push_back(line);
    return 0;
  }

private:
  std::vector<std::string>& lines;
};

}  // namespace

logCapture::logCapture() : bifurcator(new orvo::TBifurcator(std::cout)) {
  bifurcator->addManipulator(new lineSink(captured));
}

logCapture::~logCapture() { delete bifurcator; }

const std::vector<std::string>& logCapture::lines() {
  std::cout.flush();
  bifurcator->flushAll();
  return captured;
}

std::string logCapture::text() {
  std::string all;
  for (const std::string& line : lines()) all += line + "\n";
  return all;
}

void logCapture::clear() {
  lines();
  captured.clear();
}
