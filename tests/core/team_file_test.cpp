#include "core/team_file.h"

#include "core/cp1251.h"
#include "core/error.h"
#include "core/text_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <fstream>

using namespace squadlens;

namespace {

struct SplitCase {
    std::string bytes;
    Lines lines;
};

class SplitLines : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, CutsAtEveryKindOfLineEnd)
{
    EXPECT_EQ(splitLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLines,
    testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"a\rb\nc", {"a", "b", "c"}},
                    // CR LF is one line end, LF CR two.
                    SplitCase{"a\n\rb", {"a", "", "b"}}, SplitCase{"a\r\n\r\nb", {"a", "", "b"}},
                    SplitCase{"\n", {""}}, SplitCase{"a\r", {"a"}},
                    // NUL ends the text.
                    SplitCase{std::string("a\nb\0c\nd", 7), {"a", "b"}},
                    // Bytes are kept as they are.
                    SplitCase{"\xC8\xE3\x98\xFF\n", {"\xC8\xE3\x98\xFF"}}));

TEST(TeamFile, ReadsAFileAndReportsOneThatCannotBeOpened)
{
    const auto dir = std::filesystem::temp_directory_path() / "squadlens-team-file-test";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "t.dat").string();
    std::ofstream(path, std::ios::binary) << "1/\r\n 01.07.2025\r\n/7/A/\r\n/***/\r\n";
    EXPECT_EQ(readTeamFile(path), (Lines{"1/", " 01.07.2025", "/7/A/", "/***/"}));

    const auto missing = (dir / "missing.dat").string();
    try {
        readTeamFile(missing);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    EXPECT_THROW(readTeamFile(dir.string()), Error); // a folder is no file
    std::filesystem::remove_all(dir);
}

std::vector<std::string> cut(std::string_view line)
{
    TextTable t(kPlayerColumns, 2);
    cutPlayerLine(line, t, 1);
    std::vector<std::string> out;
    for (int c = 0; c < kPlayerColumns; ++c)
        out.emplace_back(t.cell(c, 1));
    while (!out.empty() && out.back().empty())
        out.pop_back();
    return out;
}

TEST(CutPlayerLine, LeadingSlashOnlyOpensTheLine)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(cut("/a/b/"), (V{"a", "b"}));
    EXPECT_EQ(cut("a/b/"), (V{"a", "b"}));
    EXPECT_EQ(cut("/a/b/tail"), (V{"a", "b"}));   // text after the last "/" is dropped
    EXPECT_EQ(cut("/a//c/"), (V{"a", "", "c"}));  // adjacent "/" close an empty field
    EXPECT_EQ(cut("/"), V{});
    EXPECT_EQ(cut("no slash"), V{});
}

TEST(CutPlayerLine, KeepsFieldsZeroTo44)
{
    std::string line = "/";
    for (int i = 0; i < 50; ++i)
        line += std::to_string(i) + "/";
    const auto fields = cut(line);
    ASSERT_EQ(fields.size(), 45u);
    EXPECT_EQ(fields.front(), "0");
    EXPECT_EQ(fields.back(), "44");
}

TEST(ConvertDecimalPoints, ChangesPlayerAndEndLinesOnly)
{
    Lines lines{"1/", " 01.07.2025", "/7/F.C./", "/1/A.B./54.35/", "/**./"};
    convertDecimalPoints(lines);
    EXPECT_EQ(lines, (Lines{"1/", " 01.07.2025", "/7/F.C./", "/1/A,B,/54,35/", "/**,/"}));
    convertDecimalPoints(lines); // a second pass changes nothing
    EXPECT_EQ(lines[3], "/1/A,B,/54,35/");
}

