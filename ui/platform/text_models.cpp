#include "ui/platform/text_models.h"

#include "core/cp1251.h"

#include <algorithm>

namespace squadlens::platform {

QString fromCp1251(std::string_view text)
{
    const std::string utf8 = toUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

TextTableModel::TextTableModel(const TextTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table),
      m_rows(std::max(0, table.rowCount() - 1)), m_cols(table.colCount())
{
}

std::string_view TextTableModel::rawText(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    return m_table.cell(index.column(), index.row() + 1);
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return fromCp1251(rawText(index));
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return fromCp1251(m_table.cell(section, 0));
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TextTableModel::refresh()
{
    const int rows = std::max(0, m_table.rowCount() - 1);
    const int cols = m_table.colCount();
    if (rows != m_rows || cols != m_cols) {
        beginResetModel();
        m_rows = rows;
        m_cols = cols;
        endResetModel();
        return;
    }
    if (m_cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::DisplayRole});
}

LinesModel::LinesModel(Count count, Line line, QObject *parent)
    : QAbstractListModel(parent), m_size(std::move(count)), m_line(std::move(line)),
      m_count(static_cast<int>(m_size()))
{
}

int LinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant LinesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || static_cast<std::size_t>(index.row()) >= m_size())
        return {};
    return fromCp1251(m_line(static_cast<std::size_t>(index.row())));
}

void LinesModel::refresh()
{
    // Line lists are replaced whole (a new file, a new chooser), so a reset
    // is what happened.
    beginResetModel();
    m_count = static_cast<int>(m_size());
    endResetModel();
}

} // namespace squadlens::platform
