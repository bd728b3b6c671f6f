#include <radius/QueuedPacket.h>

#include <cstring>

#include <radius/Connection.h>
#include <radius/Dictionary.h>
#include <radius/Packet.h>

namespace RADIUS {

TQueuedPacket::TQueuedPacket(TConnection* AConnection, TPacket* APacket)
    : FConnection(AConnection), FPacket(APacket), FTimer(RetransmitInterval, this, &TQueuedPacket::OnExpire) {}

TQueuedPacket::~TQueuedPacket() {}

void TQueuedPacket::Encode(const orvo::string& ASecret) {
  FLength = FPacket->Length();
  FBytes.reset(new unsigned char[FLength]);
  FPacket->Encode(FBytes.get());
  if (FPacket->Code() == pcAccountingRequest)
    TPacket::AccountingAuthenticator(FBytes.get(), FLength, ASecret, FBytes.get() + 4);
}

void TQueuedPacket::OnExpire(TTimer*) { FConnection->OnExpire(this); }

}  // namespace RADIUS
