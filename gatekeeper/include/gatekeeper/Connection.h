// The record of one admitted call, as far as the core holds it so far.
#pragma once

class TConnection {
public:
  virtual ~TConnection() = default;
};
