// The core's RAS sockets: opening, receiving and dispatching, sending.
#include <gatekeeper/Gatekeeper.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/ip.h>
#include <sys/socket.h>

#include <iostream>
#include <string>
#include <vector>

#include <orvo/exception.h>
#include <orvo/hexDump.h>
#include <orvo/socketAddress.h>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <config/Configuration.h>
#include <config/Log.h>
#include <h323/loop.h>

#include <gatekeeper/Events.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RasSequenceNumber.h>
#include <gatekeeper/UdpPortHolders.h>

namespace {

const unsigned ReceiveBufferSize = 8192;

orvo::string ErrorWords(int AError) {
  orvo::string text;
  text.format("%d %s", AError, strerror(AError));
  return text;
}

void SetOption(orvo::socket& ASocket, int ALevel, int AName, int AValue) {
  if (setsockopt(ASocket.fd, ALevel, AName, &AValue, sizeof AValue) != 0) ASocket.lastError = errno;
}

bool Bind(orvo::socket& ASocket, sockaddr_in AAddress) {
  if (bind(ASocket.fd, reinterpret_cast<const sockaddr*>(&AAddress), sizeof AAddress) == 0) return true;
  ASocket.lastError = errno;
  return false;
}

orvo::socket RasSocketWithReuse() {
  orvo::socket created(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
  if (created.fd >= 0) SetOption(created, SOL_SOCKET, SO_REUSEADDR, 1);
  return created;
}

// SO_REUSEADDR, which lets the core's two RAS sockets share the port, lets
// any other socket that asks for it share the same address too, and then
// only the newest receives: an address some other socket holds counts as
// taken, the bound socket giving way to a fresh one for the next attempt.
bool BindAlone(orvo::socket& ASocket, const sockaddr_in& AAddress, int AOtherOwnSocket) {
  if (!Bind(ASocket, AAddress)) return false;
  if (AAddress.sin_port == 0 || !UdpAddressHeldByOthers(AAddress, {ASocket.fd, AOtherOwnSocket})) return true;
  ASocket = RasSocketWithReuse();
  ASocket.lastError = EADDRINUSE;
  return false;
}

std::string RasPortNameOf(const sockaddr_in& AAddress) {
  char text[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &AAddress.sin_addr, text, sizeof text);
  return "orvogk RAS " + std::string(text) + ":" + std::to_string(ntohs(AAddress.sin_port));
}

// Two gatekeepers that start together would each find the other in the
// socket table after their binds and both give the port up. So the name of
// the address is taken first, and only its holder binds: the kernel lets
// exactly one process have it. Programs of other kinds do not ask for the
// name; the table still finds them. A name the other RAS socket of this
// process holds (both on the wildcard address) is this socket's as well.
bool BindClaimed(orvo::socket& ASocket, TExclusiveName& AName, const sockaddr_in& AAddress,
                 const TExclusiveName& AOtherName, int AOtherOwnSocket) {
  if (AAddress.sin_port != 0) {
    const std::string name = RasPortNameOf(AAddress);
    if (!AOtherName.Holds(name) && !AName.Take(name)) {
      ASocket.lastError = AName.LastError();
      return false;
    }
  }
  if (BindAlone(ASocket, AAddress, AOtherOwnSocket)) return true;
  AName.Release();
  return false;
}

orvo::string PortOf(const sockaddr_in& AAddress) {
  orvo::string text;
  text.format("%u", unsigned(ntohs(AAddress.sin_port)));
  return text;
}

}  // namespace

void TGatekeeper::OpenRASSockets() {
  const TConfiguration& configuration = *CurrentConfiguration;
  sockaddr_in address = configuration.LocalAddress();
  address.sin_family = AF_INET;
  address.sin_port = htons(uint16_t(configuration.RasPort()));

  RasSocket = RasSocketWithReuse();
  if (RasSocket.fd < 0) {
    LogLine(orvo::stateError, "RAS socket creation failed. Gatekeeper services unavailable.");
    return;
  }
  sockaddr_in bound = address;
  const bool taken = !BindClaimed(RasSocket, RasPortName, address, RasBroadcastPortName, RasBroadcastSocket.fd);
  // Why the port could not be kept (another holder, or a port this process
  // may not bind) is why discovery is off.
  const int takenError = RasSocket.lastError;
  if (taken) {
    bound.sin_port = 0;
    if (!Bind(RasSocket, bound)) {
      LogLine(orvo::stateError,
              "Bind to RAS port failed. " + ErrorWords(RasSocket.lastError) + " Gatekeeper services unavailable.");
      RasSocket.close();
      return;
    }
  }
  // Read back always, so that a configured port 0 is known too.
  socklen_t length = sizeof bound;
  getsockname(RasSocket.fd, reinterpret_cast<sockaddr*>(&bound), &length);
  FBoundRasAddress = bound;
  if (taken && bound.sin_port != address.sin_port) {
    const char* tail = " Gatekeeper services available only thru discovery process (GatekeeperRequest).";
    if (configuration.RasPort() == 1719)
      LogLine(orvo::stateWarning,
              "Standard RAS port occupied. Bound on non standard (" + PortOf(bound) + ") port." + tail);
    else
      LogLine(orvo::stateWarning, "RAS (" + PortOf(address) + ") port occupied. Bound on first available (" +
                                      PortOf(bound) + ") port." + tail);
  }
  SetOption(RasSocket, IPPROTO_IP, IP_TOS, 0x30);
  RasWatcher.reset(
      new orvo::sockEvent(orvo::sockEvent::READ, RasSocket.fd, this, &TGatekeeper::RASReceive, false, nullptr));

  // Discovery without the port would send endpoints to whichever process
  // holds it: what could not keep the port does not serve discovery.
  if (taken) {
    LogLine(orvo::stateError,
            "Bind to RAS port failed. " + ErrorWords(takenError) + " Gatekeeper discovery services unavailable.");
    return;
  }
  RasBroadcastSocket = RasSocketWithReuse();
  if (RasBroadcastSocket.fd < 0) {
    LogLine(orvo::stateError, "RAS broadcast socket creation failed. Gatekeeper discovery services unavailable.");
    return;
  }
  sockaddr_in wildcard{};
  wildcard.sin_family = AF_INET;
  wildcard.sin_addr.s_addr = htonl(INADDR_ANY);
  wildcard.sin_port = address.sin_port;
  // With the wildcard configured, the unicast socket holds this address.
  if (!BindClaimed(RasBroadcastSocket, RasBroadcastPortName, wildcard, RasPortName, RasSocket.fd)) {
    LogLine(orvo::stateError, "Bind to RAS port failed. " + ErrorWords(RasBroadcastSocket.lastError) +
                                  " Gatekeeper discovery services unavailable.");
    RasBroadcastSocket.close();
    return;
  }
  RasBroadcastWatcher.reset(new orvo::sockEvent(orvo::sockEvent::READ, RasBroadcastSocket.fd, this,
                                                &TGatekeeper::RASReceive, false, nullptr));
}

// While a batch of received datagrams is handled, the answers wait and go
// out together when it ends, however it ends: one wake-up of a peer that
// waits for several of them, one system call for them all.
class TGatekeeper::TRasSendHold {
public:
  explicit TRasSendHold(TGatekeeper& ACore) : Core(ACore) { Core.FRasSendsHeld = true; }
  ~TRasSendHold() {
    Core.FRasSendsHeld = false;
    Core.FlushRasSends();
  }
  TRasSendHold(const TRasSendHold&) = delete;
  TRasSendHold& operator=(const TRasSendHold&) = delete;

private:
  TGatekeeper& Core;
};

void TGatekeeper::RASReceive(orvo::sockEvent* AEvent) {
  const int socket = AEvent->record->fd;
  TRasSendHold hold(*this);
  for (unsigned taken = 0; taken < RasReceiveBatch; ++taken) {
    if (!ReceiveRasDatagram(socket)) return;
    // A stop asked for by one datagram leaves the next to the phase after
    // it, as when each took a pass of its own; a socket closed meanwhile is
    // read no more.
    if (H323::isLoopStopped() || (socket != RasSocket.fd && socket != RasBroadcastSocket.fd)) return;
  }
}

bool TGatekeeper::ReceiveRasDatagram(int ASocket) {
  if (FRasReceiveBuffer.empty()) FRasReceiveBuffer.resize(ReceiveBufferSize);
  unsigned char* buffer = FRasReceiveBuffer.data();
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  // The socket is drained until it would block, so the read must not wait.
  const ssize_t length = recvfrom(ASocket, buffer, FRasReceiveBuffer.size(), MSG_DONTWAIT,
                                  reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (length < 0) {
    const int error = errno;
    if (error != ECONNRESET && error != EAGAIN && error != EWOULDBLOCK && error != EINTR)
      LogLine(orvo::stateError, "RAS socket read error: " + ErrorWords(error));
    return false;
  }
  const TConfiguration& configuration = *CurrentConfiguration;
  if (configuration.Log().MessagesDump()) {
    orvo::string head;
    head.format("RAS, message hex dump %d bytes from ", int(length));
    std::cout << head << orvo::toText(from) << std::endl;
    orvo::hexDump(std::cout, buffer, int(length), "  ");
    std::cout.flush();
  }
  // What does not decode leaves for the run loop, which logs it; the
  // datagrams after it stay in the socket for the next pass.
  H225::rasMessage message;
  asn::per::codec codec(buffer, unsigned(length));
  message.decode(codec);
  if (TLog::IsLogged(configuration.Log().RasRules(), TLog::ldReceived, nullptr, nullptr, from))
    TraceRasMessage("RAS, got message from ", from, message);
  HandleRasMessage(from, message);
  return true;
}

void TGatekeeper::HandleRasMessage(const sockaddr_in& AFrom, H225::rasMessage& AMessage) {
  FCurrentRasSender = AFrom;
  if (BroadcastEvent(evRasMessage, &AMessage, GetRasSequenceNumber(AMessage), 0)) return;
  Dispatch(AFrom, AMessage);
}

void TGatekeeper::Dispatch(const sockaddr_in& AFrom, H225::rasMessage& AMessage) {
  switch (AMessage.index()) {
    case 0:
      OnGatekeeperRequest(AFrom, AMessage);
      break;
    case 3:
    case 9:
    case 12:
    case 18:
      StartResolver(AFrom, AMessage);
      break;
    case 6:
      OnUnregistrationRequest(AFrom, AMessage);
      break;
    case 15:
      OnDisengageRequest(AFrom, AMessage);
      break;
    case 22:
      OnInfoRequestResponse(AFrom, AMessage);
      break;
    case 16:  // disengageConfirm
    case 24:  // unknownMessageResponse
      break;
    default:
      AnswerUnknownMessage(AFrom, AMessage);
      break;
  }
}

void TGatekeeper::AnswerUnknownMessage(const sockaddr_in& AFrom, const H225::rasMessage& AMessage) {
  H225::rasMessage answer;
  static_cast<H225::unknownMessageResponse*>(answer.select(24))->requestSeqNum = GetRasSequenceNumber(AMessage);
  RASSend(AFrom, answer);
}

TRegistry<TRasResolver>* TGatekeeper::ResolversOf(int AKind) {
  switch (AKind) {
    case 3:
      return &FRegistrationResolvers;
    case 9:
      return &FAdmissionResolvers;
    case 12:
      return &FBandwidthResolvers;
    case 18:
      return &FLocationResolvers;
    default:
      return nullptr;
  }
}

void TGatekeeper::StartResolver(const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  TRegistry<TRasResolver>* list = ResolversOf(ARequest.index());
  if (!list) return;
  // A retransmission of a request in hand is dropped silently.
  if (list->ForEach(
          [&](TRasResolver* AHeld) { return !AHeld->Answered() && IsRetransmission(AHeld->HeldRequest(), ARequest); }))
    return;
  if (!ResolverFactory) return;
  if (TRasResolver* resolver = ResolverFactory(this, AFrom, ARequest)) resolver->Run();
}

void TGatekeeper::RASSend(const sockaddr_in& ADestination, H225::rasMessage& AMessage) {
  asn::per::codec codec;
  try {
    AMessage.encode(codec);
  } catch (orvo::exception* e) {
    orvo::exceptionPtr owned(e);
    LogLine(orvo::stateError, "RAS message not sent, it does not encode: " + *e->message());
    return;
  } catch (...) {
    LogLine(orvo::stateError, "RAS message not sent, it does not encode.");
    return;
  }
  if (TLog::IsLogged(CurrentConfiguration->Log().RasRules(), TLog::ldSent, nullptr, nullptr, ADestination))
    TraceRasMessage("RAS, send message to ", ADestination, AMessage);
  const unsigned char* octets = codec.stream().data();
  const size_t length = codec.stream().octetLength();
  if (FRasSendsHeld) {
    FRasOutgoing.push_back(TRasOutgoing{ADestination, FRasOutgoingOctets.size(), length});
    FRasOutgoingOctets.insert(FRasOutgoingOctets.end(), octets, octets + length);
    if (FRasOutgoing.size() >= RasSendBatch) FlushRasSends();
    return;
  }
  const ssize_t sent = sendto(RasSocket.fd, octets, length, 0, reinterpret_cast<const sockaddr*>(&ADestination),
                              sizeof ADestination);
  RasSocket.lastError = sent < 0 ? errno : 0;
}

void TGatekeeper::FlushRasSends() {
  const size_t count = FRasOutgoing.size();
  if (count == 0) return;
  FRasMessageHeaders.resize(count);
  FRasVectors.resize(count);
  for (size_t i = 0; i < count; ++i) {
    TRasOutgoing& outgoing = FRasOutgoing[i];
    FRasVectors[i] = iovec{FRasOutgoingOctets.data() + outgoing.Offset, outgoing.Length};
    mmsghdr& header = FRasMessageHeaders[i];
    header = mmsghdr{};
    header.msg_hdr.msg_name = &outgoing.To;
    header.msg_hdr.msg_namelen = sizeof outgoing.To;
    header.msg_hdr.msg_iov = &FRasVectors[i];
    header.msg_hdr.msg_iovlen = 1;
  }
  // As one send after another: a datagram refused costs only itself, and
  // the error kept is that of the last one.
  for (size_t next = 0; next < count;) {
    const int sent = sendmmsg(RasSocket.fd, &FRasMessageHeaders[next], unsigned(count - next), 0);
    if (sent < 0 && errno == EINTR) continue;
    RasSocket.lastError = sent < 0 ? errno : 0;
    next += sent < 0 ? 1 : size_t(sent);
  }
  FRasOutgoing.clear();
  FRasOutgoingOctets.clear();
}
