#include "tools/report/writers.h"

#include "core/cp1251.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

using namespace report_test;
using namespace squadlens::report;

namespace {

// Records of an RFC 4180 text: CR LF ends a record, fields may be quoted,
// "" inside quotes is one quote. Anything else is a failure.
std::vector<std::vector<std::string>> parseCsv(const std::string &text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            ++i;
            for (;;) {
                if (i >= text.size())
                    throw std::runtime_error("unclosed quote");
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r') {
                if (text[i] == '"' || text[i] == '\n')
                    throw std::runtime_error("bare quote or line feed");
                field += text[i++];
            }
        }
        record.push_back(std::move(field));
        field.clear();
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        if (text.compare(i, 2, "\r\n") != 0)
            throw std::runtime_error("record not ended by CR LF");
        i += 2;
        records.push_back(std::move(record));
        record.clear();
    }
    return records;
}

std::string csvOf(const std::string &table)
{
    const Outcome run = runReport({"--format", "csv", "--table", table, kOldSample, kNewSample});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

struct FieldCase {
    std::string text, field;
    friend std::ostream &operator<<(std::ostream &o, const FieldCase &c)
    {
        return o << testing::PrintToString(c.text);
    }
};

class CsvField : public testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsQuotedOnlyWhenItMustBe)
{
    EXPECT_EQ(csvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvField,
                         testing::Values(FieldCase{"", ""}, FieldCase{"1.250.000", "1.250.000"},
                                         FieldCase{"59,20", "\"59,20\""}, FieldCase{"a\"b", "\"a\"\"b\""},
                                         FieldCase{"a\rb", "\"a\rb\""}, FieldCase{"a\nb", "\"a\nb\""},
                                         FieldCase{"покинул клуб", "покинул клуб"},
                                         FieldCase{" n/a ", " n/a "}));

struct SampleCase {
    std::string table;
    std::vector<std::string> header;
    std::vector<std::string> leaver;   // Лев Ночевкин, the second row
    std::vector<std::string> newcomer; // Глеб Моховиков, the fourth row
    std::vector<std::string> last;
    friend std::ostream &operator<<(std::ostream &o, const SampleCase &c) { return o << c.table; }
};

class CsvSample : public testing::TestWithParam<SampleCase> {};

TEST_P(CsvSample, HoldsTheTableRowForRowWithItsHeader)
{
    const auto records = parseCsv(csvOf(GetParam().table));
    // Header, 30 old players, 3 newcomers, and the totals row of the
    // summary tables (the pairing table has none).
    const std::size_t expectedRows = GetParam().table == "pairing" ? 34 : 35;
    ASSERT_EQ(records.size(), expectedRows);
    EXPECT_EQ(records[0], GetParam().header);
    EXPECT_EQ(records[2], GetParam().leaver);
    EXPECT_EQ(records[4], GetParam().newcomer);
    EXPECT_EQ(records.back(), GetParam().last);
    for (const auto &record : records)
        EXPECT_EQ(record.size(), GetParam().header.size());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CsvSample,
    testing::Values(
        SampleCase{"rating",
                   {"Игрок", "Поз.", "01.07.2025", "01.07.2026", "Прогресс"},
                   {"Лев Ночевкин", "GK", "59,06", "покинул клуб", "n/a"},
                   {"Глеб Моховиков", "GK", "новичок клуба", "66,77", "n/a"},
                   {"Средний РУ:", "", "59,67", "60,49", "0,83"}},
        SampleCase{"value",
                   {"Игрок", "Поз.", "01.07.2025", "01.07.2026", "Прогресс"},
                   {"Лев Ночевкин", "GK", "460.000", "покинул клуб", "n/a"},
                   {"Глеб Моховиков", "GK", "новичок клуба", "1.485.000", "n/a"},
                   {"Общая стоимость:", "", "28.080.000", "31.725.000", "3.645.000"}},
        SampleCase{"salary",
                   {"Игрок", "Поз.", "01.07.2025", "01.07.2026", "Разница"},
                   {"Лев Ночевкин", "GK", "5.400", "покинул клуб", "n/a"},
                   {"Глеб Моховиков", "GK", "новичок клуба", "10.850", "n/a"},
                   {"Общая ЗП:", "", "217.600", "237.600", "20.000"}},
        SampleCase{"pairing",
                   {"ID", "Игрок", "Поз.", "РУ 01.07.2025", "РУ 01.07.2026", "Стоимость 01.07.2025",
                    "Стоимость 01.07.2026", "ЗП 01.07.2025", "ЗП 01.07.2026", "Статус"},
                   {"477923", "Лев Ночевкин", "GK", "59,06", "покинул клуб", "460000", "покинул клуб",
                    "5400", "покинул клуб", "0"},
                   {"976027", "Глеб Моховиков", "GK", "новичок клуба", "66,77", "новичок клуба",
                    "1485000", "новичок клуба", "10850", "2"},
                   {"475708", "Святослав Калиновский", "FW", "новичок клуба", "77,08", "новичок клуба",
                    "3500000", "новичок клуба", "25000", "2"}}),
    [](const auto &info) { return info.param.table; });

TEST(CsvWriter, RatingIsTheDefaultTable)
{
    const Outcome run = runReport({"--format", "csv", kOldSample, kNewSample});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, csvOf("rating"));
    EXPECT_EQ(run.out.rfind("Игрок,Поз.,01.07.2025,01.07.2026,Прогресс\r\n", 0), 0u);
}

TEST(CsvWriter, FieldsWithSeparatorsQuotesAndLineEndsComeBackWhole)
{
    ReportData data;
    data.value.setRowCount(3);
    const std::vector<std::string> cells = {"a,b", "say \"hi\"", "line\r\nend", "", "\x98\xC0"};
    for (int col = 0; col < 5; ++col)
        data.value.setCell(col, 1, cells[static_cast<std::size_t>(col)]);
    std::ostringstream out;
    writeCsv(data, CsvTable::Value, out);
    const auto records = parseCsv(out.str());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1], (std::vector<std::string>{"a,b", "say \"hi\"", "line\r\nend", "",
                                                    "\u0098А"}));
    EXPECT_EQ(records[2], std::vector<std::string>(5, ""));
}

} // namespace
