// A FreeRADIUS server of the test's own: a throw-away configuration in a
// temporary directory, 127.0.0.1 on two ports found free at run time (tried
// again when another process takes one before the server binds it), a
// known client secret, a users file given by the test, the detail module
// writing into the directory. Started in the foreground and stopped by its
// process id.
#pragma once

#include <string>

#include <netinet/in.h>
#include <sys/types.h>

class freeRadiusServer {
public:
  // The installed server program, empty when there is none.
  static std::string program();

  freeRadiusServer() = default;
  ~freeRadiusServer();
  freeRadiusServer(const freeRadiusServer&) = delete;
  freeRadiusServer& operator=(const freeRadiusServer&) = delete;

  // Writes the configuration and starts the server; false with the reason in
  // failure() when it does not come up within ten seconds.
  bool start(const std::string& ASecret, const std::string& AUsers, const std::string& AAuthorizeExtra = "");
  // Stops the server and removes the directory.
  void stop();

  const sockaddr_in& authenticationAddress() const { return authentication; }
  const sockaddr_in& accountingAddress() const { return accounting; }
  const std::string& directory() const { return dir; }
  const std::string& failure() const { return reason; }
  // What the detail module wrote so far.
  std::string detail() const;
  // The server's debug output so far.
  std::string debugLog() const;

private:
  enum class launchResult { ready, portTaken, failed };
  launchResult launch(const std::string& AProgram);
  bool writeConfiguration(const std::string& ASecret, const std::string& AUsers, const std::string& AAuthorizeExtra);

  std::string dir;
  std::string reason;
  pid_t pid = -1;
  sockaddr_in authentication = {};
  sockaddr_in accounting = {};
};
