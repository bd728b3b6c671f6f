#include "freeRadiusServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string readFile(const std::string& APath) {
  std::ifstream in(APath, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool writeFile(const std::string& APath, const std::string& AText) {
  std::ofstream out(APath, std::ios::binary | std::ios::trunc);
  out << AText;
  return static_cast<bool>(out);
}

// A loopback UDP port nobody holds at the moment; the server binds it soon
// after, and start tries again when another process took it in between.
bool freePort(sockaddr_in& AOut) {
  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return false;
  AOut = {};
  AOut.sin_family = AF_INET;
  AOut.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof AOut;
  bool ok = bind(fd, reinterpret_cast<sockaddr*>(&AOut), sizeof AOut) == 0 &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&AOut), &length) == 0;
  ::close(fd);
  return ok;
}

void removeTree(const std::string& ADirectory) {
  if (ADirectory.empty()) return;
  pid_t child = fork();
  if (child == 0) {
    execlp("rm", "rm", "-rf", "--", ADirectory.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (child > 0) waitpid(child, nullptr, 0);
}

}  // namespace

std::string freeRadiusServer::program() {
  for (const char* candidate : {"/usr/sbin/freeradius", "/usr/sbin/radiusd", "/usr/local/sbin/radiusd"})
    if (access(candidate, X_OK) == 0) return candidate;
  return std::string();
}

freeRadiusServer::~freeRadiusServer() { stop(); }

bool freeRadiusServer::writeConfiguration(const std::string& ASecret, const std::string& AUsers,
                                          const std::string& AAuthorizeExtra) {
  std::ostringstream conf;
  conf << "prefix = /usr\n"
          "exec_prefix = /usr\n"
          "sysconfdir = /etc\n"
          "localstatedir = /var\n"
          "sbindir = /usr/sbin\n"
          "libdir = /usr/lib/freeradius\n"
          "name = radiusd\n"
       << "confdir = " << dir << "\n"
       << "raddbdir = " << dir << "\n"
       << "logdir = " << dir << "\n"
       << "radacctdir = " << dir << "\n"
       << "run_dir = " << dir << "\n"
       << "db_dir = " << dir << "\n"
       << "pidfile = " << dir << "/radiusd.pid\n"
       << "max_request_time = 30\n"
          "cleanup_delay = 0\n"
          "max_requests = 1024\n"
          "hostname_lookups = no\n"
          "log {\n  destination = stdout\n  auth = yes\n}\n"
          "security {\n  allow_core_dumps = no\n  max_attributes = 200\n  reject_delay = 0\n"
          "  status_server = no\n}\n"
          "client loopback {\n  ipaddr = 127.0.0.1\n  secret = \""
       << ASecret
       << "\"\n  require_message_authenticator = no\n}\n"
          "modules {\n"
          "  pap {\n    normalise = yes\n  }\n"
          "  chap {\n  }\n"
          "  files {\n    filename = "
       << dir << "/users\n  }\n"
       << "  detail {\n    filename = " << dir
       << "/detail\n    permissions = 0600\n    header = \"%t\"\n  }\n"
          "  always ok {\n    rcode = ok\n  }\n"
          "}\n"
          "server default {\n"
          "  listen {\n    type = auth\n    ipaddr = 127.0.0.1\n    port = "
       << ntohs(authentication.sin_port)
       << "\n  }\n"
          "  listen {\n    type = acct\n    ipaddr = 127.0.0.1\n    port = "
       << ntohs(accounting.sin_port)
       << "\n  }\n"
          "  authorize {\n    files\n"
       << AAuthorizeExtra
       << "    chap\n    pap\n  }\n"
          "  authenticate {\n    Auth-Type PAP {\n      pap\n    }\n    Auth-Type CHAP {\n      chap\n    }\n  }\n"
          "  preacct {\n    ok\n  }\n"
          "  accounting {\n    detail\n  }\n"
          "  post-auth {\n    ok\n  }\n"
          "}\n";
  return writeFile(dir + "/radiusd.conf", conf.str()) &&
         writeFile(dir + "/dictionary", "$INCLUDE /usr/share/freeradius/dictionary\n") &&
         writeFile(dir + "/users", AUsers);
}

bool freeRadiusServer::start(const std::string& ASecret, const std::string& AUsers,
                             const std::string& AAuthorizeExtra) {
  std::string server = program();
  if (server.empty()) {
    reason = "the freeradius program is not installed";
    return false;
  }
  char pattern[] = "/tmp/orvo-radius-XXXXXX";
  if (!mkdtemp(pattern)) {
    reason = "no temporary directory";
    return false;
  }
  dir = pattern;
  // The ports are free when chosen but bound only by the server, so a test
  // running in parallel may take one in between: the server then ends at
  // start-up, and another pair is tried.
  for (int attempt = 0; attempt < 8; ++attempt) {
    if (!freePort(authentication) || !freePort(accounting) || authentication.sin_port == accounting.sin_port ||
        !writeConfiguration(ASecret, AUsers, AAuthorizeExtra)) {
      reason = "no configuration written";
      continue;
    }
    switch (launch(server)) {
      case launchResult::ready:
        return true;
      case launchResult::portTaken:
        continue;
      case launchResult::failed:
        return false;
    }
  }
  return false;
}

freeRadiusServer::launchResult freeRadiusServer::launch(const std::string& AProgram) {
  std::string log = dir + "/debug.log";
  pid = fork();
  if (pid == 0) {
    int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out >= 0) {
      dup2(out, STDOUT_FILENO);
      dup2(out, STDERR_FILENO);
    }
    execl(AProgram.c_str(), AProgram.c_str(), "-X", "-d", dir.c_str(), "-n", "radiusd", static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) {
    reason = "fork failed";
    return launchResult::failed;
  }
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < end) {
    if (readFile(log).find("Ready to process requests") != std::string::npos) return launchResult::ready;
    int status;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      pid = -1;
      std::string output = readFile(log);
      reason = "the server ended at start-up:\n" + output;
      return output.find("in use") != std::string::npos ? launchResult::portTaken : launchResult::failed;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  reason = "the server did not come up within ten seconds:\n" + readFile(log);
  stop();
  return launchResult::failed;
}

void freeRadiusServer::stop() {
  if (pid > 0) {
    kill(pid, SIGTERM);
    int status;
    bool ended = false;
    for (int i = 0; i < 300 && !ended; ++i) {
      ended = waitpid(pid, &status, WNOHANG) == pid;
      if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!ended) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
    pid = -1;
  }
  removeTree(dir);
  dir.clear();
}

std::string freeRadiusServer::detail() const { return readFile(dir + "/detail"); }

std::string freeRadiusServer::debugLog() const { return readFile(dir + "/debug.log"); }
