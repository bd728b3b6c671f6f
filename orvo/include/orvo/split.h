// Cutting a text into a list of strings.
#pragma once

#include <orvo/dlist.h>
#include <orvo/string.h>

namespace orvo {

// Tokens up to any character of `separator`; after each token the rest of a
// separator of several characters is dropped. Stops at the first empty token.
void split(const string& text, stringlist& out, const char* separator);

// Pieces between runs of text matched by the separator pattern; the last
// piece is kept even when empty.
void splitByPattern(const string& text, stringlist& out, const string& separatorPattern);

// Tokens between characters of `separators` outside parentheses; no empty tokens.
void splitTopLevel(const string& text, stringlist& out, const char* separators);

}  // namespace orvo
