#include <asn/perCodec.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <asn/asn.h>

namespace asn {
namespace per {

namespace {

const unsigned growth = 128;
const uint32_t noUpperBound = 0xFFFFFFFFu;
const uint32_t largestIndex = 0x7FFFFFFFu;
// Sub-identifiers gathered for one OBJECT IDENTIFIER.
const unsigned maximumArcs = 1024;
// SEQUENCE OF elements one message may create beyond one per input bit.
const uint64_t spareElements = 16384;

orvo::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
orvo::string formatted(const char* format, ...) {
  char buffer[256];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  return orvo::string(buffer);
}

unsigned octetsOf(uint32_t v) { return v <= 0xFFu ? 1 : v <= 0xFFFFu ? 2 : v <= 0xFFFFFFu ? 3 : 4; }

void writeOpenTypeOctets(codec& c, const unsigned char* data, unsigned length) {
  if (length == 0) {
    // An empty encoding still takes one octet on the wire.
    c.encodeLength(1, 0, noUpperBound);
    c.stream().writeOctet(0);
    return;
  }
  c.encodeLength(length, 0, noUpperBound);
  c.stream().writeOctets(data, length);
}

// The encoding of `value` as an open type, written in place: it starts on
// an octet boundary behind a one-octet length that is widened once its size
// is known. Its alignment is therefore the one of an encoder of its own, and
// no such encoder (nor its buffer) is made for every addition.
void encodeInPlaceAsOpenType(codec& c, const object& value) {
  orvo::bitStream& s = c.stream();
  s.writeRun(1);
  const unsigned start = s.octetLength();
  value.encode(c);
  unsigned n = s.octetLength() - start;
  if (n == 0) {
    // An empty encoding still takes one octet on the wire.
    *s.writeRun(1) = 0;
    n = 1;
  }
  s.alignWrite();
  if (n > 16383) throw new codec::lengthNotSupported();
  if (n > 127) s.writeRun(1);
  unsigned char* base = s.writeRun(0) - s.octetLength();
  if (n > 127) {
    std::memmove(base + start + 1, base + start, n);
    base[start - 1] = static_cast<unsigned char>(0x80 | n >> 8);
    base[start] = static_cast<unsigned char>(n);
  } else {
    base[start - 1] = static_cast<unsigned char>(n);
  }
}

// One-bit fields written a word at a time.
class fieldGatherer {
public:
  explicit fieldGatherer(orvo::bitStream& stream) : stream(stream) {}
  void add(bool bit) {
    word = word << 1 | (bit ? 1u : 0u);
    if (++count == 32) flush();
  }
  void flush() {
    if (count) stream.writeBits(word, count);
    word = 0;
    count = 0;
  }

private:
  orvo::bitStream& stream;
  unsigned word = 0;
  unsigned count = 0;
};

// `total` one-bit fields read a word at a time; the bits of a word are read
// only when one of them is asked for.
class fieldScanner {
public:
  fieldScanner(orvo::bitStream& stream, uint64_t total) : stream(stream), left(total) {}
  bool next() {
    if (held == 0) {
      held = left < 32 ? unsigned(left) : 32;
      left -= held;
      word = stream.readBits(held);
    }
    return (word >> --held) & 1;
  }

private:
  orvo::bitStream& stream;
  uint64_t left;
  unsigned word = 0;
  unsigned held = 0;
};

// `n` presence bits read at once and handed out in order. Up to 64 (every
// generated type's roots, nearly every count of additions) stay in a word;
// more take a byte each on the heap.
class presenceBits {
public:
  presenceBits(orvo::bitStream& stream, uint64_t n) {
    // The first bit read is the most significant one.
    if (n - 1 < 32)
      word = uint64_t(stream.readBits(unsigned(n))) << (64 - n);
    else if (n > 32)
      readMany(stream, n);
  }
  ~presenceBits() { delete[] heap; }
  presenceBits(const presenceBits&) = delete;
  presenceBits& operator=(const presenceBits&) = delete;

  bool next() {
    if (heap) return heap[at++] != 0;
    const bool bit = (word >> 63) != 0;
    word <<= 1;
    return bit;
  }

private:
  uint64_t word = 0;
  unsigned char* heap = nullptr;
  uint64_t at = 0;

