#include <h323/q931/partyNumbers.h>

#include <ostream>

#include <orvo/escapedText.h>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named numberTypes[] = {{0, "Unknown"},    {1, "International"}, {2, "National"},    {3, "Network"},
                                    {4, "Subscriber"}, {5, "Dont known"},    {6, "Abbreviated"}, {7, "Reserved"}};
const trace::named numberingPlans[] = {{0, "Unknown"},  {1, "ISDN E.164"}, {3, "Data X.121"}, {4, "Telex F.29"},
                                       {8, "National"}, {9, "Private"},    {15, "Reserved"}};
const trace::named presentations[] = {{0, "Allowed"}, {1, "Restricted"}, {2, "Number not Available"}, {3, "Reserved"}};
const trace::named screenings[] = {{0, "User-provided, not screening"},
                                   {1, "User-provided, verified and passed"},
                                   {2, "User-provided, verified and failed"},
                                   {3, "Network provied"}};
const trace::named redirectionReasons[] = {{0, "Unknown"},
                                           {1, "Call forwarding busy or called DTE busy"},
                                           {2, "Call forwarding no reply"},
                                           {4, "Call deflection"},
                                           {9, "Called DTE out of order"},
                                           {10, "Call forwarding by the called DTE"},
                                           {15, "Call forwarding uncnonditional or systematic call redirection"}};

void typeAndPlanLines(std::ostream& out, unsigned typeOfNumber, unsigned numberingPlan) {
  trace::field(out, "  Number Type: ", trace::lookup(numberTypes, typeOfNumber), typeOfNumber);
  trace::field(out, "  Numbering Plan: ", trace::lookup(numberingPlans, numberingPlan), numberingPlan);
}

void presentationLines(std::ostream& out, unsigned presentation, unsigned screening) {
  trace::field(out, "  Presentaion Indicator: ", trace::lookup(presentations, presentation), presentation);
  trace::field(out, "  Screening Indicator: ", trace::lookup(screenings, screening), screening);
}

void numberLine(std::ostream& out, const orvo::string& digits) {
  out << "  Number '" << orvo::escaped(digits) << "'\n";
}

}  // namespace

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

void callingPartyNumber::print(std::ostream& out) const {
  element::print(out);
  typeAndPlanLines(out, typeOfNumber, numberingPlan);
  if (hasPresentation) presentationLines(out, presentationIndicator, screeningIndicator);
  numberLine(out, digits);
}

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

void calledPartyNumber::print(std::ostream& out) const {
  element::print(out);
  typeAndPlanLines(out, typeOfNumber, numberingPlan);
  numberLine(out, digits);
}

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

void redirectingNumber::print(std::ostream& out) const {
  element::print(out);
  typeAndPlanLines(out, typeOfNumber, numberingPlan);
  if (hasPresentation) presentationLines(out, presentationIndicator, screeningIndicator);
  numberLine(out, digits);
  if (reason >= 0)
    trace::field(out, "  Reason: ", trace::lookup(redirectionReasons, unsigned(reason)), unsigned(reason));
}

}  // namespace Q931
