#include <h323/h235Authenticator.h>

#include <cstdlib>
#include <ctime>

#include <h323/alias.h>
#include <h323/authenticationEnvironment.h>
#include <h323/h235Digest.h>

namespace H323 {

namespace {

// Both token kinds name the password hash as their mechanism.
const H235::authenticationMechanism& passwordHashMechanism() {
  static const H235::authenticationMechanism mechanism = [] {
    H235::authenticationMechanism m;
    m.select(2);  // pwdHash
    return m;
  }();
  return mechanism;
}

uint32_t tokenTime() { return static_cast<uint32_t>(std::time(nullptr)); }

// The configured name a sender text must match: both get one NUL at the end
// unless they end in one, and they compare by length and octets (a NUL
// inside a received text must not cut the comparison short). An empty sender
// is refused before its last character is read.
bool senderMatches(orvo::string ASender, const orvo::string& APeerName) {
  if (ASender.empty()) return false;
  if (ASender.charAt(ASender.length() - 1) != '\0') ASender.append('\0');
  return ASender == APeerName + '\0';
}

// The first 16 octets of a hash of 128 to 135 bits.
bool hashOctets(const asn::bitStringBase& AHash, orvo::string& AOctets) {
  if (AHash.length() < 128 || AHash.length() > 135) return false;
  AOctets = AHash.octets().left(16);
  return true;
}

}  // namespace

authenticator::authenticator() : counter(static_cast<uint32_t>(std::rand())) {}

int authenticator::checkClearToken(const authenticationEnvironment&, const H235::clearToken&) const {
  return authNotMine;
}

int authenticator::checkCryptoToken(const authenticationEnvironment&, const H225::cryptoH323Token&) const {
  return authNotMine;
}

bool authenticator::createClearToken(const authenticationEnvironment&, H235::clearToken*& AOut) {
  AOut = nullptr;
  return false;
}

bool authenticator::createCryptoToken(const authenticationEnvironment&, H225::cryptoH323Token*& AOut) {
  AOut = nullptr;
  return false;
}

// Access token.

const asn::oid& ciscoAccessTokenAuthenticator::identifier() {
  static const asn::oid value(1, 2, 840, 113548, 10, 1, 2, 1);
  return value;
}

const asn::oid& ciscoAccessTokenAuthenticator::tokenOID() const { return identifier(); }

const H235::authenticationMechanism& ciscoAccessTokenAuthenticator::mechanism() const {
  return passwordHashMechanism();
}

int ciscoAccessTokenAuthenticator::checkClearToken(const authenticationEnvironment& AEnvironment,
                                                   const H235::clearToken& AToken) const {
  if (!enabled) return authDisabled;
  if (AToken.tokenOID != identifier()) return authNotMine;
  if (!AToken.random || !AToken.timeStamp || !AToken.challenge || !AToken.generalID) return authIncomplete;
  if (!senderMatches(AToken.generalID->toString(), AEnvironment.peerName())) return authRejected;
  orvo::string expected;
  if (!accessTokenChallenge(AToken.random->value(), AEnvironment.password(), AToken.timeStamp->value(), expected))
    return authRejected;
  return expected == AToken.challenge->value() ? authAccepted : authRejected;
}

bool ciscoAccessTokenAuthenticator::createClearToken(const authenticationEnvironment& AEnvironment,
                                                     H235::clearToken*& AOut) {
  AOut = nullptr;
  orvo::string name = AEnvironment.ownName();
  // The generalID holds 1 to 128 characters: a longer name would make the
  // whole message fail to encode.
  if (!enabled || name.empty() || name.length() > 128) return false;
  uint32_t random = counter & 0xFF;
  ++counter;
  uint32_t time = tokenTime();
  orvo::string challenge;
  if (!accessTokenChallenge(random, AEnvironment.password(), time, challenge)) return false;

  H235::clearToken* token = new H235::clearToken;
  token->tokenOID = identifier();
  token->timeStamp = new asn::integer<1u, 4294967295u, 1>(time);
  token->random = new asn::integer<0u, 0u, 1>(random);
  token->generalID = new asn::bmpString<1u, 128u, 1>;
  *token->generalID = name;
  token->challenge = new asn::octetString<8u, 128u, 1>;
  token->challenge->setValue(challenge);
  AOut = token;
  return true;
}

// Password hash.

const asn::oid& md5Authenticator::identifier() {
  static const asn::oid value(1, 2, 840, 113549, 2, 5);
  return value;
}

const asn::oid& md5Authenticator::tokenOID() const { return identifier(); }

const H235::authenticationMechanism& md5Authenticator::mechanism() const { return passwordHashMechanism(); }

int md5Authenticator::checkCryptoToken(const authenticationEnvironment& AEnvironment,
                                       const H225::cryptoH323Token& AToken) const {
  if (!enabled) return authDisabled;
  const asn::object* value = AToken.alternative();
  if (!value) return authNotMine;
  orvo::string sender;
  uint32_t time;
  const H235::hashed<asn::anytype<H235::clearToken> >* token;
  if (AToken.index() == 0) {
    const auto& endpoint = *static_cast<const H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(value);
    sender = aliasToString(endpoint.alias);
    time = endpoint.timeStamp.value();
    token = &endpoint.token;
  } else if (AToken.index() == 1) {
    const auto& gatekeeper = *static_cast<const H225::cryptoH323Token::cryptoGKPwdHash_sequence*>(value);
    sender = gatekeeper.gatekeeperId.toString();
    time = gatekeeper.timeStamp.value();
    token = &gatekeeper.token;
  } else {
    return authNotMine;
  }
  if (token->algorithmOID != identifier()) return authNotMine;

  orvo::string received, expected;
  if (!senderMatches(sender, AEnvironment.peerName()) || !hashOctets(token->hash, received)) return authRejected;
  if (!passwordHash(AEnvironment.peerName(), AEnvironment.password(), time, expected)) return authRejected;
  return expected == received ? authAccepted : authRejected;
}

bool md5Authenticator::createCryptoToken(const authenticationEnvironment& AEnvironment, H225::cryptoH323Token*& AOut) {
  AOut = nullptr;
  orvo::string name = AEnvironment.ownName();
  int mode = AEnvironment.tokenMode();
  if (!enabled || name.empty() || (mode != 0 && mode != 1)) return false;
  uint32_t time = tokenTime();
  orvo::string digest;
  if (!passwordHash(name, AEnvironment.password(), time, digest)) return false;

  H225::cryptoH323Token* result = new H225::cryptoH323Token;
  H235::hashed<asn::anytype<H235::clearToken> >* token;
  if (mode == 0) {
    auto* endpoint = static_cast<H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(result->select(0));
    makeAliasAddress(endpoint->alias, name);
    endpoint->timeStamp = time;
    token = &endpoint->token;
  } else {
    auto* gatekeeper = static_cast<H225::cryptoH323Token::cryptoGKPwdHash_sequence*>(result->select(1));
    gatekeeper->gatekeeperId = name;
    gatekeeper->timeStamp = time;
    token = &gatekeeper->token;
  }
  token->algorithmOID = identifier();
  token->hash.setBits(digest.buffer(), 128);
  AOut = result;
  return true;
}

}  // namespace H323
