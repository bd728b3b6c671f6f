#include <gatekeeper/StorageProvider.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <gatekeeper/GatekeeperService.h>
#include <gatekeeper/ReplacingFile.h>

TEST(StorageProvider, BasicProviderHasNothingToOffer) {
  TBasicStorageProvider basic;
  EXPECT_FALSE(basic.OpenConfigurationForReading());
  EXPECT_FALSE(basic.OpenConfigurationForWriting());
  EXPECT_FALSE(basic.OpenLogForReading());
  EXPECT_FALSE(basic.CanRestart());
  basic.Restart();
}

TEST(StorageProvider, FileNamesResolveAgainstTheConfiguration) {
  TGatekeeperService service{orvo::string()};
  service.SetConfigurationPath(orvo::string());
  EXPECT_STREQ("/etc/OrvoGatekeeper.cfg", service.ConfigurationPath.buffer());
  service.SetConfigurationPath(orvo::string("my.cfg"));
  EXPECT_STREQ("/etc/my.cfg", service.ConfigurationPath.buffer());
  service.SetConfigurationPath(orvo::string("/opt/gk/"));
  EXPECT_STREQ("/opt/gk/OrvoGatekeeper.cfg", service.ConfigurationPath.buffer());
  service.SetConfigurationPath(orvo::string("/opt/gk/a.cfg"));
  EXPECT_STREQ("/opt/gk/a.cfg", service.ConfigurationPath.buffer());

  service.SetConfigurationPath(orvo::string("/etc/OrvoGatekeeper.cfg"));
  EXPECT_STREQ("/etc/gk.log", service.ResolveFileName(orvo::string("gk.log"), "log").buffer());
  EXPECT_STREQ("/var/log/OrvoGatekeeper.log", service.ResolveFileName(orvo::string("/var/log/"), "log").buffer());
  EXPECT_STREQ("/etc/OrvoGatekeeper.bil", service.ResolveFileName(orvo::string(), "bil").buffer());

  TStorageProvider provider(&service);
  EXPECT_TRUE(provider.CanRestart());
  EXPECT_FALSE(provider.OpenLogForReading()) << "no console file, nothing to read";

  char folder[] = "/tmp/orvo-provider-XXXXXX";
  ASSERT_TRUE(::mkdtemp(folder));
  service.SetConfigurationPath(orvo::string(folder) + "/gk.cfg");
  auto writer = provider.OpenConfigurationForWriting();
  EXPECT_TRUE(dynamic_cast<TReplacingFile*>(writer.get())) << "a failed write must not truncate the configuration";
  writer.reset();
  EXPECT_EQ(0, ::rmdir(folder)) << "nothing is left behind";
}

TEST(StorageProvider, SecondServiceObjectIsRefused) {
  TGatekeeperService first{orvo::string()};
  bool refused = false;
  try {
    TGatekeeperService second{orvo::string()};
  } catch (orvo::exception* e) {
    refused = true;
    EXPECT_STREQ("Creation of secondary service object prohibited.", e->message()->buffer());
    delete e;
  }
  EXPECT_TRUE(refused);
  EXPECT_EQ(&first, orvo::service::instance());
}
