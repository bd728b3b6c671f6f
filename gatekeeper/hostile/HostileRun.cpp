#include "HostileRun.h"

#include <arpa/inet.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include <asn/perCodec.h>
#include <h323/alias.h>
#include <orvo/exception.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "ConnectionAbuse.h"
#include "LibraryTurn.h"
#include "PacedFlood.h"
#include "RasRequests.h"
#include "SanitizerFindings.h"
#include "h323Corpus.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"

namespace {

using std::chrono::milliseconds;

const char* const RadiusSecret = "hostile-secret";
// Source networks: 127.1 mutated datagrams, 127.2 forgeries, 127.3 TCP.
const unsigned MutationNetwork = 1, ForgeryNetwork = 2, ConnectionNetwork = 3;

std::string Configuration(unsigned ANeighbourPort, unsigned AAuthentication, unsigned AAccounting) {
  std::ostringstream text;
  text << "aaa { address 127.0.0.1; authentication port " << AAuthentication << "; accounting port " << AAccounting
       << "; password \"" << RadiusSecret << "\"; }\n"
       << "user alice { login \"7101\"; alias \"7101\"; proxy level none; }\n"
       << "user bob { login \"7102\"; alias \"7102\"; proxy level none; }\n"
       << "user carol { login \"7103\"; alias \"7103\"; }\n"
       << "user dave { login \"7104\"; alias \"7104\"; }\n"
       << "user cycler { login \"7105\"; alias \"7105\"; proxy level none; }\n"
       << "user rad { login \"7106\"; alias \"7106\"; proxy level none; radius authentication login;"
          " radius name \"raduser\"; radius password \"radpw\"; }\n"
       << "user mallory { login \"7301\"; alias \"7301\"; }\n"
       << "user trent { login \"7302\"; alias \"7302\"; }\n"
       << "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" << ANeighbourPort
       << "; login \"gk2\"; alias \"2.*\"; proxy level none; register alias \"gk1\"; }\n";
  return text.str();
}

H225::rasMessage Arq(const std::string& AIdentifier, const char* ADestination, unsigned char AKind, unsigned ACall) {
  H225::rasMessage message = AdmissionRequest(AIdentifier, "6301", ADestination, 7);
  auto* arq = static_cast<H225::admissionRequest*>(message.alternative());
  arq->requestSeqNum = 7;
  unsigned char conference[16] = {AKind, (unsigned char)(ACall >> 16), (unsigned char)(ACall >> 8), (unsigned char)ACall};
  arq->conferenceID.setValue(conference, 16);
  return message;
}


// Reads what comes, each datagram within ALimit of the one before, and
// confirms the gatekeeper's disengage requests among it; the first answer
// to ARequest (its sequence number, its confirm or reject), or null. The
// caller holds the library's turn, given up during the waits.
std::unique_ptr<H225::rasMessage> Collect(TSimulatedEndpoint& AEndpoint, const H225::rasMessage* ARequest,
                                          milliseconds ALimit) {
  for (;;) {
    octets answer;
    sockaddr_in from{};
    bool received = false;
    {
      TLibraryPause pause;
      received = AEndpoint.ReceiveOctets(ALimit, answer, from);
    }
    if (!received) return nullptr;
    auto message = DecodeRasMessage(answer);
    if (message && message->index() == 15) {  // the gatekeeper ends a call: confirmed
      H225::rasMessage dcf;
      dcf.select(16);
      SetRasSequenceNumber(dcf, GetRasSequenceNumber(*message));
      AEndpoint.Send(dcf, from);
      continue;
    }
    // A request's confirm and reject follow it among the alternatives.
    if (message && ARequest && GetRasSequenceNumber(*message) == GetRasSequenceNumber(*ARequest) &&
        (message->index() == ARequest->index() + 1 || message->index() == ARequest->index() + 2))
      return message;
  }
}

// Sends and waits, a few times over; the answer or null. What was queued
// before answers earlier traffic (the floods' copies of the endpoint's own
// requests draw answers too) and is read away first. The caller holds the
// library's turn, given up during the waits.
std::unique_ptr<H225::rasMessage> Ask(TSimulatedEndpoint& AEndpoint, H225::rasMessage& ARequest,
                                      const sockaddr_in& ATo) {
  TLibraryTurn turn;
  Collect(AEndpoint, nullptr, milliseconds(0));
  SetRasSequenceNumber(ARequest, AEndpoint.NextSequenceNumber());
  for (int attempt = 0; attempt < 6; ++attempt) {
    AEndpoint.Send(ARequest, ATo);
    if (auto answer = Collect(AEndpoint, &ARequest, milliseconds(500))) return answer;
  }
  return nullptr;
}

}  // namespace

