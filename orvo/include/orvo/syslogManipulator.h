// The sink that hands log lines to the system log.
#pragma once

#include <orvo/streamManipulator.h>

namespace orvo {

// The three system-log calls, behind an interface so that a test can record
// them instead of reaching the real system log.
class systemLog {
public:
  virtual ~systemLog();
  virtual void open(const char* AIdent, int AOption, int AFacility);
  virtual void record(int APriority, const char* AText);
  virtual void close();

  static systemLog& standard();
};

class syslogManipulator : public TFormatStreamManipulator {
public:
  syslogManipulator(const string& AIdent, int AOption, int AFacility, TLineFormatFunction AFunction);
  syslogManipulator(const string& AIdent, TPrintOptions& AOptions, int AOption, int AFacility,
                    TLineFormatFunction AFunction);
  ~syslogManipulator() override;

  // LOG_ERR, LOG_WARNING, LOG_INFO or LOG_DEBUG for the four state words,
  // LOG_NOTICE for any other name.
  static int priority(const string* AStateName);

protected:
  syslogManipulator(systemLog& ALog, const string& AIdent, TPrintOptions& AOptions, int AOption, int AFacility,
                    TLineFormatFunction AFunction);

  int putLine(string& ALine) override;

private:
  systemLog& log;
  // The system log keeps pointing at this text until it is closed.
  string ident;
};

}  // namespace orvo
