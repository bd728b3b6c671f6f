#include "RasLoadReport.h"

#include <cstdio>
#include <ostream>

namespace rasload {

namespace {

std::string Format(const char* AFormat, double AValue) {
  char text[64];
  std::snprintf(text, sizeof text, AFormat, AValue);
  return text;
}

std::string Json(const std::string& AText) {
  std::string out = "\"";
  for (char c : AText) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if ((unsigned char)c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Number(double AValue) { return Format("%.6g", AValue); }

// The server's CPU time per main request, the DRQ that ends a call counted
// with its ARQ; microseconds, negative when unknown.
double CpuPerRequest(const TRow& ARow) {
  uint64_t requests = ARow.Result.Requests;
  if (ARow.ServerCpuSeconds < 0 || requests == 0) return -1;
  return ARow.ServerCpuSeconds * 1e6 / double(requests);
}

// The share of the phase the server was ready to run but another process
// held its core; negative when unknown.
double WaitShare(const TRow& ARow) {
  if (ARow.ServerWaitSeconds < 0 || ARow.Result.Seconds <= 0) return -1;
  return ARow.ServerWaitSeconds / ARow.Result.Seconds;
}

}  // namespace

std::string StatusOf(const TRow& ARow) {
  const TPhaseResult& r = ARow.Result;
  if (!r.Sound()) {
    std::string status = "FAILED: " + std::to_string(r.Wrong) + " wrong, " + std::to_string(r.Lost) + " lost";
    return status;
  }
  if (r.TimeLimited && ARow.Planned > 0)
    return "time limit: " + std::to_string(r.Requests) + " of " + std::to_string(ARow.Planned) + " done";
  return "ok";
}

void TReport::PrintTable(std::ostream& AOut) const {
  char line[512];
  std::snprintf(line, sizeof line, "%-44s %9s %9s %10s %9s %7s %9s %8s %9s %9s %7s  %s\n", "phase", "registered",
                "requests", "rate/s", "us each", "x echo", "srv us/rq", "srv wait", "p50 us", "p99 us", "retrans",
                "status");
  AOut << line;
  for (const TRow& row : Rows) {
    const TPhaseResult& r = row.Result;
    bool sound = r.Sound();
    std::string rate = sound ? Format("%.0f", r.Rate()) : "-";
    std::string each = sound && r.Rate() > 0 ? Format("%.2f", 1e6 / r.Rate()) : "-";
    std::string ratio = sound && row.EchoRate > 0 ? Format("%.3f", r.Rate() / row.EchoRate) : "-";
    double cpu = CpuPerRequest(row);
    std::string server = cpu >= 0 ? Format("%.2f", cpu) : "-";
    double share = WaitShare(row);
    std::string wait = share >= 0 ? Format("%.0f%%", 100 * share) : "-";
    std::snprintf(line, sizeof line, "%-44s %9u %9llu %10s %9s %7s %9s %8s %9.0f %9.0f %7llu  %s\n", row.Label.c_str(),
                  row.Registered, (unsigned long long)r.Requests, rate.c_str(), each.c_str(), ratio.c_str(),
                  server.c_str(), wait.c_str(), r.Latency.P50, r.Latency.P99, (unsigned long long)r.Retransmissions,
                  StatusOf(row).c_str());
    AOut << line;
    if (!r.FirstWrong.empty() && !sound) AOut << "    first failure: " << r.FirstWrong << "\n";
  }
  if (!Memory.empty()) AOut << "\nresident memory\n";
  for (const TMemoryFigure& m : Memory) {
    std::snprintf(line, sizeof line, "  %-60s %12.1f %s\n", m.Label.c_str(), m.Value, m.Unit.c_str());
    AOut << line;
  }
  for (const std::string& note : Notes) AOut << "note: " << note << "\n";
}

void TReport::WriteJson(std::ostream& AOut) const {
  AOut << "{\n  \"settings\": {";
  for (size_t i = 0; i < Settings.size(); ++i) {
    size_t equals = Settings[i].find('=');
    AOut << (i ? ", " : "") << Json(Settings[i].substr(0, equals)) << ": " << Json(Settings[i].substr(equals + 1));
  }
  AOut << "},\n  \"phases\": [";
  for (size_t i = 0; i < Rows.size(); ++i) {
    const TRow& row = Rows[i];
    const TPhaseResult& r = row.Result;
    bool sound = r.Sound();
    AOut << (i ? "," : "") << "\n    {\"key\": " << Json(row.Key) << ", \"label\": " << Json(row.Label)
         << ", \"server\": " << Json(row.Server) << ", \"registered\": " << row.Registered
         << ", \"requests\": " << r.Requests << ", \"planned\": " << row.Planned << ", \"disengages\": " << r.Disengages
         << ", \"seconds\": " << Number(r.Seconds) << ", \"rate\": " << (sound ? Number(r.Rate()) : "null")
         << ", \"echoRate\": " << (row.EchoRate > 0 ? Number(row.EchoRate) : "null")
         << ", \"ratioToEcho\": " << (sound && row.EchoRate > 0 ? Number(r.Rate() / row.EchoRate) : "null")
         << ", \"serverCpuMicrosecondsPerRequest\": " << (CpuPerRequest(row) >= 0 ? Number(CpuPerRequest(row)) : "null")
         << ", \"serverWaitShare\": " << (WaitShare(row) >= 0 ? Number(WaitShare(row)) : "null")
         << ", \"p50Microseconds\": " << Number(r.Latency.P50) << ", \"p99Microseconds\": " << Number(r.Latency.P99)
         << ", \"maxMicroseconds\": " << Number(r.Latency.Maximum) << ", \"retransmissions\": " << r.Retransmissions
         << ", \"stray\": " << r.Stray << ", \"wrong\": " << r.Wrong << ", \"lost\": " << r.Lost
         << ", \"timeLimited\": " << (r.TimeLimited ? "true" : "false") << ", \"status\": " << Json(StatusOf(row))
         << ", \"firstFailure\": " << Json(r.FirstWrong) << "}";
  }
  AOut << "\n  ],\n  \"memory\": {";
  for (size_t i = 0; i < Memory.size(); ++i)
    AOut << (i ? "," : "") << "\n    " << Json(Memory[i].Key) << ": {\"value\": " << Number(Memory[i].Value)
         << ", \"unit\": " << Json(Memory[i].Unit) << ", \"label\": " << Json(Memory[i].Label) << "}";
  AOut << "\n  },\n  \"notes\": [";
  for (size_t i = 0; i < Notes.size(); ++i) AOut << (i ? ", " : "") << Json(Notes[i]);
  AOut << "]\n}\n";
}

}  // namespace rasload
