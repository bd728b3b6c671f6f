// The call resolver's RADIUS authorisation of a call side: the
// Access-Request with the call's attributes, and what its answer does.
#include <gatekeeper/CallResolver.h>

#include <arpa/inet.h>

#include <cstring>
#include <memory>

#include <orvo/assertion.h>
#include <orvo/dateTime.h>

#include <config/Configuration.h>
#include <config/User.h>
#include <radius/AddressAttribute.h>
#include <radius/Dictionary.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/UserPassword.h>
#include <radius/VendorSpecificAttribute.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTexts.h>

namespace {

enum : uint8_t {
  cvRemoteAddress = 23,
  cvConfId = 24,
  cvSetupTime = 25,
  cvCallOrigin = 26,
  cvCallType = 27,
  cvCreditTime = 102
};
const int ServiceTypeCallCheck = 10;
// Marks a request handed to the connection whose identifier is not known yet.
const int IdentifierPending = 256;

orvo::string ConferenceText(const asn::octetStringBase& AConference) {
  const unsigned char* o = AConference.data();
  uint32_t words[4] = {0, 0, 0, 0};
  for (unsigned i = 0; i < 16 && i < AConference.length(); ++i) words[i / 4] = (words[i / 4] << 8) | o[i];
  orvo::string text;
  text.format("%08X %08X %08X %08X", unsigned(words[0]), unsigned(words[1]), unsigned(words[2]), unsigned(words[3]));
  return text;
}

// The wall clock in the library's own pattern language, where %s is the
// millisecond. A GMT offset means the server wants universal time, taken
// from the clock reading itself: the local time less an offset worked out
// from its fields is an hour off next to each daylight-saving change.
orvo::string SetupTime(const TAAA& AAAA) {
  const orvo::dateTime now = AAAA.TimeZoneOffsetIsGMT() ? orvo::dateTime::universalNow() : orvo::dateTime::now();
  return now.format(AAAA.RadiusTimeFormat().buffer());
}

// Session-Timeout, or "h323-credit-time=" with decimal digits only; -1 for
// neither.
int CreditOf(const RADIUS::TAttribute& AAttribute) {
  if (AAttribute.Type() == RADIUS::atSessionTimeout) {
    if (const auto* value = dynamic_cast<const RADIUS::TIntegerAttribute*>(&AAttribute))
      return int(std::min<uint32_t>(value->Value(), 0x7FFFFFFF));
    return -1;
  }
  const auto* vendor = dynamic_cast<const RADIUS::TVendorSpecificAttribute*>(&AAttribute);
  if (!vendor || vendor->VendorId() != RADIUS::CiscoVendorId || vendor->VendorType() != cvCreditTime) return -1;
  static const char prefix[] = "h323-credit-time=";
  const orvo::string& data = vendor->Data();
  const unsigned start = sizeof prefix - 1;
  if (data.length() <= start || strncmp(data.buffer(), prefix, start) != 0) return -1;
  int64_t seconds = 0;
  for (unsigned i = start; i < data.length(); ++i) {
    const char c = data.buffer()[i];
    if (c < '0' || c > '9') return -1;
    seconds = std::min<int64_t>(seconds * 10 + (c - '0'), 0x7FFFFFFF);
  }
  return int(seconds);
}

}  // namespace

