#include "core/skills.h"

#include "core/engine.h"
#include "core/error.h"
#include "fixtures.h"

#include <gtest/gtest.h>

using namespace squadlens;
using namespace squadlens::test;

namespace {

std::array<int, 24> skills(int base)
{
    std::array<int, 24> s{};
    for (int i = 0; i < 24; ++i)
        s[static_cast<std::size_t>(i)] = base + i;
    return s;
}

class SkillsTest : public testing::Test {
protected:
    void compare(std::initializer_list<Player> older, std::initializer_list<Player> newer)
    {
        e.ws.ListBoxO = teamLines("7", "01.07.2025", older);
        e.ws.ListBoxN = teamLines("7", "01.07.2026", newer);
        NullRunView view;
        FillButtonClick(e, view);
    }
    std::string cell(int c, int r) const { return toUtf8(e.results.StringGrid3.cell(c, r)); }
    Engine e;
};

TEST_F(SkillsTest, ShowsBothDatesAndTheProgress)
{
    Player older{"1", "А", "CD"}, newer{"1", "А", "CD"};
    older.skills = skills(50);
    newer.skills = skills(50);
    newer.skills[0] = 48; // -2
    newer.skills[23] = 78; // +5
    compare({older}, {newer});
    EXPECT_EQ(cell(0, 1), "Навесы"); // names only until a player is chosen
    EXPECT_EQ(cell(1, 1), "");
    ComboBox3Change(e, 0);
    EXPECT_EQ(e.chooser.itemIndex, 0);
    EXPECT_EQ(cell(0, 1), "Навесы");
    EXPECT_EQ(cell(0, 24), "Игра руками (вр)");
    EXPECT_EQ(cell(1, 1), "50");
    EXPECT_EQ(cell(2, 1), "48");
    EXPECT_EQ(cell(3, 1), "-2");
    EXPECT_EQ(cell(3, 2), "0");
    EXPECT_EQ(cell(3, 24), "5");
    EXPECT_EQ(toUtf8(e.results.StringGrid3.cell(1, 0)), "01.07.2025");
}

TEST_F(SkillsTest, UsesTheFirstRowOfADuplicatedId)
{
    Player a{"1", "А", "GK"}, b{"1", "Б", "GK"}, n{"1", "А", "GK"};
    a.skills = skills(10);
    b.skills = skills(60);
    n.skills = skills(20);
    compare({a, b}, {n});
    ASSERT_EQ(e.chooser.ComboBox3.size(), 2u);
    ComboBox3Change(e, 1); // the second entry has the same id: the first row is shown
    EXPECT_EQ(cell(1, 1), "10");
    EXPECT_EQ(cell(3, 1), "10");
}

TEST_F(SkillsTest, PlayerNotSpelledSoInTheNewFileShowsNoNewFigures)
{
    Player a{"1", "А", "GK"}, b{"+2", "Б", "GK"}, na{"1", "А", "GK"}, nb{"2", "Б", "GK"};
    a.skills = skills(10);
    b.skills = skills(30);
    na.skills = skills(20);
    nb.skills = skills(40);
    compare({a, b}, {na, nb});
    ASSERT_EQ(e.chooser.ListBox1, (Lines{"1", "+2"}));
    ComboBox3Change(e, 0);
    ASSERT_EQ(cell(2, 5), "24");
    ComboBox3Change(e, 1);
    EXPECT_EQ(cell(1, 5), "34");
    EXPECT_EQ(cell(2, 5), ""); // never the previous player's figures
    EXPECT_EQ(cell(3, 5), "");
}

TEST_F(SkillsTest, ABadSkillStopsTheFillAtItsRow)
{
    Player older{"1", "А", "GK"}, newer{"1", "А", "GK"};
    older.skills = skills(10);
    newer.skills = skills(20);
    compare({older}, {newer});
    e.ws.StringGrid2.setCell(kFirstSkillColumn + 2, 1, "9x"); // skill 3
    try {
        ComboBox3Change(e, 0);
        FAIL();
    } catch (const Error &err) {
        EXPECT_STREQ(err.what(), "'9x' is not a valid integer value");
    }
    EXPECT_EQ(cell(3, 2), "10");
    EXPECT_EQ(cell(2, 3), "9x");
    EXPECT_EQ(cell(3, 3), "");
    EXPECT_EQ(cell(2, 4), "");
}

TEST_F(SkillsTest, ProgressIsExactPastThirtyTwoBits)
{
    Player older{"1", "А", "GK"}, newer{"1", "А", "GK"};
    compare({older}, {newer});
    e.ws.StringGrid1.setCell(kFirstSkillColumn, 1, "-2147483648");
    e.ws.StringGrid2.setCell(kFirstSkillColumn, 1, "2147483647");
    ComboBox3Change(e, 0);
    EXPECT_EQ(cell(3, 1), "4294967295");
}

} // namespace
