// A connection on the call-signal port without admission: the first message
// must be a Setup and come in time; a Setup is refused with the reason and
// cause given.
#include <signalling/SetupReceiver.h>

#include <signalling/ClosingLeg.h>

#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;
using orvo::sockEvent;

namespace {

struct receiverOwner {
  TSetupReceiver* receiver = nullptr;
  std::string told;
  void onSetup(Q931::message& m) {
    told = "Setup " + std::to_string(m.callReference.value());
    receiver->Refuse(14, 1);  // calledPartyNotRegistered, unallocated number
  }
  void onFailed(const orvo::string& text) { told = toStd(text); }
};

struct receiverCase {
  const char* name;
  std::string first;  // hex of the peer's first message, "" none, "close" the peer goes
  std::string told;
  bool refused;
};

TEST(setupReceiver, takesASetupOnlyAndRefusesIt) {
  const std::vector<receiverCase> cases = {
      {"Setup", encodeMessage(routedCallMessages()[0].build()), "Setup 4660", true},
      {"Alerting first", "08 02 12 34 01", "First message must be SETUP.", false},
      {"Setup of another protocol", "09" + encodeMessage(routedCallMessages()[0].build()).substr(2),
       "First message must be SETUP.", false},
      {"Setup with a call reference of one octet",
       "08 01 12 05 " + encodeMessage(routedCallMessages()[0].build()).substr(15), "First message must be SETUP.",
       false},
      {"Display cut short", "08 02 12 34 05 28 05 41", "First message must be SETUP.", false},
      {"no TPKT at all", "raw 47 45 54 20 2F 20 0D 0A", "First message must be SETUP.", false},
      {"nothing in time", "", "No first message in time.", false},
      {"peer gone", "close", "Connection closed before SETUP.", false},
  };
  const int registrations = sockEvent::registrationCount();
  for (const receiverCase& k : cases) {
    SCOPED_TRACE(k.name);
    int fd[2];
    ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, fd));
    orvo::socket accepted;
    accepted.attach(fd[0]);
    TSetupReceiver receiver(accepted);
    EXPECT_EQ(accepted.fd, -1);  // taken over
    receiverOwner o{&receiver, ""};
    receiver.SetupCallback = {&o, &receiverOwner::onSetup};
    receiver.FailedCallback = {&o, &receiverOwner::onFailed};
    receiver.Start();
    if (k.first == "close") {
      close(fd[1]);
      fd[1] = -1;
    } else if (!k.first.empty()) {
      const bool raw = k.first.compare(0, 4, "raw ") == 0;
      octets frame = fromHex(raw ? k.first.substr(4) : k.first);
      unsigned length = unsigned(frame.size() + 4);
      if (!raw) frame.insert(frame.begin(), {3, 0, (unsigned char)(length >> 8), (unsigned char)length});
      ASSERT_EQ(ssize_t(frame.size()), write(fd[1], frame.data(), frame.size()));
    } else {
      for (int i = 0; i < 10; ++i) sockEvent::dispatch(0);
      EXPECT_EQ(o.told, "");
      orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(20001));
    }
    for (int i = 0; i < 200 && !receiver.IsClosed(); ++i) sockEvent::dispatch(0);
    EXPECT_TRUE(receiver.IsClosed());
    EXPECT_EQ(o.told, k.told);
    // What the peer got until the end of the connection, which goes on
    // closing on its own until the peer closes too.
    octets got;
    bool ended = fd[1] == -1;
    for (int i = 0; i < 200 && !ended; ++i) {
      sockEvent::dispatch(0);
      unsigned char buffer[512];
      ssize_t n;
      while ((n = recv(fd[1], buffer, sizeof buffer, MSG_DONTWAIT)) > 0) got.insert(got.end(), buffer, buffer + n);
      ended = n == 0;
    }
    EXPECT_TRUE(ended);
    if (fd[1] != -1) close(fd[1]);
    for (int i = 0; i < 200 && TClosingLeg::Count(); ++i) sockEvent::dispatch(0);
    EXPECT_EQ(sockEvent::registrationCount(), registrations);
    ASSERT_EQ(got.size() > 4, k.refused);
    if (!k.refused || !tshark::toolsAvailable()) continue;
    tshark::result t = dissectCallSignalling(
        {octets(got.begin() + 4, got.end())},
        {"q931.call_ref", "q931.call_ref_flag", "q931.message_type", "q931.cause_value", "h225.reason"});
    ASSERT_TRUE(t.ran) << t.failure;
    EXPECT_EQ(t.frames[0].malformed, "");
    EXPECT_EQ(t.frames[0].fields, (std::vector<std::string>{"1234", "1", "0x5a", "1", "14"}));
  }
}

}  // namespace
