#include <orvo/syslogManipulator.h>

#include <syslog.h>

namespace orvo {

systemLog::~systemLog() = default;

void systemLog::open(const char* AIdent, int AOption, int AFacility) { ::openlog(AIdent, AOption, AFacility); }

void systemLog::record(int APriority, const char* AText) { ::syslog(APriority, "%s", AText); }

void systemLog::close() { ::closelog(); }

systemLog& systemLog::standard() {
  // Never destroyed: a sink deleted late in process exit still finds it.
  static systemLog* log = new systemLog();
  return *log;
}

syslogManipulator::syslogManipulator(const string& AIdent, int AOption, int AFacility, TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AFunction), log(systemLog::standard()), ident(AIdent) {
  log.open(ident.buffer(), AOption, AFacility);
}

syslogManipulator::syslogManipulator(const string& AIdent, TPrintOptions& AOptions, int AOption, int AFacility,
                                     TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AOptions, AFunction), log(systemLog::standard()), ident(AIdent) {
  log.open(ident.buffer(), AOption, AFacility);
}

syslogManipulator::syslogManipulator(systemLog& ALog, const string& AIdent, TPrintOptions& AOptions, int AOption,
                                     int AFacility, TLineFormatFunction AFunction)
    : TFormatStreamManipulator(AOptions, AFunction), log(ALog), ident(AIdent) {
  log.open(ident.buffer(), AOption, AFacility);
}

syslogManipulator::~syslogManipulator() { log.close(); }

int syslogManipulator::priority(const string* AStateName) {
  if (AStateName != nullptr) {
    if (AStateName->compare(stateError) == 0) return LOG_ERR;
    if (AStateName->compare(stateWarning) == 0) return LOG_WARNING;
    if (AStateName->compare(stateInformation) == 0) return LOG_INFO;
    if (AStateName->compare(stateDebug) == 0) return LOG_DEBUG;
  }
  return LOG_NOTICE;
}

int syslogManipulator::putLine(string& ALine) {
  unsigned length = ALine.length();
  while (length > 0) {
    char last = ALine.buffer()[length - 1];
    if (last != '\r' && last != '\n' && last != '\0') break;
    --length;
  }
  string text = ALine.left(length);
  log.record(priority(options->stateName()), text.buffer());
  return 0;
}

}  // namespace orvo
