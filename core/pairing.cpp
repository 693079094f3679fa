#include "core/pairing.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "core/texts.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace squadlens {
namespace {

constexpr int kGroups = 9; // the eight codes and the group of all other codes

enum Column { Id = 0, Name = 2, Position = 4, Value = 18, Rating = 19, Salary = 20 };

int groupOf(std::string_view code)
{
    const auto &order = PositionOrder();
    for (int g = 0; g < 8; ++g)
        if (order[static_cast<std::size_t>(g)] == code)
            return g;
    return 8;
}

// For each row of `table` from 1, the first row of the other table that
// spells its converted id (-1 for none, kNoNumber when its id converts not).
constexpr std::int32_t kNoNumber = -2;
std::vector<std::int32_t> lookUpAll(const TextTable &table, const IdIndex &other)
{
    std::vector<std::int32_t> rows(static_cast<std::size_t>(std::max(table.rowCount(), 1)), -1);
    constexpr int kBlock = 16;
    std::optional<std::int32_t> ids[kBlock];
    for (int base = 1; base < table.rowCount(); base += kBlock) {
        const int count = std::min(kBlock, table.rowCount() - base);
        for (int k = 0; k < count; ++k) {
            ids[k] = tryStrToInt(table.cell(Id, base + k));
            if (ids[k])
                other.prefetch(*ids[k]);
        }
        for (int k = 0; k < count; ++k)
            rows[static_cast<std::size_t>(base + k)] = ids[k] ? other.first(*ids[k]) : kNoNumber;
    }
    return rows;
}

// Brings the rows that the pairing of olds[i + 12], olds[i + 8] and
// olds[i + 4] will read towards the cache, a step further each.
void readAhead(const std::vector<int> &olds, std::size_t i, const std::vector<std::int32_t> &firstNewRow,
               const TextTable &old, const TextTable &neu)
{
    if (i + 12 < olds.size()) {
        const int r = olds[i + 12];
        old.prefetchTag(r);
        neu.prefetchTag(firstNewRow[static_cast<std::size_t>(r)]);
    }
    if (i + 8 < olds.size()) {
        const int r = olds[i + 8];
        old.prefetchRow(r);
        if (const int q = firstNewRow[static_cast<std::size_t>(r)]; q >= 0)
            neu.prefetchRow(q);
    }
    if (i + 4 < olds.size()) {
        const int r = olds[i + 4];
        old.prefetchCell(Id, r);
        old.prefetchCell(Rating, r);
        if (const int q = firstNewRow[static_cast<std::size_t>(r)]; q >= 0)
            neu.prefetchCell(Value, q);
    }
}

std::array<std::vector<int>, kGroups> rowsByGroup(const TextTable &players)
{
    std::array<std::vector<int>, kGroups> groups;
    for (int row = 1; row < players.rowCount(); ++row)
        groups[static_cast<std::size_t>(groupOf(players.cell(Position, row)))].push_back(row);
    return groups;
}

} // namespace

const std::array<std::string, 8> &PositionOrder()
{
    static const std::array<std::string, 8> order = {"GK", "LD", "CD", "RD", "LM", "CM", "RM", "FW"};
    return order;
}

std::vector<std::int32_t> pairRosters(Workspace &ws, const IdIndex &oldIds, const IdIndex &newIds)
{
    const TextTable &old = ws.StringGrid1;
    const TextTable &neu = ws.StringGrid2;
    TextTable &sub = ws.SubGrid;
    const std::string &leaver = texts::leaver();
    const std::string &newcomer = texts::newcomer();

    // Rows left from an earlier run never mix with this one's.
    sub.clear();
    const int most = old.rowCount() + neu.rowCount();
    sub.reserveWritten(most, static_cast<std::size_t>(most) * 64);
    sub.setRowCount(old.rowCount());
    int next = 1;

    // Every lookup first, in table order, where the index can be read ahead;
    // the writing below then converts each id where the pairing reaches it,
    // so a bad id still stops it at the same place.
    auto firstNewRow = lookUpAll(old, newIds);
    const auto firstOldRow = lookUpAll(neu, oldIds);

    const auto oldGroups = rowsByGroup(old);
    const auto newGroups = rowsByGroup(neu);
    for (int g = 0; g < kGroups; ++g) {
        const auto &olds = oldGroups[static_cast<std::size_t>(g)];
        for (std::size_t i = 0; i < olds.size(); ++i) {
            readAhead(olds, i, firstNewRow, old, neu);
            const int r = olds[i];
            sub.setCell(0, next, old.cell(Id, r));
            sub.setCell(1, next, old.cell(Name, r));
            sub.setCell(2, next, old.cell(Position, r));
            sub.setCell(3, next, old.cell(Rating, r));
            sub.setCell(5, next, old.cell(Value, r));
            sub.setCell(7, next, old.cell(Salary, r));
            const int q = firstNewRow[static_cast<std::size_t>(r)];
            if (q == kNoNumber)
                strToInt(old.cell(Id, r)); // stops the pairing here
            if (q >= 0) {
                sub.setCell(4, next, neu.cell(Rating, q));
                sub.setCell(6, next, neu.cell(Value, q));
                sub.setCell(8, next, neu.cell(Salary, q));
                sub.setCell(9, next, "1");
            } else {
                sub.setCell(9, next, "0");
                sub.setCell(4, next, leaver);
                sub.setCell(6, next, leaver);
                sub.setCell(8, next, leaver);
            }
            ++next;
        }
        for (int q : newGroups[static_cast<std::size_t>(g)]) {
            const int known = firstOldRow[static_cast<std::size_t>(q)];
            if (known == kNoNumber)
                strToInt(neu.cell(Id, q)); // stops the pairing here
            if (known >= 0)
                continue;
            sub.setRowCount(sub.rowCount() + 1);
            sub.setCell(0, next, neu.cell(Id, q));
            sub.setCell(1, next, neu.cell(Name, q));
            sub.setCell(2, next, neu.cell(Position, q));
            sub.setCell(3, next, newcomer);
            sub.setCell(4, next, neu.cell(Rating, q));
            sub.setCell(5, next, newcomer);
            sub.setCell(6, next, neu.cell(Value, q));
            sub.setCell(7, next, newcomer);
            sub.setCell(8, next, neu.cell(Salary, q));
            sub.setCell(9, next, "2");
            ++next;
        }
    }
    std::replace(firstNewRow.begin(), firstNewRow.end(), kNoNumber, -1);
    return firstNewRow;
}

void fillChooser(const Workspace &ws, const IdIndex &newIds, const std::vector<std::int32_t> &firstNewRow,
                 Chooser &chooser)
{
    const TextTable &old = ws.StringGrid1;
    chooser.ComboBox3.clear();
    chooser.ListBox1.clear();
    chooser.itemIndex = -1;
    std::string entry;
    for (int r = 1; r < old.rowCount(); ++r) {
        for (int q = firstNewRow[static_cast<std::size_t>(r)]; q >= 0; q = newIds.next(q)) {
            entry.assign(old.cell(Name, r));
            entry += ", ";
            entry += old.cell(Position, r);
            chooser.ComboBox3.push_back(entry);
            chooser.ListBox1.push_back(old.cell(Id, r));
        }
    }
}

} // namespace squadlens
