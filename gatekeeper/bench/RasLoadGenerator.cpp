#include "RasLoadGenerator.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <h225/h225.h>
#include <orvo/exception.h>

namespace rasload {

namespace {

using steady = std::chrono::steady_clock;

enum TRequest { rqRegister, rqKeepAlive, rqAdmission, rqDisengage };

const char* const RequestNames[] = {"registrationRequest", "keep-alive registrationRequest", "admissionRequest",
                                    "disengageRequest"};

struct TPending {
  bool Used = false;
  TRequest Request = rqRegister;
  unsigned Socket = 0;  // index into the thread's sockets
  unsigned Sequence = 0;
  unsigned Endpoint = 0;  // the sender; for calls the caller
  unsigned Callee = 0;
  uint64_t Call = 0;
  steady::time_point FirstSent, LastSent;
  unsigned Tries = 0;
  octets Datagram;
};

// Answers whose every field is checked by a full decode, per thread and phase;
// the others are checked by kind and requestSeqNum.
const unsigned DecodedAnswers = 32;
const unsigned BatchSize = 32;

std::string Text(const H225::rasMessage& AMessage) {
  std::ostringstream out;
  asn::text::codec codec(out, 2);
  codec.print("", AMessage);
  return out.str();
}

std::string TextOf(orvo::exception* AException) {
  std::unique_ptr<orvo::exception> owned(AException);
  orvo::string text = *owned->message();
  return std::string(text.buffer(), text.length());
}

// The decoded answer, null when it does not decode (the complaint then in AWhy).
std::unique_ptr<H225::rasMessage> Decode(const unsigned char* AData, size_t ALength, std::string& AWhy) {
  auto message = std::make_unique<H225::rasMessage>();
  try {
    asn::per::codec codec(AData, unsigned(ALength));
    message->decode(codec);
  } catch (orvo::exception* e) {
    AWhy = "an answer of " + std::to_string(ALength) + " octets does not decode: " + TextOf(e);
    return nullptr;
  }
  return message;
}

uint32_t HostAddress(const H225::transportAddress& AAddress, unsigned& APort) {
  if (AAddress.index() != 0) return 0;
  auto* ip = static_cast<const H225::transportAddress::ipAddress_sequence*>(AAddress.alternative());
  orvo::string octets = ip->ip.value();
  if (octets.length() != 4) return 0;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(octets.buffer());
  APort = ip->port.value();
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

void Pin(int ACore) {
  if (ACore < 0) return;
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(ACore, &set);
  pthread_setaffinity_np(pthread_self(), sizeof set, &set);
}

}  // namespace

class TGeneratorThread {
public:
  TGeneratorThread(TLoadGenerator& AOwner, unsigned AIndex, const TPhase& APhase, const sockaddr_in& AServer,
                   uint64_t ACallBase)
      : Owner(AOwner),
        Templates(AOwner.FTemplates),
        Index(AIndex),
        Phase(APhase),
        Server(AServer),
        CallBase(ACallBase) {
    const unsigned threads = Owner.FSetup.Threads;
    for (unsigned s = Index; s < Owner.FSockets.size(); s += threads) Sockets.push_back(s);
    Window = std::min(4096u, std::max(1u, Phase.Window / threads));
    Quota = Phase.MaximumRequests / threads + (Index < Phase.MaximumRequests % threads ? 1 : 0);
    HeldLimit = Phase.HeldCalls / threads;
    NextEndpoint = Phase.First + (Index + threads - Phase.First % threads) % threads;
    Slots.resize(Window);
    for (unsigned slot = Window; slot-- > 0;) Free.push_back(slot);
    Result.Name = Phase.Name;
  }

  void Run(int ACore);
  // The first endpoint of this thread not registered by the phase.
  unsigned Reached() const { return NextEndpoint; }

  TPhaseResult Result;
  std::vector<uint32_t> Latencies;  // microseconds, main requests
  steady::time_point Start, LastMain;

private:
  TLoadGenerator& Owner;
  const TRasTemplates& Templates;
  unsigned Index;
  const TPhase& Phase;
  sockaddr_in Server;
  uint64_t CallBase;
  std::vector<unsigned> Sockets;  // the owner's socket numbers
  int Poll = -1;
  unsigned Window = 1;
  uint64_t Quota = 0, Issued = 0;
  unsigned HeldLimit = 0;
  unsigned NextEndpoint = 0;
  // One slot per request of the window, found by the sequence number of
  // its request.
  static constexpr uint16_t NoSlot = 0xffff;
  std::vector<TPending> Slots;
  std::vector<uint16_t> SlotOf = std::vector<uint16_t>(65536, NoSlot);
  std::vector<unsigned> Free;
  std::deque<std::pair<uint64_t, unsigned>> Open;  // calls confirmed, not yet ended
  std::deque<std::pair<uint64_t, unsigned>> ToEnd;
  unsigned Decoded = 0;
  bool Issuing = true;

