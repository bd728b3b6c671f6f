#include <gatekeeper/ReplacingFile.h>
#include <gatekeeper/StreamCopy.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include <orvo/bifurcator.h>
#include <orvo/timer.h>

#include <config/Configuration.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/LogManipulators.h>

#include "orvoTesting.h"

namespace {

struct TAt {
  TAt(int64_t AAfter, std::function<void()> AWhat) : What(std::move(AWhat)), Timer(AAfter, this, &TAt::Fire) {
    Timer.Start();
  }
  void Fire(TTimer*) { What(); }
  std::function<void()> What;
  TTimer Timer;
};

// Runs the core with the work at 10 ms and the stop at 40 ms; the wake at
// 60 ms ends the shutdown's first pass early. Collects the core's log.
void RunCore(TGatekeeper& ACore, std::function<void()> AWork, std::string* ALog = nullptr) {
  orvo::string text;
  orvo::TBifurcator log(std::cout);
  log.addManipulator(new TStringBufferManipulator(&text));
  TAt work(10, AWork), stop(40, [&] { ACore.StopLoop(); }), wake(60, [] {});
  ACore.RunGatekeeper();
  log.flushAll();
  if (ALog) *ALog = toStd(text);
}

// What the copies reported.
struct TTarget {
  void Done(TThread* AThread) {
    EXPECT_FALSE(Starting) << "completes from the idle pass, never inside its start";
    Errors.push_back(toStd(static_cast<TStreamCopy*>(AThread)->ErrorText()));
    if (Then) Then();
  }
  void Launch(TThread* AThread) {
    Starting = true;
    AThread->Run();
    Starting = false;
  }
  bool Starting = false;
  std::vector<std::string> Errors;
  std::function<void()> Then;
};

// Keeps the size of each write; refuses writes past its limit.
struct TChunkSink : std::streambuf {
  std::streamsize xsputn(const char* AData, std::streamsize ACount) override {
    if (Text.size() + size_t(ACount) > Limit) return 0;
    Chunks.push_back(ACount);
    Text.append(AData, size_t(ACount));
    return ACount;
  }
  std::vector<std::streamsize> Chunks;
  std::string Text;
  size_t Limit = size_t(-1);
};

std::unique_ptr<std::istream> Text(const std::string& AText) { return std::make_unique<std::istringstream>(AText); }
std::unique_ptr<std::ostream> Into(std::streambuf& ASink) { return std::make_unique<std::ostream>(&ASink); }
std::string Pattern(size_t ALength) {
  std::string text(ALength, 'a');
  for (size_t i = 0; i < ALength; ++i) text[i] = char('a' + i * 7 % 26);
  return text;
}

}  // namespace

TEST(Threads, CopyWritesChunksOfAtMost8192AndReportsAFailingDestination) {
  const struct {
    size_t Length, Limit;
    std::vector<std::streamsize> Chunks;
    const char* Error;
  } cases[] = {
      {20000, size_t(-1), {8192, 8192, 3616}, ""},
      {0, size_t(-1), {}, ""},
      {20000, 10000, {8192}, "Could not write the copy."},
  };
  for (const auto& c : cases) {
    TGatekeeper core;
    TTarget target;
    TChunkSink sink;
    sink.Limit = c.Limit;
    RunCore(core, [&] {
      target.Launch(new TStreamCopy(&core, &target, &TTarget::Done, Text(Pattern(c.Length)), Into(sink)));
    });
    EXPECT_EQ(std::vector<std::string>{c.Error}, target.Errors) << c.Length;
    EXPECT_EQ(c.Chunks, sink.Chunks) << c.Length;
  }
}

TEST(Threads, ACompletionMayEndAnotherWaitingThread) {
  TGatekeeper core;
  TTarget target;
  TChunkSink sink;
  TThread* second = nullptr;
  target.Then = [&] { std::exchange(second, nullptr)->Finish(); };
  RunCore(core, [&] {
    target.Launch(new TStreamCopy(&core, &target, &TTarget::Done, Text("a"), Into(sink)));
    (second = new TStreamCopy(&core, &target, &TTarget::Done, Text("b"), Into(sink)))->Run();
    (new TStreamCopy(&core, Text("c"), Into(sink)))->Run();  // no target: ends silently
  });
  EXPECT_EQ(1u, target.Errors.size());
  EXPECT_EQ("abc", sink.Text);
  EXPECT_TRUE(core.Threads().Empty());
}

TEST(Threads, WorkThatThrowsEndsItsThreadAndAThreadStartedInTheShutdownCompletes) {
  struct TFailing : TThread {
    using TThread::TThread;
    void Execute() override { throw 7; }
  };
  TGatekeeper core;
  TTarget target;
  EXPECT_THROW((new TFailing(&core, &target, &TTarget::Done))->Run(), int);  // ASan: nothing leaks
  EXPECT_TRUE(core.Threads().Empty());

  // A monitor client may fetch the log while the service stops.
  core.ShutdownLimit = 5000;
  core.Registrations().Attach(new TEndpointRegisterInfo);
  TChunkSink sink;
  TAt stop(10, [&] { core.StopLoop(); }), leave(30, [&] { core.Registrations().Clear(); }), wake(40, [] {});
  TAt launch(20, [&] { target.Launch(new TStreamCopy(&core, &target, &TTarget::Done, Text("x"), Into(sink))); });
  core.RunGatekeeper();
  EXPECT_EQ(1u, target.Errors.size()) << "completed by the shutdown's idle pass, not left to the time limit";
}

