#include <h323/alias.h>

#include <orvo/exception.h>

namespace H323 {

namespace {

// Alternatives of the alias CHOICE read here.
enum { dialedDigits = aliasDialedDigits, h323Id = aliasH323Id, partyNumber = 5 };

bool isE164Character(char c) { return (c >= '0' && c <= '9') || c == '#' || c == '*' || c == ','; }

orvo::string partyNumberDigits(const H225::partyNumber& ANumber) {
  const asn::object* number = ANumber.alternative();
  if (!number) return orvo::string();
  switch (ANumber.index()) {
    case 0:  // e164Number
      return static_cast<const H225::publicPartyNumber*>(number)->publicNumberDigits.value();
    case 3:  // privateNumber
      return static_cast<const H225::privatePartyNumber*>(number)->privateNumberDigits.value();
    case 1:  // dataPartyNumber
    case 2:  // telexPartyNumber
    case 4:  // nationalStandardPartyNumber
      return static_cast<const asn::constrainedString*>(number)->value();
    default:  // a later alternative, held undecoded
      return orvo::string();
  }
}

}  // namespace

void makeAliasAddress(H225::aliasAddress& AOut, const orvo::string& AText, int AKind) {
  switch (AKind) {
    case dialedDigits:
      static_cast<asn::constrainedString*>(AOut.select(dialedDigits))->setValue(AText);
      return;
    case h323Id:
      *static_cast<asn::bmpStringBase*>(AOut.select(h323Id)) = AText;
      return;
    default:
      throw new orvo::exception("todo: unsupported H225::aliasAddress type");
  }
}

void makeAliasAddress(H225::aliasAddress& AOut, const orvo::string& AText) {
  makeAliasAddress(AOut, AText, isNotE164(AText) ? h323Id : dialedDigits);
}

bool isNotE164(const orvo::string& AText) {
  for (unsigned i = 0; i < AText.length(); ++i)
    if (!isE164Character(AText.charAt(i))) return true;
  return false;
}

orvo::string aliasToString(const H225::aliasAddress& AAlias) {
  const asn::object* value = AAlias.alternative();
  if (!value) return orvo::string();
  switch (AAlias.index()) {
    case dialedDigits:
      return static_cast<const asn::constrainedString*>(value)->value();
    case h323Id:
      return static_cast<const asn::bmpStringBase*>(value)->toString();
    case partyNumber:
      return partyNumberDigits(*static_cast<const H225::partyNumber*>(value));
    default:
      return orvo::string();
  }
}

orvo::string aliasToE164(const H225::aliasAddress& AAlias) {
  orvo::string text = aliasToString(AAlias);
  return isNotE164(text) ? orvo::string() : text;
}

bool aliasEquals(const H225::aliasAddress& A, const H225::aliasAddress& B) {
  // The runtime's comparison goes into every alternative, an undecoded later
  // one included (by its octets), and never throws for two values of one type.
  return A.index() == B.index() && A.isEqual(B);
}

bool containsAlias(const aliasSequence& AList, const H225::aliasAddress& AAlias) {
  for (const orvo::listNode* n = AList.elements().head(); n; n = n->next)
    if (aliasEquals(*aliasSequence::element(n), AAlias)) return true;
  return false;
}

bool addAlias(aliasSequence& AList, H225::aliasAddress* AAlias) {
  if (containsAlias(AList, *AAlias)) {
    delete AAlias;
    return false;
  }
  AList.append(AAlias);
  return true;
}

}  // namespace H323
