#include "tools/report/writers.h"

#include "core/cp1251.h"

namespace squadlens::report {
namespace {

// Backslash, TAB, CR and LF as their escapes; false for any other byte.
bool appendEscape(std::string &out, char c)
{
    switch (c) {
    case '\\': out += "\\\\"; return true;
    case '\t': out += "\\t"; return true;
    case '\r': out += "\\r"; return true;
    case '\n': out += "\\n"; return true;
    default: return false;
    }
}

// A Windows-1251 cell as UTF-8 with its escapes, in one pass.
void appendCell(std::string &out, std::string_view cp1251Text)
{
    for (const char c : cp1251Text) {
        if (appendEscape(out, c))
            continue;
        if (static_cast<unsigned char>(c) < 0x80)
            out += c;
        else
            appendUtf8(out, cp1251ToUnicode(static_cast<unsigned char>(c)));
    }
}

// Always `cols` cells a row, whatever the table's own shape; written out in
// large pieces.
void writeRows(const TextTable &table, int first, int last, int cols, std::ostream &out)
{
    std::string buffer;
    buffer.reserve(1 << 17);
    for (int row = first; row <= last; ++row) {
        for (int col = 0; col < cols; ++col) {
            if (col > 0)
                buffer += '\t';
            appendCell(buffer, table.cell(col, row));
        }
        buffer += '\n';
        if (buffer.size() > (1 << 16)) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

} // namespace

std::string tsvCell(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (!appendEscape(out, c))
            out += c;
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
