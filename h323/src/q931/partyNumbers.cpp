#include <h323/q931/partyNumbers.h>

namespace Q931 {

namespace {

void takeDigits(contentView& view, orvo::string& digits) {
  unsigned char o;
  while (view.take(o)) digits.append(char(o & 0x7F));
}

void appendDigits(octets& c, const orvo::string& digits) {
  for (unsigned i = 0; i < digits.length(); ++i) c.push_back((unsigned char)(digits.buffer()[i] & 0x7F));
}

unsigned char typeAndPlan(unsigned typeOfNumber, unsigned numberingPlan) {
  return (unsigned char)((typeOfNumber & 7) << 4 | (numberingPlan & 0x0F));
}

unsigned char presentationOctet(unsigned presentation, unsigned screening) {
  return (unsigned char)((presentation & 3) << 5 | (screening & 3));
}

}  // namespace

void callingPartyNumber::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  digits.clear();
  typeOfNumber = numberingPlan = 0;
  hasPresentation = false;
  contentView view(c);
  unsigned char o3, o3a;
  if (!view.take(o3)) return;
  typeOfNumber = (o3 >> 4) & 7;
  numberingPlan = o3 & 0x0F;
  if (!(o3 & 0x80)) {
    if (!view.take(o3a) || !(o3a & 0x80)) return;
    hasPresentation = true;
    presentationIndicator = (o3a >> 5) & 3;
    screeningIndicator = o3a & 3;
  }
  takeDigits(view, digits);
}

void callingPartyNumber::encode(orvo::byteStream& out) const {
  octets c;
  if (hasPresentation) {
    c.push_back(typeAndPlan(typeOfNumber, numberingPlan));
    c.push_back((unsigned char)(presentationOctet(presentationIndicator, screeningIndicator) | 0x80));
  } else {
    c.push_back((unsigned char)(typeAndPlan(typeOfNumber, numberingPlan) | 0x80));
  }
  appendDigits(c, digits);
  writeContent(out, c);
}

void callingPartyNumber::print(std::ostream& out) const { element::print(out); }

void calledPartyNumber::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  digits.clear();
  typeOfNumber = numberingPlan = 0;
  contentView view(c);
  unsigned char o3;
  if (!view.take(o3) || !(o3 & 0x80)) return;
  typeOfNumber = (o3 >> 4) & 7;
  numberingPlan = o3 & 0x0F;
  takeDigits(view, digits);
}

void calledPartyNumber::encode(orvo::byteStream& out) const {
  octets c{(unsigned char)(typeAndPlan(typeOfNumber, numberingPlan) | 0x80)};
  appendDigits(c, digits);
  writeContent(out, c);
}

void calledPartyNumber::print(std::ostream& out) const { element::print(out); }

redirectingNumber& redirectingNumber::operator=(const orvo::string& text) {
  digits = text;
  typeOfNumber = numberingPlan = 0;
  hasPresentation = false;
  return *this;
}

void redirectingNumber::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  digits.clear();
  typeOfNumber = numberingPlan = 0;
  hasPresentation = false;
  reason = -1;
  contentView view(c);
  unsigned char o3, o3a, o3b;
  if (!view.take(o3)) return;
  typeOfNumber = (o3 >> 4) & 7;
  numberingPlan = o3 & 0x0F;
  if (!(o3 & 0x80)) {
    if (!view.take(o3a)) return;
    hasPresentation = true;
    presentationIndicator = (o3a >> 5) & 3;
    screeningIndicator = o3a & 3;
    if (!(o3a & 0x80)) {
      if (!view.take(o3b)) return;
      reason = o3b & 0x0F;
    }
  }
  takeDigits(view, digits);
}

void redirectingNumber::encode(orvo::byteStream& out) const {
  octets c{typeAndPlan(typeOfNumber, numberingPlan)};
  if (!hasPresentation) {
    c[0] |= 0x80;
  } else {
    unsigned char o3a = presentationOctet(presentationIndicator, screeningIndicator);
    if (reason < 0) {
      c.push_back((unsigned char)(o3a | 0x80));
    } else {
      c.push_back(o3a);
      c.push_back((unsigned char)((reason & 0x0F) | 0x80));
    }
  }
  appendDigits(c, digits);
  writeContent(out, c);
}

void redirectingNumber::print(std::ostream& out) const { element::print(out); }

}  // namespace Q931
