// Requests that end-to-end and in-process tests send for an endpoint, and
// what the tests read back from the gatekeeper's answers.
#pragma once

#include <netinet/in.h>

#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>

class TSimulatedEndpoint;

// The RAS message in the octets; null when they do not decode.
std::unique_ptr<H225::rasMessage> DecodeRasMessage(const std::vector<unsigned char>& AOctets);

// Aliases are H.323-IDs; one that begins with '@' is an e-mail alias.
std::unique_ptr<H225::rasMessage> DiscoveryRequest(TSimulatedEndpoint& AEndpoint,
                                                   const std::vector<std::string>& AAliases,
                                                   const std::string& AGatekeeper = "");
// A lightweight registration naming the endpoint identifier.
std::unique_ptr<H225::rasMessage> KeepAliveRequest(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier);
// Naming the endpoint identifier and the endpoint's call-signal address;
// the aliases given make it a partial one.
std::unique_ptr<H225::rasMessage> UnregistrationRequest(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                                        const std::vector<std::string>& AAliases = {});
std::unique_ptr<H225::rasMessage> DisengageRequest(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                                   unsigned char AConference);
// A direct call of the endpoint named by AIdentifier from ASource to
// ADestination (aliases as H323::makeAliasAddress makes them), asking for
// 640 of bandwidth; sequence number, conference and the rest are the test's.
H225::rasMessage AdmissionRequest(const std::string& AIdentifier, const char* ASource, const char* ADestination,
                                  unsigned ACallReference);
// With needResponse true and, unless AConference is 0, one call.
std::unique_ptr<H225::rasMessage> InfoReport(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier,
                                             unsigned char AConference);

// The endpoint identifier of a registration confirm, empty for another message.
std::string ConfirmedIdentifier(const H225::rasMessage& AMessage);
