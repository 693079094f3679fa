#include "core/pairing.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "core/parallel.h"
#include "core/team_file.h"
#include "core/texts.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace squadlens {
namespace {

constexpr int kGroups = 9; // the eight codes and the group of all other codes

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
            ids[k] = tryStrToInt(table.cell(kIdColumn, base + k));
            if (ids[k])
                other.prefetch(*ids[k]);
        }
        for (int k = 0; k < count; ++k)
            rows[static_cast<std::size_t>(base + k)] = ids[k] ? other.first(*ids[k]) : kNoNumber;
    }
    return rows;
}

// Brings what the pairing of olds[i + 8] will read of the other table
// towards the cache.
void readAhead(const std::vector<int> &olds, std::size_t i, const std::vector<std::int32_t> &firstNewRow,
               const EndFigures &newFigures)
{
    if (i + 8 < olds.size())
        newFigures.prefetch(firstNewRow[static_cast<std::size_t>(olds[i + 8])]);
}

std::array<std::vector<int>, kGroups> rowsByGroup(const TextTable &players)
{
    std::array<std::vector<int>, kGroups> groups;
    for (int row = 1; row < players.rowCount(); ++row)
        groups[static_cast<std::size_t>(groupOf(players.cell(kPositionColumn, row)))].push_back(row);
    return groups;
}

} // namespace

const std::array<std::string, 8> &PositionOrder()
{
    static const std::array<std::string, 8> order = {"GK", "LD", "CD", "RD", "LM", "CM", "RM", "FW"};
    return order;
}

namespace {

// What writing the pairing table reads, and the flags it sets per old row.
struct Plan {
    const TextTable &old, &neu;
    const EndFigures &newFigures;
    const std::vector<std::int32_t> &firstNewRow, &firstOldRow;
    const std::array<std::vector<int>, kGroups> &oldGroups, &newGroups;
    std::vector<std::uint8_t> &laterNewRows;
};

// Writes the rows of groups [begin, end) into `out` from row `next` on, one
// row added per newcomer; gives the row after the last.
int writeGroups(const Plan &p, int begin, int end, TextTable &out, int next)
{
    const std::string_view leaver = texts::leaver();
    const std::string_view newcomer = texts::newcomer();
    for (int g = begin; g < end; ++g) {
        const auto &olds = p.oldGroups[static_cast<std::size_t>(g)];
        for (std::size_t i = 0; i < olds.size(); ++i) {
            readAhead(olds, i, p.firstNewRow, p.newFigures);
            const int r = olds[i];
            // Id, name and position lie among the first five fields, value,
            // rating and salary side by side: two walks read them.
            std::string_view front[5], figures[3];
            p.old.cells(r, kIdColumn, front);
            p.old.cells(r, kValueColumn, figures);
            const std::string_view id = front[kIdColumn], name = front[kNameColumn], position = front[kPositionColumn],
                                   value = figures[0], rating = figures[1], salary = figures[2];
            const int q = p.firstNewRow[static_cast<std::size_t>(r)];
            if (q == kNoNumber) {
                // The old side of the row is written, then the pairing stops.
                const std::string_view cells[] = {id, name, position, rating, {}, value, {}, salary};
                out.setRow(next, cells);
                strToInt(id);
            }
            if (q >= 0) {
                const auto end = p.newFigures.at(q);
                const std::string_view cells[] = {id, name, position, rating, end.rating, value, end.value, salary,
                                                  end.salary, "1"};
                out.setRow(next, cells);
                p.laterNewRows[static_cast<std::size_t>(r)] = end.laterRowSameId;
            } else {
                const std::string_view cells[] = {id, name, position, rating, leaver, value, leaver, salary, leaver, "0"};
                out.setRow(next, cells);
            }
            ++next;
        }
        for (int q : p.newGroups[static_cast<std::size_t>(g)]) {
            const int known = p.firstOldRow[static_cast<std::size_t>(q)];
            if (known == kNoNumber)
                strToInt(p.neu.cell(kIdColumn, q)); // stops the pairing here
            if (known >= 0)
                continue;
            out.setRowCount(out.rowCount() + 1);
            const std::string_view cells[] = {p.neu.cell(kIdColumn, q),     p.neu.cell(kNameColumn, q), p.neu.cell(kPositionColumn, q),
                                              newcomer,              p.neu.cell(kRatingColumn, q), newcomer,
                                              p.neu.cell(kValueColumn, q),  newcomer,             p.neu.cell(kSalaryColumn, q),
                                              "2"};
            out.setRow(next, cells);
            ++next;
        }
    }
    return next;
}

// The first group of the second half, so that both halves have about as
// many rows.
int middleGroup(const Plan &p)
{
    std::size_t total = 0, sizes[kGroups];
    for (std::size_t g = 0; g < kGroups; ++g)
        total += sizes[g] = p.oldGroups[g].size() + p.newGroups[g].size();
    std::size_t first = 0;
    int k = 0;
    while (k < kGroups && 2 * (first + sizes[k]) <= total + sizes[k])
        first += sizes[k++];
    return k;
}

std::size_t oldRowsIn(const Plan &p, int begin, int end)
{
    std::size_t rows = 0;
    for (int g = begin; g < end; ++g)
        rows += p.oldGroups[static_cast<std::size_t>(g)].size();
    return rows;
}

bool allConvert(const std::vector<std::int32_t> &rows)
{
    return std::find(rows.begin() + 1, rows.end(), kNoNumber) == rows.end();
}

} // namespace