std::string THostileRun::Program(std::string& AWhy) {
  const char* chosen = std::getenv("ORVO_HOSTILE_GATEKEEPER");
  if (chosen && *chosen) {
    AWhy = "named by ORVO_HOSTILE_GATEKEEPER";
    return chosen;
  }
#ifdef ORVO_SANITIZED_BUILD
  AWhy = "this build's, built with the sanitizers";
  return GatekeeperProgram();
#else
  auto Modified = [](const std::string& APath) {
    struct stat info;
    return stat(APath.c_str(), &info) == 0 ? (long long)info.st_mtime : -1;
  };
  const std::string sanitized = std::string(ORVO_SOURCE_DIR) + "/build-asan/gatekeeper/orvogk";
  if (Modified(sanitized) >= 0 && Modified(sanitized) >= Modified(GatekeeperProgram())) {
    AWhy = "the sanitizer build's";
    return sanitized;
  }
  AWhy = Modified(sanitized) < 0 ? "this build's: no sanitizer build (make build-asan) is there"
                                 : "this build's: the sanitizer build's is older";
  return GatekeeperProgram();
#endif
}

THostileRun::THostileRun(std::uint32_t ASeed) : Seed(ASeed), Random(ASeed), Radius(RadiusSecret) {
  ProgramPath = Program(ProgramWhy);
}

THostileRun::~THostileRun() {
  if (Traffic) Traffic->StopCycling();
}

