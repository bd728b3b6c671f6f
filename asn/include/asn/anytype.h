// A value of a known type carried as an open type (the H.235 signed,
// encrypted and hashed contents).
#pragma once

#include <asn/object.h>

namespace asn {

class anytypeBase : public object {
public:
  ~anytypeBase() override;

  object* value() const { return value_; }
  // Deletes the held value and holds a new default one.
  object* reset();

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;
  const tagTriple& tag() const override;

protected:
  explicit anytypeBase(const typeInfo* record);
  anytypeBase(const anytypeBase& other);
  anytypeBase& operator=(const anytypeBase& other);

private:
  const typeInfo& typeRecord() const { return *static_cast<const typeInfo*>(record()); }
  object* value_;
};

template <class T>
class anytype : public anytypeBase {
public:
  static constexpr typeInfo info = typeInfo::anytype(&T::create);
  anytype() : anytypeBase(&info) {}
  anytype(const anytype&) = default;
  anytype& operator=(const anytype&) = default;
  static object* create() { return new anytype; }

  T* get() const { return static_cast<T*>(value()); }
};

}  // namespace asn
