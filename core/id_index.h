#pragma once
// Rows of a player table by id number, for the pairing. An id is matched by
// converting it to an integer and comparing its plain decimal text with the
// other table's id texts as they stand; only a text that is itself a plain
// decimal ("0", "17", "-5", no sign "+", no leading zero) can ever be equal,
// so those are indexed by their number and every other text is left out.

#include "core/text_table.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace squadlens {

// The number a text spells as std::to_string would write it, if it does.
std::optional<std::int32_t> plainDecimal(std::string_view text);

class IdIndex {
public:
    IdIndex() = default;
    IdIndex(const TextTable &table, int col) { build(table, col); }
    void build(const TextTable &table, int col);

    // The first row (from 1) whose text is the plain decimal of `id`, or -1.
    int first(std::int32_t id) const;
    // A hint that first(id) is coming.
    void prefetch(std::int32_t id) const;
    // The next such row below `row`, or -1.
    int next(int row) const { return m_next[static_cast<std::size_t>(row)]; }

private:
    struct Slot {
        std::int32_t id;
        std::int32_t row; // 0: empty
    };
    std::size_t slotOf(std::int32_t id) const;

    std::vector<Slot> m_slots;
    std::vector<std::int32_t> m_next;
};

} // namespace squadlens
