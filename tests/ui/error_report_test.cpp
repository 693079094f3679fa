// The top-level error report: its full-stop rule, its title and icon, and
// that the handler's failure goes no further.

#include "core/error.h"
#include "ui/platform/error_report.h"
#include "ui_test_support.h"

#include <QtTest>

#include <stdexcept>

using namespace squadlens;
using squadlens::platform::BoxIcon;

class ErrorReportTest : public QObject {
    Q_OBJECT
private slots:
    void fullStop_data();
    void fullStop();
    void reportShowsTheTextUnderTheApplicationTitle_data();
    void reportShowsTheTextUnderTheApplicationTitle();
    void handlerThatSucceedsShowsNothing();
    void windowIsSyncedBeforeTheBox();
    void applicationReportsWhatAHandlerLetThrough();
};

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw Error("'abc' is not a valid date and time");
        return QObject::event(e);
    }
};

} // namespace

void ErrorReportTest::fullStop_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << QByteArray("Cannot open file /tmp/a.dat") << "Cannot open file /tmp/a.dat.";
    QTest::newRow("ends in a full stop") << QByteArray("Done.") << "Done.";
    QTest::newRow("quote") << QByteArray("'x' is not a valid integer value")
                           << "'x' is not a valid integer value.";
    QTest::newRow("closing quote") << QByteArray("'5x'") << "'5x'";  // "'" sorts before "."
    QTest::newRow("exclamation") << QByteArray("Stop!") << "Stop!";
    QTest::newRow("blank") << QByteArray("text ") << "text ";
    QTest::newRow("minus") << QByteArray("a-") << "a-";
    QTest::newRow("comma") << QByteArray("a,") << "a,";
    QTest::newRow("slash sorts after") << QByteArray("/tmp/") << "/tmp/.";
    QTest::newRow("digit") << QByteArray("code 7") << "code 7.";
    QTest::newRow("Cyrillic") << QByteArray("Неверный архив") << "Неверный архив.";
    QTest::newRow("empty") << QByteArray() << "";
}

void ErrorReportTest::fullStop()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, shown);
    QCOMPARE(platform::withFullStop(std::string_view(text.constData(), std::size_t(text.size()))), shown);
}

void ErrorReportTest::reportShowsTheTextUnderTheApplicationTitle_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::newRow("core error") << 0 << "Cannot open file /x/y.dat.";
    QTest::newRow("standard exception") << 1 << "vector::_M_range_check.";
    QTest::newRow("no text") << 2 << "";
}

void ErrorReportTest::reportShowsTheTextUnderTheApplicationTitle()
{
    QFETCH(int, kind);
    QFETCH(QString, shown);
    uitest::BoxRecorder boxes;
    bool after = false;
    const bool ok = platform::runReported([&] {
        if (kind == 0)
            throw Error("Cannot open file /x/y.dat");
        if (kind == 1)
            throw std::out_of_range("vector::_M_range_check");
        throw 42;
        after = true;
    });
    QVERIFY(!ok);
    QVERIFY(!after);
    QCOMPARE(boxes.boxes.size(), std::size_t(1));
    QCOMPARE(boxes.boxes[0].text, shown);
    QCOMPARE(boxes.boxes[0].title, QStringLiteral("Vantor Squadlens"));
    QCOMPARE(boxes.boxes[0].icon, BoxIcon::Error);
}

void ErrorReportTest::handlerThatSucceedsShowsNothing()
{
    uitest::BoxRecorder boxes;
    int synced = 0;
    QVERIFY(platform::runReported([] {}, [&] { ++synced; }));
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(synced, 0);
}

void ErrorReportTest::windowIsSyncedBeforeTheBox()
{
    uitest::BoxRecorder boxes;
    std::vector<std::string> order;
    boxes.onBox = [&] { order.push_back("box"); };
    platform::runReported([] { throw Error("bad"); }, [&] { order.push_back("sync"); });
    QCOMPARE(order, (std::vector<std::string>{"sync", "box"}));
}

void ErrorReportTest::applicationReportsWhatAHandlerLetThrough()
{
    QVERIFY(dynamic_cast<platform::ReportingApplication *>(QCoreApplication::instance()));
    uitest::BoxRecorder boxes;
    Throwing receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    QCOMPARE(boxes.boxes.size(), std::size_t(1));
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("'abc' is not a valid date and time."));
    QCOMPARE(boxes.boxes[0].title, QStringLiteral("Vantor Squadlens"));

    // The loop goes on: the next event is delivered.
    QEvent other(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &other);
    QCOMPARE(boxes.boxes.size(), std::size_t(2));
}

// The program's own application object instead of QTEST_MAIN's.
int main(int argc, char *argv[])
{
    platform::ReportingApplication app(argc, argv);
    ErrorReportTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "error_report_test.moc"
