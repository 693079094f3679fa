#include "core/engine.h"

#include "core/error.h"
#include "core/texts.h"
#include "fixtures.h"

#include <gtest/gtest.h>

using namespace squadlens;
using namespace squadlens::test;

namespace {

// Records what the run asks of the window.
struct RecordingView : RunView {
    std::vector<std::string> calls;
    void showResultArea() override { calls.push_back("show"); }
    void setActivePage(Page p) override { calls.push_back("page " + std::to_string(int(p))); }
    void setTabHighlighted(Page p, bool on) override
    {
        calls.push_back("tab " + std::to_string(int(p)) + (on ? " on" : " off"));
    }
};

using V = std::vector<std::string>;

TEST(FillButtonClick, FirstRunChoosesTheSkillsPageForOneClubOnlyOnce)
{
    Engine e;
    e.TID1 = e.TID2 = "7";
    e.ws.ListBoxO = teamLines("7", "01.07.2025", {});
    e.ws.ListBoxN = teamLines("7", "01.07.2026", {});
    RecordingView view;
    FillButtonClick(e, view);
    EXPECT_EQ(view.calls, (V{"show", "page 0"}));
    EXPECT_FALSE(e.firstRun);

    view.calls.clear();
    e.TID2 = "8";
    FillButtonClick(e, view);
    EXPECT_EQ(view.calls, (V{"show"})); // later runs leave the pages alone
}

TEST(FillButtonClick, FirstRunOfTwoClubsChoosesTheRatingPage)
{
    Engine e;
    e.TID1 = "7";
    e.TID2 = "8";
    e.ws.ListBoxO = teamLines("7", "01.07.2025", {});
    e.ws.ListBoxN = teamLines("8", "01.07.2026", {});
    RecordingView view;
    FillButtonClick(e, view);
    EXPECT_EQ(view.calls, (V{"show", "page 1", "tab 0 off", "tab 1 on"}));
}

TEST(FillButtonClick, CutsPlayerLinesIntoTablesAfterTheDecimalStep)
{
    Engine e;
    e.ws.ListBoxO = teamLines("7", "01.07.2025", {{"1", "А.Б.", "GK", "10", "54.35", "5"},
                                                   {"2", "В", "CD", "20", "60.5", "6"}});
    e.ws.ListBoxN = teamLines("7", "01.07.2026", {{"1", "А.Б.", "GK", "10", "55.6", "5"}});
    e.ws.ListBoxN.set(3, std::string(e.ws.ListBoxN[3]) + "tail");
    RecordingView view;
    FillButtonClick(e, view);

    const TextTable &old = e.ws.StringGrid1;
    EXPECT_EQ(old.rowCount(), 3);
    EXPECT_EQ(old.cell(0, 0), "1");
    EXPECT_EQ(old.cell(44, 0), "45");
    EXPECT_EQ(old.cell(19, 1), "54,35");
    EXPECT_EQ(toUtf8(old.cell(2, 1)), "А,Б,");
    EXPECT_EQ(old.cell(0, 2), "2");
    EXPECT_EQ(e.ws.StringGrid2.rowCount(), 2);
    EXPECT_EQ(e.ws.StringGrid2.cell(44, 1), "0");

    // The lists keep the change; the date and the team line keep their dots.
    EXPECT_EQ(e.ws.ListBoxO[1], " 01.07.2025 12:00");
    EXPECT_NE(e.ws.ListBoxO[3].find("54,35"), std::string::npos);
    EXPECT_EQ(e.ws.ListBoxO.back(), "/***/");

    // The summary tables are filled from the pairing.
    EXPECT_EQ(e.results.StringGrid_ru.cell(4, 1), "1,3");
    EXPECT_EQ(e.results.StringGrid_ru.rowCount(), 4);
}

TEST(FillButtonClick, ShortLinesOfANewFileShowNothingOfTheLastOne)
{
    Engine e;
    e.ws.ListBoxO = teamLines("7", "01.07.2025", {{"1", "А", "GK"}});
    e.ws.ListBoxN = teamLines("7", "01.07.2026", {{"1", "А", "GK"}});
    RecordingView view;
    FillButtonClick(e, view);
    ASSERT_EQ(e.ws.StringGrid1.cell(30, 1), "0");

    // The summary then fails on the missing rating, after the cutting.
    e.ws.ListBoxO.set(3, "/1/x/A/x/GK/");
    EXPECT_THROW(FillButtonClick(e, view), Error);
    EXPECT_EQ(e.ws.StringGrid1.cell(4, 1), "GK");
    EXPECT_EQ(e.ws.StringGrid1.cell(30, 1), "");
}

TEST(FillButtonClick, FilesWithoutPlayerLinesGiveHeaderOnlyTables)
{
    Engine e;
    e.ws.ListBoxO = {"1/", " 01.07.2025", "/7/A/", "/***/"};
    e.ws.ListBoxN = {"1/", " 01.07.2026", "/7/A/", "/***/"};
    RecordingView view;
    FillButtonClick(e, view);
    EXPECT_EQ(e.ws.StringGrid1.rowCount(), 1);
    EXPECT_EQ(e.ws.StringGrid1.cell(0, 0), "1");
    EXPECT_EQ(e.results.StringGrid_ru.rowCount(), 2);
    EXPECT_EQ(toUtf8(e.results.StringGrid_ru.cell(0, 1)), "Средний РУ:");
    EXPECT_EQ(e.results.StringGrid_ru.cell(2, 1), "n/a");
    EXPECT_EQ(e.results.StringGrid_pr.cell(2, 1), "0");
}

} // namespace
