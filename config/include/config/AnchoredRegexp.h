// Compiles a user-written pattern so that it must match a whole subject.
#pragma once

#include <orvo/regexp.h>
#include <orvo/string.h>

// The pattern with "$" appended, matched from the subject's first character.
orvo::regexp AnchoredRegexp(const orvo::string& APattern);
