#pragma once
// Small team files written in the tests themselves.

#include "core/cp1251.h"
#include "core/engine.h"
#include "core/team_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

namespace squadlens::test {

struct Player {
    std::string id;
    std::string name; // UTF-8, stored as Windows-1251
    std::string position;
    std::string value = "1000";
    std::string rating = "50.00";
    std::string salary = "100";
    std::array<int, 24> skills{};
};

// "/" f0 "/" ... "/" f44 "/", the unused fields filled with short texts.
inline std::string playerLine(const Player &p)
{
    std::string line = "/";
    for (int f = 0; f < kPlayerColumns; ++f) {
        std::string field;
        switch (f) {
        case 0: field = p.id; break;
        case 2: field = toCp1251(p.name); break;
        case 4: field = p.position; break;
        case 18: field = p.value; break;
        case 19: field = p.rating; break;
        case 20: field = p.salary; break;
        default:
            field = f >= kFirstSkillColumn ? std::to_string(p.skills[f - kFirstSkillColumn])
                                           : "x" + std::to_string(f);
        }
        line += field + "/";
    }
    return line;
}

template <typename Players = std::initializer_list<Player>>
inline Lines teamLines(const std::string &teamId, const std::string &date, const Players &players,
                       const std::string &teamName = "Клуб")
{
    Lines lines;
    lines.push_back("1/");
    lines.push_back(" " + date + " 12:00");
    lines.push_back("/" + teamId + "/" + toCp1251(teamName) + "/rest");
    for (const auto &p : players)
        lines.push_back(playerLine(p));
    lines.push_back("/***/");
    return lines;
}

inline std::string fileBytes(const Lines &lines)
{
    std::string out;
    for (std::string_view l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

// A run that needs nothing of a window.
struct NullRunView : RunView {
    void showResultArea() override {}
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
};

// A folder of the running test's own, removed when the test ends.
class TestFolder {
public:
    explicit TestFolder(const std::string &prefix)
        : path(std::filesystem::temp_directory_path() /
               (prefix + "-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "scratch");
    }
    ~TestFolder() { std::filesystem::remove_all(path); }

    std::string write(const std::string &name, const std::string &bytes) const
    {
        const auto file = (path / name).string();
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    const std::filesystem::path path;
};

} // namespace squadlens::test