Pairs pairRosters(Workspace &ws, const IdIndex &oldIds, const IdIndex &newIds, const EndFigures &newFigures)
{
    const TextTable &old = ws.StringGrid1;
    const TextTable &neu = ws.StringGrid2;
    TextTable &sub = ws.SubGrid;

    // Rows left from an earlier run never mix with this one's.
    sub.clear();
    const int most = old.rowCount() + neu.rowCount();
    sub.reserveWritten(most, static_cast<std::size_t>(most) * 64);

    // Every lookup first, in table order, where the index can be read ahead;
    // the writing below then converts each id where the pairing reaches it,
    // so a bad id still stops it at the same place.
    Pairs pairs{lookUpAll(old, newIds), {}};
    pairs.laterNewRows.assign(pairs.firstNewRow.size(), 0);
    const auto firstOldRow = lookUpAll(neu, oldIds);
    const auto oldGroups = rowsByGroup(old);
    const auto newGroups = rowsByGroup(neu);
    const Plan plan{old, neu, newFigures, pairs.firstNewRow, firstOldRow, oldGroups, newGroups, pairs.laterNewRows};

    if (static_cast<std::size_t>(most) <= kParallelSize || !allConvert(pairs.firstNewRow) || !allConvert(firstOldRow)) {
        sub.setRowCount(old.rowCount());
        writeGroups(plan, 0, kGroups, sub, 1);
    } else {
        // A big pair with every id a number, so nothing can stop the
        // writing: the first groups go into the pairing table on a thread of
        // their own, the others into a second table here, appended after.
        const int k = middleGroup(plan);
        const std::size_t restOld = oldRowsIn(plan, k, kGroups);
        std::size_t restNew = 0;
        for (int g = k; g < kGroups; ++g)
            restNew += newGroups[static_cast<std::size_t>(g)].size();
        TextTable rest(sub.colCount());
        rest.reserveWritten(static_cast<int>(restOld + restNew) + 1, (restOld + restNew + 1) * 64);
        rest.setRowCount(static_cast<int>(restOld) + 1);
        int firstEnd = 0, restEnd = 0;
        bothSides(
            true,
            [&] {
                sub.setRowCount(static_cast<int>(oldRowsIn(plan, 0, k)) + 1);
                firstEnd = writeGroups(plan, 0, k, sub, 1);
            },
            [&] { restEnd = writeGroups(plan, k, kGroups, rest, 1); });
        sub.setRowCount(firstEnd + restEnd - 1);
        sub.copyRows(rest, 1, restEnd - 1, firstEnd);
    }
    std::replace(pairs.firstNewRow.begin(), pairs.firstNewRow.end(), kNoNumber, -1);
    return pairs;
}

void fillChooser(const Workspace &ws, const IdIndex &newIds, const Pairs &pairs, Chooser &chooser)
{
    const TextTable &old = ws.StringGrid1;
    chooser.ComboBox3.clear();
    chooser.ListBox1.clear();
    chooser.itemIndex = -1;
    const std::size_t players = static_cast<std::size_t>(old.rowCount());
    chooser.ComboBox3.reserve(players, players * 24);
    chooser.ListBox1.reserve(players, players * 8);
    std::string entry;
    for (int r = 1; r < old.rowCount(); ++r) {
        const std::size_t i = static_cast<std::size_t>(r);
        // Only an id spelled by more than one new row walks the index.
        const int first = pairs.firstNewRow[i];
        for (int q = first; q >= 0; q = pairs.laterNewRows[i] ? newIds.next(q) : -1) {
            entry.assign(old.cell(kNameColumn, r));
            entry += ", ";
            entry += old.cell(kPositionColumn, r);
            chooser.ComboBox3.push_back(entry);
            chooser.ListBox1.push_back(old.cell(kIdColumn, r));
        }
    }
}

} // namespace squadlens
