#include <gatekeeper/ConfigurationParser.h>
#include <gatekeeper/ReplacingFile.h>
#include <gatekeeper/StreamCopy.h>

#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>

#include <orvo/timer.h>

#include <config/Configuration.h>
#include <gatekeeper/Gatekeeper.h>

#include "orvoTesting.h"

namespace {

// Starts the work in the running core's loop, then stops the loop.
struct TPump {
  TPump(TGatekeeper& ACore, std::function<void()> AStart)
      : Core(ACore), Start(std::move(AStart)), Begin(10, this, &TPump::Begins), End(40, this, &TPump::Ends),
        Wake(60, this, &TPump::Wakes) {
    Begin.Start();
    End.Start();
    Wake.Start();
    Core.RunGatekeeper();
  }
  void Begins(TTimer*) { Start(); }
  void Ends(TTimer*) { Core.StopLoop(); }
  // The shutdown ends at the idle pass after this, not a second later.
  void Wakes(TTimer*) {}
  TGatekeeper& Core;
  std::function<void()> Start;
  TTimer Begin, End, Wake;
};

// Records what each thread reports, and whether it came from inside its start.
struct TTarget {
  void Done(TThread* AThread) {
    Inside.push_back(Starting);
    if (auto* parser = dynamic_cast<TConfigurationParser*>(AThread)) {
      Errors.push_back(toStd(parser->ErrorText()));
      Loaded.push_back(bool(parser->TakeConfiguration()));
    } else {
      Errors.push_back(toStd(static_cast<TStreamCopy*>(AThread)->ErrorText()));
    }
    if (Then) Then();
  }
  void Launch(TThread* AThread) {
    Starting = true;
    AThread->Run();
    Starting = false;
  }
  bool Starting = false;
  std::vector<bool> Inside, Loaded;
  std::vector<std::string> Errors;
  std::function<void()> Then;
};

// Remembers the size of every write it is given; fails past a limit.
class TChunkSink : public std::streambuf {
public:
  std::vector<std::streamsize> Chunks;
  std::string Text;
  size_t Limit = size_t(-1);

protected:
  std::streamsize xsputn(const char* AData, std::streamsize ACount) override {
    if (Text.size() + size_t(ACount) > Limit) return 0;
    Chunks.push_back(ACount);
    Text.append(AData, size_t(ACount));
    return ACount;
  }
};

std::string Pattern(size_t ALength) {
  std::string text(ALength, '\0');
  for (size_t i = 0; i < ALength; ++i) text[i] = char('a' + i * 7 % 26);
  return text;
}

std::unique_ptr<std::istream> Text(const std::string& AText) { return std::make_unique<std::istringstream>(AText); }

}  // namespace

TEST(Threads, ParserCompletesFromTheIdlePassWithTheLoadsOutcome) {
  struct TCase {
    const char* Name;
    const char* Text;
    bool Unreadable;
    const char* Error;
  } cases[] = {
      {"empty text loads the defaults", "", false, ""},
      {"good text", "system identifier \"gk\";\nzone a;\n", false, ""},
      {"syntax error", "zone a; zone A;", false,
       "Configuration file: parse error, zone identifier 'A' already defined, in line 1."},
      {"unopened file is no empty text", "user u;", true, "Configuration file: Unknown error."},
  };
  for (const TCase& c : cases) {
    TGatekeeper core;
    TTarget target;
    TPump pump(core, [&] {
      auto stream = Text(c.Text);
      if (c.Unreadable) stream->setstate(std::ios_base::failbit);
      target.Launch(new TConfigurationParser(&core, &target, &TTarget::Done, std::move(stream)));
      EXPECT_EQ(1u, core.Threads().Count()) << c.Name;
    });
    ASSERT_EQ(1u, target.Errors.size()) << c.Name;
    EXPECT_FALSE(target.Inside[0]) << c.Name;
    EXPECT_EQ(c.Error, target.Errors[0]) << c.Name;
    EXPECT_EQ(*c.Error == 0, target.Loaded[0]) << c.Name;
    EXPECT_TRUE(core.Threads().Empty()) << c.Name;
  }
}

