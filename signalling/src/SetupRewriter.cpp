#include <signalling/SetupRewriter.h>

#include <h323/alias.h>
#include <h323/q931/elements.h>

namespace {

// The translated text, or the text itself when no translation is set.
orvo::string translated(const TAliasTranslator& ATranslate, int ASide, const orvo::string& AText) {
  if (!ATranslate) return AText;
  orvo::string result;
  ATranslate(ASide, AText, result);
  return result;
}

void removeElement(Q931::message& AMessage, Q931::element* AElement) {
  AMessage.elements.remove(AMessage.elements.find(AElement), orvo::autoDelete(1));
}

template <class Number>
bool rewriteNumber(Q931::message& ASetup, int AId, int ASide, const TAliasTranslator& ATranslate) {
  Number* number = static_cast<Number*>(ASetup.findElement(AId));
  if (!number) return false;
  orvo::string text = translated(ATranslate, ASide, number->digits);
  if (text.empty()) {
    removeElement(ASetup, number);
    return true;
  }
  if (text == number->digits) return false;
  number->digits = text;
  return true;
}

bool rewriteAliases(H323::aliasSequence*& AList, int ASide, const TAliasTranslator& ATranslate) {
  if (!AList) return false;
  bool changed = false;
  H323::aliasSequence* result = new H323::aliasSequence;
  for (const orvo::listNode* n = AList->elements().head(); n; n = n->next) {
    const H225::aliasAddress& alias = *H323::aliasSequence::element(n);
    orvo::string text = H323::aliasToString(alias);
    H225::aliasAddress* kept = new H225::aliasAddress(alias);
    if (!text.empty()) {
      orvo::string seen = translated(ATranslate, ASide, text);
      if (seen.empty()) {
        delete kept;
        changed = true;
        continue;
      }
      if (seen != text) {
        H323::makeAliasAddress(*kept, seen);
        changed = true;
      }
    }
    if (!H323::addAlias(*result, kept)) changed = true;
  }
  if (!changed) {
    delete result;
    return false;
  }
  delete AList;
  AList = result;
  return true;
}

}  // namespace

bool RewriteSetup(Q931::message& ASetup, const TAliasTranslator& ATranslate) {
  bool changed = rewriteNumber<Q931::calledPartyNumber>(ASetup, 0x70, rsCallee, ATranslate);
  changed |= rewriteNumber<Q931::callingPartyNumber>(ASetup, 0x6C, rsCaller, ATranslate);
  if (H225::setup_UUIE* body = ASetup.setupBody()) {
    changed |= rewriteAliases(body->destinationAddress, rsCallee, ATranslate);
    changed |= rewriteAliases(body->sourceAddress, rsCaller, ATranslate);
  }
  return changed;
}