  bool HasMain() const;
  void SendMain();
  void Send(TRequest ARequest, unsigned AEndpoint, unsigned ACallee, uint64_t ACall);
  void Release(TPending& APending) {
    APending.Used = false;
    SlotOf[APending.Sequence] = NoSlot;
    Free.push_back(unsigned(&APending - Slots.data()));
  }
  void Transmit(const TPending& APending);
  void Receive(unsigned ALocal);
  void Answer(unsigned ALocal, const unsigned char* AData, size_t ALength);
  bool Check(const TPending& APending, const unsigned char* AData, size_t ALength, std::string& AWhy);
  void Expire(steady::time_point ANow);
  void Wrong(const std::string& AWhy);
  unsigned LocalOf(unsigned AEndpoint) const {
    return (AEndpoint % unsigned(Owner.FSockets.size())) / Owner.FSetup.Threads;
  }
};

bool TGeneratorThread::HasMain() const {
  switch (Phase.Work) {
    case wkRegister:
      return NextEndpoint < Phase.First + Phase.Count;
    case wkKeepAlive:
      return Issued < Quota && Phase.Population > Index;
    case wkCalls:
    case wkHoldCalls:
      // Every thread's callers are its own endpoints.
      return Issued < Quota && Phase.Population >= Owner.FSetup.Threads;
    case wkEndCalls:
      return false;
  }
  return false;
}

void TGeneratorThread::SendMain() {
  const unsigned threads = Owner.FSetup.Threads;
  switch (Phase.Work) {
    case wkRegister:
      Send(rqRegister, NextEndpoint, 0, 0);
      NextEndpoint += threads;
      break;
    case wkKeepAlive: {
      unsigned mine = (Phase.Population - Index + threads - 1) / threads;  // endpoints of this thread
      Send(rqKeepAlive, Index + unsigned(Issued % mine) * threads, 0, 0);
      break;
    }
    case wkCalls:
    case wkHoldCalls: {
      // A caller of this thread, the callee half the population away.
      unsigned usable = Phase.Population - Phase.Population % threads;
      unsigned caller = unsigned((Issued * threads + Index) % usable);
      unsigned callee = (caller + Phase.Population / 2) % Phase.Population;
      if (callee == caller) callee = (callee + 1) % Phase.Population;
      Send(rqAdmission, caller, callee, CallBase + Issued * threads + Index);
      break;
    }
    case wkEndCalls:
      return;
  }
  ++Issued;
}

void TGeneratorThread::Send(TRequest ARequest, unsigned AEndpoint, unsigned ACallee, uint64_t ACall) {
  TPending& p = Slots[Free.back()];
  Free.pop_back();
  p.Used = true;
  p.Request = ARequest;
  p.Endpoint = AEndpoint;
  p.Callee = ACallee;
  p.Call = ACall;
  p.Socket = LocalOf(AEndpoint);
  // The thread's numbers run on from phase to phase, so that a late answer
  // of an earlier phase names no request of this one.
  unsigned& sequence = Owner.FNextSequence[Index];
  do sequence = sequence % 65535 + 1;
  while (SlotOf[sequence] != NoSlot);
  p.Sequence = sequence;
  SlotOf[sequence] = uint16_t(&p - Slots.data());
  TEndpointValues sender = Owner.Endpoint(AEndpoint);
  switch (ARequest) {
    case rqRegister:
      Templates.MakeRegistration(p.Datagram, p.Sequence, sender);
      break;
    case rqKeepAlive:
      Templates.MakeKeepAlive(p.Datagram, p.Sequence, sender);
      break;
    case rqAdmission:
      Templates.MakeAdmission(p.Datagram, p.Sequence, sender, Owner.Endpoint(ACallee), CallOf(ACall));
      break;
    case rqDisengage:
      Templates.MakeDisengage(p.Datagram, p.Sequence, sender, CallOf(ACall));
      break;
  }
  p.FirstSent = p.LastSent = steady::now();
  p.Tries = 1;
  Transmit(p);
}

void TGeneratorThread::Transmit(const TPending& APending) {
  int socket = Owner.FSockets[Sockets[APending.Socket]];
  for (;;) {
    ssize_t sent = sendto(socket, APending.Datagram.data(), APending.Datagram.size(), 0,
                          reinterpret_cast<const sockaddr*>(&Server), sizeof Server);
    // A full send queue or an earlier datagram's port-unreachable report: the
    // retransmission timer covers a datagram that did not leave.
    if (sent >= 0 || errno != EINTR) return;
  }
}

void TGeneratorThread::Wrong(const std::string& AWhy) {
  ++Result.Wrong;
  if (Result.FirstWrong.empty()) Result.FirstWrong = AWhy;
}

// Whether the answer is the one the request asks for; decoded whole for the
// first answers of the thread.
bool TGeneratorThread::Check(const TPending& APending, const unsigned char* AData, size_t ALength, std::string& AWhy) {
  if (Phase.Echo) {
    if (ALength == APending.Datagram.size() && std::equal(AData, AData + ALength, APending.Datagram.begin()))
      return true;
    AWhy = "the echo changed a datagram";
    return false;
  }
  int kind = TRasTemplates::KindOf(AData, ALength);
  int expected = APending.Request == rqAdmission   ? rkAdmissionConfirm
                 : APending.Request == rqDisengage ? rkDisengageConfirm
                                                   : rkRegistrationConfirm;
  bool full = kind != expected || Decoded < DecodedAnswers;
  if (!full) return true;
  ++Decoded;
  std::lock_guard<std::mutex> hold(MessageLibraryLock());
  std::unique_ptr<H225::rasMessage> message = Decode(AData, ALength, AWhy);
  if (!message) return false;
  const std::string request = RequestNames[APending.Request];
  const TEndpointValues sender = Owner.Endpoint(APending.Endpoint);
  if (message->index() != expected) {
    AWhy = request + " of endpoint " + sender.Alias + " answered by " + Text(*message);
    return false;
  }
  if (expected == rkRegistrationConfirm) {
    auto* rcf = static_cast<const H225::registrationConfirm*>(message->alternative());
    std::string identifier = rcf->endpointIdentifier.toString().buffer();
    if (identifier != sender.Identifier) {
      AWhy = request + " of endpoint " + sender.Alias + " confirmed with identifier " + identifier + ", not " +
             sender.Identifier;
      return false;
    }
  }
  if (expected == rkAdmissionConfirm) {
    auto* acf = static_cast<const H225::admissionConfirm*>(message->alternative());
    const TEndpointValues callee = Owner.Endpoint(APending.Callee);
    unsigned port = 0;
    uint32_t address = HostAddress(acf->destCallSignalAddress, port);
    if (address != callee.CallSignalAddress || port != callee.CallSignalPort || acf->callModel.index() != 0) {
      AWhy = request + " to " + callee.Alias + " confirmed with another callee or call model: " + Text(*message);
      return false;
    }
  }
  return true;
}

void TGeneratorThread::Answer(unsigned ALocal, const unsigned char* AData, size_t ALength) {
  int kind = TRasTemplates::KindOf(AData, ALength);
  unsigned sequence = Templates.SequenceOf(kind, AData, ALength);
  TPending* found = SlotOf[sequence] != NoSlot ? &Slots[SlotOf[sequence]] : nullptr;
  if (!found || found->Socket != ALocal) {
    // A late answer to a retransmitted request, or one the load does not know.
    if (sequence) {
      ++Result.Stray;
    } else {
      std::string why;
      std::lock_guard<std::mutex> hold(MessageLibraryLock());
      std::unique_ptr<H225::rasMessage> message = Decode(AData, ALength, why);
      Wrong(message ? "an unexpected answer: " + Text(*message) : why);
    }
    return;
  }
  TPending& pending = *found;
  Release(pending);
  std::string why;
  if (!Check(pending, AData, ALength, why)) {
    Wrong(why);
    return;
  }
  steady::time_point now = steady::now();
  if (pending.Request == rqDisengage && Phase.Work != wkEndCalls) {
    ++Result.Disengages;
    return;
  }
  ++Result.Requests;
  LastMain = now;
  Latencies.push_back(uint32_t(std::chrono::duration_cast<std::chrono::microseconds>(now - pending.FirstSent).count()));
  if (pending.Request != rqAdmission) return;
  if (Phase.Work == wkHoldCalls) {
    Owner.FHeld[Index].emplace_back(pending.Call, pending.Endpoint);
    return;
  }
  Open.emplace_back(pending.Call, pending.Endpoint);
  while (Open.size() > HeldLimit) {
    ToEnd.push_back(Open.front());
    Open.pop_front();
  }
}

void TGeneratorThread::Receive(unsigned ALocal) {
  int socket = Owner.FSockets[Sockets[ALocal]];
  static thread_local unsigned char buffers[BatchSize][2048];
  mmsghdr messages[BatchSize];
  iovec vectors[BatchSize];
  for (;;) {
    for (unsigned i = 0; i < BatchSize; ++i) {
      vectors[i] = {buffers[i], sizeof buffers[i]};
      messages[i] = {};
      messages[i].msg_hdr.msg_iov = &vectors[i];
      messages[i].msg_hdr.msg_iovlen = 1;
    }
    int got = recvmmsg(socket, messages, BatchSize, MSG_DONTWAIT, nullptr);
    if (got < 0) {
      if (errno == EINTR || errno == ECONNREFUSED) continue;
      return;
    }
    for (int i = 0; i < got; ++i) Answer(ALocal, buffers[i], messages[i].msg_len);
    if (got < int(BatchSize)) return;
  }
}

void TGeneratorThread::Expire(steady::time_point ANow) {
  const auto timeout =
      std::chrono::duration_cast<steady::duration>(std::chrono::duration<double>(Owner.FSetup.RetransmitSeconds));
  for (TPending& p : Slots) {
    if (!p.Used || ANow - p.LastSent < timeout) continue;
    if (p.Tries <= Owner.FSetup.Retransmissions) {
      ++p.Tries;
      ++Result.Retransmissions;
      p.LastSent = ANow;
      Transmit(p);
      continue;
    }
    ++Result.Lost;
    if (Result.FirstWrong.empty())
      Result.FirstWrong = std::string(RequestNames[p.Request]) + " of endpoint " + Owner.Endpoint(p.Endpoint).Alias +
                          " unanswered after " + std::to_string(p.Tries) + " transmissions";
    Release(p);
  }
}

void TGeneratorThread::Run(int ACore) {
  Pin(ACore);
  // Calls held by the last wkHoldCalls: ended now, or held on as the first
  // open calls of a wkCalls phase.
  if (Phase.Work == wkEndCalls) ToEnd.insert(ToEnd.end(), Owner.FHeld[Index].begin(), Owner.FHeld[Index].end());
  if (Phase.Work == wkCalls) Open.insert(Open.end(), Owner.FHeld[Index].begin(), Owner.FHeld[Index].end());
  if (Phase.Work == wkEndCalls || Phase.Work == wkCalls) Owner.FHeld[Index].clear();
  Poll = epoll_create1(EPOLL_CLOEXEC);
  for (unsigned local = 0; local < Sockets.size(); ++local) {
    epoll_event watch{};
    watch.events = EPOLLIN;
    watch.data.u32 = local;
    epoll_ctl(Poll, EPOLL_CTL_ADD, Owner.FSockets[Sockets[local]], &watch);
  }
  Start = LastMain = steady::now();
  const steady::time_point issueEnd =
      Start + std::chrono::duration_cast<steady::duration>(std::chrono::duration<double>(Phase.Seconds));
  steady::time_point lastScan = Start;
  epoll_event ready[64];
  for (;;) {
    steady::time_point now = steady::now();
    if (Issuing && now >= issueEnd) {
      Issuing = false;
      Result.TimeLimited = HasMain();
    }
    if (Issuing && !HasMain()) Issuing = false;
    // Calls still open once no more are made are ended too.
    if (!Issuing && Phase.Work == wkCalls && !Open.empty()) {
      ToEnd.insert(ToEnd.end(), Open.begin(), Open.end());
      Open.clear();
    }
    while (!Free.empty()) {
      if (!ToEnd.empty()) {
        Send(rqDisengage, ToEnd.front().second, 0, ToEnd.front().first);
        ToEnd.pop_front();
      } else if (Issuing) {
        SendMain();
        if (!HasMain()) Issuing = false;
      } else {
        break;
      }
    }
    if (Free.size() == Slots.size() && ToEnd.empty() && !Issuing && (Phase.Work != wkCalls || Open.empty())) break;
    int count = epoll_wait(Poll, ready, 64, 2);
    for (int i = 0; i < count; ++i) Receive(ready[i].data.u32);
    now = steady::now();
    if (now - lastScan > std::chrono::milliseconds(5)) {
      Expire(now);
      lastScan = now;
    }
  }
  close(Poll);
}

TLoadGenerator::TLoadGenerator(const TGeneratorSetup& ASetup, const TRasTemplates& ATemplates)
    : FSetup(ASetup), FTemplates(ATemplates) {
  if (FSetup.Threads == 0 || FSetup.Sockets % FSetup.Threads != 0)
    throw std::runtime_error("the sockets must be a multiple of the generator threads");
  FHeld.resize(FSetup.Threads);
  FNextSequence.resize(FSetup.Threads);
  for (unsigned s = 0; s < FSetup.Sockets; ++s) {
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_UDP);
    if (fd < 0) throw std::runtime_error(std::string("generator socket: ") + std::strerror(errno));
    int size = 1 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    // Spread: 127.a.b.2 with a and b walking 1..254; else 127.0.1.(s+1), .2.x, ...
    uint32_t host = FSetup.SpreadSources ? (0x7f000002u | ((1 + s % 254) << 16) | ((1 + s / 254 % 254) << 8))
                                         : (0x7f000000u | ((1 + s / 250) << 8) | (1 + s % 250));
    address.sin_addr.s_addr = htonl(host);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      std::string why = std::strerror(errno);
      close(fd);
      throw std::runtime_error("generator socket bind: " + why);
    }
    FSockets.push_back(fd);
    FBound.push_back(address);
  }
}

