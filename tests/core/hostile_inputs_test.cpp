// Damaged and hostile team files, each handled as the program specifies:
// accepted, rejected with its message, or stopped by a conversion error,
// without a crash and without touching the chosen files.

#include "core/path_handlers.h"

#include "core/error.h"
#include "core/texts.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

using namespace squadlens;
using namespace squadlens::test;
namespace fs = std::filesystem;

namespace {

struct CountingView : HandlerView {
    std::vector<std::string> messages;
    int runs = 0;
    void messageBox(const std::string &text, const std::string &, MessageIcon) override
    {
        messages.push_back(text);
    }
    void showResultArea() override { ++runs; }
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
};

class HostileInputs : public testing::Test {
protected:
    void SetUp() override { handlers.setScratchFolder((dir / "scratch").string()); }
    std::string write(const std::string &name, const std::string &bytes) { return folder.write(name, bytes); }
    // Loads a valid start file, then `bytes` as the end file; the error text,
    // or "" when none escaped.
    std::string compareWith(const std::string &bytes)
    {
        handlers.fileChosen(Side::Old, write("old.dat", fileBytes(teamLines("7", "01.07.2025", {{"1", "А", "GK"}}))));
        try {
            handlers.fileChosen(Side::New, write("new.dat", bytes));
        } catch (const Error &e) {
            return e.what();
        }
        return "";
    }

    TestFolder folder{"squadlens-hostile"};
    const fs::path &dir = folder.path;
    Engine engine;
    CountingView view;
    PathHandlers handlers{engine, view};
};

TEST_F(HostileInputs, FilesThatAreNoTeamFilesAreRejected)
{
    const std::string oneLine(100 * 1024 * 1024, 'x');
    const std::pair<const char *, std::string> cases[] = {
        {"empty", ""},
        {"only 1/", "1/"},
        {"no end line", "1/\r\n 01.07.2026\r\n/7/A/\r\n/1/x/A/\r\n"},
        {"NUL before the end line", std::string("1/\r\n 01.07.2026\r\n/7/A/\r\n\0/***/\r\n", 27)},
        {"100 MB of one line", oneLine},
        {"end line with a blank", "1/\r\n 01.07.2026\r\n/7/A/\r\n/***/ \r\n"},
    };
    for (const auto &[what, bytes] : cases) {
        view.messages.clear();
        EXPECT_EQ(compareWith(bytes), "") << what;
        EXPECT_EQ(view.messages, std::vector<std::string>{texts::kNotTeamFile}) << what;
        EXPECT_EQ(handlers.path(Side::New), "") << what;
    }
    EXPECT_EQ(view.runs, 0);
}

TEST_F(HostileInputs, OddButValidFilesAreCompared)
{
    Player p{"1", "А", "GK"};
    std::string line = playerLine(p);
    for (int i = 0; i < 455; ++i)
        line += "extra/"; // 500 fields: 45 are kept
    const std::string lf = "1/\n 01.07.2026\n/7/A/\n" + line + "\n/***/";
    const std::string cr = "1/\r 01.07.2026\r/7/A/\r" + line + "\r/***/\r";
    for (const auto &bytes : {lf, cr}) {
        view.runs = 0;
        handlers.setPath(Side::New, "");
        EXPECT_EQ(compareWith(bytes), "");
        EXPECT_EQ(view.runs, 1);
        EXPECT_EQ(engine.ws.SubGrid.cell(9, 1), "1");
        EXPECT_EQ(engine.ws.StringGrid2.cell(44, 1), "0");
    }
}

TEST_F(HostileInputs, BadDatesStopBeforeTheComparison)
{
    for (const char *date : {"31.02.2024", "00.00.0000", "99.99.9999"}) {
        handlers.setPath(Side::New, "");
        EXPECT_EQ(compareWith(fileBytes(teamLines("7", date, {}))),
                  "'" + std::string(date) + "' is not a valid date and time");
    }
    EXPECT_EQ(view.runs, 0);
}

TEST_F(HostileInputs, NumbersAtAndPastTheLimits)
{
    struct Case {
        Player player;
        std::string error;
    };
    const Case cases[] = {
        {{"2147483647", "А", "GK"}, ""},
        {{"-2147483648", "А", "GK"}, ""},
        {{"-0", "А", "GK"}, ""},
        {{"+5", "А", "GK"}, ""},
        {{"2147483648", "А", "GK"}, "'2147483648' is not a valid integer value"},
        {{"1", "А", "GK", "2147483648"}, "'2147483648' is not a valid integer value"},
        {{"1", "А", "GK", "1000", "50", "-2147483649"}, "'-2147483649' is not a valid integer value"},
        {{"1", "А", "GK", "1000", "1E4000"}, ""},
        {{"1", "А", "GK", "1000", "1.5.5"}, "'1,5,5' is not a valid floating point value"},
        {{"1", "А", "GK", ""}, "'' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        handlers.setPath(Side::New, "");
        EXPECT_EQ(compareWith(fileBytes(teamLines("7", "01.07.2026", {c.player}))), c.error)
            << c.player.id << " " << c.player.value << " " << c.player.rating << " " << c.player.salary;
    }
}

TEST_F(HostileInputs, AHugeFieldIsQuotedShortInItsMessage)
{
    Player p{std::string(100000, '9') + "x", "А", "GK"};
    EXPECT_EQ(compareWith(fileBytes(teamLines("7", "01.07.2026", {p}))),
              "'" + std::string(200, '9') + "...' is not a valid integer value");
}

TEST_F(HostileInputs, AMillionShortLinesStopAtTheFirstBadFigure)
{
    std::string bytes = "1/\r\n 01.07.2026\r\n/7/A/\r\n";
    bytes.reserve(bytes.size() + 1000000 * 8);
    for (int i = 0; i < 1000000; ++i)
        bytes += "/" + std::to_string(i) + "/\r\n";
    bytes += "/***/\r\n";
    // Line "/1/" pairs with the start file's goalkeeper, the others are
    // newcomers of no known position; the empty rating stops the summary.
    EXPECT_EQ(compareWith(bytes), "'' is not a valid floating point value");
    EXPECT_EQ(engine.ws.StringGrid2.rowCount(), 1000001);
    EXPECT_EQ(engine.ws.SubGrid.rowCount(), 1000001);
    EXPECT_EQ(engine.results.StringGrid_ru.rowCount(), 3);
}

TEST_F(HostileInputs, TheChosenFilesAreNeverModified)
{
    const auto oldPath = (dir / "keep-old.dat").string();
    const auto zipPath = (dir / "new.zip").string();
    fs::copy_file(fs::path(SQUADLENS_SOURCE_DIR) / "examples/old.dat", oldPath);
    fs::copy_file(fs::path(SQUADLENS_SOURCE_DIR) / "examples/new.zip", zipPath);
    const auto read = [](const std::string &p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto oldBefore = read(oldPath), zipBefore = read(zipPath);
    const auto stamp = fs::last_write_time(oldPath);

    handlers.fileChosen(Side::Old, oldPath);
    handlers.fileChosen(Side::New, zipPath);
    ASSERT_EQ(view.runs, 1);
    for (int k = 0; k < static_cast<int>(engine.chooser.ComboBox3.size()); ++k)
        ComboBox3Change(engine, k);

    EXPECT_EQ(std::hash<std::string>{}(read(oldPath)), std::hash<std::string>{}(oldBefore));
    EXPECT_EQ(read(zipPath), zipBefore);
    EXPECT_EQ(fs::last_write_time(oldPath), stamp);
    EXPECT_TRUE(fs::is_empty(dir / "scratch"));
}

} // namespace
