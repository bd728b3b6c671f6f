// Test helpers shared by every subsystem's tests.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include <orvo/exception.h>
#include <orvo/string.h>

namespace orvo {
// Lets gtest print orvo::string values in failure messages.
inline void PrintTo(const string& s, std::ostream* os) { *os << '"' << std::string(s.buffer(), s.length()) << '"'; }
}  // namespace orvo

inline std::string toStd(const orvo::string& s) { return std::string(s.buffer(), s.length()); }

// The library throws heap objects by pointer; these take ownership of what was thrown.
#define ORVO_EXPECT_THROW(statement, Type, text)                   \
  do {                                                             \
    bool thrown_ = false;                                          \
    try {                                                          \
      statement;                                                   \
    } catch (Type * e_) {                                          \
      std::unique_ptr<Type> owned_(e_);                            \
      thrown_ = true;                                              \
      EXPECT_EQ(std::string(text), toStd(*owned_->message()));     \
    }                                                              \
    EXPECT_TRUE(thrown_) << "expected " #Type " from " #statement; \
  } while (0)

#define ORVO_EXPECT_THROW_ANY(statement)                                    \
  do {                                                                      \
    bool thrown_ = false;                                                   \
    try {                                                                   \
      statement;                                                            \
    } catch (orvo::exception * e_) {                                        \
      std::unique_ptr<orvo::exception> owned_(e_);                          \
      thrown_ = true;                                                       \
    }                                                                       \
    EXPECT_TRUE(thrown_) << "expected an orvo::exception from " #statement; \
  } while (0)
