// The main window driven as a user drives it: the "..." buttons with their
// dialogs answered by the test, the chooser, the tabs, the links. Checks the
// labels, pages, tables and the colours the cells are painted in.

#include "core/path_handlers.h"
#include "ui/Cellunit.h"
#include "ui/Mainunit.h"
#include "ui/platform/fonts.h"
#include "ui/platform/label.h"
#include "ui/platform/open_dialog.h"
#include "ui/platform/page_control.h"
#include "ui/platform/string_grid.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace squadlens;
using squadlens::platform::BoxIcon;
using squadlens::platform::Label;
using squadlens::platform::OpenDialog;
using squadlens::platform::PageControl;
using squadlens::platform::StringGrid;
using uitest::countNear;
using uitest::player;

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kPaleGreen(186, 240, 179);
const QColor kPaleRed(255, 176, 176);

const QString kOldPrompt = QStringLiteral("Выбрать файл на начало периода");
const QString kNewPrompt = QStringLiteral("Выбрать файл на конец периода");
const QString kNotChosen = QStringLiteral("не выбран");

// Иван stays (rating, value up; salary down), Лев leaves, Глеб arrives,
// Пётр stays (rating, value down; salary up).
std::vector<uitest::Player> oldSquad()
{
    return {player("101", "Иван Петров", "GK", "1250000", "54.35", "5000"),
            player("102", "Лев Ночевкин", "CM", "800000", "60.00", "3000"),
            player("103", "Пётр Сидоров", "FW", "2000000", "70.50", "9000")};
}

std::vector<uitest::Player> newSquad()
{
    auto ivan = player("101", "Иван Петров", "GK", "1500000", "55.60", "4500");
    ivan.skills[0] = 52; // Навесы +2
    ivan.skills[1] = 49; // Игра головой -1
    return {ivan, player("103", "Пётр Сидоров", "FW", "1750000", "70.00", "10500"),
            player("104", "Глеб Моховиков", "LM", "500000", "45.10", "2000")};
}

} // namespace

class MainunitTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startScreen();
    void formCreateSetsVersionCursorsAndDialogFolder();
    void cancelledDialogChangesNothing();
    void oldThenNewFileCompares();
    void rejectedFile();
    void rejectedStartFileLeavesTheComparison();
    void pairInTheWrongOrder_data();
    void pairInTheWrongOrder();
    void differentTeamsWarnThenCompare();
    void zippedEndFileIsUnpackedLoadedAndRemoved();
    void missingFileReachesTheTopLevelReport();
    void highlightFollowsTheUsersPage();
    void laterRunsKeepTheUsersPage();
    void linkLabelsTurnPurpleAndOpenTheirAddress();
    void chooserFillsAndPaintsTheSkillsTable();
    void chooserErrorKeepsWhatWasWritten();
    void summaryCellsArePaintedByTheirRules_data();
    void summaryCellsArePaintedByTheirRules();
    void selectedSummaryRowKeepsThePaleBackground();
    void speedButtonShowsTheSourceWindow();
    void largeSquadStaysResponsive();
    void resultAreaBuiltAfterTheFirstPaint();

private:
    template <typename T = QWidget> T *child(const char *name) const { return uitest::child<T>(m_form.get(), name); }
    QString write(const QString &name, const std::string &bytes);
    QString team(const QString &name, const std::string &id, const std::string &date,
                 const std::vector<uitest::Player> &players, const std::string &teamName = "ФК Заречье");
    void choose(Side side, const std::optional<QString> &path);
    void compareDefaultPair();
    QString cell(const char *grid, int col, int row) const;
    QImage grabGrid(const char *grid, Page page);
    QString path(const char *field) const { return child<QLineEdit>(field)->text(); }
    QString caption(const char *label) const { return child<Label>(label)->text(); }
    QColor colour(const char *label) const { return child<Label>(label)->fontColour(); }
    PageControl *pages() const { return child<PageControl>("PageControl1"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TCellForm> m_cellForm;
    std::unique_ptr<uitest::BoxRecorder> m_boxes;
};

void MainunitTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_boxes = std::make_unique<uitest::BoxRecorder>();
    m_engine = std::make_unique<Engine>();
    m_form = std::make_unique<TForm1>(*m_engine);
    m_cellForm = std::make_unique<TCellForm>(m_engine->ws);
    m_form->setCellForm(m_cellForm.get());
    m_form->pathHandlers().setScratchFolder(m_dir->filePath(QStringLiteral("scratch")).toStdString());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void MainunitTest::cleanup()
{
    m_form.reset();
    m_cellForm.reset();
    m_engine.reset();
    m_boxes.reset();
    m_dir.reset();
}

QString MainunitTest::write(const QString &name, const std::string &bytes)
{
    const QString file = m_dir->filePath(name);
    uitest::writeBytes(file, bytes);
    return file;
}

QString MainunitTest::team(const QString &name, const std::string &id, const std::string &date,
                           const std::vector<uitest::Player> &players, const std::string &teamName)
{
    return write(name, uitest::teamFile(id, teamName, date, players));
}

// The side's "..." button, with its dialog answering `path` (nothing: cancel).
void MainunitTest::choose(Side side, const std::optional<QString> &path)
{
    auto *dialog = child<OpenDialog>(side == Side::Old ? "openOldFileDialog" : "openNewFileDialog");
    dialog->setShowFunction([path](const OpenDialog &) { return path; });
    QTest::mouseClick(child<QToolButton>(side == Side::Old ? "openOldFileButton" : "openNewFileButton"),
                      Qt::LeftButton);
}

void MainunitTest::compareDefaultPair()
{
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad()));
    choose(Side::New, team(QStringLiteral("new.dat"), "4127", "01.07.2026", newSquad()));
}

