#include "WellBehavedTraffic.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <asn/perCodec.h>
#include <h323/transportAddress.h>
#include <orvo/exception.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "ConnectionAbuse.h"
#include "LibraryTurn.h"
#include "NeighbourGatekeeper.h"
#include "RasRequests.h"
#include "q931Octets.h"
#include "q931Samples.h"

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

const size_t MostComplaints = 20;
const milliseconds StreamLimit(5000);
// A disengaged call's record lives on for a second; the routed calls reuse
// the sample Setup's identifiers, so they come no closer than this.
const milliseconds RoutedCallSpacing(1500);


std::string Text(const sockaddr_in& AAddress) {
  char host[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &AAddress.sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(AAddress.sin_port));
}

bool SameAddress(const sockaddr_in& A, const sockaddr_in& B) {
  return A.sin_addr.s_addr == B.sin_addr.s_addr && A.sin_port == B.sin_port;
}

// Conference and call identifiers: a kind octet, then the call's number.
void Identifier(asn::octetStringBase& AValue, unsigned char AKind, unsigned ANumber) {
  unsigned char octets[16] = {AKind, (unsigned char)(ANumber >> 24), (unsigned char)(ANumber >> 16),
                              (unsigned char)(ANumber >> 8), (unsigned char)ANumber};
  AValue.setValue(octets, 16);
}

// The sample Setup's identifiers: conference 0x40..., call 0x50....
void SampleIdentifier(asn::octetStringBase& AValue, unsigned char AFirst) {
  unsigned char octets[16];
  for (unsigned i = 0; i < 16; ++i) octets[i] = (unsigned char)(AFirst + i);
  AValue.setValue(octets, 16);
}

// A datagram for the endpoint before the deadline, the library left to
// other threads while it waits.
bool ReceiveBefore(TSimulatedEndpoint& AEndpoint, Clock::time_point AEnd, std::vector<unsigned char>& AOctets,
                   sockaddr_in& AFrom) {
  const auto left = std::chrono::duration_cast<milliseconds>(AEnd - Clock::now());
  if (left.count() <= 0) return false;
  TLibraryPause pause;
  return AEndpoint.ReceiveOctets(left, AOctets, AFrom);
}

const unsigned char DirectKind = 0xd0, NeighbourKind = 0xd1;
// The long call's conference: sixteen such octets.
const unsigned char LongCall = 0xee;

void LongCallIdentifier(asn::octetStringBase& AValue) {
  unsigned char octets[16];
  for (unsigned char& octet : octets) octet = LongCall;
  AValue.setValue(octets, 16);
}

H225::rasMessage Arq(const std::string& AIdentifier, const char* ASource, const char* ADestination, bool AAnswer) {
  H225::rasMessage message = AdmissionRequest(AIdentifier, ASource, ADestination, 0x1234);
  static_cast<H225::admissionRequest*>(message.alternative())->answerCall = AAnswer;
  return message;
}

H225::rasMessage Drq(const std::string& AIdentifier, bool AAnswered) {
  H225::rasMessage message;
  auto* drq = static_cast<H225::disengageRequest*>(message.select(15));
  drq->endpointIdentifier = AIdentifier.c_str();
  drq->callReferenceValue = 0x1234;
  drq->disengageReason.select(1);  // normalDrop
  drq->answeredCall = new asn::booltype(AAnswered);
  return message;
}

const H225::admissionConfirm& Acf(const H225::rasMessage& AMessage) {
  return *static_cast<const H225::admissionConfirm*>(AMessage.alternative());
}

sockaddr_in Destination(const H225::rasMessage& AAcf) {
  sockaddr_in out{};
  H323::transportToSockaddr(Acf(AAcf).destCallSignalAddress, out);
  return out;
}

