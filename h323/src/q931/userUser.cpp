#include <h323/q931/userUser.h>

#include <ios>

#include <asn/textCodec.h>

#include <asn/perCodec.h>

namespace Q931 {

void userUser::decode(orvo::byteStream& in) {
  content.reset();
  unsigned char header[3];
  in.read(header, 3);
  id = header[0];
  unsigned length = unsigned(header[1]) << 8 | header[2];
  if (length == 0) throw new orvo::byteStream::outOfBounds;
  octets c(length);
  in.read(c.data(), length);
  protocolDiscriminator = c[0];
  if (length > 1) {
    content.reset(new H225::h323_UserInformation);
    asn::per::codec decoder(c.data() + 1, length - 1);
    content->decode(decoder);
  }
}

void userUser::encode(orvo::byteStream& out) const {
  asn::per::codec encoder;
  unsigned n = 0;
  if (content) {
    content->encode(encoder);
    n = encoder.stream().octetLength();
    if (n > maximumContent) throw new encodeRefused(name(id), n, maximumContent);
  }
  unsigned char header[4] = {(unsigned char)id, (unsigned char)((n + 1) >> 8), (unsigned char)(n + 1),
                             protocolDiscriminator};
  out.write(header, 4);
  if (n) out.write(encoder.stream().data(), n);
}

void userUser::print(std::ostream& out) const {
  element::print(out);
  out << "Protocol Discriminator: " << std::hex << unsigned(protocolDiscriminator) << std::dec << '\n';
  if (content) {
    asn::text::codec text(out, 2);
    text.print("User-User", *content);
    out << '\n';
  }
}

}  // namespace Q931
