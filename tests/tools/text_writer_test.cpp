#include "tools/report/writers.h"

#include "core/cp1251.h"
#include "report_test_support.h"
#include "tools/report/cell_text.h"

#include <gtest/gtest.h>

using namespace report_test;
using namespace squadlens::report;
using squadlens::toCp1251;

namespace {

void setRow(squadlens::TextTable &table, int row, const std::vector<std::string> &utf8Cells)
{
    for (std::size_t col = 0; col < utf8Cells.size(); ++col)
        table.setCell(static_cast<int>(col), row, toCp1251(utf8Cells[col]));
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(TextWriter, AlignsColumnsByCharactersNotBytes)
{
    ReportData data;
    data.oldTeam = "Клуб от 01.07.2025";
    data.newTeam = "Клуб от 01.07.2026";
    data.rating.setRowCount(3);
    setRow(data.rating, 0, {"Игрок", "Поз.", "01.07.2025", "01.07.2026", "Прогресс"});
    setRow(data.rating, 1, {"Иван", "GK", "60,50", "покинул клуб", "n/a"});
    setRow(data.rating, 2, {"Средний РУ:", "", "60,50", "61,75", "1,25"});
    data.rating.setCell(0, 1, "A\tB"); // a TAB in a name is shown, not obeyed
    data.skills.push_back({toCp1251("Иван, GK"), squadlens::TextTable(4, 25)});
    setRow(data.skills[0].table, 0, {"Скилл", "01.07.2025", "01.07.2026", "Прогресс"});
    setRow(data.skills[0].table, 1, {"Навесы", "40", "42", "2"});
    setRow(data.skills[0].table, 2, {"Игра головой", "40", "39", "-1"});

    std::ostringstream out;
    writeText(data, out);
    std::string skillsRows;
    for (int row = 3; row <= 24; ++row)
        skillsRows += "\n";
    EXPECT_EQ(out.str(),
              "Клуб от 01.07.2025 — Клуб от 01.07.2026\n"
              "\n"
              "РУ\n"
              "Игрок        Поз.  01.07.2025    01.07.2026  Прогресс\n"
              "-----------  ----  ----------  ------------  --------\n"
              "A␉B           GK        60,50  покинул клуб       n/a\n"
              "Средний РУ:             60,50         61,75      1,25\n"
              "\nCтоимость\n\n\n\n"
              "\nЗарплаты\n\n\n\n"
              "\nCкиллы: Иван, GK\n"
              "Скилл         01.07.2025  01.07.2026  Прогресс\n"
              "------------  ----------  ----------  --------\n"
              "Навесы                40          42         2\n"
              "Игра головой          40          39        -1\n" +
                  skillsRows);
}

TEST(TextWriter, SampleSquadsShowEveryPageWithItsDates)
{
    const Outcome run = runReport({kOldSample, kNewSampleZip});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = linesOf(run.out);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[0], "ФК Заречье от 01.07.2025 — ФК Заречье от 01.07.2026");

    const auto at = [&](const std::string &line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const auto rating = at("РУ"), value = at("Cтоимость"), salary = at("Зарплаты");
    const auto firstSkills = at("Cкиллы: Аким Кленовый, GK");
    EXPECT_LT(rating, value);
    EXPECT_LT(value, salary);
    EXPECT_LT(salary, firstSkills);
    ASSERT_LT(firstSkills, static_cast<long>(lines.size()));

    EXPECT_EQ(lines[static_cast<std::size_t>(rating) + 1],
              "Игрок                  Поз.     01.07.2025    01.07.2026  Прогресс");
    EXPECT_LT(at("Лев Ночевкин            GK           59,06  покинул клуб       n/a"), value);
    EXPECT_LT(at("Глеб Моховиков          GK   новичок клуба         66,77       n/a"), value);
    EXPECT_EQ(at("Средний РУ:                          59,67         60,49      0,83"), value - 2);
    EXPECT_EQ(at("Общая стоимость:                28.080.000    31.725.000  3.645.000"), salary - 2);
    EXPECT_EQ(at("Общая ЗП:                          217.600       237.600   20.000"), firstSkills - 2);
    EXPECT_EQ(lines[static_cast<std::size_t>(firstSkills) + 1],
              "Скилл                 01.07.2025  01.07.2026  Прогресс");
    EXPECT_EQ(lines[static_cast<std::size_t>(firstSkills) + 3],
              "Навесы                        32          30        -2");

    // One skills page per player in both files: 30 old players, 3 leavers.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string &l) { return l.rfind("Cкиллы: ", 0) == 0; }),
              27);

    // Every table ends in a right-aligned column, so all its lines are as
    // wide as its rule, counted in characters.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] != '-')
            continue;
        const std::size_t width = displayWidth(lines[i]);
        for (std::size_t j = i - 1; j < lines.size() && !lines[j].empty(); ++j)
            EXPECT_EQ(displayWidth(lines[j]), width) << lines[j];
    }
}

} // namespace