// TCP on 127.0.0.<host>; closed with the object.
struct TLeg {
  int Fd = -1;
  ~TLeg() {
    if (Fd != -1) close(Fd);
  }
  bool Readable(milliseconds ALimit) {
    TLibraryPause pause;
    pollfd p{Fd, POLLIN, 0};
    return poll(&p, 1, int(ALimit.count())) == 1;
  }
  bool ConnectFrom(unsigned AHost, const sockaddr_in& ATo) {
    TLibraryPause pause;
    Fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local = LoopbackAddress(AHost, 0);
    return bind(Fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0 &&
           connect(Fd, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo) == 0;
  }
  bool Send(const q931Testing::octets& AMessage) {
    const octets frame = TpktFrame(AMessage);
    return send(Fd, frame.data(), frame.size(), MSG_NOSIGNAL) == ssize_t(frame.size());
  }
  bool ReadExactly(unsigned char* AData, size_t ALength) {
    for (size_t done = 0; done < ALength;) {
      if (!Readable(StreamLimit)) return false;
      const ssize_t n = recv(Fd, AData + done, ALength - done, 0);
      if (n <= 0) return false;
      done += size_t(n);
    }
    return true;
  }
  // The next message without its TPKT header; empty when none comes.
  q931Testing::octets Receive() {
    unsigned char header[4];
    if (!ReadExactly(header, 4) || header[0] != 3) return {};
    q931Testing::octets message(size_t((header[2] << 8 | header[3]) - 4));
    return ReadExactly(message.data(), message.size()) ? message : q931Testing::octets{};
  }
  // Reads whatever still comes until the other side closes.
  bool ClosedByPeer() {
    unsigned char octets[512];
    for (;;) {
      if (!Readable(StreamLimit)) return false;
      if (recv(Fd, octets, sizeof octets, 0) <= 0) return true;
    }
  }
};

// The Q.931 message type: after the discriminator and the call reference.
int MessageType(const q931Testing::octets& AMessage) {
  if (AMessage.size() < 2) return -1;
  const size_t at = 2 + (AMessage[1] & 0x0f);
  return at < AMessage.size() ? AMessage[at] : -1;
}

}  // namespace

constexpr std::chrono::milliseconds TWellBehavedTraffic::RetransmitInterval;

TWellBehavedTraffic::TWellBehavedTraffic(const sockaddr_in& AGatekeeper)
    : Gatekeeper(AGatekeeper), Alice(2), Bob(3), Carol(4), Dave(6), Cycler(8), Radius(9) {
  DaveListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  DaveSignal = LoopbackAddress(6, 0);
  socklen_t length = sizeof DaveSignal;
  if (bind(DaveListener, reinterpret_cast<sockaddr*>(&DaveSignal), sizeof DaveSignal) != 0 ||
      getsockname(DaveListener, reinterpret_cast<sockaddr*>(&DaveSignal), &length) != 0 || listen(DaveListener, 8) != 0)
    Complain("Dave's call-signal listener does not open", false);
}

TWellBehavedTraffic::~TWellBehavedTraffic() {
  StopCycling();
  if (DaveListener != -1) close(DaveListener);
}

void TWellBehavedTraffic::Complain(const std::string& AText, bool ALost) {
  std::lock_guard<std::mutex> hold(Lock);
  ++(ALost ? Counts.Lost : Counts.Wrong);
  if (Counts.Complaints.size() < MostComplaints) Counts.Complaints.push_back(AText);
}

TWellBehavedFigures TWellBehavedTraffic::Figures() const {
  std::lock_guard<std::mutex> hold(Lock);
  return Counts;
}

bool TWellBehavedTraffic::HandleGatekeeperRequest(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& AMessage,
                                                  const sockaddr_in& AFrom) {
  H225::rasMessage answer;
  switch (AMessage.index()) {
    case 15:
      answer.select(16);
      break;
    case 6:
      Complain("the gatekeeper unregistered " + Text(AEndpoint.Address()), false);
      answer.select(7);
      break;
    default:
      return false;
  }
  GatekeeperSequence = GetRasSequenceNumber(AMessage);
  SetRasSequenceNumber(answer, GetRasSequenceNumber(AMessage));
  AEndpoint.Send(answer, AFrom);
  return true;
}

