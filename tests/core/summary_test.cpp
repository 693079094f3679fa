#include "core/summary.h"

#include "core/error.h"
#include "core/texts.h"
#include "fixtures.h"

#include <gtest/gtest.h>

using namespace squadlens;
using namespace squadlens::test;

namespace {

using V = std::vector<std::string>;

// A pairing table written by hand: each row "name pos r0 r1 v0 v1 s0 s1 status",
// with "new" and "left" for the markers.
TextTable pairing(std::initializer_list<V> rows)
{
    TextTable sub(10, 1 + static_cast<int>(rows.size()));
    int r = 1;
    for (const V &row : rows) {
        for (int c = 0; c < 9; ++c) {
            std::string text = row[static_cast<std::size_t>(c)];
            if (text == "new")
                text = texts::newcomer();
            else if (text == "left")
                text = texts::leaver();
            else
                text = toCp1251(text);
            sub.setCell(c + 1, r, text);
        }
        ++r;
    }
    return sub;
}

ResultTables cleared()
{
    ResultTables t;
    Workspace ws;
    ws.ListBoxO = {"1/", " 01.07.2025"};
    ws.ListBoxN = {"1/", " 01.07.2026"};
    ClearTables(t, ws);
    return t;
}

V row(const TextTable &t, int r)
{
    V out;
    for (int c = 0; c < t.colCount(); ++c)
        out.push_back(toUtf8(t.cell(c, r)));
    return out;
}

TEST(SummaryFill, RowsForStayersLeaversAndNewcomersAndTotalsLast)
{
    ResultTables t = cleared();
    fillSummaryTables(pairing({
                          {"Рост", "CD", "54,35", "55,6", "1000000", "1250000", "1500", "1000", "1"},
                          {"Спад", "CD", "60", "59,5", "500", "500", "1000", "2500", "1"},
                          {"Ровно", "FW", "70", "70", "1234", "1234", "100", "100", "1"},
                          {"Ушёл", "GK", "50", "left", "1250000", "left", "2000", "left", "0"},
                          {"Пришёл", "LM", "new", "65,5", "new", "300000", "new", "3000", "2"},
                      }),
                      t);
    const TextTable &ru = t.StringGrid_ru, &pr = t.StringGrid_pr, &pay = t.StringGrid_pay;
    ASSERT_EQ(ru.rowCount(), 7);
    ASSERT_EQ(pr.rowCount(), 7);
    ASSERT_EQ(pay.rowCount(), 7);

    EXPECT_EQ(row(ru, 1), (V{"Рост", "CD", "54,35", "55,6", "1,3"}));
    EXPECT_EQ(row(ru, 2), (V{"Спад", "CD", "60", "59,5", "-0,5"}));
    EXPECT_EQ(row(ru, 3), (V{"Ровно", "FW", "70", "70", "0,0"}));
    EXPECT_EQ(row(ru, 4), (V{"Ушёл", "GK", "50", "покинул клуб", "n/a"}));
    EXPECT_EQ(row(ru, 5), (V{"Пришёл", "LM", "новичок клуба", "65,5", "n/a"}));

    EXPECT_EQ(row(pr, 1), (V{"Рост", "CD", "1.000.000", "1.250.000", "250.000"}));
    EXPECT_EQ(row(pr, 2), (V{"Спад", "CD", "500", "500", "0"}));
    EXPECT_EQ(row(pr, 4), (V{"Ушёл", "GK", "1.250.000", "покинул клуб", "n/a"}));
    EXPECT_EQ(row(pr, 5), (V{"Пришёл", "LM", "новичок клуба", "300.000", "n/a"}));

    EXPECT_EQ(row(pay, 1), (V{"Рост", "CD", "1.500", "1.000", "-500"}));
    EXPECT_EQ(row(pay, 2), (V{"Спад", "CD", "1.000", "2.500", "1.500"}));

    // Old figures cover the leaver, new ones the newcomer.
    // Old ratings 54.35 + 60 + 70 + 50 = 234.35 / 4 = 58.5875; new 55.6 + 59.5 + 70 + 65.5 = 62.65.
    EXPECT_EQ(row(ru, 6), (V{"Средний РУ:", "", "58,59", "62,65", "4,06"}));
    EXPECT_EQ(row(pr, 6), (V{"Общая стоимость:", "", "2.251.734", "1.551.734", "-700.000"}));
    EXPECT_EQ(row(pay, 6), (V{"Общая ЗП:", "", "4.600", "6.600", "2.000"}));
}

TEST(SummaryFill, MoneyTotalsPastThirtyTwoBitsStayExact)
{
    ResultTables t = cleared();
    fillSummaryTables(pairing({
                          {"А", "GK", "50", "50", "2147483647", "2147483647", "2000000000", "-2000000000", "1"},
                          {"Б", "GK", "50", "50", "2147483647", "-2147483648", "2000000000", "-2000000000", "1"},
                      }),
                      t);
    EXPECT_EQ(row(t.StringGrid_pr, 2)[4], "-4.294.967.295");
    EXPECT_EQ(row(t.StringGrid_pr, 3), (V{"Общая стоимость:", "", "4.294.967.294", "-1", "-4.294.967.295"}));
    EXPECT_EQ(row(t.StringGrid_pay, 3), (V{"Общая ЗП:", "", "4.000.000.000", "-4.000.000.000", "-8.000.000.000"}));
}

TEST(SummaryFill, EmptyPairingGivesTheTotalsRowOnly)
{
    ResultTables t = cleared();
    fillSummaryTables(TextTable(10, 1), t);
    ASSERT_EQ(t.StringGrid_ru.rowCount(), 2);
    EXPECT_EQ(row(t.StringGrid_ru, 1), (V{"Средний РУ:", "", "n/a", "n/a", "n/a"}));
    EXPECT_EQ(row(t.StringGrid_pay, 1), (V{"Общая ЗП:", "", "0", "0", "0"}));
}

TEST(SummaryFill, OneSnapshotWithoutPlayersHasNoAverage)
{
    ResultTables t = cleared();
    fillSummaryTables(pairing({{"Пришёл", "LM", "new", "65,5", "new", "300000", "new", "3000", "2"}}), t);
    EXPECT_EQ(row(t.StringGrid_ru, 2), (V{"Средний РУ:", "", "n/a", "65,50", "n/a"}));
}

TEST(SummaryFill, ABadFigureStopsTheFillWhereItIsRead)
{
    ResultTables t = cleared();
    try {
        fillSummaryTables(pairing({
                              {"А", "GK", "50", "51", "100", "200", "10", "20", "1"},
                              {"Б", "GK", "50", "51", "100", "2x", "10", "20", "1"},
                              {"В", "GK", "50", "51", "100", "200", "10", "20", "1"},
                          }),
                          t);
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'2x' is not a valid integer value");
    }
    // Row 2 has its rating cells and value cells up to the failing one.
    EXPECT_EQ(row(t.StringGrid_ru, 2), (V{"Б", "GK", "50", "51", "1,0"}));
    EXPECT_EQ(row(t.StringGrid_pr, 2), (V{"Б", "GK", "100", "", ""}));
    EXPECT_EQ(row(t.StringGrid_pay, 2), (V{"", "", "", "", ""}));
    EXPECT_EQ(t.StringGrid_ru.rowCount(), 4); // the row and the empty one below it
}

TEST(SummaryFill, RatingErrorsAndExtremeRatings)
{
    ResultTables t = cleared();
    EXPECT_THROW(fillSummaryTables(pairing({{"А", "GK", "50.5", "51", "1", "1", "1", "1", "1"}}), t), Error);

    t = cleared();
    fillSummaryTables(pairing({{"А", "GK", "0", "1E4000", "1", "1", "1", "1", "1"}}), t);
    EXPECT_EQ(row(t.StringGrid_ru, 1)[4], "INF");
    EXPECT_EQ(row(t.StringGrid_ru, 2), (V{"Средний РУ:", "", "0,00", "INF", "INF"}));
}

} // namespace

