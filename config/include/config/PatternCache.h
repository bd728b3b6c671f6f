// Compiled anchored patterns shared by their text: every variable, rule and
// registration scope whose value is the same pattern uses one compiled form,
// compiled once while anyone holds it. The holders run in the one event-loop
// thread and never keep a match across another use of the same pattern.
#pragma once

#include <memory>

#include <orvo/regexp.h>
#include <orvo/string.h>

std::shared_ptr<orvo::regexp> SharedAnchoredRegexp(const orvo::string& APattern);
// Patterns compiled and held now (for tests).
size_t SharedAnchoredRegexpCount();
