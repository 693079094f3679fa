#pragma once
// The skills page: one chosen player's 24 skills at both dates and their
// progress.

#include "core/result_tables.h"
#include "core/workspace.h"

#include <functional>
#include <string_view>

namespace squadlens {

// Fills rows 1 to 24 of the skills table for chooser entry `index`: names,
// the old values, the new values and new minus old. The player is the first
// row of each player table whose id text equals ListBox1[index] exactly. When
// the new table has no such row, columns 2 and 3 are emptied. A skill that is
// no integer stops the fill at that row with the integer error.
// `findRow(table, id)` gives the first row from 1 whose column 0 is `id`, or -1.
using FindRow = std::function<int(const TextTable &table, std::string_view id)>;
void fillSkillsTable(const Workspace &ws, const Chooser &chooser, int index, const FindRow &findRow,
                     TextTable &skills);

} // namespace squadlens
