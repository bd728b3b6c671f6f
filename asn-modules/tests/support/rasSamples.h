// Realistic RAS messages as the gatekeeper and its endpoints exchange them,
// every alternative of the RAS message at least once, in alternative order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>

// Alternatives of H225::rasMessage.
namespace rasKind {
enum : int {
  gatekeeperRequest,
  gatekeeperConfirm,
  gatekeeperReject,
  registrationRequest,
  registrationConfirm,
  registrationReject,
  unregistrationRequest,
  unregistrationConfirm,
  unregistrationReject,
  admissionRequest,
  admissionConfirm,
  admissionReject,
  bandwidthRequest,
  bandwidthConfirm,
  bandwidthReject,
  disengageRequest,
  disengageConfirm,
  disengageReject,
  locationRequest,
  locationConfirm,
  locationReject,
  infoRequest,
  infoRequestResponse,
  nonStandardMessage,
  unknownMessageResponse,
  requestInProgress,
  resourcesAvailableIndicate,
  resourcesAvailableConfirm,
  infoRequestAck,
  infoRequestNak,
  serviceControlIndication,
  serviceControlResponse,
  count
};
}

struct rasSample {
  std::string name;  // "GRQ with aliases and tokens"
  std::shared_ptr<const H225::rasMessage> message;
};

std::vector<rasSample> rasSamples();

// The single messages the benchmarks and other tests reach by name.
std::unique_ptr<H225::rasMessage> fullRegistrationRequest();
std::unique_ptr<H225::rasMessage> registrationConfirmWithPreGrantedAdmission();
std::unique_ptr<H225::rasMessage> admissionRequestWithTokens();
std::unique_ptr<H225::rasMessage> admissionConfirmWithRequestedUuies();
