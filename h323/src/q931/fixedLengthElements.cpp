#include <h323/q931/fixedLengthElements.h>

#include <ios>

#include <h323/q931/message.h>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named callStates[] = {
    {0, "U0  - Null"},
    {1, "U1  - Call initiated"},
    {2, "U2  - Overlap sending"},
    {3, "U3  - Outgoing call proceeding"},
    {4, "U4  - Call delivered"},
    {6, "U6  - Call present"},
    {7, "U7  - Call received"},
    {8, "U8  - Connect request"},
    {9, "U9  - Incoming call proceeding"},
    {10, "U10 - Active"},
    {11, "U11 - Disconnect request"},
    {12, "U12 - Disconnect indication"},
    {15, "U15 - Suspend request"},
    {17, "U17 - Resume request"},
    {19, "U19 - Release request"},
    {25, "U25 - Overlap receiving"},
};

const trace::named progressDescriptions[] = {
    {1, "Call is not end-to-end ISDN"},
    {2, "Destination address is non ISDN"},
    {3, "Origination address is non ISDN"},
    {4, "Call has returned to the ISDN"},
    {5, "Internetworking has occurred and has resulted in telecommunication service change"},
    {8, "In-band information or an appropriate pattern is now available"},
};

const trace::named signals[] = {
    {0, "Dial tone on"},
    {1, "Ring back tone on"},
    {2, "Intercept tone on"},
    {3, "Network congestion tone on"},
    {4, "Busy tone on"},
    {5, "Confirm tone on"},
    {6, "Answer tone on"},
    {7, "Call waiting tone"},
    {8, "Off-hook warning tone"},
    {9, "Preemption tone on"},
    {63, "Tones off"},
    {64, "Alerting on - pattern 0"},
    {65, "Alerting on - pattern 1"},
    {66, "Alerting on - pattern 2"},
    {67, "Alerting on - pattern 3"},
    {68, "Alerting on - pattern 4"},
    {69, "Alerting on - pattern 5"},
    {70, "Alerting on - pattern 6"},
    {71, "Alerting on - pattern 7"},
    {79, "Alerting off"},
};

const trace::named restartClasses[] = {{0, "IndicatedChannels"}, {6, "SingleInterface"}, {7, "AllInterfaces"}};

}  // namespace

void segmented::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 2) return;
  firstSegment = (c[0] & 0x80) != 0;
  remainingSegments = c[0] & 0x7F;
  segmentedType = c[1] & 0x7F;
}

void segmented::encode(orvo::byteStream& out) const {
  unsigned char remaining = (unsigned char)(remainingSegments & 0x7F);
  writeContent(out,
               {(unsigned char)(firstSegment ? remaining | 0x80 : remaining), (unsigned char)(segmentedType & 0x7F)});
}

void segmented::print(std::ostream& out) const {
  element::print(out);
  out << (firstSegment ? "First segment, " : "Subsequent segment, ") << std::dec << remainingSegments
      << " remaining of type " << message::typeName(int(segmentedType)) << " (0x" << std::hex << segmentedType
      << std::dec << ")\n";
}

void callState::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 1) return;
  codingStandard = c[0] >> 6;
  state = c[0] & 0x3F;
}

void callState::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((state & 0x3F) | (codingStandard & 3) << 6)});
}

void callState::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Coding Standard: ", trace::codingStandard(codingStandard), codingStandard);
  trace::field(out, "  State: ", trace::lookup(callStates, state, "Unknown"), state);
}

void progressIndicator::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() != 2) return;
  codingStandard = (c[0] >> 5) & 3;
  location = c[0] & 0x0F;
  description = c[1] & 0x7F;
}

void progressIndicator::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((location & 0x0F) | (codingStandard & 3) << 5 | 0x80),
                     (unsigned char)((description & 0x7F) | 0x80)});
}

void progressIndicator::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Coding Standard: ", trace::codingStandard(codingStandard), codingStandard);
  trace::field(out, "  Location: ", trace::location(location, false), location);
  trace::field(out, "  Description: ", trace::lookup(progressDescriptions, description), description);
}

void notificationIndicator::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) description = c[0];
}

void notificationIndicator::encode(orvo::byteStream& out) const { writeContent(out, {description}); }

void notificationIndicator::print(std::ostream& out) const {
  element::print(out);
  out << "  Data: 0x" << std::hex << unsigned(description) << std::dec << '\n';
}

void signal::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) value = c[0];
}

void signal::encode(orvo::byteStream& out) const { writeContent(out, {value}); }

void signal::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Value: ", trace::lookup(signals, value), value);
}

void reverseChargeIndication::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) indication = c[0] & 0x07;
}

void reverseChargeIndication::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((indication & 0x07) | 0x80)});
}

void reverseChargeIndication::print(std::ostream& out) const {
  element::print(out);
  if (indication == 1)
    trace::plain(out, "  Reverse charging indication: ", "Requested");
  else
    trace::field(out, "  Reverse charging indication: ", "Dont known", indication);
}

void restartIndicator::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() == 1) restartClass = c[0] & 0x07;
}

void restartIndicator::encode(orvo::byteStream& out) const {
  writeContent(out, {(unsigned char)((restartClass & 0x07) | 0x80)});
}

void restartIndicator::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Class: ", trace::lookup(restartClasses, restartClass, "Invalid"), restartClass);
}

}  // namespace Q931
