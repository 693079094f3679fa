#include "core/paint_rules.h"

#include "core/numbers.h"
#include "core/texts.h"

namespace squadlens {
namespace {

// Per skill row, the colour for the groups K, D, M, W: g green, b blue, r red.
constexpr const char *kSkillColours[24] = {
    "rrgr", "rbrg", "rrbg", "rrgb", "rrbg", "rgrr", "rbgb", "gggg",
    "gggg", "gggg", "rgbr", "gggg", "rbrg", "ggbr", "gggg", "rgrb",
    "gggg", "rbgb", "gggg", "gggg", "grrr", "grrr", "grrr", "grrr",
};

enum class Change { Rise, Fall, Neither };

Change ratingChange(std::string_view text)
{
    if (text == texts::kNotApplicable)
        return Change::Neither;
    const long double v = tryStrToFloat(text).value_or(0);
    return v < 0 ? Change::Fall : v > 0 ? Change::Rise : Change::Neither;
}

Change moneyChange(SummaryTable table, std::string_view text)
{
    if (text.empty() || text == texts::kNotApplicable)
        return Change::Neither;
    if (text[0] == '-')
        return Change::Fall;
    // The value table looks at the first character only, the salary table at
    // the whole text: "0" is no change in both, "05" only in the value table.
    if (table == SummaryTable::Value ? text[0] == '0' : text == "0")
        return Change::Neither;
    return Change::Rise;
}

} // namespace

char positionGroup(std::string_view chooserText)
{
    if (chooserText.empty())
        return 0;
    const char last = chooserText.back();
    return last == 'K' || last == 'D' || last == 'M' || last == 'W' ? last : 0;
}

Rgb PositionSkillColours(int row, char group)
{
    int g = 0;
    switch (group) {
    case 'K': g = 0; break;
    case 'D': g = 1; break;
    case 'M': g = 2; break;
    case 'W': g = 3; break;
    default: return clGreen;
    }
    if (row < 1 || row > 24)
        return clGreen;
    switch (kSkillColours[row - 1][g]) {
    case 'b': return clBlue;
    case 'r': return clRed;
    default: return clGreen;
    }
}

CellPaint StringGrid3DrawCell(int col, int row, std::string_view text, std::string_view chooserText)
{
    CellPaint paint;
    if (row == 0)
        return paint;
    if (col == 3) {
        const int v = tryStrToInt(text).value_or(0);
        if (v == 0)
            return paint;
        paint.background = v < 0 ? PaleRed : PaleGreen;
        paint.redraw = Redraw::AtPoint;
        return paint;
    }
    if (col >= 0 && col <= 2) {
        const char group = positionGroup(chooserText);
        if (group == 0)
            return paint;
        paint.text = PositionSkillColours(row, group);
        paint.redraw = Redraw::AtPoint;
    }
    return paint;
}

CellPaint summaryDrawCell(SummaryTable table, int col, int row, std::string_view text)
{
    CellPaint paint;
    if (row == 0)
        return paint;
    paint.redraw = Redraw::Aligned;
    paint.align = col == 0 ? Align::Left : col == 1 ? Align::Center : Align::Right;
    if (col <= 3) {
        if (text == texts::newcomer())
            paint.text = clGreen;
        else if (text == texts::leaver())
            paint.text = clRed;
        return paint;
    }
    const Change change =
        table == SummaryTable::Rating ? ratingChange(text) : moneyChange(table, text);
    const bool good = table == SummaryTable::Salary ? change == Change::Fall : change == Change::Rise;
    if (change != Change::Neither)
        paint.background = good ? PaleGreen : PaleRed;
    return paint;
}

} // namespace squadlens
