#include "core/engine.h"

#include "core/pairing.h"
#include "core/parallel.h"
#include "core/skills.h"
#include "core/summary.h"

#include <algorithm>
#include <string>

namespace squadlens {
namespace {

void cutPlayerLines(const Lines &lines, TextTable &players)
{
    // Lines 3 to Count - 2 are the players; the end line yields no row.
    for (std::size_t l = 3; l + 1 < lines.size(); ++l)
        cutPlayerLine(lines, l, players, static_cast<int>(l) - 2);
}

void sizePlayerTable(TextTable &players, const Lines &lines)
{
    // Each run starts from an empty table, so a short line never shows
    // fields of an earlier file.
    players.clear();
    const int rows = std::max<int>(1, static_cast<int>(lines.size()) - 3);
    players.reserveLineRows(rows);
    players.setRowCount(rows);
}

} // namespace

int Engine::findPlayerRow(const TextTable &table, std::string_view id)
{
    Lookup &lookup = &table == &ws.StringGrid1 ? m_oldLookup : m_newLookup;
    if (lookup.index.isCurrentFor(table))
        return lookup.index.first(id);
    if (lookup.table != &table || lookup.scannedVersion != table.version()) {
        lookup.table = &table;
        lookup.scannedVersion = table.version();
        for (int row = 1; row < table.rowCount(); ++row)
            if (table.cell(0, row) == id)
                return row;
        return -1;
    }
    lookup.index.build(table, 0);
    return lookup.index.first(id);
}

void FillButtonClick(Engine &e, RunView &view)
{
    view.showResultArea();

    if (e.firstRun) {
        if (e.TID1 != e.TID2) {
            view.setActivePage(Page::TabSheet2);
            view.setTabHighlighted(Page::TabSheet1, false);
            view.setTabHighlighted(Page::TabSheet2, true);
        } else {
            view.setActivePage(Page::TabSheet1);
        }
        e.firstRun = false;
    }

    Workspace &ws = e.ws;
    sizePlayerTable(ws.StringGrid1, ws.ListBoxO);
    sizePlayerTable(ws.StringGrid2, ws.ListBoxN);
    for (int c = 0; c < kPlayerColumns; ++c) {
        const std::string header = std::to_string(c + 1);
        ws.StringGrid1.setCell(c, 0, header);
        ws.StringGrid2.setCell(c, 0, header);
    }

    {
        // The two files are independent until the pairing: a big pair is
        // converted, cut and indexed side by side on two threads. The
        // indexes are gone before the summary tables take their memory.
        IdIndex oldIds, newIds;
        EndFigures newFigures;
        bothSides(
            ws.ListBoxO.size() + ws.ListBoxN.size() > kParallelSize,
            [&] {
                convertDecimalPoints(ws.ListBoxN);
                cutPlayerLines(ws.ListBoxN, ws.StringGrid2);
                newIds.build(ws.StringGrid2, 0);
                newFigures.build(ws.StringGrid2, newIds);
            },
            [&] {
                convertDecimalPoints(ws.ListBoxO);
                cutPlayerLines(ws.ListBoxO, ws.StringGrid1);
                oldIds.build(ws.StringGrid1, 0);
            });

        const auto pairs = pairRosters(ws, oldIds, newIds, newFigures);
        fillChooser(ws, newIds, pairs, e.chooser);
    }

    ClearTables(e.results, ws);
    fillSummaryTables(ws.SubGrid, e.results);
}

void ComboBox3Change(Engine &e, int index)
{
    e.chooser.itemIndex = index;
    fillSkillsTable(
        e.ws, e.chooser, index,
        [&e](const TextTable &table, std::string_view id) { return e.findPlayerRow(table, id); },
        e.results.StringGrid3);
}

} // namespace squadlens
