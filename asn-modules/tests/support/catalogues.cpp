// Generated from asn-modules/generator/modules/*.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.
#include "typeCatalogue.h"

const std::vector<catalogueEntry>& h225Catalogue();
const std::vector<catalogueEntry>& h235Catalogue();
const std::vector<catalogueEntry>& h245Catalogue();
const std::vector<catalogueEntry>& h4501Catalogue();
const std::vector<catalogueEntry>& x880Catalogue();

const std::vector<moduleCatalogue>& allCatalogues() {
  static const std::vector<moduleCatalogue> modules = {
      {"H225", &h225Catalogue()},
      {"H235", &h235Catalogue()},
      {"H245", &h245Catalogue()},
      {"H4501", &h4501Catalogue()},
      {"X880", &x880Catalogue()},
  };
  return modules;
}
