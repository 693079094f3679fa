// What the window does beyond its design, as desktop programs do: team files
// dropped on the top strip, rows copied from the result tables, and the wait
// cursor over a long comparison.

#include "core/path_handlers.h"
#include "ui/Cellunit.h"
#include "ui/Mainunit.h"
#include "ui/platform/busy_cursor.h"
#include "ui/platform/label.h"
#include "ui/platform/open_dialog.h"
#include "ui/platform/page_control.h"
#include "ui/platform/string_grid.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace squadlens;
using squadlens::platform::BusyCursor;
using squadlens::platform::Label;
using squadlens::platform::OpenDialog;
using squadlens::platform::StringGrid;
using uitest::player;

namespace {

std::vector<uitest::Player> oldSquad()
{
    return {player("101", "Иван Петров", "GK", "1250000", "54.35", "5000"),
            player("102", "Лев Ночевкин", "CM", "800000", "60.00", "3000"),
            player("103", "Пётр Сидоров", "FW", "2000000", "70.50", "9000")};
}

std::vector<uitest::Player> newSquad()
{
    return {player("101", "Иван Петров", "GK", "1500000", "55.60", "4500"),
            player("103", "Пётр Сидоров", "FW", "1750000", "70.00", "10500"),
            player("104", "Глеб Моховиков", "LM", "500000", "45.10", "2000")};
}

// A squad whose file takes some 160 bytes a player.
constexpr int kBigSquad = 45000;
std::vector<uitest::Player> bigSquad()
{
    std::vector<uitest::Player> squad;
    for (int i = 0; i < kBigSquad; ++i)
        squad.push_back(player(std::to_string(100000 + i), "Игрок Номер " + std::to_string(i) + " Длинная Фамилия",
                               "CM", std::to_string(100000 + i), "50.00", "1000"));
    return squad;
}

QMimeData *urls(const QList<QUrl> &list)
{
    auto *data = new QMimeData;
    data->setUrls(list);
    return data;
}

// What a person sees of both sides and what the dialogs keep.
QStringList sidesOf(const TForm1 &form)
{
    QStringList out;
    for (const char *name : {"Label3", "LabelOF", "Label4", "LabelNF"})
        out << uitest::child<Label>(&form, name)->text();
    for (const char *name : {"openOldFilePath", "openNewFilePath"})
        out << uitest::child<QLineEdit>(&form, name)->text();
    for (const char *name : {"openOldFileDialog", "openNewFileDialog"}) {
        const auto *dialog = uitest::child<OpenDialog>(&form, name);
        out << dialog->FileName << QString::number(dialog->Tag);
    }
    return out;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void droppedFilesAreChosenAsInTheirDialogs();
    void otherDropsAreRefused_data();
    void otherDropsAreRefused();
    void copiesSelectedRowsWithTheHeaderFirst();
    void longComparisonShowsTheWaitCursorUntilPainted();
    void aMessageBoxNeverShowsTheWaitCursor();

private:
    template <typename T = QWidget> T *child(const char *name) const { return uitest::child<T>(m_form.get(), name); }
    QString team(const QString &name, const std::string &id, const std::string &date,
                 const std::vector<uitest::Player> &players)
    {
        const QString file = m_dir->filePath(name);
        uitest::writeBytes(file, uitest::teamFile(id, "ФК Заречье", date, players));
        return file;
    }
    void choose(Side side, const QString &path)
    {
        auto *dialog = child<OpenDialog>(side == Side::Old ? "openOldFileDialog" : "openNewFileDialog");
        dialog->setShowFunction([path](const OpenDialog &) { return std::optional<QString>(path); });
        QTest::mouseClick(child<QToolButton>(side == Side::Old ? "openOldFileButton" : "openNewFileButton"),
                          Qt::LeftButton);
    }
    // Drags `data` over the top strip at `at` and drops it there; whether
    // the strip took the drag and the drop.
    std::pair<bool, bool> drop(QMimeData *data, QPoint at)
    {
        std::unique_ptr<QMimeData> owned(data);
        QWidget *strip = child<QFrame>("Panel1");
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(strip, &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(strip, &dropped);
        QCoreApplication::processEvents(); // the choice runs after the drop
        return {enter.isAccepted(), dropped.isAccepted()};
    }
    // What a person sees of both sides, what the dialogs keep, and the
    // rating table's selected rows.
    QStringList state() const
    {
        return sidesOf(*m_form) << child<StringGrid>("StringGrid_ru")->selectedRowsText();
    }

    std::unique_ptr<QTemporaryDir> m_dir, m_dragged;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<uitest::BoxRecorder> m_boxes;
    std::vector<bool> m_cursor; // every change of the wait cursor
};

void DesktopTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_boxes = std::make_unique<uitest::BoxRecorder>();
    m_engine = std::make_unique<Engine>();
    m_form = std::make_unique<TForm1>(*m_engine);
    m_form->pathHandlers().setScratchFolder(m_dir->filePath(QStringLiteral("scratch")).toStdString());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_cursor.clear();
    BusyCursor::setObserver([this](bool shown) { m_cursor.push_back(shown); });
}

void DesktopTest::cleanup()
{
    BusyCursor::setObserver({});
    m_form.reset();
    m_engine.reset();
    m_boxes.reset();
    m_dir.reset();
}

void DesktopTest::droppedFilesAreChosenAsInTheirDialogs()
{
    const QString older = team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad());
    const QString zipped = m_dir->filePath(QStringLiteral("new.zip"));
    uitest::writeZip(zipped, "new.dat", uitest::teamFile("4127", "ФК Заречье", "01.07.2026", newSquad()));

