#include <gatekeeper/RADIUSConnection.h>

#include <arpa/inet.h>
#include <iostream>

#include <config/Configuration.h>
#include <config/Log.h>
#include <gatekeeper/Gatekeeper.h>
#include <orvo/socketAddress.h>
#include <radius/Packet.h>

bool TRADIUSConnection::IsTraced(const TConfiguration* AConfiguration, int ADirection) {
  return AConfiguration &&
         TLog::IsLogged(AConfiguration->Log().RadiusRules(), ADirection, nullptr, nullptr, orvo::nullAddress);
}

const TConfiguration* TRADIUSConnection::CurrentConfiguration() const {
  return FOwner ? FOwner->Configuration() : nullptr;
}

int TRADIUSConnection::Transmit(RADIUS::TPacket* APacket, const unsigned char* ABytes, unsigned ALength) {
  Trace(APacket, TLog::ldSent);
  return RADIUS::TConnection::Transmit(APacket, ABytes, ALength);
}

void TRADIUSConnection::OnReceive(RADIUS::TPacket* APacket) { Trace(APacket, TLog::ldReceived); }

void TRADIUSConnection::Trace(RADIUS::TPacket* APacket, int ADirection) {
  if (!IsTraced(CurrentConfiguration(), ADirection)) return;
  // Both directions name the configured server.
  orvo::string server;
  server.format("%s:%d", inet_ntoa(Server().sin_addr), ntohs(Server().sin_port));
  std::cout << (ADirection == TLog::ldSent ? "RADIUS, send message to " : "RADIUS, got message from ") << server
            << std::endl;
  APacket->Print(std::cout);
  std::cout.flush();
}