  __attribute__((noinline)) void readMany(orvo::bitStream& stream, uint64_t n) {
    if (n <= 64) {
      const unsigned low = unsigned(n - 32);
      word = (uint64_t(stream.readBits(32)) << low | stream.readBits(low)) << (64 - n);
      return;
    }
    std::unique_ptr<unsigned char[]> bits(new unsigned char[n]);
    fieldScanner scanner(stream, n);
    for (uint64_t i = 0; i < n; ++i) bits[i] = scanner.next();
    heap = bits.release();
  }
};

}  // namespace

// The contents of an open type decoded by this decoder in place: what they
// hold is read as if by a decoder of their own (from an octet boundary,
// nothing beyond them), and reading goes on after them however much was
// read, also when the decode fails. A decoder per open type cost more than
// the contents of most of them.
class codec::openTypeRun {
public:
  openTypeRun(orvo::bitStream& stream, unsigned length) : stream(stream), outer(stream.enterRun(length)) {}
  ~openTypeRun() { stream.leaveRun(outer); }
  openTypeRun(const openTypeRun&) = delete;
  openTypeRun& operator=(const openTypeRun&) = delete;

private:
  orvo::bitStream& stream;
  const unsigned outer;
};

// Counts one level of nesting for the lifetime of a decode operation.
class codec::nesting {
public:
  explicit nesting(limits& shared) : shared(shared) {
    if (shared.depth >= maximumDepth)
      throw new decodeFailed(formatted("Decode: values nested deeper than %u levels.", maximumDepth));
    ++shared.depth;
  }
  ~nesting() { --shared.depth; }
  nesting(const nesting&) = delete;
  nesting& operator=(const nesting&) = delete;

private:
  limits& shared;
};

orvo::string codec::encodeConstrainedCheckFailed::what() const {
  static const char* const names[] = {"length",       "integer",    "small integer", "OID",
                                      "octet string", "BMP string", "character"};
  return orvo::string("Encode ") + names[which] + " constraint check failed.";
}

orvo::string codec::lengthNotSupported::what() const { return "Length more than 16K is not supported."; }

orvo::string codec::notInitializedChoice::what() const { return "Attempt to encode not initialized choice"; }

codec::codec() : stream_(growth) {}

codec::codec(const void* data, unsigned length)
    : stream_(data, length, growth) {
  limits_.elementBudget = spareElements + uint64_t(length) * 8;
}

codec::~codec() = default;

uint64_t codec::remainingBits() const { return uint64_t(stream_.unreadOctets()) * 8; }

void codec::requireInput(uint64_t bits) const {
  if (bits > remainingBits()) throw new orvo::bitStream::outOfBounds();
}

// ---- whole numbers and lengths ----

void codec::encodeConstrainedWholeNumber(uint32_t value, uint32_t lb, uint32_t ub) {
  uint32_t range = ub - lb;
  uint32_t offset = value - lb;
  if (offset > range) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::integer);
  if (range == 0) return;
  if (range < 255) {
    stream_.writeBits(offset, bitCount(range));
  } else if (range == 255) {
    stream_.writeOctet(offset);
  } else if (range <= 65535) {
    stream_.alignWrite();
    stream_.writeBits(offset, 16);
  } else {
    unsigned k = octetsOf(offset);
    encodeLength(k, 1, range <= 0xFFFFFFu ? 3 : 4);
    stream_.alignWrite();
    stream_.writeBits(offset, k * 8);
  }
}

uint32_t codec::decodeWideWholeNumber(uint32_t lb, uint32_t ub) {
  const uint32_t range = ub - lb;
  const unsigned k = decodeConstrainedWholeNumber(1, range <= 0xFFFFFFu ? 3 : 4);
  stream_.alignRead();
  const uint32_t offset = stream_.readBits(k * 8);
  if (offset > range) numberOutOfRange(lb + offset, lb, ub);
  return lb + offset;
}

void codec::numberOutOfRange(uint32_t value, uint32_t lb, uint32_t ub) {
  throw new decodeFailed(formatted("Decode: number %u out of range %u..%u.", value, lb, ub));
}

uint32_t codec::decodeUnsignedOctets(uint32_t octets) {
  if (octets == 0) throw new decodeFailed(formatted("Decode: number without octets."));
  if (octets > 5) throw new decodeFailed(formatted("Decode: number of %u octets exceeds 32 bits.", octets));
  stream_.alignRead();
  if (octets == 5) {
    // Five octets fit 32 bits only behind a leading zero octet.
    if (stream_.readBits(8) != 0) throw new decodeFailed(formatted("Decode: number of 5 octets exceeds 32 bits."));
    octets = 4;
  }
  return stream_.readBits(octets * 8);
}

void codec::encodeUnconstrainedWholeNumber(int32_t value) {
  unsigned k = value >= -128 && value <= 127           ? 1
               : value >= -32768 && value <= 32767     ? 2
               : value >= -8388608 && value <= 8388607 ? 3
                                                       : 4;
  encodeLength(k, 0, noUpperBound);
  stream_.alignWrite();
  stream_.writeBits(uint32_t(value) & (0xFFFFFFFFu >> (32 - k * 8)), k * 8);
}

uint32_t codec::decodeUnconstrainedWholeNumber() {
  uint32_t octets = decodeLength(0, noUpperBound);
  if (octets == 0) throw new decodeFailed(formatted("Decode: number without octets."));
  if (octets > 5) throw new decodeFailed(formatted("Decode: number of %u octets exceeds 32 bits.", octets));
  stream_.alignRead();
  if (octets == 5) {
    // A peer's 2^31..2^32-1 takes a leading zero octet: the 32 bits that
    // follow are the stored value.
    if (stream_.readBits(8) != 0) throw new decodeFailed(formatted("Decode: number of 5 octets exceeds 32 bits."));
    return stream_.readBits(32);
  }
  uint32_t v = stream_.readBits(octets * 8);
  unsigned spare = 32 - octets * 8;
  // Sign extension of the two's-complement octets.
  return spare ? uint32_t(int32_t(v << spare) >> spare) : v;
}

void codec::encodeSemiConstrainedWholeNumber(uint32_t value, uint32_t lb) {
  if (value < lb) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::integer);
  uint32_t v = value - lb;
  unsigned k = octetsOf(v);
  encodeLength(k, 0, noUpperBound);
  stream_.alignWrite();
  stream_.writeBits(v, k * 8);
}