QString MainunitTest::cell(const char *grid, int col, int row) const
{
    const platform::TextTableModel *model = child<StringGrid>(grid)->textModel();
    if (row == 0)
        return model->headerData(col, Qt::Horizontal).toString();
    if (row > model->rowCount())
        return QStringLiteral("<no row %1>").arg(row);
    return model->data(model->index(row - 1, col)).toString();
}

QImage MainunitTest::grabGrid(const char *grid, Page page)
{
    pages()->setActivePage(static_cast<int>(page));
    return child<StringGrid>(grid)->viewport()->grab().toImage();
}

void MainunitTest::startScreen()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Vantor Squadlens - ВФМ \"Вантор\""));
    QCOMPARE(m_form->size(), QSize(482, 534));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);

    QVERIFY(child("Panel3")->isVisible());
    QVERIFY(!child("Panel4")->isVisible());
    QCOMPARE(child("Panel4")->geometry(), QRect(5, 56, 473, 474));
    const struct {
        const char *name;
        QString text;
    } start[] = {
        {"Label3", kOldPrompt}, {"Label4", kNewPrompt}, {"LabelOF", kNotChosen}, {"LabelNF", kNotChosen},
        {"Label17", QStringLiteral("Vantor Squadlens")},
        {"Label18", QStringLiteral("программа для сравнения и анализа роста игроков и общего развития")},
        {"Label19", QStringLiteral("футбольного клуба в виртуальном футбольном менедежере F-Vantor")},
        {"Label22", QStringLiteral("версия 1.0")},
    };
    for (const auto &l : start) {
        QCOMPARE(caption(l.name), l.text);
        QVERIFY(child(l.name)->isVisible());
    }
    for (const char *name : {"Label3", "Label4", "LabelOF", "LabelNF"})
        QCOMPARE(colour(name), kMaroon);
    QCOMPARE(colour("Label17"), QColor(0, 0, 128));
    QCOMPARE(colour("Label18"), QColor(128, 128, 128));
    QVERIFY(child<QLabel>("Image3")->pixmap().width() > 0);
    QVERIFY(path("openOldFilePath").isEmpty() && path("openNewFilePath").isEmpty());

    // The six pages in tab order, "Cоставы" never shown; at start the About
    // page is active and the skills tab highlighted.
    const QStringList captions{QStringLiteral("Cкиллы"),   QStringLiteral("РУ"),
                               QStringLiteral("Cтоимость"), QStringLiteral("Зарплаты"),
                               QStringLiteral("Cоставы"),  QStringLiteral("О программе")};
    const QStringList names{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet5", "TabSheet4"};
    QCOMPARE(pages()->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(pages()->tabText(i), captions[i]);
        QCOMPARE(pages()->widget(i)->objectName(), names[i]);
        QCOMPARE(pages()->isTabVisible(i), i != 4);
        QCOMPARE(pages()->isTabHighlighted(i), i == 0);
    }
    QCOMPARE(pages()->currentIndex(), 5);
    QCOMPARE(pages()->tabPosition(), QTabWidget::East);

    // Data controls lie beyond the right edge; SpeedButton1 is there too.
    for (const char *name : {"L1", "L2", "TID1", "TID2", "ListBox1", "SpeedButton1"})
        QVERIFY2(child(name)->x() >= 512, name);
    QCOMPARE(child("SpeedButton1")->geometry(), QRect(512, 8, 81, 42));
    QVERIFY(!child("openOldFilePath")->isVisible());
    QVERIFY(!child("FillButton")->isEnabled());
}

