// Every RAS datagram an end-to-end test sends or receives, kept in order
// with its addresses, so that tshark reads the whole exchange as a capture:
// the gatekeeper's answers are then checked by a decoder nobody here wrote,
// not only by our own.
#pragma once

#include <netinet/in.h>

#include <string>
#include <vector>

#include "tshark.h"

class TRasCapture {
public:
  // An endpoint that records into this capture; what it sends to another
  // such endpoint is recorded once, when sent.
  void AddEndpoint(const sockaddr_in& AAddress);
  void RecordSent(const sockaddr_in& AFrom, const sockaddr_in& ATo, const unsigned char* AData, size_t ALength);
  void RecordReceived(const sockaddr_in& AFrom, const sockaddr_in& ATo, const unsigned char* AData, size_t ALength);
  const std::vector<tshark::datagram>& Recorded() const { return Datagrams; }

  // Writes the capture file (raw IPv4 packets). The complaint, empty on success.
  std::string WritePcap(const std::string& APath) const;
  // tshark's reading of every datagram so far, one frame each, all of them
  // read as RAS whatever their ports. The capture is written to APath.
  tshark::result Dissect(const std::string& APath, const std::vector<std::string>& AFields) const;

private:
  void Record(const sockaddr_in& AFrom, const sockaddr_in& ATo, const unsigned char* AData, size_t ALength);

  std::vector<sockaddr_in> Endpoints;
  std::vector<tshark::datagram> Datagrams;
};
