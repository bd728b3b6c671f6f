#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <functional>
#include <sstream>

#include <orvo/bifurcator.h>
#include <orvo/timer.h>

#include <config/Configuration.h>
#include <gatekeeper/LogManipulators.h>

#include "orvoTesting.h"

namespace {

class TLogCapture {
public:
  TLogCapture() : Log(std::cout) { Log.addManipulator(new TStringBufferManipulator(&Text)); }
  std::string Lines() {
    Log.flushAll();
    return toStd(Text);
  }

private:
  orvo::TBifurcator Log;
  orvo::string Text;
};

// Reloads inside the running core's loop, then stops it.
struct TReloadRun {
  TReloadRun(TGatekeeper& ACore, std::function<void()> AReload)
      : Core(ACore), Reload(std::move(AReload)), Begin(10, this, &TReloadRun::Begins),
        End(40, this, &TReloadRun::Ends), Wake(60, this, &TReloadRun::Wakes) {
    Begin.Start();
    End.Start();
    Wake.Start();
    Core.RunGatekeeper();
  }
  void Begins(TTimer*) { Reload(); }
  void Ends(TTimer*) { Core.StopLoop(); }
  void Wakes(TTimer*) {}
  TGatekeeper& Core;
  std::function<void()> Reload;
  TTimer Begin, End, Wake;
};

const char* const Initial = "system identifier \"one\";\nzone z;\n";

}  // namespace

TEST(Reload, AppliesFromTheIdlePassOrChangesNothing) {
  struct TCase {
    const char* Name;
    const char* Text;
    bool Unreadable;
    const char* Identifier;
    const char* Log;
  } cases[] = {
      {"good text", "system identifier \"two\";\n", false, "two",
       "Configuration reload initiated.\nApplying new configuration.\nConfiguration reloaded successfully.\n"},
      {"syntax error", "zone a; zone A;", false, "one",
       "Configuration reload initiated.\n"
       "Configuration file: parse error, zone identifier 'A' already defined, in line 1.\n"
       "Configuration load failed.\n"},
      {"unreadable file", "", true, "one",
       "Configuration reload initiated.\nConfiguration file: Unknown error.\nConfiguration load failed.\n"},
  };
  for (const TCase& c : cases) {
    TGatekeeper core;
    ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream(Initial)));
    TConfiguration* old = core.Configuration();
    old->AddReference();  // as a registration made under it would
    TLogCapture log;
    TReloadRun run(core, [&] {
      auto* stream = new std::istringstream(c.Text);
      if (c.Unreadable) stream->setstate(std::ios_base::failbit);
      EXPECT_TRUE(core.ReloadConfiguration(stream)) << c.Name;
      EXPECT_EQ(old, core.Configuration()) << c.Name << ": applied only from the idle pass";
    });
    EXPECT_EQ(c.Log, log.Lines()) << c.Name;
    EXPECT_STREQ(c.Identifier, core.Configuration()->Identifier().buffer()) << c.Name;
    const bool replaced = core.Configuration() != old;
    EXPECT_EQ(replaced ? 1 : 2, old->ReferenceCount()) << c.Name << ": the core let go of the old one";
    TConfiguration::Release(old);
    EXPECT_TRUE(core.Threads().Empty());
  }
}

TEST(Reload, RadiusConnectionsFollowTheNewAAASection) {
  const std::string none = "system address 127.0.0.1;\n";
  const std::string both =
      none + "aaa address 127.0.0.1, authentication port 41812, accounting port 41813, password \"s3\";\n";
  const std::string authOnly =
      none + "aaa address 127.0.0.1, authentication port 41822, accounting port unlimited, password \"s4\";\n";
  struct TCase {
    const char* Name;
    const std::string& Old;
    const std::string& New;
    unsigned AuthenticationPort;  // 0: closed
    unsigned AccountingPort;
    const char* Secret;
    bool AccountingKept;  // the same socket, its pending requests with it
  } cases[] = {
      {"servers added", none, both, 41812, 41813, "s3", false},
      {"accounting removed, authentication moved", both, authOnly, 41822, 0, "s4", false},
      {"all removed", both, none, 0, 0, "", false},
      {"accounting added", authOnly, both, 41812, 41813, "s3", false},
      {"unchanged", both, both, 41812, 41813, "s3", true},
  };
  for (const TCase& c : cases) {
    TGatekeeper core;
    ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream(c.Old)));
    core.StartServices();
    sockaddr_in before{};
    core.AccountingRADIUS.LocalAddress(before);
    TLogCapture log;
    TReloadRun run(core, [&] { core.ReloadConfiguration(new std::istringstream(c.New)); });
    EXPECT_EQ(c.AuthenticationPort != 0, core.AuthenticationRADIUS.IsOpen()) << c.Name;
    EXPECT_EQ(c.AccountingPort != 0, core.AccountingRADIUS.IsOpen()) << c.Name;
    if (c.AuthenticationPort) {
      EXPECT_EQ(htons(c.AuthenticationPort), core.AuthenticationRADIUS.Server().sin_port) << c.Name;
      EXPECT_STREQ(c.Secret, core.AuthenticationRADIUS.Secret().buffer()) << c.Name;
    }
    if (c.AccountingPort) {
      EXPECT_EQ(htons(c.AccountingPort), core.AccountingRADIUS.Server().sin_port) << c.Name;
      EXPECT_STREQ(c.Secret, core.AccountingRADIUS.Secret().buffer()) << c.Name;
      sockaddr_in after{};
      ASSERT_TRUE(core.AccountingRADIUS.LocalAddress(after));
      EXPECT_EQ(c.AccountingKept, after.sin_port == before.sin_port) << c.Name;
    }
    EXPECT_NE(std::string::npos, log.Lines().find("Configuration reloaded successfully.")) << c.Name;
  }
}
