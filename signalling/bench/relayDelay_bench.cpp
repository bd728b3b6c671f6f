// The relay's delay per message: a routed call on loopback, the relay's
// event loop in a thread of its own, the two endpoints played by this
// thread on blocking sockets. In each round one side writes two short
// messages, one write each (as an endpoint sends a masterSlaveDetermination
// ack and an openLogicalChannel), and the other side reads both; the sides
// take turns, so that each answers what it got as a conversation does (and
// acknowledges late, as a peer that has data to send soon does). The delay
// of a message runs from its write to its read on the other side. The
// median and the largest go to the counters, with the count of messages
// held 20 ms or more.
#include <arpa/inet.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include <orvo/sockEvent.h>

#include <signalling/CallSignallingRelay.h>
#include <signalling/ClosingLeg.h>

#include "q931Octets.h"
#include "q931Samples.h"

using namespace q931Testing;
using Clock = std::chrono::steady_clock;

namespace {

const int Rounds = 300;

sockaddr_in Loopback() {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

bool WriteFrame(int AFd, const octets& AMessage) {
  octets frame{3, 0, uint8_t((AMessage.size() + 4) >> 8), uint8_t(AMessage.size() + 4)};
  frame.insert(frame.end(), AMessage.begin(), AMessage.end());
  return write(AFd, frame.data(), frame.size()) == ssize_t(frame.size());
}

bool ReadExactly(int AFd, unsigned char* AData, size_t ALength) {
  for (size_t done = 0; done < ALength;) {
    const ssize_t n = recv(AFd, AData + done, ALength - done, 0);
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

bool ReadFrame(int AFd) {
  unsigned char header[4];
  if (!ReadExactly(AFd, header, 4)) return false;
  std::vector<unsigned char> body(size_t((header[2] << 8 | header[3]) - 4));
  return ReadExactly(AFd, body.data(), body.size());
}

// The relay of one call and the loop that runs it, in a thread.
class TRelayThread {
public:
  explicit TRelayThread(const sockaddr_in& ACallee) {
    std::promise<sockaddr_in> listening;
    std::future<sockaddr_in> address = listening.get_future();
    Loop = std::thread([&] {
      TCallSignallingRelay relay(ACallee, false);
      relay.CalleeTimeout = 600000;
      relay.Listen(Loopback());
      listening.set_value(relay.ListenAddress());
      while (!Stop) orvo::sockEvent::dispatch(1);
      relay.Release(11, 16);
      for (int i = 0; i < 1000 && TClosingLeg::Count(); ++i) orvo::sockEvent::dispatch(0);
    });
    Address = address.get();
  }
  ~TRelayThread() {
    Stop = true;
    orvo::sockEvent::interruptWait();
    Loop.join();
  }
  sockaddr_in Address;

private:
  std::atomic<bool> Stop{false};
  std::thread Loop;
};

void relayDelay(benchmark::State& AState) {
  std::vector<double> delays;
  for (auto _ : AState) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in callee = Loopback();
    socklen_t length = sizeof callee;
    bind(listener, reinterpret_cast<sockaddr*>(&callee), sizeof callee);
    listen(listener, 1);
    getsockname(listener, reinterpret_cast<sockaddr*>(&callee), &length);
    TRelayThread relay(callee);
    const int caller = socket(AF_INET, SOCK_STREAM, 0);
    connect(caller, reinterpret_cast<const sockaddr*>(&relay.Address), sizeof relay.Address);
    WriteFrame(caller, fromHex(encodeMessage(routedCallMessages()[0].build())));
    const int answerer = accept(listener, nullptr, nullptr);
    if (answerer == -1 || !ReadFrame(answerer) ||
        !WriteFrame(answerer, fromHex(encodeMessage(routedCallMessages()[3].build()))) || !ReadFrame(caller)) {
      AState.SkipWithError("the call did not connect");
      return;
    }
    // The endpoints send at once themselves: what is held is the relay's.
    const int on = 1;
    setsockopt(caller, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    setsockopt(answerer, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    // Facility messages with a few octets of tunnelled H.245, as small as
    // the messages that were held.
    const octets fromCaller = fromHex("08 02 12 34 62 7E 00 09 05 01 02 03 04 05 06 07 08");
    const octets fromCallee = fromHex("08 02 92 34 62 7E 00 09 05 01 02 03 04 05 06 07 08");
    for (int round = 0; round < Rounds; ++round) {
      const bool up = round % 2 == 0;
      const int from = up ? caller : answerer, to = up ? answerer : caller;
      const octets& message = up ? fromCaller : fromCallee;
      const Clock::time_point first = Clock::now();
      WriteFrame(from, message);
      const Clock::time_point second = Clock::now();
      WriteFrame(from, message);
      if (!ReadFrame(to)) break;
      delays.push_back(std::chrono::duration<double, std::micro>(Clock::now() - first).count());
      if (!ReadFrame(to)) break;
      delays.push_back(std::chrono::duration<double, std::micro>(Clock::now() - second).count());
    }
    close(caller);
    close(answerer);
    close(listener);
  }
  if (delays.empty()) return;
  std::sort(delays.begin(), delays.end());
  AState.counters["messages"] = double(delays.size());
  AState.counters["median_us"] = delays[delays.size() / 2];
  AState.counters["largest_us"] = delays.back();
  AState.counters["held_20ms"] = double(delays.end() - std::lower_bound(delays.begin(), delays.end(), 20000.0));
}

}  // namespace

BENCHMARK(relayDelay)->Iterations(1)->Unit(benchmark::kMillisecond);
