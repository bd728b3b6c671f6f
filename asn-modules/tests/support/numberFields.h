// Every INTEGER (and every H.235 hash) of a message that tshark's H.225.0
// and H.235 dissectors name, gathered from our own value and written as
// tshark prints them, so that its reading can be compared value by value.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <asn/asn.h>

namespace numberFields {

// The tshark fields to ask for.
const std::vector<std::string>& fieldNames();

// An element name and the columns of fieldNames() that show its values.
struct group {
  std::string element;
  std::vector<size_t> columns;
};
const std::vector<group>& groups();

// Element name -> our values in encoding order.
std::map<std::string, std::vector<std::string>> of(const asn::object& value);

// tshark's cell of several fields, their occurrences joined by '|', as one
// sorted list; the same for our values.
std::vector<std::string> sortedOccurrences(const std::vector<std::string>& cells);
std::vector<std::string> sorted(std::vector<std::string> values);

}  // namespace numberFields