bool THostileRun::Start() {
  TGatekeeperSetup setup;
  setup.Identifier = "GK1";
  setup.LogRules = "registrations yes;\n";
  setup.Sections = Configuration(ntohs(Neighbour.Address().sin_port), Radius.AuthenticationPort(),
                                 Radius.AccountingPort());
  Gatekeeper = std::make_unique<TGatekeeperUnderTest>(setup);
  TRunOptions options;
  options.Program = ProgramPath;
  options.DescriptorLimit = DescriptorLimit;
  // A small quarantine, freed memory handed back to the system, and short
  // allocation stacks, so that the sanitizer's own keeping does not hide the
  // program's in the figures. Reports go to the console: with the table
  // full a report file could not be opened.
  options.Environment.push_back(AppendedSetting(
      "ASAN_OPTIONS",
      "quarantine_size_mb=4:allocator_release_to_os_interval_ms=100:malloc_context_size=8:detect_leaks=1"));
  if (!Gatekeeper->Start(options, std::chrono::seconds(30))) {
    ADD_FAILURE() << "the gatekeeper (" << ProgramPath << ") does not start:\n" << Gatekeeper->Console();
    return false;
  }
  Pid = Gatekeeper->Pid();
  Counts.Start = ReadProcessFigures(Pid);
  if (!Neighbour.WaitForLink(10000) || !Neighbour.RegisterAt(Gatekeeper->RasAddress())) {
    ADD_FAILURE() << "the link never speaks to the neighbour\n" << Gatekeeper->Log();
    return false;
  }
  Traffic = std::make_unique<TWellBehavedTraffic>(Gatekeeper->RasAddress());
  Mallory = std::make_unique<TSimulatedEndpoint>(ConnectionNetwork << 16 | 0xff01);
  Trent = std::make_unique<TSimulatedEndpoint>(ConnectionNetwork << 16 | 0xff02);
  if (!TrentListener.Bind(ConnectionNetwork << 16 | 0xff02) || !TrentListener.Listen()) {
    ADD_FAILURE() << "no listener for Trent's calls";
    return false;
  }
  auto registration = [&](TSimulatedEndpoint& AEndpoint, const char* AAlias, const sockaddr_in& ASignal) {
    TLibraryTurn turn;
    auto rrq = AEndpoint.RegistrationRequest({AAlias});
    auto* request = static_cast<H225::registrationRequest*>(rrq->alternative());
    request->callSignalAddress.clear();
    H323::sockaddrToTransport(ASignal, *request->callSignalAddress.appendNew());
    auto rcf = Ask(AEndpoint, *rrq, Gatekeeper->RasAddress());
    return rcf ? ConfirmedIdentifier(*rcf) : std::string();
  };
  MalloryId = registration(*Mallory, "7301", Mallory->CallSignalAddress());
  TrentId = registration(*Trent, "7302", TrentListener.Address());
  if (!Traffic->Begin() || MalloryId.empty() || TrentId.empty() || !Traffic->Cycle()) {
    std::string complaints;
    for (const std::string& complaint : Traffic->Figures().Complaints) complaints += complaint + "\n";
    ADD_FAILURE() << "the well-behaved endpoints do not get going\n" << complaints << Gatekeeper->Log();
    return false;
  }
  // The allocator's pools (and under the sanitizers their bookkeeping of
  // allocation sites) grow to the mix of a flood once; what is measured
  // afterwards is whether they keep growing.
  MutatedDatagrams(WarmingSeconds);
  Counts.Baseline = Counts.Largest = Counts.Last = ReadProcessFigures(Pid);
  Traffic->StartCycling();
  return true;
}

std::vector<octets> THostileRun::OwnMessages() {
  TLibraryTurn turn;
  std::vector<octets> own;
  auto add = [&own](const char* AName, const H225::rasMessage& AMessage) {
    try {
      own.push_back(EncodeRas(AMessage));
    } catch (orvo::exception* e) {
      ADD_FAILURE() << AName << " does not encode: " << toStd(*e->message());
      delete e;
    }
  };
  TSimulatedEndpoint& stranger = *Mallory;
  add("GRQ", *DiscoveryRequest(stranger, {"6301"}));
  add("GRQ naming the gatekeeper", *DiscoveryRequest(stranger, {"6302"}, "GK1"));
  add("RRQ", *stranger.RegistrationRequest({"6301", "6302"}));
  add("lightweight RRQ", *KeepAliveRequest(stranger, "6303"));
  add("URQ", *UnregistrationRequest(stranger, "6304"));
  add("DRQ", *DisengageRequest(stranger, "6305", 0x63));
  add("IRR", *InfoReport(stranger, "6306", 0x63));
  add("ARQ", Arq("6307", "7102", 0x63, 1));
  H225::rasMessage lrq;
  auto* location = static_cast<H225::locationRequest*>(lrq.select(18));
  location->requestSeqNum = 9;
  H323::makeAliasAddress(*location->destinationInfo.appendNew(), "6399");
  H323::sockaddrToTransport(stranger.Address(), location->replyAddress);
  add("LRQ", lrq);
  H225::rasMessage lcf;
  auto* located = static_cast<H225::locationConfirm*>(lcf.select(19));
  located->requestSeqNum = 9;
  H323::sockaddrToTransport(LoopbackAddress(0x090909, 1720), located->callSignalAddress);
  H323::sockaddrToTransport(LoopbackAddress(0x090909, 1719), located->rasAddress);
  add("LCF", lcf);
  return own;
}

