#pragma once
// Pairing the two rosters by player id, position group by position group, and
// the skills page's player chooser.

#include "core/end_figures.h"
#include "core/id_index.h"
#include "core/workspace.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace squadlens {

// The eight position codes in the order the pairing table groups players.
const std::array<std::string, 8> &PositionOrder();

// Writes the pairing table: per group of PositionOrder the old players of that
// position in the old table's order (status "1" when the new table has a row
// with their id, else "0" with the leaver marker), then that position's
// newcomers (status "2"). Players with a code outside the eight form a last,
// ninth group in the same way, so every player of either file has one row.
// An old id is converted to an integer and the first new row spelling it as a
// plain decimal is his end-of-period row (`newIds`); a newcomer is a new row
// whose converted id no old row spells so (`oldIds`). A bad id stops the
// pairing with the integer error; the rows written before stay.
// `newFigures` holds the new table's figures. Gives, per old row, the first
// new row with his id (-1 for none) and whether later new rows have it too.
struct Pairs {
    std::vector<std::int32_t> firstNewRow;
    std::vector<std::uint8_t> laterNewRows;
};
Pairs pairRosters(Workspace &ws, const IdIndex &oldIds, const IdIndex &newIds, const EndFigures &newFigures);

// One chooser entry per (old player, new row with his converted id), in the
// old table's order: "name, position" and, in ListBox1, the old id text.
// `pairs` is what the pairing gave; every old id converted there.
void fillChooser(const Workspace &ws, const IdIndex &newIds, const Pairs &pairs, Chooser &chooser);

} // namespace squadlens
