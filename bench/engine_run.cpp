// One whole comparison, as the window runs it, for measuring time and peak
// memory from outside: engine_run OLD NEW
// Loads OLD, then NEW, through the path handlers (checks, pairing, summary
// tables) and fills the skills table of the first chooser entry.
#include "core/error.h"
#include "core/path_handlers.h"

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

using namespace squadlens;

namespace {

struct QuietView : HandlerView {
    void messageBox(const std::string &text, const std::string &, MessageIcon) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    void showResultArea() override {}
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: engine_run OLD NEW\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    Engine engine;
    QuietView view;
    PathHandlers handlers(engine, view);
    try {
        handlers.fileChosen(Side::Old, argv[1]);
        handlers.fileChosen(Side::New, argv[2]);
        if (!engine.chooser.ComboBox3.empty())
            ComboBox3Change(engine, 0);
    } catch (const Error &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("players %d, summary rows %d: %.3f s, peak resident memory %.1f MB\n",
                engine.ws.StringGrid1.rowCount() - 1, engine.results.StringGrid_ru.rowCount(), took.count(),
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
