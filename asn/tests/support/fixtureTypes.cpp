#include "fixtureTypes.h"

#include <sstream>

#include <asn/perCodec.h>
#include <asn/textCodec.h>

namespace fixture {

static const asn::namedValue colourValues[] = {{0, "Red"}, {1, "Green"}, {2, "Blue"}, {3, "Violet"}};
const asn::enumeratedDescriptor colour::descriptor = asn::enumeratedDescriptor::make(colourValues, 3, true);

static const asn::alternativeEntry itemAlternatives[] = {
    asn::alternative<asn::integer<0u, 255u, 1>>("Number"),
    asn::alternative<name32>("Name"),
    asn::alternative<colour>("Colour"),
    asn::alternative<asn::null>("Flag"),
};
const asn::choiceDescriptor item::descriptor = asn::choiceDescriptor::make(itemAlternatives, 2, true);

static const asn::componentEntry recordComponents[] = {
    asn::mandatoryComponent<&record::id>("Id"),          asn::optionalComponent<&record::entry>("Item"),
    asn::optionalComponent<&record::note>("Note"),       asn::additionComponent<&record::hue>("Hue"),
    asn::additionComponent<&record::enabled>("Enabled"), asn::additionComponent<&record::extra>("Extra"),
};
const asn::sequenceDescriptor record::descriptor = asn::sequenceDescriptor::make(recordComponents, true);

static const asn::componentEntry recordV2Components[] = {
    asn::mandatoryComponent<&recordV2::id>("Id"),          asn::optionalComponent<&recordV2::entry>("Item"),
    asn::optionalComponent<&recordV2::note>("Note"),       asn::additionComponent<&recordV2::hue>("Hue"),
    asn::additionComponent<&recordV2::enabled>("Enabled"), asn::additionComponent<&recordV2::extra>("Extra"),
    asn::additionComponent<&recordV2::label>("Label"),     asn::additionComponent<&recordV2::count>("Count"),
};
const asn::sequenceDescriptor recordV2::descriptor = asn::sequenceDescriptor::make(recordV2Components, true);

static const asn::alternativeEntry nestAlternatives[] = {
    asn::alternative<asn::null>("Leaf"),
    asn::alternative<nest>("Inner"),
};
const asn::choiceDescriptor nest::descriptor = asn::choiceDescriptor::make(nestAlternatives, 2, false);

static const asn::componentEntry treeComponents[] = {
    asn::mandatoryComponent<&tree::children>("Children"),
};
const asn::sequenceDescriptor tree::descriptor = asn::sequenceDescriptor::make(treeComponents, false);

const asn::sequenceDescriptor empty::descriptor = asn::sequenceDescriptor::make(nullptr, 0, false);

static const asn::componentEntry chainComponents[] = {
    asn::additionComponent<&chain::next>("Next"),
};
const asn::sequenceDescriptor chain::descriptor = asn::sequenceDescriptor::make(chainComponents, true);

static const asn::alternativeEntry signalAlternatives[] = {
    asn::alternative<asn::null>("A"),
    asn::alternative<asn::null>("B"),
    asn::alternative<asn::null>("C"),
};
const asn::choiceDescriptor signal::descriptor = asn::choiceDescriptor::make(signalAlternatives, 3, false);

static const asn::componentEntry ipAddressComponents[] = {
    asn::mandatoryComponent<&address::ipAddress_sequence::ip>("Ip"),
    asn::mandatoryComponent<&address::ipAddress_sequence::port>("Port"),
};
const asn::sequenceDescriptor address::ipAddress_sequence::descriptor =
    asn::sequenceDescriptor::make(ipAddressComponents, false);
static const asn::alternativeEntry addressAlternatives[] = {
    asn::alternative<address::ipAddress_sequence>("IpAddress"),
};
const asn::choiceDescriptor address::descriptor = asn::choiceDescriptor::make(addressAlternatives, 1, true);

static const asn::componentEntry wrapperComponents[] = {
    asn::mandatoryComponent<&wrapper::held>("Held"),
};
const asn::sequenceDescriptor wrapper::descriptor = asn::sequenceDescriptor::make(wrapperComponents, false);

std::string toHex(const unsigned char* data, unsigned length) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned i = 0; i < length; ++i) {
    if (i) out += ' ';
    out += digits[data[i] >> 4];
    out += digits[data[i] & 15];
  }
  return out;
}

std::string fromHex(const std::string& hex) {
  std::string out;
  std::istringstream in(hex);
  std::string pair;
  while (in >> pair) out += char(std::stoi(pair, nullptr, 16));
  return out;
}

std::string encodeHex(const asn::object& value) {
  asn::per::codec encoder;
  value.encode(encoder);
  unsigned n = encoder.stream().octetLength();
  return n ? toHex(encoder.stream().data(), n) : std::string();
}

void decodeHex(asn::object& value, const std::string& hex) {
  std::string octets = fromHex(hex);
  asn::per::codec decoder(octets.data(), unsigned(octets.size()));
  value.decode(decoder);
}

std::string print(const asn::object& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

}  // namespace fixture
