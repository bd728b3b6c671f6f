#include <gatekeeper/Monitor.h>

#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>

TMonitor::TMonitor(TGatekeeper* AOwner, orvo::socket& AAccepted) : Owner(AOwner), Connection(std::move(AAccepted)) {}

TMonitor::TMonitor(TGatekeeper* AOwner) : Owner(AOwner) {}

TMonitor::~TMonitor() = default;

bool TMonitor::AcceptsEvent(int ACode) {
  switch (ACode) {
    case evEndpointRegistered:
    case evEndpointChanged:
    case evEndpointUnregistered:
    case evConnectionStarted:
    case evConnectionChanged:
    case evConnectionStopped:
    case evZoneAdded:
    case evZoneBandwidthChanged:
    case evZoneRemoved:
      return true;
    default:
      return false;
  }
}

bool TMonitor::OnEvent(int ACode, void*, uint32_t, uint32_t) {
  Notifications.push_back(ACode);
  return false;
}

void TMonitor::Start() { Close(); }

void TMonitor::Close() {
  Connection.close();
  if (Owner && Owner->Monitors().Detach(this)) delete this;
}