std::unique_ptr<H225::rasMessage> TWellBehavedTraffic::Transact(TSimulatedEndpoint& AEndpoint,
                                                                H225::rasMessage& ARequest, int AConfirm,
                                                                const std::string& AWhat) {
  const unsigned sequence = AEndpoint.NextSequenceNumber();
  SetRasSequenceNumber(ARequest, sequence);
  {
    std::lock_guard<std::mutex> hold(Lock);
    ++Counts.Requests;
  }
  for (int transmission = 0; transmission < Transmissions; ++transmission) {
    if (transmission) {
      std::lock_guard<std::mutex> hold(Lock);
      ++Counts.Retransmissions;
    }
    AEndpoint.Send(ARequest, Gatekeeper);
    auto end = Clock::now() + RetransmitInterval;
    for (;;) {
      std::vector<unsigned char> octets;
      sockaddr_in from{};
      if (!ReceiveBefore(AEndpoint, end, octets, from)) break;
      auto answer = DecodeRasMessage(octets);
      if (!answer) {
        Complain(AWhat + ": an answer that does not decode", false);
        return nullptr;
      }
      if (HandleGatekeeperRequest(AEndpoint, *answer, from)) continue;
      if (GetRasSequenceNumber(*answer) != sequence) continue;  // late answer of an earlier request
      if (answer->index() == 25) {  // requestInProgress: the wait starts again
        end = Clock::now() + RetransmitInterval * 4;
        continue;
      }
      if (int(answer->index()) != AConfirm) {
        Complain(AWhat + ": answered with kind " + std::to_string(answer->index()), false);
        return nullptr;
      }
      return answer;
    }
  }
  Complain(AWhat + ": no answer after " + std::to_string(Transmissions) + " transmissions", true);
  return nullptr;
}

std::string TWellBehavedTraffic::Register(TSimulatedEndpoint& AEndpoint, const char* AAlias,
                                          const sockaddr_in& ASignal) {
  auto rrq = AEndpoint.RegistrationRequest({AAlias});
  auto* request = static_cast<H225::registrationRequest*>(rrq->alternative());
  request->callSignalAddress.clear();
  H323::sockaddrToTransport(ASignal, *request->callSignalAddress.appendNew());
  auto rcf = Transact(AEndpoint, *rrq, 4, std::string("registration of ") + AAlias);
  return rcf ? ConfirmedIdentifier(*rcf) : std::string();
}

bool TWellBehavedTraffic::KeepAlive(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                    const char* AName) {
  auto rcf = Transact(AEndpoint, *KeepAliveRequest(AEndpoint, AIdentifier), 4, std::string("keep-alive of ") + AName);
  if (!rcf) return false;
  if (ConfirmedIdentifier(*rcf) != AIdentifier) {
    Complain(std::string(AName) + "'s registration changed to " + ConfirmedIdentifier(*rcf), false);
    return false;
  }
  return true;
}

bool TWellBehavedTraffic::Unregister(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                     const char* AName) {
  return Transact(AEndpoint, *UnregistrationRequest(AEndpoint, AIdentifier), 7, std::string("unregistration of ") +
                                                                                   AName) != nullptr;
}

bool TWellBehavedTraffic::Begin() {
  TLibraryTurn turn;
  AliceId = Register(Alice, "7101", Alice.CallSignalAddress());
  BobId = Register(Bob, "7102", Bob.CallSignalAddress());
  CarolId = Register(Carol, "7103", Carol.CallSignalAddress());
  DaveId = Register(Dave, "7104", DaveSignal);
  if (AliceId.empty() || BobId.empty() || CarolId.empty() || DaveId.empty()) return false;
  H225::rasMessage arq = Arq(AliceId, "7101", "7102", false);
  LongCallIdentifier(static_cast<H225::admissionRequest*>(arq.alternative())->conferenceID);
  H225::rasMessage answer = Arq(BobId, "7101", "7102", true);
  LongCallIdentifier(static_cast<H225::admissionRequest*>(answer.alternative())->conferenceID);
  return Transact(Alice, arq, 10, "the long call") && Transact(Bob, answer, 10, "the long call's answer");
}

