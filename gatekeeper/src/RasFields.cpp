#include <gatekeeper/RasFields.h>

#include <orvo/exception.h>

#include <asn/perCodec.h>

void SetOptionalIdentifier(TIdentifierText*& AField, const orvo::string& AText) {
  delete AField;
  AField = nullptr;
  if (AText.length() == 0 || AText.length() > 128) return;
  AField = new TIdentifierText;
  *AField = AText;
}

unsigned AppendEncodableAliases(TAliasSequence& AList, const TAliasSequence& AAliases) {
  unsigned appended = 0;
  for (const asn::object* element : AAliases.elements()) {
    const auto& alias = *static_cast<const H225::aliasAddress*>(element);
    // Whatever the alternative, the encoder is the judge.
    try {
      asn::per::codec probe;
      alias.encode(probe);
    } catch (orvo::exception* e) {
      delete e;
      continue;
    }
    AList.append(new H225::aliasAddress(alias));
    ++appended;
  }
  return appended;
}
