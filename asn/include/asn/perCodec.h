// The aligned PER codec (ITU-T X.691, ALIGNED variant) over a bit stream,
// with this system's own departures: lengths of 16K and more are refused,
// unknown extension additions are not written again, and characters written
// as their own codes are not checked against the permitted alphabet. INTEGER
// values keep 32 bits: an unconstrained one is written as the signed 32-bit
// number they hold.
//
// Decoding treats the input as hostile: nesting depth, counts and indices
// are checked before anything is allocated or indexed.
#pragma once

#include <cstdint>
#include <type_traits>

#include <orvo/bitStream.h>
#include <orvo/exception.h>

#include <asn/bmpString.h>
#include <asn/booltype.h>
#include <asn/choice.h>
#include <asn/codec.h>
#include <asn/constrained.h>
#include <asn/constrainedString.h>
#include <asn/enumerated.h>
#include <asn/integer.h>
#include <asn/namedInteger.h>
#include <asn/octetString.h>
#include <asn/sequence.h>
#include <asn/sequenceOf.h>

namespace asn {
namespace per {

class codec : public asn::codec {
public:
  class typeException : public orvo::exception {
  public:
    explicit typeException(const orvo::string& text) : orvo::exception(text) {}

  protected:
    typeException() = default;
  };

  class encodeConstrainedCheckFailed : public typeException {
  public:
    enum kind {
      length = 0,
      integer = 1,
      smallInteger = 2,
      objectIdentifier = 3,
      octetString = 4,
      bmpString = 5,
      character = 6
    };
    explicit encodeConstrainedCheckFailed(kind which) : which(which) {}
    const kind which;

  protected:
    orvo::string what() const override;
  };

  // Input that cannot be a valid encoding of the expected type.
  class decodeFailed : public typeException {
  public:
    explicit decodeFailed(const orvo::string& text) : typeException(text) {}
  };

  class lengthNotSupported : public orvo::exception {
  protected:
    orvo::string what() const override;
  };

  class notInitializedChoice : public orvo::exception {
  protected:
    orvo::string what() const override;
  };

  // Values nested deeper than this are refused on decoding.
  static constexpr unsigned maximumDepth = 100;

  // An empty encoder.
  codec();
  // A decoder over a copy of the octets.
  codec(const void* data, unsigned length);
  ~codec() override;
  codec(const codec&) = delete;
  codec& operator=(const codec&) = delete;

  orvo::bitStream& stream() { return stream_; }
  const orvo::bitStream& stream() const { return stream_; }

  void encodeNull(const null& value) override;
  void decodeNull(null& value) override;
  void encodeBoolean(const booltype& value) override;
  void decodeBoolean(booltype& value) override;
  void encodeOpenType(const opentype& value) override;
  void decodeOpenType(opentype& value) override;
  void encodeInteger(const integerBase& value) override;
  void decodeInteger(integerBase& value) override;
  void encodeOctetString(const octetStringBase& value) override;
  void decodeOctetString(octetStringBase& value) override;
  void encodeBMPString(const bmpStringBase& value) override;
  void decodeBMPString(bmpStringBase& value) override;
  void encodeOID(const oid& value) override;
  void decodeOID(oid& value) override;
  void encodeConstrainedString(const constrainedString& value) override;
  void decodeConstrainedString(constrainedString& value) override;
  void encodeSequenceOf(const sequenceOfBase& value) override;
  void decodeSequenceOf(sequenceOfBase& value) override;
  void encodeSequence(const sequence& value) override;
  void decodeSequence(sequence& value) override;
  void encodeChoice(const choice& value) override;
  void decodeChoice(choice& value) override;
  void encodeEnumerated(const enumerated& value) override;
  void decodeEnumerated(enumerated& value) override;
  void encodeAnytype(const anytypeBase& value) override;
  void decodeAnytype(anytypeBase& value) override;
  void encodeGeneralizedTime(const generalizedTime& value) override;
  void decodeGeneralizedTime(generalizedTime& value) override;
  void encodeBitString(const bitStringBase& value) override;
  void decodeBitString(bitStringBase& value) override;

  // Primitive forms; bounds are unsigned 32-bit, 4294967295 for "none".
  void encodeConstrainedWholeNumber(uint32_t value, uint32_t lb, uint32_t ub);
  uint32_t decodeConstrainedWholeNumber(uint32_t lb, uint32_t ub);
  // Two's complement in the fewest octets, after an octet count.
  void encodeUnconstrainedWholeNumber(int32_t value);
  // The 32 bits of one to four octets read as signed, or of five octets
  // behind a leading zero octet.
  uint32_t decodeUnconstrainedWholeNumber();
  void encodeSemiConstrainedWholeNumber(uint32_t value, uint32_t lb);
  uint32_t decodeSemiConstrainedWholeNumber(uint32_t lb);
  void encodeNormallySmall(uint32_t value, uint32_t lb);
  uint32_t decodeNormallySmall(uint32_t lb);
  void encodeLength(uint32_t n, uint32_t lb, uint32_t ub);
  uint32_t decodeLength(uint32_t lb, uint32_t ub);
  // Size check and length of a sized value with the record's bounds.
  void encodeSize(const constrained& value, uint32_t n);
  uint32_t decodeSize(const constrained& value);
  static unsigned bitCount(uint32_t x) { return x == 0 ? 0 : 32 - unsigned(__builtin_clz(x)); }

private:
  // Limits of one decode: open types are decoded by the same decoder, so
  // these hold for the whole message.
  struct limits {
    unsigned depth = 0;
    uint64_t elementBudget = 0;
  };
  class nesting;
  class openTypeRun;

