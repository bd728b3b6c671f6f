// Collects what the code under test writes to the log (standard output) as
// whole lines, each prefixed with its level letter ("[E] ", "[W] ", ...).
#pragma once

#include <string>
#include <vector>

namespace orvo {
class TBifurcator;
}

class logCapture {
public:
  logCapture();
  ~logCapture();
  logCapture(const logCapture&) = delete;
  logCapture& operator=(const logCapture&) = delete;

  // Every line written so far, line ends removed.
  const std::vector<std::string>& lines();
  // All of it as one text, each line ended by "\n".
  std::string text();
  void clear();

private:
  std::vector<std::string> captured;
  orvo::TBifurcator* bifurcator;
};
