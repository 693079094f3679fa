#include "core/end_figures.h"

#include "core/huge_pages.h"
#include "core/team_file.h"

#include <cstring>

namespace squadlens {

void EndFigures::build(const TextTable &players, const IdIndex &ids)
{
    m_players = &players;
    const std::size_t rows = static_cast<std::size_t>(players.rowCount());
    m_records.clear();
    m_records.shrink_to_fit();
    m_records.reserve(rows);
    // Read at random by the pairing.
    adviseHugePages(m_records.data(), rows * sizeof(Record));
    m_records.resize(rows);
    for (std::size_t row = 1; row < rows; ++row) {
        const int r = static_cast<int>(row);
        Record &rec = m_records[row];
        rec.flags = ids.next(r) >= 0 ? kLaterRow : 0;
        // Value, rating and salary stand side by side: one walk reads them.
        std::string_view side[3];
        players.cells(r, kValueColumn, side);
        const std::string_view texts[3] = {side[1], side[0], side[2]}; // rating, value, salary
        if (texts[0].size() + texts[1].size() + texts[2].size() > kInline) {
            rec.flags |= kInTable; // rare: read from the table instead
            continue;
        }
        char *out = rec.text;
        for (int k = 0; k < 3; ++k) {
            rec.length[k] = static_cast<std::uint8_t>(texts[k].size());
            if (!texts[k].empty()) // an empty text may have no data at all
                std::memcpy(out, texts[k].data(), texts[k].size());
            out += texts[k].size();
        }
    }
}

EndFigures::Figures EndFigures::at(int row) const
{
    const Record &rec = m_records[static_cast<std::size_t>(row)];
    const bool later = (rec.flags & kLaterRow) != 0;
    if (rec.flags & kInTable)
        return {m_players->cell(kRatingColumn, row), m_players->cell(kValueColumn, row), m_players->cell(kSalaryColumn, row), later};
    const char *p = rec.text;
    const std::string_view rating(p, rec.length[0]);
    const std::string_view value(p + rec.length[0], rec.length[1]);
    const std::string_view salary(p + rec.length[0] + rec.length[1], rec.length[2]);
    return {rating, value, salary, later};
}

void EndFigures::prefetch(int row) const
{
    if (row >= 0 && static_cast<std::size_t>(row) < m_records.size())
        __builtin_prefetch(&m_records[static_cast<std::size_t>(row)]);
}

} // namespace squadlens
