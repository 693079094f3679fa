#include "core/pairing.h"

#include "core/id_index.h"

#include "core/engine.h"
#include "core/error.h"
#include "core/texts.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace squadlens;
using namespace squadlens::test;

namespace {

// Runs the comparison of two player lists and gives the pairing table's rows
// as "id status col3 col4" strings.
class PairingTest : public testing::Test {
protected:
    void run(std::initializer_list<Player> older, std::initializer_list<Player> newer)
    {
        run(std::vector<Player>(older), std::vector<Player>(newer));
    }
    void run(const std::vector<Player> &older, const std::vector<Player> &newer)
    {
        engine.ws.ListBoxO = teamLines("7", "01.07.2025", older);
        engine.ws.ListBoxN = teamLines("7", "01.07.2026", newer);
        NullRunView view;
        FillButtonClick(engine, view);
    }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> out;
        const TextTable &sub = engine.ws.SubGrid;
        for (int r = 1; r < sub.rowCount(); ++r)
            out.push_back(std::string(sub.cell(0, r)) + " " + std::string(sub.cell(2, r)) + " " +
                          std::string(sub.cell(9, r)));
        return out;
    }
    std::vector<std::string> chooser() const
    {
        std::vector<std::string> out;
        for (std::size_t k = 0; k < engine.chooser.ComboBox3.size(); ++k)
            out.push_back(toUtf8(engine.chooser.ComboBox3[k]) + "|" + std::string(engine.chooser.ListBox1[k]));
        return out;
    }
    Engine engine;
};

using V = std::vector<std::string>;

TEST_F(PairingTest, GroupsByPositionOldPlayersFirstThenNewcomers)
{
    run({{"1", "Иванов", "FW"}, {"2", "Петров", "GK"}, {"3", "Сидоров", "LM"}, {"4", "Козлов", "LM"}},
        {{"9", "Новый", "LM"}, {"3", "Сидоров", "LM"}, {"2", "Петров", "GK"}, {"1", "Иванов", "FW"},
         {"8", "Вратарь", "GK"}});
    EXPECT_EQ(rows(), (V{"2 GK 1", "8 GK 2", "3 LM 1", "4 LM 0", "9 LM 2", "1 FW 1"}));
    EXPECT_EQ(engine.ws.SubGrid.rowCount(), 7);
    EXPECT_EQ(chooser(), (V{"Иванов, FW|1", "Петров, GK|2", "Сидоров, LM|3"}));
}

TEST_F(PairingTest, WritesFiguresAndMarkers)
{
    run({{"1", "Стоял", "CD", "1000", "50,5", "100"}, {"2", "Ушёл", "RD", "2000", "60", "200"}},
        {{"1", "Стоял", "LD", "1500", "51", "90"}, {"3", "Пришёл", "RD", "3000", "70", "300"}});
    const TextTable &s = engine.ws.SubGrid;
    const auto row = [&](int r) {
        V cells;
        for (int c = 0; c < 10; ++c)
            cells.push_back(toUtf8(s.cell(c, r)));
        return cells;
    };
    // A player who changed position stays in his old group with his old code.
    EXPECT_EQ(row(1), (V{"1", "Стоял", "CD", "50,5", "51", "1000", "1500", "100", "90", "1"}));
    EXPECT_EQ(row(2), (V{"2", "Ушёл", "RD", "60", "покинул клуб", "2000", "покинул клуб", "200",
                         "покинул клуб", "0"}));
    EXPECT_EQ(row(3), (V{"3", "Пришёл", "RD", "новичок клуба", "70", "новичок клуба", "3000",
                         "новичок клуба", "300", "2"}));
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(s.cell(c, 0), "") << "the header row stays empty";
}

TEST_F(PairingTest, DuplicatedIds)
{
    // Two new rows with one id: the pairing uses the upper one, the chooser lists both.
    run({{"1", "А", "GK", "1000"}}, {{"1", "А", "GK", "2000"}, {"1", "А2", "GK", "3000"}});
    EXPECT_EQ(rows(), (V{"1 GK 1"}));
    EXPECT_EQ(engine.ws.SubGrid.cell(6, 1), "2000");
    EXPECT_EQ(chooser(), (V{"А, GK|1", "А, GK|1"}));

    // Two old rows with one id: two pairing rows with the same end figures.
    run({{"1", "А", "GK", "1000"}, {"1", "Б", "GK", "1100"}}, {{"1", "А", "GK", "2000"}});
    EXPECT_EQ(rows(), (V{"1 GK 1", "1 GK 1"}));
    EXPECT_EQ(engine.ws.SubGrid.cell(6, 2), "2000");
    EXPECT_EQ(chooser(), (V{"А, GK|1", "Б, GK|1"}));
}

