// One side of a call-signalling connection played by an end-to-end test: a
// TCP socket on 127.0.0.N, listening or connected, carrying TPKT frames;
// closed with the object.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <h225/h225.h>

class TSimulatedEndpoint;

class TCallLeg {
public:
  using octets = std::vector<unsigned char>;
  // How long any one wait lasts.
  static constexpr std::chrono::milliseconds Limit{5000};

  TCallLeg() = default;
  ~TCallLeg();
  TCallLeg(const TCallLeg&) = delete;
  TCallLeg& operator=(const TCallLeg&) = delete;

  // On 127.0.0.<AHost>, a port the system chooses. AReceiveBuffer (octets,
  // 0: the system's) keeps small what the kernel holds for a side that does
  // not read.
  bool Bind(unsigned AHost, int AReceiveBuffer = 0);
  bool Listen();
  // The listener's next connection, within Limit.
  bool Accept(TCallLeg& AConnection);
  bool Connect(const sockaddr_in& ATo);
  const sockaddr_in& Address() const { return Bound; }
  // The other end of a connection.
  sockaddr_in Peer() const;

  // The message in its TPKT frame.
  static octets Frame(const octets& AMessage);
  // The message in one TPKT frame.
  bool Send(const octets& AMessage);
  bool SendOctets(const octets& AOctets);
  // The next message without its TPKT header; empty when none comes.
  octets Receive();
  // The other side closed or reset the connection within Limit; whatever
  // it sent before is read and dropped.
  bool ClosedByPeer();
  // How the next read ends within Limit: 0 the other side closed in order,
  // else the errno of a reset (-1 when data or nothing came).
  int EndOfStream();
  // The other side closed or reset the connection, nothing more to read.
  bool Closed() { return EndOfStream() >= 0; }
  // Once the connection is closed both ways: 0 when it ended in order, else
  // the error a reset left (EPIPE, ECONNRESET); -1 when it is not closed
  // within Limit.
  int ErrorOnceClosed();
  // Nothing arrived, not even the end of the connection, for the time.
  bool Quiet(std::chrono::milliseconds AFor);
  // Frames of 65,535 octets (TPKT header, zeros) written as fast as the
  // other side takes them, up to AFrames, or until it has taken nothing for
  // AStall; the octets written.
  size_t Flood(unsigned AFrames, std::chrono::milliseconds AStall);

  int Fd = -1;

private:
  bool Readable(int AMilliseconds) const;
  bool ReadExactly(unsigned char* AData, size_t ALength);
  sockaddr_in Bound{};
};

// Registers the endpoint as AAlias taking calls at ASignal; its endpoint
// identifier, empty when no confirm came.
std::string RegisterCallee(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const char* AAlias,
                           const sockaddr_in& ASignal);
// Unregisters the endpoint once the gatekeeper holds no call of it: asked
// again while the answer is callInProgress, for up to ALimit. ASign, when
// given, signs each request. True when a confirm came.
bool UnregisterOnceCallsEnd(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper,
                            const std::string& AIdentifier, const std::function<void(H225::rasMessage&)>& ASign = {},
                            std::chrono::milliseconds ALimit = std::chrono::milliseconds(8000));
