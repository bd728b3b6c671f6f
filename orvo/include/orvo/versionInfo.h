// The version texts of the application.
#pragma once

#include <orvo/string.h>

namespace orvo {

// Defined by the application; empty texts when it defines neither.
extern const char* fileVersionText;
extern const char* productVersionText;

class versionInfo {
public:
  versionInfo() {}
  string fileVersion() const;
  string productVersion() const;
};

}  // namespace orvo
