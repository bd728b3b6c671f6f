#include <h323/rasMessage.h>

namespace H323 {

namespace {

struct tokenFields {
  clearTokenList** (*clear)(asn::object*);
  cryptoTokenList** (*crypto)(asn::object*);
};

template <class T>
clearTokenList** clearField(asn::object* AAlternative) {
  return &static_cast<T*>(AAlternative)->tokens;
}

template <class T>
cryptoTokenList** cryptoField(asn::object* AAlternative) {
  return &static_cast<T*>(AAlternative)->cryptoTokens;
}

template <class T>
constexpr tokenFields fieldsOf() {
  return {&clearField<T>, &cryptoField<T>};
}

// By selection index, in the order of the RasMessage CHOICE.
constexpr tokenFields rasTokenFields[] = {
    fieldsOf<H225::gatekeeperRequest>(),
    fieldsOf<H225::gatekeeperConfirm>(),
    fieldsOf<H225::gatekeeperReject>(),
    fieldsOf<H225::registrationRequest>(),
    fieldsOf<H225::registrationConfirm>(),
    fieldsOf<H225::registrationReject>(),
    fieldsOf<H225::unregistrationRequest>(),
    fieldsOf<H225::unregistrationConfirm>(),
    fieldsOf<H225::unregistrationReject>(),
    fieldsOf<H225::admissionRequest>(),
    fieldsOf<H225::admissionConfirm>(),
    fieldsOf<H225::admissionReject>(),
    fieldsOf<H225::bandwidthRequest>(),
    fieldsOf<H225::bandwidthConfirm>(),
    fieldsOf<H225::bandwidthReject>(),
    fieldsOf<H225::disengageRequest>(),
    fieldsOf<H225::disengageConfirm>(),
    fieldsOf<H225::disengageReject>(),
    fieldsOf<H225::locationRequest>(),
    fieldsOf<H225::locationConfirm>(),
    fieldsOf<H225::locationReject>(),
    fieldsOf<H225::infoRequest>(),
    fieldsOf<H225::infoRequestResponse>(),
    fieldsOf<H225::nonStandardMessage>(),
    fieldsOf<H225::unknownMessageResponse>(),
    fieldsOf<H225::requestInProgress>(),
    fieldsOf<H225::resourcesAvailableIndicate>(),
    fieldsOf<H225::resourcesAvailableConfirm>(),
    fieldsOf<H225::infoRequestAck>(),
    fieldsOf<H225::infoRequestNak>(),
    fieldsOf<H225::serviceControlIndication>(),
    fieldsOf<H225::serviceControlResponse>(),
};
constexpr int rasAlternatives = sizeof rasTokenFields / sizeof rasTokenFields[0];
static_assert(rasAlternatives == 32, "every RAS alternative carries tokens");

// Null for no selection and for a later alternative held undecoded.
const tokenFields* fieldsOfSelection(const H225::rasMessage& AMessage) {
  int index = AMessage.index();
  if (index < 0 || index >= rasAlternatives || !AMessage.alternative()) return nullptr;
  return &rasTokenFields[index];
}

}  // namespace

bool isRasRequest(const H225::rasMessage& AMessage) {
  switch (AMessage.index()) {
    case 0:   // gatekeeperRequest
    case 3:   // registrationRequest
    case 6:   // unregistrationRequest
    case 9:   // admissionRequest
    case 12:  // bandwidthRequest
    case 15:  // disengageRequest
    case 18:  // locationRequest
    case 21:  // infoRequest
      return true;
    default:
      return false;
  }
}

clearTokenList** rasTokensField(H225::rasMessage& AMessage) {
  const tokenFields* fields = fieldsOfSelection(AMessage);
  return fields ? fields->clear(AMessage.alternative()) : nullptr;
}

cryptoTokenList** rasCryptoTokensField(H225::rasMessage& AMessage) {
  const tokenFields* fields = fieldsOfSelection(AMessage);
  return fields ? fields->crypto(AMessage.alternative()) : nullptr;
}

void clearRasTokens(H225::rasMessage& AMessage) {
  if (clearTokenList** clear = rasTokensField(AMessage)) {
    delete *clear;
    *clear = nullptr;
  }
  if (cryptoTokenList** crypto = rasCryptoTokensField(AMessage)) {
    delete *crypto;
    *crypto = nullptr;
  }
}

}  // namespace H323
