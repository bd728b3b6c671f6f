// One association with a RADIUS server. The packets made or received through
// it use its shared secret.
#pragma once

#include <orvo/string.h>

namespace RADIUS {

class TConnection {
public:
  TConnection() = default;
  virtual ~TConnection();
  TConnection(const TConnection&) = delete;
  TConnection& operator=(const TConnection&) = delete;

  const orvo::string& Secret() const { return FSecret; }
  void SetSecret(const orvo::string& ASecret);

private:
  orvo::string FSecret;
};

}  // namespace RADIUS
