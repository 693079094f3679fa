#pragma once
// The main window: the strip for choosing the two team files, the start
// screen, and the result pages that cover it from the first comparison on.
//
// The comparison state lives in the core (Engine, PathHandlers); the window
// runs the core's handlers inside the top-level error report and then shows
// what they left: labels, hidden fields, chooser and tables. Controls carry
// their design names as object names.

#include "core/engine.h"
#include "core/path_handlers.h"
#include "ui/platform/busy_cursor.h"

#include <QCursor>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QFrame;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class TCellForm;

namespace squadlens::platform {
class Label;
class LinesModel;
class LinkLabel;
class OpenDialog;
class PageControl;
class StringGrid;
} // namespace squadlens::platform

// The addresses behind the link labels.
inline constexpr const char *kSiteUrl = "https://www.f-vantor.ru";
inline constexpr const char *kAuthorUrl = "https://www.f-vantor.ru/manager/squadlens";

class TForm1 : public QWidget, private squadlens::HandlerView {
    Q_OBJECT
public:
    // The result area (the pages, their tables, the About page) is hidden
    // until the first comparison; the program builds it once the window has
    // painted, so the first frame comes sooner. Built at once otherwise.
    enum class Start { Whole, ResultAreaAfterFirstPaint };
    explicit TForm1(squadlens::Engine &engine, QWidget *parent = nullptr, Start start = Start::Whole);
    ~TForm1() override;

    squadlens::Engine &engine() { return m_engine; }
    squadlens::PathHandlers &pathHandlers() { return m_handlers; }

    // The source-data window that SpeedButton1 shows.
    void setCellForm(TCellForm *cellForm) { m_cellForm = cellForm; }

    // Shows the core's state: labels, hidden fields, chooser, tables.
    void syncFromCore();
    // Builds the result area now if it is not built yet.
    void ensureResultArea();

public slots:
    void openOldFileButtonClick();
    void openNewFileButtonClick();
    void FillButtonClick();
    void ComboBox3Change(int index);
    void PageControl1Change();
    void Label21Click();
    void Label12Click();
    void SpeedButton1Click();

private:
    // HandlerView
    void showResultArea() override;
    void setActivePage(squadlens::Page page) override;
    void setTabHighlighted(squadlens::Page page, bool highlighted) override;
    void messageBox(const std::string &text, const std::string &title, squadlens::MessageIcon icon) override;

    void buildTopStrip();
    void buildStartScreen();
    void buildResultArea();
    void buildAboutPage(QWidget *page);
    void buildHiddenControls();
    void FormCreate();
    void resultAreaCursors();

    void openFileButtonClick(squadlens::Side side);
    // A file dropped on a row of the top strip.
    void fileDropped(squadlens::Side side, const QString &path);
    // Runs the file choice of a side with the file `pick` gives (none: cancelled).
    void chooseFile(squadlens::Side side, const std::function<std::optional<QString>()> &pick);
    // Whether a run that also reads `chosenFile` takes long enough for the
    // wait cursor.
    bool expectLongRun(const QString &chosenFile) const;
    // Runs a core handler in the error report, then shows the state it left
    // (`sync`: all of it, or only what the chooser's handler changes).
    void runHandler(const std::function<void()> &handler, void (TForm1::*sync)() = &TForm1::syncFromCore);
    void syncSkillsTable();

    squadlens::Engine &m_engine;
    squadlens::PathHandlers m_handlers;
    // The wait cursor of the handler running now, if it is a long one.
    std::optional<squadlens::platform::BusyCursor> m_busy;
    TCellForm *m_cellForm = nullptr;

    QFrame *Panel1, *Panel3, *Panel4 = nullptr;
    squadlens::platform::Label *Label3, *LabelOF, *Label4, *LabelNF;
    QToolButton *openOldFileButton, *openNewFileButton;
    squadlens::platform::Label *Label22, *Label5 = nullptr;
    squadlens::platform::LinkLabel *Label21, *Label24, *Label8 = nullptr, *Label12 = nullptr;
    squadlens::platform::PageControl *PageControl1 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    squadlens::platform::LinesModel *m_chooserModel = nullptr;
    squadlens::platform::StringGrid *StringGrid3 = nullptr, *StringGrid_ru = nullptr, *StringGrid_pr = nullptr,
                                    *StringGrid_pay = nullptr, *StringGrid_roster = nullptr;
    QLineEdit *openOldFilePath = nullptr, *openNewFilePath = nullptr;
    QPushButton *FillButton = nullptr;
    QCursor m_arrowCursor, m_handCursor;
    squadlens::platform::Label *L1, *L2, *TID1, *TID2;
    QListView *ListBox1;
    squadlens::platform::LinesModel *m_idModel;
    QToolButton *SpeedButton1;
    squadlens::platform::OpenDialog *openOldFileDialog, *openNewFileDialog;
};
