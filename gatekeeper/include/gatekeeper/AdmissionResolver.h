// Answers one admission request: checks the sender, finds and orders the
// routes of the call, asks the RADIUS server where the users want it,
// records the call and confirms it, or rejects the request. Serves both
// the caller's request and the callee's answering one.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <orvo/dateTime.h>
#include <orvo/timer.h>

#include <config/StringList.h>

#include <gatekeeper/CompetitorInfo.h>
#include <gatekeeper/EndpointHandle.h>
#include <gatekeeper/RasResolver.h>
#include <gatekeeper/RejectReason.h>

class TConnection;
class TGatekeeperLink;
class TUser;

namespace RADIUS {
class TPacket;
}

class TAdmissionResolver : public TRasResolver {
public:
  TAdmissionResolver(TGatekeeper* AOwner, const sockaddr_in& ASource, const H225::rasMessage& ARequest);
  ~TAdmissionResolver() override;

  static bool AcceptsEvent(int ACode);
  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;
  bool Answered() const override { return FAnswered; }

  void OnRadiusAnswer(int AResult, RADIUS::TPacket* AAnswer);
  // The answers of neighbour gatekeepers, each known by the request it
  // answers: a location request for a candidate, the route's admission.
  void OnLocationAnswer(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest, H225::rasMessage* AAnswer);
  void OnLinkAdmissionAnswer(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest,
                             H225::rasMessage* AAnswer);

  // A requestInProgress delay: the span plus 100 ms, within 1..65535.
  static unsigned ProgressDelay(int64_t ASpan);
  // The irrFrequency for a connection validity in seconds; -1 leaves the
  // field out (validities up to 3, negative ones, none).
  static int IrrFrequency(int64_t AValidity);

  const TCompetitorsInfo& Competitors() const { return FCompetitors; }

private:
  TPerformFunctionResult Resolve();
  TPerformFunctionResult KnownCall();
  // A request of the same side of the same call, from the same sender.
  bool SameCallSide(const TAdmissionResolver& AOther) const;
  // The first resolver in hand before this one for the same side of the
  // call, not answered yet; null when none.
  TRasResolver* EarlierOfTheCallSide();
  // While waiting for it, this request's deadline follows the earlier one's.
  void FollowEarlier(const TAdmissionResolver& AEarlier);
  TPerformFunctionResult ContinueAnswerCall();
  TPerformFunctionResult CheckAddressCollision();
  TPerformFunctionResult RejectOrNext();
  TPerformFunctionResult NextCompetitor();
  TPerformFunctionResult ChooseRoute();
  TPerformFunctionResult CreateConnection();
  TPerformFunctionResult AddAlternative();

  void Confirm(TConnection* AConnection);
  void Reject(TRejectReason AReason, const orvo::string& AText = orvo::string());
  // By the reject reason, else by the route result; no text.
  void RejectByReason();
  void ExtendDeadline(int64_t AMilliseconds);
  void SendRequestInProgress(int64_t AMilliseconds);
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
  void OnMasterTimeout(TTimer* ATimer);

  const H225::admissionRequest& Arq() const;
  TUser* SenderUser() const;
  TEndpointRegisterInfo* Sender() const { return E[SenderSide].Registration(); }
  bool RadiusAuthenticationServer() const;
  bool TopStepIs(TStep AStep) const;
  void MakeRules(TUser* AUser, TEndpointHandle& AHandle, bool APeer);
  void DestroyConnection(TConnection* AConnection);

  sockaddr_in ReplyAddress;
  TTimer MasterTimer;
  std::unique_ptr<orvo::dateTime> DeadlineExtension;
  TStringList A[2];
  TStringList T[2];
  TStringList RemoteAliases;
  TEndpointHandle E[2];
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
  bool FAnswered = false;
  // The master timer gives a pending RADIUS request one grace period, so
  // that its failure, due at the same moment, is what the endpoint hears.
  bool RadiusGraceGiven = false;
  // Set while the bandwidth of a known call is being changed.
  bool NeedsAttach = false;
};

TRasResolver* MakeAdmissionResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest);
