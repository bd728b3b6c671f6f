#include <radius/Connection.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>

#include <openssl/rand.h>
#include <sys/socket.h>

#include <orvo/bifurcator.h>
#include <orvo/exception.h>
#include <orvo/printOptions.h>
#include <orvo/sockEvent.h>
#include <orvo/socketAddress.h>
#include <orvo/utility.h>
#include <radius/Dictionary.h>
#include <radius/MD5Digest.h>
#include <radius/Packet.h>
#include <radius/QueuedPacket.h>

namespace RADIUS {

namespace {

const unsigned ReceiveBufferLength = 8192;

// RFC 2865 wants the Request Authenticator unpredictable: the password hiding
// depends on it.
void randomBytes(unsigned char* AOut, unsigned ALength) {
  if (RAND_bytes(AOut, static_cast<int>(ALength)) != 1)
    throw new orvo::exception("RADIUS connection. No random octets for the authenticator.");
}

}  // namespace

TConnection::TConnection() : FServer(orvo::nullAddress), FIdentifierCounter(0) {
  unsigned char start;
  randomBytes(&start, 1);
  FIdentifierCounter = start;
}

TConnection::~TConnection() {
  delete FWatcher;
  FWatcher = nullptr;
  // The entries' destructors stop their timers; no completion runs.
  FQueue.clear();
  FSetAside.clear();
}

void TConnection::SetSecret(const orvo::string& ASecret) {
  if (FSecret.compare(ASecret) == 0) return;
  if (IsOpen()) Shut();
  FSecret = ASecret;
  CompleteSetAside();
}

bool TConnection::Open(const sockaddr_in& AServer) { return OpenSocket(nullptr, AServer); }

bool TConnection::OpenBound(const sockaddr_in& ALocal, const sockaddr_in& AServer) {
  return OpenSocket(&ALocal, AServer);
}

void TConnection::Close() {
  if (!IsOpen()) return;
  Shut();
  CompleteSetAside();
}

bool TConnection::LocalAddress(sockaddr_in& AOut) const {
  socklen_t length = sizeof AOut;
  return IsOpen() && getsockname(FSocket.fd, reinterpret_cast<sockaddr*>(&AOut), &length) == 0;
}

bool TConnection::OpenSocket(const sockaddr_in* ALocal, const sockaddr_in& AServer) {
  if (IsOpen()) {
    if (AServer == FServer) return true;
    Shut();
  }
  bool opened = false;
  FSocket = orvo::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (FSocket.fd == -1) {
    LogSocketError("Socket create error. ", FSocket.lastError);
  } else if (ALocal && bind(FSocket.fd, reinterpret_cast<const sockaddr*>(ALocal), sizeof *ALocal) != 0) {
    FSocket.lastError = errno;
    LogSocketError("Socket bind failed. ", FSocket.lastError);
  } else if (connect(FSocket.fd, reinterpret_cast<const sockaddr*>(&AServer), sizeof AServer) != 0) {
    FSocket.lastError = errno;
    LogSocketError("Socket connect failed. ", FSocket.lastError);
  } else {
    // A spurious wake-up must not block the loop in recv.
    FSocket.setNonBlocking(true);
    try {
      new orvo::sockEvent(orvo::sockEvent::READ, FSocket.fd, this, &TConnection::OnReadable, false, &FWatcher);
      FServer = AServer;
      opened = true;
    } catch (orvo::exception* e) {
      orvo::exceptionPtr owned(e);
      std::cout << orvo::lineState(orvo::stateError) << "RADIUS connection. " << *e->message() << std::endl;
    }
  }
  if (!opened && FSocket.fd != -1) {
    int error = FSocket.lastError;
    FSocket.close();
    FSocket.lastError = error;
  }
  // Requests of the association just closed end only now, so that what their
  // completions send goes to the new one.
  CompleteSetAside();
  if (opened) SendWaiting();
  return opened;
}

void TConnection::Shut() {
  // The registration goes while its descriptor is still open.
  delete FWatcher;
  FWatcher = nullptr;
  FSocket.close();
  FServer = orvo::nullAddress;
  for (auto& entry : FQueue) {
    entry->FTimer.Stop();
    ReleaseIdentifier(*entry);
  }
  FSetAside.splice(FSetAside.end(), FQueue);
}

void TConnection::CompleteSetAside() {
  // A completion that closes the connection again adds to the list being
  // worked through here.
  if (FCompletingSetAside) return;
  FCompletingSetAside = true;
  while (!FSetAside.empty()) {
    std::unique_ptr<TQueuedPacket> entry = std::move(FSetAside.front());
    FSetAside.pop_front();
    entry->Packet()->Completion()(crNoAnswer, nullptr);
  }
  FCompletingSetAside = false;
}

void TConnection::LogSocketError(const char* AText, int AError) {
  std::cout << orvo::lineState(orvo::stateError) << "RADIUS connection. " << AText << AError << ' '
            << orvo::errorText(AError) << std::endl;
}

TPacket* TConnection::CreatePacket(int ACode, const TCompletion& ACompletion) {
  std::unique_ptr<TPacket> packet(new TPacket(FSecret, ACompletion));
  packet->SetCode(static_cast<unsigned>(ACode));
  packet->SetIdentifier(static_cast<uint8_t>(FIdentifierCounter++));
  unsigned char authenticator[AuthenticatorLength] = {};
  if (ACode == pcAccessRequest) randomBytes(authenticator, sizeof authenticator);
  packet->SetAuthenticator(authenticator);
  return packet.release();
}

void TConnection::Send(TPacket* APacket) {
  if (!APacket) return;
  FQueue.emplace_back(new TQueuedPacket(this, APacket));
  SendWaiting();
}

void TConnection::SendWaiting() {
  for (auto& entry : FQueue) {
    if (entry->Sent()) continue;
    if (!AssignIdentifier(*entry)) return;  // all 256 pending; the next completion sends it
    entry->Encode(FSecret);
    entry->FRetriesLeft = TQueuedPacket::Transmissions;
    TransmitEntry(*entry);
  }
}

bool TConnection::AssignIdentifier(TQueuedPacket& AEntry) {
  uint8_t identifier = AEntry.Packet()->Identifier();
  for (unsigned tried = 0; FPendingIdentifiers.test(identifier); ++tried) {
    if (tried == 256) return false;
    identifier = static_cast<uint8_t>(FIdentifierCounter++);
  }
  AEntry.Packet()->SetIdentifier(identifier);
  FPendingIdentifiers.set(identifier);
  AEntry.HoldsIdentifier = true;
  return true;
}

void TConnection::ReleaseIdentifier(TQueuedPacket& AEntry) {
  if (!AEntry.HoldsIdentifier) return;
  FPendingIdentifiers.reset(AEntry.Packet()->Identifier());
  AEntry.HoldsIdentifier = false;
}

void TConnection::TransmitEntry(TQueuedPacket& AEntry) {
  // Started before the hook, which may trace; a closed socket fails silently
  // and the retries run out.
  AEntry.FTimer.Restart();
  Transmit(AEntry.Packet(), AEntry.Bytes(), AEntry.Length());
}

int TConnection::Transmit(TPacket*, const unsigned char* ABytes, unsigned ALength) {
  ssize_t sent = FSocket.fd == -1 ? -1 : send(FSocket.fd, ABytes, ALength, 0);
  FSocket.lastError = sent < 0 ? (FSocket.fd == -1 ? EBADF : errno) : 0;
  return FSocket.lastError;
}

void TConnection::OnReceive(TPacket*) {}

void TConnection::OnExpire(TQueuedPacket* AEntry) {
  if (AEntry->FRetriesLeft > 0) --AEntry->FRetriesLeft;
  if (AEntry->FRetriesLeft > 0) {
    TransmitEntry(*AEntry);
    return;
  }
  std::unique_ptr<TPacket> refused = std::move(AEntry->FRefusedAnswer);
  Complete(AEntry, refused ? crSecretMismatch : crNoAnswer, refused.get());
}

void TConnection::OnReadable(orvo::sockEvent*) {
  std::unique_ptr<unsigned char[]> buffer(new unsigned char[ReceiveBufferLength]);
  ssize_t received = recv(FSocket.fd, buffer.get(), ReceiveBufferLength, 0);
  FSocket.lastError = received < 0 ? errno : 0;
  if (received < static_cast<ssize_t>(MinPacketLength)) return;
  std::unique_ptr<TPacket> answer(new TPacket(FSecret));
  if (!answer->Decode(buffer.get(), static_cast<unsigned>(received))) return;
  OnReceive(answer.get());
  TQueuedPacket* request = nullptr;
  for (auto& entry : FQueue) {
    if (entry->Sent() && entry->Packet()->Identifier() == answer->Identifier()) {
      request = entry.get();
      break;
    }
  }
  if (!request) return;
  unsigned length = (unsigned(buffer[2]) << 8) | buffer[3];
  unsigned char expected[TMD5Digest::Size];
  TMD5Digest digest;
  digest.Update(buffer.get(), 4).Update(request->Bytes() + 4, AuthenticatorLength);
  digest.Update(buffer.get() + MinPacketLength, length - MinPacketLength).Update(FSecret).Final(expected);
  // RFC 2865 has an answer that does not verify silently discarded: it may
  // be forged, and the genuine one may still come.
  if (std::memcmp(expected, buffer.get() + 4, sizeof expected) != 0) {
    request->FRefusedAnswer = std::move(answer);
    return;
  }
  Complete(request, crAnswer, answer.get());
}

std::unique_ptr<TQueuedPacket> TConnection::Take(TQueuedPacket* AEntry) {
  for (auto it = FQueue.begin(); it != FQueue.end(); ++it) {
    if (it->get() == AEntry) {
      std::unique_ptr<TQueuedPacket> taken = std::move(*it);
      FQueue.erase(it);
      taken->FTimer.Stop();
      ReleaseIdentifier(*taken);
      return taken;
    }
  }
  return nullptr;
}

void TConnection::Complete(TQueuedPacket* AEntry, int AResult, TPacket* AAnswer) {
  std::unique_ptr<TQueuedPacket> entry = Take(AEntry);
  if (!entry) return;
  // A freed identifier lets a waiting request go before the completion adds
  // requests of its own.
  SendWaiting();
  entry->Packet()->Completion()(AResult, AAnswer);
}

void TConnection::CancelRequests(const void* ARequester) {
  bool freed = false;
  for (TQueue* queue : {&FQueue, &FSetAside}) {
    for (auto it = queue->begin(); it != queue->end();) {
      if ((*it)->Packet()->Completion().object() == ARequester) {
        freed = freed || (*it)->HoldsIdentifier;
        ReleaseIdentifier(**it);
        it = queue->erase(it);
      } else {
        ++it;
      }
    }
  }
  if (freed) SendWaiting();
}

unsigned TConnection::PendingCount() const { return static_cast<unsigned>(FQueue.size() + FSetAside.size()); }

unsigned TConnection::UnsentCount() const {
  unsigned unsent = 0;
  for (const auto& entry : FQueue)
    if (!entry->Sent()) ++unsent;
  return unsent;
}

}  // namespace RADIUS
