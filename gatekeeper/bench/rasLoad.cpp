// The RAS load benchmark: the gatekeeper program on a loopback configuration
// of its own, pinned to one core, driven from generator threads on other
// cores, and a plain UDP echo server measured the same way as the limit.
//   rasLoad --gatekeeper=PATH --echo=PATH [--json=PATH] [--quick] [--million]
//           [--threads=N] [--sockets=N] [--server-core=N] [--window=N] [--arq-window=N]
//           [--seconds=S] [--revision=TEXT] [--profile] [--keep] [--keep-alive-only]
// Prints a table and writes the figures as JSON.
#include <arpa/inet.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "RasLoadGenerator.h"
#include "RasLoadProcess.h"
#include "RasLoadReport.h"
#include "RasLoadTemplates.h"

using namespace rasload;

namespace {

struct TOptions {
  std::string Gatekeeper, Echo, Json = "bench-ras.json";
  std::string Revision;  // of the sources measured, for the JSON
  bool Quick = false, Million = false, Keep = false;
  bool Profile = false;  // perf over the main phases, reports beside the JSON
  // The keep-alive phases alone (and the fills they need), for quick
  // comparisons of the receive path.
  bool KeepAliveOnly = false;
  unsigned Threads = 4;
  unsigned SocketsPerThread = 16;
  int ServerCore = -1;  // -1: the last core
  unsigned Window = 64;
  // The ARQ phase keeps fewer outstanding: its latency is that of a
  // saturated gatekeeper with a short queue.
  unsigned AdmissionWindow = 16;
  double Seconds = 3;  // keep-alive, call and echo phases
};

bool Option(const char* AArgument, const char* AName, std::string& AValue) {
  size_t n = std::strlen(AName);
  if (std::strncmp(AArgument, AName, n) != 0 || AArgument[n] != '=') return false;
  AValue = AArgument + n + 1;
  return true;
}

TOptions ParseOptions(int argc, char* argv[]) {
  TOptions o;
  for (int i = 1; i < argc; ++i) {
    std::string value;
    const char* a = argv[i];
    if (Option(a, "--gatekeeper", value))
      o.Gatekeeper = value;
    else if (Option(a, "--echo", value))
      o.Echo = value;
    else if (Option(a, "--json", value))
      o.Json = value;
    else if (Option(a, "--revision", value))
      o.Revision = value;
    else if (Option(a, "--threads", value))
      o.Threads = unsigned(std::stoul(value));
    else if (Option(a, "--server-core", value))
      o.ServerCore = std::stoi(value);
    else if (Option(a, "--window", value))
      o.Window = unsigned(std::stoul(value));
    else if (Option(a, "--arq-window", value))
      o.AdmissionWindow = unsigned(std::stoul(value));
    else if (Option(a, "--sockets", value))
      o.SocketsPerThread = unsigned(std::stoul(value));
    else if (Option(a, "--seconds", value))
      o.Seconds = std::stod(value);
    else if (std::strcmp(a, "--quick") == 0)
      o.Quick = true;
    else if (std::strcmp(a, "--million") == 0)
      o.Million = true;
    else if (std::strcmp(a, "--keep") == 0)
      o.Keep = true;
    else if (std::strcmp(a, "--profile") == 0)
      o.Profile = true;
    else if (std::strcmp(a, "--keep-alive-only") == 0)
      o.KeepAliveOnly = true;
    else
      throw std::runtime_error(std::string("unknown argument ") + a);
  }
  if (o.Gatekeeper.empty() || o.Echo.empty()) throw std::runtime_error("--gatekeeper and --echo are needed");
  if (o.Threads == 0 || o.Window < o.Threads || o.AdmissionWindow < o.Threads || o.SocketsPerThread == 0)
    throw std::runtime_error("bad --threads, --sockets, --window or --arq-window");
  return o;
}

// Counts of one run: the default, or tiny ones for --quick.
struct TScale {
  unsigned Batch = 1000;  // fresh registrations measured at each level
  unsigned Levels[4] = {0, 1000, 10000, 100000};
  unsigned HeldCalls = 1000;
  unsigned MemoryCalls = 5000;
  double Seconds = 3;
  double BatchSeconds = 60, FillSeconds[4] = {0, 60, 120, 180};
  unsigned Million = 1000000;
  double MillionSeconds = 600;
};

TScale ScaleOf(const TOptions& AOptions) {
  TScale s;
  s.Seconds = AOptions.Seconds;
  if (!AOptions.Quick) return s;
  s.Batch = 50;
  s.Levels[1] = 100;
  s.Levels[2] = 200;
  s.Levels[3] = 300;
  s.HeldCalls = 12;
  s.MemoryCalls = 60;
  s.Seconds = 0.3;
  s.BatchSeconds = 10;
  for (double& f : s.FillSeconds) f = 10;
  s.Million = 1000;
  s.MillionSeconds = 10;
  return s;
}

sockaddr_in Loopback(unsigned APort) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(uint16_t(APort));
  return address;
}