TEST(SkillNames, HoldsTheTwentyFourNamesInWindows1251AndAnEmptyLastSlot)
{
    const auto &names = SkillNames();
    EXPECT_EQ(toUtf8(names[0]), "Навесы");
    EXPECT_EQ(toUtf8(names[12]), "Выбор позиции");
    EXPECT_EQ(toUtf8(names[23]), "Игра руками (вр)");
    EXPECT_EQ(names[0], "\xCD\xE0\xE2\xE5\xF1\xFB");
    EXPECT_TRUE(names[24].empty());
    for (int i = 0; i < 24; ++i)
        EXPECT_FALSE(names[i].empty()) << i;
}

} // namespace

namespace {

// Cutting into a row that shows the line in place gives the same cells as
// cutting into written cells, for every shape of line.
TEST(CutPlayerLine, LineRowsShowTheSameFieldsAsWrittenRows)
{
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    const char alphabet[] = "//ab.,";
    Lines lines;
    for (int i = 0; i < 3000; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::string line;
        for (std::uint64_t n = x % 140, y = x; n > 0; --n, y = y * 6364136223846793005ull + 1442695040888963407ull)
            line += alphabet[(y >> 33) % 6];
        lines.push_back(line);
    }
    lines.push_back("/" + std::string(70000, 'x') + "/y/"); // too long to show in place
    lines.push_back("/a/" + std::string(254, 'n') + "/b/");   // the longest field shown in place
    lines.push_back("/a/" + std::string(255, 'n') + "/b/c");  // one longer: kept as copies
    TextTable written(kPlayerColumns, static_cast<int>(lines.size())),
        shown(kPlayerColumns, static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        cutPlayerLine(lines[i], written, static_cast<int>(i));
        cutPlayerLine(lines, i, shown, static_cast<int>(i));
    }
    for (int r = 0; r < written.rowCount(); ++r)
        for (int c = 0; c < kPlayerColumns; ++c)
            ASSERT_EQ(shown.cell(c, r), written.cell(c, r)) << lines[static_cast<std::size_t>(r)] << " col " << c;
}

TEST(CutPlayerLine, ATableKeepsWhatItShowsWhenTheLinesChange)
{
    Lines lines{"1/", "d", "t", "/1.5/x/", "/***/"};
    TextTable table(kPlayerColumns, 2);
    cutPlayerLine(lines, 3, table, 1);
    convertDecimalPoints(lines); // the table shares the buffer: it is copied first
    EXPECT_EQ(lines[3], "/1,5/x/");
    EXPECT_EQ(table.cell(0, 1), "1.5");
    lines = Lines{"other"};
    EXPECT_EQ(table.cell(1, 1), "x");
    table.setCell(1, 1, "y"); // a written cell in a shown row
    EXPECT_EQ(table.cell(0, 1), "1.5");
    EXPECT_EQ(table.cell(1, 1), "y");
}

} // namespace

namespace {

// Cells written again and again, in written and shown rows, read back as a
// plain map of the last texts says; so does a copy.
TEST(TextTable, KeepsTheLastTextOfEveryCellThroughAnyNumberOfWrites)
{
    Lines lines{"/a/bb/ccc/", "/d//e/"};
    TextTable table(4, 6);
    cutPlayerLine(lines, 0, table, 1);
    std::map<std::pair<int, int>, std::string> expected{{{0, 1}, "a"}, {{1, 1}, "bb"}, {{2, 1}, "ccc"}};
    std::uint64_t x = 12345;
    for (int i = 0; i < 300000; ++i) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        const int col = static_cast<int>((x >> 33) % 4), row = static_cast<int>((x >> 40) % 6);
        const std::string text((x >> 50) % 40, static_cast<char>('a' + i % 26));
        table.setCell(col, row, text);
        expected[{col, row}] = text;
        if (i % 50000 == 0)
            cutPlayerLine(lines, 1, table, 2); // a shown row again
        if (i % 50000 == 0)
            expected[{0, 2}] = "d", expected[{1, 2}] = "", expected[{2, 2}] = "e", expected[{3, 2}] = "";
    }
    const TextTable copy = table;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) {
            const auto it = expected.find({c, r});
            const std::string want = it == expected.end() ? "" : it->second;
            ASSERT_EQ(table.cell(c, r), want) << c << "," << r;
            ASSERT_EQ(copy.cell(c, r), want) << c << "," << r;
        }
}

} // namespace

