#include "ui/Mainunit.h"

#include "core/paint_rules.h"
#include "core/result_tables.h"
#include "core/texts.h"
#include "ui/Cellunit.h"
#include "ui/platform/busy_cursor.h"
#include "ui/platform/colours.h"
#include "ui/platform/error_report.h"
#include "ui/platform/file_drop.h"
#include "ui/platform/fonts.h"
#include "ui/platform/label.h"
#include "ui/platform/open_dialog.h"
#include "ui/platform/page_control.h"
#include "ui/platform/string_grid.h"
#include "ui/platform/system.h"
#include "ui/platform/text_models.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

using namespace squadlens;
using squadlens::platform::designFont;
using squadlens::platform::Face;
using squadlens::platform::Label;
using squadlens::platform::LinkLabel;
using squadlens::platform::StringGrid;

namespace {

constexpr int kClientWidth = 482;
constexpr int kClientHeight = 534;
// The top strip's two rows, start of the period above end of the period.
constexpr int kStripRowSplit = 25;

QString utf8(const std::string &text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A white panel with a lowered inner bevel.
QFrame *whitePanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = named(new QFrame(parent), name);
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    panel->setPalette(p);
    return panel;
}

Label *label(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *l = named(new Label(caption, parent), name);
    l->setGeometry(geometry);
    return l;
}

// An auto-sized label at a point.
template <typename L = Label> L *labelAt(QWidget *parent, const char *name, const QString &caption, QPoint at)
{
    auto *l = named(new L(caption, parent), name);
    l->move(at);
    l->adjustSize();
    return l;
}

QString versionCaption() { return QStringLiteral("версия 1.0"); }

QPixmap resourcePicture(const char *path)
{
    QPixmap picture(QString::fromLatin1(path));
    return picture;
}

// A picture label; an empty one when the picture is missing.
QLabel *image(QWidget *parent, const char *name, const QRect &geometry, const char *resource, bool stretch)
{
    auto *l = named(new QLabel(parent), name);
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignCenter);
    l->setScaledContents(stretch);
    const QPixmap picture = resourcePicture(resource);
    if (!picture.isNull())
        l->setPixmap(picture);
    return l;
}

// The title, description lines and version line of the start screen and
// of the About page, which look alike.
struct TitleBlock {
    Label *title, *line1, *line2, *version;
};

TitleBlock titleBlock(QWidget *panel, const char *titleName, const char *line1Name, const char *line2Name,
                      const char *versionName, int width)
{
    TitleBlock b;
    b.title = label(panel, titleName, QStringLiteral("Vantor Squadlens"), QRect(2, 2, width, 39));
    b.title->setFont(designFont(32, Face::Serif, true));
    b.title->setFontColour(clNavy);
    b.line1 = label(panel, line1Name,
                    QStringLiteral("программа для сравнения и анализа роста игроков и общего развития"),
                    QRect(2, 41, width, 13));
    b.line2 = label(panel, line2Name,
                    QStringLiteral("футбольного клуба в виртуальном футбольном менедежере F-Vantor"),
                    QRect(2, 54, width, 13));
    b.version = label(panel, versionName, QString(), QRect(2, 67, width, 24));
    b.version->setFont(designFont(16, Face::Serif, true));
    b.version->setFontColour(clNavy);
    for (Label *l : {b.line1, b.line2}) {
        l->setFont(designFont(11));
        l->setFontColour(clGray);
    }
    for (Label *l : {b.title, b.line1, b.line2, b.version})
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return b;
}

void linkStyle(Label *link)
{
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    link->setFontColour(clBlue);
    link->adjustSize();
}

} // namespace