void TCallResolver::BuildRadiusAttributes(int ASide) {
  TEndpointRegisterInfo* registration = E[ASide].Registration();
  TUser* user = registration ? registration->User() : nullptr;
  const TConfiguration* configuration = Owner->Configuration();
  if (!user || !configuration) return;
  TVariables* scope = E[ASide].LookupScope();
  std::unique_ptr<RADIUS::TPacket> packet(
      Owner->AuthenticationRADIUS.CreatePacket(RADIUS::pcAccessRequest, this, &TCallResolver::OnRadiusAnswer));
  packet->Append(new RADIUS::TAddressAttribute(RADIUS::atNASIPAddress, configuration->LocalAddress().sin_addr.s_addr));
  if (!configuration->Identifier().empty())
    packet->Append(new RADIUS::TStringAttribute(RADIUS::atNASIdentifier, configuration->Identifier()));
  packet->Append(new RADIUS::TStringAttribute(RADIUS::atUserName, user->RadiusName().ValueIn(scope)));
  if (ASide == SenderSide && TokenChallenge.length() != 0) {
    packet->Append(new RADIUS::TStringAttribute(
        RADIUS::atCHAPChallenge, orvo::string(reinterpret_cast<const char*>(&TokenTimeStamp), sizeof TokenTimeStamp)));
    orvo::string chap(reinterpret_cast<const char*>(&TokenRandom), 1);
    chap.append(TokenChallenge);
    packet->Append(new RADIUS::TStringAttribute(RADIUS::atCHAPPassword, chap));
  } else {
    const orvo::string password = user->RadiusPassword().ValueIn(scope);
    if (password.length() != 0 || TokenChallenge.length() != 0)
      if (RADIUS::TStringAttribute* hidden = RADIUS::NewUserPasswordAttribute(*packet, password))
        packet->Append(hidden);
  }
  packet->Append(new RADIUS::TIntegerAttribute(RADIUS::atServiceType, ServiceTypeCallCheck));
  for (const orvo::string& text : T[0]) packet->Append(new RADIUS::TStringAttribute(RADIUS::atCallingStationId, text));
  for (const orvo::string& text : T[1]) packet->Append(new RADIUS::TStringAttribute(RADIUS::atCalledStationId, text));
  packet->Append(new RADIUS::TCiscoAttribute(
      cvCallOrigin, orvo::string("h323-call-origin=") + (ASide == 0 ? "answer" : "originate")));
  packet->Append(new RADIUS::TCiscoAttribute(cvCallType, "h323-call-type=VoIP"));
  packet->Append(new RADIUS::TCiscoAttribute(cvConfId, "h323-conf-id=" + ConferenceText(Call.ConferenceID)));
  char address[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &registration->CallSignalAddress.sin_addr, address, sizeof address);
  packet->Append(new RADIUS::TCiscoAttribute(cvRemoteAddress, orvo::string("h323-remote-address=") + address));
  packet->Append(new RADIUS::TCiscoAttribute(cvSetupTime, "h323-setup-time=" + SetupTime(configuration->AAA())));
  RADIUS::TPacket* sent = packet.release();
  RadiusRequest[ASide] = IdentifierPending;
  Owner->AuthenticationRADIUS.Send(sent);
  if (RadiusRequest[ASide] == IdentifierPending) RadiusRequest[ASide] = sent->Identifier();
}

void TCallResolver::RadiusFallback() {
  if (!FCompetitors.empty()) {
    ReplaceTopStep(&TCallResolver::RejectOrNext);
    Run();
    return;
  }
  if (!HuntingGoesOn) Reject(rrSecurityDenial, RejectText(rtRADIUSFailure));
  Finish();
}

void TCallResolver::OnRadiusAnswer(int AResult, RADIUS::TPacket* AAnswer) {
  switch (AResult) {
    case 0: {
      int side = -1;
      for (int s : {0, 1})
        if (AAnswer && RadiusRequest[s] == int(AAnswer->Identifier()) && !RadiusDone[s]) side = s;
      if (side >= 0 && AAnswer->Code() == RADIUS::pcAccessAccept) {
        RadiusDone[side] = true;
        for (const RADIUS::TAttribute* attribute : AAnswer->Attributes()) {
          const int credit = CreditOf(*attribute);
          if (credit < 0) continue;
          CreditTime[side] = credit;
          break;
        }
        for (int s : {0, 1})
          if (RadiusRequest[s] != -1 && !RadiusDone[s]) return;
        Run();
        return;
      }
      if (side >= 0 && AAnswer->Code() == RADIUS::pcAccessReject) {
        if (SenderSide == 0 && side == 1 && !FCompetitors.empty()) {
          ReplaceTopStep(&TCallResolver::RejectOrNext);
          Run();
          return;
        }
        if (!HuntingGoesOn) Reject(rrSecurityDenial, RejectText(rtRejectedByRADIUS));
        Finish();
        return;
      }
      LogLine(orvo::stateError, "Odd answer from RADIUS server authentication side.");
      RadiusFallback();
      return;
    }
    case 1:
      LogLine(orvo::stateError, "No answer from RADIUS server authentication side.");
      RadiusFallback();
      return;
    case 2:
      LogLine(orvo::stateError, "Shared secret mismatch with RADIUS server authentication side.");
      RadiusFallback();
      return;
    default:
      ORVO_ASSERT(!"AdmissionResolver.cpp: unexpected RADIUS result");
  }
}
