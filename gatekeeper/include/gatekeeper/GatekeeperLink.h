// The link to one neighbour gatekeeper (a gatekeeper section): its own RAS
// socket, the registration of this system at the neighbour with keep-alive
// and alternates, the answers to what the neighbour asks on that socket,
// and the channel for the requests of others (location, admission...) with
// their retransmission. Stopping it ends its calls, unregisters and cleans up.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <orvo/sockEvent.h>
#include <orvo/socket.h>
#include <orvo/string.h>
#include <orvo/timer.h>

#include <asn/bmpString.h>
#include <asn/sequenceOf.h>
#include <h225/h225.h>
#include <h323/authenticationEnvironment.h>

#include <gatekeeper/Events.h>
#include <gatekeeper/Processor.h>
#include <gatekeeper/QueuedRASMessage.h>

class TConfiguration;
class TConnection;
class TGatekeeper;
class TLinkedUser;

// The words of a registration reject reason (CHOICE index) in the log.
const char* RegistrationRejectText(int AReason);

// One alternate gatekeeper the neighbour announced.
struct TLinkAlternative {
  explicit TLinkAlternative(const H225::alternateGK& AAnnounced);
  sockaddr_in RasAddress{};  // the null address when not IPv4
  orvo::string Identifier;
  bool NeedToRegister = false;
  uint32_t Priority = 0;
};

// Ordered by priority value, equal priorities in announced order; a cursor
// that starts at the head.
class TLinkAlternatives {
public:
  typedef asn::sequenceOf<H225::alternateGK, 0u, 0u, 1> TAnnounced;
  explicit TLinkAlternatives(const TAnnounced& AAnnounced) { Assign(AAnnounced); }
  void Assign(const TAnnounced& AAnnounced);
  const TLinkAlternative* First();
  const TLinkAlternative* Current() const { return Cursor < FEntries.size() ? &FEntries[Cursor] : nullptr; }
  const TLinkAlternative* Next();
  const std::vector<TLinkAlternative>& Entries() const { return FEntries; }

private:
  std::vector<TLinkAlternative> FEntries;
  size_t Cursor = 0;
};

class TGatekeeperLink : public TProcessor {
public:
  enum TLinkState { lsIdle = 0, lsRegistering = 1, lsRegistered = 2, lsUnregistering = 3, lsNotRegistered = 4 };
  typedef TQueuedRASMessage::TCallback TCallback;

  // Holds a reference to the owner's configuration; the first step opens
  // the socket and registers. The creator runs it.
  TGatekeeperLink(TGatekeeper* AOwner, TLinkedUser* AUser);
  ~TGatekeeperLink() override;

  // A link waits only on the calls it carries.
  static bool AcceptsEvent(int ACode) { return ACode == evConnectionDestroyed; }
  // A call through the link that ends leaves its list; never taken.
  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;

  // Shutdown or a section gone: end the calls, unregister, clean up, end.
  void Stop();
  // Since Stop: the link serves no section any more, it only ends.
  bool Stopping() const { return FStopping; }
  // A reload that keeps the section: a changed target, aliases or H.235
  // unregister and start anew.
  void UpdateUser(TConfiguration* AConfiguration, TLinkedUser* AUser);
  void Register();
  void SetRegistered(bool ARegistered);
  // The gatekeeper to address next; true when it changed.
  bool NextTarget();

  // 1 to 65535, then 1 again.
  unsigned NextSequenceNumber();
  // Signs, queues and sends the request (taking it); the callback's object
  // is the requester. False (the message deleted) for a kind that is never
  // queued.
  bool SendRequest(H225::rasMessage* AMessage, TCallback ACallback);
  template <class T, class C>
  bool SendRequest(H225::rasMessage* AMessage, T* ARequester,
                   void (C::*AMethod)(TGatekeeperLink*, int, H225::rasMessage*, H225::rasMessage*)) {
    return SendRequest(AMessage, TCallback(ARequester, AMethod));
  }
  // Every request of the requester, or the one holding the message,
  // lingers without calling back.
  void CancelRequests(const void* ARequester);
  void CancelRequest(const H225::rasMessage* AMessage);
  // Once, without queueing.
  void SendMessage(H225::rasMessage& AMessage);
  void CreateTokens(H323::clearTokenList*& AClear, H323::cryptoTokenList*& ACrypto);

