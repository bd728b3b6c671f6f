// ASN.1 NULL.
#pragma once

#include <asn/object.h>

namespace asn {

class null : public object {
public:
  static const typeInfo info;
  null() : object(&info) {}
  static object* create() { return new null; }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;
};

}  // namespace asn
