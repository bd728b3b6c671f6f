// Constant type records of ASN.1 values. The codecs walk them; generated
// types only fill them in.
//
// How a generated module writes its types (header, then source):
//
//   namespace M {
//   // ENUMERATED { red, green, ..., blue }
//   class colour : public asn::enumerated {
//   public:
//     static const asn::enumeratedDescriptor descriptor;
//     colour() : asn::enumerated(&descriptor) {}
//     static asn::object* create() { return new colour; }
//   };
//
//   // CHOICE { number INTEGER (0..255), name IA5String, ..., colour Colour }
//   class item : public asn::choice {
//   public:
//     static const asn::choiceDescriptor descriptor;
//     item() : asn::choice(&descriptor) {}
//     static asn::object* create() { return new item; }
//   };
//
//   // SEQUENCE { id INTEGER (0..65535), tag item OPTIONAL, ..., hue colour }
//   class record : public asn::sequence {
//   public:
//     static const asn::sequenceDescriptor descriptor;
//     record() : asn::sequence(&descriptor) {}
//     record(const record& other) : asn::sequence(&descriptor) { assign(other); }
//     record& operator=(const record& other) { assign(other); return *this; }
//     ~record() override { reset(); }
//     static asn::object* create() { return new record; }
//
//     asn::integer<0u, 65535u, 1> id;     // mandatory root: by value
//     item* tag = nullptr;                // OPTIONAL root: owning pointer
//     colour* hue = nullptr;              // every addition: owning pointer
//   };
//   }
//
//   // INTEGER { ok(0), busy(3) } (named values, as X.880 problems)
//   class problem : public asn::namedInteger {
//   public:
//     static const asn::typeInfo info;
//     problem() : asn::namedInteger(&info) {}
//     static asn::object* create() { return new problem; }
//     using asn::namedInteger::operator=;
//   };
//
//   // source (everything comes with #include <asn/asn.h>)
//   const asn::namedValue colourValues[] = {{0, "Red"}, {1, "Green"}, {2, "Blue"}};
//   const asn::enumeratedDescriptor colour::descriptor =
//       asn::enumeratedDescriptor::make(colourValues, 2, true);   // 2 root values
//
//   const asn::alternativeEntry itemAlternatives[] = {
//       asn::alternative<asn::integer<0u, 255u, 1>>("Number"),
//       asn::alternative<asn::IA5String<0u, 0u, 1, asn::constrainedString::IA5Set, 128u>>("Name"),
//       asn::alternative<colour>("Colour")};
//   const asn::choiceDescriptor item::descriptor = asn::choiceDescriptor::make(itemAlternatives, 2, true);
//
//   const asn::componentEntry recordComponents[] = {
//       asn::mandatoryComponent<&record::id>(offsetof(record, id), "Id"),
//       asn::optionalComponent<&record::tag>(offsetof(record, tag), "Tag"),
//       asn::additionComponent<&record::hue>(offsetof(record, hue), "Hue")};
//   const asn::sequenceDescriptor record::descriptor = asn::sequenceDescriptor::make(recordComponents, true);
//
//   const asn::namedValue problemValues[] = {{0, "Ok"}, {3, "Busy"}};
//   const asn::typeInfo problem::info = asn::typeInfo::namedInteger(problemValues);
//
// Rules the runtime relies on:
// - Every value class has `static asn::object* create()`; the records hold
//   its address.
// - A SEQUENCE class initialises every pointer member to nullptr, calls
//   reset() in its destructor (the base cannot reach derived members once
//   they are gone) and declares its copy constructor and copy assignment
//   as above; the base deletes both so that a forgotten one fails to compile
//   instead of copying owning pointers.
// - Component entries are in component order: all roots, then all additions.
//   Alternatives likewise: roots first. Named values ascend by value
//   (unsigned) in PER index order.
// - A type without components uses make(nullptr, 0, extensible).
// - offsetof on a class with virtual functions is conditionally supported;
//   g++ and clang support it for single, non-virtual inheritance, which is
//   all these classes use, and warn (-Winvalid-offsetof): the generated
//   sources silence that warning. Entries without an offset work too, only
//   more slowly.
// - Records are constant-initialised; keep initialisers to the make helpers
//   and braces so that no record depends on static-initialisation order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace asn {