uint32_t codec::decodeSemiConstrainedWholeNumber(uint32_t lb) {
  uint32_t v = decodeUnsignedOctets(decodeLength(0, noUpperBound));
  if (v > 0xFFFFFFFFu - lb) throw new decodeFailed(formatted("Decode: number above 4294967295."));
  return lb + v;
}

void codec::encodeNormallySmall(uint32_t value, uint32_t lb) {
  if (value < lb) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::smallInteger);
  uint32_t v = value - lb;
  if (v <= 63) {
    stream_.writeBits(v, 7);
  } else {
    stream_.writeBits(1, 1);
    encodeSemiConstrainedWholeNumber(v, 0);
  }
}

uint32_t codec::decodeNormallySmall(uint32_t lb) {
  uint32_t v = stream_.readBits(1) == 0 ? stream_.readBits(6) : decodeSemiConstrainedWholeNumber(0);
  if (v > 0xFFFFFFFFu - lb) throw new decodeFailed(formatted("Decode: number above 4294967295."));
  return lb + v;
}

void codec::encodeLength(uint32_t n, uint32_t lb, uint32_t ub) {
  if (n > ub) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::length);
  if (ub <= 65535) {
    encodeConstrainedWholeNumber(n, lb, ub);
    return;
  }
  // The lower bound is not subtracted in this form, but it still holds.
  if (n < lb) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::integer);
  stream_.alignWrite();
  if (n <= 127) {
    stream_.writeBits(n, 8);
  } else if (n <= 16383) {
    stream_.writeBits(0x8000u | n, 16);
  } else {
    throw new lengthNotSupported();
  }
}

uint32_t codec::decodeTwoOctetLength(uint32_t first) {
  if (first & 0x40) throw new lengthNotSupported();
  return (first & 0x3F) << 8 | stream_.readBits(8);
}

void codec::lengthOutOfRange(uint32_t n, uint32_t lb, uint32_t ub) {
  throw new decodeFailed(formatted("Decode: length %u out of range %u..%u.", n, lb, ub));
}

void codec::encodeSize(const constrained& value, uint32_t n) {
  uint32_t lb = value.lowerBound(), ub = value.upperBound();
  if (lb == ub && lb != 0) {
    if (n != lb) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::length);
    return;
  }
  encodeLength(n, lb, ub == 0 ? noUpperBound : ub);
}

// ---- open types ----

void codec::encodeOctetsAsOpenType(const orvo::bitStream& nested) {
  unsigned length = nested.octetLength();
  writeOpenTypeOctets(*this, length ? nested.data() : nullptr, length);
}

orvo::string codec::decodeOpenTypeOctets() {
  unsigned n;
  const unsigned char* run = decodeOpenTypeRun(n);
  return n == 0 ? orvo::string() : orvo::string(run, n);
}

const unsigned char* codec::decodeOpenTypeRun(unsigned& length) {
  length = decodeLength(0, noUpperBound);
  return stream_.readRun(length);
}

void codec::encodeOpenType(const opentype& value) {
  const orvo::string& octets = value.octets();
  writeOpenTypeOctets(*this, reinterpret_cast<const unsigned char*>(octets.buffer()), octets.length());
}

void codec::decodeOpenType(opentype& value) { value.setOctets(decodeOpenTypeOctets()); }

void codec::encodeAnytype(const anytypeBase& value) { encodeInPlaceAsOpenType(*this, *value.value()); }

