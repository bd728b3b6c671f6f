// The log section: which protocol messages are traced and under which
// conditions, which events are reported, and the log file's name.
#pragma once

#include <netinet/in.h>

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/ComplexExpression.h>
#include <config/LogExpressions.h>
#include <config/StringList.h>

// The rules of one message family, in file order; owns them.
class TLogRules : public orvo::list<TLogMessageExp> {
public:
  TLogRules() : orvo::list<TLogMessageExp>(1) {}
  TLogRules(const TLogRules&) = delete;
  TLogRules& operator=(const TLogRules&) = delete;
};

class TLog : public TComplexExpression {
public:
  enum TDirection { ldReceived = 0, ldSent = 1 };

  TLog() : TComplexExpression(0) {}
  TLog(const TLog&) = delete;
  TLog& operator=(const TLog&) = delete;

  TExpression* Clone() const override { return nullptr; }
  // The flags and the file name once; message rules accumulate.
  bool IsUnique(const TExpression& ADirective) const override;
  orvo::string Apply(const TExpression& ADirective) override;

  // Whether a message of the family is traced: the first rule whose
  // conditions all hold answers; none: not traced. Alias lists may be null.
  static bool IsLogged(const TLogRules& ARules, int ADirection, const TStringList* ACallerAliases,
                       const TStringList* ACalleeAliases, const sockaddr_in& AAddress);

  // Empty: the service chooses the name.
  const orvo::string& FileName() const { return FFileName; }
  bool Registrations() const { return FRegistrations; }
  bool ConnectionStatus() const { return FConnectionStatus; }
  bool ChosenRoute() const { return FChosenRoute; }
  bool AvailableBandwidth() const { return FAvailableBandwidth; }
  bool BandwidthChanges() const { return FBandwidthChanges; }
  // Traces carry a hex dump of the encoded message.
  bool MessagesDump() const { return FMessagesDump; }

  const TLogRules& RasRules() const { return FRasRules; }
  const TLogRules& Q931Rules() const { return FQ931Rules; }
  const TLogRules& H245Rules() const { return FH245Rules; }
  const TLogRules& H450Rules() const { return FH450Rules; }
  const TLogRules& RadiusRules() const { return FRadiusRules; }
  const TLogRules& MonitorRules() const { return FMonitorRules; }

private:
  orvo::string FFileName;
  bool FRegistrations = false;
  bool FConnectionStatus = false;
  bool FChosenRoute = false;
  bool FAvailableBandwidth = false;
  bool FBandwidthChanges = false;
  bool FMessagesDump = false;
  TLogRules FRasRules;
  TLogRules FQ931Rules;
  TLogRules FH245Rules;
  TLogRules FH450Rules;
  TLogRules FRadiusRules;
  TLogRules FMonitorRules;
};
