// Small hand-written types in the form the generator produces, used by the
// runtime's own tests:
//
//   Colour ::= ENUMERATED { red, green, blue, ..., violet }
//   Item ::= CHOICE { number INTEGER (0..255), name IA5String (SIZE (1..32)), ...,
//                     colour Colour, flag NULL }
//   Record ::= SEQUENCE { id INTEGER (0..65535), item Item OPTIONAL,
//                         note OCTET STRING (SIZE (1..128)) OPTIONAL, ...,
//                         hue Colour, enabled BOOLEAN, extra NULL }
//   RecordV2 ::= Record with two more additions: label IA5String, count INTEGER (0..255)
//   Nest ::= CHOICE { leaf NULL, inner Nest }
//   Tree ::= SEQUENCE { children SEQUENCE OF Tree }
//   Empty ::= SEQUENCE { }
//   Chain ::= SEQUENCE { ..., next Chain }
//   Signal ::= CHOICE { a NULL, b NULL, c NULL }
//   Address ::= CHOICE { ipAddress SEQUENCE { ip OCTET STRING (SIZE (4)),
//                        port INTEGER (0..65535) }, ... }
//   Wrapper ::= SEQUENCE { held TYPE-IDENTIFIER-like holder of Record }
#pragma once

#include <asn/asn.h>

namespace fixture {

class colour : public asn::enumerated {
public:
  static const asn::enumeratedDescriptor descriptor;
  colour() : asn::enumerated(&descriptor) {}
  static asn::object* create() { return new colour; }
};

class item : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;
  item() : asn::choice(&descriptor) {}
  static asn::object* create() { return new item; }
};

typedef asn::IA5String<1u, 32u, 1, asn::constrainedString::IA5Set, 128u> name32;

class record : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;
  record() : asn::sequence(&descriptor) {}
  record(const record& other) : asn::sequence(&descriptor) { assign(other); }
  record& operator=(const record& other) {
    assign(other);
    return *this;
  }
  ~record() override { reset(); }
  static asn::object* create() { return new record; }

  asn::integer<0u, 65535u, 1> id;
  item* entry = nullptr;
  asn::octetString<1u, 128u, 1>* note = nullptr;
  colour* hue = nullptr;
  asn::booltype* enabled = nullptr;
  asn::null* extra = nullptr;
};

class recordV2 : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;
  recordV2() : asn::sequence(&descriptor) {}
  recordV2(const recordV2& other) : asn::sequence(&descriptor) { assign(other); }
  recordV2& operator=(const recordV2& other) {
    assign(other);
    return *this;
  }
  ~recordV2() override { reset(); }
  static asn::object* create() { return new recordV2; }

  asn::integer<0u, 65535u, 1> id;
  item* entry = nullptr;
  asn::octetString<1u, 128u, 1>* note = nullptr;
  colour* hue = nullptr;
  asn::booltype* enabled = nullptr;
  asn::null* extra = nullptr;
  name32* label = nullptr;
  asn::integer<0u, 255u, 1>* count = nullptr;
};

class nest : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;
  nest() : asn::choice(&descriptor) {}
  static asn::object* create() { return new nest; }
};

class tree : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;
  tree() : asn::sequence(&descriptor) {}
  tree(const tree& other) : asn::sequence(&descriptor) { assign(other); }
  tree& operator=(const tree& other) {
    assign(other);
    return *this;
  }
  ~tree() override { reset(); }
  static asn::object* create() { return new tree; }

  asn::sequenceOf<tree, 0u, 0u, 1> children;
};

class empty : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;
  empty() : asn::sequence(&descriptor) {}
  empty(const empty& other) : asn::sequence(&descriptor) { assign(other); }
  empty& operator=(const empty& other) {
    assign(other);
    return *this;
  }
  ~empty() override { reset(); }
  static asn::object* create() { return new empty; }
};

class chain : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;
  chain() : asn::sequence(&descriptor) {}
  chain(const chain& other) : asn::sequence(&descriptor) { assign(other); }
  chain& operator=(const chain& other) {
    assign(other);
    return *this;
  }
  ~chain() override { reset(); }
  static asn::object* create() { return new chain; }

  chain* next = nullptr;
};

class signal : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;
  signal() : asn::choice(&descriptor) {}
  static asn::object* create() { return new signal; }
};

class address : public asn::choice {
public:
  class ipAddress_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;
    ipAddress_sequence() : asn::sequence(&descriptor) {}
    ipAddress_sequence(const ipAddress_sequence& other) : asn::sequence(&descriptor) { assign(other); }
    ipAddress_sequence& operator=(const ipAddress_sequence& other) {
      assign(other);
      return *this;
    }
    ~ipAddress_sequence() override { reset(); }
    static asn::object* create() { return new ipAddress_sequence; }

    asn::octetString<4u, 4u, 1> ip;
    asn::integer<0u, 65535u, 1> port;
  };

  static const asn::choiceDescriptor descriptor;
  address() : asn::choice(&descriptor) {}
  static asn::object* create() { return new address; }
};

class wrapper : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;
  wrapper() : asn::sequence(&descriptor) {}
  wrapper(const wrapper& other) : asn::sequence(&descriptor) { assign(other); }
  wrapper& operator=(const wrapper& other) {
    assign(other);
    return *this;
  }
  ~wrapper() override { reset(); }
  static asn::object* create() { return new wrapper; }

  asn::anytype<fixture::record> held;
};

// The octets of a value's PER encoding as upper-case hex pairs, "01 2C".
std::string encodeHex(const asn::object& value);
// Decodes hex pairs ("01 2C") into the value.
void decodeHex(asn::object& value, const std::string& hex);
std::string toHex(const unsigned char* data, unsigned length);
std::string fromHex(const std::string& hex);
// The text codec's dump of a value.
std::string print(const asn::object& value);

}  // namespace fixture