void THostileRun::MutatedDatagrams(double ASeconds) {
  std::vector<octets> seeds = OwnMessages();
  for (const corpusMessage& message : h323CorpusMessages("ras")) seeds.push_back(message.octets);
  TDatagramMutator mutator(seeds, Random());
  const sockaddr_in ras = Gatekeeper->RasAddress(), link = Neighbour.LinkAddress();
  unsigned turn = 0;
  TPacedFlood flood(MutationNetwork, 200, ras);
  flood.Run(
      [&](octets& ADatagram, sockaddr_in& ATo) {
        ADatagram = mutator.Next();
        ATo = ++turn % 4 == 0 ? link : ras;
      },
      ASeconds, 4000000);
  Counts.Datagrams += flood.Sent();
  Counts.ProbesLost += flood.ProbesLost();
}

void THostileRun::ForgedAnswers(double ASeconds) {
  std::vector<TRasTemplate> forgeries;
  {
    TLibraryTurn turn;
    const sockaddr_in elsewhere = LoopbackAddress(0x090909, 1720);
    H225::rasMessage rcf, acf, lcf, ucf, dcf;
    auto* registered = static_cast<H225::registrationConfirm*>(rcf.select(4));
    registered->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
    H323::sockaddrToTransport(elsewhere, *registered->callSignalAddress.appendNew());
    registered->endpointIdentifier = "FORGED";
    auto* admitted = static_cast<H225::admissionConfirm*>(acf.select(10));
    admitted->bandWidth = 640;
    admitted->callModel.select(0);
    H323::sockaddrToTransport(elsewhere, admitted->destCallSignalAddress);
    auto* located = static_cast<H225::locationConfirm*>(lcf.select(19));
    H323::sockaddrToTransport(elsewhere, located->callSignalAddress);
    H323::sockaddrToTransport(elsewhere, located->rasAddress);
    ucf.select(7);
    dcf.select(16);
    // An unregistration of nobody, posing as the gatekeeper's.
    auto urq = UnregistrationRequest(*Mallory, "FORGED");
    for (H225::rasMessage* message : {&rcf, &acf, &lcf, &ucf, &dcf, urq.get()}) {
      forgeries.emplace_back(*message);
      EXPECT_TRUE(forgeries.back().Valid()) << "a forgery with its number left open";
    }
  }
  const unsigned long radiusForged = Radius.Forged();
  Radius.SetForging(true);
  const sockaddr_in ras = Gatekeeper->RasAddress(), link = Neighbour.LinkAddress();
  unsigned turn = 0;
  TPacedFlood flood(ForgeryNetwork, 64, ras);
  flood.Run(
      [&](octets& ADatagram, sockaddr_in& ATo) {
        // Around the numbers the gatekeeper uses right now, to the RAS port
        // and to the link, from addresses nobody asked.
        const unsigned base = std::max(Neighbour.LastSequenceNumber(), Traffic->LastGatekeeperSequence());
        const unsigned sequence = (base + 65530 + Random() % 40) % 65535 + 1;
        ADatagram = forgeries[turn++ % forgeries.size()].With(sequence);
        ATo = turn % 2 ? link : ras;
      },
      ASeconds, 4000000);
  Counts.Forgeries += flood.Sent() + Radius.Forged() - radiusForged;
  Counts.ProbesLost += flood.ProbesLost();
  Radius.SetForging(false);
}

// Every relay call has a conference of its own: a call the gatekeeper still
// keeps (its record outlives the disengage) never stands in the way.
unsigned THostileRun::RelayPort() {
  TLibraryTurn turn;
  const unsigned call = ++RelayCalls;
  H225::rasMessage arq = Arq(MalloryId, "7302", 0x73, call);
  auto acf = Ask(*Mallory, arq, Gatekeeper->RasAddress());
  if (!acf || acf->index() != 10) {
    std::ostringstream text;
    if (acf)
      text << *acf;
    else
      text << "no answer";
    RelayRefusal = text.str();
    return 0;
  }
  OpenRelayCalls.push_back(call);
  sockaddr_in relay{};
  H323::transportToSockaddr(static_cast<const H225::admissionConfirm*>(acf->alternative())->destCallSignalAddress,
                            relay);
  return ntohs(relay.sin_port);
}

