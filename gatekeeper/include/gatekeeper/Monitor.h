// The record of one monitor client connection, as far as the core holds it so far.
#pragma once

class TMonitor {
public:
  virtual ~TMonitor() = default;
};
