#pragma once
// Qt models over the core's containers. Texts are Windows-1251 in the core
// and become UTF-8 here, cell by cell as the view asks, so a squad of any size
// costs nothing until it is on screen.
//
// The models keep the shape they last announced: the core changes its tables
// in place, and a view may paint (under a message box) before the window has
// refreshed the model. refresh() then announces the new shape.

#include "core/text_table.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace squadlens::platform {

QString fromCp1251(std::string_view text);

// A table of texts whose row 0 is the horizontal header; view row r shows
// table row r + 1.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(const TextTable &table, QObject *parent = nullptr);

    const TextTable &table() const { return m_table; }
    // The raw text of the cell under a view index.
    std::string_view rawText(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Re-reads the table: a reset when its shape changed, else a repaint of
    // every cell (the selection and scroll position stay).
    void refresh();

private:
    const TextTable &m_table;
    int m_rows = 0;
    int m_cols = 0;
};

// A list of texts, one item per line: a file's lines or the chooser's
// entries, anything with size() and operator[] giving a text.
class LinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Count = std::function<std::size_t()>;
    using Line = std::function<std::string_view(std::size_t)>;

    template <typename List>
    explicit LinesModel(const List &lines, QObject *parent = nullptr)
        : LinesModel([&lines] { return static_cast<std::size_t>(lines.size()); },
                     [&lines](std::size_t i) { return std::string_view(lines[i]); }, parent)
    {
    }
    LinesModel(Count count, Line line, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void refresh();

private:
    Count m_size;
    Line m_line;
    int m_count = 0;
};

} // namespace squadlens::platform