void codec::decodeAnytype(anytypeBase& value) {
  nesting level(limits_);
  openTypeRun run(stream_, decodeLength(0, noUpperBound));
  value.value()->decode(*this);
}

// ---- simple kinds ----

void codec::encodeNull(const null&) {}
void codec::decodeNull(null&) {}

void codec::encodeBoolean(const booltype& value) { stream_.writeBits(value.value() ? 1 : 0, 1); }
void codec::decodeBoolean(booltype& value) { value.setValue(stream_.readBits(1) == 1); }

void codec::encodeInteger(const integerBase& value) {
  uint32_t lb = value.lowerBound(), ub = value.upperBound(), v = value.value();
  if (value.isExtensible()) {
    bool outside = v - lb > ub - lb;
    stream_.writeBits(outside ? 1 : 0, 1);
    if (outside) {
      // Outside the root the value is coded as if it had no constraint.
      encodeUnconstrainedWholeNumber(int32_t(v));
      return;
    }
  }
  if (value.isSemiConstrained())
    encodeSemiConstrainedWholeNumber(v, lb);
  else if (lb == 0 && ub == 0)
    encodeUnconstrainedWholeNumber(int32_t(v));
  else
    encodeConstrainedWholeNumber(v, lb, ub);
}

void codec::decodeInteger(integerBase& value) {
  uint32_t lb = value.lowerBound(), ub = value.upperBound();
  if (value.isSemiConstrained()) {
    value.setValue(decodeSemiConstrainedWholeNumber(lb));
    return;
  }
  if ((value.isExtensible() && stream_.readBits(1) == 1) || (lb == 0 && ub == 0)) {
    value.setValue(decodeUnconstrainedWholeNumber());
    return;
  }
  value.setValue(decodeConstrainedWholeNumber(lb, ub));
}

namespace {

// Only a fixed size of at most two octets (or, for bits, 16 bits) goes out
// without alignment; a length determinant is always followed by an aligned
// field.
bool unalignedFixedSize(const constrained& value, uint32_t limit) {
  uint32_t lb = value.lowerBound(), ub = value.upperBound();
  return lb == ub && lb != 0 && ub <= limit;
}

}  // namespace

void codec::encodeOctetString(const octetStringBase& value) {
  unsigned n = value.length();
  encodeSize(value, n);
  if (n == 0) return;
  if (unalignedFixedSize(value, 2)) {
    for (unsigned i = 0; i < n; ++i) stream_.writeBits(value.data()[i], 8);
  } else {
    stream_.writeOctets(value.data(), n);
  }
}

void codec::decodeOctetString(octetStringBase& value) {
  uint32_t n = decodeSize(value);
  if (n == 0) {
    value.setValue(orvo::string());
    return;
  }
  if (unalignedFixedSize(value, 2)) {
    requireInput(uint64_t(n) * 8);
    const unsigned bits = stream_.readBits(n * 8);
    const unsigned char octets[2] = {static_cast<unsigned char>(n == 2 ? bits >> 8 : bits),
                                     static_cast<unsigned char>(bits)};
    value.setValue(octets, n);
    return;
  }
  // Straight from the input into the value's own storage.
  value.setValue(stream_.readRun(n), n);
}

void codec::encodeBMPString(const bmpStringBase& value) {
  unsigned n = value.length();
  encodeSize(value, n);
  unsigned char* out = stream_.writeRun(n * 2);
  const char* characters = value.storage().buffer();
  for (unsigned i = 0; i < n; ++i) {
    uint32_t c;
    std::memcpy(&c, characters + size_t(i) * 4, 4);
    out[2 * i] = static_cast<unsigned char>(c >> 8);
    out[2 * i + 1] = static_cast<unsigned char>(c);
  }
}

void codec::decodeBMPString(bmpStringBase& value) {
  uint32_t n = decodeSize(value);
  requireInput(uint64_t(n) * 16);
  value.assignBigEndian16(stream_.readRun(n * 2), n);
}

void codec::encodeOID(const oid& value) {
  unsigned count = value.count();
  if (count < 2) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::objectIdentifier);
  std::vector<unsigned char> contents;
  contents.reserve(count * 5);
  for (unsigned i = 1; i < count; ++i) {
    uint64_t sub = i == 1 ? uint64_t(value.arc(0)) * 40 + value.arc(1) : value.arc(i);
    if (sub > 0xFFFFFFFFu) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::objectIdentifier);
    unsigned char groups[5];
    unsigned n = 0;
    do {
      groups[n++] = sub & 0x7F;
      sub >>= 7;
    } while (sub != 0);
    while (n > 1) contents.push_back(groups[--n] | 0x80);
    contents.push_back(groups[0]);
  }
  encodeLength(unsigned(contents.size()), 0, noUpperBound);
  stream_.writeOctets(contents.data(), unsigned(contents.size()));
}

