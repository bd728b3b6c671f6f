// One request in a connection's queue: the packet, the octets as they go on
// the wire, and the retransmission timer.
#pragma once

#include <cstdint>
#include <memory>

#include <orvo/timer.h>
#include <orvo/string.h>

namespace RADIUS {

class TConnection;
class TPacket;

class TQueuedPacket {
public:
  static const int64_t RetransmitInterval = 3000;  // ms
  static const unsigned Transmissions = 4;

  // Takes the packet over; it is not sent yet.
  TQueuedPacket(TConnection* AConnection, TPacket* APacket);
  ~TQueuedPacket();
  TQueuedPacket(const TQueuedPacket&) = delete;
  TQueuedPacket& operator=(const TQueuedPacket&) = delete;

  TConnection* Connection() const { return FConnection; }
  TPacket* Packet() const { return FPacket.get(); }
  // Null until the first transmission.
  const unsigned char* Bytes() const { return FBytes.get(); }
  unsigned Length() const { return FLength; }
  bool Sent() const { return FBytes != nullptr; }
  unsigned RetriesLeft() const { return FRetriesLeft; }
  // Whether the packet's identifier is counted as pending by the connection.
  bool HoldsIdentifier = false;

private:
  friend class TConnection;

  // Encodes the packet as it goes on the wire; an Accounting-Request gets its
  // authenticator computed here.
  void Encode(const orvo::string& ASecret);
  void OnExpire(TTimer* ATimer);

  TConnection* FConnection;
  std::unique_ptr<TPacket> FPacket;
  TTimer FTimer;
  std::unique_ptr<unsigned char[]> FBytes;
  unsigned FLength = 0;
  unsigned FRetriesLeft = 0;
  // The last answer whose Response Authenticator did not verify: anybody
  // can send one, so it only decides the outcome when no verified answer
  // comes before the last retransmission expires.
  std::unique_ptr<TPacket> FRefusedAnswer;
};

}  // namespace RADIUS
