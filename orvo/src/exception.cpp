#include <orvo/exception.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace orvo {

exception::exception(const char* format, ...) {
  const unsigned limit = 512;
  char buffer[limit + 1];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(buffer, limit, format, args);
  va_end(args);
  if (n < 0) buffer[0] = 0;
  buffer[limit] = 0;
  text = new string(static_cast<const char*>(buffer));
}

exception::exception(const string& message) : text(new string(message)) {}

exception::~exception() { delete text; }

string* exception::message() {
  if (!text) text = new string(what());
  return text;
}

string exception::what() const { return string(); }

}  // namespace orvo
