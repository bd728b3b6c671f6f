// H.450.1 APDUs and X.880 PDUs with their aligned PER octets, worked out by
// hand from X.691, for the round-trip, decoder-comparison and robustness
// tests and as seeds of the supplementary-service fuzz target.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <h225/h225.h>
#include <h4501/h4501.h>

struct h4501Vector {
  std::string name;
  std::string hex;                         // "64 40 60 ..."
  std::unique_ptr<asn::object> (*make)();  // the value the octets stand for
};

// Whole supplementary-service APDUs: root type H4501::supplementaryService.
const std::vector<h4501Vector>& apduVectors();
// Single values of the X880 and H4501 types, each of the type it names.
const std::vector<h4501Vector>& partVectors();

// Builders shared with the tests.
X880::invoke* localInvoke(unsigned invokeId, unsigned opcode);
X880::ros* rosOf(X880::invoke* invoke);
// An APDU holding only "ServiceApdu" with the given operation PDUs.
std::unique_ptr<H4501::supplementaryService> apduOf(std::vector<X880::ros*> pdus);
// The RosApdus list of an APDU.
asn::sequenceOf<X880::ros, 1u, 4294967295u, 1>& rosApdus(H4501::supplementaryService& apdu);

// Call-signalling user information with an empty body that carries the
// encodings of `apdus` in its "H4501SupplementaryService" list.
std::unique_ptr<H225::h323_UserInformation> carrying(const std::vector<const h4501Vector*>& apdus);