TEST_F(PairingTest, LeadingZerosAndSignsMatchNoIdSpelledOtherwise)
{
    // "007" converts to 7, and no new row spells "7": leaver and newcomer.
    run({{"007", "А", "GK"}}, {{"007", "А", "GK"}});
    EXPECT_EQ(rows(), (V{"007 GK 0", "007 GK 2"}));
    EXPECT_TRUE(chooser().empty());

    // A sign in the old file only still pairs the old row, but the new row
    // is also taken for a newcomer: no old row spells "5".
    run({{"+5", "Б", "GK"}}, {{"5", "Б", "GK"}});
    EXPECT_EQ(rows(), (V{"+5 GK 1", "5 GK 2"}));
    EXPECT_EQ(chooser(), (V{"Б, GK|+5"}));
}

TEST_F(PairingTest, UnknownPositionsFormALastGroup)
{
    run({{"1", "А", "XX"}, {"2", "Б", "FW"}, {"3", "В", "gk"}},
        {{"4", "Г", "??"}, {"1", "А", "FW"}, {"2", "Б", "FW"}});
    EXPECT_EQ(rows(), (V{"2 FW 1", "1 XX 1", "3 gk 0", "4 ?? 2"}));
    EXPECT_EQ(engine.ws.SubGrid.rowCount(), 5);
    // Every row reaches the summary tables, totals last.
    EXPECT_EQ(engine.results.StringGrid_ru.rowCount(), 6);
}

TEST_F(PairingTest, FilesOfTwoClubsAndFilesWithoutPlayers)
{
    run({{"1", "А", "GK"}}, {{"2", "Б", "GK"}});
    EXPECT_EQ(rows(), (V{"1 GK 0", "2 GK 2"}));
    EXPECT_TRUE(chooser().empty());

    run({}, {});
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(engine.ws.SubGrid.rowCount(), 1);
}

TEST_F(PairingTest, CountsMatchAFullSquad)
{
    // 20 old players of whom 2 left, 3 newcomers: 24 rows, 18 chooser entries.
    std::vector<Player> older, newer;
    for (int i = 1; i <= 20; ++i)
        older.push_back({std::to_string(i), "И", PositionOrder()[i % 8]});
    for (int i = 3; i <= 23; ++i)
        newer.push_back({std::to_string(i), "И", PositionOrder()[i % 8]});
    engine.ws.ListBoxO = teamLines("7", "01.07.2025", older);
    engine.ws.ListBoxN = teamLines("7", "01.07.2026", newer);
    NullRunView view;
    FillButtonClick(engine, view);
    EXPECT_EQ(engine.ws.SubGrid.rowCount(), 24);
    EXPECT_EQ(engine.chooser.ComboBox3.size(), 18u);
}

