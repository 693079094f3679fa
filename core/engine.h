#pragma once
// The comparison state of the program and the comparison run.

#include "core/result_tables.h"
#include "core/row_index.h"
#include "core/workspace.h"

#include <string>

namespace squadlens {

// The result pages, named as in the window's design, in tab order.
enum class Page { TabSheet1, TabSheet2, TabSheet3, TabSheet6, TabSheet5, TabSheet4 };

// What the run asks of the window.
class RunView {
public:
    virtual ~RunView() = default;
    virtual void showResultArea() = 0; // Panel4 becomes visible
    virtual void setActivePage(Page page) = 0;
    virtual void setTabHighlighted(Page page, bool highlighted) = 0;
};

struct Engine {
    Workspace ws;
    Chooser chooser;
    ResultTables results;

    // Team ids and names of the accepted files (Windows-1251).
    std::string TID1, TID2, L1, L2;

    // Set at start, cleared by the first comparison run.
    bool firstRun = true;

    // The first row of a player table whose id text is exactly `id`, or -1.
    // The first lookup after a table changed scans it; from the second on,
    // an index answers, so choosing many players costs no rescans.
    int findPlayerRow(const TextTable &table, std::string_view id);

private:
    struct Lookup {
        RowIndex index;
        const TextTable *table = nullptr;
        std::uint64_t scannedVersion = ~std::uint64_t{0};
    };
    Lookup m_oldLookup, m_newLookup;
};

// The comparison run: show the results, choose the first page on the first
// run, turn "." into "," in the player lines, cut both files into the player
// tables, pair, reset the result tables and fill the summary tables.
// A conversion error ends it where it arises; what was written stays.
void FillButtonClick(Engine &engine, RunView &view);

// The user picked chooser entry `index`: fill the skills table for him.
void ComboBox3Change(Engine &engine, int index);

} // namespace squadlens
