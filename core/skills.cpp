#include "core/skills.h"

#include "core/error.h"
#include "core/numbers.h"

#include <cstdint>
#include <string>

namespace squadlens {

void fillSkillsTable(const Workspace &ws, const Chooser &chooser, int index, const FindRow &findRow,
                     TextTable &skills)
{
    for (int n = 1; n <= kSkillCount; ++n)
        skills.setCell(0, n, SkillNames()[static_cast<std::size_t>(n - 1)]);

    if (index < 0 || index >= static_cast<int>(chooser.ListBox1.size()))
        throw Error("List index out of bounds (" + std::to_string(index) + ")");
    const std::string_view id = chooser.ListBox1[static_cast<std::size_t>(index)];

    const int oldRow = findRow(ws.StringGrid1, id);
    for (int n = 1; n <= kSkillCount; ++n)
        skills.setCell(1, n, oldRow >= 0 ? ws.StringGrid1.cell(kFirstSkillColumn - 1 + n, oldRow)
                                         : std::string_view{});

    const int newRow = findRow(ws.StringGrid2, id);
    for (int n = 1; n <= kSkillCount; ++n) {
        if (newRow < 0) {
            // Never leave the previous player's figures beside this one's name.
            skills.setCell(2, n, {});
            skills.setCell(3, n, {});
            continue;
        }
        const int col = kFirstSkillColumn - 1 + n;
        skills.setCell(2, n, ws.StringGrid2.cell(col, newRow));
        const std::int64_t newer = strToInt(ws.StringGrid2.cell(col, newRow));
        const std::int64_t older = strToInt(ws.StringGrid1.cell(col, oldRow));
        skills.setCell(3, n, std::to_string(newer - older));
    }
}

} // namespace squadlens
