#include <asn/textCodec.h>

#include <cctype>
#include <cstdio>

#include <orvo/escapedText.h>
#include <orvo/utility.h>

#include <asn/asn.h>

namespace asn {
namespace text {

namespace {

// Printable: every octet printable (or 174), up to the end or a run of NULs
// that reaches the end; a leading NUL is not printable.
bool printable(const unsigned char* p, unsigned n) {
  if (n == 0) return true;
  if (p[0] == 0) return false;
  for (unsigned i = 0; i < n; ++i) {
    if (p[i] == 0) {
      for (unsigned j = i; j < n; ++j)
        if (p[j] != 0) return false;
      return true;
    }
    if (!std::isprint(p[i]) && p[i] != 174) return false;
  }
  return true;
}

// A printable value's text: up to its first NUL.
size_t textLength(const unsigned char* p, unsigned n) {
  size_t length = 0;
  while (length < n && p[length] != 0) ++length;
  return length;
}

}  // namespace

codec::codec(std::ostream& out, int indentation) : out_(out), indentation_(indentation) {}

void codec::indent() { out_ << orvo::blanks(indentation_); }

void codec::print(const char* name, const object& value) {
  out_ << name;
  value.encode(*this);
}

void codec::hexOctets(const unsigned char* data, unsigned length) {
  static const char digits[] = "0123456789ABCDEF";
  out_ << ": " << length << " octets [";
  for (unsigned i = 0; i < length; ++i) {
    if (i) out_ << ' ';
    out_ << digits[data[i] >> 4] << digits[data[i] & 15];
  }
  out_ << ']';
}

void codec::encodeNull(const null&) {}

void codec::encodeBoolean(const booltype& value) { out_ << (value.value() ? ": true" : ": false"); }

void codec::encodeOpenType(const opentype& value) {
  hexOctets(reinterpret_cast<const unsigned char*>(value.octets().buffer()), value.octets().length());
}

void codec::encodeInteger(const integerBase& value) {
  char text[40];
  std::snprintf(text, sizeof text, ": %u (0x%x)", value.value(), value.value());
  out_ << text;
}

void codec::encodeNamedInteger(const namedInteger& value) {
  out_ << ": " << value.name() << " (" << value.value() << ')';
}

void codec::encodeOctetString(const octetStringBase& value) {
  const unsigned char* p = value.data();
  unsigned n = value.length();
  if (printable(p, n))
    out_ << ": '" << orvo::escaped(reinterpret_cast<const char*>(p), textLength(p, n)) << '\'';
  else
    hexOctets(p, n);
  if (n == 4)
    out_ << " (" << unsigned(p[0]) << '.' << unsigned(p[1]) << '.' << unsigned(p[2]) << '.' << unsigned(p[3]) << ')';
}

void codec::encodeBMPString(const bmpStringBase& value) {
  out_ << ": '" << orvo::escaped(value.toString()) << '\'';
}

void codec::encodeOID(const oid& value) {
  out_ << ": { ";
  for (unsigned i = 0; i < value.count(); ++i) {
    if (i) out_ << ", ";
    out_ << value.arc(i);
  }
  out_ << " }";
}

void codec::encodeConstrainedString(const constrainedString& value) {
  out_ << ": '" << orvo::escaped(value.value()) << '\'';
}

void codec::encodeSequenceOf(const sequenceOfBase& value) {
  if (value.count() == 0) {
    out_ << ": <empty>";
    return;
  }
  out_ << " count(" << value.count() << ") {" << std::endl;
  indentation_ += 2;
  unsigned i = 0;
  for (const object* element : value.elements()) {
    indent();
    out_ << '#' << i++;
    element->encode(*this);
    out_ << std::endl;
  }
  indentation_ -= 2;
  indent();
  out_ << '}';
}

void codec::decodeSequence(sequence& value) { value.reset(); }

void codec::encodeSequence(const sequence& value) {
  out_ << " {" << std::endl;
  indentation_ += 2;
  const sequenceDescriptor& d = value.descriptor();
  for (uint32_t i = 0; i < d.count; ++i) {
    const object* member = d.components[i].component(value);
    if (!member) continue;
    indent();
    print(d.components[i].name, *member);
    out_ << std::endl;
  }
  const unknownExtensions* unknown = value.unknown();
  if (unknown && unknown->anyPresent()) {
    indent();
    out_ << "unknown extensions count(" << unknown->count() << ')' << std::endl;
    for (unsigned i = 0; i < unknown->count(); ++i) {
      indent();
      out_ << "  #" << i;
      if (unknown->isPresent(i))
        encodeOpenType(unknown->get(i));
      else
        out_ << ": not present";
      out_ << std::endl;
    }
  }
  indentation_ -= 2;
  indent();
  out_ << '}';
}

void codec::encodeChoice(const choice& value) {
  if (value.index() == choice::none) return;
  const char* name = value.alternativeName();
  if (name)
    out_ << ' ' << name;
  else
    out_ << " unknown extension (" << value.index() << ')';
  value.alternative()->encode(*this);
}

void codec::encodeEnumerated(const enumerated& value) { out_ << ": " << value.name(); }

void codec::encodeAnytype(const anytypeBase& value) {
  if (!value.value()) {
    out_ << " <empty>";
    return;
  }
  out_ << ' ' << *value.value();
}

void codec::encodeGeneralizedTime(const generalizedTime& value) { out_ << ' ' << value.value().format("%x %X"); }

void codec::encodeBitString(const bitStringBase& value) {
  out_ << " '";
  for (unsigned i = 0; i < value.length(); ++i) out_ << (value.bit(i) ? '1' : '0');
  out_ << "'B";
}

}  // namespace text

std::ostream& operator<<(std::ostream& out, const object& value) {
  text::codec printer(out, 0);
  value.encode(printer);
  return out;
}

}  // namespace asn
