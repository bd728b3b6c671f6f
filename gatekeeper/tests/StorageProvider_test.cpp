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
  const std::string path = std::string(folder) + "/gk.cfg";
  service.SetConfigurationPath(orvo::string(path.c_str()));
  std::unique_ptr<std::ostream> stream = provider.OpenConfigurationForWriting();
  auto* writer = dynamic_cast<TReplacingFile*>(stream.get());
  ASSERT_NE(nullptr, writer) << "a failed write must not truncate the configuration";
  EXPECT_EQ(path, writer->Target());
  stream.reset();
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