TForm1::TForm1(Engine &engine, QWidget *parent, Start start)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_engine(engine), m_handlers(engine, *this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantor Squadlens - ВФМ \"Вантор\""));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(designFont(11));

    image(this, "Image1", QRect(0, 0, 489, 553), ":/background.png", true);
    buildTopStrip();
    buildStartScreen();
    buildHiddenControls();

    openOldFileDialog = named(new platform::OpenDialog(this), "openOldFileDialog");
    openNewFileDialog = named(new platform::OpenDialog(this), "openNewFileDialog");
    for (platform::OpenDialog *d : {openOldFileDialog, openNewFileDialog})
        d->Filter = QStringLiteral("Файлы для Билда (*.zip,*.dat) (*.dat *.zip)");

    FormCreate();
    if (start == Start::Whole)
        ensureResultArea();
    else
        platform::afterFirstPaint(this, [this] { ensureResultArea(); });
    syncFromCore();

    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
}

TForm1::~TForm1() = default;

void TForm1::buildTopStrip()
{
    Panel1 = whitePanel(this, "Panel1", QRect(5, 4, 473, 49));
    Panel1->setFont(designFont(7));

    Label3 = label(Panel1, "Label3", {}, QRect(4, 8, 239, 13));
    Label3->setFont(designFont(9));
    LabelOF = label(Panel1, "LabelOF", {}, QRect(248, 8, 196, 12));
    LabelOF->setFont(designFont(11));
    Label4 = label(Panel1, "Label4", {}, QRect(4, 30, 239, 13));
    LabelNF = label(Panel1, "LabelNF", {}, QRect(248, 30, 196, 13));
    LabelNF->setFont(designFont(11));
    for (Label *l : {Label3, Label4})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (Label *l : {LabelOF, LabelNF})
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);

    openOldFileButton = named(new QToolButton(Panel1), "openOldFileButton");
    openOldFileButton->setGeometry(447, 3, 23, 22);
    openNewFileButton = named(new QToolButton(Panel1), "openNewFileButton");
    openNewFileButton->setGeometry(447, 24, 23, 22);
    for (QToolButton *b : {openOldFileButton, openNewFileButton}) {
        b->setText(QStringLiteral("..."));
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(openOldFileButton, &QToolButton::clicked, this, &TForm1::openOldFileButtonClick);
    connect(openNewFileButton, &QToolButton::clicked, this, &TForm1::openNewFileButtonClick);

    // A team file dropped on a row of the strip is chosen for that row's
    // side: the upper row is the start of the period, the lower its end.
    auto *drop = new platform::FileDrop(Panel1, {QStringLiteral(".dat"), QStringLiteral(".zip")},
                                        [](QPoint at) { return at.y() < kStripRowSplit ? 0 : 1; });
    connect(drop, &platform::FileDrop::dropped, this,
            [this](int row, const QString &path) { fileDropped(row == 0 ? Side::Old : Side::New, path); });
}

void TForm1::buildStartScreen()
{
    Panel3 = whitePanel(this, "Panel3", QRect(5, 60, 473, 465));
    // The logo first, so the labels lie over it.
    image(Panel3, "Image3", QRect(2, 56, 469, 401), ":/logo.png", false);
    TitleBlock b = titleBlock(Panel3, "Label17", "Label18", "Label19", "Label22", 469);
    Label22 = b.version;

    Label21 = labelAt<LinkLabel>(Panel3, "Label21", QStringLiteral("www.f-vantor.ru"), QPoint(8, 447));
    linkStyle(Label21);
    auto *credit = labelAt(Panel3, "Label20", QStringLiteral("Автор:"), QPoint(323, 447));
    credit->setFontColour(clGreen);
    Label24 = labelAt<LinkLabel>(Panel3, "Label24", QStringLiteral("Squadlens"), QPoint(392, 447));
    linkStyle(Label24);
    connect(Label21, &LinkLabel::clicked, this, &TForm1::Label21Click);
    connect(Label24, &LinkLabel::clicked, this, &TForm1::Label12Click);
}

