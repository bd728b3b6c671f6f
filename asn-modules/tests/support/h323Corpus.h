// The real H.323 messages of the shared corpus, read at test time and never
// copied: one entry per line of a capture's hex file with the line's tshark
// summary. The octets name other people's addresses: decode only.
#pragma once

#include <string>
#include <vector>

struct corpusMessage {
  std::string capture;  // directory, "cr_ss101"
  unsigned line = 0;    // from 1
  std::vector<unsigned char> octets;
  std::string summary;     // "RAS: registrationRequest", "CS: setup OpenLogicalChannel"
  bool malformed = false;  // tshark could not decode it

  std::string where() const { return capture + " line " + std::to_string(line); }
};

// The corpus directory; empty when the shared data is absent.
std::string h323CorpusDirectory();

// Every message of every capture's `<kind>.hex` ("ras", "q931").
std::vector<corpusMessage> h323CorpusMessages(const std::string& kind);

// The User-user information element of a Q.931 message: the octets after
// its protocol discriminator, or empty when the message has none.
std::vector<unsigned char> userUserInformation(const std::vector<unsigned char>& q931);