TEST(Threads, CopyIntoAFileReplacesItWholeOrNotAtAll) {
  enum TSetup { plain, linked, fileSizeLimit };
  const struct {
    TSetup Setup;
    const char* Error;  // after the path; empty when replaced
  } cases[] = {{plain, ""}, {linked, ""}, {fileSizeLimit, ": File too large"}};
  const std::string fresh = Pattern(20000);
  for (const auto& c : cases) {
    char folder[] = "/tmp/orvo-replace-XXXXXX";
    ASSERT_TRUE(::mkdtemp(folder));
    const std::string real = std::string(folder) + "/gk.cfg", link = std::string(folder) + "/link.cfg";
    std::ofstream(real) << "zone old;\n";
    ::chmod(real.c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) ::chown(real.c_str(), 4321, 4322);
    ::symlink("gk.cfg", link.c_str());
    rlimit saved, small;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    small = {10000, saved.rlim_max};  // a disk that fills up midway
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, c.Setup == fileSizeLimit ? &small : &saved);
    TGatekeeper core;
    TTarget target;
    const std::string named = c.Setup == linked ? link : real;
    RunCore(core, [&] {
      target.Launch(
          new TStreamCopy(&core, &target, &TTarget::Done, Text(fresh), std::make_unique<TReplacingFile>(named)));
    });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_EQ(1u, target.Errors.size());
    EXPECT_EQ(*c.Error ? "Could not write " + real + c.Error : "", target.Errors[0]);
    std::ifstream in(real);
    EXPECT_EQ(*c.Error ? "zone old;\n" : fresh, std::string(std::istreambuf_iterator<char>(in), {})) << c.Setup;
    struct stat status, linkStatus;
    ASSERT_EQ(0, ::stat(real.c_str(), &status));
    EXPECT_EQ(0640u, status.st_mode & 07777) << c.Setup;
    EXPECT_EQ(root ? 4321u : ::geteuid(), status.st_uid) << c.Setup;
    EXPECT_TRUE(::lstat(link.c_str(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) << c.Setup;
    EXPECT_EQ(0, ::unlink(real.c_str()) + ::unlink(link.c_str()) + ::rmdir(folder))
        << c.Setup << ": no temporary file is left";
  }
}

TEST(Reload, AppliesFromTheIdlePassOrChangesNothing) {
  const struct {
    const char* Text;
    bool Unreadable;
    const char* Identifier;
    const char* Log;  // after "Configuration reload initiated."
  } cases[] = {
      {"system identifier \"two\";", false, "two",
       "Applying new configuration.\nConfiguration reloaded successfully.\n"},
      {"", false, "", "Applying new configuration.\nConfiguration reloaded successfully.\n"},
      {"zone a; zone A;", false, "one",
       "Configuration file: parse error, zone identifier 'A' already defined, in line 1.\nConfiguration load "
       "failed.\n"},
      {"", true, "one", "Configuration file: Unknown error.\nConfiguration load failed.\n"},
  };
  for (const auto& c : cases) {
    TGatekeeper core;
    ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system identifier \"one\";")));
    TConfiguration* old = core.Configuration();
    old->AddReference();  // as a registration made under it does
    std::string log;
    RunCore(
        core,
        [&] {
          auto* stream = new std::istringstream(c.Text);
          if (c.Unreadable) stream->setstate(std::ios_base::failbit);
          EXPECT_TRUE(core.ReloadConfiguration(stream));
          EXPECT_EQ(old, core.Configuration()) << "applied only from the idle pass";
        },
        &log);
    EXPECT_EQ(std::string("Configuration reload initiated.\n") + c.Log, log);
    EXPECT_STREQ(c.Identifier, core.Configuration()->Identifier().buffer());
    EXPECT_EQ(core.Configuration() == old ? 2 : 1, old->ReferenceCount()) << "the core let go of the old one";
    TConfiguration::Release(old);
  }
}

TEST(Reload, RadiusConnectionsFollowTheNewAAASection) {
  const std::string none = "system address 127.0.0.1;\n", aaa = none + "aaa address 127.0.0.1, password ";
  const std::string both = aaa + "\"s3\", authentication port 41812, accounting port 41813;";
  const std::string authOnly = aaa + "\"s4\", authentication port 41822, accounting port unlimited;";
  const struct {
    const std::string &Old, &New;
    unsigned AuthenticationPort, AccountingPort;  // 0: closed
    const char* Secret;
    bool AccountingKept;  // the same socket, its pending requests with it
  } cases[] = {
      {none, both, 41812, 41813, "s3", false}, {both, authOnly, 41822, 0, "s4", false},
      {both, none, 0, 0, "", false},           {authOnly, both, 41812, 41813, "s3", false},
      {both, both, 41812, 41813, "s3", true},
  };
  for (const auto& c : cases) {
    TGatekeeper core;
    ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream(c.Old)));
    core.StartServices();
    sockaddr_in before{}, after{};
    core.AccountingRADIUS.LocalAddress(before);
    RunCore(core, [&] { core.ReloadConfiguration(new std::istringstream(c.New)); });
    const std::string row = c.Old + " -> " + c.New;
    auto port = [](const TRADIUSConnection& A) { return A.IsOpen() ? ntohs(A.Server().sin_port) : 0u; };
    EXPECT_EQ(c.AuthenticationPort, port(core.AuthenticationRADIUS)) << row;
    EXPECT_EQ(c.AccountingPort, port(core.AccountingRADIUS)) << row;
    if (c.AccountingPort) {
      EXPECT_STREQ(c.Secret, core.AccountingRADIUS.Secret().buffer()) << row;
      EXPECT_STREQ(c.Secret, core.AuthenticationRADIUS.Secret().buffer()) << row;
      ASSERT_TRUE(core.AccountingRADIUS.LocalAddress(after));
      EXPECT_EQ(c.AccountingKept, after.sin_port == before.sin_port) << row;
    }
  }
}
