#pragma once
// The source-data window: a view of the comparison workspace (both files'
// lines, both player tables and the pairing table). It handles no events of
// its own; the main window shows it through SpeedButton1.

#include "core/workspace.h"

#include <QWidget>

class QListView;

namespace squadlens::platform {
class LinesModel;
class StringGrid;
} // namespace squadlens::platform

class TCellForm : public QWidget {
    Q_OBJECT
public:
    explicit TCellForm(const squadlens::Workspace &ws, QWidget *parent = nullptr);

    // After the core changed the workspace.
    void refresh();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    squadlens::platform::StringGrid *StringGrid1, *StringGrid2, *SubGrid;
    QListView *ListBoxO, *ListBoxN;
    squadlens::platform::LinesModel *m_oldLines, *m_newLines;
};
