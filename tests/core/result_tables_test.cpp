#include "core/result_tables.h"

#include "core/cp1251.h"
#include "core/error.h"

#include <gtest/gtest.h>

using namespace squadlens;

namespace {

using V = std::vector<std::string>;

V row(const TextTable &t, int r)
{
    V out;
    for (int c = 0; c < t.colCount(); ++c)
        out.push_back(toUtf8(t.cell(c, r)));
    return out;
}

Workspace withDates(std::string_view oldLine1, std::string_view newLine1)
{
    Workspace ws;
    ws.ListBoxO = Lines{"1/", oldLine1, "/7/A/", "/***/"};
    ws.ListBoxN = Lines{"1/", newLine1, "/7/A/", "/***/"};
    return ws;
}

TEST(ClearTables, HeadsEveryTableWithTheDatesOfLineOne)
{
    ResultTables t;
    ClearTables(t, withDates("=01.07.2025 10:00", "x02.07.2026"));
    EXPECT_EQ(row(t.StringGrid3, 0), (V{"Скилл", "01.07.2025", "02.07.2026", "Прогресс"}));
    EXPECT_EQ(row(t.StringGrid_ru, 0), (V{"Игрок", "Поз.", "01.07.2025", "02.07.2026", "Прогресс"}));
    EXPECT_EQ(row(t.StringGrid_pr, 0), (V{"Игрок", "Поз.", "01.07.2025", "02.07.2026", "Прогресс"}));
    EXPECT_EQ(row(t.StringGrid_pay, 0), (V{"Игрок", "Поз.", "01.07.2025", "02.07.2026", "Разница"}));
    EXPECT_EQ(row(t.StringGrid_roster, 0),
              (V{"Игроки, 01.07.2025", "Поз.", "РУ", "Игроки, 02.07.2026", "Поз.", "РУ"}));
    EXPECT_EQ(t.StringGrid3.rowCount(), 25);
    EXPECT_EQ(toUtf8(t.StringGrid3.cell(0, 1)), "Навесы");
    EXPECT_EQ(toUtf8(t.StringGrid3.cell(0, 24)), "Игра руками (вр)");
    for (const TextTable *table : {&t.StringGrid_ru, &t.StringGrid_pr, &t.StringGrid_pay, &t.StringGrid_roster})
        EXPECT_EQ(table->rowCount(), 2);
    // "Скилл" begins with a Cyrillic letter.
    EXPECT_EQ(t.StringGrid3.cell(0, 0).front(), '\xD1');
}

TEST(ClearTables, ShortDateLinesGiveWhatThereIs)
{
    ResultTables t;
    ClearTables(t, withDates("x", "x1234567890XYZ"));
    EXPECT_EQ(row(t.StringGrid_roster, 0)[0], "Игроки, ");
    EXPECT_EQ(row(t.StringGrid_ru, 0)[2], "");
    EXPECT_EQ(row(t.StringGrid_ru, 0)[3], "1234567890");
}

TEST(ClearTables, EmptiesWhatAComparisonLeftAndTwiceIsAsOnce)
{
    ResultTables t;
    const Workspace ws = withDates(" 01.07.2025", " 01.07.2026");
    t.StringGrid_ru.setRowCount(500);
    t.StringGrid_ru.setCell(0, 1, "old");
    t.StringGrid_ru.setCell(4, 499, "x");
    t.StringGrid3.setCell(2, 5, "77");
    ClearTables(t, ws);
    EXPECT_EQ(t.StringGrid_ru.rowCount(), 2);
    EXPECT_EQ(row(t.StringGrid_ru, 1), (V{"", "", "", "", ""}));
    EXPECT_EQ(t.StringGrid3.cell(2, 5), "");
    const ResultTables once = t;
    ClearTables(t, ws);
    for (int r = 0; r < 25; ++r)
        EXPECT_EQ(row(t.StringGrid3, r), row(once.StringGrid3, r));
    EXPECT_EQ(row(t.StringGrid_pay, 0), row(once.StringGrid_pay, 0));
}

TEST(ClearTables, NeedsASecondLineInBothLists)
{
    ResultTables t;
    Workspace ws;
    ws.ListBoxO = Lines{"1/"};
    ws.ListBoxN = Lines{"1/", " 01.07.2026"};
    EXPECT_THROW(ClearTables(t, ws), Error);
}

} // namespace
