#pragma once
// A team file is a Windows-1251 text snapshot of one club's squad:
//
//   line 0          "1/"
//   line 1          one skipped character, then the date dd.mm.yyyy (10 chars)
//   line 2          "/" team id "/" team name "/" and a rest nobody reads
//   lines 3..n-2    one player line each: "/" f0 "/" f1 "/" ... "/" f44 "/"
//   line n-1        "/***/"
//
// Player fields: 0 id, 2 name, 4 position code, 18 market value, 19 rating
// (decimal, "." in the file), 20 salary, 21..44 the 24 skills in the order of
// SkillNames. The other fields are kept as text and never read.
//
// Lines end at CR LF, a lone CR or a lone LF; a last line without a line end
// is a line too, an empty tail after the last line end adds none, and a NUL
// byte ends the text. Bytes are kept as they are: one byte, one character.

#include "core/lines.h"

#include <array>
#include <string>
#include <string_view>

namespace squadlens {

class TextTable;

inline constexpr int kPlayerColumns = 45;
// The player table's columns the comparison reads, from 0.
inline constexpr int kIdColumn = 0, kNameColumn = 2, kPositionColumn = 4;
inline constexpr int kValueColumn = 18, kRatingColumn = 19, kSalaryColumn = 20;
static_assert(kPositionColumn < 5 && kRatingColumn == kValueColumn + 1 && kSalaryColumn == kValueColumn + 2,
              "the comparison reads the first five fields and value, rating, salary in one walk each");
inline constexpr int kFirstSkillColumn = 21;
inline constexpr int kSkillCount = 24;

Lines splitLines(std::string_view bytes);

// Reads the whole file; "Cannot open file <path>" when it cannot be opened
// (missing, a folder, unreadable).
Lines readTeamFile(const std::string &path);

// The 24 skill display names (Windows-1251), slot k-1 for skill k; the 25th
// slot is empty and never read.
const std::array<std::string, 25> &SkillNames();

// Cuts one player line into row `row` of a 45-column player table: every "/"
// but one in position 1 closes a field, text after the last "/" is dropped,
// fields past column 44 are not kept.
void cutPlayerLine(std::string_view line, TextTable &table, int row);
// The same for line `index` of `lines`; the row shows the fields in place.
void cutPlayerLine(const Lines &lines, std::size_t index, TextTable &table, int row);

// Every "." of lines 3 to the last becomes ","; lines 0 to 2 keep theirs.
void convertDecimalPoints(Lines &lines);

} // namespace squadlens
