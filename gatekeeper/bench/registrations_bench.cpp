// The core's cost per RAS request as registrations grow: a fresh RRQ, a
// keep-alive RRQ, and an ARQ with its DRQ while 1,000 calls are held open,
// each at N already registered. Driven in this process through the core's
// message entry, without sockets (answers fail to send at once), so that the
// figures are the core's own work: what grows with N is a walk somewhere.
#include <arpa/inet.h>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Gatekeeper.h>

namespace {

// Every endpoint is a user "ep" by its login; only "target" takes calls by
// alias, so a route costs a look at who may take it, not a long list.
const char* const Configuration =
    "system { identifier \"GK\"; address 127.0.0.1; ras port 0; }\n"
    "user ep { login \"ep[0-9]+\"; proxy level none; connections 100000; registration validity 86400; connection "
    "validity 86400; }\n"
    "user target { login \"target\"; alias \"target\"; proxy level none; connections 100000; registration validity "
    "86400; connection validity 86400; }\n";

const int HeldCalls = 1000;

// Endpoint i lives at 127.x.y.z (spread over the loopback network) on the
// usual ports; nothing is ever sent there.
sockaddr_in HostOf(unsigned AIndex, unsigned APort) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(0x7f000000u | ((AIndex + 2) & 0xffffffu));
  address.sin_port = htons(uint16_t(APort));
  return address;
}

std::string NameOf(unsigned AIndex) { return "ep" + std::to_string(AIndex); }

std::string IdentifierOf(unsigned AIndex) {
  const sockaddr_in address = HostOf(AIndex, 1720);
  char text[32];
  snprintf(text, sizeof text, "%x:%x", unsigned(ntohl(address.sin_addr.s_addr)), 1720u);
  return text;
}

void FillRegistration(H225::rasMessage& AMessage, unsigned AIndex, const std::string& AAlias, unsigned ASequence) {
  auto* rrq = static_cast<H225::registrationRequest*>(AMessage.select(3));
  rrq->requestSeqNum = ASequence;
  rrq->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  rrq->discoveryComplete = false;
  H323::sockaddrToTransport(HostOf(AIndex, 1720), *rrq->callSignalAddress.appendNew());
  H323::sockaddrToTransport(HostOf(AIndex, 1719), *rrq->rasAddress.appendNew());
  rrq->terminalType.terminal = new H225::terminalInfo;
  rrq->terminalType.mc = false;
  rrq->terminalType.undefinedNode = false;
  rrq->terminalAlias = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  H323::makeAliasAddress(*rrq->terminalAlias->appendNew(), AAlias.c_str(), 1);
  rrq->endpointVendor.vendor.t35CountryCode = 181;
  rrq->endpointVendor.vendor.t35Extension = 0;
  rrq->endpointVendor.vendor.manufacturerCode = 21324;
  rrq->keepAlive = new asn::booltype;
  *rrq->keepAlive = false;
}

void FillKeepAlive(H225::rasMessage& AMessage, unsigned AIndex, unsigned ASequence) {
  FillRegistration(AMessage, AIndex, NameOf(AIndex), ASequence);
  auto* rrq = static_cast<H225::registrationRequest*>(AMessage.alternative());
  delete rrq->terminalAlias;
  rrq->terminalAlias = nullptr;
  *rrq->keepAlive = true;
  rrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
  *rrq->endpointIdentifier = IdentifierOf(AIndex).c_str();
}

void FillUnregistration(H225::rasMessage& AMessage, unsigned AIndex, unsigned ASequence) {
  auto* urq = static_cast<H225::unregistrationRequest*>(AMessage.select(6));
  urq->requestSeqNum = ASequence;
  H323::sockaddrToTransport(HostOf(AIndex, 1720), *urq->callSignalAddress.appendNew());
  urq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
  *urq->endpointIdentifier = IdentifierOf(AIndex).c_str();
}

H323::guidOctets Conference(unsigned ANumber) {
  unsigned char octets[16] = {};
  for (int i = 0; i < 4; ++i) octets[i] = (unsigned char)(ANumber >> (8 * i));
  octets[15] = 0x5a;
  H323::guidOctets guid;
  guid.setValue(octets, 16);
  return guid;
}

void FillAdmission(H225::rasMessage& AMessage, unsigned ACaller, unsigned ACall, unsigned ASequence) {
  auto* arq = static_cast<H225::admissionRequest*>(AMessage.select(9));
  arq->requestSeqNum = ASequence;
  arq->callType.select(0);
  arq->endpointIdentifier = IdentifierOf(ACaller).c_str();
  arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  H323::makeAliasAddress(*arq->destinationInfo->appendNew(), "target");
  H323::makeAliasAddress(*arq->srcInfo.appendNew(), NameOf(ACaller).c_str());
  arq->bandWidth = 640;
  arq->callReferenceValue = ACall & 0x7fff;
  arq->conferenceID = Conference(ACall);
  arq->answerCall = false;
}

void FillDisengage(H225::rasMessage& AMessage, unsigned ACaller, unsigned ACall, unsigned ASequence) {
  auto* drq = static_cast<H225::disengageRequest*>(AMessage.select(15));
  drq->requestSeqNum = ASequence;
  drq->endpointIdentifier = IdentifierOf(ACaller).c_str();
  drq->conferenceID = Conference(ACall);
  drq->callReferenceValue = ACall & 0x7fff;
  drq->disengageReason.select(1);  // normalDrop
}

