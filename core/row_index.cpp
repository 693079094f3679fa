#include "core/row_index.h"

namespace squadlens {

void RowIndex::build(const TextTable &table, int col)
{
    m_table = &table;
    m_version = table.version();
    m_first.clear();
    m_first.reserve(static_cast<std::size_t>(table.rowCount()));
    m_next.assign(static_cast<std::size_t>(table.rowCount()), -1);

    // Walking upwards, each row links to the one found below it, and the map
    // ends up holding the topmost row of every text.
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        auto [it, inserted] = m_first.try_emplace(table.cell(col, row), row);
        if (!inserted) {
            m_next[static_cast<std::size_t>(row)] = it->second;
            it->second = row;
        }
    }
}

int RowIndex::first(std::string_view text) const
{
    const auto it = m_first.find(text);
    return it == m_first.end() ? -1 : it->second;
}

} // namespace squadlens
