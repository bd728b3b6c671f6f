#include "CoreWithUsers.h"

#include <gtest/gtest.h>

#include <sstream>

#include <config/Configuration.h>
#include <config/User.h>
#include <h323/alias.h>

#include "SimulatedEndpoint.h"

TCoreWithUsers::TCoreWithUsers(const std::string& AConfiguration) {
  EXPECT_TRUE(Core.ReloadConfiguration(new std::istringstream(AConfiguration))) << AConfiguration;
}

TUser* TCoreWithUsers::User(const std::string& AName) const {
  if (!Core.Configuration()) return nullptr;
  for (TUser* user : Core.Configuration()->Users())
    if (user->Identifier() == AName.c_str()) return user;
  return nullptr;
}

TEndpointRegisterInfo* TCoreWithUsers::Register(const std::string& AUser, unsigned AHost,
                                                const std::vector<std::string>& AAliases) {
  auto* registration = new TEndpointRegisterInfo(&Core);
  registration->SetUser(User(AUser));
  registration->RasAddress = LoopbackAddress(AHost, 1719);
  registration->CallSignalAddress = LoopbackAddress(AHost, 1720);
  for (const std::string& alias : AAliases) {
    auto* address = new H225::aliasAddress;
    H323::makeAliasAddress(*address, alias.c_str(), 1);
    registration->Aliases.append(address);
  }
  registration->SetState(TEndpointRegisterInfo::esRegistered);
  return registration;
}

H323::guidOctets Guid(unsigned char AOctet) {
  H323::guidOctets guid;
  unsigned char octets[16];
  for (unsigned char& o : octets) o = AOctet;
  guid.setValue(octets, 16);
  return guid;
}

H225::callIdentifier CallId(unsigned char AOctet) {
  H225::callIdentifier id;
  id.guid = Guid(AOctet);
  return id;
}

#include <orvo/bifurcator.h>

#include <gatekeeper/LogManipulators.h>

#include "orvoTesting.h"

struct TCoreLog::TSink {
  TSink() : Log(std::cout) { Log.addManipulator(new TStringBufferManipulator(&Text)); }
  orvo::TBifurcator Log;
  orvo::string Text;
};

TCoreLog::TCoreLog() : Sink(new TSink) {}

TCoreLog::~TCoreLog() { delete Sink; }

std::string TCoreLog::Lines() {
  Sink->Log.flushAll();
  return toStd(Sink->Text);
}
