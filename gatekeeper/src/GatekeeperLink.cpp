#include <gatekeeper/GatekeeperLink.h>

#include <arpa/inet.h>
#include <netinet/ip.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#include <orvo/exception.h>
#include <orvo/socketAddress.h>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <config/Configuration.h>
#include <config/Log.h>
#include <config/LinkedUser.h>
#include <h323/alias.h>
#include <h323/protocolIdentifiers.h>
#include <h323/rasMessage.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RasFields.h>
#include <gatekeeper/RasSequenceNumber.h>

namespace {

const unsigned ReceiveBufferSize = 8192;
const int64_t RetryAfterFailure = 300000;
const int64_t UnregistrationRetryInterval = 2000;

const char* const RejectReasonTexts[] = {
    "Discovery required",
    "Invalid revision",
    "Invalid call signal address",
    "Invalid RAS address",
    "Duplicate alias",
    "Invalid terminal type",
    "Undefined reason",
    "Transport not supported",
    "Transport QoS not supported",
    "Resource unavailable",
    "Invalid alias",
    "Security denial",
    "Full registration required",
    "Additive registration not supported",
    "Invalid terminal aliases",
    "Generic data reason",
    "Needed feature not supported",
};

orvo::string ErrorWords(int AError) {
  orvo::string text;
  text.format("%d %s", AError, strerror(AError));
  return text;
}

bool IsNull(const sockaddr_in& AAddress) { return AAddress.sin_addr.s_addr == 0 && AAddress.sin_port == 0; }

bool SameAddress(const sockaddr_in& A, const sockaddr_in& B) {
  return A.sin_addr.s_addr == B.sin_addr.s_addr && A.sin_port == B.sin_port;
}

}  // namespace

const char* RegistrationRejectText(int AReason) {
  const int count = int(sizeof RejectReasonTexts / sizeof RejectReasonTexts[0]);
  return AReason >= 0 && AReason < count ? RejectReasonTexts[AReason] : "Unknown reason";
}

TLinkAlternative::TLinkAlternative(const H225::alternateGK& AAnnounced) {
  H323::transportToSockaddr(AAnnounced.rasAddress, RasAddress);
  if (AAnnounced.gatekeeperIdentifier) Identifier = AAnnounced.gatekeeperIdentifier->toString();
  NeedToRegister = AAnnounced.needToRegister.value();
  Priority = AAnnounced.priority.value();
}

void TLinkAlternatives::Assign(const TAnnounced& AAnnounced) {
  FEntries.clear();
  Cursor = 0;
  for (const asn::object* element : AAnnounced.elements()) {
    TLinkAlternative entry(*static_cast<const H225::alternateGK*>(element));
    auto at = FEntries.begin();
    while (at != FEntries.end() && at->Priority <= entry.Priority) ++at;
    FEntries.insert(at, entry);
  }
}

const TLinkAlternative* TLinkAlternatives::First() {
  Cursor = 0;
  return Current();
}

const TLinkAlternative* TLinkAlternatives::Next() {
  if (Cursor < FEntries.size()) ++Cursor;
  return Current();
}

TGatekeeperLink::TGatekeeperLink(TGatekeeper* AOwner, TLinkedUser* AUser)
    : TProcessor(&TGatekeeperLink::Start), User(AUser), FOwner(AOwner) {
  FConfiguration = AOwner ? AOwner->Configuration() : nullptr;
  if (FConfiguration) FConfiguration->AddReference();
}

TGatekeeperLink::~TGatekeeperLink() {
  FTimer.reset();
  // Whoever still waits is being destroyed with the core.
  std::vector<TQueuedRASMessage*> queue;
  queue.swap(FQueue);
  for (TQueuedRASMessage* entry : queue) delete entry;
  FWatcher.reset();
  FSocket.close();
  if (FOwner && FOwner->State() != TGatekeeper::gksStopped) FOwner->BroadcastEvent(evLinkDestroyed, this);
  TConfiguration::Release(FConfiguration);
}

void TGatekeeperLink::Attach() {
  if (FOwner) FOwner->Links().Attach(this);
}

void TGatekeeperLink::Detach() {
  if (FOwner) FOwner->Links().Detach(this);
}

bool TGatekeeperLink::LogRegistrations() const { return FConfiguration && FConfiguration->Log().Registrations(); }

