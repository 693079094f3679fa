#include "ui/Cellunit.h"

#include "ui/platform/fonts.h"
#include "ui/platform/string_grid.h"
#include "ui/platform/text_models.h"

#include <QListView>

using squadlens::platform::LinesModel;
using squadlens::platform::StringGrid;

namespace {

// The design's 870 x 792 outer size, less a common frame.
constexpr int kClientWidth = 862;
constexpr int kClientHeight = 765;
// SubGrid keeps this gap to the bottom edge as the window grows.
constexpr int kSubGridTop = 360;
constexpr int kSubGridBottomGap = kClientHeight - (kSubGridTop + 393);
constexpr int kRowHeight = 14;

} // namespace

TCellForm::TCellForm(const squadlens::Workspace &ws, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CellForm"));
    setWindowTitle(QStringLiteral("Source Form"));
    setFont(squadlens::platform::designFont(11));
    resize(kClientWidth, kClientHeight);

    StringGrid1 = new StringGrid(ws.StringGrid1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(5, 8, 412, 113);
    StringGrid2 = new StringGrid(ws.StringGrid2, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setGeometry(424, 8, 425, 113);
    for (StringGrid *g : {StringGrid1, StringGrid2}) {
        g->setColumnWidths(squadlens::kPlayerTableWidths);
        g->setColumnsResizable(true);
    }

    auto lines = [this](const char *name, const squadlens::Lines &source, LinesModel *&model, QRect geometry) {
        auto *view = new QListView(this);
        view->setObjectName(QString::fromLatin1(name));
        view->setGeometry(geometry);
        view->setUniformItemSizes(true);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        model = new LinesModel(source, this);
        view->setModel(model);
        return view;
    };
    ListBoxO = lines("ListBoxO", ws.ListBoxO, m_oldLines, QRect(0, 128, 849, 105));
    ListBoxN = lines("ListBoxN", ws.ListBoxN, m_newLines, QRect(0, 240, 854, 113));

    SubGrid = new StringGrid(ws.SubGrid, this);
    SubGrid->setObjectName(QStringLiteral("SubGrid"));
    SubGrid->setGeometry(0, kSubGridTop, 849, 393);
    SubGrid->setColumnWidths(squadlens::kPairingTableWidths);
    SubGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SubGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    for (StringGrid *g : {StringGrid1, StringGrid2, SubGrid})
        g->setRowHeight(kRowHeight);
}

void TCellForm::refresh()
{
    m_oldLines->refresh();
    m_newLines->refresh();
    StringGrid1->refresh();
    StringGrid2->refresh();
    SubGrid->refresh();
}

void TCellForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SubGrid->resize(SubGrid->width(), std::max(kRowHeight * 2, height() - kSubGridTop - kSubGridBottomGap));
}
