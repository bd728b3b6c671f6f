// The fields of a message that tshark's H.225.0 dissector names, gathered
// from our own value in encoding order and written as tshark prints them,
// so that its reading can be compared field by field with what we built.
#pragma once

#include <string>
#include <vector>

#include <asn/asn.h>

struct keyFields {
  std::vector<std::string> requestSeqNum;       // h225.requestSeqNum
  std::vector<std::string> protocolIdentifier;  // h225.protocolIdentifier
  std::vector<std::string> gatekeeperIdentifier;
  std::vector<std::string> endpointIdentifier;
  std::vector<std::string> dialledDigits;  // aliases
  std::vector<std::string> h323Id;
  std::vector<std::string> ipV4;  // IPv4 transport addresses but the H.245 address
  std::vector<std::string> ipV4Port;
  std::vector<std::string> callIdentifier;  // h225.guid

  static keyFields of(const asn::object& value);

  // The tshark field names, in the order of asTable().
  static const std::vector<std::string>& fieldNames();
  // Each field's occurrences joined by '|', as tshark -E aggregator='|'.
  std::vector<std::string> asTable() const;
};
