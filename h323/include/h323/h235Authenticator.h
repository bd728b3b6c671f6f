// The two H.235 token kinds the gatekeeper understands: the access token (a
// clear token with an MD5 challenge) and the MD5 password hash (a crypto
// token). Each authenticator checks tokens of its kind and makes new ones
// with the credentials of an authentication environment.
#pragma once

#include <cstdint>

#include <asn/oid.h>
#include <h225/h225.h>
#include <h235/h235.h>

namespace H323 {

class authenticationEnvironment;

// Results of a check.
enum authenticationResult {
  authAccepted = 0,    // this authenticator's token, and it proves the password
  authRejected = 1,    // this authenticator's token, wrong sender or proof
  authNotMine = 2,     // another kind of token
  authIncomplete = 3,  // this authenticator's token without a required part
  authDisabled = 4,
};

class authenticator {
public:
  authenticator();
  virtual ~authenticator() = default;
  authenticator(const authenticator&) = delete;
  authenticator& operator=(const authenticator&) = delete;

  virtual const asn::oid& tokenOID() const = 0;
  virtual const H235::authenticationMechanism& mechanism() const = 0;
  // The bases answer "not mine" and make nothing (AOut null, false).
  virtual int checkClearToken(const authenticationEnvironment& AEnvironment, const H235::clearToken& AToken) const;
  virtual int checkCryptoToken(const authenticationEnvironment& AEnvironment,
                               const H225::cryptoH323Token& AToken) const;
  virtual bool createClearToken(const authenticationEnvironment& AEnvironment, H235::clearToken*& AOut);
  virtual bool createCryptoToken(const authenticationEnvironment& AEnvironment, H225::cryptoH323Token*& AOut);

  bool enabled = true;
  // Starts at rand(); the access token takes its low octet, then counts on.
  uint32_t counter;
};

// Access token: OID 1.2.840.113548.10.1.2.1, random value, time, the own name
// as generalID and the challenge MD5(random, password, time).
class ciscoAccessTokenAuthenticator : public authenticator {
public:
  static const asn::oid& identifier();

  const asn::oid& tokenOID() const override;
  const H235::authenticationMechanism& mechanism() const override;
  int checkClearToken(const authenticationEnvironment& AEnvironment, const H235::clearToken& AToken) const override;
  bool createClearToken(const authenticationEnvironment& AEnvironment, H235::clearToken*& AOut) override;
};

// Password hash: cryptoEPPwdHash (token mode 0) or cryptoGKPwdHash (mode 1)
// with MD5 (1.2.840.113549.2.5) over the PER octets of a clear token holding
// the time, the password and the signer's name.
class md5Authenticator : public authenticator {
public:
  static const asn::oid& identifier();

  const asn::oid& tokenOID() const override;
  const H235::authenticationMechanism& mechanism() const override;
  int checkCryptoToken(const authenticationEnvironment& AEnvironment,
                       const H225::cryptoH323Token& AToken) const override;
  bool createCryptoToken(const authenticationEnvironment& AEnvironment, H225::cryptoH323Token*& AOut) override;
};

}  // namespace H323
