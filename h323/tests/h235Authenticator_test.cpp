// H.235 tokens: known answers worked out by hand, the check's result walk,
// creation by token mode, and the hostile and oversize cases.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include <h323/authenticationEnvironment.h>
#include <h323/h235Digest.h>

#include "orvoTesting.h"
#include "rasSamples.h"
#include "valueFiller.h"

namespace {

using H323::clearTokenList;
using H323::cryptoTokenList;
using H323::simpleUserEnvironment;

const uint32_t knownTime = 1600000000;  // 5f 5e 10 00

std::string hex(const orvo::string& octets) {
  return hexText(std::vector<unsigned char>(octets.buffer(), octets.buffer() + octets.length()));
}

TEST(h235KnownAnswers, accessTokenChallengeAndPasswordHash) {
  orvo::string digest, content;
  // MD5(2a 70 77 5f 5e 10 00)
  ASSERT_TRUE(H323::accessTokenChallenge(0x2A, "pw", knownTime, digest));
  EXPECT_EQ(hex(digest), "60 4b 33 3e 8d 55 73 10 43 93 08 b0 13 ec 3b 95");
  ASSERT_TRUE(H323::accessTokenChallenge(0x12A, "pw", knownTime, digest));  // low octet only
  EXPECT_EQ(hex(digest), "60 4b 33 3e 8d 55 73 10 43 93 08 b0 13 ec 3b 95");

  // Extension 0, presence 1100 0010 (timeStamp, password, generalID); OID 0.0
  // (length 1, 00); time - 1 in 4 octets after the 2-bit octet count 11;
  // each BMPString: 7-bit length 2 (3 characters), padding, 16 bits each.
  ASSERT_TRUE(H323::passwordHashContent("gk", "pw", knownTime, content));
  EXPECT_EQ(hex(content), "61 00 01 00 c0 5f 5e 0f ff 04 00 70 00 77 00 00 04 00 67 00 6b 00 00");
  ASSERT_TRUE(H323::passwordHash("gk", "pw", knownTime, digest));
  EXPECT_EQ(hex(digest), "11 e0 f0 48 00 19 5d 9b 85 cf f1 b6 07 34 b7 a1");

  // Latin-1: "ü" is the BMP character 00 fc, never a locale's multibyte form.
  ASSERT_TRUE(H323::passwordHashContent("M\xFC", "\xE9", knownTime, content));
  EXPECT_EQ(hex(content), "61 00 01 00 c0 5f 5e 0f ff 02 00 e9 00 00 04 00 4d 00 fc 00 00");
}

// Tokens a peer would send; bad variants are made from them.
H235::clearToken accessToken(const char* name, const char* password, uint32_t random, uint32_t time) {
  H235::clearToken token;
  token.tokenOID = H323::ciscoAccessTokenAuthenticator::identifier();
  token.timeStamp = new asn::integer<1u, 4294967295u, 1>(time);
  token.random = new asn::integer<0u, 0u, 1>(random);
  token.generalID = new asn::bmpString<1u, 128u, 1>;
  *token.generalID = name;
  orvo::string challenge;
  H323::accessTokenChallenge(random, password, time, challenge);
  token.challenge = new asn::octetString<8u, 128u, 1>;
  token.challenge->setValue(challenge);
  return token;
}

H225::cryptoH323Token hashToken(int mode, const orvo::string& name, const char* password, unsigned bits = 128) {
  simpleUserEnvironment signer(name, "x", password, mode);
  H225::cryptoH323Token* made = nullptr;
  H323::md5Authenticator().createCryptoToken(signer, made);
  std::unique_ptr<H225::cryptoH323Token> owned(made);
  H225::cryptoH323Token token;
  token = *owned;
  auto& hash = (mode ? static_cast<H225::cryptoH323Token::cryptoGKPwdHash_sequence*>(token.alternative())->token
                     : static_cast<H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(token.alternative())->token)
                   .hash;
  orvo::string octets = hash.octets();
  octets.append('\xFF', 2);
  hash.setBits(octets.buffer(), bits);
  return token;
}

H235::hashed<asn::anytype<H235::clearToken> >& hashedOf(H225::cryptoH323Token& token) {
  return static_cast<H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(token.alternative())->token;
}

// The smallest complete RAS message.
void makeUnknownMessageResponse(H225::rasMessage& message) {
  static_cast<H225::unknownMessageResponse*>(message.select(24))->requestSeqNum = 1;
}

struct tokens {
  std::vector<H235::clearToken> clear;
  std::vector<H225::cryptoH323Token> crypto;
};

bool check(const H323::authenticationEnvironment& environment, const tokens& t) {
  clearTokenList clear;
  cryptoTokenList crypto;
  for (const auto& c : t.clear) clear.append(new H235::clearToken(c));
  for (const auto& c : t.crypto) *crypto.appendNew() = c;
  return environment.checkTokens(t.clear.empty() ? nullptr : &clear, t.crypto.empty() ? nullptr : &crypto);
}

TEST(checkTokens, resultWalk) {
  H235::clearToken good = accessToken("gk", "pw", 7, knownTime), wrong = good, incomplete = good, foreign = good;
  wrong.challenge->setValue("0123456789abcdef", 16);
  delete incomplete.random;
  incomplete.random = nullptr;
  foreign.tokenOID = asn::oid(1, 2, 3);
  H225::cryptoH323Token hash = hashToken(0, "gk", "pw"), badHash = hashToken(0, "gk", "pv"), otherAlgorithm = hash;
  hashedOf(otherAlgorithm).algorithmOID = asn::oid(1, 2, 840, 113549, 2, 4);

  struct walkCase {
    const char* name;
    tokens t;
    bool accepted;
  };
  const walkCase cases[] = {
      {"no tokens", {}, false},
      {"access token", {{good}, {}}, true},
      {"then a wrong one", {{good, wrong}, {}}, false},
      {"after a wrong one", {{wrong, good}, {}}, false},
      {"incomplete first", {{incomplete, good}, {}}, false},
      {"foreign only", {{foreign}, {}}, false},
      {"foreign passed over", {{foreign, good}, {}}, true},
      {"password hash", {{}, {hash}}, true},
      {"both", {{good}, {hash}}, true},
      {"good access, bad hash", {{good}, {badHash}}, false},
      {"other algorithm only", {{}, {otherAlgorithm}}, false},
      {"other algorithm passed over", {{}, {otherAlgorithm, hash}}, true},
  };
  simpleUserEnvironment environment("gw", "gk", "pw", 0);
  for (const walkCase& c : cases) EXPECT_EQ(check(environment, c.t), c.accepted) << c.name;

  // A disabled authenticator passes its tokens over.
  environment.authenticators().first()->enabled = false;
  EXPECT_FALSE(check(environment, {{good}, {}}));
  EXPECT_TRUE(check(environment, {{wrong}, {hash}}));

  // Unconfigured (no peer name, no password): anything goes, nothing is
  // signed, and the lists held before are deleted.
  simpleUserEnvironment noPeer("gw", "", "pw", 0), noPassword("gw", "gk", "", 0), noName("", "gk", "pw", 0);
  EXPECT_TRUE(check(noPeer, {}));
  EXPECT_TRUE(check(noPassword, {{wrong}, {badHash}}));
  for (simpleUserEnvironment* e : {&noPassword, &noName}) {
    clearTokenList* clear = new clearTokenList;
    cryptoTokenList* crypto = new cryptoTokenList;
    e->createTokens(clear, crypto);
    EXPECT_TRUE(clear == nullptr && crypto == nullptr);
  }
}

TEST(checkTokens, knownAnswerTokensAndSenderNames) {
  simpleUserEnvironment environment("gw", "gk", "pw", 0);
  H323::ciscoAccessTokenAuthenticator access;
  H323::md5Authenticator md5;

  H235::clearToken known = accessToken("gk", "pw", 0x2A, knownTime);
  EXPECT_EQ(hex(known.challenge->value()), "60 4b 33 3e 8d 55 73 10 43 93 08 b0 13 ec 3b 95");
  EXPECT_EQ(access.checkClearToken(environment, known), H323::authAccepted);

  H225::cryptoH323Token hash;
  auto* gk = static_cast<H225::cryptoH323Token::cryptoGKPwdHash_sequence*>(hash.select(1));
  gk->gatekeeperId = "gk";
  gk->timeStamp = knownTime;
  gk->token.algorithmOID = asn::oid(1, 2, 840, 113549, 2, 5);
  gk->token.hash.setBits("\x11\xe0\xf0\x48\x00\x19\x5d\x9b\x85\xcf\xf1\xb6\x07\x34\xb7\xa1", 128);
  EXPECT_EQ(md5.checkCryptoToken(environment, hash), H323::authAccepted);

  // Sender texts: one trailing NUL is the same name; a NUL inside is not
  // the end of the text; a text that does not narrow or has no character
  // at all is rejected without being read.
  struct senderCase {
    std::vector<uint32_t> name;
    int result;
  };
  const senderCase cases[] = {
      {{'g', 'k'}, 0}, {{'g', 'k', 0}, 0}, {{'g', 'k', 0, 0}, 1}, {{'g', 0, 'k'}, 1}, {{'g'}, 1}, {{0x263A}, 1},
      {{}, 1},
  };
  for (const senderCase& c : cases) {
    std::wstring name(c.name.begin(), c.name.end());
    H235::clearToken token = accessToken("", "pw", 0x2A, knownTime);
    token.generalID->assign(name.data(), unsigned(name.size()));
    EXPECT_EQ(access.checkClearToken(environment, token), c.result) << c.name.size();
    gk->gatekeeperId.assign(name.data(), unsigned(name.size()));
    EXPECT_EQ(md5.checkCryptoToken(environment, hash), c.result) << c.name.size();
  }

  // An endpoint's alias: dialed digits or h323-ID of the same text; a URL
  // has no text to compare.
  simpleUserEnvironment digits("gw", "1234", "pw", 0);
  H225::cryptoH323Token fromDigits = hashToken(0, "1234", "pw"), fromId = fromDigits;
  auto& alias = static_cast<H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(fromId.alternative())->alias;
  EXPECT_EQ(alias.index(), 0);
  EXPECT_EQ(md5.checkCryptoToken(digits, fromDigits), H323::authAccepted);
  *static_cast<asn::bmpStringBase*>(alias.select(1)) = "1234";
  EXPECT_EQ(md5.checkCryptoToken(digits, fromId), H323::authAccepted);
  *static_cast<asn::constrainedString*>(alias.select(2)) = "1234";
  EXPECT_EQ(md5.checkCryptoToken(digits, fromId), H323::authRejected);
}

TEST(checkTokens, hashOfSixteenWholeOctetsOnly) {
  simpleUserEnvironment environment("gw", "gk", "pw", 0);
  const std::pair<unsigned, int> cases[] = {{120, 1}, {127, 1}, {128, 0}, {129, 0}, {135, 0}, {136, 1}, {0, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(H323::md5Authenticator().checkCryptoToken(environment, hashToken(0, "gk", "pw", c.first)), c.second)
        << c.first;
}

TEST(createTokens, tokenModesAndFields) {
  struct modeCase {
    const char* name;
    int mode;
    int alternative;  // -1: no password hash
    int aliasKind;
  };
  const modeCase cases[] = {{"1234", 0, 0, 0}, {"gk", 0, 0, 1}, {"gk", 1, 1, -1}, {"gk", 2, -1, -1}};
  for (const modeCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " mode " + std::to_string(c.mode));
    simpleUserEnvironment signer(c.name, "peer", "pw", c.mode), verifier("peer", c.name, "pw", 0);
    signer.authenticators().first()->counter = 0x1FF;
    clearTokenList* clear = nullptr;
    cryptoTokenList* crypto = nullptr;
    uint32_t before = uint32_t(std::time(nullptr));
    signer.createTokens(clear, crypto);
    uint32_t after = uint32_t(std::time(nullptr));
    std::unique_ptr<clearTokenList> ownedClear(clear);
    std::unique_ptr<cryptoTokenList> ownedCrypto(crypto);
    EXPECT_EQ(signer.authenticators().first()->counter, 0x200u);

    ASSERT_TRUE(clear);
    ASSERT_EQ(clear->count(), 1u);
    const H235::clearToken& access = *clearTokenList::element(clear->elements().head());
    EXPECT_EQ(access.tokenOID, asn::oid(1, 2, 840, 113548, 10, 1, 2, 1));
    ASSERT_TRUE(access.random && access.timeStamp && access.challenge && access.generalID);
    EXPECT_EQ(access.random->value(), 0xFFu);
    EXPECT_TRUE(access.timeStamp->value() >= before && access.timeStamp->value() <= after);
    EXPECT_EQ(toStd(access.generalID->toString()), c.name);
    EXPECT_FALSE(access.password || access.dhkey || access.certificate || access.nonStandard || access.sendersID);

    if (c.alternative < 0) {
      EXPECT_EQ(crypto, nullptr);
    } else {
      ASSERT_TRUE(crypto);
      ASSERT_EQ(crypto->count(), 1u);
      const H225::cryptoH323Token& hash = *cryptoTokenList::element(crypto->elements().head());
      EXPECT_EQ(hash.index(), c.alternative);
      if (c.aliasKind >= 0) {
        EXPECT_EQ(
            static_cast<const H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(hash.alternative())->alias.index(),
            c.aliasKind);
      }
      EXPECT_TRUE(verifier.checkTokens(nullptr, crypto));
    }
    EXPECT_TRUE(verifier.checkTokens(clear, nullptr));
    // Signed and encoded as part of a message: everything within its sizes.
    H225::rasMessage message;
    makeUnknownMessageResponse(message);
    signer.signRasMessage(message);
    EXPECT_FALSE(perOctets(message).empty());
  }
}

TEST(createTokens, latin1NamesAndPasswordsSignAndCheck) {
  simpleUserEnvironment signer("M\xFCller", "gk", "p\xE4sswort", 1), verifier("gk", "M\xFCller", "p\xE4sswort", 0);
  std::unique_ptr<H225::rasMessage> message = fullRegistrationRequest();
  signer.signRasMessage(*message);
  H225::rasMessage received;
  perDecode(received, perOctets(*message));
  EXPECT_TRUE(verifier.checkRasTokens(received));
  simpleUserEnvironment wrongPassword("gk", "M\xFCller", "passwort", 0);
  EXPECT_FALSE(wrongPassword.checkRasTokens(received));
}

TEST(createTokens, oversizeNamesAndPasswordsNeverThrow) {
  const orvo::string long127('a', 127), long128('a', 128), long129('a', 129);
  struct sizeCase {
    orvo::string name, password;
    unsigned clearTokens, cryptoTokens;
  };
  const sizeCase cases[] = {
      {long127, "pw", 1, 1},  // "a...a" and its NUL fill the 128 characters
      {long128, "pw", 1, 0},  // the hashed content cannot hold it
      {long129, "pw", 0, 0},  // nor the generalID
      {"gk", long127, 1, 1}, {"gk", long128, 1, 0},
  };
  for (const sizeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.name.length()) + " " + std::to_string(c.password.length()));
    simpleUserEnvironment signer(c.name, "peer", c.password, 0), verifier("peer", c.name, c.password, 0);
    H225::rasMessage message;
    makeUnknownMessageResponse(message);
    signer.signRasMessage(message);
    H323::clearTokenList* clear = *H323::rasTokensField(message);
    H323::cryptoTokenList* crypto = *H323::rasCryptoTokensField(message);
    EXPECT_EQ(clear ? clear->count() : 0, c.clearTokens);
    EXPECT_EQ(crypto ? crypto->count() : 0, c.cryptoTokens);
    EXPECT_FALSE(perOctets(message).empty());
    EXPECT_EQ(verifier.checkRasTokens(message), c.clearTokens + c.cryptoTokens > 0);
  }
  // A hash token checked against a peer name or password too long to hash.
  H225::cryptoH323Token hash = hashToken(0, "gk", "pw");
  EXPECT_EQ(H323::md5Authenticator().checkCryptoToken(simpleUserEnvironment("gw", long128, "pw", 0), hash), 1);
  EXPECT_EQ(H323::md5Authenticator().checkCryptoToken(simpleUserEnvironment("gw", "gk", long128, 0), hash), 1);
}

}  // namespace
