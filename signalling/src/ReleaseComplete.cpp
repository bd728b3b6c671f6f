#include <signalling/ReleaseComplete.h>

#include <h323/protocolIdentifiers.h>
#include <h323/q931/elements.h>

Q931::message MakeReleaseComplete(const Q931::callReference& AReference, bool AToOriginator, int AReason,
                                  unsigned ACause, const H225::callIdentifier* ACallIdentifier) {
  Q931::callReference reference(AReference);
  // A dummy call reference has no flag bit to set.
  if (reference.length()) reference.setFlag(!AToOriginator);
  Q931::message release(Q931::message::releaseComplete, reference);
  release.insertElement(new Q931::cause(ACause));

  H225::h323_UserInformation* information = new H225::h323_UserInformation;
  H225::releaseComplete_UUIE* body = static_cast<H225::releaseComplete_UUIE*>(
      information->h323_uu_pdu.h323_message_body.select(5));  // releaseComplete
  body->protocolIdentifier = H323::h225ProtocolIdentifier;
  body->reason = new H225::releaseCompleteReason;
  body->reason->select(AReason);
  if (ACallIdentifier) body->callIdentifier = new H225::callIdentifier(*ACallIdentifier);
  release.insertElement(new Q931::userUser(information));
  return release;
}
