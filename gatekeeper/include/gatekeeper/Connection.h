// The record of one admitted call: its two sides, its identifiers, the
// bandwidth it books along its zone path, its hunting alternatives, and the
// timers that end it (removal after disengage, the wait for the endpoints'
// own disengage after a relayed Release Complete, supervision of
// information reports). Created with new; it joins the core's list of
// connections, which owns it.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <orvo/string.h>
#include <orvo/timer.h>

#include <config/StringList.h>
#include <config/Variables.h>
#include <h225/h225.h>
#include <h323/identifiers.h>

#include <gatekeeper/EndpointHandle.h>
#include <gatekeeper/Registry.h>
#include <gatekeeper/Events.h>

class TCallSignallingRelay;
class TSetupReceiver;
class TConfiguration;
class TEndpointRegisterInfo;
class TGatekeeper;
class TGatekeeperLink;
class TZone;

// A further route for the callee side, tried when the first fails.
struct TConnectionAlternative {
  TEndpointHandle Endpoint;
  sockaddr_in CallSignalAddress{};
  int CreditTime = -1;
  TGatekeeperLink* Link = nullptr;
};

class TConnection {
public:
  enum TSide { cnsCaller = 0, cnsCallee = 1 };

  // Joins the owner's list and announces itself (event 13). The call
  // identifier is copied when given.
  TConnection(TGatekeeper* AOwner, const TEndpointHandle& ACaller, const TEndpointHandle& ACallee,
              unsigned ACallReference, const H323::guidOctets& AConferenceID,
              const H225::callIdentifier* ACallIdentifier);
  TConnection(const TConnection&) = delete;
  TConnection& operator=(const TConnection&) = delete;
  // Event 17 before the memory goes; the booked bandwidth is given back.
  virtual ~TConnection();

  // A call only follows the registrations of its sides.
  static bool AcceptsEvent(int ACode) { return ACode == evEndpointUnregistered; }
  // The side whose registration ended is cleared; never takes the event.
  virtual bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond);

  // Direct: started at once. Routed: the call-signalling relay listens for
  // the caller on the local address and will connect the callee; the call
  // counts as started when the Setup reaches the callee. False when the
  // relay cannot listen.
  bool Start(const sockaddr_in& ACalleeAddress, bool ARouted);
  // Routed, the caller already connected to the call-signal port: the relay
  // takes the caller's connection over from the reader of its Setup and
  // connects the callee at once. False when the relay cannot be made.
  bool StartWithCaller(const sockaddr_in& ACalleeAddress, TSetupReceiver& ACaller);
  bool SetBandwidth(uint32_t ABandwidth, bool AAcceptLess, uint32_t& AGranted);
  void ReleaseZones();
  void SetSideAliases(int ASide, const TStringList& AAliases);
  void AddSideVariables(int ASide, const TVariables& AVariables);
  // Takes the alternative; false (and deleted) once retermination is over.
  bool AddAlternative(TConnectionAlternative* AAlternative);
  void DisableRetermination(const char* AReason);
  bool Reterminate();
  // A side admitted by the gatekeeper, with its credit time in seconds (-1
  // none); its information reports are supervised from now on.
  void Admit(int ASide, int ACreditTime = -1);
  // The credit time of a side not admitted yet.
  void SetCreditTime(int ASide, int ASeconds) { Sides[ASide].CreditTime = ASeconds; }
  void RestartIrrTimer(int ASide);
  void SetInfoRequestInterval(int ASeconds, bool AWillRespond, int ACallModel);
  // Disengage requests to the admitted sides, then removal; once, and not
  // once the removal is scheduled.
  void Disengage();
  // Removal from the core's list (which deletes the call) in 1,000 ms; once.
  void ScheduleRemoval();
  // The received call identifier of a participant whose request was
  // accepted; nothing when the call has one.
  void AttachCallIdentifier(const H225::callIdentifier& AIdentifier);

  // The call counts of its sides' registrations follow what the call is:
  // in the core's list, not scheduled for removal, with these sides. Run
  // after each change of those.
  void Recount();
  // A registration that goes while it counts this call.
  void Forget(const TEndpointRegisterInfo* ARegistration);

  TEndpointRegisterInfo* SideRegistration(int ASide) const { return Sides[ASide].Handle.Registration(); }
  TEndpointHandle& Side(int ASide) { return Sides[ASide].Handle; }
  bool Admitted(int ASide) const { return Sides[ASide].Admitted; }
  int CreditTime(int ASide) const { return Sides[ASide].CreditTime; }
  const TStringList& SideAliases(int ASide) const { return Sides[ASide].Aliases; }
  TTimer* IrrTimer(int ASide) const { return Sides[ASide].IrrTimer.get(); }
  bool RemovalScheduled() const { return FRemovalTimer != nullptr; }
  bool Disengaged() const { return FDisengaged; }
  bool ReterminationPossible() const { return FReterminationPossible; }
  bool Started() const { return FStarted; }
  bool Stopping() const { return FStopping; }
  uint32_t Bandwidth() const { return FBandwidth; }
  const std::vector<TZone*>& Zones() const { return FZones; }
  const H323::guidOctets& ConnectionIdentifier() const { return FConnectionIdentifier; }
  const H323::guidOctets& ConferenceID() const { return FConferenceID; }
  const H225::callIdentifier* CallIdentifier() const { return FCallIdentifier.get(); }
  unsigned CallReference() const { return FCallReference; }
  int InfoRequestInterval() const { return FInfoRequestInterval; }
  size_t AlternativeCount() const { return FAlternatives.size(); }
  const sockaddr_in& CalleeAddress() const { return FCalleeAddress; }
  // The relay of a routed call while it runs; null for a direct call.
  TCallSignallingRelay* Relay() const { return FRelay.get(); }

  TGatekeeperLink* Link = nullptr;
  int ProxyLevel = 0;
  TStringList RemoteAliases;

