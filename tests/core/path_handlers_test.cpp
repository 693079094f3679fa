#include "core/path_handlers.h"

#include "core/error.h"
#include "core/texts.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace squadlens;
using namespace squadlens::test;
namespace fs = std::filesystem;

namespace {

struct Message {
    std::string text, title;
    MessageIcon icon;
    bool operator==(const Message &) const = default;
};

struct RecordingView : HandlerView {
    std::vector<Message> messages;
    int runs = 0;
    void messageBox(const std::string &text, const std::string &title, MessageIcon icon) override
    {
        messages.push_back({text, title, icon});
    }
    void showResultArea() override { ++runs; }
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
};

class PathHandlersTest : public testing::Test {
protected:
    void SetUp() override { handlers.setScratchFolder((dir / "scratch").string()); }
    std::string write(const std::string &name, const std::string &bytes) { return folder.write(name, bytes); }
    std::string team(const std::string &name, const std::string &id, const std::string &date,
                     const std::string &teamName = "Заречье")
    {
        return write(name, fileBytes(teamLines(id, date, {{"1", "Иванов", "GK", "1000", "50.5", "10"}},
                                               teamName)));
    }

    TestFolder folder{"squadlens-handlers"};
    const fs::path &dir = folder.path;
    Engine engine;
    RecordingView view;
    PathHandlers handlers{engine, view};
};

const LabelState kOldPrompt{texts::kOldPrompt, clMaroon}, kNewPrompt{texts::kNewPrompt, clMaroon},
    kNotChosen{texts::kNotChosen, clMaroon};

TEST_F(PathHandlersTest, StartsWithPromptsInMaroon)
{
    EXPECT_EQ(handlers.pathLabel(Side::Old), kOldPrompt);
    EXPECT_EQ(handlers.pathLabel(Side::New), kNewPrompt);
    EXPECT_EQ(handlers.teamLabel(Side::Old), kNotChosen);
    EXPECT_EQ(handlers.teamLabel(Side::New), kNotChosen);
}

TEST_F(PathHandlersTest, TwoFilesOfOneClubAreCompared)
{
    const auto oldPath = team("old.dat", "4127", "01.07.2025");
    const auto newPath = team("new.dat", "4127", "01.07.2026");

    handlers.fileChosen(Side::Old, oldPath);
    EXPECT_EQ(handlers.path(Side::Old), oldPath);
    EXPECT_EQ(handlers.pathLabel(Side::Old), (LabelState{shortenPath(oldPath), clGreen}));
    EXPECT_EQ(handlers.teamLabel(Side::Old), (LabelState{"Заречье от 01.07.2025", clGreen}));
    EXPECT_EQ(engine.TID1, "4127");
    EXPECT_EQ(toUtf8(engine.L1), "Заречье");
    EXPECT_EQ(view.runs, 0);

    handlers.fileChosen(Side::New, newPath);
    EXPECT_EQ(view.runs, 1);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(engine.results.StringGrid_ru.cell(4, 1), "0,0");

    // Choosing the same file again reloads nothing and compares nothing.
    handlers.fileChosen(Side::New, newPath);
    EXPECT_EQ(view.runs, 1);
    // A new start file compares again at once.
    handlers.fileChosen(Side::Old, team("old2.dat", "4127", "01.07.2024"));
    EXPECT_EQ(view.runs, 2);
}

TEST_F(PathHandlersTest, ARejectedFileEmptiesOnlyItsPath)
{
    const auto oldPath = team("old.dat", "4127", "01.07.2025");
    const auto newPath = team("new.dat", "4127", "01.07.2026");
    handlers.fileChosen(Side::Old, oldPath);
    handlers.fileChosen(Side::New, newPath);
    const auto before = engine.results.StringGrid_ru.rowCount();

    const auto bad = write("bad.dat", "1/ \r\nx\r\ny\r\n/***/\r\n");
    handlers.fileChosen(Side::Old, bad);
    EXPECT_EQ(view.messages, (std::vector<Message>{{texts::kNotTeamFile, texts::kErrorTitle, MessageIcon::Error}}));
    EXPECT_EQ(handlers.path(Side::Old), "");
    EXPECT_EQ(engine.ws.ListBoxO[0], "1/ "); // the list keeps the rejected lines
    EXPECT_EQ(engine.TID1, "4127");
    EXPECT_EQ(handlers.teamLabel(Side::Old), (LabelState{"Заречье от 01.07.2025", clGreen}));
    // The path label names the rejected file in the colour it had.
    EXPECT_EQ(handlers.pathLabel(Side::Old), (LabelState{shortenPath(bad), clGreen}));
    EXPECT_EQ(engine.results.StringGrid_ru.rowCount(), before);
    EXPECT_EQ(view.runs, 1);

    for (const char *bytes : {"", "1/\r\n/***/\r\n", "1/\r\nx\r\ny\r\n"}) {
        view.messages.clear();
        handlers.fileChosen(Side::New, write("short.dat", bytes));
        handlers.setPath(Side::New, "");
        EXPECT_EQ(view.messages.size(), 1u) << testing::PrintToString(bytes);
    }
}

TEST_F(PathHandlersTest, APairInTheWrongOrderResetsBothSides)
{
    handlers.fileChosen(Side::Old, team("old.dat", "4127", "01.07.2025"));
    handlers.fileChosen(Side::New, team("new.dat", "4127", "01.07.2026"));
    ASSERT_EQ(view.runs, 1);
    ASSERT_GT(engine.results.StringGrid_ru.rowCount(), 2);

    const auto earlier = team("earlier.dat", "4127", "30.06.2025");
    handlers.fileChosen(Side::New, earlier);
    EXPECT_EQ(view.messages, (std::vector<Message>{{texts::kNewTooOld, texts::kErrorTitle, MessageIcon::Error}}));
    EXPECT_EQ(view.runs, 1);
    EXPECT_EQ(handlers.path(Side::Old), "");
    EXPECT_EQ(handlers.path(Side::New), "");
    EXPECT_EQ(engine.TID1, "");
    EXPECT_EQ(engine.TID2, "");
    EXPECT_EQ(handlers.pathLabel(Side::Old), kOldPrompt);
    EXPECT_EQ(handlers.pathLabel(Side::New), (LabelState{shortenPath(earlier), clMaroon}));
    EXPECT_EQ(handlers.teamLabel(Side::Old), kNotChosen);
    EXPECT_EQ(handlers.teamLabel(Side::New), kNotChosen);
    EXPECT_EQ(engine.results.StringGrid_ru.rowCount(), 2);
    EXPECT_EQ(engine.results.StringGrid_ru.cell(2, 0), "01.07.2025");
    EXPECT_EQ(engine.results.StringGrid_ru.cell(3, 0), "30.06.2025");

    // Noticed on the start side: its own message, and the ids stay.
    view.messages.clear();
    handlers.fileChosen(Side::New, team("new.dat", "4127", "01.07.2026"));
    handlers.fileChosen(Side::Old, team("late.dat", "4127", "02.07.2026"));
    EXPECT_EQ(view.messages, (std::vector<Message>{{texts::kOldTooNew, texts::kErrorTitle, MessageIcon::Error}}));
    EXPECT_EQ(engine.TID1, "4127");
}

TEST_F(PathHandlersTest, TwoClubsAreComparedAfterAWarningWithoutDates)
{
    handlers.fileChosen(Side::Old, team("old.dat", "1", "01.07.2026"));
    handlers.fileChosen(Side::New, team("new.dat", "2", "31.02.2025"));
    EXPECT_EQ(view.messages,
              (std::vector<Message>{{texts::kDifferentTeams, texts::kWarningTitle, MessageIcon::Information}}));
    EXPECT_EQ(view.runs, 1);
}

TEST_F(PathHandlersTest, AFileThatCannotBeOpenedKeepsTheSide)
{
    const auto oldPath = team("old.dat", "4127", "01.07.2025");
    handlers.fileChosen(Side::Old, oldPath);
    const auto missing = (dir / "missing.dat").string();
    try {
        handlers.fileChosen(Side::Old, missing);
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    EXPECT_EQ(handlers.path(Side::Old), missing);
    EXPECT_EQ(handlers.pathLabel(Side::Old), (LabelState{shortenPath(oldPath), clGreen}));
    EXPECT_EQ(handlers.teamLabel(Side::Old), (LabelState{"Заречье от 01.07.2025", clGreen}));
    EXPECT_EQ(engine.ws.ListBoxO.size(), 5u);
}

TEST_F(PathHandlersTest, ABadDateStopsBeforeTheComparison)
{
    handlers.fileChosen(Side::Old, team("old.dat", "4127", "01.07.2025"));
    try {
        handlers.fileChosen(Side::New, team("new.dat", "4127", "31.02.2026"));
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'31.02.2026' is not a valid date and time");
    }
    EXPECT_EQ(handlers.teamLabel(Side::New), (LabelState{"Заречье от 31.02.2026", clGreen}));
    EXPECT_FALSE(handlers.path(Side::New).empty());
    EXPECT_EQ(view.runs, 0);
}

TEST_F(PathHandlersTest, CancelledDialogChangesNothing)
{
    handlers.fileChosen(Side::Old, std::nullopt);
    handlers.fileChosen(Side::Old, std::string());
    EXPECT_EQ(handlers.pathLabel(Side::Old), kOldPrompt);
    EXPECT_EQ(handlers.path(Side::Old), "");
    EXPECT_EQ(handlers.dialogTag(Side::Old), 0);
}

TEST_F(PathHandlersTest, AZippedFileIsUnpackedLoadedAndRemoved)
{
    const auto old = (dir / "old.dat").string();
    const auto zip = (dir / "new.zip").string();
    fs::copy_file(fs::path(SQUADLENS_SOURCE_DIR) / "examples/old.dat", old);
    fs::copy_file(fs::path(SQUADLENS_SOURCE_DIR) / "examples/new.zip", zip);
    handlers.fileChosen(Side::Old, old);
    handlers.fileChosen(Side::New, zip);
    EXPECT_EQ(handlers.dialogTag(Side::New), 1);
    EXPECT_EQ(handlers.path(Side::New), (dir / "scratch" / "new.dat").string());
    EXPECT_EQ(handlers.pathLabel(Side::New).caption, shortenPath(zip));
    EXPECT_FALSE(fs::exists(dir / "scratch" / "new.dat"));
    EXPECT_EQ(view.runs, 1);
    EXPECT_TRUE(view.messages.empty());

    // ".ZIP" is no archive: the file itself is loaded and rejected.
    const auto upper = (dir / "NEW.ZIP").string();
    fs::copy_file(zip, upper);
    handlers.fileChosen(Side::New, upper);
    EXPECT_EQ(handlers.dialogTag(Side::New), 0);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(fs::exists(upper));
}

TEST(ShortenPath, KeepsShortPathsAndCutsLongOnesByCharacters)
{
    const std::string p44 = "/" + std::string(43, 'a');
    EXPECT_EQ(shortenPath(p44), p44);
    const std::string p45 = "/home/" + std::string(39, 'b');
    EXPECT_EQ(shortenPath(p45), "/..." + std::string(35, 'b'));
    const std::string drive = "C:\\Teams\\" + std::string(36, 'c');
    EXPECT_EQ(shortenPath(drive), "C:\\..." + std::string(35, 'c'));
    EXPECT_EQ(shortenPath(drive).size(), 41u);
    // Cyrillic letters count as one character each.
    std::string cyr = "/";
    for (int i = 0; i < 43; ++i)
        cyr += "ж";
    EXPECT_EQ(shortenPath(cyr), cyr);
    std::string tail;
    for (int i = 0; i < 35; ++i)
        tail += "ж";
    EXPECT_EQ(shortenPath(cyr + "ж"), "/..." + tail);
}

TEST(IsArchiveName, LooksAtTheLastThreeCharactersOnly)
{
    EXPECT_TRUE(isArchiveName("/a/b.zip"));
    EXPECT_TRUE(isArchiveName("/a/bzip"));
    EXPECT_FALSE(isArchiveName("/a/b.ZIP"));
    EXPECT_FALSE(isArchiveName("/a/b.Zip"));
    EXPECT_FALSE(isArchiveName("zi"));
}

} // namespace
