#include "numberFields.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace numberFields {

namespace {

// Element name -> tshark field. Element names that tshark gives another
// field to in each module (a time stamp of H.225.0 and of H.235) share one
// entry per field; their values are compared as one list.
struct mapping {
  const char* element;
  const char* field;
};

const mapping mappings[] = {
    {"AllowedBandWidth", "h225.allowedBandWidth"},
    {"BandWidth", "h225.bandWidth"},
    {"CallReferenceValue", "h225.callReferenceValue"},
    {"Calls", "h225.calls"},
    {"ConnectTime", "h225.connectTime"},
    {"Delay", "h225.delay"},
    {"EndTime", "h225.endTime"},
    {"Hash", "h235.hash"},
    {"HopCount", "h225.hopCount"},
    {"IrrFrequency", "h225.irrFrequency"},
    {"IrrFrequencyInCall", "h225.irrFrequencyInCall"},
    {"Priority", "h225.priority"},
    {"Protocol_discriminator", "h225.protocol_discriminator"},
    {"Random", "h235.random"},
    {"RequestSeqNum", "h225.requestSeqNum"},
    {"SessionId", "h225.sessionId"},
    {"Ssrc", "h225.ssrc"},
    {"Standard", "h225.standard"},
    {"TimeStamp", "h225.timeStamp"},
    {"TimeStamp", "h235.timeStamp"},
    {"TimeToLive", "h225.timeToLive"},
};

bool named(const char* element) {
  for (const mapping& m : mappings)
    if (!std::strcmp(m.element, element)) return true;
  return false;
}

std::string numberText(const asn::integerBase& value) {
  // Unconstrained numbers and ranges with a negative lower bound are signed.
  if (value.hasNegativeRange() || (value.lowerBound() == 0 && value.upperBound() == 0))
    return std::to_string(value.signedValue());
  return std::to_string(value.value());
}

bool isTime(const char* element) {
  return !std::strcmp(element, "TimeStamp") || !std::strcmp(element, "ConnectTime") || !std::strcmp(element, "EndTime");
}

// tshark shows a time stamp as the UTC time it counts seconds to.
std::string timeText(const asn::integerBase& value) {
  time_t seconds = time_t(value.value());
  struct tm utc;
  gmtime_r(&seconds, &utc);
  char text[64];
  std::strftime(text, sizeof text, "%b %e, %Y %H:%M:%S.000000000 UTC", &utc);
  return text;
}

std::string bitsText(const asn::bitStringBase& value) {
  std::string text;
  char digits[3];
  for (unsigned i = 0; i < (value.length() + 7) / 8; ++i) {
    std::snprintf(digits, sizeof digits, "%02x", (unsigned char)value.octets().buffer()[i]);
    text += digits;
  }
  return text;
}

void collect(const asn::object& value, const char* element, std::map<std::string, std::vector<std::string>>& out) {
  if (auto* sequence = dynamic_cast<const asn::sequence*>(&value)) {
    const asn::sequenceDescriptor& d = sequence->descriptor();
    for (unsigned i = 0; i < d.count; ++i)
      if (const asn::object* component = sequence->component(i)) collect(*component, d.components[i].name, out);
  } else if (auto* choice = dynamic_cast<const asn::choice*>(&value)) {
    const asn::choiceDescriptor& d = choice->descriptor();
    if (choice->alternative() && choice->index() >= 0 && unsigned(choice->index()) < d.count)
      collect(*choice->alternative(), d.alternatives[choice->index()].name, out);
  } else if (auto* list = dynamic_cast<const asn::sequenceOfBase*>(&value)) {
    for (const orvo::listNode* node = list->elements().head(); node; node = node->next)
      collect(*static_cast<const asn::object*>(node->element), element, out);
  } else if (auto* any = dynamic_cast<const asn::anytypeBase*>(&value)) {
    collect(*any->value(), element, out);
  } else if (element && named(element)) {
    if (auto* number = dynamic_cast<const asn::integerBase*>(&value))
      out[element].push_back(isTime(element) ? timeText(*number) : numberText(*number));
    else if (auto* bits = dynamic_cast<const asn::bitStringBase*>(&value))
      out[element].push_back(bitsText(*bits));
  }
}

}  // namespace

const std::vector<std::string>& fieldNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const mapping& m : mappings) all.push_back(m.field);
    return all;
  }();
  return names;
}

const std::vector<group>& groups() {
  static const std::vector<group> all = [] {
    std::vector<group> result;
    for (size_t column = 0; column < sizeof mappings / sizeof mappings[0]; ++column) {
      if (result.empty() || result.back().element != mappings[column].element)
        result.push_back({mappings[column].element, {}});
      result.back().columns.push_back(column);
    }
    return result;
  }();
  return all;
}

std::map<std::string, std::vector<std::string>> of(const asn::object& value) {
  std::map<std::string, std::vector<std::string>> fields;
  collect(value, nullptr, fields);
  return fields;
}

std::vector<std::string> sortedOccurrences(const std::vector<std::string>& cells) {
  std::vector<std::string> values;
  for (const std::string& cell : cells) {
    size_t start = 0;
    while (!cell.empty() && start <= cell.size()) {
      size_t end = cell.find('|', start);
      if (end == std::string::npos) end = cell.size();
      values.push_back(cell.substr(start, end - start));
      start = end + 1;
    }
  }
  return sorted(values);
}

std::vector<std::string> sorted(std::vector<std::string> values) {
  std::sort(values.begin(), values.end());
  return values;
}

}  // namespace numberFields