protected:
  TGatekeeper* Owner;

private:
  struct TCallSide {
    TEndpointHandle Handle;
    bool Admitted = false;
    int CreditTime = -1;
    std::unique_ptr<TTimer> IrrTimer;
    TStringList Aliases;
  };

  void OnIrrTimeout(TTimer* ATimer);
  void OnRemovalTimeout(TTimer* ATimer);
  // The endpoints cleared the call: they are given a bound to disengage
  // themselves before the gatekeeper does.
  void AwaitDisengage();
  void OnDisengageTimeout(TTimer* ATimer);
  // Event 16, once.
  void AnnounceStop();
  int64_t SupervisionTimeout(int ASide) const;
  // Gives back what the call holds on its zones, announcing each zone.
  void GiveBack();

  // What the relay of a routed call reports.
  void OnRelayStarted();
  void OnRelayChanged(int AMessageType);
  void OnRelayStopping();
  void OnRelayEnded(int AEnd, const orvo::string& AText);
  void OnRelayWarning(const orvo::string& AText);
  // An alias of the Setup as the callee is to see it.
  void TranslateSetupAlias(int ASide, const orvo::string& AAlias, orvo::string& AResult);
  // The relay of a routed call to the callee, with the proxy level of now.
  std::unique_ptr<TCallSignallingRelay> NewRelay(const sockaddr_in& ACalleeAddress);
  // Ends the relay with Release Complete to its open legs and no word back.
  void ReleaseRelay(int AReleaseCompleteReason, unsigned ACause);

  TCallSide Sides[2];
  // The registrations whose counts include this call, by side.
  TEndpointRegisterInfo* FCounted[2] = {nullptr, nullptr};
  unsigned FCallReference;
  H323::guidOctets FConnectionIdentifier;
  H323::guidOctets FConferenceID;
  std::unique_ptr<H225::callIdentifier> FCallIdentifier;
  bool FReterminationPossible = true;
  // The relay holds the caller's connection taken from the call-signal port.
  bool FCallerTaken = false;
  bool FStarted = false;
  bool FStopping = false;
  bool FDisengaged = false;
  bool FStopAnnounced = false;
  uint32_t FBandwidth = 0;
  // The zones hold one slot and the bandwidth each; they belong to the
  // configuration held here, which a reload may have replaced meanwhile.
  std::vector<TZone*> FZones;
  TConfiguration* FZonesConfiguration = nullptr;
  std::vector<std::unique_ptr<TConnectionAlternative>> FAlternatives;
  std::unique_ptr<TTimer> FRemovalTimer;
  std::unique_ptr<TTimer> FDisengageTimer;
  sockaddr_in FCalleeAddress{};
  int FInfoRequestInterval = -1;
  std::unique_ptr<TCallSignallingRelay> FRelay;
};