std::string LoadAverage() {
  std::string text = ReadFile("/proc/loadavg");
  return text.substr(0, text.find(' ', text.find(' ', text.find(' ') + 1) + 1));
}

std::string UtcNow() {
  char text[32];
  std::time_t now = std::time(nullptr);
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&now));
  return text;
}

// One user holds every registration: any eight-digit alias logs in, and each
// registration is called by its own alias (a rule that names the
// registration's own variable).
std::string Configuration(unsigned ARas, unsigned ACallSignal, unsigned AMonitor, bool ATraced) {
  std::ostringstream text;
  text << "system {\n  identifier \"OrvoLoadGK\";\n  address 127.0.0.1;\n  ras port " << ARas
       << ";\n  call signal port " << ACallSignal << ";\n}\n"
       << "monitor {\n  port " << AMonitor << ";\n  password \"load\";\n  address 127.0.0.1 yes;\n}\n"
       << "log {\n  file \"gk.log\";\n"
       << (ATraced ? "  ras messages yes;\n" : "") << "}\n"
       << "user load {\n  login \"[0-9]{8}\";\n  make login \"(.*)\" set phone to \"\\1\";\n  alias phone;\n"
       << "  proxy level none;\n  registration validity 3600;\n}\n";
  return text.str();
}

class TBenchRun {
public:
  TBenchRun(const TOptions& AOptions)
      : O(AOptions), S(ScaleOf(AOptions)), Generator(GeneratorSetup(AOptions), Templates) {
    Directory = MakeTemporaryDirectory("orvo-rasload");
  }
  ~TBenchRun() {
    if (!O.Keep) RemoveDirectory(Directory);
  }

  TReport Report;

  void Run();

private:
  TOptions O;
  TScale S;
  TRasTemplates Templates;
  TLoadGenerator Generator;
  std::string Directory;
  double EchoRegister = 0, EchoKeepAlive = 0, EchoCalls = 0;

  static int ServerCore(const TOptions& AOptions) {
    if (AOptions.ServerCore >= 0) return AOptions.ServerCore;
    long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 1 ? int(cores - 1) : -1;
  }
  static TGeneratorSetup GeneratorSetup(const TOptions& AOptions) {
    TGeneratorSetup setup;
    setup.Threads = AOptions.Threads;
    setup.Sockets = AOptions.Threads * AOptions.SocketsPerThread;
    setup.SpreadSources = true;
    long cores = sysconf(_SC_NPROCESSORS_ONLN);
    int server = ServerCore(AOptions);
    // The cores below the server's, walking down.
    for (unsigned t = 0, core = unsigned(server); server >= 0 && t < AOptions.Threads && cores > 2; ++t) {
      core = core == 0 ? unsigned(cores - 1) : core - 1;
      if (int(core) == server) break;
      setup.Cores.push_back(int(core));
    }
    return setup;
  }

