// Base of every ASN.1 value. A value never codes itself: encode and decode
// call the codec operation of the value's kind (see codec.h).
#pragma once

#include <orvo/blockCache.h>

#include <asn/descriptor.h>

namespace asn {

class codec;

class object {
public:
  virtual ~object() = default;
  // Values come and go by the dozen with every message: their blocks are
  // recycled per thread.
  ORVO_CACHED_BLOCKS

  virtual void encode(codec& c) const = 0;
  virtual void decode(codec& c) = 0;
  // Deep copy from a value of the same type.
  virtual void assign(const object& other) = 0;
  // Comparison with a value of the same type.
  virtual bool isEqual(const object& other) const = 0;
  // The first tag triple of the record.
  virtual const tagTriple& tag() const;

  // The type record: a typeInfo, sequenceDescriptor, choiceDescriptor or
  // enumeratedDescriptor according to the kind.
  const void* record() const { return record_; }
  bool sameType(const object& other) const { return record_ == other.record_; }

protected:
  explicit object(const void* record) : record_(record) {}
  object(const object&) = default;
  object& operator=(const object&) = default;

  // assign and isEqual reach members through the record; a value of another
  // type would be read with the wrong layout.
  void requireSameType(const object& other) const;

private:
  const void* record_;
};

}  // namespace asn
