// The string grid: its model over a table of texts, the fixed header row,
// sizes, and how a cell is painted (default way, then the table's rule).

#include "core/cp1251.h"
#include "core/team_file.h"
#include "core/text_table.h"
#include "ui/platform/string_grid.h"
#include "ui/platform/text_models.h"
#include "ui_test_support.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace squadlens;
using squadlens::platform::StringGrid;
using uitest::countNear;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kPaleGreen(186, 240, 179);
const QColor kPaleRed(255, 176, 176);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

std::string cp(const char *utf8) { return toCp1251(utf8); }

// Dark pixels: the text of the default colour.
int darkPixels(const QImage &image, const QRect &area) { return countNear(image, area, kBlack, 110); }

} // namespace

class StringGridTest : public QObject {
    Q_OBJECT
private slots:
    void modelShowsRowsBelowTheHeaderInUtf8();
    void modelKeepsItsShapeUntilRefreshed();
    void refreshOfTheSameShapeKeepsTheSelection();
    void linesModelFollowsItsList();
    void sectionsHoldTheDesignSizesAndTheGridLine();
    void headerRowIsPaintedAsAFixedRow();
    void defaultPaintingPutsTheTextTwoPixelsIn();
    void ruleColoursBackgroundsAndTexts_data();
    void ruleColoursBackgroundsAndTexts();
    void selectedRowKeepsTheRuleColours();
    void alignedTextIsClippedInsideItsCell();
    void alignmentPlacesTheText();
    void hundredThousandRowsAreCheap();
};

void StringGridTest::modelShowsRowsBelowTheHeaderInUtf8()
{
    TextTable table(3, 3);
    table.setCell(0, 0, cp("Игрок"));
    table.setCell(1, 0, "x");
    table.setCell(0, 1, cp("Лев Ночевкин"));
    table.setCell(2, 2, "n/a");
    platform::TextTableModel model(table);

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Игрок"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString());
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Лев Ночевкин"));
    QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("n/a"));
    QCOMPARE(model.rawText(model.index(0, 0)), std::string_view(table.cell(0, 1)));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);
}

void StringGridTest::modelKeepsItsShapeUntilRefreshed()
{
    TextTable table(5, 40);
    table.setCell(0, 39, "last");
    platform::TextTableModel model(table);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    // The core shrinks the table (a reset of the result tables)...
    table.setRowCount(2);
    // ...and a view painting before the refresh still sees the old shape,
    // with the rows that are gone reading as empty.
    QCOMPARE(model.rowCount(), 39);
    QCOMPARE(model.data(model.index(38, 0)).toString(), QString());

    model.refresh();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 1);

    // A table of only its header row has no body rows.
    table.setRowCount(1);
    model.refresh();
    QCOMPARE(model.rowCount(), 0);
}

void StringGridTest::refreshOfTheSameShapeKeepsTheSelection()
{
    TextTable table(4, 25);
    StringGrid grid(table);
    grid.selectRow(3);
    QSignalSpy resets(grid.textModel(), &QAbstractItemModel::modelReset);
    QSignalSpy changes(grid.textModel(), &QAbstractItemModel::dataChanged);
    QSignalSpy headers(grid.textModel(), &QAbstractItemModel::headerDataChanged);

    table.setCell(1, 4, "73");
    grid.refresh();

    QCOMPARE(resets.count(), 0);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(headers.count(), 1);
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid.selectionModel()->selectedRows().front().row(), 3);
    QCOMPARE(grid.textModel()->data(grid.textModel()->index(3, 1)).toString(), QStringLiteral("73"));
}

void StringGridTest::linesModelFollowsItsList()
{
    Lines lines{"1/", cp("/4127/ФК Заречье/")};
    platform::LinesModel model(lines);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(1)).toString(), QStringLiteral("/4127/ФК Заречье/"));

    lines = {"/***/"};
    QCOMPARE(model.rowCount(), 2); // until refreshed
    QCOMPARE(model.data(model.index(1)).toString(), QString());
    model.refresh();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0)).toString(), QStringLiteral("/***/"));

    // The chooser's entries are a plain list of texts.
    std::vector<std::string> entries{cp("Иван Петров, GK")};
    platform::LinesModel chooser(entries);
    QCOMPARE(chooser.data(chooser.index(0)).toString(), QStringLiteral("Иван Петров, GK"));
}

void StringGridTest::sectionsHoldTheDesignSizesAndTheGridLine()
{
    TextTable table(5, 3);
    StringGrid grid(table);
    const int widths[5] = {168, 28, 79, 77, 63};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.resize(440, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    for (int c = 0; c < 5; ++c) {
        QCOMPARE(grid.columnWidth(c), widths[c] + 1);
        QCOMPARE(grid.cellRect(c, 1).width(), widths[c]);
    }
    QCOMPARE(grid.rowHeight(0), 18);
    QCOMPARE(grid.cellRect(0, 1).height(), 17);
    QCOMPARE(grid.horizontalHeader()->height(), 18);
    QVERIFY(!grid.verticalHeader()->isVisible());
    QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);

    // Widths survive a reset that changes the row count.
    table.setRowCount(10);
    grid.refresh();
    QCOMPARE(grid.columnWidth(2), 80);
}

