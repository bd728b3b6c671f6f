// SEQUENCE: the base of generated SEQUENCE classes. Members live in the
// derived class; the descriptor's accessors reach them (see descriptor.h).
#pragma once

#include <memory>

#include <asn/object.h>
#include <asn/unknownExtensions.h>

namespace asn {

class sequence : public object {
public:
  // Derived classes must call reset() in their own destructor; this one
  // only drops the side record.
  ~sequence() override = default;
  sequence(const sequence&) = delete;
  // A deep copy of a value of the same type (the virtual assign).
  sequence& operator=(const sequence& other) {
    assign(other);
    return *this;
  }

  const sequenceDescriptor& descriptor() const { return *static_cast<const sequenceDescriptor*>(record()); }

  // Deletes the side record and every present pointer-held component;
  // by-value members keep their values.
  void reset();
  unsigned optionalCount() const;
  unsigned additionCount() const;
  // True when at least one known addition is present.
  bool hasAdditions() const;

  // Additions received that this version does not know; null when none.
  const unknownExtensions* unknown() const { return unknown_.get(); }
  unknownExtensions* unknown() { return unknown_.get(); }
  void setUnknown(std::unique_ptr<unknownExtensions> record) { unknown_ = std::move(record); }

  // Component i of the descriptor: the by-value member, or the held value
  // (null when absent).
  object* component(unsigned i) const { return descriptor().components[i].component(*this); }
  // Stores a new value of pointer-held component i, deleting the old one.
  void setComponent(unsigned i, object* value);

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;
  const tagTriple& tag() const override { return descriptor().tag; }

protected:
  explicit sequence(const sequenceDescriptor* record) : object(record) {}

private:
  std::unique_ptr<unknownExtensions> unknown_;
};

}  // namespace asn
