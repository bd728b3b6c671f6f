// Answers one location request, normally from a neighbour gatekeeper that
// registered here: finds the requester, resolves the callee among the local
// registrations, or asks further neighbours through their links and waits
// for the best of their answers under a master timer.
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

class TGatekeeperLink;

class TLocationResolver : public TRasResolver {
public:
  // An LRQ forwarded without a hop count of its own carries this one, so
  // that neighbours with overlapping routes cannot bounce it for ever.
  enum { DefaultHopCount = 4 };

  TLocationResolver(TGatekeeper* AOwner, const sockaddr_in& ASource, const H225::rasMessage& ARequest);
  ~TLocationResolver() override;

  static bool AcceptsEvent(int ACode);
  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;

  void OnLinkAnswer(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest, H225::rasMessage* AAnswer);

private:
  // A neighbour asked: its candidate, and the request that went to it
  // (null once cancelled or answered), by which its answer is known.
  struct TForward {
    TCompetitorInfo* Candidate;
    const H225::rasMessage* Request;
    bool Answered;
  };

  TPerformFunctionResult CheckRequest();
  TPerformFunctionResult CollectAnswers();
  bool ForwardToLinks();
  void ExtendDeadline(int64_t AMilliseconds);
  void OnMasterTimeout(TTimer* ATimer);

  const H225::locationRequest& Lrq() const;
  TEndpointRegisterInfo* IdentifyByAddress();
  void MakeRules(TEndpointHandle& AHandle, bool AIncoming, const TStringList* ALists);
  TForward* ForwardOf(const TCompetitorInfo* ACandidate);
  // Cancels the candidate's request and drops it from the list.
  void RemoveCandidate(TCompetitorInfo* ACandidate);
  void RemoveUnanswered();
  bool Waiting() const;

  void Confirm();
  void Reject(int ALocationReason, const orvo::string& AText = orvo::string());
  // By the neighbour's reason, else the route result; no text.
  void RejectByReason();
  void SendRequestInProgress(unsigned ADelay);

  sockaddr_in ReplyAddress;
  TTimer MasterTimer;
  std::unique_ptr<orvo::dateTime> DeadlineExtension;
  TStringList A[2];
  TStringList T[2];
  TEndpointHandle Requesting;
  TEndpointHandle Callee;
  sockaddr_in FoundRasAddress{};
  sockaddr_in FoundCallSignalAddress{};
  int RouteResult = 0;
  TRejectReason NeighbourReason = rrNone;
  TCompetitorsInfo Candidates;
  std::vector<TForward> Forwards;
};

TRasResolver* MakeLocationResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest);
