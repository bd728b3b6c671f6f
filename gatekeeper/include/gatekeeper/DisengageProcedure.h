// The gatekeeper's end of a call on one side: a disengage request (forced
// drop) to that side's endpoint, sent twice, 3,000 ms apart, until it
// answers.
#pragma once

#include <gatekeeper/RASProcedure.h>

class TConnection;

class TDisengageProcedure : public TRASProcedure {
public:
  TDisengageProcedure(TGatekeeper* AOwner, TConnection* AConnection, int ASide);

  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;

protected:
  void OnResponse(H225::rasMessage&) override {}

private:
  TPerformFunctionResult SendDisengage();

  TConnection* Connection;
  int Side;
};
