// What the kernel says about the gatekeeper process: resident memory, open
// descriptors and processor time, read from /proc as the hostile-traffic
// phases go.
#pragma once

#include <sys/types.h>

#include <string>

struct TProcessFigures {
  long ResidentKiB = -1;    // VmRSS
  int Descriptors = -1;     // entries of /proc/PID/fd
  long long CpuTicks = -1;  // user and system time, in clock ticks
  char State = 0;           // R, S, ...; Z once it has ended; 0 when gone
};

TProcessFigures ReadProcessFigures(pid_t APid);

// The value of a "Name:   1234 kB" line of /proc/PID/status, -1 when absent.
long StatusValue(const std::string& AStatus, const std::string& AName);
// User plus system time of a /proc/PID/stat line, -1 when it does not parse.
// The command name stands in parentheses and may itself hold blanks and
// parentheses: the fields are counted from the last ')'.
long long StatCpuTicks(const std::string& AStat);
// The state letter of a /proc/PID/stat line, 0 when it does not parse.
char StatState(const std::string& AStat);
// Running or sleeping: neither gone nor ended and waiting to be reaped.
bool ProcessAlive(pid_t APid);

// Processor time used over the interval as a share of one processor (0.5:
// half of one processor's time).
double CpuShare(pid_t APid, int AMilliseconds);
