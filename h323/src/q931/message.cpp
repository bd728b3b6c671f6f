#include <h323/q931/message.h>

#include <ios>
#include <memory>

#include <h323/q931/elements.h>

namespace Q931 {

namespace {

constexpr unsigned copyGrowth = 128;
constexpr int userUserId = 0x7E;

// A content error in an element that is not mandatory is handled as though
// the element were absent (ITU-T Q.931 5.8.7.2): the element is kept as its
// octets, to be passed on, and the rest of the message is read. User-user
// is the exception: it carries the H.225.0 message, without which there is
// nothing to handle. An element cut short by the end of the octets fails
// again as its octets: the message is cut short.
element* decodeElement(orvo::byteStream& in, unsigned char id) {
  std::unique_ptr<element> e(newElement(id));
  if (id == userUserId) {
    e->decode(in);
    return e.release();
  }
  const unsigned char* start = in.readPosition();
  try {
    e->decode(in);
    return e.release();
  } catch (orvo::exception* failure) {
    delete failure;
  }
  in.skip(int(start - in.readPosition()));
  e.reset(new invalidElement);
  e->decode(in);
  return e.release();
}

}  // namespace

message::message(int type, const Q931::callReference& reference) : callReference(reference), type(type) {}

message::message(const message& other) {
  orvo::byteStream octets(copyGrowth);
  other.encode(octets);
  decode(octets);
}

message& message::operator=(const message& other) {
  // Encoded before anything here is cleared: assignment to itself works.
  orvo::byteStream octets(copyGrowth);
  other.encode(octets);
  decode(octets);
  return *this;
}

void message::decode(orvo::byteStream& in) {
  elements.clear(1);
  unsigned char octet;
  in.read(&octet, 1);
  protocolDiscriminator = octet;
  callReference.decode(in);
  in.read(&octet, 1);
  type = octet;

  unsigned current = 0, saved = 0;
  bool nonLocking = false;
  while (!in.exhausted()) {
    octet = *in.readPosition();
    if (octet & 0x80) {
      in.skip(1);
      switch ((octet >> 4) & 7) {
        case 1:  // shift
          if (octet & 0x08) nonLocking = true;
          saved = current;
          current = octet & 0x07;
          // A locking shift only ever raises the codeset.
          if (!nonLocking && current <= saved) current = saved;
          break;
        case 2:
          elements.append(octet & 0x01 ? static_cast<element*>(new sendingComplete) : new moreData);
          break;
        case 3:
          elements.append(new congestionLevel(octet & 0x0F));
          break;
        case 5:
          elements.append(new repeatIndicator(octet & 0x0F));
          break;
        default:
          break;  // kinds without a class are dropped
      }
      continue;
    }
    // Elements of other codesets are not understood; they and all that
    // follows them are left unread.
    if (current != 0) return;
    elements.append(decodeElement(in, octet));
    if (nonLocking) {
      nonLocking = false;
      current = saved;
    }
  }
}

void message::encode(orvo::byteStream& out) const {
  out.write(&protocolDiscriminator, 1);
  callReference.encode(out);
  unsigned char typeOctet = (unsigned char)type;
  out.write(&typeOctet, 1);
  for (element* e : elements) e->encode(out);
}

void message::print(std::ostream& out) const {
  out << "Type: " << typeName(type) << "(0x" << std::hex << type << ")\n";
  out << "ProtocolDiscriminator : " << unsigned(protocolDiscriminator) << std::dec << '\n';
  out << "Call Reference: ";
  callReference.print(out);
  out << '\n';
  if (elements.count() == 0) {
    out << "* Not contains any elements\n";
    return;
  }
  out << "Contains " << elements.count() << " elements\n";
  for (element* e : elements) e->print(out);
}

element* message::findElement(int id) const {
  for (element* e : elements) {
    if (e->id == id && !dynamic_cast<invalidElement*>(e)) return e;
    if (e->id > id) return nullptr;
  }
  return nullptr;
}

void message::insertElement(element* e) {
  orvo::listNode* after = nullptr;
  for (orvo::listNode* n = elements.head(); n && orvo::list<element>::element(n)->id <= e->id; n = n->next) after = n;
  elements.insertAfter(e, after);
}

H225::h323_UserInformation* message::userInformation() const {
  for (element* e : elements)
    if (e->id == 0x7E)
      if (auto* u = dynamic_cast<userUser*>(e)) return u->content.get();
  return nullptr;
}

template <class T>
T* message::body(int alternative) const {
  H225::h323_UserInformation* information = userInformation();
  if (!information) return nullptr;
  const asn::choice& choice = information->h323_uu_pdu.h323_message_body;
  return choice.index() == alternative ? static_cast<T*>(choice.alternative()) : nullptr;
}

H225::setup_UUIE* message::setupBody() const { return body<H225::setup_UUIE>(0); }
H225::callProceeding_UUIE* message::callProceedingBody() const { return body<H225::callProceeding_UUIE>(1); }
H225::connect_UUIE* message::connectBody() const { return body<H225::connect_UUIE>(2); }
H225::alerting_UUIE* message::alertingBody() const { return body<H225::alerting_UUIE>(3); }
H225::information_UUIE* message::informationBody() const { return body<H225::information_UUIE>(4); }
H225::releaseComplete_UUIE* message::releaseCompleteBody() const { return body<H225::releaseComplete_UUIE>(5); }
H225::facility_UUIE* message::facilityBody() const { return body<H225::facility_UUIE>(6); }
H225::progress_UUIE* message::progressBody() const { return body<H225::progress_UUIE>(7); }
H225::status_UUIE* message::statusBody() const { return body<H225::status_UUIE>(9); }
H225::statusInquiry_UUIE* message::statusInquiryBody() const { return body<H225::statusInquiry_UUIE>(10); }
H225::setupAcknowledge_UUIE* message::setupAcknowledgeBody() const { return body<H225::setupAcknowledge_UUIE>(11); }
H225::notify_UUIE* message::notifyBody() const { return body<H225::notify_UUIE>(12); }

const char* message::typeName(int type) {
  switch (type) {
    case escape:
      return "Escape";
    case alerting:
      return "Alerting";
    case callProceeding:
      return "CallProceeding";
    case progress:
      return "Progress";
    case setup:
      return "Setup";
    case connect:
      return "Connect";
    case setupAck:
      return "SetupAck";
    case connectAck:
      return "ConnectAck";
    case userInfo:
      return "UserInfo";
    case suspendReject:
      return "SuspendReject";
    case resumeReject:
      return "ResumeReject";
    case suspend:
      return "Suspend";
    case resume:
      return "Resume";
    case suspendAck:
      return "SuspendAck";
    case resumeAck:
      return "ResumeAck";
    case disconnect:
      return "Disconnect";
    case restart:
      return "Restart";
    case release:
      return "Release";
    case restartAck:
      return "RestartAck";
    case releaseComplete:
      return "ReleaseComplete";
    case segment:
      return "Segment";
    case facility:
      return "Facility";
    case notify:
      return "Notify";
    case statusInquiry:
      return "StatusInquiry";
    case congestionControl:
      return "CongestionControl";
    case information:
      return "Information";
    case status:
      return "Status";
    default:
      return "Not Supported";
  }
}

}  // namespace Q931
