#include "tools/report/writers.h"

#include "core/cp1251.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

#include <locale>
#include <set>

using namespace report_test;
using namespace squadlens::report;
using squadlens::toCp1251;

namespace {

const std::string kPaleGreen = "#baf0b3", kPaleRed = "#ffb0b0", kGreen = "#008000",
                  kRed = "#ff0000", kBlue = "#0000ff";

// Start tags and end tags pair up; void and self-closed elements stand alone.
// Gives the first fault, or nothing.
std::string nestingFault(const std::string &html)
{
    static const std::set<std::string> kVoid = {"meta", "col", "br", "hr", "img", "input", "link"};
    std::vector<std::string> open;
    std::size_t i = 0;
    while ((i = html.find('<', i)) != std::string::npos) {
        const std::size_t end = html.find('>', i);
        if (end == std::string::npos)
            return "unclosed tag";
        const std::string tag = html.substr(i + 1, end - i - 1);
        i = end + 1;
        if (tag.rfind("!DOCTYPE", 0) == 0)
            continue;
        if (tag.empty() || tag.find('<') != std::string::npos)
            return "stray <";
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1))
                return "unexpected </" + tag.substr(1) + ">";
            open.pop_back();
            continue;
        }
        const std::string name = tag.substr(0, tag.find_first_of(" \n/"));
        if (tag.back() == '/' || kVoid.count(name))
            continue;
        open.push_back(name);
    }
    return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

// The text between the start of an element that begins with `start` and the
// next `end`.
std::string between(const std::string &html, const std::string &start, const std::string &end)
{
    const std::size_t from = html.find(start);
    if (from == std::string::npos)
        return {};
    return html.substr(from, html.find(end, from) - from);
}

// The table row that holds a cell with exactly this text.
std::string rowWith(const std::string &table, const std::string &cellText)
{
    const std::size_t cell = table.find(">" + cellText + "</td>");
    if (cell == std::string::npos)
        return {};
    const std::size_t from = table.rfind("<tr>", cell);
    return table.substr(from, table.find("</tr>", cell) - from);
}

std::size_t count(const std::string &text, const std::string &part)
{
    std::size_t n = 0;
    for (std::size_t i = text.find(part); i != std::string::npos; i = text.find(part, i + 1))
        ++n;
    return n;
}

std::string td(const std::string &style, const std::string &text)
{
    return "<td" + (style.empty() ? "" : " style=\"" + style + "\"") + ">" + text + "</td>";
}

class SampleHtml : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const Outcome run = runReport({"--format", "html", kOldSample, kNewSampleZip});
        ASSERT_EQ(run.status, 0) << run.err;
        html = new std::string(run.out);
    }
    static void TearDownTestSuite() { delete html; }
    static std::string *html;
};
std::string *SampleHtml::html = nullptr;

TEST_F(SampleHtml, IsOneWellFormedPageWithoutScriptsOrOutsideFiles)
{
    const std::string &page = *html;
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">", 0), 0u);
    EXPECT_EQ(nestingFault(page), "");
    for (const char *outside : {"<script", "src=", "href=", "url(", "@import", "http:", "https:"})
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    EXPECT_NE(page.find("<title>Vantor Squadlens: ФК Заречье от 01.07.2025 — ФК Заречье от 01.07.2026</title>"),
              std::string::npos);
}

TEST_F(SampleHtml, SummaryTablesHaveHeaderRowsAndEveryPlayerRow)
{
    for (const char *id : {"rating", "value", "salary"}) {
        const std::string table = between(*html, std::string("<section id=\"") + id + "\">", "</section>");
        ASSERT_FALSE(table.empty()) << id;
        EXPECT_EQ(count(table, "<thead>"), 1u) << id;
        EXPECT_EQ(count(table, "<th>"), 5u) << id;
        EXPECT_NE(table.find("<th>Игрок</th><th>Поз.</th><th>01.07.2025</th><th>01.07.2026</th>"),
                  std::string::npos)
            << id;
        EXPECT_EQ(count(table, "<tr>"), 35u) << id; // header, 33 players, totals
    }
}

struct CellCase {
    std::string section, player, cell;
    friend std::ostream &operator<<(std::ostream &o, const CellCase &c) { return o << c.section << ": " << c.player; }
};

class SampleCellColours : public SampleHtml, public testing::WithParamInterface<CellCase> {};

