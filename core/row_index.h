#pragma once
// Rows of a table by the exact text of one column, built in one pass so that
// a lookup per player costs no rescan of the table.

#include "core/text_table.h"

#include <cstdint>
#include <string_view>
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
    // Open addressing: a slot holds the first row of one text (0 for none)
    // and the text's hash, so most probes never touch the table.
    struct Slot {
        std::uint32_t hash;
        std::int32_t row;
    };
    std::size_t slotOf(std::string_view text, std::size_t hash) const;

    const TextTable *m_table = nullptr;
    int m_col = 0;
    std::uint64_t m_version = 0;
    std::vector<Slot> m_slots;
    std::vector<std::int32_t> m_next;
};

} // namespace squadlens
