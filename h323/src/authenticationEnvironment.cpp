#include <h323/authenticationEnvironment.h>

#include <orvo/exception.h>

#include <h323/q931Tokens.h>

namespace H323 {

namespace {

// A token that cannot be checked counts as rejected, one that cannot be made
// is left out: received data and odd credentials never end a request.
template <class F>
int checkSafely(F ACheck) {
  try {
    return ACheck();
  } catch (orvo::exception* e) {
    delete e;
  } catch (...) {
  }
  return authRejected;
}

template <class T, class F>
T* createSafely(F ACreate) {
  T* token = nullptr;
  try {
    if (ACreate(token)) return token;
  } catch (orvo::exception* e) {
    delete e;
  } catch (...) {
  }
  delete token;
  return nullptr;
}

// Walks the tokens through the authenticators: false at once for a rejected
// or incomplete token; AAccepted set by an accepted one.
template <class List, class Check>
bool walkTokens(const List* ATokens, const orvo::list<authenticator>& AAuthenticators, bool& AAccepted, Check ACheck) {
  if (!ATokens) return true;
  for (const orvo::listNode* t = ATokens->elements().head(); t; t = t->next) {
    for (authenticator* a : AAuthenticators) {
      int result = checkSafely([&] { return ACheck(*a, *List::element(t)); });
      if (result == authAccepted)
        AAccepted = true;
      else if (result == authRejected || result == authIncomplete)
        return false;
    }
  }
  return true;
}

}  // namespace

authenticationEnvironment::authenticationEnvironment() : FAuthenticators(1) {
  FAuthenticators.append(new ciscoAccessTokenAuthenticator);
  FAuthenticators.append(new md5Authenticator);
}

bool authenticationEnvironment::checkTokens(const clearTokenList* AClear, const cryptoTokenList* ACrypto) const {
  if (password().empty() || peerName().empty()) return true;
  if ((!AClear || AClear->count() == 0) && (!ACrypto || ACrypto->count() == 0)) return false;
  bool accepted = false;
  if (!walkTokens(AClear, FAuthenticators, accepted,
                  [this](authenticator& a, const H235::clearToken& t) { return a.checkClearToken(*this, t); }))
    return false;
  if (!walkTokens(ACrypto, FAuthenticators, accepted,
                  [this](authenticator& a, const H225::cryptoH323Token& t) { return a.checkCryptoToken(*this, t); }))
    return false;
  return accepted;
}

void authenticationEnvironment::createTokens(clearTokenList*& AClear, cryptoTokenList*& ACrypto) {
  delete AClear;
  AClear = nullptr;
  delete ACrypto;
  ACrypto = nullptr;
  if (password().empty() || ownName().empty()) return;

  clearTokenList* clear = new clearTokenList;
  cryptoTokenList* crypto = new cryptoTokenList;
  for (authenticator* a : FAuthenticators) {
    if (auto* token =
            createSafely<H235::clearToken>([&](H235::clearToken*& out) { return a->createClearToken(*this, out); }))
      clear->append(token);
  }
  for (authenticator* a : FAuthenticators) {
    if (auto* token = createSafely<H225::cryptoH323Token>(
            [&](H225::cryptoH323Token*& out) { return a->createCryptoToken(*this, out); }))
      crypto->append(token);
  }
  if (clear->count())
    AClear = clear;
  else
    delete clear;
  if (crypto->count())
    ACrypto = crypto;
  else
    delete crypto;
}

bool authenticationEnvironment::checkRasTokens(const H225::rasMessage& AMessage) const {
  // Only read; the field functions serve signing as well.
  H225::rasMessage& message = const_cast<H225::rasMessage&>(AMessage);
  clearTokenList** clear = rasTokensField(message);
  cryptoTokenList** crypto = rasCryptoTokensField(message);
  return checkTokens(clear ? *clear : nullptr, crypto ? *crypto : nullptr);
}

void authenticationEnvironment::signRasMessage(H225::rasMessage& AMessage) {
  clearTokenList** clear = rasTokensField(AMessage);
  cryptoTokenList** crypto = rasCryptoTokensField(AMessage);
  if (clear && crypto) createTokens(*clear, *crypto);
}

bool authenticationEnvironment::CheckQ931Tokens(const Q931::message& AMessage) const {
  clearTokenList** clear = UuieTokensField(AMessage);
  cryptoTokenList** crypto = UuieCryptoTokensField(AMessage);
  return checkTokens(clear ? *clear : nullptr, crypto ? *crypto : nullptr);
}

void authenticationEnvironment::SignQ931Message(Q931::message& AMessage) {
  clearTokenList** clear = UuieTokensField(AMessage);
  cryptoTokenList** crypto = UuieCryptoTokensField(AMessage);
  if (clear && crypto) createTokens(*clear, *crypto);
}

simpleUserEnvironment::simpleUserEnvironment(const orvo::string& AOwnName, const orvo::string& APeerName,
                                             const orvo::string& APassword, int ATokenMode)
    : FOwnName(AOwnName), FPeerName(APeerName), FPassword(APassword), FTokenMode(ATokenMode) {}

}  // namespace H323
