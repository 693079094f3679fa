#pragma once
// The string grid of the window's pages: a table of texts with a fixed header
// row, whole-row selection, no editing, and an owner-draw rule.
//
// Every cell is painted the grid's default way first: the header colour in
// row 0, the selection colours in the selected row, white and black
// elsewhere, the text 2 pixels right of and below the cell's top-left corner,
// clipped to the cell. The table's rule (core/paint_rules.h) then changes the
// colours it names and, when it asks for it, fills the cell and draws the
// text again: at the same point, or inside the cell less 2 pixels each side
// with an alignment.
//
// Design sizes are those of the cell without its grid line; Qt's sections
// hold the line, so each is one pixel larger.

#include "core/paint_rules.h"
#include "core/text_table.h"
#include "ui/platform/text_models.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>
#include <span>
#include <string_view>

namespace squadlens::platform {

// The rule of one table: cell (column, table row) and its raw text.
using DrawCellRule = std::function<CellPaint(int col, int row, std::string_view text)>;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}
    void setRule(DrawCellRule rule) { m_rule = std::move(rule); }
    const DrawCellRule &rule() const { return m_rule; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    DrawCellRule m_rule;
};

// Row 0 of the table, painted as the grid paints a fixed row.
class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};

class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(const TextTable &table, QWidget *parent = nullptr);

    TextTableModel *textModel() const { return m_model; }
    GridDelegate *cellDelegate() const { return m_delegate; }

    void setDrawCell(DrawCellRule rule);
    void setColumnWidths(std::span<const int> widths);
    void setRowHeight(int height);
    // Lets the user drag the column borders (the source-data window's tables).
    void setColumnsResizable(bool resizable);

    // After the core changed the table.
    void refresh();

    // The cell rectangle of table cell (col, row) in viewport coordinates;
    // row 0 is the header and has none here.
    QRect cellRect(int col, int row) const;

    // The selected rows, whole and in table order, as tab-separated UTF-8
    // text with the header row first, for pasting into a spreadsheet; empty
    // when no row is selected. Ctrl+C puts it on the clipboard; Ctrl+A
    // selects every row.
    QString selectedRowsText() const;

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TextTableModel *m_model;
    GridDelegate *m_delegate;
    GridHeader *m_header;
    std::vector<int> m_widths;
};

// Text placement shared by the grid's painting.
void drawCellTextAt(QPainter *painter, const QRect &cell, const QString &text, const QColor &colour);
void drawCellTextAligned(QPainter *painter, const QRect &cell, const QString &text, const QColor &colour,
                         Align align);

} // namespace squadlens::platform
