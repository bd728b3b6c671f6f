// Fills any generated value with valid contents by walking its descriptor, so
// that tests can build a complete value of every type without knowing it.
#pragma once

#include <string>
#include <vector>

#include <asn/asn.h>

class valueFiller {
public:
  // The variant picks the alternative of every CHOICE (variant + depth,
  // modulo the alternative count), whether OPTIONAL components and
  // additions are present, and the contents of primitive values.
  explicit valueFiller(unsigned variant) : variant_(variant) {}

  void fill(asn::object& value) { fill(value, 0); }

  // The largest alternative count of any CHOICE met so far: variants up to
  // it select every alternative at least once.
  unsigned widestChoice() const { return widestChoice_; }

private:
  void fill(asn::object& value, unsigned depth);
  void fillSequence(asn::sequence& value, unsigned depth);
  void fillChoice(asn::choice& value, unsigned depth);
  void fillList(asn::sequenceOfBase& value, unsigned depth);
  void fillInteger(asn::integerBase& value);
  unsigned sizeFor(const asn::constrained& value, unsigned wanted) const;
  bool present(unsigned depth, unsigned component) const;

  unsigned variant_;
  unsigned widestChoice_ = 0;
};

// PER octets of a value, as text "01 02 0a".
std::string perHex(const asn::object& value);
// PER octets of a value.
std::vector<unsigned char> perOctets(const asn::object& value);
// Decodes octets into a value.
void perDecode(asn::object& value, const std::vector<unsigned char>& octets);
std::string hexText(const std::vector<unsigned char>& octets);
