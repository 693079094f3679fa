#include "tools/report/run_report.h"

#include "core/error.h"
#include "core/path_handlers.h"
#include "tools/report/writers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace squadlens::report {
namespace {

constexpr const char *kUsage =
    "Usage: squadlens-report [--format text|tsv|csv|html] [--table rating|value|salary|pairing]\n"
    "                        [-o FILE] OLD NEW\n"
    "Compares two team files (.dat, or .zip holding one) of one squad: OLD at the start\n"
    "of the period, NEW at its end.\n"
    "  --format FORMAT  text (default), tsv, csv or html\n"
    "  --table NAME     the table written as csv: rating (default), value, salary or pairing\n"
    "  -o FILE          write the report to FILE instead of standard output\n"
    "Exit status: 0 done, 1 a file rejected or the comparison failed, 2 wrong usage.\n";

// The window as the path handlers see it: message boxes become lines on
// stderr, and the start of the comparison run is noted.
class ReportView final : public HandlerView {
public:
    explicit ReportView(std::ostream &err) : m_err(err) {}

    void showResultArea() override { ran = true; }
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
    void messageBox(const std::string &text, const std::string &, MessageIcon icon) override
    {
        m_err << text << '\n';
        if (icon == MessageIcon::Error)
            rejected = true;
    }

    bool ran = false;      // FillButtonClick started
    bool rejected = false; // a message box with the error icon was shown

private:
    std::ostream &m_err;
};

// A private folder for unpacked archives, gone with everything in it when the
// tool ends, so that runs side by side never share or leave files.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
        pattern += "/squadlens-report-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    // Empty when it could not be made: the handlers' default folder is used.
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

enum class Format { Text, Tsv, Csv, Html };

struct Options {
    Format format = Format::Text;
    std::optional<CsvTable> table;
    std::optional<std::string> output;
    std::vector<std::string> files;
    bool help = false;
};

struct UsageError {
    std::string reason;
};

Format formatNamed(const std::string &name)
{
    if (name == "text")
        return Format::Text;
    if (name == "tsv")
        return Format::Tsv;
    if (name == "csv")
        return Format::Csv;
    if (name == "html")
        return Format::Html;
    throw UsageError{"unknown format '" + name + "'"};
}

CsvTable tableNamed(const std::string &name)
{
    if (name == "rating")
        return CsvTable::Rating;
    if (name == "value")
        return CsvTable::Value;
    if (name == "salary")
        return CsvTable::Salary;
    if (name == "pairing")
        return CsvTable::Pairing;
    throw UsageError{"unknown table '" + name + "'"};
}

Options parseArgs(const std::vector<std::string> &args)
{
    Options options;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        // "--name value" or "--name=value"; a later option wins.
        const auto valueOf = [&](const std::string &name) -> std::optional<std::string> {
            if (arg == name) {
                if (i + 1 >= args.size())
                    throw UsageError{"option " + name + " needs a value"};
                return args[++i];
            }
            if (arg.size() > name.size() + 1 && arg.compare(0, name.size() + 1, name + "=") == 0)
                return arg.substr(name.size() + 1);
            return std::nullopt;
        };

        if (operandsOnly || arg == "-" || arg.empty() || arg[0] != '-') {
            options.files.push_back(arg);
        } else if (arg == "--") {
            operandsOnly = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (auto format = valueOf("--format")) {
            options.format = formatNamed(*format);
        } else if (auto table = valueOf("--table")) {
            options.table = tableNamed(*table);
        } else if (auto output = valueOf("-o")) {
            options.output = *output;
        } else if (auto longOutput = valueOf("--output")) {
            options.output = *longOutput;
        } else {
            throw UsageError{"unknown option '" + arg + "'"};
        }
    }
    if (options.help)
        return options;
    if (options.files.size() != 2)
        throw UsageError{"two team files are needed, OLD and NEW"};
    if (options.files[0].empty() || options.files[1].empty())
        throw UsageError{"a team file name is empty"};
    if (options.output && options.output->empty())
        throw UsageError{"the output file name is empty"};
    if (options.table && options.format != Format::Csv)
        throw UsageError{"--table goes with --format csv only"};
    return options;
}

void writeReport(const ReportData &data, const Options &options, std::ostream &out)
{
    switch (options.format) {
    case Format::Text: writeText(data, out); break;
    case Format::Tsv: writeTsv(data, out); break;
    case Format::Csv: writeCsv(data, options.table.value_or(CsvTable::Rating), out); break;
    case Format::Html: writeHtml(data, out); break;
    }
}

} // namespace

std::string topLevelErrorText(std::string_view text)
{
    std::string shown(text);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.')
        shown += '.';
    return shown;
}

std::optional<ReportData> compareFiles(const std::string &oldPath, const std::string &newPath,
                                       const std::string &scratchFolder, std::ostream &err)
{
    Engine engine;
    ReportView view(err);
    PathHandlers handlers(engine, view);
    if (!scratchFolder.empty())
        handlers.setScratchFolder(scratchFolder);
    try {
        handlers.fileChosen(Side::Old, oldPath);
        if (view.rejected)
            return std::nullopt;
        handlers.fileChosen(Side::New, newPath);
        if (view.rejected)
            return std::nullopt;
        if (!view.ran) {
            err << "squadlens-report: the comparison did not run\n";
            return std::nullopt;
        }
        return collectReport(engine, handlers.teamLabel(Side::Old).caption,
                             handlers.teamLabel(Side::New).caption);
    } catch (const std::exception &e) {
        // squadlens::Error carries the user's text; anything else (out of
        // memory, say) is reported the same way, as the window would.
        err << topLevelErrorText(e.what()) << '\n';
        return std::nullopt;
    }
}

int runReport(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    Options options;
    try {
        options = parseArgs(args);
    } catch (const UsageError &e) {
        err << "squadlens-report: " << e.reason << '\n' << kUsage;
        return kExitUsage;
    }
    if (options.help) {
        out << kUsage;
        return kExitOk;
    }

    const std::string &oldPath = options.files[0];
    const std::string &newPath = options.files[1];
    std::optional<ScratchFolder> scratch;
    if (isArchiveName(oldPath) || isArchiveName(newPath))
        scratch.emplace();

    const auto data = compareFiles(oldPath, newPath, scratch ? scratch->path() : std::string(), err);
    if (!data)
        return kExitFailed;

    // Written whole once it is complete: a failed run never leaves half a file.
    std::ostringstream report;
    writeReport(*data, options, report);
    if (!options.output) {
        out << report.str();
        return kExitOk;
    }
    std::ofstream file(*options.output, std::ios::binary | std::ios::trunc);
    if (!file) {
        err << topLevelErrorText("Cannot create file " + *options.output) << '\n';
        return kExitFailed;
    }
    file << report.str();
    file.close();
    if (!file) {
        err << topLevelErrorText("Write error on file " + *options.output) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace squadlens::report
