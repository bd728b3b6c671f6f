// The party numbers: Calling, Called and Redirecting number, each a type
// of number, a numbering plan and IA5 digits, the calling and redirecting
// ones with presentation and screening.
#pragma once

#include <orvo/string.h>

#include <h323/q931/element.h>

namespace Q931 {

class callingPartyNumber : public element {
public:
  callingPartyNumber() : element(0x6C) {}
  explicit callingPartyNumber(const orvo::string& digits) : element(0x6C), digits(digits) {}
  callingPartyNumber(const orvo::string& digits, unsigned typeOfNumber, unsigned numberingPlan)
      : element(0x6C), typeOfNumber(typeOfNumber), numberingPlan(numberingPlan), digits(digits) {}
  callingPartyNumber(const callingPartyNumber&) = default;
  callingPartyNumber& operator=(const callingPartyNumber&) = default;
  // Replaces the digits only.
  callingPartyNumber& operator=(const orvo::string& text) {
    digits = text;
    return *this;
  }

  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned typeOfNumber = 0;   // 3 bits
  unsigned numberingPlan = 0;  // 4 bits
  bool hasPresentation = false;
  unsigned presentationIndicator = 0;  // 2 bits
  unsigned screeningIndicator = 0;     // 2 bits
  orvo::string digits;
};

class calledPartyNumber : public element {
public:
  calledPartyNumber() : element(0x70) {}
  explicit calledPartyNumber(const orvo::string& digits) : element(0x70), digits(digits) {}
  calledPartyNumber(const orvo::string& digits, unsigned typeOfNumber, unsigned numberingPlan)
      : element(0x70), typeOfNumber(typeOfNumber), numberingPlan(numberingPlan), digits(digits) {}
  calledPartyNumber(const calledPartyNumber&) = default;
  calledPartyNumber& operator=(const calledPartyNumber&) = default;
  calledPartyNumber& operator=(const orvo::string& text) {
    digits = text;
    return *this;
  }

  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned typeOfNumber = 0;   // 3 bits
  unsigned numberingPlan = 0;  // 4 bits
  orvo::string digits;
};

class redirectingNumber : public element {
public:
  redirectingNumber() : element(0x74) {}
  explicit redirectingNumber(const orvo::string& digits) : element(0x74), digits(digits) {}
  // The digits, with type, plan and presentation cleared.
  redirectingNumber& operator=(const orvo::string& text);

  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned typeOfNumber = 0;   // 3 bits
  unsigned numberingPlan = 0;  // 4 bits
  bool hasPresentation = false;
  unsigned presentationIndicator = 0;  // 2 bits
  unsigned screeningIndicator = 0;     // 2 bits
  int reason = -1;                     // 4 bits, -1 when absent
  orvo::string digits;
};

}  // namespace Q931
