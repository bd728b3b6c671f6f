#include <h323/q931/cause.h>

#include <ios>

#include "traceLines.h"

namespace Q931 {

namespace {

const trace::named recommendations[] = {
    {0, "Q.931"}, {3, "X.21"}, {4, "X.25"}, {5, "public land mobile networks, Q.1031/Q.1051"}};

// The names of ITU-T Q.850 as this system has always spelled them; the
// dash of value 9 is the Windows-1252 octet 0x96.
const trace::named causeValues[] = {
    {1, "Unallocated (unassigned) number"},
    {2, "No route to specified transit network"},
    {3, "No route to destination"},
    {4, "Send special information tone"},
    {5, "Misdialled trunk prefix"},
    {6, "Channel unacceptable"},
    {7, "Call awarded and being delivered in an established channel"},
    {8, "Preemption"},
    {9, "Preemption \x96 circuit reserved for reuse"},
    {16, "Normal call clearing"},
    {17, "User busy"},
    {18, "No user responding"},
    {19, "No answer from user (user alerted)"},
    {20, "Subscriber absent"},
    {21, "Call rejected"},
    {22, "Number changed"},
    {23, "Redirection to new destination"},
    {25, "Exchange routing error"},
    {26, "Non-selected user clearing"},
    {27, "Destination out of order"},
    {28, "Invalid number format (address incomplete)"},
    {29, "Facility rejected"},
    {30, "Response to STATUS ENQUIRY"},
    {31, "Normal, unspecified"},
    {34, "No circuit/channel available"},
    {38, "Network out of order"},
    {39, "Permanent frame mode connection out of service"},
    {40, "Permanent frame mode connection operational"},
    {41, "Temporary failure"},
    {42, "Switching equipment congestion"},
    {43, "Access information discarded"},
    {44, "Requested circuit/channel not available"},
    {46, "Precedence call blocked"},
    {47, "Resource unavailable, unspecified"},
    {49, "Quality of service unavailable"},
    {50, "Requested facility not subscribed"},
    {53, "Outgoing calls barred within CUG"},
    {55, "Incoming calls barred within CUG"},
    {57, "Bearer capability not authorized"},
    {58, "Bearer capability not presently available"},
    {62, "Inconsistency in designated outgoing access information and subscriber class"},
    {63, "Service or option not available, unspecified"},
    {65, "Bearer capability not implemented"},
    {66, "Channel type not implemented"},
    {69, "Requested facility not implemented"},
    {70, "Only restricted digital information bearer capability is available"},
    {79, "Service or option not implemented, unspecified"},
    {81, "Invalid call reference value"},
    {82, "Identified channel does not exist"},
    {83, "A suspended call exists, but this call identity does not"},
    {84, "Call identity in use"},
    {85, "No call suspended"},
    {86, "Call having the requested call identity has been cleared"},
    {87, "User not member of CUG"},
    {88, "Incompatible destination"},
    {90, "Non-existent CUG"},
    {91, "Invalid transit network selection"},
    {95, "Invalid message, unspecified"},
    {96, "Mandatory information element is missing"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message not compatible with call state or message type non- existent or not implemented"},
    {99, "Information element/parameter non-existent or not implemented"},
    {100, "Invalid information element contents"},
    {101, "Message not compatible with call state"},
    {102, "Recovery on timer expiry"},
    {103, "Parameter non-existent or not implemented, passed on"},
    {110, "Message with unrecognized parameter, discarded"},
    {111, "Protocol error, unspecified"},
    {127, "Interworking, unspecified"},
};

}  // namespace

void cause::decode(orvo::byteStream& in) {
  octets c = readContent(in);
  readFields(c);
  received.keep(c, content());
}

void cause::readFields(const octets& c) {
  contentView view(c);
  unsigned char o3, o;
  if (!view.take(o3)) return;
  codingStandard = (o3 >> 5) & 3;
  location = o3 & 0x0F;
  if (codingStandard != 0) return;  // the other standards' values are theirs
  if (!(o3 & 0x80)) {
    if (!view.take(o)) return;
    recommendation = o & 0x7F;
  }
  if (view.take(o)) causeValue = o & 0x7F;
}

void cause::encode(orvo::byteStream& out) const { writeContent(out, received.choose(content())); }

octets cause::content() const {
  unsigned char o3 = (unsigned char)((location & 0x0F) | (codingStandard & 3) << 5);
  unsigned char value = (unsigned char)((causeValue & 0x7F) | 0x80);
  if (recommendation != 0) return {o3, (unsigned char)((recommendation & 0x7F) | 0x80), value};
  return {(unsigned char)(o3 | 0x80), value};
}

void cause::print(std::ostream& out) const {
  element::print(out);
  trace::field(out, "  Coding Standard: ", trace::codingStandard(codingStandard), codingStandard);
  trace::field(out, "  Location: ", trace::location(location, true), location);
  trace::field(out, "  Recommendation: ", trace::lookup(recommendations, recommendation), recommendation);
  out << "  Value: " << trace::lookup(causeValues, causeValue) << " (" << std::dec << causeValue << ")\n";
}

}  // namespace Q931
