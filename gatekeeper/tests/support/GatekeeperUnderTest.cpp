#include "GatekeeperUnderTest.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "SanitizerFindings.h"

namespace {

const unsigned LowestPort = 20000, HighestPort = 32000;

bool Bindable(int AType, unsigned APort) {
  int s = socket(AF_INET, AType | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(uint16_t(APort));
  bool free = bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(s);
  return free;
}

// Test programs run side by side, each picking its ports at random: a
// port that one has picked and not yet bound looks free to all the others.
// A port is a picker's while it holds the lock of a file named after it,
// to the picker's end (the lock goes with the process, not with its child).
bool Reserved(unsigned APort) {
  const std::string path = "/tmp/orvogk-test-port-" + std::to_string(APort);
  const int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (file == -1) return true;
  if (flock(file, LOCK_EX | LOCK_NB) == 0) return true;
  close(file);
  return false;
}

std::string ReadText(const std::string& APath) {
  std::ifstream in(APath);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

size_t Occurrences(const std::string& AText, const std::string& ANeedle) {
  size_t n = 0;
  for (size_t at = AText.find(ANeedle); at != std::string::npos; at = AText.find(ANeedle, at + 1)) ++n;
  return n;
}

}  // namespace

void ChooseFreePorts(unsigned& A, unsigned& B, unsigned& C) {
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<unsigned> pick(LowestPort, HighestPort);
  unsigned* wanted[] = {&A, &B, &C};
  for (int i = 0; i < 3; ++i) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
      unsigned port = pick(random);
      bool taken = false;
      for (int j = 0; j < i; ++j) taken = taken || *wanted[j] == port;
      if (!taken && Bindable(SOCK_DGRAM, port) && Bindable(SOCK_STREAM, port) && Reserved(port)) {
        *wanted[i] = port;
        break;
      }
    }
  }
}

TGatekeeperUnderTest::TGatekeeperUnderTest(const TGatekeeperSetup& ASetup) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/orvogk-e2e-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data())) Folder = name.data();
  EXPECT_FALSE(Folder.empty()) << "no temporary directory";
  ChooseFreePorts(Ras, CallSignal, Monitor);
  EXPECT_TRUE(Ras && CallSignal && Monitor) << "no free ports";
  if (ASetup.RasPort) Ras = ASetup.RasPort;
  std::ostringstream text;
  text << "system {\n";
  if (!ASetup.Identifier.empty()) text << "  identifier \"" << ASetup.Identifier << "\";\n";
  text << "  address " << ASetup.Address << ";\n"
       << "  ras port " << Ras << ";\n"
       << "  call signal port " << CallSignal << ";\n"
       << "}\n"
       << "monitor {\n"
       << "  port " << Monitor << ";\n"
       << "  password \"test\";\n"
       << "  address 127.0.0.1 yes;\n"
       << "}\n"
       << "log {\n"
       << "  file \"gk.log\";\n"
       << ASetup.LogRules << "}\n"
       << ASetup.Sections;
  Text = text.str();
  std::ofstream(PathOf("gk.cfg")) << Text;
  if (inet_pton(AF_INET, ASetup.Address.c_str(), &Host) != 1 || Host.s_addr == htonl(INADDR_ANY))
    Host.s_addr = htonl(INADDR_LOOPBACK);
}

TGatekeeperUnderTest::~TGatekeeperUnderTest() {
  if (Program && ExitStatus < 0) {
    Program->Signal(SIGTERM);
    Program->WaitForExit(std::chrono::seconds(5));
  }
  Program.reset();  // kills it when it is still running
  if (Folder.empty()) return;
  if (testing::Test::HasFailure()) {
    std::cerr << "The gatekeeper's configuration, log and capture are kept in " << Folder << "\n";
    return;
  }
  if (std::system(("rm -rf '" + Folder + "'").c_str()) != 0) std::cerr << "could not remove " << Folder << "\n";
}

bool TGatekeeperUnderTest::Start(std::chrono::milliseconds ALimit) { return Start(TRunOptions(), ALimit); }

bool TGatekeeperUnderTest::Start(const TRunOptions& AOptions, std::chrono::milliseconds ALimit) {
  Launch(AOptions);
  return WaitUntilStarted(ALimit);
}

void TGatekeeperUnderTest::Launch(const TRunOptions& AOptions) {
  if (Program) {
    ADD_FAILURE() << "the gatekeeper under test is started once";
    return;
  }
  TRunOptions options = AOptions;
  if (options.DescriptorLimit) AddExhaustionSanitizerSettings(PathOf("leaks.supp"), options.Environment);
  Program = std::make_unique<TRunningProgram>(std::vector<std::string>{"--configuration=" + PathOf("gk.cfg")}, options);
}

bool TGatekeeperUnderTest::WaitUntilStarted(std::chrono::milliseconds ALimit) {
  return Program && Program->WaitForOutput("Service started.", ALimit);
}

int TGatekeeperUnderTest::Stop(std::chrono::milliseconds ALimit) {
  // Once it has ended its process id may belong to another process.
  if (!Program || ExitStatus >= 0) return ExitStatus;
  Program->Signal(SIGTERM);
  ExitStatus = Program->WaitForExit(ALimit);
  return ExitStatus;
}

int TGatekeeperUnderTest::WaitForExit(std::chrono::milliseconds ALimit) {
  if (!Program || ExitStatus >= 0) return ExitStatus;
  ExitStatus = Program->WaitForExit(ALimit);
  return ExitStatus;
}

sockaddr_in TGatekeeperUnderTest::RasAddress() const {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr = Host;
  address.sin_port = htons(uint16_t(Ras));
  return address;
}

pid_t TGatekeeperUnderTest::Pid() const { return Program && ExitStatus < 0 ? Program->Pid() : -1; }

void TGatekeeperUnderTest::DiscardOutput() {
  if (Program) Program->DiscardOutput();
  if (truncate(PathOf("gk.log").c_str(), 0) != 0) return;
}

std::string TGatekeeperUnderTest::Console() const { return Program ? Program->Output() : std::string(); }

std::string TGatekeeperUnderTest::SanitizerFindings() const { return ::SanitizerFindings(Console()); }

void TGatekeeperUnderTest::Signal(int ASignal) {
  if (Program && ExitStatus < 0) Program->Signal(ASignal);
}

bool TGatekeeperUnderTest::WaitForConsole(const std::string& AText, std::chrono::milliseconds ALimit, int AOccurrence) {
  return Program && Program->WaitForOutput(AText, ALimit, AOccurrence);
}

std::string TGatekeeperUnderTest::Log() const { return ReadText(PathOf("gk.log")); }

bool TGatekeeperUnderTest::WaitForLog(const std::string& AText, std::chrono::milliseconds ALimit,
                                      int AOccurrence) const {
  auto end = std::chrono::steady_clock::now() + ALimit;
  for (;;) {
    if (Occurrences(Log(), AText) >= size_t(AOccurrence)) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}
