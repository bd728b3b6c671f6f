// H.245 messages as two endpoints of a call exchange them over a separate
// H.245 channel or tunnelled in call signalling: capability exchange,
// master/slave determination, an audio channel opened and closed, the end
// of the session.
#pragma once

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
