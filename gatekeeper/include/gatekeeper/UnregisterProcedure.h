// The gatekeeper's unregistration of an endpoint: once the endpoint's calls
// have ended, an unregistration request to it (sent twice, 3,000 ms apart);
// its confirm, reject or the time-out ends the registration (state 3). A
// registration without a RAS address ends at once.
#pragma once

#include <memory>

#include <h225/h225.h>

#include <gatekeeper/RASProcedure.h>

class TUnregisterProcedure : public TRASProcedure {
public:
  // The reason is copied; none is sent without one.
  TUnregisterProcedure(TGatekeeper* AOwner, TEndpointRegisterInfo* ARegistration,
                       const H225::unregRequestReason* AReason);

  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;

protected:
  void OnResponse(H225::rasMessage& AAnswer) override;

private:
  TPerformFunctionResult WaitForCalls();
  TPerformFunctionResult SendUnregistration();
  TPerformFunctionResult Unregistered();
  void OnCallEnded(TTimer* ATimer);

  std::unique_ptr<H225::unregRequestReason> Reason;
  // A call's end (event 17) comes before it leaves the list: counted again
  // at the next pass.
  TTimer CallEnded{0, this, &TUnregisterProcedure::OnCallEnded};
};
