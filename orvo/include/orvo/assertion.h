// Internal consistency checks that stay on in every build type.
#pragma once

namespace orvo {
[[noreturn]] void assertionFailed(const char* expression, const char* file, int line);
}

#define ORVO_ASSERT(expression) ((expression) ? (void)0 : ::orvo::assertionFailed(#expression, __FILE__, __LINE__))
