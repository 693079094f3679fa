#include "core/text_table.h"

#include "core/huge_pages.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace squadlens {

TextTable::TextTable(int colCount, int rowCount) : m_cols(colCount)
{
    setRowCount(rowCount);
}

TextTable::TextTable(const TextTable &other)
    : m_cols(other.m_cols), m_version(other.m_version), m_rows(other.m_rows), m_cells(other.m_cells),
      m_text(other.m_text), m_overwritten(other.m_overwritten), m_big(other.m_big), m_source(other.m_source),
      m_lineOffsets(other.m_lineOffsets), m_fieldSteps(other.m_fieldSteps)
{
    if (m_overwritten > 0)
        compact();
}

TextTable &TextTable::operator=(const TextTable &other)
{
    if (this != &other)
        *this = TextTable(other);
    return *this;
}

void TextTable::setRowCount(int rows)
{
    if (rows < 0)
        rows = 0;
    const bool shrinking = rows < rowCount();
    m_rows.resize(static_cast<std::size_t>(rows), kEmpty);
    if (shrinking)
        compact();
    ++m_version;
}

void TextTable::clear()
{
    std::fill(m_rows.begin(), m_rows.end(), kEmpty);
    compact();
    ++m_version;
}

namespace {

// Huge pages only where rows are read at random later (the player tables):
// for tables written and read in order they buy nothing, and getting them
// costs the kernel more than the pages' first touch.
template <typename Vector>
void reserveBig(Vector &v, std::size_t count, bool hugePages)
{
    if (count <= v.capacity())
        return;
    v.reserve(count);
    if (hugePages)
        adviseHugePages(v.data(), v.capacity() * sizeof(typename Vector::value_type));
}

} // namespace

void TextTable::reserveWritten(int rows, std::size_t textBytes)
{
    reserveBig(m_rows, static_cast<std::size_t>(rows), false);
    reserveBig(m_cells, static_cast<std::size_t>(rows) * static_cast<std::size_t>(m_cols), false);
    if (textBytes > m_text.capacity())
        m_text.reserve(textBytes);
}

void TextTable::reserveLineRows(int rows)
{
    reserveBig(m_rows, static_cast<std::size_t>(rows), true);
    reserveBig(m_lineOffsets, static_cast<std::size_t>(rows), true);
    reserveBig(m_fieldSteps, static_cast<std::size_t>(rows) * stride(), true);
}

std::string_view TextTable::cell(int col, int row) const
{
    if (!inside(col, row))
        return {};
    const Tag tag = m_rows[static_cast<std::size_t>(row)];
    const std::uint32_t index = tag & ~kKindMask;
    switch (tag & kKindMask) {
    case kWritten:
        return text(m_cells[static_cast<std::size_t>(index) * m_cols + col]);
    case kLine:
        return lineField(index, col);
    default:
        return {};
    }
}

void TextTable::cells(int row, int firstCol, std::span<std::string_view> out) const
{
    const bool lineRow = row >= 0 && row < rowCount() && (m_rows[static_cast<std::size_t>(row)] & kKindMask) == kLine;
    if (!lineRow || firstCol < 0) {
        for (std::size_t k = 0; k < out.size(); ++k)
            out[k] = cell(firstCol + static_cast<int>(k), row);
        return;
    }
    // One walk along the field starts instead of one from the line's start
    // for every cell.
    const std::uint32_t index = m_rows[static_cast<std::size_t>(row)] & ~kKindMask;
    const std::uint8_t *steps = &m_fieldSteps[static_cast<std::size_t>(index) * stride()];
    const int fields = steps[0];
    const std::string &source = *m_source;
    const char *line = source.data() + m_lineOffsets[index];
    const char *end = source.data() + source.size();
    std::size_t start = 0;
    for (int c = 0; c < firstCol && c < fields; ++c)
        start += steps[c + 1];
    for (std::size_t k = 0; k < out.size(); ++k) {
        const int col = firstCol + static_cast<int>(k);
        if (col >= fields || col >= m_cols) {
            out[k] = {};
            continue;
        }
        start += steps[col + 1];
        const char *begin = line + start;
        const char *p = begin;
        while (p < end && *p != '/')
            ++p;
        out[k] = std::string_view(begin, static_cast<std::size_t>(p - begin));
    }
}

void TextTable::setCell(int col, int row, std::string_view text)
{
    if (!inside(col, row))
        return;
    if (text.empty() && (m_rows[static_cast<std::size_t>(row)] & kKindMask) == kEmpty)
        return;
    const Cell stored = store(text);
    Cell &cell = writtenRow(row)[col];
    if ((cell & 0xFFFFFF) != kBigCell)
        m_overwritten += cell & 0xFFFFFF;
    cell = stored;
    ++m_version;
    compactIfWasteful();
}

