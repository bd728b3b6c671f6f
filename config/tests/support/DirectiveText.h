// One line of text per directive object, naming its class, type word and
// value, for whole-text comparisons in the grammar tests.
#pragma once

#include <string>

class TExpression;
class TExpressions;

// "TUIntExp 20 in 60", "TTranslateExp 7 in callee \"1(.*)\" -> \"2\\1\"";
// children follow in braces, a window after "at".
std::string DirectiveText(const TExpression& ADirective);
// The entries of a list joined by " | ".
std::string DirectiveListText(const TExpressions& AList);
