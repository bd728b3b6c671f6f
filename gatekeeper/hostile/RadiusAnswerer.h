// A RADIUS server on 127.0.0.1 for the hostile-traffic run: it accepts every
// Access-Request and acknowledges every Accounting-Request. While forging,
// it first answers each request the wrong way twice: a reject whose
// Response Authenticator is wrong, and a reject from a port the gatekeeper
// never asked. A gatekeeper that believed either would refuse the
// registration that the genuine answer, sent last, accepts.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <string>
#include <thread>

#include "DatagramMutator.h"

class TRadiusAnswerer {
public:
  explicit TRadiusAnswerer(const std::string& ASecret);
  ~TRadiusAnswerer();
  TRadiusAnswerer(const TRadiusAnswerer&) = delete;
  TRadiusAnswerer& operator=(const TRadiusAnswerer&) = delete;

  unsigned AuthenticationPort() const { return ntohs(Authentication.Address.sin_port); }
  unsigned AccountingPort() const { return ntohs(Accounting.Address.sin_port); }
  void SetForging(bool AOn) { Forging = AOn; }
  unsigned long Requests() const { return RequestCount; }
  unsigned long Forged() const { return ForgedCount; }

  // The answer to ARequest with its Response Authenticator damaged.
  static octets WithWrongAuthenticator(octets AAnswer);

private:
  struct TPort {
    int Fd = -1;
    sockaddr_in Address{};
  };
  static TPort Open();
  void Serve();
  void Answer(const TPort& AFrom, const octets& ARequest, const sockaddr_in& ATo);

  std::string Secret;
  TPort Authentication, Accounting, Elsewhere;
  std::atomic<bool> Forging{false}, Stopping{false};
  std::atomic<unsigned long> RequestCount{0}, ForgedCount{0};
  std::thread Server;
};
