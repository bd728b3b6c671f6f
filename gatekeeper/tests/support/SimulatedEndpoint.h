// An endpoint played by a test: a UDP socket on a loopback address of its
// own (127.0.0.N), so that the gatekeeper tells endpoints apart by address
// as it would on a network. Messages go through our codec; every datagram
// sent and received is recorded in the capture when one is given.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>

class TRasCapture;

class TSimulatedEndpoint {
public:
  // Binds 127.0.0.<AHost>, on APort or a port the system chooses. A failed
  // bind fails the test and leaves the endpoint unusable (Address port 0).
  explicit TSimulatedEndpoint(unsigned AHost, TRasCapture* ACapture = nullptr, unsigned APort = 0);
  ~TSimulatedEndpoint();
  TSimulatedEndpoint(const TSimulatedEndpoint&) = delete;
  TSimulatedEndpoint& operator=(const TSimulatedEndpoint&) = delete;

  const sockaddr_in& Address() const { return Bound; }
  // 127.0.0.<host>:1720, where the endpoint says it takes calls.
  sockaddr_in CallSignalAddress() const;

  // Encodes (aligned PER) and sends; false, with a test failure, when the
  // message does not encode or the send fails.
  bool Send(const H225::rasMessage& AMessage, const sockaddr_in& ATo);
  bool SendOctets(const std::vector<unsigned char>& AOctets, const sockaddr_in& ATo);
  // The next datagram that arrives within the limit, null when none does.
  // One that does not decode fails the test and gives null too.
  std::unique_ptr<H225::rasMessage> Receive(std::chrono::milliseconds ALimit, sockaddr_in* AFrom = nullptr);
  bool ReceiveOctets(std::chrono::milliseconds ALimit, std::vector<unsigned char>& AOctets, sockaddr_in& AFrom);

  // 1, 2, ... 65535, 1: the requestSeqNum of this endpoint's next request.
  unsigned NextSequenceNumber();

  // A registration request for this endpoint: its RAS and call-signal
  // addresses, a terminal, the H.323-IDs given as terminal aliases.
  std::unique_ptr<H225::rasMessage> RegistrationRequest(const std::vector<std::string>& AAliases);

private:
  int Socket = -1;
  sockaddr_in Bound{};
  TRasCapture* Capture;
  unsigned SequenceNumber = 0;
};

// 127.0.0.<AHost>:<APort>.
sockaddr_in LoopbackAddress(unsigned AHost, unsigned APort);
// The octets of a message as our codec encodes it.
std::vector<unsigned char> EncodeRas(const H225::rasMessage& AMessage);
