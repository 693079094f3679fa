// scratch_check ZIP: the archive step of an installed program, run by
// scripts/check_install.sh. Copied into the bin/ folder of an installed
// prefix that was made read-only, it chooses ZIP as the new team file through
// the path handlers, as the window's "..." button does, and exits 0 only when
// the archive was unpacked into a folder outside the prefix, the team file in
// it was loaded, no message box came up and nothing was written beside the
// program. It prints the scratch folder it used.
//
// Never installed: it only stands in for the window program, which cannot be
// driven without a display.
#include "core/archiver.h"
#include "core/error.h"
#include "core/path_handlers.h"
#include "core/texts.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

using namespace squadlens;
namespace fs = std::filesystem;

namespace {

struct QuietView : HandlerView {
    std::vector<std::string> boxes;
    void messageBox(const std::string &text, const std::string &, MessageIcon) override { boxes.push_back(text); }
    void showResultArea() override {}
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
};

std::set<std::string> entriesOf(const fs::path &folder)
{
    std::set<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.insert(it->path().filename().string());
    return names;
}

bool inside(const fs::path &path, const fs::path &folder)
{
    const auto rel = fs::weakly_canonical(path).lexically_relative(fs::weakly_canonical(folder));
    return !rel.empty() && *rel.begin() != "..";
}

int fail(const std::string &why)
{
    std::fprintf(stderr, "scratch_check: %s\n", why.c_str());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: scratch_check ZIP\n");
        return 2;
    }
    const std::string zipPath = argv[1];
    try {
        const fs::path exeFolder = executableFolder();
        const fs::path prefix = exeFolder.parent_path();
        const auto before = entriesOf(exeFolder);

        Engine engine;
        QuietView view;
        PathHandlers handlers(engine, view);
        handlers.fileChosen(Side::New, zipPath);

        const std::string &scratch = handlers.scratchFolder();
        std::printf("%s\n", scratch.c_str());
        if (!view.boxes.empty())
            return fail("message box: " + view.boxes.front());
        if (entriesOf(exeFolder) != before)
            return fail("something was written beside the program in " + exeFolder.string());
        if (inside(scratch, prefix))
            return fail("the scratch folder " + scratch + " lies in the prefix " + prefix.string());
        const std::string expected = scratch + "/" + fs::path(zipPath).stem().string() + ".dat";
        if (handlers.path(Side::New) != expected)
            return fail("new file path is '" + handlers.path(Side::New) + "', not " + expected);
        if (handlers.pathLabel(Side::New) != LabelState{shortenPath(zipPath), clGreen})
            return fail("new file label is '" + handlers.pathLabel(Side::New).caption + "'");
        if (handlers.teamLabel(Side::New).caption == texts::kNotChosen ||
            handlers.teamLabel(Side::New).colour != clGreen)
            return fail("no team was loaded from the archive");
        if (fs::exists(expected))
            return fail("the unpacked file " + expected + " was left behind");
    } catch (const Error &e) {
        return fail(std::string("error: ") + e.what());
    } catch (const std::exception &e) {
        return fail(std::string("exception: ") + e.what());
    }
    return 0;
}
