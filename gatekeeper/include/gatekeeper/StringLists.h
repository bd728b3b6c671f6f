// Comparisons and copies of text lists (aliases, groups) in list order.
#pragma once

#include <config/StringList.h>
#include <h323/alias.h>

// Empties the destination, then appends each source text in order.
TStringList& CopyStringList(TStringList& ADestination, const TStringList& ASource);
// Same count and equal texts in the same order; two empty lists are equal.
bool StringListsEqual(const TStringList& A, const TStringList& B);
bool StringListsDiffer(const TStringList& A, const TStringList& B);
bool StringListContains(const TStringList& AList, const orvo::string& AText);
// The text appended unless the list holds it.
void AppendOnce(TStringList& AList, const orvo::string& AText);
// The texts of the aliases, duplicates dropped; none gives one empty text.
void AliasTexts(const H323::aliasSequence* AAliases, TStringList& AOut);
