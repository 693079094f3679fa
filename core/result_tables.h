#pragma once
// The five result tables of the main window's pages, and their reset.

#include "core/text_table.h"
#include "core/workspace.h"

namespace squadlens {

struct ResultTables {
    TextTable StringGrid3{4, 25};       // skills, page "Cкиллы"
    TextTable StringGrid_ru{5, 2};      // rating, page "РУ"
    TextTable StringGrid_pr{5, 2};      // value, page "Cтоимость"
    TextTable StringGrid_pay{5, 2};     // salary, page "Зарплаты"
    TextTable StringGrid_roster{6, 2};  // roster, page "Cоставы" (never shown)
};

inline constexpr int kSkillsTableWidths[4] = {214, 73, 70, 78};
inline constexpr int kSummaryTableWidths[5] = {168, 28, 79, 77, 63};
inline constexpr int kRosterTableWidths[6] = {161, 25, 29, 133, 24, 28};
inline constexpr int kSkillsRowHeight = 16;
inline constexpr int kSummaryRowHeight = 17;

// Empties and re-heads all five tables with the dates of line 1 of both lists.
// Touches nothing else.
void ClearTables(ResultTables &tables, const Workspace &ws);

} // namespace squadlens
