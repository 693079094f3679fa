#pragma once
// A table of texts: a fixed number of columns, a row count, and a text in
// every cell (empty when never written). Row 0 is the header row.
// Texts are Windows-1251 bytes, as in the team files.
//
// Storage is compact, since a player table may hold a million rows: a row cut
// from a team file line only records where its fields start in the line (the
// lines' buffer is shared, not copied), and written cells live in one buffer
// per table. Writing a cell of a line row turns that row into a written one.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace squadlens {

class TextTable {
public:
    explicit TextTable(int colCount, int rowCount = 0);
    // A copy holds the texts of the cells, never the overwritten ones.
    TextTable(const TextTable &other);
    TextTable &operator=(const TextTable &other);
    TextTable(TextTable &&) noexcept = default;
    TextTable &operator=(TextTable &&) noexcept = default;

    int colCount() const { return m_cols; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }

    // Shrinking drops the rows below; growing adds empty rows.
    void setRowCount(int rows);
    // Every cell empty, row count unchanged.
    void clear();
    // Room for `rows` written rows with `textBytes` of text, or for `rows`
    // line rows, so that a big table is filled without regrowing.
    void reserveWritten(int rows, std::size_t textBytes);
    void reserveLineRows(int rows);

    // A cell outside the table reads as the empty text and is never written.
    std::string_view cell(int col, int row) const;
    // out[k] = cell(firstCol + k, row) for every k, in one step.
    void cells(int row, int firstCol, std::span<std::string_view> out) const;
    void setCell(int col, int row, std::string_view text);
    // Column c of row `row` gets texts[c], for c up to the smaller of the
    // two counts; as setCell on each, in one step.
    void setRow(int row, std::span<const std::string_view> texts);
    // Rows from `fromRow` of `from` (`count` of them), cell by cell, into the
    // rows from `toRow` here; rows outside either table are left out.
    void copyRows(const TextTable &from, int fromRow, int count, int toRow);

    // Row `row` shows the fields of a line of `buffer` that begins at
    // `lineOffset`: the cell of column c is the text from `starts[c]` bytes
    // into the line up to the next "/", or empty where starts[c] is kNoField.
    // `starts` holds colCount() entries. The table keeps the buffer alive.
    static constexpr std::uint16_t kNoField = 0xFFFF;
    void setLineRow(int row, const std::shared_ptr<const std::string> &buffer, std::size_t lineOffset,
                    const std::uint16_t *starts);

    // Bumped by every change, so an index built over the table knows when it
    // has gone stale.
    std::uint64_t version() const { return m_version; }

private:
    // A row is empty, a line row or a written row; the tag's top bits say
    // which, the rest indexes the storage of that kind.
    using Tag = std::uint32_t;
    static constexpr Tag kKindMask = 0xC0000000u, kEmpty = 0, kLine = 0x40000000u, kWritten = 0x80000000u;

    // A written cell: offset into m_text (40 bits) and length (24 bits); a
    // length of kBigCell marks a text kept whole in m_big (offset = index).
    using Cell = std::uint64_t;
    static constexpr std::uint64_t kBigCell = 0xFFFFFF;

    bool inside(int col, int row) const { return col >= 0 && col < m_cols && row >= 0 && row < rowCount(); }
    Cell *writtenRow(int row); // makes the row a written one
    Cell store(std::string_view text);
    std::string_view text(Cell cell) const;
    std::string_view lineField(std::uint32_t index, int col) const;
    void compact();
    void compactIfWasteful(); // when most of the text buffer is dead

    int m_cols;
    std::uint64_t m_version = 0;
    std::vector<Tag> m_rows;

    std::vector<Cell> m_cells; // m_cols per written row
    std::string m_text;
    std::size_t m_overwritten = 0; // bytes of m_text no cell shows any more
    std::vector<std::string> m_big;

    std::shared_ptr<const std::string> m_source;
    // A line row: where its line begins, and m_cols + 1 bytes: the number of
    // fields the line has, then each field's start as a step from the one
    // before (a field's length and its "/"), so a row takes some 50 bytes.
    // A line with a field too long for a step is kept as a written row.
    std::size_t stride() const { return static_cast<std::size_t>(m_cols) + 1; }
    std::size_t fieldStart(std::uint32_t index, int col) const;
    std::vector<std::uint64_t> m_lineOffsets;
    std::vector<std::uint8_t> m_fieldSteps;
};

} // namespace squadlens
