#include "core/skills.h"

#include "core/error.h"
#include "core/numbers.h"

#include <array>
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

    // Each row's skills are read once, in one step.
    std::array<std::string_view, kSkillCount> olds{}, news{};
    const int oldRow = findRow(ws.StringGrid1, id);
    if (oldRow >= 0)
        ws.StringGrid1.cells(oldRow, kFirstSkillColumn, olds);
    for (int n = 1; n <= kSkillCount; ++n)
        skills.setCell(1, n, olds[static_cast<std::size_t>(n - 1)]);

    const int newRow = findRow(ws.StringGrid2, id);
    if (newRow >= 0)
        ws.StringGrid2.cells(newRow, kFirstSkillColumn, news);
    for (int n = 1; n <= kSkillCount; ++n) {
        if (newRow < 0) {
            // Never leave the previous player's figures beside this one's name.
            skills.setCell(2, n, {});
            skills.setCell(3, n, {});
            continue;
        }
        const std::string_view newer = news[static_cast<std::size_t>(n - 1)];
        skills.setCell(2, n, newer);
        const std::int64_t newValue = strToInt(newer); // the new one is read first
        const std::int64_t oldValue = strToInt(olds[static_cast<std::size_t>(n - 1)]);
        skills.setCell(3, n, std::to_string(newValue - oldValue));
    }
}

} // namespace squadlens
