#include "core/load_checks.h"

#include "core/error.h"

namespace squadlens {

bool isTeamFile(const Lines &lines)
{
    return lines.size() >= 3 && lines.front() == "1/" && lines.back() == "/***/";
}

TeamIdentity teamOfLine(std::string_view line)
{
    std::size_t p2 = std::string_view::npos, p3 = std::string_view::npos;
    int slashes = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '/')
            continue;
        ++slashes;
        if (slashes == 2) {
            p2 = i;
        } else if (slashes == 3) {
            p3 = i;
            break;
        }
    }
    TeamIdentity team;
    if (p2 == std::string_view::npos)
        return team;
    team.id = std::string(line.substr(1, p2 - 1));
    if (p3 != std::string_view::npos)
        team.name = std::string(line.substr(p2 + 1, p3 - p2 - 1));
    return team;
}

std::string_view dateTextOfLine(std::string_view line)
{
    if (line.size() <= 1)
        return {};
    return line.substr(1, 10);
}

std::string_view dateText(const Lines &lines)
{
    if (lines.size() < 2)
        throw Error("List index out of bounds (1)");
    return dateTextOfLine(lines[1]);
}

int dateKey(std::string_view text)
{
    const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    const auto num = [&](std::size_t from, std::size_t count) {
        int v = 0;
        for (std::size_t i = from; i < from + count; ++i)
            v = v * 10 + (text[i] - '0');
        return v;
    };
    if (text.size() != 10 || text[2] != '.' || text[5] != '.')
        throwNotDate(text);
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!digit(i))
            throwNotDate(text);

    const int day = num(0, 2), month = num(3, 2), year = num(6, 4);
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 1 || month < 1 || month > 12 || day < 1)
        throwNotDate(text);
    const int monthDays = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    if (day > monthDays)
        throwNotDate(text);
    return year * 10000 + month * 100 + day;
}

PairDecision decidePair(std::string_view oldTeamId, std::string_view newTeamId,
                        const Lines &oldLines, const Lines &newLines)
{
    if (oldTeamId != newTeamId)
        return PairDecision::CompareDifferentTeams;
    const int newKey = dateKey(dateText(newLines));
    const int oldKey = dateKey(dateText(oldLines));
    return newKey - oldKey >= 0 ? PairDecision::Compare : PairDecision::WrongOrder;
}

} // namespace squadlens