void TForm1::buildResultArea()
{
    Panel4 = named(new QFrame(this), "Panel4");
    Panel4->setGeometry(5, 56, 473, 474);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setLineWidth(1);
    Panel4->setAutoFillBackground(true);
    Panel4->hide();

    PageControl1 = named(new platform::PageControl(Panel4), "PageControl1");
    PageControl1->setTabPosition(QTabWidget::East);
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setDocumentMode(false);
    PageControl1->setFont(designFont(11));
    auto *layout = new QVBoxLayout(Panel4);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(PageControl1);

    auto page = [this](const char *name, const QString &caption) {
        auto *p = named(new QWidget, name);
        PageControl1->addTab(p, caption);
        return p;
    };
    QWidget *TabSheet1 = page("TabSheet1", QStringLiteral("Cкиллы"));
    QWidget *TabSheet2 = page("TabSheet2", QStringLiteral("РУ"));
    QWidget *TabSheet3 = page("TabSheet3", QStringLiteral("Cтоимость"));
    QWidget *TabSheet6 = page("TabSheet6", QStringLiteral("Зарплаты"));
    QWidget *TabSheet5 = page("TabSheet5", QStringLiteral("Cоставы"));
    QWidget *TabSheet4 = page("TabSheet4", QStringLiteral("О программе"));
    PageControl1->setTabVisible(static_cast<int>(Page::TabSheet5), false);

    // Skills page.
    labelAt(TabSheet1, "Label9", QStringLiteral("Выбрать игрока:"), QPoint(0, 10));
    ComboBox3 = named(new QComboBox(TabSheet1), "ComboBox3");
    ComboBox3->setGeometry(88, 8, 354, 21);
    ComboBox3->setEditable(false);
    ComboBox3->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_chooserModel = new platform::LinesModel(m_engine.chooser.ComboBox3, this);
    ComboBox3->setModel(m_chooserModel);
    if (auto *list = qobject_cast<QListView *>(ComboBox3->view()))
        list->setUniformItemSizes(true);
    ComboBox3->setMaxVisibleItems(20);
    connect(ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);

    ResultTables &results = m_engine.results;
    StringGrid3 = named(new StringGrid(results.StringGrid3, TabSheet1), "StringGrid3");
    StringGrid3->setGeometry(0, 36, 440, 426);
    StringGrid3->setFont(designFont(7));
    StringGrid3->setColumnWidths(kSkillsTableWidths);
    StringGrid3->setRowHeight(kSkillsRowHeight);
    StringGrid3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid3->setDrawCell([this](int col, int row, std::string_view text) {
        return StringGrid3DrawCell(col, row, text, m_engine.chooser.text());
    });

    // Rating, value and salary pages.
    struct Summary {
        StringGrid *&grid;
        const char *name;
        const TextTable &table;
        QWidget *page;
        SummaryTable kind;
        int fontPixels;
    };
    const Summary summaries[] = {
        {StringGrid_ru, "StringGrid_ru", results.StringGrid_ru, TabSheet2, SummaryTable::Rating, 7},
        {StringGrid_pr, "StringGrid_pr", results.StringGrid_pr, TabSheet3, SummaryTable::Value, 11},
        {StringGrid_pay, "StringGrid_pay", results.StringGrid_pay, TabSheet6, SummaryTable::Salary, 11},
    };
    for (const Summary &s : summaries) {
        s.grid = named(new StringGrid(s.table, s.page), s.name);
        s.grid->setGeometry(0, 0, 440, 462);
        s.grid->setFont(designFont(s.fontPixels));
        s.grid->setColumnWidths(kSummaryTableWidths);
        s.grid->setRowHeight(kSummaryRowHeight);
        s.grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        s.grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const SummaryTable kind = s.kind;
        s.grid->setDrawCell(
            [kind](int col, int row, std::string_view text) { return summaryDrawCell(kind, col, row, text); });
    }

    // Roster page: its tab is never shown.
    auto *note = labelAt(TabSheet5, "Label10", QStringLiteral("Таблица в разработке"), QPoint(8, 10));
    note->setFontColour(clRed);
    auto legend = [TabSheet5](const char *boxName, const char *textName, QColor colour, const QString &text,
                              int x) {
        auto *box = named(new QFrame(TabSheet5), boxName);
        box->setGeometry(x, 10, 12, 12);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAutoFillBackground(true);
        QPalette p = box->palette();
        p.setColor(QPalette::Window, colour);
        box->setPalette(p);
        labelAt(TabSheet5, textName, text, QPoint(x + 16, 10));
    };
    legend("Shape1", "Label11", QColor(255, 0, 0), QStringLiteral("- Покинул команду"), 170);
    legend("Shape2", "Label13", QColor(0, 255, 0), QStringLiteral("- Новоприбывший"), 300);
    StringGrid_roster = named(new StringGrid(results.StringGrid_roster, TabSheet5), "StringGrid_roster");
    StringGrid_roster->setGeometry(8, 32, 425, 425);
    StringGrid_roster->setColumnWidths(kRosterTableWidths);
    StringGrid_roster->setRowHeight(kSummaryRowHeight);
    StringGrid_roster->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    buildAboutPage(TabSheet4);

    // At start the About page is active and the skills tab highlighted; the
    // result area is hidden, so neither shows before the first comparison.
    PageControl1->setActivePage(static_cast<int>(Page::TabSheet4));
    PageControl1->setTabHighlighted(static_cast<int>(Page::TabSheet1), true);
    connect(PageControl1, &platform::PageControl::pageChanged, this, &TForm1::PageControl1Change);
}

