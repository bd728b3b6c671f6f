// Realistic call-signalling user-user information, one or more per message
// body kind, as endpoints and a routing gatekeeper send them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>

// Alternatives of H225::h323_uu_pdu::h323_message_body_choice.
namespace bodyKind {
enum : int {
  setup,
  callProceeding,
  connect,
  alerting,
  information,
  releaseComplete,
  facility,
  progress,
  empty,
  status,
  statusInquiry,
  setupAcknowledge,
  notify,
  count
};
}

struct userInformationSample {
  std::string name;  // "Setup with fast start, H.245 control and H.450"
  std::shared_ptr<const H225::h323_UserInformation> message;
};

std::vector<userInformationSample> userInformationSamples();

// A fast-start Setup with tunnelled H.245 and an H.450 APDU.
std::unique_ptr<H225::h323_UserInformation> setupWithFastStart();

// Octets that the user information carries for other modules, written by
// hand from their PER rules: an H.245 open-logical-channel request (channel
// 1, null data, no multiplex parameters), an H.245 master-slave
// determination (terminal type 190, number 0x123456) and an H.450.1 APDU
// invoking operation 0 with invoke identifier 1.
extern const std::string fastStartChannel;
extern const std::string masterSlaveDetermination;
extern const std::string supplementaryServiceInvoke;