TEST(Threads, CopyWritesChunksOfAtMost8192AndReportsAFailingDestination) {
  struct TCase {
    size_t Length;
    size_t Limit;
    std::vector<std::streamsize> Chunks;
    const char* Error;
  } cases[] = {
      {20000, size_t(-1), {8192, 8192, 3616}, ""},
      {0, size_t(-1), {}, ""},
      {8192, size_t(-1), {8192}, ""},
      {20000, 10000, {8192}, "Could not write the copy."},
  };
  for (const TCase& c : cases) {
    TGatekeeper core;
    TTarget target;
    TChunkSink sink;
    sink.Limit = c.Limit;
    const std::string input = Pattern(c.Length);
    TPump pump(core, [&] {
      target.Launch(new TStreamCopy(&core, &target, &TTarget::Done, Text(input), std::make_unique<std::ostream>(&sink)));
    });
    ASSERT_EQ(1u, target.Errors.size()) << c.Length;
    EXPECT_FALSE(target.Inside[0]);
    EXPECT_EQ(c.Error, target.Errors[0]) << c.Length;
    EXPECT_EQ(c.Chunks, sink.Chunks) << c.Length;
    if (!*c.Error) {
      EXPECT_EQ(input, sink.Text);
    }
  }
}

TEST(Threads, ACompletionMayEndOtherThreadsAndWithoutTargetAThreadEndsSilently) {
  TGatekeeper core;
  TTarget target;
  TChunkSink sink;
  TThread* second = nullptr;
  target.Then = [&] {
    // Both wait for the same idle pass; the first ends the second.
    if (second) second->Finish();
    second = nullptr;
  };
  TPump pump(core, [&] {
    target.Launch(new TStreamCopy(&core, &target, &TTarget::Done, Text("a"), std::make_unique<std::ostream>(&sink)));
    second = new TStreamCopy(&core, &target, &TTarget::Done, Text("b"), std::make_unique<std::ostream>(&sink));
    second->Run();
    (new TStreamCopy(&core, Text("c"), std::make_unique<std::ostream>(&sink)))->Run();
    EXPECT_EQ(3u, core.Threads().Count());
  });
  EXPECT_EQ(1u, target.Errors.size()) << "the ended thread never completes";
  EXPECT_EQ("abc", sink.Text);
  EXPECT_TRUE(core.Threads().Empty());
}

