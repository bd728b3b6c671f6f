#include <h323/q931/datetime.h>

namespace Q931 {

void datetime::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() < 3 || c.size() > 6) throw new orvo::exception("Q.931: invalid datetime IE encoding");
  unsigned held = unsigned(c.size());
  c.resize(6, 0);
  // A date that does not exist would become a different one (or none) on
  // the way through the calendar and go out changed.
  if (!orvo::dateTime::isValidDate(c[1], c[2], 1900 + c[0]) || c[3] > 23 || c[4] > 59 || c[5] > 59)
    throw new orvo::exception("Q.931: invalid datetime IE encoding");
  value = orvo::dateTime(c[2], c[1], 1900 + c[0], c[3], c[4], c[5], 0);
  length = held;
}

void datetime::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)(value.year() - 1900), (unsigned char)value.month(),  (unsigned char)value.day(),
           (unsigned char)value.hour(),          (unsigned char)value.minute(), (unsigned char)value.second()};
  c.resize(length < 3 ? 3 : length > 6 ? 6 : length);
  writeContent(out, c);
}

void datetime::print(std::ostream& out) const {
  element::print(out);
  out << "  " << value.format("%x %X").buffer() << '\n';
}

}  // namespace Q931
