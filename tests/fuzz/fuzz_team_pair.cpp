// Two team files from one input (split at "@@@@", or in the middle): the
// handlers' whole sequence, every skills table, every painting rule on every
// cell, and the tsv and html writers. Errors must stay errors.

#include "core/paint_rules.h"
#include "tools/report/run_report.h"
#include "tools/report/writers.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace squadlens;

namespace {

const fs::path &workFolder()
{
    static const fs::path dir = [] {
        const fs::path shm = "/dev/shm";
        fs::path d = (fs::is_directory(shm) ? shm : fs::temp_directory_path()) /
                     ("squadlens-fuzz-pair-" + std::to_string(::getpid()));
        fs::remove_all(d);
        fs::create_directories(d / "scratch");
        return d;
    }();
    return dir;
}

void writeFile(const fs::path &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void paintAll(const TextTable &table, SummaryTable kind)
{
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.colCount(); ++c)
            (void)summaryDrawCell(kind, c, r, table.cell(c, r));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const auto mark = input.find("@@@@");
    const std::string_view older = mark == std::string_view::npos ? input.substr(0, size / 2) : input.substr(0, mark);
    const std::string_view newer =
        mark == std::string_view::npos ? input.substr(size / 2) : input.substr(mark + 4);

    const fs::path &dir = workFolder();
    writeFile(dir / "old.dat", older);
    writeFile(dir / "new.dat", newer);

    std::ostringstream messages;
    const auto report = report::compareFiles((dir / "old.dat").string(), (dir / "new.dat").string(),
                                             (dir / "scratch").string(), messages);
    if (messages.str().empty() && !report)
        std::abort(); // a failure must always say why
    if (!report)
        return 0;

    paintAll(report->rating, SummaryTable::Rating);
    paintAll(report->value, SummaryTable::Value);
    paintAll(report->salary, SummaryTable::Salary);
    for (const auto &page : report->skills)
        for (int r = 0; r < page.table.rowCount(); ++r)
            for (int c = 0; c < page.table.colCount(); ++c)
                (void)StringGrid3DrawCell(c, r, page.table.cell(c, r), page.chooserText);

    std::ostringstream out;
    report::writeTsv(*report, out);
    report::writeHtml(*report, out);
    return 0;
}
