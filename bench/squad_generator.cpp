#include "bench/squad_generator.h"

#include "core/cp1251.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <unistd.h>

namespace squadlens::bench {
namespace {

const char *kFirst[] = {"Иван", "Пётр", "Алексей", "Дмитрий", "Сергей", "Никита", "Глеб", "Егор",
                        "Артём", "Михаил", "Кирилл", "Тимофей", "Савелий", "Роман", "Лев", "Яков"};
const char *kLast[] = {"Воробьёв", "Калиновский", "Журавкин", "Моховиков", "Громыхалов", "Ершов",
                       "Синицын", "Добролюбов", "Шиповников", "Вересков", "Лисицын", "Орлов",
                       "Камышев", "Береговой", "Полозов", "Тихомиров"};
const char *kPositions[] = {"GK", "LD", "CD", "RD", "LM", "CM", "RM", "FW"};

struct Player {
    int id;
    std::string name; // Windows-1251
    int position;
    int age;
    int value, salary;
    int ratingHundredths;
    std::array<int, 24> skills;
};

std::string line(const Player &p)
{
    std::string s;
    s.reserve(200);
    s += '/';
    const auto field = [&](const std::string &f) {
        s += f;
        s += '/';
    };
    field(std::to_string(p.id));
    field(std::to_string(p.id % 99 + 1)); // shirt number
    field(p.name);
    field("RUS");
    field(kPositions[p.position]);
    field(std::to_string(p.age));
    for (int f = 6; f <= 17; ++f)
        field(std::to_string((p.id * 7 + f * 13) % 100));
    field(std::to_string(p.value));
    char rating[16];
    std::snprintf(rating, sizeof rating, "%d.%02d", p.ratingHundredths / 100, p.ratingHundredths % 100);
    field(rating);
    field(std::to_string(p.salary));
    for (int k : p.skills)
        field(std::to_string(k));
    return s;
}

std::string file(const std::vector<Player> &players, const char *date)
{
    std::string out;
    out.reserve(players.size() * 200 + 100);
    out += "1/\r\n=";
    out += date;
    out += " 10:00:00\r\n/4127/";
    out += toCp1251("ФК Заречье");
    out += "/Россия/\r\n";
    for (const auto &p : players) {
        out += line(p);
        out += "\r\n";
    }
    out += "/***/\r\n";
    return out;
}

} // namespace

SquadPair makeSquadPair(int n, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    std::vector<Player> older;
    older.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Player p;
        p.id = 100000 + i * 3;
        p.name = toCp1251(std::string(kFirst[pick(0, 15)]) + " " + kLast[pick(0, 15)]);
        p.position = pick(0, 7);
        p.age = pick(17, 35);
        p.value = pick(150, 3500) * 1000;
        p.salary = pick(15, 250) * 100;
        p.ratingHundredths = pick(4500, 8000);
        for (auto &k : p.skills)
            k = pick(20, 99);
        older.push_back(std::move(p));
    }

    std::vector<Player> newer;
    newer.reserve(static_cast<std::size_t>(n));
    for (const auto &o : older) {
        if (pick(0, 9) == 0)
            continue; // left the club
        Player p = o;
        p.age += 1;
        p.ratingHundredths += pick(-300, 400);
        p.value = std::max(1000, p.value + pick(-200, 300) * 1000);
        p.salary = std::max(100, p.salary + pick(-20, 30) * 100);
        for (auto &k : p.skills)
            k = std::clamp(k + pick(-2, 3), 1, 99);
        newer.push_back(std::move(p));
    }
    for (int i = 0; static_cast<int>(newer.size()) < n; ++i) {
        Player p = older[static_cast<std::size_t>(pick(0, n - 1))];
        p.id = 100001 + i * 3; // ids no old player has
        p.position = pick(0, 7);
        newer.push_back(std::move(p));
    }
    std::shuffle(newer.begin(), newer.end(), rng);
    return {file(older, "01.07.2025"), file(newer, "01.07.2026")};
}

namespace {

// The files live in one folder, removed when the process ends.
struct BenchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("squadlens-bench-" + std::to_string(::getpid()));
    BenchFolder() { std::filesystem::create_directories(path); }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

} // namespace

const SquadPaths &squadFiles(int players)
{
    static BenchFolder folder;
    static std::map<int, SquadPaths> cache;
    auto it = cache.find(players);
    if (it != cache.end())
        return it->second;
    namespace fs = std::filesystem;
    const fs::path &dir = folder.path;
    const SquadPair pair = makeSquadPair(players);
    SquadPaths paths{(dir / ("old-" + std::to_string(players) + ".dat")).string(),
                     (dir / ("new-" + std::to_string(players) + ".dat")).string(),
                     pair.oldFile.size() + pair.newFile.size()};
    std::ofstream(paths.oldPath, std::ios::binary) << pair.oldFile;
    std::ofstream(paths.newPath, std::ios::binary) << pair.newFile;
    return cache.emplace(players, std::move(paths)).first->second;
}

} // namespace squadlens::bench
