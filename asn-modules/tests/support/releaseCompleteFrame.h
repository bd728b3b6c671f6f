// Call-signalling user information of a Release Complete around common-type
// values, for decoders that only read whole H323-UserInformation values. The
// shell (H323-UserInformation, H323-UU-PDU, the body alternative 5 and the
// Release-Complete body) is written field by field as H.225.0 defines it;
// the reason and the call identifier are encoded by the generated classes.
#pragma once

#include <memory>
#include <vector>

#include <h225/h225.h>

struct releaseCompleteFrame {
  std::unique_ptr<H225::releaseCompleteReason> reason;   // left out when null
  std::unique_ptr<H225::callIdentifier> callIdentifier;  // an addition, left out when null

  // The PER octets of the whole H323-UserInformation.
  std::vector<unsigned char> encode() const;
};
