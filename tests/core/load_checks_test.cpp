#include "core/load_checks.h"

#include "core/error.h"

#include <gtest/gtest.h>

using namespace squadlens;

namespace {

TEST(IsTeamFile, NeedsThreeLinesAndExactMarkers)
{
    const std::pair<Lines, bool> cases[] = {
        {{}, false},
        {{"1/"}, false},
        {{"1/", "/***/"}, false},
        {{"1/", "x", "/***/"}, true},
        {{"1/", "x", "y", "/***/"}, true},
        {{"1/ ", "x", "y", "/***/"}, false},
        {{"1/", "x", "y", "/***/ "}, false},
        {{"1/", "x", "y", " /***/"}, false},
        {{"1/", "x", "y", "/***/", ""}, false},
    };
    for (const auto &[lines, ok] : cases)
        EXPECT_EQ(isTeamFile(lines), ok) << testing::PrintToString(lines);
}

TEST(TeamOfLine, CutsIdAndName)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"/123/Alpha/x", "123", "Alpha"},
        {"/123/Alpha", "123", ""},
        {"abc", "", ""},
        {"/123", "", ""},
        {"X123/Alpha/", "123/Alpha", ""}, // the first character is skipped, never taken for a "/"
        {"X/123/Alpha/", "/123", "Alpha"},
        {"//Alpha/", "", "Alpha"},
        {"/1.2/F.C./r", "1.2", "F.C."},
        {"", "", ""},
    };
    for (const auto &[line, id, name] : cases) {
        const TeamIdentity t = teamOfLine(line);
        EXPECT_EQ(t.id, id) << line;
        EXPECT_EQ(t.name, name) << line;
    }
}

TEST(DateText, TakesCharactersTwoToEleven)
{
    EXPECT_EQ(dateTextOfLine("=01.07.2025 10:00"), "01.07.2025");
    EXPECT_EQ(dateTextOfLine("x01.07.2025"), "01.07.2025");
    EXPECT_EQ(dateTextOfLine("x01.07"), "01.07");
    EXPECT_EQ(dateTextOfLine("x"), "");
    EXPECT_EQ(dateTextOfLine(""), "");
    EXPECT_EQ(dateText({"1/", " 02.03.2024"}), "02.03.2024");
    EXPECT_THROW(dateText({"1/"}), Error);
}

TEST(DateKey, ReadsRealCalendarDaysOnly)
{
    const std::pair<const char *, int> good[] = {
        {"01.07.2025", 20250701}, {"29.02.2024", 20240229}, {"29.02.2000", 20000229},
        {"31.12.9999", 99991231}, {"01.01.0001", 10101},
    };
    for (const auto &[text, key] : good)
        EXPECT_EQ(dateKey(text), key) << text;

    for (const char *bad : {"31.02.2024", "29.02.1900", "29.02.2023", "00.00.0000", "01.13.2025",
                            "00.01.2025", "01.01.0000", "1.7.2025", "01/07/2025", "01.07.25",
                            "2025-07-01", "01.07.2025 ", "", "ab.cd.efgh", "+1.07.2025"}) {
        try {
            dateKey(bad);
            ADD_FAILURE() << bad;
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid date and time");
        }
    }
}

TEST(DecidePair, ComparesIdsThenDates)
{
    const Lines oldFile{"1/", " 01.07.2025"}, sameDay{"1/", " 01.07.2025"}, later{"1/", " 02.07.2025"},
        earlier{"1/", " 30.06.2025"}, bad{"1/", " 31.06.2025"};
    EXPECT_EQ(decidePair("7", "7", oldFile, later), PairDecision::Compare);
    EXPECT_EQ(decidePair("7", "7", oldFile, sameDay), PairDecision::Compare);
    EXPECT_EQ(decidePair("7", "7", oldFile, earlier), PairDecision::WrongOrder);
    EXPECT_EQ(decidePair("7", "8", oldFile, earlier), PairDecision::CompareDifferentTeams);
    EXPECT_EQ(decidePair("7", "8", bad, bad), PairDecision::CompareDifferentTeams);
    // The end file's date is read first.
    try {
        decidePair("7", "7", Lines{"1/", " 99.99.9999"}, bad);
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'31.06.2025' is not a valid date and time");
    }
}

} // namespace