// A big pair is written on two threads; its rows must be those of a plain
// model of the pairing: per group, the old players in file order, then the
// newcomers. Some players have figures too long to keep packed, one id is
// spelled by two new rows, and some codes are outside the eight.
TEST_F(PairingTest, BigSquadsPairAsTheModelSays)
{
    const std::string codes[] = {"GK", "LD", "CD", "RD", "LM", "CM", "RM", "FW", "ZZ"};
    std::vector<Player> older, newer;
    for (int i = 0; i < 12000; ++i) {
        Player p{std::to_string(100000 + i), "Игрок " + std::to_string(i), codes[(i * 7) % 9]};
        p.value = std::to_string(1000 + i);
        p.rating = std::to_string(40 + i % 50) + ",5";
        older.push_back(p);
    }
    for (int i = 0; i < 12000; ++i) {
        Player p = older[static_cast<std::size_t>((i * 7919) % 12000)]; // another order
        if (i % 10 == 0)
            p.id = std::to_string(500000 + i); // a newcomer; the old player left
        p.value = std::to_string(7000 + i);
        p.salary = std::to_string(i % 13 == 0 ? 123456789 : 500 + i);
        if (i % 1000 == 1)
            p.rating = "41,500000000000000000000"; // no room to pack it with the others
        newer.push_back(p);
    }
    newer.push_back(newer[5]); // a second new row with the id of row 5
    newer.back().value = "1";
    run(older, newer);

    std::map<std::string, std::size_t> firstNew;
    for (std::size_t k = 0; k < newer.size(); ++k)
        firstNew.emplace(newer[k].id, k);
    std::set<std::string> oldIds;
    for (const Player &p : older)
        oldIds.insert(p.id);
    const std::string leaver = toUtf8(texts::leaver()), newcomer = toUtf8(texts::newcomer());
    std::vector<V> expected;
    std::size_t chooserEntries = 0;
    for (const std::string &code : codes) {
        for (const Player &o : older) {
            if (o.position != code)
                continue;
            const auto it = firstNew.find(o.id);
            if (it == firstNew.end()) {
                expected.push_back({o.id, o.name, code, o.rating, leaver, o.value, leaver, o.salary, leaver, "0"});
                continue;
            }
            const Player &n = newer[it->second];
            expected.push_back({o.id, o.name, code, o.rating, n.rating, o.value, n.value, o.salary, n.salary, "1"});
            chooserEntries += o.id == newer[5].id ? 2 : 1;
        }
        for (const Player &n : newer)
            if (n.position == code && !oldIds.count(n.id))
                expected.push_back({n.id, n.name, code, newcomer, n.rating, newcomer, n.value, newcomer, n.salary, "2"});
    }

    const TextTable &sub = engine.ws.SubGrid;
    ASSERT_EQ(sub.rowCount(), static_cast<int>(expected.size()) + 1);
    for (int r = 1; r < sub.rowCount(); ++r) {
        V row;
        for (int c = 0; c < 10; ++c)
            row.push_back(toUtf8(sub.cell(c, r)));
        ASSERT_EQ(row, expected[static_cast<std::size_t>(r - 1)]) << "row " << r;
    }
    EXPECT_EQ(engine.chooser.ComboBox3.size(), chooserEntries);
    EXPECT_EQ(engine.results.StringGrid_ru.rowCount(), sub.rowCount() + 1);

    // A bad id in a big pair still stops the writing where it is reached.
    std::size_t bad = older.size() - 1; // the last old player of the last group
    while (older[bad].position != "ZZ")
        --bad;
    older[bad].id = "x";
    EXPECT_THROW(run(older, newer), Error);
    int last = 1;
    while (last + 1 < sub.rowCount() && !sub.cell(9, last + 1).empty())
        ++last;
    EXPECT_EQ(sub.cell(0, last + 1), "x");
    EXPECT_EQ(toUtf8(sub.cell(1, last)), expected[static_cast<std::size_t>(last - 1)][1]);
}

TEST_F(PairingTest, BadIdStopsThePairingWhereItIsReached)
{
    // The GK group is paired before the bad CD id is reached; the result
    // tables keep what they showed before.
    run({{"1", "А", "GK"}}, {{"1", "А", "GK"}});
    ASSERT_EQ(engine.results.StringGrid_ru.rowCount(), 3);
    try {
        run({{"1", "А", "GK"}, {"x1", "Б", "CD"}, {"3", "В", "FW"}}, {{"1", "А", "GK"}});
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
    }
    EXPECT_EQ(engine.ws.SubGrid.cell(9, 1), "1");
    EXPECT_EQ(engine.ws.SubGrid.cell(0, 2), "x1"); // written before the conversion
    EXPECT_EQ(engine.ws.SubGrid.cell(9, 2), "");
    EXPECT_EQ(engine.ws.SubGrid.cell(0, 3), "");
    EXPECT_EQ(engine.results.StringGrid_ru.rowCount(), 3);

    // An empty new id fails when the newcomer scan reaches its group.
    EXPECT_THROW(run({{"1", "А", "GK"}}, {{"", "Б", "FW"}}), Error);
    EXPECT_EQ(engine.ws.SubGrid.cell(9, 1), "0");
}

} // namespace

namespace {

TEST(PlainDecimal, OnlyTextsAsToStringWritesThem)
{
    const std::pair<const char *, std::optional<std::int32_t>> cases[] = {
        {"0", 0},          {"17", 17},         {"-5", -5},          {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN}, {"-0", std::nullopt}, {"007", std::nullopt}, {"+5", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"2147483648", std::nullopt}, {"12345678901", std::nullopt},
        {"1 ", std::nullopt}, {"1a", std::nullopt},
    };
    for (const auto &[text, value] : cases) {
        EXPECT_EQ(plainDecimal(text), value) << text;
        if (value) {
            EXPECT_EQ(std::to_string(*value), text);
        }
    }
}

} // namespace