TEST_P(SampleCellColours, FollowTheWindowsPaintRules)
{
    const std::string table = between(*html, "<section id=\"" + GetParam().section + "\">", "</section>");
    const std::string row = rowWith(table, GetParam().player);
    ASSERT_FALSE(row.empty()) << GetParam().player;
    EXPECT_NE(row.find(GetParam().cell), std::string::npos) << row;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SampleCellColours,
    testing::Values(
        // Names left, positions centred, figures right; markers in colour.
        CellCase{"rating", "Лев Ночевкин",
                 td("text-align:left;", "Лев Ночевкин") + td("text-align:center;", "GK") +
                     td("text-align:right;", "59,06") + td("text-align:right;color:" + kRed + ";", "покинул клуб") +
                     td("text-align:right;", "n/a")},
        CellCase{"value", "Глеб Моховиков",
                 td("text-align:right;color:" + kGreen + ";", "новичок клуба") +
                     td("text-align:right;", "1.485.000") + td("text-align:right;", "n/a")},
        // Rating and value: a rise is good, a fall bad, zero unpainted.
        CellCase{"rating", "Яромир Мшистов", td("text-align:right;background-color:" + kPaleGreen + ";", "2,5")},
        CellCase{"rating", "Вадим Журавкин", td("text-align:right;background-color:" + kPaleRed + ";", "-3,9")},
        CellCase{"rating", "Мстислав Хвощёв", td("text-align:right;", "0,0")},
        CellCase{"rating", "Средний РУ:", td("text-align:right;background-color:" + kPaleGreen + ";", "0,83")},
        CellCase{"value", "Аким Кленовый", td("text-align:right;background-color:" + kPaleRed + ";", "-30.000")},
        CellCase{"value", "Общая стоимость:",
                 td("text-align:right;background-color:" + kPaleGreen + ";", "3.645.000")},
        // Salary: the colours swap; "0" is unpainted.
        CellCase{"salary", "Вадим Туманцев", td("text-align:right;background-color:" + kPaleGreen + ";", "-200")},
        CellCase{"salary", "Аким Кленовый", td("text-align:right;background-color:" + kPaleRed + ";", "500")},
        CellCase{"salary", "Святослав Ольховцев", td("text-align:right;", "0")},
        CellCase{"salary", "Общая ЗП:", td("text-align:right;background-color:" + kPaleRed + ";", "20.000")}));

TEST_F(SampleHtml, SkillsTablesAreColouredByPositionGroupAndProgress)
{
    const std::string skills = between(*html, "<section id=\"skills\">", "</section>");
    EXPECT_EQ(count(skills, "<table class=\"skills\">"), 27u);
    EXPECT_EQ(count(skills, "<th>Скилл</th><th>01.07.2025</th><th>01.07.2026</th><th>Прогресс</th>"), 27u);

    const std::string keeper = between(skills, "<h3>Аким Кленовый, GK</h3>", "</table>");
    // Goalkeeper: "Навесы" red, "Пенальти" green; nothing is blue.
    EXPECT_NE(keeper.find(td("color:" + kRed + ";", "Навесы") + td("color:" + kRed + ";", "32") +
                          td("color:" + kRed + ";", "30") + td("background-color:" + kPaleRed + ";", "-2")),
              std::string::npos)
        << keeper;
    EXPECT_NE(keeper.find(td("color:" + kGreen + ";", "Пенальти") + td("color:" + kGreen + ";", "46") +
                          td("color:" + kGreen + ";", "47") + td("background-color:" + kPaleGreen + ";", "1")),
              std::string::npos);
    EXPECT_NE(keeper.find(td("color:" + kRed + ";", "Игра головой") + td("color:" + kRed + ";", "29") +
                          td("color:" + kRed + ";", "29") + td("", "0")),
              std::string::npos);
    EXPECT_EQ(keeper.find(kBlue), std::string::npos);

    // A right midfielder: "Удар" blue.
    const std::string midfielder = between(skills, "<h3>Аким Филинов, RM</h3>", "</table>");
    EXPECT_NE(midfielder.find(td("color:" + kBlue + ";", "Удар")), std::string::npos) << midfielder;
    // The colours follow the old position: CD, a defender, though LD now.
    const std::string moved = between(skills, "<h3>Вадим Журавкин, CD</h3>", "</table>");
    EXPECT_NE(moved.find(td("color:" + kGreen + ";", "Опека")), std::string::npos) << moved;
}

TEST_F(SampleHtml, ChartsHaveABarPerChangedPairedPlayerInTheTablesColours)
{
    const std::string charts = between(*html, "<section id=\"charts\">", "</section>");
    ASSERT_EQ(count(charts, "<svg"), 2u);
    const std::string rating = between(charts, "<svg", "</svg>");
    const std::string value = between(charts.substr(charts.find("</svg>")), "<svg", "</svg>");

    // 27 paired players; one rating change rounds to 0,0 and gets no bar.
    EXPECT_EQ(count(rating, "<text"), 2u * 27);
    EXPECT_EQ(count(rating, "<rect"), 26u);
    EXPECT_EQ(count(value, "<rect"), 27u);
    EXPECT_EQ(rating.find("Лев Ночевкин"), std::string::npos); // a leaver has no bar

    const std::string good = "fill=\"" + kPaleGreen + "\" stroke=\"" + kGreen + "\"";
    const std::string bad = "fill=\"" + kPaleRed + "\" stroke=\"" + kRed + "\"";
    const auto barAfter = [](const std::string &chart, const std::string &name) {
        const std::size_t at = chart.find(">" + name + "</text>");
        return at == std::string::npos ? std::string() : chart.substr(at, chart.find('\n', at) - at);
    };
    EXPECT_NE(barAfter(rating, "Яромир Мшистов").find(good), std::string::npos);
    EXPECT_NE(barAfter(rating, "Вадим Журавкин").find(bad), std::string::npos);
    EXPECT_EQ(barAfter(rating, "Мстислав Хвощёв").find("<rect"), std::string::npos);
    EXPECT_NE(barAfter(value, "Платон Тростников").find(good), std::string::npos);
    EXPECT_NE(barAfter(value, "Мирон Ледянкин").find(bad), std::string::npos);
    EXPECT_NE(barAfter(value, "Мирон Ледянкин").find(">-335.000</text>"), std::string::npos);
    EXPECT_EQ(count(rating, good) + count(rating, bad), 26u);
}

