// A gatekeeper link of an in-process core, registered at a neighbour that
// the test plays with a simulated endpoint.
#pragma once

#include <string>

class TCoreWithUsers;
class TGatekeeperLink;
class TSimulatedEndpoint;

// Starts the link of the core's gatekeeper section AUser and answers its
// registration request from ANeighbour with a confirm that names the
// link "EP-GK1"; null when no registration request came.
TGatekeeperLink* RegisterLink(TCoreWithUsers& AGatekeeper, const std::string& AUser, TSimulatedEndpoint& ANeighbour);
