#include "tools/report/writers.h"

#include "tools/report/cell_text.h"

#include <algorithm>
#include <vector>

namespace squadlens::report {
namespace {

constexpr const char *kGap = "  ";

std::string padded(const std::string &text, std::size_t width, Align align)
{
    const std::size_t room = width - std::min(width, displayWidth(text));
    const std::size_t before = align == Align::Right ? room : align == Align::Center ? room / 2 : 0;
    return std::string(before, ' ') + text + std::string(room - before, ' ');
}

void trimRight(std::string &line)
{
    line.erase(line.find_last_not_of(' ') + 1);
}

// Rows first..last of the table; the header row (row 0) is followed by a rule.
void writeTable(const TextTable &table, int cols, int lastRow, const std::vector<Align> &aligns,
                std::ostream &out)
{
    std::vector<std::vector<std::string>> cells;
    std::vector<std::size_t> widths(static_cast<std::size_t>(cols), 0);
    for (int row = 0; row <= lastRow; ++row) {
        auto &line = cells.emplace_back();
        for (int col = 0; col < cols; ++col) {
            line.push_back(shownText(table.cell(col, row)));
            auto &w = widths[static_cast<std::size_t>(col)];
            w = std::max(w, displayWidth(line.back()));
        }
    }
    for (std::size_t row = 0; row < cells.size(); ++row) {
        std::string line;
        for (std::size_t col = 0; col < widths.size(); ++col) {
            if (col > 0)
                line += kGap;
            line += padded(cells[row][col], widths[col], aligns[col]);
        }
        trimRight(line);
        out << line << '\n';
        if (row == 0) {
            std::string rule;
            for (std::size_t col = 0; col < widths.size(); ++col) {
                if (col > 0)
                    rule += kGap;
                rule += std::string(widths[col], '-');
            }
            trimRight(rule);
            out << rule << '\n';
        }
    }
}

} // namespace

void writeText(const ReportData &data, std::ostream &out)
{
    out << data.oldTeam << " — " << data.newTeam << '\n';

    // The window's alignment of the summary columns: name left, position
    // centred, figures and change right.
    std::vector<Align> summaryAligns;
    for (int col = 0; col < 5; ++col)
        summaryAligns.push_back(summaryDrawCell(SummaryTable::Rating, col, 1, "").align);
    const std::pair<const char *, const TextTable *> pages[] = {
        {"РУ", &data.rating}, {"Cтоимость", &data.value}, {"Зарплаты", &data.salary}};
    for (const auto &[caption, table] : pages) {
        out << '\n' << caption << '\n';
        writeTable(*table, 5, table->rowCount() - 1, summaryAligns, out);
    }

    const std::vector<Align> skillAligns = {Align::Left, Align::Right, Align::Right, Align::Right};
    for (const SkillsPage &page : data.skills) {
        out << '\n' << "Cкиллы: " << shownText(page.chooserText) << '\n';
        writeTable(page.table, 4, 24, skillAligns, out);
    }
}

} // namespace squadlens::report
