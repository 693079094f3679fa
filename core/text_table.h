#pragma once
// A table of texts: a fixed number of columns, a row count, and a text in
// every cell (empty when never written). Row 0 is the header row.
// Texts are Windows-1251 bytes, as in the team files.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace squadlens {

class TextTable {
public:
    explicit TextTable(int colCount, int rowCount = 0);

    int colCount() const { return m_cols; }
    int rowCount() const { return m_rows; }

    // Shrinking drops the rows below; growing adds empty rows.
    void setRowCount(int rows);
    // Every cell empty, row count unchanged.
    void clear();

    // A cell outside the table reads as the empty text and is never written.
    std::string_view cell(int col, int row) const;
    void setCell(int col, int row, std::string_view text);

    // Bumped by every change, so an index built over the table knows when it
    // has gone stale.
    std::uint64_t version() const { return m_version; }

private:
    bool inside(int col, int row) const
    {
        return col >= 0 && col < m_cols && row >= 0 && row < m_rows;
    }

    int m_cols;
    int m_rows = 0;
    std::uint64_t m_version = 0;
    std::vector<std::string> m_cells; // row-major
};

} // namespace squadlens