  TRow Measure(TServerProcess& AServer, const std::string& AServerName, const sockaddr_in& ATo, TPhase APhase,
               const std::string& AKey, const std::string& ALabel, unsigned ARegistered, double AEchoRate,
               uint64_t APlanned);
  std::unique_ptr<TServerProcess> StartGatekeeper(const std::string& AName, bool ATraced, sockaddr_in& ARas);
  // Registers endpoints up to ATarget; the endpoints registered after it.
  unsigned Fill(TServerProcess& AServer, const std::string& AServerName, const sockaddr_in& ATo, unsigned AFrom,
                unsigned ATarget, double ASeconds, const std::string& AKey, const std::string& ALabelEnd = "");
  void RunEcho();
  void RunGatekeeper(bool ATraced);
  void RunMillion();
  // The phases worth a profile: keep-alives, calls, the last fresh batches.
  static bool Profiled(const std::string& AKey) {
    for (const char* key :
         {"keepAlive2", "keepAlive3", "admission", "registration2", "registration3", "millionKeepAlive"})
      if (AKey == key) return true;
    return false;
  }
  std::string ProfilePath(const std::string& AKey) const {
    size_t slash = O.Json.rfind('/');
    return (slash == std::string::npos ? std::string() : O.Json.substr(0, slash + 1)) + "bench-ras-profile-" + AKey +
           ".txt";
  }
  void Memory(const std::string& AKey, const std::string& ALabel, double AValue, const std::string& AUnit) {
    Report.Memory.push_back({AKey, ALabel, AValue, AUnit});
  }
};

TRow TBenchRun::Measure(TServerProcess& AServer, const std::string& AServerName, const sockaddr_in& ATo, TPhase APhase,
                        const std::string& AKey, const std::string& ALabel, unsigned ARegistered, double AEchoRate,
                        uint64_t APlanned) {
  if (APhase.Window == 0) APhase.Window = O.Window;
  APhase.Name = AKey;
  std::unique_ptr<TProfile> profile;
  if (O.Profile && Profiled(AKey))
    profile = std::make_unique<TProfile>(AServer.Pid(), Directory + "/" + AKey + ".perf");
  double before = AServer.CpuSeconds(), waitBefore = AServer.WaitSeconds();
  TRow row;
  row.Result = Generator.Run(APhase, ATo);
  double after = AServer.CpuSeconds(), waitAfter = AServer.WaitSeconds();
  if (profile) {
    std::string report = ProfilePath(AKey);
    Report.Notes.push_back(profile->Finish(report) ? "profile of " + AKey + ": " + report
                                                   : "perf could not profile " + AKey);
  }
  row.ServerWaitSeconds = waitBefore >= 0 && waitAfter >= 0 ? waitAfter - waitBefore : -1;
  row.Key = AKey;
  row.Label = ALabel;
  row.Server = AServerName;
  row.Registered = ARegistered;
  row.ServerCpuSeconds = before >= 0 && after >= 0 ? after - before : -1;
  row.EchoRate = AEchoRate;
  row.Planned = APlanned;
  std::cerr << "  " << ALabel << ": " << row.Result.Requests << " in " << row.Result.Seconds << " s, " << StatusOf(row)
            << "\n";
  Report.Rows.push_back(row);
  return row;
}

std::unique_ptr<TServerProcess> TBenchRun::StartGatekeeper(const std::string& AName, bool ATraced, sockaddr_in& ARas) {
  std::string folder = Directory + "/" + AName;
  if (mkdir(folder.c_str(), 0755) != 0) throw std::runtime_error("cannot make " + folder);
  std::vector<unsigned> ports = FreePorts(3);
  std::ofstream(folder + "/gk.cfg") << Configuration(ports[0], ports[1], ports[2], ATraced);
  auto server = std::make_unique<TServerProcess>(
      std::vector<std::string>{O.Gatekeeper, "--noconsole", "--configuration=" + folder + "/gk.cfg"}, ServerCore(O),
      folder + "/console.txt");
  if (!server->WaitForText(folder + "/gk.log", "Service started.", 20))
    throw std::runtime_error("the gatekeeper did not start: " + ReadFile(folder + "/console.txt") +
                             ReadFile(folder + "/gk.log"));
  ARas = Loopback(ports[0]);
  return server;
}

