// The core's TCP listeners: direct call signalling and the monitor.
#include <gatekeeper/Gatekeeper.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>

#include <config/Configuration.h>

#include <gatekeeper/Log.h>
#include <gatekeeper/SetupResolver.h>

namespace {

const int Backlog = 5;

orvo::string Failure(const char* AWhat, int AError, const char* AMissing) {
  orvo::string text;
  text.format("%s%d %s %s", AWhat, AError, strerror(AError), AMissing);
  return text;
}

orvo::string Number(unsigned AValue) {
  orvo::string text;
  text.format("%u", AValue);
  return text;
}

bool Bind(orvo::socket& ASocket, const sockaddr_in& AAddress) {
  if (bind(ASocket.fd, reinterpret_cast<const sockaddr*>(&AAddress), sizeof AAddress) == 0) return true;
  ASocket.lastError = errno;
  return false;
}

void ReuseAddress(orvo::socket& ASocket) {
  int on = 1;
  if (setsockopt(ASocket.fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) ASocket.lastError = errno;
}

}  // namespace

void TGatekeeper::OpenCallSignalSocket() {
  static const char* const missing = "Direct gatekeeper call service unavailable.";
  const TConfiguration& configuration = *CurrentConfiguration;
  CallSignalSocket = orvo::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (CallSignalSocket.fd < 0) {
    LogLine(orvo::stateError, "Call signal socket creation failed. Direct gatekeeper call service unavailable.");
    return;
  }
  ReuseAddress(CallSignalSocket);
  sockaddr_in address = configuration.LocalAddress();
  address.sin_family = AF_INET;
  address.sin_port = htons(uint16_t(configuration.CallSignalPort()));
  sockaddr_in bound = address;
  const bool taken = !Bind(CallSignalSocket, address);
  if (taken) {
    bound.sin_port = 0;
    if (!Bind(CallSignalSocket, bound)) {
      LogLine(orvo::stateError, Failure("Bind to call signal port failed. ", CallSignalSocket.lastError, missing));
      CallSignalSocket.close();
      return;
    }
  }
  if (listen(CallSignalSocket.fd, Backlog) != 0) {
    LogLine(orvo::stateError, Failure("Listen on call signal socket failed. ", errno, missing));
    CallSignalSocket.close();
    return;
  }
  socklen_t length = sizeof bound;
  getsockname(CallSignalSocket.fd, reinterpret_cast<sockaddr*>(&bound), &length);
  FBoundCallSignalAddress = bound;
  if (taken && bound.sin_port != address.sin_port) {
    const char* tail = " Direct gatekeeper call service partially available.";
    const orvo::string chosen = Number(ntohs(bound.sin_port));
    if (configuration.CallSignalPort() == 1720)
      LogLine(orvo::stateWarning,
              "Standard call signal (1720) port occupied. Bound on non standard (" + chosen + ") port." + tail);
    else
      LogLine(orvo::stateWarning, "Call signal (" + Number(configuration.CallSignalPort()) +
                                      ") port occupied. Bound on first available (" + chosen + ") port." + tail);
  }
  CallSignalWatcher.watch(CallSignalSocket.fd, this, &TGatekeeper::AcceptCallSignal);
}

void TGatekeeper::OpenMonitorSocket() {
  static const char* const missing = "Monitor service unavailable.";
  const TConfiguration& configuration = *CurrentConfiguration;
  MonitorSocket = orvo::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (MonitorSocket.fd < 0) {
    LogLine(orvo::stateError, "Monitor socket creation failed. Monitor service unavailable.");
    return;
  }
  ReuseAddress(MonitorSocket);
  sockaddr_in address = configuration.LocalAddress();
  address.sin_family = AF_INET;
  address.sin_port = configuration.Monitor().Port();  // kept in network order
  if (!Bind(MonitorSocket, address)) {
    LogLine(orvo::stateError, Failure("Bind to Monitor port failed. ", MonitorSocket.lastError, missing));
    MonitorSocket.close();
    return;
  }
  if (listen(MonitorSocket.fd, Backlog) != 0) {
    LogLine(orvo::stateError, Failure("Listen on Monitor socket failed. ", errno, missing));
    MonitorSocket.close();
    return;
  }
  MonitorWatcher.watch(MonitorSocket.fd, this, &TGatekeeper::AcceptMonitor);
}

void TGatekeeper::AcceptCallSignal(orvo::sockEvent*) {
  orvo::socket accepted;
  accepted.attach(CallSignalSocket.accept());
  if (accepted.fd < 0) {
    CallSignalWatcher.acceptFailed(CallSignalSocket.lastError);
    return;
  }
  accepted.setNonBlocking(true);
  (new TSetupResolver(this, accepted))->Run();
}

void TGatekeeper::AcceptMonitor(orvo::sockEvent*) {
  orvo::socket accepted;
  accepted.attach(MonitorSocket.accept());
  if (accepted.fd < 0) {
    MonitorWatcher.acceptFailed(MonitorSocket.lastError);
    return;
  }
  accepted.setNonBlocking(true);
  sockaddr_in peer{};
  socklen_t length = sizeof peer;
  getpeername(accepted.fd, reinterpret_cast<sockaddr*>(&peer), &length);
  // Not allowed: closed with the local socket object, nothing said.
  if (!CurrentConfiguration->Monitor().IsAddressAllowed(peer)) return;
  auto* monitor = new TMonitor(this, accepted);
  FMonitors.Attach(monitor);
  monitor->Start();
}
