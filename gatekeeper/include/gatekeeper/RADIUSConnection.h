// The core's RADIUS connections (authentication, accounting): a RADIUS client
// connection that traces every packet it sends or receives when the log
// section asks for RADIUS traces.
#pragma once

#include <radius/Connection.h>

class TConfiguration;
class TGatekeeper;

class TRADIUSConnection : public RADIUS::TConnection {
public:
  // Without an owning core nothing is traced.
  explicit TRADIUSConnection(TGatekeeper* AOwner = nullptr) : FOwner(AOwner) {}

  TGatekeeper* Owner() const { return FOwner; }

  // The filter: the RADIUS rules of the log section, without aliases or
  // address. False without a configuration.
  static bool IsTraced(const TConfiguration* AConfiguration, int ADirection);

protected:
  // Traces before the packet goes out.
  int Transmit(RADIUS::TPacket* APacket, const unsigned char* ABytes, unsigned ALength) override;
  void OnReceive(RADIUS::TPacket* APacket) override;
  // The owning core's current configuration, null without a core.
  virtual const TConfiguration* CurrentConfiguration() const;

private:
  void Trace(RADIUS::TPacket* APacket, int ADirection);

  TGatekeeper* FOwner;
};