void MainunitTest::formCreateSetsVersionCursorsAndDialogFolder()
{
    QCOMPARE(caption("Label22"), caption("Label5"));

    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const char *name : {"openOldFileDialog", "openNewFileDialog"}) {
        const OpenDialog *d = child<OpenDialog>(name);
        QCOMPARE(d->InitialDir, folder);
        QCOMPARE(d->Filter, QStringLiteral("Файлы для Билда (*.zip,*.dat) (*.dat *.zip)"));
        QCOMPARE(d->Tag, 0);
    }

    // Compared as the cursor keeps its picture: a pixmap.
    const QImage arrow = QPixmap(QStringLiteral(":/cursor_arrow.png")).toImage();
    const QImage hand = QPixmap(QStringLiteral(":/cursor_hand.png")).toImage();
    QVERIFY(!arrow.isNull() && !hand.isNull() && arrow != hand);
    auto cursorImage = [](QWidget *w) { return w->cursor().pixmap().toImage(); };
    for (const char *name : {"Form1", "Panel1", "Panel2", "Panel3", "Panel4", "TabSheet1", "TabSheet4",
                             "StringGrid_ru", "StringGrid_pr", "StringGrid_pay", "StringGrid3"}) {
        QWidget *w = QString::fromLatin1(name) == QStringLiteral("Form1") ? m_form.get() : child(name);
        QVERIFY2(cursorImage(w) == arrow, name);
        QCOMPARE(w->cursor().hotSpot(), QPoint(0, 0));
    }
    for (const char *name : {"ComboBox3", "openOldFileButton", "openNewFileButton", "Label21", "Label8",
                             "Label12", "Label24", "PageControl1"})
        QVERIFY2(cursorImage(child(name)) == hand, name);
    QVERIFY(cursorImage(pages()->tabBar()) == hand);
}

void MainunitTest::cancelledDialogChangesNothing()
{
    choose(Side::Old, std::nullopt);
    QCOMPARE(caption("Label3"), kOldPrompt);
    QCOMPARE(colour("Label3"), kMaroon);
    QVERIFY(path("openOldFilePath").isEmpty());
    QVERIFY(m_boxes->boxes.empty());

    const QString old = team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad());
    choose(Side::Old, old);
    choose(Side::Old, std::nullopt);
    QCOMPARE(caption("Label3"), old.size() <= 44 ? old : QString::fromStdString(shortenPath(old.toStdString())));
    QCOMPARE(caption("LabelOF"), QStringLiteral("ФК Заречье от 01.07.2025"));
    QCOMPARE(path("openOldFilePath"), old);
    QCOMPARE(child<OpenDialog>("openOldFileDialog")->FileName, old);
}

void MainunitTest::oldThenNewFileCompares()
{
    const QString old = team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad());
    choose(Side::Old, old);
    QCOMPARE(colour("Label3"), kGreen);
    QCOMPARE(caption("LabelOF"), QStringLiteral("ФК Заречье от 01.07.2025"));
    QCOMPARE(colour("LabelOF"), kGreen);
    QCOMPARE(path("openOldFilePath"), old);
    QCOMPARE(caption("L1"), QStringLiteral("ФК Заречье"));
    QCOMPARE(caption("TID1"), QStringLiteral("4127"));
    QCOMPARE(caption("LabelNF"), kNotChosen);
    QVERIFY(!child("Panel4")->isVisible());

    const QString neu = team(QStringLiteral("new.dat"), "4127", "01.07.2026", newSquad());
    choose(Side::New, neu);
    QVERIFY(m_boxes->boxes.empty());
    QCOMPARE(caption("LabelNF"), QStringLiteral("ФК Заречье от 01.07.2026"));
    QCOMPARE(colour("Label4"), kGreen);
    QCOMPARE(caption("Label4"), QString::fromStdString(shortenPath(neu.toStdString())));

    // The result area covers the start screen; one team: the skills page.
    QVERIFY(child("Panel4")->isVisible());
    QCOMPARE(pages()->currentIndex(), static_cast<int>(Page::TabSheet1));
    QVERIFY(pages()->isTabHighlighted(0));

    auto *chooser = child<QComboBox>("ComboBox3");
    QCOMPARE(chooser->count(), 2);
    QCOMPARE(chooser->itemText(0), QStringLiteral("Иван Петров, GK"));
    QCOMPARE(chooser->itemText(1), QStringLiteral("Пётр Сидоров, FW"));
    QCOMPARE(chooser->currentIndex(), -1);
    auto *ids = child<QListView>("ListBox1");
    QCOMPARE(ids->model()->rowCount(), 2);
    QCOMPARE(ids->model()->index(1, 0).data().toString(), QStringLiteral("103"));

    const struct {
        const char *grid;
        int row;
        QStringList cells;
    } rows[] = {
        {"StringGrid_ru", 0, {"Игрок", "Поз.", "01.07.2025", "01.07.2026", "Прогресс"}},
        {"StringGrid_ru", 1, {"Иван Петров", "GK", "54,35", "55,60", "1,3"}},
        {"StringGrid_ru", 4, {"Пётр Сидоров", "FW", "70,50", "70,00", "-0,5"}},
        {"StringGrid_pr", 1, {"Иван Петров", "GK", "1.250.000", "1.500.000", "250.000"}},
        // LM comes before CM.
        {"StringGrid_pr", 2, {"Глеб Моховиков", "LM", "новичок клуба", "500.000", "n/a"}},
        {"StringGrid_pr", 3, {"Лев Ночевкин", "CM", "800.000", "покинул клуб", "n/a"}},
        {"StringGrid_pr", 5, {"Общая стоимость:", "", "4.050.000", "3.750.000", "-300.000"}},
        {"StringGrid_pay", 0, {"Игрок", "Поз.", "01.07.2025", "01.07.2026", "Разница"}},
        {"StringGrid_pay", 1, {"Иван Петров", "GK", "5.000", "4.500", "-500"}},
        {"StringGrid_pay", 5, {"Общая ЗП:", "", "17.000", "17.000", "0"}},
        {"StringGrid3", 0, {"Скилл", "01.07.2025", "01.07.2026", "Прогресс"}},
        {"StringGrid3", 1, {"Навесы", "", "", ""}},
    };
    for (const auto &r : rows)
        for (int c = 0; c < r.cells.size(); ++c)
            QCOMPARE(cell(r.grid, c, r.row), r.cells[c]);
    QCOMPARE(cell("StringGrid_ru", 0, 5), QStringLiteral("Средний РУ:"));
    QCOMPARE(child<StringGrid>("StringGrid_ru")->textModel()->rowCount(), 5);
}

