// GeneralizedTime: a local date-time.
#pragma once

#include <orvo/dateTime.h>

#include <asn/object.h>

namespace asn {

class generalizedTime : public object {
public:
  static const typeInfo info;
  // The current local time.
  generalizedTime();
  explicit generalizedTime(const typeInfo* record);
  explicit generalizedTime(const orvo::dateTime& value);
  static object* create() { return new generalizedTime; }

  const orvo::dateTime& value() const { return value_; }
  void setValue(const orvo::dateTime& value) { value_ = value; }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

private:
  orvo::dateTime value_;
};

}  // namespace asn
