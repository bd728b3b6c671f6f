#include <gatekeeper/UnregisterProcedure.h>

#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/RasFields.h>

TUnregisterProcedure::TUnregisterProcedure(TGatekeeper* AOwner, TEndpointRegisterInfo* ARegistration,
                                           const H225::unregRequestReason* AReason)
    : TRASProcedure(AOwner, ARegistration, &TUnregisterProcedure::Unregistered) {
  if (AReason) Reason.reset(new H225::unregRequestReason(*AReason));
  // Last pushed, first run.
  Push(&TUnregisterProcedure::SendUnregistration);
  Push(&TUnregisterProcedure::WaitForCalls);
}

TProcessor::TPerformFunctionResult TUnregisterProcedure::WaitForCalls() {
  if (!Registration) return nullptr;
  if (Registration->RasAddress.sin_addr.s_addr == 0 && Registration->RasAddress.sin_port == 0) return nullptr;
  if (Registration->CountConnections() != 0) return &TUnregisterProcedure::WaitForCalls;
  return nullptr;
}

TProcessor::TPerformFunctionResult TUnregisterProcedure::SendUnregistration() {
  if (!Registration) return nullptr;
  if (Registration->RasAddress.sin_addr.s_addr == 0 && Registration->RasAddress.sin_port == 0) return nullptr;
  auto* message = new H225::rasMessage;
  auto* urq = static_cast<H225::unregistrationRequest*>(message->select(6));
  H323::sockaddrToTransport(Registration->CallSignalAddress, *urq->callSignalAddress.appendNew());
  SetOptionalIdentifier(urq->endpointIdentifier, Registration->Identifier());
  if (Reason) urq->reason = new H225::unregRequestReason(*Reason);
  SendRequest(message);
  return &TUnregisterProcedure::WaitAnswer;
}

TProcessor::TPerformFunctionResult TUnregisterProcedure::Unregistered() {
  if (TEndpointRegisterInfo* registration = Registration) {
    // Forgotten first: the state change announces the end to this procedure too.
    Registration = nullptr;
    registration->SetState(TEndpointRegisterInfo::esUnregistered);
  }
  return nullptr;
}

void TUnregisterProcedure::OnResponse(H225::rasMessage&) {}

bool TUnregisterProcedure::OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) {
  if (ACode == evConnectionDestroyed && Registration && !PendingSequenceNumber()) {
    auto* connection = static_cast<TConnection*>(ASender);
    if (connection->SideRegistration(TConnection::cnsCaller) == Registration ||
        connection->SideRegistration(TConnection::cnsCallee) == Registration)
      CallEnded.Start();
    return false;
  }
  return TRASProcedure::OnEvent(ACode, ASender, AFirst, ASecond);
}

void TUnregisterProcedure::OnCallEnded(TTimer*) { Run(); }