// A core with N endpoints registered through RRQs, and the callee.
class TLoadedCore {
public:
  explicit TLoadedCore(unsigned ACount) : Count(ACount) {
    Core.ReloadConfiguration(new std::istringstream(Configuration));
    Core.SetStateForTesting(TGatekeeper::gksRunning);
    for (unsigned i = 0; i < ACount; ++i) Register(i, NameOf(i));
    Register(CalleeIndex(), "target");
  }
  ~TLoadedCore() {
    // Calls whose removal is due go before the core does.
    Advance();
  }

  void Handle(H225::rasMessage& AMessage, unsigned AIndex) { Core.HandleRasMessage(HostOf(AIndex, 1719), AMessage); }
  void Register(unsigned AIndex, const std::string& AAlias) {
    H225::rasMessage rrq;
    FillRegistration(rrq, AIndex, AAlias, NextSequence());
    Handle(rrq, AIndex);
  }
  unsigned CalleeIndex() const { return 0xfffff0u; }
  unsigned NextSequence() { return Sequence = Sequence % 65535 + 1; }
  // Lets the scheduled removals of ended calls run.
  void Advance() {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1500));
    orvo::sockEvent::dispatch(0);
  }

  TGatekeeper Core;
  unsigned Count;
  unsigned Sequence = 0;
};

void Counts(benchmark::internal::Benchmark* ABenchmark) {
  for (int n : {1000, 10000, 100000}) ABenchmark->Arg(n);
  ABenchmark->Unit(benchmark::kMicrosecond);
}

void FreshRegistration(benchmark::State& AState) {
  TLoadedCore gk(unsigned(AState.range(0)));
  unsigned next = gk.Count;
  for (auto _ : AState) {
    H225::rasMessage rrq;
    FillRegistration(rrq, next, NameOf(next), gk.NextSequence());
    gk.Handle(rrq, next);
    AState.PauseTiming();
    // Back to N: the endpoint leaves by its own request.
    H225::rasMessage urq;
    FillUnregistration(urq, next, gk.NextSequence());
    gk.Handle(urq, next);
    ++next;
    AState.ResumeTiming();
  }
  if (gk.Core.Registrations().Count() != gk.Count + 1) AState.SkipWithError("registrations lost or kept");
}
BENCHMARK(FreshRegistration)->Apply(Counts);

void KeepAliveRegistration(benchmark::State& AState) {
  TLoadedCore gk(unsigned(AState.range(0)));
  unsigned next = 0;
  for (auto _ : AState) {
    H225::rasMessage rrq;
    FillKeepAlive(rrq, next, gk.NextSequence());
    gk.Handle(rrq, next);
    next = (next + 7919) % gk.Count;
  }
}
BENCHMARK(KeepAliveRegistration)->Apply(Counts);

void AdmissionAndDisengage(benchmark::State& AState) {
  TLoadedCore gk(unsigned(AState.range(0)));
  // Calls held open by the first endpoints, so that every call lookup has
  // company.
  for (unsigned call = 0; call < unsigned(HeldCalls); ++call) {
    H225::rasMessage arq;
    FillAdmission(arq, call % gk.Count, call, gk.NextSequence());
    gk.Handle(arq, call % gk.Count);
  }
  if (gk.Core.Connections().Count() != unsigned(HeldCalls)) AState.SkipWithError("held calls not admitted");
  unsigned call = HeldCalls, caller = 0;
  unsigned done = 0;
  for (auto _ : AState) {
    H225::rasMessage arq;
    FillAdmission(arq, caller, call, gk.NextSequence());
    gk.Handle(arq, caller);
    H225::rasMessage drq;
    FillDisengage(drq, caller, call, gk.NextSequence());
    gk.Handle(drq, caller);
    ++call;
    caller = (caller + 7919) % gk.Count;
    if (++done % 1000 == 0) {
      AState.PauseTiming();
      gk.Advance();
      AState.ResumeTiming();
    }
  }
  gk.Advance();
  if (gk.Core.Connections().Count() != unsigned(HeldCalls)) AState.SkipWithError("calls not ended by DRQ");
}
BENCHMARK(AdmissionAndDisengage)->Apply(Counts);

// Resident bytes of the process, from the kernel's page counts.
long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096;
}

// What one registration costs in resident memory: the growth while N
// endpoints register, divided by N (the core's fixed part is there before).
// Resident growth means something only in a process that has not freed
// memory before: run it alone (--benchmark_filter=Memory).
void MemoryPerRegistration(benchmark::State& AState) {
  for (auto _ : AState) {
    TGatekeeper* core = nullptr;
    const long before = ResidentBytes();
    const size_t heapBefore = mallinfo2().uordblks;
    {
      TLoadedCore gk(unsigned(AState.range(0)));
      const long after = ResidentBytes();
      AState.counters["bytes_per_registration"] = double(after - before) / double(AState.range(0));
      AState.counters["heap_bytes_per_registration"] =
          double(mallinfo2().uordblks - heapBefore) / double(AState.range(0));
      core = &gk.Core;
      benchmark::DoNotOptimize(core);
    }
  }
}
BENCHMARK(MemoryPerRegistration)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