void codec::decodeOID(oid& value) {
  unsigned n;
  const unsigned char* p = decodeOpenTypeRun(n);
  if (n == 0) throw new decodeFailed(formatted("Decode: empty object identifier."));
  // Every arc takes an octet at least, the first two share one: short
  // identifiers are gathered on the stack.
  uint32_t local[32];
  std::vector<uint32_t> spill;
  uint32_t* arcs = local;
  if (n + 1 > 32) {
    spill.resize(n < maximumArcs ? n + 1 : maximumArcs + 1);
    arcs = spill.data();
  }
  unsigned count = 0;
  uint64_t sub = 0;
  bool pending = false;
  for (unsigned i = 0; i < n; ++i) {
    sub = (sub << 7) | (p[i] & 0x7Fu);
    if (sub > 0xFFFFFFFFu) throw new decodeFailed(formatted("Decode: object identifier arc exceeds 32 bits."));
    pending = (p[i] & 0x80) != 0;
    if (pending) continue;
    if (count == 0) {
      uint32_t first = uint32_t(sub) / 40 < 2 ? uint32_t(sub) / 40 : 2;
      arcs[count++] = first;
      arcs[count++] = uint32_t(sub) - 40 * first;
    } else {
      arcs[count++] = uint32_t(sub);
    }
    if (count > maximumArcs)
      throw new decodeFailed(formatted("Decode: object identifier of more than %u arcs.", maximumArcs));
    sub = 0;
  }
  if (pending) throw new decodeFailed(formatted("Decode: object identifier ends inside an arc."));
  value.set(arcs, count);
}

void codec::encodeConstrainedString(const constrainedString& value) {
  unsigned n = value.length();
  encodeSize(value, n);
  if (n == 0) return;
  unsigned b = value.bitsPerCharacter();
  uint32_t lb = value.lowerBound(), ub = value.upperBound();
  bool aligned = !(lb == ub && lb != 0 && ub < 65536 && uint64_t(lb) * b <= 16);
  if (aligned) stream_.alignWrite();
  bool indexMode = b < value.characterBits() || b < 5;
  const unsigned char* text = reinterpret_cast<const unsigned char*>(value.value().buffer());
  // Characters written as their own codes go out as they are, also those
  // outside the permitted alphabet, so that what a peer sent can be
  // answered and passed on.
  if (aligned && b == 8 && !indexMode) {
    std::memcpy(stream_.writeRun(n), text, n);
    return;
  }
  for (unsigned i = 0; i < n; ++i) {
    if (!indexMode) {
      stream_.writeBits(text[i], b);
      continue;
    }
    int index = value.indexOf(text[i]);
    // A character outside the alphabet has no index to go out as.
    if (index < 0) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::character);
    stream_.writeBits(unsigned(index), b);
  }
}

void codec::decodeConstrainedString(constrainedString& value) {
  uint32_t n = decodeSize(value);
  if (n == 0) {
    value.setValue(orvo::string());
    return;
  }
  unsigned b = value.bitsPerCharacter();
  uint32_t lb = value.lowerBound(), ub = value.upperBound();
  bool aligned = !(lb == ub && lb != 0 && ub < 65536 && uint64_t(lb) * b <= 16);
  if (aligned) stream_.alignRead();
  requireInput(uint64_t(n) * b);
  bool indexMode = b < value.characterBits() || b < 5;
  // Codes are taken as they come, whether the permitted alphabet holds them
  // or not; only an index must name a character of the alphabet.
  if (aligned && b == 8 && !indexMode) {
    value.setValue(orvo::string(stream_.readRun(n), n));
    return;
  }
  const char* alphabet = value.alphabet();
  uint32_t size = value.alphabetSize();
  orvo::string text(n);
  char* out = text.charRef(0);
  for (unsigned i = 0; i < n; ++i) {
    uint32_t c = stream_.readBits(b);
    if (indexMode) {
      if (c >= size) throw new decodeFailed(formatted("Decode: character index %u beyond an alphabet of %u.", c, size));
      c = static_cast<unsigned char>(alphabet[c]);
    } else if (c > 0xFFu) {
      throw new decodeFailed(formatted("Decode: character code %u beyond one octet.", c));
    }
    out[i] = char(c);
  }
  value.setValue(text);
}

void codec::encodeGeneralizedTime(const generalizedTime& value) {
  const orvo::dateTime& t = value.value();
  char text[64];
  int n = std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.year(), t.month(), t.day(), t.hour(),
                        t.minute(), t.second());
  if (t.millisecond() != 0) n += std::snprintf(text + n, sizeof text - n, ".%03d", t.millisecond());
  encodeLength(unsigned(n), 0, noUpperBound);
  stream_.writeOctets(text, unsigned(n));
}

