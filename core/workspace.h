#pragma once
// The comparison workspace: the lines of both team files and the three tables
// made from them. The source-data window is only a view of it.

#include "core/team_file.h"
#include "core/text_table.h"

#include <string>
#include <vector>

namespace squadlens {

struct Workspace {
    Lines ListBoxO;                          // lines of the start-of-period file
    Lines ListBoxN;                          // lines of the end-of-period file
    TextTable StringGrid1{kPlayerColumns, 2}; // old player table
    TextTable StringGrid2{kPlayerColumns, 2}; // new player table
    TextTable SubGrid{10, 2};                 // pairing table
};

// The skills page's player chooser and its parallel, never shown id list.
struct Chooser {
    Lines ComboBox3; // "name, position" (Windows-1251)
    Lines ListBox1;  // the player's id as the old file spells it
    int itemIndex = -1;                 // none chosen

    std::string_view text() const
    {
        if (itemIndex < 0 || itemIndex >= static_cast<int>(ComboBox3.size()))
            return {};
        return ComboBox3[static_cast<std::size_t>(itemIndex)];
    }
};

// Design column widths of the source-data window's tables.
inline constexpr int kPlayerTableWidths[kPlayerColumns] = {
    54, 24, 155, 63, 21, 24, 23, 19, 26, 18, 15, 17, 17, 17, 14, 16, 16, 17, 68, 38, 60, 17, 21,
    18, 21, 20, 17, 17, 17, 19, 15, 16, 20, 19, 18, 19, 19, 20, 20, 19, 21, 20, 14, 20, 17};
inline constexpr int kPairingTableWidths[10] = {41, 127, 32, 97, 95, 95, 86, 86, 98, 25};

} // namespace squadlens
