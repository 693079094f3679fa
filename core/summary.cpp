#include "core/summary.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "core/parallel.h"
#include "core/texts.h"

#include <cstdint>
#include <optional>

namespace squadlens {
namespace {

bool isMarker(std::string_view text) { return text == texts::newcomer() || text == texts::leaver(); }

// Sums and differences of money are 64-bit: a squad's total may pass 2^31
// even though each figure fits 32 bits.
std::string moneyText(std::int64_t v) { return AddDots(std::to_string(v)); }

// The rating accumulators are single precision; each step is done in
// extended precision and rounded back.
struct RatingSum {
    float sum = 0;
    float count = 0;
    void add(long double rating)
    {
        sum = static_cast<float>(static_cast<long double>(sum) + rating);
        count = static_cast<float>(static_cast<long double>(count) + 1);
    }
    float average() const
    {
        return static_cast<float>(static_cast<long double>(sum) / static_cast<long double>(count));
    }
};

void setRow(TextTable &table, int row, std::string_view c0, std::string_view c1, std::string_view c2,
            std::string_view c3, std::string_view c4)
{
    table.setCell(0, row, c0);
    table.setCell(1, row, c1);
    table.setCell(2, row, c2);
    table.setCell(3, row, c3);
    table.setCell(4, row, c4);
}

struct Sums {
    RatingSum oldRating, newRating;
    std::int64_t oldValue = 0, newValue = 0, oldSalary = 0, newSalary = 0;
};

// The tables one pass writes: all three, or the rating table alone, or the
// value and salary tables; a table left out is null.
struct Targets {
    TextTable *ru, *pr, *pay;
};

// Pairing row r into row r of the targets, in the order the fill must keep:
// a bad figure stops it with the rows and cells before it written.
void fillRow(const TextTable &sub, int r, Targets t, Sums &s)
{
    const std::string &newcomer = texts::newcomer();
    const std::string &leaver = texts::leaver();
    const std::string_view na = texts::kNotApplicable;
    const auto col = [&](int c) { return sub.cell(c, r); };
    const bool paired = col(9) == "1";

    for (TextTable *table : {t.ru, t.pr, t.pay})
        if (table)
            table->setRowCount(table->rowCount() + 1);

    // Each figure is read once; a marker or a bad text where a number is
    // needed fails at the same read, and in the same order, as reading it at
    // every use would.
    std::optional<long double> newer, older;
    if (t.ru) {
        const std::string_view cells[] = {col(1), col(2), col(3), col(4)};
        t.ru->setRow(r, cells);
        if (paired) {
            newer = strToFloat(t.ru->cell(3, r));
            older = strToFloat(t.ru->cell(2, r));
            t.ru->setCell(4, r, formatGrowth(static_cast<float>(*newer - *older)));
        } else {
            t.ru->setCell(4, r, na);
        }
    }
    if (t.pr) {
        const std::string_view cells[] = {col(1), col(2)};
        t.pr->setRow(r, cells);
    }
    if (t.ru) {
        if (col(3) != newcomer)
            s.oldRating.add(older ? *older : strToFloat(col(3)));
        if (col(4) != leaver)
            s.newRating.add(newer ? *newer : strToFloat(col(4)));
    }

    const auto money = [&](int c, std::optional<std::int32_t> &read, std::int64_t &sum) {
        if (!isMarker(col(c))) {
            read = strToInt(col(c));
            sum += *read;
        }
    };
    const auto change = [&](TextTable &table, int oldCol, int newCol, const std::optional<std::int32_t> &o,
                            const std::optional<std::int32_t> &n) {
        if (!paired) {
            table.setCell(4, r, na);
            return;
        }
        const std::int64_t newer = n ? *n : strToInt(col(newCol));
        const std::int64_t older = o ? *o : strToInt(col(oldCol));
        table.setCell(4, r, moneyText(newer - older));
    };

    if (t.pr) {
        std::optional<std::int32_t> oldV, newV;
        money(5, oldV, s.oldValue);
        t.pr->setCell(2, r, AddDots(col(5)));
        money(6, newV, s.newValue);
        t.pr->setCell(3, r, AddDots(col(6)));
        change(*t.pr, 5, 6, oldV, newV);
    }
    if (t.pay) {
        std::optional<std::int32_t> oldS, newS;
        const std::string oldSalary = AddDots(col(7)), newSalary = AddDots(col(8));
        const std::string_view cells[] = {col(1), col(2), oldSalary, newSalary};
        t.pay->setRow(r, cells);
        money(7, oldS, s.oldSalary);
        money(8, newS, s.newSalary);
        change(*t.pay, 7, 8, oldS, newS);
    }
}

void writeTotals(int totals, ResultTables &t, const Sums &s)
{
    static const std::string averageRating = toCp1251("Средний РУ:"),
                             totalValue = toCp1251("Общая стоимость:"),
                             totalSalary = toCp1251("Общая ЗП:");
    const std::string na = texts::kNotApplicable;

    setRow(t.StringGrid_pay, totals, totalSalary, "", moneyText(s.oldSalary), moneyText(s.newSalary),
           moneyText(s.newSalary - s.oldSalary));

    // A snapshot without players has no average: "n/a" for it and the change.
    const bool hasOld = s.oldRating.count > 0, hasNew = s.newRating.count > 0;
    const float oldAverage = hasOld ? s.oldRating.average() : 0;
    const float newAverage = hasNew ? s.newRating.average() : 0;
    const std::string change =
        hasOld && hasNew ? formatAverage(static_cast<float>(static_cast<long double>(newAverage) - oldAverage))
                         : na;
    setRow(t.StringGrid_ru, totals, averageRating, "", hasOld ? formatAverage(oldAverage) : na,
           hasNew ? formatAverage(newAverage) : na, change);

    setRow(t.StringGrid_pr, totals, totalValue, "", moneyText(s.oldValue), moneyText(s.newValue),
           moneyText(s.newValue - s.oldValue));
}

// A big squad: the rating table on a thread of its own, the value and salary
// tables here. Both read only the pairing table and write only their own
// tables, so the result is the one-pass fill's; but should either meet a bad
// figure, nothing of this counts: the tables go back to their reset state
// and the caller fills them in one pass, which stops exactly where it must.
bool fillSideBySide(const TextTable &sub, int last, ResultTables &t, Sums &sums)
{
    Sums ratings, money;
    try {
        bothSides(
            true,
            [&] {
                for (int r = 1; r <= last; ++r)
                    fillRow(sub, r, {&t.StringGrid_ru, nullptr, nullptr}, ratings);
            },
            [&] {
                for (int r = 1; r <= last; ++r)
                    fillRow(sub, r, {nullptr, &t.StringGrid_pr, &t.StringGrid_pay}, money);
            });
    } catch (...) {
        for (TextTable *table : {&t.StringGrid_ru, &t.StringGrid_pr, &t.StringGrid_pay}) {
            table->setRowCount(2);
            for (int c = 0; c < table->colCount(); ++c)
                table->setCell(c, 1, {});
        }
        return false;
    }
    sums = money;
    sums.oldRating = ratings.oldRating;
    sums.newRating = ratings.newRating;
    return true;
}

} // namespace

void fillSummaryTables(const TextTable &sub, ResultTables &t)
{
    const int last = sub.rowCount() - 1;
    for (TextTable *table : {&t.StringGrid_ru, &t.StringGrid_pr, &t.StringGrid_pay})
        table->reserveWritten(last + 2, static_cast<std::size_t>(last + 2) * 48);

    Sums sums;
    if (static_cast<std::size_t>(last) < kParallelSize || !fillSideBySide(sub, last, t, sums)) {
        sums = Sums{};
        for (int r = 1; r <= last; ++r)
            fillRow(sub, r, {&t.StringGrid_ru, &t.StringGrid_pr, &t.StringGrid_pay}, sums);
    }
    writeTotals(last < 1 ? 1 : last + 1, t, sums);
}

} // namespace squadlens
