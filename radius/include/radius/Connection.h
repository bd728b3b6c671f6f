// One association with a RADIUS server over a connected UDP socket: numbers
// the requests, retransmits them, matches answers by identifier, verifies
// the Response Authenticator and tells each requester the outcome.
#pragma once

#include <bitset>
#include <cstdint>
#include <list>
#include <memory>

#include <netinet/in.h>

#include <orvo/socket.h>
#include <orvo/string.h>
#include <radius/Completion.h>

namespace orvo {
class sockEvent;
}

namespace RADIUS {

class TPacket;
class TQueuedPacket;

class TConnection {
public:
  // What a completion receives.
  enum TResult { crAnswer = 0, crNoAnswer = 1, crSecretMismatch = 2 };

  TConnection();
  // Pending requests go without completion.
  virtual ~TConnection();
  TConnection(const TConnection&) = delete;
  TConnection& operator=(const TConnection&) = delete;

  const orvo::string& Secret() const { return FSecret; }
  // A different secret closes the connection, pending requests ending with
  // crNoAnswer; the same one changes nothing.
  void SetSecret(const orvo::string& ASecret);

  // Both keep an open connection to the same server as it is; another server
  // closes it first. False, logged, when the socket cannot be made.
  bool Open(const sockaddr_in& AServer);
  bool OpenBound(const sockaddr_in& ALocal, const sockaddr_in& AServer);
  // Pending requests end with crNoAnswer.
  void Close();
  bool IsOpen() const { return FWatcher != nullptr; }
  // orvo::nullAddress while closed.
  const sockaddr_in& Server() const { return FServer; }
  // The bound local address of the open socket.
  bool LocalAddress(sockaddr_in& AOut) const;

  // A new request with a random Request Authenticator for an Access-Request
  // and 16 zero octets otherwise. The caller owns it until Send.
  TPacket* CreatePacket(int ACode, const TCompletion& ACompletion);
  template <class T>
  TPacket* CreatePacket(int ACode, T* ARequester, void (T::*AHandler)(int, TPacket*)) {
    return CreatePacket(ACode, TCompletion(ARequester, AHandler));
  }
  // Takes the packet over and transmits it, unless all 256 identifiers are
  // pending: then it waits unsent until one is free.
  void Send(TPacket* APacket);
  // Drops every request of the requester without calling its completion.
  void CancelRequests(const void* ARequester);

  // Requests queued, sent or waiting.
  unsigned PendingCount() const;
  // Requests that wait unsent for a free identifier.
  unsigned UnsentCount() const;
  // errno of the last socket call, 0 after success.
  int LastError() const { return FSocket.lastError; }

protected:
  // Sends one encoded packet; the result is the errno, 0 when sent.
  virtual int Transmit(TPacket* APacket, const unsigned char* ABytes, unsigned ALength);
  // Every received packet that decodes, before it is matched.
  virtual void OnReceive(TPacket* APacket);

private:
  friend class TQueuedPacket;
  typedef std::list<std::unique_ptr<TQueuedPacket>> TQueue;

  bool OpenSocket(const sockaddr_in* ALocal, const sockaddr_in& AServer);
  // Closes the socket and moves the queue aside to be completed.
  void Shut();
  void CompleteSetAside();
  void LogSocketError(const char* AText, int AError);

  void SendWaiting();
  bool AssignIdentifier(TQueuedPacket& AEntry);
  void ReleaseIdentifier(TQueuedPacket& AEntry);
  void TransmitEntry(TQueuedPacket& AEntry);
  void OnExpire(TQueuedPacket* AEntry);
  void OnReadable(orvo::sockEvent* ARegistration);
  // Takes the entry out of its queue, calls its completion, destroys it.
  void Complete(TQueuedPacket* AEntry, int AResult, TPacket* AAnswer);
  std::unique_ptr<TQueuedPacket> Take(TQueuedPacket* AEntry);

  orvo::string FSecret;
  sockaddr_in FServer;
  uint32_t FIdentifierCounter;
  orvo::socket FSocket;
  orvo::sockEvent* FWatcher = nullptr;
  TQueue FQueue;
  // Requests of a closed association, completed one by one; a completion
  // may still cancel those that follow.
  TQueue FSetAside;
  bool FCompletingSetAside = false;
  std::bitset<256> FPendingIdentifiers;
};

}  // namespace RADIUS
