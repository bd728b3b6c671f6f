// The one service object of the process: its names, the signals it takes,
// daemon mode, and the hand-over to the application's run.
#pragma once

#include <orvo/exception.h>
#include <orvo/string.h>

namespace orvo {

// "Creation of secondary service object prohibited."
class serviceCreationException : public exception {
public:
  serviceCreationException() : exception("Creation of secondary service object prohibited.") {}
};

class service {
public:
  // Throws serviceCreationException while another service object exists.
  service(const string& name, const string& displayName, const string& description, const string& notes);
  virtual ~service();

  service(const service&) = delete;
  service& operator=(const service&) = delete;

  // Ignores SIGPIPE, hooks the signals the flags select, detaches when asked
  // and returns what run returns. A hooked signal is only recorded by its
  // handler; the next dispatch pass (whose wait it interrupts) calls onSignal.
  //
  // Detaching forks a process that stays in the starting directory, takes
  // /dev/null as input and output and closes every inherited descriptor above
  // standard error. Its standard error leads back to the starting process
  // until it reports the running state or an exit code (or run returns): the
  // starting process copies what arrives there to its own standard error and
  // returns the reported code (0 for running), so a service that failed to
  // start is not taken for a running one.
  int start();

  // Service-manager hooks of other platforms, kept in their places among
  // the virtual operations; nothing calls them and subclasses leave them.
  virtual bool hook1() { return true; }
  virtual bool hook2() { return true; }
  virtual bool hook3() { return false; }
  virtual bool hook4() { return true; }
  virtual bool hook5() { return true; }
  virtual bool hook6() { return false; }

  virtual int run() = 0;
  virtual void stop() {}
  virtual void restart() {}  // SIGUSR2
  virtual void onUser1() {}  // SIGUSR1
  // SIGUSR1: onUser1; SIGUSR2: restart; others: reportStatus(3, 500), stop.
  virtual void onSignal(int signalNumber);

  virtual bool hook7() { return false; }

  // Service-manager hooks; nothing to do on this platform.
  void install(const string& commandLine) { (void)commandLine; }
  void uninstall() {}
  void commandT() {}
  void commandP() {}
  // In a detached process still watched by its starter, the running state
  // (4) and an exit code end the start: the starter returns 0 or the code.
  void reportExitCode(int exitCode);
  static void reportStatus(int state, unsigned waitHint);

  // The service object, null while none exists.
  static service* instance() { return current; }
  // Calls onSignal for every signal recorded since the last call, in order.
  static void deliverSignals();

  bool daemon;
  string name;
  string displayName;
  string description;
  string notes;
  bool handleTerminate;  // SIGINT and SIGTERM: stop
  bool handleUser2;      // SIGUSR2: restart
  bool handleUser1;      // SIGUSR1: onUser1

private:
  // The starting process answers false with the exit code to return; the
  // detached one true.
  bool detach(int& exitCode);

  static service* current;
};

}  // namespace orvo
