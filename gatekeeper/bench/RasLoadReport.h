// What one run of the RAS load measured: a table for the terminal and the
// same figures as JSON. A phase whose answers were wrong or lost shows that,
// never a rate.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "RasLoadGenerator.h"

namespace rasload {

struct TRow {
  std::string Key;          // short name, also the JSON key
  std::string Label;        // what the table shows
  std::string Server;       // "gatekeeper", "gatekeeper traced", "echo"
  unsigned Registered = 0;  // registrations held when the phase began
  TPhaseResult Result;
  double ServerCpuSeconds = -1;   // the server's CPU time over the phase
  double ServerWaitSeconds = -1;  // the server's time waiting for its core
  double EchoRate = 0;            // the echo rate of the same datagrams, 0 when none
  uint64_t Planned = 0;           // main requests the phase was to make; 0: bound by time
};

struct TMemoryFigure {
  std::string Key, Label;
  double Value = 0;  // kilobytes, or bytes for the per-item figures
  std::string Unit;
};

struct TReport {
  std::vector<std::string> Settings;  // "name=value"
  std::vector<TRow> Rows;
  std::vector<TMemoryFigure> Memory;
  std::vector<std::string> Notes;

  void PrintTable(std::ostream& AOut) const;
  void WriteJson(std::ostream& AOut) const;
};

// Whole-row texts for the table.
std::string StatusOf(const TRow& ARow);

}  // namespace rasload
