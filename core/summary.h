#pragma once
// The rating, value and salary tables: one row per pairing row, each with the
// old figure, the new figure and the change, and a totals row last.

#include "core/result_tables.h"

namespace squadlens {

// Expects the three tables as ClearTables leaves them. A rating, value or
// salary that cannot be read stops the fill with the conversion error; what
// was written before stays.
void fillSummaryTables(const TextTable &pairing, ResultTables &tables);

} // namespace squadlens