void MainunitTest::rejectedFile()
{
    const QString old = team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad());
    choose(Side::Old, old);
    // A blank after "1/" is enough to reject a file.
    const QString bad = write(QStringLiteral("bad.dat"), "1/ \r\n=01.07.2026\r\n/4127/X/\r\n/***/\r\n");
    choose(Side::New, bad);

    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("Неверный файл команды"));
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(m_boxes->boxes[0].icon, BoxIcon::Error);
    QVERIFY(path("openNewFilePath").isEmpty());
    // The team label is untouched; the path label shows the chosen file in
    // the colour it had.
    QCOMPARE(caption("LabelNF"), kNotChosen);
    QCOMPARE(colour("LabelNF"), kMaroon);
    QCOMPARE(caption("Label4"), QString::fromStdString(shortenPath(bad.toStdString())));
    QCOMPARE(colour("Label4"), kMaroon);
    // The other side stays as it was; nothing was compared.
    QCOMPARE(caption("LabelOF"), QStringLiteral("ФК Заречье от 01.07.2025"));
    QCOMPARE(path("openOldFilePath"), old);
    QVERIFY(!child("Panel4")->isVisible());
}

void MainunitTest::rejectedStartFileLeavesTheComparison()
{
    compareDefaultPair();
    choose(Side::Old, write(QStringLiteral("empty.dat"), ""));
    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("Неверный файл команды"));
    QCOMPARE(cell("StringGrid_pr", 1, 1), QStringLiteral("GK"));
    QCOMPARE(caption("LabelOF"), QStringLiteral("ФК Заречье от 01.07.2025"));
    QCOMPARE(caption("LabelNF"), QStringLiteral("ФК Заречье от 01.07.2026"));
    QCOMPARE(colour("LabelNF"), kGreen);
}

void MainunitTest::pairInTheWrongOrder_data()
{
    QTest::addColumn<bool>("newChosenLast");
    QTest::newRow("end file chosen last") << true;
    QTest::newRow("start file chosen last") << false;
}

void MainunitTest::pairInTheWrongOrder()
{
    QFETCH(bool, newChosenLast);
    compareDefaultPair();
    QVERIFY(child<StringGrid>("StringGrid_ru")->textModel()->rowCount() > 1);

    // A start file one day after the end file, or an end file one day
    // before the start file.
    const QString late = team(QStringLiteral("late.dat"), "4127", "02.07.2026", oldSquad());
    const QString early = team(QStringLiteral("early.dat"), "4127", "30.06.2025", newSquad());
    QString shownPath;
    m_boxes->onBox = [&] { shownPath = caption(newChosenLast ? "Label4" : "Label3"); };
    choose(newChosenLast ? Side::New : Side::Old, newChosenLast ? early : late);

    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes[0].text,
             newChosenLast ? QStringLiteral("Файл на конец периода должна быть старше файла на его начало")
                           : QStringLiteral("Файл на начало периода должна быть новее файла на его конец"));
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(m_boxes->boxes[0].icon, BoxIcon::Error);
    // Behind the box the prompt shows; the chosen path is written after it.
    QCOMPARE(shownPath, newChosenLast ? kNewPrompt : kOldPrompt);

    for (const char *name : {"Label3", "Label4", "LabelOF", "LabelNF"})
        QCOMPARE(colour(name), kMaroon);
    const QString chosen = newChosenLast ? early : late;
    QCOMPARE(caption("Label3"), newChosenLast ? kOldPrompt : QString::fromStdString(shortenPath(chosen.toStdString())));
    QCOMPARE(caption("Label4"), newChosenLast ? QString::fromStdString(shortenPath(chosen.toStdString())) : kNewPrompt);
    QCOMPARE(caption("LabelOF"), kNotChosen);
    QCOMPARE(caption("LabelNF"), kNotChosen);
    QVERIFY(path("openOldFilePath").isEmpty());
    QVERIFY(path("openNewFilePath").isEmpty());

    // Tables emptied and re-headed with the rejected pair's dates.
    for (const char *grid : {"StringGrid_ru", "StringGrid_pr", "StringGrid_pay"}) {
        QCOMPARE(child<StringGrid>(grid)->textModel()->rowCount(), 1);
        for (int c = 0; c < 5; ++c)
            QCOMPARE(cell(grid, c, 1), QString());
        QCOMPARE(cell(grid, 2, 0), newChosenLast ? QStringLiteral("01.07.2025") : QStringLiteral("02.07.2026"));
        QCOMPARE(cell(grid, 3, 0), newChosenLast ? QStringLiteral("30.06.2025") : QStringLiteral("01.07.2026"));
    }
    QCOMPARE(cell("StringGrid3", 0, 24), QStringLiteral("Игра руками (вр)"));
    QCOMPARE(cell("StringGrid3", 1, 1), QString());
    // The result area stays.
    QVERIFY(child("Panel4")->isVisible());
    const QImage image = grabGrid("StringGrid_pay", Page::TabSheet6);
    QCOMPARE(image.pixelColor(child<StringGrid>("StringGrid_pay")->cellRect(4, 1).topLeft()), kWhite);
}