TProcessor::TPerformFunctionResult TGatekeeperLink::Start() {
  const orvo::string& name = User->Identifier();
  if (IsNull(User->RasAddress())) {
    if (User->GatekeeperIdentifier().length() == 0)
      LogLine(orvo::stateError, "Remote gatekeeper (" + name +
                                    ") link error. No address or identifier given either. At least one shall present.");
    else
      LogLine(orvo::stateError,
              "Remote gatekeeper (" + name + ") link error. Disovery by identifier not supported in current version.");
    return nullptr;
  }
  FRemoteRasAddress = User->RasAddress();
  FRemoteIdentifier = User->GatekeeperIdentifier();

  FSocket = orvo::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (FSocket.fd < 0) {
    LogLine(orvo::stateError, "Remote gatekeeper link, RAS socket creation failed.");
    return nullptr;
  }
  sockaddr_in local = FConfiguration ? FConfiguration->LocalAddress() : sockaddr_in{};
  local.sin_family = AF_INET;
  if (bind(FSocket.fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    FSocket.lastError = errno;
    LogLine(orvo::stateError, "Remote gatekeeper link, bind to RAS port failed. ");
    LogLine(orvo::stateError, ErrorWords(FSocket.lastError));
    FSocket.close();
    return nullptr;
  }
  socklen_t length = sizeof FLocalRasAddress;
  getsockname(FSocket.fd, reinterpret_cast<sockaddr*>(&FLocalRasAddress), &length);
  const int tos = 0x30;
  if (setsockopt(FSocket.fd, IPPROTO_IP, IP_TOS, &tos, sizeof tos) != 0) FSocket.lastError = errno;
  FWatcher.reset(
      new orvo::sockEvent(orvo::sockEvent::READ, FSocket.fd, this, &TGatekeeperLink::OnRasInput, false, nullptr));

  MakeAuthentication();
  if (User->RegisteredAliases().count() == 0)
    LinkState = lsRegistered;  // usable for requests without registering
  else
    Register();
  return &TGatekeeperLink::Wait;
}

TProcessor::TPerformFunctionResult TGatekeeperLink::Wait() { return &TGatekeeperLink::Wait; }

TProcessor::TPerformFunctionResult TGatekeeperLink::GoOn() { return nullptr; }

void TGatekeeperLink::MakeAuthentication() {
  FAuthentication.reset();
  if (!User->LinkH235Authentication()) return;
  FAuthentication.reset(new H323::simpleUserEnvironment(User->LinkH235Name().ValueIn(&User->Variables()),
                                                        FRemoteIdentifier,
                                                        User->LinkH235Password().ValueIn(&User->Variables()), 0));
}

unsigned TGatekeeperLink::NextSequenceNumber() {
  const unsigned number = FSequenceCounter;
  FSequenceCounter = FSequenceCounter >= 65535 ? 1 : FSequenceCounter + 1;
  return number;
}

bool TGatekeeperLink::SendRequest(H225::rasMessage* AMessage, TCallback ACallback) {
  if (!TQueuedRASMessage::ScheduleOf(AMessage->index())) {
    LogLine(orvo::stateError, "Remote gatekeeper link: a message of this kind is not sent as a request.");
    delete AMessage;
    return false;
  }
  auto* entry = new TQueuedRASMessage(this, AMessage, ACallback);
  if (FAuthentication) FAuthentication->signRasMessage(*AMessage);
  entry->Send();
  return true;
}

void TGatekeeperLink::CancelRequests(const void* ARequester) {
  if (!ARequester) return;
  for (TQueuedRASMessage* entry : FQueue)
    if (entry->Requester() == ARequester) entry->Cancel();
}

void TGatekeeperLink::CancelRequest(const H225::rasMessage* AMessage) {
  for (TQueuedRASMessage* entry : FQueue)
    if (entry->Message() == AMessage) entry->Cancel();
}

void TGatekeeperLink::Dequeue(TQueuedRASMessage* AEntry) {
  for (auto at = FQueue.begin(); at != FQueue.end(); ++at)
    if (*at == AEntry) {
      FQueue.erase(at);
      return;
    }
}

void TGatekeeperLink::Transmit(const H225::rasMessage& AMessage, const std::vector<unsigned char>& AOctets) {
  if (FConfiguration &&
      TLog::IsLogged(FConfiguration->Log().RasRules(), TLog::ldSent, nullptr, nullptr, FRemoteRasAddress))
    TraceRasMessage("RAS, send message to ", FRemoteRasAddress, AMessage);
  const ssize_t sent = sendto(FSocket.fd, AOctets.data(), AOctets.size(), 0,
                              reinterpret_cast<const sockaddr*>(&FRemoteRasAddress), sizeof FRemoteRasAddress);
  FSocket.lastError = sent < 0 ? errno : 0;
}

void TGatekeeperLink::SendMessage(H225::rasMessage& AMessage) {
  if (FAuthentication) FAuthentication->signRasMessage(AMessage);
  std::vector<unsigned char> octets;
  try {
    asn::per::codec codec;
    AMessage.encode(codec);
    octets.assign(codec.stream().data(), codec.stream().data() + codec.stream().octetLength());
  } catch (orvo::exception* e) {
    orvo::exceptionPtr owned(e);
    LogLine(orvo::stateError, "RAS message not sent, it does not encode: " + *e->message());
    return;
  }
  Transmit(AMessage, octets);
}

void TGatekeeperLink::Answer(H225::rasMessage& AAnswer) { SendMessage(AAnswer); }

void TGatekeeperLink::CreateTokens(H323::clearTokenList*& AClear, H323::cryptoTokenList*& ACrypto) {
  if (FAuthentication) {
    FAuthentication->createTokens(AClear, ACrypto);
    return;
  }
  delete AClear;
  delete ACrypto;
  AClear = nullptr;
  ACrypto = nullptr;
}

bool TGatekeeperLink::OnEvent(int ACode, void* ASender, uint32_t, uint32_t) {
  if (ACode != evConnectionDestroyed || FConnections.empty()) return false;
  for (auto at = FConnections.begin(); at != FConnections.end(); ++at)
    if (*at == ASender) {
      FConnections.erase(at);
      break;
    }
  Run();
  return false;
}

void TGatekeeperLink::Register() {
  if (FRegistered || User->RegisteredAliases().count() == 0) return;
  LinkState = lsRegistering;
  SendRegistration();
}

void TGatekeeperLink::SendRegistration() {
  auto* message = new H225::rasMessage;
  auto* rrq = static_cast<H225::registrationRequest*>(message->select(3));
  rrq->requestSeqNum = NextSequenceNumber();
  rrq->protocolIdentifier = H323::h225ProtocolIdentifier;
  rrq->discoveryComplete = false;
  H323::sockaddrToTransport(FOwner->BoundCallSignalAddress(), *rrq->callSignalAddress.appendNew());
  H323::sockaddrToTransport(FLocalRasAddress, *rrq->rasAddress.appendNew());
  rrq->terminalType.gatekeeper = new H225::gatekeeperInfo;
  rrq->terminalType.gateway = new H225::gatewayInfo;
  rrq->terminalType.mc = false;
  rrq->terminalType.undefinedNode = false;
  if (User->RegisteredAliases().count() != 0) {
    rrq->terminalAlias = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
    for (const orvo::string& alias : User->RegisteredAliases())
      H323::makeAliasAddress(*rrq->terminalAlias->appendNew(), alias);
  }
  SetOptionalIdentifier(rrq->gatekeeperIdentifier, FRemoteIdentifier);
  rrq->endpointVendor.vendor.t35CountryCode = 181;
  rrq->endpointVendor.vendor.t35Extension = 0;
  rrq->endpointVendor.vendor.manufacturerCode = 0;
  rrq->endpointVendor.productId = new asn::octetString<1u, 256u, 1>;
  rrq->endpointVendor.productId->setValue("OrvoGatekeeper", 14);
  const orvo::string& version = FOwner->VersionText;
  if (version.length() != 0) {
    rrq->endpointVendor.versionId = new asn::octetString<1u, 256u, 1>;
    rrq->endpointVendor.versionId->setValue(version.buffer(), version.length());
  }
  rrq->keepAlive = new asn::booltype(false);
  rrq->willSupplyUUIEs = new asn::booltype(false);
  rrq->maintainConnection = new asn::booltype(false);
  if (User->LinkAlternateGatekeeper()) rrq->supportsAltGK = new asn::null;
  SendRequest(message, this, &TGatekeeperLink::OnRegistrationResult);
}

void TGatekeeperLink::SendUnregistrationRequest() {
  auto* message = new H225::rasMessage;
  auto* urq = static_cast<H225::unregistrationRequest*>(message->select(6));
  urq->requestSeqNum = NextSequenceNumber();
  H323::sockaddrToTransport(FOwner->BoundCallSignalAddress(), *urq->callSignalAddress.appendNew());
  if (HasEndpointIdentifier()) urq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>(FEndpointIdentifier);
  SendRequest(message, this, &TGatekeeperLink::OnRegistrationResult);
}

void TGatekeeperLink::SetRegistered(bool ARegistered) {
  if (ARegistered == FRegistered) return;
  FRegistered = ARegistered;
  LinkState = ARegistered ? lsRegistered : lsNotRegistered;
  if (FOwner) FOwner->BroadcastEvent(evLinkStateChanged, this);
}

void TGatekeeperLink::ArmTimer(int64_t AMilliseconds) {
  if (!FTimer) FTimer.reset(new TTimer(this, &TGatekeeperLink::OnTimer));
  FTimer->Timeout = AMilliseconds;
  FTimer->Restart();
}

void TGatekeeperLink::OnTimer(TTimer*) {
  switch (LinkState) {
    case lsRegistering:
    case lsRegistered:
    case lsNotRegistered:
      SendRegistration();
      break;
    case lsUnregistering:
      SendUnregistrationRequest();
      break;
    default:
      break;
  }
}

void TGatekeeperLink::TakeAlternates(const TLinkAlternatives::TAnnounced* AAnnounced) {
  if (!User->LinkAlternateGatekeeper() || !AAnnounced) return;
  if (AAnnounced->count() == 0) {
    FAlternates.reset();
  } else if (FAlternates) {
    FAlternates->Assign(*AAnnounced);
  } else {
    FAlternates.reset(new TLinkAlternatives(*AAnnounced));
  }
}

void TGatekeeperLink::OnRegistrationResult(TGatekeeperLink*, int AResult, H225::rasMessage* ARequest,
                                           H225::rasMessage* AAnswer) {
  const orvo::string& name = User->Identifier();
  if (AResult != TQueuedRASMessage::qrAnswered || !AAnswer) {
    SetRegistered(false);
    LinkState = lsNotRegistered;
    if (ARequest->index() == 3) {
      if (NextTarget())
        SendRegistration();
      else
        ArmTimer(RetryAfterFailure);
    } else {
      Run();
    }
    return;
  }
  switch (AAnswer->index()) {
    case 4: {
      const auto& rcf = *static_cast<const H225::registrationConfirm*>(AAnswer->alternative());
      if (!FRegistered && LogRegistrations()) std::cout << "Registered at:\t" << name << std::endl;
      FEndpointIdentifier = rcf.endpointIdentifier;
      SetRegistered(true);
      const int64_t ttl = rcf.timeToLive ? int64_t(rcf.timeToLive->value()) : int64_t(User->RegistrationPeriod());
      if (ttl != -1)
        ArmTimer(ttl < 10 ? 1000 : (ttl - 9) * 1000);
      else
        FTimer.reset();
      TakeAlternates(rcf.alternateGatekeeper);
      break;
    }
    case 5: {
      const auto& rrj = *static_cast<const H225::registrationReject*>(AAnswer->alternative());
      if (LogRegistrations())
        std::cout << "Registration at " << name
                  << " denied. Reason: " << RegistrationRejectText(rrj.rejectReason.index()) << "." << std::endl;
      SetRegistered(false);
      LinkState = lsNotRegistered;
      ArmTimer(RetryAfterFailure);
      break;
    }
    case 8:
      if (--FUnregistrationRetries > 0) {
        ArmTimer(UnregistrationRetryInterval);
        break;
      }
      // The last reject ends the stop as a confirm would.
      [[fallthrough]];
    case 7:
      if (FRegistered && LogRegistrations()) std::cout << "Unregistered at:\t" << name << std::endl;
      SetRegistered(false);
      Run();
      break;
    default:
      break;
  }
}

bool TGatekeeperLink::NextTarget() {
  const TLinkAlternative* next = FAlternates ? FAlternates->Current() : nullptr;
  if (!next) {
    FAlternates.reset();
    if (SameAddress(User->RasAddress(), FRemoteRasAddress) && User->GatekeeperIdentifier() == FRemoteIdentifier)
      return false;
    FRemoteRasAddress = User->RasAddress();
    FRemoteIdentifier = User->GatekeeperIdentifier();
  } else {
    FRemoteRasAddress = next->RasAddress;
    FRemoteIdentifier = next->Identifier;
    if (!FAlternates->Next()) FAlternates.reset();  // the next change goes back to the configured one
  }
  if (User->LinkH235Authentication()) MakeAuthentication();
  return true;
}

bool TGatekeeperLink::KnownSource(const sockaddr_in& AFrom) const {
  const in_addr_t host = AFrom.sin_addr.s_addr;
  if (host == FRemoteRasAddress.sin_addr.s_addr || host == User->RasAddress().sin_addr.s_addr) return true;
  if (FAlternates)
    for (const TLinkAlternative& alternate : FAlternates->Entries())
      if (host == alternate.RasAddress.sin_addr.s_addr) return true;
  return false;
}

void TGatekeeperLink::OnRasInput(orvo::sockEvent*) {
  std::vector<unsigned char> buffer(ReceiveBufferSize);
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  const ssize_t length =
      recvfrom(FSocket.fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (length < 0) {
    const int error = errno;
    if (error != ECONNRESET && error != ECONNREFUSED && error != EAGAIN && error != EWOULDBLOCK && error != EINTR)
      LogLine(orvo::stateError, "RAS socket read error: " + ErrorWords(error));
    return;
  }
  // Only the neighbour speaks on this socket: anyone else could end or
  // redirect the registration, or fill the log with what it sends.
  if (!KnownSource(from)) return;
  H225::rasMessage message;
  try {
    asn::per::codec codec(buffer.data(), unsigned(length));
    message.decode(codec);
  } catch (...) {
    LogCaughtException();
    return;
  }
  if (FConfiguration && TLog::IsLogged(FConfiguration->Log().RasRules(), TLog::ldReceived, nullptr, nullptr, from))
    TraceRasMessage("RAS, got message from ", from, message);
  if (FAuthentication && !FAuthentication->checkRasTokens(message)) return;

  if (!H323::isRasRequest(message)) {
    const unsigned number = GetRasSequenceNumber(message);
    for (TQueuedRASMessage* entry : FQueue) {
      if (entry->RequestSeqNum() != number) continue;
      // Only an answer of the request's own kind ends it; an unknown
      // message response from the neighbour ends it as unanswered.
      if (message.index() == 24 || TQueuedRASMessage::Answers(entry->Message()->index(), message.index()))
        entry->Complete(TQueuedRASMessage::qrAnswered, &message);
      return;
    }
  }
  HandleRequest(message);
}

void TGatekeeperLink::HandleRequest(H225::rasMessage& AMessage) {
  const orvo::string& name = User->Identifier();
  H225::rasMessage answer;
  switch (AMessage.index()) {
    case 15: {
      const auto& drq = *static_cast<const H225::disengageRequest*>(AMessage.alternative());
      if (!HasEndpointIdentifier() || !(drq.endpointIdentifier.storage() == FEndpointIdentifier.storage())) {
        auto* drj = static_cast<H225::disengageReject*>(answer.select(17));
        drj->requestSeqNum = drq.requestSeqNum.value();
        drj->rejectReason.select(0);  // notRegistered
        Answer(answer);
        return;
      }
      static_cast<H225::disengageConfirm*>(answer.select(16))->requestSeqNum = drq.requestSeqNum.value();
      Answer(answer);
      if (TConnection* connection = FOwner->FindConnectionByCalleeUser(drq.conferenceID, drq.callIdentifier, User)) {
        if (!connection->Reterminate()) connection->Disengage();
      }
      return;
    }
    case 6: {
      const auto& urq = *static_cast<const H225::unregistrationRequest*>(AMessage.alternative());
      const bool stopping = LinkState == lsUnregistering;
      if (FRegistered && LogRegistrations()) std::cout << "Unregistered at:\t" << name << " (by remote)" << std::endl;
      SetRegistered(false);
      CancelRequests(this);
      static_cast<H225::unregistrationConfirm*>(answer.select(7))->requestSeqNum = urq.requestSeqNum.value();
      Answer(answer);
      if (stopping) {
        // The stop under way had its own request cancelled: it goes on now
        // instead of registering again.
        Run();
        return;
      }
      TakeAlternates(urq.alternateGatekeeper);
      if (NextTarget())
        SendRegistration();
      else
        ArmTimer(RetryAfterFailure);
      return;
    }
    case 21: {
      const auto& irq = *static_cast<const H225::infoRequest*>(AMessage.alternative());
      auto* irr = static_cast<H225::infoRequestResponse*>(answer.select(22));
      irr->requestSeqNum = irq.requestSeqNum.value();
      irr->endpointType.gatekeeper = new H225::gatekeeperInfo;
      irr->endpointIdentifier = FEndpointIdentifier;
      H323::sockaddrToTransport(FLocalRasAddress, irr->rasAddress);
      H323::sockaddrToTransport(FOwner->BoundCallSignalAddress(), *irr->callSignalAddress.appendNew());
      if (User->RegisteredAliases().count() != 0) {
        irr->endpointAlias = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
        for (const orvo::string& alias : User->RegisteredAliases())
          H323::makeAliasAddress(*irr->endpointAlias->appendNew(), alias);
      }
      Answer(answer);
      return;
    }
    case 24:
      return;
    default:
      static_cast<H225::unknownMessageResponse*>(answer.select(24))->requestSeqNum = GetRasSequenceNumber(AMessage);
      Answer(answer);
      return;
  }
}

void TGatekeeperLink::Stop() {
  FStopping = true;
  FTimer.reset();
  CancelRequests(this);
  DropSteps();
  Push(&TGatekeeperLink::Unregister);
  Run();
}

void TGatekeeperLink::UpdateUser(TConfiguration* AConfiguration, TLinkedUser* AUser) {
  TLinkedUser* old = User;
  bool changed = old->GatekeeperIdentifier() != AUser->GatekeeperIdentifier() ||
                 !SameAddress(old->RasAddress(), AUser->RasAddress()) ||
                 old->LinkH235Authentication() != AUser->LinkH235Authentication();
  if (!changed) {
    const TStringList& before = old->RegisteredAliases();
    const TStringList& after = AUser->RegisteredAliases();
    changed = before.count() != after.count();
    for (auto a = before.begin(), b = after.begin(); !changed && a != before.end(); ++a, ++b) changed = *a != *b;
  }
  if (!changed && AUser->LinkH235Authentication())
    changed =
        old->LinkH235Name().ValueIn(&old->Variables()) != AUser->LinkH235Name().ValueIn(&AUser->Variables()) ||
        old->LinkH235Password().ValueIn(&old->Variables()) != AUser->LinkH235Password().ValueIn(&AUser->Variables());
  if (AConfiguration) AConfiguration->AddReference();
  TConfiguration::Release(FConfiguration);
  FConfiguration = AConfiguration;
  User = AUser;
  if (!changed) return;
  Restart();
}

void TGatekeeperLink::Restart() {
  FStopping = false;
  FTimer.reset();
  CancelRequests(this);
  DropSteps();
  Push(&TGatekeeperLink::Start);
  Push(&TGatekeeperLink::Unregister);
  Run();
}

TProcessor::TPerformFunctionResult TGatekeeperLink::Unregister() {
  Push(&TGatekeeperLink::Cleanup);
  Push(&TGatekeeperLink::SendUnregistration);
  return DisengageCalls();
}

TProcessor::TPerformFunctionResult TGatekeeperLink::DisengageCalls() {
  FConnections.clear();
  if (FOwner)
    FOwner->Connections().ForEach([&](TConnection* AConnection) {
      for (int side = 0; side < 2; ++side) {
        const TEndpointRegisterInfo* registration = AConnection->SideRegistration(side);
        if (registration && registration->User() == static_cast<TUser*>(User)) {
          FConnections.push_back(AConnection);
          break;
        }
      }
      return false;
    });
  // Copied: a disengage may end a call at once, which leaves the list.
  const std::vector<TConnection*> calls = FConnections;
  for (TConnection* connection : calls)
    if (FOwner->Connections().Contains(connection)) connection->Disengage();
  return FConnections.empty() ? nullptr : &TGatekeeperLink::WaitCalls;
}

TProcessor::TPerformFunctionResult TGatekeeperLink::WaitCalls() {
  return FConnections.empty() ? nullptr : &TGatekeeperLink::WaitCalls;
}

TProcessor::TPerformFunctionResult TGatekeeperLink::SendUnregistration() {
  if (!FRegistered) return nullptr;
  LinkState = lsUnregistering;
  FUnregistrationRetries = 4;
  SendUnregistrationRequest();
  return &TGatekeeperLink::GoOn;
}

TProcessor::TPerformFunctionResult TGatekeeperLink::Cleanup() {
  FWatcher.reset();
  FSocket.close();
  FAuthentication.reset();
  FTimer.reset();
  CancelRequests(this);
  // Every requester ends: the link's own entries silently, the others'
  // with no answer.
  std::vector<TQueuedRASMessage*> queue = FQueue;
  for (TQueuedRASMessage* entry : queue)
    if (std::find(FQueue.begin(), FQueue.end(), entry) != FQueue.end())
      entry->Complete(TQueuedRASMessage::qrNoAnswer, nullptr);
  LinkState = lsIdle;
  return nullptr;
}