class object;
class sequence;
namespace per {
class codec;
}

// Factory of one type: a new default value, owned by the caller.
typedef object* (*createFunction)();

// The aligned PER decoding of a value of a type the record names: the
// codec's own operation for the value's kind, reached without the value's
// virtual decode (defined in perCodec.h).
typedef void (*perDecodeFunction)(per::codec& c, object& value);
namespace detail {
template <class T>
void perDecode(per::codec& c, object& value);
}  // namespace detail

struct tagTriple {
  uint32_t tagClass;
  uint32_t number;
  uint32_t flag;
};

// One entry of an ENUMERATED or named INTEGER table.
struct namedValue {
  uint32_t value;
  const char* name;
};

// Record of the simple and constrained kinds (integers, strings, bit
// strings, SEQUENCE OF, anytype, and the unconstrained primitives).
struct typeInfo {
  tagTriple tag;           // what object::tag returns
  tagTriple universalTag;  // class and number again, flag 0
  uint32_t constraint;     // constrained::constraintType: 1 fixed, 2 extensible, 3 lb..MAX
  uint32_t lowerBound;     // value bounds (INTEGER) or size bounds; 0..0 unconstrained;
  uint32_t upperBound;     // a lower bound above the upper one is negative
  uint32_t namedCount;     // named INTEGER: its value table
  const namedValue* namedValues;
  createFunction create;  // SEQUENCE OF element type, anytype held type
  const char* alphabet;   // restricted strings: permitted characters, ascending
  uint32_t alphabetSize;
  uint32_t characterBits;  // bits of one character of the type's full set

  // NULL, BOOLEAN, OBJECT IDENTIFIER, GeneralizedTime, open type.
  static constexpr typeInfo simple(uint32_t number) {
    return typeInfo{{0, number, 0}, {0, number, 0}, 0, 0, 0, 0, nullptr, nullptr, nullptr, 0, 0};
  }
  // INTEGER, OCTET STRING, BIT STRING, BMPString.
  static constexpr typeInfo constrained(uint32_t number, uint32_t k, uint32_t lb, uint32_t ub) {
    return typeInfo{{0, number, 0}, {0, number, 0}, k, lb, ub, 0, nullptr, nullptr, nullptr, 0, 0};
  }
  // INTEGER with named values (unconstrained unless bounds are given).
  template <std::size_t n>
  static constexpr typeInfo namedInteger(const namedValue (&table)[n], uint32_t lb = 0, uint32_t ub = 0) {
    return typeInfo{{0, 2, 1}, {0, 2, 0}, 1, lb, ub, uint32_t(n), table, nullptr, nullptr, 0, 0};
  }
  // SEQUENCE OF (number 16) and SET OF (number 17).
  static constexpr typeInfo sizedList(uint32_t number, uint32_t k, uint32_t lb, uint32_t ub, createFunction element) {
    return typeInfo{{0, number, 0}, {0, number, 0}, k, lb, ub, 0, nullptr, element, nullptr, 0, 0};
  }
  // Restricted character strings.
  static constexpr typeInfo restrictedString(uint32_t number, uint32_t k, uint32_t lb, uint32_t ub,
                                             const char* alphabet, uint32_t size, uint32_t bits) {
    return typeInfo{{0, number, 0}, {0, number, 0}, k, lb, ub, 0, nullptr, nullptr, alphabet, size, bits};
  }
  // Typed open-type holder: no tags, no constraint.
  static constexpr typeInfo anytype(createFunction held) {
    return typeInfo{{0, 0, 0}, {0, 0, 0}, 0, 0, 0, 0, nullptr, held, nullptr, 0, 0};
  }
};

