// The registration resolver's RADIUS login and its refusals.
#include <gatekeeper/RegistrationResolver.h>

#include <arpa/inet.h>

#include <memory>

#include <config/AAA.h>
#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/h235Authenticator.h>
#include <h323/protocolIdentifiers.h>
#include <radius/AddressAttribute.h>
#include <radius/Dictionary.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/UserPassword.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>

namespace {

enum : int { rjSecurityDenial = 11 };

}  // namespace

bool TRegistrationResolver::RadiusLoginApplies() const {
  const TConfiguration* configuration = Owner->Configuration();
  const TUser* user = NewRegistration ? NewRegistration->User() : nullptr;
  return configuration && user && configuration->AAA().HasAuthenticationServer() &&
         (user->RadiusAuthenticationLevel() & TUser::rlLogin) != 0;
}

bool TRegistrationResolver::TakeH235Identity(bool ARadiusLogin) {
  const H225::registrationRequest& rrq = Rrq();
  TEndpointRegisterInfo& record = *NewRegistration;
  TUser& user = *record.User();
  if (ARadiusLogin && user.RadiusPassword().RefersTo("h235password")) {
    if (rrq.tokens)
      for (const asn::object* element : rrq.tokens->elements()) {
        const auto& token = *static_cast<const H235::clearToken*>(element);
        if (token.tokenOID != H323::ciscoAccessTokenAuthenticator::identifier() || !token.generalID ||
            !token.timeStamp || !token.random || !token.challenge)
          continue;
        record.Variables().Set("h235name", token.generalID->toString());
        ChapChallenge = htonl(token.timeStamp->value());
        ChapIdentifier = uint8_t(token.random->value());
        ChapResponse = token.challenge->value();
        break;
      }
    if (ChapResponse.empty()) {
      SendReject(rjSecurityDenial, RejectText(rtNoRADIUSPassword));
      return false;
    }
    return true;
  }
  orvo::string name;
  if (rrq.tokens)
    for (const asn::object* element : rrq.tokens->elements()) {
      const auto& token = *static_cast<const H235::clearToken*>(element);
      if (!token.generalID) continue;
      name = token.generalID->toString();
      break;
    }
  if (name.empty() && rrq.cryptoTokens)
    for (const asn::object* element : rrq.cryptoTokens->elements()) {
      const auto& token = *static_cast<const H225::cryptoH323Token*>(element);
      if (token.index() != 0) continue;
      const orvo::string text = H323::aliasToString(
          static_cast<const H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(token.alternative())->alias);
      if (text.empty()) continue;
      name = text;
      break;
    }
  if (!name.empty()) record.Variables().Set("h235name", name);
  const TConfiguration& configuration = *Owner->Configuration();
  const bool radiusAccounting =
      configuration.AAA().HasAccountingServer() && (user.RadiusAccountingLevel() & TUser::rlLogin) != 0;
  if ((ARadiusLogin || radiusAccounting) && user.RadiusName().RefersTo("h235name") &&
      !record.Variables().Find("h235name")) {
    SendReject(rjSecurityDenial, RejectText(rtNoRADIUSUserName));
    return false;
  }
  return true;
}

void TRegistrationResolver::SendRadiusRequest() {
  const TConfiguration& configuration = *Owner->Configuration();
  TEndpointRegisterInfo& record = *NewRegistration;
  TUser& user = *record.User();
  TRADIUSConnection& connection = Owner->AuthenticationRADIUS;
  std::unique_ptr<RADIUS::TPacket> packet(
      connection.CreatePacket(RADIUS::pcAccessRequest, this, &TRegistrationResolver::OnRadiusAnswer));
  packet->Append(new RADIUS::TAddressAttribute(RADIUS::atNASIPAddress, configuration.LocalAddress().sin_addr.s_addr));
  if (!configuration.Identifier().empty())
    packet->Append(new RADIUS::TStringAttribute(RADIUS::atNASIdentifier, configuration.Identifier()));
  packet->Append(new RADIUS::TStringAttribute(RADIUS::atUserName, user.RadiusName().ValueIn(&record.Variables())));
  if (ChapResponse.empty()) {
    const orvo::string password = user.RadiusPassword().ValueIn(&record.Variables());
    if (!password.empty())
      if (RADIUS::TStringAttribute* hidden = RADIUS::NewUserPasswordAttribute(*packet, password))
        packet->Append(hidden);
  } else {
    packet->Append(new RADIUS::TStringAttribute(RADIUS::atCHAPChallenge, orvo::string(&ChapChallenge, 4)));
    orvo::string chap(&ChapIdentifier, 1);
    chap.append(ChapResponse);
    packet->Append(new RADIUS::TStringAttribute(RADIUS::atCHAPPassword, chap));
  }
  packet->Append(new RADIUS::TIntegerAttribute(RADIUS::atServiceType, 1));
  connection.Send(packet.release());
}

void TRegistrationResolver::OnRadiusAnswer(int AResult, RADIUS::TPacket* AAnswer) {
  if (AResult == 0 && AAnswer && AAnswer->Code() == RADIUS::pcAccessAccept) {
    Run();
    return;
  }
  if (AResult == 0) {
    SendReject(rjSecurityDenial, RejectedByRADIUS);
  } else {
    LogLine(orvo::stateError, AResult == 1 ? "No answer from RADIUS server authentication side."
                                           : "Shared secret mismatch with RADIUS server authentication side.");
    SendReject(rjSecurityDenial, RejectText(rtRADIUSFailure));
  }
  Finish();
}

void TRegistrationResolver::SendReject(int AReason, const orvo::string& AText, const H225::aliasAddress* ADuplicate) {
  H225::rasMessage answer;
  auto* rrj = static_cast<H225::registrationReject*>(answer.select(5));
  rrj->requestSeqNum = Rrq().requestSeqNum.value();
  rrj->protocolIdentifier = H323::h225ProtocolIdentifier;
  asn::object* reason = rrj->rejectReason.select(AReason);
  if (ADuplicate)
    static_cast<asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>*>(reason)->append(new H225::aliasAddress(*ADuplicate));
  AttachRejectText(rrj->genericData, AText);
  if (FoundRegistration) FoundRegistration->CreateTokens(rrj->tokens, rrj->cryptoTokens);
  Owner->RASSend(ReplyAddress, answer);
}
