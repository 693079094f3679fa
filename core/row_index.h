#pragma once
// Rows of a table by the exact text of one column, built in one pass so that
// a lookup per player costs no rescan of the table.

#include "core/text_table.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace squadlens {

class RowIndex {
public:
    RowIndex() = default;
    RowIndex(const TextTable &table, int col) { build(table, col); }

    // Indexes rows 1 to the last (row 0 is the header and never searched).
    void build(const TextTable &table, int col);
    // True while the table is unchanged since build().
    bool isCurrentFor(const TextTable &table) const
    {
        return m_table == &table && m_version == table.version();
    }

    // The first row holding `text`, or -1.
    int first(std::string_view text) const;
    // The next row below `row` holding the same text, or -1.
    int next(int row) const { return m_next[static_cast<std::size_t>(row)]; }

private:
    const TextTable *m_table = nullptr;
    std::uint64_t m_version = 0;
    std::unordered_map<std::string_view, int> m_first;
    std::vector<int> m_next;
};

} // namespace squadlens
