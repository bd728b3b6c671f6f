#include <h323/q931/compatibility.h>

#include <ios>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named codingStandards[] = {
    {0, "CCITT standardized coding, as described below"},
    {1, "ISO/IEC standard"},
    {2, "national standard"},
    {3, "standard defined for network present on the network side of the interface"}};

// The two characteristics tables differ at 94 and 95 and in how far their
// continued lines are indented: under the text of their own label.
#define CONTINUED(blanks) "\n" blanks
#define CHARACTERISTICS(blanks)                                                                               \
  {1, "Telephony"}, {4, "Facsimile Group 2/3 (Recommendation F.182)"},                                      \
      {33, "Facsimile Group 4 Class I (Recommendation F.184)"},                                             \
      {36, "Teletex service, basic and mixed operation's mode" CONTINUED(blanks)                             \
           "(Recommendation F.230) and Facsimile service" CONTINUED(blanks)                                  \
           "Group 4, Classes II and III (Recommendation F.184)"},                                            \
      {40, "Teletex service, basic and processable mode of" CONTINUED(blanks) "operation (Recommendation F.220)"}, \
      {49, "Teletex service, basic mode of operation" CONTINUED(blanks) "(Recommendation F.200)"},           \
      {50, "Syntax based Videotex (Recommendation F.300 & T.102)"},                                          \
      {51, "International Videotex internetworking via gateways" CONTINUED(blanks)                           \
           "or internetworking units (Recommendation F.300 & T.101)"},                                       \
      {53, "Telex service (Recommendation F.60)"},                                                           \
      {56, "Message Handling System (MHS) (X.400 - Series Recommendations)"},                                \
      {65, "OSI application (X.200 - Series Recommendations)"}, {96, "Audio visual (Recommendation F.729)"}, \
      { \
    127, "Reserved"                                                                                           \
  }

const trace::named characteristicsTexts[] = {
    CHARACTERISTICS("                   "), {94, "Reserved for maintance"}, {95, "Reserved for management"}};
const trace::named extendedCharacteristicsTexts[] = {CHARACTERISTICS("                       "),
                                                     {94, "Not available for assigment"},
                                                     {95, "Not available for assigment"}};

#undef CHARACTERISTICS
#undef CONTINUED

}  // namespace

void highLayerCompatibility::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  if (c.size() < 2) return;
  codingStandard = (c[0] >> 5) & 3;
  interpretation = (c[0] >> 2) & 7;
  presentation = c[0] & 3;
  characteristics = c[1] & 0x7F;
  extendedCharacteristics = c.size() > 2 && !(c[1] & 0x80) ? c[2] & 0x7Fu : 0u;
}

void highLayerCompatibility::encode(orvo::byteStream& out) const {
  unsigned char o3 = (unsigned char)((interpretation & 7) << 2 | (codingStandard & 3) << 5 | (presentation & 3) | 0x80);
  if (extendedCharacteristics != 0)
    writeContent(
        out, {o3, (unsigned char)(characteristics & 0x7F), (unsigned char)((extendedCharacteristics & 0x7F) | 0x80)});
  else
    writeContent(out, {o3, (unsigned char)((characteristics & 0x7F) | 0x80)});
}

void highLayerCompatibility::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Coding Standard: ", trace::lookup(codingStandards, codingStandard), codingStandard);
  out << std::dec << "  Interpretation: "
      << (interpretation == 4 ? "First (primary or only) high layer characteristics (" : "Dont known (")
      << interpretation << (interpretation == 4 ? ")" : " )") << '\n';
  out << "  Presentation method: " << (presentation == 1 ? "High layer protocol profile (" : "Dont known (")
      << presentation << (presentation == 1 ? ")" : " )") << '\n';
  if (presentation == 1)
    trace::field(out, "  Characteristics: ", trace::lookup(characteristicsTexts, characteristics), characteristics);
  if (extendedCharacteristics != 0)
    trace::field(out, "  Ex. Characteristics: ", trace::lookup(extendedCharacteristicsTexts, extendedCharacteristics),
                 extendedCharacteristics);
}

}  // namespace Q931