unsigned TBenchRun::Fill(TServerProcess& AServer, const std::string& AServerName, const sockaddr_in& ATo,
                         unsigned AFrom, unsigned ATarget, double ASeconds, const std::string& AKey,
                         const std::string& ALabelEnd) {
  if (ATarget <= AFrom) return AFrom;
  TPhase fill;
  fill.Work = wkRegister;
  fill.First = AFrom;
  fill.Count = ATarget - AFrom;
  fill.Seconds = ASeconds;
  TRow row = Measure(AServer, AServerName, ATo, fill, AKey,
                     "RRQ fill " + std::to_string(AFrom) + " -> " + std::to_string(ATarget) + ALabelEnd, AFrom,
                     EchoRegister, fill.Count);
  return row.Result.Sound() ? row.Result.RegisteredEnd : AFrom;
}

void TBenchRun::RunEcho() {
  std::vector<unsigned> ports = FreePorts(1);
  std::string output = Directory + "/echo.txt";
  TServerProcess echo({O.Echo, std::to_string(ports[0])}, ServerCore(O), output);
  if (!echo.WaitForText(output, "Echo ready.", 10)) throw std::runtime_error("the echo server did not start");
  sockaddr_in to = Loopback(ports[0]);
  std::cerr << "echo server, pinned like the gatekeeper\n";
  TPhase p;
  p.Echo = true;
  p.Seconds = S.Seconds;
  p.Work = wkRegister;
  p.Count = 50000000;
  if (!O.KeepAliveOnly)
    EchoRegister = Measure(echo, "echo", to, p, "echoRegistration", "echo of RRQ datagrams", 0, 0, 0).Result.Rate();
  p.Work = wkKeepAlive;
  p.Population = S.Levels[2];
  p.MaximumRequests = 100000000;
  EchoKeepAlive = Measure(echo, "echo", to, p, "echoKeepAlive", "echo of keep-alive datagrams", 0, 0, 0).Result.Rate();
  if (O.KeepAliveOnly) return;
  p.Work = wkCalls;
  p.HeldCalls = S.HeldCalls;
  EchoCalls = Measure(echo, "echo", to, p, "echoCalls", "echo of ARQ + DRQ datagrams", 0, 0, 0).Result.Rate();
}