// The longest bar is the largest change; a bar of half the change is half as long.
TEST(HtmlWriter, BarsAreScaledToTheLargestChange)
{
    ReportData data;
    data.pairing.setRowCount(3);
    data.value.setRowCount(4);
    for (int row = 1; row <= 2; ++row)
        data.pairing.setCell(9, row, "1");
    data.value.setCell(0, 1, "a");
    data.value.setCell(4, 1, "-1.000.000");
    data.value.setCell(0, 2, "b");
    data.value.setCell(4, 2, "500.000");
    std::ostringstream out;
    writeHtml(data, out);
    const std::string value = out.str().substr(out.str().find("Изменение стоимости"));
    const auto attribute = [&](std::size_t rect, const std::string &name) {
        const std::size_t at = value.find(" " + name + "=\"", rect) + name.size() + 3;
        return std::stod(value.substr(at, value.find('"', at) - at));
    };
    std::vector<std::pair<double, double>> bars; // x and width of each bar
    for (std::size_t rect = value.find("<rect"); rect != std::string::npos; rect = value.find("<rect", rect + 1))
        bars.emplace_back(attribute(rect, "x"), attribute(rect, "width"));
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_DOUBLE_EQ(bars[0].second, 2 * bars[1].second);
    EXPECT_DOUBLE_EQ(bars[0].first + bars[0].second, bars[1].first); // both meet at zero
}

// The caller's stream may group digits; the page's numbers never do.
TEST(HtmlWriter, NumbersDoNotFollowTheStreamsLocale)
{
    struct Grouping : std::numpunct<char> {
        char do_thousands_sep() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
    };
    ReportData data;
    data.pairing.setRowCount(61);
    data.rating.setRowCount(62);
    for (int row = 1; row <= 60; ++row) {
        data.pairing.setCell(9, row, "1");
        data.rating.setCell(4, row, "1,5");
    }
    std::ostringstream plain, grouped;
    grouped.imbue(std::locale(std::locale::classic(), new Grouping));
    writeHtml(data, plain);
    writeHtml(data, grouped);
    EXPECT_NE(plain.str().find("height=\"1096\""), std::string::npos);
    EXPECT_EQ(grouped.str(), plain.str());
}

TEST(HtmlWriter, EscapesTextAndShowsControlCharacters)
{
    EXPECT_EQ(htmlEscape("<b>&\"'x"), "&lt;b&gt;&amp;&quot;&#39;x");

    ReportData data;
    data.oldTeam = "<Клуб> & Co";
    data.newTeam = "Клуб";
    data.rating.setRowCount(3);
    data.rating.setCell(0, 1, toCp1251("<script>alert(1)</script>\tИгрок"));
    data.rating.setCell(4, 1, "1,5");
    data.pairing.setRowCount(2);
    data.pairing.setCell(9, 1, "1");
    data.skills.push_back({toCp1251("\"Иван\" <GK>"), squadlens::TextTable(4, 25)});
    std::ostringstream out;
    writeHtml(data, out);
    const std::string page = out.str();
    EXPECT_EQ(nestingFault(page), "");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("<h1>&lt;Клуб&gt; &amp; Co — Клуб</h1>"), std::string::npos);
    EXPECT_NE(page.find(">&lt;script&gt;alert(1)&lt;/script&gt;␉Игрок</td>"), std::string::npos);
    EXPECT_NE(page.find(">&lt;script&gt;alert(1)&lt;/script&gt;␉Игрок</text>"), std::string::npos);
    EXPECT_NE(page.find("<h3>&quot;Иван&quot; &lt;GK&gt;</h3>"), std::string::npos);
}

TEST(HtmlWriter, EmptyReportIsStillAWholePage)
{
    std::ostringstream out;
    writeHtml(ReportData{}, out);
    EXPECT_EQ(nestingFault(out.str()), "");
    EXPECT_EQ(out.str().find("<svg"), std::string::npos);
    EXPECT_EQ(count(out.str(), "<table"), 3u);
    EXPECT_EQ(out.str().substr(out.str().size() - 8), "</html>\n");
}

} // namespace