void TForm1::buildAboutPage(QWidget *page)
{
    QFrame *Panel2 = whitePanel(page, "Panel2", QRect(0, 0, 438, 462));
    image(Panel2, "Image2", QRect(0, 56, 441, 401), ":/logo.png", false);
    TitleBlock b = titleBlock(Panel2, "Label1", "Label2", "Label6", "Label5", 434);
    Label5 = b.version;
    Label5->setText(versionCaption());

    Label8 = labelAt<LinkLabel>(Panel2, "Label8", QStringLiteral("www.f-vantor.ru"), QPoint(4, 447));
    linkStyle(Label8);
    auto *credit = labelAt(Panel2, "Label7", QStringLiteral("Автор:"), QPoint(292, 447));
    credit->setFontColour(clGreen);
    Label12 = labelAt<LinkLabel>(Panel2, "Label12", QStringLiteral("Squadlens"), QPoint(361, 447));
    linkStyle(Label12);
    connect(Label8, &LinkLabel::clicked, this, &TForm1::Label21Click);
    connect(Label12, &LinkLabel::clicked, this, &TForm1::Label12Click);

    // Never shown: the path fields mirror the core's, the button is the
    // comparison run's.
    openOldFilePath = named(new QLineEdit(Panel2), "openOldFilePath");
    openNewFilePath = named(new QLineEdit(Panel2), "openNewFilePath");
    for (QLineEdit *field : {openOldFilePath, openNewFilePath}) {
        field->setReadOnly(true);
        field->hide();
    }
    FillButton = named(new QPushButton(QStringLiteral("Сравнить"), Panel2), "FillButton");
    FillButton->setEnabled(false);
    FillButton->hide();
    connect(FillButton, &QPushButton::clicked, this, &TForm1::FillButtonClick);
}

void TForm1::buildHiddenControls()
{
    // Beyond the client area's right edge, out of the user's reach.
    SpeedButton1 = named(new QToolButton(this), "SpeedButton1");
    SpeedButton1->setGeometry(512, 8, 81, 42);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);

    L1 = label(this, "L1", {}, QRect(512, 60, 120, 13));
    L2 = label(this, "L2", {}, QRect(512, 76, 120, 13));
    TID1 = label(this, "TID1", {}, QRect(512, 92, 120, 13));
    TID2 = label(this, "TID2", {}, QRect(512, 108, 120, 13));
    L1->hide();
    L2->hide();

    ListBox1 = named(new QListView(this), "ListBox1");
    ListBox1->setGeometry(512, 128, 120, 97);
    m_idModel = new platform::LinesModel(m_engine.chooser.ListBox1, this);
    ListBox1->setModel(m_idModel);
    ListBox1->setUniformItemSizes(true);
    ListBox1->hide();
}