bool TWellBehavedTraffic::ReportLongCall() {
  // Without reports the gatekeeper takes the call for dead after a while.
  const bool alice = Transact(Alice, *InfoReport(Alice, AliceId, LongCall), 28, "Alice's report of the long call") != nullptr;
  return Transact(Bob, *InfoReport(Bob, BobId, LongCall), 28, "Bob's report of the long call") && alice;
}

bool TWellBehavedTraffic::Undisturbed() {
  TLibraryTurn turn;
  bool kept = ReportLongCall() && KeepAlive(Alice, AliceId, "Alice") && KeepAlive(Bob, BobId, "Bob") && KeepAlive(Carol, CarolId, "Carol") &&
              KeepAlive(Dave, DaveId, "Dave");
  // A bandwidth change of a call that no longer exists is refused.
  H225::rasMessage brq;
  auto* request = static_cast<H225::bandwidthRequest*>(brq.select(12));
  request->endpointIdentifier = AliceId.c_str();
  LongCallIdentifier(request->conferenceID);
  request->bandWidth = 320;
  return Transact(Alice, brq, 13, "the long call's bandwidth") && kept;
}

bool TWellBehavedTraffic::End() {
  TLibraryTurn turn;
  H225::rasMessage drq = Drq(AliceId, false), answered = Drq(BobId, true);
  LongCallIdentifier(static_cast<H225::disengageRequest*>(drq.alternative())->conferenceID);
  LongCallIdentifier(static_cast<H225::disengageRequest*>(answered.alternative())->conferenceID);
  bool ended = Transact(Alice, drq, 16, "the long call's end") && Transact(Bob, answered, 16, "the long call's end");
  {
    TLibraryPause pause;
    std::this_thread::sleep_for(milliseconds(1200));
  }
  ended = Unregister(Alice, AliceId, "Alice") && ended;
  ended = Unregister(Bob, BobId, "Bob") && ended;
  ended = Unregister(Carol, CarolId, "Carol") && ended;
  return Unregister(Dave, DaveId, "Dave") && ended;
}

bool TWellBehavedTraffic::Comings() {
  bool fine = true;
  const std::string cycler = Register(Cycler, "7105", Cycler.CallSignalAddress());
  fine = !cycler.empty() && Unregister(Cycler, cycler, "the coming and going endpoint") && fine;
  const std::string radius = Register(Radius, "7106", Radius.CallSignalAddress());
  fine = !radius.empty() && Unregister(Radius, radius, "the RADIUS-checked endpoint") && fine;
  return KeepAlive(Alice, AliceId, "Alice") && fine;
}

bool TWellBehavedTraffic::DirectCall() {
  const unsigned number = ++CallNumber;
  H225::rasMessage arq = Arq(AliceId, "7101", "7102", false);
  H225::rasMessage answer = Arq(BobId, "7101", "7102", true);
  for (H225::rasMessage* m : {&arq, &answer})
    Identifier(static_cast<H225::admissionRequest*>(m->alternative())->conferenceID, DirectKind, number);
  auto acf = Transact(Alice, arq, 10, "a direct call");
  if (!acf) return false;
  if (Acf(*acf).callModel.index() != 0 || !SameAddress(Destination(*acf), Bob.CallSignalAddress())) {
    Complain("a direct call admitted to " + Text(Destination(*acf)), false);
    return false;
  }
  bool fine = Transact(Bob, answer, 10, "a direct call's answer") != nullptr;
  H225::rasMessage drq = Drq(AliceId, false), answered = Drq(BobId, true);
  for (H225::rasMessage* m : {&drq, &answered})
    Identifier(static_cast<H225::disengageRequest*>(m->alternative())->conferenceID, DirectKind, number);
  fine = Transact(Alice, drq, 16, "a direct call's end") && fine;
  return Transact(Bob, answered, 16, "a direct call's end") && fine;
}

