#include <gatekeeper/RasSequenceNumber.h>

namespace {

typedef asn::integerBase* (*TFieldOf)(asn::object* AMessage);

template <class T>
asn::integerBase* FieldOf(asn::object* AMessage) {
  return &static_cast<T*>(AMessage)->requestSeqNum;
}

// In the order of the RasMessage alternatives.
const TFieldOf SequenceNumberFields[] = {
    FieldOf<H225::gatekeeperRequest>,
    FieldOf<H225::gatekeeperConfirm>,
    FieldOf<H225::gatekeeperReject>,
    FieldOf<H225::registrationRequest>,
    FieldOf<H225::registrationConfirm>,
    FieldOf<H225::registrationReject>,
    FieldOf<H225::unregistrationRequest>,
    FieldOf<H225::unregistrationConfirm>,
    FieldOf<H225::unregistrationReject>,
    FieldOf<H225::admissionRequest>,
    FieldOf<H225::admissionConfirm>,
    FieldOf<H225::admissionReject>,
    FieldOf<H225::bandwidthRequest>,
    FieldOf<H225::bandwidthConfirm>,
    FieldOf<H225::bandwidthReject>,
    FieldOf<H225::disengageRequest>,
    FieldOf<H225::disengageConfirm>,
    FieldOf<H225::disengageReject>,
    FieldOf<H225::locationRequest>,
    FieldOf<H225::locationConfirm>,
    FieldOf<H225::locationReject>,
    FieldOf<H225::infoRequest>,
    FieldOf<H225::infoRequestResponse>,
    FieldOf<H225::nonStandardMessage>,
    FieldOf<H225::unknownMessageResponse>,
    FieldOf<H225::requestInProgress>,
    FieldOf<H225::resourcesAvailableIndicate>,
    FieldOf<H225::resourcesAvailableConfirm>,
    FieldOf<H225::infoRequestAck>,
    FieldOf<H225::infoRequestNak>,
    FieldOf<H225::serviceControlIndication>,
    FieldOf<H225::serviceControlResponse>,
};
const int KnownKinds = int(sizeof SequenceNumberFields / sizeof SequenceNumberFields[0]);

// The index comes from the wire: a later version's kind decodes into an
// open type beyond the table, which has no field to read.
asn::integerBase* SequenceNumberField(const H225::rasMessage& AMessage) {
  int kind = AMessage.index();
  if (kind < 0 || kind >= KnownKinds || !AMessage.alternative()) return nullptr;
  return SequenceNumberFields[kind](AMessage.alternative());
}

}  // namespace

unsigned GetRasSequenceNumber(const H225::rasMessage& AMessage) {
  const asn::integerBase* field = SequenceNumberField(AMessage);
  return field ? field->value() : 1;
}

void SetRasSequenceNumber(H225::rasMessage& AMessage, unsigned AValue) {
  if (asn::integerBase* field = SequenceNumberField(AMessage)) field->setValue(AValue);
}
