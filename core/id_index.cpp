#include "core/id_index.h"

#include "core/huge_pages.h"

#include <algorithm>

namespace squadlens {

std::optional<std::int32_t> plainDecimal(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        ++i;
    if (i == text.size() || text.size() - i > 10)
        return std::nullopt;
    if (text[i] == '0' && (text.size() - i > 1 || negative))
        return std::nullopt; // "0" only, never "-0" or "007"
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        v = v * 10 + (text[i] - '0');
    }
    if (negative)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

namespace {

std::size_t mix(std::int32_t id)
{
    std::uint64_t x = static_cast<std::uint32_t>(id);
    x *= 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(x ^ (x >> 29));
}

} // namespace

void IdIndex::build(const TextTable &table, int col)
{
    resetSlots(m_slots, static_cast<std::size_t>(table.rowCount()), Slot{0, 0});
    m_next.assign(static_cast<std::size_t>(table.rowCount()), -1);
    // From the last row up, so each id's slot ends with its first row and
    // the rows below are chained after it. In blocks, so that the slots of
    // a block are on their way while the block's ids are read.
    constexpr int kBlock = 16;
    std::optional<std::int32_t> ids[kBlock];
    for (int top = table.rowCount() - 1; top >= 1; top -= kBlock) {
        const int count = std::min(kBlock, top);
        for (int k = 0; k < count; ++k) {
            ids[k] = plainDecimal(table.cell(col, top - k));
            if (ids[k])
                prefetch(*ids[k]);
        }
        for (int k = 0; k < count; ++k) {
            if (!ids[k])
                continue;
            const int row = top - k;
            Slot &slot = m_slots[slotOf(*ids[k])];
            if (slot.row != 0)
                m_next[static_cast<std::size_t>(row)] = slot.row;
            slot = Slot{*ids[k], row};
        }
    }
}

std::size_t IdIndex::slotOf(std::int32_t id) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = mix(id) & mask;
    while (m_slots[i].row != 0 && m_slots[i].id != id)
        i = (i + 1) & mask;
    return i;
}

void IdIndex::prefetch(std::int32_t id) const
{
    if (!m_slots.empty())
        __builtin_prefetch(&m_slots[mix(id) & (m_slots.size() - 1)]);
}

int IdIndex::first(std::int32_t id) const
{
    if (m_slots.empty())
        return -1;
    const std::int32_t row = m_slots[slotOf(id)].row;
    return row == 0 ? -1 : row;
}

} // namespace squadlens
