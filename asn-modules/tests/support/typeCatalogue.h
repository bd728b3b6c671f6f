// Every generated type as its description lists it, for tests that walk all
// of them. The entries are generated with the classes (see *Catalogue.cpp).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <asn/asn.h>

struct catalogueEntry {
  const char* name;  // "H225::aliasAddress"
  const char* kind;  // "SEQUENCE", "CHOICE", "ENUMERATED" or "INTEGER" (named values)
  bool extensible;
  unsigned rootCount;  // as the type's heading states them
  unsigned extensionCount;
  std::vector<const char*> elements;               // element or value names in descriptor order
  std::vector<uint32_t> detail;                    // SEQUENCE: presence kinds; ENUMERATED, INTEGER: the values
  asn::object* (*make)();                          // a new default value; null without a class
  asn::object* (*copy)(const asn::object& value);  // copy construction
  asn::createFunction create;                      // null where no table refers to the type
  const void* record;                              // the descriptor or type record
};

// Names a parameterised test by its type rather than an address.
inline void PrintTo(const catalogueEntry* entry, std::ostream* out) { *out << entry->name; }

struct moduleCatalogue {
  const char* module;  // "H225"
  const std::vector<catalogueEntry>* entries;
};

// Every generated module (catalogues.cpp, generated with the modules).
const std::vector<moduleCatalogue>& allCatalogues();

// The entries of one module; empty for a module not generated.
inline const std::vector<catalogueEntry>& catalogueOf(const std::string& module) {
  static const std::vector<catalogueEntry> none;
  for (const moduleCatalogue& m : allCatalogues())
    if (module == m.module) return *m.entries;
  return none;
}
