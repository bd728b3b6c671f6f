// The H.235 credentials of one peer (a registered endpoint or a neighbour
// gatekeeper) with the authenticators that check its messages and sign the
// messages sent to it.
#pragma once

#include <orvo/list.h>
#include <orvo/string.h>

#include <h225/h225.h>
#include <h323/h235Authenticator.h>
#include <h323/rasMessage.h>

namespace Q931 {
class message;
}

namespace H323 {

class authenticationEnvironment {
public:
  // The access token authenticator first, the password hash second: checks
  // and creations walk them in this order.
  authenticationEnvironment();
  virtual ~authenticationEnvironment() = default;
  authenticationEnvironment(const authenticationEnvironment&) = delete;
  authenticationEnvironment& operator=(const authenticationEnvironment&) = delete;

  // The name under which the system presents itself.
  virtual orvo::string ownName() const = 0;
  // The name the peer's tokens must carry.
  virtual orvo::string peerName() const = 0;
  virtual orvo::string password() const { return orvo::string(); }
  // 0: the system signs as an endpoint, 1: as a gatekeeper.
  virtual int tokenMode() const { return 0; }

  // An unconfigured environment (no password or no peer name) accepts
  // anything. Otherwise a rejected or incomplete token fails at once, tokens
  // of other kinds are passed over, and at least one must be accepted.
  // Never throws: a token that cannot be checked is rejected.
  bool checkTokens(const clearTokenList* AClear, const cryptoTokenList* ACrypto) const;
  // Replaces both lists by new tokens; nothing when the password or the own
  // name is empty. A token that cannot be made is left out; never throws.
  void createTokens(clearTokenList*& AClear, cryptoTokenList*& ACrypto);
  bool checkRasTokens(const H225::rasMessage& AMessage) const;
  void signRasMessage(H225::rasMessage& AMessage);
  // The same over the token fields of the H.225.0 body in the message's
  // User-user element; a message type without them has no tokens.
  bool CheckQ931Tokens(const Q931::message& AMessage) const;
  void SignQ931Message(Q931::message& AMessage);

  const orvo::list<authenticator>& authenticators() const { return FAuthenticators; }

private:
  orvo::list<authenticator> FAuthenticators;
};

// Credentials given once.
class simpleUserEnvironment : public authenticationEnvironment {
public:
  simpleUserEnvironment(const orvo::string& AOwnName, const orvo::string& APeerName, const orvo::string& APassword,
                        int ATokenMode);

  orvo::string ownName() const override { return FOwnName; }
  orvo::string peerName() const override { return FPeerName; }
  orvo::string password() const override { return FPassword; }
  int tokenMode() const override { return FTokenMode; }

private:
  orvo::string FOwnName;
  orvo::string FPeerName;
  orvo::string FPassword;
  int FTokenMode;
};

}  // namespace H323
