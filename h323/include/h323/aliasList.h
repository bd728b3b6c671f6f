// The alias texts of a registration or a call, each once and never empty, in
// the order of their first appearance.
#pragma once

#include <orvo/dlist.h>
#include <orvo/regexp.h>
#include <orvo/string.h>

#include <h323/alias.h>

namespace H323 {

class aliaslist : public orvo::stringlist {
public:
  aliaslist() = default;
  explicit aliaslist(const aliasSequence& AAliases);
  aliaslist(const aliaslist& AOther) = default;
  aliaslist& operator=(const aliaslist& AOther) = default;
  ~aliaslist() override = default;

  // The texts of the aliases that have one (aliasToString).
  aliaslist& operator=(const aliasSequence& AAliases);
  aliaslist& operator=(const orvo::stringlist& ATexts);

  // Appends one alias per text, its kind chosen from the characters.
  void toAliasSequence(aliasSequence& AOut) const;
  // Every text of AOther is here (true for an empty AOther).
  bool includes(const orvo::stringlist& AOther) const;
  bool contains(const orvo::string& AText) const;
  // Some text is matched by the pattern.
  bool matches(orvo::regexp& APattern) const;

private:
  void appendNew(const orvo::string& AText);
};

}  // namespace H323
