// Answers one bandwidth request of a registered endpoint for one of its
// calls: the call's booking on its zone path changes, or the request is
// refused with what the path still offers.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <gatekeeper/RasResolver.h>

class TConnection;
class TEndpointRegisterInfo;
class TGatekeeperLink;

class TBandwidthResolver : public TRasResolver {
public:
  TBandwidthResolver(TGatekeeper* AOwner, const sockaddr_in& ASource, const H225::rasMessage& ARequest);
  ~TBandwidthResolver() override;

  static bool AcceptsEvent(int ACode);
  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;
  void OnLinkAnswer(TGatekeeperLink* ALink, int AResult, H225::rasMessage* ARequest, H225::rasMessage* AAnswer);

private:
  TPerformFunctionResult CheckRequest();
  TPerformFunctionResult FinishRequest();

  const H225::bandwidthRequest& Brq() const;
  void Confirm();
  void Reject(int AReason, uint32_t AAllowed);
  // Asks the neighbour gatekeeper behind the callee; false when there is none.
  bool ForwardToLink();

  sockaddr_in ReplyAddress;
  TEndpointRegisterInfo* Registration = nullptr;
  TConnection* Connection = nullptr;
  uint32_t AnsweredCall = 0;
  TGatekeeperLink* Link = nullptr;
  uint32_t PreviousBandwidth = 0;
  // The call holds the bandwidth asked for, not yet confirmed.
  bool Booked = false;
  uint32_t NeighbourBandwidth = 0;
};

TRasResolver* MakeBandwidthResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest);
