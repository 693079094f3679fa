// The window's speed, offscreen:
//  - start to first painted frame, against a minimal Qt window (a QMainWindow
//    with one label), each a fresh process, alternating, medians;
//  - choosing the end file of the sample squads to the painted result page;
//  - scrolling the rating table of a 100 000-player comparison page by page.
// window_bench [--first-paint=minimal|form] (the child mode of the first).

#include "bench/squad_generator.h"
#include "core/engine.h"
#include "ui/Cellunit.h"
#include "ui/Mainunit.h"
#include "ui/platform/open_dialog.h"
#include "ui/platform/system.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace squadlens;

namespace {

// Ends the process as soon as the watched window has painted its first
// frame, the window and all its widgets: the window system's first expose
// paints them all. What the program does after that frame is not counted.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || !static_cast<QWindow *>(watched)->isExposed())
            return QObject::eventFilter(watched, event);
        watched->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

int firstPaint(int argc, char **argv, bool form)
{
    QApplication app(argc, argv);
    FirstPaint filter;
    if (form) {
        // As the program starts: the main window, and the hidden source-data
        // window once it has painted.
        static Engine engine;
        auto *window = new TForm1(engine, nullptr, TForm1::Start::ResultAreaAfterFirstPaint);
        platform::afterFirstPaint(window, [window] { window->setCellForm(new TCellForm(engine.ws)); });
        window->show();
        window->windowHandle()->installEventFilter(&filter);
    } else {
        auto *window = new QMainWindow;
        window->setCentralWidget(new QLabel(QStringLiteral("Vantor Squadlens")));
        window->show();
        window->windowHandle()->installEventFilter(&filter);
    }
    return QApplication::exec();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double spawnMs(const char *self, const char *mode)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(self, self, mode, static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void startupFigures(const char *self)
{
    std::vector<double> minimal, form;
    spawnMs(self, "--first-paint=minimal"); // warm the caches once
    spawnMs(self, "--first-paint=form");
    for (int i = 0; i < 9; ++i) {
        minimal.push_back(spawnMs(self, "--first-paint=minimal"));
        form.push_back(spawnMs(self, "--first-paint=form"));
    }
    const double m = median(minimal), f = median(form);
    std::printf("start to first paint: minimal window %.1f ms, Squadlens %.1f ms, ratio %.2f\n", m, f, f / m);
}

void choose(QWidget &form, const char *side, const std::string &path)
{
    auto *dialog = form.findChild<platform::OpenDialog *>(QString::fromLatin1(side) + "FileDialog");
    dialog->setShowFunction([path](const platform::OpenDialog &) { return QString::fromStdString(path); });
    form.findChild<QToolButton *>(QString::fromLatin1(side) + "FileButton")->click();
}

void endFileFigures()
{
    Engine engine;
    TForm1 form(engine);
    form.show();
    QApplication::processEvents();
    const std::string examples = SQUADLENS_SOURCE_DIR "/examples/";
    choose(form, "openOld", examples + "old.dat");
    form.repaint();
    std::vector<double> times;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        choose(form, "openNew", examples + (i % 2 ? "new.dat" : "new.zip"));
        form.repaint();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("end file chosen to painted result page: median %.2f ms, max %.2f ms\n", median(times),
                *std::max_element(times.begin(), times.end()));
}

void scrollFigures()
{
    const auto &files = bench::squadFiles(100000);
    Engine engine;
    TForm1 form(engine);
    form.show();
    choose(form, "openOld", files.oldPath);
    choose(form, "openNew", files.newPath);
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    auto *grid = form.findChild<QTableView *>(QStringLiteral("StringGrid_ru"));
    pages->setCurrentWidget(grid->parentWidget());
    form.repaint();
    QScrollBar *bar = grid->verticalScrollBar();
    std::vector<double> times;
    for (int step = 0; step < 200; ++step) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue(bar->value() + (step < 100 ? bar->pageStep() : bar->maximum() / 120));
        const QPixmap painted = grid->viewport()->grab();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("100 000-row rating table (%d rows, visible %d): scroll step and paint median %.2f ms, max %.2f ms\n",
                grid->model()->rowCount(), grid->isVisible() ? 1 : 0, median(times), *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strncmp(argv[1], "--first-paint=", 14) == 0)
        return firstPaint(argc, argv, std::strcmp(argv[1] + 14, "form") == 0);

    startupFigures(argv[0]);
    QApplication app(argc, argv);
    platform::setMessageBoxFunction([](const QString &, const QString &, platform::BoxIcon) {});
    endFileFigures();
    scrollFigures();
    return 0;
}
