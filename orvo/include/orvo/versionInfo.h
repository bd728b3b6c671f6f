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

  // The other texts of a version record, which this platform does not keep:
  // each is empty.
  string comments() const { return string(); }
  string companyName() const { return string(); }
  string fileDescription() const { return string(); }
  string internalName() const { return string(); }
  string legalCopyright() const { return string(); }
  string legalTrademarks() const { return string(); }
  string originalFilename() const { return string(); }
  string privateBuild() const { return string(); }
  string productName() const { return string(); }
  string specialBuild() const { return string(); }
};

}  // namespace orvo