void TForm1::FormCreate()
{
    // The About page's version line and this one are the same text, written
    // once (versionCaption), whichever page is built first.
    Label22->setText(versionCaption());

    m_arrowCursor = QCursor(Qt::ArrowCursor);
    m_handCursor = QCursor(Qt::PointingHandCursor);
    const QPixmap arrowPicture = resourcePicture(":/cursor_arrow.png");
    const QPixmap handPicture = resourcePicture(":/cursor_hand.png");
    if (!arrowPicture.isNull())
        m_arrowCursor = QCursor(arrowPicture, 0, 0);
    if (!handPicture.isNull())
        m_handCursor = QCursor(handPicture, 0, 0);

    setCursor(m_arrowCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{Panel1, Panel3})
        w->setCursor(m_arrowCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{openOldFileButton, openNewFileButton, Label21, Label24})
        w->setCursor(m_handCursor);

    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    openOldFileDialog->InitialDir = folder;
    openNewFileDialog->InitialDir = folder;
}

void TForm1::resultAreaCursors()
{
    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->widget(i)->setCursor(m_arrowCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{Panel4, findChild<QFrame *>("Panel2"), StringGrid_ru,
                                                       StringGrid_pr, StringGrid_pay, StringGrid3})
        w->setCursor(m_arrowCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{ComboBox3, Label8, Label12, PageControl1->tabBar()})
        w->setCursor(m_handCursor);
    PageControl1->setCursor(m_handCursor);
}

void TForm1::ensureResultArea()
{
    if (Panel4)
        return;
    buildResultArea();
    resultAreaCursors();
    // A link clicked on the start screen is visited on the About page too.
    Label8->setFontColour(Label21->fontColour());
    Label12->setFontColour(Label24->fontColour());
    syncFromCore();
}

void TForm1::syncFromCore()
{
    const struct {
        Side side;
        Label *path, *team;
        QLineEdit *field;
        platform::OpenDialog *dialog;
    } sides[] = {
        {Side::Old, Label3, LabelOF, openOldFilePath, openOldFileDialog},
        {Side::New, Label4, LabelNF, openNewFilePath, openNewFileDialog},
    };
    for (const auto &s : sides) {
        const LabelState &path = m_handlers.pathLabel(s.side);
        const LabelState &team = m_handlers.teamLabel(s.side);
        s.path->setText(utf8(path.caption));
        s.path->setFontColour(path.colour);
        s.team->setText(utf8(team.caption));
        s.team->setFontColour(team.colour);
        if (s.field)
            s.field->setText(QFile::decodeName(QByteArray::fromStdString(m_handlers.path(s.side))));
        s.dialog->Tag = m_handlers.dialogTag(s.side);
    }
    L1->setText(platform::fromCp1251(m_engine.L1));
    L2->setText(platform::fromCp1251(m_engine.L2));
    TID1->setText(platform::fromCp1251(m_engine.TID1));
    TID2->setText(platform::fromCp1251(m_engine.TID2));

    m_idModel->refresh();
    if (Panel4) {
        const QSignalBlocker block(ComboBox3);
        m_chooserModel->refresh();
        ComboBox3->setCurrentIndex(m_engine.chooser.itemIndex);
    }
    if (Panel4)
        for (StringGrid *g : {StringGrid3, StringGrid_ru, StringGrid_pr, StringGrid_pay, StringGrid_roster})
            g->refresh();
    if (m_cellForm)
        m_cellForm->refresh();
}

void TForm1::syncSkillsTable()
{
    {
        const QSignalBlocker block(ComboBox3);
        ComboBox3->setCurrentIndex(m_engine.chooser.itemIndex);
    }
    StringGrid3->refresh();
}

void TForm1::runHandler(const std::function<void()> &handler, void (TForm1::*sync)())
{
    ensureResultArea();
    if (platform::runReported(handler, [this, sync] { (this->*sync)(); }))
        (this->*sync)();
    if (platform::BusyCursor::shown())
        repaint(); // the pages as they are now, before the arrow comes back
    m_busy.reset();
}