// Where one SEQUENCE component lives. `get` gives the by-value member, or the
// owning pointer of a pointer-held one (null when absent); `set` stores a new
// value into a pointer-held member (ownership passes; the old one must have
// been released) and is null for by-value members. `offset`, when not 0, is
// the member's distance from the start of the object, through which the
// codecs reach it without a call (`component`, `storeComponent`); generated
// types always state it.
struct componentEntry {
  enum presenceKind : uint32_t { mandatory = 0, optional = 1, addition = 2 };

  createFunction create;
  object* (*get)(const sequence& owner);
  void (*set)(sequence& owner, object* value);
  uint32_t presence;  // bit 0 OPTIONAL, bit 1 extension addition
  uint32_t offset;    // 0: reach the member through get and set
  const char* name;   // ASN.1 identifier, upper-case first letter, '-' as '_'
  perDecodeFunction decodePer;  // null: through the value's decode

  constexpr bool isOptional() const { return (presence & 1) != 0; }
  constexpr bool isAddition() const { return (presence & 2) != 0; }
  constexpr bool heldByPointer() const { return (presence & 3) != 0; }

  // As get and set. Every value class derives from object alone, so a
  // pointer to it and to its object part are the same address.
  object* component(const sequence& owner) const {
    if (offset == 0) return get(owner);
    char* at = const_cast<char*>(reinterpret_cast<const char*>(&owner)) + offset;
    if (!heldByPointer()) return reinterpret_cast<object*>(at);
    object* held;
    std::memcpy(&held, at, sizeof held);
    return held;
  }
  void storeComponent(sequence& owner, object* value) const {
    if (offset == 0) return set(owner, value);
    std::memcpy(reinterpret_cast<char*>(&owner) + offset, &value, sizeof value);
  }
};

struct sequenceDescriptor {
  static constexpr uint32_t notStated = 0xFFFFFFFFu;

  tagTriple tag;           // {0, 16, 1}
  tagTriple universalTag;  // {0, 16, 0}
  uint32_t count;
  uint32_t extensible;
  const componentEntry* components;
  const tagTriple* componentTags;  // read by nothing; may be null
  // The components before the first addition, and the OPTIONAL ones among
  // them (their count, and bit i set when root i is one), as the generator
  // stated them; notStated for records written by hand, which the runtime
  // counts itself.
  uint32_t rootCount;
  uint32_t optionalCount;
  uint32_t optionalRoots;

  template <std::size_t n>
  static constexpr sequenceDescriptor make(const componentEntry (&table)[n], bool extensible,
                                           const tagTriple* tags = nullptr) {
    return sequenceDescriptor{{0, 16, 1}, {0, 16, 0}, uint32_t(n), extensible ? 1u : 0u, table, tags, notStated,
                              notStated, 0};
  }
  // With the roots stated (generated records; at most 32 of them): the
  // runtime need not count, and reaches every member by its offset, which
  // such a record must therefore state for each entry.
  template <std::size_t n>
  static constexpr sequenceDescriptor make(const componentEntry (&table)[n], uint32_t roots, uint32_t optionalRoots,
                                           bool extensible, const tagTriple* tags = nullptr) {
    return sequenceDescriptor{{0, 16, 1}, {0, 16, 0}, uint32_t(n), extensible ? 1u : 0u, table, tags, roots,
                              uint32_t(__builtin_popcount(optionalRoots)), optionalRoots};
  }
  static constexpr sequenceDescriptor make(const componentEntry* table, uint32_t count, bool extensible,
                                           const tagTriple* tags = nullptr) {
    return sequenceDescriptor{{0, 16, 1}, {0, 16, 0}, count, extensible ? 1u : 0u, table, tags,
                              table ? notStated : 0u, table ? notStated : 0u, 0};
  }
};

struct alternativeEntry {
  createFunction create;
  const char* name;
  perDecodeFunction decodePer;  // null: through the value's decode
};

struct choiceDescriptor {
  uint32_t count;  // every alternative known to this version
  uint32_t rootCount;
  uint32_t extensible;
  const alternativeEntry* alternatives;  // roots first, then additions
  const tagTriple* alternativeTags;      // read by nothing; may be null

