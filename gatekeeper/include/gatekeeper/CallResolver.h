// What resolving a new call takes, whether an endpoint asks for it by an
// admission request or sends its Setup straight to the call-signal port:
// the callee found by its aliases (the users' rules, neighbour gatekeepers
// asked where it lives) or by its address, the route chosen by cost and
// bandwidth, RADIUS asked where the users want it, the route's link asked
// to admit the call, the call record made with the further routes as its
// alternatives, and the master timer over it all. How the request is read
// and how it is answered belongs to each kind of resolver.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <orvo/dateTime.h>
#include <orvo/timer.h>

#include <config/StringList.h>
#include <h225/h225.h>
#include <h323/identifiers.h>

#include <gatekeeper/CompetitorInfo.h>
#include <gatekeeper/EndpointHandle.h>
#include <gatekeeper/RasResolver.h>
#include <gatekeeper/RejectReason.h>
#include <gatekeeper/StringLists.h>

class TConnection;
class TGatekeeperLink;
class TUser;

namespace RADIUS {
class TPacket;
}

class TCallResolver : public TRasResolver {
public:
  // ARequest: the RAS request answered, or an empty message when the call
  // comes without one.
  template <class TDerived>
  TCallResolver(TGatekeeper* AOwner, const sockaddr_in& ASource, const H225::rasMessage& ARequest,
                TPerformFunctionResult (TDerived::*AFirst)())
      : TRasResolver(AOwner, ASource, ARequest, AFirst), MasterTimer(this, &TCallResolver::OnMasterTimeout) {}
  ~TCallResolver() override;

  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;

  void OnRadiusAnswer(int AResult, RADIUS::TPacket* AAnswer);
  // The answers of neighbour gatekeepers, each known by the request it
  // answers: a location request for a candidate, the route's admission.
  void OnLocationAnswer(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest, H225::rasMessage* AAnswer);
  void OnLinkAdmissionAnswer(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest,
                             H225::rasMessage* AAnswer);

  const TCompetitorsInfo& Competitors() const { return FCompetitors; }

protected:
  // The values of the call that the request carries, as the call record,
  // RADIUS and the route's link take them.
  struct TCallValues {
    H323::guidOctets ConferenceID;
    std::unique_ptr<H225::callIdentifier> CallIdentifier;
    unsigned CallReference = 0;
    uint32_t Bandwidth = 0;
    bool CanMapAlias = false;
  };

  // The refusal of the request; nothing once it is answered.
  virtual void Reject(TRejectReason AReason, const orvo::string& AText = orvo::string()) = 0;
  // The call record made for the request.
  virtual void Confirm(TConnection* AConnection) = 0;
  // Starts the call record made for the request; false when it cannot run.
  virtual bool StartCall(TConnection* AConnection) = 0;
  // The sender's side of a new call record, once it runs.
  virtual void AdmitSender(TConnection* AConnection) = 0;
  // Whether waits announced by RADIUS or neighbours may push the deadline.
  virtual bool MayExtendDeadline() const = 0;
  // The master timer met a pushed deadline, ASpan milliseconds ahead.
  virtual void DeadlineMoved(int64_t ASpan) = 0;
  virtual void OnMasterTimeout(TTimer* ATimer);

  // The callee by its aliases: translated by the sender's user, the
  // candidates found and their neighbours asked; else by its address.
  TPerformFunctionResult ResolveCallee();
  TPerformFunctionResult CheckAddressCollision();
  TPerformFunctionResult RejectOrNext();
  TPerformFunctionResult NextCompetitor();
  TPerformFunctionResult ChooseRoute();
  TPerformFunctionResult CreateConnection();
  TPerformFunctionResult AddAlternative();

  // The identity the endpoint's tokens give: "h235name" and the access
  // token that RADIUS needs. False after a refusal.
  bool ReadTokenIdentity(const asn::sequenceOf<H235::clearToken, 0u, 0u, 1>* ATokens,
                         const asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>* ACryptoTokens);
  // The sender's calls within its user's limits; false after a refusal.
  bool SenderWithinCapacity();
  // By the reject reason, else by the route result; no text.
  void RejectByReason();
  // The deadline pushed to now + AMilliseconds: a wait of the gatekeeper's
  // own, or one a neighbour asked for (APeerAsked).
  void ExtendDeadline(int64_t AMilliseconds, bool APeerAsked = false);
  void BuildRadiusAttributes(int ASide);
  void RadiusFallback();
  // Asks each neighbour gatekeeper candidate where the callee is; true when
  // at least one request went out.
  bool SendLocationRequests();
  void SendAdmissionToLink();
  void SendDisengageToLink();
  // Cancels the candidate's location request and drops it from the list.
  void RemoveCompetitor(TCompetitorInfo* ACandidate);
  void RemoveUnlocated();

  TUser* SenderUser() const;
  TEndpointRegisterInfo* Sender() const { return E[SenderSide].Registration(); }
  bool RadiusAuthenticationServer() const;
  bool TopStepIs(TStep AStep) const;
  void MakeRules(TUser* AUser, TEndpointHandle& AHandle, bool APeer);
  void DestroyConnection(TConnection* AConnection);
  // The caller of a call that reaches its callee, or the gatekeeper, from
  // AAddress: the registration at that host whose user has no static
  // address (the port is not its call-signal port), or one of a user whose
  // address rules admit it. Null for none, and for two, with the collision
  // logged.
  TEndpointRegisterInfo* CallerAt(const sockaddr_in& AAddress);

  TCallValues Call;
  TTimer MasterTimer;
  std::unique_ptr<orvo::dateTime> DeadlineExtension;
  // When set, no neighbour's request for time pushes the deadline beyond
  // the latest one the gatekeeper granted itself: a neighbour asking again
  // and again cannot hold the request for ever.
  std::unique_ptr<orvo::dateTime> DeadlineCap;
  TStringList A[2];
  TStringList T[2];
  TStringList RemoteAliases;
  TEndpointHandle E[2];
  // Where the callee is asked for by address, the callee's address.
  const H225::transportAddress* CalleeByAddress = nullptr;
  sockaddr_in CalleeAddress{};
  int SenderSide = 0;
  bool Direct = true;
  TConnection* Connection = nullptr;
  bool HuntingGoesOn = false;
  int RouteResult = 0;
  TRejectReason RejectReason = rrNone;
  TCompetitorsInfo FCompetitors;
  uint32_t ChosenCost = 0xFFFFFFFFu;
  uint32_t ChosenBandwidth = 0xFFFFFFFFu;
  bool RadiusDone[2] = {false, false};
  int RadiusRequest[2] = {-1, -1};
  int CreditTime[2] = {-1, -1};
  uint32_t TokenTimeStamp = 0;
  unsigned char TokenRandom = 0;
  orvo::string TokenChallenge;
  TGatekeeperLink* Link = nullptr;
  struct TLocationAsked {
    TCompetitorInfo* Candidate;
    const H225::rasMessage* Request;
  };
  std::vector<TLocationAsked> LocationRequests;
  // The admission request pending at the route's link; null when none.
  const H225::rasMessage* LinkAdmission = nullptr;
  // The neighbour confirmed an admission that no call record took over.
  bool RemoteAdmissionHeld = false;
  int RemoteIrrInterval = -1;
  bool RemoteWillRespondToIRR = false;
  int RemoteCallModel = 0;
  // The master timer gives a pending RADIUS request one grace period, so
  // that its failure, due at the same moment, is what the endpoint hears.
  bool RadiusGraceGiven = false;
};
