// The datagrams of the RAS load program. Each kind of request is encoded once
// with the generated H.225.0 types; what changes from one request to the next
// (sequence number, addresses, aliases, identifiers, call identities) lies at
// fixed octets of that encoding, which are patched in place, so that making a
// request costs a few stores rather than an encode. Whether a patched
// datagram equals what the encoder makes of the same values is checked when
// the templates are built (TRasTemplates::SelfCheck).
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace rasload {

using octets = std::vector<unsigned char>;

// How a value is laid out at its place in the encoding.
enum TFieldKind {
  fkSequenceNumber,  // INTEGER (1..65535): two octets holding value - 1
  fkWord,            // INTEGER (0..65535): two octets
  fkOctets,          // fixed-size OCTET STRING
  fkBmpText,         // characters of a BMPString of fixed length, two octets each
};

struct TField {
  TFieldKind Kind;
  size_t Offset = 0;
  size_t Width = 0;  // octets
};

// One request kind's encoding with the places of its variable fields.
class TDatagramTemplate {
public:
  octets Octets;
  std::vector<TField> Fields;  // indexed by the kind's field enumeration

  void PutSequenceNumber(octets& AOut, unsigned AField, unsigned AValue) const;
  void PutWord(octets& AOut, unsigned AField, unsigned AValue) const;
  void PutOctets(octets& AOut, unsigned AField, const unsigned char* AData) const;
  void PutText(octets& AOut, unsigned AField, const char* AText) const;
};

// Everything that tells one simulated endpoint from another.
struct TEndpointValues {
  uint32_t RasAddress = 0;  // host order, the generator socket's address
  unsigned RasPort = 0;
  uint32_t CallSignalAddress = 0;  // host order; never bound, only announced
  unsigned CallSignalPort = 0;
  std::string Alias;       // AliasLength decimal digits, registered as an H.323-ID
  std::string Identifier;  // the identifier the gatekeeper gives it
};

// What tells one call from another.
struct TCallValues {
  unsigned char ConferenceID[16];
  unsigned char CallIdentifier[16];
  unsigned CallReference = 0;
};

const size_t AliasLength = 8;
const size_t IdentifierLength = 13;

// The message library shares reference-counted buffers (the empty string
// among them) without atomic counts: a thread that decodes, encodes or
// destroys messages while others may do so holds this lock.
std::mutex& MessageLibraryLock();

// Endpoint number N (from 0) of a run: its alias, call-signal address and
// the identifier a gatekeeper makes of that address (address and port in
// lowercase hexadecimal, always 8 and 4 digits here so that the identifier
// has a fixed length).
std::string AliasOf(unsigned AEndpoint);
uint32_t CallSignalAddressOf(unsigned AEndpoint);
unsigned CallSignalPortOf(unsigned AEndpoint);
std::string IdentifierOf(uint32_t AAddress, unsigned APort);
TEndpointValues EndpointOf(unsigned AEndpoint, uint32_t ARasAddress, unsigned ARasPort);
// Call number N: unique conference and call identifiers.
TCallValues CallOf(uint64_t ACall);

// Field numbers of each kind.
enum TRegistrationField { rfSequence, rfRasAddress, rfRasPort, rfCallSignalAddress, rfCallSignalPort, rfAlias };
enum TKeepAliveField { kfSequence, kfRasAddress, kfRasPort, kfCallSignalAddress, kfCallSignalPort, kfIdentifier };
enum TAdmissionField { afSequence, afIdentifier, afSource, afDestination, afConference, afCallIdentifier, afReference };
enum TDisengageField { dfSequence, dfIdentifier, dfConference, dfCallIdentifier, dfReference };

// RAS message kinds as the CHOICE index of the message.
enum TRasKind : int {
  rkRegistrationConfirm = 4,
  rkRegistrationReject = 5,
  rkAdmissionRequest = 9,
  rkAdmissionConfirm = 10,
  rkAdmissionReject = 11,
  rkDisengageRequest = 15,
  rkDisengageConfirm = 16,
  rkDisengageReject = 17,
  rkRegistrationRequest = 3,
  rkUnknownMessageResponse = 24,
};

// The four request kinds; every datagram built whole by the encoder, with
// the sequence number given.
octets EncodeRegistration(unsigned ASequence, const TEndpointValues& AEndpoint);
octets EncodeKeepAlive(unsigned ASequence, const TEndpointValues& AEndpoint);
octets EncodeAdmission(unsigned ASequence, const TEndpointValues& ACaller, const TEndpointValues& ACallee,
                       const TCallValues& ACall);
octets EncodeDisengage(unsigned ASequence, const TEndpointValues& ACaller, const TCallValues& ACall);

// The templates of the four kinds and the quick reading of answers.
class TRasTemplates {
public:
  // Builds the templates; throws std::runtime_error when a field cannot be
  // located or the patched form differs from the encoder's.
  TRasTemplates();

  const TDatagramTemplate& Registration() const { return FRegistration; }
  const TDatagramTemplate& KeepAlive() const { return FKeepAlive; }
  const TDatagramTemplate& Admission() const { return FAdmission; }
  const TDatagramTemplate& Disengage() const { return FDisengage; }

  void MakeRegistration(octets& AOut, unsigned ASequence, const TEndpointValues& AEndpoint) const;
  void MakeKeepAlive(octets& AOut, unsigned ASequence, const TEndpointValues& AEndpoint) const;
  void MakeAdmission(octets& AOut, unsigned ASequence, const TEndpointValues& ACaller, const TEndpointValues& ACallee,
                     const TCallValues& ACall) const;
  void MakeDisengage(octets& AOut, unsigned ASequence, const TEndpointValues& ACaller, const TCallValues& ACall) const;

  // The CHOICE index of a RAS datagram (-1 for an extension alternative or
  // an empty datagram) and its requestSeqNum, read at the place it has in
  // answers of that kind (0 when the kind is not one the load expects).
  static int KindOf(const unsigned char* AData, size_t ALength);
  unsigned SequenceOf(int AKind, const unsigned char* AData, size_t ALength) const;

  // Patched against encoded for a spread of values; the first difference,
  // empty when there is none.
  std::string SelfCheck() const;

private:
  TDatagramTemplate FRegistration, FKeepAlive, FAdmission, FDisengage;
  // Octet offset of requestSeqNum in answers, by CHOICE index; 0 = unknown.
  size_t FSequenceOffset[32] = {};
};

}  // namespace rasload
