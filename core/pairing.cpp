#include "core/pairing.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "core/texts.h"

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

    std::vector<std::int32_t> firstNewRow(static_cast<std::size_t>(old.rowCount()), -1);
    const auto oldGroups = rowsByGroup(old);
    const auto newGroups = rowsByGroup(neu);
    for (int g = 0; g < kGroups; ++g) {
        for (int r : oldGroups[static_cast<std::size_t>(g)]) {
            sub.setCell(0, next, old.cell(Id, r));
            sub.setCell(1, next, old.cell(Name, r));
            sub.setCell(2, next, old.cell(Position, r));
            sub.setCell(3, next, old.cell(Rating, r));
            sub.setCell(5, next, old.cell(Value, r));
            sub.setCell(7, next, old.cell(Salary, r));
            const int q = newIds.first(strToInt(old.cell(Id, r)));
            firstNewRow[static_cast<std::size_t>(r)] = q;
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
            if (oldIds.first(strToInt(neu.cell(Id, q))) >= 0)
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