    // Upper row: the start of the period, on the path label or the team name.
    QCOMPARE(drop(urls({QUrl::fromLocalFile(older)}), QPoint(300, 10)), std::make_pair(true, true));
    QCOMPARE(child<Label>("LabelOF")->text(), QStringLiteral("ФК Заречье от 01.07.2025"));
    QCOMPARE(child<Label>("LabelNF")->text(), QStringLiteral("не выбран"));
    // Lower row: the end of the period; a zip goes through the archive step.
    QCOMPARE(drop(urls({QUrl::fromLocalFile(zipped)}), QPoint(20, 35)), std::make_pair(true, true));
    QVERIFY(m_boxes->boxes.empty());
    QCOMPARE(child<OpenDialog>("openNewFileDialog")->Tag, 1);
    // The unpacked file is gone after loading.
    QVERIFY(QDir(m_dir->filePath(QStringLiteral("scratch"))).entryList(QDir::Files).isEmpty());

    // The same two files through the "..." buttons of another window.
    Engine engine;
    TForm1 picked(engine);
    picked.pathHandlers().setScratchFolder(m_dir->filePath(QStringLiteral("scratch")).toStdString());
    uitest::child<OpenDialog>(&picked, "openOldFileDialog")
        ->setShowFunction([&](const OpenDialog &) { return std::optional<QString>(older); });
    uitest::child<OpenDialog>(&picked, "openNewFileDialog")
        ->setShowFunction([&](const OpenDialog &) { return std::optional<QString>(zipped); });
    picked.openOldFileButtonClick();
    picked.openNewFileButtonClick();

    QCOMPARE(sidesOf(*m_form), sidesOf(picked));
    const TextTable &dropped = m_engine->results.StringGrid_ru, &chosen = engine.results.StringGrid_ru;
    QCOMPARE(dropped.rowCount(), chosen.rowCount());
    for (int r = 0; r < chosen.rowCount(); ++r)
        for (int c = 0; c < chosen.colCount(); ++c)
            QCOMPARE(dropped.cell(c, r), chosen.cell(c, r));
}

void DesktopTest::otherDropsAreRefused_data()
{
    QTest::addColumn<QList<QUrl>>("dragged");
    // Files of their own: every row's init() makes a new folder for the window.
    m_dragged = std::make_unique<QTemporaryDir>();
    const auto file = [this](const char *name) {
        const QString path = m_dragged->filePath(QString::fromLatin1(name));
        uitest::writeBytes(path, "1/\r\n");
        return QUrl::fromLocalFile(path);
    };
    QDir(m_dragged->path()).mkdir(QStringLiteral("folder.dat"));
    QTest::newRow("two files") << QList<QUrl>{file("a.dat"), file("b.dat")};
    QTest::newRow("other kind") << QList<QUrl>{file("notes.txt")};
    QTest::newRow("a folder") << QList<QUrl>{QUrl::fromLocalFile(m_dragged->filePath(QStringLiteral("folder.dat")))};
    QTest::newRow("not a local file") << QList<QUrl>{QUrl(QStringLiteral("https://www.f-vantor.ru/team.dat"))};
    QTest::newRow("no file at all") << QList<QUrl>{};
}

