// CHOICE: the base of generated CHOICE classes. Holds the selected index
// (-1 for none) and owns the selected alternative.
#pragma once

#include <asn/object.h>

namespace asn {

class choice : public object {
public:
  static constexpr int none = -1;

  choice(const choice& other);
  choice& operator=(const choice& other);
  ~choice() override;

  const choiceDescriptor& descriptor() const { return *static_cast<const choiceDescriptor*>(record()); }
  int index() const { return index_; }
  object* alternative() const { return alternative_; }
  // Name of the selected alternative; null for none or an unknown one.
  const char* alternativeName() const;

  // Deletes the held alternative and makes a default one of `index` (an
  // empty opentype at or beyond the alternative count); -1 leaves the
  // choice empty and returns null. Below -1 throws.
  object* select(int index) {
    // Decoding selects in a choice it has just cleared: a known alternative
    // needs nothing else.
    if (!alternative_ && index >= 0 && uint32_t(index) < descriptor().count) {
      alternative_ = descriptor().alternatives[index].create();
      index_ = index;
      return alternative_;
    }
    return reselect(index);
  }
  // Holds `value` as alternative `index`; ownership passes to the choice.
  // A null value or index -1 leaves the choice empty.
  void setAlternative(int index, object* value);
  void clear();

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;
  const tagTriple& tag() const override;

protected:
  explicit choice(const choiceDescriptor* record) : object(record) {}

private:
  object* reselect(int index);

  int index_ = none;
  object* alternative_ = nullptr;
};

}  // namespace asn
