// The page control: the change signal comes from the user only, and the tab
// highlight is kept per tab.

#include "ui/platform/page_control.h"

#include <QSignalSpy>
#include <QtTest>

using squadlens::platform::PageControl;

class PageControlTest : public QObject {
    Q_OBJECT
private slots:
    void settingThePageFromCodeRaisesNothing();
    void clickingATabRaisesTheChange();
    void highlightIsKeptPerTabAndShown();
};

namespace {

void addPages(PageControl &pages)
{
    for (const char *caption : {"A", "B", "C", "D"})
        pages.addTab(new QWidget, QString::fromLatin1(caption));
    pages.setTabPosition(QTabWidget::East);
}

} // namespace

void PageControlTest::settingThePageFromCodeRaisesNothing()
{
    PageControl pages;
    addPages(pages);
    QSignalSpy changes(&pages, &PageControl::pageChanged);
    pages.setActivePage(2);
    QCOMPARE(pages.currentIndex(), 2);
    QCOMPARE(changes.count(), 0);
}

void PageControlTest::clickingATabRaisesTheChange()
{
    PageControl pages;
    addPages(pages);
    pages.resize(300, 300);
    pages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pages));
    QSignalSpy changes(&pages, &PageControl::pageChanged);

    QTest::mouseClick(pages.tabBar(), Qt::LeftButton, {}, pages.tabBar()->tabRect(3).center());
    QCOMPARE(pages.currentIndex(), 3);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.front().front().toInt(), 3);
}

void PageControlTest::highlightIsKeptPerTabAndShown()
{
    PageControl pages;
    addPages(pages);
    pages.setTabHighlighted(1, true);
    pages.setTabHighlighted(3, true);
    pages.setTabHighlighted(3, false);
    QVERIFY(!pages.isTabHighlighted(0));
    QVERIFY(pages.isTabHighlighted(1));
    QVERIFY(!pages.isTabHighlighted(3));
    QVERIFY(!pages.isTabHighlighted(17));
    // The active page and the highlight are independent.
    pages.setActivePage(2);
    QVERIFY(pages.isTabHighlighted(1));
    QVERIFY(!pages.isTabHighlighted(2));
    // Shown by the tab's text colour.
    QCOMPARE(pages.tabBar()->tabTextColor(1), QColor(0, 0, 128));
    QVERIFY(!pages.tabBar()->tabTextColor(3).isValid());
}

QTEST_MAIN(PageControlTest)
#include "page_control_test.moc"
