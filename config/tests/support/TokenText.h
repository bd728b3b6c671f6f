// Scans a text and writes its tokens as one line, for whole-text comparisons:
// keyword names, "tokUnsigned:8", "tokString:[text]", characters as 'c' or #n.
#pragma once

#include <istream>
#include <string>

#include <config/Scanner.h>

std::string TokenText(int AToken, const TTokenValue& AValue);
std::string ScanAll(std::istream& AInput, unsigned* ALastLine = nullptr);
std::string ScanAll(const std::string& AText, unsigned* ALastLine = nullptr);
