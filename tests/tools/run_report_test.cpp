#include "tools/report/run_report.h"

#include "report_test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace report_test;
using squadlens::report::compareFiles;
using squadlens::report::topLevelErrorText;

namespace {

const std::string kNotTeamFile = "Неверный файл команды\n";
const std::string kDifferentTeams =
    "Открыты файлы разных команд!\nПровекра дат отключена, сравнение скиллов не возможно\n";
const std::string kNewTooOld = "Файл на конец периода должна быть старше файла на его начало\n";

std::vector<Player> squad()
{
    return {{"101", "Иван Первый", "GK", "700000", "60.50", "5000"},
            {"102", "Пётр Второй", "CD", "450000", "52.25", "3500"}};
}

std::string oldFile(std::vector<Player> players = squad(), const std::string &date = "01.07.2025")
{
    return teamFile(date, "77", "Клуб", players);
}

std::string newFile(std::vector<Player> players = squad(), const std::string &date = "01.07.2026",
                    const std::string &teamId = "77")
{
    return teamFile(date, teamId, "Клуб", players);
}

// The two paths handed to the tool and what it must answer.
struct MessageCase {
    std::string name;
    std::function<std::pair<std::string, std::string>(const TempDir &)> files;
    std::function<std::string(const TempDir &)> err;
    int status;
    friend std::ostream &operator<<(std::ostream &o, const MessageCase &c) { return o << c.name; }
};

const MessageCase kMessageCases[] = {
    {"OldNotATeamFile",
     [](const TempDir &d) { return std::pair{d.put("o.dat", "hello\r\n"), d.put("n.dat", newFile())}; },
     [](const TempDir &) { return kNotTeamFile; }, 1},
    {"NewEndLineWithTrailingBlank",
     [](const TempDir &d) {
         std::string bad = newFile();
         bad.insert(bad.size() - 2, " ");
         return std::pair{d.put("o.dat", oldFile()), d.put("n.dat", bad)};
     },
     [](const TempDir &) { return kNotTeamFile; }, 1},
    {"OldMissing",
     [](const TempDir &d) { return std::pair{d.file("missing.dat"), d.put("n.dat", newFile())}; },
     [](const TempDir &d) { return "Cannot open file " + d.file("missing.dat") + ".\n"; }, 1},
    {"NewIsAFolder", [](const TempDir &d) { return std::pair{d.put("o.dat", oldFile()), d.path()}; },
     [](const TempDir &d) { return "Cannot open file " + d.path() + ".\n"; }, 1},
    // "-" sorts before ".", so the report adds no full stop.
    {"NameEndingBeforeFullStop",
     [](const TempDir &d) { return std::pair{d.file("missing-"), d.put("n.dat", newFile())}; },
     [](const TempDir &d) { return "Cannot open file " + d.file("missing-") + "\n"; }, 1},
    {"NewOlderThanOld",
     [](const TempDir &d) {
         return std::pair{d.put("o.dat", oldFile()), d.put("n.dat", newFile(squad(), "30.06.2025"))};
     },
     [](const TempDir &) { return kNewTooOld; }, 1},
    {"EqualDatesCompare",
     [](const TempDir &d) {
         return std::pair{d.put("o.dat", oldFile()), d.put("n.dat", newFile(squad(), "01.07.2025"))};
     },
     [](const TempDir &) { return ""; }, 0},
    {"DateThatIsNoDate",
     [](const TempDir &d) {
         return std::pair{d.put("o.dat", oldFile(squad(), "3x.07.2025")), d.put("n.dat", newFile())};
     },
     [](const TempDir &) { return "'3x.07.2025' is not a valid date and time.\n"; }, 1},
    {"IdThatIsNoNumber",
     [](const TempDir &d) {
         auto players = squad();
         players[1].id = "x7";
         return std::pair{d.put("o.dat", oldFile(players)), d.put("n.dat", newFile())};
     },
     [](const TempDir &) { return "'x7' is not a valid integer value.\n"; }, 1},
    {"RatingThatIsNoNumber",
     [](const TempDir &d) {
         auto players = squad();
         players[0].rating = "5x.5";
         return std::pair{d.put("o.dat", oldFile()), d.put("n.dat", newFile(players))};
     },
     // The player lines' "." became "," before the rating was read.
     [](const TempDir &) { return "'5x,5' is not a valid floating point value.\n"; }, 1},
    {"SkillThatIsNoNumber",
     [](const TempDir &d) {
         auto players = squad();
         players[1].skills[5] = "4a";
         return std::pair{d.put("o.dat", oldFile()), d.put("n.dat", newFile(players))};
     },
     [](const TempDir &) { return "'4a' is not a valid integer value.\n"; }, 1},
    {"DifferentTeamsStillCompare",
     [](const TempDir &d) {
         return std::pair{d.put("o.dat", oldFile()),
                          d.put("n.dat", newFile(squad(), "01.07.2020", "78"))};
     },
     [](const TempDir &) { return kDifferentTeams; }, 0},
    {"DifferentTeamsThenAnError",
     [](const TempDir &d) {
         std::vector<Player> others = {{"501", "Чужой", "FW", "100", "abc", "100"}};
         return std::pair{d.put("o.dat", oldFile()), d.put("n.dat", newFile(others, "01.07.2026", "78"))};
     },
     [](const TempDir &) { return kDifferentTeams + "'abc' is not a valid floating point value.\n"; },
     1},
};

class Messages : public testing::TestWithParam<MessageCase> {};

TEST_P(Messages, AreTheWindowsOwnAndSetTheExitStatus)
{
    const TempDir dir;
    const auto [oldPath, newPath] = GetParam().files(dir);
    const Outcome run = runReport({"--format", "tsv", oldPath, newPath});
    EXPECT_EQ(run.err, GetParam().err(dir));
    EXPECT_EQ(run.status, GetParam().status);
    // A report is written only when the comparison went through.
    if (GetParam().status == 0)
        EXPECT_EQ(run.out.rfind("# pairing\n", 0), 0u);
    else
        EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, Messages, testing::ValuesIn(kMessageCases),
                         [](const auto &info) { return info.param.name; });

TEST(RunReport, ArchiveIsReadLikeItsTeamFile)
{
    const Outcome plain = runReport({"--format", "tsv", kOldSample, kNewSample});
    const Outcome zipped = runReport({"--format", "tsv", kOldSample, kNewSampleZip});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(zipped.status, 0) << zipped.err;
    EXPECT_EQ(zipped.err, "");
    EXPECT_EQ(zipped.out, plain.out);
}

TEST(RunReport, ArchiveWithoutItsTeamFileIsAFileThatCannotBeOpened)
{
    // other.zip holds new.dat, but the file expected is other.dat.
    const TempDir dir;
    const std::string archive = dir.put("other.zip", readFile(kNewSampleZip));
    const std::string scratch = dir.file("scratch");
    std::ostringstream err;
    EXPECT_FALSE(compareFiles(kOldSample, archive, scratch, err));
    EXPECT_EQ(err.str(), "Cannot open file " + scratch + "/other.dat.\n");
}

TEST(RunReport, DamagedArchiveIsOneErrorNamingIt)
{
    const TempDir dir;
    const std::string archive = dir.put("bad.zip", "this is no zip archive");
    const Outcome run = runReport({kOldSample, archive});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(archive), std::string::npos) << run.err;
    ASSERT_GE(run.err.size(), 2u);
    EXPECT_EQ(run.err.substr(run.err.size() - 2), ".\n") << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

TEST(RunReport, WritesTheReportToTheOutputFileOnlyWhenItSucceeds)
{
    const TempDir dir;
    const std::string target = dir.file("report.tsv");
    const Outcome run = runReport({"--format=tsv", "-o", target, kOldSample, kNewSample});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(target), readFile(kSourceDir + "/tests/tools/data/sample.tsv"));