void TextTable::setRow(int row, std::span<const std::string_view> texts)
{
    if (row < 0 || row >= rowCount())
        return;
    const std::size_t count = std::min(texts.size(), static_cast<std::size_t>(m_cols));
    bool any = (m_rows[static_cast<std::size_t>(row)] & kKindMask) != kEmpty;
    std::size_t bytes = 0;
    for (std::size_t c = 0; c < count; ++c) {
        any = any || !texts[c].empty();
        bytes += texts[c].size();
    }
    if (!any)
        return; // empty texts into an empty row change nothing
    const std::less<const char *> before;
    const char *textEnd = m_text.data() + m_text.size();
    for (std::size_t c = 0; c < count; ++c) {
        if (!before(texts[c].data(), m_text.data()) && before(texts[c].data(), textEnd)) {
            // A text of this very table: copied first, as growing or
            // compacting the buffer would leave it behind.
            const std::vector<std::string> copies(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(count));
            const std::vector<std::string_view> views(copies.begin(), copies.end());
            setRow(row, views);
            return;
        }
    }
    if (m_text.size() + bytes > m_text.capacity())
        m_text.reserve(std::max(m_text.capacity() * 2, m_text.size() + bytes));
    Cell *cells = writtenRow(row);
    for (std::size_t c = 0; c < count; ++c) {
        if ((cells[c] & 0xFFFFFF) != kBigCell)
            m_overwritten += cells[c] & 0xFFFFFF;
        cells[c] = store(texts[c]);
    }
    ++m_version;
    compactIfWasteful();
}

void TextTable::copyRows(const TextTable &from, int fromRow, int count, int toRow)
{
    const int first = std::max({0, fromRow, fromRow + (0 - toRow)});
    const int end = std::min({fromRow + count, from.rowCount(), fromRow + (rowCount() - toRow)});
    if (first >= end)
        return;
    const int shift = toRow - fromRow;
    const bool written = std::all_of(from.m_rows.begin() + first, from.m_rows.begin() + end,
                                     [](Tag tag) { return (tag & kKindMask) != kLine; });
    if (&from == this || from.m_cols != m_cols || !from.m_big.empty() || !written) {
        std::vector<std::string_view> texts(static_cast<std::size_t>(from.m_cols));
        for (int r = first; r < end; ++r) {
            for (int c = 0; c < from.m_cols; ++c)
                texts[static_cast<std::size_t>(c)] = from.cell(c, r);
            setRow(r + shift, texts);
        }
        return;
    }

    // Written rows of another table: its text buffer is appended whole and
    // the cells move by its place here, without reading a text.
    const std::uint64_t base = m_text.size();
    m_text.append(from.m_text);
    std::uint64_t copied = 0;
    for (int r = first; r < end; ++r) {
        const Tag tag = from.m_rows[static_cast<std::size_t>(r)];
        if ((tag & kKindMask) == kEmpty) {
            if ((m_rows[static_cast<std::size_t>(r + shift)] & kKindMask) != kEmpty)
                for (int c = 0; c < m_cols; ++c)
                    setCell(c, r + shift, {});
            continue;
        }
        const Cell *source = &from.m_cells[static_cast<std::size_t>(tag & ~kKindMask) * from.m_cols];
        Cell *cells = writtenRow(r + shift);
        for (int c = 0; c < m_cols; ++c) {
            m_overwritten += cells[c] & 0xFFFFFF; // no big cells in either
            const std::uint64_t length = source[c] & 0xFFFFFF;
            copied += length;
            cells[c] = length == 0 ? 0 : source[c] + (base << 24);
        }
    }
    m_overwritten += from.m_text.size() - copied;
    ++m_version;
    compactIfWasteful();
}

void TextTable::setLineRow(int row, const std::shared_ptr<const std::string> &buffer, std::size_t lineOffset,
                           const std::uint16_t *starts)
{
    if (row < 0 || row >= rowCount())
        return;

    // The fields a line has come first; each starts after the one before.
    int fields = 0;
    bool fits = true;
    for (std::size_t before = 0; fields < m_cols && starts[fields] != kNoField; ++fields) {
        fits = fits && starts[fields] - before <= 0xFF;
        before = starts[fields];
    }

    Tag &tag = m_rows[static_cast<std::size_t>(row)];
    if (!fits) {
        // A field of 255 characters or more: the row keeps copies instead.
        tag = kEmpty;
        const std::string_view line = std::string_view(*buffer).substr(lineOffset);
        for (int c = 0; c < fields; ++c) {
            const std::string_view rest = line.substr(starts[c]);
            setCell(c, row, rest.substr(0, rest.find('/')));
        }
        ++m_version;
        return;
    }

    if (m_source != buffer) {
        // Line rows of another buffer become written rows first.
        for (int r = 0; r < rowCount(); ++r)
            if ((m_rows[static_cast<std::size_t>(r)] & kKindMask) == kLine)
                writtenRow(r);
        m_lineOffsets.clear();
        m_fieldSteps.clear();
        m_source = buffer;
    }
    if ((tag & kKindMask) != kLine) {
        tag = kLine | static_cast<Tag>(m_lineOffsets.size());
        m_lineOffsets.push_back(0);
        m_fieldSteps.resize(m_fieldSteps.size() + stride());
    }
    const std::size_t index = tag & ~kKindMask;
    m_lineOffsets[index] = lineOffset;
    std::uint8_t *steps = &m_fieldSteps[index * stride()];
    std::fill(steps, steps + stride(), std::uint8_t{0});
    steps[0] = static_cast<std::uint8_t>(fields);
    for (std::size_t c = 0, before = 0; c < static_cast<std::size_t>(fields); ++c) {
        steps[c + 1] = static_cast<std::uint8_t>(starts[c] - before);
        before = starts[c];
    }
    ++m_version;
}

