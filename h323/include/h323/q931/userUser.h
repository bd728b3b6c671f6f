// The User-user element: the H.225.0 user information of the message,
// PER-encoded behind a protocol discriminator, with a two-octet length.
#pragma once

#include <memory>

#include <h225/h225.h>

#include <h323/q931/element.h>

namespace Q931 {

class userUser : public element {
public:
  // The most the two-octet length leaves for the content beside the
  // protocol discriminator.
  static constexpr unsigned maximumContent = 65534;

  userUser() : element(0x7E) {}
  // Takes ownership of the content; protocol discriminator 5 (X.208/X.209).
  explicit userUser(H225::h323_UserInformation* content) : element(0x7E), protocolDiscriminator(5), content(content) {}
  userUser(const userUser&) = delete;
  userUser& operator=(const userUser&) = delete;

  // A length of 0 is malformed (the discriminator is missing) and throws
  // orvo::byteStream::outOfBounds like a truncated element; a PER failure
  // throws the codec's exception and leaves the partly decoded content.
  void decode(orvo::byteStream& in) override;
  // Content of more than 65534 octets throws encodeRefused.
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned char protocolDiscriminator = 0;
  std::unique_ptr<H225::h323_UserInformation> content;
};

}  // namespace Q931
