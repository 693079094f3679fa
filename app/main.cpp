// Vantor Squadlens: the window program.

#include "core/engine.h"
#include "core/team_file.h"
#include "core/texts.h"
#include "ui/Cellunit.h"
#include "ui/Mainunit.h"
#include "ui/platform/error_report.h"
#include "ui/platform/system.h"

#include <QIcon>

#include <cstdio>
#include <memory>
#include <exception>

int main(int argc, char *argv[])
{
    // The program-wide tables come first, before the application object.
    squadlens::SkillNames();

    try {
        squadlens::platform::ReportingApplication app(argc, argv);
        QApplication::setApplicationName(QString::fromUtf8(squadlens::texts::kApplicationTitle));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
        // The installed launcher's name, so that a Wayland desktop finds its icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("ru.f_vantor.Squadlens"));

        squadlens::platform::runReported([] {
            squadlens::Engine engine;
            TForm1 Form1(engine, nullptr, TForm1::Start::ResultAreaAfterFirstPaint);
            // The source-data window stays hidden until asked for; it is
            // built once the main window has painted, so the start is quick.
            std::unique_ptr<TCellForm> CellForm;
            squadlens::platform::afterFirstPaint(&Form1, [&] {
                CellForm = std::make_unique<TCellForm>(engine.ws);
                // Closing the main window ends the program, the source-data
                // window with it.
                CellForm->setAttribute(Qt::WA_QuitOnClose, false);
                Form1.setCellForm(CellForm.get());
            });
            Form1.show();
            QApplication::exec();
            Form1.setCellForm(nullptr);
        });
    } catch (const std::exception &e) {
        // No application object to show a box with.
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 0;
}
