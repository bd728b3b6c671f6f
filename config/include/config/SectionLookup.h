// What merging a user needs of the sections read before it: zones (links
// included) and groups by name, letter case ignored; null when none.
#pragma once

#include <orvo/string.h>

class TGroup;
class TZone;

class TSectionLookup {
public:
  virtual TZone* FindZone(const orvo::string& AName) const = 0;
  virtual TGroup* FindGroup(const orvo::string& AName) const = 0;

protected:
  ~TSectionLookup() = default;
};
