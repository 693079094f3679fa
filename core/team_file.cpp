#include "core/team_file.h"

#include "core/cp1251.h"
#include "core/error.h"
#include "core/huge_pages.h"
#include "core/text_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace squadlens {

Lines splitLines(std::string_view bytes)
{
    return Lines::split(std::string(bytes));
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
    adviseHugePages(bytes.data(), bytes.capacity());
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
    return Lines::split(std::move(bytes));
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

void cutPlayerLine(const Lines &lines, std::size_t index, TextTable &table, int row)
{
    const std::string_view line = lines[index];
    if (line.size() >= TextTable::kNoField || table.colCount() != kPlayerColumns) {
        cutPlayerLine(line, table, row);
        return;
    }
    // Where each field starts; it ends at the "/" that closed it.
    std::uint16_t starts[kPlayerColumns];
    std::fill(std::begin(starts), std::end(starts), TextTable::kNoField);
    int col = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size() && col < kPlayerColumns; ++i) {
        if (line[i] != '/')
            continue;
        starts[col] = static_cast<std::uint16_t>(start);
        start = i + 1;
        if (i != 0)
            ++col;
    }
    table.setLineRow(row, lines.buffer(), lines.offset(index), starts);
}

void convertDecimalPoints(Lines &lines)
{
    lines.replaceFrom(3, '.', ',');
}

} // namespace squadlens
