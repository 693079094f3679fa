// The source-data window: a view of the workspace that follows each
// comparison.

#include "ui/Cellunit.h"
#include "ui/Mainunit.h"
#include "ui/platform/open_dialog.h"
#include "ui/platform/string_grid.h"
#include "ui_test_support.h"

#include <QListView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace squadlens;
using squadlens::platform::OpenDialog;
using squadlens::platform::StringGrid;
using uitest::player;

class CellunitTest : public QObject {
    Q_OBJECT
private slots:
    void layoutOfTheDesign();
    void showsTheWorkspaceOfTheLastComparison();
};

void CellunitTest::layoutOfTheDesign()
{
    Engine engine;
    TCellForm form(engine.ws);
    QCOMPARE(form.windowTitle(), QStringLiteral("Source Form"));
    const struct {
        const char *name;
        QRect geometry;
    } controls[] = {
        {"StringGrid1", QRect(5, 8, 412, 113)}, {"StringGrid2", QRect(424, 8, 425, 113)},
        {"ListBoxO", QRect(0, 128, 849, 105)},  {"ListBoxN", QRect(0, 240, 854, 113)},
        {"SubGrid", QRect(0, 360, 849, 393)},
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const auto &c : controls)
        QCOMPARE(form.findChild<QWidget *>(QString::fromLatin1(c.name))->geometry(), c.geometry);

    auto *players = form.findChild<StringGrid *>(QStringLiteral("StringGrid1"));
    QCOMPARE(players->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    QCOMPARE(players->columnWidth(2), 155 + 1);
    QCOMPARE(players->rowHeight(0), 14 + 1);

    // The pairing table grows with the window's height.
    auto *pairing = form.findChild<StringGrid *>(QStringLiteral("SubGrid"));
    form.resize(form.width(), form.height() + 100);
    QCOMPARE(pairing->height(), 493);
}

void CellunitTest::showsTheWorkspaceOfTheLastComparison()
{
    QTemporaryDir dir;
    uitest::BoxRecorder boxes;
    Engine engine;
    TForm1 main(engine);
    TCellForm form(engine.ws);
    main.setCellForm(&form);

    const QString oldFile = dir.filePath(QStringLiteral("old.dat"));
    const QString newFile = dir.filePath(QStringLiteral("new.dat"));
    uitest::writeBytes(oldFile, uitest::teamFile("5", "ФК Альфа", "01.01.2025",
                                                 {player("1", "Олег Ясный", "GK", "100", "50.25", "10"),
                                                  player("2", "Борис Тихий", "CD", "200", "60.5", "20")}));
    uitest::writeBytes(newFile, uitest::teamFile("5", "ФК Альфа", "01.01.2026",
                                                 {player("2", "Борис Тихий", "CD", "210", "61.5", "20")}));
    main.findChild<OpenDialog *>(QStringLiteral("openOldFileDialog"))
        ->setShowFunction([&](const OpenDialog &) { return std::optional<QString>(oldFile); });
    main.findChild<OpenDialog *>(QStringLiteral("openNewFileDialog"))
        ->setShowFunction([&](const OpenDialog &) { return std::optional<QString>(newFile); });
    main.openOldFileButtonClick();
    main.openNewFileButtonClick();
    QVERIFY(boxes.boxes.empty());

    auto *oldLines = form.findChild<QListView *>(QStringLiteral("ListBoxO"))->model();
    QCOMPARE(oldLines->rowCount(), 6);
    QCOMPARE(oldLines->index(2, 0).data().toString(), QStringLiteral("/5/ФК Альфа/Россия/"));
    // The comparison turned the player lines' "." into ",".
    QVERIFY(oldLines->index(3, 0).data().toString().contains(QStringLiteral("/50,25/")));
    QCOMPARE(oldLines->index(5, 0).data().toString(), QStringLiteral("/***/"));

    const platform::TextTableModel *oldPlayers =
        form.findChild<StringGrid *>(QStringLiteral("StringGrid1"))->textModel();
    QCOMPARE(oldPlayers->rowCount(), 2);
    QCOMPARE(oldPlayers->columnCount(), 45);
    QCOMPARE(oldPlayers->headerData(44, Qt::Horizontal).toString(), QStringLiteral("45"));
    QCOMPARE(oldPlayers->index(0, 2).data().toString(), QStringLiteral("Олег Ясный"));

    const platform::TextTableModel *pairing = form.findChild<StringGrid *>(QStringLiteral("SubGrid"))->textModel();
    QCOMPARE(pairing->rowCount(), 2);
    QCOMPARE(pairing->index(0, 4).data().toString(), QStringLiteral("покинул клуб"));
    QCOMPARE(pairing->index(0, 9).data().toString(), QStringLiteral("0"));
    QCOMPARE(pairing->index(1, 6).data().toString(), QStringLiteral("210"));
    QCOMPARE(pairing->index(1, 9).data().toString(), QStringLiteral("1"));
}

QTEST_MAIN(CellunitTest)
#include "cellunit_test.moc"
