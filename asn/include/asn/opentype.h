// The octets of one complete PER encoding, kept undecoded: unknown extension
// additions and alternatives, and the carrier of typed holders.
#pragma once

#include <orvo/string.h>

#include <asn/object.h>

namespace asn {

class opentype : public object {
public:
  static const typeInfo info;
  opentype() : object(&info) {}
  static object* create() { return new opentype; }

  const orvo::string& octets() const { return octets_; }
  void setOctets(const orvo::string& octets) { octets_ = octets; }
  void setOctets(const void* data, unsigned length) { octets_.assign(data, length); }

  // PER-encodes the value and keeps its octets.
  void setValue(const object& value);
  // PER-decodes the kept octets into the value.
  void getValue(object& value) const;

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

private:
  orvo::string octets_;
};

}  // namespace asn