TLoadGenerator::~TLoadGenerator() {
  for (int fd : FSockets) close(fd);
}

TEndpointValues TLoadGenerator::Endpoint(unsigned AEndpoint) const {
  const sockaddr_in& bound = FBound[AEndpoint % FBound.size()];
  return EndpointOf(AEndpoint, ntohl(bound.sin_addr.s_addr), ntohs(bound.sin_port));
}

TPhaseResult TLoadGenerator::Run(const TPhase& APhase, const sockaddr_in& AServer) {
  std::vector<std::unique_ptr<TGeneratorThread>> workers;
  for (unsigned t = 0; t < FSetup.Threads; ++t)
    workers.push_back(std::make_unique<TGeneratorThread>(*this, t, APhase, AServer, FNextCall));
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < FSetup.Threads; ++t) {
    int core = t < FSetup.Cores.size() ? FSetup.Cores[t] : -1;
    threads.emplace_back([&workers, t, core] { workers[t]->Run(core); });
  }
  for (std::thread& t : threads) t.join();
  FNextCall += APhase.MaximumRequests * 2 + 64;

  TPhaseResult total;
  total.Name = APhase.Name;
  total.RegisteredEnd = APhase.First + APhase.Count;
  for (auto& w : workers) total.RegisteredEnd = std::min(total.RegisteredEnd, w->Reached());
  steady::time_point start = workers[0]->Start, last = workers[0]->LastMain;
  std::vector<uint32_t> latencies;
  for (auto& w : workers) {
    const TPhaseResult& r = w->Result;
    total.Requests += r.Requests;
    total.Disengages += r.Disengages;
    total.Wrong += r.Wrong;
    total.Lost += r.Lost;
    total.Retransmissions += r.Retransmissions;
    total.Stray += r.Stray;
    total.TimeLimited = total.TimeLimited || r.TimeLimited;
    if (total.FirstWrong.empty()) total.FirstWrong = r.FirstWrong;
    start = std::min(start, w->Start);
    last = std::max(last, w->LastMain);
    latencies.insert(latencies.end(), w->Latencies.begin(), w->Latencies.end());
  }
  total.Seconds = std::chrono::duration<double>(last - start).count();
  if (!latencies.empty()) {
    auto at = [&latencies](double AShare) {
      size_t n = std::min(latencies.size() - 1, size_t(AShare * double(latencies.size())));
      std::nth_element(latencies.begin(), latencies.begin() + long(n), latencies.end());
      return double(latencies[n]);
    };
    total.Latency.P50 = at(0.50);
    total.Latency.P99 = at(0.99);
    total.Latency.Maximum = double(*std::max_element(latencies.begin(), latencies.end()));
  }
  return total;
}

}  // namespace rasload
