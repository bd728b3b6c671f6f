// H.245 messages as two endpoints of a call exchange them over a separate
// H.245 channel or tunnelled in call signalling: capability exchange,
// master/slave determination, an audio channel opened and closed, the end
// of the session.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <h245/h245.h>

struct h245Sample {
  std::string name;  // "MasterSlaveDetermination"
  std::shared_ptr<const H245::multimediaSystemControlMessage> message;
};

std::vector<h245Sample> h245Samples();

// The channel proposal alone, as a fast-start element carries it.
std::unique_ptr<H245::openLogicalChannel> g711Channel();

// A capability set whose one entry is a forward error correction capability
// protecting entry 1 with the given rfc2733Format alternative (0 rfc2733rfc2198,
// 1 rfc2733sameport, 2 rfc2733diffport) and MaxRedundancy.
std::unique_ptr<H245::multimediaSystemControlMessage> fecCapabilitySet(int format, uint32_t redundancy);