void StringGridTest::headerRowIsPaintedAsAFixedRow()
{
    TextTable table(2, 2);
    table.setCell(0, 0, "Header");
    StringGrid grid(table);
    const int widths[2] = {100, 100};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.resize(220, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    // The fixed row stays in view: it is the header, not a body row.
    QCOMPARE(grid.textModel()->rowCount(), 1);
    const QImage header = grid.horizontalHeader()->grab().toImage();
    QCOMPARE(header.pixelColor(1, 1), QColor(240, 240, 240));
    const QRect text(0, 0, 100, 17);
    QVERIFY(darkPixels(header, text) > 0);
    // Nothing of the text left of or above the 2-pixel inset.
    QCOMPARE(darkPixels(header, QRect(0, 0, 2, 17)), 0);
    QCOMPARE(darkPixels(header, QRect(0, 0, 100, 2)), 0);
}

void StringGridTest::defaultPaintingPutsTheTextTwoPixelsIn()
{
    TextTable table(2, 3);
    table.setCell(1, 1, "HHHH");
    StringGrid grid(table);
    const int widths[2] = {60, 60};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.resize(200, 120);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.cellRect(1, 1);
    QCOMPARE(image.pixelColor(cell.topLeft()), kWhite);
    QVERIFY(darkPixels(image, cell) > 0);
    QCOMPARE(darkPixels(image, QRect(cell.left(), cell.top(), 2, cell.height())), 0);
    QCOMPARE(darkPixels(image, QRect(cell.left(), cell.top(), cell.width(), 2)), 0);
    // The first stem of "H" follows the inset within its side bearing.
    QVERIFY(darkPixels(image, QRect(cell.left() + 2, cell.top(), 3, cell.height())) > 0);
}

void StringGridTest::ruleColoursBackgroundsAndTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("redraw");
    QTest::addColumn<QColor>("textColour"); // invalid: no colour set
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("expectedBackground");
    QTest::addColumn<QColor>("expectedText");

    QTest::newRow("aligned, pale green") << "1.250" << int(Redraw::Aligned) << QColor() << kPaleGreen
                                         << kPaleGreen << kBlack;
    QTest::newRow("aligned, pale red") << "-500" << int(Redraw::Aligned) << QColor() << kPaleRed << kPaleRed
                                       << kBlack;
    QTest::newRow("aligned, green text") << "WWW" << int(Redraw::Aligned) << kGreen << QColor() << kWhite
                                         << kGreen;
    QTest::newRow("at point, red text") << "WWW" << int(Redraw::AtPoint) << kRed << QColor() << kWhite << kRed;
    QTest::newRow("at point, pale red") << "-1" << int(Redraw::AtPoint) << QColor() << kPaleRed << kPaleRed
                                        << kBlack;
    // Colours without a redraw change nothing on screen.
    QTest::newRow("no redraw") << "WWW" << int(Redraw::None) << kRed << kPaleGreen << kWhite << kBlack;
}

