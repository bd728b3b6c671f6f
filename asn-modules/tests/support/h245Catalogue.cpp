// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include "typeCatalogue.h"

void h245CataloguePart1(std::vector<catalogueEntry>& entries);
void h245CataloguePart2(std::vector<catalogueEntry>& entries);
void h245CataloguePart3(std::vector<catalogueEntry>& entries);
void h245CataloguePart4(std::vector<catalogueEntry>& entries);
void h245CataloguePart5(std::vector<catalogueEntry>& entries);
void h245CataloguePart6(std::vector<catalogueEntry>& entries);

const std::vector<catalogueEntry>& h245Catalogue() {
  static const std::vector<catalogueEntry> entries = [] {
    std::vector<catalogueEntry> all;
    h245CataloguePart1(all);
    h245CataloguePart2(all);
    h245CataloguePart3(all);
    h245CataloguePart4(all);
    h245CataloguePart5(all);
    h245CataloguePart6(all);
    return all;
  }();
  return entries;
}