void MainunitTest::differentTeamsWarnThenCompare()
{
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2026", oldSquad()));
    QString teamBehindBox;
    m_boxes->onBox = [&] { teamBehindBox = caption("LabelNF"); };
    // Another club, and even an earlier date: no order check.
    choose(Side::New, team(QStringLiteral("other.dat"), "9000", "01.07.2025", newSquad(), "ФК Другой"));

    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Открыты файлы разных команд!\nПровекра дат отключена, сравнение скиллов не возможно"));
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Внимание"));
    QCOMPARE(m_boxes->boxes[0].icon, BoxIcon::Information);
    QCOMPARE(teamBehindBox, QStringLiteral("ФК Другой от 01.07.2025"));

    QVERIFY(child("Panel4")->isVisible());
    QCOMPARE(pages()->currentIndex(), static_cast<int>(Page::TabSheet2));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(pages()->isTabHighlighted(i), i == 1);
    QCOMPARE(cell("StringGrid_ru", 0, 1), QStringLiteral("Иван Петров"));
}

void MainunitTest::zippedEndFileIsUnpackedLoadedAndRemoved()
{
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad()));
    const QString zip = m_dir->filePath(QStringLiteral("club.zip"));
    uitest::writeZip(zip, "club.dat", uitest::teamFile("4127", "ФК Заречье", "01.07.2026", newSquad()));
    choose(Side::New, zip);

    const QString scratch = m_dir->filePath(QStringLiteral("scratch"));
    const QString unpacked = scratch + QStringLiteral("/club.dat");
    QVERIFY(m_boxes->boxes.empty());
    QCOMPARE(path("openNewFilePath"), unpacked);
    QVERIFY2(!QFile::exists(unpacked), "the unpacked file is gone once loaded");
    QCOMPARE(child<OpenDialog>("openNewFileDialog")->Tag, 1);
    QCOMPARE(caption("Label4"), QString::fromStdString(shortenPath(zip.toStdString())));
    QCOMPARE(caption("LabelNF"), QStringLiteral("ФК Заречье от 01.07.2026"));
    QVERIFY(child("Panel4")->isVisible());
    QCOMPARE(cell("StringGrid_pr", 3, 2), QStringLiteral("500.000"));
}

void MainunitTest::missingFileReachesTheTopLevelReport()
{
    const QString missing = m_dir->filePath(QStringLiteral("gone.dat"));
    choose(Side::Old, missing);

    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("Cannot open file ") + missing + QLatin1Char('.'));
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Vantor Squadlens"));
    QCOMPARE(m_boxes->boxes[0].icon, BoxIcon::Error);
    // The path field keeps the new path; the labels keep what they showed.
    QCOMPARE(path("openOldFilePath"), missing);
    QCOMPARE(caption("Label3"), kOldPrompt);
    QCOMPARE(caption("LabelOF"), kNotChosen);

    // The window goes on.
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad()));
    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(caption("LabelOF"), QStringLiteral("ФК Заречье от 01.07.2025"));
}

void MainunitTest::highlightFollowsTheUsersPage()
{
    compareDefaultPair();
    QTabBar *bar = pages()->tabBar();
    for (Page page : {Page::TabSheet6, Page::TabSheet1, Page::TabSheet4}) {
        const int index = static_cast<int>(page);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(pages()->currentIndex(), index);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(pages()->isTabHighlighted(i), i == index);
    }
    QVERIFY(!pages()->isTabVisible(static_cast<int>(Page::TabSheet5)));
}

