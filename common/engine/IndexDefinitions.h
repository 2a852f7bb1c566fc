#pragma once
// What each of the 171 hydrologic indices measures, in plain words: its group, a one-sentence
// definition and its units. This one table feeds the index catalogue of the help page and the
// tool tips wherever indices are chosen; the index tables and reports print only the names.

#include <string>
#include <string_view>

namespace zelvo {

struct IndexDefinition {
  std::string_view group;       // "Magnitude of average flow", ...
  std::string_view definition;  // one sentence
  std::string_view units;       // "cfs", "percent", "dimensionless", "per year", ...
};

// The definition of index `number` (0 = MA1 .. 170 = RA9); empty texts outside the catalogue.
IndexDefinition IndexDefinitionOf(int number);

// "MA1 (Magnitude of average flow): Mean of all daily flows of the record.  Units: cfs."
std::string IndexToolTip(int number);

}  // namespace zelvo
