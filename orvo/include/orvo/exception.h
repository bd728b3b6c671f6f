// Root of every failure the library raises. Thrown as a pointer to a heap
// object (`throw new X(...)`); the catcher reads the text and deletes it.
#pragma once

#include <memory>

#include <orvo/string.h>

namespace orvo {

class exception {
public:
  exception() = default;
  explicit exception(const char* format, ...) __attribute__((format(printf, 2, 3)));
  explicit exception(const string& text);
  exception(const exception&) = delete;
  exception& operator=(const exception&) = delete;
  virtual ~exception();

  // The text, composed by `what` on first request and kept.
  string* message();

protected:
  virtual string what() const;

private:
  string* text = nullptr;
};

// Owns a caught exception for the rest of the handler.
using exceptionPtr = std::unique_ptr<exception>;

}  // namespace orvo
