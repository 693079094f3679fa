#pragma once
// Small literal team files, temporary folders and ways to run the report
// tool, shared by the report tool's tests.

#include "core/cp1251.h"
#include "tools/report/run_report.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace report_test {

namespace fs = std::filesystem;

inline const std::string kSourceDir = SQUADLENS_SOURCE_DIR;
inline const std::string kReportBinary = SQUADLENS_REPORT_BINARY;
inline const std::string kOldSample = kSourceDir + "/examples/old.dat";
inline const std::string kNewSample = kSourceDir + "/examples/new.dat";
inline const std::string kNewSampleZip = kSourceDir + "/examples/new.zip";

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of its own for one test, removed with its content.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "squadlens-report-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }
    // Writes `bytes` into a file of this folder and gives its path.
    std::string put(const std::string &name, const std::string &bytes) const
    {
        writeFile(file(name), bytes);
        return file(name);
    }

private:
    std::string m_path;
};

// One player line's figures; texts are UTF-8 and stored as Windows-1251.
struct Player {
    std::string id;
    std::string name;
    std::string position;
    std::string value = "500000";
    std::string rating = "55.00";
    std::string salary = "4000";
    std::array<std::string, 24> skills = filled("40");

    static std::array<std::string, 24> filled(const std::string &skill)
    {
        std::array<std::string, 24> s;
        s.fill(skill);
        return s;
    }
};

inline std::string playerLine(const Player &p)
{
    std::vector<std::string> f(45, "0");
    f[0] = p.id;
    f[2] = p.name;
    f[4] = p.position;
    f[18] = p.value;
    f[19] = p.rating;
    f[20] = p.salary;
    for (int n = 0; n < 24; ++n)
        f[21 + static_cast<std::size_t>(n)] = p.skills[static_cast<std::size_t>(n)];
    std::string line = "/";
    for (const auto &field : f)
        line += field + "/";
    return line;
}

// A whole team file, Windows-1251 with CR LF; `date` is dd.mm.yyyy.
inline std::string teamFile(const std::string &date, const std::string &teamId,
                            const std::string &teamName, const std::vector<Player> &players)
{
    std::string text = "1/\r\n " + date + "\r\n/" + teamId + "/" + teamName + "/Россия/\r\n";
    for (const Player &p : players)
        text += playerLine(p) + "\r\n";
    text += "/***/\r\n";
    return squadlens::toCp1251(text);
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

// The tool as a function.
inline Outcome runReport(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    Outcome run;
    run.status = squadlens::report::runReport(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

inline std::string shellQuote(const std::string &s)
{
    std::string q = "'";
    for (const char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// The built executable, with `envPrefix` (e.g. "TMPDIR=/x") before it.
inline Outcome runBinary(const std::vector<std::string> &args, const std::string &envPrefix = {})
{
    TempDir dir;
    std::string command = envPrefix + " " + shellQuote(kReportBinary);
    for (const auto &a : args)
        command += " " + shellQuote(a);
    command += " >" + shellQuote(dir.file("out")) + " 2>" + shellQuote(dir.file("err"));
    const int raw = std::system(command.c_str());
    Outcome run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(dir.file("out"));
    run.err = readFile(dir.file("err"));
    return run;
}

} // namespace report_test