void codec::decodeGeneralizedTime(generalizedTime& value) {
  unsigned n;
  const char* text = reinterpret_cast<const char*>(decodeOpenTypeRun(n));
  if (n < 14) throw new decodeFailed(formatted("Decode: generalized time of %u characters.", n));
  int fields[6];
  static const unsigned widths[6] = {4, 2, 2, 2, 2, 2};
  unsigned at = 0;
  for (unsigned f = 0; f < 6; ++f) {
    int v = 0;
    for (unsigned i = 0; i < widths[f]; ++i, ++at) {
      if (text[at] < '0' || text[at] > '9')
        throw new decodeFailed(formatted("Decode: generalized time without digits."));
      v = v * 10 + (text[at] - '0');
    }
    fields[f] = v;
  }
  // Fields that name no moment would be folded into some other date, and the
  // value would no longer say what was received.
  if (fields[0] < 1 || !orvo::dateTime::isValidDate(fields[1], fields[2], fields[0]) || fields[3] > 23 ||
      fields[4] > 59 || fields[5] > 59)
    throw new decodeFailed(formatted("Decode: generalized time out of range."));
  int milliseconds = 0;
  if (n > 14 && text[14] == '.') {
    // Digits after the point as a plain number of milliseconds; nine at most
    // so that the sum stays within int.
    for (unsigned i = 15; i < n && i < 24 && text[i] >= '0' && text[i] <= '9'; ++i)
      milliseconds = milliseconds * 10 + (text[i] - '0');
  }
  value.setValue(orvo::dateTime(fields[2], fields[1], fields[0], fields[3], fields[4], fields[5], milliseconds));
}

void codec::encodeBitString(const bitStringBase& value) {
  unsigned n = value.length();
  encodeSize(value, n);
  if (n == 0) return;
  const unsigned char* octets = reinterpret_cast<const unsigned char*>(value.octets().buffer());
  if (unalignedFixedSize(value, 16)) {
    unsigned word = unsigned(octets[0]) << 8;
    if (n > 8) word |= octets[1];
    stream_.writeBits(word >> (16 - n), n);
    return;
  }
  // Exactly n bits after the alignment: the field that follows starts
  // inside the last octet when n is not a multiple of 8.
  stream_.writeOctets(octets, n / 8);
  if (unsigned rest = n % 8) stream_.writeBits(unsigned(octets[n / 8]) >> (8 - rest), rest);
}

void codec::decodeBitString(bitStringBase& value) {
  uint32_t n = decodeSize(value);
  if (n == 0) {
    value.clear();
    return;
  }
  if (unalignedFixedSize(value, 16)) {
    requireInput(n);
    unsigned word = stream_.readBits(n) << (16 - n);
    unsigned char octets[2] = {static_cast<unsigned char>(word >> 8), static_cast<unsigned char>(word)};
    value.setBits(octets, n);
    return;
  }
  stream_.alignRead();
  requireInput(n);
  orvo::string octets((n + 7) / 8);
  stream_.readOctets(octets.charRef(0), n / 8);
  if (unsigned rest = n % 8) *octets.charRef(n / 8) = char(stream_.readBits(rest) << (8 - rest));
  value.setBits(octets.buffer(), n);
}

// ---- constructed kinds ----

void codec::encodeSequenceOf(const sequenceOfBase& value) {
  encodeSize(value, value.count());
  for (const object* element : value.elements()) element->encode(*this);
}

void codec::decodeSequenceOf(sequenceOfBase& value) {
  nesting level(limits_);
  uint32_t n = decodeSize(value);
  // Elements that take no input at all must not multiply without bound.
  if (n > limits_.elementBudget)
    throw new decodeFailed(formatted("Decode: more list elements than the input can hold."));
  limits_.elementBudget -= n;
  value.clear();
  // Each element belongs to the list before it decodes, so a failure
  // releases it with the list.
  for (uint32_t i = 0; i < n; ++i) value.appendNew()->decode(*this);
}

