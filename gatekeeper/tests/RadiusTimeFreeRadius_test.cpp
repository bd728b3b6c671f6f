// The RADIUS time attribute of an admission as a real server receives it:
// the running program, in a zone east of UTC, against FreeRADIUS, whose
// detail module writes every Access-Request in authorize.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/time.h>

#include <ctime>
#include <regex>

#include "GatekeeperUnderTest.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "externalTool.h"
#include "freeRadiusServer.h"

namespace {

using std::chrono::milliseconds;
const char* const Secret = "time-secret";

int64_t WallMilliseconds() {
  timeval now{};
  gettimeofday(&now, nullptr);
  return int64_t(now.tv_sec) * 1000 + now.tv_usec / 1000;
}

// The value of the last h323-setup-time of the detail file; empty when none.
std::string LastSetupTime(const std::string& ADetail) {
  const std::string key = "h323-setup-time = \"h323-setup-time=";
  const size_t at = ADetail.rfind(key);
  if (at == std::string::npos) return "";
  const size_t start = at + key.size();
  return ADetail.substr(start, ADetail.find('"', start) - start);
}

}  // namespace

// hh:mm:ss.mmm, the zone name, weekday, month, day and year; universal
// time when the offset is GMT, the local time of the zone otherwise.
TEST(RadiusTimeFreeRadius, SetupTimeOfTheAdmission) {
  ORVO_REQUIRE_TOOL(!freeRadiusServer::program().empty(), "FreeRADIUS (Debian package freeradius)");
  freeRadiusServer server;
  ASSERT_TRUE(server.start(Secret, "alice\tCleartext-Password := \"pw\"\n\n", "    detail\n")) << server.failure();
  const struct {
    const char* Aaa;
    const char* Zone;
    int64_t Offset;  // ms east of UTC in the value
  } table[] = {
      {"", "UTC", 0},
      {"time zone offset local; time zone name \"MSK\";", "MSK", 3 * 3600000},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Zone);
    TGatekeeperSetup setup;
    setup.Sections = "aaa { address 127.0.0.1; authentication port " +
                     std::to_string(ntohs(server.authenticationAddress().sin_port)) + "; password \"" + Secret +
                     "\"; " + row.Aaa +
                     " }\n"
                     "user alice { login \"1001\"; alias \"1001\"; proxy level none; radius authentication caller;"
                     " radius name \"alice\"; radius password \"pw\"; }\n"
                     "user bob { login \"1002\"; alias \"1002\"; proxy level none; }\n";
    TGatekeeperUnderTest gk(setup);
    TRunOptions options;
    options.Environment = {"TZ=MSK-3"};
    ASSERT_TRUE(gk.Start(options)) << gk.Console();
    TSimulatedEndpoint alice(2), bob(3);
    ASSERT_TRUE(alice.Send(*alice.RegistrationRequest({"1001"}), gk.RasAddress()));
    ASSERT_TRUE(bob.Send(*bob.RegistrationRequest({"1002"}), gk.RasAddress()));
    auto aliceRcf = alice.Receive(milliseconds(3000)), bobRcf = bob.Receive(milliseconds(3000));
    ASSERT_TRUE(aliceRcf && bobRcf) << gk.Log();
    H225::rasMessage arq = AdmissionRequest(ConfirmedIdentifier(*aliceRcf), "1001", "1002", 1);
    auto* body = static_cast<H225::admissionRequest*>(arq.alternative());
    body->requestSeqNum = alice.NextSequenceNumber();
    unsigned char conference[16];
    for (unsigned char& octet : conference) octet = 1;
    body->conferenceID.setValue(conference, 16);
    const int64_t before = WallMilliseconds();
    ASSERT_TRUE(alice.Send(arq, gk.RasAddress()));
    auto acf = alice.Receive(milliseconds(5000));
    const int64_t after = WallMilliseconds();
    ASSERT_TRUE(acf && acf->index() == 10) << server.debugLog();
    // Disengaged and unregistered, so that the gatekeeper stops at once.
    ASSERT_TRUE(alice.Send(*DisengageRequest(alice, ConfirmedIdentifier(*aliceRcf), 1), gk.RasAddress()));
    EXPECT_NE(nullptr, alice.Receive(milliseconds(3000)));
    for (auto* endpoint : {&alice, &bob}) {
      const std::string identifier = ConfirmedIdentifier(endpoint == &alice ? *aliceRcf : *bobRcf);
      ASSERT_TRUE(endpoint->Send(*UnregistrationRequest(*endpoint, identifier), gk.RasAddress()));
      auto ucf = endpoint->Receive(milliseconds(3000));
      EXPECT_TRUE(ucf && ucf->index() == 7);
    }

    const std::string value = LastSetupTime(server.detail());
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(value, parts,
                                 std::regex("(\\d\\d):(\\d\\d):(\\d\\d)\\.(\\d\\d\\d) (\\S+) "
                                            "(Mon|Tue|Wed|Thu|Fri|Sat|Sun) "
                                            "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) (\\d\\d) (\\d{4})")))
        << value;
    EXPECT_EQ(row.Zone, parts[5].str());
    tm fields{};
    fields.tm_hour = std::stoi(parts[1]);
    fields.tm_min = std::stoi(parts[2]);
    fields.tm_sec = std::stoi(parts[3]);
    fields.tm_mday = std::stoi(parts[8]);
    fields.tm_mon = int(std::string("JanFebMarAprMayJunJulAugSepOctNovDec").find(parts[7].str()) / 3);
    fields.tm_year = std::stoi(parts[9]) - 1900;
    const time_t seconds = timegm(&fields);
    EXPECT_EQ(std::string("SunMonTueWedThuFriSat").substr(size_t(fields.tm_wday) * 3, 3), parts[6].str()) << value;
    const int64_t at = int64_t(seconds) * 1000 + std::stoi(parts[4]) - row.Offset;
    EXPECT_LE(before - 1000, at) << value;
    EXPECT_GE(after + 1000, at) << value;
    EXPECT_EQ(0, gk.Stop());
  }
}
