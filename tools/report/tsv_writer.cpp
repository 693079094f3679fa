#include "tools/report/writers.h"

#include "core/cp1251.h"

#include <array>
#include <cstdint>

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

// Each Windows-1251 byte as UTF-8 (at most three bytes), made once.
struct Utf8Bytes {
    char bytes[3];
    std::uint8_t size;
};
const std::array<Utf8Bytes, 256> &utf8Table()
{
    static const std::array<Utf8Bytes, 256> table = [] {
        std::array<Utf8Bytes, 256> t{};
        for (int b = 0; b < 256; ++b) {
            std::string utf8;
            appendUtf8(utf8, cp1251ToUnicode(static_cast<unsigned char>(b)));
            t[static_cast<std::size_t>(b)].size = static_cast<std::uint8_t>(utf8.copy(t[static_cast<std::size_t>(b)].bytes, 3));
        }
        return t;
    }();
    return table;
}

// A Windows-1251 cell as UTF-8 with its escapes, in one pass: runs of plain
// ASCII are copied whole.
void appendCell(std::string &out, std::string_view cp1251Text)
{
    const auto &utf8 = utf8Table();
    const std::size_t n = cp1251Text.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t plain = i;
        while (plain < n) {
            const auto c = static_cast<unsigned char>(cp1251Text[plain]);
            if (c >= 0x80 || c == '\\' || c == '\t' || c == '\r' || c == '\n')
                break;
            ++plain;
        }
        out.append(cp1251Text.data() + i, plain - i);
        if (plain == n)
            break;
        const char c = cp1251Text[plain];
        if (!appendEscape(out, c)) {
            const Utf8Bytes &u = utf8[static_cast<unsigned char>(c)];
            out.append(u.bytes, u.size);
        }
        i = plain + 1;
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