TextTable::Cell *TextTable::writtenRow(int row)
{
    Tag &tag = m_rows[static_cast<std::size_t>(row)];
    if ((tag & kKindMask) == kWritten)
        return &m_cells[static_cast<std::size_t>(tag & ~kKindMask) * m_cols];

    const std::size_t index = m_cells.size() / static_cast<std::size_t>(m_cols);
    m_cells.resize(m_cells.size() + static_cast<std::size_t>(m_cols), 0);
    Cell *cells = &m_cells[index * m_cols];
    if ((tag & kKindMask) == kLine) {
        const std::uint32_t line = tag & ~kKindMask;
        for (int c = 0; c < m_cols; ++c)
            cells[c] = store(lineField(line, c));
    }
    tag = kWritten | static_cast<Tag>(index);
    return cells;
}

TextTable::Cell TextTable::store(std::string_view text)
{
    if (text.empty())
        return 0;
    if (text.size() >= kBigCell) {
        m_big.emplace_back(text);
        return (static_cast<std::uint64_t>(m_big.size() - 1) << 24) | kBigCell;
    }
    const std::uint64_t offset = m_text.size();
    m_text.append(text);
    return (offset << 24) | text.size();
}

std::string_view TextTable::text(Cell cell) const
{
    const std::uint64_t length = cell & 0xFFFFFF;
    const std::uint64_t offset = cell >> 24;
    if (length == kBigCell)
        return m_big[offset];
    return std::string_view(m_text).substr(offset, length);
}

std::size_t TextTable::fieldStart(std::uint32_t index, int col) const
{
    const std::uint8_t *steps = &m_fieldSteps[static_cast<std::size_t>(index) * stride() + 1];
    std::size_t start = 0;
    for (int c = 0; c <= col; ++c)
        start += steps[c];
    return start;
}

std::string_view TextTable::lineField(std::uint32_t index, int col) const
{
    if (col >= m_fieldSteps[static_cast<std::size_t>(index) * stride()])
        return {};
    // Fields are short: a plain scan to the closing "/" beats a call.
    const std::string &source = *m_source;
    const char *begin = source.data() + m_lineOffsets[index] + fieldStart(index, col);
    const char *end = source.data() + source.size();
    const char *p = begin;
    while (p < end && *p != '/')
        ++p;
    return std::string_view(begin, static_cast<std::size_t>(p - begin));
}

void TextTable::compactIfWasteful()
{
    // A table whose cells are written again and again (the skills table)
    // drops the texts no cell shows any more.
    if (m_overwritten > (1u << 16) && m_overwritten > m_text.size() / 2)
        compact();
}

void TextTable::compact()
{
    // Rebuilds the storage of the rows that are left, so dropped rows and
    // overwritten texts take no memory.
    std::vector<Cell> cells;
    std::string text;
    std::vector<std::string> big;
    std::vector<std::uint64_t> lineOffsets;
    std::vector<std::uint8_t> fieldSteps;
    std::swap(cells, m_cells);
    std::swap(text, m_text);
    std::swap(big, m_big);
    std::swap(lineOffsets, m_lineOffsets);
    std::swap(fieldSteps, m_fieldSteps);
    m_overwritten = 0;

    const auto oldText = [&](Cell c) -> std::string_view {
        const std::uint64_t length = c & 0xFFFFFF, offset = c >> 24;
        return length == kBigCell ? std::string_view(big[offset]) : std::string_view(text).substr(offset, length);
    };
    for (Tag &tag : m_rows) {
        const std::size_t index = tag & ~kKindMask;
        if ((tag & kKindMask) == kWritten) {
            tag = kWritten | static_cast<Tag>(m_cells.size() / static_cast<std::size_t>(m_cols));
            for (int c = 0; c < m_cols; ++c)
                m_cells.push_back(store(oldText(cells[index * m_cols + c])));
        } else if ((tag & kKindMask) == kLine) {
            tag = kLine | static_cast<Tag>(m_lineOffsets.size());
            m_lineOffsets.push_back(lineOffsets[index]);
            m_fieldSteps.insert(m_fieldSteps.end(), fieldSteps.begin() + static_cast<std::ptrdiff_t>(index * stride()),
                                fieldSteps.begin() + static_cast<std::ptrdiff_t>((index + 1) * stride()));
        }
    }
    if (m_lineOffsets.empty())
        m_source.reset();
}

} // namespace squadlens
