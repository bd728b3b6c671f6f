// Q.931 messages that hold every element class in realistic forms: the
// messages of a routed call as this system builds them, and messages
// written by hand from the layouts of ITU-T Q.931. The hostile-input tests
// cut and flip them; the fuzz target's committed seeds are these octets.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <h323/q931/message.h>

struct routedCallMessage {
  std::string name;
  std::function<Q931::message()> build;
};

// Setup, Call Proceeding, Alerting, Connect, Release Complete, Facility,
// Progress and Status, with the H.225.0 bodies of the samples.
std::vector<routedCallMessage> routedCallMessages();

// The routed call's Setup (conference 0x40..., call 0x50..., source
// aliases "Terminal-1" and "2001") calling ANumber alone: no destination
// aliases, and no called party number when ANumber is empty.
Q931::message setupCalling(const std::string& ANumber);

struct q931Sample {
  std::string name;
  std::string hex;
};

// The routed-call messages encoded, then the hand-written ones.
std::vector<q931Sample> q931Samples();
