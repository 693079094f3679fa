#pragma once
// How the result tables paint their cells, as pure functions of the cell's
// text, so the window and the HTML report colour alike.
//
// Every cell is first painted the grid's default way (header colour in row 0,
// selection colours in the selected row, text at 2,2 from the corner); a rule
// then sets what it sets and redraws. Colours it leaves unset stay as the
// default painting left them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace squadlens {

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb clGreen{0, 128, 0};
inline constexpr Rgb clRed{255, 0, 0};
inline constexpr Rgb clBlue{0, 0, 255};
inline constexpr Rgb clMaroon{128, 0, 0};
inline constexpr Rgb clNavy{0, 0, 128};
inline constexpr Rgb clGray{128, 128, 128};
inline constexpr Rgb clPurple{128, 0, 128};
inline constexpr Rgb PaleGreen{186, 240, 179};
inline constexpr Rgb PaleRed{255, 176, 176};

enum class Align { Left, Center, Right };

enum class Redraw {
    None,    // the default painting only
    AtPoint, // fill the cell with the background, text at (left + 2, top + 2)
    Aligned, // fill the cell, text in (left + 2, top + 2, right - 2, bottom), aligned, clipped
};

struct CellPaint {
    std::optional<Rgb> text;
    std::optional<Rgb> background;
    Redraw redraw = Redraw::None;
    Align align = Align::Left;
    friend bool operator==(const CellPaint &, const CellPaint &) = default;
};

// The skills table: the position group is the last character of the chooser's
// text: 'K', 'D', 'M' or 'W'; 0 for none.
char positionGroup(std::string_view chooserText);
// Text colour of skill row 1..24 for a group.
Rgb PositionSkillColours(int row, char group);
CellPaint StringGrid3DrawCell(int col, int row, std::string_view text, std::string_view chooserText);

// The rating, value and salary tables: one rule in three variants.
enum class SummaryTable { Rating, Value, Salary };
CellPaint summaryDrawCell(SummaryTable table, int col, int row, std::string_view text);
inline CellPaint StringGrid_ruDrawCell(int col, int row, std::string_view text)
{
    return summaryDrawCell(SummaryTable::Rating, col, row, text);
}
inline CellPaint StringGrid_prDrawCell(int col, int row, std::string_view text)
{
    return summaryDrawCell(SummaryTable::Value, col, row, text);
}
inline CellPaint StringGrid_payDrawCell(int col, int row, std::string_view text)
{
    return summaryDrawCell(SummaryTable::Salary, col, row, text);
}

} // namespace squadlens
