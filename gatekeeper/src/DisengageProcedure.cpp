#include <gatekeeper/DisengageProcedure.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>

TDisengageProcedure::TDisengageProcedure(TGatekeeper* AOwner, TConnection* AConnection, int ASide)
    : TRASProcedure(AOwner, AConnection->SideRegistration(ASide), &TDisengageProcedure::SendDisengage),
      Connection(AConnection),
      Side(ASide) {}

TProcessor::TPerformFunctionResult TDisengageProcedure::SendDisengage() {
  if (!Registration || !Connection) return nullptr;
  auto* message = new H225::rasMessage;
  auto* drq = static_cast<H225::disengageRequest*>(message->select(15));
  drq->endpointIdentifier = Registration->Identifier();
  drq->conferenceID = Connection->ConferenceID();
  drq->callReferenceValue = Connection->CallReference() & 0xFFFF;
  drq->disengageReason.select(0);  // forcedDrop
  if (Connection->CallIdentifier()) drq->callIdentifier = new H225::callIdentifier(*Connection->CallIdentifier());
  drq->answeredCall = new asn::booltype;
  *drq->answeredCall = Side == TConnection::cnsCallee;
  SendRequest(message);
  return &TDisengageProcedure::WaitAnswer;
}

bool TDisengageProcedure::OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) {
  // The request is out; the call's record is not needed any more.
  if (ACode == evConnectionDestroyed && ASender == Connection) {
    Connection = nullptr;
    return false;
  }
  return TRASProcedure::OnEvent(ACode, ASender, AFirst, ASecond);
}
