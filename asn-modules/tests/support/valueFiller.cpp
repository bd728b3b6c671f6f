#include "valueFiller.h"

#include <cstdint>
#include <cstdio>

#include <asn/perCodec.h>

namespace {
// Deeper than this, values take their smallest form, so that recursive
// types (generic data nesting generic data) end.
constexpr unsigned smallestFormDepth = 8;
}  // namespace

void valueFiller::fill(asn::object& value, unsigned depth) {
  if (auto* s = dynamic_cast<asn::sequence*>(&value)) return fillSequence(*s, depth);
  if (auto* c = dynamic_cast<asn::choice*>(&value)) return fillChoice(*c, depth);
  if (auto* l = dynamic_cast<asn::sequenceOfBase*>(&value)) return fillList(*l, depth);
  if (auto* a = dynamic_cast<asn::anytypeBase*>(&value)) return fill(*a->value(), depth + 1);
  if (auto* e = dynamic_cast<asn::enumerated*>(&value)) {
    e->setIndex((variant_ + depth) % e->descriptor().count);
    return;
  }
  if (auto* i = dynamic_cast<asn::integerBase*>(&value)) return fillInteger(*i);
  if (auto* b = dynamic_cast<asn::booltype*>(&value)) {
    b->setValue((variant_ + depth) % 2 == 0);
    return;
  }
  if (auto* o = dynamic_cast<asn::octetStringBase*>(&value)) {
    std::string octets;
    for (unsigned i = 0, n = sizeFor(*o, 3 + variant_ % 3); i < n; ++i) octets += char(0x30 + (i + variant_) % 200);
    o->setValue(octets.data(), unsigned(octets.size()));
    return;
  }
  if (auto* b = dynamic_cast<asn::bitStringBase*>(&value)) {
    unsigned n = sizeFor(*b, 5 + 7 * (variant_ % 4));
    b->setLength(n);
    for (unsigned i = 0; i < n; i += 3) b->setBit(i);
    return;
  }
  if (auto* s = dynamic_cast<asn::bmpStringBase*>(&value)) {
    std::string text;
    for (unsigned i = 0, n = sizeFor(*s, 4 + variant_ % 3); i < n; ++i) text += char('A' + (i + variant_) % 26);
    *s = text.c_str();
    return;
  }
  if (auto* s = dynamic_cast<asn::constrainedString*>(&value)) {
    std::string text;
    for (unsigned i = 0, n = sizeFor(*s, 3 + variant_ % 4); i < n; ++i) {
      if (s->alphabetSize() >= 128)
        text += char('a' + (i + variant_) % 26);
      else
        text += s->alphabet()[(i + variant_) % s->alphabetSize()];
    }
    *s = text.c_str();
    return;
  }
  if (auto* o = dynamic_cast<asn::oid*>(&value)) {
    const uint32_t arcs[] = {0, 0, 8, 2250, 0, 4 + variant_ % 3};
    o->set(arcs, 6);
    return;
  }
  // NULL has no contents; nothing generated holds other kinds.
}

void valueFiller::fillSequence(asn::sequence& value, unsigned depth) {
  const asn::sequenceDescriptor& d = value.descriptor();
  for (unsigned i = 0; i < d.count; ++i) {
    const asn::componentEntry& entry = d.components[i];
    if (!entry.heldByPointer()) {
      fill(*value.component(i), depth + 1);
    } else if (present(depth, i)) {
      asn::object* component = entry.create();
      value.setComponent(i, component);
      fill(*component, depth + 1);
    }
  }
}

void valueFiller::fillChoice(asn::choice& value, unsigned depth) {
  const asn::choiceDescriptor& d = value.descriptor();
  if (d.count > widestChoice_) widestChoice_ = d.count;
  int index = depth >= smallestFormDepth ? 0 : int((variant_ + depth) % d.count);
  fill(*value.select(index), depth + 1);
}

void valueFiller::fillList(asn::sequenceOfBase& value, unsigned depth) {
  value.clear();
  unsigned n = depth >= smallestFormDepth ? value.lowerBound() : sizeFor(value, 1 + variant_ % 2);
  for (unsigned i = 0; i < n; ++i) fill(*value.appendNew(), depth + 1);
}

void valueFiller::fillInteger(asn::integerBase& value) {
  const asn::typeInfo& record = value.typeRecord();
  if (record.namedCount > 0) {
    value.setValue(record.namedValues[variant_ % record.namedCount].value);
    return;
  }
  if (value.isUnconstrained()) {
    value.setValue(5 + variant_ * 300);
    return;
  }
  uint64_t range = uint64_t(uint32_t(record.upperBound - record.lowerBound)) + 1;
  value.setValue(uint32_t(record.lowerBound + (uint64_t(variant_) * 7919u) % range));
}

unsigned valueFiller::sizeFor(const asn::constrained& value, unsigned wanted) const {
  uint32_t lb = value.lowerBound(), ub = value.upperBound();
  if (lb == 0 && ub == 0) return wanted;
  if (wanted < lb) return lb;
  if (wanted > ub) return ub;
  return wanted;
}

bool valueFiller::present(unsigned depth, unsigned component) const {
  return depth < smallestFormDepth && (variant_ + component + depth) % 3 != 2;
}

std::vector<unsigned char> perOctets(const asn::object& value) {
  asn::per::codec codec;
  value.encode(codec);
  if (codec.stream().octetLength() == 0) return {};
  const unsigned char* data = codec.stream().data();
  return std::vector<unsigned char>(data, data + codec.stream().octetLength());
}

void perDecode(asn::object& value, const std::vector<unsigned char>& octets) {
  asn::per::codec codec(octets.data(), unsigned(octets.size()));
  value.decode(codec);
}

std::string hexText(const std::vector<unsigned char>& octets) {
  std::string text;
  char buffer[4];
  for (unsigned char octet : octets) {
    std::snprintf(buffer, sizeof buffer, text.empty() ? "%02x" : " %02x", octet);
    text += buffer;
  }
  return text;
}

std::string perHex(const asn::object& value) { return hexText(perOctets(value)); }
