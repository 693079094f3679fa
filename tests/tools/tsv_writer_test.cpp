#include "tools/report/writers.h"

#include "core/cp1251.h"
#include "core/team_file.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

using namespace report_test;
using namespace squadlens::report;
using squadlens::toCp1251;

namespace {

struct EscapeCase {
    std::string cell, written;
    friend std::ostream &operator<<(std::ostream &o, const EscapeCase &c)
    {
        return o << testing::PrintToString(c.cell);
    }
};

class TsvCell : public testing::TestWithParam<EscapeCase> {};

TEST_P(TsvCell, EscapesBackslashTabCrAndLfOnly)
{
    EXPECT_EQ(tsvCell(GetParam().cell), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Cases, TsvCell,
                         testing::Values(EscapeCase{"", ""}, EscapeCase{"59,20", "59,20"},
                                         EscapeCase{"a\tb", "a\\tb"}, EscapeCase{"a\\b", "a\\\\b"},
                                         // A backslash before a "t" stays apart from an escaped TAB.
                                         EscapeCase{"\\t", "\\\\t"}, EscapeCase{"\r\n", "\\r\\n"},
                                         EscapeCase{"x\x01\x7Fy", "x\x01\x7Fy"},
                                         EscapeCase{"Игрок\n", "Игрок\\n"}));

// Two players in the old squad, one of them leaves; one newcomer.
TEST(TsvWriter, SmallSquadWithLeaverAndNewcomer)
{
    Player keeper{"101", "Иван Первый", "GK", "700000", "60.50", "5000"};
    const Player defender{"102", "Пётр Второй", "CD", "450000", "52.25", "3500"};
    const TempDir dir;
    const std::string oldPath = dir.put("o.dat", teamFile("01.07.2025", "77", "Клуб", {keeper, defender}));
    keeper.value = "750000";
    keeper.rating = "61.75";
    keeper.salary = "4500";
    keeper.skills[0] = "42";
    keeper.skills[1] = "39";
    const Player newcomer{"103", "Новый Игрок", "FW", "300000", "50.00", "2000"};
    const std::string newPath = dir.put("n.dat", teamFile("01.07.2026", "77", "Клуб", {newcomer, keeper}));

    std::string skills = "# skills 0\nСкилл\t01.07.2025\t01.07.2026\tПрогресс\n"
                         "Навесы\t40\t42\t2\nИгра головой\t40\t39\t-1\n";
    for (std::size_t n = 2; n < 24; ++n)
        skills += squadlens::toUtf8(squadlens::SkillNames()[n]) + "\t40\t40\t0\n";

    const Outcome run = runReport({"--format", "tsv", oldPath, newPath});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "# pairing\n"
              "101\tИван Первый\tGK\t60,50\t61,75\t700000\t750000\t5000\t4500\t1\n"
              "102\tПётр Второй\tCD\t52,25\tпокинул клуб\t450000\tпокинул клуб\t3500\tпокинул клуб\t0\n"
              "103\tНовый Игрок\tFW\tновичок клуба\t50,00\tновичок клуба\t300000\tновичок клуба\t2000\t2\n"
              "# rating\n"
              "Игрок\tПоз.\t01.07.2025\t01.07.2026\tПрогресс\n"
              "Иван Первый\tGK\t60,50\t61,75\t1,3\n"
              "Пётр Второй\tCD\t52,25\tпокинул клуб\tn/a\n"
              "Новый Игрок\tFW\tновичок клуба\t50,00\tn/a\n"
              "Средний РУ:\t\t56,38\t55,88\t-0,50\n"
              "# value\n"
              "Игрок\tПоз.\t01.07.2025\t01.07.2026\tПрогресс\n"
              "Иван Первый\tGK\t700.000\t750.000\t50.000\n"
              "Пётр Второй\tCD\t450.000\tпокинул клуб\tn/a\n"
              "Новый Игрок\tFW\tновичок клуба\t300.000\tn/a\n"
              "Общая стоимость:\t\t1.150.000\t1.050.000\t-100.000\n"
              "# salary\n"
              "Игрок\tПоз.\t01.07.2025\t01.07.2026\tРазница\n"
              "Иван Первый\tGK\t5.000\t4.500\t-500\n"
              "Пётр Второй\tCD\t3.500\tпокинул клуб\tn/a\n"
              "Новый Игрок\tFW\tновичок клуба\t2.000\tn/a\n"
              "Общая ЗП:\t\t8.500\t6.500\t-2.000\n" +
                  skills);
}

TEST(TsvWriter, SampleSquadsMatchTheCheckedFile)
{
    const Outcome run = runReport({"--format", "tsv", kOldSample, kNewSample});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readFile(kSourceDir + "/tests/tools/data/sample.tsv"));
}

// Every row has the section's number of cells whatever the table's shape,
// and the text is converted from Windows-1251 byte for byte.
TEST(TsvWriter, KeepsTheShapeOfEachSectionAndEveryByte)
{
    ReportData data;
    data.pairing = squadlens::TextTable(3, 3); // narrower than the pairing table
    data.pairing.setCell(0, 1, "1");
    data.pairing.setCell(1, 2, toCp1251("Имя\tс табуляцией") + "\x98\\");
    data.rating.setCell(0, 1, "a\r\nb");
    data.skills.push_back({"x, GK", squadlens::TextTable(4, 25)});
    data.skills.push_back({"y, FW", squadlens::TextTable(2, 3)}); // too small a table

    std::ostringstream out;
    writeTsv(data, out);

    std::string expected = "# pairing\n1\t\t\t\t\t\t\t\t\t\n\tИмя\\tс табуляцией\u0098\\\\\t\t\t\t\t\t\t\t\n"
                           "# rating\n\t\t\t\t\na\\r\\nb\t\t\t\t\n"
                           "# value\n\t\t\t\t\n\t\t\t\t\n"
                           "# salary\n\t\t\t\t\n\t\t\t\t\n";
    for (const char *k : {"0", "1"}) {
        expected += std::string("# skills ") + k + "\n";
        for (int row = 0; row < 25; ++row)
            expected += "\t\t\t\n";
    }
    EXPECT_EQ(out.str(), expected);
}

} // namespace
