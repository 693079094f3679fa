#include "tools/report/writers.h"

#include "core/cp1251.h"

#include <array>

namespace squadlens::report {
namespace {

void writeRecord(const std::array<std::string, 10> &fields, int count, std::ostream &out)
{
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out << ',';
        out << csvField(fields[static_cast<std::size_t>(i)]);
    }
    out << "\r\n";
}

void writeRow(const TextTable &table, int row, int cols, std::ostream &out)
{
    std::array<std::string, 10> fields;
    for (int col = 0; col < cols; ++col)
        fields[static_cast<std::size_t>(col)] = toUtf8(table.cell(col, row));
    writeRecord(fields, cols, out);
}

// The pairing table's row 0 is empty in the window; a spreadsheet wants names.
// The dates are those over the summary tables' figure columns.
void writePairingHeader(const ReportData &data, std::ostream &out)
{
    const std::string oldDate = toUtf8(data.rating.cell(2, 0));
    const std::string newDate = toUtf8(data.rating.cell(3, 0));
    const auto dated = [](const char *name, const std::string &date) {
        return date.empty() ? std::string(name) : std::string(name) + " " + date;
    };
    writeRecord({"ID", "Игрок", "Поз.", dated("РУ", oldDate), dated("РУ", newDate),
                 dated("Стоимость", oldDate), dated("Стоимость", newDate), dated("ЗП", oldDate),
                 dated("ЗП", newDate), "Статус"},
                10, out);
}

} // namespace

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

void writeCsv(const ReportData &data, CsvTable table, std::ostream &out)
{
    if (table == CsvTable::Pairing) {
        writePairingHeader(data, out);
        for (int row = 1; row < data.pairing.rowCount(); ++row)
            writeRow(data.pairing, row, 10, out);
        return;
    }
    const TextTable &summary = table == CsvTable::Rating  ? data.rating
                               : table == CsvTable::Value ? data.value
                                                          : data.salary;
    for (int row = 0; row < summary.rowCount(); ++row)
        writeRow(summary, row, 5, out);
}

} // namespace squadlens::report
