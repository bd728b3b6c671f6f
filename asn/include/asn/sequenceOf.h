// SEQUENCE OF and SET OF: an owning list of elements made by the record's
// create function.
#pragma once

#include <cstdint>

#include <orvo/list.h>

#include <asn/constrained.h>

namespace asn {

class sequenceOfBase : public constrained {
public:
  ~sequenceOfBase() override;

  // The elements; the list owns them. Never copy this handle into another
  // owning list: two owners of one representation delete twice.
  orvo::list<object>& elements() { return elements_; }
  const orvo::list<object>& elements() const { return elements_; }
  unsigned count() const { return elements_.count(); }
  // A new default element, appended; the list owns it.
  object* appendNew();
  void clear() { elements_.clear(1); }

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

protected:
  explicit sequenceOfBase(const typeInfo* record) : constrained(record), elements_(1) {}
  // Deep copies: the element list is never shared.
  sequenceOfBase(const sequenceOfBase& other);
  sequenceOfBase& operator=(const sequenceOfBase& other);

private:
  orvo::list<object> elements_;
};

template <uint32_t number, class T, uint32_t lb, uint32_t ub, uint32_t k>
class sizedList : public sequenceOfBase {
public:
  static constexpr typeInfo info = typeInfo::sizedList(number, k, lb, ub, &T::create);
  sizedList() : sequenceOfBase(&info) {}
  sizedList(const sizedList&) = default;
  sizedList& operator=(const sizedList&) = default;
  static object* create() { return new sizedList; }

  T* append(T* element) { return static_cast<T*>(elements().append(element)); }
  T* appendNew() { return static_cast<T*>(sequenceOfBase::appendNew()); }
  static T* element(const orvo::listNode* node) {
    return node ? static_cast<T*>(static_cast<object*>(node->element)) : nullptr;
  }
};

// SEQUENCE (SIZE (lb..ub)) OF T; 0..0 any count.
template <class T, uint32_t lb, uint32_t ub, uint32_t k>
using sequenceOf = sizedList<16, T, lb, ub, k>;
// SET OF: coded as SEQUENCE OF, its own record.
template <class T, uint32_t lb, uint32_t ub, uint32_t k>
using setOf = sizedList<17, T, lb, ub, k>;

}  // namespace asn