void TBenchRun::RunGatekeeper(bool ATraced) {
  const std::string name = ATraced ? "gatekeeper traced" : "gatekeeper";
  const std::string prefix = ATraced ? "traced" : "";
  const std::string labelEnd = ATraced ? " (RAS trace on)" : "";
  auto key = [&prefix](const std::string& AKey) {
    return prefix.empty() ? AKey : prefix + char(std::toupper(AKey[0])) + AKey.substr(1);
  };
  sockaddr_in ras{};
  std::unique_ptr<TServerProcess> gk = StartGatekeeper(ATraced ? "traced" : "plain", ATraced, ras);
  std::cerr << name << ", pinned to core " << ServerCore(O) << "\n";
  const long rssStart = gk->ResidentKilobytes();
  unsigned registered = 0;
  const unsigned levels = ATraced ? 3 : 4;
  long rssBeforeFill = -1;
  unsigned registeredBeforeFill = 0;
  for (unsigned level = 0; level < levels; ++level) {
    unsigned target = S.Levels[level];
    if (level == 3) {
      rssBeforeFill = gk->ResidentKilobytes();
      registeredBeforeFill = registered;
    }
    registered =
        Fill(*gk, name, ras, registered, target, S.FillSeconds[level], key("fill" + std::to_string(level)), labelEnd);
    // Short of the level, the phases of the level run at what was reached.
    const bool reached = registered >= target;
    if (!reached)
      Report.Notes.push_back(name + ": only " + std::to_string(registered) + " of " + std::to_string(target) +
                             " registrations within the time bound");
    const std::string at = " at " + std::to_string(registered) + " registered";
    if (level == 3) {
      long rss = gk->ResidentKilobytes();
      if (!ATraced && rssBeforeFill > 0 && rss > 0 && registered > registeredBeforeFill) {
        Memory("rssStart", "resident at start", double(rssStart), "kB");
        Memory("rssAtLastLevel", "resident with " + std::to_string(registered) + " registrations", double(rss), "kB");
        Memory("bytesPerRegistration",
               "per registration (resident delta " + std::to_string(registeredBeforeFill) + " -> " +
                   std::to_string(registered) + ")",
               double(rss - rssBeforeFill) * 1024.0 / double(registered - registeredBeforeFill), "bytes");
      }
    }
    if (level >= 2) {
      TPhase keep;
      keep.Work = wkKeepAlive;
      keep.Population = registered;
      keep.MaximumRequests = 100000000;
      keep.Seconds = S.Seconds;
      Measure(*gk, name, ras, keep, key("keepAlive" + std::to_string(level)), "keep-alive RRQ" + at + labelEnd,
              registered, EchoKeepAlive, 0);
    }
    if (O.KeepAliveOnly) continue;
    if (level == 2) {
      if (!ATraced) {
        // Memory per call: calls opened and held, none ended.
        long before = gk->ResidentKilobytes();
        TPhase hold;
        hold.Work = wkHoldCalls;
        hold.Population = registered;
        hold.MaximumRequests = S.MemoryCalls;
        hold.Seconds = S.BatchSeconds / 2;
        TRow held =
            Measure(*gk, name, ras, hold, "holdCalls", "ARQ of calls held open" + at, registered, 0, S.MemoryCalls);
        long after = gk->ResidentKilobytes();
        TPhase end;
        end.Work = wkEndCalls;
        end.Seconds = 60;
        Measure(*gk, name, ras, end, "endCalls", "DRQ of the calls held" + at, registered, 0, 0);
        if (held.Result.Sound() && held.Result.Requests > 0 && before > 0 && after > 0)
          Memory("bytesPerCall",
                 "per call (resident delta over " + std::to_string(held.Result.Requests) + " calls held)",
                 double(after - before) * 1024.0 / double(held.Result.Requests), "bytes");
        // Ended calls leave the gatekeeper one second after their DRQ.
        std::this_thread::sleep_for(std::chrono::milliseconds(O.Quick ? 200 : 1200));
      }
      // The calls held open through the ARQ phase are opened before it.
      TPhase open;
      open.Work = wkHoldCalls;
      open.Population = registered;
      open.MaximumRequests = S.HeldCalls;
      open.Seconds = S.BatchSeconds / 2;
      open.Window = O.AdmissionWindow;
      Measure(*gk, name, ras, open, key("openCalls"),
              "ARQ opening the " + std::to_string(S.HeldCalls) + " calls held" + at + labelEnd, registered, 0,
              S.HeldCalls);
      TPhase calls;
      calls.Work = wkCalls;
      calls.Population = registered;
      calls.HeldCalls = S.HeldCalls;
      calls.MaximumRequests = 100000000;
      calls.Seconds = S.Seconds;
      calls.Window = O.AdmissionWindow;
      Measure(*gk, name, ras, calls, key("admission"),
              "ARQ->ACF, " + std::to_string(S.HeldCalls) + " calls open" + at + labelEnd, registered, EchoCalls, 0);
    }
    TPhase batch;
    batch.Work = wkRegister;
    batch.First = registered;
    batch.Count = S.Batch;
    batch.Seconds = S.BatchSeconds;
    TRow row = Measure(*gk, name, ras, batch, key("registration" + std::to_string(level)),
                       "fresh RRQ->RCF" + at + labelEnd, registered, EchoRegister, S.Batch);
    if (!row.Result.Sound() || !reached) break;
    registered = row.Result.RegisteredEnd;
  }
  if (ATraced && !O.Quick) {
    // The log file is written in blocks at most 1.5 s apart.
    std::this_thread::sleep_for(std::chrono::milliseconds(1700));
    Report.Notes.push_back("the traced gatekeeper wrote a log of " +
                           std::to_string(ReadFile(Directory + "/traced/gk.log").size() / 1024) + " kB");
  }
  if (!gk->Running())
    Report.Notes.push_back(name + " ended during the run: " +
                           ReadFile(Directory + "/" + (ATraced ? "traced" : "plain") + "/gk.log").substr(0, 2000));
}