bool TWellBehavedTraffic::NeighbourCall() {
  const unsigned number = ++CallNumber;
  H225::rasMessage arq = Arq(AliceId, "7101", "2001", false);
  Identifier(static_cast<H225::admissionRequest*>(arq.alternative())->conferenceID, NeighbourKind, number);
  auto acf = Transact(Alice, arq, 10, "a call through the neighbour");
  if (!acf) return false;
  bool fine = SameAddress(Destination(*acf), TNeighbourGatekeeper::CalleeAddress());
  if (!fine) Complain("a call through the neighbour admitted to " + Text(Destination(*acf)), false);
  H225::rasMessage drq = Drq(AliceId, false);
  Identifier(static_cast<H225::disengageRequest*>(drq.alternative())->conferenceID, NeighbourKind, number);
  return Transact(Alice, drq, 16, "the end of a call through the neighbour") && fine;
}

bool TWellBehavedTraffic::RoutedCall() {
  const auto wait = RoutedCallEnded + RoutedCallSpacing - Clock::now();
  if (wait.count() > 0) {
    TLibraryPause pause;
    std::this_thread::sleep_for(wait);
  }
  H225::rasMessage arq = Arq(CarolId, "7103", "7104", false);
  auto* request = static_cast<H225::admissionRequest*>(arq.alternative());
  SampleIdentifier(request->conferenceID, 0x40);
  request->callIdentifier = new H225::callIdentifier;
  SampleIdentifier(request->callIdentifier->guid, 0x50);
  auto acf = Transact(Carol, arq, 10, "a routed call");
  if (!acf) return false;
  if (Acf(*acf).callModel.index() != 1) {
    Complain("a routed call admitted directly", false);
    return false;
  }
  const q931Testing::octets setup = q931Testing::fromHex(q931Testing::encodeMessage(routedCallMessages()[0].build()));
  TLeg caller, callee;
  std::string failure;
  if (!caller.ConnectFrom(4, Destination(*acf)) || !caller.Send(setup)) {
    failure = "the relay " + Text(Destination(*acf)) + " does not take the caller";
  } else {
    pollfd p{DaveListener, POLLIN, 0};
    int ready = 0;
    {
      TLibraryPause pause;
      ready = poll(&p, 1, int(StreamLimit.count()));
    }
    if (ready != 1 || (callee.Fd = accept(DaveListener, nullptr, nullptr)) < 0) {
      failure = "the relay does not call the callee";
    } else if (MessageType(callee.Receive()) != 0x05) {
      failure = "no Setup reaches the callee";
    } else {
      Q931::message release = routedCallMessages()[4].build();
      Q931::message sent;
      q931Testing::decodeMessage(sent, setup);
      release.callReference = sent.callReference;
      if (!caller.Send(q931Testing::fromHex(q931Testing::encodeMessage(release))) || !callee.ClosedByPeer() ||
          !caller.ClosedByPeer())
        failure = "the release does not end both legs";
    }
  }
  if (!failure.empty()) Complain(failure, false);
  // The caller, the one admitted, disengages itself once the call is
  // cleared, as endpoints do.
  H225::rasMessage drq = Drq(CarolId, false);
  auto* disengage = static_cast<H225::disengageRequest*>(drq.alternative());
  SampleIdentifier(disengage->conferenceID, 0x40);
  disengage->callIdentifier = new H225::callIdentifier;
  SampleIdentifier(disengage->callIdentifier->guid, 0x50);
  if (!Transact(Carol, drq, 16, "the routed call's end")) failure = "-";
  RoutedCallEnded = Clock::now();
  return failure.empty();
}

bool TWellBehavedTraffic::Cycle() {
  TLibraryTurn turn;
  bool fine = ReportLongCall();
  fine = Comings() && fine;
  fine = DirectCall() && fine;
  fine = NeighbourCall() && fine;
  fine = RoutedCall() && fine;
  std::lock_guard<std::mutex> hold(Lock);
  ++Counts.Cycles;
  return fine;
}

void TWellBehavedTraffic::StartCycling() {
  if (Cycling) return;
  Cycling = true;
  Rounds = std::thread([this] {
    while (Cycling) Cycle();
  });
}

void TWellBehavedTraffic::StopCycling() {
  if (!Cycling) return;
  Cycling = false;
  Rounds.join();
}