void DesktopTest::otherDropsAreRefused()
{
    QFETCH(QList<QUrl>, dragged);
    const QStringList before = state();
    auto *data = new QMimeData;
    if (dragged.isEmpty())
        data->setText(QStringLiteral("/101/1/Иван/"));
    else
        data->setUrls(dragged);
    QCOMPARE(drop(data, QPoint(300, 10)), std::make_pair(false, false));
    QCOMPARE(state(), before);
    QVERIFY(m_boxes->boxes.empty());
}

void DesktopTest::copiesSelectedRowsWithTheHeaderFirst()
{
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad()));
    choose(Side::New, team(QStringLiteral("new.dat"), "4127", "01.07.2026", newSquad()));
    child<platform::PageControl>("PageControl1")->setActivePage(static_cast<int>(Page::TabSheet2));
    auto *grid = child<StringGrid>("StringGrid_ru");
    const TextTable &table = m_engine->results.StringGrid_ru;
    const auto line = [&](int row) {
        QStringList cells;
        for (int c = 0; c < table.colCount(); ++c)
            cells << QString::fromStdString(toUtf8(table.cell(c, row)));
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QVERIFY(table.rowCount() > 4);

    // Rows 3 and 1 picked in that order come out in table order.
    grid->setFocus();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 3).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, grid->cellRect(0, 1).center());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QString two = QGuiApplication::clipboard()->text();
    QCOMPARE(two, line(0) + line(1) + line(3));
    QVERIFY(two.contains(QStringLiteral("Иван Петров")));

    // Ctrl+A: every row, the totals row last.
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QString all;
    for (int r = 0; r < table.rowCount(); ++r)
        all += line(r);
    QCOMPARE(QGuiApplication::clipboard()->text(), all);

    // Nothing selected: the clipboard keeps what it had.
    grid->clearSelection();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void DesktopTest::longComparisonShowsTheWaitCursorUntilPainted()
{
    // Small files: no wait cursor at all.
    choose(Side::Old, team(QStringLiteral("old.dat"), "4127", "01.07.2025", oldSquad()));
    choose(Side::New, team(QStringLiteral("new.dat"), "4127", "01.07.2026", newSquad()));
    QVERIFY(m_cursor.empty());
    child<platform::PageControl>("PageControl1")->setActivePage(static_cast<int>(Page::TabSheet2));

    // Two files of some 15 MB together: the wait cursor comes for the run
    // and goes when the pages are painted.
    const auto squad = bigSquad();
    choose(Side::Old, team(QStringLiteral("big_old.dat"), "4127", "01.07.2025", squad));
    QVERIFY(m_cursor.empty()); // one file only and nothing to compare: short
    bool shownWhilePainting = false;
    auto *grid = child<StringGrid>("StringGrid_ru");
    struct PaintSpy : QObject {
        bool *seen;
        explicit PaintSpy(bool *s) : seen(s) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && BusyCursor::shown())
                *seen = true;
            return false;
        }
    } spy(&shownWhilePainting);
    grid->viewport()->installEventFilter(&spy);
    choose(Side::New, team(QStringLiteral("big_new.dat"), "4127", "01.07.2026", squad));
    QCOMPARE(m_cursor, (std::vector<bool>{true, false}));
    QVERIFY(!BusyCursor::shown());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QVERIFY(shownWhilePainting);
    QCOMPARE(m_engine->results.StringGrid_ru.rowCount(), kBigSquad + 2);
}

void DesktopTest::aMessageBoxNeverShowsTheWaitCursor()
{
    // A long run with a box on the way: the arrow shows while the box does,
    // the wait cursor before and after it.
    const auto squad = bigSquad();
    choose(Side::Old, team(QStringLiteral("big_old.dat"), "4127", "01.07.2025", squad));
    std::vector<bool> atBox;
    m_boxes->onBox = [&] { atBox.push_back(BusyCursor::shown() || QGuiApplication::overrideCursor()); };
    choose(Side::New, team(QStringLiteral("big_new.dat"), "9999", "01.07.2026", squad)); // another club
    QVERIFY(!m_boxes->boxes.empty());
    QCOMPARE(atBox, std::vector<bool>(m_boxes->boxes.size(), false));
    QCOMPARE(m_cursor, (std::vector<bool>{true, false, true, false}));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QCOMPARE(m_engine->results.StringGrid_ru.rowCount(), kBigSquad + 2);
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
