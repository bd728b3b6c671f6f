#include <gatekeeper/RejectTexts.h>

namespace {

// Made on first use and shared by every message that carries one, so that
// no other static object can see them unconstructed.
const orvo::string* Table() {
  static const orvo::string texts[rtTextCount] = {
      "Gatekeeper service shutting down.",
      "Gatekeeper identifer mismatch.",
      "No RAS IP address given.",
      "No CS IP address given.",
      "None of login aliases given.",
      "All aliases supplied are unknown type.",
      "Unknown login alias.",
      "Login aliases refer distinct endpoints.",
      "User, aliases refer to, are static.",
      "Registration from this address is not allowed.",
      "Invalid H.235 secutity information.",
      "Other endpoint from this CS address already registered.",
      "Endpoint unregistration in progress.",
      "Endpoint in some intermediate state.",
      "Password for RADIUS server is not supplied.",
      "User name for RADIUS server is not supplied.",
      "RADIUS server failure.",
      "Connection rejected by RADIUS server.",
      "Link bandwidth completely exhausted.",
      "Link bandwidth insufficient.",
      "Internal gatekeeper failure.",
      "Remote gatekeeper failure.",
      "Connection rejected by remote gatekeeper.",
      "Unable to identificate requester.",
      "Caller call capacity exceeded.",
      "Callee call capacity exceeded.",
      "Connection already exists. Admitter not a connection participant.",
  };
  return texts;
}

}  // namespace

const orvo::string& RejectText(int AText) {
  static const orvo::string none;
  if (AText < 0 || AText >= rtTextCount) return none;
  return Table()[AText];
}
