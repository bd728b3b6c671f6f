#include "keyFields.h"

#include <cstdio>
#include <cstring>

#include <h225/h225.h>

namespace {

std::string joined(const std::vector<std::string>& values) {
  std::string out;
  for (size_t i = 0; i < values.size(); ++i) out += (i ? "|" : "") + values[i];
  return out;
}

std::string dotted(const asn::oid& identifier) {
  std::string out;
  for (unsigned i = 0; i < identifier.count(); ++i) out += (i ? "." : "") + std::to_string(identifier.arc(i));
  return out;
}

std::string text(const asn::object& value) {
  if (auto* bmp = dynamic_cast<const asn::bmpStringBase*>(&value)) return bmp->toString().buffer();
  if (auto* chars = dynamic_cast<const asn::constrainedString*>(&value)) return chars->value().buffer();
  return "?";
}

// tshark prints an H.225.0 GUID as 8-4-4-4-12 hex digits in octet order.
std::string guidText(const asn::octetStringBase& guid) {
  static const int dashesAfter[] = {3, 5, 7, 9};
  std::string out;
  char buffer[4];
  for (unsigned i = 0; i < guid.length(); ++i) {
    std::snprintf(buffer, sizeof buffer, "%02x", guid.data()[i]);
    out += buffer;
    for (int d : dashesAfter)
      if (int(i) == d) out += '-';
  }
  return out;
}

void collect(const asn::object& value, const char* element, keyFields& out) {
  if (auto* sequence = dynamic_cast<const asn::sequence*>(&value)) {
    if (sequence->record() == &H225::transportAddress::ipAddress_sequence::descriptor) {
      auto& ip = static_cast<const H225::transportAddress::ipAddress_sequence&>(value);
      char buffer[20];
      std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", ip.ip.data()[0], ip.ip.data()[1], ip.ip.data()[2],
                    ip.ip.data()[3]);
      out.ipV4.push_back(buffer);
      out.ipV4Port.push_back(std::to_string(ip.port.value()));
      return;
    }
    if (sequence->record() == &H225::callIdentifier::descriptor) {
      out.callIdentifier.push_back(guidText(static_cast<const H225::callIdentifier&>(value).guid));
      return;
    }
    const asn::sequenceDescriptor& d = sequence->descriptor();
    for (unsigned i = 0; i < d.count; ++i)
      if (const asn::object* component = sequence->component(i)) collect(*component, d.components[i].name, out);
    return;
  }
  if (auto* choice = dynamic_cast<const asn::choice*>(&value)) {
    // tshark names the H.245 address by fields of its own.
    if (choice->record() == &H225::transportAddress::descriptor && element && !std::strcmp(element, "H245Address"))
      return;
    const asn::choiceDescriptor& d = choice->descriptor();
    if (choice->alternative() && choice->index() >= 0 && unsigned(choice->index()) < d.count)
      collect(*choice->alternative(), d.alternatives[choice->index()].name, out);
    return;
  }
  if (auto* list = dynamic_cast<const asn::sequenceOfBase*>(&value)) {
    for (const orvo::listNode* node = list->elements().head(); node; node = node->next)
      collect(*static_cast<const asn::object*>(node->element), element, out);
    return;
  }
  if (!element) return;
  if (!std::strcmp(element, "RequestSeqNum"))
    out.requestSeqNum.push_back(std::to_string(static_cast<const asn::integerBase&>(value).value()));
  else if (!std::strcmp(element, "ProtocolIdentifier"))
    out.protocolIdentifier.push_back(dotted(static_cast<const asn::oid&>(value)));
  else if (!std::strcmp(element, "GatekeeperIdentifier"))
    out.gatekeeperIdentifier.push_back(text(value));
  else if (!std::strcmp(element, "EndpointIdentifier"))
    out.endpointIdentifier.push_back(text(value));
  else if (!std::strcmp(element, "DialedDigits"))
    out.dialledDigits.push_back(text(value));
  else if (!std::strcmp(element, "H323_ID"))
    out.h323Id.push_back(text(value));
}

}  // namespace

keyFields keyFields::of(const asn::object& value) {
  keyFields fields;
  collect(value, nullptr, fields);
  return fields;
}

const std::vector<std::string>& keyFields::fieldNames() {
  static const std::vector<std::string> names = {"h225.requestSeqNum",
                                                 "h225.protocolIdentifier",
                                                 "h225.gatekeeperIdentifier",
                                                 "h225.endpointIdentifier",
                                                 "h225.dialledDigits",
                                                 "h225.h323_ID",
                                                 "h225.ipV4",
                                                 "h225.ipV4_port",
                                                 "h225.guid"};
  return names;
}

std::vector<std::string> keyFields::asTable() const {
  return {joined(requestSeqNum),
          joined(protocolIdentifier),
          joined(gatekeeperIdentifier),
          joined(endpointIdentifier),
          joined(dialledDigits),
          joined(h323Id),
          joined(ipV4),
          joined(ipV4Port),
          joined(callIdentifier)};
}
