#include "core/result_tables.h"

#include "core/cp1251.h"
#include "core/load_checks.h"

namespace squadlens {
namespace {

void setRow(TextTable &table, int row, std::initializer_list<std::string_view> cells)
{
    int col = 0;
    for (std::string_view text : cells)
        table.setCell(col++, row, text);
}

void emptyRow(TextTable &table, int row)
{
    for (int col = 0; col < table.colCount(); ++col)
        table.setCell(col, row, {});
}

} // namespace

void ClearTables(ResultTables &t, const Workspace &ws)
{
    static const std::string skill = toCp1251("Скилл"), progress = toCp1251("Прогресс"),
                             player = toCp1251("Игрок"), position = toCp1251("Поз."),
                             difference = toCp1251("Разница"), players = toCp1251("Игроки, "),
                             ru = toCp1251("РУ");

    const std::string oldDate(dateText(ws.ListBoxO));
    const std::string newDate(dateText(ws.ListBoxN));

    setRow(t.StringGrid3, 0, {skill, oldDate, newDate, progress});
    for (int row = 1; row <= 24; ++row)
        emptyRow(t.StringGrid3, row);

    t.StringGrid_ru.setRowCount(2);
    t.StringGrid_roster.setRowCount(2);
    t.StringGrid_pr.setRowCount(2);
    t.StringGrid_pay.setRowCount(2);

    setRow(t.StringGrid_ru, 0, {player, position, oldDate, newDate, progress});
    emptyRow(t.StringGrid_ru, 1);
    setRow(t.StringGrid_pr, 0, {player, position, oldDate, newDate, progress});
    emptyRow(t.StringGrid_pr, 1);
    setRow(t.StringGrid_roster, 0, {players + oldDate, position, ru, players + newDate, position, ru});
    setRow(t.StringGrid_pay, 0, {player, position, oldDate, newDate, difference});
    emptyRow(t.StringGrid_pay, 1);

    for (int row = 1; row <= 24; ++row)
        t.StringGrid3.setCell(0, row, SkillNames()[static_cast<std::size_t>(row - 1)]);
}

} // namespace squadlens
