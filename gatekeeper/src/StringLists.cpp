#include <gatekeeper/StringLists.h>

TStringList& CopyStringList(TStringList& ADestination, const TStringList& ASource) {
  if (&ADestination == &ASource) return ADestination;
  ADestination.clear();
  for (const orvo::string& text : ASource) ADestination.append(text);
  return ADestination;
}

bool StringListsEqual(const TStringList& A, const TStringList& B) {
  if (A.count() != B.count()) return false;
  TStringList::node* b = B.head();
  for (TStringList::node* a = A.head(); a; a = a->next, b = b->next)
    if (a->value != b->value) return false;
  return true;
}

bool StringListsDiffer(const TStringList& A, const TStringList& B) { return !StringListsEqual(A, B); }

bool StringListContains(const TStringList& AList, const orvo::string& AText) { return AList.find(AText) != nullptr; }

void AppendOnce(TStringList& AList, const orvo::string& AText) {
  if (!StringListContains(AList, AText)) AList.append(AText);
}

void AliasTexts(const H323::aliasSequence* AAliases, TStringList& AOut) {
  if (AAliases)
    for (const orvo::listNode* node = AAliases->elements().head(); node; node = node->next)
      AppendOnce(AOut, H323::aliasToString(*H323::aliasSequence::element(node)));
  if (AOut.empty()) AOut.append(orvo::string());
}
