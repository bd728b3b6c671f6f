#include <h323/q931Tokens.h>

namespace H323 {

namespace {

struct uuieFields {
  int type;
  clearTokenList** (*clear)(const Q931::message&);
  cryptoTokenList** (*crypto)(const Q931::message&);
};

template <class T, T* (Q931::message::*Body)() const>
clearTokenList** clearField(const Q931::message& AMessage) {
  T* body = (AMessage.*Body)();
  return body ? &body->tokens : nullptr;
}

template <class T, T* (Q931::message::*Body)() const>
cryptoTokenList** cryptoField(const Q931::message& AMessage) {
  T* body = (AMessage.*Body)();
  return body ? &body->cryptoTokens : nullptr;
}

template <class T, T* (Q931::message::*Body)() const>
constexpr uuieFields fieldsOf(int AType) {
  return {AType, &clearField<T, Body>, &cryptoField<T, Body>};
}

using M = Q931::message;

const uuieFields q931TokenFields[] = {
    fieldsOf<H225::alerting_UUIE, &M::alertingBody>(M::alerting),
    fieldsOf<H225::callProceeding_UUIE, &M::callProceedingBody>(M::callProceeding),
    fieldsOf<H225::progress_UUIE, &M::progressBody>(M::progress),
    fieldsOf<H225::setup_UUIE, &M::setupBody>(M::setup),
    fieldsOf<H225::connect_UUIE, &M::connectBody>(M::connect),
    fieldsOf<H225::setupAcknowledge_UUIE, &M::setupAcknowledgeBody>(M::setupAck),
    fieldsOf<H225::releaseComplete_UUIE, &M::releaseCompleteBody>(M::releaseComplete),
    fieldsOf<H225::facility_UUIE, &M::facilityBody>(M::facility),
    fieldsOf<H225::notify_UUIE, &M::notifyBody>(M::notify),
    fieldsOf<H225::statusInquiry_UUIE, &M::statusInquiryBody>(M::statusInquiry),
    fieldsOf<H225::information_UUIE, &M::informationBody>(M::information),
    fieldsOf<H225::status_UUIE, &M::statusBody>(M::status),
};

const uuieFields* fieldsOfType(int AType) {
  for (const uuieFields& f : q931TokenFields)
    if (f.type == AType) return &f;
  return nullptr;
}

}  // namespace

clearTokenList** UuieTokensField(const Q931::message& AMessage) {
  const uuieFields* fields = fieldsOfType(AMessage.type);
  return fields ? fields->clear(AMessage) : nullptr;
}

cryptoTokenList** UuieCryptoTokensField(const Q931::message& AMessage) {
  const uuieFields* fields = fieldsOfType(AMessage.type);
  return fields ? fields->crypto(AMessage) : nullptr;
}

void ClearQ931Tokens(Q931::message& AMessage) {
  if (clearTokenList** clear = UuieTokensField(AMessage)) {
    delete *clear;
    *clear = nullptr;
  }
  if (cryptoTokenList** crypto = UuieCryptoTokensField(AMessage)) {
    delete *crypto;
    *crypto = nullptr;
  }
}

}  // namespace H323