void TBenchRun::RunMillion() {
  sockaddr_in ras{};
  std::unique_ptr<TServerProcess> gk = StartGatekeeper("million", false, ras);
  const std::string name = "gatekeeper";
  std::cerr << "gatekeeper for " << S.Million << " registrations\n";
  long rssStart = gk->ResidentKilobytes();
  unsigned registered = Fill(*gk, name, ras, 0, S.Million, S.MillionSeconds, "millionFill");
  long rss = gk->ResidentKilobytes();
  Memory("millionResident", "resident with " + std::to_string(registered) + " registrations (one process)", double(rss),
         "kB");
  if (registered > 0)
    Memory("millionBytesPerRegistration", "per registration at that size", double(rss - rssStart) * 1024.0 / registered,
           "bytes");
  if (registered < S.Million)
    Report.Notes.push_back("only " + std::to_string(registered) + " of " + std::to_string(S.Million) +
                           " registrations within the time bound");
  if (registered == 0) return;
  TPhase keep;
  keep.Work = wkKeepAlive;
  keep.Population = registered;
  keep.MaximumRequests = 100000000;
  keep.Seconds = S.Seconds;
  Measure(*gk, name, ras, keep, "millionKeepAlive", "keep-alive RRQ at " + std::to_string(registered) + " registered",
          registered, EchoKeepAlive, 0);
}

void TBenchRun::Run() {
  Report.Settings = {"started=" + UtcNow(),
                     "loadAverageAtStart=" + LoadAverage(),
                     "gatekeeper=" + O.Gatekeeper,
                     "revision=" + O.Revision,
                     "serverCore=" + std::to_string(ServerCore(O)),
                     "generatorThreads=" + std::to_string(O.Threads),
                     "window=" + std::to_string(O.Window),
                     "admissionWindow=" + std::to_string(O.AdmissionWindow),
                     "generatorSockets=" + std::to_string(O.Threads * O.SocketsPerThread),
                     "secondsPerRatePhase=" + std::to_string(S.Seconds),
                     "keepAliveOctets=" + std::to_string(Templates.KeepAlive().Octets.size()),
                     "registrationOctets=" + std::to_string(Templates.Registration().Octets.size()),
                     "admissionOctets=" + std::to_string(Templates.Admission().Octets.size()),
                     "disengageOctets=" + std::to_string(Templates.Disengage().Octets.size()),
                     std::string("mode=") + (O.Quick ? "quick" : "full")};
  RunEcho();
  RunGatekeeper(false);
  if (!O.KeepAliveOnly) RunGatekeeper(true);
  if (O.Million) RunMillion();
  Report.Settings.push_back("loadAverageAtEnd=" + LoadAverage());
  Report.Settings.push_back("ended=" + UtcNow());
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    TOptions options = ParseOptions(argc, argv);
    TBenchRun run(options);
    run.Run();
    run.Report.PrintTable(std::cout);
    std::ofstream json(options.Json);
    run.Report.WriteJson(json);
    json.close();
    if (!json) throw std::runtime_error("cannot write " + options.Json);
    std::cout << "JSON: " << options.Json << "\n";
    for (const TRow& row : run.Report.Rows)
      if (!row.Result.Sound()) return 1;
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "rasLoad: " << e.what() << "\n";
    return 2;
  }
}