namespace {

struct TFolder {
  TFolder() {
    char pattern[] = "/tmp/orvo-replace-XXXXXX";
    Path = ::mkdtemp(pattern);
  }
  ~TFolder() {
    ::chmod(Path.c_str(), 0700);
    std::system(("rm -rf '" + Path + "'").c_str());
  }
  std::string Read(const std::string& AName) const {
    std::ifstream in(Path + "/" + AName);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    DIR* folder = ::opendir(Path.c_str());
    while (dirent* entry = ::readdir(folder))
      if (entry->d_name[0] != '.' || entry->d_name[1] > '.') names.push_back(entry->d_name);
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Path;
};

}  // namespace

TEST(Threads, CopyIntoAFileReplacesItWholeOrNotAtAll) {
  enum TSetup { plain, linked, readOnlyFolder, fileSizeLimit };
  struct TCase {
    const char* Name;
    TSetup Setup;
    bool Replaced;
    const char* Error;  // after the path
  } cases[] = {
      {"plain file", plain, true, ""},
      {"through a link", linked, true, ""},
      {"read-only folder", readOnlyFolder, false, ": Permission denied"},
      {"disk full midway", fileSizeLimit, false, ": File too large"},
  };
  const std::string fresh = Pattern(20000);
  for (const TCase& c : cases) {
    if (c.Setup == readOnlyFolder && ::geteuid() == 0) continue;  // root writes anyway
    TFolder folder;
    const std::string real = folder.Path + "/gk.cfg";
    std::ofstream(real) << "zone old;\n";
    ::chmod(real.c_str(), 0640);
    if (::geteuid() == 0) {
      ASSERT_EQ(0, ::chown(real.c_str(), 4321, 4322));
    }
    std::string named = real;
    if (c.Setup == linked) {
      named = folder.Path + "/link.cfg";
      ASSERT_EQ(0, ::symlink("gk.cfg", named.c_str()));
    }
    if (c.Setup == readOnlyFolder) ::chmod(folder.Path.c_str(), 0500);
    rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    if (c.Setup == fileSizeLimit) {
      ::signal(SIGXFSZ, SIG_IGN);
      rlimit small = saved;
      small.rlim_cur = 10000;
      ::setrlimit(RLIMIT_FSIZE, &small);
    }
    TGatekeeper core;
    TTarget target;
    TPump pump(core, [&] {
      target.Launch(
          new TStreamCopy(&core, &target, &TTarget::Done, Text(fresh), std::make_unique<TReplacingFile>(named)));
    });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::chmod(folder.Path.c_str(), 0700);
    ASSERT_EQ(1u, target.Errors.size()) << c.Name;
    if (c.Replaced) {
      EXPECT_EQ("", target.Errors[0]) << c.Name;
    } else {
      EXPECT_NE(std::string::npos, target.Errors[0].find(real + c.Error)) << c.Name << ": " << target.Errors[0];
    }
    EXPECT_EQ(c.Replaced ? fresh : "zone old;\n", folder.Read("gk.cfg")) << c.Name;
    struct stat status;
    ASSERT_EQ(0, ::stat(real.c_str(), &status));
    EXPECT_EQ(0640u, status.st_mode & 07777) << c.Name;
    if (::geteuid() == 0) {
      EXPECT_EQ(4321u, status.st_uid) << c.Name;
    }
    std::vector<std::string> names{"gk.cfg"};
    if (c.Setup == linked) names.push_back("link.cfg");
    EXPECT_EQ(names, folder.Names()) << c.Name << ": no temporary file is left";
  }
}

namespace {
class TFailingWork : public TThread {
public:
  TFailingWork(TGatekeeper* ACore, TTarget* ATarget, bool* AGone)
      : TThread(ACore, ATarget, &TTarget::Done), Gone(AGone) {}
  ~TFailingWork() override { *Gone = true; }

protected:
  void Execute() override { throw 7; }

private:
  bool* Gone;
};
}  // namespace

TEST(Threads, WorkThatThrowsEndsTheThreadAndPassesTheException) {
  TGatekeeper core;
  TTarget target;
  bool gone = false;
  EXPECT_THROW((new TFailingWork(&core, &target, &gone))->Run(), int);
  EXPECT_TRUE(gone);
  EXPECT_TRUE(core.Threads().Empty());
  EXPECT_TRUE(target.Errors.empty());
}

namespace {
struct TAt {
  TAt(int64_t AAfter, std::function<void()> AWhat) : What(std::move(AWhat)), Timer(AAfter, this, &TAt::Fire) {
    Timer.Start();
  }
  void Fire(TTimer*) { What(); }
  std::function<void()> What;
  TTimer Timer;
};
}  // namespace

TEST(Threads, AThreadStartedDuringTheShutdownCompletesAndIsWaitedFor) {
  TGatekeeper core;
  core.ShutdownLimit = 5000;
  core.Registrations().Attach(new TEndpointRegisterInfo);  // keeps the shutdown going
  TTarget target;
  TChunkSink sink;
  TAt stop(10, [&] { core.StopLoop(); });
  // A monitor client may still fetch the log while the service stops.
  TAt launch(20, [&] {
    target.Launch(new TStreamCopy(&core, &target, &TTarget::Done, Text("x"), std::make_unique<std::ostream>(&sink)));
  });
  TAt leave(30, [&] { core.Registrations().Clear(); });
  TAt wake(40, [] {});
  const auto begin = std::chrono::steady_clock::now();
  core.RunGatekeeper();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(2500));
  EXPECT_EQ(1u, target.Errors.size());
  EXPECT_TRUE(core.Threads().Empty());
}