void MainunitTest::laterRunsKeepTheUsersPage()
{
    compareDefaultPair();
    QTabBar *bar = pages()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    QCOMPARE(pages()->currentIndex(), 2);

    // Another start file compares again at once, on the page the user left.
    auto squad = oldSquad();
    squad[0].salary = "6000";
    choose(Side::Old, team(QStringLiteral("old2.dat"), "4127", "01.01.2026", squad));
    QCOMPARE(cell("StringGrid_pay", 2, 1), QStringLiteral("6.000"));
    QCOMPARE(cell("StringGrid_pay", 2, 0), QStringLiteral("01.01.2026"));
    QCOMPARE(pages()->currentIndex(), 2);
    QVERIFY(pages()->isTabHighlighted(2));
}

void MainunitTest::linkLabelsTurnPurpleAndOpenTheirAddress()
{
    uitest::UrlRecorder urls;
    for (const char *name : {"Label21", "Label8", "Label12", "Label24"}) {
        QCOMPARE(colour(name), kBlue);
        QVERIFY(child<QLabel>(name)->font().underline());
    }
    QTest::mouseClick(child("Label21"), Qt::LeftButton);
    QCOMPARE(colour("Label21"), kPurple);
    QCOMPARE(colour("Label8"), kPurple);
    QCOMPARE(colour("Label12"), kBlue);
    QCOMPARE(colour("Label24"), kBlue);
    QCOMPARE(urls.urls, (std::vector<QUrl>{QUrl(QString::fromLatin1(kSiteUrl))}));

    QTest::mouseClick(child("Label24"), Qt::LeftButton);
    QCOMPARE(colour("Label12"), kPurple);
    QCOMPARE(colour("Label24"), kPurple);
    QCOMPARE(urls.urls.back(), QUrl(QString::fromLatin1(kAuthorUrl)));
    QCOMPARE(urls.urls.size(), std::size_t(2));
}

void MainunitTest::chooserFillsAndPaintsTheSkillsTable()
{
    compareDefaultPair();
    auto *chooser = child<QComboBox>("ComboBox3");
    pages()->setActivePage(int(Page::TabSheet1));
    // The user picks "Пётр Сидоров, FW", then goes back up to "Иван Петров, GK".
    QTest::keyClick(chooser, Qt::Key_Down);
    QTest::keyClick(chooser, Qt::Key_Down);
    QCOMPARE(chooser->currentIndex(), 1);
    QCOMPARE(cell("StringGrid3", 1, 1), QStringLiteral("50"));
    QTest::keyClick(chooser, Qt::Key_Up);
    QCOMPARE(chooser->currentIndex(), 0);
    QCOMPARE(chooser->currentText(), QStringLiteral("Иван Петров, GK"));

    const QStringList row1{"Навесы", "50", "52", "2"};
    const QStringList row2{"Игра головой", "50", "49", "-1"};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(cell("StringGrid3", c, 1), row1[c]);
        QCOMPARE(cell("StringGrid3", c, 2), row2[c]);
    }
    QCOMPARE(cell("StringGrid3", 3, 3), QStringLiteral("0"));

    const QImage image = grabGrid("StringGrid3", Page::TabSheet1);
    auto *grid = child<StringGrid>("StringGrid3");
    QCOMPARE(image.pixelColor(grid->cellRect(3, 1).topLeft()), kPaleGreen);
    QCOMPARE(image.pixelColor(grid->cellRect(3, 2).topLeft()), kPaleRed);
    QCOMPARE(image.pixelColor(grid->cellRect(3, 3).topLeft()), kWhite);
    // A goalkeeper: "Навесы" red, "Пенальти" green, never blue.
    QVERIFY(countNear(image, grid->cellRect(0, 1), kRed, 40) > 0);
    QCOMPARE(countNear(image, grid->cellRect(0, 1), kGreen, 40), 0);
    QVERIFY(countNear(image, grid->cellRect(1, 8), kGreen, 40) > 0);
    QCOMPARE(countNear(image, QRect(0, 0, image.width(), image.height()), kBlue, 40), 0);
}