  TGatekeeper* Owner() const { return FOwner; }
  TConfiguration* Configuration() const { return FConfiguration; }
  bool Registered() const { return FRegistered; }
  const sockaddr_in& RemoteRasAddress() const { return FRemoteRasAddress; }
  const orvo::string& RemoteIdentifier() const { return FRemoteIdentifier; }
  const sockaddr_in& LocalRasAddress() const { return FLocalRasAddress; }
  // What the neighbour called this system in its last confirm.
  const asn::bmpString<1u, 128u, 1>& EndpointIdentifier() const { return FEndpointIdentifier; }
  bool HasEndpointIdentifier() const { return FEndpointIdentifier.storage().length() != 0; }
  TLinkAlternatives* Alternates() const { return FAlternates.get(); }
  TTimer* Timer() const { return FTimer.get(); }
  int SocketError() const { return FSocket.lastError; }
  const std::vector<TQueuedRASMessage*>& Queue() const { return FQueue; }

  // The queue's own: entries join at their first send and leave when done.
  void Enqueue(TQueuedRASMessage* AEntry) { FQueue.push_back(AEntry); }
  void Dequeue(TQueuedRASMessage* AEntry);
  // Traces and sends encoded octets to the neighbour.
  void Transmit(const H225::rasMessage& AMessage, const std::vector<unsigned char>& AOctets);

  // The section served, and the state (shown to monitors).
  TLinkedUser* User = nullptr;
  int LinkState = lsIdle;

protected:
  // For stand-ins in tests: no owner, no socket.
  template <class TDerived>
  explicit TGatekeeperLink(TPerformFunctionResult (TDerived::*AFirst)()) : TProcessor(AFirst) {}

  void Attach() override;
  void Detach() override;

private:
  TPerformFunctionResult Start();
  TPerformFunctionResult Wait();
  TPerformFunctionResult GoOn();
  TPerformFunctionResult Unregister();
  TPerformFunctionResult DisengageCalls();
  TPerformFunctionResult WaitCalls();
  TPerformFunctionResult SendUnregistration();
  TPerformFunctionResult Cleanup();

  void OnRasInput(orvo::sockEvent* AEvent);
  void OnTimer(TTimer* ATimer);
  void OnRegistrationResult(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest, H225::rasMessage* AAnswer);
  void HandleRequest(H225::rasMessage& AMessage);
  void Answer(H225::rasMessage& AAnswer);
  void SendRegistration();
  void SendUnregistrationRequest();
  void ArmTimer(int64_t AMilliseconds);
  void MakeAuthentication();
  void TakeAlternates(const TLinkAlternatives::TAnnounced* AAnnounced);
  // The current target, the configured neighbour and the alternates.
  bool KnownSource(const sockaddr_in& AFrom) const;
  bool LogRegistrations() const;
  void Restart();

  TGatekeeper* FOwner = nullptr;
  TConfiguration* FConfiguration = nullptr;
  bool FRegistered = false;
  bool FStopping = false;
  sockaddr_in FRemoteRasAddress{};
  orvo::string FRemoteIdentifier;
  std::unique_ptr<TLinkAlternatives> FAlternates;
  orvo::socket FSocket;
  std::unique_ptr<orvo::sockEvent> FWatcher;
  sockaddr_in FLocalRasAddress{};
  std::unique_ptr<H323::authenticationEnvironment> FAuthentication;
  std::unique_ptr<TTimer> FTimer;
  int FUnregistrationRetries = 0;
  std::vector<TConnection*> FConnections;
  asn::bmpString<1u, 128u, 1> FEndpointIdentifier;
  unsigned FSequenceCounter = 1;
  std::vector<TQueuedRASMessage*> FQueue;
};