  template <std::size_t n>
  static constexpr choiceDescriptor make(const alternativeEntry (&table)[n], uint32_t rootCount, bool extensible,
                                         const tagTriple* tags = nullptr) {
    return choiceDescriptor{uint32_t(n), rootCount, extensible ? 1u : 0u, table, tags};
  }
};

struct enumeratedDescriptor {
  tagTriple tag;           // {0, 10, 1}
  tagTriple universalTag;  // {0, 10, 0}
  uint32_t count;
  uint32_t rootCount;
  uint32_t extensible;
  const namedValue* values;  // PER index order, values ascending

  template <std::size_t n>
  static constexpr enumeratedDescriptor make(const namedValue (&table)[n], uint32_t rootCount, bool extensible) {
    return enumeratedDescriptor{{0, 10, 1}, {0, 10, 0}, uint32_t(n), rootCount, extensible ? 1u : 0u, table};
  }
};

// Index of `value` in a table sorted ascending (unsigned), or -1.
int findNamedValue(const namedValue* table, uint32_t count, uint32_t value);

namespace detail {
template <class T>
struct memberOf;
template <class S, class M>
struct memberOf<M S::*> {
  using owner = S;
  using type = M;
};

template <auto member>
object* valueMember(const sequence& s) {
  using owner = typename memberOf<decltype(member)>::owner;
  return &(const_cast<owner&>(static_cast<const owner&>(s)).*member);
}
template <auto member>
object* pointerMember(const sequence& s) {
  using owner = typename memberOf<decltype(member)>::owner;
  return static_cast<const owner&>(s).*member;
}
template <auto member>
void setPointerMember(sequence& s, object* value) {
  using owner = typename memberOf<decltype(member)>::owner;
  using target = std::remove_pointer_t<typename memberOf<decltype(member)>::type>;
  static_cast<owner&>(s).*member = static_cast<target*>(value);
}
}  // namespace detail

// Component entries from a pointer to the member and, for the fast path,
// its offsetof within the owner (generated types give both).
template <auto member>
constexpr componentEntry mandatoryComponent(std::size_t offset, const char* name) {
  using type = typename detail::memberOf<decltype(member)>::type;
  static_assert(!std::is_pointer_v<type>, "a mandatory root component is held by value");
  return componentEntry{&type::create, &detail::valueMember<member>, nullptr, componentEntry::mandatory,
                        uint32_t(offset), name, &detail::perDecode<type>};
}
template <auto member>
constexpr componentEntry optionalComponent(std::size_t offset, const char* name) {
  using type = typename detail::memberOf<decltype(member)>::type;
  static_assert(std::is_pointer_v<type>, "an OPTIONAL component is held by pointer");
  return componentEntry{&std::remove_pointer_t<type>::create, &detail::pointerMember<member>,
                        &detail::setPointerMember<member>, componentEntry::optional, uint32_t(offset), name,
                        &detail::perDecode<std::remove_pointer_t<type>>};
}
template <auto member>
constexpr componentEntry additionComponent(std::size_t offset, const char* name) {
  using type = typename detail::memberOf<decltype(member)>::type;
  static_assert(std::is_pointer_v<type>, "an extension addition is held by pointer");
  return componentEntry{&std::remove_pointer_t<type>::create, &detail::pointerMember<member>,
                        &detail::setPointerMember<member>, componentEntry::addition, uint32_t(offset), name,
                        &detail::perDecode<std::remove_pointer_t<type>>};
}
template <auto member>
constexpr componentEntry mandatoryComponent(const char* name) {
  return mandatoryComponent<member>(0, name);
}
template <auto member>
constexpr componentEntry optionalComponent(const char* name) {
  return optionalComponent<member>(0, name);
}
template <auto member>
constexpr componentEntry additionComponent(const char* name) {
  return additionComponent<member>(0, name);
}

template <class T>
constexpr alternativeEntry alternative(const char* name) {
  return alternativeEntry{&T::create, name, &detail::perDecode<T>};
}

}  // namespace asn