void StringGridTest::ruleColoursBackgroundsAndTexts()
{
    QFETCH(QString, text);
    QFETCH(int, redraw);
    QFETCH(QColor, textColour);
    QFETCH(QColor, background);
    QFETCH(QColor, expectedBackground);
    QFETCH(QColor, expectedText);

    TextTable table(2, 2);
    table.setCell(0, 1, text.toStdString());
    StringGrid grid(table);
    const int widths[2] = {80, 80};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    std::vector<std::pair<int, int>> asked;
    std::vector<std::string> texts;
    grid.setDrawCell([&](int col, int row, std::string_view t) {
        asked.emplace_back(col, row);
        CellPaint p;
        if (col != 0)
            return p;
        texts.emplace_back(t);
        if (textColour.isValid())
            p.text = Rgb{std::uint8_t(textColour.red()), std::uint8_t(textColour.green()),
                         std::uint8_t(textColour.blue())};
        if (background.isValid())
            p.background = Rgb{std::uint8_t(background.red()), std::uint8_t(background.green()),
                               std::uint8_t(background.blue())};
        p.redraw = static_cast<Redraw>(redraw);
        p.align = Align::Right;
        return p;
    });
    grid.resize(200, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.cellRect(0, 1);
    QCOMPARE(image.pixelColor(cell.topLeft()), expectedBackground);
    QCOMPARE(image.pixelColor(cell.bottomRight()), expectedBackground);
    QVERIFY2(countNear(image, cell, expectedText, 40) > 0, "text in the expected colour");
    // The rule reads the raw text of its cell, by table row: body row 1,
    // never the header.
    QVERIFY(!texts.empty());
    for (const std::string &t : texts)
        QCOMPARE(QString::fromStdString(t), text);
    QVERIFY(std::find(asked.begin(), asked.end(), std::pair(0, 1)) != asked.end());
    for (const auto &[col, row] : asked)
        QVERIFY(row >= 1);
}

void StringGridTest::selectedRowKeepsTheRuleColours()
{
    TextTable table(3, 3);
    table.setCell(0, 1, cp("новичок клуба"));
    table.setCell(1, 1, "-500");
    table.setCell(2, 1, "name");
    StringGrid grid(table);
    const int widths[3] = {110, 80, 80};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.setDrawCell([](int col, int row, std::string_view text) {
        return summaryDrawCell(SummaryTable::Salary, col == 1 ? 4 : col == 0 ? 2 : 0, row, text);
    });
    grid.resize(300, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.selectRow(0);

    const QImage image = grid.viewport()->grab().toImage();
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);
    const QColor highlightedText = grid.palette().color(QPalette::Active, QPalette::HighlightedText);
    // The marker: green on the selection background.
    const QRect marker = grid.cellRect(0, 1);
    QCOMPARE(image.pixelColor(marker.topLeft()), highlight);
    QVERIFY(countNear(image, marker, kGreen, 40) > 0);
    // The change: its pale background under the selection text colour.
    const QRect change = grid.cellRect(1, 1);
    QCOMPARE(image.pixelColor(change.topLeft()), kPaleGreen);
    QVERIFY(countNear(image, change, highlightedText, 30) > 0);
    // A plain cell of the row: selection colours only.
    QCOMPARE(image.pixelColor(grid.cellRect(2, 1).topLeft()), highlight);
}

void StringGridTest::alignedTextIsClippedInsideItsCell()
{
    TextTable table(3, 2);
    table.setCell(1, 1, std::string(60, 'W'));
    StringGrid grid(table);
    const int widths[3] = {50, 50, 50};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.setDrawCell([](int, int, std::string_view) {
        CellPaint p;
        p.redraw = Redraw::Aligned;
        p.align = Align::Right;
        return p;
    });
    grid.resize(200, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.cellRect(1, 1);
    QVERIFY(darkPixels(image, cell) > 0);
    // Nothing in the 2-pixel margins, nothing in the neighbours.
    QCOMPARE(darkPixels(image, QRect(cell.left(), cell.top(), 2, cell.height())), 0);
    QCOMPARE(darkPixels(image, QRect(cell.right() - 1, cell.top(), 2, cell.height())), 0);
    QCOMPARE(darkPixels(image, grid.cellRect(0, 1)), 0);
    QCOMPARE(darkPixels(image, grid.cellRect(2, 1)), 0);
}

void StringGridTest::alignmentPlacesTheText()
{
    TextTable table(3, 2);
    for (int c = 0; c < 3; ++c)
        table.setCell(c, 1, "II");
    StringGrid grid(table);
    const int widths[3] = {90, 90, 90};
    grid.setColumnWidths(widths);
    grid.setRowHeight(17);
    grid.setDrawCell([](int col, int, std::string_view) {
        CellPaint p;
        p.redraw = Redraw::Aligned;
        p.align = col == 0 ? Align::Left : col == 1 ? Align::Center : Align::Right;
        return p;
    });
    grid.resize(300, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const QImage image = grid.viewport()->grab().toImage();
    auto inkColumns = [&](int col) {
        const QRect cell = grid.cellRect(col, 1);
        int first = -1, last = -1;
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (darkPixels(image, QRect(x, cell.top(), 1, cell.height())) > 0) {
                if (first < 0)
                    first = x - cell.left();
                last = x - cell.left();
            }
        return std::pair(first, last);
    };
    const auto [leftFirst, leftLast] = inkColumns(0);
    const auto [centreFirst, centreLast] = inkColumns(1);
    const auto [rightFirst, rightLast] = inkColumns(2);
    Q_UNUSED(leftLast);
    Q_UNUSED(rightFirst);
    QVERIFY(leftFirst >= 2 && leftFirst <= 4);
    QVERIFY(rightLast <= 90 - 3 && rightLast >= 90 - 6);
    QVERIFY(std::abs((centreFirst + centreLast) / 2 - 45) <= 3);
}

void StringGridTest::hundredThousandRowsAreCheap()
{
    TextTable table(5, 100001);
    for (int r = 1; r <= 100000; ++r)
        table.setCell(0, r, std::to_string(r));
    StringGrid grid(table);
    grid.setRowHeight(17);
    grid.resize(440, 462);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QElapsedTimer timer;
    timer.start();
    grid.refresh();
    grid.scrollToBottom();
    const QImage image = grid.viewport()->grab().toImage();
    QVERIFY(!image.isNull());
    QCOMPARE(grid.textModel()->rowCount(), 100000);
    QCOMPARE(grid.textModel()->data(grid.textModel()->index(99999, 0)).toString(), QStringLiteral("100000"));
    // Only the rows in view are painted: far below a second.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(StringGridTest)
#include "stringgrid_test.moc"
