// A gatekeeper core in this process on a configuration given as text, with
// registrations made by hand: the ground of the tests of lookups, records
// and calls, which need no sockets.
#pragma once

#include <string>

#include <gatekeeper/Gatekeeper.h>

class TCoreWithUsers {
public:
  // A failed load fails the test; the core then has no configuration.
  explicit TCoreWithUsers(const std::string& AConfiguration);

  // The configured user of that name, null when there is none.
  TUser* User(const std::string& AName) const;
  // A registered endpoint of the user (null: no user) at 127.0.0.<host>,
  // RAS port 1719, call-signal port 1720, with the H.323-IDs given.
  TEndpointRegisterInfo* Register(const std::string& AUser, unsigned AHost,
                                  const std::vector<std::string>& AAliases = {});

  TGatekeeper Core;
};

// A GUID of sixteen octets, each AOctet.
H323::guidOctets Guid(unsigned char AOctet);
H225::callIdentifier CallId(unsigned char AOctet);

// What the core logs through standard output while it lives.
class TCoreLog {
public:
  TCoreLog();
  ~TCoreLog();
  TCoreLog(const TCoreLog&) = delete;
  TCoreLog& operator=(const TCoreLog&) = delete;
  std::string Lines();

private:
  struct TSink;
  TSink* Sink;
};

// Records the codes the core's broadcast shows a RAS procedure (all), and
// takes none.
class TEventRecorder : public TProcessor {
public:
  explicit TEventRecorder(std::vector<int>* ACodes) : TProcessor(&TEventRecorder::Idle), Codes(ACodes) {}
  bool OnEvent(int ACode, void*, uint32_t, uint32_t) override {
    if (ACode != 0) Codes->push_back(ACode);
    return false;
  }

private:
  TPerformFunctionResult Idle() { return nullptr; }
  std::vector<int>* Codes;
};
