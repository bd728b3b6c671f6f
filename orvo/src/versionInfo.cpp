#include <orvo/versionInfo.h>

namespace orvo {

// The application's own definitions take the place of these.
__attribute__((weak)) const char* fileVersionText = "";
__attribute__((weak)) const char* productVersionText = "";

string versionInfo::fileVersion() const { return string(fileVersionText ? fileVersionText : ""); }
string versionInfo::productVersion() const { return string(productVersionText ? productVersionText : ""); }

}  // namespace orvo
