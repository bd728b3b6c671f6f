// ASN.1 BOOLEAN.
#pragma once

#include <asn/object.h>

namespace asn {

class booltype : public object {
public:
  static const typeInfo info;
  booltype() : object(&info) {}
  explicit booltype(bool value) : object(&info), value_(value) {}
  static object* create() { return new booltype; }

  bool value() const { return value_ != 0; }
  void setValue(bool value) { value_ = value; }
  booltype& operator=(bool value) {
    value_ = value;
    return *this;
  }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

private:
  unsigned char value_ = 0;
};

}  // namespace asn