namespace {

// Entries list the roots first, then the additions: the number of roots,
// and of OPTIONAL ones among them.
uint32_t countRoots(const sequenceDescriptor& d, uint32_t& optionals) {
  uint32_t roots = 0;
  optionals = 0;
  for (; roots < d.count && !d.components[roots].isAddition(); ++roots)
    if (d.components[roots].presence == componentEntry::optional) ++optionals;
  return roots;
}

// Counting costs a walk of the entries on every value coded; the counts of
// the types met lately are kept per thread, by the address of their record.
struct rootCounts {
  const sequenceDescriptor* descriptor;
  uint32_t roots;
  uint32_t optionals;
};
constexpr std::size_t rootCountSlots = 64;
thread_local rootCounts rootCountCache[rootCountSlots];

uint32_t rootsOf(const sequenceDescriptor& d, uint32_t& optionals) {
  if (d.rootCount != sequenceDescriptor::notStated) {
    optionals = d.optionalCount;
    return d.rootCount;
  }
  rootCounts& slot = rootCountCache[(reinterpret_cast<std::uintptr_t>(&d) >> 4) % rootCountSlots];
  if (slot.descriptor != &d) {
    uint32_t counted;
    const uint32_t roots = countRoots(d, counted);
    slot = rootCounts{&d, roots, counted};
  }
  optionals = slot.optionals;
  return slot.roots;
}

}  // namespace

void codec::encodeSequence(const sequence& value) {
  const sequenceDescriptor& d = value.descriptor();
  uint32_t optionals;
  const uint32_t roots = rootsOf(d, optionals);
  bool extended = false;
  if (d.extensible)
    for (uint32_t i = roots; i < d.count && !extended; ++i) extended = d.components[i].component(value) != nullptr;
  // The extension bit and the presence bits, gathered into words.
  fieldGatherer bits(stream_);
  if (d.extensible) bits.add(extended);
  for (uint32_t i = 0; i < roots; ++i) {
    const componentEntry& e = d.components[i];
    if (e.presence == componentEntry::optional) bits.add(e.component(value) != nullptr);
  }
  bits.flush();
  for (uint32_t i = 0; i < roots; ++i) {
    const object* member = d.components[i].component(value);
    if (member) member->encode(*this);
  }
  if (!extended) return;
  encodeNormallySmall(d.count - roots, 1);
  for (uint32_t i = roots; i < d.count; ++i) bits.add(d.components[i].component(value) != nullptr);
  bits.flush();
  for (uint32_t i = roots; i < d.count; ++i) {
    const object* member = d.components[i].component(value);
    if (member) encodeInPlaceAsOpenType(*this, *member);
  }
}

namespace {

// Generated records state every member's offset (and their roots, by which
// they are known): their members are reached through it alone.
struct memberByOffset {
  static object* byValue(const componentEntry& e, sequence& owner) {
    return reinterpret_cast<object*>(reinterpret_cast<char*>(&owner) + e.offset);
  }
  static object* held(const componentEntry& e, const sequence& owner) {
    object* value;
    std::memcpy(&value, reinterpret_cast<const char*>(&owner) + e.offset, sizeof value);
    return value;
  }
  static void store(const componentEntry& e, sequence& owner, object* value) {
    std::memcpy(reinterpret_cast<char*>(&owner) + e.offset, &value, sizeof value);
  }
};

// Records written by hand may reach their members through the accessors.
struct memberByEntry {
  static object* byValue(const componentEntry& e, sequence& owner) { return e.component(owner); }
  static object* held(const componentEntry& e, const sequence& owner) { return e.component(owner); }
  static void store(const componentEntry& e, sequence& owner, object* value) { e.storeComponent(owner, value); }
};

// Drops what pointer-held component `e` of `value` held before.
template <class access>
inline void release(const componentEntry& e, sequence& value) {
  if (object* old = access::held(e, value)) {
    access::store(e, value, nullptr);
    delete old;
  }
}

// A fresh value of component `e`, stored in place of the one held before.
template <class access>
inline object* replace(const componentEntry& e, sequence& value) {
  object* fresh = e.create();
  object* old = access::held(e, value);
  access::store(e, value, fresh);
  delete old;
  return fresh;
}

}  // namespace

void codec::decodeSequence(sequence& value) {
  if (value.descriptor().rootCount != sequenceDescriptor::notStated)
    decodeSequenceAs<memberByOffset>(value);
  else
    decodeSequenceAs<memberByEntry>(value);
}