void THostileRun::EndRelayCalls() {
  TLibraryTurn turn;
  for (unsigned call : OpenRelayCalls) {
    H225::rasMessage drq;
    auto* request = static_cast<H225::disengageRequest*>(drq.select(15));
    request->endpointIdentifier = MalloryId.c_str();
    unsigned char conference[16] = {0x73, (unsigned char)(call >> 16), (unsigned char)(call >> 8), (unsigned char)call};
    request->conferenceID.setValue(conference, 16);
    request->callReferenceValue = 7;
    request->disengageReason.select(1);
    Ask(*Mallory, drq, Gatekeeper->RasAddress());
  }
  OpenRelayCalls.clear();
}

void THostileRun::AbusiveConnections() {
  const unsigned Relays = 8;
  const sockaddr_in signal = LoopbackAddress(1, Gatekeeper->CallSignalPort());
  const sockaddr_in monitor = LoopbackAddress(1, Gatekeeper->MonitorPort());
  std::vector<sockaddr_in> relays;
  // The abuser's own requests may be lost on a loaded machine like anyone's:
  // a call that is not admitted is asked for again under a new conference.
  for (unsigned attempt = 0; attempt < 2 * Relays && relays.size() < Relays; ++attempt)
    if (unsigned port = RelayPort()) relays.push_back(LoopbackAddress(1, port));
  EXPECT_EQ(Relays, relays.size()) << "relay ports for the abuse; the last refusal: " << RelayRefusal;

  octets frame;
  {
    TLibraryTurn turn;
    frame = TpktFrame(q931Testing::fromHex(q931Testing::encodeMessage(routedCallMessages()[0].build())));
  }
  TConnectionAbuse abuse(ConnectionNetwork);
  std::vector<sockaddr_in> targets = {signal, monitor};
  for (const sockaddr_in& relay : relays) {
    abuse.Idle(relay, 1);  // first on the port, and silent: the relay listens on beside it
    targets.push_back(relay);
  }
  for (const sockaddr_in& target : targets) {
    abuse.Garbage(target, 20, Random);
    abuse.ResetMidFrame(target, 20, frame);
    abuse.AnnounceAndFallSilent(target, 4);
  }
  abuse.Idle(signal, 150);
  abuse.Idle(monitor, 150);
  for (const sockaddr_in& relay : relays) abuse.Idle(relay, 12);
  // Whole or dribbled, a Setup is read the same.
  for (int round = 0; round < 2; ++round) {
    const int whole = abuse.SendFrame(signal, frame, false);
    const int dribbled = abuse.SendFrame(signal, frame, true);
    EXPECT_EQ(whole, dribbled) << "the answer to a Setup sent octet by octet";
    EXPECT_NE(-2, whole) << "no answer to a Setup on the call-signal port";
  }
  std::this_thread::sleep_for(milliseconds(1000));
  Counts.Connections += abuse.Opened();
  abuse.CloseAll();
  EndRelayCalls();
}