bool TForm1::expectLongRun(const QString &chosenFile) const
{
    // A comparison reads, cuts and pairs both files: on an ordinary machine
    // some 100 ms for every 12 MB of them. A zipped file is about a fifth
    // of what it holds.
    constexpr qint64 kLongRunBytes = 12 * 1024 * 1024;
    qint64 bytes = static_cast<qint64>(m_engine.ws.ListBoxO.buffer()->size() + m_engine.ws.ListBoxN.buffer()->size());
    if (!chosenFile.isEmpty()) {
        const QFileInfo file(chosenFile);
        bytes += file.size() * (file.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0 ? 5 : 1);
    }
    return bytes > kLongRunBytes;
}

void TForm1::chooseFile(Side side, const std::function<std::optional<QString>()> &pick)
{
    runHandler([&] {
        const std::optional<QString> chosen = pick();
        std::optional<std::string> path;
        if (chosen)
            path = QFile::encodeName(*chosen).toStdString();
        m_busy.emplace(chosen && expectLongRun(*chosen));
        m_handlers.fileChosen(side, path);
    });
}

void TForm1::openFileButtonClick(Side side)
{
    platform::OpenDialog *dialog = side == Side::Old ? openOldFileDialog : openNewFileDialog;
    chooseFile(side, [&] { return dialog->Execute(this); });
}

void TForm1::fileDropped(Side side, const QString &path)
{
    // As if chosen in the side's dialog, which then starts from it.
    platform::OpenDialog *dialog = side == Side::Old ? openOldFileDialog : openNewFileDialog;
    chooseFile(side, [&] {
        dialog->FileName = path;
        return std::optional<QString>(path);
    });
}

void TForm1::openOldFileButtonClick() { openFileButtonClick(Side::Old); }

void TForm1::openNewFileButtonClick() { openFileButtonClick(Side::New); }

void TForm1::FillButtonClick()
{
    runHandler([this] {
        m_busy.emplace(expectLongRun({}));
        squadlens::FillButtonClick(m_engine, *this);
    });
}

void TForm1::ComboBox3Change(int index)
{
    // Only the skills table changes: the chooser's list stays as it is while
    // its own signal is being delivered.
    runHandler([this, index] { squadlens::ComboBox3Change(m_engine, index); }, &TForm1::syncSkillsTable);
}

void TForm1::PageControl1Change()
{
    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->setTabHighlighted(i, false);
    PageControl1->setTabHighlighted(PageControl1->currentIndex(), true);
}

void TForm1::Label21Click()
{
    Label21->setFontColour(clPurple);
    if (Label8)
        Label8->setFontColour(clPurple);
    platform::openUrl(QUrl(QString::fromLatin1(kSiteUrl)));
}

void TForm1::Label12Click()
{
    if (Label12)
        Label12->setFontColour(clPurple);
    Label24->setFontColour(clPurple);
    platform::openUrl(QUrl(QString::fromLatin1(kAuthorUrl)));
}

void TForm1::SpeedButton1Click()
{
    if (!m_cellForm)
        return;
    m_cellForm->show();
    m_cellForm->raise();
    m_cellForm->activateWindow();
}

void TForm1::showResultArea()
{
    ensureResultArea();
    Panel4->show();
    Panel4->raise();
}

void TForm1::setActivePage(Page page)
{
    ensureResultArea();
    PageControl1->setActivePage(static_cast<int>(page));
}

void TForm1::setTabHighlighted(Page page, bool highlighted)
{
    ensureResultArea();
    PageControl1->setTabHighlighted(static_cast<int>(page), highlighted);
}

void TForm1::messageBox(const std::string &text, const std::string &title, MessageIcon icon)
{
    // The user sees the state behind the box.
    syncFromCore();
    platform::messageBox(utf8(text), utf8(title),
                         icon == MessageIcon::Error ? platform::BoxIcon::Error : platform::BoxIcon::Information);
}