void MainunitTest::chooserErrorKeepsWhatWasWritten()
{
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad()));
    const std::string bytes = uitest::teamFile("4127", "ФК Заречье", "01.07.2026", newSquad());
    // Skill 3 of Иван is no number.
    std::string broken = bytes;
    const std::string ivan = uitest::playerLine(newSquad()[0]);
    std::string ivanBroken = ivan;
    const std::size_t skills = [&] {
        std::size_t pos = 0;
        for (int slash = 0; slash < 24; ++slash)
            pos = ivan.find('/', pos) + 1;
        return pos;
    }();
    ivanBroken.replace(skills, 2, "x!");
    broken.replace(broken.find(ivan), ivan.size(), ivanBroken);
    choose(Side::New, write(QStringLiteral("new.dat"), broken));
    QVERIFY(m_boxes->boxes.empty());

    emit child<QComboBox>("ComboBox3")->activated(0);
    QCOMPARE(m_boxes->boxes.size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("'x!' is not a valid integer value."));
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Vantor Squadlens"));
    // Rows before the bad skill are whole; its new value is shown, its
    // progress and the rows after it are not.
    QCOMPARE(cell("StringGrid3", 3, 2), QStringLiteral("-1"));
    QCOMPARE(cell("StringGrid3", 2, 3), QStringLiteral("x!"));
    QCOMPARE(cell("StringGrid3", 3, 3), QString());
    QCOMPARE(cell("StringGrid3", 2, 4), QString());
}

void MainunitTest::summaryCellsArePaintedByTheirRules_data()
{
    QTest::addColumn<QByteArray>("grid");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text"); // invalid: black text only

    const int ru = int(Page::TabSheet2), pr = int(Page::TabSheet3), pay = int(Page::TabSheet6);
    QTest::newRow("rating rise") << QByteArray("StringGrid_ru") << ru << 4 << 1 << kPaleGreen << QColor();
    QTest::newRow("rating fall") << QByteArray("StringGrid_ru") << ru << 4 << 4 << kPaleRed << QColor();
    QTest::newRow("rating total fall") << QByteArray("StringGrid_ru") << ru << 4 << 5 << kPaleRed << QColor();
    QTest::newRow("value rise") << QByteArray("StringGrid_pr") << pr << 4 << 1 << kPaleGreen << QColor();
    QTest::newRow("value fall") << QByteArray("StringGrid_pr") << pr << 4 << 4 << kPaleRed << QColor();
    QTest::newRow("value n/a") << QByteArray("StringGrid_pr") << pr << 4 << 2 << kWhite << QColor();
    QTest::newRow("value leaver") << QByteArray("StringGrid_pr") << pr << 3 << 3 << kWhite << kRed;
    QTest::newRow("value newcomer") << QByteArray("StringGrid_pr") << pr << 2 << 2 << kWhite << kGreen;
    QTest::newRow("salary fall is good") << QByteArray("StringGrid_pay") << pay << 4 << 1 << kPaleGreen << QColor();
    QTest::newRow("salary rise is bad") << QByteArray("StringGrid_pay") << pay << 4 << 4 << kPaleRed << QColor();
    QTest::newRow("salary total unchanged") << QByteArray("StringGrid_pay") << pay << 4 << 5 << kWhite << QColor();
    QTest::newRow("rating newcomer") << QByteArray("StringGrid_ru") << ru << 2 << 2 << kWhite << kGreen;
    QTest::newRow("newcomer's name stays black") << QByteArray("StringGrid_ru") << ru << 0 << 2 << kWhite
                                                 << QColor();
}

void MainunitTest::summaryCellsArePaintedByTheirRules()
{
    QFETCH(QByteArray, grid);
    QFETCH(int, page);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    compareDefaultPair();
    const QImage image = grabGrid(grid.constData(), static_cast<Page>(page));
    const QRect rect = child<StringGrid>(grid.constData())->cellRect(col, row);
    QVERIFY(rect.isValid());
    QCOMPARE(image.pixelColor(rect.topLeft()), background);
    QCOMPARE(image.pixelColor(rect.bottomLeft()), background);
    if (text.isValid()) {
        QVERIFY(countNear(image, rect, text, 40) > 0);
    } else {
        QVERIFY(countNear(image, rect, QColor(0, 0, 0), 90) > 0);
        QCOMPARE(countNear(image, rect, kGreen, 40), 0);
        QCOMPARE(countNear(image, rect, kRed, 40), 0);
    }
    // Figures stand right-aligned: no ink in the left half of the cell.
    if (col >= 2)
        QCOMPARE(countNear(image, QRect(rect.left(), rect.top(), rect.width() / 3, rect.height()),
                           QColor(0, 0, 0), 90),
                 0);
}

void MainunitTest::selectedSummaryRowKeepsThePaleBackground()
{
    compareDefaultPair();
    auto *grid = child<StringGrid>("StringGrid_pay");
    pages()->setActivePage(int(Page::TabSheet6));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 3).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 1).center());
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid->selectionModel()->selectedRows().front().row(), 0);

    const QImage image = grid->viewport()->grab().toImage();
    const QColor highlight = grid->palette().color(QPalette::Active, QPalette::Highlight);
    QCOMPARE(image.pixelColor(grid->cellRect(0, 1).topLeft()), highlight);
    QCOMPARE(image.pixelColor(grid->cellRect(4, 1).topLeft()), kPaleGreen);
    QCOMPARE(image.pixelColor(grid->cellRect(4, 2).topLeft()), kWhite);
}

