// A registration's accounting: one Start when it begins, one Stop with its
// duration when it ends.
#include <gatekeeper/Endpoint.h>

#include <memory>

#include <orvo/assertion.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/User.h>
#include <radius/AddressAttribute.h>
#include <radius/Dictionary.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>

#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>

namespace {

// The completion's target: it needs no record, so a stopped registration
// (already destroyed when its answer comes) is never touched.
struct TAccountingAnswer {
  void OnAnswer(int AResult, RADIUS::TPacket* AAnswer) { TEndpointRegisterInfo::OnAccountingAnswer(AResult, AAnswer); }
} AnswerSink;

}  // namespace

bool TEndpointRegisterInfo::AccountingWanted() const {
  return FOwner && FConfiguration && FUser && FConfiguration->AAA().HasAccountingServer() &&
         (FUser->RadiusAccountingLevel() & TUser::rlCaller) != 0;
}

// The session's ends are read on the timer clock: a length taken from the
// wall clock would gain or lose an hour when daylight-saving time begins or
// ends during the registration, or whatever a clock step moves.
void TEndpointRegisterInfo::GuardedAccountingStart() {
  if (FStartTime) return;
  FStartTime = orvo::timerClock();
  if (AccountingWanted()) AccountingStart();
}

void TEndpointRegisterInfo::GuardedAccountingStop() {
  if (!FStartTime || FStopTime) return;
  FStopTime = orvo::timerClock();
  if (AccountingWanted()) AccountingStop();
}

void TEndpointRegisterInfo::FillAccountingAttributes(RADIUS::TPacket* APacket) {
  APacket->Append(
      new RADIUS::TAddressAttribute(RADIUS::atNASIPAddress, FConfiguration->LocalAddress().sin_addr.s_addr));
  if (!FConfiguration->Identifier().empty())
    APacket->Append(new RADIUS::TStringAttribute(RADIUS::atNASIdentifier, FConfiguration->Identifier()));
  APacket->Append(new RADIUS::TStringAttribute(RADIUS::atUserName, FUser->RadiusName().ValueIn(&FVariables)));
  APacket->Append(new RADIUS::TIntegerAttribute(RADIUS::atServiceType, 1));
  const bool radiusAuthenticated =
      FConfiguration->AAA().HasAuthenticationServer() && (FUser->RadiusAuthenticationLevel() & TUser::rlCaller) != 0;
  APacket->Append(new RADIUS::TIntegerAttribute(RADIUS::atAcctAuthentic, radiusAuthenticated ? 1 : 2));
  orvo::string session;
  session.format("%X", unsigned(FIdentity));
  APacket->Append(new RADIUS::TStringAttribute(RADIUS::atAcctSessionId, session));
}

void TEndpointRegisterInfo::AccountingStart() {
  std::unique_ptr<RADIUS::TPacket> packet(
      FOwner->AccountingRADIUS.CreatePacket(RADIUS::pcAccountingRequest, &AnswerSink, &TAccountingAnswer::OnAnswer));
  FillAccountingAttributes(packet.get());
  packet->Append(new RADIUS::TIntegerAttribute(RADIUS::atAcctStatusType, 1));
  FOwner->AccountingRADIUS.Send(packet.release());
}

void TEndpointRegisterInfo::AccountingStop() {
  std::unique_ptr<RADIUS::TPacket> packet(
      FOwner->AccountingRADIUS.CreatePacket(RADIUS::pcAccountingRequest, &AnswerSink, &TAccountingAnswer::OnAnswer));
  FillAccountingAttributes(packet.get());
  packet->Append(new RADIUS::TIntegerAttribute(RADIUS::atAcctStatusType, 2));
  int64_t elapsed = 0;
  if (FStartTime && FStopTime) elapsed = (*FStopTime - *FStartTime).milliseconds() / 1000;
  packet->Append(new RADIUS::TIntegerAttribute(RADIUS::atAcctSessionTime, uint32_t(elapsed < 0 ? 0 : elapsed)));
  FOwner->AccountingRADIUS.Send(packet.release());
}

void TEndpointRegisterInfo::OnAccountingAnswer(int AResult, RADIUS::TPacket* AAnswer) {
  switch (AResult) {
    case 0:
      if (!AAnswer || AAnswer->Code() != RADIUS::pcAccountingResponse)
        LogLine(orvo::stateError, "Invalid answer from RADIUS server accounting side.");
      break;
    case 1:
      LogLine(orvo::stateError, "No answer from RADIUS server accounting side.");
      break;
    case 2:
      LogLine(orvo::stateError, "Shared secret mismatch with RADIUS server accounting side.");
      break;
    default:
      ORVO_ASSERT(false);  // the connection gives no other result
  }
}