    const std::string other = dir.file("other.tsv");
    const Outcome failed = runReport({"--output=" + other, dir.file("missing.dat"), kNewSample});
    EXPECT_EQ(failed.status, 1);
    EXPECT_FALSE(fs::exists(other));

    const std::string unwritable = dir.file("no/such/folder.tsv");
    const Outcome cannot = runReport({"--output", unwritable, kOldSample, kNewSample});
    EXPECT_EQ(cannot.status, 1);
    EXPECT_EQ(cannot.err, "Cannot create file " + unwritable + ".\n");
    EXPECT_EQ(cannot.out, "");
}

TEST(RunReport, OperandsAfterDoubleDashMayStartWithADash)
{
    const Outcome run = runReport({"--", "-old.dat", kNewSample});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot open file -old.dat.\n");
}

TEST(RunReport, HelpGoesToStandardOutput)
{
    const Outcome run = runReport({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: squadlens-report ", 0), 0u);
    EXPECT_EQ(run.err, "");
}

class WrongUsage : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(WrongUsage, ExitsWithTwoAndTheUsageBeforeOpeningAnyFile)
{
    const Outcome run = runReport(GetParam());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("squadlens-report: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("\nUsage: squadlens-report "), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Cannot open"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrongUsage,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"a.dat"},
                    std::vector<std::string>{"a.dat", "b.dat", "c.dat"},
                    std::vector<std::string>{"", "b.dat"},
                    std::vector<std::string>{"--format", "xml", "a.dat", "b.dat"},
                    std::vector<std::string>{"--format=TSV", "a.dat", "b.dat"},
                    std::vector<std::string>{"a.dat", "b.dat", "--format"},
                    std::vector<std::string>{"--table", "value", "a.dat", "b.dat"},
                    std::vector<std::string>{"--format", "csv", "--table", "roster", "a.dat", "b.dat"},
                    std::vector<std::string>{"--bogus", "a.dat", "b.dat"},
                    std::vector<std::string>{"-o", "", "a.dat", "b.dat"}));

struct FullStopCase {
    std::string text, shown;
    friend std::ostream &operator<<(std::ostream &o, const FullStopCase &c)
    {
        return o << testing::PrintToString(c.text);
    }
};

class FullStop : public testing::TestWithParam<FullStopCase> {};

TEST_P(FullStop, IsAppendedUnlessTheTextEndsInOrBeforeAFullStop)
{
    EXPECT_EQ(topLevelErrorText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullStop,
    testing::Values(FullStopCase{"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
                    FullStopCase{"ends.", "ends."}, FullStopCase{"ends!", "ends!"},
                    FullStopCase{"ends ", "ends "}, FullStopCase{"ends-", "ends-"},
                    FullStopCase{"ends,", "ends,"}, FullStopCase{"ends/", "ends/."},
                    FullStopCase{"ends0", "ends0."}, FullStopCase{"Архив повреждён", "Архив повреждён."},
                    FullStopCase{"", ""}));

// The executable itself: exit status, streams, and no files left behind.
struct BinaryCase {
    std::vector<std::string> args;
    int status;
    std::string err;
    friend std::ostream &operator<<(std::ostream &o, const BinaryCase &c)
    {
        return o << testing::PrintToString(c.args);
    }
};

class Binary : public testing::TestWithParam<BinaryCase> {};

TEST_P(Binary, ExitsWithTheStatusOfItsOutcome)
{
    const Outcome run = runBinary(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    if (GetParam().status == 2)
        EXPECT_NE(run.err.find("Usage: squadlens-report "), std::string::npos) << run.err;
    else
        EXPECT_EQ(run.err, GetParam().err);
    EXPECT_EQ(run.out.empty(), GetParam().status != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Binary,
    testing::Values(BinaryCase{{kOldSample, kNewSample}, 0, ""},
                    BinaryCase{{"--format", "html", kOldSample, kNewSampleZip}, 0, ""},
                    BinaryCase{{kOldSample, "/nonexistent/x.dat"}, 1, "Cannot open file /nonexistent/x.dat.\n"},
                    BinaryCase{{kNewSample, kOldSample}, 1, kNewTooOld},
                    BinaryCase{{kOldSample}, 2, ""}));

TEST(Binary, LeavesNothingInTheTemporaryFolder)
{
    const TempDir tmp;
    const Outcome run = runBinary({"--format", "tsv", kOldSample, kNewSampleZip}, "TMPDIR=" + shellQuote(tmp.path()));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readFile(kSourceDir + "/tests/tools/data/sample.tsv"));
    EXPECT_TRUE(fs::is_empty(tmp.path()));
}

} // namespace
