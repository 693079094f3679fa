#include "core/row_index.h"

#include "core/huge_pages.h"

#include <functional>

namespace squadlens {

void RowIndex::build(const TextTable &table, int col)
{
    m_table = &table;
    m_col = col;
    m_version = table.version();
    resetSlots(m_slots, static_cast<std::size_t>(table.rowCount()), Slot{0, 0});
    m_next.assign(static_cast<std::size_t>(table.rowCount()), -1);

    // Walking upwards, each row links to the one found below it, and the
    // slot ends up holding the topmost row of every text.
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        const std::string_view text = table.cell(col, row);
        const std::size_t hash = std::hash<std::string_view>{}(text);
        Slot &slot = m_slots[slotOf(text, hash)];
        if (slot.row != 0)
            m_next[static_cast<std::size_t>(row)] = slot.row;
        slot = Slot{static_cast<std::uint32_t>(hash >> 32), row};
    }
}

std::size_t RowIndex::slotOf(std::string_view text, std::size_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    std::size_t i = hash & mask;
    while (m_slots[i].row != 0 &&
           (m_slots[i].hash != tag || m_table->cell(m_col, m_slots[i].row) != text))
        i = (i + 1) & mask;
    return i;
}

int RowIndex::first(std::string_view text) const
{
    if (m_slots.empty())
        return -1;
    const std::int32_t row = m_slots[slotOf(text, std::hash<std::string_view>{}(text))].row;
    return row == 0 ? -1 : row;
}

} // namespace squadlens
