// The open-file dialog object: what it hands to the showing, and the last
// file name that it keeps.

#include "ui/platform/open_dialog.h"

#include <QtTest>

using squadlens::platform::OpenDialog;

class OpenDialogTest : public QObject {
    Q_OBJECT
private slots:
    void choiceIsKeptAndCancelKeepsTheLastOne();
};

void OpenDialogTest::choiceIsKeptAndCancelKeepsTheLastOne()
{
    OpenDialog dialog;
    dialog.Filter = QStringLiteral("Файлы для Билда (*.zip,*.dat) (*.dat *.zip)");
    dialog.InitialDir = QStringLiteral("/opt/squadlens/");
    std::optional<QString> answer = QStringLiteral("/data/a.dat");
    QString seenName, seenDir, seenFilter;
    dialog.setShowFunction([&](const OpenDialog &d) {
        seenName = d.FileName;
        seenDir = d.InitialDir;
        seenFilter = d.Filter;
        return answer;
    });

    QCOMPARE(dialog.Execute(nullptr), std::optional<QString>(QStringLiteral("/data/a.dat")));
    QCOMPARE(dialog.FileName, QStringLiteral("/data/a.dat"));
    QCOMPARE(seenName, QString());
    QCOMPARE(seenDir, QStringLiteral("/opt/squadlens/"));
    QCOMPARE(seenFilter, dialog.Filter);

    // The next showing starts from the last choice; a cancel keeps it.
    answer = std::nullopt;
    QCOMPARE(dialog.Execute(nullptr), std::nullopt);
    QCOMPARE(seenName, QStringLiteral("/data/a.dat"));
    QCOMPARE(dialog.FileName, QStringLiteral("/data/a.dat"));
}

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
