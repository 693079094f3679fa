#include "tools/report/writers.h"

#include "core/numbers.h"
#include "core/result_tables.h"
#include "tools/report/cell_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <locale>
#include <optional>
#include <sstream>
#include <vector>

namespace squadlens::report {
namespace {

// The grid's default painting: white cells with black text, the header row in
// the button face colour, text from the cell's left edge.
constexpr const char *kStyle = R"(body { font-family: "DejaVu Sans", Tahoma, Arial, sans-serif; font-size: 13px; margin: 16px; color: #000000; background-color: #ffffff; }
h1 { font-size: 18px; }
h2 { font-size: 15px; margin: 20px 0 4px; }
h3 { font-size: 13px; margin: 12px 0 4px; }
table { border-collapse: collapse; }
th, td { border: 1px solid #a0a0a0; padding: 1px 4px; white-space: nowrap; text-align: left; color: #000000; background-color: #ffffff; }
th { background-color: #f0f0f0; font-weight: normal; }
svg { display: block; margin: 4px 0 12px; }
.players { display: flex; flex-wrap: wrap; gap: 0 24px; }
svg text { font-size: 12px; fill: #000000; }
)";

std::string cellStyle(const CellPaint &paint)
{
    std::string style;
    if (paint.redraw == Redraw::Aligned)
        style += paint.align == Align::Right    ? "text-align:right;"
                 : paint.align == Align::Center ? "text-align:center;"
                                                : "text-align:left;";
    if (paint.text)
        style += "color:" + cssColour(*paint.text) + ";";
    if (paint.background)
        style += "background-color:" + cssColour(*paint.background) + ";";
    return style;
}

template <typename Paint>
void writeTable(const TextTable &table, int cols, int lastRow, const int *widths,
                const char *cssClass, Paint paint, std::ostream &out)
{
    out << "<table class=\"" << cssClass << "\">\n<colgroup>";
    for (int col = 0; col < cols; ++col)
        out << "<col style=\"width:" << widths[col] << "px\">";
    out << "</colgroup>\n<thead><tr>";
    for (int col = 0; col < cols; ++col)
        out << "<th>" << htmlEscape(shownText(table.cell(col, 0))) << "</th>";
    out << "</tr></thead>\n<tbody>\n";
    for (int row = 1; row <= lastRow; ++row) {
        out << "<tr>";
        for (int col = 0; col < cols; ++col) {
            const std::string_view text = table.cell(col, row);
            const std::string style = cellStyle(paint(col, row, text));
            out << "<td";
            if (!style.empty())
                out << " style=\"" << style << "\"";
            out << ">" << htmlEscape(shownText(text)) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n";
}

void writeSummary(const char *id, const char *caption, SummaryTable kind, const TextTable &table,
                  std::ostream &out)
{
    out << "<section id=\"" << id << "\">\n<h2>" << caption << "</h2>\n";
    writeTable(table, 5, table.rowCount() - 1, kSummaryTableWidths, "summary",
               [kind](int col, int row, std::string_view text) {
                   return summaryDrawCell(kind, col, row, text);
               },
               out);
    out << "</section>\n";
}

struct Bar {
    std::string name;   // UTF-8
    std::string label;  // the change as the table writes it (UTF-8)
    long double amount; // its number
    std::optional<Rgb> background;
};

// "-1.250.000" as a number: the grouping dots dropped.
std::optional<long double> moneyAmount(std::string_view text)
{
    std::string digits;
    for (const char c : text)
        if (c != '.')
            digits += c;
    long long v = 0;
    const char *end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, v);
    if (digits.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return static_cast<long double>(v);
}

// One bar per paired player (pairing status "1"), from his change cell.
std::vector<Bar> barsOf(const ReportData &data, const TextTable &table, SummaryTable kind)
{
    std::vector<Bar> bars;
    for (int row = 1; row < data.pairing.rowCount(); ++row) {
        if (data.pairing.cell(9, row) != "1")
            continue;
        const std::string_view change = table.cell(4, row);
        const auto amount =
            kind == SummaryTable::Rating ? tryStrToFloat(change) : moneyAmount(change);
        if (!amount || !std::isfinite(*amount))
            continue;
        bars.push_back({shownText(table.cell(0, row)), shownText(change), *amount,
                        summaryDrawCell(kind, 4, row, change).background});
    }
    return bars;
}

// A horizontal bar chart around a zero line in the middle: good changes in
// PaleGreen edged clGreen, bad ones in PaleRed edged clRed, as the change
// column paints them; an unpainted (zero) change has no bar.
void writeChart(const char *caption, const std::vector<Bar> &bars, std::ostream &out)
{
    constexpr int kRow = 18, kTop = 8, kNames = 220, kPlot = 560, kLabels = 110;
    constexpr int kWidth = kNames + kPlot + kLabels;
    const int height = kTop * 2 + kRow * static_cast<int>(bars.size());
    long double largest = 0;
    for (const Bar &bar : bars)
        largest = std::max(largest, std::fabs(bar.amount));
    const double zero = kNames + kPlot / 2.0;
    const double longest = kPlot / 2.0 - 4;

    out << "<h3>" << caption << "</h3>\n<svg class=\"chart\" width=\"" << kWidth << "\" height=\""
        << height << "\" viewBox=\"0 0 " << kWidth << ' ' << height << "\" role=\"img\" aria-label=\""
        << caption << "\">\n";
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar &bar = bars[i];
        const int top = kTop + kRow * static_cast<int>(i);
        const int baseline = top + kRow - 5;
        out << "<text x=\"" << kNames - 6 << "\" y=\"" << baseline << "\" text-anchor=\"end\">"
            << htmlEscape(bar.name) << "</text>";
        if (bar.background && bar.amount != 0) {
            const bool good = *bar.background == PaleGreen;
            // A share of the largest change, so any finite amount gives a sane length.
            const double share = static_cast<double>(std::fabs(bar.amount) / largest);
            const double length = std::max(1.0, share * longest);
            const double x = bar.amount < 0 ? zero - length : zero;
            out << "<rect x=\"" << x << "\" y=\"" << top + 2 << "\" width=\"" << length
                << "\" height=\"" << kRow - 4 << "\" fill=\"" << cssColour(*bar.background)
                << "\" stroke=\"" << cssColour(good ? clGreen : clRed) << "\"/>";
        }
        out << "<text x=\"" << kNames + kPlot + 6 << "\" y=\"" << baseline << "\">"
            << htmlEscape(bar.label) << "</text>\n";
    }
    out << "<line x1=\"" << zero << "\" y1=\"" << kTop / 2 << "\" x2=\"" << zero << "\" y2=\""
        << height - kTop / 2 << "\" stroke=\"" << cssColour(clGray) << "\"/>\n</svg>\n";
}

} // namespace

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

void writeHtml(const ReportData &data, std::ostream &target)
{
    // Numbers in attributes must not follow whatever locale the caller's
    // stream carries (no "1,024" for a height).
    std::ostringstream out;
    out.imbue(std::locale::classic());
    const std::string heading = htmlEscape(data.oldTeam) + " — " + htmlEscape(data.newTeam);
    out << "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>Vantor Squadlens: "
        << heading << "</title>\n<style>\n" << kStyle << "</style>\n</head>\n<body>\n<h1>" << heading
        << "</h1>\n";

    writeSummary("rating", "РУ", SummaryTable::Rating, data.rating, out);
    writeSummary("value", "Cтоимость", SummaryTable::Value, data.value, out);
    writeSummary("salary", "Зарплаты", SummaryTable::Salary, data.salary, out);

    const auto ratingBars = barsOf(data, data.rating, SummaryTable::Rating);
    const auto valueBars = barsOf(data, data.value, SummaryTable::Value);
    if (!ratingBars.empty() || !valueBars.empty()) {
        out << "<section id=\"charts\">\n<h2>Изменения</h2>\n";
        writeChart("Прогресс РУ", ratingBars, out);
        writeChart("Изменение стоимости", valueBars, out);
        out << "</section>\n";
    }

    if (!data.skills.empty()) {
        out << "<section id=\"skills\">\n<h2>Cкиллы</h2>\n<div class=\"players\">\n";
        for (const SkillsPage &page : data.skills) {
            out << "<div class=\"player\">\n<h3>" << htmlEscape(shownText(page.chooserText)) << "</h3>\n";
            writeTable(page.table, 4, 24, kSkillsTableWidths, "skills",
                       [&page](int col, int row, std::string_view text) {
                           return StringGrid3DrawCell(col, row, text, page.chooserText);
                       },
                       out);
            out << "</div>\n";
        }
        out << "</div>\n</section>\n";
    }
    out << "</body>\n</html>\n";
    target << out.str();
}

} // namespace squadlens::report
