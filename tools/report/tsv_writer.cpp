#include "tools/report/writers.h"

#include "core/cp1251.h"

namespace squadlens::report {
namespace {

// Always `cols` cells a row, whatever the table's own shape.
void writeRows(const TextTable &table, int first, int last, int cols, std::ostream &out)
{
    for (int row = first; row <= last; ++row) {
        for (int col = 0; col < cols; ++col) {
            if (col > 0)
                out << '\t';
            out << tsvCell(toUtf8(table.cell(col, row)));
        }
        out << '\n';
    }
}

} // namespace

std::string tsvCell(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

void writeTsv(const ReportData &data, std::ostream &out)
{
    out << "# pairing\n";
    writeRows(data.pairing, 1, data.pairing.rowCount() - 1, 10, out);
    const std::pair<const char *, const TextTable *> summaries[] = {
        {"rating", &data.rating}, {"value", &data.value}, {"salary", &data.salary}};
    for (const auto &[name, table] : summaries) {
        out << "# " << name << '\n';
        writeRows(*table, 0, table->rowCount() - 1, 5, out);
    }
    for (std::size_t k = 0; k < data.skills.size(); ++k) {
        out << "# skills " + std::to_string(k) + '\n';
        writeRows(data.skills[k].table, 0, 24, 4, out);
    }
}

} // namespace squadlens::report
