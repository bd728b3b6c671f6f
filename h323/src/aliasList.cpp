#include <h323/aliasList.h>

namespace H323 {

aliaslist::aliaslist(const aliasSequence& AAliases) { *this = AAliases; }

aliaslist& aliaslist::operator=(const aliasSequence& AAliases) {
  clear();
  for (const orvo::listNode* n = AAliases.elements().head(); n; n = n->next)
    appendNew(aliasToString(*aliasSequence::element(n)));
  return *this;
}

aliaslist& aliaslist::operator=(const orvo::stringlist& ATexts) {
  // Read before clearing: ATexts may be this list.
  orvo::stringlist source = ATexts;
  clear();
  for (const orvo::string& text : source) appendNew(text);
  return *this;
}

void aliaslist::appendNew(const orvo::string& AText) {
  if (!AText.empty() && !find(AText)) append(AText);
}

void aliaslist::toAliasSequence(aliasSequence& AOut) const {
  for (const orvo::string& text : *this) makeAliasAddress(*AOut.appendNew(), text);
}

bool aliaslist::includes(const orvo::stringlist& AOther) const {
  for (const orvo::string& text : AOther)
    if (!find(text)) return false;
  return true;
}

bool aliaslist::contains(const orvo::string& AText) const { return find(AText) != nullptr; }

bool aliaslist::matches(orvo::regexp& APattern) const {
  for (const orvo::string& text : *this)
    if (APattern.match(text, false)) return true;
  return false;
}

}  // namespace H323
