// One monitor client connection, as far as the core holds it so far: it
// takes the accepted descriptor, collects the change notifications the
// core's broadcast shows it, and leaves the core's list when it closes.
#pragma once

#include <cstdint>
#include <vector>

#include <orvo/socket.h>

class TGatekeeper;

class TMonitor {
public:
  // Takes the descriptor over: the accepting code no longer closes it.
  TMonitor(TGatekeeper* AOwner, orvo::socket& AAccepted);
  explicit TMonitor(TGatekeeper* AOwner = nullptr);
  TMonitor(const TMonitor&) = delete;
  TMonitor& operator=(const TMonitor&) = delete;
  virtual ~TMonitor();

  // Registrations, connections and zones: what a monitor displays.
  static bool AcceptsEvent(int ACode);
  // Queues a change notification; never takes the event.
  virtual bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond);

  // Without the monitor protocol there is nothing to say to the client: the
  // connection is closed, and the closed monitor leaves the core's list
  // (which deletes it). Nothing may touch the object afterwards.
  void Start();
  void Close();

  const std::vector<int>& PendingNotifications() const { return Notifications; }
  int Descriptor() const { return Connection.fd; }

private:
  TGatekeeper* Owner;
  orvo::socket Connection;
  std::vector<int> Notifications;
};
