// Grabs every page of the window after comparing the sample squads, into
// <build>/screenshots/*.png, for a person to look at. The checks here only
// make sure each picture was taken whole.

#include "ui/Cellunit.h"
#include "ui/Mainunit.h"
#include "ui/platform/open_dialog.h"
#include "ui/platform/page_control.h"
#include "ui/platform/string_grid.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace squadlens;

class ScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyPage();

private:
    void save(QWidget *widget, const QString &name);
    QTemporaryDir m_tmp;
    QString m_dir;
};

void ScreenshotsTest::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_dir = QStringLiteral(SQUADLENS_BINARY_DIR "/screenshots");
    QVERIFY(QDir().mkpath(m_dir));
}

void ScreenshotsTest::save(QWidget *widget, const QString &name)
{
    const QPixmap picture = widget->grab();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), widget->size());
    QVERIFY(picture.save(m_dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

void ScreenshotsTest::everyPage()
{
    uitest::BoxRecorder boxes;
    QString oldPath = QStringLiteral(SQUADLENS_SOURCE_DIR "/examples/old.dat");
    QString newPath = QStringLiteral(SQUADLENS_SOURCE_DIR "/examples/new.zip");
    if (!QFile::exists(oldPath) || !QFile::exists(newPath)) {
        // Without the samples, a squad of our own.
        oldPath = m_tmp.filePath(QStringLiteral("old.dat"));
        newPath = m_tmp.filePath(QStringLiteral("new.dat"));
        uitest::writeBytes(oldPath, uitest::teamFile("7", "ФК Пример", "01.07.2025",
                                                     {uitest::player("1", "Иван Петров", "GK", "500000", "50.5", "1000"),
                                                      uitest::player("2", "Пётр Иванов", "FW", "900000", "60.1", "2000")}));
        uitest::writeBytes(newPath, uitest::teamFile("7", "ФК Пример", "01.07.2026",
                                                     {uitest::player("1", "Иван Петров", "GK", "600000", "52.5", "900"),
                                                      uitest::player("3", "Сидор Сидоров", "CM", "100000", "40.0", "500")}));
    }

    Engine engine;
    TForm1 form(engine);
    TCellForm cellForm(engine.ws);
    form.setCellForm(&cellForm);
    form.pathHandlers().setScratchFolder(m_tmp.filePath(QStringLiteral("scratch")).toStdString());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    save(&form, QStringLiteral("0-start"));

    auto *oldDialog = form.findChild<platform::OpenDialog *>(QStringLiteral("openOldFileDialog"));
    auto *newDialog = form.findChild<platform::OpenDialog *>(QStringLiteral("openNewFileDialog"));
    oldDialog->setShowFunction([&](const platform::OpenDialog &) { return std::optional<QString>(oldPath); });
    newDialog->setShowFunction([&](const platform::OpenDialog &) { return std::optional<QString>(newPath); });
    form.openOldFileButtonClick();
    save(&form, QStringLiteral("1-old-chosen"));
    form.openNewFileButtonClick();
    QVERIFY(boxes.boxes.empty());

    auto *chooser = form.findChild<QComboBox *>(QStringLiteral("ComboBox3"));
    QVERIFY(chooser->count() > 1);
    save(&form, QStringLiteral("2-skills-no-player"));
    form.ComboBox3Change(1);
    auto *pages = form.findChild<platform::PageControl *>(QStringLiteral("PageControl1"));
    const struct {
        Page page;
        const char *name;
    } shots[] = {
        {Page::TabSheet1, "3-skills"}, {Page::TabSheet2, "4-rating"}, {Page::TabSheet3, "5-value"},
        {Page::TabSheet6, "6-salary"}, {Page::TabSheet4, "7-about"},
    };
    for (const auto &s : shots) {
        pages->setCurrentIndex(static_cast<int>(s.page));
        save(&form, QString::fromLatin1(s.name));
    }

    // A selected row on the salary page and the end of the rating table.
    pages->setCurrentIndex(static_cast<int>(Page::TabSheet6));
    auto *salary = form.findChild<platform::StringGrid *>(QStringLiteral("StringGrid_pay"));
    salary->selectRow(2);
    save(&form, QStringLiteral("8-salary-selected"));
    pages->setCurrentIndex(static_cast<int>(Page::TabSheet2));
    auto *rating = form.findChild<platform::StringGrid *>(QStringLiteral("StringGrid_ru"));
    rating->scrollToBottom();
    save(&form, QStringLiteral("9-rating-bottom"));

    form.SpeedButton1Click();
    QVERIFY(QTest::qWaitForWindowExposed(&cellForm));
    save(&cellForm, QStringLiteral("10-source-form"));
}

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