void THostileRun::DescriptorExhaustion() {
  // The well-behaved rounds need descriptors for their routed calls: they
  // wait while the table is full, and their registrations are checked then.
  Traffic->StopCycling();
  const sockaddr_in signal = LoopbackAddress(1, Gatekeeper->CallSignalPort());
  const sockaddr_in monitor = LoopbackAddress(1, Gatekeeper->MonitorPort());
  const unsigned relay = RelayPort();
  EXPECT_NE(0u, relay) << "the last refusal: " << RelayRefusal;
  EXPECT_TRUE(Traffic->Undisturbed()) << "before the table fills";
  TConnectionAbuse abuse(ConnectionNetwork);
  abuse.Fill(signal, unsigned(DescriptorLimit) + 64);
  const int held = ReadProcessFigures(Pid).Descriptors;
  EXPECT_GE(held, int(DescriptorLimit) - 2) << "the connections take every descriptor";
  abuse.Idle(signal, 4);
  abuse.Idle(monitor, 4);
  if (relay) abuse.Idle(LoopbackAddress(1, relay), 4);
  std::this_thread::sleep_for(milliseconds(300));
  const double share = CpuShare(Pid, 2000);
  EXPECT_LT(share, 0.5) << "the loop spins while it cannot accept (" << held << " descriptors)";
  EXPECT_TRUE(Traffic->Undisturbed()) << "RAS served while the descriptors are gone";
  Counts.Connections += abuse.Opened();
  abuse.CloseAll();
  EndRelayCalls();
  Traffic->StartCycling();
}

void THostileRun::StalledRelayCall() {
  const unsigned Frames = 1000;  // 65 MB at most
  const unsigned port = RelayPort();
  EXPECT_NE(0u, port) << "a relay port for the flood; the last refusal: " << RelayRefusal;
  if (!port) return;
  octets setup;
  {
    TLibraryTurn turn;
    setup = q931Testing::fromHex(q931Testing::encodeMessage(routedCallMessages()[0].build()));
  }
  TCallLeg caller, callee;
  const bool through = caller.Bind(ConnectionNetwork << 16 | 0xff01, 4096) &&
                       caller.Connect(LoopbackAddress(1, port)) && caller.Send(setup) &&
                       TrentListener.Accept(callee) && !callee.Receive().empty();
  EXPECT_TRUE(through) << "the Setup of the flooded call at its callee";
  if (through) {
    const long start = ReadProcessFigures(Pid).ResidentKiB;
    const auto flooded = std::chrono::steady_clock::now();
    const size_t taken = callee.Flood(Frames, milliseconds(1000));
    Counts.Flooded += taken;
    EXPECT_LT(taken, Frames * 65535u) << "the gatekeeper stopped taking the flood";
    long largest = ReadProcessFigures(Pid).ResidentKiB;
    EXPECT_TRUE(Traffic->Undisturbed()) << "RAS served while the call is held up";
    EXPECT_FALSE(callee.Receive().empty()) << "the callee's Release Complete";
    EXPECT_TRUE(callee.ClosedByPeer());
    EXPECT_LT(std::chrono::steady_clock::now() - flooded, milliseconds(FloodEndMilliseconds))
        << "the flooded call ends within its bound";
    largest = std::max(largest, ReadProcessFigures(Pid).ResidentKiB);
    EXPECT_LE(largest, start + FloodMarginKiB) << "resident memory (KiB) under the flood; at its start " << start;
  }
  Counts.Connections += 2;
  EndRelayCalls();
}

bool THostileRun::WaitForFigures(const std::string& APhase) {
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  for (;;) {
    Counts.Last = ReadProcessFigures(Pid);
    if (Counts.Last.ResidentKiB > Counts.Largest.ResidentKiB) Counts.Largest.ResidentKiB = Counts.Last.ResidentKiB;
    if (Counts.Last.Descriptors > Counts.Largest.Descriptors) Counts.Largest.Descriptors = Counts.Last.Descriptors;
    const bool memory = Counts.Last.ResidentKiB <= Counts.Baseline.ResidentKiB + MemoryMarginKiB;
    const bool descriptors = Counts.Last.Descriptors <= Counts.Baseline.Descriptors + DescriptorMargin;
    if (memory && descriptors) return true;
    if (std::chrono::steady_clock::now() >= end) {
      EXPECT_TRUE(memory) << APhase << ": resident memory " << Counts.Last.ResidentKiB << " KiB, at the start "
                          << Counts.Baseline.ResidentKiB << " KiB";
      EXPECT_TRUE(descriptors) << APhase << ": " << Counts.Last.Descriptors << " descriptors open, at the start "
                               << Counts.Baseline.Descriptors;
      return false;
    }
    std::this_thread::sleep_for(milliseconds(100));
  }
}