namespace {

// Whole rows written at once and rows copied from other tables, written or
// shown, and from the table itself, read back as a plain model says.
TEST(TextTable, RowWritesAndRowCopiesKeepWhatTheyWrote)
{
    using Model = std::vector<std::vector<std::string>>;
    const auto check = [](const TextTable &table, const Model &model) {
        ASSERT_EQ(table.rowCount(), static_cast<int>(model.size()));
        for (int r = 0; r < table.rowCount(); ++r)
            for (int c = 0; c < table.colCount(); ++c)
                ASSERT_EQ(table.cell(c, r), model[r][c]) << c << "," << r;
    };
    TextTable table(3, 8);
    Model model(8, std::vector<std::string>(3));

    // Written rows of another table, one row left empty there.
    TextTable other(3, 5);
    Model otherModel(5, std::vector<std::string>(3));
    std::uint64_t x = 99;
    for (int i = 0; i < 2000; ++i) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        const int row = static_cast<int>((x >> 40) % 5);
        if (row == 2)
            continue;
        const std::string a((x >> 50) % 30, 'a'), b((x >> 45) % 7, 'b');
        const std::string_view texts[] = {a, b};
        other.setRow(row, texts);
        otherModel[row][0] = a, otherModel[row][1] = b;
    }
    table.setCell(1, 5, "overwritten by an empty row");
    table.copyRows(other, 1, 5, 4); // rows 1..4 to 4..7; a fifth is past the end of `other`
    for (int k = 0; k < 4; ++k)
        model[4 + k] = otherModel[1 + k];
    check(table, model);

    // Shown rows of a cut table.
    Lines lines{"/p/q/r/", "/s//"};
    TextTable shown(3, 3);
    cutPlayerLine(lines, 0, shown, 1);
    cutPlayerLine(lines, 1, shown, 2);
    table.copyRows(shown, 1, 2, 0);
    model[0] = {"p", "q", "r"};
    model[1] = {"s", "", ""};
    check(table, model);

    // The table into itself, then a row of more texts than columns.
    table.copyRows(table, 4, 3, 2);
    model[2] = model[4], model[3] = model[5], model[4] = model[6];
    check(table, model);
    const std::string_view many[] = {"1", "", "3", "4"};
    table.setRow(1, many);
    model[1] = {"1", "", "3"};
    check(table, model);
    table.setRow(-1, many);
    table.setRow(8, many);
    check(table, model);
}

} // namespace

namespace {

// Reading a run of cells at once gives what reading them one by one gives,
// for shown rows short and long, written and empty rows, and past the table.
TEST(TextTable, CellsInOneStepAreTheCellsOneByOne)
{
    std::string full = "/";
    for (int f = 0; f < kPlayerColumns + 2; ++f)
        full += std::string(static_cast<std::size_t>(f % 4), static_cast<char>('a' + f % 26)) + "/";
    Lines lines{full, "/a/bb//ccc/d/", "/e/", "/" + std::string(300, 'x') + "/y/"};
    TextTable table(kPlayerColumns, 7);
    for (std::size_t l = 0; l < lines.size(); ++l)
        cutPlayerLine(lines, l, table, static_cast<int>(l) + 1); // the last: too long a field for a shown row
    table.setCell(2, 5, "written");
    for (int row = -1; row <= 7; ++row)
        for (int first : {-1, 0, 1, 2, 3, 4, 5, 20, 21, 40, 44, 45, 46})
            for (std::size_t count : {0, 1, 2, 3, 6, 24, 30}) {
                std::vector<std::string_view> out(count, "stale");
                table.cells(row, first, out);
                for (std::size_t k = 0; k < count; ++k)
                    ASSERT_EQ(out[k], table.cell(first + static_cast<int>(k), row))
                        << "row " << row << " first " << first << " k " << k;
            }
}

} // namespace
