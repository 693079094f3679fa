#include "core/team_file.h"

#include "core/cp1251.h"
#include "core/error.h"
#include "core/text_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace squadlens {

Lines splitLines(std::string_view bytes)
{
    const auto nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);

    Lines lines;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.emplace_back(bytes.substr(start));
    return lines;
}

Lines readTeamFile(const std::string &path)
{
    const auto cannotOpen = [&] { return Error("Cannot open file " + path); };

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw cannotOpen();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw cannotOpen();
    }

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            throw Error("Read error on file " + path);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return splitLines(bytes);
}

const std::array<std::string, 25> &SkillNames()
{
    static const std::array<std::string, 25> names = [] {
        const char *utf8[24] = {
            "Навесы", "Игра головой", "Удар", "Дальний удар", "Дриблинг", "Опека",
            "Пас", "Пенальти", "Штрафной удар", "Угловой удар", "Отбор", "Техника",
            "Выбор позиции", "Работоспособность", "Скорость", "Мощь", "Выносливость",
            "Видение поля", "Контроль мяча", "Лидерство", "Выбор позиции (вр)",
            "Реакция (вр)", "Игра на выходах (вр)", "Игра руками (вр)",
        };
        std::array<std::string, 25> out;
        for (int i = 0; i < 24; ++i)
            out[i] = toCp1251(utf8[i]);
        return out;
    }();
    return names;
}

void cutPlayerLine(std::string_view line, TextTable &table, int row)
{
    int col = 0;
    std::size_t start = 0; // 0-based index of the field's first character
    for (std::size_t i = 0; i < line.size() && col < kPlayerColumns; ++i) {
        if (line[i] != '/')
            continue;
        table.setCell(col, row, line.substr(start, i - start));
        start = i + 1;
        if (i != 0)
            ++col;
    }
}

void convertDecimalPoints(Lines &lines)
{
    for (std::size_t l = 3; l < lines.size(); ++l)
        std::replace(lines[l].begin(), lines[l].end(), '.', ',');
}

} // namespace squadlens
