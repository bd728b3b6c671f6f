// What the sanitizers said about a gatekeeper run, read from its console.
//
// The type check of the undefined-behaviour sanitizer reads an object's
// virtual table through a pipe unless the (type, table) pair is in its cache.
// With every descriptor taken it cannot create that pipe and reports a sound
// object as one of "invalid vptr" whose memory "cannot be printed"; the
// runs that take every descriptor let that check go on (it is built to
// recover) and leave such reports out here. A real wrong type names the type
// found or prints the memory; a freed object is the address sanitizer's.
#pragma once

#include <string>
#include <vector>

// The reports in the console text, each with the text around it; empty when
// there are none but those of the failed type probe.
std::string SanitizerFindings(const std::string& AConsole);

// The settings a run with a descriptor limit adds to its environment: the
// type check goes on after a report, and the leak its report leaves in the
// C++ run-time's demangler (suppressions file written at APath) is not one
// of the program's.
void AddExhaustionSanitizerSettings(const std::string& ASuppressionsPath, std::vector<std::string>& AEnvironment);

// NAME=value for the environment, after what the test's own environment
// holds for NAME (sanitizer options: the later setting of a flag holds).
std::string AppendedSetting(const char* AName, const std::string& AValue);
