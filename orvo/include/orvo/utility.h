// Small helpers used across the system: errno texts, path pieces, random
// numbers, a millisecond sleep and an indentation manipulator.
#pragma once

#include <ostream>

#include <orvo/string.h>

namespace orvo {

string errorText(int code);
string lastErrorText();

// Both '\' and '/' separate path components.
unsigned fileNameStart(const string& path);
string fileName(const string& path);
string filePath(const string& path);
string replaceExtension(const string& path, const string& extension);
string extension(const string& path);

// A value from low + 1 up to high; the raw generator value for the full range.
unsigned random(unsigned low, unsigned high);

// Returns select's result: an interrupting signal ends the sleep early.
int sleep(unsigned milliseconds);

struct blanks {
  explicit blanks(int count) : count(count) {}
  int count;
};
std::ostream& operator<<(std::ostream& out, const blanks& b);

}  // namespace orvo
