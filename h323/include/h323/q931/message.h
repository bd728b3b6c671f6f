// A Q.931 message as H.225.0 call signalling carries it: protocol
// discriminator, call reference, message type and information elements,
// the User-user one holding the H.225.0 user information.
#pragma once

#include <ostream>

#include <h225/h225.h>
#include <orvo/byteStream.h>
#include <orvo/list.h>

#include <h323/q931/callReference.h>
#include <h323/q931/element.h>

namespace Q931 {

class message {
public:
  enum : int {
    escape = 0x00,
    alerting = 0x01,
    callProceeding = 0x02,
    progress = 0x03,
    setup = 0x05,
    connect = 0x07,
    setupAck = 0x0D,
    connectAck = 0x0F,
    userInfo = 0x20,
    suspendReject = 0x21,
    resumeReject = 0x22,
    suspend = 0x25,
    resume = 0x26,
    suspendAck = 0x2D,
    resumeAck = 0x2E,
    disconnect = 0x45,
    restart = 0x46,
    release = 0x4D,
    restartAck = 0x4E,
    releaseComplete = 0x5A,
    segment = 0x60,
    facility = 0x62,
    notify = 0x6E,
    statusInquiry = 0x75,
    congestionControl = 0x79,
    information = 0x7B,
    status = 0x7D
  };
  static constexpr unsigned char h225Discriminator = 8;

  // Empty until a decode fills it: discriminator 8, type escape (0).
  message() = default;
  message(int type, const Q931::callReference& reference);
  // Copies are made by encoding the source and decoding the octets, so a
  // copy shares no element with its source.
  message(const message& other);
  message& operator=(const message& other);
  ~message() = default;

  // Replaces the whole content. Truncated octets, or a User-user element
  // that does not decode, throw an orvo::exception; the elements read
  // before stay in the message. Any other element whose content its class
  // refuses is kept as an invalidElement.
  void decode(orvo::byteStream& in);
  void encode(orvo::byteStream& out) const;
  void print(std::ostream& out) const;

  // The first element with the identifier, looked for up to the first
  // element with a greater one, an invalidElement not counting; not owned
  // by the caller.
  element* findElement(int id) const;
  // Takes ownership; the element goes after the last one whose identifier
  // is not greater than its own.
  void insertElement(element* e);

  // The user information of the first User-user element; null without one
  // or when it holds no content.
  H225::h323_UserInformation* userInformation() const;
  H225::setup_UUIE* setupBody() const;
  H225::callProceeding_UUIE* callProceedingBody() const;
  H225::connect_UUIE* connectBody() const;
  H225::alerting_UUIE* alertingBody() const;
  H225::information_UUIE* informationBody() const;
  H225::releaseComplete_UUIE* releaseCompleteBody() const;
  H225::facility_UUIE* facilityBody() const;
  H225::progress_UUIE* progressBody() const;
  H225::status_UUIE* statusBody() const;
  H225::statusInquiry_UUIE* statusInquiryBody() const;
  H225::setupAcknowledge_UUIE* setupAcknowledgeBody() const;
  H225::notify_UUIE* notifyBody() const;

  // "Setup", "ReleaseComplete", ...; "Not Supported" for unknown types.
  static const char* typeName(int type);

  unsigned char protocolDiscriminator = h225Discriminator;
  Q931::callReference callReference;
  int type = escape;
  orvo::list<element> elements{1};  // owning

private:
  template <class T>
  T* body(int alternative) const;
};

}  // namespace Q931
