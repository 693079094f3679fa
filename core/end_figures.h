#pragma once
// The end-of-period figures the pairing copies for each paired player: the
// rating, value and salary of every row of the new player table, packed in
// row order into one small record each. The pairing visits the new table in
// the old table's order, which for a big file is at random: one record is
// half a cache line, where the row itself spans three or four lines in
// different places.

#include "core/id_index.h"
#include "core/text_table.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace squadlens {

class EndFigures {
public:
    // Reads the table in order; `ids` is the table's id index, for telling
    // which rows have a later row with the same id.
    void build(const TextTable &players, const IdIndex &ids);

    struct Figures {
        std::string_view rating, value, salary;
        bool laterRowSameId; // a later row of the table spells the same id
    };
    // The texts are valid while this and the table are unchanged.
    Figures at(int row) const;
    void prefetch(int row) const;

private:
    static constexpr std::size_t kInline = 28;
    struct alignas(32) Record {
        std::uint8_t length[3];
        std::uint8_t flags;
        char text[kInline]; // the three texts one after the other
    };
    static_assert(sizeof(Record) == 32);
    static constexpr std::uint8_t kLaterRow = 1, kInTable = 2;

    const TextTable *m_players = nullptr;
    std::vector<Record> m_records;
};

} // namespace squadlens
