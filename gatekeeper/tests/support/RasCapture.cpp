#include "RasCapture.h"

#include <arpa/inet.h>

#include <set>

#include <orvo/socketAddress.h>

void TRasCapture::AddEndpoint(const sockaddr_in& AAddress) { Endpoints.push_back(AAddress); }

void TRasCapture::RecordSent(const sockaddr_in& AFrom, const sockaddr_in& ATo, const unsigned char* AData,
                             size_t ALength) {
  Record(AFrom, ATo, AData, ALength);
}

void TRasCapture::RecordReceived(const sockaddr_in& AFrom, const sockaddr_in& ATo, const unsigned char* AData,
                                 size_t ALength) {
  for (const sockaddr_in& endpoint : Endpoints)
    if (endpoint == AFrom) return;
  Record(AFrom, ATo, AData, ALength);
}

void TRasCapture::Record(const sockaddr_in& AFrom, const sockaddr_in& ATo, const unsigned char* AData, size_t ALength) {
  tshark::datagram d;
  d.sourceAddress = ntohl(AFrom.sin_addr.s_addr);
  d.sourcePort = ntohs(AFrom.sin_port);
  d.destinationAddress = ntohl(ATo.sin_addr.s_addr);
  d.destinationPort = ntohs(ATo.sin_port);
  d.payload.assign(AData, AData + ALength);
  Datagrams.push_back(d);
}

std::string TRasCapture::WritePcap(const std::string& APath) const { return tshark::writeDatagrams(Datagrams, APath); }

tshark::result TRasCapture::Dissect(const std::string& APath, const std::vector<std::string>& AFields) const {
  tshark::result r;
  r.failure = WritePcap(APath);
  if (!r.failure.empty()) return r;
  std::set<unsigned> ports;
  for (const tshark::datagram& d : Datagrams) {
    ports.insert(d.sourcePort);
    ports.insert(d.destinationPort);
  }
  return tshark::dissectCapture(APath, std::vector<unsigned>(ports.begin(), ports.end()), AFields, Datagrams.size());
}