template <class access>
void codec::decodeSequenceAs(sequence& value) {
  nesting level(limits_);
  if (value.unknown()) value.setUnknown(nullptr);
  const sequenceDescriptor& d = value.descriptor();
  // The first component not replaced yet.
  uint32_t reached = 0;
  try {
    uint32_t optionals;
    const uint32_t roots = rootsOf(d, optionals);
    // The extension bit and the presence bits of the OPTIONAL roots precede
    // every component: one read.
    presenceBits present(stream_, uint64_t(d.extensible ? 1 : 0) + optionals);
    const bool extended = d.extensible && present.next();
    for (uint32_t i = 0; i < roots; ++i) {
      reached = i;
      const componentEntry& e = d.components[i];
      if (e.presence == componentEntry::optional) {
        if (!present.next()) {
          release<access>(e, value);
          continue;
        }
        object* member = replace<access>(e, value);
        reached = i + 1;
        decodeMember(e.decodePer, *member);
      } else {
        decodeMember(e.decodePer, *access::byValue(e, value));
      }
    }
    reached = roots;
    const uint32_t known = d.count - roots;
    uint32_t n = 0;
    if (extended) {
      n = decodeNormallySmall(1);
      // n presence bits follow: a count beyond the input is refused before
      // anything is sized by it.
      requireInput(n);
      if (n > known) value.setUnknown(std::unique_ptr<unknownExtensions>(new unknownExtensions(n - known)));
      presenceBits flags(stream_, n);
      for (uint32_t i = 0; i < n; ++i) {
        reached = roots + (i < known ? i : known);
        const bool flagged = flags.next();
        if (i < known) {
          const componentEntry& e = d.components[roots + i];
          if (!flagged) {
            release<access>(e, value);
            continue;
          }
          openTypeRun run(stream_, decodeLength(0, noUpperBound));
          object* member = replace<access>(e, value);
          reached = roots + i + 1;
          decodeMember(e.decodePer, *member);
        } else if (flagged) {
          opentype kept;
          kept.setOctets(decodeOpenTypeOctets());
          value.unknown()->set(i - known, kept);
        }
      }
    }
    for (uint32_t i = n; i < known; ++i) release<access>(d.components[roots + i], value);
    reached = d.count;
  } catch (...) {
    for (uint32_t i = reached; i < d.count; ++i)
      if (d.components[i].heldByPointer()) release<access>(d.components[i], value);
    throw;
  }
}

void codec::encodeChoice(const choice& value) {
  int index = value.index();
  if (index == choice::none) throw new notInitializedChoice();
  const choiceDescriptor& d = value.descriptor();
  uint32_t i = uint32_t(index);
  if (d.extensible) stream_.writeBits(i >= d.rootCount ? 1 : 0, 1);
  if (i < d.rootCount || !d.extensible) {
    encodeConstrainedWholeNumber(i, 0, d.rootCount - 1);
    value.alternative()->encode(*this);
    return;
  }
  encodeNormallySmall(i - d.rootCount, 0);
  if (i < d.count) {
    encodeInPlaceAsOpenType(*this, *value.alternative());
  } else {
    // The open type kept from a decode reproduces the received octets.
    value.alternative()->encode(*this);
  }
}

void codec::decodeChoice(choice& value) {
  nesting level(limits_);
  const choiceDescriptor& d = value.descriptor();
  if (!d.extensible || stream_.readBits(1) == 0) {
    if (d.rootCount == 0) throw new decodeFailed(formatted("Decode: choice without root alternatives."));
    const uint32_t index = decodeConstrainedWholeNumber(0, d.rootCount - 1);
    decodeMember(d.alternatives[index].decodePer, *value.select(int(index)));
    return;
  }
  uint64_t index = uint64_t(d.rootCount) + decodeNormallySmall(0);
  if (index > largestIndex)
    throw new decodeFailed(formatted("Decode: choice alternative %llu out of range.", (unsigned long long)index));
  object* alternative = value.select(int(index));
  if (index < d.count) {
    openTypeRun run(stream_, decodeLength(0, noUpperBound));
    decodeMember(d.alternatives[index].decodePer, *alternative);
  } else {
    alternative->decode(*this);
  }
}

void codec::encodeEnumerated(const enumerated& value) {
  const enumeratedDescriptor& d = value.descriptor();
  uint32_t i = value.index();
  if (i > largestIndex) throw new encodeConstrainedCheckFailed(encodeConstrainedCheckFailed::integer);
  if (d.extensible) stream_.writeBits(i >= d.rootCount ? 1 : 0, 1);
  if (i < d.rootCount || !d.extensible)
    encodeConstrainedWholeNumber(i, 0, d.rootCount - 1);
  else
    encodeNormallySmall(i - d.rootCount, 0);
}

void codec::decodeEnumerated(enumerated& value) {
  const enumeratedDescriptor& d = value.descriptor();
  if (!d.extensible || stream_.readBits(1) == 0) {
    if (d.rootCount == 0) throw new decodeFailed(formatted("Decode: enumeration without root values."));
    value.setIndex(decodeConstrainedWholeNumber(0, d.rootCount - 1));
    return;
  }
  uint64_t index = uint64_t(d.rootCount) + decodeNormallySmall(0);
  if (index > largestIndex)
    throw new decodeFailed(formatted("Decode: enumeration index %llu out of range.", (unsigned long long)index));
  value.setIndex(uint32_t(index));
}

}  // namespace per
}  // namespace asn
