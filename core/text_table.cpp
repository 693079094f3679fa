#include "core/text_table.h"

namespace squadlens {

TextTable::TextTable(int colCount, int rowCount) : m_cols(colCount)
{
    setRowCount(rowCount);
}

void TextTable::setRowCount(int rows)
{
    if (rows < 0)
        rows = 0;
    m_rows = rows;
    m_cells.resize(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_cols));
    ++m_version;
}

void TextTable::clear()
{
    for (auto &c : m_cells)
        c.clear();
    ++m_version;
}

std::string_view TextTable::cell(int col, int row) const
{
    if (!inside(col, row))
        return {};
    return m_cells[static_cast<std::size_t>(row) * m_cols + col];
}

void TextTable::setCell(int col, int row, std::string_view text)
{
    if (!inside(col, row))
        return;
    m_cells[static_cast<std::size_t>(row) * m_cols + col].assign(text);
    ++m_version;
}

} // namespace squadlens