  void encodeOctetsAsOpenType(const orvo::bitStream& nested);
  orvo::string decodeOpenTypeOctets();
  // The contents of an open type in place; valid while this decoder lives.
  const unsigned char* decodeOpenTypeRun(unsigned& length);
  uint32_t decodeUnsignedOctets(uint32_t octets);
  // A value of a component or alternative: directly when its record says how.
  void decodeMember(perDecodeFunction direct, object& value) {
    if (direct)
      direct(*this, value);
    else
      value.decode(*this);
  }
  // decodeSequence with the members reached as `access` says.
  template <class access>
  void decodeSequenceAs(sequence& value);
  // The rarer forms, and the failures, out of the way of the inline ones.
  uint32_t decodeWideWholeNumber(uint32_t lb, uint32_t ub);
  uint32_t decodeTwoOctetLength(uint32_t first);
  [[noreturn]] static void numberOutOfRange(uint32_t value, uint32_t lb, uint32_t ub);
  [[noreturn]] static void lengthOutOfRange(uint32_t n, uint32_t lb, uint32_t ub);
  // Bits that may still be read (an upper bound).
  uint64_t remainingBits() const;
  // Throws outOfBounds when fewer bits remain.
  void requireInput(uint64_t bits) const;

  orvo::bitStream stream_;
  limits limits_;
};

}  // namespace per

namespace detail {

// What the value's own decode does with this codec, without the two virtual
// calls (the value's, then the codec's) per value. Kinds not named here, and
// named integers (a codec operation of their own), take the virtual way.
template <class T>
void perDecode(per::codec& c, object& value) {
  T& v = static_cast<T&>(value);
  if constexpr (std::is_base_of_v<sequence, T>) {
    c.per::codec::decodeSequence(v);
  } else if constexpr (std::is_base_of_v<choice, T>) {
    v.clear();
    c.per::codec::decodeChoice(v);
  } else if constexpr (std::is_base_of_v<sequenceOfBase, T>) {
    c.per::codec::decodeSequenceOf(v);
  } else if constexpr (std::is_base_of_v<integerBase, T> && !std::is_base_of_v<namedInteger, T>) {
    c.per::codec::decodeInteger(v);
  } else if constexpr (std::is_base_of_v<octetStringBase, T>) {
    c.per::codec::decodeOctetString(v);
  } else if constexpr (std::is_base_of_v<bmpStringBase, T>) {
    c.per::codec::decodeBMPString(v);
  } else if constexpr (std::is_base_of_v<booltype, T>) {
    c.per::codec::decodeBoolean(v);
  } else if constexpr (std::is_base_of_v<enumerated, T>) {
    c.per::codec::decodeEnumerated(v);
  } else if constexpr (std::is_base_of_v<constrainedString, T>) {
    c.per::codec::decodeConstrainedString(v);
  } else {
    v.decode(c);
  }
}

}  // namespace detail

namespace per {

// Whole numbers and lengths are read for nearly every value of a message:
// the common forms are inline.
inline uint32_t codec::decodeConstrainedWholeNumber(uint32_t lb, uint32_t ub) {
  const uint32_t range = ub - lb;
  uint32_t offset;
  if (range < 255) {
    if (range == 0) return lb;
    offset = stream_.readBits(bitCount(range));
  } else if (range <= 65535) {
    // One octet for a range of 256 values, else two; aligned either way.
    stream_.alignRead();
    offset = stream_.readBits(range == 255 ? 8 : 16);
  } else {
    return decodeWideWholeNumber(lb, ub);
  }
  // A field wider than the range can carry values the type does not have.
  if (offset > range) numberOutOfRange(lb + offset, lb, ub);
  return lb + offset;
}

inline uint32_t codec::decodeLength(uint32_t lb, uint32_t ub) {
  if (ub <= 65535) return decodeConstrainedWholeNumber(lb, ub);
  stream_.alignRead();
  // 0nnnnnnn, or 10nnnnnn nnnnnnnn; 11 begins a fragment.
  uint32_t n = stream_.readBits(8);
  if (n & 0x80) n = decodeTwoOctetLength(n);
  if (n < lb || n > ub) lengthOutOfRange(n, lb, ub);
  return n;
}

inline uint32_t codec::decodeSize(const constrained& value) {
  const uint32_t lb = value.lowerBound(), ub = value.upperBound();
  if (lb == ub && lb != 0) return lb;
  return decodeLength(lb, ub == 0 ? 0xFFFFFFFFu : ub);
}

}  // namespace per
}  // namespace asn
