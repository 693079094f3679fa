#include "core/paint_rules.h"

#include "core/texts.h"

#include <gtest/gtest.h>

using namespace squadlens;

namespace {

struct SummaryCase {
    SummaryTable table;
    int col, row;
    std::string text;
    CellPaint paint;
};

const CellPaint kDefault{};
CellPaint aligned(Align a, std::optional<Rgb> text = {}, std::optional<Rgb> bg = {})
{
    return CellPaint{text, bg, Redraw::Aligned, a};
}

TEST(SummaryDrawCell, ColoursMarkersAndChangesByTable)
{
    using enum SummaryTable;
    const std::string newcomer = texts::newcomer(), leaver = texts::leaver();
    const SummaryCase cases[] = {
        {Rating, 4, 0, "Прогресс", kDefault},
        {Salary, 0, 0, "x", kDefault},
        {Rating, 0, 3, "Имя", aligned(Align::Left)},
        {Value, 1, 3, "GK", aligned(Align::Center)},
        {Rating, 2, 3, newcomer, aligned(Align::Right, clGreen)},
        {Salary, 3, 3, leaver, aligned(Align::Right, clRed)},
        {Value, 0, 3, leaver, aligned(Align::Left, clRed)},
        {Rating, 4, 3, "n/a", aligned(Align::Right)},
        {Rating, 4, 3, "0,0", aligned(Align::Right)},
        {Rating, 4, 3, "0,00", aligned(Align::Right)},
        {Rating, 4, 3, "-0,5", aligned(Align::Right, {}, PaleRed)},
        {Rating, 4, 3, "1,5", aligned(Align::Right, {}, PaleGreen)},
        {Rating, 4, 3, "1,5E2", aligned(Align::Right, {}, PaleGreen)},
        {Rating, 4, 3, "junk", aligned(Align::Right)},
        {Rating, 4, 3, "", aligned(Align::Right)},
        {Value, 4, 3, "-1.250.000", aligned(Align::Right, {}, PaleRed)},
        {Value, 4, 3, "250.000", aligned(Align::Right, {}, PaleGreen)},
        {Value, 4, 3, "0", aligned(Align::Right)},
        {Value, 4, 3, "05", aligned(Align::Right)},
        {Value, 4, 3, "", aligned(Align::Right)},
        {Value, 4, 3, "n/a", aligned(Align::Right)},
        {Salary, 4, 3, "-1.250", aligned(Align::Right, {}, PaleGreen)},
        {Salary, 4, 3, "250", aligned(Align::Right, {}, PaleRed)},
        {Salary, 4, 3, "0", aligned(Align::Right)},
        {Salary, 4, 3, "05", aligned(Align::Right, {}, PaleRed)},
        {Salary, 4, 3, "n/a", aligned(Align::Right)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(summaryDrawCell(c.table, c.col, c.row, c.text), c.paint)
            << int(c.table) << " col " << c.col << " row " << c.row << " '" << c.text << "'";
}

TEST(PositionSkillColours, EachGroupHasItsShareOfColours)
{
    const std::pair<char, std::array<int, 3>> expected[] = {
        {'K', {13, 0, 11}}, {'D', {12, 4, 8}}, {'M', {12, 4, 8}}, {'W', {12, 4, 8}}};
    for (const auto &[group, counts] : expected) {
        std::array<int, 3> got{};
        for (int row = 1; row <= 24; ++row) {
            const Rgb c = PositionSkillColours(row, group);
            ++got[c == clGreen ? 0 : c == clBlue ? 1 : 2];
        }
        EXPECT_EQ(got, counts) << group;
    }
    EXPECT_EQ(PositionSkillColours(2, 'D'), clBlue);  // heading for a defender
    EXPECT_EQ(PositionSkillColours(3, 'W'), clGreen); // shooting for a forward
    EXPECT_EQ(PositionSkillColours(21, 'K'), clGreen);
    EXPECT_EQ(PositionSkillColours(21, 'M'), clRed);
}

TEST(StringGrid3DrawCell, ColoursByGroupAndProgress)
{
    EXPECT_EQ(positionGroup("Иванов, GK"), 'K');
    EXPECT_EQ(positionGroup("A, CD"), 'D');
    EXPECT_EQ(positionGroup("A, RM"), 'M');
    EXPECT_EQ(positionGroup("A, FW"), 'W');
    EXPECT_EQ(positionGroup("A, XX"), 0);
    EXPECT_EQ(positionGroup(""), 0);

    const CellPaint none{};
    const CellPaint red{{}, PaleRed, Redraw::AtPoint, Align::Left};
    const CellPaint green{{}, PaleGreen, Redraw::AtPoint, Align::Left};
    EXPECT_EQ(StringGrid3DrawCell(3, 0, "-5", "A, GK"), none);
    EXPECT_EQ(StringGrid3DrawCell(3, 5, "-1", ""), red);
    EXPECT_EQ(StringGrid3DrawCell(3, 5, "3", "A, XX"), green);
    EXPECT_EQ(StringGrid3DrawCell(3, 5, "0", "A, GK"), none);
    EXPECT_EQ(StringGrid3DrawCell(3, 5, "junk", "A, GK"), none);
    EXPECT_EQ(StringGrid3DrawCell(3, 5, "", "A, GK"), none);

    EXPECT_EQ(StringGrid3DrawCell(0, 8, "Пенальти", "A, GK"), (CellPaint{clGreen, {}, Redraw::AtPoint}));
    EXPECT_EQ(StringGrid3DrawCell(1, 1, "50", "A, GK"), (CellPaint{clRed, {}, Redraw::AtPoint}));
    EXPECT_EQ(StringGrid3DrawCell(2, 2, "50", "A, LD"), (CellPaint{clBlue, {}, Redraw::AtPoint}));
    EXPECT_EQ(StringGrid3DrawCell(0, 1, "Навесы", ""), none);
    EXPECT_EQ(StringGrid3DrawCell(0, 1, "Навесы", "A, XX"), none);
}

} // namespace
