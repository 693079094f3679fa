#include "ui/platform/string_grid.h"

#include "ui/platform/colours.h"

#include "core/cp1251.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

namespace squadlens::platform {
namespace {

constexpr QColor kFixedColour(240, 240, 240);  // clBtnFace
constexpr QColor kGridLineColour(192, 192, 192);

} // namespace

void drawCellTextAt(QPainter *painter, const QRect &cell, const QString &text, const QColor &colour)
{
    if (text.isEmpty())
        return;
    painter->save();
    painter->setClipRect(cell, Qt::IntersectClip);
    painter->setPen(colour);
    const QRect area(cell.left() + 2, cell.top() + 2, std::max(0, cell.width() - 2),
                     std::max(0, cell.height() - 2));
    painter->drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

void drawCellTextAligned(QPainter *painter, const QRect &cell, const QString &text, const QColor &colour,
                         Align align)
{
    if (text.isEmpty())
        return;
    const QRect inset(cell.left() + 2, cell.top() + 2, std::max(0, cell.width() - 4),
                      std::max(0, cell.height() - 2));
    const Qt::Alignment horizontal = align == Align::Left     ? Qt::AlignLeft
                                     : align == Align::Center ? Qt::AlignHCenter
                                                              : Qt::AlignRight;
    painter->save();
    painter->setClipRect(inset, Qt::IntersectClip);
    painter->setPen(colour);
    painter->drawText(inset, horizontal | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect cell = option.rect;
    const auto *model = qobject_cast<const TextTableModel *>(index.model());
    const QString text = index.data(Qt::DisplayRole).toString();

    // A selected row keeps its colours whether or not the grid has the focus.
    const bool selected = option.state & QStyle::State_Selected;
    QColor background = selected ? option.palette.color(QPalette::Active, QPalette::Highlight) : QColor(Qt::white);
    QColor textColour =
        selected ? option.palette.color(QPalette::Active, QPalette::HighlightedText) : QColor(Qt::black);

    painter->save();
    painter->setFont(option.font);
    painter->fillRect(cell, background);
    drawCellTextAt(painter, cell, text, textColour);

    if (m_rule && model) {
        const CellPaint paint = m_rule(index.column(), index.row() + 1, model->rawText(index));
        if (paint.text)
            textColour = toQColor(*paint.text);
        if (paint.background)
            background = toQColor(*paint.background);
        switch (paint.redraw) {
        case Redraw::None:
            break;
        case Redraw::AtPoint:
            painter->fillRect(cell, background);
            drawCellTextAt(painter, cell, text, textColour);
            break;
        case Redraw::Aligned:
            painter->fillRect(cell, background);
            drawCellTextAligned(painter, cell, text, textColour, paint.align);
            break;
        }
    }
    painter->restore();
}

GridHeader::GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
    setSectionResizeMode(QHeaderView::Fixed);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    // The cell without its grid line, then the line on the right and below.
    const QRect cell(rect.left(), rect.top(), rect.width() - 1, rect.height() - 1);
    painter->fillRect(rect, kGridLineColour);
    painter->fillRect(cell, kFixedColour);
    painter->setFont(font());
    const QString text = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    drawCellTextAt(painter, cell, text, palette().color(QPalette::Active, QPalette::WindowText));
    painter->restore();
}

StringGrid::StringGrid(const TextTable &table, QWidget *parent)
    : QTableView(parent), m_model(new TextTableModel(table, this)), m_delegate(new GridDelegate(this)),
      m_header(new GridHeader(this))
{
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(m_delegate);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows may be selected, for copying them.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Grid lines and background through the palette: a style sheet would
    // cost every grid a style of its own and the window a slower start.
    QPalette colours = palette();
    colours.setColor(QPalette::Mid, QColor(0xc0, 0xc0, 0xc0));
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    // A reset loses the section sizes of columns that were gone meanwhile.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { setColumnWidths(m_widths); });
}

void StringGrid::setDrawCell(DrawCellRule rule)
{
    m_delegate->setRule(std::move(rule));
    viewport()->update();
}

void StringGrid::setColumnWidths(std::span<const int> widths)
{
    if (widths.data() != m_widths.data())
        m_widths.assign(widths.begin(), widths.end());
    for (int c = 0; c < static_cast<int>(m_widths.size()) && c < m_model->columnCount(); ++c)
        m_header->resizeSection(c, m_widths[static_cast<std::size_t>(c)] + 1);
}

void StringGrid::setRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height + 1);
    m_header->setFixedHeight(height + 1);
}

void StringGrid::setColumnsResizable(bool resizable)
{
    m_header->setSectionResizeMode(resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void StringGrid::refresh()
{
    m_model->refresh();
    m_header->viewport()->update();
    viewport()->update();
}

void StringGrid::changeEvent(QEvent *event)
{
    // The fixed row is drawn in the grid's own font.
    if (event->type() == QEvent::FontChange)
        m_header->setFont(font());
    QTableView::changeEvent(event);
}

QRect StringGrid::cellRect(int col, int row) const
{
    if (row < 1)
        return {};
    // QTableView leaves the grid line out of the rectangle already.
    return visualRect(m_model->index(row - 1, col));
}

QString StringGrid::selectedRowsText() const
{
    // The selection as spans of view rows, in order and merged.
    std::vector<std::pair<int, int>> spans;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        spans.emplace_back(range.top(), range.bottom());
    if (spans.empty())
        return {};
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<int, int>> merged{spans.front()};
    for (const auto &span : spans) {
        if (span.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }

    const TextTable &table = m_model->table();
    const int cols = m_model->columnCount();
    std::string out;
    const auto appendRow = [&](int row) {
        for (int c = 0; c < cols; ++c) {
            if (c > 0)
                out += '\t';
            for (const unsigned char byte : table.cell(c, row)) {
                // A tab or line break inside a cell would split it.
                const bool breaks = byte == '\t' || byte == '\n' || byte == '\r';
                appendUtf8(out, breaks ? U' ' : cp1251ToUnicode(byte));
            }
        }
        out += '\n';
    };
    appendRow(0);
    for (const auto &[first, last] : merged)
        for (int r = first; r <= last; ++r)
            appendRow(r + 1); // view row r shows table row r + 1
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (const QString text = selectedRowsText(); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event); // Ctrl+A: every row, as the view selects rows
}

} // namespace squadlens::platform
