#include <gatekeeper/RASProcedure.h>

#include <orvo/socketAddress.h>

#include <h323/rasMessage.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/RasSequenceNumber.h>

TRASProcedure::~TRASProcedure() = default;

void TRASProcedure::Attach() {
  Owner->RASProcedures().Attach(this);
  Owner->RasProcedureIndex().Key(this, SequenceNumber);
}

void TRASProcedure::Detach() { Owner->RASProcedures().Detach(this); }

void TRASProcedure::SendRequest(H225::rasMessage* ARequest) {
  Request.reset(ARequest);
  SequenceNumber = Owner->NextRequestSeqNum();
  SetRasSequenceNumber(*Request, SequenceNumber);
  // Only an answer with this number is offered from now on.
  Owner->RasProcedureIndex().Key(this, SequenceNumber);
  Registration->SignRasMessage(*Request);
  Pending = true;
  Answered = false;
  Sent = 0;
  Transmit();
}

void TRASProcedure::Transmit() {
  ++Sent;
  Owner->RASSend(Registration->RasAddress, *Request);
  Retry.SetTimeout(RetryInterval);
  Retry.Start();
}

void TRASProcedure::OnRetry(TTimer*) {
  if (!Pending) return;
  if (Sent < Transmissions && Registration) {
    Transmit();
    return;
  }
  Pending = false;
  Run();
}

TProcessor::TPerformFunctionResult TRASProcedure::WaitAnswer() {
  if (Pending) return &TRASProcedure::WaitAnswer;  // resumed early: still waiting
  if (!Answered && Registration) OnTimeout();
  return nullptr;
}

bool TRASProcedure::OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t) {
  if (ACode == evEndpointUnregistered) {
    if (ASender == Registration) {
      // Without its registration the exchange has nobody to talk to.
      Registration = nullptr;
      OnRegistrationGone();
      Finish();
    }
    return false;
  }
  if (ACode != evRasMessage || !Pending || !Registration) return false;
  auto* message = static_cast<H225::rasMessage*>(ASender);
  if (H323::isRasRequest(*message) || AFirst != SequenceNumber) return false;
  // Only the endpoint's own host may answer; the port is not compared.
  if (Owner->CurrentRasSender().sin_addr.s_addr != Registration->RasAddress.sin_addr.s_addr) return false;
  if (!Registration->CheckRasTokens(*message)) return true;  // taken and dropped
  Pending = false;
  Answered = true;
  Retry.Stop();
  OnResponse(*message);
  Run();  // may delete this
  return true;
}