void THostileRun::CheckAfter(const std::string& APhase) {
  ++Counts.Phases;
  Traffic->StopCycling();
  const bool alive = ProcessAlive(Pid);
  EXPECT_TRUE(alive) << APhase << ": the gatekeeper died\n" << Gatekeeper->Console() << SanitizerReports();
  if (!alive) return;
  EXPECT_TRUE(Traffic->Undisturbed()) << APhase;
  EXPECT_TRUE(Traffic->Cycle()) << APhase << ": a well-behaved round after the phase";
  const TWellBehavedFigures traffic = Traffic->Figures();
  EXPECT_EQ(0u, traffic.Lost) << APhase;
  EXPECT_EQ(0u, traffic.Wrong) << APhase;
  for (const std::string& complaint : traffic.Complaints) ADD_FAILURE() << APhase << ": " << complaint;
  WaitForFigures(APhase);
  EXPECT_EQ("", SanitizerReports()) << APhase;
  Traffic->StartCycling();
}

std::string THostileRun::SanitizerReports() const { return Gatekeeper->SanitizerFindings(); }

void THostileRun::Finish() {
  if (!Traffic || Pid < 0) return;
  Traffic->StopCycling();
  if (ProcessAlive(Pid)) {
    EXPECT_TRUE(Traffic->End()) << "the well-behaved endpoints leave";
    for (const std::string& complaint : Traffic->Figures().Complaints) ADD_FAILURE() << "at the end: " << complaint;
    for (auto* endpoint : {Mallory.get(), Trent.get()}) {
      TLibraryTurn turn;
      const std::string& identifier = endpoint == Mallory.get() ? MalloryId : TrentId;
      Ask(*endpoint, *UnregistrationRequest(*endpoint, identifier), Gatekeeper->RasAddress());
    }
    EXPECT_EQ(0, Gatekeeper->Stop(std::chrono::seconds(30))) << Gatekeeper->Console();
  }
  EXPECT_EQ("", SanitizerReports()) << "what the sanitizers wrote";
}

void THostileRun::Print(std::ostream& AOut) const {
  const TWellBehavedFigures traffic = Traffic ? Traffic->Figures() : TWellBehavedFigures();
  AOut << "Hostile traffic (seed " << Seed << "), gatekeeper " << ProgramPath << " (" << ProgramWhy << ")\n"
       << "  phases checked:            " << Counts.Phases << "\n"
       << "  mutated datagrams sent:    " << Counts.Datagrams << "\n"
       << "  forged answers sent:       " << Counts.Forgeries << "\n"
       << "  connections opened:        " << Counts.Connections << "\n"
       << "  pacing probes unanswered:  " << Counts.ProbesLost << "\n"
       << "  octets of relay floods:    " << Counts.Flooded << "\n"
       << "  well-behaved rounds:       " << traffic.Cycles << "\n"
       << "  well-behaved requests:     " << traffic.Requests << " (" << traffic.Retransmissions
       << " retransmissions)\n"
       << "  answers lost:              " << traffic.Lost << "\n"
       << "  answers wrong:             " << traffic.Wrong << "\n"
       << "  resident memory (KiB):     start " << Counts.Start.ResidentKiB << ", baseline "
       << Counts.Baseline.ResidentKiB << ", largest seen after a phase " << Counts.Largest.ResidentKiB
       << ", last " << Counts.Last.ResidentKiB << "\n"
       << "  open descriptors:          start " << Counts.Start.Descriptors << ", baseline "
       << Counts.Baseline.Descriptors << ", largest seen after a phase " << Counts.Largest.Descriptors << ", last "
       << Counts.Last.Descriptors << "\n";
}
