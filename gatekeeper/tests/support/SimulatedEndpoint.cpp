#include "SimulatedEndpoint.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include <asn/perCodec.h>
#include <orvo/exception.h>

#include "RasCapture.h"

namespace {

const int MaximumDatagram = 65536;

std::string ErrorText() { return std::strerror(errno); }

// The library throws heap objects; the text of one, which is then released.
std::string TextOf(orvo::exception* AException) {
  std::unique_ptr<orvo::exception> owned(AException);
  orvo::string text = *owned->message();
  return std::string(text.buffer(), text.length());
}

void SetIpAddress(H225::transportAddress& AAddress, const sockaddr_in& AFrom) {
  auto* ip = static_cast<H225::transportAddress::ipAddress_sequence*>(AAddress.select(0));
  ip->ip.setValue(&AFrom.sin_addr.s_addr, 4);
  ip->port = ntohs(AFrom.sin_port);
}

}  // namespace

sockaddr_in LoopbackAddress(unsigned AHost, unsigned APort) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(0x7f000000u | (AHost & 0xffffffu));
  address.sin_port = htons(uint16_t(APort));
  return address;
}

std::vector<unsigned char> EncodeRas(const H225::rasMessage& AMessage) {
  asn::per::codec codec;
  AMessage.encode(codec);
  const unsigned char* data = codec.stream().data();
  return std::vector<unsigned char>(data, data + codec.stream().octetLength());
}

TSimulatedEndpoint::TSimulatedEndpoint(unsigned AHost, TRasCapture* ACapture, unsigned APort) : Capture(ACapture) {
  Socket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
  if (Socket < 0) {
    ADD_FAILURE() << "endpoint socket: " << ErrorText();
    return;
  }
  sockaddr_in address = LoopbackAddress(AHost, APort);
  socklen_t length = sizeof Bound;
  if (bind(Socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(Socket, reinterpret_cast<sockaddr*>(&Bound), &length) != 0) {
    ADD_FAILURE() << "endpoint bind to 127.0.0." << AHost << ":" << APort << ": " << ErrorText();
    Bound = address;
    Bound.sin_port = 0;
    return;
  }
  if (Capture) Capture->AddEndpoint(Bound);
}

TSimulatedEndpoint::~TSimulatedEndpoint() {
  if (Socket >= 0) close(Socket);
}

sockaddr_in TSimulatedEndpoint::CallSignalAddress() const {
  sockaddr_in address = Bound;
  address.sin_port = htons(1720);
  return address;
}

bool TSimulatedEndpoint::Send(const H225::rasMessage& AMessage, const sockaddr_in& ATo) {
  std::vector<unsigned char> octets;
  try {
    octets = EncodeRas(AMessage);
  } catch (orvo::exception* e) {
    ADD_FAILURE() << "the message does not encode: " << TextOf(e);
    return false;
  }
  return SendOctets(octets, ATo);
}

bool TSimulatedEndpoint::SendOctets(const std::vector<unsigned char>& AOctets, const sockaddr_in& ATo) {
  // Recorded first: a receiver of the same capture may read it at once.
  if (Capture) Capture->RecordSent(Bound, ATo, AOctets.data(), AOctets.size());
  ssize_t sent = sendto(Socket, AOctets.data(), AOctets.size(), 0, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo);
  if (sent != ssize_t(AOctets.size())) {
    ADD_FAILURE() << "send: " << ErrorText();
    return false;
  }
  return true;
}

bool TSimulatedEndpoint::ReceiveOctets(std::chrono::milliseconds ALimit, std::vector<unsigned char>& AOctets,
                                       sockaddr_in& AFrom) {
  auto end = std::chrono::steady_clock::now() + ALimit;
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd watch{Socket, POLLIN, 0};
    int ready = poll(&watch, 1, left.count() > 0 ? int(left.count()) : 0);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    AOctets.resize(MaximumDatagram);
    socklen_t length = sizeof AFrom;
    ssize_t got = recvfrom(Socket, AOctets.data(), AOctets.size(), 0, reinterpret_cast<sockaddr*>(&AFrom), &length);
    if (got < 0) {
      // An earlier datagram's port-unreachable report: nothing for us.
      if (errno == ECONNREFUSED || errno == EINTR) continue;
      ADD_FAILURE() << "receive: " << ErrorText();
      return false;
    }
    AOctets.resize(size_t(got));
    if (Capture) Capture->RecordReceived(AFrom, Bound, AOctets.data(), AOctets.size());
    return true;
  }
}

std::unique_ptr<H225::rasMessage> TSimulatedEndpoint::Receive(std::chrono::milliseconds ALimit, sockaddr_in* AFrom) {
  std::vector<unsigned char> octets;
  sockaddr_in from{};
  if (!ReceiveOctets(ALimit, octets, from)) return nullptr;
  if (AFrom) *AFrom = from;
  auto message = std::make_unique<H225::rasMessage>();
  try {
    asn::per::codec codec(octets.data(), unsigned(octets.size()));
    message->decode(codec);
  } catch (orvo::exception* e) {
    ADD_FAILURE() << "a datagram of " << octets.size() << " octets does not decode: " << TextOf(e);
    return nullptr;
  }
  return message;
}

unsigned TSimulatedEndpoint::NextSequenceNumber() {
  SequenceNumber = SequenceNumber % 65535 + 1;
  return SequenceNumber;
}

std::unique_ptr<H225::rasMessage> TSimulatedEndpoint::RegistrationRequest(const std::vector<std::string>& AAliases) {
  auto message = std::make_unique<H225::rasMessage>();
  auto* rrq = static_cast<H225::registrationRequest*>(message->select(3));
  rrq->requestSeqNum = NextSequenceNumber();
  rrq->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  rrq->discoveryComplete = false;
  SetIpAddress(*rrq->callSignalAddress.appendNew(), CallSignalAddress());
  SetIpAddress(*rrq->rasAddress.appendNew(), Bound);
  rrq->terminalType.terminal = new H225::terminalInfo;
  rrq->terminalType.mc = false;
  rrq->terminalType.undefinedNode = false;
  if (!AAliases.empty()) {
    rrq->terminalAlias = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
    for (const std::string& alias : AAliases)
      *static_cast<asn::bmpStringBase*>(rrq->terminalAlias->appendNew()->select(1)) = alias.c_str();
  }
  rrq->endpointVendor.vendor.t35CountryCode = 181;
  rrq->endpointVendor.vendor.t35Extension = 0;
  rrq->endpointVendor.vendor.manufacturerCode = 21324;
  rrq->keepAlive = new asn::booltype;
  *rrq->keepAlive = false;
  rrq->willSupplyUUIEs = new asn::booltype;
  *rrq->willSupplyUUIEs = false;
  rrq->maintainConnection = new asn::booltype;
  *rrq->maintainConnection = false;
  return message;
}