void MainunitTest::speedButtonShowsTheSourceWindow()
{
    compareDefaultPair();
    QVERIFY(!m_cellForm->isVisible());
    QTest::mouseClick(child("SpeedButton1"), Qt::LeftButton);
    QVERIFY(m_cellForm->isVisible());
    QVERIFY(!m_cellForm->isModal());
    QCOMPARE(m_cellForm->windowTitle(), QStringLiteral("Source Form"));
    // Pressing it again keeps the one window.
    QTest::mouseClick(child("SpeedButton1"), Qt::LeftButton);
    QVERIFY(m_cellForm->isVisible());
}

void MainunitTest::largeSquadStaysResponsive()
{
    std::vector<uitest::Player> squad;
    const char *positions[] = {"GK", "LD", "CD", "RD", "LM", "CM", "RM", "FW"};
    for (int i = 0; i < 20000; ++i)
        squad.push_back(player(std::to_string(100000 + i), "Игрок", positions[i % 8], "1000", "50.5", "100"));
    choose(Side::Old, team(QStringLiteral("big-old.dat"), "1", "01.01.2025", squad));

    QElapsedTimer timer;
    timer.start();
    choose(Side::New, team(QStringLiteral("big-new.dat"), "1", "01.01.2026", squad));
    auto *grid = child<StringGrid>("StringGrid_ru");
    pages()->setActivePage(int(Page::TabSheet2));
    grid->scrollToBottom();
    QVERIFY(!grid->viewport()->grab().isNull());
    QCOMPARE(grid->textModel()->rowCount(), 20001);
    QCOMPARE(child<QComboBox>("ComboBox3")->count(), 20000);
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
}

// The program's own start: the result area comes after the first frame, and
// whatever reaches it first (the first paint, a comparison, a link) finds it
// as a window built whole would show it.
void MainunitTest::resultAreaBuiltAfterTheFirstPaint()
{
    uitest::UrlRecorder urls;
    Engine engine;
    TForm1 form(engine, nullptr, TForm1::Start::ResultAreaAfterFirstPaint);
    form.pathHandlers().setScratchFolder(m_dir->filePath(QStringLiteral("late")).toStdString());
    QVERIFY(!form.findChild<QWidget *>(QStringLiteral("Panel4")));
    QCOMPARE(form.findChild<Label *>(QStringLiteral("Label22"))->text(), QStringLiteral("версия 1.0"));
    QTest::mouseClick(form.findChild<QWidget *>(QStringLiteral("Label21")), Qt::LeftButton);

    form.show();
    QVERIFY(QTest::qWaitFor([&] { return form.findChild<QWidget *>(QStringLiteral("Panel4")) != nullptr; }));
    auto *panel4 = form.findChild<QWidget *>(QStringLiteral("Panel4"));
    QVERIFY(!panel4->isVisible());
    QCOMPARE(form.findChild<Label *>(QStringLiteral("Label5"))->text(), QStringLiteral("версия 1.0"));
    QCOMPARE(form.findChild<Label *>(QStringLiteral("Label8"))->fontColour(), kPurple);
    QCOMPARE(form.findChild<Label *>(QStringLiteral("Label12"))->fontColour(), kBlue);

    // Built at once when a comparison comes before the first paint.
    Engine early;
    TForm1 quick(early, nullptr, TForm1::Start::ResultAreaAfterFirstPaint);
    quick.pathHandlers().setScratchFolder(m_dir->filePath(QStringLiteral("early")).toStdString());
    const auto answer = [&](const char *dialog, const QString &path) {
        quick.findChild<OpenDialog *>(QString::fromLatin1(dialog))
            ->setShowFunction([path](const OpenDialog &) { return std::optional<QString>(path); });
    };
    answer("openOldFileDialog", team(QStringLiteral("q-old.dat"), "4127", "01.07.2025", oldSquad()));
    quick.openOldFileButtonClick();
    answer("openNewFileDialog", team(QStringLiteral("q-new.dat"), "4127", "01.07.2026", newSquad()));
    quick.openNewFileButtonClick();
    auto *grid = quick.findChild<StringGrid *>(QStringLiteral("StringGrid_ru"));
    QVERIFY(grid);
    QCOMPARE(grid->textModel()->rowCount(), early.results.StringGrid_ru.rowCount() - 1);
    QVERIFY(!quick.findChild<QWidget *>(QStringLiteral("Panel4"))->isHidden());
    QCOMPARE(quick.findChild<QComboBox *>(QStringLiteral("ComboBox3"))->count(),
             static_cast<int>(early.chooser.ComboBox3.size()));
    QCOMPARE(quick.findChild<QWidget *>(QStringLiteral("StringGrid3"))->cursor().shape(),
             form.findChild<QWidget *>(QStringLiteral("StringGrid3"))->cursor().shape());
}

QTEST_MAIN(MainunitTest)
#include "mainunit_test.moc"
