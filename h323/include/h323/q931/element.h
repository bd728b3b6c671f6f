// The base of the Q.931 information elements, and what every element class
// shares: the bounded view of one element's content, the writing of an
// element with its length, and the failure of an encoding that cannot be
// framed.
#pragma once

#include <ostream>
#include <vector>

#include <orvo/byteStream.h>
#include <orvo/exception.h>

namespace Q931 {

using octets = std::vector<unsigned char>;

// Appends the octets of a string.
void appendOctets(octets& content, const char* data, unsigned length);

// An element whose content does not fit its length field: nothing is
// written, since a cut length would corrupt the framing of the message.
class encodeRefused : public orvo::exception {
public:
  encodeRefused(const char* element, unsigned length, unsigned limit);
};

// The content octets of one element, and only those: reading stops at
// their end however the octets themselves announce more.
class contentView {
public:
  explicit contentView(const octets& content) : content_(content) {}

  bool more() const { return position_ < content_.size(); }
  unsigned remaining() const { return unsigned(content_.size() - position_); }
  unsigned length() const { return unsigned(content_.size()); }
  // The next octet, or false at the end.
  bool take(unsigned char& octet) {
    if (!more()) return false;
    octet = content_[position_++];
    return true;
  }
  // Up to count octets, fewer at the end.
  octets take(unsigned count);
  octets rest() { return take(remaining()); }

private:
  const octets& content_;
  size_t position_ = 0;
};

// The content an element was decoded from, kept when its fields would
// write it back otherwise (a spare bit set, octets the fields do not hold,
// an extension bit the layout does not foresee), so that an element passed
// on unchanged goes out as it came. Once a field is changed, the octets
// the fields give go out instead.
class receivedContent {
public:
  void clear();
  // After a decode: the content read and the octets its fields give.
  void keep(const octets& received, octets fromFields);
  // What an encode writes: the content read while the fields still give
  // what they gave after the decode, else fromFields.
  const octets& choose(const octets& fromFields) const;

private:
  bool held_ = false;
  octets received_, fromFields_;
};

class element {
public:
  // Identifiers of the single-octet elements, below those of the others.
  enum : int { moreDataId = -4, sendingCompleteId = -3, congestionLevelId = -2, repeatIndicatorId = -1 };

  explicit element(int id = 0) : id(id) {}
  element(const element&) = default;
  element& operator=(const element&) = default;
  virtual ~element() = default;

  // The stream stands at the identifier octet.
  virtual void decode(orvo::byteStream& in);
  // Appends the whole element, identifier included.
  virtual void encode(orvo::byteStream& out) const;
  // The header line: "[Name] (0x1c)".
  virtual void print(std::ostream& out) const;

  // The trace name of an identifier.
  static const char* name(int id);

  int id;

protected:
  // Reads the identifier, the length octet and exactly that many octets;
  // a stream shorter than the length throws orvo::byteStream::outOfBounds.
  octets readContent(orvo::byteStream& in);
  // Writes the identifier, the length octet and the content; content of
  // more than 255 octets throws encodeRefused.
  void writeContent(orvo::byteStream& out, const octets& content) const;
};

// The element factory: a new element of the class of the identifier, a
// notSupportedElement for identifiers without one.
element* newElement(int id);

}  // namespace Q931
