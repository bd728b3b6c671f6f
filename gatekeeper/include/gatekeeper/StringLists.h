// Comparisons and copies of text lists (aliases, groups) in list order.
#pragma once

#include <config/StringList.h>

// Empties the destination, then appends each source text in order.
TStringList& CopyStringList(TStringList& ADestination, const TStringList& ASource);
// Same count and equal texts in the same order; two empty lists are equal.
bool StringListsEqual(const TStringList& A, const TStringList& B);
bool StringListsDiffer(const TStringList& A, const TStringList& B);
bool StringListContains(const TStringList& AList, const orvo::string& AText);