namespace {

TEST(SummaryFill, AMarkerTextWhereAPairedFigureBelongsIsNoNumber)
{
    ResultTables t = cleared();
    try {
        fillSummaryTables(pairing({{"А", "GK", "50", "51", "new", "200", "10", "20", "1"}}), t);
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'новичок клуба' is not a valid integer value");
    }
    EXPECT_EQ(row(t.StringGrid_pr, 1), (V{"А", "GK", "новичок клуба", "200", ""}));
}

} // namespace

namespace {

TextTable bigPairing(int rows, const std::string &lastValue)
{
    TextTable sub(10, rows + 1);
    for (int r = 1; r <= rows; ++r) {
        const std::string cells[10] = {std::to_string(r), "P" + std::to_string(r), "GK", "50", "51",
                                       "100", r == rows ? lastValue : "150", "10", "9", "1"};
        for (int c = 0; c < 10; ++c)
            sub.setCell(c, r, cells[c]);
    }
    return sub;
}

// A big squad is filled in two passes side by side; the result, and the
// state a bad figure leaves, are those of the one-pass fill.
TEST(SummaryFill, BigSquadsComeOutAsSmallOnesDo)
{
    ResultTables t = cleared();
    fillSummaryTables(bigPairing(30000, "150"), t);
    ASSERT_EQ(t.StringGrid_pay.rowCount(), 30002);
    EXPECT_EQ(row(t.StringGrid_ru, 17), (V{"P17", "GK", "50", "51", "1,0"}));
    EXPECT_EQ(row(t.StringGrid_pr, 29999), (V{"P29999", "GK", "100", "150", "50"}));
    EXPECT_EQ(row(t.StringGrid_pay, 30000), (V{"P30000", "GK", "10", "9", "-1"}));
    EXPECT_EQ(row(t.StringGrid_ru, 30001), (V{"Средний РУ:", "", "50,00", "51,00", "1,00"}));
    EXPECT_EQ(row(t.StringGrid_pr, 30001), (V{"Общая стоимость:", "", "3.000.000", "4.500.000", "1.500.000"}));
    EXPECT_EQ(row(t.StringGrid_pay, 30001), (V{"Общая ЗП:", "", "300.000", "270.000", "-30.000"}));

    t = cleared();
    try {
        fillSummaryTables(bigPairing(30000, "bad"), t);
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'bad' is not a valid integer value");
    }
    EXPECT_EQ(t.StringGrid_ru.rowCount(), 30002);
    EXPECT_EQ(row(t.StringGrid_ru, 30000), (V{"P30000", "GK", "50", "51", "1,0"}));
    EXPECT_EQ(row(t.StringGrid_pr, 30000), (V{"P30000", "GK", "100", "", ""}));
    EXPECT_EQ(row(t.StringGrid_pay, 30000), (V{"", "", "", "", ""}));
    EXPECT_EQ(row(t.StringGrid_pay, 29999), (V{"P29999", "GK", "10", "9", "-1"}));
    EXPECT_EQ(row(t.StringGrid_ru, 30001), (V{"", "", "", "", ""}));
}

} // namespace
